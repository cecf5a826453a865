// The coordinate system's derived data, the oblique projection, the window
// of the drawing plane with its world mapping, the zoom, and turning the
// view with the rotation sphere.

#include "view/Ansicht.h"
#include "math/Koordinatensystem.h"
#include "math/Projektion.h"
#include "view/Drehkugel.h"
#include "view/GSzene.h"
#include "view/Weltabbildung.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;

namespace {

double D(Real r) {
    return static_cast<double>(r);
}

void ErwarteNah(TTripel ist, TTripel soll, double tol = 1e-12) {
    EXPECT_NEAR(D(ist.x), D(soll.x), tol);
    EXPECT_NEAR(D(ist.y), D(soll.y), tol);
    EXPECT_NEAR(D(ist.z), D(soll.z), tol);
}

TKoordinatensystem Achsen(Real unten, Real oben) {
    TKoordinatensystem ks;
    for (TAchsenDaten& a : ks.Achsen) {
        a.Unten = unten;
        a.Oben = oben;
    }
    ks.AbgeleiteteDatenBerechnen();
    return ks;
}

} // namespace

TEST(Projektion, AxesAreDrawnAsTheObliqueViewPrescribes) {
    const TZeichenpunkt x = Projizieren({1, 0, 0});
    EXPECT_EQ(x.u, -0.35355339L);
    EXPECT_EQ(x.v, -0.35355339L);
    const TZeichenpunkt y = Projizieren({0, 1, 0});
    EXPECT_EQ(y.u, 1);
    EXPECT_EQ(y.v, 0);
    const TZeichenpunkt z = Projizieren({0, 0, 1});
    EXPECT_EQ(z.u, 0);
    EXPECT_EQ(z.v, 1);
}

TEST(Projektion, ViewingDirectionPointsAwayFromTheViewer) {
    // Points farther along it are hidden by nearer ones with the same picture.
    const TTripel p{1, 2, 3};
    const TTripel q = TripelSumme(p, Vielfaches(Blickrichtung, 2));
    EXPECT_NEAR(D(Projizieren(p).u), D(Projizieren(q).u), 1e-8);
    EXPECT_NEAR(D(Projizieren(p).v), D(Projizieren(q).v), 1e-8);
}

TEST(Projektion, InitialPositionTurnsMinusTwentyDegreesAboutZ) {
    EXPECT_EQ(Ausgangslage(), ZDrehmatrix(-0.3490658503988659L));
    // the y-axis comes towards the viewer (larger x)
    EXPECT_GT(Abbilden(Ausgangslage(), {0, 1, 0}).x, 0);
}

TEST(Koordinatensystem, DerivedDataFollowTheAxes) {
    TKoordinatensystem ks;
    ks.Achsen[0] = {-3, 5, true};
    ks.Achsen[1] = {-1, 9, true};
    ks.Achsen[2] = {-12, 2, false};
    ks.AbgeleiteteDatenBerechnen();
    EXPECT_EQ(ks.H, 12);
    EXPECT_EQ(ks.Ecke1, (TTripel{-12, -12, -12}));
    EXPECT_EQ(ks.Ecke2, (TTripel{12, 12, 12}));
    const auto& xy = ks.Ebenen[TKoordinatensystem::XY];
    EXPECT_EQ(xy.Unten1, -3);
    EXPECT_EQ(xy.Oben2, 9);
    const auto& yz = ks.Ebenen[TKoordinatensystem::YZ];
    EXPECT_EQ(yz.Unten1, -1);
    EXPECT_EQ(yz.Unten2, -12);
    // the xz plane is spanned by z first, then x
    const auto& xz = ks.Ebenen[TKoordinatensystem::XZ];
    EXPECT_EQ(xz.Unten1, -12);
    EXPECT_EQ(xz.Oben1, 2);
    EXPECT_EQ(xz.Unten2, -3);
    EXPECT_EQ(xz.Oben2, 5);
}

