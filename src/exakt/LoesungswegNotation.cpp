// The pieces of a worked solution's lines and the notation of its
// formulas, each in plain text and in LaTeX.

#include "exakt/LoesungswegIntern.h"

#include "storage/Latex.h"
#include "zahlen/Zahlen.h"

namespace kalvorin::exakt {

TTextstueck Vektorspalte(const TQTripel& v) {
    const auto eintrag = [](const TRational& q) {
        return TSpalteneintrag{Text(q), Text(q, TStil::Latex)};
    };
    return Spaltenstueck({eintrag(v.x), eintrag(v.y), eintrag(v.z)});
}

namespace loesungsweg {

namespace {

// Whether a plain-text part of a fraction needs no brackets: one number,
// root or name ("√3", "12"), or a whole term in absolute-value bars.
bool Einzeln(const std::string& t) {
    if (t.size() >= 2 && t.front() == '|' && t.back() == '|' && t.find('|', 1) == t.size() - 1)
        return true;
    for (const char* zeichen : {" ", "/", "·", "+", Minus, "-", "(", "|"})
        if (t.find(zeichen) != std::string::npos) return false;
    return true;
}

// A number squared: negative numbers and fractions in brackets, so that
// "(3/2)²" is not read as 3/2².
std::string Quadrat(const TRational& q, Stil s) {
    const std::string hoch = s == Stil::Latex ? "^2" : "²";
    if (q.is_integer() && !q.is_negative()) return Text(q, s) + hoch;
    if (s == Stil::Latex && !q.is_integer()) return "\\left(" + Text(q, s) + "\\right)" + hoch;
    return "(" + Text(q, s) + ")" + hoch;
}

} // namespace

TTextstueck T(const std::string& text) {
    return {text, LatexText(text), false, {}};
}

// A formula given by one function for both notations.
TTextstueck F(const std::function<std::string(Stil)>& f) {
    return {f(Stil::Text), f(Stil::Latex), true, {}};
}

TTextstueck M(const std::string& text, const std::string& latex) {
    return {text, latex, true, {}};
}

TTextstueck Spalte(const TQTripel& v) {
    return Vektorspalte(v);
}

// An element name inside a formula.
std::string Name(const std::string& n, Stil s) {
    return s == Stil::Latex ? "\\text{" + LatexText(n) + "}" : n;
}

// "u⃗" / "\vec{u}"; a name of the document is escaped like every name.
std::string Vek(const std::string& n, Stil s) {
    return s == Stil::Latex ? "\\vec{" + LatexName(n) + "}" : n + "\xE2\x83\x97";
}

// "AB⃗" / "\overrightarrow{AB}"
std::string Strecke(const std::string& a, const std::string& b, Stil s) {
    return s == Stil::Latex ? "\\overrightarrow{" + Name(a, s) + Name(b, s) + "}"
                            : a + b + "\xE2\x83\x97";
}

std::string Z(const TRational& q, Stil s) {
    return Text(q, s);
}

// A number as a factor: negative ones in brackets.
std::string K(const TRational& q, Stil s) {
    return q.is_negative() ? "(" + Text(q, s) + ")" : Text(q, s);
}

std::string W(const TWurzelzahl& w, Stil s) {
    return Text(w, s);
}

std::string Wurzelzeichen(const std::string& innen, Stil s) {
    return s == Stil::Latex ? "\\sqrt{" + innen + "}" : "√(" + innen + ")";
}

std::string Bruch(const std::string& z, const std::string& n, Stil s) {
    if (s == Stil::Latex) return "\\frac{" + z + "}{" + n + "}";
    return (Einzeln(z) ? z : "(" + z + ")") + "/" + (Einzeln(n) ? n : "(" + n + ")");
}

// A rounded decimal in the user's separator, with the textbook's minus
// sign; in LaTeX the comma without the space of punctuation.
std::string Dezimal(Real x, Stil s) {
    std::string t = FormatMeasure(x);
    if (!t.empty() && t[0] == '-') t = (s == Stil::Text ? std::string(Minus) : "-") + t.substr(1);
    if (s != Stil::Latex) return t;
    std::string r;
    for (char c : t)
        r += c == ',' ? std::string("{,}") : std::string(1, c);
    return r;
}

std::string Ungefaehr(Stil s) {
    return s == Stil::Latex ? " \\approx " : " ≈ ";
}

// "a1·b1 + a2·b2 + a3·b3"
std::string SkalarAusgeschrieben(const TQTripel& a, const TQTripel& b, Stil s) {
    const std::string m = Mal(s);
    return K(a.x, s) + m + K(b.x, s) + " + " + K(a.y, s) + m + K(b.y, s) + " + " + K(a.z, s) + m +
           K(b.z, s);
}

// "√(a1² + a2² + a3²)"
std::string BetragAusgeschrieben(const TQTripel& a, Stil s) {
    return Wurzelzeichen(Quadrat(a.x, s) + " + " + Quadrat(a.y, s) + " + " + Quadrat(a.z, s), s);
}

std::string Betragsstriche(const std::string& x, Stil s) {
    return s == Stil::Latex ? "\\left|" + x + "\\right|" : "|" + x + "|";
}

} // namespace loesungsweg

} // namespace kalvorin::exakt
