// The triangle dialog's input model: the live values, its checks in order,
// and what an accepted input adds or changes.
#include "eingabe/DreieckEingabe.h"
#include "Testnamen.h"

#include "document/Dokument.h"
#include "document/Testzugang.h"
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

TDreieckEingabe Drei(TTeilEingabe a, TTeilEingabe b, TTeilEingabe c, std::string name = "D1") {
    TDreieckEingabe e;
    e.Name = std::move(name);
    e.Ecken = {std::move(a), std::move(b), std::move(c)};
    return e;
}

class DreieckEingabe : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }
    TListe& Liste() { return test::Liste(dok); }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{Liste()};
};

TEST_P(DreieckEingabe, AreaAndAnglesWhileTyping) {
    TDreieckEingabe e =
        Drei({"A", T("0", "0", "0")}, {"B", T("4", "0", "0")}, {"C", T("0", "3", "0")});
    TDreieckMasse m = DreieckMasse(Liste(), e);
    EXPECT_EQ(m.Flaeche, "6 FE");
    EXPECT_EQ(m.Winkel[0], "90°");
    EXPECT_EQ(m.Winkel[1], MitTrenner("36,87°"));
    EXPECT_EQ(m.Winkel[2], MitTrenner("53,13°"));

    // A corner that does not read empties all four.
    e.Ecken[2].Werte[1] = "3a";
    m = DreieckMasse(Liste(), e);
    EXPECT_EQ(m.Flaeche, "");
    EXPECT_EQ(m.Winkel[2], "");
    // Two equal corners: an area of 0, and no angle to show.
    e.Ecken[2].Werte = T("4", "0", "0");
    m = DreieckMasse(Liste(), e);
    EXPECT_EQ(m.Flaeche, "0 FE");
    EXPECT_EQ(m.Winkel[0], "");

    // An existing point counts with its exact value, not the rounded edits.
    bau.P("Q", {0, 1.0L / 3, 0});
    e.Ecken[2] = {"Q", T("0", "0,33", "0"), true};
    EXPECT_EQ(DreieckMasse(Liste(), e).Flaeche, MitTrenner("0,67 FE"));
}

// Every message of the check table, and which one wins.
TEST_P(DreieckEingabe, ChecksInTheirOrder) {
    bau.P("A", {0, 0, 0});
    bau.V("v", {1, 0, 0});
    const std::string unvollstaendig = "Eingabefenster nicht vollständig ausgefüllt!";
    const TTeilEingabe p = {"P", T("0", "0", "0")}, q = {"Q", T("4", "0", "0")},
                       r = {"R", T("0", "3", "0")};
    const struct {
        TDreieckEingabe Eingabe;
        std::string Meldung;
    } faelle[] = {
        {Drei(p, q, r), ""},
        {Drei({"A", T("0", "0", "0")}, q, r), ""},
        // Empty or partly filled is incomplete, never a silent close.
        {DreieckEingabeNeu(Liste()), unvollstaendig},
        {Drei(p, q, {"R", T("0", " ", "0")}), unvollstaendig},
        {Drei(p, q, r, " "), "Name nicht festgelegt!"},
        {Drei(p, q, r, "v"), "Name bereits vergeben!"},
        {Drei({"v", T("0", "0", "0")}, q, r), "Name des 1. Punktes bereits vergeben!"},
        {Drei(p, {"v", T("4", "0", "0")}, r), "Name des 2. Punktes bereits vergeben!"},
        {Drei(p, q, {"v", T("0", "3", "0")}), "Name des 3. Punktes bereits vergeben!"},
        // A corner may not bear the triangle's own new name either.
        {Drei(p, q, {"D1", T("0", "3", "0")}), "Name des 3. Punktes bereits vergeben!"},
        {Drei(p, q, {"P", T("0", "3", "0")}), "Zwei Punkte besitzen den gleichen Namen!"},
        {Drei({"P", T("0", "0", "1/0")}, q, r),
         "Koordinaten des 1. Punktes nicht richtig festgelegt!"},
        {Drei(p, {"Q", T("4", "x", "0")}, r),
         "Koordinaten des 2. Punktes nicht richtig festgelegt!"},
        {Drei(p, q, {"R", T("0", "3", "256,5")}),
         "Koordinaten des 3. Punktes nicht richtig festgelegt!"},
        {Drei(p, {"Q", T("1", "1", "1")}, {"R", T("2", "2", "2")}),
         "Die drei Punkte liegen auf einer Geraden!"},
        {Drei(p, {"Q", T("0", "0", "0")}, {"R", T("1", "0", "0")}), "Zwei Punkte sind identisch!"},
        // Equal coordinates of an existing point and a new one.
        {Drei({"A", T("0", "0", "0")}, {"Q", T("0", "0", "0")}, r), "Zwei Punkte sind identisch!"},
        // A corner that does not read wins over the collinear values it would give.
        {Drei(p, {"Q", T("1", "1", "1")}, {"R", T("2", "2", "2,,")}),
         "Koordinaten des 3. Punktes nicht richtig festgelegt!"},
        // Later checks win over earlier ones.
        {Drei({"v", T("0", "0", "0")}, {"v", T("0", "x", "0")}, r),
         "Koordinaten des 2. Punktes nicht richtig festgelegt!"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Meldung);
        const TEingabePruefung e = DreieckPruefen(Liste(), f.Eingabe);
        EXPECT_EQ(e.Meldung, f.Meldung);
        EXPECT_EQ(e.Ergebnis, f.Meldung.empty()             ? TPruefergebnis::Gueltig
                              : f.Meldung == unvollstaendig ? TPruefergebnis::Unvollstaendig
                                                            : TPruefergebnis::Abgelehnt);
    }
}

