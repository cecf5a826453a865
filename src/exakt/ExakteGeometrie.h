#pragma once
// The exact twin of the evaluation: every element recomputed with rationals
// along the same chain of definitions, constructions, intersections and
// mappings that gives its extended numbers. Free numbers count as exact
// where they are rationals with small denominators (RationalErkennen);
// everything else is exact only where the construction keeps rationals.
// Every exact geometry is checked against the extended evaluation and
// dropped when they disagree, so that an exact value is either right or
// absent. Nothing here runs during the rebuild: values are computed when
// asked for.

#include "exakt/ExakteZahl.h"
#include "geometry/Auswertung.h"
#include "model/Liste.h"

#include <optional>
#include <unordered_map>

namespace kalvorin::exakt {

struct TQTripel {
    TRational x, y, z;
};

TQTripel Summe(const TQTripel& a, const TQTripel& b);
TQTripel Differenz(const TQTripel& a, const TQTripel& b);
TQTripel Mal(const TQTripel& a, const TRational& t);
TRational Skalar(const TQTripel& a, const TQTripel& b);
TQTripel Kreuz(const TQTripel& a, const TQTripel& b);
bool IstNull(const TQTripel& a);
TTripel AlsTripel(const TQTripel& a);
// The same direction with whole, coprime components and its orientation
// kept: (1/2, 1, 3/2) becomes (1, 2, 3).
TQTripel Ganzzahlig(const TQTripel& a);

// The cosine of the angle between two directions, a·b / (|a|·|b|), with the
// two lengths rooted one by one (their product may be too large to factor);
// nothing for a zero vector or a root too large to take.
std::optional<TWurzelzahl> Kosinus(const TQTripel& a, const TQTripel& b);

// Laid out like TGeometrie; a sphere or circle holds the square of its
// radius, which stays rational where the radius is a root.
struct TQGeometrie {
    TQTripel Punkt, Richtung1, Richtung2;
    TRational Radiusquadrat = 0;
};

// True when the exact value lies within 1e-9 (relative above 1) of the
// extended one.
bool Stimmt(const TRational& exakt, Real dezimal);
bool Stimmt(const TQTripel& exakt, TTripel dezimal);

// Evaluates elements of one list exactly; remembers what it computed, so one
// object serves every question about a list that does not change meanwhile.
class TExakteAuswertung {
public:
    // The exact geometry of the element (fields as Auswerten fills them);
    // nothing when the element has no exact value or its evaluation fails.
    std::optional<TQGeometrie> Geometrie(const TDreiDBasisElement* e);
    std::optional<TQTripel> Punkt(const TDreiDBasisElement* e);
    // A vector, or an arrow's vector.
    std::optional<TQTripel> Vektor(const TDreiDBasisElement* e);

private:
    struct TEintrag {
        bool Fertig = false;
        std::optional<TQGeometrie> G;
    };
    std::unordered_map<const TDreiDBasisElement*, TEintrag> merker_;

    std::optional<TQGeometrie> Rechnen(const TDreiDBasisElement& e);
    std::optional<TQGeometrie> Gespeichert(const TDreiDBasisElement& e);
    std::optional<TQGeometrie> Abgeleitet(const TDreiDBasisElement& e);
    std::optional<TQGeometrie> Abbild(const TDreiDBasisElement& e);
    std::optional<TQGeometrie> Schnitt(const TDreiDBasisElement& e);
    std::optional<TQGeometrie> Konstruktion(const TDreiDBasisElement& e);
};

// The line p + t·u and the sphere (x − m)² = r² (its exact geometries):
// A t² + B t + C = 0 with A = u·u, B = 2 u·(p − m), C = (p − m)² − r².
struct TKugelGeradeGleichung {
    TRational A, B, C;
    TRational Diskriminante() const { return B * B - 4 * A * C; }
};
TKugelGeradeGleichung KugelGeradeGleichung(const TQGeometrie& kugel, const TQGeometrie& gerade);

// Whether the exact layer calculates the construction of this derivation
// code (the mappings and intersections are its own).
bool IstExakteKonstruktion(int code);

// The public check for the command-sequence tests: every exact value of the
// list (element geometry, lengths of segments, areas of triangles, volumes
// of pyramids, the coefficients of the coordinate forms) agrees with its
// extended twin. On a disagreement the element's name and what disagreed
// are written to abweichung.
bool ExaktStimmtMitDezimal(const TListe& liste, std::string* abweichung = nullptr);

} // namespace kalvorin::exakt
