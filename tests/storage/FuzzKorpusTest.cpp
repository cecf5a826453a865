// Replays the fuzzer's seed corpus, so every input it once kept stays checked.

#include "../../fuzz/IniFuzzZiel.h"
#include "Testquellen.h"

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

TEST(FuzzKorpus, EveryInputKeepsEveryRule) {
    test::TEinstellungenSichern sichern;
    const auto korpus = std::filesystem::path(KALVORIN_TESTQUELLEN) / "storage" / "fuzz_corpus";
    ASSERT_TRUE(std::filesystem::is_directory(korpus)) << korpus;
    fuzz::IniFuzzMelden = Melden;
    std::size_t anzahl = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(korpus)) {
        const std::string daten = test::DateiInhalt(eintrag.path().string());
        verletzt.clear();
        fuzz::IniFuzzEingabe(reinterpret_cast<const std::uint8_t*>(daten.data()), daten.size());
        for (const std::string& regel : verletzt)
            ADD_FAILURE() << eintrag.path().filename() << ": " << regel;
        ++anzahl;
    }
    fuzz::IniFuzzMelden = nullptr;
    EXPECT_GE(anzahl, 10u);
}
