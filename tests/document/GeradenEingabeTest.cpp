#include "eingabe/GeradenEingabe.h"
#include "Testnamen.h"

#include "geometry/Auswertung.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;
using test::MitTrenner;

namespace {

TEST(GeradenZustand, CompletingOneWayLocksTheThird) {
    TGeradenEingabe z;
    z.PunktPunktGeaendert(true);
    EXPECT_TRUE(z.Vollstaendig);
    EXPECT_EQ(z.Festlegung, WegPunktPunkt);
    EXPECT_TRUE(z.ParameterformAktiv);
    EXPECT_FALSE(z.PunktVektorAktiv);
    z.PunktPunktGeaendert(false);
    EXPECT_FALSE(z.Vollstaendig);
    EXPECT_TRUE(z.PunktVektorAktiv);

    z.PunktVektorGeaendert(true);
    EXPECT_EQ(z.Festlegung, WegPunktVektor);
    EXPECT_FALSE(z.PunktPunktAktiv);
    z.PunktVektorGeaendert(false);
    EXPECT_TRUE(z.PunktPunktAktiv);

    z.ParameterformGeaendert(true);
    EXPECT_EQ(z.Festlegung, WegParameterform);
    EXPECT_FALSE(z.PunktPunktAktiv);
    EXPECT_FALSE(z.PunktVektorAktiv);
    z.ParameterformGeaendert(false);
    EXPECT_FALSE(z.Vollstaendig);
    EXPECT_TRUE(z.PunktPunktAktiv);
}

TEST(GeradenZustand, PropertiesModeStaysCompleteInItsOwnWay) {
    TGeradenEingabe z;
    z.Neu = false;
    z.Vollstaendig = true;
    z.Festlegung = WegPunktPunkt;
    z.PunktPunktGeaendert(false);
    EXPECT_TRUE(z.Vollstaendig);
    EXPECT_FALSE(z.PunktVektorAktiv);
    z.Festlegung = WegParameterform;
    z.PunktPunktAktiv = z.PunktVektorAktiv = false;
    z.ParameterformGeaendert(false);
    EXPECT_TRUE(z.Vollstaendig);
    EXPECT_FALSE(z.PunktPunktAktiv);
}

class GeradenEingabe : public ::testing::TestWithParam<char> {
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
    static TFeldTexte T(std::string x, std::string y, std::string z) {
        return {MitTrenner(x), MitTrenner(y), MitTrenner(z)};
    }
    static TGeradenEingabe PP(const char* n1, TFeldTexte p1, const char* n2, TFeldTexte p2) {
        TGeradenEingabe e;
        e.Name = "g1";
        e.Weg = e.Festlegung = WegPunktPunkt;
        e.Vollstaendig = true;
        e.P1 = {n1, p1};
        e.P2 = {n2, p2};
        return e;
    }
    static TGeradenEingabe PV(const char* a, TFeldTexte pa, const char* v, TFeldTexte pv) {
        TGeradenEingabe e;
        e.Name = "g1";
        e.Weg = e.Festlegung = WegPunktVektor;
        e.Vollstaendig = true;
        e.A = {a, pa};
        e.V = {v, pv};
        return e;
    }
    static TGeradenEingabe PAR(TFeldTexte p, TFeldTexte v) {
        TGeradenEingabe e;
        e.Name = "g1";
        e.Vollstaendig = true;
        e.ParPunkt = p;
        e.ParRichtung = v;
        return e;
    }

