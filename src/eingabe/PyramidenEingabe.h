#pragma once
// The pyramid dialog without its widgets: the apex chosen by name or typed,
// the base chosen among the document's triangles, the volume shown while
// typing, the checks in their order, and the write-back with the apex a new
// name brings along.

#include "eingabe/ElementEingabe.h"

#include <string>
#include <vector>

namespace kalvorin {

struct TPyramidenEingabe : TElementEingabe {
    TTeilEingabe Spitze; // "Spitze"
    // The name chosen in "Grunddreieck" ("Grundviereck" for a four-sided
    // pyramid); empty: none.
    std::string Dreieck;
    // What the apex combo and the base list offer.
    std::vector<std::string> Punkte, Dreiecke;
    // A four-sided pyramid ("DPyramide4") over a quadrilateral.
    bool Vierseitig = false;
};

// "PyramideDialogNeu": the next free pyramid name, the apex empty, the
// lists offering the document's points and triangles.
TPyramidenEingabe PyramideEingabeNeu(const TListe& liste);
// "PyramideDialogNeu" followed by "PyramideDialogAusElement".
TPyramidenEingabe PyramideEingabeAusElement(const TListe& liste, int position);
// The same for a four-sided pyramid, its base among the quadrilaterals.
TPyramidenEingabe Pyramide4EingabeNeu(const TListe& liste);
TPyramidenEingabe Pyramide4EingabeAusElement(const TListe& liste, int position);

// The base the list's choice names (a triangle, or a quadrilateral for a
// four-sided pyramid); null when none bears it.
const TDreiDBasisElement* GewaehltesDreieck(const TListe& liste, const TPyramidenEingabe& e);

// The volume label: empty while the apex does not read or no triangle of
// the chosen name exists.
std::string PyramidenVolumen(const TListe& liste, const TPyramidenEingabe& e);

// The table of checks (the pyramid's own name first); the message of the
// last failing check, or empty.
std::string PyramidenChecks(const TListe& liste, const TPyramidenEingabe& e);

// OK: apex name, its three edits and the triangle filled, else the
// incomplete-input message; then the checks.
TEingabePruefung PyramidePruefen(const TListe& liste, const TPyramidenEingabe& e);

// The point a new apex name adds.
std::vector<TElementart> PyramideNeueTeile(const TListe& liste, const TPyramidenEingabe& e);

// "PyramideAusDialog": writes the dialog into the pyramid at the position;
// false (nothing changed) when the base is gone or the list has no room for
// a new apex.
bool PyramideAusDialog(TListe& liste, int position, const TPyramidenEingabe& e);

// The accepted input into the document: a new pyramid with a new apex
// behind it, or the pyramid shown. Its slot, or 0 when nothing was applied.
int PyramideUebernehmen(TDokument& dokument, const TPyramidenEingabe& e);

} // namespace kalvorin
