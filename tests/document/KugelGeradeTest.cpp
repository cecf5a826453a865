// A line through a sphere: its two points (each the one of its number by
// the parameter of the line), the point where it touches, the message when
// it misses, their exact values and worked solution; and the points of
// contact and tangent planes that follow their sources.

#include "befehle/Angebote.h"
#include "befehle/Messen.h"
#include "document/BefehleTest.h"
#include "exakt/ExakteGeometrie.h"
#include "exakt/Loesungsweg.h"
#include "storage/Dokumentdatei.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvorin;

namespace {

struct TGeradenFall {
    const char* Fall;
    TTripel A, B;                 // the line through A and B
    bool KugelZuerst;             // the sphere marked first
    int Punkte;                   // points made: 2, 1 (touching) or 0
    TTripel Erster, Zweiter;      // by the parameter of the line
    bool Exakt;                   // the points have exact values
    std::string Meldung;          // what the user is told
    std::vector<std::string> Weg; // lines of the worked solution
};

void PrintTo(const TGeradenFall& f, std::ostream* os) {
    *os << f.Fall;
}

// t = 1/2 ∓ 7/102·√17 on (−9|0|10) + t·(20|4|−14).
TTripel AufDerGeraden(Real t) {
    return {-9 + 20 * t, 4 * t, 10 - 14 * t};
}
const Real Wurzelteil = 7 * std::sqrt(17.0L) / 102;

class KugelGerade : public ::testing::TestWithParam<TGeradenFall> {};

// K: M(1|2|3), r = 7.
TEST_P(KugelGerade, TwoPointsThePointOfContactOrTheMessage) {
    const TGeradenFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = ',';
    test::TBefehlsDokument d;
    d.K("K", {1, 2, 3}, 7);
    auto* a = d.P("A", f.A);
    auto* b = d.P("B", f.B);
    d.GPP("g", a, b);
    if (f.KugelZuerst)
        d.Markieren({"K", "g"});
    else
        d.Markieren({"g", "K"});
    EXPECT_EQ(Fall(d.L, TBefehl::Schneiden), TFall::Schnittpunkt);
    const auto weg = LoesungswegDerMarkierten(d.L, exakt::TLoesungsart::Schneiden);
    ASSERT_TRUE(weg.has_value());
    const std::string text = exakt::AlsText(*weg);
    for (const std::string& zeile : f.Weg)
        EXPECT_NE(text.find(zeile), std::string::npos) << zeile << "\n" << text;
    const int vorher = d.L.Anzahl();
    const bool neu = Schneiden(d.D);
    EXPECT_EQ(neu, f.Punkte > 0);
    if (f.Meldung.empty())
        EXPECT_TRUE(d.Protokoll.Eintraege.empty());
    else
        EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Information), f.Meldung);
    ASSERT_EQ(d.L.Anzahl(), vorher + f.Punkte);
    exakt::TExakteAuswertung ausw;
    for (int i = 1; i <= f.Punkte; ++i) {
        const TDreiDBasisElement& p = *d.L[vorher + i];
        ASSERT_EQ(p.Art, TElementart::DfrPunkt);
        EXPECT_TRUE(test::Nah(Als<TfrPunkt>(p).Koordinaten, i == 1 ? f.Erster : f.Zweiter, 1e-12L))
            << i;
        if (f.Punkte == 2) {
            EXPECT_EQ(p.Entstehung.Art, TEntstehungsart::KugelSchnittpunkt);
            EXPECT_EQ(p.Entstehung.Elemente[2].Zahl, i);
        } else {
            EXPECT_EQ(p.Entstehung.Art, TEntstehungsart::Beruehrpunkt);
        }
        const auto g = ausw.Geometrie(&p);
        EXPECT_EQ(g.has_value(), f.Exakt) << i;
        if (g) {
            EXPECT_TRUE(test::Nah(exakt::AlsTripel(g->Punkt), Als<TfrPunkt>(p).Koordinaten));
        }
    }
    EXPECT_TRUE(exakt::ExaktStimmtMitDezimal(d.L));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelGerade,
    ::testing::Values(TGeradenFall{"ZweiPunkte",
                                   {-9, 0, 10},
                                   {11, 4, -4},
                                   false,
                                   2,
                                   AufDerGeraden(0.5L - Wurzelteil),
                                   AufDerGeraden(0.5L + Wurzelteil),
                                   false,
                                   "",
                                   {"612t² − 612t + 104 = 0", "4·612·104 = 119952",
                                    "t₁,₂ = (612 ∓ √(119952))/1224 = 1/2 ∓ 7/102·√17",
                                    "S1(1 − 70/51·√17 | 2 − 14/51·√17 | 3 + 49/51·√17)"}},
                      TGeradenFall{"ZweiPunkteKugelZuerst",
                                   {-9, 0, 10},
                                   {11, 4, -4},
                                   true,
                                   2,
                                   AufDerGeraden(0.5L - Wurzelteil),
                                   AufDerGeraden(0.5L + Wurzelteil),
                                   false,
                                   "",
                                   {"= 119952"}},
                      // Through the centre along (2|3|6), |(2|3|6)| = 7.
                      TGeradenFall{"Rational",
                                   {-1, -1, -3},
                                   {1, 2, 3},
                                   false,
                                   2,
                                   {-1, -1, -3},
                                   {3, 5, 9},
                                   true,
                                   "",
                                   {"= 9604", "S1(−1|−1|−3)", "S2(3|5|9)"}},
                      TGeradenFall{"Beruehrt",
                                   {0, 2, 10},
                                   {4, 2, 10},
                                   false,
                                   1,
                                   {1, 2, 10},
                                   {},
                                   true,
                                   "Die Gerade g berührt die Kugel K im Punkt P1",
                                   {"D = 0:", "berührt die Kugel K"}},
                      TGeradenFall{"Keiner",
                                   {0, 0, 20},
                                   {1, 0, 20},
                                   false,
                                   0,
                                   {},
                                   {},
                                   false,
                                   "Die Gerade g und die Kugel K haben keinen gemeinsamen Punkt",
                                   {"D < 0", "keinen gemeinsamen Punkt"}}),
    [](const auto& info) { return std::string(info.param.Fall); });

