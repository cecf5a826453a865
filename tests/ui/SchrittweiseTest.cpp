// "Schrittweise zeigen" and "Vollbild" in the program, on the Abitur
// exercise: the bar, the keys (the arrows and a presenter's PgUp/PgDn), the
// object list and the picture follow the step; the document is never
// changed. And "Arbeitsblatt speichern..." through its dialog.

#include "ausgabe/Arbeitsblatt.h"
#include "document/Abiturszene.h"
#include "storage/TestOrdner.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/Schrittleiste.h"
#include "ui/TArbeitsblattDlg.h"
#include "ui/TGrafChildForm.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

class Schrittweise : public ::testing::Test {
protected:
    void SetUp() override {
        {
            TAbiturBlatt abitur;
            ASSERT_TRUE(abitur.D.Speichern(ordner / "abitur.kvr"));
        }
        haupt = std::make_unique<TMainForm>();
        liste = new TListenformular(haupt.get());
        ObjektlisteAnbinden(*haupt, *liste);
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        ASSERT_TRUE(haupt->DateiOeffnen(QString::fromStdString(ordner / "abitur.kvr")));
        QApplication::processEvents();
        f = haupt->AktivesFenster();
        ASSERT_NE(f, nullptr);
        f->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        haupt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The names of the rows the object list shows.
    QStringList Gezeigt() const {
        auto* gitter = liste->findChild<QTableWidget*>(QStringLiteral("Listengitter"));
        QStringList namen;
        for (int r = 0; r < gitter->rowCount(); ++r)
            if (!gitter->isRowHidden(r)) namen << gitter->item(r, 1)->text();
        return namen;
    }
    QString Leiste() const { return f->Schrittleiste()->Text(); }
    Real Achse() const { return f->Dokument().Koordinatensystem().Achsen[1].Oben; }
    void Taste(Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, k);
        QApplication::processEvents();
    }

    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    TListenformular* liste = nullptr;
    tGrafChildForm* f = nullptr;
};

TEST_F(Schrittweise, StepsWithBarAndKeysAndLeavesTheDocumentAlone) {
    const Real achse = Achse();
    const int schritte = haupt->AktivesDokument()->Rueckgaengig().Moeglich();
    QAction* a = haupt->Aktion(QStringLiteral("Schrittweise"));
    ASSERT_TRUE(a->isEnabled());
    a->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(a->isChecked());
    EXPECT_TRUE(f->Schrittleiste()->isVisible());
    EXPECT_EQ(Leiste(), QStringLiteral("Schritt 0 von 10"));
    EXPECT_TRUE(Gezeigt().isEmpty());
    EXPECT_FALSE(f->Schrittleiste()->ZurueckButton->isEnabled());

    struct TFall {
        Qt::Key Taste;
        const char* Leiste;
        QStringList Liste;
    };
    const TFall faelle[] = {
        {Qt::Key_Right, "Schritt 1 von 10", {"A"}},
        {Qt::Key_PageDown, "Schritt 2 von 10", {"A", "B"}},
        {Qt::Key_Down, "Schritt 3 von 10", {"A", "B", "C"}},
        {Qt::Key_PageUp, "Schritt 2 von 10", {"A", "B"}},
        {Qt::Key_Left, "Schritt 1 von 10", {"A"}},
        {Qt::Key_Up, "Schritt 0 von 10", {}},
        {Qt::Key_Up, "Schritt 0 von 10", {}}, // nothing before the first
    };
    for (const TFall& t : faelle) {
        Taste(t.Taste);
        EXPECT_EQ(Leiste(), QString::fromUtf8(t.Leiste)) << t.Leiste;
        EXPECT_EQ(Gezeigt(), t.Liste) << t.Leiste;
        EXPECT_EQ(f->Verborgen(), VerborgenNachSchritt(f->Dokument().Liste(), f->Schritt()));
    }
    // The given elements, then the derived: the foot F comes after the pyramid.
    for (int i = 0; i < 8; ++i)
        f->Schrittleiste()->VorButton->click();
    EXPECT_EQ(Gezeigt(), (QStringList{"A", "B", "C", "S", "E", "ABC", "Py", "l"}));
    for (int i = 0; i < 5; ++i)
        f->Schrittleiste()->VorButton->click();
    EXPECT_EQ(Leiste(), QStringLiteral("Schritt 10 von 10"));
    EXPECT_FALSE(f->Schrittleiste()->VorButton->isEnabled());
    EXPECT_TRUE(f->Verborgen().empty());

    // PgUp and PgDn stepped instead of zooming; nothing changed the document.
    EXPECT_EQ(Achse(), achse);
    EXPECT_FALSE(f->Dokument().Geaendert());
    EXPECT_EQ(haupt->AktivesDokument()->Rueckgaengig().Moeglich(), schritte);

    f->Schrittleiste()->ZurueckButton->click();
    a->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(f->Schrittleiste()->isVisible());
    EXPECT_EQ(Gezeigt().size(), 10);
    EXPECT_TRUE(f->Verborgen().empty());
    // Outside the mode PgDn zooms again.
    Taste(Qt::Key_PageDown);
    EXPECT_NE(Achse(), achse);
}

