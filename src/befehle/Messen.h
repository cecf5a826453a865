#pragma once
// Measuring the marked elements: angles, lengths and distances, areas and
// volumes, as the text the information message shows.

#include "befehle/Angebote.h"
#include "exakt/Loesungsweg.h"
#include "model/Liste.h"

#include <optional>
#include <string>

namespace kalvorin {

// The text for the measurement (TBefehl::MessWinkel, Laenge, Flaeche or
// Volumen) of the marked elements; empty when the marks fit none of its
// cases or an element it needs cannot be evaluated.
std::optional<std::string> Messergebnis(const TListe& liste, TBefehl messung);

// The worked solution for the marked elements: an intersection, a
// perpendicular or a reflection, or the measurement row the marks select
// for the measurement of that kind. Nothing when the marks fit none.
std::optional<exakt::TLoesungsweg> LoesungswegDerMarkierten(const TListe& liste,
                                                            exakt::TLoesungsart art,
                                                            const std::string& ergebnisname = {});

// The check of the command sequences: every distance and length the four
// measurements show for the marks is at least 0, and every angle in which
// a line or a plane takes part lies in 0° to 90°, in the decimal and in the
// "exakt:" line. Empty when it holds, else what broke it.
std::string MesswerteSchulgerechtPruefen(const TListe& liste);

} // namespace kalvorin
