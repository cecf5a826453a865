#pragma once
// Evaluation: the point, vector, line or plane an element stands for,
// computed from the element and, recursively, the elements it refers to.
// Degenerate definitions are reported by the codes of geometry/Fehlercodes.h;
// evaluation never talks to the user.

#include "geometry/Fehlercodes.h"
#include "math/Tripel.h"
#include "model/Element.h"

#include <array>
#include <string>

namespace kalvorin {

// What an element evaluates to, by kind:
//   point           Punkt
//   vector          Richtung1 (the vector)
//   arrow, segment  Punkt (foot / start), Richtung1 (tip - foot / end - start)
//   line            Punkt, Richtung1
//   plane           Punkt, Richtung1, Richtung2 (Punkt + s Richtung1 + t Richtung2)
//   triangle        Punkt = first corner, Richtung1/2 = the other corners minus it
//   pyramid         as its base triangle
//   quadrilateral   Punkt = first corner, Richtung1/2/3 = the other corners minus it
//   4-sided pyramid as its base quadrilateral
//   sphere          Punkt = centre, Radius
//   circle          Punkt = centre, Richtung1 = the normal of its plane, Radius
struct TGeometrie {
    TTripel Punkt;
    TTripel Richtung1;
    TTripel Richtung2;
    Real Radius = 0;
    TTripel Richtung3{}; // quadrilaterals only: the fourth corner minus the first
};

// Every function returns 0 or an error code. On an error the outputs hold
// what had been computed until then (zero where nothing was). Sources that
// fail in their own evaluation are used with the values they produced; only
// a broken reference (FehlerBezug) is passed on through every level.

int PunktAuswerten(const TDreiDBasisElement& punkt, TTripel& p);
int VektorAuswerten(const TDreiDBasisElement& vektor, TTripel& v);
int GeradeAuswerten(const TDreiDBasisElement& gerade, TTripel& a, TTripel& d);
int StreckeAuswerten(const TDreiDBasisElement& strecke, TTripel& a, TTripel& d);
int PfeilAuswerten(const TDreiDBasisElement& pfeil, TTripel& a, TTripel& d);
int EbeneAuswerten(const TDreiDBasisElement& ebene, TTripel& a, TTripel& u, TTripel& v);
int DreieckAuswerten(const TDreiDBasisElement& dreieck, std::array<TTripel, 3>& ecken);
int PyramideAuswerten(const TDreiDBasisElement& pyramide, std::array<TTripel, 3>& grundflaeche,
                      TTripel& spitze);

int ViereckAuswerten(const TDreiDBasisElement& viereck, std::array<TTripel, 4>& ecken);
int Pyramide4Auswerten(const TDreiDBasisElement& pyramide, std::array<TTripel, 4>& grundflaeche,
                       TTripel& spitze);

int KugelAuswerten(const TDreiDBasisElement& kugel, TTripel& mitte, Real& radius);
int KreisAuswerten(const TDreiDBasisElement& kreis, TTripel& mitte, TTripel& normale, Real& radius);

// Any kind, into the fields the table above names.
int Auswerten(const TDreiDBasisElement& element, TGeometrie& g);

// The vector of a vector element, or of an arrow (which stands for its
// vector wherever one is needed).
int VektorOderPfeilAuswerten(const TDreiDBasisElement& element, TTripel& v);

// True when the three corners span no triangle (exact test).
bool EckenAufEinerGeraden(const std::array<TTripel, 3>& ecken);
// True when the apex lies in the plane of the base corners (exact test).
bool SpitzeInGrundflaeche(const std::array<TTripel, 3>& grundflaeche, TTripel spitze);

// Whether four corners in order make a quadrilateral, within the tolerance
// of the constructions: KeinFehler, or FehlerViereckPunkteGleich,
// FehlerViereckAufGerade, FehlerViereckNichtEben, FehlerViereckSeitenKreuzen
// (the first that applies, in this order).
int ViereckPruefen(const std::array<TTripel, 4>& ecken);
// True when the apex lies in the plane of the base quadrilateral (within
// the tolerance).
bool SpitzeInViereck(const std::array<TTripel, 4>& grundflaeche, TTripel spitze);
// The area of a plane quadrilateral that ViereckPruefen accepts.
Real Viereckflaeche(const std::array<TTripel, 4>& ecken);
// Its interior angle at corner i (0..3) in radians; above pi at the
// re-entrant corner of a concave one.
Real ViereckWinkel(const std::array<TTripel, 4>& ecken, int i);

// Where p lies to a triangle (three corners) or to a quadrilateral that
// ViereckPruefen accepts (four): -1 off its plane, 0 in its plane outside
// it, 1 inside or on a side; within the tolerance.
int PunktImVieleck(const TTripel* ecken, int anzahl, TTripel p);

// What decides the kind of a quadrilateral ABCD.
struct TViereckmerkmale {
    bool ParallelABCD = false;  // AB ∥ CD
    bool ParallelBCDA = false;  // BC ∥ DA
    bool RechterWinkel = false; // AB ⊥ BC
    // Neighbouring sides of equal length: AB = BC, BC = CD, CD = DA, DA = AB.
    std::array<bool, 4> GleichNachbar{};
    // Opposite sides of equal length: AB = CD, BC = DA.
    std::array<bool, 2> GleichGegenueber{};
};
// The most special kind that applies, in this order.
enum class TViereckart {
    Quadrat,
    Rechteck,
    Raute,
    Parallelogramm,
    GleichschenkligesTrapez,
    Trapez,
    Drachenviereck,
    Allgemein,
};
TViereckart Viereckart(const TViereckmerkmale& m);
// "ein Quadrat" ... "ein Drachenviereck", "ein allgemeines Viereck".
std::string ViereckartText(TViereckart art);
// The features of the corners, compared within the tolerance (relative to
// the lengths involved).
TViereckmerkmale Viereckmerkmale(const std::array<TTripel, 4>& ecken);

// Two directions spanning the plane with normal n (exact tests).
void RichtungenAusNormale(TTripel n, TTripel& u, TTripel& v);

// Direction with small whole numbers where possible, e.g. (0.5, 1, 1.5)
// becomes (1, 2, 3); the length is not kept. maximalerNenner bounds the
// denominators tried for each component.
TTripel VereinfachterVektor(TTripel c, int maximalerNenner);
// With "Maximaler Nenner" from the settings.
TTripel VereinfachterVektor(TTripel c);

// The same for a plane's normal form a x + b y + c z + d = 0 (n = (a, b, c)):
// the four numbers are reduced together, and the sign is turned so that a
// is not negative, so that 2x + 4z - 6 = 0 and -x - 2z + 3 = 0 both show
// as x + 2z - 3 = 0.
std::array<Real, 4> VereinfachteNormalenform(TTripel n, Real d, int maximalerNenner);
std::array<Real, 4> VereinfachteNormalenform(TTripel n, Real d);

} // namespace kalvorin
