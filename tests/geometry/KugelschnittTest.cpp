// Spheres meeting planes, lines and spheres: the numbers of the textbook
// tasks, touching, and missing.

#include "geometry/Kugelschnitt.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;

namespace {

void Nah(TTripel ist, TTripel soll) {
    EXPECT_NEAR(static_cast<double>(ist.x), static_cast<double>(soll.x), 1e-12);
    EXPECT_NEAR(static_cast<double>(ist.y), static_cast<double>(soll.y), 1e-12);
    EXPECT_NEAR(static_cast<double>(ist.z), static_cast<double>(soll.z), 1e-12);
}

struct TEbenenFall {
    const char* Fall;
    TTripel Punkt, Normale; // the plane
    int Anzahl;
    TTripel Mitte; // circle centre, or the point of contact
    Real Radius;
};

void PrintTo(const TEbenenFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelEbeneTest : public ::testing::TestWithParam<TEbenenFall> {};

// K: M(1|2|3), r = 7.
TEST_P(KugelEbeneTest, CircleContactOrNothing) {
    const TEbenenFall& f = GetParam();
    const TKugelschnitt s = KugelEbene({1, 2, 3}, 7, f.Punkt, f.Normale);
    ASSERT_EQ(s.Anzahl, f.Anzahl);
    if (s.Anzahl == 2) {
        Nah(s.Mitte, f.Mitte);
        EXPECT_NEAR(static_cast<double>(s.Radius), static_cast<double>(f.Radius), 1e-12);
        EXPECT_EQ(Kreuzprodukt(s.Normale, f.Normale), (TTripel{0, 0, 0}));
    } else if (s.Anzahl == 1) {
        Nah(s.Punkte[0], f.Mitte);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelEbeneTest,
    ::testing::Values(
        // 2x + 3y + 6z = 40: d = 2, r = 3·√5, the foot (11/7 | 20/7 | 33/7)
        TEbenenFall{"Abstand2",
                    {20, 0, 0},
                    {2, 3, 6},
                    2,
                    {11.0L / 7, 20.0L / 7, 33.0L / 7},
                    3 * std::sqrt(5.0L)},
        TEbenenFall{"DurchDenMittelpunkt", {1, 2, 3}, {0, 0, 1}, 2, {1, 2, 3}, 7},
        TEbenenFall{"Tangentialebene", {0, 0, 10}, {0, 0, 1}, 1, {1, 2, 10}, 0},
        TEbenenFall{"Daneben", {0, 0, 11}, {0, 0, 1}, 0, {}, 0}),
    [](const auto& info) { return std::string(info.param.Fall); });

TEST(Kugelschnitt, TheLineThroughTwoPointsAndTheSphere) {
    // Through (−9|0|10) and (11|4|−4): it passes through the centre.
    const TTripel a{-9, 0, 10}, u{20, 4, -14};
    const TKugelschnitt s = KugelGerade({1, 2, 3}, 7, a, u);
    ASSERT_EQ(s.Anzahl, 2);
    // By increasing parameter: M ∓ 7 u / |u|.
    const Real l = Betrag(u);
    Nah(s.Punkte[0], TripelDifferenz({1, 2, 3}, Vielfaches(u, 7 / l)));
    Nah(s.Punkte[1], TripelSumme({1, 2, 3}, Vielfaches(u, 7 / l)));
    // The tangent x = 8, z = 3 and a line that misses.
    const TKugelschnitt t = KugelGerade({1, 2, 3}, 7, {8, 0, 3}, {0, 1, 0});
    ASSERT_EQ(t.Anzahl, 1);
    Nah(t.Punkte[0], {8, 2, 3});
    EXPECT_EQ(KugelGerade({1, 2, 3}, 7, {9, 0, 3}, {0, 1, 0}).Anzahl, 0);
}

TEST(Kugelschnitt, TwoSpheres) {
    // Centre distance 6, radii 5 and 5: the circle about the midpoint, radius 4.
    const TKugelschnitt s = KugelKugel({0, 0, 0}, 5, {6, 0, 0}, 5);
    ASSERT_EQ(s.Anzahl, 2);
    Nah(s.Mitte, {3, 0, 0});
    EXPECT_NEAR(static_cast<double>(s.Radius), 4, 1e-15);
    // Touching from outside and from inside, apart, and concentric.
    const TKugelschnitt aussen = KugelKugel({0, 0, 0}, 2, {5, 0, 0}, 3);
    ASSERT_EQ(aussen.Anzahl, 1);
    Nah(aussen.Punkte[0], {2, 0, 0});
    const TKugelschnitt innen = KugelKugel({0, 0, 0}, 5, {2, 0, 0}, 3);
    ASSERT_EQ(innen.Anzahl, 1);
    Nah(innen.Punkte[0], {5, 0, 0});
    EXPECT_EQ(KugelKugel({0, 0, 0}, 1, {5, 0, 0}, 1).Anzahl, 0);
    EXPECT_EQ(KugelKugel({0, 0, 0}, 1, {0, 0, 0}, 2).Anzahl, 0);
}

} // namespace
