#pragma once
// Tests on projected shapes in logical units: crossing segments, a point on
// a segment, a point inside a convex polygon. Shared by the depth order and
// the hit test.

#include "view/Zeichenflaeche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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
    if (!((d1 < 0 && d2 > 0) || (d1 > 0 && d2 < 0))) return false;
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
    if (n < 1) return false;
    if (!streng)
        for (int i = 0; i < n; ++i)
            if (AufStrecke(p, ecken[i], ecken[(i + 1) % n])) return true;
    if (n < 3) return false;
    const double f = Flaeche2(ecken, n);
    // A polygon seen as a line has no inside, only its boundary.
    if (f == 0) return false;
    const double sinn = f > 0 ? 1 : -1;
    for (int i = 0; i < n; ++i) {
        const double k = sinn * Kreuz(ecken[i], ecken[(i + 1) % n], p);
        if (streng ? !(k > 0) : k < 0) return false;
    }
    return true;
}

// How far apart the pictures of one boundary may come to lie when two pieces
// meet along it (a cut, a line ending in a plane): each projected corner is
// rounded to whole logical units, by at most half a unit in x and in y.
inline constexpr double Randbreite = 2;

// Whether two pictures share more than a rim of Randbreite. Pieces that only
// touch along a boundary hide nothing of each other, whatever the rounding
// made of it; the tests above, which count the boundary in, cannot tell.
//
// The convex polygon is taken as its edges' half-planes moved inwards by the
// rim; a polygon whose picture has no area has no inside.
class TInnenbereich {
public:
    // No inside at all.
    TInnenbereich() = default;
    TInnenbereich(const TLogPunkt* ecken, int n, double rand) {
        const double f = n >= 3 ? Flaeche2(ecken, n) : 0;
        if (f == 0) return;
        const double sinn = f > 0 ? 1 : -1;
        for (int i = 0; i < n && anzahl_ < static_cast<int>(halb_.size()); ++i) {
            const TLogPunkt a = ecken[i], b = ecken[(i + 1) % n];
            const double ex = static_cast<double>(b.x) - a.x, ey = static_cast<double>(b.y) - a.y;
            const double l = std::sqrt(ex * ex + ey * ey);
            if (l == 0) continue;
            // The inner normal: to the left of the edge when the corners turn left.
            Halbebene& h = halb_[anzahl_++];
            h.nx = -ey / l * sinn;
            h.ny = ex / l * sinn;
            h.c = h.nx * a.x + h.ny * a.y + rand;
        }
        leer_ = anzahl_ < 3;
    }

    bool Leer() const { return leer_; }

    bool Enthaelt(double x, double y) const {
        if (leer_) return false;
        for (int i = 0; i < anzahl_; ++i)
            if (!(halb_[i].nx * x + halb_[i].ny * y > halb_[i].c)) return false;
        return true;
    }

    // A part of the segment of some length lies inside.
    bool TrifftStrecke(TLogPunkt a, TLogPunkt b) const {
        if (leer_) return false;
        const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
        double t0 = 0, t1 = 1;
        for (int i = 0; i < anzahl_; ++i) {
            const Halbebene& h = halb_[i];
            const double wert = h.nx * a.x + h.ny * a.y - h.c; // > 0 inside, at t = 0
            const double aenderung = h.nx * dx + h.ny * dy;
            if (aenderung == 0) {
                if (!(wert > 0)) return false;
                continue;
            }
            const double t = -wert / aenderung;
            if (aenderung > 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (!(t0 < t1)) return false;
        }
        // Some length, not a single touching point.
        return (t1 - t0) * std::sqrt(dx * dx + dy * dy) > 0.5;
    }

    // The other polygon, moved inwards by its own rim, meets this inside in
    // an area.
    bool TrifftFlaeche(const TInnenbereich& andere, const TLogPunkt* ecken, int n) const {
        if (leer_ || andere.leer_ || n < 3 || n > MaxPunkte / 2) return false;
        // Only what a cut has written is read: the buffers need no clearing.
        Punkte puffer[2];
        Punkte* p = &puffer[0];
        Punkte* q = &puffer[1];
        int np = n;
        for (int i = 0; i < n; ++i)
            (*p)[i] = {static_cast<double>(ecken[i].x), static_cast<double>(ecken[i].y)};
        for (const TInnenbereich* bereich : {this, &andere})
            for (int k = 0; k < bereich->anzahl_ && np > 0; ++k) {
                np = Abschneiden(bereich->halb_[k], *p, np, *q);
                std::swap(p, q);
            }
        if (np < 3) return false;
        double f = 0;
        for (int i = 0; i < np; ++i) {
            const auto& u = (*p)[i];
            const auto& v = (*p)[(i + 1) % np];
            f += u[0] * v[1] - v[0] * u[1];
        }
        return std::fabs(f) > 1;
    }

private:
    struct Halbebene {
        double nx, ny, c; // inside: nx x + ny y > c
    };
    // A convex polygon of up to 10 corners cut by up to 20 half-planes
    // gains at most one corner per cut.
    static constexpr int MaxPunkte = 40;
    using Punkte = std::array<std::array<double, 2>, MaxPunkte>;

    // Sutherland-Hodgman: the part of the polygon inside one half-plane.
    static int Abschneiden(const Halbebene& h, const Punkte& ein, int n, Punkte& aus) {
        int m = 0;
        for (int i = 0; i < n; ++i) {
            const auto& a = ein[i];
            const auto& b = ein[(i + 1) % n];
            const double wa = h.nx * a[0] + h.ny * a[1] - h.c;
            const double wb = h.nx * b[0] + h.ny * b[1] - h.c;
            if (wa >= 0 && m < MaxPunkte) aus[m++] = a;
            if (((wa >= 0) != (wb >= 0)) && m < MaxPunkte) {
                const double t = wa / (wa - wb);
                aus[m++] = {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])};
            }
        }
        return m;
    }

    // Only the first anzahl_ are ever read.
    std::array<Halbebene, 16> halb_;
    int anzahl_ = 0;
    bool leer_ = true;
};

} // namespace kalvorin::bild
