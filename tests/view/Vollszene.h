#pragma once
// A scene that uses every way of drawing a picture has: labelled axes, the
// three coordinate planes, see-through and opaque planes, points
// of every form and size, a line with a white border, a segment, an arrow,
// a triangle and a pyramid, and names with "_", "'" and umlauts.

#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/Element.h"
#include "model/Liste.h"

namespace kalvorin::test {

inline void Vollszene(TDokument& d) {
    TDokumentTestzugang::Koordinatensystem(d).Achsenbeschriftung = true;
    for (auto& e : TDokumentTestzugang::Koordinatensystem(d).Ebenen)
        e.Zeichnen = true;
    TDokumentTestzugang::Koordinatensystem(d).Ebenen[1].Transparenz = 3;
    TDokumentTestzugang::Koordinatensystem(d).Ebenen[2].Transparenz = 0;
    TDokumentTestzugang::Koordinatensystem(d).Ebenen[2].Farbe = RGB(235, 235, 200);

    TListe& l = Liste(d);
    const auto punkt = [&](const char* name, TTripel k, int form, int dicke, TFarbe farbe) {
        auto* p = l.Neu<TfrPunkt>();
        p->Name = name;
        p->Koordinaten = k;
        p->Punktform = static_cast<std::uint8_t>(form);
        p->Dicke = static_cast<std::uint16_t>(dicke);
        p->Farbe = farbe;
        p->NameSichtbar = true;
        return p;
    };
    auto* a = punkt("A_1", {5, 0, 0}, 0, 2, RGB(0, 0, 200));
    auto* b = punkt("B'", {0, 6, 0}, 1, 2, RGB(0, 0, 200));
    auto* c = punkt("Ü", {0, 0, 4}, 2, 1, RGB(0, 0, 200));
    auto* s = punkt("S''", {4, 5, 6}, 3, 3, RGB(200, 0, 0));
    punkt("Zähler_2", {2, 2, 1}, 4, 1, RGB(0, 120, 0));

    auto* dreieck = l.Neu<TDreieck>();
    dreieck->Name = "Dreieck";
    dreieck->Bezuege = {a, b, c};
    dreieck->Farbe = RGB(120, 200, 120);
    dreieck->NameSichtbar = true;
    auto* pyramide = l.Neu<TPyramide3>();
    pyramide->Name = "Pyramide";
    pyramide->Bezuege = {dreieck, s, nullptr};
    pyramide->Farbe = RGB(200, 100, 0);
    pyramide->Dicke = 75;
    pyramide->NameSichtbar = true;

    auto* g = l.Neu<TGerade>();
    g->Name = "g_{AS}";
    g->Festlegung = TGerade::GPP;
    g->Bezuege = {a, s, nullptr};
    g->Farbe = RGB(0, 140, 0);
    g->Dicke = 75;
    g->MitRand = true;
    g->NameSichtbar = true;
    auto* strecke = l.Neu<TStrecke>();
    strecke->Name = "s&t";
    strecke->Bezuege = {b, s, nullptr};
    strecke->Farbe = RGB(160, 0, 160);
    strecke->NameSichtbar = true;
    auto* v = l.Neu<TVektor>();
    v->Name = "v1";
    v->Komponenten = {0, 3, 3};
    v->NameSichtbar = false;
    auto* pfeil = l.Neu<TPfeil>();
    pfeil->Name = "p#1"; // the arrow is labelled with its own name
    pfeil->Festlegung = TPfeil::PfPV;
    pfeil->Bezuege = {a, v, nullptr};
    pfeil->Farbe = RGB(0, 0, 0);
    pfeil->Dicke = 75;
    pfeil->NameSichtbar = true;
    const auto ebene = [&](const char* name, TTripel p, TTripel u, TTripel w, int transparenz,
                           TFarbe farbe) {
        auto* e = l.Neu<TEbene>();
        e->Name = name;
        e->Festlegung = TEbene::EPAR;
        e->Punkt = p;
        e->Richtung1 = u;
        e->Richtung2 = w;
        e->Transparenz = transparenz;
        e->Farbe = farbe;
        e->Dicke = 100;
        e->NameSichtbar = true;
    };
    ebene("E_1", {0, 0, 2}, {1, 0, 0}, {0, 1, 0.3L}, 1, RGB(255, 220, 120));
    ebene("F'", {3, 0, 0}, {0, 1, 0}, {0, 0, 1}, 2, RGB(120, 160, 255));
    ebene("Höhe", {0, 3, 0}, {1, 0, 0}, {0, 0, 1}, 0, RGB(230, 230, 230));

    d.Neuaufbau();
    SetzeGeaendert(d, false);
}

} // namespace kalvorin::test
