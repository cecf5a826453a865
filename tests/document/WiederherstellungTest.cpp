// When recovery copies are written (a fake clock drives the plan, as the
// user interface's timer does), when they go, what happens when they cannot
// be written, and the offer at start with its questions.

#include "document/Wiederherstellung.h"

#include "document/Dateiregeln.h"
#include "document/Testzugang.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

using namespace kalvorin;
using namespace std::chrono_literals;
using kalvorin::test::TTestOrdner;
namespace fs = std::filesystem;

namespace {

struct TUhr {
    TWiederherstellungsplan::TZeit Jetzt{std::chrono::hours(1000)};
    std::function<TWiederherstellungsplan::TZeit()> Funktion() {
        return [this] { return Jetzt; };
    }
};

void PunktDazu(TDokument& d, const std::string& name) {
    d.Aendern([&name](TListe& l) {
        test::TElementBauer(l).P(name, {1, 2, 3});
        return true;
    });
}

std::vector<std::string> Namen(const TDokument& d) {
    std::vector<std::string> n;
    for (int i = 1; i <= d.Liste().Anzahl(); ++i)
        n.push_back(d.Liste()[i]->Name);
    return n;
}

std::vector<std::string> ElementNamen(const std::string& kopie) {
    TMeldungenSammeln leise;
    TDokument d;
    d.Laden(kopie);
    return Namen(d);
}

struct TPlanTest : ::testing::Test {
    TTestOrdner Ordner;
    TMeldungsProtokoll Protokoll;
    TUhr Uhr;
    TWiederherstellungsablage Ablage{Ordner.Pfad().string()};
    TWiederherstellungsplan Plan{Ablage, Uhr.Funktion(), [] { return std::int64_t(1765190000); }};
    TDokument Dok;
    int Geplant = 0;

    void SetUp() override {
        Plan.PlanGeaendert = [this] { ++Geplant; };
        Plan.Anmelden(Dok, [] { return std::string("neu1.kvr"); });
    }
    void TearDown() override { SetzeErsetzenProbe(nullptr); }
    bool Faellig() const { return Plan.Naechste() && *Plan.Naechste() <= Uhr.Jetzt; }
};

// A program that wrote copies of these documents and died without removing
// them.
void Hinterlassen(const std::string& ordner,
                  const std::vector<std::pair<TKopienvermerk, std::string>>& dokumente) {
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        TWiederherstellungsablage ablage(ordner);
        for (const auto& [vermerk, punkt] : dokumente) {
            TListe l;
            test::TElementBauer(l).P(punkt, {1, 2, 3});
            if (!ablage.Schreiben(ablage.NeuerPlatz(), l, TKoordinatensystem(), vermerk).empty())
                ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

int Kopien(const std::string& ordner) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(ordner))
        n += e.path().extension() == ".kvr";
    return n;
}

} // namespace

TEST_F(TPlanTest, TheFirstChangeIsCopiedAtOnceLaterOnesTwoSecondsAfterTheLastCopy) {
    EXPECT_FALSE(Plan.Naechste()); // nothing to copy in an unmodified document
    PunktDazu(Dok, "A");
    ASSERT_TRUE(Faellig());
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(Dok);
    ASSERT_FALSE(kopie.empty());
    EXPECT_EQ(ElementNamen(kopie), (std::vector<std::string>{"A"}));
    EXPECT_FALSE(Plan.Naechste());

    Uhr.Jetzt += 500ms;
    PunktDazu(Dok, "B");
    ASSERT_TRUE(Plan.Naechste());
    EXPECT_EQ(*Plan.Naechste(), Uhr.Jetzt + 1500ms);
    Uhr.Jetzt += 1000ms;
    Plan.Schreiben(); // too early: nothing is written
    EXPECT_EQ(ElementNamen(kopie), (std::vector<std::string>{"A"}));
    Uhr.Jetzt += 500ms;
    ASSERT_TRUE(Faellig());
    Plan.Schreiben();
    EXPECT_EQ(ElementNamen(kopie), (std::vector<std::string>{"A", "B"}));

    // Marks are part of the file too; after a quiet spell a change goes at once.
    Uhr.Jetzt += 10s;
    Dok.Markieren([](TListe& l) { l[1]->markiert = true; });
    EXPECT_TRUE(Faellig());
    EXPECT_GT(Geplant, 0);
}

