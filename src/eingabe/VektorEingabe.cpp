#include "eingabe/VektorEingabe.h"

#include "document/Dokument.h"
#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

std::string N(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string();
}

} // namespace

TVektorEingabe VektorEingabeNeu(const TListe& liste) {
    TVektorEingabe e;
    NeuVorbereiten(e, liste, TElementart::DVektor);
    e.Farbe = Schwarz;
    return e;
}

TVektorEingabe VektorEingabeAusElement(const TListe& liste, int position) {
    const auto& v = Als<TVektor>(*liste[position]);
    TVektorEingabe e;
    AusElementVorbereiten(e, v);
    e.NurLesen = e.Abgeleitet || v.Festlegung != TVektor::V;
    // A derived vector tells its origin; the others how they are defined.
    if (!e.Abgeleitet) e.Entstehung = VektorFestlegungText(v);
    TTripel w;
    VektorAuswerten(v, w);
    if (!e.NurLesen) w = v.Komponenten;
    e.Komponenten = e.Angezeigt = FeldTexte(w);
    e.Gehalten = w;
    return e;
}

void VektorFuerNaechsten(TVektorEingabe& e, const TListe& liste) {
    e = VektorEingabeNeu(liste);
}

std::string VektorNamenText(const std::string& name) {
    return Utf8Anfang(name, 6) + " =";
}

std::string VektorFestlegungText(const TDreiDBasisElement& v) {
    const auto& b = v.Bezuege;
    switch (v.Festlegung) {
    case TVektor::V2P:
        return "Der Vektor wird durch die Punkte " + N(b[0]) + " und " + N(b[1]) + " festgelegt.";
    case TVektor::VG:
        return "Der Vektor wird durch die Gerade " + N(b[0]) + " festgelegt.";
    case TVektor::VE:
        return "Der Vektor wird durch die Ebene " + N(b[0]) + " festgelegt.";
    case TVektor::VPf:
        return "Der Vektor wird durch den Pfeil " + N(b[0]) + " festgelegt.";
    default:
        return {};
    }
}

TVektorPruefung VektorPruefen(const TListe& liste, const TVektorEingabe& e) {
    TVektorPruefung r;
    r.Name = RemoveBlanks(e.Name);
    const TNamensbefund name = NamenPruefen(liste, r.Name, e.AlterName, "Name bereits vergeben!");
    switch (name.Fehler) {
    case TNamensfehler::Leer:
        r.Fehler = VektorNameLeer;
        break;
    case TNamensfehler::Vergeben:
        r.Fehler = VektorNameVergeben;
        break;
    case TNamensfehler::NichtSpeicherbar:
        r.Fehler = VektorNameNichtSpeicherbar;
        break;
    case TNamensfehler::Keiner:
        break;
    }
    // Components that only show the vector are not input: a vector between
    // two far points may exceed what can be typed and still be renamed.
    if (!e.NurLesen && ParseTripel(e.Komponenten[0], e.Komponenten[1], e.Komponenten[2]).Fehler)
        r.Fehler = VektorKomponenten;
    if (r.Fehler == VektorOk && e.Neu && !HatPlatzFuer(liste, 1)) r.Fehler = VektorListeVoll;

    r.Ergebnis = r.Fehler == VektorOk ? TPruefergebnis::Gueltig : TPruefergebnis::Abgelehnt;
    switch (r.Fehler) {
    case VektorNameLeer:
    case VektorNameVergeben:
    case VektorNameNichtSpeicherbar:
        r.Meldung = name.Meldung;
        break;
    case VektorKomponenten:
        if (KeinesGefuellt(e.Komponenten))
            r.Ergebnis = TPruefergebnis::StillSchliessen;
        else
            r.Meldung = "Koordinaten nicht richtig festgelegt!";
        break;
    case VektorListeVoll:
        r.Meldung = ListeVollMeldung;
        break;
    default:
        break;
    }
    return r;
}

void VektorAusDialog(TListe& liste, int position, const TVektorEingabe& e) {
    TVektor& v = Als<TVektor>(*liste[position]);
    v.Name = Utf8Anfang(RemoveBlanks(e.Name), MaxNamenLaenge);
    if (e.NurLesen) return;
    v.Art = TElementart::DVektor;
    // A free vector has no place and is not drawn.
    v.sichtbar = false;
    v.Festlegung = TVektor::V;
    v.Bezuege = {};
    v.Komponenten = FeldWerte(e.Komponenten, e.Angezeigt, e.Gehalten);
}

namespace {
TZurueckschreiben VektorSchreiben(const TVektorEingabe& e) {
    return [&e](TListe& liste, int slot) {
        VektorAusDialog(liste, slot, e);
        return true;
    };
}
} // namespace

int VektorNeuAnlegen(TListe& liste, const TVektorEingabe& e) {
    return ElementAnhaengen(liste, TElementart::DVektor, {}, VektorSchreiben(e));
}

int VektorUebernehmen(TDokument& dokument, const TVektorEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DVektor, [](const TListe&) { return std::vector<TElementart>{}; },
        VektorSchreiben(e));
}

} // namespace kalvorin
