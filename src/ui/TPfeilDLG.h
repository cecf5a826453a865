#pragma once
// "Festlegen eines Pfeils": an arrow from a foot point to a tip, or from a
// foot point along a vector; points and vectors are chosen by name or
// created with the arrow.

#include "eingabe/PfeilEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;
class QRadioButton;

namespace kalvorin {

class TPfeilDLG : public TElementDialog<TPfeilEingabe> {
    Q_OBJECT
public:
    explicit TPfeilDLG(QWidget* eltern = nullptr);

    void PfeilDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void PfeilDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    QRadioButton* PPButton = nullptr;
    QRadioButton* PVButton = nullptr;
    QGroupBox* PPFuss = nullptr;
    QGroupBox* PPSpitze = nullptr;
    QGroupBox* PVFuss = nullptr;
    QGroupBox* PVVektor = nullptr;
    QComboBox* PPFName = nullptr;
    QComboBox* PPSName = nullptr;
    QComboBox* PVFName = nullptr;
    QComboBox* PVVName = nullptr;
    TEdits PPF{}, PPS{}, PVF{}, PVV{};

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TPfeilEingabe& e) const override;
    void WegZeigen(int weg);
    void FeldGeaendert(int weg);
    void NameGewaehlt(TTeilEingabe TPfeilEingabe::*teil, std::uint32_t arten, int weg);

    std::vector<std::string> punkteGezeigt_, vektorenGezeigt_;
};

} // namespace kalvorin
