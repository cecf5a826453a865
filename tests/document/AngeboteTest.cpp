#include "befehle/Angebote.h"
#include "model/Markierung.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace kalvorin;

namespace {
TDreiDBasisElement* Markiert(TListe& l, TElementart art, const std::string& name = "") {
    auto* e = l.Neu(art);
    e->Name = name.empty() ? l.AutomatischerName(art) : name;
    e->markiert = true;
    return e;
}
} // namespace

TEST(Angebote, PatternTexts) {
    TListe l;
    Markiert(l, TElementart::DfrPunkt);
    Markiert(l, TElementart::DfrPunkt);
    Markiert(l, TElementart::DGerade);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_EQ(a.StandardMuster, "2-1---");
    EXPECT_EQ(a.LangMuster, "2-1----");
    EXPECT_EQ(a.KurzMuster, "2-1-");
    std::array<int, AnzahlElementarten> z{};
    z[0] = 12;
    z[7] = 1;
    EXPECT_EQ(MarkierungsMuster(z, 7), "9-----1");
}

TEST(Angebote, NothingMarkedOffersNothing) {
    TListe l;
    l.Neu(TElementart::DfrPunkt);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_EQ(a.StandardMuster, "------");
    for (const TAngebot& b : a.Befehle)
        EXPECT_FALSE(b.aktiv) << b.Menue;
    EXPECT_EQ(a[TBefehl::Schneiden].Menue, "&Schneiden");
    EXPECT_EQ(a[TBefehl::MessLaenge].Menue, "&Länge");
    EXPECT_EQ(a[TBefehl::Spiegelung].Menue, "S&piegelung festlegen");
    EXPECT_FALSE(a.AbbildungsTrenner);
}

// The reset captions: menu item, view popup, list popup; a command without
// popup items has no popup caption.
TEST(Angebote, ResetCaptionsOfEveryCommand) {
    struct TGrund {
        TBefehl Befehl;
        const char *Menue, *Grafik, *Liste;
    };
    const TGrund erwartet[] = {
        {TBefehl::ErzPunkt, "&Punkt", "P&unkt durch markierte Objekte festlegen",
         "&Punkt festlegen"},
        {TBefehl::ErzGerade, "&Gerade", "Ge&rade durch markierte Objekte festlegen",
         "&Gerade festlegen"},
        {TBefehl::ErzEbene, "&Ebene", "Ebe&ne durch markierte Objekte festlegen",
         "&Ebene festlegen"},
        {TBefehl::ErzStrecke, "&Strecke", "S&trecke durch markierte Objekte festlegen",
         "&Strecke festlegen"},
        {TBefehl::ErzPfeil, "P&feil", "Pfe&il durch markierte Objekte festlegen",
         "P&feil festlegen"},
        {TBefehl::ErzVektor, "&Vektor", "Vekt&or durch markierte Objekte festlegen",
         "&Vektor festlegen"},
        {TBefehl::ErzDreieck, "&Dreieck", "Dreie&ck durch markierte Objekte festlegen",
         "&Dreieck festlegen"},
        {TBefehl::ErzPyramide, "P&yramide", "Pyr&amide durch markierte Objekte festlegen",
         "P&yramide festlegen"},
        {TBefehl::Schneiden, "&Schneiden", "Sc&hneiden", "Sc&hneiden"},
        {TBefehl::Loteerzeugen, "&Lot erzeugen", "&Lot erzeugen", "&Lot erzeugen"},
        {TBefehl::Mittebilden, "&Mitte bilden", "&Mitte bilden", "Mi&tte bilden"},
        {TBefehl::Verknuepfen, "&Verknüpfen", "", ""},
        {TBefehl::VSumme, "&Vektorsumme", "", ""},
        {TBefehl::VGegen, "&Gegenvektor", "", ""},
        {TBefehl::MVProdukt, "Vektor&produkt", "", ""},
        {TBefehl::Tangentialebene, "&Tangentialebene", "", ""},
        {TBefehl::Spiegelung, "S&piegelung festlegen", "", ""},
        {TBefehl::MStreckung, "S&treckung festlegen", "", ""},
        {TBefehl::Projektion, "P&rojektion festlegen", "", ""},
        {TBefehl::MessWinkel, "&Winkel", "", ""},
        {TBefehl::MessLaenge, "&Länge", "", ""},
        {TBefehl::MessFlaeche, "&Fläche", "", ""},
        {TBefehl::MessVolumen, "&Volumen", "", ""},
    };
    static_assert(std::size(erwartet) == AnzahlBefehle);
    const TListe l;
    const TAngebote a = BerechneAngebote(l);
    for (const TGrund& g : erwartet) {
        EXPECT_EQ(a[g.Befehl].Menue, g.Menue);
        EXPECT_EQ(a[g.Befehl].GrafikPopup, g.Grafik) << g.Menue;
        EXPECT_EQ(a[g.Befehl].ListenPopup, g.Liste) << g.Menue;
    }
}

