#include "view/qt/QtZeichenflaeche.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace kalvorin {

namespace {

QColor Farbe(TFarbe f) {
    return QColor(Rot(f), Gruen(f), Blau(f));
}

Qt::BrushStyle Schraffurstil(int s) {
    switch (s) {
    case SchraffurWaagerecht:
        return Qt::HorPattern;
    case SchraffurSenkrecht:
        return Qt::VerPattern;
    case SchraffurFallend:
        return Qt::FDiagPattern;
    case SchraffurSteigend:
        return Qt::BDiagPattern;
    case SchraffurKreuz:
        return Qt::CrossPattern;
    case SchraffurDiagonalKreuz:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

QImage Musterbild(const TPinsel& p) {
    QImage bild(8, 8, QImage::Format_RGB32);
    const QRgb weiss = qRgb(255, 255, 255), farbe = Farbe(p.Farbe).rgb();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bild.setPixel(x, y, (p.Muster[y] & (0x80 >> x)) ? farbe : weiss);
    return bild;
}

int Punkte(const TPinsel& p) {
    int n = 0;
    for (std::uint8_t zeile : p.Muster)
        n += std::popcount(zeile);
    return n;
}

// How much of a solid see-through fill covers what lies behind it on
// targets without raster operations or blends (printers).
constexpr double VolleMaskeDeckkraft = 0.6;
// The thinnest line on paper: a quarter point, in inches.
constexpr double DuennsteLinieZoll = 0.25 / 72;

} // namespace

TQtZeichenflaeche::TQtZeichenflaeche(QPainter& painter, const TLogRechteck& fenster,
                                     const QRectF& geraet, bool isotrop)
    : p_(painter), links_(fenster.links), oben_(fenster.oben) {
    const double lb = std::max(1, fenster.Breite()), lh = std::max(1, fenster.Hoehe());
    sx_ = geraet.width() / lb;
    sy_ = geraet.height() / lh;
    x0_ = geraet.left();
    y0_ = geraet.top();
    if (isotrop) {
        const double s = std::min(sx_, sy_);
        x0_ += (geraet.width() - s * lb) / 2;
        y0_ += (geraet.height() - s * lh) / 2;
        sx_ = sy_ = s;
    }
    const QPaintEngine* e = painter.paintEngine();
    const QPaintEngine::Type typ = e ? e->type() : QPaintEngine::User;
    // Only the raster engine really combines by AND; the vector engines
    // claim the feature but write a plain fill.
    if (typ == QPaintEngine::Raster)
        maskenArt_ = TMaskenArt::RasterOp;
    else if (typ == QPaintEngine::OpenGL2)
        maskenArt_ = TMaskenArt::Multiplizieren;
    else
        maskenArt_ = TMaskenArt::Deckkraft;
    // The raster operations on raster images also set the alpha channel;
    // only where there is none is a fill with white a no-op.
    if (typ == QPaintEngine::Raster && painter.device() &&
        painter.device()->devType() == QInternal::Image)
        ohneAlpha_ = !static_cast<const QImage*>(painter.device())->hasAlphaChannel();
    // A line of one pixel is too thin to see on a device of fine
    // resolution (a PDF page, a printer).
    if (painter.device())
        mindestbreite_ = std::max(1.0, painter.device()->logicalDpiX() * DuennsteLinieZoll);
    p_.save();
    p_.resetTransform();
    p_.setBrushOrigin(0, 0);
    p_.setBackgroundMode(Qt::TransparentMode);
}

TQtZeichenflaeche::TQtZeichenflaeche(QPainter& painter, const TLogRechteck& fenster,
                                     const QRectF& geraet, TMaskenArt art)
    : TQtZeichenflaeche(painter, fenster, geraet) {
    maskenArt_ = art;
}

TQtZeichenflaeche::~TQtZeichenflaeche() {
    p_.restore();
}

void TQtZeichenflaeche::SetzeStift(const TStift& stift) {
    if (stift.Stil == TStiftStil::Unsichtbar) {
        p_.setPen(Qt::NoPen);
        return;
    }
    const double breite = std::max(mindestbreite_, stift.Breite * std::min(sx_, sy_));
    QPen pen(Farbe(stift.Farbe), breite);
    switch (stift.Stil) {
    case TStiftStil::Gestrichelt:
        pen.setStyle(Qt::DashLine);
        break;
    case TStiftStil::Punktiert:
        pen.setStyle(Qt::DotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    // Flat ends: a line cut into pieces must not have its white border
    // reach over the neighbouring piece.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p_.setPen(pen);
}

void TQtZeichenflaeche::SetzePinsel(const TPinsel& pinsel) {
    pinsel_ = pinsel;
    PinselAnwenden();
}

void TQtZeichenflaeche::SetzeRasterModus(TRasterModus modus) {
    modus_ = modus;
    PinselAnwenden();
}

QBrush TQtZeichenflaeche::Musterpinsel(const TPinsel& p) {
    std::uint64_t bits = 0;
    for (std::uint8_t zeile : p.Muster)
        bits = bits << 8 | zeile;
    for (const TMusterpinsel& m : musterpinsel_)
        if (m.Farbe == p.Farbe && m.Bits == bits) return m.Pinsel;
    musterpinsel_.push_back({p.Farbe, bits, QBrush(Musterbild(p))});
    return musterpinsel_.back().Pinsel;
}

void TQtZeichenflaeche::PinselAnwenden() {
    // The scene sets brush and mode around every piece; the painter's state
    // is only touched when they really change.
    const bool gleich = angewandt_ && pinsel_.Art == angewandterPinsel_.Art &&
                        pinsel_.Farbe == angewandterPinsel_.Farbe &&
                        pinsel_.Schraffur == angewandterPinsel_.Schraffur &&
                        pinsel_.Muster == angewandterPinsel_.Muster && modus_ == angewandterModus_;
    if (gleich) return;
    angewandt_ = true;
    angewandterPinsel_ = pinsel_;
    angewandterModus_ = modus_;
    p_.setOpacity(1);
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_.setBackgroundMode(Qt::TransparentMode);
    const bool maske = modus_ == TRasterModus::Maskieren;
    if (maske && maskenArt_ == TMaskenArt::RasterOp)
        p_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    else if (maske && maskenArt_ == TMaskenArt::Multiplizieren)
        p_.setCompositionMode(QPainter::CompositionMode_Multiply);

    switch (pinsel_.Art) {
    case TPinselArt::Leer:
        p_.setBrush(Qt::NoBrush);
        break;
    case TPinselArt::Voll:
        if (maske && maskenArt_ == TMaskenArt::Deckkraft) {
            // A darker colour at partial opacity: the plane's own shade on
            // white, and what lies behind it stays visible.
            const auto k = [](int c) {
                return std::clamp(
                    static_cast<int>(std::lround(255 - (255 - c) / VolleMaskeDeckkraft)), 0, 255);
            };
            const TFarbe f = pinsel_.Farbe;
            p_.setBrush(QBrush(QColor(k(Rot(f)), k(Gruen(f)), k(Blau(f)))));
            p_.setOpacity(VolleMaskeDeckkraft);
        } else {
            p_.setBrush(QBrush(Farbe(pinsel_.Farbe)));
        }
        if (maske && maskenArt_ == TMaskenArt::Kennung) p_.setOpacity(MischKennung);
        break;
    case TPinselArt::Schraffur:
        // Hatch lines on white (see Polygon), as a hatched plane hides what lies behind it.
        p_.setBrush(QBrush(Farbe(pinsel_.Farbe), Schraffurstil(pinsel_.Schraffur)));
        break;
    case TPinselArt::Muster:
        if (maske && maskenArt_ == TMaskenArt::RasterOp && ohneAlpha_ && Punkte(pinsel_) == 0) {
            // AND with white leaves every pixel of an opaque image as it
            // is: a wholly see-through plane costs no pass over its area.
            p_.setBrush(Qt::NoBrush);
        } else if (maske &&
                   (maskenArt_ == TMaskenArt::Deckkraft || maskenArt_ == TMaskenArt::Kennung)) {
            if (Punkte(pinsel_) == 0) {
                p_.setBrush(Qt::NoBrush);
                break;
            }
            // The share of coloured pixels, as an even tint.
            p_.setBrush(QBrush(Farbe(pinsel_.Farbe)));
            p_.setOpacity(Punkte(pinsel_) / 64.0);
        } else {
            p_.setBrush(Musterpinsel(pinsel_));
        }
        break;
    }
}

void TQtZeichenflaeche::SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) {
    schriftFarbe_ = farbe;
    if (hoehe == schriftHoehe_ && familie == schriftFamilie_) return;
    schriftHoehe_ = hoehe;
    schriftFamilie_ = familie;
    QFont f(QString::fromUtf8(familie.data(), static_cast<qsizetype>(familie.size())));
    // The height is that of the whole cell, ascent and descent together.
    f.setPixelSize(100);
    const double zelle = QFontMetricsF(f, p_.device()).height();
    const double ziel = hoehe * std::min(sx_, sy_);
    f.setPixelSize(
        std::max(1, static_cast<int>(std::lround(ziel * 100 / (zelle > 0 ? zelle : 100)))));
    schrift_ = f;
}

void TQtZeichenflaeche::Polygon(const TLogPunkt* punkte, int anzahl) {
    QPolygonF poly;
    poly.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i)
        poly << Geraet(punkte[i]);
    // Masked fills and patterns combine with whole pixels; smoothing their
    // edges would mix in the brush where nothing is to be masked.
    p_.setRenderHint(QPainter::Antialiasing,
                     modus_ == TRasterModus::Kopieren && pinsel_.Art != TPinselArt::Muster);
    const bool schraffur = pinsel_.Art == TPinselArt::Schraffur;
    if (schraffur) {
        p_.setBackground(QBrush(Qt::white));
        p_.setBackgroundMode(Qt::OpaqueMode);
    }
    p_.drawPolygon(poly);
    if (schraffur) p_.setBackgroundMode(Qt::TransparentMode);
}

void TQtZeichenflaeche::Linie(TLogPunkt von, TLogPunkt bis) {
    // A line without length and without caps shows nothing (a line cut where
    // it meets a plane in a point leaves such a piece); Qt's PDF writer made
    // it an empty path that poppler reports as a syntax error. Raster
    // pictures stay as they were.
    if (von == bis && p_.pen().capStyle() == Qt::FlatCap && p_.paintEngine() &&
        p_.paintEngine()->type() == QPaintEngine::Pdf)
        return;
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.drawLine(Geraet(von), Geraet(bis));
}

void TQtZeichenflaeche::Gitterlinien(const TLogPunkt* enden, int paare) {
    // Into a raster image a grid goes on whole pixels, unsmoothed: as sharp as squared paper, and
    // much quicker than smoothing every line over two rows of pixels, which made the paper the
    // costliest part of a frame. Vector devices keep the exact positions.
    const QPaintDevice* geraet = p_.device();
    if (!geraet || geraet->devType() != QInternal::Image) {
        TZeichenflaeche::Gitterlinien(enden, paare);
        return;
    }
    std::vector<QLineF> linien;
    linien.reserve(static_cast<std::size_t>(std::max(paare, 0)));
    for (int i = 0; i < paare; ++i)
        linien.emplace_back(Geraet(enden[2 * i]), Geraet(enden[2 * i + 1]));
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.drawLines(linien.data(), static_cast<int>(linien.size()));
}

void TQtZeichenflaeche::Ellipse(const TLogRechteck& r) {
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.drawEllipse(QRectF(Geraet({r.links, r.oben}), Geraet({r.rechts, r.unten})));
}

void TQtZeichenflaeche::Rechteck(const TLogRechteck& r) {
    // Half a pixel in from every edge: a one-pixel outline then covers the
    // outermost pixels inside the rectangle, on every side.
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.drawRect(QRectF(Geraet({r.links, r.oben}), Geraet({r.rechts, r.unten}))
                    .adjusted(0.5, 0.5, -0.5, -0.5));
}

void TQtZeichenflaeche::Text(TLogPunkt linksOben, std::string_view text) {
    p_.save();
    p_.setOpacity(1);
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.setFont(schrift_);
    p_.setPen(Farbe(schriftFarbe_));
    const QFontMetricsF fm(schrift_, p_.device());
    const QPointF ort = Geraet(linksOben);
    p_.drawText(QPointF(ort.x(), ort.y() + fm.ascent()),
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    p_.restore();
}

TTextmass TQtZeichenflaeche::Textmass(std::string_view text) {
    const QFontMetricsF fm(schrift_, p_.device());
    const double s = std::min(sx_, sy_);
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {static_cast<int>(std::lround(fm.horizontalAdvance(t) / s)),
            static_cast<int>(std::lround(fm.height() / s))};
}

void PdfMischungEintragen(QByteArray& pdf) {
    // QPdfWriter writes an opacity as an object of its own:
    // "<<\n/ca 0.25 \n/CA 0.25 \n>>". Only the masked fills have one below 1.
    static const QByteArray Anfang = "<<\n/ca ";
    qsizetype i = 0;
    while ((i = pdf.indexOf(Anfang, i)) >= 0) {
        const qsizetype von = i + 3, ende = pdf.indexOf(">>", von);
        if (ende < 0) break;
        const QByteArray alt = pdf.mid(von, ende - von);
        const QList<QByteArray> teile = alt.simplified().split(' ');
        i = ende;
        if (teile.size() != 4 || teile[0] != "/ca" || teile[2] != "/CA") continue;
        bool ok = false;
        double a = teile[1].toDouble(&ok);
        if (!ok || a >= 1) continue;
        if (std::abs(a - MischKennung) < 1e-4) a = 1;
        QByteArray neu = "/BM /Multiply /ca " + QByteArray::number(a, 'g', 3) + " /CA " +
                         QByteArray::number(a, 'g', 3) + "\n";
        if (neu.size() > alt.size()) continue; // never the case for Qt's numbers
        neu += QByteArray(alt.size() - neu.size(), ' ');
        pdf.replace(von, alt.size(), neu);
    }
}

} // namespace kalvorin
