#include "ui/Fensteranordnung.h"
#include "ui/MenuZustand.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
TFensterZustand Fenster(int anzahl, std::string beschriftung = "neu1.kvr", bool markiert = false) {
    TFensterZustand z;
    z.AnzahlDokumente = anzahl;
    z.AktivesDokument = anzahl > 0;
    z.AktiveBeschriftung = anzahl > 0 ? std::move(beschriftung) : std::string();
    z.ElementMarkiert = markiert;
    return z;
}
} // namespace

TEST(MenuZustand, WithoutDocumentOnlyFileAndHelpAreUsable) {
    const TMenuZustand m = BerechneMenuZustand(Fenster(0));
    EXPECT_FALSE(m.Bearbeiten);
    EXPECT_FALSE(m.Festlegen);
    EXPECT_FALSE(m.Konstruieren);
    EXPECT_FALSE(m.Abbilden);
    EXPECT_FALSE(m.Messen);
    EXPECT_FALSE(m.Ansicht);
    EXPECT_FALSE(m.Fenster);
    EXPECT_FALSE(m.Einfuegen);
    EXPECT_FALSE(m.Schliessen);
    EXPECT_FALSE(m.Speichern);
    EXPECT_FALSE(m.Speichern_unter);
    EXPECT_FALSE(m.Grafik_speichern);
    EXPECT_FALSE(m.Grafik_Drucken);
    EXPECT_FALSE(m.Kopieren);
    EXPECT_FALSE(m.Loeschen);
    EXPECT_FALSE(m.AlleSchliessen);
    EXPECT_FALSE(m.Nebeneinander || m.Uebereinander || m.Ueberlappend);
    EXPECT_TRUE(m.Druckereinstellungen);
}

TEST(MenuZustand, OneDocumentEnablesEverythingButArranging) {
    const TMenuZustand m = BerechneMenuZustand(Fenster(1));
    EXPECT_TRUE(m.Bearbeiten && m.Festlegen && m.Konstruieren && m.Abbilden && m.Messen);
    EXPECT_TRUE(m.Ansicht && m.Fenster);
    EXPECT_TRUE(m.Einfuegen && m.Schliessen && m.Speichern && m.Speichern_unter);
    EXPECT_TRUE(m.Grafik_speichern && m.Grafik_Drucken && m.Kopieren);
    EXPECT_TRUE(m.AlleSchliessen);
    EXPECT_TRUE(m.Druckereinstellungen);
    EXPECT_FALSE(m.Nebeneinander);
    EXPECT_FALSE(m.Uebereinander);
    EXPECT_FALSE(m.Ueberlappend);
    EXPECT_FALSE(m.Loeschen) << "nothing marked";
}

TEST(MenuZustand, TwoDocumentsAllowArranging) {
    const TMenuZustand m = BerechneMenuZustand(Fenster(2));
    EXPECT_TRUE(m.Nebeneinander);
    EXPECT_TRUE(m.Uebereinander);
    EXPECT_TRUE(m.Ueberlappend);
    TMenuZustand eins = BerechneMenuZustand(Fenster(1));
    eins.Nebeneinander = eins.Uebereinander = eins.Ueberlappend = true;
    EXPECT_EQ(m, eins) << "the second window changes only the arranging";
}

TEST(MenuZustand, ReadOnlyDocumentCanOnlyBeSavedUnderAnotherName) {
    const TMenuZustand m = BerechneMenuZustand(Fenster(1, "/tmp/a.kvr (schreibgeschützt)"));
    EXPECT_FALSE(m.Speichern);
    EXPECT_TRUE(m.Speichern_unter);
    EXPECT_TRUE(IstSchreibgeschuetzt("x (schreibgeschützt)"));
    // The word must be spelt as the caption spells it.
    EXPECT_FALSE(IstSchreibgeschuetzt("schreibgeschuetzt.kvr"));
    EXPECT_FALSE(IstSchreibgeschuetzt("neu1.kvr"));
}

TEST(MenuZustand, SaveNeedsAnActiveDocument) {
    TFensterZustand z = Fenster(2);
    z.AktivesDokument = false;
    EXPECT_FALSE(BerechneMenuZustand(z).Speichern);
    EXPECT_TRUE(BerechneMenuZustand(z).Speichern_unter);
}

