#include "ui/TMainForm.h"

#include "befehle/Angebote.h"
#include "befehle/Befehlstabelle.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "ui/Hilfe.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

struct TPunkt {
    const char* Name;    // object name = handler's base
    const char* Caption; // exactly as shown, with its '&'
    int Kontext;         // help context, 0 for none
    const char* Taste = "";
    const char* Zweittaste = ""; // a common one besides the program's own
};

struct TMenue {
    const char* Name;
    const char* Caption;
    int Kontext;
    std::vector<TPunkt> Punkte; // items and submenus in order, separators left out
};

const std::vector<TMenue>& SollMenues() {
    static const std::vector<TMenue> baum = {
        {"Datei",
         "&Datei",
         100,
         {{"Neu", "&Neu", 105, "", "Ctrl+N"},
          {"Oeffnen", "Ö&ffnen...", 110},
          {"Einfuegen", "E&infügen...", 115},
          {"Schliessen", "S&chließen", 120},
          {"Speichern", "&Speichern", 125, "", "Ctrl+S"},
          {"Speichern_unter", "Speichern &unter...", 130},
          {"Grafik_speichern", "&Grafik speichern...", 135},
          {"Grafik_Drucken", "Grafik &drucken...", 140},
          {"Druckereinstellungen", "Drucker&einstellungen...", 145},
          {"Arbeitsblatt_speichern", "&Arbeitsblatt speichern...", 147},
          {"Beenden", "&Beenden", 150, "Alt+F4"}}},
        {"Bearbeiten",
         "&Bearbeiten",
         200,
         {{"Rueckgaengig", "&Rückgängig", 210, "Ctrl+R", "Ctrl+Z"},
          {"Wiederholen", "&Wiederholen", 215, "Ctrl+Y", "Ctrl+Shift+Z"},
          {"Kopieren", "&Kopieren (Grafik)...", 220, "Ctrl+C"},
          {"Loeschen", "&Löschen (markierte Objekte)", 230, "Del"},
          {"Einstellungen", "&Einstellungen...", 240, "Ctrl+E"}}},
        {"Festlegen",
         "F&estlegen",
         300,
         {{"Neueingabe", "durch &Neueingabe", 305},
          {"MarkierteObjekte", "durch &markierte Objekte", 325},
          {"Koordinatenebene", "&Koordinatenebene als Objekt...", 341},
          {"Koordinatenachse", "Koordinaten&achse als Objekt...", 342}}},
        {"Neueingabe",
         "durch &Neueingabe",
         305,
         {{"Punkt", "&Punkt...", 310},
          {"Gerade", "&Gerade...", 311},
          {"Ebene", "&Ebene...", 312},
          {"Strecke", "&Strecke...", 313},
          {"Pfeil", "P&feil...", 314},
          {"Vektor", "&Vektor...", 315},
          {"Dreieck", "&Dreieck...", 316},
          {"Pyramideseitig", "P&yramide...", 337},
          {"Kugel", "&Kugel...", 317},
          {"Kreis", "K&reis...", 318},
          {"Viereck", "V&iereck...", 319},
          {"Pyramide4", "Vierseitige Pyra&mide...", 320}}},
        {"MarkierteObjekte",
         "durch &markierte Objekte",
         325,
         {{"ErzPunkt", "&Punkt", 330},
          {"ErzGerade", "&Gerade", 331},
          {"ErzEbene", "&Ebene", 332},
          {"ErzStrecke", "&Strecke", 333},
          {"ErzPfeil", "P&feil", 334},
          {"ErzVektor", "&Vektor", 335},
          {"ErzDreieck", "&Dreieck", 336},
          {"ErzPyramide", "P&yramide", 337}}},
        {"Konstruieren",
         "&Konstruieren",
         400,
         {{"Schneiden", "&Schneiden", 410},
          {"Loteerzeugen", "&Lot erzeugen", 420},
          {"Mittebilden", "&Mitte bilden", 430},
          {"Tangentialebene", "&Tangentialebene", 450},
          {"Verknuepfen", "&Verknüpfen", 440}}},
        {"Verknuepfen",
         "&Verknüpfen",
         440,
         {{"VSumme", "&Vektorsumme", 441},
          {"VGegen", "&Gegenvektor", 442},
          {"MVProdukt", "Vektor&produkt", 443}}},
        {"Abbilden",
         "&Abbilden",
         500,
         {{"Spiegelung", "S&piegelung festlegen", 510},
          {"MStreckung", "S&treckung festlegen...", 520},
          {"Projektion", "P&rojektion festlegen", 530},
          {"Pspiegeln", "P&unktspiegelung an ", 540},
          {"Gspiegeln", "&Geradenspiegelung an ", 540},
          {"Espiegeln", "&Ebenenspiegelung an ", 540},
          {"Strecken", "&Streckung an ", 550},
          {"Oprojezieren", "&Orthogonalprojektion auf ", 560},
          {"Pprojezieren", "Par&allelprojektion auf ", 560}}},
        {"Messen",
         "&Messen",
         600,
         {{"MessWinkel", "&Winkel", 610},
          {"MessLaenge", "&Länge", 620},
          {"MessFlaeche", "&Fläche", 630},
          {"MessVolumen", "&Volumen", 640},
          {"Loesungsweg", "L&ösungsweg...", 650}}},
        {"Ansicht",
         "An&sicht",
         700,
         {{"Koordinatenachsen", "Koordinaten&achsen...", 710},
          {"Koordinatenebenen", "Koordinaten&ebenen...", 720},
          {"Zoomout", "Darstellungsbereich ver&größern", 730, "PgUp"},
          {"ZoomIn", "Darstellungsbereich ver&kleinern", 740, "PgDown"},
          {"Ausgangszustand", "Ausgangs&lage", 750, "Ctrl+O"},
          {"Heftansicht", "&Heftansicht", 760},
          {"Schrittweise", "Schrittweise &zeigen", 780},
          {"Vollbild", "&Vollbild", 790, "F11"},

          {"Szenebeschreiben", "Szene &beschreiben...", 770}}},
        {"Fenster",
         "&Fenster",
         800,
         {{"Nebeneinander", "Ne&beneinander anordnen", 0},
          {"Uebereinander", "&Übereinander anordnen", 0},
          {"Ueberlappend", "Über&lappend", 0},
          {"AlleSchliessen", "&Alle Fenster schließen", 0}}},
        {"Hilfe",
         "&Hilfe",
         900,
         {{"Inhalt", "In&halt", 910},
          {"HilfeVerwenden", "Hilfe &verwenden", 920},
          {"Info", "&Info über...", 930}}},
    };
    return baum;
}

