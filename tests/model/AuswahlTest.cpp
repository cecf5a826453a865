#include "model/Auswahl.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

// A point, a line, a plane, a segment, a triangle and a pyramid are taken
// by kind in list order; unmarked ones are not.
TEST(Auswahl, MarkedElementsByKindInListOrder) {
    TListe liste;
    auto* p1 = liste.Neu<TfrPunkt>();
    auto* g = liste.Neu<TGerade>();
    auto* p2 = liste.Neu<TfrPunkt>();
    auto* e = liste.Neu<TEbene>();
    auto* s = liste.Neu<TStrecke>();
    auto* d = liste.Neu<TDreieck>();
    auto* y = liste.Neu<TPyramide3>();
    auto* unmarkiert = liste.Neu<TfrPunkt>();
    for (TDreiDBasisElement* x : TAuswahl::Elemente{p1, g, p2, e, s, d, y})
        x->markiert = true;
    unmarkiert->markiert = false;
    const TAuswahl a(liste);
    EXPECT_EQ(a.P, (TAuswahl::Elemente{p1, p2}));
    EXPECT_EQ(a.G, TAuswahl::Elemente{g});
    EXPECT_EQ(a.E, TAuswahl::Elemente{e});
    EXPECT_EQ(a.S, TAuswahl::Elemente{s});
    EXPECT_EQ(a.D, TAuswahl::Elemente{d});
    EXPECT_EQ(a.Y, TAuswahl::Elemente{y});
    EXPECT_TRUE(a.V.empty());
}

// An arrow is taken as its vector, unless that is marked itself; an arrow
// without a vector as itself.
TEST(Auswahl, ArrowStandsForItsVector) {
    TListe liste;
    auto* a = liste.Neu<TfrPunkt>();
    auto* b = liste.Neu<TfrPunkt>();
    auto* v = liste.Neu<TVektor>();
    auto* pf = liste.Neu<TPfeil>();
    pf->Bezuege = {a, b, v};
    pf->markiert = true;
    EXPECT_EQ(TAuswahl(liste).V, TAuswahl::Elemente{v});
    v->markiert = true;
    EXPECT_EQ(TAuswahl(liste).V, TAuswahl::Elemente{v}); // once, not twice

    TListe kaputt;
    auto* ohne = kaputt.Neu<TPfeil>();
    ohne->Festlegung = TPfeil::PfPV;
    ohne->Bezuege = {nullptr, nullptr, nullptr};
    ohne->markiert = true;
    EXPECT_EQ(TAuswahl(kaputt).V, TAuswahl::Elemente{ohne});
}

} // namespace
