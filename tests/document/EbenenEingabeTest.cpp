#include "eingabe/EbenenEingabe.h"
#include "Testnamen.h"

#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "geometry/Auswertung.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;
using test::MitTrenner;

namespace {

TFeldTexte T(std::string x, std::string y, std::string z) {
    return {MitTrenner(x), MitTrenner(y), MitTrenner(z)};
}
TTeilEingabe Teil(const char* name, TFeldTexte werte = {}) {
    return {name, werte, false};
}

// Runs every case with both decimal separators.
class EbenenEingabe : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }

    // A new-plane input of one way, complete as the bookkeeping would say.
    TEbenenEingabe Weg(int weg) {
        TEbenenEingabe e;
        e.Name = "E1";
        e.Weg = e.Festlegung = weg;
        e.Vollstaendig = true;
        return e;
    }
    TEbenenEingabe DreiPunkte(TFeldTexte p1, TFeldTexte p2, TFeldTexte p3) {
        TEbenenEingabe e = Weg(TEbene::EPPP);
        e.PPP = {Teil("A", p1), Teil("B", p2), Teil("C", p3)};
        return e;
    }
    TEbenenEingabe Parameterform(TFeldTexte p, TFeldTexte u, TFeldTexte v) {
        TEbenenEingabe e = Weg(TEbene::EPAR);
        e.ParPunkt = p;
        e.ParRichtung1 = u;
        e.ParRichtung2 = v;
        return e;
    }
    std::string Checks(const TEbenenEingabe& e) { return EbenenChecks(liste, e, e.Festlegung); }

    test::TEinstellungenSichern sichern;
    TListe liste;
    test::TElementBauer bau{liste};
};

TEST_P(EbenenEingabe, ThreePointsGiveTheSimplifiedNormalForm) {
    TEbenenEingabe e = DreiPunkte(T("0", "0", "0"), T("1", "0", "0"), T("0", "1", "0"));
    ASSERT_EQ(Checks(e), "");
    const TNormalenform nf = EbenenNormalenform(liste, e, TEbene::EPPP);
    EXPECT_EQ(nf.n, (TTripel{0, 0, -1}));
    EXPECT_EQ(nf.d, 0);
    // All four numerators are 0 or negative: the sign turns.
    ASSERT_EQ(EbeneNormalenformGewaehlt(e, liste), "");
    EXPECT_EQ(e.Normalenform, (std::array<std::string, 4>{"0", "0", "1", "0"}));
    EXPECT_EQ(e.Weg, TEbene::ENOR);
    EXPECT_EQ(e.Festlegung, TEbene::EPPP);
    EXPECT_TRUE(e.NormalenformFest);
    EXPECT_TRUE(e.Aktiv[TEbene::ENOR]);
    EXPECT_TRUE(e.Aktiv[TEbene::EPPP]);
    EXPECT_FALSE(e.Aktiv[TEbene::EPAR]);
}

TEST_P(EbenenEingabe, FourNumbersAreReducedTogetherAndAIsNotNegative) {
    EXPECT_EQ(VereinfachteNormalenform({-2, -4, 6}, 8), (std::array<Real, 4>{1, 2, -3, -4}));
    EXPECT_EQ(VereinfachteNormalenform({0.5L, 1, 0}, -1.5L), (std::array<Real, 4>{1, 2, 0, -3}));
    // The vector form would turn (-1, 1, 1) by the majority of signs; the
    // normal form keeps it, a being positive after the common factor.
    EXPECT_EQ(VereinfachteNormalenform({3, -3, -3}, 0), (std::array<Real, 4>{1, -1, -1, 0}));
}

TEST_P(EbenenEingabe, CollinearPointsAlsoAfterRoundingTheDifferences) {
    EXPECT_EQ(Checks(DreiPunkte(T("0", "0", "0"), T("1", "1", "0"), T("2", "2", "0"))),
              "Die drei Punkte liegen auf einer Geraden!");
    // 2,001 - 0 is written as 2 with two digits: the points count as on one line.
    const TEbenenEingabe fast =
        DreiPunkte(T("0", "0", "0"), T("1", "1", "0"), T("2", "2,001", "0"));
    EXPECT_EQ(Checks(fast), "Die drei Punkte liegen auf einer Geraden!");
    Einstellungen().StandardStellen = 6;
    EXPECT_EQ(Checks(fast), "");
}

