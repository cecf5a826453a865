// The document windows inside the main window: captions, placement, the
// document commands with their file dialogs answered through the seam, the
// mouse in the view, the popup and the close query.

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "geometry/Auswertung.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "ui/Dateidialog.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TGrafChildForm.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"
#include "ui/TStreckungsDLG.h"
#include "view/qt/Bildausgabe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <deque>

using namespace kalvorin;

namespace {

TfrPunkt* Punkt(TListe& l, const char* name, TTripel k) {
    auto* p = l.Neu<TfrPunkt>();
    p->Name = name;
    p->Koordinaten = k;
    return p;
}

TEbene* EbeneZ(TListe& l, const char* name, Real z) {
    auto* e = l.Neu<TEbene>();
    e->Name = name;
    e->Festlegung = TEbene::ENOR;
    e->Normale = {0, 0, 1};
    e->d = -z;
    return e;
}

int ErstesObjekt(const TDreiDBasisElement& e) {
    for (int i = 1; i < 256; ++i)
        if (e.Szenenobjekte.test(static_cast<std::size_t>(i))) return i;
    return 0;
}

// Where the user sees a point element in the view.
QPoint BildVon(const tGrafChildForm& f, const TDreiDBasisElement& e) {
    const tGSzene& s = f.Dokument().Szene();
    const int nr = ErstesObjekt(e);
    for (int i = 1; i <= s.Stueckzahl(); ++i)
        if (s.Stueck(i).Objekt == nr)
            return f.Ansicht()->GeraetAusLogisch(s.Stueck(i).EckenProj[0]).toPoint();
    ADD_FAILURE() << "no piece for " << e.Name;
    return {};
}

void Maus(QWidget* w, QEvent::Type art, QPoint p, Qt::KeyboardModifiers tasten = {}) {
    const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons gedrueckt =
        art == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent e(art, QPointF(p), QPointF(w->mapToGlobal(p)), knopf, gedrueckt, tasten);
    QApplication::sendEvent(w, &e);
}

void Klicken(const tGrafChildForm& f, QPoint p, Qt::KeyboardModifiers tasten = {}) {
    QWidget* v = f.Ansicht()->viewport();
    Maus(v, QEvent::MouseButtonPress, p, tasten);
    Maus(v, QEvent::MouseButtonRelease, p, tasten);
}

class Dokumentfenster : public ::testing::Test {
protected:
    void SetUp() override {
        gesichert_ = Einstellungen();
        haupt = std::make_unique<TMainForm>();
        haupt->DateiDialog = [this](const TDateiAnfrage& a) {
            anfragen.push_back(a);
            if (antworten.empty()) return TDateiAntwort{};
            TDateiAntwort x = antworten.front();
            antworten.pop_front();
            return x;
        };
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
    }
    void TearDown() override {
        haupt.reset();
        Einstellungen() = gesichert_;
    }

    tGrafChildForm* Neu() {
        haupt->NeuClick();
        QApplication::processEvents();
        return haupt->AktivesFenster();
    }
    bool Aktiv(const char* name) const {
        return haupt->Aktion(QString::fromLatin1(name))->isEnabled();
    }
    QMdiSubWindow* Rahmen(tGrafChildForm* f) const {
        return qobject_cast<QMdiSubWindow*>(f->parentWidget());
    }
    int OffeneFenster() const {
        QApplication::processEvents();
        return int(haupt->Dokumentfenster().size());
    }

    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    std::vector<TDateiAnfrage> anfragen;
    std::deque<TDateiAntwort> antworten;

private:
    TStandardEinstellungen gesichert_;
};

// A window with two points and a plane through one of them, drawn.
class MitElementen : public Dokumentfenster {
protected:
    void SetUp() override {
        Dokumentfenster::SetUp();
        f = Neu();
        ASSERT_NE(f, nullptr);
        TListe& l = test::Liste(f->Dokument());
        a = Punkt(l, "A", {3, -4, 2});
        b = Punkt(l, "B", {-2, 5, 6});
        e = EbeneZ(l, "E", 2);
        f->Dokument().Neuaufbau();
        test::SetzeGeaendert(f->Dokument(), false);
        f->Neuzeichnen();
        QApplication::processEvents();
    }
    tGrafChildForm* f = nullptr;
    TfrPunkt* a = nullptr;
    TfrPunkt* b = nullptr;
    TEbene* e = nullptr;
};

} // namespace

// ---------------------------------------------------------------------------
// Captions, placement, menu states

TEST(DokumentfensterLage, OrdinalMovesByCaptionHeights) {
    const QSize client(1000, 700);
    const int c = 24;
    EXPECT_EQ(DokumentfensterLage(1, client, c),
              QRect(0, 0, int(1.2 * (700 - 72) + 0.5), 700 - 72));
    const QRect dritte = DokumentfensterLage(3, client, c);
    EXPECT_EQ(dritte.topLeft(), QPoint(72, 48)); // 3 c to the right, 2 c down
    // Further down the height is what is left below the window's top.
    EXPECT_EQ(DokumentfensterLage(3, client, c).height(), 700 - 72);
    EXPECT_EQ(DokumentfensterLage(5, client, c).height(), 700 - 96);
    // A window that would reach beyond the right edge ends at it.
    const QRect schmal = DokumentfensterLage(2, QSize(500, 700), c);
    EXPECT_EQ(schmal.right() + 1, 500);
}

