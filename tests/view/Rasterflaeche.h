#pragma once
// A canvas that paints into pixels without a window system, for looking at
// what a picture shows: polygons, ellipses and rectangles filled with their
// brush (solid, or the 8x8 pattern on device pixels, hatches as solid) and
// outlined with their pen, lines as wide as their pen, copied or combined by
// AND as the raster mode says. Text is left out; dashes are drawn solid.

#include "view/Zeichenflaeche.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kalvorin::test {

class TRasterflaeche : public TZeichenflaeche {
public:
    TRasterflaeche(const TLogRechteck& fenster, int seite)
        : fenster_(fenster), seite_(seite),
          pixel_(static_cast<std::size_t>(seite) * static_cast<std::size_t>(seite), Weiss) {}

    int Seite() const { return seite_; }
    TFarbe Pixel(int x, int y) const {
        return pixel_[static_cast<std::size_t>(y) * static_cast<std::size_t>(seite_) +
                      static_cast<std::size_t>(x)];
    }
    // The device position of a logical point (pixel centres lie at .5).
    double GeraetX(double x) const { return (x - fenster_.links) * seite_ / fenster_.Breite(); }
    double GeraetY(double y) const { return (fenster_.oben - y) * seite_ / fenster_.Hoehe(); }

    void SetzeStift(const TStift& s) override { stift_ = s; }
    void SetzePinsel(const TPinsel& p) override { pinsel_ = p; }
    void SetzeRasterModus(TRasterModus m) override { modus_ = m; }
    void SetzeSchrift(std::string_view, int hoehe, TFarbe) override { hoehe_ = hoehe; }
    TTextmass Textmass(std::string_view text) override {
        return {static_cast<int>(text.size()) * hoehe_ / 2, hoehe_};
    }
    void Text(TLogPunkt, std::string_view) override {}

    void Polygon(const TLogPunkt* p, int n) override {
        std::vector<TP> ecken;
        TP a{1e9, 1e9}, b{-1e9, -1e9};
        for (int i = 0; i < n; ++i) {
            ecken.push_back(Geraet(p[i]));
            a = {std::min(a.x, ecken.back().x), std::min(a.y, ecken.back().y)};
            b = {std::max(b.x, ecken.back().x), std::max(b.y, ecken.back().y)};
        }
        Fuellen(a, b, [&](double x, double y) { return InPolygon(ecken, x, y); });
        for (int i = 0; i < n; ++i)
            Linie(p[i], p[(i + 1) % n]);
    }
    void Linie(TLogPunkt a, TLogPunkt b) override {
        if (stift_.Stil == TStiftStil::Unsichtbar) return;
        const TP pa = Geraet(a), pb = Geraet(b);
        const double halb = std::max(0.5, StiftGeraet() / 2);
        Malen(
            pa, pb, halb, [&](double x, double y) { return Abstand(pa, pb, x, y) <= halb; },
            stift_.Farbe);
    }
    void Ellipse(const TLogRechteck& r) override {
        const TP a = Geraet({r.links, r.oben}), b = Geraet({r.rechts, r.unten});
        const double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
        const double rx = (b.x - a.x) / 2, ry = (b.y - a.y) / 2;
        if (rx <= 0 || ry <= 0) return;
        const auto wert = [&](double x, double y) {
            return std::hypot((x - mx) / rx, (y - my) / ry);
        };
        Fuellen(a, b, [&](double x, double y) { return wert(x, y) <= 1; });
        if (stift_.Stil == TStiftStil::Unsichtbar) return;
        const double halb = std::max(0.5, StiftGeraet() / 2);
        Malen(
            {mx - rx, my - ry}, {mx + rx, my + ry}, halb,
            [&](double x, double y) {
                // The distance from the outline, near enough for round shapes.
                return std::fabs(wert(x, y) - 1) * std::min(rx, ry) <= halb;
            },
            stift_.Farbe);
    }
    void Rechteck(const TLogRechteck& r) override {
        const TLogPunkt ecken[4] = {
            {r.links, r.unten}, {r.rechts, r.unten}, {r.rechts, r.oben}, {r.links, r.oben}};
        Polygon(ecken, 4);
    }

private:
    struct TP {
        double x, y;
    };
    TP Geraet(TLogPunkt p) const { return {GeraetX(p.x), GeraetY(p.y)}; }
    double StiftGeraet() const {
        return stift_.Breite * static_cast<double>(seite_) / fenster_.Breite();
    }

    static bool InPolygon(const std::vector<TP>& e, double x, double y) {
        bool innen = false;
        for (std::size_t i = 0, j = e.size() - 1; i < e.size(); j = i++)
            if ((e[i].y > y) != (e[j].y > y) &&
                x < (e[j].x - e[i].x) * (y - e[i].y) / (e[j].y - e[i].y) + e[i].x)
                innen = !innen;
        return innen;
    }
    static double Abstand(TP a, TP b, double x, double y) {
        const double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
        const double t = l == 0 ? 0 : std::clamp(((x - a.x) * dx + (y - a.y) * dy) / l, 0.0, 1.0);
        return std::hypot(x - a.x - t * dx, y - a.y - t * dy);
    }

    // The brush's colour at a device pixel, or none where it leaves it.
    bool Pinselfarbe(int x, int y, TFarbe& farbe) const {
        switch (pinsel_.Art) {
        case TPinselArt::Leer:
            return false;
        case TPinselArt::Voll:
        case TPinselArt::Schraffur:
            farbe = pinsel_.Farbe;
            return true;
        case TPinselArt::Muster:
            farbe = (pinsel_.Muster[static_cast<std::size_t>(y % 8)] >> (7 - x % 8)) & 1
                        ? pinsel_.Farbe
                        : Weiss;
            return true;
        }
        return false;
    }

    // Every pixel of the box from a to b whose centre lies inside.
    template <class F> void Fuellen(TP a, TP b, F innen) {
        if (pinsel_.Art == TPinselArt::Leer) return;
        Box(a, b, 0, [&](int x, int y) {
            TFarbe farbe;
            if (innen(x + 0.5, y + 0.5) && Pinselfarbe(x, y, farbe)) Setzen(x, y, farbe);
        });
    }
    template <class F> void Malen(TP a, TP b, double rand, F innen, TFarbe farbe) {
        Box(a, b, rand, [&](int x, int y) {
            if (innen(x + 0.5, y + 0.5)) Setzen(x, y, farbe);
        });
    }
    template <class F> void Box(TP a, TP b, double rand, F pixel) {
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - rand)));
        const int x1 = std::min(seite_ - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + rand)));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - rand)));
        const int y1 = std::min(seite_ - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + rand)));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                pixel(x, y);
    }
    void Setzen(int x, int y, TFarbe farbe) {
        TFarbe& p = pixel_[static_cast<std::size_t>(y) * static_cast<std::size_t>(seite_) +
                           static_cast<std::size_t>(x)];
        p = modus_ == TRasterModus::Maskieren ? (p & farbe) : farbe;
    }

    TLogRechteck fenster_;
    int seite_;
    std::vector<TFarbe> pixel_;
    TStift stift_{};
    TPinsel pinsel_{};
    TRasterModus modus_ = TRasterModus::Kopieren;
    int hoehe_ = 0;
};

} // namespace kalvorin::test
