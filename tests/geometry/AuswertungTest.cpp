#include "geometry/Auswertung.h"
#include "Testnamen.h"

#include "Dokument.h"
#include "storage/Einstellungen.h"

#include <functional>

using namespace kalvorin;
using kalvorin::test::ErwarteTripel;
using kalvorin::test::TDokument;

// --- points and vectors -----------------------------------------------------

TEST(Auswertung, PointMovedByAVectorFollowsBothLevels) {
    TDokument d;
    auto* a = d.P("A", {1, 2, 3});
    auto* v = d.V("v", {1, 0, -1});
    auto* b = d.PV("B", a, v);
    auto* c = d.PV("C", b, v);
    TTripel p;
    ASSERT_EQ(PunktAuswerten(*c, p), 0);
    EXPECT_EQ(p, (TTripel{3, 2, 1}));
    ASSERT_EQ(PunktAuswerten(*a, p), 0);
    EXPECT_EQ(p, (TTripel{1, 2, 3}));
}

TEST(Auswertung, VectorModes) {
    TDokument d;
    auto* a = d.P("A", {1, 1, 1});
    auto* b = d.P("B", {2, 3, 4});
    TTripel v;
    ASSERT_EQ(VektorAuswerten(*d.V("v", {5, 6, 7}), v), 0);
    EXPECT_EQ(v, (TTripel{5, 6, 7}));
    ASSERT_EQ(VektorAuswerten(*d.V2P("ab", a, b), v), 0);
    EXPECT_EQ(v, (TTripel{1, 2, 3}));
    auto* pf = d.PfPP("Pf", b, a, "Vpf");
    ASSERT_EQ(VektorAuswerten(*pf->Bezuege[2], v), 0);
    EXPECT_EQ(v, (TTripel{-1, -2, -3}));
}

TEST(Auswertung, DirectionOfALineIsSimplified) {
    TDokument d;
    TTripel v;
    ASSERT_EQ(VektorAuswerten(*d.VG("v", d.G("g", {}, {0.5, 1, 1.5})), v), 0);
    EXPECT_EQ(v, (TTripel{1, 2, 3}));
    ASSERT_EQ(VektorAuswerten(*d.VG("w", d.G("h", {}, {-1, -2, 3})), v), 0);
    EXPECT_EQ(v, (TTripel{1, 2, -3}));
}

TEST(Auswertung, NormalOfAPlaneIsTheSimplifiedCrossProduct) {
    TDokument d;
    auto* e = d.EPAR("E", {1, 1, 1}, {2, 0, 0}, {0, 0, 4});
    TTripel v;
    ASSERT_EQ(VektorAuswerten(*d.VE("n", e), v), 0);
    // (2,0,0) x (0,0,4) = (0,-8,0): two components not positive, so the sign turns
    EXPECT_EQ(v, (TTripel{0, 1, 0}));
}

TEST(Auswertung, VectorOfAFailingLinePassesTheCodeOn) {
    TDokument d;
    auto* a = d.P("A", {1, 1, 1});
    auto* b = d.P("B", {1, 1, 1});
    TTripel v{9, 9, 9};
    EXPECT_EQ(VektorAuswerten(*d.VG("v", d.GPP("g", a, b)), v), FehlerGeradePunkteGleich);
    EXPECT_EQ(v, (TTripel{0, 0, 0}));
}

// --- lines, segments, arrows -------------------------------------------------

