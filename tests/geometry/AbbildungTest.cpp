#include "geometry/Abbildung.h"

#include "Dokument.h"
#include "geometry/Konstruktion.h"

using namespace kalvorin;
using kalvorin::test::ErwarteTripel;
using kalvorin::test::TDokument;

namespace {

constexpr int ASp = 2, PSp = 3, ESp = 4, Str = 5, OPr = 8, PPr = 9;

// One document holding an element for every mapping.
struct TAbbildungen : TDokument {
    TGerade* Achse = G("a", {1, 0, 0}, {0, 0, 3}); // the vertical through (1, 0, 0)
    TfrPunkt* Zentrum = P("Z", {1, 1, 1});
    TEbene* Spiegel = EPAR("S", {0, 0, 1}, {1, 0, 0}, {0, 1, 0}); // z = 1
    TfrPunkt* Streckzentrum = P("C", {1, 0, 0});
    TEbene* Boden = EPAR("B", {0, 0, 0}, {2, 0, 0}, {0, 2, 0}); // z = 0
    TVektor* Richtung = V("w", {1, 1, 1});

    TAbbildungen() {
        Streckzentrum->Streckungsfaktor = 2;
        Boden->Projektionsvektor = Richtung;
    }

    TAbbildung Abbildung(int code) {
        switch (code) {
        case ASp:
            return AbbildungVonElement(code, *Achse);
        case PSp:
            return AbbildungVonElement(code, *Zentrum);
        case ESp:
            return AbbildungVonElement(code, *Spiegel);
        case Str:
            return AbbildungVonElement(code, *Streckzentrum);
        default:
            return AbbildungVonElement(code, *Boden);
        }
    }
    TMatrix4 Matrix(int code) {
        TMatrix4 m;
        EXPECT_EQ(AbbildungsMatrix(Abbildung(code), m), 0);
        return m;
    }
};

void ErwarteGeometrie(const TGeometrie& ist, const TGeometrie& soll) {
    ErwarteTripel(ist.Punkt, soll.Punkt);
    ErwarteTripel(ist.Richtung1, soll.Richtung1);
    ErwarteTripel(ist.Richtung2, soll.Richtung2);
}

} // namespace

// --- images of geometries, by hand --------------------------------------------

struct BildFall {
    const char* Name;
    int Code;
    int Art;
    TGeometrie Original;
    int BildArt;
    TGeometrie Bild;
};

class AbbildungBild : public ::testing::TestWithParam<BildFall> {};

TEST_P(AbbildungBild, MapsPointLineAndPlane) {
    TAbbildungen d;
    const BildFall& f = GetParam();
    const TBild b =
        BildVonGeometrie(d.Matrix(f.Code), f.Code, static_cast<TElementart>(f.Art), f.Original);
    ASSERT_EQ(b.Fehler, 0);
    EXPECT_EQ(static_cast<int>(b.Art), f.BildArt);
    ErwarteGeometrie(b.Geometrie, f.Bild);
}

