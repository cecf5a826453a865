#pragma once
// "Festlegen eines Vierecks": a quadrilateral by its four corners in
// order, each chosen by name or typed with a new name; area and angles
// shown while typing. OK is the only accepting button.

#include "eingabe/ViereckEingabe.h"
#include "ui/TEckenDLG.h"

namespace kalvorin {

class TViereckDLG : public TEckenDialog<TViereckEingabe, TViereckMasse, 4> {
    Q_OBJECT
public:
    explicit TViereckDLG(QWidget* eltern = nullptr);

    void ViereckDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void ViereckDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }
};

} // namespace kalvorin
