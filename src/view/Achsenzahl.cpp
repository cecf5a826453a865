#include "view/Achsenzahl.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalvorin {

std::string AchsenZahlText(Real wert, char dezimaltrenner) {
    if (!std::isfinite(wert)) return std::string();
    if (wert == 0) return "0";
    // One significant digit, rounded: "d.e+XX" without the point, so "de+XX".
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.0Le", wert);
    const std::string s = puffer;
    const std::size_t e = s.find('e');
    const std::string ziffer = s.substr(0, e); // "-8" or "8"
    const int exponent = std::atoi(s.c_str() + e + 1);
    const bool negativ = ziffer[0] == '-';
    const char d = ziffer.back();
    const std::string vorz = negativ ? "-" : "";
    if (exponent >= 1 || exponent < -5) return vorz + d + "E" + std::to_string(exponent);
    if (exponent == 0) return vorz + d;
    return vorz + "0" + dezimaltrenner + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
           d;
}

} // namespace kalvorin