TEST(Angebote, TenPointsMatchNoRow) {
    TListe l;
    for (int i = 0; i < 10; ++i)
        Markiert(l, TElementart::DfrPunkt);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_EQ(a.StandardMuster, "9-----");
    for (const TAngebot& b : a.Befehle)
        EXPECT_FALSE(b.aktiv);
}

TEST(Angebote, ArrowAloneAndWithItsVectorCountAsOneVector) {
    TListe l;
    auto* a = l.Neu(TElementart::DfrPunkt);
    auto* b = l.Neu(TElementart::DfrPunkt);
    auto* pf = l.Neu(TElementart::DPfeil);
    auto* v = l.Neu(TElementart::DVektor);
    pf->Bezuege = {a, b, v};
    pf->markiert = true;
    EXPECT_EQ(StandardMuster(l), "-1----");
    v->markiert = true;
    EXPECT_EQ(StandardMuster(l), "-1----");
    const TAngebote x = BerechneAngebote(l);
    EXPECT_TRUE(x[TBefehl::VGegen].aktiv);
    EXPECT_TRUE(x[TBefehl::Verknuepfen].aktiv);
    EXPECT_FALSE(x[TBefehl::VSumme].aktiv);
    EXPECT_EQ(x[TBefehl::MessLaenge].Menue, "&Betrag");
}

TEST(Angebote, PointAndPlane) {
    TListe l;
    Markiert(l, TElementart::DfrPunkt);
    Markiert(l, TElementart::DEbene);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_TRUE(a[TBefehl::Schneiden].aktiv);
    EXPECT_EQ(a[TBefehl::Schneiden].Menue, "Auf &Inzidenz untersuchen");
    EXPECT_EQ(a[TBefehl::Schneiden].GrafikPopup, "Auf Inzidenz untersuc&hen");
    EXPECT_EQ(a[TBefehl::Loteerzeugen].Menue, "&Lotgerade bilden");
    EXPECT_TRUE(a[TBefehl::MessLaenge].aktiv);
    EXPECT_EQ(a[TBefehl::MessLaenge].Menue, "&Abstand");
    EXPECT_FALSE(a[TBefehl::Mittebilden].aktiv);
    EXPECT_FALSE(a[TBefehl::Mittebilden].InPopupsSichtbar());
}

TEST(Angebote, TwoLines) {
    TListe l;
    Markiert(l, TElementart::DGerade);
    Markiert(l, TElementart::DGerade);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_EQ(a[TBefehl::Schneiden].Menue, "&Schnittpunkt bilden");
    EXPECT_EQ(a[TBefehl::Loteerzeugen].Menue, "&Lotgerade bilden");
    EXPECT_EQ(a[TBefehl::Mittebilden].Menue, "&Mittelgerade bilden");
    EXPECT_TRUE(a[TBefehl::ErzEbene].aktiv);
    EXPECT_TRUE(a[TBefehl::ErzEbene].InPopupsSichtbar());
    EXPECT_TRUE(a[TBefehl::MessWinkel].aktiv);
    EXPECT_EQ(a[TBefehl::MessLaenge].Menue, "&Abstand");
}

