// Drawing the ordered pieces through a canvas: planes with their
// transparency patterns, lines with arrow heads, ticks and labels, points
// in their forms, and the names.

#include "storage/Einstellungen.h"
#include "view/Achsenzahl.h"
#include "view/GSzene.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace kalvorin {

namespace {

// The unit of symbol sizes, in logical units.
constexpr int Einheit = 100;
constexpr std::string_view Schriftart = "Arial";
constexpr double NamenGroessen[] = {0.02, 0.025, 0.03, 0.035};
constexpr double Beschriftungsgroesse = 0.02;
constexpr Real IntervallToleranz = 1e-6L;
// How far the halo of a marked object reaches beyond it on each side: about
// three pixels in a window of the usual size.
constexpr int Hofbreite = 120;
// How far the outline that sets a point off from a plane of its own colour
// reaches beyond the point: about a pixel and a half in a window of the
// usual size.
constexpr int Umrissbreite = 50;
// Colours closer than this in CIELAB are hard to tell apart in a small dot:
// dark blue on blue is, dark blue on any of the light plane colours is not.
constexpr double NaherFarbabstand = 40;
// The rim round the letters of a name on a plane of its colour: this share
// of the font height.
constexpr int Namenrandteil = 15;
// A hatch brush paints its lines on white; they cover about this share of it.
constexpr double Schraffuranteil = 0.25;

// 8x8 brushes for the see-through planes: white with coloured dots at every
// second pixel, every fourth, the top-left one, or none.
TPinsel Transparenzpinsel(int transparenz, TFarbe farbe) {
    TPinsel p;
    p.Art = TPinselArt::Muster;
    p.Farbe = farbe;
    switch (transparenz) {
    case 2:
        p.Muster = {0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0};
        break;
    case 3:
        p.Muster = {0x88, 0, 0, 0, 0x88, 0, 0, 0};
        break;
    case 4:
        p.Muster = {0x80, 0, 0, 0, 0, 0, 0, 0};
        break;
    default:
        break;
    }
    return p;
}

int Gerundet(double v) {
    return static_cast<int>(std::lround(v));
}

TLogPunkt Verschoben(TLogPunkt p, double dx, double dy) {
    return {static_cast<std::int32_t>(std::lround(p.x + dx)),
            static_cast<std::int32_t>(std::lround(p.y + dy))};
}

// A text set larger than the drawing asks (a large desktop font, a high
// device pixel ratio) grows away in the direction (rx, ry) from where it
// stands at the asked size: its box keeps the side that faces the other way,
// so that an axis name and the tick number beside it keep clear of each
// other. anteil is 1 - asked / set height; at the asked size (0) the text
// stays where it is. The anchor is the text's top-left corner (y upwards).
TLogPunkt Weggewachsen(TLogPunkt ort, TTextmass gross, double anteil, double rx, double ry) {
    const double l = std::hypot(rx, ry);
    if (!(anteil > 0) || !(l > 0)) return ort;
    rx /= l;
    ry /= l;
    const double breiter = gross.Breite * anteil, hoeher = gross.Hoehe * anteil;
    const double schub = (std::fabs(rx) * breiter + std::fabs(ry) * hoeher) /
                         (2 * std::max(std::fabs(rx), std::fabs(ry)));
    // The centre of the box at the asked size, moved; then the top-left
    // corner of the enlarged box round it.
    const double cx = ort.x + (gross.Breite - breiter) / 2 + rx * schub;
    const double cy = ort.y - (gross.Hoehe - hoeher) / 2 + ry * schub;
    return Verschoben({0, 0}, cx - gross.Breite / 2.0, cy + gross.Hoehe / 2.0);
}

double Vergroesserung(const TZeichenflaeche& f, int hoehe) {
    const int gesetzt = f.GesetzteSchrifthoehe(hoehe);
    return gesetzt > hoehe && hoehe > 0 ? 1 - static_cast<double>(hoehe) / gesetzt : 0;
}

// The relative luminance of an sRGB channel value, linearised.
double Linear(int k) {
    const double v = k / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Leuchtdichte(TFarbe c) {
    return 0.2126 * Linear(Rot(c)) + 0.7152 * Linear(Gruen(c)) + 0.0722 * Linear(Blau(c));
}

// L*, a*, b* of the colour (daylight white D65).
std::array<double, 3> Lab(TFarbe c) {
    const double r = Linear(Rot(c)), g = Linear(Gruen(c)), b = Linear(Blau(c));
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

TFarbe Gemischt(TFarbe a, TFarbe b, double anteilB) {
    const auto k = [&](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * anteilB));
    };
    return RGB(k(Rot(a), Rot(b)), k(Gruen(a), Gruen(b)), k(Blau(a), Blau(b)));
}

// The two diagonal strokes of the point form "Kreuz" of size z about m.
void KreuzZeichnen(TZeichenflaeche& f, TLogPunkt m, int z) {
    f.Linie(Verschoben(m, -z * Einheit, z * Einheit),
            Verschoben(m, (z + 1) * Einheit, -(z + 1) * Einheit));
    f.Linie(Verschoben(m, -z * Einheit, -z * Einheit),
            Verschoben(m, (z + 1) * Einheit, (z + 1) * Einheit));
}

// Drawn just before the point, a little larger, so that the point keeps its
// own look inside it.
void PunktumrissZeichnen(TZeichenflaeche& f, const TSzenenObjekt& o, TLogPunkt m) {
    const TFarbe farbe = Umrissfarbe(o.Stift.Farbe);
    const int z = o.Punktgroesse;
    if (o.Punktform == PunktformKreuz) {
        f.SetzeStift({farbe, o.Stift.Breite + 2 * Umrissbreite, TStiftStil::Durchgezogen});
        KreuzZeichnen(f, m, z);
    } else if (z >= 1) {
        const int r = z * Einheit + Umrissbreite;
        f.SetzeStift({farbe, 1, TStiftStil::Durchgezogen});
        f.SetzePinsel({TPinselArt::Voll, farbe, SchraffurKeine, {}});
        f.Ellipse({m.x - r, m.y - r, m.x + r, m.y + r});
    }
}

// What a plane drawn over `unter` leaves there to the eye: the colour of its
// brush, combined with what lies under it where it is see-through, and for a
// pattern the mean over its 64 pixels.
TFarbe Ueberdeckt(TFarbe unter, const TSzenenObjekt& o) {
    if (o.Transparenz == 0)
        return o.Schraffur == SchraffurKeine ? o.FuellFarbe
                                             : Gemischt(Weiss, o.FuellFarbe, Schraffuranteil);
    // Combined by AND, channel by channel, as the canvas masks.
    const TFarbe verknuepft = unter & o.FuellFarbe;
    if (o.Transparenz == 1) return verknuepft;
    int punkte = 0;
    for (std::uint8_t zeile : Transparenzpinsel(o.Transparenz, o.FuellFarbe).Muster)
        punkte += std::popcount(zeile);
    return Gemischt(unter, verknuepft, punkte / 64.0);
}

} // namespace

