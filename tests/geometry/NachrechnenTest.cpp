#include "geometry/Nachrechnen.h"

#include "Dokument.h"
#include "geometry/Abbildung.h"
#include "geometry/Fehlercodes.h"

using namespace kalvorin;
using kalvorin::test::ErwarteTripel;
using kalvorin::test::TDokument;

namespace {
void Ableiten(TDreiDBasisElement* e, TEntstehungsart art, TDreiDBasisElement* q1,
              TDreiDBasisElement* q2 = nullptr, TDreiDBasisElement* q3 = nullptr) {
    e->Entstehung.Art = art;
    e->Entstehung.Elemente[0].Element = q1;
    e->Entstehung.Elemente[1].Element = q2;
    e->Entstehung.Elemente[2].Element = q3;
}
} // namespace

TEST(Nachrechnen, AnIntersectionPointFollowsItsLines) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 0}, {1, 0, 0});
    auto* h = d.G("h", {2, 1, 0}, {0, 1, 0});
    auto* s = d.P("S", {});
    Ableiten(s, TEntstehungsart::Schnitt, g, h);
    int fehler = -1;
    ASSERT_EQ(AbgeleitetesNachrechnen(*s, &fehler), TNachrechnung::Neu);
    EXPECT_EQ(fehler, 0);
    EXPECT_EQ(s->Koordinaten, (TTripel{2, 0, 0}));
    h->Punkt = {5, 1, 0};
    ASSERT_EQ(AbgeleitetesNachrechnen(*s), TNachrechnung::Neu);
    EXPECT_EQ(s->Koordinaten, (TTripel{5, 0, 0}));
}

TEST(Nachrechnen, AnIntersectionThatNoLongerMeetsBecomesIndependent) {
    TDokument d;
    auto* g = d.G("g", {0, 0, 1}, {1, 0, 0});
    auto* e = d.EPAR("E", {}, {1, 0, 0}, {0, 1, 0});
    auto* s = d.P("S", {});
    Ableiten(s, TEntstehungsart::Schnitt, g, e);
    g->Richtung = {1, 0, 1};
    ASSERT_EQ(AbgeleitetesNachrechnen(*s), TNachrechnung::Neu);
    EXPECT_EQ(s->Koordinaten, (TTripel{-1, 0, 0}));
    g->Richtung = {1, 1, 0}; // parallel to the plane now
    int fehler = 0;
    EXPECT_EQ(AbgeleitetesNachrechnen(*s, &fehler), TNachrechnung::Fehlgeschlagen);
    EXPECT_EQ(fehler, 2);
    EXPECT_EQ(s->Entstehung.Art, TEntstehungsart::keine);
    EXPECT_EQ(s->Koordinaten, (TTripel{-1, 0, 0}));
}

TEST(Nachrechnen, AnIntersectionLineMustStayALine) {
    TDokument d;
    auto* e = d.EPAR("E", {}, {1, 0, 0}, {0, 1, 0});
    auto* f = d.EPAR("F", {}, {0, 1, 0}, {0, 0, 1});
    auto* g = d.G("g", {}, {});
    Ableiten(g, TEntstehungsart::Schnitt, e, f);
    ASSERT_EQ(AbgeleitetesNachrechnen(*g), TNachrechnung::Neu);
    EXPECT_EQ(g->Festlegung, TGerade::GPAR);
    EXPECT_TRUE(IstNullvektor(Kreuzprodukt(g->Richtung, {0, 1, 0})));

    // a point "Schnitt" of two planes cannot be: the result is a line
    auto* p = d.P("P", {7, 7, 7});
    Ableiten(p, TEntstehungsart::Schnitt, e, f);
    int fehler = 0;
    EXPECT_EQ(AbgeleitetesNachrechnen(*p, &fehler), TNachrechnung::Fehlgeschlagen);
    EXPECT_EQ(fehler, FehlerArtGeaendert);
    EXPECT_EQ(p->Koordinaten, (TTripel{7, 7, 7}));
}

