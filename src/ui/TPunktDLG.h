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
    // Writes the dialog into the point at the position when it was accepted
    // (inside the document's transaction, which hands over the list).
    void PunktAusDialog(TListe& liste, int position);

    void Auswerten(bool uebernehmen) override;
    // The controls as the validation and the write-back see them.
    TPunktEingabe Eingabe() const;

    // 0 "Koord", 1 "PV".
    int Festlegung = TfrPunkt::Koord;
    // False when the user declined to adapt the axes to a point outside.
    bool Sichtbarkeit = true;

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
    QComboBox* Darstellung = nullptr;
    QCheckBox* Hilfslinien = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;
    void NameGeaendert(const QString& name) override;
    void showEvent(QShowEvent* e) override;

private:
    void KoordinatenZeigen(bool koordinaten);
    void DarstellungsartGeklickt();
    void KoordinatenAnzeigen(TTripel p, bool nurLesen);
    void ListenFuellen(const TDreiDBasisElement* selbst, bool leererEintrag);

    bool abgeleitet_ = false;
    TFeldTexte angezeigt_;
    TTripel gehalten_;
    const TDreiDBasisElement* selbst_ = nullptr;
};

} // namespace kalvorin
