// The TikZ canvas read as text: lengths and escaping, what each drawing call
// becomes, the see-through planes, colours and fonts defined once, the
// file's frame, and a whole document drawn in the scene's order. That
// LaTeX compiles the file, and how the result looks beside the screen, the
// graphic output tests check.

#include "view/Tikz.h"

#include "ausgabe/Zeichnen.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "view/Protokollflaeche.h"
#include "view/Vollszene.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using namespace kalvorin;

namespace {

constexpr TLogRechteck Fenster{0, 0, 30000, 30000};
constexpr TAusgabeMass Mass{7500, 7500};

std::vector<std::string> Zeilen(const std::string& s) {
    std::vector<std::string> r;
    std::istringstream ein(s);
    for (std::string z; std::getline(ein, z);)
        r.push_back(z);
    return r;
}

// The drawing commands of the picture, without its frame.
std::vector<std::string> Befehle(const TTikzFlaeche& f) {
    std::vector<std::string> r;
    for (const std::string& z : Zeilen(f.Bild()))
        if (z.starts_with("\\fill") || z.starts_with("\\draw") || z.starts_with("\\filldraw") ||
            z.starts_with("\\node") || z.starts_with("\\begin{scope}"))
            r.push_back(z);
    return r;
}

std::size_t Anzahl(const std::string& s, const std::string& teil) {
    std::size_t n = 0;
    for (std::size_t i = s.find(teil); i != std::string::npos; i = s.find(teil, i + teil.size()))
        ++n;
    return n;
}

const std::string Masken =
    "\\begin{scope}[transparency group={isolated=false}]\\pgfsetblendmode{multiply}";

TPinsel Voll(TFarbe f) {
    return {TPinselArt::Voll, f, SchraffurKeine, {}};
}

std::string Farbname(TFarbe f) {
    char h[9];
    std::snprintf(h, sizeof h, "kv%02X%02X%02X", Rot(f), Gruen(f), Blau(f));
    return h;
}

} // namespace

TEST(Tikz, LengthsAreCentimetresWithAtMostThreeDecimals) {
    const struct {
        double cm;
        const char* text;
    } faelle[] = {{0, "0"},      {7.5, "7.5"},       {12.85, "12.85"}, {-0.0004, "0"},
                  {2.0004, "2"}, {1.23456, "1.235"}, {-3.1, "-3.1"},   {0.0005, "0.001"},
                  {100, "100"},  {-0.25, "-0.25"}};
    for (const auto& f : faelle)
        EXPECT_EQ(CmZahl(f.cm), f.text) << f.cm;
}

