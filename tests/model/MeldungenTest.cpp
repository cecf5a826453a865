#include "model/Meldungen.h"

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(Meldungen, ProtocolRecordsAndRestoresThePreviousReceiver) {
    {
        TMeldungsProtokoll aussen;
        {
            TMeldungsProtokoll innen;
            innen.Antworten = {TAntwort::Nein};
            Meldungen().Meldung("a", TMeldungsart::Warnung);
            EXPECT_EQ(Meldungen().Frage("b?", TFrageKnoepfe::JaNein), TAntwort::Nein);
            EXPECT_EQ(Meldungen().Frage("c?", TFrageKnoepfe::JaNein), TAntwort::Ja);
            {
                TWarteCursor w;
                EXPECT_EQ(innen.CursorTiefe, 1);
            }
            EXPECT_EQ(innen.CursorTiefe, 0);
            ASSERT_EQ(innen.Eintraege.size(), 3u);
            EXPECT_EQ(innen.Eintraege[0].Titel, "Kalvorin");
            EXPECT_TRUE(innen.Eintraege[1].IstFrage);
        }
        Meldungen().Meldung("d", TMeldungsart::Information);
        EXPECT_EQ(aussen.Eintraege.size(), 1u);
    }
    // the silent default answers No to every question
    EXPECT_EQ(Meldungen().Frage("?", TFrageKnoepfe::JaNein), TAntwort::Nein);
}
