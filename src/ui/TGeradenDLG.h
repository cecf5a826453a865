#pragma once
// "Festlegen einer Geraden": a line by its parameter form, by two points or
// by a point and a direction vector; points and vectors are chosen by name
// or created with the line.

#include "document/GeradenEingabe.h"
#include "ui/TElementDLG.h"

#include <array>

class QComboBox;
class QPlainTextEdit;
class QRadioButton;

namespace kalvorin {

class TGeradenDLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TGeradenDLG(QWidget* eltern = nullptr);

    void GeradeDialogNeu(TDokument& dokument);
    // Call after GeradeDialogNeu.
    void GeradeDialogAusElement(TDokument& dokument, int position);

    void FuerNeuesElement(TDokument& dokument) override { GeradeDialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) override {
        GeradeDialogNeu(dokument);
        GeradeDialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) override { return GeradeUebernehmen(dokument, eingabe_); }
    TElementart Art() const override { return TElementart::DGerade; }

    // The model as the widgets show it now.
    TGeradenEingabe Eingabe() const;

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
    QPlainTextEdit* Gleichungen = nullptr; // page "Gleichungen" (properties mode)

protected:
    TEingabePruefung Pruefen(TDokument& dokument) override;
    void FuerNaechstes(const TListe& liste) override;
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen();
    void Sammeln(TGeradenEingabe& e) const;
    void WegZeigen(int weg);
    // A field of a way changed; a name combo also chooses its element.
    void FeldGeaendert(int weg);
    void NameGewaehlt(TTeilEingabe TGeradenEingabe::*teil, std::uint32_t arten, int weg);
    void ParameterformGeklickt();
    int GewaehlterWeg() const;
    QRadioButton* Knopf(int weg) const;

    TGeradenEingabe eingabe_;
    std::vector<std::string> punkteGezeigt_, vektorenGezeigt_;
};

} // namespace kalvorin
