// The atomic replace's temporary files and the one table of messages of a
// failed write.

#include "storage/DateiErsetzen.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kalvorin;

namespace {

std::set<std::string> Namen(const test::TTestOrdner& ordner) {
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner.Pfad()))
        namen.insert(e.path().filename().string());
    return namen;
}

class DateiErsetzenTemporaer : public ::testing::Test {
protected:
    void TearDown() override { SetzeErsetzenProbe(nullptr); }
    test::TTestOrdner ordner;
    // What the folder held while the new content stood in its temporary file.
    static inline std::set<std::string> waehrend;
    static inline std::string ordnerPfad;
};

TEST_F(DateiErsetzenTemporaer, TheTemporaryFileIsHiddenAndNamedAfterItsTarget) {
    ordnerPfad = ordner.Pfad().string();
    waehrend.clear();
    SetzeErsetzenProbe([](const std::string&) {
        for (const auto& e : std::filesystem::directory_iterator(ordnerPfad))
            waehrend.insert(e.path().filename().string());
        return true;
    });
    const std::string ziel = ordner / "aus.kvr";
    EXPECT_EQ(DateiErsetzen(ziel, "neu"), "");
    ASSERT_EQ(waehrend.size(), 1u);
    const std::string temp = *waehrend.begin();
    EXPECT_TRUE(temp.starts_with(".aus.kvr.kalvorin-")) << temp;
    EXPECT_EQ(temp.size(), std::string(".aus.kvr.kalvorin-").size() + 6);
    EXPECT_EQ(ZielDesTemporaeren(temp), "aus.kvr");
    EXPECT_EQ(TemporaererName(ziel), ordner / ".aus.kvr.kalvorin-");
    EXPECT_EQ(Namen(ordner), (std::set<std::string>{"aus.kvr"}));
}

TEST(DateiErsetzen, OnlyTemporaryNamesGiveTheirTarget) {
    const std::pair<const char*, const char*> faelle[] = {
        {".aus.kvr.kalvorin-a1B2c3", "aus.kvr"},
        {".x.kalvorin-a1B2c3", "x"},
        {".a b.tex.kalvorin-XXXXXX", "a b.tex"},
        {"aus.kvr.kalvorin-a1B2c3", ""}, // not hidden
        {".aus.kvr.kalvorin-a1B2c", ""}, // five characters
        {".aus.kvr.a1B2c3", ""},         // an older version's name
        {".kalvorin-a1B2c3", ""},
        {"aus.kvr", ""},
    };
    for (const auto& [name, ziel] : faelle)
        EXPECT_EQ(ZielDesTemporaeren(name), ziel) << name;
}

// A program killed between writing and renaming leaves its temporary file;
// the next write of the same target removes it, and leaves those of other
// targets and one that a running program still holds.
TEST_F(DateiErsetzenTemporaer, AStaleOneOfTheTargetGoesAtItsNextWrite) {
    const std::string ziel = ordner / "aus.kvr";
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        SetzeErsetzenProbe([](const std::string&) {
            ::raise(SIGKILL);
            return true;
        });
        DateiErsetzen(ziel, "halb");
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ASSERT_EQ(Namen(ordner).size(), 1u);
    const std::string verwaist = *Namen(ordner).begin();
    EXPECT_EQ(ZielDesTemporaeren(verwaist), "aus.kvr");

    const std::string fremd = ".andere.kvr.kalvorin-abcdef";
    test::DateiSchreiben(ordner / fremd, "fremd");
    const std::string gehalten = ".aus.kvr.kalvorin-Laeuft";
    test::DateiSchreiben(ordner / gehalten, "laeuft");
    const int sperre = ::open((ordner / gehalten).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(sperre, 0);
    ASSERT_EQ(::flock(sperre, LOCK_EX), 0);

    EXPECT_EQ(DateiErsetzen(ziel, "ganz"), "");
    EXPECT_EQ(test::DateiInhalt(ziel), "ganz");
    EXPECT_EQ(Namen(ordner), (std::set<std::string>{"aus.kvr", fremd, gehalten}));
    ::close(sperre);
}

// One table: each output names itself in the first sentence, the cause and
// the file follow on the next line in the same words for all.
TEST(Schreibmeldung, EveryOutputSaysWhatFailedAndWhy) {
    const std::pair<TAusgabe, const char*> ausgaben[] = {
        {TAusgabe::Dokument, "Kalvorin kann diese Datei weder speichern noch erstellen."},
        {TAusgabe::Grafik, "Die Grafik kann nicht gespeichert werden."},
        {TAusgabe::Arbeitsblatt, "Das Arbeitsblatt kann nicht gespeichert werden."},
        {TAusgabe::Loesungsweg, "Der Lösungsweg kann nicht gespeichert werden."},
    };
    for (const auto& [was, vorsatz] : ausgaben)
        for (TSchreibfehler f : {TSchreibfehler::Voll, TSchreibfehler::KeineDatei,
                                 TSchreibfehler::OrdnerFehlt, TSchreibfehler::Sonstiges})
            EXPECT_EQ(Schreibmeldung(was, f, "x.tex"),
                      std::string(vorsatz) + "\r\n" + SchreibfehlerText(f, "x.tex"));
}

TEST(Schreibmeldung, AFullDiskIsToldForAWorksheetAsForADocument) {
    test::TTestOrdner ordner;
    const std::string datei = ordner / "blatt.tex";
    test::DateiSchreiben(datei, "alt");
    SetzeErsetzenProbe([](const std::string&) { return false; });
    const std::string meldung = AusgabeSchreiben(TAusgabe::Arbeitsblatt, datei, "neu");
    SetzeErsetzenProbe(nullptr);
    EXPECT_EQ(meldung, "Das Arbeitsblatt kann nicht gespeichert werden.\r\nAuf dem Datenträger ist "
                       "nicht genug Platz frei. (" +
                           datei + ")");
    EXPECT_EQ(test::DateiInhalt(datei), "alt");
    EXPECT_EQ(AusgabeSchreiben(TAusgabe::Arbeitsblatt, datei, "neu"), "");
    EXPECT_EQ(test::DateiInhalt(datei), "neu");
}

} // namespace
