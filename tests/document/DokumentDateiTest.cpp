// A document and its file: what the window keeps after reading a file that
// did not read completely, and that saving is stable for every document the
// fuzzer's corpora hold.

#include "Testquellen.h"
#include "document/Dokument.h"

#include "document/Dateiregeln.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace kalvorin;
using kalvorin::test::DateiInhalt;
using kalvorin::test::DateiSchreiben;
using kalvorin::test::TTestOrdner;
namespace fs = std::filesystem;

namespace {

const fs::path Korpus = fs::path(KALVORIN_TESTQUELLEN) / "storage";

// The reader's fuzz inputs begin with a byte of options: bit 0 chooses the
// decimal separator; the rest is the file. The settings fuzzer's inputs are
// read as documents as they are.
struct TKorpusdatei {
    fs::path Pfad;
    bool MitOptionen;
};

std::vector<TKorpusdatei> Korpusdateien() {
    std::vector<TKorpusdatei> dateien;
    for (const auto& [ordner, optionen] :
         {std::pair{"dokument_corpus", true}, std::pair{"fuzz_corpus", false}})
        for (const auto& e : fs::directory_iterator(Korpus / ordner))
            dateien.push_back({e.path(), optionen});
    std::sort(dateien.begin(), dateien.end(),
              [](const auto& a, const auto& b) { return a.Pfad < b.Pfad; });
    return dateien;
}

TEST(DokumentKorpus, SavingWhatWasReadIsStableForEveryCorpusDocument) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TTestOrdner ordner;
    std::size_t anzahl = 0;
    for (const TKorpusdatei& k : Korpusdateien()) {
        SCOPED_TRACE(k.Pfad.filename().string());
        std::string daten = DateiInhalt(k.Pfad.string());
        if (k.MitOptionen) {
            if (daten.empty()) continue;
            Einstellungen().Dezimaltrenner = (daten[0] & 1) ? '.' : ',';
            daten.erase(0, 1);
        }
        DateiSchreiben(ordner / "ein.kvr", daten);
        // Loading rebuilds, as the window does; every save after that must
        // give the same bytes, however often the file goes round.
        TDokument eins;
        eins.Laden(ordner / "ein.kvr");
        if (!eins.Speichern(ordner / "a.kvr")) continue; // refused names: nothing written
        TDokument zwei;
        ASSERT_EQ(zwei.Laden(ordner / "a.kvr"), TLadeergebnis::Gelesen);
        ASSERT_TRUE(zwei.Speichern(ordner / "b.kvr"));
        TDokument drei;
        ASSERT_EQ(drei.Laden(ordner / "b.kvr"), TLadeergebnis::Gelesen);
        ASSERT_TRUE(drei.Speichern(ordner / "c.kvr"));
        const std::string a = DateiInhalt(ordner / "a.kvr");
        EXPECT_EQ(a, DateiInhalt(ordner / "b.kvr"));
        EXPECT_EQ(a, DateiInhalt(ordner / "c.kvr"));
        ++anzahl;
    }
    EXPECT_GE(anzahl, 40u);
}

// The shared reproducing documents: each loads with a message naming what
// was not read, and keeps no file name, so "Speichern" cannot overwrite it.
struct TUnvollstaendig {
    const char* Fall;
    const char* Datei;                 // in the reader's corpus, after the options byte
    std::vector<std::string> Namen;    // what is left
    std::vector<std::string> Erwaehnt; // in the message
};

void PrintTo(const TUnvollstaendig& f, std::ostream* os) {
    *os << f.Fall;
}

class Unvollstaendig : public ::testing::TestWithParam<TUnvollstaendig> {};

TEST_P(Unvollstaendig, LoadsWithAMessageAndWithoutTheFileName) {
    const TUnvollstaendig& f = GetParam();
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TTestOrdner ordner;
    const std::string daten = DateiInhalt((Korpus / "dokument_corpus" / f.Datei).string());
    ASSERT_FALSE(daten.empty());
    DateiSchreiben(ordner / "d.kvr", daten.substr(1));
    TDokument d;
    EXPECT_EQ(d.Laden(ordner / "d.kvr"), TLadeergebnis::Teilweise);
    std::vector<std::string> namen;
    for (int i = 1; i <= d.Liste().Anzahl(); ++i)
        namen.push_back(d.Liste()[i]->Name);
    EXPECT_EQ(namen, f.Namen);
    EXPECT_EQ(d.Dateiname(), "");
    EXPECT_EQ(SpeicherDatei(d), "") << "Speichern asks for a new name";
    EXPECT_TRUE(d.Geaendert());
    ASSERT_FALSE(protokoll.Eintraege.empty());
    const std::string& text = protokoll.Eintraege[0].Text;
    EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
    for (const std::string& w : f.Erwaehnt)
        EXPECT_NE(text.find(w), std::string::npos) << w << " in\n" << text;
}

const TUnvollstaendig UnvollstaendigFaelle[] = {
    {"ZahlenOhneWert",
     "repro_silent_drop_numbers",
     {"A"},
     {"B: die Zahl 1e4000 ist zu groß", "C: 'nan' ist kein gültiger", "g: baut auf C auf",
      "Speichern"}},
    {"SpiegelbildVonSichSelbst",
     "repro_cycle_derivation_self",
     {"Z"},
     {"A: hängt über seine Bezüge von sich selbst ab"}},
    {"RingZweierMittelpunkte",
     "repro_cycle_derivation_mid",
     {"C"},
     {"A: ", "B: ", "von sich selbst ab"}},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Unvollstaendig, ::testing::ValuesIn(UnvollstaendigFaelle),
                         [](const auto& info) { return std::string(info.param.Fall); });

TEST(DokumentDatei, ByteOrderMarkAndCarriageReturnsAloneReadCompletely) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TTestOrdner ordner;
    for (const char* datei : {"repro_bom_utf8", "repro_cr_only"}) {
        SCOPED_TRACE(datei);
        const std::string daten = DateiInhalt((Korpus / "dokument_corpus" / datei).string());
        DateiSchreiben(ordner / "d.kvr", daten.substr(1));
        TDokument d;
        EXPECT_EQ(d.Laden(ordner / "d.kvr"), TLadeergebnis::Gelesen);
        EXPECT_EQ(d.Dateiname(), ordner / "d.kvr");
        EXPECT_GE(d.Liste().Anzahl(), 2);
        EXPECT_EQ(d.Liste()[1]->Name, "A");
    }
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST(DokumentDatei, AWriteProtectedFileIsNeverReplaced) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TTestOrdner ordner;
    const std::string datei = ordner / "alt.kvr";
    DateiSchreiben(datei, "[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n");
    fs::permissions(datei, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    TDokument d;
    ASSERT_EQ(d.Laden(datei), TLadeergebnis::Gelesen);
    EXPECT_FALSE(d.Speichern(datei));
    EXPECT_EQ(DateiInhalt(datei), "[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n");
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text,
              "Kalvorin kann diese Datei weder speichern noch erstellen.\r\nDie Datei ist "
              "schreibgeschützt und wird nicht überschrieben. (" +
                  datei + ")");
}

} // namespace
