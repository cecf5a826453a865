#include "ausgabe/Szenentext.h"

#include "ausgabe/Objektliste.h"
#include "document/Dokument.h"
#include "exakt/Gleichungen.h"
#include "geometry/Auswertung.h"
#include "geometry/Beschreibung.h"
#include "model/Elementarten.h"
#include "storage/Einstellungen.h"
#include "zahlen/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {

std::string Name(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string("?");
}

// "A", "A und B", "A, B und C".
std::string Aufzaehlung(const std::vector<std::string>& namen) {
    std::string t;
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (i > 0) t += i + 1 == namen.size() ? " und " : ", ";
        t += namen[i];
    }
    return t;
}

std::string Bezugsnamen(const TDreiDBasisElement& e) {
    std::vector<std::string> namen;
    for (const TDreiDBasisElement* b : e.Bezuege)
        if (b) namen.push_back(b->Name);
    return Aufzaehlung(namen);
}

// "2, 0, 0": the numbers as the dialogs show them.
std::string Zahlen(TTripel t) {
    return FormatNumber(t.x) + ", " + FormatNumber(t.y) + ", " + FormatNumber(t.z);
}

// "(1|2|3)".
std::string Koordinaten(TTripel t) {
    return "(" + FormatNumber(t.x) + "|" + FormatNumber(t.y) + "|" + FormatNumber(t.z) + ")";
}

// "mit Mittelpunkt M(1|2|3) und Radius 7": the centre by the name of its
// point where the sphere refers to one.
std::string KugelText(const TDreiDBasisElement& e) {
    TGeometrie g;
    if (Auswerten(e, g) != 0) return {};
    const TDreiDBasisElement* m = e.Festlegung != TKugel::MR ? e.Bezuege[0] : nullptr;
    std::string t = "mit Mittelpunkt " + (m ? m->Name : std::string("M")) + Koordinaten(g.Punkt);
    if (e.Art == TElementart::DKreis) t += ", Normalenvektor " + Koordinaten(g.Richtung1);
    t += " und Radius " + FormatNumber(g.Radius);
    if (e.Art == TElementart::DKugel && e.Festlegung == TKugel::MP)
        t += ", durch " + Name(e.Bezuege[1]);
    else if (e.Art == TElementart::DKugel && e.Festlegung == TKugel::MT)
        t += ", berührt " + Name(e.Bezuege[1]);
    return t;
}

// How the element came about or is given, read after its name.
std::string Definition(const TDreiDBasisElement& e) {
    const bool rund = e.Art == TElementart::DKugel || e.Art == TElementart::DKreis;
    if (rund && e.Entstehung.Art == TEntstehungsart::keine) return KugelText(e);
    if (e.Entstehung.Art != TEntstehungsart::keine) {
        std::string t = EntstehungsText(e);
        // The description begins with the name and a blank.
        if (t.compare(0, e.Name.size() + 1, e.Name + " ") == 0) t.erase(0, e.Name.size() + 1);
        if (t.compare(0, 2, "= ") == 0) t = "gleich " + t.substr(2);
        return t;
    }
    switch (e.Art) {
    case TElementart::DfrPunkt:
        if (e.Festlegung == TfrPunkt::PV)
            return "Anfangspunkt " + Name(e.Bezuege[0]) + " plus Vektor " + Name(e.Bezuege[1]);
        return {};
    case TElementart::DGerade:
        if (e.Festlegung == TGerade::GPP)
            return "durch " + Name(e.Bezuege[0]) + " und " + Name(e.Bezuege[1]);
        if (e.Festlegung == TGerade::GPV)
            return "durch " + Name(e.Bezuege[0]) + " mit dem Richtungsvektor " + Name(e.Bezuege[1]);
        return {};
    case TElementart::DEbene:
        if (e.Festlegung == TEbene::EPAR || e.Festlegung == TEbene::ENOR) return {};
        return "durch " + Bezugsnamen(e);
    case TElementart::DStrecke:
        return "von " + Name(e.Bezuege[0]) + " bis " + Name(e.Bezuege[1]);
    case TElementart::DPfeil:
        if (e.Festlegung == TPfeil::PfPP)
            return "von " + Name(e.Bezuege[0]) + " bis " + Name(e.Bezuege[1]);
        return "von " + Name(e.Bezuege[0]) + " mit dem Vektor " + Name(e.Bezuege[1]);
    case TElementart::DDreieck:
        return "mit den Ecken " + Bezugsnamen(e);
    case TElementart::DViereck:
        return "mit den Ecken " + Bezugsnamen(e);
    case TElementart::DPyramide3:
    case TElementart::DPyramide4:
        return "mit der Grundfläche " + Name(e.Bezuege[0]) + " und der Spitze " +
               Name(e.Bezuege[1]);
    case TElementart::DVektor: {
        const std::string namen = Bezugsnamen(e);
        return namen.empty() ? std::string() : "aus " + namen;
    }
    default:
        return {};
    }
}

