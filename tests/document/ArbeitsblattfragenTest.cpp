// What the worksheet asks: the wording of every measurement case, the
// measurements the marks offer, the choice stored in the document (one undo
// step, kept by save and load, its elements followed through renumbering),
// and the sheet that asks exactly the chosen questions and answers them.

#include "Abiturszene.h"
#include "ausgabe/Arbeitsblatt.h"
#include "ausgabe/ArbeitsblattAuswahl.h"
#include "storage/TestOrdner.h"
#include "storage/Wiederherstellungsablage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

// Every kind the measurements know: points, vectors, two lines, two planes,
// a segment, a triangle and a pyramid. The point D comes after the plane E
// in the list; the wording still names the point first.
struct TMessszene : TBefehlsDokument {
    TMessszene() {
        P("A", {2, 0, 0});
        P("B", {0, 4, 0});
        P("C", {0, 0, 3});
        E("E", TEbene::EPPP, (*this)["A"], (*this)["B"], (*this)["C"]);
        P("D", {1, 1, 4});
        V("u", {1, 0, 0});
        V("v", {0, 1, 0});
        V("w", {0, 0, 1});
        G("g", {0, 0, 0}, {1, 1, 0});
        G("h", {0, 0, 1}, {1, -1, 0});
        P("X", {1, 0, 0});
        P("Y", {0, 1, 0});
        P("Z", {0, 0, 1});
        E("F2", TEbene::EPPP, (*this)["X"], (*this)["Y"], (*this)["Z"]);
        S("s", (*this)["A"], (*this)["B"]);
        Dr("T", (*this)["A"], (*this)["B"], (*this)["C"]);
        Py("Py", (*this)["T"], (*this)["D"]);
        D.Neuaufbau();
    }

    std::string Frage(std::vector<const char*> marken, TFragenart art) {
        Markieren(marken);
        for (const TArbeitsblattfrage& f : Messfragen(L))
            if (f.Art == art) return Aufgabentext(L, f);
        return "(not offered)";
    }
};

struct TWortfall {
    std::vector<const char*> Marken;
    TFragenart Art;
    const char* Satz;
};

TEST(Arbeitsblattfragen, EveryMeasurementCaseHasTheWordingOfATask) {
    using F = TFragenart;
    const TWortfall faelle[] = {
        {{"u", "v"}, F::Winkel, "Berechnen Sie den Winkel zwischen den Vektoren u und v."},
        {{"g", "h"}, F::Winkel, "Berechnen Sie den Winkel zwischen den Geraden g und h."},
        {{"E", "g"}, F::Winkel, "Berechnen Sie den Winkel zwischen der Geraden g und der Ebene E."},
        {{"E", "F2"}, F::Winkel, "Berechnen Sie den Winkel zwischen den Ebenen E und F2."},
        {{"A", "B"}, F::Laenge, "Berechnen Sie den Abstand der Punkte A und B."},
        {{"D", "g"}, F::Laenge, "Berechnen Sie den Abstand des Punktes D von der Geraden g."},
        {{"E", "D"}, F::Laenge, "Berechnen Sie den Abstand des Punktes D von der Ebene E."},
        {{"g", "h"}, F::Laenge, "Berechnen Sie den Abstand der Geraden g und h."},
        {{"u"}, F::Laenge, "Berechnen Sie den Betrag des Vektors u."},
        {{"s"}, F::Laenge, "Berechnen Sie die Länge der Strecke s."},
        {{"A", "B", "C"}, F::Flaeche, "Berechnen Sie den Flächeninhalt des Dreiecks ABC."},
        {{"T"}, F::Flaeche, "Berechnen Sie den Flächeninhalt des Dreiecks T."},
        {{"u", "v"},
         F::Flaeche,
         "Berechnen Sie den Flächeninhalt des von den Vektoren u und v aufgespannten "
         "Parallelogramms."},
        {{"A", "B", "C", "D"}, F::Volumen, "Berechnen Sie das Volumen der Pyramide ABCD."},
        {{"D", "T"},
         F::Volumen,
         "Berechnen Sie das Volumen der Pyramide mit der Spitze D und der Grundfläche T."},
        {{"Py"}, F::Volumen, "Berechnen Sie das Volumen der Pyramide Py."},
        {{"u", "v", "w"},
         F::Volumen,
         "Berechnen Sie das Volumen der von den Vektoren u, v und w aufgespannten Pyramide."},
        {{"g", "h"}, F::Lage, "Untersuchen Sie die gegenseitige Lage der Geraden g und h."},
    };
    TMessszene t;
    for (const TWortfall& f : faelle)
        EXPECT_EQ(t.Frage(f.Marken, f.Art), f.Satz) << f.Marken[0];
}

