// The worked solutions: the steps and verdicts of each case as text, and
// their LaTeX compiled with pdflatex, alone and \input into a worksheet.

#include "exakt/Loesungsweg.h"
#include "befehle/Messen.h"
#include "model/ElementBauer.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace kalvorin;
using namespace kalvorin::exakt;

namespace {

struct TFall {
    const char* Name;
    void (*Aufbau)(test::TElementBauer&);
    TLoesungsart Art;
    std::vector<const char*> Enthalten; // lines the plain text must hold
};

void Markiere(test::TElementBauer& b, std::initializer_list<const char*> namen) {
    for (const char* n : namen)
        b.Liste.ElementMitName(n)->markiert = true;
}

void GeradeEbene(test::TElementBauer& b) {
    b.G("g", {4, 4, 5}, {6, 3, 4});
    b.ENOR("E", {6, 3, 4}, -12);
    Markiere(b, {"g", "E"});
}
void PunktEbene(test::TElementBauer& b) {
    b.P("S", {4, 4, 5});
    b.ENOR("E", {6, 3, 4}, -12);
    Markiere(b, {"S", "E"});
}
void Windschief(test::TElementBauer& b) {
    b.G("g", {1, 2, 3}, {1, 1, 1});
    b.G("h", {0, 0, 0}, {1, 0, 0});
    Markiere(b, {"g", "h"});
}
void Schneidend(test::TElementBauer& b) {
    b.G("g", {1, 0, 0}, {1, 1, 0});
    b.G("h", {0, 3, 0}, {1, -1, 0});
    Markiere(b, {"g", "h"});
}
void Parallel(test::TElementBauer& b) {
    b.G("g", {0, 0, 0}, {1, 2, 2});
    b.G("h", {0, 0, 3}, {-2, -4, -4});
    Markiere(b, {"g", "h"});
}
void ZweiEbenen(test::TElementBauer& b) {
    b.ENOR("E", {1, 1, 1}, -1);
    b.ENOR("F", {1, -1, 0}, 0);
    Markiere(b, {"E", "F"});
}
// The apex of a pyramid is S already: the intersection takes the name the
// program would give a new point.
void GeradeEbeneMitS(test::TElementBauer& b) {
    GeradeEbene(b);
    b.P("S", {9, 9, 9});
}
void PunktGerade(test::TElementBauer& b) {
    b.P("P", {1, 1, 1});
    b.G("g", {0, 0, 0}, {1, 2, 2});
    Markiere(b, {"P", "g"});
}
void DreiPunkte(test::TElementBauer& b) {
    b.P("A", {2, 0, 0});
    b.P("B", {0, 4, 0});
    b.P("C", {0, 0, 3});
    Markiere(b, {"A", "B", "C"});
}
void VierPunkte(test::TElementBauer& b) {
    b.P("A", {0, 0, 0});
    b.P("B", {1, 0, 0});
    b.P("C", {0, 1, 0});
    b.P("D", {1, 2, 13});
    Markiere(b, {"A", "B", "C", "D"});
}
void ZweiVektoren(test::TElementBauer& b) {
    b.V("a", {3, 2, 0});
    b.V("b", {0, 1, 2});
    Markiere(b, {"a", "b"});
}
void Ungenau(test::TElementBauer& b) {
    b.P("S", {0.1234567891L, 0, 0});
    b.ENOR("E", {6, 3, 4}, -12);
    Markiere(b, {"S", "E"});
}

// What a pupil copies must be true and readable as written.
void UrsprungEbene(test::TElementBauer& b) {
    b.P("P", {0, 0, 0});
    b.ENOR("E", {1, 1, 1}, -1);
    Markiere(b, {"P", "E"});
}
void EinheitsNormale(test::TElementBauer& b) {
    b.P("P", {1, 1, 5});
    b.ENOR("E", {0, 0, 1}, -2);
    Markiere(b, {"P", "E"});
}
void StumpfeGeraden(test::TElementBauer& b) {
    b.G("g", {0, 0, 0}, {1, 0, 0});
    b.G("h", {0, 1, 0}, {-1, 1, 0});
    Markiere(b, {"g", "h"});
}
void StumpfeEbenen(test::TElementBauer& b) {
    b.ENOR("E", {1, 0, 0}, 0);
    b.ENOR("F", {-1, 0, 1}, -2);
    Markiere(b, {"E", "F"});
}
void GeradeGegenNormale(test::TElementBauer& b) {
    b.G("g", {0, 0, 0}, {1, 0, -1});
    b.ENOR("E", {0, 0, 1}, -2);
    Markiere(b, {"g", "E"});
}
void GeradeVorbeiAnStrecke(test::TElementBauer& b) {
    b.G("g", {0, 0, 0}, {1, 0, 0});
    b.S("t", b.P("A", {4, -1, 0}), b.P("B", {4, -3, 0}));
    Markiere(b, {"g", "t"});
}
void GeradeDurchStrecke(test::TElementBauer& b) {
    b.G("g", {0, 0, 0}, {1, 0, 0});
    b.S("t", b.P("A", {3, 1, 0}), b.P("B", {3, -1, 0}));
    Markiere(b, {"g", "t"});
}
void Bruchvektor(test::TElementBauer& b) {
    b.V("a", {1.5L, 0, 2});
    Markiere(b, {"a"});
}
void BruchRichtung(test::TElementBauer& b) {
    b.P("P", {1, 1, 1});
    b.G("g", {0, 0, 0}, {0.5L, 1.0L / 3, 1});
    Markiere(b, {"P", "g"});
}
// The document has its own A and F: the solution's helper points take
// other names.
void ParallelMitAundF(test::TElementBauer& b) {
    Parallel(b);
    b.P("A", {7, 7, 7});
    b.P("F", {8, 8, 8});
}
// The centre carries its role and stands first: the other point is reflected.
void ZentrumZuerst(test::TElementBauer& b) {
    b.P("Z", {1, 1, 1})->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    b.P("P", {3, 0, 2});
    Markiere(b, {"Z", "P"});
}
void VielfacheEbenen(test::TElementBauer& b) {
    b.ENOR("E", {1, 1, 1}, -1);
    b.ENOR("F", {2, 2, 2}, -1);
    Markiere(b, {"E", "F"});
}
void WiderspruchOhneParameter(test::TElementBauer& b) {
    b.G("g", {0, 0, 0}, {1, 0, 0});
    b.G("h", {0, 6, 0}, {2, 0, 0});
    Markiere(b, {"g", "h"});
}

const TFall Faelle[] = {
    {"HesseFormWithAbsoluteValue",
     UrsprungEbene,
     TLoesungsart::Laenge,
     {"    E: (x + y + z − 1)/√3 = 0",
      "    d = |1·0 + 1·0 + 1·0 − 1|/√3 = |−1|/√3 = 1/3·√3 ≈ 0,58 LE",
      "Der Wert im Betrag ist negativ: P liegt auf derselben Seite von E wie der Ursprung."}},
    {"HesseFormWithoutDivisionByOne",
     EinheitsNormale,
     TLoesungsart::Laenge,
     {"    E: z − 2 = 0", "    d = |1·5 − 2| = |3| = 3 LE"}},
    {"LinesMeetAtTheAcuteAngle",
     StumpfeGeraden,
     TLoesungsart::Winkel,
     {"    cos α = |u⃗·v⃗|/(|u⃗|·|v⃗|) = |1·(−1) + 0·1 + 0·0|/(1·√2) = 1/2·√2", "    α = 45°"}},
    {"PlanesByTheirNormals",
     StumpfeEbenen,
     TLoesungsart::Winkel,
     {"    cos α = |n⃗₁·n⃗₂|/(|n⃗₁|·|n⃗₂|) = |1·(−1) + 0·0 + 0·1|/(1·√2) = 1/2·√2", "    α = 45°"}},
    {"LineAndPlaneBySineOfTheAbsoluteValue",
     GeradeGegenNormale,
     TLoesungsart::Winkel,
     {"    sin α = |u⃗·n⃗|/(|u⃗|·|n⃗|) = |1·0 + 0·0 + (−1)·1|/(√2·1) = 1/2·√2", "    α = 45°"}},
    {"LineMissesSegment",
     GeradeVorbeiAnStrecke,
     TLoesungsart::Schneiden,
     {"Da s = −1/2 nicht zwischen 0 und 1 liegt, liegt der gemeinsame Punkt der Geraden nicht "
      "auf der Strecke t: Die Gerade g trifft die Strecke t nicht."}},
    {"LineMeetsSegment",
     GeradeDurchStrecke,
     TLoesungsart::Schneiden,
     {"Da 0 ≤ s ≤ 1 gilt, liegt der Punkt auf der Strecke t.",
      "Die Gerade g und die Strecke t schneiden sich in S(3|0|0)."}},
    {"SquaredFractionInBrackets",
     Bruchvektor,
     TLoesungsart::Laenge,
     {"√((3/2)² + 0² + 2²) = 5/2 LE"}},
    {"FractionBeforeTheParameter", BruchRichtung, TLoesungsart::Lot, {"    −11/6 + 49/36·r = 0"}},
    {"HelperPointsAvoidTheDocumentsNames",
     ParallelMitAundF,
     TLoesungsart::Laenge,
     {"Lotfußpunkt: F1(−2/3 | −4/3 | 5/3)",
      "Abstand der Geraden: der Abstand des Aufpunkts A1 von g zu F1."}},
    {"MultipleOfAPlaneEquation",
     VielfacheEbenen,
     TLoesungsart::Schneiden,
     {"Die Gleichung von F mit 1/2 multipliziert: x + y + z = 1/2",
      "Die linken Seiten stimmen überein, die rechten nicht (1 ≠ 1/2): die Ebenen E und F sind "
      "echt parallel, es gibt keine Schnittgerade."}},
    {"EquationWithoutParametersIsAContradiction",
     WiderspruchOhneParameter,
     TLoesungsart::Schneiden,
     {"Die Gleichung II ist ein Widerspruch (0 ≠ 6): Es gibt keinen gemeinsamen Punkt."}},
    {"LineMeetsPlane",
     GeradeEbene,
     TLoesungsart::Schneiden,
     {"    6·(4 + 6r) + 3·(4 + 3r) + 4·(5 + 4r) = 12", "    56 + 61r = 12",
      "    61r = −44  ⇒  r = −44/61", "Ergebnis: S(−20/61 | 112/61 | 129/61)"}},
    {"LineMeetsPlaneWithSTaken",
     GeradeEbeneMitS,
     TLoesungsart::Schneiden,
     {"Ergebnis: P1(−20/61 | 112/61 | 129/61)"}},
    {"PerpendicularFoot",
     PunktEbene,
     TLoesungsart::Lot,
     {"Ergebnis: F(−20/61 | 112/61 | 129/61)", "= 44/61·√61 ≈ 5,63 LE"}},
    {"ReflectionInTheCentreWithItsRole",
     ZentrumZuerst,
     TLoesungsart::Spiegelung,
     {"Lösungsweg: Spiegelung von P am Punkt Z", "Bildpunkt: P'(−1|2|0)"}},
    {"ReflectionInPlane",
     PunktEbene,
     TLoesungsart::Spiegelung,
     {"Bildpunkt: S'(−284/61 | −20/61 | −47/61)"}},
    {"SkewLines",
     Windschief,
     TLoesungsart::Schneiden,
     {"    r = −2,  s = −1", "Widerspruch in III: Es gibt keinen gemeinsamen Punkt.",
      "Die Geraden g und h sind windschief: Ihre Richtungsvektoren sind keine Vielfachen "
      "voneinander, und sie haben keinen gemeinsamen Punkt."}},
    {"SkewLinesDistance", Windschief, TLoesungsart::Laenge, {"= 1/2·√2 ≈ 0,71 LE"}},
    {"IntersectingLines",
     Schneidend,
     TLoesungsart::Schneiden,
     {"Die Gleichung III ist erfüllt.", "Die Geraden g und h schneiden sich in S(2|1|0)."}},
    {"ParallelLines",
     Parallel,
     TLoesungsart::Schneiden,
     {"Die Geraden g und h sind parallel (und verschieden)."}},
    {"TwoPlanes",
     ZweiEbenen,
     TLoesungsart::Schneiden,
     {"Ein gemeinsamer Punkt: z = 0 setzen:", "    x = 1/2,  y = 1/2"}},
    {"PointLineDistance",
     PunktGerade,
     TLoesungsart::Laenge,
     {"Lotfußpunkt: F(5/9 | 10/9 | 10/9)", "= 1/3·√2 ≈ 0,47 LE"}},
    {"TriangleArea",
     DreiPunkte,
     TLoesungsart::Flaeche,
     {"    A = 1/2·√(12² + 6² + 8²) = √61 ≈ 7,81 FE"}},
    {"Volume", VierPunkte, TLoesungsart::Volumen, {"    V = 1/6·|13| = 13/6 ≈ 2,17 VE"}},
    {"AngleCosine",
     ZweiVektoren,
     TLoesungsart::Winkel,
     {"    cos α = (a⃗·b⃗)/(|a⃗|·|b⃗|) = (3·0 + 2·1 + 0·2)/(√13·√5) = 2/65·√65", "    α ≈ 75,64°"}},
    {"NoExactValues",
     Ungenau,
     TLoesungsart::Lot,
     {"Die markierten Elemente haben keine exakten Werte (eine Zahl ist kein Bruch mit kleinem "
      "Nenner oder die Konstruktion führt auf Wurzeln). Der Lösungsweg wird nur mit exakten "
      "Zahlen gezeigt."}},
};

class Loesungswege : public ::testing::TestWithParam<TFall> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = ',';
        Einstellungen().HeftAchsenIndiziert = false;
    }
    test::TEinstellungenSichern sichern;
    TListe liste;
    test::TElementBauer b{liste};
};

