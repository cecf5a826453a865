#include "document/Invarianten.h"

#include "document/Dateiregeln.h"
#include "document/Dokument.h"
#include "model/Abhaengigkeiten.h"
#include "model/Meldungen.h"
#include "model/Utf8.h"
#include "storage/Dokumentdatei.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>
#include <unordered_map>
#include <vector>

namespace kalvorin {

namespace {

std::string Wer(const TListe& l, int slot) {
    return "slot " + std::to_string(slot) + " (" + l[slot]->Name + ")";
}

// Numbers bit for bit: the sign, exponent and mantissa of the 80-bit
// number in hexadecimal (its padding bytes left out), written by hand since
// the images are made after every step of the command-sequence fuzzer and
// printf took most of their time. Every NaN counts as one.
void Zahl(std::string& s, Real x) {
    if constexpr (std::numeric_limits<Real>::digits == 64) {
        if (std::isnan(x)) {
            s += " nan";
            return;
        }
        unsigned char bytes[sizeof(Real)] = {};
        std::memcpy(bytes, &x, sizeof x);
        static constexpr char ziffern[] = "0123456789abcdef";
        char puffer[22] = {' '};
        for (int i = 0; i < 10; ++i) {
            puffer[1 + 2 * i] = ziffern[bytes[9 - i] >> 4];
            puffer[2 + 2 * i] = ziffern[bytes[9 - i] & 15];
        }
        s.append(puffer, 21);
    } else {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, " %La", x);
        s += puffer;
    }
}
void Ganz(std::string& s, long long z) {
    char puffer[24];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, z);
    s.append(puffer, ergebnis.ptr);
}
void Tripel(std::string& s, const TTripel& t) {
    Zahl(s, t.x);
    Zahl(s, t.y);
    Zahl(s, t.z);
}

// The references an element depends on; the arrow's own vector is left out.
std::vector<const TDreiDBasisElement*> Quellen(const TDreiDBasisElement& e) {
    std::vector<const TDreiDBasisElement*> q;
    for (std::size_t i = 0; i < e.Bezuege.size(); ++i) {
        if (!e.Bezuege[i]) continue;
        if (e.Art == TElementart::DPfeil && e.Festlegung == TPfeil::PfPP && i == 2) continue;
        q.push_back(e.Bezuege[i]);
    }
    if (e.Entstehung.Originalelement) q.push_back(e.Entstehung.Originalelement);
    for (const auto& op : e.Entstehung.Elemente)
        if (op.Element) q.push_back(op.Element);
    return q;
}

std::string MeldungenAbbild(const TMeldungsProtokoll& p) {
    std::string s;
    for (const auto& m : p.Eintraege)
        s += std::to_string(static_cast<int>(m.Art)) + (m.IstFrage ? "?" : ":") + m.Text + "\n";
    return s;
}

} // namespace

std::string ElementzahlPruefen(const TListe& liste) {
    if (liste.Anzahl() < 0 || liste.Anzahl() > TListe::Kapazitaet)
        return "element count " + std::to_string(liste.Anzahl()) + " outside 0..100";
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (!liste[i]) return "slot " + std::to_string(i) + " empty";
    return {};
}

std::string NamensregelnPruefen(const TListe& liste) {
    std::set<std::string> namen;
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const std::string& n = liste[i]->Name;
        if (n.empty()) return Wer(liste, i) + ": empty name";
        if (Utf8Laenge(n) > MaxNamenLaenge) return Wer(liste, i) + ": name too long";
        if (!SpeicherFehler(n).empty()) return Wer(liste, i) + ": name not storable";
        if (!namen.insert(n).second) return Wer(liste, i) + ": name not unique";
    }
    return {};
}

std::string BezuegePruefen(const TListe& liste) {
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        const auto pruefen = [&](const TDreiDBasisElement* r, const char* was,
                                 bool geordnet) -> std::string {
            if (!r) return {};
            const int j = liste.SlotVon(r);
            if (j == 0) return Wer(liste, i) + ": " + was + " outside the list";
            if (!geordnet || j < i) return {};
            if (j > i && DarfVorQuelleStehen(e, *r)) return {};
            return Wer(liste, i) + ": " + was + " " + Wer(liste, j) + " does not stand before it";
        };
        for (const auto* r : e.Bezuege)
            if (auto f = pruefen(r, "reference", true); !f.empty()) return f;
        if (auto f = pruefen(e.Entstehung.Originalelement, "original", true); !f.empty()) return f;
        for (const auto& op : e.Entstehung.Elemente)
            if (auto f = pruefen(op.Element, "operand", true); !f.empty()) return f;
        if (auto f = pruefen(e.Projektionsvektor, "projection vector", false); !f.empty()) return f;
        if (e.Projektionsvektor && !e.Rolle(TRolle::IstP_Projektionsebene))
            return Wer(liste, i) + ": projection vector without its role";
    }
    return {};
}

