// Writing documents, and documents that come back from a round of saving
// and loading as they were.

#include "storage/Dokumentdatei.h"

#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "storage/Felder.h"

#include "EinstellungenSichern.h"
#include "TestOrdner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvorin;
using test::DateiInhalt;
using test::MitTrenner;

namespace {

std::string Zeilen(std::initializer_list<std::string> zeilen) {
    std::string t;
    for (const std::string& z : zeilen)
        t += z + "\r\n";
    return t;
}

// A new element with the look the file leaves out: black, name and
// auxiliary lines shown, point form 0, no border.
template <class T> T& Neu(TListe& liste, const std::string& name) {
    T* e = liste.Neu<T>();
    EXPECT_NE(e, nullptr);
    e->Name = name;
    e->Farbe = Schwarz;
    e->NameSichtbar = true;
    e->Hilfslinien = true;
    if constexpr (std::is_same_v<T, TfrPunkt>) e->Punktform = 0;
    if constexpr (std::is_same_v<T, TGerade>) e->MitRand = false;
    return *e;
}

TfrPunkt& Punkt(TListe& l, const std::string& name, TTripel p) {
    auto& e = Neu<TfrPunkt>(l, name);
    e.Koordinaten = p;
    return e;
}

// The document of the file format's example: points A and B, the marked
// red line g through them, default axes, only the xy plane drawn.
void Beispiel(TListe& liste, TKoordinatensystem& ks) {
    Punkt(liste, "A", {1, 2, 3});
    Punkt(liste, "B", {4, 0, 0});
    auto& g = Neu<TGerade>(liste, "g");
    g.Farbe = RGB(255, 0, 0);
    g.markiert = true;
    g.Festlegung = TGerade::GPP;
    g.Bezuege = {liste[1], liste[2], nullptr};
    ks = TKoordinatensystem{};
    ks.Ebenen[TKoordinatensystem::XY].Zeichnen = true;
    ks.AbgeleiteteDatenBerechnen();
}

const std::string BeispielDatei = Zeilen({
    "[Version]",
    "VersName=Kalvorin-Analytische Geometrie",
    "VersNummer=1.0",
    "[Koord-Achsen]",
    "Farbe=255|0|0",
    "Skalierung=4",
    "beschriften=1",
    "X=-1|7",
    "XZeichnen=1",
    "Y=-1|7",
    "YZeichnen=1",
    "Z=-1|7",
    "ZZeichnen=1",
    "[Koord-Ebenen]",
    "Gleiche Grenzen=1",
    "XYTransparenz=1",
    "XYZeichnen=1",
    "XYFarbe=255|128|128",
    "YZTransparenz=1",
    "YZZeichnen=0",
    "YZFarbe=255|128|128",
    "XZTransparenz=1",
    "XZZeichnen=0",
    "XZFarbe=255|128|128",
    "[A]",
    "Elementart=0|DfrPunkt",
    "Koord=1|2|3",
    "Punktform=0",
    "[B]",
    "Elementart=0|DfrPunkt",
    "Koord=4|0|0",
    "Punktform=0",
    "[@g]",
    "Elementart=5|DGerade",
    "RGB=255|0|0",
    "markiert=1",
    "Festlegung=1",
    "GPP=A|B",
    "mit Rand=0",
});

// The lines of the element section named sektion, without its header.
std::vector<std::string> Abschnitt(const std::string& datei, const std::string& sektion) {
    std::vector<std::string> zeilen;
    std::istringstream f(datei);
    std::string z;
    bool drin = false;
    while (std::getline(f, z)) {
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (!z.empty() && z.front() == '[') {
            drin = z == "[" + sektion + "]";
            continue;
        }
        if (drin) zeilen.push_back(z);
    }
    return zeilen;
}

class MitTrennern : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { Einstellungen().Dezimaltrenner = GetParam(); }
    test::TEinstellungenSichern sichern_;
    test::TTestOrdner ordner_;
    TMeldungsProtokoll protokoll_;
};

using BeispielDokument = MitTrennern;

TEST_P(BeispielDokument, IsWrittenByteForByteAndRewrittenUnchanged) {
    TListe liste;
    TKoordinatensystem ks;
    Beispiel(liste, ks);
    const std::string datei = ordner_ / "beispiel.kvr";
    ASSERT_TRUE(DokumentSchreiben(datei, liste, ks));
    EXPECT_EQ(DateiInhalt(datei), BeispielDatei);

    TListe gelesen;
    TKoordinatensystem ks2;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentLesen(datei, gelesen, ks2, rollen, false));
    ASSERT_EQ(gelesen.Anzahl(), 3);
    const std::string nochmal = ordner_ / "nochmal.kvr";
    ASSERT_TRUE(DokumentSchreiben(nochmal, gelesen, ks2));
    EXPECT_EQ(DateiInhalt(nochmal), BeispielDatei);
    EXPECT_TRUE(protokoll_.Eintraege.empty());
    EXPECT_GT(protokoll_.CursorAufrufe, 0);
    EXPECT_EQ(protokoll_.CursorTiefe, 0);
}

