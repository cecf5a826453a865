#pragma once
// A scene with its world mapping, set up as a view with display half side h
// and the identity as view matrix.

#include "math/Projektion.h"
#include "view/Drehkugel.h"
#include "view/GSzene.h"
#include "view/Weltabbildung.h"

#include <gtest/gtest.h>

namespace kalvorin::test {

struct TTestSzene {
    TWeltAbbildung abb;
    tGSzene szene{abb};

    explicit TTestSzene(Real h = 10) {
        abb.SetzeWelt(Zeichenfenster(h));
        szene.SetzeDarstellungswuerfel(NullTripel, h);
        szene.SetzeDrehkugel(DrehkugelFuer(h, abb));
    }
    void Fertig() {
        szene.Projizieren();
        szene.Sortieren();
    }
    // The position of a piece in the drawing order (0 = drawn first).
    int Rang(int stueck) const {
        const auto& f = szene.Zeichenfolge();
        for (std::size_t i = 0; i < f.size(); ++i)
            if (f[i] == stueck) return static_cast<int>(i);
        return -1;
    }
    // The pieces of an object, in piece order.
    std::vector<int> Stuecke(int objekt) const {
        std::vector<int> r;
        for (int i = 1; i <= szene.Stueckzahl(); ++i)
            if (szene.Stueck(i).Objekt == objekt) r.push_back(i);
        return r;
    }
};

inline double D(Real r) {
    return static_cast<double>(r);
}

inline void ErwarteNah(TTripel ist, TTripel soll, double tol = 1e-9) {
    EXPECT_NEAR(D(ist.x), D(soll.x), tol);
    EXPECT_NEAR(D(ist.y), D(soll.y), tol);
    EXPECT_NEAR(D(ist.z), D(soll.z), tol);
}

} // namespace kalvorin::test
