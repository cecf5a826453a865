#include "geometry/Konstruktion.h"

#include "Dokument.h"
#include "model/Elementarten.h"

#include <cmath>

using namespace kalvorin;
using kalvorin::test::ErwarteParallel;
using kalvorin::test::ErwarteTripel;
using kalvorin::test::TDokument;

namespace {
constexpr int LotPE = 10, LotPG = 11, LotGG = 12, MitteZweier = 14, Schwerpunkt = 15,
              Mittelgerade = 16, MittelEbene = 17, Add2 = 18, Add3 = 19, Gegenvektor = 20,
              VProdukt = 21;
} // namespace

TEST(Konstruktion, PerpendicularFromAPointToAPlane) {
    TDokument d;
    auto* p = d.P("P", {1, 2, 3});
    auto* e = d.EPAR("E", {5, 5, 0}, {2, 0, 0}, {0, 3, 0});
    const auto r = Construct(LotPE, p, e);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Art, TElementart::DGerade);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{1, 2, 3}));
    EXPECT_EQ(r.Geometrie.Richtung1, (TTripel{0, 0, 6}));
}

TEST(Konstruktion, PerpendicularFromAPointToALine) {
    TDokument d;
    auto* p = d.P("P", {1, 1, 0});
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    const auto r = Construct(LotPG, p, g);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{1, 1, 0}));
    EXPECT_EQ(r.Geometrie.Richtung1, (TTripel{0, 1, 0}));
}

TEST(Konstruktion, PerpendicularFromAPointOnTheLineIsRefused) {
    TDokument d;
    auto* g = d.G("g", {1, 1, 1}, {1, 2, 3});
    EXPECT_EQ(Construct(LotPG, d.P("A", {1, 1, 1}), g).Fehler, FehlerPunktAufGerade);
    EXPECT_EQ(Construct(LotPG, d.P("B", {3, 5, 7}), g).Fehler, FehlerPunktAufGerade);
    // the test is exact: a point just beside the line has a perpendicular
    EXPECT_EQ(Construct(LotPG, d.P("C", {3, 5, 7 + 1e-12L}), g).Fehler, 0);
}

TEST(Konstruktion, CommonPerpendicularOfSkewLines) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {0, 1, 1}, {0, 1, 0});
    const auto r = Construct(LotGG, g, h);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{0, 0, 1}));
    EXPECT_EQ(r.Geometrie.Richtung1, (TTripel{0, 0, 1}));
    auto* k = d.G("k", {0, 5, 0}, {-2, 0, 0});
    EXPECT_EQ(Construct(LotGG, g, k).Fehler, FehlerGeradenParallel);
}

TEST(Konstruktion, MidpointAndCentroid) {
    TDokument d;
    auto* a = d.P("A", {0, 0, 0});
    auto* b = d.P("B", {2, 4, 6});
    auto* c = d.P("C", {1, -1, 0});
    auto r = Construct(MitteZweier, a, b);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Art, TElementart::DfrPunkt);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{1, 2, 3}));
    r = Construct(Schwerpunkt, a, b, c);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{1, 1, 2}));
}

TEST(Konstruktion, MidLineOfIntersectingLinesHalvesTheAngle) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {0, 3, 0}, {0, 1, 0});
    const auto r = Construct(Mittelgerade, g, h);
    ASSERT_EQ(r.Fehler, 0);
    ErwarteTripel(r.Geometrie.Punkt, {0, 0, 0});
    ErwarteTripel(r.Geometrie.Richtung1, {1, 1, 0});
    const Real s = std::sqrt(0.5L);
    // an obtuse second direction is turned round first
    auto* k = d.G("k", {0, 0, 0}, {-1, 1, 0});
    const auto r2 = Construct(Mittelgerade, g, k);
    ASSERT_EQ(r2.Fehler, 0);
    ErwarteTripel(r2.Geometrie.Richtung1, {1 + s, -s, 0}, 1e-18L);
}

