// The textbook view ("Heftansicht"): the Schraegbild as pupils draw it on
// squared paper. Squared paper, the axes with every tick numbered, triangles
// and pyramids lightly filled, what is hidden behind an opaque plane or a
// solid's face dashed (points: a small open circle), planes by their trace
// triangle, and names placed where they collide with nothing.
//
// The view does not use the depth order: the fills are light and drawn
// first, every line and point is drawn over them, visible or dashed as the
// faces in front of it decide, and the names come last. So every output
// draws the same picture, and the names stand in the same places.

#include "model/Utf8.h"
#include "storage/Einstellungen.h"
#include "view/Bildtests.h"
#include "view/GSzene.h"
#include "zahlen/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin {

namespace {

// The squares: light blue, which prints, half a unit (5 mm) apart.
constexpr TFarbe Papierfarbe = RGB(165, 205, 235);
constexpr Real Kaestchen = 0.5L;
// Lengths on paper, in units (cm).
constexpr double Papierlinie = 0.01;    // 0.1 mm
constexpr double Sichtbarlinie = 0.025; // visible edges and lines at least 0.25 mm
constexpr double Verdecktlinie = 0.015; // hidden ones dashed, 0.15 mm
constexpr double Strichhalb = 0.1;      // ticks 2 mm long
constexpr double Namenhoehe = 0.45;     // text cell of names
constexpr double Zahlenhoehe = 0.35;    // text cell of tick numbers
constexpr double Punktradius = 0.07;    // the open circle of a hidden point
constexpr double Abstand = 0.12;        // between a name and its anchor
constexpr double Umriss = 0.04;         // how far a point's outline reaches beyond it
// An Arial character is at most this wide, as a share of the cell height.
constexpr double Zeichenbreite = 0.55;
// The faces and planes are filled this much lighter than their colour.
constexpr double FuellHeller = 0.8;
constexpr double EbeneHeller = 0.7;
// Leader lines from names to their anchors this much lighter than the name.
constexpr double Hinweisheller = 0.5;

constexpr Real EbenenToleranz = 1e-6L;

struct TVerdecker {
    std::array<TTripel, 4> Ecken{}; // rotated space
    std::array<TLogPunkt, 4> Bild{};
    int Zahl = 0;
    TTripel N{};
    Real D = 0;
    TLogPunkt Min{}, Max{};
};

struct TLinie {
    TLogPunkt A, B;
    TStift Stift;
    // The scene object drawn by it (a plane for its trace lines); 0 for
    // ticks, leader lines and white borders.
    int Objekt = 0;
};

struct TPunktBild {
    int Objekt = 0;
    TLogPunkt Ort{};
    bool Verdeckt = false;
    // Set off by an outline from a fill of about its own colour.
    bool Umriss = false;
};

struct TFuellung {
    std::vector<TLogPunkt> Ecken;
    TFarbe Farbe = Weiss;
};

struct TNamenWunsch {
    std::string Text;
    TLogPunkt Anker{};
    int Hoehe = 0;
    TFarbe Farbe = Schwarz;
    // Index of the first candidate direction to try (0 right, 1 above, ...).
    int Zuerst = 0;
};

} // namespace

struct THeftPlan {
    std::vector<TFuellung> Fuellungen;
    std::vector<TLinie> Linien;
    std::vector<std::array<TLogPunkt, 3>> Spitzen;
    std::vector<TFarbe> SpitzenFarben;
    std::vector<TLinie> Striche;
    std::vector<TPunktBild> Punkte;
    std::vector<THeftBeschriftung> Namen;
};

namespace {

int InLogisch(const TWeltAbbildung& a, double einheiten) {
    return std::max(1, static_cast<int>(std::lround(einheiten / a.WeltProLogischX())));
}

TLogPunkt Min(TLogPunkt a, TLogPunkt b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y)};
}
TLogPunkt Max(TLogPunkt a, TLogPunkt b) {
    return {std::max(a.x, b.x), std::max(a.y, b.y)};
}

TLogPunkt Zwischen(TLogPunkt a, TLogPunkt b, double s) {
    return {static_cast<std::int32_t>(std::lround(a.x + s * (static_cast<double>(b.x) - a.x))),
            static_cast<std::int32_t>(std::lround(a.y + s * (static_cast<double>(b.y) - a.y)))};
}

bool InEbene(const TVerdecker& v, TTripel p) {
    const Real l = Betrag(v.N);
    if (l == 0) return true;
    const Real skala = std::max<Real>(1, Betrag(p));
    return std::fabs(Skalarprodukt(v.N, p) - v.D) / l <= EbenenToleranz * skala;
}

// The face lies in front of the point q and covers it in the picture.
bool Verdeckt(const TVerdecker& v, TTripel q, TLogPunkt bild) {
    if (bild.x <= v.Min.x || bild.x >= v.Max.x || bild.y <= v.Min.y || bild.y >= v.Max.y)
        return false;
    if (!bild::Innen(bild, v.Bild.data(), v.Zahl, true)) return false;
    // The ray from q along the viewing direction meets the face's plane at
    // q + t v; t < 0: towards the viewer, so the face is in front.
    const Real nv = Skalarprodukt(v.N, Blickrichtung);
    if (nv == 0) return false;
    const Real t = (v.D - Skalarprodukt(v.N, q)) / nv;
    return t < -EbenenToleranz * std::max<Real>(1, Betrag(q));
}

