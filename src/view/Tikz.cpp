#include "view/Tikz.h"

#include "storage/Einstellungen.h"
#include "view/Kappen.h"
#include "view/Metadatei.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace kalvorin {

namespace {

constexpr double PunktProCm = 72.27 / 2.54;
// TikZ's own thin line, 0.4 pt: the thinnest line of the picture, as one
// device pixel is on the screen.
constexpr double DuennsteLinieCm = 0.4 / PunktProCm;
// Cell height and ascent of the sans-serif face over its em square, as the
// scene measures its names.
constexpr double ZelleProGeviert = 1.1172;
constexpr double OberlaengeProGeviert = 0.905;
// Hatch lines this far apart, in centimetres: about the eight screen pixels
// of a hatch brush.
constexpr double Schraffurabstand = 0.2;
// How far drawing may reach beyond the picture: TeX cannot hold lengths
// much beyond 5 m, and what lies farther out is clipped anyway.
constexpr double Reichweite = 100;

std::string Hex(TFarbe f) {
    char b[7];
    std::snprintf(b, sizeof b, "%02X%02X%02X", Rot(f), Gruen(f), Blau(f));
    return b;
}

// The mean colour of an 8 x 8 pattern: its share of coloured dots on white.
TFarbe Mischfarbe(TFarbe f, double anteil) {
    const auto kanal = [&](int c) {
        return static_cast<int>(std::lround(c * anteil + 255 * (1 - anteil)));
    };
    return RGB(kanal(Rot(f)), kanal(Gruen(f)), kanal(Blau(f)));
}

double Anteil(const TPinsel& p) {
    int n = 0;
    for (std::uint8_t zeile : p.Muster)
        n += std::popcount(zeile);
    return n / 64.0;
}

using P = TTikzFlaeche::TPunktCm;

std::string Seitenmass(std::int32_t tausendstelCm) {
    // For the comment, with the user's decimal separator.
    std::string s = CmZahl(tausendstelCm / 1000.0);
    std::replace(s.begin(), s.end(), '.', Einstellungen().Dezimaltrenner);
    return s;
}

} // namespace

std::string CmZahl(double cm) {
    if (!std::isfinite(cm)) return "0";
    const long long t = std::llround(std::clamp(cm, -1e6, 1e6) * 1000);
    if (t == 0) return "0";
    const unsigned long long b = static_cast<unsigned long long>(t < 0 ? -t : t);
    std::string s = (t < 0 ? "-" : "") + std::to_string(b / 1000);
    unsigned long long rest = b % 1000;
    if (rest != 0) {
        char nach[4];
        std::snprintf(nach, sizeof nach, "%03llu", rest);
        std::string n = nach;
        while (n.back() == '0')
            n.pop_back();
        s += '.' + n;
    }
    return s;
}

TTikzFlaeche::TTikzFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse)
    : groesse_{std::max(groesse.Breite, 1), std::max(groesse.Hoehe, 1)} {
    const double b = groesse_.Breite / 1000.0, h = groesse_.Hoehe / 1000.0;
    const double lb = std::max(1, fenster.Breite()), lh = std::max(1, fenster.Hoehe());
    s_ = std::min(b / lb, h / lh);
    x0_ = (b - s_ * lb) / 2;
    y0_ = (h - s_ * lh) / 2;
    links_ = fenster.links;
    unten_ = fenster.unten;
}

TTikzFlaeche::TPunktCm TTikzFlaeche::Cm(TLogPunkt p) const {
    return {x0_ + (p.x - links_) * s_, y0_ + (p.y - unten_) * s_};
}

std::string TTikzFlaeche::Farbname(TFarbe f) {
    if (std::find(farben_.begin(), farben_.end(), f) == farben_.end()) farben_.push_back(f);
    return "kv" + Hex(f);
}

std::string TTikzFlaeche::Punkt(TPunktCm p) const {
    return '(' + CmZahl(p.x) + ',' + CmZahl(p.y) + ')';
}

