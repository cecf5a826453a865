#pragma once
// A canvas that records what is drawn, for checking the drawing code
// without a window system.

#include "view/Zeichenflaeche.h"

#include <string>
#include <vector>

namespace kalvorin::test {

struct TAufruf {
    enum Art { Polygon, Linie, Ellipse, Rechteck, Text } art;
    TStift stift;
    TPinsel pinsel;
    TRasterModus modus;
    int schrifthoehe = 0;
    TFarbe schriftfarbe = 0;
    std::vector<TLogPunkt> punkte;
    std::string text;
};

class TProtokollflaeche : public TZeichenflaeche {
public:
    std::vector<TAufruf> aufrufe;
    // Every "X" measures this much at any font height h: (h/2, h).
    TTextmass Textmass(std::string_view text) override {
        return {static_cast<int>(text.size()) * hoehe_ / 2, hoehe_};
    }
    void SetzeStift(const TStift& s) override { stift_ = s; }
    void SetzePinsel(const TPinsel& p) override { pinsel_ = p; }
    void SetzeRasterModus(TRasterModus m) override { modus_ = m; }
    void SetzeSchrift(std::string_view, int hoehe, TFarbe farbe) override {
        hoehe_ = hoehe;
        farbe_ = farbe;
    }
    void Polygon(const TLogPunkt* p, int n) override { Neu(TAufruf::Polygon, {p, p + n}); }
    void Linie(TLogPunkt a, TLogPunkt b) override { Neu(TAufruf::Linie, {a, b}); }
    void Ellipse(const TLogRechteck& r) override {
        Neu(TAufruf::Ellipse, {{r.links, r.unten}, {r.rechts, r.oben}});
    }
    void Rechteck(const TLogRechteck& r) override {
        Neu(TAufruf::Rechteck, {{r.links, r.unten}, {r.rechts, r.oben}});
    }
    void Text(TLogPunkt p, std::string_view t) override {
        Neu(TAufruf::Text, {p});
        aufrufe.back().text = std::string(t);
    }

    std::vector<TAufruf> Nur(TAufruf::Art art) const {
        std::vector<TAufruf> r;
        for (const TAufruf& a : aufrufe)
            if (a.art == art) r.push_back(a);
        return r;
    }

private:
    void Neu(TAufruf::Art art, std::vector<TLogPunkt> punkte) {
        aufrufe.push_back({art, stift_, pinsel_, modus_, hoehe_, farbe_, std::move(punkte), {}});
    }
    TStift stift_{};
    TPinsel pinsel_{};
    TRasterModus modus_ = TRasterModus::Kopieren;
    int hoehe_ = 0;
    TFarbe farbe_ = 0;
};

} // namespace kalvorin::test
