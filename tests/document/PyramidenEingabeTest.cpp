// The pyramid dialog's input model: the live volume, its checks in order,
// what an accepted input adds, and a base that is gone.
#include "eingabe/PyramidenEingabe.h"
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

class PyramidenEingabe : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        a = bau.P("A", {0, 0, 0});
        b = bau.P("B", {4, 0, 0});
        c = bau.P("C", {0, 3, 0});
        d = bau.Dr("D", a, b, c);
        bau.V("v", {1, 0, 0});
    }
    TPyramidenEingabe Py(TTeilEingabe spitze, std::string dreieck = "D") {
        TPyramidenEingabe e = PyramideEingabeNeu(dok.Liste());
        e.Spitze = std::move(spitze);
        e.Dreieck = std::move(dreieck);
        return e;
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TfrPunkt *a = nullptr, *b = nullptr, *c = nullptr;
    TDreieck* d = nullptr;
};

TEST_P(PyramidenEingabe, VolumeWhileTyping) {
    EXPECT_EQ(PyramideEingabeNeu(dok.Liste()).Punkte, (std::vector<std::string>{"A", "B", "C"}));
    TPyramidenEingabe e = Py({"S", T("0", "0", "3")});
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "6 VE");
    e.Spitze.Werte[2] = MitTrenner("-1,5");
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "3 VE");
    e.Spitze.Werte[2] = "drei";
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "");
    e.Spitze = {"A", T("", "", ""), true};
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "0 VE");
    e = Py({"S", T("0", "0", "3")}, "");
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "");
}

TEST_P(PyramidenEingabe, ChecksInTheirOrder) {
    const std::string unvollstaendig = "Eingabefenster nicht vollständig ausgefüllt!";
    TPyramidenEingabe vergeben = Py({"S", T("0", "0", "3")});
    vergeben.Name = "A";
    const struct {
        TPyramidenEingabe Eingabe;
        std::string Meldung;
    } faelle[] = {
        {Py({"S", T("0", "0", "3")}), ""},
        {Py({"", T("", "", "")}, ""), unvollstaendig},
        {Py({"S", T("0", "0", "3")}, ""), unvollstaendig},
        {Py({"S", T("0", "", "3")}), unvollstaendig},
        {vergeben, "Name bereits vergeben!"},
        {Py({"v", T("0", "0", "3")}), "Der Name der Spitze ist bereits vergeben!"},
        {Py({"DP1", T("0", "0", "3")}), "Der Name der Spitze ist bereits vergeben!"},
        {Py({"D", T("0", "0", "3")}), "Spitze und Dreieck besitzen den gleichen Namen!"},
        {Py({"S", T("0", "0", "3/0")}), "Koordinaten der Spitze nicht richtig festgelegt!"},
        {Py({"S", T("1", "1", "0")}), "Die Spitze liegt in der Grundflächenebene!"},
        {Py({"A", T("0", "0", "0"), true}), "Die Spitze liegt in der Grundflächenebene!"},
        // A failed read wins over the plane test its values would give.
        {Py({"v", T("1", "1", "0x")}), "Koordinaten der Spitze nicht richtig festgelegt!"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Meldung);
        const TEingabePruefung r = PyramidePruefen(dok.Liste(), f.Eingabe);
        EXPECT_EQ(r.Meldung, f.Meldung);
        EXPECT_EQ(r.Ergebnis, f.Meldung.empty()             ? TPruefergebnis::Gueltig
                              : f.Meldung == unvollstaendig ? TPruefergebnis::Unvollstaendig
                                                            : TPruefergebnis::Abgelehnt);
    }
}

TEST_P(PyramidenEingabe, NewApexStandsBehindThePyramid) {
    ASSERT_EQ(PyramideUebernehmen(dok, Py({"S", T("0", "0", "3")})), 6);
    const TListe& l = dok.Liste();
    ASSERT_EQ(l.Anzahl(), 7);
    const auto& p = Als<TPyramide3>(*l[6]);
    EXPECT_EQ(l[7]->Name, "S");
    EXPECT_EQ(Als<TfrPunkt>(*l[7]).Koordinaten, (TTripel{0, 0, 3}));
    EXPECT_EQ(p.Grundflaeche(), d);
    EXPECT_EQ(p.Spitze(), l[7]);
    // An existing apex adds nothing besides the pyramid.
    TPyramidenEingabe e = Py({"S", T("0", "0", "3"), true});
    e.Duenn = false;
    ASSERT_EQ(PyramideUebernehmen(dok, e), 8);
    EXPECT_EQ(l.Anzahl(), 8);
    EXPECT_EQ(l[8]->Bezuege[1], l[7]);
    EXPECT_EQ(l[8]->Dicke, Einstellungen().DickgeradenDicke);
}