INSTANTIATE_TEST_SUITE_P(Dezimaltrenner, BeispielDokument, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

// ---------------------------------------------------------------------------
// Which keys an element section holds: each only under its condition.

struct TSchluesselFall {
    const char* Name;
    std::function<void(TListe&)> Dokument; // the last element is examined
    std::vector<std::string> Zeilen;       // "," stands for the decimal separator
};

void PrintTo(const TSchluesselFall& f, std::ostream* os) {
    *os << f.Name;
}

class Schluessel : public ::testing::TestWithParam<std::tuple<TSchluesselFall, char>> {};

TEST_P(Schluessel, StandInOrderAndOnlyUnderTheirCondition) {
    test::TEinstellungenSichern sichern;
    test::TTestOrdner ordner;
    const auto& [fall, trenner] = GetParam();
    Einstellungen().Dezimaltrenner = trenner;
    TListe liste;
    fall.Dokument(liste);
    const std::string datei = ordner / "d.kvr";
    ASSERT_TRUE(DokumentSchreiben(datei, liste, TKoordinatensystem{}));
    std::vector<std::string> erwartet;
    for (const std::string& z : fall.Zeilen)
        erwartet.push_back(MitTrenner(z));
    const TDreiDBasisElement& e = *liste[liste.Anzahl()];
    EXPECT_EQ(Abschnitt(DateiInhalt(datei), EscapeName(e.Name)), erwartet);
}

void ZweiPunkte(TListe& l) {
    Punkt(l, "A", {1, 2, 3});
    Punkt(l, "B", {4, 0, 0});
}

const TSchluesselFall SchluesselFaelle[] = {
    {"Standardpunkt",
     [](TListe& l) {
         Punkt(l, "P", {0.5L, -2.25L, 1e-7L});
     },
     {"Elementart=0|DfrPunkt", "Koord=0,5|-2,25|1E-7", "Punktform=0"}},
    {"AlleAttribute",
     [](TListe& l) {
         auto& p = Punkt(l, "P", {0, 0, 0});
         p.Farbe = RGB(1, 2, 3);
         p.Transparenz = 3;
         p.Dicke = 2;
         p.fest = true;
         p.sichtbar = false;
         p.markiert = true;
         p.NameSichtbar = false;
         p.Hilfslinien = false;
         p.Punktform = 4;
     },
     {"Elementart=0|DfrPunkt", "RGB=1|2|3", "Transparenz=3", "Dicke=2", "fest=1", "sichtbar=0",
      "markiert=1", "Name sichtbar=0", "Hilfslinien=0", "Koord=0|0|0", "Punktform=4"}},
    {"VersteckterName",
     [](TListe& l) {
         Punkt(l, "P", {0, 0, 0}).NameSichtbar = false;
     },
     {"Elementart=0|DfrPunkt", "Name sichtbar=0", "Koord=0|0|0", "Punktform=0"}},
    {"Rollen",
     [](TListe& l) {
         auto& v = Neu<TVektor>(l, "v");
         v.Komponenten = {1, 0, 0};
         auto& p = Neu<TEbene>(l, "E");
         p.Punkt = {0, 0, 1};
         p.Richtung1 = {1, 0, 0};
         p.Richtung2 = {0, 1, 0};
         for (int r = 0; r < AnzahlRollen; ++r)
             p.SetzeRolle(static_cast<TRolle>(r), true);
         p.Streckungsfaktor = -1.5L;
         p.Projektionsvektor = &v;
     },
     {"Elementart=8|DEbene", "IstSpiegelzentrum=1", "IstSpiegelAchse=1", "IstSpiegelEbene=1",
      "IstStreckungszentrum=1", "IstO_Projektionsebene=1", "IstP_Projektionsebene=1",
      "IstP_ProjektionsVektor=1", "Streckungsfaktor=-1,5", "Projektionsvektor=v",
      "EPAR=0|0|1|1|0|0|0|1|0"}},
    // A factor that prints as 1 is left out like 1 itself, so that the
    // file read back writes the same lines.
    {"StreckungsfaktorFastEins",
     [](TListe& l) {
         auto& p = Punkt(l, "P", {0, 0, 0});
         p.SetzeRolle(TRolle::IstStreckungszentrum, true);
         p.Streckungsfaktor = 1 + std::ldexp(1.0L, -60);
     },
     {"Elementart=0|DfrPunkt", "IstStreckungszentrum=1", "Koord=0|0|0", "Punktform=0"}},
    {"ProjektionsvektorNurMitRolle",
     [](TListe& l) {
         auto& v = Neu<TVektor>(l, "v");
         auto& p = Neu<TEbene>(l, "E");
         p.Festlegung = TEbene::ENOR;
         p.Normale = {0, 0, 2};
         p.d = -4;
         p.Projektionsvektor = &v;
     },
     {"Elementart=8|DEbene", "Festlegung=1", "ENOR=0|0|2|-4"}},
    {"NamenNurUnterEGVMaskiert",
     [](TListe& l) {
         auto& a = Punkt(l, "a", {0, 0, 0});
         auto& b = Punkt(l, "b", {1, 0, 0});
         auto& g = Neu<TGerade>(l, "g");
         g.Festlegung = TGerade::GPP;
         g.Bezuege = {&a, &b, nullptr};
         auto& v = Neu<TVektor>(l, "v");
         v.Komponenten = {0, 0, 1};
         auto& e = Neu<TEbene>(l, "Ebene");
         e.Festlegung = TEbene::EGV;
         e.Bezuege = {&g, &v, nullptr};
     },
     {"Elementart=8|DEbene", "Festlegung=7", "EGV=@g|@v"}},
    {"GeradeMitRand",
     [](TListe& l) {
         auto& g = Neu<TGerade>(l, "g");
         g.Richtung = {1, 0, 0};
         g.MitRand = true;
     },
     {"Elementart=5|DGerade", "GPAR=0|0|0|1|0|0", "mit Rand=1"}},
    {"PfeilMitEigenemVektor",
     [](TListe& l) {
         ZweiPunkte(l);
         auto& v = Neu<TVektor>(l, "V1");
         auto& pf = Neu<TPfeil>(l, "Pf1");
         v.Festlegung = TVektor::VPf;
         v.Bezuege[0] = &pf;
         pf.Bezuege = {l[1], l[2], &v};
     },
     {"Elementart=3|DPfeil", "PfPP=A|B|V1"}},
    {"VektorEinesPfeils",
     [](TListe& l) {
         ZweiPunkte(l);
         auto& pf = Neu<TPfeil>(l, "Pf1");
         auto& v = Neu<TVektor>(l, "V1");
         v.Festlegung = TVektor::VPf;
         v.Bezuege[0] = &pf;
         pf.Bezuege = {l[1], l[2], &v};
     },
     {"Elementart=2|DVektor", "Festlegung=4", "VPf=Pf1"}},
    {"Pyramide",
     [](TListe& l) {
         ZweiPunkte(l);
         Punkt(l, "C", {0, 1, 0});
         Punkt(l, "S", {0, 0, 5});
         auto& d = Neu<TDreieck>(l, "D");
         d.Bezuege = {l[1], l[2], l[3]};
         auto& p = Neu<TPyramide3>(l, "DP");
         p.Bezuege = {&d, l[4], nullptr};
     },
     {"Elementart=7|DPyramide3", "G_S=D|S"}},
    {"StreckeHatKeinenModus",
     [](TListe& l) {
         ZweiPunkte(l);
         auto& s = Neu<TStrecke>(l, "S");
         s.Festlegung = 3;
         s.Bezuege = {l[1], l[2], nullptr};
     },
     {"Elementart=4|DStrecke", "VonBis=A|B"}},
    {"Schnitt",
     [](TListe& l) {
         ZweiPunkte(l);
         auto& s = Punkt(l, "S", {1, 1, 1});
         s.Entstehung.Art = TEntstehungsart::Schnitt;
         s.Entstehung.Elemente[0].Element = l[1];
         s.Entstehung.Elemente[1].Element = l[2];
     },
     {"Elementart=0|DfrPunkt", "Entstehungsart=1|Schnitt", "Entstehungselemente=A|B", "Koord=1|1|1",
      "Punktform=0"}},
    {"StreckungMitFaktor",
     [](TListe& l) {
         ZweiPunkte(l);
         auto& s = Punkt(l, "A'", {2, 2, 2});
         s.Entstehung.Art = TEntstehungsart::Streckung;
         s.Entstehung.Originalelement = l[1];
         s.Entstehung.Elemente[0].Element = l[2];
         s.Entstehung.Elemente[1].Zahl = 0.5L;
     },
     {"Elementart=0|DfrPunkt", "Entstehungsart=5|Streckung", "Originalelement=A",
      "Entstehungselemente=B|0,5", "Koord=2|2|2", "Punktform=0"}},
    {"TeilpunktMitVerhaeltnis",
     [](TListe& l) {
         ZweiPunkte(l);
         auto& s = Punkt(l, "T", {2, 2, 2});
         s.Entstehung.Art = TEntstehungsart::TeilPunkt;
         s.Entstehung.Elemente[0].Element = l[1];
         s.Entstehung.Elemente[1].Element = l[2];
         s.Entstehung.Elemente[2].Zahl = 0.25L;
     },
     {"Elementart=0|DfrPunkt", "Entstehungsart=13|TeilPunkt", "Entstehungselemente=A|B|0,25",
      "Koord=2|2|2", "Punktform=0"}},
    {"VielfachesMitFaktor",
     [](TListe& l) {
         auto& v = Neu<TVektor>(l, "v");
         v.Komponenten = {1, 0, 0};
         auto& w = Neu<TVektor>(l, "w");
         w.Komponenten = {3, 0, 0};
         w.Entstehung.Art = TEntstehungsart::SMult;
         w.Entstehung.Elemente[0].Element = &v;
         w.Entstehung.Elemente[1].Zahl = 3;
     },
     {"Elementart=2|DVektor", "Entstehungsart=22|SMult", "Entstehungselemente=v|3", "V=3|0|0"}},
    {"ReservierteArtOhneOperanden",
     [](TListe& l) {
         Punkt(l, "P", {0, 0, 0}).Entstehung.Art = TEntstehungsart::Drehung;
     },
     {"Elementart=0|DfrPunkt", "Entstehungsart=6|Drehung", "Entstehungselemente=", "Koord=0|0|0",
      "Punktform=0"}},
};

INSTANTIATE_TEST_SUITE_P(Elemente, Schluessel,
                         ::testing::Combine(::testing::ValuesIn(SchluesselFaelle),
                                            ::testing::Values(',', '.')),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) +
                                    (std::get<1>(info.param) == ',' ? "_Komma" : "_Punkt");
                         });

