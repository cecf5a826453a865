#pragma once
// A small document builder for the geometry tests: every helper appends one
// element with the given name, mode and references.

#include "model/Liste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalvorin::test {

class TDokument {
public:
    TListe Liste;

    TfrPunkt* P(const std::string& name, TTripel k) {
        auto* p = Neu<TfrPunkt>(name);
        p->Koordinaten = k;
        return p;
    }
    TfrPunkt* PV(const std::string& name, TDreiDBasisElement* punkt, TDreiDBasisElement* vektor) {
        return Mit<TfrPunkt>(name, TfrPunkt::PV, punkt, vektor);
    }
    TVektor* V(const std::string& name, TTripel k) {
        auto* v = Neu<TVektor>(name);
        v->Komponenten = k;
        return v;
    }
    TVektor* V2P(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b) {
        return Mit<TVektor>(name, TVektor::V2P, a, b);
    }
    TVektor* VG(const std::string& name, TDreiDBasisElement* g) { return Mit<TVektor>(name, TVektor::VG, g); }
    TVektor* VE(const std::string& name, TDreiDBasisElement* e) { return Mit<TVektor>(name, TVektor::VE, e); }
    TVektor* VPf(const std::string& name, TDreiDBasisElement* pf) { return Mit<TVektor>(name, TVektor::VPf, pf); }

    TGerade* G(const std::string& name, TTripel a, TTripel d) {
        auto* g = Neu<TGerade>(name);
        g->Punkt = a;
        g->Richtung = d;
        return g;
    }
    TGerade* GPP(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b) {
        return Mit<TGerade>(name, TGerade::GPP, a, b);
    }
    TGerade* GPV(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* v) {
        return Mit<TGerade>(name, TGerade::GPV, a, v);
    }
    TStrecke* S(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b) {
        return Mit<TStrecke>(name, 0, a, b);
    }
    // An arrow from a to b with its own vector right after it.
    TPfeil* PfPP(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b,
                 const std::string& vektorname = "") {
        auto* pf = Mit<TPfeil>(name, TPfeil::PfPP, a, b);
        auto* v = VPf(vektorname.empty() ? "V_" + name : vektorname, pf);
        pf->Bezuege[2] = v;
        return pf;
    }
    TPfeil* PfPV(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* v) {
        return Mit<TPfeil>(name, TPfeil::PfPV, a, v);
    }
    TDreieck* D(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b, TDreiDBasisElement* c) {
        return Mit<TDreieck>(name, 0, a, b, c);
    }
    TPyramide3* DP(const std::string& name, TDreiDBasisElement* basis, TDreiDBasisElement* spitze) {
        return Mit<TPyramide3>(name, 0, basis, spitze);
    }

    TEbene* EPAR(const std::string& name, TTripel a, TTripel u, TTripel v) {
        auto* e = Neu<TEbene>(name);
        e->Punkt = a;
        e->Richtung1 = u;
        e->Richtung2 = v;
        return e;
    }
    TEbene* ENOR(const std::string& name, TTripel n, Real d) {
        auto* e = Neu<TEbene>(name);
        e->Festlegung = TEbene::ENOR;
        e->Normale = n;
        e->d = d;
        return e;
    }
    TEbene* E(const std::string& name, std::uint8_t modus, TDreiDBasisElement* a, TDreiDBasisElement* b,
              TDreiDBasisElement* c = nullptr) {
        return Mit<TEbene>(name, modus, a, b, c);
    }

    template <class T> T* Neu(const std::string& name) {
        T* e = Liste.Neu<T>();
        EXPECT_NE(e, nullptr);
        e->Name = name;
        return e;
    }

private:
    template <class T>
    T* Mit(const std::string& name, std::uint8_t modus, TDreiDBasisElement* a, TDreiDBasisElement* b = nullptr,
           TDreiDBasisElement* c = nullptr) {
        T* e = Neu<T>(name);
        e->Festlegung = modus;
        e->Bezuege = {a, b, c};
        return e;
    }
};

// Compared in extended precision; the output rounds to double only for display.
inline void ErwarteTripel(TTripel ist, TTripel soll, long double toleranz = 1e-15L) {
    const Real ist_[3] = {ist.x, ist.y, ist.z};
    const Real soll_[3] = {soll.x, soll.y, soll.z};
    for (int i = 0; i < 3; ++i)
        EXPECT_LE(std::fabs(ist_[i] - soll_[i]), toleranz)
            << "component " << i << ": " << static_cast<double>(ist_[i]) << " instead of "
            << static_cast<double>(soll_[i]);
}

// Parallel (or antiparallel) directions, whatever their lengths.
inline void ErwarteParallel(TTripel ist, TTripel soll) {
    const TTripel k = Kreuzprodukt(ist, soll);
    ErwarteTripel(k, {0, 0, 0}, 1e-12L);
    EXPECT_FALSE(IstNullvektor(ist));
}

} // namespace kalvorin::test
