#include "ui/TAnaGraphBox.h"

#include "document/Dokument.h"
#include "document/Zeichnen.h"
#include "ui/Ausgabeoptionen.h"
#include "view/qt/Bandzeichnen.h"
#include "view/qt/Bildausgabe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kalvorin {

tAnaGraphBox::tAnaGraphBox(QWidget* eltern) : QAbstractScrollArea(eltern) {
    setObjectName(QStringLiteral("AnaGraphBox"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The whole surface is painted on every update; Qt need not clear it.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(false);
}

void tAnaGraphBox::SetzeDokument(TDokument* dokument) {
    dokument_ = dokument;
    BildlaufleistenSetzen();
    Neuzeichnen();
}

void tAnaGraphBox::SetzeOptionen(int optionen) {
    optionen_ = optionen;
    Neuzeichnen();
}

TGeraeteAbbildung tAnaGraphBox::Abbildung() const {
    const TLogRechteck fenster =
        dokument_ ? dokument_->Abbildung().LogischesFenster() : TLogRechteck{500, 500, 1000, 1000};
    const QSize client = viewport()->size();
    return TGeraeteAbbildung(fenster,
                             QRectF(-horizontalScrollBar()->value(), -verticalScrollBar()->value(),
                                    client.width(), client.height()));
}

void tAnaGraphBox::Neuzeichnen() {
    vollNeu_ = true;
    viewport()->update();
}

void tAnaGraphBox::AnsichtZuruecksetzen() {
    BildlaufleistenSetzen();
    horizontalScrollBar()->setValue(horizontalScrollBar()->maximum() / 2);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum() / 2);
    Neuzeichnen();
}

void tAnaGraphBox::BildlaufleistenSetzen() {
    ++beschaeftigt_;
    const QSize client = viewport()->size();
    const TLogRechteck fenster =
        dokument_ ? dokument_->Abbildung().LogischesFenster() : TLogRechteck{500, 500, 1000, 1000};
    const QRectF bild =
        TGeraeteAbbildung(fenster, QRectF(0, 0, client.width(), client.height())).Bild();
    const int breite = int(std::ceil(bild.width())), hoehe = int(std::ceil(bild.height()));
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, breite - client.width()));
    v->setRange(0, std::max(0, hoehe - client.height()));
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setSingleStep(std::max(1, breite / teilungX_));
    v->setSingleStep(std::max(1, hoehe / teilungY_));
    --beschaeftigt_;
}

void tAnaGraphBox::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    if (!(optionen_ & GraphBoxNeuAbbildenBeiGroesse) || beschaeftigt_ > 0 ||
        (window() && window()->isMinimized()))
        return;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const bool mitLage = h->maximum() > 0 && v->maximum() > 0;
    const double rx = mitLage ? double(h->value()) / h->maximum() : 0;
    const double ry = mitLage ? double(v->value()) / v->maximum() : 0;
    BildlaufleistenSetzen();
    if (mitLage && h->maximum() > 0 && v->maximum() > 0) {
        h->setValue(int(std::lround(rx * h->maximum())));
        v->setValue(int(std::lround(ry * v->maximum())));
    }
    Neuzeichnen();
}

void tAnaGraphBox::scrollContentsBy(int, int) {
    Neuzeichnen();
}

TZeichenOptionen tAnaGraphBox::Optionen(bool mitMarkierungen) const {
    return {Ausgabeoptionen().MitSphaere, (optionen_ & GraphBoxSeitenrahmen) != 0,
            (optionen_ & GraphBoxGrauesFenster) != 0, mitMarkierungen};
}

void tAnaGraphBox::Zeichnen(QPainter& painter, const QRectF& geraet, bool mitMarkierungen) const {
    const TZeichenOptionen optionen = Optionen(mitMarkierungen);
    if (!dokument_) {
        const TLogRechteck fenster{500, 500, 1000, 1000};
        Malen(painter, fenster, geraet,
              [&](TZeichenflaeche& f) { SeiteZeichnen(f, fenster, optionen); });
        return;
    }
    Malen(painter, dokument_->Abbildung().LogischesFenster(), geraet,
          [&](TZeichenflaeche& f) { DokumentZeichnen(*dokument_, f, optionen); });
}