TEST_P(Loesungswege, TextHoldsTheSteps) {
    GetParam().Aufbau(b);
    const auto weg = LoesungswegDerMarkierten(liste, GetParam().Art);
    ASSERT_TRUE(weg.has_value());
    const std::string text = AlsText(*weg);
    for (const char* zeile : GetParam().Enthalten)
        EXPECT_NE(text.find(std::string(zeile) + "\n"), std::string::npos) << zeile << "\nin:\n"
                                                                           << text;
}

INSTANTIATE_TEST_SUITE_P(Faelle, Loesungswege, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Loesungsweg, MarksThatFitNoCaseGiveNone) {
    TListe liste;
    test::TElementBauer b{liste};
    b.P("P", {1, 2, 3})->markiert = true;
    EXPECT_FALSE(LoesungswegDerMarkierten(liste, TLoesungsart::Volumen).has_value() &&
                 AlsText(*LoesungswegDerMarkierten(liste, TLoesungsart::Volumen)).find("S(") !=
                     std::string::npos);
}

bool PdflatexDa() {
    return std::system("command -v pdflatex > /dev/null 2>&1") == 0;
}

int Uebersetzen(const std::filesystem::path& ordner, const std::string& datei) {
    const std::string befehl = "cd '" + ordner.string() +
                               "' && pdflatex -interaction=nonstopmode -halt-on-error '" + datei +
                               "' > /dev/null 2>&1";
    return std::system(befehl.c_str());
}

