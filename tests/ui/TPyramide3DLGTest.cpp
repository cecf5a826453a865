#include "document/Testzugang.h"
#include "ui/TPyramide3DLG.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/TGrafChildForm.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

template <class T = QLineEdit> T* W(QWidget& d, const std::string& name) {
    T* w = d.findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Spitze(QWidget& d, const std::string& name, std::array<const char*, 3> werte) {
    W<QComboBox>(d, "Pyramide3DLGSpitzeName")->setEditText(QString::fromStdString(name));
    const char* achsen[3] = {"X", "Y", "Z"};
    for (std::size_t k = 0; k < 3; ++k)
        W(d, std::string("Pyramide3DLGSpitze") + achsen[k])->setText(QString::fromStdString(test::MitTrenner(werte[k])));
}

void Grunddreieck(QWidget& d, const char* name) {
    auto* c = W<QComboBox>(d, "Pyramide3DLGDreieckName");
    c->setCurrentIndex(c->findText(QString::fromLatin1(name)));
}

QString Volumen(QWidget& d) { return W<QLabel>(d, "Pyramide3DLGVolumenWert")->text(); }

class PyramidenDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        TfrPunkt* a = bau.P("A", {0, 0, 0});
        bau.Dr("D", a, bau.P("B", {4, 0, 0}), bau.P("C", {0, 3, 0}));
        bau.Dr("Steil", a, bau.P("E", {0, 0, 4}), bau.P("F", {0, 3, 0}));
        d.PyramideDialogNeu(dok);
        d.show();
    }
    void TearDown() override { d.hide(); }
    bool Ok() {
        W<QPushButton>(d, "OK")->click();
        return d.Akzeptiert;
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : protokoll.Eintraege)
            t.push_back(e.Text);
        return t;
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TPyramide3DLG d;
};

TEST_P(PyramidenDialog, PreparedForANewPyramid) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Erzeugen einer Pyramide"));
    EXPECT_EQ(W(d, "Pyramide3DLGName")->text(), QStringLiteral("DP1"));
    EXPECT_FALSE(W<QPushButton>(d, "Uebernehmen")->isVisible());
    auto* liste = W<QComboBox>(d, "Pyramide3DLGDreieckName");
    EXPECT_FALSE(liste->isEditable());
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->itemText(0), QStringLiteral("D"));
    EXPECT_EQ(liste->currentIndex(), -1);
    EXPECT_EQ(W<QComboBox>(d, "Pyramide3DLGSpitzeName")->count(), 5);
    EXPECT_TRUE(Volumen(d).isEmpty());
    EXPECT_FALSE(W<QWidget>(d, "Entstehung")->isVisible());
    EXPECT_TRUE(W<QCheckBox>(d, "Pyramide3DLGCheckduenn")->isChecked());
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Pyramide_Bestimmung"));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Pyramide_Eigenschaften"));
}

TEST_P(PyramidenDialog, VolumeFollowsApexAndBaseAndTheChecksKeepTheDialogOpen) {
    Spitze(d, "S", {"1", "1", "0"});
    EXPECT_TRUE(Volumen(d).isEmpty());
    EXPECT_FALSE(Ok());
    Grunddreieck(d, "D");
    EXPECT_EQ(Volumen(d), QStringLiteral("0 VE"));
    EXPECT_FALSE(Ok());
    W(d, "Pyramide3DLGSpitzeZ")->setText(QStringLiteral("3"));
    EXPECT_EQ(Volumen(d), QStringLiteral("6 VE"));
    // Over the base in the plane x = 0 the height is the apex's x.
    Grunddreieck(d, "Steil");
    EXPECT_EQ(Volumen(d), QStringLiteral("2 VE"));
    W(d, "Pyramide3DLGSpitzeX")->setText(QStringLiteral("2"));
    EXPECT_EQ(Volumen(d), QStringLiteral("4 VE"));
    W<QComboBox>(d, "Pyramide3DLGSpitzeName")->setEditText(QStringLiteral("D"));
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), (std::vector<std::string>{"Eingabefenster nicht vollständig ausgefüllt!",
                                                 "Die Spitze liegt in der Grundflächenebene!",
                                                 "Der Name der Spitze ist bereits vergeben!"}));
    EXPECT_TRUE(d.isVisible());
    // An existing apex by its name.
    W<QComboBox>(d, "Pyramide3DLGSpitzeName")->setEditText(QStringLiteral("B"));
    EXPECT_TRUE(W(d, "Pyramide3DLGSpitzeX")->isReadOnly());
    EXPECT_EQ(Volumen(d), QStringLiteral("8 VE"));
    ASSERT_TRUE(Ok());
    ASSERT_EQ(d.Anwenden(dok), 8);
    EXPECT_EQ(dok.Liste().Anzahl(), 8);
    EXPECT_EQ(dok.Liste()[8]->Bezuege[1]->Name, "B");
}

INSTANTIATE_TEST_SUITE_P(Trenner, PyramidenDialog, ::testing::Values(',', '.'));

