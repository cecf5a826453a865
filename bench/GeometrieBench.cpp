#include "geometry/Abbildung.h"
#include "geometry/Auswertung.h"
#include "geometry/Nachrechnen.h"
#include "model/Liste.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace kalvorin;

namespace {

// A full document of mixed kinds in which every element refers to earlier
// ones: points moved by vectors, vectors between points, lines, planes of
// two lines, normal vectors, segments, triangles, arrows, and derived
// intersection points, midpoints and mirror images along the way.
class TBenchDokument {
public:
    TListe Liste;

    TBenchDokument() {
        TfrPunkt* a = Punkt({1, 0, 0});
        TfrPunkt* b = Punkt({0, 2, 1});
        TVektor* v = Vektor({0, 0.5L, 1});
        TfrPunkt* zentrum = Punkt({0, 0, 0});
        for (int runde = 0; !Liste.Voll(); ++runde) {
            auto* q = Mit<TfrPunkt>(TfrPunkt::PV, a, v); // a moved by v
            auto* w = Mit<TVektor>(TVektor::V2P, b, q);  // from b to q
            auto* g = Mit<TGerade>(TGerade::GPP, a, q);  // through a and q
            auto* h = Mit<TGerade>(TGerade::GPV, a, w);  // through a along w
            auto* e = Mit<TEbene>(TEbene::EGG, g, h);    // spanned by both
            auto* n = Mit<TVektor>(TVektor::VE, e);      // its normal
            auto* r = Mit<TfrPunkt>(TfrPunkt::PV, q, n); // off the plane
            Mit<TStrecke>(0, q, r);
            Mit<TDreieck>(0, a, q, r);
            auto* s =
                Abgeleitet<TfrPunkt>(TEntstehungsart::Schnitt, Mit<TGerade>(TGerade::GPP, b, r), e);
            auto* m = Abgeleitet<TfrPunkt>(TEntstehungsart::Mittelpunkt, s, r);
            Mit<TPfeil>(TPfeil::PfPV, m, n);
            if (!Liste.Voll()) AbbildErzeugen(Liste, *m, AbbildungVonElement(3, *zentrum));
            a = q;
            b = m;
            v = w;
        }
    }

private:
    TDreiDBasisElement* Neu(TElementart art) {
        TDreiDBasisElement* e = Liste.Neu(art);
        if (e != nullptr) e->Name = Liste.AutomatischerName(art);
        return e;
    }
    TfrPunkt* Punkt(TTripel k) {
        auto* p = static_cast<TfrPunkt*>(Neu(TElementart::DfrPunkt));
        p->Koordinaten = k;
        return p;
    }
    TVektor* Vektor(TTripel k) {
        auto* v = static_cast<TVektor*>(Neu(TElementart::DVektor));
        v->Komponenten = k;
        return v;
    }
    // Null once the list is full; the pattern then runs to the end of its
    // round with null references, which nothing evaluates.
    template <class T>
    T* Mit(std::uint8_t modus, TDreiDBasisElement* x, TDreiDBasisElement* y = nullptr,
           TDreiDBasisElement* z = nullptr) {
        auto* e = static_cast<T*>(Neu(detail::ArtVon<T>()));
        if (e == nullptr) return nullptr;
        e->Festlegung = modus;
        e->Bezuege = {x, y, z};
        return e;
    }
    template <class T>
    T* Abgeleitet(TEntstehungsart art, TDreiDBasisElement* x, TDreiDBasisElement* y) {
        auto* e = static_cast<T*>(Neu(detail::ArtVon<T>()));
        if (e == nullptr) return nullptr;
        e->Entstehung.Art = art;
        e->Entstehung.Elemente[0].Element = x;
        e->Entstehung.Elemente[1].Element = y;
        AbgeleitetesNachrechnen(*e);
        return e;
    }
};

// Evaluation of every element of the document, as the rebuild does it.
void BM_AlleAuswerten(benchmark::State& state) {
    TBenchDokument d;
    int fehler = 0;
    for (auto _ : state) {
        fehler = 0;
        for (int i = 1; i <= d.Liste.Anzahl(); ++i) {
            TGeometrie g;
            fehler += Auswerten(*d.Liste[i], g) != 0;
            benchmark::DoNotOptimize(g);
        }
    }
    state.counters["Elemente"] = d.Liste.Anzahl();
    state.counters["Fehler"] = fehler;
}
BENCHMARK(BM_AlleAuswerten)->Unit(benchmark::kMicrosecond);

// The rebuild's geometric part: recompute every derived element, then evaluate it.
void BM_NachrechnenUndAuswerten(benchmark::State& state) {
    TBenchDokument d;
    int abgeleitet = 0;
    for (auto _ : state) {
        abgeleitet = 0;
        for (int i = 1; i <= d.Liste.Anzahl(); ++i) {
            TDreiDBasisElement& e = *d.Liste[i];
            abgeleitet += AbgeleitetesNachrechnen(e) == TNachrechnung::Neu;
            TGeometrie g;
            Auswerten(e, g);
            benchmark::DoNotOptimize(g);
        }
    }
    state.counters["Abgeleitet"] = abgeleitet;
}
BENCHMARK(BM_NachrechnenUndAuswerten)->Unit(benchmark::kMicrosecond);

// The longest chain a document can hold: each point moved by the vector
// between the two points before it, so every element is reached along
// exponentially many paths.
void BM_LangeKette(benchmark::State& state) {
    TListe l;
    auto punkt = [&](TTripel k) {
        auto* p = l.Neu<TfrPunkt>();
        p->Koordinaten = k;
        return p;
    };
    TDreiDBasisElement* vorletzter = punkt({0, 0, 0});
    TDreiDBasisElement* letzter = punkt({1, 0, 0});
    while (l.Anzahl() + 2 <= TListe::Kapazitaet) {
        auto* v = l.Neu<TVektor>();
        v->Festlegung = TVektor::V2P;
        v->Bezuege = {vorletzter, letzter, nullptr};
        auto* p = l.Neu<TfrPunkt>();
        p->Festlegung = TfrPunkt::PV;
        p->Bezuege = {letzter, v, nullptr};
        vorletzter = letzter;
        letzter = p;
    }
    for (auto _ : state) {
        TTripel p;
        benchmark::DoNotOptimize(PunktAuswerten(*letzter, p));
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_LangeKette)->Unit(benchmark::kMicrosecond);

} // namespace
