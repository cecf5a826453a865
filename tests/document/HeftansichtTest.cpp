// The textbook view ("Heftansicht") of a typical Abitur exercise: the
// projection to the millimetre, the squared paper, the trace triangle, the
// dashed hidden edges of a pyramid from several sides and names that never
// overlap. Checked on the recording canvas.

#include "BefehleTest.h"
#include "ausgabe/Zeichnen.h"
#include "math/Projektion.h"
#include "storage/EinstellungenSichern.h"
#include "view/Ausgabemasse.h"
#include "view/Protokollflaeche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

constexpr TFarbe Papier = RGB(165, 205, 235);

// A(2|0|0), B(0|4|0), C(0|0|3), S(4|4|5), the plane through A, B, C, the
// perpendicular from S with its foot F and the segment SF, the pyramid ABCS.
struct TAbitur : TBefehlsDokument {
    TAbitur() {
        P("A", {2, 0, 0});
        P("B", {0, 4, 0});
        P("C", {0, 0, 3});
        P("S", {4, 4, 5});
        E("E", TEbene::EPPP, (*this)["A"], (*this)["B"], (*this)["C"]);
        Dr("ABC", (*this)["A"], (*this)["B"], (*this)["C"]);
        Py("Py", (*this)["ABC"], (*this)["S"]);
        D.Neuaufbau();
        Markieren({"S", "E"});
        EXPECT_TRUE(Loteerzeugen(D));
        const std::string lot = Letztes()->Name;
        Markieren({lot.c_str(), "E"});
        EXPECT_TRUE(Schneiden(D));
        Letztes()->Name = "F";
        S("SF", (*this)["S"], (*this)["F"]);
        Markieren(std::vector<const char*>{});
        HeftansichtSetzen(D, true);
    }
    const tGSzene& Sz() const { return D.Szene(); }
    // Logical units per centimetre (one unit).
    double ProCm() const { return static_cast<double>(1 / D.Abbildung().WeltProLogischX()); }
};

std::vector<TAufruf> Zeichnung(TDokument& d) {
    TProtokollflaeche f;
    DokumentZeichnen(d, f, {});
    return f.aufrufe;
}

bool Ueberlappen(const TLogRechteck& a, const TLogRechteck& b) {
    return a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben;
}

