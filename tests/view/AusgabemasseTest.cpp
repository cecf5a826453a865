// The output options as the dialog shows and stores them, and the sizes on
// paper that follow from them: the print rectangle and the metafile.

#include "view/Ausgabemasse.h"
#include "Testnamen.h"

#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "view/Protokollflaeche.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

constexpr TLogRechteck Quadrat{0, 0, 30000, 30000};
constexpr TLogRechteck Quer{0, 0, 30000, 15000};

class Ausgabeformular : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }
    static std::string T(const char* muster) { return test::MitTrenner(muster); }
    // "O&k" with the width and height typed; the dialog's other fields as they open.
    bool Ok(const char* breite, const char* hoehe) {
        TAusgabeFormular f = AusgabeFormular(o, fenster);
        f.Breite = T(breite);
        f.Hoehe = T(hoehe);
        return AusgabeUebernehmen(f, o, fenster);
    }
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TAusgabeoptionen o;
    TFensterAusgabe fenster;
};

} // namespace

TEST_P(Ausgabeformular, OpensWithTenBySevenAndAHalfAndUnitLengthsOfOne) {
    const TAusgabeFormular f = AusgabeFormular(o, fenster);
    EXPECT_EQ(f.Breite, "10");
    EXPECT_EQ(f.Hoehe, T("7,5"));
    EXPECT_EQ(f.xRichtung, "1");
    EXPECT_EQ(f.yRichtung, "1");
    EXPECT_FALSE(f.Rahmen);
    EXPECT_TRUE(f.Sphaere);
    EXPECT_EQ(o.Breite, 0) << "width and height stay 0 until the dialog is first confirmed";
}

