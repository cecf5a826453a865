#include "view/Emf.h"

#include "view/Kappen.h"
#include "view/Metadatei.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace kalvorin {

namespace {

// Record types of the enhanced metafile.
enum : std::uint32_t {
    EmrHeader = 1,
    EmrEof = 14,
    EmrSetBkMode = 18,
    EmrSetPolyFillMode = 19,
    EmrSetRop2 = 20,
    EmrSetTextAlign = 22,
    EmrSetTextColor = 24,
    EmrSetBkColor = 25,
    EmrSaveDc = 33,
    EmrRestoreDc = 34,
    EmrSelectObject = 37,
    EmrCreateBrushIndirect = 39,
    EmrDeleteObject = 40,
    EmrEllipse = 42,
    EmrRectangle = 43,
    EmrBeginPath = 59,
    EmrEndPath = 60,
    EmrSelectClipPath = 67,
    EmrExtCreateFontIndirectW = 82,
    EmrExtTextOutW = 84,
    EmrPolygon16 = 86,
    EmrPolyline16 = 87,
    EmrExtCreatePen = 95,
    EmrAlphaBlend = 114,
};

constexpr std::uint32_t HintergrundTransparent = 1, HintergrundDeckend = 2;
constexpr std::uint32_t R2Maskieren = 9, R2Kopieren = 13;
constexpr std::uint32_t RgnKopieren = 5;
constexpr std::uint32_t PinselVoll = 0, PinselLeer = 1, PinselSchraffur = 2;
constexpr std::uint32_t StiftGeometrisch = 0x00010000, StiftFlacheEnden = 0x0200,
                        StiftSpitzeEcken = 0x2000;
constexpr std::uint32_t StiftVoll = 0, StiftStrich = 1, StiftPunkt = 2, StiftLeer = 5;
// The thinnest pen on paper: half a point, in hundredths of a millimetre.
// Thinner, LibreOffice smooths a one-pixel edge of the screen into a grey
// one at its usual zoom.
constexpr std::uint32_t DuennsterStift = 18;
// Cell height of the face over its em square (ascent and descent together).
constexpr double ZelleProGeviert = 1.1172;
// What a 16-bit point of the polygon records holds; the page lies inside.
constexpr double KoordinateMax = 32767;
// The constant alpha of see-through fills.
constexpr double Deckkraft = 0.5;

void Anhaengen32(std::string& s, std::uint32_t w) {
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((w >> (8 * i)) & 0xFF);
}

std::uint32_t Ganz(double v) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(v)));
}

std::uint32_t Farbwort(TFarbe f) {
    return static_cast<std::uint32_t>(Rot(f) | (Gruen(f) << 8) | (Blau(f) << 16));
}

std::uint32_t Punktwort(double x, double y) {
    const auto k = [](double v) {
        return static_cast<std::uint16_t>(
            static_cast<std::int16_t>(std::lround(std::clamp(v, -KoordinateMax, KoordinateMax))));
    };
    return static_cast<std::uint32_t>(k(x) | (k(y) << 16));
}

// UTF-8 to UTF-16, characters beyond the first plane as "?".
std::u16string Utf16(std::string_view s) {
    std::u16string r;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::uint32_t z = c;
        int folge = 0;
        if (c >= 0xF0) {
            z = c & 0x07;
            folge = 3;
        } else if (c >= 0xE0) {
            z = c & 0x0F;
            folge = 2;
        } else if (c >= 0xC0) {
            z = c & 0x1F;
            folge = 1;
        }
        ++i;
        for (int k = 0; k < folge && i < s.size(); ++k, ++i)
            z = z << 6 | (static_cast<unsigned char>(s[i]) & 0x3F);
        r += z > 0xFFFF ? u'?' : static_cast<char16_t>(z);
    }
    return r;
}

} // namespace

TEmfFlaeche::TEmfFlaeche(const TLogRechteck& fenster, TAusgabeMass groesse)
    : fenster_(fenster), groesse_{std::max(groesse.Breite, 1), std::max(groesse.Hoehe, 1)} {
    sx_ = double(groesse_.Breite) / std::max(1, fenster.Breite());
    sy_ = double(groesse_.Hoehe) / std::max(1, fenster.Hoehe());
    Datensatz(EmrSetBkMode, {HintergrundTransparent});
    Datensatz(EmrSetBkColor, {Farbwort(Weiss)});
    Datensatz(EmrSetTextAlign, {0}); // the reference point is the cell's top-left corner
    Datensatz(EmrSetPolyFillMode, {1});
    Datensatz(EmrSetRop2, {R2Kopieren});
}

