// The input models of the segment, arrow and vector dialogs: what they
// show, their checks in order, and what an accepted input adds.

#include "Testnamen.h"
#include "document/Testzugang.h"
#include "eingabe/PfeilEingabe.h"
#include "eingabe/StreckenEingabe.h"
#include "eingabe/VektorEingabe.h"

#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;
using test::MitTrenner;

namespace {

TFeldTexte T(std::string x, std::string y, std::string z) {
    return {MitTrenner(x), MitTrenner(y), MitTrenner(z)};
}

class MitListe : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }

    test::TEinstellungenSichern sichern;
    TListe liste;
    test::TElementBauer bau{liste};
};

// ---------------------------------------------------------------------------
// Segment

class Strecke : public MitListe {
protected:
    TStreckenEingabe S(const char* a, TFeldTexte pa, const char* b, TFeldTexte pb,
                       const char* name = nullptr) {
        TStreckenEingabe e = StreckeEingabeNeu(liste);
        if (name) e.Name = name;
        e.Anfang = {a, pa};
        e.Ende = {b, pb};
        TeilGewaehlt(e.Anfang, liste, PunktArten);
        TeilGewaehlt(e.Ende, liste, PunktArten);
        return e;
    }
};

TEST_P(Strecke, LengthLabelWithTheSeparator) {
    EXPECT_EQ(StreckenLaengeText(liste, S("A", T("0", "0", "0"), "B", T("3", "4", "0"))), "5 LE");
    EXPECT_EQ(StreckenLaengeText(liste, S("A", T("0", "0", "0"), "B", T("1", "1", "1"))),
              MitTrenner("1,73 LE"));
    // Empty as soon as one coordinate does not read.
    EXPECT_EQ(StreckenLaengeText(liste, S("A", T("0", "0", ""), "B", T("1", "1", "1"))), "");
    EXPECT_EQ(StreckenLaengeText(liste, S("A", T("0", "0", "0"), "B", T("1", "x", "1"))), "");
    // A named point counts with its exact value, not with the rounded text it shows.
    bau.P("P", {1.0L / 3, 0, 0});
    TStreckenEingabe e = S("P", {}, "Q", T("0", "0", "0"));
    EXPECT_TRUE(e.Anfang.Fest);
    e.Ende.Werte = T("1", "0", "0");
    EXPECT_EQ(StreckenLaengeText(liste, e), MitTrenner("0,67 LE"));
}

