#include "ui/Objektbilder.h"

#include "ui/ElementDialoge.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace kalvorin {

namespace {

// Pictures are laid out on a 16 × 16 grid and scaled to the cell.
constexpr qreal Raster = 16.0;

void Pfeilspitze(QPainter& p, QPointF fuss, QPointF spitze, const QColor& farbe) {
    const QLineF linie(spitze, fuss);
    QLineF flanke1 = linie;
    flanke1.setLength(4.2);
    QLineF flanke2 = flanke1;
    flanke1.setAngle(linie.angle() + 24);
    flanke2.setAngle(linie.angle() - 24);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(QPolygonF({spitze, flanke1.p2(), flanke2.p2()}));
    p.restore();
}

void Pfeil(QPainter& p, QPointF fuss, QPointF spitze, const QColor& farbe) {
    // The shaft stops where the head begins, so the tip stays pointed.
    QLineF schaft(fuss, spitze);
    schaft.setLength(schaft.length() - 3.0);
    p.drawLine(schaft);
    Pfeilspitze(p, fuss, spitze, farbe);
}

void Punktmarke(QPainter& p, QPointF m, qreal r, const QColor& farbe) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(m, r, r);
    p.restore();
}

// The pen of a hidden edge: thinner than the visible ones, dashed.
QPen Verdeckt(const QPen& stift) {
    QPen verdeckt = stift;
    verdeckt.setWidthF(0.9);
    verdeckt.setDashPattern({1.5, 1.5});
    return verdeckt;
}

QColor Flaeche(const QColor& vorne, const QColor& hinten) {
    // A light tint of the drawing colour on the background, so the outline
    // stays the strongest line.
    return QColor((vorne.red() + 2 * hinten.red()) / 3, (vorne.green() + 2 * hinten.green()) / 3,
                  (vorne.blue() + 2 * hinten.blue()) / 3);
}

void Zeichne(QPainter& p, TObjektbild bild, const QColor& vorne, const QColor& hinten) {
    QPen stift(vorne, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    switch (bild) {
    case TObjektbild::Punkt:
        p.drawLine(QPointF(4, 8), QPointF(12, 8));
        p.drawLine(QPointF(8, 4), QPointF(8, 12));
        Punktmarke(p, {8, 8}, 2.6, vorne);
        break;
    case TObjektbild::Vektor:
        // A free vector: the same arrow wherever it stands.
        Pfeil(p, {2, 9}, {10, 3}, vorne);
        Pfeil(p, {6, 14}, {14, 8}, vorne);
        break;
    case TObjektbild::Pfeil:
        Punktmarke(p, {3, 13}, 1.9, vorne);
        Pfeil(p, {3, 13}, {14, 3}, vorne);
        break;
    case TObjektbild::Strecke:
        p.drawLine(QPointF(3, 12.5), QPointF(13, 3.5));
        Punktmarke(p, {3, 12.5}, 1.9, vorne);
        Punktmarke(p, {13, 3.5}, 1.9, vorne);
        break;
    case TObjektbild::Gerade:
        p.drawLine(QPointF(0, 13), QPointF(16, 3));
        break;
    case TObjektbild::Dreieck: {
        const QPolygonF dreieck({QPointF(2, 13.5), QPointF(14, 11), QPointF(7, 2.5)});
        p.setBrush(Flaeche(vorne, hinten));
        p.drawPolygon(dreieck);
        break;
    }
    case TObjektbild::Pyramide3: {
        const QPointF a(1.5, 12), b(9, 14.5), c(14.5, 10.5), s(7.5, 1.5);
        p.setBrush(Flaeche(vorne, hinten));
        p.drawPolygon(QPolygonF({a, b, c, s}));
        p.setBrush(Qt::NoBrush);
        p.drawLine(b, s);
        // The hidden base edge.
        p.setPen(Verdeckt(stift));
        p.drawLine(a, c);
        break;
    }
    case TObjektbild::Ebene: {
        const QPolygonF ebene({QPointF(1, 12.5), QPointF(10, 14), QPointF(15, 3.5), QPointF(6, 2)});
        p.setBrush(Flaeche(vorne, hinten));
        p.drawPolygon(ebene);
        break;
    }
    case TObjektbild::Kugel: {
        // The outline, the equator in front and its hidden half dashed.
        p.setBrush(Flaeche(vorne, hinten));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(1.5, 5.5, 13, 5), 180 * 16, 180 * 16);
        p.setPen(Verdeckt(stift));
        p.drawArc(QRectF(1.5, 5.5, 13, 5), 0, 180 * 16);
        break;
    }
    case TObjektbild::Kreis:
        p.drawEllipse(QPointF(8, 8), 6.5, 3.5);
        Punktmarke(p, {8, 8}, 1.4, vorne);
        break;
    case TObjektbild::Viereck: {
        const QPolygonF viereck(
            {QPointF(1.5, 13), QPointF(12, 14.5), QPointF(14.5, 4.5), QPointF(5, 2.5)});
        p.setBrush(Flaeche(vorne, hinten));
        p.drawPolygon(viereck);
        break;
    }
    case TObjektbild::Pyramide4: {
        const QPointF a(1, 12), b(8, 14.5), c(15, 11.5), d(8.5, 9.5), s(7.5, 1.5);
        p.setBrush(Flaeche(vorne, hinten));
        p.drawPolygon(QPolygonF({a, b, c, s}));
        p.setBrush(Qt::NoBrush);
        p.drawLine(b, s);
        // The hidden base edges and the edge to the hidden corner.
        p.setPen(Verdeckt(stift));
        p.drawPolyline(QPolygonF({a, d, c}));
        p.drawLine(d, s);
        break;
    }
    case TObjektbild::Haken: {
        QPen haken = stift;
        haken.setWidthF(2.2);
        p.setPen(haken);
        QPainterPath pfad;
        pfad.moveTo(3.5, 8.5);
        pfad.lineTo(6.8, 12);
        pfad.lineTo(12.8, 3.8);
        p.drawPath(pfad);
        break;
    }
    case TObjektbild::Weiss:
        break;
    case TObjektbild::Raster:
        break; // drawn unscaled, see ZeichneObjektbild
    }
}

} // namespace

