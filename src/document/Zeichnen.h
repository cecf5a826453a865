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
// of the shown elements (and the marks, when asked for).
void DokumentZeichnen(TDokument& d, TZeichenflaeche& f, const TZeichenOptionen& o);

// The same in two steps, for drawing one picture on several threads at once
// (the bands of a drag frame): the preparation once, which sets the names
// of the shown elements in the scene, then the drawing, which only reads
// the document, on each thread's canvas.
void DokumentZeichnenVorbereiten(TDokument& d);

// The textbook view ("Heftansicht") on or off for one document's view: its
// window, its initial position and its picture follow. The document's
// content, its file and its modified flag stay as they are.
void HeftansichtSetzen(TDokument& d, bool an);
bool Heftansicht(const TDokument& d);
void VorbereitetesDokumentZeichnen(const TDokument& d, TZeichenflaeche& f,
                                   const TZeichenOptionen& o);

} // namespace kalvorin
