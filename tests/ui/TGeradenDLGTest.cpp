#include "ui/TGeradenDLG.h"
#include "Testnamen.h"
#include "document/Testzugang.h"

#include "document/Dokument.h"
#include "geometry/Auswertung.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

class GeradenDialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        p = test::Liste(dok).Neu<TfrPunkt>();
        p->Name = "P";
        p->Koordinaten = {4, 5, 6};
        v = test::Liste(dok).Neu<TVektor>();
        v->Name = "v";
        v->Komponenten = {1, 0, 0};
        d.GeradeDialogNeu(dok);
        d.show();
    }
    void TearDown() override { d.hide(); }

    template <class T = QLineEdit> T* W(const std::string& name) {
        T* w = d.findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Setze(const std::string& name, const std::string& text) {
        W(name)->setText(QString::fromStdString(test::MitTrenner(text)));
    }
    // Types a name into a name combo.
    void Name(const std::string& combo, const std::string& text) {
        W<QComboBox>(combo)->setEditText(QString::fromStdString(text));
    }
    void Tripel(const std::string& x, const std::string& y, const std::string& z, TTripel t) {
        Setze(x, std::to_string(static_cast<int>(t.x)));
        Setze(y, std::to_string(static_cast<int>(t.y)));
        Setze(z, std::to_string(static_cast<int>(t.z)));
    }
    void Erster(const std::string& name, TTripel t) {
        Name("GeradenDLGPP1", name);
        Tripel("GeradenDLGPPX1", "GeradenDLGPPY1", "GeradenDLGPPZ1", t);
    }
    void Zweiter(const std::string& name, TTripel t) {
        Name("GeradenDLGPP2", name);
        Tripel("GeradenDLGPPX2", "GeradenDLGPPY2", "GeradenDLGPPZ2", t);
    }
    QString Text(const std::string& name) { return W(name)->text(); }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : protokoll.Eintraege)
            t.push_back(e.Text);
        return t;
    }
    bool Ok() {
        W<QPushButton>("OK")->click();
        return d.Akzeptiert;
    }
    bool Aktiv(const char* knopf) { return W<QRadioButton>(knopf)->isEnabled(); }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    TfrPunkt* p = nullptr;
    TVektor* v = nullptr;
    TGeradenDLG d;
};

TEST_P(GeradenDialog, PreparedForANewLine) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Festlegen einer Geraden"));
    EXPECT_EQ(Text("GeradenDLGName"), QStringLiteral("g1"));
    EXPECT_TRUE(W<QRadioButton>("GeradenDLGPaButton")->isChecked());
    EXPECT_TRUE(W<QWidget>("GeradenDLGPABox")->isVisible());
    EXPECT_FALSE(W<QWidget>("GeradenDLGPPAnfang")->isVisible());
    EXPECT_FALSE(W<QWidget>("Entstehung")->isVisible());
    auto* pp1 = W<QComboBox>("GeradenDLGPP1");
    ASSERT_EQ(pp1->count(), 1);
    EXPECT_EQ(pp1->itemText(0), QStringLiteral("P"));
    ASSERT_EQ(W<QComboBox>("GeradenDLGPV2")->count(), 1);
    EXPECT_EQ(W<QComboBox>("GeradenDLGPV2")->itemText(0), QStringLiteral("v"));
    EXPECT_TRUE(W<QCheckBox>("GeradenDLGcheckduenn")->isChecked());
    EXPECT_EQ(W<QCheckBox>("GeradenDLGRandCheck")->isChecked(), Einstellungen().MitWeissrand);
}

