#pragma once
// Deleting the marked elements together with everything built on them.

#include "document/Rueckgaengig.h"
#include "model/Abhaengigkeiten.h"

#include <string>
#include <vector>

namespace kalvorin {

// "Soll  A wirklich gelöscht werden?" or, for several, the question with the
// centred list of names.
std::string LoeschFrage(const TListe& liste, const std::vector<int>& slots);

// The whole command: undo snapshot, question through the message
// interface, deletion on "Ja". True when something was deleted; the caller
// then rebuilds the document.
bool MarkierteLoeschen(TListe& liste, TRueckgaengig& rueckgaengig);

} // namespace kalvorin