namespace {
const TGeometrie Punkt345{{3, 4, 5}, {}, {}};
const TGeometrie Linie{{3, 4, 5}, {1, 0, 0}, {}};
const TGeometrie Ebene{{3, 4, 5}, {1, 0, 0}, {0, 1, 1}};
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Handgerechnet, AbbildungBild,
    ::testing::Values(
        BildFall{"Achse_Punkt", ASp, 0, Punkt345, 0, {{-1, -4, 5}, {}, {}}},
        BildFall{"Achse_Gerade", ASp, 5, Linie, 5, {{-1, -4, 5}, {-1, 0, 0}, {}}},
        BildFall{"Achse_Ebene", ASp, 8, Ebene, 8, {{-1, -4, 5}, {-1, 0, 0}, {0, -1, 1}}},
        BildFall{"Zentrum_Punkt", PSp, 0, Punkt345, 0, {{-1, -2, -3}, {}, {}}},
        BildFall{"Zentrum_Gerade", PSp, 5, Linie, 5, {{-1, -2, -3}, {-1, 0, 0}, {}}},
        BildFall{"Zentrum_Ebene", PSp, 8, Ebene, 8, {{-1, -2, -3}, {-1, 0, 0}, {0, -1, -1}}},
        BildFall{"Spiegel_Punkt", ESp, 0, Punkt345, 0, {{3, 4, -3}, {}, {}}},
        BildFall{"Spiegel_Gerade", ESp, 5, Linie, 5, {{3, 4, -3}, {1, 0, 0}, {}}},
        BildFall{"Spiegel_Ebene", ESp, 8, Ebene, 8, {{3, 4, -3}, {1, 0, 0}, {0, 1, -1}}},
        BildFall{"Streckung_Punkt", Str, 0, {{2, 0, 0}, {}, {}}, 0, {{3, 0, 0}, {}, {}}},
        BildFall{"Streckung_Gerade", Str, 5, Linie, 5, {{5, 8, 10}, {2, 0, 0}, {}}},
        BildFall{"Streckung_Ebene", Str, 8, Ebene, 8, {{5, 8, 10}, {2, 0, 0}, {0, 2, 2}}},
        BildFall{"OProjektion_Punkt", OPr, 0, Punkt345, 0, {{3, 4, 0}, {}, {}}},
        BildFall{"OProjektion_Gerade", OPr, 5, Linie, 5, {{3, 4, 0}, {1, 0, 0}, {}}},
        BildFall{"OProjektion_Ebene", OPr, 8, Ebene, 8, {{3, 4, 0}, {1, 0, 0}, {0, 1, 0}}},
        BildFall{"OProjektion_SenkrechteGerade",
                 OPr,
                 5,
                 {{3, 4, 5}, {0, 0, -2}, {}},
                 0,
                 {{3, 4, 0}, {}, {}}},
        BildFall{"OProjektion_SenkrechteEbene",
                 OPr,
                 8,
                 {{3, 4, 5}, {0, 0, 1}, {1, 0, 1}},
                 5,
                 {{3, 4, 0}, {1, 0, 0}, {}}},
        BildFall{"OProjektion_SenkrechteEbene2",
                 OPr,
                 8,
                 {{3, 4, 5}, {1, 0, 1}, {0, 0, 1}},
                 5,
                 {{3, 4, 0}, {1, 0, 0}, {}}},
        BildFall{"PProjektion_Punkt", PPr, 0, {{1, 1, 1}, {}, {}}, 0, {{0, 0, 0}, {}, {}}},
        BildFall{"PProjektion_Gerade", PPr, 5, Linie, 5, {{-2, -1, 0}, {1, 0, 0}, {}}},
        BildFall{"PProjektion_GeradeEntlangW",
                 PPr,
                 5,
                 {{3, 4, 5}, {2, 2, 2}, {}},
                 0,
                 {{-2, -1, 0}, {}, {}}},
        // the plane contains the projection direction: it flattens to a line
        BildFall{"PProjektion_Ebene", PPr, 8, Ebene, 5, {{-2, -1, 0}, {1, 0, 0}, {}}},
        BildFall{"Vektor_Zentrum", PSp, 2, {{}, {1, 2, 3}, {}}, 2, {{}, {-1, -2, -3}, {}}},
        BildFall{"Vektor_Streckung", Str, 2, {{}, {1, 2, 3}, {}}, 2, {{}, {2, 4, 6}, {}}},
        BildFall{"Vektor_PProjektion", PPr, 2, {{}, {0, 0, 1}, {}}, 2, {{}, {-1, -1, 0}, {}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Abbildung, ProjectingAVectorOntoNothingIsAnError) {
    TAbbildungen d;
    EXPECT_EQ(
        BildVonGeometrie(d.Matrix(OPr), OPr, TElementart::DVektor, {{}, {0, 0, 5}, {}}).Fehler,
        FehlerAbbildungNullvektor);
    EXPECT_EQ(
        BildVonGeometrie(d.Matrix(PPr), PPr, TElementart::DVektor, {{}, {3, 3, 3}, {}}).Fehler,
        FehlerAbbildungNullvektor);
    // other mappings never lower the kind, even for a zero image
    TAbbildung null = d.Abbildung(Str);
    null.Faktor = 0;
    TMatrix4 m;
    ASSERT_EQ(AbbildungsMatrix(null, m), 0);
    const TBild b = BildVonGeometrie(m, Str, TElementart::DGerade, Linie);
    EXPECT_EQ(b.Fehler, 0);
    EXPECT_EQ(b.Art, TElementart::DGerade);
}

TEST(Abbildung, ParallelProjectionNeedsAUsableVector) {
    TAbbildungen d;
    TMatrix4 m;
    d.Richtung->Komponenten = {};
    EXPECT_EQ(AbbildungsMatrix(d.Abbildung(PPr), m), FehlerAbbildungNullvektor);
    d.Richtung->Komponenten = {1, -1, 0};
    EXPECT_EQ(AbbildungsMatrix(d.Abbildung(PPr), m), FehlerProjektionParallel);
    d.Boden->Projektionsvektor = nullptr;
    EXPECT_EQ(AbbildungsMatrix(d.Abbildung(PPr), m), FehlerBezug);
}

TEST(Abbildung, AMappingElementThatCannotBeEvaluatedPassesItsCodeOn) {
    TAbbildungen d;
    auto* a = d.P("A", {1, 1, 1});
    TMatrix4 m;
    EXPECT_EQ(AbbildungsMatrix(AbbildungVonElement(ASp, *d.GPP("kaputt", a, a)), m),
              FehlerGeradePunkteGleich);
    EXPECT_EQ(AbbildungsMatrix(AbbildungVonElement(ESp, *a), m), FehlerBezug);
}

TEST(Abbildung, RolesAndTheirCarriers) {
    TDokument d;
    auto* p1 = d.P("P1", {});
    auto* p2 = d.P("P2", {});
    TRolle r;
    ASSERT_TRUE(RolleVonAbbildung(PSp, r));
    EXPECT_EQ(r, TRolle::IstSpiegelzentrum);
    ASSERT_TRUE(RolleVonAbbildung(PPr, r));
    EXPECT_EQ(r, TRolle::IstP_Projektionsebene);
    EXPECT_FALSE(RolleVonAbbildung(6, r));
    EXPECT_EQ(RollenTraeger(d.Liste, TRolle::IstSpiegelzentrum), nullptr);
    p1->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    p2->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    EXPECT_EQ(RollenTraeger(d.Liste, TRolle::IstSpiegelzentrum), p2);
}

// --- adding images to the list ------------------------------------------------

TEST(Abbildung, PointReflectionTwiceNamesTheImagesWithPrimes) {
    TDokument d;
    auto* o = d.P("O", {0, 0, 0});
    auto* p = d.P("P", {1, 2, 3});
    p->Farbe = RGB(10, 20, 30);
    p->Dicke = 2;
    p->Transparenz = 3;
    p->Punktform = 4;
    const TAbbildung abb = AbbildungVonElement(PSp, *o);
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *p, abb);
    ASSERT_EQ(r.Fehler, 0);
    auto* bild = static_cast<TfrPunkt*>(r.Bild);
    EXPECT_EQ(d.Liste[3], bild);
    EXPECT_EQ(bild->Name, "P'");
    // the half-turn matrices carry rounding of the last bits
    ErwarteTripel(bild->Koordinaten, {-1, -2, -3});
    EXPECT_EQ(bild->Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(bild->Farbe, RGB(10, 20, 30));
    EXPECT_EQ(bild->Dicke, 2);
    EXPECT_EQ(bild->Transparenz, 3);
    EXPECT_EQ(bild->Punktform, 4);
    EXPECT_TRUE(bild->markiert);
    EXPECT_EQ(bild->Entstehung.Art, TEntstehungsart::PSpiegelung);
    EXPECT_EQ(bild->Entstehung.Originalelement, p);
    EXPECT_EQ(bild->Entstehung.Elemente[0].Element, o);

    const TAbbildErgebnis r2 = AbbildErzeugen(d.Liste, *bild, abb);
    ASSERT_EQ(r2.Fehler, 0);
    EXPECT_EQ(r2.Bild->Name, "P''");
    ErwarteTripel(static_cast<TfrPunkt*>(r2.Bild)->Koordinaten, {1, 2, 3});
}

TEST(Abbildung, ATakenOrOverlongNameFallsBackOnTheAutomaticName) {
    TDokument d;
    auto* o = d.P("O", {0, 0, 0});
    auto* p = d.P("P", {1, 0, 0});
    d.G("P'", {}, {1, 0, 0});
    const TAbbildung abb = AbbildungVonElement(PSp, *o);
    EXPECT_EQ(AbbildErzeugen(d.Liste, *p, abb).Bild->Name, "P1");
    // twelve characters: the prime is cut off and the name is the original's
    auto* lang = d.P("Zwoelfzeiche", {2, 0, 0});
    EXPECT_EQ(AbbildErzeugen(d.Liste, *lang, abb).Bild->Name, "P2");
    auto* elf = d.P("Elfzeichen1", {3, 0, 0});
    EXPECT_EQ(AbbildErzeugen(d.Liste, *elf, abb).Bild->Name, "Elfzeichen1'");
}

TEST(Abbildung, APointInTheMirrorPlaneHasNoImage) {
    TAbbildungen d;
    auto* p = d.P("P", {5, 6, 1});
    const int vorher = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *p, d.Abbildung(ESp));
    EXPECT_EQ(r.Fehler, FehlerAbbildungBildGleich);
    EXPECT_EQ(r.Bild, nullptr);
    EXPECT_EQ(d.Liste.Anzahl(), vorher);
    // the mirror plane itself, and a line in it, coincide with their images too
    EXPECT_EQ(AbbildErzeugen(d.Liste, *d.Spiegel, d.Abbildung(ESp)).Fehler,
              FehlerAbbildungBildGleich);
    EXPECT_EQ(AbbildErzeugen(d.Liste, *d.G("g", {0, 0, 1}, {1, 1, 0}), d.Abbildung(ESp)).Fehler,
              FehlerAbbildungBildGleich);
    // a point just off the plane is mapped
    EXPECT_EQ(AbbildErzeugen(d.Liste, *d.P("Q", {5, 6, 1 + 1e-5L}), d.Abbildung(ESp)).Fehler, 0);
}

TEST(Abbildung, DilationAndParallelProjectionRecordTheirSecondOperand) {
    TAbbildungen d;
    auto* p = d.P("P", {2, 0, 0});
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *p, d.Abbildung(Str));
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Bild->Entstehung.Elemente[0].Element, d.Streckzentrum);
    EXPECT_EQ(r.Bild->Entstehung.Elemente[1].Zahl, 2);
    EXPECT_EQ(static_cast<TfrPunkt*>(r.Bild)->Koordinaten, (TTripel{3, 0, 0}));

