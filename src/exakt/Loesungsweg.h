#pragma once
// The worked solution ("Lösungsweg"): the steps a pupil writes down for an
// intersection, a perpendicular, a reflection or a measurement of the
// marked elements, exact, in German; as plain text (vectors as columns
// drawn with bracket characters, for a fixed-width font) and as LaTeX
// (amsmath, pmatrix columns).

#include "exakt/ExakteGeometrie.h"
#include "exakt/ExakteMessung.h"
#include "model/Textzeilen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin::exakt {

enum class TLoesungsart { Schneiden, Lot, Spiegelung, Winkel, Laenge, Flaeche, Volumen };

struct TLoesungsweg {
    std::string Titel;
    std::vector<TTextzeile> Zeilen; // sentences and formulas
};

// The column vector v as a piece of a line: its entries as the worked
// solution prints them, for the worksheet's lines too.
TTextstueck Vektorspalte(const TQTripel& v);

// The worked solution of the intersection of two lines, segments or planes
// (in list order); nothing for other kinds. The result point is called by
// `ergebnisname` where given (the name it has in the document), else S
// (where an element is called S already, the name a new point gets).
std::optional<TLoesungsweg> Schnittloesungsweg(const TListe& liste,
                                               const TDreiDBasisElement& erstes,
                                               const TDreiDBasisElement& zweites,
                                               const std::string& ergebnisname = {});

// The cases of the perpendicular: from a point onto a plane or a line, and
// the common perpendicular of two lines.
enum class TLotfall : std::uint8_t { PunktEbene, PunktGerade, Geraden };
// Its worked solution; the foot is called F.
std::optional<TLoesungsweg> Lotloesungsweg(const TListe& liste, TLotfall fall,
                                           const TDreiDBasisElement& erstes,
                                           const TDreiDBasisElement& zweites);

// The worked solution of the reflection of the point in the mirror, a
// plane, a line or a point (the centre); nothing for other kinds.
std::optional<TLoesungsweg> Spiegelungsloesungsweg(const TListe& liste,
                                                   const TDreiDBasisElement& punkt,
                                                   const TDreiDBasisElement& spiegel);

// The worked solution of the measurement row art for its elements, in the
// order Messelemente gives them; nothing without elements.
std::optional<TLoesungsweg> Loesungsweg(const TListe& liste, TMessart art,
                                        const std::vector<const TDreiDBasisElement*>& elemente);

// As plain text, lines separated by "\n".
std::string AlsText(const TLoesungsweg& weg);
// As HTML for a rich-text view: sentences as paragraphs that wrap, column
// vectors as cells of a table row with their brackets.
std::string AlsHtml(const TLoesungsweg& weg);
// A complete LaTeX file: it compiles with pdflatex on its own, and
// \input into a worksheet (which loads amsmath) it gives just the steps.
std::string AlsLatex(const TLoesungsweg& weg);
// Only the steps, for the clipboard.
std::string AlsLatexAusschnitt(const TLoesungsweg& weg);

} // namespace kalvorin::exakt
