#include "ui/TPunktDLG.h"
#include "Testnamen.h"
#include "document/Testzugang.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "zahlen/Zahlen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

const std::string BereichText =
    "Koordinaten nicht richtig festgelegt!\r\nZulässiger Bereich von -256 bis 256.";

// The dialog is shown without a modal loop; OK and "Übernehmen" are clicked
// like the user would, and the messages land in the protocol.
class PunktDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        d.PunktDialogNeu(dok);
        d.show();
    }
    void TearDown() override { d.hide(); }

    template <class T = QLineEdit> T* W(const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Setze(const char* name, const std::string& text) {
        W(name)->setText(QString::fromStdString(test::MitTrenner(text)));
    }
    void Koordinaten(const std::string& x, const std::string& y, const std::string& z) {
        Setze("Editx", x);
        Setze("Edity", y);
        Setze("Editz", z);
    }
    // OK, and for an accepted point the caller's part.
    bool Ok() {
        W<QPushButton>("OK")->click();
        if (!d.Akzeptiert) return false;
        d.Anwenden(dok);
        return true;
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : protokoll.Eintraege)
            t.push_back(e.Text);
        return t;
    }
    TfrPunkt& Punkt(const char* name, TTripel p) {
        auto* e = test::Liste(dok).Neu<TfrPunkt>();
        e->Name = name;
        e->Koordinaten = p;
        return *e;
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    TPunktDLG d;
};

TEST_P(PunktDialog, PreparedForANewPoint) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Festlegen eines Punktes"));
    EXPECT_EQ(W("Name")->text(), QStringLiteral("P1"));
    EXPECT_EQ(W<QLabel>("PunktDLGausgabeName")->text(), QStringLiteral("P1 "));
    EXPECT_TRUE(W<QRadioButton>("DarstellungsartKoordinaten")->isChecked());
    EXPECT_TRUE(W<QWidget>("KoordinatenBox")->isVisible());
    EXPECT_FALSE(W<QWidget>("AnfangspunktBox")->isVisible());
    EXPECT_FALSE(W<QWidget>("Entstehung")->isVisible());
    EXPECT_TRUE(W<QCheckBox>("PunktDLGCheckduenn")->isChecked());
    EXPECT_FALSE(W<QCheckBox>("PunktDLGCheckdick")->isChecked());
    EXPECT_TRUE(W<QPushButton>("Uebernehmen")->isEnabled());
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Punkt_Bestimmung"));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    EXPECT_EQ(d.HilfeThema(), QStringLiteral("IDH_Dialog_Punkt_Eigenschaften"));
}

TEST_P(PunktDialog, RangeLimitsAccepted) {
    Koordinaten("-256", "256", "0");
    ASSERT_TRUE(Ok());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(Als<TfrPunkt>(*test::Liste(dok)[1]).Koordinaten, (TTripel{-256, 256, 0}));
    EXPECT_EQ(test::Liste(dok)[1]->Name, "P1");
}

TEST_P(PunktDialog, OutOfRangeAndZeroDenominatorRefusedWithTheTwoLineMessage) {
    for (const char* falsch : {"256,5", "1/0"}) {
        protokoll.Eintraege.clear();
        Koordinaten("0", falsch, "0");
        EXPECT_FALSE(Ok());
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Texte(), std::vector<std::string>{BereichText}) << falsch;
        EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
        // The input stays.
        EXPECT_EQ(W("Edity")->text().toStdString(), test::MitTrenner(falsch));
    }
    EXPECT_EQ(test::Liste(dok).Anzahl(), 0);
}

TEST_P(PunktDialog, AThirdIsStoredAsOneThird) {
    Koordinaten("1/3", "0", "0");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(Als<TfrPunkt>(*test::Liste(dok)[1]).Koordinaten.x, 1.0L / 3);
}

TEST_P(PunktDialog, BlanksLeaveTheNameAndCaseCounts) {
    Punkt("P1", {5, 5, 5});
    d.PunktDialogNeu(dok);
    Setze("Name", "P 1");
    Koordinaten("1", "2", "3");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(W("Name")->text(), QStringLiteral("P1"));
    EXPECT_EQ(Texte(), std::vector<std::string>{"Name bereits vergeben!"});
    Setze("Name", "p 1");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(test::Liste(dok)[2]->Name, "p1");
}

