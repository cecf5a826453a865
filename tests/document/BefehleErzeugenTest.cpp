#include "BefehleTest.h"

#include "geometry/Auswertung.h"
#include "model/Ebenenfarben.h"
#include "storage/EinstellungenSichern.h"

using namespace kalvorin;
using kalvorin::test::TBefehlsDokument;

namespace {

// P1..P3 on the x-axis or spanning a plane, A and B vectors, g and h lines,
// E a plane, Dr a triangle; each case marks some of them.
class ErzeugenFixture : public ::testing::Test, public TBefehlsDokument {
protected:
    void SetUp() override {
        P("P1", {0, 0, 0});
        P("P2", {1, 0, 0});
        P("P3", {0, 1, 0});
        P("Q", {0, 0, 5});
        V("A", {1, 0, 0});
        V("B", {0, 0, 1});
        G("g", {0, 0, 1}, {0, 1, 0});
        G("h", {0, 0, 2}, {0, 1, 0});
        EPAR("F", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
        Dr("Dr", (*this)["P1"], (*this)["P2"], (*this)["P3"]);
    }
};

struct TFall {
    const char* Name;
    bool (*Befehl)(TDokument&);
    std::vector<const char*> Markiert;
    TElementart Art;
    std::uint8_t Modus;
    std::array<const char*, 3> Bezuege;
    const char* NeuerName;
};

class ErzeugenTabelle : public ErzeugenFixture, public ::testing::WithParamInterface<TFall> {};

TEST_P(ErzeugenTabelle, NewElementRefersToTheMarkedOnes) {
    const TFall& f = GetParam();
    Markieren(f.Markiert);
    const int vorher = L.Anzahl();
    ASSERT_TRUE(f.Befehl(D));
    EXPECT_TRUE(Protokoll.Eintraege.empty()) << Protokoll.Eintraege[0].Text;
    ASSERT_EQ(L.Anzahl(), vorher + 1);
    const TDreiDBasisElement& e = *Letztes();
    EXPECT_EQ(e.Art, f.Art);
    EXPECT_EQ(e.Festlegung, f.Modus);
    EXPECT_EQ(e.Name, f.NeuerName);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(e.Bezuege[i], f.Bezuege[i] ? (*this)[f.Bezuege[i]] : nullptr)
            << "reference " << i;
    EXPECT_TRUE(D.Geaendert());
    EXPECT_FALSE(e.markiert);
    EXPECT_TRUE((*this)[*f.Markiert.begin()]->markiert) << "the marks stay";
}

INSTANTIATE_TEST_SUITE_P(Befehle, ErzeugenTabelle,
                         ::testing::Values(TFall{"PunktPV",
                                                 ErzPunkt,
                                                 {"P1", "A"},
                                                 TElementart::DfrPunkt,
                                                 TfrPunkt::PV,
                                                 {"P1", "A", nullptr},
                                                 "P4"},
                                           TFall{"GeradeGPP",
                                                 ErzGerade,
                                                 {"P2", "P1"},
                                                 TElementart::DGerade,
                                                 TGerade::GPP,
                                                 {"P1", "P2", nullptr},
                                                 "g1"},
                                           TFall{"GeradeGPV",
                                                 ErzGerade,
                                                 {"P3", "B"},
                                                 TElementart::DGerade,
                                                 TGerade::GPV,
                                                 {"P3", "B", nullptr},
                                                 "g1"},
                                           TFall{"EbeneEPPP",
                                                 ErzEbene,
                                                 {"P3", "P1", "P2"},
                                                 TElementart::DEbene,
                                                 TEbene::EPPP,
                                                 {"P1", "P2", "P3"},
                                                 "E1"},
                                           TFall{"EbeneEPV",
                                                 ErzEbene,
                                                 {"P1", "B"},
                                                 TElementart::DEbene,
                                                 TEbene::EPV,
                                                 {"P1", "B", nullptr},
                                                 "E1"},
                                           TFall{"EbeneEPVV",
                                                 ErzEbene,
                                                 {"Q", "B", "A"},
                                                 TElementart::DEbene,
                                                 TEbene::EPVV,
                                                 {"Q", "A", "B"},
                                                 "E1"},
                                           TFall{"EbeneEGG",
                                                 ErzEbene,
                                                 {"h", "g"},
                                                 TElementart::DEbene,
                                                 TEbene::EGG,
                                                 {"g", "h", nullptr},
                                                 "E1"},
                                           TFall{"EbeneEPG",
                                                 ErzEbene,
                                                 {"g", "P1"},
                                                 TElementart::DEbene,
                                                 TEbene::EPG,
                                                 {"P1", "g", nullptr},
                                                 "E1"},
                                           TFall{"EbeneEGV",
                                                 ErzEbene,
                                                 {"A", "g"},
                                                 TElementart::DEbene,
                                                 TEbene::EGV,
                                                 {"g", "A", nullptr},
                                                 "E1"},
                                           TFall{"Strecke",
                                                 ErzStrecke,
                                                 {"P1", "P3"},
                                                 TElementart::DStrecke,
                                                 0,
                                                 {"P1", "P3", nullptr},
                                                 "S1"},
                                           TFall{"PfeilPfPV",
                                                 ErzPfeil,
                                                 {"Q", "A"},
                                                 TElementart::DPfeil,
                                                 TPfeil::PfPV,
                                                 {"Q", "A", nullptr},
                                                 "Pf1"},
                                           TFall{"VektorV2P",
                                                 ErzVektor,
                                                 {"P1", "Q"},
                                                 TElementart::DVektor,
                                                 TVektor::V2P,
                                                 {"P1", "Q", nullptr},
                                                 "V1"},
                                           TFall{"VektorVG",
                                                 ErzVektor,
                                                 {"h"},
                                                 TElementart::DVektor,
                                                 TVektor::VG,
                                                 {"h", nullptr, nullptr},
                                                 "V1"},
                                           TFall{"VektorVE",
                                                 ErzVektor,
                                                 {"F"},
                                                 TElementart::DVektor,
                                                 TVektor::VE,
                                                 {"F", nullptr, nullptr},
                                                 "V1"},
                                           TFall{"Dreieck",
                                                 ErzDreieck,
                                                 {"P1", "P2", "P3"},
                                                 TElementart::DDreieck,
                                                 0,
                                                 {"P1", "P2", "P3"},
                                                 "D1"},
                                           TFall{"Pyramide",
                                                 ErzPyramide,
                                                 {"Dr", "Q"},
                                                 TElementart::DPyramide3,
                                                 0,
                                                 {"Dr", "Q", nullptr},
                                                 "DP1"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ErzeugenFixture, ArrowFromTwoPointsGetsItsOwnVector) {
    Markieren({"P1", "P2"});
    ASSERT_TRUE(ErzPfeil(D));
    ASSERT_EQ(L.Anzahl(), 12);
    TDreiDBasisElement* pf = L[11];
    TDreiDBasisElement* v = L[12];
    EXPECT_EQ(pf->Name, "Pf1");
    EXPECT_EQ(pf->Festlegung, TPfeil::PfPP);
    EXPECT_EQ(pf->Bezuege, (decltype(pf->Bezuege){(*this)["P1"], (*this)["P2"], v}));
    EXPECT_EQ(v->Name, "V1");
    EXPECT_EQ(v->Festlegung, TVektor::VPf);
    EXPECT_EQ(v->Bezuege[0], pf);
    TTripel k;
    ASSERT_EQ(VektorAuswerten(*v, k), KeinFehler);
    EXPECT_EQ(k, (TTripel{1, 0, 0}));
}

TEST_F(ErzeugenFixture, MarkedArrowStandsForItsVector) {
    PfPP("Pf", (*this)["P1"], (*this)["Q"], "W");
    PfPV("Pv", (*this)["P2"], (*this)["B"]);
    Markieren({"P3", "Pf"});
    ASSERT_TRUE(ErzGerade(D));
    EXPECT_EQ(Letztes()->Festlegung, TGerade::GPV);
    EXPECT_EQ(Letztes()->Bezuege[1], (*this)["W"]);
    Markieren({"P3", "Pv"});
    ASSERT_TRUE(ErzEbene(D));
    EXPECT_EQ(Letztes()->Festlegung, TEbene::EPV);
    EXPECT_EQ(Letztes()->Bezuege[1], (*this)["B"]);
    // The arrow and its own vector marked together count once.
    Markieren({"P3", "Pf", "W"});
    ASSERT_TRUE(ErzPunkt(D));
    EXPECT_EQ(Letztes()->Bezuege[1], (*this)["W"]);
}

struct TAblehnung {
    const char* Name;
    bool (*Befehl)(TDokument&);
    std::vector<const char*> Markiert;
    const char* Meldung;
};

// Elements that make every creation fail: Z1 = Z2 = Z3 on a line with Z4,
// N the zero vector, k the line through Z1 and Z4, m parallel to k.
class ErzeugenAbgelehnt : public ::testing::Test,
                          public TBefehlsDokument,
                          public ::testing::WithParamInterface<TAblehnung> {
protected:
    void SetUp() override {
        P("Z1", {1, 1, 1});
        P("Z2", {1, 1, 1});
        P("Z4", {2, 2, 2});
        V("N", {0, 0, 0});
        V("A", {1, 1, 1});
        V("B", {2, 2, 2});
        GPP("k", (*this)["Z1"], (*this)["Z4"]);
        G("m", {0, 0, 1}, {1, 1, 1});
        G("n", {5, 0, 0}, {0, 1, 0});
        GPP("kaputt", (*this)["Z1"], (*this)["Z2"]);
        EPAR("F", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
        P("Z5", {3, 3, 3});
        P("Z6", {4, 0, 0});
        P("Z7", {0, 4, 0});
        Dr("Dr", (*this)["Z5"], (*this)["Z6"], (*this)["Z7"]);
        P("flach", {1, 1, 0});
        Dr("Df", (*this)["flach"], (*this)["Z6"], (*this)["Z7"]);
        // lying in the base plane of Df (z = 0)
        P("inF", {2, 2, 0});
        P("aufM", {1, 1, 2});
        // The document as the user sees it: the broken line is already reported and hidden.
        D.Neuaufbau();
    }
};

TEST_P(ErzeugenAbgelehnt, WarnsAndLeavesTheDocumentAsItWas) {
    const TAblehnung& f = GetParam();
    Markieren(f.Markiert);
    const int vorher = L.Anzahl();
    std::array<std::string, AnzahlElementarten> namen;
    for (int a = 0; a < AnzahlElementarten; ++a)
        namen[a] = L.AutomatischerName(static_cast<TElementart>(a));
    EXPECT_FALSE(f.Befehl(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), f.Meldung);
    EXPECT_EQ(L.Anzahl(), vorher);
    EXPECT_FALSE(D.Geaendert());
    for (int a = 0; a < AnzahlElementarten; ++a)
        EXPECT_EQ(L.AutomatischerName(static_cast<TElementart>(a)), namen[a]);
}

INSTANTIATE_TEST_SUITE_P(
    Befehle, ErzeugenAbgelehnt,
    ::testing::Values(
        TAblehnung{
            "GeradePunkteGleich",
            ErzGerade,
            {"Z1", "Z2"},
            "Die Punkte Z1 und Z2 sind identisch, eine\r\nneue Gerade kann nicht erzeugt werden!"},
        TAblehnung{"GeradeNullvektor",
                   ErzGerade,
                   {"Z1", "N"},
                   "Der Richtungsvektor N ist der Nullvektor, die\r\nneue Gerade kann nicht "
                   "erzeugt werden!"},
        TAblehnung{
            "EbeneDreiPunkte",
            ErzEbene,
            {"Z1", "Z4", "Z5"},
            "Die drei Punkte Z1, Z4 und Z5 liegen auf einer\r\neiner Geraden, die neue Ebene kann "
            "nicht erzeugt werden!"},
        TAblehnung{"EbeneVektorenAbhaengig",
                   ErzEbene,
                   {"Z6", "A", "B"},
                   "Die Vektoren A und B sind linear abhängig,\r\ndie neue Ebene kann nicht "
                   "erzeugt werden!"},
        TAblehnung{
            "EbenePunktAufGerade",
            ErzEbene,
            {"aufM", "m"},
            "Der Punkt aufM liegt auf der Geraden m.\r\nDie neue Ebene kann nicht erzeugt werden!"},
        TAblehnung{
            "EbenePunktAufGeradePP",
            ErzEbene,
            {"Z5", "k"},
            "Die drei Punkte Z5, Z1 und Z4 liegen auf einer Geraden,\r\ndie neue Ebene kann nicht "
            "erzeugt werden!"},
        // A point that is one of the line's: named with the line, not twice.
        TAblehnung{
            "EbenePunktDerGeraden",
            ErzEbene,
            {"Z1", "k"},
            "Der Punkt Z1 liegt auf der Geraden k.\r\nDie neue Ebene kann nicht erzeugt werden!"},
        TAblehnung{
            "EbeneWindschief",
            ErzEbene,
            {"m", "n"},
            "Die Geraden m und n sind windschief.\r\nDie neue Ebene kann nicht erzeugt werden!"},
        TAblehnung{
            "EbeneErsteGeradeFehlt",
            ErzEbene,
            {"kaputt", "n"},
            "Die Gerade kaputt existiert nicht, die neue\r\nEbene kann nicht erzeugt werden!"},
        TAblehnung{
            "EbeneNormaleNull",
            ErzEbene,
            {"Z1", "N"},
            "Der Normalvektor ist der Nullvektor, die\r\nneue Ebene kann nicht erzeugt werden!"},
        TAblehnung{
            "EbeneGeradeVektor",
            ErzEbene,
            {"m", "A"},
            "Der Richtungsvektor der Geraden m und der Vektor A sind linear abhängig.\r\nDie neue "
            "Ebene kann nicht erzeugt werden!"},
        TAblehnung{
            "Strecke",
            ErzStrecke,
            {"Z1", "Z2"},
            "Die Punkte Z1 und Z2 sind identisch, die\r\nneue Strecke kann nicht erzeugt werden!"},
        TAblehnung{
            "PfeilPunkte",
            ErzPfeil,
            {"Z1", "Z2"},
            "Die Punkte Z1 und Z2 sind identisch, der\r\nneue Pfeil kann nicht erzeugt werden!"},
        TAblehnung{"PfeilNullvektor",
                   ErzPfeil,
                   {"Z1", "N"},
                   "Der Richtungsvektor N ist der Nullvektor, der\r\nneue Pfeil kann nicht erzeugt "
                   "werden!"},
        TAblehnung{
            "VektorGerade",
            ErzVektor,
            {"kaputt"},
            "Die Gerade kaputt existiert nicht, ein neuer\r\nVektor kann nicht erzeugt werden!"},
        TAblehnung{
            "Dreieck",
            ErzDreieck,
            {"Z1", "Z4", "Z5"},
            "Die Punkte Z1, Z4 und Z5 liegen auf einer\r\n Geraden, das neue Dreieck kann nicht "
            "erzeugt werden!"},
        TAblehnung{"Pyramide",
                   ErzPyramide,
                   {"inF", "Df"},
                   "Die Spitze inF liegt in der Grundflächenebene,\r\ndie neue Pyramide kann nicht "
                   "erzeugt "
                   "werden!"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ErzeugenFixture, ThreeCollinearPointsKeepTheNextPlaneName) {
    P("X", {2, 0, 0});
    Markieren({"P1", "P2", "X"});
    const auto zaehler = L.LaufenderZaehler();
    EXPECT_FALSE(ErzEbene(D));
    EXPECT_EQ(
        EinzigeMeldung(TMeldungsart::Warnung),
        "Die drei Punkte P1, P2 und X liegen auf einer\r\neiner Geraden, die neue Ebene kann nicht "
        "erzeugt werden!");
    EXPECT_EQ(L.AutomatischerName(TElementart::DEbene), "E1");
    EXPECT_EQ(L.LaufenderZaehler(), zaehler + 1) << "the running counter keeps its value";
    Markieren({"P1", "P2", "P3"});
    ASSERT_TRUE(ErzEbene(D));
    EXPECT_EQ(Letztes()->Name, "E1");
}

TEST_F(ErzeugenFixture, NotOfferedDoesNothing) {
    Markieren({"P1"});
    const int vorher = L.Anzahl();
    for (auto* befehl :
         {ErzPunkt, ErzGerade, ErzEbene, ErzStrecke, ErzPfeil, ErzVektor, ErzDreieck, ErzPyramide})
        EXPECT_FALSE(befehl(D));
    // A vector "R" is offered for a line, no point for a line.
    Markieren({"g"});
    EXPECT_FALSE(ErzPunkt(D));
    EXPECT_EQ(L.Anzahl(), vorher);
    EXPECT_FALSE(D.Geaendert());
    EXPECT_TRUE(Protokoll.Eintraege.empty());
}

TEST_F(ErzeugenFixture, FullListIsReportedAndNothingOverwritten) {
    Auffuellen();
    Markieren({"P1", "P2"});
    TDreiDBasisElement* letztes = Letztes();
    const std::string name = letztes->Name;
    EXPECT_FALSE(ErzGerade(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), ListeVollMeldung);
    EXPECT_EQ(Letztes(), letztes);
    EXPECT_EQ(letztes->Name, name);
    EXPECT_EQ(letztes->Art, TElementart::DfrPunkt);
    EXPECT_EQ(letztes->Festlegung, TfrPunkt::Koord);
}

TEST_F(ErzeugenFixture, ArrowNeedsRoomForItsVectorToo) {
    Auffuellen(TListe::Kapazitaet - 1);
    Markieren({"P1", "P2"});
    EXPECT_FALSE(ErzPfeil(D));
    EXPECT_EQ(EinzigeMeldung(TMeldungsart::Warnung), ListeVollMeldung);
    EXPECT_EQ(L.Anzahl(), TListe::Kapazitaet - 1);
}

} // namespace

namespace {

// A plane made by a command is see-through as the settings want new planes;
// an image of a mapping looks like its original.
TEST_F(ErzeugenFixture, PlanesMadeByCommandsTakeTheTransparencyOfNewPlanes) {
    test::TEinstellungenSichern sichern;
    Einstellungen().EbenenTransparenz = TStandardEinstellungen{}.EbenenTransparenz;
    Markieren({"P1", "P2", "P3"});
    ASSERT_TRUE(ErzEbene(D));
    ASSERT_EQ(Letztes()->Art, TElementart::DEbene);
    EXPECT_EQ(Letztes()->Transparenz, 1) << "the default for new planes";

    Einstellungen().EbenenTransparenz = 3;
    EPAR("F2", {0, 0, 2}, {1, 0, 0}, {0, 1, 0});
    Markieren({"F", "F2"});
    ASSERT_TRUE(Mittebilden(D));
    ASSERT_EQ(Letztes()->Art, TElementart::DEbene);
    EXPECT_EQ(Letztes()->Transparenz, 3);

    Markieren({"P1", "P2"});
    ASSERT_TRUE(ErzGerade(D));
    EXPECT_EQ(Letztes()->Transparenz, 0) << "only planes";

    // F is opaque, as the file or the dialog made it: so is its image.
    Markieren({"Q"});
    ASSERT_TRUE(Spiegelung(D));
    Markieren({"F"});
    ASSERT_TRUE(Pspiegeln(D));
    ASSERT_NE((*this)["F'"], nullptr);
    EXPECT_EQ((*this)["F'"]->Transparenz, 0);
}

} // namespace

namespace {

// A plane made from marked points takes the next plane colour, as the plane
// dialog gives it, never the colour of its points (dark blue on dark blue
// hid them); a mid-plane too.
TEST_F(ErzeugenFixture, PlanesMadeByCommandsTakeTheNextPlaneColour) {
    EbenenFarbfolge() = TEbenenFarbfolge{};
    TEbenenFarbfolge erwartet;
    Markieren({"P1", "P2", "P3"});
    ASSERT_TRUE(ErzEbene(D));
    EXPECT_EQ(Letztes()->Farbe, erwartet.Naechste());
    EXPECT_NE(Letztes()->Farbe, (*this)["P1"]->Farbe);
    EPAR("F2", {0, 0, 2}, {1, 0, 0}, {0, 1, 0});
    Markieren({"F", "F2"});
    ASSERT_TRUE(Mittebilden(D));
    EXPECT_EQ(Letztes()->Farbe, erwartet.Naechste());
}

} // namespace
