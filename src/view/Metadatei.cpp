#include "view/Metadatei.h"

#include "storage/Cp1252.h"
#include "storage/DateiErsetzen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kalvorin {

namespace {

// Record functions of the 16-bit metafile.
enum : std::uint16_t {
    MetaEnde = 0x0000,
    MetaSetBkMode = 0x0102,
    MetaSetMapMode = 0x0103,
    MetaSetRop2 = 0x0104,
    MetaSetPolyFillMode = 0x0106,
    MetaSelectObject = 0x012D,
    MetaSetTextAlign = 0x012E,
    MetaDibCreatePatternBrush = 0x0142,
    MetaDeleteObject = 0x01F0,
    MetaSetBkColor = 0x0201,
    MetaSetTextColor = 0x0209,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaCreatePenIndirect = 0x02FA,
    MetaCreateFontIndirect = 0x02FB,
    MetaCreateBrushIndirect = 0x02FC,
    MetaPolygon = 0x0324,
    MetaPolyline = 0x0325,
    MetaEllipse = 0x0418,
    MetaRectangle = 0x041B,
    MetaTextOut = 0x0521,
};

constexpr std::uint16_t MmAnisotrop = 8;
constexpr std::uint16_t HintergrundTransparent = 1, HintergrundDeckend = 2;
constexpr std::uint16_t R2Maskieren = 9, R2Kopieren = 13;
constexpr std::uint16_t FuellungAbwechselnd = 1;
constexpr std::uint16_t PinselVoll = 0, PinselLeer = 1, PinselSchraffur = 2, PinselDibMuster = 5;
constexpr std::uint16_t StiftVoll = 0, StiftStrich = 1, StiftPunkt = 2, StiftLeer = 5;
// Flat ends and mitred joins, as on the screen: a line cut into pieces must
// not have its white border reach over the neighbouring piece.
constexpr std::uint16_t StiftFlacheEnden = 0x0200, StiftSpitzeEcken = 0x2000;

constexpr std::uint32_t PlatzierbarKennung = 0x9AC6CDD7;
constexpr std::uint16_t EinheitenProZoll = 2540;

// The thinnest pen on paper: a quarter point, in hundredths of a millimetre.
// Readers lose pens of one unit (0,01 mm) or draw them as a hairline.
constexpr std::int32_t DuennsterStift = 9;

// See-through fills as lines of the colour, 45 degrees steep: readers that
// ignore the raster operation (office programs) show what lies behind
// through the gaps; lines covering the share of the screen's pattern give
// the same mean shade. Width and spacing in hundredths of a millimetre.
TMetadateiFlaeche::TSchraffurMass Durchsichtschraffur(const TPinsel& p) {
    if (p.Art == TPinselArt::Voll) return {40, 60}; // two thirds of the area
    int punkte = 0;
    for (std::uint8_t zeile : p.Muster)
        for (int b = 0; b < 8; ++b)
            punkte += (zeile >> b) & 1;
    if (punkte == 0) return {0, 0};
    // The share of coloured dots, with lines no thinner than the thinnest pen.
    const double anteil = punkte / 64.0;
    const double breite = std::max<double>(DuennsterStift, 40 * anteil);
    return {breite, breite / anteil};
}

// How a solid or pattern brush looks.
TMetaBild PinselBild(const TPinsel& p) {
    if (p.Art != TPinselArt::Muster) return {p.Farbe, 1};
    int punkte = 0;
    for (std::uint8_t zeile : p.Muster)
        for (int b = 0; b < 8; ++b)
            punkte += (zeile >> b) & 1;
    return {p.Farbe, punkte / 64.0};
}

// Cell height of the face over its em square (ascent and descent together).
constexpr double ZelleProGeviert = 1.1172;

// What a 16-bit coordinate can hold; the picture itself lies in 0..32767.
constexpr double KoordinateMin = -32767, KoordinateMax = 32767;

std::uint16_t Wort(std::int32_t v) {
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
}

std::int16_t Koordinate(double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, KoordinateMin, KoordinateMax)));
}

void Anhaengen16(std::string& s, std::uint16_t w) {
    s += static_cast<char>(w & 0xFF);
    s += static_cast<char>(w >> 8);
}

void Anhaengen32(std::string& s, std::uint32_t w) {
    Anhaengen16(s, static_cast<std::uint16_t>(w & 0xFFFF));
    Anhaengen16(s, static_cast<std::uint16_t>(w >> 16));
}

