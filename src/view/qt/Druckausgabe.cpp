#include "view/qt/Druckausgabe.h"

#include "view/Metadatei.h"
#include "view/qt/QtZeichenflaeche.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace kalvorin {

namespace {

std::int32_t Hundertstel(double millimeter) {
    return static_cast<std::int32_t>(std::lround(millimeter * 100));
}

// The page: white under the print rectangle, which also clips the drawing.
void Seite(QPainter& p, const QRectF& flaeche, const TLogRechteck& fenster, const TMalen& malen,
           bool mischung = false) {
    p.setClipRect(flaeche);
    if (mischung)
        MalenMitMischung(p, fenster, flaeche, malen);
    else
        Malen(p, fenster, flaeche, malen);
}

} // namespace

QRectF Druckflaeche(const QPaintDevice& geraet, const QPageLayout& seite,
                    const TAusgabeRechteck& druck, const TLogRechteck& fenster) {
    const QRectF papier = seite.paintRect(QPageLayout::Millimeter);
    const TAusgabeRechteck r =
        Druckrechteck(druck, {Hundertstel(papier.width()), Hundertstel(papier.height())}, fenster);
    // The device's own resolution, not a whole number of hundredths of a
    // millimetre per pixel: at 1200 dots per inch that would print 10 cm as
    // 10,6 cm.
    const double dx = geraet.logicalDpiX(), dy = geraet.logicalDpiY();
    return QRectF(QPointF(InPixel(r.links, dx), InPixel(r.oben, dy)),
                  QPointF(InPixel(r.rechts, dx), InPixel(r.unten, dy)));
}

QString Drucken(QPrinter& drucker, const TAusgabeRechteck& druck, const TLogRechteck& fenster,
                const TMalen& malen) {
    const QString datei = drucker.outputFileName();
    if (drucker.outputFormat() == QPrinter::PdfFormat && !datei.isEmpty()) {
        // The same page into memory first, then into the file in one step.
        QByteArray daten;
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&puffer);
            pdf.setCreator(QStringLiteral("Kalvorin"));
            pdf.setResolution(drucker.resolution());
            pdf.setPageLayout(drucker.pageLayout());
            pdf.setTitle(drucker.docName());
            QPainter p;
            if (!p.begin(&pdf))
                return QStringLiteral("Die Druckausgabe kann nicht erzeugt werden.");
            Seite(p, Druckflaeche(pdf, pdf.pageLayout(), druck, fenster), fenster, malen, true);
            p.end();
        }
        PdfMischungEintragen(daten);
        return QString::fromStdString(
            GrafikDateiSchreiben(QFile::encodeName(datei).toStdString(),
                                 std::string_view(daten.constData(), std::size_t(daten.size()))));
    }
    QPainter p;
    if (!p.begin(&drucker))
        return QStringLiteral("Der Drucker %1 kann nicht angesprochen werden.")
            .arg(drucker.printerName());
    Seite(p, Druckflaeche(drucker, drucker.pageLayout(), druck, fenster), fenster, malen);
    if (!p.end()) return QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden.");
    return {};
}

} // namespace kalvorin
