// The measurements of position that need no element of their own: the
// distance of two planes, a point in a triangle or quadrilateral, two points
// and the sides of a plane, a plane and the axes.

#include "befehle/Messen.h"
#include "document/BefehleTest.h"
#include "exakt/Loesungsweg.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

struct TLageFall {
    const char* Fall;
    std::vector<const char*> Marken;
    TBefehl Befehl;
    const char* Text;
    const char* Weg; // a line of the worked solution; "" for none checked
};

void PrintTo(const TLageFall& f, std::ostream* os) {
    *os << f.Fall;
}

// A(0|0|0), B(4|0|0), C(0|4|0) as the triangle D and, with the concave
// quadrilateral ABQV, V(1|1|0) its re-entrant corner; the planes
// 2x − 2y + z = 5 and = 14, a plane that meets them, z = 1, x₁ + 2x₃ = 4,
// x₁ − 2x₂ = 0.
struct TLageSzene : test::TBefehlsDokument {
    TLageSzene() {
        auto* a = P("A", {0, 0, 0});
        auto* b = P("B", {4, 0, 0});
        auto* c = P("C", {0, 4, 0});
        Dr("D", a, b, c);
        auto* v = P("V", {1, 1, 0});
        Vi("Q", a, b, v, c);
        P("Innen", {1, 1, 0});
        P("Aussen", {3, 3, 0});
        P("Ueber", {1, 1, 2});
        P("Kerbe", {2, 2, 0});
        P("Ecke", {0.5L, 0.5L, 0});
        ENOR("E", {2, -2, 1}, -5);
        ENOR("F", {2, -2, 1}, -14);
        ENOR("H", {1, 1, 0}, -1);
        ENOR("Z", {0, 0, 1}, -1);
        P("Hoch", {0, 0, 3});
        P("Hoeher", {1, 1, 5});
        P("Tief", {0, 0, -2});
        ENOR("G", {1, 0, 2}, -4);
        ENOR("K", {1, -2, 0}, 0);
        ENOR("W", {0, 0, 2}, -6);
    }
};

class LageMessen : public ::testing::TestWithParam<TLageFall> {};

TEST_P(LageMessen, SaysHowTheyLie) {
    const TLageFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    TLageSzene d;
    d.Markieren(f.Marken);
    const auto text = Messergebnis(d.L, f.Befehl);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, f.Text);
    if (std::string(f.Weg).empty()) return;
    const auto weg = LoesungswegDerMarkierten(d.L, exakt::TLoesungsart::Laenge);
    ASSERT_TRUE(weg.has_value());
    EXPECT_NE(exakt::AlsText(*weg).find(f.Weg), std::string::npos) << exakt::AlsText(*weg);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LageMessen,
    ::testing::Values(
        TLageFall{"ParalleleEbenen",
                  {"E", "F"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (E , F) = 3 LE\r\n\r\nE und F sind parallel",
                  "|9|/3 = 3 LE"},
        TLageFall{"SichSchneidendeEbenen",
                  {"E", "H"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (E , H) = 0 LE\r\n\r\nE und H schneiden sich",
                  "schneiden sich, ihr Abstand ist 0."},
        TLageFall{"PunktImDreieck",
                  {"Innen", "D"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Innen , D) = 0 LE\r\n\r\nInnen liegt im Dreieck ABC",
                  "mit r = 1/4 und s = 1/4"},
        TLageFall{"PunktAusserhalb",
                  {"Aussen", "D"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Aussen , D) = 0 LE\r\n\r\nAussen liegt außerhalb des Dreiecks ABC",
                  "Aussen liegt außerhalb des Dreiecks ABC."},
        TLageFall{"PunktUeberDemDreieck",
                  {"Ueber", "D"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Ueber , D) = 2 LE\r\n\r\nUeber liegt nicht in der Ebene des "
                  "Dreiecks ABC",
                  "hat keine Lösung"},
        // In the notch of the concave quadrilateral: outside, though inside
        // the triangle of its outer corners.
        TLageFall{"PunktInDerKerbe",
                  {"Kerbe", "Q"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Kerbe , Q) = 0 LE\r\n\r\nKerbe liegt außerhalb des Vierecks ABVC",
                  "Kerbe liegt außerhalb des Vierecks ABVC."},
        TLageFall{"PunktImViereck",
                  {"Ecke", "Q"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Ecke , Q) = 0 LE\r\n\r\nEcke liegt im Viereck ABVC",
                  "Ecke liegt im Viereck ABVC."},
        TLageFall{"DieselbeSeite",
                  {"Hoch", "Hoeher", "Z"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Hoch , Z) = 2 LE\r\nAbstand (Hoeher , Z) = 4 LE\r\n\r\nHoch und "
                  "Hoeher liegen auf derselben Seite von Z",
                  "dasselbe Vorzeichen"},
        TLageFall{"VerschiedeneSeiten",
                  {"Hoch", "Tief", "Z"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (Hoch , Z) = 2 LE\r\nAbstand (Tief , Z) = 3 LE\r\n\r\nHoch und "
                  "Tief liegen auf verschiedenen Seiten von Z",
                  "verschiedene Vorzeichen"},
        TLageFall{"ParallelZurAchse",
                  {"G"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (O , G) = 1,79 LE\r\n\r\nG schneidet die x₁-Achse im Punkt "
                  "(4|0|0)\r\nG ist parallel zur x₂-Achse\r\nG schneidet die x₃-Achse im Punkt "
                  "(0|0|2)",
                  "G ist parallel zur x₂-Achse."},
        TLageFall{"EnthaeltDieAchse",
                  {"K"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (O , K) = 0 LE\r\n\r\nK schneidet die x₁-Achse im Punkt "
                  "(0|0|0)\r\nK schneidet die x₂-Achse im Punkt (0|0|0)\r\nK enthält die x₃-Achse",
                  "K enthält die x₃-Achse"},
        TLageFall{"ParallelZurKoordinatenebene",
                  {"W"},
                  TBefehl::MessLaenge,
                  "\r\nAbstand (O , W) = 3 LE\r\n\r\nW ist parallel zur x₁-Achse\r\nW ist "
                  "parallel zur x₂-Achse\r\nW schneidet die x₃-Achse im Punkt (0|0|3)\r\nW ist "
                  "parallel zur x₁x₂-Ebene",
                  ""}),
    [](const auto& info) { return std::string(info.param.Fall); });

} // namespace
