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

// Slots (ascending) of every marked element that is not fixed, together with
// every element that depends on one of them, directly or indirectly.
std::vector<int> ZuLoeschendeSlots(const TListe& liste);

// Removes the slots (ascending) and keeps the display order of the rest.
// A plane whose projection vector goes loses that projection.
void SlotsEntfernen(TListe& liste, const std::vector<int>& slots);

} // namespace kalvorin
