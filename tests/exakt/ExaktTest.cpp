// Exact numbers and the exact twin of the evaluation along construction
// chains, each checked against the extended numbers.

#include "exakt/ExakteGeometrie.h"
#include "exakt/ExakteMessung.h"
#include "exakt/Gleichungen.h"
#include "geometry/Konstruktion.h"
#include "geometry/Nachrechnen.h"
#include "model/ElementBauer.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalvorin;
using namespace kalvorin::exakt;

namespace {

struct TErkennung {
    const char* Name;
    Real Wert;
    const char* Exakt; // "" for none
};

const TErkennung Erkennungen[] = {
    {"Quarter", 0.25L, "1/4"},
    {"Third", 1.0L / 3, "1/3"},
    {"NegativeFraction", -20.0L / 61, "-20/61"},
    {"Integer", 256, "256"},
    {"Zero", 0, "0"},
    {"SixPlaces", 0.123457L, "123457/1000000"},
    {"TenPlacesHaveNone", 0.1234567891L, ""},
    {"PiHasNone", Pi, ""},
    {"RootHasNone", 1.4142135623730950488L, ""},
    // As documents keep numbers: 15 significant digits.
    {"StoredThird", 0.333333333333333L, "1/3"},
    {"StoredTwoThirdsRoundedUp", 0.666666666666667L, "2/3"},
    {"StoredSeventh", -12.1428571428571L, "-85/7"},
    {"StoredDenominator997", 1.0L / 997, "1/997"},
    {"StoredRootHasNone", 1.41421356237310L, ""},
    {"StoredFifteenDigitsHaveNone", 0.123456789012345L, ""},
    // More digits than a file keeps: the precision of the number decides.
    {"SixteenDigitsAreNoThird", 0.3333333333333333L, ""},
};

class Erkennen : public ::testing::TestWithParam<TErkennung> {};

TEST_P(Erkennen, RationalWithinThePrecision) {
    const auto q = RationalErkennen(GetParam().Wert);
    if (*GetParam().Exakt == 0) {
        EXPECT_FALSE(q.has_value());
    } else {
        ASSERT_TRUE(q.has_value());
        EXPECT_EQ(Text(*q, TStil::Ascii), GetParam().Exakt);
    }
}

INSTANTIATE_TEST_SUITE_P(Werte, Erkennen, ::testing::ValuesIn(Erkennungen),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TWurzelFall {
    const char* Name;
    TRational Radikand;
    const char* Text;
    const char* Latex;
};

const TWurzelFall WurzelFaelle[] = {
    {"Twelve", 12, "2·√3", "2\\sqrt{3}"},
    {"Square", TRational(9, 4), "3/2", "\\frac{3}{2}"},
    {"Fraction", TRational(8, 3), "2/3·√6", "\\frac{2}{3}\\sqrt{6}"},
    {"Prime", 61, "√61", "\\sqrt{61}"},
    {"LargePrimeSquare", TRational(1000003) * 1000003 * 7, "1000003·√7", "1000003\\sqrt{7}"},
};

class Wurzeln : public ::testing::TestWithParam<TWurzelFall> {};

TEST_P(Wurzeln, SquareFactorsLeaveTheRoot) {
    const auto w = Wurzel(GetParam().Radikand);
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(Text(*w), GetParam().Text);
    EXPECT_EQ(Text(*w, TStil::Latex), GetParam().Latex);
    EXPECT_NEAR(static_cast<double>(w->Wert() * w->Wert()),
                static_cast<double>(AlsReal(GetParam().Radikand)), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Werte, Wurzeln, ::testing::ValuesIn(WurzelFaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Wurzeln, DenominatorIsRationalised) {
    const auto w = DurchWurzel(44, 61);
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(Text(*w), "44/61·√61");
    EXPECT_EQ(Text(TWurzelzahl{TRational(-1, 2), 2}), "\xE2\x88\x92"
                                                      "1/2·√2");
    EXPECT_FALSE(Wurzel(-1).has_value());
}

// A document whose derived elements are recomputed like the rebuild does;
// its forms are written with x, y, z.
class Kette : public ::testing::Test {
protected:
    void SetUp() override { Einstellungen().HeftAchsenIndiziert = false; }
    test::TEinstellungenSichern sichern;
    TListe liste;
    test::TElementBauer b{liste};

    template <class T>
    T* Abgeleitet(T* e, TEntstehungsart art, TDreiDBasisElement* q1,
                  TDreiDBasisElement* q2 = nullptr, TDreiDBasisElement* original = nullptr) {
        e->Entstehung.Art = art;
        e->Entstehung.Elemente[0].Element = q1;
        e->Entstehung.Elemente[1].Element = q2;
        e->Entstehung.Originalelement = original;
        EXPECT_EQ(AbgeleitetesNachrechnen(*e), TNachrechnung::Neu) << e->Name;
        return e;
    }
    std::string PunktText(TDreiDBasisElement* p) {
        TExakteAuswertung a;
        auto q = a.Punkt(p);
        if (!q) return "-";
        return Text(q->x, TStil::Ascii) + "|" + Text(q->y, TStil::Ascii) + "|" +
               Text(q->z, TStil::Ascii);
    }
};

TEST_F(Kette, FootOfThePerpendicularIsExact) {
    auto* s = b.P("S", {4, 4, 5});
    auto* e = b.ENOR("E", {6, 3, 4}, -12);
    auto* lot = Abgeleitet(b.G("l", {0, 0, 0}, {1, 0, 0}), TEntstehungsart::LotPE, s, e);
    auto* f = Abgeleitet(b.P("F", {0, 0, 0}), TEntstehungsart::Schnitt, lot, e);
    EXPECT_EQ(PunktText(f), "-20/61|112/61|129/61");
    EXPECT_TRUE(ExaktStimmtMitDezimal(liste));
}

TEST_F(Kette, MappingsAndMidpointsStayExact) {
    auto* p = b.P("P", {1, 2, 3});
    auto* z = b.P("Z", {1.0L / 3, 0, 0});
    auto* g = b.G("g", {0, 0, 0}, {1, 1, 0});
    auto* e = b.ENOR("E", {1, 1, 1}, -1);
    auto* p1 = Abgeleitet(b.P("P1", {}), TEntstehungsart::PSpiegelung, z, nullptr, p);
    auto* p2 = Abgeleitet(b.P("P2", {}), TEntstehungsart::ASpiegelung, g, nullptr, p);
    auto* p3 = Abgeleitet(b.P("P3", {}), TEntstehungsart::ESpiegelung, e, nullptr, p);
    auto* p4 = Abgeleitet(b.P("P4", {}), TEntstehungsart::O_Projektion, e, nullptr, p);
    auto* m = Abgeleitet(b.P("M", {}), TEntstehungsart::Mittelpunkt, p1, p3);
    EXPECT_EQ(PunktText(p1), "-1/3|-2|-3");
    EXPECT_EQ(PunktText(p2), "2|1|-3");
    EXPECT_EQ(PunktText(p3), "-7/3|-4/3|-1/3");
    EXPECT_EQ(PunktText(p4), "-2/3|1/3|4/3");
    EXPECT_EQ(PunktText(m), "-4/3|-5/3|-5/3");
    std::string abweichung;
    EXPECT_TRUE(ExaktStimmtMitDezimal(liste, &abweichung)) << abweichung;
}

TEST_F(Kette, AnInexactSourceLeavesEveryDependentWithoutExactValue) {
    auto* p = b.P("P", {0.1234567891L, 0, 0});
    auto* q = b.P("Q", {1, 1, 1});
    auto* m = Abgeleitet(b.P("M", {}), TEntstehungsart::Mittelpunkt, p, q);
    EXPECT_EQ(PunktText(p), "-");
    EXPECT_EQ(PunktText(m), "-");
    EXPECT_EQ(PunktText(q), "1|1|1");
}

// Mid-lines and mid-planes are exact where the unit directions (normals)
// are: lengths that are rational.
TEST_F(Kette, MidLineAndMidPlaneOfRationalLengthsAreExact) {
    auto* g = b.G("g", {0, 0, 0}, {1, 2, 2});
    auto* h = b.G("h", {0, 0, 1}, {2, 1, -2});
    auto* e = b.ENOR("E", {0, 0, 1}, -1);
    auto* f = b.ENOR("F", {0, 3, 4}, 0);
    auto* m = Abgeleitet(b.G("m", {0, 0, 0}, {1, 0, 0}), TEntstehungsart::Mittelgerade, g, h);
    auto* k = Abgeleitet(b.ENOR("M", {1, 0, 0}, 0), TEntstehungsart::MittelEbene, e, f);
    TExakteAuswertung a;
    EXPECT_TRUE(a.Geometrie(m).has_value());
    EXPECT_TRUE(a.Geometrie(k).has_value());
    // A length √2 keeps the root: no exact value rather than a wrong one.
    auto* g2 = b.G("g2", {0, 0, 0}, {1, 1, 0});
    auto* h2 = b.G("h2", {0, 0, 0}, {1, 0, 1});
    auto* m2 = Abgeleitet(b.G("m2", {0, 0, 0}, {1, 0, 0}), TEntstehungsart::Mittelgerade, g2, h2);
    EXPECT_FALSE(a.Geometrie(m2).has_value());
    std::string abweichung;
    EXPECT_TRUE(ExaktStimmtMitDezimal(liste, &abweichung)) << abweichung;
}

// A triangle on a line is invalid: no exact area.
TEST_F(Kette, TriangleOnALineHasNoExactValue) {
    auto* p = b.P("A", {0, 0, 0});
    auto* q = b.P("B", {1, 1, 1});
    auto* r = b.P("C", {2, 2, 2});
    auto* d = b.Dr("D", p, q, r);
    TExakteAuswertung a;
    EXPECT_FALSE(a.Geometrie(d).has_value());
    EXPECT_FALSE(ExaktMessen(a, TMessart::FlaecheDreieck, {d}).has_value());
}

TEST_F(Kette, ADisagreeingExactValueIsDropped) {
    auto* p = b.P("P", {1, 2, 3});
    auto* q = b.P("Q", {3, 2, 1});
    auto* m = Abgeleitet(b.P("M", {}), TEntstehungsart::Mittelpunkt, p, q);
    // Numbers that no longer follow the sources (a stale rebuild): no
    // exact value rather than a wrong one.
    static_cast<TfrPunkt*>(m)->Koordinaten = {2, 2, 2.5L};
    EXPECT_EQ(PunktText(m), "-");
    EXPECT_TRUE(ExaktStimmtMitDezimal(liste));
}

} // namespace

namespace {

std::vector<std::string> FormTexte(TListe& l, const char* name) {
    TExakteAuswertung a;
    std::vector<std::string> r;
    for (const auto& f : Formen(a, *l.ElementMitName(name)))
        r.push_back(f.Name + " " + f.Text);
    return r;
}

TEST_F(Kette, PlaneThroughThreePointsInAllFiveForms) {
    auto* a = b.P("A", {2, 0, 0});
    auto* bb = b.P("B", {0, 4, 0});
    auto* c = b.P("C", {0, 0, 3});
    b.E("E", TEbene::EPPP, a, bb, c);
    const std::vector<std::string> soll = {
        "Parameterform E: x⃗ = (2|0|0) + r·(−1|2|0) + s·(−2|0|3)",
        "Normalenform E: [x⃗ − (2|0|0)]·(6|3|4) = 0",
        "Koordinatenform E: 6x + 3y + 4z = 12",
        "Hessesche Normalform E: (6x + 3y + 4z − 12)/√61 = 0",
        "Achsenabschnittsform E: x/2 + y/4 + z/3 = 1",
    };
    EXPECT_EQ(FormTexte(liste, "E"), soll);
}

struct TFormFall {
    const char* Name;
    TTripel Normale;
    Real d;
    const char* Koordinatenform;
    const char* Hesse;
    const char* Achsen; // "" when the form does not exist
};

const TFormFall FormFaelle[] = {
    {"ThroughOrigin", {1, -2, 0}, 0, "F: x − 2y = 0", "F: (x − 2y)/√5 = 0", ""},
    {"NegativeFirstTurned",
     {-2, 0, -4},
     6,
     "F: x + 2z = 3",
     "F: (x + 2z − 3)/√5 = 0",
     "F: x/3 + z/(3/2) = 1"},
    {"FractionsCleared",
     {0.5L, 1.0L / 3, 0},
     1,
     "F: 3x + 2y = −6",
     "F: (−3x − 2y − 6)/√13 = 0",
     "F: x/(−2) + y/(−3) = 1"},
    {"WholeLength",
     {2, 1, 2},
     -6,
     "F: 2x + y + 2z = 6",
     "F: (2x + y + 2z − 6)/3 = 0",
     "F: x/3 + y/6 + z/3 = 1"},
    {"RootWithFactor",
     {2, 2, 2},
     -2,
     "F: x + y + z = 1",
     "F: (x + y + z − 1)/√3 = 0",
     "F: x + y + z = 1"},
};

class FormenTest : public Kette, public ::testing::WithParamInterface<TFormFall> {};

TEST_P(FormenTest, CoordinateHesseAndInterceptForms) {
    b.ENOR("F", GetParam().Normale, GetParam().d);
    const auto texte = FormTexte(liste, "F");
    auto suche = [&](const std::string& name) -> std::string {
        for (const auto& t : texte)
            if (t.rfind(name + " ", 0) == 0) return t.substr(name.size() + 1);
        return "";
    };
    EXPECT_EQ(suche("Koordinatenform"), GetParam().Koordinatenform);
    EXPECT_EQ(suche("Hessesche Normalform"), GetParam().Hesse);
    EXPECT_EQ(suche("Achsenabschnittsform"), GetParam().Achsen);
}

INSTANTIATE_TEST_SUITE_P(Ebenen, FormenTest, ::testing::ValuesIn(FormFaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Kette, PointsLinesAndSolidsInTheirForms) {
    auto* s = b.P("S", {4, 4, 5});
    auto* e = b.ENOR("E", {6, 3, 4}, -12);
    auto* lot = Abgeleitet(b.G("l", {0, 0, 0}, {1, 0, 0}), TEntstehungsart::LotPE, s, e);
    Abgeleitet(b.P("F", {0, 0, 0}), TEntstehungsart::Schnitt, lot, e);
    auto* a = b.P("A", {0, 0, 0});
    auto* bb = b.P("B", {2, -2, 0});
    auto* c = b.P("C", {0, 2, -2});
    auto* d = b.Dr("D", a, bb, c);
    b.Py("Y", d, b.P("T", {0, 0, 13}));
    b.S("s", a, bb);
    b.P("Q", {0.1234567891L, 0, 0});
    EXPECT_EQ(FormTexte(liste, "F"),
              std::vector<std::string>{"Koordinaten F(−20/61 | 112/61 | 129/61)"});
    EXPECT_EQ(FormTexte(liste, "l"),
              std::vector<std::string>{"Parameterform l: x⃗ = (4|4|5) + r·(6|3|4)"});
    EXPECT_EQ(FormTexte(liste, "D"), std::vector<std::string>{"Flächeninhalt 2·√3 FE"});
    EXPECT_EQ(FormTexte(liste, "s"), std::vector<std::string>{"Länge 2·√2 LE"});
    EXPECT_EQ(FormTexte(liste, "Y"), std::vector<std::string>{"Volumen 26/3 VE"});
    EXPECT_TRUE(FormTexte(liste, "Q").empty());
}

// The dialog refuses parallel directions, but a document file may hold
// them: such a plane has no normal and so no form, rather than a division
// by zero that takes the properties dialog down.
TEST_F(Kette, PlaneWithParallelDirectionsHasNoForm) {
    b.EPAR("E", {1, 0, 0}, {1, 2, 3}, {2, 4, 6});
    b.EPAR("F", {1, 0, 0}, {1, 2, 3}, {0, 0, 0});
    EXPECT_TRUE(FormTexte(liste, "E").empty());
    EXPECT_TRUE(FormTexte(liste, "F").empty());
}

} // namespace

namespace {

// The texts beyond the dialogs name the coordinates as the settings do.
TEST_F(Kette, CoordinateNamesFollowTheSetting) {
    auto* e = b.ENOR("E", {6, 3, 4}, -12);
    const std::pair<bool, std::vector<std::string>> faelle[] = {
        {true,
         {"Koordinatenform E: 6x₁ + 3x₂ + 4x₃ = 12",
          "Achsenabschnittsform E: x₁/2 + x₂/4 + x₃/3 = 1"}},
        {false,
         {"Koordinatenform E: 6x + 3y + 4z = 12", "Achsenabschnittsform E: x/2 + y/4 + z/3 = 1"}},
    };
    for (const auto& [indiziert, erwartet] : faelle) {
        Einstellungen().HeftAchsenIndiziert = indiziert;
        const auto formen = FormTexte(liste, "E");
        for (const std::string& f : erwartet)
            EXPECT_NE(std::find(formen.begin(), formen.end(), f), formen.end()) << f;
        TExakteAuswertung a;
        for (const auto& f : Formen(a, *e)) {
            if (f.Name != "Koordinatenform") continue;
            EXPECT_EQ(f.Latex.find("x_1") != std::string::npos, indiziert) << f.Latex;
        }
    }
}

} // namespace

namespace {

// A name goes into the LaTeX of the forms escaped, as typed, never as a
// command.
TEST_F(Kette, NamesInTheFormsLatexAreEscaped) {
    const TDreiDBasisElement* elemente[] = {b.ENOR("\\input{x}", {6, 3, 4}, -12),
                                            b.P("$#%", {1, 2, 3})};
    TExakteAuswertung a;
    for (const TDreiDBasisElement* x : elemente)
        for (const auto& f : Formen(a, *x)) {
            EXPECT_EQ(f.Latex.find("\\input{"), std::string::npos) << f.Latex;
            std::string ohne = f.Latex;
            for (std::size_t i; (i = ohne.find("\\$")) != std::string::npos;)
                ohne.erase(i, 2);
            EXPECT_EQ(ohne.find('$'), std::string::npos) << f.Latex;
        }
}

} // namespace

// The exact values follow the same chain as the extended ones: the exact
// layer calculates exactly the constructions geometry calculates, so that no
// construction silently loses its exact value (or gains one geometry lacks).
TEST(ExakteKonstruktionen, TheSameCodesAsGeometry) {
    for (int code = -1; code <= AnzahlEntstehungsarten; ++code)
        EXPECT_EQ(IstExakteKonstruktion(code), IstKonstruktion(code)) << code;
}