TEST_F(TPlanTest, SavingClosingAfterNoAndLoadingRemoveTheCopy) {
    PunktDazu(Dok, "A");
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(Dok);
    ASSERT_TRUE(fs::exists(kopie));
    ASSERT_TRUE(Dok.Speichern(Ordner / "a.kvr"));
    EXPECT_FALSE(fs::exists(kopie));
    EXPECT_EQ(Plan.KopieDatei(Dok), "");
    EXPECT_FALSE(Plan.Naechste());

    Uhr.Jetzt += 5s;
    PunktDazu(Dok, "B");
    Plan.Schreiben();
    ASSERT_TRUE(fs::exists(kopie));
    Plan.Abmelden(Dok);
    EXPECT_FALSE(fs::exists(kopie));
    EXPECT_FALSE(fs::exists(Ablage.VermerkDatei(1)));
    // Once forgotten, changes of the document are none of the plan's business.
    PunktDazu(Dok, "C");
    EXPECT_FALSE(Plan.Naechste());
}

TEST_F(TPlanTest, ADocumentGoneWithoutBeingClosedKeepsItsCopy) {
    auto d = std::make_unique<TDokument>();
    Plan.Anmelden(*d, {});
    PunktDazu(*d, "A");
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(*d);
    // Only the address is left once the document is gone, and the plan only
    // compares it. Read back from a volatile, so that the optimised build's
    // -Wuse-after-free does not take passing it on for a use of the document.
    const TDokument* volatile weg = d.get();
    d.reset(); // as the window goes: the document first, then the plan is told
    Plan.Vergessen(weg);

    EXPECT_TRUE(fs::exists(kopie));
    EXPECT_FALSE(Plan.Naechste());
}

