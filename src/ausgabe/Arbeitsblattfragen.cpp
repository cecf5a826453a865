#include "ausgabe/Arbeitsblattfragen.h"

#include "ausgabe/Arbeitsblatt.h"
#include "befehle/Angebote.h"
#include "exakt/ExakteMessung.h"
#include "exakt/Loesungsweg.h"
#include "geometry/Beschreibung.h"
#include "model/Auswahl.h"
#include "model/Utf8.h"
#include "storage/Cp1252.h"

#include <algorithm>
#include <string_view>

namespace kalvorin {

namespace {

using exakt::TMessart;

// The task of a measurement case; %1, %2, ... stand for the elements' names
// in the order the measurement takes them (points, vectors, lines, planes,
// segments, triangles, pyramids, each in list order).
std::string_view Messaufgabe(TMessart art) {
    switch (art) {
    case TMessart::WinkelVektoren:
        return "Berechnen Sie den Winkel zwischen den Vektoren %1 und %2.";
    case TMessart::WinkelGeraden:
        return "Berechnen Sie den Winkel zwischen den Geraden %1 und %2.";
    case TMessart::WinkelGeradeEbene:
        return "Berechnen Sie den Winkel zwischen der Geraden %1 und der Ebene %2.";
    case TMessart::WinkelEbenen:
        return "Berechnen Sie den Winkel zwischen den Ebenen %1 und %2.";
    case TMessart::AbstandPunkte:
        return "Berechnen Sie den Abstand der Punkte %1 und %2.";
    case TMessart::AbstandPunktGerade:
        return "Berechnen Sie den Abstand des Punktes %1 von der Geraden %2.";
    case TMessart::AbstandPunktEbene:
        return "Berechnen Sie den Abstand des Punktes %1 von der Ebene %2.";
    case TMessart::AbstandGeraden:
        return "Berechnen Sie den Abstand der Geraden %1 und %2.";
    case TMessart::Betrag:
        return "Berechnen Sie den Betrag des Vektors %1.";
    case TMessart::StreckenLaenge:
        return "Berechnen Sie die Länge der Strecke %1.";
    case TMessart::FlaechePunkte:
        return "Berechnen Sie den Flächeninhalt des Dreiecks %1%2%3.";
    case TMessart::FlaecheDreieck:
        return "Berechnen Sie den Flächeninhalt des Dreiecks %1.";
    case TMessart::FlaecheVektoren:
        return "Berechnen Sie den Flächeninhalt des von den Vektoren %1 und %2 aufgespannten "
               "Parallelogramms.";
    case TMessart::VolumenPunkte:
        return "Berechnen Sie das Volumen der Pyramide %1%2%3%4.";
    case TMessart::VolumenPunktDreieck:
        return "Berechnen Sie das Volumen der Pyramide mit der Spitze %1 und der Grundfläche %2.";
    case TMessart::VolumenPyramide:
        return "Berechnen Sie das Volumen der Pyramide %1.";
    case TMessart::VolumenVektoren:
        return "Berechnen Sie das Volumen der von den Vektoren %1, %2 und %3 aufgespannten "
               "Pyramide.";
    case TMessart::KugelRadius:
        return "Geben Sie den Radius der Kugel %1 an.";
    case TMessart::KugelOberflaeche:
        return "Berechnen Sie den Oberflächeninhalt der Kugel %1.";
    case TMessart::KugelVolumen:
        return "Berechnen Sie das Volumen der Kugel %1.";
    case TMessart::PunktKugel:
        return "Untersuchen Sie die Lage des Punktes %1 zur Kugel %2.";
    case TMessart::GeradeKugel:
        return "Untersuchen Sie die Lage der Geraden %1 zur Kugel %2.";
    case TMessart::EbeneKugel:
        return "Untersuchen Sie die Lage der Ebene %1 zur Kugel %2.";
    case TMessart::KreisRadius:
        return "Geben Sie den Radius und den Umfang des Kreises %1 an.";
    case TMessart::KreisFlaeche:
        return "Berechnen Sie den Flächeninhalt des Kreises %1.";
    case TMessart::FlaecheViereck:
        return "Berechnen Sie den Flächeninhalt des Vierecks %1 und geben Sie seine Art an.";
    case TMessart::VolumenPyramide4:
        return "Berechnen Sie das Volumen der vierseitigen Pyramide %1.";
    case TMessart::AbstandEbenen:
        return "Berechnen Sie den Abstand der Ebenen %1 und %2.";
    case TMessart::PunktDreieck:
        return "Untersuchen Sie, ob der Punkt %1 im Dreieck %2 liegt.";
    case TMessart::PunktViereck:
        return "Untersuchen Sie, ob der Punkt %1 im Viereck %2 liegt.";
    case TMessart::PunkteEbene:
        return "Untersuchen Sie, ob die Punkte %1 und %2 auf derselben Seite der Ebene %3 liegen.";
    case TMessart::EbeneAchsen:
        return "Beschreiben Sie die Lage der Ebene %1 im Koordinatensystem.";
    }
    return {};
}

constexpr std::string_view Lageaufgabe =
    "Untersuchen Sie die gegenseitige Lage der Geraden %1 und %2.";

// One kind of question: the command whose offer for the marks decides it
// (measurements only), and how it is answered.
struct TArtangabe {
    TFragenart Art;
    std::optional<TBefehl> Angebot;
    std::optional<TFragenrechnung> Rechnung;
};

using L = exakt::TLoesungsart;
const TArtangabe Fragenarten[] = {
    {TFragenart::Element, {}, {}},
    {TFragenart::Winkel, TBefehl::MessWinkel, TFragenrechnung{TBefehl::MessWinkel, L::Winkel}},
    {TFragenart::Laenge, TBefehl::MessLaenge, TFragenrechnung{TBefehl::MessLaenge, L::Laenge}},
    {TFragenart::Flaeche, TBefehl::MessFlaeche, TFragenrechnung{TBefehl::MessFlaeche, L::Flaeche}},
    {TFragenart::Volumen, TBefehl::MessVolumen, TFragenrechnung{TBefehl::MessVolumen, L::Volumen}},
    // Offered where the two lines can be intersected; the intersection's
    // worked solution tells how they lie.
    {TFragenart::Lage, TBefehl::Schneiden, TFragenrechnung{{}, L::Schneiden}},
    {TFragenart::Text, {}, {}},
};
static_assert(std::size(Fragenarten) == static_cast<std::size_t>(TFragenart::Text) + 1,
              "one row per kind of question, in the order of TFragenart");

const TArtangabe& Angabe(TFragenart a) {
    return Fragenarten[static_cast<std::size_t>(a)];
}

// Exactly two lines marked, and nothing else.
bool ZweiGeraden(const TListe& markiert) {
    const TAuswahl m(markiert);
    return m.G.size() == 2 && m.P.empty() && m.V.empty() && m.E.empty() && m.S.empty() &&
           m.D.empty() && m.Y.empty();
}

// The task of the question for the marks of the list, where the offer of
// its command allows it; empty otherwise.
std::string_view AufgabeFuer(const TListe& markiert, TFragenart art) {
    const std::optional<TBefehl> befehl = Angabe(art).Angebot;
    if (!befehl) return {};
    const TAngebotsfall af = AngebotUndFall(*befehl, Markierungsmuster(markiert));
    if (art == TFragenart::Lage)
        return af.Fall != TFall::Keiner && ZweiGeraden(markiert) ? Lageaufgabe : std::string_view();
    return af.Messart ? Messaufgabe(*af.Messart) : std::string_view();
}

// The names of the marked elements in the measurement's order.
std::vector<std::string> Namen(const TListe& markiert) {
    const TAuswahl m(markiert);
    std::vector<std::string> namen;
    for (const TAuswahl::Elemente* l : {&m.P, &m.V, &m.G, &m.E, &m.S, &m.D, &m.Y})
        for (const TDreiDBasisElement* e : *l)
            namen.push_back(e->Name);
    return namen;
}

std::string Einsetzen(std::string_view satz, const std::vector<std::string>& namen) {
    std::string t;
    for (std::size_t i = 0; i < satz.size(); ++i) {
        const std::size_t k = i + 1 < satz.size() ? static_cast<std::size_t>(satz[i + 1] - '1') : 9;
        if (satz[i] == '%' && k < namen.size()) {
            t += namen[k];
            ++i;
        } else {
            t += satz[i];
        }
    }
    return t;
}

int SlotDerNummer(const TListe& liste, int nummer) {
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i]->Nummer == nummer) return i;
    return 0;
}

