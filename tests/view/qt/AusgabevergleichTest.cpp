// One picture in every format: each file "Grafik speichern..." writes is
// turned back into pixels by the program a school computer opens it with
// (poppler for PDF, librsvg and LibreOffice for SVG, pdflatex and poppler
// for TikZ, LibreOffice and libwmf for the metafiles) and compared with the
// PNG of the same figure: where the drawing lies, and how its colours look.

#include "ausgabe/Zeichnen.h"
#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/ElementBauer.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"
#include "view/Vollszene.h"
#include "view/qt/Bildausgabe.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

using namespace kalvorin;

namespace {

// Raster resolution of every comparison.
constexpr int Dpi = 150;
// Where the drawing lies, as a share of the picture's width and height.
constexpr double BoxToleranz = 0.02;

struct TProgramm {
    int Code = -1;
    QByteArray Aus;
};

TProgramm Starten(const QString& programm, const QStringList& argumente, int sekunden = 120,
                  const QString& ordner = {}) {
    QProcess p;
    if (!ordner.isEmpty()) p.setWorkingDirectory(ordner);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    TProgramm r;
    if (!p.waitForFinished(sekunden * 1000)) {
        p.kill();
        p.waitForFinished();
        r.Aus = p.readAll();
        return r;
    }
    r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Aus = p.readAll();
    return r;
}

// The picture on white, without alpha.
QImage AufWeiss(const QImage& bild) {
    QImage w(bild.size(), QImage::Format_RGB32);
    w.fill(Qt::white);
    QPainter p(&w);
    p.drawImage(0, 0, bild);
    return w;
}

// The rectangle of every pixel that is not (nearly) white.
QRect Gezeichnet(const QImage& b) {
    int x0 = b.width(), y0 = b.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < b.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x) {
            const QRgb c = zeile[x];
            if (qRed(c) < 235 || qGreen(c) < 235 || qBlue(c) < 235) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

struct TVergleich {
    double Box = 1;     // largest deviation of an edge of the drawing, share of the side
    double Farbe = 255; // mean colour difference inside the drawing, 0..255 per channel
};

// The reader's picture scaled to the reference's size; the colours compared
// in cells of 4 x 4 pixels, so that a line a pixel to the side or smoothed
// otherwise counts little and a plane of another shade counts fully.
TVergleich Vergleichen(const QImage& referenz, const QImage& gelesen) {
    const QImage a = AufWeiss(referenz);
    const QImage b =
        AufWeiss(gelesen).scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    TVergleich v;
    const QRect ra = Gezeichnet(a), rb = Gezeichnet(b);
    if (ra.isNull() || rb.isNull()) return v;
    const double w = a.width(), h = a.height();
    v.Box = std::max({std::abs(ra.left() - rb.left()) / w, std::abs(ra.right() - rb.right()) / w,
                      std::abs(ra.top() - rb.top()) / h, std::abs(ra.bottom() - rb.bottom()) / h});
    const QSize klein(a.width() / 4, a.height() / 4);
    const QImage ka = a.scaled(klein, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage kb = b.scaled(klein, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect innen(ra.left() / 4, ra.top() / 4, ra.width() / 4, ra.height() / 4);
    double summe = 0;
    long n = 0;
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x) {
            const QRgb p = ka.pixel(x, y), q = kb.pixel(x, y);
            summe += (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                      std::abs(qBlue(p) - qBlue(q))) /
                     3.0;
            ++n;
        }
    v.Farbe = n ? summe / n : 255;
    return v;
}

// The Abitur figure: A(2|0|0), B(0|4|0), C(0|0|3), S(4|4|5), the plane ABC
// and the pyramid ABCS, as a new document shows them.
void Abiturszene(TDokument& d) {
    test::TElementBauer bau{test::Liste(d)};
    auto* a = bau.P("A", {2, 0, 0});
    auto* b = bau.P("B", {0, 4, 0});
    auto* c = bau.P("C", {0, 0, 3});
    auto* s = bau.P("S", {4, 4, 5});
    for (auto* p : {a, b, c, s})
        p->NameSichtbar = true;
    auto* e = bau.E("E", TEbene::EPPP, a, b, c);
    e->Farbe = RGB(255, 220, 120);
    e->Transparenz = 1;
    e->NameSichtbar = true;
    auto* dreieck = bau.Dr("D", a, b, c);
    auto* pyramide = bau.Py("P", dreieck, s);
    pyramide->Farbe = RGB(120, 160, 255);
    pyramide->NameSichtbar = true;
}

// The same figure as the worked exercise draws it: over the xy-plane, with
// the perpendicular from S onto E, its foot F and the segment SF. The
// see-through plane lies over the coordinate plane, the pyramid's edges
// and the perpendicular, which the screen shows darkened behind it.
void AbiturszeneMitLot(TDokument& d) {
    Abiturszene(d);
    TDokumentTestzugang::Koordinatensystem(d).Ebenen[0].Zeichnen = true;
    d.Neuaufbau();
    TListe& l = test::Liste(d);
    const auto markieren = [&](std::initializer_list<const char*> namen) {
        for (int i = 1; i <= l.Anzahl(); ++i)
            l[i]->markiert = false;
        for (const char* n : namen)
            l.ElementMitName(n)->markiert = true;
    };
    markieren({"S", "E"});
    ASSERT_TRUE(Loteerzeugen(d));
    l[l.Anzahl()]->Name = "l";
    markieren({"l", "E"});
    ASSERT_TRUE(Schneiden(d));
    l[l.Anzahl()]->Name = "F";
    l[l.Anzahl()]->NameSichtbar = true;
    markieren({});
    test::TElementBauer{l}.S("SF", l.ElementMitName("S"), l.ElementMitName("F"));
    d.Neuaufbau();
}

struct TSzene {
    const char* Name;
    std::function<void(TDokument&)> Bauen;
};

// The readers, each turning its file into a PNG; false when it cannot.
struct TLeser {
    const char* Name;
    const char* Endung;
};

const std::vector<TLeser> Leser = {
    {"pdf (pdftoppm)", "pdf"},    {"svg (rsvg-convert)", "svg"}, {"tex (pdflatex+pdftoppm)", "tex"},
    {"wmf (wmf2gd)", "wmf"},      {"wmf (LibreOffice)", "wmf"},  {"emf (LibreOffice)", "emf"},
    {"svg (LibreOffice)", "svg"},
};

// Upper bounds of the mean colour difference per reader (0..255 per
// channel, in cells of 4 x 4 pixels). Vector readers smooth lines and text
// their own way and set the labels in their own fonts, and blend where the
// PNG combines see-through planes bit by bit. The 16-bit metafile shows
// see-through fills as lines over two thirds of their area, darker so that
// they give the plane's shade on white: LibreOffice smooths them into that
// shade, libwmf draws them unsmoothed and a pixel wider, so darker. Both
// metafiles darken a see-through plane over a coloured fill by what lies
// beneath, as the screen does; the figure with the perpendicular, which has
// the most of that, is held to the same bounds.
const std::map<std::string, double> Farbgrenze = {
    {"pdf (pdftoppm)", 8},     {"svg (rsvg-convert)", 8}, {"tex (pdflatex+pdftoppm)", 8},
    {"wmf (wmf2gd)", 22},      {"wmf (LibreOffice)", 12}, {"emf (LibreOffice)", 10},
    {"svg (LibreOffice)", 10},
};

class Ausgabevergleich : public ::testing::Test {
protected:
    QString Datei(const std::string& name) const { return QString::fromStdString(ordner / name); }

    test::TEinstellungenSichern sichern;
    test::TTestOrdner ordner;
};

} // namespace

TEST_F(Ausgabevergleich, EveryFormatReadBackByItsReaderLooksLikeThePng) {
    for (const char* programm : {"pdftoppm", "rsvg-convert", "pdflatex", "wmf2gd", "soffice"})
        ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(programm)).isEmpty())
            << programm << " fehlt (scripts/setup.sh installiert es)";

