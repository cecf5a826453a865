#include "ui/TSplashForm.h"
#include "Testnamen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {
// The splash frees itself when it closes, so it lives on the heap; the
// spy tells whether and how it finished.
struct TSplash {
    QPointer<TSplashForm> Form = new TSplashForm;
    QSignalSpy Beendet{Form.data(), &QDialog::finished};

    TSplash() { Form->show(); }
    ~TSplash() { delete Form.data(); }
    bool Geschlossen() const { return Beendet.count() == 1 && !Form->isVisible(); }
    bool MitOk() const {
        return Beendet.count() == 1 && Beendet.at(0).at(0).toInt() == QDialog::Accepted;
    }
};

void Ticke(TSplashForm& f, int n) {
    for (int i = 0; i < n; ++i)
        f.Timer1Timer();
}
} // namespace

TEST(TSplashForm, LooksAsItShould) {
    TSplash s;
    TSplashForm& f = *s.Form;
    EXPECT_EQ(f.size(), QSize(556, 502));
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(f.Ausgabe->text(), QStringLiteral("April 2000"));
    EXPECT_EQ(f.WeiterButton->text(), QStringLiteral("&Weiter"));
    for (QLabel* l : {f.Ausgabe, f.Verlagszeile}) {
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(l->font().pixelSize(), 27);
        EXPECT_EQ(l->font().families().value(0), QStringLiteral("Times New Roman"));
    }
    EXPECT_FALSE(f.Verlagszeile->text().isEmpty());
    EXPECT_EQ(f.Bild->geometry(), QRect(0, 0, 556, 502));
    // Everything must fit: nothing of the texts cut off at the window edge.
    for (QWidget* w : std::initializer_list<QWidget*>{f.Ausgabe, f.Verlagszeile, f.WeiterButton})
        EXPECT_TRUE(f.rect().contains(w->geometry())) << w->objectName().toStdString();
    EXPECT_GE(f.Ausgabe->width(), f.Ausgabe->sizeHint().width());
    EXPECT_GE(f.Verlagszeile->width(), f.Verlagszeile->sizeHint().width());
}

// The splash keeps its size where there is room and never fills a screen
// (a laptop at a scale factor of 2 has 960 × 520 logical pixels).
TEST(TSplashForm, StaysWellInsideTheScreen) {
    const std::pair<QSize, double> faelle[] = {{{1920, 1040}, 1.0},
                                               {{800, 800}, 1.0},
                                               {{960, 520}, 0.65 * 520 / 502},
                                               {{400, 1000}, 0.8 * 400 / 556}};
    for (const auto& [schirm, massstab] : faelle)
        EXPECT_NEAR(SplashMassstab(schirm), massstab, 1e-9)
            << schirm.width() << "x" << schirm.height();
}

TEST(TSplashForm, TimerRunsFromTheStart) {
    TSplash s;
    EXPECT_TRUE(s.Form->Timer1->isActive());
    EXPECT_EQ(s.Form->Timer1->interval(), 1000);
    EXPECT_EQ(s.Form->Ticks(), 0);
    EXPECT_EQ(s.Form->Deaktivierungen(), 0);
}

TEST(TSplashForm, ClosesAtTheFifteenthTick) {
    TSplash s;
    Ticke(*s.Form, 14);
    EXPECT_FALSE(s.Geschlossen());
    EXPECT_TRUE(s.Form->Timer1->isActive());
    Ticke(*s.Form, 1);
    EXPECT_TRUE(s.Geschlossen());
    EXPECT_TRUE(s.MitOk());
    EXPECT_FALSE(s.Form->Timer1->isActive());
}

TEST(TSplashForm, ButtonGetsTheFocusAtTheThirdTick) {
    TSplash s;
    Ticke(*s.Form, 2);
    EXPECT_NE(s.Form->focusWidget(), s.Form->WeiterButton);
    Ticke(*s.Form, 1);
    EXPECT_EQ(s.Form->focusWidget(), s.Form->WeiterButton);
    EXPECT_FALSE(s.Geschlossen());
}

