#include "eingabe/PyramidenEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

#include <cmath>

namespace kalvorin {

namespace {

constexpr std::uint32_t DreieckArten = Arten({TElementart::DDreieck});
constexpr std::uint32_t ViereckArten = Arten({TElementart::DViereck});

std::uint32_t BasisArten(const TPyramidenEingabe& e) {
    return e.Vierseitig ? ViereckArten : DreieckArten;
}

TPyramidenEingabe Neu(const TListe& liste, bool vierseitig) {
    TPyramidenEingabe e;
    e.Vierseitig = vierseitig;
    NeuVorbereiten(e, liste, vierseitig ? TElementart::DPyramide4 : TElementart::DPyramide3);
    e.Punkte = NamenDerArt(liste, PunktArten);
    e.Dreiecke = NamenDerArt(liste, BasisArten(e));
    return e;
}

TPyramidenEingabe AusElement(const TListe& liste, int position, bool vierseitig) {
    TPyramidenEingabe e = Neu(liste, vierseitig);
    const TDreiDBasisElement& p = *liste[position];
    AusElementVorbereiten(e, p);
    e.Punkte = NamenDerArt(liste, PunktArten, &p);
    e.Dreiecke = NamenDerArt(liste, BasisArten(e), &p);
    TTripel s;
    // Both kinds: the base first, the apex second.
    if (const TDreiDBasisElement* spitze = p.Bezuege[1]) {
        PunktAuswerten(*spitze, s);
        e.Spitze = {spitze->Name, FeldTexte(s), true};
    }
    if (const TDreiDBasisElement* basis = p.Bezuege[0]) e.Dreieck = basis->Name;
    return e;
}

// The volume of the pyramid over the chosen base; false when the base does
// not evaluate or (four-sided) makes no quadrilateral.
bool Volumen(const TDreiDBasisElement& basis, TTripel s, Real& v, bool& inGrundflaeche) {
    if (basis.Art == TElementart::DViereck) {
        std::array<TTripel, 4> q;
        if (ViereckAuswerten(basis, q) == FehlerBezug || ViereckPruefen(q) != KeinFehler)
            return false;
        const TTripel n =
            Kreuzprodukt(Verbindungsvektor(q[0], q[2]), Verbindungsvektor(q[1], q[3]));
        v = std::fabs(Skalarprodukt(Verbindungsvektor(q[0], s), n)) / 6;
        inGrundflaeche = SpitzeInViereck(q, s);
        return true;
    }
    std::array<TTripel, 3> g;
    if (DreieckAuswerten(basis, g) == FehlerBezug) return false;
    const TTripel n = Kreuzprodukt(Verbindungsvektor(g[0], g[1]), Verbindungsvektor(g[0], g[2]));
    v = std::fabs(Skalarprodukt(Verbindungsvektor(g[0], s), n)) / 6;
    inGrundflaeche = SpitzeInGrundflaeche(g, s);
    return true;
}

} // namespace

TPyramidenEingabe PyramideEingabeNeu(const TListe& liste) {
    return Neu(liste, false);
}

TPyramidenEingabe PyramideEingabeAusElement(const TListe& liste, int position) {
    return AusElement(liste, position, false);
}

TPyramidenEingabe Pyramide4EingabeNeu(const TListe& liste) {
    return Neu(liste, true);
}

TPyramidenEingabe Pyramide4EingabeAusElement(const TListe& liste, int position) {
    return AusElement(liste, position, true);
}

const TDreiDBasisElement* GewaehltesDreieck(const TListe& liste, const TPyramidenEingabe& e) {
    return BenanntesElement(liste, e.Dreieck, BasisArten(e));
}

std::string PyramidenVolumen(const TListe& liste, const TPyramidenEingabe& e) {
    const TDreiDBasisElement* dreieck = GewaehltesDreieck(liste, e);
    const TTeilWert s = TeilWert(liste, e.Spitze, PunktArten);
    Real v = 0;
    bool eben = false;
    if (!dreieck || s.Fehler || !Volumen(*dreieck, s.Wert, v, eben)) return {};
    return FormatMeasure(v) + " VE";
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
        meldung = e.Vierseitig ? "Spitze und Viereck besitzen den gleichen Namen!"
                               : "Spitze und Dreieck besitzen den gleichen Namen!";
    // The list offers only triangles (quadrilaterals); a name without one
    // would leave the pyramid without its base.
    const TDreiDBasisElement* dreieck = GewaehltesDreieck(liste, e);
    if (!dreieck)
        meldung = e.Vierseitig ? "Das Grundviereck ist nicht vorhanden!"
                               : "Das Grunddreieck ist nicht vorhanden!";
    const TTeilWert s = TeilWert(liste, e.Spitze, PunktArten);
    if (s.Fehler) meldung = "Koordinaten der Spitze nicht richtig festgelegt!";
    Real v = 0;
    bool eben = false;
    if (dreieck && !s.Fehler && Volumen(*dreieck, s.Wert, v, eben) && eben)
        meldung = "Die Spitze liegt in der Grundflächenebene!";
    if (dreieck && e.Vierseitig && !Volumen(*dreieck, TTripel{}, v, eben))
        meldung = "Das Grundviereck kann nicht dargestellt werden!";
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
        dokument, e, e.Vierseitig ? TElementart::DPyramide4 : TElementart::DPyramide3,
        [&](const TListe& l) -> std::optional<std::vector<TElementart>> {
            if (!GewaehltesDreieck(l, e)) return std::nullopt;
            return PyramideNeueTeile(l, e);
        },
        [&](TListe& l, int slot) { return PyramideAusDialog(l, slot, e); });
}

} // namespace kalvorin
