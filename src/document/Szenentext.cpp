#include "document/Szenentext.h"

#include "document/Dokument.h"
#include "document/Objektliste.h"
#include "geometry/Auswertung.h"
#include "geometry/Beschreibung.h"
#include "model/Elementarten.h"
#include "storage/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

std::string Artwort(TElementart art) {
    const TArtangaben* a = Artangaben(static_cast<int>(art));
    return a ? std::string(a->Wort) : std::string("Objekt");
}

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

// How the element came about or is given, read after its name.
std::string Definition(const TDreiDBasisElement& e) {
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
    case TElementart::DPyramide3:
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
std::string Werte(const TDreiDBasisElement& e) {
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
    case TElementart::DEbene: {
        const std::string form = Koordinatenform(e);
        return form.empty() ? std::string("nicht berechenbar") : "Koordinatenform " + form;
    }
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

std::string Koordinatenform(const TDreiDBasisElement& ebene) {
    TTripel a, u, v;
    if (EbeneAuswerten(ebene, a, u, v) != 0) return {};
    const TTripel n = Kreuzprodukt(u, v);
    if (IstNullvektor(n)) return {};
    // n . x = n . a, as n x + d = 0 with d = -n . a.
    std::array<Real, 4> k = VereinfachteNormalenform(n, -Skalarprodukt(n, a));
    // The first coefficient that is there is positive, also when x 1 is
    // missing: "x 3 gleich 2", not "minus x 3 gleich minus 2".
    for (int i = 0; i < 3; ++i) {
        if (k[i] == 0) continue;
        if (k[i] < 0)
            for (Real& z : k)
                z = z == 0 ? 0 : -z;
        break;
    }
    std::string t;
    for (int i = 0; i < 3; ++i) {
        if (k[i] == 0) continue;
        const Real betrag = std::fabs(k[i]);
        if (t.empty())
            t = k[i] < 0 ? "minus " : "";
        else
            t += k[i] < 0 ? " minus " : " plus ";
        if (betrag != 1) t += FormatNumber(betrag) + " ";
        t += "x " + std::to_string(i + 1);
    }
    const Real rechts = -k[3];
    t += " gleich " + (rechts < 0 ? "minus " + FormatNumber(-rechts) : FormatNumber(rechts));
    return t;
}

std::string ElementSatz(const TDreiDBasisElement& e) {
    std::string t = Artwort(e.Art) + " " + e.Name;
    if (const std::string def = Definition(e); !def.empty()) t += " " + def;
    if (const std::string w = Werte(e); !w.empty()) t += ", " + w;
    if (e.markiert) t += ", markiert";
    return t;
}

std::vector<std::string> Szenentext(const TListe& liste) {
    std::vector<std::string> saetze;
    for (const TDreiDBasisElement* e : SichtbareElemente(liste))
        saetze.push_back(ElementSatz(*e));
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
