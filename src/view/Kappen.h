#pragma once
// Cutting to a rectangle, for the file canvases whose coordinates must stay
// in a range (16-bit metafile units, a TikZ picture's reach): a far corner
// is cut off instead of clamped, so the edges that are seen keep their
// direction.

#include <vector>

namespace kalvorin {

struct TPunkt2D {
    double x, y;
};

// The polygon cut to the rectangle min..max, side by side; empty when
// nothing of it is inside.
std::vector<TPunkt2D> PolygonKappen(std::vector<TPunkt2D> ecken, TPunkt2D min, TPunkt2D max);

// The part of the segment a-b inside the rectangle; false when there is none.
bool StreckeKappen(TPunkt2D& a, TPunkt2D& b, TPunkt2D min, TPunkt2D max);

} // namespace kalvorin
