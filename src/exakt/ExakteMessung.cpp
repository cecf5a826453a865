#include "exakt/ExakteMessung.h"

#include <cstdlib>

namespace kalvorin::exakt {

namespace {

using A = TElementart;
using Elemente = std::vector<const TDreiDBasisElement*>;

// The standard angles by their cosine: cos = q·√r.
struct TStandardwinkel {
    int Grad;
    TRational q, r;
};

const TStandardwinkel StandardWinkel[] = {
    {0, 1, 1},
    {30, TRational(1, 2), 3},
    {45, TRational(1, 2), 2},
    {60, TRational(1, 2), 1},
    {90, 0, 1},
    {120, TRational(-1, 2), 1},
    {135, TRational(-1, 2), 2},
    {150, TRational(-1, 2), 3},
    {180, -1, 1},
};

std::optional<TExakteMessung> Laenge(const TRational& quadrat, const char* einheit) {
    auto w = Wurzel(quadrat);
    if (!w) return {};
    return TExakteMessung{*w, false, false, {}, einheit};
}

TRational Betrag(const TRational& x) {
    return x.is_negative() ? -x : x;
}

// The angle between two directions, by its cosine; with ohneRichtung (a
// line or a plane takes part) the acute one, by |cos|.
std::optional<TExakteMessung> Winkel(const TQTripel& a, const TQTripel& b,
                                     bool ohneRichtung = false) {
    auto c = Kosinus(a, b);
    if (!c) return {};
    if (ohneRichtung) c->q = Betrag(c->q);
    return TExakteMessung{*c, true, false, Standard(*c), ""};
}

} // namespace

std::vector<const TDreiDBasisElement*> Messelemente(TMessart art, const TAuswahl& m) {
    using L = TAuswahl::Elemente;
    // The first n of each kind, in the order given; nothing when one is short.
    const auto nimm = [](std::initializer_list<std::pair<const L*, std::size_t>> teile) {
        std::vector<const TDreiDBasisElement*> e;
        for (const auto& [liste, n] : teile) {
            if (liste->size() < n) return std::vector<const TDreiDBasisElement*>{};
            e.insert(e.end(), liste->begin(), liste->begin() + static_cast<std::ptrdiff_t>(n));
        }
        return e;
    };
    switch (art) {
    case TMessart::WinkelVektoren:
    case TMessart::FlaecheVektoren:
        return nimm({{&m.V, 2}});
    case TMessart::WinkelGeraden:
    case TMessart::AbstandGeraden:
        return nimm({{&m.G, 2}});
    case TMessart::WinkelGeradeEbene:
        return nimm({{&m.G, 1}, {&m.E, 1}});
    case TMessart::WinkelEbenen:
        return nimm({{&m.E, 2}});
    case TMessart::AbstandPunkte:
        return nimm({{&m.P, 2}});
    case TMessart::AbstandPunktGerade:
        return nimm({{&m.P, 1}, {&m.G, 1}});
    case TMessart::AbstandPunktEbene:
        return nimm({{&m.P, 1}, {&m.E, 1}});
    case TMessart::Betrag:
        return nimm({{&m.V, 1}});
    case TMessart::StreckenLaenge:
        return nimm({{&m.S, 1}});
    case TMessart::FlaechePunkte:
        return nimm({{&m.P, 3}});
    case TMessart::FlaecheDreieck:
        return nimm({{&m.D, 1}});
    case TMessart::VolumenPunkte:
        return nimm({{&m.P, 4}});
    case TMessart::VolumenPunktDreieck:
        return nimm({{&m.P, 1}, {&m.D, 1}});
    case TMessart::VolumenPyramide:
        return nimm({{&m.Y, 1}});
    case TMessart::VolumenVektoren:
        return nimm({{&m.V, 3}});
    case TMessart::KugelRadius:
    case TMessart::KugelOberflaeche:
    case TMessart::KugelVolumen:
        return nimm({{&m.K, 1}});
    case TMessart::PunktKugel:
        return nimm({{&m.P, 1}, {&m.K, 1}});
    case TMessart::GeradeKugel:
        return nimm({{&m.G, 1}, {&m.K, 1}});
    case TMessart::EbeneKugel:
        return nimm({{&m.E, 1}, {&m.K, 1}});
    case TMessart::KreisRadius:
    case TMessart::KreisFlaeche:
        return nimm({{&m.C, 1}});
    case TMessart::FlaecheViereck:
        return nimm({{&m.Q, 1}});
    case TMessart::VolumenPyramide4:
        return nimm({{&m.W, 1}});
    case TMessart::AbstandEbenen:
        return nimm({{&m.E, 2}});
    case TMessart::PunktDreieck:
        return nimm({{&m.P, 1}, {&m.D, 1}});
    case TMessart::PunktViereck:
        return nimm({{&m.P, 1}, {&m.Q, 1}});
    case TMessart::PunkteEbene:
        return nimm({{&m.P, 2}, {&m.E, 1}});
    case TMessart::EbeneAchsen:
        return nimm({{&m.E, 1}});
    }
    return {};
}

std::optional<std::array<TQTripel, 4>> ExakteViereckecken(TExakteAuswertung& ausw,
                                                          const TDreiDBasisElement* q) {
    if (q == nullptr || q->Art != A::DViereck) return {};
    std::array<TTripel, 4> dezimal;
    if (ViereckAuswerten(*q, dezimal) != KeinFehler || ViereckPruefen(dezimal) != KeinFehler)
        return {};
    std::array<TQTripel, 4> p;
    for (std::size_t i = 0; i < 4; ++i) {
        auto x = ausw.Punkt(q->Bezuege[i]);
        if (!x) return {};
        p[i] = *x;
    }
    // Within the tolerance but not exactly in one plane: no exact value.
    if (Skalar(Kreuz(Differenz(p[1], p[0]), Differenz(p[2], p[0])), Differenz(p[3], p[0])) != 0)
        return {};
    return p;
}

TViereckmerkmale ExakteViereckmerkmale(const std::array<TQTripel, 4>& e) {
    std::array<TQTripel, 4> s;
    std::array<TRational, 4> l;
    for (std::size_t i = 0; i < 4; ++i) {
        s[i] = Differenz(e[(i + 1) % 4], e[i]);
        l[i] = Skalar(s[i], s[i]);
    }
    TViereckmerkmale m;
    m.ParallelABCD = IstNull(Kreuz(s[0], s[2]));
    m.ParallelBCDA = IstNull(Kreuz(s[1], s[3]));
    m.RechterWinkel = Skalar(s[0], s[1]) == 0;
    for (std::size_t i = 0; i < 4; ++i)
        m.GleichNachbar[i] = l[i] == l[(i + 1) % 4];
    m.GleichGegenueber = {l[0] == l[2], l[1] == l[3]};
    return m;
}

TQTripel Diagonalenkreuz(const std::array<TQTripel, 4>& e) {
    return Kreuz(Differenz(e[2], e[0]), Differenz(e[3], e[1]));
}

std::optional<int> Standard(const TWurzelzahl& cosinus) {
    for (const auto& s : StandardWinkel)
        if (s.q == cosinus.q && (s.q.is_zero() || s.r == cosinus.r)) return s.Grad;
    return {};
}

namespace {

std::optional<TExakteMessung> Gemessen(TExakteAuswertung& ausw, TMessart art, const Elemente& e) {
    auto punkt = [&](std::size_t i) { return i < e.size() ? ausw.Punkt(e[i]) : std::nullopt; };
    auto vektor = [&](std::size_t i) { return i < e.size() ? ausw.Vektor(e[i]) : std::nullopt; };
    auto geo = [&](std::size_t i, A soll) -> std::optional<TQGeometrie> {
        if (i >= e.size() || e[i] == nullptr || e[i]->Art != soll) return {};
        return ausw.Geometrie(e[i]);
    };
    auto normale = [](const TQGeometrie& g) { return Kreuz(g.Richtung1, g.Richtung2); };
    auto dreieck = [&](std::size_t i) -> std::optional<std::array<TQTripel, 3>> {
        if (i >= e.size() || e[i] == nullptr) return {};
        const TDreiDBasisElement* d = e[i];
        // The element itself must be valid (not on a line).
        if (!ausw.Geometrie(d)) return {};
        if (d->Art == A::DPyramide3) d = d->Bezuege[0];
        if (d == nullptr || d->Art != A::DDreieck) return {};
        auto p = ausw.Punkt(d->Bezuege[0]), q = ausw.Punkt(d->Bezuege[1]),
             r = ausw.Punkt(d->Bezuege[2]);
        if (!p || !q || !r) return {};
        return std::array<TQTripel, 3>{*p, *q, *r};
    };
    auto volumen = [](const TQTripel& a, const TQTripel& b, const TQTripel& c) {
        return TExakteMessung{{Betrag(Skalar(a, Kreuz(b, c))) / 6, 1}, false, false, {}, " VE"};
    };

    switch (art) {
    case TMessart::FlaecheViereck: {
        auto q = e.empty() ? std::nullopt : ExakteViereckecken(ausw, e[0]);
        if (!q) return {};
        const TQTripel n = Diagonalenkreuz(*q);
        return Laenge(Skalar(n, n) / 4, " FE");
    }
    case TMessart::VolumenPyramide4: {
        if (e.empty() || e[0] == nullptr || e[0]->Art != A::DPyramide4) return {};
        auto q = ExakteViereckecken(ausw, e[0]->Bezuege[0]);
        auto s = ausw.Punkt(e[0]->Bezuege[1]);
        if (!q || !s) return {};
        // 1/3 · G · h = 1/3 · |n|/2 · |n·(S − A)|/|n| with n = AC × BD.
        const TRational v = Betrag(Skalar(Diagonalenkreuz(*q), Differenz(*s, (*q)[0]))) / 6;
        if (v.is_zero()) return {};
        return TExakteMessung{{v, 1}, false, false, {}, " VE"};
    }
    case TMessart::AbstandEbenen: {
        auto f = geo(0, A::DEbene), h = geo(1, A::DEbene);
        if (!f || !h) return {};
        const TQTripel n = Ganzzahlig(normale(*f));
        // Planes that meet are 0 apart.
        if (!IstNull(Kreuz(n, normale(*h)))) return TExakteMessung{{0, 1}, false, false, {}, " LE"};
        auto w = DurchWurzel(Betrag(Skalar(n, Differenz(h->Punkt, f->Punkt))), Skalar(n, n));
        if (!w) return {};
        return TExakteMessung{*w, false, false, {}, " LE"};
    }
    case TMessart::PunktDreieck:
    case TMessart::PunktViereck: {
        // The distance from the plane of the triangle or quadrilateral.
        auto p = punkt(0);
        if (!p || e.size() < 2 || e[1] == nullptr) return {};
        std::optional<TQTripel> a, u, v;
        if (art == TMessart::PunktDreieck) {
            auto d = dreieck(1);
            if (!d) return {};
            a = (*d)[0];
            u = Differenz((*d)[1], (*d)[0]);
            v = Differenz((*d)[2], (*d)[0]);
        } else {
            auto q = ExakteViereckecken(ausw, e[1]);
            if (!q) return {};
            a = (*q)[0];
            u = Differenz((*q)[2], (*q)[0]);
            v = Differenz((*q)[3], (*q)[1]);
        }
        const TQTripel n = Ganzzahlig(Kreuz(*u, *v));
        auto w = DurchWurzel(Betrag(Skalar(n, Differenz(*p, *a))), Skalar(n, n));
        if (!w) return {};
        return TExakteMessung{*w, false, false, {}, " LE"};
    }
    case TMessart::PunkteEbene:
    case TMessart::EbeneAchsen:
        return {}; // a statement in words, no one value
    case TMessart::WinkelVektoren: {
        auto a = vektor(0), b = vektor(1);
        if (!a || !b) return {};
        return Winkel(*a, *b);
    }
    case TMessart::WinkelGeraden: {
        auto g = geo(0, A::DGerade), h = geo(1, A::DGerade);
        if (!g || !h) return {};
        return Winkel(g->Richtung1, h->Richtung1, true);
    }
    case TMessart::WinkelGeradeEbene: {
        auto g = geo(0, A::DGerade), f = geo(1, A::DEbene);
        if (!g || !f) return {};
        auto m = Winkel(g->Richtung1, normale(*f), true);
        if (!m) return {};
        // The angle is 90° minus the one with the normal: its sine is that |cos|.
        m->Sinus = true;
        if (m->Grad) m->Grad = 90 - *m->Grad;
        return m;
    }
    case TMessart::WinkelEbenen: {
        auto f = geo(0, A::DEbene), h = geo(1, A::DEbene);
        if (!f || !h) return {};
        return Winkel(normale(*f), normale(*h), true);
    }
    case TMessart::AbstandPunkte: {
        auto a = punkt(0), b = punkt(1);
        if (!a || !b) return {};
        const TQTripel d = Differenz(*b, *a);
        return Laenge(Skalar(d, d), " LE");
    }
    case TMessart::AbstandPunktGerade: {
        auto p = punkt(0);
        auto g = geo(1, A::DGerade);
        if (!p || !g) return {};
        const TQTripel& u = g->Richtung1;
        // A direction whose exact value is zero has no exact foot.
        if (Skalar(u, u) == 0) return {};
        const TRational t = Skalar(u, Differenz(*p, g->Punkt)) / Skalar(u, u);
        const TQTripel d = Differenz(*p, Summe(g->Punkt, Mal(u, t)));
        return Laenge(Skalar(d, d), " LE");
    }
    case TMessart::AbstandPunktEbene: {
        auto p = punkt(0);
        auto f = geo(1, A::DEbene);
        if (!p || !f) return {};
        const TQTripel n = Ganzzahlig(normale(*f));
        // A distance is never negative.
        auto w = DurchWurzel(Betrag(Skalar(n, Differenz(*p, f->Punkt))), Skalar(n, n));
        if (!w) return {};
        return TExakteMessung{*w, false, false, {}, " LE"};
    }
    case TMessart::AbstandGeraden: {
        auto g = geo(0, A::DGerade), h = geo(1, A::DGerade);
        if (!g || !h) return {};
        const TQTripel n = Kreuz(g->Richtung1, h->Richtung1);
        if (IstNull(n)) {
            const TQTripel& u = h->Richtung1;
            if (Skalar(u, u) == 0) return {};
            const TRational t = Skalar(u, Differenz(g->Punkt, h->Punkt)) / Skalar(u, u);
            const TQTripel d = Differenz(g->Punkt, Summe(h->Punkt, Mal(u, t)));
            return Laenge(Skalar(d, d), " LE");
        }
        auto w = DurchWurzel(Betrag(Skalar(n, Differenz(g->Punkt, h->Punkt))), Skalar(n, n));
        if (!w) return {};
        return TExakteMessung{*w, false, false, {}, " LE"};
    }
    case TMessart::Betrag: {
        auto a = vektor(0);
        if (!a) return {};
        return Laenge(Skalar(*a, *a), " LE");
    }
    case TMessart::StreckenLaenge: {
        auto s = geo(0, A::DStrecke);
        if (!s) return {};
        return Laenge(Skalar(s->Richtung1, s->Richtung1), " LE");
    }
    case TMessart::FlaechePunkte:
    case TMessart::FlaecheDreieck: {
        std::optional<std::array<TQTripel, 3>> d;
        if (art == TMessart::FlaecheDreieck) {
            d = dreieck(0);
        } else {
            auto a = punkt(0), b = punkt(1), c = punkt(2);
            if (a && b && c) d = std::array<TQTripel, 3>{*a, *b, *c};
        }
        if (!d) return {};
        const TQTripel n = Kreuz(Differenz((*d)[1], (*d)[0]), Differenz((*d)[2], (*d)[0]));
        return Laenge(Skalar(n, n) / 4, " FE");
    }
    case TMessart::FlaecheVektoren: {
        auto a = vektor(0), b = vektor(1);
        if (!a || !b) return {};
        const TQTripel n = Kreuz(*a, *b);
        return Laenge(Skalar(n, n), "");
    }
    case TMessart::VolumenPunkte: {
        auto a = punkt(0), b = punkt(1), c = punkt(2), d = punkt(3);
        if (!a || !b || !c || !d) return {};
        return volumen(Differenz(*b, *a), Differenz(*c, *a), Differenz(*d, *a));
    }
    case TMessart::VolumenPunktDreieck:
    case TMessart::VolumenPyramide: {
        const bool pyramide = art == TMessart::VolumenPyramide;
        auto d = dreieck(pyramide ? 0 : 1);
        std::optional<TQTripel> p;
        if (pyramide)
            p = e.empty() || e[0] == nullptr ? std::nullopt : ausw.Punkt(e[0]->Bezuege[1]);
        else
            p = punkt(0);
        if (!d || !p) return {};
        auto v = volumen(Differenz((*d)[0], *p), Differenz((*d)[1], *p), Differenz((*d)[2], *p));
        // A pyramid whose apex lies in its base plane is invalid.
        if (pyramide && v.Wert.q.is_zero()) return {};
        return v;
    }
    case TMessart::VolumenVektoren: {
        auto a = vektor(0), b = vektor(1), c = vektor(2);
        if (!a || !b || !c) return {};
        return volumen(*a, *b, *c);
    }
    case TMessart::KugelRadius:
    case TMessart::KugelOberflaeche:
    case TMessart::KugelVolumen:
    case TMessart::KreisRadius:
    case TMessart::KreisFlaeche: {
        const bool kugel = art == TMessart::KugelRadius || art == TMessart::KugelOberflaeche ||
                           art == TMessart::KugelVolumen;
        auto k = geo(0, kugel ? A::DKugel : A::DKreis);
        if (!k) return {};
        const TRational& r2 = k->Radiusquadrat;
        if (art == TMessart::KugelRadius || art == TMessart::KreisRadius) return Laenge(r2, " LE");
        if (art == TMessart::KugelOberflaeche)
            return TExakteMessung{{4 * r2, 1}, false, false, {}, " FE", true};
        if (art == TMessart::KreisFlaeche)
            return TExakteMessung{{r2, 1}, false, false, {}, " FE", true};
        auto r = Wurzel(r2);
        if (!r) return {};
        return TExakteMessung{{TRational(4, 3) * r2 * r->q, r->r}, false, false, {}, " VE", true};
    }
    case TMessart::PunktKugel:
    case TMessart::GeradeKugel:
    case TMessart::EbeneKugel: {
        auto k = geo(1, A::DKugel);
        if (!k) return {};
        // The distance d of the centre from the point, line or plane.
        std::optional<TWurzelzahl> d;
        if (art == TMessart::PunktKugel) {
            auto p = punkt(0);
            if (!p) return {};
            const TQTripel v = Differenz(*p, k->Punkt);
            d = Wurzel(Skalar(v, v));
        } else if (art == TMessart::GeradeKugel) {
            auto g = geo(0, A::DGerade);
            if (!g) return {};
            const TQTripel& u = g->Richtung1;
            if (Skalar(u, u) == 0) return {};
            const TRational t = Skalar(u, Differenz(k->Punkt, g->Punkt)) / Skalar(u, u);
            const TQTripel v = Differenz(k->Punkt, Summe(g->Punkt, Mal(u, t)));
            d = Wurzel(Skalar(v, v));
        } else {
            auto f = geo(0, A::DEbene);
            if (!f) return {};
            const TQTripel n = Ganzzahlig(normale(*f));
            d = DurchWurzel(Betrag(Skalar(n, Differenz(k->Punkt, f->Punkt))), Skalar(n, n));
        }
        auto r = Wurzel(k->Radiusquadrat);
        if (!d || !r) return {};
        // From the surface: |d − r| for a point; a line or plane that meets
        // the sphere has the distance 0.
        const bool trifft = art != TMessart::PunktKugel && d->q * d->q * d->r <= r->q * r->q * r->r;
        if (trifft) return TExakteMessung{{0, 1}, false, false, {}, " LE"};
        if (d->q.is_zero()) return TExakteMessung{*r, false, false, {}, " LE"};
        if (d->r != r->r) return {}; // a sum of two roots: no exact form here
        return TExakteMessung{{Betrag(d->q - r->q), d->r}, false, false, {}, " LE"};
    }
    }
    return {};
}

} // namespace

std::optional<TExakteMessung> ExaktMessen(TExakteAuswertung& ausw, TMessart art,
                                          const Elemente& e) {
    // CLN reports a division by zero, an overflow and the like by
    // exceptions: the measurement then has no exact value, and the decimal
    // one stands.
    try {
        return Gemessen(ausw, art, e);
    } catch (const std::exception&) {
        return {};
    }
}

std::string ExaktZeile(const TExakteMessung& m) {
    if (m.Winkel) {
        if (m.Grad)
            return "exakt: " + std::string(*m.Grad < 0 ? Minus : "") +
                   std::to_string(std::abs(*m.Grad)) + "°";
        return std::string("exakt: ") + (m.Sinus ? "sin" : "cos") + " α = " + Text(m.Wert);
    }
    if (m.MalPi) {
        if (m.Wert.Rational() && m.Wert.q == 1) return "exakt: π" + m.Einheit;
        return "exakt: " + Text(m.Wert) + "·π" + m.Einheit;
    }
    // A rational with at most two places after the separator is shown in
    // full by the decimal already.
    if (m.Wert.Rational() && (m.Wert.q * 100).is_integer() && abs(m.Wert.q) < 10000) return {};
    return "exakt: " + Text(m.Wert) + m.Einheit;
}

std::string MitExaktZeile(const std::string& meldung, const std::string& zeile) {
    if (zeile.empty()) return meldung;
    const std::size_t ende = meldung.find("\r\n", meldung.rfind("\r\n", 0) == 0 ? 2 : 0);
    if (ende == std::string::npos) return meldung + "\r\n" + zeile;
    return meldung.substr(0, ende) + "\r\n" + zeile + meldung.substr(ende);
}

} // namespace kalvorin::exakt
