#include "model/Auswahl.h"

#include "model/ElementCast.h"
#include "model/Markierung.h"

namespace kalvorin {

namespace {

// The list of the selection that takes the kind; null for the others.
TAuswahl::Elemente TAuswahl::*Fach(TElementart art) {
    switch (art) {
    case TElementart::DfrPunkt:
        return &TAuswahl::P;
    case TElementart::DVektor:
    case TElementart::DPfeil:
        return &TAuswahl::V;
    case TElementart::DGerade:
        return &TAuswahl::G;
    case TElementart::DEbene:
        return &TAuswahl::E;
    case TElementart::DStrecke:
        return &TAuswahl::S;
    case TElementart::DDreieck:
        return &TAuswahl::D;
    case TElementart::DPyramide3:
        return &TAuswahl::Y;
    case TElementart::DgebPunkt:
        return nullptr;
    }
    return nullptr;
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
