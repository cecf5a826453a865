#include "geometry/Beschreibung.h"

#include "Dokument.h"
#include "storage/Einstellungen.h"

using namespace kalvorin;
using kalvorin::test::TDokument;

namespace {

// Number output as a German system shows it by default; restored afterwards.
class Beschreibung : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        vorher_ = Einstellungen();
        Einstellungen().ZahlenAlsBrueche = true;
        Einstellungen().MaximalerNenner = 100;
        Einstellungen().StandardStellen = 2;
        Einstellungen().Dezimaltrenner = GetParam();
    }
    void TearDown() override { Einstellungen() = vorher_; }

    TDokument d;
    TfrPunkt* A = d.P("A", {1, 0, 0});
    TfrPunkt* B = d.P("B", {0, 1, 0});
    TfrPunkt* C = d.P("C", {0, 0, 1});
    TVektor* V = d.V("v", {1, 1, 1});
    TGerade* G = d.GPP("g1", A, B);
    TEbene* E = d.E("E1", TEbene::EPPP, A, B, C);

    TDreiDBasisElement* Abgeleitet(int art, const std::string& name, TEntstehungsart code,
                                   TDreiDBasisElement* e1 = nullptr,
                                   TDreiDBasisElement* e2 = nullptr,
                                   TDreiDBasisElement* e3 = nullptr,
                                   TDreiDBasisElement* o = nullptr) {
        TDreiDBasisElement* x = d.Liste.Neu(static_cast<TElementart>(art));
        x->Name = name;
        x->Entstehung.Art = code;
        x->Entstehung.Elemente[0].Element = e1;
        x->Entstehung.Elemente[1].Element = e2;
        x->Entstehung.Elemente[2].Element = e3;
        x->Entstehung.Originalelement = o;
        return x;
    }

private:
    TStandardEinstellungen vorher_;
};

} // namespace

TEST_P(Beschreibung, OriginOfEveryDerivationCode) {
    struct Fall {
        TEntstehungsart Code;
        const char* Text;
    };
    const Fall faelle[] = {
        {TEntstehungsart::Schnitt, "X = g1 geschnitten mit E1"},
        {TEntstehungsart::ASpiegelung, "X = A gespiegelt an der Achse g1"},
        {TEntstehungsart::PSpiegelung, "X = A gespiegelt am Punkt g1"},
        {TEntstehungsart::ESpiegelung, "X = A gespiegelt an der Ebene g1"},
        {TEntstehungsart::O_Projektion, "X = A senkrecht projiziert auf die Ebene g1"},
        {TEntstehungsart::P_Projektion, "X = A projiziert auf die Ebene g1 in Richtung E1"},
        {TEntstehungsart::LotPE, "X ist das Lot von g1 auf E1"},
        {TEntstehungsart::LotPG, "X ist das Lot von g1 auf E1"},
        {TEntstehungsart::LotGG, "X ist das gemeinsame Lot von g1 und E1"},
        {TEntstehungsart::Mittelpunkt, "X ist der Mittelpunkt von g1 und E1"},
        {TEntstehungsart::Schwerpunkt, "X ist der Schwerpunkt der Punkte g1, E1 und v"},
        {TEntstehungsart::Mittelgerade, "X ist die Mittelgerade von g1 und E1"},
        {TEntstehungsart::MittelEbene, "X ist die Mittelebene von g1 und E1"},
        {TEntstehungsart::Add2, "X = g1 + E1"},
        {TEntstehungsart::Add3, "X = g1 + E1 + v"},
        {TEntstehungsart::Gegenvektor, "X = -g1"},
        {TEntstehungsart::VProdukt, "X = g1 x E1"},
        {TEntstehungsart::keine, ""},
        {TEntstehungsart::Drehung, ""},
        {TEntstehungsart::Translation, ""},
        {TEntstehungsart::Antragen, ""},
    };
    for (const Fall& f : faelle) {
        auto* x = Abgeleitet(0, "X", f.Code, G, E, V, A);
        EXPECT_EQ(EntstehungsText(*x), f.Text) << static_cast<int>(f.Code);
    }
}

TEST_P(Beschreibung, IntersectionPointAndCentroidFromTheExamples) {
    auto* s = Abgeleitet(0, "S1", TEntstehungsart::Schnitt, G, E);
    EXPECT_EQ(EntstehungsText(*s), "S1 = g1 geschnitten mit E1");
    auto* m = Abgeleitet(0, "M", TEntstehungsart::Schwerpunkt, A, B, C);
    EXPECT_EQ(EntstehungsText(*m), "M ist der Schwerpunkt der Punkte A, B und C");
}

