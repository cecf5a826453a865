#include "document/Rueckgaengig.h"

namespace kalvorin {

void TRueckgaengig::SchnappschussNehmen(const TListe& liste, TRueckgaengigArt art) {
    auto kopie = std::make_unique<TListe>();
    TListe::Kopieren(liste, *kopie);
    Schnappschuss_ = std::move(kopie);
    Art_ = art;
}

bool TRueckgaengig::Wiederherstellen(TListe& liste) {
    if (!Schnappschuss_) return false;
    // The owner's modified-flag callback stays with the list: undo does not
    // change the modified flag, and Kopieren does not report its additions.
    TListe::Kopieren(*Schnappschuss_, liste);
    Schnappschuss_.reset();
    return true;
}

std::string TRueckgaengig::Caption() const {
    if (!Schnappschuss_) return "Rückgängig";
    switch (Art_) {
    case TRueckgaengigArt::Loeschen:
        return "Rückgängig: Löschen";
    case TRueckgaengigArt::Punktspiegelung:
        return "Rückgängig: Punktspiegelung";
    case TRueckgaengigArt::Geradenspiegelung:
        return "Rückgängig: Geradenspiegelung";
    case TRueckgaengigArt::Ebenenspiegelung:
        return "Rückgängig: Ebenenspiegelung";
    case TRueckgaengigArt::Streckung:
        return "Rückgängig: Streckung";
    case TRueckgaengigArt::Orthogonalprojektion:
        return "Rückgängig: Orthogonalprojektion";
    case TRueckgaengigArt::Parallelprojektion:
        return "Rückgängig: Parallelprojektion";
    }
    return "Rückgängig";
}

} // namespace kalvorin
