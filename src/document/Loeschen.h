#pragma once
// Deleting the marked elements together with everything built on them.

#include "model/Abhaengigkeiten.h"

#include <string>
#include <vector>

namespace kalvorin {

// "Soll  A wirklich gelöscht werden?" or, for several, the question with the
// centred list of names.
std::string LoeschFrage(const TListe& liste, const std::vector<int>& slots);

// The question through the message interface, the deletion on "Ja". True
// when something was deleted. The document runs it in its transaction,
// which keeps the undo step.
bool MarkierteLoeschen(TListe& liste);

} // namespace kalvorin
