#pragma once
// Every command of the menus, once: the main menu, the popup menus of the
// view, of the object list and of the frame, and the command-line tool are
// built from this table. A new command is one new row.

#include "befehle/Angebote.h"
#include "befehle/MenuZustand.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

class TDokument;

namespace exakt {
// exakt/Loesungsweg.h; declared here so that the users of the table need
// not see the exact arithmetic.
enum class TLoesungsart;
} // namespace exakt

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

// The commands the user interface runs itself: files, windows, dialogs and
// help, and the menus that refresh their items before they open. The row
// names its value; the main window runs it in TMainForm::Ausfuehren
// (TUiBefehl), whose switch has one case per value, so a value without its
// case does not compile.
//
// To add such a command: a value here (in its menu's group; Info stays the
// last value, AnzahlUiBefehle counts to it), a row in Befehlstabelle.cpp with
// `.Ui = TUiBefehl::TheValue` (and its help page), and the case plus its
// handler in TMainForm. The tests check that every row without a core
// function names a value and that no value is left without its row.
enum class TUiBefehl : std::uint8_t {
    Keiner, // a core command, a separator, or a menu that only opens
    // "&Datei"
    Neu,
    Oeffnen,
    Einfuegen,
    Schliessen,
    Speichern,
    Speichern_unter,
    Grafik_speichern,
    Grafik_Drucken,
    Druckereinstellungen,
    Arbeitsblatt_speichern,
    Beenden,
    // "&Bearbeiten"
    Bearbeiten,
    Kopieren,
    Einstellungen,
    // "F&estlegen"
    Festlegen,
    Punkt,
    Gerade,
    Ebene,
    Strecke,
    Pfeil,
    Vektor,
    Dreieck,
    Pyramideseitig,
    Kugel,
    Kreis,
    Viereck,
    Pyramide4,
    Koordinatenebene,
    Koordinatenachse,
    // "&Konstruieren", "&Abbilden", "&Messen"
    Konstruieren,
    Abbilden,
    MStreckung,
    Messen,
    Loesungsweg,
    // "An&sicht"
    Koordinatenachsen,
    Koordinatenebenen,
    Ausgangszustand,
    Heftansicht,
    Schrittweise,
    Vollbild,
    Szenebeschreiben,
    // "&Fenster"
    Nebeneinander,
    Uebereinander,
    Ueberlappend,
    AlleSchliessen,
    // "&Hilfe"
    Inhalt,
    HilfeVerwenden,
    Info,
};
inline constexpr int AnzahlUiBefehle = static_cast<int>(TUiBefehl::Info) + 1;

// The worked solution of a command, in the window "Lösungsweg" and in
// kalvorin-tool's solve.
struct TLoesungswegAngebot {
    exakt::TLoesungsart Art;
    const char* Name; // in the window's list of tasks
    // The reflection of a point in a marked point, line or plane is not a
    // command of the marks (the mirror is chosen first): the worked
    // solution itself tells whether the marks fit.
    bool OhneAngebot = false;
};

// A command that runs with one value typed as text.
struct TMitWert {
    const char* Name = "";
    bool (*Ausfuehren)(TDokument&, std::string_view wert) = nullptr;
};

struct TBefehlszeile {
    TZeilenart Art = TZeilenart::Befehl;
    // Object name; kalvorin-tool knows a core command as Name + "Click".
    const char* Name = "";
    const char* Menue = ""; // the menu it stands in; empty: the menu bar
    const char* Titel = ""; // caption, with its '&'
    int Hilfe = 0;          // help context; 0: none
    // Its help page, "page.html" or "page.html#anchor" (src/ui/hilfe); rows
    // that share a context share the page.
    const char* Hilfeseite = "";
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
    // The caption the active document's history gives the item, with the
    // step it takes back or again ("Rückgängig: Löschen"); Moeglich enables
    // it. Null: the row's caption and the offers.
    std::string (*Verlauf)(const TDokument&) = nullptr;
    // Without a core function: what the user interface runs. On a menu: runs
    // before it opens.
    TUiBefehl Ui = TUiBefehl::Keiner;
    TPopupPlatz GrafikPopup; // the view's popup
    TPopupPlatz ListenPopup; // the object list's popup
    TPopupPlatz RahmenPopup; // the frame's popup on the empty area
    // For a row whose dialog asks for one value (the dilation factor): the
    // same without the dialog, the value given as text, under the name
    // kalvorin-tool knows it by ("Name=WERT"). The offer decides when it runs.
    TMitWert MitWert;
    std::optional<TLoesungswegAngebot> Loesungsweg;
};

// All rows in menu order.
std::span<const TBefehlszeile> Befehlstabelle();

// The row of the object name; null when there is none.
const TBefehlszeile* BefehlMitName(std::string_view name);

// The worked solutions the marked elements of the list offer, in menu order.
std::vector<exakt::TLoesungsart> AngeboteneLoesungswege(const TListe& liste);
// The name of a worked solution in the window's list of tasks.
std::string_view LoesungswegName(exakt::TLoesungsart art);

// Where the item of a row stands, for the offers.
enum class TAngebotsort : std::uint8_t { Hauptmenue, GrafikPopup, ListenPopup };

// What the offers make of one item: its caption (empty: it keeps the one it
// has), and whether it is enabled and shown (empty: left as it is).
struct TAngebotsanzeige {
    std::string Text;
    std::optional<bool> Aktiv;
    std::optional<bool> Sichtbar;
};

// The offers applied to the row's item in the main menu or a popup: in the
// main menu a command is enabled and captioned, an apply item of a mapping
// shown with its element; in the popups an offered command is shown and
// enabled exactly when the main menu offers it. Empty for an item the offers
// leave alone.
std::optional<TAngebotsanzeige> Angebotsanzeige(const TBefehlszeile& zeile, const TAngebote& a,
                                                TAngebotsort ort);

// What the active document's history makes of an undo or redo item: its
// caption and whether it is enabled; without a document it is disabled and
// keeps its caption. Empty for the other rows.
std::optional<TAngebotsanzeige> Verlaufsanzeige(const TBefehlszeile& zeile, const TDokument* aktiv);

// The whole of what the main menu shows for one row at one moment: the rules
// of the open windows (zustand), the offers of the marks (angebote; an empty
// TAngebote where no document is open) and the history of the active
// document (null: none), as the main window applies them. A shell that
// builds a menu each time it opens asks this for every row.
struct TMenuepunkt {
    std::string Text; // caption, with its '&'
    bool Aktiv = true;
    bool Sichtbar = true;
};
TMenuepunkt Hauptmenuepunkt(const TBefehlszeile& zeile, const TMenuZustand& zustand,
                            const TAngebote& angebote, const TDokument* aktiv);

// Whether a core command can run on the document now: offered for the
// marked elements, its mapping defined, or possible. Rows without a core
// function: false.
bool Ausfuehrbar(const TDokument& d, const TBefehlszeile& z);

} // namespace kalvorin
