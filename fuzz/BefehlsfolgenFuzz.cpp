#include "BefehlsfolgenFuzzZiel.h"
#include "BefehlsfolgenSaat.h"

#include <filesystem>
#include <fstream>

// KALVORIN_SAAT=folder: writes the seed corpus there and ends.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* ordner = std::getenv("KALVORIN_SAAT");
    if (!ordner) return 0;
    std::filesystem::create_directories(ordner);
    for (const auto& [name, bytes] : kalvorin::fuzz::Saatfolgen())
        std::ofstream(std::filesystem::path(ordner) / name, std::ios::binary) << bytes;
    std::exit(0);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    kalvorin::fuzz::BefehlsfolgeAusfuehren(daten, groesse);
    return 0;
}
