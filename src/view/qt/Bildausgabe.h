#pragma once
// A document's view drawn into a painter, and into picture files: the same
// drawing code as on the screen.

#include <QPainter>
#include <QRectF>
#include <QString>

namespace kalvorin {

class TDokument;

// White background, then the scene of the document scaled into the rectangle.
void DokumentMalen(QPainter& painter, TDokument& dokument, const QRectF& ziel);

// Writes the view as PNG, SVG or PDF (by the file's extension), n x n pixels.
// False with a German message in fehler when the file cannot be written.
bool DokumentAlsBildSpeichern(TDokument& dokument, const QString& datei, int n, QString& fehler);

} // namespace kalvorin
