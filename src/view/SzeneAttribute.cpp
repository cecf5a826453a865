// The attribute operations of the scene, and the auxiliary lines of the
// point forms.

#include "math/Farbe.h"
#include "view/GSzene.h"

#include "model/Utf8.h"

#include <algorithm>

namespace kalvorin {

namespace {
constexpr int HilfslinienAnzahl = 9;
constexpr int ZickzackAnzahl = 3;
} // namespace

void tGSzene::SetzeStift(int nr, TFarbe farbe, int breite, TStiftStil stil) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o) return;
    o->Stift = {farbe, breite, stil};
    if (o->Art == TObjektArt::Punkt) {
        // The three lines from the point itself and the zigzag stand out more
        // than the six that complete the box.
        const TFarbe hell = Heller(farbe, 0.5), heller = Heller(farbe, 0.75);
        if (o->ErsteHilfslinie > 0)
            for (int i = 0; i < HilfslinienAnzahl; ++i)
                objekte_[o->ErsteHilfslinie - 1 + i].Stift = {i < 3 ? hell : heller, breite, stil};
        if (o->ErsteZickzacklinie > 0)
            for (int i = 0; i < ZickzackAnzahl; ++i)
                objekte_[o->ErsteZickzacklinie - 1 + i].Stift = {hell, breite, stil};
    } else if (o->IstFlaeche()) {
        for (int i = 1; i <= 4; ++i)
            objekte_[nr - 1 + i].Stift = {farbe, breite, stil};
    }
}

void tGSzene::SetzeFuellung(int nr, TFarbe farbe, int schraffur) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o || !o->IstFlaeche()) return;
    o->FuellFarbe = farbe;
    o->Schraffur = (schraffur >= SchraffurWaagerecht && schraffur <= SchraffurDiagonalKreuz)
                       ? schraffur
                       : SchraffurKeine;
}

void tGSzene::SetzeTransparenz(int nr, int transparenz) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o || !o->IstFlaeche()) return;
    o->Transparenz = std::clamp(transparenz, 0, 5);
}

void tGSzene::SetzeName(int nr, std::string_view name, int groesse, TFarbe farbe) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o) return;
    // The name of a plane is written by its first edge.
    if (o->IstFlaeche()) o = &objekte_[nr];
    o->NamenFarbe = farbe;
    o->NamenGroesse = std::clamp(groesse, 0, 3);
    if (o->Art != TObjektArt::Achse) o->Name = Utf8Anfang(name, MaxNamenZeichen);
}

void tGSzene::SetzeNameSichtbar(int nr, bool sichtbar) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o) return;
    if (o->IstFlaeche()) o = &objekte_[nr];
    o->NameSichtbar = sichtbar;
}

void tGSzene::SetzePfeil(int nr, bool pfeil) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o || (o->Art != TObjektArt::Strecke && o->Art != TObjektArt::Achse)) return;
    o->Pfeil = pfeil;
    Pfeilspitze(*o);
    projiziert_ = false;
}

void tGSzene::SetzeWeissenRand(int nr, bool rand) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o || o->Art != TObjektArt::Gerade) return;
    o->WeisserRand = rand;
}

void tGSzene::SetzeStriche(int nr, int skalierung) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o || o->Art != TObjektArt::Achse) return;
    o->Skalierung = skalierung;
    Striche(*o);
    projiziert_ = false;
}

void tGSzene::SetzeAchsenbeschriftung(int nr, bool beschriftung) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o || o->Art != TObjektArt::Achse) return;
    o->Beschriftung = beschriftung;
}

void tGSzene::SetzeGezeigt(int nr, bool gezeigt) {
    TSzenenObjekt* o = ObjektPtr(nr);
    if (!o) return;
    o->Gezeigt = gezeigt;
    if (o->IstFlaeche())
        for (int i = 1; i <= 4; ++i)
            objekte_[nr - 1 + i].Gezeigt = gezeigt;
    if (o->Art != TObjektArt::Punkt) return;
    if (gezeigt) {
        SetzePunktform(nr, o->Punktform, o->Punktgroesse);
        return;
    }
    const auto verbergen = [this](int erste, int anzahl) {
        for (int i = 0; erste > 0 && i < anzahl; ++i)
            objekte_[erste - 1 + i].Gezeigt = false;
    };
    verbergen(o->ErsteHilfslinie, HilfslinienAnzahl);
    verbergen(o->ErsteZickzacklinie, ZickzackAnzahl);
}

