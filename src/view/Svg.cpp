#include "view/Svg.h"

#include "storage/Xml.h"
#include "view/Metadatei.h"
#include "view/Tikz.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace kalvorin {

namespace {

using P = TPunkt2D;

// The thinnest line, in hundredths of a millimetre: 0.4 pt, as in the TikZ
// picture, where the screen draws one device pixel.
constexpr double DuennsteLinie = 0.4 * 2540 / 72;
// Hatch lines this far apart and this wide: the eight screen pixels of a
// hatch brush with its one-pixel line, which gives the brush's mean shade.
constexpr double Schraffurabstand = 200;
constexpr double Schraffurbreite = Schraffurabstand / 8;
// How far shapes may reach beyond the page: what lies farther out is cut
// off, so that no coordinate grows without bound; the outlines on the cut
// edges stay out of sight.
constexpr double Rand = 1000;
// Cell height and ascent of the sans-serif face over its em square, as the
// scene measures its names.
constexpr double ZelleProGeviert = 1.1172;
constexpr double OberlaengeProGeviert = 0.905;

// A length or coordinate with at most one decimal.
std::string Zahl(double v) {
    if (!std::isfinite(v)) return "0";
    const long long z = std::llround(std::clamp(v, -1e9, 1e9) * 10);
    const unsigned long long b = static_cast<unsigned long long>(z < 0 ? -z : z);
    std::string s = (z < 0 ? "-" : "") + std::to_string(b / 10);
    if (b % 10 != 0) s += '.' + std::to_string(b % 10);
    return s;
}

std::string Hex(TFarbe f) {
    char b[8];
    std::snprintf(b, sizeof b, "#%02x%02x%02x", Rot(f), Gruen(f), Blau(f));
    return b;
}

std::string Attribut(std::string_view name, const std::string& wert) {
    return ' ' + std::string(name) + "=\"" + wert + '"';
}

int Punkte(const TPinsel& p) {
    int n = 0;
    for (std::uint8_t zeile : p.Muster)
        n += std::popcount(zeile);
    return n;
}

// What the screen shows of the brush on white: a pattern's dots mixed with
// the white between them.
TFarbe AufWeiss(const TPinsel& p) {
    if (p.Art != TPinselArt::Muster) return p.Farbe;
    const double anteil = Punkte(p) / 64.0;
    const auto k = [anteil](int c) {
        return static_cast<int>(std::lround(255 - anteil * (255 - c)));
    };
    return RGB(k(Rot(p.Farbe)), k(Gruen(p.Farbe)), k(Blau(p.Farbe)));
}

// The directions of the hatch lines of a style, in file units (y downwards).
std::vector<P> Schraffurrichtungen(int stil) {
    const double w = std::sqrt(0.5);
    switch (stil) {
    case SchraffurSenkrecht:
        return {{0, 1}};
    case SchraffurFallend: // "\\\\"
        return {{w, w}};
    case SchraffurSteigend: // "////"
        return {{w, -w}};
    case SchraffurKreuz:
        return {{1, 0}, {0, 1}};
    case SchraffurDiagonalKreuz:
        return {{w, w}, {w, -w}};
    default:
        return {{1, 0}};
    }
}

// The pieces of the lines of direction d, on multiples of the spacing
// across it (so that the pieces of one plane continue each other's hatch),
// that lie inside the polygon.
std::vector<std::pair<P, P>> Striche(const std::vector<P>& ecken, P d, double abstand) {
    const P n{-d.y, d.x};
    std::vector<P> uv;
    double vmin = 1e300, vmax = -1e300;
    for (const P& p : ecken) {
        uv.push_back({p.x * d.x + p.y * d.y, p.x * n.x + p.y * n.y});
        vmin = std::min(vmin, uv.back().y);
        vmax = std::max(vmax, uv.back().y);
    }
    std::vector<std::pair<P, P>> r;
    std::vector<double> schnitte;
    for (double k = std::ceil(vmin / abstand); k * abstand <= vmax; ++k) {
        const double v = k * abstand;
        schnitte.clear();
        for (std::size_t i = 0; i < uv.size(); ++i) {
            const P a = uv[i], b = uv[(i + 1) % uv.size()];
            if ((a.y <= v && v < b.y) || (b.y <= v && v < a.y))
                schnitte.push_back(a.x + (v - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(schnitte.begin(), schnitte.end());
        const auto punkt = [&](double u) { return P{u * d.x + v * n.x, u * d.y + v * n.y}; };
        for (std::size_t i = 0; i + 1 < schnitte.size(); i += 2)
            r.push_back({punkt(schnitte[i]), punkt(schnitte[i + 1])});
    }
    return r;
}

std::string Punkteliste(const std::vector<P>& ecken) {
    std::string s;
    for (const P& p : ecken) {
        if (!s.empty()) s += ' ';
        s += Zahl(p.x) + ',' + Zahl(p.y);
    }
    return s;
}

} // namespace

TDurchsicht DurchsichtAufWeiss(TFarbe aufWeiss) {
    // Over white, colour c at opacity a gives 255 - a (255 - c); the least
    // a for which every channel's c is at least 0 lets the most of what lies
    // behind show through, and over a dark line it leaves the darkest shade
    // a blend can give, as the screen's multiply leaves the line dark. The
    // opacity is rounded up to the three decimals the file holds, so that
    // the colours stay in range.
    const int tiefster = std::min({Rot(aufWeiss), Gruen(aufWeiss), Blau(aufWeiss)});
    const double a = std::ceil((255 - tiefster) / 255.0 * 1000) / 1000;
    if (a <= 0) return {Weiss, 0};
    const auto k = [a](int c) {
        return std::clamp(static_cast<int>(std::lround(255 - (255 - c) / a)), 0, 255);
    };
    return {RGB(k(Rot(aufWeiss)), k(Gruen(aufWeiss)), k(Blau(aufWeiss))), a};
}

TSvgFlaeche::TSvgFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse)
    : groesse_{std::max(groesse.Breite, 1), std::max(groesse.Hoehe, 1)} {
    const double b = groesse_.Breite, h = groesse_.Hoehe;
    const double lb = std::max(1, fenster.Breite()), lh = std::max(1, fenster.Hoehe());
    s_ = std::min(b / lb, h / lh);
    x0_ = (b - s_ * lb) / 2;
    y0_ = (h - s_ * lh) / 2;
    links_ = fenster.links;
    oben_ = fenster.oben;
}

TPunkt2D TSvgFlaeche::Einheiten(TLogPunkt p) const {
    return {x0_ + (p.x - links_) * s_, y0_ + (oben_ - p.y) * s_};
}

void TSvgFlaeche::SetzeStift(const TStift& stift) {
    stift_ = stift;
}
void TSvgFlaeche::SetzePinsel(const TPinsel& pinsel) {
    pinsel_ = pinsel;
}
void TSvgFlaeche::SetzeRasterModus(TRasterModus modus) {
    modus_ = modus;
}

void TSvgFlaeche::SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) {
    if (!familie.empty()) schriftFamilie_ = familie;
    schriftHoehe_ = std::max(hoehe, 0);
    schriftFarbe_ = farbe;
}

double TSvgFlaeche::Strichbreite() const {
    return std::max(stift_.Breite * s_, DuennsteLinie);
}

std::string TSvgFlaeche::StiftAttribute() const {
    if (stift_.Stil == TStiftStil::Unsichtbar) return {};
    const double w = Strichbreite();
    std::string a = Attribut("stroke", Hex(stift_.Farbe)) + Attribut("stroke-width", Zahl(w));
    // The screen's dashes and dots, in multiples of the line's width.
    if (stift_.Stil == TStiftStil::Gestrichelt)
        a += Attribut("stroke-dasharray", Zahl(4 * w) + ',' + Zahl(2 * w));
    else if (stift_.Stil == TStiftStil::Punktiert)
        a += Attribut("stroke-dasharray", Zahl(w) + ',' + Zahl(2 * w));
    return a;
}

std::string TSvgFlaeche::FuellAttribute() const {
    const bool maske = modus_ == TRasterModus::Maskieren;
    switch (pinsel_.Art) {
    case TPinselArt::Leer:
        return {};
    case TPinselArt::Schraffur:
        // The lines are drawn apart; a hatched plane hides what lies behind
        // it on white, a masked one only darkens it with its lines.
        return maske ? std::string{} : Attribut("fill", Hex(Weiss));
    case TPinselArt::Voll:
    case TPinselArt::Muster:
        break;
    }
    if (!maske) return Attribut("fill", Hex(AufWeiss(pinsel_)));
    if (pinsel_.Art == TPinselArt::Muster && Punkte(pinsel_) == 0) return {};
    const TDurchsicht d = DurchsichtAufWeiss(AufWeiss(pinsel_));
    if (d.Deckkraft <= 0) return {};
    char o[16];
    std::snprintf(o, sizeof o, "%.3g", d.Deckkraft);
    // Sharp edges: the pieces of one plane meet without a lighter seam,
    // as on the screen, where masked fills cover whole pixels.
    std::string a = Attribut("fill", Hex(d.Farbe));
    if (d.Deckkraft < 1) a += Attribut("fill-opacity", o);
    return a + Attribut("shape-rendering", "crispEdges");
}

void TSvgFlaeche::Form(const std::string& form, const std::vector<TPunkt2D>& umriss) {
    const std::string fuellung = FuellAttribute(), stift = StiftAttribute();
    if (pinsel_.Art != TPinselArt::Schraffur || umriss.empty()) {
        if (fuellung.empty() && stift.empty()) return;
        // SVG fills black where no fill is given.
        inhalt_ +=
            '<' + form + (fuellung.empty() ? Attribut("fill", "none") : fuellung) + stift + "/>\n";
        return;
    }
    // A hatch: the white beneath (unless masked), the lines, then the
    // outline over them, as the screen strokes after filling.
    if (!fuellung.empty()) inhalt_ += '<' + form + fuellung + "/>\n";
    Schraffur(umriss);
    if (!stift.empty()) inhalt_ += '<' + form + Attribut("fill", "none") + stift + "/>\n";
}

void TSvgFlaeche::Schraffur(const std::vector<TPunkt2D>& ecken) {
    for (const P& d : Schraffurrichtungen(pinsel_.Schraffur))
        for (const auto& [a, b] : Striche(ecken, d, Schraffurabstand))
            inhalt_ += "<line" + Attribut("x1", Zahl(a.x)) + Attribut("y1", Zahl(a.y)) +
                       Attribut("x2", Zahl(b.x)) + Attribut("y2", Zahl(b.y)) +
                       Attribut("stroke", Hex(pinsel_.Farbe)) +
                       Attribut("stroke-width", Zahl(Schraffurbreite)) + "/>\n";
}

void TSvgFlaeche::Polygon(const TLogPunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    std::vector<P> ecken;
    ecken.reserve(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        ecken.push_back(Einheiten(punkte[i]));
    ecken = PolygonKappen(std::move(ecken), {-Rand, -Rand},
                          {groesse_.Breite + Rand, groesse_.Hoehe + Rand});
    if (ecken.size() < 2) return;
    Form("polygon" + Attribut("points", Punkteliste(ecken)), ecken);
}

void TSvgFlaeche::Linie(TLogPunkt von, TLogPunkt bis) {
    const std::string stift = StiftAttribute();
    if (stift.empty()) return;
    P a = Einheiten(von), b = Einheiten(bis);
    if (!StreckeKappen(a, b, {-Rand, -Rand}, {groesse_.Breite + Rand, groesse_.Hoehe + Rand}))
        return;
    inhalt_ += "<line" + Attribut("x1", Zahl(a.x)) + Attribut("y1", Zahl(a.y)) +
               Attribut("x2", Zahl(b.x)) + Attribut("y2", Zahl(b.y)) + stift + "/>\n";
}

void TSvgFlaeche::Ellipse(const TLogRechteck& r) {
    const P a = Einheiten({r.links, r.oben}), b = Einheiten({r.rechts, r.unten});
    const P m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double rx = std::fabs(b.x - a.x) / 2, ry = std::fabs(b.y - a.y) / 2;
    const double w = groesse_.Breite, h = groesse_.Hoehe;
    if (m.x - rx > w + Rand || m.x + rx < -Rand || m.y - ry > h + Rand || m.y + ry < -Rand ||
        rx > 1e6 || ry > 1e6)
        return;
    const std::string mitte = Attribut("cx", Zahl(m.x)) + Attribut("cy", Zahl(m.y));
    if (Zahl(rx) == Zahl(ry))
        Form("circle" + mitte + Attribut("r", Zahl(rx)), {});
    else
        Form("ellipse" + mitte + Attribut("rx", Zahl(rx)) + Attribut("ry", Zahl(ry)), {});
}

void TSvgFlaeche::Rechteck(const TLogRechteck& r) {
    P a = Einheiten({r.links, r.oben}), b = Einheiten({r.rechts, r.unten});
    // The outline inside the rectangle: its middle half a line width in.
    if (stift_.Stil != TStiftStil::Unsichtbar) {
        const double halb = Strichbreite() / 2;
        a = {a.x + halb, a.y + halb};
        b = {b.x - halb, b.y - halb};
    }
    const auto aufSeite = [&](P p) {
        return P{std::clamp(p.x, -Rand, groesse_.Breite + Rand),
                 std::clamp(p.y, -Rand, groesse_.Hoehe + Rand)};
    };
    a = aufSeite(a);
    b = aufSeite(b);
    const P lo{std::min(a.x, b.x), std::min(a.y, b.y)}, ru{std::max(a.x, b.x), std::max(a.y, b.y)};
    Form("rect" + Attribut("x", Zahl(lo.x)) + Attribut("y", Zahl(lo.y)) +
             Attribut("width", Zahl(ru.x - lo.x)) + Attribut("height", Zahl(ru.y - lo.y)),
         {lo, {ru.x, lo.y}, ru, {lo.x, ru.y}});
}

void TSvgFlaeche::Text(TLogPunkt linksOben, std::string_view text) {
    const std::string t = XmlText(text);
    if (t.empty() || schriftHoehe_ <= 0) return;
    const P p = Einheiten(linksOben);
    const double w = groesse_.Breite, h = groesse_.Hoehe;
    if (p.x < -Rand || p.x > w + Rand || p.y < -Rand || p.y > h + Rand) return;
    // The scene gives the cell's height and its top-left corner; the text
    // stands on the baseline, one ascent below the top.
    const double geviert = schriftHoehe_ * s_ / ZelleProGeviert;
    inhalt_ += "<text" + Attribut("x", Zahl(p.x)) +
               Attribut("y", Zahl(p.y + OberlaengeProGeviert * geviert)) +
               Attribut("font-family", XmlText(schriftFamilie_) + ", sans-serif") +
               Attribut("font-size", Zahl(geviert)) + Attribut("fill", Hex(schriftFarbe_)) + '>' +
               t + "</text>\n";
}

TTextmass TSvgFlaeche::Textmass(std::string_view text) {
    const double geviert = schriftHoehe_ / ZelleProGeviert;
    return {static_cast<int>(std::lround(Textbreite(text) * geviert / 1000)), schriftHoehe_};
}

std::string TSvgFlaeche::Datei() const {
    const std::string b = Zahl(groesse_.Breite), h = Zahl(groesse_.Hoehe);
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" +
         Attribut("width", CmZahl(groesse_.Breite / 1000.0) + "cm") +
         Attribut("height", CmZahl(groesse_.Hoehe / 1000.0) + "cm") +
         Attribut("viewBox", "0 0 " + b + ' ' + h) + ">\n";
    s += "<title>Kalvorin</title>\n";
    s += inhalt_;
    s += "</svg>\n";
    return s;
}

} // namespace kalvorin
