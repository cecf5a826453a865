#include "model/Markierung.h"

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(Markierung, ArrowCountsAsItsVectorUnlessThatIsMarked) {
    TListe liste;
    auto* a = liste.Neu<TfrPunkt>();
    auto* b = liste.Neu<TfrPunkt>();
    auto* pf = liste.Neu<TPfeil>();
    auto* v = liste.Neu<TVektor>();
    pf->Bezuege = {a, b, v};
    pf->markiert = true;
    a->markiert = true;
    auto z = MarkierteJeArt(liste);
    EXPECT_EQ(z[0], 1);
    EXPECT_EQ(z[2], 1);
    EXPECT_EQ(z[3], 0);
    v->markiert = true;
    z = MarkierteJeArt(liste);
    EXPECT_EQ(z[2], 1); // one vector, not two
    EXPECT_EQ(z[3], 0);

    auto* pv = liste.Neu<TPfeil>();
    pv->Festlegung = TPfeil::PfPV;
    pv->Bezuege = {a, v, nullptr};
    pv->markiert = true;
    EXPECT_EQ(MarkierteJeArt(liste)[2], 1);
    v->markiert = false;
    EXPECT_EQ(MarkierteJeArt(liste)[2], 2);
}
