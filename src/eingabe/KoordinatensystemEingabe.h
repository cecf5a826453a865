#pragma once
// The coordinate-system dialog without its widgets: it edits a copy of the
// document's coordinate system, keeps a preview document that shows only
// that copy, checks the axis ranges, and hands the result to the document
// in one change on "O&K". The document itself is not touched before that,
// so "A&bbruch" leaves it exactly as it was: a rebuild with a narrower range
// would hide elements for good, which no restored copy could undo.

#include "document/Dokument.h"
#include "math/Koordinatensystem.h"

#include <array>
#include <string>
#include <string_view>

namespace kalvorin {

inline constexpr std::string_view GrenzenKorrigiertText =
    "Ungültige Eingabe der Grenzen! Die Eingabe wird korrigiert.";
inline constexpr std::string_view KeineDezimalzahlText = " ist keine gültige Dezimalzahl.";

// The six rules for one axis, in their order: the minimum at most -1, the
// maximum at least 1, minimum below maximum, at least 4 apart, the maximum
// at most 256, the minimum at least -256. True when anything changed.
bool AchsenbereichPruefen(TAchsenDaten& achse);

// What a range edit shows: the general format with 3 significant digits.
std::string GrenzenText(Real wert);

// The texts of the six range edits: [axis][0] minimum, [axis][1] maximum.
using TGrenzenTexte = std::array<std::array<std::string, 2>, 3>;

class TKoordinatensystemEingabe {
public:
    // A copy of the document's coordinate system with its derived data
    // computed, and the preview built from it.
    explicit TKoordinatensystemEingabe(const TDokument& dokument);
    TKoordinatensystemEingabe(const TKoordinatensystemEingabe&) = delete;
    TKoordinatensystemEingabe& operator=(const TKoordinatensystemEingabe&) = delete;

    // The copy the controls edit. Check boxes, the tick setting, the
    // transparencies and the colours are written here directly; the preview
    // follows with VorschauAufbauen().
    TKoordinatensystem& Daten() { return daten_; }
    const TKoordinatensystem& Daten() const { return daten_; }

    // What the range edits show now.
    const TGrenzenTexte& Texte() const { return texte_; }

    // A range edit was left with this text (oben: the maximum). A text that
    // is no decimal number gives its warning and changes nothing (false).
    // Otherwise the axis is checked, corrected with the warning where
    // needed, both of its edits refilled, the derived data and the preview
    // computed again.
    bool GrenzeVerlassen(int achse, bool oben, const std::string& text);
    // "wie x-Achse": the axis takes the x range.
    void WieXAchse(int achse);
    // "&Defaultwerte für die Achsen": every axis from the settings' length
    // of the positive axes, drawn.
    void Defaultwerte();

    // The preview: a document of its own without elements, showing the copy
    // in the initial view.
    void VorschauAufbauen();
    TDokument& Vorschau() { return vorschau_; }
    const TDokument& Vorschau() const { return vorschau_; }
    // The part of the preview's logical window to show: the box of the
    // three axis ranges as seen in the preview, with room for the names
    // around it, square. Drawn or not, every axis counts, so that the view
    // stays where it is while axes are switched on and off.
    TLogRechteck VorschauFenster() const;

    // "O&K" with the texts the six edits hold: read, every axis checked. A
    // text that is no number (nothing changes) or a range that had to be
    // corrected (the texts show the correction) gives its warning, and the
    // dialog stays open. Otherwise the document takes the copy as one
    // modification with one rebuild.
    enum class TErgebnis { Uebernommen, KeineZahl, Korrigiert };
    TErgebnis Uebernehmen(TDokument& dokument, const TGrenzenTexte& texte);

private:
    // The value behind an edit: the held one while the edit still shows
    // what was written into it, so that only looking changes nothing.
    bool Lesen(const std::string& text, int achse, int seite, Real& wert) const;
    void TexteFuellen();

    TKoordinatensystem daten_;
    TGrenzenTexte texte_;
    TDokument vorschau_;
};

} // namespace kalvorin
