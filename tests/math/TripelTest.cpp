#include "math/Tripel.h"
#include "Testnamen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;

TEST(Tripel, ZeroTestIsExactEvenForTinyComponents) {
    EXPECT_FALSE(IstNullvektor({1e-300L, 0, 0}));
    EXPECT_FALSE(IstNullvektor({0, 0, 1e-4000L})); // below double's range, still extended
    EXPECT_TRUE(IstNullvektor({0, -0.0L, 0}));
}

TEST(Tripel, KeepsExtendedPrecision) {
    // 1 + 2^-60 is lost in double but kept in the 64-bit mantissa.
    const Real eps = std::ldexp(1.0L, -60);
    const TTripel s = TripelSumme({1, 0, 0}, {eps, 0, 0});
    EXPECT_NE(s.x, 1.0L);
    EXPECT_EQ(TripelDifferenz(s, {1, 0, 0}).x, eps);
}

TEST(Tripel, ProductsAndLengths) {
    const TTripel a{1, 2, 3}, b{4, 5, 6};
    EXPECT_EQ(Skalarprodukt(a, b), 32);
    EXPECT_EQ(Kreuzprodukt(a, b), (TTripel{-3, 6, -3}));
    EXPECT_EQ(Kreuzprodukt({1, 0, 0}, {0, 1, 0}), (TTripel{0, 0, 1}));
    EXPECT_EQ(Betrag({2, 3, 6}), 7);
    EXPECT_EQ(Verbindungsvektor(a, b), (TTripel{3, 3, 3}));
    EXPECT_EQ(Mittelpunkt(a, b), (TTripel{2.5L, 3.5L, 4.5L}));
    EXPECT_EQ(GeradenPunkt(a, b, 2), (TTripel{9, 12, 15}));
}

TEST(Tripel, NormalisingZeroGivesZero) {
    TTripel v = NullTripel;
    Normieren(v);
    EXPECT_EQ(v, NullTripel);
    TTripel w{0, 3, 4};
    Normieren(w);
    EXPECT_NEAR(static_cast<double>(w.y), 0.6, 1e-18);
    Negieren(w);
    EXPECT_LT(w.z, 0);
}

TEST(Tripel, InterpolationAndBounds) {
    const auto [y, z] = InterpolationNachX({0, 0, 10}, {4, 8, 2}, 1);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(z, 8);
    const TQuader q = Grenzen({{1, 5, -1}, {3, 2, 0}, {-2, 7, 4}});
    EXPECT_EQ(q.xmin, -2);
    EXPECT_EQ(q.xmax, 3);
    EXPECT_EQ(q.ymin, 2);
    EXPECT_EQ(q.ymax, 7);
    EXPECT_EQ(q.zmin, -1);
    EXPECT_EQ(q.zmax, 4);
}

struct WinkelFall {
    TTripel a, b;
    Real erwartet;
};

class Zwischenwinkel_ : public ::testing::TestWithParam<WinkelFall> {};

TEST_P(Zwischenwinkel_, MatchesHandComputedAngle) {
    const auto& f = GetParam();
    EXPECT_NEAR(static_cast<double>(Zwischenwinkel(f.a, f.b)), static_cast<double>(f.erwartet),
                1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Zwischenwinkel_,
    ::testing::Values(WinkelFall{{1, 0, 0}, {-1, 0, 0}, Pi},
                      WinkelFall{{1, 0, 0}, {0, 2, 0}, PiHalbe},
                      WinkelFall{{1, 1, 0}, {1, 0, 0}, Pi / 4},
                      WinkelFall{{1, 1, 0}, {-1, 0, 0}, 3 * Pi / 4},
                      WinkelFall{{0, 0, 0}, {1, 0, 0}, 0},
                      // rounding pushes the cosine of a vector with itself above 1
                      WinkelFall{{0.1L, 0.7L, 0.3L}, {0.1L, 0.7L, 0.3L}, 0},
                      WinkelFall{{1e-3L, 3.3L, 7.1L}, {-1e-3L, -3.3L, -7.1L}, Pi}),
    testnamen::Nach([](const WinkelFall& f) {
        return testnamen::Zahlen(f.a.x, f.a.y, f.a.z) + "_gegen_" +
               testnamen::Zahlen(f.b.x, f.b.y, f.b.z);
    }));

TEST(Tripel, AngleOfAVectorWithItselfStaysDefined) {
    // For these the computed cosine comes out slightly above or below 1; the
    // angle must never become NaN and stays at the rounding level.
    for (int i = 1; i < 400; ++i) {
        const Real s = i * 0.0137L;
        const TTripel v{s, s / 3, s * 7};
        const Real w = Zwischenwinkel(v, v);
        EXPECT_GE(w, 0) << i;
        EXPECT_LT(w, 1e-9L) << i;
    }
    // (0.0137, 0.0137/3, 0.0959): the cosine rounds to 1 + 2^-63, clamped to 1
    const TTripel v{0.0137L, 0.0137L / 3, 0.0137L * 7};
    EXPECT_EQ(Zwischenwinkel(v, v), 0);
}
