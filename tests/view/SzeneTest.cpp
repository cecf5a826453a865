// Adding objects to the scene: the display range, the limits, the plane
// rectangle, label points, arrow heads, ticks, point forms and attributes.

#include "SzenenHilfe.h"
#include "Testnamen.h"

#include "math/Farbe.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;
using namespace kalvorin::test;

TEST(SzeneHinzufuegen, PointIsShownUpToTheCubesDiagonal) {
    TTestSzene t(11);
    EXPECT_EQ(t.szene.PunktHinzufuegen({11, 11, 0}), 1);
    EXPECT_EQ(t.szene.PunktHinzufuegen({12, 12, 12}), SzeneAusserhalb);
    EXPECT_EQ(t.szene.PunktHinzufuegen({11, 11, 11}), 2); // exactly sqrt(3) H
    EXPECT_EQ(t.szene.Objektzahl(), 2);
    EXPECT_EQ(t.szene.Stueckzahl(), 2);
    EXPECT_EQ(t.szene.Objekt(1).Art, TObjektArt::Punkt);
    EXPECT_EQ(t.szene.Stueck(1).Art, TStueckArt::Punkt);
    EXPECT_EQ(t.szene.Objekt(1).Beschriftungspunkt, (TTripel{11, 11, 0}));
}

TEST(SzeneHinzufuegen, NewObjectsHaveTheirDefaults) {
    TTestSzene t;
    const TSzenenObjekt& o = t.szene.Objekt(t.szene.GeradeHinzufuegen({0, 0, 0}, {1, 0, 0}));
    EXPECT_EQ(o.Stift.Farbe, Schwarz);
    EXPECT_EQ(o.Stift.Breite, 1);
    EXPECT_EQ(o.Stift.Stil, TStiftStil::Durchgezogen);
    EXPECT_EQ(o.FuellFarbe, Weiss);
    EXPECT_EQ(o.Schraffur, SchraffurKeine);
    EXPECT_EQ(o.NamenGroesse, 1);
    EXPECT_FALSE(o.NameSichtbar);
    EXPECT_TRUE(o.Waehlbar);
    EXPECT_TRUE(o.Gezeigt);
    EXPECT_FALSE(o.WeisserRand);
}

TEST(SzeneHinzufuegen, LineIsClippedToTheSphere) {
    TTestSzene t(10);
    const int nr = t.szene.GeradeHinzufuegen({0, 0, 0}, {2, 0, 0});
    ASSERT_EQ(nr, 1);
    const TSzenenObjekt& g = t.szene.Objekt(nr);
    EXPECT_NEAR(D(g.Unten), -6, 1e-15);
    EXPECT_NEAR(D(g.Oben), 6, 1e-15);
    // the label point is the upper end
    ErwarteNah(g.Beschriftungspunkt, {12, 0, 0});
    ErwarteNah(t.szene.Stueck(1).Ecken[0], {-12, 0, 0});
    ErwarteNah(t.szene.Stueck(1).Bezugspunkt, {0, 0, 0});
}

TEST(SzeneHinzufuegen, LineMissingTheSphereIsNotAdded) {
    TTestSzene t(10);
    EXPECT_EQ(t.szene.GeradeHinzufuegen({0, 12, 0}, {1, 0, 0}), SzeneAusserhalb); // touches
    EXPECT_EQ(t.szene.GeradeHinzufuegen({0, 0, 13}, {1, 1, 0}), SzeneAusserhalb);
    EXPECT_EQ(t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 0, 0}), SzeneAusserhalb);
    EXPECT_EQ(t.szene.Objektzahl(), 0);
    EXPECT_EQ(t.szene.GeradeHinzufuegen({0, 11.99L, 0}, {1, 0, 0}), 1);
}

