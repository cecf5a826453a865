#include "storage/EnhIniFile.h"
#include "Testnamen.h"
#include "storage/DateiErsetzen.h"

#include "TestOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvorin;
using kalvorin::test::DateiInhalt;
using kalvorin::test::DateiSchreiben;

namespace {

class EnhIniFile : public testing::Test {
protected:
    test::TTestOrdner ordner;
    std::string datei = ordner / "test.ini";

    std::size_t DateienImOrdner() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(ordner.Pfad()))
            ++n;
        return n;
    }
};

} // namespace

TEST_F(EnhIniFile, MissingFileGivesTheDefaults) {
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("A", "x", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.ReadInteger("A", "x", 42), 42);
    EXPECT_TRUE(ini.ReadBool("A", "x", true));
    EXPECT_FALSE(ini.ValueExists("A", "x"));
}

TEST_F(EnhIniFile, NothingWrittenCreatesNoFile) {
    { TEnhIniFile ini(datei); }
    EXPECT_FALSE(std::filesystem::exists(datei));
}

// The lines of a small document, in the order the document writer produces them.
TEST_F(EnhIniFile, WritesCrLfLinesWithoutBlankLinesBetweenSections) {
    {
        TEnhIniFile ini(datei);
        ini.WriteString("Version", "VersName", "Kalvorin-Analytische Geometrie");
        ini.WriteString("Version", "VersNummer", "1.0");
        ini.WriteString("A", "Elementart", "0|DfrPunkt");
        ini.WriteString("A", "Koord", "1|2|3");
        ini.WriteInteger("A", "Punktform", 0);
        ini.WriteString("@g", "Elementart", "5|DGerade");
        ini.WriteBoolIfTrue("@g", "markiert", true);
        ini.WriteBoolIfTrue("@g", "fest", false);
        ini.WriteBool("@g", "mit Rand", false);
    }
    EXPECT_EQ(DateiInhalt(datei), "[Version]\r\n"
                                  "VersName=Kalvorin-Analytische Geometrie\r\n"
                                  "VersNummer=1.0\r\n"
                                  "[A]\r\n"
                                  "Elementart=0|DfrPunkt\r\n"
                                  "Koord=1|2|3\r\n"
                                  "Punktform=0\r\n"
                                  "[@g]\r\n"
                                  "Elementart=5|DGerade\r\n"
                                  "markiert=1\r\n"
                                  "mit Rand=0\r\n");
}

TEST_F(EnhIniFile, LfOnlyFileReadsLikeCrLf) {
    DateiSchreiben(datei, "[A]\nx=1\ny=zwei\n[B]\nx=3");
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadString("A", "y", ""), "zwei");
    EXPECT_EQ(ini.ReadInteger("B", "x", 0), 3);
}

TEST_F(EnhIniFile, SectionsAndKeysMeetWithoutRegardToCase) {
    {
        TEnhIniFile ini(datei);
        ini.WriteInteger("Zahlenausgabe", "StandardStellen", 4);
        ini.WriteString("Koordinatensystem", "Länge der pos. Achsen", "11");
    }
    TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadInteger("Zahlenausgabe", "Standardstellen", 2), 4);
    EXPECT_EQ(ini.ReadInteger("ZAHLENAUSGABE", "standardstellen", 2), 4);
    EXPECT_EQ(ini.ReadString("koordinatensystem", "LÄNGE DER POS. ACHSEN", ""), "11");
    // A write under another spelling replaces the value and keeps the line's spelling.
    ini.WriteInteger("zahlenausgabe", "STANDARDSTELLEN", 5);
    ini.UpdateFile();
    EXPECT_NE(DateiInhalt(datei).find("StandardStellen=5\r\n"), std::string::npos);
    EXPECT_EQ(DateiInhalt(datei).find("STANDARDSTELLEN"), std::string::npos);
}

TEST_F(EnhIniFile, EscapedElementSectionsStayApart) {
    {
        TEnhIniFile ini(datei);
        ini.WriteString("@g", "Elementart", "5|DGerade");
        ini.WriteString("G", "Elementart", "4|DStrecke");
    }
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("@g", "Elementart", ""), "5|DGerade");
    EXPECT_EQ(ini.ReadString("G", "Elementart", ""), "4|DStrecke");
}

