#include "geometry/ZahlText.h"

#include "storage/Einstellungen.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
class ZahlText_ : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        vorher_ = Einstellungen();
        Einstellungen().ZahlenAlsBrueche = true;
        Einstellungen().MaximalerNenner = 100;
        Einstellungen().StandardStellen = 2;
        Einstellungen().Dezimaltrenner = GetParam();
    }
    void TearDown() override { Einstellungen() = vorher_; }
    std::string T(const std::string& s) {
        std::string r = s;
        for (char& c : r)
            if (c == ',')
                c = GetParam();
        return r;
    }

private:
    TStandardEinstellungen vorher_;
};
} // namespace

TEST_P(ZahlText_, Fractions) {
    EXPECT_EQ(ZahlText(0.25L), "1/4");
    EXPECT_EQ(ZahlText(2), "2");
    EXPECT_EQ(ZahlText(0.0000004L), "0");
    EXPECT_EQ(ZahlText(-0.0000004L), "0");
    EXPECT_EQ(ZahlText(-1.5L), "-3/2");
    EXPECT_EQ(ZahlText(1 / 3.0L), "1/3");
    EXPECT_EQ(ZahlText(2.75L), "11/4");
    EXPECT_EQ(ZahlText(3.14159L), "22/7");
    // a denominator just above the limit gives the decimal form
    EXPECT_EQ(ZahlText(1 / 101.0L), T("0,0099"));
}

TEST_P(ZahlText_, GeneralFormat) {
    Einstellungen().ZahlenAlsBrueche = false;
    EXPECT_EQ(ZahlText(3.14159L), T("3,1"));
    EXPECT_EQ(ZahlText(1234), T("1,2E3"));
    EXPECT_EQ(ZahlText(12), "12");
    EXPECT_EQ(ZahlText(-0.5L), T("-0,5"));
    EXPECT_EQ(ZahlText(0.0001L), T("0,0001"));
    EXPECT_EQ(ZahlText(0.00002L), T("2E-5"));
    Einstellungen().StandardStellen = 6;
    EXPECT_EQ(ZahlText(1234), "1234");
    EXPECT_EQ(ZahlText(-1.0L / 3), T("-0,333333"));
    Einstellungen().StandardStellen = 18;
    // cut to twelve characters
    EXPECT_EQ(ZahlText(1.0L / 3), T("0,3333333333"));
}

INSTANTIATE_TEST_SUITE_P(Trenner, ZahlText_, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });
