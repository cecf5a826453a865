#pragma once
// "Festlegen eines Dreiecks": a triangle by its three corners, each chosen
// by name or typed with a new name; area and angles shown while typing.
// OK is the only accepting button.

#include "document/DreieckEingabe.h"
#include "ui/TElementDLG.h"

#include <array>

class QComboBox;

namespace kalvorin {

class TMesswertLabel;

class TDreieckDLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TDreieckDLG(QWidget* eltern = nullptr);

    void DreieckDialogNeu(TDokument& dokument);
    // Call after DreieckDialogNeu.
    void DreieckDialogAusElement(TDokument& dokument, int position);

    void FuerNeuesElement(TDokument& dokument) override { DreieckDialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) override {
        DreieckDialogNeu(dokument);
        DreieckDialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) override { return DreieckUebernehmen(dokument, eingabe_); }
    TElementart Art() const override { return TElementart::DDreieck; }

    // The model as the widgets show it now.
    TDreieckEingabe Eingabe() const;

    std::array<QGroupBox*, 3> PunktBox{};
    std::array<QComboBox*, 3> PunktName{};
    std::array<TEdits, 3> PunktEdits{};
    TMesswertLabel* FlaecheWert = nullptr;
    std::array<TMesswertLabel*, 3> WinkelWert{};

protected:
    TEingabePruefung Pruefen(TDokument& dokument) override;
    // There is no "Übernehmen".
    void FuerNaechstes(const TListe&) override {}
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen();
    void Sammeln(TDreieckEingabe& e) const;
    void EditGeaendert();
    void NameGewaehlt(std::size_t ecke);

    TDreieckEingabe eingabe_;
    std::vector<std::string> punkteGezeigt_;
};

} // namespace kalvorin