    const std::vector<TSzene> szenen = {
        {"voll", [](TDokument& d) { test::Vollszene(d); }},
        {"abitur", [](TDokument& d) { Abiturszene(d); }},
        {"abitur-lot", [](TDokument& d) { AbiturszeneMitLot(d); }},
    };
    struct TBild {
        std::string Stamm;
        QImage Referenz;
        TAusgabeMass Groesse;
    };
    std::vector<TBild> bilder;
    QStringList metadateien;
    for (const TSzene& szene : szenen)
        for (const bool heft : {false, true}) {
            TDokument d;
            szene.Bauen(d);
            if (heft) HeftansichtSetzen(d, true);
            d.Ausgangslage();
            TGrafikAuftrag a;
            a.Fenster = d.Abbildung().LogischesFenster();
            a.Malen = [&d](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); };
            a.Groesse = heft ? Heftmass(d.Abbildung().Welt())
                             : ImSeitenverhaeltnis({10000, 10000}, a.Fenster);
            a.Metadateigroesse = a.Groesse;
            a.Aufloesung = Dpi;
            const std::string stamm = std::string(szene.Name) + (heft ? "-heft" : "-entwurf");
            for (const TGrafikformat& f : Grafikformate()) {
                const QString datei = Datei(stamm + "." + f.Endung);
                ASSERT_TRUE(GrafikSchreiben(datei, f, a).isEmpty()) << datei.toStdString();
                // LibreOffice names its picture after the file alone, so the
                // enhanced metafile and the SVG go to it under names of their own.
                if (std::string_view(f.Endung) == "wmf") metadateien << datei;
                if (std::string_view(f.Endung) == "emf" || std::string_view(f.Endung) == "svg") {
                    const QString kopie =
                        Datei(std::string(f.Endung) + "-" + stamm + "." + f.Endung);
                    ASSERT_TRUE(QFile::copy(datei, kopie));
                    metadateien << kopie;
                }
            }
            bilder.push_back({stamm, Rasterbild(a), a.Groesse});
        }

    // LibreOffice once for every metafile and SVG, with a profile of its own.
    const QString lo = Datei("lo");
    const TProgramm office =
        Starten(QStringLiteral("soffice"),
                QStringList{QStringLiteral("-env:UserInstallation=file://") + Datei("lo-profil"),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("png"), QStringLiteral("--outdir"), lo} +
                    metadateien,
                300);
    ASSERT_EQ(office.Code, 0) << office.Aus.toStdString();

    for (const TBild& bild : bilder) {
        const int w = bild.Referenz.width(), h = bild.Referenz.height();
        const QString stamm = Datei(bild.Stamm);
        for (const TLeser& leser : Leser) {
            const std::string name = leser.Name;
            const QString datei = stamm + QLatin1Char('.') + QLatin1String(leser.Endung);
            if (!QFile::exists(datei)) continue; // a format this build does not write
            const QString png = stamm + QLatin1Char('-') + QLatin1String(leser.Endung);
            TProgramm p;
            QString ergebnis = png + QStringLiteral(".png");
            const auto pdf = [&](const QString& quelle) {
                return Starten(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), quelle, png});
            };
            if (name.find("Office") != std::string::npos) {
                // Read above, all at once.
                ergebnis = lo + QLatin1Char('/') + QString::fromStdString(bild.Stamm) +
                           QStringLiteral(".png");
                if (QLatin1String(leser.Endung) != QLatin1String("wmf"))
                    ergebnis = lo + QLatin1Char('/') + QLatin1String(leser.Endung) +
                               QLatin1Char('-') + QString::fromStdString(bild.Stamm) +
                               QStringLiteral(".png");
                p.Code = 0;
            } else if (name.starts_with("pdf")) {
                p = pdf(datei);
            } else if (name.starts_with("svg")) {
                p = Starten(QStringLiteral("rsvg-convert"),
                            {QStringLiteral("-w"), QString::number(w), QStringLiteral("-h"),
                             QString::number(h), QStringLiteral("-o"), ergebnis, datei});
            } else if (name.starts_with("tex")) {
                // Under a name of its own: pdflatex writes its PDF beside it.
                const QString tikz = stamm + QStringLiteral("-tikz");
                QFile::remove(tikz + QStringLiteral(".tex"));
                EXPECT_TRUE(QFile::copy(datei, tikz + QStringLiteral(".tex")));
                p = Starten(QStringLiteral("pdflatex"),
                            {QStringLiteral("-interaction=batchmode"),
                             QStringLiteral("-halt-on-error"), tikz + QStringLiteral(".tex")},
                            120, QString::fromStdString(ordner.Pfad().string()));
                if (p.Code == 0) p = pdf(tikz + QStringLiteral(".pdf"));
            } else if (name.find("wmf2gd") != std::string::npos) {
                p = Starten(QStringLiteral("wmf2gd"),
                            {QStringLiteral("--maxwidth=%1").arg(w),
                             QStringLiteral("--maxheight=%1").arg(h), QStringLiteral("--maxpect"),
                             QStringLiteral("-o"), ergebnis, datei});
            }
            ASSERT_EQ(p.Code, 0) << name << ": " << p.Aus.toStdString();
            QImage gelesen(ergebnis);
            if (name.find("Office") != std::string::npos) {
                // LibreOffice puts the picture at its size on paper in the
                // middle of a page, at 96 dots per inch.
                const double b = InPixel(bild.Groesse.Breite, 96),
                             h2 = InPixel(bild.Groesse.Hoehe, 96);
                gelesen = gelesen.copy(
                    QRectF((gelesen.width() - b) / 2, (gelesen.height() - h2) / 2, b, h2).toRect());
            }
            // To look at the pictures: a folder to keep them in.
            if (const char* behalten = std::getenv("KALVORIN_AUSGABEVERGLEICH")) {
                const QString ziel =
                    QString::fromLocal8Bit(behalten) + QLatin1Char('/') +
                    QString::fromStdString(bild.Stamm) + QLatin1Char('-') +
                    QString::fromStdString(name).section(QLatin1Char(' '), 0, 0) +
                    (name.find("Office") != std::string::npos ? QStringLiteral("-lo.png")
                                                              : QStringLiteral(".png"));
                gelesen.save(ziel);
                bild.Referenz.save(QString::fromLocal8Bit(behalten) + QLatin1Char('/') +
                                   QString::fromStdString(bild.Stamm) + QStringLiteral("-ref.png"));
            }
            ASSERT_FALSE(gelesen.isNull()) << name << " " << ergebnis.toStdString();
            const TVergleich v = Vergleichen(bild.Referenz, gelesen);
            std::printf("%-16s %-24s Rahmen %5.2f %%  Farbe %5.2f\n", bild.Stamm.c_str(),
                        leser.Name, v.Box * 100, v.Farbe);
            EXPECT_LE(v.Box, BoxToleranz) << bild.Stamm << " " << name;
            EXPECT_LE(v.Farbe, Farbgrenze.at(name)) << bild.Stamm << " " << name;
        }
    }
}

