#pragma once
// What every element dialog does with its input before any widget is
// involved: whether a field counts as filled, whether a name is free, which
// elements may define another without going round in a circle, and how a
// number that was only shown comes back unchanged.

#include "model/Liste.h"

#include <array>
#include <string>
#include <string_view>

namespace kalvorin {

using TFeldTexte = std::array<std::string, 3>;

// A field counts as filled when text is left after removing every blank.
bool Gefuellt(std::string_view text);
bool AlleGefuellt(const TFeldTexte& felder);
bool KeinesGefuellt(const TFeldTexte& felder);

// True when e is built on r, directly or through other elements (also when e is r).
bool HaengtAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r);

// Whether the list can take n more elements.
bool HatPlatzFuer(const TListe& liste, int n);

// The value of a number field. When its text is still what the dialog showed
// for a held value, that value comes back exactly: showing 0.123456789 as
// "0,12" must not turn it into 0.12 when the user only looked.
Real FeldWert(const std::string& text, const std::string& angezeigt, Real gehalten);
TTripel FeldWerte(const TFeldTexte& texte, const TFeldTexte& angezeigt, TTripel gehalten);

// The texts FormatNumber shows for a triple.
TFeldTexte FeldTexte(TTripel t);

} // namespace kalvorin
