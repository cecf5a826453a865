#include "geometry/Schnitt.h"
#include "Testnamen.h"

#include "Dokument.h"

using namespace kalvorin;
using kalvorin::test::ErwarteParallel;
using kalvorin::test::ErwarteTripel;
using kalvorin::test::TDokument;

namespace {

constexpr TElementart Pk = TElementart::DfrPunkt, Sk = TElementart::DStrecke,
                      Gk = TElementart::DGerade, Ek = TElementart::DEbene;

TGeometrie Punkt(TTripel p) {
    return {p, {}, {}};
}
TGeometrie Linie(TTripel a, TTripel d) {
    return {a, d, {}};
}
TGeometrie Ebene(TTripel a, TTripel u, TTripel v) {
    return {a, u, v};
}

const TGeometrie XYEbene = Ebene({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
const TGeometrie XAchse = Linie({0, 0, 0}, {1, 0, 0});
// the segment from (0,0,0) to (2,0,0)
const TGeometrie Strecke02 = Linie({0, 0, 0}, {2, 0, 0});

} // namespace

struct SchnittFall {
    const char* Name;
    TElementart Art1;
    TGeometrie G1;
    TElementart Art2;
    TGeometrie G2;
    int Code;
    int ErgebnisArt;
    TTripel Punkt;
};

class SchnittKernFall : public ::testing::TestWithParam<SchnittFall> {};

TEST_P(SchnittKernFall, GivesTheCodeAndPoint) {
    const SchnittFall& f = GetParam();
    const TSchnittErgebnis r = SchnittKern(f.Art1, f.G1, f.Art2, f.G2);
    EXPECT_EQ(r.Code, f.Code);
    if (f.Code == SchnittGefunden || f.Code == SchnittErstesLiegtIn ||
        f.Code == SchnittZweitesLiegtIn) {
        EXPECT_EQ(static_cast<int>(r.Art), f.ErgebnisArt);
        ErwarteTripel(r.Punkt, f.Punkt);
    }
    if (r.Art == Pk) {
        EXPECT_EQ(r.Richtung, (TTripel{}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paare, SchnittKernFall,
    ::testing::Values(
        // points: the tolerance is absolute, per component
        SchnittFall{"Punkte_5e7",
                    Pk,
                    Punkt({1, 2, 3}),
                    Pk,
                    Punkt({1 + 5e-7L, 2 + 5e-7L, 3 + 5e-7L}),
                    3,
                    0,
                    {}},
        SchnittFall{"Punkte_2e6",
                    Pk,
                    Punkt({1, 2, 3}),
                    Pk,
                    Punkt({1 + 2e-6L, 2 + 2e-6L, 3 + 2e-6L}),
                    2,
                    0,
                    {}},
        SchnittFall{"Punkte_2e6_eineKomponente",
                    Pk,
                    Punkt({1, 2, 3}),
                    Pk,
                    Punkt({1, 2, 3 + 2e-6L}),
                    2,
                    0,
                    {}},
        // point and line
        SchnittFall{"PunktAufGerade", Pk, Punkt({7, 0, 0}), Gk, XAchse, 4, 0, {7, 0, 0}},
        SchnittFall{"GeradeDurchPunkt", Gk, XAchse, Pk, Punkt({7, 0, 0}), 5, 0, {7, 0, 0}},
        SchnittFall{"PunktNaheGerade", Pk, Punkt({7, 5e-7L, 0}), Gk, XAchse, 4, 0, {7, 5e-7L, 0}},
        SchnittFall{"PunktNebenGerade", Pk, Punkt({7, 2e-6L, 0}), Gk, XAchse, 2, 0, {}},
        // point and segment: the end, 1e-7 beyond it, and well beyond
        SchnittFall{"PunktInStrecke", Pk, Punkt({1.5L, 0, 0}), Sk, Strecke02, 4, 0, {1.5L, 0, 0}},
        SchnittFall{"PunktAmStreckenende", Pk, Punkt({2, 0, 0}), Sk, Strecke02, 4, 0, {2, 0, 0}},
        SchnittFall{"PunktAmStreckenanfang", Pk, Punkt({0, 0, 0}), Sk, Strecke02, 4, 0, {0, 0, 0}},
        SchnittFall{"Punkt1e7HinterDemEnde",
                    Pk,
                    Punkt({2 + 2e-7L, 0, 0}),
                    Sk,
                    Strecke02,
                    4,
                    0,
                    {2 + 2e-7L, 0, 0}},
        SchnittFall{"PunktHinterDemEnde", Pk, Punkt({2.5L, 0, 0}), Sk, Strecke02, 2, 0, {}},
        SchnittFall{"Punkt1e5HinterDemEnde", Pk, Punkt({2 + 2e-5L, 0, 0}), Sk, Strecke02, 2, 0, {}},
        SchnittFall{"PunktVorDemAnfang", Pk, Punkt({-0.1L, 0, 0}), Sk, Strecke02, 2, 0, {}},
        SchnittFall{"StreckeDurchPunkt", Sk, Strecke02, Pk, Punkt({1, 0, 0}), 5, 0, {1, 0, 0}},
        // a diagonal segment: the parameters of the components must agree
        SchnittFall{"PunktAufSchraegerStrecke",
                    Pk,
                    Punkt({1, 2, 3}),
                    Sk,
                    Linie({0, 0, 0}, {2, 4, 6}),
                    4,
                    0,
                    {1, 2, 3}},
        // point and plane
        SchnittFall{"PunktInEbene", Pk, Punkt({3, 4, 0}), Ek, XYEbene, 4, 0, {3, 4, 0}},
        SchnittFall{"EbeneDurchPunkt", Ek, XYEbene, Pk, Punkt({3, 4, 5e-7L}), 5, 0, {3, 4, 5e-7L}},
        SchnittFall{"PunktUeberEbene", Pk, Punkt({3, 4, 2e-6L}), Ek, XYEbene, 2, 0, {}},
        // line and line
        SchnittFall{"Windschief", Gk, XAchse, Gk, Linie({0, 1, 1}, {0, 1, 0}), 11, 0, {}},
        SchnittFall{"Schneidend", Gk, XAchse, Gk, Linie({0, 1, 0}, {0, 1, 0}), 0, 0, {0, 0, 0}},
        SchnittFall{"SchneidendSchraeg",
                    Gk,
                    Linie({1, 1, 1}, {1, 1, 1}),
                    Gk,
                    Linie({5, 0, 0}, {-1, 0, 0}),
                    0,
                    0,
                    {0, 0, 0}},
        SchnittFall{"Parallel", Gk, XAchse, Gk, Linie({0, 1, 0}, {-3, 0, 0}), 10, 0, {}},
        SchnittFall{"GeradenIdentisch", Gk, XAchse, Gk, Linie({4, 0, 0}, {-3, 0, 0}), 3, 0, {}},
        // segment and line
        SchnittFall{"StreckeSchneidetGerade",
                    Sk,
                    Strecke02,
                    Gk,
                    Linie({1, 1, 0}, {0, 1, 0}),
                    0,
                    0,
                    {1, 0, 0}},
        SchnittFall{"GeradeSchneidetStrecke",
                    Gk,
                    Linie({1, 1, 0}, {0, 1, 0}),
                    Sk,
                    Strecke02,
                    0,
                    0,
                    {1, 0, 0}},
        SchnittFall{
            "GeradeVerfehltStrecke", Gk, Linie({3, 1, 0}, {0, 1, 0}), Sk, Strecke02, 8, 0, {}},
        SchnittFall{
            "StreckeAufGerade", Sk, Strecke02, Gk, Linie({5, 0, 0}, {1, 0, 0}), 4, 4, {0, 0, 0}},
        SchnittFall{
            "GeradeUeberStrecke", Gk, Linie({5, 0, 0}, {1, 0, 0}), Sk, Strecke02, 5, 4, {0, 0, 0}},
        // line and plane
        SchnittFall{
            "GeradeDurchEbene", Gk, Linie({1, 2, 3}, {0, 0, 1}), Ek, XYEbene, 0, 0, {1, 2, 0}},
        SchnittFall{
            "EbeneUndGerade", Ek, XYEbene, Gk, Linie({1, 2, 3}, {1, 1, 1}), 0, 0, {-2, -1, 0}},
        SchnittFall{"GeradeParallelEbene", Gk, Linie({0, 0, 1}, {1, 1, 0}), Ek, XYEbene, 2, 0, {}},
        SchnittFall{"GeradeInEbene", Gk, Linie({0, 0, 0}, {1, 1, 0}), Ek, XYEbene, 4, 5, {0, 0, 0}},
        SchnittFall{
            "EbeneEnthaeltGerade", Ek, XYEbene, Gk, Linie({0, 0, 0}, {1, 1, 0}), 5, 5, {0, 0, 0}},
        // segment and plane
        SchnittFall{
            "StreckeDurchEbene", Sk, Linie({1, 1, -1}, {0, 0, 2}), Ek, XYEbene, 0, 0, {1, 1, 0}},
        SchnittFall{"StreckeVorEbene", Sk, Linie({1, 1, 1}, {0, 0, 2}), Ek, XYEbene, 9, 0, {}},
        SchnittFall{"StreckeInEbene", Sk, Strecke02, Ek, XYEbene, 4, 4, {0, 0, 0}},
        // plane and plane
        SchnittFall{
            "EbenenParallel", Ek, XYEbene, Ek, Ebene({0, 0, 1}, {2, 0, 0}, {0, 3, 0}), 2, 0, {}},
        SchnittFall{
            "EbenenIdentisch", Ek, XYEbene, Ek, Ebene({5, 5, 0}, {1, 1, 0}, {1, -1, 0}), 3, 0, {}},
        // kinds that cannot be intersected
        SchnittFall{"Vektor", TElementart::DVektor, Linie({}, {1, 0, 0}), Gk, XAchse, 1, 0, {}},
        SchnittFall{"Dreieck", Gk, XAchse, TElementart::DDreieck, XYEbene, 1, 0, {}},
        SchnittFall{"ZweiStrecken", Sk, Strecke02, Sk, Linie({0, 1, 0}, {1, 0, 0}), 1, 0, {}},
        SchnittFall{"StreckenIdentischUmgekehrt",
                    Sk,
                    Strecke02,
                    Sk,
                    Linie({2, 0, 0}, {-2, 0, 0}),
                    3,
                    0,
                    {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Schnitt, PlanesMeetInALine) {
    // z = 0 and x = 0
    const TSchnittErgebnis r = SchnittKern(Ek, XYEbene, Ek, Ebene({0, 5, 5}, {0, 1, 0}, {0, 0, 1}));
    ASSERT_EQ(r.Code, SchnittGefunden);
    EXPECT_EQ(r.Art, Gk);
    ErwarteParallel(r.Richtung, {0, 1, 0});
    EXPECT_EQ(r.Punkt.x, 0);
    EXPECT_EQ(r.Punkt.z, 0);
}

TEST(Schnitt, PlaneLineWhenTheFirstDirectionIsParallelToTheSecondPlane) {
    // u1 = (1,0,0) is parallel to the plane y = 3, so the point is found along v1
    const TSchnittErgebnis r = SchnittKern(Ek, Ebene({0, 0, 0}, {1, 0, 0}, {0, 1, 1}), Ek,
                                           Ebene({0, 3, 0}, {1, 0, 0}, {0, 0, 1}));
    ASSERT_EQ(r.Code, SchnittGefunden);
    EXPECT_EQ(r.Richtung, (TTripel{1, 0, 0}));
    EXPECT_EQ(r.Punkt, (TTripel{0, 3, 3}));
}

TEST(Schnitt, ElementsAreEvaluatedFirst) {
    TDokument d;
    auto* a = d.P("A", {1, 1, 1});
    auto* kaputt = d.GPP("g", a, a);
    auto* h = d.G("h", {}, {1, 0, 0});
    EXPECT_EQ(Intersect(*kaputt, *h).Code, SchnittErstesFehlt);
    EXPECT_EQ(Intersect(*h, *kaputt).Code, SchnittZweitesFehlt);
    EXPECT_EQ(Intersect(*kaputt, *kaputt).Code, SchnittZweitesFehlt);

    // points given by reference meet a plane given by three points
    auto* p = d.P("P", {0, 0, 2});
    auto* v = d.V("v", {0, 0, -4});
    auto* q = d.PV("Q", p, v);
    auto* e =
        d.E("E", TEbene::EPPP, d.P("E1", {0, 0, 0}), d.P("E2", {1, 0, 0}), d.P("E3", {0, 1, 0}));
    const TSchnittErgebnis r = Intersect(*d.GPP("k", p, q), *e);
    ASSERT_EQ(r.Code, SchnittGefunden);
    EXPECT_EQ(r.Punkt, (TTripel{0, 0, 0}));
    // a vector with a line cannot be intersected; it is no evaluation failure
    EXPECT_EQ(Intersect(*v, *h).Code, SchnittNichtMoeglich);
}

TEST(Schnitt, LinesInBothMarkingOrders) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {0, 1, 1}, {0, 1, 0});
    auto* k = d.G("k", {0, 1, 0}, {0, 1, 0});
    EXPECT_EQ(Intersect(*g, *h).Code, SchnittWindschief);
    EXPECT_EQ(Intersect(*h, *g).Code, SchnittWindschief);
    EXPECT_EQ(Intersect(*k, *g).Punkt, (TTripel{0, 0, 0}));
    EXPECT_EQ(Intersect(*g, *k).Punkt, (TTripel{0, 0, 0}));
}

// --- messages -----------------------------------------------------------------

struct MeldungsFall {
    int Code;
    const char* Text;
    TMeldungsart Art;
};

class SchnittMeldungen : public ::testing::TestWithParam<MeldungsFall> {};

TEST_P(SchnittMeldungen, NameTheElementsInMarkingOrder) {
    EXPECT_EQ(SchnittMeldung(GetParam().Code, "g1", "E1"), GetParam().Text);
    EXPECT_EQ(SchnittMeldungsart(GetParam().Code), GetParam().Art);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SchnittMeldungen,
    ::testing::Values(
        MeldungsFall{0, "", TMeldungsart::Information},
        MeldungsFall{1, "Die Objekte g1 und E1 können\r\nnicht geschnitten werden!",
                     TMeldungsart::Warnung},
        MeldungsFall{2, "Die Elemente g1 und E1 besitzen\r\nkeinen Schnitt!",
                     TMeldungsart::Information},
        MeldungsFall{3, "Die Objekte g1 und E1\r\nsind identisch!", TMeldungsart::Information},
        MeldungsFall{4, "Das Objekt g1 liegt in E1!", TMeldungsart::Information},
        MeldungsFall{5, "Das Objekt E1 liegt in g1!", TMeldungsart::Information},
        MeldungsFall{6, "Das Objekt g1 ist nicht darstellbar!", TMeldungsart::Warnung},
        MeldungsFall{7, "Das Objekt E1 ist nicht darstellbar!", TMeldungsart::Warnung},
        MeldungsFall{8, "Die Elemente g1 und E1 besitzen\r\nkeinen Schnitt!",
                     TMeldungsart::Information},
        MeldungsFall{9, "Die Elemente g1 und E1 besitzen\r\nkeinen Schnitt!",
                     TMeldungsart::Information},
        MeldungsFall{10, "Die Geraden g1 und E1 sind parallel!", TMeldungsart::Information},
        MeldungsFall{11, "Die Geraden g1 und E1 sind windschief!", TMeldungsart::Information}),
    testnamen::Nach([](const MeldungsFall& f) {
        // the names of the result codes in Schnitt.h
        static const char* const namen[] = {
            "Gefunden",          "NichtMoeglich",          "Keiner",      "Identisch",
            "ErstesLiegtIn",     "ZweitesLiegtIn",         "ErstesFehlt", "ZweitesFehlt",
            "AusserhalbStrecke", "EbeneAusserhalbStrecke", "Parallel",    "Windschief"};
        return namen[f.Code];
    }));

TEST(Schnitt, LiesInNamesTheLineFirstWhicheverWasMarkedFirst) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 1, 0});
    auto* e = d.EPAR("E", {}, {1, 0, 0}, {0, 1, 0});
    const int c1 = Intersect(*g, *e).Code;
    const int c2 = Intersect(*e, *g).Code;
    EXPECT_EQ(SchnittMeldung(c1, "g", "E"), "Das Objekt g liegt in E!");
    EXPECT_EQ(SchnittMeldung(c2, "E", "g"), "Das Objekt g liegt in E!");
}

TEST(Schnitt, ToleranceHelpers) {
    EXPECT_TRUE(FastNull(1e-6L));
    EXPECT_FALSE(FastNull(1.000001e-6L));
    EXPECT_TRUE(ImSegment(-1e-6L));
    EXPECT_FALSE(ImSegment(-2e-6L));
    EXPECT_TRUE(ImSegment(1 + 1e-6L));
    EXPECT_FALSE(ImSegment(1 + 2e-6L));
}
