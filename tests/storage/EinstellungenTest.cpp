#include "storage/Einstellungen.h"

#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"

#include "EinstellungenSichern.h"
#include "TestOrdner.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kalvorin;
using test::DateiInhalt;
using test::DateiSchreiben;

namespace {

class SettingsFile : public testing::Test {
protected:
    test::TTestOrdner ordner;
    std::string datei = ordner / "Kalvorin.INI";
    TMeldungsProtokoll protokoll;

    static TStandardEinstellungen Geladen(const std::string& datei) {
        TStandardEinstellungen e;
        LadeEinstellungen(e, datei);
        return e;
    }

    static std::vector<std::string> StandardFarben() {
        return {"FarbeA=9FADFD", "FarbeB=9FE1FD", "FarbeC=A0FCF8", "FarbeD=A2FBC8",
                "FarbeE=D2FBA2", "FarbeF=FAFDA3", "FarbeG=FAADA3", "FarbeH=F9A4D2",
                "FarbeI=D2A5F8", "FarbeJ=A8A6F7"};
    }
};

} // namespace

TEST_F(SettingsFile, MissingFileGivesEveryDefault) {
    TStandardEinstellungen erwartet;
    erwartet.CustomColors = StandardFarben();
    EXPECT_EQ(Geladen(datei), erwartet);
    EXPECT_EQ(protokoll.CursorTiefe, 0);
    EXPECT_GT(protokoll.CursorAufrufe, 0);
}

TEST_F(SettingsFile, DefaultsAreWrittenWithEveryKeyInOrder) {
    TStandardEinstellungen e;
    e.CustomColors = StandardFarben();
    e.CustomColors.resize(2);
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei),
              "[Alle Elemente]\r\n"
              "Farbe=0|0|200\r\n"
              "Dicke=1\r\n"
              "Name sichtbar=1\r\n"
              "[Punkte]\r\n"
              "Form=Kreis\r\n"
              "Dickpunkt-Dicke=2\r\n"
              "[Geraden]\r\n"
              "Dickgeraden-Dicke=75\r\n"
              "mit Weissrand=1\r\n"
              "[Ebenen]\r\n"
              "Rand-Dicke=100\r\n"
              "Transparenz=1\r\n"
              "[Hilfslinien]\r\n"
              "Farbe=144|144|144\r\n"
              "Strichart=gestrichelt\r\n"
              "einzeichnen=1\r\n"
              "[Koordinatensystem]\r\n"
              "Skalierungs-Striche (keine,nur bei 1,alle 0,5,alle 1,alle 2,alle 5):=alle 2\r\n"
              "L\xE4nge der pos. Achsen=11\r\n"
              "Transparenz der Koord-Ebenen=1\r\n"
              "Zeichne xy-Ebene=1\r\n"
              "Zeichne yz-Ebene=0\r\n"
              "Zeichne xz-Ebene=0\r\n"
              "[Zahlenausgabe]\r\n"
              "Zahlen als Br\xFC"
              "che ausgeben=1\r\n"
              "Maximaler Nenner=100\r\n"
              "StandardStellen=2\r\n"
              "[CustomColors]\r\n"
              "CC_0=FarbeA=9FADFD\r\n"
              "CC_1=FarbeB=9FE1FD\r\n");
}

TEST_F(SettingsFile, WrittenSettingsReadBackEqual) {
    TStandardEinstellungen e;
    e.Farbe = RGB(1, 2, 3);
    e.NameSichtbar = false;
    e.Punktform = 2; // Dreibein
    e.DickpunktDicke = 4;
    e.DickgeradenDicke = 125;
    e.MitWeissrand = false;
    e.RandDicke = 150;
    e.EbenenTransparenz = 3;
    e.HilfslinienFarbe = RGB(10, 20, 30);
    e.HilfslinienStrichart = 2;
    e.HilfslinienEinzeichnen = false;
    e.SkalierungsStriche = 2; // "alle 0,5"
    e.AchsenLaenge = 20;
    e.KoordEbenenTransparenz = 0;
    e.ZeichneXYEbene = false;
    e.ZeichneYZEbene = true;
    e.ZeichneXZEbene = true;
    e.ZahlenAlsBrueche = false;
    e.MaximalerNenner = 7;
    e.StandardStellen = 5;
    e.PfadSzenen = "/home/Jürgen/Szenen";
    e.PfadEinfuegeSzenen = "C:\\Einfügen";
    e.PfadGrafiken = "/tmp/Grafiken";
    e.CustomColors = StandardFarben();
    e.CustomColors[3] = "FarbeD=123456";
    e.CustomColors.push_back("FarbeK=ABCDEF");
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(Geladen(datei), e);
    EXPECT_NE(DateiInhalt(datei).find("Form=Dreibein\r\n"), std::string::npos);
    EXPECT_NE(DateiInhalt(datei).find(":=alle 0,5\r\n"), std::string::npos);
}

