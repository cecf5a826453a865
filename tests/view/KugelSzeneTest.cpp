// Spheres and circles in the scene: the true outline under the projection
// in any position of the view, the curves on the sphere and in their plane,
// which half lies behind, the hit test and the textbook view's dashes.

#include "Protokollflaeche.h"
#include "SzenenHilfe.h"

#include "view/SzenenElemente.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

double Abstand(TLogPunkt a, TLogPunkt b) {
    return std::hypot(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y);
}

struct TLage {
    const char* Fall;
    TTripel Achse;
    Real Winkel;
};

void PrintTo(const TLage& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelUmriss : public ::testing::TestWithParam<TLage> {};

// However the view is turned, no point of the sphere is drawn outside its
// outline, and the outline's points are drawn on the rim.
TEST_P(KugelUmriss, EnclosesEveryPointOfTheSphere) {
    const TLage& f = GetParam();
    TTestSzene t(10);
    if (f.Winkel != 0) t.szene.MatrixAnwenden(Drehmatrix(NullTripel, f.Achse, f.Winkel));
    const TTripel m{1, 2, 3};
    const Real r = 4;
    const int nr = t.szene.KugelHinzufuegen(m, r);
    ASSERT_EQ(nr, 1);
    t.Fertig();
    const TSzenenObjekt& o = t.szene.Objekt(nr);
    EXPECT_EQ(o.Art, TObjektArt::Kugel);
    EXPECT_EQ(t.Stuecke(nr).size(), static_cast<std::size_t>(3 * Bogenstuecke));
    const TLogPunkt mitte = t.szene.Bild(m);
    // The rim: the largest distance of the picture from the centre's picture
    // in each direction, from a fine sampling of the sphere.
    double groesster = 0;
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j <= 20; ++j) {
            const Real a = 2 * Pi * i / 40, b = Pi * j / 20 - PiHalbe;
            const TTripel p = TripelSumme(
                m, {r * std::cos(b) * std::cos(a), r * std::cos(b) * std::sin(a), r * std::sin(b)});
            groesster = std::max(groesster, Abstand(t.szene.Bild(p), mitte));
        }
    double umrissMax = 0;
    for (int k = 0; k < 64; ++k) {
        const TTripel p = t.szene.Kurvenpunkt(o, 2 * Pi * k / 64);
        EXPECT_NEAR(D(Betrag(TripelDifferenz(p, m))), D(r), 1e-9);
        // On the great circle across the direction of view.
        EXPECT_NEAR(D(Skalarprodukt(TripelDifferenz(p, m), t.szene.ZumBetrachter())), 0, 1e-9);
        umrissMax = std::max(umrissMax, Abstand(t.szene.Bild(p), mitte));
    }
    EXPECT_NEAR(umrissMax, groesster, 0.02 * groesster);
    // Every point of the equator and the meridian lies within the outline.
    for (int k = 0; k < 64; ++k) {
        const Real tk = 2 * Pi + 4 * Pi * k / 64;
        EXPECT_LE(Abstand(t.szene.Bild(t.szene.Kurvenpunkt(o, tk)), mitte), umrissMax + 2);
    }
}

// Each of the twelve pieces of a circle on the sphere spans a twelfth of
// that circle: the last piece of the outline once ended on the equator, a
// chord across the sphere in the textbook view.
TEST_P(KugelUmriss, EachPieceSpansATwelfthOfItsCircle) {
    const TLage& f = GetParam();
    TTestSzene t(10);
    if (f.Winkel != 0) t.szene.MatrixAnwenden(Drehmatrix(NullTripel, f.Achse, f.Winkel));
    const Real r = 4;
    const int nr = t.szene.KugelHinzufuegen({1, 2, 3}, r);
    ASSERT_EQ(nr, 1);
    t.Fertig();
    const Real sehne = 2 * r * std::sin(Pi / Bogenstuecke);
    for (int k : t.Stuecke(nr)) {
        const TStueck& st = t.szene.Stueck(k);
        EXPECT_NEAR(static_cast<double>(Betrag(TripelDifferenz(st.Ecken[1], st.Ecken[0]))),
                    static_cast<double>(sehne), 1e-9)
            << "piece " << k << " from " << static_cast<double>(st.Unten);
    }
}

INSTANTIATE_TEST_SUITE_P(Lagen, KugelUmriss,
                         ::testing::Values(TLage{"Ungedreht", {0, 0, 1}, 0},
                                           TLage{"UmZ", {0, 0, 1}, 0.7L},
                                           TLage{"UmY", {0, 1, 0}, -0.4L},
                                           TLage{"Schraeg", {1, 1, 1}, 1.1L}),
                         [](const auto& info) { return std::string(info.param.Fall); });

struct THinten {
    const char* Fall;
    TTripel Punkt;
    bool Hinten;
};

