#include "storage/Felder.h"
#include "Testnamen.h"
#include "storage/Cp1252.h"
#include "storage/IniInhalt.h"

#include "EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace kalvorin;
using test::MitTrenner;

struct TFeldFall {
    const char* Liste;
    const char* Feld;
    const char* Rest;
};

class NextFieldFall : public testing::TestWithParam<TFeldFall> {};

TEST_P(NextFieldFall, TakesTheTextBeforeTheFirstBar) {
    std::string liste = GetParam().Liste;
    EXPECT_EQ(NextField(liste), GetParam().Feld);
    EXPECT_EQ(liste, GetParam().Rest);
}

INSTANTIATE_TEST_SUITE_P(Listen, NextFieldFall,
                         testing::Values(TFeldFall{"3|4", "3", "4"}, TFeldFall{"4", "4", ""},
                                         TFeldFall{"", "", ""}, TFeldFall{"|x", "", "x"},
                                         TFeldFall{"a||b", "a", "|b"}, TFeldFall{"a|", "a", ""}),
                         testnamen::Nach([](const TFeldFall& f) { return f.Liste; }));

TEST(Felder, ColoursAreRedGreenBlue) {
    EXPECT_EQ(ColorToField(RGB(255, 0, 0)), "255|0|0");
    EXPECT_EQ(ColorToField(RGB(0, 128, 255)), "0|128|255");
    const TFarbe f = FieldToColor("0|128|255");
    EXPECT_EQ(Rot(f), 0);
    EXPECT_EQ(Gruen(f), 128);
    EXPECT_EQ(Blau(f), 255);
    EXPECT_EQ(FieldToColor("255|0|0"), RGB(255, 0, 0));
    EXPECT_EQ(FieldToColor("1|2|3|noch mehr"), RGB(1, 2, 3));
}

TEST(Felder, ColourComponentsOutsideTheRangeAreHeldToIt) {
    EXPECT_EQ(FieldToColor("300|-4|$FF"), RGB(255, 0, 255));
}

struct TFehlerFall {
    const char* Text;
    const char* Meldung;
};

class FarbFehler : public testing::TestWithParam<TFehlerFall> {};

TEST_P(FarbFehler, UnreadableComponentIsAnIntegerError) {
    try {
        (void)FieldToColor(GetParam().Text);
        ADD_FAILURE() << "no error for " << GetParam().Text;
    } catch (const EKonvertierungsfehler& e) {
        EXPECT_STREQ(e.what(), GetParam().Meldung);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texte, FarbFehler,
    testing::Values(TFehlerFall{"300|x", "'x' ist kein gültiger Integerwert"},
                    TFehlerFall{"1|2", "'' ist kein gültiger Integerwert"},
                    TFehlerFall{"", "'' ist kein gültiger Integerwert"},
                    TFehlerFall{"1,5|2|3", "'1,5' ist kein gültiger Integerwert"},
                    TFehlerFall{"rot|grün|blau", "'rot' ist kein gültiger Integerwert"}),
    testnamen::Nach([](const TFehlerFall& f) { return f.Text; }));

TEST(Felder, FirstFieldToIntReadsTheNumberBeforeTheWord) {
    EXPECT_EQ(FirstFieldToInt("5|DGerade"), 5);
    EXPECT_EQ(FirstFieldToInt("1|Schnitt"), 1);
    EXPECT_EQ(FirstFieldToInt("-1"), -1);
    EXPECT_THROW(FirstFieldToInt("DGerade|5"), EKonvertierungsfehler);
    EXPECT_THROW(FirstFieldToInt(""), EKonvertierungsfehler);
}

class FelderMitTrenner : public testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }
    test::TEinstellungenSichern sichern;
};

