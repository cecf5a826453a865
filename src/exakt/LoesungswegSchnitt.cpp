// The worked solution of an intersection: two lines (or a line and a
// segment) by their equations, a line or a segment and a plane by the
// coordinate form, two planes by their normals.

#include "exakt/LoesungswegIntern.h"

#include <utility>

namespace kalvorin::exakt {

namespace loesungsweg {

namespace {

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

const char* const Nummer[3] = {"I", "II", "III"};

// The equations of g = h, one for each coordinate: r·u − s·v = b − a.
struct TGleichungen {
    TRational U[3], V[3], Rechts[3];
};

// Sets the equations of the lines equal: three equations for r and s.
TGleichungen GleichungenZeigen(TWeg& w, const TGerade& g, const TGerade& h) {
    const TQTripel &a = g.Punkt, &u = g.Richtung, &b = h.Punkt, &v = h.Richtung;
    w.Satz("Gleichsetzen der Geradengleichungen:");
    w.Formel({Spalte(a), F([&](Stil s) { return " + r" + Mal(s); }), Spalte(u), M(" = ", " = "),
              Spalte(b), F([&](Stil s) { return " + s" + Mal(s); }), Spalte(v)});
    w.Satz("Das ergibt drei Gleichungen für r und s:");
    const TGleichungen q{{u.x, u.y, u.z}, {v.x, v.y, v.z}, {b.x - a.x, b.y - a.y, b.z - a.z}};
    for (int i = 0; i < 3; ++i)
        w.Formel([&, i](Stil s) {
            return (s == Stil::Latex ? "\\text{" + std::string(Nummer[i]) + "}" : Nummer[i]) +
                   ":  " + Terme({{q.U[i], "r"}, {-q.V[i], "s"}}, s) + " = " + Z(q.Rechts[i], s);
        });
    // An equation without r and s that is false ("II: 0 = 6") ends it.
    for (int i = 0; i < 3; ++i)
        if (q.U[i].is_zero() && q.V[i].is_zero() && !q.Rechts[i].is_zero()) {
            w.Satz(std::string("Die Gleichung ") + Nummer[i] + " ist ein Widerspruch (0 ≠ " +
                   Z(q.Rechts[i], Stil::Text) + "): Es gibt keinen gemeinsamen Punkt.");
            break;
        }
    return q;
}

// Directions that are multiples of each other: the lines are the same or
// parallel (the segment on the line or beside it), and unless nurSchnitt
// the distance of parallel lines follows.
void ParalleleGeraden(TWeg& w, const TGerade& g, const TGerade& h, bool nurSchnitt) {
    const TQTripel &a = g.Punkt, &b = h.Punkt, &v = h.Richtung;
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
}

// The third equation (k) holds for r and s: the common point, where it is
// on the segment h.
void SchnittpunktZeigen(TWeg& w, const TGerade& g, const TGerade& h, const TRational& r,
                        const TRational& sp, int k) {
    const TQTripel &a = g.Punkt, &u = g.Richtung;
    const TQTripel x = Summe(a, exakt::Mal(u, r));
    w.Satz(std::string("Die Gleichung ") + Nummer[k] + " ist erfüllt.");
    if (h.Strecke) {
        // The common point of the lines is on the segment only for 0 ≤ s ≤ 1.
        if (sp.is_negative() || sp > 1) {
            w.Satz("Da s = " + Z(sp, Stil::Text) +
                   " nicht zwischen 0 und 1 liegt, liegt der gemeinsame Punkt der Geraden "
                   "nicht auf der Strecke " +
                   h.Name + ": Die Gerade " + g.Name + " trifft die Strecke " + h.Name + " nicht.");
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
}

// The distance of skew lines: the connecting vector projected onto the
// common normal.
void WindschieferAbstand(TWeg& w, const TGerade& g, const TGerade& h) {
    const TQTripel &a = g.Punkt, &u = g.Richtung, &b = h.Punkt, &v = h.Richtung;
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

// r and s from the equations i and j, checked in the third: the lines
// meet, or they are skew and, unless nurSchnitt, their distance follows.
void ZweiGleichungenLoesen(TWeg& w, const TGerade& g, const TGerade& h, const TGleichungen& q,
                           int i, int j, bool nurSchnitt) {
    const TRational *uk = q.U, *vk = q.V, *rk = q.Rechts;
    const int k = 3 - i - j;
    const TRational det = uk[i] * (-vk[j]) - uk[j] * (-vk[i]);
    const TRational r = (rk[i] * (-vk[j]) - rk[j] * (-vk[i])) / det;
    const TRational sp = (uk[i] * rk[j] - uk[j] * rk[i]) / det;
    w.Satz(std::string("Aus ") + Nummer[i] + " und " + Nummer[j] + " folgt:");
    w.Formel([&](Stil s) {
        return "r = " + Z(r, s) + (s == Stil::Latex ? ",\\quad " : ",  ") + "s = " + Z(sp, s);
    });
    const TRational links = uk[k] * r - vk[k] * sp;
    w.Satz(std::string("Probe in ") + Nummer[k] + ":");
    w.Formel([&](Stil s) {
        return K(uk[k], s) + Mal(s) + K(r, s) + " " + (s == Stil::Text ? Minus : "-") + " " +
               K(vk[k], s) + Mal(s) + K(sp, s) + " = " + Z(links, s) +
               (links == rk[k] ? " = " : (s == Stil::Latex ? " \\neq " : " ≠ ")) + Z(rk[k], s);
    });
    if (links == rk[k]) return SchnittpunktZeigen(w, g, h, r, sp, k);
    w.Satz(std::string("Widerspruch in ") + Nummer[k] + ": Es gibt keinen gemeinsamen Punkt.");
    w.Satz(Paar(g, h) +
           " sind windschief: Ihre Richtungsvektoren sind keine Vielfachen voneinander, "
           "und sie haben keinen gemeinsamen Punkt.");
    if (nurSchnitt) return;
    WindschieferAbstand(w, g, h);
}

// Normals that are multiples of each other: the planes are the same or
// parallel, as the equations tell.
void ParalleleEbenen(TWeg& w, const TEbene& e, const TEbene& f) {
    const TQTripel n1 = Normale(e), n2 = Normale(f);
    w.Satz("Die Normalenvektoren sind Vielfache voneinander: die Ebenen sind parallel.");
    // n⃗₁ = t·n⃗₂: the equation of the second times t has the left side of the first.
    const TRational t =
        !n2.x.is_zero() ? n1.x / n2.x : (!n2.y.is_zero() ? n1.y / n2.y : n1.z / n2.z);
    const TRational d2 = f.K.d * t;
    if (t != 1)
        w.Satz({T("Die Gleichung von " + f.Name + " mit "), F([&](Stil s) { return Z(t, s); }),
                T(" multipliziert: "),
                F([&](Stil s) { return Linearform(e.K.a, e.K.b, e.K.c, s) + " = " + Z(d2, s); })});
    if (d2 == e.K.d)
        w.Satz("Die Gleichungen stimmen überein: die Ebenen " + e.Name + " und " + f.Name +
               " sind identisch.");
    else
        w.Satz({T("Die linken Seiten stimmen überein, die rechten nicht ("), F([&](Stil s) {
                    return Z(e.K.d, s) + (s == Stil::Latex ? " \\neq " : " ≠ ") + Z(d2, s);
                }),
                T("): die Ebenen " + e.Name + " und " + f.Name +
                  " sind echt parallel, es gibt keine Schnittgerade.")});
}

void EbeneEbene(TWeg& w, const TEbene& e, const TEbene& f) {
    KoordinatenformZeigen(w, e);
    KoordinatenformZeigen(w, f);
    const TQTripel n1 = Normale(e), n2 = Normale(f);
    const TQTripel u = Kreuz(n1, n2);
    if (IstNull(u)) return ParalleleEbenen(w, e, f);
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

// Lines before segments before planes, as the cases take them.
int Rang(const TDreiDBasisElement* e) {
    return e->Art == TElementart::DGerade    ? 0
           : e->Art == TElementart::DStrecke ? 1
           : e->Art == TElementart::DEbene   ? 2
                                             : 3;
}

// c + k·√r, with the textbook's minus.
std::string MitWurzel(const TRational& c, const TRational& k, const TRational& r, Stil s) {
    if (k.is_zero()) return Z(c, s);
    const std::string wurzel = W({k.is_negative() ? -k : k, r}, s);
    const std::string minus = s == Stil::Text ? Minus : "-";
    if (c.is_zero()) return (k.is_negative() ? minus : std::string()) + wurzel;
    return Z(c, s) + (k.is_negative() ? " " + minus + " " : " + ") + wurzel;
}

// The point p + (t0 + k·√r)·u, each coordinate as c + k·√r.
std::string PunktMitWurzel(const std::string& name, const TQTripel& p, const TQTripel& u,
                           const TRational& t0, const TRational& k, const TRational& r, Stil s) {
    const TRational c[3] = {p.x + t0 * u.x, p.y + t0 * u.y, p.z + t0 * u.z};
    const TRational f[3] = {k * u.x, k * u.y, k * u.z};
    if (s == Stil::Latex)
        return name + "\\left(" + MitWurzel(c[0], f[0], r, s) + "\\,\\middle|\\," +
               MitWurzel(c[1], f[1], r, s) + "\\,\\middle|\\," + MitWurzel(c[2], f[2], r, s) +
               "\\right)";
    return name + "(" + MitWurzel(c[0], f[0], r, s) + " | " + MitWurzel(c[1], f[1], r, s) + " | " +
           MitWurzel(c[2], f[2], r, s) + ")";
}

// A line and a sphere: the line inserted into the sphere's equation gives
// a quadratic in its parameter, whose discriminant tells two points, one
// (touching) or none.
void KugelGeradeSchneiden(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* kugel,
                          const TDreiDBasisElement* gerade) {
    auto k = a.Geometrie(kugel);
    bool gut = true;
    const TGerade g = GeradeVon(a, gerade, "t", gut);
    auto gg = a.Geometrie(gerade);
    if (!k || !gg || !gut) return (void)KeineExaktenWerte(w);
    auto r = Wurzel(k->Radiusquadrat);
    if (!r) return (void)KeineExaktenWerte(w);
    w.Weg.Titel = "Lösungsweg: Schnitt von " + g.Name + " und " + kugel->Name;
    w.Formel([&](Stil s) { return PunktText("M", k->Punkt, s) + ", r = " + W(*r, s); });
    GeradeZeigen(w, g);
    const TKugelGeradeGleichung q = KugelGeradeGleichung(*k, *gg);
    const TQTripel pm = Differenz(gg->Punkt, k->Punkt);
    w.Satz("Einsetzen der Geradengleichung in die Kugelgleichung (x⃗ − m⃗)² = r²:");
    w.Formel({T("("), Spalte(pm), F([&](Stil s) { return " + t" + Mal(s); }), Spalte(gg->Richtung1),
              F([&](Stil s) {
                  return std::string(s == Stil::Latex ? ")^2 = " : ")² = ") +
                         Z(k->Radiusquadrat, s);
              })});
    const auto quadratisch = [&](Stil s) {
        const std::string t2 = s == Stil::Latex ? "t^2" : "t²";
        return Terme({{q.A, t2}, {q.B, "t"}, {q.C, ""}}, s) + " = 0";
    };
    w.Formel(quadratisch);
    const TRational d = q.Diskriminante();
    w.Satz("Die Diskriminante dieser quadratischen Gleichung:");
    w.Formel([&](Stil s) {
        const std::string minus = s == Stil::Text ? Minus : "-";
        const std::string quadrat = s == Stil::Latex ? "^2" : "²";
        return "D = " + K(q.B, s) + quadrat + " " + minus + " 4" + Mal(s) + K(q.A, s) + Mal(s) +
               K(q.C, s) + " = " + Z(d, s);
    });
    const std::string gName = "Die Gerade " + g.Name, kName = "die Kugel " + kugel->Name;
    if (d.is_negative()) {
        w.Satz("D < 0: " + gName + " und " + kName + " haben keinen gemeinsamen Punkt.");
        return;
    }
    const TRational t0 = -q.B / (2 * q.A);
    if (d.is_zero()) {
        w.Satz("D = 0: " + gName + " berührt " + kName + " für t = " + Z(t0, Stil::Text) +
               " im Punkt:");
        w.Formel([&](Stil s) {
            return PunktText(w.Ergebnis("B"), Summe(gg->Punkt, Mal(gg->Richtung1, t0)), s);
        });
        return;
    }
    auto wd = Wurzel(d);
    if (!wd) return (void)KeineExaktenWerte(w);
    // t = t0 ± k·√r, the first point the smaller parameter.
    const TRational f = wd->q / (2 * q.A);
    w.Satz("D > 0: " + gName + " schneidet " + kName + " in zwei Punkten:");
    w.Formel([&](Stil s) {
        const std::string mp = s == Stil::Latex ? "\\mp" : "∓";
        return std::string(s == Stil::Latex ? "t_{1,2}" : "t₁,₂") + " = " +
               Bruch(Z(-q.B, s) + " " + mp + " " + Wurzelzeichen(Z(d, s), s), Z(2 * q.A, s), s) +
               " = " + Z(t0, s) + " " + mp + " " + W({f, wd->r}, s);
    });
    w.Satz("Eingesetzt in die Geradengleichung:");
    const std::string erster = w.Frei("S1"), zweiter = w.Frei("S2");
    if (wd->Rational()) {
        const TRational t1 = t0 - f, t2 = t0 + f;
        w.Formel(
            [&](Stil s) { return PunktText(erster, Summe(gg->Punkt, Mal(gg->Richtung1, t1)), s); });
        w.Formel([&](Stil s) {
            return PunktText(zweiter, Summe(gg->Punkt, Mal(gg->Richtung1, t2)), s);
        });
        return;
    }
    w.Formel(
        [&](Stil s) { return PunktMitWurzel(erster, gg->Punkt, gg->Richtung1, t0, -f, wd->r, s); });
    w.Formel(
        [&](Stil s) { return PunktMitWurzel(zweiter, gg->Punkt, gg->Richtung1, t0, f, wd->r, s); });
}

// A sphere and a plane or a sphere: the distance of the centre (the
// centres), compared with the radius, and the circle's centre and radius.
void KugelSchneiden(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* x,
                    const TDreiDBasisElement* y) {
    if (x->Art != A::DKugel) std::swap(x, y);
    if (x->Art == A::DKugel && y->Art == A::DGerade) return KugelGeradeSchneiden(w, a, x, y);
    if (x->Art != A::DKugel || (y->Art != A::DEbene && y->Art != A::DKugel)) {
        w.Passend = false;
        return;
    }
    auto k = a.Geometrie(x), b = a.Geometrie(y);
    if (!k || !b) return (void)KeineExaktenWerte(w);
    auto r = Wurzel(k->Radiusquadrat);
    if (!r) return (void)KeineExaktenWerte(w);
    const std::string km = x->Name;
    w.Weg.Titel = "Lösungsweg: Schnitt von " + km + " und " + y->Name;
    w.Formel([&](Stil s) { return PunktText("M", k->Punkt, s) + ", r = " + W(*r, s); });
    TRational d2, a2; // the distance squared; for two spheres the offset a squared
    TQTripel mitte;
    if (y->Art == A::DEbene) {
        const TEbene e = Ebene(y->Name, *b);
        KoordinatenformZeigen(w, e);
        const TQTripel n = Normale(e);
        const TRational nn = Skalar(n, n);
        const TRational t = Skalar(n, Differenz(k->Punkt, b->Punkt)) / nn;
        d2 = t * t * nn;
        auto d = Wurzel(d2);
        if (!d) return (void)KeineExaktenWerte(w);
        w.Satz("Abstand des Mittelpunkts M von " + y->Name + ":");
        w.Formel([&](Stil s) { return "d = " + W(*d, s) + " LE"; });
        mitte = Differenz(k->Punkt, Mal(n, t));
        a2 = d2;
    } else {
        auto r2 = Wurzel(b->Radiusquadrat);
        if (!r2) return (void)KeineExaktenWerte(w);
        w.Formel([&](Stil s) { return PunktText("N", b->Punkt, s) + ", s = " + W(*r2, s); });
        const TQTripel v = Differenz(b->Punkt, k->Punkt);
        d2 = Skalar(v, v);
        auto d = Wurzel(d2);
        if (!d || d2.is_zero()) return (void)KeineExaktenWerte(w);
        w.Satz("Abstand der Mittelpunkte:");
        w.Formel([&](Stil s) {
            return "d = " + Betragsstriche(Strecke("M", "N", s), s) + " = " + W(*d, s) + " LE";
        });
        const TRational f = (d2 + k->Radiusquadrat - b->Radiusquadrat) / (2 * d2);
        a2 = f * f * d2;
        mitte = Summe(k->Punkt, Mal(v, f));
        w.Satz("Die Ebene des Schnittkreises hat von M den Abstand a:");
        auto av = Wurzel(a2);
        if (!av) return (void)KeineExaktenWerte(w);
        w.Formel([&](Stil s) { return "a = " + W(*av, s) + " LE"; });
    }
    const TRational rest = k->Radiusquadrat - a2;
    if (rest.is_negative()) {
        w.Satz(x->Name + " und " + y->Name + " haben keinen gemeinsamen Punkt.");
        return;
    }
    if (rest.is_zero()) {
        w.Satz(x->Name + " und " + y->Name + " berühren sich im Punkt:");
        w.Formel([&](Stil s) { return PunktText(w.Ergebnis("B"), mitte, s); });
        return;
    }
    auto rho = Wurzel(rest);
    if (!rho) return (void)KeineExaktenWerte(w);
    w.Satz("Der Schnittkreis hat den Mittelpunkt und den Radius:");
    w.Formel([&](Stil s) { return PunktText("M'", mitte, s); });
    w.Formel([&](Stil s) {
        const auto q = [&](const std::string& x) { return x + (s == Stil::Latex ? "^2" : "²"); };
        return (s == Stil::Latex ? std::string("\\rho") : std::string("ρ")) + " = " +
               Wurzelzeichen(q(W(*r, s)) + " " + (s == Stil::Text ? Minus : "-") + " " +
                                 q(y->Art == A::DEbene ? "d" : "a"),
                             s) +
               " = " + W(*rho, s) + " LE";
    });
}

// The intersection of two lines, segments or planes (x before y in the
// list), by their kinds.
void Schneiden(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* x,
               const TDreiDBasisElement* y) {
    w.Weg.Titel = "Lösungsweg: Schnitt";
    if (x->Art == A::DKugel || y->Art == A::DKugel) return KugelSchneiden(w, a, x, y);
    bool gut = true;
    if (Rang(y) < Rang(x)) std::swap(x, y);
    const int fall = Rang(x) * 3 + Rang(y);
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

} // namespace

void GeradeGerade(TWeg& w, const TGerade& g, const TGerade& h, bool nurSchnitt) {
    const TGleichungen q = GleichungenZeigen(w, g, h);
    // Two equations with a unique solution.
    int i = -1, j = -1;
    for (int m = 0; m < 3 && i < 0; ++m)
        for (int n = m + 1; n < 3; ++n)
            if (!(q.U[m] * (-q.V[n]) - q.U[n] * (-q.V[m])).is_zero()) {
                i = m;
                j = n;
                break;
            }
    if (i < 0) return ParalleleGeraden(w, g, h, nurSchnitt);
    ZweiGleichungenLoesen(w, g, h, q, i, j, nurSchnitt);
}

} // namespace loesungsweg

using namespace loesungsweg;

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

} // namespace kalvorin::exakt
