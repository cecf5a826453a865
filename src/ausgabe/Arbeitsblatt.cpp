#include "ausgabe/Arbeitsblatt.h"

#include "ausgabe/Zeichnen.h"
#include "befehle/Messen.h"
#include "document/Dokument.h"
#include "exakt/ExakteMessung.h"
#include "exakt/Gleichungen.h"
#include "exakt/Loesungsweg.h"
#include "geometry/Beschreibung.h"
#include "model/Abhaengigkeiten.h"
#include "model/ElementCast.h"
#include "model/Konstruktionsarten.h"
#include "model/Utf8.h"
#include "storage/Latex.h"
#include "view/Tikz.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kalvorin {

namespace {

using exakt::TQTripel;
using exakt::TStil;
using A = TElementart;

TTextstueck Formelstueck(std::string text, std::string latex) {
    return {std::move(text), std::move(latex), true, {}};
}

TTextstueck Textstueck(const std::string& text) {
    return {text, LatexText(text), false, {}};
}

TTextzeile Zeile(std::vector<TTextstueck> stuecke, TTextzeilenart art = TTextzeilenart::Satz) {
    TTextzeile z;
    z.Stuecke = std::move(stuecke);
    z.Art = art;
    return z;
}

// The element's data in school notation: A(2|0|0), E: 6x₁ + 3x₂ + 4x₃ = 12,
// g: x⃗ = (…) + r · (…); its definition text where it has no exact value.
TTextzeile Angabe(exakt::TExakteAuswertung& a, const TDreiDBasisElement& e) {
    const std::optional<exakt::TQGeometrie> g = [&]() -> std::optional<exakt::TQGeometrie> {
        try {
            return a.Geometrie(&e);
        } catch (const std::exception&) {
            return {};
        }
    }();
    const std::string& n = e.Name;
    const std::string nl = LatexName(n);
    if (!g || e.Art == A::DPyramide3 || e.Art == A::DPyramide4)
        return BlattSatz(FestlegungsText(e));
    const auto punkt = [](const TQTripel& p) {
        return Formelstueck(exakt::PunktText("", p), exakt::PunktText("", p, TStil::Latex));
    };
    switch (e.Art) {
    case A::DfrPunkt:
        return Zeile({Formelstueck(exakt::PunktText(n, g->Punkt),
                                   exakt::PunktText(nl, g->Punkt, TStil::Latex))});
    case A::DVektor:
        return Zeile({Formelstueck(n + "\xE2\x83\x97 = ", "\\vec{" + nl + "} = "),
                      exakt::Vektorspalte(g->Richtung1)},
                     TTextzeilenart::Formel);
    case A::DPfeil:
        return Zeile({Formelstueck(n + "\xE2\x83\x97 = ", "\\vec{" + nl + "} = "),
                      exakt::Vektorspalte(g->Richtung1), Textstueck(" mit dem Anfangspunkt "),
                      punkt(g->Punkt)},
                     TTextzeilenart::Formel);
    case A::DGerade:
        return Zeile({Formelstueck(n + ": x\xE2\x83\x97 = ", nl + "\\colon\\ \\vec{x} = "),
                      exakt::Vektorspalte(g->Punkt), Formelstueck(" + r \xC2\xB7 ", " + r \\cdot "),
                      exakt::Vektorspalte(exakt::Ganzzahlig(g->Richtung1))},
                     TTextzeilenart::Formel);
    case A::DEbene: {
        const TQTripel normale = exakt::Kreuz(g->Richtung1, g->Richtung2);
        // Parallel directions (a document file may hold them) give no
        // coordinate form.
        if (exakt::IstNull(normale)) return BlattSatz(FestlegungsText(e));
        const exakt::TKoordinatenform k = exakt::Koordinatenform(g->Punkt, normale);
        return Zeile({Formelstueck(
            n + ": " + exakt::Linearform(k.a, k.b, k.c, TStil::Text) + " = " + exakt::Text(k.d),
            nl + "\\colon\\ " + exakt::Linearform(k.a, k.b, k.c, TStil::Latex) + " = " +
                exakt::Text(k.d, TStil::Latex))});
    }
    case A::DStrecke:
        return Zeile({Textstueck("Strecke " + n + " von "), punkt(g->Punkt), Textstueck(" bis "),
                      punkt(exakt::Summe(g->Punkt, g->Richtung1))});
    case A::DDreieck:
        return Zeile({Textstueck("Dreieck " + n + " mit den Ecken "), punkt(g->Punkt),
                      Textstueck(", "), punkt(exakt::Summe(g->Punkt, g->Richtung1)),
                      Textstueck(" und "), punkt(exakt::Summe(g->Punkt, g->Richtung2))});
    case A::DViereck: {
        auto q = exakt::ExakteViereckecken(a, &e);
        if (!q) return BlattSatz(FestlegungsText(e));
        return Zeile({Textstueck("Viereck " + n + " mit den Ecken "), punkt((*q)[0]),
                      Textstueck(", "), punkt((*q)[1]), Textstueck(", "), punkt((*q)[2]),
                      Textstueck(" und "), punkt((*q)[3])});
    }
    default:
        return BlattSatz(FestlegungsText(e));
    }
}

// The lengths, areas and volumes of the lesson for the element.
std::vector<TTextzeile> Masse(exakt::TExakteAuswertung& a, const TDreiDBasisElement& e) {
    std::vector<TTextzeile> r;
    try {
        for (const exakt::TForm& f : exakt::Formen(a, e))
            if (f.Name == "Länge" || f.Name == "Flächeninhalt" || f.Name == "Volumen" ||
                f.Name == "Betrag")
                r.push_back(Zeile(
                    {Textstueck(f.Name + " von " + e.Name + ": "), Formelstueck(f.Text, f.Latex)}));
    } catch (const std::exception&) {
    }
    return r;
}

// The worked solution of the element, where there is one: how its
// derivation finds it from its operands, or its measure.
std::optional<exakt::TLoesungsweg> Weg(const TListe& liste, const TDreiDBasisElement& e) {
    using exakt::TLotfall;
    const TEntstehung& h = e.Entstehung;
    const TDreiDBasisElement* x = h.Elemente[0].Element;
    const TDreiDBasisElement* y = h.Elemente[1].Element;
    const auto lot = [&](TLotfall fall) -> std::optional<exakt::TLoesungsweg> {
        if (!x || !y) return {};
        return exakt::Lotloesungsweg(liste, fall, *x, *y);
    };
    const TKonstruktionsangaben* k = Konstruktionsangaben(static_cast<int>(h.Art));
    if (!k) return {};
    switch (k->Loesungsweg) {
    case TLoesungswegart::Keiner:
        return {};
    case TLoesungswegart::Schnitt:
        if (!x || !y) return {};
        // The intersection point is called by its own name, not by the
        // usual S, which may be another element's (the apex of a pyramid).
        return exakt::Schnittloesungsweg(liste, *x, *y,
                                         e.Art == A::DfrPunkt ? e.Name : std::string());
    case TLoesungswegart::LotPunktEbene:
        return lot(TLotfall::PunktEbene);
    case TLoesungswegart::LotPunktGerade:
        return lot(TLotfall::PunktGerade);
    case TLoesungswegart::LotGeraden:
        return lot(TLotfall::Geraden);
    case TLoesungswegart::Spiegelung:
        if (!h.Originalelement || !x) return {};
        return exakt::Spiegelungsloesungsweg(liste, *h.Originalelement, *x);
    case TLoesungswegart::Mass:
        if (e.Art == A::DStrecke)
            return exakt::Loesungsweg(liste, exakt::TMessart::StreckenLaenge, {&e});
        if (e.Art == A::DDreieck)
            return exakt::Loesungsweg(liste, exakt::TMessart::FlaecheDreieck, {&e});
        if (e.Art == A::DPyramide3)
            return exakt::Loesungsweg(liste, exakt::TMessart::VolumenPyramide, {&e});
        if (e.Art == A::DViereck)
            return exakt::Loesungsweg(liste, exakt::TMessart::FlaecheViereck, {&e});
        if (e.Art == A::DPyramide4)
            return exakt::Loesungsweg(liste, exakt::TMessart::VolumenPyramide4, {&e});
        return {};
    }
    return {};
}

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

void WegAnfuegen(std::vector<TTextzeile>& z, const std::optional<exakt::TLoesungsweg>& weg) {
    if (!weg) return;
    z.push_back(BlattSatz(weg->Titel));
    z.insert(z.end(), weg->Zeilen.begin(), weg->Zeilen.end());
}

// The answer about a derived element: its data, its lengths, areas and
// volumes, and how it is found.
void ElementLoesung(std::vector<TTextzeile>& z, exakt::TExakteAuswertung& a, const TListe& liste,
                    const TDreiDBasisElement& x) {
    z.push_back(BlattSatz(GesuchtText(x), TTextzeilenart::Ueberschrift));
    z.push_back(Angabe(a, x));
    for (TTextzeile& m : Masse(a, x))
        z.push_back(std::move(m));
    WegAnfuegen(z, Weg(liste, x));
}

// The answer to a measurement: the values the measurement shows, and the
// worked solution; computed on a copy with just the question's elements
// marked.
void MessLoesung(std::vector<TTextzeile>& z, const TListe& liste, const TArbeitsblattfrage& f) {
    z.push_back(BlattSatz(Aufgabentext(liste, f), TTextzeilenart::Ueberschrift));
    TListe kopie;
    FuerFrageMarkieren(liste, f, kopie);
    const std::optional<TFragenrechnung> rechnung = Rechnung(f.Art);
    if (!rechnung) return;
    if (rechnung->Messung)
        if (const auto text = Messergebnis(kopie, *rechnung->Messung)) {
            // The message's lines, without its blank ones.
            for (std::size_t a = 0; a < text->size();) {
                const std::size_t e = std::min(text->find("\r\n", a), text->size());
                if (const std::string t = Getrimmt(text->substr(a, e - a)); !t.empty())
                    z.push_back(BlattSatz(t));
                a = e + 2;
            }
        }
    try {
        WegAnfuegen(z, LoesungswegDerMarkierten(kopie, rechnung->Loesung));
    } catch (const std::exception&) {
        // No worked solution: the values stand alone.
    }
}

} // namespace

