// The drawing order of projected pieces and the hit test.

#include "SzenenHilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

// A point given by its picture (u, v) and its depth x (larger x is nearer).
TTripel Bildpunkt(Real u, Real v, Real x) {
    return {x, u + Schraegfaktor * x, v + Schraegfaktor * x};
}

TLogPunkt Bild(const TTestSzene& t, TTripel p) {
    return t.abb.WeltZuLogisch(Projizieren(p));
}

} // namespace

TEST(Tiefenordnung, PointInFrontOfAPlaneIsDrawnAfterIt) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int vorn = t.szene.PunktHinzufuegen({1, 1, 1});
    const int hinten = t.szene.PunktHinzufuegen({1, 1, -1});
    t.Fertig();
    const int ebene = t.Stuecke(e).front();
    const int pv = t.Stuecke(vorn).front(), ph = t.Stuecke(hinten).front();
    EXPECT_EQ(t.szene.Vergleichen(pv, ebene), TVorne::Erstes);
    EXPECT_EQ(t.szene.Vergleichen(ebene, pv), TVorne::Zweites);
    EXPECT_EQ(t.szene.Vergleichen(ph, ebene), TVorne::Zweites);
    EXPECT_GT(t.Rang(pv), t.Rang(ebene));
    EXPECT_LT(t.Rang(ph), t.Rang(ebene));
}

TEST(Tiefenordnung, PointBesideAPlanesPictureHasNoRelation) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int p = t.szene.PunktHinzufuegen({0, 0, 5});
    t.Fertig();
    EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(p).front(), t.Stuecke(e).front()), TVorne::Keins);
}

TEST(Tiefenordnung, PointInAPlaneIsInFrontUnlessThePlaneIsAlmostEdgeOn) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int p = t.szene.PunktHinzufuegen({1, 2, 0});
    t.Fertig();
    EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(p).front(), t.Stuecke(e).front()), TVorne::Erstes);
}

TEST(Tiefenordnung, PointsAndLinesAreNeverOrdered) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({0, 0, 0});
    const int q = t.szene.PunktHinzufuegen({0, 0, 0});
    const int g = t.szene.GeradeHinzufuegen({3, 0, 0}, {0, 1, 1});
    t.Fertig();
    EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(p).front(), t.Stuecke(g).front()), TVorne::Keins);
    EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(g).front(), t.Stuecke(p).front()), TVorne::Keins);
    EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(p).front(), t.Stuecke(q).front()), TVorne::Keins);
}

TEST(Tiefenordnung, CrossingLinesTheNearerIsDrawnLater) {
    TTestSzene t(10);
    // in the picture a horizontal line and a vertical one; the first lies nearer
    const int a = t.szene.GeradeHinzufuegen({2, 0, 0}, {0, 1, 0});
    const int b = t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 0, 1});
    t.Fertig();
    const int sa = t.Stuecke(a).front(), sb = t.Stuecke(b).front();
    EXPECT_EQ(t.szene.Vergleichen(sa, sb), TVorne::Erstes);
    EXPECT_EQ(t.szene.Vergleichen(sb, sa), TVorne::Zweites);
    EXPECT_GT(t.Rang(sa), t.Rang(sb));
    // parallel in the picture: no relation
    const int c = t.szene.GeradeHinzufuegen({-2, 0, 0}, {0, 1, 0});
    t.Fertig();
    EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(c).front(), sa), TVorne::Keins);
}

TEST(Tiefenordnung, SegmentBehindAPlaneIsDrawnFirst) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int s = t.szene.StreckeHinzufuegen({1, -2, -1}, {0, 4, 0});
    t.Fertig();
    const int ss = t.Stuecke(s).front(), se = t.Stuecke(e).front();
    EXPECT_EQ(t.szene.Vergleichen(ss, se), TVorne::Zweites);
    EXPECT_LT(t.Rang(ss), t.Rang(se));
}

TEST(Tiefenordnung, PlaneInFrontOfAnotherIsDrawnLater) {
    TTestSzene t(10);
    const int unten = t.szene.EbeneHinzufuegen({0, 0, -1}, {1, 0, 0}, {0, 1, 0});
    const int oben = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    const int su = t.Stuecke(unten).front(), so = t.Stuecke(oben).front();
    EXPECT_EQ(t.szene.Vergleichen(su, so), TVorne::Zweites);
    EXPECT_GT(t.Rang(so), t.Rang(su));
}

