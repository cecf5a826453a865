#include "document/Invarianten.h"

#include "document/Dokument.h"
#include "document/ElementEingabe.h"
#include "model/Meldungen.h"
#include "model/Utf8.h"
#include "storage/Dokumentdatei.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace kalvorin {

namespace {

std::string Wer(const TListe& l, int slot) {
    return "slot " + std::to_string(slot) + " (" + l[slot]->Name + ")";
}

// Numbers bit for bit: the hexadecimal form of the long double.
void Zahl(std::string& s, Real x) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, " %La", x);
    s += puffer;
}
void Tripel(std::string& s, const TTripel& t) {
    Zahl(s, t.x);
    Zahl(s, t.y);
    Zahl(s, t.z);
}

// Whether the holder may refer to the later element r by its definition.
bool DarfNachfolgerSein(const TDreiDBasisElement& e, const TDreiDBasisElement& r) {
    // A part typed in a dialog holds its numbers: free point or vector.
    if (r.Entstehung.Art == TEntstehungsart::keine &&
        ((r.Art == TElementart::DfrPunkt && r.Festlegung == TfrPunkt::Koord) ||
         (r.Art == TElementart::DVektor && r.Festlegung == TVektor::V)))
        return true;
    // The vector an arrow "Punkt-Punkt" carries refers back to it.
    if (e.Art == TElementart::DPfeil && e.Festlegung == TPfeil::PfPP &&
        r.Art == TElementart::DVektor && r.Festlegung == TVektor::VPf && r.Bezuege[0] == &e)
        return true;
    // The image points of a composite image, written by its recomputation.
    return IstAbbildungsEntstehung(e.Entstehung.Art) && IstAbbildungsEntstehung(r.Entstehung.Art);
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

std::string DateiInhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
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
            if (j > i && DarfNachfolgerSein(e, *r)) return {};
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
    std::string s = "n " + std::to_string(liste.Anzahl()) + "\n";
    const auto slot = [&](const TDreiDBasisElement* r) {
        return " " + std::to_string(r ? liste.SlotVon(r) : -1);
    };
    for (int i = 1; i <= liste.Anzahl(); ++i) {
        const TDreiDBasisElement& e = *liste[i];
        s += std::to_string(liste.Anzeigereihenfolge(i)) + " " + std::to_string(e.ArtNummer()) +
             " [" + e.Name + "] " + std::to_string(e.Farbe) + " " + std::to_string(e.Transparenz) +
             " " + std::to_string(e.Dicke) + " " + std::to_string(e.fest) +
             std::to_string(e.sichtbar) + std::to_string(e.markiert) +
             std::to_string(e.NameSichtbar) + std::to_string(e.Hilfslinien) + " E" +
             std::to_string(static_cast<int>(e.Entstehung.Art)) +
             slot(e.Entstehung.Originalelement);
        for (const auto& op : e.Entstehung.Elemente) {
            s += slot(op.Element);
            Zahl(s, op.Zahl);
        }
        s += " R";
        for (bool r : e.Rollen)
            s += r ? '1' : '0';
        Zahl(s, e.Streckungsfaktor);
        s += slot(e.Projektionsvektor) + " F" + std::to_string(e.Festlegung);
        for (const auto* r : e.Bezuege)
            s += slot(r);
        switch (e.Art) {
        case TElementart::DfrPunkt:
            Tripel(s, Als<TfrPunkt>(e).Koordinaten);
            s += " " + std::to_string(Als<TfrPunkt>(e).Punktform);
            break;
        case TElementart::DVektor:
            Tripel(s, Als<TVektor>(e).Komponenten);
            break;
        case TElementart::DGerade:
            Tripel(s, Als<TGerade>(e).Punkt);
            Tripel(s, Als<TGerade>(e).Richtung);
            s += " " + std::to_string(Als<TGerade>(e).MitRand);
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

std::string Dateibild(const TListe& liste, const TKoordinatensystem& ks, const std::string& datei) {
    if (!DokumentSchreiben(datei, liste, ks)) return {};
    std::string inhalt = DateiInhalt(datei);
    std::remove(datei.c_str());
    return inhalt;
}

std::string SpeichernPruefen(const TListe& liste, const TKoordinatensystem& ks,
                             const std::string& datei) {
    TMeldungsProtokoll still;
    const std::string erstes = Dateibild(liste, ks, datei);
    if (erstes.empty()) return "the document does not write";
    std::ofstream(datei, std::ios::binary) << erstes;
    TListe zwei;
    TKoordinatensystem ks2;
    TRollenMenge rollen = 0;
    bool vollstaendig = false;
    const bool gelesen = DokumentLesen(datei, zwei, ks2, rollen, false, &vollstaendig);
    std::remove(datei.c_str());
    if (!gelesen || !vollstaendig) return "the written document does not read completely";
    if (zwei.Anzahl() != liste.Anzahl()) return "elements lost by saving and loading";
    for (int i = 1; i <= liste.Anzahl(); ++i)
        if (zwei[i]->Name != liste[i]->Name) return Wer(liste, i) + ": renamed by loading";
    if (Dateibild(zwei, ks2, datei) != erstes) return "save, load, save gives other bytes";
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
    std::string s = ListenAbbild(dokument.Liste()) + "K";
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
    return s + (dokument.Geaendert() ? " geaendert" : "");
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