// ---------------------------------------------------------------------------
// A document with every kind, every definition mode, every derivation code
// and every mapping role survives saving and loading.

void VollesDokument(TListe& l) {
    auto& A = Punkt(l, "A", {1, 2, 3});
    A.SetzeRolle(TRolle::IstSpiegelzentrum, true);
    auto& B = Punkt(l, "B", {4, 0, 0});
    B.SetzeRolle(TRolle::IstStreckungszentrum, true);
    B.Streckungsfaktor = 0.5L;
    B.Punktform = 3;
    B.Dicke = 3;
    auto& C = Punkt(l, "C", {0.1L, 4, -1.25L});
    C.Farbe = RGB(0, 128, 255);
    auto& v = Neu<TVektor>(l, "v");
    v.Komponenten = {1, 1, 0};
    v.SetzeRolle(TRolle::IstP_ProjektionsVektor, true);
    auto& P = Neu<TfrPunkt>(l, "P");
    P.Festlegung = TfrPunkt::PV;
    P.Bezuege = {&A, &v, nullptr};
    P.markiert = true;

    auto& g = Neu<TGerade>(l, "g");
    g.Punkt = {0, 0, 0};
    g.Richtung = {1, 2, 3};
    g.SetzeRolle(TRolle::IstSpiegelAchse, true);
    g.MitRand = true;
    auto& h = Neu<TGerade>(l, "h");
    h.Festlegung = TGerade::GPP;
    h.Bezuege = {&A, &B, nullptr};
    h.fest = true;
    auto& k = Neu<TGerade>(l, "k");
    k.Festlegung = TGerade::GPV;
    k.Bezuege = {&C, &v, nullptr};

    auto& E1 = Neu<TEbene>(l, "E1");
    E1.Punkt = {0, 0, 0};
    E1.Richtung1 = {1, 0, 0};
    E1.Richtung2 = {0, 1, 0};
    E1.SetzeRolle(TRolle::IstSpiegelEbene, true);
    E1.SetzeRolle(TRolle::IstO_Projektionsebene, true);
    E1.SetzeRolle(TRolle::IstP_Projektionsebene, true);
    E1.Projektionsvektor = &v;
    E1.Transparenz = 2;
    auto& E2 = Neu<TEbene>(l, "E2");
    E2.Festlegung = TEbene::ENOR;
    E2.Normale = {1, 2, 3};
    E2.d = 4;
    E2.sichtbar = false;

    auto& w = Neu<TVektor>(l, "w");
    w.Festlegung = TVektor::V2P;
    w.Bezuege = {&A, &B, nullptr};
    auto& vg = Neu<TVektor>(l, "vg");
    vg.Festlegung = TVektor::VG;
    vg.Bezuege[0] = &g;
    auto& ve = Neu<TVektor>(l, "ve");
    ve.Festlegung = TVektor::VE;
    ve.Bezuege[0] = &E1;
    auto& pf = Neu<TPfeil>(l, "Pf1");
    auto& vpf = Neu<TVektor>(l, "V1");
    vpf.Festlegung = TVektor::VPf;
    vpf.Bezuege[0] = &pf;
    pf.Bezuege = {&A, &B, &vpf};
    auto& pf2 = Neu<TPfeil>(l, "Pf2");
    pf2.Festlegung = TPfeil::PfPV;
    pf2.Bezuege = {&C, &v, nullptr};
    auto& s = Neu<TStrecke>(l, "S1");
    s.Bezuege = {&A, &C, nullptr};
    s.NameSichtbar = false;
    auto& D = Neu<TDreieck>(l, "D1");
    D.Bezuege = {&A, &B, &C};
    D.Hilfslinien = false;
    auto& DP = Neu<TPyramide3>(l, "DP1");
    DP.Bezuege = {&D, &P, nullptr};

    const std::pair<int, std::array<TDreiDBasisElement*, 2>> ebenen[] = {
        {TEbene::EPPP, {&A, &B}}, {TEbene::EPVV, {&A, &v}}, {TEbene::EPG, {&A, &g}},
        {TEbene::EGG, {&g, &h}},  {TEbene::EPV, {&A, &v}},  {TEbene::EGV, {&g, &v}}};
    int nr = 3;
    for (const auto& [modus, bez] : ebenen) {
        auto& e = Neu<TEbene>(l, "E" + std::to_string(nr++));
        e.Festlegung = static_cast<std::uint8_t>(modus);
        e.Bezuege = {bez[0], bez[1], nullptr};
        if (modus == TEbene::EPPP) e.Bezuege[2] = &C;
        if (modus == TEbene::EPVV) e.Bezuege[2] = &w;
    }

    // One derived element for each code; reserved codes carry no operands.
    struct TAbl {
        TEntstehungsart Art;
        int Kind;
        TDreiDBasisElement* Original;
        std::array<TDreiDBasisElement*, 3> Ops;
        Real Zahl;
    };
    const TAbl abl[] = {
        {TEntstehungsart::Schnitt, 0, nullptr, {&g, &E1, nullptr}, 0},
        {TEntstehungsart::ASpiegelung, 0, &C, {&g, nullptr, nullptr}, 0},
        {TEntstehungsart::PSpiegelung, 0, &C, {&A, nullptr, nullptr}, 0},
        {TEntstehungsart::ESpiegelung, 0, &C, {&E1, nullptr, nullptr}, 0},
        {TEntstehungsart::Streckung, 0, &C, {&B, nullptr, nullptr}, 0.5L},
        {TEntstehungsart::Drehung, 0, nullptr, {}, 0},
        {TEntstehungsart::Translation, 0, nullptr, {}, 0},
        {TEntstehungsart::O_Projektion, 0, &C, {&E1, nullptr, nullptr}, 0},
        {TEntstehungsart::P_Projektion, 0, &C, {&E1, &v, nullptr}, 0},
        {TEntstehungsart::LotPE, 5, nullptr, {&C, &E1, nullptr}, 0},
        {TEntstehungsart::LotPG, 5, nullptr, {&C, &g, nullptr}, 0},
        {TEntstehungsart::LotGG, 5, nullptr, {&g, &k, nullptr}, 0},
        {TEntstehungsart::TeilPunkt, 0, nullptr, {&A, &B, nullptr}, -0.75L},
        {TEntstehungsart::Mittelpunkt, 0, nullptr, {&A, &B, nullptr}, 0},
        {TEntstehungsart::Schwerpunkt, 0, nullptr, {&A, &B, &C}, 0},
        {TEntstehungsart::Mittelgerade, 5, nullptr, {&g, &h, nullptr}, 0},
        {TEntstehungsart::MittelEbene, 8, nullptr, {&A, &B, nullptr}, 0},
        {TEntstehungsart::Add2, 2, nullptr, {&v, &w, nullptr}, 0},
        {TEntstehungsart::Add3, 2, nullptr, {&v, &w, &vg}, 0},
        {TEntstehungsart::Gegenvektor, 2, nullptr, {&v, nullptr, nullptr}, 0},
        {TEntstehungsart::VProdukt, 2, nullptr, {&v, &w, nullptr}, 0},
        {TEntstehungsart::SMult, 2, nullptr, {&v, nullptr, nullptr}, 3},
        {TEntstehungsart::Antragen, 0, nullptr, {}, 0},
    };
    nr = 1;
    for (const TAbl& a : abl) {
        TDreiDBasisElement* e = l.Neu(static_cast<TElementart>(a.Kind));
        ASSERT_NE(e, nullptr);
        e->Name = "X" + std::to_string(nr++);
        e->Farbe = Schwarz;
        e->NameSichtbar = e->Hilfslinien = true;
        if (a.Kind == 0) {
            static_cast<TfrPunkt&>(*e).Punktform = 1;
            static_cast<TfrPunkt&>(*e).Koordinaten = {nr * 0.5L, -1, 2};
        } else if (a.Kind == 5) {
            static_cast<TGerade&>(*e).Richtung = {0, 0, 1};
        } else if (a.Kind == 8) {
            auto& p = static_cast<TEbene&>(*e);
            p.Richtung1 = {1, 0, 0};
            p.Richtung2 = {0, 0, 1};
        }
        e->Entstehung.Art = a.Art;
        e->Entstehung.Originalelement = a.Original;
        for (int i = 0; i < 3; ++i)
            e->Entstehung.Elemente[i].Element = a.Ops[i];
        if (a.Art == TEntstehungsart::Streckung || a.Art == TEntstehungsart::SMult)
            e->Entstehung.Elemente[1].Zahl = a.Zahl;
        if (a.Art == TEntstehungsart::TeilPunkt) e->Entstehung.Elemente[2].Zahl = a.Zahl;
    }
}

