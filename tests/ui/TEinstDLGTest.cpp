// The settings dialog as the user meets it: seven pages filled from the
// settings, "OK" writing them back at once (the file only at the end), the
// colour panels that store even when cancelled, the integer check, help per
// page, and the open documents drawn again afterwards.
#include "ui/TEinstDLG.h"

#include "ausgabe/Objektliste.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/Hilfe.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TElementDLG.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>

using namespace kalvorin;

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

class EinstDialog : public ::testing::Test {
protected:
    void SetUp() override {
        d.FarbDialog = [this](QWidget*, TFarbe& f) {
            ++farbDialoge;
            if (!antwort) return false;
            f = *antwort;
            return true;
        };
        d.show();
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TEinstDLG d;
    std::optional<TFarbe> antwort;
    int farbDialoge = 0;
};

TEST_F(EinstDialog, SevenPagesFilledFromTheSettings) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Standard-Einstellungen"));
    const char* seiten[] = {"Allgemein",         "Punkte",       "Geraden", "Ebenen", "Hilfslinien",
                            "Koordinatensystem", "Zahlenausgabe"};
    ASSERT_EQ(d.EinstDLGSeiten->count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(d.EinstDLGSeiten->tabText(i), U(seiten[i]));
    EXPECT_EQ(d.EinstDLGSeiten->currentIndex(), 0) << "FormShow ends on the first page";
    const QTabBar* reiter = d.EinstDLGSeiten->tabBar();
    EXPECT_LE(reiter->tabRect(6).right(), reiter->width()) << "every page title in sight";

    // Every control by its name, with the defaults.
    EXPECT_EQ(d.findChild<TFarbFeld*>(QStringLiteral("PanelStandardfarbe"))->Farbe(),
              RGB(0, 0, 200));
    EXPECT_EQ(d.findChild<TFarbFeld*>(QStringLiteral("PanelStandardHilfslinienFarbe"))->Farbe(),
              RGB(144, 144, 144));
    const auto spin = [this](const char* name) {
        return d.findChild<QSpinBox*>(QString::fromLatin1(name));
    };
    const struct {
        const char* Name;
        int Wert, Min, Max;
    } spins[] = {{"SpinEditStandardPunktDicke", 2, 2, 4},
                 {"SpinEditStandardGeradendicke", 2, 2, 5},
                 {"SpinEditStandardEbenenRanddicke", 3, 2, 5},
                 {"SpinEditStandardEbenenTransparenz", 1, 0, 4},
                 {"SpinEditHalbseite", 11, 1, 1000},
                 {"SpinEditTransparenz", 1, std::numeric_limits<int>::min(),
                  std::numeric_limits<int>::max()},
                 {"NachkommaSpinEdit", 2, 0, 6}};
    for (const auto& s : spins) {
        QSpinBox* b = spin(s.Name);
        ASSERT_NE(b, nullptr) << s.Name;
        EXPECT_EQ(b->value(), s.Wert) << s.Name;
        EXPECT_EQ(b->minimum(), s.Min) << s.Name;
        EXPECT_EQ(b->maximum(), s.Max) << s.Name;
    }
    const auto* form = d.findChild<QComboBox*>(QStringLiteral("ComboBoxStandardFrPunktform"));
    ASSERT_EQ(form->count(), 5);
    EXPECT_EQ(form->itemText(3), QStringLiteral("DreibeinXYZ"));
    EXPECT_EQ(form->currentIndex(), 0);
    const auto* stil = d.findChild<QComboBox*>(QStringLiteral("ComboBoxStandardHilfslininenStyle"));
    EXPECT_EQ(stil->currentText(), QStringLiteral("gestrichelt"));
    const std::pair<const char*, const char*> gruppen[] = {
        {"RadioGroupStandardNamesichtbar", "Der Name aller Objekte ist zunächst"},
        {"RadioGroupWeisslinie", "Linie mit weißer Berandung"},
        {"RadiogroupStandardHilfslinien", "Hilfslinien  einzeichnen"},
        {"RadioGroupSkalierung", "Skalierungs-Striche auf den Achsen"}};
    for (const auto& [name, titel] : gruppen) {
        const auto* g = d.findChild<QGroupBox*>(QString::fromLatin1(name));
        ASSERT_NE(g, nullptr) << name;
        EXPECT_EQ(g->title(), U(titel)) << name;
    }
    EXPECT_EQ(d.RadioGroupSkalierung.ItemIndex(), 4);
    EXPECT_EQ(d.RadioGroupSkalierung.Knoepfe->button(2)->text(), QStringLiteral("alle 0,5"));
    EXPECT_EQ(d.RadioGroupStandardNamesichtbar.ItemIndex(), 0);
    EXPECT_TRUE(d.CheckBoxExy->isChecked());
    EXPECT_FALSE(d.CheckBoxExz->isChecked());
    EXPECT_EQ(d.CheckBoxExy->parentWidget()->objectName(),
              QStringLiteral("GroupBoxKoordinatenebenen"));
    EXPECT_EQ(qobject_cast<QGroupBox*>(d.CheckBoxExy->parentWidget())->title(),
              QStringLiteral("Koordinatenebenen zeichen"));
    EXPECT_EQ(d.BruchCheckBox->text(), U("  Zahlen als Brüche ausgeben"));
    EXPECT_TRUE(d.BruchCheckBox->isChecked());
    EXPECT_EQ(d.MaxNennerEdit->text(), QStringLiteral("100"));
    EXPECT_EQ(d.BitBtnOK->text(), QStringLiteral("OK"));
}

TEST_F(EinstDialog, OkWithoutChangesChangesNothing) {
    const TStandardEinstellungen vorher = Einstellungen();
    d.BitBtnOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Einstellungen(), vorher);
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_F(EinstDialog, OkWritesTheControlsBack) {
    d.RadioGroupStandardNamesichtbar.Knoepfe->button(1)->click();
    d.ComboBoxStandardFrPunktform->setCurrentIndex(4);
    d.SpinEditStandardGeradendicke->setValue(4);
    d.SpinEditStandardEbenenRanddicke->setValue(2);
    d.RadiogroupStandardHilfslinien.Knoepfe->button(1)->click();
    d.SpinEditTransparenz->setValue(12);
    d.CheckBoxEyz->setChecked(true);
    d.RadioGroupSkalierung.Knoepfe->button(0)->click();
    d.NachkommaSpinEdit->setValue(4);
    d.MaxNennerEdit->setText(QStringLiteral("64"));
    d.BitBtnOK->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    const TStandardEinstellungen& s = Einstellungen();
    EXPECT_FALSE(s.NameSichtbar);
    EXPECT_EQ(s.Punktform, 4);
    EXPECT_EQ(s.DickgeradenDicke, 125);
    EXPECT_EQ(s.RandDicke, 75);
    EXPECT_FALSE(s.HilfslinienEinzeichnen);
    EXPECT_EQ(s.KoordEbenenTransparenz, 12) << "no limits in the dialog";
    EXPECT_TRUE(s.ZeichneYZEbene);
    EXPECT_EQ(s.SkalierungsStriche, 0);
    EXPECT_EQ(s.StandardStellen, 4);
    EXPECT_EQ(s.MaximalerNenner, 64);
    // A point made now has a hidden name.
    TListe liste;
    EXPECT_FALSE(liste.Neu<TfrPunkt>()->NameSichtbar);
}

// The group "Heftansicht" beside the coordinate system's controls: filled
// from the settings, named for the screen reader, reached by its mnemonics
// and written back by OK.
TEST_F(EinstDialog, HeftansichtGroupByKeyboard) {
    auto* seite = d.findChild<QWidget*>(QStringLiteral("Koordinatensystem"));
    ASSERT_NE(seite, nullptr);
    auto* box = d.findChild<QGroupBox*>(QStringLiteral("GroupBoxHeftansicht"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(seite->isAncestorOf(box));
    EXPECT_FALSE(d.CheckBoxHeftansicht->isChecked());
    EXPECT_TRUE(d.RadioGroupHeftAchsennamen.Knoepfe->button(0)->isChecked());
    EXPECT_TRUE(d.CheckBoxHeftSpurdreieck->isChecked());
    EXPECT_EQ(d.RadioGroupHeftAchsennamen.Knoepfe->button(0)->text(),
              U("&x\u2081, x\u2082, x\u2083"));
    for (QWidget* w : {static_cast<QWidget*>(d.CheckBoxHeftansicht),
                       static_cast<QWidget*>(d.CheckBoxHeftSpurdreieck)})
        EXPECT_FALSE(w->accessibleDescription().isEmpty()) << w->objectName().toStdString();

    d.EinstDLGSeiten->setCurrentWidget(seite);
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    for (int i = 0; i < 50 && !d.isAncestorOf(QApplication::focusWidget()); ++i)
        QTest::qWait(10);
    const auto alt = [this](Qt::Key k) {
        QWidget* f = QApplication::focusWidget();
        QTest::keyClick(f ? f : &d, k, Qt::AltModifier);
        // A mnemonic clicks a button as the mouse would, a moment later.
        QTest::qWait(200);
    };
    alt(Qt::Key_F);
    alt(Qt::Key_Y);
    alt(Qt::Key_S);
    EXPECT_TRUE(d.CheckBoxHeftansicht->isChecked());
    EXPECT_TRUE(d.RadioGroupHeftAchsennamen.Knoepfe->button(1)->isChecked());
    EXPECT_FALSE(d.CheckBoxHeftSpurdreieck->isChecked());
    d.BitBtnOK->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(Einstellungen().Heftansicht);
    EXPECT_FALSE(Einstellungen().HeftAchsenIndiziert);
    EXPECT_FALSE(Einstellungen().HeftSpurdreieck);
}

TEST_F(EinstDialog, ABadDenominatorKeepsTheDialogAndTheSettings) {
    const TStandardEinstellungen vorher = Einstellungen();
    d.NachkommaSpinEdit->setValue(5);
    d.MaxNennerEdit->setText(QStringLiteral("x1"));
    d.BitBtnOK->click();
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text, "'x1' ist kein gültiger Integerwert");
    EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Fehler);
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.EinstDLGSeiten->currentIndex(), 6) << "the page with the wrong entry";
    EXPECT_EQ(Einstellungen(), vorher);
    d.MaxNennerEdit->setText(QStringLiteral("50"));
    d.BitBtnOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Einstellungen().MaximalerNenner, 50);
    EXPECT_EQ(Einstellungen().StandardStellen, 5);
}

