// Quadrilaterals and four-sided pyramids in a document: the dialog's
// checks, the rebuild and its messages, the scene (four edges, no
// diagonal), the measurement with the kind of the quadrilateral, the
// pyramid's volume, and the pavilion of an Abitur task.

#include "ausgabe/Szenentext.h"
#include "ausgabe/Zeichnen.h"
#include "befehle/Angebote.h"
#include "befehle/Messen.h"
#include "document/BefehleTest.h"
#include "eingabe/PyramidenEingabe.h"
#include "eingabe/ViereckEingabe.h"
#include "exakt/Gleichungen.h"
#include "exakt/Loesungsweg.h"
#include "geometry/Auswertung.h"
#include "geometry/Beschreibung.h"
#include "storage/EinstellungenSichern.h"
#include "view/Protokollflaeche.h"
#include "zahlen/Zahlen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

using namespace kalvorin;
using test::TAufruf;
using test::TProtokollflaeche;

namespace {

TFeldTexte T(Real x, Real y, Real z) {
    const auto t = [](Real v) { return FormatNumber(v); };
    return {t(x), t(y), t(z)};
}

TViereckEingabe Eingabe(const std::array<TTripel, 4>& p) {
    TViereckEingabe e;
    e.Name = "Q1";
    e.Neu = true;
    const char* namen[4] = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < 4; ++i)
        e.Ecken[i] = {namen[i], T(p[i].x, p[i].y, p[i].z)};
    return e;
}

struct TPruefFall {
    const char* Fall;
    std::array<TTripel, 4> Ecken;
    const char* Meldung; // "" accepted
};

void PrintTo(const TPruefFall& f, std::ostream* os) {
    *os << f.Fall;
}

class ViereckPruefung : public ::testing::TestWithParam<TPruefFall> {};

// The dialog refuses what is no plane quadrilateral with simple sides,
// within the tolerance of the constructions.
TEST_P(ViereckPruefung, RefusesWhatIsNoQuadrilateral) {
    const TPruefFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    const TEingabePruefung r = ViereckPruefen(d.L, Eingabe(f.Ecken));
    EXPECT_EQ(r.Meldung, f.Meldung);
    EXPECT_EQ(r.Ergebnis == TPruefergebnis::Abgelehnt, std::string(f.Meldung) != "");
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ViereckPruefung,
    ::testing::Values(
        TPruefFall{"Quadrat", {{{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}}, ""},
        TPruefFall{"SchraegImRaum", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, -1, 1}}}, ""},
        // Concave at C: its sides do not cross.
        TPruefFall{"Konkav", {{{0, 0, 0}, {4, 0, 0}, {1, 1, 0}, {0, 4, 0}}}, ""},
        TPruefFall{"FastEben", {{{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 5e-7L}}}, ""},
        TPruefFall{"NichtEben",
                   {{{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 1e-3L}}},
                   "Die vier Punkte liegen nicht in einer Ebene!"},
        TPruefFall{"Ueberschlagen",
                   {{{0, 0, 0}, {2, 2, 0}, {2, 0, 0}, {0, 2, 0}}},
                   "Die Seiten des Vierecks überschneiden sich!"},
        TPruefFall{"DreiAufGerade",
                   {{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 2, 0}}},
                   "Drei aufeinanderfolgende Punkte liegen auf einer Geraden!"},
        TPruefFall{"EckeAufGegenseite",
                   {{{0, 0, 0}, {4, 0, 0}, {2, 0, 0}, {2, 3, 0}}},
                   "Drei aufeinanderfolgende Punkte liegen auf einer Geraden!"},
        TPruefFall{"ZweiGleich",
                   {{{0, 0, 0}, {2, 0, 0}, {2, 0, 0}, {0, 2, 0}}},
                   "Zwei Punkte sind identisch!"}),
    [](const auto& info) { return std::string(info.param.Fall); });

class ViereckDokument : public ::testing::Test {
protected:
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    void SetUp() override { Einstellungen().Dezimaltrenner = ','; }

