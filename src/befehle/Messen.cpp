#include "befehle/Messen.h"

#include "befehle/Befehle.h"
#include "befehle/BefehleHilfen.h"
#include "exakt/ExakteMessung.h"
#include "exakt/Gleichungen.h"
#include "geometry/Auswertung.h"
#include "geometry/Schnitt.h"
#include "model/Auswahl.h"
#include "storage/Einstellungen.h"
#include "zahlen/Zahlen.h"

#include <cmath>
#include <vector>

namespace kalvorin {

namespace {

using Liste = TAuswahl::Elemente;

constexpr const char* Absatz = "\r\n\r\n";

Real Grad(Real bogen) {
    return bogen / GradInBogen;
}

// Lines and planes have no sense of direction: the angle at which they meet
// is the smaller of the two angles between their directions, 0° to 90°.
Real Schnittwinkel(TTripel u, TTripel v) {
    const Real w = Grad(Zwischenwinkel(u, v));
    return w > 90 ? 180 - w : w;
}

// The angle between a direction and a plane with normal n, 0° to 90°:
// sin α = |u·n| / (|u|·|n|).
Real WinkelZurEbene(TTripel u, TTripel n) {
    return std::fabs(90 - Grad(Zwischenwinkel(u, n)));
}

// Evaluates the elements with f; false as soon as one of them fails.
template <class T, class F> bool Alle(const Liste& e, std::vector<T>& werte, F f) {
    werte.resize(e.size());
    for (std::size_t i = 0; i < e.size(); ++i)
        if (f(*e[i], werte[i]) != KeinFehler) return false;
    return true;
}

bool Punkte(const Liste& e, std::vector<TTripel>& p) {
    return Alle(e, p, PunktAuswerten);
}
bool Vektoren(const Liste& e, std::vector<TTripel>& v) {
    return Alle(e, v, VektorOderPfeilAuswerten);
}
bool Geraden(const Liste& e, std::vector<TGeometrie>& g) {
    return Alle(e, g, [](const TDreiDBasisElement& x, TGeometrie& r) {
        return GeradeAuswerten(x, r.Punkt, r.Richtung1);
    });
}
bool Ebenen(const Liste& e, std::vector<TGeometrie>& g) {
    return Alle(e, g, [](const TDreiDBasisElement& x, TGeometrie& r) {
        return EbeneAuswerten(x, r.Punkt, r.Richtung1, r.Richtung2);
    });
}
TTripel Normale(const TGeometrie& e) {
    return Kreuzprodukt(e.Richtung1, e.Richtung2);
}

// Distance from p to its foot on the line a + t u.
Real AbstandPunktGerade(TTripel p, TTripel a, TTripel u) {
    const Real t = Skalarprodukt(u, Verbindungsvektor(a, p)) / Skalarprodukt(u, u);
    return Betrag(Verbindungsvektor(GeradenPunkt(a, u, t), p));
}

// Whether two lines with the cross product n of their directions are
// parallel. Where both have exact values, the exact directions decide: the
// rounded cross product of directions in thirds is not quite zero, and the
// distance of skew lines along it would be noise. Else the tolerance of the
// intersection decides, so that the distance agrees with "Schneiden".
bool GeradenParallel(const TDreiDBasisElement& g, const TDreiDBasisElement& h, TTripel n) {
    exakt::TExakteAuswertung a;
    try {
        const auto eg = a.Geometrie(&g), eh = a.Geometrie(&h);
        if (eg && eh) return exakt::IstNull(exakt::Kreuz(eg->Richtung1, eh->Richtung1));
    } catch (const std::exception&) {
        // No exact value to decide by.
    }
    return FastNullvektor(n);
}

// The name of the corner i of a triangle or quadrilateral.
std::string EckenName(const TDreiDBasisElement& e, int i) {
    const TDreiDBasisElement* ecke = e.Bezuege[static_cast<std::size_t>(i)];
    return ecke ? ecke->Name : std::string("?");
}

// A point as "(1|2|3)".
std::string Punkttext(TTripel p) {
    return "(" + FormatMeasure(p.x) + "|" + FormatMeasure(p.y) + "|" + FormatMeasure(p.z) + ")";
}

// |a · (b × c)| / 6: the volume of the pyramid the three edges span.
Real Pyramidenvolumen(TTripel a, TTripel b, TTripel c) {
    return std::fabs(Skalarprodukt(a, Kreuzprodukt(b, c))) / 6;
}

std::string Zwei(const char* was, const std::string& a, const std::string& b, Real wert,
                 const char* einheit) {
    return std::string("\r\n") + was + " (" + a + " , " + b + ") = " + FormatMeasure(wert) +
           einheit + Absatz;
}

// The message with its exact value below the value line, where the settings
// ask for it and the value has an exact form.
std::string Exakt(std::string text, exakt::TMessart art, const TAuswahl& auswahl) {
    if (!Einstellungen().ExakteWerte) return text;
    exakt::TExakteAuswertung auswertung;
    const auto m = exakt::ExaktMessen(auswertung, art, exakt::Messelemente(art, auswahl));
    if (!m) return text;
    return exakt::MitExaktZeile(text, exakt::ExaktZeile(*m));
}

using exakt::TMessart;
using TText = std::optional<std::string>;

// --- angles

TText WinkelVektoren(const TAuswahl& m) {
    std::vector<TTripel> v;
    if (!Vektoren(m.V, v)) return {};
    const std::string &a = m.V[0]->Name, &b = m.V[1]->Name;
    return Exakt(Zwei("Winkel", a, b, Grad(Zwischenwinkel(v[0], v[1])), "°") + a + " ° " + b +
                     " = " +
                     FormatGeneral(Skalarprodukt(v[0], v[1]), Einstellungen().StandardStellen),
                 TMessart::WinkelVektoren, m);
}

TText WinkelGeraden(const TAuswahl& m) {
    std::vector<TGeometrie> g;
    if (!Geraden(m.G, g)) return {};
    return Exakt(Zwei("Winkel", m.G[0]->Name, m.G[1]->Name,
                      Schnittwinkel(g[0].Richtung1, g[1].Richtung1), "°"),
                 TMessart::WinkelGeraden, m);
}

TText WinkelGeradeEbene(const TAuswahl& m) {
    std::vector<TGeometrie> g, e;
    if (!Geraden(m.G, g) || !Ebenen(m.E, e)) return {};
    return Exakt(Zwei("Winkel", m.G[0]->Name, m.E[0]->Name,
                      WinkelZurEbene(g[0].Richtung1, Normale(e[0])), "°"),
                 TMessart::WinkelGeradeEbene, m);
}

TText WinkelEbenen(const TAuswahl& m) {
    std::vector<TGeometrie> e;
    if (!Ebenen(m.E, e)) return {};
    return Exakt(Zwei("Winkel", m.E[0]->Name, m.E[1]->Name,
                      Schnittwinkel(Normale(e[0]), Normale(e[1])), "°"),
                 TMessart::WinkelEbenen, m);
}

// --- lengths and distances

TText AbstandPunkte(const TAuswahl& m) {
    std::vector<TTripel> p;
    if (!Punkte(m.P, p)) return {};
    return Exakt(
        Zwei("Abstand", m.P[0]->Name, m.P[1]->Name, Betrag(Verbindungsvektor(p[0], p[1])), " LE"),
        TMessart::AbstandPunkte, m);
}

TText AbstandPunktGerade(const TAuswahl& m) {
    std::vector<TTripel> p;
    std::vector<TGeometrie> g;
    if (!Punkte(m.P, p) || !Geraden(m.G, g)) return {};
    return Exakt(Zwei("Abstand", m.P[0]->Name, m.G[0]->Name,
                      AbstandPunktGerade(p[0], g[0].Punkt, g[0].Richtung1), " LE"),
                 TMessart::AbstandPunktGerade, m);
}

TText AbstandPunktEbene(const TAuswahl& m) {
    std::vector<TTripel> p;
    std::vector<TGeometrie> e;
    if (!Punkte(m.P, p) || !Ebenen(m.E, e)) return {};
    // A distance is never negative: |n·(P − A)| with n normalised.
    TTripel n = Normale(e[0]);
    Normieren(n);
    return Exakt(Zwei("Abstand", m.P[0]->Name, m.E[0]->Name,
                      std::fabs(Skalarprodukt(n, Verbindungsvektor(e[0].Punkt, p[0]))), " LE"),
                 TMessart::AbstandPunktEbene, m);
}

// Two planes: parallel ones by the distance of a point of the second from
// the first; planes that meet are 0 apart.
TText AbstandEbenen(const TAuswahl& m) {
    std::vector<TGeometrie> e;
    if (!Ebenen(m.E, e)) return {};
    TTripel n = Normale(e[0]);
    const TTripel nf = Normale(e[1]);
    const std::string &a = m.E[0]->Name, &b = m.E[1]->Name;
    const bool parallel =
        Betrag(Kreuzprodukt(n, nf)) <= Toleranz * std::max<Real>(1, Betrag(n) * Betrag(nf));
    Normieren(n);
    const Real d =
        parallel ? std::fabs(Skalarprodukt(n, Verbindungsvektor(e[0].Punkt, e[1].Punkt))) : 0;
    const std::string satz = !parallel       ? a + " und " + b + " schneiden sich"
                             : d <= Toleranz ? a + " und " + b + " sind identisch"
                                             : a + " und " + b + " sind parallel";
    return Exakt(Zwei("Abstand", a, b, d, " LE") + satz, TMessart::AbstandEbenen, m);
}

// A point and the plane: its signed distance with the plane's normal made
// a unit vector.
Real Seite(TTripel p, const TGeometrie& e) {
    TTripel n = Normale(e);
    Normieren(n);
    return Skalarprodukt(n, Verbindungsvektor(e.Punkt, p));
}

// Two points and a plane: on the same side of it or not.
TText PunkteEbene(const TAuswahl& m) {
    std::vector<TTripel> p;
    std::vector<TGeometrie> e;
    if (!Punkte(m.P, p) || !Ebenen(m.E, e)) return {};
    const Real sa = Seite(p[0], e[0]), sb = Seite(p[1], e[0]);
    const std::string &a = m.P[0]->Name, &b = m.P[1]->Name, &f = m.E[0]->Name;
    std::string satz;
    if (std::fabs(sa) <= Toleranz && std::fabs(sb) <= Toleranz)
        satz = a + " und " + b + " liegen in " + f;
    else if (std::fabs(sa) <= Toleranz)
        satz = a + " liegt in " + f;
    else if (std::fabs(sb) <= Toleranz)
        satz = b + " liegt in " + f;
    else
        satz = a + " und " + b + " liegen auf " +
               (sa * sb > 0 ? "derselben Seite" : "verschiedenen Seiten") + " von " + f;
    return "\r\nAbstand (" + a + " , " + f + ") = " + FormatMeasure(std::fabs(sa)) +
           " LE\r\nAbstand (" + b + " , " + f + ") = " + FormatMeasure(std::fabs(sb)) + " LE" +
           Absatz + satz;
}

// How a plane lies to the axes: parallel to an axis or containing it, or
// where it meets it.
TText EbeneAchsen(const TAuswahl& m) {
    std::vector<TGeometrie> e;
    if (!Ebenen(m.E, e)) return {};
    TTripel n = Normale(e[0]);
    Normieren(n);
    const Real d = Skalarprodukt(n, e[0].Punkt); // n·x = d
    const std::array<Real, 3> k = {n.x, n.y, n.z};
    const auto x = exakt::Koordinatennamen(exakt::TStil::Text);
    const std::string& f = m.E[0]->Name;
    const bool ursprung = std::fabs(d) <= Toleranz;
    std::vector<std::string> saetze;
    int parallel = 0;
    for (std::size_t i = 0; i < 3; ++i)
        parallel += std::fabs(k[i]) <= Toleranz ? 1 : 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string achse = x[i] + "-Achse";
        if (std::fabs(k[i]) <= Toleranz) {
            saetze.push_back(f + (ursprung ? " enthält die " : " ist parallel zur ") + achse);
            continue;
        }
        TTripel s{};
        (i == 0 ? s.x : i == 1 ? s.y : s.z) = d / k[i];
        saetze.push_back(f + " schneidet die " + achse + " im Punkt " + Punkttext(s));
    }
    if (parallel == 2) {
        // Across the one axis it meets: parallel to the coordinate plane of
        // the other two, or that plane itself.
        std::string ebene;
        for (std::size_t i = 0; i < 3; ++i)
            if (std::fabs(k[i]) <= Toleranz) ebene += x[i];
        saetze.push_back(f + (ursprung ? " ist die " : " ist parallel zur ") + ebene + "-Ebene");
    }
    std::string text =
        "\r\nAbstand (O , " + f + ") = " + FormatMeasure(std::fabs(d)) + " LE" + Absatz;
    for (std::size_t i = 0; i < saetze.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + saetze[i];
    return text;
}

// A point and a triangle or quadrilateral: its distance from their plane,
// and whether it lies inside.
TText PunktImVieleck(TMessart art, const TAuswahl& m) {
    std::vector<TTripel> p;
    if (!Punkte(m.P, p)) return {};
    const bool dreieck = art == TMessart::PunktDreieck;
    const TDreiDBasisElement& x = dreieck ? *m.D[0] : *m.Q[0];
    std::array<TTripel, 4> e{};
    if (dreieck) {
        std::array<TTripel, 3> d{};
        if (DreieckAuswerten(x, d) != KeinFehler || EckenAufEinerGeraden(d)) return {};
        std::copy(d.begin(), d.end(), e.begin());
    } else if (ViereckAuswerten(x, e) != KeinFehler || ViereckPruefen(e) != KeinFehler) {
        return {};
    }
    const int n = dreieck ? 3 : 4;
    std::string ecken;
    for (int i = 0; i < n; ++i)
        ecken += EckenName(x, i);
    TTripel normale =
        dreieck ? Kreuzprodukt(Verbindungsvektor(e[0], e[1]), Verbindungsvektor(e[0], e[2]))
                : Kreuzprodukt(Verbindungsvektor(e[0], e[2]), Verbindungsvektor(e[1], e[3]));
    Normieren(normale);
    const Real abstand = std::fabs(Skalarprodukt(normale, Verbindungsvektor(e[0], p[0])));
    const int lage = kalvorin::PunktImVieleck(e.data(), n, p[0]);
    const std::string was = dreieck ? "Dreieck" : "Viereck";
    const std::string& a = m.P[0]->Name;
    const std::string satz = lage < 0    ? a + " liegt nicht in der Ebene des " + was + "s " + ecken
                             : lage == 0 ? a + " liegt außerhalb des " + was + "s " + ecken
                                         : a + " liegt im " + was + " " + ecken;
    return Exakt(Zwei("Abstand", a, x.Name, lage < 0 ? abstand : 0, " LE") + satz, art, m);
}

TText AbstandGeraden(const TAuswahl& m) {
    std::vector<TGeometrie> g;
    if (!Geraden(m.G, g)) return {};
    const TTripel n = Kreuzprodukt(g[0].Richtung1, g[1].Richtung1);
    const Real abstand =
        GeradenParallel(*m.G[0], *m.G[1], n)
            ? AbstandPunktGerade(g[0].Punkt, g[1].Punkt, g[1].Richtung1)
            : std::fabs(Skalarprodukt(n, Verbindungsvektor(g[1].Punkt, g[0].Punkt))) / Betrag(n);
    return Exakt(Zwei("Abstand", m.G[0]->Name, m.G[1]->Name, abstand, " LE"),
                 TMessart::AbstandGeraden, m);
}

TText VektorBetrag(const TAuswahl& m) {
    std::vector<TTripel> v;
    if (!Vektoren(m.V, v)) return {};
    return Exakt("\r\nBetrag (" + m.V[0]->Name + ") = " + FormatMeasure(Betrag(v[0])) + " LE" +
                     Absatz,
                 TMessart::Betrag, m);
}

TText StreckenLaenge(const TAuswahl& m) {
    TTripel a, d;
    if (StreckeAuswerten(*m.S[0], a, d) != KeinFehler) return {};
    return Exakt("\r\nLänge (" + m.S[0]->Name + ") = " + FormatMeasure(Betrag(d)) + " LE" + Absatz,
                 TMessart::StreckenLaenge, m);
}

// --- areas

TText FlaechePunkte(const TAuswahl& m) {
    std::vector<TTripel> p;
    if (!Punkte(m.P, p)) return {};
    const Real f =
        Betrag(Kreuzprodukt(Verbindungsvektor(p[0], p[1]), Verbindungsvektor(p[0], p[2]))) / 2;
    return Exakt("\r\nFläche (" + m.P[0]->Name + " , " + m.P[1]->Name + " , " + m.P[2]->Name +
                     ") = " + FormatMeasure(f) + " FE" + Absatz,
                 TMessart::FlaechePunkte, m);
}

TText FlaecheDreieck(const TAuswahl& m) {
    std::array<TTripel, 3> ecken{};
    if (DreieckAuswerten(*m.D[0], ecken) != KeinFehler) return {};
    const Real f = Betrag(Kreuzprodukt(Verbindungsvektor(ecken[0], ecken[1]),
                                       Verbindungsvektor(ecken[0], ecken[2]))) /
                   2;
    return Exakt("\r\nFläche (" + m.D[0]->Name + ") = " + FormatMeasure(f) + " FE" + Absatz,
                 TMessart::FlaecheDreieck, m);
}

// The kind decided exactly where the corners have exact values, else within
// the tolerance.
TViereckart ArtDesVierecks(const TDreiDBasisElement& q, const std::array<TTripel, 4>& p) {
    exakt::TExakteAuswertung a;
    try {
        if (auto e = exakt::ExakteViereckecken(a, &q))
            return Viereckart(exakt::ExakteViereckmerkmale(*e));
    } catch (const std::exception&) {
        // No exact value to decide by.
    }
    return Viereckart(Viereckmerkmale(p));
}

// Its area, its sides and angles, and its kind: "ABCD ist ein Rechteck".
TText FlaecheViereck(const TAuswahl& m) {
    const TDreiDBasisElement& q = *m.Q[0];
    std::array<TTripel, 4> p{};
    if (ViereckAuswerten(q, p) != KeinFehler || ViereckPruefen(p) != KeinFehler) return {};
    std::string ecken, seiten, winkel;
    for (int i = 0; i < 4; ++i) {
        const std::string a = EckenName(q, i), b = EckenName(q, (i + 1) % 4);
        ecken += a;
        seiten += (i == 0 ? "" : ", ") + a + b + " = " +
                  FormatMeasure(Betrag(Verbindungsvektor(
                      p[static_cast<std::size_t>(i)], p[static_cast<std::size_t>((i + 1) % 4)]))) +
                  " LE";
        winkel += (i == 0 ? "" : ", ") + std::string("bei ") + a + " " +
                  FormatMeasure(Grad(ViereckWinkel(p, i))) + "°";
    }
    return Exakt("\r\nFläche (" + q.Name + ") = " + FormatMeasure(Viereckflaeche(p)) + " FE" +
                     Absatz + "Seiten: " + seiten + "\r\nWinkel: " + winkel + Absatz + ecken +
                     " ist " + ViereckartText(ArtDesVierecks(q, p)),
                 TMessart::FlaecheViereck, m);
}

TText FlaecheVektoren(const TAuswahl& m) {
    std::vector<TTripel> v;
    if (!Vektoren(m.V, v)) return {};
    return Exakt("\r\n| " + m.V[0]->Name + " x " + m.V[1]->Name +
                     " | = " + FormatMeasure(Betrag(Kreuzprodukt(v[0], v[1]))),
                 TMessart::FlaecheVektoren, m);
}

// --- volumes

TText VolumenPunkte(const TAuswahl& m) {
    std::vector<TTripel> p;
    if (!Punkte(m.P, p)) return {};
    const Real vol = Pyramidenvolumen(Verbindungsvektor(p[0], p[1]), Verbindungsvektor(p[0], p[2]),
                                      Verbindungsvektor(p[0], p[3]));
    return Exakt("\r\nVolumen (" + m.P[0]->Name + " , " + m.P[1]->Name + " , " + m.P[2]->Name +
                     " , " + m.P[3]->Name + ") = " + FormatMeasure(vol) + " VE" + Absatz,
                 TMessart::VolumenPunkte, m);
}

TText VolumenPunktDreieck(const TAuswahl& m) {
    std::vector<TTripel> p;
    std::array<TTripel, 3> ecken{};
    if (!Punkte(m.P, p) || DreieckAuswerten(*m.D[0], ecken) != KeinFehler) return {};
    const Real vol =
        Pyramidenvolumen(Verbindungsvektor(p[0], ecken[0]), Verbindungsvektor(p[0], ecken[1]),
                         Verbindungsvektor(p[0], ecken[2]));
    return Exakt("\r\nVolumen (" + m.P[0]->Name + " , " + m.D[0]->Name +
                     ") = " + FormatMeasure(vol) + " VE" + Absatz,
                 TMessart::VolumenPunktDreieck, m);
}

TText VolumenPyramide(const TAuswahl& m) {
    std::array<TTripel, 3> ecken{};
    TTripel t;
    if (PyramideAuswerten(*m.Y[0], ecken, t) != KeinFehler) return {};
    const Real vol =
        Pyramidenvolumen(Verbindungsvektor(t, ecken[0]), Verbindungsvektor(t, ecken[1]),
                         Verbindungsvektor(t, ecken[2]));
    return Exakt("\r\nVolumen (" + m.Y[0]->Name + ") = " + FormatMeasure(vol) + " VE" + Absatz,
                 TMessart::VolumenPyramide, m);
}

// V = 1/3 · G · h with the base's area and the apex's height above it.
TText VolumenPyramide4(const TAuswahl& m) {
    const TDreiDBasisElement& y = *m.W[0];
    std::array<TTripel, 4> p{};
    TTripel s;
    if (Pyramide4Auswerten(y, p, s) != KeinFehler || ViereckPruefen(p) != KeinFehler) return {};
    TTripel n = Kreuzprodukt(Verbindungsvektor(p[0], p[2]), Verbindungsvektor(p[1], p[3]));
    const Real g = Betrag(n) / 2;
    Normieren(n);
    const Real h = std::fabs(Skalarprodukt(n, Verbindungsvektor(p[0], s)));
    const std::string basis = y.Bezuege[0] ? y.Bezuege[0]->Name : std::string("?");
    return Exakt("\r\nVolumen (" + y.Name + ") = " + FormatMeasure(g * h / 3) + " VE" + Absatz +
                     "Grundfläche (" + basis + ") = " + FormatMeasure(g) +
                     " FE, Höhe = " + FormatMeasure(h) + " LE",
                 TMessart::VolumenPyramide4, m);
}

TText VolumenVektoren(const TAuswahl& m) {
    // The three vectors are taken as they evaluate, valid or not.
    std::vector<TTripel> v(3);
    for (int i = 0; i < 3; ++i)
        VektorOderPfeilAuswerten(*m.V[i], v[i]);
    const Real vol = Pyramidenvolumen(v[0], v[1], v[2]);
    const std::string namen = m.V[0]->Name + " , " + m.V[1]->Name + " , " + m.V[2]->Name;
    const std::string spat = FormatMeasure(6 * vol);
    return Exakt("\r\nPyramidenvolumen (" + namen + ") = " + FormatMeasure(vol) + " VE" + "   " +
                     Absatz + "        Spatvolumen (" + namen + ") = " + spat + " VE" + Absatz +
                     "       Determinante (" + namen + ") = " + spat + Absatz,
                 TMessart::VolumenVektoren, m);
}

// --- spheres and circles

bool Kugel(const TDreiDBasisElement& k, TTripel& m, Real& r) {
    return KugelAuswerten(k, m, r) == KeinFehler;
}

// How the distance d of the centre compares with the radius r: -1 less,
// 0 equal, 1 greater. Where both have exact values they decide, else the
// tolerance of the constructions.
int Vergleich(Real d, Real r, const std::optional<exakt::TExakteMessung>& abstand) {
    const bool gleich = std::fabs(d - r) <= 1e-6L * std::max<Real>(1, r);
    if (abstand) {
        // Zero from the surface: on it, or (a line, a plane) through the sphere.
        if (abstand->Wert.q.is_zero()) return gleich ? 0 : -1;
        return d < r ? -1 : 1;
    }
    if (gleich) return 0;
    return d < r ? -1 : 1;
}

std::optional<exakt::TExakteMessung> ExaktGemessen(TMessart art, const TAuswahl& m) {
    exakt::TExakteAuswertung auswertung;
    return exakt::ExaktMessen(auswertung, art, exakt::Messelemente(art, m));
}

TText KugelMass(TMessart art, const TAuswahl& m) {
    TTripel mitte;
    Real r = 0;
    if (!Kugel(*m.K[0], mitte, r)) return {};
    const std::string& k = m.K[0]->Name;
    if (art == TMessart::KugelRadius)
        return Exakt("\r\nRadius (" + k + ") = " + FormatMeasure(r) + " LE" + Absatz, art, m);
    if (art == TMessart::KugelOberflaeche)
        return Exakt("\r\nOberfläche (" + k + ") = " + FormatMeasure(4 * Pi * r * r) + " FE" +
                         Absatz,
                     art, m);
    return Exakt("\r\nVolumen (" + k + ") = " + FormatMeasure(4 * Pi * r * r * r / 3) + " VE" +
                     Absatz,
                 art, m);
}

TText KreisMass(TMessart art, const TAuswahl& m) {
    TTripel mitte, n;
    Real r = 0;
    if (KreisAuswerten(*m.C[0], mitte, n, r) != KeinFehler) return {};
    const std::string& k = m.C[0]->Name;
    if (art == TMessart::KreisRadius)
        return Exakt("\r\nRadius (" + k + ") = " + FormatMeasure(r) + " LE\r\nUmfang (" + k +
                         ") = " + FormatMeasure(2 * Pi * r) + " LE" + Absatz,
                     art, m);
    return Exakt("\r\nFläche (" + k + ") = " + FormatMeasure(Pi * r * r) + " FE" + Absatz, art, m);
}

// A point, line or plane and a sphere: the distance from its surface and
// where the one lies to the other.
TText LageZurKugel(TMessart art, const TAuswahl& m) {
    TTripel mitte;
    Real r = 0;
    if (!Kugel(*m.K[0], mitte, r)) return {};
    const TDreiDBasisElement* x = art == TMessart::PunktKugel    ? m.P[0]
                                  : art == TMessart::GeradeKugel ? m.G[0]
                                                                 : m.E[0];
    Real d = 0;
    if (art == TMessart::PunktKugel) {
        std::vector<TTripel> p;
        if (!Punkte(m.P, p)) return {};
        d = Betrag(Verbindungsvektor(mitte, p[0]));
    } else if (art == TMessart::GeradeKugel) {
        std::vector<TGeometrie> g;
        if (!Geraden(m.G, g)) return {};
        d = AbstandPunktGerade(mitte, g[0].Punkt, g[0].Richtung1);
    } else {
        std::vector<TGeometrie> e;
        if (!Ebenen(m.E, e)) return {};
        TTripel n = Normale(e[0]);
        Normieren(n);
        d = std::fabs(Skalarprodukt(n, Verbindungsvektor(e[0].Punkt, mitte)));
    }
    const std::optional<exakt::TExakteMessung> exakt = ExaktGemessen(art, m);
    const int lage = Vergleich(d, r, exakt);
    const std::string &a = x->Name, &k = m.K[0]->Name;
    std::string satz;
    if (art == TMessart::PunktKugel)
        satz = a + " liegt " +
               (lage < 0    ? "innerhalb der"
                : lage == 0 ? "auf der"
                            : "außerhalb der") +
               " Kugel " + k;
    else
        satz = a + (lage < 0 ? " schneidet " : lage == 0 ? " berührt " : " meidet ") + k;
    const Real abstand = art == TMessart::PunktKugel ? std::fabs(d - r) : std::max<Real>(d - r, 0);
    return Exakt(Zwei("Abstand", a, k, lage == 0 ? 0 : abstand, " LE") + satz, art, m);
}

TText Messen(TMessart art, const TAuswahl& m) {
    switch (art) {
    case TMessart::KugelRadius:
    case TMessart::KugelOberflaeche:
    case TMessart::KugelVolumen:
        return KugelMass(art, m);
    case TMessart::KreisRadius:
    case TMessart::KreisFlaeche:
        return KreisMass(art, m);
    case TMessart::PunktKugel:
    case TMessart::GeradeKugel:
    case TMessart::EbeneKugel:
        return LageZurKugel(art, m);
    case TMessart::WinkelVektoren:
        return WinkelVektoren(m);
    case TMessart::WinkelGeraden:
        return WinkelGeraden(m);
    case TMessart::WinkelGeradeEbene:
        return WinkelGeradeEbene(m);
    case TMessart::WinkelEbenen:
        return WinkelEbenen(m);
    case TMessart::AbstandPunkte:
        return AbstandPunkte(m);
    case TMessart::AbstandPunktGerade:
        return AbstandPunktGerade(m);
    case TMessart::AbstandPunktEbene:
        return AbstandPunktEbene(m);
    case TMessart::AbstandGeraden:
        return AbstandGeraden(m);
    case TMessart::Betrag:
        return VektorBetrag(m);
    case TMessart::StreckenLaenge:
        return StreckenLaenge(m);
    case TMessart::FlaechePunkte:
        return FlaechePunkte(m);
    case TMessart::FlaecheDreieck:
        return FlaecheDreieck(m);
    case TMessart::FlaecheVektoren:
        return FlaecheVektoren(m);
    case TMessart::VolumenPunkte:
        return VolumenPunkte(m);
    case TMessart::VolumenPunktDreieck:
        return VolumenPunktDreieck(m);
    case TMessart::VolumenPyramide:
        return VolumenPyramide(m);
    case TMessart::VolumenVektoren:
        return VolumenVektoren(m);
    case TMessart::FlaecheViereck:
        return FlaecheViereck(m);
    case TMessart::VolumenPyramide4:
        return VolumenPyramide4(m);
    case TMessart::AbstandEbenen:
        return AbstandEbenen(m);
    case TMessart::PunktDreieck:
    case TMessart::PunktViereck:
        return PunktImVieleck(art, m);
    case TMessart::PunkteEbene:
        return PunkteEbene(m);
    case TMessart::EbeneAchsen:
        return EbeneAchsen(m);
    }
    return {};
}

bool Zeigen(TDokument& d, TBefehl messung) {
    if (!Angeboten(d, messung)) return false;
    const auto text = Messergebnis(d.Liste(), messung);
    if (!text) return false;
    Meldungen().Meldung(*text, TMeldungsart::Information);
    return true;
}

} // namespace

std::optional<std::string> Messergebnis(const TListe& liste, TBefehl messung) {
    const auto art = Messart(liste, messung);
    if (!art) return {};
    return Messen(*art, TAuswahl(liste));
}

namespace {

// The two marked elements, in list order, where they are lines, segments
// or planes; the worked solution also cuts a segment with a line or a
// plane, which the command does not offer.
std::optional<exakt::TLoesungsweg> SchnittDerMarkierten(const TListe& liste,
                                                        const std::string& ergebnisname) {
    std::vector<const TDreiDBasisElement*> zwei;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i]->markiert) zwei.push_back(liste[i]);
    if (zwei.size() != 2) return {};
    return exakt::Schnittloesungsweg(liste, *zwei[0], *zwei[1], ergebnisname);
}

