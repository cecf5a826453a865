#include "math/Matrix4.h"

#include <cmath>

namespace kalvorin {

namespace {

TTripel Einheit(TTripel v) {
    Normieren(v);
    return v;
}

Real Komponente(TTripel v, int i) {
    return i == 0 ? v.x : (i == 1 ? v.y : v.z);
}

// T(p) * M * T(-p): the map M moved so that it acts about p instead of the origin.
TMatrix4 UmPunkt(const TMatrix4& m, TTripel p) {
    if (IstNullvektor(p)) return m;
    TTripel minusP = p;
    Negieren(minusP);
    return Matrixprodukt(Verschiebungsmatrix(p), Matrixprodukt(m, Verschiebungsmatrix(minusP)));
}

} // namespace

TMatrix4 Einheitsmatrix() {
    TMatrix4 e;
    for (int i = 0; i < 4; ++i)
        e(i, i) = 1;
    return e;
}

TMatrix4 Matrixprodukt(const TMatrix4& a, const TMatrix4& b) {
    TMatrix4 c;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            Real s = 0;
            for (int k = 0; k < 4; ++k)
                s += a(i, k) * b(k, j);
            c(i, j) = s;
        }
    return c;
}

TTripel Abbilden(const TMatrix4& m, TTripel p) {
    Real r[4];
    for (int i = 0; i < 4; ++i)
        r[i] = m(i, 0) * p.x + m(i, 1) * p.y + m(i, 2) * p.z + m(i, 3);
    if (r[3] != 1) return {r[0] / r[3], r[1] / r[3], r[2] / r[3]};
    return {r[0], r[1], r[2]};
}

TMatrix4 Verschiebungsmatrix(TTripel t) {
    TMatrix4 m = Einheitsmatrix();
    m(0, 3) = t.x;
    m(1, 3) = t.y;
    m(2, 3) = t.z;
    return m;
}

TMatrix4 ZDrehmatrix(Real phi) {
    TMatrix4 m = Einheitsmatrix();
    const Real c = std::cos(phi), s = std::sin(phi);
    m(0, 0) = c;
    m(0, 1) = -s;
    m(1, 0) = s;
    m(1, 1) = c;
    return m;
}

TMatrix4 Drehmatrix(TTripel p, TTripel d, Real phi) {
    const TTripel n = Einheit(d);
    const Real c = std::cos(phi), s = std::sin(phi);
    // Sign of the n_k * sin term for i != j (right-handed rotation).
    static constexpr int vorzeichen[3][3] = {{0, -1, 1}, {1, 0, -1}, {-1, 1, 0}};
    TMatrix4 r = Einheitsmatrix();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const Real ni = Komponente(n, i), nj = Komponente(n, j);
            if (i == j) {
                r(i, i) = ni * ni * (1 - c) + c;
            } else {
                const int k = 3 - i - j;
                r(i, j) = ni * nj * (1 - c) + vorzeichen[i][j] * Komponente(n, k) * s;
            }
        }
    return UmPunkt(r, p);
}

TMatrix4 Spiegelungsmatrix(TTripel p, TTripel m) {
    const TTripel n = Einheit(m);
    TMatrix4 s = Einheitsmatrix();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            s(i, j) = (i == j ? 1 : 0) - 2 * Komponente(n, i) * Komponente(n, j);
    return UmPunkt(s, p);
}

TMatrix4 OProjektionsmatrix(TTripel p, TTripel m) {
    const TTripel n = Einheit(m);
    const Real d = Skalarprodukt(p, n);
    TMatrix4 r = Einheitsmatrix();
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            r(i, j) = (i == j ? 1 : 0) - Komponente(n, i) * Komponente(n, j);
        r(i, 3) = d * Komponente(n, i);
    }
    return r;
}

TMatrix4 PProjektionsmatrix(TTripel v, TTripel p, TTripel m) {
    const TTripel n = Einheit(m);
    const Real d = Skalarprodukt(p, n);
    const Real q = Skalarprodukt(v, n);
    TMatrix4 r = Einheitsmatrix();
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            r(i, j) = (i == j ? 1 : 0) - Komponente(v, i) * Komponente(n, j) / q;
        r(i, 3) = Komponente(v, i) * d / q;
    }
    return r;
}

} // namespace kalvorin