std::string KreisfreiheitPruefen(const TListe& liste) {
    const int n = liste.Anzahl();
    // Depth-first search, colours: 0 unseen, 1 on the path, 2 done.
    std::vector<int> farbe(static_cast<std::size_t>(n) + 1, 0);
    for (int start = 1; start <= n; ++start) {
        if (farbe[start]) continue;
        std::vector<std::pair<int, std::size_t>> stapel = {{start, 0}};
        farbe[start] = 1;
        while (!stapel.empty()) {
            auto& [slot, naechste] = stapel.back();
            const auto q = Quellen(*liste[slot]);
            if (naechste >= q.size()) {
                farbe[slot] = 2;
                stapel.pop_back();
                continue;
            }
            const int z = liste.SlotVon(q[naechste++]);
            if (z == 0 || farbe[z] == 2) continue;
            if (farbe[z] == 1) return Wer(liste, z) + " depends on itself";
            farbe[z] = 1;
            stapel.push_back({z, 0});
        }
    }
    return {};
}

std::string ListenAbbild(const TListe& liste) {
    std::string s;
    s.reserve(static_cast<std::size_t>(liste.Anzahl()) * 200 + 16);
    s += "n ";
    Ganz(s, liste.Anzahl());
    s += '\n';
    // Slots looked up once: the image is made after every step of the
    // command-sequence fuzzer, and a search per reference made it quadratic.
    std::unordered_map<const TDreiDBasisElement*, int> slots;
    slots.reserve(static_cast<std::size_t>(liste.Anzahl()));
    for (int i = 1; i <= liste.Anzahl(); ++i)
        slots.emplace(liste[i], i);
    const auto slot = [&](const TDreiDBasisElement* r) {
        s += ' ';
        const auto gefunden = r ? slots.find(r) : slots.end();
        Ganz(s, !r ? -1 : gefunden == slots.end() ? 0 : gefunden->second);
    };
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        Ganz(s, liste.Anzeigereihenfolge(i));
        s += ' ';
        Ganz(s, e.ArtNummer());
        s += " [";
        s += e.Name;
        s += "] ";
        Ganz(s, e.Farbe);
        s += ' ';
        Ganz(s, e.Transparenz);
        s += ' ';
        Ganz(s, e.Dicke);
        s += ' ';
        for (long long z :
             {static_cast<long long>(e.fest), static_cast<long long>(e.sichtbar),
              static_cast<long long>(e.markiert), static_cast<long long>(e.NameSichtbar),
              static_cast<long long>(e.Hilfslinien)})
            Ganz(s, z);
        s += " E";
        Ganz(s, static_cast<int>(e.Entstehung.Art));
        slot(e.Entstehung.Originalelement);
        for (const auto& op : e.Entstehung.Elemente) {
            slot(op.Element);
            Zahl(s, op.Zahl);
        }
        s += " R";
        for (bool r : e.Rollen)
            s += r ? '1' : '0';
        Zahl(s, e.Streckungsfaktor);
        slot(e.Projektionsvektor);
        s += " F";
        Ganz(s, e.Festlegung);
        for (const auto* r : e.Bezuege)
            slot(r);
        switch (e.Art) {
        case TElementart::DfrPunkt:
            Tripel(s, Als<TfrPunkt>(e).Koordinaten);
            s += ' ';
            Ganz(s, Als<TfrPunkt>(e).Punktform);
            break;
        case TElementart::DVektor:
            Tripel(s, Als<TVektor>(e).Komponenten);
            break;
        case TElementart::DGerade:
            Tripel(s, Als<TGerade>(e).Punkt);
            Tripel(s, Als<TGerade>(e).Richtung);
            s += ' ';
            Ganz(s, Als<TGerade>(e).MitRand);
            break;
        case TElementart::DEbene: {
            const auto& p = Als<TEbene>(e);
            Tripel(s, p.Punkt);
            Tripel(s, p.Richtung1);
            Tripel(s, p.Richtung2);
            Tripel(s, p.Normale);
            Zahl(s, p.d);
            break;
        }
        case TElementart::DKugel:
            Tripel(s, Als<TKugel>(e).Zentrum);
            Zahl(s, Als<TKugel>(e).Radius);
            break;
        case TElementart::DKreis:
            Tripel(s, Als<TKreis>(e).Zentrum);
            Tripel(s, Als<TKreis>(e).Normale);
            Zahl(s, Als<TKreis>(e).Radius);
            break;
        default:
            break;
        }
        s += "\n";
    }
    return s;
}

std::string NeuaufbauPruefen(TDokument& dokument) {
    TMeldungsProtokoll erstes;
    dokument.Neuaufbau();
    const std::string a = ListenAbbild(dokument.Liste());
    const std::string ma = MeldungenAbbild(erstes);
    const int objekteA = dokument.Szene().Objektzahl();
    TMeldungsProtokoll zweites;
    dokument.Neuaufbau();
    if (ListenAbbild(dokument.Liste()) != a) return "a second rebuild changes the elements";
    if (MeldungenAbbild(zweites) != ma) return "a second rebuild says something else";
    if (dokument.Szene().Objektzahl() != objekteA) return "a second rebuild draws otherwise";
    return {};
}

std::string Dateibild(const TListe& liste, const TKoordinatensystem& ks) {
    return DokumentInhalt(liste, ks).value_or(std::string());
}

std::string SpeichernPruefen(const TListe& liste, const TKoordinatensystem& ks) {
    TMeldungsProtokoll still;
    const std::string erstes = Dateibild(liste, ks);
    if (erstes.empty()) return "the document does not write";
    TListe zwei;
    TKoordinatensystem ks2;
    TRollenMenge rollen = 0;
    bool vollstaendig = false;
    const bool gelesen =
        DokumentAusInhaltLesen(erstes, "runde.kvr", zwei, ks2, rollen, false, &vollstaendig);
    if (!gelesen || !vollstaendig) return "the written document does not read completely";
    if (zwei.Anzahl() != liste.Anzahl()) return "elements lost by saving and loading";
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (zwei[i]->Name != liste[i]->Name) return Wer(liste, i) + ": renamed by loading";
    if (Dateibild(zwei, ks2) != erstes) return "save, load, save gives other bytes";
    return {};
}

std::string RueckgaengigPruefen(TDokument& dokument, const std::string& abbildVorher) {
    if (!dokument.RueckgaengigMachen()) return "undo refused although a snapshot is there";
    if (ListenAbbild(dokument.Liste()) != abbildVorher)
        return "undo does not restore the list\nexpected:\n" + abbildVorher + "got:\n" +
               ListenAbbild(dokument.Liste());
    return {};
}

std::string ZustandsAbbild(const TDokument& dokument) {
    const TKoordinatensystem& ks = dokument.Koordinatensystem();
    std::string s = ListenAbbild(dokument.Liste());
    s += 'K';
    for (const TAchsenDaten& a : ks.Achsen) {
        Zahl(s, a.Unten);
        Zahl(s, a.Oben);
        s += a.Zeichnen ? " 1" : " 0";
    }
    for (const TKoordEbenenDaten& e : ks.Ebenen) {
        for (Real x : {e.Unten1, e.Oben1, e.Unten2, e.Oben2})
            Zahl(s, x);
        s += " " + std::to_string(e.Transparenz) + " " + std::to_string(e.Farbe) +
             (e.Zeichnen ? " 1" : " 0");
    }
    s += " " + std::to_string(ks.AchsenFarbe) + " " + std::to_string(ks.Skalierung) +
         (ks.Achsenbeschriftung ? " 1" : " 0") + (ks.GleicheGrenzen ? " 1" : " 0");
    Zahl(s, ks.H);
    Tripel(s, ks.Ecke1);
    Tripel(s, ks.Ecke2);
    if (dokument.Geaendert()) s += " geaendert";
    return s;
}

std::string UnveraendertPruefen(const TDokument& dokument, const std::string& zustandVorher) {
    if (ZustandsAbbild(dokument) != zustandVorher) return "a refused input changed the document";
    return {};
}

std::string ListeninvariantenPruefen(const TListe& liste) {
    for (auto* pruefen :
         {ElementzahlPruefen, NamensregelnPruefen, BezuegePruefen, KreisfreiheitPruefen})
        if (std::string f = pruefen(liste); !f.empty()) return f;
    return {};
}

} // namespace kalvorin
