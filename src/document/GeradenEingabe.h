#pragma once
// The line dialog without its widgets: the completeness bookkeeping with its
// mode locks, the checks in their order, the parameter form shown for the
// other two ways, and the write-back with the points and vectors a line
// brings along.

#include "document/ElementEingabe.h"

#include <string>
#include <vector>

namespace kalvorin {

// The three ways, numbered as the line's definition modes.
enum TGeradenWeg : int { WegParameterform = 0, WegPunktPunkt = 1, WegPunktVektor = 2 };

// Completeness and which radio buttons are enabled. Every field change
// tells it whether all fields of that field's way are filled.
struct TGeradenZustand {
    bool Neu = true;
    bool Vollstaendig = false;
    int Festlegung = WegParameterform;
    bool ParameterformAktiv = true;
    bool PunktPunktAktiv = true;
    bool PunktVektorAktiv = true;

    void ParameterformGeaendert(bool alleGefuellt);
    void PunktPunktGeaendert(bool alleGefuellt);
    void PunktVektorGeaendert(bool alleGefuellt);
};

struct TGeradenEingabe {
    bool Neu = true;
    // The line shown in properties mode.
    const TDreiDBasisElement* Selbst = nullptr;
    std::string Name;
    std::string AlterName;
    // The selected radio button and the definition mode (they differ while
    // the parameter form shows another way).
    int Weg = WegParameterform;
    int Festlegung = WegParameterform;
    bool Vollstaendig = false;
    // A derived line only shows its parameter form; nothing in it is input.
    bool Abgeleitet = false;

    TFeldTexte ParPunkt, ParRichtung;
    std::string P1Name, P2Name; // " 1. Punkt ", " 2. Punkt "
    TFeldTexte P1, P2;
    std::string AName, VName; // " Anfangspunkt ", " Richtungsvektor "
    TFeldTexte A, V;

    // What the parameter form showed for a "GPAR" line, and its held values.
    TFeldTexte ParPunktAngezeigt, ParRichtungAngezeigt;
    TTripel GehaltenerPunkt, GehalteneRichtung;

    // Page "Eigenschaften".
    bool MitRand = true;
    bool Duenn = true;
    TFarbe Farbe = 0;
    bool Hilfslinien = true;
};

enum class TGeradenErgebnis { Gueltig, StillSchliessen, Unvollstaendig, Abgelehnt };

struct TGeradenPruefung {
    TGeradenErgebnis Ergebnis = TGeradenErgebnis::Gueltig;
    std::string Meldung;
};

inline constexpr const char* UnvollstaendigText = "Eingabefenster nicht vollständig ausgefüllt!";

// A name combo's text as a name: blanks removed, at most 12 characters.
std::string TeilName(const std::string& text);

// The table of checks for one way (the line's own name first); the message
// of the last failing check, or empty. A coordinate read that fails wins
// over the equality and zero tests that would use its values.
std::string GeradenChecks(const TListe& liste, const TGeradenEingabe& e, int weg);

// The validation "Auswerten": silent close, incomplete input, the checks.
TGeradenPruefung GeradePruefen(const TListe& liste, const TGeradenEingabe& e);

// The existing element a name combo names, when its kind fits (a point for
// the point combos, a vector for the vector combo); null otherwise.
const TDreiDBasisElement* BenannterPunkt(const TListe& liste, const std::string& text);
const TDreiDBasisElement* BenannterVektor(const TListe& liste, const std::string& text);

// Points (vectors) the combos offer: not the line's own parts' dependants,
// so that no line can end up defined by itself.
std::vector<std::string> PunktNamenFuerGerade(const TListe& liste, const TDreiDBasisElement* selbst);
std::vector<std::string> VektorNamenFuerGerade(const TListe& liste, const TDreiDBasisElement* selbst);

// The direction the parameter form shows for the two other ways: P2 - P1 or
// the vector, read from their edits; in simplified form.
TTripel ParameterformRichtung(const TGeradenEingabe& e, int weg);

// How many points and vectors the dialog's names would add to the document.
int NeueTeile(const TListe& liste, const TGeradenEingabe& e);

// "GeradeAusDialog": writes the dialog into the line at the position. In a
// new-element dialog the points and vectors with new names take the
// elements the caller appended behind the line, in properties mode they are
// appended now. The caller rebuilds the document afterwards.
void GeradeAusDialog(TListe& liste, int position, const TGeradenEingabe& e);

// The main window's part for a new line: appends the line and the elements
// for its new names, then writes the dialog back. Returns the line's slot,
// or 0 (nothing added) when the list has no room for all of them.
int GeradeNeuAnlegen(TListe& liste, const TGeradenEingabe& e);

} // namespace kalvorin
