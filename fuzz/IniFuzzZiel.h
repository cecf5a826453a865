#pragma once
// One fuzz input through the INI content and the value decoders. Shared by
// the libFuzzer target and the test that replays the seed corpus, so every
// input the fuzzer once kept is checked in the normal test run too.
//
// Input: byte 0 chooses the number settings, the rest is an INI file.
// A broken rule aborts (through IniFuzzPruefen), which both runners report.

#include "math/Tripel.h"
#include "storage/Cp1252.h"
#include "storage/Einstellungen.h"
#include "storage/Felder.h"
#include "storage/IniInhalt.h"
#include "zahlen/Zahlen.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace kalvorin::fuzz {

// The test that replays the corpus reports through this instead of aborting.
inline void (*IniFuzzMelden)(const char* regel) = nullptr;

inline void IniFuzzPruefen(bool bedingung, const char* regel) {
    if (!bedingung && IniFuzzMelden) {
        IniFuzzMelden(regel);
    } else if (!bedingung) {
        std::fprintf(stderr, "broken rule: %s\n", regel);
        std::abort();
    }
}

inline std::string OhneUmbruch(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

inline std::string_view OhneBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

inline void WertPruefen(const std::string& cp1252) {
    const std::string utf8 = Cp1252ZuUtf8(cp1252);

    // Text conversion: only the five bytes without a character are lost.
    std::string erwartet = cp1252;
    bool darstellbar = true;
    for (char& c : erwartet) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            c = '?';
            darstellbar = false;
        }
    }
    IniFuzzPruefen(Utf8ZuCp1252(utf8) == erwartet, "1252 round trip");
    IniFuzzPruefen(InCp1252Darstellbar(utf8) == darstellbar, "1252 representable");

    IniFuzzPruefen(UnescapeName(EscapeName(utf8)) == utf8, "escape round trip");
    (void)UnescapeName(utf8);
    (void)EscapeName(Utf8ZuCp1252(utf8)); // broken UTF-8 as well

    (void)IntegerAusText(utf8, 7);
    try {
        (void)FirstFieldToInt(utf8);
    } catch (const EKonvertierungsfehler&) {
    }
    try {
        (void)FieldToColor(utf8);
    } catch (const EKonvertierungsfehler&) {
    }
    std::string liste = utf8;
    try {
        (void)FieldsToTripel(liste);
        (void)FieldsToPair(liste);
    } catch (const EKonvertierungsfehler&) {
    }
    // NextField consumes the list completely, one field at a time.
    liste = utf8;
    std::size_t felder = 0;
    std::string zusammen;
    while (!liste.empty()) {
        if (felder++) zusammen += '|';
        zusammen += NextField(liste);
    }
    IniFuzzPruefen(zusammen == utf8 || (utf8.back() == '|' && zusammen + "|" == utf8), "NextField");

    bool istReal = true;
    Real x = 0;
    try {
        x = FieldToReal(utf8);
    } catch (const EKonvertierungsfehler&) {
        istReal = false;
    }
    if (istReal) {
        // What was read can be written and read again (an exception here
        // escapes and counts as a finding).
        const std::string t = RealToField(x);
        const Real y = FieldToReal(t);
        IniFuzzPruefen(RealToField(y) == t, "real text is stable");
        IniFuzzPruefen(std::fabs(y - x) <= std::fabs(x) * 1e-14L, "real round trip");
    }

    const TZahl z = ParseNumber(utf8);
    IniFuzzPruefen(z.Code >= 0 && z.Code <= 3, "parse code");
    if (z.Code == ZahlGueltig) IniFuzzPruefen(z.Wert >= -256 && z.Wert <= 256, "parse range");
    const TZahl r = ParseReal(utf8);
    if (r.Code == ZahlGueltig) {
        IniFuzzPruefen(FormatNumber(r.Wert).size() <= 12, "FormatNumber width");
        IniFuzzPruefen(FormatMeasure(r.Wert).size() <= 20, "FormatMeasure width");
        for (int p = 1; p <= 19; p += 6) {
            const std::string g = FormatGeneral(r.Wert, p);
            IniFuzzPruefen(!g.empty() && g.size() < 40, "FormatGeneral width");
        }
    }
    (void)DifferenceText(utf8, "1");
}

