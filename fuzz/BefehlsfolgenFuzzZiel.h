#pragma once
// One fuzz input as a teacher's session: a document, then a sequence of
// operations decoded from the bytes (marks, every core command of the
// command table, every element dialog with its fields, the coordinate
// system, zoom, saving and loading, inserting a file), and after every
// operation the invariants of document/Invarianten.h. Shared by the
// libFuzzer target, the test that replays the seed corpus and the seed
// generator.
//
// Input: byte 0 chooses the decimal separator (bit 0); then a document file
// up to the first zero byte (loaded when not empty); then the operations,
// each an operation byte followed by the bytes it reads. A byte below the
// number of operations selects that operation; a higher one selects it
// modulo the number, so that the low numbers stay stable when rows are
// added. Missing bytes read as 0.

#include "DokumentFuzzZiel.h"

#include "ausgabe/Objektliste.h"
#include "befehle/Befehle.h"
#include "befehle/Befehlstabelle.h"
#include "befehle/Messen.h"
#include "document/Dokument.h"
#include "document/Invarianten.h"
#include "eingabe/DreieckEingabe.h"
#include "eingabe/EbenenEingabe.h"
#include "eingabe/GeradenEingabe.h"
#include "eingabe/KoordinatensystemEingabe.h"
#include "eingabe/KreisEingabe.h"
#include "eingabe/KugelEingabe.h"
#include "eingabe/PfeilEingabe.h"
#include "eingabe/PunktEingabe.h"
#include "eingabe/PyramidenEingabe.h"
#include "eingabe/StreckenEingabe.h"
#include "eingabe/VektorEingabe.h"
#include "eingabe/ViereckEingabe.h"
#include "exakt/ExakteGeometrie.h"
#include "model/Meldungen.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin::fuzz {

// The test that replays the corpus reports through this instead of aborting.
inline void (*BefehlsfolgeMelden)(const std::string& regel) = nullptr;
// Tests look at the document a session leaves behind.
inline void (*BefehlsfolgeEnde)(const TDokument& dokument) = nullptr;

// ---------------------------------------------------------------------------
// Reading the bytes.

class TFolgenLeser {
public:
    TFolgenLeser(const std::uint8_t* daten, std::size_t groesse) : p_(daten), n_(groesse) {}
    bool Ende() const { return i_ >= n_; }
    std::uint8_t Byte() { return i_ < n_ ? p_[i_++] : 0; }
    int Bis(int n) { return n <= 0 ? 0 : Byte() % n; }
    bool Bit() { return (Byte() & 1) != 0; }

private:
    const std::uint8_t* p_;
    std::size_t n_;
    std::size_t i_ = 0;
};

// Texts as a user types them, in the user's decimal separator.
inline constexpr std::array<const char*, 16> Zahltexte = {
    "",    "0",   "1",    "-1",  "2",    "3",   "4",         "5",
    "0,5", "1/3", "-7/2", "256", "-256", "257", "0,0000001", "  "};

inline std::string MitTrennzeichen(std::string t) {
    for (char& c : t)
        if (c == ',') c = Einstellungen().Dezimaltrenner;
    return t;
}

// A raw byte as the character a keyboard gives: ASCII stays, a few bytes
// stand for characters outside Windows-1252, the rest for Latin-1.
inline void ZeichenAnhaengen(std::string& s, std::uint8_t b) {
    if (b < 0x80) {
        s += static_cast<char>(b);
        return;
    }
    switch (b) {
    case 0x80:
        s += "\u20ac";
        return; // euro sign, in Windows-1252
    case 0x81:
        s += "\u221a";
        return; // square root, not in Windows-1252
    case 0x82:
        s += "\U0001F600";
        return;
    case 0x83:
        s += "\u1e9e";
        return;
    default:
        s += static_cast<char>(0xC0 | (b >> 6));
        s += static_cast<char>(0x80 | (b & 0x3F));
    }
}

// ---------------------------------------------------------------------------
// The session.

struct TSitzung {
    TDokument& D;
    TFolgenLeser& B;
    TMeldungsProtokoll& Protokoll;
    std::string Eingabedokument; // the input's own file
    // The list as it was before the last operation that took an undo
    // snapshot; checked by undo right after it.
    std::string VorDemSchnappschuss;
    bool RueckgaengigPruefbar = false;

    const TListe& L() const { return D.Liste(); }

