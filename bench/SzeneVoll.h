#pragma once
// A full scene for the benchmarks: the coordinate system of a new window
// plus elements until there are 100 objects or close to 250 pieces. The
// given number of planes comes first; they cut each other and everything
// after them, so more planes mean more polygon pieces and fewer objects.

#include "storage/Einstellungen.h"
#include "view/Ansicht.h"
#include "view/GSzene.h"
#include "view/SzenenElemente.h"
#include "view/Weltabbildung.h"

#include <random>
#include <string>

namespace kalvorin::bench {

struct TVolleSzene {
    TWeltAbbildung abb;
    tGSzene szene{abb};
    TKoordinatensystem ks = KoordinatensystemFuerNeuesFenster(TStandardEinstellungen{});

    // heft: the textbook view. koerper: two pyramids and an opaque plane
    // first, so that there are faces that hide (in both views alike).
    explicit TVolleSzene(int ebenenZahl = 3, unsigned saat = 2024, bool heft = false,
                         bool koerper = false) {
        if (heft) szene.SetzeProjektionsart(TProjektionsart::Heft);
        ZeichenfensterEinrichten(ks, abb, szene);
        AusgangslageSetzen(szene);
        KoordinatensystemInSzene(szene, ks);
        if (koerper) {
            TSzenenEingabe p;
            p.Art = TElementart::DPyramide3;
            p.Farbe = RGB(0, 0, 200);
            p.Ecken = {TTripel{2, 0, 0}, TTripel{0, 4, 0}, TTripel{0, 0, 3}};
            p.Spitze = {4, 4, 5};
            ElementInSzene(szene, p);
            p.Ecken = {TTripel{-1, 5, 1}, TTripel{3, 7, 0}, TTripel{1, 6, 4}};
            p.Spitze = {5, 2, 2};
            ElementInSzene(szene, p);
            TSzenenEingabe e;
            e.Art = TElementart::DEbene;
            e.Farbe = RGB(0, 160, 0);
            e.Punkt = {2, 0, 0};
            e.Richtung = {-2, 4, 0};
            e.Richtung2 = {-2, 0, 3};
            e.Transparenz = 0;
            const int nr = ElementInSzene(szene, e).Ergebnis;
            szene.SetzeName(nr, "E", 1, Schwarz);
            szene.SetzeNameSichtbar(nr, true);
        }
        std::mt19937 z(saat);
        std::uniform_real_distribution<double> r(-1, 1);
        const auto punkt = [&](double s) { return TTripel{r(z) * s, r(z) * s, r(z) * s}; };
        int ebenen = 0;
        for (int i = 0;
             szene.Objektzahl() < MaxSzenenObjekte && szene.Stueckzahl() < MaxStuecke - 8; ++i) {
            TSzenenEingabe e;
            e.Farbe = RGB(40 * (i % 6), 90, 200 - 30 * (i % 5));
            switch (ebenen < ebenenZahl ? 3 : i % 3) {
            case 0:
                e.Art = TElementart::DfrPunkt;
                e.Punkt = punkt(8);
                e.Dicke = 2;
                break;
            case 1:
                e.Art = TElementart::DGerade;
                e.Punkt = punkt(5);
                e.Richtung = punkt(1);
                e.Dicke = 75;
                e.MitRand = i % 3 == 0;
                break;
            case 2:
                e.Art = TElementart::DPfeil;
                e.Punkt = punkt(6);
                e.Richtung = punkt(4);
                e.Dicke = 75;
                break;
            default:
                e.Art = TElementart::DEbene;
                e.Punkt = punkt(5);
                e.Richtung = punkt(1);
                e.Richtung2 = punkt(1);
                e.Transparenz = 1 + ebenen % 5;
                ++ebenen;
                break;
            }
            const TSzenenErgebnis erg = ElementInSzene(szene, e);
            if (erg.Ergebnis > 0) {
                std::string name = std::to_string(i);
                name.insert(name.begin(), 'N');
                szene.SetzeName(erg.Ergebnis, name, 1, e.Farbe);
                szene.SetzeNameSichtbar(erg.Ergebnis, true);
            }
        }
        szene.Projizieren();
        szene.Sortieren();
    }

    // One small step of a drag across the middle of the view.
    void Drehen(int schritt) {
        const TLogPunkt m = szene.Drehkugel().BildMitte;
        const std::int32_t dx = 150 * (schritt % 40 - 20);
        szene.Ziehen({m.x + dx, m.y + 40}, {m.x + dx + 150, m.y});
    }
};

} // namespace kalvorin::bench
