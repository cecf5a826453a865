#include "eingabe/DreieckEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

const char* const VergebenTexte[3] = {"Name des 1. Punktes bereits vergeben!",
                                      "Name des 2. Punktes bereits vergeben!",
                                      "Name des 3. Punktes bereits vergeben!"};
const char* const LeseTexte[3] = {"Koordinaten des 1. Punktes nicht richtig festgelegt!",
                                  "Koordinaten des 2. Punktes nicht richtig festgelegt!",
                                  "Koordinaten des 3. Punktes nicht richtig festgelegt!"};

// The corners' values; false when one of them does not read.
bool EckenLesen(const TListe& liste, const TDreieckEingabe& e, std::array<TTripel, 3>& ecken) {
    bool gelesen = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const TTeilWert w = TeilWert(liste, e.Ecken[i], PunktArten);
        ecken[i] = w.Wert;
        gelesen = gelesen && !w.Fehler;
    }
    return gelesen;
}

bool ZweiGleich(const std::array<TTripel, 3>& p) {
    return p[0] == p[1] || p[0] == p[2] || p[1] == p[2];
}

Real Grad(Real bogen) {
    return bogen * 180 / Pi;
}

// The grammar of KreisText is that of the feminine kinds.
std::string DreieckKreisText(const std::string& name) {
    return "Das Objekt " + name + " ist aus dem Dreieck entstanden\r\nund kann es nicht festlegen!";
}

} // namespace

TDreieckEingabe DreieckEingabeNeu(const TListe& liste) {
    TDreieckEingabe e;
    NeuVorbereiten(e, liste, TElementart::DDreieck);
    e.Punkte = NamenDerArt(liste, PunktArten);
    return e;
}

TDreieckEingabe DreieckEingabeAusElement(const TListe& liste, int position) {
    TDreieckEingabe e = DreieckEingabeNeu(liste);
    const TDreiDBasisElement& d = *liste[position];
    AusElementVorbereiten(e, d);
    e.Punkte = NamenDerArt(liste, PunktArten, &d);
    for (std::size_t i = 0; i < 3; ++i) {
        const TDreiDBasisElement* ecke = d.Bezuege[i];
        TTripel w;
        if (ecke) PunktAuswerten(*ecke, w);
        e.Ecken[i] = {ecke ? ecke->Name : std::string(), FeldTexte(w), true};
    }
    return e;
}

TDreieckMasse DreieckMasse(const TListe& liste, const TDreieckEingabe& e) {
    TDreieckMasse m;
    std::array<TTripel, 3> p;
    if (!EckenLesen(liste, e, p)) return m;
    const TTripel ab = Verbindungsvektor(p[0], p[1]);
    const TTripel ac = Verbindungsvektor(p[0], p[2]);
    m.Flaeche = FormatMeasure(Betrag(Kreuzprodukt(ab, ac)) / 2) + " FE";
    // Where two corners coincide there is no angle to show.
    if (ZweiGleich(p)) return m;
    const Real w1 = Grad(Zwischenwinkel(ab, ac));
    const Real w2 =
        Grad(Zwischenwinkel(Verbindungsvektor(p[1], p[0]), Verbindungsvektor(p[1], p[2])));
    const Real winkel[3] = {w1, w2, 180 - w1 - w2};
    for (std::size_t i = 0; i < 3; ++i)
        m.Winkel[i] = FormatMeasure(winkel[i]) + "°";
    return m;
}

std::string DreieckChecks(const TListe& liste, const TDreieckEingabe& e) {
    std::string meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name bereits vergeben!").Meldung;
    if (e.Abgeleitet) return meldung; // the corners only show where the triangle came from

    for (std::size_t i = 0; i < 3; ++i)
        if (std::string f = TeilNameFehler(liste, e.Ecken[i], PunktArten, e.Name, VergebenTexte[i]);
            !f.empty())
            meldung = f;
    const std::string n0 = TeilName(e.Ecken[0].Name), n1 = TeilName(e.Ecken[1].Name),
                      n2 = TeilName(e.Ecken[2].Name);
    if (n0 == n1 || n0 == n2 || n1 == n2) meldung = "Zwei Punkte besitzen den gleichen Namen!";

    bool gelesen = true;
    std::array<TTripel, 3> p;
    for (std::size_t i = 0; i < 3; ++i) {
        const TTeilWert w = TeilWert(liste, e.Ecken[i], PunktArten);
        p[i] = w.Wert;
        if (w.Fehler) {
            meldung = LeseTexte[i];
            gelesen = false;
        }
    }
    if (gelesen) {
        if (EckenAufEinerGeraden(p) && !ZweiGleich(p))
            meldung = "Die drei Punkte liegen auf einer Geraden!";
        if (ZweiGleich(p)) meldung = "Zwei Punkte sind identisch!";
    }
    if (e.Selbst)
        for (const TTeilEingabe& ecke : e.Ecken)
            if (const TDreiDBasisElement* punkt = BenanntesElement(liste, ecke.Name, PunktArten);
                punkt && HaengtAb(*punkt, *e.Selbst))
                meldung = DreieckKreisText(punkt->Name);

    const int neu = static_cast<int>(DreieckNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (meldung.empty() && !HatPlatzFuer(liste, neu)) meldung = ListeVollMeldung;
    return meldung;
}

TEingabePruefung DreieckPruefen(const TListe& liste, const TDreieckEingabe& e) {
    TEingabePruefung r;
    for (const TTeilEingabe& ecke : e.Ecken)
        if (!ecke.AllesGefuellt()) {
            r.Ergebnis = TPruefergebnis::Unvollstaendig;
            r.Meldung = UnvollstaendigText;
            return r;
        }
    r.Meldung = DreieckChecks(liste, e);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

std::vector<TElementart> DreieckNeueTeile(const TListe& liste, const TDreieckEingabe& e) {
    if (e.Abgeleitet) return {};
    return NeueTeile(liste, {{&e.Ecken[0], TElementart::DfrPunkt},
                             {&e.Ecken[1], TElementart::DfrPunkt},
                             {&e.Ecken[2], TElementart::DfrPunkt}});
}

bool DreieckAusDialog(TListe& liste, int position, const TDreieckEingabe& e) {
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(DreieckNeueTeile(liste, e).size())))
        return false;
    TDreiDBasisElement& d = *liste[position];
    d.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    if (!e.Abgeleitet) {
        d.Festlegung = 0;
        int naechster = position + 1;
        for (std::size_t i = 0; i < 3; ++i)
            d.Bezuege[i] =
                TeilSchreiben(liste, e.Ecken[i], TElementart::DfrPunkt, e.Neu, naechster);
    }
    AussehenSchreiben(d, e);
    return true;
}

int DreieckUebernehmen(TDokument& dokument, const TDreieckEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DDreieck, [&](const TListe& l) { return DreieckNeueTeile(l, e); },
        [&](TListe& l, int slot) { return DreieckAusDialog(l, slot, e); });
}

} // namespace kalvorin