TEmfFlaeche::TP TEmfFlaeche::Einheiten(TLogPunkt p) const {
    return {(double(p.x) - fenster_.links) * sx_, (double(fenster_.oben) - p.y) * sy_};
}

void TEmfFlaeche::Datensatz(std::uint32_t typ, const std::vector<std::uint32_t>& worte,
                            std::string_view anhang) {
    const std::size_t roh = 8 + 4 * worte.size() + anhang.size();
    const std::size_t laenge = (roh + 3) / 4 * 4;
    Anhaengen32(daten_, typ);
    Anhaengen32(daten_, static_cast<std::uint32_t>(laenge));
    for (std::uint32_t w : worte)
        Anhaengen32(daten_, w);
    daten_ += anhang;
    daten_.append(laenge - roh, '\0');
    ++datensaetze_;
}

void TEmfFlaeche::Objekt(int& aktuell, std::uint32_t typ, std::vector<std::uint32_t> worte,
                         std::string_view anhang) {
    // Index 0 of the object table is the metafile's own.
    if (objekte_.empty()) objekte_.push_back(true);
    const auto frei = std::find(objekte_.begin() + 1, objekte_.end(), false);
    const int nr = static_cast<int>(frei - objekte_.begin());
    if (frei == objekte_.end())
        objekte_.push_back(true);
    else
        *frei = true;
    worte.insert(worte.begin(), static_cast<std::uint32_t>(nr));
    Datensatz(typ, worte, anhang);
    Datensatz(EmrSelectObject, {static_cast<std::uint32_t>(nr)});
    if (aktuell > 0) {
        Datensatz(EmrDeleteObject, {static_cast<std::uint32_t>(aktuell)});
        objekte_[static_cast<std::size_t>(aktuell)] = false;
    }
    aktuell = nr;
}

void TEmfFlaeche::SetzeStift(const TStift& s) {
    if (stiftGesetzt_ && s.Farbe == stiftWert_.Farbe && s.Breite == stiftWert_.Breite &&
        s.Stil == stiftWert_.Stil)
        return;
    stiftWert_ = s;
    stiftGesetzt_ = true;
    std::uint32_t stil = StiftVoll;
    if (s.Stil == TStiftStil::Gestrichelt) stil = StiftStrich;
    if (s.Stil == TStiftStil::Punktiert) stil = StiftPunkt;
    if (s.Stil == TStiftStil::Unsichtbar) stil = StiftLeer;
    const auto breite = static_cast<std::uint32_t>(
        std::max<long>(DuennsterStift, std::lround(s.Breite * std::min(sx_, sy_))));
    Objekt(stift_, EmrExtCreatePen,
           {0, 0, 0, 0, StiftGeometrisch | StiftFlacheEnden | StiftSpitzeEcken | stil, breite,
            PinselVoll, Farbwort(s.Farbe), 0, 0});
}

void TEmfFlaeche::SetzePinsel(const TPinsel& p) {
    if (pinselGesetzt_ && p.Art == pinselWert_.Art && p.Farbe == pinselWert_.Farbe &&
        p.Schraffur == pinselWert_.Schraffur && p.Muster == pinselWert_.Muster)
        return;
    pinselWert_ = p;
    pinselGesetzt_ = true;
    switch (p.Art) {
    case TPinselArt::Leer:
        Objekt(pinsel_, EmrCreateBrushIndirect, {PinselLeer, 0, 0});
        break;
    case TPinselArt::Schraffur:
        Objekt(pinsel_, EmrCreateBrushIndirect,
               {PinselSchraffur, Farbwort(p.Farbe),
                static_cast<std::uint32_t>(std::clamp(p.Schraffur, 0, 5))});
        break;
    case TPinselArt::Voll:
    case TPinselArt::Muster: {
        // A pattern in copy mode as its mean shade on white.
        pinselBild_ = {p.Farbe, 1};
        if (p.Art == TPinselArt::Muster) {
            int punkte = 0;
            for (std::uint8_t z : p.Muster)
                punkte += std::popcount(z);
            pinselBild_.Anteil = punkte / 64.0;
        }
        const TFarbe f = Mittel(pinselBild_);
        Objekt(pinsel_, EmrCreateBrushIndirect, {PinselVoll, Farbwort(f), 0});
        break;
    }
    }
}