TEST(Koordinatensystem, DefaultAxesRunFromMinusAFifthToTheLength) {
    TKoordinatensystem ks;
    ks.DefaultAchsen(11);
    for (const TAchsenDaten& a : ks.Achsen) {
        EXPECT_EQ(a.Unten, -2.2L);
        EXPECT_EQ(a.Oben, 11);
        EXPECT_TRUE(a.Zeichnen);
    }
    EXPECT_EQ(ks.H, 11);
}

TEST(Koordinatensystem, NewWindowTakesTheSettings) {
    TStandardEinstellungen e;
    e.AchsenLaenge = 8;
    e.SkalierungsStriche = 5;
    e.ZeichneXZEbene = true;
    e.KoordEbenenTransparenz = 3;
    const TKoordinatensystem ks = KoordinatensystemFuerNeuesFenster(e);
    EXPECT_EQ(ks.H, 8);
    EXPECT_EQ(ks.Achsen[2].Unten, -1.6L);
    EXPECT_EQ(ks.AchsenFarbe, RGB(255, 100, 100));
    EXPECT_EQ(ks.Skalierung, 5);
    EXPECT_TRUE(ks.Achsenbeschriftung);
    EXPECT_TRUE(ks.Ebenen[0].Zeichnen);
    EXPECT_FALSE(ks.Ebenen[1].Zeichnen);
    EXPECT_TRUE(ks.Ebenen[2].Zeichnen);
    EXPECT_EQ(ks.Ebenen[1].Farbe, RGB(224, 255, 224));
    EXPECT_EQ(ks.Ebenen[2].Transparenz, 3);
}

TEST(Koordinatensystem, ZoomingOutStopsBeyond256) {
    TKoordinatensystem ks = Achsen(-50, 250);
    ASSERT_EQ(ks.H, 250);
    EXPECT_TRUE(ks.Zoomen(ZoomVergroessern));
    EXPECT_NEAR(D(ks.H), 297.25, 1e-12);
    EXPECT_NEAR(D(ks.Achsen[0].Unten), -59.45, 1e-12);
    EXPECT_FALSE(ks.Zoomen(ZoomVergroessern));
    EXPECT_NEAR(D(ks.H), 297.25, 1e-12);
    // shrinking is still allowed
    EXPECT_TRUE(ks.Zoomen(ZoomVerkleinern));
}

TEST(Koordinatensystem, ZoomingInStopsBelowFive) {
    TKoordinatensystem ks = Achsen(-1, 6);
    EXPECT_TRUE(ks.Zoomen(ZoomVerkleinern)); // 5.04
    EXPECT_TRUE(ks.Zoomen(ZoomVerkleinern)); // 4.2336
    EXPECT_LT(ks.H, 5);
    const Real h = ks.H;
    EXPECT_FALSE(ks.Zoomen(ZoomVerkleinern));
    EXPECT_EQ(ks.H, h);
    EXPECT_TRUE(ks.Zoomen(ZoomVergroessern));
}

TEST(Zeichenfenster, DefaultAxesGiveAWindowOfAbout22Point33) {
    TKoordinatensystem ks = Achsen(-2.2L, 11);
    EXPECT_EQ(ks.H, 11);
    const TWeltRechteck w = Zeichenfenster(ks.H);
    EXPECT_NEAR(D(w.x1), -22.3336, 1e-4);
    EXPECT_NEAR(D(w.x2), 22.3336, 1e-4);
    EXPECT_NEAR(D(w.y1), -22.3336, 1e-4);
    EXPECT_NEAR(D(w.y2), 22.3336, 1e-4);
    EXPECT_NEAR(D(w.x2), 1.5 * 1.35355339 * 11, 1e-12);
}

