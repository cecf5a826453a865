#include "model/Loeschen.h"

#include "model/Meldungen.h"
#include "model/Utf8.h"

#include <algorithm>

namespace kalvorin {

bool HaengtDirektAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r) {
    // The definition references count for derived elements too: the image
    // of a segment refers to its image points, and removing one of them
    // must take the segment along rather than leave it pointing nowhere.
    for (const TDreiDBasisElement* b : e.Bezuege)
        if (b == &r)
            return true;
    if (e.Entstehung.Art == TEntstehungsart::keine)
        return false;
    if (e.Entstehung.Originalelement == &r)
        return true;
    for (const auto& op : e.Entstehung.Elemente)
        if (op.Element == &r)
            return true;
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
            if (weg[i])
                continue;
            for (int j = 1; j <= n; ++j)
                if (weg[j] && HaengtDirektAb(*liste[i], *liste[j])) {
                    weg[i] = neu = true;
                    break;
                }
        }
    }
    std::vector<int> slots;
    for (int i = 1; i <= n; ++i)
        if (weg[i])
            slots.push_back(i);
    return slots;
}

std::string LoeschFrage(const TListe& liste, const std::vector<int>& slots) {
    std::string text;
    for (int s : slots)
        text += " " + liste[s]->Name + ",";
    if (!text.empty())
        text.pop_back();
    if (slots.size() < 2)
        return "Soll " + text + " wirklich gelöscht werden?";
    const std::size_t laenge = Utf8Laenge(text);
    if (laenge < 60)
        text = std::string((60 - laenge) / 2, ' ') + text;
    return "Sollen die folgenden Objekte wirklich gelöscht werden?\r\n" + text;
}

void SlotsEntfernen(TListe& liste, const std::vector<int>& slots) {
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        TDreiDBasisElement& e = *liste[i];
        if (e.Projektionsvektor &&
            std::find(slots.begin(), slots.end(), liste.SlotVon(e.Projektionsvektor)) !=
                slots.end()) {
            e.Projektionsvektor = nullptr;
            e.SetzeRolle(TRolle::IstP_Projektionsebene, false);
        }
    }
    for (auto it = slots.rbegin(); it != slots.rend(); ++it)
        liste.Loeschen(*it);
}

bool MarkierteLoeschen(TListe& liste, TRueckgaengig& rueckgaengig) {
    rueckgaengig.SchnappschussNehmen(liste, TRueckgaengigArt::Loeschen);
    const std::vector<int> slots = ZuLoeschendeSlots(liste);
    if (slots.empty())
        return false;
    if (Meldungen().Frage(LoeschFrage(liste, slots), TFrageKnoepfe::JaNein) != TAntwort::Ja)
        return false;
    SlotsEntfernen(liste, slots);
    return true;
}

} // namespace kalvorin
