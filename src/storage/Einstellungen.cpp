#include "storage/Einstellungen.h"

#include "model/Meldungen.h"
#include "model/Utf8.h"
#include "storage/DateiErsetzen.h"
#include "storage/EnhIniFile.h"
#include "storage/Felder.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <pwd.h>
#include <unistd.h>

namespace kalvorin {

namespace {

const std::string AlleElemente = "Alle Elemente";
const std::string Punkte = "Punkte";
const std::string Geraden = "Geraden";
const std::string Ebenen = "Ebenen";
const std::string Hilfslinien = "Hilfslinien";
const std::string Koordinatensystem = "Koordinatensystem";
const std::string Zahlenausgabe = "Zahlenausgabe";
const std::string Ziehen = "Ziehen";
const std::string EinrastenSchluessel = "Beim Ziehen einrasten";
const std::string Pfade = "Pfade";
const std::string Darstellung = "Darstellung";
const std::string PraesentationsSchluessel = "Präsentation";
const std::string CustomColorsSektion = "CustomColors";
const std::string AusgabeSektion = "Grafikausgabe";
const std::string AusgabeSchriftSchluessel = "Schriftgröße bei Maßstab (pt)";
const std::string HeftSektion = "Heftansicht";
const std::string SkalierungsSchluessel =
    "Skalierungs-Striche (keine,nur bei 1,alle 0,5,alle 1,alle 2,alle 5):";

// Red, green, blue of the colour dialog's first ten custom colours.
constexpr TFarbe StandardCustomColors[10] = {
    RGB(253, 173, 159), RGB(253, 225, 159), RGB(248, 252, 160), RGB(200, 251, 162),
    RGB(162, 251, 210), RGB(163, 253, 250), RGB(163, 173, 250), RGB(210, 164, 249),
    RGB(248, 165, 210), RGB(247, 166, 168),
};

template <std::size_t N>
int WortIndex(const char* const (&worte)[N], const std::string& wort, int vorgabe) {
    for (std::size_t i = 0; i < N; ++i)
        if (wort == worte[i]) return static_cast<int>(i);
    return vorgabe;
}

template <std::size_t N> std::string Wort(const char* const (&worte)[N], int index, int vorgabe) {
    return worte[index >= 0 && static_cast<std::size_t>(index) < N ? index : vorgabe];
}

TFarbe FarbeLesen(const TEnhIniFile& ini, const std::string& sektion, const std::string& schluessel,
                  TFarbe vorgabe) {
    try {
        return FieldToColor(ini.ReadString(sektion, schluessel, ColorToField(vorgabe)));
    } catch (const EKonvertierungsfehler&) {
        return vorgabe;
    }
}

int ZahlLesen(const TEnhIniFile& ini, const std::string& sektion, const std::string& schluessel,
              int vorgabe, int min, int max) {
    const int w = ini.ReadInteger(sektion, schluessel, vorgabe);
    return w < min ? min : (w > max ? max : w);
}

std::string StandardCustomColor(int n) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(StandardCustomColors[n]));
    return std::string("Farbe") + static_cast<char>('A' + n) + "=" + hex;
}

// Folders on the floppy drives were not worth remembering.
bool OrdnerMerken(const std::string& ordner) {
    if (ordner.empty()) return false;
    const char c = ordner[0];
    return c != 'A' && c != 'a' && c != 'B' && c != 'b';
}

std::string OrdnerVon(const std::string& datei) {
    const auto p = datei.rfind('/');
    return p == std::string::npos ? std::string() : datei.substr(0, p + 1);
}

} // namespace

std::string ProgrammDatei() {
    char puffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", puffer, sizeof puffer - 1);
    return n > 0 ? std::string(puffer, static_cast<std::size_t>(n)) : std::string("kalvorin");
}

