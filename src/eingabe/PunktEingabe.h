#pragma once
// The point dialog without its widgets: what it shows for a new and for an
// existing point, the validation with its error codes and messages, the
// display-range question, and the write-back into a point.

#include "eingabe/ElementEingabe.h"
#include "math/Koordinatensystem.h"
#include "view/GSzene.h"

#include <string>
#include <vector>

namespace kalvorin {

// What the point dialog shows and collects.
struct TPunktEingabe : TElementEingabe {
    // Radio group "Darstellungsart": "Koordinaten" (true) or "Anfangspunkt
    // und Vektor"; whether the group can be used.
    bool Koordinaten = true;
    bool ArtWaehlbar = true;
    // The definition mode the dialog has settled on: "Koord" or "PV".
    int Festlegung = TfrPunkt::Koord;
    TFeldTexte Edits;
    bool NurLesen = false;
    // The two lists' entries (the widgets sort them) and whether an empty
    // entry stands first.
    std::vector<std::string> Anfangspunkte;
    std::vector<std::string> Vektoren;
    bool LeererEintrag = true;
    // The user wants the axes stretched so that the new point is shown
    // (the display-range question answered "Ja"); done with the apply.
    bool BereichAnpassen = false;
    TTripel BereichPunkt;
    // Selected names of the two lists; empty: no selection (the empty entry
    // counts as none).
    std::string Anfangspunkt;
    std::string Vektor;
    // What the edits showed when the dialog was filled, and the held coordinates.
    TFeldTexte Angezeigt;
    TTripel Gehalten;
    // The visibility decision: false when the user declined to adapt the
    // axes to a new point outside the display range.
    bool Sichtbar = true;
};

// "PunktDialogNeu": the next free point name, coordinates empty, the lists
// with an empty entry, the look from the settings.
TPunktEingabe PunktEingabeNeu(const TListe& liste);
// "PunktDialogAusElement": the point at the position.
TPunktEingabe PunktEingabeAusElement(const TListe& liste, int position);
// The radio group clicked. Back on "Koordinaten" with both lists chosen,
// the sum is shown read-only and the point stays given by start point and
// vector; otherwise the coordinates become editable.
void PunktDarstellungsartGewaehlt(TPunktEingabe& e, const TListe& liste, bool koordinaten);
// After "Übernehmen": ready for the next point; the lists keep their entries.
void PunktFuerNaechsten(TPunktEingabe& e, const TListe& liste);

enum TPunktFehler {
    PunktOk = 0,
    PunktNameLeer = 1,
    PunktNameVergeben = 2,
    PunktKoordinaten = 3,
    PunktAnfangspunktFehlt = 4,
    PunktVektorFehlt = 5,
    PunktListeVoll = 6,
    PunktNameNichtSpeicherbar = 7,
};

struct TPunktPruefung : TEingabePruefung {
    int Fehler = PunktOk;
    // The name without blanks; the dialog writes it back into its edit.
    std::string Name;
    // The new point's position (valid when Fehler is 0).
    TTripel Punkt;
};

// The validation "Auswerten" without its dialog. Later errors win: a
// coordinate or list error hides a name error.
TPunktPruefung PunktPruefen(const TListe& liste, const TPunktEingabe& e);
// The validation on the document: for an accepted new point outside the
// display range it asks whether the axes should follow; Yes has the apply
// adapt them in the same step (e.BereichAnpassen), No leaves the point
// invisible (e.Sichtbar).
TPunktPruefung PunktAnnehmen(TDokument& dokument, TPunktEingabe& e);

// The sum of the named start point and vector; false when either is missing.
bool PunktAusAnfangUndVektor(const TListe& liste, const std::string& anfangspunkt,
                             const std::string& vektor, TTripel& summe);

// The test of the scene's add-point operation: farther than sqrt(3) H from
// the centre of the display cube.
bool AusserhalbDesDarstellungsbereichs(const tGSzene& szene, TTripel p);
// Scales every axis limit by min(|p|, 256) / H and recomputes the derived
// data; the document then sets up its view again.
void KoordinatensystemAnpassen(TKoordinatensystem& ks, TTripel p);

// "PunktAusDialog": writes the dialog into the point at the position.
void PunktAusDialog(TListe& liste, int position, const TPunktEingabe& e);
// Appends a point and writes the dialog into it. Returns its slot, or 0
// (nothing added) when the list is full.
int PunktNeuAnlegen(TListe& liste, const TPunktEingabe& e);

// The accepted input into the document: a new point, or the point shown,
// and the axes adapted when asked for, in one transaction. The point's
// slot, or 0 when the list was full (the user has been told).
int PunktUebernehmen(TDokument& dokument, const TPunktEingabe& e);

} // namespace kalvorin
