#pragma once
// Stand-in for the number display of the storage layer while that is not
// yet part of this branch: the same declaration as FormatNumber, so the
// descriptions switch over by replacing the call. Nothing else should use it.

#include "math/Tripel.h"

#include <string>

namespace kalvorin {

// The display text of a coordinate or parameter: 0 within 0.000001, a
// fraction when the settings ask for fractions and one fits, else the
// general format with the standard number of digits and the user's decimal
// separator; at most 12 characters.
std::string ZahlText(Real x);

} // namespace kalvorin
