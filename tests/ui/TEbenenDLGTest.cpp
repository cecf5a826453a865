#include "ui/TEbenenDLG.h"
#include "Testnamen.h"
#include "document/Testzugang.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/ElementDialoge.h"
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
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

// Finds the widgets by their object names, as a user finds them by sight.
template <class T = QLineEdit> T* W(QWidget& d, const std::string& name) {
    T* w = d.findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Tippen(QWidget& d, const std::string& name, const std::string& text) {
    W(d, name)->setText(QString::fromStdString(test::MitTrenner(text)));
}

// A named point or vector: its combo and its three edits.
void Teil(QWidget& d, const std::string& praefix, const std::string& name,
          std::array<const char*, 3> werte) {
    W<QComboBox>(d, praefix + "Name")->setEditText(QString::fromStdString(name));
    Tippen(d, praefix + "X", werte[0]);
    Tippen(d, praefix + "Y", werte[1]);
    Tippen(d, praefix + "Z", werte[2]);
}

class EbenenDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        EbenenFarbfolge() = TEbenenFarbfolge{};
        d.EbeneDialogNeu(dok);
        d.show();
    }
    void TearDown() override { d.hide(); }

    template <class T = QLineEdit> T* W(const std::string& name) { return ::W<T>(d, name); }
    bool Aktiv(const char* knopf) { return W<QRadioButton>(knopf)->isEnabled(); }
    bool Sichtbar(const char* name) { return W<QWidget>(name)->isVisible(); }
    QString Text(const std::string& name) { return W(name)->text(); }
    bool Ok() {
        W<QPushButton>("OK")->click();
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
    TEbenenDLG d;
};

TEST_P(EbenenDialog, PreparedForANewPlane) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Festlegen einer Ebene"));
    EXPECT_EQ(Text("EbenenDLGName"), QStringLiteral("E1"));
    EXPECT_TRUE(W<QRadioButton>("EbenenDLGEPARButton")->isChecked());
    EXPECT_TRUE(Sichtbar("EbenenDLGEPARBox"));
    EXPECT_FALSE(Sichtbar("EbenenDLGNORBox"));
    EXPECT_FALSE(Sichtbar("EbenenDLGPPP1Box"));
    for (const char* k :
         {"EbenenDLGEPARButton", "EbenenDLGNorButton", "EbenenDLGPPPButton", "EbenenDLGPVVButton",
          "EbenenDLGPGButton", "EbenenDLGGGButton", "EbenenDLGEPVButton", "EbenenDLGGVButton"})
        EXPECT_TRUE(Aktiv(k)) << k;
    EXPECT_EQ(W<QRadioButton>("EbenenDLGNorButton")->text(), QStringLiteral("Normalenform "));
    EXPECT_FALSE(Sichtbar("Entstehung"));
    EXPECT_TRUE(W<QCheckBox>("EbenenDLGcheckduenn")->isChecked());
    auto* t = W<QSpinBox>("EbenenDLGTransparenz");
    EXPECT_EQ(t->value(), Einstellungen().EbenenTransparenz);
    EXPECT_EQ(t->minimum(), 0);
    EXPECT_EQ(t->maximum(), 5);
    EXPECT_EQ(t->toolTip(), QStringLiteral("0 bedeutet undurchsichtig"));
    // The first new plane of the run takes the second default colour.
    EXPECT_EQ(d.Farbe(), RGB(253, 225, 159));
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Ebene_Bestimmung"));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Ebene_Eigenschaften"));
}

