// Points never lost against a plane: a teacher's figure whose points have
// the dark blue the point dialog gives them, on a plane of the same dark
// blue, painted as every output paints a document and looked at pixel by
// pixel; and, from the canvas recording, which points get an outline.

#include "Protokollflaeche.h"
#include "Rasterflaeche.h"

#include "ausgabe/Zeichnen.h"
#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "eingabe/PunktEingabe.h"
#include "model/Meldungen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

constexpr TFarbe Dunkelblau = RGB(0, 0, 200);
constexpr int Seite = 2400;

// The teacher's exercise: A(4|0|0), B(0|4|0), C(0|0|4) and D(3|3|5) made as
// the point dialog makes them, the plane E from the marked A, B, C.
struct TLehrerfigur {
    TMeldungsProtokoll meldungen;
    TDokument d;

    TLehrerfigur(TFarbe ebenenfarbe, int transparenz) {
        Punkt("A", "4", "0", "0");
        Punkt("B", "0", "4", "0");
        Punkt("C", "0", "0", "4");
        Punkt("D", "3", "3", "5");
        d.Markieren([](TListe& l) {
            for (int i = 1; i <= 3; ++i)
                l[i]->markiert = true;
        });
        EXPECT_TRUE(ErzEbene(d));
        d.Markieren([](TListe& l) {
            for (int i = 1; i <= l.Anzahl(); ++i)
                l[i]->markiert = false;
        });
        d.Aendern([&](TListe& l) {
            l[l.Anzahl()]->Farbe = ebenenfarbe;
            l[l.Anzahl()]->Transparenz = transparenz;
            return true;
        });
    }
    void Punkt(const char* name, const char* x, const char* y, const char* z) {
        TPunktEingabe e = PunktEingabeNeu(Liste(d));
        e.Name = name;
        e.Edits = {x, y, z};
        ASSERT_EQ(PunktAnnehmen(d, e).Fehler, PunktOk) << name;
        ASSERT_NE(PunktUebernehmen(d, e), 0) << name;
    }
    const TDreiDBasisElement& Element(const char* name) const {
        return *d.Liste().ElementMitName(name);
    }
    TLogPunkt Bild(const char* name) const {
        return d.Szene().Bild(static_cast<const TfrPunkt&>(Element(name)).Koordinaten);
    }
};

// The largest difference of one channel.
int Abstand(TFarbe a, TFarbe b) {
    return std::max(
        {std::abs(Rot(a) - Rot(b)), std::abs(Gruen(a) - Gruen(b)), std::abs(Blau(a) - Blau(b))});
}

// The point is found: its middle is in its colour, and the ring just round
// it (two pixels out from its rim) stands out from that colour nearly all the
// way round, so that the eye finds its shape.
void ErwartePunktErkennbar(const TRasterflaeche& bild, TLogPunkt ort, int halbmesser, TFarbe farbe,
                           const std::string& was) {
    const double mx = bild.GeraetX(ort.x), my = bild.GeraetY(ort.y);
    const double r = halbmesser * static_cast<double>(Seite) / 30000;
    EXPECT_LE(Abstand(bild.Pixel(static_cast<int>(mx), static_cast<int>(my)), farbe), 40) << was;
    int abgehoben = 0, alle = 0;
    for (int k = 0; k < 32; ++k) {
        const double w = 2 * std::numbers::pi * k / 32;
        const int x = static_cast<int>(std::floor(mx + (r + 2) * std::cos(w)));
        const int y = static_cast<int>(std::floor(my + (r + 2) * std::sin(w)));
        ++alle;
        if (Abstand(bild.Pixel(x, y), farbe) > 100) ++abgehoben;
    }
    // Lines through the point (an axis, a trace line) may cross the ring.
    EXPECT_GE(abgehoben, alle * 5 / 8) << was << ": " << abgehoben << " of " << alle;
}

TRasterflaeche Gemalt(const TDokument& d) {
    TRasterflaeche f(d.Abbildung().LogischesFenster(), Seite);
    DokumentZeichnen(d, f, {});
    return f;
}

// The view turned by a drag across (logical units), then tilted by one up
// or down, as the mouse does it in either view.
struct TBlick {
    const char* Name;
    std::int32_t Quer;
    std::int32_t Hoch;
};

class PunkteVorDerEbene : public ::testing::TestWithParam<TBlick> {};

} // namespace

