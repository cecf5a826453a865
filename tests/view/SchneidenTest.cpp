// Cutting pieces at planes, and the limits of the scene when many planes
// cut each other.

#include "SzenenHilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

// Signed distance of a point from an object's plane, in units of the normal.
Real Seite(const TSzenenObjekt& e, TTripel p) {
    return (Skalarprodukt(e.N, p) - e.D) / Betrag(e.N);
}

// Area of a planar polygon.
Real Flaeche(const TStueck& s) {
    TTripel summe{};
    for (int i = 0; i < s.Eckenzahl; ++i)
        summe = TripelSumme(summe, Kreuzprodukt(s.Ecken[i], s.Ecken[(i + 1) % s.Eckenzahl]));
    return Betrag(summe) / 2;
}

// Every corner of a piece, and every point, lies on one side of every plane
// of the scene or in it: no piece passes through a plane it was cut by.
void ErwartePolygonImEigenenEbene(const tGSzene& s) {
    for (int i = 1; i <= s.Stueckzahl(); ++i) {
        const TStueck& st = s.Stueck(i);
        const TSzenenObjekt& o = s.Objekt(st.Objekt);
        if (st.Art != TStueckArt::Polygon) continue;
        for (int k = 0; k < st.Eckenzahl; ++k)
            EXPECT_NEAR(D(Seite(o, st.Ecken[k])), 0, 1e-9) << "piece " << i;
    }
}

} // namespace

TEST(SzeneSchneiden, SegmentCrossingAPlaneBecomesTwoPieces) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 2}, {1, 0, 0}, {0, 1, 0});
    const int s = t.szene.StreckeHinzufuegen({1, 1, 0}, {0, 0, 4});
    const std::vector<int> teile = t.Stuecke(s);
    ASSERT_EQ(teile.size(), 2u);
    const TStueck& a = t.szene.Stueck(teile[0]);
    const TStueck& b = t.szene.Stueck(teile[1]);
    EXPECT_EQ(a.Art, TStueckArt::Linie);
    EXPECT_EQ(a.Unten, 0);
    EXPECT_NEAR(D(a.Oben), 0.5, 1e-15);
    EXPECT_NEAR(D(b.Unten), 0.5, 1e-15);
    EXPECT_EQ(b.Oben, 1);
    ErwarteNah(a.Ecken[1], {1, 1, 2});
    ErwarteNah(b.Ecken[0], {1, 1, 2});
    ErwarteNah(b.Bezugspunkt, {1, 1, 3});
    // the plane itself is one piece, its edges are not cut by it
    EXPECT_EQ(t.Stuecke(e).size(), 1u);
    for (int r = e + 1; r <= e + 4; ++r)
        EXPECT_EQ(t.Stuecke(r).size(), 1u);
}

TEST(SzeneSchneiden, NewPlaneCutsWhatIsAlreadyThere) {
    TTestSzene t(10);
    const int s = t.szene.StreckeHinzufuegen({1, 1, 0}, {0, 0, 4});
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 0, 1});
    ASSERT_EQ(t.Stuecke(s).size(), 1u);
    t.szene.EbeneHinzufuegen({0, 0, 3}, {1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(t.Stuecke(s).size(), 2u);
    ASSERT_EQ(t.Stuecke(g).size(), 2u);
    EXPECT_NEAR(D(t.szene.Stueck(t.Stuecke(g)[0]).Oben), 3, 1e-15);
    // a second plane cuts both parts where they cross it
    t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(t.Stuecke(s).size(), 3u);
    EXPECT_EQ(t.Stuecke(g).size(), 3u);
}

TEST(SzeneSchneiden, ParallelAndTouchingLinesAreNotCut) {
    TTestSzene t(10);
    t.szene.EbeneHinzufuegen({0, 0, 2}, {1, 0, 0}, {0, 1, 0});
    const int parallel = t.szene.StreckeHinzufuegen({0, 0, 1}, {3, 1, 0});
    const int endet = t.szene.StreckeHinzufuegen({0, 0, 0}, {0, 0, 2});
    const int inEbene = t.szene.GeradeHinzufuegen({0, 0, 2}, {1, 1, 0});
    EXPECT_EQ(t.Stuecke(parallel).size(), 1u);
    EXPECT_EQ(t.Stuecke(endet).size(), 1u);
    EXPECT_EQ(t.Stuecke(inEbene).size(), 1u);
}

TEST(SzeneSchneiden, PlaneCrossingAPlaneGivesPolygonsWithTheRightCorners) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int f = t.szene.EbeneHinzufuegen({0, 0, 0}, {0, 0, 1}, {1, 0, 0}); // y = 0
    const double a = 13 * std::sqrt(2.0) / 3, b = 26.0 / 3;

    // the flat plane z = 0 is halved at y = 0
    const std::vector<int> te = t.Stuecke(e);
    ASSERT_EQ(te.size(), 2u);
    const TStueck& e1 = t.szene.Stueck(te[0]);
    const TStueck& e2 = t.szene.Stueck(te[1]);
    ASSERT_EQ(e1.Eckenzahl, 4);
    ASSERT_EQ(e2.Eckenzahl, 4);
    ErwarteNah(e1.Ecken[0], {a, b, 0});
    ErwarteNah(e1.Ecken[1], {a, 0, 0});
    ErwarteNah(e1.Ecken[2], {-a, 0, 0});
    ErwarteNah(e1.Ecken[3], {-a, b, 0});
    ErwarteNah(e2.Ecken[0], {a, 0, 0});
    ErwarteNah(e2.Ecken[1], {a, -b, 0});
    ErwarteNah(e2.Ecken[2], {-a, -b, 0});
    ErwarteNah(e2.Ecken[3], {-a, 0, 0});
    EXPECT_EQ(e2.Art, TStueckArt::Polygon);
    ErwarteNah(
        e2.Bezugspunkt,
        Vielfaches(TripelSumme(TripelSumme(e2.Ecken[0], e2.Ecken[1]), e2.Ecken[2]), 1.0L / 3));

    // the upright plane y = 0 is halved at z = 0 by the plane already there
    const std::vector<int> tf = t.Stuecke(f);
    ASSERT_EQ(tf.size(), 2u);
    Real flaeche = 0;
    for (int s : tf) {
        const TStueck& st = t.szene.Stueck(s);
        ASSERT_EQ(st.Eckenzahl, 4);
        int oben = 0, unten = 0;
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(D(st.Ecken[k].y), 0, 1e-12);
            oben += st.Ecken[k].z > 1e-12;
            unten += st.Ecken[k].z < -1e-12;
        }
        EXPECT_EQ(oben * unten, 0);
        EXPECT_EQ(oben + unten, 2);
        flaeche += Flaeche(st);
    }
    EXPECT_NEAR(D(flaeche), 4 * a * b, 1e-9);
    // edges are cut by the other plane where they cross it
    EXPECT_EQ(t.Stuecke(e + 1).size(), 2u); // x = a, y from b to -b
    EXPECT_EQ(t.Stuecke(e + 2).size(), 1u); // y = -b throughout
}

