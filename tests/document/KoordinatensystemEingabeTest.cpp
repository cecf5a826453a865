// The coordinate-system dialog without its widgets: the range check with
// its warning, numbers that are none, the preview of its own, and a
// document that changes only on "O&K", in one rebuild.
#include "eingabe/KoordinatensystemEingabe.h"
#include "Testnamen.h"

#include "document/Testzugang.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kalvorin;
using test::MitTrenner;

namespace {

const std::string Korrigiert(GrenzenKorrigiertText);
using Ergebnis = TKoordinatensystemEingabe::TErgebnis;

// Every field of the coordinate system, so that "unchanged" means unchanged.
void ErwarteGleich(const TKoordinatensystem& a, const TKoordinatensystem& b) {
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.Achsen[i].Unten, b.Achsen[i].Unten);
        EXPECT_EQ(a.Achsen[i].Oben, b.Achsen[i].Oben);
        EXPECT_EQ(a.Achsen[i].Zeichnen, b.Achsen[i].Zeichnen);
        const TKoordEbenenDaten& e = a.Ebenen[i];
        const TKoordEbenenDaten& f = b.Ebenen[i];
        EXPECT_EQ(e.Unten1, f.Unten1);
        EXPECT_EQ(e.Oben1, f.Oben1);
        EXPECT_EQ(e.Unten2, f.Unten2);
        EXPECT_EQ(e.Oben2, f.Oben2);
        EXPECT_EQ(e.Transparenz, f.Transparenz);
        EXPECT_EQ(e.Farbe, f.Farbe);
        EXPECT_EQ(e.Zeichnen, f.Zeichnen);
    }
    EXPECT_EQ(a.AchsenFarbe, b.AchsenFarbe);
    EXPECT_EQ(a.Skalierung, b.Skalierung);
    EXPECT_EQ(a.Achsenbeschriftung, b.Achsenbeschriftung);
    EXPECT_EQ(a.GleicheGrenzen, b.GleicheGrenzen);
    EXPECT_EQ(a.H, b.H);
    EXPECT_EQ(a.Ecke1, b.Ecke1);
    EXPECT_EQ(a.Ecke2, b.Ecke2);
}

struct TBereichsfall {
    Real Unten, Oben;
    Real SollUnten, SollOben;
    bool Warnung;
};

class Achsenbereich : public ::testing::TestWithParam<TBereichsfall> {};

TEST_P(Achsenbereich, SixRulesInTheirOrder) {
    const TBereichsfall& f = GetParam();
    TAchsenDaten a{f.Unten, f.Oben, true};
    EXPECT_EQ(AchsenbereichPruefen(a), f.Warnung);
    EXPECT_EQ(a.Unten, f.SollUnten);
    EXPECT_EQ(a.Oben, f.SollOben);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Achsenbereich,
    ::testing::Values(TBereichsfall{2, 3, -1, 3, true},          // rule 1, width 4 holds
                      TBereichsfall{0, 0, -1, 3, true},          // rules 1, 2, 4
                      TBereichsfall{-300, 300, -256, 256, true}, // rules 5, 6
                      TBereichsfall{-2.2L, 11, -2.2L, 11, false},
                      TBereichsfall{-1, 3, -1, 3, false},    // the narrowest range
                      TBereichsfall{-10, -5, -10, 1, true},  // rule 2 only
                      TBereichsfall{-2, -1.5L, -2, 2, true}, // rule 2, then 4 apart
                      TBereichsfall{-256, 256, -256, 256, false},
                      TBereichsfall{-255, 300, -255, 256, true}),
    testnamen::Nach([](const TBereichsfall& f) {
        return testnamen::Zahl(f.Unten) + "_bis_" + testnamen::Zahl(f.Oben);
    }));

