#include "model/Elementarten.h"

namespace kalvorin {

namespace {
template <class T> std::unique_ptr<TDreiDBasisElement> Neu() {
    return std::make_unique<T>();
}
} // namespace

using S = TStandardEinstellungen;
using A = TElementart;
using E = TEntstehungsart;

namespace {
// Every mapping's image follows its original.
constexpr std::uint32_t Bilder = Entstehungen({E::ASpiegelung, E::PSpiegelung, E::ESpiegelung,
                                               E::Streckung, E::O_Projektion, E::P_Projektion});
// A plane has no image under a projection.
constexpr std::uint32_t EbenenBilder =
    Entstehungen({E::ASpiegelung, E::PSpiegelung, E::ESpiegelung, E::Streckung});
} // namespace

const std::array<TArtangaben, AnzahlElementarten> Elementarten = {{
    {A::DfrPunkt, "DfrPunkt", "Punkt", "P", &S::DickpunktDicke, true, &Neu<TfrPunkt>,
     Bilder | Entstehungen({E::Schnitt, E::Mittelpunkt, E::Schwerpunkt, E::KugelSchnittpunkt,
                            E::Beruehrpunkt}),
     0, false},
    {A::DgebPunkt, "DgebPunkt", "Punkt", "", &S::DickpunktDicke, true, nullptr, 0, -1, false},
    {A::DVektor, "DVektor", "Vektor", "V", &S::DickgeradenDicke, false, &Neu<TVektor>,
     Bilder | Entstehungen({E::Add2, E::Add3, E::Gegenvektor, E::VProdukt}), 1, false},
    {A::DPfeil, "DPfeil", "Pfeil", "Pf", &S::DickgeradenDicke, true, &Neu<TPfeil>, Bilder, -1,
     true},
    {A::DStrecke, "DStrecke", "Strecke", "S", &S::DickgeradenDicke, true, &Neu<TStrecke>, Bilder, 4,
     true},
    {A::DGerade, "DGerade", "Gerade", "g", &S::DickgeradenDicke, true, &Neu<TGerade>,
     Bilder | Entstehungen({E::Schnitt, E::LotPE, E::LotPG, E::LotGG, E::Mittelgerade}), 2, false},
    {A::DDreieck, "DDreieck", "Dreieck", "D", &S::DickgeradenDicke, true, &Neu<TDreieck>, Bilder, 5,
     true},
    {A::DPyramide3, "DPyramide3", "Pyramide", "DP", &S::DickgeradenDicke, true, &Neu<TPyramide3>,
     Bilder, 6, true},
    {A::DEbene, "DEbene", "Ebene", "E", &S::RandDicke, true, &Neu<TEbene>,
     EbenenBilder | Entstehungen({E::MittelEbene, E::Tangentialebene}), 3, false},
    {A::DWinkel, "DWinkel", "Winkel", "", &S::DickgeradenDicke, true, nullptr, 0, -1, false},
    {A::DPllgr, "DPllgr", "Parallelogramm", "", &S::DickgeradenDicke, true, nullptr, 0, -1, false},
    {A::DSpat, "DSpat", "Spat", "", &S::DickgeradenDicke, true, nullptr, 0, -1, false},
    {A::DKugel, "DKugel", "Kugel", "K", &S::DickgeradenDicke, true, &Neu<TKugel>, EbenenBilder, 7,
     false, true},
    {A::DKreis, "DKreis", "Kreis", "k", &S::DickgeradenDicke, true, &Neu<TKreis>,
     EbenenBilder | Entstehungen({E::Schnitt}), 8, false, true},
    {A::DPSchar, "DPSchar", "Punktschar", "", &S::DickpunktDicke, true, nullptr, 0, -1, false},
    {A::DVschar, "DVschar", "Vektorschar", "", &S::DickgeradenDicke, false, nullptr, 0, -1, false},
    {A::DGschar, "DGschar", "Geradenschar", "", &S::DickgeradenDicke, true, nullptr, 0, -1, false},
    {A::DEschar, "DEschar", "Ebenenschar", "", &S::RandDicke, true, nullptr, 0, -1, false},
    // "Q": "V" would take the vectors' names.
    {A::DViereck, "DViereck", "Viereck", "Q", &S::DickgeradenDicke, true, &Neu<TViereck>, Bilder, 9,
     true, true},
    {A::DPyramide4, "DPyramide4", "Pyramide", "QP", &S::DickgeradenDicke, true, &Neu<TPyramide4>,
     Bilder, 10, true, true},
}};

bool WirdNachgerechnet(TElementart art, TEntstehungsart code) {
    const TArtangaben* a = Artangaben(static_cast<int>(art));
    return a && code != E::keine && (a->Nachgerechnet >> static_cast<unsigned>(code) & 1u) != 0;
}

const TArtangaben* Artangaben(int art) {
    return art >= 0 && art < AnzahlElementarten ? &Elementarten[static_cast<std::size_t>(art)]
                                                : nullptr;
}

std::string Artwort(TElementart art) {
    const TArtangaben* a = Artangaben(static_cast<int>(art));
    return a ? std::string(a->Wort) : std::string("Objekt");
}

} // namespace kalvorin
