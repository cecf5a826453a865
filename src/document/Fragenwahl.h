#pragma once
// The teacher's choice of worksheet questions as the document keeps it: in
// its file, its recovery copies and its undo steps. What a question asks and
// how it is answered is the worksheet's (ausgabe/Arbeitsblattfragen.h).

#include "storage/Dokumentdatei.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

enum class TFragenart : std::uint8_t {
    Element, // the derived element Nummern[0]
    Winkel,  // the measurements of the elements Nummern
    Laenge,
    Flaeche,
    Volumen,
    Lage, // the position of two lines towards each other
    Text, // a free line
};

struct TArbeitsblattfrage {
    TFragenart Art = TFragenart::Element;
    std::vector<int> Nummern; // serial numbers (TDreiDBasisElement::Nummer)
    std::string Text;         // the free line, UTF-8
    bool operator==(const TArbeitsblattfrage&) const = default;
};
using TArbeitsblattfragen = std::vector<TArbeitsblattfrage>;

// Whether the question measures elements (any number of them); the others
// name one element or none.
bool IstMessfrage(TFragenart art);

// The questions as the document file keeps them, and back (unknown kinds
// are dropped).
TBlattfragen AlsBlattfragen(const std::optional<TArbeitsblattfragen>& fragen);
std::optional<TArbeitsblattfragen> AusBlattfragen(const TBlattfragen& fragen);

// A free line: at most this many characters, and only those the document
// file can hold.
inline constexpr std::size_t ArbeitsblattZeilenLaenge = 200;

} // namespace kalvorin