std::string NameVon(const TDreiDBasisElement* e) {
    return e ? e->Name : "-";
}

// Everything the file stores about an element, with references by name.
std::string Beschreibung(const TDreiDBasisElement& e) {
    std::ostringstream t;
    t.precision(21);
    t << e.Name << " art " << e.ArtNummer() << " farbe " << e.Farbe << " tr " << e.Transparenz
      << " dicke " << e.Dicke << " flags " << e.fest << e.sichtbar << e.markiert << e.NameSichtbar
      << e.Hilfslinien << " ent " << static_cast<int>(e.Entstehung.Art) << " orig "
      << NameVon(e.Entstehung.Originalelement);
    for (const auto& op : e.Entstehung.Elemente)
        t << " op " << NameVon(op.Element) << "/" << op.Zahl;
    t << " rollen ";
    for (bool r : e.Rollen)
        t << r;
    t << " faktor " << e.Streckungsfaktor << " pv " << NameVon(e.Projektionsvektor) << " fest "
      << int(e.Festlegung);
    for (const auto* b : e.Bezuege)
        t << " bez " << NameVon(b);
    if (const auto* p = dynamic_cast<const TfrPunkt*>(&e))
        t << " koord " << p->Koordinaten.x << "|" << p->Koordinaten.y << "|" << p->Koordinaten.z
          << " form " << int(p->Punktform);
    if (const auto* v = dynamic_cast<const TVektor*>(&e))
        t << " komp " << v->Komponenten.x << "|" << v->Komponenten.y << "|" << v->Komponenten.z;
    if (const auto* g = dynamic_cast<const TGerade*>(&e))
        t << " gerade " << g->Punkt.x << "|" << g->Punkt.y << "|" << g->Punkt.z << "|"
          << g->Richtung.x << "|" << g->Richtung.y << "|" << g->Richtung.z << " rand "
          << g->MitRand;
    if (const auto* p = dynamic_cast<const TEbene*>(&e))
        t << " ebene " << p->Punkt.x << "|" << p->Punkt.y << "|" << p->Punkt.z << "|"
          << p->Richtung1.x << "|" << p->Richtung1.y << "|" << p->Richtung1.z << "|"
          << p->Richtung2.x << "|" << p->Richtung2.y << "|" << p->Richtung2.z << "|" << p->Normale.x
          << "|" << p->Normale.y << "|" << p->Normale.z << "|" << p->d;
    return t.str();
}

