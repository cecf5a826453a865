#include "eingabe/PunktEingabe.h"

#include "document/Dokument.h"
#include "geometry/Auswertung.h"
#include "model/Abhaengigkeiten.h"
#include "model/Meldungen.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

#include <cmath>

namespace kalvorin {

namespace {

constexpr Real Wurzel3 = 1.7320508075688772935L;

std::string PunktName(const std::string& getippt) {
    return Utf8Anfang(RemoveBlanks(getippt), MaxNamenLaenge);
}

void KoordinatenZeigen(TPunktEingabe& e, TTripel p, bool nurLesen) {
    e.Angezeigt = e.Edits = FeldTexte(p);
    e.Gehalten = p;
    e.NurLesen = nurLesen;
}

} // namespace

TPunktEingabe PunktEingabeNeu(const TListe& liste) {
    TPunktEingabe e;
    NeuVorbereiten(e, liste, TElementart::DfrPunkt);
    e.Anfangspunkte = NamenDerArt(liste, PunktArten);
    e.Vektoren = NamenDerArt(liste, VektorArten);
    return e;
}

TPunktEingabe PunktEingabeAusElement(const TListe& liste, int position) {
    const auto& p = Als<TfrPunkt>(*liste[position]);
    TPunktEingabe e;
    AusElementVorbereiten(e, p);
    const bool koord = p.Festlegung == TfrPunkt::Koord;
    // Only a point given by coordinates may drop its start point and vector.
    e.LeererEintrag = koord;
    e.Anfangspunkte = NamenDerArt(liste, PunktArten, &p);
    e.Vektoren = NamenDerArt(liste, VektorArten, &p);
    TTripel wert;
    PunktAuswerten(p, wert);
    if (e.Abgeleitet || koord) {
        e.Koordinaten = true;
        e.ArtWaehlbar = false;
        KoordinatenZeigen(e, wert, e.Abgeleitet);
    } else {
        // A point on a start point and a vector may be turned into one by
        // coordinates: the group stays usable.
        e.Koordinaten = false;
        e.ArtWaehlbar = true;
        KoordinatenZeigen(e, wert, true);
        e.Anfangspunkt = p.Anfangspunkt() ? p.Anfangspunkt()->Name : std::string();
        e.Vektor = p.Vektor() ? p.Vektor()->Name : std::string();
    }
    e.Festlegung = p.Festlegung;
    return e;
}

void PunktDarstellungsartGewaehlt(TPunktEingabe& e, const TListe& liste, bool koordinaten) {
    e.Koordinaten = koordinaten;
    if (!koordinaten) return;
    TTripel summe;
    if (!e.Anfangspunkt.empty() && !e.Vektor.empty() &&
        PunktAusAnfangUndVektor(liste, e.Anfangspunkt, e.Vektor, summe)) {
        e.Festlegung = TfrPunkt::PV;
        KoordinatenZeigen(e, summe, true);
    } else {
        e.Festlegung = TfrPunkt::Koord;
        e.NurLesen = false;
        e.Entstehung.clear();
    }
}

void PunktFuerNaechsten(TPunktEingabe& e, const TListe& liste) {
    e.Name = liste.AutomatischerName(TElementart::DfrPunkt);
    e.Edits = {};
}

bool PunktAusAnfangUndVektor(const TListe& liste, const std::string& anfangspunkt,
                             const std::string& vektor, TTripel& summe) {
    const TDreiDBasisElement* a =
        anfangspunkt.empty() ? nullptr : liste.ElementMitName(anfangspunkt);
    const TDreiDBasisElement* v = vektor.empty() ? nullptr : liste.ElementMitName(vektor);
    if (!a || !v || !IstVonArt(*a, PunktArten) || !IstVonArt(*v, VektorArten)) return false;
    TTripel p, w;
    PunktAuswerten(*a, p);
    VektorAuswerten(*v, w);
    summe = TripelSumme(p, w);
    return true;
}

TPunktPruefung PunktPruefen(const TListe& liste, const TPunktEingabe& e) {
    TPunktPruefung r;
    // Blanks go first; a longer name is refused with the file's reason
    // rather than cut behind the user's back.
    r.Name = RemoveBlanks(e.Name);
    const TNamensbefund name = NamenPruefen(liste, r.Name, e.AlterName, "Name bereits vergeben!");
    switch (name.Fehler) {
    case TNamensfehler::Leer:
        r.Fehler = PunktNameLeer;
        break;
    case TNamensfehler::Vergeben:
        r.Fehler = PunktNameVergeben;
        break;
    case TNamensfehler::NichtSpeicherbar:
        r.Fehler = PunktNameNichtSpeicherbar;
        break;
    case TNamensfehler::Keiner:
        break;
    }

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
        if (e.Anfangspunkt.empty()) r.Fehler = PunktAnfangspunktFehlt;
        if (e.Vektor.empty()) r.Fehler = PunktVektorFehlt;
        if (r.Fehler == PunktOk) {
            if (!PunktAusAnfangUndVektor(liste, e.Anfangspunkt, e.Vektor, r.Punkt))
                r.Fehler = liste.ElementMitName(e.Anfangspunkt) ? PunktVektorFehlt
                                                                : PunktAnfangspunktFehlt;
            else if (std::fabs(r.Punkt.x) > MaxEingabe || std::fabs(r.Punkt.y) > MaxEingabe ||
                     std::fabs(r.Punkt.z) > MaxEingabe)
                r.Fehler = PunktKoordinaten;
        }
        if (e.Anfangspunkt.empty() && e.Vektor.empty()) r.Fehler = PunktKoordinaten;
    }

