#pragma once
// The line dialog without its widgets: what it shows for a new and for an
// existing line, the completeness bookkeeping with its mode locks, the
// checks in their order, the parameter form shown for the other two ways,
// and the write-back with the points and vectors a line brings along.

#include "eingabe/ElementEingabe.h"

#include <string>
#include <vector>

namespace kalvorin {

// The three ways, numbered as the line's definition modes.
enum TGeradenWeg : int { WegParameterform = 0, WegPunktPunkt = 1, WegPunktVektor = 2 };

struct TGeradenEingabe : TElementEingabe {
    // The selected radio button and the definition mode (they differ while
    // the parameter form shows another way).
    int Weg = WegParameterform;
    int Festlegung = WegParameterform;
    // Every field of the way last changed is filled; OK then checks the
    // input instead of calling it incomplete.
    bool Vollstaendig = false;
    // Which radio buttons are enabled.
    bool ParameterformAktiv = true;
    bool PunktPunktAktiv = true;
    bool PunktVektorAktiv = true;

    TFeldTexte ParPunkt, ParRichtung;
    // The parameter form only shows the line (derived, or another way viewed).
    bool ParameterformFest = false;
    TTeilEingabe P1, P2; // " 1. Punkt ", " 2. Punkt "
    TTeilEingabe A, V;   // " Anfangspunkt ", " Richtungsvektor "
    // What the name combos offer.
    std::vector<std::string> Punkte, Vektoren;

    // What the parameter form showed for a "GPAR" line, and its held values.
    TFeldTexte ParPunktAngezeigt, ParRichtungAngezeigt;
    TTripel GehaltenerPunkt, GehalteneRichtung;

    // A field of the way changed; alleGefuellt: every field of that way holds text.
    void ParameterformGeaendert(bool alleGefuellt);
    void PunktPunktGeaendert(bool alleGefuellt);
    void PunktVektorGeaendert(bool alleGefuellt);
    // The same, looking at the fields of the way itself.
    void WegGeaendert(int weg);
};

// "GeradeDialogNeu": the next free line name, all ways empty and enabled,
// the combos offering the document's points and vectors.
TGeradenEingabe GeradeEingabeNeu(const TListe& liste);
// "GeradeDialogNeu" followed by "GeradeDialogAusElement": the line at the position.
TGeradenEingabe GeradeEingabeAusElement(const TListe& liste, int position);
// The radio button "Parameterform": with incomplete input an empty
// parameter form; with a complete other way its parameter form, read-only,
// after that way's checks. Returns the refusal (the selection then goes
// back to the way), or empty.
std::string GeradeParameterformGewaehlt(TGeradenEingabe& e, const TListe& liste);
// After "Übernehmen": a fresh new-line input on the same way.
void GeradeFuerNaechste(TGeradenEingabe& e, const TListe& liste);

// The table of checks for one way (the line's own name first); the message
// of the last failing check, or empty. A coordinate read that fails wins
// over the equality and zero tests that would use its values.
std::string GeradenChecks(const TListe& liste, const TGeradenEingabe& e, int weg);

// The validation "Auswerten": silent close, incomplete input, the checks.
TEingabePruefung GeradePruefen(const TListe& liste, const TGeradenEingabe& e);

// The direction the parameter form shows for the two other ways: P2 - P1 or
// the vector, read from their edits; in simplified form.
TTripel ParameterformRichtung(const TGeradenEingabe& e, int weg);

// The points and vectors the dialog's new names add, in the order they are
// appended behind the line.
std::vector<TElementart> GeradeNeueTeile(const TListe& liste, const TGeradenEingabe& e);

// "GeradeAusDialog": writes the dialog into the line at the position. In a
// new-element dialog the points and vectors with new names take the
// elements appended behind the line, in properties mode they are appended
// now; false (nothing changed) when the list has no room for them.
bool GeradeAusDialog(TListe& liste, int position, const TGeradenEingabe& e);

// Appends the line and the elements for its new names, then writes the
// dialog back. Returns the line's slot, or 0 (nothing added) when the list
// has no room for all of them.
int GeradeNeuAnlegen(TListe& liste, const TGeradenEingabe& e);

// The accepted input into the document: a new line, or the line shown.
int GeradeUebernehmen(TDokument& dokument, const TGeradenEingabe& e);

} // namespace kalvorin