TEST_P(Beschreibung, DilationFactorIsAlwaysWrittenWithAPointInFiveCharacters) {
    auto* z = d.P("Z", {});
    auto* x = Abgeleitet(0, "P1'", TEntstehungsart::Streckung, z, nullptr, nullptr, A);
    x->Entstehung.Elemente[1].Zahl = 2;
    EXPECT_EQ(EntstehungsText(*x), "P1' = A gestreckt vom Punkt Z aus mit dem Faktor 2.00");
    x->Entstehung.Elemente[1].Zahl = -1.5L;
    EXPECT_EQ(EntstehungsText(*x), "P1' = A gestreckt vom Punkt Z aus mit dem Faktor-1.50");
    x->Entstehung.Elemente[1].Zahl = 0.126L;
    EXPECT_EQ(EntstehungsText(*x), "P1' = A gestreckt vom Punkt Z aus mit dem Faktor 0.13");
    x->Entstehung.Elemente[1].Zahl = 123.456L;
    EXPECT_EQ(EntstehungsText(*x), "P1' = A gestreckt vom Punkt Z aus mit dem Faktor123.46");
}

TEST_P(Beschreibung, DividingPointAndScalarMultipleInTheSameStyle) {
    auto* t = Abgeleitet(0, "T", TEntstehungsart::TeilPunkt, A, B);
    t->Entstehung.Elemente[2].Zahl = 0.5L;
    EXPECT_EQ(EntstehungsText(*t), "T teilt A und B im Verhältnis 1/2");
    auto* w = Abgeleitet(2, "w", TEntstehungsart::SMult, V);
    w->Entstehung.Elemente[1].Zahl = -3;
    EXPECT_EQ(EntstehungsText(*w), "w = -3 * v");
}

TEST_P(Beschreibung, DefinitionOfPoints) {
    EXPECT_EQ(FestlegungsText(*d.P("P", {1, 2, 3})), "P = (1  ;  2  ;  3)");
    EXPECT_EQ(FestlegungsText(*d.P("Q", {0.5L, -1.5L, 2.75L})), "Q = (1/2  ;  -3/2  ;  11/4)");
    EXPECT_EQ(FestlegungsText(*d.PV("R", A, V)), "R = P( A , v )");
    // a derived point shows where it is now
    auto* s = Abgeleitet(0, "S", TEntstehungsart::Schnitt, G, E);
    static_cast<TfrPunkt*>(s)->Koordinaten = {0.0000004L, 0, -2};
    EXPECT_EQ(FestlegungsText(*s), "S = (0  ;  0  ;  -2)");
}

TEST_P(Beschreibung, CoordinatesWithoutFractionsUseTheDecimalSeparator) {
    Einstellungen().ZahlenAlsBrueche = false;
    const std::string t = std::string(1, GetParam());
    EXPECT_EQ(FestlegungsText(*d.P("P", {3.14159L, 1234, 0.5L})),
              "P = (3" + t + "1  ;  1" + t + "2E3  ;  0" + t + "5)");
}

TEST_P(Beschreibung, DefinitionOfEveryOtherKindAndMode) {
    auto* pf = d.PfPP("Pf", A, B, "Vpf");
    auto* dr = d.Dr("D", A, B, C);
    auto* h = d.G("h", {}, {1, 0, 0});
    struct Fall {
        TDreiDBasisElement* Element;
        const char* Text;
    };
    const Fall faelle[] = {
        {V, "v = Vektor"},
        {d.V2P("w", A, B), "w = Vektor( A , B )"},
        {d.VG("r", G), "r = Vektor( g1 )"},
        {d.VE("n", E), "n = Vektor( E1 )"},
        {pf->Bezuege[2], "Vpf = Vektor( Pf )"},
        {pf, "Pf = Pfeil( A , B )"},
        {d.PfPV("Pv", A, V), "Pv = Pfeil( A , v )"},
        {d.S("s", A, B), "s = Strecke( A , B )"},
        {h, "h = Gerade"},
        {G, "g1 = Gerade( A , B )"},
        {d.GPV("k", A, V), "k = Gerade( A , v )"},
        {dr, "D = Dreieck( A , B , C )"},
        {d.Py("DP", dr, C), "DP = Pyramide( D , C )"},
        {d.EPAR("F", {}, {1, 0, 0}, {0, 1, 0}), "F = Ebene"},
        {d.ENOR("N", {0, 0, 1}, 2), "N = Ebene"},
        {E, "E1 = Ebene( A , B , C )"},
        {d.E("E2", TEbene::EPVV, A, V, d.V("u", {0, 1, 0})), "E2 = Ebene( A , v , u )"},
        {d.E("E3", TEbene::EPG, C, G), "E3 = Ebene( C , g1 )"},
        {d.E("E4", TEbene::EGG, G, h), "E4 = Ebene( g1 , h )"},
        {d.E("E5", TEbene::EPV, A, V), "E5 = Ebene( A , v )"},
        {d.E("E6", TEbene::EGV, h, V), "E6 = Ebene( h , v )"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FestlegungsText(*f.Element), f.Text);
}

TEST_P(Beschreibung, NamesOfTwelveCharactersAndUmlautsAreInsertedWhole) {
    auto* p = d.P("Größenpunkt1", {});
    auto* x = Abgeleitet(0, "Mitte", TEntstehungsart::Mittelpunkt, p, A);
    EXPECT_EQ(EntstehungsText(*x), "Mitte ist der Mittelpunkt von Größenpunkt1 und A");
}

INSTANTIATE_TEST_SUITE_P(Trenner, Beschreibung, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });
