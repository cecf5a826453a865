// Names and tick numbers on a screen of a higher device pixel ratio: they
// grow with the ratio like the menus' texts, the figure and its lines keep
// their size, and the axis names keep clear of the tick numbers beside them.

#include "Protokollflaeche.h"
#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

struct TKasten {
    double links, rechts, unten, oben;
};

// The box of a recorded text: the anchor is its top-left corner, y upwards.
TKasten Kasten(const TAufruf& a) {
    const double breite = static_cast<double>(a.text.size()) * a.schrifthoehe / 2;
    return {static_cast<double>(a.punkte[0].x), a.punkte[0].x + breite,
            static_cast<double>(a.punkte[0].y) - a.schrifthoehe,
            static_cast<double>(a.punkte[0].y)};
}

// The area two boxes share.
double Ueberlappung(const TKasten& a, const TKasten& b) {
    const double breite = std::min(a.rechts, b.rechts) - std::max(a.links, b.links);
    const double hoehe = std::min(a.oben, b.oben) - std::max(a.unten, b.unten);
    return breite > 0 && hoehe > 0 ? breite * hoehe : 0;
}

// What an axis name shares with the tick numbers, as a share of its box.
double AchsennameVerdeckt(const std::vector<TAufruf>& texte, const std::string& achse) {
    double geteilt = 0, flaeche = 0;
    for (const TAufruf& name : texte) {
        if (name.text != achse) continue;
        const TKasten k = Kasten(name);
        flaeche = (k.rechts - k.links) * (k.oben - k.unten);
        for (const TAufruf& zahl : texte)
            if (!zahl.text.empty() && std::isdigit(static_cast<unsigned char>(zahl.text[0])))
                geteilt += Ueberlappung(k, Kasten(zahl));
    }
    return flaeche > 0 ? geteilt / flaeche : 0;
}

TProtokollflaeche Gezeichnet(const TDokument& d, double verhaeltnis) {
    TZeichenOptionen o;
    o.Pixelverhaeltnis = verhaeltnis;
    TProtokollflaeche f;
    DokumentZeichnen(d, f, o);
    return f;
}

struct TBlick {
    std::int32_t Quer, Hoch;
};

} // namespace

TEST(Pixelverhaeltnis, NamesAndTickNumbersGrowTheFigureStays) {
    TDokument d;
    auto* a = TDokumentTestzugang::Liste(d).Neu<TfrPunkt>();
    a->Name = "A";
    a->Koordinaten = {2, 1, 3};
    d.Neuaufbau();
    for (const TBlick b : {TBlick{0, 0}, TBlick{1500, 0}, TBlick{-2500, 1200}}) {
        d.Ausgangslage();
        d.AnsichtDrehen({15000, 15000}, {15000 + b.Quer, 15000});
        d.AnsichtDrehen({15000, 15000}, {15000, 15000 + b.Hoch}, true);
        const TProtokollflaeche eins = Gezeichnet(d, 1);
        const std::vector<TAufruf> texte1 = eins.Nur(TAufruf::Text);
        ASSERT_GE(texte1.size(), 4u); // the point's name and the three axes'
        for (const double v : {1.5, 2.0, 3.0}) {
            const TProtokollflaeche mehr = Gezeichnet(d, v);
            const std::vector<TAufruf> texte = mehr.Nur(TAufruf::Text);
            ASSERT_EQ(texte.size(), texte1.size()) << v;
            for (std::size_t i = 0; i < texte.size(); ++i) {
                EXPECT_EQ(texte[i].text, texte1[i].text);
                EXPECT_NEAR(texte[i].schrifthoehe, texte1[i].schrifthoehe * v, 1)
                    << texte[i].text << " at " << v;
            }
            // The lines of the figure are where and as wide as they were.
            const std::vector<TAufruf> linien1 = eins.Nur(TAufruf::Linie),
                                       linien = mehr.Nur(TAufruf::Linie);
            ASSERT_EQ(linien.size(), linien1.size());
            for (std::size_t i = 0; i < linien.size(); ++i) {
                EXPECT_EQ(linien[i].punkte, linien1[i].punkte);
                EXPECT_EQ(linien[i].stift.Breite, linien1[i].stift.Breite);
            }
            // No axis name is covered by a tick number more than at the
            // drawing's own size, where they stand side by side.
            for (const std::string achse : {"x", "y", "z"})
                EXPECT_LE(AchsennameVerdeckt(texte, achse),
                          AchsennameVerdeckt(texte1, achse) + 0.02)
                    << achse << " at " << v << ", view " << b.Quer << "/" << b.Hoch;
        }
    }
}
