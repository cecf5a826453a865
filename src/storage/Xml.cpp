#include "storage/Xml.h"

namespace kalvorin {

namespace {

constexpr std::string_view Ersatzzeichen = "\xEF\xBF\xBD"; // U+FFFD

// The length of the valid UTF-8 character at s[i] that XML allows, or 0.
std::size_t Zeichenlaenge(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || c > 0xF4 || i + n > s.size()) return 0;
    char32_t z = c & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k) {
        const auto f = static_cast<unsigned char>(s[i + k]);
        if ((f & 0xC0) != 0x80) return 0;
        z = z << 6 | (f & 0x3F);
    }
    // Overlong forms, surrogates, the two non-characters and what lies
    // beyond Unicode.
    if ((n == 3 && z < 0x800) || (n == 4 && (z < 0x10000 || z > 0x10FFFF))) return 0;
    if ((z >= 0xD800 && z <= 0xDFFF) || z == 0xFFFE || z == 0xFFFF) return 0;
    return n;
}

} // namespace

std::string XmlText(std::string_view utf8) {
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            ++i;
            switch (c) {
            case '&':
                r += "&amp;";
                break;
            case '<':
                r += "&lt;";
                break;
            case '>':
                r += "&gt;";
                break;
            case '"':
                r += "&quot;";
                break;
            case '\'':
                r += "&apos;";
                break;
            default:
                if (b >= 0x20 || c == '\t' || c == '\n' || c == '\r') r += c;
                break;
            }
            continue;
        }
        const std::size_t n = Zeichenlaenge(utf8, i);
        if (n == 0) {
            r += Ersatzzeichen;
            ++i;
        } else {
            r.append(utf8.substr(i, n));
            i += n;
        }
    }
    return r;
}

} // namespace kalvorin
