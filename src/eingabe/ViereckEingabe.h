#pragma once
// The quadrilateral dialog without its widgets: four corners in order,
// each chosen by name or typed, the area and the angles shown while typing,
// the checks in their order (four points in one plane, sides that do not
// cross), and the write-back with the corners a new name brings along.

#include "eingabe/ElementEingabe.h"

#include <array>
#include <string>
#include <vector>

namespace kalvorin {

struct TViereckEingabe : TElementEingabe {
    // " 1. Punkt " ... " 4. Punkt "
    std::array<TTeilEingabe, 4> Ecken;
    // What the four name combos offer.
    std::vector<std::string> Punkte;
};

// The next free quadrilateral name, the corners empty, the combos offering
// the document's points.
TViereckEingabe ViereckEingabeNeu(const TListe& liste);
// The quadrilateral at the position, its corners by name with their values
// read-only.
TViereckEingabe ViereckEingabeAusElement(const TListe& liste, int position);

// The five value labels: empty while a corner does not read or the four
// corners make no quadrilateral.
struct TViereckMasse {
    std::string Flaeche;
    std::array<std::string, 4> Winkel;
};
TViereckMasse ViereckMasse(const TListe& liste, const TViereckEingabe& e);

// The checks (the quadrilateral's own name first); the message of the last
// failing check, or empty.
std::string ViereckChecks(const TListe& liste, const TViereckEingabe& e);

// OK: all sixteen fields filled, else the incomplete-input message; then
// the checks.
TEingabePruefung ViereckPruefen(const TListe& liste, const TViereckEingabe& e);

// The points the new corner names add, in corner order.
std::vector<TElementart> ViereckNeueTeile(const TListe& liste, const TViereckEingabe& e);

// Writes the dialog into the quadrilateral at the position (new corners as
// for the triangle); false when the list has no room for them.
bool ViereckAusDialog(TListe& liste, int position, const TViereckEingabe& e);

// The accepted input into the document; the quadrilateral's slot, or 0.
int ViereckUebernehmen(TDokument& dokument, const TViereckEingabe& e);

} // namespace kalvorin
