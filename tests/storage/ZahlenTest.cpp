#include "zahlen/Zahlen.h"

#include "EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace kalvorin;
using test::MitTrenner;

namespace {

class Zahlen : public testing::TestWithParam<char> {
protected:
    void SetUp() override {
        TStandardEinstellungen& e = Einstellungen();
        e.Dezimaltrenner = GetParam();
        e.ZahlenAlsBrueche = true;
        e.MaximalerNenner = 100;
        e.StandardStellen = 2;
    }
    // The text written with the other separator than the one under test.
    static std::string MitAnderemTrenner(std::string muster) {
        for (char& c : muster)
            if (c == ',') c = Einstellungen().Dezimaltrenner == ',' ? '.' : ',';
        return muster;
    }
    test::TEinstellungenSichern sichern;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Trenner, Zahlen, testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

TEST_P(Zahlen, RemoveBlanks) {
    EXPECT_EQ(RemoveBlanks(" 1 / 2 "), "1/2");
}

TEST_P(Zahlen, ParseNumberCodes) {
    struct Fall {
        std::string Text;
        int Code;
        Real Wert;
    };
    const Fall faelle[] = {
        {"1/4", ZahlGueltig, 0.25L},
        {"3/0", ZahlAusserhalb, 0},
        {"0/0", ZahlAusserhalb, 0},
        {"300", ZahlAusserhalb, 300},
        {"-256", ZahlGueltig, -256},
        {"256", ZahlGueltig, 256},
        {MitTrenner("256,0001"), ZahlAusserhalb, 256.0001L},
        {"512/2", ZahlGueltig, 256},
        {"-1/3", ZahlGueltig, -1.0L / 3},
        {"1/-4", ZahlGueltig, -0.25L},
        {"", ZahlLeer, 0},
        {"/2", ZahlLeer, 0},
        {"2/", ZahlLeer, 0},
        {"x", ZahlUngueltig, 0},
        {"x/0", ZahlUngueltig, 0},
        {"1/2/3", ZahlUngueltig, 0},
        {"1e99999", ZahlUngueltig, 0},
        {"nan", ZahlUngueltig, 0},
        {"inf", ZahlUngueltig, 0},
        {"--5", ZahlUngueltig, 0},
        {"1e2", ZahlGueltig, 100},
        {"1e3", ZahlAusserhalb, 1000},
        {"1e-99999", ZahlGueltig, 0},
        {MitTrenner("-0,0001e-99999"), ZahlGueltig, 0},
        {MitTrenner("1,5"), ZahlGueltig, 1.5L},
        {MitAnderemTrenner("1,5"), ZahlUngueltig, 0},
        {MitTrenner(" 1,5 "), ZahlGueltig, 1.5L},
        {MitTrenner("1/0,5"), ZahlGueltig, 2},
    };
    for (const Fall& f : faelle) {
        const TZahl z = ParseNumber(f.Text);
        EXPECT_EQ(z.Code, f.Code) << "'" << f.Text << "'";
        if (f.Code == ZahlGueltig) {
            EXPECT_EQ(z.Wert, f.Wert) << "'" << f.Text << "'";
        }
    }
}

TEST_P(Zahlen, ParseRealHasNoFractionsAndNoRange) {
    EXPECT_EQ(ParseReal("").Code, ZahlLeer);
    EXPECT_EQ(ParseReal("1/2").Code, ZahlUngueltig);
    EXPECT_EQ(ParseReal("1000").Wert, 1000);
    EXPECT_EQ(ParseReal("1000").Code, ZahlGueltig);
}

TEST_P(Zahlen, TripleParsing) {
    const TTripelEingabe t = ParseTripel("1", MitTrenner("2,5"), "-1/2");
    EXPECT_FALSE(t.Fehler);
    EXPECT_EQ(t.Tripel, (TTripel{1, 2.5L, -0.5L}));

    const TTripelEingabe f = ParseTripel("1", "x", "3");
    EXPECT_TRUE(f.Fehler);
    EXPECT_EQ(f.Tripel, (TTripel{1, 0, 3}));

    EXPECT_TRUE(ParseTripelZero("0", "0/5", "-0").IstNull);
    EXPECT_FALSE(ParseTripelZero("0", "0", "1").IstNull);
    const TNullEingabe n = ParseTripelZero("0", "", "0");
    EXPECT_TRUE(n.Fehler);
    EXPECT_FALSE(n.IstNull);

    EXPECT_TRUE(SameTripelTexts("1/2", "1", "0", MitTrenner("0,5"), "2/2", "-0"));
    EXPECT_FALSE(SameTripelTexts("1/3", "1", "0", MitTrenner("0,333333"), "1", "0"));
    EXPECT_FALSE(SameTripelTexts("", "1", "0", "", "1", "0"));
}

TEST_P(Zahlen, DifferenceText) {
    EXPECT_EQ(DifferenceText("3", "1/2"), MitTrenner("2,5"));
    EXPECT_EQ(DifferenceText("1", "1/3"), MitTrenner("0,67"));
    EXPECT_EQ(DifferenceText("200", "-200"), "4E2");
    for (const char* falsch : {"", "x", "3/0"}) {
        const std::string t = DifferenceText(falsch, "1");
        EXPECT_EQ(ParseNumber(t).Code, ZahlUngueltig) << falsch;
        EXPECT_EQ(ParseNumber(DifferenceText("1", falsch)).Code, ZahlUngueltig) << falsch;
    }
}

TEST_P(Zahlen, FormatGeneral) {
    struct Fall {
        Real Wert;
        int Stellen;
        const char* Text;
    };
    const Fall faelle[] = {
        {1234, 2, "1,2E3"},
        {3.14159L, 2, "3,1"},
        {0, 6, "0"},
        {-0.0L, 6, "0"},
        {0.5L, 15, "0,5"},
        {100, 2, "1E2"},
        {99, 2, "99"},
        {99.96L, 3, "100"},
        {999.6L, 3, "1E3"},
        {123456, 6, "123456"},
        {1234567, 6, "1,23457E6"},
        {0.0001L, 6, "0,0001"},
        {0.00012344L, 3, "0,000123"},
        {0.00009999L, 6, "9,999E-5"},
        {0.000099999L, 2, "0,0001"},
        {-2.5e-7L, 6, "-2,5E-7"},
        {1e20L, 15, "1E20"},
        {1.5e-300L, 15, "1,5E-300"},
        {1.0L / 3, 1, "0,33"},
        {1.0L / 3, 0, "0,33"},
        {1.0L / 3, 30, "0,333333333333333333"},
        {std::numeric_limits<Real>::infinity(), 6, "INF"},
        {-std::numeric_limits<Real>::infinity(), 6, "-INF"},
        {std::numeric_limits<Real>::quiet_NaN(), 6, "NAN"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatGeneral(f.Wert, f.Stellen), MitTrenner(f.Text))
            << static_cast<double>(f.Wert) << " p=" << f.Stellen;
}

TEST_P(Zahlen, FormatNumberWithFractions) {
    struct Fall {
        Real Wert;
        const char* Text;
    };
    const Fall faelle[] = {
        {0.25L, "1/4"},    {0.5L, "1/2"},       {1.0L / 3, "1/3"},
        {2.75L, "11/4"},   {-1.5L, "-3/2"},     {-7.0L / 3, "-7/3"},
        {2, "2"},          {-2, "-2"},          {0.0000004L, "0"},
        {-0.000001L, "0"}, {22.0L / 7, "22/7"}, {0.99999L, "1"},
        {1e30L, "1E30"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatNumber(f.Wert), MitTrenner(f.Text)) << static_cast<double>(f.Wert);
}

TEST_P(Zahlen, FormatNumberWithoutFractions) {
    Einstellungen().ZahlenAlsBrueche = false;
    EXPECT_EQ(FormatNumber(3.14159L), MitTrenner("3,1"));
    EXPECT_EQ(FormatNumber(1234), MitTrenner("1,2E3"));
    EXPECT_EQ(FormatNumber(0.25L), MitTrenner("0,25"));
    EXPECT_EQ(FormatNumber(0.0000004L), "0");
    Einstellungen().StandardStellen = 15;
    EXPECT_EQ(FormatNumber(1.0L / 3), MitTrenner("0,3333333333"));
    EXPECT_EQ(FormatNumber(-1.0L / 3).size(), 12u);
}

// A number the display changes is a wrong result for a pupil: integers of
// the input range keep every digit, and a fraction is shown only when it is
// the value.
TEST_P(Zahlen, FormatNumberNeverShowsAnotherNumber) {
    struct Fall {
        Real Wert;
        const char* MitBruechen;
        const char* OhneBrueche;
    };
    const Fall faelle[] = {
        {255, "255", "255"},        {256, "256", "256"},      {-256, "-256", "-256"},
        {100, "100", "100"},        {123.456L, "123", "123"}, {3.14159L, "3,1", "3,1"},
        {22.0L / 7, "22/7", "3,1"}, {255.5L, "511/2", "256"}, {1.0L / 3 + 1e-9L, "0,33", "0,33"},
        {1234, "1,2E3", "1,2E3"},
    };
    for (const Fall& f : faelle) {
        Einstellungen().ZahlenAlsBrueche = true;
        EXPECT_EQ(FormatNumber(f.Wert), MitTrenner(f.MitBruechen)) << static_cast<double>(f.Wert);
        Einstellungen().ZahlenAlsBrueche = false;
        EXPECT_EQ(FormatNumber(f.Wert), MitTrenner(f.OhneBrueche)) << static_cast<double>(f.Wert);
    }
}

TEST_P(Zahlen, FractionApproximation) {
    EXPECT_EQ(Bruchnaeherung(0.25L, 100).Nenner, 4);
    EXPECT_EQ(Bruchnaeherung(0.25L, 100).Zaehler, 1);
    // 1/7 needs the denominator 7: with 6 allowed the decimal form is shown.
    EXPECT_EQ(Bruchnaeherung(1.0L / 7, 7).Nenner, 7);
    EXPECT_EQ(Bruchnaeherung(1.0L / 7, 6).Nenner, 1);
    // Too few denominators give the decimal form, not a coarse fraction:
    // 0.4 is not shown as 1/2.
    EXPECT_EQ(Bruchnaeherung(0.4L, 2).Nenner, 1);
    Einstellungen().MaximalerNenner = 2;
    EXPECT_EQ(FormatNumber(0.4L), MitTrenner("0,4"));
    // Any largest denominator ends quickly.
    for (int n : {INT_MIN, -5, 0, 1, INT_MAX}) {
        const TBruch b = Bruchnaeherung(3.14159265358979L, n);
        EXPECT_GE(b.Nenner, 1) << n;
    }
    EXPECT_EQ(Bruchnaeherung(std::numeric_limits<Real>::quiet_NaN(), 100).Nenner, 1);
    Einstellungen().MaximalerNenner = INT_MAX;
    EXPECT_LE(FormatNumber(0.1234567L).size(), 12u);
    EXPECT_EQ(FormatNumber(std::numeric_limits<Real>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<Real>::infinity()), "-INF");
}

TEST_P(Zahlen, FormatMeasure) {
    EXPECT_EQ(FormatMeasure(1.0L / 6), MitTrenner("0,17"));
    EXPECT_EQ(FormatMeasure(123456.789L), "123457");
    EXPECT_EQ(FormatMeasure(2.001L), "2");
    EXPECT_EQ(FormatMeasure(-2.5L), MitTrenner("-2,5"));
    EXPECT_EQ(FormatMeasure(0.004L), "0");
    EXPECT_EQ(FormatMeasure(1234.5678L), MitTrenner("1234,57"));
    // The exponent form keeps its exponent.
    EXPECT_EQ(FormatMeasure(1.23456789e10L), MitTrenner("1,23457E10"));
    EXPECT_LE(FormatMeasure(-1e300L).size(), 20u);
}

TEST_P(Zahlen, OtherSeparator) {
    EXPECT_EQ(AndererTrenner(), GetParam() == ',' ? '.' : ';');
}
