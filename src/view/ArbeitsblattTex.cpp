#include "view/ArbeitsblattTex.h"

#include "storage/Latex.h"

namespace kalvorin {

namespace {

std::string ZeileLatex(const TTextzeile& z) {
    const std::string t = LatexInhalt(z);
    switch (z.Art) {
    case TTextzeilenart::Formel:
        return LatexFormel(t) + "\n";
    case TTextzeilenart::Ueberschrift:
        return "\\subsection*{" + t + "}\n";
    case TTextzeilenart::Satz:
        break;
    }
    return t + "\\par\n";
}

std::string Zeilen(const std::vector<TTextzeile>& zeilen) {
    std::string t;
    for (const TTextzeile& z : zeilen)
        t += ZeileLatex(z);
    return t;
}

std::string Kopf(const TArbeitsblattInhalt& b) {
    std::string t = "{\\Large\\bfseries " + LatexText(b.Titel) + "\\par}\n\\medskip\n";
    t += "Klasse: " + (b.Klasse.empty() ? "\\rule{2cm}{0.4pt}" : LatexText(b.Klasse)) +
         "\\hfill Name: \\rule{6cm}{0.4pt}\\hfill Datum: \\rule{3cm}{0.4pt}\\par\n";
    return t;
}

std::string Seite(const TArbeitsblattInhalt& b, const TBlattSeite& s, const std::string& bild) {
    std::string t = Kopf(b);
    t += "\\section*{" + LatexText(s.Ueberschrift) + "}\n";
    t += Zeilen(s.VorBild);
    t += "\\begin{center}\n" + bild + "\\end{center}\n";
    t += Zeilen(s.NachBild);
    if (s.Arbeitsraum) t += "\\vfill\\null\n";
    return t;
}

} // namespace

TTextzeile BlattSatz(const std::string& text, TTextzeilenart art) {
    TTextzeile z;
    z.Art = art;
    z.Stuecke.push_back({text, LatexText(text), false, {}});
    return z;
}

std::string ArbeitsblattTex(const TArbeitsblattInhalt& blatt, const std::string& bildAufgabe,
                            const std::string& bildLoesung) {
    std::string t =
        "% Arbeitsblatt aus Kalvorin, in UTF-8: die Aufgabe auf der ersten Seite (oder den\n"
        "% ersten Seiten), die Lösung ab einer neuen Seite.\n"
        "% Übersetzen mit pdflatex DATEI.tex\n"
        "\\documentclass[a4paper,11pt]{article}\n"
        "\\usepackage[utf8]{inputenc}\n"
        "\\usepackage[T1]{fontenc}\n"
        "\\usepackage{lmodern}\n"
        "\\usepackage{amsmath}\n"
        "\\usepackage{graphicx}\n"
        "\\usepackage{tikz}\n"
        "\\usepackage[a4paper,margin=2cm]{geometry}\n"
        "\\pagestyle{empty}\n"
        "\\setlength{\\parindent}{0pt}\n"
        "\\setlength{\\parskip}{0.5ex}\n"
        "\\begin{document}\n";
    t += LatexFormelDefinition();
    t += Seite(blatt, blatt.Aufgabe, bildAufgabe);
    // The solution starts on a page of its own and runs on over as many
    // pages as it needs, in the text's own size.
    t += "\\newpage\n";
    t += Seite(blatt, blatt.Loesung, bildLoesung);
    t += "\\end{document}\n";
    return t;
}

std::string BlattZeileText(const TTextzeile& z) {
    std::string t;
    for (const TTextstueck& s : z.Stuecke)
        t += s.Text;
    return t;
}

} // namespace kalvorin
