#include "document/Neuaufbau.h"
#include "document/Dokument.h"
#include "geometry/Fehlercodes.h"
#include "model/Meldungen.h"

#include "document/Testzugang.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
TfrPunkt* Punkt(TListe& l, const std::string& n, TTripel k) {
    auto* p = l.Neu<TfrPunkt>();
    p->Name = n;
    p->Koordinaten = k;
    return p;
}
TGerade* GeradePP(TListe& l, const std::string& n, TDreiDBasisElement* a, TDreiDBasisElement* b) {
    auto* g = l.Neu<TGerade>();
    g->Name = n;
    g->Festlegung = TGerade::GPP;
    g->Bezuege = {a, b, nullptr};
    return g;
}
// Point reflection goes through a rotation by pi, whose sine is not exactly 0.
::testing::AssertionResult Nah(TTripel ist, TTripel soll) {
    if (IstNullvektor(TripelDifferenz(ist, soll)) || Betrag(TripelDifferenz(ist, soll)) < 1e-15L)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << static_cast<double>(ist.x) << ", " << static_cast<double>(ist.y) << ", "
           << static_cast<double>(ist.z) << ")";
}
} // namespace

TEST(Neuaufbau, UndrawableLineIsReportedOnceAndHidden) {
    TMeldungsProtokoll p;
    TDokument d;
    auto& l = test::Liste(d);
    auto* a = Punkt(l, "A", {1, 2, 3});
    auto* b = Punkt(l, "B", {4, 0, 0});
    auto* g = GeradePP(l, "g", a, b);
    d.Neuaufbau();
    EXPECT_TRUE(p.Eintraege.empty());
    EXPECT_TRUE(g->sichtbar);
    EXPECT_TRUE(g->Szenenobjekte.any());
    b->Koordinaten = a->Koordinaten;
    d.Neuaufbau();
    d.Neuaufbau();
    ASSERT_EQ(p.Eintraege.size(), 1u);
    EXPECT_EQ(p.Eintraege[0].Text, "Die Punkte A und B sind identisch, die\r\n Gerade g kann nicht "
                                   "dargestellt werden!");
    EXPECT_EQ(p.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_FALSE(g->sichtbar);
    EXPECT_TRUE(g->Szenenobjekte.none());
}

TEST(Neuaufbau, IntersectionBecomesIndependentWhenTheLinesTurnParallel) {
    TMeldungsProtokoll p;
    TDokument d;
    auto& l = test::Liste(d);
    auto* a = Punkt(l, "A", {0, 0, 0});
    auto* b = Punkt(l, "B", {2, 0, 0});
    auto* c = Punkt(l, "C", {1, -1, 0});
    auto* e = Punkt(l, "D", {1, 1, 0});
    auto* g = GeradePP(l, "g", a, b);
    auto* h = GeradePP(l, "h", c, e);
    auto* s = Punkt(l, "S", {});
    s->Entstehung.Art = TEntstehungsart::Schnitt;
    s->Entstehung.Elemente[0].Element = g;
    s->Entstehung.Elemente[1].Element = h;
    d.Neuaufbau();
    EXPECT_EQ(s->Koordinaten, (TTripel{1, 0, 0}));
    c->Koordinaten = {0, 1, 0};
    e->Koordinaten = {2, 1, 0}; // h is now parallel to g
    d.Neuaufbau();
    EXPECT_EQ(s->Entstehung.Art, TEntstehungsart::keine);
    EXPECT_EQ(s->Koordinaten, (TTripel{1, 0, 0}));
    EXPECT_TRUE(s->sichtbar);
}

TEST(Neuaufbau, HiddenDerivedPointKeepsItsNumbersAndVectorsLoseTheirPicture) {
    TMeldungsProtokoll p;
    TDokument d;
    auto& l = test::Liste(d);
    auto* a = Punkt(l, "A", {0, 0, 0});
    auto* b = Punkt(l, "B", {2, 0, 0});
    auto* m = Punkt(l, "M", {});
    m->Entstehung.Art = TEntstehungsart::Mittelpunkt;
    m->Entstehung.Elemente[0].Element = a;
    m->Entstehung.Elemente[1].Element = b;
    auto* v = l.Neu<TVektor>();
    v->Name = "v";
    v->Komponenten = {1, 1, 1};
    d.Neuaufbau();
    EXPECT_EQ(m->Koordinaten, (TTripel{1, 0, 0}));
    EXPECT_FALSE(v->sichtbar);
    m->sichtbar = false;
    b->Koordinaten = {4, 0, 0};
    d.Neuaufbau();
    EXPECT_EQ(m->Koordinaten, (TTripel{1, 0, 0}));
    EXPECT_TRUE(p.Eintraege.empty());
}

TEST(Neuaufbau, PointOutsideTheRangeIsReportedWithItsName) {
    TMeldungsProtokoll p;
    TDokument d;
    auto* a = Punkt(test::Liste(d), "Fern", {100, 100, 100});
    d.Neuaufbau();
    ASSERT_EQ(p.Eintraege.size(), 1u);
    EXPECT_EQ(p.Eintraege[0].Text,
              "Das Objekt Fern kann nicht sichtbar gemacht werden, da\r\nes außerhalb des "
              "Darstellungsbereichs liegt!\r\n\r\nVergrößern Sie den Darstellungsbereich (Menü "
              "Ansicht)\r\nund markieren Sie die Spalte s beim Objekt Fern.");
    EXPECT_FALSE(a->sichtbar);
}

TEST(Neuaufbau, ImageOfASegmentFollowsItsOriginal) {
    TMeldungsProtokoll p;
    TDokument d;
    auto& l = test::Liste(d);
    auto* z = Punkt(l, "Z", {0, 0, 0});
    auto* a = Punkt(l, "A", {1, 0, 0});
    auto* b = Punkt(l, "B", {0, 2, 0});
    auto* s = l.Neu<TStrecke>();
    s->Name = "s";
    s->Bezuege = {a, b, nullptr};
    auto* s2 = l.Neu<TStrecke>();
    s2->Name = "s'";
    auto* a2 = Punkt(l, "A'", {});
    auto* b2 = Punkt(l, "B'", {});
    s2->Bezuege = {a2, b2, nullptr};
    for (TDreiDBasisElement* x :
         {static_cast<TDreiDBasisElement*>(s2), static_cast<TDreiDBasisElement*>(a2),
          static_cast<TDreiDBasisElement*>(b2)}) {
        x->Entstehung.Art = TEntstehungsart::PSpiegelung;
        x->Entstehung.Elemente[0].Element = z;
    }
    s2->Entstehung.Originalelement = s;
    a2->Entstehung.Originalelement = a;
    b2->Entstehung.Originalelement = b;
    d.Neuaufbau();
    EXPECT_TRUE(Nah(a2->Koordinaten, {-1, 0, 0}));
    a->Koordinaten = {3, 0, 1};
    d.Neuaufbau();
    EXPECT_TRUE(Nah(a2->Koordinaten, {-3, 0, -1}));
    EXPECT_TRUE(Nah(b2->Koordinaten, {0, -2, 0}));
    EXPECT_TRUE(p.Eintraege.empty());
}

TEST(Neuaufbau, MessagesNameTheSources) {
    TListe l;
    auto* e = l.Neu<TEbene>();
    e->Name = "E";
    auto* g = l.Neu<TGerade>();
    g->Name = "g";
    auto* h = l.Neu<TGerade>();
    h->Name = "h";
    e->Festlegung = TEbene::EGG;
    e->Bezuege = {g, h, nullptr};
    EXPECT_EQ(NichtDarstellbarText(*e, FehlerEbeneGeradenWindschief),
              "Die Geraden g und h sind windschief.\r\nDie Ebene E kann nicht dargestellt werden!");
    EXPECT_EQ(NichtDarstellbarText(*e, FehlerEbeneZweiteGerade),
              "Die Gerade h existiert nicht, die\r\n Ebene E kann nicht dargestellt werden!");
    EXPECT_EQ(NichtSichtbarText(*e, SzeneVoll),
              "Das Objekt E kann nicht sichtbar gemacht werden, da\r\ndie Maximalzahl der "
              "Elemente überschritten ist!");
}

TEST(Dokument, ZoomAndUndoRebuild) {
    TMeldungsProtokoll p;
    TDokument d;
    EXPECT_FALSE(d.Geaendert());
    TfrPunkt* a = nullptr;
    d.Aendern([&](TListe& l) {
        a = Punkt(l, "A", {1, 1, 1});
        return true;
    });
    EXPECT_TRUE(d.Geaendert());
    const Real h = d.Koordinatensystem().H;
    EXPECT_TRUE(d.Zoomen(ZoomVergroessern));
    EXPECT_TRUE(d.Zoomen(ZoomVergroessern));
    EXPECT_TRUE(d.Zoomen(ZoomVerkleinern));
    EXPECT_TRUE(d.Zoomen(ZoomVerkleinern));
    EXPECT_NE(d.Koordinatensystem().H, h); // 1.189 * 0.84 is not 1
    a->markiert = true;
    test::SetzeGeaendert(d, false);
    EXPECT_TRUE(d.MarkierteLoeschen());
    EXPECT_EQ(test::Liste(d).Anzahl(), 0);
    EXPECT_TRUE(d.Geaendert());
    test::SetzeGeaendert(d, false);
    EXPECT_TRUE(d.RueckgaengigMachen());
    EXPECT_EQ(test::Liste(d).Anzahl(), 1);
    // A is there, and the document was never saved with it.
    EXPECT_TRUE(d.Geaendert());
    EXPECT_TRUE(test::Liste(d)[1]->Szenenobjekte.any());
    // Further back: four zoom steps, then the point.
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(d.RueckgaengigMachen());
    EXPECT_EQ(d.Koordinatensystem().H, h);
    EXPECT_TRUE(d.RueckgaengigMachen());
    EXPECT_EQ(test::Liste(d).Anzahl(), 0);
    EXPECT_FALSE(d.Geaendert()) << "the new, empty document again";
    EXPECT_FALSE(d.RueckgaengigMachen());
}

TEST(Dokument, SaveAndLoadKeepTheDocument) {
    TMeldungsProtokoll p;
    const std::string datei = ::testing::TempDir() + "dokument_rundreise.kvr";
    {
        TDokument d;
        auto* a = Punkt(test::Liste(d), "A", {1, 2, 3});
        auto* b = Punkt(test::Liste(d), "B", {4, 0, 0});
        auto* g = GeradePP(test::Liste(d), "g", a, b);
        g->markiert = true;
        ASSERT_TRUE(d.Speichern(datei));
        EXPECT_FALSE(d.Geaendert());
    }
    TDokument d;
    ASSERT_EQ(d.Laden(datei), TLadeergebnis::Gelesen);
    EXPECT_FALSE(d.Geaendert());
    ASSERT_EQ(test::Liste(d).Anzahl(), 3);
    auto* g = test::Liste(d).ElementMitName("g");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Bezuege[0], test::Liste(d).ElementMitName("A"));
    EXPECT_TRUE(g->markiert);
    EXPECT_TRUE(g->Szenenobjekte.any());
    ASSERT_TRUE(d.Einfuegen(datei));
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(test::Liste(d).Anzahl(), 6);
    EXPECT_NE(test::Liste(d).ElementMitName("_A"), nullptr);
    EXPECT_TRUE(p.Eintraege.empty());
}

