// The triangle dialog driven by its object names, alone and from the menu
// through the object list and the view. The checks are tested on the input model.

#include "Dialogtest.h"
#include "Testnamen.h"

#include "document/Testzugang.h"
#include "ui/TDreieckDLG.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "view/GSzene.h"
#include "zahlen/Zahlen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>

using namespace kalvorin;
using test::Ok;
using test::W;

namespace {

// Corner i (1 to 3) by its name and three values.
void Ecke(QWidget& d, int i, const std::string& name, std::array<const char*, 3> werte) {
    const std::string p = "DreieckDLGPkt" + std::to_string(i);
    W<QComboBox>(d, p + "Name")->setEditText(QString::fromStdString(name));
    const char* achsen[3] = {"X", "Y", "Z"};
    for (int k = 0; k < 3; ++k)
        W(d, p + achsen[k])
            ->setText(QString::fromStdString(test::MitTrenner(werte[static_cast<std::size_t>(k)])));
}

QString Wert(QWidget& d, const char* label) {
    return W<QLabel>(d, label)->text();
}

class DreieckDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        bau.P("A", {0, 0, 0});
        d.DreieckDialogNeu(dok);
        d.show();
    }
    void TearDown() override { d.hide(); }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TDreieckDLG d;
};

TEST_P(DreieckDialog, ValuesFollowTheTypingAndAnExistingCornerIsReadOnly) {
    // OK is the only accepting button; with nothing typed it refuses and stays.
    EXPECT_FALSE(W<QPushButton>(d, "Uebernehmen")->isVisible());
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Dreieck_Bestimmung"));
    EXPECT_FALSE(Ok(d));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(test::Texte(protokoll),
              std::vector<std::string>{"Eingabefenster nicht vollständig ausgefüllt!"});
    W<QComboBox>(d, "DreieckDLGPkt1Name")->setEditText(QStringLiteral("A"));
    EXPECT_TRUE(W(d, "DreieckDLGPkt1X")->isReadOnly());
    EXPECT_EQ(W(d, "DreieckDLGPkt1Z")->text(), QStringLiteral("0"));
    Ecke(d, 2, "B", {"4", "0", "0"});
    EXPECT_TRUE(Wert(d, "DreieckDLGFlaecheWert").isEmpty());
    Ecke(d, 3, "C", {"0", "3", "0"});
    EXPECT_EQ(Wert(d, "DreieckDLGFlaecheWert"), QStringLiteral("6 FE"));
    EXPECT_EQ(Wert(d, "DreieckDLGWinkel1Wert"), QStringLiteral("90°"));
    EXPECT_EQ(Wert(d, "DreieckDLGWinkel2Wert").toStdString(), test::MitTrenner("36,87°"));
    EXPECT_EQ(Wert(d, "DreieckDLGWinkel3Wert").toStdString(), test::MitTrenner("53,13°"));
    // The other decimal key types the separator.
    W(d, "DreieckDLGPkt3Y")->clear();
    QTest::keyClicks(W(d, "DreieckDLGPkt3Y"),
                     QString(QChar::fromLatin1(AndererTrenner())).prepend('3').append('0'));
    EXPECT_EQ(W(d, "DreieckDLGPkt3Y")->text().toStdString(), test::MitTrenner("3,0"));
    W(d, "DreieckDLGPkt3Y")->setText(QStringLiteral("x"));
    EXPECT_TRUE(Wert(d, "DreieckDLGFlaecheWert").isEmpty());
    EXPECT_TRUE(Wert(d, "DreieckDLGWinkel2Wert").isEmpty());
    // Typing on after an existing name: a new point, the values editable again.
    W<QComboBox>(d, "DreieckDLGPkt1Name")->setEditText(QStringLiteral("A2"));
    EXPECT_FALSE(W(d, "DreieckDLGPkt1X")->isReadOnly());
    EXPECT_EQ(W(d, "DreieckDLGPkt1Z")->text(), QStringLiteral("0"));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Dreieck_Eigenschaften"));
}

