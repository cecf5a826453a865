#pragma once
// Tests set up a document's content directly, element by element, instead
// of through the commands; what they then check goes the normal way.

#include "document/Dokument.h"

namespace kalvorin {

struct TDokumentTestzugang {
    static TListe& Liste(TDokument& d) { return d.liste_; }
    static TKoordinatensystem& Koordinatensystem(TDokument& d) { return d.ks_; }
    static void SetzeGeaendert(TDokument& d, bool geaendert) { d.geaendert_ = geaendert; }
    // The view's own position, for tests that turn it to a given angle.
    static tGSzene& Szene(TDokument& d) { return d.szene_; }
};

namespace test {
inline TListe& Liste(TDokument& d) {
    return TDokumentTestzugang::Liste(d);
}
inline tGSzene& Szene(TDokument& d) {
    return TDokumentTestzugang::Szene(d);
}
inline void SetzeGeaendert(TDokument& d, bool geaendert) {
    TDokumentTestzugang::SetzeGeaendert(d, geaendert);
}
} // namespace test

} // namespace kalvorin
