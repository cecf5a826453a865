#include "BefehleTest.h"

#include "befehle/Messen.h"
#include "storage/Einstellungen.h"

using namespace kalvorin;
using kalvorin::test::TBefehlsDokument;

namespace {

class Messen : public ::testing::TestWithParam<char>, public TBefehlsDokument {
protected:
    // The design's texts: without the exact line (its own tests show it).
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        Einstellungen().ExakteWerte = false;
    }
    void TearDown() override {
        Einstellungen().Dezimaltrenner = alterTrenner_;
        Einstellungen().ExakteWerte = true;
    }
    // '#' in the expected text stands for the separator under test.
    std::string T(std::string s) {
        for (char& c : s)
            if (c == '#') c = GetParam();
        return s;
    }
    void ErwarteMeldung(bool (*befehl)(TDokument&), const std::string& text) {
        Protokoll.Eintraege.clear();
        EXPECT_TRUE(befehl(D));
        EXPECT_EQ(EinzigeMeldung(TMeldungsart::Information), T(text));
        EXPECT_FALSE(D.Geaendert());
    }

private:
    char alterTrenner_ = Einstellungen().Dezimaltrenner;
};

TEST_P(Messen, PerpendicularVectorsAngleAndDotProduct) {
    V("a", {1, 0, 0});
    V("b", {0, 2, 0});
    Markieren({"a", "b"});
    ErwarteMeldung(MessWinkel, "\r\nWinkel (a , b) = 90°\r\n\r\na ° b = 0");
    ErwarteMeldung(MessFlaeche, "\r\n| a x b | = 2");
}

TEST_P(Messen, DotProductUsesTheStandardDigits) {
    V("a", {1, 1, 0});
    V("b", {1.26L, 0, 3});
    Markieren({"a", "b"});
    ErwarteMeldung(MessWinkel, "\r\nWinkel (a , b) = 74#11°\r\n\r\na ° b = 1#3");
}

TEST_P(Messen, ArrowIsNamedByItsVector) {
    P("A", {0, 0, 0});
    P("B", {0, 3, 0});
    PfPP("Pf", (*this)["A"], (*this)["B"], "w");
    V("a", {1, 0, 0});
    Markieren({"a", "Pf"});
    // The arrow comes first in the list, so its vector is the first one.
    ErwarteMeldung(MessWinkel, "\r\nWinkel (w , a) = 90°\r\n\r\nw ° a = 0");
    Markieren({"Pf"});
    ErwarteMeldung(MessLaenge, "\r\nBetrag (w) = 3 LE\r\n\r\n");
}

TEST_P(Messen, AnglesOfLinesAndPlanes) {
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 1, 0}, {-2, 0, 0});
    G("k", {0, 0, 0}, {1, 0, -1});
    G("s", {0, 0, 0}, {0, 0, 3});
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    EPAR("F", {0, 0, 0}, {0, 1, 0}, {0, 0, 1});
    Markieren({"g", "h"});
    // Lines have no sense of direction: opposite directions meet at 0°.
    ErwarteMeldung(MessWinkel, "\r\nWinkel (g , h) = 0°\r\n\r\n");
    Markieren({"s", "E"});
    ErwarteMeldung(MessWinkel, "\r\nWinkel (s , E) = 90°\r\n\r\n");
    Markieren({"k", "E"});
    // A direction against the normal still meets the plane at 45°, not −45°.
    ErwarteMeldung(MessWinkel, "\r\nWinkel (k , E) = 45°\r\n\r\n");
    Markieren({"E", "F"});
    ErwarteMeldung(MessWinkel, "\r\nWinkel (E , F) = 90°\r\n\r\n");
}