TEST_F(Dokumentfenster, CaptionsCountTheOpenWindows) {
    EXPECT_EQ(Neu()->Beschriftung(), QStringLiteral("neu1.kvr"));
    tGrafChildForm* zweites = Neu();
    EXPECT_EQ(zweites->Beschriftung(), QStringLiteral("neu2.kvr"));
    EXPECT_EQ(Rahmen(zweites)->windowTitle(), QStringLiteral("neu2.kvr[*]"));
    EXPECT_EQ(haupt->Fensterzaehler(), 2);
    haupt->SchliessenClick();
    EXPECT_EQ(OffeneFenster(), 1);
    EXPECT_EQ(haupt->Fensterzaehler(), 1);
    EXPECT_EQ(Neu()->Beschriftung(), QStringLiteral("neu2.kvr"));
}

TEST_F(Dokumentfenster, MenuStatesWithNoneOneAndTwoDocuments) {
    const char* mitDokument[] = {"Einfuegen", "Schliessen",     "Speichern_unter", "Bearbeiten",
                                 "Festlegen", "Konstruieren",   "Abbilden",        "Messen",
                                 "Ansicht",   "Fenster",        "Speichern",       "Zoomout",
                                 "ZoomIn",    "Ausgangszustand"};
    const char* anordnen[] = {"Nebeneinander", "Uebereinander", "Ueberlappend"};
    for (const char* n : mitDokument)
        EXPECT_FALSE(Aktiv(n)) << n;
    EXPECT_TRUE(Aktiv("Neu"));
    EXPECT_TRUE(Aktiv("Oeffnen"));
    EXPECT_FALSE(Aktiv("Rueckgaengig"));

    Neu();
    for (const char* n : mitDokument)
        EXPECT_TRUE(Aktiv(n)) << n;
    for (const char* n : anordnen)
        EXPECT_FALSE(Aktiv(n)) << n;
    EXPECT_FALSE(Aktiv("Loeschen"));

    Neu();
    for (const char* n : anordnen)
        EXPECT_TRUE(Aktiv(n)) << n;

    haupt->AlleSchliessenClick();
    EXPECT_EQ(OffeneFenster(), 0);
    for (const char* n : mitDokument)
        EXPECT_FALSE(Aktiv(n)) << n;
}

TEST_F(Dokumentfenster, ReadOnlyCaptionDisablesSaving) {
    tGrafChildForm* f = Neu();
    EXPECT_TRUE(Aktiv("Speichern"));
    f->SetzeBeschriftung(QStringLiteral("bild.kvr (schreibgeschützt)"));
    QApplication::processEvents();
    EXPECT_FALSE(Aktiv("Speichern"));
    EXPECT_TRUE(Aktiv("Speichern_unter"));
    Neu();
    EXPECT_TRUE(Aktiv("Speichern"));
    haupt->MdiArea()->setActiveSubWindow(Rahmen(f));
    EXPECT_FALSE(Aktiv("Speichern"));
}

TEST_F(Dokumentfenster, ActiveDocumentIsAnnounced) {
    QSignalSpy spy(haupt.get(), &TMainForm::AktivesDokumentGeaendert);
    tGrafChildForm* eins = Neu();
    tGrafChildForm* zwei = Neu();
    ASSERT_GE(spy.count(), 2);
    EXPECT_EQ(spy.last().at(0).value<TDokument*>(), &zwei->Dokument());
    haupt->MdiArea()->setActiveSubWindow(Rahmen(eins));
    EXPECT_EQ(spy.last().at(0).value<TDokument*>(), &eins->Dokument());
    haupt->AlleSchliessenClick();
    QApplication::processEvents();
    EXPECT_EQ(spy.last().at(0).value<TDokument*>(), nullptr);
}

// ---------------------------------------------------------------------------
// File commands through the dialog seam

TEST_F(Dokumentfenster, SavingANewDocumentAsksForAName) {
    Einstellungen().PfadSzenen = "/tmp/szenen";
    Neu();
    haupt->Aktion(QStringLiteral("Speichern"))->trigger();
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].Art, TDateiDialogArt::Speichern);
    EXPECT_EQ(anfragen[0].Titel, QStringLiteral("KVR-Datei speichern unter"));
    EXPECT_EQ(anfragen[0].Filter, QStringLiteral("DreiD-Grafik-Objekte(*.kvr)"));
    EXPECT_EQ(anfragen[0].Dateiname, QStringLiteral("*.KVR"));
    EXPECT_EQ(anfragen[0].Ordner, QStringLiteral("/tmp/szenen"));
    EXPECT_EQ(haupt->AktivesFenster()->Beschriftung(), QStringLiteral("neu1.kvr"));
}

