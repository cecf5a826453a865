// The recovery folder: copies and records, the lock of each running program,
// orphans of programs that died (also killed in the middle of a write), and
// folders that cannot be written or hold files that are not ours.

#include "storage/Wiederherstellungsablage.h"
#include "Testquellen.h"

#include "model/ElementBauer.h"
#include "storage/DateiErsetzen.h"
#include "storage/Dokumentdatei.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kalvorin;
using kalvorin::test::DateiInhalt;
using kalvorin::test::DateiSchreiben;
using kalvorin::test::TTestOrdner;
namespace fs = std::filesystem;

namespace {

class TUmgebung {
public:
    TUmgebung(const char* name, const char* wert) : name_(name) {
        if (const char* alt = std::getenv(name)) alt_ = alt;
        if (wert)
            ::setenv(name, wert, 1);
        else
            ::unsetenv(name);
    }
    ~TUmgebung() {
        if (alt_)
            ::setenv(name_, alt_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    TUmgebung(const TUmgebung&) = delete;
    TUmgebung& operator=(const TUmgebung&) = delete;

private:
    const char* name_;
    std::optional<std::string> alt_;
};

void Dokument(TListe& l, const std::string& erster = "A") {
    test::TElementBauer b(l);
    b.P(erster, {1, 2, 3});
    b.P("B", {4, 0, 0});
}

std::vector<std::string> Namen(const std::string& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

int AnzahlMitEndung(const std::string& ordner, const std::string& endung) {
    int n = 0;
    for (const std::string& name : Namen(ordner))
        n += name.size() >= endung.size() &&
             name.compare(name.size() - endung.size(), endung.size(), endung) == 0;
    return n;
}

std::vector<std::string> ElementNamen(const std::string& kopie) {
    TMeldungenSammeln leise;
    TListe l;
    TKoordinatensystem ks;
    TRollenMenge r = 0;
    DokumentLesen(kopie, l, ks, r, false);
    std::vector<std::string> namen;
    for (int i = 1; i <= l.Anzahl(); ++i)
        namen.push_back(l[i]->Name);
    return namen;
}

const TKopienvermerk Vermerk{"/home/lehrer/Würfel mit Ecke.kvr", "Würfel mit Ecke.kvr", false,
                             1765190000};

// A program that writes one copy and then dies without cleaning up; the
// copy's record is the given one.
void VerwaistHinterlassen(const std::string& ordner, const TKopienvermerk& v,
                          const std::string& erster = "A") {
    TListe l;
    Dokument(l, erster);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        TWiederherstellungsablage ablage(ordner);
        const bool ok = ablage.Schreiben(ablage.NeuerPlatz(), l, TKoordinatensystem(), v).empty();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace

TEST(Wiederherstellungsordner, FollowsTheStateFolderOrHome) {
    TUmgebung home("HOME", "/home/lehrer");
    {
        TUmgebung xdg("XDG_STATE_HOME", "/var/zustand/");
        EXPECT_EQ(StandardWiederherstellungsordner(), "/var/zustand/Kalvorin/Wiederherstellung");
    }
    for (const char* wert : {static_cast<const char*>(nullptr), "", "relativ/ordner"}) {
        TUmgebung xdg("XDG_STATE_HOME", wert);
        EXPECT_EQ(StandardWiederherstellungsordner(),
                  "/home/lehrer/.local/state/Kalvorin/Wiederherstellung")
            << (wert ? wert : "(unset)");
    }
}

TEST(Kopienvermerk, EveryTextComesBackAsItWas) {
    const std::vector<TKopienvermerk> faelle = {
        {"", "neu1.kvr", false, 0},
        {"/home/lehrer/Würfel mit Ecke.kvr", "Würfel mit Ecke.kvr (schreibgeschützt)", true,
         1765190000},
        {" /tmp/blank vorn und hinten ", " x ", false, 1},
        {"/tmp/100%=voll;[A]\r\nzeile", "tab\there", false, 4102444800},
    };
    for (const TKopienvermerk& v : faelle) {
        TKopienvermerk zurueck;
        ASSERT_TRUE(VermerkLesen(VermerkText(v), zurueck)) << v.Dateiname;
        EXPECT_EQ(zurueck.Dateiname, v.Dateiname);
        EXPECT_EQ(zurueck.Beschriftung, v.Beschriftung);
        EXPECT_EQ(zurueck.Schreibgeschuetzt, v.Schreibgeschuetzt);
        EXPECT_EQ(zurueck.Zeit, v.Zeit);
    }
}

TEST(Kopienvermerk, AFileNameTooLongForTheRecordIsDroppedRatherThanCut) {
    const TKopienvermerk lang{"/" + std::string(3000, 'x') + ".kvr", "x.kvr", false, 5};
    TKopienvermerk zurueck;
    ASSERT_TRUE(VermerkLesen(VermerkText(lang), zurueck));
    EXPECT_EQ(zurueck.Dateiname, "");
    EXPECT_EQ(zurueck.Beschriftung, "x.kvr");
}

TEST(Kopienvermerk, TextsThatAreNoRecordAreRefused) {
    const std::string gut = "[Wiederherstellung]\r\nDatei=/a.kvr\r\nBeschriftung=a.kvr\r\n"
                            "Schreibgeschuetzt=0\r\nZeit=12\r\n";
    TKopienvermerk v;
    ASSERT_TRUE(VermerkLesen(gut, v));
    const std::vector<std::string> schlecht = {
        "",
        "\x01\x02\xff garbage",
        "[Wiederherstellung]\r\nDatei=/a.kvr\r\n",
        "[Wiederherstellung]\r\nDatei=/"
        "a%2.kvr\r\nBeschriftung=a\r\nSchreibgeschuetzt=0\r\nZeit=1\r\n",
        "[Wiederherstellung]\r\nDatei=/a%zz\r\nBeschriftung=a\r\nSchreibgeschuetzt=0\r\nZeit=1\r\n",
        "[Wiederherstellung]\r\nDatei=/a\r\nBeschriftung=a\r\nSchreibgeschuetzt=2\r\nZeit=1\r\n",
        "[Wiederherstellung]\r\nDatei=/a\r\nBeschriftung=a\r\nSchreibgeschuetzt=0\r\nZeit=-5\r\n",
        "[Wiederherstellung]\r\nDatei=/a\r\nBeschriftung=a\r\nSchreibgeschuetzt=0\r\nZeit=12x\r\n",
        "[Wiederherstellung]\r\nDatei=/a\r\nBeschriftung=a\r\nSchreibgeschuetzt=0\r\n"
        "Zeit=99999999999999999999999\r\n",
    };
    for (const std::string& text : schlecht) {
        TKopienvermerk unveraendert{"bleibt", "bleibt", true, 7};
        EXPECT_FALSE(VermerkLesen(text, unveraendert)) << text;
        EXPECT_EQ(unveraendert.Dateiname, "bleibt");
    }
}

TEST(Wiederherstellungsablage, WritesTheCopyAndItsRecordAndRemovesBoth) {
    TTestOrdner t;
    const std::string ordner = t / "zustand/Kalvorin/Wiederherstellung";
    TWiederherstellungsablage ablage(ordner);
    ASSERT_TRUE(ablage.Bereit());
    EXPECT_EQ(fs::status(ordner).permissions() & fs::perms::all, fs::perms::owner_all);

    TListe l;
    Dokument(l);
    const int platz = ablage.NeuerPlatz();
    EXPECT_NE(platz, ablage.NeuerPlatz());
    ASSERT_EQ(ablage.Schreiben(platz, l, TKoordinatensystem(), Vermerk), "");
    EXPECT_EQ(ElementNamen(ablage.KopieDatei(platz)), (std::vector<std::string>{"A", "B"}));
    TKopienvermerk v;
    ASSERT_TRUE(VermerkLesen(DateiInhalt(ablage.VermerkDatei(platz)), v));
    EXPECT_EQ(v.Dateiname, Vermerk.Dateiname);

    // A later copy replaces the earlier one.
    l[1]->Name = "C";
    ASSERT_EQ(ablage.Schreiben(platz, l, TKoordinatensystem(), Vermerk), "");
    EXPECT_EQ(ElementNamen(ablage.KopieDatei(platz)), (std::vector<std::string>{"C", "B"}));

    ablage.Entfernen(platz);
    EXPECT_FALSE(fs::exists(ablage.KopieDatei(platz)));
    EXPECT_FALSE(fs::exists(ablage.VermerkDatei(platz)));
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{ablage.Gruppe() + ".sperre"}));
}

TEST(Wiederherstellungsablage, TwoRunningProgramsNeverTakeEachOthersCopies) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    TListe l;
    Dokument(l);
    auto erster = std::make_unique<TWiederherstellungsablage>(ordner);
    TWiederherstellungsablage zweiter(ordner);
    ASSERT_TRUE(erster->Bereit() && zweiter.Bereit());
    EXPECT_NE(erster->Gruppe(), zweiter.Gruppe());
    ASSERT_EQ(erster->Schreiben(erster->NeuerPlatz(), l, TKoordinatensystem(), Vermerk), "");
    ASSERT_EQ(zweiter.Schreiben(zweiter.NeuerPlatz(), l, TKoordinatensystem(), Vermerk), "");

    EXPECT_TRUE(zweiter.VerwaisteFinden().empty());
    zweiter.VerwaisteFreigeben();
    EXPECT_TRUE(erster->VerwaisteFinden().empty());
    erster->VerwaisteFreigeben();
    EXPECT_EQ(AnzahlMitEndung(ordner, ".kvr"), 2);

    // The first one goes without removing its copy: now it is an orphan.
    erster.reset();
    const auto verwaist = zweiter.VerwaisteFinden();
    ASSERT_EQ(verwaist.size(), 1u);
    EXPECT_TRUE(verwaist[0].Lesbar);
    EXPECT_EQ(verwaist[0].Angaben.Beschriftung, Vermerk.Beschriftung);
    // While it is claimed, a third program starting now does not see it.
    {
        TWiederherstellungsablage dritter(ordner);
        EXPECT_TRUE(dritter.VerwaisteFinden().empty());
    }
    zweiter.VerwaisteLoeschen(verwaist[0]);
    zweiter.VerwaisteFreigeben();
    EXPECT_EQ(AnzahlMitEndung(ordner, ".kvr"), 1);
    EXPECT_EQ(AnzahlMitEndung(ordner, ".sperre"), 1); // the dead one's lock went with its last copy
}

TEST(Wiederherstellungsablage, AProgramStillRunningInAnotherProcessIsNeverDead) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    int zumKind[2], vomKind[2];
    ASSERT_EQ(::pipe(zumKind), 0);
    ASSERT_EQ(::pipe(vomKind), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        TWiederherstellungsablage ablage(ordner);
        TListe l;
        Dokument(l);
        const char ok =
            ablage.Schreiben(ablage.NeuerPlatz(), l, TKoordinatensystem(), Vermerk).empty() ? '1'
                                                                                            : '0';
        (void)!::write(vomKind[1], &ok, 1);
        char c;
        (void)!::read(zumKind[0], &c, 1); // runs until told
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(vomKind[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    {
        TWiederherstellungsablage hier(ordner);
        EXPECT_TRUE(hier.VerwaisteFinden().empty());
    }
    // Killed: the kernel drops its lock, its copy is an orphan.
    ::kill(kind, SIGKILL);
    int status = 0;
    ::waitpid(kind, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    TWiederherstellungsablage hier(ordner);
    const auto verwaist = hier.VerwaisteFinden();
    ASSERT_EQ(verwaist.size(), 1u);
    EXPECT_TRUE(verwaist[0].Lesbar);
    EXPECT_EQ(verwaist[0].Angaben.Dateiname, Vermerk.Dateiname);
    EXPECT_EQ(verwaist[0].Angaben.Zeit, Vermerk.Zeit);
    EXPECT_EQ(ElementNamen(verwaist[0].Kopie), (std::vector<std::string>{"A", "B"}));
    ::close(zumKind[0]);
    ::close(zumKind[1]);
    ::close(vomKind[0]);
    ::close(vomKind[1]);
}

TEST(Wiederherstellungsablage, AKillInTheMiddleOfAWriteKeepsThePreviousCopy) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        TWiederherstellungsablage ablage(ordner);
        TListe l;
        Dokument(l, "Alt");
        const int platz = ablage.NeuerPlatz();
        if (!ablage.Schreiben(platz, l, TKoordinatensystem(), Vermerk).empty()) ::_exit(1);
        l[1]->Name = "Neu";
        // Dies once the new copy stands complete in its temporary file.
        SetzeErsetzenProbe([](const std::string& ziel) {
            if (ziel.size() > 4 && ziel.compare(ziel.size() - 4, 4, ".kvr") == 0) ::raise(SIGKILL);
            return true;
        });
        ablage.Schreiben(platz, l, TKoordinatensystem(), Vermerk);
        ::_exit(2);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    int zwischendateien = 0;
    for (const std::string& name : Namen(ordner))
        zwischendateien += name.find(".kvr.") != std::string::npos;
    EXPECT_EQ(zwischendateien, 1);

    TWiederherstellungsablage naechsterStart(ordner);
    const auto verwaist = naechsterStart.VerwaisteFinden();
    ASSERT_EQ(verwaist.size(), 1u);
    EXPECT_TRUE(verwaist[0].Lesbar);
    EXPECT_EQ(ElementNamen(verwaist[0].Kopie), (std::vector<std::string>{"Alt", "B"}));
    for (const std::string& name : Namen(ordner))
        EXPECT_EQ(name.find(".kvr."), std::string::npos) << name;
}

TEST(Wiederherstellungsablage, OrphansComeOldestFirst) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    VerwaistHinterlassen(ordner, {"/b.kvr", "b.kvr", false, 2000}, "Zwei");
    VerwaistHinterlassen(ordner, {"/a.kvr", "a.kvr", true, 1000}, "Eins");
    TWiederherstellungsablage ablage(ordner);
    const auto verwaist = ablage.VerwaisteFinden();
    ASSERT_EQ(verwaist.size(), 2u);
    EXPECT_EQ(verwaist[0].Angaben.Beschriftung, "a.kvr");
    EXPECT_TRUE(verwaist[0].Angaben.Schreibgeschuetzt);
    EXPECT_EQ(verwaist[1].Angaben.Beschriftung, "b.kvr");
    // A second scan of the same run finds the claimed ones again.
    EXPECT_EQ(ablage.VerwaisteFinden().size(), 2u);
}

TEST(Wiederherstellungsablage, AFolderThatCannotBeMadeLeavesTheProgramWorking) {
    TTestOrdner t;
    DateiSchreiben(t / "datei", "kein Ordner");
    TWiederherstellungsablage ablage(t / "datei/Kalvorin/Wiederherstellung");
    EXPECT_FALSE(ablage.Bereit());
    TListe l;
    Dokument(l);
    EXPECT_NE(ablage.Schreiben(ablage.NeuerPlatz(), l, TKoordinatensystem(), Vermerk), "");
    EXPECT_TRUE(ablage.VerwaisteFinden().empty());
    ablage.Entfernen(1);
    ablage.VerwaisteFreigeben();
}

TEST(Wiederherstellungsablage, AFullDiskFailsTheWriteAndKeepsThePreviousCopy) {
    TTestOrdner t;
    TWiederherstellungsablage ablage(t.Pfad().string());
    TListe l;
    Dokument(l, "Alt");
    const int platz = ablage.NeuerPlatz();
    ASSERT_EQ(ablage.Schreiben(platz, l, TKoordinatensystem(), Vermerk), "");
    l[1]->Name = "Neu";
    SetzeErsetzenProbe([](const std::string&) { return false; });
    EXPECT_NE(ablage.Schreiben(platz, l, TKoordinatensystem(), Vermerk), "");
    SetzeErsetzenProbe(nullptr);
    EXPECT_EQ(ElementNamen(ablage.KopieDatei(platz)), (std::vector<std::string>{"Alt", "B"}));
    EXPECT_EQ(Namen(t.Pfad().string()).size(), 3u); // lock, copy, record: nothing half written
}

TEST(Wiederherstellungsablage, FilesThatAreNotSoundCopiesCannotBreakTheStart) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    VerwaistHinterlassen(ordner, Vermerk);
    const std::string gut = [&] {
        for (const std::string& name : Namen(ordner))
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".kvr") == 0)
                return ordner + "/" + name;
        return std::string();
    }();
    ASSERT_FALSE(gut.empty());
    const std::string inhalt = DateiInhalt(gut);
    const std::string g = "k1_dead";
    DateiSchreiben(ordner + "/" + g + "-1.kvr", inhalt.substr(0, 10)); // cut short
    DateiSchreiben(ordner + "/" + g + "-2.kvr",
                   std::string("\0\xff\x01[[[=\r\n", 9));                // no document
    fs::create_directory(ordner + "/" + g + "-3.kvr");                   // a folder
    fs::create_symlink("/dev/zero", ordner + "/" + g + "-4.kvr");        // endless
    ASSERT_EQ(::mkfifo((ordner + "/" + g + "-5.kvr").c_str(), 0600), 0); // would block
    {
        const int fd = ::open((ordner + "/" + g + "-6.kvr").c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_EQ(::ftruncate(fd, 1LL << 30), 0); // far too large (sparse)
        ::close(fd);
    }
    DateiSchreiben(ordner + "/" + g + "-7.kvr", inhalt); // sound, but its record is garbage
    DateiSchreiben(ordner + "/" + g + "-7.vermerk",
                   "\xff\xfe%%%\r\n[Wiederherstellung]\r\nDatei=%G");
    DateiSchreiben(ordner + "/" + g + "-8.vermerk", VermerkText(Vermerk)); // a record alone
    DateiSchreiben(ordner + "/notiz.txt", "nicht von Kalvorin");
    DateiSchreiben(ordner + "/-1.kvr", inhalt);
    DateiSchreiben(ordner + "/" + g + "-1.kvr.ab", inhalt);

    TWiederherstellungsablage ablage(ordner);
    const auto verwaist = ablage.VerwaisteFinden();
    std::map<std::string, bool> lesbar;
    for (const TVerwaisteKopie& k : verwaist)
        lesbar[fs::path(k.Kopie).filename().string()] = k.Lesbar;
    EXPECT_EQ(lesbar.size(), 8u);
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(lesbar[g + "-" + std::to_string(i) + ".kvr"]) << i;
    EXPECT_TRUE(lesbar[g + "-7.kvr"]);
    EXPECT_TRUE(lesbar[fs::path(gut).filename().string()]);
    for (const TVerwaisteKopie& k : verwaist) {
        if (fs::path(k.Kopie).filename() == g + "-7.kvr") {
            EXPECT_EQ(k.Angaben.Beschriftung, ""); // comes back without a name
        }
    }
    EXPECT_FALSE(fs::exists(ordner + "/" + g + "-8.vermerk"));
    EXPECT_TRUE(fs::exists(ordner + "/notiz.txt"));
    EXPECT_TRUE(fs::exists(ordner + "/-1.kvr"));
    EXPECT_TRUE(fs::exists(ordner + "/" + g + "-1.kvr.ab"));
}

TEST(Wiederherstellungsablage, EveryInputTheDocumentFuzzerKeptIsSafeAsAnOrphan) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    const auto korpus = fs::path(KALVORIN_TESTQUELLEN) / "storage" / "dokument_corpus";
    int n = 0;
    for (const auto& eintrag : fs::directory_iterator(korpus)) {
        const std::string daten = DateiInhalt(eintrag.path().string());
        ++n;
        // The first byte chooses the fuzzer's mode; the rest is the file.
        DateiSchreiben(ordner + "/k9_korpus-" + std::to_string(n) + ".kvr",
                       daten.empty() ? daten : daten.substr(1));
    }
    ASSERT_GE(n, 10);
    TWiederherstellungsablage ablage(ordner);
    const auto verwaist = ablage.VerwaisteFinden();
    EXPECT_EQ(static_cast<int>(verwaist.size()), n);
}