TObjektbild BildFuerArt(int art) {
    return art >= 0 && art < AnzahlElementarten ? ArtOberflaeche[static_cast<std::size_t>(art)].Bild
                                                : TObjektbild::Punkt;
}

void ZeichneObjektbild(QPainter& p, const QRectF& rechteck, TObjektbild bild, bool invertiert) {
    const QColor vorne = invertiert ? Qt::white : Qt::black;
    const QColor hinten = invertiert ? Qt::black : Qt::white;
    p.save();
    p.fillRect(rechteck, hinten);
    p.setClipRect(rechteck, Qt::IntersectClip);
    if (bild == TObjektbild::Raster) {
        // A fine half-tone over the whole cell, the same at any cell size.
        constexpr qreal feld = 2.0;
        p.setPen(Qt::NoPen);
        p.setBrush(vorne);
        for (qreal y = rechteck.top(); y < rechteck.bottom(); y += feld)
            for (qreal x =
                     rechteck.left() + (static_cast<int>((y - rechteck.top()) / feld) % 2) * feld;
                 x < rechteck.right(); x += 2 * feld)
                p.drawRect(QRectF(x, y, feld, feld));
        p.restore();
        return;
    }
    // The pictures keep a margin and their proportions.
    const qreal seite = std::min(rechteck.width(), rechteck.height());
    const qreal rand = seite * 0.1;
    QRectF feld(0, 0, seite - 2 * rand, seite - 2 * rand);
    feld.moveCenter(rechteck.center());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(feld.topLeft());
    p.scale(feld.width() / Raster, feld.height() / Raster);
    Zeichne(p, bild, vorne, hinten);
    p.restore();
}

QPixmap Objektbild(TObjektbild bild, bool invertiert, QSize groesse, qreal pixelVerhaeltnis) {
    QPixmap pm(groesse * pixelVerhaeltnis);
    pm.setDevicePixelRatio(pixelVerhaeltnis);
    QPainter p(&pm);
    ZeichneObjektbild(p, QRectF(QPointF(0, 0), QSizeF(groesse)), bild, invertiert);
    return pm;
}

} // namespace kalvorin
