#include "view/qt/Bildausgabe.h"

#include "view/qt/QtZeichenflaeche.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace kalvorin {

void Malen(QPainter& painter, const TLogRechteck& fenster, const QRectF& ziel, const TMalen& malen) {
    painter.save();
    painter.fillRect(ziel, Qt::white);
    {
        TQtZeichenflaeche flaeche(painter, fenster, ziel);
        malen(flaeche);
    }
    painter.restore();
}

bool AlsBildSpeichern(const QString& datei, int n, const TLogRechteck& fenster, const TMalen& malen,
                      QString& fehler) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    const QRectF ziel(0, 0, n, n);
    const QString nichtSchreibbar =
        QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei);
    if (endung == QLatin1String("png")) {
        QImage bild(n, n, QImage::Format_RGB32);
        QPainter p(&bild);
        Malen(p, fenster, ziel, malen);
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
        Malen(p, fenster, ziel, malen);
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
        Malen(p, fenster, QRectF(0, 0, kante, kante), malen);
        return p.end();
    }
    fehler = QStringLiteral("Unbekanntes Bildformat: %1 (erlaubt sind .png, .svg und .pdf)").arg(datei);
    return false;
}

} // namespace kalvorin