    const TAbbildErgebnis q = AbbildErzeugen(d.Liste, *p, d.Abbildung(PPr));
    ASSERT_EQ(q.Fehler, FehlerAbbildungBildGleich); // P lies in the projection plane
    auto* h = d.P("H", {1, 1, 1});
    const TAbbildErgebnis q2 = AbbildErzeugen(d.Liste, *h, d.Abbildung(PPr));
    ASSERT_EQ(q2.Fehler, 0);
    EXPECT_EQ(q2.Bild->Entstehung.Elemente[0].Element, d.Boden);
    EXPECT_EQ(q2.Bild->Entstehung.Elemente[1].Element, d.Richtung);
}

TEST(Abbildung, AProjectedLineMayBecomeAPoint) {
    TAbbildungen d;
    auto* g = d.G("g", {3, 4, 5}, {0, 0, 1});
    g->Farbe = RGB(1, 2, 3);
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *g, d.Abbildung(OPr));
    ASSERT_EQ(r.Fehler, 0);
    EXPECT_EQ(r.Bild->Art, TElementart::DfrPunkt);
    EXPECT_EQ(r.Bild->Name, "g'");
    EXPECT_EQ(r.Bild->Farbe, RGB(1, 2, 3));
    EXPECT_EQ(static_cast<TfrPunkt*>(r.Bild)->Koordinaten, (TTripel{3, 4, 0}));
}