TEST(Auswertung, LineModes) {
    TDokument d;
    auto* a = d.P("A", {1, 0, 0});
    auto* b = d.P("B", {1, 2, 0});
    auto* v = d.V("v", {0, 0, 3});
    TTripel p, r;
    ASSERT_EQ(GeradeAuswerten(*d.G("g", {1, 2, 3}, {4, 5, 6}), p, r), 0);
    EXPECT_EQ(p, (TTripel{1, 2, 3}));
    EXPECT_EQ(r, (TTripel{4, 5, 6}));
    ASSERT_EQ(GeradeAuswerten(*d.GPP("h", a, b), p, r), 0);
    EXPECT_EQ(p, (TTripel{1, 0, 0}));
    EXPECT_EQ(r, (TTripel{0, 2, 0}));
    ASSERT_EQ(GeradeAuswerten(*d.GPV("k", b, v), p, r), 0);
    EXPECT_EQ(p, (TTripel{1, 2, 0}));
    EXPECT_EQ(r, (TTripel{0, 0, 3}));
}

TEST(Auswertung, SegmentAndArrows) {
    TDokument d;
    auto* a = d.P("A", {1, 0, 0});
    auto* b = d.P("B", {3, 2, 0});
    auto* v = d.V("v", {0, 0, 1});
    TTripel p, r;
    ASSERT_EQ(StreckeAuswerten(*d.S("s", a, b), p, r), 0);
    EXPECT_EQ(p, (TTripel{1, 0, 0}));
    EXPECT_EQ(r, (TTripel{2, 2, 0}));
    ASSERT_EQ(PfeilAuswerten(*d.PfPP("pf", b, a), p, r), 0);
    EXPECT_EQ(p, (TTripel{3, 2, 0}));
    EXPECT_EQ(r, (TTripel{-2, -2, 0}));
    ASSERT_EQ(PfeilAuswerten(*d.PfPV("pv", a, v), p, r), 0);
    EXPECT_EQ(r, (TTripel{0, 0, 1}));
}

// --- planes -----------------------------------------------------------------

TEST(Auswertung, NormalFormPointLiesOnTheFirstAxisWithANonZeroComponent) {
    TDokument d;
    TTripel a, u, v;
    ASSERT_EQ(EbeneAuswerten(*d.ENOR("E", {0, 0, 2}, 4), a, u, v), 0);
    EXPECT_EQ(a, (TTripel{0, 0, -2}));
    EXPECT_EQ(Skalarprodukt(u, {0, 0, 2}), 0);
    EXPECT_EQ(Skalarprodukt(v, {0, 0, 2}), 0);
    EXPECT_FALSE(IstNullvektor(Kreuzprodukt(u, v)));

    ASSERT_EQ(EbeneAuswerten(*d.ENOR("F", {3, 0, 0}, 6), a, u, v), 0);
    EXPECT_EQ(a, (TTripel{-2, 0, 0}));
    // n x ex is zero, so n x ey and n x ez are used
    EXPECT_EQ(u, Kreuzprodukt({3, 0, 0}, {0, 1, 0}));
    EXPECT_EQ(v, Kreuzprodukt({3, 0, 0}, {0, 0, 1}));
}

TEST(Auswertung, DirectionsFromANormal) {
    TTripel u, v;
    RichtungenAusNormale({1, 2, 3}, u, v);
    EXPECT_EQ(u, Kreuzprodukt({1, 2, 3}, {1, 0, 0}));
    EXPECT_EQ(v, Kreuzprodukt({1, 2, 3}, {0, 1, 0}));
    // n = (0, 1, 0): n x ey is zero, so v comes from ez
    RichtungenAusNormale({0, 1, 0}, u, v);
    EXPECT_EQ(u, Kreuzprodukt({0, 1, 0}, {1, 0, 0}));
    EXPECT_EQ(v, Kreuzprodukt({0, 1, 0}, {0, 0, 1}));
}

