#include "model/Abhaengigkeiten.h"

#include <algorithm>

namespace kalvorin {

bool HaengtDirektAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r) {
    // The definition references count for derived elements too: the image
    // of a segment refers to its image points, and removing one of them
    // must take the segment along rather than leave it pointing nowhere.
    for (const TDreiDBasisElement* b : e.Bezuege)
        if (b == &r) return true;
    if (e.Entstehung.Art == TEntstehungsart::keine) return false;
    if (e.Entstehung.Originalelement == &r) return true;
    for (const auto& op : e.Entstehung.Elemente)
        if (op.Element == &r) return true;
    return false;
}

std::vector<int> ZuLoeschendeSlots(const TListe& liste) {
    const int n = liste.Anzahl();
    std::vector<bool> weg(static_cast<std::size_t>(n) + 1, false);
    for (int i = 1; i <= n; ++i)
        weg[i] = liste[i]->markiert && !liste[i]->fest;
    // References may point forwards (composite images, dialog parts), so
    // repeat until nothing more is added.
    for (bool neu = true; neu;) {
        neu = false;
        for (int i = 1; i <= n; ++i) {
            if (weg[i]) continue;
            for (int j = 1; j <= n; ++j)
                if (weg[j] && HaengtDirektAb(*liste[i], *liste[j])) {
                    weg[i] = neu = true;
                    break;
                }
        }
    }
    std::vector<int> slots;
    for (int i = 1; i <= n; ++i)
        if (weg[i]) slots.push_back(i);
    return slots;
}

void SlotsEntfernen(TListe& liste, const std::vector<int>& slots) {
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        TDreiDBasisElement& e = *liste[i];
        if (e.Projektionsvektor && std::find(slots.begin(), slots.end(),
                                             liste.SlotVon(e.Projektionsvektor)) != slots.end()) {
            e.Projektionsvektor = nullptr;
            e.SetzeRolle(TRolle::IstP_Projektionsebene, false);
        }
    }
    for (auto it = slots.rbegin(); it != slots.rend(); ++it)
        liste.Loeschen(*it);
}

} // namespace kalvorin
