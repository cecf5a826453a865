#include "document/Dokument.h"

#include "document/Loeschen.h"
#include "document/Neuaufbau.h"
#include "model/StandardEinstellungen.h"
#include "model/Utf8.h"
#include "view/Ansicht.h"
#include "zahlen/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

TDokument::TDokument()
    : ks_(KoordinatensystemFuerNeuesFenster(Einstellungen())), szene_(abbildung_) {
    AnsichtEinrichten();
    AusgangslageSetzen(szene_);
    Neuaufbau();
}

void TDokument::AnsichtEinrichten() {
    ZeichenfensterEinrichten(ks_, abbildung_, szene_);
}

void TDokument::Melden() {
    for (const auto& b : beobachter_)
        b();
}

namespace {

// The questions with their elements by slot, which is what a copy of the
// list numbers them by; a question about an element that is gone is left out.
std::optional<TArbeitsblattfragen> NachSlots(const std::optional<TArbeitsblattfragen>& fragen,
                                             const TListe& liste) {
    if (!fragen) return {};
    TArbeitsblattfragen r;
    for (TArbeitsblattfrage f : *fragen) {
        bool gut = true;
        for (int& n : f.Nummern) {
            int slot = 0;
            for (int i = 1; i <= liste.Anzahl() && slot == 0; ++i)
                if (liste[i]->Nummer == n) slot = i;
            gut = gut && slot > 0;
            n = slot;
        }
        if (gut) r.push_back(std::move(f));
    }
    return r;
}

} // namespace

TDokumentzustand TDokument::Zustand() const {
    TDokumentzustand z;
    z.Liste = std::make_unique<TListe>();
    TListe::Kopieren(liste_, *z.Liste);
    z.Ks = ks_;
    z.Rollen = rollen_;
    z.Inhalt = inhalt_;
    z.Fragen = NachSlots(fragen_, liste_);
    return z;
}

void TDokument::ZustandSetzen(TDokumentzustand z) {
    TListe::Kopieren(*z.Liste, liste_);
    ks_ = z.Ks;
    rollen_ = z.Rollen;
    fragen_ = std::move(z.Fragen);
    inhalt_ = z.Inhalt;
    geaendert_ = inhalt_ != gespeichert_;
    AnsichtEinrichten();
    Neuaufbau();
}

std::string TDokument::Schrittname(const TDokumentzustand& vorher, const TAenderung& wie) const {
    if (!wie.Schritt.empty()) return wie.Schritt;
    if (!schrittImGange_.empty()) return schrittImGange_;
    if (wie.Schnappschuss) return SchrittName(*wie.Schnappschuss);
    const TDreiDBasisElement* haupt = nullptr;
    for (int i = vorher.Liste->Anzahl() + 1; i <= liste_.Anzahl(); ++i)
        if (!haupt || liste_[i]->ArtNummer() > haupt->ArtNummer()) haupt = liste_[i];
    return haupt ? SchrittFestlegen(*haupt) : "Änderung";
}

void TDokument::SchrittEintragen(TDokumentzustand vorher, const TAenderung& wie, bool geaendert) {
    std::string name = Schrittname(vorher, wie);
    if (geaendert) inhalt_ = naechsterInhalt_++;
    rueckgaengig_.Eintragen(std::move(name), std::move(vorher));
}

void TDokument::GespeichertSetzen() {
    gespeichert_ = inhalt_;
    geaendert_ = false;
}

void TDokument::HistorieVerwerfen() {
    ZiehenAbschliessen();
    rueckgaengig_.Verwerfen();
    inhalt_ = naechsterInhalt_++;
}

bool TDokument::Transaktion(const std::function<bool(TListe&, TKoordinatensystem&)>& aendern,
                            const TAenderung& wie, bool achsen) {
    if (Zieht()) ZiehenBeenden();
    std::optional<TDokumentzustand> vorher;
    if (wie.AlsSchritt) vorher = Zustand();
    schrittImGange_.clear();
    const bool geaendert = aendern(liste_, ks_);
    if (achsen) AnsichtEinrichten();
    if (vorher && (geaendert || wie.Schnappschuss))
        SchrittEintragen(std::move(*vorher), wie, geaendert);
    schrittImGange_.clear();
    if (geaendert) geaendert_ = true;
    if (wie.Neuaufbau == TNeuaufbau::Immer ||
        (geaendert && wie.Neuaufbau == TNeuaufbau::WennGeaendert))
        Neuaufbau();
    else
        Melden();
    return geaendert;
}

