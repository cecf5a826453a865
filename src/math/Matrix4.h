#pragma once
// 4x4 matrices of affine maps. Points are column vectors (x, y, z, 1): the
// image is M*p, so the translation stands in the fourth column.

#include "math/Tripel.h"

#include <array>

namespace kalvorin {

struct TMatrix4 {
    std::array<std::array<Real, 4>, 4> m{};

    Real& operator()(int zeile, int spalte) { return m[zeile][spalte]; }
    Real operator()(int zeile, int spalte) const { return m[zeile][spalte]; }
    friend bool operator==(const TMatrix4&, const TMatrix4&) = default;
};

TMatrix4 Einheitsmatrix();

TMatrix4 Matrixprodukt(const TMatrix4& a, const TMatrix4& b);
// Image of a point; divides by the fourth sum when it is not exactly 1.
TTripel Abbilden(const TMatrix4& m, TTripel p);

TMatrix4 Verschiebungsmatrix(TTripel t);
TMatrix4 ZDrehmatrix(Real phi);
// Right-handed rotation by phi about the line through p with direction d.
TMatrix4 Drehmatrix(TTripel p, TTripel d, Real phi);
// Reflection in the plane through p with normal m.
TMatrix4 Spiegelungsmatrix(TTripel p, TTripel m);
// Orthogonal projection onto the plane through p with normal m.
TMatrix4 OProjektionsmatrix(TTripel p, TTripel m);
// Projection along v onto the plane through p with normal m; the caller
// guarantees that v is not parallel to the plane.
TMatrix4 PProjektionsmatrix(TTripel v, TTripel p, TTripel m);

} // namespace kalvorin