void TEmfFlaeche::SetzeRasterModus(TRasterModus modus) {
    if (modus == modus_) return;
    modus_ = modus;
    Datensatz(EmrSetRop2, {modus == TRasterModus::Maskieren ? R2Maskieren : R2Kopieren});
}

void TEmfFlaeche::SetzeSchrift(std::string_view familie, int hoehe, TFarbe farbe) {
    if (schrift_ < 0 || hoehe != schriftHoehe_) {
        schriftHoehe_ = hoehe;
        // A positive height is the cell height, as the scene gives it.
        const auto h = static_cast<std::uint32_t>(std::max<long>(1, std::lround(hoehe * sy_)));
        std::string name(64, '\0');
        const std::u16string n = Utf16(familie.substr(0, 31));
        for (std::size_t i = 0; i < n.size(); ++i) {
            name[2 * i] = static_cast<char>(n[i] & 0xFF);
            name[2 * i + 1] = static_cast<char>(n[i] >> 8);
        }
        // Italic, underline, strike-out, character set (default), precision,
        // clipping, quality, and a variable-pitch sans-serif family.
        Objekt(schrift_, EmrExtCreateFontIndirectW, {h, 0, 0, 0, 400, 0x01000000, 0x22000000},
               name);
    }
    if (!schriftFarbeGesetzt_ || farbe != schriftFarbe_) {
        schriftFarbe_ = farbe;
        schriftFarbeGesetzt_ = true;
        Datensatz(EmrSetTextColor, {Farbwort(farbe)});
    }
}

void TEmfFlaeche::Punkte(std::uint32_t typ, const std::vector<TP>& punkte) {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (const TP& p : punkte) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    std::vector<std::uint32_t> worte{Ganz(x0), Ganz(y0), Ganz(x1), Ganz(y1),
                                     static_cast<std::uint32_t>(punkte.size())};
    for (const TP& p : punkte)
        worte.push_back(Punktwort(p.x, p.y));
    Datensatz(typ, worte);
}

void TEmfFlaeche::Merken(const std::vector<TP>& ecken, TMetaBild bild) {
    FuellungMerken(flaechen_, ecken, bild);
}

void TEmfFlaeche::Mischen(const std::vector<TP>& ecken, TFarbe farbe) {
    const TMetaFuellung kasten = MetaFuellung(ecken, {});
    Datensatz(EmrSaveDc, {});
    Datensatz(EmrBeginPath, {});
    Punkte(EmrPolygon16, ecken);
    Datensatz(EmrEndPath, {});
    Datensatz(EmrSelectClipPath, {RgnKopieren});
    // One pixel of the colour, stretched over the polygon's box at the
    // constant alpha.
    const std::uint32_t l = Ganz(std::floor(kasten.Min.x)), o = Ganz(std::floor(kasten.Min.y));
    const std::uint32_t b = Ganz(std::ceil(kasten.Max.x) - std::floor(kasten.Min.x)),
                        h = Ganz(std::ceil(kasten.Max.y) - std::floor(kasten.Min.y));
    const auto alpha = static_cast<std::uint32_t>(std::lround(Deckkraft * 255));
    const auto f1 = [](float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        return u;
    };
    std::string bild;
    for (std::uint32_t w : {40u, 1u, 1u, 1u | 32u << 16, 0u, 4u, 0u, 0u, 0u, 0u})
        Anhaengen32(bild, w);
    bild += static_cast<char>(Blau(farbe));
    bild += static_cast<char>(Gruen(farbe));
    bild += static_cast<char>(Rot(farbe));
    bild += '\0';
    const double x0 = kasten.Min.x, y0 = kasten.Min.y, x1 = kasten.Max.x, y1 = kasten.Max.y;
    Datensatz(EmrAlphaBlend,
              {Ganz(x0), Ganz(y0), Ganz(x1), Ganz(y1), l,     o,     b,     h,     alpha << 16,
               0,        0,        f1(1),    f1(0),    f1(0), f1(1), f1(0), f1(0), 0,
               0,        108,      40,       148,      4,     1,     1},
              bild);
    Datensatz(EmrRestoreDc, {0xFFFFFFFFu});
}

