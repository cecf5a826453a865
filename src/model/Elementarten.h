#pragma once
// One row per element kind: what the layers look up about a kind instead of
// each having its own switch. A new kind is a row here (and, in the user
// interface, a row of ui/ElementDialoge.cpp), plus what is truly new about
// it: its evaluation, its drawing and its dialog.

#include "model/Element.h"
#include "model/StandardEinstellungen.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
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
    // The derivation codes (bits by code, see Entstehungen) after which the
    // rebuild recomputes an element of the kind; after the others it keeps
    // the numbers it holds.
    std::uint32_t Nachgerechnet;
    // Its place in the pattern of marked elements that the offers are looked
    // up by (point, vector, line, plane, segment, triangle, pyramid); -1:
    // not counted there (an arrow counts as its vector). The places from 7
    // on (sphere, circle) follow every pattern, of whatever length, and only
    // while one of them is marked: without them the patterns are those of
    // the seven places alone. The places 9 and 10 (quadrilateral, four-sided
    // pyramid) follow those two in the same way, only while one of them is
    // marked.
    int Musterstelle;
    // Built of parts that are elements of their own (its points): the
    // image of such an element is made by recomputing its image parts, and
    // its exact value is read from them.
    bool AusTeilen;
    // Earlier versions skip the kind when reading: an element of a kind
    // they know that is derived from one of this kind is written for them
    // as a free element (FuerFruehereFrei).
    bool UnbekanntFrueher = false;
};

constexpr std::uint32_t Entstehungen(std::initializer_list<TEntstehungsart> codes) {
    std::uint32_t m = 0;
    for (TEntstehungsart c : codes)
        m |= 1u << static_cast<unsigned>(c);
    return m;
}

// The rows, in the order of the kind byte.
extern const std::array<TArtangaben, AnzahlElementarten> Elementarten;

// The row of a kind number; null outside the kind bytes.
const TArtangaben* Artangaben(int art);
inline const TArtangaben& Artangaben(TElementart art) {
    return Elementarten[static_cast<std::size_t>(art)];
}

// The word for an element's kind, as the object list's menus and dialogs
// say it ("Punkt", "Gerade", ...); "Objekt" outside the kind bytes.
std::string Artwort(TElementart art);

// Whether the rebuild recomputes an element of the kind derived by code.
bool WirdNachgerechnet(TElementart art, TEntstehungsart code);

} // namespace kalvorin