TEST_F(EnhIniFile, WritingKeepsUnrelatedLinesAndPlacesNewKeysAtTheEndOfTheirSection) {
    DateiSchreiben(datei, "; Notiz vom Lehrer\r\n"
                          "[A]\r\n"
                          "x=1\r\n"
                          "irgendein Text\r\n"
                          "\r\n"
                          "[B]\r\n"
                          "y = 2 \r\n");
    {
        TEnhIniFile ini(datei);
        ini.WriteString("A", "x", "10");
        ini.WriteString("A", "neu", "n");
        ini.WriteString("b", "Y", "20");
        ini.WriteString("C", "z", "3");
    }
    EXPECT_EQ(DateiInhalt(datei), "; Notiz vom Lehrer\r\n"
                                  "[A]\r\n"
                                  "x=10\r\n"
                                  "irgendein Text\r\n"
                                  "neu=n\r\n"
                                  "\r\n"
                                  "[B]\r\n"
                                  "y =20\r\n"
                                  "[C]\r\n"
                                  "z=3\r\n");
}

TEST_F(EnhIniFile, BlanksAroundKeysAndValuesAreNotPartOfThem) {
    DateiSchreiben(datei, "[ A ]\n  Farbe\t=  255|0|0  \n");
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("A", "Farbe", ""), "255|0|0");
}

TEST_F(EnhIniFile, TheFirstOfTwoEqualSectionsOrKeysCounts) {
    DateiSchreiben(datei, "[A]\nx=1\nX=2\n[a]\nx=3\ny=4\n");
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A", "y", 0), 0);
}

TEST_F(EnhIniFile, ValuesAreReadUpTo2047CharactersAndKeptWholeInTheFile) {
    const std::string lang(3000, 'x');
    {
        TEnhIniFile ini(datei);
        ini.WriteString("A", "lang", lang);
        EXPECT_EQ(ini.ReadString("A", "lang", ""), std::string(2047, 'x'));
    }
    EXPECT_NE(DateiInhalt(datei).find("lang=" + lang + "\r\n"), std::string::npos);
    // Characters, not bytes: 2047 umlauts are 2047 bytes on disk and 4094 in UTF-8.
    std::string umlaute;
    for (int i = 0; i < 2100; ++i)
        umlaute += "ä";
    TEnhIniFile ini(datei);
    ini.WriteString("A", "ä", umlaute);
    const std::string gelesen = ini.ReadString("A", "Ä", "");
    EXPECT_EQ(gelesen.size(), 2 * 2047u);
}

TEST_F(EnhIniFile, FileIsWindows1252) {
    {
        TEnhIniFile ini(datei);
        ini.WriteString("Pfade", "Szenen", "/home/Jürgen/Würfel");
        ini.WriteString("Größe", "Länge", "€");
    }
    EXPECT_EQ(DateiInhalt(datei), "[Pfade]\r\nSzenen=/home/J\xFCrgen/W\xFCrfel\r\n"
                                  "[Gr\xF6\xDF"
                                  "e]\r\nL\xE4nge=\x80\r\n");
    DateiSchreiben(datei, "[A]\nx=a\x81z\x9D\n");
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("A", "x", ""), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
}

TEST_F(EnhIniFile, LineBreaksInsideWrittenTextsCannotSplitTheLine) {
    {
        TEnhIniFile ini(datei);
        ini.WriteString("A", "x", "eins\r\n[B]\r\ny=2");
    }
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("A", "x", ""), "eins  [B]  y=2");
    std::vector<std::string> namen;
    ini.ReadSectionNames(namen);
    EXPECT_EQ(namen, std::vector<std::string>{"A"});
}

struct TIntegerFall {
    const char* Wert;
    int Erwartet;
};

class EnhIniFileInteger : public testing::TestWithParam<TIntegerFall> {};

TEST_P(EnhIniFileInteger, ReadsDecimalAndHexAndGivesTheDefaultOtherwise) {
    test::TTestOrdner ordner;
    const std::string datei = ordner / "i.ini";
    DateiSchreiben(datei, std::string("[A]\nx=") + GetParam().Wert + "\n");
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadInteger("A", "x", -99), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, EnhIniFileInteger,
    testing::Values(TIntegerFall{"12", 12}, TIntegerFall{"-7", -7}, TIntegerFall{"+3", 3},
                    TIntegerFall{"0x1F", 31}, TIntegerFall{"0X1f", 31}, TIntegerFall{"$ff", 255},
                    TIntegerFall{"$FFFFFFFF", -1}, TIntegerFall{"2147483647", 2147483647},
                    TIntegerFall{"-2147483648", -2147483647 - 1}, TIntegerFall{"2147483648", -99},
                    TIntegerFall{"0x", -99}, TIntegerFall{"$", -99},
                    TIntegerFall{"$1FFFFFFFF", -99}, TIntegerFall{"ja", -99}, TIntegerFall{"", -99},
                    TIntegerFall{"1,5", -99}, TIntegerFall{"--5", -99},
                    TIntegerFall{"5|DGerade", -99}, TIntegerFall{"99999999999999999999", -99}),
    testnamen::Nach([](const TIntegerFall& f) { return f.Wert; }));