void TEmfFlaeche::Durchsicht(const std::vector<TP>& ecken) {
    int punkte = 64;
    if (pinselWert_.Art == TPinselArt::Muster) {
        punkte = 0;
        for (std::uint8_t z : pinselWert_.Muster)
            punkte += std::popcount(z);
    }
    if (punkte == 0) return;
    // The plane's colour on its pattern's share of dots (all for a solid
    // fill): its mean shade is what the screen shows on white.
    const TMetaBild bild{pinselWert_.Farbe, punkte / 64.0};
    // The colour whose blend at the constant alpha a turns `vorher` into
    // `ziel`: (ziel - (1 - a) vorher) / a, as near as the channels allow.
    // The alpha is one half, since LibreOffice reads a constant alpha other
    // than full as its complement.
    const auto mischfarbe = [](TFarbe ziel, TFarbe vorher) {
        const auto kanal = [](int z, int v) {
            return std::clamp(static_cast<int>(std::lround((z - (1 - Deckkraft) * v) / Deckkraft)),
                              0, 255);
        };
        return RGB(kanal(Rot(ziel), Rot(vorher)), kanal(Gruen(ziel), Gruen(vorher)),
                   kanal(Blau(ziel), Blau(vorher)));
    };
    const auto nach = [](TFarbe farbe, TFarbe vorher) {
        const auto kanal = [](int c, int v) {
            return static_cast<int>(std::lround(Deckkraft * c + (1 - Deckkraft) * v));
        };
        return RGB(kanal(Rot(farbe), Rot(vorher)), kanal(Gruen(farbe), Gruen(vorher)),
                   kanal(Blau(farbe), Blau(vorher)));
    };
    // First the whole polygon for white behind it; then, where a coloured
    // fill drawn before lies beneath (the latest on top, a few of them
    // only, which keeps the file small), once more, so that the two blends
    // give what the screen's AND makes of that fill. What else lies behind
    // (lines, names) stays visible through both.
    const TFarbe grund = mischfarbe(Mittel(bild), Weiss);
    Mischen(ecken, grund);
    TMetaFuellung fuellung = MetaFuellung(ecken, bild);
    std::vector<TMetaFuellung> darunter = FuellungenDarunter(flaechen_, fuellung);
    flaechen_.push_back(std::move(fuellung));
    for (auto q = darunter.rbegin(); q != darunter.rend(); ++q) {
        const TMetaBild zusammen = Maskiert(bild, q->Bild);
        const TFarbe hinten = Mittel(q->Bild);
        Mischen(q->Ecken, mischfarbe(Mittel(zusammen), nach(grund, hinten)));
        q->Bild = zusammen;
        flaechen_.push_back(std::move(*q));
    }
}

void TEmfFlaeche::Polygon(const TLogPunkt* punkte, int anzahl) {
    if (anzahl < 2) return;
    std::vector<TPunkt2D> ein;
    for (int i = 0; i < anzahl; ++i) {
        const TP p = Einheiten(punkte[i]);
        ein.push_back({p.x, p.y});
    }
    const auto gekappt =
        PolygonKappen(ein, {0, 0}, {double(groesse_.Breite), double(groesse_.Hoehe)});
    if (gekappt.size() < 2) return;
    std::vector<TP> ecken;
    for (const TPunkt2D& p : gekappt)
        ecken.push_back({p.x, p.y});
    if (modus_ == TRasterModus::Maskieren && pinselWert_.Art != TPinselArt::Leer &&
        pinselWert_.Art != TPinselArt::Schraffur) {
        Durchsicht(ecken);
        return;
    }
    // Hatch lines on white, as a hatched plane hides what lies behind it.
    const bool schraffur = pinselWert_.Art == TPinselArt::Schraffur;
    if (schraffur) Datensatz(EmrSetBkMode, {HintergrundDeckend});
    Punkte(EmrPolygon16, ecken);
    if (schraffur) Datensatz(EmrSetBkMode, {HintergrundTransparent});
    if (pinselWert_.Art != TPinselArt::Leer && modus_ == TRasterModus::Kopieren)
        Merken(ecken, schraffur ? TMetaBild{} : pinselBild_);
}

