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

TKonstruktionsErgebnis Construct(int code, const TDreiDBasisElement* q1,
                                 const TDreiDBasisElement* q2, const TDreiDBasisElement* q3) {
    TQuellen quellen;
    switch (static_cast<TEntstehungsart>(code)) {
    case TEntstehungsart::LotPE: {
        const TTripel p = quellen.Punkt(q1);
        const TGeometrie e = quellen.Ebene(q2);
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
        return Gerade(p, Kreuzprodukt(e.Richtung1, e.Richtung2));
    }
    case TEntstehungsart::LotPG: {
        const TTripel p = quellen.Punkt(q1);
        const TGeometrie g = quellen.Gerade(q2);
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
        const TTripel w = Verbindungsvektor(p, g.Punkt);
        if (p == g.Punkt || IstNullvektor(Kreuzprodukt(g.Richtung1, w)))
            return Fehler(FehlerPunktAufGerade, TElementart::DGerade);
        return Gerade(p, Kreuzprodukt(g.Richtung1, Kreuzprodukt(g.Richtung1, w)));
    }
    case TEntstehungsart::LotGG: {
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
    case TEntstehungsart::Mittelpunkt: {
        const TTripel p = quellen.Punkt(q1);
        const TTripel q = quellen.Punkt(q2);
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
        return {KeinFehler, TElementart::DfrPunkt, {Mittelpunkt(p, q), {}, {}}};
    }
    case TEntstehungsart::Schwerpunkt: {
        const TTripel p = quellen.Punkt(q1);
        const TTripel q = quellen.Punkt(q2);
        const TTripel r = quellen.Punkt(q3);
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DfrPunkt);
        const TTripel s{(p.x + q.x + r.x) / 3, (p.y + q.y + r.y) / 3, (p.z + q.z + r.z) / 3};
        return {KeinFehler, TElementart::DfrPunkt, {s, {}, {}}};
    }
    case TEntstehungsart::Mittelgerade: {
        const TGeometrie g = quellen.Gerade(q1);
        const TGeometrie h = quellen.Gerade(q2);
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DGerade);
        return Mittelgerade(g, h);
    }
    case TEntstehungsart::MittelEbene: {
        const TGeometrie e1 = quellen.Ebene(q1);
        const TGeometrie e2 = quellen.Ebene(q2);
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DEbene);
        return MittelEbene(e1, e2);
    }
    case TEntstehungsart::Add2:
    case TEntstehungsart::Add3:
    case TEntstehungsart::Gegenvektor:
    case TEntstehungsart::VProdukt: {
        const TTripel a = quellen.Vektor(q1);
        TTripel v;
        if (code == static_cast<int>(TEntstehungsart::Gegenvektor)) {
            v = a;
            Negieren(v);
        } else {
            const TTripel b = quellen.Vektor(q2);
            if (code == static_cast<int>(TEntstehungsart::VProdukt))
                v = Kreuzprodukt(a, b);
            else if (code == static_cast<int>(TEntstehungsart::Add2))
                v = TripelSumme(a, b);
            else
                v = TripelSumme(TripelSumme(a, b), quellen.Vektor(q3));
        }
        if (quellen.Fehler) return Fehler(quellen.Fehler, TElementart::DVektor);
        return {KeinFehler, TElementart::DVektor, {{}, v, {}}};
    }
    default:
        return Fehler(FehlerUnbekannteKonstruktion, TElementart::DfrPunkt);
    }
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
    default:
        return false;
    }
    element.Bezuege = {};
    return true;
}

} // namespace kalvorin