// The centre of a polygon's area; the mean of its corners where it has none.
TLogPunkt Mitte(const std::vector<TLogPunkt>& ecken) {
    const int n = static_cast<int>(ecken.size());
    if (n == 0) return {};
    double mx = 0, my = 0, cx = 0, cy = 0, f = 0;
    for (int i = 0; i < n; ++i) {
        const TLogPunkt a = ecken[i], b = ecken[(i + 1) % n];
        const double k = static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
        f += k;
        cx += (static_cast<double>(a.x) + b.x) * k;
        cy += (static_cast<double>(a.y) + b.y) * k;
        mx += a.x;
        my += a.y;
    }
    if (std::fabs(f) < 1)
        return {static_cast<std::int32_t>(std::lround(mx / n)),
                static_cast<std::int32_t>(std::lround(my / n))};
    return {static_cast<std::int32_t>(std::lround(cx / (3 * f))),
            static_cast<std::int32_t>(std::lround(cy / (3 * f)))};
}

// The part of a convex polygon inside the rectangle (Sutherland-Hodgman);
// empty where none of it lies inside.
std::vector<TLogPunkt> Zugeschnitten(std::vector<TLogPunkt> ecken, const TLogRechteck& r) {
    // Each side as: the coordinate it bounds (0 x, 1 y), its value, and
    // whether the inside lies above it.
    const struct {
        int achse;
        double wert;
        bool darueber;
    } seiten[4] = {{0, static_cast<double>(r.links), true},
                   {0, static_cast<double>(r.rechts), false},
                   {1, static_cast<double>(r.unten), true},
                   {1, static_cast<double>(r.oben), false}};
    for (const auto& seite : seiten) {
        const auto k = [&](TLogPunkt p) { return seite.achse == 0 ? p.x : p.y; };
        const auto innen = [&](TLogPunkt p) {
            return seite.darueber ? k(p) >= seite.wert : k(p) <= seite.wert;
        };
        std::vector<TLogPunkt> aus;
        for (std::size_t i = 0; i < ecken.size(); ++i) {
            const TLogPunkt a = ecken[i], b = ecken[(i + 1) % ecken.size()];
            if (innen(a)) aus.push_back(a);
            if (innen(a) != innen(b))
                aus.push_back(
                    Zwischen(a, b, (seite.wert - k(a)) / (static_cast<double>(k(b)) - k(a))));
        }
        ecken = std::move(aus);
        if (ecken.empty()) break;
    }
    return ecken;
}

// The part of the segment ab inside the rectangle (Liang-Barsky), as
// parameters 0 <= von <= bis <= 1; false where it misses it.
bool Zugeschnitten(TLogPunkt a, TLogPunkt b, const TLogRechteck& r, double& von, double& bis) {
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(a.x) - r.links, static_cast<double>(r.rechts) - a.x,
                         static_cast<double>(a.y) - r.unten, static_cast<double>(r.oben) - a.y};
    von = 0;
    bis = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            von = std::max(von, t);
        else
            bis = std::min(bis, t);
    }
    return von <= bis;
}

// The point of the segment ab nearest to p.
TLogPunkt Naechster(TLogPunkt a, TLogPunkt b, TLogPunkt p) {
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double l = dx * dx + dy * dy;
    const double t = l == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / l;
    return Zwischen(a, b, std::clamp(t, 0.0, 1.0));
}

double Abstand2(TLogPunkt a, TLogPunkt b) {
    const double dx = static_cast<double>(a.x) - b.x, dy = static_cast<double>(a.y) - b.y;
    return dx * dx + dy * dy;
}

bool Enthaelt(const TLogRechteck& aussen, const TLogRechteck& r) {
    return r.links >= aussen.links && r.rechts <= aussen.rechts && r.unten >= aussen.unten &&
           r.oben <= aussen.oben;
}

class TPlaner {
public:
    // Names and tick numbers measured at the cell heights they are really
    // set in.
    TPlaner(const tGSzene& s, int namenGesetzt, int zahlenGesetzt)
        : s_(s), a_(s.Abbildung()), namenGesetzt_(namenGesetzt), zahlenGesetzt_(zahlenGesetzt) {}

    THeftPlan Planen() {
        Verdeckerfinden();
        Objektezeichnen();
        Namenplatzieren();
        return std::move(plan_);
    }

private:
    TTripel Gedreht(TTripel p) const { return Abbilden(s_.Matrix(), p); }

    // The three axis intersections of a plane, when they all exist and lie
    // on the drawn axes (or in the display cube).
    bool Spurdreieck(const TSzenenObjekt& o, std::array<TTripel, 3>& ecken) const {
        if (!Einstellungen().HeftSpurdreieck) return false;
        const TTripel n = o.N;
        const Real l = Betrag(n);
        if (l == 0 || std::fabs(o.D) / l < 1e-9L) return false;
        const Real komp[3] = {n.x, n.y, n.z};
        for (int i = 0; i < 3; ++i) {
            if (std::fabs(komp[i]) / l < 1e-9L) return false;
            const Real t = o.D / komp[i];
            Real unten = -s_.Halbseite(), oben = s_.Halbseite();
            for (int nr = 1; nr <= s_.Objektzahl(); ++nr) {
                const TSzenenObjekt& ax = s_.Objekt(nr);
                if (ax.Art == TObjektArt::Achse && ax.Achse == "XYZ"[i]) {
                    unten = ax.Unten;
                    oben = ax.Oben;
                }
            }
            if (t < unten || t > oben) return false;
            ecken[i] = {i == 0 ? t : 0, i == 1 ? t : 0, i == 2 ? t : 0};
        }
        return true;
    }

