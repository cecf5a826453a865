#include "ui/TDreieckDLG.h"

namespace kalvorin {

namespace {
constexpr TEingabeArt<TDreieckEingabe> Dreieck{
    .Art = TElementart::DDreieck,
    .Neu = DreieckEingabeNeu,
    .AusElement = DreieckEingabeAusElement,
    .Pruefen = DreieckPruefen,
    .FuerNaechste = nullptr,
    .Uebernehmen = DreieckUebernehmen,
};
} // namespace

TDreieckDLG::TDreieckDLG(QWidget* eltern)
    : TEckenDialog(Dreieck, QStringLiteral("Festlegen eines Dreiecks"), QStringLiteral("Dreieck"),
                   DreieckMasse, eltern) {}

} // namespace kalvorin
