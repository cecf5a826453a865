// Recovery copies in the running program: the timer writes them, saving,
// closing after "Nein" and quitting remove them, the offer at start opens
// them again; and the real program killed right after a change.

#include "ui/TWiederherstellung.h"

#include "document/Testzugang.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "ui/Hilfe.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace kalvorin;
namespace fs = std::filesystem;

namespace {

// Each test gets a state folder of its own; the program's copies go there.
class TZustandsordner {
public:
    TZustandsordner() {
        if (const char* alt = std::getenv("XDG_STATE_HOME")) alt_ = alt;
        ::setenv("XDG_STATE_HOME", Pfad().c_str(), 1);
    }
    ~TZustandsordner() {
        if (alt_)
            ::setenv("XDG_STATE_HOME", alt_->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }
    TZustandsordner(const TZustandsordner&) = delete;
    TZustandsordner& operator=(const TZustandsordner&) = delete;

    std::string Pfad() const { return ordner_.path().toStdString(); }
    std::string Kopien() const { return StandardWiederherstellungsordner(); }

private:
    QTemporaryDir ordner_;
    std::optional<std::string> alt_;
};

bool Warten(const std::function<bool()>& bis, int ms = 5000) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bis()) {
        if (uhr.elapsed() > ms) return false;
        QTest::qWait(10);
    }
    return true;
}

void PunktDazu(TDokument& d, const std::string& name) {
    d.Aendern([&name](TListe& l) {
        test::TElementBauer(l).P(name, {1, 2, 3});
        return true;
    });
}

std::vector<std::string> Dateien(const std::string& ordner, const std::string& endung) {
    std::vector<std::string> namen;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(ordner, ec))
        if (e.path().extension() == endung) namen.push_back(e.path().string());
    return namen;
}

std::string Inhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

QMdiSubWindow* Rahmen(tGrafChildForm* f) {
    return qobject_cast<QMdiSubWindow*>(f->parentWidget());
}

void Aufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(TWiederherstellung, TheTimerWritesTheCopyAndSavingRemovesIt) {
    TZustandsordner zustand;
    TMeldungsProtokoll protokoll;
    TMainForm f;
    f.NeuClick();
    TDokument& d = *f.AktivesDokument();
    TWiederherstellung& w = f.Wiederherstellung();
    EXPECT_FALSE(w.Zeitgeber().isActive()); // nothing unsaved yet

    PunktDazu(d, "A");
    ASSERT_TRUE(w.Zeitgeber().isActive());
    EXPECT_EQ(w.Zeitgeber().interval(), 0); // the first change goes at once
    ASSERT_TRUE(Warten([&] { return !w.Plan().KopieDatei(d).empty(); }));
    const std::string kopie = w.Plan().KopieDatei(d);
    EXPECT_NE(Inhalt(kopie).find("[A]"), std::string::npos);
    EXPECT_EQ(kopie.rfind(zustand.Kopien(), 0), 0u);

    PunktDazu(d, "B");
    ASSERT_TRUE(w.Zeitgeber().isActive());
    EXPECT_GT(w.Zeitgeber().remainingTime(), 1000); // at most one copy in two seconds
    ASSERT_TRUE(Warten([&] { return Inhalt(kopie).find("[B]") != std::string::npos; }));
    const auto vermerke = Dateien(zustand.Kopien(), ".vermerk");
    ASSERT_EQ(vermerke.size(), 1u);
    TKopienvermerk v;
    ASSERT_TRUE(VermerkLesen(Inhalt(vermerke[0]), v));
    EXPECT_EQ(v.Beschriftung, "neu1.kvr");

    QTemporaryDir dateien;
    const QString ziel = dateien.filePath(QStringLiteral("würfel.kvr"));
    f.DateiDialog = [&](const TDateiAnfrage&) { return TDateiAntwort{ziel, false}; };
    ASSERT_TRUE(f.Speichere(f.AktivesFenster()));
    EXPECT_FALSE(fs::exists(kopie));
    EXPECT_TRUE(Dateien(zustand.Kopien(), ".vermerk").empty());
    EXPECT_FALSE(w.Zeitgeber().isActive());
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST(TWiederherstellung, ClosingAfterNoRemovesTheCopyCancellingKeepsIt) {
    TZustandsordner zustand;
    TMeldungsProtokoll protokoll;
    TMainForm f;
    f.show();
    f.NeuClick();
    TDokument& d = *f.AktivesDokument();
    PunktDazu(d, "A");
    ASSERT_TRUE(Warten([&] { return !f.Wiederherstellung().Plan().KopieDatei(d).empty(); }));
    const std::string kopie = f.Wiederherstellung().Plan().KopieDatei(d);

    protokoll.Antworten = {TAntwort::Abbrechen};
    f.SchliessenClick();
    EXPECT_EQ(f.Dokumentfenster().size(), 1);
    EXPECT_TRUE(fs::exists(kopie));

    protokoll.Antworten = {TAntwort::Nein};
    f.SchliessenClick();
    EXPECT_TRUE(f.Dokumentfenster().isEmpty());
    EXPECT_FALSE(fs::exists(kopie));
    Aufraeumen();
}

TEST(TWiederherstellung, QuittingNormallyLeavesNothingBehind) {
    TZustandsordner zustand;
    TMeldungsProtokoll protokoll;
    {
        TMainForm f;
        f.show();
        f.NeuClick();
        f.NeuClick();
        for (tGrafChildForm* fenster : f.Dokumentfenster())
            PunktDazu(fenster->Dokument(), "A");
        ASSERT_TRUE(Warten([&] { return Dateien(zustand.Kopien(), ".kvr").size() == 2; }));
        protokoll.Antworten = {TAntwort::Ja, TAntwort::Nein, TAntwort::Nein};
        ASSERT_TRUE(f.close());
        Aufraeumen();
    }
    EXPECT_TRUE(fs::is_empty(zustand.Kopien()));
}

namespace {
// Copies a program left when it died: a store that goes with its copies
// still there.
void Hinterlassen(const std::string& ordner, const std::vector<TKopienvermerk>& vermerke) {
    TWiederherstellungsablage ablage(ordner);
    for (const TKopienvermerk& v : vermerke) {
        TListe l;
        test::TElementBauer(l).P("P", {1, 2, 3});
        ASSERT_EQ(ablage.Schreiben(ablage.NeuerPlatz(), l, TKoordinatensystem(), v), "");
    }
}
} // namespace

TEST(TWiederherstellung, RestoredDocumentsOpenUnderTheirCaptionsAndSaveToTheirOwnFile) {
    TZustandsordner zustand;
    QTemporaryDir dateien;
    const std::string wuerfel = dateien.filePath(QStringLiteral("würfel.kvr")).toStdString();
    const std::string nurLesen = dateien.filePath(QStringLiteral("nur.kvr")).toStdString();
    Hinterlassen(zustand.Kopien(), {{wuerfel, "würfel.kvr", false, 1000},
                                    {"", "neu3.kvr", false, 1001},
                                    {nurLesen, "nur.kvr (schreibgeschützt)", true, 1002}});
    std::ofstream(zustand.Kopien() + "/k1_kaputt-1.kvr") << "kaputt";

    TMeldungsProtokoll protokoll;
    TMainForm f;
    f.show();
    int dialoge = 0;
    f.DateiDialog = [&](const TDateiAnfrage&) {
        ++dialoge;
        return TDateiAntwort{};
    };
    int vorher = 0;
    EXPECT_EQ(f.Wiederherstellung().Anbieten([&] { ++vorher; }), 3);
    EXPECT_EQ(vorher, 1);
    ASSERT_EQ(protokoll.Eintraege.size(), 2u); // the question, then the unreadable copy
    EXPECT_TRUE(protokoll.Eintraege[0].IstFrage);
    EXPECT_NE(protokoll.Eintraege[1].Text.find("k1_kaputt-1.kvr"), std::string::npos);

    const auto fenster = f.Dokumentfenster();
    ASSERT_EQ(fenster.size(), 3);
    EXPECT_EQ(fenster[0]->Beschriftung(), QStringLiteral("würfel.kvr"));
    EXPECT_EQ(fenster[1]->Beschriftung(), QStringLiteral("neu3.kvr"));
    EXPECT_EQ(fenster[2]->Beschriftung(), QStringLiteral("nur.kvr (schreibgeschützt)"));
    EXPECT_EQ(Rahmen(fenster[1])->windowTitle(), QStringLiteral("neu3.kvr[*]"));
    for (tGrafChildForm* w : fenster) {
        EXPECT_TRUE(w->Dokument().Geaendert());
        EXPECT_EQ(w->Dokument().Liste().Anzahl(), 1);
    }
    // Each window has its own copy already; the orphans are gone.
    EXPECT_EQ(Dateien(zustand.Kopien(), ".kvr").size(), 3u);
    for (tGrafChildForm* w : fenster)
        EXPECT_FALSE(f.Wiederherstellung().Plan().KopieDatei(w->Dokument()).empty());

    // "&Speichern" writes the original file, without asking for a name.
    f.MdiArea()->setActiveSubWindow(Rahmen(fenster[0]));
    f.SpeichernClick();
    EXPECT_EQ(dialoge, 0);
    EXPECT_NE(Inhalt(wuerfel).find("[P]"), std::string::npos);
    EXPECT_FALSE(fenster[0]->Dokument().Geaendert());
    EXPECT_EQ(Dateien(zustand.Kopien(), ".kvr").size(), 2u);
    // The new and the read-only one ask, as before the crash.
    EXPECT_TRUE(f.Speichere(fenster[1]) == false && dialoge == 1);
    EXPECT_TRUE(f.Speichere(fenster[2]) == false && dialoge == 2);
    EXPECT_FALSE(fs::exists(nurLesen));
}

TEST(TWiederherstellung, AStateFolderThatCannotBeWrittenIsToldOnceAndWorkGoesOn) {
    QTemporaryDir basis;
    const QString datei = basis.filePath(QStringLiteral("datei"));
    QFile(datei).open(QIODevice::WriteOnly);
    const std::string alt = std::getenv("XDG_STATE_HOME") ? std::getenv("XDG_STATE_HOME") : "";
    ::setenv("XDG_STATE_HOME", datei.toLocal8Bit().constData(), 1);
    {
        TMeldungsProtokoll protokoll;
        TMainForm f;
        f.NeuClick();
        TDokument& d = *f.AktivesDokument();
        PunktDazu(d, "A");
        ASSERT_TRUE(Warten([&] { return !protokoll.Eintraege.empty(); }));
        PunktDazu(d, "B");
        QTest::qWait(2300); // past the next try
        ASSERT_EQ(protokoll.Eintraege.size(), 1u);
        EXPECT_EQ(protokoll.Eintraege[0].Text.rfind(
                      "Kalvorin kann keine Wiederherstellungskopien schreiben", 0),
                  0u);
        EXPECT_EQ(d.Liste().Anzahl(), 2);
        EXPECT_TRUE(d.Geaendert());
    }
    ::setenv("XDG_STATE_HOME", alt.c_str(), 1);
}

TEST(TWiederherstellung, TheHelpPageExplainsItInGerman) {
    const QUrl seite = THilfe::SeiteZuThema(QStringLiteral("IDH_Wiederherstellung"));
    EXPECT_EQ(seite, QUrl(QStringLiteral("qrc:/hilfe/wiederherstellung.html")));
    QFile datei(QStringLiteral(":/hilfe/wiederherstellung.html"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(datei.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>Wiederherstellung nach einem Absturz</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("Sollen sie wiederhergestellt werden?")));
    QFile inhalt(QStringLiteral(":/hilfe/inhalt.html"));
    ASSERT_TRUE(inhalt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(inhalt.readAll())
                    .contains(QStringLiteral("href=\"wiederherstellung.html\"")));
}

// ---------------------------------------------------------------------------
// The real program, killed with SIGKILL right after a change

namespace {

class TProgramm {
public:
    TProgramm(const QString& zustand, const QString& einstellungen, const QString& haken,
              const QString& antworten) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        umgebung.insert(QStringLiteral("XDG_STATE_HOME"), zustand);
        umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), einstellungen);
        umgebung.insert(QStringLiteral("KALVORIN_TESTHAKEN"), haken);
        umgebung.insert(QStringLiteral("KALVORIN_TESTANTWORTEN"), antworten);
        prozess_.setProcessEnvironment(umgebung);
        prozess_.setProcessChannelMode(QProcess::SeparateChannels);
        prozess_.start(QStringLiteral(KALVORIN_PROGRAMM), QStringList());
    }
    ~TProgramm() { Toeten(); }

    // The lines written until "bereit", or until the time is up.
    QStringList BisBereit(int ms = 60000) {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < ms) {
            if (prozess_.canReadLine() || prozess_.waitForReadyRead(200)) {
                while (prozess_.canReadLine()) {
                    const QString zeile = QString::fromUtf8(prozess_.readLine()).trimmed();
                    if (zeile.startsWith(QStringLiteral("bereit"))) return zeilen_;
                    zeilen_ << zeile;
                }
            }
            if (prozess_.state() == QProcess::NotRunning) break;
        }
        zeilen_ << QStringLiteral("(not ready: ") +
                       QString::fromUtf8(prozess_.readAllStandardError()) + ")";
        return zeilen_;
    }
    bool Toeten() {
        if (prozess_.state() == QProcess::NotRunning) return false;
        ::kill(static_cast<pid_t>(prozess_.processId()), SIGKILL);
        prozess_.waitForFinished(10000);
        return prozess_.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess prozess_;
    QStringList zeilen_;
};

} // namespace