// The colour reference: red in the low byte, as the colour is held here.
std::array<std::uint16_t, 2> Farbworte(TFarbe f) {
    return {static_cast<std::uint16_t>(Rot(f) | (Gruen(f) << 8)),
            static_cast<std::uint16_t>(Blau(f))};
}

// Bytes packed into words, low byte first, padded to a whole word.
void BytesAnhaengen(std::vector<std::uint16_t>& worte, std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[i]);
        const auto hi = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        worte.push_back(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
}

// Advance widths of the printable ASCII characters, thousandths of an em.
constexpr std::array<std::uint16_t, 95> Breiten = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // ' '../
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0..?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @..O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P.._
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // `..o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,      // p..~
};

} // namespace

TFarbe Mittel(TMetaBild b) {
    const auto k = [a = b.Anteil](int c) {
        return static_cast<int>(std::lround(255 - a * (255 - c)));
    };
    return RGB(k(Rot(b.Farbe)), k(Gruen(b.Farbe)), k(Blau(b.Farbe)));
}

TMetaBild Maskiert(TMetaBild oben, TMetaBild unten) {
    // The screen combines each pixel's colour bit by bit.
    const auto und = [](TFarbe a, TFarbe b) { return static_cast<TFarbe>(a & b & 0xFFFFFF); };
    const auto mittel = [](double a, TFarbe x, double b, TFarbe y, TFarbe z) {
        const auto k = [&](int cx, int cy, int cz) {
            return static_cast<int>(std::lround(a * cx + b * cy + (1 - a - b) * cz));
        };
        return RGB(k(Rot(x), Rot(y), Rot(z)), k(Gruen(x), Gruen(y), Gruen(z)),
                   k(Blau(x), Blau(y), Blau(z)));
    };
    if (oben.Anteil >= 1 && unten.Anteil >= 1) return {und(oben.Farbe, unten.Farbe), 1};
    // A solid fill and a pattern: the two colours on the dots, the solid
    // one's in the gaps.
    if (oben.Anteil >= 1 || unten.Anteil >= 1) {
        const TMetaBild& voll = oben.Anteil >= 1 ? oben : unten;
        const TMetaBild& muster = oben.Anteil >= 1 ? unten : oben;
        return {mittel(muster.Anteil, und(voll.Farbe, muster.Farbe), 1 - muster.Anteil, voll.Farbe,
                       Weiss),
                1};
    }
    if (oben.Anteil == unten.Anteil) return {und(oben.Farbe, unten.Farbe), oben.Anteil};
    // Two patterns: the sparser one's dots on dots of the denser.
    const TMetaBild& duenn = oben.Anteil < unten.Anteil ? oben : unten;
    const TMetaBild& dicht = oben.Anteil < unten.Anteil ? unten : oben;
    return {mittel(duenn.Anteil, und(oben.Farbe, unten.Farbe), dicht.Anteil - duenn.Anteil,
                   dicht.Farbe, Weiss),
            1};
}

TMetaFuellung MetaFuellung(std::vector<TPunkt2D> ecken, TMetaBild bild) {
    TMetaFuellung f{std::move(ecken), {1e300, 1e300}, {-1e300, -1e300}, bild};
    for (const TPunkt2D& p : f.Ecken) {
        f.Min = {std::min(f.Min.x, p.x), std::min(f.Min.y, p.y)};
        f.Max = {std::max(f.Max.x, p.x), std::max(f.Max.y, p.y)};
    }
    return f;
}

bool Ueberlappen(const TMetaFuellung& a, const TMetaFuellung& b) {
    return a.Min.x < b.Max.x && b.Min.x < a.Max.x && a.Min.y < b.Max.y && b.Min.y < a.Max.y;
}

std::vector<TMetaFuellung> FuellungenDarunter(const std::vector<TMetaFuellung>& flaechen,
                                              const TMetaFuellung& neu) {
    std::vector<TMetaFuellung> darunter;
    std::size_t gesehen = 0;
    for (auto q = flaechen.rbegin(); q != flaechen.rend() && gesehen < MetaFuellungenDarunter;
         ++q) {
        if (!Ueberlappen(*q, neu)) continue;
        ++gesehen;
        if (Mittel(q->Bild) == Weiss) continue;
        std::vector<TPunkt2D> teil = KonvexSchnitt(neu.Ecken, q->Ecken);
        if (teil.size() >= 3) darunter.push_back(MetaFuellung(std::move(teil), q->Bild));
    }
    return darunter;
}