TEST_P(EbenenEingabe, ChecksOfThreePointsInTheirOrder) {
    EXPECT_EQ(Checks(DreiPunkte(T("1", "2", "3"), T("1", "2", "3"), T("0", "1", "0"))),
              "Zwei Punkte sind gleich!");
    // A failed read wins over the tests before it; the third read over the first.
    EXPECT_EQ(Checks(DreiPunkte(T("x", "0", "0"), T("1", "0", "0"), T("0", "1", "0"))),
              "Koordinaten des 1. Punktes nicht richtig festgelegt!");
    EXPECT_EQ(Checks(DreiPunkte(T("x", "0", "0"), T("1", "0", "0"), T("0", "300", "0"))),
              "Koordinaten des 3. Punktes nicht richtig festgelegt!");
    TEbenenEingabe gleich = DreiPunkte(T("x", "0", "0"), T("1", "0", "0"), T("0", "1", "0"));
    gleich.PPP[2].Name = "A";
    EXPECT_EQ(Checks(gleich), "Zwei Punkte besitzen den gleichen Namen!");
    // A name borne by an element of another kind.
    bau.G("g", {0, 0, 0}, {1, 0, 0});
    TEbenenEingabe fremd = DreiPunkte(T("0", "0", "0"), T("1", "0", "0"), T("0", "1", "0"));
    fremd.PPP[1].Name = "g";
    EXPECT_EQ(Checks(fremd), "Name des 2. Punktes bereits vergeben!");
    fremd.PPP[1].Name = "E1";
    EXPECT_EQ(Checks(fremd), "Name des 2. Punktes bereits vergeben!");
}

TEST_P(EbenenEingabe, ParameterFormWithDependentAndZeroDirections) {
    EXPECT_EQ(Checks(Parameterform(T("0", "0", "0"), T("1", "0", "0"), T("2", "0", "0"))),
              "Die Richtungsvektoren sind linear abhängig!");
    EXPECT_EQ(Checks(Parameterform(T("0", "0", "0"), T("0", "0", "0"), T("2", "0", "0"))),
              "Ein Richtungsvektor ist der Nullvektor!");
    EXPECT_EQ(Checks(Parameterform(T("0", "y", "0"), T("1", "0", "0"), T("0", "1", "0"))),
              "Koordinaten des Punktes nicht richtig festgelegt!");
    EXPECT_EQ(Checks(Parameterform(T("0", "0", "0"), T("1", "0", "0"), T("0", "1/0", "0"))),
              "Koordinaten des 2. Vektors nicht richtig festgelegt!");
    const TEbenenEingabe gut = Parameterform(T("0", "0", "5"), T("1", "0", "0"), T("0", "1", "0"));
    EXPECT_EQ(Checks(gut), "");
    // n = v x u.
    EXPECT_EQ(EbenenNormalenform(liste, gut, TEbene::EPAR).n, (TTripel{0, 0, -1}));
    EXPECT_EQ(EbenenNormalenform(liste, gut, TEbene::EPAR).d, 5);
}

TEST_P(EbenenEingabe, PointAndTwoVectorsWithAnUnreadableSecondVector) {
    TEbenenEingabe e = Weg(TEbene::EPVV);
    e.PVVPunkt = Teil("P", T("1", "2", "3"));
    e.PVVVektor1 = Teil("u", T("1", "0", "0"));
    e.PVVVektor2 = Teil("v", T("0", "a", "0"));
    EXPECT_EQ(Checks(e), "Koordinaten des 2. Vektors nicht richtig festgelegt!");
    e.PVVVektor2 = Teil("u", T("0", "1", "0"));
    EXPECT_EQ(Checks(e), "Die beiden Vektoren besitzen den gleichen Namen!");
    e.PVVVektor2 = Teil("P", T("0", "1", "0"));
    EXPECT_EQ(Checks(e), "Punkte und Vektor besitzen den gleichen Namen!");
}