std::string StartdateiPfad(const std::string& programmDatei) {
    const auto strich = programmDatei.rfind('/');
    const auto punkt = programmDatei.rfind('.');
    if (punkt != std::string::npos && (strich == std::string::npos || punkt > strich + 1))
        return programmDatei.substr(0, punkt) + ".cfg";
    return programmDatei + ".cfg";
}

std::string StandardIniOrdner() {
    std::string basis = ".";
    // Relative values are to be ignored, as the XDG rules say.
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && x[0] == '/') {
        basis.assign(x);
    } else if (const char* h = std::getenv("HOME"); h && h[0] != '\0') {
        basis.assign(h).append("/.config");
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
        basis.assign(pw->pw_dir).append("/.config");
    }
    if (basis.back() != '/') basis.push_back('/');
    basis.append("Kalvorin/");
    return basis;
}

std::string EinstellungsDatei(const TStandardEinstellungen& e) {
    return (e.IniPfad.empty() ? StandardIniOrdner() : e.IniPfad) + EinstellungsDateiname;
}

void LadeStartdatei(TStandardEinstellungen& e, const std::string& startdatei,
                    const std::string& programmOrdner) {
    TWarteCursor cursor;
    const TEnhIniFile ini(startdatei);
    e.SaveIniDatei = ini.ReadBool("Ini-Datei", "SaveIniDatei", true);
    e.IniPfad = ini.ReadString("Ini-Datei", "INIPATH", "");
    std::string gross = e.IniPfad;
    for (char& c : gross)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (gross == "HOME") {
        e.IniPfad = programmOrdner;
        if (e.IniPfad.empty() || e.IniPfad.back() != '/') e.IniPfad += '/';
    }
}

void LadeEinstellungen(TStandardEinstellungen& e, const std::string& datei) {
    TWarteCursor cursor;
    const TEnhIniFile ini(datei);

    e.Farbe = FarbeLesen(ini, AlleElemente, "Farbe", RGB(0, 0, 200));
    e.NameSichtbar = ini.ReadBool(AlleElemente, "Name sichtbar", true);
    e.Punktform = WortIndex(PunktformWorte, ini.ReadString(Punkte, "Form", "Kreis"), 0);
    e.DickpunktDicke = ZahlLesen(ini, Punkte, "Dickpunkt-Dicke", 2, 2, 4);
    e.DickgeradenDicke = ZahlLesen(ini, Geraden, "Dickgeraden-Dicke", 75, 75, 150);
    e.MitWeissrand = ini.ReadBool(Geraden, "mit Weissrand", true);
    e.RandDicke = ZahlLesen(ini, Ebenen, "Rand-Dicke", 100, 75, 150);
    e.EbenenTransparenz = ZahlLesen(ini, Ebenen, "Transparenz", 1, 0, 4);

    e.HilfslinienFarbe = FarbeLesen(ini, Hilfslinien, "Farbe", RGB(144, 144, 144));
    e.HilfslinienStrichart =
        WortIndex(StrichartWorte, ini.ReadString(Hilfslinien, "Strichart", "gestrichelt"), 1);
    e.HilfslinienEinzeichnen = ini.ReadBool(Hilfslinien, "einzeichnen", true);

    e.SkalierungsStriche = WortIndex(
        SkalierungsWorte, ini.ReadString(Koordinatensystem, SkalierungsSchluessel, "alle 2"), 4);
    e.AchsenLaenge = ZahlLesen(ini, Koordinatensystem, "Länge der pos. Achsen", 11, 1, 1000);
    e.KoordEbenenTransparenz =
        ZahlLesen(ini, Koordinatensystem, "Transparenz der Koord-Ebenen", 1, 0, 4);
    e.ZeichneXYEbene = ini.ReadBool(Koordinatensystem, "Zeichne xy-Ebene", true);
    e.ZeichneYZEbene = ini.ReadBool(Koordinatensystem, "Zeichne yz-Ebene", false);
    e.ZeichneXZEbene = ini.ReadBool(Koordinatensystem, "Zeichne xz-Ebene", false);

    e.ZahlenAlsBrueche = ini.ReadBool(Zahlenausgabe, "Zahlen als Brüche ausgeben", true);
    e.MaximalerNenner = ini.ReadInteger(Zahlenausgabe, "Maximaler Nenner", 100);
    // Written as "StandardStellen": the same key, since keys ignore case.
    e.StandardStellen = ZahlLesen(ini, Zahlenausgabe, "Standardstellen", 2, 0, 6);
    e.ExakteWerte = ini.ReadBool(Zahlenausgabe, "Exakte Werte anzeigen", true);

    e.Praesentation = ini.ReadBool(Darstellung, PraesentationsSchluessel, false);
    e.AusgabeSchriftgroesse = ZahlLesen(ini, AusgabeSektion, AusgabeSchriftSchluessel, 10, 6, 24);

    e.BeimZiehenEinrasten = ini.ReadBool(Ziehen, EinrastenSchluessel, true);

    e.Heftansicht = ini.ReadBool(HeftSektion, "Neue Fenster", false);
    e.HeftAchsenIndiziert = ini.ReadString(HeftSektion, "Achsennamen", "x1 x2 x3") != "x y z";
    e.HeftSpurdreieck = ini.ReadBool(HeftSektion, "Spurdreieck", true);

    e.PfadSzenen = ini.ReadString(Pfade, "Szenen", "");
    e.PfadEinfuegeSzenen = ini.ReadString(Pfade, "EinfuegeSzenen", "");
    e.PfadGrafiken = ini.ReadString(Pfade, "Grafiken", "");

    e.CustomColors.clear();
    for (int n = 0; n < 16; ++n) {
        const std::string wert = ini.ReadString(CustomColorsSektion, "CC_" + std::to_string(n), "");
        // The colour dialog marks unused entries with FFFFFFFF.
        if (Utf8Laenge(wert) > 8 && wert.compare(wert.size() - 8, 8, "FFFFFFFF") != 0)
            e.CustomColors.push_back(wert);
        else if (n < 10)
            e.CustomColors.push_back(StandardCustomColor(n));
    }
}

