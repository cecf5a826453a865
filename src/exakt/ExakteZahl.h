#pragma once
// Exact numbers of school mathematics: rationals (GiNaC's numeric, which
// rests on CLN's big integers) and products q·√r of a rational with the
// root of a square-free whole number, with their texts in the notation of
// German textbooks, as plain text and as LaTeX.

#include "math/Tripel.h"

#include <ginac/numeric.h>
#include <ginac/operators.h>

#include <optional>
#include <string>

namespace kalvorin::exakt {

using TRational = GiNaC::numeric;

// The largest denominator a stored or typed number may have to count as an
// exact rational.
inline constexpr long GroessterNenner = 1000000;

// The rational with a denominator of at most GroessterNenner that the
// extended number x stands for to within its precision (continued
// fractions); nothing when there is none (0,1234567891) or x is not finite.
std::optional<TRational> RationalErkennen(Real x, long groessterNenner = GroessterNenner);

Real AlsReal(const TRational& q);
// True when numerator and denominator are small enough to go on with
// (the bound that keeps every computation from blowing up).
bool HandlicheGroesse(const TRational& q);

// q·√r with r a square-free whole number >= 1 (r = 1: the rational q).
struct TWurzelzahl {
    TRational q;
    TRational r = 1;

    bool Rational() const { return r == 1; }
    Real Wert() const;
};

// √x for a rational x >= 0, with the square factors of x taken out of the
// root; nothing when x is negative or too large to factor quickly.
std::optional<TWurzelzahl> Wurzel(const TRational& x);
// x / √y (the rationalised denominator); nothing when y <= 0.
std::optional<TWurzelzahl> DurchWurzel(const TRational& x, const TRational& y);

// Text styles: the textbook's plain text ("−20/61", "44/61·√61"), ASCII for
// machines ("-20/61", "44/61*sqrt(61)" with "·√" kept as in the textbook
// unless ascii), and LaTeX ("-\frac{20}{61}", "\frac{44}{61}\sqrt{61}").
enum class TStil { Text, Ascii, Latex };

std::string Text(const TRational& q, TStil stil = TStil::Text);
std::string Text(const TWurzelzahl& w, TStil stil = TStil::Text);

// "−" (U+2212), the textbook's minus sign.
inline constexpr const char* Minus = "\xE2\x88\x92";

} // namespace kalvorin::exakt
