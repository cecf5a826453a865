// Replays the command-sequence fuzzer's seeds and its kept inputs through
// the same code as the fuzz target, so every session it once found stays
// checked in the normal test run, also without clang.

#include "../../fuzz/BefehlsfolgenFuzzZiel.h"
#include "../../fuzz/BefehlsfolgenSaat.h"
#include "Testquellen.h"

#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace kalvorin;

namespace {

std::vector<std::string> verletzt;
void Melden(const std::string& regel) {
    verletzt.push_back(regel);
}

std::vector<std::string> Abspielen(const std::string& daten) {
    verletzt.clear();
    fuzz::BefehlsfolgeMelden = Melden;
    fuzz::BefehlsfolgeAusfuehren(reinterpret_cast<const std::uint8_t*>(daten.data()), daten.size());
    fuzz::BefehlsfolgeMelden = nullptr;
    return verletzt;
}

std::string Inhalt(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(BefehlsfolgenKorpus, EveryKeptSessionKeepsEveryRule) {
    test::TEinstellungenSichern sichern;
    const auto korpus =
        std::filesystem::path(KALVORIN_TESTQUELLEN) / "document" / "befehlsfolgen_corpus";
    ASSERT_TRUE(std::filesystem::is_directory(korpus)) << korpus;
    // The seeds as written run in the next test.
    std::set<std::string> saat;
    for (const auto& folge : fuzz::Saatfolgen())
        saat.insert(folge.second);
    std::size_t anzahl = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(korpus)) {
        ++anzahl;
        const std::string daten = Inhalt(eintrag.path());
        if (saat.count(daten)) continue;
        for (const std::string& regel : Abspielen(daten))
            ADD_FAILURE() << eintrag.path().filename() << ": " << regel;
    }
    EXPECT_GE(anzahl, 40u);
}

// The seeds as the current operation table encodes them: they stay
// meaningful when rows are added before the corpus is written again.
TEST(BefehlsfolgenKorpus, EverySeedKeepsEveryRule) {
    test::TEinstellungenSichern sichern;
    for (const auto& [name, bytes] : fuzz::Saatfolgen())
        for (const std::string& regel : Abspielen(bytes))
            ADD_FAILURE() << name << ": " << regel;
}

// Every core row of the command table is an operation of the fuzzer.
TEST(BefehlsfolgenKorpus, EveryCoreCommandIsAnOperation) {
    std::size_t zeilen = 0;
    for (const TBefehlszeile& z : Befehlstabelle())
        if (z.Art == TZeilenart::Befehl && z.Ausfuehren) {
            ++zeilen;
            EXPECT_GE(fuzz::OperationMitName(z.Name), 0) << z.Name;
        }
    EXPECT_EQ(fuzz::Operationen().size(), std::size(fuzz::EigeneOperationen) + zeilen);
}

// The seeds do what they are named for: the Abitur scene is built by the
// dialogs, and the perpendicular from S meets the plane at its foot.
TEST(BefehlsfolgenKorpus, TheAbiturSeedBuildsTheScene) {
    test::TEinstellungenSichern sichern;
    static std::string namen;
    static std::string fuss;
    namen.clear();
    fuss.clear();
    fuzz::BefehlsfolgeEnde = [](const TDokument& d) {
        for (int i = 1; i <= d.Liste().Anzahl(); ++i)
            namen += d.Liste()[i]->Name + " ";
        if (d.Liste().Anzahl() >= 14) {
            const auto& f = Als<TfrPunkt>(*d.Liste()[14]);
            fuss = std::to_string(static_cast<double>(f.Koordinaten.x)) + " " +
                   std::to_string(static_cast<double>(f.Koordinaten.y)) + " " +
                   std::to_string(static_cast<double>(f.Koordinaten.z));
        }
    };
    for (const auto& [name, bytes] : fuzz::Saatfolgen())
        if (name == "abitur") {
            EXPECT_TRUE(Abspielen(bytes).empty());
        }
    fuzz::BefehlsfolgeEnde = nullptr;
    EXPECT_EQ(namen, "A B C S u v g h E s D1 DP1 g1 P1 ");
    EXPECT_EQ(fuss, "-0.327869 1.836066 2.114754"); // (-20/61 | 112/61 | 129/61)
}

// The sphere seed: a line and a plane through a sphere, the tangent plane
// at a point of it and its point of contact, and the images of sphere and
// circle, every one derived after saving and loading.
TEST(BefehlsfolgenKorpus, TheSphereSeedMakesItsElements) {
    test::TEinstellungenSichern sichern;
    static std::string elemente;
    elemente.clear();
    fuzz::BefehlsfolgeEnde = [](const TDokument& d) {
        for (int i = 13; i <= d.Liste().Anzahl(); ++i) {
            const TDreiDBasisElement& e = *d.Liste()[i];
            elemente += e.Name + ":" + std::to_string(e.ArtNummer()) + "/" +
                        std::to_string(static_cast<int>(e.Entstehung.Art)) + " ";
        }
    };
    bool gefunden = false;
    for (const auto& [name, bytes] : fuzz::Saatfolgen())
        if (name == "kugel") {
            gefunden = true;
            EXPECT_TRUE(Abspielen(bytes).empty());
        }
    fuzz::BefehlsfolgeEnde = nullptr;
    EXPECT_TRUE(gefunden);
    EXPECT_EQ(elemente, "K:12/0 P1:0/24 P2:0/24 k1:13/1 E1:8/26 P3:0/25 K':12/3 k1':13/3 ");
}
