// The coordinate-system dialog as the user meets it: its pages and
// captions, the range edits with their checks, the colour buttons, the
// preview that follows every change, and a document that only "O&K"
// changes.
#include "ui/TKoordDLGForm.h"
#include "Testnamen.h"

#include "document/Testzugang.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/Hilfe.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"
#include "zahlen/Zahlen.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace kalvorin;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(test::MitTrenner(s));
}

struct THilfeSchliessen {
    ~THilfeSchliessen() { THilfe::Beenden(); }
};

class KoordDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        dok = std::make_unique<TDokument>();
        dok->Beobachten([this] { ++gemeldet; });
    }
    void Oeffnen(int seite = 0) {
        d = std::make_unique<TKoordDLGForm>(*dok, seite);
        d->FarbDialog = [this](QWidget*, TFarbe& f) {
            if (!antwort) return false;
            f = *antwort;
            return true;
        };
        d->show();
    }
    // Types into a range edit and leaves it.
    void Verlassen(QLineEdit* e, const std::string& text) {
        e->setText(Q(text));
        emit e->editingFinished();
    }
    // Pixels of the preview in about this colour.
    int Pixel(TFarbe farbe) const {
        const QImage bild = d->Vorschau->grab().toImage();
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (std::abs(c.red() - Rot(farbe)) < 40 &&
                    std::abs(c.green() - Gruen(farbe)) < 40 &&
                    std::abs(c.blue() - Blau(farbe)) < 40)
                    ++n;
            }
        return n;
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    std::unique_ptr<TDokument> dok;
    std::unique_ptr<TKoordDLGForm> d;
    std::optional<TFarbe> antwort;
    int gemeldet = 0;
};

TEST_P(KoordDialog, PagesCaptionsAndNames) {
    Oeffnen();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Festlegen von  Kordinatenachsen und -ebenen"));
    ASSERT_EQ(d->Seiten->count(), 2);
    EXPECT_EQ(d->Seiten->tabText(0), QStringLiteral("Koordinatenachsen"));
    EXPECT_EQ(d->Seiten->tabText(1), QStringLiteral("Koordinatenebenen"));
    EXPECT_EQ(d->Seiten->currentIndex(), 0);
    const std::pair<const char*, const char*> knoepfe[] = {
        {"y_wie_x_Button", "wie x-Achse"},
        {"z_wie_x_Button", "wie x-Achse"},
        {"AxDefaultButton", "&Defaultwerte für die Achsen"},
        {"BitBtn0", "   Farbe festlegen"},
        {"BitBtn1", " &Farbe festlegen"},
        {"BitBtn2", " F&arbe festlegen"},
        {"BitBtn3", " Fa&rbe festlegen"},
        {"VorschauButton", "&Vorschau aktualisieren"},
        {"OkButton", "O&K"},
        {"CancelButton", "A&bbruch"},
        {"HelpButton", "&Hilfe"}};
    for (const auto& [name, text] : knoepfe) {
        const auto* k = d->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(k, nullptr) << name;
        EXPECT_EQ(k->text(), QString::fromUtf8(text)) << name;
    }
    for (const char* name :
         {"xAxMinEdit", "xAxMaxEdit", "yAxMinEdit", "yAxMaxEdit", "zAxMinEdit", "zAxMaxEdit"})
        EXPECT_NE(d->findChild<QLineEdit*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"xAxZeichnenCheckBox", "yAxZeichnenCheckBox", "zAxZeichnenCheckBox",
                             "AxBeschriftCheckBox", "xy_ZeichnenCheckBox", "yz_ZeichnenCheckBox",
                             "xz_ZeichnenCheckBox"})
        EXPECT_NE(d->findChild<QCheckBox*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name :
         {"xyTransparenzSpinEdit", "yzTransparenzSpinEdit", "xzTransparenzSpinEdit"}) {
        const auto* s = d->findChild<QSpinBox*>(QString::fromLatin1(name));
        ASSERT_NE(s, nullptr) << name;
        EXPECT_EQ(s->minimum(), 0);
        EXPECT_EQ(s->maximum(), 4);
    }
    EXPECT_EQ(d->SkalierungRadioGroup->title(), QStringLiteral(" Skalierung "));
    EXPECT_EQ(d->SkalierungKnoepfe->button(4)->text(), QStringLiteral("alle 2,0 LE"));
    EXPECT_TRUE(d->SkalierungKnoepfe->button(4)->isChecked()) << "the document's tick setting";
    EXPECT_EQ(d->VorschauBox->title(), QStringLiteral(" Vorschau "));
    EXPECT_EQ(d->Vorschau->width(), d->Vorschau->height());
    EXPECT_EQ(d->VorschauBox->width() - 9, d->Vorschau->width());

    TKoordDLGForm ebenen(*dok, 1);
    EXPECT_EQ(ebenen.Seiten->currentIndex(), 1);
    EXPECT_TRUE(ebenen.EbeneZeichnenCheckBox[0]->isChecked()) << "the xy plane is drawn";
    EXPECT_FALSE(ebenen.EbeneZeichnenCheckBox[1]->isChecked());
}

