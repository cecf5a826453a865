#include "ui/TAnaGraphBox.h"

#include "ausgabe/Szenentext.h"
#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "storage/Einstellungen.h"
#include "ui/Ausgabeoptionen.h"
#include "ui/Barrierefreiheit.h"
#include "view/qt/Bandzeichnen.h"
#include "view/qt/Bildausgabe.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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
    // The factory first: naming the view already asks for its interface
    // while a screen reader listens, and Qt keeps the first one it made.
    AnsichtZugangEinrichten();
    setAccessibleName(QStringLiteral("3D-Ansicht"));
}

void tAnaGraphBox::SetzeVerborgen(std::vector<int> nummern) {
    if (nummern == verborgen_) return;
    verborgen_ = std::move(nummern);
    Neuzeichnen();
}

void tAnaGraphBox::SetzePraesentation(bool an) {
    if (an == praesentation_) return;
    praesentation_ = an;
    Neuzeichnen();
}

void tAnaGraphBox::SetzeFokus(int nummer) {
    if (fokus_ == nummer) return;
    fokus_ = nummer;
    Neuzeichnen();
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

void tAnaGraphBox::ZiehbildZeigen() {
    if (viewport()->size().isEmpty()) return Neuzeichnen();
    BildAufbauen(true);
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
    // "Mit Sphäre zeichnen" is for the printed and saved pictures only: the
    // screen never keeps a circle from an output.
    TZeichenOptionen o{false, (optionen_ & GraphBoxSeitenrahmen) != 0,
                       (optionen_ & GraphBoxGrauesFenster) != 0, mitMarkierungen};
    o.Praesentation = Einstellungen().Praesentation;
    // The screen's own: the desktop's contrast and the keyboard's focus.
    if (mitMarkierungen) {
        o.Kontrast = DesktopHoherKontrast();
        o.Schriftfaktor = AnsichtSchriftfaktor();
        o.Pixelverhaeltnis = viewport()->devicePixelRatioF();
        o.Fokus = fokus_;
        o.Praesentation = o.Praesentation || praesentation_;
        o.Verborgen = verborgen_;
    }
    return o;
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
        const TDokument& d = *dokument_;
        InBaendernMalen(
            bild_, d.Abbildung().LogischesFenster(), geraet,
            [&](TZeichenflaeche& f) { DokumentZeichnen(d, f, optionen); }, 0, &bandteilung_);
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
    dokument_->AnsichtDrehen(letzte_, jetzt, e->modifiers().testFlag(Qt::ShiftModifier));
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

namespace {

class TAnsichtZugang;

// One sentence of the scene text.
class TSzenenEintrag final : public QAccessibleInterface {
public:
    TSzenenEintrag(TAnsichtZugang* ansicht, int index) : ansicht_(ansicht), index_(index) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void Abmelden() { ansicht_ = nullptr; }

private:
    TAnsichtZugang* ansicht_;
    int index_;
};

class TAnsichtZugang final : public QAccessibleWidget {
public:
    explicit TAnsichtZugang(tAnaGraphBox* box) : QAccessibleWidget(box, QAccessible::List) {}
    ~TAnsichtZugang() override {
        for (QAccessible::Id id : eintraege_) {
            if (auto* e = static_cast<TSzenenEintrag*>(QAccessible::accessibleInterface(id)))
                e->Abmelden();
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    tAnaGraphBox* Box() const { return static_cast<tAnaGraphBox*>(widget()); }
    std::vector<std::string> Saetze() const {
        const TDokument* d = Box()->Dokument();
        return d ? Szenentext(d->Liste()) : std::vector<std::string>{};
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            const TDokument* d = Box()->Dokument();
            return d ? QString::fromStdString(SzenentextGanz(d->Liste())) : QString();
        }
        return QAccessibleWidget::text(t);
    }
    int WidgetKinder() const { return QAccessibleWidget::childCount(); }
    int childCount() const override { return WidgetKinder() + static_cast<int>(Saetze().size()); }
    QAccessibleInterface* child(int index) const override {
        const int w = WidgetKinder();
        if (index < w) return QAccessibleWidget::child(index);
        const int i = index - w;
        if (i < 0 || i >= static_cast<int>(Saetze().size())) return nullptr;
        while (static_cast<int>(eintraege_.size()) <= i)
            eintraege_.push_back(QAccessible::registerAccessibleInterface(new TSzenenEintrag(
                const_cast<TAnsichtZugang*>(this), static_cast<int>(eintraege_.size()))));
        return QAccessible::accessibleInterface(eintraege_[static_cast<std::size_t>(i)]);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        for (std::size_t i = 0; i < eintraege_.size(); ++i)
            if (QAccessible::accessibleInterface(eintraege_[i]) == kind)
                return WidgetKinder() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(kind);
    }

private:
    mutable std::vector<QAccessible::Id> eintraege_;
};

bool TSzenenEintrag::isValid() const {
    return ansicht_ && index_ < static_cast<int>(ansicht_->Saetze().size());
}
QWindow* TSzenenEintrag::window() const {
    return ansicht_ ? ansicht_->window() : nullptr;
}
QAccessibleInterface* TSzenenEintrag::parent() const {
    return ansicht_;
}
QString TSzenenEintrag::text(QAccessible::Text t) const {
    if (!ansicht_ || t != QAccessible::Name) return {};
    const std::vector<std::string> saetze = ansicht_->Saetze();
    if (index_ >= static_cast<int>(saetze.size())) return {};
    return QString::fromStdString(saetze[static_cast<std::size_t>(index_)]);
}
QRect TSzenenEintrag::rect() const {
    return ansicht_ ? ansicht_->rect() : QRect();
}

QAccessibleInterface* AnsichtFabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("kalvorin::tAnaGraphBox") && objekt && objekt->isWidgetType())
        return new TAnsichtZugang(static_cast<tAnaGraphBox*>(objekt));
    return nullptr;
}

} // namespace

void AnsichtZugangEinrichten() {
    static bool eingerichtet = false;
    if (eingerichtet) return;
    eingerichtet = true;
    QAccessible::installFactory(AnsichtFabrik);
}

} // namespace kalvorin
