// What the command-sequence fuzzer found, each kept as a test of the
// behaviour (the inputs themselves stay in befehlsfolgen_corpus).

#include "BefehleTest.h"

#include "document/Invarianten.h"

using namespace kalvorin;
using kalvorin::test::TBefehlsDokument;

namespace {

class BefehlsfolgenFunde : public ::testing::Test, public TBefehlsDokument {
protected:
    // Deleting nothing takes the undo copy; undo must give the list back
    // exactly as it was.
    void UndoGibtDieListeZurueck() {
        Markieren(std::vector<const char*>{});
        D.Neuaufbau();
        const std::string vorher = ListenAbbild(L);
        D.MarkierteLoeschen();
        EXPECT_EQ(RueckgaengigPruefen(D, vorher), "");
    }
};

// Found: a parallel projection defined again on the same plane with a
// vector parallel to it is refused, but the plane kept the former vector
// without the role; the undo copy drops such a vector, so undo changed the
// document ("projektion_wechsel").
TEST_F(BefehlsfolgenFunde, RefusedProjectionLeavesThePlaneWithoutVector) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    V("u", {1, 1, 1});
    V("w", {1, 1, 0});
    Markieren({"E", "u"});
    ASSERT_TRUE(Projektion(D));
    EXPECT_EQ((*this)["E"]->Projektionsvektor, (*this)["u"]);
    Markieren({"E", "w"});
    Projektion(D);
    EXPECT_FALSE((*this)["E"]->Rolle(TRolle::IstP_Projektionsebene));
    EXPECT_EQ((*this)["E"]->Projektionsvektor, nullptr);
    EXPECT_EQ(ListeninvariantenPruefen(L), "");
    UndoGibtDieListeZurueck();
}

// The same when the role moves on to another plane.
TEST_F(BefehlsfolgenFunde, ProjectionMovedToAnotherPlaneTakesTheVectorAlong) {
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    EPAR("F", {0, 0, 1}, {0, 1, 0}, {0, 0, 1});
    V("u", {1, 1, 1});
    Markieren({"E", "u"});
    ASSERT_TRUE(Projektion(D));
    Markieren({"F", "u"});
    ASSERT_TRUE(Projektion(D));
    EXPECT_EQ((*this)["E"]->Projektionsvektor, nullptr);
    EXPECT_EQ((*this)["F"]->Projektionsvektor, (*this)["u"]);
    EXPECT_EQ(ListeninvariantenPruefen(L), "");
    UndoGibtDieListeZurueck();
}

} // namespace