TEST_P(KoordDialog, ColourButtonsCarryAGlyphOfTheirColour) {
    Oeffnen();
    const QImage glyph = FarbGlyph(RGB(0, 0, 255), 20).toImage();
    EXPECT_EQ(glyph.size(), QSize(30, 20));
    EXPECT_EQ(glyph.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(glyph.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(glyph.pixelColor(15, 10), QColor(0, 0, 255));
    EXPECT_EQ(glyph.pixelColor(29, 19), QColor(Qt::white));

    const QSize vorher = d->BitBtn0->iconSize();
    EXPECT_EQ(vorher.width(), vorher.height() * 3 / 2);
    antwort = RGB(0, 160, 0);
    d->BitBtn0->click();
    EXPECT_EQ(d->Eingabe().Daten().AchsenFarbe, RGB(0, 160, 0));
    const QImage neu = d->BitBtn0->icon().pixmap(vorher).toImage();
    EXPECT_EQ(neu.pixelColor(neu.width() / 2, neu.height() / 2), QColor(0, 160, 0));
    antwort = RGB(9, 9, 9);
    d->EbeneFarbButton[2]->click();
    EXPECT_EQ(d->Eingabe().Daten().Ebenen[TKoordinatensystem::XZ].Farbe, RGB(9, 9, 9));
    // A cancelled colour dialog keeps the colour.
    antwort.reset();
    d->EbeneFarbButton[2]->click();
    EXPECT_EQ(d->Eingabe().Daten().Ebenen[TKoordinatensystem::XZ].Farbe, RGB(9, 9, 9));
}

TEST_P(KoordDialog, RangeEditsAreCheckedWhenLeft) {
    Oeffnen();
    EXPECT_EQ(d->AxMinEdit[0]->text(), Q("-2,2"));
    EXPECT_EQ(d->AxMaxEdit[0]->text(), QStringLiteral("11"));
    Verlassen(d->AxMinEdit[0], "2");
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text,
              "Ungültige Eingabe der Grenzen! Die Eingabe wird korrigiert.");
    EXPECT_EQ(d->AxMinEdit[0]->text(), QStringLiteral("-1"));
    Verlassen(d->AxMaxEdit[0], "3");
    EXPECT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(d->AxMaxEdit[0]->text(), QStringLiteral("3"));

    Verlassen(d->AxMaxEdit[1], "abc");
    ASSERT_EQ(protokoll.Eintraege.size(), 2u);
    EXPECT_EQ(protokoll.Eintraege[1].Text, "abc ist keine gültige Dezimalzahl.");
    EXPECT_EQ(d->AxMaxEdit[1]->text(), QStringLiteral("abc")) << "left for the user to mend";
    // "O&K" refuses it as well and keeps the dialog open.
    d->OkButton->click();
    EXPECT_EQ(protokoll.Eintraege.size(), 3u);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(dok->Geaendert());

    // The other separator key types the user's one.
    d->AxMaxEdit[2]->clear();
    d->AxMaxEdit[2]->setFocus();
    QTest::keyClicks(d->AxMaxEdit[2], QStringLiteral("7"));
    QTest::keyClick(d->AxMaxEdit[2], AndererTrenner());
    QTest::keyClicks(d->AxMaxEdit[2], QStringLiteral("5"));
    EXPECT_EQ(d->AxMaxEdit[2]->text(), Q("7,5"));
}

TEST_P(KoordDialog, CancellingAsksNothingAboutAnEditStillBeingTyped) {
    Oeffnen();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    d->AxMaxEdit[0]->setFocus();
    ASSERT_TRUE(d->AxMaxEdit[0]->hasFocus());
    QTest::keyClicks(d->AxMaxEdit[0], QStringLiteral("abc"));
    d->CancelButton->setFocus();
    d->CancelButton->click();
    EXPECT_TRUE(protokoll.Eintraege.empty());
    Oeffnen();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    d->AxMinEdit[1]->setFocus();
    QTest::keyClicks(d->AxMinEdit[1], QStringLiteral("5"));
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_TRUE(protokoll.Eintraege.empty());
    EXPECT_EQ(gemeldet, 0);
}

TEST_P(KoordDialog, LikeXAndDefaultsRefillTheEdits) {
    Oeffnen();
    Verlassen(d->AxMinEdit[0], "-8");
    Verlassen(d->AxMaxEdit[0], "8,5");
    d->z_wie_x_Button->click();
    EXPECT_EQ(d->AxMinEdit[2]->text(), QStringLiteral("-8"));
    EXPECT_EQ(d->AxMaxEdit[2]->text(), Q("8,5"));
    EXPECT_EQ(d->AxMaxEdit[1]->text(), QStringLiteral("11"));
    d->y_wie_x_Button->click();
    EXPECT_EQ(d->AxMaxEdit[1]->text(), Q("8,5"));

    Einstellungen().AchsenLaenge = 5;
    d->AxZeichnenCheckBox[0]->setChecked(false);
    d->AxDefaultButton->click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(d->AxMinEdit[i]->text(), QStringLiteral("-1"));
        EXPECT_EQ(d->AxMaxEdit[i]->text(), QStringLiteral("5"));
        EXPECT_TRUE(d->AxZeichnenCheckBox[i]->isChecked());
    }
    EXPECT_EQ(gemeldet, 0);
}

