#include "model/Markierung.h"
#include "model/Elementarten.h"

#include <algorithm>

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

std::string MarkierungsMuster(const std::array<int, AnzahlElementarten>& z, int laenge) {
    std::string m(static_cast<std::size_t>(std::clamp(laenge, 0, RundeMusterstelle)), '-');
    std::string rund(2, '-');
    std::string viereck(2, '-');
    bool rundMarkiert = false;
    bool viereckMarkiert = false;
    for (const TArtangaben& a : Elementarten) {
        const int n = z[static_cast<std::size_t>(a.Art)];
        if (n <= 0 || a.Musterstelle < 0) continue;
        const char ziffer = static_cast<char>('0' + (n > 9 ? 9 : n));
        if (a.Musterstelle >= ViereckMusterstelle) {
            viereck[static_cast<std::size_t>(a.Musterstelle - ViereckMusterstelle)] = ziffer;
            viereckMarkiert = true;
        } else if (a.Musterstelle >= RundeMusterstelle) {
            rund[static_cast<std::size_t>(a.Musterstelle - RundeMusterstelle)] = ziffer;
            rundMarkiert = true;
        } else if (a.Musterstelle < static_cast<int>(m.size())) {
            m[static_cast<std::size_t>(a.Musterstelle)] = ziffer;
        }
    }
    if (viereckMarkiert) return m + rund + viereck;
    return rundMarkiert ? m + rund : m;
}

} // namespace kalvorin
