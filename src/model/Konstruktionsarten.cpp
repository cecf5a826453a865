#include "model/Konstruktionsarten.h"

#include "model/Elementarten.h"

namespace kalvorin {

namespace {
using E = TEntstehungsart;
using R = TRolle;
using W = TLoesungswegart;
constexpr TOperand K = TOperand::Keiner, N = TOperand::Name, Z = TOperand::Zahl;
constexpr int KeineRolle = -1;
constexpr int Rolle(R r) {
    return static_cast<int>(r);
}

constexpr TSchrittname Gebildet(std::string_view wort) {
    return {{}, {}, wort, false, "bilden"};
}
// An image; the reserved codes, should a file hold one, are named so too.
constexpr TSchrittname Bild{{}, {}, "Bild", false, "erzeugen"};
constexpr TSchrittname Lot{"Lotfußpunkt", "Lot", "", true, "erzeugen"};
} // namespace

const std::array<TKonstruktionsangaben, AnzahlEntstehungsarten> Konstruktionsarten = {{
    {E::keine,
     "keine",
     false,
     {K, K, K},
     0,
     KeineRolle,
     "",
     {{}, {}, "", true, "festlegen"},
     W::Mass},
    {E::Schnitt,
     "Schnitt",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} = {1} geschnitten mit {2}",
     {"Schnittpunkt", "Schnittgerade", "Schnitt", true, "bilden"},
     W::Schnitt},
    {E::ASpiegelung,
     "ASpiegelung",
     true,
     {N, K, K},
     0,
     Rolle(R::IstSpiegelAchse),
     "{n} = {o} gespiegelt an der Achse {1}",
     Bild,
     W::Spiegelung},
    {E::PSpiegelung,
     "PSpiegelung",
     true,
     {N, K, K},
     0,
     Rolle(R::IstSpiegelzentrum),
     "{n} = {o} gespiegelt am Punkt {1}",
     Bild,
     W::Spiegelung},
    {E::ESpiegelung,
     "ESpiegelung",
     true,
     {N, K, K},
     0,
     Rolle(R::IstSpiegelEbene),
     "{n} = {o} gespiegelt an der Ebene {1}",
     Bild,
     W::Spiegelung},
    {E::Streckung,
     "Streckung",
     true,
     {N, Z, K},
     0,
     Rolle(R::IstStreckungszentrum),
     "{n} = {o} gestreckt vom Punkt {1} aus mit dem Faktor{f2}",
     Bild,
     W::Keiner},
    {E::Drehung, "Drehung", false, {K, K, K}, 0, KeineRolle, "", Bild, W::Keiner},
    {E::Translation, "Translation", false, {K, K, K}, 0, KeineRolle, "", Bild, W::Keiner},
    {E::O_Projektion,
     "O_Projektion",
     true,
     {N, K, K},
     0,
     Rolle(R::IstO_Projektionsebene),
     "{n} = {o} senkrecht projiziert auf die Ebene {1}",
     Bild,
     W::Keiner},
    {E::P_Projektion,
     "P_Projektion",
     true,
     {N, N, K},
     0,
     Rolle(R::IstP_Projektionsebene),
     "{n} = {o} projiziert auf die Ebene {1} in Richtung {2}",
     Bild,
     W::Keiner},
    {E::LotPE,
     "LotPE",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} ist das Lot von {1} auf {2}",
     Lot,
     W::LotPunktEbene},
    {E::LotPG,
     "LotPG",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} ist das Lot von {1} auf {2}",
     Lot,
     W::LotPunktGerade},
    {E::LotGG,
     "LotGG",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} ist das gemeinsame Lot von {1} und {2}",
     Lot,
     W::LotGeraden},
    {E::TeilPunkt,
     "TeilPunkt",
     false,
     {N, N, Z},
     0b011,
     KeineRolle,
     "{n} teilt {1} und {2} im Verhältnis {z3}",
     Gebildet("Teilpunkt"),
     W::Keiner},
    {E::Mittelpunkt,
     "Mittelpunkt",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} ist der Mittelpunkt von {1} und {2}",
     Gebildet("Mittelpunkt"),
     W::Keiner},
    {E::Schwerpunkt,
     "Schwerpunkt",
     false,
     {N, N, N},
     0b111,
     KeineRolle,
     "{n} ist der Schwerpunkt der Punkte {1}, {2} und {3}",
     Gebildet("Schwerpunkt"),
     W::Keiner},
    {E::Mittelgerade,
     "Mittelgerade",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} ist die Mittelgerade von {1} und {2}",
     Gebildet("Mittelgerade"),
     W::Keiner},
    {E::MittelEbene,
     "MittelEbene",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} ist die Mittelebene von {1} und {2}",
     Gebildet("Mittelebene"),
     W::Keiner},
    {E::Add2,
     "Add2",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} = {1} + {2}",
     Gebildet("Vektorsumme"),
     W::Keiner},
    {E::Add3,
     "Add3",
     false,
     {N, N, N},
     0b111,
     KeineRolle,
     "{n} = {1} + {2} + {3}",
     Gebildet("Vektorsumme"),
     W::Keiner},
    {E::Gegenvektor,
     "Gegenvektor",
     false,
     {N, K, K},
     0b001,
     KeineRolle,
     "{n} = -{1}",
     Gebildet("Gegenvektor"),
     W::Keiner},
    {E::VProdukt,
     "VProdukt",
     false,
     {N, N, K},
     0b011,
     KeineRolle,
     "{n} = {1} x {2}",
     Gebildet("Vektorprodukt"),
     W::Keiner},
    {E::SMult,
     "SMult",
     false,
     {N, Z, K},
     0b001,
     KeineRolle,
     "{n} = {z2} * {1}",
     Gebildet("Vielfaches"),
     W::Keiner},
    {E::Antragen, "Antragen", false, {K, K, K}, 0, KeineRolle, "", Bild, W::Keiner},
}};

const TKonstruktionsangaben* Konstruktionsangaben(int code) {
    return code >= 0 && code < AnzahlEntstehungsarten
               ? &Konstruktionsarten[static_cast<std::size_t>(code)]
               : nullptr;
}

bool FuerFruehereFrei(const TDreiDBasisElement& e) {
    const TEntstehung& en = e.Entstehung;
    if (en.Art == TEntstehungsart::keine) return false;
    if (Konstruktionsangaben(en.Art).UnbekanntFrueher) return true;
    const auto unbekannt = [](const TDreiDBasisElement* q) {
        const TArtangaben* a = q ? Artangaben(q->ArtNummer()) : nullptr;
        return a && a->UnbekanntFrueher;
    };
    if (unbekannt(&e)) return false; // earlier versions skip the element itself
    if (unbekannt(en.Originalelement)) return true;
    for (const TEntstehungsElement& q : en.Elemente)
        if (unbekannt(q.Element)) return true;
    return false;
}

} // namespace kalvorin
