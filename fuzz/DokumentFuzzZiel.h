#pragma once
// One fuzz input through the document reader, and what every document it
// reads must satisfy. Shared by the libFuzzer target and the test that
// replays the seed corpus.
//
// Input: byte 0 chooses the decimal separator (bit 0) and whether the file
// is inserted into a small document that holds every mapping role (bit 1);
// the rest is the file.

#include "math/Koordinatensystem.h"
#include "model/Liste.h"
#include "model/Utf8.h"
#include "storage/Dokumentdatei.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/Einstellungen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <unistd.h>

namespace kalvorin::fuzz {

// The test that replays the corpus reports through this instead of aborting.
inline void (*DokumentFuzzMelden)(const char* regel) = nullptr;

inline void DokumentPruefen(bool bedingung, const char* regel) {
    if (!bedingung && DokumentFuzzMelden) {
        DokumentFuzzMelden(regel);
    } else if (!bedingung) {
        std::fprintf(stderr, "broken rule: %s\n", regel);
        std::abort();
    }
}

inline std::string DokumentFuzzDatei(const char* name) {
    static const std::string ordner = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
    return ordner + "kalvorin-dokfuzz-" + std::to_string(::getpid()) + "-" + name;
}

inline void DateiAblegen(const std::string& datei, std::string_view inhalt) {
    std::ofstream f(datei, std::ios::binary | std::ios::trunc);
    f.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

inline std::string DateiHolen(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A document that holds every mapping role and names files like to repeat.
inline constexpr std::string_view GrundDokument =
    "[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\nIstSpiegelzentrum=1\r\n"
    "IstStreckungszentrum=1\r\nStreckungsfaktor=2\r\n"
    "[B]\r\nElementart=0|DfrPunkt\r\nKoord=4|0|0\r\n"
    "[@g]\r\nElementart=5|DGerade\r\nFestlegung=1\r\nGPP=A|B\r\nIstSpiegelAchse=1\r\n"
    "[V]\r\nElementart=2|DVektor\r\nV=0|1|1\r\nIstP_ProjektionsVektor=1\r\n"
    "[E]\r\nElementart=8|DEbene\r\nFestlegung=1\r\nENOR=0|0|1|-1\r\nIstSpiegelEbene=1\r\n"
    "IstO_Projektionsebene=1\r\nIstP_Projektionsebene=1\r\nProjektionsvektor=V\r\n"
    "[____________]\r\nElementart=0|DfrPunkt\r\n"
    "[P1]\r\nElementart=0|DfrPunkt\r\nFestlegung=1\r\nPV=A|V\r\n";

// What every document the reader leaves behind must satisfy, so that the
// rebuild, the evaluation and the writer can rely on it.
inline void ListePruefen(const TListe& liste, const TKoordinatensystem& ks) {
    DokumentPruefen(liste.Anzahl() >= 0 && liste.Anzahl() <= TListe::Kapazitaet, "capacity");
    std::unordered_map<const TDreiDBasisElement*, int> slot;
    for (int i = 1; i <= liste.Anzahl(); ++i)
        slot[liste[i]] = i;
    const auto drin = [&slot](const TDreiDBasisElement* e) { return !e || slot.count(e) > 0; };
    std::set<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        DokumentPruefen(Utf8Laenge(e.Name) <= MaxNamenLaenge, "name length");
        DokumentPruefen(namen.insert(e.Name).second, "names unique");
        DokumentPruefen(HatElementklasse(e.ArtNummer()), "kind has a class");
        for (const auto* b : e.Bezuege)
            DokumentPruefen(drin(b), "definition reference in list");
        DokumentPruefen(drin(e.Entstehung.Originalelement), "original in list");
        for (const auto& op : e.Entstehung.Elemente)
            DokumentPruefen(drin(op.Element), "operand in list");
        DokumentPruefen(drin(e.Projektionsvektor), "projection vector in list");
        DokumentPruefen(!e.Projektionsvektor || e.Rolle(TRolle::IstP_Projektionsebene),
                        "projection vector only with its role");
        DokumentPruefen(static_cast<int>(e.Entstehung.Art) < AnzahlEntstehungsarten,
                        "derivation code");
        DokumentPruefen(e.Dicke >= 1 && e.Dicke <= 1000, "thickness");
        const auto* k = dokument::Festlegungsschluessel(e.ArtNummer(), e.Festlegung);
        DokumentPruefen(k != nullptr, "definition mode");
        if (k)
            for (int r = 0; r < k->Namen; ++r)
                DokumentPruefen(e.Bezuege[r] != nullptr, "every reference of the mode");
        if (e.Art == TElementart::DfrPunkt)
            DokumentPruefen(static_cast<const TfrPunkt&>(e).Punktform <= 4, "point form");
        if (e.Art == TElementart::DEbene) {
            const auto& p = static_cast<const TEbene&>(e);
            if (e.Festlegung == TEbene::ENOR)
                DokumentPruefen(!IstNullvektor(p.Normale), "normal form has a normal");
            if (e.Festlegung == TEbene::EPAR)
                DokumentPruefen(!IstNullvektor(Kreuzprodukt(p.Richtung1, p.Richtung2)),
                                "parameter form spans a plane");
        }
    }
    // No ring of references that the evaluation would follow for ever.
    for (int start = 1; start <= liste.Anzahl(); ++start) {
        std::vector<int> offen = {start};
        std::vector<char> besucht(static_cast<std::size_t>(liste.Anzahl()) + 1, 0);
        while (!offen.empty()) {
            const TDreiDBasisElement& e = *liste[offen.back()];
            offen.pop_back();
            for (std::size_t i = 0; i < 3; ++i) {
                if (!e.Bezuege[i] || (e.Art == TElementart::DPfeil && e.Festlegung == 0 && i == 2))
                    continue;
                const int z = slot[e.Bezuege[i]];
                DokumentPruefen(z != start, "no ring of references");
                if (!besucht[z]) {
                    besucht[z] = 1;
                    offen.push_back(z);
                }
            }
        }
    }
    DokumentPruefen(ks.Skalierung >= 0 && ks.Skalierung <= 5, "tick setting");
    for (const TAchsenDaten& a : ks.Achsen)
        DokumentPruefen(a.Unten < a.Oben, "axis range");
    DokumentPruefen(ks.H > 0, "display range");
}

inline void DokumentFuzzEingabe(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return;
    const std::uint8_t wahl = daten[0];
    Einstellungen().Dezimaltrenner = (wahl & 1) ? '.' : ',';
    const bool einfuegen = (wahl & 2) != 0;

    const std::string ein = DokumentFuzzDatei("ein.kvr");
    const std::string aus = DokumentFuzzDatei("aus.kvr");
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    if (einfuegen) {
        DateiAblegen(ein, GrundDokument);
        DokumentPruefen(DokumentLesen(ein, liste, ks, rollen, false), "base document reads");
        DokumentPruefen(liste.Anzahl() == 7 && rollen == 127, "base document complete");
    }
    DateiAblegen(ein, std::string_view(reinterpret_cast<const char*>(daten) + 1, groesse - 1));
    const TRollenMenge vorher = rollen;
    DokumentPruefen(DokumentLesen(ein, liste, ks, rollen, einfuegen), "file reads");
    std::remove(ein.c_str());
    if (einfuegen)
        DokumentPruefen(rollen == vorher, "inserting keeps the role set");
    else
        ks.AbgeleiteteDatenBerechnen();
    ListePruefen(liste, ks);

    // Whatever was read is written and read back as the same document, and
    // after one round nothing changes any more.
    if (!DokumentSchreiben(aus, liste, ks))
        return; // a name that cannot be stored: refused, checked by the tests
    TListe zwei;
    TKoordinatensystem ks2;
    TRollenMenge rollen2 = 0;
    DokumentPruefen(DokumentLesen(aus, zwei, ks2, rollen2, false), "written file reads");
    ListePruefen(zwei, ks2);
    DokumentPruefen(zwei.Anzahl() == liste.Anzahl(), "every element survives saving");
    for (int i = 1; i <= std::min(zwei.Anzahl(), liste.Anzahl()); ++i)
        DokumentPruefen(zwei[i]->Name == liste[i]->Name, "names survive saving");
    DokumentPruefen(DokumentSchreiben(aus, zwei, ks2), "read document writes");
    const std::string zweit = DateiHolen(aus);
    TListe drei;
    TKoordinatensystem ks3;
    TRollenMenge rollen3 = 0;
    DokumentPruefen(DokumentLesen(aus, drei, ks3, rollen3, false), "second file reads");
    DokumentPruefen(DokumentSchreiben(aus, drei, ks3), "second document writes");
    DokumentPruefen(DateiHolen(aus) == zweit, "saving is stable");
    DokumentPruefen(rollen3 == rollen2, "roles are stable");
    std::remove(aus.c_str());
}

} // namespace kalvorin::fuzz
