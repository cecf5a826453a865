// The drag frame drawn in bands on several threads against the picture one
// painter draws alone: random scenes with every kind of piece (see-through,
// hatched and opaque planes, lines with white borders, arrows, points of
// every form, names, marks, the sphere outline), at several sizes, pixel
// ratios, scroll positions and numbers of bands. Every row is drawn, the
// patterns stay on the device grid, and only lines crossing from one band
// into another may differ in a few pixels (Qt cuts them at the band's edge
// before smoothing them, and restarts dots there). The still picture after a
// drag is the plain one again.

#include "view/qt/Bandzeichnen.h"
#include "math/Koordinatensystem.h"
#include "storage/Einstellungen.h"
#include "view/Ansicht.h"
#include "view/GSzene.h"
#include "view/SzenenElemente.h"
#include "view/Weltabbildung.h"
#include "view/qt/Bildausgabe.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kalvorin;

namespace {

// The colour an image has before the bands draw, found in no scene.
constexpr QRgb Unberuehrt = qRgb(1, 2, 3);

struct TZufallsSzene {
    TWeltAbbildung abb;
    tGSzene szene{abb};
    TKoordinatensystem ks = KoordinatensystemFuerNeuesFenster(TStandardEinstellungen{});
    TObjektmenge markiert;

    explicit TZufallsSzene(unsigned saat) {
        ZeichenfensterEinrichten(ks, abb, szene);
        AusgangslageSetzen(szene);
        KoordinatensystemInSzene(szene, ks);
        std::mt19937 z(saat);
        std::uniform_real_distribution<double> r(-1, 1);
        std::uniform_int_distribution<int> w(0, 1000);
        const auto punkt = [&](double s) { return TTripel{r(z) * s, r(z) * s, r(z) * s}; };
        const int anzahl = 10 + w(z) % 30;
        for (int i = 0; i < anzahl && szene.Objektzahl() < MaxSzenenObjekte - 10; ++i) {
            TSzenenEingabe e;
            e.Farbe = RGB(w(z) % 256, w(z) % 256, w(z) % 256);
            int schraffur = SchraffurKeine;
            switch (w(z) % 5) {
            case 0:
                e.Art = TElementart::DfrPunkt;
                e.Punkt = punkt(8);
                e.Dicke = w(z) % 4;
                e.Punktform = w(z) % 3;
                break;
            case 1:
                e.Art = w(z) % 2 ? TElementart::DGerade : TElementart::DStrecke;
                e.Punkt = punkt(5);
                e.Richtung = punkt(w(z) % 2 ? 1 : 6);
                e.Dicke = 25 * (1 + w(z) % 4);
                e.MitRand = w(z) % 2 == 0;
                break;
            case 2:
                e.Art = TElementart::DPfeil;
                e.Punkt = punkt(6);
                e.Richtung = punkt(4);
                e.Dicke = 25 * (1 + w(z) % 4);
                break;
            default:
                e.Art = TElementart::DEbene;
                e.Punkt = punkt(5);
                e.Richtung = punkt(1);
                e.Richtung2 = punkt(1);
                e.Transparenz = w(z) % 6;
                if (e.Transparenz == 0 && w(z) % 2) schraffur = w(z) % 6;
                break;
            }
            const TSzenenErgebnis erg = ElementInSzene(szene, e);
            if (erg.Ergebnis <= 0) continue;
            if (schraffur != SchraffurKeine) szene.SetzeFuellung(erg.Ergebnis, e.Farbe, schraffur);
            szene.SetzeName(erg.Ergebnis, "N" + std::to_string(i), w(z) % 4, e.Farbe);
            szene.SetzeNameSichtbar(erg.Ergebnis, w(z) % 3 != 0);
            if (w(z) % 5 == 0)
                for (int nr : erg.Objekte)
                    markiert.set(static_cast<std::size_t>(nr));
        }
        const TLogPunkt m = szene.Drehkugel().BildMitte;
        szene.Ziehen(m, {m.x + w(z) * 4 - 2000, m.y + w(z) * 4 - 2000});
        szene.Projizieren();
        szene.Sortieren();
    }

