// What each element kind becomes in the scene, and the coordinate system as
// the first objects of a rebuild.

#include "SzenenHilfe.h"

#include "math/Farbe.h"
#include "math/Koordinatensystem.h"
#include "model/Liste.h"
#include "storage/Einstellungen.h"
#include "view/Ansicht.h"
#include "view/SzenenElemente.h"

#include <gtest/gtest.h>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

TSzenenEingabe Eingabe(TElementart art, TFarbe farbe = RGB(0, 0, 200), int dicke = 1) {
    TSzenenEingabe e;
    e.Art = art;
    e.Farbe = farbe;
    e.Dicke = dicke;
    return e;
}

} // namespace

TEST(SzenenElemente, PointWithFormSizeAndPen) {
    TTestSzene t(10);
    TSzenenEingabe e = Eingabe(TElementart::DfrPunkt, RGB(0, 0, 200), 3);
    e.Punkt = {1, 2, 3};
    e.Punktform = PunktformDreibein;
    const TSzenenErgebnis r = ElementInSzene(t.szene, e);
    ASSERT_EQ(r.Ergebnis, 1);
    EXPECT_EQ(r.Objekte, (std::vector<int>{1}));
    const TSzenenObjekt& o = t.szene.Objekt(1);
    EXPECT_EQ(o.Art, TObjektArt::Punkt);
    EXPECT_EQ(o.Punktform, PunktformDreibein);
    EXPECT_EQ(o.Punktgroesse, 3);
    EXPECT_EQ(o.Stift.Farbe, RGB(0, 0, 200));
    EXPECT_EQ(o.Stift.Breite, 3);
    // the tripod's lines took the lighter shade
    EXPECT_EQ(t.szene.Objekt(2).Stift.Farbe, Heller(RGB(0, 0, 200), 0.5));
}

TEST(SzenenElemente, ArrowIsASegmentWithHead) {
    TTestSzene t(10);
    TSzenenEingabe e = Eingabe(TElementart::DPfeil, RGB(200, 0, 0), 75);
    e.Punkt = {1, 1, 1};
    e.Richtung = {2, 0, 0};
    const TSzenenErgebnis r = ElementInSzene(t.szene, e);
    ASSERT_EQ(r.Ergebnis, 1);
    const TSzenenObjekt& o = t.szene.Objekt(1);
    EXPECT_EQ(o.Art, TObjektArt::Strecke);
    EXPECT_TRUE(o.Pfeil);
    EXPECT_EQ(o.Unten, 0);
    EXPECT_EQ(o.Oben, 1);
    EXPECT_EQ(o.Stift.Breite, 75);
    ErwarteNah(o.Pfeilspitze[0], {3, 1, 1});
}

TEST(SzenenElemente, SegmentAndLine) {
    TTestSzene t(10);
    TSzenenEingabe s = Eingabe(TElementart::DStrecke);
    s.Punkt = {0, 0, 0};
    s.Richtung = {0, 3, 0};
    ASSERT_EQ(ElementInSzene(t.szene, s).Ergebnis, 1);
    EXPECT_FALSE(t.szene.Objekt(1).Pfeil);
    EXPECT_EQ(t.szene.Objekt(1).Art, TObjektArt::Strecke);

    TSzenenEingabe g = Eingabe(TElementart::DGerade, RGB(0, 128, 0), 75);
    g.Punkt = {0, 0, 1};
    g.Richtung = {1, 1, 0};
    g.MitRand = true;
    ASSERT_EQ(ElementInSzene(t.szene, g).Ergebnis, 2);
    EXPECT_EQ(t.szene.Objekt(2).Art, TObjektArt::Gerade);
    EXPECT_TRUE(t.szene.Objekt(2).WeisserRand);
    EXPECT_EQ(t.szene.Objekt(2).Stift.Farbe, RGB(0, 128, 0));

    g.Punkt = {0, 0, 30};
    const TSzenenErgebnis aussen = ElementInSzene(t.szene, g);
    EXPECT_EQ(aussen.Ergebnis, SzeneAusserhalb);
    EXPECT_TRUE(aussen.Objekte.empty());
}

