#include "eingabe/KreisEingabe.h"

#include "eingabe/KugelEingabe.h"
#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

TKreisEingabe KreisEingabeNeu(const TListe& liste) {
    TKreisEingabe e;
    NeuVorbereiten(e, liste, TElementart::DKreis);
    return e;
}

TKreisEingabe KreisEingabeAusElement(const TListe& liste, int position) {
    TKreisEingabe e = KreisEingabeNeu(liste);
    const auto& k = Als<TKreis>(*liste[position]);
    AusElementVorbereiten(e, k);
    e.Mitte = e.MitteAngezeigt = FeldTexte(k.Zentrum);
    e.MitteGehalten = k.Zentrum;
    e.Normale = e.NormaleAngezeigt = FeldTexte(k.Normale);
    e.NormaleGehalten = k.Normale;
    e.Radius = e.RadiusAngezeigt = FormatNumber(k.Radius);
    e.RadiusGehalten = k.Radius;
    e.NurLesen = e.Abgeleitet;
    return e;
}

void KreisFuerNaechste(TKreisEingabe& e, const TListe& liste) {
    TKreisEingabe n = KreisEingabeNeu(liste);
    n.Duenn = e.Duenn;
    n.Farbe = e.Farbe;
    e = std::move(n);
}

TEingabePruefung KreisPruefen(const TListe& liste, const TKreisEingabe& e) {
    TEingabePruefung r;
    const bool leer = KeinesGefuellt(e.Mitte) && KeinesGefuellt(e.Normale) && !Gefuellt(e.Radius);
    if (!(AlleGefuellt(e.Mitte) && AlleGefuellt(e.Normale) && Gefuellt(e.Radius))) {
        r.Ergebnis = leer ? TPruefergebnis::StillSchliessen : TPruefergebnis::Unvollstaendig;
        if (!leer) r.Meldung = UnvollstaendigText;
        return r;
    }
    r.Meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name des Kreises bereits vergeben!").Meldung;
    if (!e.NurLesen) {
        const TNullEingabe n = ParseTripelZero(e.Normale[0], e.Normale[1], e.Normale[2]);
        const TZahl z = ParseNumber(e.Radius);
        if (ParseTripel(e.Mitte[0], e.Mitte[1], e.Mitte[2]).Fehler)
            r.Meldung = KugelMitteFehlerText;
        else if (n.Fehler || n.IstNull)
            r.Meldung = KreisNormaleFehlerText;
        else if (z.Code != ZahlGueltig || !(z.Wert > 0))
            r.Meldung = KugelRadiusFehlerText;
    }
    if (r.Meldung.empty() && e.Neu && !HatPlatzFuer(liste, 1)) r.Meldung = ListeVollMeldung;
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

bool KreisAusDialog(TListe& liste, int position, const TKreisEingabe& e) {
    TKreis& k = Als<TKreis>(*liste[position]);
    k.sichtbar = true;
    k.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    if (!e.NurLesen) {
        k.Zentrum = FeldWerte(e.Mitte, e.MitteAngezeigt, e.MitteGehalten);
        k.Normale = FeldWerte(e.Normale, e.NormaleAngezeigt, e.NormaleGehalten);
        k.Radius = FeldWert(e.Radius, e.RadiusAngezeigt, e.RadiusGehalten);
    }
    AussehenSchreiben(k, e);
    return true;
}

int KreisUebernehmen(TDokument& dokument, const TKreisEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DKreis,
        [](const TListe&) { return std::optional<std::vector<TElementart>>(std::in_place); },
        [&](TListe& l, int slot) { return KreisAusDialog(l, slot, e); });
}

} // namespace kalvorin
