#include "document/Dokument.h"

#include "document/Loeschen.h"
#include "document/Neuaufbau.h"
#include "model/Utf8.h"
#include "storage/Einstellungen.h"
#include "view/Ansicht.h"

namespace kalvorin {

TDokument::TDokument()
    : ks_(KoordinatensystemFuerNeuesFenster(Einstellungen())), szene_(abbildung_) {
    liste_.BeiAenderung = [this] { Geaendert = true; };
    AnsichtEinrichten();
    AusgangslageSetzen(szene_);
}

void TDokument::AnsichtEinrichten() { ZeichenfensterEinrichten(ks_, abbildung_, szene_); }

void TDokument::Neuaufbau() {
    szene_.Leeren();
    KoordinatensystemInSzene(szene_, ks_);
    for (int slot = 1; slot <= liste_.Anzahl(); ++slot)
        ElementAktualisieren(liste_, slot, szene_);
    NamenSetzen();
    szene_.Projizieren();
    szene_.Sortieren();
}

void TDokument::NamenSetzen() {
    for (int i = 1; i <= liste_.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste_[i];
        const bool benannt = e.Art == TElementart::DfrPunkt || e.Art == TElementart::DPfeil ||
                             e.Art == TElementart::DStrecke || e.Art == TElementart::DGerade ||
                             e.Art == TElementart::DEbene;
        if (!benannt || !e.sichtbar || e.Szenenobjekte.none() || e.Szenenobjekte.test(0))
            continue;
        int erstes = 1;
        while (!e.Szenenobjekte.test(static_cast<std::size_t>(erstes)))
            ++erstes;
        if (erstes > szene_.Objektzahl())
            continue;
        // An arrow is labelled with the name of the vector it carries.
        const TDreiDBasisElement* traeger =
            e.Art == TElementart::DPfeil ? Als<TPfeil>(e).Vektor() : &e;
        const std::string name = Utf8Anfang(traeger ? traeger->Name : e.Name, 8);
        szene_.SetzeName(erstes, name, 1, e.Art == TElementart::DEbene ? Schwarz : e.Farbe);
        szene_.SetzeNameSichtbar(erstes, e.NameSichtbar);
    }
}

void TDokument::Ausgangslage() {
    AusgangslageSetzen(szene_);
    Neuaufbau();
}

bool TDokument::Zoomen(Real faktor) {
    if (!ks_.Zoomen(faktor))
        return false;
    AnsichtEinrichten();
    Neuaufbau();
    return true;
}

bool TDokument::RueckgaengigMachen() {
    if (!rueckgaengig_.Wiederherstellen(liste_))
        return false;
    Neuaufbau();
    return true;
}

bool TDokument::MarkierteLoeschen() {
    if (!kalvorin::MarkierteLoeschen(liste_, rueckgaengig_))
        return false;
    Geaendert = true;
    Neuaufbau();
    return true;
}

} // namespace kalvorin
