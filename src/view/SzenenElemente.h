#pragma once
// What each element kind becomes in the scene. The rebuild evaluates an
// element, fills a TSzenenEingabe with the evaluated geometry and the
// element's attributes, and calls ElementInSzene once per element.

#include "math/Farbe.h"
#include "math/Tripel.h"
#include "model/Element.h"
#include "view/GSzene.h"

#include <array>
#include <vector>

namespace kalvorin {

struct TSzenenEingabe {
    TElementart Art = TElementart::DfrPunkt;

    // Evaluated geometry in document space:
    // point:             Punkt
    // arrow:             Punkt = foot, Richtung = the arrow's vector
    // segment:           Punkt = start, Richtung = end - start
    // line:              Punkt, Richtung
    // plane:             Punkt, Richtung, Richtung2 (the two spanning directions)
    // triangle:          Ecken[0..2] = A, B, C
    // pyramid:           Ecken[0..2] = the base corners, Spitze = the apex
    // quadrilateral:     Ecken[0..2] and VierteEcke = A, B, C, D
    // 4-sided pyramid:   the base's corners as above, Spitze = the apex
    // sphere:            Punkt = centre, Radius
    // circle:            Punkt = centre, Richtung = the normal of its plane, Radius
    TTripel Punkt{};
    TTripel Richtung{};
    TTripel Richtung2{};
    std::array<TTripel, 3> Ecken{};
    TTripel VierteEcke{};
    TTripel Spitze{};
    Real Radius = 0;

    // Attributes of the element.
    TFarbe Farbe = Schwarz;
    int Dicke = 1;        // pen width; for a point also its size
    int Transparenz = 0;  // planes
    int Punktform = 0;    // points
    bool MitRand = false; // lines: white border
};

// The attributes of the element; the geometry is left for the caller.
TSzenenEingabe SzenenEingabe(const TDreiDBasisElement& e);

// Result for a kind that is never drawn (a free vector): nothing is added and
// nothing is to be reported.
inline constexpr int SzeneOhneBild = -3;

struct TSzenenErgebnis {
    // The first object's number; or SzeneAusserhalb, SzeneVoll, SzeneParallel,
    // SzeneOhneBild. For a triangle or pyramid the first refusal.
    int Ergebnis = SzeneOhneBild;
    // The numbers for the element's scene-object set (empty on a refusal).
    std::vector<int> Objekte;
};

TSzenenErgebnis ElementInSzene(tGSzene& szene, const TSzenenEingabe& e);

// The auxiliary line from a mapped point to its original (or the centre of
// a dilation); 0 when it has length 0 or lies outside, -1 when the scene is full.
int HilfslinieInSzene(tGSzene& szene, TTripel von, TTripel bis, TFarbe farbe, TStiftStil stil);

} // namespace kalvorin
