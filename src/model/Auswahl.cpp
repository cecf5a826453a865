#include "model/Auswahl.h"

#include "model/ElementCast.h"
#include "model/Markierung.h"

namespace kalvorin {

namespace {

TAuswahl::Elemente* Fach(TAuswahl& a, TElementart art) {
    switch (art) {
    case TElementart::DfrPunkt:
        return &a.P;
    case TElementart::DVektor:
    case TElementart::DPfeil:
        return &a.V;
    case TElementart::DGerade:
        return &a.G;
    case TElementart::DEbene:
        return &a.E;
    case TElementart::DStrecke:
        return &a.S;
    case TElementart::DDreieck:
        return &a.D;
    case TElementart::DPyramide3:
        return &a.Y;
    default:
        return nullptr;
    }
}

} // namespace

TAuswahl::TAuswahl(const TListe& liste) {
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        TDreiDBasisElement* e = liste[i];
        if (!e->markiert) continue;
        Elemente* fach = Fach(*this, e->Art);
        if (!fach) continue;
        if (e->Art != TElementart::DPfeil) {
            fach->push_back(e);
        } else if (PfeilZaehltAlsVektor(*e)) {
            TDreiDBasisElement* v = Als<TPfeil>(*e).Vektor();
            fach->push_back(v ? v : e);
        }
    }
}

} // namespace kalvorin
