// The metafile canvas read back record by record: the file's frame, what
// each drawing call becomes, coordinates that 16 bits cannot hold, the
// object table, and writing the file without ever leaving half of one.

#include "view/Metadatei.h"

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "storage/TestOrdner.h"
#include "view/Protokollflaeche.h"

#include <gtest/gtest.h>

#include <cmath>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvorin;

namespace {

struct TDatensatz {
    std::uint16_t Funktion = 0;
    std::vector<std::uint16_t> Worte;
    std::int16_t W(std::size_t i) const { return static_cast<std::int16_t>(Worte.at(i)); }
};

std::uint16_t Wort16(const std::string& s, std::size_t i) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[i]) |
                                      (static_cast<unsigned char>(s[i + 1]) << 8));
}
std::uint32_t Wort32(const std::string& s, std::size_t i) {
    return Wort16(s, i) | (std::uint32_t(Wort16(s, i + 2)) << 16);
}

// The file taken apart; fails the test where its frame is not sound.
struct TGelesen {
    std::int16_t Breite = 0, Hoehe = 0;
    std::uint16_t ProZoll = 0;
    std::uint16_t Objekte = 0;
    std::vector<TDatensatz> Saetze;

    explicit TGelesen(const std::string& d) {
        EXPECT_GE(d.size(), 22u + 18u + 6u);
        EXPECT_EQ(Wort32(d, 0), 0x9AC6CDD7u);
        std::uint16_t pruef = 0;
        for (std::size_t i = 0; i < 20; i += 2)
            pruef ^= Wort16(d, i);
        EXPECT_EQ(Wort16(d, 20), pruef) << "checksum of the placeable header";
        EXPECT_EQ(Wort16(d, 6), 0);
        EXPECT_EQ(Wort16(d, 8), 0);
        Breite = static_cast<std::int16_t>(Wort16(d, 10));
        Hoehe = static_cast<std::int16_t>(Wort16(d, 12));
        ProZoll = Wort16(d, 14);
        const std::size_t k = 22;
        EXPECT_EQ(Wort16(d, k), 1);
        EXPECT_EQ(Wort16(d, k + 2), 9);
        EXPECT_EQ(Wort16(d, k + 4), 0x0300);
        EXPECT_EQ(Wort32(d, k + 6) * 2, d.size() - 22) << "size in words";
        Objekte = Wort16(d, k + 10);
        const std::uint32_t groesster = Wort32(d, k + 12);
        std::uint32_t gesehen = 0;
        for (std::size_t i = k + 18; i < d.size();) {
            const std::uint32_t laenge = Wort32(d, i);
            EXPECT_GE(laenge, 3u);
            EXPECT_LE(i + laenge * 2, d.size());
            if (laenge < 3 || i + laenge * 2 > d.size()) return;
            gesehen = std::max(gesehen, laenge);
            TDatensatz s{Wort16(d, i + 4), {}};
            for (std::size_t w = 0; w + 3 < laenge; ++w)
                s.Worte.push_back(Wort16(d, i + 6 + 2 * w));
            Saetze.push_back(s);
            i += laenge * 2;
        }
        EXPECT_EQ(groesster, gesehen);
        EXPECT_FALSE(Saetze.empty());
        if (!Saetze.empty()) {
            EXPECT_EQ(Saetze.back().Funktion, 0) << "the end record comes last";
        }
    }

    std::vector<TDatensatz> Mit(std::uint16_t funktion) const {
        std::vector<TDatensatz> r;
        for (const TDatensatz& s : Saetze)
            if (s.Funktion == funktion) r.push_back(s);
        return r;
    }
};

constexpr std::uint16_t Polygon = 0x0324, Polyline = 0x0325, Stift = 0x02FA, Pinsel = 0x02FC,
                        Muster = 0x0142, Schrift = 0x02FB, TextAus = 0x0521, Rop2 = 0x0104,
                        BkMode = 0x0102, Auswahl = 0x012D, Loeschen = 0x01F0, EllipseF = 0x0418,
                        RechteckF = 0x041B, FensterGroesse = 0x020C;

// A 30000-unit square window shown 7,5 cm wide: four units to a hundredth of a millimetre.
constexpr TLogRechteck Fenster{0, 0, 30000, 30000};
constexpr TAusgabeMass Mass{7500, 7500};

} // namespace

