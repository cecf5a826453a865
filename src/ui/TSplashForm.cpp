#include "ui/TSplashForm.h"

#include "ui/Hilfe.h"
#include "ui/Startbild.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kalvorin {

TSplashBild::TSplashBild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("SplashBild"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSplashBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ZeichneStartbild(p, QRectF(rect()));
    ++zeichnungen_;
}

void TSplashBild::mousePressEvent(QMouseEvent* e) {
    e->accept();
    emit Geklickt();
}

double SplashMassstab(QSize verfuegbar) {
    constexpr double breite = 0.8, hoehe = 0.65;
    return std::min({1.0, breite * verfuegbar.width() / TSplashForm::Breite,
                     hoehe * verfuegbar.height() / TSplashForm::Hoehe});
}

namespace {
QFont Schrift27(double massstab) {
    QFont f;
    // Debian ships a metric-compatible Times clone; fontconfig maps to it,
    // the list makes the choice explicit where it does not.
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                   QStringLiteral("Nimbus Roman"), QStringLiteral("serif")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(27 * massstab))));
    f.setBold(true);
    return f;
}
} // namespace

TSplashForm::TSplashForm(QWidget* eltern)
    : QDialog(eltern, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether or not the splash is
    // still up.
    setAttribute(Qt::WA_QuitOnClose, false);
    setProperty(HilfeOhneF1Eigenschaft, true);
    const QScreen* schirm = QApplication::primaryScreen();
    const double m = schirm ? SplashMassstab(schirm->availableGeometry().size()) : 1.0;
    const auto k = [m](int x) { return static_cast<int>(std::lround(x * m)); };
    const int breite = k(Breite), hoehe = k(Hoehe);
    setFixedSize(breite, hoehe);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Bild = new TSplashBild(this);
    Bild->setGeometry(0, 0, breite, hoehe);

    Verlagszeile = new QLabel(QStringLiteral("Kalvorin-Lernsoftware"), this);
    Verlagszeile->setObjectName(QStringLiteral("Verlagszeile"));
    Verlagszeile->setFont(Schrift27(m));
    Verlagszeile->setAlignment(Qt::AlignCenter);
    Verlagszeile->setGeometry(0, k(12), breite, k(36));

    Ausgabe = new QLabel(QStringLiteral("April 2000"), this);
    Ausgabe->setObjectName(QStringLiteral("Ausgabe"));
    Ausgabe->setFont(Schrift27(m));
    Ausgabe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Ausgabe->setGeometry(k(24), hoehe - k(56), k(260), k(40));

    WeiterButton = new QPushButton(QStringLiteral("&Weiter"), this);
    WeiterButton->setObjectName(QStringLiteral("WeiterButton"));
    WeiterButton->setGeometry(breite - k(24 + 110), hoehe - k(52), k(110), k(32));

    for (QLabel* l : {Verlagszeile, Ausgabe}) {
        // Labels lie on the picture: clicks on them are clicks on it.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette lp = l->palette();
        lp.setColor(QPalette::WindowText, QColor(20, 20, 60));
        l->setPalette(lp);
    }

    connect(Bild, &TSplashBild::Geklickt, this, &TSplashForm::Schliessen);
    connect(WeiterButton, &QPushButton::clicked, this, &TSplashForm::Schliessen);

    // Any key closes, whichever child has the keyboard.
    Bild->installEventFilter(this);
    WeiterButton->installEventFilter(this);

    if (schirm) move(schirm->geometry().center() - QPoint(breite / 2, hoehe / 2));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    Timer1->start();
}

bool TSplashForm::ZeigenUndWarten(int grenzeMs) {
    const int vorher = Bild->Zeichnungen();
    show();
    raise();
    // The expose from the window system paints the window at once. (Its
    // visible region tells nothing: the picture, an opaque child, covers all
    // of it, so the region left beside it is always empty.)
    const auto gezeigt = [&] {
        return Bild->Zeichnungen() != vorher && windowHandle() && windowHandle()->isExposed();
    };
    QElapsedTimer uhr;
    uhr.start();
    while (!gezeigt() && uhr.elapsed() < grenzeMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    if (gezeigt()) return true;
    repaint();
    return false;
}

void TSplashForm::Timer1Timer() {
    if (geschlossen_) return;
    ++ticks_;
    if (ticks_ == TickFokusWeiter) WeiterButton->setFocus(Qt::OtherFocusReason);
    if (ticks_ >= TicksBisSchliessen) {
        Timer1->stop();
        Schliessen();
    }
}

void TSplashForm::FormDeactivate() {
    if (geschlossen_) return;
    if (++deaktivierungen_ >= 2) Schliessen();
}

void TSplashForm::Schliessen() {
    if (geschlossen_) return;
    geschlossen_ = true;
    Timer1->stop();
    done(QDialog::Accepted);
}

void TSplashForm::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) FormDeactivate();
}

bool TSplashForm::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        Schliessen();
        return true;
    }
    return QDialog::eventFilter(ziel, e);
}

void TSplashForm::keyPressEvent(QKeyEvent* e) {
    e->accept();
    Schliessen();
}

} // namespace kalvorin
