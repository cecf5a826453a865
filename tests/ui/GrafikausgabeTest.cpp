// The graphic output as the user meets it: the options dialog, printing into
// a PDF file and measuring the page, the metafile read back by another
// program and compared with the screen, the other picture files, the
// clipboard, and what happens when a file cannot be written.

#include "Testnamen.h"
#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "storage/Einstellungen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"
#include "ui/Ausgabeoptionen.h"
#include "ui/Hilfe.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TAusgabeDlg.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"
#include "view/qt/Bildausgabe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

using namespace kalvorin;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString Q(const char* muster) {
    return Q(test::MitTrenner(muster));
}

struct TProgramm {
    int Code = -1;
    QByteArray Aus, Fehler;
};

TProgramm Starten(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    TProgramm r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Aus = p.readAllStandardOutput();
    r.Fehler = p.readAllStandardError();
    return r;
}

// The rectangle of every pixel that is not (nearly) white.
QRect Gezeichnet(const QImage& bild) {
    const QImage b = bild.convertToFormat(QImage::Format_ARGB32);
    int x0 = b.width(), y0 = b.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < b.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x) {
            const QRgb c = zeile[x];
            // Pixels left transparent are the paper.
            if (qAlpha(c) > 10 && (qRed(c) < 245 || qGreen(c) < 245 || qBlue(c) < 245)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// The drawn rectangle as shares of the picture's width and height.
QRectF Anteile(const QImage& bild) {
    const QRect r = Gezeichnet(bild);
    return {double(r.left()) / bild.width(), double(r.top()) / bild.height(),
            double(r.width()) / bild.width(), double(r.height()) / bild.height()};
}

// A figure for a worksheet: four points, a triangle, three planes of
// different see-through, a line and a segment, all named.
void Aufgabenbild(TDokument& d) {
    TListe& l = test::Liste(d);
    const auto punkt = [&](const char* name, TTripel k, TFarbe farbe) {
        auto* p = l.Neu<TfrPunkt>();
        p->Name = name;
        p->Koordinaten = k;
        p->Farbe = farbe;
        p->NameSichtbar = true;
        return p;
    };
    auto* a = punkt("A", {5, 0, 0}, RGB(0, 0, 200));
    auto* b = punkt("B", {0, 6, 0}, RGB(0, 0, 200));
    auto* c = punkt("C", {0, 0, 4}, RGB(0, 0, 200));
    auto* s = punkt("S", {4, 5, 6}, RGB(200, 0, 0));
    auto* dreieck = l.Neu<TDreieck>();
    dreieck->Name = "D";
    dreieck->Bezuege = {a, b, c};
    dreieck->Farbe = RGB(120, 200, 120);
    dreieck->NameSichtbar = true;
    const auto ebene = [&](const char* name, TTripel p, TTripel u, TTripel v, int transparenz,
                           TFarbe farbe) {
        auto* e = l.Neu<TEbene>();
        e->Name = name;
        e->Festlegung = TEbene::EPAR;
        e->Punkt = p;
        e->Richtung1 = u;
        e->Richtung2 = v;
        e->Transparenz = transparenz;
        e->Farbe = farbe;
        e->NameSichtbar = true;
    };
    ebene("E", {0, 0, 2}, {1, 0, 0}, {0, 1, 0.3L}, 1, RGB(255, 220, 120));
    ebene("F", {3, 0, 0}, {0, 1, 0}, {0, 0, 1}, 2, RGB(120, 160, 255));
    ebene("H", {0, 3, 0}, {1, 0, 0}, {0, 0, 1}, 0, RGB(230, 230, 230));
    auto* g = l.Neu<TGerade>();
    g->Name = "g";
    g->Festlegung = TGerade::GPP;
    g->Bezuege = {a, s, nullptr};
    g->Farbe = RGB(0, 140, 0);
    g->Dicke = 2;
    g->NameSichtbar = true;
    auto* strecke = l.Neu<TStrecke>();
    strecke->Name = "s";
    strecke->Bezuege = {b, s, nullptr};
    strecke->Farbe = RGB(160, 0, 160);
    strecke->NameSichtbar = true;
    d.Neuaufbau();
    test::SetzeGeaendert(d, false);
}

// What the hooks answer: the options dialog, the printer dialog, the save dialog.
struct TAntworten {
    std::function<void(TAusgabeDlg&)> Optionen = [](TAusgabeDlg& d) { d.OKBtn->click(); };
    bool Drucken = true;
    QString PdfDatei;
    std::deque<TDateiAntwort> Dateien;
};

class Grafikausgabe : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        optionen_ = Ausgabeoptionen();
        zeigen_ = TAusgabeDlg::Zeigen;
        druckDialog_ = DruckDialog;
        TAusgabeDlg::Zeigen = [this](TAusgabeDlg& d) {
            ++optionenGezeigt;
            antworten.Optionen(d);
            return d.result() == QDialog::Accepted;
        };
        DruckDialog = [this](QWidget*, QPrinter& p, TDruckdialogArt art) {
            druckArten.push_back(art);
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(antworten.PdfDatei);
            return antworten.Drucken;
        };
        haupt = std::make_unique<TMainForm>();
        haupt->DateiDialog = [this](const TDateiAnfrage& a) {
            anfragen.push_back(a);
            if (antworten.Dateien.empty()) return TDateiAntwort{};
            TDateiAntwort x = antworten.Dateien.front();
            antworten.Dateien.pop_front();
            return x;
        };
        haupt->resize(1000, 800);
        haupt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        fenster = haupt->AktivesFenster();
        ASSERT_NE(fenster, nullptr);
        Aufgabenbild(fenster->Dokument());
        QApplication::processEvents();
    }
    void TearDown() override {
        haupt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Ausgabeoptionen() = optionen_;
        TAusgabeDlg::Zeigen = zeigen_;
        DruckDialog = druckDialog_;
    }

    void Befehl(const char* name) {
        ASSERT_TRUE(haupt->Aktion(QString::fromLatin1(name))->isEnabled()) << name;
        haupt->Aktion(QString::fromLatin1(name))->trigger();
        QApplication::processEvents();
    }
    // "&Grafik speichern..." with the answer of the save dialog.
    void Speichern(const QString& datei, const QString& filter = {}) {
        TDateiAntwort a;
        a.Datei = datei;
        a.Filter = filter;
        antworten.Dateien.push_back(a);
        Befehl("Grafik_speichern");
    }
    QString Datei(const char* name) const { return QString::fromStdString(ordner / name); }
    QImage Seite(const QString& pdf) {
        const QString stamm = Datei("seite");
        QFile::remove(stamm + QStringLiteral(".png"));
        // 254 dots per inch: one pixel a tenth of a millimetre.
        const TProgramm p =
            Starten(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                     QStringLiteral("-singlefile"), pdf, stamm});
        EXPECT_EQ(p.Code, 0) << p.Fehler.toStdString();
        return QImage(stamm + QStringLiteral(".png"));
    }
    // The screen's picture of the document, drawn as the view draws it.
    QImage Bildschirmbild(int n, const TZeichenOptionen& o) {
        QImage bild(n, n, QImage::Format_RGB32);
        QPainter p(&bild);
        TDokument& d = fenster->Dokument();
        Malen(p, d.Abbildung().LogischesFenster(), QRectF(0, 0, n, n),
              [&](TZeichenflaeche& f) { DokumentZeichnen(d, f, o); });
        return bild;
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : meldungen.Eintraege)
            t.push_back(e.Text);
        return t;
    }

    test::TEinstellungenSichern sichern;
    test::TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TAntworten antworten;
    std::vector<TDateiAnfrage> anfragen;
    std::vector<TDruckdialogArt> druckArten;
    int optionenGezeigt = 0;
    std::unique_ptr<TMainForm> haupt;
    tGrafChildForm* fenster = nullptr;