TEST(SzeneSchneiden, CutThroughTwoCornersKeepsThemOnBothSides) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const TStueck vorher = t.szene.Stueck(1);
    // the plane through the diagonal from corner 1 to corner 3
    const TTripel diagonale = Verbindungsvektor(vorher.Ecken[0], vorher.Ecken[2]);
    t.szene.EbeneHinzufuegen({0, 0, 0}, diagonale, {0, 0, 1});
    const std::vector<int> te = t.Stuecke(e);
    ASSERT_EQ(te.size(), 2u);
    const TStueck& a = t.szene.Stueck(te[0]);
    const TStueck& b = t.szene.Stueck(te[1]);
    ASSERT_EQ(a.Eckenzahl, 3);
    ASSERT_EQ(b.Eckenzahl, 3);
    ErwarteNah(a.Ecken[0], vorher.Ecken[0]);
    ErwarteNah(a.Ecken[1], vorher.Ecken[1]);
    ErwarteNah(a.Ecken[2], vorher.Ecken[2]);
    ErwarteNah(b.Ecken[0], vorher.Ecken[2]);
    ErwarteNah(b.Ecken[1], vorher.Ecken[3]);
    ErwarteNah(b.Ecken[2], vorher.Ecken[0]);
}

TEST(SzeneSchneiden, PlaneTouchingACornerDoesNotCut) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const TTripel ecke = t.szene.Stueck(1).Ecken[0];
    // through corner 1 only, across the diagonal direction
    t.szene.EbeneHinzufuegen(ecke, {1, -1, 0}, {0, 0, 1});
    EXPECT_EQ(t.Stuecke(e).size(), 1u);
    EXPECT_EQ(t.szene.Stueck(1).Eckenzahl, 4);
}

TEST(SzeneSchneiden, CutThroughOneCornerAndAnEdge) {
    TTestSzene t(10);
    const int e = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const TStueck vorher = t.szene.Stueck(1);
    // from corner 2 to the middle of edge 3 -> 4: a triangle and a quadrilateral
    const TTripel m = Mittelpunkt(vorher.Ecken[2], vorher.Ecken[3]);
    t.szene.EbeneHinzufuegen(vorher.Ecken[1], Verbindungsvektor(vorher.Ecken[1], m), {0, 0, 1});
    const std::vector<int> te = t.Stuecke(e);
    ASSERT_EQ(te.size(), 2u);
    const int na = t.szene.Stueck(te[0]).Eckenzahl, nb = t.szene.Stueck(te[1]).Eckenzahl;
    EXPECT_EQ(na + nb, 7);
    EXPECT_NEAR(D(Flaeche(t.szene.Stueck(te[0])) + Flaeche(t.szene.Stueck(te[1]))),
                D(Flaeche(vorher)), 1e-9);
}

