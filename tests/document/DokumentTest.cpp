#include "document/Dokument.h"

#include "ausgabe/Zeichnen.h"
#include "document/Testzugang.h"
#include "model/Meldungen.h"
#include "view/Protokollflaeche.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalvorin;

namespace {

struct Transaktion : ::testing::Test {
    TMeldungsProtokoll protokoll;
    TDokument d;
    int gemeldet = 0;
    Transaktion() {
        d.Beobachten([this] { ++gemeldet; });
    }

    TfrPunkt* PunktAnlegen(TListe& l, const char* name, TTripel k) {
        auto* p = l.Neu<TfrPunkt>();
        p->Name = name;
        p->Koordinaten = k;
        return p;
    }
};

} // namespace

TEST_F(Transaktion, TheChangeDecidesFlagRebuildAndTellsTheWindowsOnce) {
    d.Aendern([&](TListe& l) {
        PunktAnlegen(l, "A", {1, 2, 3});
        return true;
    });
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(gemeldet, 1);
    EXPECT_TRUE(d.Liste()[1]->Szenenobjekte.any()) << "rebuilt: the point is in the scene";

    test::SetzeGeaendert(d, false);
    // A refusal still rebuilds by default, but is no modification.
    EXPECT_FALSE(d.Aendern([](TListe&) { return false; }));
    EXPECT_FALSE(d.Geaendert());
    EXPECT_EQ(gemeldet, 2);

    // Only when modified: a refusal leaves the scene alone.
    TfrPunkt* b = nullptr;
    d.Aendern(
        [&](TListe& l) {
            b = PunktAnlegen(l, "B", {0, 0, 0});
            return false;
        },
        {TNeuaufbau::WennGeaendert, {}});
    EXPECT_TRUE(b->Szenenobjekte.none());
    EXPECT_EQ(gemeldet, 3);

    d.Markieren([&](TListe&) { b->markiert = true; });
    EXPECT_FALSE(d.Geaendert()) << "marks are not a modification";
    EXPECT_EQ(gemeldet, 4);
}

// Every element added is reported to the windows, up to the full list; the
// one the full list refuses changes nothing.
TEST_F(Transaktion, EveryAddedElementIsReportedUpToTheFullList) {
    for (int i = 0; i < TListe::Kapazitaet; ++i)
        ASSERT_TRUE(d.Aendern([](TListe& l) { return l.Neu(TElementart::DfrPunkt) != nullptr; }));
    EXPECT_EQ(gemeldet, 100);
    EXPECT_FALSE(d.Aendern([](TListe& l) { return l.Neu(TElementart::DfrPunkt) != nullptr; }));
    EXPECT_EQ(d.Liste().Anzahl(), 100);
}

TEST_F(Transaktion, SnapshotCoordinateSystemAndSavingGoThroughTheSameEntry) {
    d.Aendern([&](TListe& l) {
        PunktAnlegen(l, "A", {1, 2, 3});
        return true;
    });
    d.Aendern([](TListe& l) { return l.Loeschen(1), true; },
              {TNeuaufbau::Immer, TRueckgaengigArt::Loeschen});
    EXPECT_EQ(d.Rueckgaengig().Caption(), "Rückgängig: Löschen");
    EXPECT_TRUE(d.RueckgaengigMachen());
    EXPECT_EQ(d.Liste().Anzahl(), 1);

    test::SetzeGeaendert(d, false);
    const int vorher = gemeldet;
    const Real oben = d.Koordinatensystem().Achsen[0].Oben;
    d.KoordinatensystemAendern([](TKoordinatensystem& ks) { ks.Zoomen(2); }, true);
    EXPECT_EQ(d.Koordinatensystem().Achsen[0].Oben, 2 * oben);
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(gemeldet, vorher + 1);
    EXPECT_FALSE(d.Speichern("/nicht/vorhanden/x.kvr"));
    EXPECT_TRUE(d.Geaendert()) << "a failed save keeps the flag";
    EXPECT_EQ(d.Dateiname(), "");
}

TEST(Zeichnen, ThePageFrameAndTheSphereFollowTheOptions) {
    TDokument d;
    const auto zeichnen = [&d](const TZeichenOptionen& o) {
        test::TProtokollflaeche f;
        DokumentZeichnen(d, f, o);
        return f;
    };
    const auto nichts = zeichnen({});
    EXPECT_TRUE(nichts.Nur(test::TAufruf::Rechteck).empty());
    EXPECT_TRUE(nichts.Nur(test::TAufruf::Ellipse).empty());
    EXPECT_FALSE(nichts.Nur(test::TAufruf::Linie).empty()) << "the axes";

    const auto alles = zeichnen({true, true, true});
    const auto rechtecke = alles.Nur(test::TAufruf::Rechteck);
    ASSERT_EQ(rechtecke.size(), 2u);
    EXPECT_EQ(rechtecke[0].pinsel.Art, TPinselArt::Voll) << "the grey window first";
    EXPECT_EQ(rechtecke[1].pinsel.Art, TPinselArt::Leer) << "then the frame";
    const TLogRechteck s = d.Abbildung().LogischesFenster();
    EXPECT_EQ(rechtecke[1].punkte,
              (std::vector<TLogPunkt>{{s.links, s.unten}, {s.rechts, s.oben}}));
    EXPECT_EQ(alles.Nur(test::TAufruf::Ellipse).size(), 1u) << "the sphere's outline";
    EXPECT_EQ(alles.Nur(test::TAufruf::Linie).size(), nichts.Nur(test::TAufruf::Linie).size());
}

// High contrast and the desktop's font scaling on the screen: the marks'
// halo keeps its bright colour, names grow with the font factor and wider
// lines with it, hairlines stay; factor 1 draws exactly the usual picture.
TEST(Zeichnen, ContrastKeepsTheMarkAndTheFontFactorScalesNamesAndLines) {
    TDokument d;
    auto* a = TDokumentTestzugang::Liste(d).Neu<TfrPunkt>();
    a->Name = "A";
    a->Koordinaten = {2, 0, 0};
    a->markiert = true;
    d.Neuaufbau();
    const auto zeichnen = [&d](const TZeichenOptionen& o) {
        test::TProtokollflaeche f;
        DokumentZeichnen(d, f, o);
        return f.aufrufe;
    };
    TZeichenOptionen kontrast;
    kontrast.Markierungen = true;
    kontrast.Kontrast = true;
    const auto k = zeichnen(kontrast);
    EXPECT_TRUE(std::any_of(k.begin(), k.end(), [](const test::TAufruf& c) {
        return c.stift.Farbe == Markierfarbe;
    })) << "the halo of the marked point";

    TZeichenOptionen eins;
    const auto normal = zeichnen(eins);
    eins.Schriftfaktor = 1;
    EXPECT_EQ(zeichnen(eins).size(), normal.size());
    TZeichenOptionen zwei;
    zwei.Schriftfaktor = 2;
    const auto doppelt = zeichnen(zwei);
    ASSERT_EQ(doppelt.size(), normal.size());
    int texte = 0;
    for (std::size_t i = 0; i < normal.size(); ++i) {
        if (normal[i].art == test::TAufruf::Text) {
            ++texte;
            EXPECT_NEAR(doppelt[i].schrifthoehe, 2 * normal[i].schrifthoehe, 1);
        } else if (normal[i].stift.Stil != TStiftStil::Unsichtbar) {
            const int b = normal[i].stift.Breite;
            EXPECT_EQ(doppelt[i].stift.Breite, b > 1 ? 2 * b : b);
        }
    }
    EXPECT_GT(texte, 0);
}