// Distance of p from the segment ab, in logical units.
double Abstand(TLogPunkt p, TLogPunkt a, TLogPunkt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

TEST(Heftansicht, UnitPointsLieExactlyOnTheSquares) {
    TAbitur t;
    const double cm = t.ProCm();
    const TLogPunkt o = t.Sz().Bild({0, 0, 0});
    const TLogPunkt y = t.Sz().Bild({0, 1, 0}), z = t.Sz().Bild({0, 0, 1}),
                    x = t.Sz().Bild({1, 0, 0});
    EXPECT_NEAR(y.x - o.x, cm, 1);
    EXPECT_EQ(y.y, o.y);
    EXPECT_EQ(z.x, o.x);
    EXPECT_NEAR(z.y - o.y, cm, 1);
    EXPECT_NEAR(x.x - o.x, -cm / 2, 1);
    EXPECT_NEAR(x.y - o.y, -cm / 2, 1);
    // In the drawing plane itself, before the rounding to logical units.
    const TZeichenpunkt w = Projizieren(Abbilden(t.Sz().Matrix(), {1, 0, 0}));
    EXPECT_NEAR(static_cast<double>(w.u), -0.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(w.v), -0.5, 1e-15);
    EXPECT_EQ(t.Sz().Matrix(), Heftdehnung());
}

TEST(Heftansicht, PaperSquaresAreHalfAUnitWithTheOriginOnANode) {
    TAbitur t;
    const double halb = t.ProCm() / 2;
    const TLogPunkt o = t.Sz().Bild({0, 0, 0});
    std::vector<int> senkrecht, waagerecht;
    for (const TAufruf& a : Zeichnung(t.D)) {
        if (a.art != TAufruf::Linie || a.stift.Farbe != Papier) continue;
        if (a.punkte[0].x == a.punkte[1].x) senkrecht.push_back(a.punkte[0].x);
        if (a.punkte[0].y == a.punkte[1].y) waagerecht.push_back(a.punkte[0].y);
    }
    ASSERT_GT(senkrecht.size(), 20u);
    ASSERT_GT(waagerecht.size(), 20u);
    for (const std::vector<int>* linien : {&senkrecht, &waagerecht}) {
        for (std::size_t i = 1; i < linien->size(); ++i)
            EXPECT_NEAR((*linien)[i] - (*linien)[i - 1], halb, 1);
    }
    EXPECT_NE(std::find(senkrecht.begin(), senkrecht.end(), o.x), senkrecht.end());
    EXPECT_NE(std::find(waagerecht.begin(), waagerecht.end(), o.y), waagerecht.end());
    // Every integer point of the yz-plane lies on a node too.
    const TLogPunkt p = t.Sz().Bild({0, 3, 2});
    EXPECT_NE(std::find(senkrecht.begin(), senkrecht.end(), p.x), senkrecht.end());
    EXPECT_NE(std::find(waagerecht.begin(), waagerecht.end(), p.y), waagerecht.end());
}

TEST(Heftansicht, PlaneIsDrawnByItsTraceTriangle) {
    TBefehlsDokument d;
    // 6x + 3y + 4z = 12, stored as 6x + 3y + 4z - 12 = 0.
    d.ENOR("E", {6, 3, 4}, -12);
    HeftansichtSetzen(d.D, true);
    const std::vector<TLogPunkt> soll{d.D.Szene().Bild({2, 0, 0}), d.D.Szene().Bild({0, 4, 0}),
                                      d.D.Szene().Bild({0, 0, 3})};
    int gefunden = 0;
    for (const TAufruf& a : Zeichnung(d.D)) {
        if (a.art != TAufruf::Polygon || a.punkte.size() != 3) continue;
        if (std::is_permutation(a.punkte.begin(), a.punkte.end(), soll.begin())) ++gefunden;
    }
    EXPECT_EQ(gefunden, 1);
}

TEST(Heftansicht, MarkedPlanesHaloFollowsItsTraceTriangleOnly) {
    TBefehlsDokument d;
    d.ENOR("E", {6, 3, 4}, -12);
    d.Markieren({"E"});
    HeftansichtSetzen(d.D, true);
    const tGSzene& s = d.D.Szene();
    const TLogPunkt ecken[3] = {s.Bild({2, 0, 0}), s.Bild({0, 4, 0}), s.Bild({0, 0, 3})};
    TProtokollflaeche f;
    TZeichenOptionen o;
    o.Markierungen = true;
    DokumentZeichnen(d.D, f, o);
    int hof = 0;
    for (const TAufruf& a : f.Nur(TAufruf::Linie)) {
        if (a.stift.Farbe != Markierfarbe) continue;
        ++hof;
        for (const TLogPunkt& p : a.punkte) {
            double naechste = 1e9;
            for (int i = 0; i < 3; ++i)
                naechste = std::min(naechste, Abstand(p, ecken[i], ecken[(i + 1) % 3]));
            EXPECT_LE(naechste, 2) << p.x << "," << p.y << " lies off the trace triangle";
        }
    }
    EXPECT_GE(hof, 3);
}

TEST(Heftansicht, AxesCarryEveryTickNumberedAndIndexedNames) {
    TAbitur t;
    std::vector<std::string> texte;
    for (const TAufruf& a : Zeichnung(t.D))
        if (a.art == TAufruf::Text) texte.push_back(a.text);
    for (const char* soll : {"x\u2081", "x\u2082", "x\u2083", "1", "2", "9", "10", "-2"})
        EXPECT_NE(std::find(texte.begin(), texte.end(), soll), texte.end()) << soll;
    EXPECT_EQ(std::find(texte.begin(), texte.end(), "1E1"), texte.end());
    // Three axes with ticks -2 .. 10 but 0: twelve numbers each.
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "10"), 3);
}

struct TLage {
    const char* Name;
    double Drehung, Kippung; // degrees
};

class HeftansichtPyramide : public ::testing::TestWithParam<TLage> {};

