#pragma once
// The plane dialog without its widgets: the eight ways with their fields,
// what the dialog shows for a new and for an existing plane, the
// completeness bookkeeping with its radio locks, the conversion to the
// normal form, the checks in their order, and the write-back with the
// points and vectors a plane brings along.

#include "eingabe/ElementEingabe.h"
#include "model/Ebenenfarben.h"

#include <array>
#include <string>
#include <vector>

namespace kalvorin {

// The eight ways are the plane's definition modes TEbene::EPAR ... TEbene::EGV.
inline constexpr int AnzahlEbenenWege = 8;

struct TEbenenEingabe : TElementEingabe {
    // The selected radio button and the definition mode (they differ while
    // the normal form shows another way).
    int Weg = TEbene::EPAR;
    int Festlegung = TEbene::EPAR;
    bool Vollstaendig = false;
    // Which radio buttons are enabled, by way.
    std::array<bool, AnzahlEbenenWege> Aktiv{true, true, true, true, true, true, true, true};

    // 0 "Parameterform": x = P + l u + m v.
    TFeldTexte ParPunkt, ParRichtung1, ParRichtung2;
    bool ParameterformFest = false;
    // 1 "Normalenform ": a x + b y + c z + d = 0.
    std::array<std::string, 4> Normalenform;
    bool NormalenformFest = false;
    // 2 "Punkt-Punkt-Punkt".
    std::array<TTeilEingabe, 3> PPP;
    // 3 "Punkt-Vektor-Vektor".
    TTeilEingabe PVVPunkt, PVVVektor1, PVVVektor2;
    // 4 "Gerade-Punkt": a point and a line of the document (by name).
    TTeilEingabe PGPunkt;
    std::string PGGerade;
    // 5 "Gerade-Gerade".
    std::string GG1, GG2;
    // 6 "Punkt-Normalvektor".
    TTeilEingabe EPVPunkt, EPVVektor;
    // 7 "Gerade-Vektor".
    std::string GVGerade;
    TTeilEingabe GVVektor;

    // What the combos offer.
    std::vector<std::string> Punkte, Vektoren, Geraden;

    // What the parameter and the normal form showed for an existing plane,
    // and the values it holds: looked at only, they stay exactly as held.
    TFeldTexte ParPunktAngezeigt, ParRichtung1Angezeigt, ParRichtung2Angezeigt;
    TTripel GehaltenerPunkt, GehalteneRichtung1, GehalteneRichtung2;
    std::array<std::string, 4> NormalenformAngezeigt;
    TTripel GehalteneNormale;
    Real GehaltenesD = 0;

    // Every field of the way holds text / none does.
    bool WegGefuellt(int weg) const;
    bool WegLeer(int weg) const;
    // A field of the way changed: the completeness and the radio locks.
    void WegGeaendert(int weg);
};

// "EbeneDialogNeu": the next automatic plane name, the parameter form, all
// ways empty and enabled, the next plane colour, the settings' transparency.
TEbenenEingabe EbeneEingabeNeu(const TListe& liste);
// The plane at the position ("EbeneDialogAusElement"); the plane colour
// sequence does not move for it.
TEbenenEingabe EbeneEingabeAusElement(const TListe& liste, int position);
// The radio button "Normalenform ": with incomplete input an empty normal
// form for typing; with complete input, after the checks of the mode, the
// simplified normal form of the plane, read-only unless the plane is given
// by it. Returns the refusal (the selection then goes back), or empty.
std::string EbeneNormalenformGewaehlt(TEbenenEingabe& e, const TListe& liste);
// After "Übernehmen": ready for the next plane in the next colour; the way
// and the definition mode stay.
void EbeneFuerNaechste(TEbenenEingabe& e, const TListe& liste);

// The checks of one mode, in their order (the plane's own name first); the
// message of the last failing check, or empty. A failed read wins over the
// tests that use its values.
std::string EbenenChecks(const TListe& liste, const TEbenenEingabe& e, int modus);
// The validation "Auswerten": silent close, incomplete input, the checks.
TEingabePruefung EbenePruefen(const TListe& liste, const TEbenenEingabe& e);

// The normal vector n and the constant d of the checked input of a mode,
// before simplification.
struct TNormalenform {
    TTripel n;
    Real d = 0;
};
TNormalenform EbenenNormalenform(const TListe& liste, const TEbenenEingabe& e, int modus);

// The points and vectors the dialog's new names add, in the order they
// stand behind the plane.
std::vector<TElementart> EbeneNeueTeile(const TListe& liste, const TEbenenEingabe& e);

// "EbeneAusDialog": writes the dialog into the plane at the position; new
// parts take the elements appended behind it (new plane) or are appended
// now (properties mode; false and nothing changed when there is no room).
bool EbeneAusDialog(TListe& liste, int position, const TEbenenEingabe& e);
// Appends the plane and its new parts and writes the dialog into them; the
// plane's slot, or 0 (nothing added) when the list has no room for all.
int EbeneNeuAnlegen(TListe& liste, const TEbenenEingabe& e);
// The accepted input into the document: a new plane, or the plane shown.
int EbeneUebernehmen(TDokument& dokument, const TEbenenEingabe& e);

} // namespace kalvorin
