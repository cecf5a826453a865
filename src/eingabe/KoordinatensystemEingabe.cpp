#include "eingabe/KoordinatensystemEingabe.h"

#include "math/Matrix4.h"
#include "math/Projektion.h"
#include "model/Meldungen.h"
#include "model/StandardEinstellungen.h"
#include "zahlen/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace kalvorin {

namespace {

Real& Grenze(TAchsenDaten& a, int seite) {
    return seite == 0 ? a.Unten : a.Oben;
}
Real Grenze(const TAchsenDaten& a, int seite) {
    return seite == 0 ? a.Unten : a.Oben;
}

void GrenzenWarnen() {
    Meldungen().Meldung(std::string(GrenzenKorrigiertText), TMeldungsart::Warnung);
}

} // namespace

bool AchsenbereichPruefen(TAchsenDaten& a) {
    bool geaendert = false;
    const auto setze = [&geaendert](Real& ziel, Real wert) {
        ziel = wert;
        geaendert = true;
    };
    if (a.Unten > -1) setze(a.Unten, -1);
    if (a.Oben < 1) setze(a.Oben, 1);
    if (a.Unten > a.Oben) {
        std::swap(a.Unten, a.Oben);
        geaendert = true;
    }
    if (a.Oben < a.Unten + 4) setze(a.Oben, a.Unten + 4);
    if (a.Oben > MaxEingabe) setze(a.Oben, MaxEingabe);
    if (a.Unten < -MaxEingabe) setze(a.Unten, -MaxEingabe);
    return geaendert;
}

std::string GrenzenText(Real wert) {
    return FormatGeneral(wert, 3);
}

TKoordinatensystemEingabe::TKoordinatensystemEingabe(const TDokument& dokument)
    : daten_(dokument.Koordinatensystem()) {
    daten_.AbgeleiteteDatenBerechnen();
    TexteFuellen();
    VorschauAufbauen();
}

void TKoordinatensystemEingabe::TexteFuellen() {
    for (int achse = 0; achse < 3; ++achse)
        for (int seite = 0; seite < 2; ++seite)
            texte_[achse][seite] = GrenzenText(Grenze(daten_.Achsen[achse], seite));
}

bool TKoordinatensystemEingabe::Lesen(const std::string& text, int achse, int seite,
                                      Real& wert) const {
    if (text == texte_[achse][seite]) {
        wert = Grenze(daten_.Achsen[achse], seite);
        return true;
    }
    const TZahl z = ParseReal(text);
    if (z.Code != ZahlGueltig) {
        Meldungen().Meldung(text + std::string(KeineDezimalzahlText), TMeldungsart::Warnung);
        return false;
    }
    wert = z.Wert;
    return true;
}

bool TKoordinatensystemEingabe::GrenzeVerlassen(int achse, bool oben, const std::string& text) {
    const int seite = oben ? 1 : 0;
    Real wert = 0;
    if (!Lesen(text, achse, seite, wert)) return false;
    TAchsenDaten& a = daten_.Achsen[achse];
    Grenze(a, seite) = wert;
    const bool korrigiert = AchsenbereichPruefen(a);
    texte_[achse][0] = GrenzenText(a.Unten);
    texte_[achse][1] = GrenzenText(a.Oben);
    daten_.AbgeleiteteDatenBerechnen();
    if (korrigiert) GrenzenWarnen();
    VorschauAufbauen();
    return true;
}

void TKoordinatensystemEingabe::WieXAchse(int achse) {
    TAchsenDaten& a = daten_.Achsen[achse];
    a.Unten = daten_.Achsen[TKoordinatensystem::X].Unten;
    a.Oben = daten_.Achsen[TKoordinatensystem::X].Oben;
    daten_.AbgeleiteteDatenBerechnen();
    TexteFuellen();
    VorschauAufbauen();
}

void TKoordinatensystemEingabe::Defaultwerte() {
    daten_.DefaultAchsen(Einstellungen().AchsenLaenge);
    TexteFuellen();
    VorschauAufbauen();
}

void TKoordinatensystemEingabe::VorschauAufbauen() {
    vorschau_.KoordinatensystemAendern([this](TKoordinatensystem& ks) { ks = daten_; }, false);
}

TLogRechteck TKoordinatensystemEingabe::VorschauFenster() const {
    const TWeltAbbildung& abbildung = vorschau_.Abbildung();
    const TMatrix4& ansicht = vorschau_.Szene().Matrix();
    Real links = 0, rechts = 0, unten = 0, oben = 0;
    bool erste = true;
    for (int ecke = 0; ecke < 8; ++ecke) {
        const auto grenze = [&](int achse) {
            const TAchsenDaten& a = daten_.Achsen[achse];
            return (ecke >> achse) & 1 ? a.Oben : a.Unten;
        };
        const TLogPunkt p = abbildung.WeltZuLogisch(
            Projizieren(Abbilden(ansicht, {grenze(0), grenze(1), grenze(2)})));
        const Real x = p.x, y = p.y;
        links = erste ? x : std::min(links, x);
        rechts = erste ? x : std::max(rechts, x);
        unten = erste ? y : std::min(unten, y);
        oben = erste ? y : std::max(oben, y);
        erste = false;
    }
    // A quarter more for the axis names and tick labels beyond the ends.
    const Real seite = 1.25L * std::max({rechts - links, oben - unten, Real(1)});
    const Real mx = (links + rechts) / 2, my = (unten + oben) / 2;
    const auto ganz = [](Real w) { return static_cast<std::int32_t>(std::lround(w)); };
    return {ganz(mx - seite / 2), ganz(my - seite / 2), ganz(mx + seite / 2), ganz(my + seite / 2)};
}

TKoordinatensystemEingabe::TErgebnis
TKoordinatensystemEingabe::Uebernehmen(TDokument& dokument, const TGrenzenTexte& texte) {
    std::array<std::array<Real, 2>, 3> werte{};
    for (int achse = 0; achse < 3; ++achse)
        for (int seite = 0; seite < 2; ++seite)
            if (!Lesen(texte[achse][seite], achse, seite, werte[achse][seite]))
                return TErgebnis::KeineZahl;
    bool korrigiert = false;
    for (int achse = 0; achse < 3; ++achse) {
        TAchsenDaten& a = daten_.Achsen[achse];
        a.Unten = werte[achse][0];
        a.Oben = werte[achse][1];
        // Every axis is checked, also after one needed a correction.
        korrigiert = AchsenbereichPruefen(a) || korrigiert;
    }
    daten_.AbgeleiteteDatenBerechnen();
    TexteFuellen();
    if (korrigiert) {
        GrenzenWarnen();
        VorschauAufbauen();
        return TErgebnis::Korrigiert;
    }
    dokument.KoordinatensystemAendern([this](TKoordinatensystem& ks) { ks = daten_; }, true);
    return TErgebnis::Uebernommen;
}

} // namespace kalvorin
