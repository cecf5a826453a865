#pragma once
// "Festlegen einer Strecke": a segment between two points, each chosen by
// name or created with the segment; its length shown while it is typed.

#include "eingabe/StreckenEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;

namespace kalvorin {

class TMesswertzeile;

class TStreckenDLG : public TElementDialog<TStreckenEingabe> {
    Q_OBJECT
public:
    explicit TStreckenDLG(QWidget* eltern = nullptr);

    void StreckeDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void StreckeDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    QComboBox* AnfangName = nullptr;
    QComboBox* EndeName = nullptr;
    TEdits Anfang{}, Ende{};
    TMesswertzeile* Laenge = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TStreckenEingabe& e) const override;
    void NameGewaehlt(TTeilEingabe TStreckenEingabe::*teil);

    std::vector<std::string> punkteGezeigt_;
};

} // namespace kalvorin