TEST_P(PyramidenEingabe, PropertiesOfAPyramid) {
    TfrPunkt* s = bau.P("S", {1, 1, 3});
    TPyramide3* p = bau.Py("P", d, s);
    dok.Neuaufbau();
    TPyramidenEingabe e = PyramideEingabeAusElement(dok.Liste(), dok.Liste().SlotVon(p));
    EXPECT_EQ(e.Spitze.Name, "S");
    EXPECT_EQ(e.Spitze.Werte, T("1", "1", "3"));
    EXPECT_TRUE(e.Spitze.Fest);
    EXPECT_EQ(e.Dreieck, "D");
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "6 VE");
    EXPECT_EQ(PyramidePruefen(dok.Liste(), e).Meldung, "");
    e.Spitze = {"T", T("0", "0", "-6")};
    ASSERT_EQ(PyramideUebernehmen(dok, e), dok.Liste().SlotVon(p));
    EXPECT_EQ(p->Spitze()->Name, "T");
    EXPECT_EQ(dok.Liste()[dok.Liste().Anzahl()], p->Spitze());
    EXPECT_EQ(s->Koordinaten, (TTripel{1, 1, 3}));
}

// The triangle chosen can be gone: the input then shows no volume, is
// refused, and adds nothing; a pyramid left without its base shows none.
TEST_P(PyramidenEingabe, ABaseThatNoLongerExists) {
    TPyramidenEingabe e = Py({"S", T("0", "0", "3")});
    ASSERT_EQ(PyramidenVolumen(dok.Liste(), e), "6 VE");
    test::Liste(dok).Loeschen(test::Liste(dok).SlotVon(d));
    d = nullptr;
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), e), "");
    EXPECT_EQ(PyramidePruefen(dok.Liste(), e).Meldung, "Das Grunddreieck ist nicht vorhanden!");
    e.Dreieck = "A";
    EXPECT_EQ(PyramidePruefen(dok.Liste(), e).Meldung, "Das Grunddreieck ist nicht vorhanden!");
    const int vorher = dok.Liste().Anzahl();
    EXPECT_EQ(PyramideUebernehmen(dok, e), 0);
    EXPECT_EQ(dok.Liste().Anzahl(), vorher);

    TPyramide3* p = bau.Py("P", nullptr, a);
    const TPyramidenEingabe ohne = PyramideEingabeAusElement(dok.Liste(), dok.Liste().SlotVon(p));
    EXPECT_EQ(ohne.Dreieck, "");
    EXPECT_EQ(PyramidenVolumen(dok.Liste(), ohne), "");
    EXPECT_EQ(PyramidePruefen(dok.Liste(), ohne).Ergebnis, TPruefergebnis::Unvollstaendig);
}

TEST_P(PyramidenEingabe, AFullListAddsNothing) {
    for (int i = static_cast<int>(dok.Liste().Anzahl()); i < TListe::Kapazitaet - 1; ++i)
        bau.P("P" + std::to_string(i), {static_cast<Real>(i), 0, 1});
    const TPyramidenEingabe e = Py({"S", T("0", "0", "3")});
    EXPECT_EQ(PyramidePruefen(dok.Liste(), e).Meldung, ListeVollMeldung);
    EXPECT_EQ(PyramideUebernehmen(dok, e), 0);
    EXPECT_EQ(dok.Liste().Anzahl(), TListe::Kapazitaet - 1);
    // An existing apex needs no room.
    EXPECT_EQ(PyramidePruefen(dok.Liste(), Py({"P10", T("10", "0", "1"), true})).Meldung, "");
}

INSTANTIATE_TEST_SUITE_P(Trenner, PyramidenEingabe, ::testing::Values(',', '.'),
                         testnamen::Trenner);

} // namespace