    TViereck* Viereck(const std::array<TTripel, 4>& p, const std::string& name = "Q1") {
        const char* namen[4] = {"A", "B", "C", "D"};
        std::array<TDreiDBasisElement*, 4> e{};
        for (std::size_t i = 0; i < 4; ++i)
            e[i] = d[namen[i]] ? d[namen[i]] : d.P(namen[i], p[i]);
        return d.Vi(name, e[0], e[1], e[2], e[3]);
    }
};

TEST_F(ViereckDokument, TheDialogMakesItWithItsCornersAndShowsAreaAndAngles) {
    d.P("A", {0, 0, 0});
    TViereckEingabe e = Eingabe({{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}}});
    e.Ecken[0].Fest = true; // the existing point A
    const TViereckMasse m = ViereckMasse(d.L, e);
    EXPECT_EQ(m.Flaeche, "50 FE");
    for (const std::string& w : m.Winkel)
        EXPECT_EQ(w, "90°");
    const int slot = ViereckUebernehmen(d.D, e);
    ASSERT_EQ(slot, 2);
    EXPECT_EQ(d.L.Anzahl(), 5);
    const auto& q = Als<TViereck>(*d.L[slot]);
    EXPECT_EQ(q.Ecke(0), d["A"]);
    EXPECT_EQ(q.Ecke(3), d["D"]);
    EXPECT_EQ(FestlegungsText(q), "Q1 = Viereck( A , B , C , D )");
    EXPECT_EQ(ElementSatz(q), "Viereck Q1 mit den Ecken A, B, C und D, Flächeninhalt 50");
    // Automatic names do not take the vectors' "V".
    EXPECT_EQ(d.L.AutomatischerName(TElementart::DViereck), "Q2");
    EXPECT_EQ(d.L.AutomatischerName(TElementart::DPyramide4), "QP1");
}

