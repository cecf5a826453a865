#pragma once
// A worksheet as a PDF file of A4 pages: the task with its figure and
// squared room to work on the first page (a long task runs on), the solution
// with its figure from a new page on, over as many pages as it needs. The figures go through the
// one drawing of a document onto the canvas of a QPainter, as every other picture.

#include "view/ArbeitsblattTex.h"
#include "view/Ausgabemasse.h"
#include "view/qt/Bildausgabe.h"

#include <QByteArray>

namespace kalvorin {

// The PDF; empty when it cannot be made.
QByteArray ArbeitsblattPdf(const TArbeitsblattInhalt& blatt, const TArbeitsblattBilder& bilder);

} // namespace kalvorin
