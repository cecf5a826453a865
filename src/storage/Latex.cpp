#include "storage/Latex.h"

#include "storage/Cp1252.h"

#include <algorithm>
#include <utility>

namespace kalvorin {

namespace {

// One UTF-8 character from s at i; i moves past it. Bytes that are no
// valid character give U+FFFD.
char32_t Zeichen(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    int folge = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (folge < 0 || c >= 0xF8) return 0xFFFD;
    char32_t z = c & (0x3F >> folge);
    for (; folge > 0; --folge) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        z = (z << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return z;
}

// The signs of the plain texts (the worked solution's sentences) that have
// no Windows-1252 byte, set as math. Those that have one (×, ·, ²) stay
// text, so that a name holding them is printed as typed.
constexpr std::pair<std::string_view, std::string_view> Mathezeichen[] = {
    {"≤", "$\\le$"},     {"≥", "$\\ge$"},         {"−", "$-$"},
    {"≈", "$\\approx$"}, {"⇒", "$\\Rightarrow$"}, {"≠", "$\\neq$"},
    {"α", "$\\alpha$"},  {"√", "$\\surd$"},       {"⊥", "$\\perp$"},
};

constexpr std::string_view Vektorpfeil = "\xE2\x83\x97"; // U+20D7, combining

bool IstAsciiBuchstabe(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The escape of a character that TeX reads as a command, a group, math,
// a comment or an alignment, or that sets another glyph in T1 (< > | " `);
// empty for every other character.
std::string_view Sonderzeichen(char32_t z) {
    switch (z) {
    case '\\':
        return "\\textbackslash{}";
    case '{':
        return "\\{";
    case '}':
        return "\\}";
    case '$':
        return "\\$";
    case '&':
        return "\\&";
    case '#':
        return "\\#";
    case '%':
        return "\\%";
    case '_':
        return "\\_";
    case '^':
        return "\\textasciicircum{}";
    case '~':
        return "\\textasciitilde{}";
    case '<':
        return "\\textless{}";
    case '>':
        return "\\textgreater{}";
    case '|':
        return "\\textbar{}";
    case '"':
        return "\\textquotedbl{}";
    case '`':
        return "\\textasciigrave{}";
    default:
        return {};
    }
}

// True (and r extended) when the text at i starts with a sign of the table
// or a letter with the vector arrow; i moves past it.
bool MathezeichenSetzen(std::string_view s, std::size_t& i, std::string& r) {
    if (IstAsciiBuchstabe(s[i]) && s.substr(i + 1, Vektorpfeil.size()) == Vektorpfeil) {
        r += "$\\vec{";
        r += s[i];
        r += "}$";
        i += 1 + Vektorpfeil.size();
        return true;
    }
    for (const auto& [zeichen, latex] : Mathezeichen)
        if (s.substr(i, zeichen.size()) == zeichen) {
            r += latex;
            i += zeichen.size();
            return true;
        }
    return false;
}

} // namespace

std::string LatexText(std::string_view utf8) {
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        if (MathezeichenSetzen(utf8, i, r)) continue;
        const std::size_t anfang = i;
        const char32_t z = Zeichen(utf8, i);
        if (z == '\'') {
            // A run of primes, as in A' and B'': one math group, so that two
            // become a double prime and never a closing quote.
            r += "$'";
            while (i < utf8.size() && utf8[i] == '\'') {
                r += '\'';
                ++i;
            }
            r += '$';
            continue;
        }
        if (const std::string_view e = Sonderzeichen(z); !e.empty()) {
            r += e;
            continue;
        }
        if (z == '-' || z == ',') {
            // -- and ,, would join into a dash and low quotes.
            r += static_cast<char>(z);
            if (i < utf8.size() && utf8[i] == static_cast<char>(z)) r += "{}";
            continue;
        }
        if (z < 0x20 || (z >= 0x7F && z < 0xA0)) continue;
        // Subscript digits (the axis names x1, x2, x3 of the textbook view).
        if (z >= 0x2080 && z <= 0x2089) {
            r += "\\textsubscript{" + std::string(1, static_cast<char>('0' + (z - 0x2080))) + "}";
            continue;
        }
        const std::string_view zeichen = utf8.substr(anfang, i - anfang);
        // Everything a document file can hold sets with inputenc and T1.
        if (z != 0xFFFD && InCp1252Darstellbar(zeichen))
            r += zeichen;
        else
            r += '?';
    }
    return r;
}

std::string LatexName(std::string_view utf8) {
    const bool einfach = !utf8.empty() && std::all_of(utf8.begin(), utf8.end(), [](char c) {
        return IstAsciiBuchstabe(c) || (c >= '0' && c <= '9') || c == '\'';
    });
    if (einfach) return std::string(utf8);
    return "\\text{" + LatexText(utf8) + "}";
}

std::string_view LatexFormelDefinition() {
    // Without graphicx (a worksheet of someone else's) the formula stays as
    // wide as it is.
    return "\\providecommand{\\KalvorinFormel}[1]{\\par\\smallskip\\noindent\\hfil"
           "\\sbox0{$\\displaystyle #1$}\\ifdim\\wd0>\\linewidth\\ifdefined\\resizebox"
           "\\resizebox{\\linewidth}{!}{\\usebox0}\\else\\usebox0\\fi\\else\\usebox0\\fi"
           "\\hfil\\par\\smallskip}\n";
}

std::string LatexFormel(std::string_view mathe) {
    return "\\KalvorinFormel{" + std::string(mathe) + "}";
}

} // namespace kalvorin
