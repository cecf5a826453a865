#include "math/Projektion.h"

namespace kalvorin {

TWeltRechteck Zeichenfenster(Real h) {
    // The corners (H, -H, -H) and (-H, H, H) project to the extreme corners of
    // the cube's image.
    const TZeichenpunkt a = Projizieren({h, -h, -h});
    const TZeichenpunkt b = Projizieren({-h, h, h});
    const Real mu = (a.u + b.u) / 2, mv = (a.v + b.v) / 2;
    const Real hu = (b.u - a.u) / 2 * 1.5L, hv = (b.v - a.v) / 2 * 1.5L;
    return {mu - hu, mv - hv, mu + hu, mv + hv};
}

TMatrix4 Ausgangslage() {
    return ZDrehmatrix(AusgangsDrehwinkel);
}

TMatrix4 Heftdehnung() {
    TMatrix4 m = Einheitsmatrix();
    m(0, 0) = HeftSchraegfaktor / Schraegfaktor;
    return m;
}

TMatrix4 Heftlage(Real drehung, Real kippung) {
    const TMatrix4 kippen = Drehmatrix(NullTripel, {0, 1, 0}, kippung);
    return Matrixprodukt(Heftdehnung(), Matrixprodukt(kippen, ZDrehmatrix(drehung)));
}

} // namespace kalvorin
