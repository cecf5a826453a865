#pragma once
// An element in the forms of the lesson, exact: points with their
// coordinates, lines in the Parameterform, planes in Parameterform,
// Normalenform, Koordinatenform, Hessesche Normalform and
// Achsenabschnittsform, segments, triangles and pyramids with their length,
// area and volume.

#include "exakt/ExakteGeometrie.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin::exakt {

struct TForm {
    std::string Name;  // "Parameterform", "Koordinatenform", ...
    std::string Text;  // "E: 6x + 3y + 4z = 12"
    std::string Latex; // the same as LaTeX math (without $)
};

// The forms of the element, empty when it has no exact value.
std::vector<TForm> Formen(TExakteAuswertung& ausw, const TDreiDBasisElement& e);

// The coordinate form a x + b y + c z = d of the plane through p with
// normal n: whole coprime numbers, the first non-zero of a, b, c positive.
struct TKoordinatenform {
    TRational a, b, c, d;
};
TKoordinatenform Koordinatenform(const TQTripel& p, const TQTripel& n);

// Pieces of the notation, also for the worked solution.
// "(1 | 2 | 3)" or "(1|2|3)" when all are whole; LaTeX: a pmatrix column.
std::string VektorText(const TQTripel& v, TStil stil = TStil::Text);
// "P(−20/61 | 112/61 | 129/61)"
std::string PunktText(const std::string& name, const TQTripel& p, TStil stil = TStil::Text);
// The names of the three coordinates as the settings choose them for texts
// beyond the dialogs: x₁, x₂, x₃ (LaTeX x_1 ...) or x, y, z; for machines
// (Ascii) always x, y, z.
std::array<std::string, 3> Koordinatennamen(TStil stil = TStil::Text);
// "6x₁ + 3x₂ + 4x₃" or "6x + 3y + 4z" (the terms with non-zero
// coefficients; "0" when none).
std::string Linearform(const TRational& a, const TRational& b, const TRational& c,
                       TStil stil = TStil::Text);
// A sum of terms k·variable ("3r − 2s"; an empty variable is a constant);
// "0" when every k is zero.
std::string Terme(const std::vector<std::pair<TRational, std::string>>& terme,
                  TStil stil = TStil::Text);
// "x⃗" or "\vec{x}"
std::string Ortsvektor(TStil stil = TStil::Text);
// "·" or "\cdot "
std::string Mal(TStil stil);

} // namespace kalvorin::exakt
