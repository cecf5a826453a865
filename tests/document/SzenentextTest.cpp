#include "ausgabe/Szenentext.h"

#include "ausgabe/Objektliste.h"
#include "document/BefehleTest.h"
#include "geometry/Dokument.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;

namespace {

class Szenentext : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
};

std::string Trennername(const ::testing::TestParamInfo<char>& info) {
    return info.param == ',' ? "Komma" : "Punkt";
}

TEST_P(Szenentext, AbiturSceneInWords) {
    auto* a = d.P("A", {2, 0, 0});
    auto* b = d.P("B", {0, 4, 0});
    auto* c = d.P("C", {0, 0, 3});
    d.P("S", {4, 4, 5});
    d.E("E", TEbene::EPPP, a, b, c);
    d.GPP("g", a, b);
    d.S("s", a, b);
    d.Dr("D", a, b, c);
    d.Markieren({"S", "E"});
    ASSERT_TRUE(Loteerzeugen(d.D));
    const std::string lot = d.Letztes()->Name;
    d.Markieren({"E", lot.c_str()});
    ASSERT_TRUE(Schneiden(d.D));
    const std::string f = d.Letztes()->Name;
    d.Markieren({"A"});
    const std::string k = std::string(1, GetParam());
    const std::vector<std::string> soll = {
        "Punkt A, Koordinaten 2, 0, 0, markiert",
        "Punkt B, Koordinaten 0, 4, 0",
        "Punkt C, Koordinaten 0, 0, 3",
        "Punkt S, Koordinaten 4, 4, 5",
        "Ebene E durch A, B und C, Koordinatenform 6 x 1 plus 3 x 2 plus 4 x 3 gleich 12",
        "Gerade g durch A und B, Stützpunkt 2, 0, 0, Richtung -2, 4, 0",
        "Strecke s von A bis B, Länge 4" + k + "47",
        "Dreieck D mit den Ecken A, B und C, Flächeninhalt 7" + k + "81",
        "Gerade " + lot + " ist das Lot von S auf E, Stützpunkt 4, 4, 5, Richtung 12, 6, 8",
        // The foot of the perpendicular: S - 44/61 (6, 3, 4).
        "Punkt " + f + " gleich E geschnitten mit " + lot + ", Koordinaten -20/61, 112/61, 129/61",
    };
    EXPECT_EQ(kalvorin::Szenentext(d.L), soll);
}

TEST_P(Szenentext, HiddenElementsAreLeftOutAndEmptySceneSaysSo) {
    EXPECT_EQ(SzenentextGanz(d.L), "Die Szene enthält keine sichtbaren Objekte.");
    d.P("A", {1, 2, 3});
    d.P("B", {0, 0, 0})->sichtbar = false;
    d.V("v", {1, -1, 0});
    EXPECT_EQ(SzenentextGanz(d.L),
              "Punkt A, Koordinaten 1, 2, 3\nVektor v, Komponenten 1, -1, 0\n");
}

INSTANTIATE_TEST_SUITE_P(Trenner, Szenentext, ::testing::Values(',', '.'), Trennername);

struct TFormFall {
    TTripel N;
    Real D;
    const char* Text;
};

class KoordinatenformTest : public ::testing::TestWithParam<TFormFall> {};