TEST_F(EnhIniFile, BooleansAreNonZeroIntegers) {
    DateiSchreiben(datei, "[A]\nzwei=2\nja=ja\nnull=0\nhex=$10\n");
    const TEnhIniFile ini(datei);
    EXPECT_TRUE(ini.ReadBool("A", "zwei", false));
    EXPECT_TRUE(ini.ReadBool("A", "ja", true));
    EXPECT_FALSE(ini.ReadBool("A", "ja", false));
    EXPECT_FALSE(ini.ReadBool("A", "null", true));
    EXPECT_TRUE(ini.ReadBool("A", "hex", false));
}

TEST_F(EnhIniFile, WriteBoolIfTrueLeavesExistingKeysAloneOnFalse) {
    DateiSchreiben(datei, "[A]\nfest=1\n");
    {
        TEnhIniFile ini(datei);
        ini.WriteBoolIfTrue("A", "fest", false);
        ini.WriteBoolIfTrue("A", "markiert", false);
        ini.WriteBoolIfTrue("A", "sichtbar", true);
    }
    EXPECT_EQ(DateiInhalt(datei), "[A]\r\nfest=1\r\nsichtbar=1\r\n");
}

TEST_F(EnhIniFile, SectionScanRemovesBlanksAndHasNoLimit) {
    std::string text = "[ Punkt A ]\r\nx=1\r\n[Version]\r\n[]\r\n[ohne Klammer\r\n"
                       "kein [Kopf]\r\n[a]\r\n[A]\r\n";
    for (int i = 0; i < 5000; ++i)
        text += "[Sektion mit langem Namen Nummer " + std::to_string(i) + "]\n";
    DateiSchreiben(datei, text);
    const TEnhIniFile ini(datei);
    std::vector<std::string> namen{"alt"};
    ini.ReadSectionNames(namen);
    ASSERT_EQ(namen.size(), 5004u);
    EXPECT_EQ(namen[0], "PunktA");
    EXPECT_EQ(namen[1], "Version");
    EXPECT_EQ(namen[2], "a");
    EXPECT_EQ(namen[3], "A");
    EXPECT_EQ(namen[5003], "SektionmitlangemNamenNummer4999");
    // Keys of a section are still found under its name with blanks.
    EXPECT_EQ(ini.ReadInteger("Punkt A", "x", 0), 1);
}

TEST_F(EnhIniFile, SectionNamesWithBracketsSurvive) {
    {
        TEnhIniFile ini(datei);
        ini.WriteString("P]1", "x", "1");
        ini.WriteString("Q", "GPP", "A[1]|B");
    }
    const TEnhIniFile ini(datei);
    std::vector<std::string> namen;
    ini.ReadSectionNames(namen);
    EXPECT_EQ(namen, (std::vector<std::string>{"P]1", "Q"}));
    EXPECT_EQ(ini.ReadString("P]1", "x", ""), "1");
}

TEST_F(EnhIniFile, SectionScanOfAFileThatCannotBeReadIsAnError) {
    const TEnhIniFile fehlt(datei);
    std::vector<std::string> namen;
    EXPECT_THROW(fehlt.ReadSectionNames(namen), EIniLesefehler);

    TEnhIniFile neu(datei);
    neu.WriteString("A", "x", "1");
    neu.ReadSectionNames(namen);
    EXPECT_EQ(namen, std::vector<std::string>{"A"});
}

TEST_F(EnhIniFile, BadContentNeitherCrashesNorHangs) {
    std::string text("[A\0B]\nx=\0\0"
                     "1\n",
                     12);
    text += "[A]\n" + std::string(1 << 20, 'k') + "=" + std::string(1 << 20, 'v') + "\n";
    text += "kein Gleichheitszeichen\n[ohne Klammer\n=nur Wert\ny=1e99999\n";
    DateiSchreiben(datei, text);
    TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("A", "x", "-"), "-"); // the first section is "A\0B"
    EXPECT_EQ(ini.ReadString(std::string("A\0B", 3), "x", "-"), std::string("\0\0"
                                                                            "1",
                                                                            3));
    EXPECT_EQ(ini.ReadString("A", std::string(1 << 20, 'K'), "").size(), 2047u);
    EXPECT_EQ(ini.ReadInteger("A", "y", 5), 5);
    EXPECT_EQ(ini.ReadString("A", "", ""), "nur Wert");
    ini.WriteString("A", "z", "1");
    ini.UpdateFile();
    EXPECT_EQ(DateiInhalt(datei).size(), text.size() + 8 + 5);
}

