#pragma once
// "Festlegen eines Dreiecks": a triangle by its three corners, each chosen
// by name or typed with a new name; area and angles shown while typing.
// OK is the only accepting button.

#include "eingabe/DreieckEingabe.h"
#include "ui/TEckenDLG.h"

namespace kalvorin {

class TDreieckDLG : public TEckenDialog<TDreieckEingabe, TDreieckMasse, 3> {
    Q_OBJECT
public:
    explicit TDreieckDLG(QWidget* eltern = nullptr);

    void DreieckDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void DreieckDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }
};

} // namespace kalvorin
