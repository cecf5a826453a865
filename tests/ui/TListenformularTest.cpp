// The object list as the user meets it: rows for a document, clicks on cells
// and headers, sorting, deleting with the question, the popup menu, and a
// picture of the whole window written to a PNG file for a look by eye.

#include "ui/TListenformular.h"
#include "document/Testzugang.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "ui/Hilfe.h"
#include "ui/Objektbilder.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <gtest/gtest.h>

#include <set>

using namespace kalvorin;

namespace {

template <class T> T* Neu(TDokument& d, const char* name) {
    T* e = test::Liste(d).Neu<T>();
    e->Name = name;
    return e;
}

// One element of every kind, with a dilation centre, an arrow with its own
// vector and a coloured plane.
struct Vollesdokument {
    TMeldungsProtokoll protokoll; // warnings of the rebuild go here
    TDokument d;
    TfrPunkt *A, *B, *C, *Z;
    TVektor* v;
    TPfeil* p;
    TStrecke* s;
    TGerade* g;
    TDreieck* D1;
    TPyramide3* DP1;
    TEbene* E;

    Vollesdokument() {
        A = Punkt("A", {1, 0, 0});
        B = Punkt("B", {0, 2, 0});
        C = Punkt("C", {0, 0, 3});
        Z = Punkt("Z", {1, 1, 1});
        Z->SetzeRolle(TRolle::IstStreckungszentrum, true);
        Z->Streckungsfaktor = 2;
        v = Neu<TVektor>(d, "v");
        v->Komponenten = {1, 1, 0};
        p = Neu<TPfeil>(d, "p");
        p->Bezuege = {A, B, nullptr};
        auto* w = Neu<TVektor>(d, "w");
        w->Festlegung = TVektor::VPf;
        w->Bezuege = {p, nullptr, nullptr};
        p->Bezuege[2] = w;
        s = Neu<TStrecke>(d, "s");
        s->Bezuege = {A, C, nullptr};
        g = Neu<TGerade>(d, "g");
        g->Festlegung = TGerade::GPP;
        g->Bezuege = {B, C, nullptr};
        D1 = Neu<TDreieck>(d, "D1");
        D1->Bezuege = {A, B, C};
        DP1 = Neu<TPyramide3>(d, "DP1");
        DP1->Bezuege = {D1, Z, nullptr};
        E = Neu<TEbene>(d, "Ebene_Ä");
        E->Festlegung = TEbene::ENOR;
        E->Normale = {0, 0, 1};
        E->d = 0;
        E->Farbe = RGB(0, 128, 255);
        A->Farbe = RGB(220, 0, 0);
        d.Neuaufbau();
        test::SetzeGeaendert(d, false);
    }
    TfrPunkt* Punkt(const char* name, TTripel k) {
        auto* e = Neu<TfrPunkt>(d, name);
        e->Koordinaten = k;
        e->Farbe = Schwarz;
        return e;
    }
};

struct Listenformular : ::testing::Test {
    Vollesdokument doc;
    TListenformular form;
    QTableWidget* gitter = form.findChild<QTableWidget*>(QStringLiteral("Listengitter"));
    QMenu* popup = form.findChild<QMenu*>(QStringLiteral("ListenPopupMenu"));
    QSignalSpy geaendert{&form, &TListenformular::DokumentGeaendert};

    Listenformular() {
        form.resize(240, 520);
        form.show();
        form.ZeigeDokument(&doc.d);
    }

    QStringList Zeilen() const {
        QStringList namen;
        for (int r = 0; r < gitter->rowCount(); ++r)
            namen << gitter->item(r, 1)->text();
        return namen;
    }
    QPoint Zelle(int zeile, TListenspalte spalte) const {
        return gitter->visualRect(gitter->model()->index(zeile - 1, static_cast<int>(spalte)))
            .center();
    }
    void Klick(int zeile, TListenspalte spalte, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, tasten, Zelle(zeile, spalte));
    }
    void KopfKlick(TListenspalte spalte) {
        QHeaderView* kopf = gitter->horizontalHeader();
        const int i = static_cast<int>(spalte);
        const QPoint pos(kopf->sectionViewportPosition(i) + kopf->sectionSize(i) / 2,
                         kopf->height() / 2);
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }
    QAction* PopupPunkt(const char* name) const {
        return popup->findChild<QAction*>(QString::fromLatin1(name));
    }
    void PopupOeffnen() { emit popup->aboutToShow(); }
    int ZeileVon(const TDreiDBasisElement* e) const {
        return ZeileVonSlot(doc.d.Liste(), doc.d.Liste().SlotVon(e));
    }
};