TEST(Arbeitsblattfragen, MarksOfferWhatTheMeasurementMenuOffers) {
    using F = TFragenart;
    struct TFall {
        std::vector<const char*> Marken;
        std::vector<F> Arten;
    };
    const TFall faelle[] = {
        {{"g", "h"}, {F::Winkel, F::Laenge, F::Lage}},
        {{"u", "v"}, {F::Winkel, F::Flaeche}},
        {{"D", "E"}, {F::Laenge}},
        {{"A"}, {}},
        // A plane alone: how it lies to the axes.
        {{"E"}, {F::Laenge}},
        {{"A", "g", "E"}, {}},
    };
    TMessszene t;
    for (const TFall& f : faelle) {
        t.Markieren(f.Marken);
        std::vector<F> arten;
        for (const TArbeitsblattfrage& q : Messfragen(t.L))
            arten.push_back(q.Art);
        EXPECT_EQ(arten, f.Arten) << f.Marken[0] << " " << f.Marken.size();
    }
}

TEST(Arbeitsblattfragen, QuestionsThatNoLongerFitAreLeftOut) {
    TMessszene t;
    const int d = t["D"]->Nummer, e = t["E"]->Nummer, g = t["g"]->Nummer;
    const TArbeitsblattfragen fragen = {
        {TFragenart::Laenge, {d, e}, {}},  // fits
        {TFragenart::Volumen, {d, e}, {}}, // a point and a plane have no volume
        {TFragenart::Laenge, {d, 999}, {}}, {TFragenart::Laenge, {d, d}, {}},
        {TFragenart::Element, {g}, {}}, // g is given, not derived
        {TFragenart::Text, {}, "   "},      {TFragenart::Text, {}, " Zeichnen Sie E. "},
    };
    const TArbeitsblattfragen passend = PassendeFragen(t.L, fragen);
    ASSERT_EQ(passend.size(), 2u);
    EXPECT_EQ(passend[0], fragen[0]);
    EXPECT_EQ(Aufgabentext(t.L, passend[1]), "Zeichnen Sie E.");
}

std::string Seitentext(const TBlattSeite& s) {
    std::string t;
    for (const auto* zeilen : {&s.VorBild, &s.NachBild})
        for (const TTextzeile& z : *zeilen)
            t += BlattZeileText(z) + "\n";
    return t;
}

std::vector<std::string> Ueberschriften(const std::vector<TTextzeile>& zeilen) {
    std::vector<std::string> r;
    for (const TTextzeile& z : zeilen)
        if (z.Art == TTextzeilenart::Ueberschrift) r.push_back(BlattZeileText(z));
    return r;
}

// The Abitur exercise asking for the foot F and the distance of S from E,
// and one line of the teacher's.
TArbeitsblattfragen ZweiFragen(const TAbiturBlatt& t) {
    return {{TFragenart::Element, {t["F"]->Nummer}, {}},
            {TFragenart::Laenge, {t["S"]->Nummer, t["E"]->Nummer}, {}},
            {TFragenart::Text, {}, "Zeichnen Sie das Lot in die Figur ein."}};
}