TEST_F(Dokumentfenster, OpenAndInsertAskWithTheirTitlesAndFolders) {
    Einstellungen().PfadSzenen = "/tmp/szenen";
    Einstellungen().PfadEinfuegeSzenen.clear();
    haupt->OeffnenClick(); // cancelled
    EXPECT_EQ(OffeneFenster(), 0);
    Neu();
    haupt->EinfuegenClick(); // cancelled
    ASSERT_EQ(anfragen.size(), 2u);
    EXPECT_EQ(anfragen[0].Titel, QStringLiteral("Elemente laden"));
    EXPECT_EQ(anfragen[0].Dateiname, QStringLiteral("*.kvr"));
    EXPECT_EQ(anfragen[0].Ordner, QStringLiteral("/tmp/szenen"));
    EXPECT_EQ(anfragen[0].Filter, QStringLiteral("DreiD-Grafik-Objekte(*.kvr)"));
    EXPECT_EQ(anfragen[1].Titel, QStringLiteral("Elemente einfügen"));
    // Without an insert folder of its own, inserting starts in the document folder.
    EXPECT_EQ(anfragen[1].Ordner, QStringLiteral("/tmp/szenen"));
    EXPECT_FALSE(haupt->AktivesDokument()->Geaendert());

    QTemporaryDir ordner;
    antworten.push_back({ordner.filePath(QStringLiteral("teil.kvr")), false});
    haupt->EinfuegenClick();
    EXPECT_EQ(Einstellungen().PfadEinfuegeSzenen, ordner.path().toStdString());
    // The file does not exist: nothing is inserted, and the document stays
    // as it was.
    EXPECT_FALSE(haupt->AktivesDokument()->Geaendert());
    haupt->EinfuegenClick();
    EXPECT_EQ(anfragen.back().Ordner, ordner.path());
}

TEST_F(Dokumentfenster, OpenedReadOnlyFileIsCaptionedSo) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bild.kvr"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Version]\r\nVersName=Kalvorin\r\nVersNummer=1\r\n");
    }
    {
        TMeldungsProtokoll still;
        TDokument probe;
        if (probe.Laden(datei.toStdString()) != TLadeergebnis::Gelesen)
            GTEST_SKIP() << "documents cannot be read in this build";
    }
    antworten.push_back({datei, true});
    haupt->OeffnenClick();
    ASSERT_EQ(OffeneFenster(), 1);
    EXPECT_EQ(haupt->AktivesFenster()->Beschriftung(),
              QStringLiteral("bild.kvr (schreibgeschützt)"));
    EXPECT_TRUE(haupt->AktivesDokument()->Schreibgeschuetzt());
    EXPECT_FALSE(Aktiv("Speichern"));
    EXPECT_TRUE(Aktiv("Speichern_unter"));
    EXPECT_EQ(Einstellungen().PfadSzenen, ordner.path().toStdString());
}

// ---------------------------------------------------------------------------
// The mouse in the view

TEST_F(MitElementen, ClickAtAPointMarksIt) {
    QSignalSpy spy(haupt.get(), &TMainForm::DokumentAktualisiert);
    Klicken(*f, BildVon(*f, *a));
    EXPECT_TRUE(a->markiert);
    EXPECT_FALSE(b->markiert);
    EXPECT_FALSE(e->markiert);
    EXPECT_EQ(spy.count(), 1);
    // The menus follow: something is marked now.
    haupt->BearbeitenClick();
    EXPECT_TRUE(Aktiv("Loeschen"));
}

TEST_F(MitElementen, PointOnAPlaneWinsOverThePlane) {
    auto* p = Punkt(test::Liste(f->Dokument()), "P", {1, 1, 2});
    f->Dokument().Neuaufbau();
    const QPoint wo = BildVon(*f, *p);
    // The plane is hit there too.
    const auto treffer = f->Dokument().Szene().Treffer(f->Ansicht()->LogischAusGeraet(wo), 5);
    bool ebeneGetroffen = false;
    for (int nr : treffer)
        ebeneGetroffen = ebeneGetroffen || e->Szenenobjekte.test(static_cast<std::size_t>(nr));
    ASSERT_TRUE(ebeneGetroffen);
    Klicken(*f, wo);
    EXPECT_TRUE(p->markiert);
    EXPECT_FALSE(e->markiert);
}