TEST(SzeneHinzufuegen, SegmentKeepsItsOwnIntervalInsideTheSphere) {
    TTestSzene t(10);
    const int a = t.szene.StreckeHinzufuegen({1, 2, 3}, {2, 0, 0});
    ASSERT_EQ(a, 1);
    EXPECT_EQ(t.szene.Objekt(a).Unten, 0);
    EXPECT_EQ(t.szene.Objekt(a).Oben, 1);
    ErwarteNah(t.szene.Objekt(a).Beschriftungspunkt, {2, 2, 3});
    // sticking out of the sphere: cut at its surface
    const int b = t.szene.StreckeHinzufuegen({0, 0, 0}, {20, 0, 0});
    ASSERT_EQ(b, 2);
    EXPECT_NEAR(D(t.szene.Objekt(b).Oben), 0.6, 1e-15);
    // wholly outside, on a line through the sphere
    EXPECT_EQ(t.szene.StreckeHinzufuegen({13, 0, 0}, {1, 0, 0}), SzeneAusserhalb);
    EXPECT_EQ(t.szene.StreckeHinzufuegen({0, 0, 0}, {1, 0, 0}, 30, 20), SzeneAusserhalb);
}

TEST(SzeneHinzufuegen, PlaneWithParallelDirectionsIsRefused) {
    TTestSzene t;
    EXPECT_EQ(t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 2, 3}, {2, 4, 6}), SzeneParallel);
    EXPECT_EQ(t.szene.EbeneHinzufuegen({0, 0, 0}, {0, 0, 0}, {1, 0, 0}), SzeneParallel);
    EXPECT_EQ(t.szene.Objektzahl(), 0);
}

TEST(SzeneHinzufuegen, PlaneFartherThanThirteenTenthsHIsOutside) {
    TTestSzene t(10);
    EXPECT_EQ(t.szene.EbeneHinzufuegen({0, 0, 13}, {1, 0, 0}, {0, 1, 0}), SzeneAusserhalb);
    EXPECT_EQ(t.szene.EbeneHinzufuegen({0, 0, -12.9L}, {1, 0, 0}, {0, 1, 0}), 1);
}

TEST(SzeneHinzufuegen, PlaneRectangleOfAFlatPlane) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    ASSERT_EQ(e, 1);
    const TStueck& s = t.szene.Stueck(1);
    ASSERT_EQ(s.Eckenzahl, 4);
    const double a = 13 * std::sqrt(2.0) / 3, b = 26.0 / 3;
    EXPECT_NEAR(a, 6.128, 1e-3);
    EXPECT_NEAR(b, 8.667, 1e-3);
    ErwarteNah(s.Ecken[0], {a, b, 0});
    ErwarteNah(s.Ecken[1], {a, -b, 0});
    ErwarteNah(s.Ecken[2], {-a, -b, 0});
    ErwarteNah(s.Ecken[3], {-a, b, 0});
    // four edges follow the plane, corner 1 -> 2, 2 -> 3, 3 -> 4, 4 -> 1
    ASSERT_EQ(t.szene.Objektzahl(), 5);
    for (int i = 0; i < 4; ++i) {
        const TSzenenObjekt& r = t.szene.Objekt(e + 1 + i);
        EXPECT_EQ(r.Art, TObjektArt::Rand);
        EXPECT_EQ(r.Ebene, e);
        EXPECT_FALSE(r.Waehlbar);
        EXPECT_FALSE(r.NameSichtbar);
        ErwarteNah(r.Basis, s.Ecken[i]);
        ErwarteNah(GeradenPunkt(r.Basis, r.Richtung, 1), s.Ecken[(i + 1) % 4]);
        ErwarteNah(r.Beschriftungspunkt, s.Ecken[(i + 1) % 4]);
    }
}

TEST(SzeneHinzufuegen, PlaneRectangleOfASteepPlaneStandsAboutTheFoot) {
    TTestSzene t(10);
    // x = 3: normal (1, 0, 0) after the sign is made to give d >= 0
    const int e = t.szene.EbeneHinzufuegen({3, 5, 7}, {0, 0, 1}, {0, 1, 0});
    ASSERT_EQ(e, 1);
    const TSzenenObjekt& o = t.szene.Objekt(e);
    EXPECT_GE(o.D, 0);
    ErwarteNah(Vielfaches(o.N, 1 / Betrag(o.N)), {1, 0, 0});
    const TStueck& s = t.szene.Stueck(1);
    const double a = 26.0 / 3, b = 13 * std::sqrt(2.0) / 3;
    // d1 = (n.y, -n.x, 0) = (0, -1, 0) long, d2 = n x d1 = (0, 0, -1) short
    ErwarteNah(s.Ecken[0], {3, -a, -b});
    ErwarteNah(s.Ecken[2], {3, a, b});
    ErwarteNah(s.Bezugspunkt,
               Vielfaches(TripelSumme(TripelSumme(s.Ecken[0], s.Ecken[1]), s.Ecken[2]), 1.0L / 3));
}

