// One frame of turning the view by dragging, at a full scene: a small
// rotation, projecting, sorting and drawing into an image of the window's
// size, as the view does for every mouse move. Sizes: 800 x 800, a full-HD
// and a 4K screen. Targets (median, on a 2-core machine): 4K at most 8.3 ms
// (a 120 Hz frame), full HD at most 4 ms, 800 x 800 under 8 ms.
// BM_ZiehbildFuellen is the floor: filling the image white alone.
// BM_ZiehbildHeft compares the textbook view ("Heftansicht") with it.

#include "SzeneVoll.h"

#include "view/qt/Bandzeichnen.h"
#include "view/qt/QtZeichenflaeche.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <utility>

using namespace kalvorin;

namespace {

constexpr std::pair<int, int> Groessen[] = {{800, 800}, {1920, 1080}, {3840, 2160}};

// As the view draws a drag frame: in bands on all cores, cut where the last
// frame's work was shared evenly.
void Malen(const bench::TVolleSzene& v, QImage& bild, TBandteilung& teilung, int baender = 0) {
    InBaendernMalen(
        bild, v.abb.LogischesFenster(), QRectF(0, 0, bild.width(), bild.height()),
        [&](TZeichenflaeche& f) { v.szene.Zeichnen(f); }, baender, &teilung);
}

// The plain drawing: one painter on the whole image, as before the bands.
void EinfachMalen(const bench::TVolleSzene& v, QImage& bild) {
    bild.fill(Qt::white);
    QPainter p(&bild);
    TQtZeichenflaeche f(p, v.abb.LogischesFenster(), QRectF(0, 0, bild.width(), bild.height()));
    v.szene.Zeichnen(f);
}

// Both full scenes (3 and 8 planes) at every size.
void Szenen(benchmark::internal::Benchmark* b) {
    b->ArgNames({"Ebenen", "Breite", "Hoehe"});
    for (int ebenen : {3, 8})
        for (auto [breite, hoehe] : Groessen)
            b->Args({ebenen, breite, hoehe});
}

QImage Bild(const benchmark::State& state, int erstes) {
    return QImage(static_cast<int>(state.range(erstes)), static_cast<int>(state.range(erstes + 1)),
                  QImage::Format_RGB32);
}

} // namespace

static void BM_Ziehbild(benchmark::State& state) {
    bench::TVolleSzene v(static_cast<int>(state.range(0)));
    QImage bild = Bild(state, 1);
    TBandteilung teilung;
    int schritt = 0;
    for (auto _ : state) {
        v.Drehen(schritt++);
        v.szene.Projizieren();
        v.szene.Sortieren();
        Malen(v, bild, teilung);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["Stuecke"] = v.szene.Stueckzahl();
    state.counters["Objekte"] = v.szene.Objektzahl();
}
// Wall time: Qt hands parts of large fills to other threads, and the bands
// are drawn on other threads than the benchmark's.
BENCHMARK(BM_Ziehbild)
    ->Apply(Szenen)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The textbook view against the design's own view, on the same full scene
// with two pyramids and an opaque plane: arguments Heft (0 the design's
// view, 1 the textbook view with its paper, hidden edges and names), width,
// height. The textbook view's frame should take at most 25 % longer.
static void BM_ZiehbildHeft(benchmark::State& state) {
    bench::TVolleSzene v(3, 2024, state.range(0) != 0, true);
    QImage bild = Bild(state, 1);
    TBandteilung teilung;
    int schritt = 0;
    for (auto _ : state) {
        v.Drehen(schritt++);
        v.szene.Projizieren();
        v.szene.Sortieren();
        Malen(v, bild, teilung);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["Stuecke"] = v.szene.Stueckzahl();
}
BENCHMARK(BM_ZiehbildHeft)
    ->ArgNames({"Heft", "Breite", "Hoehe"})
    ->Args({0, 1920, 1080})
    ->Args({1, 1920, 1080})
    ->Args({0, 3840, 2160})
    ->Args({1, 3840, 2160})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

static void BM_ZiehbildNurZeichnen(benchmark::State& state) {
    bench::TVolleSzene v(static_cast<int>(state.range(0)));
    QImage bild = Bild(state, 1);
    TBandteilung teilung;
    for (auto _ : state) {
        Malen(v, bild, teilung);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_ZiehbildNurZeichnen)
    ->Apply(Szenen)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The drawing alone at 4K by the number of bands; 0 is what the view uses,
// -1 the plain drawing with one painter.
static void BM_ZiehbildBaender(benchmark::State& state) {
    bench::TVolleSzene v(static_cast<int>(state.range(0)));
    QImage bild(3840, 2160, QImage::Format_RGB32);
    TBandteilung teilung;
    const int baender = static_cast<int>(state.range(1));
    for (auto _ : state) {
        if (baender < 0)
            EinfachMalen(v, bild);
        else
            Malen(v, bild, teilung, baender);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_ZiehbildBaender)
    ->ArgNames({"Ebenen", "Baender"})
    ->ArgsProduct({{3, 8}, {-1, 0, 1, 2, 3, 4, 6}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_ZiehbildFuellen(benchmark::State& state) {
    QImage bild = Bild(state, 0);
    for (auto _ : state) {
        bild.fill(Qt::white);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_ZiehbildFuellen)
    ->Apply([](benchmark::internal::Benchmark* b) {
        b->ArgNames({"Breite", "Hoehe"});
        for (auto [breite, hoehe] : Groessen)
            b->Args({breite, hoehe});
    })
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

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
BENCHMARK(BM_ZiehbildNurSortieren)
    ->ArgNames({"Ebenen", "Vorpruefung"})
    ->ArgsProduct({{3, 8}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