TEST(Metadatei, PlaceableHeaderCarriesTheSizeAtTwentyFiveFortyUnitsPerInch) {
    TMetadateiFlaeche f(Fenster, {7500, 5000});
    const TGelesen g(f.Datei());
    EXPECT_EQ(g.Breite, 7500);
    EXPECT_EQ(g.Hoehe, 5000);
    EXPECT_EQ(g.ProZoll, 2540);
    const auto ext = g.Mit(FensterGroesse);
    ASSERT_EQ(ext.size(), 1u);
    EXPECT_EQ(ext[0].W(0), 5000); // y first
    EXPECT_EQ(ext[0].W(1), 7500);
}

TEST(Metadatei, LogicalPointsBecomeFileUnitsWithYDownwards) {
    TMetadateiFlaeche f({1000, 2000, 31000, 32000}, Mass);
    const TLogPunkt p[3] = {{1000, 32000}, {31000, 2000}, {16000, 17000}};
    f.Polygon(p, 3);
    f.Linie({1000, 2000}, {31000, 32000});
    f.Ellipse({15000, 16000, 17000, 18000});
    const TGelesen g(f.Datei());
    const auto poly = g.Mit(Polygon);
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_EQ(poly[0].Worte, (std::vector<std::uint16_t>{3, 0, 0, 7500, 7500, 3750, 3750}));
    const auto linie = g.Mit(Polyline);
    ASSERT_EQ(linie.size(), 1u);
    EXPECT_EQ(linie[0].Worte, (std::vector<std::uint16_t>{2, 0, 7500, 7500, 0}));
    const auto ellipse = g.Mit(EllipseF);
    ASSERT_EQ(ellipse.size(), 1u);
    // bottom, right, top, left
    EXPECT_EQ(ellipse[0].Worte, (std::vector<std::uint16_t>{4000, 4000, 3500, 3500}));
}

TEST(Metadatei, PensAndBrushesBecomeObjects) {
    struct Fall {
        const char* was;
        std::function<void(TZeichenflaeche&)> setzen;
        std::uint16_t funktion;
        std::vector<std::uint16_t> anfang; // the first words of the create record
    };
    const TFarbe f = RGB(10, 20, 30);
    const std::vector<Fall> faelle = {
        {"solid pen, 75 units wide",
         [&](TZeichenflaeche& z) {
             z.SetzeStift({f, 75, TStiftStil::Durchgezogen});
         },
         Stift,
         {0x2200, 19, 0, 10 | 20 << 8, 30}},
        {"dashed",
         [&](TZeichenflaeche& z) {
             z.SetzeStift({f, 1, TStiftStil::Gestrichelt});
         },
         Stift,
         {0x2201, 0}},
        {"dotted",
         [&](TZeichenflaeche& z) {
             z.SetzeStift({f, 1, TStiftStil::Punktiert});
         },
         Stift,
         {0x2202, 0}},
        {"invisible",
         [&](TZeichenflaeche& z) {
             z.SetzeStift({f, 1, TStiftStil::Unsichtbar});
         },
         Stift,
         {0x2205}},
        {"no fill", [&](TZeichenflaeche& z) { z.SetzePinsel({}); }, Pinsel, {1}},
        {"solid",
         [&](TZeichenflaeche& z) {
             z.SetzePinsel({TPinselArt::Voll, f, SchraffurKeine, {}});
         },
         Pinsel,
         {0, 10 | 20 << 8, 30}},
        {"cross hatch",
         [&](TZeichenflaeche& z) {
             z.SetzePinsel({TPinselArt::Schraffur, f, SchraffurDiagonalKreuz, {}});
         },
         Pinsel,
         {2, 10 | 20 << 8, 30, 5}},
    };
    for (const Fall& fall : faelle) {
        TMetadateiFlaeche z(Fenster, Mass);
        fall.setzen(z);
        const TGelesen g(z.Datei());
        const auto s = g.Mit(fall.funktion);
        ASSERT_EQ(s.size(), 1u) << fall.was;
        ASSERT_GE(s[0].Worte.size(), fall.anfang.size()) << fall.was;
        EXPECT_EQ(std::vector<std::uint16_t>(s[0].Worte.begin(),
                                             s[0].Worte.begin() + long(fall.anfang.size())),
                  fall.anfang)
            << fall.was;
        EXPECT_EQ(g.Mit(Auswahl).size(), 1u) << fall.was << ": created and selected";
    }
}