TEST_P(GeradenDialog, ModeLocks) {
    W<QRadioButton>("GeradenDLGPPButton")->click();
    EXPECT_TRUE(W<QWidget>("GeradenDLGPPAnfang")->isVisible());
    EXPECT_FALSE(W<QWidget>("GeradenDLGPABox")->isVisible());
    Erster("Q", {1, 2, 3});
    Zweiter("R", {1, 2, 4});
    EXPECT_FALSE(Aktiv("GeradenDLGPVButton"));
    EXPECT_TRUE(Aktiv("GeradenDLGPaButton"));
    Setze("GeradenDLGPPZ2", "");
    EXPECT_TRUE(Aktiv("GeradenDLGPVButton"));
    Setze("GeradenDLGPPZ2", "4");

    // Incomplete input in the other way: the message, and the dialog stays.
    Setze("GeradenDLGPPZ2", " ");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{"Eingabefenster nicht vollständig ausgefüllt!"});
    EXPECT_TRUE(d.isVisible());

    W<QRadioButton>("GeradenDLGPVButton")->click();
    Name("GeradenDLGPV1", "A");
    Tripel("GeradenDLGPVX1", "GeradenDLGPVY1", "GeradenDLGPVZ1", {0, 0, 0});
    Name("GeradenDLGPV2", "u");
    Tripel("GeradenDLGPVX2", "GeradenDLGPVY2", "GeradenDLGPVZ2", {1, 1, 1});
    EXPECT_FALSE(Aktiv("GeradenDLGPPButton"));
    Name("GeradenDLGPV2", "");
    EXPECT_TRUE(Aktiv("GeradenDLGPPButton"));

    // A complete parameter form locks both other ways.
    W<QRadioButton>("GeradenDLGPaButton")->click();
    for (const char* e : {"GeradenDLGPARPX", "GeradenDLGPARPY", "GeradenDLGPARPZ",
                          "GeradenDLGPARVX", "GeradenDLGPARVY", "GeradenDLGPARVZ"})
        Setze(e, "1");
    EXPECT_FALSE(Aktiv("GeradenDLGPPButton"));
    EXPECT_FALSE(Aktiv("GeradenDLGPVButton"));
    EXPECT_EQ(d.Eingabe().Festlegung, WegParameterform);
}

TEST_P(GeradenDialog, EmptyWayClosesSilently) {
    W<QRadioButton>("GeradenDLGPPButton")->click();
    EXPECT_FALSE(Ok());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_P(GeradenDialog, EqualPointsAlsoWithAnExistingOne) {
    W<QRadioButton>("GeradenDLGPPButton")->click();
    Name("GeradenDLGPP1", "P");
    EXPECT_TRUE(W("GeradenDLGPPX1")->isReadOnly());
    EXPECT_EQ(Text("GeradenDLGPPZ1"), QStringLiteral("6"));
    Zweiter("Q", {4, 5, 6});
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{"Die beiden Punkte sind gleich!"});
    // A name that is not there makes the edits editable again, keeping the text.
    Name("GeradenDLGPP1", "X");
    EXPECT_FALSE(W("GeradenDLGPPX1")->isReadOnly());
    EXPECT_EQ(Text("GeradenDLGPPZ1"), QStringLiteral("6"));
}

TEST_P(GeradenDialog, VectorNameAsFirstPoint) {
    W<QRadioButton>("GeradenDLGPPButton")->click();
    Erster("v", {1, 2, 3});
    EXPECT_FALSE(W("GeradenDLGPPX1")->isReadOnly());
    Zweiter("Q", {4, 2, 3});
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{"Name des 1. Punktes bereits vergeben!"});
}

TEST_P(GeradenDialog, ExistingPointReferencedNewPointRightBehind) {
    W<QRadioButton>("GeradenDLGPPButton")->click();
    Erster("Q", {1, 2, 3});
    Name("GeradenDLGPP2", "P");
    ASSERT_TRUE(Ok());
    EXPECT_FALSE(d.isVisible());
    const int slot = d.Anwenden(dok);
    ASSERT_EQ(slot, 3);
    ASSERT_EQ(test::Liste(dok).Anzahl(), 4);
    const auto& g = Als<TGerade>(*test::Liste(dok)[3]);
    const auto& q = Als<TfrPunkt>(*test::Liste(dok)[4]);
    EXPECT_EQ(g.Name, "g1");
    EXPECT_EQ(g.Festlegung, TGerade::GPP);
    EXPECT_EQ(q.Name, "Q");
    EXPECT_EQ(q.Festlegung, TfrPunkt::Koord);
    EXPECT_EQ(q.Koordinaten, (TTripel{1, 2, 3}));
    EXPECT_EQ(g.Bezuege[0], &q);
    EXPECT_EQ(g.Bezuege[1], p);
    EXPECT_EQ(p->Koordinaten, (TTripel{4, 5, 6}));
    EXPECT_EQ(p->Name, "P");
}

