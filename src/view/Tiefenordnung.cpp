// The drawing order: pieces are drawn from back to front, so that what lies
// in front covers what lies behind (painter's method). Two pieces are
// ordered only where their pictures overlap; the order is then built in
// passes from the pairwise relation.

#include "math/Projektion.h"
#include "view/Bildtests.h"
#include "view/GSzene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace kalvorin {

namespace {

constexpr Real StrahlToleranz = 1e-6L;
// A line or point in a plane is in front of it unless the plane is almost edge-on.
constexpr Real InEbeneKosinus = 0.03L;

// Parameter at which the ray from p along the viewing direction meets the
// plane n.x = d: positive when the plane lies behind p, negative in front,
// 0 when p lies in it (or the ray never meets it).
Real Strahl(TTripel p, TTripel n, Real d) {
    const Real nv = Skalarprodukt(n, Blickrichtung);
    if (nv == 0) return 0;
    const Real t = (d - Skalarprodukt(n, p)) / nv;
    return std::fabs(t) > StrahlToleranz ? t : 0;
}

TVorne Vorne(Real t, TVorne wennPositiv) {
    if (t > 0) return wennPositiv;
    if (t < 0) return wennPositiv == TVorne::Erstes ? TVorne::Zweites : TVorne::Erstes;
    return TVorne::Keins;
}

Real KosinusZurBlickrichtung(TTripel n) {
    const Real l = Betrag(n) * Betrag(Blickrichtung);
    return l == 0 ? 0 : std::fabs(Skalarprodukt(n, Blickrichtung)) / l;
}

// The two projected corners farthest apart: the picture of an edge-on polygon.
std::pair<TLogPunkt, TLogPunkt> Enden(const TStueck& s) {
    std::pair<TLogPunkt, TLogPunkt> e{s.EckenProj[0], s.EckenProj[0]};
    double best = -1;
    for (int i = 0; i < s.Eckenzahl; ++i)
        for (int j = i + 1; j < s.Eckenzahl; ++j) {
            const double dx = static_cast<double>(s.EckenProj[j].x) - s.EckenProj[i].x;
            const double dy = static_cast<double>(s.EckenProj[j].y) - s.EckenProj[i].y;
            if (dx * dx + dy * dy > best) {
                best = dx * dx + dy * dy;
                e = {s.EckenProj[i], s.EckenProj[j]};
            }
        }
    return e;
}

} // namespace

const bild::TInnenbereich& tGSzene::Innenbereich(int stueck,
                                                 std::optional<bild::TInnenbereich>& ersatz) const {
    if (projiziert_ && static_cast<int>(innen_.size()) == Stueckzahl()) return innen_[stueck - 1];
    const TStueck& s = stuecke_[stueck - 1];
    if (s.Art == TStueckArt::Polygon)
        ersatz.emplace(s.EckenProj.data(), s.Eckenzahl, bild::Randbreite);
    else
        ersatz.emplace();
    return *ersatz;
}