    void Verdecker(const TTripel* ecken, int n) {
        TVerdecker v;
        v.Zahl = n;
        for (int i = 0; i < n; ++i) {
            v.Ecken[i] = Gedreht(ecken[i]);
            v.Bild[i] = s_.Bild(ecken[i]);
        }
        v.N = Kreuzprodukt(TripelDifferenz(v.Ecken[1], v.Ecken[0]),
                           TripelDifferenz(v.Ecken[2], v.Ecken[0]));
        if (IstNullvektor(v.N)) return;
        v.D = Skalarprodukt(v.N, v.Ecken[0]);
        // The picture counter-clockwise, as the inside test wants it.
        if (bild::Flaeche2(v.Bild.data(), n) < 0) {
            std::reverse(v.Bild.begin(), v.Bild.begin() + n);
            std::reverse(v.Ecken.begin(), v.Ecken.begin() + n);
        }
        if (bild::Flaeche2(v.Bild.data(), n) == 0) return; // seen edge-on: hides nothing
        v.Min = v.Max = v.Bild[0];
        for (int i = 1; i < n; ++i) {
            v.Min = Min(v.Min, v.Bild[i]);
            v.Max = Max(v.Max, v.Bild[i]);
        }
        verdecker_.push_back(v);
    }

    void Verdeckerfinden() {
        for (const TKoerper& k : s_.Koerper()) {
            bool gezeigt = !k.Kanten.empty();
            for (int nr : k.Kanten)
                gezeigt = gezeigt && nr >= 1 && nr <= s_.Objektzahl() && s_.Objekt(nr).Gezeigt;
            if (!gezeigt) continue;
            for (const auto& f : k.Flaechen)
                Verdecker(f.data(), 3);
            const auto fuellen = [&](const auto& ecken) {
                TFuellung fl;
                for (const TTripel& p : ecken)
                    fl.Ecken.push_back(s_.Bild(p));
                fl.Farbe = Heller(k.Farbe, FuellHeller);
                koerperFuellungen_.push_back(std::move(fl));
            };
            if (k.Fuellflaechen.empty())
                for (const auto& f : k.Flaechen)
                    fuellen(f);
            for (const auto& f : k.Fuellflaechen)
                fuellen(f);
        }
        for (int nr = 1; nr <= s_.Objektzahl(); ++nr) {
            const TSzenenObjekt& o = s_.Objekt(nr);
            if (o.Art != TObjektArt::Ebene || !o.Gezeigt) continue;
            std::array<TTripel, 4> ecken{};
            int n = 0;
            std::array<TTripel, 3> spur{};
            if (Spurdreieck(o, spur)) {
                std::copy(spur.begin(), spur.end(), ecken.begin());
                n = 3;
                spuren_.push_back(nr);
            } else if (nr + 4 <= s_.Objektzahl()) {
                for (int i = 0; i < 4; ++i)
                    ecken[i] = s_.Objekt(nr + 1 + i).Basis;
                n = 4;
            }
            if (n == 0) continue;
            TFuellung fl;
            for (int i = 0; i < n; ++i)
                fl.Ecken.push_back(s_.Bild(ecken[i]));
            fl.Farbe = Heller(o.FuellFarbe, EbeneHeller);
            plan_.Fuellungen.push_back(fl);
            if (n == 3) {
                for (int i = 0; i < 3; ++i)
                    spurLinien_.push_back({ecken[i], ecken[(i + 1) % 3], nr});
            }
            if (o.Transparenz == 0) Verdecker(ecken.data(), n);
            // The name stands inside the plane's picture, in the part of it
            // that lies on the paper.
            ebenenAnker_.push_back({nr, Mitte(AufPapier(fl.Ecken))});
        }
        for (TFuellung& f : koerperFuellungen_)
            plan_.Fuellungen.push_back(std::move(f));
    }

    // The line from p to q (document space) in visible and hidden parts; a
    // white border goes under the visible parts only, as it must not cut a
    // gap into the face that hides the rest.
    // A sphere's or circle's curve: each stroke hidden where the planes and
    // solids hide it, and where a sphere does (its own back half too).
    void Rund(int nr, const TSzenenObjekt& o) {
        for (int k = 1; k <= s_.Stueckzahl(); ++k) {
            const TStueck& st = s_.Stueck(k);
            if (st.Objekt != nr) continue;
            const bool umriss = o.Art == TObjektArt::Kugel && st.Oben <= 2 * Pi + 1e-9L;
            for (int i = 0; i < Bogenteile; ++i) {
                const Real t0 = st.Unten + (st.Oben - st.Unten) * i / Bogenteile;
                const Real t1 = st.Unten + (st.Oben - st.Unten) * (i + 1) / Bogenteile;
                const TTripel p = s_.Kurvenpunkt(o, t0), q = s_.Kurvenpunkt(o, t1);
                const TTripel m = s_.Kurvenpunkt(o, (t0 + t1) / 2);
                const bool hinten = s_.VonKugelVerdeckt(m, umriss ? nr : 0);
                Strecke(nr, p, q, o.Stift, false, hinten);
            }
        }
    }

