// What the scene draws through the canvas: brushes by transparency, the
// white border, arrow heads, ticks with their label, names and point forms.

#include "Protokollflaeche.h"
#include "SzenenHilfe.h"
#include "Testnamen.h"

#include "storage/Einstellungen.h"
#include "view/Achsenzahl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

TProtokollflaeche Gezeichnet(const tGSzene& s) {
    TProtokollflaeche f;
    s.Zeichnen(f);
    return f;
}

class Zeichnen : public ::testing::Test {
protected:
    void TearDown() override { Einstellungen() = TStandardEinstellungen{}; }
};

} // namespace

TEST_F(Zeichnen, NothingBeforeTheFirstProjection) {
    TTestSzene t(10);
    t.szene.PunktHinzufuegen({0, 0, 0});
    EXPECT_TRUE(Gezeichnet(t.szene).aufrufe.empty());
    t.szene.Projizieren();
    EXPECT_FALSE(Gezeichnet(t.szene).aufrufe.empty());
}

struct TTransparenzFall {
    int transparenz;
    TPinselArt art;
    TRasterModus modus;
    int punkte; // coloured dots of the 8x8 pattern
};

class ZeichnenTransparenz : public ::testing::TestWithParam<TTransparenzFall> {};

TEST_P(ZeichnenTransparenz, BrushOfThePlane) {
    const TTransparenzFall& f = GetParam();
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeFuellung(e, RGB(200, 100, 50));
    t.szene.SetzeTransparenz(e, f.transparenz);
    t.Fertig();
    const std::vector<TAufruf> polys = Gezeichnet(t.szene).Nur(TAufruf::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    const TAufruf& p = polys[0];
    EXPECT_EQ(p.punkte.size(), 4u);
    EXPECT_EQ(p.stift.Stil, TStiftStil::Unsichtbar);
    EXPECT_EQ(p.pinsel.Art, f.art);
    EXPECT_EQ(p.pinsel.Farbe, RGB(200, 100, 50));
    EXPECT_EQ(p.modus, f.modus);
    if (f.art == TPinselArt::Muster) {
        int n = 0;
        for (std::uint8_t z : p.pinsel.Muster)
            n += std::popcount(z);
        EXPECT_EQ(n, f.punkte);
        if (f.punkte > 0) {
            EXPECT_TRUE(p.pinsel.Muster[0] & 0x80); // the top-left pixel is always one
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stufen, ZeichnenTransparenz,
    ::testing::Values(TTransparenzFall{0, TPinselArt::Voll, TRasterModus::Kopieren, 0},
                      TTransparenzFall{1, TPinselArt::Voll, TRasterModus::Maskieren, 0},
                      TTransparenzFall{2, TPinselArt::Muster, TRasterModus::Maskieren, 16},
                      TTransparenzFall{3, TPinselArt::Muster, TRasterModus::Maskieren, 4},
                      TTransparenzFall{4, TPinselArt::Muster, TRasterModus::Maskieren, 1},
                      TTransparenzFall{5, TPinselArt::Muster, TRasterModus::Maskieren, 0}),
    testnamen::Nach([](const TTransparenzFall& f) {
        return "Stufe" + std::to_string(f.transparenz);
    }));

TEST_F(Zeichnen, HatchedPlaneAndRasterModeResetAfterwards) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeFuellung(e, RGB(0, 0, 255), SchraffurKreuz);
    const int f = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeTransparenz(f, 2);
    t.Fertig();
    const TProtokollflaeche zf = Gezeichnet(t.szene);
    const std::vector<TAufruf> polys = zf.Nur(TAufruf::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].pinsel.Art, TPinselArt::Schraffur);
    EXPECT_EQ(polys[0].pinsel.Schraffur, SchraffurKreuz);
    // every edge is drawn in copy mode, and so is everything after the last plane
    for (const TAufruf& a : zf.Nur(TAufruf::Linie))
        EXPECT_EQ(a.modus, TRasterModus::Kopieren);
}

TEST_F(Zeichnen, LineWithWhiteBorderIsDrawnTwice) {
    TTestSzene t(10);
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {1, 1, 1});
    t.szene.SetzeWeissenRand(g, true);
    t.szene.SetzeStift(g, RGB(0, 128, 0), 75, TStiftStil::Durchgezogen);
    t.Fertig();
    const std::vector<TAufruf> linien = Gezeichnet(t.szene).Nur(TAufruf::Linie);
    ASSERT_EQ(linien.size(), 2u);
    EXPECT_EQ(linien[0].stift.Farbe, Weiss);
    EXPECT_EQ(linien[0].stift.Breite, 200);
    EXPECT_EQ(linien[1].stift.Farbe, RGB(0, 128, 0));
    EXPECT_EQ(linien[1].stift.Breite, 75);
    EXPECT_EQ(linien[0].punkte, linien[1].punkte);
}

