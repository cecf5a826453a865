#include "ui/Hilfe.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
QString Datei(const QUrl& url) {
    return QStringLiteral(":") + url.path();
}

QString Inhalt(const QUrl& url) {
    QFile f(Datei(url));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The page shown with its anchor exists.
void PruefeSeite(const QUrl& url, const std::string& wofuer) {
    SCOPED_TRACE(wofuer);
    const QString html = Inhalt(url);
    ASSERT_FALSE(html.isEmpty()) << url.toString().toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\"")));
    if (!url.fragment().isEmpty()) {
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(url.fragment())))
            << url.toString().toStdString();
    }
}

struct THilfeAufraeumen {
    ~THilfeAufraeumen() { THilfe::Beenden(); }
};
} // namespace

TEST(Hilfe, ContentsAndHelpOnHelp) {
    EXPECT_EQ(THilfe::SeiteZuThema(QStringLiteral("IDH_Inhalt")),
              QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
    EXPECT_EQ(THilfe::SeiteZuThema(QStringLiteral("IDH_Hilfe_verwenden")),
              QUrl(QStringLiteral("qrc:/hilfe/hilfe_verwenden.html")));
}

TEST(Hilfe, DialogTopicsByName) {
    EXPECT_EQ(THilfe::SeiteZuThema(QStringLiteral("IDH_Dialog_Punkt_Bestimmung")),
              QUrl(QStringLiteral("qrc:/hilfe/punkt.html#bestimmung")));
    EXPECT_EQ(THilfe::SeiteZuThema(QStringLiteral("IDH_Dialog_Einstellungen_KSystem")),
              QUrl(QStringLiteral("qrc:/hilfe/einstellungen.html#ksystem")));
    // Every topic the dialogs ask for is known.
    const char* dialoge[] = {"IDH_Dialog_Punkt_Bestimmung",
                             "IDH_Dialog_Punkt_Eigenschaften",
                             "IDH_Dialog_Gerade_Bestimmung",
                             "IDH_Dialog_Gerade_Eigenschaften",
                             "IDH_Dialog_Ebene_Bestimmung",
                             "IDH_Dialog_Ebene_Eigenschaften",
                             "IDH_Dialog_Strecke_Bestimmung",
                             "IDH_Dialog_Strecke_Eigenschaften",
                             "IDH_Dialog_Pfeil_Bestimmung",
                             "IDH_Dialog_Pfeil_Eigenschaften",
                             "IDH_Dialog_Vektor",
                             "IDH_Dialog_Dreieck_Bestimmung",
                             "IDH_Dialog_Dreieck_Eigenschaften",
                             "IDH_Dialog_Pyramide_Bestimmung",
                             "IDH_Dialog_Pyramide_Eigenschaften",
                             "IDH_Dialog_Koordinatensystem_Achsen",
                             "IDH_Dialog_Koordinatensystem_Ebenen",
                             "IDH_Dialog_Einstellungen_Allgemein",
                             "IDH_Dialog_Einstellungen_Punkte",
                             "IDH_Dialog_Einstellungen_Geraden",
                             "IDH_Dialog_Einstellungen_Ebenen",
                             "IDH_Dialog_Einstellungen_Hilfslinien",
                             "IDH_Dialog_Einstellungen_KSystem",
                             "IDH_Dialog_Einstellungen_Zahlenausgabe",
                             "IDH_Dialog_Ausgabe",
                             "IDH_Dialog_Streckung"};
    for (const char* t : dialoge)
        EXPECT_TRUE(THilfe::IstBekanntesThema(QString::fromLatin1(t))) << t;
}

TEST(Hilfe, TopicsByMenuContextNumber) {
    EXPECT_EQ(THilfe::SeiteZuKontext(105), QUrl(QStringLiteral("qrc:/hilfe/datei.html#neu")));
    EXPECT_EQ(THilfe::SeiteZuKontext(100), QUrl(QStringLiteral("qrc:/hilfe/datei.html")));
    EXPECT_EQ(THilfe::SeiteZuKontext(750),
              QUrl(QStringLiteral("qrc:/hilfe/ansicht.html#ausgangslage")));
    EXPECT_EQ(THilfe::SeiteZuKontext(1300), QUrl(QStringLiteral("qrc:/hilfe/grafikfenster.html")));
}

TEST(Hilfe, UnknownTopicsLeadToTheContents) {
    const QUrl inhalt(QStringLiteral("qrc:/hilfe/inhalt.html"));
    EXPECT_EQ(THilfe::SeiteZuThema(QStringLiteral("IDH_Gibt_es_nicht")), inhalt);
    EXPECT_EQ(THilfe::SeiteZuThema(QString()), inhalt);
    EXPECT_EQ(THilfe::SeiteZuThema(QStringLiteral("idh_inhalt_")), inhalt);
    EXPECT_EQ(THilfe::SeiteZuKontext(0), inhalt);
    EXPECT_EQ(THilfe::SeiteZuKontext(-1), inhalt);
    EXPECT_EQ(THilfe::SeiteZuKontext(99999), inhalt);
}

TEST(Hilfe, EveryTopicHasItsPageAndAnchor) {
    for (const QString& t : THilfe::Themen())
        PruefeSeite(THilfe::SeiteZuThema(t), t.toStdString());
    for (int k : THilfe::Kontexte())
        PruefeSeite(THilfe::SeiteZuKontext(k), std::to_string(k));
}

TEST(Hilfe, PagesAreGermanWithRealUmlauts) {
    const QString datei = Inhalt(THilfe::SeiteZuThema(QStringLiteral("IDH_Menue_Datei")));
    EXPECT_TRUE(datei.contains(QStringLiteral("Öffnen...")));
    EXPECT_TRUE(datei.contains(QStringLiteral("Schließen")));
    EXPECT_TRUE(datei.contains(QStringLiteral("Soll das Programm Kalvorin beendet werden?")));
    const QString verwenden = Inhalt(THilfe::SeiteZuThema(QStringLiteral("IDH_Hilfe_verwenden")));
    EXPECT_TRUE(verwenden.contains(QStringLiteral("F1")));
    EXPECT_TRUE(verwenden.contains(QStringLiteral("Zurück")));
}

TEST(Hilfe, LinksBetweenPagesLeadToExistingPages) {
    QStringList seiten;
    for (const QString& t : THilfe::Themen())
        seiten << THilfe::SeiteZuThema(t).adjusted(QUrl::RemoveFragment).toString();
    seiten.removeDuplicates();
    const QRegularExpression verweis(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& seite : seiten) {
        const QString html = Inhalt(QUrl(seite));
        auto treffer = verweis.globalMatch(html);
        while (treffer.hasNext()) {
            const QUrl ziel = QUrl(seite).resolved(QUrl(treffer.next().captured(1)));
            PruefeSeite(ziel, (seite + QStringLiteral(" -> ") + ziel.toString()).toStdString());
        }
    }
}

TEST(Hilfe, WindowShowsTheTopicAndIsReused) {
    THilfeAufraeumen aufraeumen;
    THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt"));
    THilfeFenster* fenster = THilfe::Fenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->Seite(), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
    EXPECT_TRUE(
        fenster->Browser()->toPlainText().contains(QStringLiteral("Analytischen Geometrie")));
    EXPECT_TRUE(fenster->windowTitle().startsWith(QStringLiteral("Kalvorin-Hilfe")));

    THilfe::ZeigeKontext(120);
    EXPECT_EQ(THilfe::Fenster(), fenster);
    EXPECT_EQ(fenster->Seite(), QUrl(QStringLiteral("qrc:/hilfe/datei.html#schliessen")));
    EXPECT_TRUE(fenster->Browser()->toPlainText().contains(QStringLiteral("Schließen")));

    THilfe::ZeigeHilfeVerwenden();
    EXPECT_EQ(fenster->Seite(), QUrl(QStringLiteral("qrc:/hilfe/hilfe_verwenden.html")));

    THilfe::ZeigeThema(QStringLiteral("IDH_Unbekannt"));
    EXPECT_EQ(fenster->Seite(), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));

    THilfe::Beenden();
    EXPECT_EQ(THilfe::Fenster(), nullptr);
    THilfe::Beenden(); // a second time is harmless
}

