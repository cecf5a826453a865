// The document reader as it was before elements were written for earlier
// versions (the reader of the version that first knew spheres and
// circles), cut down to what decides which elements a document gives: the
// kinds and derivation codes that version knew are its own tables here, so
// that the rows this version adds do not reach it. With TFassung::Entwurf
// it knows no spheres and circles either, as the versions before them.

#include "FruehererLeser.h"

#include "model/Abhaengigkeiten.h"
#include "model/Konstruktionsarten.h"
#include "model/Utf8.h"
#include "storage/Cp1252.h"
#include "storage/Dokumentdatei.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/EnhIniFile.h"
#include "storage/Felder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace kalvorin::frueher {

using namespace dokument;

namespace {

constexpr Real GroessteZahl = 1e50L;

bool Kennt(TFassung fassung, int art) {
    const auto a = static_cast<TElementart>(art);
    if (a == TElementart::DKugel || a == TElementart::DKreis)
        return fassung == TFassung::ErsteKugeln;
    return art == 0 || (art >= 2 && art <= 8);
}

// What that version knew of a derivation code, by code.
struct TCode {
    bool Abbildung;
    std::array<TOperand, 3> Operanden;
    std::uint8_t Pflicht;
    int Rolle;
};
constexpr TOperand K = TOperand::Keiner, N = TOperand::Name, Z = TOperand::Zahl;
constexpr int AnzahlCodes = 24;
constexpr TCode Codes[AnzahlCodes] = {
    {false, {K, K, K}, 0, -1},     {false, {N, N, K}, 0b011, -1}, // keine, Schnitt
    {true, {N, K, K}, 0, 1},       {true, {N, K, K}, 0, 0},       // ASpiegelung, PSpiegelung
    {true, {N, K, K}, 0, 2},       {true, {N, Z, K}, 0, 3},       // ESpiegelung, Streckung
    {false, {K, K, K}, 0, -1},     {false, {K, K, K}, 0, -1},     // Drehung, Translation
    {true, {N, K, K}, 0, 4},       {true, {N, N, K}, 0, 5},       // O_, P_Projektion
    {false, {N, N, K}, 0b011, -1}, {false, {N, N, K}, 0b011, -1}, // LotPE, LotPG
    {false, {N, N, K}, 0b011, -1}, {false, {N, N, Z}, 0b011, -1}, // LotGG, TeilPunkt
    {false, {N, N, K}, 0b011, -1}, {false, {N, N, N}, 0b111, -1}, // Mittelpunkt, Schwerpunkt
    {false, {N, N, K}, 0b011, -1}, {false, {N, N, K}, 0b011, -1}, // Mittelgerade, MittelEbene
    {false, {N, N, K}, 0b011, -1}, {false, {N, N, N}, 0b111, -1}, // Add2, Add3
    {false, {N, K, K}, 0b001, -1}, {false, {N, N, K}, 0b011, -1}, // Gegenvektor, VProdukt
    {false, {N, Z, K}, 0b001, -1}, {false, {K, K, K}, 0, -1},     // SMult, Antragen
};

// A name that stands nowhere in the file ends the reading.
struct EEinlesefehler {
    std::string Name;
};
// The element cannot be read; it is dropped with what depends on it.
struct EUnlesbar {
    std::string Grund; // German, for the user: why
};

Real ZahlLesen(const std::string& feld) {
    const Real x = FieldToReal(feld);
    if (std::fabs(x) > GroessteZahl) throw EUnlesbar{"die Zahl " + feld + " ist zu groß"};
    return x;
}

// Every character of the name that cannot be stored becomes "_".
std::string ZeichenErsetzt(const std::string& name) {
    std::string neu;
    for (std::size_t i = 0; i < name.size();) {
        const auto b = static_cast<unsigned char>(name[i]);
        std::size_t laenge = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        laenge = std::min(laenge, name.size() - i);
        const std::string zeichen = name.substr(i, laenge);
        const bool schlecht =
            b < 0x20 || b == 0x7F || b == ' ' || b == '|' || !InCp1252Darstellbar(zeichen);
        neu += schlecht ? "_" : zeichen;
        i += laenge;
    }
    return neu;
}

std::string NichtGelesen(const std::string& name) {
    return "baut auf " + name + " auf, das nicht gelesen werden kann";
}

// One element of the file that has been appended to the list.
struct TNeu {
    TDreiDBasisElement* Element;
    std::string Sektion;    // its section, as the scan listed it
    std::string Dateiname;  // the name by which the file refers to it
    bool Weg = false;       // dropped again
    bool Umbenannt = false; // its name cannot be stored and was replaced
};

class TLeser {
public:
    TLeser(const TEnhIniFile& ini, TListe& liste, TRollenMenge& rollen, bool einfuegen,
           TFassung fassung)
        : ini_(ini), liste_(liste), rollen_(rollen), einfuegen_(einfuegen), alt_(liste.Anzahl()),
          fassung_(fassung) {}

