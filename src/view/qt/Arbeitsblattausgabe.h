#pragma once
// A worksheet as a PDF file of A4 pages: page 1 the task with its figure and
// squared room to work, page 2 the solution with its figure (further pages
// when a long solution needs them). The figures go through the one drawing
// of a document onto the canvas of a QPainter, as every other picture.

#include "view/ArbeitsblattTex.h"
#include "view/Ausgabemasse.h"
#include "view/qt/Bildausgabe.h"

#include <QByteArray>

namespace kalvorin {

// The PDF; empty when it cannot be made. The sizes are the largest of each
// figure (thousandths of a centimetre); each keeps the window's shape.
QByteArray ArbeitsblattPdf(const TArbeitsblattInhalt& blatt, const TLogRechteck& fenster,
                           TAusgabeMass aufgabeGroesse, TAusgabeMass loesungGroesse,
                           const TMalen& aufgabe, const TMalen& loesung);

} // namespace kalvorin
