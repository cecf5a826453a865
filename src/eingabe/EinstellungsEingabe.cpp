#include "eingabe/EinstellungsEingabe.h"

#include "model/Meldungen.h"

#include <charconv>

namespace kalvorin {

std::string KeinIntegerwertText(std::string_view text) {
    return "'" + std::string(text) + "' ist kein gültiger Integerwert";
}

int DickeAnzeige(int gespeichert) {
    return gespeichert / 25 - 1;
}
int DickeGespeichert(int anzeige) {
    return anzeige * 25 + 25;
}

bool GanzzahlLesen(std::string_view text, int& wert) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // from_chars takes a minus but no plus.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return false;
    }
    if (text.empty()) return false;
    int w = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), w);
    if (fehler != std::errc() || ende != text.data() + text.size()) return false;
    wert = w;
    return true;
}

TEinstellungsEingabe EinstellungsEingabe(const TStandardEinstellungen& s) {
    TEinstellungsEingabe e;
    e.Standardfarbe = s.Farbe;
    e.NameSichtbar = s.NameSichtbar ? 0 : 1;
    e.Praesentation = s.Praesentation;
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
    e.Einrasten = s.BeimZiehenEinrasten;
    e.Heftansicht = s.Heftansicht;
    e.HeftAchsennamen = s.HeftAchsenIndiziert ? 0 : 1;
    e.HeftSpurdreieck = s.HeftSpurdreieck;
    e.MaxNenner = std::to_string(s.MaximalerNenner);
    e.Nachkomma = s.StandardStellen;
    e.ExakteWerte = s.ExakteWerte;
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
    // A control left as it was filled keeps its setting exactly: also a
    // width that no shown value maps to, or a value the control clamped.
    const auto setze = [](auto& ziel, const auto& neu, const auto& alt, auto wert) {
        if (neu != alt) ziel = wert;
    };
    const TEinstellungsEingabe& a = angezeigt;
    setze(s.Farbe, e.Standardfarbe, a.Standardfarbe, e.Standardfarbe);
    setze(s.NameSichtbar, e.NameSichtbar, a.NameSichtbar, e.NameSichtbar == 0);
    setze(s.Praesentation, e.Praesentation, a.Praesentation, e.Praesentation);
    setze(s.Punktform, e.Punktform, a.Punktform, e.Punktform);
    setze(s.DickpunktDicke, e.PunktDicke, a.PunktDicke, e.PunktDicke);
    setze(s.DickgeradenDicke, e.Geradendicke, a.Geradendicke, DickeGespeichert(e.Geradendicke));
    setze(s.MitWeissrand, e.Weisslinie, a.Weisslinie, e.Weisslinie == 0);
    setze(s.RandDicke, e.EbenenRanddicke, a.EbenenRanddicke, DickeGespeichert(e.EbenenRanddicke));
    setze(s.EbenenTransparenz, e.EbenenTransparenz, a.EbenenTransparenz, e.EbenenTransparenz);
    setze(s.HilfslinienFarbe, e.HilfslinienFarbe, a.HilfslinienFarbe, e.HilfslinienFarbe);
    setze(s.HilfslinienStrichart, e.HilfslinienStil, a.HilfslinienStil, e.HilfslinienStil);
    setze(s.HilfslinienEinzeichnen, e.Hilfslinien, a.Hilfslinien, e.Hilfslinien == 0);
    setze(s.AchsenLaenge, e.Halbseite, a.Halbseite, e.Halbseite);
    setze(s.KoordEbenenTransparenz, e.Transparenz, a.Transparenz, e.Transparenz);
    setze(s.ZeichneXYEbene, e.Exy, a.Exy, e.Exy);
    setze(s.ZeichneXZEbene, e.Exz, a.Exz, e.Exz);
    setze(s.ZeichneYZEbene, e.Eyz, a.Eyz, e.Eyz);
    setze(s.SkalierungsStriche, e.Skalierung, a.Skalierung, e.Skalierung);
    setze(s.ZahlenAlsBrueche, e.Brueche, a.Brueche, e.Brueche);
    setze(s.BeimZiehenEinrasten, e.Einrasten, a.Einrasten, e.Einrasten);
    setze(s.Heftansicht, e.Heftansicht, a.Heftansicht, e.Heftansicht);
    setze(s.HeftAchsenIndiziert, e.HeftAchsennamen, a.HeftAchsennamen, e.HeftAchsennamen == 0);
    setze(s.HeftSpurdreieck, e.HeftSpurdreieck, a.HeftSpurdreieck, e.HeftSpurdreieck);
    s.MaximalerNenner = nenner;
    setze(s.StandardStellen, e.Nachkomma, a.Nachkomma, e.Nachkomma);
    setze(s.ExakteWerte, e.ExakteWerte, a.ExakteWerte, e.ExakteWerte);
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