TEST_P(PunktDialog, OnlyTheCoordinateMessageForEmptyNameAndBadCoordinate) {
    Setze("Name", "");
    Koordinaten("x", "0", "0");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{BereichText});
}

TEST_P(PunktDialog, EmptyCoordinatesCloseSilently) {
    EXPECT_FALSE(Ok());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(protokoll.Eintraege.empty());
    EXPECT_EQ(test::Liste(dok).Anzahl(), 0);
}

TEST_P(PunktDialog, OwnNameKeptInPropertiesMode) {
    Punkt("P1", {1, 2, 3});
    Punkt("P2", {0, 0, 0});
    d.PunktDialogAusElement(dok, 1);
    EXPECT_EQ(W("Editx")->text(), QStringLiteral("1"));
    EXPECT_FALSE(W<QWidget>("Darstellungsart")->isEnabled());
    // The list offers an empty entry and the other point, not the point itself.
    auto* liste = W<QComboBox>("Anfangspunkt");
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->itemText(0), QString());
    EXPECT_EQ(liste->itemText(1), QStringLiteral("P2"));
    Setze("Editz", "4");
    W<QPushButton>("OK")->click();
    ASSERT_TRUE(d.Akzeptiert);
    d.Anwenden(dok);
    EXPECT_EQ(Als<TfrPunkt>(*test::Liste(dok)[1]).Koordinaten, (TTripel{1, 2, 4}));

    d.show();
    d.PunktDialogAusElement(dok, 1);
    Setze("Name", "P2");
    W<QPushButton>("OK")->click();
    EXPECT_FALSE(d.Akzeptiert);
    EXPECT_EQ(Texte(), std::vector<std::string>{"Name bereits vergeben!"});
}

TEST_P(PunktDialog, StartPointAndVector) {
    Punkt("A", {2, 0, 0});
    auto* v = test::Liste(dok).Neu<TVektor>();
    v->Name = "v";
    v->Komponenten = {255, 0, 0};
    auto* w = test::Liste(dok).Neu<TVektor>();
    w->Name = "w";
    w->Komponenten = {1, 2, 3};
    d.PunktDialogNeu(dok);
    W<QRadioButton>("DarstellungsartAnfangspunktVektor")->click();
    EXPECT_TRUE(W<QWidget>("AnfangspunktBox")->isVisible());
    EXPECT_FALSE(W<QWidget>("KoordinatenBox")->isVisible());
    auto* anfang = W<QComboBox>("Anfangspunkt");
    auto* vektor = W<QComboBox>("TransVektor");
    EXPECT_EQ(vektor->count(), 3); // the empty entry, v, w
    EXPECT_EQ(anfang->currentIndex(), -1);

    ListeWaehlen(anfang, "A");
    ListeWaehlen(vektor, "v");
    EXPECT_FALSE(Ok());
    ListeWaehlen(vektor, "");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(),
              (std::vector<std::string>{"Die Koordinaten des neuen Punktes überschreiten den\r\n"
                                        "zulässigen Bereich von -256 bis 256.",
                                        "Vektor nicht festgelegt!"}));
    EXPECT_TRUE(d.isVisible());

    ListeWaehlen(vektor, "w");
    W<QRadioButton>("DarstellungsartKoordinaten")->click();
    EXPECT_TRUE(W("Editx")->isReadOnly());
    EXPECT_EQ(W("Editx")->text(), QStringLiteral("3"));
    EXPECT_EQ(W("Edity")->text(), QStringLiteral("2"));
    EXPECT_EQ(d.Eingabe().Festlegung, TfrPunkt::PV);
    ASSERT_TRUE(Ok());
    const auto& p = Als<TfrPunkt>(*test::Liste(dok)[4]);
    EXPECT_EQ(p.Festlegung, TfrPunkt::PV);
    EXPECT_EQ(p.Anfangspunkt(), test::Liste(dok)[1]);
    EXPECT_EQ(p.Vektor(), test::Liste(dok)[3]);

    // Properties of that point: no empty entry, its start point and vector selected.
    d.show();
    d.PunktDialogAusElement(dok, 4);
    EXPECT_EQ(anfang->itemText(0), QStringLiteral("A"));
    EXPECT_EQ(ListenAuswahl(anfang), "A");
    EXPECT_EQ(ListenAuswahl(vektor), "w");
    EXPECT_TRUE(W<QRadioButton>("DarstellungsartAnfangspunktVektor")->isChecked());
}