bool FarbenNah(TFarbe a, TFarbe b) {
    const std::array<double, 3> p = Lab(a), q = Lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]) < NaherFarbabstand;
}

TFarbe Umrissfarbe(TFarbe c) {
    // The one of white and black with the higher contrast ratio to it.
    const double y = Leuchtdichte(c);
    return 1.05 / (y + 0.05) > (y + 0.05) / 0.05 ? Weiss : Schwarz;
}

TFarbe VolleFarbe(TFarbe c) {
    const int r = Rot(c), g = Gruen(c), b = Blau(c);
    const int hoch = std::max({r, g, b}), tief = std::min({r, g, b});
    if (hoch == tief) return Schwarz;
    const auto voll = [&](int k) { return (k - tief) * 255 / (hoch - tief); };
    return RGB(voll(r), voll(g), voll(b));
}

void tGSzene::Zeichnen(TZeichenflaeche& f, const TObjektmenge* markiert,
                       bool volleRandfarben) const {
    if (!projiziert_) return;
    if (Heftansicht()) {
        HeftZeichnen(f, markiert);
        return;
    }
    const auto istMarkiert = [&](int objekt) {
        if (!markiert || objekt < 1 || objekt > MaxSzenenObjekte) return false;
        const TSzenenObjekt& o = objekte_[objekt - 1];
        // A plane shows its mark on its outline.
        return markiert->test(static_cast<std::size_t>(objekt)) ||
               (o.Art == TObjektArt::Rand && o.Ebene >= 1 && o.Ebene <= MaxSzenenObjekte &&
                markiert->test(static_cast<std::size_t>(o.Ebene)));
    };
    // The plane pieces drawn so far, in their order, for what lies under a point.
    std::vector<int> flaechen;
    const auto eines = [&](int nr) {
        const TStueck& s = stuecke_[nr - 1];
        const TSzenenObjekt& o = objekte_[s.Objekt - 1];
        if (!o.Gezeigt) return;
        const bool hof = istMarkiert(s.Objekt);
        if (hof) HofZeichnen(f, s, o);
        switch (s.Art) {
        case TStueckArt::Polygon:
            PolygonZeichnen(f, s, o);
            flaechen.push_back(nr);
            break;
        case TStueckArt::Linie:
            LinieZeichnen(f, s, o, flaechen, volleRandfarben);
            break;
        case TStueckArt::Punkt:
            PunktZeichnen(f, s, o, flaechen, hof);
            break;
        }
    };
    FolgeSichern();
    if (sortiert_)
        for (int nr : folge_)
            eines(nr);
    else
        for (int nr = 1; nr <= Stueckzahl(); ++nr)
            eines(nr);
    f.SetzeRasterModus(TRasterModus::Kopieren);
}