TEST(Metadatei, PatternBrushIsAnEightByEightBitmapBottomUp) {
    TMetadateiFlaeche z(Fenster, Mass);
    TPinsel p{TPinselArt::Muster, RGB(200, 100, 50), SchraffurKeine, {}};
    p.Muster = {0x80, 0, 0, 0, 0, 0, 0, 0x01}; // top-left and bottom-right pixel
    z.SetzePinsel(p);
    const TGelesen g(z.Datei());
    const auto s = g.Mit(Muster);
    ASSERT_EQ(s.size(), 1u);
    std::string bytes;
    for (std::uint16_t w : s[0].Worte) {
        bytes += static_cast<char>(w & 0xFF);
        bytes += static_cast<char>(w >> 8);
    }
    ASSERT_EQ(bytes.size(), 4u + 40u + 8u + 32u);
    EXPECT_EQ(Wort32(bytes, 4), 40u); // header size
    EXPECT_EQ(Wort32(bytes, 8), 8u);  // width
    EXPECT_EQ(Wort32(bytes, 12), 8u); // height, positive: bottom up
    EXPECT_EQ(Wort16(bytes, 18), 1u); // one bit per pixel
    const std::size_t farben = 4 + 40;
    EXPECT_EQ(bytes.substr(farben, 4), std::string("\xFF\xFF\xFF\x00", 4)) << "bit 0: white";
    EXPECT_EQ(bytes.substr(farben + 4, 4), std::string("\x32\x64\xC8\x00", 4))
        << "bit 1: the colour, blue first";
    const std::size_t bild = farben + 8;
    EXPECT_EQ(static_cast<unsigned char>(bytes[bild]), 0x01)
        << "the first row stored is the bottom row";
    EXPECT_EQ(static_cast<unsigned char>(bytes[bild + 28]), 0x80) << "the last one the top row";
}

TEST(Metadatei, MaskModeIsTheMaskRasterOperationAndBackToCopy) {
    TMetadateiFlaeche z(Fenster, Mass);
    z.SetzeRasterModus(TRasterModus::Maskieren);
    z.SetzeRasterModus(TRasterModus::Maskieren);
    z.SetzeRasterModus(TRasterModus::Kopieren);
    const auto rop = TGelesen(z.Datei()).Mit(Rop2);
    ASSERT_EQ(rop.size(), 3u) << "the initial copy mode, then one change each way";
    EXPECT_EQ(rop[0].Worte[0], 13);
    EXPECT_EQ(rop[1].Worte[0], 9);
    EXPECT_EQ(rop[2].Worte[0], 13);
}

TEST(Metadatei, ThinPensAreAQuarterPointDashesAndDotsTheThinnest) {
    struct Fall {
        TStift stift;
        int breite; // hundredths of a millimetre
    };
    for (const Fall& f : {Fall{{Schwarz, 1, TStiftStil::Durchgezogen}, 9},
                          Fall{{Schwarz, 100, TStiftStil::Durchgezogen}, 25},
                          Fall{{Schwarz, 1, TStiftStil::Punktiert}, 0},
                          Fall{{Schwarz, 1, TStiftStil::Gestrichelt}, 0}}) {
        TMetadateiFlaeche z(Fenster, Mass);
        z.SetzeStift(f.stift);
        const auto stift = TGelesen(z.Datei()).Mit(Stift);
        ASSERT_EQ(stift.size(), 1u);
        EXPECT_EQ(stift[0].W(1), f.breite) << f.stift.Breite << " " << int(f.stift.Stil);
    }
}

