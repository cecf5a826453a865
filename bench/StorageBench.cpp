#include "storage/EnhIniFile.h"
#include "storage/Felder.h"
#include "zahlen/Zahlen.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace kalvorin;

namespace {

std::string BenchDatei() {
    return (std::filesystem::temp_directory_path() /
            ("kalvorin-bench-" + std::to_string(::getpid()) + ".kvr"))
        .string();
}

// A document of 100 elements as the document writer lays it out.
void DokumentSchreiben(TEnhIniFile& ini) {
    ini.Clear();
    ini.WriteString("Version", "VersName", "Kalvorin-Analytische Geometrie");
    ini.WriteString("Version", "VersNummer", "1.0");
    for (int i = 0; i < 100; ++i) {
        const std::string s = EscapeName("Punkt" + std::to_string(i));
        ini.WriteString(s, "Elementart", "0|DfrPunkt");
        ini.WriteString(s, "RGB", ColorToField(RGB(i, 2 * i, 255 - i)));
        ini.WriteBoolIfTrue(s, "markiert", i % 3 == 0);
        ini.WriteString(s, "Koord", TripelToFields({i / 3.0L, -i / 7.0L, i * 1.5L}));
        ini.WriteInteger(s, "Punktform", i % 5);
    }
}

} // namespace

static void BM_IniDokumentSchreiben(benchmark::State& state) {
    const std::string datei = BenchDatei();
    for (auto _ : state) {
        TEnhIniFile ini(datei);
        DokumentSchreiben(ini);
        ini.UpdateFile();
    }
    std::remove(datei.c_str());
}
BENCHMARK(BM_IniDokumentSchreiben)->Unit(benchmark::kMicrosecond);

static void BM_IniDokumentLesen(benchmark::State& state) {
    const std::string datei = BenchDatei();
    {
        TEnhIniFile ini(datei);
        DokumentSchreiben(ini);
    }
    for (auto _ : state) {
        const TEnhIniFile ini(datei);
        std::vector<std::string> namen;
        ini.ReadSectionNames(namen);
        Real summe = 0;
        for (const std::string& s : namen) {
            if (FirstFieldToInt(ini.ReadString(s, "Elementart", "-1")) < 0) continue;
            benchmark::DoNotOptimize(FieldToColor(ini.ReadString(s, "RGB", "0|0|0")));
            benchmark::DoNotOptimize(ini.ReadBool(s, "markiert", false));
            std::string koord = ini.ReadString(s, "Koord", "0|0|0");
            summe += FieldsToTripel(koord).x;
            benchmark::DoNotOptimize(ini.ReadInteger(s, "Punktform", 0));
        }
        benchmark::DoNotOptimize(summe);
    }
    std::remove(datei.c_str());
}
BENCHMARK(BM_IniDokumentLesen)->Unit(benchmark::kMicrosecond);

// The object list shows three numbers per element on every rebuild.
static void BM_FormatNumber(benchmark::State& state) {
    Real x = 0.1L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(x));
        x += 0.37L;
        if (x > 200) x = -200;
    }
}
BENCHMARK(BM_FormatNumber);