TEST(Abbildung, APlaneImageIsStoredInParameterForm) {
    TAbbildungen d;
    auto* e = d.EPAR("E", {0, 0, 5}, {1, 0, 0}, {0, 1, 1});
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *e, d.Abbildung(ESp));
    ASSERT_EQ(r.Fehler, 0);
    auto* bild = static_cast<TEbene*>(r.Bild);
    EXPECT_EQ(bild->Festlegung, TEbene::EPAR);
    ErwarteTripel(bild->Punkt, {0, 0, -3});
    ErwarteTripel(bild->Richtung2, {0, 1, -1});
}

TEST(Abbildung, ErrorsOfTheElementAddNothing) {
    TAbbildungen d;
    auto* v = d.V("v", {0, 0, 2});
    const int vorher = d.Liste.Anzahl();
    EXPECT_EQ(AbbildErzeugen(d.Liste, *v, d.Abbildung(OPr)).Fehler, FehlerAbbildungNullvektor);
    auto* a = d.P("A", {});
    EXPECT_EQ(AbbildErzeugen(d.Liste, *d.GPP("g", a, a), d.Abbildung(PSp)).Fehler,
              FehlerGeradePunkteGleich);
    EXPECT_EQ(d.Liste.Anzahl(), vorher + 2);
}