std::string TTikzFlaeche::PolygonPfad(const std::vector<TPunktCm>& ecken) const {
    std::string pfad;
    for (const TPunktCm& p : ecken) {
        pfad += Punkt(p);
        pfad += " -- ";
    }
    return pfad + "cycle";
}

void TTikzFlaeche::SetzeStift(const TStift& stift) {
    stift_ = stift;
}
void TTikzFlaeche::SetzePinsel(const TPinsel& pinsel) {
    pinsel_ = pinsel;
}
void TTikzFlaeche::SetzeRasterModus(TRasterModus modus) {
    modus_ = modus;
}

void TTikzFlaeche::SetzeSchrift(std::string_view, int hoehe, TFarbe farbe) {
    // Always the document's sans-serif face: the scene asks for one by name.
    schriftHoehe_ = std::max(hoehe, 0);
    schriftFarbe_ = farbe;
}

std::string TTikzFlaeche::StiftOptionen() {
    if (stift_.Stil == TStiftStil::Unsichtbar) return {};
    std::string o = Farbname(stift_.Farbe);
    const double breite = stift_.Breite * s_;
    if (breite > DuennsteLinieCm) o += ",line width=" + CmZahl(breite) + "cm";
    if (stift_.Stil == TStiftStil::Gestrichelt)
        o += ",dashed";
    else if (stift_.Stil == TStiftStil::Punktiert)
        o += ",dotted";
    return o;
}

void TTikzFlaeche::Befehl(const std::string& befehl, bool maskiert) {
    // What the screen combines by AND: white leaves the background, colour
    // darkens it, which is a multiply blend. The group keeps the blend mode
    // to this command; it must not be isolated, since an isolated group
    // starts from nothing and would have nothing to multiply.
    if (maskiert)
        inhalt_ +=
            "\\begin{scope}[transparency group={isolated=false}]\\pgfsetblendmode{multiply}" +
            befehl + "\\end{scope}\n";
    else
        inhalt_ += befehl + '\n';
}

void TTikzFlaeche::Schraffur(const std::string& pfad, TPunktCm min, TPunktCm max) {
    const int stil = pinsel_.Schraffur;
    const double d = Schraffurabstand;
    // Only the part inside the picture is seen.
    min = {std::max(min.x, 0.0), std::max(min.y, 0.0)};
    max = {std::min(max.x, groesse_.Breite / 1000.0), std::min(max.y, groesse_.Hoehe / 1000.0)};
    std::string striche;
    // Lines on multiples of the spacing, so that the pieces of one plane
    // continue each other's hatch.
    const auto reihe = [&](double von, double bis, auto strich) {
        for (long k = std::lround(std::ceil(von / d)); k * d <= bis; ++k)
            striche += strich(k * d);
    };
    if (stil == SchraffurWaagerecht || stil == SchraffurKreuz || stil < 0 ||
        stil > SchraffurDiagonalKreuz)
        reihe(min.y, max.y, [&](double y) {
            return Punkt({min.x, y}) + " -- " + Punkt({max.x, y}) + ' ';
        });
    if (stil == SchraffurSenkrecht || stil == SchraffurKreuz)
        reihe(min.x, max.x, [&](double x) {
            return Punkt({x, min.y}) + " -- " + Punkt({x, max.y}) + ' ';
        });
    if (stil == SchraffurFallend || stil == SchraffurDiagonalKreuz) // x + y = c, "\\\\"
        reihe(min.x + min.y, max.x + max.y, [&](double c) {
            return Punkt({c - max.y, max.y}) + " -- " + Punkt({c - min.y, min.y}) + ' ';
        });
    if (stil == SchraffurSteigend || stil == SchraffurDiagonalKreuz) // y - x = c, "////"
        reihe(min.y - max.x, max.y - min.x, [&](double c) {
            return Punkt({min.y - c, min.y}) + " -- " + Punkt({max.y - c, max.y}) + ' ';
        });
    std::string s = "\\begin{scope}\\clip " + pfad + ";";
    // Hatch lines on white, as a hatched plane hides what lies behind it;
    // masked, only the lines darken what is there.
    if (modus_ == TRasterModus::Kopieren) s += "\\fill[" + Farbname(Weiss) + "] " + pfad + ";";
    if (!striche.empty()) {
        striche.pop_back();
        s += "\\draw[" + Farbname(pinsel_.Farbe) + "] " + striche + ";";
    }
    Befehl(s + "\\end{scope}", modus_ == TRasterModus::Maskieren);
}

