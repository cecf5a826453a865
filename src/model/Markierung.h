#pragma once
// Counting the marked elements by kind, the basis of every offer of commands.

#include "model/Liste.h"

#include <array>
#include <string>

namespace kalvorin {

// A marked arrow stands for its vector (the own vector of a "PfPP" arrow, the
// referenced one of a "PfPV" arrow) and counts as a vector, but only when
// that vector is not itself marked; otherwise it is not counted at all.
bool PfeilZaehltAlsVektor(const TDreiDBasisElement& pfeil);

// Marked elements per kind number; the arrow counter is always 0.
std::array<int, AnzahlElementarten> MarkierteJeArt(const TListe& liste);

// The first laenge positions of the pattern the offers are looked up by:
// one per kind at its place in the kind table (point, vector, line, plane,
// segment, triangle, pyramid), '-' for 0, '1'..'9' otherwise (more than 9
// shows as '9'). While a sphere or a circle is marked, their two places
// follow: "1------1-" is a point and a sphere in the long pattern. While a
// quadrilateral or a four-sided pyramid is marked, their two places follow
// those: "1--------1-" is a point and a quadrilateral.
inline constexpr int RundeMusterstelle = 7;
inline constexpr int ViereckMusterstelle = 9;
std::string MarkierungsMuster(const std::array<int, AnzahlElementarten>& zaehler, int laenge);

} // namespace kalvorin
