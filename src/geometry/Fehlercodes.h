#pragma once
// The numeric codes by which evaluation, constructions and mappings report
// failure. The callers turn them into messages; the numbers are shared with
// the recomputation and the dialogs, so they must not change.

namespace kalvorin {

inline constexpr int KeinFehler = 0;

// Evaluation of an element
inline constexpr int FehlerGeradePunkteGleich = 12;     // line "GPP": the points coincide
inline constexpr int FehlerGeradeNullvektor = 13;       // line "GPV": zero vector
inline constexpr int FehlerPfeilPunkteGleich = 15;      // arrow "PfPP": foot = tip
inline constexpr int FehlerPfeilNullvektor = 16;        // arrow "PfPV": zero vector
inline constexpr int FehlerEbenePunkteAufGerade = 17;   // plane "EPPP"
inline constexpr int FehlerEbeneVektorenAbhaengig = 18; // plane "EPVV"
inline constexpr int FehlerEbenePunktAufGerade = 19;    // plane "EPG", line "GPAR"/"GPV"
inline constexpr int FehlerEbenePunktAufGeradePP = 20;  // plane "EPG", line "GPP"
inline constexpr int FehlerEbeneGeradeNullvektor = 21;  // plane "EPG", line "GPV"
inline constexpr int FehlerEbeneGeradenWindschief = 22; // plane "EGG"
inline constexpr int FehlerEbeneGeradenIdentisch = 23;  // plane "EGG"
// A reference is missing, of the wrong kind, or leads back to the element
// itself (possible in a hand-edited document file). Such an element cannot
// be shown; nothing in the program creates it.
inline constexpr int FehlerBezug = 24;
inline constexpr int FehlerEbeneErsteGerade = 25;           // plane "EGG": first line fails
inline constexpr int FehlerEbeneZweiteGerade = 26;          // plane "EGG": second line fails
inline constexpr int FehlerEbeneNormaleNull = 27;           // plane "EPV" (and "ENOR"): zero normal
inline constexpr int FehlerEbeneGeradeVektorAbhaengig = 28; // plane "EGV"
inline constexpr int FehlerStreckePunkteGleich = 29;        // segment: start = end
inline constexpr int FehlerKugelPunkteGleich = 42;          // sphere "MP": centre = point
inline constexpr int FehlerKugelMittelpunktInEbene = 43;    // sphere "MT": centre in the plane
inline constexpr int FehlerKugelRadius = 44;                // sphere "MR", circle: radius <= 0
inline constexpr int FehlerKreisNormaleNull = 45;           // circle: zero normal
// Quadrilateral (checks within the tolerance of geometry/Schnitt.h)
inline constexpr int FehlerViereckPunkteGleich = 60;  // two corners coincide
inline constexpr int FehlerViereckAufGerade = 61;     // three consecutive corners on a line
inline constexpr int FehlerViereckNichtEben = 62;     // the four corners lie in no plane
inline constexpr int FehlerViereckSeitenKreuzen = 63; // two sides cross or touch

// Mappings
inline constexpr int FehlerAbbildungNullvektor = 14; // projection vector or vector image is zero
inline constexpr int FehlerAbbildungBildGleich = 3;  // the image coincides with its original
inline constexpr int FehlerProjektionParallel = 33;  // projection vector parallel to the plane
inline constexpr int FehlerNichtAbbildbar = 49;      // a sphere or circle under a projection

// Constructions
inline constexpr int FehlerGeradeParallelEbene = 30;    // a line does not meet a plane
inline constexpr int FehlerPunktAufGerade = 31;         // perpendicular from a point on the line
inline constexpr int FehlerGeradenParallel = 32;        // common perpendicular of parallel lines
inline constexpr int FehlerUnbekannteKonstruktion = 34; // code without a construction
inline constexpr int FehlerListeVoll = 35;              // no room for the new elements
inline constexpr int FehlerArtGeaendert = 36;           // a recomputed result changed its kind
inline constexpr int FehlerKugelVerfehlt = 46;          // a sphere and the other meet nowhere
inline constexpr int FehlerKugelBeruehrtNicht = 47;     // a sphere and the other do not touch
inline constexpr int FehlerPunktNichtAufKugel = 48;     // a tangent plane at a point beside it

} // namespace kalvorin
