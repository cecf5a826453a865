#include "model/Auswahl.h"

#include "model/ElementCast.h"
#include "model/Elementarten.h"
#include "model/Markierung.h"

#include <iterator>

namespace kalvorin {

namespace {

// The list of the selection that takes the kind, by its place in the
// pattern of marked elements; null for the kinds the pattern does not count.
TAuswahl::Elemente TAuswahl::*Fach(TElementart art) {
    // In the order of the pattern's places: point, vector, line, plane,
    // segment, triangle, pyramid, sphere, circle, quadrilateral, four-sided
    // pyramid.
    static constexpr TAuswahl::Elemente TAuswahl::*Faecher[] = {
        &TAuswahl::P, &TAuswahl::V, &TAuswahl::G, &TAuswahl::E, &TAuswahl::S, &TAuswahl::D,
        &TAuswahl::Y, &TAuswahl::K, &TAuswahl::C, &TAuswahl::Q, &TAuswahl::W};
    // An arrow counts as its vector, as in the pattern.
    if (art == TElementart::DPfeil) return &TAuswahl::V;
    const TArtangaben* a = Artangaben(static_cast<int>(art));
    if (!a || a->Musterstelle < 0 || a->Musterstelle >= static_cast<int>(std::size(Faecher)))
        return nullptr;
    return Faecher[a->Musterstelle];
}

} // namespace

TAuswahl::Elemente TAuswahl::Von(TElementart art) const {
    const auto fach = Fach(art);
    return fach ? this->*fach : Elemente{};
}

TAuswahl::TAuswahl(const TListe& liste) {
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        TDreiDBasisElement* e = liste[i];
        if (!e->markiert) continue;
        const auto fach = Fach(e->Art);
        if (!fach) continue;
        if (e->Art != TElementart::DPfeil) {
            (this->*fach).push_back(e);
        } else if (PfeilZaehltAlsVektor(*e)) {
            TDreiDBasisElement* v = Als<TPfeil>(*e).Vektor();
            (this->*fach).push_back(v ? v : e);
        }
    }
}

} // namespace kalvorin
