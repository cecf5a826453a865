// The window "Lösungsweg" and the page "Gleichungen" of the plane and line
// dialogs.

#include "ui/TLoesungswegForm.h"
#include "document/Testzugang.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/TEbenenDLG.h"
#include "ui/TGeradenDLG.h"
#include "ui/TKugelDLG.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

class Loesungsweg : public ::testing::Test {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = ','; }
    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
};

TEST_F(Loesungsweg, WindowOffersTheTasksOfTheMarksAndCopiesAndSaves) {
    bau.P("S", {4, 4, 5})->markiert = true;
    bau.ENOR("E", {6, 3, 4}, -12)->markiert = true;
    TLoesungswegForm f;
    ASSERT_TRUE(f.Zeigen(dok));
    QStringList aufgaben;
    for (int i = 0; i < f.Aufgabe->count(); ++i)
        aufgaben << f.Aufgabe->itemText(i);
    // The reflection in the plane is offered beside the commands of the marks.
    EXPECT_EQ(aufgaben, (QStringList{QStringLiteral("Lot"), QStringLiteral("Spiegelung"),
                                     QStringLiteral("Länge")}));
    EXPECT_TRUE(f.Text().contains(QStringLiteral("Ergebnis: F(−20/61 | 112/61 | 129/61)")));
    EXPECT_TRUE(f.Latex().contains(QStringLiteral("\\begin{pmatrix}")));
    EXPECT_TRUE(f.Anzeige->toHtml().contains(QStringLiteral("⎛")));
    f.Aufgabe->setCurrentIndex(1);
    EXPECT_TRUE(f.Text().contains(QStringLiteral("Bildpunkt: S'(")));
    f.Aufgabe->setCurrentIndex(2);
    EXPECT_TRUE(f.Text().contains(QStringLiteral("= 44/61·√61 ≈ 5,63 LE")));

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("weg.tex"));
    EXPECT_TRUE(f.Speichern(datei).isEmpty());
    QFile gelesen(datei);
    ASSERT_TRUE(gelesen.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromUtf8(gelesen.readAll());
    EXPECT_TRUE(inhalt.startsWith(QStringLiteral("% Lösungsweg aus Kalvorin.")));
    EXPECT_TRUE(inhalt.contains(QStringLiteral("\\usepackage{amsmath}")));
    EXPECT_FALSE(f.Speichern(ordner.filePath(QStringLiteral("fehlt/weg.tex"))).isEmpty());
}

TEST_F(Loesungsweg, NothingMarkedOffersNothing) {
    bau.P("S", {4, 4, 5});
    TLoesungswegForm f;
    EXPECT_FALSE(f.Zeigen(dok));
}

QString SeitenText(QTabWidget* seiten, const char* name) {
    for (int i = 0; i < seiten->count(); ++i)
        if (seiten->widget(i)->objectName() == QString::fromLatin1(name))
            return seiten->isTabVisible(i)
                       ? static_cast<QPlainTextEdit*>(seiten->widget(i))->toPlainText()
                       : QStringLiteral("(verborgen)");
    return QStringLiteral("(fehlt)");
}

TEST_F(Loesungsweg, PlaneAndLineDialogsShowTheEquationsOfAnElement) {
    auto* a = bau.P("A", {2, 0, 0});
    auto* b = bau.P("B", {0, 4, 0});
    auto* c = bau.P("C", {0, 0, 3});
    bau.E("E", TEbene::EPPP, a, b, c);
    bau.G("g", {4, 4, 5}, {12, 6, 8});
    TEbenenDLG ebene;
    ebene.EbeneDialogNeu(dok);
    EXPECT_EQ(SeitenText(ebene.Seiten, "EbenenDLGGleichungen"), QStringLiteral("(verborgen)"));
    ebene.FuerElement(dok, 4);
    const QString text = SeitenText(ebene.Seiten, "EbenenDLGGleichungen");
    EXPECT_TRUE(text.contains(QStringLiteral("Koordinatenform:\n    E: 6x₁ + 3x₂ + 4x₃ = 12")))
        << text.toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral("Achsenabschnittsform:\n    E: x₁/2 + x₂/4 + x₃/3 = 1")));
    TGeradenDLG gerade;
    gerade.FuerElement(dok, 5);
    EXPECT_TRUE(SeitenText(gerade.Seiten, "GeradenDLGGleichungen")
                    .contains(QStringLiteral("g: x⃗ = (4|4|5) + r·(6|3|4)")));
}

// The sphere's dialog shows its centre form and its vector form; typed as
// an equation, the steps of completing the square stand below it.
TEST_F(Loesungsweg, TheSphereDialogShowsItsEquations) {
    bau.K("K", {1, -2, 3}, 4);
    TKugelDLG kugel;
    kugel.FuerElement(dok, 1);
    const QString text = SeitenText(kugel.Seiten, "KugelDLGGleichungen");
    EXPECT_TRUE(text.contains(QStringLiteral("K: (x₁ − 1)² + (x₂ + 2)² + (x₃ − 3)² = 16")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Vektorgleichung"))) << text.toStdString();
    kugel.FuerNeuesElement(dok);
    EXPECT_EQ(SeitenText(kugel.Seiten, "KugelDLGGleichungen"), QStringLiteral("(verborgen)"));
    kugel.GleichungKnopf->click();
    kugel.Gleichung->setText(QStringLiteral("x² + y² + z² − 2x + 4y − 6z − 2 = 0"));
    const QString weg = kugel.Ergebnis->text();
    // The worked solution names the axes as the equations do.
    EXPECT_TRUE(weg.contains(QStringLiteral("x₁² − 2x₁ = (x₁ − 1)² − 1"))) << weg.toStdString();
    EXPECT_TRUE(weg.contains(QStringLiteral("(x₁ − 1)² + (x₂ + 2)² + (x₃ − 3)² = 16")));
    EXPECT_TRUE(weg.contains(QStringLiteral("M(1|-2|3), r = 4"))) << weg.toStdString();
}

} // namespace
