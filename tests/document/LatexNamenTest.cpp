// Element names in every LaTeX file the program writes: the worksheet (its
// sentences, formulas, worked solutions and TikZ figures) and the worked
// solution's own file. A pupil's document compiled by the teacher must
// compile, print each name as it was typed, and never read or write a file
// or change how TeX reads, whatever the names hold. Each document is
// compiled once with pdflatex, with all of its names at once.

#include "BefehleTest.h"
#include "ausgabe/Arbeitsblatt.h"
#include "befehle/Messen.h"
#include "exakt/Loesungsweg.h"
#include "storage/Cp1252.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

// The probe's names: eight that together put /etc/passwd into the sheet
// when set unescaped, one that reads a file beside it, the special
// characters that broke the build, and the other ways into TeX's files and
// its reading.
const std::vector<std::string> Feindliche = {"\\gdef\\1{/et}",
                                             "\\gdef\\2{c/pa}",
                                             "\\gdef\\3{ss}",
                                             "\\gdef\\4{wd}",
                                             "\\edef~{\\1\\2}",
                                             "\\edef~{~\\3}",
                                             "\\edef~{~\\4}",
                                             "\\input~\\/",
                                             "\\input{x}",
                                             "}",
                                             "{",
                                             "$",
                                             "#",
                                             "%",
                                             "&",
                                             "\\include{x}",
                                             "\\openin1=x",
                                             "\\write18{x}",
                                             "\\read1to\\x",
                                             "\\catcode`~=0",
                                             "\\csname x",
                                             "^^5cinput{x}",
                                             "\\end{docume",
                                             "\\par}}\\x",
                                             "A'",
                                             "B''",
                                             "a--b,,c",
                                             "<<|>>\"`",
                                             "_^~",
                                             "Ü € ½"};

// The commands by which a text reads or writes a file or changes how TeX
// reads; a name must never add one to the file.
const char* const Dateibefehle[] = {"\\input", "\\include", "\\openin", "\\openout",  "\\write",
                                    "\\read",  "\\catcode", "\\csname", "\\immediate"};

std::size_t Anzahl(const std::string& text, const std::string& muster) {
    std::size_t n = 0;
    for (auto p = text.find(muster); p != std::string::npos; p = text.find(muster, p + 1))
        ++n;
    return n;
}