TEST_P(GeradenDialog, SimplifiedDirectionInTheParameterForm) {
    for (TTripel r : {TTripel{2, 4, 6}, TTripel{-2, -4, -6}}) {
        d.GeradeDialogNeu(dok);
        W<QRadioButton>("GeradenDLGPVButton")->click();
        Name("GeradenDLGPV1", "P");
        Name("GeradenDLGPV2", "w");
        Tripel("GeradenDLGPVX2", "GeradenDLGPVY2", "GeradenDLGPVZ2", r);
        ASSERT_TRUE(d.Eingabe().Vollstaendig);
        W<QRadioButton>("GeradenDLGPaButton")->click();
        EXPECT_TRUE(W<QWidget>("GeradenDLGPABox")->isVisible());
        EXPECT_EQ(Text("GeradenDLGPARVX"), QStringLiteral("1"));
        EXPECT_EQ(Text("GeradenDLGPARVY"), QStringLiteral("2"));
        EXPECT_EQ(Text("GeradenDLGPARVZ"), QStringLiteral("3"));
        EXPECT_EQ(Text("GeradenDLGPARPX"), QStringLiteral("4"));
        EXPECT_TRUE(W("GeradenDLGPARVX")->isReadOnly());
        EXPECT_TRUE(Aktiv("GeradenDLGPVButton"));
        EXPECT_EQ(d.Eingabe().Festlegung, WegPunktVektor);
    }
    // Stored in its own way with the vector as typed.
    ASSERT_TRUE(Ok());
    ASSERT_EQ(d.Anwenden(dok), 3);
    EXPECT_EQ(test::Liste(dok)[3]->Festlegung, TGerade::GPV);
    EXPECT_EQ(Als<TVektor>(*test::Liste(dok)[4]).Komponenten, (TTripel{-2, -4, -6}));
}

TEST_P(GeradenDialog, RefusedSwitchReturnsToTheWay) {
    W<QRadioButton>("GeradenDLGPVButton")->click();
    Name("GeradenDLGPV1", "P");
    Name("GeradenDLGPV2", "w");
    Tripel("GeradenDLGPVX2", "GeradenDLGPVY2", "GeradenDLGPVZ2", {0, 0, 0});
    W<QRadioButton>("GeradenDLGPaButton")->click();
    EXPECT_EQ(Texte(), std::vector<std::string>{"Der Richtungsvektor ist der Nullvektor!"});
    EXPECT_TRUE(W<QRadioButton>("GeradenDLGPVButton")->isChecked());
    EXPECT_TRUE(W<QWidget>("GeradenDLGPVAnfang")->isVisible());
}

TEST_P(GeradenDialog, PointPointLineViewedAsParameterFormStaysPointPoint) {
    auto* q = test::Liste(dok).Neu<TfrPunkt>();
    q->Name = "Q";
    q->Koordinaten = {6, 9, 12};
    auto* g = test::Liste(dok).Neu<TGerade>();
    g->Name = "g";
    g->Festlegung = TGerade::GPP;
    g->Bezuege = {p, q, nullptr};
    d.GeradeDialogNeu(dok);
    d.GeradeDialogAusElement(dok, 4);
    EXPECT_TRUE(W<QRadioButton>("GeradenDLGPPButton")->isChecked());
    EXPECT_FALSE(Aktiv("GeradenDLGPVButton"));
    EXPECT_TRUE(Aktiv("GeradenDLGPaButton"));
    EXPECT_EQ(W<QComboBox>("GeradenDLGPP2")->currentText(), QStringLiteral("Q"));
    EXPECT_TRUE(W("GeradenDLGPPX2")->isReadOnly());
    EXPECT_EQ(Text("GeradenDLGPPY2"), QStringLiteral("9"));

    W<QRadioButton>("GeradenDLGPaButton")->click();
    EXPECT_TRUE(W("GeradenDLGPARPX")->isReadOnly());
    // Q - P = (2, 4, 6), shown simplified.
    EXPECT_EQ(Text("GeradenDLGPARVX"), QStringLiteral("1"));
    EXPECT_EQ(Text("GeradenDLGPARVY"), QStringLiteral("2"));
    EXPECT_EQ(Text("GeradenDLGPARVZ"), QStringLiteral("3"));
    W<QCheckBox>("GeradenDLGCheckdick")->click();
    ASSERT_TRUE(Ok());
    d.Anwenden(dok);
    EXPECT_EQ(g->Festlegung, TGerade::GPP);
    EXPECT_EQ(g->Bezuege[0], p);
    EXPECT_EQ(g->Bezuege[1], q);
    EXPECT_EQ(g->Dicke, Einstellungen().DickgeradenDicke);
    EXPECT_EQ(test::Liste(dok).Anzahl(), 4);
}

