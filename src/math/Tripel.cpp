#include "math/Tripel.h"

#include <cmath>

namespace kalvorin {

TTripel TripelSumme(TTripel a, TTripel b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

TTripel TripelDifferenz(TTripel a, TTripel b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

TTripel Verbindungsvektor(TTripel a, TTripel b) {
    return TripelDifferenz(b, a);
}

TTripel Vielfaches(TTripel v, Real t) {
    return {t * v.x, t * v.y, t * v.z};
}

void Vervielfachen(TTripel& v, Real t) {
    v = Vielfaches(v, t);
}

Real Skalarprodukt(TTripel a, TTripel b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TTripel Kreuzprodukt(TTripel a, TTripel b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Real Betrag(TTripel v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

void Normieren(TTripel& v) {
    const Real l = Betrag(v);
    v = l > 0 ? TTripel{v.x / l, v.y / l, v.z / l} : NullTripel;
}

void Negieren(TTripel& v) {
    v = {-v.x, -v.y, -v.z};
}

bool IstNullvektor(TTripel v) {
    return v.x == 0 && v.y == 0 && v.z == 0;
}

TTripel Mittelpunkt(TTripel a, TTripel b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

TTripel GeradenPunkt(TTripel p, TTripel v, Real t) {
    return TripelSumme(p, Vielfaches(v, t));
}

std::pair<Real, Real> InterpolationNachX(TTripel a, TTripel b, Real x) {
    const Real da = b.x - x;
    const Real db = x - a.x;
    const Real d = b.x - a.x;
    return {(da * a.y + db * b.y) / d, (da * a.z + db * b.z) / d};
}

TQuader Grenzen(const std::vector<TTripel>& punkte) {
    const TTripel& p0 = punkte.front();
    TQuader q{p0.x, p0.x, p0.y, p0.y, p0.z, p0.z};
    auto erweitere = [](Real w, Real& lo, Real& hi) {
        if (w > hi)
            hi = w;
        else if (w < lo)
            lo = w;
    };
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        erweitere(punkte[i].x, q.xmin, q.xmax);
        erweitere(punkte[i].y, q.ymin, q.ymax);
        erweitere(punkte[i].z, q.zmin, q.zmax);
    }
    return q;
}

void Tausche(TTripel& a, TTripel& b) {
    std::swap(a, b);
}
void Tausche(int& a, int& b) {
    std::swap(a, b);
}

Real Zwischenwinkel(TTripel a, TTripel b) {
    const Real la = Betrag(a);
    const Real lb = Betrag(b);
    if (la * lb == 0) return 0;
    Real c = Skalarprodukt(a, b) / (la * lb);
    if (std::fabs(c) > 1) c = c > 0 ? 1 : -1;
    const Real s = std::sqrt(1 - c * c);
    if (c > 0) return std::atan(s / c);
    if (c < 0) return Pi - std::atan(s / -c);
    return PiHalbe;
}

} // namespace kalvorin
