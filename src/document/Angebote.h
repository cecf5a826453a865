#pragma once
// Which commands the marked elements make sense for, and under which
// caption they are offered. The result is plain data; the user interface
// applies it to its menus.

#include "model/Liste.h"

#include <array>
#include <string>

namespace kalvorin {

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
    std::array<TAbbildungsAngebot, AnzahlAbbildungsBefehle> Abbildungen;
    bool AbbildungsTrenner = false; // separator above the apply items

    const TAngebot& operator[](TBefehl b) const { return Befehle[static_cast<int>(b)]; }
    const TAbbildungsAngebot& operator[](TAbbildungsBefehl b) const {
        return Abbildungen[static_cast<int>(b)];
    }
};

// '-' for 0, '1'..'9' otherwise (more than 9 shows as '9'); one position per
// kind in the order point, vector, line, plane, segment, triangle, pyramid.
std::string MarkierungsMuster(const std::array<int, AnzahlElementarten>& zaehler, int laenge);

TAngebote BerechneAngebote(const TListe& liste);

// The pattern of the marked elements, as the commands compare it.
std::string StandardMuster(const TListe& liste);
std::string KurzMuster(const TListe& liste);
std::string LangMuster(const TListe& liste);

} // namespace kalvorin
