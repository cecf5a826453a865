#include "ui/TAboutDlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(TAboutDlg, TextsAndCredits) {
    QPointer<TAboutDlg> d = new TAboutDlg;
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Programm-Info"));
    EXPECT_EQ(d->ProgrammName->text(), QStringLiteral("Kalvorin"));
    EXPECT_TRUE(d->ProgrammName->font().bold());
    EXPECT_EQ(d->ProgrammName->font().pixelSize(), 32);
    EXPECT_EQ(d->ProgrammName->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(d->Beschreibung->text(), QStringLiteral("Ein Programm zur Analytischen Geometrie"));
    EXPECT_EQ(d->Version->text(), QStringLiteral("Version 1.0 vom 1. Mai 2000"));
    EXPECT_GE(d->Mitwirkende->count(), 3);
    EXPECT_EQ(d->OKButton->text(), QStringLiteral("OK"));
    delete d.data();
}

TEST(TAboutDlg, OkClosesAndFreesIt) {
    QPointer<TAboutDlg> d = new TAboutDlg;
    d->show();
    d->OKButton->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
}

TEST(TAboutDlg, EverythingFitsItsLabel) {
    QPointer<TAboutDlg> d = new TAboutDlg;
    d->show();
    for (QLabel* l : {d->ProgrammName, d->Beschreibung, d->Version})
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
    delete d.data();
}
