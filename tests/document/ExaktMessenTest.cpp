// The measurement messages with their exact line, for both decimal
// separators, and the design's texts when the setting is off.

#include "BefehleTest.h"

#include "befehle/Messen.h"
#include "storage/Einstellungen.h"

#include <filesystem>

using namespace kalvorin;
using kalvorin::test::TBefehlsDokument;

namespace {

struct TFall {
    const char* Name;
    void (*Aufbau)(TBefehlsDokument&);
    bool (*Messung)(TDokument&);
    const char* Text; // '#' stands for the decimal separator
};

void AbstandPunktEbene(TBefehlsDokument& d) {
    d.P("S", {4, 4, 5});
    d.ENOR("E", {6, 3, 4}, -12);
    d.Markieren({"S", "E"});
}
void FlaecheDreierPunkte(TBefehlsDokument& d) {
    d.P("A", {2, 0, 0});
    d.P("B", {0, 4, 0});
    d.P("C", {0, 0, 3});
    d.Markieren({"A", "B", "C"});
}
void FlaecheZweiWurzelDrei(TBefehlsDokument& d) {
    auto* a = d.P("A", {0, 0, 0});
    auto* b = d.P("B", {2, -2, 0});
    auto* c = d.P("C", {0, 2, -2});
    d.Dr("D", a, b, c);
    d.Markieren({"D"});
}
void Spatvolumen(TBefehlsDokument& d) {
    d.V("a", {1, 0, 0});
    d.V("b", {0, 1, 0});
    d.V("c", {1, 2, 13});
    d.Markieren({"a", "b", "c"});
}
void Winkel60(TBefehlsDokument& d) {
    d.V("a", {1, 1, 0});
    d.V("b", {0, 1, 1});
    d.Markieren({"a", "b"});
}
void WinkelMitKosinus(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {3, 2, 0});
    d.G("h", {1, 1, 1}, {0, 1, 2});
    d.Markieren({"g", "h"});
}
void WinkelGeradeEbene(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1, 0, 1});
    d.ENOR("E", {0, 0, 1}, -2);
    d.Markieren({"g", "E"});
}
void WindschiefeGeraden(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1, 0, 0});
    d.G("h", {1, 2, 3}, {1, 1, 1});
    d.Markieren({"g", "h"});
}
void KeinExakterWert(TBefehlsDokument& d) {
    d.P("P", {0.1234567891L, 0, 0});
    d.P("Q", {0, 0, 0});
    d.Markieren({"P", "Q"});
}
void GanzeZahl(TBefehlsDokument& d) {
    d.P("P", {3, 4, 0});
    d.P("Q", {0, 0, 0});
    d.Markieren({"P", "Q"});
}
void Dreizehntel(TBefehlsDokument& d) {
    // The foot of the perpendicular and the distance from it, both exact.
    d.P("P", {1, 1, 1});
    d.G("g", {0, 0, 0}, {1, 2, 2});
    d.Markieren({"P", "g"});
}

