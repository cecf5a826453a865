#include "eingabe/PunktEingabe.h"
#include "Testnamen.h"

#include "document/Dokument.h"
#include "storage/EinstellungenSichern.h"
#include "zahlen/Zahlen.h"

#include <gtest/gtest.h>

using namespace kalvorin;
using test::MitTrenner;

namespace {

const char* BereichText =
    "Koordinaten nicht richtig festgelegt!\r\nZulässiger Bereich von -256 bis 256.";
const char* SummeText =
    "Die Koordinaten des neuen Punktes überschreiten den\r\nzulässigen Bereich von -256 bis 256.";

// Runs every case with both decimal separators.
class PunktEingabe : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }

    TfrPunkt& Punkt(const char* name, TTripel p) {
        auto* e = liste.Neu<TfrPunkt>();
        e->Name = name;
        e->Koordinaten = p;
        return *e;
    }
    TVektor& Vektor(const char* name, TTripel v) {
        auto* e = liste.Neu<TVektor>();
        e->Name = name;
        e->Komponenten = v;
        return *e;
    }
    static TPunktEingabe Koordinaten(const char* name, std::string x, std::string y,
                                     std::string z) {
        TPunktEingabe e;
        e.Name = name;
        e.Edits = {MitTrenner(x), MitTrenner(y), MitTrenner(z)};
        return e;
    }
    static TPunktEingabe AnfangUndVektor(const char* name, const char* a, const char* v) {
        TPunktEingabe e;
        e.Name = name;
        e.Koordinaten = false;
        e.Anfangspunkt = a;
        e.Vektor = v;
        return e;
    }

    test::TEinstellungenSichern sichern;
    TListe liste;
};

TEST_P(PunktEingabe, RangeLimitsAreInclusive) {
    const TPunktPruefung r = PunktPruefen(liste, Koordinaten("P1", "-256", "256", "0,5"));
    EXPECT_EQ(r.Fehler, PunktOk);
    EXPECT_EQ(r.Punkt, (TTripel{-256, 256, 0.5L}));
    for (const char* falsch : {"256,5", "1/0", "-257", "abc"}) {
        const TPunktPruefung f = PunktPruefen(liste, Koordinaten("P1", "0", falsch, "0"));
        EXPECT_EQ(f.Fehler, PunktKoordinaten) << falsch;
        EXPECT_EQ(f.Meldung, BereichText) << falsch;
        EXPECT_NE(f.Ergebnis, TPruefergebnis::StillSchliessen);
    }
}

TEST_P(PunktEingabe, AThirdIsStoredAsOneThird) {
    const TPunktEingabe e = Koordinaten("P1", "1/3", "0", "0");
    ASSERT_EQ(PunktPruefen(liste, e).Fehler, PunktOk);
    const int slot = PunktNeuAnlegen(liste, e);
    ASSERT_EQ(slot, 1);
    EXPECT_EQ(Als<TfrPunkt>(*liste[1]).Koordinaten.x, 1.0L / 3);
    EXPECT_EQ(liste[1]->Festlegung, TfrPunkt::Koord);
}

TEST_P(PunktEingabe, NamesLoseTheirBlanksAndAreCaseSensitive) {
    Punkt("P1", {});
    EXPECT_EQ(PunktPruefen(liste, Koordinaten("p1", "1", "2", "3")).Fehler, PunktOk);
    const TPunktPruefung r = PunktPruefen(liste, Koordinaten(" P 1 ", "1", "2", "3"));
    EXPECT_EQ(r.Name, "P1");
    EXPECT_EQ(r.Fehler, PunktNameVergeben);
    EXPECT_EQ(r.Meldung, "Name bereits vergeben!");
    const TPunktPruefung q = PunktPruefen(liste, Koordinaten("Q 1", "1", "2", "3"));
    EXPECT_EQ(q.Name, "Q1");
    PunktNeuAnlegen(liste, Koordinaten("Q 1", "1", "2", "3"));
    EXPECT_EQ(liste[2]->Name, "Q1");
}

TEST_P(PunktEingabe, OwnNameMayStayInPropertiesMode) {
    Punkt("P1", {});
    Punkt("P2", {});
    TPunktEingabe e = Koordinaten("P1", "1", "2", "3");
    e.Neu = false;
    e.AlterName = "P1";
    EXPECT_EQ(PunktPruefen(liste, e).Fehler, PunktOk);
    e.Name = "P2";
    EXPECT_EQ(PunktPruefen(liste, e).Meldung, "Name bereits vergeben!");
}

