#pragma once
// The sizes of the graphic output (printer, metafile, clipboard, picture
// files) and the output options dialog's fields, without any window: what
// the dialog shows, what "O&k" stores, and how the print rectangle and the
// metafile's size follow from the options.
//
// Lengths on paper are in thousandths of a centimetre, which is the same as
// hundredths of a millimetre.

#include "math/Projektion.h"
#include "math/Tripel.h"
#include "view/Zeichenflaeche.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace kalvorin {

struct TAusgabeMass {
    std::int32_t Breite = 0;
    std::int32_t Hoehe = 0;
    friend bool operator==(const TAusgabeMass&, const TAusgabeMass&) = default;
};

// A rectangle on paper; y grows downwards, as on the printed page.
struct TAusgabeRechteck {
    std::int32_t links = 0, oben = 0, rechts = 0, unten = 0;
    std::int32_t Breite() const { return rechts - links; }
    std::int32_t Hoehe() const { return unten - oben; }
    friend bool operator==(const TAusgabeRechteck&, const TAusgabeRechteck&) = default;
};

// "Volles DIN A5-Format" and the limits "O&k" holds the size to.
inline constexpr std::int32_t AusgabeMaxBreite = 19000;
inline constexpr std::int32_t AusgabeMaxHoehe = 12850;
inline constexpr std::int32_t AusgabeMinSeite = 1000;

// The process-wide options, one instance for every view.
struct TAusgabeoptionen {
    std::uint8_t Modus = 0;
    TAusgabeRechteck Rechteck{0, 0, 10000, 7500};
    // Copies of the rectangle's right and bottom, 0 until the dialog is first confirmed.
    std::int32_t Breite = 0, Hoehe = 0;
    // "Mit Sphäre zeichnen": the dotted outline of the rotation sphere in
    // the printed, saved and copied pictures (never on the screen).
    bool MitSphaere = false;
    // "Maßstab 1 LE = 1 cm": the figure at that size on paper, trimmed to
    // what is drawn, names and tick numbers at the size of the settings.
    bool Massstab = false;
};

// What every view keeps of its own.
struct TFensterAusgabe {
    // The length of one unit in x and in y for true-to-scale output.
    Real EinheitX = 1, EinheitY = 1;
    // "Rand um die Grafik".
    bool Rand = false;
    // Where the picture goes on the paper.
    TAusgabeRechteck Druckrechteck{0, 0, 10000, 7500};
    // Centimetres to the unit at "Maßstab 1 LE = 1 cm": 1, or
    // MassstabHalbCm when the figure does not fit A4 at 1 and the user
    // chose half; asked again at every "O&k".
    double MassstabCm = 1;
};

// The texts and boxes of the options dialog.
struct TAusgabeFormular {
    std::string Breite, Hoehe;        // cm
    std::string xRichtung, yRichtung; // unit lengths
    // The boxes are not filled from the current state: they always open so.
    bool Rahmen = false;
    bool Sphaere = true;
    // Kept from one opening to the next; the label size is a setting.
    bool Massstab = false;
    int Schriftgroesse = 10; // pt
};

// The dialog as it opens: sizes in cm and the view's unit lengths, each with
// six significant digits and the user's decimal separator.
TAusgabeFormular AusgabeFormular(const TAusgabeoptionen& o, const TFensterAusgabe& f);
void AusgabeDinA5(TAusgabeFormular& formular);
// "Wie am Bildschirm": the view's size on the screen.
void AusgabeWieAmBildschirm(TAusgabeFormular& formular, TAusgabeMass bildschirm);

// "O&k": the sizes held to 1..19 cm and 1..12,85 cm, the unit lengths as
// typed. A field that is not a number is reported ("'x' ist kein gültiger
// Gleitkommawert") and nothing is stored; false then.
bool AusgabeUebernehmen(const TAusgabeFormular& formular, TAusgabeoptionen& o, TFensterAusgabe& f);

// Width and height in cm, held to the limits, in thousandths of a centimetre.
TAusgabeMass AusgabeBegrenzt(Real breiteCm, Real hoeheCm);

// The physical size of one screen pixel in thousandths of a millimetre,
// from a length in hundredths of a millimetre and its number of pixels.
int PixelGroesse(double hundertstelMillimeter, int pixel);
// Pixels on the screen as a length on paper.
TAusgabeMass BildschirmMass(double breitePixel, double hoehePixel, int pixelGroesseX,
                            int pixelGroesseY);

// The size narrowed or lowered to the aspect ratio of the logical window.
TAusgabeMass ImSeitenverhaeltnis(TAusgabeMass mass, const TLogRechteck& fenster);

// The print rectangle on a paper of the given printable size: an edge that
// starts beyond the paper starts at 90 % of it, an edge that ends beyond it
// ends at its edge; then narrowed or lowered to the picture's aspect ratio,
// keeping its top-left corner.
TAusgabeRechteck Druckrechteck(TAusgabeRechteck druck, TAusgabeMass papier,
                               const TLogRechteck& fenster);

// The metafile's size: the picture's size on the screen, in pixels, as a
// length on paper, in the picture's aspect ratio, and no side longer than a
// 16-bit metafile can hold.
TAusgabeMass MetadateiMass(const TLogRechteck& fenster, double bildBreitePixel,
                           double bildHoehePixel, int pixelGroesseX, int pixelGroesseY);

// The textbook view on paper: one world unit is one centimetre.
TAusgabeMass Heftmass(const TWeltRechteck& welt);

// ---------------------------------------------------------------------------
// "Maßstab 1 LE = 1 cm"

// The margin round the drawing, in centimetres.
inline constexpr double MassstabRandCm = 0.3;
// The cell of a text over its font size (ascent and descent of the face).
inline constexpr double ZelleProSchriftgroesse = 1.1172;
// The cell of names of the usual size, in centimetres: in the textbook view,
// and the colour of its squares (as Heftzeichnen.cpp draws them); in the
// design's view 0,025 of the window's smaller side.
inline constexpr double HeftNamenzelleCm = 0.45;
inline constexpr TFarbe HeftPapierfarbe = RGB(165, 205, 235);
inline constexpr double NamenzelleAnteil = 0.025;
// The size of names and tick numbers on paper: the settings' default, and
// what the options accept.
inline constexpr int AusgabeSchriftVorgabe = 10;
inline constexpr int AusgabeSchriftMin = 6, AusgabeSchriftMax = 24;
// A canvas that hands every call to another with the fonts scaled: texts
// up to the cell grund (names of the usual size and tick numbers) get the
// cell ziel, larger names grow in proportion.
class TSchriftFlaeche : public TZeichenflaeche {
public:
    TSchriftFlaeche(TZeichenflaeche& flaeche, double grund, double ziel)
        : z_(flaeche), grund_(std::max(grund, 1.0)), ziel_(ziel) {}
    void SetzeStift(const TStift& s) override { z_.SetzeStift(s); }
    void SetzePinsel(const TPinsel& p) override { z_.SetzePinsel(p); }
    void SetzeRasterModus(TRasterModus m) override { z_.SetzeRasterModus(m); }
    void SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) override;
    void Polygon(const TLogPunkt* p, int n) override { z_.Polygon(p, n); }
    void Linie(TLogPunkt von, TLogPunkt bis) override { z_.Linie(von, bis); }
    void Ellipse(const TLogRechteck& r) override { z_.Ellipse(r); }
    void Rechteck(const TLogRechteck& r) override { z_.Rechteck(r); }
    void Text(TLogPunkt p, std::string_view t) override { z_.Text(p, t); }
    TTextmass Textmass(std::string_view t) override { return z_.Textmass(t); }
    int GesetzteSchrifthoehe(int hoehe) const override {
        return z_.GesetzteSchrifthoehe(Hoehe(hoehe));
    }

private:
    int Hoehe(int hoehe) const;

    TZeichenflaeche& z_;
    double grund_, ziel_;
};

// The figure at 1 LE = 1 cm: the logical window trimmed to what the drawing
// covers (lines with their width, texts with their cells; the white page
// and the paper of the textbook view do not count) plus the margin, its
// size on paper, and the cells (logical units) that make names of the usual
// size and tick numbers the given size in points (see TSchriftFlaeche).
struct TMassstabBild {
    TLogRechteck Fenster;
    TAusgabeMass Groesse;
    double Grundzelle = 1, Schriftzelle = 1;
};
// cmProLE: one unit that many centimetres on paper (the margin and the
// fonts keep their size).
TMassstabBild MassstabBild(const TLogRechteck& fenster, const TWeltRechteck& welt, bool heft,
                           const std::function<void(TZeichenflaeche&)>& malen, int schriftPunkt,
                           double cmProLE = 1);

// A4 (21,0 x 29,7 cm, portrait or landscape) less 5 mm on every side: the
// edge that usual printers cannot print on is 3 to 5 mm wide.
inline constexpr TAusgabeMass A4Druckbereich{20000, 28700};
bool PasstAufA4(TAusgabeMass groesse);
// The smaller scale offered for a figure that does not fit A4 at 1 LE = 1 cm.
inline constexpr double MassstabHalbCm = 0.5;
// "28,0 × 19,0 cm": a size on paper to the millimetre, with the user's
// decimal separator.
std::string Papiermass(TAusgabeMass groesse);
// The scale for a figure of this size at 1 LE = 1 cm: 1 when it fits A4,
// else the user is asked whether to put it out at 1 LE = 0,5 cm
// (MassstabHalbCm, "Ja") or at its true size (1, "Nein").
double MassstabFuerA4(TAusgabeMass wahreGroesse);
// What the command line says of a figure that exceeds A4 at the scale.
std::string UeberA4Hinweis(TAusgabeMass groesse, double cmProLE);

// A length on paper at a resolution in dots per inch.
double InPixel(std::int32_t hundertstelMillimeter, double dpi);

} // namespace kalvorin