TEST(Auswertung, PlaneByReferences) {
    TDokument d;
    auto* p = d.P("P", {0, 0, 1});
    auto* q = d.P("Q", {1, 0, 1});
    auto* r = d.P("R", {0, 1, 1});
    auto* a = d.V("a", {1, 0, 0});
    auto* b = d.V("b", {0, 1, 0});
    TTripel pt, u, v;
    ASSERT_EQ(EbeneAuswerten(*d.E("E1", TEbene::EPPP, p, q, r), pt, u, v), 0);
    EXPECT_EQ(pt, (TTripel{0, 0, 1}));
    EXPECT_EQ(u, (TTripel{1, 0, 0}));
    EXPECT_EQ(v, (TTripel{0, 1, 0}));
    ASSERT_EQ(EbeneAuswerten(*d.E("E2", TEbene::EPVV, p, a, b), pt, u, v), 0);
    EXPECT_EQ(v, (TTripel{0, 1, 0}));
    // a point and a line in parameter form: from the point to the line's point, and its direction
    auto* g = d.G("g", {2, 0, 0}, {0, 1, 0});
    ASSERT_EQ(EbeneAuswerten(*d.E("E3", TEbene::EPG, p, g), pt, u, v), 0);
    EXPECT_EQ(u, (TTripel{2, 0, -1}));
    EXPECT_EQ(v, (TTripel{0, 1, 0}));
    // a line and a vector: u is the vector, v the line's direction
    ASSERT_EQ(EbeneAuswerten(*d.E("E4", TEbene::EGV, g, a), pt, u, v), 0);
    EXPECT_EQ(pt, (TTripel{2, 0, 0}));
    EXPECT_EQ(u, (TTripel{1, 0, 0}));
    EXPECT_EQ(v, (TTripel{0, 1, 0}));
}

TEST(Auswertung, PlaneOfTwoDistinctParallelLinesIsSpannedByTheirDistance) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {0, 2, 0}, {-2, 0, 0});
    TTripel pt, u, v;
    ASSERT_EQ(EbeneAuswerten(*d.E("E", TEbene::EGG, g, h), pt, u, v), 0);
    EXPECT_EQ(u, (TTripel{1, 0, 0}));
    EXPECT_EQ(v, (TTripel{0, 2, 0}));
}

