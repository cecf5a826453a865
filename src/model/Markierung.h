#pragma once
// Counting the marked elements by kind, the basis of every offer of commands.

#include "model/Liste.h"

#include <array>

namespace kalvorin {

// A marked arrow stands for its vector (the own vector of a "PfPP" arrow, the
// referenced one of a "PfPV" arrow) and counts as a vector, but only when
// that vector is not itself marked; otherwise it is not counted at all.
bool PfeilZaehltAlsVektor(const TDreiDBasisElement& pfeil);

// Marked elements per kind number; the arrow counter is always 0.
std::array<int, AnzahlElementarten> MarkierteJeArt(const TListe& liste);

} // namespace kalvorin
