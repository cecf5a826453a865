#include "storage/Dokumentdatei.h"

#include "model/Konstruktionsarten.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/EnhIniFile.h"
#include "storage/Felder.h"
#include "storage/Meldungsbox.h"

#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvorin {

using namespace dokument;

namespace {

std::string NameVon(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string();
}

std::string ArtUndWort(int nummer, std::string_view wort) {
    return std::to_string(nummer) + "|" + std::string(wort);
}

void KoordinatensystemSchreiben(TEnhIniFile& ini, const TKoordinatensystem& ks) {
    ini.WriteString(Version, "VersName", VersName);
    ini.WriteString(Version, "VersNummer", VersNummer);

    ini.WriteString(Achsen, "Farbe", ColorToField(ks.AchsenFarbe));
    ini.WriteInteger(Achsen, "Skalierung", ks.Skalierung);
    ini.WriteBool(Achsen, "beschriften", ks.Achsenbeschriftung);
    for (int i = 0; i < 3; ++i) {
        const TAchsenDaten& a = ks.Achsen[i];
        const std::string x = AchsenBuchstaben[i];
        ini.WriteString(Achsen, x, RealToField(a.Unten) + "|" + RealToField(a.Oben));
        ini.WriteBool(Achsen, x + "Zeichnen", a.Zeichnen);
    }

    ini.WriteBool(Ebenen, "Gleiche Grenzen", ks.GleicheGrenzen);
    for (int i = 0; i < 3; ++i) {
        const TKoordEbenenDaten& e = ks.Ebenen[i];
        const std::string xy = EbenenNamen[i];
        ini.WriteInteger(Ebenen, xy + "Transparenz", e.Transparenz);
        ini.WriteBool(Ebenen, xy + "Zeichnen", e.Zeichnen);
        ini.WriteString(Ebenen, xy + "Farbe", ColorToField(e.Farbe));
    }
}

std::string EntstehungselementeText(const TEntstehung& en) {
    const auto& platz = Konstruktionsangaben(en.Art).Operanden;
    std::string text;
    int belegt = 0;
    for (int i = 0; i < 3; ++i)
        if (platz[i] != TOperand::Keiner) belegt = i + 1;
    for (int i = 0; i < belegt; ++i) {
        if (i > 0) text += '|';
        if (platz[i] == TOperand::Name)
            text += NameVon(en.Elemente[i].Element);
        else if (platz[i] == TOperand::Zahl)
            text += RealToField(en.Elemente[i].Zahl);
    }
    return text;
}

std::string FestlegungsText(const TDreiDBasisElement& e, const TFestlegungsschluessel& k) {
    std::string text;
    if (k.Zahlen > 0) {
        std::array<Real*, 9> felder{};
        const int n = Zahlenfelder(const_cast<TDreiDBasisElement&>(e), felder);
        for (int i = 0; i < n; ++i) {
            if (i > 0) text += '|';
            text += RealToField(*felder[i]);
        }
        return text;
    }
    for (int i = 0; i < k.Namen; ++i) {
        if (i > 0) text += '|';
        const std::string name = NameVon(e.Bezuege[i]);
        text += k.Escaped ? EscapeName(name) : name;
    }
    return text;
}

void ElementSchreiben(TEnhIniFile& ini, const TDreiDBasisElement& e) {
    const std::string s = EscapeName(e.Name);
    const int art = e.ArtNummer();
    ini.WriteString(s, "Elementart", ArtUndWort(art, ElementartName(art)));
    if (e.Farbe != Schwarz) ini.WriteString(s, "RGB", ColorToField(e.Farbe));
    if (e.Transparenz != 0) ini.WriteInteger(s, "Transparenz", e.Transparenz);
    if (e.Dicke != 1) ini.WriteInteger(s, "Dicke", e.Dicke);
    ini.WriteBoolIfTrue(s, "fest", e.fest);
    if (!e.sichtbar) ini.WriteBool(s, "sichtbar", false);
    ini.WriteBoolIfTrue(s, "markiert", e.markiert);
    if (!e.NameSichtbar) ini.WriteBool(s, "Name sichtbar", false);
    if (!e.Hilfslinien) ini.WriteBool(s, "Hilfslinien", false);

    const int code = static_cast<int>(e.Entstehung.Art);
    if (code != 0) {
        const TEntstehungsschluessel& k =
            FuerFruehereFrei(e) ? Herleitungsschluessel : Entstehungsschluessel;
        ini.WriteString(s, k.Art, ArtUndWort(code, EntstehungsartName(code)));
        if (e.Entstehung.Originalelement)
            ini.WriteString(s, k.Original, e.Entstehung.Originalelement->Name);
        ini.WriteString(s, k.Elemente, EntstehungselementeText(e.Entstehung));
    }

    for (int r = 0; r < AnzahlRollen; ++r)
        ini.WriteBoolIfTrue(s, std::string(RollenName(static_cast<TRolle>(r))), e.Rollen[r]);
    // Left out when it reads back as 1, as a missing key does: a factor a
    // hair from 1 (a ratio of two lengths) is written as "1", and the file
    // read back would otherwise lose the line at its next save.
    if (const std::string faktor = RealToField(e.Streckungsfaktor); faktor != RealToField(1))
        ini.WriteString(s, "Streckungsfaktor", faktor);
    if (e.Projektionsvektor && e.Rolle(TRolle::IstP_Projektionsebene))
        ini.WriteString(s, "Projektionsvektor", e.Projektionsvektor->Name);

    // Kinds with one way of definition have no mode to store.
    const int festlegung = AnzahlFestlegungen(art) > 1 ? e.Festlegung : 0;
    if (festlegung != 0) ini.WriteInteger(s, "Festlegung", festlegung);
    if (const TFestlegungsschluessel* k = Festlegungsschluessel(art, festlegung))
        ini.WriteString(s, k->Schluessel, FestlegungsText(e, *k));

    if (e.Art == TElementart::DfrPunkt)
        ini.WriteInteger(s, "Punktform", static_cast<const TfrPunkt&>(e).Punktform);
    else if (e.Art == TElementart::DGerade)
        ini.WriteBool(s, "mit Rand", static_cast<const TGerade&>(e).MitRand);
}

// The questions, the elements by their places in the file (their slots); a
// question about an element that is gone is left out.
void FragenSchreiben(TEnhIniFile& ini, const TListe& liste, const TBlattfragen& fragen) {
    if (!fragen) return;
    std::vector<std::string> werte;
    for (const TBlattfrage& f : *fragen) {
        std::string wert = f.Art;
        if (f.Art == BlattfrageText) wert += "|" + f.Text;
        bool gut = f.Art == BlattfrageText || !f.Nummern.empty();
        for (const int nummer : f.Nummern) {
            int slot = 0;
            for (int i = 1; i <= liste.Anzahl() && slot == 0; ++i)
                if (liste[i]->Nummer == nummer) slot = i;
            gut = gut && slot > 0;
            wert += "|" + std::to_string(slot);
        }
        if (gut) werte.push_back(std::move(wert));
    }
    ini.WriteInteger(Blattfragen, "Anzahl", static_cast<int>(werte.size()));
    for (std::size_t i = 0; i < werte.size(); ++i)
        ini.WriteString(Blattfragen, "Frage" + std::to_string(i + 1), werte[i]);
}

// Every name must come back as itself, and no two elements may share a
// section (with each other or with the coordinate system's sections), or
// the file would silently merge them. Empty when all is well.
std::string NamensPruefung(const TListe& liste) {
    std::set<std::string> belegt = {Sektionsform(Version), Sektionsform(Achsen),
                                    Sektionsform(Ebenen)};
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const std::string& name = liste[i]->Name;
        if (std::string fehler = NamensFehler(name); !fehler.empty()) return fehler;
        if (!belegt.insert(Sektionsform(EscapeName(name))).second)
            return "Der Name " + name + " kann nicht gespeichert werden, da er in der Datei " +
                   "schon für einen anderen Abschnitt steht.";
    }
    return {};
}

