// The core of the dilation factor dialog: what it shows when it opens, the
// factor given as a ratio of two lengths, and its "OK".

#include "befehle/Befehle.h"
#include "befehle/BefehleHilfen.h"
#include "geometry/Auswertung.h"
#include "storage/Einstellungen.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

// The new centre: the marked point. Other marked kinds (segments,
// triangles, pyramids) do not show in the pattern that offers the dialog
// and cannot be a centre.
TDreiDBasisElement* NeuesZentrum(const TListe& l) {
    const auto p = befehle::Markierte(l, TElementart::DfrPunkt);
    return p.empty() ? nullptr : p.back();
}

} // namespace

TStreckungsStart StreckungsDialogStart(const TListe& l) {
    TStreckungsStart s;
    s.AltesZentrum = RollenTraeger(l, TRolle::IstStreckungszentrum);
    s.NeuesZentrum = NeuesZentrum(l);
    if (s.NeuesZentrum) s.Faktor = s.NeuesZentrum->Streckungsfaktor;
    s.FaktorText = FormatGeneral(s.Faktor, Einstellungen().StandardStellen);
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (l[i]->Art == TElementart::DVektor || l[i]->Art == TElementart::DStrecke)
            s.Namen.push_back(l[i]->Name);
    return s;
}

bool StreckungFestlegen(TDokument& d, std::string_view faktorText) {
    if (!Angeboten(d, TBefehl::MStreckung)) return false;
    const TZahl z = ParseNumber(faktorText);
    if (z.Code != ZahlGueltig) {
        Meldungen().Meldung("Falsche Eingabe des Streckungsfaktors!", TMeldungsart::Warnung);
        return false;
    }
    return StreckungFestlegen(d, z.Wert);
}

bool StreckungFestlegen(TDokument& d, Real faktor) {
    if (!Angeboten(d, TBefehl::MStreckung)) return false;
    TDreiDBasisElement* zentrum = NeuesZentrum(d.Liste());
    if (!zentrum) return false;
    if (faktor == 0) {
        Meldungen().Meldung("Streckungsfaktor ist 0!", TMeldungsart::Warnung);
        return false;
    }
    TAenderung wie;
    wie.Schritt = "Streckung festlegen";
    return d.Aendern(
        [&](TListe& l) {
            // A document has one dilation centre; after inserting a file there
            // may be more, and all of them give it up.
            for (int i = 1; i <= l.Anzahl(); ++i) {
                if (l[i]->Rolle(TRolle::IstStreckungszentrum)) {
                    l[i]->SetzeRolle(TRolle::IstStreckungszentrum, false);
                    l[i]->Streckungsfaktor = 1;
                }
            }
            zentrum->SetzeRolle(TRolle::IstStreckungszentrum, true);
            zentrum->Streckungsfaktor = faktor;
            return true;
        },
        wie);
}

namespace {

enum class TLaengenArt { Laenge, Fehler, Unpassend };

struct TLaenge {
    TLaengenArt Art = TLaengenArt::Fehler;
    Real Wert = 0;
};

TLaenge LaengeAus(const TListe& l, std::string_view text) {
    if (const TDreiDBasisElement* e = l.ElementMitName(text)) {
        if (e->Art == TElementart::DStrecke) {
            TTripel a, b;
            const auto* s = &Als<TStrecke>(*e);
            if (!s->Anfang() || !s->Ende() || PunktAuswerten(*s->Anfang(), a) != KeinFehler ||
                PunktAuswerten(*s->Ende(), b) != KeinFehler)
                return {};
            return {TLaengenArt::Laenge, Betrag(Verbindungsvektor(a, b))};
        }
        if (e->Art == TElementart::DVektor) {
            TTripel v;
            if (VektorAuswerten(*e, v) != KeinFehler) return {};
            return {TLaengenArt::Laenge, Betrag(v)};
        }
        return {TLaengenArt::Unpassend, 0};
    }
    const TZahl z = ParseNumber(text);
    if (z.Code != ZahlGueltig) return {};
    return {TLaengenArt::Laenge, z.Wert};
}

} // namespace

TStreckungsVerhaeltnis StreckungsVerhaeltnis(const TListe& l, std::string_view oben,
                                             std::string_view unten) {
    TStreckungsVerhaeltnis r{std::string(NichtFestgelegt), std::nullopt};
    if (oben.empty() || unten.empty()) return r;
    const TLaenge a = LaengeAus(l, oben);
    const TLaenge b = LaengeAus(l, unten);
    // The name of an element that has no length leaves the factor alone.
    if (a.Art == TLaengenArt::Unpassend || b.Art == TLaengenArt::Unpassend) return r;
    if (a.Art == TLaengenArt::Fehler || b.Art == TLaengenArt::Fehler) {
        r.Faktor = 1;
        return r;
    }
    const Real f = b.Wert == 0 ? 1 : a.Wert / b.Wert;
    r.Faktor = f;
    r.Anzeige = "= " + FormatMeasure(f);
    return r;
}

} // namespace kalvorin
