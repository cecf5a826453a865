#pragma once
// The circle dialog without its widgets: centre, normal of its plane and
// radius typed; the checks and the write-back. A derived circle (an
// intersection) only shows its values.

#include "eingabe/ElementEingabe.h"

#include <string>

namespace kalvorin {

struct TKreisEingabe : TElementEingabe {
    TFeldTexte Mitte;
    TFeldTexte Normale;
    std::string Radius;
    bool NurLesen = false;
    TFeldTexte MitteAngezeigt, NormaleAngezeigt;
    TTripel MitteGehalten, NormaleGehalten;
    std::string RadiusAngezeigt;
    Real RadiusGehalten = 0;
};

TKreisEingabe KreisEingabeNeu(const TListe& liste);
TKreisEingabe KreisEingabeAusElement(const TListe& liste, int position);
void KreisFuerNaechste(TKreisEingabe& e, const TListe& liste);

inline constexpr const char* KreisNormaleFehlerText =
    "Der Normalenvektor ist nicht richtig festgelegt oder der Nullvektor!";

TEingabePruefung KreisPruefen(const TListe& liste, const TKreisEingabe& e);
bool KreisAusDialog(TListe& liste, int position, const TKreisEingabe& e);
int KreisUebernehmen(TDokument& dokument, const TKreisEingabe& e);

} // namespace kalvorin
