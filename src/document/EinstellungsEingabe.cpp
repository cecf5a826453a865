#include "document/EinstellungsEingabe.h"

#include "model/Meldungen.h"

#include <charconv>

namespace kalvorin {

std::string KeinIntegerwertText(std::string_view text) {
    return "'" + std::string(text) + "' ist kein gültiger Integerwert";
}

int DickeAnzeige(int gespeichert) { return gespeichert / 25 - 1; }
int DickeGespeichert(int anzeige) { return anzeige * 25 + 25; }

bool GanzzahlLesen(std::string_view text, int& wert) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // from_chars takes a minus but no plus.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return false;
    }
    if (text.empty())
        return false;
    int w = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), w);
    if (fehler != std::errc() || ende != text.data() + text.size())
        return false;
    wert = w;
    return true;
}

TEinstellungsEingabe EinstellungsEingabe(const TStandardEinstellungen& s) {
    TEinstellungsEingabe e;
    e.Standardfarbe = s.Farbe;
    e.NameSichtbar = s.NameSichtbar ? 0 : 1;
    e.Punktform = s.Punktform;
    e.PunktDicke = s.DickpunktDicke;
    e.Geradendicke = DickeAnzeige(s.DickgeradenDicke);
    e.Weisslinie = s.MitWeissrand ? 0 : 1;
    e.EbenenRanddicke = DickeAnzeige(s.RandDicke);
    e.EbenenTransparenz = s.EbenenTransparenz;
    e.HilfslinienFarbe = s.HilfslinienFarbe;
    e.HilfslinienStil = s.HilfslinienStrichart;
    e.Hilfslinien = s.HilfslinienEinzeichnen ? 0 : 1;
    e.Halbseite = s.AchsenLaenge;
    e.Transparenz = s.KoordEbenenTransparenz;
    e.Exy = s.ZeichneXYEbene;
    e.Exz = s.ZeichneXZEbene;
    e.Eyz = s.ZeichneYZEbene;
    e.Skalierung = s.SkalierungsStriche;
    e.Brueche = s.ZahlenAlsBrueche;
    e.MaxNenner = std::to_string(s.MaximalerNenner);
    e.Nachkomma = s.StandardStellen;
    return e;
}

bool EinstellungenUebernehmen(const TEinstellungsEingabe& e, const TEinstellungsEingabe& angezeigt,
                              TStandardEinstellungen& s) {
    // Read first: a wrong entry must not leave half of the pages applied.
    int nenner = s.MaximalerNenner;
    if (e.MaxNenner != angezeigt.MaxNenner && !GanzzahlLesen(e.MaxNenner, nenner)) {
        Meldungen().Meldung(KeinIntegerwertText(e.MaxNenner), TMeldungsart::Fehler);
        return false;
    }
    s.Farbe = e.Standardfarbe;
    s.NameSichtbar = e.NameSichtbar == 0;
    s.Punktform = e.Punktform;
    s.DickpunktDicke = e.PunktDicke;
    if (e.Geradendicke != angezeigt.Geradendicke)
        s.DickgeradenDicke = DickeGespeichert(e.Geradendicke);
    s.MitWeissrand = e.Weisslinie == 0;
    if (e.EbenenRanddicke != angezeigt.EbenenRanddicke)
        s.RandDicke = DickeGespeichert(e.EbenenRanddicke);
    s.EbenenTransparenz = e.EbenenTransparenz;
    s.HilfslinienFarbe = e.HilfslinienFarbe;
    s.HilfslinienStrichart = e.HilfslinienStil;
    s.HilfslinienEinzeichnen = e.Hilfslinien == 0;
    s.AchsenLaenge = e.Halbseite;
    s.KoordEbenenTransparenz = e.Transparenz;
    s.ZeichneXYEbene = e.Exy;
    s.ZeichneXZEbene = e.Exz;
    s.ZeichneYZEbene = e.Eyz;
    s.SkalierungsStriche = e.Skalierung;
    s.ZahlenAlsBrueche = e.Brueche;
    s.MaximalerNenner = nenner;
    s.StandardStellen = e.Nachkomma;
    return true;
}

void StandardfarbeSetzen(TEinstellungsEingabe& e, TStandardEinstellungen& s, TFarbe farbe) {
    e.Standardfarbe = farbe;
    s.Farbe = farbe;
}

void HilfslinienFarbeSetzen(TEinstellungsEingabe& e, TStandardEinstellungen& s, TFarbe farbe) {
    e.HilfslinienFarbe = farbe;
    s.HilfslinienFarbe = farbe;
}

} // namespace kalvorin
