#pragma once
// The fixed oblique parallel projection from rotated space onto the drawing
// plane: y to the right, z upwards, both true to scale, and the x-axis drawn
// at 45 degrees down to the left, shortened to half.

#include "math/Matrix4.h"
#include "math/Tripel.h"

namespace kalvorin {

// sqrt(2)/4 as the eight-place decimal the drawings have always used.
inline constexpr Real Schraegfaktor = 0.35355339L;

// Direction of view of the projection: larger x, y and z lie nearer to the viewer.
inline constexpr TTripel Blickrichtung{-2.828427125L, -1, -1};

struct TZeichenpunkt {
    Real u = 0;
    Real v = 0;
};

inline TZeichenpunkt Projizieren(TTripel p) {
    return {p.y - Schraegfaktor * p.x, p.z - Schraegfaktor * p.x};
}

// The part of the drawing plane a view shows (world rectangle of the graph box).
struct TWeltRechteck {
    Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The projected display cube of half side h, enlarged by 1.5 about its centre:
// about +-2.03 h in both directions.
TWeltRechteck Zeichenfenster(Real h);

// The view every window starts with: turned by -20 degrees about z, so that
// the y-axis comes slightly towards the viewer.
inline constexpr Real AusgangsDrehwinkel = -0.3490658503988659L;
TMatrix4 Ausgangslage();

} // namespace kalvorin