TEST(Tikz, TextIsEscapedForLatex) {
    const struct {
        const char* ein;
        const char* aus;
    } faelle[] = {
        {"A_1", "A\\_1"},
        {"B'", "B$'$"},
        {"S''", "S$''$"},
        {"Ü_ä'ß", "Ü\\_ä$'$ß"},
        {"50%", "50\\%"},
        {"a&b#c$d", "a\\&b\\#c\\$d"},
        {"{x}", "\\{x\\}"},
        {"~^\\", "\\textasciitilde{}\\textasciicircum{}\\textbackslash{}"},
        {"<<|>>", "\\textless{}\\textless{}\\textbar{}\\textgreater{}\\textgreater{}"},
        {"1--2,,", "1-{}-2,{},"},
        {"a-b,c", "a-b,c"},
        {"\"`", "\\textquotedbl{}\\textasciigrave{}"},
        {"€ – „x“", "€ – „x“"},
        {"a\tb\x7f", "ab"},
        {"中", "?"},
        {"\xff", "?"},
        {"x\u2081x\u2083", "x\\textsubscript{1}x\\textsubscript{3}"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(LatexText(f.ein), f.aus) << f.ein;
}

TEST(Tikz, TheLogicalWindowFillsThePictureCentredWithEqualScale) {
    TTikzFlaeche f(Fenster, {7500, 5000});
    f.SetzeStift({Schwarz, 1, TStiftStil::Durchgezogen});
    f.Linie({0, 0}, {30000, 30000});
    f.Linie({15000, 15000}, {15001, 15000});
    const TLogPunkt p[3] = {{0, 30000}, {30000, 0}, {10000, 10000}};
    f.SetzePinsel(Voll(Weiss));
    f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
    f.Polygon(p, 3);
    EXPECT_EQ(Befehle(f), (std::vector<std::string>{
                              "\\draw[kv000000] (1.25,0) -- (6.25,5);",
                              "\\draw[kv000000] (3.75,2.5) -- (3.75,2.5);",
                              "\\fill[kvFFFFFF] (1.25,5) -- (6.25,0) -- (2.917,1.667) -- cycle;"}));
    const std::string bild = f.Bild();
    EXPECT_NE(
        bild.find("\\useasboundingbox (0,0) rectangle (7.5,5);\n\\clip (0,0) rectangle (7.5,5);"),
        std::string::npos)
        << "the picture is as large as asked, and nothing reaches beyond it";
    EXPECT_TRUE(bild.starts_with("\\begin{tikzpicture}[x=1cm,y=1cm,"))
        << "centimetres, whatever the document sets";
    EXPECT_TRUE(bild.ends_with("\\end{tikzpicture}%\n"));
}

TEST(Tikz, PensKeepTheirWidthsAndDashStylesAndTheThinnestIsAHairline) {
    TTikzFlaeche f(Fenster, Mass);
    const struct {
        TStift stift;
        const char* befehl; // empty: nothing drawn
    } faelle[] = {
        {{Schwarz, 1, TStiftStil::Durchgezogen}, "\\draw[kv000000] (0,0) -- (1,0);"},
        {{Schwarz, 0, TStiftStil::Durchgezogen}, "\\draw[kv000000] (0,0) -- (1,0);"},
        // 75 of 30000 units on 7,5 cm
        {{RGB(0, 140, 0), 75, TStiftStil::Durchgezogen},
         "\\draw[kv008C00,line width=0.019cm] (0,0) -- (1,0);"},
        {{Weiss, 200, TStiftStil::Durchgezogen},
         "\\draw[kvFFFFFF,line width=0.05cm] (0,0) -- (1,0);"},
        {{Schwarz, 1, TStiftStil::Gestrichelt}, "\\draw[kv000000,dashed] (0,0) -- (1,0);"},
        {{Schwarz, 100, TStiftStil::Punktiert},
         "\\draw[kv000000,line width=0.025cm,dotted] (0,0) -- (1,0);"},
        {{Schwarz, 100, TStiftStil::Unsichtbar}, ""},
    };
    for (const auto& fall : faelle) {
        const std::size_t vorher = Befehle(f).size();
        f.SetzeStift(fall.stift);
        f.Linie({0, 0}, {4000, 0});
        const auto b = Befehle(f);
        if (*fall.befehl) {
            ASSERT_EQ(b.size(), vorher + 1) << fall.befehl;
            EXPECT_EQ(b.back(), fall.befehl);
        } else {
            EXPECT_EQ(b.size(), vorher);
        }
    }
}

TEST(Tikz, MaskedPlanesMultiplyAndPatternLevelsBecomeTheirShareOfDots) {
    // The brushes of the see-through levels 1..5 and the opaque one.
    const TFarbe farbe = RGB(120, 160, 255);
    TPinsel stufe2{TPinselArt::Muster, farbe, SchraffurKeine, {0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0}};
    TPinsel stufe3{TPinselArt::Muster, farbe, SchraffurKeine, {0x88, 0, 0, 0, 0x88, 0, 0, 0}};
    TPinsel stufe4{TPinselArt::Muster, farbe, SchraffurKeine, {0x80, 0, 0, 0, 0, 0, 0, 0}};
    TPinsel stufe5{TPinselArt::Muster, farbe, SchraffurKeine, {}};
    const struct {
        TPinsel pinsel;
        TRasterModus modus;
        std::string befehl; // empty: nothing drawn
    } faelle[] = {
        {Voll(farbe), TRasterModus::Kopieren, "\\fill[kv78A0FF] (0,0) -- (1,0) -- (0,1) -- cycle;"},
        {Voll(farbe), TRasterModus::Maskieren,
         Masken + "\\fill[kv78A0FF] (0,0) -- (1,0) -- (0,1) -- cycle;\\end{scope}"},
        {stufe2, TRasterModus::Maskieren,
         Masken + "\\fill[kv78A0FF,fill opacity=0.25] (0,0) -- (1,0) -- (0,1) -- "
                  "cycle;\\end{scope}"},
        {stufe3, TRasterModus::Maskieren,
         Masken + "\\fill[kv78A0FF,fill opacity=0.0625] (0,0) -- (1,0) -- (0,1) -- "
                  "cycle;\\end{scope}"},
        {stufe4, TRasterModus::Maskieren,
         Masken + "\\fill[kv78A0FF,fill opacity=0.0156] (0,0) -- (1,0) -- (0,1) -- "
                  "cycle;\\end{scope}"},
        {stufe5, TRasterModus::Maskieren, ""},
        // Not masked, a pattern covers what lies behind with its mean colour.
        {stufe2, TRasterModus::Kopieren, "\\fill[kvDDE7FF] (0,0) -- (1,0) -- (0,1) -- cycle;"},
    };
    const TLogPunkt p[3] = {{0, 0}, {4000, 0}, {0, 4000}};
    for (const auto& fall : faelle) {
        TTikzFlaeche f(Fenster, Mass);
        f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
        f.SetzePinsel(fall.pinsel);
        f.SetzeRasterModus(fall.modus);
        f.Polygon(p, 3);
        const auto b = Befehle(f);
        if (!fall.befehl.empty()) {
            ASSERT_EQ(b.size(), 1u) << fall.befehl;
            EXPECT_EQ(b[0], fall.befehl);
        } else {
            EXPECT_TRUE(b.empty()) << b[0];
        }
    }
}

TEST(Tikz, HatchesAreClippedLinesOnWhiteAndAlignAcrossPieces) {
    TTikzFlaeche f(Fenster, Mass);
    f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
    f.SetzePinsel({TPinselArt::Schraffur, RGB(0, 0, 255), SchraffurWaagerecht, {}});
    const TLogPunkt p[4] = {{0, 0}, {4000, 0}, {4000, 2000}, {0, 2000}}; // 1 cm x 0,5 cm
    f.Polygon(p, 4);
    const auto b = Befehle(f);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(
        b[0].starts_with("\\begin{scope}\\clip (0,0) -- (1,0) -- (1,0.5) -- (0,0.5) -- cycle;"
                         "\\fill[kvFFFFFF] (0,0) -- (1,0) -- (1,0.5) -- (0,0.5) -- cycle;"
                         "\\draw[kv0000FF] (0,0) -- (1,0) (0,0.2) -- (1,0.2) (0,0.4) -- (1,0.4);"))
        << b[0];
    // Crossed hatches: both directions, on the page's own grid.
    f.SetzePinsel({TPinselArt::Schraffur, RGB(0, 0, 255), SchraffurKreuz, {}});
    const TLogPunkt q[4] = {
        {1000, 1000}, {2000, 1000}, {2000, 2000}, {1000, 2000}}; // 0,25 .. 0,5 cm
    f.Polygon(q, 4);
    EXPECT_NE(Befehle(f).back().find("(0.25,0.4) -- (0.5,0.4) (0.4,0.25) -- (0.4,0.5);"),
              std::string::npos)
        << Befehle(f).back();
}

TEST(Tikz, EachColourAndFontIsDefinedOnceBeforeItIsUsed) {
    TTikzFlaeche f(Fenster, Mass);
    for (int i = 0; i < 3; ++i) {
        f.SetzeStift({RGB(200, 0, 0), 1, TStiftStil::Durchgezogen});
        f.Linie({0, 0}, {1000, 1000});
        f.SetzePinsel(Voll(RGB(0, 0, 200)));
        f.Ellipse({0, 0, 400, 400});
        f.SetzeSchrift("Arial", 600, RGB(0, 0, 200));
        f.Text({100, 100}, "A");
        f.SetzeSchrift("Arial", 900, Schwarz);
        f.Text({100, 100}, "B");
    }
    const std::string bild = f.Bild();
    EXPECT_EQ(Anzahl(bild, "\\definecolor"), 3u);
    EXPECT_EQ(Anzahl(bild, "\\definecolor{kvC80000}{RGB}{200,0,0}"), 1u);
    EXPECT_EQ(Anzahl(bild, "\\definecolor{kv0000C8}{RGB}{0,0,200}"), 1u);
    EXPECT_EQ(Anzahl(bild, "/.style={font=\\sffamily"), 2u);
    EXPECT_LT(bild.find("\\definecolor"), bild.find("\\draw")) << "defined before the first use";
    // The filled circle takes the pen's outline and the brush's fill.
    EXPECT_NE(bild.find("\\filldraw[fill=kv0000C8,draw=kvC80000] (0.05,0.05) circle (0.05);"),
              std::string::npos);
}

TEST(Tikz, NamesAreSansSerifNodesOnTheBaselineAtTheScenesSize) {
    TTikzFlaeche f(Fenster, Mass);
    // The scene's smallest names: 2 % of the window, a cell of 0,15 cm.
    f.SetzeSchrift("Arial", 600, RGB(0, 0, 200));
    f.SetzeRasterModus(TRasterModus::Maskieren); // text is never masked
    f.Text({4000, 20000}, "P_1'");
    const auto b = Befehle(f);
    ASSERT_EQ(b.size(), 1u);
    // The em is the cell over 1.1172: 0,1343 cm or 3,82 pt; the baseline an
    // ascent of 0,905 em below the cell's top.
    EXPECT_EQ(b[0], "\\node[kvs1,kv0000C8] at (1,4.878) {P\\_1$'$};");
    EXPECT_NE(f.Bild().find("kvs1/.style={font=\\sffamily\\fontsize{3.82}{4.27}\\selectfont}"),
              std::string::npos)
        << f.Bild();
    EXPECT_NE(f.Bild().find("every node/.style={inner sep=0pt,outer sep=0pt,anchor=base west}"),
              std::string::npos);
    // As wide as the metafile measures it, from the face's advance widths.
    EXPECT_EQ(f.Textmass("X").Hoehe, 600);
    EXPECT_EQ(f.Textmass("X").Breite, 358);
}

TEST(Tikz, CoordinatesFarOutsideAreCutToWhatTexCanHold) {
    TTikzFlaeche f(Fenster, Mass);
    f.SetzeStift({Schwarz, 1, TStiftStil::Durchgezogen});
    f.SetzePinsel(Voll(Schwarz));
    const std::int32_t weit = 2'000'000'000;
    f.Linie({-weit, 15000}, {weit, 15000});
    f.Linie({-weit, -weit}, {-weit + 10, -weit});
    const TLogPunkt p[3] = {{-weit, -weit}, {weit, -weit}, {0, weit}};
    f.Polygon(p, 3);
    f.Ellipse({weit - 10, 0, weit, 10});
    f.Text({-weit, 0}, "fern");
    const auto b = Befehle(f);
    ASSERT_EQ(b.size(), 2u) << "what lies wholly far out is left out";
    EXPECT_EQ(b[0], "\\draw[kv000000] (-100,3.75) -- (107.5,3.75);");
    const std::regex zahl(R"(-?\d+(\.\d+)?)");
    for (auto it = std::sregex_iterator(b[1].begin(), b[1].end(), zahl);
         it != std::sregex_iterator(); ++it)
        EXPECT_LE(std::fabs(std::stod(it->str())), 107.5) << b[1];
}

TEST(Tikz, TheFileSaysHowToUseItAndHoldsThePictureBetweenMarkers) {
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = ',';
    TTikzFlaeche f(Fenster, {12850, 12850});
    f.SetzeStift({Schwarz, 1, TStiftStil::Durchgezogen});
    f.Linie({0, 0}, {100, 100});
    const std::string datei = f.Datei();
    const auto zeilen = Zeilen(datei);
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen[0],
              "% Grafik aus Kalvorin als TikZ-Bild für LaTeX, 12,85 cm × 12,85 cm, in UTF-8.");
    EXPECT_NE(datei.find("\\input{grafik}"), std::string::npos) << "the comment tells how";
    for (const char* z :
         {"\\documentclass{article}", "\\usepackage[utf8]{inputenc}", "\\usepackage[T1]{fontenc}",
          "\\usepackage{tikz}", "\\pagestyle{empty}", "\\setlength{\\paperwidth}{12.85cm}",
          "\\setlength{\\paperheight}{12.85cm}", "\\begin{document}", "\\end{document}"})
        EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), z), zeilen.end()) << z;
    const std::size_t anfang = datei.find(std::string(TikzBildAnfang) + "\n");
    const std::size_t ende = datei.find(std::string(TikzBildEnde) + "\n");
    ASSERT_NE(anfang, std::string::npos);
    ASSERT_NE(ende, std::string::npos);
    EXPECT_EQ(
        datei.substr(anfang + TikzBildAnfang.size() + 1, ende - anfang - TikzBildAnfang.size() - 1),
        f.Bild())
        << "the picture alone between the markers";
    EXPECT_LT(datei.find("\\begin{document}"), anfang);
    EXPECT_GT(datei.find("\\end{document}"), ende);
    Einstellungen().Dezimaltrenner = '.';
    TTikzFlaeche g(Fenster, {7500, 7500});
    EXPECT_TRUE(
        g.Datei().starts_with("% Grafik aus Kalvorin als TikZ-Bild für LaTeX, 7.5 cm × 7.5 cm"));
}

