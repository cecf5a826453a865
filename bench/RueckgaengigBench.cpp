// Undo of a full document: what one step costs (the copy of the whole state
// taken before a change) in time, and what 100 steps of the 100-element
// benchmark document keep in memory (heap in use, as the C library counts
// it, after 100 steps minus before).

#include "document/Dokument.h"
#include "model/Meldungen.h"

#include "HundertElemente.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace kalvorin;

namespace {

void Fuellen(TDokument& d) {
    d.Aendern([](TListe& l) {
        bench::HundertElemente(l);
        return true;
    });
}

void BM_RueckgaengigSchritt(benchmark::State& state) {
    TMeldungsProtokoll leise;
    TDokument d;
    Fuellen(d);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(d.PunktVerschieben(1, {Real(++i % 7), 0, 0}));
}
BENCHMARK(BM_RueckgaengigSchritt)->Unit(benchmark::kMillisecond);

void BM_RueckgaengigUndWiederholen(benchmark::State& state) {
    TMeldungsProtokoll leise;
    TDokument d;
    Fuellen(d);
    d.PunktVerschieben(1, {1, 1, 1});
    for (auto _ : state) {
        d.RueckgaengigMachen();
        d.Wiederholen();
    }
}
BENCHMARK(BM_RueckgaengigUndWiederholen)->Unit(benchmark::kMillisecond);

void BM_HundertSchritteSpeicher(benchmark::State& state) {
    TMeldungsProtokoll leise;
    double proSchritt = 0;
    for (auto _ : state) {
        TDokument d;
        Fuellen(d);
        const std::size_t vorher = mallinfo2().uordblks;
        for (int i = 1; i <= 100; ++i)
            d.PunktVerschieben(1, {Real(i % 7), Real(i % 5), 0});
        const std::size_t nachher = mallinfo2().uordblks;
        proSchritt = (static_cast<double>(nachher) - static_cast<double>(vorher)) / 100;
        benchmark::DoNotOptimize(d.Rueckgaengig().Schritte());
    }
    state.counters["KB_je_Schritt"] = proSchritt / 1024;
    state.counters["MB_100_Schritte"] = proSchritt * 100 / (1024 * 1024);
}
BENCHMARK(BM_HundertSchritteSpeicher)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