TEST_P(EbenenEingabe, NewPartsStandBehindThePlaneInTheirOrder) {
    TVektor* u = bau.V("u", {1, 0, 0});
    TEbenenEingabe e = Weg(TEbene::EPVV);
    e.PVVPunkt = Teil("Q", T("1", "2", "3"));
    e.PVVVektor1 = Teil("u", T("1", "0", "0"));
    e.PVVVektor2 = Teil("w", T("0", "1/3", "0"));
    ASSERT_EQ(Checks(e), "");
    const int slot = EbeneNeuAnlegen(liste, e);
    ASSERT_EQ(slot, 2);
    ASSERT_EQ(liste.Anzahl(), 4);
    const auto& p = Als<TEbene>(*liste[2]);
    EXPECT_EQ(p.Name, "E1");
    EXPECT_EQ(p.Festlegung, TEbene::EPVV);
    EXPECT_EQ(liste[3]->Name, "Q");
    EXPECT_EQ(liste[3]->Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(Als<TfrPunkt>(*liste[3]).Koordinaten, (TTripel{1, 2, 3}));
    EXPECT_EQ(liste[4]->Name, "w");
    EXPECT_EQ(liste[4]->Festlegung, TVektor::V);
    EXPECT_EQ(liste[4]->Farbe, Schwarz);
    EXPECT_EQ(Als<TVektor>(*liste[4]).Komponenten.y, 1.0L / 3);
    EXPECT_EQ(p.Bezuege, (decltype(p.Bezuege){liste[3], u, liste[4]}));
}

TEST_P(EbenenEingabe, AnExistingNormalVectorIsReferencedAndUnchanged) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {0, 0, 4});
    TVektor* n = bau.V2P("n", a, b);
    n->Farbe = RGB(200, 0, 0);
    TEbenenEingabe e = Weg(TEbene::EPV);
    e.EPVPunkt = Teil("P", T("1", "1", "1"));
    e.EPVVektor = Teil("n");
    TeilGewaehlt(e.EPVVektor, liste, VektorArten);
    EXPECT_TRUE(e.EPVVektor.Fest);
    EXPECT_EQ(e.EPVVektor.Werte, T("0", "0", "4"));
    ASSERT_EQ(Checks(e), "");
    EXPECT_EQ(EbenenNormalenform(liste, e, TEbene::EPV).d, -4);
    const int slot = EbeneNeuAnlegen(liste, e);
    ASSERT_EQ(liste.Anzahl(), 5);
    EXPECT_EQ(liste[slot]->Bezuege[1], n);
    EXPECT_EQ(liste[slot]->Bezuege[0], liste[5]);
    EXPECT_EQ(n->Festlegung, TVektor::V2P);
    EXPECT_EQ(n->Farbe, RGB(200, 0, 0));
    EXPECT_EQ(n->Bezuege[1], b);
    // Point and normal vector may not share a new name.
    e.EPVVektor = Teil("P", T("0", "0", "1"));
    EXPECT_EQ(Checks(e), "Punkt und Normalvektor besitzen den gleichen Namen!");
}

TEST_P(EbenenEingabe, TwoLines) {
    TGerade* g = bau.G("g", {0, 0, 0}, {1, 0, 0});
    bau.G("h", {0, 1, 0}, {2, 0, 0});
    bau.G("k", {0, 1, 1}, {0, 0, 1});
    TEbenenEingabe e = Weg(TEbene::EGG);
    e.GG1 = "g";
    e.GG2 = "h";
    // Parallel and distinct: accepted, spanned by the step from one to the other.
    ASSERT_EQ(Checks(e), "");
    const TNormalenform nf = EbenenNormalenform(liste, e, TEbene::EGG);
    EXPECT_EQ(nf.n, Kreuzprodukt(TTripel{0, -1, 0}, TTripel{2, 0, 0}));
    EXPECT_EQ(nf.d, 0);
    // Three numerators of (0, 0, 2, 0) are not positive: the sign turns,
    // and a = 0 leaves it so.
    ASSERT_EQ(EbeneNormalenformGewaehlt(e, liste), "");
    EXPECT_EQ(e.Normalenform, (std::array<std::string, 4>{"0", "0", "-1", "0"}));
    const int slot = EbeneNeuAnlegen(liste, e);
    EXPECT_EQ(liste[slot]->Bezuege[0], g);

    e.GG2 = "g";
    EXPECT_EQ(Checks(e), "Die beiden Geraden sind identisch!");
    e.GG2 = "k";
    EXPECT_EQ(Checks(e), "Die beiden Geraden sind windschief!");
}

