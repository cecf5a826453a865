#include "model/Liste.h"
#include "storage/Einstellungen.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace kalvorin;

namespace {
// Each test starts from the program's defaults and leaves them so.
class ElementTest : public ::testing::Test {
protected:
    void TearDown() override { Einstellungen() = TStandardEinstellungen{}; }
};
} // namespace

TEST_F(ElementTest, NewElementsOfEveryKindHaveTheCommonDefaults) {
    TListe liste;
    for (int art : {0, 2, 3, 4, 5, 6, 7, 8}) {
        TDreiDBasisElement* e = liste.Neu(static_cast<TElementart>(art));
        ASSERT_NE(e, nullptr) << art;
        EXPECT_EQ(e->ArtNummer(), art);
        EXPECT_EQ(e->Nummer, liste.LaufenderZaehler());
        EXPECT_TRUE(e->Szenenobjekte.none());
        EXPECT_EQ(e->Entstehung.Art, TEntstehungsart::keine);
        for (bool r : e->Rollen)
            EXPECT_FALSE(r);
        EXPECT_EQ(e->Streckungsfaktor, 1.0L);
        EXPECT_EQ(e->Projektionsvektor, nullptr);
        EXPECT_EQ(e->Dicke, 1);
        EXPECT_TRUE(e->sichtbar);
        EXPECT_FALSE(e->markiert);
        EXPECT_FALSE(e->fest);
        EXPECT_EQ(e->Festlegung, 0);
        EXPECT_TRUE(e->Name.empty());
    }
}

TEST_F(ElementTest, DefaultsComeFromTheSettingsButVectorsStartBlack) {
    Einstellungen().Farbe = RGB(10, 20, 30);
    Einstellungen().Punktform = 3;
    Einstellungen().NameSichtbar = false;
    Einstellungen().HilfslinienEinzeichnen = false;
    Einstellungen().MitWeissrand = false;
    TListe liste;
    auto* p = liste.Neu<TfrPunkt>();
    auto* v = liste.Neu<TVektor>();
    auto* g = liste.Neu<TGerade>();
    EXPECT_EQ(p->Farbe, RGB(10, 20, 30));
    EXPECT_EQ(p->Punktform, 3);
    EXPECT_FALSE(p->NameSichtbar);
    EXPECT_FALSE(p->Hilfslinien);
    EXPECT_EQ(v->Farbe, Schwarz);
    EXPECT_FALSE(g->MitRand);
}

TEST_F(ElementTest, KindAndDerivationNamesAsStoredInFiles) {
    EXPECT_EQ(ElementartName(0), "DfrPunkt");
    EXPECT_EQ(ElementartName(1), "DgebPunkt");
    EXPECT_EQ(ElementartName(7), "DPyramide3");
    EXPECT_EQ(ElementartName(9), "DWinkel");
    EXPECT_EQ(ElementartName(12), "DKugel");
    EXPECT_EQ(ElementartName(13), "DKreis");
    EXPECT_EQ(ElementartName(14), "DPSchar");
    EXPECT_EQ(ElementartName(17), "DEschar");
    EXPECT_EQ(ElementartName(18), "DViereck");
    EXPECT_EQ(ElementartName(19), "DPyramide4");
    EXPECT_EQ(ElementartName(20), "");
    EXPECT_FALSE(HatElementklasse(9));
    EXPECT_FALSE(HatElementklasse(14));
    EXPECT_TRUE(HatElementklasse(12));
    EXPECT_TRUE(HatElementklasse(18));
    EXPECT_TRUE(HatElementklasse(19));
    EXPECT_EQ(EntstehungsartName(8), "O_Projektion");
    EXPECT_EQ(EntstehungsartName(17), "MittelEbene");
    EXPECT_EQ(EntstehungsartName(23), "Antragen");
    EXPECT_EQ(EntstehungsartName(26), "Tangentialebene");
    EXPECT_EQ(EntstehungsartName(27), "");
    EXPECT_EQ(RollenName(TRolle::IstP_ProjektionsVektor), "IstP_ProjektionsVektor");
    EXPECT_TRUE(IstAbbildungsEntstehung(TEntstehungsart::P_Projektion));
    EXPECT_FALSE(IstAbbildungsEntstehung(TEntstehungsart::Drehung));
}

TEST_F(ElementTest, TypedAccessRefusesTheWrongClass) {
    TListe liste;
    TDreiDBasisElement* e = liste.Neu(TElementart::DGerade);
    EXPECT_NO_THROW(Als<TGerade>(*e));
    EXPECT_THROW(Als<TEbene>(*e), std::logic_error);
    EXPECT_TRUE(Ist<TGerade>(e));
    EXPECT_FALSE(Ist<TGerade>(nullptr));
}

TEST_F(ElementTest, ArrowVectorDependsOnItsMode) {
    TListe liste;
    auto* a = liste.Neu<TfrPunkt>();
    auto* b = liste.Neu<TfrPunkt>();
    auto* pf = liste.Neu<TPfeil>();
    auto* v = liste.Neu<TVektor>();
    pf->Bezuege = {a, b, v};
    EXPECT_EQ(pf->Vektor(), v);
    EXPECT_EQ(pf->Spitze(), b);
    pf->Festlegung = TPfeil::PfPV;
    pf->Bezuege = {a, v, nullptr};
    EXPECT_EQ(pf->Vektor(), v);
    EXPECT_EQ(pf->Spitze(), nullptr);
}