TEST(Angebote, VectorCaptionsFollowTheLetter) {
    TListe l;
    Markiert(l, TElementart::DGerade);
    TAngebote a = BerechneAngebote(l);
    EXPECT_EQ(a[TBefehl::ErzVektor].Menue, "&Richtungsvektor");
    EXPECT_EQ(a[TBefehl::ErzVektor].GrafikPopup,
              "Richtungsvekt&or durch markierte Objekte festlegen");
    EXPECT_EQ(a[TBefehl::ErzVektor].ListenPopup, "&Richtungsvektor festlegen");
    TListe e;
    Markiert(e, TElementart::DEbene);
    a = BerechneAngebote(e);
    EXPECT_EQ(a[TBefehl::ErzVektor].Menue, "&Normalvektor");
    EXPECT_EQ(a[TBefehl::Spiegelung].Menue, "Ebenens&piegelung festlegen");
    EXPECT_EQ(a[TBefehl::Projektion].Menue, "O&rthogonalprojektion festlegen");
    TListe p;
    Markiert(p, TElementart::DfrPunkt);
    Markiert(p, TElementart::DfrPunkt);
    a = BerechneAngebote(p);
    EXPECT_EQ(a[TBefehl::ErzVektor].Menue, "&Vektor");
    EXPECT_EQ(a[TBefehl::Mittebilden].Menue, "&Mittelpunkt bilden");
}

TEST(Angebote, PointAndVectorsOfferTheArrowSum) {
    TListe l;
    Markiert(l, TElementart::DfrPunkt);
    Markiert(l, TElementart::DVektor);
    Markiert(l, TElementart::DVektor);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_EQ(a.StandardMuster, "12----");
    EXPECT_EQ(a[TBefehl::VSumme].Menue, "&Vektorsumme (Pfeil)");
    EXPECT_TRUE(a[TBefehl::VSumme].aktiv);
    EXPECT_FALSE(a[TBefehl::MVProdukt].aktiv);
    EXPECT_TRUE(a[TBefehl::ErzEbene].aktiv);
}

TEST(Angebote, LineAndPlaneEnableLengthUnderItsResetCaption) {
    TListe l;
    Markiert(l, TElementart::DGerade);
    Markiert(l, TElementart::DEbene);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_TRUE(a[TBefehl::MessLaenge].aktiv);
    EXPECT_EQ(a[TBefehl::MessLaenge].Menue, "&Länge");
    EXPECT_TRUE(a[TBefehl::MessWinkel].aktiv);
}

TEST(Angebote, ApplyItemsNameTheLastRoleCarrier) {
    TListe l;
    auto* z1 = l.Neu(TElementart::DfrPunkt);
    z1->Name = "Z1";
    z1->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    auto* z2 = l.Neu(TElementart::DfrPunkt);
    z2->Name = "Z2";
    z2->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    auto* e = l.Neu(TElementart::DEbene);
    e->Name = "E";
    e->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    const TAngebote a = BerechneAngebote(l);
    EXPECT_TRUE(a.AbbildungsTrenner);
    EXPECT_TRUE(a[TAbbildungsBefehl::Pspiegeln].sichtbar);
    EXPECT_EQ(a[TAbbildungsBefehl::Pspiegeln].Menue, "P&unktspiegelung an Z2");
    EXPECT_EQ(a[TAbbildungsBefehl::Pspiegeln].Element, z2);
    EXPECT_EQ(a[TAbbildungsBefehl::Pprojezieren].Menue, "Par&allelprojektion auf E");
    EXPECT_FALSE(a[TAbbildungsBefehl::Strecken].sichtbar);
}
