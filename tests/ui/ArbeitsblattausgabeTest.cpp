// The worksheet of the Abitur exercise as a teacher gets it from
// kalvorin-tool worksheet: the PDF's page 1 (read back with pdftotext) holds
// the given data and nothing derived, the pages from 2 on every result; the
// LaTeX file compiles with pdflatex alone. A long document: the solution
// starts on a page of its own, whatever the task takes, and its figure is
// at least 8 cm wide. With KALVORIN_BILDER set, the pages are left there as
// PNG files to look at.

#include "ausgabe/Arbeitsblatt.h"
#include "document/Abiturszene.h"
#include "storage/TestOrdner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

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

    TLauf Werkzeug(const QString& aus, const char* kvr = "abitur.kvr") {
        return Starten(QStringLiteral(KALVORIN_WERKZEUG),
                       {QStringLiteral("worksheet"), Datei(kvr), aus, QStringLiteral("--titel"),
                        QStringLiteral("Abstand Punkt – Ebene"), QStringLiteral("--klasse"),
                        QStringLiteral("Q2 & LK")});
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
    // The solution is drawn in its own size from page 2 on.
    EXPECT_GE(Seitenzahl(pdf), 2);
    const std::string aufgabe = Seitentext(pdf, 1, 1), loesung = Seitentext(pdf, 2, 0);
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

TEST_F(Arbeitsblattausgabe, LatexCompilesWithPdflatexAlone) {
    const QString tex = Datei("blatt.tex");
    const TLauf l = Werkzeug(tex);
    ASSERT_EQ(l.Code, 0) << l.Aus;
    const TLauf p = Starten(QStringLiteral("pdflatex"),
                            {QStringLiteral("-interaction=nonstopmode"),
                             QStringLiteral("-halt-on-error"), QStringLiteral("blatt.tex")},
                            QString::fromStdString(ordner.Pfad().string()));
    ASSERT_EQ(p.Code, 0) << p.Aus.substr(p.Aus.size() > 3000 ? p.Aus.size() - 3000 : 0);
    const QString pdf = Datei("blatt.pdf");
    EXPECT_GE(Seitenzahl(pdf), 2);
    // Long equations are scaled to the line: no box sticks out of the page.
    QFile log(Datei("blatt.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_FALSE(log.readAll().contains("Overfull \\hbox"));
    const std::string aufgabe = Seitentext(pdf, 1, 1), loesung = Seitentext(pdf, 2, 0);
    EXPECT_NE(aufgabe.find("Q2 & LK"), std::string::npos) << aufgabe;
    EXPECT_NE(aufgabe.find("Gegeben:"), std::string::npos) << aufgabe;
    EXPECT_EQ(aufgabe.find("61"), std::string::npos) << aufgabe;
    EXPECT_NE(loesung.find("61"), std::string::npos) << loesung;
    Ablegen(pdf, QStringLiteral("arbeitsblatt-tex"));
}

// The Abitur exercise with eight more points and their feet on E: 34
// elements, with a long solution.
void LangesBlatt(const std::string& datei) {
    TAbiturBlatt t;
    for (int i = 0; i < 8; ++i) {
        const std::string q = "Q" + std::to_string(i);
        t.P(q, {Real(i % 3), Real(1 + i % 2), Real(2 + i % 4)});
        t.D.Neuaufbau();
        t.Markieren({q.c_str(), "E"});
        ASSERT_TRUE(Loteerzeugen(t.D));
        t.Markieren({t.Letztes()->Name.c_str(), "E"});
        ASSERT_TRUE(Schneiden(t.D));
    }
    t.Markieren(std::vector<const char*>{});
    ASSERT_EQ(t.L.Anzahl(), 34);
    ASSERT_TRUE(t.D.Speichern(datei));
}

// The pages' texts, and the first page that is headed "Lösung".
struct TSeiten {
    std::vector<std::string> Texte;
    int Loesung = 0;
};

bool HatZeile(const std::string& text, const std::string& zeile) {
    std::istringstream s(text);
    for (std::string z; std::getline(s, z);)
        if (z == zeile) return true;
    return false;
}

// A word on the page, in points from the top left.
struct TWort {
    double x0, y0, x1, y1;
    std::string Text;
};

std::vector<TWort> Woerter(const std::string& bbox) {
    static const std::regex wort(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<TWort> r;
    for (auto i = std::sregex_iterator(bbox.begin(), bbox.end(), wort); i != std::sregex_iterator();
         ++i)
        r.push_back({std::stod((*i)[1]), std::stod((*i)[2]), std::stod((*i)[3]), std::stod((*i)[4]),
                     (*i)[5]});
    return r;
}

class LangesArbeitsblatt : public Arbeitsblattausgabe {
protected:
    TSeiten Seiten(const QString& pdf) {
        TSeiten s;
        const int n = Seitenzahl(pdf);
        for (int p = 1; p <= n; ++p) {
            s.Texte.push_back(Seitentext(pdf, p, p));
            if (s.Loesung == 0 && HatZeile(s.Texte.back(), "Lösung")) s.Loesung = p;
        }
        return s;
    }

    // The solution starts on a page of its own: nothing of it before, the
    // heading on top of its page, the task's data only before it.
    void LoesungAufEigenerSeite(const TSeiten& s) {
        ASSERT_GE(s.Loesung, 2);
        EXPECT_NE(s.Texte[0].find("Gegeben:"), std::string::npos) << s.Texte[0];
        for (int p = 1; p < s.Loesung; ++p)
            EXPECT_EQ(s.Texte[p - 1].find("Lösungsweg"), std::string::npos) << p;
        const std::string& erste = s.Texte[s.Loesung - 1];
        EXPECT_EQ(erste.find("Gegeben:"), std::string::npos) << erste;
        EXPECT_LT(erste.find("Lösung\n"), erste.find("Lösungsweg")) << erste;
        EXPECT_LT(erste.find("Lösung\n"), 200u) << erste;
    }

    // The horizontal extent of the drawing between the heading "Lösung" and
    // the first line of text below it at the left margin, in cm.
    double Loesungsbildbreite(const QString& pdf, int seite) {
        const QString s = QString::number(seite);
        const TLauf l = Starten(QStringLiteral("pdftotext"),
                                {QStringLiteral("-bbox"), QStringLiteral("-f"), s,
                                 QStringLiteral("-l"), s, pdf, QStringLiteral("-")});
        const std::vector<TWort> w = Woerter(l.Aus);
        const auto kopf =
            std::find_if(w.begin(), w.end(), [](const TWort& x) { return x.Text == "Lösung"; });
        if (kopf == w.end()) return 0;
        const double cm = 72 / 2.54;
        const auto text = std::find_if(kopf + 1, w.end(), [&](const TWort& x) {
            return x.y0 > kopf->y1 + cm && x.x0 < 3 * cm;
        });
        if (text == w.end()) return 0;
        constexpr int Dpi = 100;
        const double px = Dpi / 72.0;
        const int oben = static_cast<int>((kopf->y1 + 2) * px);
        const int hoehe = static_cast<int>((text->y0 - 2) * px) - oben;
        const QString stamm = Datei("band");
        const TLauf r =
            Starten(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-f"), s, QStringLiteral("-l"), s, QStringLiteral("-r"),
                     QString::number(Dpi), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                     QStringLiteral("-y"), QString::number(oben), QStringLiteral("-H"),
                     QString::number(hoehe), QStringLiteral("-W"),
                     QString::number(21 * Dpi * 100 / 254), pdf, stamm});
        EXPECT_EQ(r.Code, 0) << r.Aus;
        std::ifstream f(stamm.toStdString() + ".pgm", std::ios::binary);
        std::string magie;
        int breite = 0, h = 0, max = 0;
        f >> magie >> breite >> h >> max;
        f.get();
        std::vector<unsigned char> bild(static_cast<std::size_t>(breite) * h);
        f.read(reinterpret_cast<char*>(bild.data()), static_cast<std::streamsize>(bild.size()));
        int links = breite, rechts = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < breite; ++x)
                if (bild[static_cast<std::size_t>(y) * breite + x] < 200) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
        return rechts < links ? 0 : (rechts - links + 1) * 2.54 / Dpi;
    }
};

// The share of the figure's width that the drawing fills: the window has a
// margin beside the drawing (ArbeitsblattFenster).
double Zeichnungsanteil(const TDokument& d) {
    const TLogRechteck f = ArbeitsblattFenster(d);
    const tGSzene& s = d.Szene();
    std::int32_t links = f.rechts, rechts = f.links;
    for (int nr = 1; nr <= s.Stueckzahl(); ++nr) {
        const TStueck& st = s.Stueck(nr);
        if (st.Objekt < 1 || !s.Objekt(st.Objekt).Gezeigt) continue;
        links = std::min(links, st.BildMin.x);
        rechts = std::max(rechts, st.BildMax.x);
    }
    return double(rechts - links) / f.Breite();
}

TEST_F(LangesArbeitsblatt, SolutionStartsOnItsOwnPageWithAFigureOfAtLeast8cm) {
    LangesBlatt(ordner / "lang.kvr");
    TDokument d;
    ASSERT_EQ(d.Laden(ordner / "lang.kvr"), TLadeergebnis::Gelesen);
    const TAusgabeMass bild = ArbeitsblattLoesungsbild(ArbeitsblattFenster(d));
    EXPECT_GE(bild.Breite, 8000);

    const QString pdf = Datei("lang.pdf");
    const TLauf l = Werkzeug(pdf, "lang.kvr");
    ASSERT_EQ(l.Code, 0) << l.Aus;
    const TSeiten seiten = Seiten(pdf);
    LoesungAufEigenerSeite(seiten);
    // More pages than two: nothing is drawn smaller to squeeze it in.
    EXPECT_GT(seiten.Texte.size(), 2u);
    const double breite = Loesungsbildbreite(pdf, seiten.Loesung);
    EXPECT_GE(breite, bild.Breite / 1000.0 * Zeichnungsanteil(d) - 0.2) << breite;
    EXPECT_GE(breite, 6.0);
    Ablegen(pdf, QStringLiteral("lang-pdf"));

    const QString tex = Datei("lang.tex");
    ASSERT_EQ(Werkzeug(tex, "lang.kvr").Code, 0);
    const TLauf p = Starten(QStringLiteral("pdflatex"),
                            {QStringLiteral("-interaction=nonstopmode"),
                             QStringLiteral("-halt-on-error"), QStringLiteral("lang.tex")},
                            QString::fromStdString(ordner.Pfad().string()));
    ASSERT_EQ(p.Code, 0) << p.Aus.substr(p.Aus.size() > 3000 ? p.Aus.size() - 3000 : 0);
    const TSeiten latex = Seiten(pdf);
    LoesungAufEigenerSeite(latex);
    const double texBreite = Loesungsbildbreite(pdf, latex.Loesung);
    EXPECT_GE(texBreite, bild.Breite / 1000.0 * Zeichnungsanteil(d) - 0.2) << texBreite;
    Ablegen(pdf, QStringLiteral("lang-tex"));
}

TEST_F(Arbeitsblattausgabe, ToolAsksTheQuestionsStoredInTheDocument) {
    ASSERT_TRUE(abitur.D.ArbeitsblattfragenSetzen(
        TArbeitsblattfragen{{TFragenart::Laenge, {abitur["S"]->Nummer, abitur["E"]->Nummer}, {}},
                            {TFragenart::Text, {}, "Zeichnen Sie das Lot ein."}}));
    ASSERT_TRUE(abitur.D.Speichern(ordner / "wahl.kvr"));
    const QString pdf = Datei("wahl.pdf");
    const TLauf l = Werkzeug(pdf, "wahl.kvr");
    ASSERT_EQ(l.Code, 0) << l.Aus;
    const std::string aufgabe = Seitentext(pdf, 1, 1), loesung = Seitentext(pdf, 2, 0);
    for (const char* s :
         {"Berechnen Sie den Abstand des Punktes S von der Ebene E.", "Zeichnen Sie das Lot ein."})
        EXPECT_NE(aufgabe.find(s), std::string::npos) << s << "\n" << aufgabe;
    EXPECT_EQ(aufgabe.find("ist das Lot von S auf E"), std::string::npos) << aufgabe;
    EXPECT_NE(loesung.find("Hessesche Normalform"), std::string::npos) << loesung;
    EXPECT_EQ(loesung.find("ist das Lot von S auf E"), std::string::npos) << loesung;
}

TEST_F(Arbeitsblattausgabe, UsageTextPromisesNoFixedNumberOfPages) {
    const TLauf l = Starten(QStringLiteral(KALVORIN_WERKZEUG), {QStringLiteral("--help")});
    EXPECT_NE(l.Aus.find("die Lösung ab einer neuen Seite"), std::string::npos) << l.Aus;
    EXPECT_EQ(l.Aus.find("Seite 2"), std::string::npos) << l.Aus;
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