void TEmfFlaeche::Linie(TLogPunkt von, TLogPunkt bis) {
    const TP a0 = Einheiten(von), b0 = Einheiten(bis);
    TPunkt2D a{a0.x, a0.y}, b{b0.x, b0.y};
    if (!StreckeKappen(a, b, {0, 0}, {double(groesse_.Breite), double(groesse_.Hoehe)})) return;
    Punkte(EmrPolyline16, {{a.x, a.y}, {b.x, b.y}});
}

void TEmfFlaeche::Ellipse(const TLogRechteck& r) {
    const TP lo = Einheiten({r.links, r.oben}), ru = Einheiten({r.rechts, r.unten});
    Datensatz(EmrEllipse, {Ganz(lo.x), Ganz(lo.y), Ganz(ru.x), Ganz(ru.y)});
}

void TEmfFlaeche::Rechteck(const TLogRechteck& r) {
    // The outline inside the rectangle: the right and bottom edges one unit in.
    const TP lo = Einheiten({r.links, r.oben}), ru = Einheiten({r.rechts, r.unten});
    Datensatz(EmrRectangle, {Ganz(lo.x), Ganz(lo.y), Ganz(ru.x - 1), Ganz(ru.y - 1)});
}

void TEmfFlaeche::Text(TLogPunkt linksOben, std::string_view text) {
    const TP p = Einheiten(linksOben);
    const std::u16string t = Utf16(text).substr(0, 8000);
    if (t.empty()) return;
    std::string zeichen;
    for (char16_t c : t) {
        zeichen += static_cast<char>(c & 0xFF);
        zeichen += static_cast<char>(c >> 8);
    }
    zeichen.append((4 - zeichen.size() % 4) % 4, '\0');
    // The advance of every character, in the sans-serif face's widths.
    const double geviert = schriftHoehe_ * sy_ / ZelleProGeviert;
    std::uint32_t breite = 0;
    std::string abstaende;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        const auto d =
            static_cast<std::uint32_t>(std::lround(Textbreite(text.substr(i, n)) * geviert / 1000));
        Anhaengen32(abstaende, d);
        breite += d;
        i += n;
    }
    const auto n = static_cast<std::uint32_t>(t.size());
    const auto aufDx = static_cast<std::uint32_t>(76 + zeichen.size());
    const std::uint32_t x = Ganz(p.x), y = Ganz(p.y);
    Datensatz(EmrExtTextOutW,
              {x, y, x + breite, Ganz(p.y + schriftHoehe_ * sy_), 1, 0, 0, x, y, n, 76, 0, 0, 0, 0,
               0, aufDx},
              zeichen + abstaende);
}

TTextmass TEmfFlaeche::Textmass(std::string_view text) {
    const double geviert = schriftHoehe_ / ZelleProGeviert;
    return {static_cast<int>(std::lround(Textbreite(text) * geviert / 1000)), schriftHoehe_};
}

std::string TEmfFlaeche::Datei() const {
    std::string s;
    const std::uint32_t kopf = 108, ende = 20;
    const auto groesse = static_cast<std::uint32_t>(kopf + daten_.size() + ende);
    const auto b = static_cast<std::uint32_t>(groesse_.Breite),
               h = static_cast<std::uint32_t>(groesse_.Hoehe);
    const auto handles = static_cast<std::uint32_t>(std::max<std::size_t>(objekte_.size(), 1));
    // One device pixel a hundredth of a millimetre: a reference device of
    // 100 mm square with 10000 pixels to the side.
    for (std::uint32_t w : {std::uint32_t{EmrHeader},
                            kopf,
                            0u,
                            0u,
                            b - 1,
                            h - 1,
                            0u,
                            0u,
                            b - 1,
                            h - 1,
                            0x464D4520u,
                            0x00010000u,
                            groesse,
                            static_cast<std::uint32_t>(datensaetze_ + 2),
                            handles,
                            0u,
                            0u,
                            0u,
                            10000u,
                            10000u,
                            100u,
                            100u,
                            0u,
                            0u,
                            0u,
                            100000u,
                            100000u})
        Anhaengen32(s, w);
    s += daten_;
    for (std::uint32_t w : {std::uint32_t{EmrEof}, ende, 0u, 16u, ende})
        Anhaengen32(s, w);
    return s;
}

} // namespace kalvorin
