#include "model/Liste.h"

#include "model/Elementarten.h"
#include "model/Utf8.h"

#include <unordered_map>

namespace kalvorin {

TDreiDBasisElement* RollenTraeger(const TListe& liste, TRolle rolle) {
    for (int i = liste.Anzahl(); i >= 1; --i)
        if (liste[i]->Rolle(rolle)) return liste[i];
    return nullptr;
}

std::string_view NamensPraefix(TElementart art) {
    const TArtangaben* a = Artangaben(static_cast<int>(art));
    return a ? a->Praefix : std::string_view{};
}

TListe::~TListe() {
    Leeren();
}

TDreiDBasisElement* TListe::Element(int slot) const {
    return slot >= 1 && slot <= Anzahl_ ? Slots_[slot].get() : nullptr;
}

int TListe::SlotVon(const TDreiDBasisElement* e) const {
    for (int i = 1; i <= Anzahl_; ++i)
        if (Slots_[i].get() == e) return i;
    return 0;
}

TDreiDBasisElement* TListe::Neu(TElementart art) {
    if (Voll() || !HatElementklasse(static_cast<int>(art))) return nullptr;
    ++Anzahl_;
    ++Zaehler_;
    Slots_[Anzahl_] = NeuesElement(static_cast<int>(art));
    Reihenfolge_[Anzahl_] = static_cast<std::uint16_t>(Anzahl_);
    TDreiDBasisElement* e = Slots_[Anzahl_].get();
    e->Nummer = Zaehler_;
    e->Szenenobjekte.reset();
    e->Rollen.fill(false);
    e->Streckungsfaktor = 1;
    e->Projektionsvektor = nullptr;
    return e;
}

bool TListe::NameVergeben(std::string_view name, std::uint32_t ausgeschlossen) const {
    for (int i = 1; i <= Anzahl_; ++i) {
        const auto& e = *Slots_[i];
        if (e.Name == name && (ausgeschlossen & (1u << e.ArtNummer())) == 0) return true;
    }
    return false;
}

int TListe::PositionVonName(std::string_view name) const {
    const std::string gesucht = Utf8Anfang(name, MaxNamenLaenge);
    for (int i = Anzahl_; i >= 1; --i)
        if (Slots_[i]->Name == gesucht) return i;
    return 0;
}

TDreiDBasisElement* TListe::ElementMitName(std::string_view name) const {
    return Element(PositionVonName(name));
}

std::string TListe::AutomatischerName(TElementart art) const {
    const std::string praefix(NamensPraefix(art));
    // At most 100 elements, so a free number is found within 101 tries.
    for (int n = 1;; ++n) {
        std::string name = Utf8Anfang(praefix + std::to_string(n), MaxNamenLaenge);
        if (!NameVergeben(name)) return name;
    }
}

void TListe::Loeschen(int slot) {
    if (slot < 1 || slot > Anzahl_) return;
    Slots_[slot].reset();
    for (int i = slot; i < Anzahl_; ++i)
        Slots_[i] = std::move(Slots_[i + 1]);
    // Keep the display order a permutation of the remaining slots.
    int j = 1;
    for (int i = 1; i <= Anzahl_; ++i) {
        const int r = Reihenfolge_[i];
        if (r == slot) continue;
        Reihenfolge_[j++] = static_cast<std::uint16_t>(r > slot ? r - 1 : r);
    }
    Reihenfolge_[Anzahl_] = 0;
    --Anzahl_;
}

void TListe::Umordnen(const std::vector<int>& folge) {
    if (static_cast<int>(folge.size()) != Anzahl_) return;
    std::array<std::uint16_t, Kapazitaet + 1> neuerSlot{};
    for (int i = 1; i <= Anzahl_; ++i) {
        const int alt = folge[static_cast<std::size_t>(i - 1)];
        if (alt < 1 || alt > Anzahl_ || neuerSlot[alt] != 0) return;
        neuerSlot[alt] = static_cast<std::uint16_t>(i);
    }
    std::array<std::unique_ptr<TDreiDBasisElement>, Kapazitaet + 1> alt;
    for (int i = 1; i <= Anzahl_; ++i)
        alt[i] = std::move(Slots_[i]);
    for (int i = 1; i <= Anzahl_; ++i)
        Slots_[i] = std::move(alt[folge[static_cast<std::size_t>(i - 1)]]);
    for (int i = 1; i <= Anzahl_; ++i)
        Reihenfolge_[i] = neuerSlot[Reihenfolge_[i]];
}

void TListe::Leeren() {
    for (int i = Anzahl_; i >= 1; --i)
        Slots_[i].reset();
    Reihenfolge_.fill(0);
    Anzahl_ = 0;
    Zaehler_ = 0;
}

void TListe::Kopieren(const TListe& quelle, TListe& ziel) {
    ziel.Leeren();
    ziel.Reihenfolge_ = quelle.Reihenfolge_;
    // Copies are made first, then every reference is mapped by identity onto
    // the copy in the same slot; a reference to an element that is not in
    // the source list any more becomes null instead of dangling.
    std::unordered_map<const TDreiDBasisElement*, TDreiDBasisElement*> kopieVon;
    for (int i = 1; i <= quelle.Anzahl_; ++i) {
        const TDreiDBasisElement& q = *quelle.Slots_[i];
        ++ziel.Anzahl_;
        ++ziel.Zaehler_;
        ziel.Slots_[i] = NeuesElement(q.ArtNummer());
        ziel.Slots_[i]->Nummer = ziel.Zaehler_;
        ziel.Slots_[i]->Szenenobjekte.reset();
        kopieVon[&q] = ziel.Slots_[i].get();
    }
    auto abbilden = [&kopieVon](const TDreiDBasisElement* r) -> TDreiDBasisElement* {
        if (r == nullptr) return nullptr;
        auto it = kopieVon.find(r);
        return it == kopieVon.end() ? nullptr : it->second;
    };
    for (int i = 1; i <= quelle.Anzahl_; ++i) {
        const TDreiDBasisElement& q = *quelle.Slots_[i];
        TDreiDBasisElement& k = *ziel.Slots_[i];
        k.KopiereWerte(q);
        if (IstAbbildungsEntstehung(q.Entstehung.Art))
            k.Entstehung.Originalelement = abbilden(q.Entstehung.Originalelement);
        for (std::size_t s = 0; s < q.Entstehung.Elemente.size(); ++s)
            k.Entstehung.Elemente[s].Element = abbilden(q.Entstehung.Elemente[s].Element);
        if (q.Rolle(TRolle::IstP_Projektionsebene))
            k.Projektionsvektor = abbilden(q.Projektionsvektor);
        for (std::size_t b = 0; b < q.Bezuege.size(); ++b)
            k.Bezuege[b] = abbilden(q.Bezuege[b]);
    }
}

} // namespace kalvorin
