// The segment, arrow and vector dialogs driven by their object names, alone
// and through the main window, the object list and the view. What the checks
// refuse and why is tested on the input models; here what only the widgets show.

#include "Dialogtest.h"
#include "Testnamen.h"

#include "document/Testzugang.h"
#include "ui/TPfeilDLG.h"
#include "ui/TStreckenDLG.h"
#include "ui/TVektorDLG.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "ui/ElementDialoge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

using namespace kalvorin;
using test::Ok;
using test::W;

namespace {

// Types as the user does: the other decimal key turns into the separator.
void Tippen(QWidget& d, const std::string& name, const std::string& text) {
    QLineEdit* e = W(d, name);
    e->clear();
    QTest::keyClicks(e, QString::fromStdString(text));
}

// A named point or vector: its combo and its three edits (praefix + X/Y/Z).
void Teil(QWidget& d, const std::string& combo, const std::string& praefix, const std::string& name,
          std::array<const char*, 3> werte) {
    W<QComboBox>(d, combo)->setEditText(QString::fromStdString(name));
    for (int i = 0; i < 3; ++i)
        if (werte[static_cast<std::size_t>(i)])
            Tippen(d, praefix + "XYZ"[i], werte[static_cast<std::size_t>(i)]);
}

QString Text(QWidget& d, const std::string& name) {
    return W(d, name)->text();
}

class Dialoge : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        bau.P("P", {4, 5, 6});
        bau.V("v", {1, 0, 0});
    }
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
};

