#include "eingabe/PyramidenEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

#include <cmath>

namespace kalvorin {

namespace {

constexpr std::uint32_t DreieckArten = Arten({TElementart::DDreieck});

} // namespace

TPyramidenEingabe PyramideEingabeNeu(const TListe& liste) {
    TPyramidenEingabe e;
    NeuVorbereiten(e, liste, TElementart::DPyramide3);
    e.Punkte = NamenDerArt(liste, PunktArten);
    e.Dreiecke = NamenDerArt(liste, DreieckArten);
    return e;
}

TPyramidenEingabe PyramideEingabeAusElement(const TListe& liste, int position) {
    TPyramidenEingabe e = PyramideEingabeNeu(liste);
    const auto& p = Als<TPyramide3>(*liste[position]);
    AusElementVorbereiten(e, p);
    e.Punkte = NamenDerArt(liste, PunktArten, &p);
    e.Dreiecke = NamenDerArt(liste, DreieckArten, &p);
    TTripel s;
    if (const TDreiDBasisElement* spitze = p.Spitze()) {
        PunktAuswerten(*spitze, s);
        e.Spitze = {spitze->Name, FeldTexte(s), true};
    }
    if (const TDreiDBasisElement* basis = p.Grundflaeche()) e.Dreieck = basis->Name;
    return e;
}

const TDreiDBasisElement* GewaehltesDreieck(const TListe& liste, const TPyramidenEingabe& e) {
    return BenanntesElement(liste, e.Dreieck, DreieckArten);
}

std::string PyramidenVolumen(const TListe& liste, const TPyramidenEingabe& e) {
    const TDreiDBasisElement* dreieck = GewaehltesDreieck(liste, e);
    const TTeilWert s = TeilWert(liste, e.Spitze, PunktArten);
    std::array<TTripel, 3> g;
    if (!dreieck || s.Fehler || DreieckAuswerten(*dreieck, g) == FehlerBezug) return {};
    const TTripel n = Kreuzprodukt(Verbindungsvektor(g[0], g[1]), Verbindungsvektor(g[0], g[2]));
    return FormatMeasure(std::fabs(Skalarprodukt(Verbindungsvektor(g[0], s.Wert), n)) / 6) + " VE";
}

std::string PyramidenChecks(const TListe& liste, const TPyramidenEingabe& e) {
    std::string meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name bereits vergeben!").Meldung;
    if (e.Abgeleitet) return meldung; // apex and base only show where the pyramid came from

    if (std::string f = TeilNameFehler(liste, e.Spitze, PunktArten, e.Name,
                                       "Der Name der Spitze ist bereits vergeben!");
        !f.empty())
        meldung = f;
    if (TeilName(e.Spitze.Name) == TeilName(e.Dreieck))
        meldung = "Spitze und Dreieck besitzen den gleichen Namen!";
    // The list offers only triangles; a name without one would leave the
    // pyramid without its base.
    const TDreiDBasisElement* dreieck = GewaehltesDreieck(liste, e);
    if (!dreieck) meldung = "Das Grunddreieck ist nicht vorhanden!";
    const TTeilWert s = TeilWert(liste, e.Spitze, PunktArten);
    if (s.Fehler) meldung = "Koordinaten der Spitze nicht richtig festgelegt!";
    std::array<TTripel, 3> g;
    if (dreieck && !s.Fehler && DreieckAuswerten(*dreieck, g) != FehlerBezug &&
        SpitzeInGrundflaeche(g, s.Wert))
        meldung = "Die Spitze liegt in der Grundflächenebene!";
    if (e.Selbst) {
        const TDreiDBasisElement* spitze = BenanntesElement(liste, e.Spitze.Name, PunktArten);
        for (const TDreiDBasisElement* teil : {spitze, dreieck})
            if (teil && HaengtAb(*teil, *e.Selbst)) meldung = KreisText(teil->Name, "der Pyramide");
    }

    const int neu = static_cast<int>(PyramideNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (meldung.empty() && !HatPlatzFuer(liste, neu)) meldung = ListeVollMeldung;
    return meldung;
}

TEingabePruefung PyramidePruefen(const TListe& liste, const TPyramidenEingabe& e) {
    TEingabePruefung r;
    if (!e.Spitze.AllesGefuellt() || !Gefuellt(e.Dreieck)) {
        r.Ergebnis = TPruefergebnis::Unvollstaendig;
        r.Meldung = UnvollstaendigText;
        return r;
    }
    r.Meldung = PyramidenChecks(liste, e);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

std::vector<TElementart> PyramideNeueTeile(const TListe& liste, const TPyramidenEingabe& e) {
    if (e.Abgeleitet) return {};
    return NeueTeile(liste, {{&e.Spitze, TElementart::DfrPunkt}});
}

bool PyramideAusDialog(TListe& liste, int position, const TPyramidenEingabe& e) {
    TDreiDBasisElement* dreieck =
        GewaehltesDreieck(liste, e) ? liste.ElementMitName(TeilName(e.Dreieck)) : nullptr;
    if (!e.Abgeleitet && !dreieck) return false;
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(PyramideNeueTeile(liste, e).size())))
        return false;
    TDreiDBasisElement& p = *liste[position];
    p.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    if (!e.Abgeleitet) {
        p.Festlegung = 0;
        int naechster = position + 1;
        p.Bezuege = {dreieck,
                     TeilSchreiben(liste, e.Spitze, TElementart::DfrPunkt, e.Neu, naechster),
                     nullptr};
    }
    AussehenSchreiben(p, e);
    return true;
}

int PyramideUebernehmen(TDokument& dokument, const TPyramidenEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DPyramide3,
        [&](const TListe& l) -> std::optional<std::vector<TElementart>> {
            if (!GewaehltesDreieck(l, e)) return std::nullopt;
            return PyramideNeueTeile(l, e);
        },
        [&](TListe& l, int slot) { return PyramideAusDialog(l, slot, e); });
}

} // namespace kalvorin