TEST_P(DreieckEingabe, NewCornersStandBehindTheTriangleInCornerOrder) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    const TDreieckEingabe e =
        Drei({"C", T("0", "3", "0")}, {"A", T("9", "9", "9")}, {"B", T("4", "0", "1/3")});
    ASSERT_EQ(DreieckUebernehmen(dok, e), 2);
    const TListe& l = dok.Liste();
    ASSERT_EQ(l.Anzahl(), 4);
    EXPECT_EQ(l[2]->Name, "D1");
    EXPECT_EQ(l[3]->Name, "C");
    EXPECT_EQ(l[4]->Name, "B");
    EXPECT_EQ(Als<TfrPunkt>(*l[4]).Koordinaten, (TTripel{4, 0, 1.0L / 3}));
    EXPECT_EQ(l[2]->Bezuege[0], l[3]);
    EXPECT_EQ(l[2]->Bezuege[1], a);
    EXPECT_EQ(l[2]->Bezuege[2], l[4]);
    // The existing corner is referenced, not changed.
    EXPECT_EQ(a->Koordinaten, (TTripel{0, 0, 0}));
    EXPECT_TRUE(dok.Geaendert());
}

TEST_P(DreieckEingabe, PropertiesOfATriangleThickAndWithANewCorner) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {4, 0, 0});
    TfrPunkt* c = bau.P("C", {0, 3, 0});
    TDreieck* d = bau.Dr("D", a, b, c);
    // Where a line meets the triangle: a point built on it.
    TfrPunkt* s = bau.P("S", {});
    s->Entstehung.Art = TEntstehungsart::Schnitt;
    s->Entstehung.Elemente[0].Element = bau.G("g", {1, 1, -1}, {0, 0, 1});
    s->Entstehung.Elemente[1].Element = d;
    TDreieckEingabe e = DreieckEingabeAusElement(dok.Liste(), 4);
    dok.Neuaufbau();
    EXPECT_FALSE(e.Neu);
    EXPECT_EQ(e.Ecken[1].Werte, T("4", "0", "0"));
    EXPECT_TRUE(e.Ecken[1].Fest);
    // A point built on the triangle is not offered and cannot be a corner.
    EXPECT_EQ(e.Punkte, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(DreieckMasse(dok.Liste(), e).Winkel[0], "90°");
    EXPECT_EQ(DreieckPruefen(dok.Liste(), e).Meldung, "");
    e.Ecken[2].Name = "S";
    EXPECT_EQ(DreieckPruefen(dok.Liste(), e).Meldung,
              "Das Objekt S ist aus dem Dreieck entstanden\r\nund kann es nicht festlegen!");

    // Typing a new name for the third corner keeps its values editable.
    e.Ecken[2].Name = "C2";
    TeilGewaehlt(e.Ecken[2], dok.Liste(), PunktArten);
    EXPECT_FALSE(e.Ecken[2].Fest);
    e.Ecken[2].Werte = T("0", "0", "5");
    e.Duenn = false;
    ASSERT_EQ(DreieckUebernehmen(dok, e), 4);
    ASSERT_EQ(dok.Liste().Anzahl(), 7);
    EXPECT_EQ(d->Bezuege[2], dok.Liste()[7]);
    EXPECT_EQ(d->Bezuege[0], a);
    EXPECT_EQ(d->Dicke, Einstellungen().DickgeradenDicke);
    EXPECT_EQ(c->Koordinaten, (TTripel{0, 3, 0}));
}

