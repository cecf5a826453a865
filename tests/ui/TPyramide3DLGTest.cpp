// The pyramid dialog driven by its object names, alone and from the menu
// through the object list. The checks are tested on the input model.

#include "Dialogtest.h"
#include "Testnamen.h"

#include "document/Testzugang.h"
#include "ui/TPyramide3DLG.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

using namespace kalvorin;
using test::Ok;
using test::W;

namespace {

void Spitze(QWidget& d, const std::string& name, std::array<const char*, 3> werte) {
    W<QComboBox>(d, "Pyramide3DLGSpitzeName")->setEditText(QString::fromStdString(name));
    const char* achsen[3] = {"X", "Y", "Z"};
    for (std::size_t k = 0; k < 3; ++k)
        W(d, std::string("Pyramide3DLGSpitze") + achsen[k])
            ->setText(QString::fromStdString(test::MitTrenner(werte[k])));
}

void Grunddreieck(QWidget& d, const char* name) {
    auto* c = W<QComboBox>(d, "Pyramide3DLGDreieckName");
    c->setCurrentIndex(c->findText(QString::fromLatin1(name)));
}

QString Volumen(QWidget& d) {
    return W<QLabel>(d, "Pyramide3DLGVolumenWert")->text();
}

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

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TPyramide3DLG d;
};

TEST_P(PyramidenDialog, VolumeFollowsApexAndBaseAndTheChecksKeepTheDialogOpen) {
    // OK is the only accepting button; the base comes from a fixed list.
    EXPECT_FALSE(W<QPushButton>(d, "Uebernehmen")->isVisible());
    auto* dreiecke = W<QComboBox>(d, "Pyramide3DLGDreieckName");
    EXPECT_FALSE(dreiecke->isEditable());
    EXPECT_EQ(dreiecke->count(), 2);
    EXPECT_EQ(dreiecke->currentIndex(), -1);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Pyramide_Bestimmung"));

    Spitze(d, "S", {"1", "1", "0"});
    EXPECT_TRUE(Volumen(d).isEmpty());
    EXPECT_FALSE(Ok(d));
    Grunddreieck(d, "D");
    EXPECT_EQ(Volumen(d), QStringLiteral("0 VE"));
    EXPECT_FALSE(Ok(d));
    W(d, "Pyramide3DLGSpitzeZ")->setText(QString::fromStdString(test::MitTrenner("1,5")));
    EXPECT_EQ(Volumen(d), QStringLiteral("3 VE"));
    // Over the base in the plane x = 0 the height is the apex's x.
    Grunddreieck(d, "Steil");
    EXPECT_EQ(Volumen(d), QStringLiteral("2 VE"));
    EXPECT_EQ(test::Texte(protokoll),
              (std::vector<std::string>{"Eingabefenster nicht vollständig ausgefüllt!",
                                        "Die Spitze liegt in der Grundflächenebene!"}));
    EXPECT_TRUE(d.isVisible());
    // An existing apex by its name.
    W<QComboBox>(d, "Pyramide3DLGSpitzeName")->setEditText(QStringLiteral("B"));
    EXPECT_TRUE(W(d, "Pyramide3DLGSpitzeX")->isReadOnly());
    EXPECT_EQ(Volumen(d), QStringLiteral("8 VE"));
    ASSERT_TRUE(Ok(d));
    ASSERT_EQ(d.Anwenden(dok), 8);
    EXPECT_EQ(dok.Liste().Anzahl(), 8);
    EXPECT_EQ(dok.Liste()[8]->Bezuege[1]->Name, "B");
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Pyramide_Eigenschaften"));
}

INSTANTIATE_TEST_SUITE_P(Trenner, PyramidenDialog, ::testing::Values(',', '.'), testnamen::Trenner);

// The menu, the dialog, OK, the object list; then a double click on the
// pyramid's row opens it in properties mode, a derived one read-only.
class PyramideImHauptfenster : public test::THauptfensterTest {};

TEST_F(PyramideImHauptfenster, FromTheMenuThenFromTheObjectList) {
    TListe& l = test::Liste(f->Dokument());
    test::TElementBauer bau{l};
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {4, 0, 0});
    bau.Dr("D", a, b, bau.P("C", {0, 3, 0}));
    f->Dokument().Neuaufbau();
    QAction* pyramide = haupt->Aktion(QStringLiteral("Pyramideseitig"));
    emit haupt->Menue(QStringLiteral("Festlegen"))->aboutToShow();
    MitDialog<TPyramide3DLG>([&] { pyramide->trigger(); },
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

    MitDialog<TPyramide3DLG>([&] { Doppelklick(4); },
                             [&](TPyramide3DLG& d) {
                                 EXPECT_EQ(
                                     W<QComboBox>(d, "Pyramide3DLGDreieckName")->currentText(),
                                     QStringLiteral("D"));
                                 EXPECT_EQ(W<QComboBox>(d, "Pyramide3DLGSpitzeName")->currentText(),
                                           QStringLiteral("S"));
                                 EXPECT_TRUE(W(d, "Pyramide3DLGSpitzeZ")->isReadOnly());
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
        if (l[i]->Art == TElementart::DPyramide3 &&
            l[i]->Entstehung.Art == TEntstehungsart::PSpiegelung)
            bild = i;
    ASSERT_NE(bild, 0);
    QApplication::processEvents();
    MitDialog<TPyramide3DLG>(
        [&] {
            Doppelklick(static_cast<int>(Zeilen().indexOf(QString::fromStdString(l[bild]->Name))));
        },
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
