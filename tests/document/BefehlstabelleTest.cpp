#include "befehle/Befehlstabelle.h"

#include "document/Dokument.h"
#include "document/Testzugang.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

using namespace kalvorin;

// The table is the one registration of the commands; these are the ways it
// could still drift from itself.
TEST(Befehlstabelle, NamesMenusOffersAndShortcutsAreEachGivenOnce) {
    std::set<std::string> namen, tasten, menues;
    std::map<std::string, std::set<std::string>> popupNamen;
    std::set<int> angebote, abbildungen;
    for (const TBefehlszeile& z : Befehlstabelle()) {
        const std::string name = z.Name;
        if (z.Art != TZeilenart::Trenner || !name.empty()) {
            EXPECT_TRUE(namen.insert(name).second) << "twice: " << name;
        }
        if (*z.Menue) {
            EXPECT_TRUE(menues.count(z.Menue))
                << name << " stands in " << z.Menue << ", not built before";
        }
        if (z.Art == TZeilenart::Menue) menues.insert(name);
        if (*z.Taste) {
            EXPECT_TRUE(tasten.insert(z.Taste).second) << "shortcut twice: " << z.Taste;
        }
        if (*z.Zweittaste) {
            EXPECT_TRUE(tasten.insert(z.Zweittaste).second) << "shortcut twice: " << z.Zweittaste;
        }
        if (z.Angebot) {
            EXPECT_TRUE(angebote.insert(static_cast<int>(*z.Angebot)).second) << name;
        }
        if (z.Abbildung) {
            EXPECT_TRUE(abbildungen.insert(static_cast<int>(*z.Abbildung)).second) << name;
        }
        for (const auto& [popup, platz] :
             {std::pair{"Grafik", z.GrafikPopup}, std::pair{"Liste", z.ListenPopup},
              std::pair{"Rahmen", z.RahmenPopup}})
            if (platz.Vorhanden()) {
                EXPECT_TRUE(popupNamen[popup].insert(platz.Name).second) << platz.Name;
            }
        // A command of the core runs headless, a dialog's with its value;
        // what it offers decides when.
        if (z.Angebot && z.Art == TZeilenart::Befehl && !z.MitWert.Ausfuehren) {
            EXPECT_NE(z.Ausfuehren, nullptr) << name;
        }
    }
    EXPECT_EQ(angebote.size(), static_cast<std::size_t>(AnzahlBefehle))
        << "every offer has its item";
    EXPECT_EQ(abbildungen.size(), static_cast<std::size_t>(AnzahlAbbildungsBefehle));
    EXPECT_EQ(BefehlMitName("Loteerzeugen")->Angebot, TBefehl::Loteerzeugen);
    EXPECT_EQ(BefehlMitName("MessWinkel")->Angebot, TBefehl::MessWinkel);
    EXPECT_EQ(BefehlMitName("Unbekannt"), nullptr);
}

// A row runs either in the core or in the user interface, named by its
// value; each value of the user interface belongs to exactly one row.
TEST(Befehlstabelle, EveryRowRunsOneThingAndNoUiHandlerIsLeftOver) {
    std::map<int, std::string> ui;
    for (const TBefehlszeile& z : Befehlstabelle()) {
        const std::string name = z.Name;
        const bool imKern = z.Ausfuehren || z.MitWert.Ausfuehren;
        if (z.Ui != TUiBefehl::Keiner) {
            EXPECT_TRUE(ui.emplace(static_cast<int>(z.Ui), name).second)
                << name << " shares its handler with " << ui[static_cast<int>(z.Ui)];
            EXPECT_NE(z.Art, TZeilenart::Trenner) << name;
            EXPECT_EQ(z.Ausfuehren, nullptr) << name << " runs in the core and in the window";
        }
        if (z.Art == TZeilenart::Befehl && !imKern) {
            EXPECT_NE(z.Ui, TUiBefehl::Keiner) << name << " runs nothing";
        }
    }
    for (int i = 1; i < AnzahlUiBefehle; ++i)
        EXPECT_TRUE(ui.count(i)) << "handler " << i << " has no row";
    EXPECT_FALSE(ui.count(0));
}

