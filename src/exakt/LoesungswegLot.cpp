// The worked solutions of a perpendicular and of a reflection: from a
// point onto a plane or a line, the common perpendicular of two lines, and
// the image of a point in a plane, a line or a point.

#include "exakt/LoesungswegIntern.h"

namespace kalvorin::exakt {

namespace loesungsweg {

namespace {

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

// The perpendicular from the point onto the plane (its foot and length),
// or with spiegeln the reflection of the point in the plane.
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

// The common perpendicular of two lines: the feet where the connecting
// vector is perpendicular to both directions, and its length.
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

} // namespace

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

} // namespace loesungsweg

using namespace loesungsweg;

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

} // namespace kalvorin::exakt
