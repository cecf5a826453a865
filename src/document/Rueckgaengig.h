#pragma once
// One level of undo for the operations that change many elements at once
// (deleting marked elements, applying a mapping): a deep copy of the whole
// list taken before the operation.

#include "model/Liste.h"

#include <memory>
#include <string>

namespace kalvorin {

enum class TRueckgaengigArt {
    Loeschen,
    Punktspiegelung,
    Geradenspiegelung,
    Ebenenspiegelung,
    Streckung,
    Orthogonalprojektion,
    Parallelprojektion,
};

class TRueckgaengig {
public:
    // Replaces any earlier snapshot with a copy of the list.
    void SchnappschussNehmen(const TListe& liste, TRueckgaengigArt art);
    // Puts the snapshot's copy into liste (its old content is destroyed) and
    // forgets the snapshot. False, and nothing changed, without a snapshot.
    bool Wiederherstellen(TListe& liste);

    bool Moeglich() const { return Schnappschuss_ != nullptr; }
    // "Rückgängig: Löschen" and so on; "Rückgängig" without a snapshot.
    std::string Caption() const;
    void Verwerfen() { Schnappschuss_.reset(); }

private:
    std::unique_ptr<TListe> Schnappschuss_;
    TRueckgaengigArt Art_ = TRueckgaengigArt::Loeschen;
};

} // namespace kalvorin
