// Spheres and circles in a document: their evaluation in every way of
// definition, what the rebuild reports, the scene text, the sphere dialog's
// equation and checks, and saving through the dialog's apply.

#include "ausgabe/Szenentext.h"
#include "befehle/Angebote.h"
#include "befehle/Messen.h"
#include "document/BefehleTest.h"
#include "eingabe/KreisEingabe.h"
#include "eingabe/KugelEingabe.h"
#include "exakt/ExakteGeometrie.h"
#include "geometry/Auswertung.h"
#include "storage/Dokumentdatei.h"
#include "storage/EinstellungenSichern.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalvorin;

namespace {

class KugelDokument : public ::testing::Test {
protected:
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    void SetUp() override { Einstellungen().Dezimaltrenner = ','; }
};

struct TAuswertFall {
    const char* Fall;
    int Festlegung;
    TTripel Beruehrt; // the point on the sphere (MP), or unused
    Real Radius;
    const char* Exakt; // the exact radius, "" for none
};

void PrintTo(const TAuswertFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelAuswertung : public ::testing::TestWithParam<TAuswertFall> {};

// The centre M(1|2|7) in every way: the radius typed, through a point, and
// touching the x1x2-plane (r = 7).
TEST_P(KugelAuswertung, CentreAndRadiusInEveryWayOfDefinition) {
    const TAuswertFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    auto* m = d.P("M", {1, 2, 7});
    auto* p = d.P("P", f.Beruehrt);
    auto* e = d.EPAR("E", {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    TKugel* k = f.Festlegung == TKugel::MR   ? d.K("K", {1, 2, 7}, f.Radius)
                : f.Festlegung == TKugel::MP ? d.KMP("K", m, p)
                                             : d.KMT("K", m, e);
    TTripel mitte;
    Real r = 0;
    ASSERT_EQ(KugelAuswerten(*k, mitte, r), KeinFehler);
    EXPECT_EQ(mitte, (TTripel{1, 2, 7}));
    EXPECT_NEAR(static_cast<double>(r), static_cast<double>(f.Radius), 1e-15);
    exakt::TExakteAuswertung ausw;
    const auto g = ausw.Geometrie(k);
    ASSERT_TRUE(g.has_value());
    const auto w = exakt::Wurzel(g->Radiusquadrat);
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(exakt::Text(*w, exakt::TStil::Ascii), f.Exakt);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelAuswertung,
    ::testing::Values(TAuswertFall{"MittelpunktRadius", TKugel::MR, {}, 7, "7"},
                      TAuswertFall{"DurchPunkt", TKugel::MP, {3, 3, 7}, std::sqrt(5.0L), "√5"},
                      TAuswertFall{"BeruehrtX1X2Ebene", TKugel::MT, {}, 7, "7"}),
    [](const auto& info) { return std::string(info.param.Fall); });

TEST_F(KugelDokument, TheRebuildShowsThemAndReportsWhatCannotBeDrawn) {
    auto* m = d.P("M", {1, 2, 3});
    d.K("K1", {1, 2, 3}, 7);
    d.Kr("k1", {1, 2, 3}, {2, 3, 6}, 3);
    d.KMP("K2", m, m);
    d.D.Neuaufbau();
    EXPECT_TRUE(d["K1"]->sichtbar);
    EXPECT_TRUE(d["k1"]->sichtbar);
    EXPECT_FALSE(d["K2"]->sichtbar);
    EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Warnung),
              "Die Punkte M und M sind identisch, die\r\n Kugel K2 kann nicht dargestellt werden!");
    ASSERT_EQ(d["K1"]->Szenenobjekte.count(), 1u);
    // Both are labelled with their names.
    for (const char* name : {"K1", "k1"}) {
        int nr = 1;
        while (!d[name]->Szenenobjekte.test(static_cast<std::size_t>(nr)))
            ++nr;
        EXPECT_EQ(test::Szene(d.D).Objekt(nr).Name, name);
        EXPECT_TRUE(test::Szene(d.D).Objekt(nr).NameSichtbar);
    }
    EXPECT_EQ(ElementSatz(*d["K1"]), "Kugel K1 mit Mittelpunkt M(1|2|3) und Radius 7");
    EXPECT_EQ(ElementSatz(*d["k1"]),
              "Kreis k1 mit Mittelpunkt M(1|2|3), Normalenvektor (2|3|6) und Radius 3");
}

struct TGleichungsFall {
    const char* Fall;
    const char* Text;
    bool Fehler;
    TTripel Mitte;
    Real Radius;
};

void PrintTo(const TGleichungsFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelGleichung : public ::testing::TestWithParam<TGleichungsFall> {};

// Completing the square, with the terms in any order and on either side.
TEST_P(KugelGleichung, GivesCentreAndRadius) {
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = ',';
    const TGleichungsFall& f = GetParam();
    const TKugelGleichung g = KugelAusGleichung(f.Text);
    ASSERT_EQ(g.Fehler, f.Fehler);
    if (f.Fehler) return;
    EXPECT_EQ(g.Mitte, f.Mitte);
    EXPECT_NEAR(static_cast<double>(g.Radius), static_cast<double>(f.Radius), 1e-15);
}

struct TAchsenFall {
    const char* Fall;
    bool Indiziert; // the setting x₁, x₂, x₃ (else x, y, z)
    const char* Eingabe;
    std::vector<std::string> Weg; // the worked solution's lines
};

void PrintTo(const TAchsenFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelAchsennamen : public ::testing::TestWithParam<TAchsenFall> {};

// The equation's texts name the axes as the setting does, and it reads
// either name.
TEST_P(KugelAchsennamen, FollowTheSetting) {
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = ',';
    const TAchsenFall& f = GetParam();
    Einstellungen().HeftAchsenIndiziert = f.Indiziert;
    const TKugelGleichung g = KugelAusGleichung(f.Eingabe);
    ASSERT_FALSE(g.Fehler);
    EXPECT_EQ(g.Mitte, (TTripel{1, -2, 3}));
    EXPECT_EQ(g.Loesungsweg, f.Weg);
    EXPECT_EQ(KugelMittelpunktsform(g.Mitte, g.Radius), f.Weg[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelAchsennamen,
    ::testing::Values(TAchsenFall{"Indiziert",
                                  true,
                                  "x₁² + x₂² + x₃² − 2x₁ + 4x₂ − 6x₃ − 2 = 0",
                                  {"x₁² − 2x₁ = (x₁ − 1)² − 1", "x₂² + 4x₂ = (x₂ + 2)² − 4",
                                   "x₃² − 6x₃ = (x₃ − 3)² − 9",
                                   "(x₁ − 1)² + (x₂ + 2)² + (x₃ − 3)² = 16", "M(1|-2|3), r = 4"}},
                      TAchsenFall{"XYZ",
                                  false,
                                  "x₁² + x₂² + x₃² − 2x₁ + 4x₂ − 6x₃ − 2 = 0",
                                  {"x² − 2x = (x − 1)² − 1", "y² + 4y = (y + 2)² − 4",
                                   "z² − 6z = (z − 3)² − 9", "(x − 1)² + (y + 2)² + (z − 3)² = 16",
                                   "M(1|-2|3), r = 4"}},
                      TAchsenFall{"IndiziertAusXYZ",
                                  true,
                                  "x² + y² + z² − 2x + 4y − 6z − 2 = 0",
                                  {"x₁² − 2x₁ = (x₁ − 1)² − 1", "x₂² + 4x₂ = (x₂ + 2)² − 4",
                                   "x₃² − 6x₃ = (x₃ − 3)² − 9",
                                   "(x₁ − 1)² + (x₂ + 2)² + (x₃ − 3)² = 16", "M(1|-2|3), r = 4"}}),
    [](const auto& info) { return std::string(info.param.Fall); });

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelGleichung,
    ::testing::Values(
        TGleichungsFall{"Lehrbuch", "x² + y² + z² − 2x + 4y − 6z − 2 = 0", false, {1, -2, 3}, 4},
        TGleichungsFall{"Hochzwei", "x^2+y^2+z^2-2x+4y-6z-2=0", false, {1, -2, 3}, 4},
        TGleichungsFall{
            "Vielfaches", "2x² + 2y² + 2z² − 4x + 8y − 12z − 4 = 0", false, {1, -2, 3}, 4},
        TGleichungsFall{"RechteSeite", "x² + y² + z² = 2x - 4y + 6z + 2", false, {1, -2, 3}, 4},
        TGleichungsFall{"Ursprung", "x² + y² + z² = 9", false, {0, 0, 0}, 3},
        TGleichungsFall{"Dezimal", "x² + y² + z² - 1,5z = 0", false, {0, 0, 0.75L}, 0.75L},
        TGleichungsFall{"KeinRadius", "x² + y² + z² + 1 = 0", true, {}, 0},
        TGleichungsFall{"UngleicheQuadrate", "x² + 2y² + z² = 4", true, {}, 0},
        TGleichungsFall{"OhneQuadrate", "x + y + z = 4", true, {}, 0},
        TGleichungsFall{"OhneGleich", "x² + y² + z² - 4", true, {}, 0},
        TGleichungsFall{"Unsinn", "x² + y² + z² = 4w", true, {}, 0}),
    [](const auto& info) { return std::string(info.param.Fall); });

struct TPruefFall {
    const char* Fall;
    TFeldTexte Mitte;
    const char* Radius;
    TPruefergebnis Ergebnis;
    const char* Meldung;
};

void PrintTo(const TPruefFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelPruefung : public ::testing::TestWithParam<TPruefFall> {};

TEST_P(KugelPruefung, RefusesWhatIsNoSphere) {
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = ',';
    test::TBefehlsDokument d;
    const TPruefFall& f = GetParam();
    TKugelEingabe e = KugelEingabeNeu(d.L);
    EXPECT_EQ(e.Name, "K1");
    e.Mitte = f.Mitte;
    e.Radius = f.Radius;
    const TEingabePruefung r = KugelPruefen(d.L, e);
    EXPECT_EQ(r.Ergebnis, f.Ergebnis);
    EXPECT_EQ(r.Meldung, f.Meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelPruefung,
    ::testing::Values(
        TPruefFall{"Gut", {"1", "2", "3"}, "7", TPruefergebnis::Gueltig, ""},
        TPruefFall{"Leer", {"", "", ""}, "", TPruefergebnis::StillSchliessen, ""},
        TPruefFall{"Halb", {"1", "", "3"}, "7", TPruefergebnis::Unvollstaendig, UnvollstaendigText},
        TPruefFall{
            "RadiusNull", {"1", "2", "3"}, "0", TPruefergebnis::Abgelehnt, KugelRadiusFehlerText},
        TPruefFall{"RadiusNegativ",
                   {"1", "2", "3"},
                   "-1",
                   TPruefergebnis::Abgelehnt,
                   KugelRadiusFehlerText},
        TPruefFall{"MitteUnlesbar",
                   {"1", "a", "3"},
                   "2",
                   TPruefergebnis::Abgelehnt,
                   KugelMitteFehlerText}),
    [](const auto& info) { return std::string(info.param.Fall); });

// The dialog's apply: the sphere from its equation and the circle reach the
// document as "MR" and "MNR", undoable in one step each.
TEST_F(KugelDokument, TheDialogsApplyMakesTheElements) {
    TKugelEingabe k = KugelEingabeNeu(d.L);
    k.AlsGleichung = true;
    k.Gleichung = "x² + y² + z² − 2x + 4y − 6z − 2 = 0";
    ASSERT_EQ(KugelPruefen(d.L, k).Ergebnis, TPruefergebnis::Gueltig);
    ASSERT_EQ(KugelUebernehmen(d.D, k), 1);
    const auto& kugel = Als<TKugel>(*d.L[1]);
    EXPECT_EQ(kugel.Name, "K1");
    EXPECT_EQ(kugel.Festlegung, TKugel::MR);
    EXPECT_EQ(kugel.Zentrum, (TTripel{1, -2, 3}));
    EXPECT_EQ(kugel.Radius, 4);
    TKreisEingabe c = KreisEingabeNeu(d.L);
    EXPECT_EQ(c.Name, "k1");
    c.Mitte = {"0", "0", "1"};
    c.Normale = {"0", "0", "0"};
    c.Radius = "2";
    EXPECT_EQ(KreisPruefen(d.L, c).Meldung, KreisNormaleFehlerText);
    c.Normale = {"0", "0", "1"};
    ASSERT_EQ(KreisPruefen(d.L, c).Ergebnis, TPruefergebnis::Gueltig);
    ASSERT_EQ(KreisUebernehmen(d.D, c), 2);
    EXPECT_EQ(Als<TKreis>(*d.L[2]).Radius, 2);
    EXPECT_TRUE(d.L[2]->sichtbar);
    // Shown again, the sphere keeps its exact values when nothing is typed.
    TKugelEingabe wieder = KugelEingabeAusElement(d.L, 1);
    EXPECT_FALSE(wieder.NurLesen);
    EXPECT_EQ(wieder.Radius, "4");
}

} // namespace

namespace {

struct TMessFall {
    const char* Fall;
    TBefehl Befehl;
    std::vector<const char*> Markiert;
    std::string Text; // the whole message
};

void PrintTo(const TMessFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelMessen : public ::testing::TestWithParam<TMessFall> {};

// K: M(1|2|3), r = 7, and the small sphere K3 of radius 3; points, lines and
// planes inside, on and outside it.
TEST_P(KugelMessen, MeasuresWithExactValuesAndThePosition) {
    test::TEinstellungenSichern sichern;
    Einstellungen().Dezimaltrenner = ',';
    Einstellungen().ExakteWerte = true;
    test::TBefehlsDokument d;
    const TMessFall& f = GetParam();
    d.K("K", {1, 2, 3}, 7);
    d.K("K3", {0, 0, 0}, 3);
    d.Kr("k", {0, 0, 0}, {0, 0, 1}, 3);
    d.P("Innen", {1, 2, 4});
    d.P("Auf", {1, 2, 10});
    d.P("Aussen", {1, 2, 12});
    auto* a = d.P("A", {-9, 0, 10});
    auto* b = d.P("B", {11, 4, -4});
    d.GPP("g", a, b);
    d.G("t", {8, 2, 3}, {0, 1, 0});
    d.G("m", {9, 2, 3}, {0, 1, 0});
    d.ENOR("E", {2, 3, 6}, -40);
    d.ENOR("T", {0, 0, 1}, -10);
    d.ENOR("F", {0, 0, 1}, -12);
    d.Markieren(f.Markiert);
    const auto text = Messergebnis(d.L, f.Befehl);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, f.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelMessen,
    ::testing::Values(
        TMessFall{"Radius", TBefehl::MessLaenge, {"K"}, "\r\nRadius (K) = 7 LE\r\n\r\n"},
        TMessFall{"Oberflaeche",
                  TBefehl::MessFlaeche,
                  {"K"},
                  "\r\nOberfläche (K) = 615,75 FE\r\nexakt: 196·π FE\r\n\r\n"},
        TMessFall{"Volumen",
                  TBefehl::MessVolumen,
                  {"K3"},
                  "\r\nVolumen (K3) = 113,1 VE\r\nexakt: 36·π VE\r\n\r\n"},
        TMessFall{"PunktInnen",
                  TBefehl::MessLaenge,
                  {"Innen", "K"},
                  "\r\nAbstand (Innen , K) = 6 LE\r\n\r\nInnen liegt innerhalb der Kugel K"},
        TMessFall{"PunktAuf",
                  TBefehl::MessLaenge,
                  {"Auf", "K"},
                  "\r\nAbstand (Auf , K) = 0 LE\r\n\r\nAuf liegt auf der Kugel K"},
        TMessFall{"PunktAussen",
                  TBefehl::MessLaenge,
                  {"Aussen", "K"},
                  "\r\nAbstand (Aussen , K) = 2 LE\r\n\r\nAussen liegt außerhalb der Kugel K"},
        TMessFall{"GeradeDurchDieMitte",
                  TBefehl::MessLaenge,
                  {"g", "K"},
                  "\r\nAbstand (g , K) = 0 LE\r\n\r\ng schneidet K"},
        TMessFall{"Tangente",
                  TBefehl::MessLaenge,
                  {"t", "K"},
                  "\r\nAbstand (t , K) = 0 LE\r\n\r\nt berührt K"},
        TMessFall{"Passante",
                  TBefehl::MessLaenge,
                  {"m", "K"},
                  "\r\nAbstand (m , K) = 1 LE\r\n\r\nm meidet K"},
        TMessFall{"EbeneSchneidet",
                  TBefehl::MessLaenge,
                  {"E", "K"},
                  "\r\nAbstand (E , K) = 0 LE\r\n\r\nE schneidet K"},
        TMessFall{"Tangentialebene",
                  TBefehl::MessLaenge,
                  {"T", "K"},
                  "\r\nAbstand (T , K) = 0 LE\r\n\r\nT berührt K"},
        TMessFall{"EbeneMeidet",
                  TBefehl::MessLaenge,
                  {"F", "K"},
                  "\r\nAbstand (F , K) = 2 LE\r\n\r\nF meidet K"},
        TMessFall{"KreisRadius",
                  TBefehl::MessLaenge,
                  {"k"},
                  "\r\nRadius (k) = 3 LE\r\nUmfang (k) = 18,85 LE\r\n\r\n"},
        TMessFall{"KreisFlaeche",
                  TBefehl::MessFlaeche,
                  {"k"},
                  "\r\nFläche (k) = 28,27 FE\r\nexakt: 9·π FE\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.Fall); });

// Marks that hold a sphere offer nothing of what the seven kinds alone
// offer: a point and a sphere are no two points.
TEST(KugelAngebote, ASphereAmongTheMarksChangesThePattern) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    d.P("A", {0, 0, 0});
    d.P("B", {1, 0, 0});
    d.K("K", {0, 0, 0}, 1);
    d.Markieren({"A", "B"});
    EXPECT_EQ(LangMuster(d.L), "2------");
    EXPECT_TRUE(Messergebnis(d.L, TBefehl::MessLaenge).has_value());
    d.Markieren({"A", "B", "K"});
    EXPECT_EQ(LangMuster(d.L), "2------1-");
    EXPECT_EQ(KurzMuster(d.L), "2---1-");
    EXPECT_FALSE(Messergebnis(d.L, TBefehl::MessLaenge).has_value());
}

} // namespace

namespace {

struct TSchnittFall {
    const char* Fall;
    std::vector<const char*> Markiert;
    bool Kreis;          // a circle is made; else a point or nothing
    TTripel Mitte;       // the circle's centre, or the point of contact
    Real Radius;         // the circle's radius
    const char* Exakt;   // its exact radius
    std::string Meldung; // what the user is told
};

void PrintTo(const TSchnittFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelSchneiden : public ::testing::TestWithParam<TSchnittFall> {};

// K: M(1|2|3), r = 7 and the planes E: 2x + 3y + 6z = 40 (d = 2, circle
// radius 3·√5), T: z = 10 (tangent), F: z = 12; two spheres of radius 5 at
// centre distance 6 (radius 4 about the midpoint) and two that touch.
TEST_P(KugelSchneiden, MakesTheCircleThePointOfContactOrSaysSo) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    const TSchnittFall& f = GetParam();
    d.K("K", {1, 2, 3}, 7);
    d.ENOR("E", {2, 3, 6}, -40);
    d.ENOR("T", {0, 0, 1}, -10);
    d.ENOR("F", {0, 0, 1}, -12);
    d.K("K1", {0, 0, 0}, 5);
    d.K("K2", {6, 0, 0}, 5);
    d.K("K3", {0, 0, 0}, 2);
    d.K("K4", {5, 0, 0}, 3);
    // Only the two to be cut are drawn: the scene has room for a few spheres.
    for (int i = 1; i <= d.L.Anzahl(); ++i)
        d.L[i]->sichtbar = std::find_if(f.Markiert.begin(), f.Markiert.end(), [&](const char* n) {
                               return d.L[i]->Name == n;
                           }) != f.Markiert.end();
    d.Markieren(f.Markiert);
    const int vorher = d.L.Anzahl();
    const bool neu = Schneiden(d.D);
    if (f.Meldung.empty())
        EXPECT_TRUE(d.Protokoll.Eintraege.empty());
    else
        EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Information), f.Meldung);
    if (!f.Kreis && f.Radius < 0) { // nothing in common
        EXPECT_FALSE(neu);
        EXPECT_EQ(d.L.Anzahl(), vorher);
        return;
    }
    ASSERT_TRUE(neu);
    ASSERT_EQ(d.L.Anzahl(), vorher + 1);
    TDreiDBasisElement& e = *d.Letztes();
    if (!f.Kreis) {
        EXPECT_EQ(e.Art, TElementart::DfrPunkt);
        EXPECT_TRUE(test::Nah(Als<TfrPunkt>(e).Koordinaten, f.Mitte, 1e-12L));
        return;
    }
    ASSERT_EQ(e.Art, TElementart::DKreis);
    EXPECT_EQ(e.Name, "k1");
    EXPECT_EQ(e.Entstehung.Art, TEntstehungsart::Schnitt);
    const auto& k = Als<TKreis>(e);
    EXPECT_TRUE(test::Nah(k.Zentrum, f.Mitte, 1e-12L));
    EXPECT_NEAR(static_cast<double>(k.Radius), static_cast<double>(f.Radius), 1e-12);
    exakt::TExakteAuswertung ausw;
    const auto g = ausw.Geometrie(&e);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(exakt::Text(*exakt::Wurzel(g->Radiusquadrat), exakt::TStil::Ascii), f.Exakt);
    EXPECT_TRUE(e.sichtbar);
    // Saved and read again, byte for byte, and still derived.
    const auto inhalt = DokumentInhalt(d.L, d.D.Koordinatensystem());
    ASSERT_TRUE(inhalt.has_value());
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentAusInhaltLesen(*inhalt, "k.kvr", liste, ks, rollen, false));
    EXPECT_EQ(DokumentInhalt(liste, ks), inhalt);
    EXPECT_EQ(liste[liste.Anzahl()]->Entstehung.Art, TEntstehungsart::Schnitt);
    EXPECT_NE(inhalt->find("Entstehungselemente=" + std::string(f.Markiert[0]) + "|" +
                           f.Markiert[1] + "\r\nMNR="),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelSchneiden,
    ::testing::Values(TSchnittFall{"KugelEbene",
                                   {"K", "E"},
                                   true,
                                   {11.0L / 7, 20.0L / 7, 33.0L / 7},
                                   3 * std::sqrt(5.0L),
                                   "3·√5",
                                   ""},
                      TSchnittFall{"ZweiKugeln", {"K1", "K2"}, true, {3, 0, 0}, 4, "4", ""},
                      TSchnittFall{"Tangentialebene",
                                   {"K", "T"},
                                   false,
                                   {1, 2, 10},
                                   0,
                                   "",
                                   "T ist Tangentialebene an K im Punkt P1"},
                      TSchnittFall{"KugelnBeruehren",
                                   {"K3", "K4"},
                                   false,
                                   {2, 0, 0},
                                   0,
                                   "",
                                   "Die Kugeln K3 und K4 berühren sich im Punkt P1"},
                      TSchnittFall{"Keiner",
                                   {"K", "F"},
                                   false,
                                   {},
                                   -1,
                                   "",
                                   "Die Kugel K und die Ebene F haben keinen gemeinsamen Punkt"}),
    [](const auto& info) { return std::string(info.param.Fall); });

// The circle follows the plane it was cut with.
TEST(KugelSchnittkreis, FollowsItsSources) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    d.K("K", {0, 0, 0}, 5);
    auto* e = d.ENOR("E", {0, 0, 1}, -3);
    d.Markieren({"K", "E"});
    ASSERT_TRUE(Schneiden(d.D));
    auto& k = Als<TKreis>(*d.Letztes());
    EXPECT_EQ(k.Radius, 4);
    e->d = -4;
    d.D.Neuaufbau();
    EXPECT_EQ(k.Entstehung.Art, TEntstehungsart::Schnitt);
    EXPECT_TRUE(test::Nah(k.Zentrum, {0, 0, 4}));
    EXPECT_EQ(k.Radius, 3);
}

} // namespace

namespace {

struct TTangentenFall {
    const char* Fall;
    TTripel Punkt;
    bool Ebene;          // a plane is made
    std::string Meldung; // else this warning
};

void PrintTo(const TTangentenFall& f, std::ostream* os) {
    *os << f.Fall;
}

class KugelTangentialebene : public ::testing::TestWithParam<TTangentenFall> {};

// K: M(1|2|3), r = 7; the plane at P has the normal from M to P and holds P.
TEST_P(KugelTangentialebene, AtAPointOnTheSphereOnly) {
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    const TTangentenFall& f = GetParam();
    d.K("K", {1, 2, 3}, 7);
    d.P("P", f.Punkt);
    d.Markieren({"K", "P"});
    const int vorher = d.L.Anzahl();
    const bool neu = Tangentialebene(d.D);
    EXPECT_EQ(neu, f.Ebene);
    if (!f.Ebene) {
        EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Warnung), f.Meldung);
        EXPECT_EQ(d.L.Anzahl(), vorher);
        return;
    }
    ASSERT_EQ(d.L.Anzahl(), vorher + 1);
    const auto& e = Als<TEbene>(*d.Letztes());
    EXPECT_EQ(e.Name, "E1");
    const TTripel n = Verbindungsvektor({1, 2, 3}, f.Punkt);
    EXPECT_TRUE(test::Nah(Kreuzprodukt(e.Normale, n), {0, 0, 0}, 1e-12L));
    EXPECT_NEAR(static_cast<double>(Skalarprodukt(e.Normale, f.Punkt) + e.d), 0, 1e-12);
    // It touches the sphere at P.
    d.Markieren({"K", "E1"});
    ASSERT_TRUE(Schneiden(d.D));
    EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Information),
              "E1 ist Tangentialebene an K im Punkt P1");
    EXPECT_TRUE(test::Nah(Als<TfrPunkt>(*d.Letztes()).Koordinaten, f.Punkt, 1e-12L));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KugelTangentialebene,
    ::testing::Values(TTangentenFall{"Oben", {1, 2, 10}, true, ""},
                      TTangentenFall{"Schraeg", {3, 5, 9}, true, ""},
                      TTangentenFall{"Innen",
                                     {1, 2, 4},
                                     false,
                                     "Der Punkt P liegt nicht auf der Kugel K,\r\neine "
                                     "Tangentialebene in P gibt es nicht!"},
                      TTangentenFall{"Aussen",
                                     {1, 2, 11},
                                     false,
                                     "Der Punkt P liegt nicht auf der Kugel K,\r\neine "
                                     "Tangentialebene in P gibt es nicht!"}),
    [](const auto& info) { return std::string(info.param.Fall); });

} // namespace