TEST_F(EnhIniFile, FifoIsNotReadAndNotReplaced) {
    ASSERT_EQ(::mkfifo(datei.c_str(), 0600), 0);
    TEnhIniFile ini(datei); // must not block
    EXPECT_EQ(ini.ReadInteger("A", "x", 3), 3);
    ini.WriteInteger("A", "x", 1);
    EXPECT_THROW(ini.UpdateFile(), EIniSchreibfehler);
}

TEST_F(EnhIniFile, FreedEngineHasWrittenEverything) {
    {
        TEnhIniFile ini(datei);
        for (int i = 0; i < 100; ++i)
            ini.WriteInteger("S" + std::to_string(i), "k", i);
    }
    const TEnhIniFile ini(datei);
    EXPECT_EQ(ini.ReadInteger("S99", "k", 0), 99);
}

TEST_F(EnhIniFile, ClearReplacesTheWholeFile) {
    DateiSchreiben(datei, "[Alt]\nx=1\n");
    {
        TEnhIniFile ini(datei);
        ini.Clear();
        ini.WriteString("Neu", "y", "2");
    }
    EXPECT_EQ(DateiInhalt(datei), "[Neu]\r\ny=2\r\n");
}

TEST_F(EnhIniFile, ReplacementKeepsPermissionsAndLinks) {
    DateiSchreiben(datei, "[A]\nx=1\n");
    ASSERT_EQ(::chmod(datei.c_str(), 0640), 0);
    const std::string link = ordner / "link.ini";
    ASSERT_EQ(::symlink(datei.c_str(), link.c_str()), 0);
    {
        TEnhIniFile ini(link);
        ini.WriteInteger("A", "x", 2);
    }
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(datei.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(DateiInhalt(datei), "[A]\r\nx=2\r\n");
    EXPECT_EQ(DateienImOrdner(), 2u);
}

namespace {
bool ScheitertImmer(const std::string&) {
    return false;
}
} // namespace

TEST_F(EnhIniFile, FailedFlushLeavesTheOldFileAndNoLeftovers) {
    const std::string alt = "[A]\r\nx=1\r\n";
    DateiSchreiben(datei, alt);
    SetzeErsetzenProbe(ScheitertImmer);
    {
        TEnhIniFile ini(datei);
        ini.WriteInteger("A", "x", 2);
        try {
            ini.UpdateFile();
            ADD_FAILURE() << "no error";
        } catch (const EIniSchreibfehler& e) {
            EXPECT_EQ(std::string(e.what()), "nach " + datei + " kann nicht geschrieben werden");
        }
        // The destructor tries again and fails quietly.
    }
    SetzeErsetzenProbe(nullptr);
    EXPECT_EQ(DateiInhalt(datei), alt);
    EXPECT_EQ(DateienImOrdner(), 1u);
}

TEST_F(EnhIniFile, FolderThatIsAFileCannotBeWritten) {
    DateiSchreiben(ordner / "datei", "x");
    TEnhIniFile ini(ordner / "datei/test.ini");
    ini.WriteInteger("A", "x", 1);
    EXPECT_THROW(ini.UpdateFile(), EIniSchreibfehler);
}

TEST_F(EnhIniFile, UnreadableFileIsNeverOverwrittenByAPartOfIt) {
    std::filesystem::create_directory(datei); // exists, but cannot be read as a file
    TEnhIniFile ini(datei);
    std::vector<std::string> namen;
    EXPECT_THROW(ini.ReadSectionNames(namen), EIniLesefehler);
    ini.WriteInteger("A", "x", 1);
    EXPECT_THROW(ini.UpdateFile(), EIniSchreibfehler);
    EXPECT_TRUE(std::filesystem::is_directory(datei));
}

// A file size limit makes write() fail as on a full disk, for root too.
TEST_F(EnhIniFile, DiskFullLeavesTheOldFile) {
    const std::string alt = "[A]\r\nx=1\r\n";
    DateiSchreiben(datei, alt);
    rlimit vorher{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    bool geworfen = false;
    {
        TEnhIniFile ini(datei);
        ini.WriteString("A", "lang", std::string(100000, 'x'));
        rlimit eng = vorher;
        eng.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &eng), 0);
        try {
            ini.UpdateFile();
        } catch (const EIniSchreibfehler&) {
            geworfen = true;
        }
        ::setrlimit(RLIMIT_FSIZE, &vorher);
        ini.Clear();
        ini.WriteString("A", "x", "1"); // what the destructor writes now fits
    }
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(geworfen);
    EXPECT_EQ(DateiInhalt(datei), alt);
    EXPECT_EQ(DateienImOrdner(), 1u);
}