TEST(MenuZustand, DeleteNeedsAMarkedElementInTheActiveDocument) {
    EXPECT_TRUE(BerechneMenuZustand(Fenster(1, "neu1.kvr", true)).Loeschen);
    EXPECT_FALSE(BerechneMenuZustand(Fenster(1, "neu1.kvr", false)).Loeschen);
    TFensterZustand ohneAktives = Fenster(1, "neu1.kvr", true);
    ohneAktives.AktivesDokument = false;
    EXPECT_FALSE(BerechneMenuZustand(ohneAktives).Loeschen);
}

// ---------------------------------------------------------------------------

TEST(Fensteranordnung, FrameLeavesRoomForTheObjectListAndFillsTheHeight) {
    EXPECT_EQ(HauptfensterRahmen(QRect(0, 0, 1280, 994)), QRect(0, 0, 1135, 994));
    // A panel at the top or left moves the frame with the usable area.
    EXPECT_EQ(HauptfensterRahmen(QRect(40, 28, 1024, 740)), QRect(40, 28, 879, 740));
}

TEST(Fensteranordnung, FrameNeverBelowItsMinimum) {
    const QRect r = HauptfensterRahmen(QRect(0, 0, 300, 150));
    EXPECT_EQ(r.width(), 250);
    EXPECT_EQ(r.height(), 200);
}

struct TKlemmFall {
    QRect Vorher;
    QRect Nachher;
};

class ImClientbereichTest : public ::testing::TestWithParam<TKlemmFall> {};

TEST_P(ImClientbereichTest, KeepsWindowReachable) {
    EXPECT_EQ(ImClientbereich(GetParam().Vorher, QSize(400, 300)), GetParam().Nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ImClientbereichTest,
    ::testing::Values(
        // inside: unchanged
        TKlemmFall{QRect(10, 20, 100, 100), QRect(10, 20, 100, 100)},
        // negative position becomes 0
        TKlemmFall{QRect(-30, -5, 100, 100), QRect(0, 0, 100, 100)},
        // cut at the right and bottom edges
        TKlemmFall{QRect(250, 150, 300, 300), QRect(250, 150, 150, 150)},
        // cut to a sliver: moved back so that 50 × 75 stay in view
        TKlemmFall{QRect(380, 10, 100, 100), QRect(350, 10, 50, 100)},
        TKlemmFall{QRect(10, 280, 100, 100), QRect(10, 225, 100, 75)},
        // entirely outside
        TKlemmFall{QRect(900, 900, 100, 100), QRect(350, 225, 50, 75)}));

TEST(Fensteranordnung, TinyClientNeverPushesWindowsOutAtTheTop) {
    const QRect r = ImClientbereich(QRect(0, 0, 100, 100), QSize(30, 40));
    EXPECT_GE(r.x(), 0);
    EXPECT_GE(r.y(), 0);
}

TEST(Fensteranordnung, SideBySideAndOneAboveTheOther) {
    const QRect client(0, 0, 600, 400);
    const auto neben = NebeneinanderAnordnen(3, client);
    ASSERT_EQ(neben.size(), 3);
    EXPECT_EQ(neben[0], QRect(0, 0, 200, 400));
    EXPECT_EQ(neben[2], QRect(400, 0, 200, 400));
    const auto ueber = UebereinanderAnordnen(2, client);
    ASSERT_EQ(ueber.size(), 2);
    EXPECT_EQ(ueber[0], QRect(0, 0, 600, 200));
    EXPECT_EQ(ueber[1], QRect(0, 200, 600, 200));
    EXPECT_TRUE(NebeneinanderAnordnen(0, client).isEmpty());
}

class AnordnungTest : public ::testing::TestWithParam<int> {};

// Whatever the number of windows, they cover the client area without
// overlapping and none is empty.
TEST_P(AnordnungTest, TilesCoverTheClientExactly) {
    const int n = GetParam();
    const QRect client(0, 0, 997, 613);
    for (const auto& lagen : {NebeneinanderAnordnen(n, client), UebereinanderAnordnen(n, client)}) {
        ASSERT_EQ(lagen.size(), n);
        long long flaeche = 0;
        for (int i = 0; i < n; ++i) {
            EXPECT_FALSE(lagen[i].isEmpty());
            EXPECT_TRUE(client.contains(lagen[i]));
            flaeche += static_cast<long long>(lagen[i].width()) * lagen[i].height();
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(lagen[i].intersects(lagen[j])) << i << " " << j;
        }
        EXPECT_EQ(flaeche, static_cast<long long>(client.width()) * client.height());
    }
}

INSTANTIATE_TEST_SUITE_P(Anzahlen, AnordnungTest, ::testing::Values(1, 2, 3, 4, 5, 7, 10, 13));
