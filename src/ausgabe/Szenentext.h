#pragma once
// The scene in words, for a screen reader and for whoever cannot see the
// view: one sentence per visible element with its kind, name, definition and
// values, in the words of the object list and the element descriptions. And
// what the keyboard does in the view: which element is the current one when
// Tab steps on, and what may be done with it.

#include "math/Matrix4.h"
#include "model/Elementarten.h"
#include "model/Liste.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kalvorin {

class TDokument;

// The visible elements in the order the object list shows them.
std::vector<TDreiDBasisElement*> SichtbareElemente(const TListe& liste);

// The element Tab (vorwaerts) or Shift+Tab steps to from the current one
// (null: none yet). Wraps round at the ends; a current element that is no
// longer visible counts as none. Null when nothing is visible.
TDreiDBasisElement* NaechstesElement(const TListe& liste, const TDreiDBasisElement* aktuell,
                                     bool vorwaerts);

// What the keys of the view may do with the current element: plain data for
// the window, like the menus' offers.
struct TFokusAngebot {
    bool Markieren = false;   // Space: mark or unmark it alone
    bool Hinzufuegen = false; // Ctrl+Space: add to the marks (or take it out)
    bool Oeffnen = false;     // Enter: its dialog
};
TFokusAngebot FokusAngebot(const TListe& liste, const TDreiDBasisElement* aktuell);

// Space (hinzufuegen false): the element alone is marked, or, when it was
// the only marked one, unmarked. Ctrl+Space: its mark toggles, the others
// stay. Through the document's marking; false when there is no such element.
bool FokusMarkieren(TDokument& d, const TDreiDBasisElement* aktuell, bool hinzufuegen);

// The arrow keys turn the view by this angle (degrees): left and right about
// the vertical of the screen, up and down tilting about its horizontal.
inline constexpr Real Tastendrehwinkel = 5;
enum class TDrehtaste : std::uint8_t { Links, Rechts, Hoch, Runter };
// The rotation of one key press, in the scene's rotated space (x towards the
// viewer, y to the right, z upwards), about the rotation sphere's centre
// `mitte`; the same sense as dragging the mouse the way the arrow points.
TMatrix4 Tastendrehung(TDrehtaste taste, TTripel mitte);

// The coordinate form of a plane for reading aloud: "6 x 1 plus 3 x 2 plus
// 4 x 3 gleich 12", the numbers reduced to whole numbers where they allow it.
// Empty when the plane cannot be evaluated.
std::string Koordinatenform(const TDreiDBasisElement& ebene);

// One sentence about the element, e.g. "Punkt A, Koordinaten 2, 0, 0" or
// "Ebene E durch A, B und C, Koordinatenform 6 x 1 plus 3 x 2 plus 4 x 3
// gleich 12".
std::string ElementSatz(const TDreiDBasisElement& e);

// One sentence per visible element, in the object list's order.
std::vector<std::string> Szenentext(const TListe& liste);
// The same as one text, one line per element ("\n"); a note when the scene
// is empty.
std::string SzenentextGanz(const TListe& liste);

} // namespace kalvorin
