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

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

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
        punkt.Punkt = {3, 7, 7};
        punkt.Farbe = blau;
        punkt.Dicke = 2;
        Name(szene, ElementInSzene(szene, punkt).Ergebnis, "P", blau);

        TSzenenEingabe gerade;
        gerade.Art = TElementart::DGerade;
        gerade.Punkt = {6, 0, 0};
        gerade.Richtung = {-1, 0, 1};
        gerade.Farbe = RGB(0, 140, 0);
        gerade.Dicke = 75;
        gerade.MitRand = true;
        Name(szene, ElementInSzene(szene, gerade).Ergebnis, "g", gerade.Farbe);

        TSzenenEingabe strecke;
        strecke.Art = TElementart::DStrecke;
        strecke.Punkt = {0, 4, 0};
        strecke.Richtung = Verbindungsvektor(strecke.Punkt, {0, 10, 4});
        strecke.Farbe = RGB(160, 0, 160);
        strecke.Dicke = 75;
        Name(szene, ElementInSzene(szene, strecke).Ergebnis, "s", strecke.Farbe);

        TSzenenEingabe pfeil;
        pfeil.Art = TElementart::DPfeil;
        pfeil.Punkt = {0, 0, 0};
        pfeil.Richtung = {2, 5, 3};
        pfeil.Farbe = RGB(200, 0, 0);
        pfeil.Dicke = 75;
        Name(szene, ElementInSzene(szene, pfeil).Ergebnis, "v", pfeil.Farbe);

        TSzenenEingabe ebene;
        ebene.Art = TElementart::DEbene;
        ebene.Punkt = {0, 0, 5};
        ebene.Richtung = {1, 0, -0.5L};
        ebene.Richtung2 = {0, 1, 0.2L};
        ebene.Farbe = RGB(255, 230, 120);
        ebene.Dicke = 1;
        ebene.Transparenz = 1;
        Name(szene, ElementInSzene(szene, ebene).Ergebnis, "E", Schwarz);

        szene.Projizieren();
        szene.Sortieren();
    }
};

// A scene with one plane z = 0 of display half side 10, seen without rotation.
struct TEbenenSzene {
    TWeltAbbildung abb;
    tGSzene szene{abb};
    int ebene = 0;