// An edge of the convex pyramid is hidden when both faces at it turn away
// from the viewer.
TEST_P(HeftansichtPyramide, HiddenEdgesDashedVisibleOnesSolid) {
    TAbitur t;
    test::Szene(t.D).SetzeHeftlage(GetParam().Drehung * Pi / 180, GetParam().Kippung * Pi / 180);
    test::Szene(t.D).Projizieren();
    const std::vector<TAufruf> z = Zeichnung(t.D);
    const TTripel a{2, 0, 0}, b{0, 4, 0}, c{0, 0, 3}, s{4, 4, 5};
    const TTripel mitte = Vielfaches(TripelSumme(TripelSumme(a, b), TripelSumme(c, s)), 0.25L);
    // Whether a face turns towards the viewer: its outward normal (away from
    // the centroid, in rotated space) points against the viewing direction.
    const TMatrix4& m = t.Sz().Matrix();
    const TTripel mg = Abbilden(m, mitte);
    const auto vorn = [&](TTripel p, TTripel q, TTripel r) {
        const TTripel pg = Abbilden(m, p), qg = Abbilden(m, q), rg = Abbilden(m, r);
        TTripel n = Kreuzprodukt(TripelDifferenz(qg, pg), TripelDifferenz(rg, pg));
        if (Skalarprodukt(n, TripelDifferenz(pg, mg)) < 0) Negieren(n);
        return Skalarprodukt(n, Blickrichtung) < 0;
    };
    struct TKante {
        TTripel von, bis;
        bool verdeckt;
    };
    const bool fABC = vorn(a, b, c), fABS = vorn(a, b, s), fBCS = vorn(b, c, s),
               fCAS = vorn(c, a, s);
    const std::vector<TKante> kanten{{a, b, !fABC && !fABS}, {b, c, !fABC && !fBCS},
                                     {c, a, !fABC && !fCAS}, {a, s, !fABS && !fCAS},
                                     {b, s, !fABS && !fBCS}, {c, s, !fBCS && !fCAS}};
    int verdeckte = 0;
    for (const TKante& k : kanten) {
        const TLogPunkt p = t.Sz().Bild(k.von), q = t.Sz().Bild(k.bis);
        double laenge = 0;
        for (const TAufruf& l : z) {
            if (l.art != TAufruf::Linie || l.stift.Farbe != RGB(0, 0, 200)) continue;
            if (Abstand(l.punkte[0], p, q) > 2 || Abstand(l.punkte[1], p, q) > 2) continue;
            EXPECT_EQ(l.stift.Stil == TStiftStil::Gestrichelt, k.verdeckt)
                << GetParam().Name << ": edge (" << p.x << "," << p.y << ")-(" << q.x << "," << q.y
                << ")";
            laenge += std::hypot(l.punkte[1].x - l.punkte[0].x, l.punkte[1].y - l.punkte[0].y);
        }
        // The whole edge is drawn (the base edges twice: by the triangle
        // and by the pyramid), in one style.
        EXPECT_GE(laenge, std::hypot(q.x - p.x, q.y - p.y) - 3) << GetParam().Name;
        verdeckte += k.verdeckt;
    }
    // From every side at least one edge of the pyramid lies behind it.
    EXPECT_GE(verdeckte, 1) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(DreiLagen, HeftansichtPyramide,
                         ::testing::Values(TLage{"Ausgangslage", 0, 0}, TLage{"Gedreht50", 50, 0},
                                           TLage{"GedrehtMinus120Gekippt20", -120, 20}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Heftansicht, NoTwoNamesOverlapFromAnySide) {
    TAbitur t;
    for (const double grad : {0.0, 35.0, -80.0, 160.0}) {
        test::Szene(t.D).SetzeHeftlage(grad * Pi / 180, 0);
        test::Szene(t.D).Projizieren();
        const std::vector<THeftBeschriftung> namen = t.Sz().HeftBeschriftungen();
        ASSERT_GT(namen.size(), 30u);
        for (const char* n : {"A", "B", "C", "S", "F", "E", "SF"}) {
            EXPECT_TRUE(std::any_of(namen.begin(), namen.end(), [&](const THeftBeschriftung& b) {
                return b.Text == n;
            })) << n;
        }
        for (std::size_t i = 0; i < namen.size(); ++i)
            for (std::size_t j = i + 1; j < namen.size(); ++j)
                EXPECT_FALSE(Ueberlappen(namen[i].Rahmen, namen[j].Rahmen))
                    << grad << ": " << namen[i].Text << " / " << namen[j].Text;
    }
}

// A line runs on beyond the paper; its name stands on the paper, beside a
// visible part of it, and a plane's name on the part of its picture there.
TEST(Heftansicht, NamesOfLinesAndPlanesStandOnThePaperBesideTheirPicture) {
    TBefehlsDokument d;
    struct TGeradenFall {
        const char* Name;
        TTripel Punkt, Richtung;
    } const geraden[] = {
        {"g", {0, 4, 0}, {0, -1, 1}},
        {"h", {4, 0, 0}, {-1, 1, 0}},
        {"k", {3, 3, 5}, {1, 1, 1}},
        {"l", {0, 0, 4}, {1, 0, -1}},
    };
    for (const TGeradenFall& g : geraden)
        d.G(g.Name, g.Punkt, g.Richtung);
    d.EPAR("F", {0, 0, 2}, {1, 0, 0}, {0, 1, 0});
    d.EPAR("Q", {6, 0, 0}, {0, 1, 0}, {0, 0, 1});
    HeftansichtSetzen(d.D, true);
    const tGSzene& s = d.D.Szene();
    const TLogRechteck papier = d.D.Abbildung().LogischesFenster();
    const auto aufPapier = [&](TLogPunkt p) {
        return p.x >= papier.links && p.x <= papier.rechts && p.y >= papier.unten &&
               p.y <= papier.oben;
    };
    const std::vector<THeftBeschriftung> namen = s.HeftBeschriftungen();
    const auto name = [&](const char* text) -> const THeftBeschriftung* {
        for (const THeftBeschriftung& b : namen)
            if (b.Text == text) return &b;
        return nullptr;
    };
    for (const char* text : {"g", "h", "k", "l", "F", "Q"}) {
        const THeftBeschriftung* b = name(text);
        ASSERT_NE(b, nullptr) << text;
        EXPECT_TRUE(aufPapier({b->Rahmen.links, b->Rahmen.unten}) &&
                    aufPapier({b->Rahmen.rechts, b->Rahmen.oben}))
            << text << " leaves the paper";
        EXPECT_TRUE(aufPapier(b->Anker)) << text;
    }
    for (const TGeradenFall& g : geraden) {
        // Two points far apart, so that their rounding hardly turns the line.
        const TLogPunkt a = s.Bild(TripelSumme(g.Punkt, Vielfaches(g.Richtung, -10))),
                        e = s.Bild(TripelSumme(g.Punkt, Vielfaches(g.Richtung, 10)));
        const TLogPunkt anker = name(g.Name)->Anker;
        // On the line's picture: across it no farther than the rounding.
        const double quer = std::fabs(static_cast<double>(e.x - a.x) * (anker.y - a.y) -
                                      static_cast<double>(e.y - a.y) * (anker.x - a.x)) /
                            std::hypot(e.x - a.x, e.y - a.y);
        EXPECT_LE(quer, 2) << g.Name;
    }
}

// The leader lines from names to what they name, in every mode of drawing:
// thin and lighter than their name, so that none passes for a segment.
TEST(Heftansicht, LeaderLinesStayThinAndLightInEveryMode) {
    TAbitur t;
    const double duenn = 0.01 * t.ProCm(); // a line of the squared paper
    struct TFall {
        const char* Name;
        TZeichenOptionen Optionen;
    } faelle[] = {{"normal", {}}, {"Präsentation", {}}, {"Kontrast", {}}, {"Schrift 200 %", {}}};
    faelle[1].Optionen.Praesentation = true;
    faelle[2].Optionen.Kontrast = true;
    faelle[3].Optionen.Schriftfaktor = 2;
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TProtokollflaeche f;
        DokumentZeichnen(t.D, f, fall.Optionen);
        // A leader line is the line drawn right before its name.
        int linien = 0;
        for (std::size_t i = 0; i + 1 < f.aufrufe.size(); ++i) {
            const TAufruf& l = f.aufrufe[i];
            const TAufruf& name = f.aufrufe[i + 1];
            if (l.art != TAufruf::Linie || name.art != TAufruf::Text) continue;
            ++linien;
            EXPECT_LE(l.stift.Breite, duenn) << name.text;
            const auto summe = [](TFarbe c) { return Rot(c) + Gruen(c) + Blau(c); };
            EXPECT_GE(summe(l.stift.Farbe), summe(name.schriftfarbe) + 150) << name.text;
        }
        EXPECT_GE(linien, 1) << "the figure has names that moved away from their anchor";
    }
}

// The squared paper lies under the figure as on paper: a projector's
// presentation, high contrast or a larger desktop font leave its fine light
// lines as they are.
TEST(Heftansicht, SquaredPaperStaysFineInEveryMode) {
    TAbitur t;
    const auto papierlinien = [&](const TZeichenOptionen& o) {
        TProtokollflaeche f;
        DokumentZeichnen(t.D, f, o);
        std::vector<int> breiten;
        for (const TAufruf& a : f.Nur(TAufruf::Linie))
            if (a.stift.Farbe == Papier) breiten.push_back(a.stift.Breite);
        return breiten;
    };
    const std::vector<int> normal = papierlinien({});
    ASSERT_GT(normal.size(), 20u);
    TZeichenOptionen modi[3];
    modi[0].Praesentation = true;
    modi[1].Kontrast = true;
    modi[2].Schriftfaktor = 2;
    for (const TZeichenOptionen& o : modi)
        EXPECT_EQ(papierlinien(o), normal);
}

// The plan of the names and hidden lines is made once and shared by every
// band of a picture: each change that moves or renames something, and each
// setting it depends on, gives a new one.
// Names set larger than asked for (a presentation on the board, a larger
// desktop font, a fixed size on paper) are placed at the size they get:
// the texts as drawn still never overlap.
TEST(Heftansicht, NamesSetLargerStillNeverOverlap) {
    TAbitur t;
    TZeichenOptionen praesentation;
    praesentation.Praesentation = true;
    TZeichenOptionen desktop;
    desktop.Schriftfaktor = 1.6;
    const int zelle = static_cast<int>(std::lround(0.45 * t.ProCm()));
    struct TFall {
        const char* Name;
        TZeichenOptionen Optionen;
        int Zielzelle; // a fixed cell for every text, 0 for none
    } const faelle[] = {
        {"Präsentation", praesentation, 0},
        {"Schrift 160 %", desktop, 0},
        {"fester Satz auf Papier", {}, zelle * 13 / 10},
    };
    for (const TFall& fall : faelle) {
        TProtokollflaeche f;
        if (fall.Zielzelle > 0) {
            TSchriftFlaeche papier(f, zelle, fall.Zielzelle);
            DokumentZeichnen(t.D, papier, fall.Optionen);
        } else {
            DokumentZeichnen(t.D, f, fall.Optionen);
        }
        std::vector<std::pair<std::string, TLogRechteck>> texte;
        for (const TAufruf& a : f.Nur(TAufruf::Text)) {
            const int h = a.schrifthoehe;
            const std::int32_t breite = static_cast<std::int32_t>(a.text.size()) * h / 2;
            texte.push_back(
                {a.text,
                 {a.punkte[0].x, a.punkte[0].y - h, a.punkte[0].x + breite, a.punkte[0].y}});
        }
        ASSERT_GT(texte.size(), 30u) << fall.Name;
        for (std::size_t i = 0; i < texte.size(); ++i)
            for (std::size_t j = i + 1; j < texte.size(); ++j)
                EXPECT_FALSE(Ueberlappen(texte[i].second, texte[j].second))
                    << fall.Name << ": " << texte[i].first << " / " << texte[j].first;
    }
}

TEST(Heftansicht, SharedPlanFollowsEveryChange) {
    TEinstellungenSichern sichern;
    TAbitur t;
    const auto texte = [&] {
        std::vector<std::string> v;
        for (const THeftBeschriftung& b : t.Sz().HeftBeschriftungen())
            v.push_back(b.Text);
        return v;
    };
    const auto rahmenVon = [&](const char* name) {
        for (const THeftBeschriftung& b : t.Sz().HeftBeschriftungen())
            if (b.Text == name) return b.Rahmen;
        return TLogRechteck{};
    };
    const auto hat = [](const std::vector<std::string>& v, const char* s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    EXPECT_TRUE(hat(texte(), "x\u2081"));
    Einstellungen().HeftAchsenIndiziert = false;
    EXPECT_TRUE(hat(texte(), "x"));
    EXPECT_FALSE(hat(texte(), "x\u2081"));

    t["S"]->Name = "T";
    t.D.Neuaufbau();
    EXPECT_TRUE(hat(texte(), "T"));
    EXPECT_FALSE(hat(texte(), "S"));

    const TLogRechteck vorher = rahmenVon("A");
    test::Szene(t.D).SetzeHeftlage(40 * Pi / 180, 0);
    test::Szene(t.D).Projizieren();
    EXPECT_NE(rahmenVon("A"), vorher);
    test::Szene(t.D).SetzeHeftlage(0, 0);
    test::Szene(t.D).Projizieren();
    EXPECT_EQ(rahmenVon("A"), vorher);

    Einstellungen().HeftSpurdreieck = false;
    const std::size_t mitSpur = Zeichnung(t.D).size();
    Einstellungen().HeftSpurdreieck = true;
    EXPECT_NE(Zeichnung(t.D).size(), mitSpur);
}

// The perpendicular from S runs behind the pyramid's faces: its white border
// lies under its visible parts only, never as a gap through a face over the
// dashed rest.
TEST(Heftansicht, WhiteBorderOnlyUnderVisibleParts) {
    TAbitur t;
    const std::vector<TAufruf> z = Zeichnung(t.D);
    int weiss = 0, gestrichelt = 0;
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i].art != TAufruf::Linie) continue;
        if (z[i].stift.Stil == TStiftStil::Gestrichelt) ++gestrichelt;
        if (z[i].stift.Farbe != Weiss) continue;
        ++weiss;
        // The line's own visible piece follows, with the same ends.
        ASSERT_LT(i + 1, z.size());
        EXPECT_EQ(z[i + 1].art, TAufruf::Linie);
        EXPECT_EQ(z[i + 1].punkte, z[i].punkte);
        EXPECT_EQ(z[i + 1].stift.Stil, TStiftStil::Durchgezogen);
        EXPECT_NE(z[i + 1].stift.Farbe, Weiss);
    }
    EXPECT_GE(weiss, 1);
    EXPECT_GE(gestrichelt, 1);
}

