#pragma once
// "Festlegen einer Strecke": a segment between two points, each chosen by
// name or created with the segment; its length shown while it is typed.

#include "document/StreckenEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;

namespace kalvorin {

class TMesswertzeile;

class TStreckenDLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TStreckenDLG(QWidget* eltern = nullptr);

    void StreckeDialogNeu(TDokument& dokument);
    // Call after StreckeDialogNeu.
    void StreckeDialogAusElement(TDokument& dokument, int position);

    void FuerNeuesElement(TDokument& dokument) override { StreckeDialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) override {
        StreckeDialogNeu(dokument);
        StreckeDialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) override { return StreckeUebernehmen(dokument, eingabe_); }
    TElementart Art() const override { return TElementart::DStrecke; }

    // The model as the widgets show it now.
    TStreckenEingabe Eingabe() const;

    QComboBox* AnfangName = nullptr;
    QComboBox* EndeName = nullptr;
    TEdits Anfang{}, Ende{};
    TMesswertzeile* Laenge = nullptr;

protected:
    TEingabePruefung Pruefen(TDokument& dokument) override;
    void FuerNaechstes(const TListe& liste) override;
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen();
    void Sammeln(TStreckenEingabe& e) const;
    void FeldGeaendert();
    void NameGewaehlt(TTeilEingabe TStreckenEingabe::*teil);

    TStreckenEingabe eingabe_;
    std::vector<std::string> punkteGezeigt_;
};

} // namespace kalvorin
