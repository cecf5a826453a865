// Drawing the ordered pieces through a canvas: planes with their
// transparency patterns, lines with arrow heads, ticks and labels, points
// in their forms, and the names.

#include "storage/Einstellungen.h"
#include "view/Achsenzahl.h"
#include "view/GSzene.h"

#include <algorithm>
#include <cmath>
#include <string_view>

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

} // namespace

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
    const auto eines = [&](int nr) {
        const TStueck& s = stuecke_[nr - 1];
        const TSzenenObjekt& o = objekte_[s.Objekt - 1];
        if (!o.Gezeigt) return;
        if (istMarkiert(s.Objekt)) HofZeichnen(f, s, o);
        switch (s.Art) {
        case TStueckArt::Polygon:
            PolygonZeichnen(f, s, o);
            break;
        case TStueckArt::Linie:
            LinieZeichnen(f, s, o, volleRandfarben);
            break;
        case TStueckArt::Punkt:
            PunktZeichnen(f, s, o);
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
                            bool volleRandfarben) const {
    if (o.WeisserRand) {
        f.SetzeStift({Weiss, 2 * Einheit, TStiftStil::Durchgezogen});
        f.Linie(s.EckenProj[0], s.EckenProj[1]);
    }
    if (volleRandfarben && o.Art == TObjektArt::Rand)
        f.SetzeStift({VolleFarbe(o.Stift.Farbe), o.Stift.Breite, o.Stift.Stil});
    else
        f.SetzeStift(o.Stift);
    f.Linie(s.EckenProj[0], s.EckenProj[1]);

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
    if (o.NameSichtbar && amEnde) NameZeichnen(f, o, static_cast<int>(&o - objekte_.data()) + 1);
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
    const TTextmass x = f.Textmass("X");
    const TLogPunkt innen = o.StrichProj[o.Strichzahl - 1][0],
                    aussen = o.StrichProj[o.Strichzahl - 1][1];
    const TLogPunkt ort =
        Verschoben(aussen, static_cast<double>(aussen.x) - innen.x - x.Breite / 2.0,
                   static_cast<double>(aussen.y) - innen.y + x.Hoehe / 3.0);
    f.Text(ort, AchsenZahlText(letzter, Einstellungen().Dezimaltrenner));
}

void tGSzene::NameZeichnen(TZeichenflaeche& f, const TSzenenObjekt& o, int nr) const {
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
    }
    f.Text(ort, o.Name);
}

void tGSzene::PunktZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const {
    f.SetzeStift(o.Stift);
    TPinsel p;
    p.Art = TPinselArt::Voll;
    p.Farbe = o.Stift.Farbe;
    f.SetzePinsel(p);
    const TLogPunkt m = s.EckenProj[0];
    const int z = o.Punktgroesse;
    if (o.Punktform == PunktformKreuz) {
        f.Linie(Verschoben(m, -z * Einheit, z * Einheit),
                Verschoben(m, (z + 1) * Einheit, -(z + 1) * Einheit));
        f.Linie(Verschoben(m, -z * Einheit, -z * Einheit),
                Verschoben(m, (z + 1) * Einheit, (z + 1) * Einheit));
    } else if (z >= 1) {
        const TLogPunkt a = Verschoben(m, -z * Einheit, -z * Einheit),
                        b = Verschoben(m, z * Einheit, z * Einheit);
        f.Ellipse({a.x, a.y, b.x, b.y});
    }
    if (o.NameSichtbar) NameZeichnen(f, o, static_cast<int>(&o - objekte_.data()) + 1);
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
            f.Linie(Verschoben(m, -z * Einheit, z * Einheit),
                    Verschoben(m, (z + 1) * Einheit, -(z + 1) * Einheit));
            f.Linie(Verschoben(m, -z * Einheit, -z * Einheit),
                    Verschoben(m, (z + 1) * Einheit, (z + 1) * Einheit));
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