TEST(Konstruktion, MidLineOfSkewAndOfParallelLines) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {0, 0, 2}, {0, 1, 0});
    const auto r = Construct(Mittelgerade, g, h);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{0, 0, 1}));
    ErwarteTripel(r.Geometrie.Richtung1, {1, 1, 0});

    auto* k = d.G("k", {0, 2, 0}, {-2, 0, 0});
    const auto r2 = Construct(Mittelgerade, g, k);
    ASSERT_EQ(r2.Fehler, 0);
    EXPECT_EQ(r2.Geometrie.Punkt, (TTripel{0, 1, 0}));
    EXPECT_EQ(r2.Geometrie.Richtung1, (TTripel{1, 0, 0}));
}

TEST(Konstruktion, MidPlaneOfParallelPlanes) {
    TDokument d;
    auto* e = d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    auto* f = d.EPAR("F", {4, 2, 2}, {0, 2, 0}, {3, 0, 0});
    const auto r = Construct(MittelEbene, e, f);
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Art, TElementart::DEbene);
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{2, 1, 1}));
    EXPECT_EQ(r.Geometrie.Richtung1, (TTripel{1, 0, 0}));
    EXPECT_EQ(r.Geometrie.Richtung2, (TTripel{0, 1, 0}));
}

TEST(Konstruktion, MidPlaneOfIntersectingPlanesBisectsThem) {
    TDokument d;
    auto* e = d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}); // z = 0
    auto* f = d.EPAR("F", {0, 0, 0}, {0, 1, 0}, {0, 0, 1}); // x = 0
    const auto r = Construct(MittelEbene, e, f);
    ASSERT_EQ(r.Fehler, 0);
    // the first direction of F lies in E, so the point is found along the second
    EXPECT_EQ(r.Geometrie.Punkt, (TTripel{0, 0, 0}));
    EXPECT_EQ(r.Geometrie.Richtung1, (TTripel{0, 1, 0}));
    const TTripel n = Kreuzprodukt(r.Geometrie.Richtung1, r.Geometrie.Richtung2);
    ErwarteParallel(n, {1, 0, 1});
}

TEST(Konstruktion, VectorOperations) {
    TDokument d;
    auto* a = d.V("a", {1, 2, 3});
    auto* b = d.V("b", {0, 1, -1});
    auto* fuss = d.P("F", {5, 5, 5});
    auto* pf = d.PfPV("pf", fuss, d.V("c", {1, 0, 0}));
    struct Fall {
        int Code;
        TTripel Soll;
    };
    const Fall faelle[] = {
        {Add2, {1, 3, 2}}, {Add3, {2, 3, 2}}, {Gegenvektor, {-1, -2, -3}}, {VProdukt, {-5, 1, 1}}};
    for (const Fall& f : faelle) {
        const auto r = Construct(f.Code, a, b, pf);
        ASSERT_EQ(r.Fehler, 0) << f.Code;
        EXPECT_EQ(r.Art, TElementart::DVektor);
        EXPECT_EQ(r.Geometrie.Richtung1, f.Soll) << f.Code;
    }
    // a vector and its counter-vector add up to the zero vector
    auto* g = d.V("g", Construct(Gegenvektor, a).Geometrie.Richtung1);
    EXPECT_EQ(Construct(Add2, a, g).Geometrie.Richtung1, (TTripel{0, 0, 0}));
}

TEST(Konstruktion, SourceErrorsArePassedOn) {
    TDokument d;
    auto* a = d.P("A", {1, 1, 1});
    auto* kaputt = d.GPP("g", a, a);
    auto* h = d.G("h", {}, {1, 0, 0});
    EXPECT_EQ(Construct(LotPG, a, kaputt).Fehler, FehlerGeradePunkteGleich);
    EXPECT_EQ(Construct(Mittelgerade, h, kaputt).Fehler, FehlerGeradePunkteGleich);
    auto* e = d.E("E", TEbene::EPPP, a, a, a);
    EXPECT_EQ(Construct(LotPE, a, e).Fehler, FehlerEbenePunkteAufGerade);
    EXPECT_EQ(Construct(MitteZweier, a, nullptr).Fehler, FehlerBezug);
    EXPECT_EQ(Construct(MitteZweier, a, h).Fehler, FehlerBezug);
}