TEST(Hilfe, BackAndForward) {
    THilfeAufraeumen aufraeumen;
    THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt"));
    THilfe::ZeigeThema(QStringLiteral("IDH_Menue_Messen"));
    THilfeFenster* fenster = THilfe::Fenster();
    auto* zurueck = fenster->findChild<QPushButton*>(QStringLiteral("HilfeZurueck"));
    ASSERT_NE(zurueck, nullptr);
    EXPECT_TRUE(zurueck->isEnabled());
    zurueck->click();
    EXPECT_EQ(fenster->Seite(), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
}

TEST(Hilfe, F1InAMenuShowsTheHighlightedItem) {
    THilfeAufraeumen aufraeumen;
    THilfe::InstalliereF1(*qApp);
    QMenu menue;
    THilfe::SetzeKontext(menue.menuAction(), 700);
    QAction* a = menue.addAction(QStringLiteral("Ausgangs&lage"));
    THilfe::SetzeKontext(a, 750);
    menue.popup(QPoint(10, 10));
    menue.setActiveAction(a);
    EXPECT_EQ(THilfe::SeiteFuerF1(&menue),
              QUrl(QStringLiteral("qrc:/hilfe/ansicht.html#ausgangslage")));

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&menue, &f1);
    ASSERT_NE(THilfe::Fenster(), nullptr);
    EXPECT_EQ(THilfe::Fenster()->Seite(),
              QUrl(QStringLiteral("qrc:/hilfe/ansicht.html#ausgangslage")));
    EXPECT_FALSE(menue.isVisible()) << "the menu closes so the help can be read";
}

