#pragma once
// The options of the graphic output: one set for the whole program, shared
// by every view, and what each view keeps of its own (the unit lengths, the
// frame, the print rectangle).

#include "view/Ausgabemasse.h"

class QObject;

namespace kalvorin {

TAusgabeoptionen& Ausgabeoptionen();

// The view's own output options, made with the defaults on first use; they
// go when the view goes.
TFensterAusgabe& FensterAusgabe(QObject* ansicht);

} // namespace kalvorin