// The values that the element stands for.
std::string Koordinatenform(const TDreiDBasisElement& ebene, exakt::TExakteAuswertung* ausw);

std::string Werte(const TDreiDBasisElement& e, exakt::TExakteAuswertung& ausw) {
    TGeometrie g;
    if (Auswerten(e, g) != 0 && e.Art != TElementart::DEbene) return "nicht berechenbar";
    switch (e.Art) {
    case TElementart::DfrPunkt:
    case TElementart::DgebPunkt:
        return "Koordinaten " + Zahlen(g.Punkt);
    case TElementart::DVektor:
        return "Komponenten " + Zahlen(g.Richtung1);
    case TElementart::DPfeil:
        return "Fußpunkt " + Zahlen(g.Punkt) + ", Vektor " + Zahlen(g.Richtung1);
    case TElementart::DStrecke:
        return "Länge " + FormatMeasure(Betrag(g.Richtung1));
    case TElementart::DGerade:
        return "Stützpunkt " + Zahlen(g.Punkt) + ", Richtung " + Zahlen(g.Richtung1);
    case TElementart::DDreieck:
        return "Flächeninhalt " + FormatMeasure(Betrag(Kreuzprodukt(g.Richtung1, g.Richtung2)) / 2);
    case TElementart::DPyramide3: {
        std::array<TTripel, 3> ecken;
        TTripel spitze;
        if (PyramideAuswerten(e, ecken, spitze) != 0) return "nicht berechenbar";
        const TTripel a = Verbindungsvektor(ecken[0], ecken[1]);
        const TTripel b = Verbindungsvektor(ecken[0], ecken[2]);
        const TTripel c = Verbindungsvektor(ecken[0], spitze);
        return "Volumen " + FormatMeasure(std::fabs(Skalarprodukt(Kreuzprodukt(a, b), c)) / 6);
    }
    case TElementart::DViereck: {
        std::array<TTripel, 4> ecken;
        if (ViereckAuswerten(e, ecken) != 0 || ViereckPruefen(ecken) != 0)
            return "nicht berechenbar";
        return "Flächeninhalt " + FormatMeasure(Viereckflaeche(ecken));
    }
    case TElementart::DPyramide4: {
        std::array<TTripel, 4> ecken;
        TTripel spitze;
        if (Pyramide4Auswerten(e, ecken, spitze) != 0 || ViereckPruefen(ecken) != 0)
            return "nicht berechenbar";
        const TTripel n = Kreuzprodukt(Verbindungsvektor(ecken[0], ecken[2]),
                                       Verbindungsvektor(ecken[1], ecken[3]));
        return "Volumen " +
               FormatMeasure(std::fabs(Skalarprodukt(n, Verbindungsvektor(ecken[0], spitze))) / 6);
    }
    case TElementart::DEbene: {
        const std::string form = Koordinatenform(e, &ausw);
        return form.empty() ? std::string("nicht berechenbar") : "Koordinatenform " + form;
    }
    case TElementart::DKugel:
    case TElementart::DKreis: // a given one's values are its definition
        return e.Entstehung.Art == TEntstehungsart::keine ? std::string() : KugelText(e);
    case TElementart::DWinkel:
    case TElementart::DPllgr:
    case TElementart::DSpat:
    case TElementart::DPSchar:
    case TElementart::DVschar:
    case TElementart::DGschar:
    case TElementart::DEschar:
        return {};
    }
    return {};
}

} // namespace

