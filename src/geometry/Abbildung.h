#pragma once
// Mappings: reflection in a line, a point or a plane, dilation about a point,
// orthogonal and parallel projection onto a plane. Each is an affine map
// built from the evaluated mapping element; images are derived elements that
// the recomputation maps again whenever their sources change.

#include "geometry/Auswertung.h"
#include "math/Matrix4.h"
#include "model/Liste.h"

#include <string>
#include <string_view>

namespace kalvorin {

// One mapping: its derivation code (2 ASpiegelung, 3 PSpiegelung,
// 4 ESpiegelung, 5 Streckung, 8 O_Projektion, 9 P_Projektion) and the
// elements and number it is made of.
struct TAbbildung {
    int Code = 0;
    TDreiDBasisElement* Element = nullptr;           // axis, centre or plane
    Real Faktor = 1;                                 // dilation only
    TDreiDBasisElement* Projektionsvektor = nullptr; // parallel projection only
};

// The role that defines the mapping of a code; false for other codes.
bool RolleVonAbbildung(int code, TRolle& rolle);
// The mapping as the element with the role defines it now (factor and
// projection vector taken from the element).
TAbbildung AbbildungVonElement(int code, TDreiDBasisElement& element);
// The mapping an image element was made with (its derivation record).
TAbbildung AbbildungVonEntstehung(const TDreiDBasisElement& bild);

// The check of "P&rojektion festlegen" for a plane and a vector (or arrow),
// in the order the user is told about: FehlerAbbildungNullvektor (the vector
// is zero), the plane's evaluation error, FehlerProjektionParallel.
int ProjektionPruefen(const TDreiDBasisElement& ebene, const TDreiDBasisElement& vektor);
// The warning for a failed check; empty for 0.
std::string ProjektionMeldung(int fehler, std::string_view ebene, std::string_view vektor);
// The warning when an element cannot be mapped (FehlerAbbildungNullvektor,
// FehlerProjektionParallel).
std::string AbbildenMeldung(std::string_view element);

// The matrix of the mapping. Errors: those of evaluating the mapping
// element; for the parallel projection FehlerAbbildungNullvektor (zero
// vector) and FehlerProjektionParallel (vector parallel to the plane).
int AbbildungsMatrix(const TAbbildung& abbildung, TMatrix4& m);

// The image of a point, vector, line or plane.
struct TBild {
    int Fehler = KeinFehler;
    // A point, vector, line or plane; projections may lower the kind.
    TElementart Art = TElementart::DfrPunkt;
    TGeometrie Geometrie;
};

// Maps a geometry of the kind art (0, 2, 5, 8, 12 or 13) with the matrix of
// the mapping code; a sphere or circle under a projection is
// FehlerNichtAbbildbar. The projections (8, 9) turn a line with a vanishing image
// direction into a point and a flattened plane into a line; a vector with a
// vanishing image is FehlerAbbildungNullvektor.
TBild BildVonGeometrie(const TMatrix4& m, int code, TElementart art, const TGeometrie& g);

// True when the image equals the original geometry within the tolerance
// (for lines and planes: the identity test of the intersection).
bool BildGleichOriginal(TElementart art, const TGeometrie& original, const TBild& bild);

// Evaluates a point, vector, line, plane, sphere or circle and maps it;
// other kinds give FehlerBezug.
TBild BildBerechnen(const TMatrix4& m, int code, const TDreiDBasisElement& original);

struct TAbbildErgebnis {
    // 0: the image was added; FehlerAbbildungBildGleich: it coincides with
    // the original and nothing was added; any other code: the element cannot
    // be mapped (FehlerAbbildungNullvektor and FehlerProjektionParallel are
    // the ones the user is told about), nothing was added.
    int Fehler = KeinFehler;
    TDreiDBasisElement* Bild = nullptr;
};

// Adds the image of one element to the list: a point, vector, line or plane
// (of the kind the image has), or a segment, triangle, pyramid or arrow
// followed by the images of its parts, which it refers to. A part that
// coincides with its own image gets none: the composite refers to the
// original part instead; a composite all of whose points stay where they
// are has no image at all. Every new element is named after its original
// with "'" (or automatically when that name is taken), takes its colour,
// thickness, transparency and point form, records the derivation and is
// marked. The original's mark is left to the caller.
TAbbildErgebnis AbbildErzeugen(TListe& liste, TDreiDBasisElement& original,
                               const TAbbildung& abbildung);

// Recomputes an image element from its derivation record: a point, vector,
// line or plane gets the image of its original as its numbers (mode 0); a
// segment, triangle, pyramid or arrow writes the images of its original's
// parts into the parts it refers to, which may stand after it in the list.
// Parts it shares with its original are left alone. Errors: those of the
// mapping and the original, and FehlerArtGeaendert when the image no longer
// has the element's kind. Nothing is changed on an error.
int AbbildNachrechnen(TDreiDBasisElement& bild);

} // namespace kalvorin