TEST_F(Zeichnen, ArrowHeadOnlyOnThePieceAtTheTip) {
    TTestSzene t(10);
    t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    const int s = t.szene.StreckeHinzufuegen({0, 0, 0}, {0, 0, 3});
    t.szene.SetzePfeil(s, true);
    t.szene.SetzeStift(s, RGB(200, 0, 0), 75, TStiftStil::Durchgezogen);
    t.Fertig();
    ASSERT_EQ(t.Stuecke(s).size(), 2u);
    const TProtokollflaeche zf = Gezeichnet(t.szene);
    int koepfe = 0;
    for (const TAufruf& a : zf.Nur(TAufruf::Polygon))
        if (a.punkte.size() == 3) {
            ++koepfe;
            EXPECT_EQ(a.pinsel.Art, TPinselArt::Voll);
            EXPECT_EQ(a.pinsel.Farbe, RGB(200, 0, 0));
            EXPECT_EQ(a.punkte[0], t.abb.WeltZuLogisch(Projizieren({0, 0, 3})));
        }
    EXPECT_EQ(koepfe, 1);
}

TEST_F(Zeichnen, TicksAndTheLabelOfTheOutermostTick) {
    TTestSzene t(11);
    const int a = t.szene.AchseHinzufuegen('Y', 11, -2.2L);
    t.szene.SetzeStriche(a, 4);
    t.szene.SetzeAchsenbeschriftung(a, true);
    t.szene.SetzeStift(a, RGB(255, 0, 0), 1, TStiftStil::Durchgezogen);
    t.Fertig();
    const TProtokollflaeche zf = Gezeichnet(t.szene);
    // the axis itself and its seven ticks (the one at 0 has length 0)
    EXPECT_EQ(zf.Nur(TAufruf::Linie).size(), 1u + 7u);
    const std::vector<TAufruf> texte = zf.Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].text, "1E1");
    EXPECT_EQ(texte[0].schrifthoehe, 600); // 0.02 of 30000
    EXPECT_EQ(texte[0].schriftfarbe, Schwarz);
    // beyond the tick's outer end by one more tick length, moved by half an
    // "X" to the left and a third of one up (the canvas measures "X" as 300 x 600)
    const TLogPunkt innen = t.abb.WeltZuLogisch(Projizieren({0, 10, 0}));
    const TLogPunkt aussen = t.abb.WeltZuLogisch(Projizieren({0.3L, 10, 0}));
    EXPECT_EQ(texte[0].punkte[0].x, 2 * aussen.x - innen.x - 150);
    EXPECT_EQ(texte[0].punkte[0].y, 2 * aussen.y - innen.y + 200);
}

TEST_F(Zeichnen, TicksAreSharedOutAmongThePiecesOfAnAxis) {
    TTestSzene t(11);
    const int a = t.szene.AchseHinzufuegen('Z', 11, -2.2L);
    t.szene.SetzeStriche(a, 4);
    t.szene.SetzeAchsenbeschriftung(a, true);
    t.szene.SetzeStift(a, RGB(255, 0, 0), 1);
    t.szene.EbeneHinzufuegen({0, 0, 3}, {1, 0, 0}, {0, 1, 0});
    t.szene.EbeneHinzufuegen({0, 0, -1}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    ASSERT_EQ(t.Stuecke(a).size(), 3u);
    const TProtokollflaeche zf = Gezeichnet(t.szene);
    int striche = 0;
    for (const TAufruf& l : zf.Nur(TAufruf::Linie))
        striche += l.stift.Farbe == RGB(255, 0, 0);
    // three pieces of the axis, and -2 | 0 2 | 4 6 8 10: all seven ticks, each once
    EXPECT_EQ(striche, 3 + 7);
    EXPECT_EQ(zf.Nur(TAufruf::Text).size(), 1u);
}

TEST_F(Zeichnen, LabelSurvivesACutRightAtTheOutermostTick) {
    TTestSzene t(11);
    const int a = t.szene.AchseHinzufuegen('X', 11, -2.2L);
    t.szene.SetzeStriche(a, 4);
    t.szene.SetzeAchsenbeschriftung(a, true);
    t.szene.EbeneHinzufuegen({10, 0, 0}, {0, 1, 0}, {0, 0, 1});
    t.Fertig();
    ASSERT_EQ(t.Stuecke(a).size(), 2u);
    const std::vector<TAufruf> texte = Gezeichnet(t.szene).Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].text, "1E1");
}

