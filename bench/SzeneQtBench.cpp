// One frame of turning the view by dragging, at a full scene: a small
// rotation, projecting, sorting and drawing into an 800 x 800 image, as the
// view does for every mouse move. Target: median under 8 ms.

#include "SzeneVoll.h"

#include "view/qt/QtZeichenflaeche.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace kalvorin;

namespace {

void Malen(const bench::TVolleSzene& v, QImage& bild) {
    bild.fill(Qt::white);
    QPainter p(&bild);
    TQtZeichenflaeche f(p, v.abb.LogischesFenster(), QRectF(0, 0, bild.width(), bild.height()));
    v.szene.Zeichnen(f);
}

} // namespace

static void BM_Ziehbild(benchmark::State& state) {
    bench::TVolleSzene v(static_cast<int>(state.range(0)));
    QImage bild(800, 800, QImage::Format_RGB32);
    int schritt = 0;
    for (auto _ : state) {
        v.Drehen(schritt++);
        v.szene.Projizieren();
        v.szene.Sortieren();
        Malen(v, bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["Stuecke"] = v.szene.Stueckzahl();
    state.counters["Objekte"] = v.szene.Objektzahl();
}
BENCHMARK(BM_Ziehbild)->ArgName("Ebenen")->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_ZiehbildNurZeichnen(benchmark::State& state) {
    bench::TVolleSzene v(static_cast<int>(state.range(0)));
    QImage bild(800, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        Malen(v, bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_ZiehbildNurZeichnen)->ArgName("Ebenen")->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_ZiehbildNurSortieren(benchmark::State& state) {
    bench::TVolleSzene v(static_cast<int>(state.range(0)));
    int schritt = 0;
    for (auto _ : state) {
        state.PauseTiming();
        v.Drehen(schritt++);
        v.szene.Projizieren();
        state.ResumeTiming();
        v.szene.Sortieren(state.range(1) != 0);
        benchmark::DoNotOptimize(v.szene.Zeichenfolge().data());
    }
}
// The second argument: 1 with the early rejection of pairs far apart, 0 comparing every pair.
BENCHMARK(BM_ZiehbildNurSortieren)->ArgNames({"Ebenen", "Vorpruefung"})->ArgsProduct({{3, 8}, {0, 1}})->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