// A file of this process in memory when the system has /dev/shm.
inline std::string FuzzDatei(const char* name) {
    static const std::string ordner = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
    return ordner + "kalvorin-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

// Any settings file loads into settings the program can work with, and after
// one round of saving and loading, saving and loading changes nothing.
inline void EinstellungenPruefen(std::string_view datei) {
    const std::string ein = FuzzDatei("ein.ini");
    const std::string aus = FuzzDatei("aus.ini");
    {
        std::ofstream f(ein, std::ios::binary | std::ios::trunc);
        f.write(datei.data(), static_cast<std::streamsize>(datei.size()));
    }
    TStandardEinstellungen e;
    LadeEinstellungen(e, ein);
    IniFuzzPruefen(e.Punktform >= 0 && e.Punktform <= 4, "point form");
    IniFuzzPruefen(e.HilfslinienStrichart >= 0 && e.HilfslinienStrichart <= 2, "line style");
    IniFuzzPruefen(e.SkalierungsStriche >= 0 && e.SkalierungsStriche <= 5, "tick marks");
    IniFuzzPruefen(e.DickpunktDicke >= 2 && e.DickpunktDicke <= 4, "point size");
    IniFuzzPruefen(e.EbenenTransparenz >= 0 && e.EbenenTransparenz <= 4, "transparency");
    IniFuzzPruefen(e.AchsenLaenge >= 1 && e.AchsenLaenge <= 1000, "axis length");
    IniFuzzPruefen(e.StandardStellen >= 0 && e.StandardStellen <= 6, "digits");
    IniFuzzPruefen(e.CustomColors.size() <= 16, "custom colours");

    std::remove(aus.c_str());
    SpeichereEinstellungen(e, aus);
    TStandardEinstellungen e2;
    LadeEinstellungen(e2, aus);
    std::remove(aus.c_str());
    SpeichereEinstellungen(e2, aus);
    TStandardEinstellungen e3;
    LadeEinstellungen(e3, aus);
    IniFuzzPruefen(e3 == e2, "settings round trip");
    std::remove(aus.c_str());
    std::remove(ein.c_str());
}

inline void IniFuzzEingabe(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return;
    TStandardEinstellungen& e = Einstellungen();
    const std::uint8_t wahl = daten[0];
    e.Dezimaltrenner = (wahl & 1) ? '.' : ',';
    e.ZahlenAlsBrueche = (wahl & 2) != 0;
    e.StandardStellen = (wahl >> 2) & 7;
    static constexpr int Nenner[8] = {100, 1, 0, -5, 7, 19, 1000000, 2147483647};
    e.MaximalerNenner = Nenner[(wahl >> 5) & 7];

    const std::string_view datei(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    TIniInhalt ini;
    ini.Laden(datei);

    // Writing out and reading in again changes nothing more.
    const std::string text = ini.Text();
    TIniInhalt wieder;
    wieder.Laden(text);
    IniFuzzPruefen(wieder.Text() == text, "text is stable");

    const std::vector<std::string> namen = ini.Sektionsnamen();
    IniFuzzPruefen(wieder.Sektionsnamen() == namen, "section names are stable");

    // Values of the first sections under the keys that stand in the file.
    std::vector<std::pair<std::string, std::string>> paare;
    std::string sektion;
    std::size_t pos = 0;
    while (pos < datei.size() && paare.size() < 64) {
        std::size_t ende = datei.find('\n', pos);
        if (ende == std::string_view::npos) ende = datei.size();
        std::string_view zeile = datei.substr(pos, ende - pos);
        pos = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        const std::string_view z = OhneBlanks(zeile);
        if (!z.empty() && z.front() == '[' && z.rfind(']') != std::string_view::npos) {
            sektion = std::string(OhneBlanks(z.substr(1, z.rfind(']') - 1)));
        } else if (const auto gleich = zeile.find('='); gleich != std::string_view::npos) {
            paare.emplace_back(sektion, std::string(zeile.substr(0, gleich)));
        }
    }
    for (const auto& [s, k] : paare)
        if (const auto wert = ini.Lesen(s, k)) {
            IniFuzzPruefen(wert->size() <= TIniInhalt::MaxWertLaenge, "value length");
            IniFuzzPruefen(wieder.Lesen(s, k) == wert, "value is stable");
            WertPruefen(*wert);
        }
    WertPruefen(std::string(datei.substr(0, 300)));
    EinstellungenPruefen(datei);

    // A value written is read back, also after a round through the text,
    // and other keys keep theirs. Keys with "=" or starting with "[" cannot
    // be written as keys at all; the writers never use such keys.
    if (!paare.empty()) {
        const auto& [s, k] = paare.front();
        const std::string neu = OhneUmbruch(std::string(datei.substr(0, 40)));
        const std::string ziel = sektion.empty() ? "Neu" : sektion;
        const auto vorher = ini.Lesen(s, k);
        const std::string schluessel = "Schl";
        ini.Schreiben(ziel, schluessel, neu);
        const std::string erwartet(OhneBlanks(neu));
        IniFuzzPruefen(ini.Lesen(ziel, schluessel) == erwartet, "written value");
        TIniInhalt nachher;
        nachher.Laden(ini.Text());
        IniFuzzPruefen(nachher.Lesen(ziel, schluessel) == erwartet, "written value after reload");
        if (IniFalten(OhneBlanks(k)) != IniFalten(schluessel) ||
            IniFalten(OhneBlanks(s)) != IniFalten(OhneBlanks(ziel)))
            IniFuzzPruefen(nachher.Lesen(s, k) == vorher, "other keys keep their values");
    }
}

} // namespace kalvorin::fuzz
