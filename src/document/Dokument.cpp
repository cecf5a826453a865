#include "document/Dokument.h"

#include "document/Loeschen.h"
#include "document/Neuaufbau.h"
#include "model/StandardEinstellungen.h"
#include "model/Utf8.h"
#include "view/Ansicht.h"

namespace kalvorin {

TDokument::TDokument()
    : ks_(KoordinatensystemFuerNeuesFenster(Einstellungen())), szene_(abbildung_) {
    AnsichtEinrichten();
    AusgangslageSetzen(szene_);
    Neuaufbau();
}

void TDokument::AnsichtEinrichten() {
    ZeichenfensterEinrichten(ks_, abbildung_, szene_);
}

void TDokument::Melden() {
    for (const auto& b : beobachter_)
        b();
}

bool TDokument::Aendern(const std::function<bool(TListe&)>& aendern, const TAenderung& wie) {
    if (wie.Schnappschuss) rueckgaengig_.SchnappschussNehmen(liste_, *wie.Schnappschuss);
    const bool geaendert = aendern(liste_);
    if (geaendert) geaendert_ = true;
    if (wie.Neuaufbau == TNeuaufbau::Immer ||
        (geaendert && wie.Neuaufbau == TNeuaufbau::WennGeaendert))
        Neuaufbau();
    else
        Melden();
    return geaendert;
}

void TDokument::Markieren(const std::function<void(TListe&)>& markieren) {
    markieren(liste_);
    Melden();
}

void TDokument::KoordinatensystemAendern(const std::function<void(TKoordinatensystem&)>& aendern,
                                         bool geaendert) {
    aendern(ks_);
    AnsichtEinrichten();
    if (geaendert) geaendert_ = true;
    Neuaufbau();
}

void TDokument::Neuaufbau() {
    szene_.Leeren();
    KoordinatensystemInSzene(szene_, ks_);
    for (int slot = 1; slot <= liste_.Anzahl(); ++slot)
        ElementAktualisieren(liste_, slot, szene_);
    NamenSetzen();
    szene_.Projizieren();
    szene_.Sortieren();
    Melden();
}

void TDokument::NamenSetzen() {
    for (int i = 1; i <= liste_.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste_[i];
        const bool benannt = e.Art == TElementart::DfrPunkt || e.Art == TElementart::DPfeil ||
                             e.Art == TElementart::DStrecke || e.Art == TElementart::DGerade ||
                             e.Art == TElementart::DEbene;
        if (!benannt || !e.sichtbar || e.Szenenobjekte.none() || e.Szenenobjekte.test(0)) continue;
        int erstes = 1;
        while (!e.Szenenobjekte.test(static_cast<std::size_t>(erstes)))
            ++erstes;
        if (erstes > szene_.Objektzahl()) continue;
        // Every element, an arrow too, is labelled with its own name, the
        // one the object list shows.
        const std::string name = Utf8Anfang(e.Name, 8);
        szene_.SetzeName(erstes, name, 1, e.Art == TElementart::DEbene ? Schwarz : e.Farbe);
        szene_.SetzeNameSichtbar(erstes, e.NameSichtbar);
    }
}

void TDokument::Ausgangslage() {
    AusgangslageSetzen(szene_);
    Neuaufbau();
}

bool TDokument::Zoomen(Real faktor) {
    // At its limit the range stays, and nothing is rebuilt.
    if (TKoordinatensystem probe = ks_; !probe.Zoomen(faktor)) return false;
    // The range is part of the file, but zooming has never counted as a
    // modification.
    KoordinatensystemAendern([faktor](TKoordinatensystem& ks) { ks.Zoomen(faktor); }, false);
    return true;
}

bool TDokument::RueckgaengigMachen() {
    if (!rueckgaengig_.Moeglich()) return false;
    Aendern([this](TListe& l) {
        rueckgaengig_.Wiederherstellen(l);
        return false;
    });
    return true;
}

TLadeergebnis TDokument::Wiederherstellen(const std::string& kopie, const std::string& dateiname,
                                          bool schreibgeschuetzt) {
    const TLadeergebnis ergebnis = Laden(kopie);
    if (ergebnis == TLadeergebnis::Gelesen) {
        dateiname_ = dateiname;
        schreibgeschuetzt_ = !dateiname.empty() && schreibgeschuetzt;
        geaendert_ = true;
        Melden();
    } else if (ergebnis == TLadeergebnis::Teilweise) {
        liste_.Leeren();
        rollen_ = 0;
        geaendert_ = false;
        Neuaufbau();
    }
    return ergebnis;
}

bool TDokument::MarkierteLoeschen() {
    // The deletion takes its own undo copy before it asks.
    return Aendern([this](TListe& l) { return kalvorin::MarkierteLoeschen(l, rueckgaengig_); },
                   {TNeuaufbau::WennGeaendert, {}});
}

} // namespace kalvorin