    void Strecke(int objekt, TTripel p, TTripel q, const TStift& stift, bool weisserRand = false,
                 bool ganzVerdeckt = false) {
        const TTripel gp = Gedreht(p), gq = Gedreht(q);
        const TLogPunkt bp = s_.Bild(p), bq = s_.Bild(q);
        std::vector<double> teile{0, 1};
        std::vector<const TVerdecker*> wirksam;
        const TLogPunkt lmin = Min(bp, bq), lmax = Max(bp, bq);
        for (const TVerdecker& v : verdecker_) {
            if (lmax.x < v.Min.x || lmin.x > v.Max.x || lmax.y < v.Min.y || lmin.y > v.Max.y)
                continue;
            if (InEbene(v, gp) && InEbene(v, gq)) continue; // an edge or a line of the face
            wirksam.push_back(&v);
            for (int i = 0; i < v.Zahl; ++i) {
                const TLogPunkt c = v.Bild[i], d = v.Bild[(i + 1) % v.Zahl];
                const double d1 = bild::Kreuz(c, d, bp), d2 = bild::Kreuz(c, d, bq);
                const double d3 = bild::Kreuz(bp, bq, c), d4 = bild::Kreuz(bp, bq, d);
                if (d1 == d2 || (d3 > 0) == (d4 > 0)) continue;
                const double s = d1 / (d1 - d2);
                if (s > 0 && s < 1) teile.push_back(s);
            }
        }
        const int breite = std::max(stift.Breite, InLogisch(a_, Sichtbarlinie));
        const TStift sichtbar{stift.Farbe, breite, stift.Stil};
        const TStift verdeckt{stift.Farbe, std::min(breite, InLogisch(a_, Verdecktlinie)),
                              TStiftStil::Gestrichelt};
        const auto teil = [&](TLogPunkt a, TLogPunkt b, bool hinten) {
            hinten = hinten || ganzVerdeckt;
            if (weisserRand && !hinten)
                plan_.Linien.push_back({a, b, {Weiss, 3 * InLogisch(a_, Sichtbarlinie)}});
            Linie(a, b, hinten ? verdeckt : sichtbar, objekt);
        };
        if (wirksam.empty()) {
            teil(bp, bq, false);
            return;
        }
        std::sort(teile.begin(), teile.end());
        double anfang = 0;
        int zustand = -1;
        for (std::size_t i = 0; i + 1 < teile.size(); ++i) {
            const double s0 = teile[i], s1 = teile[i + 1];
            if (s1 - s0 <= 1e-9) continue;
            const double m = (s0 + s1) / 2;
            const TTripel gm = TripelSumme(gp, Vielfaches(TripelDifferenz(gq, gp), m));
            const TLogPunkt bm = Zwischen(bp, bq, m);
            bool hinten = false;
            for (const TVerdecker* v : wirksam)
                if (!InEbene(*v, gm) && Verdeckt(*v, gm, bm)) {
                    hinten = true;
                    break;
                }
            const int z = hinten ? 1 : 0;
            if (zustand != -1 && z != zustand) {
                teil(Zwischen(bp, bq, anfang), Zwischen(bp, bq, s0), zustand == 1);
                anfang = s0;
            }
            zustand = z;
        }
        if (zustand == -1) zustand = 0;
        teil(Zwischen(bp, bq, anfang), bq, zustand == 1);
    }

    void Linie(TLogPunkt a, TLogPunkt b, const TStift& stift, int objekt) {
        plan_.Linien.push_back({a, b, stift, objekt});
        if (stift.Stil != TStiftStil::Gestrichelt && stift.Stil != TStiftStil::Unsichtbar)
            sichtbar_.push_back({a, b, stift, objekt});
    }

    bool PunktVerdeckt(TTripel p) const {
        const TTripel g = Gedreht(p);
        const TLogPunkt b = s_.Bild(p);
        for (const TVerdecker& v : verdecker_)
            if (!InEbene(v, g) && Verdeckt(v, g, b)) return true;
        return false;
    }

    // The colour the fills leave under a picture point (they are all combined
    // with what lies under them); none where no fill lies under it.
    std::optional<TFarbe> Untergrund(TLogPunkt p) const {
        std::optional<TFarbe> farbe;
        for (const TFuellung& fl : plan_.Fuellungen)
            if (bild::Innen(p, fl.Ecken.data(), static_cast<int>(fl.Ecken.size()), false))
                farbe = farbe.value_or(Weiss) & fl.Farbe;
        return farbe;
    }

    // The paper less a margin of one name's height: an anchor in it leaves
    // room for its name on the paper.
    TLogRechteck Papierinneres() const {
        const TLogRechteck& f = a_.LogischesFenster();
        const int rand = std::min(InLogisch(a_, Namenhoehe), std::min(f.Breite(), f.Hoehe()) / 4);
        return {f.links + rand, f.unten + rand, f.rechts - rand, f.oben - rand};
    }

    std::vector<TLogPunkt> AufPapier(const std::vector<TLogPunkt>& ecken) const {
        std::vector<TLogPunkt> teil = Zugeschnitten(ecken, Papierinneres());
        return teil.empty() ? ecken : teil;
    }

