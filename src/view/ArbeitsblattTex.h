#pragma once
// A worksheet, the task and its solution, as plain content
// (the lines of text and formulas; the figures are drawn by whoever puts the
// sheet out), and the sheet as a LaTeX file that compiles with pdflatex
// alone, the figures as TikZ pictures. The task takes the first page (a
// long one more), the solution starts on a new page and takes as many as it
// needs.

#include "model/Textzeilen.h"
#include "view/Ausgabemasse.h"
#include "view/Zeichenflaeche.h"

#include <functional>
#include <string>
#include <vector>

namespace kalvorin {

struct TBlattSeite {
    std::string Ueberschrift;
    std::vector<TTextzeile> VorBild;  // above the figure
    std::vector<TTextzeile> NachBild; // below it
    bool Arbeitsraum = false;         // the rest of the page left free to work in
};

struct TArbeitsblattInhalt {
    std::string Titel;  // UTF-8, the user's text
    std::string Klasse; // UTF-8, the user's text; may be empty
    TBlattSeite Aufgabe, Loesung;
};

// The sheet's two figures: the window both show, the largest size of each
// (thousandths of a centimetre; each keeps the window's shape), and how each
// is drawn onto a canvas of that window.
struct TArbeitsblattBilder {
    TLogRechteck Fenster;
    TAusgabeMass AufgabeGroesse;
    TAusgabeMass LoesungGroesse;
    std::function<void(TZeichenflaeche&)> Aufgabe;
    std::function<void(TZeichenflaeche&)> Loesung;
};

// A sentence of plain text (escaped for LaTeX here).
TTextzeile BlattSatz(const std::string& text, TTextzeilenart art = TTextzeilenart::Satz);

// The whole LaTeX file. The two pictures are tikzpicture environments
// (TTikzFlaeche::Bild) for the task and the solution.
std::string ArbeitsblattTex(const TArbeitsblattInhalt& blatt, const std::string& bildAufgabe,
                            const std::string& bildLoesung);

// The line as plain text, column vectors written as (x | y | z): for tests,
// for the screen reader and wherever only one line of text fits.
std::string BlattZeileText(const TTextzeile& z);

} // namespace kalvorin