std::string GesuchtText(const TDreiDBasisElement& e) {
    if (std::string t = EntstehungsText(e); !t.empty()) return t;
    // A point's definition text shows its coordinates: the result.
    if (e.Art == A::DfrPunkt) return "Punkt " + e.Name;
    return FestlegungsText(e);
}

std::vector<bool> AbgeleiteteElemente(const TListe& liste) {
    const int n = liste.Anzahl();
    std::vector<bool> abgeleitet(static_cast<std::size_t>(n), false);
    for (int i = 1; i <= n; ++i)
        abgeleitet[static_cast<std::size_t>(i - 1)] =
            liste[i]->Entstehung.Art != TEntstehungsart::keine;
    // Built on a derived element: derived too, however deep.
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (int i = 1; i <= n; ++i) {
            if (abgeleitet[static_cast<std::size_t>(i - 1)]) continue;
            for (int j = 1; j <= n; ++j)
                if (j != i && abgeleitet[static_cast<std::size_t>(j - 1)] &&
                    HaengtDirektAb(*liste[i], *liste[j])) {
                    abgeleitet[static_cast<std::size_t>(i - 1)] = true;
                    weiter = true;
                    break;
                }
        }
    }
    return abgeleitet;
}

std::vector<int> Schrittfolge(const TListe& liste) {
    const std::vector<bool> abgeleitet = AbgeleiteteElemente(liste);
    std::vector<int> folge;
    for (bool zweite : {false, true})
        for (int i = 1; i <= liste.Anzahl(); ++i)
            if (abgeleitet[static_cast<std::size_t>(i - 1)] == zweite) folge.push_back(i);
    return folge;
}