    // Returns false when the reading ended with "Einlesefehler".
    bool Lesen(const std::vector<std::string>& sektionen);

    // What was not taken over as it stood in the file: the name there and
    // why, in the order found.
    const std::vector<std::pair<std::string, std::string>>& Bericht() const { return bericht_; }

private:
    void ElementeAnlegen(const std::vector<std::string>& sektionen);
    void GemeinsamesLesen(TDreiDBasisElement& e, const std::string& s) const;
    void NamenVergeben();
    void RollenLesen(TNeu& n);
    void EntstehungLesen(TNeu& n);
    void FestlegungLesen(TNeu& n);
    void ZyklenEntfernen();

    // Runs the step for every element that is still there, dropping those
    // that cannot be read; "Einlesefehler" ends the reading at that element.
    template <class Schritt> void FuerJedes(Schritt schritt);
    // The element named in the file; null for an empty name. Throws
    // EUnlesbar when the named element was dropped, and for a name that
    // stands nowhere EEinlesefehler (abbrechen) or EUnlesbar.
    TDreiDBasisElement* Suchen(const std::string& feld, bool escaped, bool abbrechen) const;
    TDreiDBasisElement* SucheName(const std::string& name) const;
    // Drops the elements, for the reason given, and every element that
    // depends on them.
    void Entfernen(std::vector<TDreiDBasisElement*> weg, const std::string& grund);
    void Abbrechen(std::size_t ab, const std::string& name);
    void Vermerken(const std::string& name, std::string grund) {
        bericht_.emplace_back(name, std::move(grund));
    }
    std::string DateinameVon(const TDreiDBasisElement* e) const;

