#include "eingabe/PfeilEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

TTeilEingabe Zeigen(const TDreiDBasisElement* t, bool vektor) {
    TTripel w;
    if (t) {
        if (vektor)
            VektorAuswerten(*t, w);
        else
            PunktAuswerten(*t, w);
    }
    return {t ? t->Name : std::string(), FeldTexte(w), true};
}

bool AllesLeer(const TPfeilEingabe& e, int weg) {
    return weg == WegFussVektor ? e.PVFuss.AllesLeer() && e.PVVektor.AllesLeer()
                                : e.PPFuss.AllesLeer() && e.PPSpitze.AllesLeer();
}

// The vector an arrow given by two points already owns.
TDreiDBasisElement* EigenerVektor(const TDreiDBasisElement* pfeil) {
    if (!pfeil || pfeil->Art != TElementart::DPfeil || pfeil->Festlegung != TPfeil::PfPP)
        return nullptr;
    TDreiDBasisElement* v = pfeil->Bezuege[2];
    return v && v->Art == TElementart::DVektor ? v : nullptr;
}

std::string Kreis(const std::string& name) {
    return "Das Objekt " + name + " ist aus dem Pfeil entstanden\r\nund kann ihn nicht festlegen!";
}

} // namespace

void TPfeilEingabe::WegGeaendert(int weg) {
    const bool pp = weg == WegFussSpitze;
    const bool voll = pp ? PPFuss.AllesGefuellt() && PPSpitze.AllesGefuellt()
                         : PVFuss.AllesGefuellt() && PVVektor.AllesGefuellt();
    bool& anderer = pp ? PunktVektorAktiv : PunktPunktAktiv;
    if (voll) {
        anderer = false;
        Vollstaendig = true;
        if (Neu) Festlegung = weg;
    } else {
        Vollstaendig = false;
        PunktPunktAktiv = PunktVektorAktiv = true;
    }
    if (!Neu) {
        anderer = false;
        Vollstaendig = true;
    }
}

TPfeilEingabe PfeilEingabeNeu(const TListe& liste) {
    TPfeilEingabe e;
    NeuVorbereiten(e, liste, TElementart::DPfeil);
    e.Punkte = NamenDerArt(liste, PunktArten);
    e.Vektoren = NamenDerArt(liste, VektorArten);
    return e;
}

TPfeilEingabe PfeilEingabeAusElement(const TListe& liste, int position) {
    TPfeilEingabe e = PfeilEingabeNeu(liste);
    const auto& p = Als<TPfeil>(*liste[position]);
    AusElementVorbereiten(e, p);
    e.Vollstaendig = true;
    e.Festlegung = e.Weg = p.Festlegung == TPfeil::PfPV ? WegFussVektor : WegFussSpitze;
    e.Punkte = NamenDerArt(liste, PunktArten, &p);
    e.Vektoren = NamenDerArt(liste, VektorArten, &p);
    const bool pp = e.Festlegung == WegFussSpitze;
    e.PunktPunktAktiv = pp;
    e.PunktVektorAktiv = !pp;
    e.GruppenAktiv = !e.Abgeleitet;
    // A way of foot and vector is only shown; foot and tip may be chosen anew.
    e.NamenWaehlbar = pp && !e.Abgeleitet;
    if (pp) {
        e.PPFuss = Zeigen(p.Bezuege[0], false);
        e.PPSpitze = Zeigen(p.Bezuege[1], false);
    } else {
        e.PVFuss = Zeigen(p.Bezuege[0], false);
        e.PVVektor = Zeigen(p.Bezuege[1], true);
    }
    return e;
}

void PfeilFuerNaechsten(TPfeilEingabe& e, const TListe& liste) {
    TPfeilEingabe n = PfeilEingabeNeu(liste);
    n.Weg = n.Festlegung = e.Weg;
    n.Duenn = e.Duenn;
    n.Farbe = e.Farbe;
    e = std::move(n);
}

