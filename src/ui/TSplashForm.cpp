#include "ui/TSplashForm.h"

#include "ui/Hilfe.h"
#include "ui/Startbild.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace kalvorin {

TSplashBild::TSplashBild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("SplashBild"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSplashBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ZeichneStartbild(p, QRectF(rect()));
}

void TSplashBild::mousePressEvent(QMouseEvent* e) {
    e->accept();
    emit Geklickt();
}

namespace {
QFont Schrift27() {
    QFont f;
    // Debian ships a metric-compatible Times clone; fontconfig maps to it,
    // the list makes the choice explicit where it does not.
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                   QStringLiteral("Nimbus Roman"), QStringLiteral("serif")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(27);
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
    setFixedSize(Breite, Hoehe);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Bild = new TSplashBild(this);
    Bild->setGeometry(0, 0, Breite, Hoehe);

    Verlagszeile = new QLabel(QStringLiteral("Kalvorin-Lernsoftware"), this);
    Verlagszeile->setObjectName(QStringLiteral("Verlagszeile"));
    Verlagszeile->setFont(Schrift27());
    Verlagszeile->setAlignment(Qt::AlignCenter);
    Verlagszeile->setGeometry(0, 12, Breite, 36);

    Ausgabe = new QLabel(QStringLiteral("April 2000"), this);
    Ausgabe->setObjectName(QStringLiteral("Ausgabe"));
    Ausgabe->setFont(Schrift27());
    Ausgabe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Ausgabe->setGeometry(24, Hoehe - 56, 260, 40);

    WeiterButton = new QPushButton(QStringLiteral("&Weiter"), this);
    WeiterButton->setObjectName(QStringLiteral("WeiterButton"));
    WeiterButton->setGeometry(Breite - 24 - 110, Hoehe - 52, 110, 32);

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

    if (const QScreen* s = QApplication::primaryScreen()) {
        const QRect bereich = s->geometry();
        move(bereich.center() - QPoint(Breite / 2, Hoehe / 2));
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    Timer1->start();
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
