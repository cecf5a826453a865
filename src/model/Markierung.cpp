#include "model/Markierung.h"

namespace kalvorin {

bool PfeilZaehltAlsVektor(const TDreiDBasisElement& e) {
    const TDreiDBasisElement* v = Als<TPfeil>(e).Vektor();
    return v == nullptr || !v->markiert;
}

std::array<int, AnzahlElementarten> MarkierteJeArt(const TListe& liste) {
    std::array<int, AnzahlElementarten> zaehler{};
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        if (!e.markiert) continue;
        if (e.Art == TElementart::DPfeil) {
            if (PfeilZaehltAlsVektor(e)) ++zaehler[static_cast<int>(TElementart::DVektor)];
        } else {
            ++zaehler[e.ArtNummer()];
        }
    }
    return zaehler;
}

} // namespace kalvorin