TEST_F(Listenformular, CaptionHeadersAndHelp) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Objekte"));
    EXPECT_EQ(form.property(HilfeKontextEigenschaft).toInt(), 1200);
    ASSERT_NE(gitter, nullptr);
    ASSERT_EQ(gitter->columnCount(), 4);
    const QStringList soll = {"Art", "Name", "s", "B"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(gitter->horizontalHeaderItem(i)->text(), soll[i]);
    EXPECT_TRUE(gitter->horizontalHeader()->font().bold());
    EXPECT_EQ(gitter->verticalHeader()->defaultSectionSize(), 20);
    for (const char* knopf : {"SortnachEntstehung", "SortnachObjektart", "SortnachMarkierung"})
        EXPECT_NE(form.findChild<QPushButton*>(QString::fromLatin1(knopf)), nullptr) << knopf;
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("SortnachObjektart"))->text(),
              QStringLiteral("Objektart"));
}

TEST_F(Listenformular, ShowsOneRowPerElementWithTheDisplayNames) {
    EXPECT_EQ(gitter->rowCount(), test::Liste(doc.d).Anzahl());
    EXPECT_EQ(Zeilen(), (QStringList{"A", "B", "C", "Z(Z)", "v", "p(w)", "w", "s", "g", "D1", "DP1",
                                     QStringLiteral("Ebene_Ä")}));
    form.ZeigeDokument(nullptr);
    EXPECT_EQ(gitter->rowCount(), 0);
}

TEST_F(Listenformular, ClickOnANameMarksAndCtrlAddsMarks) {
    Klick(1, TListenspalte::Name);
    EXPECT_TRUE(doc.A->markiert);
    EXPECT_EQ(geaendert.count(), 1);
    Klick(2, TListenspalte::Art);
    EXPECT_FALSE(doc.A->markiert);
    EXPECT_TRUE(doc.B->markiert);
    Klick(1, TListenspalte::Name, Qt::ControlModifier);
    EXPECT_TRUE(doc.A->markiert);
    EXPECT_TRUE(doc.B->markiert);
    // Marking alone needs no rebuild and leaves the file as it was.
    EXPECT_FALSE(doc.d.Geaendert());
}

TEST_F(Listenformular, CtrlHeldOnTheListAddsMarksToo) {
    Klick(1, TListenspalte::Name);
    QTest::keyPress(gitter, Qt::Key_Control);
    Klick(2, TListenspalte::Name);
    QTest::keyRelease(gitter, Qt::Key_Control);
    // Ctrl on the list counts as a change of the document.
    EXPECT_TRUE(doc.d.Geaendert());
    EXPECT_TRUE(doc.A->markiert);
    EXPECT_TRUE(doc.B->markiert);
    Klick(3, TListenspalte::Name);
    EXPECT_FALSE(doc.A->markiert);
    EXPECT_TRUE(doc.C->markiert);
}

