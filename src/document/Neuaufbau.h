#pragma once
// Keeping derived elements up to date: every element is recomputed from its
// sources in list order and handed to the scene; what cannot be shown is
// reported once and hidden.

#include "model/Liste.h"
#include "view/GSzene.h"
#include "view/SzenenElemente.h"

#include <string>

namespace kalvorin {

// Triangles and pyramids evaluate without a code of their own; the rebuild
// tests their shape and reports it with these.
inline constexpr int FehlerDreieckEckenAufGerade = 40;
inline constexpr int FehlerPyramideSpitzeInGrundflaeche = 41;

// Evaluates the element into the geometry of the scene's input, with the
// shape checks of triangles (corners on a line) and pyramids (apex in the
// base plane) that only the rebuild makes; 0 or the error code.
int ElementGeometrie(const TDreiDBasisElement& e, TSzenenEingabe& ein);

// Recomputes the element in the slot and adds it to the scene (hidden
// elements other than vectors are skipped).
void ElementAktualisieren(TListe& liste, int slot, tGSzene& szene);

// The warning for an element whose evaluation failed with the code.
std::string NichtDarstellbarText(const TDreiDBasisElement& e, int fehler);

// The warning when the scene refused the element: -1 full, 0 outside.
std::string NichtSichtbarText(const TDreiDBasisElement& e, int ergebnis);

} // namespace kalvorin