TEST(Zeichenfenster, SetUpComputesAMissingHalfSideAndClearsTheScene) {
    TKoordinatensystem ks;
    ks.Achsen[0] = {-2, 9, true};
    ks.H = 0;
    TWeltAbbildung abb;
    tGSzene szene(abb);
    szene.PunktHinzufuegen({1, 1, 1});
    const TMatrix4 m = ZDrehmatrix(0.3L);
    szene.MatrixAnwenden(m);
    ZeichenfensterEinrichten(ks, abb, szene);
    EXPECT_EQ(ks.H, 9);
    EXPECT_EQ(szene.Halbseite(), 9);
    EXPECT_EQ(szene.Objektzahl(), 0);
    EXPECT_EQ(szene.Matrix(), m);
    EXPECT_EQ(abb.LogischesFenster(), (TLogRechteck{0, 0, 30000, 30000}));
    EXPECT_TRUE(szene.Drehkugel().BildBerechnet);
}

TEST(Drehkugel, RadiusAndImageFollowTheDisplayCube) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt(Zeichenfenster(11)));
    const TDrehkugel k = DrehkugelFuer(11, abb);
    EXPECT_EQ(k.Mitte, NullTripel);
    EXPECT_NEAR(D(k.Radius), std::sqrt(1.5) * 11, 1e-12);
    EXPECT_EQ(k.BildMitte, (TLogPunkt{15000, 15000}));
    const double proWelt = 30000 / (2 * 1.5 * 1.35355339 * 11);
    EXPECT_NEAR(k.BildRadius, 1.02 * std::sqrt(1.5) * 11 / 0.89442719 * proWelt, 2);
}

TEST(Drehkugel, DragThatEndsWhereItBeganTurnsNothing) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt(Zeichenfenster(11)));
    const TDrehkugel k = DrehkugelFuer(11, abb);
    for (TLogPunkt p : {TLogPunkt{15000, 15000}, TLogPunkt{17000, 12000}, TLogPunkt{100, 29000}})
        EXPECT_EQ(Ziehdrehung(k, p, p), Einheitsmatrix());
}

TEST(Drehkugel, DragOutsideTheImageTurnsAboutTheXAxis) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt(Zeichenfenster(11)));
    const TDrehkugel k = DrehkugelFuer(11, abb);
    const TMatrix4 m = Ziehdrehung(k, {29000, 15000}, {29000, 29000});
    ErwarteNah(Abbilden(m, {1, 0, 0}), {1, 0, 0});
    // a quarter turn: from the right (y) to the upper right (y + z)
    const TTripel y = Abbilden(m, {0, 1, 0});
    EXPECT_NEAR(D(y.y), std::cos(Pi / 4), 1e-12);
    EXPECT_NEAR(D(y.z), std::sin(Pi / 4), 1e-12);
}

TEST(Drehkugel, DragInsideCarriesTheSpherePointAlong) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt(Zeichenfenster(11)));
    const TDrehkugel k = DrehkugelFuer(11, abb);
    const TLogPunkt a{15000, 15000}, b{15000 + k.BildRadius / 2, 15000};
    ErwarteNah(Kugelpunkt(k, a), {1, 0, 0});
    const TTripel q = Kugelpunkt(k, b);
    EXPECT_NEAR(D(q.y), 0.5, 1e-9);
    ErwarteNah(Abbilden(Ziehdrehung(k, a, b), {1, 0, 0}), q);
}

TEST(Drehkugel, SceneDragComposesWithTheViewMatrix) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt(Zeichenfenster(11)));
    tGSzene szene(abb);
    szene.SetzeDrehkugel(DrehkugelFuer(11, abb));
    AusgangslageSetzen(szene);
    const TMatrix4 vorher = szene.Matrix();
    szene.Ziehen({15000, 15000}, {16000, 15500});
    const TMatrix4 dreh = Ziehdrehung(szene.Drehkugel(), {15000, 15000}, {16000, 15500});
    EXPECT_EQ(szene.Matrix(), Matrixprodukt(dreh, vorher));
    szene.MatrixZuruecksetzen();
    EXPECT_EQ(szene.Matrix(), Einheitsmatrix());
}

