// A worked solution put out: as plain text for a fixed-width font (column
// vectors over three rows, drawn with bracket characters), as HTML for the
// window's rich text, and as LaTeX.

#include "exakt/Loesungsweg.h"

#include "storage/Latex.h"
#include "storage/Xml.h"

#include <algorithm>
#include <array>

namespace kalvorin::exakt {

namespace {

// Columns on the screen: code points, without combining marks.
std::size_t Breite(const std::string& s) {
    std::size_t b = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80) continue;
        // U+20D7 (combining arrow) and U+0300..U+036F take no column.
        if (c == 0xE2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x83) continue;
        if (c == 0xCC ||
            (c == 0xCD && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) < 0xB0))
            continue;
        ++b;
    }
    return b;
}

std::string Auffuellen(const std::string& s, std::size_t breite, bool rechts = true) {
    const std::size_t b = Breite(s);
    if (b >= breite) return s;
    return rechts ? std::string(breite - b, ' ') + s : s + std::string(breite - b, ' ');
}

std::string ZeileAlsText(const TTextzeile& z) {
    const std::string einzug = z.Art == TTextzeilenart::Formel ? "    " : "";
    if (!HatSpalten(z)) {
        std::string t = einzug;
        for (const TTextstueck& s : z.Stuecke)
            t += s.Text;
        return t;
    }
    std::array<std::string, 3> r = {einzug, einzug, einzug};
    for (const TTextstueck& s : z.Stuecke) {
        if (!s.Spalte) {
            const std::string leer(Breite(s.Text), ' ');
            r[0] += leer;
            r[1] += s.Text;
            r[2] += leer;
            continue;
        }
        const TSpalte& k = *s.Spalte;
        std::size_t b = 0;
        for (const TSpalteneintrag& x : k)
            b = std::max(b, Breite(x.Text));
        r[0] += "⎛" + Auffuellen(k[0].Text, b) + "⎞";
        r[1] += "⎜" + Auffuellen(k[1].Text, b) + "⎟";
        r[2] += "⎝" + Auffuellen(k[2].Text, b) + "⎠";
    }
    for (std::string& zeile : r)
        zeile.erase(zeile.find_last_not_of(' ') + 1);
    return r[0] + "\n" + r[1] + "\n" + r[2];
}

std::string ZeileAlsLatex(const TTextzeile& z) {
    const std::string t = LatexInhalt(z);
    return z.Art == TTextzeilenart::Formel ? LatexFormel(t) : t + "\n";
}

// Text for HTML: the window's rich text reads it as XML text, with the
// markup characters as entities.
std::string Html(const std::string& s) {
    return XmlText(s);
}

// A column vector: a table of three rows, each with its bracket piece and
// its number right-aligned (rows of a single cell break the brackets apart).
std::string SpalteAlsHtml(const TSpalte& k) {
    const char* links[3] = {"⎛", "⎜", "⎝"};
    const char* rechts[3] = {"⎞", "⎟", "⎠"};
    std::string t = "<td valign=\"middle\"><table cellspacing=\"0\" cellpadding=\"0\">";
    for (int i = 0; i < 3; ++i)
        t += std::string("<tr><td>") + links[i] + "</td><td align=\"right\">" +
             Html(k[static_cast<std::size_t>(i)].Text) + "</td><td>" + rechts[i] + "</td></tr>";
    return t + "</table></td>";
}

std::string TextzelleAlsHtml(const std::string& text) {
    return "<td valign=\"middle\" style=\"white-space:pre\">" + Html(text) + "</td>";
}

std::string ZeileAlsHtml(const TTextzeile& z) {
    if (!HatSpalten(z)) {
        std::string t;
        for (const TTextstueck& s : z.Stuecke)
            t += Html(s.Text);
        return z.Art == TTextzeilenart::Formel ? "<p style=\"margin-left:2em\">" + t + "</p>\n"
                                               : "<p>" + t + "</p>\n";
    }
    // Indented like the formulas without columns.
    std::string t = "<table cellspacing=\"0\" cellpadding=\"1\"><tr>" + TextzelleAlsHtml("    ");
    for (const TTextstueck& s : z.Stuecke)
        t += s.Spalte ? SpalteAlsHtml(*s.Spalte) : TextzelleAlsHtml(s.Text);
    return t + "</tr></table>\n";
}

} // namespace

std::string AlsText(const TLoesungsweg& weg) {
    std::string t = weg.Titel + "\n\n";
    for (const TTextzeile& z : weg.Zeilen)
        t += ZeileAlsText(z) + "\n";
    return t;
}

std::string AlsHtml(const TLoesungsweg& weg) {
    std::string t = "<h3>" + Html(weg.Titel) + "</h3>\n";
    for (const TTextzeile& z : weg.Zeilen)
        t += ZeileAlsHtml(z);
    return t;
}

std::string AlsLatexAusschnitt(const TLoesungsweg& weg) {
    std::string t =
        std::string(LatexFormelDefinition()) + "\\subsection*{" + LatexText(weg.Titel) + "}\n";
    for (const TTextzeile& z : weg.Zeilen)
        t += ZeileAlsLatex(z) + "\n";
    return t;
}

std::string AlsLatex(const TLoesungsweg& weg) {
    return "% Lösungsweg aus Kalvorin. Übersetzen mit pdflatex; oder mit \\input in ein\n"
           "% Arbeitsblatt einbinden, das amsmath (und graphicx) lädt.\n"
           "\\expandafter\\ifx\\csname @twoclasseserror\\endcsname\\documentclass\n"
           "\\else\n"
           "\\documentclass[a4paper,11pt]{article}\n"
           "\\usepackage[T1]{fontenc}\n"
           "\\usepackage[utf8]{inputenc}\n"
           "\\usepackage{amsmath}\n"
           "\\usepackage{graphicx}\n"
           "\\setlength{\\parindent}{0pt}\n"
           "\\expandafter\\def\\csname LoesungswegEnde\\endcsname{\\end{document}}\n"
           "\\begin{document}\n"
           "\\fi\n" +
           AlsLatexAusschnitt(weg) + "\\csname LoesungswegEnde\\endcsname\n";
}

} // namespace kalvorin::exakt
