#include "storage/Cp1252.h"

#include <array>
#include <cstdint>

namespace kalvorin {

namespace {

constexpr char32_t Ersatzzeichen = 0xFFFD;

// 0x80..0x9F are the only bytes that differ from Latin-1.
constexpr std::array<char32_t, 32> Bereich80bis9F = {
    0x20AC,        Ersatzzeichen, 0x201A, 0x0192, 0x201E, 0x2026,        0x2020, 0x2021,
    0x02C6,        0x2030,        0x0160, 0x2039, 0x0152, Ersatzzeichen, 0x017D, Ersatzzeichen,
    Ersatzzeichen, 0x2018,        0x2019, 0x201C, 0x201D, 0x2022,        0x2013, 0x2014,
    0x02DC,        0x2122,        0x0161, 0x203A, 0x0153, Ersatzzeichen, 0x017E, 0x0178,
};

char32_t ZeichenVonByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return Bereich80bis9F[b - 0x80];
    return b;
}

// The byte of c, or -1 when Windows-1252 has none.
int ByteVonZeichen(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    if (c == Ersatzzeichen) return -1;
    for (std::size_t i = 0; i < Bereich80bis9F.size(); ++i)
        if (Bereich80bis9F[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

void AnhaengenUtf8(std::string& ziel, char32_t c) {
    if (c < 0x80) {
        ziel += static_cast<char>(c);
    } else if (c < 0x800) {
        ziel += static_cast<char>(0xC0 | (c >> 6));
        ziel += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every character of the table lies in the basic plane.
        ziel += static_cast<char>(0xE0 | (c >> 12));
        ziel += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the character at s[i] and advances i. Returns false (and advances
// by one byte) for anything that is not a well-formed UTF-8 sequence:
// overlong forms, surrogates and values above U+10FFFF included.
bool NaechstesZeichen(std::string_view s, std::size_t& i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        c = b0;
        ++i;
        return true;
    }
    int folge = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        folge = 1;
        c = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        folge = 2;
        c = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        folge = 3;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + static_cast<std::size_t>(folge) >= s.size()) {
        ++i;
        return false;
    }
    for (int k = 1; k <= folge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += static_cast<std::size_t>(folge) + 1;
    return true;
}

} // namespace

std::string Cp1252ZuUtf8(std::string_view cp1252) {
    std::string ergebnis;
    ergebnis.reserve(cp1252.size());
    for (char b : cp1252)
        AnhaengenUtf8(ergebnis, ZeichenVonByte(static_cast<unsigned char>(b)));
    return ergebnis;
}

std::string Utf8ZuCp1252(std::string_view utf8) {
    std::string ergebnis;
    ergebnis.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        const int b = NaechstesZeichen(utf8, i, c) ? ByteVonZeichen(c) : -1;
        ergebnis += b < 0 ? '?' : static_cast<char>(b);
    }
    return ergebnis;
}

std::string AlsUtf8(std::string_view bytes) {
    std::string ergebnis;
    ergebnis.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t anfang = i;
        char32_t c = 0;
        if (NaechstesZeichen(bytes, i, c))
            ergebnis.append(bytes.substr(anfang, i - anfang));
        else
            AnhaengenUtf8(ergebnis, ZeichenVonByte(static_cast<unsigned char>(bytes[anfang])));
    }
    return ergebnis;
}

bool InCp1252Darstellbar(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!NaechstesZeichen(utf8, i, c) || ByteVonZeichen(c) < 0) return false;
    }
    return true;
}

} // namespace kalvorin
