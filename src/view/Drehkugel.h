#pragma once
// The rotation sphere of a view: the user turns the scene by dragging a point
// of the sphere's screen image to another (a trackball).

#include "math/Matrix4.h"
#include "math/Tripel.h"
#include "view/Weltabbildung.h"
#include "view/Zeichenflaeche.h"

#include <cstdint>

namespace kalvorin {

struct TDrehkugel {
    TTripel Mitte{};
    Real Radius = 0; // world units
    TLogPunkt BildMitte{};
    std::int32_t BildRadius = 0; // logical units
    bool BildBerechnet = false;
};

// The sphere about the display cube of half side h: centre at the origin,
// radius sqrt(3) h / sqrt(2), and its image through the mapping.
TDrehkugel DrehkugelFuer(Real h, const TWeltAbbildung& abbildung);

// The point of the unit sphere under a mouse position (x towards the viewer,
// y to the right, z upwards); outside the image it lies on the rim x = 0.
TTripel Kugelpunkt(const TDrehkugel& kugel, TLogPunkt maus);

// The rotation that carries the sphere point under one mouse position to the
// point under the next.
TMatrix4 Ziehdrehung(const TDrehkugel& kugel, TLogPunkt vorher, TLogPunkt jetzt);

} // namespace kalvorin