TEST_P(EbenenEingabe, LineAndPointLineAndVector) {
    bau.G("g", {0, 0, 0}, {1, 0, 0});
    TEbenenEingabe e = Weg(TEbene::EPG);
    e.PGGerade = "g";
    e.PGPunkt = Teil("P", T("5", "0", "0"));
    EXPECT_EQ(Checks(e), "Der Punkt liegt auf der Geraden!");
    e.PGPunkt.Werte = T("5", "x", "0");
    EXPECT_EQ(Checks(e), "Koordinaten des Punktes nicht richtig festgelegt!");
    e.PGPunkt.Werte = T("5", "1", "0");
    EXPECT_EQ(Checks(e), "");
    e.PGPunkt.Name = "g";
    EXPECT_EQ(Checks(e), "Name des Punktes bereits vergeben!");

    TEbenenEingabe v = Weg(TEbene::EGV);
    v.GVGerade = "g";
    v.GVVektor = Teil("w", T("2", "0", "0"));
    EXPECT_EQ(Checks(v), "Die Richtungsvektoren sind linear abhängig!");
    v.GVVektor.Werte = T("0", "0", "0");
    EXPECT_EQ(Checks(v), "Vektor ist der Nullvektor!");
    // Only without an earlier error.
    v.GVVektor.Werte = T("2", "0", "0");
    v.Name = "g";
    EXPECT_EQ(Checks(v), "Name der Ebenen bereits vergeben!");
}

TEST_P(EbenenEingabe, NormalFormAndItsConstant) {
    TEbenenEingabe e = Weg(TEbene::ENOR);
    e.Normalenform = {"0", "0", "0", "1"};
    EXPECT_EQ(Checks(e), "Normalvektor ist der Nullvektor!");
    e.Normalenform = {"1", "z", "0", "1"};
    EXPECT_EQ(Checks(e), "Komponenten nicht richtig festgelegt!");
    e.Normalenform = {"1", "0", "0", "d"};
    EXPECT_EQ(Checks(e), "Konstante nicht richtig festgelegt!");
    e.Normalenform = {"2", "4", "6", "8"};
    EXPECT_EQ(Checks(e), "");
    // Viewed simplified, stored as typed.
    ASSERT_EQ(EbeneNormalenformGewaehlt(e, liste), "");
    EXPECT_EQ(e.Normalenform, (std::array<std::string, 4>{"1", "2", "3", "4"}));
    EXPECT_FALSE(e.NormalenformFest);
    const int slot = EbeneNeuAnlegen(liste, e);
    EXPECT_EQ(Als<TEbene>(*liste[slot]).Normale, (TTripel{2, 4, 6}));
    EXPECT_EQ(Als<TEbene>(*liste[slot]).d, 8);
}