TEST(Tiefenordnung, OfTwoPlanesInEachOtherTheFirstAddedIsInFront) {
    TTestSzene t(10);
    const int a = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int b = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    const int sa = t.Stuecke(a).front(), sb = t.Stuecke(b).front();
    EXPECT_EQ(t.szene.Vergleichen(sa, sb), TVorne::Erstes);
    EXPECT_EQ(t.szene.Vergleichen(sb, sa), TVorne::Zweites);
    EXPECT_GT(t.Rang(sa), t.Rang(sb));
}

TEST(Tiefenordnung, EdgesLieOnTopOfTheirOwnPlane) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int andere = t.szene.EbeneHinzufuegen({0, 0, -1}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    const int se = t.Stuecke(e).front();
    for (int r = e + 1; r <= e + 4; ++r) {
        const int sr = t.Stuecke(r).front();
        EXPECT_EQ(t.szene.Vergleichen(sr, se), TVorne::Erstes) << r;
        EXPECT_EQ(t.szene.Vergleichen(se, sr), TVorne::Zweites) << r;
        EXPECT_GT(t.Rang(sr), t.Rang(se));
        // no relation to any other plane
        EXPECT_EQ(t.szene.Vergleichen(sr, t.Stuecke(andere).front()), TVorne::Keins);
    }
}

TEST(Tiefenordnung, EdgeOnPlaneAsASegment) {
    TTestSzene t(10);
    // normal across the viewing direction: the plane is seen as a line
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {2.828427125L, 1, 0}, {0, 0, 1});
    const int p = t.szene.PunktHinzufuegen({1, 0, 1});
    const int fern = t.szene.PunktHinzufuegen({0, 3, 11});
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {1, 1, 0});
    const int f = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    ASSERT_TRUE(t.szene.Objekt(e).Hochkant);
    ASSERT_FALSE(t.szene.Objekt(f).Hochkant);
    const std::vector<int> se = t.Stuecke(e);
    // a point between the ends of the segment is in front
    bool vorn = false;
    for (int s : se)
        vorn = vorn || t.szene.Vergleichen(t.Stuecke(p).front(), s) == TVorne::Erstes;
    EXPECT_TRUE(vorn);
    for (int s : se) {
        EXPECT_EQ(t.szene.Vergleichen(t.Stuecke(fern).front(), s), TVorne::Keins);
        for (int sg : t.Stuecke(g))
            EXPECT_EQ(t.szene.Vergleichen(sg, s), TVorne::Keins);
    }
    // against a plane that is not edge-on the ray from the edge-on piece decides
    int ordnungen = 0;
    for (int s : se)
        for (int sf : t.Stuecke(f)) {
            const TVorne v = t.szene.Vergleichen(s, sf);
            EXPECT_EQ(t.szene.Vergleichen(sf, s) == TVorne::Erstes, v == TVorne::Zweites);
            ordnungen += v != TVorne::Keins;
        }
    EXPECT_GT(ordnungen, 0);
}

TEST(Tiefenordnung, CycleIsBrokenAtItsDeepestPieceAndDrawsEveryPieceOnce) {
    TTestSzene t(10);
    // three sticks in a ring, each lying over the next
    const auto stab = [&](Real u1, Real v1, Real x1, Real u2, Real v2, Real x2) {
        const TTripel a = Bildpunkt(u1 / 2, v1 / 2, x1 / 2), b = Bildpunkt(u2 / 2, v2 / 2, x2 / 2);
        return t.szene.StreckeHinzufuegen(a, Verbindungsvektor(a, b));
    };
    const int a = stab(-1, 0, 0, 11, 0, 4);
    const int b = stab(10, -1, 2, 4, 9, 3);
    const int c = stab(6, 9, 0, 0, -1, 2);
    ASSERT_EQ(a, 1);
    ASSERT_EQ(b, 2);
    ASSERT_EQ(c, 3);
    t.szene.PunktHinzufuegen({0, -5, 5});
    t.Fertig();
    EXPECT_EQ(t.szene.Vergleichen(1, 2), TVorne::Erstes);
    EXPECT_EQ(t.szene.Vergleichen(2, 3), TVorne::Erstes);
    EXPECT_EQ(t.szene.Vergleichen(3, 1), TVorne::Erstes);
    // The point is free and placed when nothing else can be; the ring is
    // opened at the stick whose middle lies farthest back (c, at depth 0.5),
    // then b and a follow their order.
    EXPECT_EQ(t.szene.Zeichenfolge(), (std::vector<int>{4, 3, 2, 1}));
}

