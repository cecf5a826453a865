#pragma once
// The one-line German descriptions of an element: how it came about (for
// derived elements) and how it is defined. The object list shows them as
// hints, the element dialogs in their group "Entstehung: ".

#include "model/Element.h"

#include <string>

namespace kalvorin {

// "S1 = g1 geschnitten mit E1" and so on; empty for an element that is not
// derived. Every non-empty text begins with the element's name and a blank.
std::string EntstehungsText(const TDreiDBasisElement& element);

// "g1 = Gerade( P1 , P2 )" and so on; a point given by coordinates (or
// derived) shows its evaluated coordinates.
std::string FestlegungsText(const TDreiDBasisElement& element);

} // namespace kalvorin
