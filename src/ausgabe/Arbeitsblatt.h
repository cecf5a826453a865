#pragma once
// Worksheets and the step-by-step presentation: which elements are given
// and which are derived, in which order a lesson shows them, and the
// content of a worksheet of the document (the task with the given elements
// and the questions on the first page or pages, the solution with every
// element and the answers from a new page on).
//
// An element counts as derived when it has a derivation of its own
// (intersection, perpendicular, mapping, ...) or is built on a derived
// element (the segment from a point to the foot of a perpendicular).

#include "ausgabe/Arbeitsblattfragen.h"
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

// What is asked about a derived element: how it came about, without its
// result ("g1 ist das Lot von D auf E").
std::string GesuchtText(const TDreiDBasisElement& e);

// The text of both parts: the task with the questions, the solution with
// their answers and worked solutions. Without questions given: every
// derived element.
TArbeitsblattInhalt ArbeitsblattInhalt(const TListe& liste, const TArbeitsblattEingabe& e);
TArbeitsblattInhalt ArbeitsblattInhalt(const TListe& liste, const TArbeitsblattEingabe& e,
                                       const TArbeitsblattfragen& fragen);
// With the document's own choice of questions, where it has one.
TArbeitsblattInhalt ArbeitsblattInhalt(const TDokument& d, const TArbeitsblattEingabe& e);

// The largest size of the task's and of the solution's figure, thousandths
// of a centimetre; each keeps the shape of the window.
inline constexpr TAusgabeMass ArbeitsblattBildgroesse{12000, 9000};
inline constexpr TAusgabeMass ArbeitsblattLoesungsbildgroesse{12000, 7000};
// The solution's figure is never narrower than this (a tall drawing grows
// taller instead), up to the height a page holds.
inline constexpr std::int32_t ArbeitsblattLoesungsbildMindestbreite = 8000;
inline constexpr std::int32_t ArbeitsblattLoesungsbildHoechsthoehe = 24000;
// The size of the solution's figure for the window.
TAusgabeMass ArbeitsblattLoesungsbild(const TLogRechteck& fenster);

// The window of both figures: the whole drawing of the document with a
// small margin (the same for both pages, so that they match), not the
// view's empty border.
TLogRechteck ArbeitsblattFenster(const TDokument& d);

// The worksheet's figures of the document, in the window above: the task's
// without the derived elements, the solution's with everything; the same
// for the PDF and the LaTeX file, for the window and the tool.
TArbeitsblattBilder ArbeitsblattBilder(const TDokument& d);

// The worksheet of the document as a LaTeX file with the figures as TikZ.
std::string ArbeitsblattLatex(const TDokument& d, const TArbeitsblattEingabe& e);

} // namespace kalvorin
