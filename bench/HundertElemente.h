#pragma once
// A document of 100 elements of mixed kinds, each referring to earlier ones:
// the largest a lesson can have.

#include "model/Liste.h"

namespace kalvorin::bench {

// 100 elements of mixed kinds, each referring to earlier ones.
inline void HundertElemente(TListe& l) {
    for (int i = 0; i < 30; ++i) {
        auto* p = l.Neu<TfrPunkt>();
        p->Name = l.AutomatischerName(TElementart::DfrPunkt);
        p->Koordinaten = {(i % 7) - 2.5L, (i % 5) * 1.3L, (i % 3) * 1.7L + 0.5L};
    }
    const auto punkt = [&l](int i) { return l[1 + i % 30]; };
    for (int i = 0; l.Anzahl() < 100; ++i) {
        TDreiDBasisElement* e = nullptr;
        switch (i % 6) {
        case 0:
            e = l.Neu<TGerade>();
            e->Festlegung = TGerade::GPP;
            e->Bezuege = {punkt(i), punkt(i + 1), nullptr};
            break;
        case 1:
            e = l.Neu<TStrecke>();
            e->Bezuege = {punkt(i), punkt(i + 3), nullptr};
            break;
        case 2:
            e = l.Neu<TDreieck>();
            e->Bezuege = {punkt(i), punkt(i + 1), punkt(i + 2)};
            break;
        case 3:
            e = l.Neu<TfrPunkt>();
            e->Entstehung.Art = TEntstehungsart::Mittelpunkt;
            e->Entstehung.Elemente[0].Element = punkt(i);
            e->Entstehung.Elemente[1].Element = punkt(i + 5);
            break;
        case 4:
            if (i % 24 == 4) {
                e = l.Neu<TEbene>();
                e->Festlegung = TEbene::EPPP;
                e->Bezuege = {punkt(i), punkt(i + 2), punkt(i + 4)};
                e->Transparenz = 1;
            } else {
                e = l.Neu<TfrPunkt>();
                static_cast<TfrPunkt*>(e)->Koordinaten = {0.5L * (i % 4), 1, 2};
            }
            break;
        default:
            e = l.Neu<TVektor>();
            e->Festlegung = TVektor::V2P;
            e->Bezuege = {punkt(i), punkt(i + 7), nullptr};
            break;
        }
        e->Name = l.AutomatischerName(e->Art);
    }
}

} // namespace kalvorin::bench
