#include "befehle/Angebote.h"

#include "befehle/Befehlstabelle.h"

#include "exakt/ExakteMessung.h"
#include "model/Elementarten.h"
#include "model/Markierung.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>
#include <string_view>
#include <utility>

namespace kalvorin {

namespace {

using exakt::TMessart;
using TMessarten = std::array<std::optional<TMessart>, 4>;

struct TZeile {
    std::string_view Muster;
    std::string_view Spalten; // one letter per column, '-' disables
    // Measurement table only: what each column measures; nothing where it
    // offers without a value.
    TMessarten Messarten = {};
};

// Creation: Punkt, Gerade, Ebene, Strecke, Pfeil, Vektor, Dreieck, Pyramide.
constexpr TZeile ErzeugenTabelle[] = {
    {"2-----", "-x-xxx--"}, {"3-----", "--x---x-"}, {"4-----", "--------"}, {"11----", "xxx-x---"},
    {"12----", "--x-----"}, {"--1---", "-----R--"}, {"--2---", "--x-----"}, {"1-1---", "--x-----"},
    {"---1--", "-----N--"}, {"1----1", "-------x"}, {"-11---", "--x-----"},
};

// Constructions: Schneiden, Lot, Mitte, Verknuepfen, Tangentialebene.
constexpr TZeile KonstruktionsTabelle[] = {
    {"2-----", "--M--"},   {"3-----", "--S--"},   {"1-1---", "IL---"},   {"1--1--", "IL---"},
    {"1---1-", "I----"},   {"--2---", "PLw--"},   {"---2--", "g-W--"},   {"--11--", "P----"},
    {"-2----", "---x-"},   {"-3----", "---+-"},   {"-1----", "---#-"},   {"12----", "---p-"},
    {"13----", "---p-"},   {"---1--1-", "k----"}, {"------2-", "k----"}, {"1-----1-", "----t"},
    {"--1---1-", "P----"},
};

// Mappings (short pattern): Spiegelung, Streckung, Projektion.
constexpr TZeile AbbildungsTabelle[] = {
    {"1---", "SX-"},
    {"--1-", "G--"},
    {"---1", "E-O"},
    {"-1-1", "--P"},
};

// Measurement (long pattern): Winkel, Laenge, Flaeche, Volumen; ' ' enables
// under the reset caption like 'x'.
using enum TMessart;
constexpr std::optional<TMessart> Ohne; // not offered, or offered without a value
constexpr TZeile MessTabelle[] = {
    {"2------", "-A--", {Ohne, AbstandPunkte, Ohne, Ohne}},
    {"3------", "--x-", {Ohne, Ohne, FlaechePunkte, Ohne}},
    {"4------", "---x", {Ohne, Ohne, Ohne, VolumenPunkte}},
    {"1-1----", "-A--", {Ohne, AbstandPunktGerade, Ohne, Ohne}},
    {"1--1---", "-A--", {Ohne, AbstandPunktEbene, Ohne, Ohne}},
    {"1----1-", "-A-x", {Ohne, PunktDreieck, Ohne, VolumenPunktDreieck}},
    {"-1-----", "-B--", {Ohne, TMessart::Betrag, Ohne, Ohne}},
    {"-2-----", "S-v-", {WinkelVektoren, Ohne, FlaecheVektoren, Ohne}},
    {"-3-----", "---D", {Ohne, Ohne, Ohne, VolumenVektoren}},
    {"--2----", "xA--", {WinkelGeraden, AbstandGeraden, Ohne, Ohne}},
    {"--11---", "x --", {WinkelGeradeEbene, Ohne, Ohne, Ohne}},
    {"---2---", "xA--", {WinkelEbenen, AbstandEbenen, Ohne, Ohne}},
    {"----1--", "-x--", {Ohne, StreckenLaenge, Ohne, Ohne}},
    {"-----1-", "--x-", {Ohne, Ohne, FlaecheDreieck, Ohne}},
    {"------1", "---x", {Ohne, Ohne, Ohne, VolumenPyramide}},
    {"-------1-", "-xxx", {Ohne, KugelRadius, KugelOberflaeche, KugelVolumen}},
    {"1------1-", "-x--", {Ohne, PunktKugel, Ohne, Ohne}},
    {"--1----1-", "-x--", {Ohne, GeradeKugel, Ohne, Ohne}},
    {"---1---1-", "-x--", {Ohne, EbeneKugel, Ohne, Ohne}},
    {"--------1", "-xx-", {Ohne, KreisRadius, KreisFlaeche, Ohne}},
    {"---------1-", "xxx-", {FlaecheViereck, FlaecheViereck, FlaecheViereck, Ohne}},
    {"----------1", "---x", {Ohne, Ohne, Ohne, VolumenPyramide4}},
    {"1--------1-", "-A--", {Ohne, PunktViereck, Ohne, Ohne}},
    {"2--1---", "-A--", {Ohne, PunkteEbene, Ohne, Ohne}},
    {"---1---", "-A--", {Ohne, EbeneAchsen, Ohne, Ohne}},
};

const TZeile* Suche(std::span<const TZeile> tabelle, std::string_view muster) {
    for (const TZeile& z : tabelle)
        if (z.Muster == muster) return &z;
    return nullptr;
}

// Captions in the main menu (with its '&') and in the two popups (empty: not
// there).
struct TTitel {
    std::string_view Menue, Grafik = {}, Liste = {};
};

// What a letter of the command's column means: its captions (an empty menu
// caption keeps the reset captions) and its case (Keiner: the case follows
// the pattern).
struct TBuchstabe {
    char Zeichen;
    TFall Fall = TFall::Keiner;
    TTitel Titel = {};
};

struct TMusterFall {
    std::string_view Muster;
    TFall Fall;
};

enum class TTabelle : std::uint8_t { Erzeugen, Konstruieren, Abbilden, Messen };

// One command: its column in its table, and how the letter and the
// pattern give captions and case. Its reset captions are those of its row
// of the command table.
struct TRegel {
    TBefehl Befehl;
    TTabelle Tabelle;
    int Spalte;
    // Empty: every letter but '-' offers under the reset captions. Otherwise
    // only the listed letters offer.
    std::span<const TBuchstabe> Buchstaben = {};
    // The case by the pattern, where the letter does not tell it.
    std::span<const TMusterFall> Faelle = {};
    TFall Sonst = TFall::Keiner; // the case when neither tells it
    // The menu caption under which it is offered, where it is not its
    // caption in the command table.
    std::string_view Menue = {};
};

using enum TFall;

// The creation commands' popup captions: "<word> durch markierte Objekte
// festlegen" and "<word> festlegen".
#define KALVORIN_ERZEUGEN(menue, grafik, liste)                                                    \
    TTitel {                                                                                       \
        menue, grafik " durch markierte Objekte festlegen", liste " festlegen"                     \
    }

constexpr TMusterFall PunktFaelle[] = {{"11----", PunktPV}};
constexpr TMusterFall GeradenFaelle[] = {{"2-----", GeradePP}, {"11----", GeradePV}};
constexpr TMusterFall EbenenFaelle[] = {{"3-----", EbenePPP}, {"11----", EbenePV},
                                        {"12----", EbenePVV}, {"--2---", EbeneGG},
                                        {"1-1---", EbenePG},  {"-11---", EbeneGV}};
constexpr TMusterFall StreckenFaelle[] = {{"2-----", StreckePP}};
constexpr TMusterFall PfeilFaelle[] = {{"2-----", PfeilPP}, {"11----", PfeilPV}};
constexpr TMusterFall VektorFaelle[] = {
    {"2-----", VektorPP}, {"--1---", VektorG}, {"---1--", VektorE}};
constexpr TMusterFall DreieckFaelle[] = {{"3-----", DreieckPPP}};
constexpr TMusterFall PyramidenFaelle[] = {{"1----1", PyramideDP}};
constexpr TMusterFall LotFaelle[] = {{"1-1---", LotPG}, {"1--1--", LotPE}, {"--2---", LotGG}};

constexpr TBuchstabe VektorBuchstaben[] = {
    {'x'},
    {'R', Keiner, KALVORIN_ERZEUGEN("&Richtungsvektor", "Richtungsvekt&or", "&Richtungsvektor")},
    {'N', Keiner, KALVORIN_ERZEUGEN("&Normalvektor", "Normalvekt&or", "&Normalvektor")},
};
constexpr TBuchstabe SchneidenBuchstaben[] = {
    {'I',
     Inzidenz,
     {"Auf &Inzidenz untersuchen", "Auf Inzidenz untersuc&hen", "Auf Inzidenz untersuc&hen"}},
    {'P', Schnittpunkt, {"&Schnittpunkt bilden", "Sc&hnittpunkt bilden", "Sc&hnittpunkt bilden"}},
    {'g',
     Schnittgerade,
     {"&Schnittgerade bilden", "Sc&hnittgerade bilden", "Sc&hnittgerade bilden"}},
    {'k', Schnittkreis, {"&Schnittkreis bilden", "Sc&hnittkreis bilden", "Sc&hnittkreis bilden"}},
};
constexpr TBuchstabe LotBuchstaben[] = {
    {'L', Keiner, {"&Lotgerade bilden", "&Lotgerade bilden", "&Lotgerade bilden"}},
};
constexpr TBuchstabe MitteBuchstaben[] = {
    {'M', Mittelpunkt, {"&Mittelpunkt bilden", "&Mittelpunkt bilden", "Mi&ttelpunkt bilden"}},
    {'S', Schwerpunkt, {"Sch&werpunkt bilden", "Sch&werpunkt bilden", "Schwerpunk&t bilden"}},
    {'w', Mittelgerade, {"&Mittelgerade bilden", "&Mittelgerade bilden", "Mi&ttelgerade bilden"}},
    {'W', Mittelebene, {"&Mittelebene bilden", "&Mittelebene bilden", "Mi&ttelebene bilden"}},
};
constexpr TBuchstabe VerknuepfenBuchstaben[] = {
    {'x', Verknuepfen}, {'+', Verknuepfen}, {'p', Verknuepfen}, {'#', Verknuepfen}};
constexpr TBuchstabe SummenBuchstaben[] = {
    {'x', Summe}, {'+', Summe}, {'p', SummePfeil, {"&Vektorsumme (Pfeil)"}}};
constexpr TBuchstabe GegenBuchstaben[] = {{'#', Gegenvektor}};
constexpr TBuchstabe ProduktBuchstaben[] = {{'x', Vektorprodukt}};
constexpr TBuchstabe TangentenBuchstaben[] = {{'t', Tangentialebene}};
constexpr TBuchstabe SpiegelBuchstaben[] = {
    {'S', Punktspiegelung, {"&Punktspiegelung festlegen"}},
    {'G', Geradenspiegelung, {"Geradens&piegelung festlegen"}},
    {'E', Ebenenspiegelung, {"Ebenens&piegelung festlegen"}},
};
constexpr TBuchstabe StreckungsBuchstaben[] = {{'X', Streckung}, {'x', Streckung}};
constexpr TBuchstabe ProjektionsBuchstaben[] = {
    {'O', Orthogonalprojektion, {"O&rthogonalprojektion festlegen"}},
    {'P', Parallelprojektion, {"Pa&rallelprojektion festlegen"}},
};
// Measurement: 'x' and the blank enable under the reset caption.
constexpr TBuchstabe WinkelBuchstaben[] = {{'x'}, {' '}, {'S', Keiner, {"&Winkel/Skalarprodukt"}}};
constexpr TBuchstabe LaengenBuchstaben[] = {
    {'x'}, {' '}, {'A', Keiner, {"&Abstand"}}, {'B', Keiner, {"&Betrag"}}};
constexpr TBuchstabe FlaechenBuchstaben[] = {
    {'x'}, {' '}, {'v', Keiner, {"&Betrag des Vektorprodukts"}}};
constexpr TBuchstabe VolumenBuchstaben[] = {{'x'}, {' '}, {'D', Keiner, {"&Volumen/Determinante"}}};

// One rule per command, in the order of TBefehl: looked up by its number.
constexpr TRegel Regeln[] = {
    {TBefehl::ErzPunkt, TTabelle::Erzeugen, 0, {}, PunktFaelle},
    {TBefehl::ErzGerade, TTabelle::Erzeugen, 1, {}, GeradenFaelle},
    {TBefehl::ErzEbene, TTabelle::Erzeugen, 2, {}, EbenenFaelle},
    {TBefehl::ErzStrecke, TTabelle::Erzeugen, 3, {}, StreckenFaelle},
    {TBefehl::ErzPfeil, TTabelle::Erzeugen, 4, {}, PfeilFaelle},
    {TBefehl::ErzVektor, TTabelle::Erzeugen, 5, VektorBuchstaben, VektorFaelle},
    {TBefehl::ErzDreieck, TTabelle::Erzeugen, 6, {}, DreieckFaelle},
    {TBefehl::ErzPyramide, TTabelle::Erzeugen, 7, {}, PyramidenFaelle},
    {TBefehl::Schneiden, TTabelle::Konstruieren, 0, SchneidenBuchstaben},
    {TBefehl::Loteerzeugen, TTabelle::Konstruieren, 1, LotBuchstaben, LotFaelle},
    {TBefehl::Mittebilden, TTabelle::Konstruieren, 2, MitteBuchstaben},
    {TBefehl::Verknuepfen, TTabelle::Konstruieren, 3, VerknuepfenBuchstaben},
    {TBefehl::VSumme, TTabelle::Konstruieren, 3, SummenBuchstaben},
    {TBefehl::VGegen, TTabelle::Konstruieren, 3, GegenBuchstaben},
    {TBefehl::MVProdukt, TTabelle::Konstruieren, 3, ProduktBuchstaben},
    {TBefehl::Tangentialebene, TTabelle::Konstruieren, 4, TangentenBuchstaben},
    {TBefehl::Spiegelung, TTabelle::Abbilden, 0, SpiegelBuchstaben},
    // Offered without the dots of the dialog it opens.
    {TBefehl::MStreckung,
     TTabelle::Abbilden,
     1,
     StreckungsBuchstaben,
     {},
     Keiner,
     "S&treckung festlegen"},
    {TBefehl::Projektion, TTabelle::Abbilden, 2, ProjektionsBuchstaben},
    {TBefehl::MessWinkel, TTabelle::Messen, 0, WinkelBuchstaben, {}, Messung},
    {TBefehl::MessLaenge, TTabelle::Messen, 1, LaengenBuchstaben, {}, Messung},
    {TBefehl::MessFlaeche, TTabelle::Messen, 2, FlaechenBuchstaben, {}, Messung},
    {TBefehl::MessVolumen, TTabelle::Messen, 3, VolumenBuchstaben, {}, Messung},
};

constexpr bool InBefehlsfolge() {
    if (std::size(Regeln) != AnzahlBefehle) return false;
    for (std::size_t i = 0; i < std::size(Regeln); ++i)
        if (static_cast<std::size_t>(Regeln[i].Befehl) != i) return false;
    return true;
}
static_assert(InBefehlsfolge(), "Regeln: one rule per command, in the order of TBefehl");

#undef KALVORIN_ERZEUGEN

TAngebot Angebot(const TTitel& t, bool aktiv) {
    return {aktiv, std::string(t.Menue), std::string(t.Grafik), std::string(t.Liste)};
}

// The command's captions while the marks give none: its menu item's and its
// popup items' in the command table (no popup item: no popup caption).
const TTitel& Grundtitel(TBefehl befehl) {
    static const std::array<TTitel, AnzahlBefehle> titel = [] {
        std::array<TTitel, AnzahlBefehle> t{};
        for (const TBefehlszeile& z : Befehlstabelle())
            if (z.Angebot && t[static_cast<std::size_t>(*z.Angebot)].Menue.empty())
                t[static_cast<std::size_t>(*z.Angebot)] = {z.Titel, z.GrafikPopup.Titel,
                                                           z.ListenPopup.Titel};
        return t;
    }();
    return titel[static_cast<std::size_t>(befehl)];
}

// The row of the table whose pattern equals the marks' pattern.
const TZeile* Zeile(TTabelle tabelle, const TMarkierungsmuster& m) {
    switch (tabelle) {
    case TTabelle::Erzeugen:
        return Suche(ErzeugenTabelle, m.Standard);
    case TTabelle::Konstruieren:
        return Suche(KonstruktionsTabelle, m.Standard);
    case TTabelle::Abbilden:
        return Suche(AbbildungsTabelle, m.Kurz);
    case TTabelle::Messen:
        break;
    }
    return Suche(MessTabelle, m.Lang);
}

const std::string& Muster(TTabelle tabelle, const TMarkierungsmuster& m) {
    if (tabelle == TTabelle::Abbilden) return m.Kurz;
    return tabelle == TTabelle::Messen ? m.Lang : m.Standard;
}

void AbbildungenAnwenden(TAngebote& a, const TListe& liste) {
    struct TRollenEintrag {
        TRolle Rolle;
        std::string_view Text;
    };
    static constexpr TRollenEintrag eintraege[AnzahlAbbildungsBefehle] = {
        {TRolle::IstSpiegelzentrum, "P&unktspiegelung an "},
        {TRolle::IstSpiegelAchse, "&Geradenspiegelung an "},
        {TRolle::IstSpiegelEbene, "&Ebenenspiegelung an "},
        {TRolle::IstStreckungszentrum, "&Streckung an "},
        {TRolle::IstO_Projektionsebene, "&Orthogonalprojektion auf "},
        {TRolle::IstP_Projektionsebene, "Par&allelprojektion auf "},
    };
    a.AbbildungsTrenner = false;
    for (int i = 0; i < AnzahlAbbildungsBefehle; ++i) {
        TAbbildungsAngebot& x = a.Abbildungen[i];
        x = {};
        x.Element = RollenTraeger(liste, eintraege[i].Rolle);
        if (x.Element) {
            x.sichtbar = true;
            x.Menue = std::string(eintraege[i].Text) + x.Element->Name;
            a.AbbildungsTrenner = true;
        }
    }
}

} // namespace

TMarkierungsmuster Markierungsmuster(const TListe& liste) {
    const auto zaehler = MarkierteJeArt(liste);
    return {MarkierungsMuster(zaehler, 4), MarkierungsMuster(zaehler, 6),
            MarkierungsMuster(zaehler, 7)};
}

std::string KurzMuster(const TListe& l) {
    return MarkierungsMuster(MarkierteJeArt(l), 4);
}
std::string StandardMuster(const TListe& l) {
    return MarkierungsMuster(MarkierteJeArt(l), 6);
}
std::string LangMuster(const TListe& l) {
    return MarkierungsMuster(MarkierteJeArt(l), 7);
}

bool EtwasMarkiert(const TListe& liste) {
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i]->markiert) return true;
    return false;
}

