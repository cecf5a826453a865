#pragma once
// The vector dialog without its widgets: a free vector by its three
// components, or an existing vector shown with how it is defined; the
// validation with its three errors and the write-back.

#include "eingabe/ElementEingabe.h"

#include <string>

namespace kalvorin {

struct TVektorEingabe : TElementEingabe {
    TFeldTexte Komponenten;
    // The components only show the vector (defined by other elements, or
    // derived); the name may still change.
    bool NurLesen = false;
    // What the edits showed when the dialog was filled, and the held components.
    TFeldTexte Angezeigt;
    TTripel Gehalten;
};

// "VektorDialogNeu": the next free vector name, the components editable and empty.
TVektorEingabe VektorEingabeNeu(const TListe& liste);
// "VektorDialogAusElement": the vector at the position; a vector not given
// by its components shows them read-only with how it is defined.
TVektorEingabe VektorEingabeAusElement(const TListe& liste, int position);
// After "Übernehmen": the next free vector name, the components empty.
void VektorFuerNaechsten(TVektorEingabe& e, const TListe& liste);

// The name label in front of the components: the first 6 characters of
// the name and " =" (the dialog draws the arrow over the name).
std::string VektorNamenText(const std::string& name);
// "Der Vektor wird durch die Punkte A und B festgelegt." and the like for
// the modes "V2P", "VG", "VE", "VPf"; empty for "V".
std::string VektorFestlegungText(const TDreiDBasisElement& vektor);

enum TVektorFehler {
    VektorOk = 0,
    VektorNameLeer = 1,
    VektorNameVergeben = 2,
    VektorKomponenten = 3,
    VektorNameNichtSpeicherbar = 4,
    VektorListeVoll = 5,
};

struct TVektorPruefung : TEingabePruefung {
    int Fehler = VektorOk;
    // The name without blanks; the dialog writes it back into its edit.
    std::string Name;
};

// The validation: errors 1 and 2 of the name, error 3 (overriding) when a
// component does not read; with all three components empty a silent close.
TVektorPruefung VektorPruefen(const TListe& liste, const TVektorEingabe& e);

// "VektorAusDialog": the name always; a vector given by its components
// also gets them, mode "V" and the visible flag false.
void VektorAusDialog(TListe& liste, int position, const TVektorEingabe& e);
// Appends a vector and writes it; its slot, or 0 when the list is full.
int VektorNeuAnlegen(TListe& liste, const TVektorEingabe& e);
// The accepted input into the document: a new vector, or the vector shown.
int VektorUebernehmen(TDokument& dokument, const TVektorEingabe& e);

} // namespace kalvorin
