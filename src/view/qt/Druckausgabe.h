#pragma once
// The picture on a printer: into the print rectangle on the printable area,
// held to the paper and to the picture's aspect ratio. A printer that writes
// a PDF file writes it complete or not at all.

#include "view/Ausgabemasse.h"
#include "view/qt/Bildausgabe.h"

#include <QRectF>
#include <QString>

class QPrinter;

namespace kalvorin {

// The printable area of the printer's page, hundredths of a millimetre.
TAusgabeMass Papiergroesse(const QPrinter& drucker);

// Where the picture goes on the printer's device, in its pixels: the print
// rectangle (hundredths of a millimetre from the printable area's corner)
// held to the paper and narrowed to the picture's aspect ratio.
QRectF Druckflaeche(const QPrinter& drucker, const TAusgabeRechteck& druck, const TLogRechteck& fenster);

// Prints one page; empty, or the German message.
QString Drucken(QPrinter& drucker, const TAusgabeRechteck& druck, const TLogRechteck& fenster, const TMalen& malen);

} // namespace kalvorin
