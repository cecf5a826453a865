// The rebuild of the 100-element document, and beside it what the exact
// values would cost if the rebuild computed them: they are computed only
// when asked for (a measurement, a hint, a dialog page, the worked
// solution), so the first figure is the rebuild as it stays.

#include "document/Dokument.h"
#include "exakt/ExakteGeometrie.h"
#include "model/Meldungen.h"

#include "HundertElemente.h"

#include <benchmark/benchmark.h>

using namespace kalvorin;
using kalvorin::bench::HundertElemente;

namespace {

void Aufbauen(TDokument& d) {
    d.Aendern([](TListe& l) {
        HundertElemente(l);
        return true;
    });
}

void BM_Neuaufbau100(benchmark::State& state) {
    TMeldungsProtokoll leise;
    TDokument d;
    Aufbauen(d);
    for (auto _ : state) {
        d.Neuaufbau();
        benchmark::DoNotOptimize(d.Szene().Stueckzahl());
    }
}
BENCHMARK(BM_Neuaufbau100)->Unit(benchmark::kMicrosecond);

// As if every rebuild also computed and checked every exact value.
void BM_Neuaufbau100MitExakt(benchmark::State& state) {
    TMeldungsProtokoll leise;
    TDokument d;
    Aufbauen(d);
    bool stimmt = true;
    for (auto _ : state) {
        d.Neuaufbau();
        stimmt = exakt::ExaktStimmtMitDezimal(d.Liste()) && stimmt;
        benchmark::DoNotOptimize(d.Szene().Stueckzahl());
    }
    state.counters["stimmt"] = stimmt;
}
BENCHMARK(BM_Neuaufbau100MitExakt)->Unit(benchmark::kMicrosecond);

// The exact values of all 100 elements, once, as one hint or dialog asks.
void BM_Exakt100(benchmark::State& state) {
    TMeldungsProtokoll leise;
    TDokument d;
    Aufbauen(d);
    d.Neuaufbau();
    int exakt = 0;
    for (auto _ : state) {
        exakt::TExakteAuswertung a;
        exakt = 0;
        for (int i = 1; i <= d.Liste().Anzahl(); ++i)
            exakt += a.Geometrie(d.Liste()[i]).has_value();
    }
    state.counters["exakt"] = exakt;
}
BENCHMARK(BM_Exakt100)->Unit(benchmark::kMicrosecond);

} // namespace
