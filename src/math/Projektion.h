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

// The textbook view ("Heftansicht"): the Schraegbild pupils draw on squared
// paper. y to the right and z upwards true to scale, x at 45 degrees down to
// the left shortened by half the square root of two, so that one unit of x
// is one diagonal of a half-unit square: (1|0|0) lies half a unit left of
// and half a unit below the origin.
enum class TProjektionsart : unsigned char {
    Schraeg, // the design's own view
    Heft,
};
inline constexpr Real HeftSchraegfaktor = 0.5L;
inline constexpr TTripel HeftBlickrichtung{-2, -1, -1};

inline TZeichenpunkt HeftProjizieren(TTripel p) {
    return {p.y - HeftSchraegfaktor * p.x, p.z - HeftSchraegfaktor * p.x};
}

// The textbook view is the view's own projection after x is stretched by
// this matrix (x by 0.5 / Schraegfaktor): whatever follows the projection
// (depth order, hit test) stays the same, and the textbook view is one
// matrix: HeftAusgangslage() = Heftdehnung().
TMatrix4 Heftdehnung();
// The view matrix of the textbook view turned by `drehung` about the
// vertical axis (z) and then tilted by `kippung` about the horizontal axis
// (y) of the picture, both in radians.
TMatrix4 Heftlage(Real drehung, Real kippung);

} // namespace kalvorin