TEST_P(PunktDialog, BothListsEmptyCloseSilently) {
    W<QRadioButton>("DarstellungsartAnfangspunktVektor")->click();
    EXPECT_FALSE(Ok());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_P(PunktDialog, OutsideAnsweredNoIsHiddenTheNextOneVisibleAgain) {
    const Real h = dok.Koordinatensystem().H;
    const Real ksVorher = dok.Koordinatensystem().Achsen[0].Oben;
    protokoll.Antworten = {TAntwort::Nein};
    Koordinaten("200", "200", "200");
    ASSERT_GT(200, h * 1.8);
    W<QPushButton>("Uebernehmen")->click();
    ASSERT_EQ(test::Liste(dok).Anzahl(), 1);
    EXPECT_FALSE(test::Liste(dok)[1]->sichtbar);
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_TRUE(protokoll.Eintraege[0].IstFrage);
    EXPECT_EQ(protokoll.Eintraege[0].Text,
              "Der neue Punkt liegt außerhalb des Darstellungsbereichs, \r\n"
              "soll das Koordinatensystem angepasst werden?");
    EXPECT_EQ(dok.Koordinatensystem().Achsen[0].Oben, ksVorher);
    // Übernehmen keeps the dialog open for the next point.
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(W("Name")->text(), QStringLiteral("P2"));
    EXPECT_TRUE(W("Editx")->text().isEmpty());
    EXPECT_TRUE(d.Uebernommen);

    Koordinaten("1", "1", "1");
    W<QPushButton>("Uebernehmen")->click();
    ASSERT_EQ(test::Liste(dok).Anzahl(), 2);
    EXPECT_TRUE(test::Liste(dok)[2]->sichtbar);

    // Yes adapts the axes so the point lies inside.
    protokoll.Antworten = {TAntwort::Ja};
    Koordinaten("200", "200", "200");
    ASSERT_TRUE(Ok());
    EXPECT_GT(dok.Koordinatensystem().Achsen[0].Oben, ksVorher);
    EXPECT_TRUE(test::Liste(dok)[3]->sichtbar);
    EXPECT_FALSE(AusserhalbDesDarstellungsbereichs(dok.Szene(), {200, 200, 200}));
}

TEST_P(PunktDialog, OtherSeparatorKeyTypesTheSeparator) {
    auto* x = W("Editx");
    x->clear();
    x->setFocus();
    QTest::keyClicks(x, QStringLiteral("1") + QChar::fromLatin1(AndererTrenner()) +
                            QStringLiteral("5"));
    EXPECT_EQ(x->text(), QStringLiteral("1") + QChar::fromLatin1(Einstellungen().Dezimaltrenner) +
                             QStringLiteral("5"));
    // Letters pass and are refused by the validation.
    QTest::keyClicks(x, QStringLiteral("a"));
    EXPECT_TRUE(x->text().endsWith(QLatin1Char('a')));
}

TEST_P(PunktDialog, PropertiesPageIsWrittenBack) {
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    W<QComboBox>("PktDlgDarstellung")->setCurrentIndex(2);
    W<QCheckBox>("PunktDLGCheckdick")->click();
    EXPECT_FALSE(W<QCheckBox>("PunktDLGCheckduenn")->isChecked());
    // A click on the only checked box leaves one checked: the other one.
    W<QCheckBox>("PunktDLGCheckdick")->click();
    EXPECT_TRUE(W<QCheckBox>("PunktDLGCheckduenn")->isChecked());
    W<QCheckBox>("PunktDLGCheckdick")->click();
    d.SetzeFarbe(RGB(10, 20, 30));
    W<QCheckBox>("PktDLGHilfslinien")->setChecked(false);
    Koordinaten("1", "2", "x");
    EXPECT_FALSE(Ok());
    // A refusal brings the page "Bestimmung" to the front.
    EXPECT_EQ(d.Seiten->currentWidget(), d.SeiteBestimmung);
    Koordinaten("1", "2", "3");
    ASSERT_TRUE(Ok());
    const auto& p = Als<TfrPunkt>(*test::Liste(dok)[1]);
    EXPECT_EQ(p.Punktform, 2);
    EXPECT_EQ(p.Dicke, Einstellungen().DickpunktDicke);
    EXPECT_EQ(p.Farbe, RGB(10, 20, 30));
    EXPECT_FALSE(p.Hilfslinien);
}

TEST_P(PunktDialog, DerivedPointShowsItsOriginAndTheNameFollows) {
    auto& a = Punkt("A", {0, 0, 0});
    auto& b = Punkt("B", {2, 4, 6});
    auto* m = test::Liste(dok).Neu<TfrPunkt>();
    m->Name = "M";
    m->Entstehung.Art = TEntstehungsart::Mittelpunkt;
    m->Entstehung.Elemente[0].Element = &a;
    m->Entstehung.Elemente[1].Element = &b;
    dok.Neuaufbau();
    d.PunktDialogAusElement(dok, 3);
    EXPECT_TRUE(W<QWidget>("Entstehung")->isVisible());
    const QString text = W<QLabel>("LabelEntstehung")->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("M "))) << text.toStdString();
    EXPECT_TRUE(W("Editx")->isReadOnly());
    EXPECT_EQ(W("Edity")->text(), QStringLiteral("2"));
    Setze("Name", "Mitte");
    EXPECT_TRUE(W<QLabel>("LabelEntstehung")->text().startsWith(QStringLiteral("Mitte ")));
    EXPECT_EQ(W<QLabel>("PunktDLGausgabeName")->text(), QStringLiteral("Mitte "));
    ASSERT_TRUE((W<QPushButton>("OK")->click(), d.Akzeptiert));
    d.Anwenden(dok);
    EXPECT_EQ(test::Liste(dok)[3]->Name, "Mitte");
    EXPECT_EQ(test::Liste(dok)[3]->Entstehung.Art, TEntstehungsart::Mittelpunkt);
}

