#pragma once
// The sphere dialog without its widgets: a centre and a radius typed, or an
// equation in expanded form turned into them by completing the square; the
// checks and the write-back. A sphere given by its points (or derived) is
// shown with its values and keeps its definition.

#include "eingabe/ElementEingabe.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

struct TKugelEingabe : TElementEingabe {
    // Page "Bestimmung": "Mittelpunkt und Radius" (false) or "Gleichung".
    bool AlsGleichung = false;
    TFeldTexte Mitte;
    std::string Radius;
    // x² + y² + z² − 2x + 4y − 6z − 2 = 0
    std::string Gleichung;
    // The values cannot be typed: a sphere given by points, or derived.
    bool NurLesen = false;
    // What the edits showed when filled, and the held values.
    TFeldTexte MitteAngezeigt;
    TTripel MitteGehalten;
    std::string RadiusAngezeigt;
    Real RadiusGehalten = 0;
};

// The centre and the radius an equation in expanded form stands for,
// a (x² + y² + z²) + b x + c y + d z + e = 0 (terms on either side, in any
// order), found by completing the square; Fehler when the text is no
// sphere's equation.
struct TKugelGleichung {
    bool Fehler = true;
    TTripel Mitte;
    Real Radius = 0;
    // The steps of completing the square, one line each.
    std::vector<std::string> Loesungsweg;
};
TKugelGleichung KugelAusGleichung(std::string_view text);

// (x − 1)² + (y + 2)² + (z − 3)² = 16: the centre form the dialog shows.
std::string KugelMittelpunktsform(TTripel mitte, Real radius);

TKugelEingabe KugelEingabeNeu(const TListe& liste);
TKugelEingabe KugelEingabeAusElement(const TListe& liste, int position);
void KugelFuerNaechste(TKugelEingabe& e, const TListe& liste);

inline constexpr const char* KugelMitteFehlerText =
    "Koordinaten des Mittelpunktes nicht richtig festgelegt!";
inline constexpr const char* KugelRadiusFehlerText = "Der Radius muss eine positive Zahl sein!";
inline constexpr const char* KugelGleichungFehlerText =
    "Die Gleichung beschreibt keine Kugel!\r\nEingabe z. B.: x² + y² + z² − 2x + 4y − 6z − 2 = 0";

// Empty input closes silently; a half-filled one is incomplete; then the
// name, the centre, the radius (or the equation).
TEingabePruefung KugelPruefen(const TListe& liste, const TKugelEingabe& e);
// The centre and radius the input stands for; false when they do not read.
bool KugelWerte(const TKugelEingabe& e, TTripel& mitte, Real& radius);

bool KugelAusDialog(TListe& liste, int position, const TKugelEingabe& e);
int KugelUebernehmen(TDokument& dokument, const TKugelEingabe& e);

} // namespace kalvorin
