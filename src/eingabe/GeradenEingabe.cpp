#include "eingabe/GeradenEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

bool AllesLeer(const TGeradenEingabe& e, int weg) {
    switch (weg) {
    case WegPunktPunkt:
        return e.P1.AllesLeer() && e.P2.AllesLeer();
    case WegPunktVektor:
        return e.A.AllesLeer() && e.V.AllesLeer();
    default:
        return KeinesGefuellt(e.ParPunkt) && KeinesGefuellt(e.ParRichtung);
    }
}

} // namespace

void TGeradenEingabe::ParameterformGeaendert(bool alleGefuellt) {
    if (alleGefuellt) {
        PunktPunktAktiv = false;
        PunktVektorAktiv = false;
        if (Neu && !Vollstaendig) Festlegung = WegParameterform;
        Vollstaendig = true;
    } else if (Neu) {
        Vollstaendig = false;
        PunktPunktAktiv = true;
        PunktVektorAktiv = true;
    }
}

void TGeradenEingabe::PunktPunktGeaendert(bool alleGefuellt) {
    if (alleGefuellt) {
        ParameterformAktiv = true;
        PunktVektorAktiv = false;
        Vollstaendig = true;
        Festlegung = WegPunktPunkt;
    } else {
        Vollstaendig = false;
        ParameterformAktiv = true;
        PunktVektorAktiv = true;
    }
    if (!Neu) {
        PunktVektorAktiv = false;
        Vollstaendig = true;
    }
}

void TGeradenEingabe::PunktVektorGeaendert(bool alleGefuellt) {
    if (alleGefuellt) {
        ParameterformAktiv = true;
        PunktPunktAktiv = false;
        Vollstaendig = true;
        if (Neu) Festlegung = WegPunktVektor;
    } else {
        Vollstaendig = false;
        ParameterformAktiv = true;
        PunktPunktAktiv = true;
    }
    if (!Neu) {
        PunktPunktAktiv = false;
        Vollstaendig = true;
    }
}

void TGeradenEingabe::WegGeaendert(int weg) {
    switch (weg) {
    case WegPunktPunkt:
        PunktPunktGeaendert(P1.AllesGefuellt() && P2.AllesGefuellt());
        break;
    case WegPunktVektor:
        PunktVektorGeaendert(A.AllesGefuellt() && V.AllesGefuellt());
        break;
    default:
        ParameterformGeaendert(AlleGefuellt(ParPunkt) && AlleGefuellt(ParRichtung));
        break;
    }
}

TGeradenEingabe GeradeEingabeNeu(const TListe& liste) {
    TGeradenEingabe e;
    NeuVorbereiten(e, liste, TElementart::DGerade);
    e.Punkte = NamenDerArt(liste, PunktArten);
    e.Vektoren = NamenDerArt(liste, VektorArten);
    return e;
}

TGeradenEingabe GeradeEingabeAusElement(const TListe& liste, int position) {
    TGeradenEingabe e = GeradeEingabeNeu(liste);
    const auto& g = Als<TGerade>(*liste[position]);
    AusElementVorbereiten(e, g);
    e.Vollstaendig = true;
    e.Festlegung = g.Festlegung <= WegPunktVektor ? static_cast<int>(g.Festlegung)
                                                  : static_cast<int>(WegParameterform);
    e.Punkte = NamenDerArt(liste, PunktArten, &g);
    e.Vektoren = NamenDerArt(liste, VektorArten, &g);
    if (e.Abgeleitet || e.Festlegung == WegParameterform) {
        TTripel a, d;
        GeradeAuswerten(g, a, d);
        if (!e.Abgeleitet) {
            a = g.Punkt;
            d = g.Richtung;
        }
        e.GehaltenerPunkt = a;
        e.GehalteneRichtung = d;
        e.ParPunkt = e.ParPunktAngezeigt = FeldTexte(a);
        e.ParRichtung = e.ParRichtungAngezeigt = FeldTexte(VereinfachterVektor(d));
        e.ParameterformFest = e.Abgeleitet;
        e.Weg = WegParameterform;
        e.ParameterformAktiv = true;
        e.PunktPunktAktiv = e.PunktVektorAktiv = false;
        return e;
    }
    const bool pp = e.Festlegung == WegPunktPunkt;
    const TDreiDBasisElement* t1 = g.Bezuege[0];
    const TDreiDBasisElement* t2 = g.Bezuege[1];
    TTripel w1, w2;
    if (t1) PunktAuswerten(*t1, w1);
    if (t2) {
        if (pp) {
            PunktAuswerten(*t2, w2);
        } else {
            VektorAuswerten(*t2, w2);
            w2 = VereinfachterVektor(w2);
        }
    }
    TTeilEingabe& erster = pp ? e.P1 : e.A;
    TTeilEingabe& zweiter = pp ? e.P2 : e.V;
    erster = {t1 ? t1->Name : std::string(), FeldTexte(w1), true};
    zweiter = {t2 ? t2->Name : std::string(), FeldTexte(w2), true};
    e.Weg = e.Festlegung;
    e.ParameterformAktiv = true;
    e.PunktPunktAktiv = pp;
    e.PunktVektorAktiv = !pp;
    return e;
}