    void Malen(TZeichenflaeche& f) const {
        szene.KugelumrissZeichnen(f);
        szene.Zeichnen(f, &markiert);
    }
};

// The plain drawing: the image filled white, one painter on it.
QImage Einfach(const TZufallsSzene& s, QSize groesse, double dpr, const QRectF& ziel) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);
    QPainter p(&bild);
    Malen(p, s.abb.LogischesFenster(), ziel, [&](TZeichenflaeche& f) { s.Malen(f); });
    return bild;
}

QImage InBaendern(const TZufallsSzene& s, QSize groesse, double dpr, const QRectF& ziel,
                  int baender) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    // Not white: every pixel must be written by the bands.
    bild.fill(Unberuehrt);
    InBaendernMalen(
        bild, s.abb.LogischesFenster(), ziel, [&](TZeichenflaeche& f) { s.Malen(f); }, baender);
    return bild;
}

struct TVergleich {
    int Abweichend = 0;
    int Unberuehrt = 0; // pixels no band wrote
};

TVergleich Vergleichen(const QImage& ist, const QImage& soll) {
    TVergleich v;
    for (int y = 0; y < ist.height(); ++y)
        for (int x = 0; x < ist.width(); ++x) {
            const QRgb p = ist.pixel(x, y), q = soll.pixel(x, y);
            v.Abweichend += p != q;
            v.Unberuehrt += p == Unberuehrt && q != Unberuehrt;
        }
    return v;
}

} // namespace

TEST(Bandzeichnen, ZufallsszenenWieDasEinfacheBildBisAufWenigeKantenpixel) {
    struct TFall {
        QSize Groesse;
        double Dpr;
        QPointF Versatz; // scrolled: the window's logical rectangle begins outside the image
        int Baender;
    };
    const TFall faelle[] = {
        {{640, 480}, 1, {0, 0}, 2},       {{501, 733}, 1, {0, 0}, 7},
        {{800, 800}, 1, {-37, -91}, 3},   {{900, 700}, 2, {0, 0}, 4},
        {{750, 610}, 1.25, {-3, -11}, 5}, {{1000, 333}, 1.5, {0, 0}, 0},
        {{1920, 1080}, 1, {0, 0}, 0},
    };
    for (unsigned saat = 1; saat <= 6; ++saat) {
        const TZufallsSzene s(saat);
        for (const TFall& f : faelle) {
            const QRectF ziel(f.Versatz, QSizeF(f.Groesse) / f.Dpr);
            const QImage soll = Einfach(s, f.Groesse, f.Dpr, ziel);
            const QImage ist = InBaendern(s, f.Groesse, f.Dpr, ziel, f.Baender);
            const TVergleich v = Vergleichen(ist, soll);
            const QString fall = QStringLiteral("Saat %1, %2 x %3, Pixelverhältnis %4, %5 Bänder")
                                     .arg(saat)
                                     .arg(f.Groesse.width())
                                     .arg(f.Groesse.height())
                                     .arg(f.Dpr)
                                     .arg(f.Baender);
            EXPECT_EQ(v.Unberuehrt, 0) << fall.toStdString();
            // A shifted pattern or a band drawn at the wrong place changes
            // tens of thousands of pixels; cut lines a few hundred.
            EXPECT_LT(v.Abweichend, ist.width() * ist.height() / 100) << fall.toStdString();
        }
    }
}

TEST(Bandzeichnen, BaenderTeilenDieZeilenOhneLueckeUndUeberschneidung) {
    QImage gross(3840, 2160, QImage::Format_RGB32);
    // By itself one band per core, and never one of only a few rows.
    const std::vector<int> selbst = Bandgrenzen(gross, 0);
    EXPECT_GE(selbst.size(), 1U);
    EXPECT_EQ(Bandgrenzen(QImage(800, 100, QImage::Format_RGB32), 0).size(), 1U);
    // Asked for, as many as there are rows at most.
    EXPECT_EQ(Bandgrenzen(QImage(10, 5, QImage::Format_RGB32), 9).size(), 5U);
    const std::vector<int> sieben = Bandgrenzen(gross, 7);
    ASSERT_EQ(sieben.size(), 7U);
    EXPECT_EQ(sieben.front(), 0);
    for (std::size_t i = 1; i < sieben.size(); ++i)
        EXPECT_GT(sieben[i], sieben[i - 1]);
    EXPECT_LT(sieben.back(), gross.height());
}

