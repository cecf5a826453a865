// What earlier versions read of the files this one writes: an element of a
// kind they know that is derived from a sphere or circle, or by a code they
// do not know, comes to them as a free element at its numbers, and back to
// this version with its derivation; they lose nothing but the spheres and
// circles themselves, and never stop with "Einlesefehler".

#include "storage/Dokumentdatei.h"

#include "model/Konstruktionsarten.h"
#include "model/Meldungen.h"

#include "Dateitext.h"
#include "EinstellungenSichern.h"
#include "FruehererLeser.h"
#include "model/ElementBauer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace kalvorin;
using frueher::TFassung;

namespace {

void Ableiten(TDreiDBasisElement& e, TEntstehungsart code, TDreiDBasisElement* a,
              TDreiDBasisElement* b, Real zahl = 0) {
    e.Entstehung.Art = code;
    e.Entstehung.Elemente[0].Element = a;
    e.Entstehung.Elemente[1].Element = b;
    e.Entstehung.Elemente[2].Zahl = zahl;
}

// M, g, E, the sphere K and its circle k; S1 and S2 where g meets K, Q the
// midpoint of S1 and M, T the tangent plane at S1 (a code earlier versions
// do not know), and a free point Z last.
struct TKugeldokument {
    TListe Liste;
    TKugeldokument() {
        test::TElementBauer b(Liste);
        auto* m = b.P("M", {1, 2, 3});
        auto* g = b.G("g", {-9, 0, 10}, {20, 4, -14});
        auto* e = b.ENOR("E", {2, 3, 6}, -40);
        auto* k = b.K("K", {1, 2, 3}, 7);
        auto* kreis = b.Kr("k", {11.0L / 7, 20.0L / 7, 33.0L / 7}, {2, 3, 6}, 3 * std::sqrt(5.0L));
        Ableiten(*kreis, TEntstehungsart::Schnitt, e, k);
        auto* s1 = b.P("S1", {-4, 2, 6.5L});
        Ableiten(*s1, TEntstehungsart::Schnitt, g, k);
        auto* s2 = b.P("S2", {6, 4, -0.5L});
        Ableiten(*s2, TEntstehungsart::Schnitt, k, g);
        auto* q = b.P("Q", {-1.5L, 2, 4.75L});
        Ableiten(*q, TEntstehungsart::Mittelpunkt, s1, m);
        auto* t = b.ENOR("T", {-5, 0, 3.5L}, 0.25L);
        Ableiten(*t, TEntstehungsart::Tangentialebene, k, s1);
        b.P("Z", {0, 0, 0});
    }
};

std::set<std::string> Namen(const TListe& l) {
    std::set<std::string> n;
    for (int i = 1; i <= l.Anzahl(); ++i)
        n.insert(l[i]->Name);
    return n;
}

const TDreiDBasisElement* Element(const TListe& l, const std::string& name) {
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (l[i]->Name == name) return l[i];
    return nullptr;
}

struct TFassungsfall {
    const char* Fall;
    TFassung Fassung;
    std::set<std::string> Verloren;
};

void PrintTo(const TFassungsfall& f, std::ostream* os) {
    *os << f.Fall;
}

class FruehereFassung : public ::testing::TestWithParam<TFassungsfall> {};

TEST_P(FruehereFassung, LosesOnlyTheSpheresAndCirclesAndReadsTheirDependentsFree) {
    const TFassungsfall& f = GetParam();
    test::TEinstellungenSichern sichern;
    const TKugeldokument d;
    const auto inhalt = DokumentInhalt(d.Liste, TKoordinatensystem());
    ASSERT_TRUE(inhalt);
    TListe gelesen;
    const frueher::TGelesen g = frueher::FrueherLesen(*inhalt, gelesen, f.Fassung);
    EXPECT_TRUE(g.Ganz) << "Einlesefehler";
    std::set<std::string> verloren;
    for (const auto& [name, grund] : g.Bericht)
        verloren.insert(name);
    EXPECT_EQ(verloren, f.Verloren);
    std::set<std::string> erwartet = Namen(d.Liste);
    for (const std::string& n : f.Verloren)
        erwartet.erase(n);
    EXPECT_EQ(Namen(gelesen), erwartet);
    // The points of the sphere are free at their numbers; what builds on
    // them keeps its derivation.
    const TDreiDBasisElement* t = Element(gelesen, "T");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Entstehung.Art, TEntstehungsart::keine);
    EXPECT_EQ(Als<TEbene>(*t).Normale, (TTripel{-5, 0, 3.5L}));
    for (const char* name : {"S1", "S2"}) {
        const TDreiDBasisElement* p = Element(gelesen, name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(p->Entstehung.Art, TEntstehungsart::keine) << name;
        EXPECT_EQ(Als<TfrPunkt>(*p).Koordinaten,
                  Als<TfrPunkt>(*Element(d.Liste, name)).Koordinaten);
    }
    const TDreiDBasisElement* q = Element(gelesen, "Q");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->Entstehung.Art, TEntstehungsart::Mittelpunkt);
    EXPECT_EQ(q->Entstehung.Elemente[0].Element, Element(gelesen, "S1"));
}