std::vector<TDreiDBasisElement*> SichtbareElemente(const TListe& liste) {
    std::vector<TDreiDBasisElement*> v;
    for (int zeile = 1; zeile <= liste.Anzahl(); ++zeile)
        if (TDreiDBasisElement* e = ElementInZeile(liste, zeile); e && e->sichtbar) v.push_back(e);
    return v;
}

TDreiDBasisElement* NaechstesElement(const TListe& liste, const TDreiDBasisElement* aktuell,
                                     bool vorwaerts) {
    const std::vector<TDreiDBasisElement*> v = SichtbareElemente(liste);
    if (v.empty()) return nullptr;
    const auto it = std::find(v.begin(), v.end(), aktuell);
    if (it == v.end()) return vorwaerts ? v.front() : v.back();
    const auto i = static_cast<std::size_t>(it - v.begin());
    if (vorwaerts) return v[(i + 1) % v.size()];
    return v[(i + v.size() - 1) % v.size()];
}

TFokusAngebot FokusAngebot(const TListe& liste, const TDreiDBasisElement* aktuell) {
    const std::vector<TDreiDBasisElement*> v = SichtbareElemente(liste);
    if (!aktuell || std::find(v.begin(), v.end(), aktuell) == v.end()) return {};
    return {true, true, aktuell->Art != TElementart::DgebPunkt};
}

bool FokusMarkieren(TDokument& d, const TDreiDBasisElement* aktuell, bool hinzufuegen) {
    if (!FokusAngebot(d.Liste(), aktuell).Markieren) return false;
    // As a click without and with Ctrl: alone, the others lose their marks.
    d.Markieren([aktuell, hinzufuegen](TListe& liste) {
        for (int slot = 1; slot <= liste.Anzahl(); ++slot) {
            TDreiDBasisElement* e = liste[slot];
            if (e == aktuell)
                e->markiert = !e->markiert;
            else if (!hinzufuegen)
                e->markiert = false;
        }
    });
    return true;
}

TMatrix4 Tastendrehung(TDrehtaste taste, TTripel mitte) {
    // The axis is the one a drag from the viewer's point (1, 0, 0) towards
    // the arrow's direction turns about.
    TTripel achse{};
    switch (taste) {
    case TDrehtaste::Rechts:
        achse = {0, 0, 1};
        break;
    case TDrehtaste::Links:
        achse = {0, 0, -1};
        break;
    case TDrehtaste::Hoch:
        achse = {0, -1, 0};
        break;
    case TDrehtaste::Runter:
        achse = {0, 1, 0};
        break;
    }
    return Drehmatrix(mitte, achse, Tastendrehwinkel * GradInBogen);
}

