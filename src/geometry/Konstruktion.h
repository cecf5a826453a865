#pragma once
// Constructions from source elements: perpendiculars, midpoints, centroid,
// mid-line, mid-plane and the vector operations. One routine, selected by
// the derivation code, serves the construction commands and the
// recomputation of the elements they made.

#include "geometry/Auswertung.h"

namespace kalvorin {

struct TKonstruktionsErgebnis {
    int Fehler = KeinFehler;
    // 0 point (Geometrie.Punkt), 2 vector (Geometrie.Richtung1),
    // 5 line (Punkt, Richtung1), 8 plane (Punkt, Richtung1, Richtung2).
    TElementart Art = TElementart::DfrPunkt;
    TGeometrie Geometrie;
};

// code: 10 LotPE, 11 LotPG, 12 LotGG, 14 Mittelpunkt, 15 Schwerpunkt,
// 16 Mittelgerade, 17 MittelEbene, 18 Add2, 19 Add3, 20 Gegenvektor,
// 21 VProdukt, 24 KugelSchnittpunkt (zahl: the first or second point),
// 25 Beruehrpunkt, 26 Tangentialebene.
// Sources the code does not use may be null. An evaluation
// error of a source is passed on; the constructions add 30 (a line misses a
// plane), 31 (the point lies on the line), 32 (the lines are parallel) and
// 46 (a sphere and a line have no common point), 47 (they do not touch),
// 48 (the point of a tangent plane is not on the sphere);
// other codes give FehlerUnbekannteKonstruktion.
TKonstruktionsErgebnis Construct(int code, const TDreiDBasisElement* quelle1,
                                 const TDreiDBasisElement* quelle2 = nullptr,
                                 const TDreiDBasisElement* quelle3 = nullptr, Real zahl = 0);

// Whether the point at mp from a sphere's centre lies on it (radius r),
// within the tolerance of the constructions, relative above 1.
bool PunktAufKugel(TTripel mp, Real r);

// Whether Construct calculates the code.
bool IstKonstruktion(int code);

// Where the line B + t d meets the plane through a spanned by u and v;
// FehlerGeradeParallelEbene when d is exactly parallel to it.
int GeradeTrifftEbene(TTripel a, TTripel u, TTripel v, TTripel b, TTripel d, TTripel& punkt);

// Stores a computed geometry as the element's own numbers: a point in mode
// "Koord", a vector in "V", a line in "GPAR", a sphere in "MR", a circle in
// "MNR", a plane in "EPAR" (one given
// by its point and its normal in Richtung1, Richtung2 zero, in "ENOR"); the
// references of the former mode are dropped. False (and nothing changed)
// for the kinds that have no numbers of their own.
bool WerteEintragen(TDreiDBasisElement& element, const TGeometrie& g);

} // namespace kalvorin
