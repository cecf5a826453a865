#include "eingabe/ViereckEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

const char* const VergebenTexte[4] = {
    "Name des 1. Punktes bereits vergeben!", "Name des 2. Punktes bereits vergeben!",
    "Name des 3. Punktes bereits vergeben!", "Name des 4. Punktes bereits vergeben!"};
const char* const LeseTexte[4] = {"Koordinaten des 1. Punktes nicht richtig festgelegt!",
                                  "Koordinaten des 2. Punktes nicht richtig festgelegt!",
                                  "Koordinaten des 3. Punktes nicht richtig festgelegt!",
                                  "Koordinaten des 4. Punktes nicht richtig festgelegt!"};

// The corners' values; false when one of them does not read.
bool EckenLesen(const TListe& liste, const TViereckEingabe& e, std::array<TTripel, 4>& ecken) {
    bool gelesen = true;
    for (std::size_t i = 0; i < 4; ++i) {
        const TTeilWert w = TeilWert(liste, e.Ecken[i], PunktArten);
        ecken[i] = w.Wert;
        gelesen = gelesen && !w.Fehler;
    }
    return gelesen;
}

std::string FormText(int fehler) {
    switch (fehler) {
    case FehlerViereckPunkteGleich:
        return "Zwei Punkte sind identisch!";
    case FehlerViereckAufGerade:
        return "Drei aufeinanderfolgende Punkte liegen auf einer Geraden!";
    case FehlerViereckNichtEben:
        return "Die vier Punkte liegen nicht in einer Ebene!";
    case FehlerViereckSeitenKreuzen:
        return "Die Seiten des Vierecks überschneiden sich!";
    default:
        return {};
    }
}

std::string ViereckKreisText(const std::string& name) {
    return "Das Objekt " + name + " ist aus dem Viereck entstanden\r\nund kann es nicht festlegen!";
}

} // namespace

TViereckEingabe ViereckEingabeNeu(const TListe& liste) {
    TViereckEingabe e;
    NeuVorbereiten(e, liste, TElementart::DViereck);
    e.Punkte = NamenDerArt(liste, PunktArten);
    return e;
}

TViereckEingabe ViereckEingabeAusElement(const TListe& liste, int position) {
    TViereckEingabe e = ViereckEingabeNeu(liste);
    const TDreiDBasisElement& q = *liste[position];
    AusElementVorbereiten(e, q);
    e.Punkte = NamenDerArt(liste, PunktArten, &q);
    for (std::size_t i = 0; i < 4; ++i) {
        const TDreiDBasisElement* ecke = q.Bezuege[i];
        TTripel w;
        if (ecke) PunktAuswerten(*ecke, w);
        e.Ecken[i] = {ecke ? ecke->Name : std::string(), FeldTexte(w), true};
    }
    return e;
}

TViereckMasse ViereckMasse(const TListe& liste, const TViereckEingabe& e) {
    TViereckMasse m;
    std::array<TTripel, 4> p;
    if (!EckenLesen(liste, e, p) || ViereckPruefen(p) != KeinFehler) return m;
    m.Flaeche = FormatMeasure(Viereckflaeche(p)) + " FE";
    for (std::size_t i = 0; i < 4; ++i)
        m.Winkel[i] = FormatMeasure(ViereckWinkel(p, static_cast<int>(i)) * 180 / Pi) + "°";
    return m;
}

std::string ViereckChecks(const TListe& liste, const TViereckEingabe& e) {
    std::string meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name bereits vergeben!").Meldung;
    if (e.Abgeleitet) return meldung; // the corners only show where it came from

    for (std::size_t i = 0; i < 4; ++i)
        if (std::string f = TeilNameFehler(liste, e.Ecken[i], PunktArten, e.Name, VergebenTexte[i]);
            !f.empty())
            meldung = f;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j)
            if (TeilName(e.Ecken[i].Name) == TeilName(e.Ecken[j].Name))
                meldung = "Zwei Punkte besitzen den gleichen Namen!";

    bool gelesen = true;
    std::array<TTripel, 4> p;
    for (std::size_t i = 0; i < 4; ++i) {
        const TTeilWert w = TeilWert(liste, e.Ecken[i], PunktArten);
        p[i] = w.Wert;
        if (w.Fehler) {
            meldung = LeseTexte[i];
            gelesen = false;
        }
    }
    if (gelesen)
        if (std::string f = FormText(ViereckPruefen(p)); !f.empty()) meldung = f;
    if (e.Selbst)
        for (const TTeilEingabe& ecke : e.Ecken)
            if (const TDreiDBasisElement* punkt = BenanntesElement(liste, ecke.Name, PunktArten);
                punkt && HaengtAb(*punkt, *e.Selbst))
                meldung = ViereckKreisText(punkt->Name);

    const int neu = static_cast<int>(ViereckNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (meldung.empty() && !HatPlatzFuer(liste, neu)) meldung = ListeVollMeldung;
    return meldung;
}

TEingabePruefung ViereckPruefen(const TListe& liste, const TViereckEingabe& e) {
    TEingabePruefung r;
    for (const TTeilEingabe& ecke : e.Ecken)
        if (!ecke.AllesGefuellt()) {
            r.Ergebnis = TPruefergebnis::Unvollstaendig;
            r.Meldung = UnvollstaendigText;
            return r;
        }
    r.Meldung = ViereckChecks(liste, e);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

std::vector<TElementart> ViereckNeueTeile(const TListe& liste, const TViereckEingabe& e) {
    if (e.Abgeleitet) return {};
    return NeueTeile(liste, {{&e.Ecken[0], TElementart::DfrPunkt},
                             {&e.Ecken[1], TElementart::DfrPunkt},
                             {&e.Ecken[2], TElementart::DfrPunkt},
                             {&e.Ecken[3], TElementart::DfrPunkt}});
}

bool ViereckAusDialog(TListe& liste, int position, const TViereckEingabe& e) {
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(ViereckNeueTeile(liste, e).size())))
        return false;
    TDreiDBasisElement& q = *liste[position];
    q.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    if (!e.Abgeleitet) {
        q.Festlegung = 0;
        int naechster = position + 1;
        for (std::size_t i = 0; i < 4; ++i)
            q.Bezuege[i] =
                TeilSchreiben(liste, e.Ecken[i], TElementart::DfrPunkt, e.Neu, naechster);
    }
    AussehenSchreiben(q, e);
    return true;
}

int ViereckUebernehmen(TDokument& dokument, const TViereckEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DViereck, [&](const TListe& l) { return ViereckNeueTeile(l, e); },
        [&](TListe& l, int slot) { return ViereckAusDialog(l, slot, e); });
}

} // namespace kalvorin
