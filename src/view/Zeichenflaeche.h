#pragma once
// The small canvas every picture of a view is drawn through: the screen, the
// off-screen bitmap of a drag, printers and image files all implement it, so
// the scene has one drawing code for all of them.
//
// Coordinates are logical units of the graph box; logical y grows upwards.

#include "math/Farbe.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvorin {

struct TLogPunkt {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const TLogPunkt&, const TLogPunkt&) = default;
};

// A logical rectangle; unten <= oben because y grows upwards.
struct TLogRechteck {
    std::int32_t links = 0, unten = 0, rechts = 0, oben = 0;
    std::int32_t Breite() const { return rechts - links; }
    std::int32_t Hoehe() const { return oben - unten; }
    friend bool operator==(const TLogRechteck&, const TLogRechteck&) = default;
};

// Pen styles; the first three are the auxiliary-line styles of the settings.
enum class TStiftStil : std::uint8_t {
    Durchgezogen = 0,
    Gestrichelt = 1,
    Punktiert = 2,
    Unsichtbar = 3,
};

struct TStift {
    TFarbe Farbe = Schwarz;
    int Breite = 1; // logical units; every target draws at least one device pixel
    TStiftStil Stil = TStiftStil::Durchgezogen;
};

// Hatch styles of planes; -1 means none.
enum TSchraffur : int {
    SchraffurKeine = -1,
    SchraffurWaagerecht = 0,
    SchraffurSenkrecht = 1,
    SchraffurFallend = 2,  // "\\\\"
    SchraffurSteigend = 3, // "////"
    SchraffurKreuz = 4,
    SchraffurDiagonalKreuz = 5,
};

enum class TPinselArt : std::uint8_t {
    Leer,      // no fill
    Voll,      // solid colour
    Schraffur, // hatch lines in the colour on white
    Muster,    // 8x8 device pixels: white, with the colour where a bit is set
};

struct TPinsel {
    TPinselArt Art = TPinselArt::Leer;
    TFarbe Farbe = Weiss;
    int Schraffur = SchraffurKeine;
    // Row 0 is the top row; bit 7 of a row is its leftmost pixel.
    std::array<std::uint8_t, 8> Muster{};
};

enum class TRasterModus : std::uint8_t {
    Kopieren,  // paint over what is there
    Maskieren, // combine with what is there by AND: white leaves it, colour darkens it
};

struct TTextmass {
    int Breite = 0; // logical units
    int Hoehe = 0;
};

class TZeichenflaeche {
public:
    virtual ~TZeichenflaeche() = default;

    virtual void SetzeStift(const TStift& stift) = 0;
    virtual void SetzePinsel(const TPinsel& pinsel) = 0;
    virtual void SetzeRasterModus(TRasterModus modus) = 0;
    // Font by family name; height is the cell height in logical units. Text
    // is always written with a transparent background.
    virtual void SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) = 0;

    // Filled with the brush and outlined with the pen.
    virtual void Polygon(const TLogPunkt* punkte, int anzahl) = 0;
    virtual void Linie(TLogPunkt von, TLogPunkt bis) = 0;
    // The axis-parallel lines of a grid (squared paper), `paare` pairs of
    // ends, all with the current pen: one Linie each, unless the canvas
    // knows a quicker way to the same look.
    virtual void Gitterlinien(const TLogPunkt* enden, int paare) {
        for (int i = 0; i < paare; ++i)
            Linie(enden[2 * i], enden[2 * i + 1]);
    }
    // The ellipse inside the rectangle, filled with the brush, outlined with the pen.
    virtual void Ellipse(const TLogRechteck& rahmen) = 0;
    // The rectangle, filled with the brush and outlined with the pen; the
    // outline lies inside it, on whole device pixels (a page frame).
    virtual void Rechteck(const TLogRechteck& rahmen) = 0;
    // UTF-8 text whose cell has its top-left corner at the point.
    virtual void Text(TLogPunkt linksOben, std::string_view text) = 0;
    virtual TTextmass Textmass(std::string_view text) = 0;
    // The cell height this canvas really sets text in that is asked for at
    // `hoehe` (a presentation's bigger names, a fixed size on paper): where
    // names are placed so as not to collide, they are measured at it.
    virtual int GesetzteSchrifthoehe(int hoehe) const { return hoehe; }
};

} // namespace kalvorin