void FuellungMerken(std::vector<TMetaFuellung>& flaechen, std::vector<TPunkt2D> ecken,
                    TMetaBild bild) {
    TMetaFuellung neu = MetaFuellung(std::move(ecken), bild);
    if (Mittel(bild) == Weiss &&
        std::none_of(flaechen.begin(), flaechen.end(), [&](const TMetaFuellung& f) {
            return Mittel(f.Bild) != Weiss && Ueberlappen(f, neu);
        }))
        return;
    flaechen.push_back(std::move(neu));
}

std::vector<TPunkt2D> KonvexSchnitt(const std::vector<TPunkt2D>& ecken,
                                    const std::vector<TPunkt2D>& konvex) {
    using P = TPunkt2D;
    const std::size_t n = konvex.size();
    if (n < 3) return {};
    const auto kreuz = [](P a, P b, P c) {
        return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    };
    // The turn of the convex polygon; one that turns both ways is not.
    double richtung = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double k = kreuz(konvex[i], konvex[(i + 1) % n], konvex[(i + 2) % n]);
        if (std::fabs(k) < 1e-9) continue;
        if (richtung != 0 && (k > 0) != (richtung > 0)) return {};
        richtung = k;
    }
    if (richtung == 0) return {};
    // Cut by every edge in turn (Sutherland and Hodgman).
    std::vector<P> r = ecken;
    for (std::size_t i = 0; i < n && !r.empty(); ++i) {
        const P a = konvex[i], b = konvex[(i + 1) % n];
        std::vector<P> neu;
        for (std::size_t j = 0; j < r.size(); ++j) {
            const P p = r[j], q = r[(j + 1) % r.size()];
            const double kp = kreuz(a, b, p) * richtung, kq = kreuz(a, b, q) * richtung;
            if (kp >= 0) neu.push_back(p);
            if ((kp >= 0) != (kq >= 0)) {
                const double t = kp / (kp - kq);
                neu.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
            }
        }
        r = std::move(neu);
    }
    return r;
}

std::string GrafikDateiSchreiben(const std::string& datei, std::string_view inhalt) {
    return AusgabeSchreiben(TAusgabe::Grafik, datei, inhalt);
}

int Textbreite(std::string_view utf8) {
    int summe = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c < 0x7F)
            summe += Breiten[c - 0x20];
        else if ((c & 0xC0) != 0x80) // the first byte of any other character
            summe += 556;
    }
    return summe;
}

TMetadateiFlaeche::TMetadateiFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse)
    : fenster_(fenster), groesse_{std::clamp(groesse.Breite, 1, 32767),
                                  std::clamp(groesse.Hoehe, 1, 32767)} {
    sx_ = double(groesse_.Breite) / std::max(1, fenster.Breite());
    sy_ = double(groesse_.Hoehe) / std::max(1, fenster.Hoehe());
    Datensatz(MetaSetMapMode, {MmAnisotrop});
    Datensatz(MetaSetWindowOrg, {0, 0});
    Datensatz(MetaSetWindowExt, {Wort(groesse_.Hoehe), Wort(groesse_.Breite)});
    Datensatz(MetaSetBkMode, {HintergrundTransparent});
    Farbe(MetaSetBkColor, Weiss);
    Datensatz(MetaSetTextAlign, {0}); // the reference point is the cell's top-left corner
    Datensatz(MetaSetPolyFillMode, {FuellungAbwechselnd});
    Datensatz(MetaSetRop2, {R2Kopieren});
}

TMetadateiFlaeche::TPunktD TMetadateiFlaeche::Einheiten(TLogPunkt p) const {
    return {(double(p.x) - fenster_.links) * sx_, (double(fenster_.oben) - p.y) * sy_};
}

void TMetadateiFlaeche::Datensatz(std::uint16_t funktion, const std::vector<std::uint16_t>& worte) {
    const auto laenge = static_cast<std::uint32_t>(3 + worte.size());
    Anhaengen32(daten_, laenge);
    Anhaengen16(daten_, funktion);
    for (std::uint16_t w : worte)
        Anhaengen16(daten_, w);
    groessterDatensatz_ = std::max(groessterDatensatz_, laenge);
    ++datensaetze_;
}

