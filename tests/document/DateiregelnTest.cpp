#include "document/Dateiregeln.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/Dokumentdatei.h"
#include "storage/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kalvorin;

namespace {
const std::string Punkt = "[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n";
// The derivation names an element the file does not have: the reading ends
// after A with "Einlesefehler".
const std::string Abgebrochen = Punkt +
                                "[B]\r\nElementart=0|DfrPunkt\r\nEntstehungsart=14|Mittelpunkt\r\n"
                                "Entstehungselemente=A|X\r\n";
} // namespace

TEST(Dateien, HiddenOrUnwritableFilesCountAsReadOnly) {
    test::TTestOrdner ordner;
    const std::string offen = ordner / "a.kvr";
    const std::string versteckt = ordner / ".b.kvr";
    for (const std::string& d : {offen, versteckt})
        test::DateiSchreiben(d, "");
    EXPECT_FALSE(DokumentSchreibgeschuetzt(offen));
    EXPECT_TRUE(DokumentSchreibgeschuetzt(versteckt));
    EXPECT_TRUE(DokumentSchreibgeschuetzt(ordner.Pfad().string()));
    EXPECT_FALSE(DokumentSchreibgeschuetzt(ordner / "fehlt.kvr"));
}

TEST(Dateien, ExtensionIsForcedToKvr) {
    EXPECT_EQ(MitKvrEndung("/a/b/bild.txt"), "/a/b/bild.kvr");
    EXPECT_EQ(MitKvrEndung("/a/b/bild.KVR"), "/a/b/bild.kvr");
    EXPECT_EQ(MitKvrEndung("/a/b/bild"), "/a/b/bild.kvr");
    EXPECT_EQ(MitKvrEndung("/a.d/bild"), "/a.d/bild.kvr");
    EXPECT_EQ(MitKvrEndung("x.y.z"), "x.y.kvr");
    EXPECT_EQ(MitKvrEndung("/a/.versteckt"), "/a/.versteckt.kvr");
}

// What opening leaves, and where saving then goes.
TEST(Dateien, OpeningDecidesNameCaptionAndWhereSavingGoes) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;

    TDokument neu;
    EXPECT_EQ(Fensterbeschriftung(neu, 3), "neu3.kvr");
    EXPECT_EQ(SpeicherDatei(neu), "") << "a new document asks for a name";
    EXPECT_EQ(SpeichernUnterVorschlag(neu), "*.KVR");

    const std::string ganz = ordner / "bild.txt";
    test::DateiSchreiben(ganz, Punkt);
    TDokument gelesen;
    EXPECT_EQ(gelesen.Laden(ganz), TLadeergebnis::Gelesen);
    EXPECT_FALSE(gelesen.Geaendert());
    EXPECT_EQ(Fensterbeschriftung(gelesen, 1), "bild.txt");
    EXPECT_EQ(SpeicherDatei(gelesen), ordner / "bild.kvr");
    EXPECT_EQ(SpeichernUnterVorschlag(gelesen), "bild.txt");

    TDokument geschuetzt;
    EXPECT_EQ(geschuetzt.Laden(ganz, true), TLadeergebnis::Gelesen);
    EXPECT_EQ(Fensterbeschriftung(geschuetzt, 1), "bild.txt (schreibgeschützt)");
    EXPECT_EQ(SpeicherDatei(geschuetzt), "") << "a read-only file is never written over";
    ASSERT_TRUE(geschuetzt.Speichern(ordner / "kopie.kvr"));
    EXPECT_FALSE(geschuetzt.Schreibgeschuetzt()) << "the copy is the document's own file";
    EXPECT_EQ(Fensterbeschriftung(geschuetzt, 1), "kopie.kvr");

    const std::string neuName = ordner / "neuer Versuch.kvr";
    test::DateiSchreiben(neuName, Punkt);
    TDokument mitNeu;
    mitNeu.Laden(neuName);
    EXPECT_EQ(SpeicherDatei(mitNeu), ordner / "neuer Versuch.kvr")
        << "only the name's start counts";
    EXPECT_EQ(SpeichernUnterVorschlag(mitNeu), "*.KVR");
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST(Dateien, APartlyReadFileKeepsItsElementsButNotTheFileName) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;
    const std::string datei = ordner / "teil.kvr";
    test::DateiSchreiben(datei, Abgebrochen);
    TDokument d;
    EXPECT_EQ(d.Laden(datei), TLadeergebnis::Teilweise);
    EXPECT_EQ(d.Liste().Anzahl(), 1);
    EXPECT_TRUE(d.Geaendert()) << "closing asks before the part is lost";
    EXPECT_EQ(d.Dateiname(), "");
    EXPECT_EQ(SpeicherDatei(d), "") << "saving must not overwrite the complete file";
    EXPECT_EQ(Fensterbeschriftung(d, 2), "neu2.kvr");

    TDokument leer;
    EXPECT_EQ(leer.Laden(ordner / "fehlt.kvr"), TLadeergebnis::Nichts);
    EXPECT_FALSE(leer.Geaendert());
}
