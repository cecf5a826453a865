#pragma once
// The one drawing of a document. The screen, the picture files and every
// other output draw through here onto their own canvas, so they all show the
// same scene the same way; only the options differ.

#include "view/Zeichenflaeche.h"

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
};

// What lies under the scene: the grey window and the frame of the page, the
// logical window of the view.
void SeiteZeichnen(TZeichenflaeche& f, const TLogRechteck& seite, const TZeichenOptionen& o);

// The page, the sphere outline when asked for, then the scene with the names
// of the shown elements (and the marks, when asked for). It only reads the
// document, whose rebuild has set the names, so one picture may be drawn on
// several threads at once (the bands of a drag frame).
void DokumentZeichnen(const TDokument& d, TZeichenflaeche& f, const TZeichenOptionen& o);

} // namespace kalvorin