std::vector<int> VerborgenNachSchritt(const TListe& liste, int k) {
    const std::vector<int> folge = Schrittfolge(liste);
    std::vector<int> verborgen;
    for (std::size_t i = static_cast<std::size_t>(std::max(k, 0)); i < folge.size(); ++i)
        verborgen.push_back(liste[folge[i]]->Nummer);
    return verborgen;
}

std::vector<int> VerborgenInAufgabe(const TListe& liste) {
    const std::vector<bool> abgeleitet = AbgeleiteteElemente(liste);
    std::vector<int> verborgen;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (abgeleitet[static_cast<std::size_t>(i - 1)]) verborgen.push_back(liste[i]->Nummer);
    return verborgen;
}

std::string TArbeitsblattEingabe::Pruefen() const {
    if (Getrimmt(Titel).empty()) return "Bitte geben Sie einen Titel für das Arbeitsblatt ein.";
    if (Utf8Laenge(Titel) > ArbeitsblattTitelLaenge)
        return "Der Titel darf höchstens " + std::to_string(ArbeitsblattTitelLaenge) +
               " Zeichen lang sein.";
    if (Utf8Laenge(Klasse) > ArbeitsblattKlassenLaenge)
        return "Die Angabe der Klasse darf höchstens " + std::to_string(ArbeitsblattKlassenLaenge) +
               " Zeichen lang sein.";
    return {};
}

