#pragma once
// Small scalar helpers shared by the geometry, the scene and the number output.

#include "math/Tripel.h"

#include <string>

namespace kalvorin {

Real Maximum(Real a, Real b);
Real Minimum(Real a, Real b);
int Maximum(int a, int b);
int Minimum(int a, int b);
Real Begrenzen(Real v, Real lo, Real hi);
int Begrenzen(int v, int lo, int hi);

Real Ln10();
Real EinsDurchLn10();
// log10 x for x > 0; -1e30 otherwise.
Real DekLogarithmus(Real x);
// 10^x computed as e^(x ln 10).
Real Zehnhoch(Real x);
int Vorzeichen(Real x);

// The number standing in the first 80 characters of s, with the given decimal
// separator. Throws std::invalid_argument when s is not a number.
Real TextZuZahl(const std::string& s, char dezimaltrenner = '.');
// General format with 6 significant digits.
std::string ZahlZuText(Real x, char dezimaltrenner = '.');
// x rounded to n places, at most two characters behind the separator.
std::string GerundeterText(Real x, int n, char dezimaltrenner = '.');

} // namespace kalvorin
