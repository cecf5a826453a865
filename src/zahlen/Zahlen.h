#pragma once
// The one parser for numbers typed by the user and the formatters for every
// number the program shows. Both follow the process-wide decimal separator
// (Einstellungen().Dezimaltrenner) and the number output settings.

#include "math/Tripel.h"

#include <string>
#include <string_view>

namespace kalvorin {

// Result codes of ParseReal and ParseNumber.
inline constexpr int ZahlGueltig = 0;
inline constexpr int ZahlLeer = 1;
inline constexpr int ZahlUngueltig = 2;
inline constexpr int ZahlAusserhalb = 3; // division by zero, or outside -256..256

// Numbers typed by the user lie in -MaxEingabe..MaxEingabe.
inline constexpr Real MaxEingabe = 256;

struct TZahl {
    Real Wert = 0;
    int Code = ZahlGueltig;
};

struct TTripelEingabe {
    TTripel Tripel;
    bool Fehler = false;
};

struct TNullEingabe {
    bool Fehler = false;
    bool IstNull = false; // only meaningful without Fehler
};

std::string RemoveBlanks(std::string_view text);

// Plain decimal number with the user's separator; blanks around it are allowed.
TZahl ParseReal(std::string_view text);
// Also "a/b"; the value must lie in -256..256.
TZahl ParseNumber(std::string_view text);
// Components that fail stay 0; Fehler when any of them failed.
TTripelEingabe ParseTripel(std::string_view x, std::string_view y, std::string_view z);
TNullEingabe ParseTripelZero(std::string_view x, std::string_view y, std::string_view z);
// True when all six texts are valid numbers and the pairs (x1, x2), (y1, y2),
// (z1, z2) are exactly equal.
bool SameTripelTexts(std::string_view x1, std::string_view y1, std::string_view z1,
                     std::string_view x2, std::string_view y2, std::string_view z2);
// a - b with the standard number of digits, or "?" (no number) when either
// text is not a valid number.
std::string DifferenceText(std::string_view a, std::string_view b);

// General format: p significant digits (2..18), fixed-point when the value is
// 0 or at least 0.0001 in magnitude and has at most p digits before the
// separator, else mantissa "E" exponent; trailing zeros dropped.
std::string FormatGeneral(Real x, int p);
std::string FormatGeneral(Real x, int p, char dezimaltrenner);
// Coordinates and parameters: a fraction when the settings ask for one and
// one is close enough, else the general format; at most 12 characters.
std::string FormatNumber(Real x);
// Measured values: two places after the separator, at most 20 characters.
std::string FormatMeasure(Real x);

// The key that number fields turn into the decimal separator: "." when the
// separator is ",", else ";".
char AndererTrenner();

// The fraction FormatNumber shows for x with denominators up to maxNenner.
// Nenner 1 means that no fraction fits and the decimal form is shown.
struct TBruch {
    Real Zaehler = 0;
    Real Nenner = 1;
};
TBruch Bruchnaeherung(Real x, int maxNenner);

// Reads a real number: blanks, sign, digits with one decimal separator taken
// from the characters in trenner, an optional exponent. False for anything
// else, also for values too large for Real ("1e99999") and for "nan" or
// "inf"; values too small for it ("1e-99999") read as 0.
bool TextZuReal(std::string_view text, std::string_view trenner, Real& wert);

} // namespace kalvorin