TEST(Arbeitsblattfragen, SheetAsksExactlyTheChosenQuestionsAndAnswersThem) {
    TAbiturBlatt t;
    const std::string f = GesuchtText(*t["F"]);
    const std::string abstand = "Berechnen Sie den Abstand des Punktes S von der Ebene E.";
    ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(ZweiFragen(t)));
    const TArbeitsblattInhalt b = ArbeitsblattInhalt(t.D, {});
    const std::vector<TTextzeile>& aufgabe = b.Aufgabe.VorBild;
    const auto gesucht = std::find_if(aufgabe.begin(), aufgabe.end(), [](const TTextzeile& z) {
        return BlattZeileText(z) == "Gesucht:";
    });
    ASSERT_NE(gesucht, aufgabe.end());
    std::vector<std::string> gefragt;
    for (auto z = gesucht + 1; z != aufgabe.end(); ++z)
        gefragt.push_back(BlattZeileText(*z));
    EXPECT_EQ(gefragt,
              (std::vector<std::string>{f, abstand, "Zeichnen Sie das Lot in die Figur ein."}));
    // The answers: the two questions, nothing about the line l or SF.
    EXPECT_EQ(Ueberschriften(b.Loesung.NachBild), (std::vector<std::string>{f, abstand}));
    const std::string loesung = Seitentext(b.Loesung);
    for (const char* s : {"F(−20/61 | 112/61 | 129/61)", "Abstand (S , E) = ", "Lösungsweg: Länge",
                          "Hessesche Normalform der Ebene E:"})
        EXPECT_NE(loesung.find(s), std::string::npos) << s << "\n" << loesung;
    EXPECT_EQ(loesung.find("Länge von SF"), std::string::npos) << loesung;
}

TEST(Arbeitsblattfragen, PositionAndAngleOfTwoLinesAreAnsweredWithTheirWorkedSolutions) {
    TMessszene t;
    const int g = t["g"]->Nummer, h = t["h"]->Nummer;
    ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(
        TArbeitsblattfragen{{TFragenart::Lage, {g, h}, {}}, {TFragenart::Winkel, {h, g}, {}}}));
    const TArbeitsblattInhalt b = ArbeitsblattInhalt(t.D, {});
    EXPECT_EQ(
        Ueberschriften(b.Loesung.NachBild),
        (std::vector<std::string>{"Untersuchen Sie die gegenseitige Lage der Geraden g und h.",
                                  "Berechnen Sie den Winkel zwischen den Geraden g und h."}));
    const std::string loesung = Seitentext(b.Loesung);
    for (const char* s : {"Lösungsweg: Schnitt der Geraden g und h", "sind windschief",
                          "Winkel (g , h) = 90", "Lösungsweg: Winkel"})
        EXPECT_NE(loesung.find(s), std::string::npos) << s << "\n" << loesung;
}

TEST(Arbeitsblattfragen, WithoutAChoiceTheSheetIsTheSameAsEver) {
    TAbiturBlatt t;
    ASSERT_FALSE(t.D.Arbeitsblattfragen());
    TArbeitsblattEingabe e;
    e.Titel = "Lot";
    const TArbeitsblattInhalt alt = ArbeitsblattInhalt(t.L, e), neu = ArbeitsblattInhalt(t.D, e);
    EXPECT_EQ(Seitentext(neu.Aufgabe), Seitentext(alt.Aufgabe));
    EXPECT_EQ(Seitentext(neu.Loesung), Seitentext(alt.Loesung));
    // The choice of every derived element is the same sheet too.
    ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(StandardFragen(t.L)));
    EXPECT_EQ(Seitentext(ArbeitsblattInhalt(t.D, e).Loesung), Seitentext(alt.Loesung));
}

TEST(Arbeitsblattfragen, FreeLineIsPrintedAsTyped) {
    TAbiturBlatt t;
    ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(
        TArbeitsblattfragen{{TFragenart::Text, {}, "\\input{x} & 100% $a_1$ ~ # ^"}}));
    const std::string tex = ArbeitsblattLatex(t.D, {});
    EXPECT_NE(tex.find("\\textbackslash{}input\\{x\\} \\& 100\\% \\$a\\_1\\$ "
                       "\\textasciitilde{} \\# \\textasciicircum{}"),
              std::string::npos);
    EXPECT_EQ(tex.find("\\input{x}"), std::string::npos);
    // Only task text: the solution says that nothing is to be computed.
    EXPECT_EQ(Seitentext(ArbeitsblattInhalt(t.D, {}).Loesung),
              "Es ist keine Aufgabe zum Berechnen ausgewählt.\n");
}

