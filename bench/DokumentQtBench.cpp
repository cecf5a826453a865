// Opening a document as the program does it: read the file, rebuild every
// element, draw the view into an 800 x 800 image; and saving it again.

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "view/qt/Bildausgabe.h"

#include "HundertElemente.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace kalvorin;
using kalvorin::bench::HundertElemente;

namespace {

std::string Datei(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("kalvorin-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

void BM_OeffnenNeuaufbauZeichnen(benchmark::State& state) {
    TMeldungsProtokoll leise;
    const std::string datei = Datei("oeffnen.kvr");
    {
        TDokument d;
        d.Aendern([](TListe& l) {
            HundertElemente(l);
            return true;
        });
        d.Speichern(datei);
    }
    QImage bild(800, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        TDokument d;
        d.Laden(datei); // reads and rebuilds
        QPainter p(&bild);
        Malen(p, d.Abbildung().LogischesFenster(), QRectF(0, 0, 800, 800),
              [&](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); });
        benchmark::DoNotOptimize(d.Szene().Stueckzahl());
    }
    std::filesystem::remove(datei);
}
BENCHMARK(BM_OeffnenNeuaufbauZeichnen)->Unit(benchmark::kMillisecond);

void BM_Speichern(benchmark::State& state) {
    TMeldungsProtokoll leise;
    const std::string datei = Datei("speichern.kvr");
    TDokument d;
    d.Aendern([](TListe& l) {
        HundertElemente(l);
        return true;
    });
    d.Neuaufbau();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.Speichern(datei));
    std::filesystem::remove(datei);
}
BENCHMARK(BM_Speichern)->Unit(benchmark::kMillisecond);

} // namespace
