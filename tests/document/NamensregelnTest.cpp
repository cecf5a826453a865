// The name rules every element dialog shares: an empty name, a name another
// element bears, and a name the document file cannot store are refused
// before anything is created, so that saving cannot fail later.

#include "Testnamen.h"
#include "eingabe/EbenenEingabe.h"
#include "eingabe/GeradenEingabe.h"
#include "eingabe/PunktEingabe.h"

#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/Dokumentdatei.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

struct TNamensFall {
    const char* Name;
    bool Speicherbar;
};

class Speicherbar : public ::testing::TestWithParam<TNamensFall> {};

// The dialogs refuse exactly the names the document writer would refuse.
TEST_P(Speicherbar, AsTheDocumentFileSays) {
    const TNamensFall f = GetParam();
    EXPECT_EQ(SpeicherFehler(f.Name).empty(), f.Speicherbar) << SpeicherFehler(f.Name);
    TMeldungsProtokoll protokoll;
    test::TTestOrdner ordner;
    TListe liste;
    test::TElementBauer(liste).P(f.Name, {1, 2, 3});
    TKoordinatensystem ks;
    ks.AbgeleiteteDatenBerechnen();
    EXPECT_EQ(DokumentSchreiben(ordner / "a.kvr", liste, ks), f.Speicherbar);
}

INSTANTIATE_TEST_SUITE_P(
    Namen, Speicherbar,
    ::testing::Values(TNamensFall{"P1", true}, TNamensFall{"Äpfel_ß", true},
                      TNamensFall{"ABCDEFGHIJKL", true}, TNamensFall{"ABCDEFGHIJKLM", false},
                      TNamensFall{"P 1", false}, TNamensFall{"a|b", false},
                      TNamensFall{"\xCE\xA9", false}, TNamensFall{"Version", true},
                      TNamensFall{"VERSION", false}, TNamensFall{"KOORD-EBENEN", false},
                      TNamensFall{"a\tb", false}),
    testnamen::Nach([](const TNamensFall& f) { return f.Name; }));

class Namensregeln : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }

    TPunktEingabe Punkt(const char* name) {
        TPunktEingabe e = PunktEingabeNeu(liste);
        e.Name = name;
        e.Edits = {"1", "2", "3"};
        return e;
    }
    TGeradenEingabe Gerade(const char* name) {
        TGeradenEingabe e = GeradeEingabeNeu(liste);
        e.Name = name;
        e.ParPunkt = {"0", "0", "0"};
        e.ParRichtung = {"1", "0", "0"};
        e.WegGeaendert(WegParameterform);
        return e;
    }
    TEbenenEingabe Ebene(const char* name) {
        TEbenenEingabe e = EbeneEingabeNeu(liste);
        e.Name = name;
        e.Weg = TEbene::ENOR;
        e.Normalenform = {"0", "0", "1", "0"};
        e.WegGeaendert(TEbene::ENOR);
        return e;
    }

    test::TEinstellungenSichern sichern;
    TListe liste;
    test::TElementBauer bau{liste};
};

TEST_P(Namensregeln, EmptyTakenAndUnstorableInEveryDialog) {
    bau.P("A", {});
    const std::string leer = "Name nicht festgelegt!";
    EXPECT_EQ(PunktPruefen(liste, Punkt(" ")).Meldung, leer);
    EXPECT_EQ(GeradePruefen(liste, Gerade("")).Meldung, leer);
    EXPECT_EQ(EbenePruefen(liste, Ebene("")).Meldung, leer);

    EXPECT_EQ(PunktPruefen(liste, Punkt("A")).Meldung, "Name bereits vergeben!");
    EXPECT_EQ(GeradePruefen(liste, Gerade("A")).Meldung, "Name der Geraden bereits vergeben!");
    EXPECT_EQ(EbenePruefen(liste, Ebene("A")).Meldung, "Name der Ebenen bereits vergeben!");

    const TPunktPruefung p = PunktPruefen(liste, Punkt("P|1"));
    EXPECT_EQ(p.Fehler, PunktNameNichtSpeicherbar);
    EXPECT_EQ(p.Meldung, SpeicherFehler("P|1"));
    EXPECT_FALSE(p.Meldung.empty());
    EXPECT_EQ(GeradePruefen(liste, Gerade("g|1")).Meldung, SpeicherFehler("g|1"));
    EXPECT_EQ(EbenePruefen(liste, Ebene("VERSION")).Meldung, SpeicherFehler("VERSION"));
}

