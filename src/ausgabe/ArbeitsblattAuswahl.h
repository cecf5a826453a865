#pragma once
// The worksheet dialog's choice of questions, Qt-free: the list of the
// questions it offers, each chosen or not, and the free lines of the task;
// its "OK" stores the choice in the document as one undoable change.

#include "ausgabe/Arbeitsblattfragen.h"

#include <string>
#include <vector>

namespace kalvorin {

class TDokument;

struct TFragenzeile {
    TArbeitsblattfrage Frage;
    std::string Text; // the question in the words of the task
    bool Gewaehlt = true;
};

struct TArbeitsblattAuswahl {
    std::vector<TFragenzeile> Zeilen;
    std::string FreieZeilen; // one line of task text a line
};

// The dialog's start: the document's chosen questions in their order, then
// every derived element it does not ask for, not chosen. Without a choice
// of its own: every derived element, chosen.
TArbeitsblattAuswahl AuswahlVon(const TDokument& d);

// Adds the measurements of the marked elements that the list does not hold
// yet, chosen; returns how many.
int MessungenHinzufuegen(TArbeitsblattAuswahl& a, const TListe& liste);

// The chosen questions, then the free lines.
TArbeitsblattfragen AuswahlFragen(const TArbeitsblattAuswahl& a);

// Empty when the choice can be stored, else the German message.
std::string AuswahlPruefen(const TArbeitsblattAuswahl& a);

// Stores the choice in one transaction ("Arbeitsblatt festlegen"). A
// document without a choice of its own keeps none while the choice is what
// it asks anyway (every derived element, nothing more), so that it stays
// unmodified. True when the document changed.
bool AuswahlUebernehmen(TDokument& d, const TArbeitsblattAuswahl& a);

} // namespace kalvorin