    // A field's text: empty, a number of the table, typed characters, or
    // the name of an element.
    std::string Text() {
        const std::uint8_t k = B.Byte();
        if (k < 0x10) return MitTrennzeichen(Zahltexte[k]);
        if (k < 0x40) {
            std::string s;
            for (int i = 0; i < k - 0x10; ++i)
                ZeichenAnhaengen(s, B.Byte());
            return s;
        }
        if (L().Anzahl() == 0) return {};
        return L()[(k - 0x40) % L().Anzahl() + 1]->Name;
    }
    // One entry of a pick list, or none.
    std::string Auswahl(const std::vector<std::string>& liste) {
        const int k = B.Byte();
        if (k == 0 || liste.empty()) return {};
        return liste[static_cast<std::size_t>(k - 1) % liste.size()];
    }
    // The answer to the next question (Ja on bit 0 clear).
    void Antwort() { Protokoll.Antworten.assign(4, B.Bit() ? TAntwort::Nein : TAntwort::Ja); }
    std::string Datei(const char* name) const { return DokumentFuzzDatei(name); }
    // The document's state, to tell whether an operation changed it.
    std::string Zustand() const { return ZustandsAbbild(D); }
    // The state the invariants were last checked on: checked again only
    // after a change. It is the state every operation starts from.
    std::string Geprueft;
    // Changes since the checks of InvariantenPruefen that run only now and
    // then, and whether one is still unchecked by them.
    int AenderungenOhnePruefung = 0;
    bool TeureOffen = false;
};

// Empty when a equals b, else the text and the first line that differs.
inline std::string ErsteAbweichung(const std::string& a, const std::string& b, const char* text) {
    if (a == b) return {};
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const std::size_t anfang = a.rfind('\n', i == 0 ? 0 : i - 1);
    const std::size_t von = anfang == std::string::npos ? 0 : anfang + 1;
    return std::string(text) + ": \"" + a.substr(von, i - von + 40) + "\" became \"" +
           b.substr(von, i - von + 40) + "\"";
}

inline void SitzungPruefen(const std::string& befund, const char* was) {
    if (befund.empty()) return;
    const std::string text = std::string(was) + ": " + befund;
    if (BefehlsfolgeMelden) {
        BefehlsfolgeMelden(text);
        return;
    }
    std::fprintf(stderr, "broken rule after %s\n", text.c_str());
    std::abort();
}

// The slot of the n-th element of the kinds, 0 when there is none.
inline int ElementDerArt(const TListe& l, std::uint32_t arten, int n) {
    std::vector<int> slots;
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (IstVonArt(*l[i], arten)) slots.push_back(i);
    return slots.empty() ? 0 : slots[static_cast<std::size_t>(n) % slots.size()];
}

// ---------------------------------------------------------------------------
// The element dialogs: new or properties, the common fields, the kind's
// fields, then what "OK" does (check, then apply). A refused input must
// leave the document as it was.

inline void GemeinsamesFuellen(TSitzung& s, TElementEingabe& e) {
    switch (s.B.Bis(4)) {
    case 1:
        e.Name = s.Text();
        break;
    case 2:
        e.Name = s.L().Anzahl() ? s.L()[s.B.Bis(s.L().Anzahl()) + 1]->Name : "";
        break;
    case 3:
        e.Name.clear();
        break;
    default:
        break; // the name the dialog proposes
    }
    const std::uint8_t a = s.B.Byte();
    if (a & 0x80) {
        e.Duenn = a & 1;
        e.MitRand = a & 2;
        e.Hilfslinien = a & 4;
        e.Punktform = (a >> 3) % 5;
        e.Transparenz = (a >> 3) % 4 * 25;
        e.Farbe = static_cast<TFarbe>(a) * 0x010203u;
    }
}

inline void TeilFuellen(TSitzung& s, TTeilEingabe& t, std::uint32_t arten) {
    t.Name = s.Text();
    TeilGewaehlt(t, s.L(), arten);
    if (!t.Fest)
        for (auto& w : t.Werte)
            w = s.Text();
}

inline void FelderFuellen(TSitzung& s, TFeldTexte& f) {
    for (auto& w : f)
        w = s.Text();
}

// What "OK" does with a prepared input: the check, and on success the
// apply function; refused, the file bytes stay the same.
template <class Eingabe, class Pruefen, class Uebernehmen>
void DialogAbschliessen(TSitzung& s, Eingabe& e, Pruefen pruefen, Uebernehmen uebernehmen,
                        const char* name) {
    const std::string& vorher = s.Geprueft; // opening the dialog changed nothing
    const TEingabePruefung r = pruefen(e);
    if (r.Ergebnis != TPruefergebnis::Gueltig) {
        SitzungPruefen(UnveraendertPruefen(s.D, vorher), name);
        return;
    }
    if (uebernehmen(e) == 0) SitzungPruefen(UnveraendertPruefen(s.D, vorher), name);
}

// Prepares the dialog of the kind: a new element, or the properties of one.
template <class Eingabe, class Neu, class AusElement>
Eingabe DialogOeffnen(TSitzung& s, std::uint32_t arten, Neu neu, AusElement ausElement) {
    const std::uint8_t m = s.B.Byte();
    s.Antwort();
    const int slot = ElementDerArt(s.L(), arten, m >> 1);
    Eingabe e = (m & 1) && slot ? ausElement(s.L(), slot) : neu(s.L());
    GemeinsamesFuellen(s, e);
    return e;
}

inline void PunktDialog(TSitzung& s) {
    auto e = DialogOeffnen<TPunktEingabe>(s, PunktArten, PunktEingabeNeu, PunktEingabeAusElement);
    const bool koordinaten = s.B.Bit();
    if (e.ArtWaehlbar && !e.Abgeleitet) PunktDarstellungsartGewaehlt(e, s.L(), koordinaten);
    if (!e.Abgeleitet) {
        if (!e.NurLesen) FelderFuellen(s, e.Edits);
        if (!koordinaten && e.ArtWaehlbar) {
            e.Anfangspunkt = s.Auswahl(e.Anfangspunkte);
            e.Vektor = s.Auswahl(e.Vektoren);
        }
    }
    DialogAbschliessen(
        s, e, [&](TPunktEingabe& x) -> TEingabePruefung { return PunktAnnehmen(s.D, x); },
        [&](TPunktEingabe& x) { return PunktUebernehmen(s.D, x); }, "point dialog");
}

inline void VektorDialog(TSitzung& s) {
    auto e =
        DialogOeffnen<TVektorEingabe>(s, VektorArten, VektorEingabeNeu, VektorEingabeAusElement);
    if (!e.NurLesen && !e.Abgeleitet) FelderFuellen(s, e.Komponenten);
    DialogAbschliessen(
        s, e, [&](TVektorEingabe& x) -> TEingabePruefung { return VektorPruefen(s.L(), x); },
        [&](TVektorEingabe& x) { return VektorUebernehmen(s.D, x); }, "vector dialog");
}

inline void PfeilDialog(TSitzung& s) {
    auto e = DialogOeffnen<TPfeilEingabe>(s, Arten({TElementart::DPfeil}), PfeilEingabeNeu,
                                          PfeilEingabeAusElement);
    const int weg = s.B.Bis(2);
    if (e.GruppenAktiv && !e.Abgeleitet &&
        (weg == WegFussSpitze ? e.PunktPunktAktiv : e.PunktVektorAktiv)) {
        e.Weg = weg;
        if (weg == WegFussSpitze) {
            TeilFuellen(s, e.PPFuss, PunktArten);
            TeilFuellen(s, e.PPSpitze, PunktArten);
        } else {
            TeilFuellen(s, e.PVFuss, PunktArten);
            TeilFuellen(s, e.PVVektor, VektorArten);
        }
        e.WegGeaendert(weg);
    }
    DialogAbschliessen(
        s, e, [&](TPfeilEingabe& x) { return PfeilPruefen(s.L(), x); },
        [&](TPfeilEingabe& x) { return PfeilUebernehmen(s.D, x); }, "arrow dialog");
}

inline void StreckenDialog(TSitzung& s) {
    auto e = DialogOeffnen<TStreckenEingabe>(s, Arten({TElementart::DStrecke}), StreckeEingabeNeu,
                                             StreckeEingabeAusElement);
    if (e.NamenWaehlbar && !e.Abgeleitet) {
        TeilFuellen(s, e.Anfang, PunktArten);
        TeilFuellen(s, e.Ende, PunktArten);
    }
    DialogAbschliessen(
        s, e, [&](TStreckenEingabe& x) { return StreckePruefen(s.L(), x); },
        [&](TStreckenEingabe& x) { return StreckeUebernehmen(s.D, x); }, "segment dialog");
}

inline void GeradenDialog(TSitzung& s) {
    auto e =
        DialogOeffnen<TGeradenEingabe>(s, GeradenArten, GeradeEingabeNeu, GeradeEingabeAusElement);
    const int weg = s.B.Bis(3);
    const bool aktiv = weg == WegParameterform ? e.ParameterformAktiv
                       : weg == WegPunktPunkt  ? e.PunktPunktAktiv
                                               : e.PunktVektorAktiv;
    if (aktiv && !e.Abgeleitet) {
        if (weg == WegParameterform)
            GeradeParameterformGewaehlt(e, s.L());
        else
            e.Weg = weg;
        if (weg == WegParameterform && !e.ParameterformFest) {
            FelderFuellen(s, e.ParPunkt);
            FelderFuellen(s, e.ParRichtung);
        } else if (weg == WegPunktPunkt) {
            TeilFuellen(s, e.P1, PunktArten);
            TeilFuellen(s, e.P2, PunktArten);
        } else if (weg == WegPunktVektor) {
            TeilFuellen(s, e.A, PunktArten);
            TeilFuellen(s, e.V, VektorArten);
        }
        e.WegGeaendert(weg);
    }
    DialogAbschliessen(
        s, e, [&](TGeradenEingabe& x) { return GeradePruefen(s.L(), x); },
        [&](TGeradenEingabe& x) { return GeradeUebernehmen(s.D, x); }, "line dialog");
}