void tGSzene::PolygonZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const {
    f.SetzeStift({Schwarz, 1, TStiftStil::Unsichtbar});
    if (o.Transparenz == 0) {
        TPinsel p;
        p.Farbe = o.FuellFarbe;
        p.Art = o.Schraffur == SchraffurKeine ? TPinselArt::Voll : TPinselArt::Schraffur;
        p.Schraffur = o.Schraffur;
        f.SetzePinsel(p);
        f.SetzeRasterModus(TRasterModus::Kopieren);
    } else {
        if (o.Transparenz == 1) {
            TPinsel p;
            p.Art = TPinselArt::Voll;
            p.Farbe = o.FuellFarbe;
            f.SetzePinsel(p);
        } else {
            f.SetzePinsel(Transparenzpinsel(o.Transparenz, o.FuellFarbe));
        }
        f.SetzeRasterModus(TRasterModus::Maskieren);
    }
    f.Polygon(s.EckenProj.data(), s.Eckenzahl);
    f.SetzeRasterModus(TRasterModus::Kopieren);
}

void tGSzene::LinieZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o,
                            const std::vector<int>& flaechen, bool volleRandfarben) const {
    if (o.WeisserRand) {
        f.SetzeStift({Weiss, 2 * Einheit, TStiftStil::Durchgezogen});
        f.Linie(s.EckenProj[0], s.EckenProj[1]);
    }
    if (volleRandfarben && o.Art == TObjektArt::Rand)
        f.SetzeStift({VolleFarbe(o.Stift.Farbe), o.Stift.Breite, o.Stift.Stil});
    else
        f.SetzeStift(o.Stift);
    if (o.IstRund()) {
        const auto b = Bogen(s, o);
        for (std::size_t i = 0; i + 1 < b.size(); ++i)
            f.Linie(b[i], b[i + 1]);
    } else {
        f.Linie(s.EckenProj[0], s.EckenProj[1]);
    }

    const bool amEnde = std::fabs(s.Oben - o.Oben) <= IntervallToleranz;
    if (SpitzeGezeigt(o) && amEnde) {
        f.SetzeStift({o.Stift.Farbe, o.Stift.Breite, TStiftStil::Durchgezogen});
        TPinsel p;
        p.Art = TPinselArt::Voll;
        p.Farbe = o.Stift.Farbe;
        f.SetzePinsel(p);
        f.Polygon(o.PfeilspitzeProj.data(), 3);
    }
    if (o.Art == TObjektArt::Achse) StricheZeichnen(f, s, o);
    if (o.NameSichtbar && amEnde)
        NameZeichnen(f, o, static_cast<int>(&o - objekte_.data()) + 1, flaechen);
}