TEST_P(Dialoge, SegmentByObjectNames) {
    TStreckenDLG d;
    d.StreckeDialogNeu(dok);
    d.show();
    auto* laenge = W<QLabel>(d, "StreckenDLGLaengeWert");
    Teil(d, "StreckenDLGAnfangName", "StreckenDLGAnfang", "A", {"0", "0", "0"});
    Teil(d, "StreckenDLGEndeName", "StreckenDLGEnde", "B", {"1", "1", "1"});
    EXPECT_EQ(laenge->text(), QString::fromStdString(test::MitTrenner("1,73 LE")));
    Tippen(d, "StreckenDLGEndeZ", "1.5");
    EXPECT_EQ(Text(d, "StreckenDLGEndeZ"), QString::fromStdString(test::MitTrenner("1,5")));

    // An existing point fills its edits read-only.
    W<QComboBox>(d, "StreckenDLGEndeName")->setEditText(QStringLiteral("P"));
    EXPECT_TRUE(W(d, "StreckenDLGEndeX")->isReadOnly());
    EXPECT_EQ(Text(d, "StreckenDLGEndeZ"), QStringLiteral("6"));
    Teil(d, "StreckenDLGAnfangName", "StreckenDLGAnfang", "A", {"4", "5", "0"});
    W<QCheckBox>(d, "StreckenDLGCheckdick")->click();
    EXPECT_FALSE(W<QCheckBox>(d, "StreckenDLGCheckduenn")->isChecked());
    ASSERT_TRUE(Ok(d));
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(d.Anwenden(dok), 3);
    const TListe& l = dok.Liste();
    ASSERT_EQ(l.Anzahl(), 4);
    EXPECT_EQ(l[3]->Bezuege[0], l[4]);
    EXPECT_EQ(l[3]->Bezuege[1], l[1]);
    EXPECT_EQ(l[3]->Dicke, Einstellungen().DickgeradenDicke);

    // Properties mode: points read-only, the length at once.
    d.StreckeDialogAusElement(dok, 3);
    d.show();
    EXPECT_EQ(W<QComboBox>(d, "StreckenDLGAnfangName")->currentText(), QStringLiteral("A"));
    EXPECT_TRUE(W(d, "StreckenDLGAnfangX")->isReadOnly());
    EXPECT_EQ(laenge->text(), QStringLiteral("6 LE"));
    EXPECT_TRUE(W<QCheckBox>(d, "StreckenDLGCheckdick")->isChecked());
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_P(Dialoge, ArrowByObjectNames) {
    TPfeilDLG d;
    d.PfeilDialogNeu(dok);
    d.show();
    EXPECT_TRUE(W<QRadioButton>(d, "PfeilDLGPPButton")->isChecked());
    EXPECT_FALSE(W<QWidget>(d, "PfeilDLGPVFuss")->isVisible());

    Teil(d, "PfeilDLGPPFName", "PfeilDLGPPF", "P", {nullptr, nullptr, nullptr});
    EXPECT_TRUE(W(d, "PfeilDLGPPFX")->isReadOnly());
    Teil(d, "PfeilDLGPPSName", "PfeilDLGPPS", "Q", {"1", "1", "1"});
    // The way is complete: the other one is locked until a field is emptied.
    EXPECT_FALSE(W<QRadioButton>(d, "PfeilDLGPVButton")->isEnabled());
    Tippen(d, "PfeilDLGPPSZ", "");
    EXPECT_TRUE(W<QRadioButton>(d, "PfeilDLGPVButton")->isEnabled());
    Tippen(d, "PfeilDLGPPSZ", "1");

    W<QPushButton>(d, "Uebernehmen")->click();
    EXPECT_TRUE(d.isVisible());
    const TListe& l = dok.Liste();
    ASSERT_EQ(l.Anzahl(), 5); // P, v, Pf1, Q, V1
    EXPECT_EQ(l[5]->Festlegung, TVektor::VPf);
    EXPECT_EQ(Text(d, "PfeilDLGName"), QStringLiteral("Pf2"));
    EXPECT_TRUE(W<QComboBox>(d, "PfeilDLGPPSName")->currentText().isEmpty());
    EXPECT_EQ(W<QComboBox>(d, "PfeilDLGPPSName")->count(), 2); // P, Q
    EXPECT_EQ(W<QComboBox>(d, "PfeilDLGPVVName")->count(), 2); // v, V1

    // "Punkt-Vektor" with a new vector.
    W<QRadioButton>(d, "PfeilDLGPVButton")->click();
    EXPECT_TRUE(W<QWidget>(d, "PfeilDLGPVVektor")->isVisible());
    EXPECT_FALSE(W<QWidget>(d, "PfeilDLGPPSpitze")->isVisible());
    Teil(d, "PfeilDLGPVFName", "PfeilDLGPVF", "F", {"0", "0", "1"});
    Teil(d, "PfeilDLGPVVName", "PfeilDLGPVV", "u", {"1/2", "0", "0"});
    EXPECT_FALSE(W<QRadioButton>(d, "PfeilDLGPPButton")->isEnabled());
    ASSERT_TRUE(Ok(d));
    ASSERT_EQ(d.Anwenden(dok), 6);
    ASSERT_EQ(l.Anzahl(), 8);
    EXPECT_EQ(l[6]->Festlegung, TPfeil::PfPV);
    EXPECT_EQ(l[8]->Name, "u");
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_P(Dialoge, VectorByObjectNames) {
    TVektorDLG d;
    d.VektorDialogNeu(dok);
    d.show();
    QApplication::processEvents();
    EXPECT_EQ(d.Seiten->count(), 1);
    W(d, "Name")->setText(QStringLiteral("Richtung"));
    auto* name = W<QLabel>(d, "VektordlgausgabeName");
    EXPECT_EQ(name->text(), QStringLiteral("Richtu ="));
    // The arrow runs over the name, not over " =", and ends in its head.
    auto* pfeil = d.findChild<TVektorpfeil*>(QStringLiteral("PfeilLabel"));
    ASSERT_NE(pfeil, nullptr);
    const QLineF linie = pfeil->Linie();
    const QPoint links = pfeil->mapTo(&d, linie.p1().toPoint());
    // The label's text ends at its right edge, next to the components.
    const int textLinks = name->mapTo(&d, name->contentsRect().topRight()).x() + 1 -
                          name->fontMetrics().horizontalAdvance(name->text());
    EXPECT_EQ(links.x(), textLinks);
    EXPECT_EQ(static_cast<int>(linie.length()),
              name->fontMetrics().horizontalAdvance(QStringLiteral("Richtu")));
    EXPECT_LT(pfeil->mapTo(&d, QPoint(0, pfeil->height())).y(),
              name->mapTo(&d, QPoint(0, name->height() / 2)).y());
    EXPECT_TRUE(pfeil->isVisible());

    // Empty components close without a word and create nothing.
    EXPECT_FALSE(Ok(d));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(dok.Liste().Anzahl(), 2);
    d.show();
    W(d, "Name")->setText(QStringLiteral("w 1"));
    Tippen(d, "Editx", "1");
    Tippen(d, "Edity", "0.5");
    Tippen(d, "Editz", "-1/3");
    W<QPushButton>(d, "Uebernehmen")->click();
    EXPECT_EQ(Text(d, "Name"), QStringLiteral("V1"));
    EXPECT_TRUE(Text(d, "Editx").isEmpty());
    ASSERT_EQ(dok.Liste().Anzahl(), 3);
    const auto& w = Als<TVektor>(*dok.Liste()[3]);
    EXPECT_EQ(w.Name, "w1");
    EXPECT_FALSE(w.sichtbar);
    EXPECT_EQ(w.Komponenten, (TTripel{1, 0.5L, -1.0L / 3}));
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

INSTANTIATE_TEST_SUITE_P(Trenner, Dialoge, ::testing::Values(',', '.'), testnamen::Trenner);

// ---------------------------------------------------------------------------
// Through the main window

class ImHauptfenster : public test::THauptfensterTest {};

TEST_F(ImHauptfenster, SegmentsTakenOverTwiceStandInTheListBeforeTheDialogCloses) {
    QAction* strecke = haupt->Aktion(QStringLiteral("Strecke"));
    MitDialog<TStreckenDLG>(
        [&] { strecke->trigger(); },
        [&](TStreckenDLG& d) {
            Teil(d, "StreckenDLGAnfangName", "StreckenDLGAnfang", "A", {"0", "0", "0"});
            Teil(d, "StreckenDLGEndeName", "StreckenDLGEnde", "B", {"1", "0", "0"});
            W<QPushButton>(d, "Uebernehmen")->click();
            EXPECT_EQ(Text(d, "StreckenDLGName"), QStringLiteral("S2"));
            W<QComboBox>(d, "StreckenDLGAnfangName")->setEditText(QStringLiteral("B"));
            Teil(d, "StreckenDLGEndeName", "StreckenDLGEnde", "C", {"1", "1", "0"});
            W<QPushButton>(d, "Uebernehmen")->click();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(Zeilen(), (QStringList{"S1", "A", "B", "S2", "C"}));
            EXPECT_EQ(Text(d, "StreckenDLGName"), QStringLiteral("S3"));
            W<QPushButton>(d, "Abbruch")->click();
        });
    // "Abbruch" keeps what "Übernehmen" added.
    EXPECT_EQ(Zeilen(), (QStringList{"S1", "A", "B", "S2", "C"}));
    EXPECT_EQ(f->Dokument().Liste()[4]->Bezuege[0], f->Dokument().Liste()[3]);
    EXPECT_TRUE(f->Dokument().Geaendert());
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(ImHauptfenster, VectorOfTwoPointsOpenedFromTheObjectListIsOnlyRenamed) {
    TListe& l = test::Liste(f->Dokument());
    test::TElementBauer bau{l};
    TfrPunkt* a = bau.P("A", {1, 0, 0});
    TfrPunkt* b = bau.P("B", {1, 2, 3});
    TVektor* v = bau.V2P("v", a, b);
    f->Dokument().Neuaufbau();
    liste->ZeigeDokument(&f->Dokument());
    ASSERT_EQ(Zeilen(), (QStringList{"A", "B", "v"}));
    MitDialog<TVektorDLG>(
        [&] { Doppelklick(2); },
        [&](TVektorDLG& d) {
            EXPECT_FALSE(W<QPushButton>(d, "Uebernehmen")->isEnabled());
            EXPECT_TRUE(W(d, "Editx")->isReadOnly());
            EXPECT_EQ(Text(d, "Editz"), QStringLiteral("3"));
            EXPECT_EQ(W<QLabel>(d, "LabelEntstehung")->text(),
                      QStringLiteral("Der Vektor wird durch die Punkte A und B festgelegt."));
            W(d, "Name")->setText(QStringLiteral("AB"));
            W<QPushButton>(d, "OK")->click();
        });
    EXPECT_EQ(v->Name, "AB");
    EXPECT_EQ(v->Festlegung, TVektor::V2P);
    EXPECT_EQ(v->Bezuege[0], a);
    EXPECT_EQ(v->Bezuege[1], b);
    EXPECT_EQ(Zeilen(), (QStringList{"A", "B", "AB"}));
    // The read-only state does not stay with the shared dialog.
    EXPECT_TRUE(ElementDialog(TElementart::DVektor)->UebernehmenKnopf->isEnabled());
}

TEST_F(ImHauptfenster, ArrowFromThePopupThenADoubleClickOnItInTheView) {
    f->GrafchildPopupMenuPopup();
    for (const char* name : {"Strecke", "Pfeil", "Vektor"}) {
        auto* a = f->GrafchildPopupMenu()->findChild<QAction*>(
            QStringLiteral("PU%1festlegen").arg(QLatin1String(name)));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_TRUE(a->isEnabled()) << name;
        // The caption with its access key.
        EXPECT_EQ(QString(a->text()).remove(QLatin1Char('&')),
                  QStringLiteral("%1 durch Neueingabe festlegen...").arg(QLatin1String(name)));
    }
    QAction* popup =
        f->GrafchildPopupMenu()->findChild<QAction*>(QStringLiteral("PUPfeilfestlegen"));
    MitDialog<TPfeilDLG>([&] { popup->trigger(); },
                         [&](TPfeilDLG& d) {
                             Teil(d, "PfeilDLGPPFName", "PfeilDLGPPF", "A", {"0", "0", "0"});
                             Teil(d, "PfeilDLGPPSName", "PfeilDLGPPS", "B", {"3", "0", "0"});
                             W<QPushButton>(d, "OK")->click();
                         });
    const TListe& l = f->Dokument().Liste();
    EXPECT_EQ(Zeilen(), (QStringList{"Pf1(V1)", "A", "B", "V1"}));
    ASSERT_EQ(l.Anzahl(), 4);
    TDreiDBasisElement* pfeil = l[1];
    MitDialog<TPfeilDLG>([&] { emit haupt->ElementDialogGewuenscht(&f->Dokument(), pfeil); },
                         [&](TPfeilDLG& d) {
                             EXPECT_TRUE(W<QRadioButton>(d, "PfeilDLGPPButton")->isChecked());
                             EXPECT_FALSE(W<QRadioButton>(d, "PfeilDLGPVButton")->isEnabled());
                             EXPECT_EQ(Text(d, "PfeilDLGPPSX"), QStringLiteral("3"));
                             EXPECT_TRUE(W(d, "PfeilDLGPPSX")->isReadOnly());
                             d.Seiten->setCurrentWidget(d.SeiteEigenschaften);
                             W<QCheckBox>(d, "PfeilDLGCheckdick")->click();
                             W<QPushButton>(d, "OK")->click();
                         });
    EXPECT_EQ(pfeil->Dicke, Einstellungen().DickgeradenDicke);
    EXPECT_EQ(l.Anzahl(), 4);
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

} // namespace
// Pictures of the three dialogs on each page for looking at the layout;
// written only when KALVORIN_BILDER names a folder.
namespace {

TEST(StreckePfeilVektorBilder, EveryPage) {
    const QByteArray ordner = qgetenv("KALVORIN_BILDER");
    if (ordner.isEmpty()) GTEST_SKIP() << "KALVORIN_BILDER not set";
    QDir().mkpath(QString::fromLocal8Bit(ordner));
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TfrPunkt* a = bau.P("A", {1, 2, 3});
    TfrPunkt* b = bau.P("B", {4, 6, 3});
    bau.V2P("AB", a, b);
    dok.Neuaufbau();
    const auto speichern = [&](QWidget& d, const char* name) {
        d.show();
        QApplication::processEvents();
        d.grab().save(QString::fromLocal8Bit(ordner) + QLatin1Char('/') + QLatin1String(name));
        QApplication::primaryScreen()->grabWindow(0).save(
            QString::fromLocal8Bit(ordner) + QStringLiteral("/bildschirm_") + QLatin1String(name));
        d.hide();
    };
    TStreckenDLG s;
    s.StreckeDialogNeu(dok);
    W<QComboBox>(s, "StreckenDLGAnfangName")->setEditText(QStringLiteral("A"));
    Teil(s, "StreckenDLGEndeName", "StreckenDLGEnde", "Endpunkt1234", {"-12/7", "255,75", "0"});
    speichern(s, "strecke_bestimmung.png");
    s.Seiten->setCurrentWidget(s.SeiteEigenschaften);
    speichern(s, "strecke_eigenschaften.png");
    TPfeilDLG p;
    p.PfeilDialogNeu(dok);
    Teil(p, "PfeilDLGPPFName", "PfeilDLGPPF", "F", {"1", "2", "3"});
    speichern(p, "pfeil_punktpunkt.png");
    p.PVButton->click();
    speichern(p, "pfeil_punktvektor.png");
    p.Seiten->setCurrentWidget(p.SeiteEigenschaften);
    speichern(p, "pfeil_eigenschaften.png");
    TVektorDLG v;
    v.VektorDialogNeu(dok);
    W(v, "Name")->setText(QStringLiteral("WWWWWWWW"));
    speichern(v, "vektor_neu.png");
    v.VektorDialogAusElement(dok, 3);
    speichern(v, "vektor_zweipunkte.png");
}

} // namespace