    test::TEinstellungenSichern sichern;
    TListe liste;
};

TEST_P(GeradenEingabe, EmptyWayClosesSilentlyPartlyFilledIsIncomplete) {
    TGeradenEingabe e;
    e.Weg = WegPunktPunkt;
    EXPECT_EQ(GeradePruefen(liste, e).Ergebnis, TPruefergebnis::StillSchliessen);
    e.P1.Name = "Q";
    const TEingabePruefung r = GeradePruefen(liste, e);
    EXPECT_EQ(r.Ergebnis, TPruefergebnis::Unvollstaendig);
    EXPECT_EQ(r.Meldung, "Eingabefenster nicht vollständig ausgefüllt!");
}

TEST_P(GeradenEingabe, ChecksOfThePointPointWay) {
    Punkt("P", {1, 2, 3});
    Vektor("v", {1, 0, 0});
    EXPECT_EQ(GeradenChecks(liste, PP("P", T("1", "2", "3"), "Q", T("1", "2", "3")), WegPunktPunkt),
              "Die beiden Punkte sind gleich!");
    EXPECT_EQ(GeradenChecks(liste, PP("v", T("1", "2", "3"), "Q", T("4", "2", "3")), WegPunktPunkt),
              "Name des 1. Punktes bereits vergeben!");
    EXPECT_EQ(GeradenChecks(liste, PP("Q", T("1", "2", "3"), "v", T("4", "2", "3")), WegPunktPunkt),
              "Name des 2. Punktes bereits vergeben!");
    EXPECT_EQ(GeradenChecks(liste, PP("Q", T("1", "2", "3"), "Q", T("4", "2", "3")), WegPunktPunkt),
              "Die beiden Punkte besitzen den gleichen Namen!");
    // A failed read wins over the equality test that would use its values.
    EXPECT_EQ(GeradenChecks(liste, PP("Q", T("x", "2", "3"), "R", T("1", "2", "3")), WegPunktPunkt),
              "Koordinaten des 1. Punktes nicht richtig festgelegt!");
    EXPECT_EQ(
        GeradenChecks(liste, PP("Q", T("0", "2", "3"), "R", T("1", "300", "3")), WegPunktPunkt),
        "Koordinaten des 2. Punktes nicht richtig festgelegt!");
    // Later checks win over earlier ones.
    TGeradenEingabe e = PP("v", T("x", "2", "3"), "R", T("1", "2", "3"));
    EXPECT_EQ(GeradenChecks(liste, e, WegPunktPunkt),
              "Koordinaten des 1. Punktes nicht richtig festgelegt!");
    // A point may not bear the line's own new name.
    EXPECT_EQ(
        GeradenChecks(liste, PP("g1", T("0", "0", "0"), "R", T("1", "2", "3")), WegPunktPunkt),
        "Name des 1. Punktes bereits vergeben!");
    EXPECT_EQ(GeradenChecks(liste, PP("P", T("1", "2", "3"), "R", T("1", "2", "4")), WegPunktPunkt),
              "");
}

TEST_P(GeradenEingabe, ChecksOfThePointVectorWay) {
    Punkt("A", {1, 2, 3});
    Vektor("v", {0, 0, 0});
    Vektor("w", {1, 0, 0});
    EXPECT_EQ(
        GeradenChecks(liste, PV("v", T("1", "2", "3"), "u", T("1", "0", "0")), WegPunktVektor),
        "Name des Anfangspunktes bereits vergeben!");
    EXPECT_EQ(
        GeradenChecks(liste, PV("B", T("1", "2", "3"), "A", T("1", "0", "0")), WegPunktVektor),
        "Name des Vektors bereits vergeben!");
    EXPECT_EQ(
        GeradenChecks(liste, PV("B", T("1", "2", "3"), "B", T("1", "0", "0")), WegPunktVektor),
        "Anfangspunkt und Vektor besitzen den gleichen Namen!");
    EXPECT_EQ(GeradenChecks(liste, PV("B", T("1", "", "3"), "u", T("1", "0", "0")), WegPunktVektor),
              "Koordinaten des Anfangspunktes nicht richtig festgelegt!");
    EXPECT_EQ(
        GeradenChecks(liste, PV("B", T("1", "2", "3"), "u", T("1", "0", "1/0")), WegPunktVektor),
        "Koordinaten des Vektors nicht richtig festgelegt!");
    EXPECT_EQ(
        GeradenChecks(liste, PV("A", T("1", "2", "3"), "v", T("0", "0", "0")), WegPunktVektor),
        "Der Richtungsvektor ist der Nullvektor!");
    EXPECT_EQ(
        GeradenChecks(liste, PV("A", T("1", "2", "3"), "u", T("0", "0", "0")), WegPunktVektor),
        "Der Richtungsvektor ist der Nullvektor!");
    EXPECT_EQ(
        GeradenChecks(liste, PV("A", T("1", "2", "3"), "w", T("1", "0", "0")), WegPunktVektor), "");
}

TEST_P(GeradenEingabe, ChecksOfTheParameterForm) {
    Punkt("g1", {});
    EXPECT_EQ(GeradenChecks(liste, PAR(T("1", "2", "3"), T("1", "0", "0")), WegParameterform),
              "Name der Geraden bereits vergeben!");
    TGeradenEingabe e = PAR(T("1", "2", "3"), T("0", "0", "0"));
    e.Name = "h";
    EXPECT_EQ(GeradenChecks(liste, e, WegParameterform), "Der Richtungsvektor ist der Nullvektor!");
    e.ParPunkt[0] = "x";
    EXPECT_EQ(GeradenChecks(liste, e, WegParameterform),
              "Koordinaten des Punktes nicht richtig festgelegt!");
    e.ParRichtung[0] = "y";
    EXPECT_EQ(GeradenChecks(liste, e, WegParameterform),
              "Koordinaten des Vektors nicht richtig festgelegt!");
    e = PAR(T("1", "2", "3"), T("1", "0", "0"));
    e.Name = "";
    EXPECT_EQ(GeradenChecks(liste, e, WegParameterform), "Name nicht festgelegt!");
}

TEST_P(GeradenEingabe, NewPointsStandRightBehindTheLine) {
    TfrPunkt& p = Punkt("P", {4, 5, 6});
    const int slot = GeradeNeuAnlegen(liste, PP("Q", T("1", "2", "3"), "P", T("4", "5", "6")));
    ASSERT_EQ(slot, 2);
    ASSERT_EQ(liste.Anzahl(), 3);
    const auto& g = Als<TGerade>(*liste[2]);
    const auto& q = Als<TfrPunkt>(*liste[3]);
    EXPECT_EQ(q.Name, "Q");
    EXPECT_EQ(q.Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(q.Koordinaten, (TTripel{1, 2, 3}));
    EXPECT_EQ(g.Festlegung, TGerade::GPP);
    EXPECT_EQ(g.Bezuege[0], &q);
    EXPECT_EQ(g.Bezuege[1], &p);
    EXPECT_EQ(p.Koordinaten, (TTripel{4, 5, 6}));

    const int zweite = GeradeNeuAnlegen(liste, PV("R", T("0", "0", "1"), "u", T("1/3", "0", "0")));
    ASSERT_EQ(zweite, 4);
    EXPECT_EQ(liste[5]->Name, "R");
    EXPECT_EQ(liste[6]->Name, "u");
    EXPECT_EQ(liste[6]->Festlegung, TVektor::V);
    EXPECT_EQ(Als<TVektor>(*liste[6]).Komponenten.x, 1.0L / 3);
    EXPECT_EQ(liste[4]->Bezuege[1], liste[6]);
}

TEST_P(GeradenEingabe, UnchangedDirectionIsKeptExactly) {
    auto* g = liste.Neu<TGerade>();
    g->Name = "g1";
    g->Punkt = {0.123456789L, 0, 0};
    g->Richtung = {2, 4, 6};
    TGeradenEingabe e = PAR(FeldTexte(g->Punkt), FeldTexte(VereinfachterVektor(g->Richtung)));
    e.Neu = false;
    e.AlterName = "g1";
    e.ParPunktAngezeigt = e.ParPunkt;
    e.ParRichtungAngezeigt = e.ParRichtung;
    e.GehaltenerPunkt = g->Punkt;
    e.GehalteneRichtung = g->Richtung;
    EXPECT_EQ(e.ParRichtung, T("1", "2", "3"));
    GeradeAusDialog(liste, 1, e);
    EXPECT_EQ(g->Richtung, (TTripel{2, 4, 6}));
    EXPECT_EQ(g->Punkt.x, 0.123456789L);
    e.ParRichtung = T("1", "2", "4");
    GeradeAusDialog(liste, 1, e);
    EXPECT_EQ(g->Richtung, (TTripel{1, 2, 4}));
}

TEST_P(GeradenEingabe, DirectionOfTheViewIsSimplified) {
    EXPECT_EQ(
        ParameterformRichtung(PP("A", T("1", "1", "1"), "B", T("3", "5", "7")), WegPunktPunkt),
        (TTripel{1, 2, 3}));
    EXPECT_EQ(
        ParameterformRichtung(PV("A", T("0", "0", "0"), "v", T("-2", "-4", "-6")), WegPunktVektor),
        (TTripel{1, 2, 3}));
}

TEST_P(GeradenEingabe, NoRoomForTheLineAndItsPoints) {
    for (int i = 1; i < TListe::Kapazitaet - 1; ++i)
        Punkt(("P" + std::to_string(i)).c_str(), {static_cast<Real>(i), 0, 0});
    const TGeradenEingabe e = PP("Q", T("1", "2", "3"), "R", T("4", "5", "6"));
    EXPECT_EQ(GeradenChecks(liste, e, WegPunktPunkt), ListeVollMeldung);
    EXPECT_EQ(GeradeNeuAnlegen(liste, e), 0);
    EXPECT_EQ(liste.Anzahl(), TListe::Kapazitaet - 2);
    EXPECT_EQ(
        GeradenChecks(liste, PP("P1", T("1", "0", "0"), "R", T("4", "5", "6")), WegPunktPunkt), "");
}

TEST_P(GeradenEingabe, APointBuiltOnTheLineCannotDefineIt) {
    TfrPunkt& a = Punkt("A", {0, 0, 0});
    TfrPunkt& b = Punkt("B", {1, 0, 0});
    auto* g = liste.Neu<TGerade>();
    g->Name = "g";
    g->Festlegung = TGerade::GPP;
    g->Bezuege = {&a, &b, nullptr};
    TfrPunkt& s = Punkt("S", {0, 0, 0});
    s.Entstehung.Art = TEntstehungsart::LotPG;
    s.Entstehung.Elemente[1].Element = g;
    EXPECT_EQ(NamenDerArt(liste, PunktArten, g), (std::vector<std::string>{"A", "B"}));
    TGeradenEingabe e = PP("S", T("0", "0", "0"), "B", T("1", "0", "0"));
    e.Neu = false;
    e.Name = e.AlterName = "g";
    e.Selbst = g;
    EXPECT_EQ(GeradenChecks(liste, e, WegPunktPunkt),
              "Das Objekt S ist aus der Geraden entstanden\r\nund kann sie nicht festlegen!");
}

INSTANTIATE_TEST_SUITE_P(Trenner, GeradenEingabe, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace
