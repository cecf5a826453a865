#pragma once
// Recomputation of one derived element from its sources, as the rebuild of a
// document does it for every element in list order.

#include "model/Element.h"

namespace kalvorin {

enum class TNachrechnung {
    Neu,            // the element holds freshly computed numbers
    Fehlgeschlagen, // the construction failed: the element is independent now
    KeineRegel,     // not derived, or no rule for its code and kind: unchanged
};

// Recomputes the element with the construction its derivation code names:
// intersection (the result must still be of the element's kind), images
// under mappings (composites write their image parts), perpendiculars,
// midpoints, mid-lines, mid-planes and vector operations. When the
// construction fails, the derivation code is set to 0 ("keine") and the
// element keeps its last numbers. fehler, when given, receives the code of
// the failure (0 otherwise).
TNachrechnung AbgeleitetesNachrechnen(TDreiDBasisElement& element, int* fehler = nullptr);

} // namespace kalvorin
