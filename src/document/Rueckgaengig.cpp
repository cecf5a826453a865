#include "document/Rueckgaengig.h"

#include "model/Elementarten.h"
#include "model/Konstruktionsarten.h"

#include <vector>

namespace kalvorin {

std::string SchrittName(TRueckgaengigArt art) {
    switch (art) {
    case TRueckgaengigArt::Loeschen:
        return "Löschen";
    case TRueckgaengigArt::Punktspiegelung:
        return "Punktspiegelung";
    case TRueckgaengigArt::Geradenspiegelung:
        return "Geradenspiegelung";
    case TRueckgaengigArt::Ebenenspiegelung:
        return "Ebenenspiegelung";
    case TRueckgaengigArt::Streckung:
        return "Streckung";
    case TRueckgaengigArt::Orthogonalprojektion:
        return "Orthogonalprojektion";
    case TRueckgaengigArt::Parallelprojektion:
        return "Parallelprojektion";
    }
    return "Änderung";
}

namespace {

// The caption of the step that made an element, by its derivation's row:
// "Schnittpunkt S1 bilden", "Lot g1 erzeugen", "Punkt P1 festlegen".
std::string Entstanden(const TDreiDBasisElement& e) {
    const TKonstruktionsangaben* k = Konstruktionsangaben(static_cast<int>(e.Entstehung.Art));
    if (!k) return "Bild " + e.Name + " erzeugen";
    const TSchrittname& s = k->Schritt;
    std::string wort;
    if (e.Art == TElementart::DfrPunkt && !s.Punkt.empty())
        wort = s.Punkt;
    else if (e.Art == TElementart::DGerade && !s.Gerade.empty())
        wort = s.Gerade;
    else
        wort = std::string(s.Wort) + (s.MitArtwort ? Artwort(e.Art) : std::string());
    return wort + " " + e.Name + " " + std::string(s.Verb);
}

std::string NameVon(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string();
}

enum : unsigned { OhneSichtbar = 1, OhneBeschriftung = 2 };

// Everything the file holds of an element, the references by name; the
// mark is left out (marking is no change), and what `ohne` names.
bool Gleich(const TDreiDBasisElement& a, const TDreiDBasisElement& b, unsigned ohne = 0) {
    if (a.Art != b.Art || a.Name != b.Name || a.Farbe != b.Farbe ||
        a.Transparenz != b.Transparenz || a.Dicke != b.Dicke || a.fest != b.fest ||
        (!(ohne & OhneSichtbar) && a.sichtbar != b.sichtbar) ||
        (!(ohne & OhneBeschriftung) && a.NameSichtbar != b.NameSichtbar) ||
        a.Hilfslinien != b.Hilfslinien || a.Entstehung.Art != b.Entstehung.Art ||
        a.Rollen != b.Rollen || a.Streckungsfaktor != b.Streckungsfaktor ||
        a.Festlegung != b.Festlegung ||
        NameVon(a.Projektionsvektor) != NameVon(b.Projektionsvektor) ||
        NameVon(a.Entstehung.Originalelement) != NameVon(b.Entstehung.Originalelement))
        return false;
    for (std::size_t i = 0; i < a.Bezuege.size(); ++i)
        if (NameVon(a.Bezuege[i]) != NameVon(b.Bezuege[i])) return false;
    for (std::size_t i = 0; i < a.Entstehung.Elemente.size(); ++i)
        if (NameVon(a.Entstehung.Elemente[i].Element) !=
                NameVon(b.Entstehung.Elemente[i].Element) ||
            a.Entstehung.Elemente[i].Zahl != b.Entstehung.Elemente[i].Zahl)
            return false;
    return a.GleicheEigeneWerte(b);
}

} // namespace

std::string SchrittName(const TListe& vorher, const TListe& nachher) {
    if (nachher.Anzahl() > vorher.Anzahl()) {
        // The new element of the highest kind names the step (a line with
        // the points its dialog created names the line).
        const TDreiDBasisElement* haupt = nullptr;
        for (int i = vorher.Anzahl() + 1; i <= nachher.Anzahl(); ++i)
            if (!haupt || nachher[i]->ArtNummer() > haupt->ArtNummer()) haupt = nachher[i];
        return Entstanden(*haupt);
    }
    if (nachher.Anzahl() < vorher.Anzahl()) return "Löschen";
    std::vector<int> geaendert;
    for (int i = 1; i <= nachher.Anzahl(); ++i)
        if (!Gleich(*vorher[i], *nachher[i])) geaendert.push_back(i);
    if (geaendert.empty()) return "Koordinatensystem ändern";
    bool nurSichtbar = true, nurBeschriftung = true;
    for (int i : geaendert) {
        nurSichtbar = nurSichtbar && Gleich(*vorher[i], *nachher[i], OhneSichtbar);
        nurBeschriftung = nurBeschriftung && Gleich(*vorher[i], *nachher[i], OhneBeschriftung);
    }
    const TDreiDBasisElement& e = *nachher[geaendert.front()];
    const bool einzeln = geaendert.size() == 1;
    if (nurSichtbar)
        return (einzeln ? e.Name : std::string("Objekte")) +
               (e.sichtbar ? " einblenden" : " ausblenden");
    if (nurBeschriftung)
        return (einzeln ? "Beschriftung von " + e.Name : std::string("Beschriftungen")) +
               (e.NameSichtbar ? " einblenden" : " ausblenden");
    if (einzeln) return Artwort(e.Art) + " " + e.Name + " ändern";
    return "Objekte ändern";
}

void TRueckgaengig::Eintragen(std::string name, TDokumentzustand vorher) {
    vor_.clear();
    zurueck_.push_back({std::move(name), std::move(vorher)});
    while (zurueck_.size() > Tiefe)
        zurueck_.pop_front();
}

std::optional<TDokumentzustand> TRueckgaengig::Zurueck(TDokumentzustand jetzt) {
    if (zurueck_.empty()) return std::nullopt;
    TSchritt s = std::move(zurueck_.back());
    zurueck_.pop_back();
    vor_.push_back({s.Name, std::move(jetzt)});
    return std::move(s.Zustand);
}

std::optional<TDokumentzustand> TRueckgaengig::Vor(TDokumentzustand jetzt) {
    if (vor_.empty()) return std::nullopt;
    TSchritt s = std::move(vor_.back());
    vor_.pop_back();
    zurueck_.push_back({s.Name, std::move(jetzt)});
    return std::move(s.Zustand);
}

std::string TRueckgaengig::Caption() const {
    return zurueck_.empty() ? "Rückgängig" : "Rückgängig: " + zurueck_.back().Name;
}

std::string TRueckgaengig::WiederholenCaption() const {
    return vor_.empty() ? "Wiederholen" : "Wiederholen: " + vor_.back().Name;
}

void TRueckgaengig::Verwerfen() {
    zurueck_.clear();
    vor_.clear();
}

} // namespace kalvorin