// School conventions: distances are never negative, lines and planes meet
// at angles of 0° to 90°.
void AbstandZumUrsprung(TBefehlsDokument& d) {
    d.P("P", {0, 0, 0});
    d.ENOR("E", {1, 1, 1}, -1);
    d.Markieren({"P", "E"});
}
void StumpfeGeraden(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1, 0, 0});
    d.G("h", {0, 1, 0}, {-1, 1, 0});
    d.Markieren({"g", "h"});
}
void StumpfeEbenen(TBefehlsDokument& d) {
    d.ENOR("E", {1, 0, 0}, 0);
    d.ENOR("F", {-1, 0, 1}, -2);
    d.Markieren({"E", "F"});
}
void GeradeGegenNormale(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1, 1, -2});
    d.ENOR("E", {0, 0, 1}, -2);
    d.Markieren({"g", "E"});
}
// Directions in sevenths and thirds: their rounded cross product is not
// quite zero, the exact one is.
void ParalleleInDritteln(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1.0L / 3, 1.0L / 7, 2.0L / 3});
    d.G("h", {0, 1, 0}, {1, 3.0L / 7, 2});
    d.Markieren({"g", "h"});
}
void IdentischeInDritteln(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1.0L / 3, 1.0L / 7, 2.0L / 3});
    d.G("h", {1, 3.0L / 7, 2}, {1, 3.0L / 7, 2});
    d.Markieren({"g", "h"});
}
void SchneidendeGeraden(TBefehlsDokument& d) {
    d.G("g", {0, 0, 0}, {1, 0, 0});
    d.G("h", {0, 1, 1}, {1, 1, 1});
    d.Markieren({"g", "h"});
}
void ParalleleEbenenMitGrossenNormalen(TBefehlsDokument& d) {
    d.ENOR("E", {250.0L / 7, 251.0L / 11, 253.0L / 13}, -1);
    d.ENOR("F", {-500.0L / 7, -502.0L / 11, -506.0L / 13}, 3);
    d.Markieren({"E", "F"});
}

const TFall Faelle[] = {
    {"PointPlaneDistanceIsNeverNegative", AbstandZumUrsprung, MessLaenge,
     "\r\nAbstand (P , E) = 0#58 LE\r\nexakt: 1/3·√3 LE\r\n\r\n"},
    {"ObtuseLinesMeetAtTheAcuteAngle", StumpfeGeraden, MessWinkel,
     "\r\nWinkel (g , h) = 45°\r\nexakt: 45°\r\n\r\n"},
    {"ObtusePlanesMeetAtTheAcuteAngle", StumpfeEbenen, MessWinkel,
     "\r\nWinkel (E , F) = 45°\r\nexakt: 45°\r\n\r\n"},
    {"LineAgainstTheNormalHasAPositiveAngle", GeradeGegenNormale, MessWinkel,
     "\r\nWinkel (g , E) = 54#74°\r\nexakt: sin α = 1/3·√6\r\n\r\n"},
    {"ParallelLinesInThirds", ParalleleInDritteln, MessLaenge,
     "\r\nAbstand (g , h) = 0#98 LE\r\nexakt: 7/254·√1270 LE\r\n\r\n"},
    {"IdenticalLinesInThirds", IdentischeInDritteln, MessLaenge,
     "\r\nAbstand (g , h) = 0 LE\r\n\r\n"},
    {"IntersectingLinesNeedNoExactZero", SchneidendeGeraden, MessLaenge,
     "\r\nAbstand (g , h) = 0 LE\r\n\r\n"},
    {"ParallelPlanesWithLargeNormals", ParalleleEbenenMitGrossenNormalen, MessWinkel,
     "\r\nWinkel (E , F) = 0°\r\nexakt: 0°\r\n\r\n"},
    {"PointPlaneDistance", AbstandPunktEbene, MessLaenge,
     "\r\nAbstand (S , E) = 5#63 LE\r\nexakt: 44/61·√61 LE\r\n\r\n"},
    {"AreaOfThreePoints", FlaecheDreierPunkte, MessFlaeche,
     "\r\nFläche (A , B , C) = 7#81 FE\r\nexakt: √61 FE\r\n\r\n"},
    {"AreaOfTriangle", FlaecheZweiWurzelDrei, MessFlaeche,
     "\r\nFläche (D) = 3#46 FE\r\nexakt: 2·√3 FE\r\n\r\n"},
    {"VolumeOfThreeVectors", Spatvolumen, MessVolumen,
     "\r\nPyramidenvolumen (a , b , c) = 2#17 VE   \r\nexakt: 13/6 VE\r\n\r\n        "
     "Spatvolumen (a , b , c) = 13 VE\r\n\r\n       Determinante (a , b , c) = 13\r\n\r\n"},
    {"StandardAngle", Winkel60, MessWinkel,
     "\r\nWinkel (a , b) = 60°\r\nexakt: 60°\r\n\r\na ° b = 1"},
    {"AngleWithItsCosine", WinkelMitKosinus, MessWinkel,
     "\r\nWinkel (g , h) = 75#64°\r\nexakt: cos α = 2/65·√65\r\n\r\n"},
    {"LineAndPlaneStandardAngle", WinkelGeradeEbene, MessWinkel,
     "\r\nWinkel (g , E) = 45°\r\nexakt: 45°\r\n\r\n"},
    {"SkewLinesDistance", WindschiefeGeraden, MessLaenge,
     "\r\nAbstand (g , h) = 0#71 LE\r\nexakt: 1/2·√2 LE\r\n\r\n"},
    {"NoExactValueForLongDecimal", KeinExakterWert, MessLaenge,
     "\r\nAbstand (P , Q) = 0#12 LE\r\n\r\n"},
    {"WholeNumberNeedsNoExactLine", GanzeZahl, MessLaenge, "\r\nAbstand (P , Q) = 5 LE\r\n\r\n"},
    {"PointLineDistance", Dreizehntel, MessLaenge,
     "\r\nAbstand (P , g) = 0#47 LE\r\nexakt: 1/3·√2 LE\r\n\r\n"},
};

