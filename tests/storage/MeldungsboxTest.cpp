#include "storage/Meldungsbox.h"

#include "model/Meldungen.h"

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(Meldungsbox, Style48IsAWarningWithOneButton) {
    TMeldungsProtokoll protokoll;
    EXPECT_EQ(ShowMessageBox("Kalvorin kann diese Datei weder speichern noch erstellen.\r\n",
                             "Kalvorin", 48),
              IDOK);
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_FALSE(protokoll.Eintraege[0].IstFrage);
    EXPECT_EQ(protokoll.Eintraege[0].Titel, "Kalvorin");
}

TEST(Meldungsbox, QuestionsReturnTheButtonPressed) {
    TMeldungsProtokoll protokoll;
    protokoll.Antworten = {TAntwort::Nein, TAntwort::Abbrechen, TAntwort::Ja};
    EXPECT_EQ(ShowMessageBox("?", "Kalvorin", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(ShowMessageBox("?", "Kalvorin", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(ShowMessageBox("?", "Kalvorin", MB_YESNOCANCEL), IDYES);
    ASSERT_EQ(protokoll.Eintraege.size(), 3u);
    EXPECT_EQ(protokoll.Eintraege[0].Knoepfe, TFrageKnoepfe::JaNein);
    EXPECT_EQ(protokoll.Eintraege[1].Knoepfe, TFrageKnoepfe::JaNeinAbbrechen);
    EXPECT_EQ(ShowMessageBox("i", "Kalvorin", MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(protokoll.Eintraege.back().Art, TMeldungsart::Information);
}