TEST(TSplashForm, ButtonCloses) {
    TSplash s;
    QTest::mouseClick(s.Form->WeiterButton, Qt::LeftButton);
    EXPECT_TRUE(s.Geschlossen());
    EXPECT_TRUE(s.MitOk());
}

TEST(TSplashForm, ClickOnThePictureCloses) {
    TSplash s;
    QTest::mouseClick(s.Form->Bild, Qt::LeftButton, Qt::NoModifier, QPoint(270, 300));
    EXPECT_TRUE(s.Geschlossen());
    EXPECT_TRUE(s.MitOk());
}

TEST(TSplashForm, ClickOnATextCountsAsAClickOnThePicture) {
    TSplash s;
    const QPoint mitte = s.Form->Ausgabe->geometry().center();
    QWidget* ziel = s.Form->childAt(mitte);
    ASSERT_NE(ziel, nullptr);
    QTest::mouseClick(ziel, Qt::LeftButton, Qt::NoModifier, ziel->mapFrom(s.Form.data(), mitte));
    EXPECT_TRUE(s.Geschlossen());
}

// Any key, wherever the keyboard is.
class SplashTaste : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(SplashTaste, AnyKeyCloses) {
    const auto [taste, empfaenger] = GetParam();
    TSplash s;
    QWidget* ziel = empfaenger == 0   ? static_cast<QWidget*>(s.Form.data())
                    : empfaenger == 1 ? static_cast<QWidget*>(s.Form->WeiterButton)
                                      : static_cast<QWidget*>(s.Form->Bild);
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
    QApplication::sendEvent(ziel, &druck);
    EXPECT_TRUE(s.Geschlossen());
    EXPECT_TRUE(s.MitOk()) << "even Escape closes with OK";
}

INSTANTIATE_TEST_SUITE_P(Tasten, SplashTaste,
                         ::testing::Combine(::testing::Values(Qt::Key_A, Qt::Key_Escape,
                                                              Qt::Key_Space, Qt::Key_F1,
                                                              Qt::Key_Shift),
                                            ::testing::Values(0, 1, 2)),
                         testnamen::Nach([](const std::tuple<int, int>& t) {
                             const auto [taste, empfaenger] = t;
                             static const char* const ziele[] = {"Form", "WeiterButton", "Bild"};
                             return QKeySequence(taste).toString().toStdString() + "_an_" +
                                    ziele[empfaenger];
                         }));

TEST(TSplashForm, SecondDeactivationCloses) {
    TSplash s;
    s.Form->FormDeactivate();
    EXPECT_EQ(s.Form->Deaktivierungen(), 1);
    EXPECT_FALSE(s.Geschlossen());
    s.Form->FormDeactivate();
    EXPECT_TRUE(s.Geschlossen());
}

TEST(TSplashForm, LosingActivationIsCounted) {
    TSplash s;
    // The splash is not the active window here, so an activation change
    // is a loss of the activation.
    ASSERT_FALSE(s.Form->isActiveWindow());
    QEvent wechsel(QEvent::ActivationChange);
    QApplication::sendEvent(s.Form.data(), &wechsel);
    EXPECT_EQ(s.Form->Deaktivierungen(), 1);
    QApplication::sendEvent(s.Form.data(), &wechsel);
    EXPECT_TRUE(s.Geschlossen());
}

TEST(TSplashForm, ClosesOnlyOnce) {
    TSplash s;
    QTest::mouseClick(s.Form->WeiterButton, Qt::LeftButton);
    s.Form->FormDeactivate();
    Ticke(*s.Form, 20);
    EXPECT_EQ(s.Beendet.count(), 1);
}

TEST(TSplashForm, FreesItselfAndDoesNotKeepTheProgramRunning) {
    QPointer<TSplashForm> f = new TSplashForm;
    EXPECT_FALSE(f->testAttribute(Qt::WA_QuitOnClose));
    f->show();
    f->Schliessen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(f.isNull());
}
