// The worksheet of the Abitur exercise as a teacher gets it from
// kalvorin-tool worksheet: the PDF's page 1 (read back with pdftotext) holds
// the given data and nothing derived, page 2 every result; the LaTeX file
// compiles with pdflatex alone to two pages. With KALVORIN_BILDER set, the
// pages are left there as PNG files to look at.

#include "document/Abiturszene.h"
#include "storage/TestOrdner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

struct TLauf {
    int Code = -1;
    std::string Aus;
};

TLauf Starten(const QString& programm, const QStringList& argumente, const QString& ordner = {}) {
    QProcess p;
    if (!ordner.isEmpty()) p.setWorkingDirectory(ordner);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    TLauf r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Aus = p.readAll().toStdString();
    return r;
}

class Arbeitsblattausgabe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(abitur.D.Speichern(ordner / "abitur.kvr")); }

    QString Datei(const char* name) const { return QString::fromStdString(ordner / name); }

    TLauf Werkzeug(const QString& aus) {
        return Starten(QStringLiteral(KALVORIN_WERKZEUG),
                       {QStringLiteral("worksheet"), Datei("abitur.kvr"), aus,
                        QStringLiteral("--titel"), QStringLiteral("Abstand Punkt – Ebene"),
                        QStringLiteral("--klasse"), QStringLiteral("Q2 & LK")});
    }

    // The text of the pages von..bis (bis 0: the last).
    std::string Seitentext(const QString& pdf, int von, int bis) {
        QStringList a = {QStringLiteral("-f"), QString::number(von)};
        if (bis > 0) a << QStringLiteral("-l") << QString::number(bis);
        const TLauf l = Starten(QStringLiteral("pdftotext"), a << pdf << QStringLiteral("-"));
        EXPECT_EQ(l.Code, 0) << l.Aus;
        return l.Aus;
    }

    int Seitenzahl(const QString& pdf) {
        const TLauf l = Starten(QStringLiteral("pdfinfo"), {pdf});
        const auto p = l.Aus.find("Pages:");
        return p == std::string::npos ? -1 : std::stoi(l.Aus.substr(p + 6));
    }

    // The pages as PNG files in KALVORIN_BILDER, when it is set.
    void Ablegen(const QString& pdf, const QString& stamm) {
        const QString ziel = qEnvironmentVariable("KALVORIN_BILDER");
        if (ziel.isEmpty()) return;
        QDir().mkpath(ziel);
        const TLauf l = Starten(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-png"),
                                 pdf, ziel + QLatin1Char('/') + stamm});
        EXPECT_EQ(l.Code, 0) << l.Aus;
        QFile::remove(ziel + QStringLiteral("/abitur.kvr"));
        QFile::copy(Datei("abitur.kvr"), ziel + QStringLiteral("/abitur.kvr"));
    }

    TAbiturBlatt abitur;
    TTestOrdner ordner;
};

TEST_F(Arbeitsblattausgabe, PdfTaskPageHasNoDerivedElementAndSolutionPageHasAll) {
    const QString pdf = Datei("blatt.pdf");
    const TLauf l = Werkzeug(pdf);
    ASSERT_EQ(l.Code, 0) << l.Aus;
    // The solution is drawn smaller where it is long, so that it stays on
    // the back of the task.
    EXPECT_EQ(Seitenzahl(pdf), 2);
    const std::string aufgabe = Seitentext(pdf, 1, 1), loesung = Seitentext(pdf, 2, 2);
    for (const char* s : {"Abstand Punkt – Ebene", "Klasse: Q2 & LK", "Aufgabe", "Gegeben:",
                          "A(2|0|0)", "B(0|4|0)", "C(0|0|3)", "S(4|4|5)", "6x₁ + 3x₂ + 4x₃ = 12"})
        EXPECT_NE(aufgabe.find(s), std::string::npos) << s << "\n" << aufgabe;
    // Neither the foot F, nor the perpendicular's equation, nor the distance.
    for (const char* s : {"20/61", "112/61", "129/61", "44/61", "√61", "r ·"})
        EXPECT_EQ(aufgabe.find(s), std::string::npos) << s << "\n" << aufgabe;
    for (const char* s : {"Lösung", "F(−20/61 | 112/61 | 129/61)", "l: x⃗ =", "r ·",
                          "Länge von SF: 44/61·√61", "Lösungsweg: Lot", "Ergebnis: F("})
        EXPECT_NE(loesung.find(s), std::string::npos) << s << "\n" << loesung;
    Ablegen(pdf, QStringLiteral("arbeitsblatt-pdf"));
}

TEST_F(Arbeitsblattausgabe, LatexCompilesWithPdflatexAloneToTwoPages) {
    const QString tex = Datei("blatt.tex");
    const TLauf l = Werkzeug(tex);
    ASSERT_EQ(l.Code, 0) << l.Aus;
    const TLauf p = Starten(QStringLiteral("pdflatex"),
                            {QStringLiteral("-interaction=nonstopmode"),
                             QStringLiteral("-halt-on-error"), QStringLiteral("blatt.tex")},
                            QString::fromStdString(ordner.Pfad().string()));
    ASSERT_EQ(p.Code, 0) << p.Aus.substr(p.Aus.size() > 3000 ? p.Aus.size() - 3000 : 0);
    const QString pdf = Datei("blatt.pdf");
    EXPECT_EQ(Seitenzahl(pdf), 2);
    // Long equations are scaled to the line: no box sticks out of the page.
    QFile log(Datei("blatt.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_FALSE(log.readAll().contains("Overfull \\hbox"));
    const std::string aufgabe = Seitentext(pdf, 1, 1), loesung = Seitentext(pdf, 2, 2);
    EXPECT_NE(aufgabe.find("Q2 & LK"), std::string::npos) << aufgabe;
    EXPECT_NE(aufgabe.find("Gegeben:"), std::string::npos) << aufgabe;
    EXPECT_EQ(aufgabe.find("61"), std::string::npos) << aufgabe;
    EXPECT_NE(loesung.find("61"), std::string::npos) << loesung;
    Ablegen(pdf, QStringLiteral("arbeitsblatt-tex"));
}

TEST_F(Arbeitsblattausgabe, WrongTargetsAreRefusedWithoutAFile) {
    struct TFall {
        QStringList Argumente;
        int Code;
    };
    const TFall faelle[] = {
        {{QStringLiteral("worksheet"), Datei("abitur.kvr"), Datei("blatt.png")}, 1},
        {{QStringLiteral("worksheet"), Datei("abitur.kvr")}, 1},
        {{QStringLiteral("worksheet"), Datei("fehlt.kvr"), Datei("blatt.pdf")}, 2},
        {{QStringLiteral("worksheet"), Datei("abitur.kvr"), Datei("blatt.pdf"),
          QStringLiteral("--titel"), QStringLiteral(" ")},
         1},
    };
    for (const TFall& f : faelle) {
        const TLauf l = Starten(QStringLiteral(KALVORIN_WERKZEUG), f.Argumente);
        EXPECT_EQ(l.Code, f.Code) << f.Argumente.join(QLatin1Char(' ')).toStdString() << "\n"
                                  << l.Aus;
        EXPECT_FALSE(QFile::exists(Datei("blatt.pdf")));
        EXPECT_FALSE(QFile::exists(Datei("blatt.png")));
    }
}

} // namespace
