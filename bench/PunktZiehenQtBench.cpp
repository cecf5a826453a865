// One step of dragging a point, as the document window does it for every
// mouse move: the point moved, the document rebuilt (every element, the
// scene projected and sorted) and the view drawn in bands into an image of
// the window's size. The 100-element benchmark document, its first point
// dragged. Targets (median, on a 2-core machine): full HD at most 8.3 ms,
// 4K at most 16 ms. BM_PunktZiehenNeuaufbau is the rebuild alone.

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "view/qt/Bandzeichnen.h"

#include "HundertElemente.h"

#include <QImage>

#include <benchmark/benchmark.h>

using namespace kalvorin;

namespace {

// The document with the drag of its first point begun.
struct TZiehdokument {
    TMeldungsProtokoll leise;
    TDokument d;
    TZiehdokument() {
        d.Aendern([](TListe& l) {
            bench::HundertElemente(l);
            return true;
        });
        d.ZiehenBeginnen(1);
    }
    // Small steps to and fro about the point's place, as a hand moves.
    void Schritt(int i) {
        const Real t = 0.05L * (i % 40 < 20 ? i % 20 : 20 - i % 20);
        d.ZiehenNach({-2.5L + t, t / 2, 0.5L});
    }
};

} // namespace

static void BM_PunktZiehen(benchmark::State& state) {
    TZiehdokument z;
    QImage bild(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                QImage::Format_RGB32);
    const TZeichenOptionen optionen{false, true, false, true};
    TBandteilung teilung;
    int i = 0;
    for (auto _ : state) {
        z.Schritt(++i);
        const TDokument& d = z.d;
        InBaendernMalen(
            bild, d.Abbildung().LogischesFenster(), QRectF(0, 0, bild.width(), bild.height()),
            [&](TZeichenflaeche& f) { DokumentZeichnen(d, f, optionen); }, 0, &teilung);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["Stuecke"] = z.d.Szene().Stueckzahl();
}
BENCHMARK(BM_PunktZiehen)
    ->ArgNames({"Breite", "Hoehe"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

static void BM_PunktZiehenNeuaufbau(benchmark::State& state) {
    TZiehdokument z;
    int i = 0;
    for (auto _ : state) {
        z.Schritt(++i);
        benchmark::DoNotOptimize(z.d.Szene().Stueckzahl());
    }
}
BENCHMARK(BM_PunktZiehenNeuaufbau)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