    // Where a line's name goes: the point of its drawn picture on the paper
    // nearest to the design's label point (the upper end of a line, the
    // middle of a segment), on its visible parts where it has some there.
    // A line runs on beyond the paper; its end is not where its name can be
    // read.
    TLogPunkt Linienanker(int objekt, TLogPunkt wunsch) const {
        const TLogRechteck papier = Papierinneres();
        for (const std::vector<TLinie>* teile : {&sichtbar_, &plan_.Linien}) {
            std::optional<TLogPunkt> bester;
            for (const TLinie& l : *teile) {
                double von = 0, bis = 1;
                if (l.Objekt != objekt || !Zugeschnitten(l.A, l.B, papier, von, bis)) continue;
                const TLogPunkt p =
                    Naechster(Zwischen(l.A, l.B, von), Zwischen(l.A, l.B, bis), wunsch);
                if (!bester || Abstand2(p, wunsch) < Abstand2(*bester, wunsch)) bester = p;
            }
            if (bester) return *bester;
        }
        return wunsch;
    }

    bool Gezeichnet(int nr) const {
        const TSzenenObjekt& o = s_.Objekt(nr);
        if (!o.Gezeigt || o.Art == TObjektArt::KoordEbene) return false;
        if (o.Art == TObjektArt::Rand) {
            if (o.Ebene < 1 || o.Ebene > s_.Objektzahl()) return false;
            const TSzenenObjekt& e = s_.Objekt(o.Ebene);
            if (e.Art != TObjektArt::Ebene || !e.Gezeigt) return false;
            return std::find(spuren_.begin(), spuren_.end(), o.Ebene) == spuren_.end();
        }
        return true;
    }

    std::string Achsenname(char achse) const {
        const int i = achse - 'X';
        if (Einstellungen().HeftAchsenIndiziert) {
            static const char* const namen[3] = {"x\u2081", "x\u2082", "x\u2083"};
            return namen[i];
        }
        return std::string(1, static_cast<char>('x' + i));
    }

    void Objektezeichnen() {
        for (const TSpurlinie& l : spurLinien_) {
            const TSzenenObjekt& o = s_.Objekt(l.Ebene);
            Strecke(l.Ebene, l.Von, l.Bis, o.Stift);
        }
        const int namenhoehe = InLogisch(a_, Namenhoehe);
        const int zahlenhoehe = InLogisch(a_, Zahlenhoehe);
        for (int nr = 1; nr <= s_.Objektzahl(); ++nr) {
            const TSzenenObjekt& o = s_.Objekt(nr);
            // A plane's name (on its first edge) stands inside its picture,
            // also when the trace triangle takes the place of the edges.
            if (o.Art == TObjektArt::Rand && nr == o.Ebene + 1 && o.NameSichtbar && !o.Name.empty())
                for (const auto& [ebene, anker] : ebenenAnker_)
                    if (ebene == o.Ebene)
                        wuensche_.push_back({o.Name, anker, namenhoehe, o.NamenFarbe, 0});
            if (!Gezeichnet(nr)) continue;
            if (o.Art == TObjektArt::Punkt) {
                const TLogPunkt ort = s_.Bild(o.Basis);
                const std::optional<TFarbe> unter = Untergrund(ort);
                const TPunktBild p{nr, ort, PunktVerdeckt(o.Basis),
                                   unter && FarbenNah(o.Stift.Farbe, *unter)};
                plan_.Punkte.push_back(p);
                if (o.NameSichtbar && !o.Name.empty())
                    wuensche_.push_back({o.Name, p.Ort, namenhoehe, o.NamenFarbe, 0});
                continue;
            }
            if (o.IstRund()) {
                Rund(nr, o);
                if (o.NameSichtbar && !o.Name.empty())
                    wuensche_.push_back({o.Name, Linienanker(nr, s_.Bild(o.Beschriftungspunkt)),
                                         namenhoehe, o.NamenFarbe, 0});
                continue;
            }
            if (!o.IstLinienartig()) continue;
            const TTripel von = GeradenPunkt(o.Basis, o.Richtung, o.Unten);
            const TTripel bis = GeradenPunkt(o.Basis, o.Richtung, o.Oben);
            Strecke(nr, von, bis, o.Stift, o.WeisserRand && o.Art == TObjektArt::Gerade);
            if (o.Pfeil && !o.EndeGekappt) {
                plan_.Spitzen.push_back({s_.Bild(o.Pfeilspitze[0]), s_.Bild(o.Pfeilspitze[1]),
                                         s_.Bild(o.Pfeilspitze[2])});
                plan_.SpitzenFarben.push_back(o.Stift.Farbe);
            }
            if (o.Art == TObjektArt::Achse) {
                Achse(o, zahlenhoehe);
                wuensche_.push_back(
                    {Achsenname(o.Achse), s_.Bild(o.Pfeilspitze[0]), namenhoehe, Schwarz, 0});
                continue;
            }
            if (!o.NameSichtbar || o.Name.empty() || o.Art == TObjektArt::Rand) continue;
            wuensche_.push_back({o.Name, Linienanker(nr, s_.Bild(o.Beschriftungspunkt)), namenhoehe,
                                 o.NamenFarbe, 0});
        }
    }