TEST(Hilfe, F1InAMenuWithoutHighlightShowsTheMenu) {
    QMenu menue;
    THilfe::SetzeKontext(menue.menuAction(), 600);
    menue.addAction(QStringLiteral("&Winkel"));
    EXPECT_EQ(THilfe::SeiteFuerF1(&menue), QUrl(QStringLiteral("qrc:/hilfe/messen.html")));
}

TEST(Hilfe, F1OnAWidgetUsesTheNearestTopic) {
    QWidget fenster;
    THilfe::SetzeKontext(&fenster, 1200);
    auto* seite = new QWidget(&fenster);
    auto* feld = new QLineEdit(seite);
    EXPECT_EQ(THilfe::SeiteFuerF1(feld), QUrl(QStringLiteral("qrc:/hilfe/objektliste.html")));
    // A dialog page names its topic; the name wins over the window's number.
    THilfe::SetzeThema(seite, QStringLiteral("IDH_Dialog_Gerade_Eigenschaften"));
    EXPECT_EQ(THilfe::SeiteFuerF1(feld),
              QUrl(QStringLiteral("qrc:/hilfe/gerade.html#eigenschaften")));
    QWidget ohne;
    EXPECT_EQ(THilfe::SeiteFuerF1(&ohne), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
}

TEST(Hilfe, F1KeyOnAWidgetOpensItsTopic) {
    THilfeAufraeumen aufraeumen;
    THilfe::InstalliereF1(*qApp);
    QWidget fenster;
    THilfe::SetzeThema(&fenster, QStringLiteral("IDH_Dialog_Streckung"));
    auto* feld = new QLineEdit(&fenster);
    fenster.show();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(feld, &f1);
    ASSERT_NE(THilfe::Fenster(), nullptr);
    EXPECT_EQ(THilfe::Fenster()->Seite(), QUrl(QStringLiteral("qrc:/hilfe/streckung.html")));
    // Other keys pass through untouched.
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(feld, &a);
    EXPECT_EQ(feld->text(), QStringLiteral("a"));
}

TEST(Hilfe, HelpFromAModalDialogIsUsable) {
    THilfeAufraeumen aufraeumen;
    THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt"));
    QDialog dialog;
    bool belegt = false;
    QTimer::singleShot(0, &dialog, [&] {
        THilfe::ZeigeThema(QStringLiteral("IDH_Dialog_Vektor"));
        // Owned by the dialog, the help window is not blocked by it.
        belegt = THilfe::Fenster() && THilfe::Fenster()->parentWidget() == &dialog &&
                 THilfe::Fenster()->isWindow() && THilfe::Fenster()->isVisible();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(belegt);
    // Afterwards the help window stands on its own again.
    THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt"));
    ASSERT_NE(THilfe::Fenster(), nullptr);
    EXPECT_EQ(THilfe::Fenster()->parentWidget(), nullptr);
}

TEST(Hilfe, WindowFitsOnTheScreenWithAllItsButtons) {
    THilfeAufraeumen aufraeumen;
    THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt"));
    THilfeFenster* fenster = THilfe::Fenster();
    ASSERT_NE(fenster, nullptr);
    const QRect bildschirm = QApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(bildschirm.contains(fenster->geometry()))
        << fenster->geometry().x() << "," << fenster->geometry().width();
    EXPECT_GE(fenster->width(), fenster->minimumSizeHint().width());
    for (QPushButton* b : fenster->findChildren<QPushButton*>())
        EXPECT_TRUE(fenster->rect().contains(b->geometry())) << b->text().toStdString();
}
