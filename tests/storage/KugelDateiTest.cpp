// Spheres and circles in the document file: their definition keys, the
// values they refuse, and the round trip through writing and reading.

#include "storage/Dokumentdatei.h"

#include "model/Meldungen.h"
#include "storage/Cp1252.h"

#include "Dateitext.h"
#include "EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

using test::Datei;

const std::string Punkte = "[M]\nElementart=0|DfrPunkt\nKoord=1|2|3\nPunktform=0\n"
                           "[P]\nElementart=0|DfrPunkt\nKoord=1|2|10\nPunktform=0\n"
                           "[E]\nElementart=8|DEbene\nFestlegung=1\nENOR=0|0|1|-5";

struct TRundFall {
    const char* Fall;
    std::string Abschnitt; // the section as the writer writes it
    int Art;
    int Festlegung;
    TTripel Mitte;
    Real Radius;
};

void PrintTo(const TRundFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelDatei : public ::testing::TestWithParam<TRundFall> {};

// Read, every value as the section gives it, and written again byte for byte.
TEST_P(KugelDatei, ReadsItsDefinitionAndWritesTheSameBytes) {
    const TRundFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    const std::string kopf = *DokumentInhalt(TListe(), TKoordinatensystem());
    const std::string datei = kopf + Datei({Punkte, f.Abschnitt});
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    bool ganz = false;
    ASSERT_TRUE(DokumentAusInhaltLesen(datei, "k.kvr", liste, ks, rollen, false, &ganz));
    EXPECT_TRUE(ganz);
    EXPECT_TRUE(protokoll.Eintraege.empty());
    ASSERT_EQ(liste.Anzahl(), 4);
    const TDreiDBasisElement& e = *liste[4];
    EXPECT_EQ(e.ArtNummer(), f.Art);
    EXPECT_EQ(e.Festlegung, f.Festlegung);
    if (f.Art == static_cast<int>(TElementart::DKugel)) {
        const auto& k = Als<TKugel>(e);
        if (f.Festlegung == TKugel::MR) {
            EXPECT_EQ(k.Zentrum, f.Mitte);
            EXPECT_EQ(k.Radius, f.Radius);
        } else {
            EXPECT_EQ(k.Mittelpunkt(), liste[1]);
            EXPECT_EQ(k.Beruehrt(), liste[f.Festlegung == TKugel::MP ? 2 : 3]);
        }
    } else {
        const auto& k = Als<TKreis>(e);
        EXPECT_EQ(k.Zentrum, f.Mitte);
        EXPECT_EQ(k.Radius, f.Radius);
    }
    EXPECT_EQ(DokumentInhalt(liste, ks), datei);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelDatei,
    ::testing::Values(TRundFall{"KugelMittelpunktRadius",
                                "[K1]\nElementart=12|DKugel\nMR=1|2|3|7",
                                12,
                                TKugel::MR,
                                {1, 2, 3},
                                7},
                      TRundFall{
                          "KugelGefaerbtDick",
                          "[K2]\nElementart=12|DKugel\nRGB=0|0|255\nDicke=3\nName sichtbar=0\n"
                          "MR=-0,5|0|2,25|0,75",
                          12,
                          TKugel::MR,
                          {-0.5L, 0, 2.25L},
                          0.75L},
                      TRundFall{"KugelDurchPunkt",
                                "[K1]\nElementart=12|DKugel\nFestlegung=1\nMP=M|P",
                                12,
                                TKugel::MP,
                                {},
                                0},
                      TRundFall{"KugelTangentialebene",
                                "[K1]\nElementart=12|DKugel\nFestlegung=2\nMT=M|E",
                                12,
                                TKugel::MT,
                                {},
                                0},
                      TRundFall{"Kreis",
                                "[@k1]\nElementart=13|DKreis\nMNR=1|2|3|0|0|1|4",
                                13,
                                TKreis::MNR,
                                {1, 2, 3},
                                4}),
    [](const auto& info) { return std::string(info.param.Fall); });

struct TAbgelehnt {
    const char* Fall;
    std::string Abschnitt;
    const char* Grund;
};

void PrintTo(const TAbgelehnt& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelUnlesbar : public ::testing::TestWithParam<TAbgelehnt> {};

// What the evaluation could not draw is dropped with its reason, and
// whatever else the file holds is read.
TEST_P(KugelUnlesbar, IsDroppedWithItsReason) {
    const TAbgelehnt& f = GetParam();
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    const std::string datei = Datei({Punkte, f.Abschnitt, "[Q]\nElementart=0|DfrPunkt"});
    ASSERT_TRUE(DokumentAusInhaltLesen(datei, "k.kvr", liste, ks, rollen, false));
    ASSERT_EQ(liste.Anzahl(), 4);
    EXPECT_EQ(liste[4]->Name, "Q");
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_NE(protokoll.Eintraege[0].Text.find(f.Grund), std::string::npos)
        << protokoll.Eintraege[0].Text;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelUnlesbar,
    ::testing::Values(
        TAbgelehnt{"RadiusNull", "[K]\nElementart=12|DKugel\nMR=1|2|3|0",
                   "K: der Radius ist nicht positiv"},
        TAbgelehnt{"RadiusNegativ", "[K]\nElementart=12|DKugel\nMR=1|2|3|-2",
                   "K: der Radius ist nicht positiv"},
        TAbgelehnt{"OhneWerte", "[K]\nElementart=12|DKugel", "K: der Radius ist nicht positiv"},
        TAbgelehnt{"FestlegungUnbekannt", "[K]\nElementart=12|DKugel\nFestlegung=3\nMR=1|2|3|4",
                   "K: die Festlegung 3 gibt es nicht"},
        TAbgelehnt{"MittelpunktFehlt", "[K]\nElementart=12|DKugel\nFestlegung=1\nMP=X|P",
                   "K: verweist auf X"},
        TAbgelehnt{"KreisNormaleNull", "[@k]\nElementart=13|DKreis\nMNR=1|2|3|0|0|0|4",
                   "k: der Normalenvektor ist der Nullvektor"},
        TAbgelehnt{"KreisRadiusNull", "[@k]\nElementart=13|DKreis\nMNR=1|2|3|0|0|1|0",
                   "k: der Radius ist nicht positiv"},
        TAbgelehnt{"Winkel", "[K]\nElementart=9|DWinkel",
                   "K: die Elementart 9|DWinkel kennt Kalvorin nicht"}),
    [](const auto& info) { return std::string(info.param.Fall); });

} // namespace
