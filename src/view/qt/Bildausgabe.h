#pragma once
// Pictures on a QPainter: the white page, then whatever `malen` draws onto
// the canvas of the logical window; and the same into picture files and the
// clipboard. The screen, the printer and the files go through here with the
// one drawing of a document.

#include "view/Ausgabemasse.h"
#include "view/Zeichenflaeche.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>
#include <span>

class QMimeData;

namespace kalvorin {

using TMalen = std::function<void(TZeichenflaeche&)>;

// White background in the rectangle, then the logical window shown in it
// (equal scale in both directions, centred) and drawn by `malen`.
void Malen(QPainter& painter, const TLogRechteck& fenster, const QRectF& ziel, const TMalen& malen);
// The same into a PDF file whose bytes go through PdfMischungEintragen
// afterwards (the see-through fills as blends).
void MalenMitMischung(QPainter& painter, const TLogRechteck& fenster, const QRectF& ziel,
                      const TMalen& malen);

// One picture to be put out.
struct TGrafikAuftrag {
    TLogRechteck Fenster{500, 500, 1000, 1000};
    TMalen Malen;
    // The size on paper of picture files and of the clipboard's image and
    // drawing, hundredths of a millimetre.
    TAusgabeMass Groesse{7500, 7500};
    // The metafile's own size, hundredths of a millimetre.
    TAusgabeMass Metadateigroesse{7500, 7500};
    // Raster pictures: dots per inch.
    double Aufloesung = 300;
};

// The picture file formats of "Grafik speichern...", the metafile first. A
// new format is one more row.
struct TGrafikformat {
    const char* Endung; // without the dot, lower case
    const char* Filter; // as the save dialog lists it
    // The file's content; empty when the picture cannot be made.
    QByteArray (*Erzeugen)(const TGrafikAuftrag& auftrag);
};

// "Maßstab 1 LE = 1 cm": the job's window trimmed to what is drawn, its size
// on paper one centimetre to the unit, and its fonts such that tick numbers
// have the size in points. welt and heft: the view's world rectangle and
// whether it shows the textbook view; cmProLE: the centimetres of one unit
// (MassstabHalbCm for a figure too large for A4).
void MassstabAnwenden(TGrafikAuftrag& a, const TWeltRechteck& welt, bool heft, int schriftPunkt,
                      double cmProLE = 1);

std::span<const TGrafikformat> Grafikformate();
// The row of an extension (any case, without the dot) or of a dialog
// filter; null when there is none.
const TGrafikformat* GrafikformatMitEndung(const QString& endung);
const TGrafikformat* GrafikformatMitFilter(const QString& filter);
// Every row's filter, for the save dialog.
QString GrafikFilter();

QByteArray MetadateiDaten(const TGrafikAuftrag& a);
// The enhanced metafile, see-through fills as alpha blends.
QByteArray EmfDaten(const TGrafikAuftrag& a);
QByteArray SvgDaten(const TGrafikAuftrag& a);
QByteArray PdfDaten(const TGrafikAuftrag& a);
QByteArray PngDaten(const TGrafikAuftrag& a);
// A LaTeX file with the picture as TikZ, at the output size.
QByteArray TikzDaten(const TGrafikAuftrag& a);
// The picture at the output size and resolution, on white.
QImage Rasterbild(const TGrafikAuftrag& a);

// Writes the picture through the atomic replace: an existing file stays as
// it was unless the new one is complete. Empty, or the German message.
QString GrafikSchreiben(const QString& datei, const TGrafikformat& format, const TGrafikAuftrag& a);
// The same for a file name given as the file system's bytes (the command
// line's, which need not be UTF-8 and would not survive a QString).
std::string GrafikSchreiben(const std::string& datei, const TGrafikformat& format,
                            const TGrafikAuftrag& a);

// The clipboard's content: the picture as an image, as SVG and as the
// metafiles ("image/x-wmf", "image/x-emf").
QMimeData* GrafikMimeDaten(const TGrafikAuftrag& a);
inline constexpr const char* WmfMimeTyp = "image/x-wmf";
inline constexpr const char* EmfMimeTyp = "image/x-emf";
inline constexpr const char* SvgMimeTyp = "image/svg+xml";

// The picture n x n pixels at 96 dots per inch (by the file's extension).
// False with a German message in fehler when the file cannot be written.
bool AlsBildSpeichern(const QString& datei, int n, const TLogRechteck& fenster, const TMalen& malen,
                      QString& fehler);
// The same for a file name given as the file system's bytes.
bool AlsBildSpeichern(const std::string& datei, int n, const TLogRechteck& fenster,
                      const TMalen& malen, std::string& fehler);

} // namespace kalvorin
