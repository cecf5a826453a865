#pragma once
// What the command files share: the marked elements by kind, and adding
// elements without ever overrunning the list.

#include "document/Dokument.h"
#include "model/Meldungen.h"

#include <vector>

namespace kalvorin::befehle {

// The marked elements of the kind, in list order. For vectors a marked
// arrow stands for its vector, unless that vector is itself marked (then
// the vector is taken once, in its own place).
std::vector<TDreiDBasisElement*> Markierte(const TListe& liste, TElementart art);

// True when the list can take n more elements; otherwise the user is told
// and nothing may be added.
bool Platz(const TListe& liste, int n);

// A new element of the kind with the automatic name and, for a plane, the
// settings' transparency of new planes; null (after telling the user) on a
// full list.
TDreiDBasisElement* NeuMitName(TListe& liste, TElementart art);

// Takes back an element the command has just added; the running counter
// keeps its value.
void Zuruecknehmen(TListe& liste, TDreiDBasisElement* e);

} // namespace kalvorin::befehle