TEST_P(EbenenEingabe, UnchangedHeldValuesStayExactly) {
    TEbene* p = bau.EPAR("E", {0.123456789L, 0, 0}, {0.5L, 1, 1.5L}, {0, 2, 0});
    TEbenenEingabe e = EbeneEingabeAusElement(liste, 1);
    EXPECT_FALSE(e.Neu);
    EXPECT_EQ(e.ParRichtung1, T("1", "2", "3"));
    EXPECT_EQ(e.ParRichtung2, T("0", "1", "0"));
    EXPECT_FALSE(e.ParameterformFest);
    ASSERT_EQ(EbenePruefen(liste, e).Ergebnis, TPruefergebnis::Gueltig);
    ASSERT_TRUE(EbeneAusDialog(liste, 1, e));
    EXPECT_EQ(p->Punkt.x, 0.123456789L);
    EXPECT_EQ(p->Richtung1, (TTripel{0.5L, 1, 1.5L}));
    EXPECT_EQ(p->Richtung2, (TTripel{0, 2, 0}));
    e.ParRichtung2 = T("0", "1", "1");
    EbeneAusDialog(liste, 1, e);
    EXPECT_EQ(p->Richtung2, (TTripel{0, 1, 1}));

    TEbene* n = bau.ENOR("F", {2, 4, 6}, 8);
    TEbenenEingabe f = EbeneEingabeAusElement(liste, 2);
    EXPECT_EQ(f.Normalenform, (std::array<std::string, 4>{"1", "2", "3", "4"}));
    EXPECT_EQ(f.Weg, TEbene::ENOR);
    EbeneAusDialog(liste, 2, f);
    EXPECT_EQ(n->Normale, (TTripel{2, 4, 6}));
    f.Normalenform[3] = "5";
    EbeneAusDialog(liste, 2, f);
    EXPECT_EQ(n->Normale, (TTripel{1, 2, 3}));
    EXPECT_EQ(n->d, 5);
}

TEST_P(EbenenEingabe, PropertiesModeOfAReferencingPlane) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {1, 0, 0});
    TfrPunkt* c = bau.P("C", {0, 1, 0});
    TEbene* p = bau.E("E", TEbene::EPPP, a, b, c);
    TfrPunkt* s = bau.P("S", {0, 0, 0});
    s->Entstehung.Art = TEntstehungsart::LotPE;
    s->Entstehung.Elemente[1].Element = p;
    TEbenenEingabe e = EbeneEingabeAusElement(liste, 4);
    EXPECT_EQ(e.Weg, TEbene::EPPP);
    EXPECT_EQ(e.PPP[1].Name, "B");
    EXPECT_EQ(e.PPP[1].Werte, T("1", "0", "0"));
    EXPECT_TRUE(e.PPP[1].Fest);
    EXPECT_EQ(e.Aktiv, (std::array<bool, 8>{false, true, true, false, false, false, false, false}));
    // What rests on the plane is not offered and cannot define it.
    EXPECT_EQ(e.Punkte, (std::vector<std::string>{"A", "B", "C"}));
    e.PPP[2].Name = "S";
    EXPECT_EQ(EbenePruefen(liste, e).Meldung,
              "Das Objekt S ist aus der Ebene entstanden\r\nund kann sie nicht festlegen!");
    // A new name in properties mode appends the point now.
    e.PPP[2] = Teil("D", T("0", "0", "1"));
    ASSERT_EQ(EbenePruefen(liste, e).Ergebnis, TPruefergebnis::Gueltig);
    ASSERT_TRUE(EbeneAusDialog(liste, 4, e));
    ASSERT_EQ(liste.Anzahl(), 6);
    EXPECT_EQ(p->Bezuege[2], liste[6]);
    EXPECT_EQ(liste[6]->Name, "D");
    EXPECT_EQ(p->Bezuege[0], a);
}

TEST_P(EbenenEingabe, DerivedPlaneIsShownAsParameterFormAndKeepsItsOrigin) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {2, 0, 0});
    TEbene* m = bau.ENOR("M", {1, 0, 0}, -1);
    m->Entstehung.Art = TEntstehungsart::MittelEbene;
    m->Entstehung.Elemente[0].Element = a;
    m->Entstehung.Elemente[1].Element = b;
    TEbenenEingabe e = EbeneEingabeAusElement(liste, 3);
    EXPECT_TRUE(e.Abgeleitet);
    EXPECT_EQ(e.Weg, TEbene::EPAR);
    EXPECT_TRUE(e.ParameterformFest);
    EXPECT_FALSE(e.Entstehung.empty());
    EXPECT_EQ(e.ParPunkt[0], "1");
    ASSERT_EQ(EbeneNormalenformGewaehlt(e, liste), "");
    EXPECT_EQ(e.Normalenform, (std::array<std::string, 4>{"1", "0", "0", "-1"}));
    e.Name = "Mitte";
    ASSERT_EQ(EbenePruefen(liste, e).Ergebnis, TPruefergebnis::Gueltig);
    EbeneAusDialog(liste, 3, e);
    EXPECT_EQ(m->Name, "Mitte");
    EXPECT_EQ(m->Festlegung, TEbene::ENOR);
    EXPECT_EQ(m->Entstehung.Art, TEntstehungsart::MittelEbene);
}

