#include "geometry/Beschreibung.h"

#include "geometry/Auswertung.h"
#include "storage/Zahlen.h"

#include <charconv>
#include <string_view>

namespace kalvorin {

namespace {

using E = TEntstehungsart;

std::string NameVon(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string{};
}

// Fixed point with two decimals, right-aligned in five characters, always
// with "." whatever the user's separator.
std::string FaktorText(Real x) {
    char puffer[64];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, 2);
    std::string text = fehler == std::errc{} ? std::string(puffer, ende) : std::string("?");
    if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
    return text;
}

// Name + " = " + kind + "( " + A + " , " + B ... + " )".
std::string Aufruf(const TDreiDBasisElement& e, std::string_view art, int anzahl) {
    std::string text = e.Name + " = " + std::string(art) + "( ";
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) text += " , ";
        text += NameVon(e.Bezuege[i]);
    }
    return text + " )";
}

std::string PunktText(const TDreiDBasisElement& e) {
    if (e.Festlegung == TfrPunkt::PV)
        return e.Name + " = P( " + NameVon(e.Bezuege[0]) + " , " + NameVon(e.Bezuege[1]) + " )";
    TTripel p;
    PunktAuswerten(e, p);
    return e.Name + " = (" + FormatNumber(p.x) + "  ;  " + FormatNumber(p.y) + "  ;  " +
           FormatNumber(p.z) + ")";
}

std::string VektorText(const TDreiDBasisElement& e) {
    switch (e.Festlegung) {
    case TVektor::V2P:
        return Aufruf(e, "Vektor", 2);
    case TVektor::VG:
    case TVektor::VE:
    case TVektor::VPf:
        return Aufruf(e, "Vektor", 1);
    default:
        return e.Name + " = Vektor";
    }
}

std::string GeradeText(const TDreiDBasisElement& e) {
    if (e.Festlegung == TGerade::GPP || e.Festlegung == TGerade::GPV) return Aufruf(e, "Gerade", 2);
    return e.Name + " = Gerade";
}

std::string EbeneText(const TDreiDBasisElement& e) {
    switch (e.Festlegung) {
    case TEbene::EPPP:
    case TEbene::EPVV:
        return Aufruf(e, "Ebene", 3);
    case TEbene::EPG:
    case TEbene::EGG:
    case TEbene::EPV:
    case TEbene::EGV:
        return Aufruf(e, "Ebene", 2);
    default:
        return e.Name + " = Ebene";
    }
}

} // namespace

std::string EntstehungsText(const TDreiDBasisElement& e) {
    const TEntstehung& en = e.Entstehung;
    const std::string o = NameVon(en.Originalelement);
    const std::string e1 = NameVon(en.Elemente[0].Element);
    const std::string e2 = NameVon(en.Elemente[1].Element);
    const std::string e3 = NameVon(en.Elemente[2].Element);
    const std::string& n = e.Name;
    switch (en.Art) {
    case E::Schnitt:
        return n + " = " + e1 + " geschnitten mit " + e2;
    case E::ASpiegelung:
        return n + " = " + o + " gespiegelt an der Achse " + e1;
    case E::PSpiegelung:
        return n + " = " + o + " gespiegelt am Punkt " + e1;
    case E::ESpiegelung:
        return n + " = " + o + " gespiegelt an der Ebene " + e1;
    case E::Streckung:
        return n + " = " + o + " gestreckt vom Punkt " + e1 + " aus mit dem Faktor" +
               FaktorText(en.Elemente[1].Zahl);
    case E::O_Projektion:
        return n + " = " + o + " senkrecht projiziert auf die Ebene " + e1;
    case E::P_Projektion:
        return n + " = " + o + " projiziert auf die Ebene " + e1 + " in Richtung " + e2;
    case E::LotPE:
    case E::LotPG:
        return n + " ist das Lot von " + e1 + " auf " + e2;
    case E::LotGG:
        return n + " ist das gemeinsame Lot von " + e1 + " und " + e2;
    case E::TeilPunkt:
        return n + " teilt " + e1 + " und " + e2 + " im Verhältnis " +
               FormatNumber(en.Elemente[2].Zahl);
    case E::Mittelpunkt:
        return n + " ist der Mittelpunkt von " + e1 + " und " + e2;
    case E::Schwerpunkt:
        return n + " ist der Schwerpunkt der Punkte " + e1 + ", " + e2 + " und " + e3;
    case E::Mittelgerade:
        return n + " ist die Mittelgerade von " + e1 + " und " + e2;
    case E::MittelEbene:
        return n + " ist die Mittelebene von " + e1 + " und " + e2;
    case E::Add2:
        return n + " = " + e1 + " + " + e2;
    case E::Add3:
        return n + " = " + e1 + " + " + e2 + " + " + e3;
    case E::Gegenvektor:
        return n + " = -" + e1;
    case E::VProdukt:
        return n + " = " + e1 + " x " + e2;
    case E::SMult:
        return n + " = " + FormatNumber(en.Elemente[1].Zahl) + " * " + e1;
    default:
        return {};
    }
}

std::string FestlegungsText(const TDreiDBasisElement& e) {
    switch (e.Art) {
    case TElementart::DfrPunkt:
        return PunktText(e);
    case TElementart::DVektor:
        return VektorText(e);
    case TElementart::DPfeil:
        return Aufruf(e, "Pfeil", 2);
    case TElementart::DStrecke:
        return Aufruf(e, "Strecke", 2);
    case TElementart::DGerade:
        return GeradeText(e);
    case TElementart::DDreieck:
        return Aufruf(e, "Dreieck", 3);
    case TElementart::DPyramide3:
        return Aufruf(e, "Pyramide", 2);
    case TElementart::DEbene:
        return EbeneText(e);
    default:
        return e.Name;
    }
}

} // namespace kalvorin
