#include "ui/ElementDialoge.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "ui/TDreieckDLG.h"
#include "ui/TEbenenDLG.h"
#include "ui/TGeradenDLG.h"
#include "ui/TPfeilDLG.h"
#include "ui/TPunktDLG.h"
#include "ui/TPyramide3DLG.h"
#include "ui/TStreckenDLG.h"
#include "ui/TVektorDLG.h"

#include <QPointer>
#include <QPushButton>

#include <array>

namespace kalvorin {

namespace {

template <class Dialog> TElementDLG* Erzeugen(QWidget* eltern) {
    return new Dialog(eltern);
}

struct TDialogEintrag {
    TElementart Art;
    TElementDLG* (*Erzeugen)(QWidget*);
};

// Kind → dialog, in the order the program creates them at start.
constexpr TDialogEintrag Dialogtabelle[] = {
    {TElementart::DEbene, &Erzeugen<TEbenenDLG>},
    {TElementart::DGerade, &Erzeugen<TGeradenDLG>},
    {TElementart::DfrPunkt, &Erzeugen<TPunktDLG>},
    {TElementart::DStrecke, &Erzeugen<TStreckenDLG>},
    {TElementart::DPfeil, &Erzeugen<TPfeilDLG>},
    {TElementart::DVektor, &Erzeugen<TVektorDLG>},
    {TElementart::DDreieck, &Erzeugen<TDreieckDLG>},
    {TElementart::DPyramide3, &Erzeugen<TPyramide3DLG>},
};

std::array<QPointer<TElementDLG>, AnzahlElementarten> dialoge;

QWidget* Fenster(QWidget* w) {
    return w ? w->window() : nullptr;
}

} // namespace

void ElementDialogeErzeugen(QWidget* hauptfenster) {
    for (const TDialogEintrag& e : Dialogtabelle)
        ElementDialog(e.Art, hauptfenster);
}

TElementDLG* ElementDialog(TElementart art, QWidget* hauptfenster) {
    QPointer<TElementDLG>& d = dialoge[static_cast<std::size_t>(art)];
    if (!d)
        for (const TDialogEintrag& e : Dialogtabelle)
            if (e.Art == art) d = e.Erzeugen(Fenster(hauptfenster));
    return d;
}

bool NeuesElementDialog(QWidget* hauptfenster, TDokument& dokument, TElementart art) {
    TElementDLG* d = ElementDialog(art, hauptfenster);
    if (!d) return false;
    if (dokument.Liste().Voll()) {
        Meldungen().Meldung(ListeVollMeldung, TMeldungsart::Warnung, "Kalvorin");
        return false;
    }
    d->Akzeptiert = false;
    d->FuerNeuesElement(dokument);
    d->exec();
    // Elements added with "Übernehmen" stay, whatever closed the dialog.
    bool geaendert = d->Uebernommen;
    if (d->Akzeptiert) geaendert = d->Anwenden(dokument) != 0 || geaendert;
    return geaendert;
}

bool ElementBearbeiten(QWidget* hauptfenster, TDokument& dokument, TDreiDBasisElement* element) {
    const int slot = element ? dokument.Liste().SlotVon(element) : 0;
    TElementDLG* d = slot ? ElementDialog(element->Art, hauptfenster) : nullptr;
    if (!d) return false;
    // Properties mode cannot add elements.
    d->Akzeptiert = false;
    d->UebernehmenKnopf->setEnabled(false);
    d->FuerElement(dokument, slot);
    d->exec();
    d->UebernehmenKnopf->setEnabled(true);
    return d->Akzeptiert && d->Anwenden(dokument) != 0;
}

} // namespace kalvorin
