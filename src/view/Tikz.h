#pragma once
// The picture as a LaTeX file with a TikZ picture, for worksheets: LaTeX
// sets it in the document's own fonts and it stays sharp at any size. The
// canvas writes every drawing call as a TikZ path in centimetres (three
// decimals at most, so the file stays small and diffs well); colours are
// defined once each, names and tick labels become sans-serif nodes.
//
// The mask raster mode becomes a multiply blend in a transparency group that
// is not isolated; an 8 x 8 pattern in that mode becomes a fill opacity of
// its share of coloured dots, which gives the pattern's mean brightness over
// any background. Hatches are drawn as clipped lines, so the picture needs no
// TikZ library.
//
// The file holds the picture alone between two marker lines, for \input
// into a worksheet, inside a minimal document that compiles on its own to a
// page of the picture's size.

#include "storage/Latex.h"
#include "view/Ausgabemasse.h"
#include "view/Kappen.h"
#include "view/Zeichenflaeche.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

// The marker lines round the picture.
inline constexpr std::string_view TikzBildAnfang = "% ---- Anfang der Grafik ----";
inline constexpr std::string_view TikzBildEnde = "% ---- Ende der Grafik ----";

class TTikzFlaeche : public TZeichenflaeche {
public:
    // The logical window fills the picture of the given size (thousandths
    // of a centimetre, at least 1) with equal scale, centred.
    TTikzFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse);

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

    // The tikzpicture environment alone, with its colours and styles.
    std::string Bild() const;
    // The whole file: the usage comment, the preamble and the picture
    // between the marker lines.
    std::string Datei() const;
    TAusgabeMass Groesse() const { return groesse_; }

    using TPunktCm = TPunkt2D;
    TPunktCm Cm(TLogPunkt p) const;

private:
    std::string Farbname(TFarbe f);
    std::string Punkt(TPunktCm p) const;
    std::string PolygonPfad(const std::vector<TPunktCm>& ecken) const;
    // The pen's options (colour, width, dashes); empty when it draws nothing.
    std::string StiftOptionen();
    // Fills and outlines a closed path with the brush and the pen, in the
    // raster mode; min and max bound the path, for the hatch lines.
    void Flaeche(const std::string& pfad, TPunktCm min, TPunktCm max);
    void Schraffur(const std::string& pfad, TPunktCm min, TPunktCm max);
    // One command; masked, in a multiply group of its own.
    void Befehl(const std::string& befehl, bool maskiert);

    TAusgabeMass groesse_;
    double s_ = 1, x0_ = 0, y0_ = 0; // cm per logical unit and the picture's offset
    double links_ = 0, unten_ = 0;
    TStift stift_{};
    TPinsel pinsel_{};
    TRasterModus modus_ = TRasterModus::Kopieren;
    int schriftHoehe_ = 0;
    TFarbe schriftFarbe_ = Schwarz;
    std::vector<TFarbe> farben_;   // in the order of first use
    std::map<int, int> schriften_; // font size in hundredths of a point -> style number
    std::string inhalt_;
};

// A length in centimetres with at most three decimals, without trailing zeros.
std::string CmZahl(double cm);

} // namespace kalvorin
