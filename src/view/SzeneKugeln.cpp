// Spheres and circles in the scene: each circle is a ring of line pieces
// (chords) that take part in the depth order and the hit test like any
// line; drawn, each chord becomes a few strokes of the true curve. A
// sphere's outline depends on the view and is made anew by every
// projection.

#include "math/Projektion.h"
#include "view/GSzene.h"

#include <cmath>

namespace kalvorin {

namespace {

constexpr Real ZweiPi = 2 * Pi;
// A sphere's circles lie one after the other on its parameter with a gap
// between them, so that the end of one circle (its angle 2 pi) is not the
// start of the next and every parameter names one circle.
constexpr Real Kreisabstand = 2 * ZweiPi;
constexpr Real Wurzel3 = 1.7320508075688772935L;

// Two radius vectors of length r at right angles across the direction n.
void Radiusvektoren(TTripel n, Real r, TTripel& u, TTripel& v) {
    const Real l = Betrag(n);
    if (l == 0) {
        u = {r, 0, 0};
        v = {0, r, 0};
        return;
    }
    const TTripel e = Vielfaches(n, 1 / l);
    // The axis least along n gives the first vector.
    const TTripel achse = std::fabs(e.x) <= std::fabs(e.y) && std::fabs(e.x) <= std::fabs(e.z)
                              ? TTripel{1, 0, 0}
                          : std::fabs(e.y) <= std::fabs(e.z) ? TTripel{0, 1, 0}
                                                             : TTripel{0, 0, 1};
    TTripel a = Kreuzprodukt(e, achse);
    a = Vielfaches(a, r / Betrag(a));
    u = a;
    v = Kreuzprodukt(e, a);
}

TTripel Linearteil(const TMatrix4& m, TTripel w) {
    return {m(0, 0) * w.x + m(0, 1) * w.y + m(0, 2) * w.z,
            m(1, 0) * w.x + m(1, 1) * w.y + m(1, 2) * w.z,
            m(2, 0) * w.x + m(2, 1) * w.y + m(2, 2) * w.z};
}

int Kreiszahl(const TSzenenObjekt& o) {
    return o.Art == TObjektArt::Kugel ? 3 : 1;
}

} // namespace

TTripel tGSzene::ZumBetrachter() const {
    // Rotated space projects along k = (1, s, s); larger coordinates lie
    // nearer to the viewer. In document space that is the direction the
    // linear part of the view matrix takes to k: across both rows of
    // projection times matrix.
    const Real s = Schraegfaktor;
    TTripel l1, l2;
    Real* z1[3] = {&l1.x, &l1.y, &l1.z};
    Real* z2[3] = {&l2.x, &l2.y, &l2.z};
    for (int j = 0; j < 3; ++j) {
        *z1[j] = -s * matrix_(0, j) + matrix_(1, j);
        *z2[j] = -s * matrix_(0, j) + matrix_(2, j);
    }
    TTripel w = Kreuzprodukt(l1, l2);
    const Real l = Betrag(w);
    if (l == 0) return {1, 0, 0};
    w = Vielfaches(w, 1 / l);
    const TTripel bild = Linearteil(matrix_, w);
    if (Skalarprodukt(bild, TTripel{1, s, s}) < 0) w = Vielfaches(w, -1);
    return w;
}

bool tGSzene::HinterKugel(TTripel p, TTripel m, Real r) const {
    // The ray from p towards the viewer meets the sphere at a parameter > 0.
    const TTripel w = ZumBetrachter();
    const TTripel q = TripelDifferenz(p, m);
    const Real b = Skalarprodukt(q, w);
    const Real c = Skalarprodukt(q, q) - r * r;
    const Real disk = b * b - c;
    if (!(disk > 0)) return false;
    const Real weit = -b + std::sqrt(disk);
    return weit > 1e-6L * std::max<Real>(r, 1);
}

bool tGSzene::VonKugelVerdeckt(TTripel p, int ausser) const {
    for (int nr = 1; nr <= Objektzahl(); ++nr) {
        const TSzenenObjekt& o = objekte_[nr - 1];
        if (nr != ausser && o.Art == TObjektArt::Kugel && o.Gezeigt && HinterKugel(p, o.Basis, o.D))
            return true;
    }
    return false;
}

TTripel tGSzene::Kurvenpunkt(const TSzenenObjekt& o, Real t) const {
    const int kreise = Kreiszahl(o);
    int c = static_cast<int>(std::floor(t / Kreisabstand));
    c = c < 0 ? 0 : (c >= kreise ? kreise - 1 : c);
    const Real a = t - c * Kreisabstand;
    const Real ca = std::cos(a), sa = std::sin(a);
    TTripel u = o.U, v = o.V;
    if (o.Art == TObjektArt::Kugel && c == 1) { // the equator
        u = {o.D, 0, 0};
        v = {0, o.D, 0};
    } else if (o.Art == TObjektArt::Kugel && c == 2) { // a meridian
        u = {o.D, 0, 0};
        v = {0, 0, o.D};
    }
    return TripelSumme(o.Basis, TripelSumme(Vielfaches(u, ca), Vielfaches(v, sa)));
}

void tGSzene::BogenStueckSetzen(TStueck& s, const TSzenenObjekt& o) const {
    s.Eckenzahl = 2;
    s.Ecken[0] = Kurvenpunkt(o, s.Unten);
    s.Ecken[1] = Kurvenpunkt(o, s.Oben);
    s.Bezugspunkt = Kurvenpunkt(o, (s.Unten + s.Oben) / 2);
}

int tGSzene::RundesObjekt(TObjektArt art, TTripel mitte, Real radius, TTripel normale) {
    const int kreise = art == TObjektArt::Kugel ? 3 : 1;
    if (Objektzahl() >= MaxSzenenObjekte || Stueckzahl() + kreise * Bogenstuecke > MaxStuecke)
        return SzeneVoll;
    if (!(radius > 0) || Betrag(TripelDifferenz(mitte, mitte_)) > Wurzel3 * h_ + radius)
        return SzeneAusserhalb;
    const int nr = NeuesObjekt(art);
    TSzenenObjekt& o = objekte_[nr - 1];
    o.Basis = mitte;
    o.D = radius;
    o.N = normale;
    o.Unten = 0;
    o.Oben = (kreise - 1) * Kreisabstand + ZweiPi;
    Radiusvektoren(art == TObjektArt::Kugel ? ZumBetrachter() : normale, radius, o.U, o.V);
    o.Beschriftungspunkt = Kurvenpunkt(o, Pi / 4);
    for (int c = 0; c < kreise; ++c)
        for (int i = 0; i < Bogenstuecke; ++i) {
            TStueck& s = stuecke_[NeuesStueck(nr, TStueckArt::Linie) - 1];
            s.Unten = c * Kreisabstand + i * ZweiPi / Bogenstuecke;
            s.Oben = c * Kreisabstand + (i + 1) * ZweiPi / Bogenstuecke;
            BogenStueckSetzen(s, o);
        }
    ++stand_;
    return nr;
}

int tGSzene::KugelHinzufuegen(TTripel mitte, Real radius) {
    return RundesObjekt(TObjektArt::Kugel, mitte, radius, {});
}

int tGSzene::KreisHinzufuegen(TTripel mitte, TTripel normale, Real radius) {
    if (IstNullvektor(normale)) return SzeneAusserhalb;
    return RundesObjekt(TObjektArt::Kreis, mitte, radius, normale);
}

void tGSzene::UmrissSetzen(int objekt) {
    TSzenenObjekt& o = objekte_[objekt - 1];
    Radiusvektoren(ZumBetrachter(), o.D, o.U, o.V);
    o.Beschriftungspunkt = Kurvenpunkt(o, Pi / 4);
    for (TStueck& s : stuecke_)
        if (s.Objekt == objekt && s.Oben <= ZweiPi + 1e-9L) BogenStueckSetzen(s, o);
}

std::array<TLogPunkt, Bogenteile + 1> tGSzene::Bogen(const TStueck& s,
                                                     const TSzenenObjekt& o) const {
    std::array<TLogPunkt, Bogenteile + 1> b{};
    for (int i = 0; i <= Bogenteile; ++i)
        b[static_cast<std::size_t>(i)] =
            i == 0            ? s.EckenProj[0]
            : i == Bogenteile ? s.EckenProj[1]
                              : Bild(Kurvenpunkt(o, s.Unten + (s.Oben - s.Unten) * i / Bogenteile));
    return b;
}

} // namespace kalvorin
