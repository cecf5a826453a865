#pragma once
// "Festlegen eines Pfeils": an arrow from a foot point to a tip, or from a
// foot point along a vector; points and vectors are chosen by name or
// created with the arrow.

#include "document/PfeilEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;
class QRadioButton;

namespace kalvorin {

class TPfeilDLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TPfeilDLG(QWidget* eltern = nullptr);

    void PfeilDialogNeu(TDokument& dokument);
    void PfeilDialogAusElement(TDokument& dokument, int position);

    void FuerNeuesElement(TDokument& dokument) override { PfeilDialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) override {
        PfeilDialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) override { return PfeilUebernehmen(dokument, eingabe_); }
    TElementart Art() const override { return TElementart::DPfeil; }

    // The model as the widgets show it now.
    TPfeilEingabe Eingabe() const;

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
    TEingabePruefung Pruefen(TDokument& dokument) override;
    void FuerNaechstes(const TListe& liste) override;
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen();
    void Sammeln(TPfeilEingabe& e) const;
    void WegZeigen(int weg);
    void FeldGeaendert(int weg);
    void NameGewaehlt(TTeilEingabe TPfeilEingabe::*teil, std::uint32_t arten, int weg);

    TPfeilEingabe eingabe_;
    std::vector<std::string> punkteGezeigt_, vektorenGezeigt_;
};

} // namespace kalvorin