TEST(Tikz, AWholeSceneIsDrawnInTheScenesOrderWithShortNumbers) {
    TMeldungsProtokoll leise;
    TDokument d;
    test::Vollszene(d);
    EXPECT_TRUE(leise.Eintraege.empty()) << "everything fits into the scene";
    const TZeichenOptionen o{true, true, false};
    test::TProtokollflaeche protokoll;
    DokumentZeichnen(d, protokoll, o);
    TTikzFlaeche f(d.Abbildung().LogischesFenster(), Mass);
    DokumentZeichnen(d, f, o);

    // The names in the order the scene writes them.
    std::vector<std::string> erwartet, geschrieben;
    for (const auto& a : protokoll.Nur(test::TAufruf::Text))
        erwartet.push_back(LatexText(a.text));
    const std::regex knoten(R"(^\\node\[[^\]]*\] at \([^)]*\) \{(.*)\};$)");
    // The fill colours of the areas in the order the scene draws them
    // (invisible see-through planes leave none).
    std::vector<std::string> flaechen, gefuellt;
    for (const auto& a : protokoll.Nur(test::TAufruf::Polygon)) {
        const bool leer = a.pinsel.Art == TPinselArt::Muster &&
                          std::all_of(a.pinsel.Muster.begin(), a.pinsel.Muster.end(),
                                      [](auto z) { return z == 0; });
        if (!leer && a.pinsel.Art != TPinselArt::Leer) flaechen.push_back(Farbname(a.pinsel.Farbe));
    }
    const std::regex flaeche(R"(\\fill(draw)?\[(fill=)?(kv[0-9A-F]{6})[^\]]*\] \([^;]*cycle;)");
    const std::regex koordinate(R"(\((-?\d+(\.\d+)?),(-?\d+(\.\d+)?)\))");
    for (const std::string& z : Zeilen(f.Bild())) {
        std::smatch m;
        if (std::regex_match(z, m, knoten)) geschrieben.push_back(m[1]);
        if (std::regex_search(z, m, flaeche)) gefuellt.push_back(m[3]);
        for (auto it = std::sregex_iterator(z.begin(), z.end(), koordinate);
             it != std::sregex_iterator(); ++it) {
            for (int g : {1, 3}) {
                const std::string zahl = (*it)[g];
                const auto punkt = zahl.find('.');
                EXPECT_TRUE(punkt == std::string::npos || zahl.size() - punkt - 1 <= 3) << z;
            }
        }
    }
    EXPECT_EQ(geschrieben, erwartet);
    EXPECT_EQ(gefuellt, flaechen);
    EXPECT_GE(erwartet.size(), 15u) << "axis labels and names";
    const std::string bild = f.Bild();
    EXPECT_GT(Anzahl(bild, "\\pgfsetblendmode{multiply}"), 0u);
    EXPECT_GT(Anzahl(bild, "fill opacity=0.25"), 0u);
    EXPECT_GT(Anzahl(bild, "fill opacity=0.0625"), 0u);
    EXPECT_GT(Anzahl(bild, "dotted"), 0u) << "the sphere";
    EXPECT_EQ(Anzahl(bild, "?"), 0u) << "every name sets";
}