using Rundreise = MitTrennern;

TEST_P(Rundreise, EveryKindModeDerivationAndRoleComesBack) {
    TListe liste;
    VollesDokument(liste);
    TKoordinatensystem ks;
    ks.Achsen[0] = {-2.5L, 11, false};
    ks.Achsen[2] = {-1, 0.75L, true};
    ks.AchsenFarbe = RGB(10, 20, 30);
    ks.Skalierung = 1;
    ks.Achsenbeschriftung = false;
    ks.GleicheGrenzen = false;
    ks.Ebenen[1] = {0, 0, 0, 0, 3, RGB(1, 1, 1), true};
    ks.AbgeleiteteDatenBerechnen();

    const std::string datei = ordner_ / "voll.kvr";
    ASSERT_TRUE(DokumentSchreiben(datei, liste, ks));
    TListe gelesen;
    TKoordinatensystem ks2;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentLesen(datei, gelesen, ks2, rollen, false));
    EXPECT_TRUE(protokoll_.Eintraege.empty());
    EXPECT_EQ(rollen, 127);

    ASSERT_EQ(gelesen.Anzahl(), liste.Anzahl());
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        std::string erwartet = Beschreibung(*liste[i]);
        // The reserved codes carry no operands, and an empty operand list
        // reads back as an independent element.
        const auto art = liste[i]->Entstehung.Art;
        if (art == TEntstehungsart::Drehung || art == TEntstehungsart::Translation ||
            art == TEntstehungsart::Antragen) {
            liste[i]->Entstehung.Art = TEntstehungsart::keine;
            erwartet = Beschreibung(*liste[i]);
        }
        EXPECT_EQ(Beschreibung(*gelesen[i]), erwartet);
    }
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(ks2.Achsen[a].Unten, ks.Achsen[a].Unten);
        EXPECT_EQ(ks2.Achsen[a].Oben, ks.Achsen[a].Oben);
        EXPECT_EQ(ks2.Achsen[a].Zeichnen, ks.Achsen[a].Zeichnen);
        EXPECT_EQ(ks2.Ebenen[a].Transparenz, ks.Ebenen[a].Transparenz);
        EXPECT_EQ(ks2.Ebenen[a].Farbe, ks.Ebenen[a].Farbe);
        EXPECT_EQ(ks2.Ebenen[a].Zeichnen, ks.Ebenen[a].Zeichnen);
        EXPECT_EQ(ks2.Ebenen[a].Unten1, ks.Ebenen[a].Unten1);
    }
    EXPECT_EQ(ks2.AchsenFarbe, ks.AchsenFarbe);
    EXPECT_EQ(ks2.Skalierung, 1);
    EXPECT_FALSE(ks2.Achsenbeschriftung);
    EXPECT_FALSE(ks2.GleicheGrenzen);
    EXPECT_EQ(ks2.H, 11);

    const std::string nochmal = ordner_ / "nochmal.kvr";
    ASSERT_TRUE(DokumentSchreiben(nochmal, gelesen, ks2));
    TListe dritte;
    TKoordinatensystem ks3;
    ASSERT_TRUE(DokumentLesen(nochmal, dritte, ks3, rollen, false));
    const std::string drittesMal = ordner_ / "dritte.kvr";
    ASSERT_TRUE(DokumentSchreiben(drittesMal, dritte, ks3));
    EXPECT_EQ(DateiInhalt(drittesMal), DateiInhalt(nochmal));
}

