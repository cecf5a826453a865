#pragma once
// Which main-menu commands can be used, computed from a plain description of
// the open document windows so that the rules can be checked without windows.

#include <string>

namespace kalvorin {

// What the main window knows about its document windows at one moment.
struct TFensterZustand {
    int AnzahlDokumente = 0;        // open document windows
    bool AktivesDokument = false;   // one of them is the active one
    std::string AktiveBeschriftung; // caption of the active one (UTF-8)
    bool ElementMarkiert = false;   // the active document has a marked element
};

// Enabled states of the commands that depend on the open documents. Commands
// not listed here ("&Neu", "Ö&ffnen...", "&Beenden", "&Hilfe" ...) are
// always usable.
struct TMenuZustand {
    // Menus of the menu bar
    bool Bearbeiten = false;
    bool Festlegen = false;
    bool Konstruieren = false;
    bool Abbilden = false;
    bool Messen = false;
    bool Ansicht = false;
    bool Fenster = false;
    // "&Datei"
    bool Einfuegen = false;
    bool Schliessen = false;
    bool Speichern = false;
    bool Speichern_unter = false;
    bool Grafik_speichern = false;
    bool Grafik_Drucken = false;
    bool Druckereinstellungen = true;
    // "&Bearbeiten"
    bool Kopieren = false;
    bool Loeschen = false;
    // "&Fenster"
    bool Nebeneinander = false;
    bool Uebereinander = false;
    bool Ueberlappend = false;
    bool AlleSchliessen = false;

    bool operator==(const TMenuZustand&) const = default;
};

// The rules of the main menu for the given windows.
TMenuZustand BerechneMenuZustand(const TFensterZustand& z);

// True when a caption marks its document as opened read-only.
bool IstSchreibgeschuetzt(const std::string& beschriftung);

} // namespace kalvorin
