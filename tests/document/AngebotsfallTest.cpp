// For every marking pattern of the tables and every command: the menu offers
// the command exactly when it runs, and it runs the case the offer names.

#include "BefehleTest.h"

#include "../Testnamen.h"
#include "befehle/Befehlstabelle.h"

#include <cctype>
#include <map>
#include <optional>
#include <string_view>

using namespace kalvorin;
using kalvorin::test::TBefehlsDokument;

namespace {

// Every pattern of the four tables as the long pattern (point, vector,
// line, plane, segment, triangle, pyramid), and a few that match no row.
const char* const Muster[] = {
    // creation and constructions
    "2------",
    "3------",
    "4------",
    "11-----",
    "12-----",
    "13-----",
    "--1----",
    "--2----",
    "1-1----",
    "---1---",
    "1----1-",
    "-11----",
    "1--1---",
    "1---1--",
    "---2---",
    "--11---",
    "-2-----",
    "-3-----",
    "-1-----",
    // mappings (a pyramid is not in the short pattern)
    "1------",
    "-1-1---",
    "1-----1",
    // measurement
    "----1--",
    "-----1-",
    "------1",
    // nothing, or no row
    "-------",
    "5------",
    "1111---",
    "--3----",
    "---3---",
    // spheres and circles, their two places behind the seven
    "-------1-",
    "1------1-",
    "--1----1-",
    "---1---1-",
    "--------1",
    "-------2-",
    "1-------1",
};

// Marks elements in general position by the counts of the pattern; the
// corners of segments, triangles and pyramids stay unmarked.
void Aufbauen(TBefehlsDokument& d, const std::string& muster) {
    const auto anzahl = [&](int i) { return muster[i] == '-' ? 0 : muster[i] - '0'; };
    const TTripel punkte[] = {{1, 2, 3}, {4, -1, 2}, {-2, 3, 5}, {0, -3, -1}, {3, 3, -2}};
    const TTripel vektoren[] = {{1, 0, 2}, {0, 3, 1}, {2, -1, 1}};
    const TTripel richtungen[] = {{1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
    const TTripel normalen[] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
    std::vector<const char*> markiert;
    std::vector<std::string> namen;
    namen.reserve(40);
    const auto merke = [&](const std::string& n) {
        markiert.push_back(namen.emplace_back(n).c_str());
    };
    for (int i = 0; i < anzahl(0); ++i)
        merke(d.P("P" + std::to_string(i), punkte[i])->Name);
    for (int i = 0; i < anzahl(1); ++i)
        merke(d.V("v" + std::to_string(i), vektoren[i])->Name);
    for (int i = 0; i < anzahl(2); ++i)
        merke(d.G("g" + std::to_string(i), {0, 0, 0}, richtungen[i])->Name);
    for (int i = 0; i < anzahl(3); ++i)
        merke(d.ENOR("E" + std::to_string(i), normalen[i], i + 1)->Name);
    auto* a = d.P("A", {5, 0, 0});
    auto* b = d.P("B", {0, 5, 0});
    auto* c = d.P("C", {0, 0, 5});
    auto* s = d.P("S", {6, 6, 6});
    for (int i = 0; i < anzahl(4); ++i)
        merke(d.S("s" + std::to_string(i), a, b)->Name);
    auto* dreieck = d.Dr("D", a, b, c);
    if (anzahl(5) > 0) merke("D");
    auto* pyramide = d.Py("T", dreieck, s);
    if (anzahl(6) > 0) merke(pyramide->Name);
    const auto stelle = [&](std::size_t i) {
        return i < muster.size() ? anzahl(static_cast<int>(i)) : 0;
    };
    for (int i = 0; i < stelle(7); ++i)
        merke(d.K("K" + std::to_string(i), {1, 1, static_cast<Real>(1 + 3 * i)}, 2.5L)->Name);
    for (int i = 0; i < stelle(8); ++i)
        merke(d.Kr("k" + std::to_string(i), {0, 0, static_cast<Real>(i)}, {0, 0, 1}, 2)->Name);
    d.Markieren(markiert);
}

struct TErwartet {
    std::optional<TElementart> Art; // the kind of the first new element
    int Festlegung = -1;            // its definition mode; -1: not asked
    std::optional<TEntstehungsart> Entstehung;
    std::optional<TRolle> Rolle; // an element carries it afterwards
    bool NichtsNeu = false;      // the case adds nothing
};

// The rows leave the members they do not ask about at their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
TErwartet Erwartet(TFall f) {
    using A = TElementart;
    using E = TEntstehungsart;
    switch (f) {
    case TFall::PunktPV:
        return {A::DfrPunkt, TfrPunkt::PV};
    case TFall::GeradePP:
        return {A::DGerade, TGerade::GPP};
    case TFall::GeradePV:
        return {A::DGerade, TGerade::GPV};
    case TFall::EbenePPP:
        return {A::DEbene, TEbene::EPPP};
    case TFall::EbenePV:
        return {A::DEbene, TEbene::EPV};
    case TFall::EbenePVV:
        return {A::DEbene, TEbene::EPVV};
    case TFall::EbeneGG:
        return {A::DEbene, TEbene::EGG};
    case TFall::EbenePG:
        return {A::DEbene, TEbene::EPG};
    case TFall::EbeneGV:
        return {A::DEbene, TEbene::EGV};
    case TFall::StreckePP:
        return {A::DStrecke};
    case TFall::PfeilPP:
        return {A::DPfeil, TPfeil::PfPP};
    case TFall::PfeilPV:
        return {A::DPfeil, TPfeil::PfPV};
    case TFall::VektorPP:
        return {A::DVektor, TVektor::V2P};
    case TFall::VektorG:
        return {A::DVektor, TVektor::VG};
    case TFall::VektorE:
        return {A::DVektor, TVektor::VE};
    case TFall::DreieckPPP:
        return {A::DDreieck};
    case TFall::PyramideDP:
        return {A::DPyramide3};
    case TFall::Inzidenz:
        return {.NichtsNeu = true};
    case TFall::Schnittpunkt:
        return {A::DfrPunkt, -1, E::Schnitt};
    case TFall::Schnittgerade:
        return {A::DGerade, -1, E::Schnitt};
    case TFall::Schnittkreis:
        return {A::DKreis, -1, E::Schnitt};
    case TFall::LotPG:
        return {A::DGerade, -1, E::LotPG};
    case TFall::LotPE:
        return {A::DGerade, -1, E::LotPE};
    case TFall::LotGG:
        return {A::DGerade, -1, E::LotGG};
    case TFall::Mittelpunkt:
        return {A::DfrPunkt, -1, E::Mittelpunkt};
    case TFall::Schwerpunkt:
        return {A::DfrPunkt, -1, E::Schwerpunkt};
    case TFall::Mittelgerade:
        return {A::DGerade, -1, E::Mittelgerade};
    case TFall::Mittelebene:
        return {A::DEbene, -1, E::MittelEbene};
    case TFall::Summe:
    case TFall::SummePfeil:
        return {A::DVektor};
    case TFall::Gegenvektor:
        return {A::DVektor, -1, E::Gegenvektor};
    case TFall::Tangentialebene:
        return {A::DEbene, TEbene::ENOR, E::Tangentialebene};
    case TFall::Vektorprodukt:
        return {A::DVektor, -1, E::VProdukt};
    case TFall::Punktspiegelung:
        return {.Rolle = TRolle::IstSpiegelzentrum, .NichtsNeu = true};
    case TFall::Geradenspiegelung:
        return {.Rolle = TRolle::IstSpiegelAchse, .NichtsNeu = true};
    case TFall::Ebenenspiegelung:
        return {.Rolle = TRolle::IstSpiegelEbene, .NichtsNeu = true};
    case TFall::Streckung:
        return {.Rolle = TRolle::IstStreckungszentrum, .NichtsNeu = true};
    case TFall::Orthogonalprojektion:
        return {.Rolle = TRolle::IstO_Projektionsebene, .NichtsNeu = true};
    case TFall::Parallelprojektion:
        return {.Rolle = TRolle::IstP_Projektionsebene, .NichtsNeu = true};
    case TFall::Messung:
        return {.NichtsNeu = true};
    case TFall::Verknuepfen:
    case TFall::Keiner:
        break;
    }
    return {};
}
#pragma GCC diagnostic pop

class Angebotsfall : public ::testing::TestWithParam<const char*> {};

TEST_P(Angebotsfall, OfferAndExecutedCaseAgreeForEveryCommand) {
    const std::string muster = GetParam();
    for (const TBefehlszeile& z : Befehlstabelle()) {
        if (!z.Angebot || (!z.Ausfuehren && !z.MitWert.Ausfuehren)) continue;
        SCOPED_TRACE(z.Name);
        TBefehlsDokument d;
        Aufbauen(d, muster);
        const TAngebote angebote = BerechneAngebote(d.L);
        const TAngebotsfall af = AngebotUndFall(*z.Angebot, Markierungsmuster(d.L));
        const TAngebot& angebot = angebote[*z.Angebot];
        EXPECT_EQ(angebot.aktiv, af.Fall != TFall::Keiner);
        EXPECT_EQ(af.Angebot.aktiv, angebot.aktiv);
        EXPECT_EQ(af.Angebot.Menue, angebot.Menue);
        EXPECT_EQ(angebote.Faelle[static_cast<int>(*z.Angebot)], af.Fall);
        EXPECT_EQ(Fall(d.L, *z.Angebot), af.Fall);

        const int vorher = d.L.Anzahl();
        const bool ergebnis = z.Ausfuehren ? z.Ausfuehren(d.D) : z.MitWert.Ausfuehren(d.D, "2");
        const bool ausgefuehrt =
            ergebnis || d.L.Anzahl() != vorher || !d.Protokoll.Eintraege.empty();
        // The blank of the measurement table: a line and a plane are offered
        // "&Länge", which has no length of them to show.
        const bool leer = *z.Angebot == TBefehl::MessLaenge && muster == "--11---";
        EXPECT_EQ(ausgefuehrt, angebot.aktiv && !leer) << "offered: " << angebot.aktiv;
        if (!ausgefuehrt || !angebot.aktiv) continue;

        const TErwartet soll = Erwartet(af.Fall);
        if (soll.NichtsNeu) {
            EXPECT_EQ(d.L.Anzahl(), vorher);
        }
        if (soll.Rolle) {
            EXPECT_NE(RollenTraeger(d.L, *soll.Rolle), nullptr);
        }
        if (af.Fall == TFall::Messung) {
            ASSERT_FALSE(d.Protokoll.Eintraege.empty());
            EXPECT_EQ(d.Protokoll.Eintraege[0].Art, TMeldungsart::Information);
        }
        if (!soll.Art || d.L.Anzahl() == vorher) continue; // refused with a message
        const TDreiDBasisElement& neu = *d.L[vorher + 1];
        EXPECT_EQ(neu.Art, *soll.Art);
        if (soll.Festlegung >= 0) {
            EXPECT_EQ(neu.Festlegung, soll.Festlegung);
        }
        if (soll.Entstehung) {
            // A line through a sphere: its points, each with its number.
            const bool kugel = muster.size() > 7 && muster[7] == '1';
            EXPECT_EQ(neu.Entstehung.Art, kugel && af.Fall == TFall::Schnittpunkt
                                              ? TEntstehungsart::KugelSchnittpunkt
                                              : *soll.Entstehung);
        }
        // The sum is drawn as an arrow from the marked point exactly in its case.
        if (af.Fall == TFall::Summe || af.Fall == TFall::SummePfeil) {
            EXPECT_EQ(d.L.Anzahl() - vorher, af.Fall == TFall::SummePfeil ? 2 : 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Muster, Angebotsfall, ::testing::ValuesIn(Muster),
                         testnamen::Nach([](const char* m) { return std::string(m); }));

// Every case but Keiner belongs to a command, and a command offered has a
// case; not offered gives the reset captions.
// The access key of a caption: the character after its '&', in lower case
// (Ä, Ö and Ü as their UTF-8 bytes); empty when it has none.
std::string Zugriffstaste(std::string_view titel) {
    const std::size_t i = titel.find('&');
    if (i == std::string_view::npos || i + 1 >= titel.size() || titel[i + 1] == '&') return {};
    const auto c = static_cast<unsigned char>(titel[i + 1]);
    if (c < 0x80) return std::string(1, static_cast<char>(std::tolower(c)));
    std::string t(titel.substr(i + 1, 2));
    if (t == "\xC3\x84") return "\xC3\xA4"; // Ä
    if (t == "\xC3\x96") return "\xC3\xB6"; // Ö
    if (t == "\xC3\x9C") return "\xC3\xBC"; // Ü
    return t;
}

// What one menu shows: the caption of every visible item, by menu.
using TMenues = std::map<std::string, std::vector<std::string>>;

TMenues SichtbareMenues(const TAngebote& a) {
    TMenues m;
    for (const TBefehlszeile& z : Befehlstabelle()) {
        if (z.Art == TZeilenart::Trenner) continue;
        const auto zeigen = [&](const std::string& menue, TAngebotsort ort, const char* titel) {
            const auto anzeige = Angebotsanzeige(z, a, ort);
            if (anzeige && anzeige->Sichtbar == false) return;
            m[menue].push_back(anzeige && !anzeige->Text.empty() ? anzeige->Text : titel);
        };
        zeigen(std::string("Menü ") + z.Menue, TAngebotsort::Hauptmenue, z.Titel);
        if (z.GrafikPopup.Vorhanden())
            zeigen("Popup der Ansicht", TAngebotsort::GrafikPopup, z.GrafikPopup.Titel);
        if (z.ListenPopup.Vorhanden())
            zeigen("Popup der Objektliste", TAngebotsort::ListenPopup, z.ListenPopup.Titel);
        if (z.RahmenPopup.Vorhanden()) m["Popup des Rahmens"].push_back(z.RahmenPopup.Titel);
    }
    return m;
}

// For every pattern, with every mapping defined: each item of every menu and
// popup has an access key, and no two items of one menu share one (a key
// shared with a greyed item does nothing).
TEST_P(Angebotsfall, EveryMenuItemHasItsOwnAccessKey) {
    TBefehlsDokument d;
    Aufbauen(d, GetParam());
    auto* z = d.P("Z", {9, 9, 9});
    z->SetzeRolle(TRolle::IstSpiegelzentrum, true);
    z->SetzeRolle(TRolle::IstStreckungszentrum, true);
    d.G("a", {0, 0, 0}, {1, 2, 3})->SetzeRolle(TRolle::IstSpiegelAchse, true);
    auto* e = d.ENOR("F", {1, 1, 1}, -9);
    e->SetzeRolle(TRolle::IstSpiegelEbene, true);
    e->SetzeRolle(TRolle::IstO_Projektionsebene, true);
    e->SetzeRolle(TRolle::IstP_Projektionsebene, true);
    for (const auto& [menue, titel] : SichtbareMenues(BerechneAngebote(d.L))) {
        std::map<std::string, std::string> vergeben;
        for (const std::string& t : titel) {
            const std::string taste = Zugriffstaste(t);
            EXPECT_FALSE(taste.empty()) << menue << ": " << t;
            if (taste.empty()) continue;
            const auto [it, neu] = vergeben.emplace(taste, t);
            EXPECT_TRUE(neu) << menue << ": " << t << " and " << it->second;
        }
    }
}

TEST(Angebotsfall, NotOfferedGivesNoCaseAndTheResetCaptions) {
    const TMarkierungsmuster nichts{"----", "------", "-------"};
    for (int i = 0; i < AnzahlBefehle; ++i) {
        const TAngebotsfall f = AngebotUndFall(static_cast<TBefehl>(i), nichts);
        EXPECT_FALSE(f.Angebot.aktiv) << i;
        EXPECT_EQ(f.Fall, TFall::Keiner) << i;
        EXPECT_FALSE(f.Angebot.Menue.empty()) << i;
    }
    const TMarkierungsmuster zweiPunkte{"2---", "2-----", "2------"};
    EXPECT_EQ(AngebotUndFall(TBefehl::ErzGerade, zweiPunkte).Fall, TFall::GeradePP);
    EXPECT_EQ(AngebotUndFall(TBefehl::Mittebilden, zweiPunkte).Angebot.Menue,
              "&Mittelpunkt bilden");
    EXPECT_EQ(AngebotUndFall(TBefehl::Mittebilden, zweiPunkte).Angebot.GrafikPopup,
              "&Mittelpunkt bilden");
    const TMarkierungsmuster gerade{"--1-", "--1---", "--1----"};
    const TAngebotsfall r = AngebotUndFall(TBefehl::ErzVektor, gerade);
    EXPECT_EQ(r.Fall, TFall::VektorG);
    EXPECT_EQ(r.Angebot.ListenPopup, "&Richtungsvektor festlegen");
}

} // namespace
