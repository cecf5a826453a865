#include "ui/ElementDialoge.h"

#include "document/Dokument.h"
#include "document/ElementEingabe.h"
#include "model/Meldungen.h"
#include "ui/TGeradenDLG.h"
#include "ui/TPunktDLG.h"

#include <QPointer>
#include <QPushButton>

namespace kalvorin {

namespace {

QPointer<TPunktDLG> punktDialog;
QPointer<TGeradenDLG> geradenDialog;

QWidget* Fenster(QWidget* w) { return w ? w->window() : nullptr; }

void ListeVoll() { Meldungen().Meldung(ListeVollMeldung, TMeldungsart::Warnung, "Kalvorin"); }

// Properties mode: the dialog cannot add elements.
template <class Dialog, class Fuellen, class Zurueck>
bool Bearbeiten(Dialog* d, TDokument& dokument, int slot, Fuellen fuellen, Zurueck zurueck) {
    d->Akzeptiert = false;
    d->UebernehmenKnopf->setEnabled(false);
    fuellen();
    d->exec();
    d->UebernehmenKnopf->setEnabled(true);
    if (!d->Akzeptiert)
        return false;
    return dokument.Aendern([&](TListe& liste) {
        zurueck(liste, slot);
        return true;
    });
}

} // namespace

void ElementDialogeErzeugen(QWidget* hauptfenster) {
    PunktDialog(hauptfenster);
    GeradenDialog(hauptfenster);
}

TPunktDLG* PunktDialog(QWidget* hauptfenster) {
    if (!punktDialog)
        punktDialog = new TPunktDLG(Fenster(hauptfenster));
    return punktDialog;
}

TGeradenDLG* GeradenDialog(QWidget* hauptfenster) {
    if (!geradenDialog)
        geradenDialog = new TGeradenDLG(Fenster(hauptfenster));
    return geradenDialog;
}

bool PunktNeu(QWidget* hauptfenster, TDokument& dokument) {
    if (dokument.Liste().Voll()) {
        ListeVoll();
        return false;
    }
    TPunktDLG* d = PunktDialog(hauptfenster);
    d->Akzeptiert = false;
    d->PunktDialogNeu(dokument);
    d->exec();
    bool geaendert = d->Uebernommen;
    if (d->Akzeptiert)
        geaendert = dokument.Aendern(
                        [&](TListe& liste) {
                            if (!liste.Neu(TElementart::DfrPunkt)) {
                                ListeVoll();
                                return false;
                            }
                            d->PunktAusDialog(liste, liste.Anzahl());
                            return true;
                        },
                        {TNeuaufbau::WennGeaendert, {}}) ||
                    geaendert;
    return geaendert;
}

bool GeradeNeu(QWidget* hauptfenster, TDokument& dokument) {
    if (dokument.Liste().Voll()) {
        ListeVoll();
        return false;
    }
    TGeradenDLG* d = GeradenDialog(hauptfenster);
    d->Akzeptiert = false;
    d->GeradeDialogNeu(dokument);
    d->exec();
    bool geaendert = d->Uebernommen;
    if (d->Akzeptiert)
        geaendert = dokument.Aendern(
                        [&](TListe& liste) {
                            if (d->NeueGeradeAnlegen(liste) != 0)
                                return true;
                            ListeVoll();
                            return false;
                        },
                        {TNeuaufbau::WennGeaendert, {}}) ||
                    geaendert;
    return geaendert;
}

bool ElementBearbeiten(QWidget* hauptfenster, TDokument& dokument, TDreiDBasisElement* element) {
    const int slot = element ? dokument.Liste().SlotVon(element) : 0;
    if (slot == 0)
        return false;
    switch (element->Art) {
    case TElementart::DfrPunkt: {
        TPunktDLG* d = PunktDialog(hauptfenster);
        return Bearbeiten(
            d, dokument, slot, [&] { d->PunktDialogAusElement(dokument, slot); },
            [d](TListe& liste, int s) { d->PunktAusDialog(liste, s); });
    }
    case TElementart::DGerade: {
        TGeradenDLG* d = GeradenDialog(hauptfenster);
        return Bearbeiten(
            d, dokument, slot,
            [&] {
                d->GeradeDialogNeu(dokument);
                d->GeradeDialogAusElement(dokument, slot);
            },
            [d](TListe& liste, int s) { d->GeradeAusDialog(liste, s); });
    }
    default:
        return false;
    }
}

} // namespace kalvorin