// --- composites ---------------------------------------------------------------

TEST(Abbildung, SegmentImageIsFollowedByItsEndPoints) {
    TAbbildungen d;
    auto* a = d.P("A", {2, 0, 0});
    auto* b = d.P("B", {2, 3, 0});
    auto* s = d.S("s", a, b);
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *s, d.Abbildung(PSp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 3);
    EXPECT_EQ(d.Liste[n + 1], r.Bild);
    EXPECT_EQ(r.Bild->Name, "s'");
    EXPECT_EQ(d.Liste[n + 2]->Name, "A'");
    EXPECT_EQ(d.Liste[n + 3]->Name, "B'");
    EXPECT_EQ(r.Bild->Bezuege[0], d.Liste[n + 2]);
    EXPECT_EQ(r.Bild->Bezuege[1], d.Liste[n + 3]);
    for (int i = n + 1; i <= n + 3; ++i) {
        EXPECT_TRUE(d.Liste[i]->markiert);
        EXPECT_EQ(d.Liste[i]->Entstehung.Art, TEntstehungsart::PSpiegelung);
    }
    EXPECT_EQ(d.Liste[n + 2]->Entstehung.Originalelement, a);
    ErwarteTripel(static_cast<TfrPunkt*>(d.Liste[n + 3])->Koordinaten, {0, -1, 2});
}

TEST(Abbildung, ACornerThatStaysPutIsSharedWithTheOriginal) {
    TAbbildungen d;
    auto* a = d.P("A", {1, 1, 1}); // the centre of the point reflection
    auto* b = d.P("B", {2, 3, 0});
    auto* s = d.S("s", a, b);
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *s, d.Abbildung(PSp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 2);
    EXPECT_EQ(r.Bild->Bezuege[0], a);
    EXPECT_EQ(r.Bild->Bezuege[1]->Name, "B'");
}

TEST(Abbildung, ACompositeThatStaysPutHasNoImage) {
    TAbbildungen d;
    auto* s = d.S("s", d.P("A", {0, 0, 1}), d.P("B", {4, 4, 1}));
    const int n = d.Liste.Anzahl();
    EXPECT_EQ(AbbildErzeugen(d.Liste, *s, d.Abbildung(ESp)).Fehler, FehlerAbbildungBildGleich);
    EXPECT_EQ(d.Liste.Anzahl(), n);
}

TEST(Abbildung, TriangleImageRefersToItsImageCorners) {
    TAbbildungen d;
    auto* a = d.P("A", {0, 0, 0});
    auto* b = d.P("B", {1, 0, 0});
    auto* c = d.P("C", {0, 1, 0});
    auto* dr = d.Dr("D", a, b, c);
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *dr, d.Abbildung(ESp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 4);
    const char* namen[] = {"D'", "A'", "B'", "C'"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(d.Liste[n + 1 + i]->Name, namen[i]);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r.Bild->Bezuege[i], d.Liste[n + 2 + i]);
    EXPECT_EQ(static_cast<TfrPunkt*>(d.Liste[n + 3])->Koordinaten, (TTripel{1, 0, 2}));
}