TEST(SzenenElemente, PlaneWithDarkerEdgesFillAndTransparency) {
    TTestSzene t(10);
    TSzenenEingabe e = Eingabe(TElementart::DEbene, RGB(255, 230, 120), 100);
    e.Punkt = {0, 0, 1};
    e.Richtung = {1, 0, 0};
    e.Richtung2 = {0, 1, 0};
    e.Transparenz = 3;
    const TSzenenErgebnis r = ElementInSzene(t.szene, e);
    ASSERT_EQ(r.Ergebnis, 1);
    EXPECT_EQ(r.Objekte, (std::vector<int>{1}));
    const TSzenenObjekt& o = t.szene.Objekt(1);
    EXPECT_EQ(o.FuellFarbe, RGB(255, 230, 120));
    EXPECT_EQ(o.Schraffur, SchraffurKeine);
    EXPECT_EQ(o.Transparenz, 3);
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(t.szene.Objekt(i).Stift.Farbe, Dunkler(RGB(255, 230, 120), 0.3));
        EXPECT_EQ(t.szene.Objekt(i).Stift.Breite, 100);
    }
    e.Richtung2 = {3, 0, 0};
    EXPECT_EQ(ElementInSzene(t.szene, e).Ergebnis, SzeneParallel);
}

TEST(SzenenElemente, TriangleAndPyramidAreTheirEdges) {
    TTestSzene t(10);
    TSzenenEingabe d = Eingabe(TElementart::DDreieck);
    d.Ecken = {TTripel{0, 0, 0}, TTripel{2, 0, 0}, TTripel{0, 2, 0}};
    const TSzenenErgebnis r = ElementInSzene(t.szene, d);
    EXPECT_EQ(r.Ergebnis, 1);
    EXPECT_EQ(r.Objekte, (std::vector<int>{1, 2, 3}));
    // A -> B, A -> C, B -> C
    ErwarteNah(GeradenPunkt(t.szene.Objekt(2).Basis, t.szene.Objekt(2).Richtung, 1), {0, 2, 0});
    ErwarteNah(t.szene.Objekt(3).Basis, {2, 0, 0});

    TSzenenEingabe p = Eingabe(TElementart::DPyramide3);
    p.Ecken = d.Ecken;
    p.Spitze = {0, 0, 3};
    const TSzenenErgebnis q = ElementInSzene(t.szene, p);
    EXPECT_EQ(q.Objekte, (std::vector<int>{4, 5, 6, 7, 8, 9}));
    ErwarteNah(GeradenPunkt(t.szene.Objekt(9).Basis, t.szene.Objekt(9).Richtung, 1), {0, 0, 3});
    for (int i = 4; i <= 9; ++i)
        EXPECT_EQ(t.szene.Objekt(i).Stift.Farbe, RGB(0, 0, 200));
}

TEST(SzenenElemente, TriangleWithAnEdgeOutsideHidesTheOthers) {
    TTestSzene t(10);
    TSzenenEingabe d = Eingabe(TElementart::DDreieck);
    // B -> C lies wholly outside the sphere, A -> B and A -> C reach into it
    d.Ecken = {TTripel{0, 0, 0}, TTripel{40, 0, 0}, TTripel{0, 40, 0}};
    const TSzenenErgebnis r = ElementInSzene(t.szene, d);
    EXPECT_EQ(r.Ergebnis, SzeneAusserhalb);
    EXPECT_TRUE(r.Objekte.empty());
    ASSERT_EQ(t.szene.Objektzahl(), 2);
    EXPECT_FALSE(t.szene.Objekt(1).Gezeigt);
    EXPECT_FALSE(t.szene.Objekt(2).Gezeigt);
}

TEST(SzenenElemente, VectorIsNeverDrawn) {
    TTestSzene t(10);
    const TSzenenErgebnis r = ElementInSzene(t.szene, Eingabe(TElementart::DVektor));
    EXPECT_EQ(r.Ergebnis, SzeneOhneBild);
    EXPECT_TRUE(r.Objekte.empty());
    EXPECT_EQ(t.szene.Objektzahl(), 0);
}

TEST(SzenenElemente, FullSceneIsReported) {
    TTestSzene t(10);
    for (int i = 0; i < MaxSzenenObjekte; ++i)
        t.szene.PunktHinzufuegen({0, 0, 0});
    TSzenenEingabe p = Eingabe(TElementart::DfrPunkt);
    EXPECT_EQ(ElementInSzene(t.szene, p).Ergebnis, SzeneVoll);
}

TEST(SzenenElemente, AttributesComeFromTheElement) {
    TListe liste;
    auto* g = static_cast<TGerade*>(liste.Neu(TElementart::DGerade));
    ASSERT_NE(g, nullptr);
    g->Farbe = RGB(1, 2, 3);
    g->Dicke = 75;
    g->MitRand = true;
    TSzenenEingabe e = SzenenEingabe(*g);
    EXPECT_EQ(e.Art, TElementart::DGerade);
    EXPECT_EQ(e.Farbe, RGB(1, 2, 3));
    EXPECT_EQ(e.Dicke, 75);
    EXPECT_TRUE(e.MitRand);
    auto* p = static_cast<TfrPunkt*>(liste.Neu(TElementart::DfrPunkt));
    p->Punktform = PunktformZickzack;
    p->Dicke = 2;
    e = SzenenEingabe(*p);
    EXPECT_EQ(e.Punktform, PunktformZickzack);
    EXPECT_EQ(e.Dicke, 2);
    auto* ebene = liste.Neu(TElementart::DEbene);
    ebene->Transparenz = 4;
    EXPECT_EQ(SzenenEingabe(*ebene).Transparenz, 4);
}

