// "F&estlegen" → "durch &Neueingabe": every item that is enabled opens the
// dialog of its kind.
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/TElementDLG.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
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