std::string Getrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos) return {};
    return std::string(s.substr(a, s.find_last_not_of(" \t\r") - a + 1));
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> r;
    for (std::size_t a = 0; a <= text.size();) {
        const std::size_t e = std::min(text.find('\n', a), text.size());
        if (std::string z = Getrimmt(std::string_view(text).substr(a, e - a)); !z.empty())
            r.push_back(std::move(z));
        a = e + 1;
    }
    return r;
}

} // namespace

std::optional<TFragenrechnung> Rechnung(TFragenart art) {
    return Angabe(art).Rechnung;
}

TArbeitsblattfragen StandardFragen(const TListe& liste) {
    const std::vector<bool> abgeleitet = AbgeleiteteElemente(liste);
    TArbeitsblattfragen r;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (abgeleitet[static_cast<std::size_t>(i - 1)])
            r.push_back({TFragenart::Element, {liste[i]->Nummer}, {}});
    return r;
}

TArbeitsblattfragen Messfragen(const TListe& liste) {
    std::vector<int> nummern;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i]->markiert) nummern.push_back(liste[i]->Nummer);
    TArbeitsblattfragen r;
    for (TFragenart art : {TFragenart::Winkel, TFragenart::Laenge, TFragenart::Flaeche,
                           TFragenart::Volumen, TFragenart::Lage})
        if (!AufgabeFuer(liste, art).empty()) r.push_back({art, nummern, {}});
    return r;
}