// Both separators: the edits show and read the user's one.
class KoordDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        d.Beobachten([this] { ++gemeldet; });
        e = std::make_unique<TKoordinatensystemEingabe>(d);
    }
    TGrenzenTexte Texte(const char* xu, const char* xo) {
        TGrenzenTexte t = e->Texte();
        t[0] = {MitTrenner(xu), MitTrenner(xo)};
        return t;
    }
    std::vector<std::string> Meldungstexte() const {
        std::vector<std::string> t;
        for (const auto& m : protokoll.Eintraege)
            t.push_back(m.Text);
        return t;
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument d;
    int gemeldet = 0;
    std::unique_ptr<TKoordinatensystemEingabe> e;
};

TEST_P(KoordDialog, EditsShowTheRangesWithThreeDigits) {
    EXPECT_EQ(e->Texte()[0][0], MitTrenner("-2,2"));
    EXPECT_EQ(e->Texte()[0][1], "11");
    // A zoomed range shows rounded, but only looking keeps it exact.
    d.Zoomen(ZoomVerkleinern);
    e = std::make_unique<TKoordinatensystemEingabe>(d);
    EXPECT_EQ(e->Texte()[1][0], MitTrenner("-1,85"));
    EXPECT_EQ(e->Texte()[1][1], MitTrenner("9,24"));
    const TKoordinatensystem vorher = d.Koordinatensystem();
    ASSERT_EQ(e->Uebernehmen(d, e->Texte()), Ergebnis::Uebernommen);
    ErwarteGleich(d.Koordinatensystem(), vorher);
}

TEST_P(KoordDialog, LeavingAnEditChecksItsAxisAndRefillsBothEdits) {
    EXPECT_TRUE(e->GrenzeVerlassen(0, false, MitTrenner("2")));
    EXPECT_EQ(Meldungstexte(), std::vector<std::string>{Korrigiert});
    EXPECT_EQ(e->Texte()[0][0], "-1");
    EXPECT_TRUE(e->GrenzeVerlassen(0, true, "3"));
    EXPECT_EQ(protokoll.Eintraege.size(), 1u) << "-1 to 3 is a valid range";
    EXPECT_EQ(e->Daten().Achsen[0].Unten, -1);
    EXPECT_EQ(e->Daten().Achsen[0].Oben, 3);

    EXPECT_TRUE(e->GrenzeVerlassen(2, true, "300"));
    EXPECT_EQ(e->Texte()[2][1], "256");
    EXPECT_EQ(e->Daten().H, 256) << "the derived data follow at once";
    EXPECT_EQ(e->Daten().Ebenen[TKoordinatensystem::YZ].Oben2, 256);
    EXPECT_EQ(e->Vorschau().Koordinatensystem().H, 256) << "and so does the preview";
    EXPECT_EQ(gemeldet, 0) << "the document is not touched while the dialog is open";
}

TEST_P(KoordDialog, OkCorrectsTheRangesAndStaysOpen) {
    struct TFall {
        const char *Unten, *Oben;
        Real SollUnten, SollOben;
    };
    for (const TFall& f :
         {TFall{"2", "3", -1, 3}, TFall{"0", "0", -1, 3}, TFall{"-300", "300", -256, 256}}) {
        SCOPED_TRACE(f.Unten);
        protokoll.Eintraege.clear();
        EXPECT_EQ(e->Uebernehmen(d, Texte(f.Unten, f.Oben)), Ergebnis::Korrigiert);
        EXPECT_EQ(Meldungstexte(), std::vector<std::string>{Korrigiert});
        EXPECT_EQ(e->Daten().Achsen[0].Unten, f.SollUnten);
        EXPECT_EQ(e->Daten().Achsen[0].Oben, f.SollOben);
        EXPECT_EQ(e->Texte()[0][0], GrenzenText(f.SollUnten));
        EXPECT_EQ(e->Texte()[0][1], GrenzenText(f.SollOben));
        EXPECT_FALSE(d.Geaendert());
        EXPECT_EQ(gemeldet, 0);
    }
    // The corrected edits pass the second time.
    EXPECT_EQ(e->Uebernehmen(d, e->Texte()), Ergebnis::Uebernommen);
    EXPECT_EQ(d.Koordinatensystem().Achsen[0].Unten, -256);
    EXPECT_EQ(d.Koordinatensystem().H, 256);
}