TEST(Heftansicht, HiddenPointIsASmallOpenCircle) {
    TBefehlsDokument d;
    d.P("A", {2, 0, 0});
    d.P("B", {0, 4, 0});
    d.P("C", {0, 0, 3});
    d.P("S", {4, 4, 5});
    d.Dr("ABC", d["A"], d["B"], d["C"]);
    d.Py("Py", d["ABC"], d["S"]);
    // Inside the pyramid's picture, behind its faces.
    d.P("H", {0.2L, 0.5L, 0.4L});
    HeftansichtSetzen(d.D, true);
    const TLogPunkt h = d.D.Szene().Bild({0.2L, 0.5L, 0.4L});
    int offen = 0, voll = 0;
    for (const TAufruf& a : Zeichnung(d.D)) {
        if (a.art != TAufruf::Ellipse) continue;
        if ((a.punkte[0].x + a.punkte[1].x) / 2 != h.x) continue;
        (a.pinsel.Art == TPinselArt::Leer ? offen : voll) += 1;
    }
    EXPECT_EQ(offen, 1);
    EXPECT_EQ(voll, 0);
}

TEST(Heftansicht, TurningKeepsTheZAxisUprightAndTiltStopsAt30Degrees) {
    TAbitur t;
    tGSzene& s = test::Szene(t.D);
    s.Ziehen({0, 0}, {2000, 1500});
    s.Projizieren();
    EXPECT_NE(s.HeftDrehung(), 0);
    EXPECT_EQ(s.HeftKippung(), 0);
    const TTripel z = TripelDifferenz(Abbilden(s.Matrix(), {0, 0, 1}), Abbilden(s.Matrix(), {}));
    EXPECT_EQ(Projizieren(z).u, 0);
    for (int i = 0; i < 20; ++i)
        s.Ziehen({0, 0}, {0, 3000}, true);
    EXPECT_NEAR(static_cast<double>(s.HeftKippung()), static_cast<double>(Pi / 6), 1e-15);
    t.D.Ausgangslage();
    EXPECT_EQ(s.Matrix(), Heftdehnung());
    EXPECT_EQ(s.HeftDrehung(), 0);
}

