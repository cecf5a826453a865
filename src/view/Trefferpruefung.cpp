// Which objects lie under a mouse position: the pieces are searched from the
// last drawn to the first, so the object on top comes first.

#include "view/Bildtests.h"
#include "view/GSzene.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kalvorin {

namespace {

constexpr double PolygonNaehe = 30; // vertical distance from an edge
constexpr double SchmaleKante = 5;  // edges this narrow in x are ignored
constexpr double LinienNaehe = 200;
constexpr double PunktNaehe = 200;

bool PolygonGetroffen(TLogPunkt p, const TStueck& s) {
    bool innen = false;
    for (int i = 0; i < s.Eckenzahl; ++i) {
        const TLogPunkt a = s.EckenProj[i], b = s.EckenProj[(i + 1) % s.Eckenzahl];
        const double ax = a.x, bx = b.x;
        if (std::fabs(bx - ax) <= SchmaleKante) continue;
        const double lo = std::min(ax, bx), hi = std::max(ax, bx);
        if (p.x < lo || p.x > hi) continue;
        const double y = a.y + (p.x - ax) * (static_cast<double>(b.y) - a.y) / (bx - ax);
        if (std::fabs(y - p.y) <= PolygonNaehe) return true;
        // Half-open in x, so that an edge meeting the next at p.x counts once.
        if (p.x < hi && y > p.y) innen = !innen;
    }
    return innen;
}

// Inside the band made from the piece by moving both ends up and down (a
// flat piece) or left and right (a steep one).
bool LinieGetroffen(TLogPunkt p, const TStueck& s) {
    double ax = s.EckenProj[0].x, ay = s.EckenProj[0].y, bx = s.EckenProj[1].x,
           by = s.EckenProj[1].y;
    double px = p.x, py = p.y;
    if (std::fabs(bx - ax) <= std::fabs(by - ay)) {
        std::swap(ax, ay);
        std::swap(bx, by);
        std::swap(px, py);
    }
    if (px < std::min(ax, bx) || px > std::max(ax, bx)) return false;
    const double y = bx == ax ? ay : ay + (px - ax) * (by - ay) / (bx - ax);
    return std::fabs(py - y) <= LinienNaehe;
}

} // namespace

std::vector<int> tGSzene::Treffer(TLogPunkt p, int hoechstens) const {
    std::vector<int> treffer;
    if (!projiziert_ || hoechstens <= 0) return treffer;
    const auto pruefen = [&](int nr) {
        const TStueck& s = stuecke_[nr - 1];
        const TSzenenObjekt& o = objekte_[s.Objekt - 1];
        if (!o.Gezeigt || !o.Waehlbar) return;
        bool getroffen = false;
        switch (s.Art) {
        case TStueckArt::Polygon:
            getroffen = PolygonGetroffen(p, s);
            break;
        case TStueckArt::Linie:
            getroffen = LinieGetroffen(p, s);
            break;
        case TStueckArt::Punkt:
            getroffen = std::abs(static_cast<double>(p.x) - s.EckenProj[0].x) <= PunktNaehe &&
                        std::abs(static_cast<double>(p.y) - s.EckenProj[0].y) <= PunktNaehe;
            break;
        }
        if (getroffen && std::find(treffer.begin(), treffer.end(), s.Objekt) == treffer.end())
            treffer.push_back(s.Objekt);
    };
    FolgeSichern();
    if (sortiert_)
        for (auto it = folge_.rbegin();
             it != folge_.rend() && static_cast<int>(treffer.size()) < hoechstens; ++it)
            pruefen(*it);
    else
        for (int nr = Stueckzahl(); nr >= 1 && static_cast<int>(treffer.size()) < hoechstens; --nr)
            pruefen(nr);
    return treffer;
}

} // namespace kalvorin
