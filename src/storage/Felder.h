#pragma once
// The encodings of values inside INI values: lists joined by "|", colours
// red|green|blue, coordinate triples, numbers, and the escaping of
// case-sensitive element names as section names of a case-blind file.

#include "math/Farbe.h"
#include "math/Tripel.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace kalvorin {

// A value that must be a number is not one. what() is the message the user
// sees: "'x' ist kein gültiger Gleitkommawert" or "... Integerwert".
class EKonvertierungsfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
[[noreturn]] void KeinGleitkommawert(std::string_view text);
[[noreturn]] void KeinIntegerwert(std::string_view text);

// The text before the first "|", which is removed from liste together with
// the "|"; without "|" the whole text, and liste becomes empty.
std::string NextField(std::string& liste);

std::string ColorToField(TFarbe farbe);
// The first three fields as integers; each is held to 0..255.
// Throws EKonvertierungsfehler when one is not an integer.
TFarbe FieldToColor(const std::string& text);

// x|y|z, each in the general format with 15 significant digits and the
// user's decimal separator.
std::string TripelToFields(const TTripel& t);
// Takes three fields from liste. Throws EKonvertierungsfehler.
TTripel FieldsToTripel(std::string& liste);
// Takes two fields from liste (minimum first for axis ranges). Throws EKonvertierungsfehler.
std::pair<Real, Real> FieldsToPair(std::string& liste);
// The first field as an integer ("5|DGerade" gives 5). Throws EKonvertierungsfehler.
int FirstFieldToInt(const std::string& text);

// A real number as written to files: 15 significant digits, the user's separator.
std::string RealToField(Real x);
// A real number read from a file; "," and "." both count as the separator,
// so documents from systems with the other setting read alike.
// Throws EKonvertierungsfehler.
Real FieldToReal(const std::string& text);
// An integer: decimal, "$" or "0x"/"0X" hexadecimal (at most 32 bits).
// Throws EKonvertierungsfehler.
int FieldToInt(const std::string& text);
// As FieldToInt, but anything that is not an integer gives the default.
int IntegerAusText(std::string_view text, int vorgabe);

// "@" before every lower-case letter a..z, ä, ö, ü and before "@" itself:
// "g" -> "@g", "Ebene" -> "E@b@e@n@e", "x@1" -> "@x@@1".
std::string EscapeName(std::string_view name);
// Drops every "@" and takes the character after it in lower case; a text
// without "@" stays as it is.
std::string UnescapeName(std::string_view sektion);

} // namespace kalvorin