    // Every tick across the axis, each numbered.
    void Achse(const TSzenenObjekt& o, int zahlenhoehe) {
        if (!o.Striche) return;
        const Real h = s_.Halbseite();
        const Real schritt = h <= 15 ? 1 : h <= 30 ? 2 : 5;
        const TLogPunkt null = s_.Bild(NullTripel);
        const TLogPunkt ende = s_.Bild(GeradenPunkt(o.Basis, o.Richtung, o.Oben));
        const double dx = static_cast<double>(ende.x) - null.x,
                     dy = static_cast<double>(ende.y) - null.y;
        const double l = std::sqrt(dx * dx + dy * dy);
        if (l == 0) return;
        const double halb = Strichhalb / a_.WeltProLogischX();
        const double qx = -dy / l * halb, qy = dx / l * halb;
        // The numbers beside the ticks: below a flat axis, left of a steep one.
        const int zuerst = std::fabs(dx) >= std::fabs(dy) ? 3 : 2;
        const TStift stift{o.Stift.Farbe, InLogisch(a_, Papierlinie * 2)};
        // The arrow head takes the last 0.3 units.
        for (Real t = std::ceil(o.Unten / schritt) * schritt; t <= o.Oben - 0.3L + 1e-9L;
             t += schritt) {
            if (std::fabs(t) < 1e-9L) continue;
            const TLogPunkt m = s_.Bild(GeradenPunkt(o.Basis, o.Richtung, t));
            plan_.Striche.push_back({{static_cast<std::int32_t>(std::lround(m.x - qx)),
                                      static_cast<std::int32_t>(std::lround(m.y - qy))},
                                     {static_cast<std::int32_t>(std::lround(m.x + qx)),
                                      static_cast<std::int32_t>(std::lround(m.y + qy))},
                                     stift});
            wuensche_.push_back({FormatGeneral(t, 15, Einstellungen().Dezimaltrenner), m,
                                 zahlenhoehe, Schwarz, zuerst});
        }
    }

    static bool Ueberlappen(const TLogRechteck& a, const TLogRechteck& b) {
        return a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben;
    }

    static bool SchneidetRechteck(const TLinie& l, const TLogRechteck& r) {
        const TLogPunkt mi = Min(l.A, l.B), ma = Max(l.A, l.B);
        if (ma.x < r.links || mi.x > r.rechts || ma.y < r.unten || mi.y > r.oben) return false;
        const auto innen = [&](TLogPunkt p) {
            return p.x >= r.links && p.x <= r.rechts && p.y >= r.unten && p.y <= r.oben;
        };
        if (innen(l.A) || innen(l.B)) return true;
        const TLogPunkt e[4] = {
            {r.links, r.unten}, {r.rechts, r.unten}, {r.rechts, r.oben}, {r.links, r.oben}};
        for (int i = 0; i < 4; ++i)
            if (bild::KreuzenStreng(l.A, l.B, e[i], e[(i + 1) % 4])) return true;
        return false;
    }

    // Collisions of a candidate: leaving the paper counts most, as nothing
    // of it might be seen; then other names, then points, then visible edges
    // and ticks.
    long Stoerung(const TLogRechteck& r) const {
        long n = Enthaelt(a_.LogischesFenster(), r) ? 0 : 100000000;
        for (const THeftBeschriftung& b : plan_.Namen)
            if (Ueberlappen(r, b.Rahmen)) n += 1000000;
        for (const TLogRechteck& p : punktRahmen_)
            if (Ueberlappen(r, p)) n += 1000;
        for (const TLinie& l : sichtbar_)
            if (SchneidetRechteck(l, r)) ++n;
        for (const TLinie& l : plan_.Striche)
            if (SchneidetRechteck(l, r)) ++n;
        return n;
    }