TEST_F(Listenformular, HintDescribesTheRowUnderTheMouse) {
    doc.Z->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    auto hinweis = [&](int zeile) {
        const QPoint pos = Zelle(zeile, TListenspalte::Name);
        QHelpEvent e(QEvent::ToolTip, pos, gitter->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(gitter->viewport(), &e);
        QTextDocument text;
        text.setHtml(QToolTip::text());
        return text.toPlainText().replace(QChar::Nbsp, QLatin1Char(' '));
    };
    const QString g = hinweis(ZeileVon(doc.g));
    EXPECT_TRUE(g.contains(QStringLiteral("g = Gerade( B , C )"))) << g.toStdString();
    const QString z = hinweis(ZeileVon(doc.Z));
    EXPECT_TRUE(z.contains(QStringLiteral("Spiegelzentrum"))) << z.toStdString();
    EXPECT_TRUE(z.contains(QStringLiteral("Streckungszentrum (m = 2)"))) << z.toStdString();
    QToolTip::hideText();
}

TEST_F(Listenformular, VisibilityCellHidesTheElementAndRebuilds) {
    const int vorher = doc.d.Szene().Objektzahl();
    Klick(ZeileVon(doc.g), TListenspalte::Sichtbar);
    EXPECT_FALSE(doc.g->sichtbar);
    EXPECT_LT(doc.d.Szene().Objektzahl(), vorher);
    EXPECT_TRUE(doc.d.Geaendert());
    EXPECT_EQ(geaendert.count(), 1);
    EXPECT_FALSE(doc.g->markiert);
}

TEST_F(Listenformular, VisibilityCellOfAVectorChangesNothing) {
    Klick(ZeileVon(doc.v), TListenspalte::Sichtbar);
    Klick(ZeileVon(doc.v), TListenspalte::Beschriftung);
    EXPECT_FALSE(doc.d.Geaendert());
    EXPECT_EQ(geaendert.count(), 0);
    EXPECT_FALSE(doc.v->markiert);
}

TEST_F(Listenformular, HeaderSHidesAllElements) {
    KopfKlick(TListenspalte::Sichtbar);
    for (int i = 1; i <= test::Liste(doc.d).Anzahl(); ++i)
        EXPECT_FALSE(test::Liste(doc.d)[i]->sichtbar) << test::Liste(doc.d)[i]->Name;
    // The rebuilt scene holds the coordinate system alone.
    TDokument leer;
    leer.Neuaufbau();
    EXPECT_EQ(doc.d.Szene().Objektzahl(), leer.Szene().Objektzahl());
    EXPECT_TRUE(doc.d.Geaendert());
    EXPECT_EQ(geaendert.count(), 1);
}

TEST_F(Listenformular, HeaderBHidesAllNameLabels) {
    doc.A->NameSichtbar = true;
    KopfKlick(TListenspalte::Beschriftung);
    for (int i = 1; i <= test::Liste(doc.d).Anzahl(); ++i)
        EXPECT_FALSE(test::Liste(doc.d)[i]->NameSichtbar);
    EXPECT_TRUE(doc.A->sichtbar);
    EXPECT_EQ(geaendert.count(), 1);
}

TEST_F(Listenformular, DeleteKeyAsksAndDeletesWithItsDependantsOnYes) {
    doc.C->markiert = true;
    TMeldungsProtokoll p;
    p.Antworten = {TAntwort::Ja};
    QTest::keyClick(gitter, Qt::Key_Delete);
    ASSERT_EQ(p.Eintraege.size(), 1u);
    EXPECT_TRUE(p.Eintraege[0].IstFrage);
    EXPECT_EQ(
        p.Eintraege[0].Text.rfind("Sollen die folgenden Objekte wirklich gelöscht werden?\r\n", 0),
        0u);
    EXPECT_NE(p.Eintraege[0].Text.find(" C, s, g, D1, DP1"), std::string::npos);
    EXPECT_EQ(Zeilen(),
              (QStringList{"A", "B", "Z(Z)", "v", "p(w)", "w", QStringLiteral("Ebene_Ä")}));
    EXPECT_EQ(gitter->rowCount(), test::Liste(doc.d).Anzahl());
    EXPECT_TRUE(doc.d.Geaendert());
    EXPECT_GE(geaendert.count(), 1);

    ASSERT_TRUE(doc.d.RueckgaengigMachen());
    form.Aktualisieren();
    EXPECT_EQ(gitter->rowCount(), 12);
    EXPECT_EQ(Zeilen().at(2), QStringLiteral("C"));
}

TEST_F(Listenformular, PopupDeleteAnsweredNoKeepsEverythingButTheUndo) {
    doc.A->markiert = true;
    TMeldungsProtokoll p;
    p.Antworten = {TAntwort::Nein};
    PopupOeffnen();
    QAction* loeschen = PopupPunkt("LiPUElementeloeschen");
    ASSERT_NE(loeschen, nullptr);
    EXPECT_EQ(loeschen->text(), QStringLiteral("&Markierte Objekte löschen"));
    loeschen->trigger();
    EXPECT_EQ(p.Eintraege.size(), 1u);
    EXPECT_EQ(test::Liste(doc.d).Anzahl(), 12);
    EXPECT_TRUE(doc.d.Rueckgaengig().Moeglich());
    EXPECT_EQ(doc.d.Rueckgaengig().Caption(), "Rückgängig: Löschen");
    // The main window learns of the new undo entry.
    EXPECT_EQ(geaendert.count(), 1);
}

TEST_F(Listenformular, FixedElementsAreNotDeletedAndNothingIsAsked) {
    doc.A->markiert = true;
    doc.A->fest = true;
    TMeldungsProtokoll p;
    QTest::keyClick(gitter, Qt::Key_Delete);
    EXPECT_TRUE(p.Eintraege.empty());
    EXPECT_EQ(test::Liste(doc.d).Anzahl(), 12);
}

TEST_F(Listenformular, PopupItemsFollowTheOffers) {
    PopupOeffnen();
    const std::vector<const char*> befehle = {
        "LiPUPunkterzeugen", "LiPUGeradeerzeugen", "LiPUEbeneerzeugen",   "LiPUStreckeerzeugen",
        "LiPUPfeilerzeugen", "LiPUVektorerzeugen", "LiPUDreieckerzeugen", "LiPUPyramideerzeugen",
        "LiPUSchneiden",     "LiPULoteerzeugen",   "LiPUMittebilden"};
    for (const char* name : befehle) {
        ASSERT_NE(PopupPunkt(name), nullptr) << name;
        EXPECT_FALSE(PopupPunkt(name)->isVisible()) << name;
    }
    EXPECT_TRUE(PopupPunkt("LiPUElementeloeschen")->isVisible());

    // Two points: line, segment, arrow and vector, and their midpoint.
    Klick(1, TListenspalte::Name);
    Klick(2, TListenspalte::Name, Qt::ControlModifier);
    PopupOeffnen();
    std::set<std::string> sichtbar;
    for (const char* name : befehle)
        if (PopupPunkt(name)->isVisible()) sichtbar.insert(name);
    EXPECT_EQ(sichtbar, (std::set<std::string>{"LiPUGeradeerzeugen", "LiPUStreckeerzeugen",
                                               "LiPUPfeilerzeugen", "LiPUVektorerzeugen",
                                               "LiPUMittebilden"}));
    EXPECT_EQ(PopupPunkt("LiPUGeradeerzeugen")->text(), QStringLiteral("&Gerade festlegen"));
    EXPECT_EQ(PopupPunkt("LiPUMittebilden")->text(), QStringLiteral("Mi&ttelpunkt bilden"));

    QSignalSpy befehl(&form, &TListenformular::BefehlAngefordert);
    PopupPunkt("LiPUMittebilden")->trigger();
    PopupPunkt("LiPUGeradeerzeugen")->trigger();
    ASSERT_EQ(befehl.count(), 2);
    EXPECT_EQ(befehl.at(0).at(0).toString(), QStringLiteral("Mittebilden"));
    EXPECT_EQ(befehl.at(1).at(0).toString(), QStringLiteral("ErzGerade"));

    // One line: its direction vector; the caption goes back afterwards.
    Klick(ZeileVon(doc.g), TListenspalte::Name);
    PopupOeffnen();
    EXPECT_TRUE(PopupPunkt("LiPUVektorerzeugen")->isVisible());
    EXPECT_EQ(PopupPunkt("LiPUVektorerzeugen")->text(),
              QStringLiteral("&Richtungsvektor festlegen"));
    Klick(1, TListenspalte::Name);
    Klick(ZeileVon(doc.E), TListenspalte::Name, Qt::ControlModifier);
    PopupOeffnen();
    EXPECT_EQ(PopupPunkt("LiPUSchneiden")->text(), QStringLiteral("Auf Inzidenz untersuc&hen"));
    EXPECT_EQ(PopupPunkt("LiPULoteerzeugen")->text(), QStringLiteral("&Lotgerade bilden"));
    EXPECT_FALSE(PopupPunkt("LiPUVektorerzeugen")->isVisible());
    EXPECT_EQ(PopupPunkt("LiPUVektorerzeugen")->text(), QStringLiteral("&Vektor festlegen"));
}

TEST_F(Listenformular, SortButtonsReorderTheRows) {
    doc.E->markiert = true;
    doc.v->markiert = true;
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SortnachObjektart")),
                      Qt::LeftButton);
    EXPECT_EQ(Zeilen(), (QStringList{"A", "B", "C", "Z(Z)", "v", "w", "p(w)", "s", "g", "D1", "DP1",
                                     QStringLiteral("Ebene_Ä")}));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SortnachMarkierung")),
                      Qt::LeftButton);
    const QStringList markiert = {"v", QStringLiteral("Ebene_Ä"), "A", "B"};
    EXPECT_EQ(Zeilen().mid(0, 4), markiert);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SortnachEntstehung")),
                      Qt::LeftButton);
    EXPECT_EQ(Zeilen().first(), QStringLiteral("A"));
    EXPECT_EQ(Zeilen().last(), QStringLiteral("Ebene_Ä"));
    EXPECT_EQ(geaendert.count(), 3);
    // Clicks follow the sorted rows.
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SortnachObjektart")),
                      Qt::LeftButton);
    Klick(6, TListenspalte::Name);
    EXPECT_TRUE(test::Liste(doc.d).ElementMitName("w")->markiert);
    EXPECT_FALSE(doc.v->markiert);
}