TEST(Abbildung, PyramidImageWithBaseCornersAndApex) {
    TAbbildungen d;
    auto* dr = d.Dr("D", d.P("A", {0, 0, 0}), d.P("B", {1, 0, 0}), d.P("C", {0, 1, 0}));
    auto* s = d.P("T", {0, 0, 3});
    auto* py = d.Py("DP", dr, s);
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *py, d.Abbildung(PSp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 6);
    const char* namen[] = {"DP'", "D'", "A'", "B'", "C'", "T'"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(d.Liste[n + 1 + i]->Name, namen[i]);
    EXPECT_EQ(r.Bild->Bezuege[0], d.Liste[n + 2]);
    EXPECT_EQ(r.Bild->Bezuege[1], d.Liste[n + 6]);
    EXPECT_EQ(d.Liste[n + 2]->Bezuege[2], d.Liste[n + 5]);
    EXPECT_EQ(d.Liste[n + 2]->Entstehung.Originalelement, dr);
}

TEST(Abbildung, PyramidOnTheMirrorPlaneKeepsItsBase) {
    TAbbildungen d;
    auto* dr = d.Dr("D", d.P("A", {0, 0, 1}), d.P("B", {1, 0, 1}), d.P("C", {0, 1, 1}));
    auto* py = d.Py("DP", dr, d.P("T", {0, 0, 3}));
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *py, d.Abbildung(ESp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 2);
    EXPECT_EQ(r.Bild->Bezuege[0], dr);
    EXPECT_EQ(r.Bild->Bezuege[1]->Name, "T'");
    EXPECT_EQ(static_cast<TfrPunkt*>(r.Bild->Bezuege[1])->Koordinaten, (TTripel{0, 0, -1}));
}

TEST(Abbildung, ArrowByTwoPointsGetsItsOwnVector) {
    TAbbildungen d;
    auto* pf = d.PfPP("Pf", d.P("A", {2, 0, 0}), d.P("B", {2, 1, 0}), "V1");
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *pf, d.Abbildung(PSp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 4);
    const char* namen[] = {"Pf'", "A'", "B'", "V1'"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(d.Liste[n + 1 + i]->Name, namen[i]);
    auto* v = d.Liste[n + 4];
    EXPECT_EQ(r.Bild->Festlegung, TPfeil::PfPP);
    EXPECT_EQ(r.Bild->Bezuege[2], v);
    EXPECT_EQ(v->Festlegung, TVektor::VPf);
    EXPECT_EQ(v->Bezuege[0], r.Bild);
    EXPECT_EQ(v->Entstehung.Originalelement, pf->Bezuege[2]);
    TTripel w;
    ASSERT_EQ(VektorAuswerten(*v, w), 0);
    EXPECT_EQ(w, (TTripel{0, -1, 0}));
}

TEST(Abbildung, ArrowByPointAndVectorMapsBoth) {
    TAbbildungen d;
    auto* v = d.V("v", {0, 0, 1});
    auto* pf = d.PfPV("Pf", d.P("F", {2, 2, 0}), v);
    const int n = d.Liste.Anzahl();
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *pf, d.Abbildung(ESp));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(d.Liste.Anzahl(), n + 3);
    EXPECT_EQ(r.Bild->Festlegung, TPfeil::PfPV);
    auto* vb = static_cast<TVektor*>(r.Bild->Bezuege[1]);
    EXPECT_EQ(vb->Name, "v'");
    EXPECT_EQ(vb->Festlegung, TVektor::V);
    ErwarteTripel(vb->Komponenten, {0, 0, -1});
    // a vector that the mapping leaves alone is shared
    auto* waag = d.V("h", {1, 0, 0});
    const TAbbildErgebnis r2 =
        AbbildErzeugen(d.Liste, *d.PfPV("Pf2", d.P("G", {0, 0, 3}), waag), d.Abbildung(ESp));
    ASSERT_EQ(r2.Fehler, 0);
    EXPECT_EQ(r2.Bild->Bezuege[1], waag);
}

TEST(Abbildung, AnArrowProjectedAlongItselfCannotBeMapped) {
    TAbbildungen d;
    auto* pf = d.PfPP("Pf", d.P("A", {1, 1, 1}), d.P("B", {2, 2, 2}));
    const int n = d.Liste.Anzahl();
    EXPECT_EQ(AbbildErzeugen(d.Liste, *pf, d.Abbildung(PPr)).Fehler, FehlerAbbildungNullvektor);
    auto* pv = d.PfPV("Pv", d.P("C", {1, 1, 1}), d.V("u", {0, 0, 4}));
    EXPECT_EQ(AbbildErzeugen(d.Liste, *pv, d.Abbildung(OPr)).Fehler, FehlerAbbildungNullvektor);
    EXPECT_EQ(d.Liste.Anzahl(), n + 3);
}

TEST(Abbildung, AFullListTakesNoPartialComposite) {
    TAbbildungen d;
    auto* dr = d.Dr("D", d.P("A", {0, 0, 0}), d.P("B", {1, 0, 0}), d.P("C", {0, 1, 0}));
    while (d.Liste.Anzahl() < TListe::Kapazitaet - 3)
        d.P(d.Liste.AutomatischerName(TElementart::DfrPunkt), {});
    EXPECT_EQ(AbbildErzeugen(d.Liste, *dr, d.Abbildung(PSp)).Fehler, FehlerListeVoll);
    EXPECT_EQ(d.Liste.Anzahl(), TListe::Kapazitaet - 3);
    auto* p = d.Liste[TListe::Kapazitaet - 3];
    while (!d.Liste.Voll())
        d.P(d.Liste.AutomatischerName(TElementart::DfrPunkt), {});
    EXPECT_EQ(AbbildErzeugen(d.Liste, *p, d.Abbildung(PSp)).Fehler, FehlerListeVoll);
}

// --- recomputation -------------------------------------------------------------

TEST(Abbildung, ASegmentImageFollowsItsOriginal) {
    TAbbildungen d;
    auto* a = d.P("A", {1, 1, 1}); // on the centre: shared
    auto* b = d.P("B", {2, 3, 0});
    auto* s = d.S("s", a, b);
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *s, d.Abbildung(PSp));
    ASSERT_EQ(r.Fehler, 0);
    b->Koordinaten = {3, 3, 3};
    ASSERT_EQ(AbbildNachrechnen(*r.Bild), 0);
    ErwarteTripel(static_cast<TfrPunkt*>(r.Bild->Bezuege[1])->Koordinaten, {-1, -1, -1});
    // the shared start point is the original's and is not written
    EXPECT_EQ(a->Koordinaten, (TTripel{1, 1, 1}));
    // moving the centre moves the image
    d.Zentrum->Koordinaten = {0, 0, 0};
    ASSERT_EQ(AbbildNachrechnen(*r.Bild), 0);
    ErwarteTripel(static_cast<TfrPunkt*>(r.Bild->Bezuege[1])->Koordinaten, {-3, -3, -3});
}