TEST(Metadatei, SeeThroughFillsAreLinesOfTheirColourCoveringThePatternsShare) {
    struct Fall {
        TPinsel pinsel;
        double anteil; // of the area covered
    };
    TPinsel muster{TPinselArt::Muster, RGB(10, 20, 30), SchraffurKeine, {}};
    muster.Muster = {0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0};
    TPinsel leer = muster;
    leer.Muster = {};
    for (const Fall& f : {Fall{{TPinselArt::Voll, RGB(10, 20, 30), SchraffurKeine, {}}, 2 / 3.0},
                          Fall{muster, 0.25}, Fall{leer, 0}}) {
        TMetadateiFlaeche z(Fenster, Mass);
        z.SetzePinsel(f.pinsel);
        z.SetzeRasterModus(TRasterModus::Maskieren);
        // A square of 2 cm in the middle of the picture.
        const TLogPunkt q[4] = {{11000, 11000}, {19000, 11000}, {19000, 19000}, {11000, 19000}};
        z.Polygon(q, 4);
        const TGelesen g(z.Datei());
        EXPECT_TRUE(g.Mit(Polygon).empty()) << "no opaque fill";
        const auto linien = g.Mit(Polyline);
        if (f.anteil == 0) {
            EXPECT_TRUE(linien.empty());
            continue;
        }
        const auto stift = g.Mit(Stift);
        ASSERT_EQ(stift.size(), 1u);
        if (f.pinsel.Art == TPinselArt::Muster) {
            EXPECT_EQ(stift[0].W(3), 10 | 20 << 8) << "the fill's colour";
        } else {
            // Darker, by the gaps: 255 - (255 - 200) * 3 / 2 = 172,5, rounded up.
            TMetadateiFlaeche hell(Fenster, Mass);
            hell.SetzePinsel({TPinselArt::Voll, RGB(200, 250, 255), SchraffurKeine, {}});
            hell.SetzeRasterModus(TRasterModus::Maskieren);
            hell.Polygon(q, 4);
            const auto s2 = TGelesen(hell.Datei()).Mit(Stift);
            ASSERT_EQ(s2.size(), 1u);
            EXPECT_EQ(s2[0].Worte.at(3), 173 | 248 << 8) << "red and green";
            EXPECT_EQ(s2[0].Worte.at(4), 255) << "blue";
            EXPECT_EQ(stift[0].W(3), 0) << "dark colours as dark as can be";
        }
        double laenge = 0;
        for (const auto& l : linien) {
            for (int i = 1; i <= 4; ++i) {
                EXPECT_GE(l.W(i), 2750 - 1);
                EXPECT_LE(l.W(i), 4750 + 1);
            }
            laenge += std::hypot(l.W(3) - l.W(1), l.W(4) - l.W(2));
        }
        // Lines times their width cover the share of the square's area.
        EXPECT_NEAR(laenge * stift[0].W(1) / (2000.0 * 2000.0), f.anteil, 0.05);
    }
}

TEST(Metadatei, HatchedPolygonsAreDrawnOnAnOpaqueWhiteBackground) {
    TMetadateiFlaeche z(Fenster, Mass);
    z.SetzePinsel({TPinselArt::Schraffur, Schwarz, SchraffurKreuz, {}});
    const TLogPunkt p[3] = {{0, 0}, {100, 0}, {0, 100}};
    z.Polygon(p, 3);
    z.SetzePinsel({TPinselArt::Voll, Schwarz, SchraffurKeine, {}});
    z.Polygon(p, 3);
    const TGelesen g(z.Datei());
    std::vector<std::uint16_t> folge;
    for (const TDatensatz& s : g.Saetze)
        if (s.Funktion == BkMode)
            folge.push_back(s.Worte[0]);
        else if (s.Funktion == Polygon)
            folge.push_back(0);
    EXPECT_EQ(folge, (std::vector<std::uint16_t>{1, 2, 0, 1, 0}));
}

TEST(Metadatei, TextInArialAtTheScenesHeightInWesternBytes) {
    TMetadateiFlaeche z(Fenster, Mass);
    z.SetzeSchrift("Arial", 600, RGB(0, 0, 255));
    z.Text({3000, 27000}, "Ä1");
    const TGelesen g(z.Datei());
    const auto schrift = g.Mit(Schrift);
    ASSERT_EQ(schrift.size(), 1u);
    EXPECT_EQ(schrift[0].W(0), 150) << "the cell height, a quarter in file units";
    EXPECT_EQ(schrift[0].W(4), 400);
    std::string name;
    for (std::size_t i = 9; i < schrift[0].Worte.size(); ++i) {
        name += static_cast<char>(schrift[0].Worte[i] & 0xFF);
        name += static_cast<char>(schrift[0].Worte[i] >> 8);
    }
    EXPECT_EQ(name.substr(0, 6), std::string("Arial\0", 6));
    const auto text = g.Mit(TextAus);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].Worte, (std::vector<std::uint16_t>{2, 0xC4 | '1' << 8, 750, 750}));
    // The width of "X": two thirds of an em; the height the cell's.
    const TTextmass x = z.Textmass("X");
    EXPECT_NEAR(x.Breite, 600 / 1.1172 * 0.667, 1);
    EXPECT_EQ(x.Hoehe, 600);
    EXPECT_GT(z.Textmass("XX").Breite, x.Breite);
}

