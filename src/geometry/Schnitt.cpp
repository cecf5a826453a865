#include "geometry/Schnitt.h"

#include "geometry/Kugelschnitt.h"

#include <cmath>
#include <utility>

namespace kalvorin {

namespace {

// The reserved kind 1 is a point as well.
TElementart Grundart(TElementart art) {
    return art == TElementart::DgebPunkt ? TElementart::DfrPunkt : art;
}

bool Schneidbar(TElementart art) {
    art = Grundart(art);
    return art == TElementart::DfrPunkt || art == TElementart::DStrecke ||
           art == TElementart::DGerade || art == TElementart::DEbene || art == TElementart::DKugel;
}

TTripel Normale(const TGeometrie& g) {
    return Kreuzprodukt(g.Richtung1, g.Richtung2);
}

TSchnittErgebnis Ergebnis(int code, TElementart art = TElementart::DfrPunkt, TTripel punkt = {},
                          TTripel richtung = {}) {
    return {code, art, punkt, richtung, 0, {}};
}

// P on the line A + t d; for a segment also 0 <= t <= 1 within the tolerance.
bool PunktAufGerade(TTripel p, TTripel a, TTripel d, bool strecke) {
    const TTripel w = Verbindungsvektor(a, p);
    if (!FastNullvektor(Kreuzprodukt(w, d))) return false;
    if (!strecke) return true;
    // Each component with a usable direction gives a parameter; they must
    // agree (the later ones more strictly), and the rest must not move.
    const Real wk[3] = {w.x, w.y, w.z};
    const Real dk[3] = {d.x, d.y, d.z};
    const Real abweichung[3] = {0, 1e-5L, 1e-6L};
    bool hatBezug = false;
    Real bezug = 0;
    for (int i = 0; i < 3; ++i) {
        if (std::fabs(dk[i]) > Toleranz) {
            const Real t = wk[i] / dk[i];
            if (!hatBezug) {
                bezug = t;
                hatBezug = true;
            } else if (!(std::fabs(t - bezug) < abweichung[i])) {
                return false;
            }
        } else if (!(std::fabs(wk[i]) < Toleranz)) {
            return false;
        }
    }
    return hatBezug && ImSegment(bezug);
}

// Line A1 + s d1 with line (or, with strecke, segment) A2 + t d2.
TSchnittErgebnis GeradeGerade(const TGeometrie& g1, const TGeometrie& g2, bool strecke) {
    const TTripel a1 = g1.Punkt, d1 = g1.Richtung1, a2 = g2.Punkt, d2 = g2.Richtung1;
    const TTripel kreuz = Kreuzprodukt(d1, d2);
    if (std::fabs(Skalarprodukt(TripelDifferenz(a1, a2), kreuz)) > Toleranz)
        return Ergebnis(SchnittWindschief);
    if (FastNullvektor(kreuz)) {
        if (strecke && FastNullvektor(Kreuzprodukt(d1, Verbindungsvektor(a1, a2))))
            return Ergebnis(SchnittErstesLiegtIn);
        return Ergebnis(SchnittParallel);
    }
    const TTripel w = Verbindungsvektor(a1, a2);
    const Real b = Skalarprodukt(d1, d2);
    const Real a = Skalarprodukt(d1, d1);
    const Real c = Skalarprodukt(d2, d2);
    const Real det = b * b - a * c;
    if (det != 0 && FastNull(Skalarprodukt(kreuz, w))) {
        const Real t = (Skalarprodukt(w, d2) * a - Skalarprodukt(w, d1) * b) / det;
        if (strecke && !ImSegment(t)) return Ergebnis(SchnittAusserhalbStrecke);
        return Ergebnis(SchnittGefunden, TElementart::DfrPunkt, GeradenPunkt(a2, d2, t));
    }
    return Ergebnis(SchnittKeiner);
}

// Line (or segment) A + t d with plane B, u, v. Code 4 means the line lies in the plane.
TSchnittErgebnis GeradeEbene(const TGeometrie& g, const TGeometrie& e, bool strecke) {
    const TTripel n = Normale(e);
    const Real nenner = Skalarprodukt(n, g.Richtung1);
    if (FastNull(nenner)) {
        if (FastNull(Skalarprodukt(Verbindungsvektor(e.Punkt, g.Punkt), n)))
            return Ergebnis(SchnittErstesLiegtIn);
        return Ergebnis(SchnittKeiner);
    }
    const Real t = Skalarprodukt(n, Verbindungsvektor(g.Punkt, e.Punkt)) / nenner;
    if (strecke && !ImSegment(t)) return Ergebnis(SchnittEbeneAusserhalbStrecke);
    return Ergebnis(SchnittGefunden, TElementart::DfrPunkt, GeradenPunkt(g.Punkt, g.Richtung1, t));
}

TSchnittErgebnis EbeneEbene(const TGeometrie& e1, const TGeometrie& e2) {
    const TTripel n2 = Normale(e2);
    if (FastNullvektor(Kreuzprodukt(Normale(e1), n2))) return Ergebnis(SchnittKeiner);
    const TTripel w = Verbindungsvektor(e1.Punkt, e2.Punkt);
    const TTripel u1 = e1.Richtung1, v1 = e1.Richtung2;
    const Real m = Skalarprodukt(u1, n2);
    if (m != 0) {
        const TTripel punkt = GeradenPunkt(e1.Punkt, u1, Skalarprodukt(n2, w) / m);
        const TTripel richtung = TripelDifferenz(v1, Vielfaches(u1, Skalarprodukt(v1, n2) / m));
        return Ergebnis(SchnittGefunden, TElementart::DGerade, punkt, richtung);
    }
    const Real mv = Skalarprodukt(v1, n2);
    // Both directions of the first plane parallel to the second: the planes
    // are parallel after all, only by less than the tolerance tells.
    if (mv == 0) return Ergebnis(SchnittKeiner);
    return Ergebnis(SchnittGefunden, TElementart::DGerade,
                    GeradenPunkt(e1.Punkt, v1, Skalarprodukt(n2, w) / mv), u1);
}

} // namespace

bool FastNull(Real x) {
    return std::fabs(x) <= Toleranz;
}

bool FastNullvektor(TTripel v) {
    return FastNull(v.x) && FastNull(v.y) && FastNull(v.z);
}

bool FastGleich(TTripel a, TTripel b) {
    return FastNullvektor(TripelDifferenz(a, b));
}

bool ImSegment(Real t) {
    return -Toleranz <= t && t - Toleranz <= 1;
}

bool GeometrienIdentisch(TElementart art, const TGeometrie& g1, const TGeometrie& g2) {
    switch (Grundart(art)) {
    case TElementart::DfrPunkt:
        return FastGleich(g1.Punkt, g2.Punkt);
    case TElementart::DStrecke: {
        const TTripel ende1 = TripelSumme(g1.Punkt, g1.Richtung1);
        const TTripel ende2 = TripelSumme(g2.Punkt, g2.Richtung1);
        return (FastGleich(g1.Punkt, g2.Punkt) && FastGleich(ende1, ende2)) ||
               (FastGleich(g1.Punkt, ende2) && FastGleich(ende1, g2.Punkt));
    }
    case TElementart::DGerade:
        return FastNullvektor(Kreuzprodukt(g1.Richtung1, g2.Richtung1)) &&
               FastNullvektor(Kreuzprodukt(g1.Richtung1, Verbindungsvektor(g1.Punkt, g2.Punkt)));
    case TElementart::DEbene: {
        const TTripel n1 = Normale(g1);
        return FastNullvektor(Kreuzprodukt(n1, Normale(g2))) &&
               FastNull(Skalarprodukt(Verbindungsvektor(g1.Punkt, g2.Punkt), n1));
    }
    default:
        return false;
    }
}

TSchnittErgebnis SchnittKern(TElementart art1, const TGeometrie& g1, TElementart art2,
                             const TGeometrie& g2) {
    if (!Schneidbar(art1) || !Schneidbar(art2)) return Ergebnis(SchnittNichtMoeglich);
    art1 = Grundart(art1);
    art2 = Grundart(art2);
    if (art1 == art2 && GeometrienIdentisch(art1, g1, g2))
        return Ergebnis(SchnittIdentisch, art1, g1.Punkt,
                        art1 == TElementart::DfrPunkt ? TTripel{} : g1.Richtung1);

    const TGeometrie* erstes = &g1;
    const TGeometrie* zweites = &g2;
    const bool getauscht = art1 > art2;
    if (getauscht) {
        std::swap(art1, art2);
        std::swap(erstes, zweites);
    }
    // "Lies in" always concerns the element of the lower kind.
    const int liegtIn = getauscht ? SchnittZweitesLiegtIn : SchnittErstesLiegtIn;

    if (art2 == TElementart::DKugel) {
        // A sphere with a plane or a sphere: a circle, a point of contact, or
        // nothing; with a line two points, a point of contact, or nothing.
        const TGeometrie& k = *zweites;
        TKugelschnitt s;
        if (art1 == TElementart::DEbene) {
            s = KugelEbene(k.Punkt, k.Radius, erstes->Punkt, Normale(*erstes));
        } else if (art1 == TElementart::DKugel) {
            if (FastGleich(erstes->Punkt, k.Punkt) && FastNull(erstes->Radius - k.Radius))
                return Ergebnis(SchnittIdentisch, TElementart::DKugel, k.Punkt);
            s = KugelKugel(erstes->Punkt, erstes->Radius, k.Punkt, k.Radius);
        } else if (art1 == TElementart::DGerade) {
            s = KugelGerade(k.Punkt, k.Radius, erstes->Punkt, erstes->Richtung1);
            if (s.Anzahl == 2) {
                TSchnittErgebnis zwei =
                    Ergebnis(SchnittZweiPunkte, TElementart::DfrPunkt, s.Punkte[0]);
                zwei.Punkt2 = s.Punkte[1];
                return zwei;
            }
        } else {
            return Ergebnis(SchnittNichtMoeglich);
        }
        if (s.Anzahl == 0) return Ergebnis(SchnittKugelKeiner);
        if (s.Anzahl == 1) return Ergebnis(SchnittBeruehrt, TElementart::DfrPunkt, s.Punkte[0]);
        TSchnittErgebnis kreis = Ergebnis(SchnittGefunden, TElementart::DKreis, s.Mitte, s.Normale);
        kreis.Radius = s.Radius;
        return kreis;
    }

    TSchnittErgebnis r;
    if (art1 == TElementart::DfrPunkt) {
        const TTripel p = erstes->Punkt;
        bool liegt = false;
        if (art2 == TElementart::DStrecke || art2 == TElementart::DGerade)
            liegt = PunktAufGerade(p, zweites->Punkt, zweites->Richtung1,
                                   art2 == TElementart::DStrecke);
        else if (art2 == TElementart::DEbene)
            liegt =
                FastNull(Skalarprodukt(Verbindungsvektor(zweites->Punkt, p), Normale(*zweites)));
        r = liegt ? Ergebnis(liegtIn, TElementart::DfrPunkt, p) : Ergebnis(SchnittKeiner);
    } else if (art1 == TElementart::DStrecke && art2 == TElementart::DStrecke) {
        // Two different segments are never asked for.
        r = Ergebnis(SchnittNichtMoeglich);
    } else if (art2 == TElementart::DGerade) {
        // A line with a line, or a segment with a line: the segment goes second.
        r = art1 == TElementart::DStrecke ? GeradeGerade(*zweites, *erstes, true)
                                          : GeradeGerade(*erstes, *zweites, false);
        if (r.Code == SchnittErstesLiegtIn)
            r = Ergebnis(liegtIn, art1, erstes->Punkt, erstes->Richtung1);
    } else if (art2 == TElementart::DEbene && art1 != TElementart::DEbene) {
        r = GeradeEbene(*erstes, *zweites, art1 == TElementart::DStrecke);
        if (r.Code == SchnittErstesLiegtIn)
            r = Ergebnis(liegtIn, art1, erstes->Punkt, erstes->Richtung1);
    } else {
        r = EbeneEbene(*erstes, *zweites);
    }
    if (r.Art == TElementart::DfrPunkt) r.Richtung = {};
    return r;
}

TSchnittErgebnis Intersect(const TDreiDBasisElement& erstes, const TDreiDBasisElement& zweites) {
    TGeometrie g1, g2;
    const int f1 = Auswerten(erstes, g1);
    const int f2 = Auswerten(zweites, g2);
    if (f2 != KeinFehler) return Ergebnis(SchnittZweitesFehlt);
    if (f1 != KeinFehler) return Ergebnis(SchnittErstesFehlt);
    return SchnittKern(erstes.Art, g1, zweites.Art, g2);
}

std::string SchnittMeldung(int code, std::string_view name1, std::string_view name2) {
    const std::string a(name1), b(name2);
    switch (code) {
    case SchnittNichtMoeglich:
        return "Die Objekte " + a + " und " + b + " können\r\nnicht geschnitten werden!";
    case SchnittKeiner:
    case SchnittAusserhalbStrecke:
    case SchnittEbeneAusserhalbStrecke:
        return "Die Elemente " + a + " und " + b + " besitzen\r\nkeinen Schnitt!";
    case SchnittIdentisch:
        return "Die Objekte " + a + " und " + b + "\r\nsind identisch!";
    case SchnittErstesLiegtIn:
        return "Das Objekt " + a + " liegt in " + b + "!";
    case SchnittZweitesLiegtIn:
        return "Das Objekt " + b + " liegt in " + a + "!";
    case SchnittErstesFehlt:
        return "Das Objekt " + a + " ist nicht darstellbar!";
    case SchnittZweitesFehlt:
        return "Das Objekt " + b + " ist nicht darstellbar!";
    case SchnittParallel:
        return "Die Geraden " + a + " und " + b + " sind parallel!";
    case SchnittWindschief:
        return "Die Geraden " + a + " und " + b + " sind windschief!";
    case SchnittKugelKeiner:
        return "Die Elemente " + a + " und " + b + " haben keinen gemeinsamen Punkt";
    default:
        return {};
    }
}

TMeldungsart SchnittMeldungsart(int code) {
    switch (code) {
    case SchnittNichtMoeglich:
    case SchnittErstesFehlt:
    case SchnittZweitesFehlt:
        return TMeldungsart::Warnung;
    default:
        return TMeldungsart::Information;
    }
}

} // namespace kalvorin
