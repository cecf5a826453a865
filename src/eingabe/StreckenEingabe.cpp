#include "eingabe/StreckenEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

TTeilEingabe PunktZeigen(const TDreiDBasisElement* p) {
    TTripel w;
    if (p) PunktAuswerten(*p, w);
    return {p ? p->Name : std::string(), FeldTexte(w), true};
}

} // namespace

TStreckenEingabe StreckeEingabeNeu(const TListe& liste) {
    TStreckenEingabe e;
    NeuVorbereiten(e, liste, TElementart::DStrecke);
    e.Punkte = NamenDerArt(liste, PunktArten);
    return e;
}

TStreckenEingabe StreckeEingabeAusElement(const TListe& liste, int position) {
    TStreckenEingabe e = StreckeEingabeNeu(liste);
    const auto& s = Als<TStrecke>(*liste[position]);
    AusElementVorbereiten(e, s);
    e.Punkte = NamenDerArt(liste, PunktArten, &s);
    e.Anfang = PunktZeigen(s.Anfang());
    e.Ende = PunktZeigen(s.Ende());
    e.NamenWaehlbar = !e.Abgeleitet;
    return e;
}

void StreckeFuerNaechste(TStreckenEingabe& e, const TListe& liste) {
    TStreckenEingabe n = StreckeEingabeNeu(liste);
    n.Duenn = e.Duenn;
    n.Farbe = e.Farbe;
    e = std::move(n);
}

std::string StreckenLaengeText(const TListe& liste, const TStreckenEingabe& e) {
    const TTeilWert a = TeilWert(liste, e.Anfang, PunktArten);
    const TTeilWert b = TeilWert(liste, e.Ende, PunktArten);
    if (a.Fehler || b.Fehler) return {};
    return FormatMeasure(Betrag(TripelDifferenz(b.Wert, a.Wert))) + " LE";
}

std::string StreckenChecks(const TListe& liste, const TStreckenEingabe& e) {
    // Two elements of one name could not both be stored: the segment's own
    // name is held to the rules of every other name.
    std::string meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name der Strecke bereits vergeben!").Meldung;
    if (!e.Abgeleitet) {
        if (std::string f = TeilNameFehler(liste, e.Anfang, PunktArten, e.Name,
                                           "Name des Anfangspunktes bereits vergeben!");
            !f.empty())
            meldung = f;
        if (std::string f = TeilNameFehler(liste, e.Ende, PunktArten, e.Name,
                                           "Name des Endpunktes bereits vergeben!");
            !f.empty())
            meldung = f;
        if (TeilName(e.Anfang.Name) == TeilName(e.Ende.Name))
            meldung = "Die beiden Punkte besitzen den gleichen Namen!";
        const TTeilWert a = TeilWert(liste, e.Anfang, PunktArten);
        const TTeilWert b = TeilWert(liste, e.Ende, PunktArten);
        if (a.Fehler) meldung = "Koordinaten des Anfangspunktes nicht richtig festgelegt!";
        if (b.Fehler) meldung = "Koordinaten des Endpunktes nicht festgelegt!";
        if (!a.Fehler && !b.Fehler && a.Wert == b.Wert)
            meldung = "Die beiden Punkte sind identisch!";
        if (e.Selbst)
            for (const TTeilEingabe* t : {&e.Anfang, &e.Ende})
                if (const TDreiDBasisElement* p = BenanntesElement(liste, t->Name, PunktArten);
                    p && HaengtAb(*p, *e.Selbst))
                    meldung = KreisText(p->Name, "der Strecke");
    }
    const int neu = static_cast<int>(StreckeNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (meldung.empty() && !HatPlatzFuer(liste, neu)) meldung = ListeVollMeldung;
    return meldung;
}

TEingabePruefung StreckePruefen(const TListe& liste, const TStreckenEingabe& e) {
    TEingabePruefung r;
    if (!e.Anfang.AllesGefuellt() || !e.Ende.AllesGefuellt()) {
        if (KeinesGefuellt(e.Anfang.Werte) && KeinesGefuellt(e.Ende.Werte)) {
            r.Ergebnis = TPruefergebnis::StillSchliessen;
        } else {
            r.Ergebnis = TPruefergebnis::Unvollstaendig;
            r.Meldung = UnvollstaendigText;
        }
        return r;
    }
    r.Meldung = StreckenChecks(liste, e);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

std::vector<TElementart> StreckeNeueTeile(const TListe& liste, const TStreckenEingabe& e) {
    if (e.Abgeleitet) return {};
    return NeueTeile(liste, {{&e.Anfang, TElementart::DfrPunkt}, {&e.Ende, TElementart::DfrPunkt}});
}

bool StreckeAusDialog(TListe& liste, int position, const TStreckenEingabe& e) {
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(StreckeNeueTeile(liste, e).size())))
        return false;
    TStrecke& s = Als<TStrecke>(*liste[position]);
    s.sichtbar = true;
    s.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    s.Art = TElementart::DStrecke;
    if (!e.Abgeleitet) {
        int naechster = position + 1;
        TDreiDBasisElement* a =
            TeilSchreiben(liste, e.Anfang, TElementart::DfrPunkt, e.Neu, naechster);
        TDreiDBasisElement* b =
            TeilSchreiben(liste, e.Ende, TElementart::DfrPunkt, e.Neu, naechster);
        s.Festlegung = 0;
        s.Bezuege = {a, b, nullptr};
    }
    AussehenSchreiben(s, e);
    return true;
}

int StreckeNeuAnlegen(TListe& liste, const TStreckenEingabe& e) {
    return ElementAnhaengen(liste, TElementart::DStrecke, StreckeNeueTeile(liste, e),
                            [&](TListe& l, int slot) { return StreckeAusDialog(l, slot, e); });
}

int StreckeUebernehmen(TDokument& dokument, const TStreckenEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DStrecke, [&](const TListe& l) { return StreckeNeueTeile(l, e); },
        [&](TListe& l, int slot) { return StreckeAusDialog(l, slot, e); });
}

} // namespace kalvorin