// The SVG for office programs and whiteboards: plain shapes with
// presentation attributes, XML that a strict reader takes, names as typed.
TEST_F(Ausgabevergleich, TheSvgIsPlainXmlWithTheNamesAsTypedAndRsvgDrawsIt) {
    TDokument d;
    AbiturszeneMitLot(d);
    test::Liste(d).ElementMitName("A")->Name = "<A&\"1\">";
    test::Liste(d).ElementMitName("S")->Name = "S'&amp;";
    d.Neuaufbau();
    d.Ausgangslage();
    TGrafikAuftrag a;
    a.Fenster = d.Abbildung().LogischesFenster();
    a.Malen = [&d](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); };
    a.Groesse = a.Metadateigroesse = ImSeitenverhaeltnis({10000, 10000}, a.Fenster);
    a.Aufloesung = Dpi;
    const QByteArray svg = SvgDaten(a);
    for (const char* verboten : {"style", "mix-blend-mode", "<use", "<symbol"})
        EXPECT_FALSE(svg.contains(verboten)) << verboten;

    QXmlStreamReader xml(svg);
    QStringList texte;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texte << xml.readElementText();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("<A&\"1\">"))) << texte.join(u' ').toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("S'&amp;")));

    const QString datei = Datei("namen.svg"), png = Datei("namen.png");
    ASSERT_TRUE(GrafikSchreiben(datei, *GrafikformatMitEndung(QStringLiteral("svg")), a).isEmpty());
    const QImage referenz = Rasterbild(a);
    const TProgramm p =
        Starten(QStringLiteral("rsvg-convert"),
                {QStringLiteral("-w"), QString::number(referenz.width()), QStringLiteral("-h"),
                 QString::number(referenz.height()), QStringLiteral("-o"), png, datei});
    ASSERT_EQ(p.Code, 0) << p.Aus.toStdString();
    const TVergleich v = Vergleichen(referenz, QImage(png));
    EXPECT_LE(v.Box, BoxToleranz);
    EXPECT_LE(v.Farbe, Farbgrenze.at("svg (rsvg-convert)"));
}