TEST(Weltabbildung, SquareWorldFillsThirtyThousandUnits) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt({-10, -10, 10, 10}));
    EXPECT_EQ(abb.LogischesFenster(), (TLogRechteck{0, 0, 30000, 30000}));
    EXPECT_EQ(abb.WeltZuLogischX(-10), 0);
    EXPECT_EQ(abb.WeltZuLogischX(0), 15000);
    // logical y grows upwards like world y
    EXPECT_EQ(abb.WeltZuLogischY(10), 30000);
    EXPECT_EQ(abb.WeltZuLogischY(-10), 0);
    EXPECT_NEAR(D(abb.LogischZuWeltX(22500)), 5, 1e-15);
    EXPECT_NEAR(D(abb.WeltProLogischY()), 20.0 / 30000, 1e-18);
    EXPECT_EQ(abb.KleinereSeite(), 30000);
}

TEST(Weltabbildung, WideWorldKeepsItsProportions) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt({4, 1, 0, 3}));
    EXPECT_EQ(abb.LogischesFenster(), (TLogRechteck{0, 0, 30000, 15000}));
    EXPECT_EQ(abb.KleinereSeite(), 15000);
    EXPECT_EQ(abb.WeltZuLogischX(4), 30000);
    EXPECT_EQ(abb.WeltZuLogischY(2), 7500);
    TWeltAbbildung hoch;
    ASSERT_TRUE(hoch.SetzeWelt({0, 0, 1, 3}));
    EXPECT_EQ(hoch.LogischesFenster(), (TLogRechteck{0, 0, 10000, 30000}));
}

TEST(Weltabbildung, UnusableRectangleKeepsThePreviousMapping) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt({0, 0, 2, 2}));
    EXPECT_FALSE(abb.SetzeWelt({1, 0, 1, 5}));
    EXPECT_FALSE(abb.SetzeWelt({0, 3, 5, 3}));
    EXPECT_FALSE(abb.SetzeWelt({0, 0, NAN, 1}));
    EXPECT_EQ(abb.WeltZuLogischX(1), 15000);
    EXPECT_EQ(abb.LogischesFenster(), (TLogRechteck{0, 0, 30000, 30000}));
}

TEST(Weltabbildung, HugeValuesAreClampedToThirtyTwoBits) {
    TWeltAbbildung abb;
    ASSERT_TRUE(abb.SetzeWelt({-1, -1, 1, 1}));
    EXPECT_EQ(abb.WeltZuLogischX(1e300L), 2147483647);
    EXPECT_EQ(abb.WeltZuLogischY(-1e300L), -2147483647);
    EXPECT_EQ(abb.WeltZuLogischX(1e4000L), 2147483647);
}

TEST(Weltabbildung, ThousandthsAndStretchedAndLogarithmicOptions) {
    TWeltAbbildung t;
    ASSERT_TRUE(t.SetzeWelt({0, 0, 2.5L, 4}, WeltTausendstel));
    EXPECT_EQ(t.LogischesFenster(), (TLogRechteck{0, 0, 2500, 4000}));
    EXPECT_FALSE(t.SetzeWelt({0, 0, 30, 1}, WeltTausendstel));

    TWeltAbbildung a;
    ASSERT_TRUE(a.SetzeWelt({0, 0, 4, 1}, WeltAnisotrop));
    EXPECT_EQ(a.LogischesFenster(), (TLogRechteck{0, 0, 30000, 30000}));

    TWeltAbbildung l;
    ASSERT_TRUE(l.SetzeWelt({1, 0, 1000, 3}, WeltIsotrop, true, false));
    EXPECT_EQ(l.WeltZuLogischX(1), 0);
    EXPECT_EQ(l.WeltZuLogischX(10), 10000);
    EXPECT_EQ(l.WeltZuLogischX(1000), 30000);
    EXPECT_NEAR(D(l.LogischZuWeltX(20000)), 100, 1e-9);
    // a non-positive lower bound becomes a thousandth of the upper one
    TWeltAbbildung n;
    ASSERT_TRUE(n.SetzeWelt({-5, 0, 100, 1}, WeltAnisotrop, true, false));
    EXPECT_EQ(n.WeltZuLogischX(0.1L), 0);
    EXPECT_EQ(n.WeltZuLogischX(100), 30000);
}