void TMetadateiFlaeche::Farbe(std::uint16_t funktion, TFarbe farbe) {
    const auto f = Farbworte(farbe);
    Datensatz(funktion, {f[0], f[1]});
}

void TMetadateiFlaeche::ObjektWaehlen(int& aktuell, std::uint16_t funktion,
                                      const std::vector<std::uint16_t>& worte) {
    // A new object takes the lowest free place of the object table, as the
    // player counts them.
    const auto frei = std::find(objekte_.begin(), objekte_.end(), false);
    const int nr = static_cast<int>(frei - objekte_.begin());
    if (frei == objekte_.end())
        objekte_.push_back(true);
    else
        *frei = true;
    Datensatz(funktion, worte);
    Datensatz(MetaSelectObject, {static_cast<std::uint16_t>(nr)});
    if (aktuell >= 0) {
        Datensatz(MetaDeleteObject, {static_cast<std::uint16_t>(aktuell)});
        objekte_[static_cast<std::size_t>(aktuell)] = false;
    }
    aktuell = nr;
}

void TMetadateiFlaeche::Hintergrund(bool deckend) {
    if (deckend == deckend_) return;
    deckend_ = deckend;
    Datensatz(MetaSetBkMode, {deckend ? HintergrundDeckend : HintergrundTransparent});
}

void TMetadateiFlaeche::SetzeStift(const TStift& s) {
    if (stiftGesetzt_ && s.Farbe == stiftWert_.Farbe && s.Breite == stiftWert_.Breite &&
        s.Stil == stiftWert_.Stil)
        return;
    stiftWert_ = s;
    stiftGesetzt_ = true;
    std::uint16_t stil = StiftVoll;
    switch (s.Stil) {
    case TStiftStil::Gestrichelt:
        stil = StiftStrich;
        break;
    case TStiftStil::Punktiert:
        stil = StiftPunkt;
        break;
    case TStiftStil::Unsichtbar:
        stil = StiftLeer;
        break;
    default:
        break;
    }
    // Dashes and dots only show with the thinnest pen (width 0, one device
    // pixel); every other pen is at least a quarter point wide.
    const long mindestens = stil == StiftVoll ? DuennsterStift : 0;
    const auto breite = static_cast<std::uint16_t>(std::clamp<long>(
        std::max(mindestens, std::lround(s.Breite * std::min(sx_, sy_))), 0, 32767));
    StiftWaehlen(stil, breite, s.Farbe);
}

void TMetadateiFlaeche::StiftWaehlen(std::uint16_t stil, std::uint16_t breite, TFarbe farbe) {
    const auto f = Farbworte(farbe);
    ObjektWaehlen(stift_, MetaCreatePenIndirect,
                  {static_cast<std::uint16_t>(stil | StiftFlacheEnden | StiftSpitzeEcken), breite,
                   0, f[0], f[1]});
}

void TMetadateiFlaeche::Merken(const std::vector<TPunktD>& ecken, TMetaBild bild) {
    FuellungMerken(flaechen_, ecken, bild);
}

void TMetadateiFlaeche::Durchsicht(const std::vector<TPunktD>& ecken) {
    const TSchraffurMass mass = Durchsichtschraffur(pinselWert_);
    if (mass.Abstand <= 0 || ecken.size() < 3) return;
    // Lines of a colour L covering the share s of the area over a fill of
    // the mean shade B give s L + (1 - s) B; for the screen's shade Z there
    // L = (Z - (1 - s) B) / s, as near as the channels allow. On white
    // that makes a solid fill's lines darker than the plane.
    const TMetaBild bild = PinselBild(pinselWert_);
    const double s = mass.Breite / mass.Abstand;
    const auto linienfarbe = [s](TFarbe ziel, TFarbe b) {
        const auto k = [s](int z, int c) {
            return std::clamp(static_cast<int>(std::lround((z - (1 - s) * c) / s)), 0, 255);
        };
        return RGB(k(Rot(ziel), Rot(b)), k(Gruen(ziel), Gruen(b)), k(Blau(ziel), Blau(b)));
    };
    // On white exactly: L = 255 - (255 - c) a / s for the colour c on the
    // share a of dots, which is c itself for a pattern.
    const auto aufWeiss = [&](int c) {
        return std::clamp(static_cast<int>(std::lround(255 - (255 - c) * bild.Anteil / s)), 0, 255);
    };
    Linien(ecken, mass,
           RGB(aufWeiss(Rot(bild.Farbe)), aufWeiss(Gruen(bild.Farbe)), aufWeiss(Blau(bild.Farbe))));
    // Where a coloured fill drawn before lies beneath (the latest on top, a
    // few of them only), the same lines once more in the colour for it.
    TMetaFuellung fuellung = MetaFuellung(ecken, bild);
    std::vector<TMetaFuellung> darunter = FuellungenDarunter(flaechen_, fuellung);
    flaechen_.push_back(std::move(fuellung));
    for (auto q = darunter.rbegin(); q != darunter.rend(); ++q) {
        const TMetaBild zusammen = Maskiert(bild, q->Bild);
        Linien(q->Ecken, mass, linienfarbe(Mittel(zusammen), Mittel(q->Bild)));
        q->Bild = zusammen;
        flaechen_.push_back(std::move(*q));
    }
    stiftGesetzt_ = false; // the scene's next pen is made again
}

