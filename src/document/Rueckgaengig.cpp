#include "document/Rueckgaengig.h"

#include "model/Elementarten.h"
#include "model/Konstruktionsarten.h"

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

std::string SchrittFestlegen(const TDreiDBasisElement& e) {
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

std::string SchrittAendern(const TDreiDBasisElement& e) {
    return Artwort(e.Art) + " " + e.Name + " ändern";
}

std::string SchrittSichtbarkeit(const TDreiDBasisElement* e, bool beschriftung, bool an) {
    std::string was;
    if (!e)
        was = beschriftung ? "Beschriftungen" : "Objekte";
    else
        was = beschriftung ? "Beschriftung von " + e->Name : e->Name;
    return was + (an ? " einblenden" : " ausblenden");
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
