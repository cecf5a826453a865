// kalvorin-tool on file names that are not UTF-8 (a Latin-1 "Übung.kvr"
// from an old USB stick): every verb reads and writes exactly the files
// named, "dump" gives valid JSON, and none ends by an exception. The names
// are passed as the bytes they are, which a QString could not carry.

#include "storage/TestOrdner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace kalvorin;

namespace {

struct TLauf {
    int Code = -1; // the exit code; -1 when ended by a signal
    int Signal = 0;
    std::string Aus, Fehler;
};

TLauf Werkzeug(const test::TTestOrdner& ordner, std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), KALVORIN_WERKZEUG);
    const std::string aus = ordner / "stdout", fehler = ordner / "stderr";
    const pid_t kind = ::fork();
    if (kind == 0) {
        const int a = ::open(aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int f = ::open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(a, 1);
        ::dup2(f, 2);
        std::vector<char*> argv;
        for (std::string& s : argumente)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    TLauf r;
    if (WIFEXITED(status)) r.Code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) r.Signal = WTERMSIG(status);
    r.Aus = test::DateiInhalt(aus);
    r.Fehler = test::DateiInhalt(fehler);
    return r;
}

// "Übung" in Latin-1, as a file system of Windows or an old stick names it.
const std::string Uebung = "\xDC"
                           "bung";

const std::string Dokument =
    "[A]\r\nElementart=0|DfrPunkt\r\nKoord=2|0|0\r\n[B]\r\nElementart=0|DfrPunkt\r\nKoord=0|4|0\r\n"
    "[C]\r\nElementart=0|DfrPunkt\r\nKoord=0|0|3\r\n[E]\r\nElementart=8|DEbene\r\nFestlegung=2\r\n"
    "EPPP=A|B|C\r\n[S]\r\nElementart=0|DfrPunkt\r\nKoord=4|4|5\r\n";

// Every verb with input and output names that are not UTF-8: it succeeds
// and writes the file of exactly that name.
TEST(WerkzeugNamen, EveryVerbTakesNamesThatAreNotUtf8) {
    test::TTestOrdner ordner;
    const std::string ein = ordner / (Uebung + ".kvr");
    test::DateiSchreiben(ein, Dokument);
    struct TFall {
        std::vector<std::string> Argumente;
        std::string Ausgabe; // the file it writes; empty for none
    };
    const auto aus = [&](const std::string& endung) {
        return ordner / (Uebung + "-aus." + endung);
    };
    const TFall faelle[] = {
        {{"dump", ein}, ""},
        {{"save", ein, aus("kvr")}, aus("kvr")},
        {{"insert", ein, ein, aus("2.kvr")}, aus("2.kvr")},
        {{"render", ein, aus("png"), "--size", "64"}, aus("png")},
        {{"render", ein, aus("svg")}, aus("svg")},
        {{"render", ein, aus("tex")}, aus("tex")},
        {{"render", ein, aus("m.png"), "--massstab"}, aus("m.png")},
        {{"render", ein, aus("h.pdf"), "--heftansicht"}, aus("h.pdf")},
        {{"apply", ein, aus("3.kvr"), "Markieren=S,E", "LoteerzeugenClick"}, aus("3.kvr")},
        {{"solve", ein, "Markieren=S,E", "LoteerzeugenClick", "--latex"}, ""},
        {{"worksheet", ein, aus("pdf"), "--titel", Uebung}, aus("pdf")},
        {{"worksheet", ein, aus("blatt.tex"), "--klasse", Uebung}, aus("blatt.tex")},
    };
    for (const TFall& f : faelle) {
        const TLauf l = Werkzeug(ordner, f.Argumente);
        EXPECT_EQ(l.Signal, 0) << f.Argumente[0] << ": " << l.Fehler;
        EXPECT_EQ(l.Code, 0) << f.Argumente[0] << ": " << l.Fehler;
        if (!f.Ausgabe.empty()) {
            EXPECT_TRUE(std::filesystem::is_regular_file(f.Ausgabe)) << f.Argumente[0];
        }
    }
}

// The file names stand in the messages; dump puts them into its JSON as the
// Windows-1252 characters they are.
TEST(WerkzeugNamen, DumpGivesValidJsonWithTheMessagesThatNameTheFile) {
    test::TTestOrdner ordner;
    const std::string ein = ordner / (Uebung + ".kvr");
    test::DateiSchreiben(ein, Dokument + "[F]\r\nElementart=0|DfrPunkt\r\nKoord=1e4000|0|0\r\n");
    const TLauf l = Werkzeug(ordner, {"dump", ein});
    ASSERT_EQ(l.Code, 0) << l.Fehler;
    const nlohmann::json j = nlohmann::json::parse(l.Aus, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << l.Aus;
    ASSERT_EQ(j["messages"].size(), 1u);
    EXPECT_NE(j["messages"][0].get<std::string>().find("Übung.kvr"), std::string::npos)
        << j["messages"][0];
    EXPECT_EQ(j["elements"].size(), 5u);
}

// A file that is not there, under such a name: every verb that reads one
// says so with its exit code and no verb aborts.
TEST(WerkzeugNamen, AMissingFileOfSuchANameIsAFileError) {
    test::TTestOrdner ordner;
    const std::string fehlt = ordner / (Uebung + "-fehlt.kvr");
    const std::string aus = ordner / (Uebung + "-aus");
    const std::vector<std::vector<std::string>> faelle = {
        {"dump", fehlt},
        {"save", fehlt, aus + ".kvr"},
        {"insert", fehlt, fehlt, aus + ".kvr"},
        {"render", fehlt, aus + ".png"},
        {"apply", fehlt, aus + ".kvr", "RueckgaengigClick"},
        {"solve", fehlt, "SchneidenClick"},
        {"worksheet", fehlt, aus + ".pdf"},
    };
    for (const auto& argumente : faelle) {
        const TLauf l = Werkzeug(ordner, argumente);
        EXPECT_EQ(l.Signal, 0) << argumente[0];
        EXPECT_EQ(l.Code, 2) << argumente[0] << ": " << l.Fehler;
    }
    EXPECT_FALSE(std::filesystem::exists(aus + ".kvr"));
}

} // namespace
