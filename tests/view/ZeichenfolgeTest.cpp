// The drawing order of the scenes a teacher builds: points on lines and in
// planes, planes through common points and cut by the coordinate planes, and
// what the order does with a relation that closes a cycle.

#include "SzenenHilfe.h"

#include "view/Ansicht.h"
#include "view/SzenenElemente.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

// A scene set up as a new document window shows it: the axes and the xy
// plane, in the initial view.
struct TFensterSzene {
    TWeltAbbildung abb;
    tGSzene szene{abb};
    TKoordinatensystem ks = KoordinatensystemFuerNeuesFenster(TStandardEinstellungen{});

    TFensterSzene() {
        ZeichenfensterEinrichten(ks, abb, szene);
        AusgangslageSetzen(szene);
        KoordinatensystemInSzene(szene, ks);
    }
    int Punkt(TTripel p) { return szene.PunktHinzufuegen(p); }
    int Gerade(TTripel a, TTripel b) { return szene.GeradeHinzufuegen(a, Verbindungsvektor(a, b)); }
    int Ebene(TTripel a, TTripel b, TTripel c) {
        return szene.EbeneHinzufuegen(a, Verbindungsvektor(a, b), Verbindungsvektor(a, c));
    }
    void Fertig() {
        szene.Projizieren();
        szene.Sortieren();
    }
};

// Pairs (before, after) the comparison orders but the drawing order does not keep.
std::vector<std::pair<int, int>> Gebrochen(const tGSzene& s) {
    const int n = s.Stueckzahl();
    std::vector<int> rang(n + 1, -1);
    for (std::size_t k = 0; k < s.Zeichenfolge().size(); ++k)
        rang[s.Zeichenfolge()[k]] = static_cast<int>(k);
    std::vector<std::pair<int, int>> r;
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const TVorne v = s.Vergleichen(i, j);
            if (v == TVorne::Erstes && rang[i] < rang[j])
                r.push_back({j, i});
            else if (v == TVorne::Zweites && rang[j] < rang[i])
                r.push_back({i, j});
        }
    return r;
}

// For every piece the pieces that must, through any chain of relations, be
// drawn before it.
std::vector<std::bitset<MaxStuecke + 1>> Vorgaenger(const tGSzene& s) {
    const int n = s.Stueckzahl();
    std::vector<std::vector<int>> vor(n + 1);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const TVorne v = s.Vergleichen(i, j);
            if (v == TVorne::Erstes)
                vor[i].push_back(j);
            else if (v == TVorne::Zweites)
                vor[j].push_back(i);
        }
    std::vector<std::bitset<MaxStuecke + 1>> r(n + 1);
    for (int start = 1; start <= n; ++start) {
        std::vector<int> offen{start};
        while (!offen.empty()) {
            const int k = offen.back();
            offen.pop_back();
            for (int j : vor[k])
                if (!r[start].test(static_cast<std::size_t>(j))) {
                    r[start].set(static_cast<std::size_t>(j));
                    offen.push_back(j);
                }
        }
    }
    return r;
}

bool IstPolygon(const tGSzene& s, int stueck) {
    return s.Stueck(stueck).Art == TStueckArt::Polygon;
}

// A point or line piece the order draws before a polygon that the comparison
// puts behind it.
int VerdeckteKleine(const tGSzene& s) {
    int r = 0;
    for (const auto& [vorher, nachher] : Gebrochen(s))
        r += IstPolygon(s, vorher) && !IstPolygon(s, nachher);
    return r;
}

} // namespace

