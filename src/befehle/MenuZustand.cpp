#include "befehle/MenuZustand.h"

namespace kalvorin {

bool IstSchreibgeschuetzt(const std::string& beschriftung) {
    return beschriftung.find("schreibgeschützt") != std::string::npos;
}

TMenuZustand BerechneMenuZustand(const TFensterZustand& z) {
    TMenuZustand m;
    const bool einDokument = z.AnzahlDokumente > 0;
    const bool mehrere = z.AnzahlDokumente > 1;

    m.Bearbeiten = m.Festlegen = m.Konstruieren = m.Abbilden = m.Messen = einDokument;
    m.Ansicht = m.Fenster = einDokument;
    m.Einfuegen = m.Schliessen = m.Speichern_unter = einDokument;
    m.Grafik_speichern = m.Grafik_Drucken = m.Kopieren = einDokument;
    m.AlleSchliessen = einDokument;

    // A document opened read-only may only be written under another name.
    m.Speichern = z.AktivesDokument && !IstSchreibgeschuetzt(z.AktiveBeschriftung);
    m.Druckereinstellungen = true;

    m.Loeschen = einDokument && z.AktivesDokument && z.ElementMarkiert;

    m.Nebeneinander = m.Uebereinander = m.Ueberlappend = mehrere;
    return m;
}

} // namespace kalvorin