TEST_F(TPlanTest, AFullDiskIsToldOnceAndTriedAgainLater) {
    PunktDazu(Dok, "A");
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(Dok);
    SetzeErsetzenProbe([](const std::string&) { return false; });
    for (int i = 0; i < 4; ++i) {
        Uhr.Jetzt += 3s;
        PunktDazu(Dok, "P" + std::to_string(i));
        Plan.Schreiben();
        // Not in a loop: the next try waits as long as any copy.
        EXPECT_EQ(*Plan.Naechste(), Uhr.Jetzt + TWiederherstellungsplan::Abstand);
    }
    ASSERT_EQ(Protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(Protokoll.Eintraege[0].Text, NichtSchreibbarMeldung(Ablage.Ordner()));
    EXPECT_EQ(Protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_EQ(ElementNamen(kopie), (std::vector<std::string>{"A"})); // the last good copy
    EXPECT_EQ(Dok.Liste().Anzahl(), 5);

    SetzeErsetzenProbe(nullptr);
    Uhr.Jetzt += 3s;
    Plan.Schreiben();
    EXPECT_EQ(ElementNamen(kopie).size(), 5u);
    // Working again; a new failure is told again.
    SetzeErsetzenProbe([](const std::string&) { return false; });
    Uhr.Jetzt += 3s;
    PunktDazu(Dok, "Z");
    Plan.Schreiben();
    EXPECT_EQ(Protokoll.Eintraege.size(), 2u);
}

TEST(Wiederherstellungsplan, AStateFolderThatCannotBeWrittenIsToldOnce) {
    TTestOrdner t;
    test::DateiSchreiben(t / "datei", "");
    TMeldungsProtokoll protokoll;
    TUhr uhr;
    TWiederherstellungsablage ablage(t / "datei/Kalvorin/Wiederherstellung");
    TWiederherstellungsplan plan(ablage, uhr.Funktion());
    TDokument a, b;
    plan.Anmelden(a, {});
    plan.Anmelden(b, {});
    for (int i = 0; i < 3; ++i) {
        PunktDazu(a, "A" + std::to_string(i));
        PunktDazu(b, "B" + std::to_string(i));
        plan.Schreiben();
        uhr.Jetzt += 5s;
    }
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(
        protokoll.Eintraege[0].Text,
        "Kalvorin kann keine Wiederherstellungskopien schreiben (" +
            (t / "datei/Kalvorin/Wiederherstellung") +
            ").\r\nSie können weiterarbeiten, aber nach einem Absturz sind nicht gespeicherte "
            "Änderungen verloren.");
    EXPECT_EQ(a.Liste().Anzahl(), 3);
    EXPECT_TRUE(a.Geaendert());
}

TEST(Wiederherstellungsplan, ObserversOfDocumentsThatOutliveThePlanDoNothing) {
    TTestOrdner t;
    TDokument d;
    {
        TWiederherstellungsablage ablage(t.Pfad().string());
        TWiederherstellungsplan plan(ablage);
        plan.Anmelden(d, {});
    }
    PunktDazu(d, "A");
    EXPECT_EQ(d.Liste().Anzahl(), 1);
}

TEST(DokumentWiederherstellen, ComesBackUnderItsOwnNameModified) {
    TTestOrdner t;
    TMeldungsProtokoll protokoll;
    TDokument quelle;
    PunktDazu(quelle, "A");
    ASSERT_TRUE(quelle.Speichern(t / "kopie.kvr"));

    TDokument d;
    ASSERT_EQ(d.Wiederherstellen(t / "kopie.kvr", "/home/lehrer/Würfel.kvr", false),
              TLadeergebnis::Gelesen);
    EXPECT_EQ(Namen(d), (std::vector<std::string>{"A"}));
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(d.Dateiname(), "/home/lehrer/Würfel.kvr");
    EXPECT_EQ(SpeicherDatei(d), "/home/lehrer/Würfel.kvr"); // "&Speichern" writes the original
    EXPECT_EQ(Fensterbeschriftung(d, 4), "Würfel.kvr");

    TDokument nurLesen;
    nurLesen.Wiederherstellen(t / "kopie.kvr", "/home/lehrer/Würfel.kvr", true);
    EXPECT_EQ(Fensterbeschriftung(nurLesen, 1), "Würfel.kvr (schreibgeschützt)");
    EXPECT_EQ(SpeicherDatei(nurLesen), "");

    TDokument neu;
    neu.Wiederherstellen(t / "kopie.kvr", "", true);
    EXPECT_EQ(Fensterbeschriftung(neu, 3), "neu3.kvr");
    EXPECT_FALSE(neu.Schreibgeschuetzt());
    EXPECT_EQ(SpeicherDatei(neu), "");
}

TEST(DokumentWiederherstellen, ACopyThatDoesNotReadCompletelyLeavesTheDocumentEmptyAndUnmodified) {
    TTestOrdner t;
    TMeldungsProtokoll protokoll;
    test::DateiSchreiben(t / "teil.kvr",
                         "[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n"
                         "[B]\r\nElementart=0|DfrPunkt\r\nFestlegung=1\r\nPV=A|X\r\n"
                         "Originalelement=Fehlt\r\nEntstehungsart=3|PSpiegelung\r\n"
                         "Entstehungselemente=Fehlt\r\n");
    for (const std::string& kopie : {t / "teil.kvr", t / "fehlt.kvr"}) {
        TDokument d;
        EXPECT_NE(d.Wiederherstellen(kopie, "/a.kvr", false), TLadeergebnis::Gelesen);
        EXPECT_EQ(d.Liste().Anzahl(), 0);
        EXPECT_FALSE(d.Geaendert());
        EXPECT_EQ(d.Dateiname(), "");
    }
}

TEST(NeuNummer, OnlyTheCaptionOfANewDocumentHasOne) {
    const std::vector<std::pair<std::string, int>> faelle = {
        {"neu1.kvr", 1}, {"neu27.kvr", 27}, {"neu.kvr", 0},   {"neu01.kvr", 0},
        {"neu1.KVR", 0}, {"Neu1.kvr", 0},   {"neu1x.kvr", 0}, {"neu9999999.kvr", 0},
        {"", 0},         {"würfel.kvr", 0},
    };
    for (const auto& [beschriftung, nummer] : faelle)
        EXPECT_EQ(NeuNummer(beschriftung), nummer) << beschriftung;
}

// ---------------------------------------------------------------------------
// The offer at start

struct TAngebotTest : ::testing::Test {
    TTestOrdner Ordner;
    TMeldungsProtokoll Protokoll;
    std::string Pfad() { return Ordner.Pfad().string(); }
    const TKopienvermerk Wuerfel{"/home/lehrer/Würfel.kvr", "Würfel.kvr", false, 1765190000};
    const TKopienvermerk Neu3{"", "neu3.kvr", false, 1765190100};
};

TEST_F(TAngebotTest, NothingLeftBehindAsksNothing) {
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    TWiederherstellungsangebot angebot(plan);
    EXPECT_TRUE(angebot.Leer());
    EXPECT_TRUE(angebot.Fragen().empty());
    EXPECT_TRUE(Protokoll.Eintraege.empty());
}

TEST_F(TAngebotTest, YesOpensEveryCopyModifiedUnderItsNameAndDropsTheOrphans) {
    Hinterlassen(Pfad(), {{Wuerfel, "W"}, {Neu3, "N"}});
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    std::vector<std::unique_ptr<TDokument>> dokumente;
    {
        TWiederherstellungsangebot angebot(plan);
        ASSERT_FALSE(angebot.Leer());
        const auto kopien = angebot.Fragen();
        ASSERT_EQ(kopien.size(), 2u);
        ASSERT_EQ(Protokoll.Eintraege.size(), 1u);
        EXPECT_TRUE(Protokoll.Eintraege[0].Text.starts_with(
            "Kalvorin wurde nicht ordnungsgemäß beendet. Folgende Dokumente enthalten nicht "
            "gespeicherte Änderungen:\r\n\r\nWürfel.kvr (Stand: "))
            << Protokoll.Eintraege[0].Text;
        EXPECT_NE(Protokoll.Eintraege[0].Text.find("\r\nneu3.kvr (Stand: "), std::string::npos);
        EXPECT_TRUE(Protokoll.Eintraege[0].Text.ends_with(
            " Uhr)\r\n\r\nSollen sie wiederhergestellt werden?"));
        EXPECT_EQ(Protokoll.Eintraege[0].Knoepfe, TFrageKnoepfe::JaNein);
        for (const TVerwaisteKopie& k : kopien) {
            dokumente.push_back(std::make_unique<TDokument>());
            plan.Anmelden(*dokumente.back(), [k] { return k.Angaben.Beschriftung; });
            EXPECT_TRUE(angebot.Oeffnen(*dokumente.back(), k));
        }
    }
    EXPECT_EQ(Protokoll.Eintraege.size(), 1u); // nothing to report
    EXPECT_EQ(Namen(*dokumente[0]), (std::vector<std::string>{"W"}));
    EXPECT_EQ(dokumente[0]->Dateiname(), "/home/lehrer/Würfel.kvr");
    EXPECT_TRUE(dokumente[0]->Geaendert());
    EXPECT_EQ(Namen(*dokumente[1]), (std::vector<std::string>{"N"}));
    EXPECT_EQ(dokumente[1]->Dateiname(), "");
    // Each has a copy of its own now; the orphans are gone, and so are their locks.
    EXPECT_EQ(Kopien(Pfad()), 2);
    EXPECT_EQ(ElementNamen(plan.KopieDatei(*dokumente[0])), (std::vector<std::string>{"W"}));
    TWiederherstellungsablage zweiterStart(Pfad());
    EXPECT_TRUE(zweiterStart.VerwaisteFinden().empty());
}

TEST_F(TAngebotTest, NoAsksOnceMoreAndYesThenDeletes) {
    Hinterlassen(Pfad(), {{Wuerfel, "W"}});
    Protokoll.Antworten = {TAntwort::Nein, TAntwort::Ja};
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    {
        TWiederherstellungsangebot angebot(plan);
        EXPECT_TRUE(angebot.Fragen().empty());
    }
    ASSERT_EQ(Protokoll.Eintraege.size(), 2u);
    EXPECT_EQ(Protokoll.Eintraege[1].Text,
              "Die nicht gespeicherten Änderungen gehen dann endgültig verloren.\r\n"
              "Sollen die Wiederherstellungskopien gelöscht werden?");
    EXPECT_TRUE(Protokoll.Eintraege[1].IstFrage);
    EXPECT_EQ(Kopien(Pfad()), 0);
}

TEST_F(TAngebotTest, NoTwiceKeepsTheCopiesForTheNextStart) {
    Hinterlassen(Pfad(), {{Wuerfel, "W"}});
    Protokoll.Antworten = {TAntwort::Nein, TAntwort::Nein};
    {
        TWiederherstellungsablage ablage(Pfad());
        TWiederherstellungsplan plan(ablage);
        TWiederherstellungsangebot angebot(plan);
        EXPECT_TRUE(angebot.Fragen().empty());
    }
    EXPECT_EQ(Protokoll.Eintraege.size(), 2u);
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    TWiederherstellungsangebot angebot(plan);
    EXPECT_EQ(angebot.Fragen().size(), 1u);
}

TEST_F(TAngebotTest, AnUnreadableCopyIsReportedByNameAndKept) {
    Hinterlassen(Pfad(), {{Wuerfel, "W"}});
    test::DateiSchreiben(Ordner / "k7_kaputt-1.kvr", "[Version]\r\nnicht mehr");
    test::DateiSchreiben(Ordner / "k7_kaputt-1.vermerk", VermerkText(Neu3));
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    {
        TWiederherstellungsangebot angebot(plan);
        const auto kopien = angebot.Fragen();
        ASSERT_EQ(kopien.size(), 1u); // only the sound one is offered
        EXPECT_EQ(Protokoll.Eintraege[0].Text.find("neu3.kvr"), std::string::npos);
    }
    ASSERT_EQ(Protokoll.Eintraege.size(), 2u);
    const std::string ort = ablage.UnlesbarOrdner() + "/k7_kaputt-1.kvr";
    EXPECT_EQ(Protokoll.Eintraege[1].Text,
              "Folgende Wiederherstellungskopien können nicht gelesen werden:\r\n\r\n"
              "neu3.kvr (" +
                  ort + ")\r\n\r\nDie Dateien wurden nicht gelöscht.");
    EXPECT_FALSE(Protokoll.Eintraege[1].IstFrage);
    EXPECT_EQ(test::DateiInhalt(ort), "[Version]\r\nnicht mehr");
}

TEST_F(TAngebotTest, OnlyUnreadableCopiesAskNothingButAreReported) {
    test::DateiSchreiben(Ordner / "k7_kaputt-1.kvr", "");
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    {
        TWiederherstellungsangebot angebot(plan);
        EXPECT_TRUE(angebot.Fragen().empty());
    }
    ASSERT_EQ(Protokoll.Eintraege.size(), 1u);
    EXPECT_NE(Protokoll.Eintraege[0].Text.find("Dokument ohne Namen ("), std::string::npos);
}

TEST_F(TAngebotTest, ACopyThatCannotBeCopiedAgainStaysAnOrphan) {
    Hinterlassen(Pfad(), {{Wuerfel, "W"}});
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    TDokument d;
    plan.Anmelden(d, {});
    {
        TWiederherstellungsangebot angebot(plan);
        const auto kopien = angebot.Fragen();
        ASSERT_EQ(kopien.size(), 1u);
        SetzeErsetzenProbe([](const std::string&) { return false; });
        EXPECT_TRUE(angebot.Oeffnen(d, kopien[0]));
        SetzeErsetzenProbe(nullptr);
        EXPECT_TRUE(fs::exists(kopien[0].Kopie)); // still the only copy on disk
    }
    EXPECT_EQ(Namen(d), (std::vector<std::string>{"W"}));
}

TEST_F(TAngebotTest, ManyCopiesMakeAQuestionOfTwentyLines) {
    std::vector<TVerwaisteKopie> kopien(23);
    for (std::size_t i = 0; i < kopien.size(); ++i)
        kopien[i].Angaben.Beschriftung = "neu" + std::to_string(i + 1) + ".kvr";
    const std::string frage = WiederherstellungsFrage(kopien);
    EXPECT_NE(frage.find("\r\nneu20.kvr\r\nund 3 weitere\r\n\r\nSollen"), std::string::npos);
    EXPECT_EQ(frage.find("neu21.kvr"), std::string::npos);
}

// ---------------------------------------------------------------------------
// Copies that outlive their documents

TEST_F(TAngebotTest, RestoredWhileTheFolderIsFullTheOrphanGoesWithTheSavedDocument) {
    Hinterlassen(Pfad(), {{Wuerfel, "W"}});
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    TDokument d;
    plan.Anmelden(d, {});
    std::string orphan;
    {
        TWiederherstellungsangebot angebot(plan);
        const auto kopien = angebot.Fragen();
        ASSERT_EQ(kopien.size(), 1u);
        orphan = kopien[0].Kopie;
        SetzeErsetzenProbe([](const std::string&) { return false; });
        EXPECT_TRUE(angebot.Oeffnen(d, kopien[0]));
        SetzeErsetzenProbe(nullptr);
    }
    ASSERT_TRUE(fs::exists(orphan));
    ASSERT_TRUE(d.Speichern(Ordner / "w.kvr"));
    EXPECT_FALSE(fs::exists(orphan)) << "saved: nothing is left to recover";
    EXPECT_EQ(Kopien(Pfad()), 1) << "only the saved file";
    EXPECT_TRUE(plan.Aufraeumen().empty());
    TWiederherstellungsablage zweiterStart(Pfad());
    EXPECT_TRUE(zweiterStart.VerwaisteFinden().empty());
}

TEST_F(TPlanTest, ACopyThatCannotBeRemovedIsToldAtTheEndAndNeverOfferedAsNewer) {
    PunktDazu(Dok, "A");
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(Dok);
    ASSERT_FALSE(kopie.empty());
    // Something in the way that no unlink removes, as in a folder that has
    // become write-protected.
    fs::remove(kopie);
    fs::create_directories(kopie + "/fest");
    ASSERT_TRUE(Dok.Speichern(Ordner / "a.kvr"));
    EXPECT_TRUE(Protokoll.Eintraege.empty()) << "saving itself succeeded";
    const std::vector<std::string> geblieben = Plan.Aufraeumen();
    EXPECT_EQ(geblieben, std::vector<std::string>{kopie});
    EXPECT_EQ(NichtEntferntMeldung(geblieben),
              "Eine Wiederherstellungskopie konnte nicht gelöscht werden:\r\n\r\n" + kopie +
                  "\r\n\r\nIhre Dokumente sind gespeichert oder wurden bewusst verworfen. Beim "
                  "nächsten Start wird eine Kopie nur angeboten, wenn sie neuer ist als die "
                  "gespeicherte Datei; Sie können die Kopien auch selbst löschen.");
    // Once the way is clear, the end removes it.
    fs::remove_all(kopie);
    EXPECT_TRUE(Plan.Aufraeumen().empty());
}

TEST_F(TAngebotTest, ACopyOlderThanItsSavedFileIsRemovedNotOffered) {
    const std::string datei = Ordner / "Würfel.kvr";
    const TKopienvermerk vermerk{datei, "Würfel.kvr", false, 1765190000};
    Hinterlassen(Pfad(), {{vermerk, "W"}, {Neu3, "N"}});
    // The document was saved after its copy was taken.
    test::DateiSchreiben(datei, "[A]\r\nElementart=0|DfrPunkt\r\n");
    fs::last_write_time(datei, fs::file_time_type::clock::now() + std::chrono::seconds(5));
    TWiederherstellungsablage ablage(Pfad());
    TWiederherstellungsplan plan(ablage);
    {
        TWiederherstellungsangebot angebot(plan);
        const auto kopien = angebot.Fragen();
        ASSERT_EQ(kopien.size(), 1u);
        EXPECT_EQ(kopien[0].Angaben.Beschriftung, "neu3.kvr");
        ASSERT_EQ(Protokoll.Eintraege.size(), 1u);
        EXPECT_EQ(Protokoll.Eintraege[0].Text.find("Würfel"), std::string::npos);
    }
    EXPECT_EQ(Kopien(Pfad()), 2) << "the new document's copy and the saved file";
}

TEST_F(TPlanTest, CopiesAndRecordsAreForTheirOwnerAlone) {
    PunktDazu(Dok, "A");
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(Dok);
    ASSERT_FALSE(kopie.empty());
    const fs::perms nurEigner = fs::perms::owner_read | fs::perms::owner_write;
    EXPECT_EQ(fs::status(kopie).permissions(), nurEigner);
    EXPECT_EQ(fs::status(Ablage.VermerkDatei(1)).permissions(), nurEigner);
}

TEST_F(TPlanTest, TheCopyFollowsUndoAndRedo) {
    PunktDazu(Dok, "A");
    ASSERT_TRUE(Dok.Speichern(Ordner / "a.kvr"));
    PunktDazu(Dok, "B");
    Uhr.Jetzt += 10s;
    Plan.Schreiben();
    const std::string kopie = Plan.KopieDatei(Dok);
    ASSERT_TRUE(fs::exists(kopie));
    EXPECT_EQ(ElementNamen(kopie), (std::vector<std::string>{"A", "B"}));
    // Back at the saved state: nothing to recover.
    ASSERT_TRUE(Dok.RueckgaengigMachen());
    EXPECT_FALSE(fs::exists(kopie));
    EXPECT_EQ(Plan.KopieDatei(Dok), "");
    // Redone: the copy is due again and holds B.
    ASSERT_TRUE(Dok.Wiederholen());
    Uhr.Jetzt += 10s;
    Plan.Schreiben();
    ASSERT_NE(Plan.KopieDatei(Dok), "");
    EXPECT_EQ(ElementNamen(Plan.KopieDatei(Dok)), (std::vector<std::string>{"A", "B"}));
}
