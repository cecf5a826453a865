#include "storage/Dokumentdatei.h"

#include "model/Abhaengigkeiten.h"
#include "model/Konstruktionsarten.h"
#include "model/Meldungen.h"
#include "model/Utf8.h"
#include "storage/Cp1252.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/EnhIniFile.h"
#include "storage/Felder.h"
#include "storage/Meldungsbox.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace kalvorin {

using namespace dokument;

namespace {

// Numbers beyond this cannot come from a document the program made; they
// would overflow in the products of the geometry and are refused.
constexpr Real GroessteZahl = 1e50L;
// Axis limits beyond this cannot be reached by the dialog or by zooming.
constexpr Real GroessteAchsengrenze = 10000;
// A document of 100 elements takes some 30 KB in lines of at most a few
// hundred characters; files or lines far beyond that are refused before the
// reading, which would take long and much memory for them.
constexpr std::int64_t GroessteDokumentdatei = 1 << 20;
constexpr std::size_t LaengsteDokumentzeile = 16384;

// A name that stands nowhere in the file ends the reading.
struct EEinlesefehler {
    std::string Name;
};
// The element cannot be read; it is dropped with what depends on it.
struct EUnlesbar {
    std::string Grund; // German, for the user: why
};

// At most this many dropped elements are named in the message; a taller
// one would not fit on the screen.
constexpr std::size_t HoechstensGenannt = 20;

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

TFarbe FarbeLesen(const TEnhIniFile& ini, const char* sektion, const char* schluessel,
                  TFarbe vorgabe) {
    const std::string wert = ini.ReadString(sektion, schluessel, "");
    if (wert.empty()) return vorgabe;
    try {
        return FieldToColor(wert);
    } catch (const EKonvertierungsfehler&) {
        return vorgabe;
    }
}

// A range that does not read, or that the view could not draw, keeps the default.
TAchsenDaten AchseLesen(const TEnhIniFile& ini, int achse) {
    TAchsenDaten a;
    const std::string x = AchsenBuchstaben[achse];
    std::string wert = ini.ReadString(Achsen, x, "-1|7");
    try {
        const auto [unten, oben] = FieldsToPair(wert);
        if (unten < oben && std::fabs(unten) <= GroessteAchsengrenze &&
            std::fabs(oben) <= GroessteAchsengrenze) {
            a.Unten = unten;
            a.Oben = oben;
        }
    } catch (const EKonvertierungsfehler&) {
    }
    a.Zeichnen = ini.ReadBool(Achsen, x + "Zeichnen", true);
    return a;
}

void KoordinatensystemLesen(const TEnhIniFile& ini, TKoordinatensystem& ks) {
    const TKoordinatensystem vorgabe;
    ks.AchsenFarbe = FarbeLesen(ini, Achsen, "Farbe", vorgabe.AchsenFarbe);
    ks.Skalierung = ini.ReadInteger(Achsen, "Skalierung", vorgabe.Skalierung);
    if (ks.Skalierung < SkalierungKeine || ks.Skalierung > SkalierungAlle5)
        ks.Skalierung = vorgabe.Skalierung;
    ks.Achsenbeschriftung = ini.ReadBool(Achsen, "beschriften", true);
    for (int i = 0; i < 3; ++i)
        ks.Achsen[i] = AchseLesen(ini, i);
    ks.AbgeleiteteDatenBerechnen();

    ks.GleicheGrenzen = ini.ReadBool(Ebenen, "Gleiche Grenzen", true);
    for (int i = 0; i < 3; ++i) {
        TKoordEbenenDaten& e = ks.Ebenen[i];
        const std::string xy = EbenenNamen[i];
        e.Transparenz = ini.ReadInteger(Ebenen, xy + "Transparenz", 1);
        e.Zeichnen = ini.ReadBool(Ebenen, xy + "Zeichnen", false);
        e.Farbe = FarbeLesen(ini, Ebenen, (xy + "Farbe").c_str(), vorgabe.Ebenen[i].Farbe);
    }
    ks.AbgeleiteteDatenBerechnen();
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
    TLeser(const TEnhIniFile& ini, TListe& liste, TRollenMenge& rollen, bool einfuegen)
        : ini_(ini), liste_(liste), rollen_(rollen), einfuegen_(einfuegen), alt_(liste.Anzahl()) {}

    // Returns false when the reading ended with "Einlesefehler".
    bool Lesen(const std::vector<std::string>& sektionen);

    // What was not taken over as it stood in the file: the name there and
    // why, in the order found.
    const std::vector<std::pair<std::string, std::string>>& Bericht() const { return bericht_; }

    // The worksheet's questions, their elements by the serial numbers they
    // got; a question about an element that was not read is dropped.
    TBlattfragen Fragen() const;

private:
    void ElementeAnlegen(const std::vector<std::string>& sektionen);
    void GemeinsamesLesen(TDreiDBasisElement& e, const std::string& s) const;
    void NamenVergeben();
    void RollenLesen(TNeu& n);
    void EntstehungLesen(TNeu& n);
    void EntstehungLesen(TNeu& n, const TEntstehungsschluessel& schluessel);
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
    // The serial number of the element at this place among the file's
    // elements (from 1); 0 when there is none or it was dropped.
    int NummerAnPlatz(int platz) const;

    const TEnhIniFile& ini_;
    TListe& liste_;
    TRollenMenge& rollen_;
    const bool einfuegen_;
    const int alt_; // elements that were in the list before
    std::vector<TNeu> neue_;
    // Per element section in file order: its index in neue_, or -1.
    std::vector<int> plaetze_;
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
        plaetze_.push_back(-1);
        // Only a kind that has a class becomes an element; any other number
        // must not wrap round onto one that has.
        TDreiDBasisElement* e =
            lesbar && HatElementklasse(art) ? liste_.Neu(static_cast<TElementart>(art)) : nullptr;
        if (!e) { // no class for the kind, or the list is full
            fehlend_.insert(dateiname);
            Vermerken(dateiname, lesbar && HatElementklasse(art)
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
        plaetze_.back() = static_cast<int>(neue_.size());
        neue_.push_back({e, s, dateiname, false, umbenennen});
    }
}

int TLeser::NummerAnPlatz(int platz) const {
    if (platz < 1 || platz > static_cast<int>(plaetze_.size())) return 0;
    const int k = plaetze_[static_cast<std::size_t>(platz - 1)];
    if (k < 0 || neue_[static_cast<std::size_t>(k)].Weg) return 0;
    return neue_[static_cast<std::size_t>(k)].Element->Nummer;
}

TBlattfragen TLeser::Fragen() const {
    if (!ini_.ValueExists(Blattfragen, "Anzahl")) return {};
    // More questions than a sheet can hold cannot come from the program.
    constexpr int Hoechstens = 1000;
    const int anzahl = std::clamp(ini_.ReadInteger(Blattfragen, "Anzahl", 0), 0, Hoechstens);
    std::vector<TBlattfrage> fragen;
    for (int i = 1; i <= anzahl; ++i) {
        const std::string wert = ini_.ReadString(Blattfragen, "Frage" + std::to_string(i), "");
        const std::size_t strich = wert.find('|');
        TBlattfrage f;
        f.Art = wert.substr(0, strich);
        if (f.Art.empty() || strich == std::string::npos) continue;
        if (f.Art == BlattfrageText) {
            f.Text = wert.substr(strich + 1);
            fragen.push_back(std::move(f));
            continue;
        }
        bool gut = true;
        for (std::size_t a = strich + 1; gut;) {
            const std::size_t e = wert.find('|', a);
            const std::string feld = wert.substr(a, e == std::string::npos ? e : e - a);
            const bool ziffern = !feld.empty() && feld.size() < 5 &&
                                 feld.find_first_not_of("0123456789") == std::string::npos;
            const int nummer = ziffern ? NummerAnPlatz(std::stoi(feld)) : 0;
            gut = nummer > 0;
            f.Nummern.push_back(nummer);
            if (e == std::string::npos) break;
            a = e + 1;
        }
        if (gut) fragen.push_back(std::move(f));
    }
    return fragen;
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
    if (!ini_.ValueExists(n.Sektion, Herleitungsschluessel.Art)) {
        EntstehungLesen(n, Entstehungsschluessel);
        return;
    }
    // Written so for earlier versions, which read the element as a free one
    // at its numbers: that it stays, too, when its derivation cannot be
    // taken over (a sphere it builds on was not read), like an element
    // whose construction fails.
    try {
        EntstehungLesen(n, Herleitungsschluessel);
    } catch (const EUnlesbar&) {
    } catch (const EEinlesefehler&) {
    } catch (const EKonvertierungsfehler&) {
    }
}

void TLeser::EntstehungLesen(TNeu& n, const TEntstehungsschluessel& schluessel) {
    const std::string& s = n.Sektion;
    const int code = FirstFieldToInt(ini_.ReadString(s, schluessel.Art, "0"));
    if (code == 0) return;
    const std::string original = ini_.ReadString(s, schluessel.Original, "");
    std::string liste = ini_.ReadString(s, schluessel.Elemente, "");
    if (liste.empty()) return; // kept as an independent element
    if (code < 0 || code >= AnzahlEntstehungsarten)
        throw EUnlesbar{"die Entstehungsart " + std::to_string(code) + " gibt es nicht"};

    const TKonstruktionsangaben& k = *Konstruktionsangaben(code);
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
    decltype(e.Bezuege) bezuege{};
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

std::string ZuGross(const std::string& datei) {
    return "Die Datei ist größer als 1 MB; ein Kalvorin-Dokument ist viel kleiner. Die Datei "
           "wird nicht gelesen. (" +
           datei + ")";
}

std::string ZeileZuLang(const std::string& datei) {
    return "Die Datei enthält eine Zeile mit mehr als " + std::to_string(LaengsteDokumentzeile) +
           " Zeichen; so lange Zeilen kommen in einem Kalvorin-Dokument nicht vor. Die Datei "
           "wird nicht gelesen. (" +
           datei + ")";
}

// Counts the characters of the line that runs on at the end of the bytes;
// false when it grew too long.
bool ZeilenKurz(std::string_view bytes, std::size_t& zeile) {
    for (const char c : bytes) {
        zeile = c == '\n' || c == '\r' ? 0 : zeile + 1;
        if (zeile > LaengsteDokumentzeile) return false;
    }
    return true;
}

std::string GrenzenPruefen(const std::string& datei) {
    const int fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {};
    struct stat st {};
    // What is no plain file is refused by the reading itself.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {};
    }
    if (st.st_size > GroessteDokumentdatei) {
        ::close(fd);
        return ZuGross(datei);
    }
    std::size_t zeile = 0;
    std::int64_t gelesen = 0;
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        gelesen += n;
        if (!ZeilenKurz(std::string_view(puffer, static_cast<std::size_t>(n)), zeile)) {
            ::close(fd);
            return ZeileZuLang(datei);
        }
        if (gelesen > GroessteDokumentdatei) break; // grew while being read
    }
    ::close(fd);
    if (gelesen > GroessteDokumentdatei) return ZuGross(datei);
    return {};
}

std::string GrenzenImInhalt(std::string_view bytes, const std::string& datei) {
    if (bytes.size() > static_cast<std::size_t>(GroessteDokumentdatei)) return ZuGross(datei);
    std::size_t zeile = 0;
    return ZeilenKurz(bytes, zeile) ? std::string() : ZeileZuLang(datei);
}

std::string BerichtText(const std::vector<std::pair<std::string, std::string>>& bericht,
                        bool einfuegen, bool abgebrochen, const std::string& datei) {
    std::string text = abgebrochen ? "Einlesefehler\r\n\r\n" : "";
    text += "Folgende Elemente der Datei " + datei + " können nicht so gelesen werden, wie sie " +
            "dort stehen:\r\n";
    for (std::size_t i = 0; i < bericht.size() && i < HoechstensGenannt; ++i) {
        const auto& [name, grund] = bericht[i];
        text += "\r\n" + (name.empty() ? std::string("(ohne Namen)") : name) + ": " + grund;
    }
    if (bericht.size() > HoechstensGenannt)
        text += "\r\nund " + std::to_string(bericht.size() - HoechstensGenannt) + " weitere";
    if (!einfuegen)
        text += "\r\n\r\nDamit die Datei nicht versehentlich überschrieben wird, fragt "
                "„Speichern“ nach einem neuen Dateinamen.";
    return text;
}

// Reads the document from the engine; datei names the file in messages.
bool Einlesen(const TEnhIniFile& ini, const std::string& datei, TListe& liste,
              TKoordinatensystem& ks, TRollenMenge& rollen, bool einfuegen, bool* vollstaendig,
              TBlattfragen* fragen) {
    std::vector<std::string> sektionen;
    try {
        ini.ReadSectionNames(sektionen);
    } catch (const EIniLesefehler&) {
        ShowMessageBox("Kalvorin kann diese Datei nicht lesen.\r\n"
                       "Eventuell gibt es sie nicht, oder sie ist nicht lesbar. (" +
                           datei + ")",
                       "Kalvorin", MB_ICONWARNING);
        return false;
    }
    if (!einfuegen) {
        rollen = 0;
        liste.Leeren();
        KoordinatensystemLesen(ini, ks);
    }
    TLeser leser(ini, liste, rollen, einfuegen);
    const bool ganz = leser.Lesen(sektionen);
    if (fragen && !einfuegen) *fragen = leser.Fragen();
    if (!leser.Bericht().empty())
        ShowMessageBox(BerichtText(leser.Bericht(), einfuegen, !ganz, datei), "Kalvorin",
                       MB_ICONWARNING);
    else if (!ganz)
        ShowMessageBox("Einlesefehler", "Kalvorin", MB_ICONWARNING);
    if (vollstaendig) *vollstaendig = ganz && leser.Bericht().empty();
    return true;
}

} // namespace

