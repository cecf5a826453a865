#pragma once

// Readable names for the rows of parameterised tests, so that ctest lists
// "Faelle/Zwischenwinkel_.MatchesHandComputedAngle/1_0_0_gegen_m1_0_0" instead of
// the row's raw bytes or a bare index:
//
//   INSTANTIATE_TEST_SUITE_P(Faelle, Suite, ::testing::Values(...),
//                            testnamen::Nach([](const TFall& f) { return f.Name; }));
//
// gtest allows only letters, digits and '_' in a name, and every name of one
// suite must be unique; the generator sees one row at a time, so it remembers
// the names it has given out and appends the row's index only to a repeat.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

namespace testnamen {

// The text with umlauts written out, other non-ASCII characters as their
// code (U03A9), a few signs spelled as words and every
// other character that gtest does not allow as '_' (never two in a row, none
// at either end). An empty text gives "leer"; a text of digits only gets the
// prefix "Wert_", because ctest would otherwise show the row's value there.
inline std::string Bereinigt(std::string_view text) {
    std::string aus;
    const auto anhaengen = [&aus](std::string_view teil) {
        for (const char c : teil) {
            if (c == '_' && (aus.empty() || aus.back() == '_')) continue;
            aus += c;
        }
    };
    const auto wort = [&](std::string_view w) {
        if (!aus.empty()) anhaengen("_");
        anhaengen(w);
        anhaengen("_");
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isalnum(c) != 0 && c < 0x80) {
            aus += static_cast<char>(c);
            continue;
        }
        if (c >= 0x80) {
            // one UTF-8 character: umlauts and ß written out, others as U+code
            std::size_t laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (i + laenge > text.size()) laenge = 1;
            unsigned long code = laenge == 1 ? c : c & (0x7Fu >> laenge);
            for (std::size_t k = 1; k < laenge; ++k)
                code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
            i += laenge - 1;
            switch (code) {
            case 0xE4:
                aus += "ae";
                break;
            case 0xF6:
                aus += "oe";
                break;
            case 0xFC:
                aus += "ue";
                break;
            case 0xC4:
                aus += "Ae";
                break;
            case 0xD6:
                aus += "Oe";
                break;
            case 0xDC:
                aus += "Ue";
                break;
            case 0xDF:
                aus += "ss";
                break;
            default: {
                char hex[16];
                std::snprintf(hex, sizeof hex, "U%04lX", code);
                wort(hex);
            }
            }
            continue;
        }
        switch (c) {
        case ',':
            wort("Komma");
            break;
        case '.':
            wort("Punkt");
            break;
        case '-':
            wort("Minus");
            break;
        case '+':
            wort("Plus");
            break;
        case '|':
            wort("Strich");
            break;
        case '@':
            wort("At");
            break;
        case '$':
            wort("Dollar");
            break;
        case '/':
            wort("durch");
            break;
        case ' ':
            wort("Leerzeichen");
            break;
        default:
            anhaengen("_");
            break;
        }
    }
    while (!aus.empty() && aus.back() == '_')
        aus.pop_back();
    if (aus.empty()) return "leer";
    if (aus.find_first_not_of("0123456789") == std::string::npos) aus = "Wert_" + aus;
    return aus;
}

// A number as a name part: 'm' for a minus, 'p' for the point, so that
// '_' can join several (-2.5 gives "m2p5", 1e-06 gives "1em06").
inline std::string Zahl(long double wert) {
    char text[64];
    std::snprintf(text, sizeof text, "%Lg", wert);
    std::string aus;
    for (const char* z = text; *z != 0; ++z) {
        if (*z == '-')
            aus += 'm';
        else if (*z == '.')
            aus += 'p';
        else if (*z != '+')
            aus += *z;
    }
    return aus;
}

// Several numbers joined by '_' (1, 0, -2 give "1_0_m2").
template <class... Werte> std::string Zahlen(Werte... werte) {
    std::string aus;
    ((aus += (aus.empty() ? "" : "_") + Zahl(static_cast<long double>(werte))), ...);
    return aus;
}

// A name generator from a function that gives a row's name as text; the
// function's own type keeps the names of one instantiation apart from all
// others. gtest asks for the names once per test of the suite, always from
// index 0 on, so index 0 starts the record afresh.
template <class Benenner> auto Nach(Benenner benenner) {
    return [benenner](const auto& info) {
        static std::set<std::string> vergeben;
        if (info.index == 0) vergeben.clear();
        std::string name = Bereinigt(std::string(benenner(info.param)));
        if (!vergeben.insert(name).second) {
            name += "_" + std::to_string(info.index);
            vergeben.insert(name);
        }
        return name;
    };
}

// The decimal separator rows used throughout: ',' and '.'.
inline std::string Trenner(const ::testing::TestParamInfo<char>& info) {
    return info.param == ',' ? "Komma" : "Punkt";
}

} // namespace testnamen
