#pragma once
// Measuring the marked elements: angles, lengths and distances, areas and
// volumes, as the text the information message shows.

#include "document/Angebote.h"
#include "model/Liste.h"

#include <optional>
#include <string>

namespace kalvorin {

// The text for the measurement (TBefehl::MessWinkel, Laenge, Flaeche or
// Volumen) of the marked elements; empty when the marks fit none of its
// cases or an element it needs cannot be evaluated.
std::optional<std::string> Messergebnis(const TListe& liste, TBefehl messung);

} // namespace kalvorin
