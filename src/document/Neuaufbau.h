#pragma once
// Keeping derived elements up to date: every element is recomputed from its
// sources in list order and handed to the scene; what cannot be shown is
// reported once and hidden.

#include "model/Liste.h"
#include "view/GSzene.h"
#include "view/SzenenElemente.h"

#include <string>
#include <vector>

namespace kalvorin {

// Triangles and pyramids evaluate without a code of their own; the rebuild
// tests their shape and reports it with these.
inline constexpr int FehlerDreieckEckenAufGerade = 40;
inline constexpr int FehlerPyramideSpitzeInGrundflaeche = 41;

// Evaluates the element into the geometry of the scene's input, with the
// shape checks of triangles (corners on a line) and pyramids (apex in the
// base plane) that only the rebuild makes; 0 or the error code.
int ElementGeometrie(const TDreiDBasisElement& e, TSzenenEingabe& ein);

// The warnings of one rebuild, shown together at its end: a document whose
// elements overfill the scene gives one box that names them all, not one
// box for each (86 boxes in a row made the program unusable).
class TNeuaufbauMeldungen {
public:
    void NichtDarstellbar(const TDreiDBasisElement& e, int fehler);
    void NichtSichtbar(const TDreiDBasisElement& e, int ergebnis);
    // One warning as it is; several in one text, the elements the full
    // scene refused named in one sentence. Empty when there is none.
    std::string Text() const;
    // Shows the text in one warning box, if there is one.
    void Zeigen() const;

private:
    std::vector<std::string> texte_;
    std::vector<std::string> voll_; // the names the full scene refused
    std::size_t vollStelle_ = 0;    // where their sentence stands in texte_
};

// Recomputes the element in the slot and adds it to the scene (hidden
// elements other than vectors are skipped); what cannot be shown goes to
// the rebuild's warnings.
void ElementAktualisieren(TListe& liste, int slot, tGSzene& szene, TNeuaufbauMeldungen& meldungen);

// The warning for an element whose evaluation failed with the code.
std::string NichtDarstellbarText(const TDreiDBasisElement& e, int fehler);

// The warning when the scene refused the element: -1 full, 0 outside.
std::string NichtSichtbarText(const TDreiDBasisElement& e, int ergebnis);

} // namespace kalvorin
