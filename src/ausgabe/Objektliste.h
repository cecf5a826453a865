#pragma once
// What the object list shows and does, without any window: the rows in the
// user's display order, the name written in a row, the hint of a row, the
// sort orders and what a click on a cell or on a header does. The window only
// paints this and passes the mouse on.

#include "model/Liste.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kalvorin {

class TDokument;

// The grid's columns: kind picture, name, visibility ("s"), name label ("B").
enum class TListenspalte { Art = 0, Name = 1, Sichtbar = 2, Beschriftung = 3 };
inline constexpr int AnzahlListenspalten = 4;

enum class TSortierung { Entstehung, Objektart, Markierung };

// Rows are numbered 1..Anzahl() like the display-order table; null outside.
TDreiDBasisElement* ElementInZeile(const TListe& liste, int zeile);
// The row that shows the slot, 0 when there is none.
int ZeileVonSlot(const TListe& liste, int slot);

// The name followed by the marks of the element's mapping roles and, for an
// arrow, the name of the vector it carries in parentheses; at most 20
// characters.
std::string AnzeigeName(const TDreiDBasisElement& e);

// The hint of a row: the description, then one line per mapping role, framed
// by line breaks ("\r\n").
std::string ZeilenHinweis(const TDreiDBasisElement& e);

// The element in the forms of the lesson, exact, one line each
// ("  Koordinatenform: E: 6x + 3y + 4z = 12"), framed like the hint, for
// the row's hint below ZeilenHinweis; empty when the element has no exact
// value or "Exakte Werte anzeigen" is off.
std::string ExakterHinweis(const TDreiDBasisElement& e);

// Stable: rows with equal keys keep their order, so sorting twice by the same
// key changes nothing the second time.
void Sortieren(TListe& liste, TSortierung nach);

// The window's state between mouse events. The current element is kept by
// serial number so that it survives sorting; after a deletion it may be gone.
class TObjektlistenZustand {
public:
    // A click on the cell of an element row (row >= 1). mehrfach: Ctrl held.
    // Returns true when a mark changed.
    bool ZelleGeklickt(TListe& liste, int zeile, TListenspalte spalte, bool mehrfach);
    // A click on a header: "s" hides every element, "B" every name label.
    void KopfGeklickt(TListe& liste, TListenspalte spalte);
    // The mouse is released: true when visibility or labels changed since the
    // last release, which asks for the rebuild. Clears the flag.
    bool MausLosgelassen();

    bool SichtbarkeitGeaendert() const { return sichtbarkeitGeaendert_; }
    // The undo step of the last click on a visibility or label cell or
    // header: "A ausblenden", "Beschriftungen ausblenden".
    const std::string& Schritt() const { return schritt_; }
    // The element last clicked, null when there is none (any more).
    TDreiDBasisElement* AktuellesElement(const TListe& liste) const;
    void Zuruecksetzen();

private:
    bool sichtbarkeitGeaendert_ = false;
    std::string schritt_;
    std::uint16_t aktuellesElement_ = 0; // serial number, 0: none
};

// A click on a visibility or label cell or header, which klick passes to
// the state z, as one change of the document, its undo step named as z
// names it ("A ausblenden"). True when visibility or labels changed.
bool SichtbarkeitKlicken(TDokument& d, TObjektlistenZustand& z,
                         const std::function<void(TListe&)>& klick);

} // namespace kalvorin
