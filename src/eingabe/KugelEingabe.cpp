#include "eingabe/KugelEingabe.h"

#include "exakt/Gleichungen.h"
#include "geometry/Auswertung.h"
#include "model/StandardEinstellungen.h"
#include "model/Utf8.h"
#include "zahlen/Zahlen.h"

#include <array>
#include <cctype>
#include <cmath>

namespace kalvorin {

namespace {

// The equation as plain ASCII: blanks gone, "−" as "-", "²" as "^2", "·" as
// "*", and the axis names x₁, x₂, x₃ as x, y, z.
std::string Vereinheitlicht(std::string_view text) {
    std::string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("x\u2081") || rest.starts_with("x\u2082") ||
            rest.starts_with("x\u2083")) {
            t += static_cast<char>('x' + (static_cast<unsigned char>(rest[3]) - 0x81));
            i += 3;
        } else if (rest.starts_with("\u2212")) {
            t += '-';
            i += 2;
        } else if (rest.starts_with("\u00B2")) {
            t += "^2";
            i += 1;
        } else if (rest.starts_with("\u00B7")) {
            t += '*';
            i += 1;
        } else if (text[i] != ' ' && text[i] != '\t') {
            t += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        }
    }
    return t;
}

// The coefficients of one side: x², y², z², x, y, z, 1. False when a term
// does not read.
bool SeiteLesen(std::string_view s, std::array<Real, 7>& k, Real vorzeichenSeite) {
    if (s.empty()) return false;
    std::size_t i = 0;
    while (i < s.size()) {
        Real vorzeichen = 1;
        bool zeichen = false;
        while (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            if (s[i] == '-') vorzeichen = -vorzeichen;
            zeichen = true;
            ++i;
        }
        if (!zeichen && i > 0) return false;
        std::size_t j = i;
        while (j < s.size() &&
               (std::isdigit(static_cast<unsigned char>(s[j])) || s[j] == ',' || s[j] == '.'))
            ++j;
        Real zahl = 1;
        const bool hatZahl = j > i;
        if (hatZahl) {
            std::string z(s.substr(i, j - i));
            for (char& c : z)
                if (c == ',' || c == '.') c = Einstellungen().Dezimaltrenner;
            const TZahl w = ParseReal(z);
            if (w.Code != ZahlGueltig) return false;
            zahl = w.Wert;
        }
        i = j;
        if (i < s.size() && s[i] == '*') {
            if (!hatZahl) return false;
            ++i;
        }
        int stelle = 6;
        if (i < s.size() && (s[i] == 'x' || s[i] == 'y' || s[i] == 'z')) {
            const int achse = s[i] - 'x';
            ++i;
            stelle = 3 + achse;
            if (s.substr(i).starts_with("^2")) {
                stelle = achse;
                i += 2;
            }
        } else if (!hatZahl) {
            return false;
        }
        k[static_cast<std::size_t>(stelle)] += vorzeichenSeite * vorzeichen * zahl;
    }
    return true;
}

std::string Zahl(Real x) {
    return FormatNumber(x);
}

// The names of the axes as the equations name them: x₁, x₂, x₃ or x, y, z.
std::string Achse(int i) {
    return exakt::Koordinatennamen()[static_cast<std::size_t>(i)];
}

// "(x₁ − 1)²", "(x₂ + 2)²", "x₃²".
std::string Quadrat(int achse, Real m) {
    if (m == 0) return Achse(achse) + "\u00B2";
    return "(" + Achse(achse) + (m > 0 ? " \u2212 " : " + ") + Zahl(std::fabs(m)) + ")\u00B2";
}

} // namespace

std::string KugelMittelpunktsform(TTripel mitte, Real radius) {
    return Quadrat(0, mitte.x) + " + " + Quadrat(1, mitte.y) + " + " + Quadrat(2, mitte.z) + " = " +
           Zahl(radius * radius);
}

TKugelGleichung KugelAusGleichung(std::string_view text) {
    TKugelGleichung g;
    const std::string t = Vereinheitlicht(text);
    const std::size_t gleich = t.find('=');
    if (gleich == std::string::npos || t.find('=', gleich + 1) != std::string::npos) return g;
    std::array<Real, 7> k{};
    if (!SeiteLesen(std::string_view(t).substr(0, gleich), k, 1) ||
        !SeiteLesen(std::string_view(t).substr(gleich + 1), k, -1))
        return g;
    const Real a = k[0];
    if (a == 0 || k[1] != a || k[2] != a) return g;
    const TTripel m{-k[3] / (2 * a), -k[4] / (2 * a), -k[5] / (2 * a)};
    const Real r2 = m.x * m.x + m.y * m.y + m.z * m.z - k[6] / a;
    if (!(r2 > 0) || !std::isfinite(r2)) return g;
    g.Fehler = false;
    g.Mitte = m;
    g.Radius = std::sqrt(r2);
    // The worked solution: divided by a, each pair completed to a square.
    const Real mm[3] = {m.x, m.y, m.z};
    if (a != 1) g.Loesungsweg.push_back("Division durch " + Zahl(a));
    for (int i = 0; i < 3; ++i) {
        if (mm[i] == 0) continue;
        const Real b = -2 * mm[i];
        g.Loesungsweg.push_back(Achse(i) + "\u00B2 " + (b < 0 ? "\u2212 " : "+ ") +
                                Zahl(std::fabs(b)) + Achse(i) + " = " + Quadrat(i, mm[i]) +
                                " \u2212 " + Zahl(mm[i] * mm[i]));
    }
    g.Loesungsweg.push_back(KugelMittelpunktsform(m, g.Radius));
    g.Loesungsweg.push_back("M(" + Zahl(m.x) + "|" + Zahl(m.y) + "|" + Zahl(m.z) +
                            "), r = " + FormatMeasure(g.Radius));
    return g;
}

