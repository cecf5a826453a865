#pragma once
// The triangle dialog without its widgets: three corners chosen by name or
// typed, the area and the angles shown while typing, the checks in their
// order, and the write-back with the corners a new name brings along.

#include "eingabe/ElementEingabe.h"

#include <array>
#include <string>
#include <vector>

namespace kalvorin {

struct TDreieckEingabe : TElementEingabe {
    // " 1. Punkt ", " 2. Punkt ", " 3. Punkt "
    std::array<TTeilEingabe, 3> Ecken;
    // What the three name combos offer.
    std::vector<std::string> Punkte;
};

// "DreieckDialogNeu": the next free triangle name, the corners empty, the
// combos offering the document's points.
TDreieckEingabe DreieckEingabeNeu(const TListe& liste);
// "DreieckDialogNeu" followed by "DreieckDialogAusElement": the triangle at
// the position, its corners by name with their values read-only.
TDreieckEingabe DreieckEingabeAusElement(const TListe& liste, int position);

// The four value labels: empty while a corner does not read.
struct TDreieckMasse {
    std::string Flaeche;
    std::array<std::string, 3> Winkel;
};
TDreieckMasse DreieckMasse(const TListe& liste, const TDreieckEingabe& e);

// The table of checks (the triangle's own name first); the message of the
// last failing check, or empty. A corner that does not read wins over the
// geometric checks that would use its values.
std::string DreieckChecks(const TListe& liste, const TDreieckEingabe& e);

// OK, the only accepting button: all twelve fields filled, else the
// incomplete-input message (there is no silent close); then the checks.
TEingabePruefung DreieckPruefen(const TListe& liste, const TDreieckEingabe& e);

// The points the new corner names add, in corner order.
std::vector<TElementart> DreieckNeueTeile(const TListe& liste, const TDreieckEingabe& e);

// "DreieckAusDialog": writes the dialog into the triangle at the position.
// In a new-element dialog the new corners take the points appended behind
// the triangle, in properties mode they are appended now; false (nothing
// changed) when the list has no room for them.
bool DreieckAusDialog(TListe& liste, int position, const TDreieckEingabe& e);

// The accepted input into the document: a new triangle with its new
// corners behind it, or the triangle shown. The triangle's slot, or 0 when
// nothing was applied.
int DreieckUebernehmen(TDokument& dokument, const TDreieckEingabe& e);

} // namespace kalvorin
