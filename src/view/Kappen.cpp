#include "view/Kappen.h"

#include <algorithm>

namespace kalvorin {

namespace {

using P = TPunkt2D;

// One side of the rectangle.
template <class Innen, class Schnitt>
std::vector<P> Kappen(const std::vector<P>& ein, Innen innen, Schnitt schnitt) {
    std::vector<P> aus;
    if (ein.empty()) return aus;
    P vorher = ein.back();
    for (const P& p : ein) {
        const bool pi = innen(p), vi = innen(vorher);
        if (pi != vi) aus.push_back(schnitt(vorher, p));
        if (pi) aus.push_back(p);
        vorher = p;
    }
    return aus;
}

} // namespace

std::vector<P> PolygonKappen(std::vector<P> e, P min, P max) {
    e = Kappen(
        e, [&](const P& p) { return p.x >= min.x; },
        [&](const P& a, const P& b) {
            return P{min.x, a.y + (b.y - a.y) * (min.x - a.x) / (b.x - a.x)};
        });
    e = Kappen(
        e, [&](const P& p) { return p.x <= max.x; },
        [&](const P& a, const P& b) {
            return P{max.x, a.y + (b.y - a.y) * (max.x - a.x) / (b.x - a.x)};
        });
    e = Kappen(
        e, [&](const P& p) { return p.y >= min.y; },
        [&](const P& a, const P& b) {
            return P{a.x + (b.x - a.x) * (min.y - a.y) / (b.y - a.y), min.y};
        });
    e = Kappen(
        e, [&](const P& p) { return p.y <= max.y; },
        [&](const P& a, const P& b) {
            return P{a.x + (b.x - a.x) * (max.y - a.y) / (b.y - a.y), max.y};
        });
    return e;
}

bool StreckeKappen(P& a, P& b, P min, P max) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const auto kante = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        return t0 <= t1;
    };
    if (!kante(-dx, a.x - min.x) || !kante(dx, max.x - a.x) || !kante(-dy, a.y - min.y) ||
        !kante(dy, max.y - a.y))
        return false;
    const P von{a.x + t0 * dx, a.y + t0 * dy}, bis{a.x + t1 * dx, a.y + t1 * dy};
    a = von;
    b = bis;
    return true;
}

} // namespace kalvorin