TEST_F(Zeichnen, AxisLabelsFollowTheDecimalSeparator) {
    Einstellungen().Dezimaltrenner = '.';
    EXPECT_EQ(AchsenZahlText(0.5L, Einstellungen().Dezimaltrenner), "0.5");
    Einstellungen().Dezimaltrenner = ',';
    TTestSzene t(11);
    const int a = t.szene.AchseHinzufuegen('X', 0.6L, -2);
    t.szene.SetzeStriche(a, 2);
    t.szene.SetzeAchsenbeschriftung(a, true);
    t.Fertig();
    const std::vector<TAufruf> texte = Gezeichnet(t.szene).Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].text, "0,5");
}

TEST_F(Zeichnen, NamesOfPointsAndLinesAtTheirLabelPoints) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({1, 2, 3});
    t.szene.SetzeName(p, "P", 3, RGB(0, 0, 200));
    t.szene.SetzeNameSichtbar(p, true);
    const int s = t.szene.StreckeHinzufuegen({0, 0, 0}, {0, 4, 0});
    t.szene.SetzeName(s, "s", 0, RGB(1, 2, 3));
    t.szene.SetzeNameSichtbar(s, true);
    t.Fertig();
    const std::vector<TAufruf> texte = Gezeichnet(t.szene).Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 2u);
    const auto name = [&](const std::string& n) {
        return *std::find_if(texte.begin(), texte.end(),
                             [&](const TAufruf& a) { return a.text == n; });
    };
    EXPECT_EQ(name("P").punkte[0], t.abb.WeltZuLogisch(Projizieren({1, 2, 3})));
    EXPECT_EQ(name("P").schrifthoehe, 1050); // 0.035 of 30000
    EXPECT_EQ(name("P").schriftfarbe, RGB(0, 0, 200));
    EXPECT_EQ(name("s").punkte[0], t.abb.WeltZuLogisch(Projizieren({0, 2, 0})));
    EXPECT_EQ(name("s").schrifthoehe, 600);
}

TEST_F(Zeichnen, NameOfALineIsWrittenOnceAtItsUpperEnd) {
    TTestSzene t(10);
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 0, 1});
    t.szene.SetzeName(g, "g", 1, 0);
    t.szene.SetzeNameSichtbar(g, true);
    t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    ASSERT_EQ(t.Stuecke(g).size(), 2u);
    const std::vector<TAufruf> texte = Gezeichnet(t.szene).Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].punkte[0], t.abb.WeltZuLogisch(Projizieren({0, 0, 12})));
    EXPECT_EQ(texte[0].schrifthoehe, 750);
}

TEST_F(Zeichnen, PlaneNameStandsBesideItsSecondCorner) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeName(e, "E", 1, Schwarz);
    t.szene.SetzeNameSichtbar(e, true);
    t.Fertig();
    const std::vector<TAufruf> texte = Gezeichnet(t.szene).Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].schrifthoehe, 750);
    // corner 2 is the first edge's label point, corner 3 the next edge's: the
    // name goes 1.5 font heights from corner 2 towards corner 3, then half a
    // height to the left and up
    const TStueck& s = t.szene.Stueck(t.Stuecke(e).front());
    const TLogPunkt k2 = s.EckenProj[1], k3 = s.EckenProj[2];
    const double dx = k3.x - k2.x, dy = k3.y - k2.y, l = std::hypot(dx, dy);
    const double h = 750;
    EXPECT_NEAR(texte[0].punkte[0].x, k2.x + dx / l * 1.5 * h - h / 2, 1);
    EXPECT_NEAR(texte[0].punkte[0].y, k2.y + dy / l * 1.5 * h + h / 2, 1);
}