TEST_F(Schrittweise, ThePictureFollowsTheStepAndComesBackWhole) {
    const auto bild = [this] {
        QApplication::processEvents();
        return f->Ansicht()->viewport()->grab().toImage();
    };
    const QImage ganz = bild();
    f->SchrittweiseSetzen(true);
    f->SchrittGehen(+f->Schrittzahl()); // nothing beyond the last step
    const QImage alle = bild();
    f->SchrittGehen(-f->Schrittzahl());
    const QImage leer = bild();
    for (int i = 0; i < 4; ++i)
        f->SchrittGehen(+1);
    const QImage vier = bild();
    ASSERT_EQ(vier.size(), alle.size());
    EXPECT_NE(leer, vier);
    EXPECT_NE(vier, alle);
    EXPECT_NE(leer, alle);
    f->SchrittGehen(+4);
    f->SchrittGehen(-2);
    const QString ordner = qEnvironmentVariable("KALVORIN_BILDER");
    if (!ordner.isEmpty()) haupt->grab().save(ordner + QStringLiteral("/schrittweise.png"));
    f->SchrittweiseSetzen(false);
    EXPECT_EQ(bild(), ganz);
    haupt->Aktion(QStringLiteral("Vollbild"))->trigger();
    const QImage gross = bild();
    if (!ordner.isEmpty()) haupt->grab().save(ordner + QStringLiteral("/vollbild.png"));
    haupt->Aktion(QStringLiteral("Vollbild"))->trigger();
    EXPECT_NE(gross.size(), ganz.size());
}

TEST_F(Schrittweise, HiddenElementsCannotBeClickedNorReachedByTab) {
    const TDokument& d = f->Dokument();
    const TDreiDBasisElement* s = d.Liste().ElementMitName("S");
    const TLogPunkt p = d.Szene().Bild({4, 4, 5});
    ASSERT_EQ(ElementBeiKlick(d, p), s);
    f->SchrittweiseSetzen(true);
    f->SchrittGehen(+1); // A only
    EXPECT_NE(ElementBeiKlick(d, p, f->Verborgen()), s);
    f->KlickBei(p, false, false);
    EXPECT_FALSE(s->markiert);
    // Tab reaches only what is shown.
    for (int i = 0; i < 3; ++i) {
        f->AnsichtTaste(Qt::Key_Tab, Qt::NoModifier);
        ASSERT_NE(f->AktuellesElement(), nullptr);
        EXPECT_EQ(f->AktuellesElement()->Name, "A");
    }
}

TEST_F(Schrittweise, FullScreenOnF11AndBack) {
    QAction* a = haupt->Aktion(QStringLiteral("Vollbild"));
    EXPECT_EQ(a->shortcut(), QKeySequence(Qt::Key_F11));
    a->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(haupt->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(a->isChecked());
    a->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(haupt->windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(f->Dokument().Geaendert());
}

TEST_F(Schrittweise, WorksheetThroughItsDialog) {
    const auto zeigen = TArbeitsblattDlg::Zeigen;
    QString titel;
    TArbeitsblattDlg::Zeigen = [&titel](TArbeitsblattDlg& d) {
        d.TitelEdit->setText(titel);
        d.KlasseEdit->setText(QStringLiteral("10b"));
        d.OKBtn->click();
        return d.result() == QDialog::Accepted;
    };
    TDateiAntwort antwort;
    haupt->DateiDialog = [&antwort](const TDateiAnfrage&) { return antwort; };
    struct TFall {
        const char* Titel;
        const char* Datei;
        QString Filter;
        const char* Geschrieben; // empty: nothing
        const char* Meldung;
    };
    const TFall faelle[] = {
        {"Lot", "blatt", ArbeitsblattTexFilter, "blatt.tex", ""},
        {"Lot", "blatt.pdf", ArbeitsblattTexFilter, "blatt.pdf", ""},
        {"  ", "leer.pdf", ArbeitsblattPdfFilter, "",
         "Bitte geben Sie einen Titel für das Arbeitsblatt ein."},
    };
    for (const TFall& t : faelle) {
        meldungen.Eintraege.clear();
        titel = QString::fromUtf8(t.Titel);
        antwort.Datei = QString::fromStdString(ordner / t.Datei);
        antwort.Filter = t.Filter;
        haupt->Aktion(QStringLiteral("Arbeitsblatt_speichern"))->trigger();
        QApplication::processEvents();
        if (*t.Geschrieben) {
            QFile datei(QString::fromStdString(ordner / t.Geschrieben));
            ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << t.Geschrieben;
            const QByteArray inhalt = datei.readAll();
            EXPECT_TRUE(inhalt.startsWith(std::string_view(t.Geschrieben).ends_with("pdf")
                                              ? QByteArray("%PDF")
                                              : QByteArray("% Arbeitsblatt")));
            EXPECT_TRUE(meldungen.Eintraege.empty());
        } else {
            EXPECT_FALSE(QFile::exists(antwort.Datei));
            ASSERT_EQ(meldungen.Eintraege.size(), 1u);
            EXPECT_EQ(meldungen.Eintraege[0].Text, t.Meldung);
        }
    }
    EXPECT_FALSE(f->Dokument().Geaendert());
    TArbeitsblattDlg::Zeigen = zeigen;
}

} // namespace