INSTANTIATE_TEST_SUITE_P(Trenner, DreieckDialog, ::testing::Values(',', '.'), testnamen::Trenner);

// The whole way as a user goes it: the menu, the dialog, OK, the object
// list and the view; then a double click on the triangle in the view.
class DreieckImHauptfenster : public test::THauptfensterTest {
protected:
    // Where a piece of the element is drawn, in the view's pixels.
    std::optional<QPoint> ImBild(const TDreiDBasisElement& e) const {
        const tGSzene& s = f->Dokument().Szene();
        for (int i = 1; i <= s.Stueckzahl(); ++i)
            if (e.Szenenobjekte.test(static_cast<std::size_t>(s.Stueck(i).Objekt))) {
                const auto& ecken = s.Stueck(i).EckenProj;
                const QPointF a = f->Ansicht()->GeraetAusLogisch(ecken[0]);
                const QPointF b = f->Ansicht()->GeraetAusLogisch(ecken[1]);
                return ((a + b) / 2).toPoint();
            }
        return std::nullopt;
    }
};

TEST_F(DreieckImHauptfenster, FromTheMenuIntoListAndViewThenADoubleClickInTheView) {
    QAction* dreieck = haupt->Aktion(QStringLiteral("Dreieck"));
    emit haupt->Menue(QStringLiteral("Festlegen"))->aboutToShow();
    MitDialog<TDreieckDLG>([&] { dreieck->trigger(); },
                           [&](TDreieckDLG& d) {
                               Ecke(d, 1, "A", {"0", "0", "0"});
                               Ecke(d, 2, "B", {"4", "0", "0"});
                               Ecke(d, 3, "C", {"0", "3", "0"});
                               d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
                               W<QCheckBox>(d, "DreieckDLGCheckdick")->click();
                               W<QPushButton>(d, "OK")->click();
                           });
    const TListe& l = f->Dokument().Liste();
    EXPECT_EQ(Zeilen(), (QStringList{"D1", "A", "B", "C"}));
    ASSERT_EQ(l.Anzahl(), 4);
    EXPECT_EQ(l[1]->Dicke, Einstellungen().DickgeradenDicke);
    const std::optional<QPoint> wo = ImBild(*l[1]);
    ASSERT_TRUE(wo);

    // A double click on a side of the triangle opens it in properties mode.
    QWidget* v = f->Ansicht()->viewport();
    const auto maus = [v](QEvent::Type art, QPoint p) {
        QMouseEvent e(art, QPointF(p), QPointF(v->mapToGlobal(p)), Qt::LeftButton,
                      art == QEvent::MouseButtonRelease ? Qt::MouseButtons()
                                                        : Qt::MouseButtons(Qt::LeftButton),
                      {});
        QApplication::sendEvent(v, &e);
    };
    MitDialog<TDreieckDLG>(
        [&] {
            maus(QEvent::MouseButtonPress, *wo);
            maus(QEvent::MouseButtonRelease, *wo);
            maus(QEvent::MouseButtonDblClick, *wo);
            maus(QEvent::MouseButtonRelease, *wo);
        },
        [&](TDreieckDLG& d) {
            EXPECT_EQ(W<QComboBox>(d, "DreieckDLGPkt2Name")->currentText(), QStringLiteral("B"));
            EXPECT_TRUE(W(d, "DreieckDLGPkt2X")->isReadOnly());
            EXPECT_EQ(Wert(d, "DreieckDLGWinkel1Wert"), QStringLiteral("90°"));
            W(d, "DreieckDLGName")->setText(QStringLiteral("Dach"));
            W<QComboBox>(d, "DreieckDLGPkt3Name")->setEditText(QStringLiteral("E"));
            W(d, "DreieckDLGPkt3Z")->setText(QStringLiteral("5"));
            W<QPushButton>(d, "OK")->click();
        });
    EXPECT_EQ(Zeilen(), (QStringList{"Dach", "A", "B", "C", "E"}));
    EXPECT_EQ(l[1]->Bezuege[2], l[5]);
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

} // namespace