TEST_F(SettingsFile, ExactValuesSwitchIsWrittenOnceSwitchedOff) {
    TStandardEinstellungen e;
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei).find("Exakte Werte"), std::string::npos);
    e.ExakteWerte = false;
    SpeichereEinstellungen(e, datei);
    EXPECT_NE(DateiInhalt(datei).find("Exakte Werte anzeigen=0\r\n"), std::string::npos);
    EXPECT_FALSE(Geladen(datei).ExakteWerte);
    e.ExakteWerte = true;
    SpeichereEinstellungen(e, datei);
    EXPECT_TRUE(Geladen(datei).ExakteWerte);
}

TEST_F(SettingsFile, EveryWordReadsBackAsItsNumber) {
    for (int i = 0; i < 5; ++i) {
        TStandardEinstellungen e;
        e.Punktform = i;
        e.HilfslinienStrichart = i % 3;
        e.SkalierungsStriche = i + 1;
        SpeichereEinstellungen(e, datei);
        const TStandardEinstellungen g = Geladen(datei);
        EXPECT_EQ(g.Punktform, i);
        EXPECT_EQ(g.HilfslinienStrichart, i % 3);
        EXPECT_EQ(g.SkalierungsStriche, i + 1);
    }
}

TEST_F(SettingsFile, UnknownWordsAndBadValuesGiveTheDefaults) {
    DateiSchreiben(datei,
                   "[Alle Elemente]\nFarbe=300|x\n"
                   "[Punkte]\nForm=dreibein\nDickpunkt-Dicke=99\n"
                   "[Ebenen]\nTransparenz=-1\n"
                   "[Hilfslinien]\nFarbe=1|2\nStrichart=Gestrichelt\n"
                   "[Koordinatensystem]\n"
                   "Skalierungs-Striche (keine,nur bei 1,alle 0,5,alle 1,alle 2,alle 5):=alle 3\n"
                   "L\xE4nge der pos. Achsen=1e99999\n"
                   "[Zahlenausgabe]\nMaximaler Nenner=viele\nStandardstellen=--5\n");
    const TStandardEinstellungen e = Geladen(datei);
    EXPECT_EQ(e.Farbe, RGB(0, 0, 200));
    EXPECT_EQ(e.Punktform, 0);
    EXPECT_EQ(e.DickpunktDicke, 4);
    EXPECT_EQ(e.EbenenTransparenz, 0);
    EXPECT_EQ(e.HilfslinienFarbe, RGB(144, 144, 144));
    EXPECT_EQ(e.HilfslinienStrichart, 1);
    EXPECT_EQ(e.SkalierungsStriche, 4);
    EXPECT_EQ(e.AchsenLaenge, 11);
    EXPECT_EQ(e.MaximalerNenner, 100);
    EXPECT_EQ(e.StandardStellen, 2);
}

TEST_F(SettingsFile, StandardStellenMeetInAnyCase) {
    DateiSchreiben(datei, "[zahlenausgabe]\nSTANDARDSTELLEN=5\n");
    EXPECT_EQ(Geladen(datei).StandardStellen, 5);
}

TEST_F(SettingsFile, FoldersOnTheFloppyDrivesAreNotRemembered) {
    TStandardEinstellungen e;
    e.PfadSzenen = "A:\\Szenen";
    e.PfadEinfuegeSzenen = "b:\\Einfügen";
    e.PfadGrafiken = "C:\\Grafiken";
    SpeichereEinstellungen(e, datei);
    const TStandardEinstellungen g = Geladen(datei);
    EXPECT_EQ(g.PfadSzenen, "");
    EXPECT_EQ(g.PfadEinfuegeSzenen, "");
    EXPECT_EQ(g.PfadGrafiken, "C:\\Grafiken");
}

TEST_F(SettingsFile, CustomColours) {
    DateiSchreiben(datei, "[CustomColors]\n"
                          "CC_0=FarbeA=FFFFFFFF\n" // unused entry: the default takes its place
                          "CC_1=FarbeB=112233\n"
                          "CC_2=kurz\n"
                          "CC_11=FarbeL=FFFFFFFF\n" // beyond the ten defaults: dropped
                          "CC_12=FarbeM=445566\n");
    std::vector<std::string> erwartet = StandardFarben();
    erwartet[1] = "FarbeB=112233";
    erwartet.push_back("FarbeM=445566");
    EXPECT_EQ(Geladen(datei).CustomColors, erwartet);
}

