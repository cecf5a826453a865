#pragma once
// "Koordinatenebene als Objekt..." and "Koordinatenachse als Objekt...": a
// choice of the three coordinate planes or axes; OK adds the one chosen as
// an ordinary plane or line (KoordinatenelementFestlegen).

#include <QDialog>

#include <array>

class QPushButton;
class QRadioButton;

namespace kalvorin {

class TDokument;

class TKoordinatenelementDLG : public QDialog {
    Q_OBJECT
public:
    TKoordinatenelementDLG(QWidget* eltern, bool ebene);

    std::array<QRadioButton*, 3> Wahl{};
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    // 0, 1, 2: the choice in the order of Koordinatenelemente.
    int Gewaehlt() const;
};

// Shows the dialog; true when it added the element.
bool KoordinatenebeneDialog(QWidget* hauptfenster, TDokument& dokument);
bool KoordinatenachseDialog(QWidget* hauptfenster, TDokument& dokument);

} // namespace kalvorin
