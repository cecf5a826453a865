#pragma once
// One row per element kind: what the layers look up about a kind instead of
// each having its own switch. A new kind is a row here (and, in the user
// interface, a row of ui/ElementDialoge.cpp), plus what is truly new about
// it: its evaluation, its drawing and its dialog.

#include "model/Element.h"
#include "model/StandardEinstellungen.h"

#include <array>
#include <memory>
#include <string_view>

namespace kalvorin {

struct TArtangaben {
    TElementart Art;
    // The kind's name as the document file writes it beside its number: "DfrPunkt".
    std::string_view Name;
    // The word for an element of the kind in texts: "Punkt".
    std::string_view Wort;
    // Automatic names: the prefix and the next free number, "P1".
    std::string_view Praefix;
    // The settings value that "thick" stands for (the default look).
    int TStandardEinstellungen::*DickeEinstellung;
    // Drawn in the view, so visibility and label apply (not for vectors).
    bool Gezeichnet;
    // A new element of the kind; null for the kind without an element class.
    std::unique_ptr<TDreiDBasisElement> (*Neu)();
};

// The rows, in the order of the kind byte.
extern const std::array<TArtangaben, AnzahlElementarten> Elementarten;

// The row of a kind number; null outside the kind bytes.
const TArtangaben* Artangaben(int art);
inline const TArtangaben& Artangaben(TElementart art) {
    return Elementarten[static_cast<std::size_t>(art)];
}

} // namespace kalvorin
