// The SVG canvas read as text: the escaping of names, what each drawing call
// becomes, the see-through fills without blend modes, hatches as lines
// inside their polygon, and a whole document drawn in the scene's order
// with nothing but plain shapes and presentation attributes. How the file
// looks in rsvg-convert beside the screen, the output comparison checks.

#include "view/Svg.h"

#include "ausgabe/Zeichnen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/Xml.h"
#include "view/Vollszene.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

using namespace kalvorin;

namespace {

constexpr TLogRechteck Fenster{0, 0, 30000, 30000};
constexpr TAusgabeMass Mass{7500, 7500};

// The shapes of the picture, without its frame, one to a line.
std::vector<std::string> Formen(const TSvgFlaeche& f) {
    std::vector<std::string> r;
    std::istringstream ein(f.Datei());
    for (std::string z; std::getline(ein, z);)
        if (!z.starts_with("<?xml") && !z.starts_with("<svg") && !z.starts_with("</svg") &&
            !z.starts_with("<title"))
            r.push_back(z);
    return r;
}

TPinsel Voll(TFarbe f) {
    return {TPinselArt::Voll, f, SchraffurKeine, {}};
}

// The colour a reader gives the fill over a background: source over.
int Ueber(int farbe, double deckkraft, int hinten) {
    return static_cast<int>(std::lround(deckkraft * farbe + (1 - deckkraft) * hinten));
}

} // namespace

