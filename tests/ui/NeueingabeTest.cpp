// "F&estlegen" → "durch &Neueingabe": every item that is enabled opens the
// dialog of its kind.
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/TElementDLG.h"
#include "ui/TKoordinatenelementDLG.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace kalvorin;

namespace {

TEST(Neueingabe, EveryEnabledItemOpensItsDialog) {
    const std::map<QString, QString> titel = {
        {QStringLiteral("Punkt"), QStringLiteral("Festlegen eines Punktes")},
        {QStringLiteral("Gerade"), QStringLiteral("Festlegen einer Geraden")},
        {QStringLiteral("Ebene"), QStringLiteral("Festlegen einer Ebene")},
        {QStringLiteral("Strecke"), QStringLiteral("Festlegen einer Strecke")},
        {QStringLiteral("Pfeil"), QStringLiteral("Festlegen eines Pfeils")},
        {QStringLiteral("Vektor"), QStringLiteral("Festlegen eines Vektors")},
        {QStringLiteral("Dreieck"), QStringLiteral("Festlegen eines Dreiecks")},
        {QStringLiteral("Pyramideseitig"), QStringLiteral("Erzeugen einer Pyramide")},
        {QStringLiteral("Kugel"), QStringLiteral("Festlegen einer Kugel")},
        {QStringLiteral("Kreis"), QStringLiteral("Festlegen eines Kreises")},
        {QStringLiteral("Viereck"), QStringLiteral("Festlegen eines Vierecks")},
        {QStringLiteral("Pyramide4"), QStringLiteral("Erzeugen einer vierseitigen Pyramide")},
    };
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll meldungen;
    TMainForm haupt;
    haupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    haupt.NeuClick();
    QApplication::processEvents();
    emit haupt.Menue(QStringLiteral("Festlegen"))->aboutToShow();

    QMenu* menue = haupt.Menue(QStringLiteral("Neueingabe"));
    ASSERT_NE(menue, nullptr);
    std::set<QString> geoeffnet;
    int punkte = 0;
    for (QAction* a : menue->actions()) {
        if (a->isSeparator()) continue;
        ++punkte;
        const QString name = a->objectName();
        ASSERT_TRUE(titel.count(name)) << name.toStdString();
        if (!a->isEnabled()) {
            ADD_FAILURE() << name.toStdString() << " is disabled";
            continue;
        }
        // The dialog is modal: it is looked at and cancelled from inside its loop.
        QString gesehen;
        QTimer warten;
        warten.setSingleShot(true);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<TElementDLG*>(QApplication::activeModalWidget())) {
                gesehen = d->windowTitle();
                d->reject();
            }
        });
        warten.start(0);
        a->trigger();
        warten.stop();
        EXPECT_EQ(gesehen, titel.at(name)) << name.toStdString();
        if (gesehen == titel.at(name)) geoeffnet.insert(name);
    }
    EXPECT_EQ(punkte, 12);
    for (const char* name : {"Punkt", "Gerade", "Ebene", "Dreieck", "Pyramideseitig", "Kugel",
                             "Kreis", "Viereck", "Pyramide4"})
        EXPECT_TRUE(geoeffnet.count(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(haupt.AktivesDokument()->Liste().Anzahl() == 0) << "cancelled dialogs add nothing";
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

} // namespace

namespace {

// "Koordinatenebene als Objekt..." offers the three planes; OK with the
// second chosen adds the x₁x₃-plane, cancel adds nothing.
TEST(Neueingabe, TheCoordinatePlaneDialogAddsTheChosenPlane) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll meldungen;
    TMainForm haupt;
    haupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    haupt.NeuClick();
    QApplication::processEvents();
    emit haupt.Menue(QStringLiteral("Festlegen"))->aboutToShow();
    QAction* a = haupt.Aktion(QStringLiteral("Koordinatenebene"));
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled());
    for (const bool ok : {false, true}) {
        QStringList wahl;
        QTimer warten;
        warten.setSingleShot(true);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<TKoordinatenelementDLG*>(QApplication::activeModalWidget());
            if (!d) return;
            for (QRadioButton* r : d->Wahl)
                wahl << r->text();
            d->Wahl[1]->setChecked(true);
            (ok ? d->OKBtn : d->CancelBtn)->click();
        });
        warten.start(0);
        a->trigger();
        warten.stop();
        EXPECT_EQ(wahl, QStringList({QStringLiteral("x₁x₂-Ebene"), QStringLiteral("x₁x₃-Ebene"),
                                     QStringLiteral("x₂x₃-Ebene")}));
        const TListe& liste = haupt.AktivesDokument()->Liste();
        ASSERT_EQ(liste.Anzahl(), ok ? 1 : 0);
        if (ok) {
            EXPECT_EQ(liste[1]->Name, "x1x3");
        }
    }
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

} // namespace
