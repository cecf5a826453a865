#include "document/Invarianten.h"

#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"

#include "Testzugang.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <unistd.h>

using namespace kalvorin;
using namespace std::string_literals;

namespace {

// A small document that keeps every rule: A, B, line g = AB, intersection
// point S on g, an arrow "Punkt-Punkt" with the vector it carries behind
// it, and a plane typed with a new point behind it.
struct TGutesDokument {
    TListe l;
    TfrPunkt* A = Punkt("A", {1, 2, 3});
    TfrPunkt* B = Punkt("B", {4, 0, 0});
    TGerade* g = l.Neu<TGerade>();
    TfrPunkt* S = Punkt("S", {0, 0, 0});
    TPfeil* p = l.Neu<TPfeil>();
    TVektor* v = l.Neu<TVektor>();
    TEbene* E = l.Neu<TEbene>();
    TfrPunkt* Q = Punkt("Q", {0, 1, 0});

    TGutesDokument() {
        g->Name = "g";
        g->Festlegung = TGerade::GPP;
        g->Bezuege = {A, B, nullptr};
        S->Entstehung.Art = TEntstehungsart::Schnitt;
        S->Entstehung.Elemente[0].Element = g;
        S->Entstehung.Elemente[1].Element = g;
        p->Name = "Pf1";
        p->Festlegung = TPfeil::PfPP;
        p->Bezuege = {A, B, v};
        v->Name = "V1";
        v->Festlegung = TVektor::VPf;
        v->Bezuege[0] = p;
        E->Name = "E";
        E->Festlegung = TEbene::EPPP;
        E->Bezuege = {A, B, Q};
    }
    TfrPunkt* Punkt(const char* name, TTripel k) {
        auto* e = l.Neu<TfrPunkt>();
        e->Name = name;
        e->Koordinaten = k;
        return e;
    }
};

struct TVerstoss {
    const char* Name;
    std::function<void(TGutesDokument&)> Anrichten;
    std::string (*Pruefung)(const TListe&);
    const char* Befund; // part of the text
};

class InvariantenVerstoss : public ::testing::TestWithParam<TVerstoss> {};

TEST(Invarianten, AGoodDocumentKeepsEveryRule) {
    TGutesDokument d;
    EXPECT_EQ(ListeninvariantenPruefen(d.l), "");
}

TEST_P(InvariantenVerstoss, IsFoundAndNamed) {
    TGutesDokument d;
    GetParam().Anrichten(d);
    const std::string befund = GetParam().Pruefung(d.l);
    EXPECT_NE(befund.find(GetParam().Befund), std::string::npos) << befund;
    EXPECT_FALSE(ListeninvariantenPruefen(d.l).empty());
}

TListe fremdeListe;

INSTANTIATE_TEST_SUITE_P(
    Alle, InvariantenVerstoss,
    ::testing::Values(
        TVerstoss{"EmptyName", [](TGutesDokument& d) { d.B->Name.clear(); }, NamensregelnPruefen,
                  "(): empty name"},
        TVerstoss{"NameTooLong",
                  [](TGutesDokument& d) { d.B->Name = "Dreizehn_Zei"s + "\xc3\xa4"; },
                  NamensregelnPruefen, "name too long"},
        TVerstoss{"NameNotStorable", [](TGutesDokument& d) { d.B->Name = "a|b"; },
                  NamensregelnPruefen, "name not storable"},
        TVerstoss{"NameTwice", [](TGutesDokument& d) { d.Q->Name = "A"; }, NamensregelnPruefen,
                  "slot 8 (A): name not unique"},
        TVerstoss{"ReferenceOutsideTheList",
                  [](TGutesDokument& d) {
                      auto* fremd = fremdeListe.Anzahl() ? fremdeListe[1]
                                                         : fremdeListe.Neu(TElementart::DfrPunkt);
                      d.g->Bezuege[1] = fremd;
                  },
                  BezuegePruefen, "slot 3 (g): reference outside the list"},
        TVerstoss{"ReferenceToALaterDerivedElement",
                  [](TGutesDokument& d) { d.g->Bezuege[1] = d.S; }, BezuegePruefen,
                  "slot 3 (g): reference slot 4 (S) does not stand before it"},
        TVerstoss{"OriginAfterTheElement",
                  [](TGutesDokument& d) { d.S->Entstehung.Elemente[1].Element = d.E; },
                  BezuegePruefen, "operand slot 7 (E)"},
        TVerstoss{"ReferenceToItself", [](TGutesDokument& d) { d.g->Bezuege[1] = d.g; },
                  BezuegePruefen, "slot 3 (g): reference slot 3 (g)"},
        TVerstoss{"ProjectionVectorWithoutTheRole",
                  [](TGutesDokument& d) { d.E->Projektionsvektor = d.v; }, BezuegePruefen,
                  "slot 7 (E): projection vector without its role"},
        TVerstoss{"RingThroughTheOrigin",
                  [](TGutesDokument& d) {
                      d.A->Entstehung.Art = TEntstehungsart::PSpiegelung;
                      d.A->Entstehung.Originalelement = d.S;
                  },
                  KreisfreiheitPruefen, "depends on itself"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The message list of a document that cannot show a line: the rebuild
// reports once, then the line stays hidden and the next rebuilds agree.
TEST(Invarianten, RebuildAfterAChangeIsRepeatable) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument d;
    d.Aendern([](TListe& l) {
        auto* a = l.Neu<TfrPunkt>();
        a->Name = "A";
        auto* g = l.Neu<TGerade>();
        g->Name = "g";
        g->Festlegung = TGerade::GPP;
        g->Bezuege = {a, a, nullptr};
        return true;
    });
    EXPECT_FALSE(d.Liste()[2]->sichtbar);
    EXPECT_EQ(NeuaufbauPruefen(d), "");
}

TEST(Invarianten, SavingTwiceGivesTheSameBytes) {
    test::TEinstellungenSichern sichern;
    for (char trenner : {',', '.'}) {
        Einstellungen().Dezimaltrenner = trenner;
        TGutesDokument d;
        TKoordinatensystem ks;
        ks.AbgeleiteteDatenBerechnen();
        d.A->Koordinaten = {1.0L / 3, -0.1L, 255.999L};
        EXPECT_EQ(SpeichernPruefen(d.l, ks), "");
        EXPECT_FALSE(Dateibild(d.l, ks).empty());
        d.B->Name = "a|b";
        TMeldungsProtokoll still;
        EXPECT_EQ(SpeichernPruefen(d.l, ks), "the document does not write");
    }
}

// Undo after a deletion brings back exactly the list before it; an undo
// that lost an element is caught, and so is a change after a refusal.
TEST(Invarianten, UndoAndRefusalsAreChecked) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument d;
    d.Aendern([](TListe& l) {
        for (const char* n : {"A", "B", "C"}) {
            auto* p = l.Neu<TfrPunkt>();
            p->Name = n;
            p->Koordinaten = {1, static_cast<Real>(l.Anzahl()), 0};
        }
        return true;
    });
    const std::string vorher = ListenAbbild(d.Liste());
    d.Markieren([](TListe& l) { l[2]->markiert = true; });
    const std::string markiert = ListenAbbild(d.Liste());
    EXPECT_NE(markiert, vorher);
    ASSERT_TRUE(d.MarkierteLoeschen());
    EXPECT_EQ(RueckgaengigPruefen(d, markiert), "");
    // A document without any step to undo refuses.
    TDokument ohneSchritt;
    EXPECT_EQ(RueckgaengigPruefen(ohneSchritt, ListenAbbild(ohneSchritt.Liste())),
              "undo refused although a snapshot is there");

    ASSERT_TRUE(d.MarkierteLoeschen());
    EXPECT_NE(RueckgaengigPruefen(d, vorher).find("undo does not restore the list"),
              std::string::npos);

    const std::string zustand = ZustandsAbbild(d);
    EXPECT_EQ(UnveraendertPruefen(d, zustand), "");
    d.Markieren([](TListe& l) { l[1]->markiert = true; });
    EXPECT_EQ(UnveraendertPruefen(d, zustand), "a refused input changed the document");
    d.Markieren([](TListe& l) { l[1]->markiert = false; });
    d.KoordinatensystemAendern([](TKoordinatensystem& ks) { ks.Achsen[0].Zeichnen = false; },
                               false);
    EXPECT_EQ(UnveraendertPruefen(d, zustand), "a refused input changed the document");
}

TEST(Invarianten, TheListImageTellsEveryNumberApart) {
    TGutesDokument a, b;
    EXPECT_EQ(ListenAbbild(a.l), ListenAbbild(b.l));
    b.A->Koordinaten.z = std::nextafter(b.A->Koordinaten.z, Real(4));
    EXPECT_NE(ListenAbbild(a.l), ListenAbbild(b.l));
}

} // namespace
