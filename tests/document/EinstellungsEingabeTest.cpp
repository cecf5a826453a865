// The settings dialog without its widgets: what its pages show, what "OK"
// writes back, and that every reader sees the change at once.
#include "eingabe/EinstellungsEingabe.h"

#include "ausgabe/Objektliste.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace kalvorin;

namespace {

class EinstellungsDialog : public ::testing::Test {
protected:
    // Opening the dialog and pressing "OK" with the controls as given.
    bool Ok(const std::function<void(TEinstellungsEingabe&)>& aendern) {
        const TEinstellungsEingabe angezeigt = EinstellungsEingabe(Einstellungen());
        TEinstellungsEingabe e = angezeigt;
        aendern(e);
        return EinstellungenUebernehmen(e, angezeigt, Einstellungen());
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
};

TEST_F(EinstellungsDialog, ConfirmingWithoutChangesChangesNothing) {
    const TStandardEinstellungen vorher = Einstellungen();
    const TEinstellungsEingabe e = EinstellungsEingabe(vorher);
    EXPECT_EQ(e.Geradendicke, 2);
    EXPECT_EQ(e.EbenenRanddicke, 3);
    EXPECT_EQ(e.MaxNenner, "100");
    EXPECT_EQ(e.NameSichtbar, 0);
    EXPECT_EQ(e.Weisslinie, 0);
    EXPECT_EQ(e.Hilfslinien, 0);
    EXPECT_EQ(e.HilfslinienStil, 1);
    EXPECT_TRUE(Ok([](TEinstellungsEingabe&) {}));
    EXPECT_EQ(Einstellungen(), vorher);

    // Stored widths that no shown value maps to survive a look as well.
    Einstellungen().DickgeradenDicke = 80;
    Einstellungen().RandDicke = 149;
    const TStandardEinstellungen krumm = Einstellungen();
    EXPECT_TRUE(Ok([](TEinstellungsEingabe&) {}));
    EXPECT_EQ(Einstellungen(), krumm);
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_F(EinstellungsDialog, EveryControlReachesItsSetting) {
    EXPECT_TRUE(Ok([](TEinstellungsEingabe& e) {
        e.NameSichtbar = 1;
        e.Punktform = 3;
        e.PunktDicke = 4;
        e.Geradendicke = 5;
        e.Weisslinie = 1;
        e.EbenenRanddicke = 2;
        e.EbenenTransparenz = 0;
        e.HilfslinienStil = 2;
        e.Hilfslinien = 1;
        e.Halbseite = 1000;
        e.Transparenz = 3;
        e.Exy = false;
        e.Exz = true;
        e.Eyz = true;
        e.Skalierung = 5;
        e.Brueche = false;
        e.MaxNenner = "12";
        e.Nachkomma = 6;
    }));
    const TStandardEinstellungen& s = Einstellungen();
    EXPECT_FALSE(s.NameSichtbar);
    EXPECT_EQ(s.Punktform, 3);
    EXPECT_EQ(s.DickpunktDicke, 4);
    EXPECT_EQ(s.DickgeradenDicke, 150);
    EXPECT_FALSE(s.MitWeissrand);
    EXPECT_EQ(s.RandDicke, 75);
    EXPECT_EQ(s.EbenenTransparenz, 0);
    EXPECT_EQ(s.HilfslinienStrichart, 2);
    EXPECT_FALSE(s.HilfslinienEinzeichnen);
    EXPECT_EQ(s.AchsenLaenge, 1000);
    EXPECT_EQ(s.KoordEbenenTransparenz, 3);
    EXPECT_FALSE(s.ZeichneXYEbene);
    EXPECT_TRUE(s.ZeichneXZEbene);
    EXPECT_TRUE(s.ZeichneYZEbene);
    EXPECT_EQ(s.SkalierungsStriche, 5);
    EXPECT_FALSE(s.ZahlenAlsBrueche);
    EXPECT_EQ(s.MaximalerNenner, 12);
    EXPECT_EQ(s.StandardStellen, 6);
    // And back: the pages show what was stored.
    const TEinstellungsEingabe e = EinstellungsEingabe(s);
    EXPECT_EQ(e.Geradendicke, 5);
    EXPECT_EQ(e.EbenenRanddicke, 2);
    EXPECT_EQ(e.MaxNenner, "12");
}

TEST_F(EinstellungsDialog, ABadLargestDenominatorKeepsEverything) {
    const TStandardEinstellungen vorher = Einstellungen();
    for (const char* falsch : {"abc", "", "12,5", "1e3", "0x10", "99999999999", "+-3"}) {
        SCOPED_TRACE(falsch);
        protokoll.Eintraege.clear();
        EXPECT_FALSE(Ok([falsch](TEinstellungsEingabe& e) {
            e.MaxNenner = falsch;
            e.Nachkomma = 5;
            e.NameSichtbar = 1;
        }));
        ASSERT_EQ(protokoll.Eintraege.size(), 1u);
        EXPECT_EQ(protokoll.Eintraege[0].Text,
                  "'" + std::string(falsch) + "' ist kein gültiger Integerwert");
        EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Fehler);
        EXPECT_EQ(Einstellungen(), vorher);
    }
    for (const auto& [text, wert] :
         {std::pair{" 250 ", 250}, std::pair{"+7", 7}, std::pair{"-3", -3}}) {
        EXPECT_TRUE(Ok([t = text](TEinstellungsEingabe& e) { e.MaxNenner = t; })) << text;
        EXPECT_EQ(Einstellungen().MaximalerNenner, wert);
    }
}

TEST_F(EinstellungsDialog, ColourPanelsStoreAtOnce) {
    TEinstellungsEingabe e = EinstellungsEingabe(Einstellungen());
    StandardfarbeSetzen(e, Einstellungen(), RGB(10, 20, 30));
    HilfslinienFarbeSetzen(e, Einstellungen(), RGB(40, 50, 60));
    // "Abbruch" follows: nothing else is written, the colours stay.
    EXPECT_EQ(Einstellungen().Farbe, RGB(10, 20, 30));
    EXPECT_EQ(Einstellungen().HilfslinienFarbe, RGB(40, 50, 60));
    EXPECT_EQ(e.Standardfarbe, RGB(10, 20, 30));
}

TEST_F(EinstellungsDialog, HiddenNamesOnlyForElementsCreatedAfterwards) {
    TListe liste;
    auto* vorher = liste.Neu<TfrPunkt>();
    ASSERT_TRUE(Ok([](TEinstellungsEingabe& e) { e.NameSichtbar = 1; }));
    auto* nachher = liste.Neu<TfrPunkt>();
    auto* gerade = liste.Neu<TGerade>();
    EXPECT_TRUE(vorher->NameSichtbar);
    EXPECT_FALSE(nachher->NameSichtbar);
    EXPECT_FALSE(gerade->NameSichtbar);
}

TEST_F(EinstellungsDialog, DigitsChangeTheObjectListAtOnce) {
    TListe liste;
    auto* p = liste.Neu<TfrPunkt>();
    p->Name = "P";
    p->Koordinaten = {3.14159L, 0, 0};
    ASSERT_TRUE(Ok([](TEinstellungsEingabe& e) { e.Brueche = false; }));
    EXPECT_NE(
        ZeilenHinweis(*p).find("(3" + std::string(1, Einstellungen().Dezimaltrenner) + "1  ;"),
        std::string::npos)
        << ZeilenHinweis(*p);
    ASSERT_TRUE(Ok([](TEinstellungsEingabe& e) { e.Nachkomma = 4; }));
    EXPECT_NE(
        ZeilenHinweis(*p).find("(3" + std::string(1, Einstellungen().Dezimaltrenner) + "142  ;"),
        std::string::npos)
        << ZeilenHinweis(*p);
    // And fractions with their largest denominator, for a value that is one.
    p->Koordinaten = {22.0L / 7, 0, 0};
    ASSERT_TRUE(Ok([](TEinstellungsEingabe& e) {
        e.Brueche = true;
        e.MaxNenner = "10";
    }));
    EXPECT_NE(ZeilenHinweis(*p).find("(22/7  ;"), std::string::npos) << ZeilenHinweis(*p);
    ASSERT_TRUE(Ok([](TEinstellungsEingabe& e) { e.MaxNenner = "5"; }));
    EXPECT_EQ(ZeilenHinweis(*p).find("22/7"), std::string::npos) << ZeilenHinweis(*p);
}

TEST_F(EinstellungsDialog, NewDocumentsTakeTheCoordinateSystemDefaults) {
    ASSERT_TRUE(Ok([](TEinstellungsEingabe& e) {
        e.Halbseite = 5;
        e.Exy = false;
        e.Exz = true;
        e.Skalierung = 1;
        // The dialog sets no limits here; the scene holds what it can draw.
        e.Transparenz = 9;
    }));
    TDokument d;
    const TKoordinatensystem& ks = d.Koordinatensystem();
    EXPECT_EQ(ks.Achsen[0].Oben, 5);
    EXPECT_EQ(ks.Achsen[0].Unten, -1);
    EXPECT_EQ(ks.Skalierung, 1);
    EXPECT_FALSE(ks.Ebenen[TKoordinatensystem::XY].Zeichnen);
    EXPECT_TRUE(ks.Ebenen[TKoordinatensystem::XZ].Zeichnen);
    EXPECT_EQ(ks.Ebenen[TKoordinatensystem::XZ].Transparenz, 9);
    int ebenen = 0;
    for (int nr = 1; nr <= d.Szene().Objektzahl(); ++nr)
        if (d.Szene().Objekt(nr).Art == TObjektArt::KoordEbene) {
            ++ebenen;
            EXPECT_EQ(d.Szene().Objekt(nr).Transparenz, 5);
        }
    EXPECT_EQ(ebenen, 1);
}

} // namespace

namespace {

TEST(EinstellungsEingabePraesentation, ShownAndTakenBackOnlyWhenChanged) {
    test::TEinstellungenSichern sichern;
    TStandardEinstellungen s;
    const TEinstellungsEingabe angezeigt = EinstellungsEingabe(s);
    EXPECT_FALSE(angezeigt.Praesentation);
    TEinstellungsEingabe e = angezeigt;
    ASSERT_TRUE(EinstellungenUebernehmen(e, angezeigt, s));
    EXPECT_FALSE(s.Praesentation);
    e.Praesentation = true;
    ASSERT_TRUE(EinstellungenUebernehmen(e, angezeigt, s));
    EXPECT_TRUE(s.Praesentation);
    EXPECT_TRUE(EinstellungsEingabe(s).Praesentation);
}

} // namespace

namespace {

// The group "Heftansicht": each control reaches its setting and is shown
// again from it; an untouched group leaves the settings as they were.
TEST(EinstellungsEingabeHeftansicht, ControlsReachTheirSettingsAndBack) {
    TStandardEinstellungen s;
    const TEinstellungsEingabe angezeigt = EinstellungsEingabe(s);
    EXPECT_FALSE(angezeigt.Heftansicht);
    EXPECT_EQ(angezeigt.HeftAchsennamen, 0);
    EXPECT_TRUE(angezeigt.HeftSpurdreieck);
    TEinstellungsEingabe e = angezeigt;
    ASSERT_TRUE(EinstellungenUebernehmen(e, angezeigt, s));
    EXPECT_EQ(EinstellungsEingabe(s), angezeigt);

    e.Heftansicht = true;
    e.HeftAchsennamen = 1;
    e.HeftSpurdreieck = false;
    ASSERT_TRUE(EinstellungenUebernehmen(e, angezeigt, s));
    EXPECT_TRUE(s.Heftansicht);
    EXPECT_FALSE(s.HeftAchsenIndiziert);
    EXPECT_FALSE(s.HeftSpurdreieck);
    EXPECT_EQ(EinstellungsEingabe(s), e);
    // The other settings stay as they were.
    TStandardEinstellungen rest = s;
    rest.Heftansicht = false;
    rest.HeftAchsenIndiziert = true;
    rest.HeftSpurdreieck = true;
    EXPECT_EQ(EinstellungsEingabe(rest), angezeigt);
}

} // namespace
