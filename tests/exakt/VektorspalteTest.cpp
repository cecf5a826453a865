// A column vector is formatted once, where the worked solution builds its
// line: the window's text and HTML, the LaTeX of the clipboard and the
// worksheet's lines all print the same entries, and its LaTeX is the
// column the element's forms show.

#include "exakt/Gleichungen.h"
#include "exakt/Loesungsweg.h"
#include "view/ArbeitsblattTex.h"

#include <gtest/gtest.h>

using namespace kalvorin;
using namespace kalvorin::exakt;

namespace {

struct TSpaltenfall {
    const char* Name;
    TQTripel Vektor;
    const char* Text;              // the worked solution as plain text
    const char* Latex;             // the column in LaTeX
    const char* Zeile;             // the line on one line of text
    std::vector<const char*> Html; // the entries' cells
};

const TSpaltenfall Spaltenfaelle[] = {
    {"Whole",
     {1, 2, 3},
     "T\n\n        ⎛1⎞\n    v⃗ = ⎜2⎟\n        ⎝3⎠\n",
     "\\begin{pmatrix}1\\\\2\\\\3\\end{pmatrix}",
     "v⃗ = (1 | 2 | 3)",
     {">1</td>", ">2</td>", ">3</td>"}},
    {"NegativeAndZero",
     {-1, 0, 12},
     "T\n\n        ⎛−1⎞\n    v⃗ = ⎜ 0⎟\n        ⎝12⎠\n",
     "\\begin{pmatrix}-1\\\\0\\\\12\\end{pmatrix}",
     "v⃗ = (−1 | 0 | 12)",
     {">−1</td>", ">0</td>", ">12</td>"}},
    {"Fractions",
     {TRational(1) / 2, TRational(-3) / 4, 5},
     "T\n\n        ⎛ 1/2⎞\n    v⃗ = ⎜−3/4⎟\n        ⎝   5⎠\n",
     "\\begin{pmatrix}\\frac{1}{2}\\\\-\\frac{3}{4}\\\\5\\end{pmatrix}",
     "v⃗ = (1/2 | −3/4 | 5)",
     {">1/2</td>", ">−3/4</td>", ">5</td>"}},
};

class Vektorspalten : public ::testing::TestWithParam<TSpaltenfall> {};

TEST_P(Vektorspalten, EveryOutputPrintsTheSameEntries) {
    const TSpaltenfall& f = GetParam();
    const TTextstueck spalte = Vektorspalte(f.Vektor);
    // The column the forms of the element show.
    EXPECT_EQ(spalte.Latex, VektorText(f.Vektor, TStil::Latex));
    EXPECT_EQ(spalte.Latex, f.Latex);

    TLoesungsweg weg;
    weg.Titel = "T";
    weg.Zeilen.push_back(
        {{{"v\xE2\x83\x97 = ", "\\vec{v} = ", true, {}}, spalte}, TTextzeilenart::Formel});
    EXPECT_EQ(AlsText(weg), f.Text);
    EXPECT_NE(AlsLatexAusschnitt(weg).find(std::string("\\vec{v} = ") + f.Latex), std::string::npos)
        << AlsLatexAusschnitt(weg);
    const std::string html = AlsHtml(weg);
    std::size_t nach = 0;
    for (const char* zelle : f.Html) {
        nach = html.find(zelle, nach);
        EXPECT_NE(nach, std::string::npos) << zelle << "\n" << html;
    }

    // The worksheet takes the worked solution's line as it is.
    EXPECT_EQ(BlattZeileText(weg.Zeilen[0]), f.Zeile);
    TArbeitsblattInhalt blatt;
    blatt.Loesung.NachBild = weg.Zeilen;
    EXPECT_NE(ArbeitsblattTex(blatt, "", "").find(std::string("\\vec{v} = ") + f.Latex),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Vektoren, Vektorspalten, ::testing::ValuesIn(Spaltenfaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
