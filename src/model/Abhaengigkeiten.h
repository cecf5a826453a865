#pragma once
// Which elements are built on which: the references of definitions,
// derivations and images, and removing a set of elements without leaving
// references into nothing.

#include "model/Liste.h"

#include <vector>

namespace kalvorin {

// True when e refers to r: through its definition, its derivation operands
// or its original.
bool HaengtDirektAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r);

// Whether e may stand before r in the list although it refers to it: r holds
// typed numbers (a free point or vector), r is the vector an arrow
// "Punkt-Punkt" carries, or both are images whose recomputation writes the
// later one itself. Every other source must stand before what is built on it,
// so that one pass in slot order finds it up to date.
bool DarfVorQuelleStehen(const TDreiDBasisElement& e, const TDreiDBasisElement& r);

// After a dialog has given the element in the slot new sources: when one of
// them stands behind it and may not, the element and whatever stands between
// them built on it move behind that source, in their order. Returns the
// element's slot afterwards.
int HinterQuellenStellen(TListe& liste, int slot);

// Slots (ascending) of every marked element that is not fixed, together with
// every element that depends on one of them, directly or indirectly.
std::vector<int> ZuLoeschendeSlots(const TListe& liste);

// Removes the slots (ascending) and keeps the display order of the rest.
// A plane whose projection vector goes loses that projection.
void SlotsEntfernen(TListe& liste, const std::vector<int>& slots);

} // namespace kalvorin