namespace {

// "6 x 1 plus 3 x 2 plus 4 x 3 gleich 12" from the coefficients, the first
// one present positive; the numbers as `zahl` writes them.
template <class Z, class F>
std::string Vorlesbar(std::array<Z, 4> k, const F& zahl, const Z& null) {
    // The first coefficient that is there is positive, also when x 1 is
    // missing: "x 3 gleich 2", not "minus x 3 gleich minus 2".
    for (int i = 0; i < 3; ++i) {
        if (k[i] == null) continue;
        if (k[i] < null)
            for (Z& z : k)
                z = z == null ? null : null - z;
        break;
    }
    std::string t;
    for (int i = 0; i < 3; ++i) {
        if (k[i] == null) continue;
        const bool negativ = k[i] < null;
        const Z betrag = negativ ? null - k[i] : k[i];
        if (t.empty())
            t = negativ ? "minus " : "";
        else
            t += negativ ? " minus " : " plus ";
        if (!(betrag == Z(1))) t += zahl(betrag) + " ";
        t += "x " + std::to_string(i + 1);
    }
    const Z rechts = null - k[3];
    t += " gleich " + (rechts < null ? "minus " + zahl(null - rechts) : zahl(rechts));
    return t;
}

// The exact coordinate form, whole coprime numbers; empty when the plane has
// no exact value.
std::string ExakteKoordinatenform(const TDreiDBasisElement& ebene, exakt::TExakteAuswertung& ausw) {
    const std::optional<exakt::TQGeometrie> g = ausw.Geometrie(&ebene);
    if (!g) return {};
    const exakt::TQTripel n = exakt::Kreuz(g->Richtung1, g->Richtung2);
    if (exakt::IstNull(n)) return {};
    const exakt::TKoordinatenform f = exakt::Koordinatenform(g->Punkt, n);
    // a x + b y + c z = d, as a x + b y + c z - d = 0.
    return Vorlesbar<exakt::TRational>(
        {f.a, f.b, f.c, exakt::TRational(0) - f.d},
        [](const exakt::TRational& q) { return exakt::Text(q, exakt::TStil::Ascii); },
        exakt::TRational(0));
}

std::string Koordinatenform(const TDreiDBasisElement& ebene, exakt::TExakteAuswertung* ausw) {
    if (ausw && Einstellungen().ExakteWerte)
        if (std::string t = ExakteKoordinatenform(ebene, *ausw); !t.empty()) return t;
    TTripel a, u, v;
    if (EbeneAuswerten(ebene, a, u, v) != 0) return {};
    const TTripel n = Kreuzprodukt(u, v);
    if (IstNullvektor(n)) return {};
    // n . x = n . a, as n x + d = 0 with d = -n . a.
    const std::array<Real, 4> k = VereinfachteNormalenform(n, -Skalarprodukt(n, a));
    return Vorlesbar<Real>(
        k, [](Real x) { return FormatNumber(x); }, Real(0));
}

} // namespace

std::string Koordinatenform(const TDreiDBasisElement& ebene) {
    exakt::TExakteAuswertung ausw;
    return Koordinatenform(ebene, &ausw);
}

namespace {

std::string ElementSatz(const TDreiDBasisElement& e, exakt::TExakteAuswertung& ausw) {
    std::string t = Artwort(e.Art) + " " + e.Name;
    if (const std::string def = Definition(e); !def.empty()) t += " " + def;
    if (const std::string w = Werte(e, ausw); !w.empty()) t += ", " + w;
    if (e.markiert) t += ", markiert";
    return t;
}

} // namespace

std::string ElementSatz(const TDreiDBasisElement& e) {
    exakt::TExakteAuswertung ausw;
    return ElementSatz(e, ausw);
}

std::vector<std::string> Szenentext(const TListe& liste) {
    // One exact evaluation for the whole list: what one plane needs of its
    // points is computed once.
    exakt::TExakteAuswertung ausw;
    std::vector<std::string> saetze;
    for (const TDreiDBasisElement* e : SichtbareElemente(liste))
        saetze.push_back(ElementSatz(*e, ausw));
    return saetze;
}

std::string SzenentextGanz(const TListe& liste) {
    const std::vector<std::string> saetze = Szenentext(liste);
    if (saetze.empty()) return "Die Szene enthält keine sichtbaren Objekte.";
    std::string t;
    for (const std::string& s : saetze)
        t += s + "\n";
    return t;
}

} // namespace kalvorin