// Texts of the characters a document file can hold (Windows-1252), at
// random, each different.
std::vector<std::string> Zufallsnamen(std::size_t anzahl) {
    std::mt19937 zufall(1252);
    std::uniform_int_distribution<int> byte(0x20, 0xFF), laenge(1, 12);
    std::set<std::string> gesehen;
    std::vector<std::string> namen;
    while (namen.size() < anzahl) {
        std::string roh;
        for (int i = laenge(zufall); i > 0; --i) {
            const int b = byte(zufall);
            if (b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                continue;
            roh += static_cast<char>(b);
        }
        if (!roh.empty() && gesehen.insert(roh).second) namen.push_back(Cp1252ZuUtf8(roh));
    }
    return namen;
}

// A document whose elements carry the names: per twelve names the Abitur
// task (four points, the plane through three, triangle and pyramid), a
// vector, a line, a segment, the perpendicular from the apex and its foot.
struct TNamensDokument : TBefehlsDokument {
    explicit TNamensDokument(const std::vector<std::string>& namen) {
        std::size_t k = 0;
        const auto name = [&] { return k < namen.size() ? namen[k++] : "Z" + std::to_string(k++); };
        while (k < namen.size()) {
            auto* a = P(name(), {2, 0, 0});
            auto* b = P(name(), {0, 4, 0});
            auto* c = P(name(), {0, 0, 3});
            auto* s = P(name(), {4, 4, 5});
            auto* e = E(name(), TEbene::EPPP, a, b, c);
            auto* dr = Dr(name(), a, b, c);
            Py(name(), dr, s);
            V(name(), {1, 2, 2});
            G(name(), {0, 0, 0}, {1, 1, 1});
            S(name(), a, s);
            D.Neuaufbau();
            Marken({s, e});
            EXPECT_TRUE(Loteerzeugen(D));
            Letztes()->Name = name();
            Marken({Letztes(), e});
            EXPECT_TRUE(Schneiden(D));
            Letztes()->Name = name();
        }
        Marken({});
        D.Neuaufbau();
    }
    void Marken(const std::vector<TDreiDBasisElement*>& markiert) {
        for (int i = 1; i <= L.Anzahl(); ++i)
            L[i]->markiert = false;
        for (TDreiDBasisElement* e : markiert)
            e->markiert = true;
    }
};

std::vector<std::string> Schlichte(std::size_t anzahl) {
    std::vector<std::string> namen;
    for (std::size_t i = 0; i < anzahl; ++i)
        namen.push_back("N" + std::to_string(i + 1));
    return namen;
}

// The worked solution of every kind for elements with the names: a list of
// four points, a plane, a line, three vectors, a triangle and a pyramid,
// with the marks of each task.
std::vector<std::string> Loesungswege(const std::vector<std::string>& namen) {
    TListe liste;
    TElementBauer b{liste};
    auto* a = b.P(namen[0], {2, 0, 0});
    auto* bb = b.P(namen[1], {0, 4, 0});
    auto* c = b.P(namen[2], {0, 0, 3});
    auto* s = b.P(namen[3], {4, 4, 5});
    auto* e = b.E(namen[4], TEbene::EPPP, a, bb, c);
    auto* g = b.G(namen[5], {0, 0, 0}, {1, 1, 1});
    auto* u = b.V(namen[6], {1, 2, 2});
    auto* v = b.V(namen[7], {2, 0, 1});
    auto* w = b.V(namen[8], {0, 3, 1});
    auto* dr = b.Dr(namen[9], a, bb, c);
    auto* py = b.Py(namen[10], dr, s);
    using exakt::TLoesungsart;
    const std::pair<TLoesungsart, std::vector<TDreiDBasisElement*>> aufgaben[] = {
        {TLoesungsart::Schneiden, {g, e}},  {TLoesungsart::Lot, {s, e}},
        {TLoesungsart::Lot, {s, g}},        {TLoesungsart::Spiegelung, {s, e}},
        {TLoesungsart::Spiegelung, {s, a}}, {TLoesungsart::Winkel, {u, v}},
        {TLoesungsart::Laenge, {u}},        {TLoesungsart::Laenge, {a, s}},
        {TLoesungsart::Laenge, {s, e}},     {TLoesungsart::Flaeche, {dr}},
        {TLoesungsart::Flaeche, {u, v}},    {TLoesungsart::Volumen, {py}},
        {TLoesungsart::Volumen, {u, v, w}},
    };
    std::vector<std::string> r;
    for (const auto& [art, markiert] : aufgaben) {
        for (int i = 1; i <= liste.Anzahl(); ++i)
            liste[i]->markiert = false;
        for (TDreiDBasisElement* x : markiert)
            x->markiert = true;
        const auto weg = LoesungswegDerMarkierten(liste, art);
        EXPECT_TRUE(weg.has_value()) << static_cast<int>(art);
        r.push_back(weg ? exakt::AlsLatex(*weg) : std::string());
    }
    return r;
}

bool Vorhanden(const char* programm) {
    return std::system(("command -v " + std::string(programm) + " > /dev/null 2>&1").c_str()) == 0;
}

// A folder with a file beside the sheet that a name might \input, and the
// result of compiling the sheet there.
struct TUebersetzung {
    test::TTestOrdner Ordner;
    int Rueckgabe = -1;
    std::string Text; // pdftotext of the PDF
    std::set<std::string> Dateien;

    explicit TUebersetzung(const std::string& tex,
                           const std::vector<std::pair<std::string, std::string>>& beilagen = {}) {
        for (const char* n : {"x.tex", "x"})
            test::DateiSchreiben(Ordner / n, "GELESEN\n");
        for (const auto& [name, inhalt] : beilagen)
            test::DateiSchreiben(Ordner / name, inhalt);
        test::DateiSchreiben(Ordner / "blatt.tex", tex);
        const std::string im = "cd '" + Ordner.Pfad().string() + "' && ";
        Rueckgabe = std::system((im + "pdflatex -no-shell-escape -interaction=nonstopmode "
                                      "-halt-on-error blatt.tex > /dev/null 2>&1")
                                    .c_str());
        const int text = std::system(
            (im + "pdftotext -raw -enc UTF-8 blatt.pdf blatt.txt > /dev/null 2>&1").c_str());
        EXPECT_TRUE(Rueckgabe != 0 || text == 0);
        Text = test::DateiInhalt(Ordner / "blatt.txt");
        for (const auto& d : std::filesystem::directory_iterator(Ordner.Pfad()))
            Dateien.insert(d.path().filename().string());
    }
};

// The text as pdftotext gives it back, for comparing with what was typed:
// without blanks, hyphenation, ligatures, the soft hyphen and the vector
// arrow set over a name, primes as apostrophes, and the glyphs that
// pdftotext names by their shape (² as 2, … as three dots) as those.
std::string Vergleichbar(std::string t) {
    const std::pair<std::string, std::string> ersatz[] = {
        {"-\n", ""},
        {"\xE2\x80\xB2", "'"},
        {"\xEF\xAC\x80", "ff"},
        {"\xEF\xAC\x81", "fi"},
        {"\xEF\xAC\x82", "fl"},
        {"\xEF\xAC\x83", "ffi"},
        {"\xEF\xAC\x84", "ffl"},
        {"\xC2\xAD", ""},
        // Glyphs that pdftotext reads back by their shape.
        {"\xC2\xB2", "2"},
        {"\xC2\xB3", "3"},
        {"\xC2\xB9", "1"},
        {"\xCB\x86", "^"},
        {"\xCB\x9C", "~"},
        {"\xE2\x83\x97", ""},
        {"\xE2\x80\xA6", "..."},
        {"\xC2\xA0", " "}};
    for (const auto& [von, nach] : ersatz)
        for (auto p = t.find(von); p != std::string::npos; p = t.find(von, p))
            t.replace(p, von.size(), nach);
    std::string r;
    for (char c : t)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t' && c != '\f') r += c;
    return r;
}

void DateienUnberuehrt(const TUebersetzung& u, const std::set<std::string>& erwartet) {
    EXPECT_EQ(u.Dateien, erwartet) << "a file was written beside the sheet";
    EXPECT_EQ(u.Text.find("GELESEN"), std::string::npos) << "a file beside the sheet was read";
    EXPECT_EQ(u.Text.find("root:"), std::string::npos) << "/etc/passwd was read";
}

} // namespace

// No name adds a command that reads, writes or re-reads: the sheet with
// the hostile names holds each exactly as often as the same sheet with
// plain names.
TEST(LatexNamen, NoNameAddsAFileCommandToTheWorksheet) {
    const TNamensDokument feindlich(Feindliche);
    const TNamensDokument schlicht(Schlichte(Feindliche.size()));
    const std::string a = ArbeitsblattLatex(feindlich.D, {});
    const std::string b = ArbeitsblattLatex(schlicht.D, {});
    for (const char* befehl : Dateibefehle)
        EXPECT_EQ(Anzahl(a, befehl), Anzahl(b, befehl)) << befehl;
    EXPECT_EQ(Anzahl(a, "\\end{document}"), 1u);
}

TEST(LatexNamen, NoNameAddsAFileCommandToAWorkedSolution) {
    const std::vector<std::string> feindlich = Loesungswege(Feindliche);
    const std::vector<std::string> schlicht = Loesungswege(Schlichte(Feindliche.size()));
    ASSERT_EQ(feindlich.size(), schlicht.size());
    for (std::size_t i = 0; i < feindlich.size(); ++i)
        for (const char* befehl : Dateibefehle)
            EXPECT_EQ(Anzahl(feindlich[i], befehl), Anzahl(schlicht[i], befehl))
                << "task " << i << ": " << befehl;
}

// The probe's leak document and random names of every Windows-1252
// character in one worksheet: it compiles, reads and writes no file, and
// shows every name as it was typed.
TEST(LatexNamen, AWorksheetOfHostileAndRandomNamesCompilesAndShowsThemAsTyped) {
    if (!Vorhanden("pdflatex") || !Vorhanden("pdftotext"))
        GTEST_SKIP() << "pdflatex or pdftotext is not installed";
    std::vector<std::string> namen = Feindliche;
    for (const std::string& n : Zufallsnamen(96 - Feindliche.size()))
        namen.push_back(n);
    const TNamensDokument d(namen);
    ASSERT_EQ(d.L.Anzahl(), 96);
    TArbeitsblattEingabe e;
    e.Titel = "\\input{x} Übung";
    e.Klasse = "\\write18{x}";
    const TUebersetzung u(ArbeitsblattLatex(d.D, e));
    ASSERT_EQ(u.Rueckgabe, 0) << test::DateiInhalt(u.Ordner / "blatt.log");
    DateienUnberuehrt(
        u, {"blatt.aux", "blatt.log", "blatt.pdf", "blatt.tex", "blatt.txt", "x", "x.tex"});
    const std::string text = Vergleichbar(u.Text);
    for (const std::string& n : namen)
        EXPECT_NE(text.find(Vergleichbar(n)), std::string::npos) << "\"" << n << "\"";
    EXPECT_NE(text.find(Vergleichbar(e.Titel)), std::string::npos);
    EXPECT_NE(text.find(Vergleichbar(e.Klasse)), std::string::npos);
}

// Every kind of worked solution with the hostile names, each file \input
// into one sheet as a teacher does.
TEST(LatexNamen, WorkedSolutionsOfHostileNamesCompileAndShowThem) {
    if (!Vorhanden("pdflatex") || !Vorhanden("pdftotext"))
        GTEST_SKIP() << "pdflatex or pdftotext is not installed";
    std::vector<std::pair<std::string, std::string>> dateien;
    std::string blatt = "\\documentclass{article}\n\\usepackage[T1]{fontenc}\n"
                        "\\usepackage[utf8]{inputenc}\n\\usepackage{amsmath}\n"
                        "\\begin{document}\n";
    std::set<std::string> erwartet = {"blatt.aux", "blatt.log", "blatt.pdf", "blatt.tex",
                                      "blatt.txt", "x",         "x.tex"};
    for (const std::string& weg : Loesungswege(Feindliche)) {
        const std::string name = "weg" + std::to_string(dateien.size());
        dateien.push_back({name + ".tex", weg});
        erwartet.insert(name + ".tex");
        blatt += "\\input{" + name + "}\n";
    }
    blatt += "\\end{document}\n";
    const TUebersetzung u(blatt, dateien);
    ASSERT_EQ(u.Rueckgabe, 0) << test::DateiInhalt(u.Ordner / "blatt.log");
    DateienUnberuehrt(u, erwartet);
    const std::string text = Vergleichbar(u.Text);
    for (std::size_t i = 0; i < 11; ++i)
        EXPECT_NE(text.find(Vergleichbar(Feindliche[i])), std::string::npos)
            << "\"" << Feindliche[i] << "\"";
}
