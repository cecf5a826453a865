#pragma once
// The Abitur exercise of the worksheet tests: A(2|0|0), B(0|4|0), C(0|0|3),
// S(4|4|5), the plane E through A, B, C, the triangle ABC and the pyramid
// ABCS (given); the perpendicular from S onto E, its foot F and the segment
// SF, the distance (derived).

#include "BefehleTest.h"

namespace kalvorin::test {

struct TAbiturBlatt : TBefehlsDokument {
    TAbiturBlatt() {
        P("A", {2, 0, 0});
        P("B", {0, 4, 0});
        P("C", {0, 0, 3});
        P("S", {4, 4, 5});
        E("E", TEbene::EPPP, (*this)["A"], (*this)["B"], (*this)["C"]);
        Dr("ABC", (*this)["A"], (*this)["B"], (*this)["C"]);
        Py("Py", (*this)["ABC"], (*this)["S"]);
        // See-through, as the settings give new planes and triangles.
        (*this)["E"]->Transparenz = 1;
        (*this)["ABC"]->Transparenz = 1;
        D.Neuaufbau();
        Markieren({"S", "E"});
        EXPECT_TRUE(Loteerzeugen(D));
        Letztes()->Name = "l";
        Markieren({"l", "E"});
        EXPECT_TRUE(Schneiden(D));
        Letztes()->Name = "F";
        S("SF", (*this)["S"], (*this)["F"]);
        Markieren(std::vector<const char*>{});
        D.Neuaufbau();
    }
};

} // namespace kalvorin::test
