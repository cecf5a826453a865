#include "math/Gleitkommatext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace kalvorin;

// The same text in the 80-bit build (std::to_chars) and in WebAssembly's
// binary128 (snprintf): values with an exact binary form, or rounded to
// fewer digits than either type holds.
TEST(Gleitkommatext, WritesAsToChars) {
    constexpr Real unendlich = std::numeric_limits<Real>::infinity();
    const struct {
        Real x;
        std::chars_format format;
        int stellen;
        const char* text;
    } faelle[] = {
        {2.5L, std::chars_format::general, 6, "2.5"},
        {1.0L / 3, std::chars_format::general, 6, "0.333333"},
        {1234567.0L, std::chars_format::general, 6, "1.23457e+06"},
        {0.0001L, std::chars_format::general, 6, "0.0001"},
        {-0.0L, std::chars_format::general, 6, "-0"},
        {unendlich, std::chars_format::general, 6, "inf"},
        {-unendlich, std::chars_format::fixed, 2, "-inf"},
        {-0.5L, std::chars_format::fixed, 2, "-0.50"},
        // A tie is rounded to even, as printf does.
        {0.125L, std::chars_format::fixed, 2, "0.12"},
        {0.375L, std::chars_format::fixed, 2, "0.38"},
        {123456.0L, std::chars_format::scientific, 0, "1e+05"},
        {-2.0L / 3, std::chars_format::scientific, 17, "-6.66666666666666667e-01"},
        // Beyond double's range: not written through double.
        {1e4000L, std::chars_format::scientific, 2, "1.00e+4000"},
        {3e-4000L, std::chars_format::general, 3, "3e-4000"},
    };
    for (const auto& f : faelle) {
        char puffer[64];
        const auto [ende, fehler] =
            GleitkommaSchreiben(puffer, puffer + sizeof puffer, f.x, f.format, f.stellen);
        EXPECT_EQ(fehler, std::errc()) << f.text;
        EXPECT_EQ(std::string(puffer, ende), f.text);
    }
    char klein[4];
    EXPECT_EQ(
        GleitkommaSchreiben(klein, klein + sizeof klein, 1234.5L, std::chars_format::fixed, 1).ec,
        std::errc::value_too_large);
}

TEST(Gleitkommatext, ReadsAsFromChars) {
    constexpr Real alt = 7;
    constexpr Real unendlich = std::numeric_limits<Real>::infinity();
    const struct {
        const char* text;
        std::size_t gelesen;
        std::errc fehler;
        Real wert;
    } faelle[] = {
        {"2.5", 3, std::errc(), 2.5L},
        {"-0.25e2", 7, std::errc(), -25},
        {".5", 2, std::errc(), 0.5L},
        {"5.", 2, std::errc(), 5},
        {"0.1", 3, std::errc(), 0.1L},
        {"1e4000", 6, std::errc(), 1e4000L},
        // The longest number at the start; what follows is left.
        {"1e", 1, std::errc(), 1},
        {"1e+", 1, std::errc(), 1},
        {"12abc", 2, std::errc(), 12},
        {"1,5", 1, std::errc(), 1},
        {"0x10", 1, std::errc(), 0},
        {"inf", 3, std::errc(), unendlich},
        {"-Infinity", 9, std::errc(), -unendlich},
        // No number: no plus, no blank, no lone point.
        {"+1", 0, std::errc::invalid_argument, alt},
        {" 1", 0, std::errc::invalid_argument, alt},
        {".", 0, std::errc::invalid_argument, alt},
        {"-", 0, std::errc::invalid_argument, alt},
        {"e5", 0, std::errc::invalid_argument, alt},
        // Out of range either way: read to its end, the value left as it was.
        {"1e99999", 7, std::errc::result_out_of_range, alt},
        {"-1e-99999", 9, std::errc::result_out_of_range, alt},
    };
    for (const auto& f : faelle) {
        const std::string text = f.text;
        Real w = alt;
        const auto [ende, fehler] = GleitkommaLesen(text.data(), text.data() + text.size(), w);
        EXPECT_EQ(static_cast<std::size_t>(ende - text.data()), f.gelesen) << f.text;
        EXPECT_EQ(fehler, f.fehler) << f.text;
        EXPECT_EQ(w, f.wert) << f.text;
    }
    Real w = 0;
    const std::string nan = "nan(1)x";
    const auto r = GleitkommaLesen(nan.data(), nan.data() + nan.size(), w);
    EXPECT_EQ(r.ptr, nan.data() + 6);
    EXPECT_TRUE(std::isnan(w));
}
