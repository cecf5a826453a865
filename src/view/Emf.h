#pragma once
// The picture as an enhanced Windows metafile (".emf"), beside the 16-bit
// ".wmf": the same drawing calls as records of 32-bit coordinates in
// hundredths of a millimetre, text in UTF-16, and see-through fills as an
// alpha blend clipped to the polygon, which office programs show as the
// screen does (what lies behind stays visible) where they ignore raster
// operations. Where such a fill lies over a coloured fill drawn before, a
// second blend over the common part gives the darker colour the screen's
// AND makes of the two. The thinnest pen is half a point wide, the thin
// line of office programs, which they show dark at their usual zoom.

#include "view/Ausgabemasse.h"
#include "view/Kappen.h"
#include "view/Metadatei.h"
#include "view/Zeichenflaeche.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

class TEmfFlaeche : public TZeichenflaeche {
public:
    // The logical window fills the picture of the given size (hundredths of
    // a millimetre, each side at least 1), stretched if the proportions differ.
    TEmfFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse);

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

    // The whole file: header, the records so far and the end record.
    std::string Datei() const;
    int Datensaetze() const { return datensaetze_; }

private:
    using TP = TPunkt2D;
    TP Einheiten(TLogPunkt p) const;
    void Datensatz(std::uint32_t typ, const std::vector<std::uint32_t>& worte,
                   std::string_view anhang = {});
    void Objekt(int& aktuell, std::uint32_t typ, std::vector<std::uint32_t> worte,
                std::string_view anhang = {});
    void Punkte(std::uint32_t typ, const std::vector<TP>& punkte);
    // A see-through fill (the mask raster mode) as alpha blends, darker
    // where it lies over a coloured fill drawn before.
    void Durchsicht(const std::vector<TP>& ecken);
    void Merken(const std::vector<TP>& ecken, TMetaBild bild);
    // The colour at the constant alpha over the polygon, clipped to it.
    void Mischen(const std::vector<TP>& ecken, TFarbe farbe);

    TLogRechteck fenster_;
    TAusgabeMass groesse_;
    double sx_ = 1, sy_ = 1;
    std::string daten_;
    int datensaetze_ = 0;
    std::vector<bool> objekte_;
    int stift_ = -1, pinsel_ = -1, schrift_ = -1;
    TStift stiftWert_{};
    bool stiftGesetzt_ = false;
    TPinsel pinselWert_{};
    bool pinselGesetzt_ = false;
    TMetaBild pinselBild_{}; // how a solid or pattern brush looks
    std::vector<TMetaFuellung> flaechen_;
    TRasterModus modus_ = TRasterModus::Kopieren;
    int schriftHoehe_ = 0;
    TFarbe schriftFarbe_ = Schwarz;
    bool schriftFarbeGesetzt_ = false;
};

} // namespace kalvorin