// Pictures of both dialogs on both pages for looking at the layout; written
// only when KALVORIN_BILDER names a folder.
#include "ui/TPyramide3DLG.h"

#include <QDir>
#include <QPixmap>
#include <QScreen>

namespace {

TEST(DreieckPyramideBilder, BothDialogsBothPages) {
    const QByteArray ordner = qgetenv("KALVORIN_BILDER");
    if (ordner.isEmpty()) GTEST_SKIP() << "KALVORIN_BILDER not set";
    QDir().mkpath(QString::fromLocal8Bit(ordner));
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TfrPunkt* a = bau.P("A", {0, 0, 0});
    TfrPunkt* b = bau.P("B", {4, 0, 0});
    TfrPunkt* c = bau.P("C", {0, 3, 0});
    TDreieck* d = bau.Dr("D1", a, b, c);
    TfrPunkt* z = bau.P("Z", {0, 0, 1});
    TDreiDBasisElement* bild[3];
    for (std::size_t i = 0; i < 3; ++i) {
        bild[i] = bau.P(std::string("A") + static_cast<char>('1' + i), {});
        bild[i]->Entstehung.Art = TEntstehungsart::PSpiegelung;
        bild[i]->Entstehung.Originalelement = d->Bezuege[i];
        bild[i]->Entstehung.Elemente[0].Element = z;
    }
    TDreieck* d2 = bau.Dr("D2", bild[0], bild[1], bild[2]);
    d2->Entstehung.Art = TEntstehungsart::PSpiegelung;
    d2->Entstehung.Originalelement = d;
    d2->Entstehung.Elemente[0].Element = z;
    bau.Py("DP1", d, bau.P("S", {1, 1, 3}));
    dok.Neuaufbau();
    const auto speichern = [&](QWidget& w, const char* name) {
        w.show();
        QApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(ordner) + QLatin1Char('/') + QLatin1String(name));
        QApplication::primaryScreen()->grabWindow(0).save(
            QString::fromLocal8Bit(ordner) + QStringLiteral("/bildschirm_") + QLatin1String(name));
    };
    TDreieckDLG dd;
    dd.DreieckDialogNeu(dok);
    W<QComboBox>(dd, "DreieckDLGPkt1Name")->setEditText(QStringLiteral("A"));
    Ecke(dd, 2, "Q", {"-123/100", "256", "0"});
    Ecke(dd, 3, "Rechtwinklig", {"0", "3", "-0,5"});
    speichern(dd, "dreieck_bestimmung.png");
    dd.DreieckDialogNeu(dok);
    dd.DreieckDialogAusElement(dok, test::Liste(dok).SlotVon(d2));
    speichern(dd, "dreieck_abgeleitet.png");
    dd.Seiten->setCurrentWidget(dd.SeiteEigenschaften);
    speichern(dd, "dreieck_eigenschaften.png");
    dd.hide();
    TPyramide3DLG pd;
    pd.PyramideDialogNeu(dok);
    W<QComboBox>(pd, "Pyramide3DLGSpitzeName")->setEditText(QStringLiteral("Spitze"));
    W(pd, "Pyramide3DLGSpitzeZ")->setText(QStringLiteral("3"));
    W(pd, "Pyramide3DLGSpitzeX")->setText(QStringLiteral("1/3"));
    W(pd, "Pyramide3DLGSpitzeY")->setText(QStringLiteral("0"));
    W<QComboBox>(pd, "Pyramide3DLGDreieckName")->setCurrentIndex(0);
    speichern(pd, "pyramide_bestimmung.png");
    pd.Seiten->setCurrentWidget(pd.SeiteEigenschaften);
    speichern(pd, "pyramide_eigenschaften.png");
}

} // namespace