// A turning step in the textbook view leaves the drawing order until it is
// asked for; then it is the one a full sort of the same projection gives, for
// the order and for what a click hits, also after switching back.
TEST(Heftansicht, DrawingOrderAfterATurnIsTheFullSortsOrder) {
    TAbitur t;
    for (const auto& [von, nach] : {std::pair<TLogPunkt, TLogPunkt>{{0, 0}, {1500, 400}},
                                    {{0, 0}, {-3000, 0}},
                                    {{0, 0}, {700, 2500}}}) {
        t.D.AnsichtDrehen(von, nach, nach.y > 2000);
        tGSzene voll = t.Sz();
        voll.SetzeProjektionsart(TProjektionsart::Schraeg);
        voll.Sortieren();
        ASSERT_EQ(static_cast<int>(voll.Zeichenfolge().size()), voll.Stueckzahl());
        for (const char* name : {"A", "B", "C", "S", "F"}) {
            const TLogPunkt p = t.Sz().Bild(Als<TfrPunkt>(*t[name]).Koordinaten);
            EXPECT_EQ(t.Sz().Treffer(p, 5), voll.Treffer(p, 5)) << name;
        }
        EXPECT_EQ(t.Sz().Zeichenfolge(), voll.Zeichenfolge());
    }
    t.D.AnsichtDrehen({0, 0}, {900, 100});
    tGSzene& s = test::Szene(t.D);
    s.SetzeProjektionsart(TProjektionsart::Schraeg);
    // Drawn in the design's way without another sort: every piece once.
    TProtokollflaeche f;
    s.Zeichnen(f);
    EXPECT_EQ(static_cast<int>(s.Zeichenfolge().size()), s.Stueckzahl());
}

