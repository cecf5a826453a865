// Carrying the scene into rotated space and onto the drawing plane.

#include "math/Projektion.h"
#include "view/GSzene.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {

// The view matrix acting on a direction: its translation does not apply.
TTripel Richtungsbild(const TMatrix4& m, TTripel w) {
    return {m(0, 0) * w.x + m(0, 1) * w.y + m(0, 2) * w.z,
            m(1, 0) * w.x + m(1, 1) * w.y + m(1, 2) * w.z,
            m(2, 0) * w.x + m(2, 1) * w.y + m(2, 2) * w.z};
}

// A plane is seen edge-on when its normal is almost across the viewing direction.
constexpr Real HochkantKosinus = 0.02L;

} // namespace

void tGSzene::Projizieren() {
    const TWeltAbbildung& a = *abbildung_;
    const auto bild = [&](TTripel p) {
        return a.WeltZuLogisch(kalvorin::Projizieren(Abbilden(matrix_, p)));
    };

    // A sphere's outline follows the view.
    for (int nr = 1; nr <= Objektzahl(); ++nr)
        if (objekte_[nr - 1].Art == TObjektArt::Kugel) UmrissSetzen(nr);
    for (TSzenenObjekt& o : objekte_) {
        o.BasisGedreht = Abbilden(matrix_, o.Basis);
        o.BeschriftungProj = bild(o.Beschriftungspunkt);
        if (o.IstLinienartig()) {
            o.RichtungGedreht = Richtungsbild(matrix_, o.Richtung);
            if (o.Pfeil)
                for (int i = 0; i < 3; ++i)
                    o.PfeilspitzeProj[i] = bild(o.Pfeilspitze[i]);
            for (std::size_t i = 0; i < o.Strichpunkte.size(); ++i)
                o.StrichProj[i] = {bild(o.Strichpunkte[i][0]), bild(o.Strichpunkte[i][1])};
        } else if (o.IstFlaeche()) {
            o.NGedreht = Kreuzprodukt(Richtungsbild(matrix_, o.U), Richtungsbild(matrix_, o.V));
            o.DGedreht = Skalarprodukt(o.NGedreht, o.BasisGedreht);
            if (o.DGedreht < 0) {
                Negieren(o.NGedreht);
                o.DGedreht = -o.DGedreht;
            }
            const Real nenner = Betrag(o.NGedreht) * Betrag(Blickrichtung);
            o.Hochkant =
                nenner == 0 ||
                std::fabs(Skalarprodukt(o.NGedreht, Blickrichtung)) / nenner < HochkantKosinus;
        }
    }
    for (TStueck& s : stuecke_) {
        for (int i = 0; i < s.Eckenzahl; ++i) {
            s.EckenGedreht[i] = Abbilden(matrix_, s.Ecken[i]);
            s.EckenProj[i] = a.WeltZuLogisch(kalvorin::Projizieren(s.EckenGedreht[i]));
        }
        s.BildMin = s.BildMax = s.EckenProj[0];
        for (int i = 1; i < s.Eckenzahl; ++i) {
            s.BildMin = {std::min(s.BildMin.x, s.EckenProj[i].x),
                         std::min(s.BildMin.y, s.EckenProj[i].y)};
            s.BildMax = {std::max(s.BildMax.x, s.EckenProj[i].x),
                         std::max(s.BildMax.y, s.EckenProj[i].y)};
        }
        s.BezugGedreht = Abbilden(matrix_, s.Bezugspunkt);
        s.BezugProj = a.WeltZuLogisch(kalvorin::Projizieren(s.BezugGedreht));
    }
    innen_.clear();
    innen_.reserve(stuecke_.size());
    for (const TStueck& s : stuecke_)
        innen_.push_back(
            s.Art == TStueckArt::Polygon
                ? bild::TInnenbereich(s.EckenProj.data(), s.Eckenzahl, bild::Randbreite)
                : bild::TInnenbereich());
    projiziert_ = true;
    ++stand_;
}

} // namespace kalvorin
