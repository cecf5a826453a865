#include "model/Textzeilen.h"

#include <algorithm>

namespace kalvorin {

TTextstueck Spaltenstueck(const TSpalte& e) {
    return {"(" + e[0].Text + " | " + e[1].Text + " | " + e[2].Text + ")",
            "\\begin{pmatrix}" + e[0].Latex + "\\\\" + e[1].Latex + "\\\\" + e[2].Latex +
                "\\end{pmatrix}",
            true, e};
}

bool HatSpalten(const TTextzeile& zeile) {
    return std::any_of(zeile.Stuecke.begin(), zeile.Stuecke.end(),
                       [](const TTextstueck& s) { return s.Spalte.has_value(); });
}

std::string LatexInhalt(const TTextzeile& zeile) {
    std::string t;
    for (const TTextstueck& s : zeile.Stuecke) {
        const bool mathe = s.Mathe || s.Spalte.has_value();
        if (zeile.Art == TTextzeilenart::Formel)
            t += mathe ? s.Latex : "\\text{" + s.Latex + "}";
        else
            t += mathe ? "$" + s.Latex + "$" : s.Latex;
    }
    return t;
}

} // namespace kalvorin