// The menu, the dialog, OK, the object list; then a double click on the
// pyramid's row opens it in properties mode, a derived one read-only.
class PyramideImHauptfenster : public ::testing::Test {
protected:
    void SetUp() override {
        haupt = std::make_unique<TMainForm>();
        liste = new TListenformular(haupt.get());
        ObjektlisteAnbinden(*haupt, *liste);
        haupt->resize(1000, 800);
        haupt->show();
        liste->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        f = haupt->AktivesFenster();
        ASSERT_NE(f, nullptr);
        gitter = liste->findChild<QTableWidget*>(QStringLiteral("Listengitter"));
    }
    void TearDown() override { haupt.reset(); }

    QStringList Zeilen() const {
        QStringList namen;
        for (int r = 0; r < gitter->rowCount(); ++r)
            namen << gitter->item(r, 1)->text();
        return namen;
    }
    void Doppelklick(int zeile) {
        const QPoint zelle = gitter->visualRect(gitter->model()->index(zeile, 1)).center();
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, Qt::NoModifier, zelle);
        QTest::mouseDClick(gitter->viewport(), Qt::LeftButton, Qt::NoModifier, zelle);
    }
    template <class Schritte> void MitDialog(const std::function<void()>& oeffnen, Schritte schritte) {
        bool gelaufen = false;
        QTimer warten;
        warten.setSingleShot(true);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<TPyramide3DLG*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            schritte(*d);
            gelaufen = true;
        });
        warten.start(0);
        oeffnen();
        EXPECT_TRUE(gelaufen);
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    TListenformular* liste = nullptr;
    QTableWidget* gitter = nullptr;
    tGrafChildForm* f = nullptr;
};

TEST_F(PyramideImHauptfenster, FromTheMenuThenFromTheObjectList) {
    TListe& l = test::Liste(f->Dokument());
    test::TElementBauer bau{l};
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {4, 0, 0});
    bau.Dr("D", a, b, bau.P("C", {0, 3, 0}));
    f->Dokument().Neuaufbau();
    QAction* pyramide = haupt->Aktion(QStringLiteral("Pyramideseitig"));
    emit haupt->Menue(QStringLiteral("Festlegen"))->aboutToShow();
    ASSERT_TRUE(pyramide->isEnabled());
    MitDialog([&] { pyramide->trigger(); },
              [&](TPyramide3DLG& d) {
                  Grunddreieck(d, "D");
                  Spitze(d, "S", {"0", "0", "3"});
                  EXPECT_EQ(Volumen(d), QStringLiteral("6 VE"));
                  W<QPushButton>(d, "OK")->click();
              });
    EXPECT_EQ(Zeilen(), (QStringList{"A", "B", "C", "D", "DP1", "S"}));
    ASSERT_EQ(l.Anzahl(), 6);
    EXPECT_EQ(l[5]->Bezuege[0], l[4]);
    EXPECT_EQ(l[5]->Bezuege[1], l[6]);
    EXPECT_TRUE(l[5]->Szenenobjekte.any());

    MitDialog([&] { Doppelklick(4); },
              [&](TPyramide3DLG& d) {
                  EXPECT_EQ(W(d, "Pyramide3DLGName")->text(), QStringLiteral("DP1"));
                  EXPECT_EQ(W<QComboBox>(d, "Pyramide3DLGDreieckName")->currentText(), QStringLiteral("D"));
                  EXPECT_EQ(W<QComboBox>(d, "Pyramide3DLGSpitzeName")->currentText(), QStringLiteral("S"));
                  EXPECT_TRUE(W(d, "Pyramide3DLGSpitzeZ")->isReadOnly());
                  EXPECT_EQ(Volumen(d), QStringLiteral("6 VE"));
                  EXPECT_TRUE(W<QWidget>(d, "Pyramide3DLGSpitze")->isEnabled());
                  d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
                  W<QCheckBox>(d, "Pyramide3DLGCheckdick")->click();
                  W<QPushButton>(d, "OK")->click();
              });
    EXPECT_EQ(l[5]->Dicke, Einstellungen().DickgeradenDicke);
    EXPECT_EQ(l.Anzahl(), 6);

    // The image of the pyramid in a point is derived: shown, not input.
    TfrPunkt* z = bau.P("Z", {0, 0, 5});
    z->markiert = true;
    z->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    l[5]->markiert = true;
    z->markiert = false;
    ASSERT_TRUE(haupt->Ausfuehren("Pspiegeln"));
    int bild = 0;
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (l[i]->Art == TElementart::DPyramide3 && l[i]->Entstehung.Art == TEntstehungsart::PSpiegelung)
            bild = i;
    ASSERT_NE(bild, 0);
    QApplication::processEvents();
    MitDialog([&] { Doppelklick(Zeilen().indexOf(QString::fromStdString(l[bild]->Name))); },
              [&](TPyramide3DLG& d) {
                  EXPECT_TRUE(W<QWidget>(d, "Entstehung")->isVisible());
                  EXPECT_FALSE(W<QWidget>(d, "Pyramide3DLGSpitze")->isEnabled());
                  EXPECT_FALSE(W<QWidget>(d, "Pyramide3DLGGrunddreieck")->isEnabled());
                  EXPECT_EQ(Volumen(d), QStringLiteral("6 VE"));
                  W<QPushButton>(d, "Abbruch")->click();
              });
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

} // namespace
