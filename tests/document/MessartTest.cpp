// The measurement case is decided with the offer: every case is reached by
// exactly one pattern of the measurement table under one command, and the
// measurement then shows that case's text.

#include "BefehleTest.h"

#include "../Testnamen.h"
#include "befehle/Befehlstabelle.h"
#include "befehle/Messen.h"
#include "exakt/ExakteMessung.h"
#include "storage/Einstellungen.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

using namespace kalvorin;
using exakt::TMessart;
using kalvorin::test::TBefehlsDokument;

namespace {

struct TMessfall {
    TMessart Art;
    TBefehl Befehl;
    const char* Muster; // long pattern
    const char* Anfang; // how the message begins
};

constexpr TMessfall Faelle[] = {
    {TMessart::WinkelVektoren, TBefehl::MessWinkel, "-2-----", "\r\nWinkel (v0 , v1) = "},
    {TMessart::WinkelGeraden, TBefehl::MessWinkel, "--2----", "\r\nWinkel (g0 , g1) = "},
    {TMessart::WinkelGeradeEbene, TBefehl::MessWinkel, "--11---", "\r\nWinkel (g0 , E0) = "},
    {TMessart::WinkelEbenen, TBefehl::MessWinkel, "---2---", "\r\nWinkel (E0 , E1) = "},
    {TMessart::AbstandPunkte, TBefehl::MessLaenge, "2------", "\r\nAbstand (P0 , P1) = "},
    {TMessart::AbstandPunktGerade, TBefehl::MessLaenge, "1-1----", "\r\nAbstand (P0 , g0) = "},
    {TMessart::AbstandPunktEbene, TBefehl::MessLaenge, "1--1---", "\r\nAbstand (P0 , E0) = "},
    {TMessart::AbstandGeraden, TBefehl::MessLaenge, "--2----", "\r\nAbstand (g0 , g1) = "},
    {TMessart::Betrag, TBefehl::MessLaenge, "-1-----", "\r\nBetrag (v0) = "},
    {TMessart::StreckenLaenge, TBefehl::MessLaenge, "----1--", "\r\nLänge (s0) = "},
    {TMessart::FlaechePunkte, TBefehl::MessFlaeche, "3------", "\r\nFläche (P0 , P1 , P2) = "},
    {TMessart::FlaecheDreieck, TBefehl::MessFlaeche, "-----1-", "\r\nFläche (D) = "},
    {TMessart::FlaecheVektoren, TBefehl::MessFlaeche, "-2-----", "\r\n| v0 x v1 | = "},
    {TMessart::VolumenPunkte, TBefehl::MessVolumen, "4------",
     "\r\nVolumen (P0 , P1 , P2 , P3) = "},
    {TMessart::VolumenPunktDreieck, TBefehl::MessVolumen, "1----1-", "\r\nVolumen (P0 , D) = "},
    {TMessart::VolumenPyramide, TBefehl::MessVolumen, "------1", "\r\nVolumen (T) = "},
    {TMessart::VolumenVektoren, TBefehl::MessVolumen, "-3-----",
     "\r\nPyramidenvolumen (v0 , v1 , v2) = "},
    {TMessart::AbstandEbenen, TBefehl::MessLaenge, "---2---", "\r\nAbstand (E0 , E1) = "},
    {TMessart::PunktDreieck, TBefehl::MessLaenge, "1----1-", "\r\nAbstand (P0 , D) = "},
    {TMessart::PunkteEbene, TBefehl::MessLaenge, "2--1---", "\r\nAbstand (P0 , E0) = "},
    {TMessart::EbeneAchsen, TBefehl::MessLaenge, "---1---", "\r\nAbstand (O , E0) = "},
};

constexpr TBefehl Messbefehle[] = {TBefehl::MessWinkel, TBefehl::MessLaenge, TBefehl::MessFlaeche,
                                   TBefehl::MessVolumen};

// Elements in general position, marked by the counts of the long pattern;
// the corners of the segment, the triangle and the pyramid stay unmarked.
void Aufbauen(TBefehlsDokument& d, const std::string& muster) {
    const auto anzahl = [&](int i) { return muster[i] == '-' ? 0 : muster[i] - '0'; };
    const TTripel punkte[] = {{1, 2, 3}, {4, -1, 2}, {-2, 3, 5}, {0, -3, -1}};
    const TTripel vektoren[] = {{1, 0, 2}, {0, 3, 1}, {2, -1, 1}};
    const TTripel richtungen[] = {{1, 1, 0}, {0, 1, 1}};
    const TTripel normalen[] = {{0, 0, 1}, {1, 0, 0}};
    std::vector<std::string> namen;
    for (int i = 0; i < anzahl(0); ++i)
        namen.push_back(d.P("P" + std::to_string(i), punkte[i])->Name);
    for (int i = 0; i < anzahl(1); ++i)
        namen.push_back(d.V("v" + std::to_string(i), vektoren[i])->Name);
    for (int i = 0; i < anzahl(2); ++i)
        namen.push_back(d.G("g" + std::to_string(i), {0, 0, 0}, richtungen[i])->Name);
    for (int i = 0; i < anzahl(3); ++i)
        namen.push_back(d.ENOR("E" + std::to_string(i), normalen[i], i + 1)->Name);
    auto* a = d.P("A", {5, 0, 0});
    auto* b = d.P("B", {0, 5, 0});
    auto* c = d.P("C", {0, 0, 5});
    auto* s = d.P("S", {6, 6, 6});
    if (anzahl(4) > 0) namen.push_back(d.S("s0", a, b)->Name);
    auto* dreieck = d.Dr("D", a, b, c);
    if (anzahl(5) > 0) namen.push_back(dreieck->Name);
    auto* pyramide = d.Py("T", dreieck, s);
    if (anzahl(6) > 0) namen.push_back(pyramide->Name);
    std::vector<const char*> markiert;
    for (const std::string& n : namen)
        markiert.push_back(n.c_str());
    d.Markieren(markiert);
}

// The three patterns of the long one, as the marks give them.
TMarkierungsmuster Muster(const std::string& lang) {
    return {lang.substr(0, 4), lang.substr(0, 6), lang};
}

class Messart_ : public ::testing::TestWithParam<TMessfall>, public TBefehlsDokument {
protected:
    void SetUp() override { Einstellungen().ExakteWerte = false; }
    void TearDown() override { Einstellungen().ExakteWerte = true; }
};

TEST_P(Messart_, DecidedWithTheOfferAndMeasured) {
    const TMessfall& f = GetParam();
    Aufbauen(*this, f.Muster);
    ASSERT_EQ(LangMuster(L), f.Muster);
    const TAngebotsfall af = AngebotUndFall(f.Befehl, Markierungsmuster(L));
    EXPECT_TRUE(af.Angebot.aktiv);
    EXPECT_EQ(af.Fall, TFall::Messung);
    EXPECT_EQ(af.Messart, f.Art);
    EXPECT_EQ(Messart(L, f.Befehl), f.Art);
    const auto text = Messergebnis(L, f.Befehl);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, std::string(f.Anfang).size()), f.Anfang) << *text;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Messart_, ::testing::ValuesIn(Faelle), testnamen::Nach([](const TMessfall& f) {
        static const char* const groesse[] = {"Winkel", "Laenge", "Flaeche", "Volumen"};
        const int i = static_cast<int>(f.Befehl) - static_cast<int>(TBefehl::MessWinkel);
        return std::string(f.Muster) + "_" + groesse[i];
    }));