TEST(SzeneHinzufuegen, CoordinatePlaneCornersAndEdges) {
    TTestSzene t(11);
    // the xz plane: first range z in [-1, 5], second range x in [-2, 9]
    const int e = t.szene.KoordEbeneHinzufuegen('Z', 9, -2, 5, -1);
    ASSERT_EQ(e, 1);
    EXPECT_EQ(t.szene.Objekt(e).Art, TObjektArt::KoordEbene);
    const TStueck& s = t.szene.Stueck(1);
    EXPECT_EQ(s.Ecken[0], (TTripel{-2, 0, 5}));
    EXPECT_EQ(s.Ecken[1], (TTripel{9, 0, 5}));
    EXPECT_EQ(s.Ecken[2], (TTripel{9, 0, -1}));
    EXPECT_EQ(s.Ecken[3], (TTripel{-2, 0, -1}));
    EXPECT_EQ(t.szene.Objekt(e + 4).Art, TObjektArt::Rand);
    EXPECT_EQ(t.szene.KoordEbeneHinzufuegen('X', 1, 1, 5, -1), SzeneVoll);
    EXPECT_EQ(t.szene.KoordEbeneHinzufuegen('Q', 2, 1, 5, -1), SzeneVoll);
}

TEST(SzeneHinzufuegen, AxisNeedsUpperAboveLower) {
    TTestSzene t(11);
    EXPECT_EQ(t.szene.AchseHinzufuegen('X', -1, 3), SzeneVoll);
    EXPECT_EQ(t.szene.AchseHinzufuegen('X', 3, 3), SzeneVoll);
    // never outside, however long
    const int nr = t.szene.AchseHinzufuegen('y', 100, -2);
    ASSERT_EQ(nr, 1);
    const TSzenenObjekt& a = t.szene.Objekt(nr);
    EXPECT_EQ(a.Art, TObjektArt::Achse);
    EXPECT_EQ(a.Achse, 'Y');
    EXPECT_EQ(a.Name, "y");
    EXPECT_EQ(a.Unten, -2);
    EXPECT_EQ(a.Oben, 100);
}

TEST(SzeneHinzufuegen, FullSceneRefusesEveryKind) {
    TTestSzene t(10);
    for (int i = 0; i < 95; ++i)
        ASSERT_EQ(t.szene.PunktHinzufuegen({0, 0, 0}), i + 1);
    // a plane needs five numbers: its own and its four edges
    EXPECT_EQ(t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), 96);
    EXPECT_EQ(t.szene.Objektzahl(), 100);
    EXPECT_EQ(t.szene.PunktHinzufuegen({0, 0, 0}), SzeneVoll);
    EXPECT_EQ(t.szene.GeradeHinzufuegen({0, 0, 0}, {1, 0, 0}), SzeneVoll);
    EXPECT_EQ(t.szene.StreckeHinzufuegen({0, 0, 0}, {1, 0, 0}), SzeneVoll);
    EXPECT_EQ(t.szene.AchseHinzufuegen('X', 1, 0), SzeneVoll);
    EXPECT_EQ(t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 0, 1}), SzeneVoll);
    EXPECT_EQ(t.szene.KoordEbeneHinzufuegen('X', 1, 0, 1, 0), SzeneVoll);
    EXPECT_EQ(t.szene.Objektzahl(), 100);

    TTestSzene u(10);
    for (int i = 0; i < 96; ++i)
        u.szene.PunktHinzufuegen({0, 0, 0});
    EXPECT_EQ(u.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), SzeneVoll);
    EXPECT_EQ(u.szene.KoordEbeneHinzufuegen('X', 1, 0, 1, 0), SzeneVoll);
    EXPECT_EQ(u.szene.PunktHinzufuegen({0, 0, 0}), 97);
}