TEST_P(Ausgabeformular, SizesOutsideTheLimitsAreHeldSilently) {
    struct Fall {
        const char *breite, *hoehe;
        std::int32_t b, h;
    };
    for (const Fall& f : {Fall{"25", "7,5", 19000, 7500}, Fall{"0,5", "0,5", 1000, 1000},
                          Fall{"-3", "20", 1000, 12850}, Fall{"12,3456", "12,85", 12346, 12850},
                          Fall{"19", "12,851", 19000, 12850}}) {
        ASSERT_TRUE(Ok(f.breite, f.hoehe)) << f.breite;
        EXPECT_EQ(o.Breite, f.b) << f.breite;
        EXPECT_EQ(o.Hoehe, f.h) << f.hoehe;
        EXPECT_EQ(o.Rechteck, (TAusgabeRechteck{0, 0, f.b, f.h}));
        EXPECT_EQ(fenster.Druckrechteck, o.Rechteck) << "the view takes the rectangle";
    }
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_P(Ausgabeformular, DinA5ThenOkShowsNineteenByTwelveEightyFiveNextTime) {
    TAusgabeFormular f = AusgabeFormular(o, fenster);
    AusgabeDinA5(f);
    EXPECT_EQ(f.Breite, "19");
    EXPECT_EQ(f.Hoehe, T("12,85"));
    ASSERT_TRUE(AusgabeUebernehmen(f, o, fenster));
    const TAusgabeFormular wieder = AusgabeFormular(o, fenster);
    EXPECT_EQ(wieder.Breite, "19");
    EXPECT_EQ(wieder.Hoehe, T("12,85"));
}

TEST_P(Ausgabeformular, TheBoxesAlwaysOpenFrameOffSphereOn) {
    TAusgabeFormular f = AusgabeFormular(o, fenster);
    f.Rahmen = true;
    f.Sphaere = false;
    ASSERT_TRUE(AusgabeUebernehmen(f, o, fenster));
    EXPECT_TRUE(fenster.Rand);
    EXPECT_FALSE(o.MitSphaere);
    const TAusgabeFormular wieder = AusgabeFormular(o, fenster);
    EXPECT_FALSE(wieder.Rahmen);
    EXPECT_TRUE(wieder.Sphaere);
    // "O&k" without touching them: frame off, sphere on.
    ASSERT_TRUE(AusgabeUebernehmen(wieder, o, fenster));
    EXPECT_FALSE(fenster.Rand);
    EXPECT_TRUE(o.MitSphaere);
}

TEST_P(Ausgabeformular, TrueScaleIsKeptAndTheLabelSizeIsASettingHeldToItsRange) {
    TAusgabeFormular f = AusgabeFormular(o, fenster);
    EXPECT_FALSE(f.Massstab) << "off at first";
    EXPECT_EQ(f.Schriftgroesse, 10);
    for (auto [getippt, gemerkt] : {std::pair{12, 12}, std::pair{3, 6}, std::pair{40, 24}}) {
        f.Massstab = true;
        f.Schriftgroesse = getippt;
        ASSERT_TRUE(AusgabeUebernehmen(f, o, fenster));
        EXPECT_TRUE(o.Massstab);
        EXPECT_EQ(Einstellungen().AusgabeSchriftgroesse, gemerkt);
        const TAusgabeFormular wieder = AusgabeFormular(o, fenster);
        EXPECT_TRUE(wieder.Massstab) << "unlike frame and sphere, kept";
        EXPECT_EQ(wieder.Schriftgroesse, gemerkt);
    }
}

TEST_P(Ausgabeformular, UnitLengthsAreStoredWithoutLimitsAndShownWithSixDigits) {
    TAusgabeFormular f = AusgabeFormular(o, fenster);
    f.xRichtung = T("1234,56789");
    f.yRichtung = T("-0,25");
    ASSERT_TRUE(AusgabeUebernehmen(f, o, fenster));
    EXPECT_EQ(fenster.EinheitX, 1234.56789L);
    EXPECT_EQ(fenster.EinheitY, -0.25L);
    const TAusgabeFormular wieder = AusgabeFormular(o, fenster);
    EXPECT_EQ(wieder.xRichtung, T("1234,57"));
    EXPECT_EQ(wieder.yRichtung, T("-0,25"));
}

TEST_P(Ausgabeformular, AnEntryThatIsNoNumberIsReportedAndNothingIsStored) {
    for (const char* falsch : {"abc", "", "1,2,3", "12cm"}) {
        protokoll.Eintraege.clear();
        const TAusgabeoptionen vorher = o;
        EXPECT_FALSE(Ok("12", falsch)) << falsch;
        ASSERT_EQ(protokoll.Eintraege.size(), 1u) << falsch;
        EXPECT_EQ(protokoll.Eintraege[0].Text,
                  "'" + T(falsch) + "' ist kein gültiger Gleitkommawert");
        EXPECT_EQ(o.Rechteck, vorher.Rechteck);
        EXPECT_EQ(o.Breite, vorher.Breite);
    }
}

TEST_P(Ausgabeformular, WieAmBildschirmShowsTheViewsPhysicalSize) {
    TAusgabeFormular f = AusgabeFormular(o, fenster);
    // 400 x 300 pixels of 0,265 mm.
    AusgabeWieAmBildschirm(f, BildschirmMass(400, 300, 265, 265));
    EXPECT_EQ(f.Breite, T("10,6"));
    EXPECT_EQ(f.Hoehe, T("7,95"));
    ASSERT_TRUE(AusgabeUebernehmen(f, o, fenster));
    EXPECT_EQ(o.Rechteck, (TAusgabeRechteck{0, 0, 10600, 7950}));
}

INSTANTIATE_TEST_SUITE_P(Trenner, Ausgabeformular, ::testing::Values(',', '.'), testnamen::Trenner);

TEST(Ausgabemasse, PixelSizeFromTheMeasuredLength) {
    EXPECT_EQ(PixelGroesse(10583, 400), 265); // 96 dots per inch
    EXPECT_EQ(PixelGroesse(25400, 1200), 212);
    EXPECT_EQ(PixelGroesse(100, 0), 1) << "an empty view gives no division by zero";
}

TEST(Ausgabemasse, PrintRectangleIsHeldToThePaperAndToThePicturesShape) {
    struct Fall {
        TAusgabeRechteck druck;
        TAusgabeMass papier;
        TLogRechteck fenster;
        TAusgabeRechteck soll;
    };
    const TAusgabeMass a4{20000, 28700};
    for (const Fall& f : {
             // The default 10 cm x 7,5 cm: a square picture is narrowed.
             Fall{{0, 0, 10000, 7500}, a4, Quadrat, {0, 0, 7500, 7500}},
             Fall{{0, 0, 19000, 12850}, a4, Quadrat, {0, 0, 12850, 12850}},
             // A wide picture in a tall rectangle is lowered.
             Fall{{0, 0, 10000, 7500}, a4, Quer, {0, 0, 10000, 5000}},
             // Beyond the paper: the far edges at its edge, then the shape.
             Fall{{0, 0, 19000, 12850}, {15000, 9000}, Quadrat, {0, 0, 9000, 9000}},
             // A start beyond the paper starts at 90 % of it.
             Fall{{25000, 30000, 26000, 31000}, a4, Quadrat, {18000, 25830, 20000, 27830}},
             Fall{{1000, 1000, 11000, 8500}, a4, Quadrat, {1000, 1000, 8500, 8500}},
         }) {
        EXPECT_EQ(Druckrechteck(f.druck, f.papier, f.fenster), f.soll)
            << f.druck.links << "," << f.druck.oben << " " << f.druck.rechts << ","
            << f.druck.unten;
    }
}

TEST(Ausgabemasse, MetafileSizeIsThePicturesSizeOnTheScreen) {
    // A 400 x 300 view shows the square picture 300 x 300 pixels of 0,265 mm.
    EXPECT_EQ(MetadateiMass(Quadrat, 300, 300, 265, 265), (TAusgabeMass{7950, 7950}));
    // Pixels that are not square: the shape of the picture is kept.
    EXPECT_EQ(MetadateiMass(Quadrat, 300, 300, 265, 300), (TAusgabeMass{7950, 7950}));
    EXPECT_EQ(MetadateiMass(Quer, 600, 300, 265, 265), (TAusgabeMass{15900, 7950}));
    // A huge screen picture stays within what 16-bit coordinates hold.
    const TAusgabeMass gross = MetadateiMass(Quer, 4000, 2000, 265, 265);
    EXPECT_EQ(gross.Breite, 32767);
    EXPECT_EQ(gross.Hoehe, 16383);
    EXPECT_EQ(MetadateiMass(Quadrat, 0, 0, 265, 265), (TAusgabeMass{1, 1}));
}

TEST(Ausgabemasse, LengthsOnPaperInPixels) {
    EXPECT_DOUBLE_EQ(InPixel(2540, 300), 300);
    EXPECT_DOUBLE_EQ(InPixel(7500, 1200), 7500 * 1200 / 2540.0);
}

// A world ten units wide in a window of 30000 logical units: 3000 to the
// centimetre at one unit to the centimetre.
TEST(Ausgabemasse, TrueScaleTrimsToTheDrawingAndSizesTheFonts) {
    const TWeltRechteck welt{0, 0, 10, 10};
    const auto malen = [](TZeichenflaeche& f) {
        // The white page and the textbook view's squares do not count.
        f.SetzePinsel({TPinselArt::Voll, Weiss, SchraffurKeine, {}});
        f.Rechteck(Quadrat);
        f.SetzeStift({HeftPapierfarbe, 10, TStiftStil::Durchgezogen});
        f.Linie({0, 0}, {30000, 30000});
        f.SetzeStift({Schwarz, 100, TStiftStil::Durchgezogen});
        f.Linie({10000, 10000}, {20000, 10000});
        f.SetzeSchrift("Arial", 600, Schwarz); // a tick number: 0,02 of the window
        f.Text({10000, 15000}, "x");
    };
    const TMassstabBild b = MassstabBild(Quadrat, welt, true, malen, 10);
    // The line with half its width, the text up to its cell; 0,3 cm of margin.
    EXPECT_EQ(b.Fenster.links, 10000 - 50 - 900);
    EXPECT_EQ(b.Fenster.rechts, 20000 + 50 + 900);
    EXPECT_EQ(b.Fenster.unten, 10000 - 50 - 900);
    EXPECT_EQ(b.Fenster.oben, 15000 + 900);
    EXPECT_EQ(b.Groesse.Breite, 3967) << "11900 logical units: 3,967 cm";
    // 10 pt: a cell of 0,394 cm, 1182 logical units; the textbook view's
    // names of the usual size have 0,45 cm.
    const double zehn = 10 / 72.0 * 2.54 * ZelleProSchriftgroesse * 3000;
    EXPECT_NEAR(b.Schriftzelle, zehn, 1e-6);
    EXPECT_NEAR(b.Grundzelle, 0.45 * 3000, 1e-6);
    // The design's view: names of the usual size at 0,025 of the smaller side.
    const TMassstabBild entwurf = MassstabBild(Quadrat, welt, false, malen, 12);
    EXPECT_NEAR(entwurf.Schriftzelle, zehn * 1.2, 1e-6);
    EXPECT_NEAR(entwurf.Grundzelle, 750, 1e-9);
    EXPECT_LT(entwurf.Fenster.links, 0) << "the squares count outside the textbook view";

    // Tick numbers (600) and names of the usual size (750) alike, larger
    // names in proportion.
    test::TProtokollflaeche p;
    TSchriftFlaeche schrift(p, 750, 1200);
    for (int hoehe : {600, 750, 900}) {
        schrift.SetzeSchrift("Arial", hoehe, Schwarz);
        schrift.Text({0, 0}, "A");
    }
    const auto texte = p.Nur(test::TAufruf::Text);
    EXPECT_EQ(texte.at(0).schrifthoehe, 1200);
    EXPECT_EQ(texte.at(1).schrifthoehe, 1200);
    EXPECT_EQ(texte.at(2).schrifthoehe, 1440);

    // Nothing drawn: the whole window.
    EXPECT_EQ(MassstabBild(
                  Quadrat, welt, false, [](TZeichenflaeche&) {}, 10)
                  .Fenster,
              Quadrat);
}

// The same drawing at 1 LE = 0,5 cm: 6000 logical units to the centimetre.
TEST(Ausgabemasse, HalfScaleHalvesTheDrawingButNotTheMarginOrTheFonts) {
    const TWeltRechteck welt{0, 0, 10, 10};
    const auto malen = [](TZeichenflaeche& f) {
        f.SetzeStift({Schwarz, 100, TStiftStil::Durchgezogen});
        f.Linie({10000, 10000}, {20000, 10000});
    };
    const TMassstabBild wahr = MassstabBild(Quadrat, welt, true, malen, 10);
    const TMassstabBild halb = MassstabBild(Quadrat, welt, true, malen, 10, MassstabHalbCm);
    EXPECT_EQ(halb.Fenster.links, 10000 - 50 - 1800) << "0,3 cm of margin";
    EXPECT_EQ(halb.Fenster.rechts, 20000 + 50 + 1800);
    // 3,333 units of line and its width: 1,683 cm; with the margin 2,283 cm.
    EXPECT_EQ(halb.Groesse.Breite, 2283);
    EXPECT_EQ(wahr.Groesse.Breite, 3967) << "3,367 cm and the margin";
    // 10 pt stay 10 pt; the textbook view's names are as large as its squares.
    EXPECT_NEAR(halb.Schriftzelle, 2 * wahr.Schriftzelle, 1e-6);
    EXPECT_NEAR(halb.Grundzelle, wahr.Grundzelle, 1e-9);
}

TEST(Ausgabemasse, AFigureFitsA4UprightOrAcrossWithinTheMargin) {
    const std::pair<TAusgabeMass, bool> faelle[] = {
        {{20000, 28700}, true},  // upright, to the margin
        {{28700, 20000}, true},  // across
        {{28034, 19047}, true},  // the teacher's exercise
        {{20001, 20000}, true},  // too wide upright, fits across
        {{20001, 28701}, false}, // neither way
        {{31327, 31327}, false}, // with the rotation sphere
        {{21000, 29700}, false}, // the whole paper: its edge is not printed
    };
    for (const auto& [mass, passt] : faelle)
        EXPECT_EQ(PasstAufA4(mass), passt) << mass.Breite << " x " << mass.Hoehe;
}

TEST_P(Ausgabeformular, AFigureTooLargeForA4IsOfferedAtHalfTheScale) {
    EXPECT_EQ(MassstabFuerA4({28034, 19047}), 1);
    EXPECT_TRUE(protokoll.Eintraege.empty()) << "fits: nothing asked";

    const std::string frage = T("Die Figur passt bei 1 LE = 1 cm nicht auf eine A4-Seite "
                                "(31,3 × 20,6 cm). Soll sie im Maßstab 1 LE = 0,5 cm "
                                "ausgegeben werden?");
    for (const auto& [antwort, massstab] :
         {std::pair{TAntwort::Ja, MassstabHalbCm}, std::pair{TAntwort::Nein, 1.0}}) {
        protokoll.Eintraege.clear();
        protokoll.Antworten = {antwort};
        EXPECT_EQ(MassstabFuerA4({31327, 20551}), massstab);
        ASSERT_EQ(protokoll.Eintraege.size(), 1u);
        EXPECT_TRUE(protokoll.Eintraege[0].IstFrage);
        EXPECT_EQ(protokoll.Eintraege[0].Knoepfe, TFrageKnoepfe::JaNein);
        EXPECT_EQ(protokoll.Eintraege[0].Text, frage);
    }
    EXPECT_EQ(UeberA4Hinweis({45000, 40049}, 1),
              T("Die Figur ist bei 1 LE = 1 cm größer als eine A4-Seite (45,0 × 40,0 cm); "
                "sie wird in dieser Größe geschrieben."));
}
