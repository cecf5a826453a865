#include "befehle/MenuZustand.h"

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
