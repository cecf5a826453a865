#pragma once
// Undo and redo of every change of a document: before each change the whole
// state that the document file holds (element list, coordinate system, the
// mapping roles of the last file) is copied. Undo puts the copy back and
// keeps the state it replaced for redo. A list of 100 elements costs some
// ten kilobytes a copy, so whole copies are cheap enough for the 100 steps
// kept.

#include "document/Fragenwahl.h"
#include "math/Koordinatensystem.h"
#include "model/Liste.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

namespace kalvorin {

// The operations that change many elements at once; they keep their own
// captions ("Rückgängig: Löschen", "Rückgängig: Punktspiegelung", ...).
enum class TRueckgaengigArt {
    Loeschen,
    Punktspiegelung,
    Geradenspiegelung,
    Ebenenspiegelung,
    Streckung,
    Orthogonalprojektion,
    Parallelprojektion,
};

// "Löschen", "Punktspiegelung", ...
std::string SchrittName(TRueckgaengigArt art);

// The step that made an element, by its derivation: "Punkt A festlegen",
// "Schnittpunkt S1 bilden", "Lot g1 erzeugen".
std::string SchrittFestlegen(const TDreiDBasisElement& neu);
// The step of a change of an element through its dialog: "Gerade g ändern".
std::string SchrittAendern(const TDreiDBasisElement& e);
// The step of switching the visibility (or the name label) of e on or off,
// as e is now: "A ausblenden", "Beschriftung von A einblenden". Without e,
// of every element: "Objekte ausblenden", "Beschriftungen ausblenden".
std::string SchrittSichtbarkeit(const TDreiDBasisElement* e, bool beschriftung, bool an);

// One state of a document as its file holds it. Inhalt tells states with
// the same content apart from others: a change that does not count as a
// modification (zooming) keeps it.
struct TDokumentzustand {
    std::unique_ptr<TListe> Liste;
    TKoordinatensystem Ks;
    std::uint8_t Rollen = 0;
    std::uint64_t Inhalt = 0;
    // The worksheet's questions, their elements by slot (the serial
    // numbers the copy of the list gives them).
    std::optional<TArbeitsblattfragen> Fragen;
};

class TRueckgaengig {
public:
    // Steps kept; the oldest goes when a further one comes.
    static constexpr std::size_t Tiefe = 100;

    // A new step named name, vorher the state before it. The steps that
    // could be redone are dropped.
    void Eintragen(std::string name, TDokumentzustand vorher);
    // Undo: the state before the last step, while jetzt is kept for redo.
    // Nothing without a step.
    std::optional<TDokumentzustand> Zurueck(TDokumentzustand jetzt);
    // Redo: the state after the step undone last, while jetzt is kept for
    // undo. Nothing without such a step.
    std::optional<TDokumentzustand> Vor(TDokumentzustand jetzt);

    bool Moeglich() const { return !zurueck_.empty(); }
    bool WiederholenMoeglich() const { return !vor_.empty(); }
    std::size_t Schritte() const { return zurueck_.size(); }
    std::size_t WiederholSchritte() const { return vor_.size(); }
    // "Rückgängig: Löschen" and so on; "Rückgängig" without a step.
    std::string Caption() const;
    // "Wiederholen: Punkt A festlegen" and so on; "Wiederholen" without one.
    std::string WiederholenCaption() const;
    // Every step goes (a file read anew).
    void Verwerfen();

private:
    struct TSchritt {
        std::string Name;
        TDokumentzustand Zustand;
    };
    std::deque<TSchritt> zurueck_;
    std::deque<TSchritt> vor_;
};

} // namespace kalvorin