TEST_P(Rundreise, SmallAndOddNumbersKeepFifteenDigits) {
    TListe liste;
    Punkt(liste, "P", {1.0L / 3, -123456.789012345L, 2.5e-300L});
    Punkt(liste, "Q", {1e15L, 1234567890123456.0L, -0.0001L});
    const std::string datei = ordner_ / "zahlen.kvr";
    ASSERT_TRUE(DokumentSchreiben(datei, liste, TKoordinatensystem{}));
    TListe gelesen;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentLesen(datei, gelesen, ks, rollen, false));
    ASSERT_EQ(gelesen.Anzahl(), 2);
    const TTripel p = Als<TfrPunkt>(*gelesen[1]).Koordinaten;
    EXPECT_NEAR(static_cast<double>(p.x), 1.0 / 3, 1e-15);
    EXPECT_EQ(p.y, -123456.789012345L);
    EXPECT_NEAR(static_cast<double>(p.z / 2.5e-300L), 1, 1e-14);
    const TTripel q = Als<TfrPunkt>(*gelesen[2]).Koordinaten;
    EXPECT_EQ(q.x, 1e15L);
    EXPECT_NEAR(static_cast<double>(q.y / 1234567890123456.0L), 1, 1e-14);
    EXPECT_EQ(q.z, -0.0001L);
}

INSTANTIATE_TEST_SUITE_P(Dezimaltrenner, Rundreise, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Komma" : "Punkt"; });

TEST(DokumentSchreiben, SmallAndCapitalGAreTwoSections) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;
    TListe liste;
    Punkt(liste, "g", {1, 0, 0});
    Punkt(liste, "G", {2, 0, 0});
    const std::string datei = ordner / "gG.kvr";
    ASSERT_TRUE(DokumentSchreiben(datei, liste, TKoordinatensystem{}));
    EXPECT_EQ(Abschnitt(DateiInhalt(datei), "@g"),
              (std::vector<std::string>{"Elementart=0|DfrPunkt", "Koord=1|0|0", "Punktform=0"}));
    EXPECT_EQ(Abschnitt(DateiInhalt(datei), "G"),
              (std::vector<std::string>{"Elementart=0|DfrPunkt", "Koord=2|0|0", "Punktform=0"}));
    TListe gelesen;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentLesen(datei, gelesen, ks, rollen, false));
    ASSERT_EQ(gelesen.Anzahl(), 2);
    EXPECT_EQ(gelesen[1]->Name, "g");
    EXPECT_EQ(Als<TfrPunkt>(*gelesen[1]).Koordinaten.x, 1);
    EXPECT_EQ(gelesen[2]->Name, "G");
    EXPECT_EQ(Als<TfrPunkt>(*gelesen[2]).Koordinaten.x, 2);
}

TEST(DokumentSchreiben, NamesWithAtSignAndUmlautsComeBack) {
    test::TTestOrdner ordner;
    TListe liste;
    auto& a = Punkt(liste, "x@1", {1, 0, 0});
    auto& b = Punkt(liste, "Übung_ä", {0, 1, 0});
    auto& g = Neu<TGerade>(liste, "ü]=[€");
    g.Festlegung = TGerade::GPP;
    g.Bezuege = {&a, &b, nullptr};
    auto& v = Neu<TVektor>(liste, "@v");
    v.Komponenten = {0, 0, 1};
    auto& e = Neu<TEbene>(liste, "e");
    e.Festlegung = TEbene::EGV;
    e.Bezuege = {&g, &v, nullptr};
    const std::string datei = ordner / "namen.kvr";
    ASSERT_TRUE(DokumentSchreiben(datei, liste, TKoordinatensystem{}));
    TListe gelesen;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    ASSERT_TRUE(DokumentLesen(datei, gelesen, ks, rollen, false));
    ASSERT_EQ(gelesen.Anzahl(), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(Beschreibung(*gelesen[i]), Beschreibung(*liste[i]));
}

// ---------------------------------------------------------------------------
// A name that cannot be stored faithfully refuses the whole save.

struct TNamensFall {
    const char* Fall;
    std::vector<std::string> Namen;
    std::string Meldung;
};

void PrintTo(const TNamensFall& f, std::ostream* os) {
    *os << f.Fall;
}

class UnspeicherbareNamen : public ::testing::TestWithParam<TNamensFall> {};

TEST_P(UnspeicherbareNamen, RefuseTheSaveAndKeepTheOldFile) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;
    TListe liste;
    for (const std::string& n : GetParam().Namen)
        Punkt(liste, n, {1, 1, 1});
    const std::string datei = ordner / "alt.kvr";
    test::DateiSchreiben(datei, "alter Inhalt");
    EXPECT_FALSE(DokumentSchreiben(datei, liste, TKoordinatensystem{}));
    EXPECT_EQ(DateiInhalt(datei), "alter Inhalt");
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text,
              GetParam().Meldung + "\r\nDie Datei wurde nicht gespeichert. (" + datei + ")");
    EXPECT_EQ(protokoll.Eintraege[0].Titel, "Kalvorin");
    EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_EQ(protokoll.CursorTiefe, 0);
}