TEST(SzeneSchneiden, SceneFullOfPlanesStaysWithinItsLimits) {
    std::mt19937 zufall(12345);
    std::uniform_real_distribution<double> r(-1, 1);
    for (int runde = 0; runde < 20; ++runde) {
        TTestSzene t(10);
        std::vector<int> ebenen;
        std::vector<Real> flaechen;
        // as many planes as fit; each cuts all the others
        while (t.szene.Objektzahl() <= MaxSzenenObjekte - 5) {
            const TTripel p{r(zufall) * 5, r(zufall) * 5, r(zufall) * 5};
            const TTripel u{r(zufall), r(zufall), r(zufall)}, v{r(zufall), r(zufall), r(zufall)};
            const int stueckeVorher = t.szene.Stueckzahl();
            const int nr = t.szene.EbeneHinzufuegen(p, u, v);
            if (nr == SzeneVoll) {
                EXPECT_GT(stueckeVorher, MaxStuecke - 5);
                break;
            }
            if (nr > 0) ebenen.push_back(nr);
        }
        // the limit of the pieces was reached before that of the objects
        EXPECT_GT(t.szene.Stueckzahl(), MaxStuecke - 5);
        EXPECT_LE(t.szene.Stueckzahl(), MaxStuecke);
        EXPECT_LE(t.szene.Objektzahl(), MaxSzenenObjekte);
        for (int i = 1; i <= t.szene.Stueckzahl(); ++i) {
            const TStueck& s = t.szene.Stueck(i);
            ASSERT_GE(s.Objekt, 1);
            ASSERT_LE(s.Objekt, t.szene.Objektzahl());
            if (s.Art == TStueckArt::Polygon) {
                EXPECT_GE(s.Eckenzahl, 3);
                EXPECT_LE(s.Eckenzahl, MaxEcken);
            }
        }
        ErwartePolygonImEigenenEbene(t.szene);
        // nothing was lost: the pieces of every plane still cover its rectangle
        // (a cut that did not fit leaves a piece whole)
        for (int e : ebenen) {
            Real summe = 0;
            for (int s : t.Stuecke(e))
                summe += Flaeche(t.szene.Stueck(s));
            const Real soll = 2 * (13 * std::sqrt(2.0L) / 3) * 2 * (26.0L / 3);
            EXPECT_NEAR(D(summe), D(soll), 1e-6) << "plane " << e;
        }
        // and every edge still covers its interval [0, 1]
        for (int o = 1; o <= t.szene.Objektzahl(); ++o) {
            if (t.szene.Objekt(o).Art != TObjektArt::Rand) continue;
            Real laenge = 0;
            for (int s : t.Stuecke(o))
                laenge += t.szene.Stueck(s).Oben - t.szene.Stueck(s).Unten;
            EXPECT_NEAR(D(laenge), 1, 1e-12) << "edge " << o;
        }
        t.Fertig();
        std::vector<int> f = t.szene.Zeichenfolge();
        std::sort(f.begin(), f.end());
        ASSERT_EQ(static_cast<int>(f.size()), t.szene.Stueckzahl());
        for (int i = 0; i < static_cast<int>(f.size()); ++i)
            EXPECT_EQ(f[i], i + 1);
    }
}

TEST(SzeneSchneiden, FullPieceListLeavesNewLinesUncut) {
    std::mt19937 zufall(777);
    std::uniform_real_distribution<double> r(-1, 1);
    TTestSzene t(10);
    while (t.szene.Objektzahl() < 50 && t.szene.Stueckzahl() < 150)
        t.szene.EbeneHinzufuegen({r(zufall) * 4, r(zufall) * 4, r(zufall) * 4},
                                 {r(zufall), r(zufall), r(zufall)},
                                 {r(zufall), r(zufall), r(zufall)});
    std::vector<int> geraden;
    for (;;) {
        const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {r(zufall), r(zufall), r(zufall)});
        ASSERT_LE(t.szene.Stueckzahl(), MaxStuecke);
        if (g == SzeneVoll) break;
        ASSERT_GT(g, 0);
        geraden.push_back(g);
    }
    EXPECT_EQ(t.szene.Stueckzahl(), MaxStuecke);
    int ungeschnitten = 0;
    for (int g : geraden) {
        const TSzenenObjekt& o = t.szene.Objekt(g);
        Real laenge = 0;
        for (int s : t.Stuecke(g)) {
            const TStueck& st = t.szene.Stueck(s);
            laenge += st.Oben - st.Unten;
            for (int e = 1; e <= t.szene.Objektzahl(); ++e) {
                const TSzenenObjekt& ebene = t.szene.Objekt(e);
                if (ebene.Art != TObjektArt::Ebene) continue;
                const Real tt = (ebene.D - Skalarprodukt(ebene.N, o.Basis)) /
                                Skalarprodukt(ebene.N, o.Richtung);
                ungeschnitten += st.Unten < tt && tt < st.Oben;
            }
        }
        // a cut that did not fit leaves the piece whole: the line is all there
        EXPECT_NEAR(D(laenge), D(o.Oben - o.Unten), 1e-12);
    }
    EXPECT_GT(ungeschnitten, 0);
    EXPECT_EQ(t.szene.PunktHinzufuegen({0, 0, 0}), SzeneVoll);
    t.Fertig();
    EXPECT_EQ(static_cast<int>(t.szene.Zeichenfolge().size()), MaxStuecke);
}