TEST(SzenenElemente, AuxiliaryLineOfAMappedPoint) {
    TTestSzene t(10);
    const int nr = HilfslinieInSzene(t.szene, {1, 1, 1}, {3, 1, 1}, RGB(144, 144, 144),
                                     TStiftStil::Gestrichelt);
    ASSERT_EQ(nr, 1);
    EXPECT_EQ(t.szene.Objekt(1).Art, TObjektArt::Strecke);
    EXPECT_EQ(t.szene.Objekt(1).Stift.Stil, TStiftStil::Gestrichelt);
    EXPECT_EQ(t.szene.Objekt(1).Stift.Farbe, RGB(144, 144, 144));
    EXPECT_EQ(HilfslinieInSzene(t.szene, {1, 1, 1}, {1, 1, 1}, 0, TStiftStil::Gestrichelt),
              SzeneAusserhalb);
}

TEST(KoordinatensystemSzene, DefaultSystemOfANewWindow) {
    TStandardEinstellungen einst;
    TKoordinatensystem ks = KoordinatensystemFuerNeuesFenster(einst);
    TWeltAbbildung abb;
    tGSzene szene(abb);
    ZeichenfensterEinrichten(ks, abb, szene);
    KoordinatensystemInSzene(szene, ks);
    // three axes, then the xy plane with its four edges
    ASSERT_EQ(szene.Objektzahl(), 8);
    for (int i = 1; i <= 3; ++i) {
        const TSzenenObjekt& a = szene.Objekt(i);
        EXPECT_EQ(a.Art, TObjektArt::Achse);
        EXPECT_EQ(a.Achse, "XYZ"[i - 1]);
        EXPECT_TRUE(a.NameSichtbar);
        EXPECT_EQ(a.Stift.Farbe, RGB(255, 100, 100));
        EXPECT_EQ(a.Skalierung, 4);
        EXPECT_EQ(a.Strichzahl, 7);
        EXPECT_TRUE(a.Beschriftung);
        EXPECT_EQ(a.Unten, -2.2L);
        EXPECT_EQ(a.Oben, 11);
    }
    const TSzenenObjekt& xy = szene.Objekt(4);
    EXPECT_EQ(xy.Art, TObjektArt::KoordEbene);
    EXPECT_EQ(xy.FuellFarbe, RGB(255, 224, 224));
    EXPECT_EQ(xy.Transparenz, 1);
    EXPECT_EQ(szene.Objekt(5).Stift.Farbe, Dunkler(RGB(255, 224, 224), 0.1));
    // the xy plane cuts the z-axis at the origin
    int zStuecke = 0;
    for (int i = 1; i <= szene.Stueckzahl(); ++i)
        zStuecke += szene.Stueck(i).Objekt == 3;
    EXPECT_EQ(zStuecke, 2);
}

TEST(KoordinatensystemSzene, OnlyTheDrawnPartsAreAdded) {
    TKoordinatensystem ks;
    ks.Achsen[1].Zeichnen = false;
    ks.Ebenen[TKoordinatensystem::YZ].Zeichnen = true;
    ks.Ebenen[TKoordinatensystem::YZ].Transparenz = 4;
    ks.Skalierung = 0;
    ks.Achsenbeschriftung = false;
    ks.AbgeleiteteDatenBerechnen();
    TTestSzene t(7);
    KoordinatensystemInSzene(t.szene, ks);
    ASSERT_EQ(t.szene.Objektzahl(), 2 + 5);
    EXPECT_EQ(t.szene.Objekt(2).Achse, 'Z');
    EXPECT_FALSE(t.szene.Objekt(2).Striche);
    EXPECT_FALSE(t.szene.Objekt(2).Beschriftung);
    const TSzenenObjekt& yz = t.szene.Objekt(3);
    EXPECT_EQ(yz.Transparenz, 4);
    // the yz plane spans y from -1 to 7 and z from -1 to 7 at x = 0
    const TStueck& s = t.szene.Stueck(t.Stuecke(3).front());
    for (int k = 0; k < s.Eckenzahl; ++k)
        EXPECT_EQ(s.Ecken[k].x, 0);
}
