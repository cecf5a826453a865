// Quadrilaterals and four-sided pyramids in the document file: their keys,
// the round trip, and what a reader that knows neither kind keeps.

#include "storage/Dokumentdatei.h"

#include "model/Meldungen.h"
#include "storage/Cp1252.h"

#include "Dateitext.h"
#include "EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

using test::Datei;

const std::string Pavillon = "[A]\nElementart=0|DfrPunkt\nKoord=12|0|0\nPunktform=0\n"
                             "[B]\nElementart=0|DfrPunkt\nKoord=12|12|0\nPunktform=0\n"
                             "[C]\nElementart=0|DfrPunkt\nKoord=0|12|0\nPunktform=0\n"
                             "[D]\nElementart=0|DfrPunkt\nKoord=0|0|0\nPunktform=0\n"
                             "[S]\nElementart=0|DfrPunkt\nKoord=6|6|8\nPunktform=0\n"
                             "[Q1]\nElementart=18|DViereck\nP1_P2_P3_P4=A|B|C|D\n"
                             "[QP1]\nElementart=19|DPyramide4\nG_S=Q1|S\n"
                             "[E]\nElementart=8|DEbene\nFestlegung=2\nEPPP=B|C|S";

struct TGelesen {
    TListe Liste;
    TKoordinatensystem Ks;
    TRollenMenge Rollen = 0;
    bool Ganz = false;
    bool Gelesen = false;
    explicit TGelesen(const std::string& datei) {
        Gelesen = DokumentAusInhaltLesen(datei, "q.kvr", Liste, Ks, Rollen, false, &Ganz);
    }
};

TEST(ViereckDatei, ReadsBothKindsAndWritesTheSameBytes) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    const std::string datei = *DokumentInhalt(TListe(), TKoordinatensystem()) + Datei({Pavillon});
    TGelesen g(datei);
    ASSERT_TRUE(g.Gelesen);
    EXPECT_TRUE(g.Ganz);
    EXPECT_TRUE(protokoll.Eintraege.empty());
    ASSERT_EQ(g.Liste.Anzahl(), 8);
    const auto& q = Als<TViereck>(*g.Liste[6]);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(q.Ecke(i), g.Liste[i + 1]);
    const auto& y = Als<TPyramide4>(*g.Liste[7]);
    EXPECT_EQ(y.Grundflaeche(), &q);
    EXPECT_EQ(y.Spitze(), g.Liste[5]);
    EXPECT_EQ(DokumentInhalt(g.Liste, g.Ks), datei);
}

// A reader without a class for a kind drops its sections and whatever
// refers to them, and reads the rest: what every earlier version does with
// kinds 18 and 19, shown here with a kind number no version knows.
TEST(ViereckDatei, AReaderWithoutTheKindsKeepsEverythingElse) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    std::string text = Pavillon;
    for (const std::string alt : {"18|DViereck", "19|DPyramide4"})
        text.replace(text.find(alt), alt.size(), "99|DUnbekannt");
    TGelesen g(Datei({text}));
    ASSERT_TRUE(g.Gelesen); // no "Einlesefehler"
    ASSERT_EQ(g.Liste.Anzahl(), 6);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(g.Liste[i]->Art, TElementart::DfrPunkt);
    EXPECT_EQ(g.Liste[6]->Name, "E");
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_NE(protokoll.Eintraege[0].Text.find("Q1"), std::string::npos);
    EXPECT_NE(protokoll.Eintraege[0].Text.find("QP1"), std::string::npos);

    // And the file this version writes holds the new kinds only in their own
    // sections: no element of a design kind names one of them.
    const std::string datei = *DokumentInhalt(TListe(), TKoordinatensystem()) + Datei({Pavillon});
    TGelesen voll(datei);
    ASSERT_TRUE(voll.Gelesen);
    for (int i = 1; i <= voll.Liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *voll.Liste[i];
        if (e.Art == TElementart::DViereck || e.Art == TElementart::DPyramide4) continue;
        for (const TDreiDBasisElement* b : e.Bezuege)
            EXPECT_TRUE(b == nullptr ||
                        (b->Art != TElementart::DViereck && b->Art != TElementart::DPyramide4))
                << e.Name;
    }
}

TEST(ViereckDatei, AQuadrilateralWithoutItsFourthCornerIsDropped) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    std::string text = Pavillon;
    const std::string alt = "P1_P2_P3_P4=A|B|C|D";
    text.replace(text.find(alt), alt.size(), "P1_P2_P3_P4=A|B|C");
    TGelesen g(Datei({text}));
    ASSERT_TRUE(g.Gelesen);
    // The pyramid over it goes with it.
    EXPECT_EQ(g.Liste.ElementMitName("Q1"), nullptr);
    EXPECT_EQ(g.Liste.ElementMitName("QP1"), nullptr);
    EXPECT_NE(g.Liste.ElementMitName("E"), nullptr);
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_NE(protokoll.Eintraege[0].Text.find("ein Element seiner Festlegung fehlt"),
              std::string::npos)
        << protokoll.Eintraege[0].Text;
}

} // namespace
