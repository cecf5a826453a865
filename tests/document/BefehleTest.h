#pragma once
// A document to run commands on: helpers append elements by name, mark them
// and read back what the commands made; every message is recorded.

#include "befehle/Befehle.h"
#include "document/Testzugang.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace kalvorin::test {

namespace detail {
// Constructed before the builder, which keeps a reference to the list.
struct TProtokolliertesDokument {
    TMeldungsProtokoll Protokoll;
    TDokument D;
};
} // namespace detail

class TBefehlsDokument : public detail::TProtokolliertesDokument, public TElementBauer {
public:
    TBefehlsDokument() : TElementBauer(test::Liste(D)) {}

    TListe& L = test::Liste(D);

    // Hidden points until the list holds n elements (hidden, so that the
    // scene has room for the rest).
    void Auffuellen(int n = TListe::Kapazitaet) {
        while (L.Anzahl() < n)
            P("F" + std::to_string(L.Anzahl()), {7, 7, 7})->sichtbar = false;
    }

    // Exactly these elements marked; the document counts as saved.
    void Markieren(std::initializer_list<const char*> namen) {
        Markieren(std::vector<const char*>(namen));
    }
    void Markieren(const std::vector<const char*>& namen) {
        for (int i = 1; i <= L.Anzahl(); ++i)
            L[i]->markiert = false;
        for (const char* n : namen) {
            TDreiDBasisElement* e = L.ElementMitName(n);
            ASSERT_NE(e, nullptr) << n;
            e->markiert = true;
        }
        SetzeGeaendert(D, false);
        Protokoll.Eintraege.clear();
    }

    TDreiDBasisElement* operator[](const std::string& name) const { return L.ElementMitName(name); }
    TDreiDBasisElement* Letztes() const { return L[L.Anzahl()]; }

    // The one message said so far, or "" (with a failure) when there is another count.
    std::string EinzigeMeldung(TMeldungsart art) const {
        EXPECT_EQ(Protokoll.Eintraege.size(), 1u);
        if (Protokoll.Eintraege.size() != 1) return {};
        EXPECT_EQ(Protokoll.Eintraege[0].Art, art);
        return Protokoll.Eintraege[0].Text;
    }
};

// Rotations by pi leave sines of about 1e-19 behind.
inline ::testing::AssertionResult Nah(TTripel ist, TTripel soll, Real toleranz = 1e-15L) {
    const TTripel d = TripelDifferenz(ist, soll);
    if (std::fabs(d.x) <= toleranz && std::fabs(d.y) <= toleranz && std::fabs(d.z) <= toleranz)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << static_cast<double>(ist.x) << ", " << static_cast<double>(ist.y) << ", "
           << static_cast<double>(ist.z) << ")";
}

inline bool Parallel(TTripel a, TTripel b) {
    return !IstNullvektor(a) && Nah(Kreuzprodukt(a, b), {0, 0, 0}, 1e-12L);
}

} // namespace kalvorin::test
