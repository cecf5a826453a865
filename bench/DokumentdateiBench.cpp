// Saving and loading a document of 100 elements: 40 free points with odd
// coordinates, and lines, planes, segments, triangles and derived points
// that refer to them by name.

#include "storage/Dokumentdatei.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace kalvorin;

namespace {

std::string BenchDatei(const char* name) {
    std::string datei = "kalvorin-bench-";
    datei += std::to_string(::getpid());
    datei += '-';
    datei += name;
    return (std::filesystem::temp_directory_path() / datei).string();
}

void HundertElemente(TListe& l) {
    for (int i = 0; i < 40; ++i) {
        auto* p = l.Neu<TfrPunkt>();
        p->Name = l.AutomatischerName(TElementart::DfrPunkt);
        p->Koordinaten = {i / 3.0L, -i / 7.0L, i * 1.5L};
        p->markiert = i % 3 == 0;
    }
    const auto punkt = [&l](int i) { return l[1 + i % 40]; };
    for (int i = 0; i < 60; ++i) {
        TDreiDBasisElement* e = nullptr;
        switch (i % 5) {
        case 0:
            e = l.Neu<TGerade>();
            e->Festlegung = TGerade::GPP;
            e->Bezuege = {punkt(i), punkt(i + 1), nullptr};
            break;
        case 1:
            e = l.Neu<TEbene>();
            e->Festlegung = TEbene::EPPP;
            e->Bezuege = {punkt(i), punkt(i + 1), punkt(i + 2)};
            break;
        case 2:
            e = l.Neu<TStrecke>();
            e->Bezuege = {punkt(i), punkt(i + 3), nullptr};
            break;
        case 3:
            e = l.Neu<TDreieck>();
            e->Bezuege = {punkt(i), punkt(i + 5), punkt(i + 9)};
            break;
        default:
            e = l.Neu<TfrPunkt>();
            e->Entstehung.Art = TEntstehungsart::Mittelpunkt;
            e->Entstehung.Elemente[0].Element = punkt(i);
            e->Entstehung.Elemente[1].Element = punkt(i + 7);
            static_cast<TfrPunkt*>(e)->Koordinaten = {i * 0.25L, 1.0L / (i + 1), -2.5L};
            break;
        }
        e->Name = l.AutomatischerName(e->Art);
    }
}

} // namespace

static void BM_DokumentSpeichern(benchmark::State& state) {
    TListe liste;
    HundertElemente(liste);
    const TKoordinatensystem ks;
    const std::string datei = BenchDatei("speichern.kvr");
    for (auto _ : state)
        benchmark::DoNotOptimize(DokumentSchreiben(datei, liste, ks));
    std::remove(datei.c_str());
}
BENCHMARK(BM_DokumentSpeichern)->Unit(benchmark::kMicrosecond);

static void BM_DokumentLaden(benchmark::State& state) {
    const std::string datei = BenchDatei("laden.kvr");
    {
        TListe liste;
        HundertElemente(liste);
        DokumentSchreiben(datei, liste, TKoordinatensystem{});
    }
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    for (auto _ : state) {
        DokumentLesen(datei, liste, ks, rollen, false);
        benchmark::DoNotOptimize(liste.Anzahl());
    }
    if (liste.Anzahl() != 100) state.SkipWithError("document incomplete");
    std::remove(datei.c_str());
}
BENCHMARK(BM_DokumentLaden)->Unit(benchmark::kMicrosecond);

// Inserting the document into one that holds it already: every name is
// taken and renamed.
static void BM_DokumentEinfuegen(benchmark::State& state) {
    const std::string datei = BenchDatei("einfuegen.kvr");
    TListe vorlage;
    HundertElemente(vorlage);
    for (int i = vorlage.Anzahl(); i > 50; --i)
        vorlage.Loeschen(i);
    DokumentSchreiben(datei, vorlage, TKoordinatensystem{});
    TKoordinatensystem ks;
    for (auto _ : state) {
        state.PauseTiming();
        TListe liste;
        TRollenMenge rollen = 0;
        DokumentLesen(datei, liste, ks, rollen, false);
        state.ResumeTiming();
        DokumentLesen(datei, liste, ks, rollen, true);
        benchmark::DoNotOptimize(liste.Anzahl());
    }
    std::remove(datei.c_str());
}
BENCHMARK(BM_DokumentEinfuegen)->Unit(benchmark::kMicrosecond);
