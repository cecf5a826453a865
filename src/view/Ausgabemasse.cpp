#include "view/Ausgabemasse.h"

#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "storage/Felder.h"
#include "zahlen/Zahlen.h"

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
    formular.Massstab = o.Massstab;
    formular.Schriftgroesse = Einstellungen().AusgabeSchriftgroesse;
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
    o.Massstab = formular.Massstab;
    Einstellungen().AusgabeSchriftgroesse =
        std::clamp(formular.Schriftgroesse, AusgabeSchriftMin, AusgabeSchriftMax);
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

int TSchriftFlaeche::Hoehe(int hoehe) const {
    const double h = std::max<double>(hoehe, grund_) * ziel_ / grund_;
    return std::max(1, static_cast<int>(std::lround(h)));
}

void TSchriftFlaeche::SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) {
    z_.SetzeSchrift(familie, Hoehe(hoehe), farbe);
}

namespace {

// Gathers the rectangle of everything drawn that is not white.
class TUmrissFlaeche : public TZeichenflaeche {
public:
    void SetzeStift(const TStift& s) override { stift_ = s; }
    void SetzePinsel(const TPinsel& p) override { pinsel_ = p; }
    void SetzeRasterModus(TRasterModus) override {}
    void SetzeSchrift(std::string_view, int hoehe, TFarbe) override { hoehe_ = hoehe; }
    void Polygon(const TLogPunkt* p, int n) override {
        const bool fuellt = pinsel_.Art != TPinselArt::Leer && pinsel_.Farbe != Weiss;
        for (int i = 0; i < n; ++i)
            if (fuellt)
                Punkt(p[i].x, p[i].y, 0);
            else
                Strich(p[i]);
    }
    void Linie(TLogPunkt von, TLogPunkt bis) override {
        Strich(von);
        Strich(bis);
    }
    void Ellipse(const TLogRechteck& r) override {
        Strich({r.links, r.unten});
        Strich({r.rechts, r.oben});
    }
    // The page and its frame.
    void Rechteck(const TLogRechteck&) override {}
    void Text(TLogPunkt p, std::string_view t) override {
        const TTextmass m = Textmass(t);
        Punkt(p.x, p.y, 0);
        Punkt(p.x + m.Breite, p.y - m.Hoehe, 0);
    }
    TTextmass Textmass(std::string_view t) override {
        // The advance widths of the sans-serif face, about 0.55 em a character.
        int zeichen = 0;
        for (char c : t)
            zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        const double geviert = hoehe_ / ZelleProSchriftgroesse;
        return {static_cast<int>(std::lround(zeichen * 0.6 * geviert)), hoehe_};
    }

    bool Leer() const { return links_ > rechts_; }
    TLogRechteck Rahmen() const {
        return {static_cast<std::int32_t>(std::floor(links_)),
                static_cast<std::int32_t>(std::floor(unten_)),
                static_cast<std::int32_t>(std::ceil(rechts_)),
                static_cast<std::int32_t>(std::ceil(oben_))};
    }
    // Lines of the colour of the textbook view's paper do not count.
    TFarbe Papier = Weiss;

private:
    void Strich(TLogPunkt p) {
        if (stift_.Stil == TStiftStil::Unsichtbar || stift_.Farbe == Weiss ||
            stift_.Farbe == Papier)
            return;
        Punkt(p.x, p.y, stift_.Breite / 2.0);
    }
    void Punkt(double x, double y, double r) {
        links_ = std::min(links_, x - r);
        rechts_ = std::max(rechts_, x + r);
        unten_ = std::min(unten_, y - r);
        oben_ = std::max(oben_, y + r);
    }
    TStift stift_{};
    TPinsel pinsel_{};
    int hoehe_ = 0;
    double links_ = 1e300, rechts_ = -1e300, unten_ = 1e300, oben_ = -1e300;
};

} // namespace

TMassstabBild MassstabBild(const TLogRechteck& fenster, const TWeltRechteck& welt, bool heft,
                           const std::function<void(TZeichenflaeche&)>& malen, int schriftPunkt,
                           double cmProLE) {
    TMassstabBild b;
    const TAusgabeMass ganz = Heftmass(welt);
    // Logical units to the unit, and to the centimetre on paper.
    const double proLE =
        ganz.Breite > 0 ? fenster.Breite() / (ganz.Breite / 1000.0) : fenster.Breite() / 10.0;
    const double proCm = proLE / (cmProLE > 0 ? cmProLE : 1);
    b.Schriftzelle = schriftPunkt / 72.0 * 2.54 * ZelleProSchriftgroesse * proCm;
    // The textbook view's names are as large as its squares, whatever the scale.
    b.Grundzelle = heft ? HeftNamenzelleCm * proLE
                        : NamenzelleAnteil * std::min(fenster.Breite(), fenster.Hoehe());

    TUmrissFlaeche umriss;
    if (heft) umriss.Papier = HeftPapierfarbe;
    {
        TSchriftFlaeche schrift(umriss, b.Grundzelle, b.Schriftzelle);
        malen(schrift);
    }
    if (umriss.Leer()) {
        b.Fenster = fenster;
    } else {
        const auto rand = static_cast<std::int32_t>(std::lround(MassstabRandCm * proCm));
        const TLogRechteck r = umriss.Rahmen();
        b.Fenster = {r.links - rand, r.unten - rand, r.rechts + rand, r.oben + rand};
    }
    b.Groesse = {
        std::max(1, static_cast<std::int32_t>(std::lround(b.Fenster.Breite() / proCm * 1000))),
        std::max(1, static_cast<std::int32_t>(std::lround(b.Fenster.Hoehe() / proCm * 1000)))};
    return b;
}

bool PasstAufA4(TAusgabeMass g) {
    const auto passt = [&](std::int32_t breite, std::int32_t hoehe) {
        return g.Breite <= breite && g.Hoehe <= hoehe;
    };
    return passt(A4Druckbereich.Breite, A4Druckbereich.Hoehe) ||
           passt(A4Druckbereich.Hoehe, A4Druckbereich.Breite);
}

namespace {
// Thousandths of a centimetre as centimetres to the millimetre.
std::string Zentimeter(std::int32_t laenge) {
    const long mm = std::lround(laenge / 100.0);
    return std::to_string(mm / 10) + Einstellungen().Dezimaltrenner + std::to_string(mm % 10);
}

std::string Massstabtext(double cmProLE) {
    return "1 LE = " + FormatGeneral(cmProLE, 6) + " cm";
}
} // namespace

std::string Papiermass(TAusgabeMass g) {
    return Zentimeter(g.Breite) + " × " + Zentimeter(g.Hoehe) + " cm";
}

double MassstabFuerA4(TAusgabeMass wahreGroesse) {
    if (PasstAufA4(wahreGroesse)) return 1;
    const TAntwort a =
        Meldungen().Frage("Die Figur passt bei " + Massstabtext(1) + " nicht auf eine A4-Seite (" +
                              Papiermass(wahreGroesse) + "). Soll sie im Maßstab " +
                              Massstabtext(MassstabHalbCm) + " ausgegeben werden?",
                          TFrageKnoepfe::JaNein);
    return a == TAntwort::Ja ? MassstabHalbCm : 1;
}

std::string UeberA4Hinweis(TAusgabeMass groesse, double cmProLE) {
    return "Die Figur ist bei " + Massstabtext(cmProLE) + " größer als eine A4-Seite (" +
           Papiermass(groesse) + "); sie wird in dieser Größe geschrieben.";
}

} // namespace kalvorin