bool TDokument::Aendern(const std::function<bool(TListe&)>& aendern, const TAenderung& wie) {
    return Transaktion([&](TListe& l, TKoordinatensystem&) { return aendern(l); }, wie, false);
}

bool TDokument::AendernMitAchsen(const std::function<bool(TListe&, TKoordinatensystem&)>& aendern,
                                 const TAenderung& wie) {
    return Transaktion(aendern, wie, true);
}

void TDokument::AlsGeaendertMarkieren() {
    TAenderung wie;
    wie.Neuaufbau = TNeuaufbau::Nie;
    wie.AlsSchritt = false;
    Aendern([](TListe&) { return true; }, wie);
}

bool TDokument::ArbeitsblattfragenSetzen(std::optional<TArbeitsblattfragen> fragen) {
    TAenderung wie;
    wie.Neuaufbau = TNeuaufbau::Nie;
    wie.Schritt = "Arbeitsblatt festlegen";
    return Aendern(
        [&](TListe&) {
            if (fragen == fragen_) return false;
            fragen_ = std::move(fragen);
            return true;
        },
        wie);
}

void TDokument::Markieren(const std::function<void(TListe&)>& markieren) {
    markieren(liste_);
    Melden();
}

void TDokument::KoordinatensystemAendern(const std::function<void(TKoordinatensystem&)>& aendern,
                                         bool geaendert, std::string schritt) {
    if (Zieht()) ZiehenBeenden();
    TDokumentzustand vorher = Zustand();
    aendern(ks_);
    AnsichtEinrichten();
    TAenderung wie;
    wie.Schritt = std::move(schritt);
    // Also a zoom step, which is no modification, can be undone.
    SchrittEintragen(std::move(vorher), wie, geaendert);
    if (geaendert) geaendert_ = true;
    Neuaufbau();
}

void TDokument::AnsichtDrehen(TLogPunkt von, TLogPunkt nach, bool kippen) {
    szene_.Ziehen(von, nach, kippen);
    szene_.Projizieren();
    szene_.Sortieren();
}

void TDokument::AnsichtDrehen(const TMatrix4& drehung) {
    szene_.MatrixAnwenden(drehung);
    szene_.Projizieren();
    szene_.Sortieren();
}

void TDokument::ProjektionsartSetzen(TProjektionsart art) {
    if (Zieht()) ZiehenBeenden();
    szene_.SetzeProjektionsart(art);
    AnsichtEinrichten();
    AusgangslageSetzen(szene_);
    Neuaufbau();
}

void TDokument::Neuaufbau() {
    szene_.Leeren();
    KoordinatensystemInSzene(szene_, ks_);
    TNeuaufbauMeldungen meldungen;
    for (int slot = 1; slot <= liste_.Anzahl(); ++slot)
        ElementAktualisieren(liste_, slot, szene_, meldungen);
    NamenSetzen();
    szene_.Projizieren();
    szene_.Sortieren();
    meldungen.Zeigen();
    Melden();
}

void TDokument::NeuaufbauAb(int) {
    Neuaufbau();
}

void TDokument::NamenSetzen() {
    for (int i = 1; i <= liste_.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste_[i];
        const bool benannt = e.Art == TElementart::DfrPunkt || e.Art == TElementart::DPfeil ||
                             e.Art == TElementart::DStrecke || e.Art == TElementart::DGerade ||
                             e.Art == TElementart::DEbene || e.Art == TElementart::DKugel ||
                             e.Art == TElementart::DKreis;
        if (!benannt || !e.sichtbar || e.Szenenobjekte.none() || e.Szenenobjekte.test(0)) continue;
        int erstes = 1;
        while (!e.Szenenobjekte.test(static_cast<std::size_t>(erstes)))
            ++erstes;
        if (erstes > szene_.Objektzahl()) continue;
        // Every element, an arrow too, is labelled with its own name, the
        // one the object list shows.
        const std::string name = Utf8Anfang(e.Name, 8);
        szene_.SetzeName(erstes, name, 1, e.Art == TElementart::DEbene ? Schwarz : e.Farbe);
        szene_.SetzeNameSichtbar(erstes, e.NameSichtbar);
    }
}