TEST_P(EbenenEingabe, EmptyWayClosesSilentlyPartlyFilledIsIncomplete) {
    TEbenenEingabe e;
    e.Name = "E1";
    e.Weg = TEbene::EPVV;
    EXPECT_EQ(EbenePruefen(liste, e).Ergebnis, TPruefergebnis::StillSchliessen);
    e.PVVVektor1.Werte[0] = "1";
    e.WegGeaendert(TEbene::EPVV);
    const TEingabePruefung r = EbenePruefen(liste, e);
    EXPECT_EQ(r.Ergebnis, TPruefergebnis::Unvollstaendig);
    EXPECT_EQ(r.Meldung, "Eingabefenster nicht vollständig ausgefüllt!");
}

TEST_P(EbenenEingabe, FullListAddsNothing) {
    for (int i = 1; i <= TListe::Kapazitaet - 3; ++i)
        bau.P("P" + std::to_string(i), {static_cast<Real>(i), 0, 0});
    TEbenenEingabe e = Weg(TEbene::EPVV);
    e.PVVPunkt = Teil("Q", T("1", "2", "3"));
    e.PVVVektor1 = Teil("u", T("1", "0", "0"));
    e.PVVVektor2 = Teil("w", T("0", "1", "0"));
    EXPECT_EQ(Checks(e), ListeVollMeldung);
    EXPECT_EQ(EbeneNeuAnlegen(liste, e), 0);
    EXPECT_EQ(liste.Anzahl(), TListe::Kapazitaet - 3);
    // An existing point instead of a new one: the plane and two vectors fit.
    e.PVVPunkt.Name = "P1";
    EXPECT_EQ(Checks(e), "");
}

INSTANTIATE_TEST_SUITE_P(Trenner, EbenenEingabe, ::testing::Values(',', '.'), testnamen::Trenner);

