#include "math/Koordinatensystem.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

Real TKoordinatensystem::Halbseite() const {
    Real h = 0;
    for (const TAchsenDaten& a : Achsen)
        h = std::max({h, std::fabs(a.Unten), std::fabs(a.Oben)});
    return h;
}

void TKoordinatensystem::AbgeleiteteDatenBerechnen() {
    H = Halbseite();
    Ecke1 = {-H, -H, -H};
    Ecke2 = {H, H, H};
    // Each plane spans the ranges of its two axes; the xz plane is ordered
    // z before x, matching its spanning directions (z, x).
    const auto setze = [this](int ebene, int erste, int zweite) {
        Ebenen[ebene].Unten1 = Achsen[erste].Unten;
        Ebenen[ebene].Oben1 = Achsen[erste].Oben;
        Ebenen[ebene].Unten2 = Achsen[zweite].Unten;
        Ebenen[ebene].Oben2 = Achsen[zweite].Oben;
    };
    setze(XY, X, Y);
    setze(YZ, Y, Z);
    setze(XZ, Z, X);
}

void TKoordinatensystem::DefaultAchsen(Real laenge) {
    for (TAchsenDaten& a : Achsen) {
        a.Unten = -0.2L * laenge;
        a.Oben = laenge;
        a.Zeichnen = true;
    }
    AbgeleiteteDatenBerechnen();
}

bool TKoordinatensystem::Zoomen(Real faktor) {
    if ((faktor > 1 && H > 256) || (faktor < 1 && H < 5)) return false;
    for (TAchsenDaten& a : Achsen) {
        a.Unten *= faktor;
        a.Oben *= faktor;
    }
    AbgeleiteteDatenBerechnen();
    return true;
}

} // namespace kalvorin