TVorne tGSzene::Vergleichen(int stueck1, int stueck2) const {
    const TStueck* a = &stuecke_[stueck1 - 1];
    const TStueck* b = &stuecke_[stueck2 - 1];
    if (a->Objekt == b->Objekt) return TVorne::Keins;
    const auto hochkant = [this](const TStueck* s) {
        return s->Art == TStueckArt::Polygon && objekte_[s->Objekt - 1].Hochkant;
    };
    bool getauscht = false;
    if ((a->Art == TStueckArt::Polygon) != (b->Art == TStueckArt::Polygon)) {
        if (a->Art == TStueckArt::Polygon) {
            std::swap(a, b);
            getauscht = true;
        }
    } else if (hochkant(a)) {
        std::swap(a, b);
        getauscht = true;
    }
    const TSzenenObjekt& oa = objekte_[a->Objekt - 1];
    const TSzenenObjekt& ob = objekte_[b->Objekt - 1];
    TVorne r = TVorne::Keins;

    if (a->Art == TStueckArt::Linie && b->Art == TStueckArt::Linie) {
        if (oa.Art != TObjektArt::Rand && ob.Art != TObjektArt::Rand &&
            bild::KreuzenStreng(a->EckenProj[0], a->EckenProj[1], b->EckenProj[0],
                                b->EckenProj[1])) {
            // The plane through the second line parallel to the first: the
            // first line lies wholly on one side of it.
            const TTripel n = Kreuzprodukt(oa.RichtungGedreht, ob.RichtungGedreht);
            if (!IstNullvektor(n))
                r = Vorne(Strahl(oa.BasisGedreht, n, Skalarprodukt(n, ob.BasisGedreht)),
                          TVorne::Erstes);
        }
    } else if (b->Art == TStueckArt::Polygon && oa.Art == TObjektArt::Rand) {
        // An edge lies on top of the pieces of its own plane that it borders.
        if (oa.Ebene == b->Objekt) {
            for (int i = 0; i < b->Eckenzahl; ++i) {
                const TLogPunkt p = b->EckenProj[i], q = b->EckenProj[(i + 1) % b->Eckenzahl];
                if ((a->EckenProj[0] == p && a->EckenProj[1] == q) ||
                    (a->EckenProj[0] == q && a->EckenProj[1] == p)) {
                    r = TVorne::Erstes;
                    break;
                }
            }
        }
    } else if (b->Art == TStueckArt::Polygon && ob.Hochkant) {
        const auto [e1, e2] = Enden(*b);
        if (a->Art == TStueckArt::Polygon && !oa.Hochkant) {
            bool ueber = bild::Innen(b->BezugProj, a->EckenProj.data(), a->Eckenzahl, false);
            for (int i = 0; !ueber && i < a->Eckenzahl; ++i)
                ueber = bild::KreuzenStreng(e1, e2, a->EckenProj[i],
                                            a->EckenProj[(i + 1) % a->Eckenzahl]);
            if (ueber)
                r = Vorne(Strahl(b->BezugGedreht, oa.NGedreht, oa.DGedreht), TVorne::Zweites);
        } else if (a->Art == TStueckArt::Punkt) {
            const double dx = static_cast<double>(e2.x) - e1.x,
                         dy = static_cast<double>(e2.y) - e1.y;
            const double l2 = dx * dx + dy * dy;
            const double t = l2 > 0 ? ((static_cast<double>(a->BezugProj.x) - e1.x) * dx +
                                       (static_cast<double>(a->BezugProj.y) - e1.y) * dy) /
                                          l2
                                    : 0;
            if (t > 0 && t < 1) r = TVorne::Erstes;
        }
    } else if (b->Art == TStueckArt::Polygon) {
        // The pictures overlap where one can hide the other. Pieces that
        // only touch along a shared boundary do not: a plane cut by another
        // meets it along the cut, a line cut by a plane ends on the pieces
        // of that plane. With the boundary counted in, the rounding of the
        // projection made such contacts overlaps, and their order, right for
        // the side each piece lies on but needed nowhere, contradicted the
        // order of the pieces around them and closed cycles.
        const int nrA = getauscht ? stueck2 : stueck1, nrB = getauscht ? stueck1 : stueck2;
        std::optional<bild::TInnenbereich> ersatzA, ersatzB;
        const bild::TInnenbereich& innenB = Innenbereich(nrB, ersatzB);
        bool ueber = false;
        if (a->Art == TStueckArt::Polygon)
            ueber =
                innenB.TrifftFlaeche(Innenbereich(nrA, ersatzA), a->EckenProj.data(), a->Eckenzahl);
        else if (a->Art == TStueckArt::Linie)
            ueber = innenB.TrifftStrecke(a->EckenProj[0], a->EckenProj[1]);
        else
            ueber = innenB.Enthaelt(a->BezugProj.x, a->BezugProj.y);
        if (ueber) {
            const Real t = Strahl(a->BezugGedreht, ob.NGedreht, ob.DGedreht);
            if (t != 0)
                r = Vorne(t, TVorne::Erstes);
            else if (a->Art == TStueckArt::Polygon) {
                // Two planes in each other: the one added first stays on top.
                if (IstNullvektor(Kreuzprodukt(oa.NGedreht, ob.NGedreht)))
                    r = a->Objekt < b->Objekt ? TVorne::Erstes : TVorne::Zweites;
            } else if (KosinusZurBlickrichtung(ob.NGedreht) > InEbeneKosinus) {
                r = TVorne::Erstes;
            }
        }
    }

    if (getauscht && r != TVorne::Keins) r = r == TVorne::Erstes ? TVorne::Zweites : TVorne::Erstes;
    return r;
}