TEST_P(GeradenDialog, UnchangedParameterFormKeepsTheDirectionExactly) {
    auto* g = test::Liste(dok).Neu<TGerade>();
    g->Name = "g";
    g->Festlegung = TGerade::GPAR;
    g->Punkt = {1, 0, 0};
    g->Richtung = {0.5L, 1, 1.5L};
    d.GeradeDialogNeu(dok);
    d.GeradeDialogAusElement(dok, 3);
    EXPECT_TRUE(W<QRadioButton>("GeradenDLGPaButton")->isChecked());
    EXPECT_FALSE(Aktiv("GeradenDLGPPButton"));
    EXPECT_FALSE(Aktiv("GeradenDLGPVButton"));
    EXPECT_FALSE(W("GeradenDLGPARVX")->isReadOnly());
    EXPECT_EQ(Text("GeradenDLGPARVZ"), QStringLiteral("3"));
    ASSERT_TRUE(Ok());
    d.Anwenden(dok);
    EXPECT_EQ(g->Richtung, (TTripel{0.5L, 1, 1.5L}));
    // Own name kept; another element's name refused.
    d.show();
    d.GeradeDialogNeu(dok);
    d.GeradeDialogAusElement(dok, 3);
    Setze("GeradenDLGName", "P");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), std::vector<std::string>{"Name der Geraden bereits vergeben!"});
    Setze("GeradenDLGName", "g");
    Setze("GeradenDLGPARVX", "7");
    ASSERT_TRUE(Ok());
    d.Anwenden(dok);
    EXPECT_EQ(g->Richtung, (TTripel{7, 2, 3}));
}

TEST_P(GeradenDialog, DerivedLineIsShownOnly) {
    auto* e = test::Liste(dok).Neu<TEbene>();
    e->Name = "E";
    e->Punkt = {0, 0, 0};
    e->Richtung1 = {1, 0, 0};
    e->Richtung2 = {0, 1, 0};
    auto* g = test::Liste(dok).Neu<TGerade>();
    g->Name = "l";
    g->Festlegung = TGerade::GPAR;
    g->Entstehung.Art = TEntstehungsart::LotPE;
    g->Entstehung.Elemente[0].Element = p;
    g->Entstehung.Elemente[1].Element = e;
    dok.Neuaufbau();
    d.GeradeDialogNeu(dok);
    d.GeradeDialogAusElement(dok, 4);
    EXPECT_TRUE(W<QWidget>("Entstehung")->isVisible());
    EXPECT_TRUE(W<QLabel>("LabelEntstehung")->text().startsWith(QStringLiteral("l ")));
    EXPECT_TRUE(W("GeradenDLGPARPX")->isReadOnly());
    EXPECT_FALSE(Aktiv("GeradenDLGPPButton"));
    Setze("GeradenDLGName", "lot");
    EXPECT_TRUE(W<QLabel>("LabelEntstehung")->text().startsWith(QStringLiteral("lot ")));
    ASSERT_TRUE(Ok());
    d.Anwenden(dok);
    EXPECT_EQ(g->Name, "lot");
    EXPECT_EQ(g->Entstehung.Art, TEntstehungsart::LotPE);
}