TEST_F(Zeichnen, PlaneNameStraightUpOrDownWhenTheCornersStandAboveEachOther) {
    TTestSzene t(10);
    // the edge from corner 2 to corner 3 runs along (1, 0.35355339, 0), which
    // the projection shows as a vertical line
    const int e = t.szene.EbeneHinzufuegen({0, 2, 0}, {1, Schraegfaktor, 0}, {0, 0, 1});
    t.szene.SetzeName(e, "F", 0, Schwarz);
    t.szene.SetzeNameSichtbar(e, true);
    t.Fertig();
    const TStueck& s = t.szene.Stueck(t.Stuecke(e).front());
    const TLogPunkt k2 = s.EckenProj[1], k3 = s.EckenProj[2];
    ASSERT_EQ(k2.x, k3.x);
    ASSERT_NE(k2.y, k3.y);
    const std::vector<TAufruf> texte = Gezeichnet(t.szene).Nur(TAufruf::Text);
    ASSERT_EQ(texte.size(), 1u);
    const int h = 600;
    const int richtung = k3.y > k2.y ? 1 : -1;
    EXPECT_EQ(texte[0].punkte[0].x, k2.x - h / 2);
    EXPECT_EQ(texte[0].punkte[0].y, k2.y + richtung * h * 3 / 2 + h / 2);
}

TEST_F(Zeichnen, PointFormsCircleAndCross) {
    TTestSzene t(10);
    const int k = t.szene.PunktHinzufuegen({0, 0, 0});
    t.szene.SetzePunktform(k, PunktformKreis, 2);
    t.szene.SetzeStift(k, RGB(0, 0, 200), 2);
    const int x = t.szene.PunktHinzufuegen({0, 3, 0});
    t.szene.SetzePunktform(x, PunktformKreuz, 1);
    t.Fertig();
    const TProtokollflaeche zf = Gezeichnet(t.szene);
    const std::vector<TAufruf> kreise = zf.Nur(TAufruf::Ellipse);
    ASSERT_EQ(kreise.size(), 1u);
    const TLogPunkt m = t.abb.WeltZuLogisch(Projizieren({0, 0, 0}));
    EXPECT_EQ(kreise[0].punkte[0], (TLogPunkt{m.x - 200, m.y - 200}));
    EXPECT_EQ(kreise[0].punkte[1], (TLogPunkt{m.x + 200, m.y + 200}));
    EXPECT_EQ(kreise[0].pinsel.Art, TPinselArt::Voll);
    EXPECT_EQ(kreise[0].pinsel.Farbe, RGB(0, 0, 200));
    const std::vector<TAufruf> striche = zf.Nur(TAufruf::Linie);
    ASSERT_EQ(striche.size(), 2u);
    const TLogPunkt q = t.abb.WeltZuLogisch(Projizieren({0, 3, 0}));
    EXPECT_EQ(striche[0].punkte[0], (TLogPunkt{q.x - 100, q.y + 100}));
    EXPECT_EQ(striche[0].punkte[1], (TLogPunkt{q.x + 200, q.y - 200}));
    EXPECT_EQ(striche[1].punkte[0], (TLogPunkt{q.x - 100, q.y - 100}));
    EXPECT_EQ(striche[1].punkte[1], (TLogPunkt{q.x + 200, q.y + 200}));
}

TEST_F(Zeichnen, HiddenObjectsAreNotDrawn) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({0, 0, 0});
    t.szene.SetzePunktform(p, PunktformDreibein, 1);
    t.szene.SetzePunktform(p, PunktformKreis, 1);
    t.Fertig();
    // the nine lines exist but are hidden
    EXPECT_TRUE(Gezeichnet(t.szene).Nur(TAufruf::Linie).empty());
    t.szene.SetzeGezeigt(p, false);
    EXPECT_TRUE(Gezeichnet(t.szene).aufrufe.empty());
}

TEST_F(Zeichnen, SphereOutlineIsADottedCircle) {
    TTestSzene t(11);
    TProtokollflaeche f;
    t.szene.KugelumrissZeichnen(f);
    ASSERT_EQ(f.aufrufe.size(), 1u);
    const TAufruf& k = f.aufrufe[0];
    EXPECT_EQ(k.art, TAufruf::Ellipse);
    EXPECT_EQ(k.stift.Stil, TStiftStil::Punktiert);
    EXPECT_EQ(k.pinsel.Art, TPinselArt::Leer);
    const TDrehkugel& kugel = t.szene.Drehkugel();
    EXPECT_EQ(k.punkte[1].x - k.punkte[0].x, 2 * kugel.BildRadius);
}

struct TZahlFall {
    long double wert;
    const char* text;
};

class AchsenZahl : public ::testing::TestWithParam<TZahlFall> {};

