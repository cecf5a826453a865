#include "BefehlsfolgenFuzzZiel.h"
#include "BefehlsfolgenSaat.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace {

// libFuzzer's entropic schedule looks up every feature of every run among
// its rarest ones; with the forty thousand features of a session that took
// a third of the time. Without it the target runs some two thirds more
// sessions in a minute and reaches more features (measured over 60 s from
// the seed corpus), so it is off unless the command line sets it.
void EntropischAus(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i)
        if (std::string_view((*argv)[i]).starts_with("-entropic=")) return;
    static std::vector<char*> argumente;
    static char aus[] = "-entropic=0";
    argumente.assign(*argv, *argv + *argc);
    argumente.push_back(aus);
    argumente.push_back(nullptr);
    *argv = argumente.data();
    ++*argc;
}

} // namespace

// KALVORIN_SAAT=folder: writes the seed corpus there and ends.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EntropischAus(argc, argv);
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