TEST(Arbeitsblattfragen, ChoiceIsOneUndoStep) {
    TAbiturBlatt t;
    TTestOrdner ordner;
    ASSERT_TRUE(t.D.Speichern(ordner / "abitur.kvr"));
    const std::size_t schritte = t.D.Rueckgaengig().Schritte();
    ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(ZweiFragen(t)));
    EXPECT_TRUE(t.D.Geaendert());
    EXPECT_EQ(t.D.Rueckgaengig().Schritte(), schritte + 1);
    EXPECT_EQ(t.D.Rueckgaengig().Caption(), "Rückgängig: Arbeitsblatt festlegen");
    // The same choice again changes nothing.
    EXPECT_FALSE(t.D.ArbeitsblattfragenSetzen(ZweiFragen(t)));
    EXPECT_EQ(t.D.Rueckgaengig().Schritte(), schritte + 1);
    ASSERT_TRUE(t.D.RueckgaengigMachen());
    EXPECT_FALSE(t.D.Arbeitsblattfragen());
    EXPECT_FALSE(t.D.Geaendert());
    ASSERT_TRUE(t.D.Wiederholen());
    ASSERT_TRUE(t.D.Arbeitsblattfragen());
    EXPECT_EQ(PassendeFragen(t.L, *t.D.Arbeitsblattfragen()).size(), 3u);
}

TEST(Arbeitsblattfragen, QuestionFollowsItsElementsWhenUndoNumbersThemAnew) {
    TAbiturBlatt t;
    t.P("X", {1, 1, 1});
    t.P("Y", {1, 2, 1});
    t.D.Neuaufbau();
    // X goes: Y keeps its serial number, which is no longer its slot.
    ASSERT_TRUE(t.D.Aendern([](TListe& l) {
        l.Loeschen(l.PositionVonName("X"));
        return true;
    }));
    const TArbeitsblattfrage frage{TFragenart::Laenge, {t["Y"]->Nummer, t["E"]->Nummer}, {}};
    ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(TArbeitsblattfragen{frage}));
    // Undo and redo copy the list, which numbers its elements by slot.
    ASSERT_TRUE(t.D.RueckgaengigMachen());
    ASSERT_TRUE(t.D.Wiederholen());
    ASSERT_TRUE(t.D.Arbeitsblattfragen());
    ASSERT_EQ(t.D.Arbeitsblattfragen()->size(), 1u);
    EXPECT_EQ(Aufgabentext(t.L, t.D.Arbeitsblattfragen()->front()),
              "Berechnen Sie den Abstand des Punktes Y von der Ebene E.");
}

std::string Lesen(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Arbeitsblattfragen, ChoiceIsSavedAndLoadedByteForByte) {
    TTestOrdner ordner;
    const std::string eins = ordner / "eins.kvr", zwei = ordner / "zwei.kvr";
    {
        TAbiturBlatt t;
        ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(ZweiFragen(t)));
        ASSERT_TRUE(t.D.Speichern(eins));
    }
    const std::string bytes = Lesen(eins);
    EXPECT_NE(bytes.find("[Arbeitsblattfragen]\r\nAnzahl=3\r\nFrage1=Element|"), std::string::npos)
        << bytes;
    TBefehlsDokument t;
    ASSERT_EQ(t.D.Laden(eins), TLadeergebnis::Gelesen);
    ASSERT_TRUE(t.D.Arbeitsblattfragen());
    EXPECT_EQ(
        Ueberschriften(ArbeitsblattInhalt(t.D, {}).Loesung.NachBild),
        (std::vector<std::string>{GesuchtText(*t["F"]),
                                  "Berechnen Sie den Abstand des Punktes S von der Ebene E."}));
    ASSERT_TRUE(t.D.Speichern(zwei));
    EXPECT_EQ(Lesen(zwei), bytes);
}

TEST(Arbeitsblattfragen, RecoveryCopyKeepsTheChoice) {
    TTestOrdner ordner;
    TWiederherstellungsablage ablage(ordner / "kopien");
    ASSERT_TRUE(ablage.Bereit());
    const int platz = ablage.NeuerPlatz();
    {
        TAbiturBlatt t;
        ASSERT_TRUE(t.D.ArbeitsblattfragenSetzen(ZweiFragen(t)));
        ASSERT_EQ(ablage.Schreiben(platz, t.L, t.D.Koordinatensystem(), {},
                                   AlsBlattfragen(t.D.Arbeitsblattfragen())),
                  "");
    }
    TBefehlsDokument t;
    ASSERT_EQ(t.D.Wiederherstellen(ablage.KopieDatei(platz), "", false), TLadeergebnis::Gelesen);
    ASSERT_TRUE(t.D.Arbeitsblattfragen());
    EXPECT_EQ(PassendeFragen(t.L, *t.D.Arbeitsblattfragen()).size(), 3u);
}