TEST(Auswertung, PlaneOfTwoIntersectingLines) {
    TDokument d;
    auto* g = d.G("g", {1, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {0, 1, 0}, {0, 1, 0});
    TTripel pt, u, v;
    ASSERT_EQ(EbeneAuswerten(*d.E("E", TEbene::EGG, g, h), pt, u, v), 0);
    EXPECT_EQ(pt, (TTripel{1, 0, 0}));
    EXPECT_EQ(u, (TTripel{1, 0, 0}));
    EXPECT_EQ(v, (TTripel{0, 1, 0}));
}

// --- every error code -------------------------------------------------------

struct FehlerFall {
    const char* Name;
    std::function<TDreiDBasisElement*(TDokument&)> Bauen;
    int Fehler;
};

class AuswertungFehler : public ::testing::TestWithParam<FehlerFall> {};

TEST_P(AuswertungFehler, ReportsTheCode) {
    TDokument d;
    TDreiDBasisElement* e = GetParam().Bauen(d);
    TGeometrie g;
    EXPECT_EQ(Auswerten(*e, g), GetParam().Fehler);
}

namespace {
TfrPunkt* Punkt(TDokument& d, TTripel k) {
    return d.P(d.Liste.AutomatischerName(TElementart::DfrPunkt), k);
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Codes, AuswertungFehler,
    ::testing::Values(
        FehlerFall{"GPP_identisch",
                   [](TDokument& d) {
                       return d.GPP("g", Punkt(d, {1, 2, 3}), Punkt(d, {1, 2, 3}));
                   },
                   12},
        FehlerFall{"GPV_Nullvektor",
                   [](TDokument& d) { return d.GPV("g", Punkt(d, {}), d.V("v", {})); }, 13},
        FehlerFall{"PfPP_identisch",
                   [](TDokument& d) {
                       return d.PfPP("pf", Punkt(d, {1, 1, 1}), Punkt(d, {1, 1, 1}));
                   },
                   15},
        FehlerFall{"PfPV_Nullvektor",
                   [](TDokument& d) { return d.PfPV("pf", Punkt(d, {}), d.V("v", {})); }, 16},
        FehlerFall{"EPPP_kollinear",
                   [](TDokument& d) {
                       return d.E("E", TEbene::EPPP, Punkt(d, {0, 0, 0}), Punkt(d, {1, 1, 1}),
                                  Punkt(d, {3, 3, 3}));
                   },
                   17},
        FehlerFall{"EPVV_abhaengig",
                   [](TDokument& d) {
                       return d.E("E", TEbene::EPVV, Punkt(d, {}), d.V("a", {1, 2, 3}),
                                  d.V("b", {-2, -4, -6}));
                   },
                   18},
        FehlerFall{
            "EPG_GPAR_PunktAufGerade",
            [](TDokument& d) {
                return d.E("E", TEbene::EPG, Punkt(d, {2, 0, 0}), d.G("g", {0, 0, 0}, {1, 0, 0}));
            },
            19},
        FehlerFall{"EPG_GPP_PunktAufGerade",
                   [](TDokument& d) {
                       auto* g = d.GPP("g", Punkt(d, {0, 0, 0}), Punkt(d, {1, 0, 0}));
                       return d.E("E", TEbene::EPG, Punkt(d, {5, 0, 0}), g);
                   },
                   20},
        FehlerFall{"EPG_GPV_Nullvektor",
                   [](TDokument& d) {
                       auto* g = d.GPV("g", Punkt(d, {0, 0, 0}), d.V("v", {}));
                       return d.E("E", TEbene::EPG, Punkt(d, {5, 1, 0}), g);
                   },
                   21},
        FehlerFall{"EPG_GPV_PunktAufGerade",
                   [](TDokument& d) {
                       auto* g = d.GPV("g", Punkt(d, {0, 0, 0}), d.V("v", {0, 0, 1}));
                       return d.E("E", TEbene::EPG, Punkt(d, {0, 0, 7}), g);
                   },
                   19},
        FehlerFall{"EGG_windschief",
                   [](TDokument& d) {
                       return d.E("E", TEbene::EGG, d.G("g", {0, 0, 0}, {1, 0, 0}),
                                  d.G("h", {0, 1, 1}, {0, 1, 0}));
                   },
                   22},
        FehlerFall{"EGG_identisch",
                   [](TDokument& d) {
                       return d.E("E", TEbene::EGG, d.G("g", {0, 0, 0}, {1, 0, 0}),
                                  d.G("h", {5, 0, 0}, {-2, 0, 0}));
                   },
                   23},
        FehlerFall{"EGG_ersteGeradeFehlt",
                   [](TDokument& d) {
                       auto* g = d.GPP("g", Punkt(d, {1, 1, 1}), Punkt(d, {1, 1, 1}));
                       return d.E("E", TEbene::EGG, g, d.G("h", {0, 0, 0}, {1, 0, 0}));
                   },
                   25},
        FehlerFall{"EGG_zweiteGeradeFehlt",
                   [](TDokument& d) {
                       auto* h = d.GPV("h", Punkt(d, {1, 1, 1}), d.V("v", {}));
                       return d.E("E", TEbene::EGG, d.G("g", {0, 0, 0}, {1, 0, 0}), h);
                   },
                   26},
        FehlerFall{"EPV_Nullvektor",
                   [](TDokument& d) { return d.E("E", TEbene::EPV, Punkt(d, {}), d.V("n", {})); },
                   27},
        FehlerFall{"ENOR_Nullvektor", [](TDokument& d) { return d.ENOR("E", {}, 3); }, 27},
        FehlerFall{
            "EGV_abhaengig",
            [](TDokument& d) {
                return d.E("E", TEbene::EGV, d.G("g", {0, 0, 0}, {1, 1, 0}), d.V("v", {-3, -3, 0}));
            },
            28},
        FehlerFall{"Strecke_identisch",
                   [](TDokument& d) {
                       return d.S("s", Punkt(d, {4, 4, 4}), Punkt(d, {4, 4, 4}));
                   },
                   29},
        // exact tests: a tiny difference is no error
        FehlerFall{"GPP_winzigerAbstand",
                   [](TDokument& d) {
                       return d.GPP("g", Punkt(d, {1, 2, 3}), Punkt(d, {1, 2, 3 + 1e-15L}));
                   },
                   0},
        FehlerFall{"EPAR_ohnePruefung",
                   [](TDokument& d) {
                       return d.EPAR("E", {}, {1, 0, 0}, {2, 0, 0});
                   },
                   0},
        FehlerFall{"GPAR_ohnePruefung", [](TDokument& d) { return d.G("g", {}, {}); }, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

// --- references that a hand-edited file may break -----------------------------

TEST(Auswertung, MissingOrWrongReferencesAreReportedNotFollowed) {
    TDokument d;
    auto* e = d.EPAR("E", {}, {1, 0, 0}, {0, 1, 0});
    auto* a = d.P("A", {});
    TTripel p, r;
    EXPECT_EQ(PunktAuswerten(*d.PV("B", a, nullptr), p), FehlerBezug);
    EXPECT_EQ(GeradeAuswerten(*d.GPP("g", a, e), p, r), FehlerBezug);
    // an element of the wrong kind handed to the evaluation itself
    EXPECT_EQ(GeradeAuswerten(*a, p, r), FehlerBezug);
    // the failure passes through every level
    auto* b = d.PV("C", a, d.VG("v", d.GPP("h", a, e)));
    EXPECT_EQ(PunktAuswerten(*b, p), FehlerBezug);
}

TEST(Auswertung, AReferenceCycleEndsWithAnErrorInsteadOfRecursingForever) {
    TDokument d;
    auto* v = d.V("v", {1, 0, 0});
    auto* p = d.PV("P", nullptr, v);
    p->Bezuege[0] = p;
    TTripel x;
    EXPECT_EQ(PunktAuswerten(*p, x), FehlerBezug);

    // a longer cycle through a line, its direction vector and a point
    auto* a = d.P("A", {});
    auto* q = d.PV("Q", a, nullptr);
    auto* g = d.GPP("g", a, q);
    q->Bezuege[1] = d.VG("w", g);
    TTripel pt, r;
    EXPECT_EQ(GeradeAuswerten(*g, pt, r), FehlerBezug);
}

TEST(Auswertung, LongChainsThroughSharedSourcesStayLinear) {
    // Each point is its predecessor moved by the vector between the two points
    // before it: every element is reached along exponentially many paths.
    TDokument d;
    TDreiDBasisElement* vorletzter = d.P("P0", {0, 0, 0});
    TDreiDBasisElement* letzter = d.P("P1", {1, 0, 0});
    for (int i = 2; d.Liste.Anzahl() + 2 <= TListe::Kapazitaet; ++i) {
        auto* v = d.V2P("V" + std::to_string(i), vorletzter, letzter);
        auto* p = d.PV("P" + std::to_string(i), letzter, v);
        vorletzter = letzter;
        letzter = p;
    }
    TTripel p;
    ASSERT_EQ(PunktAuswerten(*letzter, p), 0);
    EXPECT_EQ(p, (TTripel{50, 0, 0}));
}

TEST(Auswertung, TriangleAndPyramidCorners) {
    TDokument d;
    auto* a = d.P("A", {0, 0, 0});
    auto* b = d.P("B", {1, 0, 0});
    auto* c = d.P("C", {0, 1, 0});
    auto* s = d.P("S", {0, 0, 1});
    auto* dr = d.Dr("D", a, b, c);
    std::array<TTripel, 3> ecken;
    TTripel spitze;
    ASSERT_EQ(PyramideAuswerten(*d.Py("DP", dr, s), ecken, spitze), 0);
    EXPECT_EQ(ecken[1], (TTripel{1, 0, 0}));
    EXPECT_EQ(spitze, (TTripel{0, 0, 1}));
    EXPECT_FALSE(EckenAufEinerGeraden(ecken));
    EXPECT_FALSE(SpitzeInGrundflaeche(ecken, spitze));
    EXPECT_TRUE(SpitzeInGrundflaeche(ecken, {5, 5, 0}));
    EXPECT_TRUE(EckenAufEinerGeraden({TTripel{0, 0, 0}, TTripel{1, 1, 1}, TTripel{2, 2, 2}}));
}

// --- simplified vector --------------------------------------------------------

struct VereinfachungsFall {
    TTripel Ein;
    TTripel Aus;
};

class Vereinfachung : public ::testing::TestWithParam<VereinfachungsFall> {};

TEST_P(Vereinfachung, WithDenominatorsUpTo100) {
    const TTripel ist = VereinfachterVektor(GetParam().Ein, 100);
    kalvorin::test::ErwarteTripel(ist, GetParam().Aus, 1e-18L);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Vereinfachung,
    ::testing::Values(
        VereinfachungsFall{{0.5L, 1, 1.5L}, {1, 2, 3}}, VereinfachungsFall{{-1, -2, 3}, {1, 2, -3}},
        VereinfachungsFall{{2, 4, 6}, {1, 2, 3}}, VereinfachungsFall{{-2, -4, -6}, {1, 2, 3}},
        VereinfachungsFall{{1 / 3.0L, 0.5L, 1}, {2, 3, 6}},
        VereinfachungsFall{{0, 0, -5}, {0, 0, 1}}, VereinfachungsFall{{0, 0, 0}, {0, 0, 0}},
        // one negative component alone keeps its sign
        VereinfachungsFall{{-1, 2, 3}, {-1, 2, 3}},
        // an integer form with a component of 1000 or more gives way to two decimals
        VereinfachungsFall{{500.5L, 1, 0}, {500.5L, 1, 0}},
        // denominators 97, 89 and 7 have a common multiple above 30000
        VereinfachungsFall{{1 / 97.0L, 1 / 89.0L, 1 / 7.0L}, {0.01L, 0.01L, 0.14L}},
        // a component within the tolerance of a whole number counts as it
        VereinfachungsFall{{2.0004L, 4, 0}, {1, 2, 0}},
        // the fraction needs the denominator 101, one above the limit: its
        // value must stay, or the direction would turn to (1, 1, 0)
        VereinfachungsFall{{1 / 101.0L, 1, 0}, {1, 101, 0}}),
    testnamen::Nach([](const VereinfachungsFall& f) {
        return testnamen::Zahlen(f.Ein.x, f.Ein.y, f.Ein.z);
    }));

TEST(Vereinfachung, UsesTheMaximumDenominatorOfTheSettings) {
    const int vorher = Einstellungen().MaximalerNenner;
    Einstellungen().MaximalerNenner = 100;
    EXPECT_EQ(VereinfachterVektor({1 / 3.0L, 1, 0}), (TTripel{1, 3, 0}));
    Einstellungen().MaximalerNenner = 1;
    // only halves are tried: 1/3 is taken as 1/2 at the loosest tolerance
    EXPECT_EQ(VereinfachterVektor({1 / 3.0L, 1, 0}), (TTripel{1, 2, 0}));
    Einstellungen().MaximalerNenner = -5; // nonsense must still end
    EXPECT_EQ(VereinfachterVektor({0.5L, 1, 0}), (TTripel{1, 2, 0}));
    Einstellungen().MaximalerNenner = vorher;
}

TEST(Vereinfachung, HugeOrInvalidComponentsAreLeftAlone) {
    const TTripel gross{1e15L, 1, 0};
    EXPECT_EQ(VereinfachterVektor(gross, 100), gross);
    const TTripel unendlich{std::numeric_limits<Real>::infinity(), 1, 0};
    EXPECT_EQ(VereinfachterVektor(unendlich, 100), unendlich);
}