void TMetadateiFlaeche::Linien(const std::vector<TPunktD>& ecken, const TSchraffurMass& mass,
                               TFarbe farbe) {
    // In turned coordinates: u along the lines, v across them.
    const double w = std::sqrt(0.5);
    std::vector<TPunktD> uv;
    uv.reserve(ecken.size());
    double vmin = 1e300, vmax = -1e300;
    for (const TPunktD& p : ecken) {
        uv.push_back({(p.x + p.y) * w, (p.y - p.x) * w});
        vmin = std::min(vmin, uv.back().y);
        vmax = std::max(vmax, uv.back().y);
    }
    StiftWaehlen(StiftVoll, static_cast<std::uint16_t>(std::lround(mass.Breite)), farbe);
    std::vector<double> schnitte;
    // Lines on a grid fixed to the page, so that neighbouring pieces of a
    // plane join without a seam.
    for (double v = std::ceil(vmin / mass.Abstand) * mass.Abstand; v <= vmax; v += mass.Abstand) {
        schnitte.clear();
        for (std::size_t i = 0; i < uv.size(); ++i) {
            const TPunktD a = uv[i], b = uv[(i + 1) % uv.size()];
            if ((a.y <= v && v < b.y) || (b.y <= v && v < a.y))
                schnitte.push_back(a.x + (v - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(schnitte.begin(), schnitte.end());
        for (std::size_t i = 0; i + 1 < schnitte.size(); i += 2) {
            TPunktD von{(schnitte[i] - v) * w, (schnitte[i] + v) * w};
            TPunktD bis{(schnitte[i + 1] - v) * w, (schnitte[i + 1] + v) * w};
            if (!StreckeKappen(von, bis, {0, 0}, Seitenecke())) continue;
            Datensatz(MetaPolyline, {2, static_cast<std::uint16_t>(Koordinate(von.x)),
                                     static_cast<std::uint16_t>(Koordinate(von.y)),
                                     static_cast<std::uint16_t>(Koordinate(bis.x)),
                                     static_cast<std::uint16_t>(Koordinate(bis.y))});
        }
    }
}

void TMetadateiFlaeche::SetzePinsel(const TPinsel& p) {
    if (pinselGesetzt_ && p.Art == pinselWert_.Art && p.Farbe == pinselWert_.Farbe &&
        p.Schraffur == pinselWert_.Schraffur && p.Muster == pinselWert_.Muster)
        return;
    pinselWert_ = p;
    pinselGesetzt_ = true;
    const auto f = Farbworte(p.Farbe);
    switch (p.Art) {
    case TPinselArt::Leer:
        ObjektWaehlen(pinsel_, MetaCreateBrushIndirect, {PinselLeer, 0, 0, 0});
        break;
    case TPinselArt::Voll:
        ObjektWaehlen(pinsel_, MetaCreateBrushIndirect, {PinselVoll, f[0], f[1], 0});
        break;
    case TPinselArt::Schraffur:
        // The hatch styles are numbered as the metafile numbers them.
        ObjektWaehlen(pinsel_, MetaCreateBrushIndirect,
                      {PinselSchraffur, f[0], f[1],
                       static_cast<std::uint16_t>(std::clamp(p.Schraffur, 0, 5))});
        break;
    case TPinselArt::Muster: {
        // An 8 x 8 device-independent bitmap of one bit per pixel: colour 0
        // white, colour 1 the brush's; rows bottom up, each padded to 4 bytes.
        std::string dib;
        Anhaengen32(dib, 40);
        Anhaengen32(dib, 8);
        Anhaengen32(dib, 8);
        Anhaengen16(dib, 1);
        Anhaengen16(dib, 1);
        Anhaengen32(dib, 0);  // uncompressed
        Anhaengen32(dib, 32); // image bytes
        Anhaengen32(dib, 0);
        Anhaengen32(dib, 0);
        Anhaengen32(dib, 2);
        Anhaengen32(dib, 0);
        dib += std::string("\xFF\xFF\xFF\x00", 4);
        dib += static_cast<char>(Blau(p.Farbe));
        dib += static_cast<char>(Gruen(p.Farbe));
        dib += static_cast<char>(Rot(p.Farbe));
        dib += '\0';
        for (int zeile = 7; zeile >= 0; --zeile) {
            dib += static_cast<char>(p.Muster[static_cast<std::size_t>(zeile)]);
            dib += std::string(3, '\0');
        }
        std::vector<std::uint16_t> worte{PinselDibMuster, 0};
        BytesAnhaengen(worte, dib);
        ObjektWaehlen(pinsel_, MetaDibCreatePatternBrush, worte);
        break;
    }
    }
}

void TMetadateiFlaeche::SetzeRasterModus(TRasterModus modus) {
    if (modus == modus_) return;
    modus_ = modus;
    Datensatz(MetaSetRop2, {modus == TRasterModus::Maskieren ? R2Maskieren : R2Kopieren});
}

void TMetadateiFlaeche::SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) {
    if (schrift_ < 0 || hoehe != schriftHoehe_) {
        schriftHoehe_ = hoehe;
        // A positive height is the cell height, as the scene gives it.
        const auto h =
            static_cast<std::uint16_t>(std::clamp<long>(std::lround(hoehe * sy_), 1, 32767));
        std::vector<std::uint16_t> worte{h, 0, 0, 0, 400};
        // Italic, underline, strike-out, character set (Western), precision,
        // clipping, quality, and a variable-pitch sans-serif family.
        BytesAnhaengen(worte, std::string("\0\0\0\0\0\0\0\x22", 8));
        std::string name(familie.substr(0, 31));
        name.resize(32, '\0');
        BytesAnhaengen(worte, name);
        ObjektWaehlen(schrift_, MetaCreateFontIndirect, worte);
    }
    if (!schriftFarbeGesetzt_ || farbe != schriftFarbe_) {
        schriftFarbe_ = farbe;
        schriftFarbeGesetzt_ = true;
        Farbe(MetaSetTextColor, farbe);
    }
}

void TMetadateiFlaeche::PolygonEinheiten(const std::vector<TPunktD>& ein) {
    // Cut to the page: a far corner must not bend the edges that are to be
    // seen, and readers that size the picture by what is drawn (libwmf)
    // must find nothing beyond the page.
    using P = TPunktD;
    const auto punkte = PolygonKappen(ein, {0, 0}, Seitenecke());
    if (punkte.size() < 2) return;
    std::vector<std::uint16_t> worte{static_cast<std::uint16_t>(punkte.size())};
    for (const P& p : punkte) {
        worte.push_back(static_cast<std::uint16_t>(Koordinate(p.x)));
        worte.push_back(static_cast<std::uint16_t>(Koordinate(p.y)));
    }
    Datensatz(MetaPolygon, worte);
}

void TMetadateiFlaeche::Polygon(const TLogPunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    std::vector<TPunktD> ein;
    ein.reserve(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        ein.push_back(Einheiten(punkte[i]));
    if (modus_ == TRasterModus::Maskieren && pinselWert_.Art != TPinselArt::Leer &&
        pinselWert_.Art != TPinselArt::Schraffur) {
        Durchsicht(ein);
        return;
    }
    // Hatch lines on white, as a hatched plane hides what lies behind it.
    const bool schraffur = pinselWert_.Art == TPinselArt::Schraffur;
    if (schraffur) Hintergrund(true);
    PolygonEinheiten(ein);
    if (schraffur) Hintergrund(false);
    if (pinselWert_.Art != TPinselArt::Leer && modus_ == TRasterModus::Kopieren)
        Merken(ein, schraffur ? TMetaBild{} : PinselBild(pinselWert_));
}

void TMetadateiFlaeche::Linie(TLogPunkt von, TLogPunkt bis) {
    // The part of the line on the page.
    TPunktD a = Einheiten(von), b = Einheiten(bis);
    if (!StreckeKappen(a, b, {0, 0}, Seitenecke())) return;
    Datensatz(MetaPolyline, {2, static_cast<std::uint16_t>(Koordinate(a.x)),
                             static_cast<std::uint16_t>(Koordinate(a.y)),
                             static_cast<std::uint16_t>(Koordinate(b.x)),
                             static_cast<std::uint16_t>(Koordinate(b.y))});
}

void TMetadateiFlaeche::Ellipse(const TLogRechteck& r) {
    const TPunktD lo = Einheiten({r.links, r.oben}), ru = Einheiten({r.rechts, r.unten});
    Datensatz(MetaEllipse, {static_cast<std::uint16_t>(Koordinate(ru.y)),
                            static_cast<std::uint16_t>(Koordinate(ru.x)),
                            static_cast<std::uint16_t>(Koordinate(lo.y)),
                            static_cast<std::uint16_t>(Koordinate(lo.x))});
}

void TMetadateiFlaeche::Rechteck(const TLogRechteck& r) {
    // The outline inside the rectangle: the right and bottom edges one unit in.
    const TPunktD lo = Einheiten({r.links, r.oben}), ru = Einheiten({r.rechts, r.unten});
    Datensatz(MetaRectangle, {static_cast<std::uint16_t>(Koordinate(ru.y - 1)),
                              static_cast<std::uint16_t>(Koordinate(ru.x - 1)),
                              static_cast<std::uint16_t>(Koordinate(lo.y)),
                              static_cast<std::uint16_t>(Koordinate(lo.x))});
}

void TMetadateiFlaeche::Text(TLogPunkt linksOben, std::string_view text) {
    const TPunktD p = Einheiten(linksOben);
    if (p.x < KoordinateMin || p.x > KoordinateMax || p.y < KoordinateMin || p.y > KoordinateMax)
        return;
    const std::string cp = Utf8ZuCp1252(text).substr(0, 32000);
    if (cp.empty()) return;
    std::vector<std::uint16_t> worte{static_cast<std::uint16_t>(cp.size())};
    BytesAnhaengen(worte, cp);
    worte.push_back(static_cast<std::uint16_t>(Koordinate(p.y)));
    worte.push_back(static_cast<std::uint16_t>(Koordinate(p.x)));
    Datensatz(MetaTextOut, worte);
}

TTextmass TMetadateiFlaeche::Textmass(std::string_view text) {
    const double geviert = schriftHoehe_ / ZelleProGeviert;
    return {static_cast<int>(std::lround(Textbreite(text) * geviert / 1000)), schriftHoehe_};
}

std::string TMetadateiFlaeche::Datei() const {
    std::string s;
    // The placeable header: the picture's bounds in file units and the
    // units per inch, then a checksum over its first ten words.
    std::string kopf;
    Anhaengen32(kopf, PlatzierbarKennung);
    Anhaengen16(kopf, 0);
    Anhaengen16(kopf, 0);
    Anhaengen16(kopf, 0);
    Anhaengen16(kopf, Wort(groesse_.Breite));
    Anhaengen16(kopf, Wort(groesse_.Hoehe));
    Anhaengen16(kopf, EinheitenProZoll);
    Anhaengen32(kopf, 0);
    std::uint16_t pruef = 0;
    for (std::size_t i = 0; i < kopf.size(); i += 2)
        pruef ^= static_cast<std::uint16_t>(static_cast<unsigned char>(kopf[i]) |
                                            (static_cast<unsigned char>(kopf[i + 1]) << 8));
    Anhaengen16(kopf, pruef);
    s += kopf;

    const std::uint32_t ende = 3;
    const auto worte = static_cast<std::uint32_t>(9 + daten_.size() / 2 + ende);
    Anhaengen16(s, 1);      // in memory
    Anhaengen16(s, 9);      // header words
    Anhaengen16(s, 0x0300); // version
    Anhaengen32(s, worte);
    Anhaengen16(s, static_cast<std::uint16_t>(std::max<std::size_t>(objekte_.size(), 1)));
    Anhaengen32(s, std::max(groessterDatensatz_, ende));
    Anhaengen16(s, 0);
    s += daten_;
    Anhaengen32(s, ende);
    Anhaengen16(s, MetaEnde);
    return s;
}

} // namespace kalvorin
