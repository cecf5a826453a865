#pragma once
// Where a sphere meets a plane, a line or another sphere: a circle, a point
// of contact, two points, or nothing. Touching is decided within the
// tolerance of the constructions.

#include "math/Tripel.h"

#include <array>

namespace kalvorin {

struct TKugelschnitt {
    // 0: no common point; 1: they touch at Punkte[0]; 2: a circle (plane,
    // sphere) or two points (line, by increasing parameter of the line).
    int Anzahl = 0;
    TTripel Mitte;   // the circle's centre
    TTripel Normale; // the normal of its plane
    Real Radius = 0;
    std::array<TTripel, 2> Punkte{};
};

// Sphere (m, r) and the plane through a with normal n: the circle's centre
// is the foot of the perpendicular from m, its radius sqrt(r² − d²).
TKugelschnitt KugelEbene(TTripel m, Real r, TTripel a, TTripel n);
// Sphere (m, r) and the line a + t·u.
TKugelschnitt KugelGerade(TTripel m, Real r, TTripel a, TTripel u);
// Two spheres; concentric ones have no common point (or are identical,
// which the caller tells apart).
TKugelschnitt KugelKugel(TTripel m1, Real r1, TTripel m2, Real r2);

} // namespace kalvorin
