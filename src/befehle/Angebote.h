#pragma once
// Which commands the marked elements make sense for, and under which
// caption they are offered. The result is plain data; the user interface
// applies it to its menus.

#include "model/Liste.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kalvorin {

namespace exakt {
enum class TMessart; // exakt/ExakteMessung.h
}

enum class TBefehl {
    // creation from marked elements
    ErzPunkt,
    ErzGerade,
    ErzEbene,
    ErzStrecke,
    ErzPfeil,
    ErzVektor,
    ErzDreieck,
    ErzPyramide,
    // constructions
    Schneiden,
    Loteerzeugen,
    Mittebilden,
    Verknuepfen,
    VSumme,
    VGegen,
    MVProdukt,
    Tangentialebene,
    // defining mappings
    Spiegelung,
    MStreckung,
    Projektion,
    // measurement
    MessWinkel,
    MessLaenge,
    MessFlaeche,
    MessVolumen,
};
inline constexpr int AnzahlBefehle = static_cast<int>(TBefehl::MessVolumen) + 1;

struct TAngebot {
    bool aktiv = false;
    std::string Menue;       // caption in the main menu, with its '&'
    std::string GrafikPopup; // caption in the graph window's popup; empty: not in it
    std::string ListenPopup; // caption in the object list's popup; empty: not in it
    // Popup items are visible exactly when the command is enabled.
    bool InPopupsSichtbar() const { return aktiv && !GrafikPopup.empty(); }
};

// The case a command runs for the marked elements: which of its forms the
// marks select. It comes from the same row of the pattern tables that
// offers the command, so a command runs exactly when it is offered.
enum class TFall : std::uint8_t {
    Keiner, // not offered
    // creation: the new element's definition mode
    PunktPV,
    GeradePP,
    GeradePV,
    EbenePPP,
    EbenePV,
    EbenePVV,
    EbeneGG,
    EbenePG,
    EbeneGV,
    StreckePP,
    PfeilPP,
    PfeilPV,
    VektorPP,
    VektorG,
    VektorE,
    DreieckPPP,
    PyramideDP,
    // constructions
    Inzidenz,
    Schnittpunkt,
    Schnittgerade,
    Schnittkreis, // a sphere with a plane or a sphere
    LotPG,
    LotPE,
    LotGG,
    Mittelpunkt,
    Schwerpunkt,
    Mittelgerade,
    Mittelebene,
    Verknuepfen, // the submenu
    Summe,
    SummePfeil, // with a marked point: the sum drawn as an arrow from it
    Gegenvektor,
    Vektorprodukt,
    Tangentialebene, // a marked sphere and a point on it
    // defining mappings
    Punktspiegelung,
    Geradenspiegelung,
    Ebenenspiegelung,
    Streckung,
    Orthogonalprojektion,
    Parallelprojektion,
    // measurement; which one the marks select is its TMessart
    Messung,
};

// The marks condensed into the pattern texts the tables are looked up by.
struct TMarkierungsmuster {
    std::string Kurz;     // point, vector, line, plane
    std::string Standard; // ... segment, triangle
    std::string Lang;     // ... pyramid
};
TMarkierungsmuster Markierungsmuster(const TListe& liste);

// One command's offer for the marks and the case it then runs.
struct TAngebotsfall {
    TAngebot Angebot;           // enabled and captions
    TFall Fall = TFall::Keiner; // Keiner exactly when not enabled
    // For a measurement: what it measures. Nothing where the command is not
    // offered, and where it is offered for marks it has no value for.
    std::optional<exakt::TMessart> Messart;
};

// The one place that decides a command for the marks: its row of its
// pattern table gives whether it is offered, its captions and its case.
// The menus show the offer, the command runs the case.
TAngebotsfall AngebotUndFall(TBefehl befehl, const TMarkierungsmuster& muster);
// The case alone, for the command about to run.
TFall Fall(const TListe& liste, TBefehl befehl);
// What the measurement command measures for the marks (nothing for the
// other commands).
std::optional<exakt::TMessart> Messart(const TListe& liste, TBefehl befehl);

// The six items that apply a defined mapping, in menu order.
enum class TAbbildungsBefehl {
    Pspiegeln,
    Gspiegeln,
    Espiegeln,
    Strecken,
    Oprojezieren,
    Pprojezieren
};
inline constexpr int AnzahlAbbildungsBefehle = 6;

struct TAbbildungsAngebot {
    bool sichtbar = false;
    std::string Menue;
    // The last element in list order that carries the role: the one applied.
    TDreiDBasisElement* Element = nullptr;
};

struct TAngebote {
    std::string KurzMuster;     // point, vector, line, plane
    std::string StandardMuster; // ... segment, triangle
    std::string LangMuster;     // ... pyramid
    std::array<TAngebot, AnzahlBefehle> Befehle;
    std::array<TFall, AnzahlBefehle> Faelle{}; // the case each command runs
    std::array<TAbbildungsAngebot, AnzahlAbbildungsBefehle> Abbildungen;
    bool AbbildungsTrenner = false; // separator above the apply items

    const TAngebot& operator[](TBefehl b) const { return Befehle[static_cast<int>(b)]; }
    const TAbbildungsAngebot& operator[](TAbbildungsBefehl b) const {
        return Abbildungen[static_cast<int>(b)];
    }
};

TAngebote BerechneAngebote(const TListe& liste);

// The pattern of the marked elements (the measurement reads the long one).
std::string StandardMuster(const TListe& liste);
std::string KurzMuster(const TListe& liste);
std::string LangMuster(const TListe& liste);

// Whether any element of the list is marked.
bool EtwasMarkiert(const TListe& liste);
// Takes every mark but that of `ausser` (null: every mark); for the
// document's Markieren.
void AlleDemarkieren(TListe& liste, const TDreiDBasisElement* ausser = nullptr);

} // namespace kalvorin