TEST_P(GeradenDialog, UebernehmenAddsAndStartsAfresh) {
    W<QRadioButton>("GeradenDLGPPButton")->click();
    Erster("Q", {1, 2, 3});
    Zweiter("R", {3, 2, 1});
    W<QPushButton>("Uebernehmen")->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.Uebernommen);
    EXPECT_FALSE(d.Akzeptiert);
    ASSERT_EQ(test::Liste(dok).Anzahl(), 5);
    EXPECT_EQ(test::Liste(dok)[3]->Name, "g1");
    EXPECT_EQ(Text("GeradenDLGName"), QStringLiteral("g2"));
    EXPECT_TRUE(W<QRadioButton>("GeradenDLGPPButton")->isChecked());
    EXPECT_TRUE(Text("GeradenDLGPPX1").isEmpty());
    EXPECT_TRUE(W<QComboBox>("GeradenDLGPP1")->currentText().isEmpty());
    EXPECT_EQ(W<QComboBox>("GeradenDLGPP1")->count(), 3); // P, Q, R
    EXPECT_TRUE(Aktiv("GeradenDLGPVButton"));
}

TEST_P(GeradenDialog, NamesTheFileCannotStoreAreRefusedAtOk) {
    for (const char* e : {"GeradenDLGPARPX", "GeradenDLGPARPY", "GeradenDLGPARPZ",
                          "GeradenDLGPARVX", "GeradenDLGPARVY", "GeradenDLGPARVZ"})
        Setze(e, "1");
    Setze("GeradenDLGName", "g 1");
    EXPECT_FALSE(Ok());
    Setze("GeradenDLGName", "");
    EXPECT_FALSE(Ok());
    Setze("GeradenDLGName", "v");
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte(), (std::vector<std::string>{SpeicherFehler("g 1"), "Name nicht festgelegt!",
                                                 "Name der Geraden bereits vergeben!"}));
    // A new point's name too.
    d.GeradeDialogNeu(dok);
    W<QRadioButton>("GeradenDLGPPButton")->click();
    Erster("Q|1", {1, 2, 3});
    Zweiter("R", {3, 2, 1});
    EXPECT_FALSE(Ok());
    EXPECT_EQ(Texte().back(), SpeicherFehler("Q|1"));
    EXPECT_EQ(test::Liste(dok).Anzahl(), 2);
}

INSTANTIATE_TEST_SUITE_P(Trenner, GeradenDialog, ::testing::Values(',', '.'), testnamen::Trenner);

} // namespace

// Pictures of both dialogs on both pages for looking at the layout; written
// only when KALVORIN_BILDER names a folder.
#include "ui/TPunktDLG.h"

#include <QDir>
#include <QPixmap>

namespace {

TEST(ElementDialogBilder, BothDialogsBothPages) {
    const QByteArray ordner = qgetenv("KALVORIN_BILDER");
    if (ordner.isEmpty()) GTEST_SKIP() << "KALVORIN_BILDER not set";
    QDir().mkpath(QString::fromLocal8Bit(ordner));
    TDokument dok;
    auto* a = test::Liste(dok).Neu<TfrPunkt>();
    a->Name = "A";
    auto* m = test::Liste(dok).Neu<TfrPunkt>();
    m->Name = "M";
    m->Entstehung.Art = TEntstehungsart::Mittelpunkt;
    m->Entstehung.Elemente[0].Element = a;
    m->Entstehung.Elemente[1].Element = a;
    dok.Neuaufbau();
    const auto speichern = [&](QWidget& w, const char* name) {
        w.show();
        QApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(ordner) + QLatin1Char('/') + QLatin1String(name));
    };
    TPunktDLG p;
    p.PunktDialogAusElement(dok, 2);
    speichern(p, "punkt_bestimmung.png");
    p.Seiten->setCurrentWidget(p.SeiteEigenschaften);
    speichern(p, "punkt_eigenschaften.png");
    p.PunktDialogNeu(dok);
    p.AnfangVektorKnopf->click();
    speichern(p, "punkt_anfangvektor.png");
    TGeradenDLG g;
    g.GeradeDialogNeu(dok);
    speichern(g, "gerade_parameterform.png");
    g.PPButton->click();
    speichern(g, "gerade_punktpunkt.png");
    g.Seiten->setCurrentWidget(g.SeiteEigenschaften);
    speichern(g, "gerade_eigenschaften.png");
}

} // namespace