TEST(Tiefenordnung, EachPassPutsPolygonsBeforeLinesAndPointsComeLast) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int g = t.szene.StreckeHinzufuegen({0, -9, 7}, {0, 2, 0});
    const int p = t.szene.PunktHinzufuegen({0, 9, 9});
    t.Fertig();
    const std::vector<int>& f = t.szene.Zeichenfolge();
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[0], t.Stuecke(e).front());
    EXPECT_EQ(f[1], t.Stuecke(g).front());
    // the edges come in the next pass, after their plane
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(t.szene.Objekt(t.szene.Stueck(f[i]).Objekt).Art, TObjektArt::Rand);
    // the point, free from the start, waits until nothing else is left
    EXPECT_EQ(f[6], t.Stuecke(p).front());
}

TEST(Tiefenordnung, ProjectionUsesTheViewMatrix) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({1, 2, 3});
    const TMatrix4 m = Drehmatrix(NullTripel, {1, 2, 3}, 0.7L);
    t.szene.MatrixAnwenden(m);
    t.szene.MatrixAnwenden(m);
    t.Fertig();
    const TTripel gedreht = Abbilden(Matrixprodukt(m, m), {1, 2, 3});
    EXPECT_EQ(t.szene.Stueck(t.Stuecke(p).front()).EckenProj[0], Bild(t, gedreht));
    // the stored geometry stays in document space
    EXPECT_EQ(t.szene.Objekt(p).Basis, (TTripel{1, 2, 3}));
}

TEST(Tiefenordnung, TurningTheViewChangesTheOrder) {
    TTestSzene t(10);
    const int unten = t.szene.EbeneHinzufuegen({0, 0, -1}, {1, 0, 0}, {0, 1, 0});
    const int oben = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    EXPECT_GT(t.Rang(t.Stuecke(oben).front()), t.Rang(t.Stuecke(unten).front()));
    // upside down: the lower plane comes to the front
    t.szene.MatrixAnwenden(Drehmatrix(NullTripel, {0, 1, 0}, Pi));
    t.Fertig();
    EXPECT_LT(t.Rang(t.Stuecke(oben).front()), t.Rang(t.Stuecke(unten).front()));
}

TEST(Treffer, LaterDrawnObjectComesFirst) {
    TTestSzene t(10);
    const int unten = t.szene.EbeneHinzufuegen({0, 0, -1}, {1, 0, 0}, {0, 1, 0});
    const int oben = t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    const int p = t.szene.PunktHinzufuegen({1, 1, 1.2L});
    t.Fertig();
    const TLogPunkt ort = Bild(t, {1, 1, 1.2L});
    EXPECT_EQ(t.szene.Treffer(ort, 5), (std::vector<int>{p, oben, unten}));
    EXPECT_EQ(t.szene.Treffer(ort, 2), (std::vector<int>{p, oben}));
    EXPECT_TRUE(t.szene.Treffer(ort, 0).empty());
}

TEST(Treffer, PointWithinTwoHundredUnits) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({1, 1, 2});
    t.Fertig();
    const TLogPunkt ort = Bild(t, {1, 1, 2});
    EXPECT_EQ(t.szene.Treffer({ort.x + 200, ort.y - 200}, 5), (std::vector<int>{p}));
    EXPECT_TRUE(t.szene.Treffer({ort.x + 201, ort.y}, 5).empty());
}

TEST(Treffer, LineWithinTwoHundredUnitsAcrossItsDirection) {
    TTestSzene t(10);
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 1, 0}); // horizontal in the picture
    const int h = t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 0, 1}); // vertical
    t.Fertig();
    const TLogPunkt o = Bild(t, {0, 0, 0});
    const TLogPunkt rechts = Bild(t, {0, 5, 0});
    EXPECT_EQ(t.szene.Treffer({rechts.x, rechts.y + 200}, 5), (std::vector<int>{g}));
    EXPECT_TRUE(t.szene.Treffer({rechts.x, rechts.y + 201}, 5).empty());
    const TLogPunkt hoch = Bild(t, {0, 0, 5});
    EXPECT_EQ(t.szene.Treffer({hoch.x - 200, hoch.y}, 5), (std::vector<int>{h}));
    EXPECT_EQ(t.szene.Treffer(o, 5).size(), 2u);
}