TEST_F(MitElementen, ClickOnTheEmptyViewUnmarksEverything) {
    a->markiert = true;
    e->markiert = true;
    QSignalSpy spy(haupt.get(), &TMainForm::DokumentAktualisiert);
    Klicken(*f, QPoint(2, 2));
    EXPECT_FALSE(a->markiert);
    EXPECT_FALSE(e->markiert);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(f->Dokument().Geaendert()) << "marks are no modification";
    // With nothing marked there is nothing to tell.
    Klicken(*f, QPoint(2, 2), Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(MitElementen, DragTurnsTheViewAndMarksNothing) {
    const TMatrix4 vorher = f->Dokument().Szene().Matrix();
    const int objekte = f->Dokument().Szene().Objektzahl();
    QWidget* v = f->Ansicht()->viewport();
    const QPoint start = BildVon(*f, *a);
    Maus(v, QEvent::MouseButtonPress, start);
    EXPECT_TRUE(f->Ansicht()->Zieht());
    Maus(v, QEvent::MouseMove, start + QPoint(30, 10));
    Maus(v, QEvent::MouseMove, start + QPoint(60, 5));
    // Back where it started: still a drag, not a click.
    Maus(v, QEvent::MouseMove, start);
    Maus(v, QEvent::MouseButtonRelease, start);
    EXPECT_FALSE(f->Ansicht()->Zieht());
    EXPECT_FALSE(f->Dokument().Szene().Matrix() == vorher);
    EXPECT_FALSE(a->markiert);
    EXPECT_FALSE(e->markiert);
    // Turning re-projects; it does not rebuild.
    EXPECT_EQ(f->Dokument().Szene().Objektzahl(), objekte);
    EXPECT_FALSE(f->Dokument().Geaendert());
}

TEST_F(MitElementen, AfterADragTheViewShowsThePlainPicture) {
    // Drag steps are drawn in bands on several threads; once the button is
    // released the view shows what one painter draws alone, pixel for pixel.
    a->markiert = true;
    tAnaGraphBox* box = f->Ansicht();
    QWidget* v = box->viewport();
    const QPoint start = BildVon(*f, *a);
    Maus(v, QEvent::MouseButtonPress, start);
    const int vorher = box->Bildaufbauten();
    Maus(v, QEvent::MouseMove, start + QPoint(40, 25));
    Maus(v, QEvent::MouseMove, start + QPoint(90, 35));
    EXPECT_EQ(box->Bildaufbauten(), vorher + 2) << "every step drawn at once";
    Maus(v, QEvent::MouseButtonRelease, start + QPoint(90, 35));
    const QImage gezeigt = v->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(box->Bildaufbauten(), vorher + 3) << "drawn once more, as a still picture";
    QImage soll(gezeigt.size(), QImage::Format_RGB32);
    soll.setDevicePixelRatio(gezeigt.devicePixelRatio());
    soll.fill(Qt::white);
    {
        QPainter p(&soll);
        box->Zeichnen(p,
                      QRectF(-box->horizontalScrollBar()->value(),
                             -box->verticalScrollBar()->value(), v->width(), v->height()),
                      true);
    }
    ASSERT_EQ(gezeigt.size(), soll.size());
    int abweichend = 0;
    for (int y = 0; y < soll.height(); ++y)
        for (int x = 0; x < soll.width(); ++x)
            abweichend += gezeigt.pixel(x, y) != soll.pixel(x, y);
    EXPECT_EQ(abweichend, 0);
}

TEST_F(MitElementen, ClicksReplaceMarksAndCtrlAddsThem) {
    Klicken(*f, BildVon(*f, *a));
    Klicken(*f, BildVon(*f, *b));
    EXPECT_FALSE(a->markiert);
    EXPECT_TRUE(b->markiert);
    Klicken(*f, BildVon(*f, *a), Qt::ControlModifier);
    EXPECT_TRUE(a->markiert);
    EXPECT_TRUE(b->markiert);
    // Ctrl on a marked one unmarks only it.
    Klicken(*f, BildVon(*f, *b), Qt::ControlModifier);
    EXPECT_TRUE(a->markiert);
    EXPECT_FALSE(b->markiert);
    // Without Ctrl a second click on the only marked one unmarks it.
    Klicken(*f, BildVon(*f, *a));
    EXPECT_FALSE(a->markiert);
}

TEST_F(MitElementen, HeldCtrlKeyAddsMarks) {
    Klicken(*f, BildVon(*f, *a));
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QApplication::sendEvent(f, &druck);
    EXPECT_TRUE(f->AdditivMarkieren());
    Klicken(*f, BildVon(*f, *b));
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QApplication::sendEvent(f, &los);
    EXPECT_FALSE(f->AdditivMarkieren());
    EXPECT_TRUE(a->markiert);
    EXPECT_TRUE(b->markiert);
}

TEST_F(MitElementen, DoubleClickAsksForTheDialogAndKeepsTheMark) {
    QSignalSpy spy(haupt.get(), &TMainForm::ElementDialogGewuenscht);
    QWidget* v = f->Ansicht()->viewport();
    const QPoint wo = BildVon(*f, *b);
    Maus(v, QEvent::MouseButtonPress, wo);
    Maus(v, QEvent::MouseButtonRelease, wo);
    Maus(v, QEvent::MouseButtonDblClick, wo);
    Maus(v, QEvent::MouseButtonRelease, wo);
    EXPECT_FALSE(b->markiert);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(1).value<TDreiDBasisElement*>(), b);
}

TEST_F(MitElementen, ViewMapsBackAndForth) {
    const TLogPunkt p{1234, -567};
    const QPointF g = f->Ansicht()->GeraetAusLogisch(p);
    const TLogPunkt zurueck = f->Ansicht()->LogischAusGeraet(g);
    EXPECT_EQ(zurueck, p);
    // The logical window fits the view and is centred in it.
    const QRectF bild = f->Ansicht()->Abbildung().Bild();
    const QSize client = f->Ansicht()->viewport()->size();
    EXPECT_LE(bild.width(), client.width() + 0.5);
    EXPECT_LE(bild.height(), client.height() + 0.5);
    EXPECT_NEAR(bild.center().x(), client.width() / 2.0, 0.6);
    EXPECT_NEAR(bild.center().y(), client.height() / 2.0, 0.6);
    EXPECT_EQ(f->Ansicht()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MitElementen, ResizingKeepsClicksOnTarget) {
    Rahmen(f)->resize(700, 380);
    QApplication::processEvents();
    Klicken(*f, BildVon(*f, *b));
    EXPECT_TRUE(b->markiert);
}

// ---------------------------------------------------------------------------
// Delete, undo, zoom, the initial view

TEST_F(MitElementen, DeleteAnsweredYesThenUndoRestores) {
    Klicken(*f, BildVon(*f, *a));
    haupt->Ausfuehren("Loeschen"); // the question is answered "Ja"
    ASSERT_EQ(test::Liste(f->Dokument()).Anzahl(), 2);
    ASSERT_FALSE(meldungen.Eintraege.empty());
    EXPECT_TRUE(meldungen.Eintraege.back().IstFrage);
    QAction* rueck = haupt->Aktion(QStringLiteral("Rueckgaengig"));
    EXPECT_EQ(rueck->text(), QStringLiteral("Rückgängig: Löschen"));
    EXPECT_TRUE(rueck->isEnabled());

    haupt->Ausfuehren("Rueckgaengig");
    const TListe& l = test::Liste(f->Dokument());
    ASSERT_EQ(l.Anzahl(), 3);
    EXPECT_EQ(l[1]->Name, "A");
    EXPECT_EQ(Als<TfrPunkt>(*l[1]).Koordinaten, (TTripel{3, -4, 2}));
    EXPECT_EQ(l[2]->Name, "B");
    EXPECT_EQ(l[3]->Name, "E");
    EXPECT_FALSE(rueck->isEnabled());
    EXPECT_EQ(rueck->text(), QStringLiteral("Rückgängig"));
    // The marks come back with the elements, and the view shows them again.
    EXPECT_TRUE(l[1]->markiert);
    Klicken(*f, BildVon(*f, *l[2]));
    EXPECT_TRUE(l[2]->markiert);
    EXPECT_FALSE(l[1]->markiert);
}

TEST_F(MitElementen, DeleteAnsweredNoKeepsEverything) {
    Klicken(*f, BildVon(*f, *a));
    meldungen.Antworten.push_back(TAntwort::Nein);
    haupt->Ausfuehren("Loeschen");
    EXPECT_EQ(test::Liste(f->Dokument()).Anzahl(), 3);
}

TEST_F(MitElementen, UndoBelongsToTheActiveWindow) {
    Klicken(*f, BildVon(*f, *a));
    haupt->Ausfuehren("Loeschen");
    QAction* rueck = haupt->Aktion(QStringLiteral("Rueckgaengig"));
    ASSERT_TRUE(rueck->isEnabled());
    Neu();
    EXPECT_FALSE(rueck->isEnabled());
    haupt->MdiArea()->setActiveSubWindow(Rahmen(f));
    EXPECT_TRUE(rueck->isEnabled());
    EXPECT_EQ(rueck->text(), QStringLiteral("Rückgängig: Löschen"));
}

TEST_F(MitElementen, ZoomingOutAndInTwiceDoesNotRestoreTheRange) {
    const Real vorher = f->Dokument().Koordinatensystem().Achsen[0].Oben;
    haupt->Aktion(QStringLiteral("Zoomout"))->trigger();
    const Real groesser = f->Dokument().Koordinatensystem().Achsen[0].Oben;
    EXPECT_GT(groesser, vorher);
    haupt->Ausfuehren("Zoomout");
    haupt->Aktion(QStringLiteral("ZoomIn"))->trigger();
    haupt->Ausfuehren("ZoomIn");
    const Real nachher = f->Dokument().Koordinatensystem().Achsen[0].Oben;
    EXPECT_NE(nachher, vorher);
    EXPECT_NEAR(double(nachher), double(vorher * 1.189L * 1.189L * 0.84L * 0.84L), 1e-9);
    // The view follows: the points are still where clicks find them.
    Klicken(*f, BildVon(*f, *a));
    EXPECT_TRUE(a->markiert);
}

TEST_F(MitElementen, WheelZoomsByTheStepsOfTheMenuWithinItsLimits) {
    QWidget* v = f->Ansicht()->viewport();
    const auto rad = [v](int winkel) {
        const QPointF mitte(v->width() / 2.0, v->height() / 2.0);
        QWheelEvent w(mitte, v->mapToGlobal(mitte), QPoint(), QPoint(0, winkel), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &w);
    };
    const auto oben = [this] { return f->Dokument().Koordinatensystem().Achsen[0].Oben; };
    const Real vorher = oben();
    // Away from oneself: "ver&kleinern" (the figure grows), one notch one step.
    rad(120);
    EXPECT_NEAR(double(oben()), double(vorher * ZoomVerkleinern), 1e-9);
    // A fine wheel reports parts of a notch; together they make one step.
    rad(60);
    EXPECT_NEAR(double(oben()), double(vorher * ZoomVerkleinern), 1e-9);
    rad(60);
    EXPECT_NEAR(double(oben()), double(vorher * ZoomVerkleinern * ZoomVerkleinern), 1e-9);
    rad(-240);
    EXPECT_NEAR(
        double(oben()),
        double(vorher * ZoomVerkleinern * ZoomVerkleinern * ZoomVergroessern * ZoomVergroessern),
        1e-9);
    EXPECT_FALSE(f->Dokument().Geaendert());
    // At the limit of the menu command the wheel stops too.
    for (int i = 0; i < 40; ++i)
        rad(120);
    const Real grenze = oben();
    haupt->Ausfuehren("ZoomIn");
    EXPECT_EQ(oben(), grenze) << "the menu cannot go further either";
    rad(120);
    EXPECT_EQ(oben(), grenze);
    // The view follows: the points are still where clicks find them.
    rad(-120);
    Klicken(*f, BildVon(*f, *a));
    EXPECT_TRUE(a->markiert);
}

TEST_F(MitElementen, MarkedPointIsHighlightedOnTheScreenAndNotInPictures) {
    QWidget* v = f->Ansicht()->viewport();
    // A pixel just outside the dot of A, inside the halo.
    const tGSzene& s = f->Dokument().Szene();
    TLogPunkt mitte{};
    for (int i = 1; i <= s.Stueckzahl(); ++i)
        if (s.Stueck(i).Objekt == ErstesObjekt(*a)) mitte = s.Stueck(i).EckenProj[0];
    const int rand = s.Objekt(ErstesObjekt(*a)).Punktgroesse * 100 + 60;
    // Left of the dot: its name stands to the right, with a rim of its own
    // where the point lies on a plane of its colour.
    const QPoint hof = f->Ansicht()->GeraetAusLogisch({mitte.x - rand, mitte.y}).toPoint();
    const auto farbe = [&] {
        f->Neuzeichnen();
        return QColor(v->grab().toImage().pixel(hof * v->devicePixelRatioF()));
    };
    const QColor vorher = farbe();
    EXPECT_NE(vorher, QColor(255, 150, 0));

    QTemporaryDir ordner;
    const auto bild = [&](const QString& name) {
        QString fehler;
        const QString datei = ordner.filePath(name);
        EXPECT_TRUE(AlsBildSpeichern(
            datei, 400, f->Dokument().Abbildung().LogischesFenster(),
            [&](TZeichenflaeche& flaeche) { DokumentZeichnen(f->Dokument(), flaeche, {}); },
            fehler))
            << fehler.toStdString();
        return QImage(datei).convertToFormat(QImage::Format_RGB32);
    };
    const QImage ohne = bild(QStringLiteral("ohne.png"));

    Klicken(*f, BildVon(*f, *a));
    ASSERT_TRUE(a->markiert);
    EXPECT_EQ(farbe(), QColor(255, 150, 0));
    const QImage mit = bild(QStringLiteral("mit.png"));
    ASSERT_FALSE(ohne.isNull());
    EXPECT_TRUE(mit == ohne) << "a picture file shows no marks";

    Klicken(*f, QPoint(2, 2));
    EXPECT_EQ(farbe(), vorher);
}

TEST_F(MitElementen, InitialViewUndoesTheTurning) {
    const TMatrix4 anfang = f->Dokument().Szene().Matrix();
    QWidget* v = f->Ansicht()->viewport();
    Maus(v, QEvent::MouseButtonPress, QPoint(100, 100));
    Maus(v, QEvent::MouseMove, QPoint(180, 140));
    Maus(v, QEvent::MouseButtonRelease, QPoint(180, 140));
    ASSERT_FALSE(f->Dokument().Szene().Matrix() == anfang);
    haupt->AusgangszustandClick();
    EXPECT_TRUE(f->Dokument().Szene().Matrix() == anfang);
}

// ---------------------------------------------------------------------------
// The popup

TEST_F(MitElementen, PopupOffersWhatTheMainMenuEnables) {
    auto sichtbar = [this](const char* name) {
        for (QAction* x : f->GrafchildPopupMenu()->actions())
            if (x->objectName() == QLatin1String(name)) return x->isVisible();
        ADD_FAILURE() << name;
        return false;
    };
    f->GrafchildPopupMenuPopup();
    EXPECT_TRUE(sichtbar("PUPunktfestlegen"));
    EXPECT_FALSE(sichtbar("PUGeradeerzeugen"));
    EXPECT_FALSE(sichtbar("PUSchneiden"));

    a->markiert = b->markiert = true;
    f->GrafchildPopupMenuPopup();
    EXPECT_TRUE(sichtbar("PUGeradeerzeugen"));
    EXPECT_TRUE(Aktiv("ErzGerade"));
    EXPECT_TRUE(sichtbar("PUStreckeerzeugen"));

    a->markiert = b->markiert = false;
    f->GrafchildPopupMenuPopup();
    EXPECT_FALSE(sichtbar("PUGeradeerzeugen"));
    EXPECT_FALSE(Aktiv("ErzGerade"));
}

TEST(GrafChildFormAllein, PopupWithoutMainWindowFollowsTheOffers) {
    tGrafChildForm f(1);
    TListe& l = test::Liste(f.Dokument());
    Punkt(l, "A", {1, 0, 0})->markiert = true;
    Punkt(l, "B", {0, 1, 0})->markiert = true;
    f.GrafchildPopupMenuPopup();
    for (QAction* x : f.GrafchildPopupMenu()->actions())
        if (x->objectName() == QLatin1String("PUGeradeerzeugen")) {
            EXPECT_TRUE(x->isVisible());
            EXPECT_EQ(x->text(), QStringLiteral("Ge&rade durch markierte Objekte festlegen"));
        }
    EXPECT_EQ(f.Beschriftung(), QStringLiteral("neu1.kvr"));
}

// ---------------------------------------------------------------------------
// The close query

TEST_F(MitElementen, UnchangedDocumentClosesWithoutAsking) {
    haupt->SchliessenClick();
    EXPECT_EQ(OffeneFenster(), 0);
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(MitElementen, CloseQueryCancelKeepsTheWindow) {
    test::SetzeGeaendert(f->Dokument(), true);
    meldungen.Antworten.push_back(TAntwort::Abbrechen);
    haupt->SchliessenClick();
    EXPECT_EQ(OffeneFenster(), 1);
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    const auto& frage = meldungen.Eintraege[0];
    EXPECT_TRUE(frage.IstFrage);
    EXPECT_EQ(frage.Knoepfe, TFrageKnoepfe::JaNeinAbbrechen);
    EXPECT_EQ(frage.Titel, "Kalvorin");
    EXPECT_EQ(frage.Text, "Möchten Sie die Änderungen in NEU1.KVR speichern?");
    EXPECT_TRUE(anfragen.empty());
}

TEST_F(MitElementen, CloseQueryNoClosesWithoutSaving) {
    test::SetzeGeaendert(f->Dokument(), true);
    meldungen.Antworten.push_back(TAntwort::Nein);
    haupt->SchliessenClick();
    EXPECT_EQ(OffeneFenster(), 0);
    EXPECT_TRUE(anfragen.empty());
    EXPECT_EQ(haupt->Fensterzaehler(), 0);
}

TEST_F(MitElementen, CloseQueryYesWithCancelledOrFailedSaveKeepsTheWindow) {
    test::SetzeGeaendert(f->Dokument(), true);
    meldungen.Antworten.push_back(TAntwort::Ja); // the dialog is cancelled
    haupt->SchliessenClick();
    EXPECT_EQ(OffeneFenster(), 1);
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].Titel, QStringLiteral("KVR-Datei speichern unter"));

    meldungen.Antworten.push_back(TAntwort::Ja);
    antworten.push_back({QStringLiteral("/gibt/es/nicht/bild.kvr"), false});
    haupt->SchliessenClick();
    EXPECT_EQ(OffeneFenster(), 1);
    EXPECT_TRUE(f->Dokument().Geaendert());
    EXPECT_EQ(f->Beschriftung(), QStringLiteral("neu1.kvr"));
}

TEST_F(MitElementen, ClosingAnInactiveWindowSavesThatWindow) {
    test::SetzeGeaendert(f->Dokument(), true);
    tGrafChildForm* anderes = Neu();
    ASSERT_NE(anderes, f);
    meldungen.Antworten.push_back(TAntwort::Ja);
    Rahmen(f)->close();
    // The save dialog was asked for the changed window, which stays open.
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(OffeneFenster(), 2);
    EXPECT_EQ(meldungen.Eintraege.back().Text, "Möchten Sie die Änderungen in NEU1.KVR speichern?");
}

// ---------------------------------------------------------------------------
// Commands on marked elements, with the object list beside the frame

namespace {

TGerade* Gerade(TListe& l, const char* name, TTripel punkt, TTripel richtung) {
    auto* g = l.Neu<TGerade>();
    g->Name = name;
    g->Festlegung = TGerade::GPAR;
    g->Punkt = punkt;
    g->Richtung = richtung;
    return g;
}

// A quarter along the first piece of a line: away from where it meets others.
QPoint ViertelVon(const tGrafChildForm& f, const TDreiDBasisElement& e) {
    const tGSzene& s = f.Dokument().Szene();
    const int nr = ErstesObjekt(e);
    for (int i = 1; i <= s.Stueckzahl(); ++i) {
        const auto& stueck = s.Stueck(i);
        if (stueck.Objekt != nr || stueck.Eckenzahl < 2) continue;
        const QPointF a = f.Ansicht()->GeraetAusLogisch(stueck.EckenProj[0]);
        const QPointF b = f.Ansicht()->GeraetAusLogisch(stueck.EckenProj[1]);
        return (a * 0.75 + b * 0.25).toPoint();
    }
    ADD_FAILURE() << "no piece for " << e.Name;
    return {};
}

// Two lines meeting in (3, 2, 1), marked by clicks in the view.
class ZweiGeraden : public Dokumentfenster {
protected:
    void SetUp() override {
        Dokumentfenster::SetUp();
        liste = new TListenformular(haupt.get());
        ObjektlisteAnbinden(*haupt, *liste);
        f = Neu();
        ASSERT_NE(f, nullptr);
        TListe& l = test::Liste(f->Dokument());
        g = Gerade(l, "g", {0, 2, 1}, {1, 0, 0});
        h = Gerade(l, "h", {3, 0, 1}, {0, 1, 0});
        f->Dokument().Neuaufbau();
        f->Neuzeichnen();
        liste->Aktualisieren();
        QApplication::processEvents();
        Klicken(*f, ViertelVon(*f, *g));
        Klicken(*f, ViertelVon(*f, *h), Qt::ControlModifier);
    }
    QAction* Popup(const char* name) const {
        for (QAction* x : f->GrafchildPopupMenu()->actions())
            if (x->objectName() == QLatin1String(name)) return x;
        ADD_FAILURE() << name;
        return nullptr;
    }
    QStringList Zeilen() const {
        auto* gitter = liste->findChild<QTableWidget*>(QStringLiteral("Listengitter"));
        QStringList namen;
        for (int r = 0; r < gitter->rowCount(); ++r)
            namen << gitter->item(r, 1)->text();
        return namen;
    }
    bool ImBild(const TDreiDBasisElement& e) const {
        const tGSzene& s = f->Dokument().Szene();
        const int nr = ErstesObjekt(e);
        for (int i = 1; nr && i <= s.Stueckzahl(); ++i)
            if (s.Stueck(i).Objekt == nr) return true;
        return false;
    }

    TListenformular* liste = nullptr;
    tGrafChildForm* f = nullptr;
    TGerade* g = nullptr;
    TGerade* h = nullptr;
};

} // namespace

TEST_F(ZweiGeraden, MenuAndPopupOfferWhatTwoLinesAllow) {
    ASSERT_TRUE(g->markiert);
    ASSERT_TRUE(h->markiert);
    emit haupt->Menue(QStringLiteral("Konstruieren"))->aboutToShow();
    const std::pair<const char*, const char*> erwartet[] = {
        {"Schneiden", "&Schnittpunkt bilden"},
        {"Loteerzeugen", "&Lotgerade bilden"},
        {"Mittebilden", "&Mittelgerade bilden"},
    };
    for (const auto& [name, titel] : erwartet) {
        QAction* a = haupt->Aktion(QString::fromLatin1(name));
        EXPECT_EQ(a->text(), QString::fromUtf8(titel)) << name;
        EXPECT_TRUE(a->isEnabled()) << name;
    }
    f->GrafchildPopupMenuPopup();
    const std::pair<const char*, const char*> imPopup[] = {
        {"PUSchneiden", "Sc&hnittpunkt bilden"},
        {"PULoterzeugen", "&Lotgerade bilden"},
        {"PUMittebilden", "&Mittelgerade bilden"},
    };
    for (const auto& [name, titel] : imPopup) {
        QAction* a = Popup(name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf8(titel)) << name;
        EXPECT_TRUE(a->isVisible()) << name;
        EXPECT_TRUE(a->isEnabled()) << name;
    }
    EXPECT_TRUE(Popup("PUEbeneerzeugen")->isVisible());
    EXPECT_FALSE(Popup("PUPunkterzeugen")->isVisible());
}

TEST_F(ZweiGeraden, ChoosingFromThePopupAddsToViewAndObjectList) {
    TListe& l = test::Liste(f->Dokument());
    f->GrafchildPopupMenuPopup();
    Popup("PUSchneiden")->trigger();
    ASSERT_EQ(l.Anzahl(), 3);
    TDreiDBasisElement* s = l[3];
    EXPECT_EQ(s->Art, TElementart::DfrPunkt);
    EXPECT_EQ(s->Entstehung.Art, TEntstehungsart::Schnitt);
    TTripel p;
    ASSERT_EQ(PunktAuswerten(*s, p), KeinFehler);
    EXPECT_EQ(p, (TTripel{3, 2, 1}));
    EXPECT_TRUE(ImBild(*s));
    EXPECT_TRUE(Zeilen().contains(QString::fromStdString(s->Name))) << s->Name;
    EXPECT_TRUE(f->Dokument().Geaendert());

    // With the two lines marked again, the bisector comes from the same popup.
    for (int i = 1; i <= l.Anzahl(); ++i)
        l[i]->markiert = l[i] == g || l[i] == h;
    f->GrafchildPopupMenuPopup();
    Popup("PUMittebilden")->trigger();
    ASSERT_GT(l.Anzahl(), 3);
    for (int i = 4; i <= l.Anzahl(); ++i) {
        EXPECT_EQ(l[i]->Art, TElementart::DGerade);
        EXPECT_TRUE(ImBild(*l[i])) << l[i]->Name;
        EXPECT_TRUE(Zeilen().contains(QString::fromStdString(l[i]->Name))) << l[i]->Name;
    }
    EXPECT_EQ(Zeilen().size(), l.Anzahl());
}

TEST_F(ZweiGeraden, DilationCentreFromTheMenuShowsInTheObjectList) {
    TListe& l = test::Liste(f->Dokument());
    auto* z = Punkt(l, "Z", {1, 1, 1});
    for (int i = 1; i <= l.Anzahl(); ++i)
        l[i]->markiert = l[i] == z;
    f->Dokument().Neuaufbau();
    emit haupt->Menue(QStringLiteral("Abbilden"))->aboutToShow();
    QAction* festlegen = haupt->Aktion(QStringLiteral("MStreckung"));
    ASSERT_TRUE(festlegen->isEnabled());

    // The dialog runs modally: answer it once it is up.
    QPointer<TStreckungsDLG> dialog;
    QTimer::singleShot(0, [&] {
        dialog = qobject_cast<TStreckungsDLG*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->StreckungsDLGZentrum->text(), QStringLiteral("Z"));
        dialog->StreckungsDLGZahl->setText(QStringLiteral("2"));
        dialog->OKBtn->click();
    });
    festlegen->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()); // it freed itself
    EXPECT_TRUE(z->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ(z->Streckungsfaktor, 2);
    EXPECT_TRUE(Zeilen().contains(QStringLiteral("Z(Z)")))
        << Zeilen().join(QLatin1Char(' ')).toStdString();
}