TEST_P(EbenenDialog, ThreePointsLockTheOtherWaysAndShowTheNormalForm) {
    bau.P("A", {0, 0, 0});
    d.EbeneDialogNeu(dok);
    W<QRadioButton>("EbenenDLGPPPButton")->click();
    EXPECT_TRUE(Sichtbar("EbenenDLGPPP1Box"));
    EXPECT_FALSE(Sichtbar("EbenenDLGEPARBox"));
    // An existing point by its name: its coordinates, read-only.
    W<QComboBox>("EbenenDLGPPP1Name")->setEditText(QStringLiteral("A"));
    EXPECT_TRUE(W("EbenenDLGPPP1X")->isReadOnly());
    EXPECT_EQ(Text("EbenenDLGPPP1Z"), QStringLiteral("0"));
    Teil(d, "EbenenDLGPPP2", "B", {"1", "0", "0"});
    EXPECT_TRUE(Aktiv("EbenenDLGGVButton"));
    Teil(d, "EbenenDLGPPP3", "C", {"0", "1", "0"});
    EXPECT_FALSE(Aktiv("EbenenDLGGVButton"));
    EXPECT_FALSE(Aktiv("EbenenDLGEPARButton"));
    EXPECT_TRUE(Aktiv("EbenenDLGNorButton"));
    EXPECT_TRUE(Aktiv("EbenenDLGPPPButton"));

    W<QRadioButton>("EbenenDLGNorButton")->click();
    EXPECT_TRUE(Sichtbar("EbenenDLGNORBox"));
    EXPECT_EQ(Text("EbenenDLGNorX"), QStringLiteral("0"));
    EXPECT_EQ(Text("EbenenDLGNorZ"), QStringLiteral("1"));
    EXPECT_EQ(Text("EbenenDLGNorD"), QStringLiteral("0"));
    EXPECT_TRUE(W("EbenenDLGNorZ")->isReadOnly());

    ASSERT_TRUE(Ok());
    ASSERT_EQ(d.Anwenden(dok), 2);
    const TListe& l = dok.Liste();
    ASSERT_EQ(l.Anzahl(), 4);
    EXPECT_EQ(l[2]->Festlegung, TEbene::EPPP);
    EXPECT_EQ(l[2]->Bezuege[0], l[1]);
    EXPECT_EQ(l[3]->Name, "B");
    EXPECT_EQ(l[4]->Name, "C");
}

TEST_P(EbenenDialog, RefusedSwitchReturnsToTheWay) {
    W<QRadioButton>("EbenenDLGPVVButton")->click();
    Teil(d, "EbenenDLGPVVP", "P", {"0", "0", "0"});
    Teil(d, "EbenenDLGPVVV1", "u", {"1", "0", "0"});
    Teil(d, "EbenenDLGPVVV2", "v", {"2", "0", "0"});
    W<QRadioButton>("EbenenDLGNorButton")->click();
    EXPECT_EQ(Texte(), std::vector<std::string>{"Die Richtungsvektoren sind linear abhängig!"});
    EXPECT_TRUE(W<QRadioButton>("EbenenDLGPVVButton")->isChecked());
    EXPECT_TRUE(Sichtbar("EbenenDLGPVVV2Box"));
    // Incomplete elsewhere, complete here: OK checks and refuses too.
    EXPECT_FALSE(Ok());
    EXPECT_TRUE(d.isVisible());
}

TEST_P(EbenenDialog, EmptyWayClosesSilentlyPartlyFilledIsIncomplete) {
    W<QRadioButton>("EbenenDLGGGButton")->click();
    EXPECT_FALSE(Ok());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(protokoll.Eintraege.empty());
    d.show();
    d.EbeneDialogNeu(dok);
    Tippen(d, "EbenenDLGEparPx", "1");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{"Eingabefenster nicht vollständig ausgefüllt!"});
}

TEST_P(EbenenDialog, NamesTheFileCannotStoreAreRefusedAtOk) {
    W<QRadioButton>("EbenenDLGNorButton")->click();
    for (const char* n : {"EbenenDLGNorX", "EbenenDLGNorY", "EbenenDLGNorZ", "EbenenDLGNorD"})
        Tippen(d, n, "1");
    Tippen(d, "EbenenDLGName", "E 1");
    EXPECT_FALSE(Ok());
    Tippen(d, "EbenenDLGName", "");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), (std::vector<std::string>{SpeicherFehler("E 1"), "Name nicht festgelegt!"}));
    Tippen(d, "EbenenDLGName", "E1");
    ASSERT_TRUE(Ok());
}

