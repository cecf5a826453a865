#pragma once
// Intersection of two elements, and the geometric tolerance of the program:
// values within 1e-6 count as zero or equal. The tolerance is absolute, not
// scaled by the length of the vectors involved.

#include "geometry/Auswertung.h"
#include "model/Meldungen.h"

#include <string>
#include <string_view>

namespace kalvorin {

inline constexpr Real Toleranz = 1e-6L;

// Every component within the tolerance.
bool FastNullvektor(TTripel v);
bool FastNull(Real x);
bool FastGleich(TTripel a, TTripel b);
// -1e-6 <= t <= 1 + 1e-6.
bool ImSegment(Real t);

// Result codes of the intersection
inline constexpr int SchnittGefunden = 0;      // a point or a line
inline constexpr int SchnittNichtMoeglich = 1; // a kind that cannot be intersected
inline constexpr int SchnittKeiner = 2;        // no common point
inline constexpr int SchnittIdentisch = 3;
inline constexpr int SchnittErstesLiegtIn = 4;  // the first marked lies in the second
inline constexpr int SchnittZweitesLiegtIn = 5; // the second marked lies in the first
inline constexpr int SchnittErstesFehlt = 6;    // the first cannot be evaluated
inline constexpr int SchnittZweitesFehlt = 7;
inline constexpr int SchnittAusserhalbStrecke = 8;      // lines meet outside the segment
inline constexpr int SchnittEbeneAusserhalbStrecke = 9; // plane met outside the segment
inline constexpr int SchnittParallel = 10;
inline constexpr int SchnittWindschief = 11;
inline constexpr int SchnittBeruehrt = 12;    // a sphere touches: Punkt is the point of contact
inline constexpr int SchnittKugelKeiner = 13; // a sphere and the other have no common point
inline constexpr int SchnittZweiPunkte = 14;  // a line meets a sphere in Punkt and Punkt2

struct TSchnittErgebnis {
    int Code = SchnittKeiner;
    // A point or a line; for "lies in" the kind of the contained element.
    TElementart Art = TElementart::DfrPunkt;
    TTripel Punkt;
    TTripel Richtung; // zero for a point; a circle's normal
    Real Radius = 0;  // a circle (a sphere cut by a plane or a sphere)
    // The second point where a line meets a sphere; the first is Punkt,
    // by the increasing parameter of the line.
    TTripel Punkt2 = {};
};

// Evaluates both elements and intersects them; the order is the order of
// marking (it decides between the codes 4 and 5).
TSchnittErgebnis Intersect(const TDreiDBasisElement& erstes, const TDreiDBasisElement& zweites);

// The intersection of two evaluated geometries of the given kinds.
TSchnittErgebnis SchnittKern(TElementart art1, const TGeometrie& g1, TElementart art2,
                             const TGeometrie& g2);

// The identity test of two evaluated geometries of one kind (points,
// segments, lines, planes); false for other kinds.
bool GeometrienIdentisch(TElementart art, const TGeometrie& g1, const TGeometrie& g2);

// The message the intersection command shows for a code (empty for 0), with
// name1 the first and name2 the second marked element.
std::string SchnittMeldung(int code, std::string_view name1, std::string_view name2);
TMeldungsart SchnittMeldungsart(int code);

} // namespace kalvorin