TEST_P(AchsenZahl, OneSignificantDigit) {
    EXPECT_EQ(AchsenZahlText(GetParam().wert, ','), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, AchsenZahl,
    ::testing::Values(TZahlFall{8, "8"}, TZahlFall{10, "1E1"}, TZahlFall{5, "5"}, TZahlFall{0, "0"},
                      TZahlFall{1, "1"}, TZahlFall{0.5L, "0,5"}, TZahlFall{15, "2E1"},
                      TZahlFall{9.5L, "1E1"}, TZahlFall{300, "3E2"}, TZahlFall{-2, "-2"},
                      TZahlFall{0.05L, "0,05"}, TZahlFall{0.000005L, "5E-6"}),
    testnamen::Nach([](const TZahlFall& f) { return testnamen::Zahl(f.wert); }));

// Marked objects get a halo in the marking colour just before each of their
// pieces; a plane on its edges, not on its area. Unmarked ones are drawn as
// if there were no marks at all.
TEST_F(Zeichnen, MarkedObjectsGetAHaloRightBehindEachPiece) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({1, 1, 1});
    t.szene.SetzePunktform(p, PunktformKreis, 2);
    t.szene.SetzeStift(p, RGB(0, 0, 200), 2);
    const int g = t.szene.GeradeHinzufuegen({0, 0, 5}, {0, 1, 0});
    t.szene.SetzeWeissenRand(g, true);
    t.szene.SetzeStift(g, RGB(0, 0, 200), 75);
    const int e = t.szene.EbeneHinzufuegen({0, 0, -3}, {1, 0, 0}, {0, 1, 0});
    const int q = t.szene.PunktHinzufuegen({-2, 3, 4});
    t.Fertig();

    const auto farbig = [](const TProtokollflaeche& f) {
        int n = 0;
        for (const TAufruf& a : f.aufrufe)
            n += a.stift.Farbe == Markierfarbe ||
                 (a.art == TAufruf::Polygon && a.pinsel.Farbe == Markierfarbe);
        return n;
    };
    const TProtokollflaeche ohne = Gezeichnet(t.szene);
    TObjektmenge keine;
    TProtokollflaeche leer;
    t.szene.Zeichnen(leer, &keine);
    EXPECT_EQ(leer.aufrufe.size(), ohne.aufrufe.size());
    EXPECT_EQ(farbig(leer), 0);

    TObjektmenge markiert;
    markiert.set(std::size_t(p)).set(std::size_t(g)).set(std::size_t(e));
    TProtokollflaeche mit;
    t.szene.Zeichnen(mit, &markiert);
    // The point: a disc 120 units wider than its dot, then the dot.
    const TLogPunkt m = t.szene.Stueck(t.Stuecke(p).front()).EckenProj[0];
    auto it = std::find_if(mit.aufrufe.begin(), mit.aufrufe.end(), [&](const TAufruf& a) {
        return a.art == TAufruf::Ellipse && a.pinsel.Farbe == Markierfarbe;
    });
    ASSERT_NE(it, mit.aufrufe.end());
    EXPECT_EQ(it->punkte[0], (TLogPunkt{m.x - 320, m.y - 320}));
    EXPECT_EQ(it->punkte[1], (TLogPunkt{m.x + 320, m.y + 320}));
    ASSERT_NE(it + 1, mit.aufrufe.end());
    EXPECT_EQ((it + 1)->art, TAufruf::Ellipse);
    EXPECT_EQ((it + 1)->pinsel.Farbe, RGB(0, 0, 200));
    // The line: wider than its white border, before it.
    int linien = 0;
    for (std::size_t i = 0; i + 1 < mit.aufrufe.size(); ++i) {
        const TAufruf& a = mit.aufrufe[i];
        if (a.art != TAufruf::Linie || a.stift.Farbe != Markierfarbe || a.stift.Breite != 200 + 240)
            continue;
        ++linien;
        EXPECT_EQ(mit.aufrufe[i + 1].stift.Farbe, Weiss);
    }
    EXPECT_EQ(linien, static_cast<int>(t.Stuecke(g).size()));
    // The plane: its four edges (width 1 each, the halo 241), no area.
    int kanten = 0;
    for (const TAufruf& a : mit.aufrufe) {
        kanten += a.art == TAufruf::Linie && a.stift.Farbe == Markierfarbe && a.stift.Breite == 241;
        EXPECT_FALSE(a.art == TAufruf::Polygon && a.pinsel.Farbe == Markierfarbe);
    }
    EXPECT_EQ(kanten, 4);
    EXPECT_EQ(farbig(mit), 1 + linien + kanten);
    // Nothing else changes: the other point is drawn as before.
    ASSERT_GT(q, 0);
    EXPECT_EQ(mit.aufrufe.size(), ohne.aufrufe.size() + 1 + linien + kanten);
}