void tGSzene::StricheZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const {
    if (!o.Striche || o.Strichzahl <= 0) return;
    int von = 1, bis = 0;
    if (o.Skalierung == 1) {
        // The single tick at 1 goes with the piece it lies on.
        if (s.Unten <= o.ErsterStrich && o.ErsterStrich <= s.Oben) von = bis = 1;
    } else {
        von = std::max(
            static_cast<int>(std::nearbyint((s.Unten - o.ErsterStrich) / o.Schritt + 0.5L)) + 1, 1);
        bis = std::min(
            static_cast<int>(std::nearbyint((s.Oben - o.ErsterStrich) / o.Schritt - 0.6L)) + 1,
            o.Strichzahl);
    }
    f.SetzeStift({o.Stift.Farbe, o.Stift.Breite, TStiftStil::Durchgezogen});
    for (int k = von; k <= bis; ++k)
        f.Linie(o.StrichProj[k - 1][0], o.StrichProj[k - 1][1]);

    // The value of the outermost tick, written by the piece it lies in. The
    // interval is half open: where a plane cuts the axis right at that tick,
    // the piece below it writes the value, instead of neither piece.
    const Real letzter = o.ErsterStrich + (o.Strichzahl - 1) * o.Schritt;
    if (!o.Beschriftung || !(s.Unten < letzter && letzter <= s.Oben)) return;
    const int hoehe = Gerundet(Beschriftungsgroesse * abbildung_->KleinereSeite());
    f.SetzeSchrift(Schriftart, hoehe, Schwarz);
    // Where the number stands at the asked size; set larger, it grows away
    // from the axis and back from its tip, clear of the axis name.
    const double anteil = Vergroesserung(f, hoehe);
    const TTextmass x = f.Textmass("X");
    const TLogPunkt innen = o.StrichProj[o.Strichzahl - 1][0],
                    aussen = o.StrichProj[o.Strichzahl - 1][1];
    const double seiteX = static_cast<double>(aussen.x) - innen.x,
                 seiteY = static_cast<double>(aussen.y) - innen.y;
    const TLogPunkt ort = Verschoben(aussen, seiteX - x.Breite * (1 - anteil) / 2.0,
                                     seiteY + x.Hoehe * (1 - anteil) / 3.0);
    const std::string text = AchsenZahlText(letzter, Einstellungen().Dezimaltrenner);
    const TLogPunkt erster = o.StrichProj[0][0];
    const double ax = static_cast<double>(innen.x) - erster.x,
                 ay = static_cast<double>(innen.y) - erster.y;
    const double la = std::hypot(ax, ay), ls = std::hypot(seiteX, seiteY);
    f.Text(la > 0 && ls > 0 ? Weggewachsen(ort, f.Textmass(text), anteil, seiteX / ls - ax / la,
                                           seiteY / ls - ay / la)
                            : ort,
           text);
}

void tGSzene::NameZeichnen(TZeichenflaeche& f, const TSzenenObjekt& o, int nr,
                           const std::vector<int>& flaechen) const {
    if (o.Name.empty()) return;
    const int hoehe =
        Gerundet(abbildung_->KleinereSeite() * NamenGroessen[std::clamp(o.NamenGroesse, 0, 3)]);
    f.SetzeSchrift(Schriftart, hoehe, o.NamenFarbe);
    TLogPunkt ort = o.BeschriftungProj;
    if (o.Art == TObjektArt::Rand) {
        // Beside the plane's corner, away from the edge towards the next one,
        // so that the name stands inside the plane's picture.
        const int kante = nr - o.Ebene; // 1..4
        const int naechste = o.Ebene + kante % 4 + 1;
        const TLogPunkt z = objekte_[naechste - 1].BeschriftungProj;
        double dx = static_cast<double>(z.x) - ort.x, dy = static_cast<double>(z.y) - ort.y;
        if (dx == 0) {
            dy = dy < 0 ? -1.5 * hoehe : 1.5 * hoehe;
        } else {
            const double l = std::sqrt(dx * dx + dy * dy);
            dx = dx / l * 1.5 * hoehe;
            dy = dy / l * 1.5 * hoehe;
        }
        ort = Verschoben(ort, dx - hoehe / 2.0, dy + hoehe / 2.0);
    } else if (o.Art == TObjektArt::Achse && o.Pfeil) {
        // Beyond the arrow's tip.
        const TLogPunkt spitze = o.PfeilspitzeProj[0];
        ort = Weggewachsen(
            ort, f.Textmass(o.Name), Vergroesserung(f, hoehe),
            spitze.x - (static_cast<double>(o.PfeilspitzeProj[1].x) + o.PfeilspitzeProj[2].x) / 2,
            spitze.y - (static_cast<double>(o.PfeilspitzeProj[1].y) + o.PfeilspitzeProj[2].y) / 2);
    }
    // On a plane of about its colour the name would be lost like a point:
    // a rim of the contrasting colour round its letters sets it off.
    const TTextmass mass = f.Textmass(o.Name);
    const std::optional<TFarbe> unter =
        Untergrund(Verschoben(ort, mass.Breite / 2.0, -mass.Hoehe / 2.0), flaechen);
    if (unter && FarbenNah(o.NamenFarbe, *unter)) {
        f.SetzeSchrift(Schriftart, hoehe, Umrissfarbe(o.NamenFarbe));
        const int d = std::max(1, hoehe / Namenrandteil);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx != 0 || dy != 0) f.Text(Verschoben(ort, dx * d, dy * d), o.Name);
        f.SetzeSchrift(Schriftart, hoehe, o.NamenFarbe);
    }
    f.Text(ort, o.Name);
}