// Four edges in the scene, no diagonal; a quadrilateral that a moved corner
// bends out of its plane is reported and hidden.
TEST_F(ViereckDokument, FourEdgesAndTheRebuildsMessage) {
    TViereck* q = Viereck({{{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}});
    d.D.Neuaufbau();
    EXPECT_TRUE(q->sichtbar);
    EXPECT_EQ(q->Szenenobjekte.count(), 4u);
    const tGSzene& s = test::Szene(d.D);
    ASSERT_EQ(s.Koerper().size(), 1u);
    ASSERT_EQ(s.Koerper()[0].Fuellflaechen.size(), 1u);
    EXPECT_EQ(s.Koerper()[0].Fuellflaechen[0].size(), 4u);
    d.Protokoll.Eintraege.clear();
    Als<TfrPunkt>(*d["D"]).Koordinaten = {0, 3, 1};
    d.D.Neuaufbau();
    EXPECT_FALSE(q->sichtbar);
    EXPECT_EQ(d.EinzigeMeldung(TMeldungsart::Warnung),
              "Die Punkte A, B, C und D liegen nicht in einer\r\n Ebene, das Viereck Q1 kann "
              "nicht dargestellt werden!");
}

// Whether the picture's line from p to q is drawn: some drawn line lies
// along its middle part.
bool Gezeichnet(const std::vector<TAufruf>& z, TLogPunkt p, TLogPunkt q) {
    const auto abstand = [](TLogPunkt x, TLogPunkt a, TLogPunkt b) {
        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
        const double t =
            std::clamp(l2 > 0 ? ((x.x - a.x) * dx + (x.y - a.y) * dy) / l2 : 0.0, 0.0, 1.0);
        return std::hypot(x.x - a.x - t * dx, x.y - a.y - t * dy);
    };
    const TLogPunkt m{(p.x + q.x) / 2, (p.y + q.y) / 2};
    for (const TAufruf& l : z)
        if (l.art == TAufruf::Linie && l.punkte.size() == 2 && abstand(l.punkte[0], p, q) < 2 &&
            abstand(l.punkte[1], p, q) < 2 && abstand(m, l.punkte[0], l.punkte[1]) < 2)
            return true;
    return false;
}

// The textbook view fills the pavilion's base as one polygon and draws its
// four sides, never a diagonal; the hidden sides are dashed.
TEST_F(ViereckDokument, TheTextbookViewShowsNoDiagonal) {
    TViereck* q = Viereck({{{12, 0, 0}, {12, 12, 0}, {0, 12, 0}, {0, 0, 0}}});
    q->Farbe = RGB(0, 0, 200);
    // Axes wide enough that the scene's clipping leaves the pavilion whole.
    d.D.KoordinatensystemAendern(
        [](TKoordinatensystem& ks) {
            for (int i = 0; i < 3; ++i) {
                ks.Achsen[i].Unten = -2;
                ks.Achsen[i].Oben = 16;
            }
            ks.AbgeleiteteDatenBerechnen();
        },
        true);
    d.Py4("QP1", q, d.P("S", {6, 6, 8}))->Farbe = RGB(0, 0, 200);
    HeftansichtSetzen(d.D, true);
    TProtokollflaeche f;
    DokumentZeichnen(d.D, f, {});
    const tGSzene& s = d.D.Szene();
    const auto bild = [&](const char* n) { return s.Bild(Als<TfrPunkt>(*d[n]).Koordinaten); };
    EXPECT_FALSE(Gezeichnet(f.aufrufe, bild("A"), bild("C")));
    EXPECT_FALSE(Gezeichnet(f.aufrufe, bild("B"), bild("D")));
    for (const auto& [a, b] : {std::pair{"A", "B"}, {"B", "C"}, {"C", "D"}, {"D", "A"}})
        EXPECT_TRUE(Gezeichnet(f.aufrufe, bild(a), bild(b))) << a << b;
    // The base is filled as one polygon of its four corners, by the
    // quadrilateral and by the pyramid over it, never as two triangles.
    const char* const ecken[] = {"A", "B", "C", "D"};
    const auto ecke = [&](TLogPunkt p) {
        return std::any_of(std::begin(ecken), std::end(ecken), [&](const char* n) {
            return std::hypot(p.x - bild(n).x, p.y - bild(n).y) < 2;
        });
    };
    int vierecke = 0;
    for (const TAufruf& a : f.aufrufe)
        if (a.art == TAufruf::Polygon && a.punkte.size() == 4 &&
            std::all_of(a.punkte.begin(), a.punkte.end(), ecke))
            ++vierecke;
    EXPECT_EQ(vierecke, 2);
    int dreiecke = 0;
    for (const TAufruf& a : f.aufrufe)
        if (a.art == TAufruf::Polygon && a.punkte.size() == 3 &&
            std::all_of(a.punkte.begin(), a.punkte.end(), ecke))
            ++dreiecke;
    EXPECT_EQ(dreiecke, 0);
}

struct TArtFall {
    const char* Fall;
    std::array<TTripel, 4> Ecken;
    const char* Satz;
};

void PrintTo(const TArtFall& f, std::ostream* os) {
    *os << f.Fall;
}

class ViereckArt : public ::testing::TestWithParam<TArtFall> {};

// The measurement names the most special kind, exactly where the corners
// have exact values; the worked solution gives the reason.
TEST_P(ViereckArt, TheMeasurementNamesTheMostSpecialKind) {
    const TArtFall& f = GetParam();
    test::TEinstellungenSichern sichern;
    test::TBefehlsDokument d;
    const char* namen[4] = {"A", "B", "C", "D"};
    std::array<TDreiDBasisElement*, 4> e{};
    for (std::size_t i = 0; i < 4; ++i)
        e[i] = d.P(namen[i], f.Ecken[i]);
    d.Vi("Q", e[0], e[1], e[2], e[3]);
    d.Markieren({"Q"});
    const auto text = Messergebnis(d.L, TBefehl::MessFlaeche);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find(std::string("ABCD ist ") + f.Satz), std::string::npos) << *text;
    const auto weg = LoesungswegDerMarkierten(d.L, exakt::TLoesungsart::Flaeche);
    ASSERT_TRUE(weg.has_value());
    EXPECT_NE(exakt::AlsText(*weg).find(std::string("Also ist ABCD ") + f.Satz + "."),
              std::string::npos)
        << exakt::AlsText(*weg);
    // Offered under angle and length too, with the same message.
    EXPECT_EQ(Messergebnis(d.L, TBefehl::MessWinkel), text);
}

