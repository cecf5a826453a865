#include "exakt/Gleichungen.h"

#include "exakt/ExakteMessung.h"
#include "model/StandardEinstellungen.h"
#include "storage/Latex.h"

namespace kalvorin::exakt {

namespace {

using A = TElementart;

bool Ganz(const TQTripel& v) {
    return v.x.is_integer() && v.y.is_integer() && v.z.is_integer();
}

// " + 3y", " − z", "6x" (first term): one term of a sum.
std::string Term(const TRational& k, const std::string& variable, bool erster, TStil stil) {
    std::string s;
    const bool negativ = k.is_negative();
    if (erster)
        s = negativ ? (stil == TStil::Text ? Minus : "-") : "";
    else
        s = negativ ? std::string(" ") + (stil == TStil::Text ? Minus : "-") + " " : " + ";
    const TRational b = abs(k);
    if (b != 1 || variable.empty()) s += Text(b, stil == TStil::Text ? TStil::Ascii : stil);
    // "13/6·r": without the dot it reads as 13 over 6r.
    if (!b.is_integer() && !variable.empty() && stil != TStil::Latex) s += Mal(stil);
    return s + variable;
}

// A number after "x/": in brackets unless it is a positive whole number.
std::string Nenner(const TRational& q, TStil stil) {
    if (q.is_pos_integer()) return Text(q, stil);
    if (stil == TStil::Latex) return Text(q, stil);
    return "(" + Text(q, stil) + ")";
}

std::string Zahl(const TRational& q, TStil stil) {
    return Text(q, stil);
}

} // namespace

std::string Mal(TStil stil) {
    return stil == TStil::Latex ? "\\cdot " : (stil == TStil::Ascii ? "*" : "·");
}

std::string Ortsvektor(TStil stil) {
    return stil == TStil::Latex ? "\\vec{x}" : "x\xE2\x83\x97";
}

std::string VektorText(const TQTripel& v, TStil stil) {
    if (stil == TStil::Latex)
        return "\\begin{pmatrix}" + Zahl(v.x, stil) + "\\\\" + Zahl(v.y, stil) + "\\\\" +
               Zahl(v.z, stil) + "\\end{pmatrix}";
    const std::string trenner = Ganz(v) ? "|" : " | ";
    return "(" + Zahl(v.x, stil) + trenner + Zahl(v.y, stil) + trenner + Zahl(v.z, stil) + ")";
}

std::string PunktText(const std::string& name, const TQTripel& p, TStil stil) {
    if (stil == TStil::Latex)
        return name + "\\left(" + Zahl(p.x, stil) + "\\,\\middle|\\," + Zahl(p.y, stil) +
               "\\,\\middle|\\," + Zahl(p.z, stil) + "\\right)";
    return name + VektorText(p, stil);
}

std::array<std::string, 3> Koordinatennamen(TStil stil) {
    if (stil == TStil::Ascii || !Einstellungen().HeftAchsenIndiziert) return {"x", "y", "z"};
    if (stil == TStil::Latex) return {"x_1", "x_2", "x_3"};
    return {"x₁", "x₂", "x₃"};
}

std::string Linearform(const TRational& a, const TRational& b, const TRational& c, TStil stil) {
    std::string s;
    const TRational k[3] = {a, b, c};
    const auto v = Koordinatennamen(stil);
    for (int i = 0; i < 3; ++i)
        if (!k[i].is_zero()) s += Term(k[i], v[i], s.empty(), stil);
    return s.empty() ? "0" : s;
}

std::string Terme(const std::vector<std::pair<TRational, std::string>>& terme, TStil stil) {
    std::string s;
    for (const auto& [k, v] : terme)
        if (!k.is_zero()) s += Term(k, v, s.empty(), stil);
    return s.empty() ? "0" : s;
}

TKoordinatenform Koordinatenform(const TQTripel& p, const TQTripel& normale) {
    TQTripel n = Ganzzahlig(normale);
    TRational d = Skalar(n, p);
    // Whole numbers without common factor.
    const TRational nenner = d.denom();
    n = exakt::Mal(n, nenner);
    d *= nenner;
    const TRational t = gcd(gcd(gcd(n.x, n.y), n.z), d);
    n = exakt::Mal(n, t.inverse());
    d /= t;
    const TRational erster = !n.x.is_zero() ? n.x : (!n.y.is_zero() ? n.y : n.z);
    if (erster.is_negative()) {
        n = exakt::Mal(n, -1);
        d = -d;
    }
    return {n.x, n.y, n.z, d};
}

std::vector<TForm> Formen(TExakteAuswertung& ausw, const TDreiDBasisElement& e) {
    std::vector<TForm> r;
    auto g = ausw.Geometrie(&e);
    if (!g) return r;
    // The element's name as typed, in LaTeX through the one escaping.
    const auto name = [&e](TStil s) { return s == TStil::Latex ? LatexName(e.Name) : e.Name; };
    auto beide = [&](const std::string& formname, auto text) {
        r.push_back({formname, text(TStil::Text), text(TStil::Latex)});
    };
    auto mass = [&](const char* formname, TMessart art, const char* einheit) {
        TExakteAuswertung& a = ausw;
        auto m = ExaktMessen(a, art, {&e});
        if (!m) return;
        beide(formname, [&](TStil s) {
            return Text(m->Wert, s) + (s == TStil::Latex ? "\\,\\text{" : "") + einheit +
                   (s == TStil::Latex ? "}" : "");
        });
    };
    const std::string pfeil = "\xE2\x83\x97";
    switch (e.Art) {
    case A::DfrPunkt:
        beide("Koordinaten", [&](TStil s) { return PunktText(name(s), g->Punkt, s); });
        break;
    case A::DVektor:
    case A::DPfeil:
        beide("Komponenten", [&](TStil s) {
            return (s == TStil::Latex ? "\\vec{" + name(s) + "}" : name(s) + pfeil) + " = " +
                   VektorText(g->Richtung1, s);
        });
        mass("Betrag", TMessart::Betrag, " LE");
        break;
    case A::DStrecke:
        mass("Länge", TMessart::StreckenLaenge, " LE");
        break;
    case A::DGerade:
        beide("Parameterform", [&](TStil s) {
            return name(s) + ": " + Ortsvektor(s) + " = " + VektorText(g->Punkt, s) + " + r" +
                   Mal(s) + VektorText(Ganzzahlig(g->Richtung1), s);
        });
        break;
    case A::DDreieck:
        mass("Flächeninhalt", TMessart::FlaecheDreieck, " FE");
        break;
    case A::DPyramide3:
        mass("Volumen", TMessart::VolumenPyramide, " VE");
        break;
    case A::DViereck:
        mass("Flächeninhalt", TMessart::FlaecheViereck, " FE");
        break;
    case A::DPyramide4:
        mass("Volumen", TMessart::VolumenPyramide4, " VE");
        break;
    case A::DEbene: {
        const TQTripel n = Kreuz(g->Richtung1, g->Richtung2);
        // Parallel directions (a document file may hold them) span no
        // plane: there is no normal to give a form.
        if (IstNull(n)) break;
        const TKoordinatenform k = Koordinatenform(g->Punkt, n);
        const TQTripel nk{k.a, k.b, k.c};
        beide("Parameterform", [&](TStil s) {
            return name(s) + ": " + Ortsvektor(s) + " = " + VektorText(g->Punkt, s) + " + r" +
                   Mal(s) + VektorText(Ganzzahlig(g->Richtung1), s) + " + s" + Mal(s) +
                   VektorText(Ganzzahlig(g->Richtung2), s);
        });
        beide("Normalenform", [&](TStil s) {
            const std::string minus = s == TStil::Text ? Minus : "-";
            return name(s) + ": " + (s == TStil::Latex ? "\\left[" : "[") + Ortsvektor(s) + " " +
                   minus + " " + VektorText(g->Punkt, s) + (s == TStil::Latex ? "\\right]" : "]") +
                   Mal(s) + VektorText(nk, s) + " = 0";
        });
        beide("Koordinatenform", [&](TStil s) {
            return name(s) + ": " + Linearform(k.a, k.b, k.c, s) + " = " + Zahl(k.d, s);
        });
        // Hessesche Normalform: turned so that the constant is not positive.
        const bool drehen = k.d.is_negative();
        const TRational f = drehen ? -1 : 1;
        const TRational laenge2 = k.a * k.a + k.b * k.b + k.c * k.c;
        if (auto w = Wurzel(laenge2)) {
            beide("Hessesche Normalform", [&](TStil s) {
                std::string links = Linearform(f * k.a, f * k.b, f * k.c, s);
                if (!k.d.is_zero()) links += Term(-f * k.d, "", false, s);
                const std::string betrag = Text(*w, s);
                if (s == TStil::Latex)
                    return name(s) + ": \\frac{" + links + "}{" + betrag + "} = 0";
                const bool klammer = !w->Rational() && w->q != 1;
                return name(s) + ": (" + links + ")/" + (klammer ? "(" + betrag + ")" : betrag) +
                       " = 0";
            });
        }
        if (!k.d.is_zero()) {
            beide("Achsenabschnittsform", [&](TStil s) {
                std::string t;
                const TRational kk[3] = {k.a, k.b, k.c};
                const auto v = Koordinatennamen(s);
                for (int i = 0; i < 3; ++i) {
                    if (kk[i].is_zero()) continue;
                    const TRational abschnitt = k.d / kk[i];
                    if (!t.empty()) t += " + ";
                    if (abschnitt == 1)
                        t += v[i];
                    else if (s == TStil::Latex)
                        t += "\\frac{" + v[i] + "}{" + Nenner(abschnitt, s) + "}";
                    else
                        t += v[i] + "/" + Nenner(abschnitt, s);
                }
                return name(s) + ": " + t + " = 1";
            });
        }
        break;
    }
    case A::DKugel: {
        // (x − 1)² + (y + 2)² + (z − 3)² = 16 and (x⃗ − m⃗)² = 16.
        const TRational m[3] = {g->Punkt.x, g->Punkt.y, g->Punkt.z};
        const auto quadrat = [](const std::string& x, TStil s) {
            return x + (s == TStil::Latex ? "^2" : "\u00B2");
        };
        beide("Koordinatengleichung", [&](TStil s) {
            const auto v = Koordinatennamen(s);
            std::string t;
            for (int i = 0; i < 3; ++i) {
                if (i > 0) t += " + ";
                if (m[i].is_zero()) {
                    t += quadrat(v[i], s);
                    continue;
                }
                const std::string zeichen =
                    m[i].is_negative()
                        ? " + "
                        : (s == TStil::Text ? " " + std::string(Minus) + " " : " - ");
                t += quadrat((s == TStil::Latex ? "\\left(" : "(") + v[i] + zeichen +
                                 Zahl(m[i].is_negative() ? -m[i] : m[i], s) +
                                 (s == TStil::Latex ? "\\right)" : ")"),
                             s);
            }
            return name(s) + ": " + t + " = " + Zahl(g->Radiusquadrat, s);
        });
        beide("Vektorgleichung", [&](TStil s) {
            const std::string minus = s == TStil::Text ? Minus : "-";
            return name(s) + ": " +
                   quadrat((s == TStil::Latex ? "\\left[" : "[") + Ortsvektor(s) + " " + minus +
                               " " + VektorText(g->Punkt, s) +
                               (s == TStil::Latex ? "\\right]" : "]"),
                           s) +
                   " = " + Zahl(g->Radiusquadrat, s);
        });
        break;
    }
    default:
        break;
    }
    return r;
}

} // namespace kalvorin::exakt