std::string PfeilChecks(const TListe& liste, const TPfeilEingabe& e) {
    std::string meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name des Pfeils bereits vergeben!").Meldung;
    if (!e.Abgeleitet) {
        const bool pp = e.Festlegung == WegFussSpitze;
        const TTeilEingabe& fuss = pp ? e.PPFuss : e.PVFuss;
        const TTeilEingabe& zweites = pp ? e.PPSpitze : e.PVVektor;
        const std::uint32_t arten2 = pp ? PunktArten : VektorArten;
        if (std::string f = TeilNameFehler(liste, fuss, PunktArten, e.Name,
                                           "Name des Fußpunktes bereits vergeben!");
            !f.empty())
            meldung = f;
        if (std::string f = TeilNameFehler(liste, zweites, arten2, e.Name,
                                           pp ? "Name der Spitze bereits vergeben!"
                                              : "Name des Vektors bereits vergeben!");
            !f.empty())
            meldung = f;
        if (TeilName(fuss.Name) == TeilName(zweites.Name))
            meldung = pp ? "Die beiden Punkte besitzen den gleichen Namen!"
                         : "Anfangspunkt und Vektor besitzen den gleichen Namen!";
        const TTeilWert w1 = TeilWert(liste, fuss, PunktArten);
        const TTeilWert w2 = TeilWert(liste, zweites, arten2);
        if (w1.Fehler) meldung = "Koordinaten des Fußpunktes nicht richtig festgelegt!";
        if (w2.Fehler)
            meldung = pp ? "Koordinaten der Spitze nicht richtig festgelegt!"
                         : "Koordinaten des Vektors nicht richtig festgelegt!";
        if (!w1.Fehler && !w2.Fehler) {
            if (pp && w1.Wert == w2.Wert) meldung = "Fußpunkt und Spitze Punkte sind identisch!";
            if (!pp && IstNullvektor(w2.Wert)) meldung = "Der Vektor ist der Nullvektor!";
        }
        if (e.Selbst) {
            const TDreiDBasisElement* t1 = BenanntesElement(liste, fuss.Name, PunktArten);
            const TDreiDBasisElement* t2 = BenanntesElement(liste, zweites.Name, arten2);
            if (t1 && HaengtAb(*t1, *e.Selbst)) meldung = Kreis(t1->Name);
            if (t2 && HaengtAb(*t2, *e.Selbst)) meldung = Kreis(t2->Name);
        }
    }
    const int neu = static_cast<int>(PfeilNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (meldung.empty() && !HatPlatzFuer(liste, neu)) meldung = ListeVollMeldung;
    return meldung;
}

TEingabePruefung PfeilPruefen(const TListe& liste, const TPfeilEingabe& e) {
    TEingabePruefung r;
    if (!e.Vollstaendig) {
        if (AllesLeer(e, e.Weg)) {
            r.Ergebnis = TPruefergebnis::StillSchliessen;
        } else {
            r.Ergebnis = TPruefergebnis::Unvollstaendig;
            r.Meldung = UnvollstaendigText;
        }
        return r;
    }
    r.Meldung = PfeilChecks(liste, e);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

std::vector<TElementart> PfeilNeueTeile(const TListe& liste, const TPfeilEingabe& e) {
    if (e.Abgeleitet) return {};
    if (e.Festlegung == WegFussVektor)
        return NeueTeile(liste,
                         {{&e.PVFuss, TElementart::DfrPunkt}, {&e.PVVektor, TElementart::DVektor}});
    std::vector<TElementart> teile = NeueTeile(
        liste, {{&e.PPFuss, TElementart::DfrPunkt}, {&e.PPSpitze, TElementart::DfrPunkt}});
    if (e.Neu || !EigenerVektor(e.Selbst)) teile.push_back(TElementart::DVektor);
    return teile;
}

bool PfeilAusDialog(TListe& liste, int position, const TPfeilEingabe& e) {
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(PfeilNeueTeile(liste, e).size())))
        return false;
    TPfeil& p = Als<TPfeil>(*liste[position]);
    p.sichtbar = true;
    p.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    p.Art = TElementart::DPfeil;
    if (!e.Abgeleitet) {
        int naechster = position + 1;
        if (e.Festlegung == WegFussSpitze) {
            TDreiDBasisElement* fuss =
                TeilSchreiben(liste, e.PPFuss, TElementart::DfrPunkt, e.Neu, naechster);
            TDreiDBasisElement* spitze =
                TeilSchreiben(liste, e.PPSpitze, TElementart::DfrPunkt, e.Neu, naechster);
            // The own vector: in a new-element dialog the one appended last,
            // in properties mode the one the arrow owns.
            TDreiDBasisElement* v = e.Neu ? nullptr : EigenerVektor(&p);
            if (e.Neu && naechster <= liste.Anzahl() &&
                liste[naechster]->Art == TElementart::DVektor && liste[naechster]->Name.empty())
                v = liste[naechster++];
            if (!v) v = liste.Neu(TElementart::DVektor);
            if (v) {
                // Named after the points so that it never takes a name typed for them.
                if (v->Name.empty()) v->Name = liste.AutomatischerName(TElementart::DVektor);
                v->Farbe = Schwarz;
                v->Festlegung = TVektor::VPf;
                v->Bezuege = {&p, nullptr, nullptr};
            }
            p.Festlegung = TPfeil::PfPP;
            p.Bezuege = {fuss, spitze, v};
        } else {
            TDreiDBasisElement* fuss =
                TeilSchreiben(liste, e.PVFuss, TElementart::DfrPunkt, e.Neu, naechster);
            TDreiDBasisElement* vektor =
                TeilSchreiben(liste, e.PVVektor, TElementart::DVektor, e.Neu, naechster, Schwarz);
            p.Festlegung = TPfeil::PfPV;
            p.Bezuege = {fuss, vektor, nullptr};
        }
    }
    AussehenSchreiben(p, e);
    return true;
}

int PfeilNeuAnlegen(TListe& liste, const TPfeilEingabe& e) {
    return ElementAnhaengen(liste, TElementart::DPfeil, PfeilNeueTeile(liste, e),
                            [&](TListe& l, int slot) { return PfeilAusDialog(l, slot, e); });
}

int PfeilUebernehmen(TDokument& dokument, const TPfeilEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DPfeil, [&](const TListe& l) { return PfeilNeueTeile(l, e); },
        [&](TListe& l, int slot) { return PfeilAusDialog(l, slot, e); });
}

} // namespace kalvorin