inline void EbenenDialog(TSitzung& s) {
    auto e = DialogOeffnen<TEbenenEingabe>(s, Arten({TElementart::DEbene}), EbeneEingabeNeu,
                                           EbeneEingabeAusElement);
    const int weg = s.B.Bis(AnzahlEbenenWege);
    if (e.Aktiv[static_cast<std::size_t>(weg)] && !e.Abgeleitet) {
        if (weg == TEbene::ENOR)
            EbeneNormalenformGewaehlt(e, s.L());
        else
            e.Weg = weg;
        switch (weg) {
        case TEbene::EPAR:
            if (!e.ParameterformFest) {
                FelderFuellen(s, e.ParPunkt);
                FelderFuellen(s, e.ParRichtung1);
                FelderFuellen(s, e.ParRichtung2);
            }
            break;
        case TEbene::ENOR:
            if (!e.NormalenformFest)
                for (auto& t : e.Normalenform)
                    t = s.Text();
            break;
        case TEbene::EPPP:
            for (auto& t : e.PPP)
                TeilFuellen(s, t, PunktArten);
            break;
        case TEbene::EPVV:
            TeilFuellen(s, e.PVVPunkt, PunktArten);
            TeilFuellen(s, e.PVVVektor1, VektorArten);
            TeilFuellen(s, e.PVVVektor2, VektorArten);
            break;
        case TEbene::EPG:
            TeilFuellen(s, e.PGPunkt, PunktArten);
            e.PGGerade = s.Auswahl(e.Geraden);
            break;
        case TEbene::EGG:
            e.GG1 = s.Auswahl(e.Geraden);
            e.GG2 = s.Auswahl(e.Geraden);
            break;
        case TEbene::EPV:
            TeilFuellen(s, e.EPVPunkt, PunktArten);
            TeilFuellen(s, e.EPVVektor, VektorArten);
            break;
        default:
            e.GVGerade = s.Auswahl(e.Geraden);
            TeilFuellen(s, e.GVVektor, VektorArten);
            break;
        }
        e.WegGeaendert(weg);
    }
    DialogAbschliessen(
        s, e, [&](TEbenenEingabe& x) { return EbenePruefen(s.L(), x); },
        [&](TEbenenEingabe& x) { return EbeneUebernehmen(s.D, x); }, "plane dialog");
}

inline void DreieckDialog(TSitzung& s) {
    auto e = DialogOeffnen<TDreieckEingabe>(s, Arten({TElementart::DDreieck}), DreieckEingabeNeu,
                                            DreieckEingabeAusElement);
    if (e.Neu)
        for (auto& t : e.Ecken)
            TeilFuellen(s, t, PunktArten);
    DialogAbschliessen(
        s, e, [&](TDreieckEingabe& x) { return DreieckPruefen(s.L(), x); },
        [&](TDreieckEingabe& x) { return DreieckUebernehmen(s.D, x); }, "triangle dialog");
}

inline void PyramidenDialog(TSitzung& s) {
    auto e = DialogOeffnen<TPyramidenEingabe>(s, Arten({TElementart::DPyramide3}),
                                              PyramideEingabeNeu, PyramideEingabeAusElement);
    if (e.Neu) {
        TeilFuellen(s, e.Spitze, PunktArten);
        e.Dreieck = s.Auswahl(e.Dreiecke);
    }
    DialogAbschliessen(
        s, e, [&](TPyramidenEingabe& x) { return PyramidePruefen(s.L(), x); },
        [&](TPyramidenEingabe& x) { return PyramideUebernehmen(s.D, x); }, "pyramid dialog");
}

inline void ViereckDialog(TSitzung& s) {
    auto e = DialogOeffnen<TViereckEingabe>(s, Arten({TElementart::DViereck}), ViereckEingabeNeu,
                                            ViereckEingabeAusElement);
    if (e.Neu)
        for (auto& t : e.Ecken)
            TeilFuellen(s, t, PunktArten);
    DialogAbschliessen(
        s, e, [&](TViereckEingabe& x) { return ViereckPruefen(s.L(), x); },
        [&](TViereckEingabe& x) { return ViereckUebernehmen(s.D, x); }, "quadrilateral dialog");
}