// Where the measured work lies decides the next cuts: halfway towards an even
// share, with a least height per band; measurements that do not fit leave
// the cuts alone.
TEST(Bandzeichnen, CutsMoveHalfwayTowardsEvenWork) {
    struct TFall {
        const char* Name;
        std::vector<int> Grenzen;
        std::vector<double> Dauer;
        int Hoehe;
        std::vector<int> Erwartet;
    };
    const TFall faelle[] = {
        {"even work stays", {0, 500}, {2, 2}, 1000, {0, 500}},
        // All the work in the lower half: its even share lies at 750.
        {"lower half three times dearer", {0, 500}, {1, 3}, 1000, {0, 583}},
        {"upper half dearer", {0, 500}, {3, 1}, 1000, {0, 417}},
        {"three bands", {0, 300, 600}, {1, 1, 4}, 900, {0, 450, 675}},
        // Nearly all work in one band: never thinner than a quarter share.
        {"least height", {0, 100, 200}, {1000, 0.001, 0.001}, 1000, {0, 83, 166}},
        {"no time measured", {0, 500}, {0, 2}, 1000, {0, 500}},
        {"other band count", {0, 500}, {1, 2, 3}, 1000, {0, 500}},
        {"single band", {0}, {5}, 1000, {0}},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(AusgeglicheneGrenzen(f.Grenzen, f.Dauer, f.Hoehe), f.Erwartet) << f.Name;
}

// A view's drag frames: each stores its cuts and times, the next is cut
// from them, and uneven cuts draw the same picture.
TEST(Bandzeichnen, FramesCutFromTheLastMeasurementDrawTheSamePicture) {
    const TZufallsSzene s(3);
    const QSize groesse(900, 1200);
    const QRectF ziel(QPointF(0, 0), QSizeF(groesse));
    const QImage soll = Einfach(s, groesse, 1, ziel);
    TBandteilung teilung;
    // As if the top rows had held nearly all the work.
    teilung.Hoehe = groesse.height();
    teilung.Grenzen = {0, 400, 800};
    teilung.Dauer = {9, 0.5, 0.5};
    for (int bild = 0; bild < 3; ++bild) {
        QImage ist(groesse, QImage::Format_RGB32);
        ist.fill(Unberuehrt);
        const std::vector<int> erwartet =
            AusgeglicheneGrenzen(teilung.Grenzen, teilung.Dauer, groesse.height());
        InBaendernMalen(
            ist, s.abb.LogischesFenster(), ziel, [&](TZeichenflaeche& f) { s.Malen(f); }, 3,
            &teilung);
        EXPECT_EQ(teilung.Grenzen, erwartet) << "frame " << bild;
        EXPECT_EQ(teilung.Hoehe, groesse.height());
        ASSERT_EQ(teilung.Dauer.size(), 3U);
        for (double d : teilung.Dauer)
            EXPECT_GT(d, 0);
        const TVergleich v = Vergleichen(ist, soll);
        EXPECT_EQ(v.Unberuehrt, 0) << "frame " << bild;
        EXPECT_LT(v.Abweichend, ist.width() * ist.height() / 100) << "frame " << bild;
    }
    // Another height starts again from even cuts.
    QImage kleiner(900, 600, QImage::Format_RGB32);
    InBaendernMalen(
        kleiner, s.abb.LogischesFenster(), ziel, [&](TZeichenflaeche& f) { s.Malen(f); }, 3,
        &teilung);
    EXPECT_EQ(teilung.Grenzen, Bandgrenzen(kleiner, 3));
}