std::string GeradeParameterformGewaehlt(TGeradenEingabe& e, const TListe& liste) {
    if (!e.Vollstaendig) {
        e.Weg = WegParameterform;
        e.ParPunkt = e.ParRichtung = {};
        e.ParameterformFest = false;
        return {};
    }
    const int festlegung = e.Festlegung;
    if (festlegung == WegParameterform || e.Abgeleitet) {
        e.Weg = WegParameterform;
        return {};
    }
    if (std::string meldung = GeradenChecks(liste, e, festlegung); !meldung.empty()) {
        e.Weg = festlegung;
        return meldung;
    }
    e.Weg = WegParameterform;
    e.ParPunkt = festlegung == WegPunktPunkt ? e.P1.Werte : e.A.Werte;
    e.ParRichtung = FeldTexte(ParameterformRichtung(e, festlegung));
    e.ParameterformFest = true;
    e.ParameterformAktiv = true;
    (festlegung == WegPunktPunkt ? e.PunktPunktAktiv : e.PunktVektorAktiv) = true;
    return {};
}

void GeradeFuerNaechste(TGeradenEingabe& e, const TListe& liste) {
    TGeradenEingabe n = GeradeEingabeNeu(liste);
    // The way and the page "Eigenschaften" keep what the user chose.
    n.Weg = n.Festlegung = e.Weg;
    n.Duenn = e.Duenn;
    n.Farbe = e.Farbe;
    n.MitRand = e.MitRand;
    n.Hilfslinien = e.Hilfslinien;
    e = std::move(n);
}

