#include "exakt/Loesungsweg.h"

#include "exakt/ExakteMessung.h"
#include "exakt/Gleichungen.h"
#include "model/Auswahl.h"
#include "model/Markierung.h"
#include "storage/Latex.h"
#include "storage/Xml.h"
#include "zahlen/Zahlen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <functional>

namespace kalvorin::exakt {

namespace {

using A = TElementart;
using Stil = TStil;

// --- pieces ----------------------------------------------------------------

TTextstueck T(const std::string& text) {
    return {text, LatexText(text), false, {}};
}

// A formula given by one function for both notations.
TTextstueck F(const std::function<std::string(Stil)>& f) {
    return {f(Stil::Text), f(Stil::Latex), true, {}};
}

TTextstueck M(const std::string& text, const std::string& latex) {
    return {text, latex, true, {}};
}

TTextstueck Spalte(const TQTripel& v) {
    return Vektorspalte(v);
}

// An element name inside a formula.
std::string Name(const std::string& n, Stil s) {
    return s == Stil::Latex ? "\\text{" + LatexText(n) + "}" : n;
}

// "u⃗" / "\vec{u}"; a name of the document is escaped like every name.
std::string Vek(const std::string& n, Stil s) {
    return s == Stil::Latex ? "\\vec{" + LatexName(n) + "}" : n + "\xE2\x83\x97";
}

// "AB⃗" / "\overrightarrow{AB}"
std::string Strecke(const std::string& a, const std::string& b, Stil s) {
    return s == Stil::Latex ? "\\overrightarrow{" + Name(a, s) + Name(b, s) + "}"
                            : a + b + "\xE2\x83\x97";
}

std::string Z(const TRational& q, Stil s) {
    return Text(q, s);
}

// A number as a factor: negative ones in brackets.
std::string K(const TRational& q, Stil s) {
    return q.is_negative() ? "(" + Text(q, s) + ")" : Text(q, s);
}

std::string W(const TWurzelzahl& w, Stil s) {
    return Text(w, s);
}

std::string Wurzelzeichen(const std::string& innen, Stil s) {
    return s == Stil::Latex ? "\\sqrt{" + innen + "}" : "√(" + innen + ")";
}

// Whether a plain-text part of a fraction needs no brackets: one number,
// root or name ("√3", "12"), or a whole term in absolute-value bars.
bool Einzeln(const std::string& t) {
    if (t.size() >= 2 && t.front() == '|' && t.back() == '|' && t.find('|', 1) == t.size() - 1)
        return true;
    for (const char* zeichen : {" ", "/", "·", "+", Minus, "-", "(", "|"})
        if (t.find(zeichen) != std::string::npos) return false;
    return true;
}

std::string Bruch(const std::string& z, const std::string& n, Stil s) {
    if (s == Stil::Latex) return "\\frac{" + z + "}{" + n + "}";
    return (Einzeln(z) ? z : "(" + z + ")") + "/" + (Einzeln(n) ? n : "(" + n + ")");
}

// A rounded decimal in the user's separator, with the textbook's minus
// sign; in LaTeX the comma without the space of punctuation.
std::string Dezimal(Real x, Stil s) {
    std::string t = FormatMeasure(x);
    if (!t.empty() && t[0] == '-') t = (s == Stil::Text ? std::string(Minus) : "-") + t.substr(1);
    if (s != Stil::Latex) return t;
    std::string r;
    for (char c : t)
        r += c == ',' ? std::string("{,}") : std::string(1, c);
    return r;
}

std::string Ungefaehr(Stil s) {
    return s == Stil::Latex ? " \\approx " : " ≈ ";
}

// "a1·b1 + a2·b2 + a3·b3"
std::string SkalarAusgeschrieben(const TQTripel& a, const TQTripel& b, Stil s) {
    const std::string m = Mal(s);
    return K(a.x, s) + m + K(b.x, s) + " + " + K(a.y, s) + m + K(b.y, s) + " + " + K(a.z, s) + m +
           K(b.z, s);
}

// A number squared: negative numbers and fractions in brackets, so that
// "(3/2)²" is not read as 3/2².
std::string Quadrat(const TRational& q, Stil s) {
    const std::string hoch = s == Stil::Latex ? "^2" : "²";
    if (q.is_integer() && !q.is_negative()) return Text(q, s) + hoch;
    if (s == Stil::Latex && !q.is_integer()) return "\\left(" + Text(q, s) + "\\right)" + hoch;
    return "(" + Text(q, s) + ")" + hoch;
}

// "√(a1² + a2² + a3²)"
std::string BetragAusgeschrieben(const TQTripel& a, Stil s) {
    return Wurzelzeichen(Quadrat(a.x, s) + " + " + Quadrat(a.y, s) + " + " + Quadrat(a.z, s), s);
}

std::string Betragsstriche(const std::string& x, Stil s) {
    return s == Stil::Latex ? "\\left|" + x + "\\right|" : "|" + x + "|";
}

// --- the solution builder ----------------------------------------------------

class TWeg {
public:
    TLoesungsweg Weg;
    // The name the result point has in the document, where the caller knows
    // it; else the usual letter (S for an intersection, F for a foot point).
    std::string Ergebnisname;
    // False when the marks fit no case of the task: there is no solution.
    bool Passend = true;

    // The names the document uses; a helper point of the solution never
    // takes one of them, nor one the solution has given already.
    const TListe* Liste = nullptr;
    std::vector<std::string> Vergeben;