TEST(Wiederherstellungsablage, UnreadableCopiesAreSetAsideNotDeleted) {
    TTestOrdner t;
    const std::string ordner = t.Pfad().string();
    DateiSchreiben(ordner + "/k1_a-1.kvr", "kaputt");
    DateiSchreiben(ordner + "/k1_a-1.vermerk", VermerkText(Vermerk));
    DateiSchreiben(ordner + "/k1_b-1.kvr", "auch kaputt");
    fs::create_directories(ordner + "/Unlesbar");
    DateiSchreiben(ordner + "/Unlesbar/k1_b-1.kvr", "schon da");
    {
        TWiederherstellungsablage ablage(ordner);
        const auto verwaist = ablage.VerwaisteFinden();
        ASSERT_EQ(verwaist.size(), 2u);
        for (const TVerwaisteKopie& k : verwaist) {
            ASSERT_FALSE(k.Lesbar);
            const std::string ort = ablage.Beiseitelegen(k);
            EXPECT_EQ(fs::path(ort).parent_path(), fs::path(ablage.UnlesbarOrdner()));
            EXPECT_FALSE(fs::exists(k.Kopie));
        }
        ablage.VerwaisteFreigeben();
    }
    EXPECT_EQ(DateiInhalt(ordner + "/Unlesbar/k1_a-1.kvr"), "kaputt");
    EXPECT_TRUE(fs::exists(ordner + "/Unlesbar/k1_a-1.vermerk"));
    EXPECT_EQ(DateiInhalt(ordner + "/Unlesbar/k1_b-1.kvr"), "schon da");
    EXPECT_EQ(DateiInhalt(ordner + "/Unlesbar/k1_b-1.kvr.1"), "auch kaputt");
    // Nothing is left to offer, and the dead groups' locks are gone.
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{"Unlesbar"}));
}