TEST(SzeneHinzufuegen, ClearingKeepsTheViewMatrix) {
    TTestSzene t;
    t.szene.PunktHinzufuegen({1, 1, 1});
    t.szene.MatrixAnwenden(ZDrehmatrix(1));
    t.szene.Leeren();
    EXPECT_EQ(t.szene.Objektzahl(), 0);
    EXPECT_EQ(t.szene.Stueckzahl(), 0);
    EXPECT_EQ(t.szene.Matrix(), ZDrehmatrix(1));
    EXPECT_FALSE(t.szene.Projiziert());
}

TEST(SzeneGeometrie, AxisLabelAndArrowHead) {
    TTestSzene t(11);
    const int x = t.szene.AchseHinzufuegen('X', 11, -2.2L);
    const int y = t.szene.AchseHinzufuegen('Y', 11, -2.2L);
    const TSzenenObjekt& ax = t.szene.Objekt(x);
    EXPECT_TRUE(ax.Pfeil);
    ErwarteNah(ax.Beschriftungspunkt, {11, 0.3L, 0});
    ErwarteNah(ax.Pfeilspitze[0], {11, 0, 0});
    ErwarteNah(ax.Pfeilspitze[1], {10.7L, -0.15L, 0});
    ErwarteNah(ax.Pfeilspitze[2], {10.7L, 0.15L, 0});
    const TSzenenObjekt& ay = t.szene.Objekt(y);
    ErwarteNah(ay.Beschriftungspunkt, {0.3L, 11, 0});
    ErwarteNah(ay.Pfeilspitze[1], {-0.15L, 10.7L, 0});
}

TEST(SzeneGeometrie, SegmentArrowHeadIsThreeTenthsOfTheShaft) {
    TTestSzene t(10);
    const int s = t.szene.StreckeHinzufuegen({1, 0, 0}, {0, 0, 2});
    t.szene.SetzePfeil(s, true);
    const TSzenenObjekt& o = t.szene.Objekt(s);
    EXPECT_TRUE(o.Pfeil);
    ErwarteNah(o.Pfeilspitze[0], {1, 0, 2});
    ErwarteNah(o.Pfeilspitze[1], {1, -0.15L, 1.4L});
    ErwarteNah(o.Pfeilspitze[2], {1, 0.15L, 1.4L});
    // lines have no arrows
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {1, 0, 0});
    t.szene.SetzePfeil(g, true);
    EXPECT_FALSE(t.szene.Objekt(g).Pfeil);
}

struct TStrichFall {
    int skalierung;
    Real unten, oben;
    std::vector<double> striche;
};

class SzeneStriche : public ::testing::TestWithParam<TStrichFall> {};

