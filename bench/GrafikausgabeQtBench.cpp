// The graphic output of a full scene: every format of "Grafik speichern..."
// (metafiles, SVG, PDF, PNG, TikZ), made in memory (the drawing and the
// format's encoding) and written to a file through the atomic replace (with its
// flush to the disk). The size is the full DIN A5 option, 12,85 cm square.

#include "SzeneVoll.h"

#include "view/qt/Bildausgabe.h"

#include <QGuiApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>

using namespace kalvorin;

namespace {

TGrafikAuftrag Auftrag(const bench::TVolleSzene& v) {
    TGrafikAuftrag a;
    a.Fenster = v.abb.LogischesFenster();
    a.Malen = [&v](TZeichenflaeche& f) { v.szene.Zeichnen(f); };
    a.Groesse = a.Metadateigroesse = ImSeitenverhaeltnis({19000, 12850}, a.Fenster);
    return a;
}

void Format(benchmark::State& state, const char* endung) {
    const bench::TVolleSzene v(3);
    const TGrafikAuftrag a = Auftrag(v);
    const TGrafikformat* gefunden = GrafikformatMitEndung(QString::fromLatin1(endung));
    if (!gefunden) {
        state.SkipWithError("Format fehlt");
        return;
    }
    const TGrafikformat& format = *gefunden;
    const std::string datei = (std::filesystem::temp_directory_path() /
                               ("kalvorin-bench-" + std::to_string(::getpid()) + "." + endung))
                                  .string();
    const bool schreiben = state.range(0) != 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        if (schreiben) {
            const QString fehler = GrafikSchreiben(QString::fromStdString(datei), format, a);
            if (!fehler.isEmpty()) state.SkipWithError(fehler.toStdString().c_str());
        } else {
            const QByteArray daten = format.Erzeugen(a);
            bytes = daten.size();
            benchmark::DoNotOptimize(daten.constData());
        }
    }
    if (!schreiben) state.counters["Bytes"] = double(bytes);
    state.counters["Stuecke"] = v.szene.Stueckzahl();
    std::filesystem::remove(datei);
}

} // namespace

// One benchmark per format, argument 0: in memory; 1: written to a file.
const bool Registriert = [] {
    const std::pair<const char*, const char*> formate[] = {
        {"BM_Metadatei", "wmf"}, {"BM_Svg", "svg"}, {"BM_Pdf", "pdf"},
        {"BM_Png", "png"},       {"BM_Emf", "emf"}, {"BM_Tikz", "tex"}};
    for (const auto& [name, endung] : formate)
        benchmark::RegisterBenchmark(name, [endung](benchmark::State& s) { Format(s, endung); })
            ->ArgName("Datei")
            ->Arg(0)
            ->Arg(1)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(10)
            ->ReportAggregatesOnly(true);
    return true;
}();
