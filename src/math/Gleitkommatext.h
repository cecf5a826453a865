#pragma once
// Real numbers to and from text in the C locale's form, as std::to_chars and
// std::from_chars do for long double in libstdc++. libc++ (the WebAssembly
// build's library) has no floating-point overloads of them, so there the
// same results come from snprintf and strtold, both correctly rounded.

#include "math/Tripel.h"

#include <charconv>

namespace kalvorin {

// std::to_chars(erste, letzte, x, format, stellen).
std::to_chars_result GleitkommaSchreiben(char* erste, char* letzte, Real x,
                                         std::chars_format format, int stellen);
// std::from_chars(erste, letzte, wert) in the general format: an optional
// minus, digits with an optional point, an optional exponent, or inf/nan.
std::from_chars_result GleitkommaLesen(const char* erste, const char* letzte, Real& wert);

} // namespace kalvorin