QString U(const char* s) {
    return QString::fromUtf8(s);
}

int Kontext(const QAction* a) {
    const QVariant v = a->property(HilfeKontextEigenschaft);
    return v.isValid() ? v.toInt() : 0;
}

QMdiSubWindow* Dokument(TMainForm& f, const QString& titel) {
    auto* inhalt = new QLabel(titel);
    inhalt->setWindowTitle(titel);
    QMdiSubWindow* w = f.MdiArea()->addSubWindow(inhalt);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    f.MdiArea()->setActiveSubWindow(w);
    return w;
}

bool Aktiv(const TMainForm& f, const char* name) {
    const QAction* a = f.Aktion(U(name));
    EXPECT_NE(a, nullptr) << name;
    return a && a->isEnabled();
}

// Captured closed windows linger until their deferred deletion.
void Aufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// ---------------------------------------------------------------------------
// The menu tree

TEST(TMainForm, Caption) {
    TMainForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Kalvorin - Analytische Geometrie"));
}

TEST(TMainForm, MenuBarHasTheNineMenusInOrder) {
    TMainForm f;
    const QList<QAction*> leiste = f.menuBar()->actions();
    const char* erwartet[] = {"&Datei",  "&Bearbeiten", "F&estlegen", "&Konstruieren", "&Abbilden",
                              "&Messen", "An&sicht",    "&Fenster",   "&Hilfe"};
    ASSERT_EQ(leiste.size(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(leiste[i]->text(), U(erwartet[i]));
}

class Menuebaum : public ::testing::TestWithParam<TMenue> {};

TEST_P(Menuebaum, ItemsCaptionsContextsAndShortcuts) {
    const TMenue& soll = GetParam();
    TMainForm f;
    QMenu* menue = f.Menue(U(soll.Name));
    ASSERT_NE(menue, nullptr) << soll.Name;
    EXPECT_EQ(menue->title(), U(soll.Caption));
    EXPECT_EQ(Kontext(menue->menuAction()), soll.Kontext);

    QList<QAction*> ist;
    for (QAction* a : menue->actions())
        if (!a->isSeparator()) ist << a;
    ASSERT_EQ(ist.size(), static_cast<qsizetype>(soll.Punkte.size())) << soll.Name;
    for (std::size_t i = 0; i < soll.Punkte.size(); ++i) {
        const TPunkt& p = soll.Punkte[i];
        QAction* a = ist[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->objectName(), U(p.Name));
        EXPECT_EQ(a->text(), U(p.Caption)) << p.Name;
        EXPECT_EQ(Kontext(a), p.Kontext) << p.Name;
        QList<QKeySequence> tasten;
        for (const char* t : {p.Taste, p.Zweittaste})
            if (*t) tasten << QKeySequence(U(t));
        EXPECT_EQ(a->shortcuts(), tasten) << p.Name;
        // The menu shows the program's own key where it has one.
        EXPECT_EQ(a->shortcut(), tasten.value(0)) << p.Name;
        EXPECT_EQ(f.Aktion(U(p.Name)), a) << p.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(Menues, Menuebaum, ::testing::ValuesIn(SollMenues()),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(TMainForm, EveryRowOfTheCommandTableHasItsItemAndSomethingThatRunsIt) {
    TMainForm f;
    for (const TBefehlszeile& z : Befehlstabelle()) {
        if (z.Art == TZeilenart::Trenner) continue;
        EXPECT_NE(f.Aktion(QString::fromLatin1(z.Name)), nullptr) << z.Name;
        if (z.Art == TZeilenart::Befehl || z.Ui != TUiBefehl::Keiner) {
            EXPECT_TRUE(z.Ausfuehren || f.HatHandler(z)) << z.Name << " runs nothing";
        }
        if (*z.Taste) {
            EXPECT_FALSE(f.Aktion(QString::fromLatin1(z.Name))->shortcut().isEmpty()) << z.Taste;
        }
    }
    EXPECT_FALSE(f.Ausfuehren("Unbekannt"));
}

// The rows the window runs itself reach their own handlers: each item
// leaves its own trace, the menus that refresh before opening too.
TEST(TMainForm, WindowCommandsRunTheirOwnHandlers) {
    TMainForm f;
    const auto ausloesen = [&f](const char* name) {
        f.Aktion(QString::fromLatin1(name))->trigger();
    };
    ausloesen("Neu");
    ausloesen("Neu");
    EXPECT_EQ(f.Dokumentfenster().size(), 2);
    EXPECT_EQ(f.Fensterzaehler(), 2);

    QAction* heft = f.Aktion(QStringLiteral("Heftansicht"));
    const bool vorher = heft->isChecked();
    ausloesen("Heftansicht");
    EXPECT_NE(heft->isChecked(), vorher);
    ausloesen("Heftansicht");
    EXPECT_EQ(heft->isChecked(), vorher);

    TDokument& d = *f.AktivesDokument();
    d.Aendern([](TListe& l) {
        for (const char* name : {"g", "h"}) {
            TDreiDBasisElement* g = l.Neu(TElementart::DGerade);
            g->Name = name;
            g->markiert = true;
        }
        return true;
    });
    emit f.Menue(QStringLiteral("Konstruieren"))->aboutToShow();
    EXPECT_EQ(f.Aktion(QStringLiteral("Schneiden"))->text(),
              QStringLiteral("&Schnittpunkt bilden"));
    EXPECT_TRUE(Aktiv(f, "Mittebilden"));

    ausloesen("Inhalt");
    ASSERT_NE(THilfe::Fenster(), nullptr);
    EXPECT_EQ(THilfe::Fenster()->Seite(), THilfe::SeiteZuThema(QStringLiteral("IDH_Inhalt")));

    // The document changed: closing asks, and "Nein" lets it go unsaved.
    TMeldungsProtokoll protokoll;
    protokoll.Antworten.push_back(TAntwort::Nein);
    ausloesen("Schliessen");
    EXPECT_EQ(f.Dokumentfenster().size(), 1);
    ausloesen("AlleSchliessen");
    EXPECT_TRUE(f.Dokumentfenster().isEmpty());
    Aufraeumen();
}

TEST(TMainForm, EveryHelpContextLeadsToItsOwnPage) {
    TMainForm f;
    for (const TMenue& m : SollMenues()) {
        EXPECT_TRUE(THilfe::IstBekannterKontext(m.Kontext)) << m.Name;
        for (const TPunkt& p : m.Punkte) {
            if (p.Kontext) {
                EXPECT_TRUE(THilfe::IstBekannterKontext(p.Kontext)) << p.Name;
            }
        }
    }
}

TEST(TMainForm, PopupHasNewAndOpen) {
    TMainForm f;
    const QList<QAction*> punkte = f.Popup()->actions();
    ASSERT_EQ(punkte.size(), 2);
    EXPECT_EQ(punkte[0]->text(), QStringLiteral("&Neu"));
    EXPECT_EQ(punkte[1]->text(), QStringLiteral("&Oeffnen..."));
}

TEST(TMainForm, PopupOpensOnTheEmptyAreaOnly) {
    TMainForm f;
    f.resize(800, 600);
    f.show();
    QWidget* flaeche = f.MdiArea()->viewport();
    QContextMenuEvent leer(QContextMenuEvent::Mouse, QPoint(5, 5),
                           flaeche->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(flaeche, &leer);
    EXPECT_TRUE(f.Popup()->isVisible());
    f.Popup()->hide();
}

TEST(TMainForm, MappingItemsStartHiddenAndOffersDisabled) {
    TMainForm f;
    for (const char* name : {"Pspiegeln", "Gspiegeln", "Espiegeln", "Strecken", "Oprojezieren",
                             "Pprojezieren", "AbbildenStrich"})
        EXPECT_FALSE(f.Aktion(U(name))->isVisible()) << name;
    for (const char* name : {"ErzPunkt", "Schneiden", "Loteerzeugen", "Mittebilden", "Verknuepfen",
                             "Spiegelung", "MStreckung", "Projektion", "MessWinkel", "MessVolumen"})
        EXPECT_FALSE(f.Aktion(U(name))->isEnabled()) << name;
    EXPECT_FALSE(f.Aktion(QStringLiteral("Rueckgaengig"))->isEnabled());
}

// ---------------------------------------------------------------------------
// Menu state with real document windows

TEST(TMainFormMenu, NoDocument) {
    TMainForm f;
    for (const char* name : {"Neu", "Oeffnen", "Beenden", "Hilfe", "Inhalt", "Info", "Datei"})
        EXPECT_TRUE(Aktiv(f, name)) << name;
    for (const char* name :
         {"Einfuegen", "Schliessen", "Speichern", "Speichern_unter", "Grafik_speichern",
          "Grafik_Drucken", "Bearbeiten", "Festlegen", "Konstruieren", "Abbilden", "Messen",
          "Ansicht", "Fenster", "Zoomout", "ZoomIn", "Ausgangszustand", "Loeschen"})
        EXPECT_FALSE(Aktiv(f, name)) << name;
}

TEST(TMainFormMenu, OneDocument) {
    TMainForm f;
    Dokument(f, QStringLiteral("neu1.kvr"));
    f.UpdateMenuItems();
    const TFensterZustand z = f.Fensterzustand();
    EXPECT_EQ(z.AnzahlDokumente, 1);
    EXPECT_TRUE(z.AktivesDokument);
    EXPECT_EQ(z.AktiveBeschriftung, "neu1.kvr");
    for (const char* name :
         {"Einfuegen", "Schliessen", "Speichern", "Speichern_unter", "Bearbeiten", "Festlegen",
          "Konstruieren", "Abbilden", "Messen", "Ansicht", "Fenster", "AlleSchliessen", "Zoomout",
          "ZoomIn", "Ausgangszustand"})
        EXPECT_TRUE(Aktiv(f, name)) << name;
    for (const char* name : {"Nebeneinander", "Uebereinander", "Ueberlappend", "Loeschen"})
        EXPECT_FALSE(Aktiv(f, name)) << name;
}

TEST(TMainFormMenu, TwoDocumentsAndBackToNone) {
    TMainForm f;
    QMdiSubWindow* eins = Dokument(f, QStringLiteral("neu1.kvr"));
    QMdiSubWindow* zwei = Dokument(f, QStringLiteral("neu2.kvr"));
    // Opening windows updates the menus without being asked.
    EXPECT_EQ(f.Fensterzustand().AnzahlDokumente, 2);
    for (const char* name : {"Nebeneinander", "Uebereinander", "Ueberlappend"})
        EXPECT_TRUE(Aktiv(f, name)) << name;

    zwei->close();
    EXPECT_EQ(f.Fensterzustand().AnzahlDokumente, 1) << "a closed window no longer counts";
    EXPECT_FALSE(Aktiv(f, "Nebeneinander"));
    EXPECT_TRUE(Aktiv(f, "Schliessen"));

    eins->close();
    EXPECT_EQ(f.Fensterzustand().AnzahlDokumente, 0);
    EXPECT_FALSE(Aktiv(f, "Schliessen"));
    EXPECT_FALSE(Aktiv(f, "Speichern"));
    EXPECT_FALSE(Aktiv(f, "Bearbeiten"));
    Aufraeumen();
}

TEST(TMainFormMenu, ReadOnlyCaptionDisablesSave) {
    TMainForm f;
    QMdiSubWindow* w = Dokument(f, QStringLiteral("neu1.kvr"));
    EXPECT_TRUE(Aktiv(f, "Speichern"));
    // The caption changes after opening; the menus follow by themselves.
    w->widget()->setWindowTitle(QStringLiteral("/home/a/würfel.kvr (schreibgeschützt)"));
    EXPECT_FALSE(Aktiv(f, "Speichern"));
    EXPECT_TRUE(Aktiv(f, "Speichern_unter"));
}

TEST(TMainFormMenu, ItemsOfFestlegenAndAnsichtAreEnabledWithADocument) {
    TMainForm f;
    Dokument(f, QStringLiteral("neu1.kvr"));
    f.UpdateMenuItems();
    for (const char* name : {"Punkt", "Zoomout"})
        EXPECT_TRUE(Aktiv(f, name)) << name;
}

TEST(TMainFormMenu, AvailableItemsStillNeedADocument) {
    TMainForm f;
    for (const char* name : {"Punkt", "Einstellungen", "Koordinatenachsen"})
        EXPECT_FALSE(Aktiv(f, name)) << name;
    Dokument(f, QStringLiteral("neu1.kvr"));
    // the point dialog is there now; the element dialogs still need a document
    for (const char* name : {"Punkt", "Einstellungen", "Koordinatenachsen"})
        EXPECT_TRUE(Aktiv(f, name)) << name;
}

TEST(TMainFormMenu, DeleteFollowsTheMarkingWhenEditOpens) {
    TMainForm f;
    bool markiert = false;
    f.ElementMarkiertAbfrage = [&] { return markiert; };
    Dokument(f, QStringLiteral("neu1.kvr"));
    f.BearbeitenClick();
    EXPECT_FALSE(Aktiv(f, "Loeschen"));
    markiert = true;
    emit f.Menue(QStringLiteral("Bearbeiten"))->aboutToShow();
    EXPECT_TRUE(Aktiv(f, "Loeschen"));
}

TEST(TMainFormMenu, UndoItemShowsWhatCanBeUndone) {
    TMainForm f;
    f.ZeigeRueckgaengig("Rückgängig: Löschen", true);
    QAction* a = f.Aktion(QStringLiteral("Rueckgaengig"));
    EXPECT_EQ(a->text(), QStringLiteral("Rückgängig: Löschen"));
    EXPECT_TRUE(a->isEnabled());
    f.ZeigeRueckgaengig("Rückgängig", false);
    EXPECT_EQ(a->text(), QStringLiteral("Rückgängig"));
    EXPECT_FALSE(a->isEnabled());
}

TEST(TMainFormMenu, OffersForMarkedElementsAreApplied) {
    TMainForm f;
    TListe liste;
    auto* p = liste.Neu(TElementart::DfrPunkt);
    p->Name = "P";
    p->markiert = true;
    auto* e = liste.Neu(TElementart::DEbene);
    e->Name = "E";
    e->markiert = true;
    auto* z = liste.Neu(TElementart::DfrPunkt);
    z->Name = "Z";
    z->SetzeRolle(TRolle::IstSpiegelzentrum, true);

    f.WendeAngeboteAn(BerechneAngebote(liste));
    EXPECT_EQ(f.Aktion(QStringLiteral("Schneiden"))->text(),
              QStringLiteral("Auf &Inzidenz untersuchen"));
    EXPECT_TRUE(Aktiv(f, "Schneiden"));
    EXPECT_EQ(f.Aktion(QStringLiteral("Loteerzeugen"))->text(),
              QStringLiteral("&Lotgerade bilden"));
    EXPECT_EQ(f.Aktion(QStringLiteral("MessLaenge"))->text(), QStringLiteral("&Abstand"));
    EXPECT_TRUE(Aktiv(f, "MessLaenge"));
    // Offered but not built yet: shown with its caption, still disabled.
    EXPECT_FALSE(Aktiv(f, "Mittebilden"));
    EXPECT_FALSE(Aktiv(f, "ErzEbene"));

    QAction* anwenden = f.Aktion(QStringLiteral("Pspiegeln"));
    EXPECT_TRUE(anwenden->isVisible());
    EXPECT_EQ(anwenden->text(), QStringLiteral("P&unktspiegelung an Z"));
    EXPECT_TRUE(anwenden->isEnabled());
    EXPECT_TRUE(f.Aktion(QStringLiteral("AbbildenStrich"))->isVisible());
    EXPECT_FALSE(f.Aktion(QStringLiteral("Gspiegeln"))->isVisible());
}

// ---------------------------------------------------------------------------
// Window commands

TEST(TMainFormFenster, ArrangingAndClosingAll) {
    TMainForm f;
    f.resize(900, 700);
    f.show();
    QMdiSubWindow* a = Dokument(f, QStringLiteral("neu1.kvr"));
    QMdiSubWindow* b = Dokument(f, QStringLiteral("neu2.kvr"));
    f.NebeneinanderClick();
    EXPECT_EQ(a->geometry().top(), 0);
    EXPECT_EQ(b->geometry().top(), 0);
    EXPECT_LT(a->geometry().right(), b->geometry().left());
    f.UebereinanderClick();
    EXPECT_EQ(a->geometry().left(), 0);
    EXPECT_LT(a->geometry().bottom(), b->geometry().top());

    f.AlleSchliessenClick();
    EXPECT_EQ(f.Fensterzustand().AnzahlDokumente, 0);
    EXPECT_FALSE(Aktiv(f, "Fenster"));
    Aufraeumen();
}

TEST(TMainFormFenster, CascadeKeepsTheWindowsLarge) {
    TMainForm f;
    f.resize(1000, 800);
    f.show();
    QList<QMdiSubWindow*> fenster;
    for (int i = 1; i <= 4; ++i)
        fenster << Dokument(f, QStringLiteral("neu%1.kvr").arg(i));
    fenster[1]->showMaximized();
    f.UeberlappendClick();
    const QSize client = f.MdiArea()->viewport()->size();
    QPoint vorige(-1, -1);
    // Bottom to top, each one step further down and to the right.
    for (QMdiSubWindow* w : f.MdiArea()->subWindowList(QMdiArea::StackingOrder)) {
        EXPECT_FALSE(w->isMaximized());
        EXPECT_GE(w->width(), client.width() * 2 / 3);
        EXPECT_GE(w->height(), client.height() * 2 / 3);
        EXPECT_LE(w->geometry().right(), client.width());
        EXPECT_LE(w->geometry().bottom(), client.height());
        EXPECT_GT(w->y(), vorige.y());
        EXPECT_GT(w->x(), vorige.x());
        vorige = w->pos();
    }
    f.AlleSchliessenClick();
    Aufraeumen();
}

TEST(TMainFormFenster, DocumentsStayInsideWhenTheFrameShrinks) {
    TMainForm f;
    f.resize(900, 700);
    f.show();
    QMdiSubWindow* w = Dokument(f, QStringLiteral("neu1.kvr"));
    w->setGeometry(600, 400, 250, 200);
    f.resize(400, 300);
    QApplication::processEvents();
    const QSize client = f.MdiArea()->viewport()->size();
    EXPECT_LE(w->geometry().right(), client.width());
    EXPECT_LE(w->geometry().bottom(), client.height());
    EXPECT_GE(w->geometry().left(), 0);
}

TEST(TMainFormFenster, MinimumSize) {
    TMainForm f;
    EXPECT_EQ(f.minimumSize(), QSize(250, 200));
}

TEST(TMainFormFenster, StartsTopLeftLeavingRoomForTheObjectList) {
    TMainForm f;
    const QRect verfuegbar = QApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(f.pos(), verfuegbar.topLeft());
    EXPECT_EQ(f.width(), std::max(verfuegbar.width() - 145, 250));
    EXPECT_LE(f.height(), verfuegbar.height());
    EXPECT_GE(f.height(), verfuegbar.height() - 60) << "only the title bar is taken off";
}

// ---------------------------------------------------------------------------
// Closing

namespace {
class TZaehlendesHauptfenster : public TMainForm {
public:
    int Gespeichert = 0;

protected:
    void EinstellungenSpeichern() override { ++Gespeichert; }
};
} // namespace

TEST(TMainFormSchliessen, NoKeepsEverythingOpen) {
    TMeldungsProtokoll protokoll;
    protokoll.Antworten = {TAntwort::Nein};
    TZaehlendesHauptfenster f;
    f.show();
    Dokument(f, QStringLiteral("neu1.kvr"));
    f.BeendenClick();
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    const auto& frage = protokoll.Eintraege[0];
    EXPECT_TRUE(frage.IstFrage);
    EXPECT_EQ(frage.Text, "Soll das Programm Kalvorin beendet werden?");
    EXPECT_EQ(frage.Titel, "Kalvorin");
    EXPECT_EQ(frage.Knoepfe, TFrageKnoepfe::JaNein);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Fensterzustand().AnzahlDokumente, 1);
    EXPECT_EQ(f.Gespeichert, 0) << "settings are written only when the program ends";
}

TEST(TMainFormSchliessen, YesClosesDocumentsAndWritesSettings) {
    TMeldungsProtokoll protokoll;
    protokoll.Antworten = {TAntwort::Ja};
    TZaehlendesHauptfenster f;
    f.show();
    Dokument(f, QStringLiteral("neu1.kvr"));
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Fensterzustand().AnzahlDokumente, 0);
    EXPECT_EQ(f.Gespeichert, 1);
    Aufraeumen();
}

namespace {
// A document that refuses to close, as one does when its save is cancelled.
class TStoerrisch : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};
} // namespace

TEST(TMainFormSchliessen, ADocumentKeptOpenKeepsTheProgramOpen) {
    TMeldungsProtokoll protokoll;
    TZaehlendesHauptfenster f;
    f.show();
    QMdiSubWindow* w = f.MdiArea()->addSubWindow(new TStoerrisch(QStringLiteral("x")));
    w->show();
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Gespeichert, 0);
}
