#pragma once
// The element list of one document: it owns the elements, fixes the order in
// which they are recomputed and stored, and gives automatic names.

#include "model/Element.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

class TListe {
public:
    static constexpr int Kapazitaet = 100;

    TListe() = default;
    TListe(const TListe&) = delete;
    TListe& operator=(const TListe&) = delete;
    ~TListe();

    int Anzahl() const { return Anzahl_; }
    std::uint16_t LaufenderZaehler() const { return Zaehler_; }
    bool Voll() const { return Anzahl_ >= Kapazitaet; }

    // Slots are numbered 1..Anzahl().
    TDreiDBasisElement* Element(int slot) const;
    TDreiDBasisElement* operator[](int slot) const { return Element(slot); }
    // Slot of the element, 0 when it is not in this list.
    int SlotVon(const TDreiDBasisElement* e) const;

    // The user's chosen display order for the object list; entries 1..Anzahl()
    // are a permutation of 1..Anzahl(), the rest 0.
    std::uint16_t& Anzeigereihenfolge(int i) { return Reihenfolge_[i]; }
    std::uint16_t Anzeigereihenfolge(int i) const { return Reihenfolge_[i]; }

    // Appends a new element of the kind and returns it. Returns null and
    // changes nothing when the list is full or the kind has no class: callers
    // must not fall back on the last slot, or they would overwrite an
    // element that is already there.
    TDreiDBasisElement* Neu(TElementart art);
    template <class T> T* Neu() {
        auto* e = Neu(detail::ArtVon<T>());
        return e ? static_cast<T*>(e) : nullptr;
    }

    // ausgeschlosseneArten: the kinds left out of the test (see Arten).
    bool NameVergeben(std::string_view name, std::uint32_t ausgeschlosseneArten = 0) const;
    // Highest slot whose element has the name (cut to 12 characters), or 0.
    int PositionVonName(std::string_view name) const;
    TDreiDBasisElement* ElementMitName(std::string_view name) const;
    // Prefix of the kind plus the smallest free number.
    std::string AutomatischerName(TElementart art) const;

    // Removes and destroys the element in the slot; outside 1..Anzahl() nothing happens.
    void Loeschen(int slot);
    // Puts the elements into a new slot order: folge holds every slot
    // 1..Anzahl() once, in the new order. The display order still shows the
    // same elements in the same places; anything else changes nothing.
    void Umordnen(const std::vector<int>& folge);
    // Removes everything and resets the running counter.
    void Leeren();

    // Deep copy of quelle into the empty list ziel; every reference of a copy
    // points to the copy of its target, and the copies are numbered 1..n.
    static void Kopieren(const TListe& quelle, TListe& ziel);

private:
    int Anzahl_ = 0;
    std::uint16_t Zaehler_ = 0;
    std::array<std::unique_ptr<TDreiDBasisElement>, Kapazitaet + 1> Slots_{};
    std::array<std::uint16_t, Kapazitaet + 1> Reihenfolge_{};
};

// Bit mask of kinds for NameVergeben.
constexpr std::uint32_t Arten(std::initializer_list<TElementart> arten) {
    std::uint32_t m = 0;
    for (TElementart a : arten)
        m |= 1u << static_cast<unsigned>(a);
    return m;
}

std::string_view NamensPraefix(TElementart art);

// The element that carries the mapping role and counts: the last one in list
// order (after inserting a file there may be more than one).
TDreiDBasisElement* RollenTraeger(const TListe& liste, TRolle rolle);

// Shown when the list cannot take the elements a command or a dialog would
// add; nothing at all is added then.
inline constexpr const char* ListeVollMeldung =
    "Die Objektliste ist voll, es können keine weiteren\r\nObjekte erzeugt werden!";

} // namespace kalvorin
