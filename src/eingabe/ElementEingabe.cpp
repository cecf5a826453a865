#include "eingabe/ElementEingabe.h"

#include "document/Dokument.h"
#include "geometry/Auswertung.h"
#include "geometry/Beschreibung.h"
#include "model/Abhaengigkeiten.h"
#include "model/Elementarten.h"
#include "model/Meldungen.h"
#include "model/Utf8.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/Einstellungen.h"
#include "storage/Felder.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

bool Gefuellt(std::string_view text) {
    return !RemoveBlanks(text).empty();
}

bool AlleGefuellt(const TFeldTexte& felder) {
    for (const std::string& f : felder)
        if (!Gefuellt(f)) return false;
    return true;
}

bool KeinesGefuellt(const TFeldTexte& felder) {
    for (const std::string& f : felder)
        if (Gefuellt(f)) return false;
    return true;
}

bool HaengtAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r) {
    // References may point backwards in the list (parts typed with their
    // element stand behind it), so the search follows them and not the order.
    std::vector<const TDreiDBasisElement*> offen{&e};
    std::vector<const TDreiDBasisElement*> gesehen;
    while (!offen.empty()) {
        const TDreiDBasisElement* x = offen.back();
        offen.pop_back();
        if (x == &r) return true;
        bool schon = false;
        for (const TDreiDBasisElement* g : gesehen)
            schon = schon || g == x;
        if (schon) continue;
        gesehen.push_back(x);
        for (const TDreiDBasisElement* b : x->Bezuege)
            if (b) offen.push_back(b);
        if (x->Projektionsvektor) offen.push_back(x->Projektionsvektor);
        if (x->Entstehung.Originalelement) offen.push_back(x->Entstehung.Originalelement);
        for (const TEntstehungsElement& q : x->Entstehung.Elemente)
            if (q.Element) offen.push_back(q.Element);
    }
    return false;
}

bool HatPlatzFuer(const TListe& liste, int n) {
    return liste.Anzahl() + n <= TListe::Kapazitaet;
}

Real FeldWert(const std::string& text, const std::string& angezeigt, Real gehalten) {
    if (text == angezeigt) return gehalten;
    return ParseNumber(text).Wert;
}

TTripel FeldWerte(const TFeldTexte& texte, const TFeldTexte& angezeigt, TTripel gehalten) {
    return {FeldWert(texte[0], angezeigt[0], gehalten.x),
            FeldWert(texte[1], angezeigt[1], gehalten.y),
            FeldWert(texte[2], angezeigt[2], gehalten.z)};
}

TFeldTexte FeldTexte(TTripel t) {
    return {FormatNumber(t.x), FormatNumber(t.y), FormatNumber(t.z)};
}

bool IstVonArt(const TDreiDBasisElement& e, std::uint32_t arten) {
    return (arten & (1u << e.ArtNummer())) != 0;
}

// ---------------------------------------------------------------------------

void NeuVorbereiten(TElementEingabe& e, const TListe& liste, TElementart art) {
    const TStandardEinstellungen& s = Einstellungen();
    e.Neu = true;
    e.Selbst = nullptr;
    e.Name = liste.AutomatischerName(art);
    e.AlterName.clear();
    e.Abgeleitet = false;
    e.Entstehung.clear();
    e.Duenn = true;
    e.Farbe = s.Farbe;
    e.Punktform = s.Punktform >= 0 && s.Punktform < 5 ? s.Punktform : 0;
    e.MitRand = s.MitWeissrand;
    e.Transparenz = s.EbenenTransparenz;
    e.Hilfslinien = s.HilfslinienEinzeichnen;
}

void AusElementVorbereiten(TElementEingabe& e, const TDreiDBasisElement& element) {
    e.Neu = false;
    e.Selbst = &element;
    e.Name = e.AlterName = element.Name;
    e.Abgeleitet = element.Entstehung.Art != TEntstehungsart::keine;
    e.Entstehung = e.Abgeleitet ? EntstehungsText(element) : std::string();
    e.Duenn = element.Dicke == 1;
    e.Farbe = element.Farbe;
    e.Hilfslinien = element.Hilfslinien;
    e.Transparenz = element.Transparenz;
    if (element.Art == TElementart::DfrPunkt) {
        const int form = Als<TfrPunkt>(element).Punktform;
        e.Punktform = form < 5 ? form : 0;
    }
    if (element.Art == TElementart::DGerade) e.MitRand = Als<TGerade>(element).MitRand;
}