// The perpendicular the offers give the marks.
std::optional<exakt::TLoesungsweg> LotDerMarkierten(const TListe& liste) {
    const TFall fall = Fall(liste, TBefehl::Loteerzeugen);
    const TAuswahl m(liste);
    if (fall == TFall::LotPE)
        return exakt::Lotloesungsweg(liste, exakt::TLotfall::PunktEbene, *m.P[0], *m.E[0]);
    if (fall == TFall::LotPG)
        return exakt::Lotloesungsweg(liste, exakt::TLotfall::PunktGerade, *m.P[0], *m.G[0]);
    if (fall == TFall::LotGG)
        return exakt::Lotloesungsweg(liste, exakt::TLotfall::Geraden, *m.G[0], *m.G[1]);
    return {};
}

// A marked point and its marked mirror (a plane, a line, or a point: the
// one with the centre's role, else the second).
std::optional<exakt::TLoesungsweg> SpiegelungDerMarkierten(const TListe& liste) {
    const TAuswahl m(liste);
    std::size_t anzahl = 0;
    for (const auto* l : {&m.P, &m.V, &m.G, &m.E, &m.S, &m.D, &m.Y})
        anzahl += l->size();
    if (anzahl != 2 || m.P.empty()) return {};
    if (m.E.size() == 1) return exakt::Spiegelungsloesungsweg(liste, *m.P[0], *m.E[0]);
    if (m.G.size() == 1) return exakt::Spiegelungsloesungsweg(liste, *m.P[0], *m.G[0]);
    if (m.P.size() != 2) return {};
    const bool ersterZentrum =
        m.P[0]->Rolle(TRolle::IstSpiegelzentrum) && !m.P[1]->Rolle(TRolle::IstSpiegelzentrum);
    return exakt::Spiegelungsloesungsweg(liste, *m.P[ersterZentrum ? 1 : 0],
                                         *m.P[ersterZentrum ? 0 : 1]);
}

} // namespace