bool tGSzene::KoennenUeberlappen(int stueck1, int stueck2) const {
    const TStueck& a = stuecke_[stueck1 - 1];
    const TStueck& b = stuecke_[stueck2 - 1];
    // A point is judged against an edge-on plane by its position along the
    // plane's picture alone, however far beside it.
    const auto hochkant = [this](const TStueck& s) {
        return s.Art == TStueckArt::Polygon && objekte_[s.Objekt - 1].Hochkant;
    };
    if ((a.Art == TStueckArt::Punkt && hochkant(b)) || (b.Art == TStueckArt::Punkt && hochkant(a)))
        return true;
    // Every other relation needs the pictures to cross or touch, or a point of
    // one (a corner or the reference point, all inside its own box) within the
    // line tolerance of the other.
    const std::int64_t rand = static_cast<std::int64_t>(bild::LinienToleranz) + 1;
    return static_cast<std::int64_t>(a.BildMin.x) <= b.BildMax.x + rand &&
           static_cast<std::int64_t>(b.BildMin.x) <= a.BildMax.x + rand &&
           static_cast<std::int64_t>(a.BildMin.y) <= b.BildMax.y + rand &&
           static_cast<std::int64_t>(b.BildMin.y) <= a.BildMax.y + rand;
}

int tGSzene::ZyklusAufbrechen(const std::vector<std::vector<int>>& nach,
                              const std::vector<int>& zaehler,
                              const std::vector<char>& gesetzt) const {
    // Every piece left waits for another one left: the relation has a cycle.
    // Only the groups of pieces that wait for each other and for nothing else
    // (the strongly connected components without a predecessor outside)
    // hold the cycle; the pieces behind them merely wait and keep their order.
    const int n = Stueckzahl();
    std::vector<int> vor(n + 1, 0), tief(n + 1, 0), komponente(n + 1, 0), stapel, pfad;
    std::vector<char> aufStapel(n + 1, 0);
    std::vector<std::size_t> weiter(n + 1, 0);
    int zeit = 0, komponenten = 0;
    for (int w = 1; w <= n; ++w) {
        if (gesetzt[w] || vor[w]) continue;
        // Tarjan's algorithm without recursion along the edges j -> i, i in nach[j].
        pfad.push_back(w);
        while (!pfad.empty()) {
            const int v = pfad.back();
            if (!vor[v]) {
                vor[v] = tief[v] = ++zeit;
                stapel.push_back(v);
                aufStapel[v] = 1;
            }
            bool abgestiegen = false;
            while (weiter[v] < nach[v].size()) {
                const int u = nach[v][weiter[v]++];
                if (gesetzt[u]) continue;
                if (!vor[u]) {
                    pfad.push_back(u);
                    abgestiegen = true;
                    break;
                }
                if (aufStapel[u]) tief[v] = std::min(tief[v], vor[u]);
            }
            if (abgestiegen) continue;
            pfad.pop_back();
            if (!pfad.empty()) tief[pfad.back()] = std::min(tief[pfad.back()], tief[v]);
            if (tief[v] == vor[v]) {
                ++komponenten;
                int u = 0;
                do {
                    u = stapel.back();
                    stapel.pop_back();
                    aufStapel[u] = 0;
                    komponente[u] = komponenten;
                } while (u != v);
            }
        }
    }
    // A component that waits for a piece of another component is not at the front of the queue.
    std::vector<char> wartet(komponenten + 1, 0);
    std::vector<char> wartetAufPolygon(n + 1, 0);
    for (int j = 1; j <= n; ++j) {
        if (gesetzt[j]) continue;
        for (int i : nach[j]) {
            if (gesetzt[i]) continue;
            if (komponente[i] != komponente[j]) wartet[komponente[i]] = 1;
            if (stuecke_[j - 1].Art == TStueckArt::Polygon) wartetAufPolygon[i] = 1;
        }
    }
    // Of these, the piece whose reference point lies farthest back along the
    // viewing direction goes first, but never a point or a line before a
    // polygon the comparison put behind it: a plane drawn too early is at
    // worst covered in part, a point drawn too early vanishes under it.
    int wahl = 0;
    for (int i = 1; i <= n; ++i) {
        if (gesetzt[i] || zaehler[i] == 0 || wartet[komponente[i]]) continue;
        if (stuecke_[i - 1].Art != TStueckArt::Polygon && wartetAufPolygon[i]) continue;
        // Nearer to the viewer means larger x in rotated space.
        if (!wahl || stuecke_[i - 1].BezugGedreht.x < stuecke_[wahl - 1].BezugGedreht.x) wahl = i;
    }
    // There always is one (a component holding no polygon waits for none);
    // should that ever fail, the first piece left keeps the passes going.
    for (int i = 1; !wahl && i <= n; ++i)
        if (!gesetzt[i]) wahl = i;
    return wahl;
}

