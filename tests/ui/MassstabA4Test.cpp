// "Maßstab 1 LE = 1 cm" on A4 paper: the teacher's exercise fits a page,
// with the sphere setting on or off, and a figure that cannot fit is
// offered at 1 LE = 0,5 cm.

#include "Lehreraufgabe.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"
#include "ui/Ausgabeoptionen.h"
#include "ui/TAusgabeDlg.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"
#include "view/Protokollflaeche.h"
#include "view/qt/Bildausgabe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace kalvorin;

namespace {

// The page of a PDF file in centimetres, as poppler reads it.
QSizeF SeiteCm(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000)) return {};
    static const QRegularExpression seite(
        QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const auto m = seite.match(QString::fromUtf8(p.readAllStandardOutput()));
    constexpr double cmProPunkt = 2.54 / 72;
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble() * cmProPunkt,
                                 m.captured(2).toDouble() * cmProPunkt)
                        : QSizeF();
}

// What poppler complains of while drawing the pages (empty: nothing).
std::string Lesefehler(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("10"),
                                         QStringLiteral("-png"), pdf, pdf + QStringLiteral("-s")});
    if (!p.waitForFinished(60000)) return "pdftoppm did not finish";
    return p.readAllStandardError().toStdString();
}

class MassstabA4 : public ::testing::Test {
protected:
    void SetUp() override {
        optionen_ = Ausgabeoptionen();
        zeigen_ = TAusgabeDlg::Zeigen;
        TAusgabeDlg::Zeigen = [this](TAusgabeDlg& d) {
            d.MassstabCheckBox->setChecked(true);
            d.SphaereCheckBox->setChecked(mitSphaere);
            d.OKBtn->click();
            return d.result() == QDialog::Accepted;
        };
        haupt = std::make_unique<TMainForm>();
        haupt->DateiDialog = [this](const TDateiAnfrage&) {
            TDateiAntwort a;
            a.Datei = datei;
            return a;
        };
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        fenster = haupt->AktivesFenster();
        ASSERT_NE(fenster, nullptr);
    }
    void TearDown() override {
        haupt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Ausgabeoptionen() = optionen_;
        TAusgabeDlg::Zeigen = zeigen_;
    }
    // "&Grafik speichern..." into the file.
    QSizeF Speichern(const char* name) {
        datei = QString::fromStdString(ordner / name);
        haupt->Aktion(QStringLiteral("Grafik_speichern"))->trigger();
        QApplication::processEvents();
        return SeiteCm(datei);
    }

    test::TEinstellungenSichern sichern;
    test::TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    tGrafChildForm* fenster = nullptr;
    bool mitSphaere = true;
    QString datei;

private:
    TAusgabeoptionen optionen_;
    std::function<bool(TAusgabeDlg&)> zeigen_;
};

} // namespace

namespace {

// The page fits A4 in either orientation, less the 5 mm printers leave
// white; the PDF page is a whole number of points, up to 0,35 mm larger.
bool AufA4(QSizeF cm) {
    const double kurz = std::min(cm.width(), cm.height()), lang = std::max(cm.width(), cm.height());
    return kurz > 0 && kurz <= 20.0 + 0.04 && lang <= 28.7 + 0.04;
}

// The axes from 0 to 20: more than A4 at 1 LE = 1 cm, within it at half.
void GrosseFigur(TDokument& d) {
    d.KoordinatensystemAendern(
        [](TKoordinatensystem& k) {
            for (TAchsenDaten& a : k.Achsen) {
                a.Unten = 0;
                a.Oben = 20;
            }
        },
        true);
}

// How many dotted circles (the rotation sphere) the output draws.
int Sphaeren(const TGrafikAuftrag& a) {
    test::TProtokollflaeche p;
    a.Malen(p);
    int n = 0;
    for (const test::TAufruf& e : p.Nur(test::TAufruf::Ellipse))
        n += e.stift.Stil == TStiftStil::Punktiert;
    return n;
}

std::string Frage(const std::string& groesse) {
    return "Die Figur passt bei 1 LE = 1 cm nicht auf eine A4-Seite (" + groesse +
           "). Soll sie im Maßstab 1 LE = 0,5 cm ausgegeben werden?";
}

struct TLauf {
    int Code = -1;
    std::string Fehler;
};

TLauf Werkzeug(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(KALVORIN_WERKZEUG), argumente);
    TLauf r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Fehler = p.readAllStandardError().toStdString();
    return r;
}

} // namespace

TEST_F(MassstabA4, TheTeachersExerciseFitsA4WithTheSphereSettingOnOrOff) {
    test::Lehreraufgabe(fenster->Dokument());
    QSizeF seiten[2];
    for (const bool sphaere : {true, false}) {
        SCOPED_TRACE(sphaere ? "mit Sphäre" : "ohne Sphäre");
        mitSphaere = sphaere;
        const QSizeF seite = Speichern(sphaere ? "mit.pdf" : "ohne.pdf");
        EXPECT_TRUE(AufA4(seite)) << seite.width() << " x " << seite.height() << " cm";
        // Not the 31,3 cm square of the sphere; trimmed to the lines, the
        // plane and the names: more than half of A4's long side.
        EXPECT_LT(std::max(seite.width(), seite.height()), 29);
        EXPECT_GT(std::max(seite.width(), seite.height()), 15);
        seiten[sphaere] = seite;
    }
    EXPECT_EQ(seiten[0], seiten[1]) << "the sphere setting changes nothing at true scale";
    EXPECT_TRUE(meldungen.Eintraege.empty()) << "a figure that fits is not asked about";
    EXPECT_EQ(FensterAusgabe(fenster->Ansicht()).MassstabCm, 1);
}

