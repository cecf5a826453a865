// Replays the document fuzzer's seed corpus, so every input it once kept
// stays checked in the normal test run.

#include "../../fuzz/DokumentFuzzZiel.h"
#include "Testquellen.h"

#include "model/Meldungen.h"

#include "EinstellungenSichern.h"
#include "TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kalvorin;

namespace {
std::vector<std::string> verletzt;
void Melden(const char* regel) {
    verletzt.emplace_back(regel);
}
} // namespace

TEST(DokumentKorpus, EveryInputKeepsEveryRule) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    const auto korpus = std::filesystem::path(KALVORIN_TESTQUELLEN) / "storage" / "dokument_corpus";
    ASSERT_TRUE(std::filesystem::is_directory(korpus)) << korpus;
    fuzz::DokumentFuzzMelden = Melden;
    std::size_t anzahl = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(korpus)) {
        const std::string daten = test::DateiInhalt(eintrag.path().string());
        verletzt.clear();
        fuzz::DokumentFuzzEingabe(reinterpret_cast<const std::uint8_t*>(daten.data()),
                                  daten.size());
        for (const std::string& regel : verletzt)
            ADD_FAILURE() << eintrag.path().filename() << ": " << regel;
        ++anzahl;
    }
    fuzz::DokumentFuzzMelden = nullptr;
    EXPECT_GE(anzahl, 10u);
    EXPECT_EQ(protokoll.CursorTiefe, 0);
}
