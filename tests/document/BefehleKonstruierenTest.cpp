#include "BefehleTest.h"

#include "geometry/Auswertung.h"

using namespace kalvorin;
using kalvorin::test::Nah;
using kalvorin::test::Parallel;
using kalvorin::test::TBefehlsDokument;

namespace {

class Konstruieren : public ::testing::Test, public TBefehlsDokument {};

TEST_F(Konstruieren, TwoLinesMeetInAPoint) {
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 1, 0}, {0, 1, 0});
    Markieren({"g", "h"});
    ASSERT_TRUE(Schneiden(D));
    EXPECT_TRUE(Protokoll.Eintraege.empty());
    ASSERT_EQ(L.Anzahl(), 3);
    const TDreiDBasisElement& s = *Letztes();
    EXPECT_EQ(s.Art, TElementart::DfrPunkt);
    EXPECT_EQ(s.Name, "P1");
    EXPECT_EQ(s.Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(s.Entstehung.Art, TEntstehungsart::Schnitt);
    EXPECT_EQ(s.Entstehung.Elemente[0].Element, (*this)["g"]);
    EXPECT_EQ(s.Entstehung.Elemente[1].Element, (*this)["h"]);
    EXPECT_TRUE(Nah(Als<TfrPunkt>(s).Koordinaten, {0, 0, 0}));
    EXPECT_TRUE(D.Geaendert());
    EXPECT_TRUE(s.Szenenobjekte.any()) << "the rebuild has drawn it";
}

TEST_F(Konstruieren, TwoPlanesMeetInALine) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    EPAR("F", {0, 0, 0}, {0, 1, 0}, {0, 0, 1});
    Markieren({"E", "F"});
    ASSERT_TRUE(Schneiden(D));
    const TDreiDBasisElement& s = *Letztes();
    EXPECT_EQ(s.Art, TElementart::DGerade);
    EXPECT_EQ(s.Name, "g1");
    EXPECT_EQ(s.Entstehung.Art, TEntstehungsart::Schnitt);
    EXPECT_TRUE(Parallel(Als<TGerade>(s).Richtung, {0, 1, 0}));
}

// A line lying in a plane is named first, whichever of the two comes first.
TEST_F(Konstruieren, LineInPlaneNamesTheLineFirstInEitherOrder) {
    for (bool ebeneZuerst : {false, true}) {
        TBefehlsDokument d;
        if (ebeneZuerst) d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
        d.G("g", {1, 1, 0}, {1, 2, 0});
        if (!ebeneZuerst) d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
        d.Markieren({"g", "E"});
        EXPECT_FALSE(Schneiden(d.D));
        EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Information), "Das Objekt g liegt in E!");
        EXPECT_EQ(d.L.Anzahl(), 2);
        EXPECT_FALSE(d.D.Geaendert());
    }
}

struct TSchnittMeldung {
    const char* Name;
    TTripel A1, D1, A2, D2;
    TMeldungsart Art;
    const char* Text;
};

class SchnittMeldungen : public Konstruieren,
                         public ::testing::WithParamInterface<TSchnittMeldung> {};

TEST_P(SchnittMeldungen, ReportAndAddNothing) {
    const auto& f = GetParam();
    G("g", f.A1, f.D1);
    G("h", f.A2, f.D2);
    Markieren({"g", "h"});
    EXPECT_FALSE(Schneiden(D));
    EXPECT_EQ(EinzigeMeldung(f.Art), f.Text);
    EXPECT_EQ(L.Anzahl(), 2);
}

INSTANTIATE_TEST_SUITE_P(Befehle, SchnittMeldungen,
                         ::testing::Values(TSchnittMeldung{"Windschief",
                                                           {0, 0, 0},
                                                           {1, 0, 0},
                                                           {0, 1, 1},
                                                           {0, 1, 0},
                                                           TMeldungsart::Information,
                                                           "Die Geraden g und h sind windschief!"},
                                           TSchnittMeldung{"Parallel",
                                                           {0, 0, 0},
                                                           {1, 0, 0},
                                                           {0, 1, 0},
                                                           {2, 0, 0},
                                                           TMeldungsart::Information,
                                                           "Die Geraden g und h sind parallel!"},
                                           TSchnittMeldung{
                                               "Identisch",
                                               {0, 0, 0},
                                               {1, 0, 0},
                                               {3, 0, 0},
                                               {-2, 0, 0},
                                               TMeldungsart::Information,
                                               "Die Objekte g und h\r\nsind identisch!"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Konstruieren, ElementThatCannotBeEvaluatedIsAWarning) {
    P("A", {1, 0, 0});
    G("g", {0, 0, 0}, {0, 0, 1});
    GPP("h", (*this)["A"], (*this)["A"]);
    D.Neuaufbau(); // the broken line is reported once, before the command
    Markieren({"g", "h"});
    EXPECT_FALSE(Schneiden(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), "Das Objekt h ist nicht darstellbar!");
}

TEST_F(Konstruieren, PointBesideALineHasNoIntersection) {
    P("P", {0, 1, 0});
    G("g", {0, 0, 0}, {1, 0, 0});
    Markieren({"P", "g"});
    EXPECT_FALSE(Schneiden(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Information),
              "Die Elemente P und g besitzen\r\nkeinen Schnitt!");
}

TEST_F(Konstruieren, NotOfferedCommandsDoNothing) {
    P("P", {0, 1, 0});
    V("a", {1, 0, 0});
    G("g", {0, 0, 0}, {1, 0, 0});
    Markieren({"a", "g"});
    for (auto* befehl : {Schneiden, Loteerzeugen, Mittebilden, VSumme, VGegen, MVProdukt})
        EXPECT_FALSE(befehl(D));
    EXPECT_EQ(L.Anzahl(), 3);
    EXPECT_TRUE(Protokoll.Eintraege.empty());
    EXPECT_FALSE(D.Geaendert());
}

TEST_F(Konstruieren, PerpendicularFromAPointToALine) {
    P("P", {1, 1, 0});
    G("x", {0, 0, 0}, {1, 0, 0});
    Markieren({"x", "P"});
    ASSERT_TRUE(Loteerzeugen(D));
    const TDreiDBasisElement& l = *Letztes();
    EXPECT_EQ(l.Art, TElementart::DGerade);
    EXPECT_EQ(l.Name, "g1");
    EXPECT_EQ(l.Entstehung.Art, TEntstehungsart::LotPG);
    EXPECT_EQ(l.Entstehung.Elemente[0].Element, (*this)["P"]);
    EXPECT_EQ(l.Entstehung.Elemente[1].Element, (*this)["x"]);
    EXPECT_TRUE(Nah(Als<TGerade>(l).Punkt, {1, 1, 0}));
    EXPECT_TRUE(Parallel(Als<TGerade>(l).Richtung, {0, 1, 0}));
}

TEST_F(Konstruieren, PerpendicularFromAPointToAPlaneAndBetweenTwoLines) {
    P("P", {1, 2, 3});
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 0, 4}, {0, 1, 0});
    Markieren({"P", "E"});
    ASSERT_TRUE(Loteerzeugen(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::LotPE);
    EXPECT_TRUE(Parallel(Als<TGerade>(*Letztes()).Richtung, {0, 0, 1}));
    Markieren({"g", "h"});
    ASSERT_TRUE(Loteerzeugen(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::LotGG);
    EXPECT_EQ(Letztes()->Name, "g2");
    EXPECT_TRUE(Parallel(Als<TGerade>(*Letztes()).Richtung, {0, 0, 1}));
}

TEST_F(Konstruieren, PerpendicularRefusalsAreInformation) {
    P("P", {2, 0, 0});
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 1, 0}, {-3, 0, 0});
    Markieren({"P", "g"});
    EXPECT_FALSE(Loteerzeugen(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Information), "Der Punkt P liegt auf der Geraden g!");
    Markieren({"g", "h"});
    EXPECT_FALSE(Loteerzeugen(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Information), "Die Geraden g und h sind parallel!");
    EXPECT_EQ(L.Anzahl(), 3);
}

TEST_F(Konstruieren, OtherConstructionErrorsAreSilent) {
    P("P", {2, 0, 0});
    auto* g = GPP("g", (*this)["P"], (*this)["P"]); // cannot be evaluated
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    D.Neuaufbau();
    ASSERT_FALSE(g->sichtbar);
    Markieren({"P", "g"});
    EXPECT_FALSE(Loteerzeugen(D));
    EXPECT_TRUE(Protokoll.Eintraege.empty());
    EXPECT_EQ(L.Anzahl(), 3);
}

TEST_F(Konstruieren, MidpointCentroidMidlineMidplane) {
    P("A", {0, 0, 0});
    P("B", {2, 0, 0});
    P("C", {1, 3, 0});
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 0, 0}, {-1, 1, 0});
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    EPAR("F", {0, 0, 2}, {1, 0, 0}, {0, 1, 0});

    Markieren({"A", "B"});
    ASSERT_TRUE(Mittebilden(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::Mittelpunkt);
    EXPECT_TRUE(Nah(Als<TfrPunkt>(*Letztes()).Koordinaten, {1, 0, 0}));
    EXPECT_EQ(Letztes()->Name, "P1");

    Markieren({"A", "B", "C"});
    ASSERT_TRUE(Mittebilden(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::Schwerpunkt);
    EXPECT_EQ(Letztes()->Entstehung.Elemente[2].Element, (*this)["C"]);
    EXPECT_TRUE(Nah(Als<TfrPunkt>(*Letztes()).Koordinaten, {1, 1, 0}));

    Markieren({"g", "h"});
    ASSERT_TRUE(Mittebilden(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::Mittelgerade);
    // (-1, 1, 0) is turned round before the normalised directions are added.
    const Real w = 1 / std::sqrt(2.0L);
    EXPECT_TRUE(Parallel(Als<TGerade>(*Letztes()).Richtung, {1 + w, -w, 0}));

    Markieren({"E", "F"});
    ASSERT_TRUE(Mittebilden(D));
    const auto& m = Als<TEbene>(*Letztes());
    EXPECT_EQ(m.Entstehung.Art, TEntstehungsart::MittelEbene);
    EXPECT_EQ(m.Name, "E1");
    EXPECT_TRUE(Nah(m.Punkt, {0, 0, 1}));
    EXPECT_TRUE(Parallel(Kreuzprodukt(m.Richtung1, m.Richtung2), {0, 0, 1}));
}

TEST_F(Konstruieren, PointAndTwoVectorsGiveSumVectorAndArrow) {
    P("P", {1, 1, 1});
    V("a", {1, 0, 0});
    V("b", {0, 2, 0});
    Markieren({"b", "P", "a"});
    ASSERT_TRUE(VSumme(D));
    ASSERT_EQ(L.Anzahl(), 5);
    const TDreiDBasisElement& v = *L[4];
    const TDreiDBasisElement& pf = *L[5];
    EXPECT_EQ(v.Name, "V1");
    EXPECT_EQ(v.Entstehung.Art, TEntstehungsart::Add2);
    EXPECT_EQ(v.Entstehung.Elemente[0].Element, (*this)["a"]);
    EXPECT_EQ(v.Entstehung.Elemente[1].Element, (*this)["b"]);
    EXPECT_EQ(Als<TVektor>(v).Komponenten, (TTripel{1, 2, 0}));
    EXPECT_EQ(pf.Art, TElementart::DPfeil);
    EXPECT_EQ(pf.Name, "Pf1");
    EXPECT_EQ(pf.Festlegung, TPfeil::PfPV);
    EXPECT_EQ(pf.Bezuege[0], (*this)["P"]);
    EXPECT_EQ(pf.Bezuege[1], &v);
    EXPECT_TRUE(pf.Szenenobjekte.any());
}

TEST_F(Konstruieren, VectorOperationsWithArrowsStandingForTheirVectors) {
    P("P", {0, 0, 0});
    P("Q", {0, 0, 3});
    V("a", {1, 0, 0});
    V("b", {0, 1, 0});
    PfPP("Pf", (*this)["P"], (*this)["Q"], "w");
    Markieren({"a", "b", "Pf"});
    ASSERT_TRUE(VSumme(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::Add3);
    EXPECT_EQ(Letztes()->Entstehung.Elemente[2].Element, (*this)["w"]);
    EXPECT_EQ(Als<TVektor>(*Letztes()).Komponenten, (TTripel{1, 1, 3}));

    Markieren({"a", "b"});
    ASSERT_TRUE(MVProdukt(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::VProdukt);
    EXPECT_EQ(Als<TVektor>(*Letztes()).Komponenten, (TTripel{0, 0, 1}));

    Markieren({"Pf"});
    ASSERT_TRUE(VGegen(D));
    EXPECT_EQ(Letztes()->Entstehung.Art, TEntstehungsart::Gegenvektor);
    EXPECT_EQ(Letztes()->Entstehung.Elemente[0].Element, (*this)["w"]);
    EXPECT_EQ(Als<TVektor>(*Letztes()).Komponenten, (TTripel{0, 0, -3}));
    EXPECT_EQ(Letztes()->Name, "V3");
}

TEST_F(Konstruieren, SumWithArrowNeedsRoomForBoth) {
    P("P", {0, 0, 0});
    V("a", {1, 0, 0});
    V("b", {0, 1, 0});
    Auffuellen(TListe::Kapazitaet - 1);
    Markieren({"P", "a", "b"});
    EXPECT_FALSE(VSumme(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), ListeVollMeldung);
    EXPECT_EQ(L.Anzahl(), TListe::Kapazitaet - 1);
}

} // namespace
