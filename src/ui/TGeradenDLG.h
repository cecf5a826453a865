#pragma once
// "Festlegen einer Geraden": a line by its parameter form, by two points or
// by a point and a direction vector; points and vectors are chosen by name
// or created with the line.

#include "eingabe/GeradenEingabe.h"
#include "ui/TElementDLG.h"

#include <array>

class QComboBox;
class QRadioButton;

namespace kalvorin {

class TGeradenDLG : public TElementDialog<TGeradenEingabe> {
    Q_OBJECT
public:
    explicit TGeradenDLG(QWidget* eltern = nullptr);

    void GeradeDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void GeradeDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    QRadioButton* PaButton = nullptr;
    QRadioButton* PPButton = nullptr;
    QRadioButton* PVButton = nullptr;
    QGroupBox* PABox = nullptr;
    QGroupBox* PPAnfang = nullptr;
    QGroupBox* PPEnde = nullptr;
    QGroupBox* PVAnfang = nullptr;
    QGroupBox* PVVektor = nullptr;
    TEdits ParPunkt{}, ParRichtung{}, P1{}, P2{}, A{}, V{};
    QComboBox* PP1 = nullptr;
    QComboBox* PP2 = nullptr;
    QComboBox* PV1 = nullptr;
    QComboBox* PV2 = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TGeradenEingabe& e) const override;
    void WegZeigen(int weg);
    // A field of a way changed; a name combo also chooses its element.
    void FeldGeaendert(int weg);
    void NameGewaehlt(TTeilEingabe TGeradenEingabe::*teil, std::uint32_t arten, int weg);
    void ParameterformGeklickt();
    int GewaehlterWeg() const;
    QRadioButton* Knopf(int weg) const;

    std::vector<std::string> punkteGezeigt_, vektorenGezeigt_;
};

} // namespace kalvorin
