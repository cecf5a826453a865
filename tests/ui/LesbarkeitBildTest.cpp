// Pictures of the figures of a first lesson, drawn as every output draws a
// document, checked pixel by pixel: the points stay visible where they lie in
// front, and hidden where they lie behind.

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/ElementBauer.h"
#include "view/qt/Bildausgabe.h"
#include "view/qt/QtZeichenflaeche.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

using namespace kalvorin;

namespace {

constexpr int Seite = 800;
constexpr TFarbe PunktBlau = RGB(0, 0, 200);
constexpr TFarbe LinienGruen = RGB(0, 140, 0);
constexpr TFarbe EbenenGelb = RGB(255, 230, 120);

// A new document window's document (the axes and the xy plane shown) with
// elements added by name.
struct TFigur {
    TDokument d;
    test::TElementBauer bau{test::Liste(d)};

    TfrPunkt* Punkt(const char* name, TTripel k) {
        TfrPunkt* p = bau.P(name, k);
        p->Farbe = PunktBlau;
        p->Dicke = 2;
        return p;
    }
    TEbene* Ebene(const char* name, TDreiDBasisElement* a, TDreiDBasisElement* b,
                  TDreiDBasisElement* c) {
        auto* e = bau.Neu<TEbene>(name);
        e->Festlegung = TEbene::EPPP;
        e->Bezuege = {a, b, c};
        e->Farbe = EbenenGelb;
        e->Transparenz = 0;
        return e;
    }

    QImage Bild() {
        d.Neuaufbau();
        QImage bild(Seite, Seite, QImage::Format_RGB32);
        QPainter p(&bild);
        Malen(p, d.Abbildung().LogischesFenster(), QRectF(0, 0, Seite, Seite),
              [this](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); });
        return bild;
    }
    // Where the point's centre lands in the picture.
    QPoint Pixel(const TDreiDBasisElement& e) {
        const tGSzene& s = d.Szene();
        for (int i = 1; i <= s.Stueckzahl(); ++i)
            if (e.Szenenobjekte.test(static_cast<std::size_t>(s.Stueck(i).Objekt))) {
                QImage leer(1, 1, QImage::Format_RGB32);
                QPainter p(&leer);
                TQtZeichenflaeche f(p, d.Abbildung().LogischesFenster(),
                                    QRectF(0, 0, Seite, Seite));
                return f.Geraet(s.Stueck(i).EckenProj[0]).toPoint();
            }
        ADD_FAILURE() << "no piece for " << e.Name;
        return {};
    }
};

QRgb Pixelfarbe(TFarbe f) {
    return qRgb(Rot(f), Gruen(f), Blau(f));
}

// Every pixel of the dot's middle (radius 200 logical units, about 5 pixels)
// in its own colour.
void ErwartePunkt(const QImage& bild, QPoint m, TFarbe farbe, const char* name) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            EXPECT_EQ(bild.pixel(m.x() + dx, m.y() + dy), Pixelfarbe(farbe))
                << name << " at " << dx << ", " << dy;
}

// Some pixels of the name, written in the point's colour below and to the
// right of it, beyond the dot.
bool NameDa(const QImage& bild, QPoint m) {
    int blau = 0;
    for (int y = m.y() + 2; y <= m.y() + 22; ++y)
        for (int x = m.x() + 7; x <= m.x() + 20; ++x) {
            const QRgb c = bild.pixel(x, y);
            blau += qBlue(c) > 120 && qRed(c) < 90 && qGreen(c) < 90;
        }
    return blau >= 5;
}

} // namespace

TEST(LesbarkeitBild, PointOnALineKeepsItsDot) {
    TFigur t;
    TfrPunkt* a = t.Punkt("A", {1, 2, 3});
    TfrPunkt* b = t.Punkt("B", {4, 1, 2});
    TGerade* g = t.bau.GPP("g", a, b);
    g->Farbe = LinienGruen;
    g->Dicke = 75;
    g->MitRand = true;
    const QImage bild = t.Bild();
    ErwartePunkt(bild, t.Pixel(*a), PunktBlau, "A");
    ErwartePunkt(bild, t.Pixel(*b), PunktBlau, "B");
    // and the line is there, beside the dots
    const QPoint m = (t.Pixel(*a) + t.Pixel(*b)) / 2;
    int gruen = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            gruen += bild.pixel(m.x() + dx, m.y() + dy) == Pixelfarbe(LinienGruen);
    EXPECT_GT(gruen, 0);
}