TEST_P(KoordDialog, PreviewShowsWhatTheControlsSay) {
    Oeffnen();
    const TFarbe gruen = RGB(0, 200, 0);
    antwort = gruen;
    d->BitBtn0->click();
    d->EbeneZeichnenCheckBox[0]->setChecked(false);
    const int dreiAchsen = Pixel(gruen);
    EXPECT_GT(dreiAchsen, 50);
    d->AxZeichnenCheckBox[1]->setChecked(false);
    const int zweiAchsen = Pixel(gruen);
    EXPECT_LT(zweiAchsen, dreiAchsen - 20) << "the y axis is gone";
    EXPECT_GT(zweiAchsen, 20);
    d->AxZeichnenCheckBox[0]->setChecked(false);
    d->AxZeichnenCheckBox[2]->setChecked(false);
    EXPECT_EQ(Pixel(gruen), 0);

    // A plane switched on shows in its colour.
    antwort = RGB(250, 200, 0);
    d->EbeneFarbButton[1]->click();
    EXPECT_EQ(Pixel(RGB(250, 200, 0)), 0) << "not drawn yet";
    d->EbeneZeichnenCheckBox[1]->setChecked(true);
    EXPECT_GT(Pixel(RGB(250, 200, 0)), 500);
    // The graph window is not touched while the dialog is open.
    EXPECT_EQ(gemeldet, 0);
    EXPECT_FALSE(dok->Koordinatensystem().Ebenen[TKoordinatensystem::YZ].Zeichnen);
}

TEST_P(KoordDialog, CancelLeavesEveryFieldAsItWas) {
    test::SetzeGeaendert(*dok, false);
    const TKoordinatensystem vorher = dok->Koordinatensystem();
    Oeffnen();
    antwort = RGB(1, 2, 3);
    d->BitBtn0->click();
    d->EbeneFarbButton[0]->click();
    Verlassen(d->AxMinEdit[0], "-40");
    Verlassen(d->AxMaxEdit[2], "3");
    d->TransparenzSpinEdit[0]->setValue(4);
    d->EbeneZeichnenCheckBox[2]->setChecked(true);
    d->EbeneZeichnenCheckBox[0]->setChecked(false);
    d->AxZeichnenCheckBox[1]->setChecked(false);
    d->SkalierungKnoepfe->button(0)->click();
    d->AxBeschriftCheckBox->setChecked(false);
    d->CancelButton->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    const TKoordinatensystem& k = dok->Koordinatensystem();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(k.Achsen[i].Unten, vorher.Achsen[i].Unten);
        EXPECT_EQ(k.Achsen[i].Oben, vorher.Achsen[i].Oben);
        EXPECT_EQ(k.Achsen[i].Zeichnen, vorher.Achsen[i].Zeichnen);
        EXPECT_EQ(k.Ebenen[i].Farbe, vorher.Ebenen[i].Farbe);
        EXPECT_EQ(k.Ebenen[i].Transparenz, vorher.Ebenen[i].Transparenz);
        EXPECT_EQ(k.Ebenen[i].Zeichnen, vorher.Ebenen[i].Zeichnen);
        EXPECT_EQ(k.Ebenen[i].Oben1, vorher.Ebenen[i].Oben1);
    }
    EXPECT_EQ(k.AchsenFarbe, vorher.AchsenFarbe);
    EXPECT_EQ(k.Skalierung, vorher.Skalierung);
    EXPECT_EQ(k.Achsenbeschriftung, vorher.Achsenbeschriftung);
    EXPECT_EQ(k.H, vorher.H);
    EXPECT_FALSE(dok->Geaendert());
    EXPECT_EQ(gemeldet, 0);
}