TEST_P(Strecke, EveryCheckInItsOrder) {
    bau.P("P", {1, 2, 3});
    bau.V("v", {1, 0, 0});
    struct Fall {
        TStreckenEingabe e;
        std::string meldung;
    };
    const Fall faelle[] = {
        {S("v", T("1", "1", "1"), "Q", T("0", "0", "0")),
         "Name des Anfangspunktes bereits vergeben!"},
        {S("Q", T("1", "1", "1"), "v", T("0", "0", "0")), "Name des Endpunktes bereits vergeben!"},
        {S("Q", T("1", "1", "1"), "Q", T("0", "0", "0")),
         "Die beiden Punkte besitzen den gleichen Namen!"},
        {S("Q", T("1", "x", "1"), "R", T("0", "0", "0")),
         "Koordinaten des Anfangspunktes nicht richtig festgelegt!"},
        {S("Q", T("1", "1", "1"), "R", T("0", "0", "1/0")),
         "Koordinaten des Endpunktes nicht festgelegt!"},
        // Equal coordinates, different names; also against an existing point.
        {S("Q", T("1", "2", "3"), "R", T("1", "2", "3")), "Die beiden Punkte sind identisch!"},
        {S("P", {}, "R", T("1", "2", "3")), "Die beiden Punkte sind identisch!"},
        // Later checks win: a failed read over the name; a failed read over
        // the equality test that would use its value.
        {S("v", T("1", "x", "1"), "R", T("1", "0", "1")),
         "Koordinaten des Anfangspunktes nicht richtig festgelegt!"},
        {S("Q", T("1", "2", "3"), "R", T("1", "2", "3,5/0")),
         "Koordinaten des Endpunktes nicht festgelegt!"},
        // A point may not take the segment's own new name.
        {S("S1", T("1", "1", "1"), "R", T("0", "0", "0")),
         "Name des Anfangspunktes bereits vergeben!"},
        // The segment's own name: empty or taken are refused.
        {S("Q", T("1", "1", "1"), "R", T("0", "0", "0"), ""), "Name nicht festgelegt!"},
        {S("Q", T("1", "1", "1"), "R", T("0", "0", "0"), "v"),
         "Name der Strecke bereits vergeben!"},
        {S("P", {}, "R", T("1", "2", "4")), ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        EXPECT_EQ(StreckenChecks(liste, f.e), f.meldung);
    }
}

TEST_P(Strecke, OkWithMissingFields) {
    TStreckenEingabe e = StreckeEingabeNeu(liste);
    // Names alone do not count: with six empty edits the dialog closes.
    e.Anfang.Name = "A";
    EXPECT_EQ(StreckePruefen(liste, e).Ergebnis, TPruefergebnis::StillSchliessen);
    e.Anfang.Werte = T("1", "", "");
    const TEingabePruefung r = StreckePruefen(liste, e);
    EXPECT_EQ(r.Ergebnis, TPruefergebnis::Unvollstaendig);
    EXPECT_EQ(r.Meldung, "Eingabefenster nicht vollständig ausgefüllt!");
    e = S("A", T("1", "2", "3"), " ", T("1", "1", "1"));
    EXPECT_EQ(StreckePruefen(liste, e).Meldung, "Eingabefenster nicht vollständig ausgefüllt!");
}

TEST_P(Strecke, NewPointsStandBehindTheSegmentExistingOnesAreReferenced) {
    TfrPunkt* p = bau.P("P", {4, 5, 6});
    const TStreckenEingabe e = S("Q", T("1", "1/3", "3"), "P", {});
    ASSERT_EQ(StreckenChecks(liste, e), "");
    ASSERT_EQ(StreckeNeuAnlegen(liste, e), 2);
    ASSERT_EQ(liste.Anzahl(), 3);
    const auto& s = Als<TStrecke>(*liste[2]);
    const auto& q = Als<TfrPunkt>(*liste[3]);
    EXPECT_EQ(s.Name, "S1");
    EXPECT_EQ(s.Anfang(), &q);
    EXPECT_EQ(s.Ende(), p);
    EXPECT_EQ(q.Name, "Q");
    EXPECT_EQ(q.Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(q.Koordinaten, (TTripel{1, 1.0L / 3, 3}));
}

TEST_P(Strecke, PropertiesModeOfAGivenAndOfADerivedSegment) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TStrecke* s = bau.S("s", a, bau.P("B", {1, 2, 2}));
    TfrPunkt* a2 = bau.P("A'", {0, 0, 0});
    TStrecke* bild = bau.S("s'", a2, bau.P("B'", {-1, -2, -2}));
    bild->Entstehung.Art = TEntstehungsart::PSpiegelung;
    bild->Entstehung.Originalelement = s;
    bild->Entstehung.Elemente[0].Element = a;
    ASSERT_EQ(liste.SlotVon(bild), 6);

    // A derived segment shows its origin and is only renamed.
    TStreckenEingabe e = StreckeEingabeAusElement(liste, 6);
    EXPECT_TRUE(e.Abgeleitet);
    EXPECT_FALSE(e.NamenWaehlbar);
    EXPECT_EQ(e.Entstehung.rfind("s' ", 0), 0u) << e.Entstehung;
    EXPECT_EQ(e.Anfang.Name, "A'");
    e.Name = "t";
    ASSERT_EQ(StreckenChecks(liste, e), "");
    ASSERT_TRUE(StreckeAusDialog(liste, 6, e));
    EXPECT_EQ(bild->Name, "t");
    EXPECT_EQ(bild->Anfang(), a2);
    EXPECT_EQ(bild->Entstehung.Art, TEntstehungsart::PSpiegelung);

    // A given one shows its ends and the length at once.
    e = StreckeEingabeAusElement(liste, 3);
    EXPECT_FALSE(e.Neu);
    EXPECT_TRUE(e.NamenWaehlbar);
    EXPECT_TRUE(e.Anfang.Fest && e.Ende.Fest);
    EXPECT_EQ(e.Ende.Werte, T("1", "2", "2"));
    EXPECT_EQ(StreckenLaengeText(liste, e), "3 LE");
    EXPECT_EQ(StreckenChecks(liste, e), "");
    // A new end point in properties mode is appended now.
    e.Ende = {"C", T("0", "0", "5")};
    e.Duenn = false;
    ASSERT_TRUE(StreckeAusDialog(liste, 3, e));
    ASSERT_EQ(liste.Anzahl(), 7);
    EXPECT_EQ(s->Ende(), liste[7]);
    EXPECT_EQ(s->Anfang(), a);
    EXPECT_EQ(s->Dicke, Einstellungen().DickgeradenDicke);
    // A point built on the segment cannot define it.
    TfrPunkt* m = bau.P("M", {});
    m->Entstehung.Art = TEntstehungsart::Schnitt;
    m->Entstehung.Elemente[0].Element = s;
    e = StreckeEingabeAusElement(liste, 3);
    e.Ende.Name = "M";
    EXPECT_EQ(StreckenChecks(liste, e),
              "Das Objekt M ist aus der Strecke entstanden\r\nund kann sie nicht festlegen!");
}

TEST_P(Strecke, AFullListAddsNothing) {
    for (int i = 0; i < TListe::Kapazitaet - 2; ++i)
        bau.P("P" + std::to_string(i), {0, 0, Real(i)});
    // The segment fits, its two new points do not.
    const TStreckenEingabe e = S("Q", T("1", "1", "1"), "R", T("0", "0", "9"));
    EXPECT_EQ(StreckenChecks(liste, e), ListeVollMeldung);
    EXPECT_EQ(StreckeNeuAnlegen(liste, e), 0);
    EXPECT_EQ(liste.Anzahl(), TListe::Kapazitaet - 2);
    // With one existing end there is room.
    EXPECT_EQ(StreckenChecks(liste, S("Q", T("1", "1", "1"), "P0", {})), "");
}

INSTANTIATE_TEST_SUITE_P(Trenner, Strecke, ::testing::Values(',', '.'), testnamen::Trenner);

// ---------------------------------------------------------------------------
// Arrow

class Pfeil : public MitListe {
protected:
    TPfeilEingabe PP(const char* f, TFeldTexte pf, const char* s, TFeldTexte ps,
                     const char* name = nullptr) {
        TPfeilEingabe e = PfeilEingabeNeu(liste);
        if (name) e.Name = name;
        e.PPFuss = {f, pf};
        e.PPSpitze = {s, ps};
        TeilGewaehlt(e.PPFuss, liste, PunktArten);
        TeilGewaehlt(e.PPSpitze, liste, PunktArten);
        e.WegGeaendert(WegFussSpitze);
        return e;
    }
    TPfeilEingabe PV(const char* f, TFeldTexte pf, const char* v, TFeldTexte pv) {
        TPfeilEingabe e = PfeilEingabeNeu(liste);
        e.Weg = e.Festlegung = WegFussVektor;
        e.PVFuss = {f, pf};
        e.PVVektor = {v, pv};
        TeilGewaehlt(e.PVFuss, liste, PunktArten);
        TeilGewaehlt(e.PVVektor, liste, VektorArten);
        e.WegGeaendert(WegFussVektor);
        return e;
    }
};

TEST_P(Pfeil, CompletingOneWayLocksTheOther) {
    TPfeilEingabe e = PP("A", T("0", "0", "0"), "B", T("1", "0", "0"));
    EXPECT_TRUE(e.Vollstaendig);
    EXPECT_EQ(e.Festlegung, WegFussSpitze);
    EXPECT_FALSE(e.PunktVektorAktiv);
    EXPECT_TRUE(e.PunktPunktAktiv);
    e.PPSpitze.Werte[1] = " ";
    e.WegGeaendert(WegFussSpitze);
    EXPECT_FALSE(e.Vollstaendig);
    EXPECT_TRUE(e.PunktVektorAktiv);
    e = PV("A", T("0", "0", "0"), "u", T("1", "0", "0"));
    EXPECT_EQ(e.Festlegung, WegFussVektor);
    EXPECT_FALSE(e.PunktPunktAktiv);
    // In properties mode the other way stays locked and the input complete.
    e.Neu = false;
    e.PVVektor.Name = "";
    e.WegGeaendert(WegFussVektor);
    EXPECT_TRUE(e.Vollstaendig);
    EXPECT_FALSE(e.PunktPunktAktiv);
}

TEST_P(Pfeil, OkWithIncompleteInput) {
    TPfeilEingabe e = PfeilEingabeNeu(liste);
    EXPECT_EQ(PfeilPruefen(liste, e).Ergebnis, TPruefergebnis::StillSchliessen);
    e.PPFuss.Werte[0] = "1";
    e.WegGeaendert(WegFussSpitze);
    EXPECT_EQ(PfeilPruefen(liste, e).Meldung, "Eingabefenster nicht vollständig ausgefüllt!");
    // Only the fields of the selected way count.
    e.Weg = WegFussVektor;
    EXPECT_EQ(PfeilPruefen(liste, e).Ergebnis, TPruefergebnis::StillSchliessen);
}

TEST_P(Pfeil, EveryCheckOfBothWays) {
    bau.P("P", {1, 2, 3});
    bau.V("v", {1, 0, 0});
    bau.V("n", {0, 0, 0});
    struct Fall {
        TPfeilEingabe e;
        std::string meldung;
    };
    const Fall faelle[] = {
        {PP("v", T("1", "1", "1"), "B", T("0", "0", "0")), "Name des Fußpunktes bereits vergeben!"},
        {PP("A", T("1", "1", "1"), "v", T("0", "0", "0")), "Name der Spitze bereits vergeben!"},
        {PP("A", T("1", "1", "1"), "A", T("0", "0", "0")),
         "Die beiden Punkte besitzen den gleichen Namen!"},
        {PP("A", T("1", "y", "1"), "B", T("0", "0", "0")),
         "Koordinaten des Fußpunktes nicht richtig festgelegt!"},
        {PP("A", T("1", "1", "1"), "B", T("0", "257", "0")),
         "Koordinaten der Spitze nicht richtig festgelegt!"},
        {PP("A", T("1", "2", "3"), "P", {}), "Fußpunkt und Spitze Punkte sind identisch!"},
        {PP("P", {}, "B", T("1", "2", "3,0")), "Fußpunkt und Spitze Punkte sind identisch!"},
        {PP("A", T("1", "2", "3"), "B", T("1", "2", "3/0")),
         "Koordinaten der Spitze nicht richtig festgelegt!"},
        {PV("v", T("1", "1", "1"), "u", T("1", "0", "0")), "Name des Fußpunktes bereits vergeben!"},
        {PV("A", T("1", "1", "1"), "P", T("1", "0", "0")), "Name des Vektors bereits vergeben!"},
        {PV("A", T("1", "1", "1"), "A", T("1", "0", "0")),
         "Anfangspunkt und Vektor besitzen den gleichen Namen!"},
        {PV("A", T("1", "", "1"), "u", T("1", "0", "0")),
         "Koordinaten des Fußpunktes nicht richtig festgelegt!"},
        {PV("A", T("1", "1", "1"), "u", T("1", "a", "0")),
         "Koordinaten des Vektors nicht richtig festgelegt!"},
        {PV("A", T("1", "1", "1"), "u", T("0", "0", "0")), "Der Vektor ist der Nullvektor!"},
        {PV("P", {}, "n", {}), "Der Vektor ist der Nullvektor!"},
        {PV("A", T("1", "1", "1"), "u", T("0", "0/0", "0")),
         "Koordinaten des Vektors nicht richtig festgelegt!"},
        {PP("A", T("1", "1", "1"), "B", T("0", "0", "0"), "v"),
         "Name des Pfeils bereits vergeben!"},
        {PP("A", T("1", "1", "1"), "B", T("0", "0", "0"), " "), "Name nicht festgelegt!"},
        {PP("P", {}, "B", T("0", "0", "0")), ""},
        {PV("P", {}, "v", {}), ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        EXPECT_EQ(PfeilChecks(liste, f.e), f.meldung);
    }
}

TEST_P(Pfeil, NewPointPointArrowAddsTwoToFourElementsWithItsOwnVector) {
    bau.P("P", {1, 2, 3});
    bau.P("Q", {1, 2, 4});
    bau.V("V1", {1, 0, 0});
    struct Fall {
        const char* fuss;
        TFeldTexte f;
        const char* spitze;
        TFeldTexte s;
        std::vector<std::string> namen; // what is added, in list order
    };
    const Fall faelle[] = {
        {"P", {}, "Q", {}, {"Pf1", "V2"}},
        {"A", T("0", "0", "0"), "Q", {}, {"Pf2", "A", "V3"}},
        {"B", T("0", "0", "0"), "C", T("0", "1", "0"), {"Pf3", "B", "C", "V4"}},
    };
    for (const Fall& f : faelle) {
        const TPfeilEingabe e = PP(f.fuss, f.f, f.spitze, f.s);
        ASSERT_EQ(PfeilChecks(liste, e), "");
        const int vorher = liste.Anzahl();
        const int slot = PfeilNeuAnlegen(liste, e);
        ASSERT_EQ(slot, vorher + 1);
        std::vector<std::string> namen;
        for (int i = slot; i <= liste.Anzahl(); ++i)
            namen.push_back(liste[i]->Name);
        EXPECT_EQ(namen, f.namen);
        const auto& pf = Als<TPfeil>(*liste[slot]);
        const TDreiDBasisElement* v = liste[liste.Anzahl()];
        EXPECT_EQ(pf.Festlegung, TPfeil::PfPP);
        EXPECT_EQ(pf.Vektor(), v);
        EXPECT_EQ(v->Festlegung, TVektor::VPf);
        EXPECT_EQ(v->Farbe, Schwarz);
        EXPECT_EQ(v->Bezuege[0], &pf);
    }
    // A point typed with the name the own vector would get keeps it; the
    // vector takes the next one.
    TPfeilEingabe e = PP("V5", T("0", "0", "0"), "P", {});
    const int slot = PfeilNeuAnlegen(liste, e);
    ASSERT_EQ(slot, liste.Anzahl() - 2);
    EXPECT_EQ(liste[liste.Anzahl() - 1]->Name, "V5");
    EXPECT_EQ(liste[liste.Anzahl()]->Name, "V6");
}

TEST_P(Pfeil, PointVectorReferencesAnExistingVectorOrMakesABlackOne) {
    TfrPunkt* p = bau.P("P", {1, 2, 3});
    TVektor* v = bau.V("v", {1, 0, 0});
    v->Farbe = RGB(10, 20, 30);
    ASSERT_EQ(PfeilNeuAnlegen(liste, PV("P", {}, "v", {})), 3);
    EXPECT_EQ(liste[3]->Festlegung, TPfeil::PfPV);
    EXPECT_EQ(liste[3]->Bezuege[0], p);
    EXPECT_EQ(liste[3]->Bezuege[1], v);
    EXPECT_EQ(v->Farbe, RGB(10, 20, 30));
    ASSERT_EQ(PfeilNeuAnlegen(liste, PV("F", T("0", "0", "0"), "w", T("1/2", "0", "0"))), 4);
    ASSERT_EQ(liste.Anzahl(), 6);
    EXPECT_EQ(liste[5]->Name, "F");
    EXPECT_EQ(liste[6]->Name, "w");
    EXPECT_EQ(liste[6]->Farbe, Schwarz);
    EXPECT_EQ(liste[6]->Festlegung, TVektor::V);
    EXPECT_EQ(Als<TVektor>(*liste[6]).Komponenten, (TTripel{0.5L, 0, 0}));
    EXPECT_EQ(liste[4]->Bezuege[1], liste[6]);
}

TEST_P(Pfeil, PropertiesModeOfBothWaysAndOfADerivedArrow) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {1, 0, 0});
    TVektor* u = bau.V("u", {0, 2, 0});
    TPfeil* pp = bau.PfPP("p", a, b, "pv");
    TPfeil* pv = bau.PfPV("q", b, u);

    TPfeilEingabe e = PfeilEingabeAusElement(liste, 4);
    EXPECT_EQ(e.Weg, WegFussSpitze);
    EXPECT_TRUE(e.NamenWaehlbar);
    EXPECT_FALSE(e.PunktVektorAktiv);
    EXPECT_TRUE(e.PPSpitze.Fest);
    // The arrow's own vector is not offered: it is built on the arrow.
    EXPECT_EQ(e.Vektoren, (std::vector<std::string>{"u"}));
    EXPECT_EQ(PfeilNeueTeile(liste, e).size(), 0u);
    e.Name = "p2";
    e.Duenn = false;
    ASSERT_EQ(PfeilChecks(liste, e), "");
    ASSERT_TRUE(PfeilAusDialog(liste, 4, e));
    EXPECT_EQ(pp->Name, "p2");
    EXPECT_EQ(pp->Vektor(), liste[5]);
    EXPECT_EQ(liste[5]->Name, "pv");
    EXPECT_EQ(liste.Anzahl(), 6);
    EXPECT_EQ(pp->Dicke, Einstellungen().DickgeradenDicke);

    e = PfeilEingabeAusElement(liste, 6);
    EXPECT_EQ(e.Weg, WegFussVektor);
    EXPECT_FALSE(e.NamenWaehlbar);
    EXPECT_FALSE(e.PunktPunktAktiv);
    EXPECT_EQ(e.PVVektor.Werte, T("0", "2", "0"));
    ASSERT_TRUE(PfeilAusDialog(liste, 6, e));
    EXPECT_EQ(pv->Bezuege[1], u);
    EXPECT_EQ(pv->Festlegung, TPfeil::PfPV);
    // A point built on the arrow cannot define it.
    TfrPunkt* m = bau.P("M", {});
    m->Entstehung.Art = TEntstehungsart::Schnitt;
    m->Entstehung.Elemente[0].Element = pp;
    e = PfeilEingabeAusElement(liste, 4);
    e.PPSpitze.Name = "M";
    EXPECT_EQ(PfeilChecks(liste, e),
              "Das Objekt M ist aus dem Pfeil entstanden\r\nund kann ihn nicht festlegen!");

    // A derived arrow is shown in its way, locked, and only renamed.
    TfrPunkt* a2 = bau.P("A'", {-1, 0, 0});
    TPfeil* bild = bau.PfPP("p'", bau.P("B'", {-2, 0, 0}), a2);
    bild->Entstehung.Art = TEntstehungsart::PSpiegelung;
    bild->Entstehung.Originalelement = pp;
    bild->Entstehung.Elemente[0].Element = a;
    const int slot = liste.SlotVon(bild);
    e = PfeilEingabeAusElement(liste, slot);
    EXPECT_TRUE(e.Abgeleitet);
    EXPECT_FALSE(e.GruppenAktiv);
    EXPECT_FALSE(e.NamenWaehlbar);
    EXPECT_EQ(e.PPFuss.Name, "B'");
    EXPECT_EQ(e.Entstehung.rfind("p' ", 0), 0u) << e.Entstehung;
    EXPECT_TRUE(PfeilNeueTeile(liste, e).empty());
    e.Name = "r";
    ASSERT_EQ(PfeilChecks(liste, e), "");
    const int vorher = liste.Anzahl();
    ASSERT_TRUE(PfeilAusDialog(liste, slot, e));
    EXPECT_EQ(bild->Name, "r");
    EXPECT_EQ(bild->Bezuege[1], a2);
    EXPECT_EQ(liste.Anzahl(), vorher);
}