void TTikzFlaeche::Flaeche(const std::string& pfad, TPunktCm min, TPunktCm max) {
    std::string fuellung, deckkraft;
    switch (pinsel_.Art) {
    case TPinselArt::Leer:
        break;
    case TPinselArt::Voll:
        fuellung = Farbname(pinsel_.Farbe);
        break;
    case TPinselArt::Schraffur:
        Schraffur(pfad, min, max);
        break;
    case TPinselArt::Muster: {
        const double anteil = Anteil(pinsel_);
        if (modus_ == TRasterModus::Maskieren) {
            // The pattern's mean over what lies behind it: multiplied at the
            // share of its coloured dots. No dots leave the area unseen.
            if (anteil > 0) fuellung = Farbname(pinsel_.Farbe);
            if (anteil > 0 && anteil < 1) {
                char o[32];
                std::snprintf(o, sizeof o, ",fill opacity=%.3g", anteil);
                deckkraft = o;
            }
        } else {
            fuellung = Farbname(Mischfarbe(pinsel_.Farbe, anteil));
        }
        break;
    }
    }
    const bool maske = modus_ == TRasterModus::Maskieren;
    const std::string stift = StiftOptionen();
    if (fuellung.empty() && stift.empty()) return;
    if (stift.empty())
        Befehl("\\fill[" + fuellung + deckkraft + "] " + pfad + ";", maske);
    else if (fuellung.empty())
        Befehl("\\draw[" + stift + "] " + pfad + ";", maske);
    else if (stift_.Farbe == pinsel_.Farbe && pinsel_.Art == TPinselArt::Voll)
        Befehl("\\filldraw[" + stift + "] " + pfad + ";", maske); // one colour for both
    else
        Befehl("\\filldraw[fill=" + fuellung + deckkraft + ",draw=" + stift + "] " + pfad + ";",
               maske);
}

void TTikzFlaeche::Polygon(const TLogPunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    std::vector<TPunktCm> ecken;
    ecken.reserve(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        ecken.push_back(Cm(punkte[i]));
    const double b = groesse_.Breite / 1000.0, h = groesse_.Hoehe / 1000.0;
    ecken = PolygonKappen(std::move(ecken), {-Reichweite, -Reichweite},
                          {b + Reichweite, h + Reichweite});
    if (ecken.size() < 2) return;
    TPunktCm min = ecken[0], max = ecken[0];
    for (const TPunktCm& p : ecken) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y)};
    }
    Flaeche(PolygonPfad(ecken), min, max);
}

void TTikzFlaeche::Linie(TLogPunkt von, TLogPunkt bis) {
    const std::string stift = StiftOptionen();
    if (stift.empty()) return;
    TPunktCm a = Cm(von), b = Cm(bis);
    const double w = groesse_.Breite / 1000.0, h = groesse_.Hoehe / 1000.0;
    if (!StreckeKappen(a, b, {-Reichweite, -Reichweite}, {w + Reichweite, h + Reichweite})) return;
    Befehl("\\draw[" + stift + "] " + Punkt(a) + " -- " + Punkt(b) + ";",
           modus_ == TRasterModus::Maskieren);
}

