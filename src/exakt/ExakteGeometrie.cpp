#include "exakt/ExakteGeometrie.h"
#include "model/Elementarten.h"

#include <cmath>

namespace kalvorin::exakt {

using E = TEntstehungsart;
using A = TElementart;

TQTripel Summe(const TQTripel& a, const TQTripel& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
TQTripel Differenz(const TQTripel& a, const TQTripel& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
TQTripel Mal(const TQTripel& a, const TRational& t) {
    return {a.x * t, a.y * t, a.z * t};
}
TRational Skalar(const TQTripel& a, const TQTripel& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
TQTripel Kreuz(const TQTripel& a, const TQTripel& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
bool IstNull(const TQTripel& a) {
    return a.x.is_zero() && a.y.is_zero() && a.z.is_zero();
}
TTripel AlsTripel(const TQTripel& a) {
    return {AlsReal(a.x), AlsReal(a.y), AlsReal(a.z)};
}

TQTripel Ganzzahlig(const TQTripel& a) {
    if (IstNull(a)) return a;
    const TRational n = lcm(lcm(a.x.denom(), a.y.denom()), a.z.denom());
    TQTripel g = Mal(a, n);
    const TRational t = gcd(gcd(g.x, g.y), g.z);
    return Mal(g, t.inverse());
}

std::optional<TWurzelzahl> Kosinus(const TQTripel& a, const TQTripel& b) {
    if (IstNull(a) || IstNull(b)) return {};
    const TQTripel u = Ganzzahlig(a), v = Ganzzahlig(b);
    const TRational uv = Skalar(u, v);
    if (uv.is_zero()) return TWurzelzahl{0, 1};
    auto lu = Wurzel(Skalar(u, u)), lv = Wurzel(Skalar(v, v));
    if (!lu || !lv) return {};
    // √ru·√rv = g·√(ru/g · rv/g) with g = gcd(ru, rv); both square-free.
    const TRational g = gcd(lu->r, lv->r);
    const TRational innen = (lu->r / g) * (lv->r / g);
    return TWurzelzahl{uv / (lu->q * lv->q * g * innen), innen};
}

bool Stimmt(const TRational& exakt, Real dezimal) {
    if (!std::isfinite(dezimal)) return false;
    const Real e = AlsReal(exakt);
    return std::fabs(e - dezimal) <= 1e-9L * std::fmax(1.0L, std::fabs(dezimal));
}

bool Stimmt(const TQTripel& exakt, TTripel d) {
    return Stimmt(exakt.x, d.x) && Stimmt(exakt.y, d.y) && Stimmt(exakt.z, d.z);
}

namespace {

std::optional<TQTripel> Erkennen(TTripel t) {
    auto x = RationalErkennen(t.x), y = RationalErkennen(t.y), z = RationalErkennen(t.z);
    if (!x || !y || !z) return {};
    return TQTripel{*x, *y, *z};
}

bool Handlich(const TQTripel& t) {
    return HandlicheGroesse(t.x) && HandlicheGroesse(t.y) && HandlicheGroesse(t.z);
}

// The two directions the plane with normal n is shown with (the same choice
// as the extended evaluation).
void RichtungenAusNormale(const TQTripel& n, TQTripel& u, TQTripel& v) {
    u = Kreuz(n, TQTripel{1, 0, 0});
    if (IstNull(u)) {
        u = Kreuz(n, TQTripel{0, 1, 0});
        v = Kreuz(n, TQTripel{0, 0, 1});
        return;
    }
    v = Kreuz(n, TQTripel{0, 1, 0});
    if (IstNull(v) || IstNull(Kreuz(u, v))) v = Kreuz(n, TQTripel{0, 0, 1});
}

// The plane n·x + d = 0 (n not zero) as the evaluation lays it out: its
// point on the first axis that meets it, its directions from the normal.
TQGeometrie EbeneAusNormale(const TQTripel& n, const TRational& d) {
    TQTripel a;
    if (!n.x.is_zero())
        a = {-d / n.x, 0, 0};
    else if (!n.y.is_zero())
        a = {0, -d / n.y, 0};
    else
        a = {0, 0, -d / n.z};
    TQGeometrie g{a, {}, {}};
    RichtungenAusNormale(n, g.Richtung1, g.Richtung2);
    return g;
}

// a/|a| + b/|b|, exact where both lengths are rational.
std::optional<TQTripel> EinheitenSumme(const TQTripel& a, const TQTripel& b) {
    auto la = Wurzel(Skalar(a, a)), lb = Wurzel(Skalar(b, b));
    if (!la || !lb || !la->Rational() || !lb->Rational() || la->q.is_zero() || lb->q.is_zero())
        return {};
    return Summe(Mal(a, la->q.inverse()), Mal(b, lb->q.inverse()));
}

TQGeometrie Geo(TQTripel p, TQTripel r1 = {}, TQTripel r2 = {}) {
    return {p, r1, r2};
}

// Where the line b + t d meets the plane through a spanned by u and v.
std::optional<TQTripel> GeradeTrifftEbene(const TQTripel& a, const TQTripel& u, const TQTripel& v,
                                          const TQTripel& b, const TQTripel& d) {
    const TQTripel n = Kreuz(u, v);
    const TRational nenner = Skalar(d, n);
    if (nenner.is_zero()) return {};
    return Summe(b, Mal(d, Skalar(Differenz(a, b), n) / nenner));
}

} // namespace

std::optional<TQGeometrie> TExakteAuswertung::Geometrie(const TDreiDBasisElement* e) {
    if (e == nullptr) return {};
    auto [it, neu] = merker_.try_emplace(e);
    if (!neu) return it->second.Fertig ? it->second.G : std::nullopt;
    std::optional<TQGeometrie> g;
    try {
        g = Rechnen(*e);
    } catch (const std::exception&) {
        g.reset(); // CLN reports overflow and the like by exceptions
    }
    if (g) {
        TGeometrie d;
        bool gut = Auswerten(*e, d) == KeinFehler && Handlich(g->Punkt) && Handlich(g->Richtung1) &&
                   Handlich(g->Richtung2);
        if (gut) {
            switch (e->Art) {
            case A::DfrPunkt:
                gut = Stimmt(g->Punkt, d.Punkt);
                break;
            case A::DVektor:
                gut = Stimmt(g->Richtung1, d.Richtung1);
                break;
            case A::DPfeil:
            case A::DStrecke:
            case A::DGerade:
                gut = Stimmt(g->Punkt, d.Punkt) && Stimmt(g->Richtung1, d.Richtung1);
                break;
            case A::DKugel:
            case A::DKreis:
                gut = Stimmt(g->Punkt, d.Punkt) && Stimmt(g->Richtung1, d.Richtung1) &&
                      Stimmt(g->Radiusquadrat, d.Radius * d.Radius);
                break;
            default:
                gut = Stimmt(g->Punkt, d.Punkt) && Stimmt(g->Richtung1, d.Richtung1) &&
                      Stimmt(g->Richtung2, d.Richtung2);
            }
        }
        // A triangle on a line (and a pyramid on one) is invalid: no value.
        if (gut && (e->Art == A::DDreieck || e->Art == A::DPyramide3 || e->Art == A::DViereck ||
                    e->Art == A::DPyramide4))
            gut = !IstNull(Kreuz(g->Richtung1, g->Richtung2));
        if (!gut) g.reset();
    }
    auto& eintrag = merker_[e];
    eintrag.Fertig = true;
    eintrag.G = g;
    return g;
}

std::optional<TQTripel> TExakteAuswertung::Punkt(const TDreiDBasisElement* e) {
    if (e == nullptr || e->Art != A::DfrPunkt) return {};
    auto g = Geometrie(e);
    if (!g) return {};
    return g->Punkt;
}

std::optional<TQTripel> TExakteAuswertung::Vektor(const TDreiDBasisElement* e) {
    if (e == nullptr || (e->Art != A::DVektor && e->Art != A::DPfeil)) return {};
    auto g = Geometrie(e);
    if (!g) return {};
    return g->Richtung1;
}

std::optional<TQGeometrie> TExakteAuswertung::Rechnen(const TDreiDBasisElement& e) {
    // An element built of parts takes its exact value from them; an image's
    // parts are images themselves.
    if (WirdNachgerechnet(e.Art, e.Entstehung.Art) && !Artangaben(e.Art).AusTeilen)
        return Abgeleitet(e);
    return Gespeichert(e);
}

std::optional<TQGeometrie> TExakteAuswertung::Gespeichert(const TDreiDBasisElement& e) {
    const auto& b = e.Bezuege;
    switch (e.Art) {
    case A::DfrPunkt: {
        if (e.Festlegung != TfrPunkt::PV) {
            auto p = Erkennen(static_cast<const TfrPunkt&>(e).Koordinaten);
            if (!p) return {};
            return Geo(*p);
        }
        auto a = Punkt(b[0]);
        auto v = Vektor(b[1]);
        if (!a || !v) return {};
        return Geo(Summe(*a, *v));
    }
    case A::DVektor: {
        switch (e.Festlegung) {
        case TVektor::V: {
            auto v = Erkennen(static_cast<const TVektor&>(e).Komponenten);
            if (!v) return {};
            return Geo({}, *v);
        }
        case TVektor::V2P: {
            auto p = Punkt(b[0]), q = Punkt(b[1]);
            if (!p || !q) return {};
            return Geo({}, Differenz(*q, *p));
        }
        case TVektor::VG:
        case TVektor::VE: {
            // The vector is shown with small whole numbers; it counts as exact
            // when those are parallel to the exact direction.
            auto g = Geometrie(b[0]);
            if (!g) return {};
            const TQTripel r =
                e.Festlegung == TVektor::VG ? g->Richtung1 : Kreuz(g->Richtung1, g->Richtung2);
            TTripel gezeigt;
            if (VektorAuswerten(e, gezeigt) != KeinFehler) return {};
            auto v = Erkennen(gezeigt);
            if (!v || IstNull(*v) || !IstNull(Kreuz(*v, r))) return {};
            return Geo({}, *v);
        }
        case TVektor::VPf: {
            auto v = Vektor(b[0]);
            if (!v) return {};
            return Geo({}, *v);
        }
        default:
            return {};
        }
    }
    case A::DPfeil: {
        auto fuss = Punkt(b[0]);
        if (!fuss) return {};
        if (e.Festlegung == TPfeil::PfPP) {
            auto spitze = Punkt(b[1]);
            if (!spitze) return {};
            return Geo(*fuss, Differenz(*spitze, *fuss));
        }
        auto v = Vektor(b[1]);
        if (!v) return {};
        return Geo(*fuss, *v);
    }
    case A::DStrecke: {
        auto p = Punkt(b[0]), q = Punkt(b[1]);
        if (!p || !q) return {};
        return Geo(*p, Differenz(*q, *p));
    }
    case A::DGerade: {
        const auto& g = static_cast<const TGerade&>(e);
        if (e.Festlegung == TGerade::GPAR) {
            auto p = Erkennen(g.Punkt), d = Erkennen(g.Richtung);
            if (!p || !d) return {};
            return Geo(*p, *d);
        }
        auto p = Punkt(b[0]);
        if (!p) return {};
        if (e.Festlegung == TGerade::GPP) {
            auto q = Punkt(b[1]);
            if (!q) return {};
            return Geo(*p, Differenz(*q, *p));
        }
        auto v = Vektor(b[1]);
        if (!v) return {};
        return Geo(*p, *v);
    }
    case A::DEbene: {
        const auto& eb = static_cast<const TEbene&>(e);
        switch (e.Festlegung) {
        case TEbene::EPAR: {
            auto p = Erkennen(eb.Punkt), u = Erkennen(eb.Richtung1), v = Erkennen(eb.Richtung2);
            if (!p || !u || !v) return {};
            return Geo(*p, *u, *v);
        }
        case TEbene::ENOR: {
            auto n = Erkennen(eb.Normale);
            auto d = RationalErkennen(eb.d);
            if (!n || !d || IstNull(*n)) return {};
            return EbeneAusNormale(*n, *d);
        }
        case TEbene::EPPP: {
            auto p = Punkt(b[0]), q = Punkt(b[1]), r = Punkt(b[2]);
            if (!p || !q || !r) return {};
            return Geo(*p, Differenz(*q, *p), Differenz(*r, *p));
        }
        case TEbene::EPVV: {
            auto p = Punkt(b[0]);
            auto u = Vektor(b[1]), v = Vektor(b[2]);
            if (!p || !u || !v) return {};
            return Geo(*p, *u, *v);
        }
        case TEbene::EPG: {
            auto p = Punkt(b[0]);
            const TDreiDBasisElement* ge = b[1];
            if (!p || ge == nullptr || ge->Art != A::DGerade) return {};
            if (ge->Festlegung == TGerade::GPP) {
                auto q1 = Punkt(ge->Bezuege[0]), q2 = Punkt(ge->Bezuege[1]);
                if (!q1 || !q2) return {};
                return Geo(*p, Differenz(*q1, *p), Differenz(*q2, *p));
            }
            auto g = Geometrie(ge);
            if (!g) return {};
            return Geo(*p, Differenz(g->Punkt, *p), g->Richtung1);
        }
        case TEbene::EGG: {
            auto g1 = Geometrie(b[0]), g2 = Geometrie(b[1]);
            if (!g1 || !g2) return {};
            TQGeometrie g{g1->Punkt, g1->Richtung1, g2->Richtung1};
            if (IstNull(Kreuz(g.Richtung1, g.Richtung2)))
                g.Richtung2 = Differenz(g2->Punkt, g1->Punkt);
            return g;
        }
        case TEbene::EPV: {
            auto p = Punkt(b[0]);
            auto n = Vektor(b[1]);
            if (!p || !n || IstNull(*n)) return {};
            TQGeometrie g{*p, {}, {}};
            RichtungenAusNormale(*n, g.Richtung1, g.Richtung2);
            return g;
        }
        case TEbene::EGV: {
            auto g = Geometrie(b[0]);
            auto u = Vektor(b[1]);
            if (!g || !u) return {};
            return Geo(g->Punkt, *u, g->Richtung1);
        }
        default:
            return {};
        }
    }
    case A::DDreieck: {
        auto p = Punkt(b[0]), q = Punkt(b[1]), r = Punkt(b[2]);
        if (!p || !q || !r) return {};
        return Geo(*p, Differenz(*q, *p), Differenz(*r, *p));
    }
    case A::DPyramide3:
    case A::DPyramide4: {
        if (!Punkt(b[1])) return {};
        return Geometrie(b[0]);
    }
    case A::DViereck: {
        // As the evaluation: the first corner and the second and third
        // from it; the fourth is checked by the measurements.
        auto p = Punkt(b[0]), q = Punkt(b[1]), r = Punkt(b[2]);
        if (!p || !q || !r || !Punkt(b[3])) return {};
        return Geo(*p, Differenz(*q, *p), Differenz(*r, *p));
    }
    case A::DKugel: {
        const auto& k = static_cast<const TKugel&>(e);
        if (e.Festlegung == TKugel::MR) {
            auto m = Erkennen(k.Zentrum);
            auto r = RationalErkennen(k.Radius);
            if (!m || !r) return {};
            TQGeometrie g = Geo(*m);
            g.Radiusquadrat = *r * *r;
            return g;
        }
        auto m = Punkt(b[0]);
        if (!m) return {};
        TQGeometrie g = Geo(*m);
        if (e.Festlegung == TKugel::MP) {
            auto p = Punkt(b[1]);
            if (!p) return {};
            const TQTripel d = Differenz(*p, *m);
            g.Radiusquadrat = Skalar(d, d);
            return g;
        }
        auto ebene = b[1] && b[1]->Art == A::DEbene ? Geometrie(b[1]) : std::nullopt;
        if (!ebene) return {};
        const TQTripel n = Kreuz(ebene->Richtung1, ebene->Richtung2);
        if (IstNull(n)) return {};
        const TRational s = Skalar(n, Differenz(*m, ebene->Punkt));
        g.Radiusquadrat = s * s / Skalar(n, n);
        return g;
    }
    case A::DKreis: {
        const auto& k = static_cast<const TKreis&>(e);
        auto m = Erkennen(k.Zentrum), n = Erkennen(k.Normale);
        auto r = RationalErkennen(k.Radius);
        if (!m || !n || !r) return {};
        TQGeometrie g = Geo(*m, *n);
        g.Radiusquadrat = *r * *r;
        return g;
    }
    default:
        return {};
    }
}

std::optional<TQGeometrie> TExakteAuswertung::Abgeleitet(const TDreiDBasisElement& e) {
    if (IstAbbildungsEntstehung(e.Entstehung.Art)) return Abbild(e);
    if (e.Entstehung.Art == E::Schnitt) return Schnitt(e);
    return Konstruktion(e);
}

std::optional<TQGeometrie> TExakteAuswertung::Abbild(const TDreiDBasisElement& e) {
    const TDreiDBasisElement* m = e.Entstehung.Elemente[0].Element;
    const TDreiDBasisElement* x = e.Entstehung.Originalelement;
    if (m == nullptr || x == nullptr) return {};
    auto og = Geometrie(x);
    if (!og) return {};
    // The mapping as a map of points and a map of directions.
    TQTripel zentrum, richtung, n, w;
    TRational faktor = 1, nenner = 1;
    const E code = e.Entstehung.Art;
    switch (code) {
    case E::PSpiegelung:
    case E::Streckung: {
        auto c = Punkt(m);
        if (!c) return {};
        zentrum = *c;
        if (code == E::Streckung) {
            auto k = RationalErkennen(e.Entstehung.Elemente[1].Zahl);
            if (!k) return {};
            faktor = *k;
        }
        break;
    }
    case E::ASpiegelung: {
        if (m->Art != A::DGerade) return {};
        auto g = Geometrie(m);
        if (!g || IstNull(g->Richtung1)) return {};
        zentrum = g->Punkt;
        richtung = g->Richtung1;
        break;
    }
    case E::ESpiegelung:
    case E::O_Projektion:
    case E::P_Projektion: {
        if (m->Art != A::DEbene) return {};
        auto g = Geometrie(m);
        if (!g) return {};
        zentrum = g->Punkt;
        n = Kreuz(g->Richtung1, g->Richtung2);
        if (IstNull(n)) return {};
        if (code == E::P_Projektion) {
            auto v = Vektor(e.Entstehung.Elemente[1].Element);
            if (!v) return {};
            w = *v;
            nenner = Skalar(w, n);
            if (nenner.is_zero()) return {};
        }
        break;
    }
    default:
        return {};
    }
    auto linear = [&](const TQTripel& v) -> TQTripel {
        switch (code) {
        case E::PSpiegelung:
            return Mal(v, -1);
        case E::Streckung:
            return Mal(v, faktor);
        case E::ASpiegelung:
            return Differenz(Mal(richtung, 2 * Skalar(v, richtung) / Skalar(richtung, richtung)),
                             v);
        case E::ESpiegelung:
            return Differenz(v, Mal(n, 2 * Skalar(v, n) / Skalar(n, n)));
        case E::O_Projektion:
            return Differenz(v, Mal(n, Skalar(v, n) / Skalar(n, n)));
        default:
            return Differenz(v, Mal(w, Skalar(v, n) / nenner));
        }
    };
    // Affine: the image of a point is the centre's image plus the linear
    // image of the step from the centre (every centre above is fixed).
    auto punkt = [&](const TQTripel& p) -> TQTripel {
        return Summe(zentrum, linear(Differenz(p, zentrum)));
    };
    switch (x->Art) {
    case A::DfrPunkt:
        if (e.Art != A::DfrPunkt) return {};
        return Geo(punkt(og->Punkt));
    case A::DVektor:
        if (e.Art != A::DVektor) return {};
        return Geo({}, linear(og->Richtung1));
    case A::DGerade:
        if (e.Art == A::DfrPunkt) return Geo(punkt(og->Punkt));
        if (e.Art != A::DGerade) return {};
        return Geo(punkt(og->Punkt), linear(og->Richtung1));
    case A::DEbene: {
        TQGeometrie g{punkt(og->Punkt), linear(og->Richtung1), linear(og->Richtung2)};
        if (e.Art == A::DEbene) return g;
        if (e.Art == A::DfrPunkt) return Geo(g.Punkt);
        if (e.Art != A::DGerade) return {};
        if (IstNull(g.Richtung1)) g.Richtung1 = g.Richtung2;
        g.Richtung2 = {};
        return g;
    }
    case A::DKugel:
    case A::DKreis: {
        // Reflections keep the radius, a dilation multiplies it by |k|; the
        // circle's normal is a direction like any other.
        if (e.Art != x->Art || code == E::O_Projektion || code == E::P_Projektion) return {};
        TQGeometrie g =
            Geo(punkt(og->Punkt), x->Art == A::DKreis ? linear(og->Richtung1) : TQTripel{});
        g.Radiusquadrat = og->Radiusquadrat * faktor * faktor;
        return g;
    }
    default:
        return {};
    }
}

std::optional<TQGeometrie> TExakteAuswertung::Schnitt(const TDreiDBasisElement& e) {
    const TDreiDBasisElement* e1 = e.Entstehung.Elemente[0].Element;
    const TDreiDBasisElement* e2 = e.Entstehung.Elemente[1].Element;
    if (e1 == nullptr || e2 == nullptr) return {};
    auto g1 = Geometrie(e1), g2 = Geometrie(e2);
    if (!g1 || !g2) return {};
    auto gerade = [](A a) { return a == A::DGerade || a == A::DStrecke; };
    A a1 = e1->Art, a2 = e2->Art;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(g1, g2);
    }
    if (gerade(a1) && gerade(a2) && e.Art == A::DfrPunkt) {
        const TQTripel &p1 = g1->Punkt, &d1 = g1->Richtung1, &p2 = g2->Punkt, &d2 = g2->Richtung1;
        const TQTripel kreuz = Kreuz(d1, d2);
        const TQTripel w = Differenz(p2, p1);
        if (IstNull(kreuz) || !Skalar(w, kreuz).is_zero()) return {};
        const TRational b = Skalar(d1, d2), a = Skalar(d1, d1), c = Skalar(d2, d2);
        const TRational t = (Skalar(w, d2) * a - Skalar(w, d1) * b) / (b * b - a * c);
        return Geo(Summe(p2, Mal(d2, t)));
    }
    if (gerade(a1) && a2 == A::DEbene && e.Art == A::DfrPunkt) {
        const TQTripel n = Kreuz(g2->Richtung1, g2->Richtung2);
        const TRational nenner = Skalar(n, g1->Richtung1);
        if (nenner.is_zero()) return {};
        const TRational t = Skalar(n, Differenz(g2->Punkt, g1->Punkt)) / nenner;
        return Geo(Summe(g1->Punkt, Mal(g1->Richtung1, t)));
    }
    if (a2 == A::DKugel && e.Art == A::DKreis) {
        const TQTripel& m = g2->Punkt;
        const TRational& r2 = g2->Radiusquadrat;
        if (a1 == A::DEbene) {
            // The foot of the perpendicular from the centre, radius² = r² − d².
            const TQTripel n = Kreuz(g1->Richtung1, g1->Richtung2);
            if (IstNull(n)) return {};
            const TRational s = Skalar(n, Differenz(m, g1->Punkt)) / Skalar(n, n);
            TQGeometrie g = Geo(Differenz(m, Mal(n, s)), n);
            g.Radiusquadrat = r2 - s * s * Skalar(n, n);
            return g;
        }
        if (a1 == A::DKugel) {
            // Centre m1 + (d² + r1² − r2²)/(2 d²)·(m2 − m1), radius² = r1² − a².
            const TQTripel v = Differenz(m, g1->Punkt);
            const TRational d2 = Skalar(v, v);
            if (d2.is_zero()) return {};
            const TRational k = (d2 + g1->Radiusquadrat - r2) / (2 * d2);
            TQGeometrie g = Geo(Summe(g1->Punkt, Mal(v, k)), v);
            g.Radiusquadrat = g1->Radiusquadrat - k * k * d2;
            return g;
        }
        return {};
    }
    if (a1 == A::DEbene && a2 == A::DEbene && e.Art == A::DGerade) {
        const TQTripel n2 = Kreuz(g2->Richtung1, g2->Richtung2);
        if (IstNull(Kreuz(Kreuz(g1->Richtung1, g1->Richtung2), n2))) return {};
        const TQTripel w = Differenz(g2->Punkt, g1->Punkt);
        const TQTripel &u1 = g1->Richtung1, &v1 = g1->Richtung2;
        const TRational m = Skalar(u1, n2);
        if (!m.is_zero())
            return Geo(Summe(g1->Punkt, Mal(u1, Skalar(n2, w) / m)),
                       Differenz(v1, Mal(u1, Skalar(v1, n2) / m)));
        const TRational mv = Skalar(v1, n2);
        if (mv.is_zero()) return {};
        return Geo(Summe(g1->Punkt, Mal(v1, Skalar(n2, w) / mv)), u1);
    }
    return {};
}

namespace {

using TOperanden = std::array<TEntstehungsElement, 3>;

std::optional<TQGeometrie> LotPE(TExakteAuswertung& aus, const TOperanden& q) {
    auto p = aus.Punkt(q[0].Element);
    auto g = aus.Geometrie(q[1].Element);
    if (!p || !g || q[1].Element->Art != A::DEbene) return {};
    return Geo(*p, Kreuz(g->Richtung1, g->Richtung2));
}

std::optional<TQGeometrie> LotPG(TExakteAuswertung& aus, const TOperanden& q) {
    auto p = aus.Punkt(q[0].Element);
    auto g = aus.Geometrie(q[1].Element);
    if (!p || !g || q[1].Element->Art != A::DGerade) return {};
    const TQTripel w = Differenz(g->Punkt, *p);
    if (IstNull(Kreuz(g->Richtung1, w))) return {};
    return Geo(*p, Kreuz(g->Richtung1, Kreuz(g->Richtung1, w)));
}

std::optional<TQGeometrie> LotGG(TExakteAuswertung& aus, const TOperanden& q) {
    auto g = aus.Geometrie(q[0].Element), h = aus.Geometrie(q[1].Element);
    if (!g || !h) return {};
    const TQTripel n = Kreuz(g->Richtung1, h->Richtung1);
    if (IstNull(n)) return {};
    auto f = GeradeTrifftEbene(g->Punkt, g->Richtung1, n, h->Punkt, h->Richtung1);
    if (!f) return {};
    return Geo(*f, n);
}

std::optional<TQGeometrie> MittelpunktVon(TExakteAuswertung& aus, const TOperanden& q) {
    auto p = aus.Punkt(q[0].Element), r = aus.Punkt(q[1].Element);
    if (!p || !r) return {};
    return Geo(Mal(Summe(*p, *r), TRational(1, 2)));
}

std::optional<TQGeometrie> SchwerpunktVon(TExakteAuswertung& aus, const TOperanden& q) {
    auto p = aus.Punkt(q[0].Element), r = aus.Punkt(q[1].Element), s = aus.Punkt(q[2].Element);
    if (!p || !r || !s) return {};
    return Geo(Mal(Summe(Summe(*p, *r), *s), TRational(1, 3)));
}

std::optional<TQGeometrie> MittelgeradeVon(TExakteAuswertung& aus, const TOperanden& q) {
    // The direction is the sum of the two unit directions: exact where
    // both lengths are rational (directions of equal rational length).
    auto g = aus.Geometrie(q[0].Element), h = aus.Geometrie(q[1].Element);
    if (!g || !h) return {};
    const TQTripel d1 = g->Richtung1;
    TQTripel d2 = h->Richtung1;
    if (Skalar(d1, d2).is_negative()) d2 = Mal(d2, -1);
    const TQTripel p = Kreuz(d1, d2);
    if (IstNull(p)) return Geo(Mal(Summe(g->Punkt, h->Punkt), TRational(1, 2)), d1);
    auto richtung = EinheitenSumme(d1, d2);
    auto f = GeradeTrifftEbene(g->Punkt, d1, p, h->Punkt, d2);
    auto fg = GeradeTrifftEbene(h->Punkt, d2, p, g->Punkt, d1);
    if (!richtung || !f || !fg) return {};
    return Geo(Mal(Summe(*f, *fg), TRational(1, 2)), *richtung);
}

std::optional<TQGeometrie> MittelEbeneVon(TExakteAuswertung& aus, const TOperanden& q) {
    auto g = aus.Geometrie(q[0].Element), h = aus.Geometrie(q[1].Element);
    if (!g || !h) return {};
    const TQTripel n1 = Kreuz(g->Richtung1, g->Richtung2);
    TQTripel n2 = Kreuz(h->Richtung1, h->Richtung2);
    const TQTripel gemeinsam = Kreuz(n1, n2);
    if (IstNull(gemeinsam))
        return Geo(Mal(Summe(g->Punkt, h->Punkt), TRational(1, 2)), g->Richtung1, g->Richtung2);
    if (Skalar(n1, n2).is_negative()) n2 = Mal(n2, -1);
    // The normal is the sum of the unit normals, as for the mid-line.
    auto m = EinheitenSumme(n1, n2);
    if (!m) return {};
    auto punkt = GeradeTrifftEbene(g->Punkt, g->Richtung1, g->Richtung2, h->Punkt, h->Richtung1);
    if (!punkt)
        punkt = GeradeTrifftEbene(g->Punkt, g->Richtung1, g->Richtung2, h->Punkt, h->Richtung2);
    if (!punkt) return {};
    return Geo(*punkt, gemeinsam, Kreuz(gemeinsam, *m));
}

std::optional<TQGeometrie> Summe2(TExakteAuswertung& aus, const TOperanden& q) {
    auto a = aus.Vektor(q[0].Element);
    if (!a) return {};
    auto b = aus.Vektor(q[1].Element);
    if (!b) return {};
    return Geo({}, Summe(*a, *b));
}

std::optional<TQGeometrie> Summe3(TExakteAuswertung& aus, const TOperanden& q) {
    auto a = aus.Vektor(q[0].Element);
    if (!a) return {};
    auto b = aus.Vektor(q[1].Element);
    if (!b) return {};
    auto c = aus.Vektor(q[2].Element);
    if (!c) return {};
    return Geo({}, Summe(Summe(*a, *b), *c));
}

std::optional<TQGeometrie> GegenvektorVon(TExakteAuswertung& aus, const TOperanden& q) {
    auto a = aus.Vektor(q[0].Element);
    if (!a) return {};
    return Geo({}, Mal(*a, -1));
}

std::optional<TQGeometrie> Vektorprodukt(TExakteAuswertung& aus, const TOperanden& q) {
    auto a = aus.Vektor(q[0].Element);
    if (!a) return {};
    auto b = aus.Vektor(q[1].Element);
    if (!b) return {};
    return Geo({}, Kreuz(*a, *b));
}

// The point of that number where a line meets a sphere: rational where
// the root of the discriminant is.
std::optional<TQGeometrie> KugelSchnittpunktVon(TExakteAuswertung& aus, const TOperanden& q) {
    const bool kugelErst = q[0].Element && q[0].Element->Art == A::DKugel;
    const TDreiDBasisElement* kugel = q[kugelErst ? 0 : 1].Element;
    const TDreiDBasisElement* gerade = q[kugelErst ? 1 : 0].Element;
    if (!kugel || !gerade || kugel->Art != A::DKugel || gerade->Art != A::DGerade) return {};
    auto k = aus.Geometrie(kugel);
    auto g = aus.Geometrie(gerade);
    if (!k || !g) return {};
    const TKugelGeradeGleichung gl = KugelGeradeGleichung(*k, *g);
    if (gl.A.is_zero() || gl.Diskriminante().is_negative()) return {};
    auto w = Wurzel(gl.Diskriminante());
    if (!w || !w->Rational()) return {};
    const TRational t = (-gl.B + (q[2].Zahl == 2 ? w->q : -w->q)) / (2 * gl.A);
    return Geo(Summe(g->Punkt, Mal(g->Richtung1, t)));
}

// Where a sphere touches a line, a plane or a sphere: exact only where
// they touch exactly.
std::optional<TQGeometrie> BeruehrpunktVon(TExakteAuswertung& aus, const TOperanden& q) {
    const bool kugelErst = q[0].Element && q[0].Element->Art == A::DKugel;
    const TDreiDBasisElement* kugel = q[kugelErst ? 0 : 1].Element;
    const TDreiDBasisElement* andere = q[kugelErst ? 1 : 0].Element;
    if (!kugel || !andere || kugel->Art != A::DKugel) return {};
    auto k = aus.Geometrie(kugel);
    auto g = aus.Geometrie(andere);
    if (!k || !g) return {};
    const TQTripel& m = k->Punkt;
    switch (andere->Art) {
    case A::DGerade: {
        const TKugelGeradeGleichung gl = KugelGeradeGleichung(*k, *g);
        if (gl.A.is_zero() || !gl.Diskriminante().is_zero()) return {};
        return Geo(Summe(g->Punkt, Mal(g->Richtung1, -gl.B / (2 * gl.A))));
    }
    case A::DEbene: {
        const TQTripel n = Kreuz(g->Richtung1, g->Richtung2);
        if (IstNull(n)) return {};
        const TRational s = Skalar(n, Differenz(m, g->Punkt)) / Skalar(n, n);
        if (s * s * Skalar(n, n) != k->Radiusquadrat) return {};
        return Geo(Differenz(m, Mal(n, s)));
    }
    case A::DKugel: {
        const TQTripel v = Differenz(g->Punkt, m);
        const TRational d2 = Skalar(v, v);
        if (d2.is_zero()) return {};
        const TRational f = (d2 + k->Radiusquadrat - g->Radiusquadrat) / (2 * d2);
        if (f * f * d2 != k->Radiusquadrat) return {};
        return Geo(Summe(m, Mal(v, f)));
    }
    default:
        return {};
    }
}

// The plane at a point of the sphere: the normal from the centre to it.
std::optional<TQGeometrie> TangentialebeneVon(TExakteAuswertung& aus, const TOperanden& q) {
    if (!q[0].Element || q[0].Element->Art != A::DKugel) return {};
    auto k = aus.Geometrie(q[0].Element);
    auto p = aus.Punkt(q[1].Element);
    if (!k || !p) return {};
    const TQTripel n = Differenz(*p, k->Punkt);
    if (IstNull(n) || Skalar(n, n) != k->Radiusquadrat) return {};
    return EbeneAusNormale(n, -Skalar(n, *p));
}

using TExakteRechnung = std::optional<TQGeometrie> (*)(TExakteAuswertung&, const TOperanden&);
struct TExakteRechenzeile {
    TEntstehungsart Code;
    TExakteRechnung Rechnung;
};

// The exact calculations by derivation code, in the order of the code: the
// same codes as the constructions of geometry/Konstruktion.cpp.
constexpr TExakteRechenzeile Rechnungen[] = {
    {E::LotPE, &LotPE},
    {E::LotPG, &LotPG},
    {E::LotGG, &LotGG},
    {E::Mittelpunkt, &MittelpunktVon},
    {E::Schwerpunkt, &SchwerpunktVon},
    {E::Mittelgerade, &MittelgeradeVon},
    {E::MittelEbene, &MittelEbeneVon},
    {E::Add2, &Summe2},
    {E::Add3, &Summe3},
    {E::Gegenvektor, &GegenvektorVon},
    {E::VProdukt, &Vektorprodukt},
    {E::KugelSchnittpunkt, &KugelSchnittpunktVon},
    {E::Beruehrpunkt, &BeruehrpunktVon},
    {E::Tangentialebene, &TangentialebeneVon},
};

constexpr bool Aufsteigend() {
    for (std::size_t i = 1; i < std::size(Rechnungen); ++i)
        if (Rechnungen[i - 1].Code >= Rechnungen[i].Code) return false;
    return true;
}
static_assert(Aufsteigend(), "one calculation per code, in the order of the code");

TExakteRechnung RechnungZu(int code) {
    for (const TExakteRechenzeile& z : Rechnungen)
        if (static_cast<int>(z.Code) == code) return z.Rechnung;
    return nullptr;
}

} // namespace

TKugelGeradeGleichung KugelGeradeGleichung(const TQGeometrie& kugel, const TQGeometrie& gerade) {
    const TQTripel w = Differenz(gerade.Punkt, kugel.Punkt);
    const TQTripel& u = gerade.Richtung1;
    return {Skalar(u, u), 2 * Skalar(u, w), Skalar(w, w) - kugel.Radiusquadrat};
}

bool IstExakteKonstruktion(int code) {
    return RechnungZu(code) != nullptr;
}

std::optional<TQGeometrie> TExakteAuswertung::Konstruktion(const TDreiDBasisElement& e) {
    const TExakteRechnung rechnung = RechnungZu(static_cast<int>(e.Entstehung.Art));
    if (!rechnung) return {};
    return rechnung(*this, e.Entstehung.Elemente);
}

bool ExaktStimmtMitDezimal(const TListe& liste, std::string* abweichung) {
    TExakteAuswertung ausw;
    auto fehler = [&](const TDreiDBasisElement& e, const std::string& was) {
        if (abweichung) *abweichung = e.Name + ": " + was;
        return false;
    };
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        auto g = ausw.Geometrie(&e);
        if (!g) continue;
        TGeometrie d;
        if (Auswerten(e, d) != KeinFehler) return fehler(e, "exact value of an invalid element");
        if (!Stimmt(g->Punkt, d.Punkt)) return fehler(e, "point");
        if (e.Art == A::DStrecke) {
            auto l = Wurzel(Skalar(g->Richtung1, g->Richtung1));
            if (l && std::fabs(l->Wert() - Betrag(d.Richtung1)) > 1e-9L * (1 + Betrag(d.Richtung1)))
                return fehler(e, "length");
        }
        if (e.Art == A::DDreieck || e.Art == A::DEbene) {
            const TQTripel n = Kreuz(g->Richtung1, g->Richtung2);
            const TTripel nd = Kreuzprodukt(d.Richtung1, d.Richtung2);
            if (!Stimmt(n, nd)) return fehler(e, "normal");
            auto f = Wurzel(Skalar(n, n) / 4);
            if (f && std::fabs(f->Wert() - Betrag(nd) / 2) > 1e-9L * (1 + Betrag(nd)))
                return fehler(e, "area");
        }
    }
    return true;
}

} // namespace kalvorin::exakt
