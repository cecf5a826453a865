#pragma once
// Pictures on a QPainter: the white page, then whatever `malen` draws onto
// the canvas of the logical window; and the same into picture files. The
// screen and the files go through here with the one drawing of a document.

#include "view/Zeichenflaeche.h"

#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>

namespace kalvorin {

using TMalen = std::function<void(TZeichenflaeche&)>;

// White background in the rectangle, then the logical window shown in it
// (equal scale in both directions, centred) and drawn by `malen`.
void Malen(QPainter& painter, const TLogRechteck& fenster, const QRectF& ziel, const TMalen& malen);

// Writes the picture as PNG, SVG or PDF (by the file's extension), n x n
// pixels. False with a German message in fehler when the file cannot be
// written.
bool AlsBildSpeichern(const QString& datei, int n, const TLogRechteck& fenster, const TMalen& malen,
                      QString& fehler);

} // namespace kalvorin
