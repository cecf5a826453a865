#pragma once
// "Streckungsfaktor festlegen": the marked point becomes the document's
// dilation centre; the factor is given as a number or as the ratio of two
// lengths (segments, vectors or numbers).

#include "math/Skalar.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalvorin {

class TDokument;
class TDreiDBasisElement;

class TStreckungsDLG : public QDialog {
    Q_OBJECT
public:
    TStreckungsDLG(TDokument& dokument, QWidget* eltern = nullptr);

    QGroupBox* StreckungsDLGRadioBox = nullptr;
    QRadioButton* StreckungsDLGZahlButton = nullptr;
    QRadioButton* StreckungsDLGVerhaeltnisButton = nullptr;
    QGroupBox* StreckungsDLGZahlBox = nullptr;
    QLineEdit* StreckungsDLGZahl = nullptr;
    QGroupBox* StreckungsDLGVerhaeltnisBox = nullptr;
    QLabel* StreckungsDLGVerhaeltnis = nullptr;
    QComboBox* StreckungsDLGS1 = nullptr;
    QComboBox* StreckungsDLGS2 = nullptr;
    QLabel* Laenge1 = nullptr;
    QLabel* Kla1 = nullptr;
    QLabel* Laenge2 = nullptr;
    QLabel* Kla2 = nullptr;
    QGroupBox* StreckungsDLGZentrumBox = nullptr;
    QLabel* StreckungsDLGZentrum = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    // The factor "OK" would store in ratio mode.
    Real Faktor() const { return faktor_; }

    void StreckungsDLGZahlButtonClick();
    void StreckungsDLGVerhaeltnisButtonClick();
    void StreckungsDLGS1Change();
    void StreckungsDLGS2Change();
    void Verhaeltnisberechnen();
    void OKBtnClick();

private:
    // Fills the dialog from the document: centres, factor, name lists.
    void FormShow();
    void KlammernSetzen(const QComboBox* box, QLabel* vor, QLabel* nach);

    TDokument& dokument_;
    Real faktor_ = 1;
};

// "S&treckung festlegen...": shows the dialog for the marked point when the
// marks offer it. True when the document changed (it has been rebuilt).
bool StreckungsDialog(QWidget* hauptfenster, TDokument& dokument);

} // namespace kalvorin
