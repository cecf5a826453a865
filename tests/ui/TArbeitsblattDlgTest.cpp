// The worksheet dialog's questions: it lists the derived elements, all
// chosen; its button adds the measurement of the marked elements, greyed
// while the marks give none; its access keys are unique; and "O&k" stores
// the choice in the document as one undo step.

#include "ui/TArbeitsblattDlg.h"
#include "document/Abiturszene.h"
#include "storage/TestOrdner.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/TGrafChildForm.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

QStringList Zeilen(const QListWidget& l) {
    QStringList r;
    for (int i = 0; i < l.count(); ++i)
        r << l.item(i)->text();
    return r;
}

int Gewaehlt(const QListWidget& l) {
    int n = 0;
    for (int i = 0; i < l.count(); ++i)
        n += l.item(i)->checkState() == Qt::Checked;
    return n;
}

TEST(TArbeitsblattDlg, ListsTheDerivedElementsAndAddsTheMeasurementOfTheMarks) {
    TAbiturBlatt t;
    {
        TArbeitsblattDlg d({}, t.D);
        EXPECT_EQ(Zeilen(*d.FragenListe),
                  (QStringList{QString::fromStdString(GesuchtText(*t["l"])),
                               QString::fromStdString(GesuchtText(*t["F"])),
                               QString::fromStdString(GesuchtText(*t["SF"]))}));
        EXPECT_EQ(Gewaehlt(*d.FragenListe), 3);
        EXPECT_FALSE(d.MessungBtn->isEnabled());
    }
    t.Markieren({"S", "E"});
    TArbeitsblattDlg d({}, t.D);
    ASSERT_TRUE(d.MessungBtn->isEnabled());
    d.MessungBtn->click();
    ASSERT_EQ(d.FragenListe->count(), 4);
    EXPECT_EQ(d.FragenListe->item(3)->text(),
              QStringLiteral("Berechnen Sie den Abstand des Punktes S von der Ebene E."));
    EXPECT_EQ(d.FragenListe->item(3)->checkState(), Qt::Checked);
    // Added once: the marks give nothing more.
    EXPECT_FALSE(d.MessungBtn->isEnabled());
}

TEST(TArbeitsblattDlg, AccessKeysAreUnique) {
    TAbiturBlatt t;
    TArbeitsblattDlg d({}, t.D);
    std::set<QChar> gesehen;
    QStringList texte;
    for (const QLabel* l : d.findChildren<QLabel*>())
        texte << l->text();
    for (const QAbstractButton* b : d.findChildren<QAbstractButton*>())
        texte << b->text();
    for (const QString& t : texte) {
        const auto i = t.indexOf(QLatin1Char('&'));
        if (i < 0 || i + 1 >= t.size()) continue;
        EXPECT_TRUE(gesehen.insert(t[i + 1].toLower()).second) << t.toStdString();
    }
    EXPECT_GE(gesehen.size(), 6u);
}

// The dialog as a picture in KALVORIN_BILDER, to look at.
TEST(ArbeitsblattDialogBild, WithAMeasurementAdded) {
    const QByteArray ordner = qgetenv("KALVORIN_BILDER");
    if (ordner.isEmpty()) GTEST_SKIP() << "KALVORIN_BILDER not set";
    QDir().mkpath(QString::fromLocal8Bit(ordner));
    TAbiturBlatt t;
    t.Markieren({"S", "E"});
    TArbeitsblattDlg d({}, t.D);
    d.MessungBtn->click();
    d.ZeilenEdit->setPlainText(QStringLiteral("Zeichnen Sie das Lot in die Figur ein."));
    d.show();
    QApplication::processEvents();
    d.grab().save(QString::fromLocal8Bit(ordner) + QStringLiteral("/arbeitsblatt_dialog.png"));
}

