#pragma once
// The canvas on a QPainter: the screen, the off-screen bitmap of a drag,
// QImage for PNG files, and the vector targets (SVG, PDF, printers).
//
// Logical coordinates (y upwards) are mapped to device coordinates here and
// drawn with the painter's identity transform, so that text stands upright
// and 8x8 patterns stay aligned to device pixels as the planes' see-through
// patterns need.

#include "view/Zeichenflaeche.h"

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <string>
#include <vector>

namespace kalvorin {

class TQtZeichenflaeche : public TZeichenflaeche {
public:
    // How a target shows the mask raster mode.
    enum class TMaskenArt {
        RasterOp,       // AND with the destination (raster images and the screen)
        Multiplizieren, // the same shade by multiply composition
        Deckkraft,      // the colour at partial opacity (printers)
        // The colour at a marked opacity that the file's writer turns into a
        // multiply blend (PDF files, see PdfMischungEintragen).
        Kennung,
    };

    // The logical window is shown in the device rectangle with equal scale
    // in both directions (centred in the longer direction), or stretched.
    TQtZeichenflaeche(QPainter& painter, const TLogRechteck& fenster, const QRectF& geraet,
                      bool isotrop = true);
    // The same on a file's painter whose writer blends the masked fills.
    TQtZeichenflaeche(QPainter& painter, const TLogRechteck& fenster, const QRectF& geraet,
                      TMaskenArt art);
    ~TQtZeichenflaeche() override;

    void SetzeStift(const TStift& stift) override;
    void SetzePinsel(const TPinsel& pinsel) override;
    void SetzeRasterModus(TRasterModus modus) override;
    void SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) override;
    void Polygon(const TLogPunkt* punkte, int anzahl) override;
    void Linie(TLogPunkt von, TLogPunkt bis) override;
    void Gitterlinien(const TLogPunkt* enden, int paare) override;
    void Ellipse(const TLogRechteck& rahmen) override;
    void Rechteck(const TLogRechteck& rahmen) override;
    void Text(TLogPunkt linksOben, std::string_view text) override;
    TTextmass Textmass(std::string_view text) override;

    QPointF Geraet(TLogPunkt p) const {
        return {x0_ + (p.x - links_) * sx_, y0_ + (oben_ - p.y) * sy_};
    }
    TMaskenArt MaskenArt() const { return maskenArt_; }
    void SetzeMaskenArt(TMaskenArt art) {
        maskenArt_ = art;
        angewandt_ = false;
    }

private:
    void PinselAnwenden();
    QBrush Musterpinsel(const TPinsel& p);

    QPainter& p_;
    double mindestbreite_ = 1; // device pixels: one, and at least 0.25 pt
    double links_ = 0, oben_ = 0;
    double x0_ = 0, y0_ = 0, sx_ = 1, sy_ = 1;
    TMaskenArt maskenArt_ = TMaskenArt::RasterOp;
    bool ohneAlpha_ = false; // a raster image without alpha channel
    TPinsel pinsel_{};
    TRasterModus modus_ = TRasterModus::Kopieren;
    QFont schrift_;
    // The family and cell height schrift_ was made for: the names set the
    // same font again and again, and measuring it is costly.
    std::string schriftFamilie_;
    int schriftHoehe_ = -1;
    TFarbe schriftFarbe_ = Schwarz;
    // What the painter was last set to, and what was built for it.
    bool angewandt_ = false;
    TPinsel angewandterPinsel_{};
    TRasterModus angewandterModus_ = TRasterModus::Kopieren;
    struct TMusterpinsel {
        TFarbe Farbe;
        std::uint64_t Bits;
        QBrush Pinsel;
    };
    std::vector<TMusterpinsel> musterpinsel_;
};

// The opacity a masked solid fill is marked with for the file writers.
inline constexpr double MischKennung = 254 / 255.0;

// PDF files as QPdfWriter writes them: the masked
// fills (marked by their opacity) become multiply blends, the solid ones at
// full strength, so that what lies behind shows through darkened as on the
// screen. The PDF keeps its length, and so its cross-reference table.
void PdfMischungEintragen(QByteArray& pdf);

} // namespace kalvorin
