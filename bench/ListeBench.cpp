#include "math/Matrix4.h"
#include "model/Liste.h"

#include <benchmark/benchmark.h>

using namespace kalvorin;

// Undo takes a deep copy of the whole list before every command.
static void BM_ListeKopieren(benchmark::State& state) {
    TListe quelle;
    TDreiDBasisElement* vorher = nullptr;
    for (int i = 0; i < TListe::Kapazitaet; ++i) {
        auto* e = quelle.Neu(i % 2 == 0 ? TElementart::DfrPunkt : TElementart::DGerade);
        e->Name = quelle.AutomatischerName(e->Art);
        e->Bezuege[0] = vorher;
        vorher = e;
    }
    for (auto _ : state) {
        TListe ziel;
        TListe::Kopieren(quelle, ziel);
        benchmark::DoNotOptimize(ziel[TListe::Kapazitaet]);
    }
}
BENCHMARK(BM_ListeKopieren);

// A full list asks for automatic names up to a hundred times.
static void BM_AutomatischerName(benchmark::State& state) {
    TListe liste;
    for (int i = 0; i < TListe::Kapazitaet - 1; ++i)
        liste.Neu(TElementart::DfrPunkt)->Name = liste.AutomatischerName(TElementart::DfrPunkt);
    for (auto _ : state)
        benchmark::DoNotOptimize(liste.AutomatischerName(TElementart::DfrPunkt));
}
BENCHMARK(BM_AutomatischerName);

static void BM_Abbilden(benchmark::State& state) {
    const TMatrix4 m = Drehmatrix({1, 2, 3}, {0, 1, 1}, 0.3L);
    TTripel p{1, 1, 1};
    for (auto _ : state) {
        p = Abbilden(m, p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Abbilden);