void tGSzene::SetzePunktform(int nr, int form, int groesse) {
    if (!ObjektPtr(nr) || objekte_[nr - 1].Art != TObjektArt::Punkt || form < PunktformKreis ||
        form > PunktformZickzack)
        return;
    objekte_[nr - 1].Punktform = form;
    objekte_[nr - 1].Punktgroesse = groesse;

    const bool dreibein = form == PunktformDreibein || form == PunktformDreibeinXYZ;
    if (dreibein && objekte_[nr - 1].ErsteHilfslinie == 0 &&
        Objektzahl() <= MaxSzenenObjekte - HilfslinienAnzahl - 1)
        Hilfslinien(nr, Objektzahl() + 1, HilfslinienAnzahl);
    if (form == PunktformZickzack && objekte_[nr - 1].ErsteZickzacklinie == 0 &&
        Objektzahl() <= MaxSzenenObjekte - ZickzackAnzahl - 1)
        Hilfslinien(nr, Objektzahl() + 1, ZickzackAnzahl);

    const TSzenenObjekt& p = objekte_[nr - 1];
    const bool gezeigt = p.Gezeigt;
    if (p.ErsteHilfslinie > 0)
        for (int i = 0; i < HilfslinienAnzahl; ++i)
            objekte_[p.ErsteHilfslinie - 1 + i].Gezeigt =
                gezeigt && (form == PunktformDreibeinXYZ || (form == PunktformDreibein && i < 3));
    if (p.ErsteZickzacklinie > 0)
        for (int i = 0; i < ZickzackAnzahl; ++i)
            objekte_[p.ErsteZickzacklinie - 1 + i].Gezeigt = gezeigt && form == PunktformZickzack;
}

void tGSzene::Hilfslinien(int punkt, int erste, int anzahl) {
    const TTripel p = objekte_[punkt - 1].Basis;
    const TTripel x0{0, p.y, p.z}, y0{p.x, 0, p.z}, z0{p.x, p.y, 0};
    const TTripel zAchse{0, 0, p.z}, yAchse{0, p.y, 0}, xAchse{p.x, 0, 0};
    std::array<std::array<TTripel, 2>, 9> linien{};
    if (anzahl == HilfslinienAnzahl)
        linien = {{{p, x0},
                   {p, y0},
                   {p, z0},
                   {x0, zAchse},
                   {x0, yAchse},
                   {y0, xAchse},
                   {y0, zAchse},
                   {z0, yAchse},
                   {z0, xAchse}}};
    else
        linien = {{{p, z0}, {z0, xAchse}, {xAchse, NullTripel}}};

    for (int i = 0; i < anzahl; ++i) {
        const TTripel w = Verbindungsvektor(linien[i][0], linien[i][1]);
        Real t1 = 0, t2 = 0;
        int nr = 0;
        // A line of length 0 or outside the sphere keeps its number but gets
        // no piece, so that the point's lines stay numbered in a row.
        if (Stueckzahl() < MaxStuecke && Kugelschnitt(linien[i][0], w, t1, t2) &&
            std::max<Real>(0, t1) < std::min<Real>(1, t2)) {
            const int stueck = Stueckzahl() + 1;
            nr = LinienObjekt(TObjektArt::Gerade, linien[i][0], w, std::max<Real>(0, t1),
                              std::min<Real>(1, t2));
            NeueStueckeSchneiden(nr, stueck);
        } else {
            nr = NeuesObjekt(TObjektArt::Gerade);
            objekte_[nr - 1].Basis = linien[i][0];
            objekte_[nr - 1].Richtung = w;
            objekte_[nr - 1].Oben = 1;
            objekte_[nr - 1].Beschriftungspunkt = linien[i][1];
        }
        objekte_[nr - 1].Waehlbar = false;
    }
    TSzenenObjekt& o = objekte_[punkt - 1];
    if (anzahl == HilfslinienAnzahl)
        o.ErsteHilfslinie = erste;
    else
        o.ErsteZickzacklinie = erste;
    SetzeStift(punkt, o.Stift.Farbe, o.Stift.Breite, o.Stift.Stil);
}

} // namespace kalvorin
