#pragma once
// The commands on the marked elements of a document, as the menus and popup
// menus call them: creation, intersection, perpendiculars, midpoints,
// vector operations, defining and applying mappings, and measurement.
//
// Every command first asks the offers of the marked elements; a command that
// is not offered does nothing and returns false. Otherwise it works on the
// marked elements, tells the user through Meldungen(), flags the document
// as modified where it changed, and ends with the rebuild. The result says
// whether the document changed. The caller then refreshes the object list.

#include "befehle/Angebote.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

// Whether the command is offered for the current marks.
bool Angeboten(const TDokument& d, TBefehl befehl);
// Whether the mapping can be applied (an element carries its role).
bool Angeboten(const TDokument& d, TAbbildungsBefehl befehl);

// "durch markierte Objekte" (ErzPunktClick ... ErzPyramideClick).
bool ErzPunkt(TDokument& d);
bool ErzGerade(TDokument& d);
bool ErzEbene(TDokument& d);
bool ErzStrecke(TDokument& d);
bool ErzPfeil(TDokument& d);
bool ErzVektor(TDokument& d);
bool ErzDreieck(TDokument& d);
bool ErzPyramide(TDokument& d);

// "Koordinatenebene als Objekt..." and "Koordinatenachse als Objekt...": the
// x₁x₂-, x₁x₃- or x₂x₃-plane (welche 0, 1, 2) as a plane in coordinate form,
// or the x₁-, x₂- or x₃-axis as a line, an ordinary element beside the drawn
// axes and planes. Named by the axis-name setting ("x1x2" or "xy", "x1" or
// "x"); where the name is taken, the automatic name of the kind.
bool KoordinatenelementFestlegen(TDokument& d, bool ebene, int welche);
// The three choices of the dialog, in the order of welche: "x₁x₂-Ebene" ...,
// "x₁-Achse" ... (x, y, z by the setting).
std::vector<std::string> Koordinatenelemente(bool ebene);

// "&Konstruieren" (SchneidenClick, LoteerzeugenClick, MittebildenClick,
// VSummeClick, VGegenClick, MVProduktClick).
bool Schneiden(TDokument& d);
bool Loteerzeugen(TDokument& d);
bool Mittebilden(TDokument& d);
// The tangent plane of a marked sphere at a marked point on it (a plane of
// its own numbers: it does not follow the sphere); refused for a point
// that is not on the sphere.
bool Tangentialebene(TDokument& d);
bool VSumme(TDokument& d);
bool VGegen(TDokument& d);
bool MVProdukt(TDokument& d);

// Defining mappings (SpiegelungClick, ProjektionClick). MStreckungClick
// shows the dilation factor dialog, whose "OK" calls StreckungFestlegen.
bool Spiegelung(TDokument& d);
bool Projektion(TDokument& d);

// Applying the defined mappings, with an undo snapshot (PspiegelnClick,
// GspiegelnClick, EspiegelnClick, StreckenClick, OprojezierenClick,
// PprojezierenClick).
bool Pspiegeln(TDokument& d);
bool Gspiegeln(TDokument& d);
bool Espiegeln(TDokument& d);
bool Strecken(TDokument& d);
bool Oprojezieren(TDokument& d);
bool Pprojezieren(TDokument& d);
bool Abbilden(TDokument& d, TAbbildungsBefehl befehl);

// "&Messen" (MessWinkelClick ... MessVolumenClick): the result as an
// information message; the document never changes, so these return whether
// a result was shown.
bool MessWinkel(TDokument& d);
bool MessLaenge(TDokument& d);
bool MessFlaeche(TDokument& d);
bool MessVolumen(TDokument& d);

// ---- The dilation factor dialog ("Streckungsfaktor festlegen") ----

inline constexpr std::string_view NichtFestgelegt = "nicht festgelegt!";

// What the dialog shows when it opens.
struct TStreckungsStart {
    TDreiDBasisElement* AltesZentrum = nullptr; // the current dilation centre, if any
    TDreiDBasisElement* NeuesZentrum = nullptr; // the marked point
    Real Faktor = 1;                            // the new centre's stored factor
    std::string FaktorText;                     // the edit's text
    std::vector<std::string> Namen;             // vectors and segments, in list order
};
TStreckungsStart StreckungsDialogStart(const TListe& liste);

// Number mode's "OK": the edit's text is read as a number; a wrong input
// gives "Falsche Eingabe des Streckungsfaktors!" and changes nothing.
bool StreckungFestlegen(TDokument& d, std::string_view faktorText);
// "OK" with the factor: 0 gives "Streckungsfaktor ist 0!" and changes
// nothing; otherwise the marked point becomes the only dilation centre,
// with the factor, and the former centre's factor returns to 1.
bool StreckungFestlegen(TDokument& d, Real faktor);

// Ratio mode: the factor from the texts of the two combo boxes, each the
// name of a segment (its length), of a vector (its length) or a number.
struct TStreckungsVerhaeltnis {
    std::string Anzeige;        // "= 1,5" or "nicht festgelegt!"
    std::optional<Real> Faktor; // empty: the dialog keeps its factor
};
TStreckungsVerhaeltnis StreckungsVerhaeltnis(const TListe& liste, std::string_view oben,
                                             std::string_view unten);

} // namespace kalvorin
