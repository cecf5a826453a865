#include "geometry/Konstruktion.h"

#include "geometry/Kugelschnitt.h"
#include "model/Element.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kalvorin {

namespace {

TTripel Einheit(TTripel v) {
    Normieren(v);
    return v;
}

// The sources, evaluated; the first error ends the construction.
class TQuellen {
public:
    int Fehler = KeinFehler;

    TTripel Punkt(const TDreiDBasisElement* e) {
        TTripel p;
        if (Bereit(e)) Merke(PunktAuswerten(*e, p));
        return p;
    }
    TTripel Vektor(const TDreiDBasisElement* e) {
        TTripel v;
        if (Bereit(e)) Merke(VektorOderPfeilAuswerten(*e, v));
        return v;
    }
    TGeometrie Gerade(const TDreiDBasisElement* e) {
        TGeometrie g;
        if (Bereit(e)) Merke(GeradeAuswerten(*e, g.Punkt, g.Richtung1));
        return g;
    }
    // A sphere's centre, its radius in r.
    TTripel Kugel(const TDreiDBasisElement* e, Real& r) {
        TTripel m;
        if (Bereit(e))
            Merke(e->Art == TElementart::DKugel ? KugelAuswerten(*e, m, r) : FehlerBezug);
        return m;
    }
    TGeometrie Ebene(const TDreiDBasisElement* e) {
        TGeometrie g;
        if (Bereit(e)) Merke(EbeneAuswerten(*e, g.Punkt, g.Richtung1, g.Richtung2));
        return g;
    }

private:
    bool Bereit(const TDreiDBasisElement* e) {
        if (Fehler != KeinFehler) return false;
        if (e == nullptr) Fehler = FehlerBezug;
        return e != nullptr;
    }
    void Merke(int fehler) {
        if (Fehler == KeinFehler) Fehler = fehler;
    }
};

TKonstruktionsErgebnis Gerade(TTripel punkt, TTripel richtung) {
    return {KeinFehler, TElementart::DGerade, {punkt, richtung, {}}};
}

TKonstruktionsErgebnis Fehler(int fehler, TElementart art) {
    return {fehler, art, {}};
}

TKonstruktionsErgebnis Mittelgerade(const TGeometrie& g, const TGeometrie& h) {
    const TTripel a1 = g.Punkt, d1 = g.Richtung1, a2 = h.Punkt;
    TTripel d2 = h.Richtung1;
    if (Skalarprodukt(d1, d2) < 0) Negieren(d2);
    const TTripel p = Kreuzprodukt(d1, d2);
    if (IstNullvektor(p)) return Gerade(Mittelpunkt(a1, a2), d1);
    TTripel f, fg;
    if (int e = GeradeTrifftEbene(a1, d1, p, a2, d2, f); e != KeinFehler)
        return Fehler(e, TElementart::DGerade);
    if (int e = GeradeTrifftEbene(a2, d2, p, a1, d1, fg); e != KeinFehler)
        return Fehler(e, TElementart::DGerade);
    return Gerade(Mittelpunkt(f, fg), TripelSumme(Einheit(d1), Einheit(d2)));
}

TKonstruktionsErgebnis MittelEbene(const TGeometrie& e1, const TGeometrie& e2) {
    const TTripel n1 = Kreuzprodukt(e1.Richtung1, e1.Richtung2);
    TTripel n2 = Kreuzprodukt(e2.Richtung1, e2.Richtung2);
    const TTripel e = Kreuzprodukt(n1, n2);
    if (IstNullvektor(e))
        return {KeinFehler,
                TElementart::DEbene,
                {Mittelpunkt(e1.Punkt, e2.Punkt), e1.Richtung1, e1.Richtung2}};
    if (Skalarprodukt(n1, n2) < 0) Negieren(n2);
    const TTripel m = TripelSumme(Einheit(n1), Einheit(n2));
    // A point of the common line: where a direction of the second plane,
    // drawn from its point, meets the first.
    TTripel punkt;
    if (GeradeTrifftEbene(e1.Punkt, e1.Richtung1, e1.Richtung2, e2.Punkt, e2.Richtung1, punkt) !=
        KeinFehler) {
        if (int f = GeradeTrifftEbene(e1.Punkt, e1.Richtung1, e1.Richtung2, e2.Punkt, e2.Richtung2,
                                      punkt);
            f != KeinFehler)
            return Fehler(f, TElementart::DEbene);
    }
    return {KeinFehler, TElementart::DEbene, {punkt, e, Kreuzprodukt(e, m)}};
}

} // namespace

