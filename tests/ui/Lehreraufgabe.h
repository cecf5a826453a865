#pragma once
// A teacher's exercise as it is made in the program: A(4|0|0), B(0|4|0),
// C(0|0|4) and D(3|3|5) through the point dialog (the display range
// stretched where the dialog asks for it), the plane E through the marked
// A, B, C, the perpendicular from D onto E and the reflection D' of D at E,
// the lines g = AB and h = CD, then the angle between g and h and the volume
// of ABCD measured.

#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "eingabe/PunktEingabe.h"
#include "model/Meldungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace kalvorin::test {

inline void LehrerMarkieren(TDokument& d, std::initializer_list<const char*> namen) {
    const std::vector<std::string> n(namen.begin(), namen.end());
    d.Markieren([&](TListe& l) {
        for (int i = 1; i <= l.Anzahl(); ++i)
            l[i]->markiert = std::find(n.begin(), n.end(), l[i]->Name) != n.end();
    });
}

inline void LehrerPunkt(TDokument& d, const char* name, const char* x, const char* y,
                        const char* z) {
    TPunktEingabe e = PunktEingabeNeu(d.Liste());
    e.Name = name;
    e.Edits = {x, y, z};
    ASSERT_EQ(PunktAnnehmen(d, e).Fehler, PunktOk) << name;
    ASSERT_NE(PunktUebernehmen(d, e), 0) << name;
}

// The last element gets the name the exercise gives it.
inline void LehrerBenennen(TDokument& d, const char* name) {
    d.Aendern([&](TListe& l) {
        l[l.Anzahl()]->Name = name;
        return true;
    });
}

inline void Lehreraufgabe(TDokument& d) {
    TMeldungsProtokoll fragen;
    // "Soll das Koordinatensystem angepasst werden?": yes, as a teacher would.
    fragen.Antworten.assign(4, TAntwort::Ja);
    LehrerPunkt(d, "A", "4", "0", "0");
    LehrerPunkt(d, "B", "0", "4", "0");
    LehrerPunkt(d, "C", "0", "0", "4");
    LehrerPunkt(d, "D", "3", "3", "5");
    LehrerMarkieren(d, {"A", "B", "C"});
    ASSERT_TRUE(ErzEbene(d));
    LehrerBenennen(d, "E");
    LehrerMarkieren(d, {"D", "E"});
    ASSERT_TRUE(Loteerzeugen(d));
    LehrerBenennen(d, "l");
    LehrerMarkieren(d, {"E"});
    ASSERT_TRUE(Spiegelung(d));
    LehrerMarkieren(d, {"D"});
    ASSERT_TRUE(Espiegeln(d));
    LehrerMarkieren(d, {"A", "B"});
    ASSERT_TRUE(ErzGerade(d));
    LehrerBenennen(d, "g");
    LehrerMarkieren(d, {"C", "D"});
    ASSERT_TRUE(ErzGerade(d));
    LehrerBenennen(d, "h");
    LehrerMarkieren(d, {"g", "h"});
    EXPECT_TRUE(MessWinkel(d));
    LehrerMarkieren(d, {"A", "B", "C", "D"});
    EXPECT_TRUE(MessVolumen(d));
    LehrerMarkieren(d, {});
}

} // namespace kalvorin::test
