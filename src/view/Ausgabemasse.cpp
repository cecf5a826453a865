#include "view/Ausgabemasse.h"

#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "storage/Felder.h"
#include "storage/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvorin {

namespace {

std::string Zahl(Real x) {
    return FormatGeneral(x, 6);
}

std::int32_t Gerundet(double x) {
    constexpr double grenze = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::lround(std::clamp(x, -grenze, grenze)));
}

// The largest coordinate of a 16-bit metafile.
constexpr std::int32_t MetadateiMaxSeite = 32767;

Real Lesen(const std::string& text) {
    Real wert = 0;
    if (!TextZuReal(text, std::string_view(&Einstellungen().Dezimaltrenner, 1), wert))
        KeinGleitkommawert(text);
    return wert;
}

} // namespace

TAusgabeFormular AusgabeFormular(const TAusgabeoptionen& o, const TFensterAusgabe& f) {
    TAusgabeFormular formular;
    formular.xRichtung = Zahl(f.EinheitX);
    formular.yRichtung = Zahl(f.EinheitY);
    formular.Breite = Zahl(Real(o.Rechteck.Breite()) / 1000);
    formular.Hoehe = Zahl(Real(o.Rechteck.Hoehe()) / 1000);
    return formular;
}

void AusgabeDinA5(TAusgabeFormular& formular) {
    formular.Breite = Zahl(Real(AusgabeMaxBreite) / 1000);
    formular.Hoehe = Zahl(Real(AusgabeMaxHoehe) / 1000);
}

void AusgabeWieAmBildschirm(TAusgabeFormular& formular, TAusgabeMass bildschirm) {
    formular.Breite = Zahl(Real(bildschirm.Breite) / 1000);
    formular.Hoehe = Zahl(Real(bildschirm.Hoehe) / 1000);
}

TAusgabeMass AusgabeBegrenzt(Real breiteCm, Real hoeheCm) {
    const Real b = std::clamp<Real>(breiteCm, 1, Real(AusgabeMaxBreite) / 1000);
    const Real h = std::clamp<Real>(hoeheCm, 1, Real(AusgabeMaxHoehe) / 1000);
    return {static_cast<std::int32_t>(std::lround(b * 1000)),
            static_cast<std::int32_t>(std::lround(h * 1000))};
}

bool AusgabeUebernehmen(const TAusgabeFormular& formular, TAusgabeoptionen& o, TFensterAusgabe& f) {
    Real breite = 0, hoehe = 0, x = 0, y = 0;
    try {
        breite = Lesen(formular.Breite);
        hoehe = Lesen(formular.Hoehe);
        x = Lesen(formular.xRichtung);
        y = Lesen(formular.yRichtung);
    } catch (const EKonvertierungsfehler& e) {
        Meldungen().Meldung(e.what(), TMeldungsart::Fehler);
        return false;
    }
    const TAusgabeMass mass = AusgabeBegrenzt(breite, hoehe);
    o.Breite = mass.Breite;
    o.Hoehe = mass.Hoehe;
    o.Rechteck = {0, 0, mass.Breite, mass.Hoehe};
    o.Modus = 0;
    o.MitSphaere = formular.Sphaere;
    f.Druckrechteck = o.Rechteck;
    f.EinheitX = x;
    f.EinheitY = y;
    f.Rand = formular.Rahmen;
    return true;
}

int PixelGroesse(double hundertstelMillimeter, int pixel) {
    if (pixel <= 0) return 1;
    return std::max(1, static_cast<int>(std::lround(hundertstelMillimeter / pixel * 10)));
}

TAusgabeMass BildschirmMass(double breitePixel, double hoehePixel, int pixelGroesseX,
                            int pixelGroesseY) {
    // Thousandths of a millimetre per pixel, a tenth of that in thousandths of a centimetre.
    return {Gerundet(breitePixel * pixelGroesseX / 10), Gerundet(hoehePixel * pixelGroesseY / 10)};
}

TAusgabeMass ImSeitenverhaeltnis(TAusgabeMass m, const TLogRechteck& fenster) {
    const double lb = std::max(1, fenster.Breite()), lh = std::max(1, fenster.Hoehe());
    if (double(m.Breite) * lh > double(m.Hoehe) * lb)
        m.Breite = Gerundet(m.Hoehe * lb / lh);
    else
        m.Hoehe = Gerundet(m.Breite * lh / lb);
    return m;
}

TAusgabeRechteck Druckrechteck(TAusgabeRechteck r, TAusgabeMass papier,
                               const TLogRechteck& fenster) {
    if (r.links > papier.Breite) r.links = Gerundet(0.9 * papier.Breite);
    if (r.oben > papier.Hoehe) r.oben = Gerundet(0.9 * papier.Hoehe);
    r.rechts = std::min(r.rechts, papier.Breite);
    r.unten = std::min(r.unten, papier.Hoehe);
    const TAusgabeMass m =
        ImSeitenverhaeltnis({std::max(0, r.Breite()), std::max(0, r.Hoehe())}, fenster);
    r.rechts = r.links + m.Breite;
    r.unten = r.oben + m.Hoehe;
    return r;
}

TAusgabeMass MetadateiMass(const TLogRechteck& fenster, double bildBreitePixel,
                           double bildHoehePixel, int pixelGroesseX, int pixelGroesseY) {
    // Thousandths of a millimetre per pixel; the metafile counts hundredths.
    TAusgabeMass m{Gerundet(bildBreitePixel * pixelGroesseX / 10),
                   Gerundet(bildHoehePixel * pixelGroesseY / 10)};
    m.Breite = std::max(m.Breite, 1);
    m.Hoehe = std::max(m.Hoehe, 1);
    m = ImSeitenverhaeltnis(m, fenster);
    const std::int32_t laengste = std::max(m.Breite, m.Hoehe);
    if (laengste > MetadateiMaxSeite) {
        const auto kuerzen = [&](std::int32_t seite) {
            return seite == laengste ? MetadateiMaxSeite
                                     : static_cast<std::int32_t>(std::int64_t(seite) *
                                                                 MetadateiMaxSeite / laengste);
        };
        m = {kuerzen(m.Breite), kuerzen(m.Hoehe)};
    }
    return {std::max(m.Breite, 1), std::max(m.Hoehe, 1)};
}

double InPixel(std::int32_t hundertstelMillimeter, double dpi) {
    return hundertstelMillimeter * dpi / 2540.0;
}

TAusgabeMass Heftmass(const TWeltRechteck& welt) {
    return {static_cast<std::int32_t>(std::lround(std::fabs(welt.x2 - welt.x1) * 1000)),
            static_cast<std::int32_t>(std::lround(std::fabs(welt.y2 - welt.y1) * 1000))};
}

} // namespace kalvorin