TKugelEingabe KugelEingabeNeu(const TListe& liste) {
    TKugelEingabe e;
    NeuVorbereiten(e, liste, TElementart::DKugel);
    return e;
}

TKugelEingabe KugelEingabeAusElement(const TListe& liste, int position) {
    TKugelEingabe e = KugelEingabeNeu(liste);
    const auto& k = Als<TKugel>(*liste[position]);
    AusElementVorbereiten(e, k);
    TTripel m;
    Real r = 0;
    KugelAuswerten(k, m, r);
    e.Mitte = e.MitteAngezeigt = FeldTexte(m);
    e.MitteGehalten = m;
    e.Radius = e.RadiusAngezeigt = FormatNumber(r);
    e.RadiusGehalten = r;
    e.NurLesen = e.Abgeleitet || k.Festlegung != TKugel::MR;
    return e;
}

void KugelFuerNaechste(TKugelEingabe& e, const TListe& liste) {
    TKugelEingabe n = KugelEingabeNeu(liste);
    n.Duenn = e.Duenn;
    n.Farbe = e.Farbe;
    n.AlsGleichung = e.AlsGleichung;
    e = std::move(n);
}

bool KugelWerte(const TKugelEingabe& e, TTripel& mitte, Real& radius) {
    if (e.AlsGleichung && !e.NurLesen) {
        const TKugelGleichung g = KugelAusGleichung(e.Gleichung);
        mitte = g.Mitte;
        radius = g.Radius;
        return !g.Fehler;
    }
    const TTripelEingabe m = ParseTripel(e.Mitte[0], e.Mitte[1], e.Mitte[2]);
    const TZahl r = ParseNumber(e.Radius);
    mitte = FeldWerte(e.Mitte, e.MitteAngezeigt, e.MitteGehalten);
    radius = FeldWert(e.Radius, e.RadiusAngezeigt, e.RadiusGehalten);
    return !m.Fehler && r.Code == ZahlGueltig && radius > 0;
}

TEingabePruefung KugelPruefen(const TListe& liste, const TKugelEingabe& e) {
    TEingabePruefung r;
    const bool gleichung = e.AlsGleichung && !e.NurLesen;
    const bool leer =
        gleichung ? !Gefuellt(e.Gleichung) : KeinesGefuellt(e.Mitte) && !Gefuellt(e.Radius);
    const bool voll = gleichung ? !leer : AlleGefuellt(e.Mitte) && Gefuellt(e.Radius);
    if (!voll) {
        r.Ergebnis = leer ? TPruefergebnis::StillSchliessen : TPruefergebnis::Unvollstaendig;
        if (!leer) r.Meldung = UnvollstaendigText;
        return r;
    }
    r.Meldung =
        NamenPruefen(liste, e.Name, e.AlterName, "Name der Kugel bereits vergeben!").Meldung;
    if (!e.NurLesen) {
        if (gleichung) {
            if (KugelAusGleichung(e.Gleichung).Fehler) r.Meldung = KugelGleichungFehlerText;
        } else {
            if (ParseTripel(e.Mitte[0], e.Mitte[1], e.Mitte[2]).Fehler)
                r.Meldung = KugelMitteFehlerText;
            else if (const TZahl z = ParseNumber(e.Radius); z.Code != ZahlGueltig || !(z.Wert > 0))
                r.Meldung = KugelRadiusFehlerText;
        }
    }
    if (r.Meldung.empty() && e.Neu && !HatPlatzFuer(liste, 1)) r.Meldung = ListeVollMeldung;
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

bool KugelAusDialog(TListe& liste, int position, const TKugelEingabe& e) {
    TKugel& k = Als<TKugel>(*liste[position]);
    k.sichtbar = true;
    k.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    if (!e.NurLesen) {
        TTripel m;
        Real r = 0;
        if (!KugelWerte(e, m, r)) return false;
        k.Festlegung = TKugel::MR;
        k.Bezuege = {};
        k.Zentrum = m;
        k.Radius = r;
    }
    AussehenSchreiben(k, e);
    return true;
}

int KugelUebernehmen(TDokument& dokument, const TKugelEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DKugel,
        [](const TListe&) { return std::optional<std::vector<TElementart>>(std::in_place); },
        [&](TListe& l, int slot) { return KugelAusDialog(l, slot, e); });
}

} // namespace kalvorin