private:
    TAusgabeoptionen optionen_;
    std::function<bool(TAusgabeDlg&)> zeigen_;
    std::function<bool(QWidget*, QPrinter&, TDruckdialogArt)> druckDialog_;
};

} // namespace

// ---------------------------------------------------------------------------
// The options dialog

TEST_P(Grafikausgabe, DialogShowsItsGroupsFieldsAndDefaults) {
    TFensterAusgabe eigene;
    TAusgabeDlg d(eigene, {10600, 7950});
    EXPECT_EQ(d.windowTitle(), QStringLiteral(" Optionen für die Ausgabe "));
    EXPECT_EQ(d.AbmessungenBox->title(), QStringLiteral(" Abmessungen "));
    EXPECT_EQ(d.EinheitBox->title(),
              QStringLiteral(" Länge einer Einheit bei maßhaltiger Darstellung "));
    EXPECT_EQ(d.VorgabeBox->title(), QStringLiteral(" Vorgabe für die Abmessungen "));
    EXPECT_EQ(d.RahmenBox->title(), QStringLiteral("Rahmen"));
    EXPECT_EQ(d.WieAmBildschirmButton->text(), QStringLiteral("Wie am &Bildschirm"));
    EXPECT_EQ(d.DIN_A5_FormatButton->text(), QStringLiteral("Volles &DIN A5-Format"));
    EXPECT_EQ(d.RahmenCheckBox->text(), QStringLiteral("Rand um die Grafik"));
    EXPECT_EQ(d.SphaereCheckBox->text(), QStringLiteral("Mit Sphäre zeichnen"));
    EXPECT_EQ(d.DruckerButton->text(), QStringLiteral("Druckereinstellungen"));
    EXPECT_EQ(d.OKBtn->text(), QStringLiteral("O&k"));
    EXPECT_EQ(d.CancelBtn->text(), QStringLiteral("Abbruch"));
    EXPECT_EQ(d.HelpBtn->text(), QStringLiteral("&Hilfe"));
    for (const char* name :
         {"BreiteEdit", "HoeheEdit", "xRichtungEdit", "yRichtungEdit", "RahmenCheckBox",
          "SphaereCheckBox", "DruckerButton", "OKBtn", "CancelBtn", "HelpBtn"})
        EXPECT_NE(d.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(THilfe::SeiteFuer(&d), THilfe::SeiteZuThema(QStringLiteral("IDH_Dialog_Ausgabe")));
    EXPECT_EQ(d.BreiteEdit->text(), QStringLiteral("10"));
    EXPECT_EQ(d.HoeheEdit->text(), Q("7,5"));
    EXPECT_EQ(d.xRichtungEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(d.yRichtungEdit->text(), QStringLiteral("1"));
    EXPECT_FALSE(d.RahmenCheckBox->isChecked());
    EXPECT_TRUE(d.SphaereCheckBox->isChecked());
    d.WieAmBildschirmButton->click();
    EXPECT_EQ(d.BreiteEdit->text(), Q("10,6"));
    EXPECT_EQ(d.HoeheEdit->text(), Q("7,95"));
}

TEST_P(Grafikausgabe, WidthTwentyFiveGivesNineteenAndHalfACentimetreGivesOne) {
    TFensterAusgabe eigene;
    {
        TAusgabeDlg d(eigene, {});
        d.BreiteEdit->setText(QStringLiteral("25"));
        d.HoeheEdit->setText(Q("0,5"));
        d.OKBtn->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Ausgabeoptionen().Breite, 19000);
    EXPECT_EQ(Ausgabeoptionen().Hoehe, 1000);
    EXPECT_EQ(eigene.Druckrechteck, (TAusgabeRechteck{0, 0, 19000, 1000}));
    TAusgabeDlg wieder(eigene, {});
    EXPECT_EQ(wieder.BreiteEdit->text(), QStringLiteral("19"));
    EXPECT_EQ(wieder.HoeheEdit->text(), QStringLiteral("1"));
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_P(Grafikausgabe, DinA5AndOkAreShownAtTheNextOpeningAndTheBoxesStartAfresh) {
    TFensterAusgabe eigene;
    {
        TAusgabeDlg d(eigene, {});
        d.DIN_A5_FormatButton->click();
        EXPECT_EQ(d.BreiteEdit->text(), QStringLiteral("19"));
        EXPECT_EQ(d.HoeheEdit->text(), Q("12,85"));
        d.RahmenCheckBox->setChecked(true);
        d.SphaereCheckBox->setChecked(false);
        d.OKBtn->click();
    }
    EXPECT_TRUE(eigene.Rand);
    EXPECT_FALSE(Ausgabeoptionen().MitSphaere);
    TAusgabeDlg wieder(eigene, {});
    EXPECT_EQ(wieder.BreiteEdit->text(), QStringLiteral("19"));
    EXPECT_EQ(wieder.HoeheEdit->text(), Q("12,85"));
    EXPECT_FALSE(wieder.RahmenCheckBox->isChecked());
    EXPECT_TRUE(wieder.SphaereCheckBox->isChecked());
    wieder.OKBtn->click();
    EXPECT_FALSE(eigene.Rand) << "O&k without touching the boxes: frame off";
    EXPECT_TRUE(Ausgabeoptionen().MitSphaere) << "and sphere on";
}

TEST_P(Grafikausgabe, AFieldThatIsNoNumberIsReportedAndTheDialogStaysOpen) {
    TFensterAusgabe eigene;
    TAusgabeDlg d(eigene, {});
    d.show();
    d.xRichtungEdit->setText(QStringLiteral("eins"));
    d.OKBtn->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte(), std::vector<std::string>{"'eins' ist kein gültiger Gleitkommawert"});
    EXPECT_EQ(Ausgabeoptionen().Breite, 0) << "nothing stored";
    d.CancelBtn->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_P(Grafikausgabe, ThePrinterButtonOpensThePrinterSetup) {
    TFensterAusgabe eigene;
    TAusgabeDlg d(eigene, {});
    d.DruckerButton->click();
    EXPECT_EQ(druckArten, std::vector<TDruckdialogArt>{TDruckdialogArt::Einrichten});
    Befehl("Druckereinstellungen");
    EXPECT_EQ(druckArten.size(), 2u);
}

TEST_P(Grafikausgabe, TheCommandsAreThereWithADocumentThePrinterSetupAlways) {
    for (const char* name :
         {"Grafik_speichern", "Grafik_Drucken", "Druckereinstellungen", "Kopieren"})
        EXPECT_TRUE(haupt->Aktion(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_EQ(haupt->Aktion(QStringLiteral("Kopieren"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+C")));
    haupt->AlleSchliessenClick();
    QApplication::processEvents();
    for (const char* name : {"Grafik_speichern", "Grafik_Drucken", "Kopieren"})
        EXPECT_FALSE(haupt->Aktion(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(haupt->Aktion(QStringLiteral("Druckereinstellungen"))->isEnabled());
}

TEST_P(Grafikausgabe, CancellingTheOptionsDoesNothing) {
    antworten.Optionen = [](TAusgabeDlg& d) { d.CancelBtn->click(); };
    antworten.PdfDatei = Datei("nie.pdf");
    Befehl("Grafik_speichern");
    Befehl("Grafik_Drucken");
    Befehl("Kopieren");
    EXPECT_EQ(optionenGezeigt, 3);
    EXPECT_TRUE(anfragen.empty());
    EXPECT_TRUE(druckArten.empty());
    EXPECT_FALSE(QFileInfo::exists(antworten.PdfDatei));
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

// ---------------------------------------------------------------------------
// Printing

TEST_P(Grafikausgabe, PrintedPageMeasuresAsTheOptionsSayDefaultAndDinA5) {
    antworten.PdfDatei = Datei("druck.pdf");
    antworten.Optionen = [](TAusgabeDlg& d) {
        d.RahmenCheckBox->setChecked(true); // the frame marks the drawn area
        d.OKBtn->click();
    };
    Befehl("Grafik_Drucken");
    ASSERT_EQ(druckArten, std::vector<TDruckdialogArt>{TDruckdialogArt::Drucken});
    ASSERT_TRUE(QFileInfo::exists(antworten.PdfDatei)) << "printed into the PDF file";
    const TProgramm info = Starten(QStringLiteral("pdfinfo"), {antworten.PdfDatei});
    ASSERT_EQ(info.Code, 0) << info.Fehler.toStdString();
    EXPECT_TRUE(info.Aus.contains("Pages:           1")) << info.Aus.toStdString();
    // The default 10 cm x 7,5 cm, narrowed to the square picture: 75 mm,
    // at a tenth of a millimetre a pixel.
    const QImage seite = Seite(antworten.PdfDatei);
    ASSERT_FALSE(seite.isNull());
    QRect r = Gezeichnet(seite);
    EXPECT_NEAR(r.width(), 750, 3);
    EXPECT_NEAR(r.height(), 750, 3);

    antworten.Optionen = [](TAusgabeDlg& d) {
        d.DIN_A5_FormatButton->click();
        d.RahmenCheckBox->setChecked(true);
        d.OKBtn->click();
    };
    Befehl("Grafik_Drucken");
    r = Gezeichnet(Seite(antworten.PdfDatei));
    EXPECT_NEAR(r.width(), 1285, 3);
    EXPECT_NEAR(r.height(), 1285, 3);
    EXPECT_TRUE(meldungen.Eintraege.empty()) << Texte().front();
}

TEST_P(Grafikausgabe, ACancelledPrintPrintsNothingAndSaysNothing) {
    antworten.PdfDatei = Datei("abgebrochen.pdf");
    antworten.Drucken = false;
    Befehl("Grafik_Drucken");
    EXPECT_EQ(druckArten.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(antworten.PdfDatei));
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(meldungen.CursorTiefe, 0);
}

TEST_P(Grafikausgabe, PrintingIntoAFolderThatIsNotThereSaysSo) {
    antworten.PdfDatei = Datei("fehlt/druck.pdf");
    Befehl("Grafik_Drucken");
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(meldungen.Eintraege[0].Text,
              "Die Grafik kann nicht gespeichert werden.\r\nDen Ordner gibt es nicht. (" +
                  antworten.PdfDatei.toStdString() + ")");
    EXPECT_EQ(meldungen.CursorTiefe, 0);
    EXPECT_GE(meldungen.CursorAufrufe, 2) << "the wait cursor came and went";
}

// ---------------------------------------------------------------------------
// The metafile and the other picture files

TEST_P(Grafikausgabe, MetafileOfAFullSceneReadsBackAndMatchesTheScreen) {
    antworten.Optionen = [](TAusgabeDlg& d) {
        d.SphaereCheckBox->setChecked(false); // the scene alone decides the layout
        d.OKBtn->click();
    };
    Speichern(Datei("bild"), QStringLiteral("Windows-Grafikdatei (*.wmf)"));
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].Titel, QStringLiteral("Grafik-Datei speichern unter"));
    EXPECT_TRUE(anfragen[0].Filter.startsWith(QStringLiteral("Windows-Grafikdatei (*.wmf);;")));
    EXPECT_EQ(anfragen[0].Dateiname, QStringLiteral("*.wmf"));
    EXPECT_EQ(anfragen[0].Art, TDateiDialogArt::Speichern);
    const QString wmf = Datei("bild.wmf");
    ASSERT_TRUE(QFileInfo::exists(wmf)) << "the filter's extension was added";
    EXPECT_TRUE(meldungen.Eintraege.empty());

    const TProgramm svg =
        Starten(QStringLiteral("wmf2svg"), {QStringLiteral("-o"), Datei("bild.svg"), wmf});
    EXPECT_EQ(svg.Code, 0);
    EXPECT_TRUE(svg.Fehler.isEmpty()) << svg.Fehler.toStdString();
    QFile svgDatei(Datei("bild.svg"));
    ASSERT_TRUE(svgDatei.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgDatei.readAll();
    EXPECT_TRUE(svgText.contains("<polygon")) << "the planes";
    EXPECT_TRUE(svgText.contains(">S</text>")) << "the names";

    const TProgramm gd =
        Starten(QStringLiteral("wmf2gd"),
                {QStringLiteral("--maxwidth=800"), QStringLiteral("--maxheight=800"),
                 QStringLiteral("--maxpect"), QStringLiteral("-o"), Datei("bild.png"), wmf});
    ASSERT_EQ(gd.Code, 0) << gd.Fehler.toStdString();
    const QImage gelesen(Datei("bild.png"));
    ASSERT_FALSE(gelesen.isNull());
    EXPECT_NEAR(double(gelesen.width()) / gelesen.height(), 1.0, 0.01) << "the square picture";
    const QRectF a = Anteile(gelesen), b = Anteile(Bildschirmbild(800, {false, false, false}));
    EXPECT_NEAR(a.left(), b.left(), 0.03);
    EXPECT_NEAR(a.top(), b.top(), 0.03);
    EXPECT_NEAR(a.width(), b.width(), 0.03);
    EXPECT_NEAR(a.height(), b.height(), 0.03);
}

TEST_P(Grafikausgabe, TheTypedExtensionChoosesTheFormatAtTheOptionsSize) {
    struct Fall {
        const char* name;
        QByteArray anfang;
    };
    for (const Fall& f :
         {Fall{"bild.svg", "<?xml"}, Fall{"bild.PDF", "%PDF"}, Fall{"bild.png", "\x89PNG"},
          Fall{"bild.wmf", "\xD7\xCD\xC6\x9A"}, Fall{"bild.tex", "% Grafik aus Kalvorin"}}) {
        // The filter says metafile; the extension wins.
        Speichern(Datei(f.name), QStringLiteral("Windows-Grafikdatei (*.wmf)"));
        QFile datei(Datei(f.name));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << f.name;
        EXPECT_TRUE(datei.readAll().startsWith(f.anfang)) << f.name;
    }
    // 7,5 cm square at 300 dots per inch.
    const QImage png(Datei("bild.png"));
    EXPECT_EQ(png.size(), QSize(886, 886));
    EXPECT_NEAR(png.dotsPerMeterX(), 300 / 0.0254, 1);
    // The page 75 mm square, to the whole point the file gives it in.
    const TProgramm info = Starten(QStringLiteral("pdfinfo"), {Datei("bild.PDF")});
    EXPECT_TRUE(info.Aus.contains("Page size:       213 x 213 pts")) << info.Aus.toStdString();
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_P(Grafikausgabe, TrueScaleIsKeptBetweenOpeningsAndSavesTheTrimmedFigureAtItsSize) {
    int geoeffnet = 0;
    antworten.Optionen = [&](TAusgabeDlg& d) {
        ++geoeffnet;
        if (geoeffnet == 1) {
            EXPECT_FALSE(d.MassstabCheckBox->isChecked());
            EXPECT_EQ(d.SchriftSpinBox->value(), 10);
            d.MassstabCheckBox->setChecked(true);
            d.SchriftSpinBox->setValue(12);
        } else {
            EXPECT_TRUE(d.MassstabCheckBox->isChecked()) << "kept";
            EXPECT_EQ(d.SchriftSpinBox->value(), 12);
        }
        d.OKBtn->click();
    };
    Speichern(Datei("massstab.pdf"));
    EXPECT_TRUE(Ausgabeoptionen().Massstab);
    EXPECT_EQ(Einstellungen().AusgabeSchriftgroesse, 12);
    const TGrafikAuftrag a = Ausgabeauftrag(*fenster);
    const TAusgabeMass ganz = Heftmass(fenster->Dokument().Abbildung().Welt());
    EXPECT_LT(a.Groesse.Breite, ganz.Breite) << "trimmed to the drawing";
    EXPECT_GT(a.Groesse.Breite, ganz.Breite / 4);
    const TProgramm info = Starten(QStringLiteral("pdfinfo"), {Datei("massstab.pdf")});
    const QString seite = QString::fromUtf8(info.Aus).section(QStringLiteral("Page size:"), 1);
    EXPECT_NEAR(seite.simplified().section(QLatin1Char(' '), 0, 0).toDouble() * 25.4 / 72,
                a.Groesse.Breite / 100.0, 0.5)
        << "one unit to the centimetre";
    Befehl("Kopieren"); // opens the options again
    EXPECT_EQ(geoeffnet, 2);
}

TEST_P(Grafikausgabe, WithoutExtensionTheChosenFiltersIsAddedAndAnExistingFileIsAskedAbout) {
    Speichern(Datei("bild"), QStringLiteral("SVG-Grafik (*.svg)"));
    EXPECT_TRUE(QFileInfo::exists(Datei("bild.svg")));
    EXPECT_FALSE(QFileInfo::exists(Datei("bild")));

    test::DateiSchreiben(ordner / "alt.png", "alt");
    meldungen.Antworten = {TAntwort::Nein};
    Speichern(Datei("alt."), QStringLiteral("PNG-Bild (*.png)"));
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_TRUE(meldungen.Eintraege[0].IstFrage);
    EXPECT_EQ(meldungen.Eintraege[0].Text, "Die Datei " + ordner / "alt.png" +
                                               " existiert bereits.\r\nSoll sie ersetzt werden?");
    EXPECT_EQ(test::DateiInhalt(ordner / "alt.png"), "alt");

    meldungen.Antworten = {TAntwort::Ja};
    Speichern(Datei("alt"), QStringLiteral("PNG-Bild (*.png)"));
    EXPECT_TRUE(test::DateiInhalt(ordner / "alt.png").starts_with("\x89PNG"));
}

namespace {
bool VollerDatentraeger(const std::string&) {
    return false;
}
} // namespace

TEST_P(Grafikausgabe, AFailedWriteKeepsTheOldFileAndSaysSo) {
    test::DateiSchreiben(ordner / "bild.wmf", "alt");
    SetzeErsetzenProbe(&VollerDatentraeger);
    Speichern(Datei("bild.wmf"));
    SetzeErsetzenProbe(nullptr);
    EXPECT_EQ(test::DateiInhalt(ordner / "bild.wmf"), "alt");
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(meldungen.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_EQ(meldungen.Eintraege[0].Text,
              "Die Grafik kann nicht gespeichert werden.\r\nAuf dem Datenträger ist nicht genug "
              "Platz frei. (" +
                  ordner / "bild.wmf" + ")");

    meldungen.Eintraege.clear();
    Speichern(Datei("fehlt/bild.pdf"));
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(Datei("fehlt")));
    EXPECT_EQ(meldungen.CursorTiefe, 0);
}

TEST_P(Grafikausgabe, CancellingTheSaveDialogDoesNothing) {
    Befehl("Grafik_speichern");
    EXPECT_EQ(anfragen.size(), 1u);
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_TRUE(std::filesystem::is_empty(ordner.Pfad()));
}

// ---------------------------------------------------------------------------
// The clipboard and the screen

TEST_P(Grafikausgabe, TheClipboardHoldsImageSvgAndMetafile) {
    antworten.Optionen = [](TAusgabeDlg& d) {
        d.DIN_A5_FormatButton->click();
        d.OKBtn->click();
    };
    Befehl("Kopieren");
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_TRUE(daten->hasImage());
    const QImage bild = qvariant_cast<QImage>(daten->imageData());
    // 12,85 cm square at 300 dots per inch.
    EXPECT_EQ(bild.size(), QSize(1518, 1518));
    EXPECT_TRUE(daten->data(QString::fromLatin1(SvgMimeTyp)).contains("<svg"));
    const QByteArray wmf = daten->data(QString::fromLatin1(WmfMimeTyp));
    EXPECT_TRUE(wmf.startsWith("\xD7\xCD\xC6\x9A"));
    EXPECT_GT(wmf.size(), 1000);
}

TEST_P(Grafikausgabe, TheSphereIsDrawnInTheOutputOnlyNeverLeftOnTheScreen) {
    tAnaGraphBox* box = fenster->Ansicht();
    QApplication::processEvents();
    const QImage bildschirm = box->viewport()->grab().toImage();
    const auto kopieren = [&](bool sphaere) {
        antworten.Optionen = [sphaere](TAusgabeDlg& d) {
            d.SphaereCheckBox->setChecked(sphaere);
            d.OKBtn->click();
        };
        Befehl("Kopieren");
        EXPECT_EQ(Ausgabeoptionen().MitSphaere, sphaere);
        return qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    };
    const QImage ohne = kopieren(false);
    const int vorher = box->Bildaufbauten();
    const QImage mit = kopieren(true); // as the dialog opens: sphere on
    EXPECT_NE(mit, ohne) << "the copied picture has the sphere";
    QApplication::processEvents();
    EXPECT_GT(box->Bildaufbauten(), vorher) << "the view was drawn again";
    EXPECT_EQ(box->viewport()->grab().toImage(), bildschirm) << "but without a circle";
}

INSTANTIATE_TEST_SUITE_P(Trenner, Grafikausgabe, ::testing::Values(',', '.'), testnamen::Trenner);
