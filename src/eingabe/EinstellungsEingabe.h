#pragma once
// The settings dialog "Standard-Einstellungen" without its widgets: what its
// seven pages show of the process-wide settings, and how "OK" writes them
// back. Every reader takes the settings from Einstellungen() when it needs
// them, so a change is seen at once by everything that is created or shown
// afterwards; the settings file is written only when the program ends.

#include "model/StandardEinstellungen.h"

#include <string>
#include <string_view>

namespace kalvorin {

// "'%s' ist kein gültiger Integerwert"
std::string KeinIntegerwertText(std::string_view text);

// Thick lines and plane borders are stored as value * 25 + 25; the dialog
// shows stored / 25 - 1.
int DickeAnzeige(int gespeichert);
int DickeGespeichert(int anzeige);

// A decimal integer as the dialog reads it: an optional sign and digits,
// blanks around them allowed; false for anything else and for values beyond
// int.
bool GanzzahlLesen(std::string_view text, int& wert);

// The controls of the seven pages. Radio groups hold their item index.
struct TEinstellungsEingabe {
    // "Allgemein"
    TFarbe Standardfarbe = 0;
    int NameSichtbar = 0; // 0 "sichtbar", 1 "nicht sichtbar"
    bool Praesentation = false;
    // "Punkte"
    int Punktform = 0;
    int PunktDicke = 2;
    // "Geraden"
    int Geradendicke = 2; // as shown
    int Weisslinie = 0;   // 0 "ja", 1 "nein"
    // "Ebenen"
    int EbenenRanddicke = 3; // as shown
    int EbenenTransparenz = 1;
    // "Hilfslinien"
    TFarbe HilfslinienFarbe = 0;
    int HilfslinienStil = 1;
    int Hilfslinien = 0; // 0 "ja", 1 "nein"
    // "Koordinatensystem"
    int Halbseite = 11;
    int Transparenz = 1;
    bool Exy = true, Exz = false, Eyz = false;
    int Skalierung = 4;
    bool Einrasten = true; // "Beim Ziehen einrasten"
    // group "Heftansicht"
    bool Heftansicht = false;    // new windows open in the textbook view
    int HeftAchsennamen = 0;     // 0 "x₁, x₂, x₃", 1 "x, y, z"
    bool HeftSpurdreieck = true; // planes by their trace triangle
    // "Zahlenausgabe"
    bool Brueche = true;
    std::string MaxNenner;
    int Nachkomma = 2;
    bool ExakteWerte = true; // "Exakte Werte anzeigen"

    friend bool operator==(const TEinstellungsEingabe&, const TEinstellungsEingabe&) = default;
};

// "FormShow": every control from the settings.
TEinstellungsEingabe EinstellungsEingabe(const TStandardEinstellungen& s);

// "OK": every control back into the settings. angezeigt is what the
// controls held when the dialog was filled: a control left as it was keeps
// its setting exactly, also a thickness that no shown value maps to. A
// "Maximaler Nenner" that is no decimal integer gives the error and changes
// nothing at all (false); the dialog stays open.
bool EinstellungenUebernehmen(const TEinstellungsEingabe& e, const TEinstellungsEingabe& angezeigt,
                              TStandardEinstellungen& s);

// The colour panels store what the colour dialog holds at once, whatever
// becomes of the settings dialog afterwards.
void StandardfarbeSetzen(TEinstellungsEingabe& e, TStandardEinstellungen& s, TFarbe farbe);
void HilfslinienFarbeSetzen(TEinstellungsEingabe& e, TStandardEinstellungen& s, TFarbe farbe);

} // namespace kalvorin