INSTANTIATE_TEST_SUITE_P(Trenner, FelderMitTrenner, testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

TEST_P(FelderMitTrenner, RealNumbersUseTheUsersSeparatorAndFifteenDigits) {
    EXPECT_EQ(RealToField(0.5L), MitTrenner("0,5"));
    EXPECT_EQ(RealToField(1.0L / 3), MitTrenner("0,333333333333333"));
    EXPECT_EQ(RealToField(-2.0L / 3), MitTrenner("-0,666666666666667"));
    EXPECT_EQ(RealToField(7), "7");
    EXPECT_EQ(RealToField(0), "0");
    EXPECT_EQ(RealToField(-0.0L), "0");
    EXPECT_EQ(RealToField(123456789012345.0L), "123456789012345");
    EXPECT_EQ(RealToField(1e15L), "1E15");
    EXPECT_EQ(RealToField(0.0001L), MitTrenner("0,0001"));
    EXPECT_EQ(RealToField(0.00001L), "1E-5");
    EXPECT_EQ(RealToField(-2.5e-7L), MitTrenner("-2,5E-7"));
    EXPECT_EQ(RealToField(1e300L), "1E300");
}

TEST_P(FelderMitTrenner, RealNumbersAreReadWithEitherSeparator) {
    EXPECT_EQ(FieldToReal("0,5"), 0.5L);
    EXPECT_EQ(FieldToReal("0.5"), 0.5L);
    EXPECT_EQ(FieldToReal("-2,5E-7"), -2.5e-7L);
    EXPECT_EQ(FieldToReal("1e3"), 1000);
    EXPECT_EQ(FieldToReal(" +4 "), 4);
    EXPECT_EQ(FieldToReal(",5"), 0.5L);
    EXPECT_EQ(FieldToReal("5."), 5);
    EXPECT_EQ(FieldToReal("1e-99999"), 0);
    EXPECT_EQ(FieldToReal("0e99999"), 0);
    EXPECT_EQ(FieldToReal("0,00001e-4931"), 0);
    EXPECT_THROW(FieldToReal("10000e4929"), EKonvertierungsfehler);
    // Values computed so small that they are written with a tiny exponent read back.
    const Real winzig = std::numeric_limits<Real>::denorm_min() * 12345;
    EXPECT_NO_THROW(FieldToReal(RealToField(winzig)));
    EXPECT_LE(FieldToReal(RealToField(winzig)), winzig * 2);
}

class RealFehler : public testing::TestWithParam<const char*> {};

TEST_P(RealFehler, UnreadableRealIsAFloatingPointError) {
    const std::string text = GetParam();
    try {
        (void)FieldToReal(text);
        ADD_FAILURE() << "no error for " << text;
    } catch (const EKonvertierungsfehler& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' ist kein gültiger Gleitkommawert");
    }
}

INSTANTIATE_TEST_SUITE_P(Texte, RealFehler,
                         testing::Values("", " ", "1e99999", "-1e99999", "nan", "NaN", "inf", "--5",
                                         "+-5", "1,5.5", "1.5,5", "1e", "1e+", ".", ",", "e5",
                                         "0x10", "$10", "1 2", "1/2", "5|6", "1,5E3,5"),
                         testnamen::Nach([](const char* text) { return text; }));

TEST_P(FelderMitTrenner, TriplesAndPairsRoundTrip) {
    const TTripel t{0.5L, -1.0L / 3, 1234567.125L};
    std::string liste = TripelToFields(t);
    EXPECT_EQ(liste, MitTrenner("0,5|-0,333333333333333|1234567,125"));
    const TTripel gelesen = FieldsToTripel(liste);
    EXPECT_EQ(liste, "");
    EXPECT_EQ(gelesen.x, t.x);
    EXPECT_NEAR(static_cast<double>(gelesen.y), static_cast<double>(t.y), 1e-15);
    EXPECT_EQ(gelesen.z, t.z);

    std::string bereich = "-1|7|Rest";
    EXPECT_EQ(FieldsToPair(bereich), (std::pair<Real, Real>{-1, 7}));
    EXPECT_EQ(bereich, "Rest");

    std::string kurz = "1|2";
    EXPECT_THROW(FieldsToTripel(kurz), EKonvertierungsfehler);
}

TEST_P(FelderMitTrenner, TriplesWrittenWithTheOtherSeparatorRead) {
    std::string komma = "1,5|2|-0,25";
    std::string punkt = "1.5|2|-0.25";
    EXPECT_EQ(FieldsToTripel(komma), (TTripel{1.5L, 2, -0.25L}));
    EXPECT_EQ(FieldsToTripel(punkt), (TTripel{1.5L, 2, -0.25L}));
}

// Writing and reading back changes a value by less than its fifteenth digit,
// and a second round changes nothing at all.
TEST_P(FelderMitTrenner, RandomRealsSurviveWritingAndReading) {
    std::mt19937_64 zufall(GetParam());
    std::uniform_real_distribution<double> mantisse(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 2000; ++i) {
        const Real x = static_cast<Real>(mantisse(zufall)) * std::pow(10.0L, exponent(zufall));
        const std::string text = RealToField(x);
        const Real y = FieldToReal(text);
        EXPECT_LE(std::fabs(y - x), std::fabs(x) * 5e-15L) << text;
        EXPECT_EQ(RealToField(y), text);
    }
}

struct TNamensFall {
    const char* Name;
    const char* Sektion;
};

void PrintTo(const TNamensFall& f, std::ostream* os) {
    *os << "\"" << f.Name << "\"";
}

class NamenEscape : public testing::TestWithParam<TNamensFall> {};

TEST_P(NamenEscape, EscapesLowerCaseAndComesBack) {
    EXPECT_EQ(EscapeName(GetParam().Name), GetParam().Sektion);
    EXPECT_EQ(UnescapeName(GetParam().Sektion), GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(
    Namen, NamenEscape,
    testing::Values(TNamensFall{"Ebene", "E@b@e@n@e"}, TNamensFall{"g", "@g"},
                    TNamensFall{"G", "G"}, TNamensFall{"Pa", "P@a"}, TNamensFall{"P1", "P1"},
                    TNamensFall{"Würfel", "W@ü@r@f@e@l"}, TNamensFall{"ÄÖÜäöü", "ÄÖÜ@ä@ö@ü"},
                    TNamensFall{"ß_é", "ß_é"}, TNamensFall{"x@1", "@x@@1"}, TNamensFall{"", ""}),
    testnamen::Nach([](const TNamensFall& f) { return f.Name; }));

TEST(Felder, UnescapeTakesTheCharacterAfterTheAtInLowerCase) {
    EXPECT_EQ(UnescapeName("P1"), "P1");
    EXPECT_EQ(UnescapeName("@A@B"), "ab");
    EXPECT_EQ(UnescapeName("@Ä"), "Ä");
    EXPECT_EQ(UnescapeName("x@"), "x");
    EXPECT_EQ(UnescapeName("@@"), "@");
}

// Names that differ only in case, or by an "@", end in different sections
// of the case-blind file.
TEST(Felder, DistinctNamesGetSectionsThatDoNotMeet) {
    const std::vector<std::string> namen = {"g",  "G",  "ab", "a@b", "a@B",
                                            "AB", "aB", "ä",  "Ä",   "P@a"};
    TIniInhalt ini;
    for (std::size_t i = 0; i < namen.size(); ++i)
        ini.Schreiben(Utf8ZuCp1252(EscapeName(namen[i])), "Nr", std::to_string(i));
    for (std::size_t i = 0; i < namen.size(); ++i)
        EXPECT_EQ(ini.Lesen(Utf8ZuCp1252(EscapeName(namen[i])), "Nr"), std::to_string(i))
            << namen[i];
}