void FuerFrageMarkieren(const TListe& liste, const TArbeitsblattfrage& frage, TListe& kopie) {
    TListe::Kopieren(liste, kopie);
    for (int i = 1; i <= kopie.Anzahl(); ++i)
        kopie[i]->markiert = std::find(frage.Nummern.begin(), frage.Nummern.end(),
                                       liste[i]->Nummer) != frage.Nummern.end();
}

std::string Aufgabentext(const TListe& liste, const TArbeitsblattfrage& frage) {
    if (frage.Art == TFragenart::Text) return Getrimmt(frage.Text);
    for (const int n : frage.Nummern)
        if (SlotDerNummer(liste, n) == 0 ||
            std::count(frage.Nummern.begin(), frage.Nummern.end(), n) > 1)
            return {};
    if (frage.Art == TFragenart::Element) {
        const int slot = frage.Nummern.size() == 1 ? SlotDerNummer(liste, frage.Nummern[0]) : 0;
        if (slot == 0 || !AbgeleiteteElemente(liste)[static_cast<std::size_t>(slot - 1)]) return {};
        return GesuchtText(*liste[slot]);
    }
    TListe kopie;
    FuerFrageMarkieren(liste, frage, kopie);
    const std::string_view aufgabe = AufgabeFuer(kopie, frage.Art);
    return aufgabe.empty() ? std::string() : Einsetzen(aufgabe, Namen(kopie));
}

TArbeitsblattfragen PassendeFragen(const TListe& liste, const TArbeitsblattfragen& fragen) {
    TArbeitsblattfragen r;
    for (const TArbeitsblattfrage& f : fragen)
        if (!Aufgabentext(liste, f).empty()) r.push_back(f);
    return r;
}

std::string FreieZeilenPruefen(const std::string& zeilen) {
    for (const std::string& z : Zeilen(zeilen)) {
        if (Utf8Laenge(z) > ArbeitsblattZeilenLaenge)
            return "Eine Zeile der Aufgabe darf höchstens " +
                   std::to_string(ArbeitsblattZeilenLaenge) + " Zeichen lang sein.";
        if (!InCp1252Darstellbar(z))
            return "Die Zeile „" + z +
                   "“ enthält Zeichen, die in der Datei nicht gespeichert werden können.";
    }
    return {};
}

TArbeitsblattfragen FreieZeilen(const std::string& zeilen) {
    TArbeitsblattfragen r;
    for (std::string& z : Zeilen(zeilen))
        r.push_back({TFragenart::Text, {}, std::move(z)});
    return r;
}

} // namespace kalvorin