TEST(Abbildung, CompositeRecomputationWritesEveryImagePart) {
    TAbbildungen d;
    auto* dr = d.Dr("D", d.P("A", {0, 0, 0}), d.P("B", {1, 0, 0}), d.P("C", {0, 1, 0}));
    auto* t = d.P("T", {0, 0, 3});
    auto* py = d.Py("DP", dr, t);
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *py, d.Abbildung(Str));
    ASSERT_EQ(r.Fehler, 0);
    t->Koordinaten = {1, 0, 1};
    static_cast<TfrPunkt*>(dr->Bezuege[2])->Koordinaten = {1, 1, 0};
    d.Streckzentrum->Streckungsfaktor = 5; // the image keeps the factor it was made with
    ASSERT_EQ(AbbildNachrechnen(*r.Bild), 0);
    EXPECT_EQ(static_cast<TfrPunkt*>(r.Bild->Bezuege[1])->Koordinaten, (TTripel{1, 0, 2}));
    EXPECT_EQ(static_cast<TfrPunkt*>(r.Bild->Bezuege[0]->Bezuege[2])->Koordinaten,
              (TTripel{1, 2, 0}));
}

TEST(Abbildung, ArrowImagesFollowTheirOriginals) {
    TAbbildungen d;
    auto* a = d.P("A", {2, 0, 0});
    auto* b = d.P("B", {2, 1, 0});
    auto* pf = d.PfPP("Pf", a, b);
    auto* v = d.V("v", {0, 0, 1});
    auto* pv = d.PfPV("Pv", d.P("F", {2, 2, 0}), v);
    const TAbbildErgebnis r1 = AbbildErzeugen(d.Liste, *pf, d.Abbildung(ESp));
    const TAbbildErgebnis r2 = AbbildErzeugen(d.Liste, *pv, d.Abbildung(ESp));
    ASSERT_EQ(r1.Fehler, 0);
    ASSERT_EQ(r2.Fehler, 0);
    b->Koordinaten = {2, 1, 5};
    v->Komponenten = {0, 3, 1};
    ASSERT_EQ(AbbildNachrechnen(*r1.Bild), 0);
    ASSERT_EQ(AbbildNachrechnen(*r2.Bild), 0);
    TTripel p, w;
    ASSERT_EQ(PfeilAuswerten(*r1.Bild, p, w), 0);
    ErwarteTripel(w, {0, 1, -5});
    ASSERT_EQ(PfeilAuswerten(*r2.Bild, p, w), 0);
    ErwarteTripel(w, {0, 3, -1});
}