// The row names its help page; rows that share a context share the page.
TEST(Befehlstabelle, EveryHelpContextHasOnePage) {
    std::map<int, std::string> seiten;
    for (const TBefehlszeile& z : Befehlstabelle()) {
        if (z.Hilfe == 0) {
            EXPECT_STREQ(z.Hilfeseite, "") << z.Name;
            continue;
        }
        const std::string seite = z.Hilfeseite;
        EXPECT_NE(seite.find(".html"), std::string::npos) << z.Name << ": " << seite;
        const auto [it, neu] = seiten.emplace(z.Hilfe, seite);
        EXPECT_EQ(it->second, seite) << z.Name << " shares context " << z.Hilfe;
    }
    EXPECT_STREQ(BefehlMitName("Neu")->Hilfeseite, "datei.html#neu");
    EXPECT_STREQ(BefehlMitName("Pyramideseitig")->Hilfeseite, "festlegen.html#pyramide");
    EXPECT_STREQ(BefehlMitName("Messen")->Hilfeseite, "messen.html");
}

// The common keys come on top of the program's own, which stay.
TEST(Befehlstabelle, CommonShortcutsBesideTheProgramsOwn) {
    const std::pair<const char*, std::pair<const char*, const char*>> soll[] = {
        {"Neu", {"", "Ctrl+N"}},
        {"Speichern", {"", "Ctrl+S"}},
        {"Rueckgaengig", {"Ctrl+R", "Ctrl+Z"}},
        {"Ausgangszustand", {"Ctrl+O", ""}},
        {"Oeffnen", {"", ""}},
    };
    for (const auto& [name, tasten] : soll) {
        const TBefehlszeile* z = BefehlMitName(name);
        ASSERT_NE(z, nullptr) << name;
        EXPECT_STREQ(z->Taste, tasten.first) << name;
        EXPECT_STREQ(z->Zweittaste, tasten.second) << name;
    }
}

TEST(Befehlstabelle, CoreCommandsRunOnlyWhenOfferedOrPossible) {
    TDokument d;
    const TBefehlszeile& gerade = *BefehlMitName("ErzGerade");
    const TBefehlszeile& rueckgaengig = *BefehlMitName("Rueckgaengig");
    const TBefehlszeile& loeschen = *BefehlMitName("Loeschen");
    EXPECT_FALSE(Ausfuehrbar(d, gerade));
    EXPECT_FALSE(Ausfuehrbar(d, rueckgaengig));
    EXPECT_FALSE(Ausfuehrbar(d, loeschen));
    EXPECT_FALSE(Ausfuehrbar(d, *BefehlMitName("Neu"))) << "the user interface's own";
    EXPECT_TRUE(Ausfuehrbar(d, *BefehlMitName("Zoomout")));

    d.Aendern([](TListe& l) {
        for (const char* n : {"A", "B"}) {
            auto* p = l.Neu<TfrPunkt>();
            p->Name = n;
            p->Koordinaten = {n[0] == 'A' ? 0.0L : 1.0L, 0, 0};
            p->markiert = true;
        }
        return true;
    });
    EXPECT_TRUE(Ausfuehrbar(d, gerade));
    EXPECT_TRUE(Ausfuehrbar(d, loeschen));
    ASSERT_TRUE(gerade.Ausfuehren(d));
    EXPECT_EQ(d.Liste().Anzahl(), 3);
    ASSERT_TRUE(BefehlMitName("Pspiegeln")->Abbildung);
    EXPECT_FALSE(Ausfuehrbar(d, *BefehlMitName("Pspiegeln"))) << "no reflection centre yet";
}