void PrintTo(const THinten& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelHinten : public ::testing::TestWithParam<THinten> {};

// The viewer looks from large x (and y and z) in the view's first position.
TEST_P(KugelHinten, TellsWhatTheSphereHides) {
    TTestSzene t(10);
    const THinten& f = GetParam();
    const TTripel w = t.szene.ZumBetrachter();
    EXPECT_GT(D(w.x), 0);
    const TTripel p = f.Punkt;
    EXPECT_EQ(t.szene.HinterKugel(p, {0, 0, 0}, 2), f.Hinten);
}

INSTANTIATE_TEST_SUITE_P(Faelle, KugelHinten,
                         ::testing::Values(THinten{"VorderePolkappe", {2, 0, 0}, false},
                                           THinten{"HinterePolkappe", {-2, 0, 0}, true},
                                           THinten{"WeitDahinter", {-5, -1.75L, -1.75L}, true},
                                           THinten{"Davor", {6, 0, 0}, false},
                                           THinten{"Daneben", {-5, 0, 7}, false},
                                           THinten{"Mitte", {0, 0, 0}, true}),
                         [](const auto& info) { return std::string(info.param.Fall); });

TEST(KugelSzene, ACircleLiesInItsPlaneAtItsRadius) {
    TTestSzene t(10);
    const TTripel m{1, -1, 2}, n{1, 2, 2};
    const int nr = t.szene.KreisHinzufuegen(m, n, 3);
    ASSERT_EQ(nr, 1);
    t.Fertig();
    const TSzenenObjekt& o = t.szene.Objekt(nr);
    EXPECT_EQ(t.Stuecke(nr).size(), static_cast<std::size_t>(Bogenstuecke));
    for (int k = 0; k < 32; ++k) {
        const TTripel p = TripelDifferenz(t.szene.Kurvenpunkt(o, 2 * Pi * k / 32), m);
        EXPECT_NEAR(D(Betrag(p)), 3, 1e-9);
        EXPECT_NEAR(D(Skalarprodukt(p, n)), 0, 1e-9);
    }
    EXPECT_EQ(t.szene.KreisHinzufuegen(m, {0, 0, 0}, 3), SzeneAusserhalb);
    EXPECT_EQ(t.szene.KugelHinzufuegen({100, 0, 0}, 1), SzeneAusserhalb);
    EXPECT_EQ(t.szene.KugelHinzufuegen(m, 0), SzeneAusserhalb);
}

TEST(KugelSzene, AClickOnTheOutlineHitsTheSphere) {
    TTestSzene t(10);
    const int nr = t.szene.KugelHinzufuegen({0, 0, 0}, 3);
    t.Fertig();
    const TLogPunkt rand = t.szene.Bild(t.szene.Kurvenpunkt(t.szene.Objekt(nr), 0.3L));
    EXPECT_EQ(t.szene.Treffer(rand, 5), (std::vector<int>{nr}));
    EXPECT_TRUE(t.szene.Treffer({rand.x + 5000, rand.y + 5000}, 5).empty());
}

// The textbook view draws the outline whole and the hidden halves of the
// equator and the meridian dashed; the design's own view draws all solid.
TEST(KugelSzene, TheTextbookViewDashesTheHiddenHalves) {
    for (const bool heft : {false, true}) {
        SCOPED_TRACE(heft ? "Heftansicht" : "Schraegbild");
        TTestSzene t(10);
        if (heft) {
            t.szene.SetzeProjektionsart(TProjektionsart::Heft);
            t.szene.SetzeHeftlage(0, 0);
        }
        TSzenenEingabe e;
        e.Art = TElementart::DKugel;
        e.Punkt = {0, 0, 0};
        e.Radius = 3;
        e.Farbe = RGB(0, 0, 200);
        ASSERT_EQ(ElementInSzene(t.szene, e).Ergebnis, 1);
        t.Fertig();
        TProtokollflaeche f;
        t.szene.Zeichnen(f);
        int durchgezogen = 0, gestrichelt = 0;
        for (const TAufruf& a : f.Nur(TAufruf::Linie)) {
            if (a.stift.Farbe != RGB(0, 0, 200)) continue;
            if (a.stift.Stil == TStiftStil::Gestrichelt)
                ++gestrichelt;
            else
                ++durchgezogen;
        }
        if (!heft) {
            EXPECT_EQ(gestrichelt, 0);
            EXPECT_EQ(durchgezogen, 3 * Bogenstuecke * Bogenteile);
        } else {
            EXPECT_GT(gestrichelt, 0);
            EXPECT_GT(durchgezogen, gestrichelt);
        }
    }
}

// A circle on a sphere: the part behind the sphere is dashed in the
// textbook view.
TEST(KugelSzene, TheTextbookViewDashesACircleBehindItsSphere) {
    for (const bool mitEbene : {false, true}) {
        SCOPED_TRACE(mitEbene ? "mit Ebene" : "ohne Ebene");
        TTestSzene t(10);
        t.szene.SetzeProjektionsart(TProjektionsart::Heft);
        t.szene.SetzeHeftlage(0, 0);
        if (mitEbene) {
            const int e = t.szene.EbeneHinzufuegen({0, 0, 3}, {1, 0, 0}, {0, 1, 0});
            t.szene.SetzeStift(e, RGB(250, 200, 100), 1);
            t.szene.SetzeFuellung(e, RGB(255, 220, 150));
        }
        const int k = t.szene.KugelHinzufuegen({2, 3, 2}, 2);
        t.szene.SetzeStift(k, RGB(0, 0, 200), 1);
        const int c = t.szene.KreisHinzufuegen({2, 3, 3}, {0, 0, 1}, std::sqrt(3.0L));
        t.szene.SetzeStift(c, RGB(200, 0, 0), 1);
        t.Fertig();
        TProtokollflaeche f;
        t.szene.Zeichnen(f);
        int durchgezogen = 0, gestrichelt = 0;
        for (const TAufruf& a : f.Nur(TAufruf::Linie)) {
            if (a.stift.Farbe != RGB(200, 0, 0)) continue;
            (a.stift.Stil == TStiftStil::Gestrichelt ? gestrichelt : durchgezogen) += 1;
        }
        EXPECT_GT(gestrichelt, 0);
        EXPECT_GT(durchgezogen, 0);
    }
}

} // namespace
