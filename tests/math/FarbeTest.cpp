#include "math/Farbe.h"
#include "Testnamen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace kalvorin;

namespace {
bool FastGleich(TFarbe a, TFarbe b) {
    return std::abs(Rot(a) - Rot(b)) <= 1 && std::abs(Gruen(a) - Gruen(b)) <= 1 &&
           std::abs(Blau(a) - Blau(b)) <= 1;
}
} // namespace

TEST(Farbe, RedLivesInTheLowByte) {
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(RGB(0, 0, 200), 0xC80000u);
    EXPECT_EQ(Blau(RGB(1, 2, 3)), 3);
}

class FarbeAnteile : public ::testing::TestWithParam<TFarbe> {};

TEST_P(FarbeAnteile, ZeroKeepsTheColourAndOneGivesWhiteOrBlack) {
    const TFarbe f = GetParam();
    EXPECT_TRUE(FastGleich(Heller(f, 0), f));
    EXPECT_TRUE(FastGleich(Dunkler(f, 0), f));
    EXPECT_EQ(Heller(f, 1), Weiss);
    EXPECT_EQ(Dunkler(f, 1), Schwarz);
}

TEST_P(FarbeAnteile, HslRoundTrip) {
    EXPECT_TRUE(FastGleich(HSLzuRGB(RGBzuHSL(GetParam())), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Farben, FarbeAnteile,
                         ::testing::Values(RGB(0, 0, 200), RGB(255, 0, 0), RGB(144, 144, 144),
                                           RGB(253, 173, 159), RGB(0, 255, 0), RGB(12, 200, 90),
                                           Schwarz, Weiss),
                         testnamen::Nach([](TFarbe f) {
                             return "R" + std::to_string(Rot(f)) + "_G" + std::to_string(Gruen(f)) +
                                    "_B" + std::to_string(Blau(f));
                         }));

TEST(Farbe, HalfWayLighterMovesLightnessHalfWay) {
    const THSL h = RGBzuHSL(Heller(RGB(0, 0, 200), 0.5));
    const THSL o = RGBzuHSL(RGB(0, 0, 200));
    EXPECT_NEAR(h.l, o.l + 0.5 * (1 - o.l), 0.005);
    EXPECT_NEAR(h.h, o.h, 0.005);
}
