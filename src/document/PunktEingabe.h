#pragma once
// The point dialog without its widgets: the validation with its error codes
// and messages, the write-back into a point, the display-range test and the
// adaptation of the axes to a point outside it.

#include "math/Koordinatensystem.h"
#include "document/ElementEingabe.h"
#include "view/GSzene.h"

#include <string>
#include <vector>

namespace kalvorin {

// What the point dialog holds when it is validated or written back.
struct TPunktEingabe {
    // Prepared for a new point; false in properties mode.
    bool Neu = true;
    // The point being shown in properties mode.
    const TDreiDBasisElement* Selbst = nullptr;
    std::string Name;      // as typed
    std::string AlterName; // empty for a new point
    // Radio group "Darstellungsart": "Koordinaten" (true) or "Anfangspunkt und Vektor".
    bool Koordinaten = true;
    TFeldTexte Edits;
    // Selected names of the two lists; empty: no selection (the empty entry
    // counts as none).
    std::string Anfangspunkt;
    std::string Vektor;
    // A derived point only shows its coordinates; they are not input.
    bool Abgeleitet = false;
    // What the edits showed when the dialog was filled, and the held coordinates.
    TFeldTexte Angezeigt;
    TTripel Gehalten;

    // Page "Eigenschaften" and the visibility decision.
    int Punktform = 0;
    bool Duenn = true;
    TFarbe Farbe = 0;
    bool Hilfslinien = true;
    bool Sichtbar = true;
};

enum TPunktFehler {
    PunktOk = 0,
    PunktNameLeer = 1,
    PunktNameVergeben = 2,
    PunktKoordinaten = 3,
    PunktAnfangspunktFehlt = 4,
    PunktVektorFehlt = 5,
    PunktListeVoll = 6,
};

struct TPunktPruefung {
    int Fehler = PunktOk;
    // The name without blanks; the dialog writes it back into its edit.
    std::string Name;
    // The new point's position (valid when Fehler is 0).
    TTripel Punkt;
    // All input empty: the dialog closes without a word and creates nothing.
    bool StillSchliessen = false;
    // The warning to show; empty for Fehler 0 and for the silent close.
    std::string Meldung;
};

// The validation "Auswerten" without its dialog. Later errors win: a
// coordinate or list error hides a name error.
TPunktPruefung PunktPruefen(const TListe& liste, const TPunktEingabe& e);

// The names the lists offer, in list order (the widgets sort them):
// points other than the point itself and not built on it, and vectors not
// built on it, so that no point can end up defined by itself.
std::vector<std::string> AnfangspunktNamen(const TListe& liste, const TDreiDBasisElement* selbst);
std::vector<std::string> VektorNamen(const TListe& liste, const TDreiDBasisElement* selbst);

// The sum of the named start point and vector; false when either is missing.
bool PunktAusAnfangUndVektor(const TListe& liste, const std::string& anfangspunkt,
                             const std::string& vektor, TTripel& summe);

// The test of the scene's add-point operation: farther than sqrt(3) H from
// the centre of the display cube.
bool AusserhalbDesDarstellungsbereichs(const tGSzene& szene, TTripel p);
// Scales every axis limit by min(|p|, 256) / H and recomputes the derived
// data; the document then sets up its view again.
void KoordinatensystemAnpassen(TKoordinatensystem& ks, TTripel p);

// "PunktAusDialog": writes the dialog into the point at the position. The
// caller rebuilds the document afterwards.
void PunktAusDialog(TListe& liste, int position, const TPunktEingabe& e);

// The main window's part for a new point: appends a point and writes the
// dialog into it. Returns its slot, or 0 when the list is full.
int PunktNeuAnlegen(TListe& liste, const TPunktEingabe& e);

} // namespace kalvorin
