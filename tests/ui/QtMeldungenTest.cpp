#include "ui/QtMeldungen.h"
#include "Testnamen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalvorin;

struct TArtFall {
    TMeldungsart Art;
    QMessageBox::Icon Symbol;
};

class MeldungsBox : public ::testing::TestWithParam<TArtFall> {};

TEST_P(MeldungsBox, OneOkButtonAndTheRightSign) {
    auto box = QtMeldungen::MeldungsBox(
        "Die Ebene E existiert nicht, die\r\nAbbildung kann nicht festgelegt werden!",
        GetParam().Art, "Kalvorin");
    EXPECT_EQ(box->icon(), GetParam().Symbol);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Kalvorin"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->text(),
              QStringLiteral(
                  "Die Ebene E existiert nicht, die\nAbbildung kann nicht festgelegt werden!"));
}

INSTANTIATE_TEST_SUITE_P(Arten, MeldungsBox,
                         ::testing::Values(TArtFall{TMeldungsart::Warnung, QMessageBox::Warning},
                                           TArtFall{TMeldungsart::Information,
                                                    QMessageBox::Information},
                                           TArtFall{TMeldungsart::Fehler, QMessageBox::Critical}),
                         testnamen::Nach([](const TArtFall& f) {
                             return f.Art == TMeldungsart::Warnung       ? "Warnung"
                                    : f.Art == TMeldungsart::Information ? "Information"
                                                                         : "Fehler";
                         }));

TEST(QtMeldungen, QuestionsOfferYesNoOrYesNoCancel) {
    auto jaNein = QtMeldungen::FrageBox("Soll das Programm Kalvorin beendet werden?",
                                        TFrageKnoepfe::JaNein, "Kalvorin");
    EXPECT_EQ(jaNein->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(jaNein->icon(), QMessageBox::Warning);
    EXPECT_EQ(jaNein->button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(jaNein->button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    EXPECT_EQ(jaNein->escapeButton(), jaNein->button(QMessageBox::No));

    auto dreifach = QtMeldungen::FrageBox("Möchten Sie die Änderungen in NEU1.KVR speichern?",
                                          TFrageKnoepfe::JaNeinAbbrechen, "Kalvorin");
    EXPECT_EQ(dreifach->standardButtons(),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(dreifach->escapeButton(), dreifach->button(QMessageBox::Cancel));
    EXPECT_EQ(dreifach->text(),
              QStringLiteral("Möchten Sie die Änderungen in NEU1.KVR speichern?"));
}

TEST(QtMeldungen, AnswersFromButtons) {
    EXPECT_EQ(QtMeldungen::AntwortFuer(QMessageBox::Yes, TFrageKnoepfe::JaNein), TAntwort::Ja);
    EXPECT_EQ(QtMeldungen::AntwortFuer(QMessageBox::No, TFrageKnoepfe::JaNein), TAntwort::Nein);
    EXPECT_EQ(QtMeldungen::AntwortFuer(QMessageBox::Cancel, TFrageKnoepfe::JaNeinAbbrechen),
              TAntwort::Abbrechen);
    // Closed without a button: the answer that changes nothing.
    EXPECT_EQ(QtMeldungen::AntwortFuer(QMessageBox::NoButton, TFrageKnoepfe::JaNein),
              TAntwort::Nein);
    EXPECT_EQ(QtMeldungen::AntwortFuer(QMessageBox::NoButton, TFrageKnoepfe::JaNeinAbbrechen),
              TAntwort::Abbrechen);
}

TEST(QtMeldungen, WaitCursorNests) {
    QtMeldungen m;
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    m.WarteCursor(true);
    m.WarteCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    m.WarteCursor(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr) << "still one level deep";
    m.WarteCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // An unmatched "off" leaves a cursor set by someone else alone.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    m.WarteCursor(false);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
}

TEST(QtMeldungen, WaitCursorThroughTheCoreInterface) {
    QtMeldungen m;
    SetzeMeldungen(&m);
    {
        TWarteCursor warten;
        EXPECT_EQ(m.CursorTiefe(), 1);
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(m.CursorTiefe(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    SetzeMeldungen(nullptr);
}

TEST(QtMeldungen, CursorsLeftOnAreTakenBackWithTheInterface) {
    {
        QtMeldungen m;
        m.WarteCursor(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The real boxes: answered by the test itself as soon as they are up.
TEST(QtMeldungen, AskReturnsTheClickedAnswer) {
    QtMeldungen m;
    for (auto [knopf, antwort] :
         {std::pair{QMessageBox::Yes, TAntwort::Ja}, std::pair{QMessageBox::No, TAntwort::Nein},
          std::pair{QMessageBox::Cancel, TAntwort::Abbrechen}}) {
        QTimer::singleShot(0, [k = knopf] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(k)->click();
        });
        EXPECT_EQ(m.Frage("Wirklich?", TFrageKnoepfe::JaNeinAbbrechen, "Kalvorin"), antwort);
    }
}

TEST(QtMeldungen, MessageBoxShowsTheArrowDuringTheWaitCursor) {
    QtMeldungen m;
    m.WarteCursor(true);
    Qt::CursorShape waehrend = Qt::WaitCursor;
    QTimer::singleShot(0, [&] {
        waehrend = QApplication::overrideCursor()->shape();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    m.Meldung("Einlesefehler", TMeldungsart::Warnung, "Kalvorin");
    EXPECT_EQ(waehrend, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    m.WarteCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
