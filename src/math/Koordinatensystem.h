#pragma once
// The coordinate system of one document window: the three axes, the three
// coordinate planes, and the display range derived from the axis limits.
// Stored with the document and edited by the coordinate-system dialog.

#include "math/Farbe.h"
#include "math/Tripel.h"

#include <array>

namespace kalvorin {

struct TAchsenDaten {
    Real Unten = -1;
    Real Oben = 7;
    bool Zeichnen = true;
};

// A rectangle in a coordinate plane: first and second range, in the plane's
// own two coordinates (xy: x and y; yz: y and z; xz: z and x).
struct TKoordEbenenDaten {
    Real Unten1 = -1, Oben1 = 7;
    Real Unten2 = -1, Oben2 = 7;
    int Transparenz = 1;
    TFarbe Farbe = RGB(255, 128, 128);
    bool Zeichnen = false;
};

// Tick settings ("Skalierung").
enum TSkalierung : int {
    SkalierungKeine = 0,
    SkalierungBei1 = 1,
    SkalierungAlle05 = 2,
    SkalierungAlle1 = 3,
    SkalierungAlle2 = 4,
    SkalierungAlle5 = 5,
};

// Zoom factors of the menu "Ansicht".
inline constexpr Real ZoomVerkleinern = 0.84L;
inline constexpr Real ZoomVergroessern = 1.189L;

struct TKoordinatensystem {
    enum { X = 0, Y = 1, Z = 2 };
    enum { XY = 0, YZ = 1, XZ = 2 };

    // The defaults are those a document file without coordinate sections gets.
    std::array<TAchsenDaten, 3> Achsen{};
    TFarbe AchsenFarbe = RGB(255, 0, 0);
    int Skalierung = SkalierungAlle2;
    bool Achsenbeschriftung = true;
    std::array<TKoordEbenenDaten, 3> Ebenen{};
    bool GleicheGrenzen = true;

    // Half the edge of the display cube [-H, H]^3; 0 until first computed.
    Real H = 0;
    TTripel Ecke1{};
    TTripel Ecke2{};

    // H, the corners and the plane ranges from the axis limits.
    void AbgeleiteteDatenBerechnen();
    // Every axis from -0.2 L to L and drawn, then the derived data.
    void DefaultAchsen(Real laenge);
    // Multiplies all axis limits by the factor; refused (false) when growing
    // beyond H = 256 or shrinking below H = 5.
    bool Zoomen(Real faktor);
    // H as the largest absolute axis limit (step 1 of the derived data).
    Real Halbseite() const;
};

} // namespace kalvorin
