#include "view/GSzene.h"

#include "math/Koordinatensystem.h"
#include "math/Skalar.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kalvorin {

namespace {

constexpr Real Wurzel2 = 1.4142135623730950488L;
constexpr Real Wurzel3 = 1.7320508075688772935L;
// Offsets of ticks, labels and arrow heads, in world units.
constexpr Real Strichlaenge = 0.3L;
constexpr Real Pfeillaenge = 0.3L;
constexpr Real PfeilHalbbreite = 0.15L;

// Unit vector of an axis letter; the zero triple for anything else.
TTripel Achsenrichtung(char achse) {
    switch (achse) {
    case 'X':
        return {1, 0, 0};
    case 'Y':
        return {0, 1, 0};
    case 'Z':
        return {0, 0, 1};
    default:
        return NullTripel;
    }
}

// Ticks and labels stand off in y from the x- and z-axis, in x from the y-axis.
TTripel Seitenrichtung(char achse) {
    return achse == 'Y' ? TTripel{1, 0, 0} : TTripel{0, 1, 0};
}

char Gross(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

tGSzene::tGSzene(const TWeltAbbildung& abbildung)
    : abbildung_(&abbildung), matrix_(Einheitsmatrix()) {
    objekte_.reserve(MaxSzenenObjekte);
    stuecke_.reserve(MaxStuecke);
    folge_.reserve(MaxStuecke);
}

void tGSzene::SetzeDarstellungswuerfel(TTripel mitte, Real h) {
    Leeren();
    mitte_ = mitte;
    h_ = h;
}

void tGSzene::Leeren() {
    objekte_.clear();
    stuecke_.clear();
    koerper_.clear();
    Entwerten();
}

void tGSzene::Entwerten() {
    ++stand_;
    projiziert_ = false;
    std::lock_guard sperre(folgeSperre_.m);
    sortiert_ = false;
    folgeOffen_ = false;
    folge_.clear();
}

void tGSzene::MatrixAnwenden(const TMatrix4& m) {
    matrix_ = Matrixprodukt(m, matrix_);
    ++stand_;
}

void tGSzene::MatrixZuruecksetzen() {
    matrix_ = Einheitsmatrix();
    ++stand_;
}

void tGSzene::Ziehen(TLogPunkt vorher, TLogPunkt jetzt, bool kippen) {
    if (!Heftansicht()) {
        MatrixAnwenden(Ziehdrehung(kugel_, vorher, jetzt));
        return;
    }
    // Like a turntable: the way across the sphere's image is the angle, and
    // the z-axis stays upright.
    const Real r = kugel_.BildRadius > 0 ? static_cast<Real>(kugel_.BildRadius) : LogischeSeite;
    if (kippen)
        SetzeHeftlage(heftDrehung_, heftKippung_ + (static_cast<Real>(jetzt.y) - vorher.y) / r);
    else
        SetzeHeftlage(heftDrehung_ + (static_cast<Real>(jetzt.x) - vorher.x) / r, heftKippung_);
}

void tGSzene::SetzeHeftlage(Real drehung, Real kippung) {
    constexpr Real GrenzeKippung = 30 * Pi / 180;
    // Whole turns are left out, so that the angle stays exact.
    heftDrehung_ = std::remainder(drehung, 2 * Pi);
    heftKippung_ = std::clamp(kippung, -GrenzeKippung, GrenzeKippung);
    matrix_ = Heftlage(heftDrehung_, heftKippung_);
    ++stand_;
}

TLogPunkt tGSzene::Bild(TTripel p) const {
    return abbildung_->WeltZuLogisch(kalvorin::Projizieren(Abbilden(matrix_, p)));
}

TSzenenObjekt* tGSzene::ObjektPtr(int nr) {
    if (nr < 1 || nr > Objektzahl()) return nullptr;
    ++stand_; // the caller changes the object
    return &objekte_[nr - 1];
}

// The callers make room first; running past the limits here would be an
// internal error, never a silent overflow.
int tGSzene::NeuesObjekt(TObjektArt art) {
    if (Objektzahl() >= MaxSzenenObjekte)
        throw std::logic_error("tGSzene: no room for another object");
    objekte_.emplace_back();
    objekte_.back().Art = art;
    Entwerten();
    return Objektzahl();
}

int tGSzene::NeuesStueck(int objekt, TStueckArt art) {
    if (Stueckzahl() >= MaxStuecke) throw std::logic_error("tGSzene: no room for another piece");
    stuecke_.emplace_back();
    stuecke_.back().Objekt = objekt;
    stuecke_.back().Art = art;
    return Stueckzahl();
}

bool tGSzene::Kugelschnitt(TTripel p, TTripel w, Real& t1, Real& t2) const {
    const Real r = 1.2L * h_;
    const TTripel q = TripelDifferenz(p, mitte_);
    const Real a = Skalarprodukt(w, w);
    const Real b = 2 * Skalarprodukt(q, w);
    const Real c = Skalarprodukt(q, q) - r * r;
    const Real disk = b * b - 4 * a * c;
    if (!(disk > 0)) return false;
    const Real w2 = std::sqrt(disk);
    t1 = (-b - w2) / (2 * a);
    t2 = (w2 - b) / (2 * a);
    return true;
}

void tGSzene::LinienStueckSetzen(TStueck& s, const TSzenenObjekt& o, Real unten, Real oben) {
    s.Unten = unten;
    s.Oben = oben;
    s.Eckenzahl = 2;
    s.Ecken[0] = GeradenPunkt(o.Basis, o.Richtung, unten);
    s.Ecken[1] = GeradenPunkt(o.Basis, o.Richtung, oben);
    s.Bezugspunkt = Mittelpunkt(s.Ecken[0], s.Ecken[1]);
}

void tGSzene::PolygonBezugSetzen(TStueck& s) {
    s.Bezugspunkt =
        Vielfaches(TripelSumme(TripelSumme(s.Ecken[0], s.Ecken[1]), s.Ecken[2]), 1.0L / 3);
}

int tGSzene::LinienObjekt(TObjektArt art, TTripel p, TTripel w, Real unten, Real oben) {
    const int nr = NeuesObjekt(art);
    TSzenenObjekt& o = objekte_[nr - 1];
    o.Basis = p;
    o.Richtung = w;
    o.Unten = unten;
    o.Oben = oben;
    if (art == TObjektArt::Strecke)
        o.Beschriftungspunkt = GeradenPunkt(p, w, (unten + oben) / 2);
    else
        o.Beschriftungspunkt = GeradenPunkt(p, w, oben);
    const int erstes = NeuesStueck(nr, TStueckArt::Linie);
    LinienStueckSetzen(stuecke_[erstes - 1], o, unten, oben);
    return nr;
}

int tGSzene::PunktHinzufuegen(TTripel p) {
    if (Objektzahl() >= MaxSzenenObjekte || Stueckzahl() >= MaxStuecke) return SzeneVoll;
    if (Betrag(TripelDifferenz(p, mitte_)) > Wurzel3 * h_) return SzeneAusserhalb;
    const int nr = NeuesObjekt(TObjektArt::Punkt);
    TSzenenObjekt& o = objekte_[nr - 1];
    o.Basis = p;
    o.Beschriftungspunkt = p;
    TStueck& s = stuecke_[NeuesStueck(nr, TStueckArt::Punkt) - 1];
    s.Eckenzahl = 1;
    s.Ecken[0] = p;
    s.Bezugspunkt = p;
    return nr;
}

int tGSzene::GeradeHinzufuegen(TTripel p, TTripel richtung) {
    if (Objektzahl() >= MaxSzenenObjekte || Stueckzahl() >= MaxStuecke) return SzeneVoll;
    Real t1 = 0, t2 = 0;
    if (!Kugelschnitt(p, richtung, t1, t2)) return SzeneAusserhalb;
    const int erstes = Stueckzahl() + 1;
    const int nr = LinienObjekt(TObjektArt::Gerade, p, richtung, t1, t2);
    NeueStueckeSchneiden(nr, erstes);
    return nr;
}

int tGSzene::StreckeHinzufuegen(TTripel p, TTripel richtung, Real oben, Real unten) {
    if (Objektzahl() >= MaxSzenenObjekte || Stueckzahl() >= MaxStuecke) return SzeneVoll;
    Real t1 = 0, t2 = 0;
    if (!Kugelschnitt(p, richtung, t1, t2)) return SzeneAusserhalb;
    const Real lo = std::max(unten, t1), hi = std::min(oben, t2);
    if (!(lo < hi)) return SzeneAusserhalb;
    const int erstes = Stueckzahl() + 1;
    const int nr = LinienObjekt(TObjektArt::Strecke, p, richtung, lo, hi);
    objekte_[nr - 1].EndeGekappt = hi < oben;
    NeueStueckeSchneiden(nr, erstes);
    return nr;
}

int tGSzene::AchseHinzufuegen(char achse, Real oben, Real unten) {
    achse = Gross(achse);
    const TTripel e = Achsenrichtung(achse);
    if (Objektzahl() >= MaxSzenenObjekte || Stueckzahl() >= MaxStuecke || !(oben > unten) ||
        IstNullvektor(e))
        return SzeneVoll;
    const int erstes = Stueckzahl() + 1;
    const int nr = LinienObjekt(TObjektArt::Achse, NullTripel, e, unten, oben);
    TSzenenObjekt& o = objekte_[nr - 1];
    o.Achse = achse;
    o.Name = std::string(1, static_cast<char>(achse - 'A' + 'a'));
    o.Beschriftungspunkt =
        TripelSumme(Vielfaches(e, oben), Vielfaches(Seitenrichtung(achse), Strichlaenge));
    o.Pfeil = true;
    Pfeilspitze(o);
    NeueStueckeSchneiden(nr, erstes);
    return nr;
}

int tGSzene::FlaechenObjekt(TObjektArt art, TTripel basis, TTripel u, TTripel v,
                            const std::array<TTripel, 4>& ecken) {
    const int nr = NeuesObjekt(art);
    {
        TSzenenObjekt& o = objekte_[nr - 1];
        o.Basis = basis;
        o.U = u;
        o.V = v;
        o.N = Kreuzprodukt(u, v);
        o.D = Skalarprodukt(o.N, basis);
        if (o.D < 0) {
            Negieren(o.N);
            o.D = -o.D;
        }
        o.Beschriftungspunkt = basis;
    }
    const int erstes = NeuesStueck(nr, TStueckArt::Polygon);
    TStueck& s = stuecke_[erstes - 1];
    s.Eckenzahl = 4;
    std::copy(ecken.begin(), ecken.end(), s.Ecken.begin());
    PolygonBezugSetzen(s);
    // The four edges must find their pieces after all the cuts.
    reserviert_ = 4;
    NeueStueckeSchneiden(nr, erstes);
    EbeneSchneidetAlle(nr);

    for (int i = 0; i < 4; ++i) {
        reserviert_ = 3 - i;
        const int kante = Stueckzahl() + 1;
        const int r = LinienObjekt(TObjektArt::Rand, ecken[i],
                                   Verbindungsvektor(ecken[i], ecken[(i + 1) % 4]), 0, 1);
        objekte_[r - 1].Ebene = nr;
        objekte_[r - 1].Waehlbar = false;
        NeueStueckeSchneiden(r, kante);
    }
    reserviert_ = 0;
    return nr;
}

int tGSzene::EbeneHinzufuegen(TTripel p, TTripel u, TTripel v) {
    // The plane and its four edges.
    if (Objektzahl() > MaxSzenenObjekte - 5 || Stueckzahl() > MaxStuecke - 5) return SzeneVoll;
    TTripel n = Kreuzprodukt(u, v);
    if (IstNullvektor(n)) return SzeneParallel;
    Real d = Skalarprodukt(n, p);
    if (d < 0) {
        Negieren(n);
        d = -d;
    }
    const Real laenge = Betrag(n);
    const Real e = d / laenge;
    const Real a = 1.3L * h_;
    if (!(e < a)) return SzeneAusserhalb;

    TTripel d1 = (n.x != 0 || n.y != 0) ? TTripel{n.y, -n.x, 0} : TTripel{1, 0, 0};
    TTripel d2 = Kreuzprodukt(n, d1);
    Normieren(d1);
    Normieren(d2);
    const TTripel nEinheit = Vielfaches(n, 1 / laenge);
    // Flat planes get their long side across the picture.
    if (std::fabs(nEinheit.z) >= 0.7071067811865475L) {
        Vervielfachen(d1, a * Wurzel2 / 3);
        Vervielfachen(d2, a * 2 / 3);
    } else {
        Vervielfachen(d1, a * 2 / 3);
        Vervielfachen(d2, a * Wurzel2 / 3);
    }
    const TTripel c = Vielfaches(nEinheit, e);
    const std::array<TTripel, 4> ecken{
        TripelSumme(TripelSumme(c, d1), d2),
        TripelDifferenz(TripelSumme(c, d1), d2),
        TripelDifferenz(TripelDifferenz(c, d1), d2),
        TripelSumme(TripelDifferenz(c, d1), d2),
    };
    return FlaechenObjekt(TObjektArt::Ebene, p, u, v, ecken);
}

int tGSzene::KoordEbeneHinzufuegen(char ebene, Real oben2, Real unten2, Real oben1, Real unten1) {
    ebene = Gross(ebene);
    TTripel u, v;
    switch (ebene) {
    case 'X':
        u = {1, 0, 0};
        v = {0, 1, 0};
        break;
    case 'Y':
        u = {0, 1, 0};
        v = {0, 0, 1};
        break;
    case 'Z':
        u = {0, 0, 1};
        v = {1, 0, 0};
        break;
    default:
        return SzeneVoll;
    }
    if (Objektzahl() > MaxSzenenObjekte - 5 || Stueckzahl() > MaxStuecke - 5 || !(oben1 > unten1) ||
        !(oben2 > unten2))
        return SzeneVoll;
    const auto punkt = [&](Real a, Real b) {
        return TripelSumme(Vielfaches(u, a), Vielfaches(v, b));
    };
    const std::array<TTripel, 4> ecken{punkt(oben1, unten2), punkt(oben1, oben2),
                                       punkt(unten1, oben2), punkt(unten1, unten2)};
    return FlaechenObjekt(TObjektArt::KoordEbene, NullTripel, u, v, ecken);
}

void tGSzene::Pfeilspitze(TSzenenObjekt& o) {
    if (o.Art == TObjektArt::Achse) {
        const TTripel e = Achsenrichtung(o.Achse);
        const TTripel seite = Seitenrichtung(o.Achse);
        const TTripel hinten = Vielfaches(e, o.Oben - Pfeillaenge);
        o.Pfeilspitze = {Vielfaches(e, o.Oben),
                         TripelSumme(hinten, Vielfaches(seite, -PfeilHalbbreite)),
                         TripelSumme(hinten, Vielfaches(seite, PfeilHalbbreite))};
    } else {
        const TTripel hinten = GeradenPunkt(o.Basis, o.Richtung, o.Oben - Pfeillaenge);
        o.Pfeilspitze = {GeradenPunkt(o.Basis, o.Richtung, o.Oben),
                         TripelSumme(hinten, {0, -PfeilHalbbreite, 0}),
                         TripelSumme(hinten, {0, PfeilHalbbreite, 0})};
    }
}

void tGSzene::Striche(TSzenenObjekt& o) {
    o.Strichpunkte.clear();
    o.StrichProj.clear();
    o.Strichzahl = 0;
    o.Striche = false;
    static constexpr Real schritte[] = {0, 1, 0.5L, 1, 2, 5};
    if (o.Skalierung < 1 || o.Skalierung > 5) return;
    const Real s = schritte[o.Skalierung];
    o.Schritt = s;
    if (o.Skalierung == SkalierungBei1) {
        o.ErsterStrich = 1;
        o.Strichzahl = 1;
    } else {
        const Real letzter = s * std::floor(0.95L * o.Oben / s);
        o.ErsterStrich = s * std::trunc(std::fabs(o.Unten) / s) * Vorzeichen(o.Unten);
        o.Strichzahl =
            std::max(0, static_cast<int>(std::trunc((letzter - o.ErsterStrich) / s)) + 1);
    }
    o.Striche = o.Strichzahl > 0;
    const TTripel e = Achsenrichtung(o.Achse);
    const TTripel seite = Vielfaches(Seitenrichtung(o.Achse), Strichlaenge);
    for (int i = 0; i < o.Strichzahl; ++i) {
        const Real pos = o.ErsterStrich + i * s;
        const TTripel innen = Vielfaches(e, pos);
        o.Strichpunkte.push_back({innen, pos == 0 ? innen : TripelSumme(innen, seite)});
    }
    o.StrichProj.resize(o.Strichpunkte.size());
}

} // namespace kalvorin
