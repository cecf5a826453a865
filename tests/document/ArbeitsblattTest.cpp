// Worksheets and the step-by-step presentation on the Abitur exercise:
// which elements are given and derived, the order of the steps, the filter
// of the drawing (which leaves the document alone) and the text of both
// pages.

#include "ausgabe/Arbeitsblatt.h"
#include "Abiturszene.h"
#include "ausgabe/Zeichnen.h"
#include "geometry/Beschreibung.h"
#include "view/Protokollflaeche.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

std::vector<std::string> Namen(const TListe& l, const std::vector<int>& slots) {
    std::vector<std::string> r;
    for (int s : slots)
        r.push_back(l[s]->Name);
    return r;
}

std::vector<std::string> NamenDerNummern(const TListe& l, const std::vector<int>& nummern) {
    std::vector<std::string> r;
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (std::find(nummern.begin(), nummern.end(), l[i]->Nummer) != nummern.end())
            r.push_back(l[i]->Name);
    return r;
}

std::vector<std::string> Texte(const TDokument& d, const TZeichenOptionen& o) {
    TProtokollflaeche f;
    DokumentZeichnen(d, f, o);
    std::vector<std::string> r;
    for (const TAufruf& a : f.aufrufe)
        if (a.art == TAufruf::Text) r.push_back(a.text);
    return r;
}

std::string Seitentext(const TBlattSeite& s) {
    std::string t;
    for (const auto* zeilen : {&s.VorBild, &s.NachBild})
        for (const TTextzeile& z : *zeilen)
            t += BlattZeileText(z) + "\n";
    return t;
}

