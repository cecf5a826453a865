// The builder of a worked solution and the steps that several tasks take:
// a line's equation, a plane's coordinate form, a line put into a plane, the
// foot of a perpendicular on a line, the length of a vector.

#include "exakt/LoesungswegIntern.h"

#include <algorithm>

namespace kalvorin::exakt::loesungsweg {

namespace {

std::string Koordinatengleichung(const TEbene& e, Stil s) {
    return Name(e.Name, s) + ": " + Linearform(e.K.a, e.K.b, e.K.c, s) + " = " + Z(e.K.d, s);
}

// "4 + 6r"
std::string Koordinate(const TRational& a, const TRational& u, const char* p, Stil s) {
    if (u.is_zero()) return Z(a, s);
    std::string t = a.is_zero() ? "" : Z(a, s);
    const std::string minus = s == Stil::Text ? Minus : "-";
    const TRational b = abs(u);
    // "13/6·r" (without the dot it reads as 13 over 6r); "\frac{13}{6}r".
    const std::string faktor =
        b == 1 ? "" : Text(b, s) + (b.is_integer() || s == Stil::Latex ? "" : Mal(s));
    if (t.empty()) return (u.is_negative() ? minus : "") + faktor + p;
    return t + (u.is_negative() ? " " + minus + " " : " + ") + faktor + p;
}

// "6·(4 + 6r) + 3·(4 + 3r) + 4·(5 + 4r) = 12": the coordinates of a point
// of the line in the coordinate form of the plane.
std::string Eingesetzt(const TGerade& g, const TEbene& e, Stil s) {
    const TQTripel& a = g.Punkt;
    const TQTripel& u = g.Richtung;
    const char* p = g.Parameter;
    std::string t;
    const TRational k[3] = {e.K.a, e.K.b, e.K.c};
    const TRational ak[3] = {a.x, a.y, a.z}, uk[3] = {u.x, u.y, u.z};
    for (int i = 0; i < 3; ++i) {
        if (k[i].is_zero()) continue;
        const std::string klammer = "(" + Koordinate(ak[i], uk[i], p, s) + ")";
        const std::string term = (abs(k[i]) == 1 ? "" : Text(abs(k[i]), s) + Mal(s)) + klammer;
        if (t.empty())
            t = (k[i].is_negative() ? (s == Stil::Text ? Minus : "-") : "") + term;
        else
            t += (k[i].is_negative()
                      ? (s == Stil::Text ? std::string(" ") + Minus + " " : std::string(" - "))
                      : " + ") +
                 term;
    }
    return t + " = " + Z(e.K.d, s);
}

} // namespace

std::string TWeg::Frei(const std::string& vorschlag) {
    std::string n = vorschlag;
    auto belegt = [&](const std::string& x) {
        return (Liste && Liste->NameVergeben(x)) ||
               std::find(Vergeben.begin(), Vergeben.end(), x) != Vergeben.end();
    };
    for (int i = 1; belegt(n); ++i)
        n = vorschlag + std::to_string(i);
    Vergeben.push_back(n);
    return n;
}

std::optional<TLoesungsweg> Schritte(TWeg& w,
                                     const std::function<void(TExakteAuswertung&)>& rechnen) {
    TExakteAuswertung a;
    try {
        rechnen(a);
    } catch (const std::exception&) {
        w.Weg.Zeilen.clear();
        w.Passend = true;
        KeineExaktenWerte(w);
    }
    if (!w.Passend || w.Weg.Zeilen.empty()) return {};
    return w.Weg;
}

TEbene Ebene(const std::string& name, const TQGeometrie& g) {
    return {name, g, Koordinatenform(g.Punkt, Kreuz(g.Richtung1, g.Richtung2))};
}

TQTripel Normale(const TEbene& e) {
    return {e.K.a, e.K.b, e.K.c};
}

void GeradeZeigen(TWeg& w, const TGerade& g) {
    w.Formel({F([&](Stil s) { return Name(g.Name, s) + ": " + Ortsvektor(s) + " = "; }),
              Spalte(g.Punkt), F([&](Stil s) { return std::string(" + ") + g.Parameter + Mal(s); }),
              Spalte(g.Richtung)});
}

bool KeineExaktenWerte(TWeg& w) {
    w.Satz("Die markierten Elemente haben keine exakten Werte (eine Zahl ist kein Bruch mit "
           "kleinem Nenner oder die Konstruktion führt auf Wurzeln). Der Lösungsweg wird nur "
           "mit exakten Zahlen gezeigt.");
    return true;
}

TGerade GeradeVon(TExakteAuswertung& a, const TDreiDBasisElement* e, const char* parameter,
                  bool& gut) {
    auto g = a.Geometrie(e);
    gut = gut && g.has_value();
    if (!g) return {};
    return {e->Name, g->Punkt, g->Richtung1, parameter};
}

std::optional<TEbene> EbeneVon(TExakteAuswertung& a, const TDreiDBasisElement* e) {
    auto g = a.Geometrie(e);
    if (!g) return {};
    return Ebene(e->Name, *g);
}

void KoordinatenformZeigen(TWeg& w, const TEbene& e) {
    w.Satz("Koordinatenform der Ebene " + e.Name + ":");
    w.Formel([&](Stil s) { return Koordinatengleichung(e, s); });
}

std::optional<TQTripel> GeradeInEbene(TWeg& w, const TGerade& g, const TEbene& e,
                                      const std::string& punktName, bool strecke) {
    const TQTripel& a = g.Punkt;
    const TQTripel& u = g.Richtung;
    const char* p = g.Parameter;
    w.Satz({T("Die Koordinaten eines Punktes von " + g.Name + " in die Koordinatenform von " +
              e.Name + " einsetzen:")});
    w.Formel([&](Stil s) { return Eingesetzt(g, e, s); });
    const TQTripel n = Normale(e);
    const TRational c0 = Skalar(n, a), c1 = Skalar(n, u);
    w.Formel([&](Stil s) { return Koordinate(c0, c1, p, s) + " = " + Z(e.K.d, s); });
    if (c1.is_zero()) {
        if (c0 == e.K.d)
            w.Satz("Die Gleichung gilt für jeden Wert von " + std::string(p) + ": " + g.Name +
                   " liegt in der Ebene " + e.Name + ".");
        else
            w.Satz("Die Gleichung ist für keinen Wert von " + std::string(p) +
                   " erfüllt (Widerspruch): " + g.Name + " ist parallel zu " + e.Name +
                   ", es gibt keinen Schnittpunkt.");
        return {};
    }
    const TRational t = (e.K.d - c0) / c1;
    w.Formel([&](Stil s) {
        return (c1 == 1 ? "" : Z(c1, s)) + p + " = " + Z(e.K.d - c0, s) +
               (c1 == 1 ? ""
                        : std::string(s == Stil::Latex ? "\\quad\\Rightarrow\\quad " : "  ⇒  ") +
                              p + " = " + Z(t, s));
    });
    const TQTripel x = Summe(a, exakt::Mal(u, t));
    w.Satz({T(std::string(p) + " in die Gleichung von " + g.Name + " einsetzen:")});
    w.Formel({F([&](Stil s) { return Ortsvektor(s) + " = "; }), Spalte(a),
              F([&](Stil s) { return " + " + K(t, s) + Mal(s); }), Spalte(u), M(" = ", " = "),
              Spalte(x)});
    if (strecke) {
        if (t.is_negative() || t > 1) {
            w.Satz("Da " + std::string(p) + " nicht zwischen 0 und 1 liegt, liegt der Punkt " +
                   "nicht auf der Strecke " + g.Name + ": es gibt keinen Schnittpunkt.");
            return {};
        }
        w.Satz("Da 0 ≤ " + std::string(p) + " ≤ 1 gilt, liegt der Punkt auf der Strecke " + g.Name +
               ".");
    }
    w.Satz({T("Ergebnis: "), F([&](Stil s) { return PunktText(Name(punktName, s), x, s); })});
    return x;
}

std::optional<TQTripel> LotfussAufGerade(TWeg& w, const std::string& pName, const TQTripel& p,
                                         const TGerade& g, const std::string& fn) {
    const TQTripel& a = g.Punkt;
    const TQTripel& u = g.Richtung;
    w.Satz({T("Der Lotfußpunkt " + fn + " liegt auf " + g.Name + ": " + fn + " = "),
            F([&](Stil s) { return Vek("a", s) + " + r" + Mal(s) + Vek("u", s); }),
            T(", und der Vektor von " + pName + " nach " + fn +
              " steht senkrecht auf dem Richtungsvektor:")});
    const TQTripel ap = Differenz(a, p);
    w.Formel({F([&](Stil s) {
                  return Strecke(pName, fn, s) + Mal(s) + Vek("u", s) + " = " +
                         (s == Stil::Latex ? "\\left[" : "[");
              }),
              Spalte(ap), F([&](Stil s) { return " + r" + Mal(s); }), Spalte(u),
              F([&](Stil s) { return (s == Stil::Latex ? "\\right]" : "]") + Mal(s); }), Spalte(u),
              M(" = 0", " = 0")});
    const TRational c0 = Skalar(ap, u), c1 = Skalar(u, u);
    w.Formel([&](Stil s) { return Koordinate(c0, c1, "r", s) + " = 0"; });
    const TRational r = -c0 / c1;
    w.Formel([&](Stil s) { return "r = " + Z(r, s); });
    const TQTripel f = Summe(a, exakt::Mal(u, r));
    w.Formel({F([&](Stil s) { return Name(fn, s) + " = "; }), Spalte(a),
              F([&](Stil s) { return " + " + K(r, s) + Mal(s); }), Spalte(u), M(" = ", " = "),
              Spalte(f)});
    w.Satz({T("Lotfußpunkt: "), F([&](Stil s) { return PunktText(Name(fn, s), f, s); })});
    return f;
}

std::optional<TWurzelzahl> BetragZeigen(TWeg& w, const std::string& links, const TQTripel& v,
                                        const char* einheit, const std::string& linksLatex) {
    auto b = Wurzel(Skalar(v, v));
    if (!b) return {};
    w.Formel({F([&](Stil s) {
                  const bool latex = s == Stil::Latex;
                  return (latex && !linksLatex.empty() ? linksLatex : links) + " = " +
                         (latex ? std::string("\\left|") : "|");
              }),
              Spalte(v), F([&](Stil s) {
                  return (s == Stil::Latex ? std::string("\\right|") : "|") + " = " +
                         BetragAusgeschrieben(v, s) + " = " + W(*b, s) +
                         (b->Rational() ? "" : Ungefaehr(s) + Dezimal(b->Wert(), s)) +
                         (s == Stil::Latex ? "\\,\\text{" + std::string(einheit) + "}"
                                           : " " + std::string(einheit));
              })});
    return b;
}

} // namespace kalvorin::exakt::loesungsweg
