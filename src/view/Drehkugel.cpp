#include "view/Drehkugel.h"

#include "math/Projektion.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {
// Share of the viewing direction along x: 2 sqrt(2) / sqrt(10).
constexpr Real BlickAnteilX = 0.89442719L;
constexpr Real Grenze32 = 2147483647.0L;
} // namespace

TDrehkugel DrehkugelFuer(Real h, const TWeltAbbildung& abbildung) {
    TDrehkugel k;
    const TTripel e1{-h, -h, -h}, e2{h, h, h};
    k.Mitte = Mittelpunkt(e1, e2);
    k.Radius =
        std::max(Betrag(Verbindungsvektor(k.Mitte, e1)), Betrag(Verbindungsvektor(k.Mitte, e2))) /
        std::sqrt(2.0L);

    const TZeichenpunkt m = Projizieren(k.Mitte);
    k.BildMitte = abbildung.WeltZuLogisch(m);
    const TLogPunkt oben = abbildung.WeltZuLogisch({m.u, m.v + k.Radius / BlickAnteilX});
    const Real dx = static_cast<Real>(oben.x) - k.BildMitte.x;
    const Real dy = static_cast<Real>(oben.y) - k.BildMitte.y;
    Real r = 1.02L * std::sqrt(dx * dx + dy * dy);
    // centre +- radius must stay a 32-bit logical coordinate
    const Real spielraum = std::min({Grenze32 - k.BildMitte.x, Grenze32 + k.BildMitte.x,
                                     Grenze32 - k.BildMitte.y, Grenze32 + k.BildMitte.y});
    r = std::clamp(r, 0.0L, spielraum);
    k.BildRadius = static_cast<std::int32_t>(std::llround(r));
    k.BildBerechnet = true;
    return k;
}

TTripel Kugelpunkt(const TDrehkugel& kugel, TLogPunkt maus) {
    // A sphere without image would divide by zero: every position is then its centre.
    if (kugel.BildRadius <= 0) return {1, 0, 0};
    const Real b = (static_cast<Real>(maus.x) - kugel.BildMitte.x) / kugel.BildRadius;
    const Real c = (static_cast<Real>(maus.y) - kugel.BildMitte.y) / kugel.BildRadius;
    const Real d = b * b + c * c;
    if (d >= 1) {
        const Real w = std::sqrt(d);
        return {0, b / w, c / w};
    }
    return {std::sqrt(1 - d), b, c};
}

TMatrix4 Ziehdrehung(const TDrehkugel& kugel, TLogPunkt vorher, TLogPunkt jetzt) {
    const TTripel p = Kugelpunkt(kugel, vorher);
    const TTripel q = Kugelpunkt(kugel, jetzt);
    return Drehmatrix(kugel.Mitte, Kreuzprodukt(p, q), Zwischenwinkel(p, q));
}

} // namespace kalvorin
