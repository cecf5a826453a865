#pragma once
// "Festlegen einer Geraden": a line by its parameter form, by two points or
// by a point and a direction vector; points and vectors are chosen by name
// or created with the line.

#include "document/GeradenEingabe.h"
#include "ui/TElementDLG.h"

#include <array>

class QComboBox;
class QRadioButton;

namespace kalvorin {

class TGeradenDLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TGeradenDLG(QWidget* eltern = nullptr);

    void GeradeDialogNeu(TDokument& dokument);
    // Call after GeradeDialogNeu.
    void GeradeDialogAusElement(TDokument& dokument, int position);
    // Writes the dialog into the line at the position when it was accepted
    // (inside the document's transaction, which hands over the list).
    void GeradeAusDialog(TListe& liste, int position);
    // The main window's part for an accepted new line: the line and its new
    // points or vector appended and written. The line's slot, or 0.
    int NeueGeradeAnlegen(TListe& liste);

    void Auswerten(bool uebernehmen) override;
    TGeradenEingabe Eingabe() const;
    const TGeradenZustand& Zustand() const { return zustand_; }

    QRadioButton* PaButton = nullptr;
    QRadioButton* PPButton = nullptr;
    QRadioButton* PVButton = nullptr;
    QGroupBox* PABox = nullptr;
    QGroupBox* PPAnfang = nullptr;
    QGroupBox* PPEnde = nullptr;
    QGroupBox* PVAnfang = nullptr;
    QGroupBox* PVVektor = nullptr;
    std::array<QLineEdit*, 3> ParPunkt{}, ParRichtung{}, P1{}, P2{}, A{}, V{};
    QComboBox* PP1 = nullptr;
    QComboBox* PP2 = nullptr;
    QComboBox* PV1 = nullptr;
    QComboBox* PV2 = nullptr;
    QCheckBox* RandCheck = nullptr;
    QCheckBox* Hilfslinien = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    using TEdits = std::array<QLineEdit*, 3>;
    QGroupBox* PunktGruppe(const QString& titel, const QString& box, const QString& combo,
                           const QString& x, const QString& y, const QString& z, QComboBox*& c,
                           TEdits& edits);
    void WegZeigen(int weg);
    void KnoepfeSetzen();
    void ParameterformGeaendert();
    void PunktPunktGeaendert();
    void PunktVektorGeaendert();
    // A name combo changed: an existing element's values read-only, else editable.
    void NameGewaehlt(QComboBox* combo, TEdits& edits, bool vektor);
    void ParameterformGeklickt();
    void EditsSetzen(TEdits& edits, const TFeldTexte& texte, bool nurLesen);
    void AllesLeeren();
    void ListenFuellen();
    int GewaehlterWeg() const;
    QRadioButton* Knopf(int weg) const;

    TGeradenZustand zustand_;
    bool fuellen_ = false;
    bool abgeleitet_ = false;
    const TDreiDBasisElement* selbst_ = nullptr;
    TFeldTexte parPunktAngezeigt_, parRichtungAngezeigt_;
    TTripel gehaltenerPunkt_, gehalteneRichtung_;
};

} // namespace kalvorin