TEST(Konstruktion, CodesWithoutAConstruction) {
    TDokument d;
    auto* a = d.P("A", {});
    for (int code : {0, 1, 2, 9, 13, 22, 23, 99})
        EXPECT_EQ(Construct(code, a, a, a).Fehler, FehlerUnbekannteKonstruktion) << code;
}

TEST(Konstruktion, LineMeetsPlane) {
    TTripel p{9, 9, 9};
    EXPECT_EQ(GeradeTrifftEbene({0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {2, 3, 4}, {0, 0, 2}, p), 0);
    EXPECT_EQ(p, (TTripel{2, 3, 1}));
    // exactly parallel: the rule fails and the point is left alone
    p = {9, 9, 9};
    EXPECT_EQ(GeradeTrifftEbene({0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {2, 3, 4}, {1, 1, 0}, p),
              FehlerGeradeParallelEbene);
    EXPECT_EQ(p, (TTripel{9, 9, 9}));
}

TEST(Konstruktion, ResultsAreStoredInTheNumberModes) {
    TDokument d;
    auto* a = d.P("A", {1, 2, 3});
    auto* v = d.V("v", {1, 0, 0});
    auto* p = d.PV("P", a, v);
    ASSERT_TRUE(WerteEintragen(*p, {{7, 8, 9}, {}, {}}));
    EXPECT_EQ(p->Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(p->Koordinaten, (TTripel{7, 8, 9}));
    EXPECT_EQ(p->Bezuege[0], nullptr);

    auto* g = d.GPP("g", a, p);
    ASSERT_TRUE(WerteEintragen(*g, {{1, 1, 1}, {0, 0, 1}, {}}));
    EXPECT_EQ(g->Festlegung, TGerade::GPAR);
    EXPECT_EQ(g->Richtung, (TTripel{0, 0, 1}));

    auto* e = d.E("E", TEbene::EPVV, a, v, v);
    ASSERT_TRUE(WerteEintragen(*e, {{1, 1, 1}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(e->Festlegung, TEbene::EPAR);
    EXPECT_EQ(e->Richtung2, (TTripel{0, 1, 0}));

    auto* w = d.V2P("w", a, p);
    ASSERT_TRUE(WerteEintragen(*w, {{}, {3, 2, 1}, {}}));
    EXPECT_EQ(w->Festlegung, TVektor::V);
    EXPECT_EQ(w->Komponenten, (TTripel{3, 2, 1}));

    auto* s = d.S("s", a, p);
    EXPECT_FALSE(WerteEintragen(*s, {}));
    EXPECT_EQ(s->Bezuege[0], a);
}

// The rebuild recomputes a derived element only where the kind table says
// so; every such pair must have a calculation here or among the mappings
// and intersections, and every calculation here must be recomputed for the
// kind it makes, or a dragged source would leave its constructions behind.
TEST(Konstruktion, EveryRecomputedDerivationHasItsCalculation) {
    for (int code = 0; code < AnzahlEntstehungsarten; ++code) {
        const auto c = static_cast<TEntstehungsart>(code);
        const bool anderswo = IstAbbildungsEntstehung(c) || c == TEntstehungsart::Schnitt;
        EXPECT_FALSE(anderswo && IstKonstruktion(code)) << code;
        for (int art = 0; art < AnzahlElementarten; ++art)
            if (WirdNachgerechnet(static_cast<TElementart>(art), c)) {
                EXPECT_TRUE(anderswo || IstKonstruktion(code)) << code << " for kind " << art;
            }
        if (!IstKonstruktion(code)) {
            EXPECT_EQ(Construct(code, nullptr).Fehler, FehlerUnbekannteKonstruktion) << code;
            continue;
        }
        // Without sources the calculation still says what it makes.
        const auto r = Construct(code, nullptr);
        EXPECT_EQ(r.Fehler, FehlerBezug) << code;
        EXPECT_TRUE(WirdNachgerechnet(r.Art, c)) << code;
    }
}