void tAnaGraphBox::BildAufbauen(bool ziehbild) {
    const qreal dpr = viewport()->devicePixelRatioF();
    const QSize groesse = viewport()->size() * dpr;
    if (bild_.size() != groesse || bild_.devicePixelRatio() != dpr) {
        bild_ = QImage(groesse, QImage::Format_RGB32);
        bild_.setDevicePixelRatio(dpr);
    }
    const QSize client = viewport()->size();
    const QRectF geraet(-horizontalScrollBar()->value(), -verticalScrollBar()->value(),
                        client.width(), client.height());
    if (!ziehbild || !dokument_) {
        // A still picture: one painter, as for every other output.
        bild_.fill(Qt::white);
        QPainter p(&bild_);
        // The screen: the only picture that shows the marks.
        Zeichnen(p, geraet, true);
    } else {
        // A step of a drag: in bands on all cores, which fill the image
        // white themselves. Where a line crosses from one band into the
        // next, its smoothed edge may differ by a shade; the picture after
        // the drag is drawn again as a still one.
        const TZeichenOptionen optionen = Optionen(true);
        DokumentZeichnenVorbereiten(*dokument_);
        const TDokument& d = *dokument_;
        InBaendernMalen(bild_, d.Abbildung().LogischesFenster(), geraet,
                        [&](TZeichenflaeche& f) { VorbereitetesDokumentZeichnen(d, f, optionen); });
    }
    vollNeu_ = false;
    ++bildaufbauten_;
}

void tAnaGraphBox::paintEvent(QPaintEvent*) {
    // The drawing goes through the off-screen image: a drag draws into it at
    // every step, and exposing the window again only copies it.
    const qreal dpr = viewport()->devicePixelRatioF();
    if (vollNeu_ || bild_.size() != viewport()->size() * dpr) BildAufbauen();
    QPainter p(viewport());
    p.drawImage(QPointF(0, 0), bild_);
    if (!gezeichnet_ && dokument_) {
        gezeichnet_ = true;
        emit ErstmalsGezeichnet();
    }
}

void tAnaGraphBox::Druecken(QMouseEvent* e) {
    bewegt_ = false;
    if (!ziehen_) {
        letzte_ = LogischAusGeraet(e->position());
        ziehen_ = true;
    }
}

void tAnaGraphBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    Druecken(e);
}

void tAnaGraphBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    doppel_ = true;
    Druecken(e);
}

void tAnaGraphBox::mouseMoveEvent(QMouseEvent* e) {
    if (!ziehen_ || !dokument_ || viewport()->size().isEmpty()) return;
    const TLogPunkt jetzt = LogischAusGeraet(e->position());
    if (jetzt == letzte_) return;
    // Turning needs no rebuild: the stored geometry is projected and
    // ordered anew.
    tGSzene& szene = dokument_->Szene();
    szene.Ziehen(letzte_, jetzt, e->modifiers().testFlag(Qt::ShiftModifier));
    szene.Projizieren();
    szene.Sortieren();
    BildAufbauen(true);
    viewport()->update();
    letzte_ = jetzt;
    bewegt_ = true;
    emit Gedreht();
}

void tAnaGraphBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    const bool warZiehen = ziehen_;
    ziehen_ = false;
    if (warZiehen && bewegt_) Neuzeichnen(); // the still picture of where the drag ended
    if (warZiehen && !bewegt_) {
        const bool doppel = doppel_;
        doppel_ = false;
        emit Klick(LogischAusGeraet(e->position()), doppel,
                   e->modifiers().testFlag(Qt::ControlModifier));
    }
    doppel_ = false;
}

void tAnaGraphBox::wheelEvent(QWheelEvent* e) {
    // Turning the wheel away zooms in ("Darstellungsbereich verkleinern"),
    // towards oneself out, by the steps and within the limits of the menu
    // commands. The view does not scroll by the wheel.
    e->accept();
    if (!dokument_) return;
    constexpr int Raste = 120;
    rad_ += e->angleDelta().y();
    while (rad_ >= Raste || rad_ <= -Raste) {
        const bool hinein = rad_ > 0;
        rad_ += hinein ? -Raste : Raste;
        if (!dokument_->Zoomen(hinein ? ZoomVerkleinern : ZoomVergroessern))
            rad_ = 0; // at the limit: what is left of the turn is dropped
    }
}

void tAnaGraphBox::keyPressEvent(QKeyEvent* e) {
    // The document window decides about keys; the view does not scroll by them.
    e->ignore();
}

} // namespace kalvorin
