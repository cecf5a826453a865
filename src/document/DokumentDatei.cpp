#include "document/Dokument.h"

#include "storage/Dokumentdatei.h"

namespace kalvorin {

TLadeergebnis TDokument::Laden(const std::string& datei, bool schreibgeschuetzt) {
    // After "Einlesefehler", or when elements could not be read, the
    // document holds only part of the file and must not take its name.
    bool vollstaendig = false;
    HistorieVerwerfen();
    TBlattfragen fragen;
    if (DokumentLesen(datei, liste_, ks_, rollen_, false, &vollstaendig, &fragen))
        fragen_ = AusBlattfragen(fragen);
    const TLadeergebnis ergebnis = vollstaendig           ? TLadeergebnis::Gelesen
                                   : liste_.Anzahl() == 0 ? TLadeergebnis::Nichts
                                                          : TLadeergebnis::Teilweise;
    dateiname_ = ergebnis == TLadeergebnis::Gelesen ? datei : std::string();
    schreibgeschuetzt_ = ergebnis == TLadeergebnis::Gelesen && schreibgeschuetzt;
    geaendert_ = ergebnis == TLadeergebnis::Teilweise;
    gespeichert_ = geaendert_ ? 0 : inhalt_;
    // The coordinate system may have changed: window, display cube, sphere.
    AnsichtEinrichten();
    Neuaufbau();
    return ergebnis;
}

bool TDokument::Einfuegen(const std::string& datei, bool* vollstaendig) {
    bool gelesen = false;
    TAenderung wie;
    wie.Schritt = "Einfügen";
    Aendern(
        [&](TListe& liste) {
            const int vorher = liste.Anzahl();
            gelesen = DokumentLesen(datei, liste, ks_, rollen_, true, vollstaendig);
            // A file that held no element changes nothing: no undo step that
            // undoes nothing, no modified flag. One whose reading stopped
            // half-way has added what it read before: that is a step.
            return liste.Anzahl() > vorher;
        },
        wie);
    return gelesen;
}

bool TDokument::Speichern(const std::string& datei) {
    if (!DokumentSchreiben(datei, liste_, ks_, AlsBlattfragen(fragen_))) return false;
    dateiname_ = datei;
    schreibgeschuetzt_ = false;
    GespeichertSetzen();
    Melden();
    return true;
}

} // namespace kalvorin
