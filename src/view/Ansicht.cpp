#include "view/Ansicht.h"

#include "math/Projektion.h"
#include "view/Drehkugel.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {
constexpr double KoordEbenenRandDunkler = 0.1;
}

TKoordinatensystem KoordinatensystemFuerNeuesFenster(const TStandardEinstellungen& e) {
    TKoordinatensystem ks;
    ks.H = e.AchsenLaenge;
    ks.DefaultAchsen(e.AchsenLaenge);
    ks.AchsenFarbe = RGB(255, 100, 100);
    ks.Skalierung = e.SkalierungsStriche;
    ks.Achsenbeschriftung = true;
    const bool zeichnen[3] = {e.ZeichneXYEbene, e.ZeichneYZEbene, e.ZeichneXZEbene};
    const TFarbe farben[3] = {RGB(255, 224, 224), RGB(224, 255, 224), RGB(224, 224, 255)};
    for (int i = 0; i < 3; ++i) {
        ks.Ebenen[i].Zeichnen = zeichnen[i];
        ks.Ebenen[i].Farbe = farben[i];
        ks.Ebenen[i].Transparenz = e.KoordEbenenTransparenz;
    }
    return ks;
}

void ZeichenfensterEinrichten(TKoordinatensystem& ks, TWeltAbbildung& abbildung, tGSzene& szene) {
    if (ks.H == 0) ks.H = ks.Halbseite();
    abbildung.SetzeWelt(szene.Heftansicht() ? Heftfenster(ks) : Zeichenfenster(ks.H), WeltIsotrop);
    szene.SetzeDarstellungswuerfel(NullTripel, ks.H);
    szene.SetzeDrehkugel(DrehkugelFuer(ks.H, abbildung));
}

void KoordinatensystemInSzene(tGSzene& szene, const TKoordinatensystem& ks) {
    static constexpr char buchstaben[3] = {'X', 'Y', 'Z'};
    for (int i = 0; i < 3; ++i) {
        const TAchsenDaten& a = ks.Achsen[i];
        if (!a.Zeichnen) continue;
        const int nr = szene.AchseHinzufuegen(buchstaben[i], a.Oben, a.Unten);
        if (nr <= 0) continue;
        szene.SetzeNameSichtbar(nr, true);
        szene.SetzeStift(nr, ks.AchsenFarbe, 1, TStiftStil::Durchgezogen);
        szene.SetzeStriche(nr, ks.Skalierung);
        szene.SetzeAchsenbeschriftung(nr, ks.Achsenbeschriftung);
    }
    for (int i = 0; i < 3; ++i) {
        const TKoordEbenenDaten& e = ks.Ebenen[i];
        if (!e.Zeichnen) continue;
        const int nr =
            szene.KoordEbeneHinzufuegen(buchstaben[i], e.Oben2, e.Unten2, e.Oben1, e.Unten1);
        if (nr <= 0) continue;
        szene.SetzeStift(nr, Dunkler(e.Farbe, KoordEbenenRandDunkler), 1, TStiftStil::Durchgezogen);
        szene.SetzeFuellung(nr, e.Farbe, SchraffurKeine);
        szene.SetzeTransparenz(nr, e.Transparenz);
    }
}

TWeltRechteck Heftfenster(const TKoordinatensystem& ks) {
    // The origin is always in it; each axis adds the pictures of its ends.
    Real u1 = 0, v1 = 0, u2 = 0, v2 = 0;
    for (int i = 0; i < 3; ++i) {
        const TAchsenDaten& a = ks.Achsen[i];
        for (const Real t : {a.Unten, a.Oben}) {
            TTripel p{};
            (i == 0 ? p.x : i == 1 ? p.y : p.z) = t;
            const TZeichenpunkt b = HeftProjizieren(p);
            u1 = std::min(u1, b.u);
            u2 = std::max(u2, b.u);
            v1 = std::min(v1, b.v);
            v2 = std::max(v2, b.v);
        }
    }
    constexpr Real Rand = 1;
    const auto unten = [](Real w) { return std::floor(2 * (w - Rand)) / 2; };
    const auto oben = [](Real w) { return std::ceil(2 * (w + Rand)) / 2; };
    return {unten(u1), unten(v1), oben(u2), oben(v2)};
}

void AusgangslageSetzen(tGSzene& szene) {
    if (szene.Heftansicht()) {
        szene.SetzeHeftlage(0, 0);
        return;
    }
    szene.MatrixZuruecksetzen();
    szene.MatrixAnwenden(Ausgangslage());
}

} // namespace kalvorin
