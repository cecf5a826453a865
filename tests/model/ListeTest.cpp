#include "model/Liste.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
TfrPunkt* Punkt(TListe& l, const std::string& name, TTripel k = {}) {
    auto* p = l.Neu<TfrPunkt>();
    p->Name = name;
    p->Koordinaten = k;
    return p;
}
} // namespace

TEST(Liste, CapacityIsOneHundredAndTheFullListIsLeftAlone) {
    TListe liste;
    for (int i = 0; i < TListe::Kapazitaet; ++i)
        ASSERT_NE(liste.Neu(TElementart::DfrPunkt), nullptr);
    TDreiDBasisElement* letztes = liste[100];
    EXPECT_EQ(liste.Neu(TElementart::DfrPunkt), nullptr);
    EXPECT_EQ(liste.Anzahl(), 100);
    EXPECT_EQ(liste.LaufenderZaehler(), 100);
    EXPECT_EQ(liste[100], letztes);
}

TEST(Liste, KindsWithoutAClassAreNotAdded) {
    TListe liste;
    EXPECT_EQ(liste.Neu(TElementart::DgebPunkt), nullptr);
    EXPECT_EQ(liste.Neu(static_cast<TElementart>(9)), nullptr);
    EXPECT_EQ(liste.Neu(static_cast<TElementart>(-1)), nullptr);
    EXPECT_EQ(liste.Anzahl(), 0);
    EXPECT_EQ(liste.LaufenderZaehler(), 0);
}

TEST(Liste, AutomaticNamesFillGapsAndSearchAllKinds) {
    TListe liste;
    Punkt(liste, "P1");
    Punkt(liste, "P3");
    EXPECT_EQ(liste.AutomatischerName(TElementart::DfrPunkt), "P2");
    TListe andere;
    andere.Neu<TGerade>()->Name = "P1";
    EXPECT_EQ(andere.AutomatischerName(TElementart::DfrPunkt), "P2");
    EXPECT_EQ(andere.AutomatischerName(TElementart::DGerade), "g1");
    EXPECT_EQ(andere.AutomatischerName(TElementart::DPfeil), "Pf1");
    EXPECT_EQ(andere.AutomatischerName(TElementart::DPyramide3), "DP1");
}

TEST(Liste, NameTakenHonoursExcludedKinds) {
    TListe liste;
    Punkt(liste, "A");
    liste.Neu<TVektor>()->Name = "v";
    EXPECT_TRUE(liste.NameVergeben("A"));
    EXPECT_FALSE(liste.NameVergeben("a")); // case-sensitive
    EXPECT_FALSE(liste.NameVergeben("A", Arten({TElementart::DfrPunkt, TElementart::DgebPunkt})));
    EXPECT_TRUE(liste.NameVergeben("v", Arten({TElementart::DfrPunkt, TElementart::DgebPunkt})));
    EXPECT_FALSE(liste.NameVergeben("v", Arten({TElementart::DVektor})));
}

TEST(Liste, PositionOfNameComparesTwelveCharacters) {
    TListe liste;
    Punkt(liste, "Ä23456789012"); // twelve characters, thirteen bytes
    Punkt(liste, "X");
    Punkt(liste, "X");
    EXPECT_EQ(liste.PositionVonName("Ä234567890123"), 1);
    EXPECT_EQ(liste.PositionVonName("Ä2345678901"), 0);
    EXPECT_EQ(liste.PositionVonName("X"), 3); // the highest slot wins
    EXPECT_EQ(liste.PositionVonName("Y"), 0);
}

TEST(Liste, DeletingMovesTheRestDown) {
    TListe liste;
    auto* a = Punkt(liste, "A");
    auto* b = Punkt(liste, "B");
    auto* c = Punkt(liste, "C");
    (void)a;
    liste.Anzeigereihenfolge(1) = 3;
    liste.Anzeigereihenfolge(2) = 1;
    liste.Anzeigereihenfolge(3) = 2;
    liste.Loeschen(1);
    EXPECT_EQ(liste.Anzahl(), 2);
    EXPECT_EQ(liste[1], b);
    EXPECT_EQ(liste[2], c);
    EXPECT_EQ(liste[3], nullptr);
    // display order stays a permutation of the remaining slots
    EXPECT_EQ(liste.Anzeigereihenfolge(1), 2);
    EXPECT_EQ(liste.Anzeigereihenfolge(2), 1);
    EXPECT_EQ(liste.Anzeigereihenfolge(3), 0);
    liste.Loeschen(0);
    liste.Loeschen(3);
    EXPECT_EQ(liste.Anzahl(), 2);
    EXPECT_EQ(liste.AutomatischerName(TElementart::DfrPunkt), "P1");
}

