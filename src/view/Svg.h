#pragma once
// The picture as plain SVG, for office programs, whiteboard software and the
// browser: every drawing call becomes one shape (polygon, line, circle or
// ellipse, rect, text) whose look lies in presentation attributes alone
// (fill, stroke, stroke-width, stroke-dasharray, fill-opacity, font-family,
// font-size, shape-rendering). The file uses no style attribute, no CSS, no
// blend modes, no <use>, <symbol>, patterns or clip paths, which the simpler
// readers do not render. Lengths are in hundredths of a millimetre of the
// picture's size on paper (the viewBox); width and height give that size in
// centimetres.
//
// The mask raster mode, with which the screen darkens what lies behind,
// becomes the brush's colour at a fill opacity chosen so that on white it
// gives the screen's colour exactly and lets as much of what lies behind
// show through as that allows (DurchsichtAufWeiss). Hatches are drawn as
// lines cut to the polygon. Text goes in through the one XML escaping.

#include "view/Ausgabemasse.h"
#include "view/Kappen.h"
#include "view/Zeichenflaeche.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

// A see-through fill without blend modes: this colour at this opacity over
// white gives the screen's colour of the fill on white.
struct TDurchsicht {
    TFarbe Farbe = Weiss;
    double Deckkraft = 0; // 0 when the fill leaves everything unseen
};
// For the colour the screen's AND gives on white (the plane's colour, or a
// pattern's mean shade): the least opacity that gives it, the darkest
// channel of the colour becoming 0.
TDurchsicht DurchsichtAufWeiss(TFarbe aufWeiss);

class TSvgFlaeche : public TZeichenflaeche {
public:
    // The logical window fills the picture of the given size (hundredths of
    // a millimetre, at least 1) with equal scale, centred.
    TSvgFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse);

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

    // The whole file: the XML declaration, the svg element with its size,
    // a title and the shapes so far.
    std::string Datei() const;
    TAusgabeMass Groesse() const { return groesse_; }

    // A point in file units (hundredths of a millimetre, y downwards).
    TPunkt2D Einheiten(TLogPunkt p) const;

private:
    // The pen's attributes (stroke, width, dashes); empty when it draws nothing.
    std::string StiftAttribute() const;
    double Strichbreite() const;
    // The brush's fill attributes in the raster mode; empty for no fill.
    std::string FuellAttribute() const;
    // Fills and outlines a shape: `form` is its element name and geometry.
    void Form(const std::string& form, const std::vector<TPunkt2D>& umriss);
    void Schraffur(const std::vector<TPunkt2D>& ecken);

    TAusgabeMass groesse_;
    double s_ = 1, x0_ = 0, y0_ = 0; // units per logical unit and the picture's offset
    double links_ = 0, oben_ = 0;
    TStift stift_{};
    TPinsel pinsel_{};
    TRasterModus modus_ = TRasterModus::Kopieren;
    std::string schriftFamilie_ = "Arial";
    int schriftHoehe_ = 0;
    TFarbe schriftFarbe_ = Schwarz;
    std::string inhalt_;
};

} // namespace kalvorin