TEST_P(KoordDialog, OkChangesTheDocumentInOneRebuild) {
    test::SetzeGeaendert(*dok, false);
    Oeffnen(1);
    d->EbeneZeichnenCheckBox[1]->setChecked(true);
    d->TransparenzSpinEdit[1]->setValue(3);
    d->AxMaxEdit[1]->setText(QStringLiteral("20"));
    d->OkButton->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(dok->Geaendert());
    EXPECT_EQ(gemeldet, 1);
    const TKoordinatensystem& k = dok->Koordinatensystem();
    EXPECT_TRUE(k.Ebenen[TKoordinatensystem::YZ].Zeichnen);
    EXPECT_EQ(k.Ebenen[TKoordinatensystem::YZ].Transparenz, 3);
    EXPECT_EQ(k.Achsen[1].Oben, 20);
    EXPECT_EQ(k.H, 20);

    // A range that needs correcting keeps the dialog open, with the correction shown.
    test::SetzeGeaendert(*dok, false);
    Oeffnen();
    d->AxMinEdit[0]->setText(QStringLiteral("0"));
    d->AxMaxEdit[0]->setText(QStringLiteral("0"));
    d->OkButton->click();
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->AxMinEdit[0]->text(), QStringLiteral("-1"));
    EXPECT_EQ(d->AxMaxEdit[0]->text(), QStringLiteral("3"));
    EXPECT_FALSE(dok->Geaendert());
    d->OkButton->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(dok->Koordinatensystem().Achsen[0].Oben, 3);
}

TEST_P(KoordDialog, HelpFollowsThePage) {
    THilfeSchliessen schliessen;
    Oeffnen();
    d->HelpButton->click();
    ASSERT_NE(THilfe::Fenster(), nullptr);
    EXPECT_EQ(THilfe::Fenster()->Seite(),
              QUrl(QStringLiteral("qrc:/hilfe/koordinatensystem.html#achsen")));
    d->Seiten->setCurrentIndex(1);
    d->HelpButton->click();
    EXPECT_EQ(THilfe::Fenster()->Seite(),
              QUrl(QStringLiteral("qrc:/hilfe/koordinatensystem.html#ebenen")));
}

INSTANTIATE_TEST_SUITE_P(Trenner, KoordDialog, ::testing::Values(',', '.'), testnamen::Trenner);

// Both menu items open the dialog on their page for the active document.
TEST(KoordDialogMenue, ItemsOpenTheirPageAndOkRebuildsTheWindow) {
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TMainForm haupt;
    haupt.NeuClick();
    tGrafChildForm* f = haupt.AktivesFenster();
    ASSERT_NE(f, nullptr);
    for (const auto& [name, seite] :
         {std::pair{"Koordinatenachsen", 0}, std::pair{"Koordinatenebenen", 1}}) {
        QAction* a = haupt.Aktion(QString::fromLatin1(name));
        ASSERT_TRUE(a && a->isEnabled()) << name;
        QPointer<TKoordDLGForm> dialog;
        int gezeigt = -1;
        QTimer::singleShot(0, [&, seite = seite] {
            dialog = qobject_cast<TKoordDLGForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            gezeigt = dialog->Seiten->currentIndex();
            if (seite == 0) {
                dialog->CancelButton->click();
            } else {
                dialog->EbeneZeichnenCheckBox[2]->setChecked(true);
                dialog->OkButton->click();
            }
        });
        a->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull()) << "it freed itself";
        EXPECT_EQ(gezeigt, seite);
    }
    EXPECT_TRUE(f->Dokument().Koordinatensystem().Ebenen[TKoordinatensystem::XZ].Zeichnen);
    EXPECT_TRUE(f->Dokument().Geaendert());
}

} // namespace