// Every case has its row above, once.
TEST(Messart, EveryCaseHasOneRow) {
    for (int i = 0; i <= static_cast<int>(TMessart::VolumenVektoren); ++i) {
        int zeilen = 0;
        for (const TMessfall& f : Faelle)
            zeilen += static_cast<int>(f.Art) == i;
        EXPECT_EQ(zeilen, 1) << "case " << i;
    }
}

// Over every long pattern with up to four elements of each kind: a case
// exactly where a row above names it, and only for an offered measurement.
TEST(Messart, OnlyTheRowsPatternsGiveACase) {
    std::set<std::pair<int, std::string>> erwartet, gefunden;
    for (const TMessfall& f : Faelle)
        erwartet.insert({static_cast<int>(f.Befehl), f.Muster});
    std::string lang(7, '-');
    for (int n = 0; n < 78125; ++n) { // 5^7
        for (int i = 0, r = n; i < 7; ++i, r /= 5)
            lang[i] = r % 5 == 0 ? '-' : static_cast<char>('0' + r % 5);
        const TMarkierungsmuster m = Muster(lang);
        for (TBefehl b : Messbefehle) {
            const TAngebotsfall af = AngebotUndFall(b, m);
            if (!af.Messart) continue;
            EXPECT_TRUE(af.Angebot.aktiv) << lang;
            gefunden.insert({static_cast<int>(b), lang});
            for (const TMessfall& f : Faelle)
                if (f.Befehl == b && lang == f.Muster) {
                    EXPECT_EQ(*af.Messart, f.Art) << lang;
                }
        }
    }
    EXPECT_EQ(gefunden, erwartet);
    // The other commands measure nothing.
    EXPECT_FALSE(AngebotUndFall(TBefehl::Mittebilden, Muster("2------")).Messart);
}

// The window "Lösungsweg" and the tool offer a measured case's worked
// solution under the command's row, and it is there for the case.
TEST_P(Messart_, TheCommandsWorkedSolutionIsOfferedAndWorked) {
    const TMessfall& f = GetParam();
    Aufbauen(*this, f.Muster);
    const TBefehlszeile* zeile = nullptr;
    for (const TBefehlszeile& z : Befehlstabelle())
        if (z.Angebot == f.Befehl) zeile = &z;
    ASSERT_NE(zeile, nullptr);
    ASSERT_TRUE(zeile->Loesungsweg.has_value()) << zeile->Name;
    const exakt::TLoesungsart art = zeile->Loesungsweg->Art;
    const std::vector<exakt::TLoesungsart> angeboten = AngeboteneLoesungswege(L);
    EXPECT_NE(std::find(angeboten.begin(), angeboten.end(), art), angeboten.end()) << f.Muster;
    EXPECT_FALSE(LoesungswegName(art).empty());
    const auto weg = LoesungswegDerMarkierten(L, art);
    ASSERT_TRUE(weg.has_value()) << f.Muster;
    EXPECT_FALSE(weg->Zeilen.empty()) << f.Muster;
}

} // namespace
