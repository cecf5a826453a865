#pragma once
// "Festlegen eines Dreiecks": a triangle by its three corners, each chosen
// by name or typed with a new name; area and angles shown while typing.
// OK is the only accepting button.

#include "eingabe/DreieckEingabe.h"
#include "ui/TElementDLG.h"

#include <array>

class QComboBox;

namespace kalvorin {

class TMesswertLabel;

class TDreieckDLG : public TElementDialog<TDreieckEingabe> {
    Q_OBJECT
public:
    explicit TDreieckDLG(QWidget* eltern = nullptr);

    void DreieckDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void DreieckDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    std::array<QGroupBox*, 3> PunktBox{};
    std::array<QComboBox*, 3> PunktName{};
    std::array<TEdits, 3> PunktEdits{};
    TMesswertLabel* FlaecheWert = nullptr;
    std::array<TMesswertLabel*, 3> WinkelWert{};

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TDreieckEingabe& e) const override;
    void NameGewaehlt(std::size_t ecke);

    std::vector<std::string> punkteGezeigt_;
};

} // namespace kalvorin