class ExaktMessen : public ::testing::TestWithParam<std::tuple<TFall, char>>,
                    public TBefehlsDokument {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = std::get<1>(GetParam()); }
    void TearDown() override {
        Einstellungen().Dezimaltrenner = alterTrenner_;
        Einstellungen().ExakteWerte = true;
    }
    std::string Erwartet() const {
        std::string s = std::get<0>(GetParam()).Text;
        for (char& c : s)
            if (c == '#') c = std::get<1>(GetParam());
        return s;
    }
    std::string Messen() {
        Protokoll.Eintraege.clear();
        EXPECT_TRUE(std::get<0>(GetParam()).Messung(D));
        return EinzigeMeldung(TMeldungsart::Information);
    }

private:
    char alterTrenner_ = Einstellungen().Dezimaltrenner;
};

TEST_P(ExaktMessen, MessageHasTheExactLine) {
    std::get<0>(GetParam()).Aufbau(*this);
    EXPECT_EQ(Messen(), Erwartet());
}

TEST_P(ExaktMessen, SwitchedOffGivesTheDesignText) {
    std::get<0>(GetParam()).Aufbau(*this);
    Einstellungen().ExakteWerte = false;
    std::string ohne = Erwartet();
    const std::size_t anfang = ohne.find("\r\nexakt: ");
    if (anfang != std::string::npos) ohne.erase(anfang, ohne.find("\r\n", anfang + 2) - anfang);
    EXPECT_EQ(Messen(), ohne);
}

INSTANTIATE_TEST_SUITE_P(Faelle, ExaktMessen,
                         ::testing::Combine(::testing::ValuesIn(Faelle),
                                            ::testing::Values(',', '.')),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) +
                                    (std::get<1>(info.param) == ',' ? "Komma" : "Punkt");
                         });

} // namespace

namespace {

// Documents keep 15 significant digits: thirds and sevenths read back from
// a file are still exact.
TEST(ExaktNachDemSpeichern, FractionsKeepTheirExactValues) {
    TBefehlsDokument d;
    d.P("P", {1.0L / 3, 2.0L / 7, 0});
    d.P("Q", {0, 0, 1});
    const std::string datei =
        (std::filesystem::temp_directory_path() / "kalvorin_exakt_gespeichert.kvr").string();
    ASSERT_TRUE(d.D.Speichern(datei));
    TBefehlsDokument gelesen;
    gelesen.D.Laden(datei);
    std::filesystem::remove(datei);
    gelesen.Markieren({"P", "Q"});
    EXPECT_TRUE(MessLaenge(gelesen.D));
    const std::string text = gelesen.EinzigeMeldung(TMeldungsart::Information);
    EXPECT_NE(text.find("exakt: 1/21·√526 LE"), std::string::npos) << text;
}

} // namespace
