#pragma once
// "Festlegen eines Punktes": a new point by its coordinates or by a start
// point and a vector, or the properties of an existing point.

#include "eingabe/PunktEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;
class QRadioButton;

namespace kalvorin {

class TPunktDLG : public TElementDialog<TPunktEingabe> {
    Q_OBJECT
public:
    explicit TPunktDLG(QWidget* eltern = nullptr);

    // Prepares the dialog for a new point of the document.
    void PunktDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void PunktDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

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
    QPixmap Muster(bool dick, TFarbe farbe) const override;
    void NameGeaendert(const QString& name) override;
    void showEvent(QShowEvent* e) override;

private:
    void Zeigen() override;
    void Sammeln(TPunktEingabe& e) const override;
    void KoordinatenZeigen(bool koordinaten);
    void DarstellungsartGeklickt();
};

} // namespace kalvorin
