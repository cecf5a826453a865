// The worked solution of a measurement: angles, lengths and distances,
// areas and volumes, one function for each group of cases.

#include "exakt/LoesungswegIntern.h"

#include <array>
#include <cmath>

namespace kalvorin::exakt {

namespace loesungsweg {

namespace {

// A vector's name in a formula, in the notation asked for.
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

// The angle between the directions u and v, named a and b in the formula.
// With betrag (a line or a plane takes part, which have no sense of
// direction) the formula takes |a⃗·b⃗| and the angle is 0° to 90°; with
// sinus it is the angle between a line and a plane, whose normal is v.
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

using TElemente = std::vector<const TDreiDBasisElement*>;

void WinkelDerVektoren(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Winkel";
    auto u = a.Vektor(x[0]), v = a.Vektor(x[1]);
    if (!u || !v) return (void)KeineExaktenWerte(w);
    w.Satz("Winkel zwischen den Vektoren " + x[0]->Name + " und " + x[1]->Name + ":");
    WinkelZeigen(w, VekName(x[0]->Name), VekName(x[1]->Name), *u, *v, false, false);
}

// Two lines by their directions, two planes by their normals.
void WinkelDerGeradenOderEbenen(TWeg& w, TExakteAuswertung& a, bool ebenen, const TElemente& l) {
    w.Weg.Titel = "Lösungsweg: Winkel";
    auto g = a.Geometrie(l[0]), h = a.Geometrie(l[1]);
    if (!g || !h) return (void)KeineExaktenWerte(w);
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
    w.Formel({F([&](Stil s) { return erster(s) + " = "; }), Spalte(Ganzzahlig(u)), F([&](Stil s) {
                  return std::string(s == Stil::Latex ? ",\\quad " : ",  ") + zweiter(s) + " = ";
              }),
              Spalte(Ganzzahlig(v))});
    WinkelZeigen(w, erster, zweiter, Ganzzahlig(u), Ganzzahlig(v), false, true);
}

void WinkelGeradeEbene(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Winkel";
    auto g = a.Geometrie(x[0]), e = a.Geometrie(x[1]);
    if (!g || !e) return (void)KeineExaktenWerte(w);
    const TQTripel u = Ganzzahlig(g->Richtung1);
    const TQTripel n = Ganzzahlig(Kreuz(e->Richtung1, e->Richtung2));
    w.Satz("Winkel zwischen der Geraden " + x[0]->Name +
           " (Richtungsvektor u⃗) und der "
           "Ebene " +
           x[1]->Name +
           " (Normalenvektor n⃗): der Sinus des Winkels ist der Betrag des "
           "Kosinus des Winkels zwischen u⃗ und n⃗; der Winkel liegt zwischen 0° und 90°.");
    w.Formel({F([](Stil s) { return Vek("u", s) + " = "; }), Spalte(u), F([](Stil s) {
                  return std::string(s == Stil::Latex ? ",\\quad " : ",  ") + Vek("n", s) + " = ";
              }),
              Spalte(n)});
    WinkelZeigen(w, VekName("u"), VekName("n"), u, n, true, true);
}

// Two points, or the ends of a segment.
void AbstandZweierPunkte(TWeg& w, TExakteAuswertung& a, TMessart art, const TElemente& x) {
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
    if (!p || !q) return (void)KeineExaktenWerte(w);
    w.Satz("Abstand der Punkte " + pn + " und " + qn + ": die Länge des Verbindungsvektors.");
    w.Formel({F([&](Stil s) { return Strecke(pn, qn, s) + " = "; }), Spalte(*q), M(" − ", " - "),
              Spalte(*p), M(" = ", " = "), Spalte(Differenz(*q, *p))});
    BetragZeigen(w, "d", Differenz(*q, *p), "LE");
}

void BetragDesVektors(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    auto v = a.Vektor(x[0]);
    if (!v) return (void)KeineExaktenWerte(w);
    const std::string& vn = x[0]->Name;
    BetragZeigen(w, Betragsstriche(vn, Stil::Text), *v, "LE",
                 Betragsstriche(Vek(vn, Stil::Latex), Stil::Latex));
}

// The distance of the point P from the plane by the Hesse normal form.
struct THesseAbstand {
    std::string Ebene;
    // The coordinate form turned so that the origin lies on the negative
    // side: the sign inside the bars then tells the side of the point.
    TKoordinatenform Form;
    TWurzelzahl Laenge; // |n⃗|
    TQTripel P;
    TRational Innen; // n⃗·P − d
    TWurzelzahl Abstand;

