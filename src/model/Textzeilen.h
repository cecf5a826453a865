#pragma once
// A line of a worked solution or of a worksheet: pieces of text, formulas
// and column vectors. Every piece is held as each output prints it (plain
// text, LaTeX, and for a column vector its three entries in both), so that
// the window, the clipboard, the LaTeX files and the PDF show the same
// numbers; whoever builds a line formats them once.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin {

// One entry of a column vector.
struct TSpalteneintrag {
    std::string Text;  // UTF-8, as printed ("−3/2")
    std::string Latex; // math mode ("-\frac{3}{2}")

    bool operator==(const TSpalteneintrag&) const = default;
};

// The entries of a column vector, top to bottom.
using TSpalte = std::array<TSpalteneintrag, 3>;

// One piece of a line: text, a formula, or a column vector.
struct TTextstueck {
    std::string Text;  // UTF-8, as printed on one line
    std::string Latex; // math mode when Mathe, text mode otherwise
    bool Mathe = false;
    // A column vector: its entries, for the outputs that stack them.
    std::optional<TSpalte> Spalte;
};

enum class TTextzeilenart { Satz, Formel, Ueberschrift };

struct TTextzeile {
    std::vector<TTextstueck> Stuecke;
    TTextzeilenart Art = TTextzeilenart::Satz; // Formel: displayed and indented
};

// The piece of a column vector: on one line "(1 | −2 | 3/2)", in LaTeX a
// pmatrix column.
TTextstueck Spaltenstueck(const TSpalte& eintraege);

// Whether a piece of the line is a column vector: then the outputs that
// stack the entries give the line three rows.
bool HatSpalten(const TTextzeile& zeile);

// The pieces of the line as LaTeX, without what frames the line: in a
// formula the text pieces go into \text{}, in a sentence or a heading the
// formulas and columns into $...$.
std::string LatexInhalt(const TTextzeile& zeile);

} // namespace kalvorin
