#pragma once
// The window shown while the program starts. It closes by itself after
// fifteen seconds, or at once when the user clicks, types or turns to
// another window twice.

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace kalvorin {

// The picture; a click on it closes the splash.
class TSplashBild : public QWidget {
    Q_OBJECT
public:
    explicit TSplashBild(QWidget* eltern = nullptr);

    // How often the picture has been painted.
    int Zeichnungen() const { return zeichnungen_; }

signals:
    void Geklickt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int zeichnungen_ = 0;
};

// The factor the splash is drawn at on a screen with this much room (in
// logical pixels): 1, unless its 556 × 502 would take more than two thirds
// of the screen's height or four fifths of its width, as at a scale factor
// of 2 on a laptop, where it filled the screen.
double SplashMassstab(QSize verfuegbar);

class TSplashForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* eltern = nullptr);

    static constexpr int Breite = 556;
    static constexpr int Hoehe = 502;
    static constexpr int TicksBisSchliessen = 15;
    static constexpr int TickFokusWeiter = 3;

    // Shows the splash and lets the window system map and expose it, which
    // paints the picture, before the slow part of the start begins. Waits at
    // most `grenzeMs` for a display that never answers; true when the
    // picture was painted on the exposed window.
    bool ZeigenUndWarten(int grenzeMs = 200);

    int Ticks() const { return ticks_; }
    int Deaktivierungen() const { return deaktivierungen_; }

    QTimer* Timer1 = nullptr;
    QPushButton* WeiterButton = nullptr;
    QLabel* Verlagszeile = nullptr;
    QLabel* Ausgabe = nullptr; // the release text
    TSplashBild* Bild = nullptr;

public slots:
    void Timer1Timer();
    // The splash has lost the activation to another window.
    void FormDeactivate();
    // Closes with the result OK (all closing rules end here).
    void Schliessen();

protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int ticks_ = 0;
    int deaktivierungen_ = 0;
    bool geschlossen_ = false;
};

} // namespace kalvorin