TEST_F(EinstDialog, ColourPanelsStoreEvenWhenCancelled) {
    antwort = RGB(200, 10, 10);
    QTest::mouseClick(d.PanelStandardfarbe, Qt::LeftButton);
    EXPECT_EQ(farbDialoge, 1);
    EXPECT_EQ(Einstellungen().Farbe, RGB(200, 10, 10)) << "at once";
    EXPECT_EQ(d.PanelStandardfarbe->Farbe(), RGB(200, 10, 10));
    antwort = RGB(1, 99, 1);
    d.EinstDLGSeiten->setCurrentIndex(4);
    QTest::mouseClick(d.PanelStandardHilfslinienFarbe, Qt::LeftButton);
    EXPECT_EQ(Einstellungen().HilfslinienFarbe, RGB(1, 99, 1));
    // A cancelled colour dialog stores the colour it was opened with.
    antwort.reset();
    QTest::mouseClick(d.PanelStandardHilfslinienFarbe, Qt::LeftButton);
    EXPECT_EQ(Einstellungen().HilfslinienFarbe, RGB(1, 99, 1));

    d.NachkommaSpinEdit->setValue(6);
    d.CheckBoxExz->setChecked(true);
    d.BitBtnAbbruch->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(Einstellungen().Farbe, RGB(200, 10, 10));
    EXPECT_EQ(Einstellungen().HilfslinienFarbe, RGB(1, 99, 1));
    EXPECT_EQ(Einstellungen().StandardStellen, 2) << "everything else is dropped";
    EXPECT_FALSE(Einstellungen().ZeichneXZEbene);
}