TEST_P(SzeneStriche, TickPositions) {
    const TStrichFall& f = GetParam();
    TTestSzene t(11);
    const int a = t.szene.AchseHinzufuegen('Z', f.oben, f.unten);
    t.szene.SetzeStriche(a, f.skalierung);
    const TSzenenObjekt& o = t.szene.Objekt(a);
    ASSERT_EQ(o.Strichzahl, static_cast<int>(f.striche.size()));
    ASSERT_EQ(o.Strichpunkte.size(), f.striche.size());
    EXPECT_EQ(o.Striche, !f.striche.empty());
    for (std::size_t i = 0; i < f.striche.size(); ++i) {
        EXPECT_NEAR(D(o.Strichpunkte[i][0].z), f.striche[i], 1e-15) << i;
        EXPECT_EQ(o.Strichpunkte[i][0].x, 0);
        // a short stroke in y from the z-axis; none at the origin
        const double laenge = f.striche[i] == 0 ? 0 : 0.3;
        EXPECT_NEAR(D(o.Strichpunkte[i][1].y), laenge, 1e-15) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Einstellungen, SzeneStriche,
    ::testing::Values(TStrichFall{4, -2.2L, 11, {-2, 0, 2, 4, 6, 8, 10}},
                      TStrichFall{5, -2.2L, 11, {0, 5, 10}},
                      TStrichFall{3, -2.2L, 11, {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                      TStrichFall{2, -1, 2, {-1, -0.5, 0, 0.5, 1, 1.5}},
                      TStrichFall{1, -2.2L, 11, {1}}, TStrichFall{0, -2.2L, 11, {}},
                      TStrichFall{7, -2.2L, 11, {}},
                      // 0.95 * 10 / 0.5 must give 19 exactly, not 18.999...
                      TStrichFall{2, -1, 10, {-1, -0.5, 0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5,
                                              5,  5.5,  6, 6.5, 7, 7.5, 8, 8.5, 9, 9.5}}),
    testnamen::Nach([](const TStrichFall& f) {
        return "Skalierung" + std::to_string(f.skalierung) + "_" + testnamen::Zahl(f.unten) +
               "_bis_" + testnamen::Zahl(f.oben);
    }));

TEST(SzeneGeometrie, TicksOfTheXAxisStandOffInY) {
    TTestSzene t(11);
    const int a = t.szene.AchseHinzufuegen('X', 11, -2.2L);
    t.szene.SetzeStriche(a, 5);
    const TSzenenObjekt& o = t.szene.Objekt(a);
    ASSERT_EQ(o.Strichzahl, 3);
    ErwarteNah(o.Strichpunkte[2][0], {10, 0, 0});
    ErwarteNah(o.Strichpunkte[2][1], {10, 0.3L, 0});
}

TEST(SzenePunktform, TripodCreatesNineLinesAndShowsThree) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({2, 3, 4});
    t.szene.SetzePunktform(p, PunktformDreibein, 2);
    const TSzenenObjekt& o = t.szene.Objekt(p);
    EXPECT_EQ(o.Punktform, PunktformDreibein);
    EXPECT_EQ(o.Punktgroesse, 2);
    ASSERT_EQ(o.ErsteHilfslinie, 2);
    ASSERT_EQ(t.szene.Objektzahl(), 10);
    const TTripel soll[9][2] = {
        {{2, 3, 4}, {0, 3, 4}}, {{2, 3, 4}, {2, 0, 4}}, {{2, 3, 4}, {2, 3, 0}},
        {{0, 3, 4}, {0, 0, 4}}, {{0, 3, 4}, {0, 3, 0}}, {{2, 0, 4}, {2, 0, 0}},
        {{2, 0, 4}, {0, 0, 4}}, {{2, 3, 0}, {0, 3, 0}}, {{2, 3, 0}, {2, 0, 0}}};
    for (int i = 0; i < 9; ++i) {
        const TSzenenObjekt& l = t.szene.Objekt(2 + i);
        EXPECT_EQ(l.Art, TObjektArt::Gerade);
        EXPECT_FALSE(l.Waehlbar);
        EXPECT_EQ(l.Gezeigt, i < 3) << i;
        ErwarteNah(GeradenPunkt(l.Basis, l.Richtung, l.Unten), soll[i][0]);
        ErwarteNah(GeradenPunkt(l.Basis, l.Richtung, l.Oben), soll[i][1]);
    }
    // changing the form re-uses the lines
    t.szene.SetzePunktform(p, PunktformDreibeinXYZ, 1);
    EXPECT_EQ(t.szene.Objektzahl(), 10);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(t.szene.Objekt(2 + i).Gezeigt);
    t.szene.SetzePunktform(p, PunktformKreuz, 1);
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(t.szene.Objekt(2 + i).Gezeigt);
}

TEST(SzenePunktform, ZigzagShowsThreeLinesAndHidesTheNine) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({2, 3, 4});
    t.szene.SetzePunktform(p, PunktformDreibeinXYZ, 1);
    t.szene.SetzePunktform(p, PunktformZickzack, 1);
    const TSzenenObjekt& o = t.szene.Objekt(p);
    ASSERT_EQ(o.ErsteZickzacklinie, 11);
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(t.szene.Objekt(2 + i).Gezeigt);
    const TTripel soll[3][2] = {
        {{2, 3, 4}, {2, 3, 0}}, {{2, 3, 0}, {2, 0, 0}}, {{2, 0, 0}, {0, 0, 0}}};
    for (int i = 0; i < 3; ++i) {
        const TSzenenObjekt& l = t.szene.Objekt(11 + i);
        EXPECT_TRUE(l.Gezeigt);
        ErwarteNah(GeradenPunkt(l.Basis, l.Richtung, l.Unten), soll[i][0]);
        ErwarteNah(GeradenPunkt(l.Basis, l.Richtung, l.Oben), soll[i][1]);
    }
    t.szene.SetzePunktform(p, PunktformKreis, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(t.szene.Objekt(11 + i).Gezeigt);
}

TEST(SzenePunktform, DegenerateLinesKeepTheirNumbersWithoutPieces) {
    TTestSzene t(10);
    // on the x-axis: several of the lines have length 0
    const int p = t.szene.PunktHinzufuegen({2, 0, 0});
    t.szene.SetzePunktform(p, PunktformDreibeinXYZ, 1);
    EXPECT_EQ(t.szene.Objektzahl(), 10);
    EXPECT_TRUE(t.Stuecke(3).empty());  // P -> (2, 0, 0)
    EXPECT_EQ(t.Stuecke(2).size(), 1u); // P -> (0, 0, 0)
    t.Fertig();
    EXPECT_EQ(static_cast<int>(t.szene.Zeichenfolge().size()), t.szene.Stueckzahl());
}

TEST(SzenePunktform, LinesNeedRoomInTheScene) {
    TTestSzene t(10);
    for (int i = 0; i < 90; ++i)
        t.szene.PunktHinzufuegen({1, 1, 1});
    // 90 objects: the nine still fit
    t.szene.SetzePunktform(90, PunktformDreibein, 1);
    EXPECT_EQ(t.szene.Objekt(90).ErsteHilfslinie, 91);
    EXPECT_EQ(t.szene.Objektzahl(), 99);
    t.szene.SetzePunktform(89, PunktformDreibein, 1);
    EXPECT_EQ(t.szene.Objekt(89).ErsteHilfslinie, 0);
    EXPECT_EQ(t.szene.Objekt(89).Punktform, PunktformDreibein);
    EXPECT_EQ(t.szene.Objektzahl(), 99);
    // three more would exceed the limit
    t.szene.SetzePunktform(89, PunktformZickzack, 1);
    EXPECT_EQ(t.szene.Objekt(89).ErsteZickzacklinie, 0);
}

TEST(SzeneAttribute, PointPenColoursItsLinesLighter) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({2, 3, 4});
    t.szene.SetzePunktform(p, PunktformDreibeinXYZ, 1);
    t.szene.SetzePunktform(p, PunktformZickzack, 1);
    const TFarbe blau = RGB(0, 0, 200);
    t.szene.SetzeStift(p, blau, 2, TStiftStil::Durchgezogen);
    EXPECT_EQ(t.szene.Objekt(p).Stift.Farbe, blau);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(t.szene.Objekt(2 + i).Stift.Farbe, Heller(blau, i < 3 ? 0.5 : 0.75)) << i;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(t.szene.Objekt(11 + i).Stift.Farbe, Heller(blau, 0.5));
}

TEST(SzeneAttribute, LinesCreatedAfterThePenTakeItsShade) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({2, 3, 4});
    t.szene.SetzeStift(p, RGB(200, 0, 0), 1);
    t.szene.SetzePunktform(p, PunktformDreibein, 1);
    EXPECT_EQ(t.szene.Objekt(2).Stift.Farbe, Heller(RGB(200, 0, 0), 0.5));
}