TEST_P(EbenenDialog, PropertiesOfAPlaneAndItsLook) {
    TEbene* e = bau.ENOR("E", {0, 0, 2}, -2);
    e->Transparenz = 2;
    e->Farbe = RGB(1, 2, 3);
    d.EbeneDialogAusElement(dok, 1);
    EXPECT_TRUE(W<QRadioButton>("EbenenDLGNorButton")->isChecked());
    EXPECT_FALSE(Aktiv("EbenenDLGEPARButton"));
    // Simplified: three numerators of (0, 0, 2, -2) are not positive.
    EXPECT_EQ(Text("EbenenDLGNorZ"), QStringLiteral("-1"));
    EXPECT_EQ(Text("EbenenDLGNorD"), QStringLiteral("1"));
    EXPECT_EQ(W<QSpinBox>("EbenenDLGTransparenz")->value(), 2);
    EXPECT_EQ(d.Farbe(), RGB(1, 2, 3));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    W<QCheckBox>("EbenenDLGCheckdick")->click();
    W<QSpinBox>("EbenenDLGTransparenz")->setValue(0);
    ASSERT_TRUE(Ok());
    d.Anwenden(dok);
    EXPECT_EQ(e->Dicke, Einstellungen().RandDicke);
    EXPECT_EQ(e->Transparenz, 0);
    // Looked at only, the normal form stays as held.
    EXPECT_EQ(e->Normale, (TTripel{0, 0, 2}));
    EXPECT_EQ(e->d, -2);
    EXPECT_EQ(dok.Liste().Anzahl(), 1);
}

INSTANTIATE_TEST_SUITE_P(Trenner, EbenenDialog, ::testing::Values(',', '.'), testnamen::Trenner);

// The whole way as a user goes it: the menu, the dialog, "Übernehmen", the
// object list and the view while the dialog is still open, then OK.
class EbeneImHauptfenster : public ::testing::Test {
protected:
    void SetUp() override {
        EbenenFarbfolge() = TEbenenFarbfolge{};
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
    // The scene draws a piece of the element.
    bool ImBild(const TDreiDBasisElement& e) const {
        const tGSzene& s = f->Dokument().Szene();
        for (int i = 1; i <= s.Stueckzahl(); ++i)
            if (e.Szenenobjekte.test(static_cast<std::size_t>(s.Stueck(i).Objekt))) return true;
        return false;
    }
    // Runs the dialog that the action opens modally.
    template <class Schritte> void MitDialog(QAction* aktion, Schritte schritte) {
        bool gelaufen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TEbenenDLG*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            schritte(*d);
            gelaufen = true;
        });
        aktion->trigger();
        EXPECT_TRUE(gelaufen);
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    TListenformular* liste = nullptr;
    tGrafChildForm* f = nullptr;
};

TEST_F(EbeneImHauptfenster, PointAndNormalVectorFromTheMenuIntoListAndView) {
    QAction* ebene = haupt->Aktion(QStringLiteral("Ebene"));
    emit haupt->Menue(QStringLiteral("Festlegen"))->aboutToShow();
    ASSERT_TRUE(ebene->isEnabled());
    const TListe& l = f->Dokument().Liste();
    MitDialog(ebene, [&](TEbenenDLG& d) {
        W<QRadioButton>(d, "EbenenDLGEPVButton")->click();
        Teil(d, "EbenenDLGEPVP", "P", {"1", "1", "1"});
        Teil(d, "EbenenDLGEPVV", "n", {"0", "0", "2"});
        W<QPushButton>(d, "Uebernehmen")->click();
        // While the dialog stays open the plane and its parts are there.
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Zeilen(), (QStringList{"E1", "P", "n"}));
        ASSERT_EQ(l.Anzahl(), 3);
        EXPECT_TRUE(ImBild(*l[1]));
        EXPECT_EQ(W(d, "EbenenDLGName")->text(), QStringLiteral("E2"));
        EXPECT_TRUE(W<QRadioButton>(d, "EbenenDLGEPVButton")->isChecked());
        EXPECT_TRUE(W(d, "EbenenDLGEPVPX")->text().isEmpty());
        // The next plane in the next colour, using the vector just made.
        EXPECT_EQ(d.Farbe(), RGB(248, 252, 160));
        Teil(d, "EbenenDLGEPVP", "Q", {"0", "0", "5"});
        W<QComboBox>(d, "EbenenDLGEPVVName")->setEditText(QStringLiteral("n"));
        EXPECT_TRUE(W(d, "EbenenDLGEPVVX")->isReadOnly());
        W<QPushButton>(d, "OK")->click();
    });
    EXPECT_EQ(Zeilen(), (QStringList{"E1", "P", "n", "E2", "Q"}));
    ASSERT_EQ(l.Anzahl(), 5);
    EXPECT_EQ(l[4]->Bezuege[1], l[3]);
    EXPECT_EQ(l[1]->Farbe, RGB(253, 225, 159));
    EXPECT_EQ(l[4]->Farbe, RGB(248, 252, 160));
    EXPECT_TRUE(f->Dokument().Geaendert());
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(EbeneImHauptfenster, ADoubleClickOpensTheSameDialogForTheExistingPlane) {
    TEbene* e =
        test::TElementBauer(test::Liste(f->Dokument())).EPAR("E", {0, 0, 1}, {1, 0, 0}, {0, 2, 0});
    f->Dokument().Neuaufbau();
    bool gelaufen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TEbenenDLG*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_FALSE(W<QPushButton>(*d, "Uebernehmen")->isEnabled());
        EXPECT_EQ(W(*d, "EbenenDLGName")->text(), QStringLiteral("E"));
        EXPECT_EQ(W(*d, "EbenenDLGEparV2Y")->text(), QStringLiteral("1"));
        W(*d, "EbenenDLGName")->setText(QStringLiteral("Boden"));
        W<QPushButton>(*d, "OK")->click();
        gelaufen = true;
    });
    emit haupt->ElementDialogGewuenscht(&f->Dokument(), e);
    EXPECT_TRUE(gelaufen);
    EXPECT_EQ(e->Name, "Boden");
    EXPECT_EQ(e->Richtung2, (TTripel{0, 2, 0}));
    EXPECT_EQ(Zeilen(), QStringList{"Boden"});
    EXPECT_TRUE(ElementDialog(TElementart::DEbene)->UebernehmenKnopf->isEnabled());
}

} // namespace