TEST(Abbildung, SimpleImagesFollowAndFailWhenTheKindChanges) {
    TAbbildungen d;
    auto* g = d.G("g", {3, 4, 5}, {1, 0, 0});
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *g, d.Abbildung(OPr));
    ASSERT_EQ(r.Fehler, 0);
    ASSERT_EQ(r.Bild->Art, TElementart::DGerade);
    g->Punkt = {1, 1, 1};
    ASSERT_EQ(AbbildNachrechnen(*r.Bild), 0);
    EXPECT_EQ(static_cast<TGerade*>(r.Bild)->Punkt, (TTripel{1, 1, 0}));
    // now perpendicular to the plane: the image would be a point
    g->Richtung = {0, 0, 1};
    EXPECT_EQ(AbbildNachrechnen(*r.Bild), FehlerArtGeaendert);
    EXPECT_EQ(static_cast<TGerade*>(r.Bild)->Punkt, (TTripel{1, 1, 0}));
}

// --- defining the parallel projection, and the warnings -------------------------

TEST(Abbildung, DefiningAParallelProjectionChecksVectorThenPlaneThenDirection) {
    TDokument d;
    auto* e = d.EPAR("E", {}, {1, 0, 0}, {0, 1, 0});
    auto* a = d.P("A", {});
    auto* kaputt = d.E("K", TEbene::EPPP, a, a, a);
    auto* null = d.V("n", {});
    auto* flach = d.V("f", {1, 1, 0});
    auto* steil = d.V("s", {1, 1, 1});
    EXPECT_EQ(ProjektionPruefen(*e, *steil), 0);
    EXPECT_EQ(ProjektionPruefen(*kaputt, *null), FehlerAbbildungNullvektor);
    EXPECT_EQ(ProjektionPruefen(*kaputt, *steil), FehlerEbenePunkteAufGerade);
    EXPECT_EQ(ProjektionPruefen(*e, *flach), FehlerProjektionParallel);
    // an arrow stands for its vector
    EXPECT_EQ(ProjektionPruefen(*e, *d.PfPV("pf", a, steil)), 0);

    EXPECT_EQ(ProjektionMeldung(0, "E", "v"), "");
    EXPECT_EQ(ProjektionMeldung(FehlerAbbildungNullvektor, "E", "v"),
              "Der Vektor v ist der Nullvektor, die\r\nAbbildung kann nicht festgelegt werden!");
    EXPECT_EQ(ProjektionMeldung(FehlerEbenePunkteAufGerade, "E", "v"),
              "Die Ebene E existiert nicht, die\r\nAbbildung kann nicht festgelegt werden!");
    EXPECT_EQ(
        ProjektionMeldung(FehlerProjektionParallel, "E", "v"),
        "Der Vektor v ist parallel zur Ebene, die\r\nAbbildung kann nicht festgelegt werden!");
    EXPECT_EQ(AbbildenMeldung("g1"), "Das Element g1 kann nicht\r\nabgebildet werden!");
}
