#pragma once
// The process-wide user defaults: the look of new elements, the coordinate
// system's defaults, number output, the file dialogs' folders and the colour
// dialog's custom colours. Loaded once at start, written back on exit; new
// elements take their look from here.

#include "math/Farbe.h"

#include <string>
#include <vector>

namespace kalvorin {

struct TStandardEinstellungen {
    // New elements
    TFarbe Farbe = RGB(0, 0, 200);
    bool NameSichtbar = true;
    int Punktform = 0; // 0 Kreis, 1 Kreuz, 2 Dreibein, 3 DreibeinXYZ, 4 Zickzack
    int DickpunktDicke = 2;
    int DickgeradenDicke = 75; // dialog value * 25 + 25
    bool MitWeissrand = true;
    int RandDicke = 100; // dialog value * 25 + 25
    int EbenenTransparenz = 1;

    // Auxiliary lines of derived elements
    TFarbe HilfslinienFarbe = RGB(144, 144, 144);
    int HilfslinienStrichart = 1; // 0 durchgezogen, 1 gestrichelt, 2 punktiert
    bool HilfslinienEinzeichnen = true;

    // Coordinate system
    int SkalierungsStriche = 4; // keine, nur bei 1, alle 0,5, alle 1, alle 2, alle 5
    int AchsenLaenge = 11;
    int KoordEbenenTransparenz = 1;
    bool ZeichneXYEbene = true;
    bool ZeichneYZEbene = false;
    bool ZeichneXZEbene = false;

    // Dragging points: a dragged point goes to multiples of 0,5 LE.
    bool BeimZiehenEinrasten = true;
    // The textbook view ("Heftansicht"): new windows open in it; the axes
    // are named x1, x2, x3 (else x, y, z); planes are drawn by their trace
    // triangle where it lies in the display range.
    bool Heftansicht = false;
    bool HeftAchsenIndiziert = true;
    bool HeftSpurdreieck = true;

    // Number output
    bool ZahlenAlsBrueche = true;
    int MaximalerNenner = 100;
    int StandardStellen = 2;
    // "Exakte Werte anzeigen": measurement messages add their exact value.
    bool ExakteWerte = true;
    // The user's decimal separator, taken once from the locale at start.
    char Dezimaltrenner = ',';

    // Display: "Präsentation" for projectors (wide lines, large names)
    bool Praesentation = false;

    // Graphic output at "Maßstab 1 LE = 1 cm": names and tick numbers in
    // this size in points.
    int AusgabeSchriftgroesse = 10;

    // Folders of the file dialogs
    std::string PfadSzenen;
    std::string PfadEinfuegeSzenen;
    std::string PfadGrafiken;

    // Entries "FarbeA=9FADFD" ... of the colour dialog
    std::vector<std::string> CustomColors;

    // From the start-up file
    bool SaveIniDatei = true;
    std::string IniPfad;

    friend bool operator==(const TStandardEinstellungen&, const TStandardEinstellungen&) = default;
};

// The one instance of the running program.
TStandardEinstellungen& Einstellungen();

} // namespace kalvorin
