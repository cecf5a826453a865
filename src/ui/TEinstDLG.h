#pragma once
// "Standard-Einstellungen": the process-wide defaults on seven pages. "OK"
// writes them back at once; the settings file is written when the program
// ends. The two colour panels store their colour as soon as the colour
// dialog closes, also when this dialog is cancelled afterwards.

#include "eingabe/EinstellungsEingabe.h"
#include "math/Farbe.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace kalvorin {

class TFarbFeld;

// A group of radio buttons as one control: the box, and its buttons by
// item index.
struct TRadioGruppe {
    QGroupBox* Box = nullptr;
    QButtonGroup* Knoepfe = nullptr;
    int ItemIndex() const;
    void SetzeItemIndex(int index);
};

class TEinstDLG : public QDialog {
    Q_OBJECT
public:
    explicit TEinstDLG(QWidget* eltern = nullptr);

    QTabWidget* EinstDLGSeiten = nullptr;
    // "Allgemein"
    TFarbFeld* PanelStandardfarbe = nullptr;
    TRadioGruppe RadioGroupStandardNamesichtbar;
    // For projectors: wide lines, large names.
    QCheckBox* CheckBoxPraesentation = nullptr;
    // "Punkte"
    QComboBox* ComboBoxStandardFrPunktform = nullptr;
    QSpinBox* SpinEditStandardPunktDicke = nullptr;
    // "Geraden"
    QSpinBox* SpinEditStandardGeradendicke = nullptr;
    TRadioGruppe RadioGroupWeisslinie;
    // "Ebenen"
    QSpinBox* SpinEditStandardEbenenRanddicke = nullptr;
    QSpinBox* SpinEditStandardEbenenTransparenz = nullptr;
    // "Hilfslinien"
    TFarbFeld* PanelStandardHilfslinienFarbe = nullptr;
    QComboBox* ComboBoxStandardHilfslininenStyle = nullptr;
    TRadioGruppe RadiogroupStandardHilfslinien;
    // "Koordinatensystem"
    QSpinBox* SpinEditHalbseite = nullptr;
    QSpinBox* SpinEditTransparenz = nullptr;
    QCheckBox* CheckBoxExy = nullptr;
    QCheckBox* CheckBoxExz = nullptr;
    QCheckBox* CheckBoxEyz = nullptr;
    TRadioGruppe RadioGroupSkalierung;
    // "Zahlenausgabe"
    QCheckBox* BruchCheckBox = nullptr;
    QCheckBox* ExaktCheckBox = nullptr; // "Exakte Werte anzeigen"
    QCheckBox* EinrastenCheckBox = nullptr;
    // group "Heftansicht" on the page "Koordinatensystem"
    QCheckBox* CheckBoxHeftansicht = nullptr;
    TRadioGruppe RadioGroupHeftAchsennamen;
    QCheckBox* CheckBoxHeftSpurdreieck = nullptr;
    QLineEdit* MaxNennerEdit = nullptr;
    QSpinBox* NachkommaSpinEdit = nullptr;

    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbruch = nullptr;
    QPushButton* BitBtnHilfe = nullptr;

    // The colour chooser; tests answer it here.
    std::function<bool(QWidget*, TFarbe&)> FarbDialog;

    // What the controls hold now.
    TEinstellungsEingabe Eingabe() const;

    void PanelStandardfarbeClick();
    void PanelStandardHilfslinienFarbeClick();
    void BitBtnOKClick();
    // The help topic of the page that is showing.
    QString HilfeThema() const;

private:
    void FormShow();

    TEinstellungsEingabe angezeigt_;
};

// "&Einstellungen...": true when "OK" wrote the settings.
bool EinstellungsDialog(QWidget* hauptfenster);

} // namespace kalvorin