TEST(Heftansicht, SwitchingBackGivesTheDesignsViewUnchanged) {
    TAbitur t;
    HeftansichtSetzen(t.D, false);
    const std::vector<TAufruf> zurueck = Zeichnung(t.D);
    TAbitur neu;
    HeftansichtSetzen(neu.D, false);
    EXPECT_EQ(neu.Sz().Matrix(), Ausgangslage());
    EXPECT_EQ(zurueck.size(), Zeichnung(neu.D).size());
    EXPECT_FALSE(t.D.Geaendert());
}

// The view mode is not part of the document: the file is the same with it
// on and off, and readable by every earlier version.
TEST(Heftansicht, DocumentFileDoesNotChange) {
    TAbitur t;
    const std::string mit = ::testing::TempDir() + "abitur.kvr";
    const std::string ohne = ::testing::TempDir() + "abitur_ohne.kvr";
    ASSERT_TRUE(t.D.Speichern(mit));
    HeftansichtSetzen(t.D, false);
    ASSERT_TRUE(t.D.Speichern(ohne));
    const auto inhalt = [](const std::string& datei) {
        std::ifstream f(datei, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    EXPECT_EQ(inhalt(mit), inhalt(ohne));
    EXPECT_EQ(inhalt(mit).find("Heft"), std::string::npos);
    std::remove(mit.c_str());
    std::remove(ohne.c_str());
}

// The design's own view: the arrow is named like in the object list, and
// an arrow cut by the display range has no head at the cut.
TEST(Pfeil, ViewWritesTheArrowsOwnName) {
    TBefehlsDokument d;
    d.P("A", {1, 1, 1});
    d.P("B", {2, 3, 1});
    d.PfPP("nF", d["A"], d["B"], "V1");
    d.D.Neuaufbau();
    d.D.NamenSetzen();
    const auto& objekte = d["nF"]->Szenenobjekte;
    std::size_t nr = 0;
    while (nr < objekte.size() && !objekte.test(nr))
        ++nr;
    EXPECT_EQ(d.D.Szene().Objekt(static_cast<int>(nr)).Name, "nF");
}

TEST(Pfeil, HeadOnlyWhereTheArrowReallyEnds) {
    for (const bool kurz : {true, false}) {
        TBefehlsDokument d;
        d.P("A", {1, 1, 1});
        d.P("B", kurz ? TTripel{2, 3, 1} : TTripel{200, 3, 1});
        d.PfPP("p", d["A"], d["B"], "v");
        d.D.Neuaufbau();
        int spitzen = 0;
        for (const TAufruf& a : Zeichnung(d.D))
            if (a.art == TAufruf::Polygon && a.punkte.size() == 3 &&
                a.pinsel.Farbe == d["p"]->Farbe)
                ++spitzen;
        EXPECT_EQ(spitzen, kurz ? 1 : 0) << kurz;
    }
}

} // namespace
