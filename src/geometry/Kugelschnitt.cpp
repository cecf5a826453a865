#include "geometry/Kugelschnitt.h"

#include <cmath>

namespace kalvorin {

namespace {

constexpr Real Beruehrtoleranz = 1e-6L;

} // namespace

TKugelschnitt KugelEbene(TTripel m, Real r, TTripel a, TTripel n) {
    TKugelschnitt s;
    const Real l = Betrag(n);
    if (l == 0) return s;
    const Real d = Skalarprodukt(n, Verbindungsvektor(a, m)) / l; // signed
    const TTripel fuss = TripelDifferenz(m, Vielfaches(n, d / l));
    const Real q = r * r - d * d;
    if (std::fabs(std::fabs(d) - r) <= Beruehrtoleranz) {
        s.Anzahl = 1;
        s.Punkte[0] = fuss;
        return s;
    }
    if (q < 0) return s;
    s.Anzahl = 2;
    s.Mitte = fuss;
    s.Normale = n;
    s.Radius = std::sqrt(q);
    return s;
}

TKugelschnitt KugelGerade(TTripel m, Real r, TTripel a, TTripel u) {
    TKugelschnitt s;
    const Real uu = Skalarprodukt(u, u);
    if (uu == 0) return s;
    // |a + t u − m|² = r²: uu t² + 2 b t + c = 0.
    const TTripel w = Verbindungsvektor(m, a);
    const Real b = Skalarprodukt(u, w);
    const Real c = Skalarprodukt(w, w) - r * r;
    const Real t0 = -b / uu;
    // The distance of the line from the centre decides touching.
    const Real abstand = Betrag(Verbindungsvektor(m, GeradenPunkt(a, u, t0)));
    if (std::fabs(abstand - r) <= Beruehrtoleranz) {
        s.Anzahl = 1;
        s.Punkte[0] = GeradenPunkt(a, u, t0);
        return s;
    }
    const Real disk = b * b - uu * c;
    if (disk < 0) return s;
    const Real w2 = std::sqrt(disk);
    s.Anzahl = 2;
    s.Punkte[0] = GeradenPunkt(a, u, (-b - w2) / uu);
    s.Punkte[1] = GeradenPunkt(a, u, (-b + w2) / uu);
    return s;
}

TKugelschnitt KugelKugel(TTripel m1, Real r1, TTripel m2, Real r2) {
    TKugelschnitt s;
    const TTripel v = Verbindungsvektor(m1, m2);
    const Real d = Betrag(v);
    if (d == 0) return s;
    // The plane of the circle lies at a from m1 along v.
    const Real a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
    const TTripel mitte = TripelSumme(m1, Vielfaches(v, a / d));
    if (std::fabs(d - (r1 + r2)) <= Beruehrtoleranz ||
        std::fabs(d - std::fabs(r1 - r2)) <= Beruehrtoleranz) {
        s.Anzahl = 1;
        s.Punkte[0] = mitte;
        return s;
    }
    const Real q = r1 * r1 - a * a;
    if (q < 0) return s;
    s.Anzahl = 2;
    s.Mitte = mitte;
    s.Normale = v;
    s.Radius = std::sqrt(q);
    return s;
}

} // namespace kalvorin