class ArbeitsblattDialog : public ::testing::Test {
protected:
    void SetUp() override {
        {
            TAbiturBlatt abitur;
            ASSERT_TRUE(abitur.D.Speichern(ordner / "abitur.kvr"));
        }
        haupt = std::make_unique<TMainForm>();
        liste = new TListenformular(haupt.get());
        ObjektlisteAnbinden(*haupt, *liste);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        ASSERT_TRUE(haupt->DateiOeffnen(QString::fromStdString(ordner / "abitur.kvr")));
        QApplication::processEvents();
        f = haupt->AktivesFenster();
        ASSERT_NE(f, nullptr);
    }
    void TearDown() override {
        TArbeitsblattDlg::Zeigen = zeigen;
        haupt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TMeldungsProtokoll meldungen;
    TTestOrdner ordner;
    std::unique_ptr<TMainForm> haupt;
    TListenformular* liste = nullptr;
    tGrafChildForm* f = nullptr;
    const std::function<bool(TArbeitsblattDlg&)> zeigen = TArbeitsblattDlg::Zeigen;
};

TEST_F(ArbeitsblattDialog, OkStoresTheChoiceAsOneUndoStep) {
    f->Dokument().Markieren([](TListe& l) {
        for (int i = 1; i <= l.Anzahl(); ++i)
            l[i]->markiert = l[i]->Name == "S" || l[i]->Name == "E";
    });
    TArbeitsblattDlg::Zeigen = [](TArbeitsblattDlg& d) {
        d.MessungBtn->click();
        d.FragenListe->item(0)->setCheckState(Qt::Unchecked);
        d.ZeilenEdit->setPlainText(QStringLiteral("Zeichnen Sie das Lot ein."));
        d.OKBtn->click();
        return d.result() == QDialog::Accepted;
    };
    // The file dialog is cancelled: the choice is the document's all the same.
    haupt->DateiDialog = [](const TDateiAnfrage&) { return TDateiAntwort{}; };
    const std::size_t schritte = f->Dokument().Rueckgaengig().Schritte();
    haupt->Aktion(QStringLiteral("Arbeitsblatt_speichern"))->trigger();
    QApplication::processEvents();
    const TDokument& d = f->Dokument();
    ASSERT_TRUE(d.Arbeitsblattfragen());
    EXPECT_EQ(d.Arbeitsblattfragen()->size(), 4u);
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(d.Rueckgaengig().Schritte(), schritte + 1);
    EXPECT_EQ(d.Rueckgaengig().Caption(), "Rückgängig: Arbeitsblatt festlegen");
    EXPECT_TRUE(meldungen.Eintraege.empty());
    // Opened again, the dialog shows the choice: l unchosen at the end.
    TArbeitsblattDlg wieder({}, d);
    EXPECT_EQ(Gewaehlt(*wieder.FragenListe), 3);
    EXPECT_EQ(wieder.FragenListe->count(), 4);
    EXPECT_EQ(wieder.ZeilenEdit->toPlainText(), QStringLiteral("Zeichnen Sie das Lot ein."));
    ASSERT_TRUE(f->Dokument().RueckgaengigMachen());
    EXPECT_FALSE(f->Dokument().Arbeitsblattfragen());
}

TEST_F(ArbeitsblattDialog, LineTheFileCannotHoldIsRefused) {
    TArbeitsblattDlg::Zeigen = [](TArbeitsblattDlg& d) {
        d.ZeilenEdit->setPlainText(QStringLiteral("x₁ = 0"));
        d.OKBtn->click();
        return d.result() == QDialog::Accepted;
    };
    haupt->Aktion(QStringLiteral("Arbeitsblatt_speichern"))->trigger();
    QApplication::processEvents();
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(meldungen.Eintraege[0].Text, "Die Zeile „x₁ = 0“ enthält Zeichen, die in der Datei "
                                           "nicht gespeichert werden können.");
    EXPECT_FALSE(f->Dokument().Arbeitsblattfragen());
    EXPECT_FALSE(f->Dokument().Geaendert());
}

} // namespace
