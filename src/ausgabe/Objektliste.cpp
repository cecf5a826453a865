#include "ausgabe/Objektliste.h"

#include "document/Dokument.h"
#include "exakt/Gleichungen.h"
#include "geometry/Beschreibung.h"
#include "model/Elementarten.h"
#include "model/Utf8.h"
#include "storage/Einstellungen.h"
#include "zahlen/Zahlen.h"

#include <utility>

namespace kalvorin {

namespace {

constexpr std::size_t MaxAnzeigeLaenge = 20; // characters

bool OhneSichtbarkeit(const TDreiDBasisElement& e) {
    return !Artangaben(e.Art).Gezeichnet;
}

int SortierSchluessel(const TDreiDBasisElement& e, TSortierung nach) {
    switch (nach) {
    case TSortierung::Entstehung:
        return e.Nummer;
    case TSortierung::Objektart:
        return e.ArtNummer();
    case TSortierung::Markierung:
        return e.markiert ? 0 : 1;
    }
    return 0;
}

} // namespace

TDreiDBasisElement* ElementInZeile(const TListe& liste, int zeile) {
    if (zeile < 1 || zeile > liste.Anzahl()) return nullptr;
    return liste[liste.Anzeigereihenfolge(zeile)];
}

int ZeileVonSlot(const TListe& liste, int slot) {
    for (int z = 1; z <= liste.Anzahl(); ++z)
        if (liste.Anzeigereihenfolge(z) == slot) return z;
    return 0;
}

std::string AnzeigeName(const TDreiDBasisElement& e) {
    std::string name = e.Name;
    if (e.Rolle(TRolle::IstSpiegelzentrum)) name += "(S)";
    if (e.Rolle(TRolle::IstSpiegelAchse)) name += "(S)";
    if (e.Rolle(TRolle::IstSpiegelEbene)) name += "(S)";
    if (e.Rolle(TRolle::IstStreckungszentrum)) name += "(Z)";
    if (e.Rolle(TRolle::IstO_Projektionsebene)) name += "(O)";
    if (e.Rolle(TRolle::IstP_Projektionsebene)) name += "(P)";
    if (e.Rolle(TRolle::IstP_ProjektionsVektor)) name += "(P)";
    if (e.Art == TElementart::DPfeil) {
        // An arrow is known by the vector it carries; a damaged file may
        // leave it without one, and then there is nothing to add.
        if (const TDreiDBasisElement* v = static_cast<const TPfeil&>(e).Vektor())
            name += "(" + v->Name + ")";
    }
    return Utf8Anfang(name, MaxAnzeigeLaenge);
}

std::string ZeilenHinweis(const TDreiDBasisElement& e) {
    const std::string beschreibung =
        e.Entstehung.Art != TEntstehungsart::keine ? EntstehungsText(e) : FestlegungsText(e);
    std::string hinweis = "\r\n  " + beschreibung + "  ";
    if (e.Rolle(TRolle::IstSpiegelzentrum)) hinweis += "\r\n Spiegelzentrum";
    if (e.Rolle(TRolle::IstSpiegelAchse)) hinweis += "\r\n SpiegelAchse";
    if (e.Rolle(TRolle::IstSpiegelEbene)) hinweis += "\r\n Spiegelebene";
    if (e.Rolle(TRolle::IstStreckungszentrum))
        hinweis += "\r\n Streckungszentrum (m = " + FormatMeasure(e.Streckungsfaktor) + ")";
    if (e.Rolle(TRolle::IstO_Projektionsebene) || e.Rolle(TRolle::IstP_Projektionsebene))
        hinweis += "\r\n Projektionsebene";
    if (e.Rolle(TRolle::IstP_ProjektionsVektor)) hinweis += "\r\n Projektionsvektor";
    return hinweis + "\r\n";
}

std::string ExakterHinweis(const TDreiDBasisElement& e) {
    if (!Einstellungen().ExakteWerte) return {};
    exakt::TExakteAuswertung auswertung;
    std::string hinweis;
    try {
        for (const exakt::TForm& f : exakt::Formen(auswertung, e))
            hinweis += "  " + f.Name + ": " + f.Text + "  \r\n";
    } catch (const std::exception&) {
        return {};
    }
    return hinweis.empty() ? hinweis : "exakt:\r\n" + hinweis;
}

void Sortieren(TListe& liste, TSortierung nach) {
    const int n = liste.Anzahl();
    auto schluessel = [&](int zeile) {
        return SortierSchluessel(*ElementInZeile(liste, zeile), nach);
    };
    // Exchanging only neighbours that are strictly out of order keeps equal
    // keys in their previous order.
    for (bool getauscht = true; getauscht;) {
        getauscht = false;
        for (int z = 1; z < n; ++z)
            if (schluessel(z) > schluessel(z + 1)) {
                std::swap(liste.Anzeigereihenfolge(z), liste.Anzeigereihenfolge(z + 1));
                getauscht = true;
            }
    }
}

bool TObjektlistenZustand::ZelleGeklickt(TListe& liste, int zeile, TListenspalte spalte,
                                         bool mehrfach) {
    TDreiDBasisElement* e = ElementInZeile(liste, zeile);
    if (!e) return false;
    aktuellesElement_ = e->Nummer;
    switch (spalte) {
    case TListenspalte::Art:
    case TListenspalte::Name:
        if (!mehrfach)
            for (int i = 1; i <= liste.Anzahl(); ++i)
                if (liste[i] != e) liste[i]->markiert = false;
        e->markiert = !e->markiert;
        return true;
    case TListenspalte::Sichtbar:
        if (!OhneSichtbarkeit(*e)) {
            e->sichtbar = !e->sichtbar;
            sichtbarkeitGeaendert_ = true;
            schritt_ = SchrittSichtbarkeit(e, false, e->sichtbar);
        }
        return false;
    case TListenspalte::Beschriftung:
        if (!OhneSichtbarkeit(*e)) {
            e->NameSichtbar = !e->NameSichtbar;
            sichtbarkeitGeaendert_ = true;
            schritt_ = SchrittSichtbarkeit(e, true, e->NameSichtbar);
        }
        return false;
    }
    return false;
}

void TObjektlistenZustand::KopfGeklickt(TListe& liste, TListenspalte spalte) {
    if (spalte == TListenspalte::Sichtbar || spalte == TListenspalte::Beschriftung) {
        for (int i = 1; i <= liste.Anzahl(); ++i) {
            if (spalte == TListenspalte::Sichtbar)
                liste[i]->sichtbar = false;
            else
                liste[i]->NameSichtbar = false;
        }
        sichtbarkeitGeaendert_ = true;
        schritt_ = SchrittSichtbarkeit(nullptr, spalte == TListenspalte::Beschriftung, false);
    }
    const TDreiDBasisElement* erstes = ElementInZeile(liste, 1);
    aktuellesElement_ = erstes ? erstes->Nummer : 0;
}

bool TObjektlistenZustand::MausLosgelassen() {
    return std::exchange(sichtbarkeitGeaendert_, false);
}

TDreiDBasisElement* TObjektlistenZustand::AktuellesElement(const TListe& liste) const {
    if (aktuellesElement_ == 0) return nullptr;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i]->Nummer == aktuellesElement_) return liste[i];
    return nullptr;
}

void TObjektlistenZustand::Zuruecksetzen() {
    sichtbarkeitGeaendert_ = false;
    schritt_.clear();
    aktuellesElement_ = 0;
}

bool SichtbarkeitKlicken(TDokument& d, TObjektlistenZustand& z,
                         const std::function<void(TListe&)>& klick) {
    return d.Aendern([&](TListe& liste) {
        klick(liste);
        d.SchrittNennen(z.Schritt());
        return z.MausLosgelassen();
    });
}

} // namespace kalvorin