// Each point stays the one of its number when the line moves or turns
// round; where the line leaves the sphere they stay where they were, free.
TEST(KugelGerade, EachPointStaysTheOneOfItsNumber) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    d.K("K", {0, 0, 0}, 5);
    auto* g = d.G("g", {-10, 0, 3}, {1, 0, 0});
    d.Markieren({"g", "K"});
    ASSERT_TRUE(Schneiden(d.D));
    auto& s1 = Als<TfrPunkt>(*d.L[3]);
    auto& s2 = Als<TfrPunkt>(*d.L[4]);
    EXPECT_TRUE(test::Nah(s1.Koordinaten, {-4, 0, 3}));
    EXPECT_TRUE(test::Nah(s2.Koordinaten, {4, 0, 3}));
    g->Punkt = {0, 10, 0};
    g->Richtung = {0, -1, 0}; // now running down y
    d.D.Neuaufbau();
    EXPECT_TRUE(test::Nah(s1.Koordinaten, {0, 5, 0}));
    EXPECT_TRUE(test::Nah(s2.Koordinaten, {0, -5, 0}));
    g->Punkt = {0, 10, 6};
    d.D.Neuaufbau();
    EXPECT_EQ(s1.Entstehung.Art, TEntstehungsart::keine);
    EXPECT_TRUE(test::Nah(s1.Koordinaten, {0, 5, 0}));
}

// The point of contact of a sphere touching its plane (centre and tangent
// plane), and the tangent plane at a point of a sphere through it, follow
// their sources; saved and read back they are still derived.
TEST(KugelBeruehrung, ThePointOfContactAndTheTangentPlaneFollow) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    auto* m = d.P("M", {1, 2, 7});
    auto* e = d.ENOR("E", {0, 0, 1}, 0);
    d.KMT("K", m, e);
    d.Markieren({"K", "E"});
    ASSERT_TRUE(Schneiden(d.D));
    EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Information),
              "E ist Tangentialebene an K im Punkt P1");
    auto& b = Als<TfrPunkt>(*d.Letztes());
    EXPECT_EQ(b.Entstehung.Art, TEntstehungsart::Beruehrpunkt);
    EXPECT_TRUE(test::Nah(b.Koordinaten, {1, 2, 0}));
    m->Koordinaten = {4, -1, 3};
    d.D.Neuaufbau();
    EXPECT_TRUE(test::Nah(b.Koordinaten, {4, -1, 0}));

    auto* p = d.P("P", {4, -1, 10});
    d.KMP("K2", m, p);
    d.Markieren({"K2", "P"});
    ASSERT_TRUE(Tangentialebene(d.D));
    auto& t = Als<TEbene>(*d.Letztes());
    EXPECT_EQ(t.Entstehung.Art, TEntstehungsart::Tangentialebene);
    EXPECT_EQ(t.Festlegung, TEbene::ENOR);
    EXPECT_TRUE(test::Nah(t.Normale, {0, 0, 7}));
    EXPECT_EQ(t.d, -70);
    p->Koordinaten = {4, 5, 3};
    d.D.Neuaufbau();
    EXPECT_TRUE(test::Nah(t.Normale, {0, 6, 0}));
    EXPECT_EQ(t.d, -30);
    exakt::TExakteAuswertung ausw;
    EXPECT_TRUE(ausw.Geometrie(&t).has_value());
    EXPECT_TRUE(exakt::ExaktStimmtMitDezimal(d.L));

    const auto inhalt = DokumentInhalt(d.L, d.D.Koordinatensystem());
    ASSERT_TRUE(inhalt.has_value());
    EXPECT_NE(inhalt->find("Herleitung=26|Tangentialebene\r\nHerleitungselemente=K2|P"),
              std::string::npos);
    EXPECT_NE(inhalt->find("Herleitung=25|Beruehrpunkt\r\nHerleitungselemente=E|K"),
              std::string::npos);
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentAusInhaltLesen(*inhalt, "k.kvr", liste, ks, rollen, false));
    EXPECT_EQ(liste[4]->Entstehung.Art, TEntstehungsart::Beruehrpunkt);
    EXPECT_EQ(liste[liste.Anzahl()]->Entstehung.Art, TEntstehungsart::Tangentialebene);
    EXPECT_EQ(DokumentInhalt(liste, ks), inhalt);

    // The plane moves away: the point no longer touches and stays free.
    e->d = -1;
    d.D.Neuaufbau();
    EXPECT_EQ(b.Entstehung.Art, TEntstehungsart::Beruehrpunkt); // K touches E still (MT)
    e->d = 0;
    d.D.Neuaufbau();
    Als<TKugel>(*d["K"]).Festlegung = TKugel::MR;
    Als<TKugel>(*d["K"]).Zentrum = {0, 0, 10};
    Als<TKugel>(*d["K"]).Radius = 1;
    Als<TKugel>(*d["K"]).Bezuege = {};
    d.D.Neuaufbau();
    EXPECT_EQ(b.Entstehung.Art, TEntstehungsart::keine);
}

} // namespace
