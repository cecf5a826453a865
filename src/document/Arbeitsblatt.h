#pragma once
// Worksheets and the step-by-step presentation: which elements are given
// and which are derived, in which order a lesson shows them, and the
// content of a worksheet of the document (page 1 the task with the given
// elements, page 2 the solution with every element).
//
// An element counts as derived when it has a derivation of its own
// (intersection, perpendicular, mapping, ...) or is built on a derived
// element (the segment from a point to the foot of a perpendicular).

#include "view/ArbeitsblattTex.h"
#include "view/Ausgabemasse.h"

#include <string>
#include <vector>

namespace kalvorin {

class TDokument;
class TListe;

// Per slot (index slot - 1): whether the element is derived.
std::vector<bool> AbgeleiteteElemente(const TListe& liste);

// The steps of "Schrittweise zeigen": the slots of the given elements in
// list order, then those of the derived ones in list order.
std::vector<int> Schrittfolge(const TListe& liste);

// The serial numbers of the elements not yet shown after step k (0: none
// shown, Schrittfolge().size(): all).
std::vector<int> VerborgenNachSchritt(const TListe& liste, int k);

// The serial numbers of the derived elements: what the task's figure leaves out.
std::vector<int> VerborgenInAufgabe(const TListe& liste);

// What the worksheet dialog asks for.
struct TArbeitsblattEingabe {
    std::string Titel = "Arbeitsblatt";
    std::string Klasse;
    // Empty when the entries can be used, else the German message.
    std::string Pruefen() const;
};
inline constexpr std::size_t ArbeitsblattTitelLaenge = 80; // characters
inline constexpr std::size_t ArbeitsblattKlassenLaenge = 40;

// The text of both pages.
TArbeitsblattInhalt ArbeitsblattInhalt(const TListe& liste, const TArbeitsblattEingabe& e);

// The largest size of the task's and of the solution's figure, thousandths
// of a centimetre; each keeps the shape of the window.
inline constexpr TAusgabeMass ArbeitsblattBildgroesse{12000, 9000};
inline constexpr TAusgabeMass ArbeitsblattLoesungsbildgroesse{12000, 7000};

// The window of both figures: the whole drawing of the document with a
// small margin (the same for both pages, so that they match), not the
// view's empty border.
TLogRechteck ArbeitsblattFenster(const TDokument& d);

// The worksheet of the document as a LaTeX file with the figures as TikZ.
std::string ArbeitsblattLatex(const TDokument& d, const TArbeitsblattEingabe& e);

} // namespace kalvorin
