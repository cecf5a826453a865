#include "document/Fragenwahl.h"

#include <algorithm>
#include <iterator>

namespace kalvorin {

namespace {

struct TFragenwort {
    TFragenart Art;
    std::string_view Wort; // in the file
    bool Messung;
};

const TFragenwort Fragenwoerter[] = {
    {TFragenart::Element, "Element", false},   {TFragenart::Winkel, "Winkel", true},
    {TFragenart::Laenge, "Länge", true},       {TFragenart::Flaeche, "Fläche", true},
    {TFragenart::Volumen, "Volumen", true},    {TFragenart::Lage, "Lage", true},
    {TFragenart::Text, BlattfrageText, false},
};
static_assert(std::size(Fragenwoerter) == static_cast<std::size_t>(TFragenart::Text) + 1,
              "one row per kind of question, in the order of TFragenart");

const TFragenwort& Wort(TFragenart a) {
    return Fragenwoerter[static_cast<std::size_t>(a)];
}

} // namespace

bool IstMessfrage(TFragenart art) {
    return Wort(art).Messung;
}

TBlattfragen AlsBlattfragen(const std::optional<TArbeitsblattfragen>& fragen) {
    if (!fragen) return {};
    std::vector<TBlattfrage> r;
    for (const TArbeitsblattfrage& f : *fragen)
        r.push_back({std::string(Wort(f.Art).Wort),
                     f.Art == TFragenart::Text ? std::vector<int>{} : f.Nummern,
                     f.Art == TFragenart::Text ? f.Text : std::string()});
    return r;
}

std::optional<TArbeitsblattfragen> AusBlattfragen(const TBlattfragen& fragen) {
    if (!fragen) return {};
    TArbeitsblattfragen r;
    for (const TBlattfrage& f : *fragen) {
        const auto w = std::find_if(std::begin(Fragenwoerter), std::end(Fragenwoerter),
                                    [&](const TFragenwort& a) { return a.Wort == f.Art; });
        if (w == std::end(Fragenwoerter)) continue; // a kind of a later version
        const TFragenart art = w->Art;
        if (art == TFragenart::Text)
            r.push_back({art, {}, f.Text});
        else if (w->Messung ? !f.Nummern.empty() : f.Nummern.size() == 1)
            r.push_back({art, f.Nummern, {}});
    }
    return r;
}

} // namespace kalvorin
