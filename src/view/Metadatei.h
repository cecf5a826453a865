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
// Where such a fill lies over a coloured fill drawn before, its lines there
// take the colour that gives, with the gaps, what the screen's AND makes of
// the two.
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

// How a fill looks on the screen: its colour on the dots of its 8 x 8
// pattern, which cover this share of it (1: solid), white between them.
// The scene's patterns lie on one grid, the sparser ones' dots among the
// denser ones'.
struct TMetaBild {
    TFarbe Farbe = Weiss;
    double Anteil = 1;
};
// Its mean shade.
TFarbe Mittel(TMetaBild b);
// What the screen's AND shows where the see-through fill `oben` lies over
// `unten`: on the mean, and as a pattern again where both are patterns of
// one share.
TMetaBild Maskiert(TMetaBild oben, TMetaBild unten);

// A fill drawn so far on a metafile canvas, with its box and its look, for
// the see-through fills drawn over it: the metafiles cannot multiply, so
// these darken by what they know lies beneath.
struct TMetaFuellung {
    std::vector<TPunkt2D> Ecken;
    TPunkt2D Min, Max;
    TMetaBild Bild;
};
TMetaFuellung MetaFuellung(std::vector<TPunkt2D> ecken, TMetaBild bild);
bool Ueberlappen(const TMetaFuellung& a, const TMetaFuellung& b);
// The part of the polygon inside the convex one (empty when that one is
// not convex).
std::vector<TPunkt2D> KonvexSchnitt(const std::vector<TPunkt2D>& ecken,
                                    const std::vector<TPunkt2D>& konvex);
// How many of the fills beneath a see-through one it is darkened for.
inline constexpr std::size_t MetaFuellungenDarunter = 24;
// The parts of the coloured fills drawn so far (`flaechen`, the latest on
// top, MetaFuellungenDarunter of them at most) that lie beneath the new
// fill, each cut to it: where a see-through fill is drawn once more.
std::vector<TMetaFuellung> FuellungenDarunter(const std::vector<TMetaFuellung>& flaechen,
                                              const TMetaFuellung& neu);
// Keeps a fill drawn on a metafile canvas for the see-through ones over it;
// a white fill only where it hides a coloured one.
void FuellungMerken(std::vector<TMetaFuellung>& flaechen, std::vector<TPunkt2D> ecken,
                    TMetaBild bild);

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

    // Lines covering a share of the area, of a width and so far apart.
    struct TSchraffurMass {
        double Breite, Abstand;
    };

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
    // A see-through fill (the mask raster mode) as lines of the brush's
    // colour, darker where they lie over a coloured fill drawn before.
    void Durchsicht(const std::vector<TPunktD>& ecken);
    void Linien(const std::vector<TPunktD>& ecken, const TSchraffurMass& mass, TFarbe farbe);
    void Merken(const std::vector<TPunktD>& ecken, TMetaBild bild);

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
    std::vector<TMetaFuellung> flaechen_;
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
