// See-through fills in the metafiles over what was drawn before: the
// colours the screen's AND gives for solid fills and for patterns, the cut
// of a polygon by a convex one, and the second blend (enhanced metafile) or
// second set of lines (16-bit metafile) that darkens the part of a plane
// that lies over a coloured fill.

#include "view/Emf.h"
#include "view/Metadatei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace kalvorin;

namespace {

constexpr TLogRechteck Fenster{0, 0, 30000, 30000};
constexpr TAusgabeMass Mass{7500, 7500};

std::uint32_t Wort(const std::string& s, std::size_t i, int bytes) {
    std::uint32_t w = 0;
    for (int k = bytes - 1; k >= 0; --k)
        w = w << 8 | static_cast<unsigned char>(s.at(i + std::size_t(k)));
    return w;
}

struct TSatz {
    std::uint32_t Typ;
    std::string Daten; // after type and size
};

std::vector<TSatz> EmfSaetze(const std::string& d, std::uint32_t typ) {
    std::vector<TSatz> r;
    for (std::size_t i = 0; i + 8 <= d.size();) {
        const std::uint32_t laenge = Wort(d, i + 4, 4);
        if (laenge < 8) break;
        if (Wort(d, i, 4) == typ) r.push_back({typ, d.substr(i + 8, laenge - 8)});
        i += laenge;
    }
    return r;
}

// The colour of the one pixel an alpha blend stretches over its polygon.
TFarbe Blendfarbe(const TSatz& s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s.Daten.at(140 + i)); };
    return RGB(b(2), b(1), b(0));
}

// The pens of a 16-bit metafile that draw lines: colour and the number of lines.
struct TStiftLinien {
    TFarbe Farbe;
    int Linien = 0;
};

std::vector<TStiftLinien> WmfStifte(const std::string& d) {
    std::vector<TStiftLinien> r;
    for (std::size_t i = 22 + 18; i + 6 <= d.size();) {
        const std::uint32_t laenge = Wort(d, i, 4);
        const std::uint32_t funktion = Wort(d, i + 4, 2);
        if (laenge < 3) break;
        if (funktion == 0x02FA) {
            const std::uint32_t f = Wort(d, i + 6 + 6, 4);
            r.push_back({RGB(f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF)});
        }
        if (funktion == 0x0325 && !r.empty()) ++r.back().Linien;
        i += 2 * laenge;
    }
    std::erase_if(r, [](const TStiftLinien& s) { return s.Linien == 0; });
    return r;
}

int Kanal(TFarbe f, int k) {
    return k == 0 ? Rot(f) : k == 1 ? Gruen(f) : Blau(f);
}

const TLogPunkt Quadrat[4] = {{6000, 6000}, {24000, 6000}, {24000, 24000}, {6000, 24000}};
const TLogPunkt Streifen[4] = {{0, 12000}, {30000, 12000}, {30000, 18000}, {0, 18000}};

} // namespace

TEST(Durchsicht, TheScreensAndOfSolidFillsAndPatterns) {
    const struct {
        TMetaBild oben, unten;
        TMetaBild ergebnis;
    } faelle[] = {
        // bit by bit: 220 & 128 = 128, 120 & 200 = 72
        {{RGB(255, 220, 120), 1}, {RGB(255, 128, 200), 1}, {RGB(255, 128, 72), 1}},
        {{Weiss, 1}, {RGB(1, 2, 3), 1}, {RGB(1, 2, 3), 1}},
        // a quarter of the dots over a solid colour: AND on the dots, the
        // colour in the gaps
        {{RGB(0, 255, 255), 0.25}, {RGB(200, 200, 200), 1}, {RGB(150, 200, 200), 1}},
        {{RGB(200, 200, 200), 1}, {RGB(0, 255, 255), 0.25}, {RGB(150, 200, 200), 1}},
        // two patterns of one share put their dots on the same pixels
        {{RGB(0, 255, 255), 0.25}, {RGB(255, 0, 255), 0.25}, {RGB(0, 0, 255), 0.25}},
        // a sixteenth over a quarter: both on the sparse dots, the quarter's
        // colour on the others: 3/16 of 255 and 3/4 of white
        {{RGB(0, 255, 255), 1 / 16.0}, {RGB(255, 0, 255), 0.25}, {RGB(239, 191, 255), 1}},
    };
    for (const auto& f : faelle) {
        const TMetaBild b = Maskiert(f.oben, f.unten);
        EXPECT_EQ(b.Farbe, f.ergebnis.Farbe) << std::hex << f.oben.Farbe << " " << f.unten.Farbe;
        EXPECT_EQ(b.Anteil, f.ergebnis.Anteil);
    }
    EXPECT_EQ(Mittel({RGB(55, 255, 255), 0.25}), RGB(205, 255, 255));
}

