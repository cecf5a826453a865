#pragma once
// "Festlegen einer Kugel": centre and radius, or the equation in expanded
// form, which the model turns into centre and radius.

#include "eingabe/KugelEingabe.h"
#include "ui/TElementDLG.h"

class QRadioButton;

namespace kalvorin {

class TKugelDLG : public TElementDialog<TKugelEingabe> {
    Q_OBJECT
public:
    explicit TKugelDLG(QWidget* eltern = nullptr);

    QRadioButton* MitteRadiusKnopf = nullptr;
    QRadioButton* GleichungKnopf = nullptr;
    TEdits Mitte{};
    QLineEdit* Radius = nullptr;
    QLineEdit* Gleichung = nullptr;
    // The centre form of what is typed, or empty.
    QLabel* Ergebnis = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TKugelEingabe& e) const override;
};

} // namespace kalvorin