void SpeichereEinstellungen(const TStandardEinstellungen& e, const std::string& datei) {
    if (!e.SaveIniDatei) return;
    TWarteCursor cursor;
    try {
        TEnhIniFile ini(datei);
        ini.WriteString(AlleElemente, "Farbe", ColorToField(e.Farbe));
        ini.WriteInteger(AlleElemente, "Dicke", 1);
        ini.WriteBool(AlleElemente, "Name sichtbar", e.NameSichtbar);
        ini.WriteString(Punkte, "Form", Wort(PunktformWorte, e.Punktform, 0));
        ini.WriteInteger(Punkte, "Dickpunkt-Dicke", e.DickpunktDicke);
        ini.WriteInteger(Geraden, "Dickgeraden-Dicke", e.DickgeradenDicke);
        ini.WriteBool(Geraden, "mit Weissrand", e.MitWeissrand);
        ini.WriteInteger(Ebenen, "Rand-Dicke", e.RandDicke);
        ini.WriteInteger(Ebenen, "Transparenz", e.EbenenTransparenz);

        ini.WriteString(Hilfslinien, "Farbe", ColorToField(e.HilfslinienFarbe));
        ini.WriteString(Hilfslinien, "Strichart", Wort(StrichartWorte, e.HilfslinienStrichart, 1));
        ini.WriteBool(Hilfslinien, "einzeichnen", e.HilfslinienEinzeichnen);

        ini.WriteString(Koordinatensystem, SkalierungsSchluessel,
                        Wort(SkalierungsWorte, e.SkalierungsStriche, 4));
        ini.WriteInteger(Koordinatensystem, "Länge der pos. Achsen", e.AchsenLaenge);
        ini.WriteInteger(Koordinatensystem, "Transparenz der Koord-Ebenen",
                         e.KoordEbenenTransparenz);
        ini.WriteBool(Koordinatensystem, "Zeichne xy-Ebene", e.ZeichneXYEbene);
        ini.WriteBool(Koordinatensystem, "Zeichne yz-Ebene", e.ZeichneYZEbene);
        ini.WriteBool(Koordinatensystem, "Zeichne xz-Ebene", e.ZeichneXZEbene);

        ini.WriteBool(Zahlenausgabe, "Zahlen als Brüche ausgeben", e.ZahlenAlsBrueche);
        ini.WriteInteger(Zahlenausgabe, "Maximaler Nenner", e.MaximalerNenner);
        ini.WriteInteger(Zahlenausgabe, "StandardStellen", e.StandardStellen);
        // Only once switched off: the default leaves the file as it always was.
        if (!e.ExakteWerte || ini.ValueExists(Zahlenausgabe, "Exakte Werte anzeigen"))
            ini.WriteBool(Zahlenausgabe, "Exakte Werte anzeigen", e.ExakteWerte);

        // Only once it has been switched on: until then the file stays as
        // it always was.
        if (e.Praesentation || ini.ValueExists(Darstellung, PraesentationsSchluessel))
            ini.WriteBool(Darstellung, PraesentationsSchluessel, e.Praesentation);
        // Only once changed from 10 pt.
        if (e.AusgabeSchriftgroesse != 10 ||
            ini.ValueExists(AusgabeSektion, AusgabeSchriftSchluessel))
            ini.WriteInteger(AusgabeSektion, AusgabeSchriftSchluessel, e.AusgabeSchriftgroesse);

        // Written once it was switched off, so that a file that never had
        // it stays as it was.
        if (!e.BeimZiehenEinrasten || ini.ValueExists(Ziehen, EinrastenSchluessel))
            ini.WriteBool(Ziehen, EinrastenSchluessel, e.BeimZiehenEinrasten);

        // The textbook view's section only once one of its settings was
        // changed: the file stays as it always was for everyone else.
        const TStandardEinstellungen vorgabe;
        if (e.Heftansicht != vorgabe.Heftansicht ||
            e.HeftAchsenIndiziert != vorgabe.HeftAchsenIndiziert ||
            e.HeftSpurdreieck != vorgabe.HeftSpurdreieck) {
            ini.WriteBool(HeftSektion, "Neue Fenster", e.Heftansicht);
            ini.WriteString(HeftSektion, "Achsennamen",
                            e.HeftAchsenIndiziert ? "x1 x2 x3" : "x y z");
            ini.WriteBool(HeftSektion, "Spurdreieck", e.HeftSpurdreieck);
        }

        if (OrdnerMerken(e.PfadSzenen)) ini.WriteString(Pfade, "Szenen", e.PfadSzenen);
        if (OrdnerMerken(e.PfadEinfuegeSzenen))
            ini.WriteString(Pfade, "EinfuegeSzenen", e.PfadEinfuegeSzenen);
        if (OrdnerMerken(e.PfadGrafiken)) ini.WriteString(Pfade, "Grafiken", e.PfadGrafiken);

        for (std::size_t n = 0; n < e.CustomColors.size(); ++n)
            ini.WriteString(CustomColorsSektion, "CC_" + std::to_string(n), e.CustomColors[n]);

        ini.UpdateFile();
    } catch (const std::exception&) {
        // A settings file that cannot be written must not keep the program open.
    }
}

void LadeStartdatei() {
    const std::string programm = ProgrammDatei();
    LadeStartdatei(Einstellungen(), StartdateiPfad(programm), OrdnerVon(programm));
}

void LadeEinstellungen() {
    LadeEinstellungen(Einstellungen(), EinstellungsDatei(Einstellungen()));
}

void SpeichereEinstellungen() {
    TStandardEinstellungen& e = Einstellungen();
    if (!e.SaveIniDatei) return;
    if (e.IniPfad.empty()) OrdnerAnlegen(StandardIniOrdner());
    SpeichereEinstellungen(e, EinstellungsDatei(e));
}

} // namespace kalvorin