TEST(SzeneAttribute, PlanePenGoesToItsEdgesAndItsNameToTheFirstEdge) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeStift(e, RGB(10, 20, 30), 100);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(t.szene.Objekt(e + i).Stift.Farbe, RGB(10, 20, 30));
        EXPECT_EQ(t.szene.Objekt(e + i).Stift.Breite, 100);
    }
    t.szene.SetzeName(e, "Ebene_E1_lang", 2, RGB(1, 2, 3));
    t.szene.SetzeNameSichtbar(e, true);
    EXPECT_TRUE(t.szene.Objekt(e).Name.empty());
    EXPECT_EQ(t.szene.Objekt(e + 1).Name, "Ebene_E1");
    EXPECT_EQ(t.szene.Objekt(e + 1).NamenGroesse, 2);
    EXPECT_TRUE(t.szene.Objekt(e + 1).NameSichtbar);
    EXPECT_FALSE(t.szene.Objekt(e + 2).NameSichtbar);
}

TEST(SzeneAttribute, NamesAreCutToEightCharacters) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({0, 0, 0});
    t.szene.SetzeName(p, "Äquatorpunkt", 7, RGB(0, 0, 255));
    EXPECT_EQ(t.szene.Objekt(p).Name, "Äquatorp");
    EXPECT_EQ(t.szene.Objekt(p).NamenGroesse, 3);
    EXPECT_EQ(t.szene.Objekt(p).NamenFarbe, RGB(0, 0, 255));
}

