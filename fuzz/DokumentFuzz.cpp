#include "DokumentFuzzZiel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    kalvorin::fuzz::DokumentFuzzEingabe(daten, groesse);
    return 0;
}
