// Recovery copies of a 100-element document: what the timer does when a copy
// is due (record and copy written, each flushed to the disk and renamed into
// place), and what the start does with one copy a crashed program left.
// Both run on the user interface's thread, so wall time is what the user
// could feel; CPU time shows how much of it is the program and how much the
// disk.

#include "document/Wiederherstellung.h"
#include "model/Meldungen.h"

#include "HundertElemente.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace kalvorin;

namespace {

std::string Ordner(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("kalvorin-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

void BM_WiederherstellungskopieSchreiben(benchmark::State& state) {
    TMeldungsProtokoll leise;
    const std::string ordner = Ordner("kopie");
    {
        TWiederherstellungsablage ablage(ordner);
        TWiederherstellungsplan::TZeit jetzt{};
        TWiederherstellungsplan plan(ablage, [&jetzt] { return jetzt; });
        TDokument d;
        plan.Anmelden(d, [] { return std::string("neu1.kvr"); });
        d.Aendern([](TListe& l) {
            bench::HundertElemente(l);
            return true;
        });
        for (auto _ : state) {
            // A change of the marks makes the copy due, as any change does.
            d.Markieren([](TListe& l) { l[1]->markiert = !l[1]->markiert; });
            jetzt += TWiederherstellungsplan::Abstand;
            plan.Schreiben();
        }
        if (plan.KopieDatei(d).empty()) state.SkipWithError("no copy written");
    }
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_WiederherstellungskopieSchreiben)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VerwaisteKopieFinden(benchmark::State& state) {
    TMeldungsProtokoll leise;
    const std::string ordner = Ordner("verwaist");
    {
        TWiederherstellungsablage tot(ordner);
        TListe l;
        bench::HundertElemente(l);
        tot.Schreiben(tot.NeuerPlatz(), l, TKoordinatensystem(), {"", "neu1.kvr", false, 1});
    }
    for (auto _ : state) {
        TWiederherstellungsablage start(ordner);
        const auto verwaist = start.VerwaisteFinden();
        if (verwaist.size() != 1 || !verwaist[0].Lesbar) state.SkipWithError("orphan not found");
        start.VerwaisteFreigeben();
    }
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_VerwaisteKopieFinden)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