INSTANTIATE_TEST_SUITE_P(
    Arten, ViereckArt,
    ::testing::Values(
        TArtFall{"Quadrat", {{{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}}, "ein Quadrat"},
        // In space: a square standing slanted.
        TArtFall{"QuadratSchraeg", {{{0, 0, 0}, {2, 0, 0}, {2, 1, 1}, {0, 1, 1}}}, "ein Rechteck"},
        TArtFall{"Rechteck", {{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}}}, "ein Rechteck"},
        TArtFall{"Raute", {{{0, 0, 0}, {3, 4, 0}, {8, 4, 0}, {5, 0, 0}}}, "eine Raute"},
        TArtFall{
            "Parallelogramm", {{{0, 0, 0}, {4, 0, 0}, {5, 2, 0}, {1, 2, 0}}}, "ein Parallelogramm"},
        TArtFall{"GleichschenkligesTrapez",
                 {{{0, 0, 0}, {6, 0, 0}, {5, 3, 0}, {1, 3, 0}}},
                 "ein gleichschenkliges Trapez"},
        TArtFall{"Trapez", {{{0, 0, 0}, {6, 0, 0}, {4, 3, 0}, {1, 3, 0}}}, "ein Trapez"},
        TArtFall{"Drachen", {{{0, 0, 0}, {2, -1, 0}, {5, 0, 0}, {2, 1, 0}}}, "ein Drachenviereck"},
        TArtFall{"Allgemein",
                 {{{0, 0, 0}, {5, 0, 0}, {4, 3, 0}, {1, 7, 0}}},
                 "ein allgemeines Viereck"}),
    [](const auto& info) { return std::string(info.param.Fall); });

TEST_F(ViereckDokument, ARectanglesAreaSidesAndAngles) {
    Viereck({{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}}});
    d.Markieren({"Q1"});
    EXPECT_EQ(Messergebnis(d.L, TBefehl::MessFlaeche),
              "\r\nFläche (Q1) = 50 FE\r\n\r\nSeiten: AB = 10 LE, BC = 5 LE, CD = 10 LE, DA = 5 "
              "LE\r\nWinkel: bei A 90°, bei B 90°, bei C 90°, bei D 90°\r\n\r\nABCD ist ein "
              "Rechteck");
}

TEST_F(ViereckDokument, TheAreaIsExactWithRoots) {
    // A parallelogram in space, AB = (2|1|0), AD = (1|1|2): the area
    // |AB × AD| = |(2|−4|1)| = √21.
    Viereck({{{0, 0, 0}, {2, 1, 0}, {3, 2, 2}, {1, 1, 2}}});
    d.Markieren({"Q1"});
    const auto text = Messergebnis(d.L, TBefehl::MessFlaeche);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("√21 FE"), std::string::npos) << *text;
    EXPECT_NE(text->find("ABCD ist ein Parallelogramm"), std::string::npos) << *text;
    exakt::TExakteAuswertung a;
    const auto m = exakt::ExaktMessen(a, exakt::TMessart::FlaecheViereck, {d["Q1"]});
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(exakt::Text(m->Wert, exakt::TStil::Ascii), "√21");
}