TArbeitsblattInhalt ArbeitsblattInhalt(const TListe& liste, const TArbeitsblattEingabe& e) {
    TArbeitsblattInhalt b = ArbeitsblattInhalt(liste, e, StandardFragen(liste));
    if (b.Loesung.NachBild.empty())
        b.Loesung.NachBild.push_back(
            BlattSatz("Das Dokument enthält keine abgeleiteten Elemente."));
    return b;
}

TArbeitsblattInhalt ArbeitsblattInhalt(const TDokument& d, const TArbeitsblattEingabe& e) {
    if (!d.Arbeitsblattfragen()) return ArbeitsblattInhalt(d.Liste(), e);
    TArbeitsblattInhalt b = ArbeitsblattInhalt(d.Liste(), e, *d.Arbeitsblattfragen());
    if (b.Loesung.NachBild.empty())
        b.Loesung.NachBild.push_back(BlattSatz("Es ist keine Aufgabe zum Berechnen ausgewählt."));
    return b;
}

TArbeitsblattInhalt ArbeitsblattInhalt(const TListe& liste, const TArbeitsblattEingabe& e,
                                       const TArbeitsblattfragen& gewaehlt) {
    TArbeitsblattInhalt b;
    b.Titel = Utf8Anfang(Getrimmt(e.Titel), ArbeitsblattTitelLaenge);
    if (b.Titel.empty()) b.Titel = "Arbeitsblatt";
    b.Klasse = Utf8Anfang(Getrimmt(e.Klasse), ArbeitsblattKlassenLaenge);
    const std::vector<bool> abgeleitet = AbgeleiteteElemente(liste);
    const TArbeitsblattfragen fragen = PassendeFragen(liste, gewaehlt);
    exakt::TExakteAuswertung a;

    b.Aufgabe.Ueberschrift = "Aufgabe";
    b.Aufgabe.Arbeitsraum = true;
    b.Aufgabe.VorBild.push_back(BlattSatz("Gegeben:", TTextzeilenart::Ueberschrift));
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (!abgeleitet[static_cast<std::size_t>(i - 1)])
            b.Aufgabe.VorBild.push_back(Angabe(a, *liste[i]));
    if (b.Aufgabe.VorBild.size() == 1) b.Aufgabe.VorBild.push_back(BlattSatz("keine Elemente"));
    if (!fragen.empty()) {
        b.Aufgabe.VorBild.push_back(BlattSatz("Gesucht:", TTextzeilenart::Ueberschrift));
        for (const TArbeitsblattfrage& f : fragen)
            b.Aufgabe.VorBild.push_back(BlattSatz(Aufgabentext(liste, f)));
    }

    b.Loesung.Ueberschrift = "Lösung";
    for (const TArbeitsblattfrage& f : fragen) {
        if (f.Art == TFragenart::Text) continue; // the teacher's own text has no answer here
        if (f.Art != TFragenart::Element) {
            MessLoesung(b.Loesung.NachBild, liste, f);
            continue;
        }
        for (int i = 1; i <= liste.Anzahl(); ++i)
            if (liste[i]->Nummer == f.Nummern[0])
                ElementLoesung(b.Loesung.NachBild, a, liste, *liste[i]);
    }
    return b;
}

TAusgabeMass ArbeitsblattLoesungsbild(const TLogRechteck& fenster) {
    TAusgabeMass m = ImSeitenverhaeltnis(ArbeitsblattLoesungsbildgroesse, fenster);
    if (m.Breite >= ArbeitsblattLoesungsbildMindestbreite) return m;
    const double form = double(std::max(1, fenster.Hoehe())) / std::max(1, fenster.Breite());
    m.Hoehe = std::min(
        ArbeitsblattLoesungsbildHoechsthoehe,
        static_cast<std::int32_t>(std::lround(ArbeitsblattLoesungsbildMindestbreite * form)));
    m.Breite = static_cast<std::int32_t>(std::lround(m.Hoehe / form));
    return m;
}

TLogRechteck ArbeitsblattFenster(const TDokument& d) {
    const tGSzene& s = d.Szene();
    const TLogRechteck ganz = d.Abbildung().LogischesFenster();
    std::int32_t links = ganz.rechts, unten = ganz.oben, rechts = ganz.links, oben = ganz.unten;
    for (int nr = 1; nr <= s.Stueckzahl(); ++nr) {
        const TStueck& st = s.Stueck(nr);
        if (st.Objekt < 1 || st.Objekt > s.Objektzahl() || !s.Objekt(st.Objekt).Gezeigt) continue;
        links = std::min(links, st.BildMin.x);
        unten = std::min(unten, st.BildMin.y);
        rechts = std::max(rechts, st.BildMax.x);
        oben = std::max(oben, st.BildMax.y);
    }
    if (links >= rechts || unten >= oben) return ganz;
    // Room for the names beside the outermost points and for the axes' names.
    const std::int32_t rand = std::max(rechts - links, oben - unten) / 12;
    return {std::max(ganz.links, links - rand), std::max(ganz.unten, unten - rand),
            std::min(ganz.rechts, rechts + rand), std::min(ganz.oben, oben + rand)};
}

TArbeitsblattBilder ArbeitsblattBilder(const TDokument& d) {
    const TLogRechteck fenster = ArbeitsblattFenster(d);
    TZeichenOptionen aufgabe;
    aufgabe.Verborgen = VerborgenInAufgabe(d.Liste());
    return {fenster, ArbeitsblattBildgroesse, ArbeitsblattLoesungsbild(fenster),
            [&d, aufgabe](TZeichenflaeche& f) { DokumentZeichnen(d, f, aufgabe); },
            [&d](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); }};
}

std::string ArbeitsblattLatex(const TDokument& d, const TArbeitsblattEingabe& e) {
    const TArbeitsblattBilder bilder = ArbeitsblattBilder(d);
    const auto bild = [&](const std::function<void(TZeichenflaeche&)>& malen,
                          TAusgabeMass groesse) {
        TTikzFlaeche f(bilder.Fenster, ImSeitenverhaeltnis(groesse, bilder.Fenster));
        malen(f);
        return f.Bild();
    };
    return ArbeitsblattTex(ArbeitsblattInhalt(d, e), bild(bilder.Aufgabe, bilder.AufgabeGroesse),
                           bild(bilder.Loesung, bilder.LoesungGroesse));
}

} // namespace kalvorin