TEST_F(SettingsFile, SavingKeepsForeignSectionsOfTheFile) {
    DateiSchreiben(datei, "[Eigenes]\r\nNotiz=bleibt\r\n[Punkte]\r\nForm=Kreuz\r\n");
    TStandardEinstellungen e;
    e.Punktform = 4;
    SpeichereEinstellungen(e, datei);
    const std::string inhalt = DateiInhalt(datei);
    EXPECT_EQ(inhalt.rfind("[Eigenes]\r\nNotiz=bleibt\r\n[Punkte]\r\nForm=Zickzack\r\n", 0), 0u);
}

TEST_F(SettingsFile, NothingIsWrittenWhenTheStartUpFileForbidsIt) {
    DateiSchreiben(datei, "alt");
    TStandardEinstellungen e;
    e.SaveIniDatei = false;
    e.Farbe = RGB(9, 9, 9);
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei), "alt");
}

TEST_F(SettingsFile, WriteErrorsAreSwallowed) {
    DateiSchreiben(ordner / "keinOrdner", "x");
    TStandardEinstellungen e;
    e.IniPfad = ordner / "keinOrdner/";
    EXPECT_NO_THROW(SpeichereEinstellungen(e, EinstellungsDatei(e)));
    TStandardEinstellungen g;
    g.IniPfad = e.IniPfad;
    LadeEinstellungen(g, EinstellungsDatei(g));
    EXPECT_EQ(g.Farbe, RGB(0, 0, 200));
    EXPECT_EQ(protokoll.CursorTiefe, 0);
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_F(SettingsFile, StartUpFile) {
    const std::string cfg = ordner / "kalvorin.cfg";
    TStandardEinstellungen e;
    LadeStartdatei(e, cfg, "/opt/kalvorin");
    EXPECT_TRUE(e.SaveIniDatei);
    EXPECT_EQ(e.IniPfad, "");
    EXPECT_EQ(EinstellungsDatei(e), StandardIniOrdner() + "Kalvorin.INI");

    DateiSchreiben(cfg, "[Ini-Datei]\r\nSaveIniDatei=0\r\nINIPATH=home\r\n");
    LadeStartdatei(e, cfg, "/opt/kalvorin");
    EXPECT_FALSE(e.SaveIniDatei);
    EXPECT_EQ(e.IniPfad, "/opt/kalvorin/");
    EXPECT_EQ(EinstellungsDatei(e), "/opt/kalvorin/Kalvorin.INI");

    DateiSchreiben(cfg, "[ini-datei]\nINIPATH=/srv/schule/\n");
    LadeStartdatei(e, cfg, "/opt/kalvorin/");
    EXPECT_TRUE(e.SaveIniDatei);
    EXPECT_EQ(EinstellungsDatei(e), "/srv/schule/Kalvorin.INI");
    EXPECT_FALSE(std::filesystem::exists(ordner / "kalvorin.cfg.bak"));
    EXPECT_EQ(DateiInhalt(cfg), "[ini-datei]\nINIPATH=/srv/schule/\n"); // only read
}

TEST(Startdatei, NameIsTheProgramsWithCfg) {
    EXPECT_EQ(StartdateiPfad("/opt/kalvorin/kalvorin"), "/opt/kalvorin/kalvorin.cfg");
    EXPECT_EQ(StartdateiPfad("/opt/Kalvorin.exe"), "/opt/Kalvorin.cfg");
    EXPECT_EQ(StartdateiPfad("/opt/v1.2/kalvorin"), "/opt/v1.2/kalvorin.cfg");
    EXPECT_FALSE(ProgrammDatei().empty());
}

namespace {

// Sets or removes an environment variable for the lifetime of the object.
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

private:
    const char* name_;
    std::optional<std::string> alt_;
};

} // namespace

TEST(StandardOrdner, FollowsXdgConfigHome) {
    const TUmgebung home("HOME", "/home/lehrer");
    {
        const TUmgebung xdg("XDG_CONFIG_HOME", "/etc/xdg-test");
        EXPECT_EQ(StandardIniOrdner(), "/etc/xdg-test/Kalvorin/");
    }
    {
        const TUmgebung xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(StandardIniOrdner(), "/home/lehrer/.config/Kalvorin/");
    }
    {
        const TUmgebung xdg("XDG_CONFIG_HOME", "relativ");
        EXPECT_EQ(StandardIniOrdner(), "/home/lehrer/.config/Kalvorin/");
    }
}

