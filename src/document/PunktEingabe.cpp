#include "document/PunktEingabe.h"

#include "geometry/Auswertung.h"
#include "model/Utf8.h"
#include "storage/Einstellungen.h"
#include "storage/Zahlen.h"

#include <cmath>

namespace kalvorin {

namespace {

constexpr Real Wurzel3 = 1.7320508075688772935L;

bool IstPunkt(const TDreiDBasisElement& e) {
    return e.Art == TElementart::DfrPunkt || e.Art == TElementart::DgebPunkt;
}

std::string PunktName(const std::string& getippt) {
    return Utf8Anfang(RemoveBlanks(getippt), MaxNamenLaenge);
}

} // namespace

bool PunktAusAnfangUndVektor(const TListe& liste, const std::string& anfangspunkt,
                             const std::string& vektor, TTripel& summe) {
    const TDreiDBasisElement* a = anfangspunkt.empty() ? nullptr : liste.ElementMitName(anfangspunkt);
    const TDreiDBasisElement* v = vektor.empty() ? nullptr : liste.ElementMitName(vektor);
    if (!a || !v || !IstPunkt(*a) || v->Art != TElementart::DVektor)
        return false;
    TTripel p, w;
    PunktAuswerten(*a, p);
    VektorAuswerten(*v, w);
    summe = TripelSumme(p, w);
    return true;
}

TPunktPruefung PunktPruefen(const TListe& liste, const TPunktEingabe& e) {
    TPunktPruefung r;
    r.Name = PunktName(e.Name);
    if (r.Name.empty())
        r.Fehler = PunktNameLeer;
    else if (liste.NameVergeben(r.Name) && r.Name != e.AlterName)
        r.Fehler = PunktNameVergeben;

    if (e.Koordinaten) {
        if (e.Abgeleitet) {
            // Shown, not typed: a derived point may lie anywhere.
            r.Punkt = e.Gehalten;
        } else {
            const TTripelEingabe t = ParseTripel(e.Edits[0], e.Edits[1], e.Edits[2]);
            if (t.Fehler)
                r.Fehler = PunktKoordinaten;
            else
                r.Punkt = FeldWerte(e.Edits, e.Angezeigt, e.Gehalten);
        }
    } else {
        if (e.Anfangspunkt.empty())
            r.Fehler = PunktAnfangspunktFehlt;
        if (e.Vektor.empty())
            r.Fehler = PunktVektorFehlt;
        if (r.Fehler == PunktOk) {
            if (!PunktAusAnfangUndVektor(liste, e.Anfangspunkt, e.Vektor, r.Punkt))
                r.Fehler = liste.ElementMitName(e.Anfangspunkt) ? PunktVektorFehlt
                                                                : PunktAnfangspunktFehlt;
            else if (std::fabs(r.Punkt.x) > MaxEingabe || std::fabs(r.Punkt.y) > MaxEingabe ||
                     std::fabs(r.Punkt.z) > MaxEingabe)
                r.Fehler = PunktKoordinaten;
        }
        if (e.Anfangspunkt.empty() && e.Vektor.empty())
            r.Fehler = PunktKoordinaten;
    }

    if (r.Fehler == PunktOk && e.Neu && !HatPlatzFuer(liste, 1))
        r.Fehler = PunktListeVoll;

    switch (r.Fehler) {
    case PunktNameLeer:
        r.Meldung = "Name nicht festgelegt!";
        break;
    case PunktNameVergeben:
        r.Meldung = "Name bereits vergeben!";
        break;
    case PunktAnfangspunktFehlt:
        r.Meldung = "Anfangspunkt nicht festgelegt!";
        break;
    case PunktVektorFehlt:
        r.Meldung = "Vektor nicht festgelegt!";
        break;
    case PunktListeVoll:
        r.Meldung = ListeVollMeldung;
        break;
    case PunktKoordinaten:
        if (e.Koordinaten) {
            if (KeinesGefuellt(e.Edits))
                r.StillSchliessen = true;
            else
                r.Meldung = "Koordinaten nicht richtig festgelegt!\r\n"
                            "Zulässiger Bereich von -256 bis 256.";
        } else {
            if (e.Anfangspunkt.empty() && e.Vektor.empty())
                r.StillSchliessen = true;
            else
                r.Meldung = "Die Koordinaten des neuen Punktes überschreiten den\r\n"
                            "zulässigen Bereich von -256 bis 256.";
        }
        break;
    default:
        break;
    }
    return r;
}

std::vector<std::string> AnfangspunktNamen(const TListe& liste, const TDreiDBasisElement* selbst) {
    std::vector<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        if (IstPunkt(e) && !(selbst && HaengtAb(e, *selbst)))
            namen.push_back(e.Name);
    }
    return namen;
}

std::vector<std::string> VektorNamen(const TListe& liste, const TDreiDBasisElement* selbst) {
    std::vector<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        if (e.Art == TElementart::DVektor && !(selbst && HaengtAb(e, *selbst)))
            namen.push_back(e.Name);
    }
    return namen;
}

bool AusserhalbDesDarstellungsbereichs(const tGSzene& szene, TTripel p) {
    return Betrag(TripelDifferenz(p, szene.Wuerfelmitte())) > Wurzel3 * szene.Halbseite();
}

void KoordinatensystemAnpassen(TKoordinatensystem& ks, TTripel p) {
    Real r = Betrag(p);
    if (r > MaxEingabe)
        r = MaxEingabe;
    const Real h = ks.H > 0 ? ks.H : ks.Halbseite();
    if (h <= 0)
        return;
    const Real f = r / h;
    for (TAchsenDaten& a : ks.Achsen) {
        a.Unten *= f;
        a.Oben *= f;
    }
    ks.AbgeleiteteDatenBerechnen();
}

void PunktAusDialog(TListe& liste, int position, const TPunktEingabe& e) {
    TfrPunkt& p = Als<TfrPunkt>(*liste[position]);
    p.sichtbar = e.Sichtbar;
    p.Name = PunktName(e.Name);
    p.Art = TElementart::DfrPunkt;
    TDreiDBasisElement* anfang = e.Anfangspunkt.empty() ? nullptr : liste.ElementMitName(e.Anfangspunkt);
    TDreiDBasisElement* vektor = e.Vektor.empty() ? nullptr : liste.ElementMitName(e.Vektor);
    if (anfang && vektor) {
        p.Festlegung = TfrPunkt::PV;
        p.Bezuege = {anfang, vektor, nullptr};
        PunktAusAnfangUndVektor(liste, e.Anfangspunkt, e.Vektor, p.Koordinaten);
    } else {
        p.Festlegung = TfrPunkt::Koord;
        p.Bezuege = {};
        p.Koordinaten = e.Abgeleitet ? e.Gehalten : FeldWerte(e.Edits, e.Angezeigt, e.Gehalten);
    }
    p.Punktform = static_cast<std::uint8_t>(e.Punktform);
    p.Dicke = static_cast<std::uint16_t>(e.Duenn ? 1 : Einstellungen().DickpunktDicke);
    p.Farbe = e.Farbe;
    p.Hilfslinien = e.Hilfslinien;
}

int PunktNeuAnlegen(TListe& liste, const TPunktEingabe& e) {
    if (!liste.Neu(TElementart::DfrPunkt))
        return 0;
    const int slot = liste.Anzahl();
    PunktAusDialog(liste, slot, e);
    return slot;
}

} // namespace kalvorin
