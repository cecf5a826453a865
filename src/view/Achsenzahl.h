#pragma once
// The value written beside an axis: one significant digit in the general
// format, switching to an exponent once the value reaches 10 (8 is "8",
// 10 is "1E1", 0.5 is "0,5" with a comma separator).

#include "math/Tripel.h"

#include <string>

namespace kalvorin {

std::string AchsenZahlText(Real wert, char dezimaltrenner);

} // namespace kalvorin
