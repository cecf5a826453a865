#include "model/Utf8.h"

namespace kalvorin {

namespace {
bool IstFolgebyte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
} // namespace

std::size_t Utf8Laenge(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if (!IstFolgebyte(c)) ++n;
    return n;
}

std::string Utf8Anfang(std::string_view s, std::size_t n) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IstFolgebyte(static_cast<unsigned char>(s[i]))) {
            if (zeichen == n) return std::string(s.substr(0, i));
            ++zeichen;
        }
    }
    return std::string(s);
}

} // namespace kalvorin