// The pavilion of the Bavarian Abitur 2013: a square-base pyramid.
TEST_F(ViereckDokument, ThePavilionsVolumeHeightAndFacePlane) {
    TViereck* q = Viereck({{{12, 0, 0}, {12, 12, 0}, {0, 12, 0}, {0, 0, 0}}});
    auto* s = d.P("S", {6, 6, 8});
    d.Py4("QP1", q, s);
    auto* e = d.E("E", TEbene::EPPP, d["B"], d["C"], s);
    d.D.Neuaufbau();
    EXPECT_TRUE(d["QP1"]->sichtbar);
    EXPECT_EQ(d["QP1"]->Szenenobjekte.count(), 8u);
    d.Markieren({"QP1"});
    EXPECT_EQ(Messergebnis(d.L, TBefehl::MessVolumen),
              "\r\nVolumen (QP1) = 384 VE\r\n\r\nGrundfläche (Q1) = 144 FE, Höhe = 8 LE");
    const auto weg = LoesungswegDerMarkierten(d.L, exakt::TLoesungsart::Volumen);
    ASSERT_TRUE(weg.has_value());
    const std::string text = exakt::AlsText(*weg);
    EXPECT_NE(text.find("V = 1/3·144·8 = 384 VE"), std::string::npos) << text;
    d.Markieren({"Q1"});
    EXPECT_NE(Messergebnis(d.L, TBefehl::MessFlaeche)->find("ABCD ist ein Quadrat"),
              std::string::npos);
    exakt::TExakteAuswertung a;
    bool gefunden = false;
    for (const exakt::TForm& f : exakt::Formen(a, *e))
        if (f.Name == "Koordinatenform") {
            EXPECT_NE(f.Text.find("4x₂ + 3x₃ = 48"), std::string::npos) << f.Text;
            gefunden = true;
        }
    EXPECT_TRUE(gefunden);
}

TEST_F(ViereckDokument, ThePyramidDialogTakesAQuadrilateralAndRefusesAFlatApex) {
    Viereck({{{12, 0, 0}, {12, 12, 0}, {0, 12, 0}, {0, 0, 0}}});
    TPyramidenEingabe e = Pyramide4EingabeNeu(d.L);
    EXPECT_EQ(e.Name, "QP1");
    EXPECT_EQ(e.Dreiecke, std::vector<std::string>{"Q1"});
    e.Dreieck = "Q1";
    e.Spitze = {"S", T(6, 6, 0)};
    EXPECT_EQ(PyramidePruefen(d.L, e).Meldung, "Die Spitze liegt in der Grundflächenebene!");
    e.Spitze = {"S", T(6, 6, 8)};
    EXPECT_EQ(PyramidenVolumen(d.L, e), "384 VE");
    ASSERT_EQ(PyramidePruefen(d.L, e).Meldung, "");
    const int slot = PyramideUebernehmen(d.D, e);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(d.L[slot]->Art, TElementart::DPyramide4);
    EXPECT_EQ(ElementSatz(*d.L[slot]),
              "Pyramide QP1 mit der Grundfläche Q1 und der Spitze S, Volumen 384");
    // The design's pyramid dialog still offers triangles only.
    EXPECT_TRUE(PyramideEingabeNeu(d.L).Dreiecke.empty());
}

// A point reflection maps the quadrilateral with its corners, and the
// image follows when a corner moves.
TEST_F(ViereckDokument, AMappedQuadrilateralFollowsItsOriginal) {
    Viereck({{{1, 0, 0}, {3, 0, 0}, {3, 2, 0}, {1, 2, 0}}});
    d.P("Z", {0, 0, 0});
    d.Markieren({"Z"});
    ASSERT_TRUE(Spiegelung(d.D));
    d.Markieren({"Q1"});
    ASSERT_TRUE(Pspiegeln(d.D));
    std::array<TTripel, 4> p;
    ASSERT_EQ(ViereckAuswerten(*d.L.ElementMitName("Q1'"), p), KeinFehler);
    EXPECT_TRUE(test::Nah(p[2], {-3, -2, 0}));
    Als<TfrPunkt>(*d["C"]).Koordinaten = {4, 2, 0};
    d.D.Neuaufbau();
    ASSERT_EQ(ViereckAuswerten(*d.L.ElementMitName("Q1'"), p), KeinFehler);
    EXPECT_TRUE(test::Nah(p[2], {-4, -2, 0}));
}

} // namespace
