#pragma once
// "Festlegen eines Punktes": a new point by its coordinates or by a start
// point and a vector, or the properties of an existing point.

#include "document/PunktEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;
class QRadioButton;

namespace kalvorin {

class TPunktDLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TPunktDLG(QWidget* eltern = nullptr);

    // Prepares the dialog for a new point of the document.
    void PunktDialogNeu(TDokument& dokument);
    // Shows the point at the position (properties mode).
    void PunktDialogAusElement(TDokument& dokument, int position);

    void FuerNeuesElement(TDokument& dokument) override { PunktDialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) override {
        PunktDialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) override { return PunktUebernehmen(dokument, eingabe_); }
    TElementart Art() const override { return TElementart::DfrPunkt; }

    // The model as the widgets show it now.
    TPunktEingabe Eingabe() const;

    QGroupBox* Darstellungsart = nullptr;
    QRadioButton* KoordinatenKnopf = nullptr;
    QRadioButton* AnfangVektorKnopf = nullptr;
    QGroupBox* KoordinatenBox = nullptr;
    QLabel* AusgabeName = nullptr;
    QLineEdit* Editx = nullptr;
    QLineEdit* Edity = nullptr;
    QLineEdit* Editz = nullptr;
    QGroupBox* AnfangspunktBox = nullptr;
    QComboBox* Anfangspunkt = nullptr;
    QGroupBox* VektorBox = nullptr;
    QComboBox* TransVektor = nullptr;

protected:
    TEingabePruefung Pruefen(TDokument& dokument) override;
    void FuerNaechstes(const TListe& liste) override;
    QPixmap Muster(bool dick, TFarbe farbe) const override;
    void NameGeaendert(const QString& name) override;
    void showEvent(QShowEvent* e) override;

private:
    void Zeigen();
    void Sammeln(TPunktEingabe& e) const;
    void KoordinatenZeigen(bool koordinaten);
    void DarstellungsartGeklickt();

    TPunktEingabe eingabe_;
};

} // namespace kalvorin
