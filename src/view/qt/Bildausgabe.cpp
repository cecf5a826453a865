#include "view/qt/Bildausgabe.h"

#include "model/Dokument.h"
#include "view/qt/QtZeichenflaeche.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace kalvorin {

void DokumentMalen(QPainter& painter, TDokument& dokument, const QRectF& ziel) {
    painter.fillRect(ziel, Qt::white);
    dokument.NamenSetzen();
    TQtZeichenflaeche flaeche(painter, dokument.Abbildung().LogischesFenster(), ziel);
    dokument.Szene().Zeichnen(flaeche);
}

bool DokumentAlsBildSpeichern(TDokument& dokument, const QString& datei, int n, QString& fehler) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    const QRectF ziel(0, 0, n, n);
    const QString nichtSchreibbar =
        QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei);
    if (endung == QLatin1String("png")) {
        QImage bild(n, n, QImage::Format_RGB32);
        QPainter p(&bild);
        DokumentMalen(p, dokument, ziel);
        p.end();
        if (!bild.save(datei, "PNG")) {
            fehler = nichtSchreibbar;
            return false;
        }
        return true;
    }
    if (endung == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(datei);
        svg.setSize(QSize(n, n));
        svg.setViewBox(ziel);
        svg.setTitle(QStringLiteral("Kalvorin"));
        QPainter p;
        if (!p.begin(&svg)) {
            fehler = nichtSchreibbar;
            return false;
        }
        DokumentMalen(p, dokument, ziel);
        return p.end();
    }
    if (endung == QLatin1String("pdf")) {
        QPdfWriter pdf(datei);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(n, n), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p;
        if (!p.begin(&pdf)) {
            fehler = nichtSchreibbar;
            return false;
        }
        const QRect seite = pdf.pageLayout().paintRectPixels(pdf.resolution());
        const double kante = std::min(seite.width(), seite.height());
        DokumentMalen(p, dokument, QRectF(0, 0, kante, kante));
        return p.end();
    }
    fehler = QStringLiteral("Unbekanntes Bildformat: %1 (erlaubt sind .png, .svg und .pdf)").arg(datei);
    return false;
}

} // namespace kalvorin