std::optional<TFarbe> tGSzene::Untergrund(TLogPunkt p, const std::vector<int>& flaechen) const {
    std::optional<TFarbe> farbe;
    for (int nr : flaechen) {
        const TStueck& s = stuecke_[nr - 1];
        if (bild::Innen(p, s.EckenProj.data(), s.Eckenzahl, false))
            farbe = Ueberdeckt(farbe.value_or(Weiss), objekte_[s.Objekt - 1]);
    }
    return farbe;
}

void tGSzene::PunktZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o,
                            const std::vector<int>& flaechen, bool hof) const {
    const TLogPunkt m = s.EckenProj[0];
    const std::optional<TFarbe> untergrund = Untergrund(m, flaechen);
    // On a plane of about its own colour the point would be lost (dark blue
    // points on a dark blue plane): an outline sets it off. Elsewhere the
    // point keeps its plain look, and a marked one its halo instead.
    if (!hof && untergrund && FarbenNah(o.Stift.Farbe, *untergrund)) PunktumrissZeichnen(f, o, m);
    f.SetzeStift(o.Stift);
    TPinsel p;
    p.Art = TPinselArt::Voll;
    p.Farbe = o.Stift.Farbe;
    f.SetzePinsel(p);
    const int z = o.Punktgroesse;
    if (o.Punktform == PunktformKreuz) {
        KreuzZeichnen(f, m, z);
    } else if (z >= 1) {
        const TLogPunkt a = Verschoben(m, -z * Einheit, -z * Einheit),
                        b = Verschoben(m, z * Einheit, z * Einheit);
        f.Ellipse({a.x, a.y, b.x, b.y});
    }
    if (o.NameSichtbar) NameZeichnen(f, o, static_cast<int>(&o - objekte_.data()) + 1, flaechen);
}

void tGSzene::HofZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const {
    // Drawn just before the piece, so that it lies behind the piece and in
    // front of whatever the piece covers.
    TPinsel p;
    p.Art = TPinselArt::Voll;
    p.Farbe = Markierfarbe;
    f.SetzeRasterModus(TRasterModus::Kopieren);
    switch (s.Art) {
    case TStueckArt::Polygon:
        // A plane's area stays as it is; its edges carry the mark.
        break;
    case TStueckArt::Linie: {
        const int kern = std::max(o.WeisserRand ? 2 * Einheit : 0, o.Stift.Breite);
        f.SetzeStift({Markierfarbe, kern + 2 * Hofbreite, TStiftStil::Durchgezogen});
        if (o.IstRund()) {
            const auto b = Bogen(s, o);
            for (std::size_t i = 0; i + 1 < b.size(); ++i)
                f.Linie(b[i], b[i + 1]);
            break;
        }
        f.Linie(s.EckenProj[0], s.EckenProj[1]);
        if (SpitzeGezeigt(o) && std::fabs(s.Oben - o.Oben) <= IntervallToleranz) {
            f.SetzePinsel(p);
            f.Polygon(o.PfeilspitzeProj.data(), 3);
        }
        break;
    }
    case TStueckArt::Punkt: {
        const TLogPunkt m = s.EckenProj[0];
        const int z = std::max(o.Punktgroesse, 0);
        if (o.Punktform == PunktformKreuz) {
            f.SetzeStift({Markierfarbe, o.Stift.Breite + 2 * Hofbreite, TStiftStil::Durchgezogen});
            KreuzZeichnen(f, m, z);
        } else {
            const int r = z * Einheit + Hofbreite;
            f.SetzeStift({Markierfarbe, 1, TStiftStil::Durchgezogen});
            f.SetzePinsel(p);
            f.Ellipse({m.x - r, m.y - r, m.x + r, m.y + r});
        }
        break;
    }
    }
}

void tGSzene::KugelumrissZeichnen(TZeichenflaeche& f) const {
    if (!kugel_.BildBerechnet) return;
    f.SetzeStift({Schwarz, 1, TStiftStil::Punktiert});
    f.SetzePinsel({});
    const TLogPunkt m = kugel_.BildMitte;
    const std::int32_t r = kugel_.BildRadius;
    f.Ellipse({m.x - r, m.y - r, m.x + r, m.y + r});
}

} // namespace kalvorin
