#pragma once
// The canvas on an HTML <canvas>: every drawing call goes to its
// CanvasRenderingContext2D. Logical coordinates (y upwards) are mapped to
// the canvas's pixels here, with equal scale in both directions, centred,
// as the desktop's view does.
//
// The mask raster mode (AND with what lies behind) becomes the context's
// "multiply" composition, which gives the same shade; hatches are lines
// clipped to the polygon on white, patterns an 8x8 pattern of the canvas.

#include "view/Zeichenflaeche.h"

#include <emscripten/val.h>

#include <string>

namespace kalvorin {

class TCanvasFlaeche : public TZeichenflaeche {
public:
    // kontext: the canvas's 2D context; breite and hoehe its size in pixels.
    TCanvasFlaeche(emscripten::val kontext, const TLogRechteck& fenster, double breite,
                   double hoehe);
    ~TCanvasFlaeche() override;

    void SetzeStift(const TStift& stift) override;
    void SetzePinsel(const TPinsel& pinsel) override;
    void SetzeRasterModus(TRasterModus modus) override;
    void SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) override;
    void Polygon(const TLogPunkt* punkte, int anzahl) override;
    void Linie(TLogPunkt von, TLogPunkt bis) override;
    void Ellipse(const TLogRechteck& rahmen) override;
    void Rechteck(const TLogRechteck& rahmen) override;
    void Text(TLogPunkt linksOben, std::string_view text) override;
    TTextmass Textmass(std::string_view text) override;

    double GeraetX(std::int32_t x) const { return x0_ + (x - links_) * s_; }
    double GeraetY(std::int32_t y) const { return y0_ + (oben_ - y) * s_; }

private:
    // The path of the current shape filled with the brush and outlined with
    // the pen.
    void Malen();
    void Schraffieren();

    emscripten::val k_;
    double links_ = 0, oben_ = 0;
    double x0_ = 0, y0_ = 0, s_ = 1;
    bool stiftSichtbar_ = true;
    TPinsel pinsel_{};
    TRasterModus modus_ = TRasterModus::Kopieren;
    std::string schrift_;
    double oberlaenge_ = 0; // pixels from the cell's top to the baseline
    double zelle_ = 0;      // the cell's height in pixels
    TFarbe schriftFarbe_ = Schwarz;
};

} // namespace kalvorin