TEST_P(DreieckEingabe, DerivedTriangleOnlyShowsItsCornersAndKeepsThem) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {4, 0, 0});
    TDreieck* d = bau.Dr("D", a, b, bau.P("C", {0, 3, 0}));
    TfrPunkt* z = bau.P("Z", {0, 0, 1});
    TDreiDBasisElement* bild[3];
    for (std::size_t i = 0; i < 3; ++i) {
        bild[i] = bau.P(std::string("B") + static_cast<char>('1' + i), {});
        bild[i]->Entstehung.Art = TEntstehungsart::PSpiegelung;
        bild[i]->Entstehung.Originalelement = d->Bezuege[i];
        bild[i]->Entstehung.Elemente[0].Element = z;
    }
    TDreieck* d2 = bau.Dr("D2", bild[0], bild[1], bild[2]);
    d2->Entstehung.Art = TEntstehungsart::PSpiegelung;
    d2->Entstehung.Originalelement = d;
    d2->Entstehung.Elemente[0].Element = z;
    dok.Neuaufbau();
    TDreieckEingabe e = DreieckEingabeAusElement(dok.Liste(), dok.Liste().SlotVon(d2));
    EXPECT_TRUE(e.Abgeleitet);
    EXPECT_EQ(e.Entstehung.rfind("D2 ", 0), 0u) << e.Entstehung;
    EXPECT_EQ(e.Ecken[1].Werte, T("-4", "0", "2"));
    EXPECT_EQ(DreieckMasse(dok.Liste(), e).Flaeche, "6 FE");
    e.Name = "Bild";
    ASSERT_NE(DreieckUebernehmen(dok, e), 0);
    EXPECT_EQ(d2->Name, "Bild");
    EXPECT_EQ(d2->Bezuege[0], bild[0]);
    EXPECT_EQ(d2->Entstehung.Art, TEntstehungsart::PSpiegelung);
}

TEST_P(DreieckEingabe, AFullListAddsNothing) {
    for (int i = 1; i <= TListe::Kapazitaet - 3; ++i)
        bau.P("P" + std::to_string(i), {static_cast<Real>(i), 0, 0});
    const TDreieckEingabe e =
        Drei({"Q", T("0", "0", "0")}, {"R", T("4", "0", "0")}, {"S", T("0", "3", "0")});
    EXPECT_EQ(DreieckPruefen(dok.Liste(), e).Meldung, ListeVollMeldung);
    EXPECT_EQ(DreieckUebernehmen(dok, e), 0);
    EXPECT_EQ(dok.Liste().Anzahl(), TListe::Kapazitaet - 3);
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text, ListeVollMeldung);
    // With two existing corners there is room.
    EXPECT_EQ(DreieckPruefen(dok.Liste(), Drei({"P1", T("1", "0", "0")}, {"P2", T("2", "0", "0")},
                                               {"S", T("0", "3", "0")}))
                  .Meldung,
              "");
}

INSTANTIATE_TEST_SUITE_P(Trenner, DreieckEingabe, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace
