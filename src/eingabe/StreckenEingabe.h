#pragma once
// The segment dialog without its widgets: the two end points chosen by name
// or typed, the live length, the checks in their order and the write-back
// with the points a segment brings along.

#include "eingabe/ElementEingabe.h"

#include <string>
#include <vector>

namespace kalvorin {

struct TStreckenEingabe : TElementEingabe {
    TTeilEingabe Anfang, Ende;
    // The name combos can be used (not for a derived segment).
    bool NamenWaehlbar = true;
    // What the two name combos offer.
    std::vector<std::string> Punkte;
};

// "StreckeDialogNeu": the next free segment name, both points empty, the
// combos offering the document's points.
TStreckenEingabe StreckeEingabeNeu(const TListe& liste);
// "StreckeDialogNeu" followed by "StreckeDialogAusElement": the segment at
// the position, its points shown read-only.
TStreckenEingabe StreckeEingabeAusElement(const TListe& liste, int position);
// After "Übernehmen": a fresh new-segment input; the look stays.
void StreckeFuerNaechste(TStreckenEingabe& e, const TListe& liste);

// The length label: |end - start| with FormatMeasure and " LE" when both
// points read (a named point with its exact value), else empty.
std::string StreckenLaengeText(const TListe& liste, const TStreckenEingabe& e);

// The checks, the message of the last failing one, or empty. A failed read
// wins over the equality test that would use its values.
std::string StreckenChecks(const TListe& liste, const TStreckenEingabe& e);
// The OK handler: the checks when all eight fields are filled; otherwise a
// silent close when all six edits are empty, else incomplete input.
TEingabePruefung StreckePruefen(const TListe& liste, const TStreckenEingabe& e);

// The points the new names add, in the order they stand behind the segment.
std::vector<TElementart> StreckeNeueTeile(const TListe& liste, const TStreckenEingabe& e);

// "StreckeAusDialog": writes the input into the segment at the position.
// New names take the points appended behind it (new-element dialog) or
// points appended now (properties mode); false when there is no room.
bool StreckeAusDialog(TListe& liste, int position, const TStreckenEingabe& e);
// Appends the segment and its new points, then writes it; its slot, or 0
// (nothing added) when the list has no room for all of them.
int StreckeNeuAnlegen(TListe& liste, const TStreckenEingabe& e);
// The accepted input into the document: a new segment, or the segment shown.
int StreckeUebernehmen(TDokument& dokument, const TStreckenEingabe& e);

} // namespace kalvorin