TEST_P(PunktDialog, FullListRefusesUebernehmen) {
    for (int i = 1; i <= TListe::Kapazitaet; ++i)
        test::Liste(dok).Neu<TfrPunkt>()->Name = "Q" + std::to_string(i);
    d.PunktDialogNeu(dok);
    Koordinaten("1", "2", "3");
    W<QPushButton>("Uebernehmen")->click();
    EXPECT_EQ(Texte(), std::vector<std::string>{ListeVollMeldung});
    EXPECT_EQ(test::Liste(dok)[TListe::Kapazitaet]->Name, "Q100");
    EXPECT_TRUE(d.isVisible());
}

TEST_P(PunktDialog, NamesTheFileCannotStoreAreRefusedAtOk) {
    Koordinaten("1", "2", "3");
    Setze("Name", "P|1");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{SpeicherFehler("P|1")});
    EXPECT_EQ(test::Liste(dok).Anzahl(), 0);
    Setze("Name", " P 2");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(test::Liste(dok)[1]->Name, "P2");
}

INSTANTIATE_TEST_SUITE_P(Trenner, PunktDialog, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace

#include "ui/Hilfe.h"

#include <QScreen>

namespace {

TEST(PunktDialogRahmen, HelpShowsThePagesTopic) {
    TDokument dok;
    TPunktDLG d;
    d.PunktDialogNeu(dok);
    d.HilfeKnopf->click();
    ASSERT_NE(THilfe::Fenster(), nullptr);
    EXPECT_EQ(THilfe::Fenster()->Seite().fragment(), QStringLiteral("bestimmung"));
    EXPECT_TRUE(THilfe::Fenster()->Seite().path().endsWith(QStringLiteral("punkt.html")));
    d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
    d.HilfeKnopf->click();
    EXPECT_EQ(THilfe::Fenster()->Seite().fragment(), QStringLiteral("eigenschaften"));
    THilfe::Beenden();
}

TEST(PunktDialogRahmen, FitsTheScreen) {
    TPunktDLG d;
    const QRect bereich = QApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(d.sizeHint().width(), bereich.width());
    EXPECT_LE(d.sizeHint().height(), bereich.height());
    EXPECT_GE(d.Skalierung(), 750.0 / 1024);
}

TEST(PunktDialogRahmen, ReadOnlyEditsHaveTheButtonFace) {
    QLineEdit e;
    TElementDLG::SetzeNurLesen(&e, true);
    EXPECT_TRUE(e.isReadOnly());
    EXPECT_EQ(e.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    TElementDLG::SetzeNurLesen(&e, false);
    EXPECT_EQ(e.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

} // namespace
