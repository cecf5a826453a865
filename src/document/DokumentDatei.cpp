#include "document/Dokument.h"

#include "storage/Dokumentdatei.h"

namespace kalvorin {

bool TDokument::Laden(const std::string& datei) {
    const bool gelesen = DokumentLesen(datei, liste_, ks_, Rollen, false);
    // The coordinate system may have changed: window, display cube, sphere.
    AnsichtEinrichten();
    Neuaufbau();
    Geaendert = false;
    return gelesen;
}

bool TDokument::Einfuegen(const std::string& datei) {
    const bool gelesen = DokumentLesen(datei, liste_, ks_, Rollen, true);
    Geaendert = true;
    Neuaufbau();
    return gelesen;
}

bool TDokument::Speichern(const std::string& datei) {
    if (!DokumentSchreiben(datei, liste_, ks_))
        return false;
    Geaendert = false;
    return true;
}

} // namespace kalvorin
