#include "geometry/Konstruktion.h"

#include "model/Element.h"

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

TKonstruktionsErgebnis LotPE(Q q1, Q q2, Q) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TGeometrie e = quellen.Ebene(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    return Gerade(p, Kreuzprodukt(e.Richtung1, e.Richtung2));
}

TKonstruktionsErgebnis LotPG(Q q1, Q q2, Q) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TGeometrie g = quellen.Gerade(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    const TTripel w = Verbindungsvektor(p, g.Punkt);
    if (p == g.Punkt || IstNullvektor(Kreuzprodukt(g.Richtung1, w)))
        return Fehler(FehlerPunktAufGerade, TElementart::DGerade);
    return Gerade(p, Kreuzprodukt(g.Richtung1, Kreuzprodukt(g.Richtung1, w)));
}

TKonstruktionsErgebnis LotGG(Q q1, Q q2, Q) {
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

TKonstruktionsErgebnis MittelpunktBilden(Q q1, Q q2, Q) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TTripel q = quellen.Punkt(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
    return {KeinFehler, TElementart::DfrPunkt, {Mittelpunkt(p, q), {}, {}}};
}

TKonstruktionsErgebnis SchwerpunktBilden(Q q1, Q q2, Q q3) {
    TQuellen quellen;
    const TTripel p = quellen.Punkt(q1);
    const TTripel q = quellen.Punkt(q2);
    const TTripel r = quellen.Punkt(q3);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
    const TTripel s{(p.x + q.x + r.x) / 3, (p.y + q.y + r.y) / 3, (p.z + q.z + r.z) / 3};
    return {KeinFehler, TElementart::DfrPunkt, {s, {}, {}}};
}

TKonstruktionsErgebnis MittelgeradeBilden(Q q1, Q q2, Q) {
    TQuellen quellen;
    const TGeometrie g = quellen.Gerade(q1);
    const TGeometrie h = quellen.Gerade(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
    return Mittelgerade(g, h);
}

TKonstruktionsErgebnis MittelEbeneBilden(Q q1, Q q2, Q) {
    TQuellen quellen;
    const TGeometrie e1 = quellen.Ebene(q1);
    const TGeometrie e2 = quellen.Ebene(q2);
    if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DEbene);
    return MittelEbene(e1, e2);
}

// A vector from one to three source vectors.
template <TTripel (*Verknuepfung)(TQuellen&, Q, Q, Q)>
TKonstruktionsErgebnis Vektorrechnung(Q q1, Q q2, Q q3) {
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

using TRechnung = TKonstruktionsErgebnis (*)(Q, Q, Q);
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

bool IstKonstruktion(int code) {
    return RechnungZu(code) != nullptr;
}

TKonstruktionsErgebnis Construct(int code, const TDreiDBasisElement* q1,
                                 const TDreiDBasisElement* q2, const TDreiDBasisElement* q3) {
    const TRechnung rechnung = RechnungZu(code);
    if (!rechnung) return Fehler(FehlerUnbekannteKonstruktion, TElementart::DfrPunkt);
    return rechnung(q1, q2, q3);
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
        ebene.Punkt = g.Punkt;
        ebene.Richtung1 = g.Richtung1;
        ebene.Richtung2 = g.Richtung2;
        element.Festlegung = TEbene::EPAR;
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