TEST_P(KoordDialog, TextsThatAreNoNumberKeepTheDialogOpen) {
    EXPECT_FALSE(e->GrenzeVerlassen(1, true, "abc"));
    EXPECT_EQ(e->Uebernehmen(d, Texte("-2", "1/2")), Ergebnis::KeineZahl);
    EXPECT_EQ(e->Uebernehmen(d, Texte("", "5")), Ergebnis::KeineZahl);
    EXPECT_EQ(Meldungstexte(), (std::vector<std::string>{"abc ist keine gültige Dezimalzahl.",
                                                         "1/2 ist keine gültige Dezimalzahl.",
                                                         " ist keine gültige Dezimalzahl."}));
    EXPECT_EQ(e->Daten().Achsen[1].Oben, 11);
    EXPECT_EQ(e->Daten().Achsen[0].Unten, -2.2L);
    EXPECT_FALSE(d.Geaendert());
    // The other separator is no number here.
    protokoll.Eintraege.clear();
    const std::string anders = GetParam() == ',' ? "1.5" : "1,5";
    EXPECT_FALSE(e->GrenzeVerlassen(0, true, anders));
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
}

TEST_P(KoordDialog, LikeXAndDefaults) {
    e->GrenzeVerlassen(0, false, "-5");
    e->GrenzeVerlassen(0, true, MitTrenner("7,5"));
    e->WieXAchse(TKoordinatensystem::Z);
    EXPECT_EQ(e->Daten().Achsen[2].Unten, -5);
    EXPECT_EQ(e->Daten().Achsen[2].Oben, 7.5L);
    EXPECT_EQ(e->Texte()[2][1], MitTrenner("7,5"));
    EXPECT_EQ(e->Daten().Achsen[1].Oben, 11) << "y keeps its own range";

    Einstellungen().AchsenLaenge = 20;
    e->Daten().Achsen[1].Zeichnen = false;
    e->Defaultwerte();
    for (const TAchsenDaten& a : e->Daten().Achsen) {
        EXPECT_EQ(a.Unten, -4);
        EXPECT_EQ(a.Oben, 20);
        EXPECT_TRUE(a.Zeichnen);
    }
    EXPECT_EQ(e->Texte()[1][0], "-4");
    EXPECT_EQ(e->Daten().H, 20);
}

TEST_P(KoordDialog, CancelLeavesTheDocumentAsItWas) {
    test::SetzeGeaendert(d, false);
    const TKoordinatensystem vorher = d.Koordinatensystem();
    TKoordinatensystem& k = e->Daten();
    k.AchsenFarbe = RGB(1, 2, 3);
    k.Ebenen[TKoordinatensystem::XZ].Farbe = RGB(4, 5, 6);
    k.Ebenen[TKoordinatensystem::XY].Transparenz = 4;
    k.Ebenen[TKoordinatensystem::YZ].Zeichnen = true;
    k.Ebenen[TKoordinatensystem::XY].Zeichnen = false;
    k.Skalierung = SkalierungKeine;
    k.Achsenbeschriftung = false;
    k.Achsen[2].Zeichnen = false;
    e->GrenzeVerlassen(0, false, "-30");
    e->GrenzeVerlassen(1, true, "3");
    e->WieXAchse(TKoordinatensystem::Z);
    e->VorschauAufbauen();
    // "A&bbruch": the dialog and its model go.
    e.reset();
    ErwarteGleich(d.Koordinatensystem(), vorher);
    EXPECT_FALSE(d.Geaendert());
    EXPECT_EQ(gemeldet, 0);
}

