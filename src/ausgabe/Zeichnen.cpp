#include "ausgabe/Zeichnen.h"

#include "document/Dokument.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace kalvorin {

namespace {

// Hands everything on to the real canvas, with the pens, brushes and fonts
// of "Präsentation" and of high contrast.
class TDarstellungsFlaeche final : public TZeichenflaeche {
public:
    TDarstellungsFlaeche(TZeichenflaeche& ziel, const TZeichenOptionen& o) : ziel_(ziel), o_(o) {}

    void SetzeStift(const TStift& stift) override {
        // Hairlines (width 0: the leader lines from names to what they name)
        // stay thin and light in every mode: widened or darkened they would
        // look like segments of the figure.
        verlangt_ = stift;
        if (stift.Breite == 0) {
            ziel_.SetzeStift(stift);
            return;
        }
        TStift s = o_.Praesentation ? PraesentationsStift(stift) : stift;
        // The marks' halo keeps its bright colour: darkened it would vanish
        // against dark planes, where high contrast needs it most.
        if (o_.Kontrast && s.Farbe != Markierfarbe) s.Farbe = KontrastFarbe(s.Farbe);
        // Hairlines stay one pixel; every wider line grows with the font.
        if (o_.Schriftfaktor != 1 && s.Breite > 1)
            s.Breite = static_cast<int>(std::lround(s.Breite * o_.Schriftfaktor));
        ziel_.SetzeStift(s);
    }
    void SetzePinsel(const TPinsel& pinsel) override { ziel_.SetzePinsel(pinsel); }
    void SetzeRasterModus(TRasterModus modus) override { ziel_.SetzeRasterModus(modus); }
    void SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) override {
        ziel_.SetzeSchrift(familie, Hoehe(hoehe), o_.Kontrast ? KontrastFarbe(farbe) : farbe);
    }
    int GesetzteSchrifthoehe(int hoehe) const override {
        return ziel_.GesetzteSchrifthoehe(Hoehe(hoehe));
    }
    void Polygon(const TLogPunkt* punkte, int anzahl) override { ziel_.Polygon(punkte, anzahl); }
    void Linie(TLogPunkt von, TLogPunkt bis) override { ziel_.Linie(von, bis); }
    // The squared paper lies under the figure as on paper, in every mode:
    // widened or darkened its lines would cover the figure with bars.
    void Gitterlinien(const TLogPunkt* enden, int paare) override {
        const TStift umgesetzt = verlangt_;
        ziel_.SetzeStift(verlangt_);
        ziel_.Gitterlinien(enden, paare);
        SetzeStift(umgesetzt);
    }
    void Ellipse(const TLogRechteck& rahmen) override { ziel_.Ellipse(rahmen); }
    void Rechteck(const TLogRechteck& rahmen) override { ziel_.Rechteck(rahmen); }
    void Text(TLogPunkt linksOben, std::string_view text) override { ziel_.Text(linksOben, text); }
    TTextmass Textmass(std::string_view text) override { return ziel_.Textmass(text); }

private:
    int Hoehe(int hoehe) const {
        const double faktor =
            (o_.Praesentation ? o_.Namenfaktor : 1.0) * o_.Schriftfaktor * o_.Pixelverhaeltnis;
        return faktor != 1 ? static_cast<int>(std::lround(hoehe * faktor)) : hoehe;
    }

    TZeichenflaeche& ziel_;
    const TZeichenOptionen& o_;
    TStift verlangt_{}; // the pen as the drawing asked for it
};

// Relative luminance of a colour (0 black .. 1 white).
double Leuchtdichte(TFarbe c) {
    const auto linear = [](int k) {
        const double v = k / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(Rot(c)) + 0.7152 * linear(Gruen(c)) + 0.0722 * linear(Blau(c));
}

// A dashed frame round the picture of the element with the serial number.
void FokusZeichnen(const TDokument& d, TZeichenflaeche& f, int nummer) {
    const TDreiDBasisElement* e = nullptr;
    for (int i = 1; i <= d.Liste().Anzahl() && !e; ++i)
        if (d.Liste()[i]->Nummer == nummer) e = d.Liste()[i];
    if (!e || !e->sichtbar) return;
    const tGSzene& szene = d.Szene();
    const auto gehoert = [&](int objekt) {
        if (objekt < 1 || objekt > MaxSzenenObjekte) return false;
        if (e->Szenenobjekte.test(static_cast<std::size_t>(objekt))) return true;
        // A plane's edges are objects of their own.
        const TSzenenObjekt& o = szene.Objekt(objekt);
        return o.Art == TObjektArt::Rand && o.Ebene >= 1 && o.Ebene <= MaxSzenenObjekte &&
               e->Szenenobjekte.test(static_cast<std::size_t>(o.Ebene));
    };
    constexpr std::int32_t gross = std::numeric_limits<std::int32_t>::max();
    std::int32_t links = gross, unten = gross, rechts = -gross, oben = -gross;
    for (int nr = 1; nr <= szene.Stueckzahl(); ++nr) {
        const TStueck& s = szene.Stueck(nr);
        if (!gehoert(s.Objekt) || !szene.Objekt(s.Objekt).Gezeigt) continue;
        links = std::min(links, s.BildMin.x);
        unten = std::min(unten, s.BildMin.y);
        rechts = std::max(rechts, s.BildMax.x);
        oben = std::max(oben, s.BildMax.y);
    }
    if (links > rechts) return;
    constexpr std::int32_t abstand = 350;
    f.SetzeRasterModus(TRasterModus::Kopieren);
    f.SetzePinsel({});
    // White under black dashes: seen on every background.
    const TLogRechteck rahmen{links - abstand, unten - abstand, rechts + abstand, oben + abstand};
    f.SetzeStift({Weiss, 40, TStiftStil::Durchgezogen});
    f.Rechteck(rahmen);
    f.SetzeStift({Schwarz, 40, TStiftStil::Gestrichelt});
    f.Rechteck(rahmen);
}

// The scene with the marks when asked for.
void SzeneZeichnen(const TDokument& d, const tGSzene& szene, TZeichenflaeche& f,
                   const TZeichenOptionen& o) {
    if (!o.Markierungen) {
        szene.Zeichnen(f, nullptr, o.Praesentation);
        return;
    }
    TObjektmenge markiert;
    const TListe& l = d.Liste();
    for (int i = 1; i <= l.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *l[i];
        if (!e.markiert || !e.sichtbar) continue;
        // Bit 0 of the element's set means "none yet", never an object.
        for (int nr = 1; nr <= szene.Objektzahl() && nr <= MaxSzenenObjekte; ++nr)
            if (e.Szenenobjekte.test(static_cast<std::size_t>(nr)))
                markiert.set(static_cast<std::size_t>(nr));
    }
    szene.Zeichnen(f, &markiert, o.Praesentation);
}

// The scene without the elements left out: a copy whose objects of those
// elements are hidden the way the rebuild hides an invisible element.
tGSzene Gefiltert(const TDokument& d, const std::vector<int>& verborgen) {
    tGSzene szene = d.Szene();
    const TListe& l = d.Liste();
    for (int i = 1; i <= l.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *l[i];
        if (std::find(verborgen.begin(), verborgen.end(), e.Nummer) == verborgen.end()) continue;
        // Its helper lines go with it: nothing of a solution before its step.
        for (int nr = 1; nr <= szene.Objektzahl() && nr <= MaxSzenenObjekte; ++nr)
            if (e.Szenenobjekte.test(static_cast<std::size_t>(nr)) ||
                e.Hilfsobjekte.test(static_cast<std::size_t>(nr)))
                szene.SetzeGezeigt(nr, false);
    }
    return szene;
}

} // namespace

TStift PraesentationsStift(TStift s) {
    s.Breite = 2 * std::max(s.Breite, PraesentationMindestbreite);
    return s;
}

TFarbe KontrastFarbe(TFarbe c) {
    if (c == Weiss) return c; // the white border of lines stays white
    TFarbe v = VolleFarbe(c);
    // Darker until it stands out against white by 4.5 : 1 at least.
    for (int schritt = 0; schritt < 20 && (1.05 / (Leuchtdichte(v) + 0.05)) < 4.5; ++schritt)
        v = RGB(Rot(v) * 7 / 8, Gruen(v) * 7 / 8, Blau(v) * 7 / 8);
    return v;
}

void SeiteZeichnen(TZeichenflaeche& f, const TLogRechteck& seite, const TZeichenOptionen& o) {
    if (!o.GrauesFenster && !o.Seitenrahmen) return;
    // Width 0: one device pixel on every target, however large.
    f.SetzeStift({Schwarz, 0, TStiftStil::Durchgezogen});
    f.SetzeRasterModus(TRasterModus::Kopieren);
    if (o.GrauesFenster) {
        f.SetzePinsel({TPinselArt::Voll, RGB(128, 128, 128), SchraffurKeine, {}});
        f.Rechteck(seite);
    }
    if (o.Seitenrahmen) {
        f.SetzePinsel({});
        f.Rechteck(seite);
    }
}

void HeftansichtSetzen(TDokument& d, bool an) {
    if (Heftansicht(d) == an) return;
    d.ProjektionsartSetzen(an ? TProjektionsart::Heft : TProjektionsart::Schraeg);
}

bool Heftansicht(const TDokument& d) {
    return d.Szene().Heftansicht();
}

void DokumentZeichnen(const TDokument& d, TZeichenflaeche& f, const TZeichenOptionen& o) {
    SeiteZeichnen(f, d.Abbildung().LogischesFenster(), o);
    if (o.Kugel) d.Szene().KugelumrissZeichnen(f);
    std::optional<tGSzene> gefiltert;
    if (!o.Verborgen.empty()) gefiltert.emplace(Gefiltert(d, o.Verborgen));
    const tGSzene& szene = gefiltert ? *gefiltert : d.Szene();
    if (o.Praesentation || o.Kontrast || o.Schriftfaktor != 1 || o.Pixelverhaeltnis != 1) {
        TDarstellungsFlaeche darstellung(f, o);
        SzeneZeichnen(d, szene, darstellung, o);
    } else {
        SzeneZeichnen(d, szene, f, o);
    }
    if (o.Fokus != 0) FokusZeichnen(d, f, o.Fokus);
}

} // namespace kalvorin
