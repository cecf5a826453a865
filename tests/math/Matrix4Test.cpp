#include "math/Matrix4.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
void ErwarteNah(TTripel ist, TTripel soll) {
    EXPECT_NEAR(static_cast<double>(ist.x), static_cast<double>(soll.x), 1e-15);
    EXPECT_NEAR(static_cast<double>(ist.y), static_cast<double>(soll.y), 1e-15);
    EXPECT_NEAR(static_cast<double>(ist.z), static_cast<double>(soll.z), 1e-15);
}
} // namespace

TEST(Matrix4, ProductMayOverwriteAnInput) {
    TMatrix4 a = Verschiebungsmatrix({1, 2, 3});
    a = Matrixprodukt(a, a);
    EXPECT_EQ(Abbilden(a, NullTripel), (TTripel{2, 4, 6}));
    EXPECT_EQ(Matrixprodukt(Einheitsmatrix(), a), a);
}

TEST(Matrix4, AbbildenDividesByTheFourthSum) {
    TMatrix4 m = Einheitsmatrix();
    m(3, 3) = 2;
    EXPECT_EQ(Abbilden(m, {2, 4, 6}), (TTripel{1, 2, 3}));
}

TEST(Matrix4, RotationAboutTheZAxis) {
    ErwarteNah(Abbilden(ZDrehmatrix(PiHalbe), {1, 0, 0}), {0, 1, 0});
}

TEST(Matrix4, RotationAboutAShiftedLine) {
    ErwarteNah(Abbilden(Drehmatrix({1, 0, 0}, {0, 0, 5}, PiHalbe), {2, 0, 0}), {1, 1, 0});
    // right-handed about the x axis: y goes to z
    ErwarteNah(Abbilden(Drehmatrix(NullTripel, {3, 0, 0}, PiHalbe), {0, 1, 0}), {0, 0, 1});
    // about the space diagonal by 120 degrees the axes cycle
    ErwarteNah(Abbilden(Drehmatrix(NullTripel, {1, 1, 1}, 2 * Pi / 3), {1, 0, 0}), {0, 1, 0});
}

TEST(Matrix4, ReflectionInAPlane) {
    ErwarteNah(Abbilden(Spiegelungsmatrix({0, 0, 1}, {0, 0, 2}), {3, 4, 5}), {3, 4, -3});
    // the plane x + y = 2 through (1, 1, 0)
    ErwarteNah(Abbilden(Spiegelungsmatrix({1, 1, 0}, {1, 1, 0}), {0, 0, 7}), {2, 2, 7});
}

TEST(Matrix4, OrthogonalProjection) {
    ErwarteNah(Abbilden(OProjektionsmatrix({0, 0, 3}, {0, 0, -1}), {1, 2, 9}), {1, 2, 3});
    ErwarteNah(Abbilden(OProjektionsmatrix({1, 1, 0}, {1, 1, 0}), {0, 0, 7}), {1, 1, 7});
}

TEST(Matrix4, ParallelProjection) {
    ErwarteNah(Abbilden(PProjektionsmatrix({1, 1, 1}, NullTripel, {0, 0, 1}), {1, 1, 1}),
               {0, 0, 0});
    // along (0, 1, 1) onto z = 2: (0, 0, 0) lands at (0, 2, 2)
    ErwarteNah(Abbilden(PProjektionsmatrix({0, 1, 1}, {5, 5, 2}, {0, 0, 4}), NullTripel),
               {0, 2, 2});
}
