#pragma once
// What the document writer and reader share: section and key names, the
// definition key of each kind and mode, and the operands of each derivation.

#include "model/Element.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvorin::dokument {

inline constexpr const char* Version = "Version";
inline constexpr const char* Achsen = "Koord-Achsen";
inline constexpr const char* Ebenen = "Koord-Ebenen";
// The worksheet's questions: keys "Anzahl" and "Frage1", "Frage2", ...; no
// "Elementart", so every reader of elements skips it. Longer than any
// element name, so no element's section can be taken for it.
inline constexpr const char* Blattfragen = "Arbeitsblattfragen";
inline constexpr const char* VersName = "Kalvorin-Analytische Geometrie";
inline constexpr const char* VersNummer = "1.0";

// The keys of a derivation. An element whose derivation earlier versions
// cannot read (FuerFruehereFrei) is written with none of the first set, so
// that they read it as a free element at its numbers, and with its
// derivation under the second set, which they ignore and this version
// prefers.
struct TEntstehungsschluessel {
    const char* Art;
    const char* Original;
    const char* Elemente;
};
inline constexpr TEntstehungsschluessel Entstehungsschluessel{"Entstehungsart", "Originalelement",
                                                              "Entstehungselemente"};
inline constexpr TEntstehungsschluessel Herleitungsschluessel{"Herleitung", "Herleitungsoriginal",
                                                              "Herleitungselemente"};

inline constexpr const char* AchsenBuchstaben[3] = {"X", "Y", "Z"};
inline constexpr const char* EbenenNamen[3] = {"XY", "YZ", "XZ"};

// The definition key of a kind in a mode: how many element names or
// numbers it holds. Escaped: the names are written with EscapeName.
struct TFestlegungsschluessel {
    const char* Schluessel = nullptr;
    int Namen = 0;
    int Zahlen = 0;
    bool Escaped = false;
};

// Number of definition modes of the kind (0 for kinds without a class).
int AnzahlFestlegungen(int art);
// The key of the mode; null when the kind has no such mode.
const TFestlegungsschluessel* Festlegungsschluessel(int art, int festlegung);

// The stored numbers of a mode that holds numbers, in file order; returns
// how many there are (0 for modes that hold references).
int Zahlenfelder(TDreiDBasisElement& e, std::array<Real*, 9>& felder);

// Why the name cannot be stored so that it reads back as itself, or an
// empty text when it can. Names of other elements in the same document are
// not considered (see DokumentSchreiben).
std::string NamensFehler(std::string_view name);

// The form in which the INI engine compares section names: two names with
// the same form would share one section.
std::string Sektionsform(std::string_view sektion);

} // namespace kalvorin::dokument