TEST(Nachrechnen, ConstructionsFollowTheirSources) {
    TDokument d;
    auto* a = d.P("A", {0, 0, 0});
    auto* b = d.P("B", {2, 2, 2});
    auto* m = d.P("M", {});
    Ableiten(m, TEntstehungsart::Mittelpunkt, a, b);
    auto* v = d.V("v", {1, 0, 0});
    auto* w = d.V("w", {0, 1, 0});
    auto* n = d.V("n", {});
    Ableiten(n, TEntstehungsart::VProdukt, v, w);
    auto* e = d.EPAR("E", {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    auto* lot = d.G("l", {}, {});
    Ableiten(lot, TEntstehungsart::LotPE, b, e);

    for (TDreiDBasisElement* x :
         {static_cast<TDreiDBasisElement*>(m), static_cast<TDreiDBasisElement*>(n),
          static_cast<TDreiDBasisElement*>(lot)})
        ASSERT_EQ(AbgeleitetesNachrechnen(*x), TNachrechnung::Neu) << x->Name;
    EXPECT_EQ(m->Koordinaten, (TTripel{1, 1, 1}));
    EXPECT_EQ(n->Komponenten, (TTripel{0, 0, 1}));
    EXPECT_EQ(lot->Punkt, (TTripel{2, 2, 2}));

    // the perpendicular foot on the line: error 31 makes it independent
    auto* g = d.G("g", {0, 0, 0}, {1, 1, 1});
    auto* lg = d.G("lg", {}, {});
    Ableiten(lg, TEntstehungsart::LotPG, b, g);
    int fehler = 0;
    EXPECT_EQ(AbgeleitetesNachrechnen(*lg, &fehler), TNachrechnung::Fehlgeschlagen);
    EXPECT_EQ(fehler, FehlerPunktAufGerade);
}

TEST(Nachrechnen, ImagesFollowTheirOriginals) {
    TDokument d;
    auto* z = d.P("Z", {0, 0, 0});
    auto* p = d.P("P", {1, 2, 3});
    const TAbbildErgebnis r = AbbildErzeugen(d.Liste, *p, AbbildungVonElement(3, *z));
    ASSERT_EQ(r.Fehler, 0);
    p->Koordinaten = {4, 4, 4};
    ASSERT_EQ(AbgeleitetesNachrechnen(*r.Bild), TNachrechnung::Neu);
    ErwarteTripel(static_cast<TfrPunkt*>(r.Bild)->Koordinaten, {-4, -4, -4});
}

struct OhneRegel {
    const char* Name;
    int Art;
    TEntstehungsart Code;
};

class NachrechnenOhneRegel : public ::testing::TestWithParam<OhneRegel> {};

TEST_P(NachrechnenOhneRegel, KeepsTheNumbersAndTheDerivation) {
    TDokument d;
    auto* a = d.P("A", {1, 0, 0});
    auto* b = d.P("B", {0, 1, 0});
    auto* e = d.Liste.Neu(static_cast<TElementart>(GetParam().Art));
    e->Name = "X";
    Ableiten(e, GetParam().Code, a, b);
    e->Entstehung.Originalelement = a;
    EXPECT_EQ(AbgeleitetesNachrechnen(*e), TNachrechnung::KeineRegel);
    EXPECT_EQ(e->Entstehung.Art, GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, NachrechnenOhneRegel,
    ::testing::Values(OhneRegel{"NichtAbgeleitet", 0, TEntstehungsart::keine},
                      OhneRegel{"TeilPunkt", 0, TEntstehungsart::TeilPunkt},
                      OhneRegel{"SMult", 2, TEntstehungsart::SMult},
                      OhneRegel{"EbeneOProjektion", 8, TEntstehungsart::O_Projektion},
                      OhneRegel{"EbenePProjektion", 8, TEntstehungsart::P_Projektion},
                      OhneRegel{"Drehung", 0, TEntstehungsart::Drehung},
                      OhneRegel{"PunktAlsLot", 0, TEntstehungsart::LotPE},
                      OhneRegel{"StreckeAlsMitte", 4, TEntstehungsart::Mittelpunkt},
                      OhneRegel{"DreieckAlsSchnitt", 6, TEntstehungsart::Schnitt}),
    [](const auto& info) { return std::string(info.param.Name); });