TEST_P(PunktEingabe, CoordinateErrorHidesNameError) {
    const TPunktPruefung r = PunktPruefen(liste, Koordinaten("", "x", "0", "0"));
    EXPECT_EQ(r.Meldung, BereichText);
    EXPECT_EQ(PunktPruefen(liste, Koordinaten("  ", "1", "0", "0")).Meldung,
              "Name nicht festgelegt!");
}

TEST_P(PunktEingabe, EmptyCoordinatesCloseSilently) {
    const TPunktPruefung r = PunktPruefen(liste, Koordinaten("P1", "", " ", ""));
    EXPECT_EQ(r.Fehler, PunktKoordinaten);
    EXPECT_EQ(r.Ergebnis, TPruefergebnis::StillSchliessen);
    EXPECT_TRUE(r.Meldung.empty());
}

TEST_P(PunktEingabe, StartPointAndVector) {
    Punkt("A", {2, 0, 0});
    Vektor("v", {255, 0, 0});
    Vektor("w", {1, 2, 3});
    EXPECT_EQ(PunktPruefen(liste, AnfangUndVektor("P1", "A", "v")).Meldung, SummeText);
    EXPECT_EQ(PunktPruefen(liste, AnfangUndVektor("P1", "A", "")).Meldung,
              "Vektor nicht festgelegt!");
    EXPECT_EQ(PunktPruefen(liste, AnfangUndVektor("P1", "", "w")).Meldung,
              "Anfangspunkt nicht festgelegt!");
    const TPunktPruefung leer = PunktPruefen(liste, AnfangUndVektor("P1", "", ""));
    EXPECT_EQ(leer.Ergebnis, TPruefergebnis::StillSchliessen);
    EXPECT_TRUE(leer.Meldung.empty());

    const TPunktEingabe gut = AnfangUndVektor("P1", "A", "w");
    const TPunktPruefung r = PunktPruefen(liste, gut);
    EXPECT_EQ(r.Fehler, PunktOk);
    EXPECT_EQ(r.Punkt, (TTripel{3, 2, 3}));
    const int slot = PunktNeuAnlegen(liste, gut);
    const auto& p = Als<TfrPunkt>(*liste[slot]);
    EXPECT_EQ(p.Festlegung, TfrPunkt::PV);
    EXPECT_EQ(p.Anfangspunkt(), liste[1]);
    EXPECT_EQ(p.Vektor(), liste[3]);
}

