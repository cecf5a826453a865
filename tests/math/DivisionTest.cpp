#include "math/Tripel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kalvorin;

// Divisors whose mantissa is all ones (2 less one unit in the last place,
// as sqrt(2)·sqrt(2) gives): a wrong soft-float division once doubled the
// quotient, and the angle of two vectors came out as 0°.
TEST(Division, ADivisorJustBelowAPowerOfTwo) {
    constexpr Real ulp = std::numeric_limits<Real>::epsilon();
    const struct {
        Real zaehler, nenner;
    } faelle[] = {
        {1, 2 - ulp},       {3, 2 - ulp}, {-1, 1 - ulp / 2}, {1, 4 - 2 * ulp}, {2 - ulp, 2 - ulp},
        {1e-300L, 2 - ulp}, {7, 3},
    };
    for (const auto& f : faelle) {
        volatile Real n = f.nenner; // computed at run time, not by the compiler
        const Real q = f.zaehler / n;
        EXPECT_NEAR(static_cast<double>(q * f.nenner / f.zaehler), 1.0, 1e-15)
            << static_cast<double>(f.zaehler) << " / " << static_cast<double>(f.nenner);
    }
}

TEST(Division, AnglesBetweenVectors) {
    const struct {
        TTripel a, b;
        Real grad;
    } faelle[] = {
        {{1, 1, 0}, {0, 1, 1}, 60},  {{1, 0, 0}, {1, 1, 0}, 45},    {{1, 0, 0}, {-1, 1, 0}, 135},
        {{1, 2, 3}, {-3, 0, 1}, 90}, {{1, 1, 0}, {-1, 0, -1}, 120},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(static_cast<double>(Zwischenwinkel(f.a, f.b) * 180 / Pi),
                    static_cast<double>(f.grad), 1e-12);
}
