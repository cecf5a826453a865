#include "document/Loeschen.h"

#include "model/Abhaengigkeiten.h"
#include "model/Meldungen.h"
#include "model/Utf8.h"

namespace kalvorin {

std::string LoeschFrage(const TListe& liste, const std::vector<int>& slots) {
    std::string text;
    for (int s : slots)
        text += " " + liste[s]->Name + ",";
    if (!text.empty()) text.pop_back();
    if (slots.size() < 2) return "Soll " + text + " wirklich gelöscht werden?";
    const std::size_t laenge = Utf8Laenge(text);
    if (laenge < 60) text = std::string((60 - laenge) / 2, ' ') + text;
    return "Sollen die folgenden Objekte wirklich gelöscht werden?\r\n" + text;
}

bool MarkierteLoeschen(TListe& liste) {
    const std::vector<int> slots = ZuLoeschendeSlots(liste);
    if (slots.empty()) return false;
    if (Meldungen().Frage(LoeschFrage(liste, slots), TFrageKnoepfe::JaNein) != TAntwort::Ja)
        return false;
    SlotsEntfernen(liste, slots);
    return true;
}

} // namespace kalvorin
