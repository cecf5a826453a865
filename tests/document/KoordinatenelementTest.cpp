// The coordinate planes and axes as elements: their names by the axis-name
// setting, their values, and that they take part like any plane and line.

#include "befehle/Befehle.h"
#include "document/BefehleTest.h"
#include "geometry/Auswertung.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

struct TKoordFall {
    const char* Fall;
    bool Ebene;
    int Welche;
    bool Indiziert;
    const char* Name;
    const char* Wahl; // the dialog's text of the choice
    TTripel Richtung; // the axis's direction or the plane's normal
};

void PrintTo(const TKoordFall& f, std::ostream* os) {
    *os << f.Fall;
}

class Koordinatenelement : public ::testing::TestWithParam<TKoordFall> {};

TEST_P(Koordinatenelement, IsAnOrdinaryElementNamedByTheSetting) {
    const TKoordFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    Einstellungen().HeftAchsenIndiziert = f.Indiziert;
    test::TBefehlsDokument d;
    EXPECT_EQ(Koordinatenelemente(f.Ebene)[static_cast<std::size_t>(f.Welche)], f.Wahl);
    ASSERT_TRUE(KoordinatenelementFestlegen(d.D, f.Ebene, f.Welche));
    ASSERT_EQ(d.L.Anzahl(), 1);
    const TDreiDBasisElement& e = *d.L[1];
    EXPECT_EQ(e.Name, f.Name);
    TGeometrie g;
    ASSERT_EQ(Auswerten(e, g), KeinFehler);
    EXPECT_EQ(g.Punkt, (TTripel{0, 0, 0}));
    if (f.Ebene) {
        EXPECT_EQ(e.Art, TElementart::DEbene);
        EXPECT_TRUE(test::Parallel(Kreuzprodukt(g.Richtung1, g.Richtung2), f.Richtung));
    } else {
        EXPECT_EQ(e.Art, TElementart::DGerade);
        EXPECT_EQ(g.Richtung1, f.Richtung);
    }
    // A second one of the same name takes the automatic name.
    ASSERT_TRUE(KoordinatenelementFestlegen(d.D, f.Ebene, f.Welche));
    EXPECT_NE(d.L[2]->Name, f.Name);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Koordinatenelement,
    ::testing::Values(TKoordFall{"X1X2Ebene", true, 0, true, "x1x2", "x₁x₂-Ebene", {0, 0, 1}},
                      TKoordFall{"X1X3Ebene", true, 1, true, "x1x3", "x₁x₃-Ebene", {0, 1, 0}},
                      TKoordFall{"YZEbene", true, 2, false, "yz", "yz-Ebene", {1, 0, 0}},
                      TKoordFall{"X1Achse", false, 0, true, "x1", "x₁-Achse", {1, 0, 0}},
                      TKoordFall{"ZAchse", false, 2, false, "z", "z-Achse", {0, 0, 1}}),
    [](const auto& info) { return std::string(info.param.Fall); });

// The x₃-axis pierces the pavilion's face 4x₂ + 3x₃ = 48 in (0|0|16).
TEST(Koordinatenelement, IntersectsLikeAnyLine) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    d.ENOR("E", {0, 4, 3}, -48);
    ASSERT_TRUE(KoordinatenelementFestlegen(d.D, false, 2));
    d.Markieren({"x3", "E"});
    ASSERT_TRUE(Schneiden(d.D));
    TTripel p;
    ASSERT_EQ(PunktAuswerten(*d.Letztes(), p), KeinFehler);
    EXPECT_TRUE(test::Nah(p, {0, 0, 16}, 1e-12L));
}

} // namespace
