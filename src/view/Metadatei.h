#pragma once
// The picture as a 16-bit Windows metafile with a placeable header, the form
// office programs import as a scalable drawing. The canvas records every
// drawing call as a metafile record; the file's units are hundredths of a
// millimetre (2540 to the inch), so the placeable header carries the
// physical size of the picture.
//
// See-through fills are drawn as lines of their colour (with the mask
// raster mode still set, for the programs that honour it), since office
// programs ignore the raster operation and would hide what lies behind.
//
// Text is written in Windows-1252 and measured with the advance widths of
// the sans-serif face the scene asks for, since no font is at hand here.

#include "view/Ausgabemasse.h"
#include "view/Kappen.h"
#include "view/Zeichenflaeche.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

class TMetadateiFlaeche : public TZeichenflaeche {
public:
    // The logical window fills the picture of the given size (hundredths of
    // a millimetre, each side 1..32767), stretched if the proportions differ.
    TMetadateiFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse);

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

    // The whole file: placeable header, metafile header, the records so far
    // and the end record. Drawing may go on afterwards.
    std::string Datei() const;
    TAusgabeMass Groesse() const { return groesse_; }
    int Datensaetze() const { return datensaetze_; }

    // A point in file units (y downwards), before rounding.
    using TPunktD = TPunkt2D;

private:
    TPunktD Einheiten(TLogPunkt p) const;
    TPunktD Seitenecke() const { return {double(groesse_.Breite), double(groesse_.Hoehe)}; }
    void Datensatz(std::uint16_t funktion, const std::vector<std::uint16_t>& worte);
    // Creates the object, selects it and deletes the one it replaces.
    void ObjektWaehlen(int& aktuell, std::uint16_t funktion,
                       const std::vector<std::uint16_t>& worte);
    void Farbe(std::uint16_t funktion, TFarbe farbe);
    void Hintergrund(bool deckend);
    void PolygonEinheiten(const std::vector<TPunktD>& punkte);
    void StiftWaehlen(std::uint16_t stil, std::uint16_t breite, TFarbe farbe);
    // A see-through fill (the mask raster mode) as lines of the brush's colour.
    void Durchsicht(const std::vector<TPunktD>& ecken);

    TLogRechteck fenster_;
    TAusgabeMass groesse_;
    double sx_ = 1, sy_ = 1;
    std::string daten_;
    int datensaetze_ = 0;
    std::uint32_t groessterDatensatz_ = 0;
    std::vector<bool> objekte_;
    int stift_ = -1, pinsel_ = -1, schrift_ = -1;
    TStift stiftWert_{};
    bool stiftGesetzt_ = false;
    TPinsel pinselWert_{};
    bool pinselGesetzt_ = false;
    TRasterModus modus_ = TRasterModus::Kopieren;
    bool deckend_ = false;
    int schriftHoehe_ = 0;
    TFarbe schriftFarbe_ = Schwarz;
    bool schriftFarbeGesetzt_ = false;
};

// Writes a picture file through the atomic replace, so that a failed write
// leaves an existing file as it was. Empty, or the message for the user
// (Schreibmeldung of a graphic: what failed and why).
std::string GrafikDateiSchreiben(const std::string& datei, std::string_view inhalt);

// The advance of the text in the sans-serif face, in thousandths of an em.
int Textbreite(std::string_view utf8);

} // namespace kalvorin
