#pragma once
// One row per derivation code: what the layers look up about a construction
// or mapping instead of each having its own switch. A new construction is a
// row here plus what is truly new about it: its calculation (the tables of
// geometry/Konstruktion.cpp and exakt/ExakteGeometrie.cpp, keyed by the same
// code) and the command that makes it.

#include "model/Element.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kalvorin {

// What each of the three operand places of a derivation holds in the file.
enum class TOperand : std::uint8_t { Keiner, Name, Zahl };

// How the worksheet explains an element of the derivation.
enum class TLoesungswegart : std::uint8_t {
    Keiner,
    // The element's own measure (length, area, volume) by its kind.
    Mass,
    Schnitt,
    LotPunktEbene,
    LotPunktGerade,
    LotGeraden,
    Spiegelung,
};

// The undo caption of a step that made an element: noun, name, verb
// ("Schnittpunkt S1 bilden"). The noun is Punkt for a point, Gerade for a
// line where set, else Wort, followed by the kind's word where MitArtwort.
struct TSchrittname {
    std::string_view Punkt;
    std::string_view Gerade;
    std::string_view Wort;
    bool MitArtwort = false;
    std::string_view Verb;
};

struct TKonstruktionsangaben {
    TEntstehungsart Code;
    // The code's name as the file writes it beside its number: "LotPE".
    std::string_view Name;
    // The element is the image of its Originalelement under a mapping.
    bool Abbildung;
    // The operand places in the file; bit i of Pflicht: place i must not be
    // empty, or the derivation fails on reading.
    std::array<TOperand, 3> Operanden;
    std::uint8_t Pflicht;
    // The mapping role whose element the derivation uses, or -1.
    int Rolle;
    // The description in the object list: {n} the element's name, {o} the
    // original's, {1} … {3} the operands' names, {z1} … {z3} an operand's
    // number, {f2} the second operand's number as a factor. Empty: none.
    std::string_view Beschreibung;
    TSchrittname Schritt;
    TLoesungswegart Loesungsweg;
    // Earlier versions do not know the code: an element derived so is
    // written as a free element for them, its derivation under keys they
    // ignore (see FuerFruehereFrei).
    bool UnbekanntFrueher = false;
};

// The rows, in the order of the code.
extern const std::array<TKonstruktionsangaben, AnzahlEntstehungsarten> Konstruktionsarten;

// The row of a code number; null outside the codes.
const TKonstruktionsangaben* Konstruktionsangaben(int code);
inline const TKonstruktionsangaben& Konstruktionsangaben(TEntstehungsart code) {
    return Konstruktionsarten[static_cast<std::size_t>(code)];
}

// Whether earlier versions could not read the element's derivation: its
// code is unknown to them, or it is of a kind they know and derived from an
// element of a kind they do not know (a point of a sphere). The document
// file writes such an element as a free one at its current numbers, which
// every version reads, and keeps its derivation under keys that earlier
// versions ignore.
bool FuerFruehereFrei(const TDreiDBasisElement& e);

} // namespace kalvorin