TEST_P(Namensregeln, PointDialogRemovesBlanksTheOthersRefuseThem) {
    const TPunktPruefung p = PunktPruefen(liste, Punkt(" P 1 "));
    EXPECT_EQ(p.Ergebnis, TPruefergebnis::Gueltig);
    EXPECT_EQ(p.Name, "P1");
    // A name with a blank once made the file unsaveable; now it is refused at OK.
    const TEingabePruefung g = GeradePruefen(liste, Gerade("g 1"));
    EXPECT_EQ(g.Ergebnis, TPruefergebnis::Abgelehnt);
    EXPECT_EQ(
        g.Meldung,
        "Der Name \"g 1\" enthält Leerzeichen; so kann er in der Datei nicht gespeichert werden.");
    EXPECT_EQ(EbenePruefen(liste, Ebene("E 1")).Meldung, SpeicherFehler("E 1"));
    // Longer names are refused, not cut.
    TPunktEingabe lang = Punkt("ABCDEFGHIJKLM");
    EXPECT_EQ(PunktPruefen(liste, lang).Fehler, PunktNameNichtSpeicherbar);
}

TEST_P(Namensregeln, AnElementMayKeepTheNameItBears) {
    bau.G("g|x", {0, 0, 0}, {1, 0, 0});
    TGeradenEingabe e = GeradeEingabeAusElement(liste, 1);
    EXPECT_EQ(GeradePruefen(liste, e).Ergebnis, TPruefergebnis::Gueltig);
    e.Name = "h|x";
    EXPECT_EQ(GeradePruefen(liste, e).Meldung, SpeicherFehler("h|x"));
}

TEST_P(Namensregeln, NewPartsAreHeldToTheSameRules) {
    TGeradenEingabe g = GeradeEingabeNeu(liste);
    g.Weg = g.Festlegung = WegPunktPunkt;
    g.Vollstaendig = true;
    g.P1 = {"Q|1", {"0", "0", "0"}, false};
    g.P2 = {"R", {"1", "0", "0"}, false};
    EXPECT_EQ(GeradePruefen(liste, g).Meldung, SpeicherFehler("Q|1"));

    TEbenenEingabe e = EbeneEingabeNeu(liste);
    e.Weg = e.Festlegung = TEbene::EPPP;
    e.Vollstaendig = true;
    e.PPP = {TTeilEingabe{"A", {"0", "0", "0"}, false}, TTeilEingabe{"B", {"1", "0", "0"}, false},
             TTeilEingabe{"\xCE\xA9", {"0", "1", "0"}, false}};
    EXPECT_EQ(EbenePruefen(liste, e).Meldung, SpeicherFehler("\xCE\xA9"));
}

TEST_P(Namensregeln, AClearedPartNameInPropertiesModeCreatesNoNamelessPoint) {
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {1, 0, 0});
    bau.GPP("g", a, b);
    TGeradenEingabe e = GeradeEingabeAusElement(liste, 3);
    e.P1.Name = "";
    TeilGewaehlt(e.P1, liste, PunktArten);
    e.WegGeaendert(WegPunktPunkt);
    // Properties mode keeps counting as complete; the check still refuses.
    ASSERT_TRUE(e.Vollstaendig);
    EXPECT_EQ(GeradePruefen(liste, e).Meldung, UnvollstaendigText);
    EXPECT_EQ(liste.Anzahl(), 3);
}

INSTANTIATE_TEST_SUITE_P(Trenner, Namensregeln, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace
