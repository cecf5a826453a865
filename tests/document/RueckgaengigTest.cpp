// Undo and redo of every change, and dragging free points, on whole
// documents: the file written after undo is the file written before the
// change, byte for byte.

#include "BefehleTest.h"
#include "ausgabe/Objektliste.h"
#include "befehle/Befehle.h"
#include "befehle/Messen.h"
#include "eingabe/GeradenEingabe.h"
#include "eingabe/PunktEingabe.h"
#include "storage/Dokumentdatei.h"
#include "zahlen/Zahlen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace kalvorin {
namespace {

std::string Datei(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("kalvorin_rueckgaengig_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

// What "Speichern" would write, without touching the document.
std::string Bytes(const TDokument& d) {
    const std::string datei = Datei("bytes.kvr");
    EXPECT_TRUE(DokumentSchreiben(datei, d.Liste(), d.Koordinatensystem()));
    std::ifstream in(datei, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::filesystem::remove(datei);
    return s.str();
}

// The scene of a school-leaving exam: the pyramid ABCS over the plane ABC,
// the perpendicular from S and its foot F.
class Abiturszene : public test::TBefehlsDokument {
public:
    Abiturszene() {
        P("A", {2, 0, 0});
        P("B", {0, 4, 0});
        P("C", {0, 0, 3});
        P("S", {4, 4, 5});
        E("E", TEbene::EPPP, (*this)["A"], (*this)["B"], (*this)["C"]);
        Dr("D", (*this)["A"], (*this)["B"], (*this)["C"]);
        Py("Py", (*this)["D"], (*this)["S"]);
        D.Neuaufbau();
        Markieren({"S", "E"});
        EXPECT_TRUE(Loteerzeugen(D));
        Markieren({Letztes()->Name.c_str(), "E"});
        EXPECT_TRUE(Schneiden(D));
        F = Letztes()->Name;
        Markieren({});
        // Read from its file: a fresh history, unmodified.
        const std::string datei = Datei("abitur.kvr");
        EXPECT_TRUE(D.Speichern(datei));
        EXPECT_EQ(D.Laden(datei), TLadeergebnis::Gelesen);
        std::filesystem::remove(datei);
        EXPECT_EQ(L.Anzahl(), 9);
    }
    int Slot(const std::string& name) const { return L.PositionVonName(name); }
    TTripel Koord(const std::string& name) const {
        return Als<TfrPunkt>(*(*this)[name]).Koordinaten;
    }
    // The pyramid's volume as "Messen" says it; the marks stay as they were.
    std::string Volumen() {
        TDreiDBasisElement* py = (*this)["Py"];
        const bool war = py->markiert;
        py->markiert = true;
        std::string v = Messergebnis(L, TBefehl::MessVolumen).value_or("");
        py->markiert = war;
        return v;
    }
    // A click on an object-list cell or header, as the window passes it on.
    bool Klick(const char* name, TListenspalte spalte) {
        TObjektlistenZustand z;
        return SichtbarkeitKlicken(D, z, [&](TListe& l) {
            z.ZelleGeklickt(l, ZeileVonSlot(l, l.PositionVonName(name)), spalte, false);
        });
    }
    bool Kopf(TListenspalte spalte) {
        TObjektlistenZustand z;
        return SichtbarkeitKlicken(D, z, [&](TListe& l) { z.KopfGeklickt(l, spalte); });
    }
    std::string F;
};

class Rueckgaengig : public Abiturszene, public ::testing::Test {};

TEST_F(Rueckgaengig, SceneIsBuilt) {
    EXPECT_EQ((*this)[F]->Art, TElementart::DfrPunkt);
    EXPECT_EQ((*this)[F]->Entstehung.Art, TEntstehungsart::Schnitt);
}

struct TSchrittFall {
    const char* Name;
    // The change; false when it did not take place.
    std::function<bool(Abiturszene&)> Aendern;
    const char* Caption;
    // Marks and further elements the change needs, before the file is taken.
    std::function<void(Abiturszene&)> Vorbereiten = [](Abiturszene&) {};
};

std::string FallName(const ::testing::TestParamInfo<TSchrittFall>& info) {
    return info.param.Name;
}

class JederSchritt : public Abiturszene, public ::testing::TestWithParam<TSchrittFall> {};

TEST_P(JederSchritt, UndoAndRedoGiveTheSameBytes) {
    const TSchrittFall& fall = GetParam();
    fall.Vorbereiten(*this);
    const std::string vorher = Bytes(D);
    ASSERT_TRUE(fall.Aendern(*this));
    const std::string nachher = Bytes(D);
    EXPECT_EQ(D.Rueckgaengig().Caption(), fall.Caption);
    ASSERT_TRUE(D.RueckgaengigMachen());
    EXPECT_EQ(Bytes(D), vorher);
    EXPECT_FALSE(D.Geaendert()) << "back at the state last saved";
    EXPECT_EQ(D.Rueckgaengig().WiederholenCaption(),
              "Wiederholen: " +
                  std::string(fall.Caption).substr(std::string("Rückgängig: ").size()));
    ASSERT_TRUE(D.Wiederholen());
    EXPECT_EQ(Bytes(D), nachher);
    EXPECT_EQ(D.Rueckgaengig().Caption(), fall.Caption);
    // And once more, as a fuzzer would.
    ASSERT_TRUE(D.RueckgaengigMachen());
    EXPECT_EQ(Bytes(D), vorher);
    ASSERT_TRUE(D.Wiederholen());
    EXPECT_EQ(Bytes(D), nachher);
}

TPunktEingabe NeuerPunkt(const TListe& l, const char* name, const char* x) {
    TPunktEingabe e = PunktEingabeNeu(l);
    e.Name = name;
    e.Edits = {x, "1", "2"};
    return e;
}

const TSchrittFall Faelle[] = {
    {"PunktDialog",
     [](Abiturszene& s) {
         TPunktEingabe e = NeuerPunkt(s.L, "Q", "3");
         const TPunktPruefung r = PunktAnnehmen(s.D, e);
         return r.Fehler == PunktOk && PunktUebernehmen(s.D, e) != 0;
     },
     "Rückgängig: Punkt Q festlegen"},
    {"PunktDialogMitBereich",
     [](Abiturszene& s) {
         TMeldungsProtokoll p;
         p.Antworten = {TAntwort::Ja};
         TPunktEingabe e = NeuerPunkt(s.L, "Q", "200");
         const TPunktPruefung r = PunktAnnehmen(s.D, e);
         return r.Fehler == PunktOk && e.BereichAnpassen && PunktUebernehmen(s.D, e) != 0;
     },
     "Rückgängig: Punkt Q festlegen"},
    {"PunktAendern",
     [](Abiturszene& s) {
         TPunktEingabe e = PunktEingabeAusElement(s.L, s.Slot("C"));
         e.Edits = {"0", "0", "7"};
         const TPunktPruefung r = PunktAnnehmen(s.D, e);
         return r.Fehler == PunktOk && PunktUebernehmen(s.D, e) != 0;
     },
     "Rückgängig: Punkt C ändern"},
    {"Schnitt", [](Abiturszene& s) { return Schneiden(s.D); }, "Rückgängig: Schnittpunkt P2 bilden",
     [](Abiturszene& s) {
         s.G("g", {0, 0, 0}, {1, 1, 1});
         s.Markieren({"g", "E"});
     }},
    {"Lot", [](Abiturszene& s) { return Loteerzeugen(s.D); }, "Rückgängig: Lot g2 erzeugen",
     [](Abiturszene& s) {
         s.Markieren({"C", "E"});
     }},
    {"Mitte", [](Abiturszene& s) { return Mittebilden(s.D); }, "Rückgängig: Mittelpunkt P2 bilden",
     [](Abiturszene& s) {
         s.Markieren({"A", "B"});
     }},
    {"Punktspiegelung", [](Abiturszene& s) { return Pspiegeln(s.D); },
     "Rückgängig: Punktspiegelung",
     [](Abiturszene& s) {
         s["S"]->SetzeRolle(TRolle::IstSpiegelzentrum, true);
         s.Markieren({"A", "B"});
     }},
    {"SpiegelungFestlegen", [](Abiturszene& s) { return Spiegelung(s.D); },
     "Rückgängig: Spiegelung festlegen", [](Abiturszene& s) { s.Markieren({"S"}); }},
    {"Loeschen", [](Abiturszene& s) { return s.D.MarkierteLoeschen(); }, "Rückgängig: Löschen",
     [](Abiturszene& s) { s.Markieren({"A"}); }},
    {"Streckfaktor", [](Abiturszene& s) { return StreckungFestlegen(s.D, Real(2)); },
     "Rückgängig: Streckung festlegen", [](Abiturszene& s) { s.Markieren({"S"}); }},
    {"Koordinatensystem",
     [](Abiturszene& s) {
         s.D.KoordinatensystemAendern([](TKoordinatensystem& ks) { ks.Achsen[2].Oben = 9; }, true);
         return true;
     },
     "Rückgängig: Koordinatensystem ändern"},
    {"Zoom", [](Abiturszene& s) { return s.D.Zoomen(ZoomVergroessern); },
     "Rückgängig: Darstellungsbereich vergrößern"},
    {"Ausblenden", [](Abiturszene& s) { return s.Klick("E", TListenspalte::Sichtbar); },
     "Rückgängig: E ausblenden"},
    {"Beschriftung", [](Abiturszene& s) { return s.Klick("A", TListenspalte::Beschriftung); },
     "Rückgängig: Beschriftung von A ausblenden"},
    {"AlleAusblenden", [](Abiturszene& s) { return s.Kopf(TListenspalte::Sichtbar); },
     "Rückgängig: Objekte ausblenden"},
    {"AlleBeschriftungen", [](Abiturszene& s) { return s.Kopf(TListenspalte::Beschriftung); },
     "Rückgängig: Beschriftungen ausblenden"},
    {"GeradeAendern",
     [](Abiturszene& s) {
         TGeradenEingabe e = GeradeEingabeAusElement(s.L, s.Slot("g"));
         e.ParRichtung[2] = "5";
         e.ParameterformGeaendert(true);
         return GeradePruefen(s.L, e).Ergebnis == TPruefergebnis::Gueltig &&
                GeradeUebernehmen(s.D, e) != 0;
     },
     "Rückgängig: Gerade g ändern",
     [](Abiturszene& s) {
         s.G("g", {0, 0, 0}, {1, 1, 1});
     }},
    {"Einfuegen",
     [](Abiturszene& s) {
         TDokument quelle;
         test::Liste(quelle).Neu<TfrPunkt>()->Name = "Z";
         const std::string datei = Datei("einfuegen.kvr");
         if (!quelle.Speichern(datei)) return false;
         const bool ok = s.D.Einfuegen(datei);
         std::filesystem::remove(datei);
         return ok;
     },
     "Rückgängig: Einfügen"},
    {"Ziehen",
     [](Abiturszene& s) {
         return s.D.PunktVerschieben(s.Slot("A"), {3, 1, 0});
     },
     "Rückgängig: Punkt A verschieben"},
};

INSTANTIATE_TEST_SUITE_P(Alle, JederSchritt, ::testing::ValuesIn(Faelle), FallName);

TEST_F(Rueckgaengig, HundredOfHundredFiftyStepsStayUndoable) {
    const int a = Slot("A");
    for (int i = 1; i <= 150; ++i)
        ASSERT_TRUE(D.PunktVerschieben(a, {Real(i), 0, 0}));
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(D.RueckgaengigMachen()) << i;
    EXPECT_FALSE(D.RueckgaengigMachen());
    EXPECT_EQ(Koord("A").x, 50);
    EXPECT_TRUE(D.Geaendert()) << "the saved state is gone from the history";
    EXPECT_EQ(D.Rueckgaengig().WiederholSchritte(), 100u);
}

TEST_F(Rueckgaengig, UndoToTheSavedStateClearsTheModifiedFlag) {
    const int a = Slot("A");
    D.PunktVerschieben(a, {1, 0, 0});
    const std::string datei = Datei("gespeichert.kvr");
    ASSERT_TRUE(D.Speichern(datei));
    EXPECT_FALSE(D.Geaendert());
    D.PunktVerschieben(a, {2, 0, 0});
    EXPECT_TRUE(D.Geaendert());
    D.RueckgaengigMachen();
    EXPECT_FALSE(D.Geaendert());
    D.RueckgaengigMachen();
    EXPECT_TRUE(D.Geaendert()) << "before the saved state differs from the file";
    D.Wiederholen();
    EXPECT_FALSE(D.Geaendert());
    // A zoom is no modification, undone or redone.
    D.Zoomen(ZoomVerkleinern);
    EXPECT_FALSE(D.Geaendert());
    D.RueckgaengigMachen();
    EXPECT_FALSE(D.Geaendert());
    std::filesystem::remove(datei);
}

TEST_F(Rueckgaengig, ANewChangeDropsTheRedoStepsAndMarkingIsNoStep) {
    D.PunktVerschieben(Slot("A"), {1, 0, 0});
    D.PunktVerschieben(Slot("B"), {1, 4, 0});
    D.RueckgaengigMachen();
    EXPECT_EQ(D.Rueckgaengig().WiederholenCaption(), "Wiederholen: Punkt B verschieben");
    D.Markieren([](TListe& l) { l[1]->markiert = true; });
    EXPECT_TRUE(D.Rueckgaengig().WiederholenMoeglich()) << "marks are no change";
    EXPECT_EQ(D.Rueckgaengig().Schritte(), 1u);
    D.PunktVerschieben(Slot("C"), {0, 0, 1});
    EXPECT_FALSE(D.Rueckgaengig().WiederholenMoeglich());
    EXPECT_EQ(D.Rueckgaengig().WiederholenCaption(), "Wiederholen");
    EXPECT_FALSE(D.Wiederholen());
    // Opening a file starts a new history.
    const std::string datei = Datei("neu.kvr");
    ASSERT_TRUE(D.Speichern(datei));
    D.Laden(datei);
    EXPECT_FALSE(D.Rueckgaengig().Moeglich());
    EXPECT_EQ(D.Rueckgaengig().Caption(), "Rückgängig");
    std::filesystem::remove(datei);
}

TEST_F(Rueckgaengig, DraggingAMovesTheFootAndTheVolumeOnEveryStepAndEscRestores) {
    const std::string vorher = Bytes(D);
    const TTripel fuss = Koord(F);
    const std::string volumen = Volumen();
    ASSERT_TRUE(D.ZiehenBeginnen(Slot("A")));
    TTripel letzterFuss = fuss;
    std::string letztesVolumen = volumen;
    for (int i = 1; i <= 6; ++i) {
        D.ZiehenNach({2 + 0.5L * i, 0.25L * i, 0});
        EXPECT_FALSE(Koord(F) == letzterFuss) << i;
        EXPECT_NE(Volumen(), letztesVolumen) << i;
        EXPECT_FALSE(D.Geaendert()) << "modified once, at the end";
        letzterFuss = Koord(F);
        letztesVolumen = Volumen();
    }
    D.ZiehenAbbrechen();
    EXPECT_TRUE(Koord(F) == fuss);
    EXPECT_EQ(Volumen(), volumen);
    EXPECT_EQ(Bytes(D), vorher);
    EXPECT_FALSE(D.Rueckgaengig().Moeglich());
    EXPECT_FALSE(D.Geaendert());

    // Dragged to the end: one step, modified once.
    int gemeldet = 0;
    D.Beobachten([&] { gemeldet += D.Geaendert() ? 1 : 0; });
    ASSERT_TRUE(D.ZiehenBeginnen(Slot("A")));
    for (int i = 1; i <= 5; ++i)
        D.ZiehenNach({2, Real(i), 0});
    EXPECT_EQ(gemeldet, 0);
    D.ZiehenBeenden();
    EXPECT_TRUE(D.Geaendert());
    EXPECT_EQ(D.Rueckgaengig().Schritte(), 1u);
    D.RueckgaengigMachen();
    EXPECT_EQ(Bytes(D), vorher);
}

TEST_F(Rueckgaengig, ADerivedPointIsNotDragged) {
    const std::string vorher = Bytes(D);
    EXPECT_EQ(D.ZiehenVerweigert(Slot(F)),
              F + " ist aus E und g1 entstanden und kann nicht gezogen werden");
    EXPECT_FALSE(D.ZiehenBeginnen(Slot(F)));
    EXPECT_FALSE(D.PunktVerschieben(Slot(F), {1, 1, 1}));
    EXPECT_EQ(D.ZiehenVerweigert(Slot("E")), "E ist kein Punkt und kann nicht gezogen werden");
    (*this)["A"]->fest = true;
    EXPECT_EQ(D.ZiehenVerweigert(Slot("A")), "A ist fest und kann nicht gezogen werden");
    (*this)["A"]->fest = false;
    EXPECT_EQ(D.ZiehenVerweigert(Slot("B")), "");
    EXPECT_EQ(Bytes(D), vorher);
    EXPECT_FALSE(D.Rueckgaengig().Moeglich());
}

TEST_F(Rueckgaengig, TheDragFollowsTheMouseUnderTheProjection) {
    const TWeltAbbildung& w = D.Abbildung();
    const auto bild = [&](TTripel p) {
        return w.WeltZuLogisch(Projizieren(Abbilden(D.Szene().Matrix(), p)));
    };
    struct {
        TTripel Ziel;
        bool Senkrecht;
    } const faelle[] = {
        {{3, 1, 0}, false}, {{-1.5L, 2.5L, 0}, false}, {{2, 0, 2.5L}, true}, {{2, 0, -1}, true}};
    for (const auto& f : faelle) {
        const TTripel start{2, 0, 0};
        const TTripel ziel = ZiehZiel(D, start, bild(start), bild(f.Ziel), f.Senkrecht, true);
        EXPECT_TRUE(ziel == f.Ziel)
            << static_cast<double>(ziel.x) << " " << static_cast<double>(ziel.y) << " "
            << static_cast<double>(ziel.z);
        // Without snapping the picture follows the mouse within a logical unit.
        const TTripel frei = ZiehZiel(D, start, bild(start), bild(f.Ziel), f.Senkrecht, false);
        EXPECT_TRUE(test::Nah(frei, f.Ziel, 0.01L));
    }
}

} // namespace
} // namespace kalvorin
