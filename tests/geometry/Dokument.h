#pragma once
// A document for the geometry tests, built with the shared element builder,
// and comparisons in extended precision.

#include "model/ElementBauer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalvorin::test {

namespace detail {
// Constructed before the builder, which keeps a reference to it.
struct TEigeneListe {
    TListe eigene;
};
} // namespace detail

// A list of its own with the builder's helpers.
class TDokument : private detail::TEigeneListe, public TElementBauer {
public:
    TDokument() : TElementBauer(eigene) {}
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
