// The LaTeX/TikZ picture as a teacher uses it: saved with "&Grafik
// speichern...", compiled on its own with pdflatex to a page of the
// options' size whose picture lies where the PNG file's does, its picture
// part put into a worksheet with \input, and the same file from
// kalvorin-tool.

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"
#include "ui/Ausgabeoptionen.h"
#include "ui/TAusgabeDlg.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"
#include "view/Tikz.h"
#include "view/Vollszene.h"
#include "view/qt/Bildausgabe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace kalvorin;

namespace {

struct TLauf {
    int Code = -1;
    QByteArray Aus;
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
    r.Aus = p.readAll();
    return r;
}

QByteArray Lesen(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// The drawn rectangle (every pixel not nearly white) as shares of the
// picture's width and height, and the mean grey inside it.
struct TLage {
    QRectF Anteile;
    double Grau = 0;
};

TLage Lage(const QImage& bild) {
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    int x0 = b.width(), y0 = b.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < b.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x)
            if (qRed(zeile[x]) < 245 || qGreen(zeile[x]) < 245 || qBlue(zeile[x]) < 245) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    TLage l;
    if (x1 < 0) return l;
    double summe = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            summe += qGray(b.pixel(x, y));
    l.Grau = summe / ((x1 - x0 + 1.0) * (y1 - y0 + 1.0));
    l.Anteile = {double(x0) / b.width(), double(y0) / b.height(), double(x1 - x0 + 1) / b.width(),
                 double(y1 - y0 + 1) / b.height()};
    return l;
}

// pdfinfo's page size in points.
QSizeF Seitengroesse(const QByteArray& info) {
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))
                       .match(QString::fromUtf8(info));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

constexpr double PunktProCm = 72 / 2.54;

class Tikzausgabe : public ::testing::Test {
protected:
    void SetUp() override {
        optionen_ = Ausgabeoptionen();
        zeigen_ = TAusgabeDlg::Zeigen;
        TAusgabeDlg::Zeigen = [this](TAusgabeDlg& d) {
            d.BreiteEdit->setText(breite);
            d.HoeheEdit->setText(hoehe);
            d.SphaereCheckBox->setChecked(false); // the scene alone decides the layout
            d.OKBtn->click();
            return d.result() == QDialog::Accepted;
        };
        haupt = std::make_unique<TMainForm>();
        haupt->DateiDialog = [this](const TDateiAnfrage& a) {
            filter = a.Filter;
            return antwort;
        };
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        fenster = haupt->AktivesFenster();
        ASSERT_NE(fenster, nullptr);
        test::Vollszene(fenster->Dokument());
        QApplication::processEvents();
    }
    void TearDown() override {
        haupt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Ausgabeoptionen() = optionen_;
        TAusgabeDlg::Zeigen = zeigen_;
    }

    // "&Grafik speichern..." answered with the file and the filter.
    void Speichern(const QString& datei, const QString& mitFilter) {
        antwort = {};
        antwort.Datei = datei;
        antwort.Filter = mitFilter;
        QAction* a = haupt->Aktion(QStringLiteral("Grafik_speichern"));
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
        QApplication::processEvents();
    }
    QString Datei(const char* name) const { return QString::fromStdString(ordner / name); }
    QString Ordner() const { return QString::fromStdString(ordner.Pfad().string()); }
    // pdflatex in the test folder; the log on failure.
    void Uebersetzen(const char* tex) {
        const TLauf l = Starten(QStringLiteral("pdflatex"),
                                {QStringLiteral("-interaction=nonstopmode"),
                                 QStringLiteral("-halt-on-error"), QString::fromLatin1(tex)},
                                Ordner());
        ASSERT_EQ(l.Code, 0) << l.Aus.right(3000).toStdString();
    }
    QImage Seite(const QString& pdf, int dpi) {
        const QString stamm = Datei("seite");
        const TLauf l = Starten(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), pdf, stamm});
        EXPECT_EQ(l.Code, 0) << l.Aus.toStdString();
        return QImage(stamm + QStringLiteral(".png"));
    }

    test::TEinstellungenSichern sichern;
    test::TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    QString breite = QStringLiteral("12"), hoehe = QStringLiteral("9");
    TDateiAntwort antwort;
    QString filter;
    std::unique_ptr<TMainForm> haupt;
    tGrafChildForm* fenster = nullptr;