std::optional<exakt::TLoesungsweg> LoesungswegDerMarkierten(const TListe& liste,
                                                            exakt::TLoesungsart art,
                                                            const std::string& ergebnisname) {
    using exakt::TLoesungsart;
    const auto messen = [&](TBefehl messung) -> std::optional<exakt::TLoesungsweg> {
        const auto zeile = Messart(liste, messung);
        if (!zeile) return {};
        return exakt::Loesungsweg(liste, *zeile, exakt::Messelemente(*zeile, TAuswahl(liste)));
    };
    switch (art) {
    case TLoesungsart::Schneiden:
        return SchnittDerMarkierten(liste, ergebnisname);
    case TLoesungsart::Lot:
        return LotDerMarkierten(liste);
    case TLoesungsart::Spiegelung:
        return SpiegelungDerMarkierten(liste);
    case TLoesungsart::Winkel:
        return messen(TBefehl::MessWinkel);
    case TLoesungsart::Laenge:
        return messen(TBefehl::MessLaenge);
    case TLoesungsart::Flaeche:
        return messen(TBefehl::MessFlaeche);
    case TLoesungsart::Volumen:
        return messen(TBefehl::MessVolumen);
    }
    return {};
}

std::string MesswerteSchulgerechtPruefen(const TListe& liste) {
    // Lines and planes have no sense of direction; vectors have.
    const bool ohneRichtung = Messart(liste, TBefehl::MessWinkel) != TMessart::WinkelVektoren;
    for (TBefehl b : {TBefehl::MessWinkel, TBefehl::MessLaenge}) {
        const auto text = Messergebnis(liste, b);
        if (!text) continue;
        const bool winkel = b == TBefehl::MessWinkel;
        if (winkel && !ohneRichtung) continue;
        // The value stands after the last ") = " of the first line (names
        // may hold anything), up to the unit.
        const std::size_t zeile = text->find("\r\n", 2);
        const std::size_t gleich = text->rfind(") = ", zeile);
        if (gleich == std::string::npos) return "no value: " + *text;
        const std::size_t ende = text->find(winkel ? "°" : " ", gleich + 4);
        const std::string wert = text->substr(gleich + 4, ende - gleich - 4);
        // A sign is enough for a distance (a large one is written with an
        // exponent); an angle is a plain decimal.
        if (!wert.empty() && wert[0] == '-') return "negative value: " + *text;
        const TZahl w = ParseReal(wert);
        if (winkel && (w.Code != ZahlGueltig || w.Wert > 90))
            return "angle outside 0° to 90°: " + *text;
        const std::size_t exaktZeile = text->find("exakt: ");
        if (exaktZeile != std::string::npos &&
            text->find(exakt::Minus, exaktZeile) != std::string::npos)
            return "negative exact value: " + *text;
    }
    return {};
}

bool MessWinkel(TDokument& d) {
    return Zeigen(d, TBefehl::MessWinkel);
}
bool MessLaenge(TDokument& d) {
    return Zeigen(d, TBefehl::MessLaenge);
}
bool MessFlaeche(TDokument& d) {
    return Zeigen(d, TBefehl::MessFlaeche);
}
bool MessVolumen(TDokument& d) {
    return Zeigen(d, TBefehl::MessVolumen);
}

} // namespace kalvorin
