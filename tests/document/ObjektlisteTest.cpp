#include "ausgabe/Objektliste.h"
#include "Testnamen.h"

#include "geometry/Dokument.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kalvorin;
using kalvorin::test::TDokument;

namespace {

// The names of the rows in display order.
std::vector<std::string> Zeilen(const TListe& l) {
    std::vector<std::string> namen;
    for (int z = 1; z <= l.Anzahl(); ++z)
        namen.push_back(ElementInZeile(l, z)->Name);
    return namen;
}

using Namen = std::vector<std::string>;

// ---------------------------------------------------------------- names

struct TRollenFall {
    TRolle Rolle;
    const char* Zusatz;
};

class AnzeigeNameRolle : public ::testing::TestWithParam<TRollenFall> {};

TEST_P(AnzeigeNameRolle, RoleMarkFollowsTheName) {
    test::TDokument d;
    auto* e = d.P("A", {1, 2, 3});
    EXPECT_EQ(AnzeigeName(*e), "A");
    e->SetzeRolle(GetParam().Rolle, true);
    EXPECT_EQ(AnzeigeName(*e), std::string("A") + GetParam().Zusatz);
}

INSTANTIATE_TEST_SUITE_P(Objektliste, AnzeigeNameRolle,
                         ::testing::Values(TRollenFall{TRolle::IstSpiegelzentrum, "(S)"},
                                           TRollenFall{TRolle::IstSpiegelAchse, "(S)"},
                                           TRollenFall{TRolle::IstSpiegelEbene, "(S)"},
                                           TRollenFall{TRolle::IstStreckungszentrum, "(Z)"},
                                           TRollenFall{TRolle::IstO_Projektionsebene, "(O)"},
                                           TRollenFall{TRolle::IstP_Projektionsebene, "(P)"},
                                           TRollenFall{TRolle::IstP_ProjektionsVektor, "(P)"}),
                         testnamen::Nach([](const TRollenFall& f) { return RollenName(f.Rolle); }));

TEST(ObjektlisteName, DilationCentreZReadsZZ) {
    test::TDokument d;
    auto* z = d.P("Z", {0, 0, 0});
    z->SetzeRolle(TRolle::IstStreckungszentrum, true);
    z->Streckungsfaktor = 2;
    EXPECT_EQ(AnzeigeName(*z), "Z(Z)");
}

TEST(ObjektlisteName, ArrowShowsTheVectorItCarries) {
    test::TDokument d;
    auto* a = d.P("A", {0, 0, 0});
    auto* b = d.P("B", {1, 0, 0});
    auto* p = d.PfPP("p", a, b, "v");
    EXPECT_EQ(AnzeigeName(*p), "p(v)");
    // The own vector itself is listed under its own name only.
    EXPECT_EQ(AnzeigeName(*d.Liste.ElementMitName("v")), "v");

    auto* w = d.V("w", {0, 1, 0});
    auto* q = d.PfPV("q", a, w);
    EXPECT_EQ(AnzeigeName(*q), "q(w)");
}

TEST(ObjektlisteName, ArrowWithoutVectorShowsItsNameOnly) {
    test::TDokument d;
    auto* a = d.P("A", {0, 0, 0});
    auto* q = d.PfPV("q", a, nullptr);
    EXPECT_EQ(AnzeigeName(*q), "q");
}

TEST(ObjektlisteName, RolesComeBeforeTheArrowsVectorAndAllIsCutTo20Characters) {
    test::TDokument d;
    auto* e = d.ENOR("Ebene_Ä_1234", {0, 0, 1}, 0); // 12 characters, one of them two bytes
    e->SetzeRolle(TRolle::IstSpiegelEbene, true);
    e->SetzeRolle(TRolle::IstO_Projektionsebene, true);
    e->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    // 12 + 9 characters: the last ")" goes.
    EXPECT_EQ(AnzeigeName(*e), "Ebene_Ä_1234(S)(O)(P");

    auto* v = d.V("v", {1, 0, 0});
    v->SetzeRolle(TRolle::IstP_ProjektionsVektor, true);
    auto* q = d.PfPV("q", d.P("A", {0, 0, 0}), v);
    EXPECT_EQ(AnzeigeName(*v), "v(P)");
    EXPECT_EQ(AnzeigeName(*q), "q(v)");
}

// ---------------------------------------------------------------- hints

TEST(ObjektlisteHinweis, DefinedElementShowsItsDefinition) {
    test::TDokument d;
    auto* a = d.P("A", {1, 0, 0});
    auto* b = d.P("B", {0, 1, 0});
    auto* g = d.GPP("g", a, b);
    EXPECT_EQ(ZeilenHinweis(*g), "\r\n  g = Gerade( A , B )  \r\n");
}

TEST(ObjektlisteHinweis, DerivedElementShowsHowItCameAbout) {
    test::TDokument d;
    auto* g = d.G("g1", {0, 0, 0}, {1, 0, 0});
    auto* e = d.ENOR("E1", {1, 0, 0}, -1);
    auto* s = d.P("S1", {1, 0, 0});
    s->Entstehung.Art = TEntstehungsart::Schnitt;
    s->Entstehung.Elemente[0].Element = g;
    s->Entstehung.Elemente[1].Element = e;
    EXPECT_EQ(ZeilenHinweis(*s), "\r\n  S1 = g1 geschnitten mit E1  \r\n");
}

class ObjektlisteHinweisTrenner : public ::testing::TestWithParam<char> {};

TEST_P(ObjektlisteHinweisTrenner, DilationCentreGivesItsFactor) {
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = GetParam();
    test::TDokument d;
    auto* z = d.P("Z", {0, 0, 0});
    z->SetzeRolle(TRolle::IstStreckungszentrum, true);
    z->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    z->Streckungsfaktor = 2.5L;
    const std::string koordinaten = "Z = (0  ;  0  ;  0)";
    EXPECT_EQ(ZeilenHinweis(*z), "\r\n  " + koordinaten +
                                     "  \r\n Spiegelzentrum\r\n Streckungszentrum (m = " +
                                     test::MitTrenner("2,5") + ")\r\n");
}

INSTANTIATE_TEST_SUITE_P(Objektliste, ObjektlisteHinweisTrenner, ::testing::Values(',', '.'),
                         testnamen::Trenner);

TEST(ObjektlisteHinweis, EveryRoleHasItsLine) {
    test::TDokument d;
    auto* e = d.ENOR("E", {0, 0, 1}, 0);
    e->SetzeRolle(TRolle::IstSpiegelEbene, true);
    e->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    EXPECT_EQ(ZeilenHinweis(*e), "\r\n  E = Ebene  \r\n Spiegelebene\r\n Projektionsebene\r\n");
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    g->SetzeRolle(TRolle::IstSpiegelAchse, true);
    EXPECT_EQ(ZeilenHinweis(*g), "\r\n  g = Gerade  \r\n SpiegelAchse\r\n");
    auto* v = d.V("v", {0, 0, 1});
    v->SetzeRolle(TRolle::IstP_ProjektionsVektor, true);
    EXPECT_EQ(ZeilenHinweis(*v), "\r\n  v = Vektor  \r\n Projektionsvektor\r\n");
    // Either projection plane gives one line, not two.
    auto* o = d.ENOR("O", {0, 1, 0}, 0);
    o->SetzeRolle(TRolle::IstO_Projektionsebene, true);
    o->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    EXPECT_EQ(ZeilenHinweis(*o), "\r\n  O = Ebene  \r\n Projektionsebene\r\n");
}

// ---------------------------------------------------------------- sorting

// Kinds deliberately out of order: plane, point, line, point, vector.
struct SortierDokument : ::testing::Test {
    test::TDokument d;
    TEbene* E = d.ENOR("E", {0, 0, 1}, 0);
    TfrPunkt* A = d.P("A", {0, 0, 0});
    TGerade* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    TfrPunkt* B = d.P("B", {1, 0, 0});
    TVektor* v = d.V("v", {0, 1, 0});
};

TEST_F(SortierDokument, NewElementsAreShownInTheOrderTheyCame) {
    EXPECT_EQ(Zeilen(d.Liste), (Namen{"E", "A", "g", "B", "v"}));
    EXPECT_EQ(ZeileVonSlot(d.Liste, 4), 4);
    EXPECT_EQ(ElementInZeile(d.Liste, 0), nullptr);
    EXPECT_EQ(ElementInZeile(d.Liste, 6), nullptr);
}

TEST_F(SortierDokument, ByKindIsStableAndOnlyTheDisplayChanges) {
    Sortieren(d.Liste, TSortierung::Objektart);
    EXPECT_EQ(Zeilen(d.Liste), (Namen{"A", "B", "v", "g", "E"}));
    // The list itself keeps its order: recomputation and files rely on it.
    EXPECT_EQ(d.Liste[1], E);
    EXPECT_EQ(ZeileVonSlot(d.Liste, 1), 5);
}

TEST_F(SortierDokument, ByMarkTwiceLeavesTheOrderUnchanged) {
    B->markiert = true;
    E->markiert = true;
    Sortieren(d.Liste, TSortierung::Markierung);
    const Namen einmal = Zeilen(d.Liste);
    EXPECT_EQ(einmal, (Namen{"E", "B", "A", "g", "v"}));
    Sortieren(d.Liste, TSortierung::Markierung);
    EXPECT_EQ(Zeilen(d.Liste), einmal);
}

TEST_F(SortierDokument, ByMarkKeepsAnEarlierSortWithinEachGroup) {
    Sortieren(d.Liste, TSortierung::Objektart); // A B v g E
    g->markiert = true;
    A->markiert = true;
    Sortieren(d.Liste, TSortierung::Markierung);
    EXPECT_EQ(Zeilen(d.Liste), (Namen{"A", "g", "B", "v", "E"}));
}

TEST_F(SortierDokument, ByOriginRestoresTheOrderOfCreation) {
    Sortieren(d.Liste, TSortierung::Objektart);
    Sortieren(d.Liste, TSortierung::Entstehung);
    EXPECT_EQ(Zeilen(d.Liste), (Namen{"E", "A", "g", "B", "v"}));
}

TEST_F(SortierDokument, DeletingAfterSortingKeepsTheDisplayOrderOfTheRest) {
    Sortieren(d.Liste, TSortierung::Objektart); // A B v g E
    d.Liste.Loeschen(d.Liste.SlotVon(B));
    EXPECT_EQ(Zeilen(d.Liste), (Namen{"A", "v", "g", "E"}));
}

TEST(ObjektlisteSortieren, EmptyListIsFine) {
    TListe l;
    Sortieren(l, TSortierung::Markierung);
    EXPECT_EQ(l.Anzahl(), 0);
}

// ---------------------------------------------------------------- clicks

TEST_F(SortierDokument, ClickingASecondNameWithoutCtrlUnmarksTheFirst) {
    TObjektlistenZustand z;
    EXPECT_TRUE(z.ZelleGeklickt(d.Liste, 2, TListenspalte::Name, false));
    EXPECT_TRUE(A->markiert);
    EXPECT_TRUE(z.ZelleGeklickt(d.Liste, 3, TListenspalte::Name, false));
    EXPECT_FALSE(A->markiert);
    EXPECT_TRUE(g->markiert);
}

TEST_F(SortierDokument, WithCtrlBothStayMarked) {
    TObjektlistenZustand z;
    z.ZelleGeklickt(d.Liste, 2, TListenspalte::Name, false);
    z.ZelleGeklickt(d.Liste, 3, TListenspalte::Art, true);
    EXPECT_TRUE(A->markiert);
    EXPECT_TRUE(g->markiert);
    // A Ctrl click on a marked element takes only its own mark away.
    z.ZelleGeklickt(d.Liste, 2, TListenspalte::Name, true);
    EXPECT_FALSE(A->markiert);
    EXPECT_TRUE(g->markiert);
}

TEST_F(SortierDokument, ASecondClickWithoutCtrlUnmarks) {
    TObjektlistenZustand z;
    z.ZelleGeklickt(d.Liste, 1, TListenspalte::Art, false);
    EXPECT_TRUE(E->markiert);
    z.ZelleGeklickt(d.Liste, 1, TListenspalte::Art, false);
    EXPECT_FALSE(E->markiert);
}

TEST_F(SortierDokument, ClickFollowsTheDisplayOrder) {
    Sortieren(d.Liste, TSortierung::Objektart); // A B v g E
    TObjektlistenZustand z;
    z.ZelleGeklickt(d.Liste, 5, TListenspalte::Name, false);
    EXPECT_TRUE(E->markiert);
    EXPECT_EQ(z.AktuellesElement(d.Liste), E);
}

class KlickAufVektor : public ::testing::TestWithParam<TListenspalte> {};

TEST_P(KlickAufVektor, VisibilityAndLabelCellsOfAVectorChangeNothing) {
    test::TDokument d;
    auto* v = d.V("v", {0, 1, 0});
    v->NameSichtbar = false;
    TObjektlistenZustand z;
    EXPECT_FALSE(z.ZelleGeklickt(d.Liste, 1, GetParam(), false));
    EXPECT_TRUE(v->sichtbar);
    EXPECT_FALSE(v->NameSichtbar);
    EXPECT_FALSE(v->markiert);
    EXPECT_FALSE(z.MausLosgelassen());
}

INSTANTIATE_TEST_SUITE_P(Objektliste, KlickAufVektor,
                         ::testing::Values(TListenspalte::Sichtbar, TListenspalte::Beschriftung),
                         testnamen::Nach([](TListenspalte s) {
                             return s == TListenspalte::Sichtbar ? "Sichtbar" : "Beschriftung";
                         }));

TEST_F(SortierDokument, VisibilityCellTogglesAndAsksForARebuildOnRelease) {
    TObjektlistenZustand z;
    A->markiert = true;
    EXPECT_FALSE(z.ZelleGeklickt(d.Liste, 3, TListenspalte::Sichtbar, false));
    EXPECT_FALSE(g->sichtbar);
    EXPECT_TRUE(A->markiert); // marks stay as they are
    EXPECT_TRUE(z.SichtbarkeitGeaendert());
    EXPECT_TRUE(z.MausLosgelassen());
    EXPECT_FALSE(z.MausLosgelassen());
    z.ZelleGeklickt(d.Liste, 3, TListenspalte::Sichtbar, false);
    EXPECT_TRUE(g->sichtbar);
}

TEST_F(SortierDokument, LabelCellTogglesTheName) {
    TObjektlistenZustand z;
    const bool vorher = B->NameSichtbar;
    z.ZelleGeklickt(d.Liste, 4, TListenspalte::Beschriftung, false);
    EXPECT_EQ(B->NameSichtbar, !vorher);
    EXPECT_TRUE(B->sichtbar);
    EXPECT_TRUE(z.MausLosgelassen());
}

TEST_F(SortierDokument, HeaderSHidesEveryElement) {
    TObjektlistenZustand z;
    z.KopfGeklickt(d.Liste, TListenspalte::Sichtbar);
    for (int i = 1; i <= d.Liste.Anzahl(); ++i)
        EXPECT_FALSE(d.Liste[i]->sichtbar) << d.Liste[i]->Name;
    EXPECT_TRUE(z.MausLosgelassen());
    EXPECT_EQ(z.AktuellesElement(d.Liste), E);
}

TEST_F(SortierDokument, HeaderBHidesEveryNameLabel) {
    for (int i = 1; i <= d.Liste.Anzahl(); ++i)
        d.Liste[i]->NameSichtbar = true;
    TObjektlistenZustand z;
    z.KopfGeklickt(d.Liste, TListenspalte::Beschriftung);
    for (int i = 1; i <= d.Liste.Anzahl(); ++i) {
        EXPECT_FALSE(d.Liste[i]->NameSichtbar);
        EXPECT_TRUE(d.Liste[i]->sichtbar);
    }
    EXPECT_TRUE(z.MausLosgelassen());
}

TEST_F(SortierDokument, OtherHeadersOnlyMakeTheFirstRowCurrent) {
    Sortieren(d.Liste, TSortierung::Objektart);
    A->markiert = true;
    TObjektlistenZustand z;
    z.KopfGeklickt(d.Liste, TListenspalte::Name);
    EXPECT_TRUE(A->markiert);
    EXPECT_TRUE(g->sichtbar);
    EXPECT_FALSE(z.MausLosgelassen());
    EXPECT_EQ(z.AktuellesElement(d.Liste), A);
}

TEST_F(SortierDokument, CurrentElementSurvivesSortingAndGoesWithItsElement) {
    TObjektlistenZustand z;
    EXPECT_EQ(z.AktuellesElement(d.Liste), nullptr);
    z.ZelleGeklickt(d.Liste, 4, TListenspalte::Sichtbar, false);
    Sortieren(d.Liste, TSortierung::Objektart);
    EXPECT_EQ(z.AktuellesElement(d.Liste), B);
    d.Liste.Loeschen(d.Liste.SlotVon(B));
    EXPECT_EQ(z.AktuellesElement(d.Liste), nullptr);
    z.ZelleGeklickt(d.Liste, 1, TListenspalte::Name, false);
    z.Zuruecksetzen();
    EXPECT_EQ(z.AktuellesElement(d.Liste), nullptr);
}

TEST_F(SortierDokument, ClicksOutsideTheRowsDoNothing) {
    TObjektlistenZustand z;
    EXPECT_FALSE(z.ZelleGeklickt(d.Liste, 0, TListenspalte::Name, false));
    EXPECT_FALSE(z.ZelleGeklickt(d.Liste, 6, TListenspalte::Sichtbar, false));
    EXPECT_FALSE(z.SichtbarkeitGeaendert());
    for (int i = 1; i <= d.Liste.Anzahl(); ++i)
        EXPECT_FALSE(d.Liste[i]->markiert);
}

} // namespace
