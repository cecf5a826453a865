#pragma once
// Deleting the marked elements together with everything built on them.

#include "model/Liste.h"
#include "model/Rueckgaengig.h"

#include <string>
#include <vector>

namespace kalvorin {

// True when e refers to r: through its definition, its derivation operands
// or its original.
bool HaengtDirektAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r);

// Slots (ascending) of every marked element that is not fixed, together with
// every element that depends on one of them, directly or indirectly.
std::vector<int> ZuLoeschendeSlots(const TListe& liste);

// "Soll  A wirklich gelöscht werden?" or, for several, the question with the
// centred list of names.
std::string LoeschFrage(const TListe& liste, const std::vector<int>& slots);

// Removes the slots (ascending) and keeps the display order of the rest.
// A plane whose projection vector goes loses that projection.
void SlotsEntfernen(TListe& liste, const std::vector<int>& slots);

// The whole command: undo snapshot, question through the message
// interface, deletion on "Ja". True when something was deleted; the caller
// then rebuilds the document.
bool MarkierteLoeschen(TListe& liste, TRueckgaengig& rueckgaengig);

} // namespace kalvorin
