#include "ui/ElementDialoge.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "ui/TDreieckDLG.h"
#include "ui/TEbenenDLG.h"
#include "ui/TGeradenDLG.h"
#include "ui/TKreisDLG.h"
#include "ui/TKugelDLG.h"
#include "ui/TPfeilDLG.h"
#include "ui/TPunktDLG.h"
#include "ui/TPyramide3DLG.h"
#include "ui/TPyramide4DLG.h"
#include "ui/TStreckenDLG.h"
#include "ui/TVektorDLG.h"
#include "ui/TViereckDLG.h"

#include <QPointer>
#include <QPushButton>

#include <array>

namespace kalvorin {

namespace {

template <class Dialog> TElementDLG* Erzeugen(QWidget* eltern) {
    return new Dialog(eltern);
}

// The order in which the program creates the dialogs at start.
constexpr TElementart Erzeugungsfolge[] = {
    TElementart::DEbene, TElementart::DGerade, TElementart::DfrPunkt, TElementart::DStrecke,
    TElementart::DPfeil, TElementart::DVektor, TElementart::DDreieck, TElementart::DPyramide3,
    TElementart::DKugel, TElementart::DKreis,  TElementart::DViereck, TElementart::DPyramide4};

std::array<QPointer<TElementDLG>, AnzahlElementarten> dialoge;

QWidget* Fenster(QWidget* w) {
    return w ? w->window() : nullptr;
}

} // namespace

using A = TElementart;
using B = TObjektbild;

const std::array<TArtOberflaeche, AnzahlElementarten> ArtOberflaeche = {{
    {A::DfrPunkt, B::Punkt, &Erzeugen<TPunktDLG>, "IDH_Dialog_Punkt_Bestimmung",
     "IDH_Dialog_Punkt_Eigenschaften"},
    {A::DgebPunkt, B::Punkt, nullptr, nullptr, nullptr},
    {A::DVektor, B::Vektor, &Erzeugen<TVektorDLG>, "IDH_Dialog_Vektor", nullptr},
    {A::DPfeil, B::Pfeil, &Erzeugen<TPfeilDLG>, "IDH_Dialog_Pfeil_Bestimmung",
     "IDH_Dialog_Pfeil_Eigenschaften"},
    {A::DStrecke, B::Strecke, &Erzeugen<TStreckenDLG>, "IDH_Dialog_Strecke_Bestimmung",
     "IDH_Dialog_Strecke_Eigenschaften"},
    {A::DGerade, B::Gerade, &Erzeugen<TGeradenDLG>, "IDH_Dialog_Gerade_Bestimmung",
     "IDH_Dialog_Gerade_Eigenschaften"},
    {A::DDreieck, B::Dreieck, &Erzeugen<TDreieckDLG>, "IDH_Dialog_Dreieck_Bestimmung",
     "IDH_Dialog_Dreieck_Eigenschaften"},
    {A::DPyramide3, B::Pyramide3, &Erzeugen<TPyramide3DLG>, "IDH_Dialog_Pyramide_Bestimmung",
     "IDH_Dialog_Pyramide_Eigenschaften"},
    {A::DEbene, B::Ebene, &Erzeugen<TEbenenDLG>, "IDH_Dialog_Ebene_Bestimmung",
     "IDH_Dialog_Ebene_Eigenschaften"},
    {A::DWinkel, B::Punkt, nullptr, nullptr, nullptr},
    {A::DPllgr, B::Punkt, nullptr, nullptr, nullptr},
    {A::DSpat, B::Punkt, nullptr, nullptr, nullptr},
    {A::DKugel, B::Kugel, &Erzeugen<TKugelDLG>, "IDH_Dialog_Kugel_Bestimmung",
     "IDH_Dialog_Kugel_Eigenschaften"},
    {A::DKreis, B::Kreis, &Erzeugen<TKreisDLG>, "IDH_Dialog_Kreis_Bestimmung",
     "IDH_Dialog_Kreis_Eigenschaften"},
    {A::DPSchar, B::Punkt, nullptr, nullptr, nullptr},
    {A::DVschar, B::Punkt, nullptr, nullptr, nullptr},
    {A::DGschar, B::Punkt, nullptr, nullptr, nullptr},
    {A::DEschar, B::Punkt, nullptr, nullptr, nullptr},
    {A::DViereck, B::Viereck, &Erzeugen<TViereckDLG>, "IDH_Dialog_Viereck_Bestimmung",
     "IDH_Dialog_Viereck_Eigenschaften"},
    {A::DPyramide4, B::Pyramide4, &Erzeugen<TPyramide4DLG>, "IDH_Dialog_Pyramide4_Bestimmung",
     "IDH_Dialog_Pyramide4_Eigenschaften"},
}};

void ElementDialogeErzeugen(QWidget* hauptfenster) {
    for (TElementart art : Erzeugungsfolge)
        ElementDialog(art, hauptfenster);
}

TElementDLG* ElementDialog(TElementart art, QWidget* hauptfenster) {
    const auto i = static_cast<std::size_t>(art);
    QPointer<TElementDLG>& d = dialoge[i];
    if (!d && ArtOberflaeche[i].Dialog) d = ArtOberflaeche[i].Dialog(Fenster(hauptfenster));
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