namespace {

// The words of a PDF page with their boxes in points, as poppler finds them.
struct TWort {
    QString Text;
    double xMin, yMin, xMax, yMax;
};

std::vector<TWort> Woerter(const QString& pdf) {
    const TProgramm p =
        Starten(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<TWort> woerter;
    const QString text = QString::fromUtf8(p.Aus);
    static const QRegularExpression muster(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (auto it = muster.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        woerter.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                           m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return woerter;
}

constexpr double MmProPunkt = 25.4 / 72;

} // namespace

// The font size of a word as poppler reads it from the page.
int Schriftgroesse(const QString& pdf, const QString& wort) {
    const TProgramm xml =
        Starten(QStringLiteral("pdftohtml"),
                {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                 QStringLiteral("-q"), QStringLiteral("-zoom"), QStringLiteral("1"), pdf});
    const QString text = QString::fromUtf8(xml.Aus);
    static const QRegularExpression schrift(
        QStringLiteral("<fontspec id=\"(\\d+)\" size=\"(\\d+)\""));
    std::map<QString, int> groessen;
    for (auto it = schrift.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        groessen[m.captured(1)] = m.captured(2).toInt();
    }
    const QRegularExpression zeile(QStringLiteral("font=\"(\\d+)\"[^>]*>(?:<b>)?") +
                                   QRegularExpression::escape(wort) + QStringLiteral("<"));
    const auto m = zeile.match(text);
    return m.hasMatch() ? groessen[m.captured(1)] : 0;
}

double SeitenbreiteMm(const QString& pdf) {
    const TProgramm info = Starten(QStringLiteral("pdfinfo"), {pdf});
    static const QRegularExpression seite(
        QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const auto s = seite.match(QString::fromUtf8(info.Aus));
    return s.hasMatch() ? s.captured(1).toDouble() * MmProPunkt : 0;
}

TEST_F(Ausgabevergleich, AtTrueScaleTheUnitIsOneCentimetreAndLabelsTenPoint) {
    for (const bool heft : {true, false}) {
        // The y-axis alone with its tick numbers, and a point on it, named.
        TDokument d;
        TDokumentTestzugang::Koordinatensystem(d).Achsen[0].Zeichnen = false;
        TDokumentTestzugang::Koordinatensystem(d).Achsen[2].Zeichnen = false;
        test::TElementBauer bau{test::Liste(d)};
        bau.P("Q", {0, 4, 0})->NameSichtbar = true;
        if (heft) HeftansichtSetzen(d, true);
        d.Ausgangslage();
        TGrafikAuftrag a;
        a.Fenster = d.Abbildung().LogischesFenster();
        a.Malen = [&d](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); };
        MassstabAnwenden(a, d.Abbildung().Welt(), heft, 10);
        const QString pdf = Datei(heft ? "massstab-heft.pdf" : "massstab.pdf");
        ASSERT_TRUE(
            GrafikSchreiben(pdf, *GrafikformatMitEndung(QStringLiteral("pdf")), a).isEmpty());

        EXPECT_EQ(Schriftgroesse(pdf, QStringLiteral("Q")), 10) << "the name, heft " << heft;
        // The page: the drawing and a margin, not the view's whole window.
        EXPECT_NEAR(SeitenbreiteMm(pdf), a.Groesse.Breite / 100.0, 0.5);
        EXPECT_LT(a.Groesse.Breite, Heftmass(d.Abbildung().Welt()).Breite) << "trimmed";
        if (!heft) continue;

        // The textbook view numbers every tick: 1 and 5 stand as far apart
        // as the ticks 0 and 4.
        const std::vector<TWort> woerter = Woerter(pdf);
        const auto mitte = [&](const char* text) {
            for (const TWort& w : woerter)
                if (w.Text == QLatin1String(text)) return (w.xMin + w.xMax) / 2;
            ADD_FAILURE() << text << " fehlt";
            return 0.0;
        };
        EXPECT_NEAR((mitte("5") - mitte("1")) * MmProPunkt, 40, 0.2);
        EXPECT_NEAR((mitte("6") - mitte("2")) * MmProPunkt, 40, 0.2);
        EXPECT_EQ(Schriftgroesse(pdf, QStringLiteral("5")), 10) << "a tick number";
    }
}

// Text needs a GUI application; without a display on the offscreen platform.
int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir einstellungsOrdner;
    ::setenv("XDG_CONFIG_HOME", einstellungsOrdner.path().toLocal8Bit().constData(), 1);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
