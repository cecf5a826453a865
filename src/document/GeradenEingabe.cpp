#include "document/GeradenEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "storage/Einstellungen.h"
#include "storage/Zahlen.h"

namespace kalvorin {

namespace {

constexpr TElementart PunktArt = TElementart::DfrPunkt;
constexpr TElementart VektorArt = TElementart::DVektor;

bool IstPunkt(const TDreiDBasisElement& e) {
    return e.Art == TElementart::DfrPunkt || e.Art == TElementart::DgebPunkt;
}

bool AllesLeer(const TGeradenEingabe& e, int weg) {
    switch (weg) {
    case WegPunktPunkt:
        return KeinesGefuellt(e.P1) && KeinesGefuellt(e.P2) && !Gefuellt(e.P1Name) &&
               !Gefuellt(e.P2Name);
    case WegPunktVektor:
        return KeinesGefuellt(e.A) && KeinesGefuellt(e.V) && !Gefuellt(e.AName) &&
               !Gefuellt(e.VName);
    default:
        return KeinesGefuellt(e.ParPunkt) && KeinesGefuellt(e.ParRichtung);
    }
}

// The values of a point or vector group: those of the named element when
// it exists (its edits only show them rounded), else the typed ones.
struct TGruppenWert {
    TTripel Wert;
    bool Fehler = false;
};

TGruppenWert GruppenWert(const TDreiDBasisElement* vorhanden, const TFeldTexte& edits) {
    TGruppenWert w;
    if (vorhanden) {
        if (IstPunkt(*vorhanden))
            PunktAuswerten(*vorhanden, w.Wert);
        else
            VektorAuswerten(*vorhanden, w.Wert);
        return w;
    }
    const TTripelEingabe t = ParseTripel(edits[0], edits[1], edits[2]);
    w.Wert = t.Tripel;
    w.Fehler = t.Fehler;
    return w;
}

std::string KreisText(const std::string& name) {
    return "Das Objekt " + name + " ist aus der Geraden entstanden\r\nund kann sie nicht festlegen!";
}

// The element a new name takes: in a new-element dialog the next one the
// caller appended, else (or when the caller did not append) a new one.
TDreiDBasisElement* NeuerTeil(TListe& liste, TElementart art, bool neu, int& naechsterSlot) {
    if (neu && naechsterSlot <= liste.Anzahl() && liste[naechsterSlot]->Art == art &&
        liste[naechsterSlot]->Name.empty())
        return liste[naechsterSlot++];
    return liste.Neu(art);
}

TDreiDBasisElement* Teil(TListe& liste, const std::string& name, const TFeldTexte& edits, TElementart art,
                         bool neu, int& naechsterSlot) {
    if (TDreiDBasisElement* vorhanden = liste.ElementMitName(name))
        return vorhanden;
    TDreiDBasisElement* t = NeuerTeil(liste, art, neu, naechsterSlot);
    if (!t)
        return nullptr;
    t->Name = name;
    t->Bezuege = {};
    const TTripel wert = ParseTripel(edits[0], edits[1], edits[2]).Tripel;
    if (art == PunktArt) {
        t->Festlegung = TfrPunkt::Koord;
        Als<TfrPunkt>(*t).Koordinaten = wert;
    } else {
        t->Festlegung = TVektor::V;
        Als<TVektor>(*t).Komponenten = wert;
    }
    return t;
}

} // namespace

void TGeradenZustand::ParameterformGeaendert(bool alleGefuellt) {
    if (alleGefuellt) {
        PunktPunktAktiv = false;
        PunktVektorAktiv = false;
        if (Neu && !Vollstaendig)
            Festlegung = WegParameterform;
        Vollstaendig = true;
    } else if (Neu) {
        Vollstaendig = false;
        PunktPunktAktiv = true;
        PunktVektorAktiv = true;
    }
}

void TGeradenZustand::PunktPunktGeaendert(bool alleGefuellt) {
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

void TGeradenZustand::PunktVektorGeaendert(bool alleGefuellt) {
    if (alleGefuellt) {
        ParameterformAktiv = true;
        PunktPunktAktiv = false;
        Vollstaendig = true;
        if (Neu)
            Festlegung = WegPunktVektor;
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

std::string TeilName(const std::string& text) { return Utf8Anfang(RemoveBlanks(text), MaxNamenLaenge); }

const TDreiDBasisElement* BenannterPunkt(const TListe& liste, const std::string& text) {
    const TDreiDBasisElement* e = liste.ElementMitName(TeilName(text));
    return e && IstPunkt(*e) ? e : nullptr;
}

const TDreiDBasisElement* BenannterVektor(const TListe& liste, const std::string& text) {
    const TDreiDBasisElement* e = liste.ElementMitName(TeilName(text));
    return e && e->Art == TElementart::DVektor ? e : nullptr;
}

std::vector<std::string> PunktNamenFuerGerade(const TListe& liste, const TDreiDBasisElement* selbst) {
    std::vector<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (IstPunkt(*liste[i]) && !(selbst && HaengtAb(*liste[i], *selbst)))
            namen.push_back(liste[i]->Name);
    return namen;
}

std::vector<std::string> VektorNamenFuerGerade(const TListe& liste, const TDreiDBasisElement* selbst) {
    std::vector<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i]->Art == TElementart::DVektor && !(selbst && HaengtAb(*liste[i], *selbst)))
            namen.push_back(liste[i]->Name);
    return namen;
}

std::string GeradenChecks(const TListe& liste, const TGeradenEingabe& e, int weg) {
    std::string meldung;
    // An element without a name could not be stored or referred to.
    if (!Gefuellt(e.Name))
        meldung = "Name nicht festgelegt!";
    if (liste.NameVergeben(e.Name) && e.Name != e.AlterName)
        meldung = "Name der Geraden bereits vergeben!";

    if (e.Abgeleitet) {
        // Nothing else is input.
    } else if (weg == WegParameterform) {
        const TTripelEingabe p = ParseTripel(e.ParPunkt[0], e.ParPunkt[1], e.ParPunkt[2]);
        const TTripelEingabe v = ParseTripel(e.ParRichtung[0], e.ParRichtung[1], e.ParRichtung[2]);
        if (p.Fehler)
            meldung = "Koordinaten des Punktes nicht richtig festgelegt!";
        if (v.Fehler)
            meldung = "Koordinaten des Vektors nicht richtig festgelegt!";
        if (meldung.empty() && IstNullvektor(v.Tripel))
            meldung = "Der Richtungsvektor ist der Nullvektor!";
    } else {
        const bool pp = weg == WegPunktPunkt;
        const std::string n1 = TeilName(pp ? e.P1Name : e.AName);
        const std::string n2 = TeilName(pp ? e.P2Name : e.VName);
        const TDreiDBasisElement* t1 = BenannterPunkt(liste, n1);
        const TDreiDBasisElement* t2 = pp ? BenannterPunkt(liste, n2) : BenannterVektor(liste, n2);
        // The line's own new name counts as taken: a part bearing it too
        // would leave the document with two elements of one name.
        const bool zweiterVergeben =
            (pp ? liste.NameVergeben(n2, Arten({TElementart::DfrPunkt, TElementart::DgebPunkt})) : liste.NameVergeben(n2, Arten({TElementart::DVektor}))) ||
            n2 == e.Name;
        if (liste.NameVergeben(n1, Arten({TElementart::DfrPunkt, TElementart::DgebPunkt})) || n1 == e.Name)
            meldung = pp ? "Name des 1. Punktes bereits vergeben!"
                         : "Name des Anfangspunktes bereits vergeben!";
        if (zweiterVergeben)
            meldung = pp ? "Name des 2. Punktes bereits vergeben!" : "Name des Vektors bereits vergeben!";
        if (n1 == n2)
            meldung = pp ? "Die beiden Punkte besitzen den gleichen Namen!"
                         : "Anfangspunkt und Vektor besitzen den gleichen Namen!";
        const TGruppenWert w1 = GruppenWert(t1, pp ? e.P1 : e.A);
        const TGruppenWert w2 = GruppenWert(t2, pp ? e.P2 : e.V);
        if (w1.Fehler)
            meldung = pp ? "Koordinaten des 1. Punktes nicht richtig festgelegt!"
                         : "Koordinaten des Anfangspunktes nicht richtig festgelegt!";
        if (w2.Fehler)
            meldung = pp ? "Koordinaten des 2. Punktes nicht richtig festgelegt!"
                         : "Koordinaten des Vektors nicht richtig festgelegt!";
        if (!w1.Fehler && !w2.Fehler) {
            if (pp && w1.Wert == w2.Wert)
                meldung = "Die beiden Punkte sind gleich!";
            if (!pp && IstNullvektor(w2.Wert))
                meldung = "Der Richtungsvektor ist der Nullvektor!";
        }
        if (e.Selbst) {
            if (t1 && HaengtAb(*t1, *e.Selbst))
                meldung = KreisText(t1->Name);
            if (t2 && HaengtAb(*t2, *e.Selbst))
                meldung = KreisText(t2->Name);
        }
    }
    if (meldung.empty() && !HatPlatzFuer(liste, NeueTeile(liste, e) + (e.Neu ? 1 : 0)))
        meldung = ListeVollMeldung;
    return meldung;
}

TGeradenPruefung GeradePruefen(const TListe& liste, const TGeradenEingabe& e) {
    TGeradenPruefung r;
    if (AllesLeer(e, e.Weg)) {
        r.Ergebnis = TGeradenErgebnis::StillSchliessen;
        return r;
    }
    if (!e.Vollstaendig) {
        r.Ergebnis = TGeradenErgebnis::Unvollstaendig;
        r.Meldung = UnvollstaendigText;
        return r;
    }
    // The parameter form of another way is only a view of it.
    const int weg = e.Abgeleitet ? WegParameterform
                                 : (e.Weg == WegParameterform ? e.Festlegung : e.Weg);
    r.Meldung = GeradenChecks(liste, e, weg);
    if (!r.Meldung.empty())
        r.Ergebnis = TGeradenErgebnis::Abgelehnt;
    return r;
}

TTripel ParameterformRichtung(const TGeradenEingabe& e, int weg) {
    if (weg == WegPunktPunkt) {
        const TTripel p1 = ParseTripel(e.P1[0], e.P1[1], e.P1[2]).Tripel;
        const TTripel p2 = ParseTripel(e.P2[0], e.P2[1], e.P2[2]).Tripel;
        return VereinfachterVektor(TripelDifferenz(p2, p1));
    }
    return VereinfachterVektor(ParseTripel(e.V[0], e.V[1], e.V[2]).Tripel);
}

int NeueTeile(const TListe& liste, const TGeradenEingabe& e) {
    if (e.Abgeleitet || e.Festlegung == WegParameterform)
        return 0;
    const bool pp = e.Festlegung == WegPunktPunkt;
    const std::string n1 = TeilName(pp ? e.P1Name : e.AName);
    const std::string n2 = TeilName(pp ? e.P2Name : e.VName);
    int n = 0;
    if (!n1.empty() && !liste.NameVergeben(n1))
        ++n;
    if (!n2.empty() && n2 != n1 && !liste.NameVergeben(n2))
        ++n;
    return n;
}

void GeradeAusDialog(TListe& liste, int position, const TGeradenEingabe& e) {
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
            const std::string n1 = TeilName(e.P1Name), n2 = TeilName(e.P2Name);
            TDreiDBasisElement* p1 = Teil(liste, n1, e.P1, PunktArt, e.Neu, naechster);
            TDreiDBasisElement* p2 = Teil(liste, n2, e.P2, PunktArt, e.Neu, naechster);
            g.Bezuege = {p1, p2, nullptr};
            break;
        }
        case WegPunktVektor: {
            const std::string n1 = TeilName(e.AName), n2 = TeilName(e.VName);
            TDreiDBasisElement* a = Teil(liste, n1, e.A, PunktArt, e.Neu, naechster);
            TDreiDBasisElement* v = Teil(liste, n2, e.V, VektorArt, e.Neu, naechster);
            g.Bezuege = {a, v, nullptr};
            break;
        }
        default:
            break;
        }
    }
    g.Dicke = static_cast<std::uint16_t>(e.Duenn ? 1 : Einstellungen().DickgeradenDicke);
    g.MitRand = e.MitRand;
    g.Farbe = e.Farbe;
    g.Hilfslinien = e.Hilfslinien;
}

int GeradeNeuAnlegen(TListe& liste, const TGeradenEingabe& e) {
    const int teile = NeueTeile(liste, e);
    if (!HatPlatzFuer(liste, 1 + teile))
        return 0;
    liste.Neu(TElementart::DGerade);
    const int position = liste.Anzahl();
    if (!e.Abgeleitet && e.Festlegung != WegParameterform) {
        const bool pp = e.Festlegung == WegPunktPunkt;
        const std::string n1 = TeilName(pp ? e.P1Name : e.AName);
        const std::string n2 = TeilName(pp ? e.P2Name : e.VName);
        if (!liste.NameVergeben(n1))
            liste.Neu(PunktArt);
        if (n2 != n1 && !liste.NameVergeben(n2))
            liste.Neu(pp ? PunktArt : VektorArt);
    }
    GeradeAusDialog(liste, position, e);
    return position;
}

} // namespace kalvorin