void TTikzFlaeche::Ellipse(const TLogRechteck& r) {
    const TPunktCm a = Cm({r.links, r.unten}), b = Cm({r.rechts, r.oben});
    const TPunktCm m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double rx = std::fabs(b.x - a.x) / 2, ry = std::fabs(b.y - a.y) / 2;
    const double w = groesse_.Breite / 1000.0, h = groesse_.Hoehe / 1000.0;
    if (m.x - rx > w + Reichweite || m.x + rx < -Reichweite || m.y - ry > h + Reichweite ||
        m.y + ry < -Reichweite || rx > Reichweite || ry > Reichweite)
        return;
    const std::string form = CmZahl(rx) == CmZahl(ry)
                                 ? " circle (" + CmZahl(rx) + ")"
                                 : " ellipse (" + CmZahl(rx) + " and " + CmZahl(ry) + ")";
    Flaeche(Punkt(m) + form, {m.x - rx, m.y - ry}, {m.x + rx, m.y + ry});
}

void TTikzFlaeche::Rechteck(const TLogRechteck& r) {
    TPunktCm a = Cm({r.links, r.unten}), b = Cm({r.rechts, r.oben});
    // The outline inside the rectangle: its middle half a line width in.
    if (stift_.Stil != TStiftStil::Unsichtbar) {
        const double halb = std::max(stift_.Breite * s_, DuennsteLinieCm) / 2;
        a = {a.x + halb, a.y + halb};
        b = {b.x - halb, b.y - halb};
    }
    const double w = groesse_.Breite / 1000.0, h = groesse_.Hoehe / 1000.0;
    const auto inReichweite = [&](TPunktCm p) {
        return P{std::clamp(p.x, -Reichweite, w + Reichweite),
                 std::clamp(p.y, -Reichweite, h + Reichweite)};
    };
    a = inReichweite(a);
    b = inReichweite(b);
    Flaeche(Punkt(a) + " rectangle " + Punkt(b), a, b);
}

void TTikzFlaeche::Text(TLogPunkt linksOben, std::string_view text) {
    const std::string t = LatexText(text);
    if (t.empty() || schriftHoehe_ <= 0) return;
    const TPunktCm p = Cm(linksOben);
    const double w = groesse_.Breite / 1000.0, h = groesse_.Hoehe / 1000.0;
    if (p.x < -Reichweite || p.x > w + Reichweite || p.y < -Reichweite || p.y > h + Reichweite)
        return;
    // The scene gives the cell's height and its top-left corner; the node
    // stands on the baseline, one ascent below the top.
    const double geviertCm = schriftHoehe_ * s_ / ZelleProGeviert;
    const int groesse = std::max(1, static_cast<int>(std::lround(geviertCm * PunktProCm * 100)));
    const auto [stil, neu] =
        schriften_.try_emplace(groesse, static_cast<int>(schriften_.size()) + 1);
    (void)neu;
    const TPunktCm grundlinie{p.x, p.y - OberlaengeProGeviert * geviertCm};
    const std::string farbe = Farbname(schriftFarbe_);
    // Text is written over what is there, whatever the raster mode.
    Befehl("\\node[kvs" + std::to_string(stil->second) + ',' + farbe + "] at " + Punkt(grundlinie) +
               " {" + t + "};",
           false);
}

TTextmass TTikzFlaeche::Textmass(std::string_view text) {
    const double geviert = schriftHoehe_ / ZelleProGeviert;
    return {static_cast<int>(std::lround(Textbreite(text) * geviert / 1000)), schriftHoehe_};
}