inline void Pyramiden4Dialog(TSitzung& s) {
    auto e = DialogOeffnen<TPyramidenEingabe>(s, Arten({TElementart::DPyramide4}),
                                              Pyramide4EingabeNeu, Pyramide4EingabeAusElement);
    if (e.Neu) {
        TeilFuellen(s, e.Spitze, PunktArten);
        e.Dreieck = s.Auswahl(e.Dreiecke);
    }
    DialogAbschliessen(
        s, e, [&](TPyramidenEingabe& x) { return PyramidePruefen(s.L(), x); },
        [&](TPyramidenEingabe& x) { return PyramideUebernehmen(s.D, x); },
        "four-sided pyramid dialog");
}

inline void KugelDialog(TSitzung& s) {
    auto e = DialogOeffnen<TKugelEingabe>(s, Arten({TElementart::DKugel}), KugelEingabeNeu,
                                          KugelEingabeAusElement);
    if (!e.NurLesen) {
        e.AlsGleichung = s.B.Bit();
        if (e.AlsGleichung)
            e.Gleichung = s.Text();
        else {
            FelderFuellen(s, e.Mitte);
            e.Radius = s.Text();
        }
    }
    DialogAbschliessen(
        s, e, [&](TKugelEingabe& x) { return KugelPruefen(s.L(), x); },
        [&](TKugelEingabe& x) { return KugelUebernehmen(s.D, x); }, "sphere dialog");
}

inline void KreisDialog(TSitzung& s) {
    auto e = DialogOeffnen<TKreisEingabe>(s, Arten({TElementart::DKreis}), KreisEingabeNeu,
                                          KreisEingabeAusElement);
    if (!e.NurLesen) {
        FelderFuellen(s, e.Mitte);
        FelderFuellen(s, e.Normale);
        e.Radius = s.Text();
    }
    DialogAbschliessen(
        s, e, [&](TKreisEingabe& x) { return KreisPruefen(s.L(), x); },
        [&](TKreisEingabe& x) { return KreisUebernehmen(s.D, x); }, "circle dialog");
}

// ---------------------------------------------------------------------------
// The other operations.

inline void Markieren(TSitzung& s) {
    const int anzahl = s.B.Bis(4);
    std::vector<int> slots;
    for (int i = 0; i < anzahl; ++i)
        slots.push_back(s.B.Byte());
    s.D.Markieren([&](TListe& l) {
        for (int i = 1; i <= l.Anzahl(); ++i)
            l[i]->markiert = false;
        for (int k : slots)
            if (l.Anzahl()) l[k % l.Anzahl() + 1]->markiert = true;
    });
}

// A coordinate the mouse can reach: -32 to 31,75 in quarters.
inline Real Ziehkoordinate(TFolgenLeser& b) {
    return static_cast<Real>(static_cast<std::int8_t>(b.Byte())) / 4;
}

// A drag of any element (only free points move): either one whole drag, or
// a few mouse steps ended by releasing the button or by Esc, which must
// leave the document as it was.
inline void PunktZiehen(TSitzung& s) {
    if (s.L().Anzahl() == 0) return;
    const int slot = s.B.Byte() % s.L().Anzahl() + 1;
    const std::string& vorher = s.Geprueft;
    if (s.B.Bit()) {
        const TTripel p{Ziehkoordinate(s.B), Ziehkoordinate(s.B), Ziehkoordinate(s.B)};
        if (!s.D.PunktVerschieben(slot, p))
            SitzungPruefen(UnveraendertPruefen(s.D, vorher), "a refused drag");
        return;
    }
    if (!s.D.ZiehenBeginnen(slot)) {
        SitzungPruefen(UnveraendertPruefen(s.D, vorher), "a refused drag");
        return;
    }
    for (int schritt = 1 + s.B.Bis(4); schritt > 0; --schritt)
        s.D.ZiehenNach({Ziehkoordinate(s.B), Ziehkoordinate(s.B), Ziehkoordinate(s.B)});
    if (s.B.Bit()) {
        s.D.ZiehenBeenden();
    } else {
        s.D.ZiehenAbbrechen();
        SitzungPruefen(UnveraendertPruefen(s.D, vorher), "Esc during a drag");
    }
}

// A click into the object list (mark, visibility, label), then the release.
inline void ObjektlisteKlicken(TSitzung& s) {
    TObjektlistenZustand zustand;
    const int zeile = s.B.Byte();
    const auto spalte = static_cast<TListenspalte>(s.B.Bis(AnzahlListenspalten));
    const std::uint8_t art = s.B.Byte();
    const auto klick = [&](TListe& l) {
        if (art & 2)
            zustand.KopfGeklickt(l, spalte);
        else if (l.Anzahl())
            zustand.ZelleGeklickt(l, zeile % l.Anzahl() + 1, spalte, art & 1);
        if (art & 4) Sortieren(l, static_cast<TSortierung>((art >> 3) % 3));
    };
    if (spalte == TListenspalte::Sichtbar || spalte == TListenspalte::Beschriftung)
        SichtbarkeitKlicken(s.D, zustand, klick);
    else
        s.D.Markieren(klick);
}