TEST_F(MassstabA4, TheSphereIsLeftOutAtTrueScaleOnly) {
    test::Lehreraufgabe(fenster->Dokument());
    Ausgabeoptionen().MitSphaere = true;
    for (const bool massstab : {false, true}) {
        Ausgabeoptionen().Massstab = massstab;
        EXPECT_EQ(Sphaeren(Ausgabeauftrag(*fenster)), massstab ? 0 : 1) << massstab;
    }
    Ausgabeoptionen().MitSphaere = false;
    Ausgabeoptionen().Massstab = false;
    EXPECT_EQ(Sphaeren(Ausgabeauftrag(*fenster)), 0);
}

TEST_F(MassstabA4, AFigureTooLargeForA4IsOfferedAtHalfTheScale) {
    GrosseFigur(fenster->Dokument());
    meldungen.Antworten = {TAntwort::Nein};
    const QSizeF wahr = Speichern("wahr.pdf");
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_TRUE(meldungen.Eintraege[0].IstFrage);
    EXPECT_EQ(meldungen.Eintraege[0].Knoepfe, TFrageKnoepfe::JaNein);
    const TAusgabeMass gross = Ausgabeauftrag(*fenster).Groesse;
    EXPECT_EQ(meldungen.Eintraege[0].Text, Frage(Papiermass(gross)));
    EXPECT_FALSE(AufA4(wahr)) << "\"Nein\": the true size";
    EXPECT_NEAR(wahr.width(), gross.Breite / 1000.0, 0.05);
    EXPECT_NEAR(wahr.height(), gross.Hoehe / 1000.0, 0.05);

    meldungen.Eintraege.clear();
    meldungen.Antworten = {TAntwort::Ja};
    const QSizeF halb = Speichern("halb.pdf");
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(meldungen.Eintraege[0].Text, Frage(Papiermass(gross))) << "asked at every output";
    EXPECT_EQ(FensterAusgabe(fenster->Ansicht()).MassstabCm, 0.5);
    // Half as large; the margin and the fonts keep their size.
    EXPECT_NEAR(halb.width() / wahr.width(), 0.5, 0.03);
    EXPECT_NEAR(halb.height() / wahr.height(), 0.5, 0.03);
    EXPECT_TRUE(AufA4(halb));
}

TEST_F(MassstabA4, TheToolWritesTheTrueSizeAndSaysWhenItExceedsA4) {
    const std::string gross = ordner / "gross.kvr", aufgabe = ordner / "aufgabe.kvr";
    GrosseFigur(fenster->Dokument());
    ASSERT_TRUE(fenster->Dokument().Speichern(gross));
    TDokument lehrer;
    test::Lehreraufgabe(lehrer);
    ASSERT_TRUE(lehrer.Speichern(aufgabe));
    const auto render = [&](const std::string& ein, const char* aus, const char* option) {
        return Werkzeug({QStringLiteral("render"), QString::fromStdString(ein),
                         QString::fromStdString(ordner / aus), QStringLiteral("--sphere"),
                         QLatin1String(option)});
    };
    struct TFall {
        const std::string& ein;
        const char* aus;
        const char* option;
        bool passt;
    };
    const TFall faelle[] = {
        {gross, "gross.pdf", "--massstab", false},
        {gross, "halb.pdf", "--massstab-halb", true},
        {aufgabe, "aufgabe.pdf", "--massstab", true},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(std::string(f.aus) + " " + f.option);
        const TLauf l = render(f.ein, f.aus, f.option);
        EXPECT_EQ(l.Code, 0) << l.Fehler;
        const QSizeF seite = SeiteCm(QString::fromStdString(ordner / f.aus));
        EXPECT_EQ(AufA4(seite), f.passt) << seite.width() << " x " << seite.height();
        // The z axis meets the plane in C: its pieces there have no length.
        EXPECT_EQ(Lesefehler(QString::fromStdString(ordner / f.aus)), "");
        const std::string hinweis = "größer als eine A4-Seite (";
        EXPECT_EQ(l.Fehler.find(hinweis) != std::string::npos, !f.passt) << l.Fehler;
        if (f.passt) continue;
        // The size it names is the page's.
        const auto ab = l.Fehler.find(hinweis) + hinweis.size();
        const QString mass = QString::fromStdString(l.Fehler.substr(ab));
        EXPECT_NEAR(mass.section(QStringLiteral(" × "), 0, 0).replace(',', '.').toDouble(),
                    seite.width(), 0.06)
            << l.Fehler;
    }
}
