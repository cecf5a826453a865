#pragma once
// Names are limited in characters, not bytes; these helpers count and cut
// UTF-8 text by code points.

#include <cstddef>
#include <string>
#include <string_view>

namespace kalvorin {

std::size_t Utf8Laenge(std::string_view s);
// The first n characters of s (all of s when it is shorter).
std::string Utf8Anfang(std::string_view s, std::size_t n);

} // namespace kalvorin
