// The parts of a drag frame that do not draw: projecting and sorting a full
// scene after a small rotation.

#include "SzeneVoll.h"

#include <benchmark/benchmark.h>

using namespace kalvorin;

static void BM_SzeneProjizieren(benchmark::State& state) {
    bench::TVolleSzene v;
    int schritt = 0;
    for (auto _ : state) {
        v.Drehen(schritt++);
        v.szene.Projizieren();
        benchmark::ClobberMemory();
    }
    state.counters["Stuecke"] = v.szene.Stueckzahl();
    state.counters["Objekte"] = v.szene.Objektzahl();
}
BENCHMARK(BM_SzeneProjizieren)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_SzeneSortieren(benchmark::State& state) {
    bench::TVolleSzene v;
    v.Drehen(3);
    v.szene.Projizieren();
    for (auto _ : state) {
        v.szene.Sortieren();
        benchmark::DoNotOptimize(v.szene.Zeichenfolge().data());
    }
    state.counters["Stuecke"] = v.szene.Stueckzahl();
}
BENCHMARK(BM_SzeneSortieren)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Building the scene of a full document: the rebuild after every command.
static void BM_SzeneAufbauen(benchmark::State& state) {
    for (auto _ : state) {
        bench::TVolleSzene v;
        benchmark::DoNotOptimize(v.szene.Stueckzahl());
    }
}
BENCHMARK(BM_SzeneAufbauen)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