TEST(Svg, TextIsEscapedForXml) {
    const struct {
        const char* ein;
        const char* aus;
    } faelle[] = {
        {"A_1", "A_1"},
        {"s&t", "s&amp;t"},
        {"<A>", "&lt;A&gt;"},
        {"\"B'\"", "&quot;B&apos;&quot;"},
        {"Ü_ä'ß €", "Ü_ä&apos;ß €"},
        {"a\tb\x01\x1f"
         "c",
         "a\tbc"},
        {"\xff"
         "x",
         "\xEF\xBF\xBD"
         "x"},
        {"\xC3", "\xEF\xBF\xBD"},                                 // cut off
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // overlong "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // a surrogate
        {"\xEF\xBF\xBE", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // U+FFFE
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"]]>", "]]&gt;"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(XmlText(f.ein), f.aus) << f.ein;
}

TEST(Svg, ASeeThroughFillGivesTheScreensColourOnWhiteAndShowsTheMostBehindIt) {
    for (const TFarbe farbe : {RGB(255, 220, 120), RGB(120, 160, 255), RGB(255, 128, 128),
                               RGB(0, 0, 0), RGB(200, 200, 200), RGB(0, 140, 0)}) {
        const TDurchsicht d = DurchsichtAufWeiss(farbe);
        EXPECT_GT(d.Deckkraft, 0);
        EXPECT_LE(d.Deckkraft, 1);
        EXPECT_NEAR(Ueber(Rot(d.Farbe), d.Deckkraft, 255), Rot(farbe), 1) << std::hex << farbe;
        EXPECT_NEAR(Ueber(Gruen(d.Farbe), d.Deckkraft, 255), Gruen(farbe), 1);
        EXPECT_NEAR(Ueber(Blau(d.Farbe), d.Deckkraft, 255), Blau(farbe), 1);
        // Any lower opacity would need a channel below 0.
        EXPECT_LE(std::min({Rot(d.Farbe), Gruen(d.Farbe), Blau(d.Farbe)}), 1);
    }
    EXPECT_EQ(DurchsichtAufWeiss(Weiss).Deckkraft, 0) << "white leaves everything as it is";
}

TEST(Svg, EveryDrawingCallIsOneShapeInFileUnits) {
    TSvgFlaeche f(Fenster, {7500, 5000});
    f.SetzeStift({Schwarz, 1, TStiftStil::Durchgezogen});
    f.Linie({0, 0}, {30000, 30000});
    const TLogPunkt p[3] = {{0, 30000}, {30000, 0}, {10000, 10000}};
    f.SetzePinsel(Voll(RGB(255, 0, 0)));
    f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
    f.Polygon(p, 3);
    f.SetzePinsel({});
    f.SetzeStift({RGB(0, 0, 200), 300, TStiftStil::Durchgezogen});
    f.Ellipse({0, 0, 3000, 3000});
    f.Ellipse({0, 0, 6000, 3000});
    f.SetzeSchrift("Arial", 1117, RGB(0, 120, 0));
    f.Text({15000, 15000}, "s&t");
    EXPECT_EQ(Formen(f),
              (std::vector<std::string>{
                  // centred: 5000 of 7500 across, a sixth of a unit to the logical unit
                  "<line x1=\"1250\" y1=\"5000\" x2=\"6250\" y2=\"0\" stroke=\"#000000\" "
                  "stroke-width=\"14.1\"/>",
                  "<polygon points=\"1250,0 6250,5000 2916.7,3333.3\" fill=\"#ff0000\"/>",
                  "<circle cx=\"1500\" cy=\"4750\" r=\"250\" fill=\"none\" stroke=\"#0000c8\" "
                  "stroke-width=\"50\"/>",
                  "<ellipse cx=\"1750\" cy=\"4750\" rx=\"500\" ry=\"250\" fill=\"none\" "
                  "stroke=\"#0000c8\" stroke-width=\"50\"/>",
                  "<text x=\"3750\" y=\"2650.8\" font-family=\"Arial, sans-serif\" "
                  "font-size=\"166.6\" fill=\"#007800\">s&amp;t</text>",
              }));
    const std::string datei = f.Datei();
    EXPECT_TRUE(datei.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\""));
    EXPECT_NE(datei.find("width=\"7.5cm\" height=\"5cm\" viewBox=\"0 0 7500 5000\""),
              std::string::npos)
        << datei;
    EXPECT_TRUE(datei.ends_with("</svg>\n"));
}

TEST(Svg, PensKeepTheirWidthsAndDashesAndTheThinnestIsTikzsThinLine) {
    const struct {
        TStift stift;
        const char* attribute; // empty: nothing drawn
    } faelle[] = {
        {{Schwarz, 0, TStiftStil::Durchgezogen}, " stroke=\"#000000\" stroke-width=\"14.1\""},
        // 200 of 30000 units on 7,5 cm
        {{Weiss, 200, TStiftStil::Durchgezogen}, " stroke=\"#ffffff\" stroke-width=\"50\""},
        {{Schwarz, 200, TStiftStil::Gestrichelt},
         " stroke=\"#000000\" stroke-width=\"50\" stroke-dasharray=\"200,100\""},
        {{Schwarz, 200, TStiftStil::Punktiert},
         " stroke=\"#000000\" stroke-width=\"50\" stroke-dasharray=\"50,100\""},
        {{Schwarz, 200, TStiftStil::Unsichtbar}, ""},
    };
    for (const auto& fall : faelle) {
        TSvgFlaeche f(Fenster, Mass);
        f.SetzeStift(fall.stift);
        f.Linie({0, 0}, {4000, 0});
        const std::vector<std::string> formen = Formen(f);
        if (*fall.attribute == 0) {
            EXPECT_TRUE(formen.empty());
            continue;
        }
        ASSERT_EQ(formen.size(), 1u);
        EXPECT_EQ(formen[0], std::string("<line x1=\"0\" y1=\"7500\" x2=\"1000\" y2=\"7500\"") +
                                 fall.attribute + "/>");
    }
}

TEST(Svg, MaskedFillsAreTheirColourAtAnOpacityAndPatternsTheirMeanShade) {
    const TLogPunkt p[4] = {{0, 0}, {30000, 0}, {30000, 30000}, {0, 30000}};
    TPinsel muster{TPinselArt::Muster, RGB(0, 0, 255), SchraffurKeine, {}};
    muster.Muster = {0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0}; // a quarter of the dots
    const struct {
        TPinsel pinsel;
        TRasterModus modus;
        const char* fuellung; // empty: nothing drawn
    } faelle[] = {
        {Voll(RGB(255, 220, 120)), TRasterModus::Kopieren, " fill=\"#ffdc78\"/>"},
        // 135 of 255 darkened: opacity 0.53, the darkest channel 0
        {Voll(RGB(255, 220, 120)), TRasterModus::Maskieren,
         " fill=\"#ffbd00\" fill-opacity=\"0.53\" shape-rendering=\"crispEdges\"/>"},
        {Voll(Schwarz), TRasterModus::Maskieren,
         " fill=\"#000000\" shape-rendering=\"crispEdges\"/>"},
        {muster, TRasterModus::Kopieren, " fill=\"#bfbfff\"/>"},
        {muster, TRasterModus::Maskieren,
         " fill=\"#0000ff\" fill-opacity=\"0.251\" shape-rendering=\"crispEdges\"/>"},
        {{TPinselArt::Muster, RGB(0, 0, 255), SchraffurKeine, {}}, TRasterModus::Maskieren, ""},
        {Voll(Weiss), TRasterModus::Maskieren, ""},
    };
    for (const auto& fall : faelle) {
        TSvgFlaeche f(Fenster, Mass);
        f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
        f.SetzePinsel(fall.pinsel);
        f.SetzeRasterModus(fall.modus);
        f.Polygon(p, 4);
        const std::vector<std::string> formen = Formen(f);
        if (*fall.fuellung == 0) {
            EXPECT_TRUE(formen.empty()) << formen[0];
            continue;
        }
        ASSERT_EQ(formen.size(), 1u);
        EXPECT_EQ(formen[0],
                  std::string("<polygon points=\"0,7500 7500,7500 7500,0 0,0\"") + fall.fuellung);
    }
}

TEST(Svg, HatchesAreLinesCutToThePolygonOnWhite) {
    // A triangle with its right angle at the bottom left, 20 mm to the side.
    const TLogPunkt p[3] = {{0, 0}, {8000, 0}, {0, 8000}};
    const std::regex strich("<line x1=\"([-0-9.]+)\" y1=\"([-0-9.]+)\" x2=\"([-0-9.]+)\" "
                            "y2=\"([-0-9.]+)\" stroke=\"#00c800\" stroke-width=\"25\"/>");
    const struct {
        int stil;
        TRasterModus modus;
        std::size_t striche;
    } faelle[] = {
        {SchraffurWaagerecht, TRasterModus::Kopieren, 10},
        {SchraffurSenkrecht, TRasterModus::Kopieren, 10},
        {SchraffurKreuz, TRasterModus::Kopieren, 20},
        {SchraffurFallend, TRasterModus::Maskieren, 7},
        {SchraffurDiagonalKreuz, TRasterModus::Kopieren, 21},
    };
    for (const auto& fall : faelle) {
        TSvgFlaeche f(Fenster, Mass);
        f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
        f.SetzePinsel({TPinselArt::Schraffur, RGB(0, 200, 0), fall.stil, {}});
        f.SetzeRasterModus(fall.modus);
        f.Polygon(p, 3);
        const std::vector<std::string> formen = Formen(f);
        ASSERT_FALSE(formen.empty());
        std::size_t n = 0;
        for (const std::string& z : formen) {
            std::smatch m;
            if (!std::regex_match(z, m, strich)) continue;
            ++n;
            // Both ends inside the triangle x + (7500 - y) <= 2000, x >= 0, y <= 7500.
            for (int i : {1, 3}) {
                const double x = std::stod(m[i]), y = std::stod(m[i + 1]);
                EXPECT_GE(x, -0.1) << z;
                EXPECT_LE(y, 7500.1) << z;
                EXPECT_LE(x + 7500 - y, 2000.2) << z;
            }
        }
        EXPECT_NEAR(static_cast<double>(n), static_cast<double>(fall.striche), 1) << fall.stil;
        const bool weiss = formen[0].find("fill=\"#ffffff\"") != std::string::npos;
        EXPECT_EQ(weiss, fall.modus == TRasterModus::Kopieren)
            << "white beneath, unless the hatch only darkens what is there";
    }
}

TEST(Svg, AWholeDocumentIsPlainShapesWithPresentationAttributesOnly) {
    test::TEinstellungenSichern sichern;
    TDokument d;
    test::Vollszene(d);
    d.Ausgangslage();
    TSvgFlaeche f(d.Abbildung().LogischesFenster(), {10000, 10000});
    DokumentZeichnen(d, f, {});
    const std::string datei = f.Datei();
    for (const char* verboten : {"style", "<use", "<symbol", "mix-blend-mode", "<pattern",
                                 "clip-path", "<defs", "url(", "class="})
        EXPECT_EQ(datei.find(verboten), std::string::npos) << verboten;
    // Every element one of the plain shapes, every attribute a presentation attribute.
    const std::regex element("<([a-z?/][a-zA-Z]*)");
    const std::set<std::string> formen = {"?xml", "svg",  "/svg", "title", "/title", "polygon",
                                          "line", "rect", "text", "/text", "circle", "ellipse"};
    for (auto it = std::sregex_iterator(datei.begin(), datei.end(), element);
         it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(formen.contains((*it)[1].str())) << (*it)[1].str();
    const std::regex attribut(" ([a-zA-Z:-]+)=\"");
    const std::set<std::string> erlaubt = {"version",
                                           "encoding",
                                           "standalone",
                                           "xmlns",
                                           "width",
                                           "height",
                                           "viewBox",
                                           "points",
                                           "fill",
                                           "fill-opacity",
                                           "stroke",
                                           "stroke-width",
                                           "x1",
                                           "y1",
                                           "x2",
                                           "y2",
                                           "x",
                                           "y",
                                           "cx",
                                           "cy",
                                           "r",
                                           "rx",
                                           "ry",
                                           "font-family",
                                           "font-size",
                                           "stroke-dasharray",
                                           "shape-rendering"};
    for (auto it = std::sregex_iterator(datei.begin(), datei.end(), attribut);
         it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(erlaubt.contains((*it)[1].str())) << (*it)[1].str();
    EXPECT_NE(datei.find(">s&amp;t</text>"), std::string::npos) << "the segment's name";
    EXPECT_NE(datei.find("fill-opacity="), std::string::npos) << "the see-through planes";
}