// Pictures of the plane dialog for looking at the layout; written only when
// KALVORIN_BILDER names a folder.
#include <QDir>
#include <QPixmap>
#include <QScreen>

namespace {

TEST(EbenenDialogBilder, ThreeWaysAndTheProperties) {
    const QByteArray ordner = qgetenv("KALVORIN_BILDER");
    if (ordner.isEmpty()) GTEST_SKIP() << "KALVORIN_BILDER not set";
    QDir().mkpath(QString::fromLocal8Bit(ordner));
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    bau.P("A", {1, 2, 3});
    bau.G("g", {0, 0, 0}, {1, 0, 0});
    TEbene* a = bau.ENOR("E1", {0, 0, 1}, 0);
    TEbene* b = bau.ENOR("E2", {0, 0, 1}, -2);
    TEbene* m = bau.ENOR("Mitte", {1, 0, 0}, -1);
    m->Entstehung.Art = TEntstehungsart::MittelEbene;
    m->Entstehung.Elemente[0].Element = a;
    m->Entstehung.Elemente[1].Element = b;
    dok.Neuaufbau();
    TEbenenDLG d;
    const auto speichern = [&](const char* name) {
        d.show();
        QApplication::processEvents();
        d.grab().save(QString::fromLocal8Bit(ordner) + QLatin1Char('/') + QLatin1String(name));
        // The whole screen as well, to see the dialog where it stands.
        QApplication::primaryScreen()->grabWindow(0).save(
            QString::fromLocal8Bit(ordner) + QStringLiteral("/bildschirm_") + QLatin1String(name));
    };
    d.EbeneDialogNeu(dok);
    Tippen(d, "EbenenDLGEparPx", "1/3");
    speichern("ebene_parameterform.png");
    d.EbeneDialogNeu(dok);
    W<QRadioButton>(d, "EbenenDLGPVVButton")->click();
    W<QComboBox>(d, "EbenenDLGPVVPName")->setEditText(QStringLiteral("A"));
    Teil(d, "EbenenDLGPVVV1", "u", {"1", "0", "-2"});
    speichern("ebene_punktvektorvektor.png");
    d.EbeneDialogNeu(dok);
    W<QRadioButton>(d, "EbenenDLGPGButton")->click();
    Teil(d, "EbenenDLGPGP", "Q", {"0", "1", "0"});
    speichern("ebene_geradepunkt.png");
    d.EbeneDialogAusElement(dok, 5);
    speichern("ebene_abgeleitet.png");
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    speichern("ebene_eigenschaften.png");
}

} // namespace

#include <QStyle>

namespace {

TEST(EbenenDialogRahmen, FitsTheScreenWithItsTitleBar) {
    TEbenenDLG d;
    const QRect bereich = QApplication::primaryScreen()->availableGeometry();
    const int titel = d.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_LE(d.sizeHint().width(), bereich.width());
    EXPECT_LE(d.sizeHint().height() + titel, bereich.height());
    EXPECT_GE(d.Skalierung(), 0.6);
}

} // namespace