TEST(EbenenZustand, CompletingAWayLeavesItAndTheNormalForm) {
    TEbenenEingabe e;
    e.PPP = {Teil("A", {"0", "0", "0"}), Teil("B", {"1", "0", "0"}), Teil("C", {"0", "1", "0"})};
    e.WegGeaendert(TEbene::EPPP);
    EXPECT_TRUE(e.Vollstaendig);
    EXPECT_EQ(e.Festlegung, TEbene::EPPP);
    EXPECT_EQ(e.Aktiv, (std::array<bool, 8>{false, true, true, false, false, false, false, false}));
    // The normal form completed afterwards does not take over the mode.
    e.Normalenform = {"1", "2", "3", "4"};
    e.WegGeaendert(TEbene::ENOR);
    EXPECT_EQ(e.Festlegung, TEbene::EPPP);
    EXPECT_EQ(e.Aktiv,
              (std::array<bool, 8>{false, true, false, false, false, false, false, false}));
    e.PPP[2].Name = " ";
    e.WegGeaendert(TEbene::EPPP);
    EXPECT_FALSE(e.Vollstaendig);
    EXPECT_EQ(e.Aktiv, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    // Typed from scratch, the normal form is the mode.
    e.WegGeaendert(TEbene::ENOR);
    EXPECT_EQ(e.Festlegung, TEbene::ENOR);

    // In properties mode an incomplete way changes nothing.
    TEbenenEingabe p;
    p.Neu = false;
    p.Vollstaendig = true;
    p.Aktiv = {false, true, true, false, false, false, false, false};
    p.WegGeaendert(TEbene::EPPP);
    EXPECT_TRUE(p.Vollstaendig);
    EXPECT_FALSE(p.Aktiv[TEbene::EPAR]);
}

TEST(EbenenZustand, IncompleteInputSwitchedToTheNormalFormStartsEmpty) {
    TListe liste;
    TEbenenEingabe e = EbeneEingabeNeu(liste);
    e.ParPunkt = {"1", "2", "3"};
    ASSERT_EQ(EbeneNormalenformGewaehlt(e, liste), "");
    EXPECT_EQ(e.Festlegung, TEbene::ENOR);
    EXPECT_EQ(e.Weg, TEbene::ENOR);
    EXPECT_FALSE(e.NormalenformFest);
    EXPECT_EQ(e.Normalenform, (std::array<std::string, 4>{}));
}

TEST(EbenenZustand, RefusedSwitchReturnsToTheWay) {
    TListe liste;
    TEbenenEingabe e = EbeneEingabeNeu(liste);
    e.ParPunkt = {"0", "0", "0"};
    e.ParRichtung1 = {"1", "0", "0"};
    e.ParRichtung2 = {"3", "0", "0"};
    e.WegGeaendert(TEbene::EPAR);
    EXPECT_EQ(EbeneNormalenformGewaehlt(e, liste), "Die Richtungsvektoren sind linear abhängig!");
    EXPECT_EQ(e.Weg, TEbene::EPAR);
}

TEST(EbenenFarben, TheSecondOfTenColoursFirstAndAgainAfterTen) {
    TEbenenFarbfolge folge;
    const TFarbe zweite = RGB(253, 225, 159);
    EXPECT_EQ(folge.Naechste(), zweite);
    for (int i = 2; i <= 10; ++i)
        folge.Naechste();
    EXPECT_EQ(folge.Naechste(), zweite); // the eleventh plane
}

TEST(EbenenFarben, NewPlanesAdvanceTheSharedSequencePropertiesDoNot) {
    test::TEinstellungenSichern sichern;
    Einstellungen().EbenenTransparenz = 3;
    EbenenFarbfolge() = TEbenenFarbfolge{};
    TListe erste, zweite;
    const TEbenenEingabe a = EbeneEingabeNeu(erste);
    EXPECT_EQ(a.Farbe, RGB(253, 225, 159));
    EXPECT_EQ(a.Transparenz, 3);
    EXPECT_EQ(a.Name, "E1");
    // Another document goes on with the same sequence.
    EXPECT_EQ(EbeneEingabeNeu(zweite).Farbe, RGB(248, 252, 160));
    test::TElementBauer(erste).EPAR("E", {}, {1, 0, 0}, {0, 1, 0})->Farbe = RGB(1, 2, 3);
    EXPECT_EQ(EbeneEingabeAusElement(erste, 1).Farbe, RGB(1, 2, 3));
    TEbenenEingabe b = EbeneEingabeNeu(erste);
    EXPECT_EQ(b.Farbe, RGB(200, 251, 162));
    EbeneFuerNaechste(b, erste);
    EXPECT_EQ(b.Farbe, RGB(162, 251, 210));
    EbenenFarbfolge() = TEbenenFarbfolge{};
}

TEST(EbeneUebernehmen, AppliedInTheTransactionOrRefusedWithTheOneMessage) {
    TMeldungsProtokoll protokoll;
    TDokument d;
    TEbenenEingabe e = EbeneEingabeNeu(d.Liste());
    e.Weg = e.Festlegung = TEbene::ENOR;
    e.Vollstaendig = true;
    e.Normalenform = {"0", "0", "1", "-1"};
    e.Duenn = false;
    e.Transparenz = 4;
    const int slot = EbeneUebernehmen(d, e);
    ASSERT_EQ(slot, 1);
    EXPECT_TRUE(d.Geaendert());
    EXPECT_TRUE(d.Liste()[1]->Szenenobjekte.any());
    EXPECT_EQ(d.Liste()[1]->Dicke, Einstellungen().RandDicke);
    EXPECT_EQ(d.Liste()[1]->Transparenz, 4);
    EXPECT_EQ(d.Liste()[1]->Farbe, e.Farbe);
    EXPECT_TRUE(protokoll.Eintraege.empty());

    for (int i = 2; i <= TListe::Kapazitaet; ++i)
        test::TElementBauer(test::Liste(d)).P("P" + std::to_string(i), {});
    e.Name = "E2";
    EXPECT_EQ(EbeneUebernehmen(d, e), 0);
    EXPECT_EQ(d.Liste().Anzahl(), TListe::Kapazitaet);
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text, ListeVollMeldung);
}

} // namespace
