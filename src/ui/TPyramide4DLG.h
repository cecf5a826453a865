#pragma once
// "Erzeugen einer vierseitigen Pyramide": a four-sided pyramid by its
// apex, chosen by name or typed with a new name, over a quadrilateral of
// the document; the volume shown while typing. OK is the only accepting
// button.

#include "eingabe/PyramidenEingabe.h"
#include "ui/TElementDLG.h"

class QComboBox;

namespace kalvorin {

class TMesswertLabel;

class TPyramide4DLG : public TElementDialog<TPyramidenEingabe> {
    Q_OBJECT
public:
    explicit TPyramide4DLG(QWidget* eltern = nullptr);

    void PyramideDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void PyramideDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    QGroupBox* SpitzeBox = nullptr;
    QGroupBox* ViereckBox = nullptr;
    QComboBox* SpitzeName = nullptr;
    TEdits Spitze{};
    QComboBox* ViereckName = nullptr;
    TMesswertLabel* VolumenWert = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    void Zeigen() override;
    void Sammeln(TPyramidenEingabe& e) const override;
    void SpitzeGewaehlt();

    std::vector<std::string> punkteGezeigt_, vierecke_;
};

} // namespace kalvorin