TEST_P(PunktEingabe, ListsOfferNeitherThePointNorWhatIsBuiltOnIt) {
    TfrPunkt& a = Punkt("A", {});
    Punkt("B", {});
    TVektor& v = Vektor("v", {1, 0, 0});
    // C = A + v, and a vector from A to C: both rest on A.
    TfrPunkt& c = Punkt("C", {});
    c.Festlegung = TfrPunkt::PV;
    c.Bezuege = {&a, &v, nullptr};
    TVektor& ac = Vektor("w", {});
    ac.Festlegung = TVektor::V2P;
    ac.Bezuege = {&a, &c, nullptr};
    EXPECT_EQ(NamenDerArt(liste, PunktArten, nullptr), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(NamenDerArt(liste, PunktArten, &a), (std::vector<std::string>{"B"}));
    EXPECT_EQ(NamenDerArt(liste, VektorArten, &a), (std::vector<std::string>{"v"}));
    EXPECT_EQ(NamenDerArt(liste, VektorArten, nullptr), (std::vector<std::string>{"v", "w"}));
}

TEST_P(PunktEingabe, WriteBackTakesEveryProperty) {
    TPunktEingabe e = Koordinaten("P1", "1", "2", "3");
    e.Punktform = 3;
    e.Duenn = false;
    e.Farbe = RGB(1, 2, 3);
    e.Hilfslinien = false;
    e.Sichtbar = false;
    Einstellungen().DickpunktDicke = 4;
    PunktNeuAnlegen(liste, e);
    const auto& p = Als<TfrPunkt>(*liste[1]);
    EXPECT_EQ(p.Punktform, 3);
    EXPECT_EQ(p.Dicke, 4);
    EXPECT_EQ(p.Farbe, RGB(1, 2, 3));
    EXPECT_FALSE(p.Hilfslinien);
    EXPECT_FALSE(p.sichtbar);
    e.Duenn = true;
    e.Sichtbar = true;
    PunktAusDialog(liste, 1, e);
    EXPECT_EQ(p.Dicke, 1);
    EXPECT_TRUE(p.sichtbar);
}

TEST_P(PunktEingabe, UnchangedShownCoordinatesKeepTheirExactValue) {
    TfrPunkt& p = Punkt("P1", {0.123456789L, 1, 2});
    TPunktEingabe e;
    e.Neu = false;
    e.Name = e.AlterName = "P1";
    e.Gehalten = p.Koordinaten;
    e.Angezeigt = e.Edits = FeldTexte(p.Koordinaten);
    ASSERT_EQ(PunktPruefen(liste, e).Fehler, PunktOk);
    PunktAusDialog(liste, 1, e);
    EXPECT_EQ(p.Koordinaten.x, 0.123456789L);
    e.Edits[0] = MitTrenner("0,5");
    PunktAusDialog(liste, 1, e);
    EXPECT_EQ(p.Koordinaten, (TTripel{0.5L, 1, 2}));
}

TEST_P(PunktEingabe, DerivedPointIsNotReadFromItsEdits) {
    TfrPunkt& p = Punkt("S", {300, 0, 0});
    p.Entstehung.Art = TEntstehungsart::Schnitt;
    TPunktEingabe e;
    e.Neu = false;
    e.Name = e.AlterName = "S";
    e.Abgeleitet = true;
    e.Gehalten = p.Koordinaten;
    e.Angezeigt = e.Edits = FeldTexte(p.Koordinaten);
    e.Farbe = RGB(9, 9, 9);
    EXPECT_EQ(PunktPruefen(liste, e).Fehler, PunktOk);
    PunktAusDialog(liste, 1, e);
    EXPECT_EQ(p.Koordinaten.x, 300);
    EXPECT_EQ(p.Farbe, RGB(9, 9, 9));
    EXPECT_EQ(p.Entstehung.Art, TEntstehungsart::Schnitt);
}

TEST_P(PunktEingabe, FullListRefusesANewPointButNotAnEdit) {
    for (int i = 0; i < TListe::Kapazitaet; ++i)
        liste.Neu<TfrPunkt>()->Name = "P" + std::to_string(i + 1);
    const TPunktPruefung r = PunktPruefen(liste, Koordinaten("Q", "1", "2", "3"));
    EXPECT_EQ(r.Fehler, PunktListeVoll);
    EXPECT_EQ(r.Meldung, ListeVollMeldung);
    EXPECT_EQ(PunktNeuAnlegen(liste, Koordinaten("Q", "1", "2", "3")), 0);
    EXPECT_EQ(liste[TListe::Kapazitaet]->Name, "P100");
    TPunktEingabe e = Koordinaten("P7", "1", "2", "3");
    e.Neu = false;
    e.AlterName = "P7";
    EXPECT_EQ(PunktPruefen(liste, e).Fehler, PunktOk);
}

INSTANTIATE_TEST_SUITE_P(Trenner, PunktEingabe, ::testing::Values(',', '.'), testnamen::Trenner);

TEST(PunktDarstellungsbereich, OutsideAndAdaptation) {
    TDokument d;
    const Real h = d.Koordinatensystem().H;
    const TTripel innen{h, h, h};
    const TTripel aussen{2 * h, 2 * h, 0};
    EXPECT_FALSE(AusserhalbDesDarstellungsbereichs(d.Szene(), innen));
    EXPECT_TRUE(AusserhalbDesDarstellungsbereichs(d.Szene(), aussen));
    const Real untenVorher = d.Koordinatensystem().Achsen[0].Unten;
    d.KoordinatensystemAendern(
        [&](TKoordinatensystem& ks) { KoordinatensystemAnpassen(ks, aussen); }, true);
    const Real f = Betrag(aussen) / h;
    EXPECT_NEAR(static_cast<double>(d.Koordinatensystem().Achsen[0].Unten),
                static_cast<double>(untenVorher * f), 1e-12);
    EXPECT_FALSE(AusserhalbDesDarstellungsbereichs(d.Szene(), aussen));
}

TEST(PunktDarstellungsbereich, AdaptationStopsAt256) {
    TKoordinatensystem ks;
    ks.AbgeleiteteDatenBerechnen();
    KoordinatensystemAnpassen(ks, {256, 256, 256});
    EXPECT_NEAR(static_cast<double>(ks.H), 256.0, 1e-9);
}

} // namespace