void AlleDemarkieren(TListe& liste, const TDreiDBasisElement* ausser) {
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (liste[i] != ausser) liste[i]->markiert = false;
}

TAngebotsfall AngebotUndFall(TBefehl befehl, const TMarkierungsmuster& m) {
    const TRegel& r = Regeln[static_cast<int>(befehl)];
    TTitel grund = Grundtitel(befehl);
    if (!r.Menue.empty()) grund.Menue = r.Menue;
    const TAngebotsfall nicht{Angebot(grund, false), TFall::Keiner, {}};
    const TZeile* z = Zeile(r.Tabelle, m);
    if (!z || z->Spalten[r.Spalte] == '-') return nicht;
    const char c = z->Spalten[r.Spalte];
    TAngebotsfall a{Angebot(grund, true), TFall::Keiner, {}};
    if (!r.Buchstaben.empty()) {
        const TBuchstabe* b = nullptr;
        for (const TBuchstabe& x : r.Buchstaben)
            if (x.Zeichen == c) b = &x;
        if (!b) return nicht;
        if (!b->Titel.Menue.empty()) {
            a.Angebot.Menue = b->Titel.Menue;
            // A command without popup items stays out of the popups.
            if (!grund.Grafik.empty()) a.Angebot.GrafikPopup = b->Titel.Grafik;
            if (!grund.Liste.empty()) a.Angebot.ListenPopup = b->Titel.Liste;
        }
        a.Fall = b->Fall;
    }
    if (r.Tabelle == TTabelle::Messen) a.Messart = z->Messarten[r.Spalte];
    if (a.Fall == TFall::Keiner)
        for (const TMusterFall& f : r.Faelle)
            if (f.Muster == Muster(r.Tabelle, m)) a.Fall = f.Fall;
    if (a.Fall == TFall::Keiner) a.Fall = r.Sonst;
    return a;
}

TFall Fall(const TListe& liste, TBefehl befehl) {
    return AngebotUndFall(befehl, Markierungsmuster(liste)).Fall;
}

std::optional<TMessart> Messart(const TListe& liste, TBefehl befehl) {
    return AngebotUndFall(befehl, Markierungsmuster(liste)).Messart;
}

TAngebote BerechneAngebote(const TListe& liste) {
    TAngebote a;
    const TMarkierungsmuster m = Markierungsmuster(liste);
    a.KurzMuster = m.Kurz;
    a.StandardMuster = m.Standard;
    a.LangMuster = m.Lang;
    for (int i = 0; i < AnzahlBefehle; ++i) {
        TAngebotsfall f = AngebotUndFall(static_cast<TBefehl>(i), m);
        a.Befehle[i] = std::move(f.Angebot);
        a.Faelle[i] = f.Fall;
    }
    AbbildungenAnwenden(a, liste);
    return a;
}

} // namespace kalvorin