TEST_P(PunkteVorDerEbene, EveryPointOfTheTeachersFigureIsFoundInBothViews) {
    const TBlick& b = GetParam();
    TLehrerfigur t(Dunkelblau, 1);
    for (bool heft : {false, true}) {
        HeftansichtSetzen(t.d, heft);
        t.d.Ausgangslage();
        t.d.AnsichtDrehen({15000, 15000}, {15000 + b.Quer, 15000});
        t.d.AnsichtDrehen({15000, 15000}, {15000, 15000 + b.Hoch}, true);
        const TRasterflaeche bild = Gemalt(t.d);
        // A dot of the point dialog's size reaches 100 units from its middle
        // in both views.
        for (const char* name : {"A", "B", "C", "D"})
            ErwartePunktErkennbar(bild, t.Bild(name), 100, Dunkelblau,
                                  std::string(name) + (heft ? " in der Heftansicht" : ""));
    }
}

INSTANTIATE_TEST_SUITE_P(Blicke, PunkteVorDerEbene,
                         ::testing::Values(TBlick{"Ausgangslage", 0, 0}, TBlick{"Gedreht", 1500, 0},
                                           TBlick{"GedrehtUndGekippt", -2500, 1200}),
                         [](const auto& info) { return std::string(info.param.Name); });

namespace {

struct TUmrissFall {
    const char* Was;
    bool Heft;
    TFarbe Ebene;
    int Transparenz;
    TFarbe Punkt;
    // The colour of the outline, or the point's own where it gets none.
    TFarbe Umriss;
};

// The ellipses drawn round the point's picture, in their order.
std::vector<TAufruf> EllipsenUm(const TProtokollflaeche& f, TLogPunkt m) {
    std::vector<TAufruf> r;
    for (const TAufruf& a : f.Nur(TAufruf::Ellipse))
        if ((a.punkte[0].x + a.punkte[1].x) / 2 == m.x &&
            (a.punkte[0].y + a.punkte[1].y) / 2 == m.y)
            r.push_back(a);
    return r;
}

} // namespace

TEST(PunktUmriss, OnlyWhereThePointsColourIsCloseToThePlaneUnderIt) {
    const TUmrissFall faelle[] = {
        {"dark blue on dark blue", false, Dunkelblau, 1, Dunkelblau, Weiss},
        {"dark blue on an opaque blue", false, RGB(0, 0, 255), 0, Dunkelblau, Weiss},
        {"yellow on yellow", false, RGB(255, 220, 0), 0, RGB(255, 230, 0), Schwarz},
        {"dark blue on a light plane colour", false, RGB(163, 173, 250), 1, Dunkelblau, Dunkelblau},
        {"dark blue on light yellow", false, RGB(255, 230, 120), 1, Dunkelblau, Dunkelblau},
        {"one dot in four of dark blue", false, Dunkelblau, 2, Dunkelblau, Dunkelblau},
        {"an invisible plane area", false, Dunkelblau, 5, Dunkelblau, Dunkelblau},
        {"light grey on the lightened grey", true, RGB(128, 128, 128), 1, RGB(200, 200, 200),
         Schwarz},
        {"dark blue on the lightened dark blue", true, Dunkelblau, 1, Dunkelblau, Dunkelblau},
    };
    for (const TUmrissFall& f : faelle) {
        SCOPED_TRACE(f.Was);
        TLehrerfigur t(f.Ebene, f.Transparenz);
        // M(1|1|2) lies on the plane, inside its picture in both views.
        t.Punkt("M", "1", "1", "2");
        t.d.Aendern([&](TListe& l) {
            l.ElementMitName("M")->Farbe = f.Punkt;
            return true;
        });
        HeftansichtSetzen(t.d, f.Heft);
        TProtokollflaeche aufnahme;
        DokumentZeichnen(t.d, aufnahme, {});
        const std::vector<TAufruf> um = EllipsenUm(aufnahme, t.Bild("M"));
        ASSERT_FALSE(um.empty());
        EXPECT_EQ(um.size(), f.Umriss == f.Punkt ? 1u : 2u);
        EXPECT_EQ(um.front().pinsel.Farbe, f.Umriss);
        EXPECT_EQ(um.back().pinsel.Farbe, f.Punkt) << "the point drawn last, over its outline";
        // Its name in the design's view gets a rim of the outline's colour as well.
        std::vector<TAufruf> namen;
        for (const TAufruf& a : aufnahme.Nur(TAufruf::Text))
            if (a.text == "M") namen.push_back(a);
        ASSERT_FALSE(namen.empty());
        EXPECT_EQ(namen.size(), !f.Heft && f.Umriss != f.Punkt ? 9u : 1u);
        EXPECT_EQ(namen.front().schriftfarbe, f.Heft ? f.Punkt : f.Umriss);
        EXPECT_EQ(namen.back().schriftfarbe, f.Punkt);
        if (um.size() == 2) {
            EXPECT_GT(um.front().punkte[1].x - um.front().punkte[0].x,
                      um.back().punkte[1].x - um.back().punkte[0].x);
        }
    }
}