    const TEnhIniFile& ini_;
    TListe& liste_;
    TRollenMenge& rollen_;
    const bool einfuegen_;
    const int alt_; // elements that were in the list before
    const TFassung fassung_;
    std::vector<TNeu> neue_;
    // Names of file elements that could not be taken over: a reference to
    // one drops the referring element instead of ending the reading.
    std::unordered_set<std::string> fehlend_;
    TRollenMenge verworfen_ = 0;
    std::size_t grenze_ = SIZE_MAX; // elements from here on are not read
    bool abgebrochen_ = false;
    std::vector<std::pair<std::string, std::string>> bericht_;
};

bool TLeser::Lesen(const std::vector<std::string>& sektionen) {
    ElementeAnlegen(sektionen);
    NamenVergeben();
    FuerJedes([this](TNeu& n) { RollenLesen(n); });
    FuerJedes([this](TNeu& n) { EntstehungLesen(n); });
    FuerJedes([this](TNeu& n) { FestlegungLesen(n); });
    ZyklenEntfernen();
    for (const TNeu& n : neue_)
        if (n.Umbenannt && !n.Weg)
            Vermerken(n.Dateiname, "heißt jetzt " + n.Element->Name +
                                       ", da der Name Zeichen enthält, die in der Datei nicht "
                                       "gespeichert werden können");
    if (!einfuegen_) {
        // The set tells which roles the document holds from its file, so
        // only the elements that were really taken over count.
        rollen_ = 0;
        for (const TNeu& n : neue_)
            if (!n.Weg)
                for (int r = 0; r < AnzahlRollen; ++r)
                    if (n.Element->Rollen[r]) rollen_ |= RollenBit(static_cast<TRolle>(r));
    }
    return !abgebrochen_;
}

void TLeser::ElementeAnlegen(const std::vector<std::string>& sektionen) {
    // Sections the INI engine takes for one are read once: a second element
    // from them would only repeat the first one's keys.
    std::unordered_map<std::string, bool> gesehen;
    for (const std::string& s : sektionen) {
        const std::string dateiname = Utf8Anfang(UnescapeName(s), MaxNamenLaenge);
        const auto [eintrag, neu] = gesehen.try_emplace(Sektionsform(s), false);
        if (!neu) {
            if (eintrag->second) {
                fehlend_.insert(dateiname);
                Vermerken(dateiname, "der Abschnitt steht mehr als einmal in der Datei");
            }
            continue;
        }
        int art = -1;
        bool lesbar = true; // an unreadable kind still marks the section as an element
        const std::string artText = ini_.ReadString(s, "Elementart", "-1");
        try {
            art = FirstFieldToInt(artText);
        } catch (const EKonvertierungsfehler&) {
            lesbar = false;
        }
        if (lesbar && art < 0) continue; // not an element: "Version", the coordinate system, notes
        eintrag->second = true;
        // Only a kind that has a class becomes an element; any other number
        // must not wrap round onto one that has.
        TDreiDBasisElement* e =
            lesbar && Kennt(fassung_, art) ? liste_.Neu(static_cast<TElementart>(art)) : nullptr;
        if (!e) { // no class for the kind, or the list is full
            fehlend_.insert(dateiname);
            Vermerken(dateiname, lesbar && Kennt(fassung_, art)
                                     ? "ein Dokument fasst höchstens 100 Elemente"
                                     : "die Elementart " + artText + " kennt Kalvorin nicht");
            continue;
        }
        try {
            GemeinsamesLesen(*e, s);
        } catch (const EKonvertierungsfehler& f) {
            liste_.Loeschen(liste_.Anzahl());
            fehlend_.insert(dateiname);
            Vermerken(dateiname, f.what());
            continue;
        }
        // A name the writer could not store again is replaced, the way
        // inserting replaces a taken one; the file's references still find
        // the element by its old name.
        const bool umbenennen = !dokument::NamensFehler(dateiname).empty();
        e->Name = umbenennen ? ZeichenErsetzt(dateiname) : dateiname;
        neue_.push_back({e, s, dateiname, false, umbenennen});
    }
}

void TLeser::GemeinsamesLesen(TDreiDBasisElement& e, const std::string& s) const {
    e.Farbe = FieldToColor(ini_.ReadString(s, "RGB", "0|0|0"));
    e.Transparenz = ini_.ReadInteger(s, "Transparenz", 0);
    const int dicke = ini_.ReadInteger(s, "Dicke", 1);
    e.Dicke = static_cast<std::uint16_t>(dicke >= 1 && dicke <= 1000 ? dicke : 1);
    e.fest = ini_.ReadBool(s, "fest", false);
    e.sichtbar = ini_.ReadBool(s, "sichtbar", true);
    e.markiert = ini_.ReadBool(s, "markiert", false);
    e.NameSichtbar = ini_.ReadBool(s, "Name sichtbar", true);
    e.Hilfslinien = ini_.ReadBool(s, "Hilfslinien", true);
    if (e.Art == TElementart::DfrPunkt) {
        const int form = ini_.ReadInteger(s, "Punktform", 0);
        static_cast<TfrPunkt&>(e).Punktform =
            static_cast<std::uint8_t>(form >= 0 && form <= 4 ? form : 0);
    } else if (e.Art == TElementart::DGerade) {
        static_cast<TGerade&>(e).MitRand = ini_.ReadBool(s, "mit Rand", false);
    }
}

void TLeser::NamenVergeben() {
    // A name that is taken gets "_" in front until it is free. When that no
    // longer changes it (twelve "_"), the element takes the automatic name of
    // its kind: two elements of one name would share one section when saved.
    std::unordered_set<std::string> vergeben;
    for (int i = 1; i <= alt_; ++i)
        vergeben.insert(liste_[i]->Name);
    for (TNeu& n : neue_) {
        std::string name = n.Element->Name;
        if (name.empty()) name = liste_.AutomatischerName(n.Element->Art);
        while (vergeben.count(name)) {
            std::string laenger = Utf8Anfang("_" + name, MaxNamenLaenge);
            if (laenger == name) {
                name = liste_.AutomatischerName(n.Element->Art);
                break;
            }
            name = std::move(laenger);
        }
        n.Element->Name = name;
        vergeben.insert(std::move(name));
    }
}

template <class Schritt> void TLeser::FuerJedes(Schritt schritt) {
    for (std::size_t k = 0; k < neue_.size() && k < grenze_; ++k) {
        TNeu& n = neue_[k];
        if (n.Weg) continue;
        try {
            schritt(n);
        } catch (const EUnlesbar& f) {
            Entfernen({n.Element}, f.Grund);
        } catch (const EKonvertierungsfehler& f) {
            Entfernen({n.Element}, f.what());
        } catch (const EEinlesefehler& f) {
            Abbrechen(k, f.Name);
        }
    }
}

void TLeser::RollenLesen(TNeu& n) {
    TDreiDBasisElement& e = *n.Element;
    for (int r = 0; r < AnzahlRollen; ++r) {
        const auto rolle = static_cast<TRolle>(r);
        bool gesetzt = ini_.ReadBool(n.Sektion, std::string(RollenName(rolle)), false);
        if (gesetzt && einfuegen_ && (rollen_ & RollenBit(rolle))) {
            gesetzt = false;
            verworfen_ |= RollenBit(rolle);
        }
        e.SetzeRolle(rolle, gesetzt);
    }
    e.Streckungsfaktor = ZahlLesen(ini_.ReadString(n.Sektion, "Streckungsfaktor", "1"));
    const std::string vektor = ini_.ReadString(n.Sektion, "Projektionsvektor", "");
    TDreiDBasisElement* v = nullptr;
    bool vektorWeg = false;
    try {
        v = Suchen(vektor, false, true);
    } catch (const EUnlesbar&) {
        vektorWeg = true;
    }
    if (e.Rolle(TRolle::IstP_Projektionsebene)) {
        // As when the vector is deleted: the plane loses its projection.
        if (vektorWeg)
            e.SetzeRolle(TRolle::IstP_Projektionsebene, false);
        else
            e.Projektionsvektor = v;
    }
}

void TLeser::EntstehungLesen(TNeu& n) {
    const std::string& s = n.Sektion;
    const int code = FirstFieldToInt(ini_.ReadString(s, "Entstehungsart", "0"));
    if (code == 0) return;
    const std::string original = ini_.ReadString(s, "Originalelement", "");
    std::string liste = ini_.ReadString(s, "Entstehungselemente", "");
    if (liste.empty()) return; // kept as an independent element
    if (code < 0 || code >= AnzahlCodes)
        throw EUnlesbar{"die Entstehungsart " + std::to_string(code) + " gibt es nicht"};

    const TCode& k = Codes[code];
    // The reserved kinds have no operands; they are written with an empty
    // list, which reads back as no derivation, so they are not taken over
    // now either: the document is the same before and after saving.
    if (k.Operanden[0] == TOperand::Keiner) return;
    TEntstehung en;
    en.Art = static_cast<TEntstehungsart>(code);
    TDreiDBasisElement* o = Suchen(original, false, true);
    bool leer[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::string feld = NextField(liste);
        leer[i] = feld.empty();
        if (k.Operanden[i] == TOperand::Name)
            en.Elemente[i].Element = Suchen(feld, false, true);
        else if (k.Operanden[i] == TOperand::Zahl)
            en.Elemente[i].Zahl = ZahlLesen(feld);
    }
    const int rolle = k.Rolle;
    if (einfuegen_ && rolle >= 0 && (verworfen_ & RollenBit(static_cast<TRolle>(rolle))))
        throw EUnlesbar{"es entstand durch eine Abbildung, die das Dokument schon festlegt"};
    for (int i = 0; i < 3; ++i)
        if ((k.Pflicht & (1 << i)) && leer[i])
            throw EUnlesbar{"ein Element, aus dem es entstand, fehlt"};
    if (k.Abbildung) en.Originalelement = o;
    n.Element->Entstehung = en;
}

void TLeser::FestlegungLesen(TNeu& n) {
    TDreiDBasisElement& e = *n.Element;
    const int art = e.ArtNummer();
    const int festlegung =
        AnzahlFestlegungen(art) > 1 ? ini_.ReadInteger(n.Sektion, "Festlegung", 0) : 0;
    const TFestlegungsschluessel* k = Festlegungsschluessel(art, festlegung);
    if (!k) throw EUnlesbar{"die Festlegung " + std::to_string(festlegung) + " gibt es nicht"};

    if (k->Zahlen > 0) {
        std::string vorgabe = "0";
        for (int i = 1; i < k->Zahlen; ++i)
            vorgabe += "|0";
        std::string liste = ini_.ReadString(n.Sektion, k->Schluessel, vorgabe);
        Real z[9] = {};
        for (int i = 0; i < k->Zahlen; ++i)
            z[i] = ZahlLesen(NextField(liste));
        // Planes the dialog refuses to make: the evaluation relies on them
        // never occurring.
        if (art == static_cast<int>(TElementart::DEbene)) {
            const TTripel a{z[0], z[1], z[2]};
            if (festlegung == TEbene::ENOR && IstNullvektor(a))
                throw EUnlesbar{"der Normalenvektor ist der Nullvektor"};
            if (festlegung == TEbene::EPAR &&
                IstNullvektor(Kreuzprodukt({z[3], z[4], z[5]}, {z[6], z[7], z[8]})))
                throw EUnlesbar{"die Richtungsvektoren sind linear abhängig"};
        }
        // A sphere or circle needs a positive radius, a circle a normal.
        if (art == static_cast<int>(TElementart::DKugel) && !(z[3] > 0))
            throw EUnlesbar{"der Radius ist nicht positiv"};
        if (art == static_cast<int>(TElementart::DKreis)) {
            if (IstNullvektor({z[3], z[4], z[5]}))
                throw EUnlesbar{"der Normalenvektor ist der Nullvektor"};
            if (!(z[6] > 0)) throw EUnlesbar{"der Radius ist nicht positiv"};
        }
        e.Festlegung = static_cast<std::uint8_t>(festlegung);
        std::array<Real*, 9> felder{};
        const int anzahl = Zahlenfelder(e, felder);
        for (int i = 0; i < anzahl; ++i)
            *felder[i] = z[i];
        return;
    }

    std::string liste = ini_.ReadString(n.Sektion, k->Schluessel, "");
    decltype(e.Bezuege) bezuege{}; // as many slots as the model has now
    for (int i = 0; i < k->Namen; ++i) {
        const std::string feld = NextField(liste);
        // Every reference of a mode is needed to evaluate the element.
        if (feld.empty()) throw EUnlesbar{"ein Element seiner Festlegung fehlt"};
        bezuege[i] = Suchen(feld, k->Escaped, false);
    }
    e.Festlegung = static_cast<std::uint8_t>(festlegung);
    e.Bezuege = bezuege;
}

TDreiDBasisElement* TLeser::SucheName(const std::string& name) const {
    // The file's own element of that name first: after renaming, the
    // document may hold it under another name, or another element under its.
    for (const TNeu& n : neue_)
        if (!n.Weg && n.Dateiname == name) return n.Element;
    for (int i = 1; i <= alt_; ++i)
        if (liste_[i]->Name == name) return liste_[i];
    return nullptr;
}

TDreiDBasisElement* TLeser::Suchen(const std::string& feld, bool escaped, bool abbrechen) const {
    if (feld.empty()) return nullptr;
    // Names are written plain except under "EGV"; either form is accepted,
    // the one the key is written in first, so that a plain name with "@" in
    // it is not taken for an escaped one.
    const std::string erst = escaped ? UnescapeName(feld) : feld;
    const std::string zweit = escaped ? feld : UnescapeName(feld);
    bool weg = false;
    std::string wegName;
    for (const std::string* form : {&erst, &zweit}) {
        const std::string name = Utf8Anfang(*form, MaxNamenLaenge);
        if (TDreiDBasisElement* e = SucheName(name)) return e;
        if (!weg && fehlend_.count(name) > 0) {
            weg = true;
            wegName = name;
        }
        if (erst == zweit) break;
    }
    const std::string name = Utf8Anfang(erst, MaxNamenLaenge);
    if (weg) throw EUnlesbar{NichtGelesen(wegName)};
    if (!abbrechen) throw EUnlesbar{"verweist auf " + name + ", das es in der Datei nicht gibt"};
    throw EEinlesefehler{name};
}

std::string TLeser::DateinameVon(const TDreiDBasisElement* e) const {
    for (const TNeu& n : neue_)
        if (n.Element == e) return n.Dateiname;
    return e->Name;
}

void TLeser::Entfernen(std::vector<TDreiDBasisElement*> weg, const std::string& grund) {
    const int n = liste_.Anzahl();
    // Why each slot goes: the reason given, or the element it builds on.
    std::vector<std::string> warum(static_cast<std::size_t>(n) + 1);
    std::vector<char> raus(static_cast<std::size_t>(n) + 1, 0);
    for (TDreiDBasisElement* e : weg)
        if (const int slot = liste_.SlotVon(e)) {
            raus[slot] = 1;
            warum[slot] = grund;
        }
    std::vector<int> offen;
    for (int i = 1; i <= n; ++i)
        if (raus[i]) offen.push_back(i);
    while (!offen.empty()) {
        const TDreiDBasisElement& r = *liste_[offen.back()];
        offen.pop_back();
        for (int i = alt_ + 1; i <= n; ++i)
            if (!raus[i] && HaengtDirektAb(*liste_[i], r)) {
                raus[i] = 1;
                warum[i] = NichtGelesen(DateinameVon(&r));
                offen.push_back(i);
            }
    }
    std::vector<int> slots;
    for (int i = 1; i <= n; ++i)
        if (raus[i]) slots.push_back(i);
    for (TNeu& neu : neue_)
        if (const int slot = liste_.SlotVon(neu.Element); !neu.Weg && raus[slot]) {
            neu.Weg = true;
            fehlend_.insert(neu.Dateiname);
            Vermerken(neu.Dateiname, warum[slot]);
        }
    SlotsEntfernen(liste_, slots);
}

void TLeser::Abbrechen(std::size_t ab, const std::string& name) {
    abgebrochen_ = true;
    grenze_ = ab;
    Entfernen({neue_[ab].Element}, "verweist auf " + name + ", das es in der Datei nicht gibt");
    std::vector<TDreiDBasisElement*> weg;
    for (std::size_t k = ab + 1; k < neue_.size(); ++k)
        if (!neue_[k].Weg) weg.push_back(neue_[k].Element);
    Entfernen(weg, "wurde nach dem Einlesefehler nicht mehr gelesen");
}

void TLeser::ZyklenEntfernen() {
    // The evaluation follows the references of definitions recursively; a
    // ring of them would never end. A ring through originals and derivation
    // operands makes an element computed from itself, with new nonsense at
    // every rebuild. The tip of an arrow's own vector refers back to the
    // arrow, which the evaluation of the arrow does not follow.
    const int n = liste_.Anzahl();
    const auto bezuege = [](const TDreiDBasisElement& e) {
        std::vector<const TDreiDBasisElement*> b;
        for (std::size_t i = 0; i < e.Bezuege.size(); ++i)
            if (!(e.Art == TElementart::DPfeil && e.Festlegung == TPfeil::PfPP && i == 2))
                b.push_back(e.Bezuege[i]);
        if (e.Entstehung.Art != TEntstehungsart::keine) {
            b.push_back(e.Entstehung.Originalelement);
            for (const auto& op : e.Entstehung.Elemente)
                b.push_back(op.Element);
        }
        return b;
    };
    std::unordered_map<const TDreiDBasisElement*, int> slotVon;
    for (int i = 1; i <= n; ++i)
        slotVon[liste_[i]] = i;
    const auto slot = [&slotVon](const TDreiDBasisElement* e) {
        const auto it = slotVon.find(e);
        return it == slotVon.end() ? 0 : it->second;
    };
    std::vector<TDreiDBasisElement*> imRing;
    for (int start = alt_ + 1; start <= n; ++start) {
        std::vector<char> besucht(static_cast<std::size_t>(n) + 1, 0);
        std::vector<int> offen = {start};
        bool ring = false;
        while (!offen.empty() && !ring) {
            const TDreiDBasisElement& e = *liste_[offen.back()];
            offen.pop_back();
            for (const TDreiDBasisElement* b : bezuege(e)) {
                const int z = b ? slot(b) : 0;
                if (z == start)
                    ring = true;
                else if (z > 0 && !besucht[z]) {
                    besucht[z] = 1;
                    offen.push_back(z);
                }
            }
        }
        if (ring) imRing.push_back(liste_[start]);
    }
    if (!imRing.empty()) Entfernen(imRing, "hängt über seine Bezüge von sich selbst ab");
}

} // namespace

TGelesen FrueherLesen(std::string_view bytes, TListe& liste, TFassung fassung) {
    const TEnhIniFile ini(TEnhIniFile::TImSpeicher{bytes});
    std::vector<std::string> sektionen;
    ini.ReadSectionNames(sektionen);
    liste.Leeren();
    TRollenMenge rollen = 0;
    TLeser leser(ini, liste, rollen, false, fassung);
    TGelesen g;
    g.Ganz = leser.Lesen(sektionen);
    g.Bericht = leser.Bericht();
    return g;
}

} // namespace kalvorin::frueher
