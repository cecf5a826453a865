#include "ui/TViereckDLG.h"

namespace kalvorin {

namespace {
constexpr TEingabeArt<TViereckEingabe> Viereck{
    .Art = TElementart::DViereck,
    .Neu = ViereckEingabeNeu,
    .AusElement = ViereckEingabeAusElement,
    .Pruefen = ViereckPruefen,
    .FuerNaechste = nullptr,
    .Uebernehmen = ViereckUebernehmen,
};
} // namespace

TViereckDLG::TViereckDLG(QWidget* eltern)
    : TEckenDialog(Viereck, QStringLiteral("Festlegen eines Vierecks"), QStringLiteral("Viereck"),
                   ViereckMasse, eltern) {}

} // namespace kalvorin