TEST_P(Pfeil, AFullListAddsNothing) {
    for (int i = 0; i < TListe::Kapazitaet - 3; ++i)
        bau.P("P" + std::to_string(i), {0, 0, Real(i)});
    // Arrow, one new point and the own vector fit; a second new point does not.
    EXPECT_EQ(PfeilChecks(liste, PP("P0", {}, "Q", T("1", "1", "1"))), "");
    const TPfeilEingabe e = PP("Q", T("1", "1", "1"), "R", T("0", "0", "9"));
    EXPECT_EQ(PfeilChecks(liste, e), ListeVollMeldung);
    EXPECT_EQ(PfeilNeuAnlegen(liste, e), 0);
    EXPECT_EQ(liste.Anzahl(), TListe::Kapazitaet - 3);
}

INSTANTIATE_TEST_SUITE_P(Trenner, Pfeil, ::testing::Values(',', '.'), testnamen::Trenner);

// ---------------------------------------------------------------------------
// Vector

class Vektor : public MitListe {};

TEST_P(Vektor, ErrorsInTheirOrder) {
    bau.P("P", {});
    TVektorEingabe e = VektorEingabeNeu(liste);
    EXPECT_EQ(e.Name, "V1");
    e.Komponenten = T("1", "0,5", "-1/3");
    EXPECT_EQ(VektorPruefen(liste, e).Ergebnis, TPruefergebnis::Gueltig);
    e.Name = " ";
    EXPECT_EQ(VektorPruefen(liste, e).Meldung, "Name nicht festgelegt!");
    e.Name = "P";
    EXPECT_EQ(VektorPruefen(liste, e).Meldung, "Name bereits vergeben!");
    // Error 3 overrides the name.
    e.Komponenten[1] = "zwei";
    EXPECT_EQ(VektorPruefen(liste, e).Meldung, "Koordinaten nicht richtig festgelegt!");
    // No component at all: closes without a word, whatever the name.
    e.Komponenten = {" ", "", ""};
    const TVektorPruefung r = VektorPruefen(liste, e);
    EXPECT_EQ(r.Ergebnis, TPruefergebnis::StillSchliessen);
    EXPECT_TRUE(r.Meldung.empty());
    // Blanks go.
    e.Name = "a b";
    e.Komponenten = T("1", "2", "3");
    EXPECT_EQ(VektorPruefen(liste, e).Name, "ab");
}

TEST_P(Vektor, NewVectorIsFreeAndInvisible) {
    TVektorEingabe e = VektorEingabeNeu(liste);
    e.Komponenten = T("1/3", "2,5", "0");
    ASSERT_EQ(VektorNeuAnlegen(liste, e), 1);
    const auto& v = Als<TVektor>(*liste[1]);
    EXPECT_FALSE(v.sichtbar);
    EXPECT_EQ(v.Festlegung, TVektor::V);
    EXPECT_EQ(v.Komponenten, (TTripel{1.0L / 3, 2.5L, 0}));
    EXPECT_EQ(v.Farbe, Schwarz);
    VektorFuerNaechsten(e, liste);
    EXPECT_EQ(e.Name, "V2");
    EXPECT_EQ(e.Komponenten, TFeldTexte{});
}

TEST_P(Vektor, VectorOfTwoPointsIsOnlyRenamed) {
    TfrPunkt* a = bau.P("A", {-200, 1, 1});
    TfrPunkt* b = bau.P("B", {200, -100, 1});
    TVektor* v = bau.V2P("v", a, b);
    TVektorEingabe e = VektorEingabeAusElement(liste, 3);
    EXPECT_TRUE(e.NurLesen);
    EXPECT_EQ(e.Entstehung, "Der Vektor wird durch die Punkte A und B festgelegt.");
    // 400 could not be typed; shown, it is not input and does not stop the renaming.
    EXPECT_EQ(e.Komponenten, FeldTexte({400, -101, 0}));
    e.Name = "AB";
    ASSERT_EQ(VektorPruefen(liste, e).Ergebnis, TPruefergebnis::Gueltig);
    VektorAusDialog(liste, 3, e);
    EXPECT_EQ(v->Name, "AB");
    EXPECT_EQ(v->Festlegung, TVektor::V2P);
    EXPECT_EQ(v->Bezuege[0], a);
    EXPECT_EQ(v->Bezuege[1], b);
    EXPECT_EQ(v->Komponenten, TTripel{});
}

