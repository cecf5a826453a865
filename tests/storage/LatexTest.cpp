// The one escaping of text for LaTeX: what a name may hold never becomes a
// command, a group, math or a comment, in text mode and inside formulas.

#include "storage/Latex.h"
#include "storage/Cp1252.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kalvorin;

namespace {

struct TFall {
    const char* Ein;
    const char* Aus;
};

// Whether TeX, reading the text in text mode, would meet a control
// sequence other than the escapes the function writes, or a character
// that opens a group, math or a comment that the text does not close.
std::string Befehlsfremd(const std::string& latex) {
    // The escapes; those with an argument open a group, the signs of math
    // close the math their "$" opened.
    struct TEscape {
        std::string_view Text;
        bool Argument = false, MatheEnde = false;
    };
    static const TEscape erlaubt[] = {{"\\textbackslash{}"},
                                      {"\\textasciicircum{}"},
                                      {"\\textasciitilde{}"},
                                      {"\\textless{}"},
                                      {"\\textgreater{}"},
                                      {"\\textbar{}"},
                                      {"\\textquotedbl{}"},
                                      {"\\textasciigrave{}"},
                                      {"\\{"},
                                      {"\\}"},
                                      {"\\$"},
                                      {"\\&"},
                                      {"\\#"},
                                      {"\\%"},
                                      {"\\_"},
                                      {"\\textsubscript{", true},
                                      {"\\vec{", true},
                                      {"\\text{", true},
                                      {"\\le$", false, true},
                                      {"\\ge$", false, true},
                                      {"\\approx$", false, true},
                                      {"\\Rightarrow$", false, true},
                                      {"\\neq$", false, true},
                                      {"\\alpha$", false, true},
                                      {"\\surd$", false, true},
                                      {"\\perp$", false, true}};
    int gruppen = 0;
    bool mathe = false;
    for (std::size_t i = 0; i < latex.size(); ++i) {
        const char c = latex[i];
        if (c == '\\') {
            const TEscape* gefunden = nullptr;
            for (const TEscape& e : erlaubt)
                if (latex.compare(i, e.Text.size(), e.Text) == 0) gefunden = &e;
            if (!gefunden) return "a command at " + std::to_string(i);
            if (gefunden->Argument) ++gruppen;
            if (gefunden->MatheEnde) mathe = !mathe;
            i += gefunden->Text.size() - 1;
            continue;
        }
        if (c == '%' || c == '#' || c == '&' || c == '^' || c == '_' || c == '~')
            return std::string("a bare ") + c;
        if (c == '{') ++gruppen;
        if (c == '}' && --gruppen < 0) return "a group closed that the text did not open";
        if (c == '$') mathe = !mathe;
    }
    if (gruppen != 0) return "a group left open";
    if (mathe) return "math left open";
    return {};
}

} // namespace

// The names of the probe that read files or broke the build, and the rest
// of TeX's special characters.
TEST(Latex, SpecialCharactersAndCommandsAreSetAsText) {
    const TFall faelle[] = {
        {"\\input{x}", "\\textbackslash{}input\\{x\\}"},
        {"\\input~\\/", "\\textbackslash{}input\\textasciitilde{}\\textbackslash{}/"},
        {"\\gdef\\1{/et}", "\\textbackslash{}gdef\\textbackslash{}1\\{/et\\}"},
        {"}", "\\}"},
        {"{", "\\{"},
        {"$", "\\$"},
        {"#", "\\#"},
        {"%", "\\%"},
        {"&", "\\&"},
        {"^^5cinput", "\\textasciicircum{}\\textasciicircum{}5cinput"},
        {"\\catcode`\\~", "\\textbackslash{}catcode\\textasciigrave{}\\textbackslash{}"
                          "\\textasciitilde{}"},
        {"a\nb\r\x01", "ab"},
        {"\xC2\x85x\xC2\x9F", "x"}, // C1 control characters
    };
    for (const TFall& f : faelle) {
        EXPECT_EQ(LatexText(f.Ein), f.Aus) << f.Ein;
        EXPECT_EQ(Befehlsfremd(LatexText(f.Ein)), "") << f.Ein;
    }
}

// The signs of the worked solution's sentences that Windows-1252 lacks are
// math; those it has stay the characters they are.
TEST(Latex, SignsOfTheSentencesAreMathWhereTheFileCannotHoldThem) {
    const TFall faelle[] = {
        {"0 ≤ r ≤ 1", "0 $\\le$ r $\\le$ 1"},
        {"u⃗ × v⃗", "$\\vec{u}$ × $\\vec{v}$"},
        {"a · b²", "a · b²"},
        {"x ≠ 2 ⇒ −1", "x $\\neq$ 2 $\\Rightarrow$ $-$1"},
        {"√2 ≈ 1,4", "$\\surd$2 $\\approx$ 1,4"},
        {"α ⊥", "$\\alpha$ $\\perp$"},
        {"€ „x“ ‰", "€ „x“ ‰"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(LatexText(f.Ein), f.Aus) << f.Ein;
}

TEST(Latex, NamesInFormulasStayPlainOnlyWhenTheyAreLettersDigitsAndPrimes) {
    const TFall faelle[] = {
        {"A", "A"},
        {"P1", "P1"},
        {"A'", "A'"},
        {"g''", "g''"},
        {"", "\\text{}"},
        {"Ü", "\\text{Ü}"},
        {"A_1", "\\text{A\\_1}"},
        {"a b", "\\text{a b}"},
        {"\\input{x}", "\\text{\\textbackslash{}input\\{x\\}}"},
        {"}{", "\\text{\\}\\{}"},
        {"$x$", "\\text{\\$x\\$}"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(LatexName(f.Ein), f.Aus) << f.Ein;
}

// Any text of the characters a document file can hold, and any bytes at
// all, give text that opens nothing it does not close and holds no command
// but the escapes.
TEST(Latex, RandomTextsNeverBecomeCommands) {
    std::mt19937 zufall(41);
    std::uniform_int_distribution<int> byte(1, 255), laenge(1, 24);
    for (int n = 0; n < 3000; ++n) {
        std::string roh;
        for (int i = laenge(zufall); i > 0; --i)
            roh += static_cast<char>(byte(zufall));
        for (const std::string& text : {Cp1252ZuUtf8(roh), roh}) {
            EXPECT_EQ(Befehlsfremd(LatexText(text)), "") << text;
            const std::string name = LatexName(text);
            EXPECT_EQ(Befehlsfremd(name), "") << text;
        }
    }
}
