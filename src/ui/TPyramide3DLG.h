#pragma once
// "Erzeugen einer Pyramide": a three-sided pyramid by its apex, chosen by
// name or typed with a new name, over a triangle of the document; the
// volume shown while typing. OK is the only accepting button.

#include "document/PyramidenEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;

namespace kalvorin {

class TMesswertLabel;

class TPyramide3DLG : public TElementDLG {
    Q_OBJECT
public:
    explicit TPyramide3DLG(QWidget* eltern = nullptr);

    void PyramideDialogNeu(TDokument& dokument);
    // Call after PyramideDialogNeu.
    void PyramideDialogAusElement(TDokument& dokument, int position);

    void FuerNeuesElement(TDokument& dokument) override { PyramideDialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) override {
        PyramideDialogNeu(dokument);
        PyramideDialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) override { return PyramideUebernehmen(dokument, eingabe_); }
    TElementart Art() const override { return TElementart::DPyramide3; }

    // The model as the widgets show it now.
    TPyramidenEingabe Eingabe() const;

    QGroupBox* SpitzeBox = nullptr;
    QGroupBox* DreieckBox = nullptr;
    QComboBox* SpitzeName = nullptr;
    TEdits Spitze{};
    QComboBox* DreieckName = nullptr;
    TMesswertLabel* VolumenWert = nullptr;

protected:
    TEingabePruefung Pruefen(TDokument& dokument) override;
    // There is no "Übernehmen".
    void FuerNaechstes(const TListe&) override {}
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen();
    void Sammeln(TPyramidenEingabe& e) const;
    void FeldGeaendert();
    void SpitzeGewaehlt();

    TPyramidenEingabe eingabe_;
    std::vector<std::string> punkteGezeigt_, dreieckeGezeigt_;
};

} // namespace kalvorin
