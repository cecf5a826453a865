#pragma once
// " Optionen für die Ausgabe ": size, unit lengths, frame and sphere of the
// graphic output; and the three output commands that open it first (save
// the picture, print it, copy it to the clipboard) with the printer setup.

#include "ui/Dateidialog.h"
#include "view/Ausgabemasse.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QSpinBox;
class QGroupBox;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace kalvorin {

class tGrafChildForm;
struct TGrafikAuftrag;

class TAusgabeDlg : public QDialog {
    Q_OBJECT
public:
    // fenster: the view's own options, changed by "O&k"; bildschirm: the
    // view's size on the screen, for "Wie am &Bildschirm".
    TAusgabeDlg(TFensterAusgabe& fenster, TAusgabeMass bildschirm, QWidget* eltern = nullptr);

    QGroupBox* AbmessungenBox = nullptr;
    QLineEdit* BreiteEdit = nullptr;
    QLineEdit* HoeheEdit = nullptr;
    QGroupBox* EinheitBox = nullptr;
    QLineEdit* xRichtungEdit = nullptr;
    QLineEdit* yRichtungEdit = nullptr;
    QGroupBox* VorgabeBox = nullptr;
    QPushButton* WieAmBildschirmButton = nullptr;
    QPushButton* DIN_A5_FormatButton = nullptr;
    QGroupBox* RahmenBox = nullptr;
    QCheckBox* RahmenCheckBox = nullptr;
    QCheckBox* SphaereCheckBox = nullptr;
    // Beside the options above: true scale and the size of its labels.
    QGroupBox* MassstabBox = nullptr;
    QCheckBox* MassstabCheckBox = nullptr;
    QSpinBox* SchriftSpinBox = nullptr;
    QPushButton* DruckerButton = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    void WieAmBildschirmButtonClick();
    void DIN_A5_FormatButtonClick();
    void DruckerButtonClick();
    void OKBtnClick();

    // Shows the dialog modally; true after "O&k". Tests answer it here
    // instead of a modal loop.
    static std::function<bool(TAusgabeDlg&)> Zeigen;

private:
    void FormShow();
    TAusgabeFormular Formular() const;
    void Anzeigen(const TAusgabeFormular& f);

    TFensterAusgabe& fenster_;
    TAusgabeMass bildschirm_;
};

// The printer the program prints on, for the whole run.
QPrinter& AktuellerDrucker();

enum class TDruckdialogArt {
    Einrichten, // "Druckereinstellungen": choose the printer and its paper
    Drucken,    // before printing: the same, and the print can be cancelled
};
// The printer dialog, modal; true when accepted. Tests answer it here.
extern std::function<bool(QWidget* eltern, QPrinter& drucker, TDruckdialogArt art)> DruckDialog;

// The view's size and the picture's size on the screen, as lengths on paper.
TAusgabeMass BildschirmGroesse(const tGrafChildForm& fenster);
TAusgabeMass MetadateiGroesse(const tGrafChildForm& fenster);
// What the output draws of the window, with the options set now.
TGrafikAuftrag Ausgabeauftrag(tGrafChildForm& fenster);

// The options dialog for the window; true after "O&k". Every view is drawn
// again.
bool AusgabeOptionenAbfragen(QWidget* eltern, tGrafChildForm& fenster);

// "&Grafik speichern...": the options, the save dialog, then the picture in
// the format of the typed extension or of the chosen filter.
void GrafikSpeichern(QWidget* eltern, tGrafChildForm& fenster, const TDateiDialog& dateiDialog);
// "Grafik &drucken...": the options, the printer dialog, one page.
void GrafikDrucken(QWidget* eltern, tGrafChildForm& fenster);
// "&Kopieren (Grafik)...": the options, then the clipboard.
void GrafikKopieren(QWidget* eltern, tGrafChildForm& fenster);
// "Druckereinstellungen".
void DruckerEinrichten(QWidget* eltern);

} // namespace kalvorin