TEST_P(KoordDialog, OkFlagsTheDocumentAndRebuildsOnce) {
    test::SetzeGeaendert(d, false);
    e->Daten().Ebenen[TKoordinatensystem::XZ].Zeichnen = true;
    e->Daten().AchsenFarbe = RGB(0, 128, 0);
    ASSERT_EQ(e->Uebernehmen(d, Texte("-4", "12")), Ergebnis::Uebernommen);
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(gemeldet, 1);
    const TKoordinatensystem& ks = d.Koordinatensystem();
    EXPECT_EQ(ks.Achsen[0].Unten, -4);
    EXPECT_EQ(ks.Achsen[0].Oben, 12);
    EXPECT_EQ(ks.H, 12);
    EXPECT_EQ(ks.Ebenen[TKoordinatensystem::XZ].Oben2, 12) << "xz spans z, then x";
    EXPECT_EQ(ks.AchsenFarbe, RGB(0, 128, 0));
    EXPECT_EQ(d.Szene().Halbseite(), 12) << "the display cube follows";
    // The rebuilt scene holds the xz plane now.
    bool xz = false;
    for (int nr = 1; nr <= d.Szene().Objektzahl(); ++nr)
        xz = xz || (d.Szene().Objekt(nr).Art == TObjektArt::KoordEbene);
    EXPECT_TRUE(xz);

    // Confirming without any change still counts as a modification.
    test::SetzeGeaendert(d, false);
    TKoordinatensystemEingabe nochmal(d);
    ASSERT_EQ(nochmal.Uebernehmen(d, nochmal.Texte()), Ergebnis::Uebernommen);
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(gemeldet, 2);
}

TEST_P(KoordDialog, PreviewHoldsOnlyTheCoordinateSystem) {
    auto* p = test::Liste(d).Neu<TfrPunkt>();
    p->Name = "P";
    p->Koordinaten = {1, 2, 3};
    d.Neuaufbau();
    TKoordinatensystemEingabe mitPunkt(d);
    const auto arten = [](const TDokument& dok) {
        std::string a;
        for (int nr = 1; nr <= dok.Szene().Objektzahl(); ++nr) {
            // A plane's edges belong to it.
            const TSzenenObjekt& o = dok.Szene().Objekt(nr);
            if (o.Art != TObjektArt::Rand)
                a += o.Art == TObjektArt::Achse ? o.Achse : static_cast<char>(o.Art);
        }
        return a;
    };
    EXPECT_EQ(mitPunkt.Vorschau().Liste().Anzahl(), 0);
    const std::string ebene(1, static_cast<char>(TObjektArt::KoordEbene));
    EXPECT_EQ(arten(mitPunkt.Vorschau()), "XYZ" + ebene);
    // The shown part is square, holds the whole axis box, and lies inside
    // the preview's own window.
    const TLogRechteck fenster = mitPunkt.VorschauFenster();
    EXPECT_EQ(fenster.Breite(), fenster.Hoehe());
    const TLogRechteck ganz = mitPunkt.Vorschau().Abbildung().LogischesFenster();
    EXPECT_GT(fenster.links, ganz.links);
    EXPECT_LT(fenster.rechts, ganz.rechts);
    EXPECT_LT(fenster.Breite(), ganz.Breite() * 3 / 4) << "closer than the document's view";
    const tGSzene& szene = mitPunkt.Vorschau().Szene();
    for (int nr = 1; nr <= szene.Stueckzahl(); ++nr) {
        const TStueck& s = szene.Stueck(nr);
        EXPECT_GE(s.BildMin.x, fenster.links);
        EXPECT_LE(s.BildMax.x, fenster.rechts);
        EXPECT_GE(s.BildMin.y, fenster.unten);
        EXPECT_LE(s.BildMax.y, fenster.oben);
    }

    mitPunkt.Daten().Achsen[1].Zeichnen = false;
    mitPunkt.Daten().Ebenen[TKoordinatensystem::XY].Zeichnen = false;
    mitPunkt.VorschauAufbauen();
    EXPECT_EQ(arten(mitPunkt.Vorschau()), "XZ");
    EXPECT_FALSE(mitPunkt.Vorschau().Geaendert());
    EXPECT_EQ(mitPunkt.VorschauFenster(), fenster) << "a fixed view";
}

INSTANTIATE_TEST_SUITE_P(Trenner, KoordDialog, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace
