#include "BefehleTest.h"

#include "geometry/Auswertung.h"

using namespace kalvorin;
using kalvorin::test::Nah;
using kalvorin::test::TBefehlsDokument;

namespace {

class Abbilden : public ::testing::Test, public TBefehlsDokument {
protected:
    TTripel Koord(const std::string& name) { return Als<TfrPunkt>(*(*this)[name]).Koordinaten; }
};

TEST_F(Abbilden, ReflectingTwiceInTheOrigin) {
    P("O", {0, 0, 0});
    P("P", {1, 2, 3});
    Markieren({"O"});
    ASSERT_TRUE(Spiegelung(D));
    EXPECT_TRUE((*this)["O"]->Rolle(TRolle::IstSpiegelzentrum));
    EXPECT_TRUE(D.Geaendert());
    const TAngebote a = BerechneAngebote(L);
    EXPECT_TRUE(a[TAbbildungsBefehl::Pspiegeln].sichtbar);
    EXPECT_EQ(a[TAbbildungsBefehl::Pspiegeln].Menue, "P&unktspiegelung an O");

    Markieren({"P"});
    ASSERT_TRUE(Pspiegeln(D));
    ASSERT_NE((*this)["P'"], nullptr);
    EXPECT_TRUE(Nah(Koord("P'"), {-1, -2, -3}));
    EXPECT_FALSE((*this)["P"]->markiert);
    EXPECT_TRUE((*this)["P'"]->markiert);
    EXPECT_EQ((*this)["P'"]->Entstehung.Art, TEntstehungsart::PSpiegelung);
    EXPECT_EQ((*this)["P'"]->Entstehung.Originalelement, (*this)["P"]);
    EXPECT_EQ((*this)["P'"]->Entstehung.Elemente[0].Element, (*this)["O"]);
    EXPECT_EQ(D.Rueckgaengig().Caption(), "Rückgängig: Punktspiegelung");

    ASSERT_TRUE(Pspiegeln(D)); // P' is marked now
    ASSERT_NE((*this)["P''"], nullptr);
    EXPECT_TRUE(Nah(Koord("P''"), {1, 2, 3}));
    EXPECT_EQ(L.Anzahl(), 4);
    EXPECT_TRUE(Protokoll.Eintraege.empty());
}

TEST_F(Abbilden, PointInTheMirrorPlaneGetsNoImage) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    P("A", {1, 1, 0});
    P("B", {1, 1, 2});
    G("g", {0, 0, 1}, {1, 0, 0});
    Markieren({"E"});
    ASSERT_TRUE(Spiegelung(D));
    Markieren({"A", "B", "g"});
    ASSERT_TRUE(Espiegeln(D));
    EXPECT_TRUE(Protokoll.Eintraege.empty()) << "skipped silently";
    EXPECT_EQ((*this)["A'"], nullptr);
    ASSERT_NE((*this)["B'"], nullptr);
    EXPECT_TRUE(Nah(Koord("B'"), {1, 1, -2}));
    ASSERT_NE((*this)["g'"], nullptr);
    EXPECT_TRUE(Nah(Als<TGerade>(*(*this)["g'"]).Punkt, {0, 0, -1}));
    EXPECT_EQ(L.Anzahl(), 6);
    EXPECT_FALSE((*this)["A"]->markiert) << "every original loses its mark";
}

TEST_F(Abbilden, OrthogonalProjectionOfAPerpendicularLineIsAPoint) {
    EPAR("E", {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    G("g", {2, 3, 5}, {0, 0, 4});
    Markieren({"E"});
    ASSERT_TRUE(Projektion(D));
    EXPECT_TRUE((*this)["E"]->Rolle(TRolle::IstO_Projektionsebene));
    Markieren({"g"});
    ASSERT_TRUE(Oprojezieren(D));
    const TDreiDBasisElement& b = *Letztes();
    EXPECT_EQ(b.Art, TElementart::DfrPunkt);
    EXPECT_EQ(b.Name, "g'");
    EXPECT_EQ(b.Entstehung.Art, TEntstehungsart::O_Projektion);
    EXPECT_TRUE(Nah(Als<TfrPunkt>(b).Koordinaten, {2, 3, 1}));
}

TEST_F(Abbilden, ParallelProjectionAlongAVectorParallelToThePlaneIsRefused) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    V("w", {1, 1, 0});
    Markieren({"E", "w"});
    EXPECT_FALSE(Projektion(D));
    EXPECT_EQ(
        EinzigeMeldung(TMeldungsart::Warnung),
        "Der Vektor w ist parallel zur Ebene, die\r\nAbbildung kann nicht festgelegt werden!");
    EXPECT_FALSE((*this)["E"]->Rolle(TRolle::IstP_Projektionsebene));
    EXPECT_FALSE((*this)["w"]->Rolle(TRolle::IstP_ProjektionsVektor));
    EXPECT_FALSE(BerechneAngebote(L)[TAbbildungsBefehl::Pprojezieren].sichtbar);
    EXPECT_FALSE(Pprojezieren(D));
    EXPECT_FALSE(D.Geaendert());
}

TEST_F(Abbilden, ParallelProjectionWithAnArrowTakesItsVector) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    P("A", {0, 0, 0});
    P("B", {1, 0, 1});
    PfPP("Pf", (*this)["A"], (*this)["B"], "w");
    P("Q", {3, 3, 2});
    V("n", {0, 0, 0});
    Markieren({"E", "Pf"});
    ASSERT_TRUE(Projektion(D));
    EXPECT_TRUE(Protokoll.Eintraege.empty());
    EXPECT_TRUE((*this)["E"]->Rolle(TRolle::IstP_Projektionsebene));
    EXPECT_TRUE((*this)["w"]->Rolle(TRolle::IstP_ProjektionsVektor));
    EXPECT_EQ((*this)["E"]->Projektionsvektor, (*this)["w"]);
    Markieren({"Q"});
    ASSERT_TRUE(Pprojezieren(D));
    EXPECT_TRUE(Nah(Koord("Q'"), {1, 3, 0}));
    EXPECT_EQ((*this)["Q'"]->Entstehung.Elemente[1].Element, (*this)["w"]);

    // A zero vector cannot define it; the projection defined before is gone.
    Markieren({"E", "n"});
    EXPECT_FALSE(Projektion(D) && false);
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung),
              "Der Vektor n ist der Nullvektor, die\r\nAbbildung kann nicht festgelegt werden!");
    EXPECT_FALSE((*this)["E"]->Rolle(TRolle::IstP_Projektionsebene));
}

TEST_F(Abbilden, VectorWithVanishingProjectionCannotBeMapped) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    V("w", {0, 0, 1});
    V("u", {0, 0, 2});
    P("Q", {1, 1, 1});
    Markieren({"E", "w"});
    ASSERT_TRUE(Projektion(D));
    Markieren({"u", "Q"});
    ASSERT_TRUE(Pprojezieren(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung),
              "Das Element u kann nicht\r\nabgebildet werden!");
    EXPECT_EQ((*this)["u'"], nullptr);
    EXPECT_NE((*this)["Q'"], nullptr);
}

TEST_F(Abbilden, UndoRestoresTheOriginalsWithTheirMarks) {
    P("Z", {1, 0, 0});
    P("A", {2, 0, 0});
    P("B", {0, 1, 0});
    P("C", {0, 0, 1});
    Dr("D", (*this)["A"], (*this)["B"], (*this)["C"]);
    Markieren({"Z"});
    ASSERT_TRUE(StreckungFestlegen(D, Real{2}));
    Markieren({"A", "D"});
    ASSERT_TRUE(Strecken(D));
    EXPECT_TRUE(Nah(Koord("A'"), {3, 0, 0}));
    ASSERT_NE((*this)["D'"], nullptr);
    EXPECT_EQ((*this)["D'"]->Bezuege[1], (*this)["B'"]);
    const int mitBildern = L.Anzahl();
    EXPECT_GT(mitBildern, 5);

    ASSERT_TRUE(D.RueckgaengigMachen());
    ASSERT_EQ(L.Anzahl(), 5);
    EXPECT_EQ((*this)["A'"], nullptr);
    EXPECT_TRUE((*this)["A"]->markiert);
    EXPECT_TRUE((*this)["D"]->markiert);
    EXPECT_FALSE((*this)["B"]->markiert);
    EXPECT_EQ((*this)["D"]->Bezuege[0], (*this)["A"]);
}

TEST_F(Abbilden, ImagesAreNotMappedAgainAndNamesAreNotTakenTwice) {
    P("O", {0, 0, 0});
    P("P", {1, 0, 0});
    P("P'", {5, 5, 5});
    Markieren({"O"});
    ASSERT_TRUE(Spiegelung(D));
    Markieren({"P"});
    ASSERT_TRUE(Pspiegeln(D));
    ASSERT_EQ(L.Anzahl(), 4);
    EXPECT_EQ(Letztes()->Name, "P1") << "P' is taken";
    EXPECT_TRUE(Letztes()->markiert);
}

TEST_F(Abbilden, MirrorRolesMoveToTheMarkedElement) {
    P("A", {0, 0, 0});
    P("B", {1, 0, 0});
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 0, 0}, {0, 1, 0});
    Markieren({"A"});
    ASSERT_TRUE(Spiegelung(D));
    Markieren({"g"});
    ASSERT_TRUE(Spiegelung(D));
    Markieren({"B"});
    ASSERT_TRUE(Spiegelung(D));
    Markieren({"h"});
    ASSERT_TRUE(Spiegelung(D));
    EXPECT_FALSE((*this)["A"]->Rolle(TRolle::IstSpiegelzentrum));
    EXPECT_TRUE((*this)["B"]->Rolle(TRolle::IstSpiegelzentrum));
    EXPECT_FALSE((*this)["g"]->Rolle(TRolle::IstSpiegelAchse));
    EXPECT_TRUE((*this)["h"]->Rolle(TRolle::IstSpiegelAchse));
    // Defining it again changes nothing.
    Markieren({"h"});
    EXPECT_FALSE(Spiegelung(D));
    EXPECT_FALSE(D.Geaendert());
    // And the line reflection maps B on the y-axis to (-1, 0, 0).
    Markieren({"B"});
    ASSERT_TRUE(Gspiegeln(D));
    EXPECT_TRUE(Nah(Koord("B'"), {-1, 0, 0}));
    EXPECT_EQ(D.Rueckgaengig().Caption(), "Rückgängig: Geradenspiegelung");
}

TEST_F(Abbilden, NoRoleNoMapping) {
    P("A", {1, 0, 0});
    Markieren({"A"});
    for (auto* befehl : {Pspiegeln, Gspiegeln, Espiegeln, Strecken, Oprojezieren, Pprojezieren})
        EXPECT_FALSE(befehl(D));
    EXPECT_FALSE(D.Rueckgaengig().Moeglich());
    EXPECT_TRUE((*this)["A"]->markiert);
    EXPECT_EQ(L.Anzahl(), 1);
}

TEST_F(Abbilden, FullListIsReportedOnceAndNothingOverwritten) {
    P("O", {0, 0, 0});
    Markieren({"O"});
    ASSERT_TRUE(Spiegelung(D));
    Auffuellen();
    for (int i = 2; i <= L.Anzahl(); ++i)
        L[i]->markiert = true;
    TDreiDBasisElement* letztes = Letztes();
    ASSERT_TRUE(Pspiegeln(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), ListeVollMeldung);
    EXPECT_EQ(Letztes(), letztes);
    EXPECT_EQ(Als<TfrPunkt>(*letztes).Koordinaten, (TTripel{7, 7, 7}));
}

} // namespace