void AussehenSchreiben(TDreiDBasisElement& element, const TElementEingabe& e) {
    const TStandardEinstellungen& s = Einstellungen();
    const int dick = s.*Artangaben(element.Art).DickeEinstellung;
    switch (element.Art) {
    case TElementart::DfrPunkt:
        Als<TfrPunkt>(element).Punktform = static_cast<std::uint8_t>(e.Punktform);
        break;
    case TElementart::DGerade:
        Als<TGerade>(element).MitRand = e.MitRand;
        break;
    case TElementart::DEbene:
        element.Transparenz = e.Transparenz;
        break;
    default:
        break;
    }
    element.Dicke = static_cast<std::uint16_t>(e.Duenn ? 1 : dick);
    element.Farbe = e.Farbe;
    element.Hilfslinien = e.Hilfslinien;
}

std::string EntstehungMitName(const std::string& entstehung, const std::string& name) {
    if (entstehung.size() <= 1) return entstehung;
    const auto blank = entstehung.find(' ');
    return name + (blank == std::string::npos ? entstehung : entstehung.substr(blank));
}

// ---------------------------------------------------------------------------

TNamensbefund NamenPruefen(const TListe& liste, const std::string& name,
                           const std::string& alterName, const char* vergebenText) {
    TNamensbefund b;
    if (!Gefuellt(name)) {
        b = {TNamensfehler::Leer, NameLeerText};
    } else if (liste.NameVergeben(name) && name != alterName) {
        b = {TNamensfehler::Vergeben, vergebenText};
    } else if (std::string fehler = SpeicherFehler(name); !fehler.empty() && name != alterName) {
        // A name the element already bears came from a file and goes back
        // into one; only a new name is held to the file's rules.
        b = {TNamensfehler::NichtSpeicherbar, fehler};
    }
    return b;
}

std::string TeilName(const std::string& text) {
    return Utf8Anfang(RemoveBlanks(text), MaxNamenLaenge);
}

std::vector<std::string> NamenDerArt(const TListe& liste, std::uint32_t arten,
                                     const TDreiDBasisElement* selbst) {
    std::vector<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        if (IstVonArt(e, arten) && !(selbst && HaengtAb(e, *selbst))) namen.push_back(e.Name);
    }
    return namen;
}

const TDreiDBasisElement* BenanntesElement(const TListe& liste, const std::string& text,
                                           std::uint32_t arten) {
    const std::string name = TeilName(text);
    const TDreiDBasisElement* e = name.empty() ? nullptr : liste.ElementMitName(name);
    return e && IstVonArt(*e, arten) ? e : nullptr;
}

namespace {

TTripel Wert(const TDreiDBasisElement& e) {
    TTripel w;
    if (IstVonArt(e, PunktArten))
        PunktAuswerten(e, w);
    else
        VektorAuswerten(e, w);
    return w;
}

} // namespace

void TeilGewaehlt(TTeilEingabe& t, const TListe& liste, std::uint32_t arten, bool vereinfacht) {
    const TDreiDBasisElement* e = BenanntesElement(liste, t.Name, arten);
    t.Fest = e != nullptr;
    if (e) t.Werte = FeldTexte(vereinfacht ? VereinfachterVektor(Wert(*e)) : Wert(*e));
}

TTeilWert TeilWert(const TListe& liste, const TTeilEingabe& t, std::uint32_t arten) {
    TTeilWert w;
    if (const TDreiDBasisElement* e = BenanntesElement(liste, t.Name, arten)) {
        w.Wert = Wert(*e);
        return w;
    }
    const TTripelEingabe gelesen = ParseTripel(t.Werte[0], t.Werte[1], t.Werte[2]);
    w.Wert = gelesen.Tripel;
    w.Fehler = gelesen.Fehler;
    return w;
}

std::string TeilNameFehler(const TListe& liste, const TTeilEingabe& t, std::uint32_t arten,
                           const std::string& elementName, const char* vergebenText) {
    const std::string name = TeilName(t.Name);
    // The element's own new name counts as taken: a part bearing it too
    // would leave the document with two elements of one name.
    if (liste.NameVergeben(name, arten) || name == elementName) return vergebenText;
    if (name.empty()) return UnvollstaendigText;
    if (!liste.NameVergeben(name)) return SpeicherFehler(name);
    return {};
}

std::string KreisText(const std::string& name, const char* art) {
    return "Das Objekt " + name + " ist aus " + art +
           " entstanden\r\nund kann sie nicht festlegen!";
}

TDreiDBasisElement* TeilSchreiben(TListe& liste, const TTeilEingabe& t, TElementart art, bool neu,
                                  int& naechsterSlot, std::optional<TFarbe> farbe) {
    const std::string name = TeilName(t.Name);
    if (TDreiDBasisElement* vorhanden = liste.ElementMitName(name)) return vorhanden;
    TDreiDBasisElement* teil = nullptr;
    if (neu && naechsterSlot <= liste.Anzahl() && liste[naechsterSlot]->Art == art &&
        liste[naechsterSlot]->Name.empty())
        teil = liste[naechsterSlot++];
    else
        teil = liste.Neu(art);
    if (!teil) return nullptr;
    teil->Name = name;
    teil->Bezuege = {};
    if (farbe) teil->Farbe = *farbe;
    const TTripel wert = ParseTripel(t.Werte[0], t.Werte[1], t.Werte[2]).Tripel;
    if (art == TElementart::DVektor) {
        teil->Festlegung = TVektor::V;
        Als<TVektor>(*teil).Komponenten = wert;
    } else {
        teil->Festlegung = TfrPunkt::Koord;
        Als<TfrPunkt>(*teil).Koordinaten = wert;
    }
    return teil;
}

std::vector<TElementart>
NeueTeile(const TListe& liste,
          const std::vector<std::pair<const TTeilEingabe*, TElementart>>& teile) {
    std::vector<TElementart> neu;
    std::vector<std::string> namen;
    for (const auto& [t, art] : teile) {
        const std::string name = TeilName(t->Name);
        bool schon = name.empty() || liste.NameVergeben(name);
        for (const std::string& n : namen)
            schon = schon || n == name;
        if (schon) continue;
        namen.push_back(name);
        neu.push_back(art);
    }
    return neu;
}

int EingabeAnwenden(TDokument& dokument, const std::function<int(TListe&)>& anwenden) {
    int slot = 0;
    dokument.Aendern(
        [&](TListe& liste) {
            slot = anwenden(liste);
            return slot != 0;
        },
        {TNeuaufbau::WennGeaendert, {}});
    if (slot == 0) Meldungen().Meldung(ListeVollMeldung, TMeldungsart::Warnung, "Kalvorin");
    return slot;
}

int ElementAnhaengen(TListe& liste, TElementart art, const std::vector<TElementart>& neueTeile,
                     const TZurueckschreiben& schreiben) {
    if (!HatPlatzFuer(liste, 1 + static_cast<int>(neueTeile.size()))) return 0;
    liste.Neu(art);
    const int position = liste.Anzahl();
    for (TElementart teil : neueTeile)
        liste.Neu(teil);
    schreiben(liste, position);
    return position;
}

int ElementUebernehmen(TDokument& dokument, const TElementEingabe& e, TElementart art,
                       const TNeueTeile& neueTeile, const TZurueckschreiben& schreiben) {
    return EingabeAnwenden(dokument, [&](TListe& liste) {
        if (e.Neu) {
            const auto teile = neueTeile(liste);
            return teile ? ElementAnhaengen(liste, art, *teile, schreiben) : 0;
        }
        const int slot = liste.SlotVon(e.Selbst);
        if (slot == 0 || !schreiben(liste, slot)) return 0;
        const int neuerSlot = HinterQuellenStellen(liste, slot);
        dokument.SchrittNennen(SchrittAendern(*liste[neuerSlot]));
        return neuerSlot;
    });
}

} // namespace kalvorin