std::string GeradenChecks(const TListe& liste, const TGeradenEingabe& e, int weg) {
    std::string meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name der Geraden bereits vergeben!").Meldung;

    if (e.Abgeleitet) {
        // Nothing else is input.
    } else if (weg == WegParameterform) {
        const TTripelEingabe p = ParseTripel(e.ParPunkt[0], e.ParPunkt[1], e.ParPunkt[2]);
        const TTripelEingabe v = ParseTripel(e.ParRichtung[0], e.ParRichtung[1], e.ParRichtung[2]);
        if (p.Fehler) meldung = "Koordinaten des Punktes nicht richtig festgelegt!";
        if (v.Fehler) meldung = "Koordinaten des Vektors nicht richtig festgelegt!";
        if (meldung.empty() && IstNullvektor(v.Tripel))
            meldung = "Der Richtungsvektor ist der Nullvektor!";
    } else {
        const bool pp = weg == WegPunktPunkt;
        const TTeilEingabe& t1 = pp ? e.P1 : e.A;
        const TTeilEingabe& t2 = pp ? e.P2 : e.V;
        const std::uint32_t arten2 = pp ? PunktArten : VektorArten;
        if (std::string f = TeilNameFehler(liste, t1, PunktArten, e.Name,
                                           pp ? "Name des 1. Punktes bereits vergeben!"
                                              : "Name des Anfangspunktes bereits vergeben!");
            !f.empty())
            meldung = f;
        if (std::string f = TeilNameFehler(liste, t2, arten2, e.Name,
                                           pp ? "Name des 2. Punktes bereits vergeben!"
                                              : "Name des Vektors bereits vergeben!");
            !f.empty())
            meldung = f;
        if (TeilName(t1.Name) == TeilName(t2.Name))
            meldung = pp ? "Die beiden Punkte besitzen den gleichen Namen!"
                         : "Anfangspunkt und Vektor besitzen den gleichen Namen!";
        const TTeilWert w1 = TeilWert(liste, t1, PunktArten);
        const TTeilWert w2 = TeilWert(liste, t2, arten2);
        if (w1.Fehler)
            meldung = pp ? "Koordinaten des 1. Punktes nicht richtig festgelegt!"
                         : "Koordinaten des Anfangspunktes nicht richtig festgelegt!";
        if (w2.Fehler)
            meldung = pp ? "Koordinaten des 2. Punktes nicht richtig festgelegt!"
                         : "Koordinaten des Vektors nicht richtig festgelegt!";
        if (!w1.Fehler && !w2.Fehler) {
            if (pp && w1.Wert == w2.Wert) meldung = "Die beiden Punkte sind gleich!";
            if (!pp && IstNullvektor(w2.Wert)) meldung = "Der Richtungsvektor ist der Nullvektor!";
        }
        if (e.Selbst) {
            const TDreiDBasisElement* e1 = BenanntesElement(liste, t1.Name, PunktArten);
            const TDreiDBasisElement* e2 = BenanntesElement(liste, t2.Name, arten2);
            if (e1 && HaengtAb(*e1, *e.Selbst)) meldung = KreisText(e1->Name, "der Geraden");
            if (e2 && HaengtAb(*e2, *e.Selbst)) meldung = KreisText(e2->Name, "der Geraden");
        }
    }
    const int neu = static_cast<int>(GeradeNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (meldung.empty() && !HatPlatzFuer(liste, neu)) meldung = ListeVollMeldung;
    return meldung;
}

TEingabePruefung GeradePruefen(const TListe& liste, const TGeradenEingabe& e) {
    TEingabePruefung r;
    if (AllesLeer(e, e.Weg)) {
        r.Ergebnis = TPruefergebnis::StillSchliessen;
        return r;
    }
    if (!e.Vollstaendig) {
        r.Ergebnis = TPruefergebnis::Unvollstaendig;
        r.Meldung = UnvollstaendigText;
        return r;
    }
    // The parameter form of another way is only a view of it.
    const int weg =
        e.Abgeleitet ? WegParameterform : (e.Weg == WegParameterform ? e.Festlegung : e.Weg);
    r.Meldung = GeradenChecks(liste, e, weg);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

TTripel ParameterformRichtung(const TGeradenEingabe& e, int weg) {
    if (weg == WegPunktPunkt) {
        const TTripel p1 = ParseTripel(e.P1.Werte[0], e.P1.Werte[1], e.P1.Werte[2]).Tripel;
        const TTripel p2 = ParseTripel(e.P2.Werte[0], e.P2.Werte[1], e.P2.Werte[2]).Tripel;
        return VereinfachterVektor(TripelDifferenz(p2, p1));
    }
    return VereinfachterVektor(ParseTripel(e.V.Werte[0], e.V.Werte[1], e.V.Werte[2]).Tripel);
}

std::vector<TElementart> GeradeNeueTeile(const TListe& liste, const TGeradenEingabe& e) {
    if (e.Abgeleitet || e.Festlegung == WegParameterform) return {};
    if (e.Festlegung == WegPunktPunkt)
        return NeueTeile(liste, {{&e.P1, TElementart::DfrPunkt}, {&e.P2, TElementart::DfrPunkt}});
    return NeueTeile(liste, {{&e.A, TElementart::DfrPunkt}, {&e.V, TElementart::DVektor}});
}

bool GeradeAusDialog(TListe& liste, int position, const TGeradenEingabe& e) {
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(GeradeNeueTeile(liste, e).size())))
        return false;
    TGerade& g = Als<TGerade>(*liste[position]);
    g.sichtbar = true;
    g.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    g.Art = TElementart::DGerade;
    if (!e.Abgeleitet) {
        g.Festlegung = static_cast<std::uint8_t>(e.Festlegung);
        int naechster = position + 1;
        switch (e.Festlegung) {
        case WegParameterform: {
            g.Bezuege = {};
            g.Punkt = FeldWerte(e.ParPunkt, e.ParPunktAngezeigt, e.GehaltenerPunkt);
            const TTripel gelesen =
                ParseTripel(e.ParRichtung[0], e.ParRichtung[1], e.ParRichtung[2]).Tripel;
            // The edits show the held direction simplified; unchanged, it stays as held.
            const bool wieAngezeigt = e.ParRichtung == e.ParRichtungAngezeigt;
            if (!wieAngezeigt && !(gelesen == VereinfachterVektor(g.Richtung)))
                g.Richtung = gelesen;
            break;
        }
        case WegPunktPunkt: {
            TDreiDBasisElement* p1 =
                TeilSchreiben(liste, e.P1, TElementart::DfrPunkt, e.Neu, naechster);
            TDreiDBasisElement* p2 =
                TeilSchreiben(liste, e.P2, TElementart::DfrPunkt, e.Neu, naechster);
            g.Bezuege = {p1, p2, nullptr};
            break;
        }
        case WegPunktVektor: {
            TDreiDBasisElement* a =
                TeilSchreiben(liste, e.A, TElementart::DfrPunkt, e.Neu, naechster);
            TDreiDBasisElement* v =
                TeilSchreiben(liste, e.V, TElementart::DVektor, e.Neu, naechster);
            g.Bezuege = {a, v, nullptr};
            break;
        }
        default:
            break;
        }
    }
    AussehenSchreiben(g, e);
    return true;
}

int GeradeNeuAnlegen(TListe& liste, const TGeradenEingabe& e) {
    return ElementAnhaengen(liste, TElementart::DGerade, GeradeNeueTeile(liste, e),
                            [&](TListe& l, int slot) { return GeradeAusDialog(l, slot, e); });
}

int GeradeUebernehmen(TDokument& dokument, const TGeradenEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DGerade, [&](const TListe& l) { return GeradeNeueTeile(l, e); },
        [&](TListe& l, int slot) { return GeradeAusDialog(l, slot, e); });
}

} // namespace kalvorin