TEST_P(Vektor, DefinitionTextsOfEveryMode) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {1, 0, 0});
    TGerade* g = bau.G("g", {0, 0, 0}, {1, 2, 3});
    TEbene* ebene = bau.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    TPfeil* pf = bau.PfPP("pf", a, b, "w");
    bau.VG("vg", g);
    bau.VE("ve", ebene);
    TVektor* frei = bau.V("f", {0.123456789L, 0, 0});
    TVektor* gegen = bau.V("gv", {-1, 0, 0});
    gegen->Entstehung.Art = TEntstehungsart::Gegenvektor;
    gegen->Entstehung.Elemente[0].Element = frei;
    ASSERT_EQ(pf->Vektor(), liste[6]);
    const std::pair<int, std::string> texte[] = {
        {6, "Der Vektor wird durch den Pfeil pf festgelegt."},
        {7, "Der Vektor wird durch die Gerade g festgelegt."},
        {8, "Der Vektor wird durch die Ebene E festgelegt."},
    };
    for (const auto& [slot, text] : texte) {
        EXPECT_EQ(VektorEingabeAusElement(liste, slot).Entstehung, text);
        EXPECT_TRUE(VektorEingabeAusElement(liste, slot).NurLesen) << text;
    }
    // A derived vector is shown read-only with its origin.
    EXPECT_TRUE(VektorEingabeAusElement(liste, 10).NurLesen);
    EXPECT_EQ(VektorEingabeAusElement(liste, 10).Entstehung.rfind("gv ", 0), 0u);
    // A free vector keeps its exact components when they were only looked at.
    TVektorEingabe e = VektorEingabeAusElement(liste, 9);
    EXPECT_FALSE(e.NurLesen);
    EXPECT_TRUE(e.Entstehung.empty());
    VektorAusDialog(liste, 9, e);
    EXPECT_EQ(frei->Komponenten.x, 0.123456789L);
    e.Komponenten[0] = MitTrenner("0,5");
    VektorAusDialog(liste, 9, e);
    EXPECT_EQ(frei->Komponenten.x, 0.5L);
}

INSTANTIATE_TEST_SUITE_P(Trenner, Vektor, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace
