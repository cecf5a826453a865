// Dragging free points in the document window with real mouse events, the
// keys that move a marked point, and undo and redo from the main menu.

#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/Meldungen.h"
#include "model/StandardEinstellungen.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

class PunktZiehen : public ::testing::Test {
protected:
    void SetUp() override {
        gesichert_ = Einstellungen();
        haupt = std::make_unique<TMainForm>();
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        f = haupt->AktivesFenster();
        ASSERT_NE(f, nullptr);
        // Through the document's own calls, as the dialogs do: A, B, the
        // midpoint M of both.
        TDokument& d = f->Dokument();
        d.Aendern([](TListe& l) {
            for (auto [name, k] : {std::pair{"A", TTripel{3, -4, 2}}, {"B", TTripel{-2, 5, 6}}}) {
                auto* p = l.Neu<TfrPunkt>();
                p->Name = name;
                p->Koordinaten = k;
            }
            auto* m = l.Neu<TfrPunkt>();
            m->Name = "M";
            m->Entstehung.Art = TEntstehungsart::Mittelpunkt;
            m->Entstehung.Elemente[0].Element = l[1];
            m->Entstehung.Elemente[1].Element = l[2];
            return true;
        });
        test::SetzeGeaendert(d, false);
        f->Neuzeichnen();
        QApplication::processEvents();
    }
    void TearDown() override {
        haupt.reset();
        Einstellungen() = gesichert_;
    }

    TDokument& D() { return f->Dokument(); }
    const TfrPunkt& P(const char* name) { return Als<TfrPunkt>(*D().Liste().ElementMitName(name)); }
    // Where the user sees the world point p in the view.
    QPoint Bild(TTripel p) {
        const TLogPunkt l =
            D().Abbildung().WeltZuLogisch(Projizieren(Abbilden(D().Szene().Matrix(), p)));
        return f->Ansicht()->GeraetAusLogisch(l).toPoint();
    }
    QWidget* Flaeche() { return f->Ansicht()->viewport(); }
    // A drag from `von` to `nach` in a few steps, the button held.
    void Ziehen(QPoint von, QPoint nach, Qt::KeyboardModifiers tasten, bool loslassen = true) {
        QTest::mousePress(Flaeche(), Qt::LeftButton, tasten, von);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(Flaeche(), von + (nach - von) * i / 4);
        if (loslassen) QTest::mouseRelease(Flaeche(), Qt::LeftButton, tasten, nach);
    }
    QString Text(const char* aktion) { return haupt->Aktion(QString::fromLatin1(aktion))->text(); }
    QMdiSubWindow* Rahmen() { return qobject_cast<QMdiSubWindow*>(f->parentWidget()); }

    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    tGrafChildForm* f = nullptr;

private:
    TStandardEinstellungen gesichert_;
};

} // namespace

TEST_F(PunktZiehen, ShiftDragMovesTheFreePointAndItsMidpointFollows) {
    const TMatrix4 ansicht = D().Szene().Matrix();
    const TTripel ziel{1.5L, -1, 2};
    int gemeldet = 0;
    D().Beobachten([&] { gemeldet += D().Geaendert() ? 1 : 0; });
    Ziehen(Bild(P("A").Koordinaten), Bild(ziel), Qt::ShiftModifier, false);
    EXPECT_TRUE(D().Zieht());
    EXPECT_TRUE(P("A").Koordinaten == ziel);
    EXPECT_TRUE(P("M").Koordinaten == (TTripel{-0.25L, 2, 4})) << "the midpoint follows";
    EXPECT_EQ(gemeldet, 0) << "not modified before the end";
    QTest::mouseRelease(Flaeche(), Qt::LeftButton, Qt::ShiftModifier, Bild(ziel));
    EXPECT_FALSE(D().Zieht());
    EXPECT_TRUE(D().Geaendert());
    EXPECT_TRUE(D().Szene().Matrix() == ansicht) << "the view did not turn";
    EXPECT_TRUE(Rahmen()->isWindowModified());
    EXPECT_EQ(Text("Rueckgaengig"), QStringLiteral("Rückgängig: Punkt A verschieben"));

    // Undo and redo from the menu.
    haupt->Aktion(QStringLiteral("Rueckgaengig"))->trigger();
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3, -4, 2}));
    EXPECT_EQ(Text("Wiederholen"), QStringLiteral("Wiederholen: Punkt A verschieben"));
    EXPECT_TRUE(haupt->Aktion(QStringLiteral("Wiederholen"))->isEnabled());
    haupt->Aktion(QStringLiteral("Wiederholen"))->trigger();
    EXPECT_TRUE(P("A").Koordinaten == ziel);
    EXPECT_FALSE(haupt->Aktion(QStringLiteral("Wiederholen"))->isEnabled());
}

TEST_F(PunktZiehen, CtrlShiftDragMovesAlongZAndEscPutsThePointBack) {
    Ziehen(Bild(P("A").Koordinaten), Bild({3, -4, 4.5L}), Qt::ShiftModifier | Qt::ControlModifier,
           false);
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3, -4, 4.5L}));
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_FALSE(D().Zieht());
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3, -4, 2}));
    EXPECT_TRUE(P("M").Koordinaten == (TTripel{0.5L, 0.5L, 4}));
    QTest::mouseRelease(Flaeche(), Qt::LeftButton, {}, Bild({3, -4, 4.5L}));
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3, -4, 2}));
    EXPECT_FALSE(D().Geaendert());
    EXPECT_EQ(D().Rueckgaengig().Schritte(), 1u) << "only the step that built A, B and M";
}

TEST_F(PunktZiehen, TheMidpointIsNotDraggedAndSaysWhy) {
    const TTripel m = P("M").Koordinaten;
    Ziehen(Bild(m), Bild({0, 0, 0}), Qt::ShiftModifier);
    EXPECT_TRUE(P("M").Koordinaten == m);
    EXPECT_EQ(f->Hinweis(),
              QStringLiteral("M ist aus A und B entstanden und kann nicht gezogen werden"));
    EXPECT_FALSE(D().Geaendert());
    EXPECT_EQ(D().Rueckgaengig().Schritte(), 1u) << "only the step that built A, B and M";
}

TEST_F(PunktZiehen, AltArrowKeysMoveTheMarkedPointOneStepEach) {
    D().Markieren([](TListe& l) { l.ElementMitName("A")->markiert = true; });
    f->setFocus();
    QTest::keyClick(f, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(f, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(f, Qt::Key_PageUp, Qt::AltModifier);
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3.5L, -3.5L, 2.5L}));
    EXPECT_EQ(D().Rueckgaengig().Schritte(), 4u) << "three steps after the one that built A";
    QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3.5L, -3.5L, 2}));
    QTest::keyClick(f, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(P("A").Koordinaten == (TTripel{3.5L, -3.5L, 2.5L}));
}
