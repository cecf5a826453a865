// An element whose properties dialog gives it a source standing behind it
// moves behind that source, with what is built on it: one rebuild in slot
// order then finds every source up to date, the object list still shows
// the same elements in the same places, and undo gives the old file back.

#include "BefehleTest.h"
#include "document/Invarianten.h"
#include "eingabe/GeradenEingabe.h"
#include "eingabe/PunktEingabe.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace kalvorin {
namespace {

// A(1|0|0), P1(5|5|5), the line g through P1 and A, its intersection F with
// the plane E: x3 = 1, the perpendicular l from P1 onto E, the line h
// through A along v = (0|0|1) and its intersection B = (1|0|1) with E, in
// this order; the object list shows them backwards.
class Quellenfolge : public test::TBefehlsDokument {
public:
    Quellenfolge() {
        TfrPunkt* a = P("A", {1, 0, 0});
        TfrPunkt* p1 = P("P1", {5, 5, 5});
        TVektor* v = V("v", {0, 0, 1});
        ENOR("E", {0, 0, 1}, -1);
        GPP("g", p1, a);
        Bauen({"g", "E"}, Schneiden, "F");
        Bauen({"P1", "E"}, Loteerzeugen, "l");
        GPV("h", a, v);
        Bauen({"h", "E"}, Schneiden, "B");
        for (int i = 1; i <= L.Anzahl(); ++i)
            L.Anzeigereihenfolge(i) = static_cast<std::uint16_t>(L.Anzahl() + 1 - i);
        D.Neuaufbau();
        Markieren({});
    }
    void Bauen(std::initializer_list<const char*> aus, bool (*befehl)(TDokument&),
               const char* name) {
        D.Neuaufbau();
        Markieren(aus);
        EXPECT_TRUE(befehl(D)) << name;
        Letztes()->Name = name;
    }
    std::vector<std::string> Slotnamen() const {
        std::vector<std::string> n;
        for (int i = 1; i <= L.Anzahl(); ++i)
            n.push_back(L[i]->Name);
        return n;
    }
    std::vector<std::string> Anzeige() const {
        std::vector<std::string> n;
        for (int i = 1; i <= L.Anzahl(); ++i)
            n.push_back(L[L.Anzeigereihenfolge(i)]->Name);
        return n;
    }
    TTripel Punkt(const char* name) { return Als<TfrPunkt>(*(*this)[name]).Koordinaten; }
};

// Either way F ends up at B: g runs through B, or upright through B + v.
struct TFall {
    const char* Name;
    const char* Bearbeitet;
    // The dialog's "OK"; returns the slot it reports.
    std::function<int(Quellenfolge&)> Ok;
    std::vector<std::string> Folge;
};

const TFall Faelle[] = {
    {"PointOnALaterPoint",
     "P1",
     [](Quellenfolge& q) {
         TPunktEingabe e = PunktEingabeAusElement(q.L, q.L.PositionVonName("P1"));
         PunktDarstellungsartGewaehlt(e, q.L, false);
         e.Anfangspunkt = "B";
         e.Vektor = "v";
         EXPECT_EQ(PunktAnnehmen(q.D, e).Fehler, PunktOk);
         return PunktUebernehmen(q.D, e);
     },
     {"A", "v", "E", "h", "B", "P1", "g", "F", "l"}},
    {"LineThroughALaterPoint",
     "g",
     [](Quellenfolge& q) {
         TGeradenEingabe e = GeradeEingabeAusElement(q.L, q.L.PositionVonName("g"));
         e.P2.Name = "B";
         TeilGewaehlt(e.P2, q.L, PunktArten);
         e.WegGeaendert(WegPunktPunkt);
         EXPECT_EQ(GeradePruefen(q.L, e).Ergebnis, TPruefergebnis::Gueltig);
         return GeradeUebernehmen(q.D, e);
     },
     {"A", "P1", "v", "E", "l", "h", "B", "g", "F"}},
};

class QuellenfolgeFall : public Quellenfolge, public ::testing::TestWithParam<TFall> {};

TEST_P(QuellenfolgeFall, TheEditedElementFollowsItsSources) {
    const TFall& fall = GetParam();
    const std::vector<std::string> anzeige = Anzeige();
    const std::string vorher = Dateibild(L, D.Koordinatensystem());
    const int slot = fall.Ok(*this);
    EXPECT_EQ(Slotnamen(), fall.Folge);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(L[slot]->Name, fall.Bearbeitet);
    EXPECT_EQ(BezuegePruefen(L), "");
    EXPECT_EQ(Anzeige(), anzeige);

    ASSERT_TRUE(D.PunktVerschieben(L.PositionVonName("A"), {2, 0, 0}));
    // One rebuild in slot order has brought everything up to date.
    EXPECT_EQ(NeuaufbauPruefen(D), "");
    for (const char* name : {"B", "F"}) {
        const TTripel p = Punkt(name);
        EXPECT_NEAR(p.x, 2, 1e-12L) << name;
        EXPECT_NEAR(p.y, 0, 1e-12L) << name;
        EXPECT_NEAR(p.z, 1, 1e-12L) << name;
    }

    ASSERT_TRUE(D.RueckgaengigMachen());
    ASSERT_TRUE(D.RueckgaengigMachen());
    EXPECT_EQ(Dateibild(L, D.Koordinatensystem()), vorher);
}

INSTANTIATE_TEST_SUITE_P(Dialoge, QuellenfolgeFall, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace kalvorin