TEST(LesbarkeitBild, PointsAndNamesStayInFrontOfAnOpaquePlaneThroughThemWithTheXyPlaneShown) {
    TFigur t;
    ASSERT_TRUE(t.d.Koordinatensystem().Ebenen[0].Zeichnen) << "the xy plane is shown";
    TfrPunkt* a = t.Punkt("A", {1, 2, 3});
    TfrPunkt* b = t.Punkt("B", {4, 1, 2});
    TfrPunkt* c = t.Punkt("C", {2, 5, 1});
    t.bau.GPP("g", a, b);
    TEbene* e = t.Ebene("E1", a, b, c);
    const QImage bild = t.Bild();
    ASSERT_TRUE(e->sichtbar);
    for (TfrPunkt* p : {a, b, c}) {
        ErwartePunkt(bild, t.Pixel(*p), PunktBlau, p->Name.c_str());
        EXPECT_TRUE(NameDa(bild, t.Pixel(*p))) << p->Name;
    }
    // The plane is there and opaque: its colour beside the points.
    EXPECT_EQ(bild.pixel((t.Pixel(*a) + t.Pixel(*c)) / 2 + QPoint(0, 30)), Pixelfarbe(EbenenGelb));
}

TEST(LesbarkeitBild, PointBehindAnOpaquePlaneStaysHidden) {
    TFigur t;
    TfrPunkt* a = t.Punkt("A", {0, 0, 4});
    TfrPunkt* b = t.Punkt("B", {4, 0, 4});
    TfrPunkt* c = t.Punkt("C", {0, 4, 4});
    t.Ebene("E1", a, b, c); // z = 4
    TfrPunkt* vorn = t.Punkt("V", {2, 1, 6});
    TfrPunkt* hinten = t.Punkt("H", {1, 2, 3});
    hinten->NameSichtbar = false;
    const QImage bild = t.Bild();
    ErwartePunkt(bild, t.Pixel(*vorn), PunktBlau, "V");
    const QPoint h = t.Pixel(*hinten);
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            EXPECT_EQ(bild.pixel(h.x() + dx, h.y() + dy), Pixelfarbe(EbenenGelb))
                << dx << ", " << dy;
}

// Squared paper in a raster picture: every grid line lies on whole pixels in
// its own colour, however the squares fall between the pixels, and the
// lines of one direction are all equally strong.
TEST(LesbarkeitBild, GridLinesAreSharpInARasterPicture) {
    constexpr TFarbe Blau = RGB(165, 205, 235);
    QImage bild(100, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        // 1000 logical units on 100 pixels: lines at 37, 163, 289, ... units
        // fall between the pixels.
        TQtZeichenflaeche f(p, {0, 0, 1000, 1000}, QRectF(0, 0, 100, 100));
        f.SetzeStift({Blau, 1, TStiftStil::Durchgezogen});
        std::vector<TLogPunkt> enden;
        for (int i = 0; i < 8; ++i) {
            const std::int32_t x = 37 + i * 126;
            enden.push_back({x, 0});
            enden.push_back({x, 1000});
        }
        f.Gitterlinien(enden.data(), static_cast<int>(enden.size() / 2));
    }
    const QRgb blau = qRgb(165, 205, 235);
    int spalten = 0;
    for (int x = 0; x < bild.width(); ++x) {
        const QRgb mitte = bild.pixel(x, 50);
        EXPECT_TRUE(mitte == blau || mitte == qRgb(255, 255, 255))
            << "column " << x << " blended: " << std::hex << mitte;
        if (mitte == blau) ++spalten;
    }
    EXPECT_EQ(spalten, 8);
}
