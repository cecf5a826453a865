#pragma once
// What every element dialog shares before any widget is involved: the input
// model's common part (name, old name, new or properties, derived, the
// look), the name rules, the lists of names by kind, choosing an element by
// its name, and the one way an accepted input reaches its document.
//
// A dialog of a kind is three things: an input model TXxxEingabe on the base
// TElementEingabe with its preparation (XxxEingabeNeu, XxxEingabeAusElement)
// and its check (XxxPruefen); one function XxxUebernehmen that applies an
// accepted input to a document; and the Qt dialog, which only shows the
// model and collects it (ui/TElementDLG.h).

#include "document/Dateiregeln.h"
#include "model/Liste.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

class TDokument;

using TFeldTexte = std::array<std::string, 3>;

// A field counts as filled when text is left after removing every blank.
bool Gefuellt(std::string_view text);
bool AlleGefuellt(const TFeldTexte& felder);
bool KeinesGefuellt(const TFeldTexte& felder);

// True when e is built on r, directly or through other elements (also when e is r).
bool HaengtAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r);

// Whether the list can take n more elements.
bool HatPlatzFuer(const TListe& liste, int n);

// The value of a number field. When its text is still what the dialog showed
// for a held value, that value comes back exactly: showing 0.123456789 as
// "0,12" must not turn it into 0.12 when the user only looked.
Real FeldWert(const std::string& text, const std::string& angezeigt, Real gehalten);
TTripel FeldWerte(const TFeldTexte& texte, const TFeldTexte& angezeigt, TTripel gehalten);

// The texts FormatNumber shows for a triple.
TFeldTexte FeldTexte(TTripel t);

// Kinds as masks (see Arten): what a point, vector or line combo accepts.
inline constexpr std::uint32_t PunktArten = Arten({TElementart::DfrPunkt, TElementart::DgebPunkt});
inline constexpr std::uint32_t VektorArten = Arten({TElementart::DVektor});
inline constexpr std::uint32_t GeradenArten = Arten({TElementart::DGerade});
bool IstVonArt(const TDreiDBasisElement& e, std::uint32_t arten);

// ---------------------------------------------------------------------------
// The common part of every input model.

struct TElementEingabe {
    // Prepared for a new element; false in properties mode.
    bool Neu = true;
    // The element shown in properties mode.
    const TDreiDBasisElement* Selbst = nullptr;
    std::string Name;      // as typed
    std::string AlterName; // empty for a new element
    // A derived element only shows its values; they are not input.
    bool Abgeleitet = false;
    // The origin description of a derived element; empty: group hidden.
    std::string Entstehung;

    // The look; each kind uses what it has (see AussehenSchreiben).
    bool Duenn = true;
    TFarbe Farbe = 0;
    int Punktform = 0;   // point
    bool MitRand = true; // line
    int Transparenz = 0; // plane
    bool Hilfslinien = true;
};

// The common part of "XxxDialogNeu": a new element of the kind with the next
// automatic name; the look from the settings.
void NeuVorbereiten(TElementEingabe& e, const TListe& liste, TElementart art);
// The common part of "XxxDialogAusElement": name, old name, derivation and look of the element.
void AusElementVorbereiten(TElementEingabe& e, const TDreiDBasisElement& element);
// Writes the look into the element, as far as its kind has it. Thick means
// the settings' value of the kind.
void AussehenSchreiben(TDreiDBasisElement& element, const TElementEingabe& e);

// The description while the name is being typed: it always begins with the
// element's name and a blank, so the name typed takes that place.
std::string EntstehungMitName(const std::string& entstehung, const std::string& name);

// ---------------------------------------------------------------------------
// Names.

inline constexpr const char* NameLeerText = "Name nicht festgelegt!";

enum class TNamensfehler { Keiner, Leer, NichtSpeicherbar, Vergeben };
struct TNamensbefund {
    TNamensfehler Fehler = TNamensfehler::Keiner;
    std::string Meldung;
};

// The name check of every dialog: an empty name, a name the file cannot
// store, and a name another element bears (unless it is the old name, so
// that an element may keep its own), refused with vergebenText.
TNamensbefund NamenPruefen(const TListe& liste, const std::string& name,
                           const std::string& alterName, const char* vergebenText);

// A name typed into a name combo as the name of a part: blanks removed, at
// most 12 characters.
std::string TeilName(const std::string& text);

// The names of the elements of the kinds, in list order (the widgets sort
// them), leaving out the element selbst and whatever is built on it: nothing
// may end up defined by itself.
std::vector<std::string> NamenDerArt(const TListe& liste, std::uint32_t arten,
                                     const TDreiDBasisElement* selbst = nullptr);

// "Choosing an element by its name": the element that a name combo's text
// names, when its kind fits; null otherwise.
const TDreiDBasisElement* BenanntesElement(const TListe& liste, const std::string& text,
                                           std::uint32_t arten);

// A point or vector named in a name combo, with its three edits. An
// existing element's values are shown read-only (Fest); a new name takes
// the typed values and makes a new element together with the one defined.
struct TTeilEingabe {
    std::string Name;
    TFeldTexte Werte;
    bool Fest = false;

    bool AllesGefuellt() const { return Gefuellt(Name) && AlleGefuellt(Werte); }
    bool AllesLeer() const { return !Gefuellt(Name) && KeinesGefuellt(Werte); }
};

// The name combo's text changed: an existing element of the kinds fills the
// edits with its values (vectors simplified when vereinfacht) and fixes
// them; otherwise the edits become editable and keep their text.
void TeilGewaehlt(TTeilEingabe& t, const TListe& liste, std::uint32_t arten,
                  bool vereinfacht = false);

// The values of a part: those of the named element when it exists (its
// edits only show them rounded), else the typed ones.
struct TTeilWert {
    TTripel Wert;
    bool Fehler = false;
};
TTeilWert TeilWert(const TListe& liste, const TTeilEingabe& t, std::uint32_t arten);

// The checks every part shares, in the order the dialogs run them: its name
// must not be borne by an element of another kind, nor be the defined
// element's own new name (vergebenText); when it is new, it must be there
// and storable. Empty when all is well.
std::string TeilNameFehler(const TListe& liste, const TTeilEingabe& t, std::uint32_t arten,
                           const std::string& elementName, const char* vergebenText);
// "Das Objekt S ist aus der Ebene entstanden ...": a part built on the
// element cannot define it. art: "der Geraden", "der Ebene", ...
std::string KreisText(const std::string& name, const char* art);

// A part with a new name, written into an element: in a new-element dialog
// the next element the apply function appended behind the defined one, in
// properties mode a new one. An existing element is only referenced.
// farbe: the new element's colour, else the default of new elements.
TDreiDBasisElement* TeilSchreiben(TListe& liste, const TTeilEingabe& t, TElementart art, bool neu,
                                  int& naechsterSlot, std::optional<TFarbe> farbe = std::nullopt);

// The parts with names that no element bears, one entry per name and in
// the order given: what an accepted input adds besides its element.
std::vector<TElementart>
NeueTeile(const TListe& liste,
          const std::vector<std::pair<const TTeilEingabe*, TElementart>>& teile);

// ---------------------------------------------------------------------------
// Validation and application.

enum class TPruefergebnis { Gueltig, StillSchliessen, Unvollstaendig, Abgelehnt };

struct TEingabePruefung {
    TPruefergebnis Ergebnis = TPruefergebnis::Gueltig;
    // The warning to show; empty when valid and for the silent close.
    std::string Meldung;
};

inline constexpr const char* UnvollstaendigText = "Eingabefenster nicht vollständig ausgefüllt!";

// The one way an accepted input reaches its document. `anwenden` runs
// inside the document's transaction on its list and returns the slot of the
// element it added or wrote, or 0 when the list has no room for everything
// the input adds; then it must have added nothing (all or nothing). On 0
// the user is told ListeVollMeldung. The document is rebuilt when
// something was applied, so view and object list show it at once.
int EingabeAnwenden(TDokument& dokument, const std::function<int(TListe&)>& anwenden);

// Writes an input into the element at a position (the kind's "XxxAusDialog");
// false when nothing changed.
using TZurueckschreiben = std::function<bool(TListe&, int)>;

// Room check, append, write back: the element of the kind, then the parts
// for the input's new names behind it, then the input written into the
// element. Returns its slot, or 0 with nothing added when the list has no
// room for all of them.
int ElementAnhaengen(TListe& liste, TElementart art, const std::vector<TElementart>& neueTeile,
                     const TZurueckschreiben& schreiben);

// The parts an input's new names add, looked at in the transaction's list;
// none (nullopt) when the new element cannot be made at all.
using TNeueTeile = std::function<std::optional<std::vector<TElementart>>(const TListe&)>;

// The apply function of a kind: in the document's transaction a new element
// (ElementAnhaengen), or the input written back into the element shown.
int ElementUebernehmen(TDokument& dokument, const TElementEingabe& e, TElementart art,
                       const TNeueTeile& neueTeile, const TZurueckschreiben& schreiben);

} // namespace kalvorin
