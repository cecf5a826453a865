#pragma once
// What the worksheet asks: the teacher's choice of questions. A question is
// a derived element (how it came about, "g1 ist das Lot von D auf E"), a
// measurement of given elements in the wording of a task ("Berechnen Sie
// den Abstand des Punktes D von der Ebene E."), or a free line of task
// text. A document without a choice of its own asks for every derived
// element, as the worksheet always did.

#include "befehle/Angebote.h"
#include "document/Fragenwahl.h"
#include "model/Liste.h"
#include "storage/Dokumentdatei.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin {

namespace exakt {
// exakt/Loesungsweg.h; declared here so that the document's users need
// not see the exact arithmetic.
enum class TLoesungsart;
} // namespace exakt

// How a measurement question is answered: the measurement whose values it
// shows (none for the position of two lines) and the kind of its worked
// solution. Nothing for an element or a free line.
struct TFragenrechnung {
    std::optional<TBefehl> Messung;
    exakt::TLoesungsart Loesung;
};
std::optional<TFragenrechnung> Rechnung(TFragenart art);

// Every derived element, in list order: the questions of a document without
// a choice of its own.
TArbeitsblattfragen StandardFragen(const TListe& liste);

// The measurements of the marked elements, as questions: each measurement
// the marks are offered (angle, length or distance, area, volume) and, for
// two lines, their position. Empty when the marks give none.
TArbeitsblattfragen Messfragen(const TListe& liste);

// The question in the words of the task; empty when it does not fit the
// list (an element that is gone, marks that give no such measurement).
std::string Aufgabentext(const TListe& liste, const TArbeitsblattfrage& frage);

// The questions that fit the list, in their order.
TArbeitsblattfragen PassendeFragen(const TListe& liste, const TArbeitsblattfragen& fragen);

// The list's copy with exactly the question's elements marked: what the
// measurement and its worked solution are computed on.
void FuerFrageMarkieren(const TListe& liste, const TArbeitsblattfrage& frage, TListe& kopie);

// Empty when the free lines can be stored, else the German message.
std::string FreieZeilenPruefen(const std::string& zeilen);
// The free lines of a multi-line text: one question per line that is not
// empty, trimmed.
TArbeitsblattfragen FreieZeilen(const std::string& zeilen);

} // namespace kalvorin
