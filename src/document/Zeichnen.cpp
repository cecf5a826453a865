#include "document/Zeichnen.h"

#include "document/Dokument.h"

namespace kalvorin {

void SeiteZeichnen(TZeichenflaeche& f, const TLogRechteck& seite, const TZeichenOptionen& o) {
    if (!o.GrauesFenster && !o.Seitenrahmen) return;
    // Width 0: one device pixel on every target, however large.
    f.SetzeStift({Schwarz, 0, TStiftStil::Durchgezogen});
    f.SetzeRasterModus(TRasterModus::Kopieren);
    if (o.GrauesFenster) {
        f.SetzePinsel({TPinselArt::Voll, RGB(128, 128, 128), SchraffurKeine, {}});
        f.Rechteck(seite);
    }
    if (o.Seitenrahmen) {
        f.SetzePinsel({});
        f.Rechteck(seite);
    }
}

void DokumentZeichnen(TDokument& d, TZeichenflaeche& f, const TZeichenOptionen& o) {
    DokumentZeichnenVorbereiten(d);
    VorbereitetesDokumentZeichnen(d, f, o);
}

void HeftansichtSetzen(TDokument& d, bool an) {
    if (Heftansicht(d) == an) return;
    d.Szene().SetzeProjektionsart(an ? TProjektionsart::Heft : TProjektionsart::Schraeg);
    // The window of the drawing plane follows the projection; the
    // coordinate system itself stays, and so does the modified flag.
    d.KoordinatensystemAendern([](TKoordinatensystem&) {}, false);
    d.Ausgangslage();
}

bool Heftansicht(const TDokument& d) {
    return d.Szene().Heftansicht();
}

void DokumentZeichnenVorbereiten(TDokument& d) {
    d.NamenSetzen();
}

void VorbereitetesDokumentZeichnen(const TDokument& d, TZeichenflaeche& f,
                                   const TZeichenOptionen& o) {
    SeiteZeichnen(f, d.Abbildung().LogischesFenster(), o);
    if (o.Kugel) d.Szene().KugelumrissZeichnen(f);
    if (!o.Markierungen) {
        d.Szene().Zeichnen(f);
        return;
    }
    TObjektmenge markiert;
    const TListe& l = d.Liste();
    for (int i = 1; i <= l.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *l[i];
        if (!e.markiert || !e.sichtbar) continue;
        // Bit 0 of the element's set means "none yet", never an object.
        for (int nr = 1; nr <= d.Szene().Objektzahl() && nr <= MaxSzenenObjekte; ++nr)
            if (e.Szenenobjekte.test(static_cast<std::size_t>(nr)))
                markiert.set(static_cast<std::size_t>(nr));
    }
    d.Szene().Zeichnen(f, &markiert);
}

} // namespace kalvorin