TEST(Metadatei, CoordinatesBeyondSixteenBitsAreCutNotWrapped) {
    TMetadateiFlaeche z(Fenster, Mass);
    // A triangle far larger than the picture, covering it whole.
    const TLogPunkt riesig[3] = {
        {-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    z.Polygon(riesig, 3);
    // A line from far away through the middle of the picture.
    z.Linie({-1000000000, 15000}, {15000, 15000});
    z.Text({-2000000000, 0}, "weg");
    const TGelesen g(z.Datei());
    const auto poly = g.Mit(Polygon);
    ASSERT_EQ(poly.size(), 1u);
    std::int16_t xmin = 32767, xmax = -32768, ymin = 32767, ymax = -32768;
    for (std::size_t i = 1; i + 1 < poly[0].Worte.size(); i += 2) {
        xmin = std::min(xmin, poly[0].W(i));
        xmax = std::max(xmax, poly[0].W(i));
        ymin = std::min(ymin, poly[0].W(i + 1));
        ymax = std::max(ymax, poly[0].W(i + 1));
    }
    // Cut at the page: readers that size the picture by what is drawn find
    // nothing beyond it.
    EXPECT_EQ(xmin, 0);
    EXPECT_EQ(xmax, 7500);
    EXPECT_EQ(ymin, 0);
    EXPECT_EQ(ymax, 7500);
    const auto linie = g.Mit(Polyline);
    ASSERT_EQ(linie.size(), 1u);
    EXPECT_EQ(linie[0].W(1), 0);
    EXPECT_EQ(linie[0].W(2), 3750) << "still horizontal";
    EXPECT_EQ(linie[0].W(3), 3750);
    EXPECT_EQ(linie[0].W(4), 3750);
    EXPECT_TRUE(g.Mit(TextAus).empty()) << "text that starts out of reach is left out";
}

TEST(Metadatei, ObjectTableStaysSmallOverManyChanges) {
    TMetadateiFlaeche z(Fenster, Mass);
    for (int i = 0; i < 500; ++i) {
        z.SetzeStift({RGB(i % 256, 0, 0), 1 + i % 3, TStiftStil::Durchgezogen});
        z.SetzePinsel({TPinselArt::Voll, RGB(0, i % 256, 0), SchraffurKeine, {}});
        z.SetzeSchrift("Arial", 500 + i, Schwarz);
    }
    const TGelesen g(z.Datei());
    EXPECT_LE(g.Objekte, 4);
    EXPECT_EQ(g.Mit(Loeschen).size(), 3u * 500 - 3) << "every object but the last three deleted";
    // The same pen again makes no new object.
    const std::size_t vorher = TGelesen(z.Datei()).Mit(Stift).size();
    z.SetzeStift({RGB(499 % 256, 0, 0), 1 + 499 % 3, TStiftStil::Durchgezogen});
    EXPECT_EQ(TGelesen(z.Datei()).Mit(Stift).size(), vorher);
}

TEST(Metadatei, FrameOutlineLiesInsideThePicture) {
    TMetadateiFlaeche z(Fenster, Mass);
    z.Rechteck(Fenster);
    const auto r = TGelesen(z.Datei()).Mit(RechteckF);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].Worte, (std::vector<std::uint16_t>{7499, 7499, 0, 0}));
}