TEST_P(Messen, Distances) {
    P("A", {0, 0, 0});
    P("B", {1, 1, 0});
    P("C", {0, 0, -1});
    G("g", {0, 0, 0}, {1, 0, 0});
    G("h", {0, 2, 0}, {3, 0, 0});
    G("k", {0, 0, 0}, {0, 1, 0});
    EPAR("E", {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    Markieren({"A", "B"});
    ErwarteMeldung(MessLaenge, "\r\nAbstand (A , B) = 1#41 LE\r\n\r\n");
    Markieren({"B", "g"});
    ErwarteMeldung(MessLaenge, "\r\nAbstand (B , g) = 1 LE\r\n\r\n");
    // A distance is never negative, on the origin's side of z = 1 too.
    Markieren({"A", "E"});
    ErwarteMeldung(MessLaenge, "\r\nAbstand (A , E) = 1 LE\r\n\r\n");
    Markieren({"C", "E"});
    ErwarteMeldung(MessLaenge, "\r\nAbstand (C , E) = 2 LE\r\n\r\n");
    Markieren({"g", "h"});
    ErwarteMeldung(MessLaenge, "\r\nAbstand (g , h) = 2 LE\r\n\r\n");
    Markieren({"g", "k"});
    ErwarteMeldung(MessLaenge, "\r\nAbstand (g , k) = 0 LE\r\n\r\n");
}

TEST_P(Messen, AreaOfTriangleAndThreePoints) {
    P("A", {0, 0, 0});
    P("B", {4, 0, 0});
    P("C", {0, 3, 0});
    S("s", (*this)["B"], (*this)["C"]);
    Dr("D", (*this)["A"], (*this)["B"], (*this)["C"]);
    Markieren({"D"});
    ErwarteMeldung(MessFlaeche, "\r\nFläche (D) = 6 FE\r\n\r\n");
    Markieren({"A", "B", "C"});
    ErwarteMeldung(MessFlaeche, "\r\nFläche (A , B , C) = 6 FE\r\n\r\n");
    Markieren({"s"});
    ErwarteMeldung(MessLaenge, "\r\nLänge (s) = 5 LE\r\n\r\n");
}

TEST_P(Messen, Volumes) {
    P("A", {0, 0, 0});
    P("B", {1, 0, 0});
    P("C", {0, 1, 0});
    P("T", {0, 0, 3});
    Dr("D", (*this)["A"], (*this)["B"], (*this)["C"]);
    Py("S", (*this)["D"], (*this)["T"]);
    Markieren({"A", "B", "C", "T"});
    ErwarteMeldung(MessVolumen, "\r\nVolumen (A , B , C , T) = 0#5 VE\r\n\r\n");
    Markieren({"T", "D"});
    ErwarteMeldung(MessVolumen, "\r\nVolumen (T , D) = 0#5 VE\r\n\r\n");
    Markieren({"S"});
    ErwarteMeldung(MessVolumen, "\r\nVolumen (S) = 0#5 VE\r\n\r\n");
}

TEST_P(Messen, ThreeUnitVectorsInEitherOrder) {
    V("a", {1, 0, 0});
    V("b", {0, 1, 0});
    V("c", {0, 0, 1});
    V("d", {1, 0, 0}); // the same as a, after b and c in the list
    Markieren({"a", "b", "c"});
    ErwarteMeldung(MessVolumen, "\r\nPyramidenvolumen (a , b , c) = 0#17 VE   \r\n\r\n"
                                "        Spatvolumen (a , b , c) = 1 VE\r\n\r\n"
                                "       Determinante (a , b , c) = 1\r\n\r\n");
    Markieren({"b", "c", "d"});
    ErwarteMeldung(MessVolumen, "\r\nPyramidenvolumen (b , c , d) = 0#17 VE   \r\n\r\n"
                                "        Spatvolumen (b , c , d) = 1 VE\r\n\r\n"
                                "       Determinante (b , c , d) = 1\r\n\r\n");
}

TEST_P(Messen, NothingForInvalidElementsOrUnmatchedMarks) {
    P("A", {1, 0, 0});
    GPP("kaputt", (*this)["A"], (*this)["A"]);
    G("g", {0, 0, 0}, {1, 0, 0});
    EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    D.Neuaufbau();
    Markieren({"kaputt", "g"});
    EXPECT_FALSE(MessWinkel(D));
    EXPECT_FALSE(MessLaenge(D));
    // A line and a plane offer the length, but it has no case for them.
    Markieren({"g", "E"});
    EXPECT_TRUE(BerechneAngebote(L)[TBefehl::MessLaenge].aktiv);
    EXPECT_FALSE(MessLaenge(D));
    EXPECT_FALSE(Messergebnis(L, TBefehl::MessLaenge).has_value());
    // Nothing offered, nothing measured.
    Markieren({"A"});
    EXPECT_FALSE(MessLaenge(D));
    EXPECT_TRUE(Protokoll.Eintraege.empty());
}

INSTANTIATE_TEST_SUITE_P(Dezimaltrenner, Messen, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

} // namespace
