#pragma once
// Tests on projected shapes in logical units: crossing segments, a point on
// a segment, a point inside a convex polygon. Shared by the depth order and
// the hit test.

#include "view/Zeichenflaeche.h"

#include <cmath>

namespace kalvorin::bild {

// A point counts as lying on a projected line within this many logical units.
inline constexpr double LinienToleranz = 20;

// (a - o) x (b - o): positive when o, a, b turn to the left.
inline double Kreuz(TLogPunkt o, TLogPunkt a, TLogPunkt b) {
    return (static_cast<double>(a.x) - o.x) * (static_cast<double>(b.y) - o.y) -
           (static_cast<double>(a.y) - o.y) * (static_cast<double>(b.x) - o.x);
}

// The two segments cross at a point inside both (touching does not count).
inline bool KreuzenStreng(TLogPunkt a, TLogPunkt b, TLogPunkt c, TLogPunkt d) {
    const double d1 = Kreuz(c, d, a), d2 = Kreuz(c, d, b);
    if (!((d1 < 0 && d2 > 0) || (d1 > 0 && d2 < 0)))
        return false;
    const double d3 = Kreuz(a, b, c), d4 = Kreuz(a, b, d);
    return (d3 < 0 && d4 > 0) || (d3 > 0 && d4 < 0);
}

inline double AbstandQuadrat(TLogPunkt p, TLogPunkt a, TLogPunkt b) {
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double px = static_cast<double>(p.x) - a.x, py = static_cast<double>(p.y) - a.y;
    const double l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? (px * dx + py * dy) / l2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    const double ex = px - t * dx, ey = py - t * dy;
    return ex * ex + ey * ey;
}

inline bool AufStrecke(TLogPunkt p, TLogPunkt a, TLogPunkt b) {
    return AbstandQuadrat(p, a, b) <= LinienToleranz * LinienToleranz;
}

// Twice the signed area; its sign is the polygon's sense of turning.
inline double Flaeche2(const TLogPunkt* ecken, int n) {
    double s = 0;
    for (int i = 0; i < n; ++i) {
        const TLogPunkt a = ecken[i], b = ecken[(i + 1) % n];
        s += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return s;
}

// Inside a convex polygon: on the inner side of every edge. Strictly inside,
// or with the boundary counted as inside: then a point within the line
// tolerance of an edge counts too, so the region never reaches farther than
// the tolerance beyond the polygon.
inline bool Innen(TLogPunkt p, const TLogPunkt* ecken, int n, bool streng) {
    if (n < 1)
        return false;
    if (!streng)
        for (int i = 0; i < n; ++i)
            if (AufStrecke(p, ecken[i], ecken[(i + 1) % n]))
                return true;
    if (n < 3)
        return false;
    const double f = Flaeche2(ecken, n);
    // A polygon seen as a line has no inside, only its boundary.
    if (f == 0)
        return false;
    const double sinn = f > 0 ? 1 : -1;
    for (int i = 0; i < n; ++i) {
        const double k = sinn * Kreuz(ecken[i], ecken[(i + 1) % n], p);
        if (streng ? !(k > 0) : k < 0)
            return false;
    }
    return true;
}

} // namespace kalvorin::bild
