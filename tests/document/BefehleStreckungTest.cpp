#include "BefehleTest.h"

#include "storage/Einstellungen.h"

using namespace kalvorin;
using kalvorin::test::Nah;
using kalvorin::test::TBefehlsDokument;

namespace {

class Streckung : public ::testing::TestWithParam<char>, public TBefehlsDokument {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        P("Z", {1, 0, 0});
        P("Y", {0, 0, 0});
        P("A", {2, 0, 0});
        P("B", {2, 0, 6});
        S("s", (*this)["A"], (*this)["B"]); // length 6
        V("v", {0, 4, 0});                  // length 4
        V("null", {0, 0, 0});
        G("g", {0, 0, 0}, {1, 0, 0});
    }
    void TearDown() override { Einstellungen().Dezimaltrenner = alterTrenner_; }
    std::string T(std::string s) { // ',' stands for the separator under test
        for (char& c : s)
            if (c == ',') c = GetParam();
        return s;
    }

private:
    char alterTrenner_ = Einstellungen().Dezimaltrenner;
};

TEST_P(Streckung, NumberModeMakesTheMarkedPointTheCentre) {
    Markieren({"Z"});
    const TStreckungsStart start = StreckungsDialogStart(L);
    EXPECT_EQ(start.AltesZentrum, nullptr);
    EXPECT_EQ(start.NeuesZentrum, (*this)["Z"]);
    EXPECT_EQ(start.FaktorText, "1");
    EXPECT_EQ(start.Namen, (std::vector<std::string>{"s", "v", "null"}));

    ASSERT_TRUE(StreckungFestlegen(D, T("2,5")));
    EXPECT_TRUE(Protokoll.Eintraege.empty());
    EXPECT_TRUE((*this)["Z"]->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ((*this)["Z"]->Streckungsfaktor, Real{2.5});
    EXPECT_TRUE(D.Geaendert());
    EXPECT_EQ(BerechneAngebote(L)[TAbbildungsBefehl::Strecken].Menue, "&Streckung an Z");

    // Opening the dialog again shows the stored factor.
    EXPECT_EQ(StreckungsDialogStart(L).FaktorText, T("2,5"));

    // Another point takes the role over; the old centre's factor returns to 1.
    Markieren({"Y"});
    EXPECT_EQ(StreckungsDialogStart(L).AltesZentrum, (*this)["Z"]);
    ASSERT_TRUE(StreckungFestlegen(D, "-1/2"));
    EXPECT_FALSE((*this)["Z"]->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ((*this)["Z"]->Streckungsfaktor, 1);
    EXPECT_TRUE((*this)["Y"]->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ((*this)["Y"]->Streckungsfaktor, Real{-0.5});
}

TEST_P(Streckung, WrongInputAndZeroAreRefused) {
    Markieren({"Z"});
    for (const char* text : {"300", "abc", "", "1/0"}) {
        EXPECT_FALSE(StreckungFestlegen(D, text)) << text;
        EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), "Falsche Eingabe des Streckungsfaktors!")
            << text;
        Protokoll.Eintraege.clear();
    }
    EXPECT_FALSE(StreckungFestlegen(D, "0"));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), "Streckungsfaktor ist 0!");
    EXPECT_FALSE((*this)["Z"]->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_FALSE(D.Geaendert());
}

TEST_P(Streckung, OnlyWithOnePointMarked) {
    Markieren({"Z", "Y"});
    EXPECT_FALSE(StreckungFestlegen(D, Real{2}));
    Markieren({"g"});
    EXPECT_FALSE(StreckungFestlegen(D, Real{2}));
    EXPECT_TRUE(Protokoll.Eintraege.empty());
    EXPECT_FALSE(D.Geaendert());
}

TEST_P(Streckung, DilationByTwoAboutTheCentre) {
    Markieren({"Z"});
    ASSERT_TRUE(StreckungFestlegen(D, Real{2}));
    Markieren({"A"});
    ASSERT_TRUE(Strecken(D));
    EXPECT_TRUE(Nah(Als<TfrPunkt>(*(*this)["A'"]).Koordinaten, {3, 0, 0}));
    EXPECT_EQ((*this)["A'"]->Entstehung.Elemente[1].Zahl, 2);
    EXPECT_EQ(D.Rueckgaengig().Caption(), "Rückgängig: Streckung");
}

struct TVerhaeltnisFall {
    const char* Oben;
    const char* Unten;
    const char* Anzeige; // ',' stands for the separator
    std::optional<Real> Faktor;
};

TEST_P(Streckung, RatioOfLengths) {
    const TVerhaeltnisFall faelle[] = {
        {"s", "v", "= 1,5", Real{1.5}},
        {"v", "s", "= 0,67", Real{4} / 6},
        {"s", "3/2", "= 4", Real{4}},
        {"1,5", "s", "= 0,25", Real{0.25}},
        {"s", "null", "= 1", Real{1}}, // a lower length of 0
        {"s", "0", "= 1", Real{1}},
        {"", "s", "nicht festgelegt!", std::nullopt},
        {"s", "", "nicht festgelegt!", std::nullopt},
        {"s", "x", "nicht festgelegt!", Real{1}}, // neither a name nor a number
        {"s", "999", "nicht festgelegt!", Real{1}},
        {"s", "g", "nicht festgelegt!", std::nullopt}, // a line has no length
        {"Z", "v", "nicht festgelegt!", std::nullopt},
    };
    for (const auto& f : faelle) {
        const TStreckungsVerhaeltnis r = StreckungsVerhaeltnis(L, T(f.Oben), T(f.Unten));
        EXPECT_EQ(r.Anzeige, T(f.Anzeige)) << f.Oben << " / " << f.Unten;
        ASSERT_EQ(r.Faktor.has_value(), f.Faktor.has_value()) << f.Oben << " / " << f.Unten;
        if (f.Faktor) {
            EXPECT_NEAR(static_cast<double>(*r.Faktor), static_cast<double>(*f.Faktor), 1e-15)
                << f.Oben << " / " << f.Unten;
        }
    }
}

TEST_P(Streckung, RatioOfAnInvalidVectorIsAnError) {
    GPP("kaputt", (*this)["A"], (*this)["A"]);
    Neu<TVektor>("w")->Festlegung = TVektor::VG;
    (*this)["w"]->Bezuege[0] = (*this)["kaputt"];
    const TStreckungsVerhaeltnis r = StreckungsVerhaeltnis(L, "s", "w");
    EXPECT_EQ(r.Anzeige, "nicht festgelegt!");
    EXPECT_EQ(r.Faktor, Real{1});
}

INSTANTIATE_TEST_SUITE_P(Dezimaltrenner, Streckung, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

} // namespace
