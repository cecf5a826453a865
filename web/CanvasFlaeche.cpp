#include "web/CanvasFlaeche.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace kalvorin {

using emscripten::val;

namespace {

std::string Css(TFarbe f) {
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "#%02x%02x%02x", Rot(f), Gruen(f), Blau(f));
    return puffer;
}

// Device pixels between two hatch lines, as the desktop's hatch brushes.
constexpr double Schraffurabstand = 8;

} // namespace

TCanvasFlaeche::TCanvasFlaeche(val kontext, const TLogRechteck& fenster, double breite,
                               double hoehe)
    : k_(std::move(kontext)), links_(fenster.links), oben_(fenster.oben) {
    const double lb = std::max(1, fenster.Breite()), lh = std::max(1, fenster.Hoehe());
    s_ = std::min(breite / lb, hoehe / lh);
    x0_ = (breite - s_ * lb) / 2;
    y0_ = (hoehe - s_ * lh) / 2;
    k_.call<void>("save");
    k_.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
    // Flat ends: a line cut into pieces must not reach over the next piece.
    k_.set("lineCap", "butt");
    k_.set("lineJoin", "miter");
}

TCanvasFlaeche::~TCanvasFlaeche() {
    k_.call<void>("restore");
}

void TCanvasFlaeche::SetzeStift(const TStift& stift) {
    stiftSichtbar_ = stift.Stil != TStiftStil::Unsichtbar;
    if (!stiftSichtbar_) return;
    const double breite = std::max(1.0, stift.Breite * s_);
    k_.set("strokeStyle", Css(stift.Farbe));
    k_.set("lineWidth", breite);
    val striche = val::array();
    if (stift.Stil == TStiftStil::Gestrichelt) {
        striche.call<void>("push", 4 * breite);
        striche.call<void>("push", 2 * breite);
    } else if (stift.Stil == TStiftStil::Punktiert) {
        striche.call<void>("push", breite);
        striche.call<void>("push", 2 * breite);
    }
    k_.call<void>("setLineDash", striche);
}

void TCanvasFlaeche::SetzePinsel(const TPinsel& pinsel) {
    pinsel_ = pinsel;
    if (pinsel.Art == TPinselArt::Voll || pinsel.Art == TPinselArt::Schraffur) {
        // A hatched plane hides what lies behind it: white under its lines.
        k_.set("fillStyle", pinsel.Art == TPinselArt::Voll ? Css(pinsel.Farbe) : "#ffffff");
    } else if (pinsel.Art == TPinselArt::Muster) {
        val bild = val::global("document").call<val>("createElement", val("canvas"));
        bild.set("width", 8);
        bild.set("height", 8);
        val b = bild.call<val>("getContext", val("2d"));
        b.set("fillStyle", "#ffffff");
        b.call<void>("fillRect", 0, 0, 8, 8);
        b.set("fillStyle", Css(pinsel.Farbe));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (pinsel.Muster[static_cast<std::size_t>(y)] & (0x80 >> x))
                    b.call<void>("fillRect", x, y, 1, 1);
        k_.set("fillStyle", k_.call<val>("createPattern", bild, val("repeat")));
    }
}

void TCanvasFlaeche::SetzeRasterModus(TRasterModus modus) {
    modus_ = modus;
    k_.set("globalCompositeOperation",
           modus == TRasterModus::Maskieren ? "multiply" : "source-over");
}

void TCanvasFlaeche::SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) {
    schriftFarbe_ = farbe;
    // The height is that of the whole cell, ascent and descent together:
    // measured at 100 pixels and scaled.
    const std::string name = "\"" + std::string(familie) + "\", sans-serif";
    k_.set("font", "100px " + name);
    const val m = k_.call<val>("measureText", val("Hg"));
    const val auf = m["fontBoundingBoxAscent"], ab = m["fontBoundingBoxDescent"];
    const double a = auf.isNumber() ? auf.as<double>() : 92,
                 d = ab.isNumber() ? ab.as<double>() : 23;
    const double ziel = hoehe * s_;
    const double px = std::max(1.0, std::round(ziel * 100 / std::max(1.0, a + d)));
    oberlaenge_ = a * px / 100;
    zelle_ = (a + d) * px / 100;
    schrift_ = std::to_string(static_cast<int>(px)) + "px " + name;
}

void TCanvasFlaeche::Malen() {
    if (pinsel_.Art != TPinselArt::Leer) k_.call<void>("fill");
    if (pinsel_.Art == TPinselArt::Schraffur) Schraffieren();
    if (stiftSichtbar_) k_.call<void>("stroke");
}