bool DokumentLesen(const std::string& datei, TListe& liste, TKoordinatensystem& ks,
                   TRollenMenge& rollen, bool einfuegen, bool* vollstaendig, TBlattfragen* fragen) {
    if (vollstaendig) *vollstaendig = false;
    const TWarteCursor warten;
    if (const std::string zuGross = GrenzenPruefen(datei); !zuGross.empty()) {
        ShowMessageBox(zuGross, "Kalvorin", MB_ICONWARNING);
        return false;
    }
    return Einlesen(TEnhIniFile(datei), datei, liste, ks, rollen, einfuegen, vollstaendig, fragen);
}

bool DokumentAusInhaltLesen(std::string_view bytes, const std::string& name, TListe& liste,
                            TKoordinatensystem& ks, TRollenMenge& rollen, bool einfuegen,
                            bool* vollstaendig, TBlattfragen* fragen) {
    if (vollstaendig) *vollstaendig = false;
    if (const std::string zuGross = GrenzenImInhalt(bytes, name); !zuGross.empty()) {
        ShowMessageBox(zuGross, "Kalvorin", MB_ICONWARNING);
        return false;
    }
    return Einlesen(TEnhIniFile(TEnhIniFile::TImSpeicher{bytes}), name, liste, ks, rollen,
                    einfuegen, vollstaendig, fragen);
}

} // namespace kalvorin