    // Divided by |n⃗|, unless it is 1.
    std::string DurchLaenge(const std::string& z, Stil s) const {
        return Laenge.Rational() && Laenge.q == 1 ? z : Bruch(z, W(Laenge, s), s);
    }
    // " − d", where the constant is not 0.
    std::string Konstante(Stil s) const {
        if (Form.d.is_zero()) return "";
        return (s == Stil::Text ? " " + std::string(Minus) + " " : " - ") + Z(Form.d, s);
    }
    // "E: (x + y + z − 1)/√3 = 0"
    std::string Normalform(Stil s) const {
        return Name(Ebene, s) + ": " +
               DurchLaenge(Linearform(Form.a, Form.b, Form.c, s) + Konstante(s), s) + " = 0";
    }
    // "d = |1·2 + 1·3 + 1·0 − 1|/√3 = |4|/√3 = 4/3·√3 ≈ 2,31 LE"
    std::string Eingesetzt(Stil s) const {
        std::string t;
        const TRational kk[3] = {Form.a, Form.b, Form.c}, pk[3] = {P.x, P.y, P.z};
        for (int i = 0; i < 3; ++i) {
            if (kk[i].is_zero()) continue;
            if (!t.empty()) t += " + ";
            t += K(kk[i], s) + Mal(s) + K(pk[i], s);
        }
        t += Konstante(s);
        return "d = " + DurchLaenge(Betragsstriche(t, s), s) + " = " +
               DurchLaenge(Betragsstriche(Z(Innen, s), s), s) + " = " + W(Abstand, s) +
               (Abstand.Rational() ? "" : Ungefaehr(s) + Dezimal(Abstand.Wert(), s)) +
               (s == Stil::Latex ? "\\,\\text{LE}" : " LE");
    }
};

void AbstandPunktEbene(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    auto p = a.Punkt(x[0]);
    auto e = EbeneVon(a, x[1]);
    if (!p || !e) return (void)KeineExaktenWerte(w);
    TKoordinatenform k = e->K;
    if (k.d.is_negative()) k = {-k.a, -k.b, -k.c, -k.d};
    const TQTripel n{k.a, k.b, k.c};
    const std::string pn = x[0]->Name;
    w.Satz("Hessesche Normalform der Ebene " + e->Name + ":");
    auto laenge = Wurzel(Skalar(n, n));
    const TRational innen = Skalar(n, *p) - k.d;
    auto d = DurchWurzel(abs(innen), Skalar(n, n));
    if (!laenge || !d) return (void)KeineExaktenWerte(w);
    const THesseAbstand h{e->Name, k, *laenge, *p, innen, *d};
    w.Formel([&](Stil s) { return h.Normalform(s); });
    w.Satz("Die Koordinaten von " + pn + " einsetzen; der Abstand ist der Betrag:");
    w.Formel([&](Stil s) { return h.Eingesetzt(s); });
    if (innen.is_zero())
        w.Satz("Der Punkt " + pn + " liegt in der Ebene " + e->Name + ".");
    else if (!k.d.is_zero())
        w.Satz(std::string("Der Wert im Betrag ist ") +
               (innen.is_negative() ? "negativ: " + pn + " liegt auf derselben Seite von "
                                    : "positiv: " + pn + " liegt auf der anderen Seite von ") +
               e->Name + (innen.is_negative() ? " wie" : " als") + " der Ursprung.");
}

// Hesse's form of the plane e with the point p of the name pn inserted;
// nothing without exact values.
std::optional<THesseAbstand> Hesse(TWeg& w, const TEbene& e, const TQTripel& p,
                                   const std::string& pn) {
    TKoordinatenform k = e.K;
    if (k.d.is_negative()) k = {-k.a, -k.b, -k.c, -k.d};
    const TQTripel n{k.a, k.b, k.c};
    auto laenge = Wurzel(Skalar(n, n));
    const TRational innen = Skalar(n, p) - k.d;
    auto d = DurchWurzel(abs(innen), Skalar(n, n));
    if (!laenge || !d) return {};
    THesseAbstand h{e.Name, k, *laenge, p, innen, *d};
    w.Satz("Die Koordinaten von " + pn + " in die Hessesche Normalform von " + e.Name +
           " einsetzen:");
    w.Formel([&](Stil s) { return h.Normalform(s); });
    w.Formel([&](Stil s) { return h.Eingesetzt(s); });
    return h;
}

// Parallel planes: the distance of a point of the second from the first.
void AbstandDerEbenen(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    auto e = EbeneVon(a, x[0]), f = EbeneVon(a, x[1]);
    if (!e || !f) return (void)KeineExaktenWerte(w);
    KoordinatenformZeigen(w, *e);
    KoordinatenformZeigen(w, *f);
    if (!IstNull(Kreuz(Normale(*e), Normale(*f)))) {
        w.Satz("Die Normalenvektoren sind keine Vielfachen voneinander: " + e->Name + " und " +
               f->Name + " schneiden sich, ihr Abstand ist 0.");
        return;
    }
    const std::string pn = w.Frei("P");
    const TQTripel p = f->G.Punkt;
    w.Satz("Die Normalenvektoren sind Vielfache voneinander: " + e->Name + " und " + f->Name +
           " sind parallel. Ihr Abstand ist der Abstand eines Punktes von " + f->Name + " von " +
           e->Name + ", etwa " + pn + ":");
    w.Formel([&](Stil s) { return PunktText(Name(pn, s), p, s); });
    if (!Hesse(w, *e, p, pn)) return (void)KeineExaktenWerte(w);
}

// Two points and a plane: the signs of the values in the bars of Hesse's form.
void PunkteZurEbene(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    auto p = a.Punkt(x[0]), q = a.Punkt(x[1]);
    auto e = EbeneVon(a, x[2]);
    if (!p || !q || !e) return (void)KeineExaktenWerte(w);
    auto hp = Hesse(w, *e, *p, x[0]->Name);
    auto hq = Hesse(w, *e, *q, x[1]->Name);
    if (!hp || !hq) return (void)KeineExaktenWerte(w);
    const std::string &pn = x[0]->Name, &qn = x[1]->Name;
    if (hp->Innen.is_zero() || hq->Innen.is_zero()) {
        w.Satz((hp->Innen.is_zero() ? pn : qn) + " liegt in " + e->Name + ".");
        return;
    }
    const bool gleich = hp->Innen.is_negative() == hq->Innen.is_negative();
    w.Satz(std::string("Die Werte in den Betragsstrichen haben ") +
           (gleich
                ? "dasselbe Vorzeichen: " + pn + " und " + qn + " liegen auf derselben Seite von "
                : "verschiedene Vorzeichen: " + pn + " und " + qn +
                      " liegen auf verschiedenen Seiten von ") +
           e->Name + ".");
}

// How a plane lies to the axes: a coefficient 0 of its coordinate form.
void EbeneZuDenAchsen(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    auto e = EbeneVon(a, x[0]);
    if (!e) return (void)KeineExaktenWerte(w);
    KoordinatenformZeigen(w, *e);
    const TRational k[3] = {e->K.a, e->K.b, e->K.c};
    const auto v = Koordinatennamen(Stil::Text);
    for (int i = 0; i < 3; ++i) {
        const std::string achse = v[static_cast<std::size_t>(i)];
        if (k[i].is_zero())
            w.Satz(achse + " kommt in der Gleichung nicht vor: " + e->Name +
                   (e->K.d.is_zero() ? " enthält die " + achse +
                                           "-Achse (auch der Ursprung erfüllt "
                                           "die Gleichung)."
                                     : " ist parallel zur " + achse + "-Achse."));
        else
            w.Satz("Die " + achse + "-Achse schneidet " + e->Name +
                   " dort, wo die beiden anderen "
                   "Koordinaten 0 sind: " +
                   achse + " = " + Z(e->K.d / k[i], Stil::Text) + ".");
    }
}

// A point and a triangle (or quadrilateral, by its inner half triangles):
// in the plane, and P = A + r·AB⃗ + s·AC⃗ with r, s ≥ 0 and r + s ≤ 1.
void PunktImVieleck(TWeg& w, TExakteAuswertung& a, TMessart art, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    auto p = a.Punkt(x[0]);
    const TDreiDBasisElement* f = x[1];
    if (!p || f == nullptr) return (void)KeineExaktenWerte(w);
    const bool dreieck = art == TMessart::PunktDreieck;
    std::vector<TQTripel> ecken;
    std::vector<std::string> namen;
    for (int i = 0; i < (dreieck ? 3 : 4); ++i) {
        auto e = a.Punkt(f->Bezuege[static_cast<std::size_t>(i)]);
        if (!e) return (void)KeineExaktenWerte(w);
        ecken.push_back(*e);
        namen.push_back(f->Bezuege[static_cast<std::size_t>(i)]->Name);
    }
    if (!dreieck && !ExakteViereckecken(a, f)) return (void)KeineExaktenWerte(w);
    const std::string pn = x[0]->Name;
    // The half triangles: the triangle itself, or those of the diagonal
    // that lies inside the quadrilateral.
    std::vector<std::array<int, 3>> teile = {{0, 1, 2}};
    if (!dreieck) {
        const TQTripel n = Diagonalenkreuz({ecken[0], ecken[1], ecken[2], ecken[3]});
        const TQTripel ac = Differenz(ecken[2], ecken[0]);
        const bool acInnen = Skalar(Kreuz(ac, Differenz(ecken[1], ecken[0])), n) *
                                 Skalar(Kreuz(ac, Differenz(ecken[3], ecken[0])), n) <
                             0;
        teile = acInnen ? std::vector<std::array<int, 3>>{{0, 1, 2}, {0, 2, 3}}
                        : std::vector<std::array<int, 3>>{{0, 1, 3}, {1, 2, 3}};
        w.Satz("Das Viereck wird entlang seiner inneren Diagonale in zwei Dreiecke zerlegt.");
    }
    bool drin = false;
    for (const auto& t : teile) {
        const TQTripel& q = ecken[static_cast<std::size_t>(t[0])];
        const TQTripel u = Differenz(ecken[static_cast<std::size_t>(t[1])], q);
        const TQTripel v = Differenz(ecken[static_cast<std::size_t>(t[2])], q);
        const TQTripel d = Differenz(*p, q);
        const std::string an = namen[static_cast<std::size_t>(t[0])],
                          bn = namen[static_cast<std::size_t>(t[1])],
                          cn = namen[static_cast<std::size_t>(t[2])];
        const TRational uu = Skalar(u, u), uv = Skalar(u, v), vv = Skalar(v, v);
        const TRational det = uu * vv - uv * uv;
        if (det.is_zero()) return (void)KeineExaktenWerte(w);
        const TRational r = (vv * Skalar(u, d) - uv * Skalar(v, d)) / det;
        const TRational s = (uu * Skalar(v, d) - uv * Skalar(u, d)) / det;
        const TQTripel rest = Differenz(d, Summe(Mal(u, r), Mal(v, s)));
        if (!IstNull(rest)) {
            w.Satz("Die Gleichung " + pn + " = " + an + " + r·" + an + bn + " + s·" + an + cn +
                   " hat keine Lösung: " + pn + " liegt nicht in der Ebene des " +
                   (dreieck ? "Dreiecks." : "Vierecks."));
            return;
        }
        const bool hier = !r.is_negative() && !s.is_negative() && r + s <= 1;
        w.Satz(pn + " = " + an + " + r·" + an + bn + " + s·" + an + cn +
               " mit r = " + Z(r, Stil::Text) + " und s = " + Z(s, Stil::Text) + ": " +
               (hier ? "r ≥ 0, s ≥ 0 und r + s ≤ 1, " + pn + " liegt im Dreieck " + an + bn + cn
                     : pn + " liegt nicht im Dreieck " + an + bn + cn) +
               ".");
        drin = drin || hier;
    }
    std::string alle;
    for (const std::string& n : namen)
        alle += n;
    w.Satz(pn + (drin ? " liegt im " : " liegt außerhalb des ") +
           (dreieck ? (drin ? "Dreieck " : "Dreiecks ") : (drin ? "Viereck " : "Vierecks ")) +
           alle + ".");
}

void AbstandDerGeraden(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Länge";
    bool gut = true;
    const TGerade g = GeradeVon(a, x[0], "r", gut), h = GeradeVon(a, x[1], "s", gut);
    if (!gut) return (void)KeineExaktenWerte(w);
    GeradeZeigen(w, g);
    GeradeZeigen(w, h);
    GeradeGerade(w, g, h);
}

// Three points, or the corners of a triangle.
void FlaecheDesDreiecks(TWeg& w, TExakteAuswertung& a, TMessart art, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Flächeninhalt";
    std::array<std::optional<TQTripel>, 3> p;
    std::array<std::string, 3> n;
    for (int i = 0; i < 3; ++i) {
        const TDreiDBasisElement* e = art == TMessart::FlaechePunkte ? x[i] : x[0]->Bezuege[i];
        p[i] = a.Punkt(e);
        n[i] = e ? e->Name : "?";
    }
    if (!p[0] || !p[1] || !p[2]) return (void)KeineExaktenWerte(w);
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
    if (!f) return (void)KeineExaktenWerte(w);
    w.Formel([&](Stil s) {
        return "A = " + std::string(s == Stil::Latex ? "\\frac{1}{2}" : "1/2") + Mal(s) +
               BetragAusgeschrieben(k, s) + " = " + W(*f, s) +
               (f->Rational() ? "" : Ungefaehr(s) + Dezimal(f->Wert(), s)) +
               (s == Stil::Latex ? "\\,\\text{FE}" : " FE");
    });
}

// The sides of a quadrilateral as vectors, their lengths, its area from
// its diagonals, and its kind with the reason.
void FlaecheDesVierecks(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Flächeninhalt";
    const TDreiDBasisElement* q = x[0];
    auto p = ExakteViereckecken(a, q);
    if (!p) return (void)KeineExaktenWerte(w);
    std::array<std::string, 4> n;
    for (std::size_t i = 0; i < 4; ++i)
        n[i] = q->Bezuege[i] ? q->Bezuege[i]->Name : "?";
    const std::string name = n[0] + n[1] + n[2] + n[3];
    std::array<TQTripel, 4> s;
    for (std::size_t i = 0; i < 4; ++i)
        s[i] = Differenz((*p)[(i + 1) % 4], (*p)[i]);
    w.Satz("Die Seiten des Vierecks " + name + " als Vektoren und ihre Längen:");
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string von = n[i], bis = n[(i + 1) % 4];
        w.Formel({F([&](Stil st) { return Strecke(von, bis, st) + " = "; }), Spalte(s[i])});
        BetragZeigen(w, "|" + von + bis + "|", s[i], "LE",
                     "\\left|" + Strecke(von, bis, Stil::Latex) + "\\right|");
    }
    const TViereckmerkmale m = ExakteViereckmerkmale(*p);
    const auto gegen = [&](std::size_t i) { return n[i] + n[(i + 1) % 4]; };
    std::vector<std::string> gruende;
    if (m.ParallelABCD) gruende.push_back(gegen(0) + " ist parallel zu " + gegen(2));
    if (m.ParallelBCDA) gruende.push_back(gegen(1) + " ist parallel zu " + gegen(3));
    if (!m.ParallelABCD && !m.ParallelBCDA) gruende.push_back("keine zwei Seiten sind parallel");
    if (m.RechterWinkel)
        gruende.push_back("das Skalarprodukt der Seitenvektoren von " + gegen(0) + " und " +
                          gegen(1) + " ist 0, der Winkel bei " + n[1] + " ist ein rechter");
    for (std::size_t i = 0; i < 4; ++i)
        if (m.GleichNachbar[i])
            gruende.push_back(gegen(i) + " und " + gegen((i + 1) % 4) + " sind gleich lang");
    for (std::size_t i = 0; i < 2; ++i)
        if (m.GleichGegenueber[i] && !(m.ParallelABCD && m.ParallelBCDA))
            gruende.push_back(gegen(i) + " und " + gegen(i + 2) + " sind gleich lang");
    std::string satz;
    for (std::size_t i = 0; i < gruende.size(); ++i)
        satz += (i == 0 ? "" : i + 1 == gruende.size() ? " und " : ", ") + gruende[i];
    w.Satz("Es gilt: " + satz + ". Also ist " + name + " " + ViereckartText(Viereckart(m)) + ".");
    const TQTripel k = Diagonalenkreuz(*p);
    w.Satz("Flächeninhalt: die Hälfte des Betrags des Vektorprodukts der Diagonalen.");
    w.Formel({F([&](Stil st) {
                  return Strecke(n[0], n[2], st) + (st == Stil::Latex ? " \\times " : " × ") +
                         Strecke(n[1], n[3], st) + " = ";
              }),
              Spalte(Differenz((*p)[2], (*p)[0])), M(" × ", " \\times "),
              Spalte(Differenz((*p)[3], (*p)[1])), M(" = ", " = "), Spalte(k)});
    auto f = Wurzel(Skalar(k, k) / 4);
    if (!f) return (void)KeineExaktenWerte(w);
    w.Formel([&](Stil st) {
        return "A = " + std::string(st == Stil::Latex ? "\\frac{1}{2}" : "1/2") + Mal(st) +
               BetragAusgeschrieben(k, st) + " = " + W(*f, st) +
               (f->Rational() ? "" : Ungefaehr(st) + Dezimal(f->Wert(), st)) +
               (st == Stil::Latex ? "\\,\\text{FE}" : " FE");
    });
}

// V = 1/3 · G · h: the base from its diagonals, the height as the apex's
// distance from the base's plane.
void VolumenDerPyramide4(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Volumen";
    const TDreiDBasisElement* y = x[0];
    if (y == nullptr || y->Art != A::DPyramide4) return (void)KeineExaktenWerte(w);
    auto p = ExakteViereckecken(a, y->Bezuege[0]);
    auto s = a.Punkt(y->Bezuege[1]);
    if (!p || !s) return (void)KeineExaktenWerte(w);
    const TDreiDBasisElement* q = y->Bezuege[0];
    std::array<std::string, 4> n;
    for (std::size_t i = 0; i < 4; ++i)
        n[i] = q->Bezuege[i] ? q->Bezuege[i]->Name : "?";
    const std::string sn = y->Bezuege[1]->Name;
    const TQTripel k = Diagonalenkreuz(*p);
    w.Satz("Volumen der vierseitigen Pyramide: V = 1/3 · G · h.");
    w.Satz("Grundfläche " + n[0] + n[1] + n[2] + n[3] +
           ": die Hälfte des Betrags des Vektorprodukts der Diagonalen.");
    w.Formel({F([&](Stil st) {
                  return Strecke(n[0], n[2], st) + (st == Stil::Latex ? " \\times " : " × ") +
                         Strecke(n[1], n[3], st) + " = ";
              }),
              Spalte(Differenz((*p)[2], (*p)[0])), M(" × ", " \\times "),
              Spalte(Differenz((*p)[3], (*p)[1])), M(" = ", " = "), Spalte(k)});
    auto g = Wurzel(Skalar(k, k) / 4);
    auto h = DurchWurzel(abs(Skalar(k, Differenz(*s, (*p)[0]))), Skalar(k, k));
    if (!g || !h) return (void)KeineExaktenWerte(w);
    w.Formel([&](Stil st) {
        return "G = " + std::string(st == Stil::Latex ? "\\frac{1}{2}" : "1/2") + Mal(st) +
               BetragAusgeschrieben(k, st) + " = " + W(*g, st) +
               (st == Stil::Latex ? "\\,\\text{FE}" : " FE");
    });
    w.Satz("Höhe: der Abstand der Spitze " + sn +
           " von der Ebene der Grundfläche, mit dem "
           "Vektorprodukt als Normalenvektor.");
    w.Formel([&](Stil st) {
        return "h = " +
               Bruch(Betragsstriche(SkalarAusgeschrieben(k, Differenz(*s, (*p)[0]), st), st),
                     BetragAusgeschrieben(k, st), st) +
               " = " + W(*h, st) + (st == Stil::Latex ? "\\,\\text{LE}" : " LE");
    });
    const TRational v = abs(Skalar(k, Differenz(*s, (*p)[0]))) / 6;
    w.Formel([&](Stil st) {
        return "V = " + Bruch("1", "3", st) + Mal(st) + W(*g, st) + Mal(st) + W(*h, st) + " = " +
               Z(v, st) + ((v * 100).is_integer() ? "" : Ungefaehr(st) + Dezimal(AlsReal(v), st)) +
               (st == Stil::Latex ? "\\,\\text{VE}" : " VE");
    });
}

void FlaecheDesParallelogramms(TWeg& w, TExakteAuswertung& a, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Flächeninhalt";
    auto u = a.Vektor(x[0]), v = a.Vektor(x[1]);
    if (!u || !v) return (void)KeineExaktenWerte(w);
    const TQTripel k = Kreuz(*u, *v);
    w.Satz("Flächeninhalt des Parallelogramms: der Betrag des Vektorprodukts.");
    w.Formel({F([&](Stil s) {
                  return Vek(x[0]->Name, s) + (s == Stil::Latex ? " \\times " : " × ") +
                         Vek(x[1]->Name, s) + " = ";
              }),
              Spalte(*u), M(" × ", " \\times "), Spalte(*v), M(" = ", " = "), Spalte(k)});
    BetragZeigen(w, "A", k, "FE");
}

// The three edges of a three-sided pyramid from one corner, with their
// names in both notations.
struct TKanten {
    std::array<TQTripel, 3> Vektor;
    std::array<std::string, 3> Name, Latex;
};

// Three vectors, or the edges from the apex to the corners of the base;
// nothing without exact values.
std::optional<TKanten> Kanten(TExakteAuswertung& a, TMessart art, const TElemente& x) {
    std::array<std::optional<TQTripel>, 3> kante;
    TKanten k;
    if (art == TMessart::VolumenVektoren) {
        for (int i = 0; i < 3; ++i) {
            kante[i] = a.Vektor(x[i]);
            k.Name[i] = Vek(x[i]->Name, Stil::Text);
            k.Latex[i] = Vek(x[i]->Name, Stil::Latex);
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
            if (d == nullptr || t == nullptr) return {};
            spitze = a.Punkt(t);
            sn = t->Name;
            ecken = {d->Bezuege[0], d->Bezuege[1], d->Bezuege[2]};
        }
        for (int i = 0; i < 3; ++i) {
            auto e = a.Punkt(ecken[i]);
            if (!spitze || !e) return {};
            kante[i] = Differenz(*e, *spitze);
            const std::string ecke = ecken[i] ? ecken[i]->Name : "?";
            k.Name[i] = Strecke(sn, ecke, Stil::Text);
            k.Latex[i] = Strecke(sn, ecke, Stil::Latex);
        }
    }
    if (!kante[0] || !kante[1] || !kante[2]) return {};
    k.Vektor = {*kante[0], *kante[1], *kante[2]};
    return k;
}

void VolumenDerPyramide(TWeg& w, TExakteAuswertung& a, TMessart art, const TElemente& x) {
    w.Weg.Titel = "Lösungsweg: Volumen";
    const std::optional<TKanten> kanten = Kanten(a, art, x);
    if (!kanten) return (void)KeineExaktenWerte(w);
    const std::array<TQTripel, 3>& kante = kanten->Vektor;
    const std::array<std::string, 3>&name = kanten->Name, &latex = kanten->Latex;
    const TQTripel k = Kreuz(kante[1], kante[2]);
    const TRational spat = Skalar(kante[0], k);
    w.Satz("Volumen der dreiseitigen Pyramide: ein Sechstel des Betrags des Spatprodukts der "
           "drei Kantenvektoren.");
    w.Formel({M(name[0] + " = ", latex[0] + " = "), Spalte(kante[0]),
              M(",  " + name[1] + " = ", ",\\quad " + latex[1] + " = "), Spalte(kante[1]),
              M(",  " + name[2] + " = ", ",\\quad " + latex[2] + " = "), Spalte(kante[2])});
    w.Formel({M("Vektorprodukt: ", "\\text{Vektorprodukt: }"), Spalte(kante[1]),
              M(" × ", " \\times "), Spalte(kante[2]), M(" = ", " = "), Spalte(k)});
    w.Formel([&](Stil s) {
        return std::string(s == Stil::Latex ? "\\text{Spatprodukt: }" : "Spatprodukt: ") +
               SkalarAusgeschrieben(kante[0], k, s) + " = " + Z(spat, s);
    });
    const TRational vol = abs(spat) / 6;
    w.Formel([&](Stil s) {
        return "V = " + std::string(s == Stil::Latex ? "\\frac{1}{6}" : "1/6") + Mal(s) +
               Betragsstriche(Z(spat, s), s) + " = " + Z(vol, s) +
               ((vol * 100).is_integer() ? "" : Ungefaehr(s) + Dezimal(AlsReal(vol), s)) +
               (s == Stil::Latex ? "\\,\\text{VE}" : " VE");
    });
}

std::string PiZeichen(Stil s) {
    return s == Stil::Latex ? "\\pi " : "π";
}
std::string Hoch(const char* basis, int n, Stil s) {
    if (s == Stil::Latex) return std::string(basis) + "^" + std::to_string(n);
    return std::string(basis) + (n == 2 ? "²" : "³");
}

// A sphere's or circle's radius, area or volume, and where a point, line or
// plane lies to a sphere: the formula with the numbers, π kept as π.
void KugelMessen(TWeg& w, TExakteAuswertung& a, TMessart art, const TElemente& x) {
    const auto m = ExaktMessen(a, art, x);
    const bool lage =
        art == TMessart::PunktKugel || art == TMessart::GeradeKugel || art == TMessart::EbeneKugel;
    const TDreiDBasisElement* rund = lage ? x[1] : x[0];
    const auto g = a.Geometrie(rund);
    if (!m || !g) return (void)KeineExaktenWerte(w);
    const auto r = Wurzel(g->Radiusquadrat);
    if (!r) return (void)KeineExaktenWerte(w);
    const auto ergebnis = [&](Stil s) {
        std::string t = W(m->Wert, s);
        if (m->MalPi) t = (m->Wert.Rational() && m->Wert.q == 1 ? "" : t + Mal(s)) + PiZeichen(s);
        return t;
    };
    w.Formel([&](Stil s) { return "r = " + W(*r, s); });
    switch (art) {
    case TMessart::KugelOberflaeche:
        w.Weg.Titel = "Lösungsweg: Fläche";
        w.Formel([&](Stil s) {
            return "O = 4" + Mal(s) + PiZeichen(s) + Mal(s) + Hoch("r", 2, s) + " = " +
                   ergebnis(s) + " FE";
        });
        break;
    case TMessart::KugelVolumen:
        w.Weg.Titel = "Lösungsweg: Volumen";
        w.Formel([&](Stil s) {
            return "V = " + Bruch("4", "3", s) + Mal(s) + PiZeichen(s) + Mal(s) + Hoch("r", 3, s) +
                   " = " + ergebnis(s) + " VE";
        });
        break;
    case TMessart::KreisFlaeche:
        w.Weg.Titel = "Lösungsweg: Fläche";
        w.Formel([&](Stil s) {
            return "A = " + PiZeichen(s) + Mal(s) + Hoch("r", 2, s) + " = " + ergebnis(s) + " FE";
        });
        break;
    case TMessart::PunktKugel:
    case TMessart::GeradeKugel:
    case TMessart::EbeneKugel:
        w.Weg.Titel = "Lösungsweg: Länge";
        w.Satz("Abstand des Mittelpunkts von " + x[0]->Name + " mit dem Radius verglichen:");
        w.Formel([&](Stil s) { return "d = " + ergebnis(s) + " LE"; });
        break;
    default:
        w.Weg.Titel = "Lösungsweg: Länge";
        break;
    }
}

// The measurement art of its elements x, one case group each.
void Messen(TWeg& w, TExakteAuswertung& a, TMessart art, const TElemente& x) {
    switch (art) {
    case TMessart::WinkelVektoren:
        return WinkelDerVektoren(w, a, x);
    case TMessart::WinkelGeraden:
    case TMessart::WinkelEbenen:
        return WinkelDerGeradenOderEbenen(w, a, art == TMessart::WinkelEbenen, x);
    case TMessart::WinkelGeradeEbene:
        return WinkelGeradeEbene(w, a, x);
    case TMessart::AbstandPunkte:
    case TMessart::StreckenLaenge:
        return AbstandZweierPunkte(w, a, art, x);
    case TMessart::Betrag:
        return BetragDesVektors(w, a, x);
    case TMessart::AbstandPunktEbene:
        return AbstandPunktEbene(w, a, x);
    case TMessart::AbstandPunktGerade:
        w.Weg.Titel = "Lösungsweg: Länge";
        return LotPunktGerade(w, a, x[0], x[1], false);
    case TMessart::AbstandGeraden:
        return AbstandDerGeraden(w, a, x);
    case TMessart::FlaechePunkte:
    case TMessart::FlaecheDreieck:
        return FlaecheDesDreiecks(w, a, art, x);
    case TMessart::FlaecheVektoren:
        return FlaecheDesParallelogramms(w, a, x);
    case TMessart::VolumenPunkte:
    case TMessart::VolumenPunktDreieck:
    case TMessart::VolumenPyramide:
    case TMessart::VolumenVektoren:
        return VolumenDerPyramide(w, a, art, x);
    case TMessart::KugelRadius:
    case TMessart::KugelOberflaeche:
    case TMessart::KugelVolumen:
    case TMessart::PunktKugel:
    case TMessart::GeradeKugel:
    case TMessart::EbeneKugel:
    case TMessart::KreisRadius:
    case TMessart::KreisFlaeche:
        return KugelMessen(w, a, art, x);
    case TMessart::FlaecheViereck:
        return FlaecheDesVierecks(w, a, x);
    case TMessart::VolumenPyramide4:
        return VolumenDerPyramide4(w, a, x);
    case TMessart::AbstandEbenen:
        return AbstandDerEbenen(w, a, x);
    case TMessart::PunkteEbene:
        return PunkteZurEbene(w, a, x);
    case TMessart::EbeneAchsen:
        return EbeneZuDenAchsen(w, a, x);
    case TMessart::PunktDreieck:
    case TMessart::PunktViereck:
        return PunktImVieleck(w, a, art, x);
    }
}

} // namespace

} // namespace loesungsweg

using namespace loesungsweg;

std::optional<TLoesungsweg> Loesungsweg(const TListe& liste, TMessart art,
                                        const std::vector<const TDreiDBasisElement*>& elemente) {
    TWeg w;
    w.Liste = &liste;
    if (elemente.empty()) return {};
    return Schritte(w, [&](TExakteAuswertung& a) { Messen(w, a, art, elemente); });
}

} // namespace kalvorin::exakt