TEST_F(Listenformular, DoubleClickOpensTheElementOnceAndKeepsItMarked) {
    QSignalSpy doppel(&form, &TListenformular::ElementDoppelklick);
    // What the system delivers for a double click: a click, then the
    // double-click event in place of the second press, then its release.
    const QPoint zelle = Zelle(ZeileVon(doc.g), TListenspalte::Name);
    Klick(ZeileVon(doc.g), TListenspalte::Name);
    QTest::mouseDClick(gitter->viewport(), Qt::LeftButton, Qt::NoModifier, zelle);
    QTest::mouseRelease(gitter->viewport(), Qt::LeftButton, Qt::NoModifier, zelle);
    ASSERT_EQ(doppel.count(), 1);
    EXPECT_EQ(doppel.at(0).at(0).value<TDreiDBasisElement*>(), doc.g);
    EXPECT_TRUE(doc.g->markiert);
    EXPECT_TRUE(doc.d.Geaendert());
}

TEST_F(Listenformular, WithoutADocumentNothingHappens) {
    form.ZeigeDokument(nullptr);
    doc.A->markiert = true;
    TMeldungsProtokoll p;
    QTest::keyClick(gitter, Qt::Key_Delete);
    KopfKlick(TListenspalte::Sichtbar);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SortnachMarkierung")),
                      Qt::LeftButton);
    PopupOeffnen();
    PopupPunkt("LiPUElementeloeschen")->trigger();
    EXPECT_FALSE(PopupPunkt("LiPUPunkterzeugen")->isVisible());
    EXPECT_TRUE(p.Eintraege.empty());
    EXPECT_EQ(test::Liste(doc.d).Anzahl(), 12);
    EXPECT_TRUE(doc.g->sichtbar);
    EXPECT_EQ(geaendert.count(), 0);
}