// "Streckung festlegen...": a number typed, or the ratio of two lengths.
inline void StreckungsDialog(TSitzung& s) {
    if (!Angeboten(s.D, TBefehl::MStreckung)) return;
    const std::string& vorher = s.Geprueft;
    const TStreckungsStart start = StreckungsDialogStart(s.L());
    bool ok = false;
    if (s.B.Bit()) {
        ok = StreckungFestlegen(s.D, s.Text());
    } else {
        const TStreckungsVerhaeltnis v =
            StreckungsVerhaeltnis(s.L(), s.Auswahl(start.Namen), s.Auswahl(start.Namen));
        ok = StreckungFestlegen(s.D, v.Faktor.value_or(start.Faktor));
    }
    if (!ok) SitzungPruefen(UnveraendertPruefen(s.D, vorher), "dilation");
}

inline void KoordinatensystemDialog(TSitzung& s) {
    TKoordinatensystemEingabe k(s.D);
    const int schritte = s.B.Bis(4);
    for (int i = 0; i < schritte; ++i) {
        const std::uint8_t w = s.B.Byte();
        switch (w % 6) {
        case 0:
            k.GrenzeVerlassen(w / 6 % 3, w & 0x80, s.Text());
            break;
        case 1:
            k.WieXAchse(1 + w / 6 % 2);
            break;
        case 2:
            k.Defaultwerte();
            break;
        case 3:
            k.Daten().Achsen[w / 6 % 3].Zeichnen = w & 0x80;
            break;
        case 4:
            k.Daten().Ebenen[w / 6 % 3].Zeichnen = w & 0x80;
            break;
        default:
            k.Daten().Skalierung = w / 6 % 6;
            break;
        }
        k.VorschauAufbauen();
    }
    TGrenzenTexte texte = k.Texte();
    if (s.B.Bit()) texte[s.B.Bis(3)][s.B.Bis(2)] = s.Text();
    const std::string vorher = s.Zustand();
    if (k.Uebernehmen(s.D, texte) != TKoordinatensystemEingabe::TErgebnis::Uebernommen)
        SitzungPruefen(UnveraendertPruefen(s.D, vorher), "coordinate system dialog");
}

// The file's lines with their numbers left out: what must survive a round
// through the file when the rebuild recomputes derived numbers from sources
// that the file holds to 15 digits.
inline std::string OhneZahlen(const std::string& datei) {
    std::string s;
    for (char c : datei)
        if (!(c >= '0' && c <= '9') && c != ',' && c != '.' && c != '-' && c != 'E') s += c;
    return s;
}

// "&Speichern" into a scratch file and "Ö&ffnen" of it, twice. The file
// holds numbers to 15 digits, and loading rebuilds: the derived numbers
// recomputed from the rounded sources may differ in their last digit after
// the first round, but nothing else does, and the second round gives the
// same bytes.
inline void SpeichernUndLaden(TSitzung& s) {
    const std::string datei = s.Datei("sitzung.kvr");
    std::string runden[3];
    for (std::string& runde : runden) {
        if (!s.D.Speichern(datei)) {
            SitzungPruefen("saving refused", "save");
            return;
        }
        runde = DateiHolen(datei);
        const TLadeergebnis r = s.D.Laden(datei);
        std::remove(datei.c_str());
        if (r != TLadeergebnis::Gelesen) {
            SitzungPruefen("the saved document does not read", "load");
            return;
        }
    }
    SitzungPruefen(ErsteAbweichung(OhneZahlen(runden[0]), OhneZahlen(runden[1]),
                                   "loading changed the document"),
                   "load");
    SitzungPruefen(ErsteAbweichung(runden[1], runden[2], "loading twice changed the document"),
                   "load");
}

// "E&infügen...": the input's document, the document with every role, or
// the document itself.
inline void Einfuegen(TSitzung& s) {
    const std::string datei = s.Datei("einfuegen.kvr");
    switch (s.B.Bis(3)) {
    case 0:
        DateiAblegen(datei, s.Eingabedokument);
        break;
    case 1:
        DateiAblegen(datei, GrundDokument);
        break;
    default:
        DateiAblegen(datei, Dateibild(s.L(), s.D.Koordinatensystem()));
        break;
    }
    s.D.Einfuegen(datei);
    std::remove(datei.c_str());
}

// "Ö&ffnen..." of the input's document.
inline void EingabedokumentLaden(TSitzung& s) {
    const std::string datei = s.Datei("oeffnen.kvr");
    DateiAblegen(datei, s.Eingabedokument);
    s.D.Laden(datei);
    std::remove(datei.c_str());
}

// ---------------------------------------------------------------------------
// The operation table: one entry per operation. The core rows of the
// command table follow these entries, one operation each, in table order.

struct TOperation {
    constexpr TOperation(const char* name, void (*ausfuehren)(TSitzung&))
        : Name(name), Ausfuehren(ausfuehren) {}
    constexpr TOperation(const char* name, const TBefehlszeile* zeile) : Name(name), Zeile(zeile) {}
    const char* Name;
    void (*Ausfuehren)(TSitzung&) = nullptr;
    const TBefehlszeile* Zeile = nullptr; // a row of the command table
};

inline constexpr TOperation EigeneOperationen[] = {
    {"Markieren", Markieren},
    {"Objektliste", ObjektlisteKlicken},
    {"Punkt", PunktDialog},
    {"Vektor", VektorDialog},
    {"Pfeil", PfeilDialog},
    {"Strecke", StreckenDialog},
    {"Gerade", GeradenDialog},
    {"Ebene", EbenenDialog},
    {"Dreieck", DreieckDialog},
    {"Pyramideseitig", PyramidenDialog},
    {"MStreckung", StreckungsDialog},
    {"Koordinatensystem", KoordinatensystemDialog},
    {"Ausgangszustand", [](TSitzung& s) { s.D.Ausgangslage(); }},
    {"SpeichernLaden", SpeichernUndLaden},
    {"Einfuegen", Einfuegen},
    {"Oeffnen", EingabedokumentLaden},
    {"Ziehen", PunktZiehen},
    {"Kugel", KugelDialog},
    {"Kreis", KreisDialog},
    {"Viereck", ViereckDialog},
    {"Pyramide4", Pyramiden4Dialog},
};

inline const std::vector<TOperation>& Operationen() {
    static const std::vector<TOperation> alle = [] {
        std::vector<TOperation> v(std::begin(EigeneOperationen), std::end(EigeneOperationen));
        for (const TBefehlszeile& z : Befehlstabelle())
            if (z.Art == TZeilenart::Befehl && z.Ausfuehren) v.emplace_back(z.Name, &z);
        return v;
    }();
    return alle;
}

inline int OperationMitName(std::string_view name) {
    const auto& ops = Operationen();
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (name == ops[i].Name) return static_cast<int>(i);
    std::fprintf(stderr, "no operation %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

// What the sequence knows about a command row beyond the table.
inline bool NimmtSchnappschuss(const TBefehlszeile& z) {
    return z.Abbildung.has_value() || std::string_view(z.Name) == "Loeschen";
}
inline bool AendertNie(const TBefehlszeile& z) {
    return std::string_view(z.Name).starts_with("Mess");
}

// A core command, as the enabled menu item runs it.
inline void BefehlAusfuehren(TSitzung& s, const TBefehlszeile& z) {
    s.Antwort();
    if (!Ausfuehrbar(s.D, z)) return;
    const std::string_view name = z.Name;
    if (name == "Rueckgaengig" && s.RueckgaengigPruefbar) {
        SitzungPruefen(RueckgaengigPruefen(s.D, s.VorDemSchnappschuss), "undo");
        s.RueckgaengigPruefbar = false;
        return;
    }
    if (name == "Rueckgaengig") {
        // Undo then redo gives the file as it was before the undo. Marks are
        // left out: marking is no step, so redo brings the marks of its step.
        const auto ohneMarken = [&] {
            std::string bild = Dateibild(s.L(), s.D.Koordinatensystem());
            std::size_t i = 0;
            while ((i = bild.find("markiert=1\r\n", i)) != std::string::npos)
                bild.erase(i, 12);
            return bild;
        };
        const std::string vorUndo = ohneMarken();
        if (s.D.RueckgaengigMachen() && s.D.Wiederholen() && ohneMarken() != vorUndo)
            SitzungPruefen("undo then redo does not give the same file", "redo");
    }
    // The state as the operation found it, unless undo and redo ran above.
    const std::string vorher = name == "Rueckgaengig" ? s.Zustand() : s.Geprueft;
    const std::string abbild = NimmtSchnappschuss(z) ? ListenAbbild(s.L()) : std::string();
    const std::size_t schritte = s.D.Rueckgaengig().Schritte();
    const bool geaendert = z.Ausfuehren(s.D);
    if (NimmtSchnappschuss(z)) {
        // Undo goes back to this state only where the command took its copy
        // (a refused mapping takes none, and undo then goes further back).
        s.VorDemSchnappschuss = abbild;
        s.RueckgaengigPruefbar =
            s.D.Rueckgaengig().Schritte() != schritte || schritte == TRueckgaengig::Tiefe;
    }
    if (name == "Rueckgaengig") s.RueckgaengigPruefbar = false;
    if (!geaendert || AendertNie(z)) SitzungPruefen(UnveraendertPruefen(s.D, vorher), z.Name);
    // What a measurement shows is right for school: no negative distance,
    // no angle above 90° where a line or a plane takes part.
    if (AendertNie(z)) SitzungPruefen(MesswerteSchulgerechtPruefen(s.L()), z.Name);
}

// The checks that take a rebuild, a round through the file or the exact
// values run after every this many changes and on the last state of the
// session; the rules of the list itself after every change. Run after
// every change they took four fifths of the time, so that the fuzzer
// tried some seven sessions a second; a state that breaks one of them is
// found all the same, unless one of the next steps mends it.
inline constexpr int AenderungenJePruefung = 16;

// Every invariant after an operation; zustand is the state now, alle asks
// for every check (the last state).
inline void InvariantenPruefen(TSitzung& s, const char* nach, std::string zustand,
                               bool alle = false) {
    // The invariants depend on nothing but the state.
    if (zustand != s.Geprueft) {
        s.Geprueft = std::move(zustand);
        SitzungPruefen(ListeninvariantenPruefen(s.L()), nach);
        s.TeureOffen = true;
        ++s.AenderungenOhnePruefung;
    }
    if (!s.TeureOffen || (!alle && s.AenderungenOhnePruefung < AenderungenJePruefung)) return;
    s.TeureOffen = false;
    s.AenderungenOhnePruefung = 0;
    SitzungPruefen(NeuaufbauPruefen(s.D), nach);
    SitzungPruefen(SpeichernPruefen(s.L(), s.D.Koordinatensystem()), nach);
    s.Geprueft = s.Zustand();
    std::string abweichung;
    if (!exakt::ExaktStimmtMitDezimal(s.L(), &abweichung))
        SitzungPruefen("exact value differs from its decimal twin: " + abweichung, nach);
}

inline void BefehlsfolgeAusfuehren(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return;
    Einstellungen().Dezimaltrenner = (daten[0] & 1) ? '.' : ',';
    const auto* ende = static_cast<const std::uint8_t*>(std::memchr(daten + 1, 0, groesse - 1));
    const std::size_t dokumentEnde = ende ? static_cast<std::size_t>(ende - daten) : groesse;

    TMeldungsProtokoll protokoll;
    TDokument d;
    TFolgenLeser leser(daten + std::min(dokumentEnde + 1, groesse),
                       groesse - std::min(dokumentEnde + 1, groesse));
    TSitzung s{d, leser, protokoll, {}, {}, false, {}};
    s.Eingabedokument.assign(reinterpret_cast<const char*>(daten) + 1, dokumentEnde - 1);
    if (!s.Eingabedokument.empty()) EingabedokumentLaden(s);
    InvariantenPruefen(s, "loading the input document", s.Zustand());

    const auto& ops = Operationen();
    const char* letzte = "loading the input document";
    for (int schritt = 0; !leser.Ende() && schritt < 200; ++schritt) {
        const TOperation& op = ops[leser.Byte() % ops.size()];
        const std::string vorher = s.Geprueft; // the state now
        const std::size_t schritte = s.D.Rueckgaengig().Schritte();
        protokoll.Eintraege.clear();
        if (op.Zeile)
            BefehlAusfuehren(s, *op.Zeile);
        else
            op.Ausfuehren(s);
        // Undo is checked right after the operation that took its copy,
        // with only marks set in between: any other change may take a copy
        // of its own (with several levels) or change the coordinate system,
        // which undo leaves as it is and the rebuild of the list depends on.
        // Every step is named by what made it; "Änderung" is left for a
        // change that named none.
        if (s.D.Rueckgaengig().Caption() == "Rückgängig: Änderung")
            SitzungPruefen("an undo step without a name", op.Name);
        const bool schnappschuss = op.Zeile && NimmtSchnappschuss(*op.Zeile);
        std::string zustand = s.Zustand();
        // An operation that took an undo copy of its own (an insert, a
        // dialog) leaves the last command's copy out of undo's first reach.
        if (!schnappschuss && ((std::string_view(op.Name) != "Markieren" && zustand != vorher) ||
                               s.D.Rueckgaengig().Schritte() != schritte))
            s.RueckgaengigPruefbar = false;
        InvariantenPruefen(s, op.Name, std::move(zustand));
        letzte = op.Name;
    }
    InvariantenPruefen(s, letzte, s.Geprueft, true);
    if (BefehlsfolgeEnde) BefehlsfolgeEnde(d);
}

} // namespace kalvorin::fuzz