void TDokument::Ausgangslage() {
    AusgangslageSetzen(szene_);
    Neuaufbau();
}

bool TDokument::Zoomen(Real faktor) {
    // At its limit the range stays, and nothing is rebuilt.
    if (TKoordinatensystem probe = ks_; !probe.Zoomen(faktor)) return false;
    // The range is part of the file, but zooming has never counted as a
    // modification.
    KoordinatensystemAendern([faktor](TKoordinatensystem& ks) { ks.Zoomen(faktor); }, false,
                             faktor > 1 ? "Darstellungsbereich vergrößern"
                                        : "Darstellungsbereich verkleinern");
    return true;
}

bool TDokument::RueckgaengigMachen() {
    if (Zieht()) ZiehenBeenden();
    if (!rueckgaengig_.Moeglich()) return false;
    ZustandSetzen(std::move(*rueckgaengig_.Zurueck(Zustand())));
    return true;
}

bool TDokument::Wiederholen() {
    if (Zieht()) ZiehenBeenden();
    if (!rueckgaengig_.WiederholenMoeglich()) return false;
    ZustandSetzen(std::move(*rueckgaengig_.Vor(Zustand())));
    return true;
}

TLadeergebnis TDokument::Wiederherstellen(const std::string& kopie, const std::string& dateiname,
                                          bool schreibgeschuetzt) {
    const TLadeergebnis ergebnis = Laden(kopie);
    if (ergebnis == TLadeergebnis::Gelesen) {
        dateiname_ = dateiname;
        schreibgeschuetzt_ = !dateiname.empty() && schreibgeschuetzt;
        geaendert_ = true;
        // The copy is not what the file holds, whatever is undone.
        gespeichert_ = 0;
        Melden();
    } else if (ergebnis == TLadeergebnis::Teilweise) {
        liste_.Leeren();
        rollen_ = 0;
        fragen_.reset();
        GespeichertSetzen();
        Neuaufbau();
    }
    return ergebnis;
}

bool TDokument::MarkierteLoeschen() {
    // The undo step is kept also when the user answers "Nein".
    return Aendern([](TListe& l) { return kalvorin::MarkierteLoeschen(l); },
                   {TNeuaufbau::WennGeaendert, TRueckgaengigArt::Loeschen});
}

namespace {

// "A", "A und B", "A, B und C"
std::string Aufzaehlung(const std::vector<std::string>& namen) {
    std::string text;
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (i > 0) text += i + 1 == namen.size() ? " und " : ", ";
        text += namen[i];
    }
    return text;
}

} // namespace

std::string TDokument::ZiehenVerweigert(int slot) const {
    if (slot < 1 || slot > liste_.Anzahl()) return "Hier ist kein Punkt, der gezogen werden kann";
    const TDreiDBasisElement& e = *liste_[slot];
    if (e.Art != TElementart::DfrPunkt)
        return e.Name + " ist kein Punkt und kann nicht gezogen werden";
    if (e.Entstehung.Art != TEntstehungsart::keine || e.Festlegung != TfrPunkt::Koord) {
        std::vector<std::string> namen;
        const auto dazu = [&namen](const TDreiDBasisElement* q) {
            if (!q) return;
            for (const std::string& n : namen)
                if (n == q->Name) return;
            namen.push_back(q->Name);
        };
        if (e.Entstehung.Art != TEntstehungsart::keine) {
            if (IstAbbildungsEntstehung(e.Entstehung.Art)) dazu(e.Entstehung.Originalelement);
            for (const TEntstehungsElement& q : e.Entstehung.Elemente)
                dazu(q.Element);
        } else {
            for (const TDreiDBasisElement* q : e.Bezuege)
                dazu(q);
        }
        if (namen.empty()) return e.Name + " ist abgeleitet und kann nicht gezogen werden";
        return e.Name + " ist aus " + Aufzaehlung(namen) +
               " entstanden und kann nicht gezogen werden";
    }
    if (e.fest) return e.Name + " ist fest und kann nicht gezogen werden";
    return {};
}

bool TDokument::ZiehenBeginnen(int slot) {
    if (Zieht()) ZiehenBeenden();
    if (!ZiehenVerweigert(slot).empty()) return false;
    vorZiehen_ = Zustand();
    ziehSlot_ = slot;
    return true;
}

void TDokument::ZiehenNach(TTripel p) {
    if (!Zieht()) return;
    const auto grenze = [](Real w) { return std::clamp(w, -MaxEingabe, MaxEingabe); };
    TfrPunkt& punkt = Als<TfrPunkt>(*liste_[ziehSlot_]);
    const TTripel neu{grenze(p.x), grenze(p.y), grenze(p.z)};
    if (neu == punkt.Koordinaten) return;
    punkt.Koordinaten = neu;
    NeuaufbauAb(ziehSlot_);
}

void TDokument::ZiehenBeenden() {
    if (!Zieht()) return;
    const int slot = ziehSlot_;
    TDokumentzustand vorher = std::move(*vorZiehen_);
    ZiehenAbschliessen();
    const TfrPunkt& punkt = Als<TfrPunkt>(*liste_[slot]);
    // A drag that came back to where it started changes nothing.
    if (punkt.Koordinaten == Als<TfrPunkt>(*(*vorher.Liste)[slot]).Koordinaten) {
        Melden();
        return;
    }
    TAenderung wie;
    wie.Schritt = "Punkt " + punkt.Name + " verschieben";
    SchrittEintragen(std::move(vorher), wie, true);
    geaendert_ = true;
    Melden();
}

void TDokument::ZiehenAbbrechen() {
    if (!Zieht()) return;
    TDokumentzustand vorher = std::move(*vorZiehen_);
    ZiehenAbschliessen();
    TListe::Kopieren(*vorher.Liste, liste_);
    fragen_ = std::move(vorher.Fragen);
    Neuaufbau();
}

void TDokument::ZiehenAbschliessen() {
    ziehSlot_ = 0;
    vorZiehen_.reset();
}

bool TDokument::PunktVerschieben(int slot, TTripel p) {
    if (!ZiehenBeginnen(slot)) return false;
    ZiehenNach(p);
    ZiehenBeenden();
    return true;
}

TTripel ZiehZiel(const TDokument& d, TTripel start, TLogPunkt griff, TLogPunkt jetzt,
                 bool senkrecht, bool einrasten) {
    const TMatrix4& m = d.Szene().Matrix();
    const TWeltAbbildung& a = d.Abbildung();
    // The projection is affine: a move of the point by (dx, dy, dz) moves
    // its picture by dx jx + dy jy + dz jz.
    const TZeichenpunkt o = Projizieren(Abbilden(m, start));
    const auto spalte = [&](TTripel e) {
        const TZeichenpunkt b =
            Projizieren(Abbilden(m, {start.x + e.x, start.y + e.y, start.z + e.z}));
        return TZeichenpunkt{b.u - o.u, b.v - o.v};
    };
    const Real du = a.LogischZuWeltX(jetzt.x) - a.LogischZuWeltX(griff.x);
    const Real dv = a.LogischZuWeltY(jetzt.y) - a.LogischZuWeltY(griff.y);
    const auto raster = [einrasten](Real w) {
        return einrasten ? std::round(w / ZiehSchritt) * ZiehSchritt : w;
    };
    TTripel ziel = start;
    if (senkrecht) {
        const TZeichenpunkt jz = spalte({0, 0, 1});
        const Real n = jz.u * jz.u + jz.v * jz.v;
        if (n < 1e-4L) return start;
        ziel.z = raster(start.z + (jz.u * du + jz.v * dv) / n);
        return ziel;
    }
    const TZeichenpunkt jx = spalte({1, 0, 0}), jy = spalte({0, 1, 0});
    const Real det = jx.u * jy.v - jx.v * jy.u;
    // Edge-on (the picture of the plane is almost a line): no sensible move.
    if (std::fabs(det) < 0.02L * std::hypot(jx.u, jx.v) * std::hypot(jy.u, jy.v)) return start;
    ziel.x = raster(start.x + (du * jy.v - dv * jy.u) / det);
    ziel.y = raster(start.y + (jx.u * dv - jx.v * du) / det);
    return ziel;
}

} // namespace kalvorin