// ---------------------------------------------------------------- pictures

TEST(Objektbilder, InvertedPicturesSwapBlackAndWhite) {
    for (int b = 0; b < AnzahlObjektbilder; ++b) {
        const auto bild = static_cast<TObjektbild>(b);
        const QImage normal = Objektbild(bild, false, {20, 20}, 2.0).toImage();
        const QImage invertiert = Objektbild(bild, true, {20, 20}, 2.0).toImage();
        // Drawn for the screen's pixels, not scaled up from 20 × 20.
        ASSERT_EQ(normal.size(), QSize(40, 40));
        if (bild == TObjektbild::Raster) continue;
        EXPECT_EQ(normal.pixelColor(0, 0), QColor(Qt::white)) << b;
        EXPECT_EQ(invertiert.pixelColor(0, 0), QColor(Qt::black)) << b;
    }
}

TEST(Objektbilder, EveryPictureLooksDifferent) {
    std::set<QByteArray> gesehen;
    for (int b = 0; b < AnzahlObjektbilder; ++b) {
        const QImage bild = Objektbild(static_cast<TObjektbild>(b), false, {20, 20}, 2.0).toImage();
        const QByteArray bytes(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes());
        EXPECT_TRUE(gesehen.insert(bytes).second) << "picture " << b;
    }
    // A hidden element shows white, marked black.
    const QImage schwarz = Objektbild(TObjektbild::Weiss, true, {20, 20}, 2.0).toImage();
    for (int y = 0; y < schwarz.height(); y += 7)
        for (int x = 0; x < schwarz.width(); x += 7)
            EXPECT_EQ(schwarz.pixelColor(x, y), QColor(Qt::black));
}

