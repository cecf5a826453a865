#pragma once
// The marked elements of a list, by kind, as the commands and measurements
// take them.

#include "model/Liste.h"

#include <vector>

namespace kalvorin {

// Per kind the marked elements in list order. A marked arrow stands for its
// vector and is taken as one, by the rule of PfeilZaehltAlsVektor (an arrow
// without its vector, a broken file, is taken as itself; the evaluation then
// reports it). Other kinds are not taken.
struct TAuswahl {
    using Elemente = std::vector<TDreiDBasisElement*>;
    Elemente P; // points
    Elemente V; // vectors, and arrows for theirs
    Elemente G; // lines
    Elemente E; // planes
    Elemente S; // segments
    Elemente D; // triangles
    Elemente Y; // pyramids
    Elemente K; // spheres
    Elemente C; // circles
    Elemente Q; // quadrilaterals
    Elemente W; // four-sided pyramids

    explicit TAuswahl(const TListe& liste);

    // The marked elements of the kind (an arrow's: the vectors); none for a
    // kind that is not taken.
    Elemente Von(TElementart art) const;
};

} // namespace kalvorin