TEST(TWiederherstellungProzess, AfterSigkillTheNextStartOffersTheChangeBack) {
    QTemporaryDir zustand, einstellungen;
    const std::string kopien = zustand.path().toStdString() + "/Kalvorin/Wiederherstellung";
    {
        TProgramm erster(zustand.path(), einstellungen.path(), QStringLiteral("punkt"), QString());
        const QStringList zeilen = erster.BisBereit();
        ASSERT_TRUE(zeilen.contains(QStringLiteral("Fenster: neu1.kvr|1|A")))
            << zeilen.join('\n').toStdString();
        // The change is on disk at once, not after the throttle.
        ASSERT_TRUE(Warten(
            [&] {
                for (const std::string& k : Dateien(kopien, ".kvr"))
                    if (Inhalt(k).find("[A]") != std::string::npos) return true;
                return false;
            },
            10000));
        ASSERT_TRUE(erster.Toeten());
    }
    ASSERT_EQ(Dateien(kopien, ".kvr").size(), 1u);

    TProgramm zweiter(zustand.path(), einstellungen.path(), QStringLiteral("1"),
                      QStringLiteral("Ja"));
    const QStringList zeilen = zweiter.BisBereit();
    const QString frage = QStringLiteral("Frage: Kalvorin wurde nicht ordnungsgemäß beendet. "
                                         "Folgende Dokumente enthalten nicht gespeicherte "
                                         "Änderungen: |  | neu1.kvr (Stand: ");
    ASSERT_EQ(zeilen.filter(QStringLiteral("Frage: ")).size(), 1)
        << zeilen.join('\n').toStdString();
    EXPECT_TRUE(zeilen.filter(QStringLiteral("Frage: "))[0].startsWith(frage))
        << zeilen.join('\n').toStdString();
    EXPECT_TRUE(zeilen.filter(QStringLiteral("Frage: "))[0].endsWith(
        QStringLiteral("Uhr) |  | Sollen sie wiederhergestellt werden?")));
    // Restored in place of the empty start document, modified, with the point.
    EXPECT_EQ(zeilen.filter(QStringLiteral("Fenster: ")),
              QStringList{QStringLiteral("Fenster: neu1.kvr|1|A")})
        << zeilen.join('\n').toStdString();
    EXPECT_TRUE(zeilen.filter(QStringLiteral("Meldung: ")).isEmpty())
        << zeilen.join('\n').toStdString();
}
