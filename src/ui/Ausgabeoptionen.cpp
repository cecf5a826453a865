#include "ui/Ausgabeoptionen.h"

#include <QObject>

namespace kalvorin {

namespace {

// Held as a child of the view, so that it lives exactly as long.
class TFensterAusgabeHalter : public QObject {
public:
    using QObject::QObject;
    TFensterAusgabe Daten;
};

} // namespace

TAusgabeoptionen& Ausgabeoptionen() {
    static TAusgabeoptionen optionen;
    return optionen;
}

TFensterAusgabe& FensterAusgabe(QObject* ansicht) {
    for (QObject* kind : ansicht->children())
        if (auto* halter = dynamic_cast<TFensterAusgabeHalter*>(kind)) return halter->Daten;
    return (new TFensterAusgabeHalter(ansicht))->Daten;
}

} // namespace kalvorin