private:
    TAusgabeoptionen optionen_;
    std::function<bool(TAusgabeDlg&)> zeigen_;
};

const QString TikzFilter = QStringLiteral("LaTeX/TikZ (*.tex)");

} // namespace

TEST_F(Tikzausgabe, TheFullSceneCompilesToAPageOfTheOptionsSizeLaidOutAsThePngFile) {
    // 12 cm x 9 cm: the square picture fills the shorter side.
    Speichern(Datei("bild"), TikzFilter);
    EXPECT_TRUE(filter.contains(TikzFilter)) << filter.toStdString();
    ASSERT_TRUE(QFile::exists(Datei("bild.tex"))) << "the filter's extension was added";
    EXPECT_TRUE(meldungen.Eintraege.empty()) << meldungen.Eintraege.front().Text;
    const QByteArray tex = Lesen(Datei("bild.tex"));
    EXPECT_TRUE(
        tex.startsWith("% Grafik aus Kalvorin als TikZ-Bild für LaTeX, 9 cm × 9 cm, in UTF-8."));
    for (const char* name : {"{A\\_1}", "{B$'$}", "{S$''$}", "{Ü}", "{Zähler\\_2}",
                             "{g\\_\\{AS\\}}", "{s\\&t}", "{Höhe}", "{p\\#1}", "{1E1}"})
        EXPECT_TRUE(tex.contains(name)) << name;
    std::cout << "[          ] size of the full scene's file: " << tex.size() << " bytes\n";

    Uebersetzen("bild.tex");
    const TLauf info = Starten(QStringLiteral("pdfinfo"), {Datei("bild.pdf")});
    EXPECT_TRUE(
        QString::fromUtf8(info.Aus).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.Aus.toStdString();
    const QSizeF seite = Seitengroesse(info.Aus);
    EXPECT_NEAR(seite.width(), 9 * PunktProCm, 0.05) << info.Aus.toStdString();
    EXPECT_NEAR(seite.height(), 9 * PunktProCm, 0.05);

    Speichern(Datei("bild.png"), TikzFilter); // the extension wins over the filter
    const QImage png(Datei("bild.png"));
    ASSERT_FALSE(png.isNull());
    const QImage pdf = Seite(Datei("bild.pdf"), 150);
    ASSERT_FALSE(pdf.isNull());
    const TLage a = Lage(pdf), b = Lage(png);
    std::cout << "[          ] drawn (left, top, width, height; mean grey): pdflatex "
              << a.Anteile.left() << ", " << a.Anteile.top() << ", " << a.Anteile.width() << ", "
              << a.Anteile.height() << "; " << a.Grau << ", PNG " << b.Anteile.left() << ", "
              << b.Anteile.top() << ", " << b.Anteile.width() << ", " << b.Anteile.height() << "; "
              << b.Grau << "\n";
    EXPECT_NEAR(a.Anteile.left(), b.Anteile.left(), 0.02);
    EXPECT_NEAR(a.Anteile.top(), b.Anteile.top(), 0.02);
    EXPECT_NEAR(a.Anteile.width(), b.Anteile.width(), 0.02);
    EXPECT_NEAR(a.Anteile.height(), b.Anteile.height(), 0.02);
    // The see-through planes' opacities give the patterns' brightness.
    EXPECT_NEAR(a.Grau, b.Grau, 255 * 0.02) << a.Grau << " / " << b.Grau;
}

TEST_F(Tikzausgabe, ThePictureBetweenTheMarkersInputsIntoAWorksheet) {
    breite = hoehe = QStringLiteral("6");
    Speichern(Datei("bild.tex"), TikzFilter);
    const QByteArray tex = Lesen(Datei("bild.tex"));
    const QByteArray anfang =
        QByteArray(TikzBildAnfang.data(), qsizetype(TikzBildAnfang.size())) + '\n';
    const QByteArray ende = QByteArray(TikzBildEnde.data(), qsizetype(TikzBildEnde.size())) + '\n';
    const qsizetype von = tex.indexOf(anfang), bis = tex.indexOf(ende);
    ASSERT_GE(von, 0);
    ASSERT_GT(bis, von);
    const QByteArray bild = tex.mid(von + anfang.size(), bis - von - anfang.size());
    ASSERT_TRUE(Schreiben(Datei("grafik.tex"), bild));
    ASSERT_TRUE(Schreiben(Datei("blatt.tex"), "\\documentclass[12pt,a4paper]{article}\n"
                                              "\\usepackage[T1]{fontenc}\n"
                                              "\\usepackage{lmodern}\n"
                                              "\\usepackage{tikz}\n"
                                              "\\begin{document}\n"
                                              "\\section*{Arbeitsblatt: Pyramiden}\n"
                                              "Die Abbildung zeigt die Pyramide und die Ebenen.\n\n"
                                              "\\begin{center}\n\\input{grafik}\n\\end{center}\n"
                                              "Berechne das Volumen der Pyramide.\n"
                                              "\\end{document}\n"));
    Uebersetzen("blatt.tex");
    const TLauf text =
        Starten(QStringLiteral("pdftotext"), {Datei("blatt.pdf"), QStringLiteral("-")});
    ASSERT_EQ(text.Code, 0);
    const QString t = QString::fromUtf8(text.Aus);
    for (const char* w :
         {"Arbeitsblatt: Pyramiden", "Zähler_2", "Höhe", "E_1", "Berechne das Volumen"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(w))) << w << "\n" << t.toStdString();
    const TLauf info = Starten(QStringLiteral("pdfinfo"), {Datei("blatt.pdf")});
    EXPECT_TRUE(
        QString::fromUtf8(info.Aus).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << "the picture sits in the page as a box";
}

TEST_F(Tikzausgabe, TheToolWritesTheSameFigureAtTheOptionsStartingSize) {
    TDokument& d = fenster->Dokument();
    ASSERT_TRUE(d.Speichern(ordner / "szene.kvr"));
    const QString trenner(QChar::fromLatin1(Einstellungen().Dezimaltrenner));
    const TLauf l = Starten(QStringLiteral(KALVORIN_WERKZEUG),
                            {QStringLiteral("render"), Datei("szene.kvr"), Datei("szene.tex"),
                             QStringLiteral("--decimal-separator"), trenner});
    ASSERT_EQ(l.Code, 0) << l.Aus.toStdString();
    const QByteArray werkzeug = Lesen(Datei("szene.tex"));
    EXPECT_TRUE(
        werkzeug.contains("\\setlength{\\paperwidth}{7.5cm}\n\\setlength{\\paperheight}{7.5cm}\n"));

    // The window as the tool starts it, drawn at the same size.
    d.Ausgangslage();
    TGrafikAuftrag a;
    a.Fenster = d.Abbildung().LogischesFenster();
    a.Malen = [&d](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); };
    a.Groesse = {7500, 7500};
    const QByteArray programm = TikzDaten(a);
    EXPECT_TRUE(werkzeug == programm);

    const TLauf gross = Starten(QStringLiteral(KALVORIN_WERKZEUG),
                                {QStringLiteral("render"), Datei("szene.kvr"), Datei("gross.tex"),
                                 QStringLiteral("--size"), QStringLiteral("378")});
    ASSERT_EQ(gross.Code, 0) << gross.Aus.toStdString();
    EXPECT_TRUE(Lesen(Datei("gross.tex")).contains("\\setlength{\\paperwidth}{10.001cm}"))
        << "--size N: N pixels at 96 dots per inch, as for every format";
}