TEST(StandardOrdner, IsCreatedWhenTheSettingsAreFirstWritten) {
    test::TEinstellungenSichern sichern;
    test::TTestOrdner ordner;
    const TUmgebung xdg("XDG_CONFIG_HOME", (ordner / "config").c_str());
    Einstellungen() = TStandardEinstellungen{};
    LadeEinstellungen();
    EXPECT_FALSE(std::filesystem::exists(ordner / "config"));
    Einstellungen().Punktform = 3;
    SpeichereEinstellungen();
    EXPECT_NE(DateiInhalt(ordner / "config/Kalvorin/Kalvorin.INI").find("Form=DreibeinXYZ\r\n"),
              std::string::npos);
    Einstellungen().Punktform = 0;
    LadeEinstellungen();
    EXPECT_EQ(Einstellungen().Punktform, 3);
}

TEST_F(SettingsFile, PresentationIsWrittenOnlyOnceSwitchedOn) {
    TStandardEinstellungen e;
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei).find("Darstellung"), std::string::npos);
    e.Praesentation = true;
    SpeichereEinstellungen(e, datei);
    EXPECT_NE(DateiInhalt(datei).find("[Darstellung]\r\nPr\xe4sentation=1\r\n"), std::string::npos);
    EXPECT_TRUE(Geladen(datei).Praesentation);
    // Switched off again, the key stays and says so.
    e.Praesentation = false;
    SpeichereEinstellungen(e, datei);
    EXPECT_NE(DateiInhalt(datei).find("Pr\xe4sentation=0\r\n"), std::string::npos);
    EXPECT_FALSE(Geladen(datei).Praesentation);
}

TEST_F(SettingsFile, TrueScaleLabelSizeIsTenPointWrittenOnlyOnceChangedAndHeldToItsRange) {
    TStandardEinstellungen e;
    EXPECT_EQ(Geladen(datei).AusgabeSchriftgroesse, 10);
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei).find("Grafikausgabe"), std::string::npos);
    e.AusgabeSchriftgroesse = 12;
    SpeichereEinstellungen(e, datei);
    EXPECT_NE(DateiInhalt(datei).find("[Grafikausgabe]\r\nSchriftgr\xf6\xdf"
                                      "e bei Ma\xdf"
                                      "stab (pt)=12\r\n"),
              std::string::npos);
    EXPECT_EQ(Geladen(datei).AusgabeSchriftgroesse, 12);
    e.AusgabeSchriftgroesse = 10;
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(Geladen(datei).AusgabeSchriftgroesse, 10) << "back to 10, and said so";
    e.AusgabeSchriftgroesse = 99;
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(Geladen(datei).AusgabeSchriftgroesse, 24) << "a value out of range is held to it";
}

TEST_F(SettingsFile, SnappingIsOnByDefaultAndWrittenOnlyOnceSwitchedOff) {
    TStandardEinstellungen e;
    EXPECT_TRUE(Geladen(datei).BeimZiehenEinrasten);
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei).find("Ziehen"), std::string::npos)
        << "a file without the setting stays as it was";
    e.BeimZiehenEinrasten = false;
    SpeichereEinstellungen(e, datei);
    EXPECT_NE(DateiInhalt(datei).find("[Ziehen]\r\nBeim Ziehen einrasten=0"), std::string::npos);
    EXPECT_FALSE(Geladen(datei).BeimZiehenEinrasten);
    // Switched on again, the key follows.
    e.BeimZiehenEinrasten = true;
    SpeichereEinstellungen(e, datei);
    EXPECT_TRUE(Geladen(datei).BeimZiehenEinrasten);
}

TEST_F(SettingsFile, TextbookViewKeysOnlyOnceChangedAndReadBack) {
    TStandardEinstellungen e;
    e.CustomColors = StandardFarben();
    SpeichereEinstellungen(e, datei);
    EXPECT_EQ(DateiInhalt(datei).find("[Heftansicht]"), std::string::npos);
    e.Heftansicht = true;
    e.HeftAchsenIndiziert = false;
    e.HeftSpurdreieck = false;
    SpeichereEinstellungen(e, datei);
    EXPECT_NE(DateiInhalt(datei).find("[Heftansicht]\r\nNeue Fenster=1\r\nAchsennamen=x y z\r\n"
                                      "Spurdreieck=0\r\n"),
              std::string::npos);
    EXPECT_EQ(Geladen(datei), e);
}