// What a shell's main menu shows for a row, from the windows, the marks and
// the history; the browser builds its whole menu from it.
TEST(Befehlstabelle, MainMenuItemsFollowWindowsOffersAndHistory) {
    struct TSoll {
        const char* Name;
        const char* Text;
        bool Aktiv;
        bool Sichtbar;
    };
    const auto pruefen = [](const char* lage, const TMenuZustand& m, const TAngebote& a,
                            const TDokument* d, std::initializer_list<TSoll> soll) {
        for (const TSoll& s : soll) {
            const TBefehlszeile* z = nullptr;
            for (const TBefehlszeile& zeile : Befehlstabelle())
                if (std::string_view(zeile.Name) == s.Name) z = &zeile;
            ASSERT_NE(z, nullptr) << s.Name;
            const TMenuepunkt p = Hauptmenuepunkt(*z, m, a, d);
            EXPECT_EQ(p.Text, s.Text) << lage << ": " << s.Name;
            EXPECT_EQ(p.Aktiv, s.Aktiv) << lage << ": " << s.Name;
            EXPECT_EQ(p.Sichtbar, s.Sichtbar) << lage << ": " << s.Name;
        }
    };

    // No window: only what needs none.
    pruefen("no document", BerechneMenuZustand({}), TAngebote{}, nullptr,
            {{"Oeffnen", "Ö&ffnen...", true, true},
             {"Speichern", "&Speichern", false, true},
             {"Bearbeiten", "&Bearbeiten", false, true},
             {"Rueckgaengig", "&Rückgängig", false, true},
             {"Wiederholen", "&Wiederholen", false, true},
             {"ErzGerade", "&Gerade", false, true},
             {"Schneiden", "&Schneiden", false, true},
             {"Pspiegeln", "P&unktspiegelung an ", false, false},
             {"AbbildenStrich", "", true, false},
             {"Zoomout", "Darstellungsbereich ver&größern", false, true}});

    TDokument d;
    d.Aendern([](TListe& l) {
        for (const char* n : {"A", "B"}) {
            auto* p = l.Neu<TfrPunkt>();
            p->Name = n;
            p->Koordinaten = {n[0] == 'A' ? 0.0L : 1.0L, 0, 0};
            p->markiert = true;
        }
        l[1]->SetzeRolle(TRolle::IstSpiegelzentrum, true);
        return true;
    });
    const auto fenster = [&d] {
        return BerechneMenuZustand({1, true, "Unbenannt1", EtwasMarkiert(d.Liste())});
    };
    const std::string rueck = d.Rueckgaengig().Caption();
    ASSERT_NE(rueck, "Rückgängig") << "the points are a step";
    pruefen("two points marked", fenster(), BerechneAngebote(d.Liste()), &d,
            {{"Speichern", "&Speichern", true, true},
             {"Loeschen", "&Löschen (markierte Objekte)", true, true},
             {"Rueckgaengig", rueck.c_str(), true, true},
             {"Wiederholen", "Wiederholen", false, true},
             {"ErzGerade", "&Gerade", true, true},
             {"Schneiden", "&Schneiden", false, true},
             {"Pspiegeln", "P&unktspiegelung an A", true, true},
             {"Gspiegeln", "&Geradenspiegelung an ", false, false},
             {"AbbildenStrich", "", true, true}});

    ASSERT_TRUE(d.RueckgaengigMachen());
    const std::string wieder = d.Rueckgaengig().WiederholenCaption();
    ASSERT_NE(wieder, "Wiederholen");
    pruefen("undone", fenster(), BerechneAngebote(d.Liste()), &d,
            {{"Rueckgaengig", "Rückgängig", false, true},
             {"Wiederholen", wieder.c_str(), true, true},
             {"Loeschen", "&Löschen (markierte Objekte)", false, true},
             {"ErzGerade", "&Gerade", false, true},
             {"Pspiegeln", "P&unktspiegelung an ", false, false},
             {"AbbildenStrich", "", true, false}});
}
