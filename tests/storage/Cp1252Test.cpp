#include "storage/Cp1252.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
bool OhneZeichen(int b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}
} // namespace

TEST(Cp1252, EveryByteWithACharacterSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1252ZuUtf8(byte);
        if (OhneZeichen(b)) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD") << b;
            EXPECT_EQ(Utf8ZuCp1252(utf8), "?") << b;
            EXPECT_FALSE(InCp1252Darstellbar(utf8)) << b;
        } else {
            EXPECT_EQ(Utf8ZuCp1252(utf8), byte) << b;
            EXPECT_TRUE(InCp1252Darstellbar(utf8)) << b;
        }
    }
}

TEST(Cp1252, GermanAndSpecialCharacters) {
    EXPECT_EQ(Cp1252ZuUtf8("L\xE4nge \xC4\xD6\xDC\xDF"), "Länge ÄÖÜß");
    EXPECT_EQ(Utf8ZuCp1252("Würfel"), "W\xFC"
                                      "rfel");
    EXPECT_EQ(Cp1252ZuUtf8("\x80\x84\x93\x9F"), "€„“Ÿ");
    EXPECT_EQ(Utf8ZuCp1252("€ – ™"), "\x80 \x96 \x99");
}

struct TNichtDarstellbar {
    const char* Name;
    const char* Text;
};

class Cp1252Fremd : public testing::TestWithParam<TNichtDarstellbar> {};

TEST_P(Cp1252Fremd, IsDetectedAndNeverMangledSilently) {
    const std::string text = GetParam().Text;
    EXPECT_FALSE(InCp1252Darstellbar(text));
    EXPECT_NE(Utf8ZuCp1252(text).find('?'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Cp1252Fremd,
    testing::Values(TNichtDarstellbar{"Greek", "Punkt \xCE\xB1"},           // α
                    TNichtDarstellbar{"Cjk", "\xE7\x82\xB9"},               // 点
                    TNichtDarstellbar{"Emoji", "\xF0\x9F\x98\x80"},         // U+1F600
                    TNichtDarstellbar{"Truncated", "a\xC3"},                // first byte only
                    TNichtDarstellbar{"Overlong", "\xC0\xAF"},              // "/" in two bytes
                    TNichtDarstellbar{"Surrogate", "\xED\xA0\x80"},         // U+D800
                    TNichtDarstellbar{"BeyondUnicode", "\xF4\x90\x80\x80"}, // U+110000
                    TNichtDarstellbar{"LoneContinuation", "\x80"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Cp1252, BrokenSequenceDoesNotSwallowTheNextCharacter) {
    EXPECT_EQ(Utf8ZuCp1252("\xC3"
                           "A"),
              "?A");
    EXPECT_EQ(Utf8ZuCp1252("\xE2\x82"
                           "b"),
              "??b");
}

// Bytes of any kind become valid UTF-8 for JSON: UTF-8 stays, a Latin-1 or
// Windows-1252 byte becomes its character.
TEST(Cp1252, AnyBytesBecomeValidUtf8) {
    const std::pair<std::string, std::string> faelle[] = {
        {"\xDC"
         "bung.kvr",
         "Übung.kvr"},
        {"Übung.kvr", "Übung.kvr"},
        {"a\x80z", "a€z"},
        {"\x81", "\xEF\xBF\xBD"},
        {"\xC3", "Ã"},                  // a UTF-8 start without its follower
        {"\xE2\x82", "â‚"},             // cut off after two of three bytes
        {"\xED\xA0\x80", "í\xC2\xA0€"}, // a surrogate is no character
        {"", ""},
    };
    for (const auto& [roh, utf8] : faelle)
        EXPECT_EQ(AlsUtf8(roh), utf8) << roh;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(AlsUtf8(byte), b < 0x80 ? byte : Cp1252ZuUtf8(byte)) << b;
    }
}