// Every case's LaTeX compiles on its own, and all of them \input into one
// worksheet.
TEST(LoesungswegLatex, CompilesAloneAndInAWorksheet) {
    if (!PdflatexDa()) GTEST_SKIP() << "pdflatex is not installed";
    const auto ordner = std::filesystem::temp_directory_path() / "kalvorin_loesungsweg_test";
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    std::string blatt = "\\documentclass{article}\n\\usepackage[T1]{fontenc}\n"
                        "\\usepackage[utf8]{inputenc}\n\\usepackage{amsmath}\n"
                        "\\usepackage{graphicx}\n\\begin{document}\nArbeitsblatt\n";
    int n = 0;
    for (const TFall& f : Faelle) {
        TListe liste;
        test::TElementBauer b{liste};
        f.Aufbau(b);
        const auto weg = LoesungswegDerMarkierten(liste, f.Art);
        ASSERT_TRUE(weg.has_value()) << f.Name;
        const std::string name = "weg" + std::to_string(n++);
        std::ofstream(ordner / (name + ".tex")) << AlsLatex(*weg);
        blatt += "\\input{" + name + "}\n";
    }
    blatt += "\\end{document}\n";
    std::ofstream(ordner / "blatt.tex") << blatt;
    EXPECT_EQ(Uebersetzen(ordner, "blatt.tex"), 0);
    EXPECT_TRUE(std::filesystem::exists(ordner / "blatt.pdf"));
    // Long formulas are scaled to the line: no box sticks out of the page.
    std::ifstream log(ordner / "blatt.log");
    const std::string protokoll{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ(protokoll.find("Overfull \\hbox"), std::string::npos) << protokoll;
    // Two of them alone: the file's own preamble.
    EXPECT_EQ(Uebersetzen(ordner, "weg0.tex"), 0);
    EXPECT_EQ(Uebersetzen(ordner, "weg3.tex"), 0);
    EXPECT_TRUE(std::filesystem::exists(ordner / "weg3.pdf"));
    if (!HasFailure()) std::filesystem::remove_all(ordner);
}

} // namespace