void TCanvasFlaeche::Schraffieren() {
    // Lines in the brush's colour, clipped to the shape just filled white.
    k_.call<void>("save");
    k_.call<void>("clip");
    k_.call<void>("setLineDash", val::array());
    k_.set("strokeStyle", Css(pinsel_.Farbe));
    k_.set("lineWidth", 1);
    const double b = k_["canvas"]["width"].as<double>(), h = k_["canvas"]["height"].as<double>();
    const int s = pinsel_.Schraffur;
    k_.call<void>("beginPath");
    const auto strich = [&](double x1, double y1, double x2, double y2) {
        k_.call<void>("moveTo", x1, y1);
        k_.call<void>("lineTo", x2, y2);
    };
    if (s == SchraffurWaagerecht || s == SchraffurKreuz)
        for (double y = 0.5; y < h; y += Schraffurabstand)
            strich(0, y, b, y);
    if (s == SchraffurSenkrecht || s == SchraffurKreuz)
        for (double x = 0.5; x < b; x += Schraffurabstand)
            strich(x, 0, x, h);
    if (s == SchraffurFallend || s == SchraffurDiagonalKreuz)
        for (double x = -h; x < b; x += Schraffurabstand)
            strich(x, 0, x + h, h);
    if (s == SchraffurSteigend || s == SchraffurDiagonalKreuz)
        for (double x = 0; x < b + h; x += Schraffurabstand)
            strich(x, 0, x - h, h);
    k_.call<void>("stroke");
    k_.call<void>("restore");
}

void TCanvasFlaeche::Polygon(const TLogPunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    k_.call<void>("beginPath");
    k_.call<void>("moveTo", GeraetX(punkte[0].x), GeraetY(punkte[0].y));
    for (int i = 1; i < anzahl; ++i)
        k_.call<void>("lineTo", GeraetX(punkte[i].x), GeraetY(punkte[i].y));
    k_.call<void>("closePath");
    Malen();
}

void TCanvasFlaeche::Linie(TLogPunkt von, TLogPunkt bis) {
    if (!stiftSichtbar_) return;
    k_.call<void>("beginPath");
    k_.call<void>("moveTo", GeraetX(von.x), GeraetY(von.y));
    k_.call<void>("lineTo", GeraetX(bis.x), GeraetY(bis.y));
    k_.call<void>("stroke");
}

void TCanvasFlaeche::Ellipse(const TLogRechteck& r) {
    const double x1 = GeraetX(r.links), x2 = GeraetX(r.rechts);
    const double y1 = GeraetY(r.oben), y2 = GeraetY(r.unten);
    k_.call<void>("beginPath");
    k_.call<void>("ellipse", (x1 + x2) / 2, (y1 + y2) / 2, std::fabs(x2 - x1) / 2,
                  std::fabs(y2 - y1) / 2, 0, 0, 2 * std::numbers::pi);
    Malen();
}

void TCanvasFlaeche::Rechteck(const TLogRechteck& r) {
    // Half a pixel in from every edge: a one-pixel outline then covers the
    // outermost pixels inside the rectangle.
    const double x1 = std::round(GeraetX(r.links)) + 0.5, x2 = std::round(GeraetX(r.rechts)) - 0.5;
    const double y1 = std::round(GeraetY(r.oben)) + 0.5, y2 = std::round(GeraetY(r.unten)) - 0.5;
    k_.call<void>("beginPath");
    k_.call<void>("rect", x1, y1, x2 - x1, y2 - y1);
    Malen();
}

void TCanvasFlaeche::Text(TLogPunkt linksOben, std::string_view text) {
    k_.call<void>("save");
    k_.set("globalCompositeOperation", "source-over");
    k_.set("font", schrift_);
    k_.set("fillStyle", Css(schriftFarbe_));
    k_.set("textBaseline", "alphabetic");
    k_.call<void>("fillText", std::string(text), GeraetX(linksOben.x),
                  GeraetY(linksOben.y) + oberlaenge_);
    k_.call<void>("restore");
}

TTextmass TCanvasFlaeche::Textmass(std::string_view text) {
    k_.call<void>("save");
    k_.set("font", schrift_);
    const double breite = k_.call<val>("measureText", std::string(text))["width"].as<double>();
    k_.call<void>("restore");
    return {static_cast<int>(std::lround(breite / s_)), static_cast<int>(std::lround(zelle_ / s_))};
}

} // namespace kalvorin
