#include "befehle/BefehleHilfen.h"

#include "befehle/Befehle.h"
#include "model/Auswahl.h"
#include "model/Ebenenfarben.h"
#include "model/StandardEinstellungen.h"

namespace kalvorin::befehle {

std::vector<TDreiDBasisElement*> Markierte(const TListe& liste, TElementart art) {
    return TAuswahl(liste).Von(art);
}

bool Platz(const TListe& liste, int n) {
    if (TListe::Kapazitaet - liste.Anzahl() >= n) return true;
    Meldungen().Meldung(std::string(ListeVollMeldung), TMeldungsart::Warnung);
    return false;
}

TDreiDBasisElement* NeuMitName(TListe& liste, TElementart art) {
    if (!Platz(liste, 1)) return nullptr;
    std::string name = liste.AutomatischerName(art);
    TDreiDBasisElement* e = liste.Neu(art);
    if (!e) return nullptr;
    e->Name = std::move(name);
    // A plane is see-through as the settings want new planes, like one made
    // in the plane dialog; the class itself stays opaque, because files
    // leave out a transparency of 0.
    // It takes the next plane colour, as in the plane dialog, not the
    // colour of new points, which would hide the points it is made from.
    if (art == TElementart::DEbene) {
        e->Transparenz = Einstellungen().EbenenTransparenz;
        e->Farbe = EbenenFarbfolge().Naechste();
    }
    return e;
}

void Zuruecknehmen(TListe& liste, TDreiDBasisElement* e) {
    if (const int slot = liste.SlotVon(e); slot > 0) liste.Loeschen(slot);
}

} // namespace kalvorin::befehle
