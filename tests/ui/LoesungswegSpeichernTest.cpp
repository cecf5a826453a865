// "Speichern unter..." of the window "Lösungsweg": the file goes through
// the atomic replace, so that a full disk leaves an older file whole, and
// a pipe, a device or a write-protected file under the name is refused at
// once with the sentence of its cause.

#include "document/Testzugang.h"
#include "ui/TLoesungswegForm.h"

#include "document/Dokument.h"
#include "model/ElementBauer.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "storage/EinstellungenSichern.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvorin;

namespace {

class LoesungswegSpeichern : public ::testing::Test {
protected:
    void SetUp() override {
        bau.P("S", {4, 4, 5})->markiert = true;
        bau.ENOR("E", {6, 3, 4}, -12)->markiert = true;
        ASSERT_TRUE(fenster.Zeigen(dok));
    }
    void TearDown() override { SetzeErsetzenProbe(nullptr); }
    QString Speichern(const std::string& datei) {
        return fenster.Speichern(QString::fromStdString(datei));
    }
    static std::string Meldung(const char* ursache, const std::string& datei) {
        return "Der Lösungsweg kann nicht gespeichert werden.\r\n" + std::string(ursache) + " (" +
               datei + ")";
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    TLoesungswegForm fenster;
    test::TTestOrdner ordner;
};

TEST_F(LoesungswegSpeichern, AFullDiskLeavesTheOlderFileWholeAndSaysSo) {
    const std::string datei = ordner / "weg.tex";
    test::DateiSchreiben(datei, "alt");
    SetzeErsetzenProbe([](const std::string&) { return false; });
    EXPECT_EQ(Speichern(datei).toStdString(),
              Meldung("Auf dem Datenträger ist nicht genug Platz frei.", datei));
    EXPECT_EQ(test::DateiInhalt(datei), "alt");
}

// Under the name stands what must not be written: each is refused with its
// own sentence and left as it was.
TEST_F(LoesungswegSpeichern, APipeAWriteProtectedFileAndAFolderAreRefused) {
    const std::string rohr = ordner / "rohr.tex";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    // A reader at the other end, so that an open for writing would not
    // block but write into the pipe.
    const int leser = ::open(rohr.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    EXPECT_EQ(Speichern(rohr).toStdString(),
              Meldung("Unter diesem Namen steht keine gewöhnliche Datei, sondern ein Gerät oder "
                      "eine Verbindung zwischen Programmen; sie wird nicht überschrieben.",
                      rohr));
    char byte = 0;
    EXPECT_LE(::read(leser, &byte, 1), 0) << "something was written into the pipe";
    ::close(leser);

    const std::string geschuetzt = ordner / "geschuetzt.tex";
    test::DateiSchreiben(geschuetzt, "alt");
    ASSERT_EQ(::chmod(geschuetzt.c_str(), 0444), 0);
    EXPECT_EQ(Speichern(geschuetzt).toStdString(),
              Meldung("Die Datei ist schreibgeschützt und wird nicht überschrieben.", geschuetzt));
    EXPECT_EQ(test::DateiInhalt(geschuetzt), "alt");

    EXPECT_EQ(Speichern(ordner / "fehlt/weg.tex").toStdString(),
              Meldung("Den Ordner gibt es nicht.", ordner / "fehlt/weg.tex"));
}

TEST_F(LoesungswegSpeichern, TheSavedFileIsTheWholeSolution) {
    const std::string datei = ordner / "weg.tex";
    test::DateiSchreiben(datei, std::string(100000, 'x'));
    EXPECT_TRUE(Speichern(datei).isEmpty());
    const std::string inhalt = test::DateiInhalt(datei);
    EXPECT_TRUE(inhalt.starts_with("% Lösungsweg aus Kalvorin."));
    EXPECT_TRUE(inhalt.ends_with("\\csname LoesungswegEnde\\endcsname\n"));
}

} // namespace
