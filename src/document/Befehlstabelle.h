#pragma once
// Every command of the menus, once: the main menu, the popup menus of the
// view, of the object list and of the frame, and the command-line tool are
// built from this table. A new command is one new row.

#include "document/Angebote.h"
#include "document/MenuZustand.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kalvorin {

class TDokument;

enum class TZeilenart : std::uint8_t {
    Menue,   // a menu of the menu bar or a submenu
    Befehl,  // an item that runs a command
    Trenner, // a separator line
};

// Where an item also stands in one of the popup menus; an empty name: not
// there.
struct TPopupPlatz {
    const char* Name = "";
    const char* Titel = "";    // the caption while the offers give none
    bool TrennerDavor = false; // a separator line above it
    bool Vorhanden() const { return *Name != '\0'; }
};

// A command that runs with one value typed as text.
struct TMitWert {
    const char* Name = "";
    bool (*Ausfuehren)(TDokument&, std::string_view wert) = nullptr;
};

struct TBefehlszeile {
    TZeilenart Art = TZeilenart::Befehl;
    // Object name. The user interface's own handler is Name + "Click"; so is
    // the command's name in kalvorin-tool.
    const char* Name = "";
    const char* Menue = ""; // the menu it stands in; empty: the menu bar
    const char* Titel = ""; // caption, with its '&'
    int Hilfe = 0;          // help context; 0: none
    // Shortcut in portable notation ("Ctrl+R", "Alt+F4", "Del", "PgUp").
    const char* Taste = "";
    // A further shortcut, the one common in other programs (Ctrl+Z for
    // undo); the menu shows Taste when there is one.
    const char* Zweittaste = "";
    // Enabled by the rules of the open windows; null: these rules leave it
    // alone (always usable, or enabled by the offers or the undo state).
    bool TMenuZustand::*Zustand = nullptr;
    // Enabled and captioned by what the marked elements offer.
    std::optional<TBefehl> Angebot;
    // Shown, captioned and enabled while an element carries the mapping's role.
    std::optional<TAbbildungsBefehl> Abbildung;
    // The core function that runs the command on the active document; null:
    // the user interface runs it (files, windows, dialogs, help).
    bool (*Ausfuehren)(TDokument&) = nullptr;
    // For a core command without an offer: whether it can run now.
    bool (*Moeglich)(const TDokument&) = nullptr;
    TPopupPlatz GrafikPopup; // the view's popup
    TPopupPlatz ListenPopup; // the object list's popup
    TPopupPlatz RahmenPopup; // the frame's popup on the empty area
    // A menu whose Name + "Click" runs before it opens.
    bool BeimOeffnen = false;
    // For a row whose dialog asks for one value (the dilation factor): the
    // same without the dialog, the value given as text, under the name
    // kalvorin-tool knows it by ("Name=WERT"). The offer decides when it runs.
    TMitWert MitWert;
};

// All rows in menu order.
std::span<const TBefehlszeile> Befehlstabelle();

// The row of the object name; null when there is none.
const TBefehlszeile* BefehlMitName(std::string_view name);

// Whether a core command can run on the document now: offered for the
// marked elements, its mapping defined, or possible. Rows without a core
// function: false.
bool Ausfuehrbar(const TDokument& d, const TBefehlszeile& z);

} // namespace kalvorin
