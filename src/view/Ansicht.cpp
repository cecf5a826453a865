#include "view/Ansicht.h"

#include "math/Projektion.h"
#include "view/Drehkugel.h"

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
    abbildung.SetzeWelt(Zeichenfenster(ks.H), WeltIsotrop);
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

void AusgangslageSetzen(tGSzene& szene) {
    szene.MatrixZuruecksetzen();
    szene.MatrixAnwenden(Ausgangslage());
}

} // namespace kalvorin