bool Enthaelt(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

TEST(Arbeitsblatt, DerivedAreTheConstructedAndWhatIsBuiltOnThem) {
    TAbiturBlatt t;
    const std::vector<bool> a = AbgeleiteteElemente(t.L);
    std::vector<std::string> abgeleitet;
    for (int i = 1; i <= t.L.Anzahl(); ++i)
        if (a[static_cast<std::size_t>(i - 1)]) abgeleitet.push_back(t.L[i]->Name);
    // SF has no derivation of its own, but ends in the foot F.
    EXPECT_EQ(abgeleitet, (std::vector<std::string>{"l", "F", "SF"}));
}

TEST(Arbeitsblatt, StepsShowTheGivenFirstThenTheDerivedInListOrder) {
    TAbiturBlatt t;
    // A derived point before a given one in the list: still after it.
    t.P("Q", {1, 1, 1});
    EXPECT_EQ(
        Namen(t.L, Schrittfolge(t.L)),
        (std::vector<std::string>{"A", "B", "C", "S", "E", "ABC", "Py", "Q", "l", "F", "SF"}));
    const int n = static_cast<int>(Schrittfolge(t.L).size());
    struct TFall {
        int Schritt;
        std::vector<std::string> Verborgen;
    };
    const TFall faelle[] = {
        {0, {"A", "B", "C", "S", "E", "ABC", "Py", "l", "F", "SF", "Q"}},
        {4, {"E", "ABC", "Py", "l", "F", "SF", "Q"}},
        {8, {"l", "F", "SF"}},
        {n, {}},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(NamenDerNummern(t.L, VerborgenNachSchritt(t.L, f.Schritt)), f.Verborgen)
            << f.Schritt;
    EXPECT_EQ(NamenDerNummern(t.L, VerborgenInAufgabe(t.L)),
              (std::vector<std::string>{"l", "F", "SF"}));
}

TEST(Arbeitsblatt, FilteredDrawingLeavesOutTheDerivedAndChangesNothing) {
    TAbiturBlatt t;
    const std::vector<std::string> alle = Texte(t.D, {});
    ASSERT_TRUE(Enthaelt(alle, "F"));
    ASSERT_TRUE(Enthaelt(alle, "A"));
    TZeichenOptionen aufgabe;
    aufgabe.Verborgen = VerborgenInAufgabe(t.L);
    const std::vector<std::string> gegeben = Texte(t.D, aufgabe);
    EXPECT_FALSE(Enthaelt(gegeben, "F"));
    EXPECT_FALSE(Enthaelt(gegeben, "SF"));
    for (const char* n : {"A", "B", "C", "S", "E"})
        EXPECT_TRUE(Enthaelt(gegeben, n)) << n;
    // Step 0: the axes alone.
    TZeichenOptionen leer;
    leer.Verborgen = VerborgenNachSchritt(t.L, 0);
    for (const char* n : {"A", "S", "E", "F"})
        EXPECT_FALSE(Enthaelt(Texte(t.D, leer), n)) << n;
    // The document: unmodified, no undo step, its own picture whole.
    EXPECT_FALSE(t.D.Geaendert());
    EXPECT_EQ(Texte(t.D, {}), alle);
}

TEST(Arbeitsblatt, TaskPageHasTheGivenDataAndSolutionPageEveryResult) {
    TAbiturBlatt t;
    TArbeitsblattEingabe e;
    e.Titel = "  Abstand Punkt–Ebene ";
    e.Klasse = "Q2 Mathe-LK";
    const TArbeitsblattInhalt b = ArbeitsblattInhalt(t.L, e);
    EXPECT_EQ(b.Titel, "Abstand Punkt–Ebene");
    EXPECT_EQ(b.Klasse, "Q2 Mathe-LK");
    const std::string aufgabe = Seitentext(b.Aufgabe), loesung = Seitentext(b.Loesung);
    for (const char* s : {"A(2|0|0)", "B(0|4|0)", "C(0|0|3)", "S(4|4|5)", "E: 6x₁ + 3x₂ + 4x₃ = 12",
                          "Dreieck ABC mit den Ecken (2|0|0), (0|4|0) und (0|0|3)", "Gesucht:"})
        EXPECT_NE(aufgabe.find(s), std::string::npos) << s << "\n" << aufgabe;
    // No result of a derived element on the task page.
    for (const char* s : {"112/61", "129/61", "√61", "l: x⃗"})
        EXPECT_EQ(aufgabe.find(s), std::string::npos) << s << "\n" << aufgabe;
    for (const char* s : {"F(−20/61 | 112/61 | 129/61)", "l: x⃗ = (4 | 4 | 5) + r · (6 | 3 | 4)",
                          "Länge von SF: 44/61·√61", "Lösungsweg"})
        EXPECT_NE(loesung.find(s), std::string::npos) << s << "\n" << loesung;
    // The given elements are data of the task, not results.
    EXPECT_EQ(loesung.find("S(4|4|5)\n"), std::string::npos) << loesung;
    // The worked solution of the intersection calls its result F, as the
    // document does, never S, which is the apex here.
    EXPECT_NE(loesung.find("Ergebnis: F(−20/61"), std::string::npos) << loesung;
    EXPECT_EQ(loesung.find("Ergebnis: S("), std::string::npos) << loesung;
}

TEST(Arbeitsblatt, WithoutDerivedElementsTheSolutionSaysSo) {
    TBefehlsDokument t;
    t.P("A", {1, 2, 3});
    t.D.Neuaufbau();
    const TArbeitsblattInhalt b = ArbeitsblattInhalt(t.L, {});
    EXPECT_EQ(b.Titel, "Arbeitsblatt");
    EXPECT_EQ(Seitentext(b.Aufgabe).find("Gesucht:"), std::string::npos);
    EXPECT_EQ(Seitentext(b.Loesung), "Das Dokument enthält keine abgeleiteten Elemente.\n");
}

// A plane of a document file whose directions are parallel has no
// coordinate form: the sheet gives its definition, and is made at all.
TEST(Arbeitsblatt, PlaneWithParallelDirectionsIsGivenByItsDefinition) {
    TBefehlsDokument t;
    t.P("A", {1, 2, 3});
    t.EPAR("E", {1, 0, 0}, {1, 2, 3}, {2, 4, 6});
    t.D.Neuaufbau();
    const TArbeitsblattInhalt b = ArbeitsblattInhalt(t.L, {});
    EXPECT_NE(Seitentext(b.Aufgabe).find(FestlegungsText(*t["E"]) + "\n"), std::string::npos)
        << Seitentext(b.Aufgabe);
    EXPECT_NE(ArbeitsblattLatex(t.D, {}).find("\\end{document}"), std::string::npos);
}

TEST(Arbeitsblatt, EmptyDocumentGivesASheetThatSaysSo) {
    TBefehlsDokument t;
    t.D.Neuaufbau();
    const TArbeitsblattInhalt b = ArbeitsblattInhalt(t.L, {});
    EXPECT_EQ(Seitentext(b.Aufgabe), "Gegeben:\nkeine Elemente\n");
    EXPECT_NE(ArbeitsblattLatex(t.D, {}).find("\\end{document}"), std::string::npos);
}

TEST(Arbeitsblatt, FigureWindowHoldsTheWholeDrawingAndLittleElse) {
    TAbiturBlatt t;
    const TLogRechteck ganz = t.D.Abbildung().LogischesFenster();
    const TLogRechteck f = ArbeitsblattFenster(t.D);
    EXPECT_GE(f.links, ganz.links);
    EXPECT_LE(f.rechts, ganz.rechts);
    EXPECT_GE(f.unten, ganz.unten);
    EXPECT_LE(f.oben, ganz.oben);
    EXPECT_LT(static_cast<double>(f.Breite()) * f.Hoehe(),
              0.9 * static_cast<double>(ganz.Breite()) * ganz.Hoehe());
    const tGSzene& s = t.D.Szene();
    for (int nr = 1; nr <= s.Stueckzahl(); ++nr) {
        const TStueck& st = s.Stueck(nr);
        if (!s.Objekt(st.Objekt).Gezeigt) continue;
        EXPECT_GE(st.BildMin.x, f.links) << nr;
        EXPECT_LE(st.BildMax.x, f.rechts) << nr;
        EXPECT_GE(st.BildMin.y, f.unten) << nr;
        EXPECT_LE(st.BildMax.y, f.oben) << nr;
    }
}

struct TEingabefall {
    const char* Name;
    std::string Titel, Klasse, Meldung;
};

class ArbeitsblattEingabe : public ::testing::TestWithParam<TEingabefall> {};

TEST_P(ArbeitsblattEingabe, ChecksTitleAndClass) {
    TArbeitsblattEingabe e;
    e.Titel = GetParam().Titel;
    e.Klasse = GetParam().Klasse;
    EXPECT_EQ(e.Pruefen(), GetParam().Meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ArbeitsblattEingabe,
    ::testing::Values(TEingabefall{"Gut", "Übung 3", "10b", ""},
                      TEingabefall{"OhneKlasse", "Übung", "", ""},
                      TEingabefall{"LeererTitel", "   ", "10b",
                                   "Bitte geben Sie einen Titel für das Arbeitsblatt ein."},
                      // Characters are counted, not bytes.
                      TEingabefall{"TitelAchtzigUmlaute",
                                   [] {
                                       std::string s;
                                       for (int i = 0; i < 80; ++i)
                                           s += "ü";
                                       return s;
                                   }(),
                                   "", ""},
                      TEingabefall{"TitelZuLang", std::string(81, 'x'), "",
                                   "Der Titel darf höchstens 80 Zeichen lang sein."},
                      TEingabefall{"KlasseZuLang", "Übung", std::string(41, 'k'),
                                   "Die Angabe der Klasse darf höchstens 40 Zeichen lang sein."}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Arbeitsblatt, LatexEscapesTheUsersTextAndHasBothPictures) {
    TAbiturBlatt t;
    TArbeitsblattEingabe e;
    e.Titel = "Test {1} & 100% $x_2$ \\end{document}";
    e.Klasse = "10#b ~ ^";
    const std::string tex = ArbeitsblattLatex(t.D, e);
    EXPECT_NE(tex.find("Test \\{1\\} \\& 100\\% \\$x\\_2\\$ \\textbackslash{}end\\{document\\}"),
              std::string::npos);
    EXPECT_NE(tex.find("10\\#b \\textasciitilde{} \\textasciicircum{}"), std::string::npos);
    // One \end{document}: the user's text cannot end the file early.
    EXPECT_EQ(tex.find("\\end{document}"), tex.rfind("\\end{document}"));
    std::size_t bilder = 0;
    for (std::size_t p = tex.find("\\begin{tikzpicture}"); p != std::string::npos;
         p = tex.find("\\begin{tikzpicture}", p + 1))
        ++bilder;
    EXPECT_EQ(bilder, 2u);
    EXPECT_NE(tex.find("\\newpage"), std::string::npos);
}

} // namespace

namespace {

// The dashed line from an image to its original explains the image: it
// appears with the image, not on the task page nor before the image's step.
TEST(Arbeitsblatt, HelperLineOfAReflectionComesWithTheImage) {
    TAbiturBlatt t;
    t.Markieren({"E"});
    ASSERT_TRUE(Spiegelung(t.D));
    t.Markieren({"S"});
    ASSERT_TRUE(Espiegeln(t.D));
    t.Markieren(std::vector<const char*>{});
    const auto hilfslinien = [&](const TZeichenOptionen& o) {
        TProtokollflaeche f;
        DokumentZeichnen(t.D, f, o);
        int n = 0;
        for (const TAufruf& a : f.Nur(TAufruf::Linie))
            n += a.stift.Farbe == Einstellungen().HilfslinienFarbe &&
                 a.stift.Stil != TStiftStil::Durchgezogen;
        return n;
    };
    ASSERT_GT(hilfslinien({}), 0);
    TZeichenOptionen aufgabe;
    aufgabe.Verborgen = VerborgenInAufgabe(t.L);
    EXPECT_EQ(hilfslinien(aufgabe), 0);
    const int schritte = static_cast<int>(Schrittfolge(t.L).size());
    TZeichenOptionen vorDemBild;
    vorDemBild.Verborgen = VerborgenNachSchritt(t.L, schritte - 1);
    EXPECT_EQ(hilfslinien(vorDemBild), 0);
    TZeichenOptionen mitBild;
    mitBild.Verborgen = VerborgenNachSchritt(t.L, schritte);
    EXPECT_GT(hilfslinien(mitBild), 0);
}

} // namespace
