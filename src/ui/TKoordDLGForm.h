#pragma once
// "Festlegen von  Kordinatenachsen und -ebenen": the range, visibility,
// colour, ticks and labels of the axes and the colour, visibility and
// transparency of the coordinate planes of the active document, with a
// preview beside them. The dialog edits a copy; "O&K" hands it to the
// document in one change, "A&bbruch" leaves the document as it was.

#include "eingabe/KoordinatensystemEingabe.h"
#include "math/Farbe.h"

#include <QDialog>
#include <QFrame>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace kalvorin {

class TDokument;

// The preview: the model's preview document drawn by the one drawing of a
// document, its axis box filling the square.
class TKoordVorschau : public QFrame {
public:
    explicit TKoordVorschau(TKoordinatensystemEingabe& eingabe, QWidget* eltern = nullptr);
    void Neuzeichnen() { update(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TKoordinatensystemEingabe& eingabe_;
};

class TKoordDLGForm : public QDialog {
    Q_OBJECT
public:
    // seite: 0 "Koordinatenachsen", 1 "Koordinatenebenen".
    TKoordDLGForm(TDokument& dokument, int seite, QWidget* eltern = nullptr);

    QTabWidget* Seiten = nullptr;
    // "Koordinatenachsen"
    std::array<QLineEdit*, 3> AxMinEdit{}; // xAxMinEdit, yAxMinEdit, zAxMinEdit
    std::array<QLineEdit*, 3> AxMaxEdit{};
    std::array<QCheckBox*, 3> AxZeichnenCheckBox{};
    QPushButton* y_wie_x_Button = nullptr;
    QPushButton* z_wie_x_Button = nullptr;
    QGroupBox* SkalierungRadioGroup = nullptr;
    QButtonGroup* SkalierungKnoepfe = nullptr; // ids 0..5
    QPushButton* AxDefaultButton = nullptr;
    QPushButton* BitBtn0 = nullptr;
    QCheckBox* AxBeschriftCheckBox = nullptr;
    // "Koordinatenebenen", in the order xy, yz, xz
    std::array<QCheckBox*, 3> EbeneZeichnenCheckBox{};
    std::array<QSpinBox*, 3> TransparenzSpinEdit{};
    std::array<QPushButton*, 3> EbeneFarbButton{}; // BitBtn1, BitBtn2, BitBtn3
    // The right panel
    QGroupBox* VorschauBox = nullptr;
    TKoordVorschau* Vorschau = nullptr;
    QPushButton* VorschauButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;

    // The colour chooser; tests answer it here.
    std::function<bool(QWidget*, TFarbe&)> FarbDialog;

    TKoordinatensystemEingabe& Eingabe() { return *eingabe_; }

    // A range edit was left (xAxMinEditExit and its twins).
    void GrenzeExit(int achse, bool oben);
    void WieX(int achse);
    void AxDefaultButtonClick();
    // BitBtn0 (-1) or the colour button of the plane.
    void FarbeClick(int ebene);
    void VorschauAktualisieren();
    void OkButtonClick();

protected:
    void done(int ergebnis) override;

private:
    void FormShow();
    void AchsenFuellen();
    void GlyphenSetzen();

    TDokument& dokument_;
    std::unique_ptr<TKoordinatensystemEingabe> eingabe_;
    int glyphHoehe_ = 16;
    bool pruefen_ = false;
    bool schliesst_ = false;
};

// "Koordinaten&achsen..." (seite 0) and "Koordinaten&ebenen..." (seite 1):
// true when the document took the change (it has been rebuilt).
bool KoordinatensystemDialog(QWidget* hauptfenster, TDokument& dokument, int seite);

// The glyph of a colour button: white, with a rectangle in the colour and a
// black border 2 pixels inside, 1.5 times as wide as high.
QPixmap FarbGlyph(TFarbe farbe, int hoehe, qreal pixelVerhaeltnis = 1);

} // namespace kalvorin
