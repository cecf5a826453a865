#include "document/ElementEingabe.h"

#include "storage/Zahlen.h"

#include <vector>

namespace kalvorin {

bool Gefuellt(std::string_view text) { return !RemoveBlanks(text).empty(); }

bool AlleGefuellt(const TFeldTexte& felder) {
    for (const std::string& f : felder)
        if (!Gefuellt(f))
            return false;
    return true;
}

bool KeinesGefuellt(const TFeldTexte& felder) {
    for (const std::string& f : felder)
        if (Gefuellt(f))
            return false;
    return true;
}

bool HaengtAb(const TDreiDBasisElement& e, const TDreiDBasisElement& r) {
    // References may point backwards in the list (parts typed with their
    // element stand behind it), so the search follows them and not the order.
    std::vector<const TDreiDBasisElement*> offen{&e};
    std::vector<const TDreiDBasisElement*> gesehen;
    while (!offen.empty()) {
        const TDreiDBasisElement* x = offen.back();
        offen.pop_back();
        if (x == &r)
            return true;
        bool schon = false;
        for (const TDreiDBasisElement* g : gesehen)
            schon = schon || g == x;
        if (schon)
            continue;
        gesehen.push_back(x);
        for (const TDreiDBasisElement* b : x->Bezuege)
            if (b)
                offen.push_back(b);
        if (x->Projektionsvektor)
            offen.push_back(x->Projektionsvektor);
        if (x->Entstehung.Originalelement)
            offen.push_back(x->Entstehung.Originalelement);
        for (const TEntstehungsElement& q : x->Entstehung.Elemente)
            if (q.Element)
                offen.push_back(q.Element);
    }
    return false;
}

bool HatPlatzFuer(const TListe& liste, int n) { return liste.Anzahl() + n <= TListe::Kapazitaet; }

Real FeldWert(const std::string& text, const std::string& angezeigt, Real gehalten) {
    if (text == angezeigt)
        return gehalten;
    return ParseNumber(text).Wert;
}

TTripel FeldWerte(const TFeldTexte& texte, const TFeldTexte& angezeigt, TTripel gehalten) {
    return {FeldWert(texte[0], angezeigt[0], gehalten.x), FeldWert(texte[1], angezeigt[1], gehalten.y),
            FeldWert(texte[2], angezeigt[2], gehalten.z)};
}

TFeldTexte FeldTexte(TTripel t) { return {FormatNumber(t.x), FormatNumber(t.y), FormatNumber(t.z)}; }

} // namespace kalvorin
