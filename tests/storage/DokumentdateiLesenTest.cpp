// Reading documents: loading, inserting, and what happens to files that
// were not written by the program.

#include "storage/Dokumentdatei.h"

#include "model/Meldungen.h"
#include "storage/Cp1252.h"

#include "Dateitext.h"
#include "EinstellungenSichern.h"
#include "TestOrdner.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalvorin;

namespace {

using test::Datei;

std::string Punkt(const std::string& sektion, const std::string& koord = "0|0|0") {
    return "[" + sektion + "]\nElementart=0|DfrPunkt\nKoord=" + koord;
}

class Lesen : public ::testing::Test {
protected:
    bool Laden(const std::string& text) {
        test::DateiSchreiben(ordner_ / "d.kvr", text);
        return DokumentLesen(ordner_ / "d.kvr", liste_, ks_, rollen_, false);
    }
    bool Einfuegen(const std::string& text) {
        test::DateiSchreiben(ordner_ / "e.kvr", text);
        return DokumentLesen(ordner_ / "e.kvr", liste_, ks_, rollen_, true);
    }
    std::vector<std::string> Namen() const {
        std::vector<std::string> n;
        for (int i = 1; i <= liste_.Anzahl(); ++i)
            n.push_back(liste_[i]->Name);
        return n;
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : protokoll_.Eintraege)
            t.push_back(e.Text);
        return t;
    }
    TDreiDBasisElement& E(const std::string& name) const {
        TDreiDBasisElement* e = liste_.ElementMitName(name);
        if (!e) throw std::runtime_error("kein Element " + name);
        return *e;
    }
    TTripel Koord(const std::string& name) const { return Als<TfrPunkt>(E(name)).Koordinaten; }
    // The names that the message about what could not be read lists, in
    // its order (its line "und N weitere" too); none without a message.
    std::vector<std::string> Nicht(std::size_t meldung = 0) const {
        if (protokoll_.Eintraege.size() <= meldung) return {};
        const std::string& t = protokoll_.Eintraege[meldung].Text;
        const std::string kopf = "stehen:\r\n\r\n";
        std::size_t a = t.find(kopf);
        if (a == std::string::npos) return {"(keine Liste)"};
        a += kopf.size();
        const std::size_t ende = std::min(t.find("\r\n\r\n", a), t.size());
        std::vector<std::string> namen;
        while (a < ende) {
            const std::size_t z = std::min(t.find("\r\n", a), ende);
            const std::string zeile = t.substr(a, z - a);
            namen.push_back(zeile.substr(0, zeile.find(": ")));
            a = z + 2;
        }
        return namen;
    }
    std::vector<std::string> NichtSortiert() const {
        std::vector<std::string> n = Nicht();
        std::sort(n.begin(), n.end());
        return n;
    }

    test::TEinstellungenSichern sichern_;
    test::TTestOrdner ordner_;
    TMeldungsProtokoll protokoll_;
    TListe liste_;
    TKoordinatensystem ks_;
    TRollenMenge rollen_ = 0;
};

using Names = std::vector<std::string>;

TEST_F(Lesen, AFileWithoutCoordinateSectionsGetsTheDefaults) {
    ks_.Achsen[1] = {-5, 3, false};
    ks_.AchsenFarbe = RGB(1, 2, 3);
    ks_.Skalierung = 0;
    ks_.Achsenbeschriftung = false;
    ks_.GleicheGrenzen = false;
    ks_.Ebenen[2] = {0, 0, 0, 0, 4, RGB(0, 0, 0), true};
    ASSERT_TRUE(Laden(Datei({Punkt("A", "1|2|3")})));
    for (const TAchsenDaten& a : ks_.Achsen) {
        EXPECT_EQ(a.Unten, -1);
        EXPECT_EQ(a.Oben, 7);
        EXPECT_TRUE(a.Zeichnen);
    }
    EXPECT_EQ(ks_.AchsenFarbe, RGB(255, 0, 0));
    EXPECT_EQ(ks_.Skalierung, 4);
    EXPECT_TRUE(ks_.Achsenbeschriftung);
    EXPECT_TRUE(ks_.GleicheGrenzen);
    for (const TKoordEbenenDaten& e : ks_.Ebenen) {
        EXPECT_EQ(e.Transparenz, 1);
        EXPECT_EQ(e.Farbe, RGB(255, 128, 128));
        EXPECT_FALSE(e.Zeichnen);
        EXPECT_EQ(e.Unten1, -1);
        EXPECT_EQ(e.Oben2, 7);
    }
    EXPECT_EQ(ks_.H, 7);
    EXPECT_EQ(Namen(), Names{"A"});
    EXPECT_TRUE(protokoll_.Eintraege.empty());
}

TEST_F(Lesen, CoordinateValuesTheViewCannotUseKeepTheirDefaults) {
    ASSERT_TRUE(Laden(Datei({"[Koord-Achsen]\nX=7|-1\nY=1e99999|2\nZ=-3,5|20000\nSkalierung=9\n"
                             "Farbe=rot",
                             "[Koord-Ebenen]\nXYFarbe=1|2\nYZFarbe=0|0|255"})));
    for (const TAchsenDaten& a : ks_.Achsen) {
        EXPECT_EQ(a.Unten, -1);
        EXPECT_EQ(a.Oben, 7);
    }
    EXPECT_EQ(ks_.Skalierung, 4);
    EXPECT_EQ(ks_.AchsenFarbe, RGB(255, 0, 0));
    EXPECT_EQ(ks_.Ebenen[0].Farbe, RGB(255, 128, 128));
    EXPECT_EQ(ks_.Ebenen[1].Farbe, RGB(0, 0, 255));
    EXPECT_EQ(ks_.H, 7);
}

TEST_F(Lesen, ZoomedAxesAreKept) {
    ASSERT_TRUE(Laden(Datei({"[Koord-Achsen]\nX=-0,84|5,88\nY=-297,25|297,25\nZ=0,5|3"})));
    EXPECT_EQ(ks_.Achsen[0].Unten, -0.84L);
    EXPECT_EQ(ks_.Achsen[1].Oben, 297.25L);
    EXPECT_EQ(ks_.Achsen[2].Unten, 0.5L);
    EXPECT_EQ(ks_.H, 297.25L);
}

TEST_F(Lesen, SectionsThatAreNoElementsAreSkippedAndUnknownKindsNamed) {
    ASSERT_TRUE(Laden(Datei({"[Notiz]\nText=Hausaufgabe", "[W]\nElementart=9|DWinkel",
                             "[X]\nElementart=1|DgebPunkt", "[Y]\nElementart=42|DNeu",
                             "[Z]\nElementart=abc", "[N]\nElementart=-3", Punkt("A"),
                             "[Version]\nVersName=etwas anderes\nVersNummer=9.9"})));
    EXPECT_EQ(Namen(), Names{"A"});
    // Elements of kinds the program does not know are named; notes are not.
    EXPECT_EQ(Nicht(), (Names{"W", "X", "Y", "Z"}));
    ASSERT_EQ(protokoll_.Eintraege.size(), 1u);
    EXPECT_NE(protokoll_.Eintraege[0].Text.find("\r\nW: die Elementart 9|DWinkel kennt Kalvorin "
                                                "nicht\r\n"),
              std::string::npos);
}

TEST_F(Lesen, AnElementReferringToASkippedSectionIsDroppedAndNamed) {
    ASSERT_TRUE(Laden(Datei({"[W]\nElementart=9|DWinkel", Punkt("A"), "[V]\nElementart=2|DVektor",
                             "[P]\nElementart=0|DfrPunkt\nFestlegung=1\nPV=W|V",
                             "[Q]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Entstehungselemente=A|W",
                             Punkt("B")})));
    EXPECT_EQ(Namen(), (Names{"A", "V", "B"}));
    EXPECT_EQ(Nicht(), (Names{"W", "Q", "P"}));
}

TEST_F(Lesen, AttributesAndTheirDefaults) {
    // The defaults of the file, not those of the settings.
    Einstellungen().Farbe = RGB(0, 0, 200);
    Einstellungen().NameSichtbar = false;
    Einstellungen().HilfslinienEinzeichnen = false;
    Einstellungen().Punktform = 3;
    Einstellungen().MitWeissrand = true;
    ASSERT_TRUE(Laden(Datei({Punkt("A"), "[@g]\nElementart=5|DGerade\nGPAR=0|0|0|1|0|0",
                             "[B]\nElementart=0|DfrPunkt\nRGB=1|2|3\nTransparenz=2\nDicke=2\n"
                             "fest=1\nsichtbar=0\nmarkiert=1\nName sichtbar=0\nHilfslinien=0\n"
                             "Punktform=4",
                             "[C]\nElementart=0|DfrPunkt\nPunktform=7\nDicke=-5\nfest=ja"})));
    const auto& a = Als<TfrPunkt>(E("A"));
    EXPECT_EQ(a.Farbe, Schwarz);
    EXPECT_EQ(a.Transparenz, 0);
    EXPECT_EQ(a.Dicke, 1);
    EXPECT_FALSE(a.fest);
    EXPECT_TRUE(a.sichtbar);
    EXPECT_FALSE(a.markiert);
    EXPECT_TRUE(a.NameSichtbar);
    EXPECT_TRUE(a.Hilfslinien);
    EXPECT_EQ(a.Punktform, 0);
    EXPECT_FALSE(Als<TGerade>(E("g")).MitRand);
    const auto& b = Als<TfrPunkt>(E("B"));
    EXPECT_EQ(b.Farbe, RGB(1, 2, 3));
    EXPECT_EQ(b.Transparenz, 2);
    EXPECT_EQ(b.Dicke, 2);
    EXPECT_TRUE(b.fest);
    EXPECT_FALSE(b.sichtbar);
    EXPECT_TRUE(b.markiert);
    EXPECT_FALSE(b.NameSichtbar);
    EXPECT_FALSE(b.Hilfslinien);
    EXPECT_EQ(b.Punktform, 4);
    // Values no dialog can produce fall back to the defaults.
    const auto& c = Als<TfrPunkt>(E("C"));
    EXPECT_EQ(c.Punktform, 0);
    EXPECT_EQ(c.Dicke, 1);
    EXPECT_FALSE(c.fest);
}

TEST_F(Lesen, ForwardReferencesOfDialogPartsAreFound) {
    ASSERT_TRUE(Laden(Datei({"[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=P1|P2",
                             Punkt("P1", "1|0|0"), Punkt("P2", "0|1|0")})));
    EXPECT_EQ(E("g").Bezuege[0], &E("P1"));
    EXPECT_EQ(E("g").Bezuege[1], &E("P2"));
    EXPECT_EQ(E("g").Bezuege[2], nullptr);
}

TEST_F(Lesen, NamesAreCutToTwelveCharacters) {
    ASSERT_TRUE(Laden(Datei({Punkt("ABCDEFGHIJKLMNO", "1|1|1"), Punkt("ÄÖÜ@ä@ö@ü@a@b@c@d@e@f@g"),
                             "[S]\nElementart=4|DStrecke\nVonBis=ABCDEFGHIJKLMNO|ÄÖÜäöüabcdefg"})));
    EXPECT_EQ(Namen(), (Names{"ABCDEFGHIJKL", "ÄÖÜäöüabcdef", "S"}));
    EXPECT_EQ(E("S").Bezuege[0], liste_[1]);
    EXPECT_EQ(E("S").Bezuege[1], liste_[2]);
}

TEST_F(Lesen, ASectionTheFileHoldsTwiceGivesOneElement) {
    ASSERT_TRUE(Laden(Datei({Punkt("A", "1|0|0"), Punkt("A", "2|0|0"), Punkt("@b"), Punkt("@B")})));
    EXPECT_EQ(Namen(), (Names{"A", "b"}));
    EXPECT_EQ(Koord("A").x, 1);
}

TEST_F(Lesen, PlainNamesWithAtSignAndEscapedNamesUnderEGV) {
    ASSERT_TRUE(Laden(Datei(
        {Punkt("x@@1"), Punkt("@b", "1|0|0"), "[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=x@1|b",
         "[@v]\nElementart=2|DVektor\nV=0|0|1", "[E]\nElementart=8|DEbene\nFestlegung=7\nEGV=@g|@v",
         // written plain by an older program: read as well
         "[F]\nElementart=8|DEbene\nFestlegung=7\nEGV=g|v",
         "[H]\nElementart=5|DGerade\nFestlegung=1\nGPP=x@@1|@b"})));
    EXPECT_EQ(Namen(), (Names{"x@1", "b", "g", "v", "E", "F", "H"}));
    EXPECT_EQ(E("g").Bezuege[0], &E("x@1"));
    EXPECT_EQ(E("E").Bezuege[0], &E("g"));
    EXPECT_EQ(E("E").Bezuege[1], &E("v"));
    EXPECT_EQ(E("F").Bezuege[1], &E("v"));
    EXPECT_EQ(E("H").Bezuege[0], &E("x@1"));
    EXPECT_EQ(E("H").Bezuege[1], &E("b"));
}

TEST_F(Lesen, AReferenceToAnElementOfTheWrongKindIsKept) {
    ASSERT_TRUE(Laden(Datei({Punkt("A"), "[E]\nElementart=8|DEbene\nFestlegung=1\nENOR=0|0|1|0",
                             "[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=A|E",
                             "[S]\nElementart=0|DfrPunkt\nEntstehungsart=1|Schnitt\n"
                             "Entstehungselemente=A|g"})));
    EXPECT_EQ(E("g").Bezuege[1], &E("E"));
    EXPECT_EQ(E("S").Entstehung.Elemente[0].Element, &E("A"));
}

TEST_F(Lesen, MissingDefinitionKeysReadAsZero) {
    ASSERT_TRUE(Laden(Datei({"[P]\nElementart=0|DfrPunkt", "[V]\nElementart=2|DVektor",
                             "[@g]\nElementart=5|DGerade",
                             "[S]\nElementart=4|DStrecke\nFestlegung=3\nVonBis=P|P"})));
    EXPECT_EQ(Namen(), (Names{"P", "V", "g", "S"}));
    EXPECT_TRUE(IstNullvektor(Als<TGerade>(E("g")).Richtung)); // the evaluation reports it
    EXPECT_EQ(E("S").Festlegung, 0); // a kind with one mode has only mode 0
}

// ---------------------------------------------------------------------------
// Elements that cannot be read are dropped, together with what uses them.

struct TUnlesbar {
    const char* Fall;
    std::string X; // the section of the element X
};

void PrintTo(const TUnlesbar& f, std::ostream* os) {
    *os << f.Fall;
}

class UnlesbaresElement : public Lesen, public ::testing::WithParamInterface<TUnlesbar> {};

TEST_P(UnlesbaresElement, IsDroppedWithEverythingBuiltOnIt) {
    ASSERT_TRUE(Laden(Datei({Punkt("A"), GetParam().X,
                             "[M]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Entstehungselemente=A|X",
                             "[S]\nElementart=4|DStrecke\nVonBis=A|M", Punkt("B")})));
    EXPECT_EQ(Namen(), (Names{"A", "B"}));
    EXPECT_EQ(NichtSortiert(), (Names{"M", "S", "X"}));
}

const TUnlesbar UnlesbareFaelle[] = {
    {"Farbe", "[X]\nElementart=0|DfrPunkt\nRGB=rot"},
    {"Koordinate", "[X]\nElementart=0|DfrPunkt\nKoord=1|x|3"},
    {"ZuWenigKoordinaten", "[X]\nElementart=0|DfrPunkt\nKoord=1|2"},
    {"RiesigeZahl", "[X]\nElementart=0|DfrPunkt\nKoord=1e60|0|0"},
    {"Streckungsfaktor", "[X]\nElementart=0|DfrPunkt\nStreckungsfaktor=zwei"},
    {"UnbekannteFestlegung", "[X]\nElementart=5|DGerade\nFestlegung=3"},
    {"NormalformOhneNormale", "[X]\nElementart=8|DEbene\nFestlegung=1\nENOR=0|0|0|1"},
    {"ParameterformOhneEbene", "[X]\nElementart=8|DEbene\nEPAR=0|0|0|1|2|3|2|4|6"},
    {"ParameterformFehlt", "[X]\nElementart=8|DEbene"},
    {"LeererName", "[X]\nElementart=5|DGerade\nFestlegung=1\nGPP=A|"},
    {"UnbekannterName", "[X]\nElementart=5|DGerade\nFestlegung=1\nGPP=A|Q"},
    {"PfeilOhneEigenenVektor", "[X]\nElementart=3|DPfeil\nPfPP=A|A"},
    {"Entstehungsart",
     "[X]\nElementart=0|DfrPunkt\nEntstehungsart=Schnitt\nEntstehungselemente=A|A"},
    {"UnbekannteEntstehungsart", "[X]\nElementart=0|DfrPunkt\nEntstehungsart=99|Neu\n"
                                 "Entstehungselemente=A"},
    {"Selbstbezug", "[X]\nElementart=5|DGerade\nFestlegung=1\nGPP=X|A"},
    {"FaktorFehlt", "[X]\nElementart=0|DfrPunkt\nEntstehungsart=5|Streckung\nOriginalelement=A\n"
                    "Entstehungselemente=A"},
};

INSTANTIATE_TEST_SUITE_P(Faelle, UnlesbaresElement, ::testing::ValuesIn(UnlesbareFaelle),
                         [](const auto& info) { return std::string(info.param.Fall); });

// Derivations whose required operand field is empty are dropped; the
// mapping codes are not checked and keep what they have.
struct TOperandenFall {
    const char* Fall;
    std::string Art;
    std::string Elemente;
    bool Bleibt;
    int ArtDanach;
};

void PrintTo(const TOperandenFall& f, std::ostream* os) {
    *os << f.Fall;
}

class Operanden : public Lesen, public ::testing::WithParamInterface<TOperandenFall> {};

TEST_P(Operanden, EmptyRequiredFieldsDropTheElement) {
    const auto& f = GetParam();
    ASSERT_TRUE(Laden(Datei({Punkt("A"), Punkt("B"), Punkt("C"), "[V]\nElementart=2|DVektor",
                             "[X]\nElementart=0|DfrPunkt\nEntstehungsart=" + f.Art +
                                 "\nOriginalelement=C\nEntstehungselemente=" + f.Elemente})));
    EXPECT_EQ(liste_.NameVergeben("X"), f.Bleibt);
    EXPECT_EQ(Nicht(), f.Bleibt ? Names{} : Names{"X"});
    if (f.Bleibt) {
        EXPECT_EQ(static_cast<int>(E("X").Entstehung.Art), f.ArtDanach);
    }
}

const TOperandenFall OperandenFaelle[] = {
    {"SchnittZweiter", "1|Schnitt", "A|", false, 0},
    {"SchnittErster", "1|Schnitt", "|B", false, 0},
    {"SchnittVollstaendig", "1|Schnitt", "A|B", true, 1},
    {"LotPE", "10|LotPE", "A", false, 0},
    {"TeilPunktNamen", "13|TeilPunkt", "A||0,5", false, 0},
    {"TeilPunktVollstaendig", "13|TeilPunkt", "A|B|0,5", true, 13},
    {"Schwerpunkt", "15|Schwerpunkt", "A|B|", false, 0},
    {"SchwerpunktVollstaendig", "15|Schwerpunkt", "A|B|C", true, 15},
    {"Add3", "19|Add3", "V|V", false, 0},
    {"Gegenvektor", "20|Gegenvektor", "|V", false, 0},
    {"SMult", "22|SMult", "|3", false, 0},
    {"SMultVollstaendig", "22|SMult", "V|3", true, 22},
    {"PSpiegelungUngeprueft", "3|PSpiegelung", "|", true, 3},
    {"PProjektionUngeprueft", "9|P_Projektion", "A|", true, 9},
    {"LeereListe", "1|Schnitt", "", true, 0},
    // written with no operands, so it would not survive saving
    {"ReservierteArt", "6|Drehung", "x", true, 0},
    {"NurDieNummerZaehlt", "14|Irgendwas", "A|B", true, 14},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Operanden, ::testing::ValuesIn(OperandenFaelle),
                         [](const auto& info) { return std::string(info.param.Fall); });

TEST_F(Lesen, TheOriginalIsKeptForMappingsOnly) {
    ASSERT_TRUE(Laden(Datei({Punkt("A"), Punkt("B"),
                             "[X]\nElementart=0|DfrPunkt\nEntstehungsart=5|Streckung\n"
                             "Originalelement=A\nEntstehungselemente=B|-2,5",
                             "[Y]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Originalelement=A\nEntstehungselemente=A|B"})));
    const TEntstehung& x = E("X").Entstehung;
    EXPECT_EQ(x.Art, TEntstehungsart::Streckung);
    EXPECT_EQ(x.Originalelement, &E("A"));
    EXPECT_EQ(x.Elemente[0].Element, &E("B"));
    EXPECT_EQ(x.Elemente[1].Element, nullptr);
    EXPECT_EQ(x.Elemente[1].Zahl, -2.5L);
    EXPECT_EQ(E("Y").Entstehung.Originalelement, nullptr);
}

// ---------------------------------------------------------------------------
// A name that stands nowhere in the file ends the reading.

struct TAbbruchFall {
    const char* Fall;
    std::string Fehler; // the section of B
};

void PrintTo(const TAbbruchFall& f, std::ostream* os) {
    *os << f.Fall;
}

class Einlesefehler : public Lesen, public ::testing::WithParamInterface<TAbbruchFall> {};

TEST_P(Einlesefehler, EndsTheReadingAndKeepsWhatWasReadBefore) {
    ASSERT_TRUE(Laden(Datei({Punkt("A", "1|2|3"), "[V]\nElementart=2|DVektor\nV=0|0|1",
                             "[@g]\nElementart=5|DGerade\nFestlegung=2\nGPV=A|V", GetParam().Fehler,
                             Punkt("C", "4|5|6"),
                             "[D]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Entstehungselemente=A|C"})));
    ASSERT_EQ(Texte().size(), 1u);
    EXPECT_TRUE(Texte()[0].starts_with("Einlesefehler\r\n\r\n"));
    EXPECT_EQ(Nicht(), (Names{"B", "C", "D"}));
    EXPECT_NE(Texte()[0].find("\r\nB: verweist auf X, das es in der Datei nicht gibt\r\n"),
              std::string::npos);
    EXPECT_EQ(protokoll_.Eintraege[0].Titel, "Kalvorin");
    EXPECT_EQ(protokoll_.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_EQ(Namen(), (Names{"A", "V", "g"}));
    EXPECT_EQ(Koord("A").z, 3);
    EXPECT_EQ(E("g").Festlegung, TGerade::GPV);
    EXPECT_EQ(E("g").Bezuege[1], &E("V"));
    EXPECT_EQ(protokoll_.CursorTiefe, 0);
}

const TAbbruchFall AbbruchFaelle[] = {
    {"Operand", "[B]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                "Entstehungselemente=A|X"},
    {"Originalelement", "[B]\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\n"
                        "Originalelement=X\nEntstehungselemente=A"},
    {"Projektionsvektor", "[B]\nElementart=8|DEbene\nIstP_Projektionsebene=1\n"
                          "Projektionsvektor=X\nEPAR=0|0|0|1|0|0|0|1|0"},
    // Even when the mapping fails anyway for the dropped role.
    {"ProjektionsvektorOhneRolle", "[B]\nElementart=8|DEbene\nProjektionsvektor=X\n"
                                   "EPAR=0|0|0|1|0|0|0|1|0"},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Einlesefehler, ::testing::ValuesIn(AbbruchFaelle),
                         [](const auto& info) { return std::string(info.param.Fall); });

TEST_F(Lesen, EinlesefehlerTakesAlongWhatTheKeptElementsNeedFromLaterOnes) {
    // g stands before its points, as a dialog leaves it; the reading ends at
    // B, so P2 is not read and g cannot stay either.
    ASSERT_TRUE(Laden(Datei({"[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=P1|P2", Punkt("P1"),
                             "[B]\nElementart=0|DfrPunkt\nEntstehungsart=20|Gegenvektor\n"
                             "Entstehungselemente=Q",
                             Punkt("P2")})));
    ASSERT_EQ(Texte().size(), 1u);
    EXPECT_TRUE(Texte()[0].starts_with("Einlesefehler\r\n\r\n"));
    EXPECT_EQ(Nicht(), (Names{"B", "P2", "g"}));
    EXPECT_NE(Texte()[0].find("\r\nB: verweist auf Q, das es in der Datei nicht gibt\r\n"),
              std::string::npos);
    EXPECT_EQ(Namen(), Names{"P1"});
}

// ---------------------------------------------------------------------------
// Rings of references: the evaluation would follow them for ever.

TEST_F(Lesen, RingsOfReferencesAreDropped) {
    ASSERT_TRUE(Laden(Datei({"[V]\nElementart=2|DVektor\nV=1|0|0",
                             "[A]\nElementart=0|DfrPunkt\nFestlegung=1\nPV=B|V",
                             "[B]\nElementart=0|DfrPunkt\nFestlegung=1\nPV=A|V",
                             "[C]\nElementart=0|DfrPunkt\nFestlegung=1\nPV=A|V", Punkt("F"),
                             "[@h]\nElementart=5|DGerade\nFestlegung=2\nGPV=F|W",
                             "[W]\nElementart=2|DVektor\nFestlegung=2\nVG=h",
                             // an arrow and its own vector refer to each other by design
                             "[Pf1]\nElementart=3|DPfeil\nPfPP=F|T|V1", Punkt("T", "1|1|1"),
                             "[V1]\nElementart=2|DVektor\nFestlegung=4\nVPf=Pf1",
                             // but an arrow along a vector that is the arrow's vector is a ring
                             "[Pf2]\nElementart=3|DPfeil\nFestlegung=1\nPfPV=F|V2",
                             "[V2]\nElementart=2|DVektor\nFestlegung=4\nVPf=Pf2",
                             "[E]\nElementart=8|DEbene\nFestlegung=4\nEPG=F|@h"})));
    EXPECT_EQ(Namen(), (Names{"V", "F", "Pf1", "T", "V1"}));
    EXPECT_EQ(Nicht(), (Names{"A", "B", "C", "h", "W", "Pf2", "V2", "E"}));
}

TEST_F(Lesen, RingsOfDerivationsAreDroppedToo) {
    // The rebuild computes derived elements in list order from stored
    // numbers; a ring of derivations does not recurse, but an element
    // computed from itself changes at every rebuild and every save.
    ASSERT_TRUE(Laden(Datei({Punkt("A"),
                             "[S]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Entstehungselemente=A|T",
                             "[T]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Entstehungselemente=S|T"})));
    EXPECT_EQ(Namen(), (Names{"A"}));
    EXPECT_EQ(Nicht(), (Names{"S", "T"}));
    // Through the original of a mapping as well, even of the element itself.
    ASSERT_TRUE(Laden(Datei({"[Z]\nElementart=0|DfrPunkt\nKoord=1|1|1\nIstSpiegelzentrum=1",
                             "[A]\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\n"
                             "Originalelement=A\nEntstehungselemente=Z",
                             "[B]\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\n"
                             "Originalelement=C\nEntstehungselemente=Z",
                             "[C]\nElementart=0|DfrPunkt\nEntstehungsart=20|Gegenvektor\n"
                             "Entstehungselemente=B"})));
    EXPECT_EQ(Namen(), (Names{"Z"}));
    EXPECT_EQ(Nicht(1), (Names{"A", "B", "C"}));
    EXPECT_NE(Texte()[1].find("\r\nA: hängt über seine Bezüge von sich selbst ab\r\n"),
              std::string::npos);
}

// ---------------------------------------------------------------------------
// Loading and inserting.

TEST_F(Lesen, LoadingReplacesListAndRoleSet) {
    ASSERT_TRUE(Laden(Datei({Punkt("Alt")})));
    rollen_ = 127;
    ASSERT_TRUE(Laden(Datei({Punkt("Z"),
                             "[@d]\nElementart=0|DfrPunkt\nIstStreckungszentrum=1\n"
                             "Streckungsfaktor=0,5",
                             "[E]\nElementart=8|DEbene\nFestlegung=1\nENOR=0|0|1|0\n"
                             "IstP_Projektionsebene=1\nProjektionsvektor=v",
                             "[@v]\nElementart=2|DVektor\nV=1|1|1\nIstP_ProjektionsVektor=1",
                             // a role whose element is dropped is not in the document
                             "[X]\nElementart=0|DfrPunkt\nIstSpiegelzentrum=1\nKoord=a|b|c"})));
    EXPECT_EQ(Namen(), (Names{"Z", "d", "E", "v"}));
    EXPECT_EQ(rollen_, RollenBit(TRolle::IstStreckungszentrum) |
                           RollenBit(TRolle::IstP_Projektionsebene) |
                           RollenBit(TRolle::IstP_ProjektionsVektor));
    EXPECT_EQ(E("d").Streckungsfaktor, 0.5L);
    EXPECT_EQ(E("E").Projektionsvektor, &E("v"));
    EXPECT_EQ(liste_.LaufenderZaehler(), 5); // counted from 1 again, the dropped X included
}

TEST_F(Lesen, APlaneWhoseProjectionVectorIsDroppedLosesTheProjection) {
    ASSERT_TRUE(Laden(Datei({"[E]\nElementart=8|DEbene\nFestlegung=1\nENOR=0|0|1|0\n"
                             "IstP_Projektionsebene=1\nProjektionsvektor=v",
                             "[@v]\nElementart=2|DVektor\nV=1|x|1"})));
    EXPECT_EQ(Namen(), Names{"E"});
    EXPECT_FALSE(E("E").Rolle(TRolle::IstP_Projektionsebene));
    EXPECT_EQ(E("E").Projektionsvektor, nullptr);
}

TEST_F(Lesen, InsertingRenamesTakenNamesAndReferencesFollow) {
    ASSERT_TRUE(Laden(Datei({Punkt("A", "1|1|1"), Punkt("_A", "2|2|2"), Punkt("B", "3|3|3")})));
    ks_.Skalierung = 2;
    ASSERT_TRUE(
        Einfuegen(Datei({"[Koord-Achsen]\nSkalierung=5", Punkt("A", "5|5|5"), Punkt("C", "6|6|6"),
                         "[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=A|C",
                         "[M]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                         "Entstehungselemente=A|B",
                         "[M2]\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\n"
                         "Originalelement=A\nEntstehungselemente=C"})));
    EXPECT_EQ(Namen(), (Names{"A", "_A", "B", "__A", "C", "g", "M", "M2"}));
    EXPECT_EQ(Koord("__A").x, 5);
    EXPECT_EQ(E("g").Bezuege[0], &E("__A"));
    EXPECT_EQ(E("g").Bezuege[1], &E("C"));
    // B is not in the file: the reference goes to the document's B.
    EXPECT_EQ(E("M").Entstehung.Elemente[0].Element, &E("__A"));
    EXPECT_EQ(E("M").Entstehung.Elemente[1].Element, &E("B"));
    EXPECT_EQ(E("M2").Entstehung.Originalelement, &E("__A"));
    EXPECT_EQ(ks_.Skalierung, 2); // inserting leaves the coordinate system alone
    EXPECT_TRUE(protokoll_.Eintraege.empty());
}

TEST_F(Lesen, InsertingKeepsRenamedAndFileNamesApart) {
    // "A" becomes "_A", which the file itself also has; the file's own
    // references still mean its own elements.
    ASSERT_TRUE(Laden(Datei({Punkt("A")})));
    ASSERT_TRUE(Einfuegen(Datei(
        {Punkt("A", "1|0|0"), Punkt("_A", "2|0|0"), "[S]\nElementart=4|DStrecke\nVonBis=A|_A"})));
    EXPECT_EQ(Namen(), (Names{"A", "_A", "__A", "S"}));
    EXPECT_EQ(Koord("_A").x, 1);
    EXPECT_EQ(Koord("__A").x, 2);
    EXPECT_EQ(E("S").Bezuege[0], &E("_A"));
    EXPECT_EQ(E("S").Bezuege[1], &E("__A"));
}

TEST_F(Lesen, ANameOfTwelveUnderscoresEndsWithTheAutomaticName) {
    ASSERT_TRUE(Laden(Datei({Punkt("____________"), Punkt("___________A"), Punkt("P1")})));
    ASSERT_TRUE(Einfuegen(Datei({Punkt("____________", "1|0|0"), Punkt("___________A", "2|0|0"),
                                 "[S]\nElementart=4|DStrecke\nVonBis=____________|___________A"})));
    EXPECT_EQ(Namen(), (Names{"____________", "___________A", "P1", "P2", "P3", "S"}));
    EXPECT_EQ(Koord("P2").x, 1);
    EXPECT_EQ(Koord("P3").x, 2);
    EXPECT_EQ(E("S").Bezuege[0], &E("P2"));
    EXPECT_EQ(E("S").Bezuege[1], &E("P3"));
}

TEST_F(Lesen, InsertingWithARoleConflictDropsTheDerivedElements) {
    ASSERT_TRUE(Laden(Datei({"[Z]\nElementart=0|DfrPunkt\nIstSpiegelzentrum=1"})));
    ASSERT_EQ(rollen_, RollenBit(TRolle::IstSpiegelzentrum));
    ASSERT_TRUE(Einfuegen(Datei({
        "[Z]\nElementart=0|DfrPunkt\nKoord=1|1|1\nIstSpiegelzentrum=1",
        "[@g]\nElementart=5|DGerade\nGPAR=0|0|0|1|0|0\nIstSpiegelAchse=1",
        Punkt("Q", "2|0|0"),
        Punkt("R", "0|2|0"),
        "[S]\nElementart=4|DStrecke\nVonBis=Q|R",
        "[Q']\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\nOriginalelement=Q\n"
        "Entstehungselemente=Z",
        // the image of the segment, with its image points after it
        "[S']\nElementart=4|DStrecke\nEntstehungsart=3|PSpiegelung\nOriginalelement=S\n"
        "Entstehungselemente=Z\nVonBis=Q''|R'",
        "[Q'']\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\nOriginalelement=Q\n"
        "Entstehungselemente=Z",
        "[R']\nElementart=0|DfrPunkt\nEntstehungsart=3|PSpiegelung\nOriginalelement=R\n"
        "Entstehungselemente=Z",
        // built on an image: goes with it
        "[@h]\nElementart=5|DGerade\nFestlegung=1\nGPP=Q|Q'",
        // another mapping, whose role the document does not hold
        "[Q2]\nElementart=0|DfrPunkt\nEntstehungsart=2|ASpiegelung\nOriginalelement=Q\n"
        "Entstehungselemente=g",
    })));
    EXPECT_EQ(Namen(), (Names{"Z", "_Z", "g", "Q", "R", "S", "Q2"}));
    EXPECT_FALSE(E("_Z").Rolle(TRolle::IstSpiegelzentrum));
    EXPECT_TRUE(E("g").Rolle(TRolle::IstSpiegelAchse));
    EXPECT_EQ(E("Q2").Entstehung.Art, TEntstehungsart::ASpiegelung);
    EXPECT_EQ(rollen_, RollenBit(TRolle::IstSpiegelzentrum)); // inserting leaves the set alone
    EXPECT_EQ(Nicht(), (Names{"Q'", "S'", "Q''", "R'", "h"}));
    EXPECT_NE(Texte()[0].find("Q': es entstand durch eine Abbildung, die das Dokument schon "
                              "festlegt"),
              std::string::npos);
    EXPECT_EQ(Texte()[0].find("Speichern"), std::string::npos) << "inserting keeps no name";
}

TEST_F(Lesen, EveryRoleConflictDropsTheDerivationsOfItsMapping) {
    const std::tuple<const char*, std::string, std::string> faelle[] = {
        {"IstSpiegelAchse", "2|ASpiegelung", "M"},
        {"IstSpiegelzentrum", "3|PSpiegelung", "M"},
        {"IstSpiegelEbene", "4|ESpiegelung", "M"},
        {"IstStreckungszentrum", "5|Streckung", "M|2"},
        {"IstO_Projektionsebene", "8|O_Projektion", "M"},
        {"IstP_Projektionsebene", "9|P_Projektion", "M|Q"},
    };
    for (const auto& [rolle, art, operanden] : faelle) {
        SCOPED_TRACE(rolle);
        ASSERT_TRUE(Laden(Datei({"[Z]\nElementart=0|DfrPunkt\n" + std::string(rolle) + "=1"})));
        ASSERT_TRUE(
            Einfuegen(Datei({"[M]\nElementart=0|DfrPunkt\n" + std::string(rolle) + "=1", Punkt("Q"),
                             "[X]\nElementart=0|DfrPunkt\nEntstehungsart=" + art +
                                 "\nOriginalelement=Q\nEntstehungselemente=" + operanden,
                             "[Y]\nElementart=0|DfrPunkt\nEntstehungsart=14|Mittelpunkt\n"
                             "Entstehungselemente=Q|M"})));
        EXPECT_EQ(Namen(), (Names{"Z", "M", "Q", "Y"}));
        EXPECT_EQ(Nicht(), Names{"X"});
        protokoll_.Eintraege.clear();
    }
}

TEST_F(Lesen, InsertingIntoAnEmptyDocumentRenamesNothing) {
    ASSERT_TRUE(Einfuegen(Datei({Punkt("A"), "[@g]\nElementart=5|DGerade\nIstSpiegelAchse=1"})));
    EXPECT_EQ(Namen(), (Names{"A", "g"}));
    EXPECT_TRUE(E("g").Rolle(TRolle::IstSpiegelAchse));
    EXPECT_EQ(rollen_, 0);
}

// ---------------------------------------------------------------------------
// The list holds 100 elements.

std::string Punkte(int von, int bis, const std::string& praefix = "P") {
    std::string t;
    for (int i = von; i <= bis; ++i)
        t += Punkt(praefix + std::to_string(i), std::to_string(i) + "|0|0") + "\n";
    return t;
}

TEST_F(Lesen, SectionsBeyondTheHundredthElementAreSkipped) {
    ASSERT_TRUE(Laden(Datei({Punkte(1, 120), "[S]\nElementart=4|DStrecke\nVonBis=P1|P2"})));
    ASSERT_EQ(liste_.Anzahl(), 100);
    EXPECT_EQ(liste_[100]->Name, "P100");
    // Named up to twenty, the rest counted.
    const Names nicht = Nicht();
    ASSERT_EQ(nicht.size(), 21u);
    EXPECT_EQ(nicht.front(), "P101");
    EXPECT_EQ(nicht.back(), "und 1 weitere");
    EXPECT_NE(Texte()[0].find("P101: ein Dokument fasst höchstens 100 Elemente"),
              std::string::npos);
}

TEST_F(Lesen, InsertingIntoANearlyFullDocumentNeverOverwritesItsLastElement) {
    ASSERT_TRUE(Laden(Datei({Punkte(1, 99)})));
    ASSERT_TRUE(Einfuegen(Datei({Punkt("N1", "7|7|7"), Punkt("N2"),
                                 "[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=N1|N2"})));
    ASSERT_EQ(liste_.Anzahl(), 100);
    EXPECT_EQ(liste_[99]->Name, "P99");
    EXPECT_EQ(Koord("P99").x, 99);
    EXPECT_EQ(liste_[100]->Name, "N1");
    EXPECT_EQ(Koord("N1").x, 7);
    // A full document takes nothing more.
    ASSERT_TRUE(Einfuegen(Datei({Punkt("N3")})));
    EXPECT_EQ(liste_.Anzahl(), 100);
    EXPECT_EQ(liste_[100]->Name, "N1");
    EXPECT_EQ(Nicht(0), (Names{"N2", "g"}));
    EXPECT_EQ(Nicht(1), (Names{"N3"}));
}

// ---------------------------------------------------------------------------

class BeideTrenner : public Lesen, public ::testing::WithParamInterface<char> {};

TEST_P(BeideTrenner, NumbersReadWithEitherSeparator) {
    Einstellungen().Dezimaltrenner = GetParam();
    ASSERT_TRUE(Laden(Datei({"[Koord-Achsen]\nX=-1,5|7.25", Punkt("P", "1.5|-2,25|3E2"),
                             "[@d]\nElementart=0|DfrPunkt\nStreckungsfaktor=0.5",
                             "[E]\nElementart=8|DEbene\nFestlegung=1\nENOR=0,5|0|0|-1.75"})));
    EXPECT_EQ(Koord("P").x, 1.5L);
    EXPECT_EQ(Koord("P").y, -2.25L);
    EXPECT_EQ(Koord("P").z, 300);
    EXPECT_EQ(E("d").Streckungsfaktor, 0.5L);
    EXPECT_EQ(Als<TEbene>(E("E")).Normale.x, 0.5L);
    EXPECT_EQ(Als<TEbene>(E("E")).d, -1.75L);
    EXPECT_EQ(ks_.Achsen[0].Unten, -1.5L);
    EXPECT_EQ(ks_.Achsen[0].Oben, 7.25L);
}

INSTANTIATE_TEST_SUITE_P(Dezimaltrenner, BeideTrenner, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

TEST_F(Lesen, AFileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(Laden(Datei({Punkt("A")})));
    rollen_ = 5;
    ks_.Skalierung = 1;
    for (const std::string& datei : {ordner_ / "fehlt.kvr", ordner_.Pfad().string()}) {
        protokoll_.Eintraege.clear();
        EXPECT_FALSE(DokumentLesen(datei, liste_, ks_, rollen_, false));
        EXPECT_FALSE(DokumentLesen(datei, liste_, ks_, rollen_, true));
        EXPECT_EQ(Namen(), Names{"A"});
        EXPECT_EQ(rollen_, 5);
        EXPECT_EQ(ks_.Skalierung, 1);
        const std::string text = "Kalvorin kann diese Datei nicht lesen.\r\nEventuell gibt es sie "
                                 "nicht, oder sie ist nicht lesbar. (" +
                                 datei + ")";
        EXPECT_EQ(Texte(), (Names{text, text}));
        EXPECT_EQ(protokoll_.Eintraege[0].Art, TMeldungsart::Warnung);
    }
    EXPECT_EQ(protokoll_.CursorTiefe, 0);
}

TEST_F(Lesen, AnEmptyFileLoadsAnEmptyDocument) {
    ASSERT_TRUE(Laden(Datei({Punkt("A")})));
    ASSERT_TRUE(Laden(""));
    EXPECT_EQ(liste_.Anzahl(), 0);
    EXPECT_EQ(ks_.H, 7);
}

TEST_F(Lesen, LinesEndedByLineFeedAloneAndBlanksAroundReadAlike) {
    ASSERT_TRUE(Laden("[ A ]\nElementart = 0|DfrPunkt\n  Koord=1|2|3  \n[B]\nElementart=0\n"));
    EXPECT_EQ(Namen(), (Names{"A", "B"}));
    EXPECT_EQ(Koord("A").y, 2);
}

// ---------------------------------------------------------------------------
// Files from other editors, names the writer could not store, and files far
// beyond any document.

TEST_F(Lesen, AByteOrderMarkStartsAUtf8File) {
    bool ganz = false;
    test::DateiSchreiben(ordner_ / "d.kvr", "\xEF\xBB\xBF[Ä]\r\nElementart=0|DfrPunkt\r\n"
                                            "Koord=1|2|3\r\n[@g]\r\nElementart=5|DGerade\r\n"
                                            "Festlegung=1\r\nGPP=Ä|Ä\r\n");
    ASSERT_TRUE(DokumentLesen(ordner_ / "d.kvr", liste_, ks_, rollen_, false, &ganz));
    EXPECT_TRUE(ganz);
    EXPECT_EQ(Namen(), (Names{"Ä", "g"}));
    EXPECT_EQ(E("g").Bezuege[0], &E("Ä"));
    EXPECT_TRUE(protokoll_.Eintraege.empty());
}

TEST_F(Lesen, CarriageReturnsAloneEndLinesToo) {
    ASSERT_TRUE(Laden("[A]\rElementart=0|DfrPunkt\rKoord=1|2|3\r[B]\rElementart=0|DfrPunkt\r"
                      "Koord=4|0|0\r\r\n[C]\n\rElementart=0\r"));
    EXPECT_EQ(Namen(), (Names{"A", "B", "C"}));
    EXPECT_EQ(Koord("A").y, 2);
    EXPECT_EQ(Koord("B").x, 4);
}

TEST_F(Lesen, WhatCannotBeReadIsNamedOnceWithItsReason) {
    bool ganz = true;
    test::DateiSchreiben(
        ordner_ / "d.kvr",
        Datei({Punkt("A", "1|2|3"), Punkt("B", "1e4000|0|0"), Punkt("C", "inf|0|0"),
               Punkt("D", "1e308|0|0"), Punkt("F", "0x10|0|0"), Punkt("G", "|0|0"),
               "[@g]\nElementart=5|DGerade\nFestlegung=1\nGPP=A|C", "[W]\nElementart=9|DWinkel"}));
    ASSERT_TRUE(DokumentLesen(ordner_ / "d.kvr", liste_, ks_, rollen_, false, &ganz));
    EXPECT_FALSE(ganz);
    EXPECT_EQ(Namen(), Names{"A"});
    ASSERT_EQ(protokoll_.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll_.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_EQ(protokoll_.Eintraege[0].Text,
              "Folgende Elemente der Datei " + (ordner_ / "d.kvr") +
                  " können nicht so gelesen werden, wie sie dort stehen:\r\n"
                  "\r\nW: die Elementart 9|DWinkel kennt Kalvorin nicht"
                  "\r\nB: die Zahl 1e4000 ist zu groß"
                  "\r\nC: 'inf' ist kein gültiger Gleitkommawert"
                  "\r\nD: die Zahl 1e308 ist zu groß"
                  "\r\nF: '0x10' ist kein gültiger Gleitkommawert"
                  "\r\nG: '' ist kein gültiger Gleitkommawert"
                  "\r\ng: baut auf C auf, das nicht gelesen werden kann"
                  "\r\n\r\nDamit die Datei nicht versehentlich überschrieben wird, fragt "
                  "„Speichern“ nach einem neuen Dateinamen.");
}

TEST_F(Lesen, AFileWithEverythingReadIsComplete) {
    bool ganz = false;
    test::DateiSchreiben(ordner_ / "d.kvr", Datei({Punkt("A"), "[Notiz]\nText=Hausaufgabe"}));
    ASSERT_TRUE(DokumentLesen(ordner_ / "d.kvr", liste_, ks_, rollen_, false, &ganz));
    EXPECT_TRUE(ganz);
}

TEST_F(Lesen, NamesTheWriterCannotStoreAreReplacedAndReported) {
    bool ganz = true;
    test::DateiSchreiben(ordner_ / "d.kvr", Datei({Punkt("A|B"), Punkt("C\tD"),
                                                   Punkt("E\x01"
                                                         "F"),
                                                   Punkt("@"), Punkt("A_B", "1|0|0"),
                                                   "[S]\nElementart=4|DStrecke\nVonBis=C\tD|A_B"}));
    ASSERT_TRUE(DokumentLesen(ordner_ / "d.kvr", liste_, ks_, rollen_, false, &ganz));
    EXPECT_FALSE(ganz);
    EXPECT_EQ(Namen(), (Names{"A_B", "C_D", "E_F", "P1", "_A_B", "S"}));
    EXPECT_EQ(E("S").Bezuege[0], &E("C_D"));
    EXPECT_EQ(E("S").Bezuege[1], &E("_A_B")) << "the file's own A_B";
    ASSERT_EQ(protokoll_.Eintraege.size(), 1u);
    const std::string& text = protokoll_.Eintraege[0].Text;
    EXPECT_NE(text.find("\r\nA|B: heißt jetzt A_B, da der Name Zeichen enthält, die in der Datei "
                        "nicht gespeichert werden können"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("(ohne Namen): heißt jetzt P1"), std::string::npos) << text;
    // Whatever was read can be written again.
    EXPECT_TRUE(DokumentSchreiben(ordner_ / "neu.kvr", liste_, ks_));
}

TEST_F(Lesen, FilesAndLinesFarBeyondAnyDocumentAreRefusedUnread) {
    ASSERT_TRUE(Laden(Datei({Punkt("A")})));
    const std::string datei = ordner_ / "d.kvr";
    const std::pair<std::string, std::string> faelle[] = {
        {"[" + std::string(20000, 'N') + "]\r\nElementart=0\r\n",
         "Die Datei enthält eine Zeile mit mehr als 16384 Zeichen; so lange Zeilen kommen in "
         "einem Kalvorin-Dokument nicht vor. Die Datei wird nicht gelesen. (" +
             datei + ")"},
        {"[A]\r\nText=" + std::string(16380, ';') + "\r\n[B]\r\nElementart=0\r\n",
         "Die Datei enthält eine Zeile mit mehr als 16384 Zeichen; so lange Zeilen kommen in "
         "einem Kalvorin-Dokument nicht vor. Die Datei wird nicht gelesen. (" +
             datei + ")"},
    };
    for (const auto& [inhalt, meldung] : faelle) {
        protokoll_.Eintraege.clear();
        test::DateiSchreiben(datei, inhalt);
        EXPECT_FALSE(DokumentLesen(datei, liste_, ks_, rollen_, false));
        EXPECT_EQ(Texte(), Names{meldung});
        EXPECT_EQ(Namen(), Names{"A"});
    }
    std::string gross;
    while (gross.size() <= (1u << 20))
        gross += Punkt("P", "1|2|3") + "\r\n";
    test::DateiSchreiben(datei, gross);
    protokoll_.Eintraege.clear();
    EXPECT_FALSE(DokumentLesen(datei, liste_, ks_, rollen_, true));
    EXPECT_EQ(Texte(), Names{"Die Datei ist größer als 1 MB; ein Kalvorin-Dokument ist viel "
                             "kleiner. Die Datei wird nicht gelesen. (" +
                             datei + ")"});
    EXPECT_EQ(Namen(), Names{"A"});
    EXPECT_EQ(protokoll_.CursorTiefe, 0);
}

} // namespace