INSTANTIATE_TEST_SUITE_P(
    Fassungen, FruehereFassung,
    ::testing::Values(TFassungsfall{"OhneKugeln", TFassung::Entwurf, {"K", "k"}},
                      TFassungsfall{"MitKugeln", TFassung::ErsteKugeln, {}}),
    [](const auto& info) { return std::string(info.param.Fall); });

// This version reads its own file with every derivation, and writes it
// again byte for byte.
TEST(FruehereFassung, ThisVersionPrefersTheTrueDerivation) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    const TKugeldokument d;
    const auto inhalt = DokumentInhalt(d.Liste, TKoordinatensystem());
    ASSERT_TRUE(inhalt);
    EXPECT_EQ(inhalt->find("Entstehungselemente=g|K"), std::string::npos);
    EXPECT_NE(inhalt->find("Herleitungselemente=g|K"), std::string::npos);
    EXPECT_NE(inhalt->find("Entstehungselemente=E|K"), std::string::npos); // the circle
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    bool ganz = false;
    ASSERT_TRUE(DokumentAusInhaltLesen(*inhalt, "k.kvr", liste, ks, rollen, false, &ganz));
    EXPECT_TRUE(ganz);
    EXPECT_TRUE(protokoll.Eintraege.empty());
    for (const char* name : {"k", "S1", "S2", "Q", "T"}) {
        const TDreiDBasisElement* e = Element(liste, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->Entstehung.Art, Element(d.Liste, name)->Entstehung.Art) << name;
        EXPECT_EQ(e->Entstehung.Elemente[0].Element->Name,
                  Element(d.Liste, name)->Entstehung.Elemente[0].Element->Name)
            << name;
    }
    EXPECT_EQ(DokumentInhalt(liste, ks), inhalt);
}

struct THerleitungsfall {
    const char* Fall;
    std::string Abschnitt;
};

void PrintTo(const THerleitungsfall& f, std::ostream* os) {
    *os << f.Fall;
}

class Herleitung : public ::testing::TestWithParam<THerleitungsfall> {};

// A derivation this version cannot take over leaves the free element the
// file gives every version, and the rest of the file is read.
TEST_P(Herleitung, ThatCannotBeTakenOverLeavesTheFreeElement) {
    const THerleitungsfall& f = GetParam();
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    const std::string datei =
        test::Datei({"[g]\nElementart=5|DGerade\nGPAR=0|0|0|1|0|0\nmit Rand=0", f.Abschnitt,
                     "[Z]\nElementart=0|DfrPunkt\nKoord=1|1|1\nPunktform=0"});
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    bool ganz = false;
    ASSERT_TRUE(DokumentAusInhaltLesen(datei, "k.kvr", liste, ks, rollen, false, &ganz));
    EXPECT_TRUE(ganz);
    EXPECT_TRUE(protokoll.Eintraege.empty());
    ASSERT_EQ(liste.Anzahl(), 3);
    EXPECT_EQ(liste[2]->Name, "S");
    EXPECT_EQ(liste[2]->Entstehung.Art, TEntstehungsart::keine);
    EXPECT_EQ(Als<TfrPunkt>(*liste[2]).Koordinaten, (TTripel{7, 0, 0}));
    EXPECT_EQ(liste[3]->Name, "Z");
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Herleitung,
    ::testing::Values(
        THerleitungsfall{"KugelFehlt", "[S]\nElementart=0|DfrPunkt\nHerleitung=1|Schnitt\n"
                                       "Herleitungselemente=g|K\nKoord=7|0|0\nPunktform=0"},
        THerleitungsfall{"CodeUnbekannt", "[S]\nElementart=0|DfrPunkt\nHerleitung=99|Neu\n"
                                          "Herleitungselemente=g|g\nKoord=7|0|0\nPunktform=0"},
        THerleitungsfall{"ElementFehlt", "[S]\nElementart=0|DfrPunkt\nHerleitung=14|Mittelpunkt\n"
                                         "Herleitungselemente=g\nKoord=7|0|0\nPunktform=0"}),
    [](const auto& info) { return std::string(info.param.Fall); });

struct TFreiFall {
    const char* Fall;
    int Element; // its place in TKugeldokument
    bool Frei;
};

class FuerFruehere : public ::testing::TestWithParam<TFreiFall> {};

// Which elements are written free: a kind earlier versions know, from a
// sphere; not the circle (they skip it) and not what builds on a point.
TEST_P(FuerFruehere, FreeAreTheKnownKindsFromAnUnknownOne) {
    const TKugeldokument d;
    EXPECT_EQ(FuerFruehereFrei(*d.Liste[GetParam().Element]), GetParam().Frei);
}

INSTANTIATE_TEST_SUITE_P(Elemente, FuerFruehere,
                         ::testing::Values(TFreiFall{"Punkt", 1, false},
                                           TFreiFall{"Kreis", 5, false},
                                           TFreiFall{"SchnittpunktGeradeKugel", 6, true},
                                           TFreiFall{"SchnittpunktKugelGerade", 7, true},
                                           TFreiFall{"MittelpunktDavon", 8, false},
                                           TFreiFall{"Tangentialebene", 9, true}),
                         [](const auto& info) { return std::string(info.param.Fall); });

} // namespace