namespace {

// A document of many planes fills the scene: one warning names every plane
// the scene refused, not one box for each.
TEST(Neuaufbau, AFullSceneGivesOneWarningNamingTheElements) {
    TMeldungsProtokoll p;
    TDokument d;
    d.Aendern([&](TListe& l) {
        for (int i = 0; l.Anzahl() < TListe::Kapazitaet; ++i) {
            auto* e = l.Neu<TEbene>();
            e->Name = "E" + std::to_string(i);
            e->Festlegung = TEbene::EPAR;
            e->Punkt = {0, 0, static_cast<Real>(i) / 10};
            e->Richtung1 = {1, 0, 0};
            e->Richtung2 = {0, 1, 0};
        }
        return true;
    });
    ASSERT_EQ(p.Eintraege.size(), 1u);
    const std::string& text = p.Eintraege[0].Text;
    EXPECT_EQ(text.rfind("Die Objekte ", 0), 0u) << text;
    EXPECT_NE(text.find(" und E99 können nicht sichtbar gemacht werden, da\r\ndie Maximalzahl der "
                        "Elemente überschritten ist!"),
              std::string::npos)
        << text;
}

// A single warning keeps its own text; different ones stand one below the other.
TEST(NeuaufbauMeldungen, OneAsItIsSeveralTogether) {
    TListe l;
    auto* e = l.Neu<TEbene>();
    e->Name = "E";
    auto* f = l.Neu<TEbene>();
    f->Name = "F";
    TNeuaufbauMeldungen eine;
    eine.NichtSichtbar(*e, SzeneVoll);
    EXPECT_EQ(eine.Text(), NichtSichtbarText(*e, SzeneVoll));
    TNeuaufbauMeldungen zwei;
    zwei.NichtSichtbar(*e, 0);
    zwei.NichtSichtbar(*f, SzeneVoll);
    EXPECT_EQ(zwei.Text(),
              NichtSichtbarText(*e, 0) + "\r\n\r\n" + NichtSichtbarText(*f, SzeneVoll));
    EXPECT_EQ(TNeuaufbauMeldungen{}.Text(), "");
}

} // namespace
