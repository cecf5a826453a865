#pragma once
// A document to run commands on: helpers append elements by name, mark them
// and read back what the commands made; every message is recorded.

#include "model/Befehle.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace kalvorin::test {

class TBefehlsDokument {
public:
    TMeldungsProtokoll Protokoll;
    TDokument D;
    TListe& L = D.Liste();

    TfrPunkt* P(const std::string& name, TTripel k) {
        auto* p = Neu<TfrPunkt>(name);
        p->Koordinaten = k;
        return p;
    }
    TVektor* V(const std::string& name, TTripel k) {
        auto* v = Neu<TVektor>(name);
        v->Komponenten = k;
        return v;
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
    TEbene* E(const std::string& name, TTripel a, TTripel u, TTripel v) {
        auto* e = Neu<TEbene>(name);
        e->Punkt = a;
        e->Richtung1 = u;
        e->Richtung2 = v;
        return e;
    }
    TStrecke* S(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b) {
        return Mit<TStrecke>(name, 0, a, b);
    }
    TDreieck* Dr(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b, TDreiDBasisElement* c) {
        return Mit<TDreieck>(name, 0, a, b, c);
    }
    TPyramide3* Py(const std::string& name, TDreiDBasisElement* basis, TDreiDBasisElement* spitze) {
        return Mit<TPyramide3>(name, 0, basis, spitze);
    }
    // An arrow from a to b with its own vector right after it.
    TPfeil* PfPP(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* b, const std::string& v) {
        auto* pf = Mit<TPfeil>(name, TPfeil::PfPP, a, b);
        pf->Bezuege[2] = Mit<TVektor>(v, TVektor::VPf, pf);
        return pf;
    }
    TPfeil* PfPV(const std::string& name, TDreiDBasisElement* a, TDreiDBasisElement* v) {
        return Mit<TPfeil>(name, TPfeil::PfPV, a, v);
    }

    // Hidden points until the list holds n elements (hidden, so that the
    // scene has room for the rest).
    void Auffuellen(int n = TListe::Kapazitaet) {
        while (L.Anzahl() < n)
            P("F" + std::to_string(L.Anzahl()), {7, 7, 7})->sichtbar = false;
    }

    // Exactly these elements marked; the document counts as saved.
    void Markieren(std::initializer_list<const char*> namen) { Markieren(std::vector<const char*>(namen)); }
    void Markieren(const std::vector<const char*>& namen) {
        for (int i = 1; i <= L.Anzahl(); ++i)
            L[i]->markiert = false;
        for (const char* n : namen) {
            TDreiDBasisElement* e = L.ElementMitName(n);
            ASSERT_NE(e, nullptr) << n;
            e->markiert = true;
        }
        D.Geaendert = false;
        Protokoll.Eintraege.clear();
    }

    TDreiDBasisElement* operator[](const std::string& name) const { return L.ElementMitName(name); }
    TDreiDBasisElement* Letztes() const { return L[L.Anzahl()]; }

    // The one message said so far, or "" (with a failure) when there is another count.
    std::string EinzigeMeldung(TMeldungsart art) const {
        EXPECT_EQ(Protokoll.Eintraege.size(), 1u);
        if (Protokoll.Eintraege.size() != 1)
            return {};
        EXPECT_EQ(Protokoll.Eintraege[0].Art, art);
        return Protokoll.Eintraege[0].Text;
    }

    template <class T> T* Neu(const std::string& name) {
        T* e = L.Neu<T>();
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

// Rotations by pi leave sines of about 1e-19 behind.
inline ::testing::AssertionResult Nah(TTripel ist, TTripel soll, Real toleranz = 1e-15L) {
    const TTripel d = TripelDifferenz(ist, soll);
    if (std::fabs(d.x) <= toleranz && std::fabs(d.y) <= toleranz && std::fabs(d.z) <= toleranz)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << static_cast<double>(ist.x) << ", " << static_cast<double>(ist.y)
                                         << ", " << static_cast<double>(ist.z) << ")";
}

inline bool Parallel(TTripel a, TTripel b) {
    return !IstNullvektor(a) && Nah(Kreuzprodukt(a, b), {0, 0, 0}, 1e-12L);
}

} // namespace kalvorin::test
