#include "document/Loeschen.h"
#include "Testzugang.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
struct Dokument {
    TDokument d;
    TListe& l = test::Liste(d);
    TfrPunkt* A;
    TfrPunkt* B;
    TGerade* g;
    TfrPunkt* S;
    Dokument() {
        A = l.Neu<TfrPunkt>();
        A->Name = "A";
        B = l.Neu<TfrPunkt>();
        B->Name = "B";
        B->Koordinaten = {1, 0, 0}; // the document draws g after the deletion
        g = l.Neu<TGerade>();
        g->Name = "g";
        g->Festlegung = TGerade::GPP;
        g->Bezuege = {A, B, nullptr};
        S = l.Neu<TfrPunkt>();
        S->Name = "S";
        S->Entstehung.Art = TEntstehungsart::Schnitt;
        S->Entstehung.Elemente[0].Element = g;
    }
};
} // namespace

TEST(Loeschen, SingleElementQuestionHasTwoBlanks) {
    Dokument d;
    d.S->markiert = true;
    TMeldungsProtokoll p;
    EXPECT_TRUE(d.d.MarkierteLoeschen());
    ASSERT_EQ(p.Eintraege.size(), 1u) << p.Eintraege.back().Text;
    EXPECT_EQ(p.Eintraege[0].Text, "Soll  S wirklich gelöscht werden?");
    EXPECT_EQ(d.l.Anzahl(), 3);
}

TEST(Loeschen, DependantsGoAlongAndUndoBringsThemBack) {
    Dokument d;
    d.A->markiert = true;
    TMeldungsProtokoll p;
    EXPECT_TRUE(d.d.MarkierteLoeschen());
    EXPECT_EQ(p.Eintraege[0].Text, "Sollen die folgenden Objekte wirklich gelöscht werden?\r\n" +
                                       std::string(26, ' ') + " A, g, S");
    ASSERT_EQ(d.l.Anzahl(), 1);
    EXPECT_EQ(d.l[1]->Name, "B");
    EXPECT_EQ(d.d.Rueckgaengig().Caption(), "Rückgängig: Löschen");

    ASSERT_TRUE(d.d.RueckgaengigMachen());
    EXPECT_EQ(d.d.Rueckgaengig().Caption(), "Rückgängig");
    EXPECT_FALSE(d.d.Rueckgaengig().Moeglich());
    ASSERT_EQ(d.l.Anzahl(), 4);
    auto* g = d.l.ElementMitName("g");
    EXPECT_EQ(g->Bezuege[0], d.l.ElementMitName("A"));
    EXPECT_EQ(g->Bezuege[1], d.l.ElementMitName("B"));
    EXPECT_EQ(d.l.ElementMitName("S")->Entstehung.Elemente[0].Element, g);
    EXPECT_TRUE(d.l.ElementMitName("A")->markiert);
    EXPECT_FALSE(d.d.RueckgaengigMachen()); // nothing before the deletion
}

TEST(Loeschen, FixedAndAnsweredNoDeleteNothingButKeepTheSnapshot) {
    Dokument d;
    d.A->markiert = true;
    d.A->fest = true;
    TMeldungsProtokoll p;
    EXPECT_FALSE(d.d.MarkierteLoeschen());
    EXPECT_TRUE(p.Eintraege.empty());
    EXPECT_TRUE(d.d.Rueckgaengig().Moeglich());
    d.A->fest = false;
    p.Antworten = {TAntwort::Nein};
    EXPECT_FALSE(d.d.MarkierteLoeschen());
    EXPECT_EQ(d.l.Anzahl(), 4);
    EXPECT_EQ(d.d.Rueckgaengig().Caption(), "Rückgängig: Löschen");
}

TEST(Loeschen, ForwardReferencesOfCompositeImagesAreFollowed) {
    TListe l;
    auto* s = l.Neu<TStrecke>(); // image segment stands before its image points
    s->Name = "s'";
    s->Entstehung.Art = TEntstehungsart::PSpiegelung;
    auto* p1 = l.Neu<TfrPunkt>();
    p1->Name = "P'";
    auto* p2 = l.Neu<TfrPunkt>();
    p2->Name = "Q'";
    s->Bezuege = {p1, p2, nullptr};
    p2->markiert = true;
    EXPECT_EQ(ZuLoeschendeSlots(l), (std::vector<int>{1, 3}));
}

TEST(Loeschen, RemovingAProjectionVectorEndsTheProjection) {
    TListe l;
    auto* v = l.Neu<TVektor>();
    v->Name = "v";
    auto* e = l.Neu<TEbene>();
    e->Name = "E";
    e->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    e->Projektionsvektor = v;
    l.Anzeigereihenfolge(1) = 2;
    l.Anzeigereihenfolge(2) = 1;
    SlotsEntfernen(l, {1});
    ASSERT_EQ(l.Anzahl(), 1);
    EXPECT_EQ(l[1]->Projektionsvektor, nullptr);
    EXPECT_FALSE(l[1]->Rolle(TRolle::IstP_Projektionsebene));
    EXPECT_EQ(l.Anzeigereihenfolge(1), 1);
}