    explicit TEbenenSzene(int transparenz, TFarbe farbe = RGB(200, 100, 50),
                          int schraffur = SchraffurKeine) {
        abb.SetzeWelt(Zeichenfenster(10));
        szene.SetzeDarstellungswuerfel(NullTripel, 10);
        ebene = szene.EbeneHinzufuegen({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
        szene.SetzeFuellung(ebene, farbe, schraffur);
        szene.SetzeTransparenz(ebene, transparenz);
        szene.SetzeStift(ebene, RGB(0, 0, 0), 1);
    }
    void Fertig() {
        szene.Projizieren();
        szene.Sortieren();
    }
    // Device pixel of a logical point on an 800 x 800 image.
    QPoint Pixel(TLogPunkt p) const {
        const double s = Seite / 30000.0;
        return {static_cast<int>(p.x * s), static_cast<int>((30000 - p.y) * s)};
    }
    // The centre of the plane's picture.
    QPoint Mitte() const {
        const TStueck& s = szene.Stueck(1);
        std::int64_t x = 0, y = 0;
        for (int i = 0; i < 4; ++i) {
            x += s.EckenProj[i].x;
            y += s.EckenProj[i].y;
        }
        return Pixel({static_cast<std::int32_t>(x / 4), static_cast<std::int32_t>(y / 4)});
    }
};

// Every pixel of a square about the point.
template <class F> void Umgebung(const QImage& bild, QPoint m, int r, F pruefe) {
    for (int y = m.y() - r; y <= m.y() + r; ++y)
        for (int x = m.x() - r; x <= m.x() + r; ++x)
            pruefe(bild.pixel(x, y), x, y);
}

} // namespace

TEST(SzenenBild, OpaquePlaneIsFilledWithItsColour) {
    TEbenenSzene t(0);
    t.Fertig();
    QImage bild = Leinwand();
    Malen(t.szene, t.abb, bild);
    Umgebung(bild, t.Mitte(), 20, [](QRgb p, int, int) { EXPECT_EQ(p, qRgb(200, 100, 50)); });
}

TEST(SzenenBild, TransparencyFiveLeavesThePlanesAreaUnpainted) {
    TEbenenSzene t(5);
    t.Fertig();
    QImage bild(Seite, Seite, QImage::Format_RGB32);
    bild.fill(QColor(120, 200, 240));
    Malen(t.szene, t.abb, bild);
    Umgebung(bild, t.Mitte(), 30, [](QRgb p, int, int) { EXPECT_EQ(p, qRgb(120, 200, 240)); });
    // its edges are still drawn
    const TLogPunkt a = t.szene.Stueck(1).EckenProj[0], b = t.szene.Stueck(1).EckenProj[1];
    const QPoint kante = t.Pixel({(a.x + b.x) / 2, (a.y + b.y) / 2});
    bool schwarz = false;
    Umgebung(bild, kante, 2, [&](QRgb p, int, int) { schwarz = schwarz || qRed(p) < 60; });
    EXPECT_TRUE(schwarz);
}

TEST(SzenenBild, TransparencyOneDarkensWhatLiesBehind) {
    TEbenenSzene t(1);
    t.Fertig();
    QImage bild(Seite, Seite, QImage::Format_RGB32);
    bild.fill(QColor(120, 200, 240));
    Malen(t.szene, t.abb, bild);
    // combined by AND, channel by channel
    Umgebung(bild, t.Mitte(), 20,
             [](QRgb p, int, int) { EXPECT_EQ(p, qRgb(200 & 120, 100 & 200, 50 & 240)); });
}

TEST(SzenenBild, TransparencyTwoColoursEveryOtherPixelOfEveryOtherRow) {
    TEbenenSzene t(2, RGB(0, 0, 255));
    t.Fertig();
    QImage bild = Leinwand();
    Malen(t.szene, t.abb, bild);
    int farbig = 0, weiss = 0;
    Umgebung(bild, t.Mitte(), 16, [&](QRgb p, int x, int y) {
        const bool punkt = x % 2 == 0 && y % 2 == 0;
        EXPECT_EQ(p, punkt ? qRgb(0, 0, 255) : qRgb(255, 255, 255)) << x << "," << y;
        (punkt ? farbig : weiss)++;
    });
    EXPECT_GT(farbig, 0);
    EXPECT_GT(weiss, farbig);
}

TEST(SzenenBild, TransparencyFourKeepsOneDotIn64) {
    TEbenenSzene t(4, RGB(0, 0, 255));
    t.Fertig();
    QImage bild = Leinwand();
    Malen(t.szene, t.abb, bild);
    Umgebung(bild, t.Mitte(), 16, [&](QRgb p, int x, int y) {
        EXPECT_EQ(p, x % 8 == 0 && y % 8 == 0 ? qRgb(0, 0, 255) : qRgb(255, 255, 255))
            << x << "," << y;
    });
}

TEST(SzenenBild, HatchedPlaneHidesWhatLiesBehind) {
    TEbenenSzene t(0, RGB(0, 0, 255), SchraffurWaagerecht);
    t.Fertig();
    QImage bild(Seite, Seite, QImage::Format_RGB32);
    bild.fill(QColor(255, 0, 0));
    Malen(t.szene, t.abb, bild);
    int blau = 0, weiss = 0;
    Umgebung(bild, t.Mitte(), 16, [&](QRgb p, int, int) {
        blau += p == qRgb(0, 0, 255);
        weiss += p == qRgb(255, 255, 255);
    });
    EXPECT_GT(blau, 0);
    EXPECT_GT(weiss, 0);
    EXPECT_EQ(blau + weiss, 33 * 33);
}

TEST(SzenenBild, PointBehindAnOpaquePlaneIsCoveredAndOneInFrontIsNot) {
    TEbenenSzene t(0);
    const int vorn = t.szene.PunktHinzufuegen({1, 1, 1});
    const int hinten = t.szene.PunktHinzufuegen({1, 3, -1});
    t.szene.SetzeStift(vorn, RGB(0, 0, 200), 1);
    t.szene.SetzeStift(hinten, RGB(0, 0, 200), 1);
    t.Fertig();
    QImage bild = Leinwand();
    Malen(t.szene, t.abb, bild);
    const auto mitte = [&](int objekt) {
        for (int i = 1; i <= t.szene.Stueckzahl(); ++i)
            if (t.szene.Stueck(i).Objekt == objekt)
                return bild.pixel(t.Pixel(t.szene.Stueck(i).BezugProj));
        return QRgb{};
    };
    EXPECT_EQ(mitte(vorn), qRgb(0, 0, 200));
    EXPECT_EQ(mitte(hinten), qRgb(200, 100, 50));
}

TEST(SzenenBild, VectorTargetsShowSeeThroughPlanesAsPartialOpacity) {
    TEbenenSzene t(1, RGB(0, 0, 255));
    t.Fertig();
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(QSize(Seite, Seite));
    {
        QPainter p(&svg);
        TQtZeichenflaeche f(p, t.abb.LogischesFenster(), QRectF(0, 0, Seite, Seite));
        EXPECT_EQ(f.MaskenArt(), TQtZeichenflaeche::TMaskenArt::Deckkraft);
        t.szene.Zeichnen(f);
    }
    const QByteArray text = puffer.data();
    EXPECT_TRUE(text.contains("opacity=\"0.6\"")) << text.left(2000).constData();
    EXPECT_TRUE(text.contains("#0000ff"));
    // a raster image combines by AND instead
    QImage bild = Leinwand();
    QPainter p(&bild);
    TQtZeichenflaeche f(p, t.abb.LogischesFenster(), QRectF(0, 0, Seite, Seite));
    EXPECT_EQ(f.MaskenArt(), TQtZeichenflaeche::TMaskenArt::RasterOp);
}

TEST(SzenenBild, TextIsMeasuredInLogicalUnits) {
    QImage bild = Leinwand();
    QPainter p(&bild);
    TQtZeichenflaeche f(p, {0, 0, 30000, 30000}, QRectF(0, 0, Seite, Seite));
    f.SetzeSchrift("Arial", 600, Schwarz);
    const TTextmass x = f.Textmass("X");
    EXPECT_NEAR(x.Hoehe, 600, 60);
    EXPECT_GT(x.Breite, 200);
    EXPECT_LT(x.Breite, 600);
    EXPECT_NEAR(f.Textmass("XX").Breite, 2 * x.Breite, 40);
    // the font of the drawings is there (Liberation Sans stands in for Arial)
    EXPECT_FALSE(QFontInfo(QFont("Arial")).family().isEmpty());
}

TEST(SzenenBild, LogicalYGrowsUpwards) {
    QImage bild = Leinwand();
    QPainter p(&bild);
    TQtZeichenflaeche f(p, {0, 0, 30000, 30000}, QRectF(0, 0, Seite, Seite));
    EXPECT_EQ(f.Geraet({0, 30000}), QPointF(0, 0));
    EXPECT_EQ(f.Geraet({30000, 0}), QPointF(Seite, Seite));
    // a wide window in a square image keeps its proportions and is centred
    TQtZeichenflaeche breit(p, {0, 0, 30000, 15000}, QRectF(0, 0, Seite, Seite));
    EXPECT_EQ(breit.Geraet({0, 15000}), QPointF(0, Seite / 4.0));
}

TEST(SzenenBild, TextbookFigureIsWrittenToPng) {
    TLehrbuch l;
    QImage bild = Leinwand();
    Malen(l.szene, l.abb, bild);
    ASSERT_TRUE(bild.save("ansicht_lehrbuch.png"));
    // the point lies in front of the plane: pure blue at its centre
    const double s = Seite / 30000.0;
    for (int i = 1; i <= l.szene.Stueckzahl(); ++i) {
        const TStueck& st = l.szene.Stueck(i);
        if (st.Art == TStueckArt::Punkt) {
            EXPECT_EQ(bild.pixel(static_cast<int>(st.BezugProj.x * s),
                                 static_cast<int>((30000 - st.BezugProj.y) * s)),
                      qRgb(0, 0, 200));
        }
    }
    // every axis label and name is written: three times "1E1", x, y, z, P, g, s, v, E
    int schwarz = 0;
    for (int y = 0; y < Seite; ++y)
        for (int x = 0; x < Seite; ++x)
            schwarz += qGray(bild.pixel(x, y)) < 40;
    EXPECT_GT(schwarz, 100);
}