TEST(Arbeitsblattfragen, DialogStartsWithTheDerivedElementsAndStoresOnlyAChange) {
    TAbiturBlatt t;
    TArbeitsblattAuswahl a = AuswahlVon(t.D);
    std::vector<std::string> texte;
    for (const TFragenzeile& z : a.Zeilen) {
        texte.push_back(z.Text);
        EXPECT_TRUE(z.Gewaehlt) << z.Text;
    }
    EXPECT_EQ(texte, (std::vector<std::string>{GesuchtText(*t["l"]), GesuchtText(*t["F"]),
                                               GesuchtText(*t["SF"])}));
    // As it started: the document keeps no choice and stays unmodified.
    EXPECT_FALSE(AuswahlUebernehmen(t.D, a));
    EXPECT_FALSE(t.D.Geaendert());
    EXPECT_FALSE(t.D.Arbeitsblattfragen());
    // Without marks there is no measurement to add; with S and E there is one.
    EXPECT_EQ(MessungenHinzufuegen(a, t.L), 0);
    t.Markieren({"S", "E"});
    EXPECT_EQ(MessungenHinzufuegen(a, t.L), 1);
    EXPECT_EQ(MessungenHinzufuegen(a, t.L), 0);
    a.Zeilen[0].Gewaehlt = false;
    a.FreieZeilen = "  Zeichnen Sie F ein.\n\n";
    EXPECT_TRUE(AuswahlUebernehmen(t.D, a));
    ASSERT_TRUE(t.D.Arbeitsblattfragen());
    std::vector<std::string> gefragt;
    for (const TArbeitsblattfrage& f : *t.D.Arbeitsblattfragen())
        gefragt.push_back(Aufgabentext(t.L, f));
    EXPECT_EQ(gefragt,
              (std::vector<std::string>{GesuchtText(*t["F"]), GesuchtText(*t["SF"]),
                                        "Berechnen Sie den Abstand des Punktes S von der Ebene E.",
                                        "Zeichnen Sie F ein."}));
    // The dialog opens again with that choice; l is offered, unchosen.
    const TArbeitsblattAuswahl wieder = AuswahlVon(t.D);
    ASSERT_EQ(wieder.Zeilen.size(), 4u);
    EXPECT_EQ(wieder.Zeilen[3].Text, GesuchtText(*t["l"]));
    EXPECT_FALSE(wieder.Zeilen[3].Gewaehlt);
    EXPECT_EQ(wieder.FreieZeilen, "Zeichnen Sie F ein.");
}

TEST(Arbeitsblattfragen, FreeLinesMustFitTheFile) {
    struct TFall {
        std::string Zeilen, Meldung;
    };
    const TFall faelle[] = {
        {"Zeichnen Sie die Ebene ein.\nÜberlegen Sie: Wo liegt F?", ""},
        {"Zeigen Sie: x₁ = 0", "Die Zeile „Zeigen Sie: x₁ = 0“ enthält Zeichen, die in der "
                               "Datei nicht gespeichert werden können."},
        {std::string(201, 'a'), "Eine Zeile der Aufgabe darf höchstens 200 Zeichen lang sein."},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(FreieZeilenPruefen(f.Zeilen), f.Meldung) << f.Zeilen;
}

TEST(Arbeitsblattfragen, SolutionFigureIsAtLeast8cmWideUpToAPagesHeight) {
    struct TFall {
        TLogRechteck Fenster;
        TAusgabeMass Bild;
    };
    const TFall faelle[] = {
        {{0, 0, 2000, 1000}, {12000, 6000}}, // wide: the usual size
        {{0, 0, 1000, 1000}, {8000, 8000}},  // square: taller than usual, to be 8 cm wide
        {{0, 0, 1000, 2000}, {8000, 16000}},
        {{0, 0, 1000, 4000}, {6000, 24000}}, // no page is taller
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(ArbeitsblattLoesungsbild(f.Fenster), f.Bild) << f.Fenster.Hoehe();
}

} // namespace