    void Namenplatzieren() {
        const int rp = InLogisch(a_, 0.1);
        for (const TPunktBild& p : plan_.Punkte)
            punktRahmen_.push_back({p.Ort.x - rp, p.Ort.y - rp, p.Ort.x + rp, p.Ort.y + rp});
        // Directions: right, above, left, below, then the diagonals.
        static constexpr int richtung[8][2] = {{1, 0}, {0, 1},  {-1, 0},  {0, -1},
                                               {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
        const int abstand = InLogisch(a_, Abstand);
        const int namenhoehe = InLogisch(a_, Namenhoehe), zahlenhoehe = InLogisch(a_, Zahlenhoehe);
        for (const TNamenWunsch& w : wuensche_) {
            // The size the canvas really sets the text in.
            const int hoehe = w.Hoehe == namenhoehe    ? namenGesetzt_
                              : w.Hoehe == zahlenhoehe ? zahlenGesetzt_
                                                       : w.Hoehe;
            const int breite = static_cast<int>(
                std::lround(Zeichenbreite * hoehe * static_cast<double>(Utf8Laenge(w.Text))));
            TLogRechteck bester{};
            long besteStoerung = -1;
            bool besterMitLinie = false;
            // Rings: beside the anchor, then farther out with a leader line.
            for (int ring = 0; ring < 4 && besteStoerung != 0; ++ring) {
                const double weg = ring == 0 ? abstand : abstand + ring * 1.2 * hoehe;
                for (int k = 0; k < 8; ++k) {
                    const int j = k < 4 ? (k + w.Zuerst) % 4 : k;
                    const int rx = richtung[j][0], ry = richtung[j][1];
                    const double cx = w.Anker.x + rx * (weg + breite / 2.0),
                                 cy = w.Anker.y + ry * (weg + hoehe / 2.0);
                    const TLogRechteck r{static_cast<std::int32_t>(std::lround(cx - breite / 2.0)),
                                         static_cast<std::int32_t>(std::lround(cy - hoehe / 2.0)),
                                         static_cast<std::int32_t>(std::lround(cx + breite / 2.0)),
                                         static_cast<std::int32_t>(std::lround(cy + hoehe / 2.0))};
                    const long st = Stoerung(r);
                    if (besteStoerung < 0 || st < besteStoerung) {
                        besteStoerung = st;
                        bester = r;
                        besterMitLinie = ring > 0;
                    }
                    if (st == 0) break;
                }
            }
            plan_.Namen.push_back({w.Text, bester, w.Anker, besterMitLinie, w.Hoehe, w.Farbe});
        }
    }

    struct TSpurlinie {
        TTripel Von, Bis;
        int Ebene;
    };

    const tGSzene& s_;
    const TWeltAbbildung& a_;
    const int namenGesetzt_, zahlenGesetzt_;
    THeftPlan plan_;
    std::vector<TVerdecker> verdecker_;
    std::vector<TFuellung> koerperFuellungen_;
    std::vector<int> spuren_;
    std::vector<TSpurlinie> spurLinien_;
    std::vector<std::pair<int, TLogPunkt>> ebenenAnker_;
    std::vector<TLinie> sichtbar_;
    std::vector<TLogRechteck> punktRahmen_;
    std::vector<TNamenWunsch> wuensche_;
};

// Half the size of a visible point: the design's point sizes, at least the
// circle of a hidden one.
int Punkthalbmesser(const TSzenenObjekt& o, int kreis) {
    return std::max(kreis, o.Punktgroesse * 100);
}

void HeftKreuz(TZeichenflaeche& f, TLogPunkt m, int z) {
    f.Linie({m.x - z, m.y + z}, {m.x + z, m.y - z});
    f.Linie({m.x - z, m.y - z}, {m.x + z, m.y + z});
}

// Drawn under the point, reaching `umriss` beyond it on every side, in the
// colour that sets it off: a disc under a dot, a wider ring under the open
// circle of a hidden point, wider strokes under a cross.
void PunktumrissZeichnen(TZeichenflaeche& f, const TWeltAbbildung& a, const TSzenenObjekt& o,
                         const TPunktBild& p, int kreis) {
    const TFarbe farbe = Umrissfarbe(o.Stift.Farbe);
    const int umriss = InLogisch(a, Umriss);
    const TLogPunkt m = p.Ort;
    if (p.Verdeckt) {
        f.SetzeStift({farbe, InLogisch(a, Verdecktlinie) + 2 * umriss, TStiftStil::Durchgezogen});
        f.SetzePinsel({});
        f.Ellipse({m.x - kreis, m.y - kreis, m.x + kreis, m.y + kreis});
        return;
    }
    const int z = Punkthalbmesser(o, kreis);
    if (o.Punktform == PunktformKreuz) {
        f.SetzeStift({farbe, InLogisch(a, Sichtbarlinie) + 2 * umriss, TStiftStil::Durchgezogen});
        HeftKreuz(f, m, z);
        return;
    }
    f.SetzeStift({farbe, 1, TStiftStil::Durchgezogen});
    f.SetzePinsel({TPinselArt::Voll, farbe, SchraffurKeine, {}});
    f.Ellipse({m.x - z - umriss, m.y - z - umriss, m.x + z + umriss, m.y + z + umriss});
}

void PapierZeichnen(TZeichenflaeche& f, const TWeltAbbildung& a) {
    const TWeltRechteck& w = a.Welt();
    f.SetzeStift({Papierfarbe, InLogisch(a, Papierlinie), TStiftStil::Durchgezogen});
    f.SetzeRasterModus(TRasterModus::Kopieren);
    const TLogRechteck& fenster = a.LogischesFenster();
    // Whole squares from the origin: the origin and every integer point of
    // the yz-plane lie on a node.
    std::vector<TLogPunkt> enden;
    for (Real u = std::ceil(w.x1 / Kaestchen) * Kaestchen; u <= w.x2 + 1e-9L; u += Kaestchen) {
        const std::int32_t x = a.WeltZuLogischX(u);
        enden.push_back({x, fenster.unten});
        enden.push_back({x, fenster.oben});
    }
    for (Real v = std::ceil(w.y1 / Kaestchen) * Kaestchen; v <= w.y2 + 1e-9L; v += Kaestchen) {
        const std::int32_t y = a.WeltZuLogischY(v);
        enden.push_back({fenster.links, y});
        enden.push_back({fenster.rechts, y});
    }
    f.Gitterlinien(enden.data(), static_cast<int>(enden.size() / 2));
}

} // namespace

std::shared_ptr<const THeftPlan> tGSzene::HeftPlan(const TZeichenflaeche* flaeche) const {
    const TStandardEinstellungen& e = Einstellungen();
    const TWeltRechteck& w = abbildung_->Welt();
    // Only two sizes of text: names and tick numbers.
    const auto gesetzt = [&](double hoehe) {
        const int h = InLogisch(*abbildung_, hoehe);
        return flaeche ? flaeche->GesetzteSchrifthoehe(h) : h;
    };
    const THeftPlanSpeicher::TSchluessel schluessel{stand_,
                                                    {w.x1, w.y1, w.x2, w.y2},
                                                    abbildung_->LogischesFenster(),
                                                    e.HeftSpurdreieck,
                                                    e.HeftAchsenIndiziert,
                                                    e.Dezimaltrenner,
                                                    gesetzt(Namenhoehe),
                                                    gesetzt(Zahlenhoehe)};
    return heftPlan_.Holen(schluessel, [&] {
        return std::make_shared<const THeftPlan>(
            TPlaner(*this, schluessel.NamenGesetzt, schluessel.ZahlenGesetzt).Planen());
    });
}

void tGSzene::HofZeichnen(TZeichenflaeche& f, const THeftPlan& plan,
                          const TObjektmenge& markiert) const {
    const auto mark = [&](int nr) {
        if (nr < 1 || nr > Objektzahl()) return false;
        const TSzenenObjekt& o = objekte_[nr - 1];
        return o.Gezeigt && (markiert.test(static_cast<std::size_t>(nr)) ||
                             (o.Art == TObjektArt::Rand && o.Ebene >= 1 &&
                              markiert.test(static_cast<std::size_t>(o.Ebene))));
    };
    const int breite = InLogisch(*abbildung_, 0.12);
    f.SetzeStift({Markierfarbe, breite, TStiftStil::Durchgezogen});
    // Along what is drawn of a line or a plane, its hidden parts too: a
    // plane's trace triangle, never the edges of its rectangle, which reach
    // far beyond the paper.
    for (const TLinie& l : plan.Linien)
        if (l.Objekt != 0 && mark(l.Objekt)) f.Linie(l.A, l.B);
    f.SetzePinsel({TPinselArt::Voll, Markierfarbe, SchraffurKeine, {}});
    for (const TPunktBild& p : plan.Punkte)
        if (mark(p.Objekt))
            f.Ellipse({p.Ort.x - breite, p.Ort.y - breite, p.Ort.x + breite, p.Ort.y + breite});
}

std::vector<THeftBeschriftung> tGSzene::HeftBeschriftungen() const {
    if (!projiziert_) return {};
    return HeftPlan()->Namen;
}

void tGSzene::HeftZeichnen(TZeichenflaeche& f, const TObjektmenge* markiert) const {
    PapierZeichnen(f, *abbildung_);
    const std::shared_ptr<const THeftPlan> geteilt = HeftPlan(&f);
    const THeftPlan& plan = *geteilt;

    // The light fills, combined with what lies under them, so that the
    // paper shows through and the front and back faces of a solid give one
    // shade.
    f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
    f.SetzeRasterModus(TRasterModus::Maskieren);
    for (const TFuellung& fl : plan.Fuellungen) {
        f.SetzePinsel({TPinselArt::Voll, fl.Farbe, SchraffurKeine, {}});
        f.Polygon(fl.Ecken.data(), static_cast<int>(fl.Ecken.size()));
    }
    f.SetzeRasterModus(TRasterModus::Kopieren);

    if (markiert) HofZeichnen(f, plan, *markiert);

    for (const TLinie& l : plan.Striche) {
        f.SetzeStift(l.Stift);
        f.Linie(l.A, l.B);
    }
    for (const TLinie& l : plan.Linien) {
        f.SetzeStift(l.Stift);
        f.Linie(l.A, l.B);
    }
    for (std::size_t i = 0; i < plan.Spitzen.size(); ++i) {
        f.SetzeStift({plan.SpitzenFarben[i], 1, TStiftStil::Durchgezogen});
        f.SetzePinsel({TPinselArt::Voll, plan.SpitzenFarben[i], SchraffurKeine, {}});
        f.Polygon(plan.Spitzen[i].data(), 3);
    }
    const int kreis = InLogisch(*abbildung_, Punktradius);
    for (const TPunktBild& p : plan.Punkte) {
        const TSzenenObjekt& o = objekte_[p.Objekt - 1];
        if (p.Umriss) PunktumrissZeichnen(f, *abbildung_, o, p, kreis);
        if (p.Verdeckt) {
            f.SetzeStift(
                {o.Stift.Farbe, InLogisch(*abbildung_, Verdecktlinie), TStiftStil::Durchgezogen});
            f.SetzePinsel({});
            f.Ellipse({p.Ort.x - kreis, p.Ort.y - kreis, p.Ort.x + kreis, p.Ort.y + kreis});
            continue;
        }
        // The point's own form; the design's point sizes, at least the circle.
        f.SetzeStift(o.Stift);
        f.SetzePinsel({TPinselArt::Voll, o.Stift.Farbe, SchraffurKeine, {}});
        const int z = Punkthalbmesser(o, kreis);
        if (o.Punktform == PunktformKreuz) {
            f.SetzeStift(
                {o.Stift.Farbe, InLogisch(*abbildung_, Sichtbarlinie), TStiftStil::Durchgezogen});
            HeftKreuz(f, p.Ort, z);
        } else {
            f.Ellipse({p.Ort.x - z, p.Ort.y - z, p.Ort.x + z, p.Ort.y + z});
        }
    }
    for (const THeftBeschriftung& n : plan.Namen) {
        if (n.Hinweislinie) {
            // From the anchor to the nearest point of the name's rectangle.
            const TLogPunkt z{std::clamp(n.Anker.x, n.Rahmen.links, n.Rahmen.rechts),
                              std::clamp(n.Anker.y, n.Rahmen.unten, n.Rahmen.oben)};
            // A hairline, lighter than the name, so that it never passes for
            // a line of the figure.
            f.SetzeStift({Heller(n.Farbe, Hinweisheller), 0, TStiftStil::Durchgezogen});
            f.Linie(n.Anker, z);
        }
        f.SetzeSchrift("Arial", n.Schrifthoehe, n.Farbe);
        f.Text({n.Rahmen.links, n.Rahmen.oben}, n.Text);
    }
    f.SetzeRasterModus(TRasterModus::Kopieren);
}

} // namespace kalvorin
