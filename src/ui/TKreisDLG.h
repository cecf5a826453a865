#pragma once
// "Festlegen eines Kreises": centre, normal of its plane and radius.

#include "eingabe/KreisEingabe.h"
#include "ui/TElementDLG.h"

namespace kalvorin {

class TKreisDLG : public TElementDialog<TKreisEingabe> {
    Q_OBJECT
public:
    explicit TKreisDLG(QWidget* eltern = nullptr);

    TEdits Mitte{}, Normale{};
    QLineEdit* Radius = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TKreisEingabe& e) const override;
};

} // namespace kalvorin