TEST_F(EinstDialog, HelpPerPage) {
    const char* anker[] = {"allgemein",   "punkte",  "geraden",      "ebenen",
                           "hilfslinien", "ksystem", "zahlenausgabe"};
    for (int i = 0; i < 7; ++i) {
        d.EinstDLGSeiten->setCurrentIndex(i);
        d.BitBtnHilfe->click();
        ASSERT_NE(THilfe::Fenster(), nullptr);
        EXPECT_EQ(
            THilfe::Fenster()->Seite(),
            QUrl(QStringLiteral("qrc:/hilfe/einstellungen.html#") + QString::fromLatin1(anker[i])));
    }
    THilfe::Beenden();
}

// Through the menu: the documents that are open show the new number format
// at once; the settings file waits for the end of the program.
TEST(EinstDialogMenue, OpenDocumentsFollowAndTheFileWaits) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TMainForm haupt;
    haupt.show();
    haupt.NeuClick();
    haupt.NeuClick();
    ASSERT_EQ(haupt.Dokumentfenster().size(), 2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    const QString datei = QString::fromStdString(EinstellungsDatei(Einstellungen()));
    const QFileInfo vorher(datei);
    const bool gabEs = vorher.exists();
    const QDateTime zeit = gabEs ? vorher.lastModified() : QDateTime();

    auto* p = new TfrPunkt;
    p->Name = "P";
    p->Koordinaten = {3.14159L, 0, 0};
    const std::unique_ptr<TfrPunkt> punkt(p);
    Einstellungen().ZahlenAlsBrueche = false;
    const std::string zweiStellen = ZeilenHinweis(*p);

    QSignalSpy aktualisiert(&haupt, &TMainForm::DokumentAktualisiert);
    QPointer<TEinstDLG> dialog;
    QTimer::singleShot(0, [&] {
        dialog = qobject_cast<TEinstDLG*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->NachkommaSpinEdit->setValue(4);
        dialog->BitBtnOK->click();
    });
    QAction* a = haupt.Aktion(QStringLiteral("Einstellungen"));
    ASSERT_TRUE(a && a->isEnabled());
    for (tGrafChildForm* f : haupt.Dokumentfenster())
        f->Ansicht()->repaint();
    const int bilder = haupt.Dokumentfenster()[0]->Ansicht()->Bildaufbauten();
    const int bilder2 = haupt.Dokumentfenster()[1]->Ansicht()->Bildaufbauten();
    a->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "it freed itself";
    EXPECT_EQ(Einstellungen().StandardStellen, 4);
    EXPECT_NE(ZeilenHinweis(*p), zweiStellen);
    EXPECT_NE(ZeilenHinweis(*p).find("3" + std::string(1, Einstellungen().Dezimaltrenner) + "142"),
              std::string::npos);
    EXPECT_GE(aktualisiert.count(), 1) << "the object list refreshes";
    for (tGrafChildForm* f : haupt.Dokumentfenster())
        f->Ansicht()->repaint();
    EXPECT_GT(haupt.Dokumentfenster()[0]->Ansicht()->Bildaufbauten(), bilder) << "drawn again";
    EXPECT_GT(haupt.Dokumentfenster()[1]->Ansicht()->Bildaufbauten(), bilder2)
        << "also the inactive one";

    const QFileInfo nachher(datei);
    EXPECT_EQ(nachher.exists(), gabEs);
    if (gabEs) {
        EXPECT_EQ(nachher.lastModified(), zeit);
    }
}

} // namespace