TEST(Durchsicht, APolygonIsCutByAConvexOne) {
    const std::vector<TPunkt2D> quadrat = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const auto flaeche = [](const std::vector<TPunkt2D>& p) {
        double a = 0;
        for (std::size_t i = 0; i < p.size(); ++i)
            a += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
        return std::fabs(a) / 2;
    };
    const struct {
        std::vector<TPunkt2D> konvex;
        double flaeche;
    } faelle[] = {
        {{{5, -5}, {15, -5}, {15, 5}, {5, 5}}, 25},        // a corner
        {{{5, 5}, {5, 15}, {15, 15}, {15, 5}}, 25},        // turning the other way
        {{{-1, -1}, {11, -1}, {11, 11}, {-1, 11}}, 100},   // all of it
        {{{20, 20}, {30, 20}, {30, 30}}, 0},               // apart
        {{{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}}, 0}, // not convex
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(flaeche(KonvexSchnitt(quadrat, f.konvex)), f.flaeche, 1e-9) << f.flaeche;
}

TEST(Durchsicht, TheEnhancedMetafileBlendsOnceMoreWhereAColouredFillLiesBeneath) {
    const TFarbe ebene = RGB(255, 220, 120);
    const struct {
        TPinsel darunter;
        std::size_t blends;
    } faelle[] = {
        {{TPinselArt::Voll, RGB(255, 128, 200), SchraffurKeine, {}}, 2},
        {{TPinselArt::Voll, Weiss, SchraffurKeine, {}}, 1},
        {{TPinselArt::Leer, Schwarz, SchraffurKeine, {}}, 1},
    };
    for (const auto& f : faelle) {
        TEmfFlaeche z(Fenster, Mass);
        z.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
        z.SetzePinsel(f.darunter);
        z.Polygon(Streifen, 4);
        z.SetzePinsel({TPinselArt::Voll, ebene, SchraffurKeine, {}});
        z.SetzeRasterModus(TRasterModus::Maskieren);
        z.Polygon(Quadrat, 4);
        const auto blends = EmfSaetze(z.Datei(), 114);
        ASSERT_EQ(blends.size(), f.blends);
        if (f.blends < 2) continue;
        // Two half blends over the fill's colour give the screen's AND of the two.
        const TFarbe b = f.darunter.Farbe, ziel = Maskiert({ebene, 1}, {b, 1}).Farbe;
        for (int k = 0; k < 3; ++k) {
            const double erste = (Kanal(Blendfarbe(blends[0]), k) + Kanal(b, k)) / 2.0;
            EXPECT_NEAR((Kanal(Blendfarbe(blends[1]), k) + erste) / 2, Kanal(ziel, k), 1.5) << k;
        }
    }
}

TEST(Durchsicht, TheMetafileDrawsItsLinesOnceMoreWhereAColouredFillLiesBeneath) {
    const TFarbe ebene = RGB(255, 220, 120), darunter = RGB(255, 128, 200);
    TMetadateiFlaeche z(Fenster, Mass);
    z.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
    z.SetzePinsel({TPinselArt::Voll, darunter, SchraffurKeine, {}});
    z.Polygon(Streifen, 4);
    z.SetzePinsel({TPinselArt::Voll, ebene, SchraffurKeine, {}});
    z.SetzeRasterModus(TRasterModus::Maskieren);
    z.Polygon(Quadrat, 4);
    const auto stifte = WmfStifte(z.Datei());
    ASSERT_EQ(stifte.size(), 2u);
    EXPECT_GT(stifte[1].Linien, 0);
    EXPECT_LT(stifte[1].Linien, stifte[0].Linien) << "only where the strip lies beneath";
    // Lines over two thirds of the area, the strip in the gaps: on the mean
    // the screen's AND of the two.
    const TFarbe ziel = Maskiert({ebene, 1}, {darunter, 1}).Farbe;
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(Kanal(stifte[1].Farbe, k) * 2 / 3.0 + Kanal(darunter, k) / 3.0, Kanal(ziel, k),
                    3)
            << k;
}
