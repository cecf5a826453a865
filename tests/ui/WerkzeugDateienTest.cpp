// The command-line tool never writes a shortened document, never replaces
// what is not a plain writable file, and says why on stderr with a
// non-zero exit code.

#include "storage/TestOrdner.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

using namespace kalvorin;
namespace fs = std::filesystem;

namespace {

struct TLauf {
    int Code = -1;
    std::string Aus;
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
    r.Aus = p.readAllStandardOutput().toStdString();
    r.Fehler = p.readAllStandardError().toStdString();
    return r;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

const std::string Dokument = "[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n";

TEST(WerkzeugDateien, SaveOfAFileThatDoesNotReadCompletelyWritesNothing) {
    test::TTestOrdner ordner;
    test::DateiSchreiben(ordner / "d.kvr", Dokument + "[B]\r\nElementart=0|DfrPunkt\r\n"
                                                      "Koord=1e4000|0|0\r\n");
    const TLauf l = Werkzeug({QStringLiteral("save"), Q(ordner / "d.kvr"), Q(ordner / "d.kvr")});
    EXPECT_NE(l.Code, 0);
    EXPECT_NE(l.Fehler.find("B: die Zahl 1e4000 ist zu groß"), std::string::npos) << l.Fehler;
    EXPECT_NE(l.Fehler.find("nicht vollständig gelesen"), std::string::npos) << l.Fehler;
    EXPECT_NE(test::DateiInhalt(ordner / "d.kvr").find("1e4000"), std::string::npos)
        << "the original is untouched";
}

TEST(WerkzeugDateien, SaveAndRenderRefuseTargetsThatAreNoWritableFiles) {
    test::TTestOrdner ordner;
    test::DateiSchreiben(ordner / "d.kvr", Dokument);
    test::DateiSchreiben(ordner / "fest.kvr", "alt");
    fs::permissions(ordner / "fest.kvr",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    test::DateiSchreiben(ordner / "fest.png", "alt");
    fs::permissions(ordner / "fest.png", fs::perms::owner_read);
    ASSERT_EQ(::mkfifo((ordner / "rohr.kvr").c_str(), 0666), 0);
    ASSERT_EQ(::mkfifo((ordner / "rohr.svg").c_str(), 0666), 0);
    const std::pair<QStringList, std::string> faelle[] = {
        {{QStringLiteral("save"), Q(ordner / "d.kvr"), Q(ordner / "fest.kvr")},
         "Die Datei ist schreibgeschützt und wird nicht überschrieben."},
        {{QStringLiteral("save"), Q(ordner / "d.kvr"), Q(ordner / "rohr.kvr")},
         "Unter diesem Namen steht keine gewöhnliche Datei"},
        {{QStringLiteral("save"), Q(ordner / "d.kvr"), Q(ordner.Pfad().string())},
         "Unter diesem Namen steht ein Ordner."},
        {{QStringLiteral("render"), Q(ordner / "d.kvr"), Q(ordner / "fest.png")},
         "Die Datei ist schreibgeschützt und wird nicht überschrieben."},
        {{QStringLiteral("render"), Q(ordner / "d.kvr"), Q(ordner / "rohr.svg")},
         "Unter diesem Namen steht keine gewöhnliche Datei"},
    };
    for (const auto& [argumente, grund] : faelle) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const TLauf l = Werkzeug(argumente);
        EXPECT_NE(l.Code, 0);
        EXPECT_NE(l.Fehler.find(grund), std::string::npos) << l.Fehler;
    }
    EXPECT_EQ(test::DateiInhalt(ordner / "fest.kvr"), "alt");
    EXPECT_EQ(test::DateiInhalt(ordner / "fest.png"), "alt");
    EXPECT_EQ(fs::status(ordner / "rohr.kvr").type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status(ordner / "rohr.svg").type(), fs::file_type::fifo);
}

TEST(WerkzeugDateien, RenderAtTrueScaleGivesTheTrimmedPictureAndRefusesASize) {
    test::TTestOrdner ordner;
    test::DateiSchreiben(ordner / "d.kvr", Dokument);
    for (const char* endung : {"pdf", "svg", "wmf", "emf", "tex", "png"}) {
        const std::string aus = ordner / (std::string("m.") + endung);
        const TLauf l = Werkzeug(
            {QStringLiteral("render"), Q(ordner / "d.kvr"), Q(aus), QStringLiteral("--massstab")});
        EXPECT_EQ(l.Code, 0) << endung << l.Fehler;
        EXPECT_GT(fs::file_size(aus), 100u) << endung;
    }
    // The page as large as the drawing at 1 LE = 1 cm, less than the whole
    // window of about 40 cm.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {Q(ordner / "m.pdf")});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const auto teile = text.section(QStringLiteral("Page size:"), 1).simplified().split(' ');
    ASSERT_GE(teile.size(), 3);
    EXPECT_GT(teile[0].toDouble(), 100) << "more than 3,5 cm";
    EXPECT_LT(teile[0].toDouble(), 700) << "less than 25 cm";

    const TLauf beides =
        Werkzeug({QStringLiteral("render"), Q(ordner / "d.kvr"), Q(ordner / "n.pdf"),
                  QStringLiteral("--massstab"), QStringLiteral("--size"), QStringLiteral("400")});
    EXPECT_EQ(beides.Code, 1);
    EXPECT_NE(beides.Fehler.find("--massstab und --size"), std::string::npos) << beides.Fehler;
    EXPECT_FALSE(fs::exists(ordner / "n.pdf"));
}

} // namespace
