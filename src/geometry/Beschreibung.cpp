#include "geometry/Beschreibung.h"

#include "geometry/Auswertung.h"
#include "math/Gleitkommatext.h"
#include "model/Konstruktionsarten.h"
#include "zahlen/Zahlen.h"

#include <charconv>
#include <string_view>

namespace kalvorin {

namespace {

std::string NameVon(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string{};
}

// Fixed point with two decimals, right-aligned in five characters, always
// with "." whatever the user's separator.
std::string FaktorText(Real x) {
    char puffer[64];
    const auto [ende, fehler] =
        GleitkommaSchreiben(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, 2);
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

// "K1 = Kugel( M(1;2;3) , r = 7 )"; a sphere by points "K1 = Kugel( M , P )".
std::string KugelText(const TDreiDBasisElement& e) {
    if (e.Art == TElementart::DKugel && e.Festlegung != TKugel::MR) return Aufruf(e, "Kugel", 2);
    TGeometrie g;
    Auswerten(e, g);
    const TTripel m = g.Punkt;
    return e.Name + " = " + (e.Art == TElementart::DKugel ? "Kugel" : "Kreis") + "( M(" +
           FormatNumber(m.x) + ";" + FormatNumber(m.y) + ";" + FormatNumber(m.z) +
           ") , r = " + FormatNumber(g.Radius) + " )";
}

} // namespace

std::string EntstehungsText(const TDreiDBasisElement& e) {
    const TEntstehung& en = e.Entstehung;
    const TKonstruktionsangaben* k = Konstruktionsangaben(static_cast<int>(en.Art));
    if (!k) return {};
    // The row's pattern with its fields filled in.
    const std::string_view muster = k->Beschreibung;
    std::string text;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const std::size_t ende = muster[i] == '{' ? muster.find('}', i) : std::string_view::npos;
        if (ende == std::string_view::npos) {
            text += muster[i];
            continue;
        }
        const std::string_view feld = muster.substr(i + 1, ende - i - 1);
        const auto platz = [&](char c) { return static_cast<std::size_t>(c - '1'); };
        if (feld == "n")
            text += e.Name;
        else if (feld == "o")
            text += NameVon(en.Originalelement);
        else if (feld.size() == 1)
            text += NameVon(en.Elemente[platz(feld[0])].Element);
        else if (feld[0] == 'z')
            text += FormatNumber(en.Elemente[platz(feld[1])].Zahl);
        else
            text += FaktorText(en.Elemente[platz(feld[1])].Zahl);
        i = ende;
    }
    return text;
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
    case TElementart::DPyramide4:
        return Aufruf(e, "Pyramide", 2);
    case TElementart::DViereck:
        return Aufruf(e, "Viereck", 4);
    case TElementart::DEbene:
        return EbeneText(e);
    case TElementart::DKugel:
    case TElementart::DKreis:
        return KugelText(e);
    default:
        return e.Name;
    }
}

} // namespace kalvorin
