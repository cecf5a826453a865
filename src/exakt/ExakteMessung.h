#pragma once
// Exact measurements: the rows of the measurement menu computed on the exact
// geometry, and the extra message line "exakt: ..." in textbook notation.

#include "exakt/ExakteGeometrie.h"
#include "model/Auswahl.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin::exakt {

// The rows of the measurement, with the elements in the order they are named.
enum class TMessart {
    WinkelVektoren,      // a, b
    WinkelGeraden,       // g, h
    WinkelGeradeEbene,   // g, E
    WinkelEbenen,        // E, F
    AbstandPunkte,       // A, B
    AbstandPunktGerade,  // P, g
    AbstandPunktEbene,   // P, E
    AbstandGeraden,      // g, h
    Betrag,              // a
    StreckenLaenge,      // s
    FlaechePunkte,       // A, B, C
    FlaecheDreieck,      // D
    FlaecheVektoren,     // a, b (parallelogram)
    VolumenPunkte,       // A, B, C, D
    VolumenPunktDreieck, // P, D
    VolumenPyramide,     // S
    VolumenVektoren,     // a, b, c (pyramid of three vectors)
    KugelRadius,         // K
    KugelOberflaeche,    // K
    KugelVolumen,        // K
    PunktKugel,          // P, K: the position and the distance from the surface
    GeradeKugel,         // g, K
    EbeneKugel,          // E, K
    KreisRadius,         // k (with its circumference)
    KreisFlaeche,        // k
    FlaecheViereck,      // Q (with its sides, angles and kind)
    VolumenPyramide4,    // S (four-sided: 1/3 G h)
    AbstandEbenen,       // E, F (0 where they meet)
    PunktDreieck,        // P, D: the distance from its plane, and whether P lies in it
    PunktViereck,        // P, Q: the same for a quadrilateral
    PunkteEbene,         // A, B, E: on the same side or not
    EbeneAchsen,         // E: how it lies to the axes
};

struct TExakteMessung {
    // Lengths, areas, volumes: the value, never negative; angles: the
    // cosine (for a line and a plane the sine) of the angle.
    TWurzelzahl Wert;
    bool Winkel = false;
    bool Sinus = false;
    // A standard angle (0, 30, 45, ... 180 degrees; where a line or a plane
    // takes part only 0 to 90), in degrees.
    std::optional<int> Grad;
    std::string Einheit; // " LE", " FE", " VE" or "" (parallelogram, angles)
    // The value is Wert times pi (areas and volumes of spheres and circles).
    bool MalPi = false;
};

// The standard angle (0, 30, 45, 60, 90, ... 180 degrees) of this cosine;
// nothing for any other.
std::optional<int> Standard(const TWurzelzahl& cosinus);

// The elements the measurement takes from the marks, in the order of the
// row's comment above: what the message, the exact value and the worked
// solution are computed of. Empty when the marks lack one.
std::vector<const TDreiDBasisElement*> Messelemente(TMessart art, const TAuswahl& m);

// The exact corners of a quadrilateral that is one (in one plane exactly,
// its sides not crossing); nothing otherwise.
std::optional<std::array<TQTripel, 4>> ExakteViereckecken(TExakteAuswertung& ausw,
                                                          const TDreiDBasisElement* viereck);
// The features of its kind, compared exactly.
TViereckmerkmale ExakteViereckmerkmale(const std::array<TQTripel, 4>& ecken);
// Twice its area as a vector: the cross product of the diagonals AC × BD.
TQTripel Diagonalenkreuz(const std::array<TQTripel, 4>& ecken);

// Nothing when an element has no exact value or the marks do not fit.
std::optional<TExakteMessung> ExaktMessen(TExakteAuswertung& ausw, TMessart art,
                                          const std::vector<const TDreiDBasisElement*>& e);

// "exakt: 44/61·√61 LE", "exakt: 60°", "exakt: cos α = 3/14·√14"; empty when
// the exact value is the decimal the message shows anyway (a rational with
// at most two decimal places).
std::string ExaktZeile(const TExakteMessung& m);

// The measurement message with the exact line placed after its first line.
std::string MitExaktZeile(const std::string& meldung, const std::string& zeile);

} // namespace kalvorin::exakt
