#include "storage/DokumentdateiFormat.h"

#include "model/Utf8.h"
#include "storage/Cp1252.h"
#include "storage/IniInhalt.h"

#include <iterator>
#include <span>

namespace kalvorin::dokument {

namespace {

using S = TFestlegungsschluessel;

constexpr S Punkt[] = {{"Koord", 0, 3, false}, {"PV", 2, 0, false}};
constexpr S Vektor[] = {{"V", 0, 3, false},
                        {"V2P", 2, 0, false},
                        {"VG", 1, 0, false},
                        {"VE", 1, 0, false},
                        {"VPf", 1, 0, false}};
constexpr S Pfeil[] = {{"PfPP", 3, 0, false}, {"PfPV", 2, 0, false}};
constexpr S Strecke[] = {{"VonBis", 2, 0, false}};
constexpr S Gerade[] = {{"GPAR", 0, 6, false}, {"GPP", 2, 0, false}, {"GPV", 2, 0, false}};
constexpr S Dreieck[] = {{"P1_P2_P3", 3, 0, false}};
constexpr S Pyramide[] = {{"G_S", 2, 0, false}};
// Only "EGV" has always stored its names escaped; files rely on it.
constexpr S Ebene[] = {{"EPAR", 0, 9, false}, {"ENOR", 0, 4, false}, {"EPPP", 3, 0, false},
                       {"EPVV", 3, 0, false}, {"EPG", 2, 0, false},  {"EGG", 2, 0, false},
                       {"EPV", 2, 0, false},  {"EGV", 2, 0, true}};
constexpr S Kugel[] = {{"MR", 0, 4, false}, {"MP", 2, 0, false}, {"MT", 2, 0, false}};
constexpr S Kreis[] = {{"MNR", 0, 7, false}};
constexpr S Viereck[] = {{"P1_P2_P3_P4", 4, 0, false}};

struct TArtSchluessel {
    TElementart Art;
    std::span<const S> Modi;
};

using A = TElementart;
constexpr TArtSchluessel ProArt[] = {
    {A::DfrPunkt, Punkt},   {A::DgebPunkt, {}},   {A::DVektor, Vektor},   {A::DPfeil, Pfeil},
    {A::DStrecke, Strecke}, {A::DGerade, Gerade}, {A::DDreieck, Dreieck}, {A::DPyramide3, Pyramide},
    {A::DEbene, Ebene},     {A::DWinkel, {}},     {A::DPllgr, {}},        {A::DSpat, {}},
    {A::DKugel, Kugel},     {A::DKreis, Kreis},   {A::DPSchar, {}},       {A::DVschar, {}},
    {A::DGschar, {}},       {A::DEschar, {}},     {A::DViereck, Viereck}, {A::DPyramide4, Pyramide},
};

// One row per kind, in the order of the kind byte, which looks them up.
constexpr bool InArtfolge() {
    if (std::size(ProArt) != AnzahlElementarten) return false;
    for (std::size_t i = 0; i < std::size(ProArt); ++i)
        if (static_cast<std::size_t>(ProArt[i].Art) != i) return false;
    return true;
}
static_assert(InArtfolge(), "ProArt: one row per element kind, in kind order");

} // namespace

int AnzahlFestlegungen(int art) {
    return art >= 0 && art < AnzahlElementarten ? static_cast<int>(ProArt[art].Modi.size()) : 0;
}

const TFestlegungsschluessel* Festlegungsschluessel(int art, int festlegung) {
    if (festlegung < 0 || festlegung >= AnzahlFestlegungen(art)) return nullptr;
    return &ProArt[art].Modi[static_cast<std::size_t>(festlegung)];
}

int Zahlenfelder(TDreiDBasisElement& e, std::array<Real*, 9>& f) {
    const auto tripel = [&f](int ab, TTripel& t) {
        f[ab] = &t.x;
        f[ab + 1] = &t.y;
        f[ab + 2] = &t.z;
    };
    switch (e.Art) {
    case TElementart::DfrPunkt:
        if (e.Festlegung != TfrPunkt::Koord) return 0;
        tripel(0, static_cast<TfrPunkt&>(e).Koordinaten);
        return 3;
    case TElementart::DVektor:
        if (e.Festlegung != TVektor::V) return 0;
        tripel(0, static_cast<TVektor&>(e).Komponenten);
        return 3;
    case TElementart::DGerade: {
        if (e.Festlegung != TGerade::GPAR) return 0;
        auto& g = static_cast<TGerade&>(e);
        tripel(0, g.Punkt);
        tripel(3, g.Richtung);
        return 6;
    }
    case TElementart::DEbene: {
        auto& p = static_cast<TEbene&>(e);
        if (e.Festlegung == TEbene::EPAR) {
            tripel(0, p.Punkt);
            tripel(3, p.Richtung1);
            tripel(6, p.Richtung2);
            return 9;
        }
        if (e.Festlegung == TEbene::ENOR) {
            tripel(0, p.Normale);
            f[3] = &p.d;
            return 4;
        }
        return 0;
    }
    case TElementart::DKugel: {
        if (e.Festlegung != TKugel::MR) return 0;
        auto& k = static_cast<TKugel&>(e);
        tripel(0, k.Zentrum);
        f[3] = &k.Radius;
        return 4;
    }
    case TElementart::DKreis: {
        auto& k = static_cast<TKreis&>(e);
        tripel(0, k.Zentrum);
        tripel(3, k.Normale);
        f[6] = &k.Radius;
        return 7;
    }
    default:
        return 0;
    }
}

std::string NamensFehler(std::string_view name) {
    if (name.empty()) return "Ein Element ohne Namen kann in der Datei nicht gespeichert werden.";
    const std::string n(name);
    if (Utf8Laenge(name) > MaxNamenLaenge)
        return "Der Name " + n +
               " ist länger als 12 Zeichen und kann in der Datei nicht "
               "gespeichert werden.";
    // A blank vanishes from section names, "|" splits name lists, and control
    // characters break or vanish from lines.
    bool schlecht = !InCp1252Darstellbar(name);
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == ' ' || c == '|') schlecht = true;
    }
    if (schlecht)
        return "Der Name " + n +
               " enthält Zeichen, die in der Datei nicht gespeichert werden "
               "können.";
    return {};
}

std::string Sektionsform(std::string_view sektion) {
    std::string_view s = sektion;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return IniFalten(Utf8ZuCp1252(s));
}

} // namespace kalvorin::dokument