TEST(Zeichenfolge, PointOnALineIsDrawnAfterEveryPieceOfTheLine) {
    TFensterSzene t;
    const TTripel a{1, 2, 3}, b{4, 1, 2};
    const int pa = t.Punkt(a), pb = t.Punkt(b);
    const int g = t.Gerade(a, b);
    // A plane below both points that the line passes: the part above it
    // waits for the plane.
    t.szene.EbeneHinzufuegen({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    t.Fertig();
    const auto rang = [&](int stueck) {
        const auto& f = t.szene.Zeichenfolge();
        return static_cast<int>(std::find(f.begin(), f.end(), stueck) - f.begin());
    };
    std::vector<int> linie;
    for (int i = 1; i <= t.szene.Stueckzahl(); ++i)
        if (t.szene.Stueck(i).Objekt == g) linie.push_back(i);
    ASSERT_GE(linie.size(), 2u);
    for (int p : {pa, pb}) {
        int stueck = 0;
        for (int i = 1; i <= t.szene.Stueckzahl(); ++i)
            if (t.szene.Stueck(i).Objekt == p) stueck = i;
        for (int l : linie)
            EXPECT_GT(rang(stueck), rang(l)) << "point " << p << ", line piece " << l;
    }
    EXPECT_TRUE(Gebrochen(t.szene).empty());
}

TEST(Zeichenfolge, PlaneThroughThreePointsWithTheXyPlaneHasAnOrderWithoutCycle) {
    // The scene of a first lesson: three points, the line through two of
    // them, the plane through all three, the xy plane of a new window. The
    // y-axis lies in the xy plane and meets the new plane on their common
    // line, where the pieces of both planes meet too.
    for (const auto& [a, b, c] :
         {std::tuple{TTripel{1, 2, 3}, TTripel{4, 1, 2}, TTripel{2, 5, 1}},
          std::tuple{TTripel{2, 1, 3}, TTripel{5, 3, 1}, TTripel{1, 4, 2}},
          std::tuple{TTripel{4, 0, 0}, TTripel{0, 4, 0}, TTripel{0, 0, 4}}}) {
        TFensterSzene t;
        const int pa = t.Punkt(a), pb = t.Punkt(b), pc = t.Punkt(c);
        t.Gerade(a, b);
        const int e = t.Ebene(a, b, c);
        t.Fertig();
        EXPECT_TRUE(Gebrochen(t.szene).empty())
            << "A = " << D(a.x) << ", " << D(a.y) << ", " << D(a.z);
        // The points lie in the plane: each is in front of the piece it lies
        // in; one on the common line of both planes lies on the boundary of
        // both pieces and only touches them.
        for (const auto& [p, z] : {std::pair{pa, a.z}, std::pair{pb, b.z}, std::pair{pc, c.z}}) {
            int punkt = 0, vor = 0;
            for (int i = 1; i <= t.szene.Stueckzahl(); ++i)
                if (t.szene.Stueck(i).Objekt == p) punkt = i;
            for (int i = 1; i <= t.szene.Stueckzahl(); ++i)
                if (t.szene.Stueck(i).Objekt == e &&
                    t.szene.Vergleichen(punkt, i) == TVorne::Erstes)
                    ++vor;
            EXPECT_EQ(vor, z == 0 ? 0 : 1) << "point " << p;
        }
    }
}

TEST(Zeichenfolge, PiecesThatOnlyTouchHaveNoRelation) {
    // The xy plane and a steep plane cut each other along a line; a line in
    // the xy plane crosses that line and is cut there.
    TTestSzene t(10);
    t.szene.MatrixAnwenden(Ausgangslage());
    const int k = t.szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int e = t.szene.EbeneHinzufuegen({3, 0, 0}, {-3, 3, 0}, {-3, 0, 3});
    const int g = t.szene.GeradeHinzufuegen({0, 0, 0}, {0, 1, 0});
    t.Fertig();
    const std::vector<int> sk = t.Stuecke(k), se = t.Stuecke(e), sg = t.Stuecke(g);
    // the two planes and their edges each cut in two
    ASSERT_EQ(sk.size(), 2u);
    ASSERT_EQ(se.size(), 2u);
    ASSERT_EQ(sg.size(), 2u);
    // Which side of the other plane each piece lies on.
    const auto seite = [&](int stueck, int ebene) {
        const TSzenenObjekt& o = t.szene.Objekt(ebene);
        return Skalarprodukt(o.N, t.szene.Stueck(stueck).Bezugspunkt) > o.D;
    };
    for (int l : sg)
        for (int q : sk) {
            // A piece of the line lies in the xy plane piece on its own side
            // of the steep plane and only touches the other one.
            const TVorne v = t.szene.Vergleichen(l, q);
            if (seite(l, e) == seite(q, e))
                EXPECT_EQ(v, TVorne::Erstes) << l << " " << q;
            else
                EXPECT_EQ(v, TVorne::Keins) << l << " " << q;
        }
    EXPECT_TRUE(Gebrochen(t.szene).empty());
}

TEST(Zeichenfolge, CycleThroughAnEdgeOnPlaneNeverDrawsAPointBeforeAPlaneBehindIt) {
    // The plane through A, B, C is seen edge-on in the initial view; a
    // point counts as in front of its picture wherever it lies along it.
    // That closes a cycle with the xy plane: A before the xy plane before
    // the edge-on piece before A.
    TFensterSzene t;
    const TTripel a{0, -1, -3}, b{-3, 7, 7}, c{1, 5, 3};
    const int pa = t.Punkt(a);
    t.Punkt(b);
    t.Punkt(c);
    t.Gerade(a, b);
    const int e = t.Ebene(a, b, c);
    t.Fertig();
    ASSERT_TRUE(t.szene.Objekt(e).Hochkant);
    const std::vector<std::pair<int, int>> gebrochen = Gebrochen(t.szene);
    ASSERT_FALSE(gebrochen.empty());
    // Only the edge-on plane gives way: it is drawn before a piece of the xy
    // plane it lies in front of.
    for (const auto& [vorher, nachher] : gebrochen) {
        EXPECT_EQ(t.szene.Stueck(nachher).Objekt, e);
        EXPECT_TRUE(IstPolygon(t.szene, vorher));
    }
    EXPECT_EQ(VerdeckteKleine(t.szene), 0);
    // A is drawn after every polygon it is in front of.
    int stueck = 0;
    for (int i = 1; i <= t.szene.Stueckzahl(); ++i)
        if (t.szene.Stueck(i).Objekt == pa) stueck = i;
    const auto& f = t.szene.Zeichenfolge();
    const auto rang = [&](int s) { return std::find(f.begin(), f.end(), s) - f.begin(); };
    for (int i = 1; i <= t.szene.Stueckzahl(); ++i) {
        if (t.szene.Vergleichen(stueck, i) == TVorne::Erstes) {
            EXPECT_GT(rang(stueck), rang(i)) << i;
        }
    }
}

TEST(Zeichenfolge, ManyRandomScenesKeepEveryRelationOutsideACycle) {
    // Points, lines through them, planes through three of them (so that
    // points and lines lie in planes and planes share points and lines),
    // segments, the coordinate system of a new window, turned at random.
    std::mt19937 zufall(20240611);
    std::uniform_int_distribution<int> koordinate(-4, 8);
    std::uniform_int_distribution<int> anzahl(0, 5);
    std::uniform_real_distribution<double> r(-1, 1);
    int szenen = 0, beziehungen = 0, mitZyklus = 0, punktVorEbene = 0;
    while (szenen < 300) {
        TFensterSzene t;
        std::vector<TTripel> punkte;
        for (int i = 0; i < 5 + anzahl(zufall); ++i) {
            const TTripel p{Real(koordinate(zufall)), Real(koordinate(zufall)),
                            Real(koordinate(zufall))};
            punkte.push_back(p);
            t.Punkt(p);
        }
        const auto irgendeiner = [&] { return punkte[std::size_t(zufall() % punkte.size())]; };
        const int ebenen = 1 + anzahl(zufall) % 4;
        for (int i = 0; i < ebenen; ++i)
            t.Ebene(irgendeiner(), irgendeiner(), irgendeiner());
        for (int i = 0; i < 1 + anzahl(zufall); ++i)
            t.Gerade(irgendeiner(), irgendeiner());
        for (int i = 0; i < anzahl(zufall); ++i) {
            const TTripel p = irgendeiner();
            t.szene.StreckeHinzufuegen(p, Verbindungsvektor(p, irgendeiner()));
        }
        if (szenen % 3 != 0)
            t.szene.MatrixAnwenden(
                Drehmatrix(NullTripel, {r(zufall), r(zufall), r(zufall)}, r(zufall) * Pi));
        t.Fertig();
        ++szenen;

        const tGSzene& s = t.szene;
        const int n = s.Stueckzahl();
        ASSERT_EQ(static_cast<int>(s.Zeichenfolge().size()), n);
        std::vector<char> einmal(n + 1, 0);
        for (int i : s.Zeichenfolge()) {
            ASSERT_FALSE(einmal[i]) << "scene " << szenen;
            einmal[i] = 1;
        }
        const auto vor = Vorgaenger(s);
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                beziehungen += s.Vergleichen(i, j) != TVorne::Keins;
        const auto gebrochen = Gebrochen(s);
        mitZyklus += !gebrochen.empty();
        for (const auto& [vorher, nachher] : gebrochen) {
            // Only a relation inside a cycle may give way.
            EXPECT_TRUE(vor[vorher].test(std::size_t(nachher)) &&
                        vor[nachher].test(std::size_t(vorher)))
                << "scene " << szenen << ": " << nachher << " drawn before " << vorher;
            punktVorEbene += IstPolygon(s, vorher) && !IstPolygon(s, nachher);
        }
    }
    EXPECT_EQ(punktVorEbene, 0);
    // Cycles are left only where the relation itself has them (edge-on
    // planes, lines lying across each other): rare.
    EXPECT_LT(mitZyklus, szenen / 20);
    EXPECT_GT(beziehungen, 20 * szenen);
}