void tGSzene::Sortieren(bool vorpruefen) {
    std::lock_guard sperre(folgeSperre_.m);
    folge_.clear();
    sortiert_ = false;
    folgeVorpruefen_ = vorpruefen;
    folgeOffen_ = art_ == TProjektionsart::Heft;
    if (!folgeOffen_) FolgeBilden(vorpruefen);
}

void tGSzene::FolgeSichern() const {
    std::lock_guard sperre(folgeSperre_.m);
    if (!folgeOffen_) return;
    folgeOffen_ = false;
    FolgeBilden(folgeVorpruefen_);
}

void tGSzene::FolgeBilden(bool vorpruefen) const {
    folge_.clear();
    const int n = Stueckzahl();
    if (!projiziert_ || n == 0) {
        sortiert_ = projiziert_;
        return;
    }
    // nach[j]: the pieces that must be drawn after piece j.
    std::vector<std::vector<int>> nach(n + 1);
    std::vector<int> zaehler(n + 1, 0);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            if (vorpruefen && !KoennenUeberlappen(i, j)) continue;
            const TVorne v = Vergleichen(i, j);
            if (v == TVorne::Erstes) {
                nach[j].push_back(i);
                ++zaehler[i];
            } else if (v == TVorne::Zweites) {
                nach[i].push_back(j);
                ++zaehler[j];
            }
        }

    std::vector<char> gesetzt(n + 1, 0);
    std::vector<int> durchgang;
    durchgang.reserve(n);
    const auto bereit = [&](int i, TStueckArt art) {
        return !gesetzt[i] && zaehler[i] == 0 && stuecke_[i - 1].Art == art;
    };
    while (static_cast<int>(folge_.size()) < n) {
        // Pieces placed in one pass have no order between them: what is
        // smaller goes on top. Points wait until nothing else can be placed,
        // so that a line through a point or a plane placed later does not
        // cover its dot where the order leaves the choice.
        durchgang.clear();
        for (TStueckArt art : {TStueckArt::Polygon, TStueckArt::Linie})
            for (int i = 1; i <= n; ++i)
                if (bereit(i, art)) durchgang.push_back(i);
        if (durchgang.empty())
            for (int i = 1; i <= n; ++i)
                if (bereit(i, TStueckArt::Punkt)) durchgang.push_back(i);
        if (durchgang.empty()) durchgang.push_back(ZyklusAufbrechen(nach, zaehler, gesetzt));
        for (int i : durchgang) {
            gesetzt[i] = 1;
            folge_.push_back(i);
        }
        for (int i : durchgang)
            for (int j : nach[i])
                --zaehler[j];
    }
    sortiert_ = true;
}

} // namespace kalvorin