TEST(Metadatei, ADocumentDrawsTheSameCallsAsOnAnyOtherCanvas) {
    TMeldungsProtokoll leise;
    TDokument d;
    d.Aendern([](TListe& l) {
        auto* a = l.Neu<TfrPunkt>();
        a->Name = "A";
        a->Koordinaten = {1, 2, 3};
        auto* b = l.Neu<TfrPunkt>();
        b->Name = "B";
        b->Koordinaten = {4, 0, 1};
        auto* c = l.Neu<TfrPunkt>();
        c->Name = "C";
        c->Koordinaten = {0, 5, 2};
        auto* e = l.Neu<TEbene>();
        e->Name = "E";
        e->Festlegung = TEbene::EPPP;
        e->Bezuege = {a, b, c};
        e->Transparenz = 2;
        auto* g = l.Neu<TGerade>();
        g->Name = "g";
        g->Festlegung = TGerade::GPP;
        g->Bezuege = {a, b, nullptr};
        return true;
    });
    const TZeichenOptionen o{true, true, false};
    test::TProtokollflaeche protokoll;
    DokumentZeichnen(d, protokoll, o);
    TMetadateiFlaeche z(d.Abbildung().LogischesFenster(), Mass);
    DokumentZeichnen(d, z, o);
    const TGelesen g(z.Datei());
    // The see-through planes become lines of their colour.
    EXPECT_LT(g.Mit(Polygon).size(), protokoll.Nur(test::TAufruf::Polygon).size());
    EXPECT_GT(g.Mit(Polyline).size(), protokoll.Nur(test::TAufruf::Linie).size());
    EXPECT_EQ(g.Mit(EllipseF).size(), protokoll.Nur(test::TAufruf::Ellipse).size());
    EXPECT_EQ(g.Mit(RechteckF).size(), protokoll.Nur(test::TAufruf::Rechteck).size());
    EXPECT_EQ(g.Mit(TextAus).size(), protokoll.Nur(test::TAufruf::Text).size());
    EXPECT_FALSE(g.Mit(Muster).empty()) << "the see-through plane";
}

// ---------------------------------------------------------------------------
// Writing the file

namespace {
bool VollerDatentraeger(const std::string&) {
    return false;
}
} // namespace

TEST(MetadateiSchreiben, WritesTheFileWhole) {
    test::TTestOrdner ordner;
    TMetadateiFlaeche z(Fenster, Mass);
    z.Linie({0, 0}, {100, 100});
    const std::string datei = ordner / "bild.wmf";
    EXPECT_EQ(GrafikDateiSchreiben(datei, z.Datei()), "");
    EXPECT_EQ(test::DateiInhalt(datei), z.Datei());
}

TEST(MetadateiSchreiben, AFailedWriteKeepsTheOldFileAndSaysSo) {
    test::TTestOrdner ordner;
    const std::string datei = ordner / "bild.wmf";
    test::DateiSchreiben(datei, "alt");
    SetzeErsetzenProbe(&VollerDatentraeger);
    const std::string fehler = GrafikDateiSchreiben(datei, std::string(100000, 'x'));
    SetzeErsetzenProbe(nullptr);
    EXPECT_EQ(fehler, "Die Grafik kann nicht gespeichert werden.\r\nAuf dem Datenträger ist nicht "
                      "genug Platz frei. (" +
                          datei + ")");
    EXPECT_EQ(test::DateiInhalt(datei), "alt");
    std::size_t dateien = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(ordner.Pfad()))
        ++dateien;
    EXPECT_EQ(dateien, 1u) << "no temporary file left behind";
}

TEST(MetadateiSchreiben, AFolderThatDoesNotExistIsNotMade) {
    test::TTestOrdner ordner;
    EXPECT_NE(GrafikDateiSchreiben(ordner / "fehlt/bild.wmf", "x"), "");
    EXPECT_FALSE(std::filesystem::exists(ordner / "fehlt"));
}

TEST(MetadateiSchreiben, AFolderThatCannotBeWritten) {
    test::TTestOrdner ordner;
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string nurLesen = ordner / "nurlesen";
    std::filesystem::create_directory(nurLesen);
    ::chmod(nurLesen.c_str(), 0555);
    EXPECT_NE(GrafikDateiSchreiben(nurLesen + "/bild.wmf", "x"), "");
    EXPECT_FALSE(std::filesystem::exists(nurLesen + "/bild.wmf"));
    ::chmod(nurLesen.c_str(), 0755);
}
