#include "ausgabe/ArbeitsblattAuswahl.h"

#include "document/Dokument.h"

#include <algorithm>

namespace kalvorin {

namespace {

bool Enthaelt(const TArbeitsblattAuswahl& a, const TArbeitsblattfrage& f) {
    return std::any_of(a.Zeilen.begin(), a.Zeilen.end(),
                       [&](const TFragenzeile& z) { return z.Frage == f; });
}

void Anfuegen(TArbeitsblattAuswahl& a, const TListe& liste, const TArbeitsblattfrage& f,
              bool gewaehlt) {
    a.Zeilen.push_back({f, Aufgabentext(liste, f), gewaehlt});
}

} // namespace

TArbeitsblattAuswahl AuswahlVon(const TDokument& d) {
    const TListe& liste = d.Liste();
    TArbeitsblattAuswahl a;
    const auto& eigene = d.Arbeitsblattfragen();
    for (const TArbeitsblattfrage& f :
         PassendeFragen(liste, eigene.value_or(StandardFragen(liste))))
        if (f.Art == TFragenart::Text) {
            a.FreieZeilen += (a.FreieZeilen.empty() ? "" : "\n") + f.Text;
        } else if (!Enthaelt(a, f)) {
            Anfuegen(a, liste, f, true);
        }
    for (const TArbeitsblattfrage& f : StandardFragen(liste))
        if (!Enthaelt(a, f)) Anfuegen(a, liste, f, false);
    return a;
}

int MessungenHinzufuegen(TArbeitsblattAuswahl& a, const TListe& liste) {
    int neu = 0;
    for (const TArbeitsblattfrage& f : Messfragen(liste))
        if (!Enthaelt(a, f)) {
            Anfuegen(a, liste, f, true);
            ++neu;
        }
    return neu;
}

TArbeitsblattfragen AuswahlFragen(const TArbeitsblattAuswahl& a) {
    TArbeitsblattfragen r;
    for (const TFragenzeile& z : a.Zeilen)
        if (z.Gewaehlt) r.push_back(z.Frage);
    for (TArbeitsblattfrage& f : FreieZeilen(a.FreieZeilen))
        r.push_back(std::move(f));
    return r;
}

std::string AuswahlPruefen(const TArbeitsblattAuswahl& a) {
    return FreieZeilenPruefen(a.FreieZeilen);
}

bool AuswahlUebernehmen(TDokument& d, const TArbeitsblattAuswahl& a) {
    TArbeitsblattfragen fragen = AuswahlFragen(a);
    if (!d.Arbeitsblattfragen() && fragen == StandardFragen(d.Liste())) return false;
    return d.ArbeitsblattfragenSetzen(std::move(fragen));
}

} // namespace kalvorin
