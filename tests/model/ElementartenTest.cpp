#include "model/Elementarten.h"
#include "model/Liste.h"
#include "storage/Einstellungen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace kalvorin;

// The table is read by every layer in place of its own switch: a row per
// kind byte, in order, and each row consistent with what the kind does.
TEST(Elementarten, OneRowPerKindByteInOrder) {
    ASSERT_EQ(Elementarten.size(), static_cast<std::size_t>(AnzahlElementarten));
    for (int i = 0; i < AnzahlElementarten; ++i) {
        const TArtangaben* a = Artangaben(i);
        ASSERT_NE(a, nullptr) << i;
        EXPECT_EQ(static_cast<int>(a->Art), i);
        EXPECT_EQ(&Artangaben(a->Art), a);
        EXPECT_EQ(ElementartName(i), a->Name);
        EXPECT_FALSE(a->Wort.empty()) << i;
    }
    EXPECT_EQ(Artangaben(-1), nullptr);
    EXPECT_EQ(Artangaben(AnzahlElementarten), nullptr);
}

TEST(Elementarten, EveryKindWithAClassMakesItsOwnKindUnderItsOwnPrefix) {
    std::set<std::string> praefixe;
    TListe liste;
    for (const TArtangaben& a : Elementarten) {
        EXPECT_EQ(HatElementklasse(static_cast<int>(a.Art)), a.Neu != nullptr) << a.Name;
        if (!a.Neu) {
            EXPECT_EQ(NeuesElement(static_cast<int>(a.Art)), nullptr);
            continue;
        }
        EXPECT_EQ(a.Neu()->Art, a.Art) << a.Name;
        EXPECT_TRUE(praefixe.insert(std::string(a.Praefix)).second) << a.Praefix;
        EXPECT_EQ(liste.AutomatischerName(a.Art), std::string(a.Praefix) + "1");
    }
}

TEST(Elementarten, LookAndWordsOfTheKinds) {
    const TStandardEinstellungen s;
    struct TFall {
        TElementart Art;
        const char* Wort;
        const char* Praefix;
        int Dick;
        bool Gezeichnet;
    };
    const TFall faelle[] = {
        {TElementart::DfrPunkt, "Punkt", "P", s.DickpunktDicke, true},
        {TElementart::DVektor, "Vektor", "V", s.DickgeradenDicke, false},
        {TElementart::DPfeil, "Pfeil", "Pf", s.DickgeradenDicke, true},
        {TElementart::DStrecke, "Strecke", "S", s.DickgeradenDicke, true},
        {TElementart::DGerade, "Gerade", "g", s.DickgeradenDicke, true},
        {TElementart::DDreieck, "Dreieck", "D", s.DickgeradenDicke, true},
        {TElementart::DPyramide3, "Pyramide", "DP", s.DickgeradenDicke, true},
        {TElementart::DEbene, "Ebene", "E", s.RandDicke, true},
        {TElementart::DKugel, "Kugel", "K", s.DickgeradenDicke, true},
        {TElementart::DKreis, "Kreis", "k", s.DickgeradenDicke, true},
    };
    for (const TFall& f : faelle) {
        const TArtangaben& a = Artangaben(f.Art);
        EXPECT_EQ(a.Wort, f.Wort);
        EXPECT_EQ(a.Praefix, f.Praefix);
        EXPECT_EQ(s.*a.DickeEinstellung, f.Dick) << f.Wort;
        EXPECT_EQ(a.Gezeichnet, f.Gezeichnet) << f.Wort;
    }
}