// The file's bytes: the coordinate system, one section per element, then
// the worksheet's questions.
std::string Inhalt(const TListe& liste, const TKoordinatensystem& ks, const TBlattfragen& fragen) {
    TEnhIniFile ini(TEnhIniFile::TImSpeicher{});
    ini.Clear();
    KoordinatensystemSchreiben(ini, ks);
    for (int i = 1; i <= liste.Anzahl(); ++i)
        ElementSchreiben(ini, *liste[i]);
    FragenSchreiben(ini, liste, fragen);
    return ini.Text();
}

} // namespace

bool DokumentSchreiben(const std::string& datei, const TListe& liste, const TKoordinatensystem& ks,
                       int modusNeu) {
    return DokumentSchreiben(datei, liste, ks, TBlattfragen{}, modusNeu);
}

bool DokumentSchreiben(const std::string& datei, const TListe& liste, const TKoordinatensystem& ks,
                       const TBlattfragen& fragen, int modusNeu) {
    const TWarteCursor warten;
    if (const std::string fehler = NamensPruefung(liste); !fehler.empty()) {
        ShowMessageBox(fehler + "\r\nDie Datei wurde nicht gespeichert. (" + datei + ")",
                       "Kalvorin", MB_ICONWARNING);
        return false;
    }
    if (const TErsetzenErgebnis e =
            DateiErsetzenMitGrund(datei, Inhalt(liste, ks, fragen), modusNeu);
        e.Fehler != TSchreibfehler::Keiner) {
        ShowMessageBox(Schreibmeldung(TAusgabe::Dokument, e.Fehler, datei), "Kalvorin",
                       MB_ICONWARNING);
        return false;
    }
    return true;
}

std::optional<std::string> DokumentInhalt(const TListe& liste, const TKoordinatensystem& ks,
                                          const TBlattfragen& fragen) {
    if (!NamensPruefung(liste).empty()) return {};
    return Inhalt(liste, ks, fragen);
}

bool DokumentSchreibgeschuetzt(const std::string& datei) {
    struct stat info {};
    if (::stat(datei.c_str(), &info) != 0) return false;
    const std::size_t strich = datei.rfind('/');
    const bool versteckt = datei.compare(strich == std::string::npos ? 0 : strich + 1, 1, ".") == 0;
    return !S_ISREG(info.st_mode) || versteckt || ZielPruefen(datei) != TSchreibfehler::Keiner;
}

} // namespace kalvorin
