#include "befehle/Befehle.h"

#include "befehle/BefehleHilfen.h"
#include "model/StandardEinstellungen.h"

#include <array>

namespace kalvorin {

namespace {

// The axes each coordinate plane spans, in the order of the choices.
constexpr std::array<std::array<int, 2>, 3> EbenenAchsen = {{{0, 1}, {0, 2}, {1, 2}}};

std::string AchsenName(int achse, bool indiziert, bool schoen) {
    static const char* const buchstaben[3] = {"x", "y", "z"};
    static const char* const indizes[3] = {"\xE2\x82\x81", "\xE2\x82\x82", "\xE2\x82\x83"};
    if (!indiziert) return buchstaben[achse];
    return std::string("x") + (schoen ? indizes[achse] : std::to_string(achse + 1));
}

// The element's name (file names know no subscripts) or the dialog's text.
std::string Bezeichnung(bool ebene, int welche, bool schoen) {
    const bool indiziert = Einstellungen().HeftAchsenIndiziert;
    if (!ebene) return AchsenName(welche, indiziert, schoen);
    const auto& a = EbenenAchsen[static_cast<std::size_t>(welche)];
    return AchsenName(a[0], indiziert, schoen) + AchsenName(a[1], indiziert, schoen);
}

} // namespace

std::vector<std::string> Koordinatenelemente(bool ebene) {
    std::vector<std::string> r;
    for (int i = 0; i < 3; ++i)
        r.push_back(Bezeichnung(ebene, i, true) + (ebene ? "-Ebene" : "-Achse"));
    return r;
}

bool KoordinatenelementFestlegen(TDokument& d, bool ebene, int welche) {
    if (welche < 0 || welche > 2 || !befehle::Platz(d.Liste(), 1)) return false;
    return d.Aendern([&](TListe& liste) {
        TDreiDBasisElement* e =
            befehle::NeuMitName(liste, ebene ? TElementart::DEbene : TElementart::DGerade);
        if (!e) return false;
        if (const std::string name = Bezeichnung(ebene, welche, false); !liste.NameVergeben(name))
            e->Name = name;
        if (ebene) {
            auto& p = Als<TEbene>(*e);
            p.Festlegung = TEbene::ENOR;
            // The normal is the axis the plane leaves out.
            const int frei = 3 - EbenenAchsen[static_cast<std::size_t>(welche)][0] -
                             EbenenAchsen[static_cast<std::size_t>(welche)][1];
            p.Normale = {frei == 0 ? 1.0L : 0.0L, frei == 1 ? 1.0L : 0.0L, frei == 2 ? 1.0L : 0.0L};
            p.d = 0;
        } else {
            auto& g = Als<TGerade>(*e);
            g.Festlegung = TGerade::GPAR;
            g.Punkt = {0, 0, 0};
            g.Richtung = {welche == 0 ? 1.0L : 0.0L, welche == 1 ? 1.0L : 0.0L,
                          welche == 2 ? 1.0L : 0.0L};
        }
        return true;
    });
}

} // namespace kalvorin