TEST(Treffer, PlaneInsideOrNearAnEdgeButNotItsEdgeObjects) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    const TStueck& s = t.szene.Stueck(t.Stuecke(e).front());
    EXPECT_EQ(t.szene.Treffer(s.BezugProj, 5), (std::vector<int>{e}));
    // just outside an edge, within 30 units measured vertically
    const TLogPunkt a = s.EckenProj[0], b = s.EckenProj[1];
    const TLogPunkt mitte{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const std::vector<int> nahe = t.szene.Treffer({mitte.x, mitte.y + 25}, 5);
    const std::vector<int> nahe2 = t.szene.Treffer({mitte.x, mitte.y - 25}, 5);
    EXPECT_EQ(nahe.size() + nahe2.size(), 2u);
    // far outside
    EXPECT_TRUE(t.szene.Treffer({0, 0}, 5).empty());
}

TEST(Treffer, HiddenAndUnpickableObjectsAreSkipped) {
    TTestSzene t(10);
    const int p = t.szene.PunktHinzufuegen({1, 1, 1});
    t.szene.SetzePunktform(p, PunktformDreibein, 1);
    const int q = t.szene.PunktHinzufuegen({1, 1, 1});
    t.szene.SetzeGezeigt(q, false);
    t.Fertig();
    EXPECT_EQ(t.szene.Treffer(Bild(t, {1, 1, 1}), 5), (std::vector<int>{p}));
    // the tripod's lines are not pickable
    EXPECT_TRUE(t.szene.Treffer(Bild(t, {0.2L, 1, 1}), 5).empty());
}

TEST(Treffer, NothingBeforeTheProjection) {
    TTestSzene t(10);
    t.szene.PunktHinzufuegen({0, 0, 0});
    EXPECT_TRUE(t.szene.Treffer({15000, 15000}, 5).empty());
}

TEST(Tiefenordnung, EarlyRejectionNeverChangesTheOrder) {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> r(-1, 1);
    const auto punkt = [&](double s) {
        return TTripel{r(zufall) * s, r(zufall) * s, r(zufall) * s};
    };
    int abgelehnt = 0, beziehungen = 0, hochkant = 0;
    for (int szene = 0; szene < 60; ++szene) {
        TTestSzene t(10);
        const int ebenen = szene % 6;
        for (int i = 0; i < ebenen; ++i)
            t.szene.EbeneHinzufuegen(punkt(6), punkt(1), punkt(1));
        // now and then a plane seen edge-on, with points beside its picture
        if (szene % 5 == 0) t.szene.EbeneHinzufuegen(punkt(3), {2.828427125L, 1, 0}, {0, 0, 1});
        while (t.szene.Objektzahl() < MaxSzenenObjekte && t.szene.Stueckzahl() < MaxStuecke - 10) {
            switch (static_cast<int>((r(zufall) + 1) * 2)) {
            case 0:
                t.szene.PunktHinzufuegen(punkt(9));
                break;
            case 1:
                t.szene.GeradeHinzufuegen(punkt(6), punkt(1));
                break;
            case 2:
                t.szene.StreckeHinzufuegen(punkt(7), punkt(4));
                break;
            default:
                t.szene.PunktHinzufuegen(punkt(3));
                break;
            }
        }
        // turned, except where the edge-on plane is to stay edge-on
        if (szene % 5 != 0)
            t.szene.MatrixAnwenden(Drehmatrix(NullTripel, punkt(1), r(zufall) * Pi));
        t.szene.Projizieren();
        for (int o = 1; o <= t.szene.Objektzahl(); ++o)
            hochkant += t.szene.Objekt(o).Hochkant;
        t.szene.Sortieren(false);
        const std::vector<int> voll = t.szene.Zeichenfolge();
        t.szene.Sortieren(true);
        ASSERT_EQ(t.szene.Zeichenfolge(), voll) << "scene " << szene;
        const int n = t.szene.Stueckzahl();
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j) {
                const TVorne v = t.szene.Vergleichen(i, j);
                beziehungen += v != TVorne::Keins;
                if (!t.szene.KoennenUeberlappen(i, j)) {
                    ++abgelehnt;
                    ASSERT_EQ(v, TVorne::Keins)
                        << "scene " << szene << " pieces " << i << ", " << j;
                }
            }
    }
    // the rejection did real work, and there was an order to keep
    EXPECT_GT(abgelehnt, 10000);
    EXPECT_GT(hochkant, 0);
    EXPECT_GT(beziehungen, 1000);
}

TEST(Tiefenordnung, PointFarBesideAnEdgeOnPlaneIsStillCompared) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {2.828427125L, 1, 0}, {0, 0, 1});
    const int p = t.szene.PunktHinzufuegen({0, 8, 0});
    t.Fertig();
    ASSERT_TRUE(t.szene.Objekt(e).Hochkant);
    EXPECT_TRUE(t.szene.KoennenUeberlappen(t.Stuecke(p).front(), t.Stuecke(e).front()));
}
