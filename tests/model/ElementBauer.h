#pragma once
// Builds documents for tests: every helper appends one element with the
// given name, mode and references to the list it was given.

#include "model/Liste.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvorin::test {

class TElementBauer {
public:
    explicit TElementBauer(TListe& liste) : Liste(liste) {}

    TListe& Liste;

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
    TVektor* VG(const std::string& name, TDreiDBasisElement* g) {
        return Mit<TVektor>(name, TVektor::VG, g);
    }
    TVektor* VE(const std::string& name, TDreiDBasisElement* e) {
        return Mit<TVektor>(name, TVektor::VE, e);
    }
    TVektor* VPf(const std::string& name, TDreiDBasisElement* pf) {
        return Mit<TVektor>(name, TVektor::VPf, pf);
    }

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
    TDreieck* Dr(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b,
                 TDreiDBasisElement* c) {
        return Mit<TDreieck>(name, 0, a, b, c);
    }
    TPyramide3* Py(const std::string& name, TDreiDBasisElement* basis, TDreiDBasisElement* spitze) {
        return Mit<TPyramide3>(name, 0, basis, spitze);
    }
    TViereck* Vi(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b,
                 TDreiDBasisElement* c, TDreiDBasisElement* d) {
        auto* q = Mit<TViereck>(name, 0, a, b, c);
        q->Bezuege[3] = d;
        return q;
    }
    TPyramide4* Py4(const std::string& name, TDreiDBasisElement* basis,
                    TDreiDBasisElement* spitze) {
        return Mit<TPyramide4>(name, 0, basis, spitze);
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
    TEbene* E(const std::string& name, std::uint8_t modus, TDreiDBasisElement* a,
              TDreiDBasisElement* b, TDreiDBasisElement* c = nullptr) {
        return Mit<TEbene>(name, modus, a, b, c);
    }

    TKugel* K(const std::string& name, TTripel m, Real r) {
        auto* k = Neu<TKugel>(name);
        k->Zentrum = m;
        k->Radius = r;
        return k;
    }
    // Through a point (MP) or touching a plane (MT).
    TKugel* KMP(const std::string& name, TDreiDBasisElement* m, TDreiDBasisElement* p) {
        return Mit<TKugel>(name, TKugel::MP, m, p);
    }
    TKugel* KMT(const std::string& name, TDreiDBasisElement* m, TDreiDBasisElement* e) {
        return Mit<TKugel>(name, TKugel::MT, m, e);
    }
    TKreis* Kr(const std::string& name, TTripel m, TTripel n, Real r) {
        auto* k = Neu<TKreis>(name);
        k->Zentrum = m;
        k->Normale = n;
        k->Radius = r;
        return k;
    }

    template <class T> T* Neu(const std::string& name) {
        T* e = Liste.Neu<T>();
        EXPECT_NE(e, nullptr);
        e->Name = name;
        return e;
    }

private:
    template <class T>
    T* Mit(const std::string& name, std::uint8_t modus, TDreiDBasisElement* a,
           TDreiDBasisElement* b = nullptr, TDreiDBasisElement* c = nullptr) {
        T* e = Neu<T>(name);
        e->Festlegung = modus;
        e->Bezuege = {a, b, c};
        return e;
    }
};

} // namespace kalvorin::test
