// The images of spheres and circles under the reflections and the
// dilation, exact and decimal, following their originals; a projection
// refuses them with the message of an element that cannot be mapped.

#include "befehle/Befehle.h"
#include "document/BefehleTest.h"
#include "exakt/ExakteGeometrie.h"
#include "geometry/Auswertung.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

using namespace kalvorin;

namespace {

struct TAbbildFall {
    const char* Fall;
    bool (*Befehl)(TDokument&);
    TRolle Rolle;
    Real Faktor;
    TTripel Kugelmitte; // the image of K: M(1|2|3), r = 7
    Real Kugelradius;
    TTripel Kreismitte; // the image of k: M(1|2|3), n = (0|0|1), r = 2
    TTripel Normale;    // parallel to the image's normal
    Real Kreisradius;
};

void PrintTo(const TAbbildFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelAbbilden : public ::testing::TestWithParam<TAbbildFall> {};

// O the origin, g the x₃-axis, E the x₁x₂-plane.
TEST_P(KugelAbbilden, MapsCentreRadiusAndNormalAndFollows) {
    const TAbbildFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    auto* o = d.P("O", {0, 0, 0});
    auto* g = d.G("g", {0, 0, 0}, {0, 0, 1});
    auto* e = d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    auto* k = d.K("K", {1, 2, 3}, 7);
    d.Kr("k", {1, 2, 3}, {0, 0, 1}, 2);
    TDreiDBasisElement* traeger = f.Rolle == TRolle::IstSpiegelAchse ? g
                                  : f.Rolle == TRolle::IstSpiegelEbene
                                      ? static_cast<TDreiDBasisElement*>(e)
                                      : o;
    traeger->SetzeRolle(f.Rolle, true);
    traeger->Streckungsfaktor = f.Faktor;
    d.Markieren({"K", "k"});
    ASSERT_TRUE(f.Befehl(d.D));
    EXPECT_TRUE(d.Protokoll.Eintraege.empty());
    auto* bild = d["K'"];
    auto* kreis = d["k'"];
    ASSERT_NE(bild, nullptr);
    ASSERT_NE(kreis, nullptr);
    TTripel m, n;
    Real r = 0;
    ASSERT_EQ(KugelAuswerten(*bild, m, r), KeinFehler);
    EXPECT_TRUE(test::Nah(m, f.Kugelmitte, 1e-15L));
    EXPECT_NEAR(static_cast<double>(r), static_cast<double>(f.Kugelradius), 1e-15);
    ASSERT_EQ(KreisAuswerten(*kreis, m, n, r), KeinFehler);
    EXPECT_TRUE(test::Nah(m, f.Kreismitte, 1e-15L));
    EXPECT_TRUE(test::Parallel(n, f.Normale));
    EXPECT_NEAR(static_cast<double>(r), static_cast<double>(f.Kreisradius), 1e-15);
    exakt::TExakteAuswertung ausw;
    const auto exakt = ausw.Geometrie(bild);
    ASSERT_TRUE(exakt.has_value());
    EXPECT_EQ(exakt->Radiusquadrat,
              exakt::TRational(static_cast<long>(f.Kugelradius * f.Kugelradius)));
    EXPECT_TRUE(exakt::ExaktStimmtMitDezimal(d.L));
    // The image follows its original.
    k->Radius = 1;
    d.D.Neuaufbau();
    ASSERT_EQ(KugelAuswerten(*bild, m, r), KeinFehler);
    EXPECT_NEAR(static_cast<double>(r), static_cast<double>(f.Kugelradius / 7), 1e-15);
    EXPECT_EQ(bild->Entstehung.Originalelement, k);
}

INSTANTIATE_TEST_SUITE_P(Faelle, KugelAbbilden,
                         ::testing::Values(TAbbildFall{"Punktspiegelung",
                                                       &Pspiegeln,
                                                       TRolle::IstSpiegelzentrum,
                                                       1,
                                                       {-1, -2, -3},
                                                       7,
                                                       {-1, -2, -3},
                                                       {0, 0, 1},
                                                       2},
                                           TAbbildFall{"Geradenspiegelung",
                                                       &Gspiegeln,
                                                       TRolle::IstSpiegelAchse,
                                                       1,
                                                       {-1, -2, 3},
                                                       7,
                                                       {-1, -2, 3},
                                                       {0, 0, 1},
                                                       2},
                                           TAbbildFall{"Ebenenspiegelung",
                                                       &Espiegeln,
                                                       TRolle::IstSpiegelEbene,
                                                       1,
                                                       {1, 2, -3},
                                                       7,
                                                       {1, 2, -3},
                                                       {0, 0, 1},
                                                       2},
                                           TAbbildFall{"Streckung",
                                                       &Strecken,
                                                       TRolle::IstStreckungszentrum,
                                                       -2,
                                                       {-2, -4, -6},
                                                       14,
                                                       {-2, -4, -6},
                                                       {0, 0, 1},
                                                       4}),
                         [](const auto& info) { return std::string(info.param.Fall); });

// A projection would flatten them: refused, with the message.
TEST(KugelAbbilden, AProjectionRefusesThem) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    auto* e = d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    d.K("K", {1, 2, 3}, 7);
    e->SetzeRolle(TRolle::IstO_Projektionsebene, true);
    d.Markieren({"K"});
    Oprojezieren(d.D);
    EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Warnung),
              "Das Element K kann nicht\r\nabgebildet werden!");
    EXPECT_EQ(d["K'"], nullptr);
}

} // namespace
