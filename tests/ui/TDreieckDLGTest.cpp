#include "document/Testzugang.h"
#include "ui/TDreieckDLG.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/Zahlen.h"
#include "ui/ElementDialoge.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/TGrafChildForm.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"
#include "view/GSzene.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
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

// Corner i (1 to 3) by its name and three values, as the user types them.
void Ecke(QWidget& d, int i, const std::string& name, std::array<const char*, 3> werte) {
    const std::string p = "DreieckDLGPkt" + std::to_string(i);
    W<QComboBox>(d, p + "Name")->setEditText(QString::fromStdString(name));
    const char* achsen[3] = {"X", "Y", "Z"};
    for (int k = 0; k < 3; ++k)
        W(d, p + achsen[k])->setText(QString::fromStdString(test::MitTrenner(werte[static_cast<std::size_t>(k)])));
}

QString Wert(QWidget& d, const char* label) { return W<QLabel>(d, label)->text(); }

class DreieckDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        bau.P("A", {0, 0, 0});
        bau.V("v", {1, 0, 0});
        d.DreieckDialogNeu(dok);
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
    TDreieckDLG d;
};

TEST_P(DreieckDialog, PreparedForANewTriangle) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Festlegen eines Dreiecks"));
    EXPECT_EQ(W(d, "DreieckDLGName")->text(), QStringLiteral("D1"));
    EXPECT_FALSE(W<QPushButton>(d, "Uebernehmen")->isVisible());
    EXPECT_TRUE(W<QPushButton>(d, "OK")->isDefault());
    EXPECT_FALSE(W<QWidget>(d, "Entstehung")->isVisible());
    for (int i = 1; i <= 3; ++i) {
        auto* c = W<QComboBox>(d, "DreieckDLGPkt" + std::to_string(i) + "Name");
        EXPECT_TRUE(c->isEnabled());
        EXPECT_EQ(c->count(), 1) << "the document's one point";
        EXPECT_TRUE(c->currentText().isEmpty());
        EXPECT_FALSE(W(d, "DreieckDLGPkt" + std::to_string(i) + "Y")->isReadOnly());
    }
    for (const char* l : {"DreieckDLGFlaecheWert", "DreieckDLGWinkel1Wert", "DreieckDLGWinkel3Wert"})
        EXPECT_TRUE(Wert(d, l).isEmpty()) << l;
    EXPECT_TRUE(W<QCheckBox>(d, "DreieckDLGCheckduenn")->isChecked());
    EXPECT_EQ(d.Farbe(), Einstellungen().Farbe);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Dreieck_Bestimmung"));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Dreieck_Eigenschaften"));
}

TEST_P(DreieckDialog, ValuesFollowTheTypingAndAnExistingCornerIsReadOnly) {
    // Nothing typed: OK refuses and the dialog stays.
    EXPECT_FALSE(Ok());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte(), std::vector<std::string>{"Eingabefenster nicht vollständig ausgefüllt!"});
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
    QTest::keyClicks(W(d, "DreieckDLGPkt3Y"), QString(QChar::fromLatin1(AndererTrenner())).prepend('3').append('0'));
    EXPECT_EQ(W(d, "DreieckDLGPkt3Y")->text().toStdString(), test::MitTrenner("3,0"));
    W(d, "DreieckDLGPkt3Y")->setText(QStringLiteral("x"));
    EXPECT_TRUE(Wert(d, "DreieckDLGFlaecheWert").isEmpty());
    EXPECT_TRUE(Wert(d, "DreieckDLGWinkel2Wert").isEmpty());
    // Typing on after an existing name: a new point, the values editable again.
    W<QComboBox>(d, "DreieckDLGPkt1Name")->setEditText(QStringLiteral("A2"));
    EXPECT_FALSE(W(d, "DreieckDLGPkt1X")->isReadOnly());
    EXPECT_EQ(W(d, "DreieckDLGPkt1Z")->text(), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Trenner, DreieckDialog, ::testing::Values(',', '.'));

// The whole way as a user goes it: the menu, the dialog, OK, the object
// list and the view; then a double click on the triangle in the view.
class DreieckImHauptfenster : public ::testing::Test {
protected:
    void SetUp() override {
        haupt = std::make_unique<TMainForm>();
        liste = new TListenformular(haupt.get());
        ObjektlisteAnbinden(*haupt, *liste);
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        f = haupt->AktivesFenster();
        ASSERT_NE(f, nullptr);
    }
    void TearDown() override { haupt.reset(); }

    QStringList Zeilen() const {
        auto* gitter = liste->findChild<QTableWidget*>(QStringLiteral("Listengitter"));
        QStringList namen;
        for (int r = 0; r < gitter->rowCount(); ++r)
            namen << gitter->item(r, 1)->text();
        return namen;
    }
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
    // Runs the dialog that the action opens modally.
    template <class Schritte> void MitDialog(const std::function<void()>& oeffnen, Schritte schritte) {
        bool gelaufen = false;
        QTimer warten;
        warten.setSingleShot(true);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<TDreieckDLG*>(QApplication::activeModalWidget());
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
    tGrafChildForm* f = nullptr;
};

TEST_F(DreieckImHauptfenster, FromTheMenuIntoListAndViewThenADoubleClickInTheView) {
    QAction* dreieck = haupt->Aktion(QStringLiteral("Dreieck"));
    emit haupt->Menue(QStringLiteral("Festlegen"))->aboutToShow();
    ASSERT_TRUE(dreieck->isEnabled());
    MitDialog([&] { dreieck->trigger(); },
              [&](TDreieckDLG& d) {
                  Ecke(d, 1, "A", {"0", "0", "0"});
                  Ecke(d, 2, "B", {"4", "0", "0"});
                  Ecke(d, 3, "C", {"0", "3", "0"});
                  EXPECT_EQ(Wert(d, "DreieckDLGFlaecheWert"), QStringLiteral("6 FE"));
                  d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
                  W<QCheckBox>(d, "DreieckDLGCheckdick")->click();
                  W<QPushButton>(d, "OK")->click();
              });
    const TListe& l = f->Dokument().Liste();
    EXPECT_EQ(Zeilen(), (QStringList{"D1", "A", "B", "C"}));
    ASSERT_EQ(l.Anzahl(), 4);
    EXPECT_EQ(l[1]->Dicke, Einstellungen().DickgeradenDicke);
    EXPECT_TRUE(f->Dokument().Geaendert());
    const std::optional<QPoint> wo = ImBild(*l[1]);
    ASSERT_TRUE(wo);

    // A double click on a side of the triangle opens it in properties mode.
    QWidget* v = f->Ansicht()->viewport();
    const auto maus = [v](QEvent::Type art, QPoint p) {
        QMouseEvent e(art, QPointF(p), QPointF(v->mapToGlobal(p)), Qt::LeftButton,
                      art == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(Qt::LeftButton), {});
        QApplication::sendEvent(v, &e);
    };
    MitDialog(
        [&] {
            maus(QEvent::MouseButtonPress, *wo);
            maus(QEvent::MouseButtonRelease, *wo);
            maus(QEvent::MouseButtonDblClick, *wo);
            maus(QEvent::MouseButtonRelease, *wo);
        },
        [&](TDreieckDLG& d) {
            EXPECT_EQ(W(d, "DreieckDLGName")->text(), QStringLiteral("D1"));
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
    if (ordner.isEmpty())
        GTEST_SKIP() << "KALVORIN_BILDER not set";
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
        QApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(ordner) +
                                                          QStringLiteral("/bildschirm_") + QLatin1String(name));
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