    if (r.Fehler == PunktOk && e.Neu && !HatPlatzFuer(liste, 1)) r.Fehler = PunktListeVoll;

    r.Ergebnis = r.Fehler == PunktOk ? TPruefergebnis::Gueltig : TPruefergebnis::Abgelehnt;
    switch (r.Fehler) {
    case PunktNameLeer:
    case PunktNameVergeben:
    case PunktNameNichtSpeicherbar:
        r.Meldung = name.Meldung;
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
                r.Ergebnis = TPruefergebnis::StillSchliessen;
            else
                r.Meldung = "Koordinaten nicht richtig festgelegt!\r\n"
                            "Zulässiger Bereich von -256 bis 256.";
        } else {
            if (e.Anfangspunkt.empty() && e.Vektor.empty())
                r.Ergebnis = TPruefergebnis::StillSchliessen;
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

TPunktPruefung PunktAnnehmen(TDokument& dokument, TPunktEingabe& e) {
    e.Sichtbar = true;
    e.BereichAnpassen = false;
    TPunktPruefung r = PunktPruefen(dokument.Liste(), e);
    e.Name = r.Name;
    if (r.Fehler != PunktOk || e.Abgeleitet ||
        !AusserhalbDesDarstellungsbereichs(dokument.Szene(), r.Punkt))
        return r;
    const TAntwort a =
        Meldungen().Frage("Der neue Punkt liegt außerhalb des Darstellungsbereichs, \r\n"
                          "soll das Koordinatensystem angepasst werden?",
                          TFrageKnoepfe::JaNein, "Kalvorin");
    if (a == TAntwort::Ja) {
        e.BereichAnpassen = true;
        e.BereichPunkt = r.Punkt;
    } else
        e.Sichtbar = false;
    return r;
}

bool AusserhalbDesDarstellungsbereichs(const tGSzene& szene, TTripel p) {
    return Betrag(TripelDifferenz(p, szene.Wuerfelmitte())) > Wurzel3 * szene.Halbseite();
}

void KoordinatensystemAnpassen(TKoordinatensystem& ks, TTripel p) {
    Real r = Betrag(p);
    if (r > MaxEingabe) r = MaxEingabe;
    const Real h = ks.H > 0 ? ks.H : ks.Halbseite();
    if (h <= 0) return;
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
    TDreiDBasisElement* anfang =
        e.Anfangspunkt.empty() ? nullptr : liste.ElementMitName(e.Anfangspunkt);
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
    AussehenSchreiben(p, e);
}

namespace {
TZurueckschreiben PunktSchreiben(const TPunktEingabe& e) {
    return [&e](TListe& liste, int slot) {
        PunktAusDialog(liste, slot, e);
        return true;
    };
}
} // namespace

int PunktNeuAnlegen(TListe& liste, const TPunktEingabe& e) {
    return ElementAnhaengen(liste, TElementart::DfrPunkt, {}, PunktSchreiben(e));
}

int PunktUebernehmen(TDokument& dokument, const TPunktEingabe& e) {
    if (!e.BereichAnpassen)
        return ElementUebernehmen(
            dokument, e, TElementart::DfrPunkt,
            [](const TListe&) { return std::vector<TElementart>{}; }, PunktSchreiben(e));
    int slot = 0;
    TAenderung wie;
    wie.Neuaufbau = TNeuaufbau::WennGeaendert;
    dokument.AendernMitAchsen(
        [&](TListe& liste, TKoordinatensystem& ks) {
            // The axes follow also when the list is full: the user asked
            // for it before the list was looked at.
            KoordinatensystemAnpassen(ks, e.BereichPunkt);
            slot = e.Neu ? PunktNeuAnlegen(liste, e) : liste.SlotVon(e.Selbst);
            if (!e.Neu && slot != 0) {
                PunktAusDialog(liste, slot, e);
                slot = HinterQuellenStellen(liste, slot);
                dokument.SchrittNennen(SchrittAendern(*liste[slot]));
            } else if (slot == 0) {
                dokument.SchrittNennen("Koordinatensystem ändern");
            }
            return true;
        },
        wie);
    if (slot == 0) Meldungen().Meldung(ListeVollMeldung, TMeldungsart::Warnung, "Kalvorin");
    return slot;
}

} // namespace kalvorin
