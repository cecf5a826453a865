// The enhanced metafile read back record by record: a header that says what
// the file holds, the picture's size, half-point pens, UTF-16 text, and
// see-through fills as an alpha blend clipped to their polygon.

#include "view/Emf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace kalvorin;

namespace {

struct TEmfSatz {
    std::uint32_t Typ = 0;
    std::string Daten; // after type and size
    std::uint32_t W(std::size_t i) const {
        std::uint32_t w = 0;
        for (int k = 3; k >= 0; --k)
            w = w << 8 | static_cast<unsigned char>(Daten.at(4 * i + std::size_t(k)));
        return w;
    }
};

std::vector<TEmfSatz> Lesen(const std::string& datei) {
    std::vector<TEmfSatz> r;
    for (std::size_t i = 0; i + 8 <= datei.size();) {
        TEmfSatz s;
        s.Typ = TEmfSatz{0, datei.substr(i, 4)}.W(0);
        const std::uint32_t laenge = TEmfSatz{0, datei.substr(i + 4, 4)}.W(0);
        EXPECT_EQ(laenge % 4, 0u);
        EXPECT_GE(laenge, 8u);
        if (laenge < 8 || i + laenge > datei.size()) {
            ADD_FAILURE() << "record beyond the file at " << i;
            break;
        }
        s.Daten = datei.substr(i + 8, laenge - 8);
        r.push_back(s);
        i += laenge;
    }
    return r;
}

std::vector<TEmfSatz> Mit(const std::vector<TEmfSatz>& saetze, std::uint32_t typ) {
    std::vector<TEmfSatz> r;
    for (const TEmfSatz& s : saetze)
        if (s.Typ == typ) r.push_back(s);
    return r;
}

constexpr TLogRechteck Fenster{0, 0, 30000, 30000};
constexpr TAusgabeMass Mass{7500, 7500};

} // namespace

TEST(Emf, HeaderCountsTheRecordsAndBytesAndGivesTheSizeInHundredthsOfAMillimetre) {
    TEmfFlaeche z(Fenster, Mass);
    z.SetzeStift({Schwarz, 1, TStiftStil::Durchgezogen});
    z.Linie({0, 0}, {30000, 30000});
    const std::string datei = z.Datei();
    const auto saetze = Lesen(datei);
    ASSERT_GE(saetze.size(), 3u);
    const TEmfSatz& kopf = saetze.front();
    EXPECT_EQ(kopf.Typ, 1u);
    EXPECT_EQ(kopf.W(8), 0x464D4520u) << "\" EMF\"";
    EXPECT_EQ(kopf.W(10), datei.size());
    EXPECT_EQ(kopf.W(11), saetze.size());
    EXPECT_EQ(kopf.W(6), 7499u) << "the frame's right edge";
    EXPECT_EQ(kopf.W(7), 7499u) << "and bottom";
    EXPECT_EQ(saetze.back().Typ, 14u) << "the end record";
}

TEST(Emf, PensAreAtLeastHalfAPointAndTextIsUtf16) {
    TEmfFlaeche z(Fenster, Mass);
    z.SetzeStift({RGB(1, 2, 3), 1, TStiftStil::Punktiert});
    z.SetzeSchrift("Arial", 600, Schwarz);
    z.Text({15000, 15000}, "Ü_1");
    const auto saetze = Lesen(z.Datei());
    const auto stift = Mit(saetze, 95);
    ASSERT_EQ(stift.size(), 1u);
    EXPECT_EQ(stift[0].W(5) & 0xFF, 2u) << "dotted";
    EXPECT_EQ(stift[0].W(6), 18u) << "0,18 mm";
    EXPECT_EQ(stift[0].W(8), 0x030201u);
    const auto text = Mit(saetze, 84);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].W(9), 3u) << "three characters";
    const std::size_t an = text[0].W(10) - 8;
    EXPECT_EQ(text[0].Daten.substr(an, 6), std::string("\xDC\0_\0"
                                                       "1\0",
                                                       6));
}

TEST(Emf, SeeThroughFillsAreHalfBlendsClippedToThePolygonGivingThePatternsShade) {
    struct Fall {
        TPinsel pinsel;
        int rot; // of the blended pixel
    };
    TPinsel muster{TPinselArt::Muster, RGB(55, 255, 255), SchraffurKeine, {}};
    muster.Muster = {0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0}; // a quarter
    for (const Fall& f : {Fall{{TPinselArt::Voll, RGB(205, 255, 255), SchraffurKeine, {}}, 155},
                          Fall{muster, 155}}) {
        TEmfFlaeche z(Fenster, Mass);
        z.SetzePinsel(f.pinsel);
        z.SetzeRasterModus(TRasterModus::Maskieren);
        const TLogPunkt q[3] = {{12000, 12000}, {18000, 12000}, {15000, 18000}};
        z.Polygon(q, 3);
        const auto saetze = Lesen(z.Datei());
        std::vector<std::uint32_t> folge;
        for (const TEmfSatz& s : saetze)
            if (s.Typ == 33 || s.Typ == 59 || s.Typ == 86 || s.Typ == 60 || s.Typ == 67 ||
                s.Typ == 114 || s.Typ == 34)
                folge.push_back(s.Typ);
        EXPECT_EQ(folge, (std::vector<std::uint32_t>{33, 59, 86, 60, 67, 114, 34}))
            << "save, path, clip, blend, restore";
        const auto blend = Mit(saetze, 114);
        ASSERT_EQ(blend.size(), 1u);
        EXPECT_EQ(blend[0].W(8), 128u << 16) << "half, constant alpha";
        // Half of it on white gives the plane's shade: 255 - 2 * 50 = 155.
        EXPECT_EQ(static_cast<unsigned char>(blend[0].Daten.at(140 + 2)), f.rot);
    }
}
