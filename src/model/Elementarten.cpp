#include "model/Elementarten.h"

namespace kalvorin {

namespace {
template <class T> std::unique_ptr<TDreiDBasisElement> Neu() {
    return std::make_unique<T>();
}
} // namespace

using S = TStandardEinstellungen;
using A = TElementart;

const std::array<TArtangaben, AnzahlElementarten> Elementarten = {{
    {A::DfrPunkt, "DfrPunkt", "Punkt", "P", &S::DickpunktDicke, true, &Neu<TfrPunkt>},
    {A::DgebPunkt, "DgebPunkt", "Punkt", "", &S::DickpunktDicke, true, nullptr},
    {A::DVektor, "DVektor", "Vektor", "V", &S::DickgeradenDicke, false, &Neu<TVektor>},
    {A::DPfeil, "DPfeil", "Pfeil", "Pf", &S::DickgeradenDicke, true, &Neu<TPfeil>},
    {A::DStrecke, "DStrecke", "Strecke", "S", &S::DickgeradenDicke, true, &Neu<TStrecke>},
    {A::DGerade, "DGerade", "Gerade", "g", &S::DickgeradenDicke, true, &Neu<TGerade>},
    {A::DDreieck, "DDreieck", "Dreieck", "D", &S::DickgeradenDicke, true, &Neu<TDreieck>},
    {A::DPyramide3, "DPyramide3", "Pyramide", "DP", &S::DickgeradenDicke, true, &Neu<TPyramide3>},
    {A::DEbene, "DEbene", "Ebene", "E", &S::RandDicke, true, &Neu<TEbene>},
}};

const TArtangaben* Artangaben(int art) {
    return art >= 0 && art < AnzahlElementarten ? &Elementarten[static_cast<std::size_t>(art)]
                                                : nullptr;
}

} // namespace kalvorin
