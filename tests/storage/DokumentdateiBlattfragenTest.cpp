// The worksheet's questions in the document file: their section comes after
// the elements, names the elements by their places in the file (serial
// numbers are given anew by reading), holds its text in Windows-1252, reads
// back robustly, and is skipped by a reader that knows only elements.

#include "storage/Dokumentdatei.h"

#include "model/Meldungen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kalvorin;

namespace {

struct TDatei {
    TListe Liste;
    TKoordinatensystem Ks;
    TMeldungsProtokoll Protokoll;

    TDreiDBasisElement& Punkt(const std::string& name, TTripel p) {
        auto* e = Liste.Neu<TfrPunkt>();
        e->Name = name;
        e->Koordinaten = p;
        return *e;
    }

    // Reads the bytes into this list; the questions when asked for.
    bool Lesen(const std::string& bytes, TBlattfragen* fragen) {
        TRollenMenge rollen = 0;
        bool vollstaendig = false;
        DokumentAusInhaltLesen(bytes, "blatt.kvr", Liste, Ks, rollen, false, &vollstaendig, fragen);
        return vollstaendig;
    }
};

// A, B and C with B deleted again: C's serial number is not its place.
std::string MitLuecke(TBlattfragen fragen, int& a, int& c) {
    TDatei d;
    a = d.Punkt("A", {1, 0, 0}).Nummer;
    d.Punkt("B", {0, 1, 0});
    c = d.Punkt("C", {0, 0, 1}).Nummer;
    d.Liste.Loeschen(2);
    if (fragen)
        for (TBlattfrage& f : *fragen)
            for (int& n : f.Nummern)
                n = n == 1 ? a : c;
    return DokumentInhalt(d.Liste, d.Ks, fragen).value();
}

const TBlattfragen Beispiel = std::vector<TBlattfrage>{
    {"Länge", {1, 3}, {}},
    {"Element", {3}, {}},
    {BlattfrageText, {}, "Überlegen Sie | 100 % = 1"},
};

TEST(DokumentdateiBlattfragen, SectionNamesElementsByTheirPlaceAndTextInWindows1252) {
    int a = 0, c = 0;
    const std::string bytes = MitLuecke(Beispiel, a, c);
    ASSERT_EQ(c, 3);
    EXPECT_NE(bytes.find("\r\n[Arbeitsblattfragen]\r\nAnzahl=3\r\nFrage1=L\xE4nge|1|2\r\n"
                         "Frage2=Element|2\r\nFrage3=Text|\xDC"
                         "berlegen Sie | 100 % = 1\r\n"),
              std::string::npos)
        << bytes;
    TDatei d;
    TBlattfragen gelesen;
    ASSERT_TRUE(d.Lesen(bytes, &gelesen));
    ASSERT_TRUE(gelesen);
    const int neuC = d.Liste.ElementMitName("C")->Nummer;
    EXPECT_EQ(*gelesen, (std::vector<TBlattfrage>{
                            {"Länge", {d.Liste.ElementMitName("A")->Nummer, neuC}, {}},
                            {"Element", {neuC}, {}},
                            {BlattfrageText, {}, "Überlegen Sie | 100 % = 1"},
                        }));
    // Saved again: the same bytes.
    EXPECT_EQ(DokumentInhalt(d.Liste, d.Ks, gelesen), bytes);
}

TEST(DokumentdateiBlattfragen, ReaderOfElementsAloneSkipsTheSection) {
    int a = 0, c = 0;
    const std::string mit = MitLuecke(Beispiel, a, c);
    const std::string ohne = MitLuecke(std::nullopt, a, c);
    ASSERT_EQ(ohne.find("Arbeitsblatt"), std::string::npos);
    TDatei alt, neu;
    ASSERT_TRUE(alt.Lesen(mit, nullptr));
    ASSERT_TRUE(neu.Lesen(ohne, nullptr));
    EXPECT_TRUE(alt.Protokoll.Eintraege.empty());
    ASSERT_EQ(alt.Liste.Anzahl(), 2);
    EXPECT_EQ(DokumentInhalt(alt.Liste, alt.Ks), DokumentInhalt(neu.Liste, neu.Ks));
}

TEST(DokumentdateiBlattfragen, WithoutTheSectionThereIsNoChoice) {
    struct TFall {
        const char* Abschnitt;
        std::optional<std::size_t> Fragen;
    };
    const TFall faelle[] = {
        {"", std::nullopt},
        {"[Arbeitsblattfragen]\r\nFrage1=Text|a\r\n", std::nullopt},
        {"[Arbeitsblattfragen]\r\nAnzahl=0\r\n", 0},
        {"[arbeitsblattfragen]\r\nanzahl=1\r\nfrage1=Text|a\r\n", 1},
    };
    for (const TFall& f : faelle) {
        TDatei d;
        TBlattfragen gelesen = std::vector<TBlattfrage>{{"Element", {1}, {}}};
        ASSERT_TRUE(
            d.Lesen(std::string("[Version]\r\nVersNummer=1.0\r\n") + f.Abschnitt, &gelesen));
        EXPECT_EQ(gelesen ? std::optional(gelesen->size()) : std::nullopt, f.Fragen) << f.Abschnitt;
    }
}

TEST(DokumentdateiBlattfragen, BrokenEntriesAreDroppedAndTheRestKept) {
    const std::string bytes = "[A]\r\nElementart=0|Punkt\r\nKoordinaten=1|0|0\r\n"
                              "[Z]\r\nElementart=77|Unbekannt\r\n"
                              "[B]\r\nElementart=0|Punkt\r\nKoordinaten=0|1|0\r\n"
                              "[Arbeitsblattfragen]\r\nAnzahl=99999\r\n"
                              "Frage1=Element|9\r\n"     // no element there
                              "Frage2=Winkel|1|x\r\n"    // not a place
                              "Frage3=|1\r\n"            // no kind
                              "Frage4=Element\r\n"       // no place
                              "Frage5=Element|2\r\n"     // Z, which cannot be read
                              "Frage6=Sp\xE4ter|1|3\r\n" // a later kind: the document decides
                              "Frage7=Text|a|b\r\n"
                              "Frage8=L\xE4nge|1|-3\r\n"
                              "Frage9=L\xE4nge|1|3|\r\n";
    TDatei d;
    TBlattfragen gelesen;
    d.Lesen(bytes, &gelesen);
    ASSERT_EQ(d.Liste.Anzahl(), 2);
    const int a = d.Liste.ElementMitName("A")->Nummer, b = d.Liste.ElementMitName("B")->Nummer;
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen,
              (std::vector<TBlattfrage>{{"Später", {a, b}, {}}, {BlattfrageText, {}, "a|b"}}));
}

} // namespace