TEST(Objektbilder, KindNumbersGetTheirPictures) {
    EXPECT_EQ(BildFuerArt(0), TObjektbild::Punkt);
    EXPECT_EQ(BildFuerArt(2), TObjektbild::Vektor);
    EXPECT_EQ(BildFuerArt(3), TObjektbild::Pfeil);
    EXPECT_EQ(BildFuerArt(4), TObjektbild::Strecke);
    EXPECT_EQ(BildFuerArt(5), TObjektbild::Gerade);
    EXPECT_EQ(BildFuerArt(6), TObjektbild::Dreieck);
    EXPECT_EQ(BildFuerArt(7), TObjektbild::Pyramide3);
    EXPECT_EQ(BildFuerArt(8), TObjektbild::Ebene);
}

// The marked row is painted white on black, and a coloured element gets its
// frame; the whole window goes to a PNG file for a look by eye.
TEST_F(Listenformular, PaintedWindowShowsMarksAndColourFrames) {
    Klick(ZeileVon(doc.g), TListenspalte::Name);
    Klick(ZeileVon(doc.Z), TListenspalte::Name, Qt::ControlModifier);
    doc.C->sichtbar = false;
    form.Aktualisieren();
    const QImage bild = form.grab().toImage();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(QStringLiteral("objektliste.png")));

    const QImage gitterbild = gitter->viewport()->grab().toImage();
    const qreal dpr = gitterbild.devicePixelRatio();
    auto pixel = [&](int zeile, TListenspalte spalte, int dx, int dy) {
        const QRect r =
            gitter->visualRect(gitter->model()->index(zeile - 1, static_cast<int>(spalte)));
        return gitterbild.pixelColor(QPoint(r.left() + dx, r.top() + dy) * dpr);
    };
    // Name cells: black background when marked.
    EXPECT_EQ(pixel(ZeileVon(doc.g), TListenspalte::Name, 1, 2), QColor(Qt::black));
    EXPECT_EQ(pixel(ZeileVon(doc.B), TListenspalte::Name, 1, 2), QColor(Qt::white));
    // A coloured element's picture is framed in its colour, a black one not.
    EXPECT_EQ(pixel(ZeileVon(doc.A), TListenspalte::Art, 1, 1), QColor(220, 0, 0));
    EXPECT_EQ(pixel(ZeileVon(doc.B), TListenspalte::Art, 1, 1), QColor(Qt::white));
}

// The main window's "Del" shortcut must not take the key from the list.
TEST(ListenformularBild, DeleteInTheListIsTheListsOwn) {
    Vollesdokument doc;
    doc.A->markiert = true;
    QMainWindow fenster;
    fenster.setCentralWidget(new QMdiArea(&fenster));
    auto* loeschen = new QAction(QStringLiteral("&Löschen (markierte Objekte)"), &fenster);
    loeschen->setShortcut(QKeySequence(Qt::Key_Delete));
    fenster.addAction(loeschen);
    QSignalSpy ausgeloest(loeschen, &QAction::triggered);
    auto* form = new TListenformular(&fenster);
    fenster.addDockWidget(Qt::RightDockWidgetArea, form);
    form->ZeigeDokument(&doc.d);
    fenster.show();
    auto* gitter = form->findChild<QTableWidget*>(QStringLiteral("Listengitter"));
    QApplication::setActiveWindow(&fenster);
    gitter->setFocus();
    TMeldungsProtokoll p;
    p.Antworten = {TAntwort::Nein};
    QTest::keyClick(gitter, Qt::Key_Delete);
    EXPECT_EQ(ausgeloest.count(), 0);
    EXPECT_EQ(p.Eintraege.size(), 1u);
    form->ZeigeDokument(nullptr);
}

// The list as the user sees it: docked on the right of a main window.
TEST(ListenformularBild, DockedBesideTheDocumentArea) {
    Vollesdokument doc;
    doc.D1->markiert = true;
    doc.v->markiert = true;
    QMainWindow fenster;
    fenster.setCentralWidget(new QMdiArea(&fenster));
    auto* form = new TListenformular(&fenster);
    fenster.addDockWidget(Qt::RightDockWidgetArea, form);
    form->ZeigeDokument(&doc.d);
    fenster.resize(520, 420);
    fenster.show();
    EXPECT_EQ(fenster.dockWidgetArea(form), Qt::RightDockWidgetArea);
    // Wide enough for the names without the user dragging it.
    EXPECT_GE(form->width(), 150);
    const QImage bild = fenster.grab().toImage();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(QStringLiteral("objektliste_hauptfenster.png")));
    form->ZeigeDokument(nullptr);
}

} // namespace
