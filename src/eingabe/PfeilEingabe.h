#pragma once
// The arrow dialog without its widgets: the two ways (foot and tip, foot
// and vector) with their completeness and radio-button locks, the checks
// of both ways, and the write-back with the points and vectors an arrow
// brings along, among them the own vector of an arrow given by two points.

#include "eingabe/ElementEingabe.h"

#include <string>
#include <vector>

namespace kalvorin {

// The two ways, numbered as the arrow's definition modes.
enum TPfeilWeg : int { WegFussSpitze = 0, WegFussVektor = 1 };

struct TPfeilEingabe : TElementEingabe {
    // The selected radio button and the definition mode.
    int Weg = WegFussSpitze;
    int Festlegung = WegFussSpitze;
    // Every field of the way last changed is filled (in properties mode
    // always): OK checks the input instead of calling it incomplete.
    bool Vollstaendig = false;
    // Which radio buttons are enabled.
    bool PunktPunktAktiv = true;
    bool PunktVektorAktiv = true;
    // The groups of the way can be used (not for a derived arrow), and
    // their name combos.
    bool GruppenAktiv = true;
    bool NamenWaehlbar = true;

    TTeilEingabe PPFuss, PPSpitze; // "Punkt-Punkt": "Fußpunkt", "Spitze"
    TTeilEingabe PVFuss, PVVektor; // "Punkt-Vektor": "Fußpunkt", "Richtungsvektor"
    // What the name combos offer.
    std::vector<std::string> Punkte, Vektoren;

    // A field of the way changed: the completeness bookkeeping.
    void WegGeaendert(int weg);
};

// "PfeilDialogNeu": the next free arrow name, "Punkt-Punkt", everything
// empty and enabled.
TPfeilEingabe PfeilEingabeNeu(const TListe& liste);
// "PfeilDialogAusElement": the arrow at the position in its own way, its
// parts shown read-only.
TPfeilEingabe PfeilEingabeAusElement(const TListe& liste, int position);
// After "Übernehmen": a fresh new-arrow input on the same way; the look stays.
void PfeilFuerNaechsten(TPfeilEingabe& e, const TListe& liste);

// The checks of the definition mode (the arrow's own name first): the
// message of the last failing one, or empty. A failed read wins over the
// equality and zero tests that would use its values.
std::string PfeilChecks(const TListe& liste, const TPfeilEingabe& e);
// The OK handler: the checks for complete input; otherwise a silent close
// when every field of the selected way is empty, else incomplete input.
TEingabePruefung PfeilPruefen(const TListe& liste, const TPfeilEingabe& e);

// What an accepted input adds behind the arrow, in this order: a point for
// a new foot name, a point for a new tip name and always the own vector
// ("Punkt-Punkt"); a point for a new foot name and a vector for a new
// vector name ("Punkt-Vektor"). In properties mode only what is missing.
std::vector<TElementart> PfeilNeueTeile(const TListe& liste, const TPfeilEingabe& e);

// "PfeilAusDialog": writes the input into the arrow at the position; false
// (nothing changed) when the list has no room for the parts it adds.
bool PfeilAusDialog(TListe& liste, int position, const TPfeilEingabe& e);
// Appends the arrow and its parts, then writes it; its slot, or 0 (nothing
// added) when the list has no room for all of them.
int PfeilNeuAnlegen(TListe& liste, const TPfeilEingabe& e);
// The accepted input into the document: a new arrow, or the arrow shown.
int PfeilUebernehmen(TDokument& dokument, const TPfeilEingabe& e);

} // namespace kalvorin
