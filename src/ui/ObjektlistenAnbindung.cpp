#include "ui/ObjektlistenAnbindung.h"

#include "document/Dokument.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"

namespace kalvorin {

void ObjektlisteAnbinden(TMainForm& haupt, TListenformular& liste) {
    haupt.addDockWidget(Qt::RightDockWidgetArea, &liste);
    QObject::connect(&haupt, &TMainForm::AktivesDokumentGeaendert, &liste,
                     &TListenformular::ZeigeDokument);
    QObject::connect(&haupt, &TMainForm::Anzeigefilter, &liste, &TListenformular::SetzeVerborgen);
    QObject::connect(&haupt, &TMainForm::DokumentAktualisiert, &liste,
                     [&liste] { liste.Aktualisieren(); });
    QObject::connect(&liste, &TListenformular::DokumentGeaendert, &haupt,
                     &TMainForm::DokumentNeuZeichnen);
    QObject::connect(&liste, &TListenformular::BefehlAngefordert, &haupt,
                     [&haupt](const QString& befehl) {
                         // The commands check the offers themselves.
                         haupt.Ausfuehren(befehl.toStdString());
                     });
    QObject::connect(&liste, &TListenformular::ElementDoppelklick, &haupt,
                     [&haupt](TDreiDBasisElement* e) {
                         haupt.ElementBearbeitenClick(haupt.AktivesDokument(), e);
                     });
    QObject::connect(&haupt, &TMainForm::ElementDialogGewuenscht, &haupt,
                     &TMainForm::ElementBearbeitenClick);
}

} // namespace kalvorin