TEST(Liste, ClearResetsTheRunningCounter) {
    TListe liste;
    Punkt(liste, "A");
    Punkt(liste, "B");
    liste.Loeschen(1);
    EXPECT_EQ(liste.LaufenderZaehler(), 2);
    EXPECT_EQ(liste.Neu(TElementart::DfrPunkt)->Nummer, 3);
    liste.Leeren();
    EXPECT_EQ(liste.Anzahl(), 0);
    EXPECT_EQ(liste.LaufenderZaehler(), 0);
    EXPECT_EQ(liste.Neu(TElementart::DfrPunkt)->Nummer, 1);
}

TEST(Liste, CopyMapsEveryReferenceOntoTheCopiesAfterDeletions) {
    TListe quelle;
    Punkt(quelle, "weg1");
    auto* a = Punkt(quelle, "A", {1, 2, 3});
    Punkt(quelle, "weg2");
    auto* b = Punkt(quelle, "B", {4, 5, 6});
    auto* pf = quelle.Neu<TPfeil>();
    auto* v = quelle.Neu<TVektor>();
    pf->Name = "Pf1";
    pf->Bezuege = {a, b, v};
    v->Name = "V1";
    v->Festlegung = TVektor::VPf;
    v->Bezuege = {pf, nullptr, nullptr};
    auto* e = quelle.Neu<TEbene>();
    e->Name = "E1";
    e->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    e->Projektionsvektor = v;
    auto* bild = Punkt(quelle, "A'");
    bild->Entstehung.Art = TEntstehungsart::Streckung;
    bild->Entstehung.Originalelement = a;
    bild->Entstehung.Elemente[0].Element = b;
    bild->Entstehung.Elemente[1].Zahl = 2.5L;
    bild->markiert = true;
    bild->Farbe = RGB(1, 2, 3);
    quelle.Loeschen(3);
    quelle.Loeschen(1);

    TListe ziel;
    TListe::Kopieren(quelle, ziel);
    ASSERT_EQ(ziel.Anzahl(), quelle.Anzahl());
    for (int i = 1; i <= ziel.Anzahl(); ++i) {
        EXPECT_NE(ziel[i], quelle[i]);
        EXPECT_EQ(ziel[i]->Name, quelle[i]->Name);
        EXPECT_EQ(ziel[i]->Nummer, i);
    }
    EXPECT_EQ(ziel.LaufenderZaehler(), ziel.Anzahl());
    auto& pfK = Als<TPfeil>(*ziel.ElementMitName("Pf1"));
    EXPECT_EQ(pfK.Fusspunkt(), ziel.ElementMitName("A"));
    EXPECT_EQ(pfK.Spitze(), ziel.ElementMitName("B"));
    EXPECT_EQ(pfK.Vektor(), ziel.ElementMitName("V1"));
    EXPECT_EQ(ziel.ElementMitName("V1")->Bezuege[0], &pfK);
    EXPECT_EQ(ziel.ElementMitName("E1")->Projektionsvektor, ziel.ElementMitName("V1"));
    const auto& bildK = *ziel.ElementMitName("A'");
    EXPECT_EQ(bildK.Entstehung.Art, TEntstehungsart::Streckung);
    EXPECT_EQ(bildK.Entstehung.Originalelement, ziel.ElementMitName("A"));
    EXPECT_EQ(bildK.Entstehung.Elemente[0].Element, ziel.ElementMitName("B"));
    EXPECT_EQ(bildK.Entstehung.Elemente[1].Zahl, 2.5L);
    EXPECT_TRUE(bildK.markiert);
    EXPECT_EQ(bildK.Farbe, RGB(1, 2, 3));
    EXPECT_EQ(Als<TfrPunkt>(*ziel.ElementMitName("B")).Koordinaten, (TTripel{4, 5, 6}));
}

TEST(Liste, CopyDropsReferencesToElementsOutsideTheList) {
    TListe quelle;
    auto* a = Punkt(quelle, "A");
    auto* b = Punkt(quelle, "B");
    b->Festlegung = TfrPunkt::PV;
    b->Bezuege = {a, nullptr, nullptr};
    quelle.Loeschen(1); // b's reference now names an element that is gone
    TListe ziel;
    TListe::Kopieren(quelle, ziel);
    EXPECT_EQ(ziel[1]->Bezuege[0], nullptr);
}

TEST(Liste, ProjectionVectorIsCopiedOnlyForAProjectionPlane) {
    TListe quelle;
    auto* v = quelle.Neu<TVektor>();
    auto* e = quelle.Neu<TEbene>();
    e->Projektionsvektor = v; // stale: the role is not set
    TListe ziel;
    TListe::Kopieren(quelle, ziel);
    EXPECT_EQ(ziel[2]->Projektionsvektor, nullptr);
}
