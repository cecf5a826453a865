#pragma once
// "Festlegen eines Vierecks": a quadrilateral by its four corners in
// order, each chosen by name or typed with a new name; area and angles
// shown while typing. OK is the only accepting button.

#include "eingabe/ViereckEingabe.h"
#include "ui/TElementDLG.h"

#include <array>

class QComboBox;

namespace kalvorin {

class TMesswertLabel;

class TViereckDLG : public TElementDialog<TViereckEingabe> {
    Q_OBJECT
public:
    explicit TViereckDLG(QWidget* eltern = nullptr);

    void ViereckDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void ViereckDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    std::array<QGroupBox*, 4> PunktBox{};
    std::array<QComboBox*, 4> PunktName{};
    std::array<TEdits, 4> PunktEdits{};
    TMesswertLabel* FlaecheWert = nullptr;
    std::array<TMesswertLabel*, 4> WinkelWert{};

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TViereckEingabe& e) const override;
    void NameGewaehlt(std::size_t ecke);

    std::vector<std::string> punkteGezeigt_;
};

} // namespace kalvorin