int GeradeTrifftEbene(TTripel a, TTripel u, TTripel v, TTripel b, TTripel d, TTripel& punkt) {
    const TTripel n = Kreuzprodukt(u, v);
    const Real nenner = Skalarprodukt(d, n);
    if (nenner == 0) return FehlerGeradeParallelEbene;
    punkt = GeradenPunkt(b, d, Skalarprodukt(TripelDifferenz(a, b), n) / nenner);
    return KeinFehler;
}

namespace {

using Q = const TDreiDBasisElement*;

TKonstruktionsErgebnis LotPE(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TGeometrie e = quellen.Ebene(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    return Gerade(p, Kreuzprodukt(e.Richtung1, e.Richtung2));
}

TKonstruktionsErgebnis LotPG(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TGeometrie g = quellen.Gerade(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    const TTripel w = Verbindungsvektor(p, g.Punkt);
    if (p == g.Punkt || IstNullvektor(Kreuzprodukt(g.Richtung1, w)))
        return Fehler(FehlerPunktAufGerade, TElementart::DGerade);
    return Gerade(p, Kreuzprodukt(g.Richtung1, Kreuzprodukt(g.Richtung1, w)));
}

TKonstruktionsErgebnis LotGG(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const TGeometrie g = quellen.Gerade(q1);
    const TGeometrie h = quellen.Gerade(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    const TTripel n = Kreuzprodukt(g.Richtung1, h.Richtung1);
    if (IstNullvektor(n)) return Fehler(FehlerGeradenParallel, TElementart::DGerade);
    TTripel f;
    if (int e = GeradeTrifftEbene(g.Punkt, g.Richtung1, n, h.Punkt, h.Richtung1, f);
        e != KeinFehler)
        return Fehler(e, TElementart::DGerade);
    return Gerade(f, n);
}

TKonstruktionsErgebnis MittelpunktBilden(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TTripel q = quellen.Punkt(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
    return {KeinFehler, TElementart::DfrPunkt, {Mittelpunkt(p, q), {}, {}}};
}

TKonstruktionsErgebnis SchwerpunktBilden(Q q1, Q q2, Q q3, Real) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TTripel q = quellen.Punkt(q2);
    const TTripel r = quellen.Punkt(q3);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
    const TTripel s{(p.x + q.x + r.x) / 3, (p.y + q.y + r.y) / 3, (p.z + q.z + r.z) / 3};
    return {KeinFehler, TElementart::DfrPunkt, {s, {}, {}}};
}

TKonstruktionsErgebnis MittelgeradeBilden(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const TGeometrie g = quellen.Gerade(q1);
    const TGeometrie h = quellen.Gerade(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    return Mittelgerade(g, h);
}

TKonstruktionsErgebnis MittelEbeneBilden(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const TGeometrie e1 = quellen.Ebene(q1);
    const TGeometrie e2 = quellen.Ebene(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DEbene);
    return MittelEbene(e1, e2);
}

// A vector from one to three source vectors.
template <TTripel (*Verknuepfung)(TQuellen&, Q, Q, Q)>
TKonstruktionsErgebnis Vektorrechnung(Q q1, Q q2, Q q3, Real) {
    TQuellen quellen;
    const TTripel v = Verknuepfung(quellen, q1, q2, q3);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DVektor);
    return {KeinFehler, TElementart::DVektor, {{}, v, {}}};
}

TTripel Summe2(TQuellen& q, Q a, Q b, Q) {
    const TTripel u = q.Vektor(a);
    return TripelSumme(u, q.Vektor(b));
}
TTripel Summe3(TQuellen& q, Q a, Q b, Q c) {
    const TTripel u = q.Vektor(a);
    const TTripel v = q.Vektor(b);
    return TripelSumme(TripelSumme(u, v), q.Vektor(c));
}
TTripel GegenvektorVon(TQuellen& q, Q a, Q, Q) {
    TTripel v = q.Vektor(a);
    Negieren(v);
    return v;
}
TTripel Vektorprodukt(TQuellen& q, Q a, Q b, Q) {
    const TTripel u = q.Vektor(a);
    return Kreuzprodukt(u, q.Vektor(b));
}

// The sphere among the two sources (the first where both are), and the other.
std::pair<Q, Q> KugelUndAndere(Q q1, Q q2) {
    if (q1 && q1->Art == TElementart::DKugel) return {q1, q2};
    return {q2, q1};
}

// Where a line meets a sphere, the point of that number (1, 2) by the
// increasing parameter of the line; where it touches, both are the point
// of contact.
TKonstruktionsErgebnis KugelSchnittpunkt(Q q1, Q q2, Q, Real nummer) {
    TQuellen quellen;
    const auto [kugel, gerade] = KugelUndAndere(q1, q2);
    Real r = 0;
    const TTripel m = quellen.Kugel(kugel, r);
    const TGeometrie g = quellen.Gerade(gerade);
    if (!quellen.Fehler && gerade->Art != TElementart::DGerade) quellen.Fehler = FehlerBezug;
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
    const TKugelschnitt s = KugelGerade(m, r, g.Punkt, g.Richtung1);
    if (s.Anzahl == 0) return Fehler(FehlerKugelVerfehlt, TElementart::DfrPunkt);
    const std::size_t i = s.Anzahl == 2 && nummer == 2 ? 1 : 0;
    return {KeinFehler, TElementart::DfrPunkt, {s.Punkte[i], {}, {}}};
}

// Where a sphere touches a line, a plane or another sphere.
TKonstruktionsErgebnis Beruehrpunkt(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    const auto [kugel, andere] = KugelUndAndere(q1, q2);
    Real r = 0;
    const TTripel m = quellen.Kugel(kugel, r);
    TKugelschnitt s;
    if (!quellen.Fehler && andere && andere->Art == TElementart::DGerade) {
        const TGeometrie g = quellen.Gerade(andere);
        s = KugelGerade(m, r, g.Punkt, g.Richtung1);
    } else if (!quellen.Fehler && andere && andere->Art == TElementart::DEbene) {
        const TGeometrie e = quellen.Ebene(andere);
        s = KugelEbene(m, r, e.Punkt, Kreuzprodukt(e.Richtung1, e.Richtung2));
    } else if (!quellen.Fehler && andere && andere->Art == TElementart::DKugel) {
        Real r2 = 0;
        const TTripel m2 = quellen.Kugel(andere, r2);
        s = KugelKugel(m, r, m2, r2);
    } else if (!quellen.Fehler) {
        quellen.Fehler = FehlerBezug;
    }
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
    if (s.Anzahl != 1) return Fehler(FehlerKugelBeruehrtNicht, TElementart::DfrPunkt);
    return {KeinFehler, TElementart::DfrPunkt, {s.Punkte[0], {}, {}}};
}

// The plane at a point of the sphere, its normal from the centre to the
// point: given by point and normal (Richtung2 zero, see WerteEintragen).
TKonstruktionsErgebnis TangentialebeneBilden(Q q1, Q q2, Q, Real) {
    TQuellen quellen;
    Real r = 0;
    const TTripel m = quellen.Kugel(q1, r);
    const TTripel p = quellen.Punkt(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DEbene);
    const TTripel n = Verbindungsvektor(m, p);
    if (!PunktAufKugel(n, r)) return Fehler(FehlerPunktNichtAufKugel, TElementart::DEbene);
    return {KeinFehler, TElementart::DEbene, {p, n, {}}};
}

using TRechnung = TKonstruktionsErgebnis (*)(Q, Q, Q, Real);
struct TRechenzeile {
    TEntstehungsart Code;
    TRechnung Rechnung;
};
using E = TEntstehungsart;

// The calculations by derivation code, in the order of the code.
constexpr TRechenzeile Rechnungen[] = {
    {E::LotPE, &LotPE},
    {E::LotPG, &LotPG},
    {E::LotGG, &LotGG},
    {E::Mittelpunkt, &MittelpunktBilden},
    {E::Schwerpunkt, &SchwerpunktBilden},
    {E::Mittelgerade, &MittelgeradeBilden},
    {E::MittelEbene, &MittelEbeneBilden},
    {E::Add2, &Vektorrechnung<&Summe2>},
    {E::Add3, &Vektorrechnung<&Summe3>},
    {E::Gegenvektor, &Vektorrechnung<&GegenvektorVon>},
    {E::VProdukt, &Vektorrechnung<&Vektorprodukt>},
    {E::KugelSchnittpunkt, &KugelSchnittpunkt},
    {E::Beruehrpunkt, &Beruehrpunkt},
    {E::Tangentialebene, &TangentialebeneBilden},
};

constexpr bool Aufsteigend() {
    for (std::size_t i = 1; i < std::size(Rechnungen); ++i)
        if (Rechnungen[i - 1].Code >= Rechnungen[i].Code) return false;
    return true;
}
static_assert(Aufsteigend(), "one calculation per code, in the order of the code");

TRechnung RechnungZu(int code) {
    for (const TRechenzeile& z : Rechnungen)
        if (static_cast<int>(z.Code) == code) return z.Rechnung;
    return nullptr;
}

} // namespace

bool PunktAufKugel(TTripel mp, Real r) {
    return std::fabs(Betrag(mp) - r) <= 1e-6L * std::max<Real>(1, r);
}

bool IstKonstruktion(int code) {
    return RechnungZu(code) != nullptr;
}

TKonstruktionsErgebnis Construct(int code, const TDreiDBasisElement* q1,
                                 const TDreiDBasisElement* q2, const TDreiDBasisElement* q3,
                                 Real zahl) {
    const TRechnung rechnung = RechnungZu(code);
    if (!rechnung) return Fehler(FehlerUnbekannteKonstruktion, TElementart::DfrPunkt);
    return rechnung(q1, q2, q3, zahl);
}

bool WerteEintragen(TDreiDBasisElement& element, const TGeometrie& g) {
    switch (element.Art) {
    case TElementart::DfrPunkt:
        static_cast<TfrPunkt&>(element).Koordinaten = g.Punkt;
        element.Festlegung = TfrPunkt::Koord;
        break;
    case TElementart::DVektor:
        static_cast<TVektor&>(element).Komponenten = g.Richtung1;
        element.Festlegung = TVektor::V;
        break;
    case TElementart::DGerade: {
        auto& gerade = static_cast<TGerade&>(element);
        gerade.Punkt = g.Punkt;
        gerade.Richtung = g.Richtung1;
        element.Festlegung = TGerade::GPAR;
        break;
    }
    case TElementart::DEbene: {
        auto& ebene = static_cast<TEbene&>(element);
        if (IstNullvektor(g.Richtung2)) { // point and normal
            ebene.Normale = g.Richtung1;
            ebene.d = -Skalarprodukt(g.Richtung1, g.Punkt);
            element.Festlegung = TEbene::ENOR;
            break;
        }
        ebene.Punkt = g.Punkt;
        ebene.Richtung1 = g.Richtung1;
        ebene.Richtung2 = g.Richtung2;
        element.Festlegung = TEbene::EPAR;
        break;
    }
    case TElementart::DKugel: {
        auto& kugel = static_cast<TKugel&>(element);
        kugel.Zentrum = g.Punkt;
        kugel.Radius = g.Radius;
        element.Festlegung = TKugel::MR;
        break;
    }
    case TElementart::DKreis: {
        auto& kreis = static_cast<TKreis&>(element);
        kreis.Zentrum = g.Punkt;
        kreis.Normale = g.Richtung1;
        kreis.Radius = g.Radius;
        element.Festlegung = TKreis::MNR;
        break;
    }
    default:
        return false;
    }
    element.Bezuege = {};
    return true;
}

} // namespace kalvorin