TEST_P(KoordinatenformTest, WholeNumbersAndSigns) {
    test::TBefehlsDokument d;
    const TFormFall& f = GetParam();
    auto* e = d.ENOR("E", f.N, f.D);
    EXPECT_EQ(Koordinatenform(*e), f.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Ebenen, KoordinatenformTest,
    ::testing::Values(TFormFall{{0, 0, 2}, -4, "x 3 gleich 2"},
                      TFormFall{{1, -2, 0}, 3, "x 1 minus 2 x 2 gleich minus 3"},
                      TFormFall{{-2, 0, -4}, 6, "x 1 plus 2 x 3 gleich 3"},
                      TFormFall{{0.5L, 1, 0}, 0, "x 1 plus 2 x 2 gleich 0"},
                      // Thirds and sevenths: the exact form has whole numbers.
                      TFormFall{{1.0L / 3, 1.0L / 7, 0}, -1, "7 x 1 plus 3 x 2 gleich 21"},
                      TFormFall{{-1.0L / 6, 0, 1.0L / 9}, 2, "3 x 1 minus 2 x 3 gleich 36"}),
    [](const ::testing::TestParamInfo<TFormFall>& i) { return "Fall" + std::to_string(i.index); });

// --------------------------------------------------------------- keyboard

TEST(Tastatur, TabStepsThroughVisibleElementsAndWraps) {
    test::TBefehlsDokument d;
    auto* a = d.P("A", {1, 0, 0});
    d.P("B", {0, 1, 0})->sichtbar = false;
    auto* c = d.P("C", {0, 0, 1});
    EXPECT_EQ(NaechstesElement(d.L, nullptr, true), a);
    EXPECT_EQ(NaechstesElement(d.L, nullptr, false), c);
    EXPECT_EQ(NaechstesElement(d.L, a, true), c);
    EXPECT_EQ(NaechstesElement(d.L, c, true), a);
    EXPECT_EQ(NaechstesElement(d.L, a, false), c);
    // Sorting the object list changes the order Tab follows.
    Sortieren(d.L, TSortierung::Objektart);
    d.L.ElementMitName("C")->markiert = true;
    Sortieren(d.L, TSortierung::Markierung);
    EXPECT_EQ(NaechstesElement(d.L, nullptr, true), c);
    test::TBefehlsDokument leer;
    EXPECT_EQ(NaechstesElement(leer.L, nullptr, true), nullptr);
}

TEST(Tastatur, SpaceMarksAloneCtrlSpaceAdds) {
    test::TBefehlsDokument d;
    auto* a = d.P("A", {1, 0, 0});
    auto* b = d.P("B", {0, 1, 0});
    auto* h = d.P("H", {0, 1, 1});
    h->sichtbar = false;
    EXPECT_FALSE(FokusAngebot(d.L, nullptr).Markieren);
    EXPECT_FALSE(FokusMarkieren(d.D, h, false)); // hidden: not reachable
    EXPECT_TRUE(FokusAngebot(d.L, a).Oeffnen);
    ASSERT_TRUE(FokusMarkieren(d.D, a, false));
    EXPECT_TRUE(a->markiert);
    ASSERT_TRUE(FokusMarkieren(d.D, b, true));
    EXPECT_TRUE(a->markiert && b->markiert);
    ASSERT_TRUE(FokusMarkieren(d.D, b, false)); // alone: A loses its mark, B keeps it
    EXPECT_FALSE(a->markiert);
    EXPECT_FALSE(b->markiert); // its own mark toggles
    // Marks are no modification of the document.
    EXPECT_FALSE(d.D.Geaendert());
}

TEST(Tastatur, ArrowTurnsFiveDegreesLikeADragThatWay) {
    const struct {
        TDrehtaste Taste;
        TTripel Ziel; // where the point towards the viewer moves
    } faelle[] = {{TDrehtaste::Rechts, {0, 1, 0}},
                  {TDrehtaste::Links, {0, -1, 0}},
                  {TDrehtaste::Hoch, {0, 0, 1}},
                  {TDrehtaste::Runter, {0, 0, -1}}};
    for (const auto& f : faelle) {
        const TTripel p = Abbilden(Tastendrehung(f.Taste, {0, 0, 0}), {1, 0, 0});
        EXPECT_NEAR(static_cast<double>(Skalarprodukt(p, f.Ziel)), std::sin(5 * M_PI / 180), 1e-12);
        EXPECT_NEAR(static_cast<double>(p.x), std::cos(5 * M_PI / 180), 1e-12);
    }
}

} // namespace
