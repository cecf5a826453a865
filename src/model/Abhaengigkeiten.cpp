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

bool DarfVorQuelleStehen(const TDreiDBasisElement& e, const TDreiDBasisElement& r) {
    if (r.Entstehung.Art == TEntstehungsart::keine &&
        ((r.Art == TElementart::DfrPunkt && r.Festlegung == TfrPunkt::Koord) ||
         (r.Art == TElementart::DVektor && r.Festlegung == TVektor::V)))
        return true;
    if (e.Art == TElementart::DPfeil && e.Festlegung == TPfeil::PfPP &&
        r.Art == TElementart::DVektor && r.Festlegung == TVektor::VPf && r.Bezuege[0] == &e)
        return true;
    return IstAbbildungsEntstehung(e.Entstehung.Art) && IstAbbildungsEntstehung(r.Entstehung.Art);
}

namespace {

// The last slot behind `slot` holding a source of its element that may not
// stand there; 0 when there is none.
int LetzteSpaeteQuelle(const TListe& liste, int slot) {
    const TDreiDBasisElement& e = *liste[slot];
    int letzte = 0;
    const auto sehen = [&](const TDreiDBasisElement* r) {
        const int j = r ? liste.SlotVon(r) : 0;
        if (j > slot && j > letzte && !DarfVorQuelleStehen(e, *r)) letzte = j;
    };
    for (const TDreiDBasisElement* b : e.Bezuege)
        sehen(b);
    sehen(e.Entstehung.Originalelement);
    for (const auto& op : e.Entstehung.Elemente)
        sehen(op.Element);
    return letzte;
}

} // namespace

int HinterQuellenStellen(TListe& liste, int slot) {
    const int quelle = slot >= 1 && slot <= liste.Anzahl() ? LetzteSpaeteQuelle(liste, slot) : 0;
    if (quelle == 0) return slot;
    // Nothing between builds the source on the element (the dialogs offer no
    // such source), so the source and what it needs stay where they are.
    std::vector<int> mit{slot}, ohne;
    for (int k = slot + 1; k <= quelle; ++k) {
        bool baut = false;
        for (int m : mit)
            baut = baut || HaengtDirektAb(*liste[k], *liste[m]);
        (baut ? mit : ohne).push_back(k);
    }
    std::vector<int> folge;
    for (int k = 1; k < slot; ++k)
        folge.push_back(k);
    folge.insert(folge.end(), ohne.begin(), ohne.end());
    const int neu = static_cast<int>(folge.size()) + 1;
    folge.insert(folge.end(), mit.begin(), mit.end());
    for (int k = quelle + 1; k <= liste.Anzahl(); ++k)
        folge.push_back(k);
    liste.Umordnen(folge);
    return neu;
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