TEST(SzeneAttribute, AxisKeepsItsLetterAsName) {
    TTestSzene t(10);
    const int a = t.szene.AchseHinzufuegen('Z', 5, -1);
    t.szene.SetzeName(a, "Hoehe", 0, RGB(9, 9, 9));
    EXPECT_EQ(t.szene.Objekt(a).Name, "z");
    EXPECT_EQ(t.szene.Objekt(a).NamenGroesse, 0);
    EXPECT_EQ(t.szene.Objekt(a).NamenFarbe, RGB(9, 9, 9));
}

TEST(SzeneAttribute, WrongKindsAndNumbersAreIgnored) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({0, 0, 0});
    const int s = t.szene.StreckeHinzufuegen({0, 0, 0}, {1, 0, 0});
    const int e = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeTransparenz(p, 3);
    t.szene.SetzeFuellung(s, RGB(1, 1, 1), SchraffurKreuz);
    t.szene.SetzeWeissenRand(s, true);
    t.szene.SetzeStriche(s, 4);
    t.szene.SetzePunktform(s, PunktformDreibein, 1);
    t.szene.SetzeStift(0, RGB(1, 1, 1), 5);
    t.szene.SetzeStift(t.szene.Objektzahl() + 1, RGB(1, 1, 1), 5);
    t.szene.SetzeName(-3, "x", 1, 0);
    EXPECT_EQ(t.szene.Objekt(s).FuellFarbe, Weiss);
    EXPECT_FALSE(t.szene.Objekt(s).WeisserRand);
    EXPECT_EQ(t.szene.Objekt(s).Strichzahl, 0);
    EXPECT_EQ(t.szene.Objektzahl(), 7);
    t.szene.SetzeTransparenz(e, 9);
    EXPECT_EQ(t.szene.Objekt(e).Transparenz, 5);
    t.szene.SetzeTransparenz(e, -2);
    EXPECT_EQ(t.szene.Objekt(e).Transparenz, 0);
    t.szene.SetzeFuellung(e, RGB(5, 6, 7), 17);
    EXPECT_EQ(t.szene.Objekt(e).Schraffur, SchraffurKeine);
    t.szene.SetzeFuellung(e, RGB(5, 6, 7), SchraffurSteigend);
    EXPECT_EQ(t.szene.Objekt(e).Schraffur, SchraffurSteigend);
}

TEST(SzeneAttribute, HidingAPlaneHidesItsEdges) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.szene.SetzeGezeigt(e, false);
    for (int i = 0; i <= 4; ++i)
        EXPECT_FALSE(t.szene.Objekt(e + i).Gezeigt);
    const int p = t.szene.PunktHinzufuegen({1, 2, 3});
    t.szene.SetzePunktform(p, PunktformDreibein, 1);
    t.szene.SetzeGezeigt(p, false);
    EXPECT_FALSE(t.szene.Objekt(p + 1).Gezeigt);
    t.szene.SetzeGezeigt(p, true);
    EXPECT_TRUE(t.szene.Objekt(p + 1).Gezeigt);
    EXPECT_FALSE(t.szene.Objekt(p + 4).Gezeigt);
}
