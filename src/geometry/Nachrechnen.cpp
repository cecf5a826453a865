#include "geometry/Nachrechnen.h"

#include "geometry/Abbildung.h"
#include "geometry/Konstruktion.h"
#include "geometry/Schnitt.h"
#include "model/Elementarten.h"

namespace kalvorin {

namespace {

using E = TEntstehungsart;

int Rechnen(TDreiDBasisElement& e) {
    const E code = e.Entstehung.Art;
    if (IstAbbildungsEntstehung(code)) return AbbildNachrechnen(e);
    const auto& q = e.Entstehung.Elemente;
    if (code == E::Schnitt) {
        if (q[0].Element == nullptr || q[1].Element == nullptr) return FehlerBezug;
        const TSchnittErgebnis s = Intersect(*q[0].Element, *q[1].Element);
        if (s.Code != SchnittGefunden) return s.Code;
        if (s.Art != e.Art) return FehlerArtGeaendert;
        WerteEintragen(e, {s.Punkt, s.Richtung, {}, s.Radius});
        return KeinFehler;
    }
    const TKonstruktionsErgebnis k =
        Construct(static_cast<int>(code), q[0].Element, q[1].Element, q[2].Element, q[2].Zahl);
    if (k.Fehler != KeinFehler) return k.Fehler;
    if (k.Art != e.Art) return FehlerArtGeaendert;
    WerteEintragen(e, k.Geometrie);
    return KeinFehler;
}

} // namespace

TNachrechnung AbgeleitetesNachrechnen(TDreiDBasisElement& element, int* fehler) {
    if (fehler) *fehler = KeinFehler;
    if (element.Entstehung.Art == E::keine ||
        !WirdNachgerechnet(element.Art, element.Entstehung.Art))
        return TNachrechnung::KeineRegel;
    const int f = Rechnen(element);
    if (fehler) *fehler = f;
    if (f == KeinFehler) return TNachrechnung::Neu;
    element.Entstehung.Art = E::keine;
    return TNachrechnung::Fehlgeschlagen;
}

} // namespace kalvorin
