#include "math/Skalar.h"

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>

using namespace kalvorin;

TEST(Skalar, ClampSignAndLogarithm) {
    EXPECT_EQ(Begrenzen(5.0L, 0.0L, 2.0L), 2);
    EXPECT_EQ(Begrenzen(-1, 0, 2), 0);
    EXPECT_EQ(Vorzeichen(-0.5L), -1);
    EXPECT_EQ(Vorzeichen(0.0L), 0);
    EXPECT_EQ(DekLogarithmus(0), -1e30L);
    EXPECT_EQ(DekLogarithmus(-3), -1e30L);
    EXPECT_NEAR(static_cast<double>(DekLogarithmus(1000)), 3, 1e-15);
    EXPECT_NEAR(static_cast<double>(Zehnhoch(2)), 100, 1e-13);
}

TEST(Skalar, TextToNumberUsesTheGivenSeparator) {
    EXPECT_EQ(TextZuZahl("2,5", ','), 2.5L);
    EXPECT_EQ(TextZuZahl("-0.25", '.'), -0.25L);
    EXPECT_EQ(TextZuZahl(" 3 ", '.'), 3);
    for (const char* falsch : {"", "abc", "1,2,3", "0x10", "inf", "nan", "1e99999", "2.5"})
        EXPECT_THROW(TextZuZahl(falsch, ','), std::invalid_argument) << falsch;
}

TEST(Skalar, NumberToText) {
    EXPECT_EQ(ZahlZuText(2.5L, ','), "2,5");
    EXPECT_EQ(ZahlZuText(1.0L / 3, '.'), "0.333333");
    EXPECT_EQ(GerundeterText(3.14159L, 4, '.'), "3.14");
    EXPECT_EQ(GerundeterText(2.0L, 3, ','), "2");
    EXPECT_EQ(GerundeterText(-1.005L, 1, ','), "-1");
}

TEST(Skalar, ConversionsIgnoreTheProcessLocale) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    const std::string gemerkt = vorher ? vorher : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(TextZuZahl("2.5", '.'), 2.5L);
    EXPECT_EQ(ZahlZuText(2.5L, '.'), "2.5");
    std::setlocale(LC_NUMERIC, gemerkt.c_str());
}
