#pragma once
// The picture on a printer: into the print rectangle on the printable area,
// held to the paper and to the picture's aspect ratio. A printer that writes
// a PDF file writes it complete or not at all.

#include "view/Ausgabemasse.h"
#include "view/qt/Bildausgabe.h"

#include <QRectF>
#include <QString>

class QPageLayout;
class QPaintDevice;
class QPrinter;

namespace kalvorin {

// Where the picture goes on a device with the page layout, in its pixels:
// the print rectangle (hundredths of a millimetre from the printable area's
// corner) held to the paper and narrowed to the picture's aspect ratio.
QRectF Druckflaeche(const QPaintDevice& geraet, const QPageLayout& seite,
                    const TAusgabeRechteck& druck, const TLogRechteck& fenster);

// Prints one page; empty, or the German message.
QString Drucken(QPrinter& drucker, const TAusgabeRechteck& druck, const TLogRechteck& fenster,
                const TMalen& malen);

} // namespace kalvorin