    // The usual letter (F, A, l), else the letter with 1, 2, ...
    std::string Frei(const std::string& vorschlag) {
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
    // The result point: its name in the document where the caller knows it.
    std::string Ergebnis(const std::string& vorgabe) {
        return Ergebnisname.empty() ? Frei(vorgabe) : Ergebnisname;
    }
    void Satz(std::vector<TTextstueck> s) {
        Weg.Zeilen.push_back({std::move(s), TTextzeilenart::Satz});
    }
    void Satz(const std::string& text) { Satz(std::vector<TTextstueck>{T(text)}); }
    void Formel(std::vector<TTextstueck> s) {
        Weg.Zeilen.push_back({std::move(s), TTextzeilenart::Formel});
    }
    void Formel(const std::function<std::string(Stil)>& f) {
        Formel(std::vector<TTextstueck>{F(f)});
    }
};

// --- shared steps --------------------------------------------------------------

struct TGerade {
    std::string Name;
    TQTripel Punkt, Richtung;
    const char* Parameter = "r";
    bool Strecke = false; // a segment: the parameter runs from 0 to 1
};

// "die Gerade g", "die Strecke t"
std::string MitArtikel(const TGerade& g) {
    return (g.Strecke ? "die Strecke " : "die Gerade ") + g.Name;
}

// "Die Geraden g und h", "Die Gerade g und die Strecke t"
std::string Paar(const TGerade& g, const TGerade& h) {
    if (!g.Strecke && !h.Strecke) return "Die Geraden " + g.Name + " und " + h.Name;
    std::string t = MitArtikel(g) + " und " + MitArtikel(h);
    t[0] = 'D';
    return t;
}

struct TEbene {
    std::string Name;
    TQGeometrie G;
    TKoordinatenform K;
};

TEbene Ebene(const std::string& name, const TQGeometrie& g) {
    return {name, g, Koordinatenform(g.Punkt, Kreuz(g.Richtung1, g.Richtung2))};
}

TQTripel Normale(const TEbene& e) {
    return {e.K.a, e.K.b, e.K.c};
}

std::string Koordinatengleichung(const TEbene& e, Stil s) {
    return Name(e.Name, s) + ": " + Linearform(e.K.a, e.K.b, e.K.c, s) + " = " + Z(e.K.d, s);
}

void GeradeZeigen(TWeg& w, const TGerade& g) {
    w.Formel({F([&](Stil s) { return Name(g.Name, s) + ": " + Ortsvektor(s) + " = "; }),
              Spalte(g.Punkt), F([&](Stil s) { return std::string(" + ") + g.Parameter + Mal(s); }),
              Spalte(g.Richtung)});
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

// Inserts the line into the coordinate form and solves for the parameter;
// the point where the line meets the plane, or nothing (with the verdict).
std::optional<TQTripel> GeradeInEbene(TWeg& w, const TGerade& g, const TEbene& e,
                                      const std::string& punktName, bool strecke = false) {
    const TQTripel& a = g.Punkt;
    const TQTripel& u = g.Richtung;
    const char* p = g.Parameter;
    w.Satz({T("Die Koordinaten eines Punktes von " + g.Name + " in die Koordinatenform von " +
              e.Name + " einsetzen:")});
    w.Formel([&](Stil s) {
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
    });
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

// The foot of the perpendicular from p on the line, found with PF⃗·u⃗ = 0;
// the foot is called fn.
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

// |v| with the numbers inserted; the exact value. The left side is one
// formula for both notations, unless its LaTeX is given apart (a name).
std::optional<TWurzelzahl> BetragZeigen(TWeg& w, const std::string& links, const TQTripel& v,
                                        const char* einheit, const std::string& linksLatex = {}) {
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

// --- the cases --------------------------------------------------------------------

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

void GeradeGerade(TWeg& w, const TGerade& g, const TGerade& h, bool nurSchnitt = false) {
    const TQTripel &a = g.Punkt, &u = g.Richtung, &b = h.Punkt, &v = h.Richtung;
    w.Satz("Gleichsetzen der Geradengleichungen:");
    w.Formel({Spalte(a), F([&](Stil s) { return " + r" + Mal(s); }), Spalte(u), M(" = ", " = "),
              Spalte(b), F([&](Stil s) { return " + s" + Mal(s); }), Spalte(v)});
    w.Satz("Das ergibt drei Gleichungen für r und s:");
    const TRational uk[3] = {u.x, u.y, u.z}, vk[3] = {v.x, v.y, v.z};
    const TRational rk[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const char* nummer[3] = {"I", "II", "III"};
    auto gleichung = [&](int i, Stil s) {
        return (s == Stil::Latex ? "\\text{" + std::string(nummer[i]) + "}" : nummer[i]) + ":  " +
               Terme({{uk[i], "r"}, {-vk[i], "s"}}, s) + " = " + Z(rk[i], s);
    };
    for (int i = 0; i < 3; ++i)
        w.Formel([&, i](Stil s) { return gleichung(i, s); });
    // An equation without r and s that is false ("II: 0 = 6") ends it.
    for (int i = 0; i < 3; ++i)
        if (uk[i].is_zero() && vk[i].is_zero() && !rk[i].is_zero()) {
            w.Satz(std::string("Die Gleichung ") + nummer[i] + " ist ein Widerspruch (0 ≠ " +
                   Z(rk[i], Stil::Text) + "): Es gibt keinen gemeinsamen Punkt.");
            break;
        }
    // Two equations with a unique solution.
    int i = -1, j = -1;
    for (int p = 0; p < 3 && i < 0; ++p)
        for (int q = p + 1; q < 3; ++q)
            if (!(uk[p] * (-vk[q]) - uk[q] * (-vk[p])).is_zero()) {
                i = p;
                j = q;
                break;
            }
    if (i < 0) {
        // The directions are multiples of each other.
        w.Satz({T("Die Richtungsvektoren sind Vielfache voneinander ("),
                F([&](Stil s) { return Vek("u", s) + " = k" + Mal(s) + Vek("v", s); }),
                T(h.Strecke ? "): die Gerade und die Strecke sind parallel, oder die Strecke liegt "
                              "auf der Geraden."
                            : "): die Geraden sind parallel oder identisch.")});
        const TQTripel d = Differenz(a, b);
        if (IstNull(Kreuz(d, v))) {
            w.Satz("Punktprobe: Der Aufpunkt von " + g.Name + " liegt auf " + h.Name + ".");
            if (h.Strecke)
                w.Satz("Die Strecke " + h.Name + " liegt auf der Geraden " + g.Name + ".");
            else
                w.Satz("Die Geraden " + g.Name + " und " + h.Name + " sind identisch.");
            return;
        }
        w.Satz("Punktprobe: Der Aufpunkt von " + g.Name + " liegt nicht auf " + h.Name + ".");
        w.Satz(Paar(g, h) + " sind parallel (und verschieden)" +
               (h.Strecke ? ": " + std::string("Die Gerade ") + g.Name + " trifft die Strecke " +
                                h.Name + " nicht."
                          : "."));
        if (nurSchnitt) return;
        const std::string aufpunkt = w.Frei("A"), fuss = w.Frei("F");
        if (auto f = LotfussAufGerade(w, aufpunkt, a, h, fuss)) {
            w.Satz("Abstand der Geraden: der Abstand des Aufpunkts " + aufpunkt + " von " + g.Name +
                   " zu " + fuss + ".");
            BetragZeigen(w, "d", Differenz(*f, a), "LE");
        }
        return;
    }
    const int k = 3 - i - j;
    const TRational det = uk[i] * (-vk[j]) - uk[j] * (-vk[i]);
    const TRational r = (rk[i] * (-vk[j]) - rk[j] * (-vk[i])) / det;
    const TRational sp = (uk[i] * rk[j] - uk[j] * rk[i]) / det;
    w.Satz(std::string("Aus ") + nummer[i] + " und " + nummer[j] + " folgt:");
    w.Formel([&](Stil s) {
        return "r = " + Z(r, s) + (s == Stil::Latex ? ",\\quad " : ",  ") + "s = " + Z(sp, s);
    });
    const TRational links = uk[k] * r - vk[k] * sp;
    w.Satz(std::string("Probe in ") + nummer[k] + ":");
    w.Formel([&](Stil s) {
        return K(uk[k], s) + Mal(s) + K(r, s) + " " + (s == Stil::Text ? Minus : "-") + " " +
               K(vk[k], s) + Mal(s) + K(sp, s) + " = " + Z(links, s) +
               (links == rk[k] ? " = " : (s == Stil::Latex ? " \\neq " : " ≠ ")) + Z(rk[k], s);
    });
    if (links == rk[k]) {
        const TQTripel x = Summe(a, exakt::Mal(u, r));
        w.Satz(std::string("Die Gleichung ") + nummer[k] + " ist erfüllt.");
        if (h.Strecke) {
            // The common point of the lines is on the segment only for 0 ≤ s ≤ 1.
            if (sp.is_negative() || sp > 1) {
                w.Satz("Da s = " + Z(sp, Stil::Text) +
                       " nicht zwischen 0 und 1 liegt, liegt der gemeinsame Punkt der Geraden "
                       "nicht auf der Strecke " +
                       h.Name + ": Die Gerade " + g.Name + " trifft die Strecke " + h.Name +
                       " nicht.");
                return;
            }
            w.Satz("Da 0 ≤ s ≤ 1 gilt, liegt der Punkt auf der Strecke " + h.Name + ".");
        }
        w.Formel({M("r in " + g.Name + ": ", "r \\text{ in } " + Name(g.Name, Stil::Latex) + ": "),
                  Spalte(a), F([&](Stil s) { return " + " + K(r, s) + Mal(s); }), Spalte(u),
                  M(" = ", " = "), Spalte(x)});
        const std::string sn = w.Ergebnis("S");
        w.Satz({T(Paar(g, h) + " schneiden sich in "),
                F([&](Stil s) { return PunktText(Name(sn, s), x, s); }), T(".")});
        return;
    }
    w.Satz(std::string("Widerspruch in ") + nummer[k] + ": Es gibt keinen gemeinsamen Punkt.");
    w.Satz(Paar(g, h) +
           " sind windschief: Ihre Richtungsvektoren sind keine Vielfachen voneinander, "
           "und sie haben keinen gemeinsamen Punkt.");
    if (nurSchnitt) return;
    const TQTripel n = Kreuz(u, v);
    const TQTripel d = Differenz(b, a);
    w.Satz({T("Abstand: mit dem Normalenvektor "), F([&](Stil s) {
                return Vek("n", s) + " = " + Vek("u", s) +
                       (s == Stil::Latex ? " \\times " : " × ") + Vek("v", s);
            }),
            T(" beider Richtungen ist")});
    w.Formel({F([&](Stil s) { return Vek("n", s) + " = "; }), Spalte(u), M(" × ", " \\times "),
              Spalte(v), M(" = ", " = "), Spalte(n)});
    auto dist = DurchWurzel(abs(Skalar(n, d)), Skalar(n, n));
    if (!dist) return;
    w.Formel([&](Stil s) {
        return "d = " +
               Bruch(Betragsstriche(Vek("n", s) + Mal(s) + "(" + Vek("b", s) + " " +
                                        (s == Stil::Text ? Minus : "-") + " " + Vek("a", s) + ")",
                                    s),
                     Betragsstriche(Vek("n", s), s), s) +
               " = " +
               Bruch(Betragsstriche(SkalarAusgeschrieben(n, d, s), s), BetragAusgeschrieben(n, s),
                     s) +
               " = " + W(*dist, s) +
               (dist->Rational() ? "" : Ungefaehr(s) + Dezimal(dist->Wert(), s)) +
               (s == Stil::Latex ? "\\,\\text{LE}" : " LE");
    });
}

void EbeneEbene(TWeg& w, const TEbene& e, const TEbene& f) {
    KoordinatenformZeigen(w, e);
    KoordinatenformZeigen(w, f);
    const TQTripel n1 = Normale(e), n2 = Normale(f);
    const TQTripel u = Kreuz(n1, n2);
    if (IstNull(u)) {
        w.Satz("Die Normalenvektoren sind Vielfache voneinander: die Ebenen sind parallel.");
        // n⃗₁ = t·n⃗₂: the equation of the second times t has the left side of the first.
        const TRational t =
            !n2.x.is_zero() ? n1.x / n2.x : (!n2.y.is_zero() ? n1.y / n2.y : n1.z / n2.z);
        const TRational d2 = f.K.d * t;
        if (t != 1)
            w.Satz({T("Die Gleichung von " + f.Name + " mit "), F([&](Stil s) { return Z(t, s); }),
                    T(" multipliziert: "), F([&](Stil s) {
                        return Linearform(e.K.a, e.K.b, e.K.c, s) + " = " + Z(d2, s);
                    })});
        if (d2 == e.K.d)
            w.Satz("Die Gleichungen stimmen überein: die Ebenen " + e.Name + " und " + f.Name +
                   " sind identisch.");
        else
            w.Satz({T("Die linken Seiten stimmen überein, die rechten nicht ("), F([&](Stil s) {
                        return Z(e.K.d, s) + (s == Stil::Latex ? " \\neq " : " ≠ ") + Z(d2, s);
                    }),
                    T("): die Ebenen " + e.Name + " und " + f.Name +
                      " sind echt parallel, es gibt keine Schnittgerade.")});
        return;
    }
    w.Satz("Richtungsvektor der Schnittgeraden: senkrecht zu beiden Normalenvektoren.");
    w.Formel({F([&](Stil s) { return Vek("u", s) + " = "; }), Spalte(n1), M(" × ", " \\times "),
              Spalte(n2), M(" = ", " = "), Spalte(u)});
    // One common point: the coordinate where u is not zero is set to 0.
    const TRational uk[3] = {u.x, u.y, u.z};
    int null = uk[2].is_zero() ? (uk[1].is_zero() ? 0 : 1) : 2;
    const int p = null == 0 ? 1 : 0, q = null == 2 ? 1 : 2;
    const TRational k1[3] = {e.K.a, e.K.b, e.K.c}, k2[3] = {f.K.a, f.K.b, f.K.c};
    w.Satz(std::string("Ein gemeinsamer Punkt: ") + Koordinatennamen()[null] + " = 0 setzen:");
    w.Formel([&](Stil s) {
        const auto namen = Koordinatennamen(s);
        return Terme({{k1[p], namen[p]}, {k1[q], namen[q]}}, s) + " = " + Z(e.K.d, s);
    });
    w.Formel([&](Stil s) {
        const auto namen = Koordinatennamen(s);
        return Terme({{k2[p], namen[p]}, {k2[q], namen[q]}}, s) + " = " + Z(f.K.d, s);
    });
    const TRational det = k1[p] * k2[q] - k1[q] * k2[p];
    const TRational xp = (e.K.d * k2[q] - f.K.d * k1[q]) / det;
    const TRational xq = (k1[p] * f.K.d - k2[p] * e.K.d) / det;
    TRational pk[3] = {0, 0, 0};
    pk[p] = xp;
    pk[q] = xq;
    const TQTripel punkt{pk[0], pk[1], pk[2]};
    w.Formel([&](Stil s) {
        const auto namen = Koordinatennamen(s);
        return namen[p] + " = " + Z(xp, s) + (s == Stil::Latex ? ",\\quad " : ",  ") + namen[q] +
               " = " + Z(xq, s);
    });
    w.Satz({T("Schnittgerade von " + e.Name + " und " + f.Name + ":")});
    GeradeZeigen(w, {w.Frei("s"), punkt, Ganzzahlig(u), "r"});
}

// The intersection of two lines, segments or planes (x before y in the
// list), by their kinds.
void Schneiden(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* x,
               const TDreiDBasisElement* y) {
    w.Weg.Titel = "Lösungsweg: Schnitt";
    bool gut = true;
    // Lines before segments before planes, as the cases take them.
    const auto rang = [](const TDreiDBasisElement* e) {
        return e->Art == TElementart::DGerade    ? 0
               : e->Art == TElementart::DStrecke ? 1
               : e->Art == TElementart::DEbene   ? 2
                                                 : 3;
    };
    if (rang(y) < rang(x)) std::swap(x, y);
    const int fall = rang(x) * 3 + rang(y);
    if (fall == 0) { // two lines
        const TGerade g = GeradeVon(a, x, "r", gut), h = GeradeVon(a, y, "s", gut);
        if (!gut) return (void)KeineExaktenWerte(w);
        w.Weg.Titel = "Lösungsweg: Schnitt der Geraden " + g.Name + " und " + h.Name;
        GeradeZeigen(w, g);
        GeradeZeigen(w, h);
        GeradeGerade(w, g, h);
        return;
    }
    if (fall == 2 || fall == 5) { // a line or a segment and a plane
        const bool strecke = fall == 5;
        const TGerade g = GeradeVon(a, x, "r", gut);
        auto e = EbeneVon(a, y);
        if (!gut || !e) return (void)KeineExaktenWerte(w);
        w.Weg.Titel = "Lösungsweg: Schnitt von " + g.Name + " und " + e->Name;
        KoordinatenformZeigen(w, *e);
        w.Satz(strecke ? "Die Strecke " + g.Name + " liegt auf der Geraden (0 ≤ r ≤ 1):"
                       : "Die Gerade " + g.Name + ":");
        GeradeZeigen(w, g);
        GeradeInEbene(w, g, *e, w.Ergebnis("S"), strecke);
        return;
    }
    if (fall == 8) { // two planes
        auto e = EbeneVon(a, x), f = EbeneVon(a, y);
        if (!e || !f) return (void)KeineExaktenWerte(w);
        w.Weg.Titel = "Lösungsweg: Schnitt der Ebenen " + e->Name + " und " + f->Name;
        EbeneEbene(w, *e, *f);
        return;
    }
    if (fall == 1) { // a line and a segment
        const TGerade g = GeradeVon(a, x, "r", gut), h = GeradeVon(a, y, "s", gut);
        if (!gut) return (void)KeineExaktenWerte(w);
        w.Weg.Titel = "Lösungsweg: Schnitt von " + g.Name + " und " + h.Name;
        GeradeZeigen(w, g);
        w.Satz("Die Strecke " + h.Name + " liegt auf der Geraden (0 ≤ s ≤ 1):");
        GeradeZeigen(w, h);
        GeradeGerade(w, g, {h.Name, h.Punkt, h.Richtung, h.Parameter, true}, true);
        return;
    }
    w.Passend = false;
}

// P' = 2·F − P: the image of p (named pn) in a reflection through the foot f.
void BildpunktZeigen(TWeg& w, const std::string& pn, const std::string& fn, const TQTripel& f,
                     const TQTripel& p) {
    const TQTripel bild = Differenz(exakt::Mal(f, 2), p);
    w.Formel({F([&](Stil s) {
                  return Vek(pn + "'", s) + " = 2" + Mal(s) + Vek(fn, s) + " " +
                         (s == Stil::Text ? Minus : "-") + " " + Vek(pn, s) + " = 2" + Mal(s);
              }),
              Spalte(f), M(" − ", " - "), Spalte(p), M(" = ", " = "), Spalte(bild)});
    w.Satz({T("Bildpunkt: "), F([&](Stil s) { return PunktText(Name(pn + "'", s), bild, s); })});
}

void LotPunktEbene(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* punkt,
                   const TDreiDBasisElement* ebene, bool spiegeln) {
    auto p = a.Punkt(punkt);
    auto e = EbeneVon(a, ebene);
    const std::string pn = punkt->Name;
    w.Weg.Titel = std::string(spiegeln ? "Lösungsweg: Spiegelung von " : "Lösungsweg: Lot von ") +
                  pn + (spiegeln ? " an " : " auf ") + ebene->Name;
    if (!p || !e) return (void)KeineExaktenWerte(w);
    KoordinatenformZeigen(w, *e);
    const TQTripel n = Normale(*e);
    const std::string ln = w.Frei("l");
    const std::string fn = spiegeln ? w.Frei("F") : w.Ergebnis("F");
    w.Satz("Die Lotgerade " + ln + " geht durch " + pn +
           " und hat den Normalenvektor der Ebene als Richtungsvektor:");
    const TGerade l{ln, *p, n, "r"};
    GeradeZeigen(w, l);
    auto f = GeradeInEbene(w, l, *e, fn);
    if (!f) return;
    if (spiegeln) {
        w.Satz({T("Der Bildpunkt liegt auf " + ln + ", ebenso weit hinter " + fn + " wie " + pn +
                  " davor:")});
        BildpunktZeigen(w, pn, fn, *f, *p);
        return;
    }
    w.Satz("Abstand von " + pn + " zur Ebene: die Länge von " + pn + fn + ".");
    BetragZeigen(w, "d", Differenz(*f, *p), "LE");
}

void LotPunktGerade(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* punkt,
                    const TDreiDBasisElement* gerade, bool spiegeln) {
    bool gut = true;
    auto p = a.Punkt(punkt);
    const TGerade g = GeradeVon(a, gerade, "r", gut);
    const std::string pn = punkt->Name;
    w.Weg.Titel = std::string(spiegeln ? "Lösungsweg: Spiegelung von " : "Lösungsweg: Lot von ") +
                  pn + (spiegeln ? " an " : " auf ") + gerade->Name;
    if (!p || !gut) return (void)KeineExaktenWerte(w);
    GeradeZeigen(w, g);
    const std::string fn = spiegeln ? w.Frei("F") : w.Ergebnis("F");
    auto f = LotfussAufGerade(w, pn, *p, g, fn);
    if (!f) return;
    const TQTripel pf = Differenz(*f, *p);
    if (IstNull(pf)) {
        w.Satz("Der Punkt " + pn + " liegt auf der Geraden " + g.Name + ".");
        return;
    }
    if (spiegeln) {
        BildpunktZeigen(w, pn, fn, *f, *p);
        return;
    }
    const std::string ln = w.Frei("l");
    w.Satz("Die Lotgerade " + ln + " geht durch " + pn + " und " + fn + ":");
    GeradeZeigen(w, {ln, *p, Ganzzahlig(pf), "r"});
    w.Satz("Abstand von " + pn + " zur Geraden: die Länge von " + pn + fn + ".");
    BetragZeigen(w, "d", pf, "LE");
}

// The reflection of the point x in the centre z.
void SpiegelungAmPunkt(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* x,
                       const TDreiDBasisElement* z) {
    auto p = a.Punkt(x), c = a.Punkt(z);
    const std::string pn = x->Name;
    w.Weg.Titel = "Lösungsweg: Spiegelung von " + pn + " am Punkt " + z->Name;
    if (!p || !c) return (void)KeineExaktenWerte(w);
    const TQTripel bild = Differenz(exakt::Mal(*c, 2), *p);
    w.Satz("Das Zentrum " + z->Name + " ist der Mittelpunkt von " + pn + " und seinem Bild:");
    w.Formel({F([&](Stil s) {
                  return Vek(pn + "'", s) + " = 2" + Mal(s) + Vek(z->Name, s) + " " +
                         (s == Stil::Text ? Minus : "-") + " " + Vek(pn, s) + " = 2" + Mal(s);
              }),
              Spalte(*c), M(" − ", " - "), Spalte(*p), M(" = ", " = "), Spalte(bild)});
    w.Satz({T("Bildpunkt: "), F([&](Stil s) { return PunktText(Name(pn + "'", s), bild, s); })});
}

void GemeinsamesLot(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* erste,
                    const TDreiDBasisElement* zweite) {
    bool gut = true;
    const TGerade g = GeradeVon(a, erste, "r", gut), h = GeradeVon(a, zweite, "s", gut);
    w.Weg.Titel = "Lösungsweg: gemeinsames Lot von " + erste->Name + " und " + zweite->Name;
    if (!gut) return (void)KeineExaktenWerte(w);
    const TQTripel &u = g.Richtung, &v = h.Richtung;
    const TQTripel n = Kreuz(u, v);
    GeradeZeigen(w, g);
    GeradeZeigen(w, h);
    if (IstNull(n)) {
        w.Satz("Die Geraden sind parallel: es gibt kein eindeutiges gemeinsames Lot.");
        return;
    }
    const std::string fn = w.Frei("F"), gn = w.Frei("G"), ln = w.Frei("l");
    w.Satz({T(fn + " auf " + g.Name + " und " + gn + " auf " + h.Name + ": der Vektor "),
            F([&](Stil s) { return Strecke(fn, gn, s); }),
            T(" steht senkrecht auf beiden Richtungsvektoren.")});
    const TQTripel d = Differenz(h.Punkt, g.Punkt);
    // FG = d + s v - r u; FG·u = 0, FG·v = 0
    const TRational a1 = -Skalar(u, u), b1 = Skalar(v, u), c1 = -Skalar(d, u);
    const TRational a2 = -Skalar(u, v), b2 = Skalar(v, v), c2 = -Skalar(d, v);
    w.Formel([&](Stil s) {
        return Strecke(fn, gn, s) + Mal(s) + Vek("u", s) +
               " = 0:  " + Terme({{a1, "r"}, {b1, "s"}}, s) + " = " + Z(c1, s);
    });
    w.Formel([&](Stil s) {
        return Strecke(fn, gn, s) + Mal(s) + Vek("v", s) +
               " = 0:  " + Terme({{a2, "r"}, {b2, "s"}}, s) + " = " + Z(c2, s);
    });
    const TRational det = a1 * b2 - a2 * b1;
    const TRational r = (c1 * b2 - c2 * b1) / det, sp = (a1 * c2 - a2 * c1) / det;
    w.Formel([&](Stil s) {
        return "r = " + Z(r, s) + (s == Stil::Latex ? ",\\quad " : ",  ") + "s = " + Z(sp, s);
    });
    const TQTripel f = Summe(g.Punkt, exakt::Mal(u, r)), gg = Summe(h.Punkt, exakt::Mal(v, sp));
    w.Satz({T("Lotfußpunkte: "), F([&](Stil s) { return PunktText(Name(fn, s), f, s); }),
            T(" und "), F([&](Stil s) { return PunktText(Name(gn, s), gg, s); })});
    w.Satz("Das gemeinsame Lot geht durch " + fn + " mit der Richtung u⃗ × v⃗:");
    GeradeZeigen(w, {ln, f, Ganzzahlig(n), "r"});
    w.Satz("Abstand der Geraden: die Länge von " + fn + gn + ".");
    BetragZeigen(w, "d", Differenz(gg, f), "LE");
}

// The angle between the directions u and v, named a and b in the formula.
// With betrag (a line or a plane takes part, which have no sense of
// direction) the formula takes |a⃗·b⃗| and the angle is 0° to 90°; with
// sinus it is the angle between a line and a plane, whose normal is v.
using TVektorname = std::function<std::string(Stil)>;

TVektorname VekName(const std::string& n) {
    return [n](Stil s) { return Vek(n, s); };
}

// "n⃗₁" / "\vec{n}_1": the normal of the first or second plane.
TVektorname NormalenName(int i) {
    return [i](Stil s) {
        if (s == Stil::Latex) return "\\vec{n}_" + std::to_string(i);
        return std::string("n\xE2\x83\x97") + (i == 1 ? "\xE2\x82\x81" : "\xE2\x82\x82");
    };
}

void WinkelZeigen(TWeg& w, const TVektorname& a, const TVektorname& b, const TQTripel& u,
                  const TQTripel& v, bool sinus, bool betrag) {
    const char* fkt = sinus ? "sin" : "cos";
    auto c = Kosinus(u, v);
    if (!c) return;
    if (betrag) c->q = abs(c->q);
    auto wu = Wurzel(Skalar(u, u)), wv = Wurzel(Skalar(v, v));
    if (!wu || !wv) return;
    w.Formel([&](Stil s) {
        const std::string alpha = s == Stil::Latex ? "\\alpha" : "α";
        const std::string f = s == Stil::Latex ? std::string("\\") + fkt : fkt;
        auto oben = [&](const std::string& x) { return betrag ? Betragsstriche(x, s) : x; };
        return f + " " + alpha + " = " +
               Bruch(oben(a(s) + Mal(s) + b(s)),
                     Betragsstriche(a(s), s) + Mal(s) + Betragsstriche(b(s), s), s) +
               " = " +
               Bruch(oben(SkalarAusgeschrieben(u, v, s)), W(*wu, s) + Mal(s) + W(*wv, s), s) +
               " = " + W(*c, s);
    });
    const Real wert = c->Wert();
    Real grad = (sinus ? std::asin(std::fmax(-1.0L, std::fmin(1.0L, wert)))
                       : std::acos(std::fmax(-1.0L, std::fmin(1.0L, wert)))) /
                GradInBogen;
    // A standard angle by its cosine (for a line and a plane: its sine).
    std::optional<int> standard = Standard(*c);
    if (standard && sinus) standard = 90 - *standard;
    w.Formel([&](Stil s) {
        const std::string alpha = s == Stil::Latex ? "\\alpha" : "α";
        const std::string grad_ = s == Stil::Latex ? "^\\circ" : "°";
        if (standard) return alpha + " = " + std::to_string(*standard) + grad_;
        return alpha + Ungefaehr(s) + Dezimal(grad, s) + grad_;
    });
}

void Messen(TWeg& w, TExakteAuswertung& a, TMessart art,
            const std::vector<const TDreiDBasisElement*>& x) {
    auto fehlt = [&]() { KeineExaktenWerte(w); };
    auto geo = [&](const TDreiDBasisElement* e) { return a.Geometrie(e); };
    switch (art) {
    case TMessart::WinkelVektoren: {
        w.Weg.Titel = "Lösungsweg: Winkel";
        auto u = a.Vektor(x[0]), v = a.Vektor(x[1]);
        if (!u || !v) return fehlt();
        w.Satz("Winkel zwischen den Vektoren " + x[0]->Name + " und " + x[1]->Name + ":");
        WinkelZeigen(w, VekName(x[0]->Name), VekName(x[1]->Name), *u, *v, false, false);
        return;
    }
    case TMessart::WinkelGeraden:
    case TMessart::WinkelEbenen: {
        w.Weg.Titel = "Lösungsweg: Winkel";
        const bool ebenen = art == TMessart::WinkelEbenen;
        const auto& l = x;
        auto g = geo(l[0]), h = geo(l[1]);
        if (!g || !h) return fehlt();
        const TQTripel u = ebenen ? Kreuz(g->Richtung1, g->Richtung2) : g->Richtung1;
        const TQTripel v = ebenen ? Kreuz(h->Richtung1, h->Richtung2) : h->Richtung1;
        // The normals of two planes are n⃗₁ and n⃗₂, the directions of two lines u⃗ and v⃗.
        const TVektorname erster = ebenen ? NormalenName(1) : VekName("u");
        const TVektorname zweiter = ebenen ? NormalenName(2) : VekName("v");
        w.Satz(std::string(ebenen ? "Winkel zwischen den Normalenvektoren "
                                  : "Winkel zwischen den Richtungsvektoren ") +
               erster(Stil::Text) + " von " + l[0]->Name + " und " + zweiter(Stil::Text) + " von " +
               l[1]->Name +
               ". Der Schnittwinkel liegt zwischen 0° und 90°, daher steht im Zähler der "
               "Betrag.");
        w.Formel(
            {F([&](Stil s) { return erster(s) + " = "; }), Spalte(Ganzzahlig(u)), F([&](Stil s) {
                 return std::string(s == Stil::Latex ? ",\\quad " : ",  ") + zweiter(s) + " = ";
             }),
             Spalte(Ganzzahlig(v))});
        WinkelZeigen(w, erster, zweiter, Ganzzahlig(u), Ganzzahlig(v), false, true);
        return;
    }
    case TMessart::WinkelGeradeEbene: {
        w.Weg.Titel = "Lösungsweg: Winkel";
        auto g = geo(x[0]), e = geo(x[1]);
        if (!g || !e) return fehlt();
        const TQTripel u = Ganzzahlig(g->Richtung1);
        const TQTripel n = Ganzzahlig(Kreuz(e->Richtung1, e->Richtung2));
        w.Satz("Winkel zwischen der Geraden " + x[0]->Name +
               " (Richtungsvektor u⃗) und der "
               "Ebene " +
               x[1]->Name +
               " (Normalenvektor n⃗): der Sinus des Winkels ist der Betrag des "
               "Kosinus des Winkels zwischen u⃗ und n⃗; der Winkel liegt zwischen 0° und 90°.");
        w.Formel({F([](Stil s) { return Vek("u", s) + " = "; }), Spalte(u), F([](Stil s) {
                      return std::string(s == Stil::Latex ? ",\\quad " : ",  ") + Vek("n", s) +
                             " = ";
                  }),
                  Spalte(n)});
        WinkelZeigen(w, VekName("u"), VekName("n"), u, n, true, true);
        return;
    }
    case TMessart::AbstandPunkte:
    case TMessart::StreckenLaenge: {
        w.Weg.Titel = "Lösungsweg: Länge";
        std::optional<TQTripel> p, q;
        std::string pn, qn;
        if (art == TMessart::AbstandPunkte) {
            p = a.Punkt(x[0]);
            q = a.Punkt(x[1]);
            pn = x[0]->Name;
            qn = x[1]->Name;
        } else {
            p = a.Punkt(x[0]->Bezuege[0]);
            q = a.Punkt(x[0]->Bezuege[1]);
            pn = x[0]->Bezuege[0] ? x[0]->Bezuege[0]->Name : "A";
            qn = x[0]->Bezuege[1] ? x[0]->Bezuege[1]->Name : "B";
        }
        if (!p || !q) return fehlt();
        w.Satz("Abstand der Punkte " + pn + " und " + qn + ": die Länge des Verbindungsvektors.");
        w.Formel({F([&](Stil s) { return Strecke(pn, qn, s) + " = "; }), Spalte(*q),
                  M(" − ", " - "), Spalte(*p), M(" = ", " = "), Spalte(Differenz(*q, *p))});
        BetragZeigen(w, "d", Differenz(*q, *p), "LE");
        return;
    }
    case TMessart::Betrag: {
        w.Weg.Titel = "Lösungsweg: Länge";
        auto v = a.Vektor(x[0]);
        if (!v) return fehlt();
        const std::string& vn = x[0]->Name;
        BetragZeigen(w, Betragsstriche(vn, Stil::Text), *v, "LE",
                     Betragsstriche(Vek(vn, Stil::Latex), Stil::Latex));
        return;
    }
    case TMessart::AbstandPunktEbene: {
        w.Weg.Titel = "Lösungsweg: Länge";
        auto p = a.Punkt(x[0]);
        auto e = EbeneVon(a, x[1]);
        if (!p || !e) return fehlt();
        // Turned so that the origin lies on the negative side: the sign
        // inside the bars then tells the side of the point.
        TKoordinatenform k = e->K;
        if (k.d.is_negative()) k = {-k.a, -k.b, -k.c, -k.d};
        const TQTripel n{k.a, k.b, k.c};
        const std::string pn = x[0]->Name;
        w.Satz("Hessesche Normalform der Ebene " + e->Name + ":");
        auto laenge = Wurzel(Skalar(n, n));
        const TRational innen = Skalar(n, *p) - k.d;
        auto d = DurchWurzel(abs(innen), Skalar(n, n));
        if (!laenge || !d) return fehlt();
        // Divided by |n⃗|, unless it is 1.
        auto durchLaenge = [&](const std::string& z, Stil s) {
            return laenge->Rational() && laenge->q == 1 ? z : Bruch(z, W(*laenge, s), s);
        };
        const std::string minus = " " + std::string(Minus) + " ";
        w.Formel([&](Stil s) {
            return Name(e->Name, s) + ": " +
                   durchLaenge(
                       Linearform(k.a, k.b, k.c, s) +
                           (k.d.is_zero() ? "" : (s == Stil::Text ? minus : " - ") + Z(k.d, s)),
                       s) +
                   " = 0";
        });
        w.Satz("Die Koordinaten von " + pn + " einsetzen; der Abstand ist der Betrag:");
        w.Formel([&](Stil s) {
            std::string t;
            const TRational kk[3] = {k.a, k.b, k.c}, pk[3] = {p->x, p->y, p->z};
            for (int i = 0; i < 3; ++i) {
                if (kk[i].is_zero()) continue;
                if (!t.empty()) t += " + ";
                t += K(kk[i], s) + Mal(s) + K(pk[i], s);
            }
            if (!k.d.is_zero()) t += (s == Stil::Text ? minus : " - ") + Z(k.d, s);
            return "d = " + durchLaenge(Betragsstriche(t, s), s) + " = " +
                   durchLaenge(Betragsstriche(Z(innen, s), s), s) + " = " + W(*d, s) +
                   (d->Rational() ? "" : Ungefaehr(s) + Dezimal(d->Wert(), s)) +
                   (s == Stil::Latex ? "\\,\\text{LE}" : " LE");
        });
        if (innen.is_zero())
            w.Satz("Der Punkt " + pn + " liegt in der Ebene " + e->Name + ".");
        else if (!k.d.is_zero())
            w.Satz(std::string("Der Wert im Betrag ist ") +
                   (innen.is_negative() ? "negativ: " + pn + " liegt auf derselben Seite von "
                                        : "positiv: " + pn + " liegt auf der anderen Seite von ") +
                   e->Name + (innen.is_negative() ? " wie" : " als") + " der Ursprung.");
        return;
    }
    case TMessart::AbstandPunktGerade:
        w.Weg.Titel = "Lösungsweg: Länge";
        return LotPunktGerade(w, a, x[0], x[1], false);
    case TMessart::AbstandGeraden: {
        w.Weg.Titel = "Lösungsweg: Länge";
        bool gut = true;
        const TGerade g = GeradeVon(a, x[0], "r", gut), h = GeradeVon(a, x[1], "s", gut);
        if (!gut) return fehlt();
        GeradeZeigen(w, g);
        GeradeZeigen(w, h);
        GeradeGerade(w, g, h);
        return;
    }
    case TMessart::FlaechePunkte:
    case TMessart::FlaecheDreieck: {
        w.Weg.Titel = "Lösungsweg: Flächeninhalt";
        std::array<std::optional<TQTripel>, 3> p;
        std::array<std::string, 3> n;
        for (int i = 0; i < 3; ++i) {
            const TDreiDBasisElement* e = art == TMessart::FlaechePunkte ? x[i] : x[0]->Bezuege[i];
            p[i] = a.Punkt(e);
            n[i] = e ? e->Name : "?";
        }
        if (!p[0] || !p[1] || !p[2]) return fehlt();
        const TQTripel u = Differenz(*p[1], *p[0]), v = Differenz(*p[2], *p[0]);
        const TQTripel k = Kreuz(u, v);
        w.Satz("Flächeninhalt des Dreiecks " + n[0] + n[1] + n[2] +
               ": die Hälfte des Betrags des Vektorprodukts.");
        w.Formel({F([&](Stil s) {
                      return Strecke(n[0], n[1], s) + (s == Stil::Latex ? " \\times " : " × ") +
                             Strecke(n[0], n[2], s) + " = ";
                  }),
                  Spalte(u), M(" × ", " \\times "), Spalte(v), M(" = ", " = "), Spalte(k)});
        auto f = Wurzel(Skalar(k, k) / 4);
        if (!f) return fehlt();
        w.Formel([&](Stil s) {
            return "A = " + std::string(s == Stil::Latex ? "\\frac{1}{2}" : "1/2") + Mal(s) +
                   BetragAusgeschrieben(k, s) + " = " + W(*f, s) +
                   (f->Rational() ? "" : Ungefaehr(s) + Dezimal(f->Wert(), s)) +
                   (s == Stil::Latex ? "\\,\\text{FE}" : " FE");
        });
        return;
    }
    case TMessart::FlaecheVektoren: {
        w.Weg.Titel = "Lösungsweg: Flächeninhalt";
        auto u = a.Vektor(x[0]), v = a.Vektor(x[1]);
        if (!u || !v) return fehlt();
        const TQTripel k = Kreuz(*u, *v);
        w.Satz("Flächeninhalt des Parallelogramms: der Betrag des Vektorprodukts.");
        w.Formel({F([&](Stil s) {
                      return Vek(x[0]->Name, s) + (s == Stil::Latex ? " \\times " : " × ") +
                             Vek(x[1]->Name, s) + " = ";
                  }),
                  Spalte(*u), M(" × ", " \\times "), Spalte(*v), M(" = ", " = "), Spalte(k)});
        BetragZeigen(w, "A", k, "FE");
        return;
    }
    case TMessart::VolumenPunkte:
    case TMessart::VolumenPunktDreieck:
    case TMessart::VolumenPyramide:
    case TMessart::VolumenVektoren: {
        w.Weg.Titel = "Lösungsweg: Volumen";
        std::array<std::optional<TQTripel>, 3> kante;
        std::array<std::string, 3> name, latex;
        if (art == TMessart::VolumenVektoren) {
            for (int i = 0; i < 3; ++i) {
                kante[i] = a.Vektor(x[i]);
                name[i] = Vek(x[i]->Name, Stil::Text);
                latex[i] = Vek(x[i]->Name, Stil::Latex);
            }
        } else {
            std::optional<TQTripel> spitze;
            std::array<const TDreiDBasisElement*, 3> ecken{};
            std::string sn;
            if (art == TMessart::VolumenPunkte) {
                spitze = a.Punkt(x[0]);
                sn = x[0]->Name;
                ecken = {x[1], x[2], x[3]};
            } else {
                const TDreiDBasisElement* d =
                    art == TMessart::VolumenPunktDreieck ? x[1] : x[0]->Bezuege[0];
                const TDreiDBasisElement* t =
                    art == TMessart::VolumenPunktDreieck ? x[0] : x[0]->Bezuege[1];
                if (d == nullptr || t == nullptr) return fehlt();
                spitze = a.Punkt(t);
                sn = t->Name;
                ecken = {d->Bezuege[0], d->Bezuege[1], d->Bezuege[2]};
            }
            for (int i = 0; i < 3; ++i) {
                auto e = a.Punkt(ecken[i]);
                if (!spitze || !e) return fehlt();
                kante[i] = Differenz(*e, *spitze);
                const std::string ecke = ecken[i] ? ecken[i]->Name : "?";
                name[i] = Strecke(sn, ecke, Stil::Text);
                latex[i] = Strecke(sn, ecke, Stil::Latex);
            }
        }
        if (!kante[0] || !kante[1] || !kante[2]) return fehlt();
        const TQTripel k = Kreuz(*kante[1], *kante[2]);
        const TRational spat = Skalar(*kante[0], k);
        w.Satz("Volumen der dreiseitigen Pyramide: ein Sechstel des Betrags des Spatprodukts der "
               "drei Kantenvektoren.");
        w.Formel({M(name[0] + " = ", latex[0] + " = "), Spalte(*kante[0]),
                  M(",  " + name[1] + " = ", ",\\quad " + latex[1] + " = "), Spalte(*kante[1]),
                  M(",  " + name[2] + " = ", ",\\quad " + latex[2] + " = "), Spalte(*kante[2])});
        w.Formel({M("Vektorprodukt: ", "\\text{Vektorprodukt: }"), Spalte(*kante[1]),
                  M(" × ", " \\times "), Spalte(*kante[2]), M(" = ", " = "), Spalte(k)});
        w.Formel([&](Stil s) {
            return std::string(s == Stil::Latex ? "\\text{Spatprodukt: }" : "Spatprodukt: ") +
                   SkalarAusgeschrieben(*kante[0], k, s) + " = " + Z(spat, s);
        });
        const TRational vol = abs(spat) / 6;
        w.Formel([&](Stil s) {
            return "V = " + std::string(s == Stil::Latex ? "\\frac{1}{6}" : "1/6") + Mal(s) +
                   Betragsstriche(Z(spat, s), s) + " = " + Z(vol, s) +
                   ((vol * 100).is_integer() ? "" : Ungefaehr(s) + Dezimal(AlsReal(vol), s)) +
                   (s == Stil::Latex ? "\\,\\text{VE}" : " VE");
        });
        return;
    }
    }
}

// --- plain text layout ----------------------------------------------------------

// Columns on the screen: code points, without combining marks.
std::size_t Breite(const std::string& s) {
    std::size_t b = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80) continue;
        // U+20D7 (combining arrow) and U+0300..U+036F take no column.
        if (c == 0xE2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x83) continue;
        if (c == 0xCC ||
            (c == 0xCD && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) < 0xB0))
            continue;
        ++b;
    }
    return b;
}

std::string Auffuellen(const std::string& s, std::size_t breite, bool rechts = true) {
    const std::size_t b = Breite(s);
    if (b >= breite) return s;
    return rechts ? std::string(breite - b, ' ') + s : s + std::string(breite - b, ' ');
}

std::string ZeileAlsText(const TTextzeile& z) {
    const std::string einzug = z.Art == TTextzeilenart::Formel ? "    " : "";
    if (!HatSpalten(z)) {
        std::string t = einzug;
        for (const TTextstueck& s : z.Stuecke)
            t += s.Text;
        return t;
    }
    std::array<std::string, 3> r = {einzug, einzug, einzug};
    for (const TTextstueck& s : z.Stuecke) {
        if (!s.Spalte) {
            const std::string leer(Breite(s.Text), ' ');
            r[0] += leer;
            r[1] += s.Text;
            r[2] += leer;
            continue;
        }
        const std::string k[3] = {(*s.Spalte)[0].Text, (*s.Spalte)[1].Text, (*s.Spalte)[2].Text};
        std::size_t b = 0;
        for (const auto& x : k)
            b = std::max(b, Breite(x));
        r[0] += "⎛" + Auffuellen(k[0], b) + "⎞";
        r[1] += "⎜" + Auffuellen(k[1], b) + "⎟";
        r[2] += "⎝" + Auffuellen(k[2], b) + "⎠";
    }
    for (std::string& zeile : r)
        zeile.erase(zeile.find_last_not_of(' ') + 1);
    return r[0] + "\n" + r[1] + "\n" + r[2];
}

std::string ZeileAlsLatex(const TTextzeile& z) {
    const std::string t = LatexInhalt(z);
    return z.Art == TTextzeilenart::Formel ? LatexFormel(t) : t + "\n";
}

// Text for HTML: the window's rich text reads it as XML text, with the
// markup characters as entities.
std::string Html(const std::string& s) {
    return XmlText(s);
}

// A column vector: a table of three rows, each with its bracket piece and
// its number right-aligned (rows of a single cell break the brackets apart).
std::string SpalteAlsHtml(const TSpalte& k) {
    const char* links[3] = {"⎛", "⎜", "⎝"};
    const char* rechts[3] = {"⎞", "⎟", "⎠"};
    std::string t = "<td valign=\"middle\"><table cellspacing=\"0\" cellpadding=\"0\">";
    for (int i = 0; i < 3; ++i)
        t += std::string("<tr><td>") + links[i] + "</td><td align=\"right\">" +
             Html(k[static_cast<std::size_t>(i)].Text) + "</td><td>" + rechts[i] + "</td></tr>";
    return t + "</table></td>";
}

std::string TextzelleAlsHtml(const std::string& text) {
    return "<td valign=\"middle\" style=\"white-space:pre\">" + Html(text) + "</td>";
}

std::string ZeileAlsHtml(const TTextzeile& z) {
    if (!HatSpalten(z)) {
        std::string t;
        for (const TTextstueck& s : z.Stuecke)
            t += Html(s.Text);
        return z.Art == TTextzeilenart::Formel ? "<p style=\"margin-left:2em\">" + t + "</p>\n"
                                               : "<p>" + t + "</p>\n";
    }
    // Indented like the formulas without columns.
    std::string t = "<table cellspacing=\"0\" cellpadding=\"1\"><tr>" + TextzelleAlsHtml("    ");
    for (const TTextstueck& s : z.Stuecke)
        t += s.Spalte ? SpalteAlsHtml(*s.Spalte) : TextzelleAlsHtml(s.Text);
    return t + "</tr></table>\n";
}

} // namespace

TTextstueck Vektorspalte(const TQTripel& v) {
    const auto eintrag = [](const TRational& q) {
        return TSpalteneintrag{Text(q), Text(q, Stil::Latex)};
    };
    return Spaltenstueck({eintrag(v.x), eintrag(v.y), eintrag(v.z)});
}

namespace {

// The steps of rechnen; an exception (an exact value out of range) turns
// them into the sentence that there are no exact values. Marks that fit no
// case of the task have no solution.
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

} // namespace

std::optional<TLoesungsweg> Schnittloesungsweg(const TListe& liste,
                                               const TDreiDBasisElement& erstes,
                                               const TDreiDBasisElement& zweites,
                                               const std::string& ergebnisname) {
    TWeg w;
    w.Ergebnisname = ergebnisname;
    w.Liste = &liste;
    // An intersection point is S unless an element is called so already
    // (the apex of a pyramid): then it takes the name a new point gets.
    if (ergebnisname.empty() && liste.NameVergeben("S"))
        w.Ergebnisname = liste.AutomatischerName(TElementart::DfrPunkt);
    return Schritte(w, [&](TExakteAuswertung& a) { Schneiden(w, a, &erstes, &zweites); });
}

std::optional<TLoesungsweg> Lotloesungsweg(const TListe& liste, TLotfall fall,
                                           const TDreiDBasisElement& erstes,
                                           const TDreiDBasisElement& zweites) {
    TWeg w;
    w.Liste = &liste;
    w.Weg.Titel = "Lösungsweg: Lot";
    return Schritte(w, [&](TExakteAuswertung& a) {
        switch (fall) {
        case TLotfall::PunktEbene:
            return LotPunktEbene(w, a, &erstes, &zweites, false);
        case TLotfall::PunktGerade:
            return LotPunktGerade(w, a, &erstes, &zweites, false);
        case TLotfall::Geraden:
            return GemeinsamesLot(w, a, &erstes, &zweites);
        }
    });
}

std::optional<TLoesungsweg> Spiegelungsloesungsweg(const TListe& liste,
                                                   const TDreiDBasisElement& punkt,
                                                   const TDreiDBasisElement& spiegel) {
    TWeg w;
    w.Liste = &liste;
    w.Weg.Titel = "Lösungsweg: Spiegelung";
    return Schritte(w, [&](TExakteAuswertung& a) {
        if (spiegel.Art == TElementart::DEbene) return LotPunktEbene(w, a, &punkt, &spiegel, true);
        if (spiegel.Art == TElementart::DGerade)
            return LotPunktGerade(w, a, &punkt, &spiegel, true);
        if (spiegel.Art == TElementart::DfrPunkt) return SpiegelungAmPunkt(w, a, &punkt, &spiegel);
        w.Passend = false;
    });
}

std::optional<TLoesungsweg> Loesungsweg(const TListe& liste, TMessart art,
                                        const std::vector<const TDreiDBasisElement*>& elemente) {
    TWeg w;
    w.Liste = &liste;
    if (elemente.empty()) return {};
    return Schritte(w, [&](TExakteAuswertung& a) { Messen(w, a, art, elemente); });
}

std::string AlsText(const TLoesungsweg& weg) {
    std::string t = weg.Titel + "\n\n";
    for (const TTextzeile& z : weg.Zeilen)
        t += ZeileAlsText(z) + "\n";
    return t;
}

std::string AlsHtml(const TLoesungsweg& weg) {
    std::string t = "<h3>" + Html(weg.Titel) + "</h3>\n";
    for (const TTextzeile& z : weg.Zeilen)
        t += ZeileAlsHtml(z);
    return t;
}

std::string AlsLatexAusschnitt(const TLoesungsweg& weg) {
    std::string t =
        std::string(LatexFormelDefinition()) + "\\subsection*{" + LatexText(weg.Titel) + "}\n";
    for (const TTextzeile& z : weg.Zeilen)
        t += ZeileAlsLatex(z) + "\n";
    return t;
}

std::string AlsLatex(const TLoesungsweg& weg) {
    return "% Lösungsweg aus Kalvorin. Übersetzen mit pdflatex; oder mit \\input in ein\n"
           "% Arbeitsblatt einbinden, das amsmath (und graphicx) lädt.\n"
           "\\expandafter\\ifx\\csname @twoclasseserror\\endcsname\\documentclass\n"
           "\\else\n"
           "\\documentclass[a4paper,11pt]{article}\n"
           "\\usepackage[T1]{fontenc}\n"
           "\\usepackage[utf8]{inputenc}\n"
           "\\usepackage{amsmath}\n"
           "\\usepackage{graphicx}\n"
           "\\setlength{\\parindent}{0pt}\n"
           "\\expandafter\\def\\csname LoesungswegEnde\\endcsname{\\end{document}}\n"
           "\\begin{document}\n"
           "\\fi\n" +
           AlsLatexAusschnitt(weg) + "\\csname LoesungswegEnde\\endcsname\n";
}

} // namespace kalvorin::exakt