const std::string Zeichen = " enthält Zeichen, die in der Datei nicht gespeichert werden können.";
const TNamensFall NamensFaelle[] = {
    {"Griechisch", {"A", "Pα"}, "Der Name Pα" + Zeichen},
    {"Leerzeichen", {"P 1"}, "Der Name P 1" + Zeichen},
    {"Strich", {"P|1"}, "Der Name P|1" + Zeichen},
    {"Tabulator", {"P\t1"}, "Der Name P\t1" + Zeichen},
    {"KeinUtf8", {"P\xff"}, "Der Name P\xff" + Zeichen},
    {"Leer", {""}, "Ein Element ohne Namen kann in der Datei nicht gespeichert werden."},
    {"Zulang",
     {"ABCDEFGHIJKLM"},
     "Der Name ABCDEFGHIJKLM ist länger als 12 Zeichen und kann in der Datei nicht gespeichert "
     "werden."},
    {"Doppelt",
     {"A", "B", "A"},
     "Der Name A kann nicht gespeichert werden, da er in der Datei schon für einen anderen "
     "Abschnitt steht."},
    {"Reserviert",
     {"KOORD-ACHSEN"},
     "Der Name KOORD-ACHSEN kann nicht gespeichert werden, da er in der Datei schon für einen "
     "anderen Abschnitt steht."},
    {"VersionKlein",
     {"VERSION"},
     "Der Name VERSION kann nicht gespeichert werden, da er in der Datei schon für einen anderen "
     "Abschnitt steht."},
};

INSTANTIATE_TEST_SUITE_P(Namen, UnspeicherbareNamen, ::testing::ValuesIn(NamensFaelle),
                         [](const auto& info) { return std::string(info.param.Fall); });

// ---------------------------------------------------------------------------

std::string Meldung(const std::string& ursache, const std::string& datei) {
    return "Kalvorin kann diese Datei weder speichern noch erstellen.\r\n" + ursache + " (" +
           datei + ")";
}

TEST(DokumentSchreiben, AFileThatCannotBeCreatedIsReported) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;
    TListe liste;
    TKoordinatensystem ks;
    Beispiel(liste, ks);
    const std::string datei = ordner / "fehlt/d.kvr";
    EXPECT_FALSE(DokumentSchreiben(datei, liste, ks));
    ASSERT_EQ(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text, Meldung("Den Ordner gibt es nicht.", datei));
    EXPECT_EQ(protokoll.Eintraege[0].Titel, "Kalvorin");
    EXPECT_EQ(protokoll.Eintraege[0].Art, TMeldungsart::Warnung);
    EXPECT_FALSE(std::filesystem::exists(datei));
}

TEST(DokumentSchreiben, AFailedReplacementLeavesTheOldFile) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;
    TListe liste;
    TKoordinatensystem ks;
    Beispiel(liste, ks);
    const std::string datei = ordner / "d.kvr";
    test::DateiSchreiben(datei, "[Alt]\r\nx=1\r\n");
    SetzeErsetzenProbe([](const std::string&) { return false; });
    EXPECT_FALSE(DokumentSchreiben(datei, liste, ks));
    SetzeErsetzenProbe(nullptr);
    EXPECT_EQ(DateiInhalt(datei), "[Alt]\r\nx=1\r\n");
    ASSERT_GE(protokoll.Eintraege.size(), 1u);
    EXPECT_EQ(protokoll.Eintraege[0].Text,
              Meldung("Auf dem Datenträger ist nicht genug Platz frei.", datei));
    // Nothing is left behind beside the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.Pfad()),
                            std::filesystem::directory_iterator{}),
              1);
}

TEST(DokumentSchreiben, ReplacesAnOlderLongerFileCompletely) {
    test::TTestOrdner ordner;
    TListe liste;
    TKoordinatensystem ks;
    Beispiel(liste, ks);
    const std::string datei = ordner / "d.kvr";
    test::DateiSchreiben(datei, "[Notiz]\r\nText=alt\r\n[Z]\r\nElementart=0|DfrPunkt\r\n");
    ASSERT_TRUE(DokumentSchreiben(datei, liste, ks));
    EXPECT_EQ(DateiInhalt(datei), BeispielDatei);
}

TEST(DokumentSchreiben, ReadOnlyFilesAreRecognised) {
    test::TTestOrdner ordner;
    const std::string datei = ordner / "d.kvr";
    EXPECT_FALSE(DokumentSchreibgeschuetzt(datei)); // missing: can be created
    test::DateiSchreiben(datei, "");
    EXPECT_FALSE(DokumentSchreibgeschuetzt(datei));
    std::filesystem::permissions(datei, std::filesystem::perms::owner_read);
    // Even the administrator, who could write it, does not overwrite it: the
    // file is marked read-only for everyone.
    EXPECT_TRUE(DokumentSchreibgeschuetzt(datei));
    EXPECT_TRUE(DokumentSchreibgeschuetzt(ordner / "."));
    ASSERT_EQ(::mkfifo((ordner / "rohr.kvr").c_str(), 0666), 0);
    EXPECT_TRUE(DokumentSchreibgeschuetzt(ordner / "rohr.kvr"));
}

// What is not a plain writable file is never replaced: not a write-protected
// file, a pipe, a folder, nor what a link points to of these; and the user
// learns which of them it was.
struct TZiel {
    const char* Fall;
    std::function<void(const std::string&)> Anlegen;
    std::string Ursache;
    TSchreibfehler Fehler;
};

void PrintTo(const TZiel& z, std::ostream* os) {
    *os << z.Fall;
}

class Ziele : public ::testing::TestWithParam<TZiel> {};

TEST_P(Ziele, ThatAreNoWritableFilesAreRefusedWithTheirCause) {
    test::TTestOrdner ordner;
    TMeldungsProtokoll protokoll;
    TListe liste;
    TKoordinatensystem ks;
    Beispiel(liste, ks);
    const std::string ziel = ordner / "ziel";
    GetParam().Anlegen(ziel);
    const auto vorher = std::filesystem::symlink_status(ziel).type();
    const std::string datei = ordner / "d.kvr";
    ASSERT_EQ(::symlink(ziel.c_str(), datei.c_str()), 0);
    for (const std::string& name : {ziel, datei}) {
        SCOPED_TRACE(name);
        protokoll.Eintraege.clear();
        EXPECT_EQ(ZielPruefen(name), GetParam().Fehler);
        EXPECT_FALSE(DokumentSchreiben(name, liste, ks));
        ASSERT_EQ(protokoll.Eintraege.size(), 1u);
        EXPECT_EQ(protokoll.Eintraege[0].Text, Meldung(GetParam().Ursache, name));
        EXPECT_NE(DateiErsetzen(name, "x"), "");
    }
    // Still what it was, and nothing left beside it.
    EXPECT_EQ(std::filesystem::symlink_status(ziel).type(), vorher);
    if (vorher == std::filesystem::file_type::regular) {
        EXPECT_EQ(DateiInhalt(ziel), "alt");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.Pfad()),
                            std::filesystem::directory_iterator{}),
              2);
}

const TZiel ZielFaelle[] = {
    {"Schreibgeschuetzt",
     [](const std::string& z) {
         test::DateiSchreiben(z, "alt");
         std::filesystem::permissions(z, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
     },
     "Die Datei ist schreibgeschützt und wird nicht überschrieben.",
     TSchreibfehler::Schreibgeschuetzt},
    {"Pipe", [](const std::string& z) { ASSERT_EQ(::mkfifo(z.c_str(), 0666), 0); },
     "Unter diesem Namen steht keine gewöhnliche Datei, sondern ein Gerät oder eine Verbindung "
     "zwischen Programmen; sie wird nicht überschrieben.",
     TSchreibfehler::KeineDatei},
    {"Ordner", [](const std::string& z) { std::filesystem::create_directory(z); },
     "Unter diesem Namen steht ein Ordner.", TSchreibfehler::Ordner},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Ziele, ::testing::ValuesIn(ZielFaelle),
                         [](const auto& info) { return std::string(info.param.Fall); });

TEST(DokumentSchreiben, EveryCauseHasASentenceOfItsOwn) {
    const std::pair<int, TSchreibfehler> faelle[] = {
        {ENOSPC, TSchreibfehler::Voll},
        {EDQUOT, TSchreibfehler::Voll},
        {EACCES, TSchreibfehler::KeineBerechtigung},
        {EPERM, TSchreibfehler::KeineBerechtigung},
        {EROFS, TSchreibfehler::NurLesen},
        {EISDIR, TSchreibfehler::Ordner},
        {ENOENT, TSchreibfehler::OrdnerFehlt},
        {EIO, TSchreibfehler::Sonstiges},
    };
    std::set<std::string> saetze;
    for (const auto& [nummer, fehler] : faelle) {
        EXPECT_EQ(SchreibfehlerAusErrno(nummer), fehler) << nummer;
        saetze.insert(SchreibfehlerText(fehler, "d.kvr"));
    }
    for (const TSchreibfehler f : {TSchreibfehler::Schreibgeschuetzt, TSchreibfehler::KeineDatei})
        saetze.insert(SchreibfehlerText(f, "d.kvr"));
    EXPECT_EQ(saetze.size(), 8u);
    EXPECT_EQ(SchreibfehlerText(TSchreibfehler::Sonstiges, "d.kvr"),
              "Eventuell ist der Datenträger schreibgeschützt. (d.kvr)");
}

TEST(DokumentSchreiben, ANewFileTakesThePermissionsAskedFor) {
    test::TTestOrdner ordner;
    TListe liste;
    TKoordinatensystem ks;
    Beispiel(liste, ks);
    ASSERT_TRUE(DokumentSchreiben(ordner / "privat.kvr", liste, ks, 0600));
    EXPECT_EQ(std::filesystem::status(ordner / "privat.kvr").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    // An existing file keeps its own.
    test::DateiSchreiben(ordner / "offen.kvr", "");
    std::filesystem::permissions(ordner / "offen.kvr", std::filesystem::perms::owner_all |
                                                           std::filesystem::perms::group_read);
    ASSERT_TRUE(DokumentSchreiben(ordner / "offen.kvr", liste, ks, 0600));
    EXPECT_EQ(std::filesystem::status(ordner / "offen.kvr").permissions(),
              std::filesystem::perms::owner_all | std::filesystem::perms::group_read);
}

} // namespace
