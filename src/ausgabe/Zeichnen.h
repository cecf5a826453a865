#pragma once
// The one drawing of a document. The screen, the picture files and every
// other output draw through here onto their own canvas, so they all show the
// same scene the same way; only the options differ.

#include "view/Zeichenflaeche.h"

#include <vector>

namespace kalvorin {

class TDokument;

struct TZeichenOptionen {
    bool Kugel = false;         // the dotted outline of the rotation sphere
    bool Seitenrahmen = false;  // a black frame round the page
    bool GrauesFenster = false; // the page grey, with a black frame
    // The marked elements highlighted: for the screen only, so that the view
    // shows what the menus will work on. Pictures, prints and the clipboard
    // never show marks.
    bool Markierungen = false;
    // "Präsentation" (a setting, for projectors): lines twice as wide, at
    // least as wide as a thick line, names 1.5 times as large, planes'
    // edges in full-strength colours.
    bool Praesentation = false;
    // How much larger names are in "Präsentation"; the screen adds the
    // desktop's font scaling to it.
    double Namenfaktor = 1.5;
    // The desktop asks for high contrast: lines, points and texts in strong,
    // dark colours that stand out against the white page.
    bool Kontrast = false;
    // The desktop's font scaling, on the screen only: names, tick numbers
    // and the widths of drawn lines grow with it; 1 leaves the picture as
    // it is.
    double Schriftfaktor = 1;
    // The screen's device pixel ratio: names and tick numbers follow it
    // like the menus' texts, while the figure keeps its size in the window
    // (and its lines their widths); 1 leaves the picture as it is.
    double Pixelverhaeltnis = 1;
    // The screen's focus ring: the element of this serial number (0: none)
    // gets a dashed frame round its picture.
    int Fokus = 0;
    // Elements left out of the picture, by serial number: the given part of
    // a worksheet, the steps not yet shown in "Schrittweise zeigen". A
    // display filter only; the document stays as it is.
    std::vector<int> Verborgen = {};
};

// Sizes and colours of "Präsentation" and of high contrast, applied to the
// pens, brushes and fonts of whatever canvas the drawing goes to.
inline constexpr int PraesentationMindestbreite = 75; // logical units, a thick line
TStift PraesentationsStift(TStift s);
TFarbe KontrastFarbe(TFarbe c);

// What lies under the scene: the grey window and the frame of the page, the
// logical window of the view.
void SeiteZeichnen(TZeichenflaeche& f, const TLogRechteck& seite, const TZeichenOptionen& o);

// The page, the sphere outline when asked for, then the scene with the names
// of the shown elements (and the marks, when asked for). It only reads the
// document, whose rebuild has set the names, so one picture may be drawn on
// several threads at once (the bands of a drag frame).
void DokumentZeichnen(const TDokument& d, TZeichenflaeche& f, const TZeichenOptionen& o);

// The textbook view ("Heftansicht") on or off for one document's view: its
// window, its initial position and its picture follow. The document's
// content, its file and its modified flag stay as they are.
void HeftansichtSetzen(TDokument& d, bool an);
bool Heftansicht(const TDokument& d);

} // namespace kalvorin