std::string TTikzFlaeche::Bild() const {
    const std::string b = CmZahl(groesse_.Breite / 1000.0), h = CmZahl(groesse_.Hoehe / 1000.0);
    std::string s = "\\begin{tikzpicture}[x=1cm,y=1cm,line width=0.4pt,\n"
                    "  every node/.style={inner sep=0pt,outer sep=0pt,anchor=base west}";
    for (const auto& [groesse, nr] : schriften_) {
        char stil[160];
        std::snprintf(stil, sizeof stil,
                      ",\n  kvs%d/.style={font=\\sffamily\\fontsize{%d.%02d}{%d.%02d}\\selectfont}",
                      nr, groesse / 100, groesse % 100,
                      static_cast<int>(std::lround(groesse * ZelleProGeviert)) / 100,
                      static_cast<int>(std::lround(groesse * ZelleProGeviert)) % 100);
        s += stil;
    }
    s += "]\n";
    for (TFarbe f : farben_)
        s += "\\definecolor{kv" + Hex(f) + "}{RGB}{" + std::to_string(Rot(f)) + ',' +
             std::to_string(Gruen(f)) + ',' + std::to_string(Blau(f)) + "}\n";
    s += "\\useasboundingbox (0,0) rectangle (" + b + ',' + h + ");\n";
    s += "\\clip (0,0) rectangle (" + b + ',' + h + ");\n";
    s += inhalt_;
    s += "\\end{tikzpicture}%\n";
    return s;
}

std::string TTikzFlaeche::Datei() const {
    const std::string b = CmZahl(groesse_.Breite / 1000.0), h = CmZahl(groesse_.Hoehe / 1000.0);
    std::string s;
    s +=
        "% Grafik aus Kalvorin als TikZ-Bild für LaTeX, " + Seitenmass(groesse_.Breite) + " cm × " +
        Seitenmass(groesse_.Hoehe) +
        " cm, in UTF-8.\n"
        "%\n"
        "% Allein übersetzt (pdflatex DATEI.tex) gibt die Datei eine Seite in der Größe der "
        "Grafik.\n"
        "% Für ein Arbeitsblatt die Zeilen zwischen den Marken \"Anfang der Grafik\" und\n"
        "% \"Ende der Grafik\" in eine eigene Datei kopieren, etwa grafik.tex, und im "
        "Arbeitsblatt\n"
        "% \\input{grafik} schreiben. Dessen Präambel braucht \\usepackage{tikz}, für Umlaute in\n"
        "% den Namen auch \\usepackage[T1]{fontenc}. Die Namen stehen in der serifenlosen Schrift\n"
        "% des Dokuments.\n";
    s += "\\documentclass{article}\n"
         "\\usepackage[utf8]{inputenc}\n"
         "\\usepackage[T1]{fontenc}\n"
         "\\usepackage{lmodern}\n"
         "\\usepackage{tikz}\n"
         "\\pagestyle{empty}\n";
    s += "\\setlength{\\paperwidth}{" + b + "cm}\n\\setlength{\\paperheight}{" + h + "cm}\n";
    s += "\\ifdefined\\pdfpagewidth\\setlength{\\pdfpagewidth}{\\paperwidth}"
         "\\setlength{\\pdfpageheight}{\\paperheight}\\fi\n"
         "\\ifdefined\\pagewidth\\setlength{\\pagewidth}{\\paperwidth}\\setlength{\\pageheight}{"
         "\\paperheight}\\fi\n"
         "\\setlength{\\hoffset}{-1in}\\setlength{\\voffset}{-1in}\n"
         "\\setlength{\\oddsidemargin}{0pt}\\setlength{\\evensidemargin}{0pt}\\setlength{"
         "\\topmargin}{0pt}\n"
         "\\setlength{\\headheight}{0pt}\\setlength{\\headsep}{0pt}\\setlength{\\footskip}{0pt}\n"
         "\\setlength{\\textwidth}{\\paperwidth}\\setlength{\\textheight}{\\paperheight}\n"
         "\\setlength{\\topskip}{0pt}\\setlength{\\parindent}{0pt}\n"
         "\\begin{document}\n";
    s += std::string(TikzBildAnfang) + '\n';
    s += Bild();
    s += std::string(TikzBildEnde) + '\n';
    s += "\\end{document}\n";
    return s;
}

} // namespace kalvorin
