#include "view/SzenenElemente.h"

#include "math/Farbe.h"

namespace kalvorin {

namespace {

constexpr double EbenenRandDunkler = 0.3;

int Strecke(tGSzene& szene, TTripel von, TTripel bis, const TSzenenEingabe& e) {
    const int nr = szene.StreckeHinzufuegen(von, Verbindungsvektor(von, bis), 1, 0);
    if (nr > 0) szene.SetzeStift(nr, e.Farbe, e.Dicke);
    return nr;
}

// Segments of a triangle or pyramid: all of them, or none shown.
TSzenenErgebnis Kanten(tGSzene& szene, const TSzenenEingabe& e,
                       std::initializer_list<std::pair<TTripel, TTripel>> kanten) {
    TSzenenErgebnis r;
    for (const auto& [von, bis] : kanten) {
        const int nr = Strecke(szene, von, bis, e);
        if (nr <= 0) {
            for (int alt : r.Objekte)
                szene.SetzeGezeigt(alt, false);
            r.Objekte.clear();
            r.Ergebnis = nr;
            return r;
        }
        r.Objekte.push_back(nr);
    }
    r.Ergebnis = r.Objekte.front();
    return r;
}

} // namespace

TSzenenEingabe SzenenEingabe(const TDreiDBasisElement& e) {
    TSzenenEingabe s;
    s.Art = e.Art;
    s.Farbe = e.Farbe;
    s.Dicke = e.Dicke;
    s.Transparenz = e.Transparenz;
    if (e.Art == TElementart::DfrPunkt) s.Punktform = static_cast<const TfrPunkt&>(e).Punktform;
    if (e.Art == TElementart::DGerade) s.MitRand = static_cast<const TGerade&>(e).MitRand;
    return s;
}

TSzenenErgebnis ElementInSzene(tGSzene& szene, const TSzenenEingabe& e) {
    TSzenenErgebnis r;
    int nr = SzeneOhneBild;
    switch (e.Art) {
    case TElementart::DfrPunkt:
        nr = szene.PunktHinzufuegen(e.Punkt);
        if (nr > 0) {
            szene.SetzePunktform(nr, e.Punktform, e.Dicke);
            szene.SetzeStift(nr, e.Farbe, e.Dicke);
        }
        break;
    case TElementart::DPfeil:
        nr = szene.StreckeHinzufuegen(e.Punkt, e.Richtung, 1, 0);
        if (nr > 0) {
            szene.SetzePfeil(nr, true);
            szene.SetzeStift(nr, e.Farbe, e.Dicke);
        }
        break;
    case TElementart::DStrecke:
        nr = szene.StreckeHinzufuegen(e.Punkt, e.Richtung, 1, 0);
        if (nr > 0) szene.SetzeStift(nr, e.Farbe, e.Dicke);
        break;
    case TElementart::DGerade:
        nr = szene.GeradeHinzufuegen(e.Punkt, e.Richtung);
        if (nr > 0) {
            szene.SetzeWeissenRand(nr, e.MitRand);
            szene.SetzeStift(nr, e.Farbe, e.Dicke);
        }
        break;
    case TElementart::DDreieck: {
        const auto [a, b, c] = e.Ecken;
        TSzenenErgebnis k = Kanten(szene, e, {{a, b}, {a, c}, {b, c}});
        if (!k.Objekte.empty()) szene.KoerperHinzufuegen({{{a, b, c}}, k.Objekte, e.Farbe, {}});
        return k;
    }
    case TElementart::DPyramide3: {
        const auto [a, b, c] = e.Ecken;
        const TTripel s = e.Spitze;
        TSzenenErgebnis k = Kanten(szene, e, {{a, b}, {a, c}, {b, c}, {a, s}, {b, s}, {c, s}});
        if (!k.Objekte.empty())
            szene.KoerperHinzufuegen(
                {{{a, b, c}, {a, b, s}, {b, c, s}, {c, a, s}}, k.Objekte, e.Farbe, {}});
        return k;
    }
    case TElementart::DViereck:
    case TElementart::DPyramide4: {
        const auto [a, b, c] = e.Ecken;
        const TTripel d = e.VierteEcke;
        const TTripel s = e.Spitze;
        const bool pyramide = e.Art == TElementart::DPyramide4;
        TSzenenErgebnis k =
            pyramide
                ? Kanten(szene, e, {{a, b}, {b, c}, {c, d}, {d, a}, {a, s}, {b, s}, {c, s}, {d, s}})
                : Kanten(szene, e, {{a, b}, {b, c}, {c, d}, {d, a}});
        if (k.Objekte.empty()) return k;
        // Split along the diagonal that lies inside, so that a concave
        // quadrilateral hides only what it covers.
        const TTripel n = Kreuzprodukt(Verbindungsvektor(a, b), Verbindungsvektor(a, c));
        const bool acInnen =
            Skalarprodukt(Kreuzprodukt(Verbindungsvektor(a, c), Verbindungsvektor(a, b)), n) *
                Skalarprodukt(Kreuzprodukt(Verbindungsvektor(a, c), Verbindungsvektor(a, d)), n) <
            0;
        TKoerper koerper;
        koerper.Kanten = k.Objekte;
        koerper.Farbe = e.Farbe;
        if (acInnen)
            koerper.Flaechen = {{a, b, c}, {a, c, d}};
        else
            koerper.Flaechen = {{a, b, d}, {b, c, d}};
        koerper.Fuellflaechen = {{a, b, c, d}};
        if (pyramide) {
            for (const auto& [p, q] : {std::pair{a, b}, {b, c}, {c, d}, {d, a}}) {
                koerper.Flaechen.push_back({p, q, s});
                koerper.Fuellflaechen.push_back({p, q, s});
            }
        }
        szene.KoerperHinzufuegen(std::move(koerper));
        return k;
    }
    case TElementart::DEbene:
        nr = szene.EbeneHinzufuegen(e.Punkt, e.Richtung, e.Richtung2);
        if (nr > 0) {
            szene.SetzeStift(nr, Dunkler(e.Farbe, EbenenRandDunkler), e.Dicke);
            szene.SetzeFuellung(nr, e.Farbe, SchraffurKeine);
            szene.SetzeTransparenz(nr, e.Transparenz);
        }
        break;
    case TElementart::DKugel:
    case TElementart::DKreis:
        nr = e.Art == TElementart::DKugel ? szene.KugelHinzufuegen(e.Punkt, e.Radius)
                                          : szene.KreisHinzufuegen(e.Punkt, e.Richtung, e.Radius);
        if (nr > 0) szene.SetzeStift(nr, e.Farbe, e.Dicke);
        break;
    case TElementart::DVektor:
    case TElementart::DgebPunkt:
    case TElementart::DWinkel:
    case TElementart::DPllgr:
    case TElementart::DSpat:
    case TElementart::DPSchar:
    case TElementart::DVschar:
    case TElementart::DGschar:
    case TElementart::DEschar:
        break;
    }
    r.Ergebnis = nr;
    if (nr > 0) r.Objekte.push_back(nr);
    return r;
}

int HilfslinieInSzene(tGSzene& szene, TTripel von, TTripel bis, TFarbe farbe, TStiftStil stil) {
    const TTripel w = Verbindungsvektor(von, bis);
    if (IstNullvektor(w)) return SzeneAusserhalb;
    const int nr = szene.StreckeHinzufuegen(von, w, 1, 0);
    if (nr > 0) szene.SetzeStift(nr, farbe, 1, stil);
    return nr;
}

} // namespace kalvorin
