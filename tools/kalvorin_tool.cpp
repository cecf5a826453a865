// kalvorin-tool: checks, converts and draws documents without a window.
//   dump FILE.kvr                    the document after a rebuild as JSON
//   save IN.kvr OUT.kvr              read, rebuild, write
//   insert BASE.kvr EXTRA.kvr OUT.kvr
//   render FILE.kvr OUT.png|svg|pdf|wmf|tex [--size N] [--frame] [--sphere] [--heftansicht]
//          [--massstab | --massstab-halb]
//   apply IN.kvr OUT.kvr COMMAND...  the menu commands on the marked elements
//   worksheet IN.kvr OUT.pdf|OUT.tex [--titel T] [--klasse K]
// --decimal-separator , or . overrides the locale's separator.

#include "ausgabe/Arbeitsblatt.h"
#include "ausgabe/Zeichnen.h"
#include "befehle/Befehle.h"
#include "befehle/Befehlstabelle.h"
#include "befehle/Messen.h"
#include "document/Dokument.h"
#include "document/Neuaufbau.h"
#include "exakt/ExakteMessung.h"
#include "exakt/Gleichungen.h"
#include "exakt/Loesungsweg.h"
#include "geometry/Beschreibung.h"
#include "model/Meldungen.h"
#include "storage/Cp1252.h"
#include "storage/DateiErsetzen.h"
#include "storage/Einstellungen.h"
#include "view/Metadatei.h"
#include "view/qt/Arbeitsblattausgabe.h"
#include "view/qt/Bildausgabe.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace kalvorin;
using nlohmann::json;

namespace {

constexpr int ExitFehlbedienung = 1;
constexpr int ExitDateifehler = 2;
constexpr int ExitInternerFehler = 3;

const char* const Gebrauch =
    "Aufruf:\n"
    "  kalvorin-tool dump DATEI.kvr\n"
    "  kalvorin-tool save EIN.kvr AUS.kvr\n"
    "  kalvorin-tool insert BASIS.kvr ZUSATZ.kvr AUS.kvr\n"
    "  kalvorin-tool render DATEI.kvr AUS.png|AUS.svg|AUS.pdf|AUS.wmf|AUS.tex [--size N] [--frame] "
    "[--sphere] [--heftansicht] [--massstab | --massstab-halb]\n"
    "    --size N: N x N Bildpunkte bei 96 dpi (AUS.tex ohne --size: 7,5 cm x 7,5 cm wie die\n"
    "    Vorgabe der Ausgabeoptionen); --frame: Rand um die Grafik;\n"
    "    --sphere: mit Sphäre zeichnen\n"
    "    --heftansicht: das Schrägbild auf Kästchenpapier, ohne --size in wahrer Größe\n"
    "    (1 LE = 1 cm, Kästchen 5 mm)\n"
    "    --massstab: Maßstab 1 LE = 1 cm, auf das Gezeichnete zugeschnitten, Namen und\n"
    "    Achsenzahlen in der Schriftgröße der Einstellungen (10 pt); PNG mit 300 dpi;\n"
    "    ohne Sphäre; eine Figur größer als A4 in wahrer Größe, mit einem Hinweis\n"
    "    --massstab-halb: ebenso im Maßstab 1 LE = 0,5 cm\n"
    "  kalvorin-tool apply EIN.kvr AUS.kvr BEFEHL [BEFEHL ...]\n"
    "    BEFEHL: SchneidenClick, ErzEbeneClick, ..., PspiegelnClick, MessWinkelClick,\n"
    "    RueckgaengigClick, LoeschenClick, StreckungFestlegen=FAKTOR, Markieren=NAME,NAME,...\n"
    "  kalvorin-tool solve EIN.kvr [Markieren=NAME,NAME,...] BEFEHL [--latex]\n"
    "    der Lösungsweg für die markierten Elemente; BEFEHL: SchneidenClick,\n"
    "    LoteerzeugenClick, SpiegelungClick, MessWinkelClick, MessLaengeClick,\n"
    "    MessFlaecheClick, MessVolumenClick\n"
    "  kalvorin-tool worksheet EIN.kvr AUS.pdf|AUS.tex [--titel TITEL] [--klasse KLASSE]\n"
    "    [--heftansicht]\n"
    "    ein Arbeitsblatt: die Aufgabe (die gegebenen Elemente und die Fragen des\n"
    "    Dokuments) auf der ersten Seite, die Lösung ab einer neuen Seite; ein langes\n"
    "    Blatt läuft über weitere Seiten\n"
    "Optionen: --decimal-separator , oder .\n";

int Fehlbedienung(const std::string& grund) {
    std::cerr << grund << "\n" << Gebrauch;
    return ExitFehlbedienung;
}

// Every text of the value as valid UTF-8, which JSON requires: file names
// and the messages that name them hold the file system's bytes, which
// need not be UTF-8 (a Latin-1 "\xDCbung.kvr").
json GueltigesJson(const json& j) {
    if (j.is_string()) return AlsUtf8(j.get_ref<const std::string&>());
    if (j.is_array()) {
        json r = json::array();
        for (const json& e : j)
            r.push_back(GueltigesJson(e));
        return r;
    }
    if (j.is_object()) {
        json r = json::object();
        for (const auto& [schluessel, wert] : j.items())
            r[AlsUtf8(schluessel)] = GueltigesJson(wert);
        return r;
    }
    return j;
}

json Tripel(TTripel t) {
    return json::array(
        {static_cast<double>(t.x), static_cast<double>(t.y), static_cast<double>(t.z)});
}

// The evaluation error of the element (0 when it evaluates), as the rebuild
// finds it, and the geometry it evaluates to.
int AuswertungsFehler(const TDreiDBasisElement& e, json& geometrie) {
    TSzenenEingabe g;
    const int f = ElementGeometrie(e, g);
    switch (e.Art) {
    case TElementart::DDreieck:
    case TElementart::DPyramide3: {
        json liste = json::array();
        for (const TTripel& t : g.Ecken)
            liste.push_back(Tripel(t));
        if (e.Art == TElementart::DPyramide3) liste.push_back(Tripel(g.Spitze));
        geometrie["corners"] = liste;
        break;
    }
    case TElementart::DViereck:
    case TElementart::DPyramide4: {
        json liste = json::array();
        for (const TTripel& t : g.Ecken)
            liste.push_back(Tripel(t));
        liste.push_back(Tripel(g.VierteEcke));
        if (e.Art == TElementart::DPyramide4) {
            geometrie["corners"] = liste;
            geometrie["apex"] = Tripel(g.Spitze);
        } else {
            geometrie["points"] = liste;
            if (f == 0)
                geometrie["area"] = static_cast<double>(
                    Viereckflaeche({g.Ecken[0], g.Ecken[1], g.Ecken[2], g.VierteEcke}));
        }
        break;
    }
    case TElementart::DfrPunkt:
        geometrie["point"] = Tripel(g.Punkt);
        break;
    case TElementart::DVektor:
        geometrie["vector"] = Tripel(g.Richtung);
        break;
    case TElementart::DEbene:
        geometrie["point"] = Tripel(g.Punkt);
        geometrie["u"] = Tripel(g.Richtung);
        geometrie["v"] = Tripel(g.Richtung2);
        break;
    case TElementart::DKugel:
    case TElementart::DKreis:
        geometrie["center"] = Tripel(g.Punkt);
        if (e.Art == TElementart::DKreis) geometrie["normal"] = Tripel(g.Richtung);
        geometrie["radius"] = static_cast<double>(g.Radius);
        break;
    default:
        geometrie["point"] = Tripel(g.Punkt);
        geometrie["direction"] = Tripel(g.Richtung);
        break;
    }
    return f;
}

json ExaktesTripel(const exakt::TQTripel& t) {
    using exakt::TStil;
    return json::array({exakt::Text(t.x, TStil::Ascii), exakt::Text(t.y, TStil::Ascii),
                        exakt::Text(t.z, TStil::Ascii)});
}

// The exact values of the element (numbers as texts such as "-20/61" and
// "44/61·√61") and its forms; null when it has none.
json Exakt(exakt::TExakteAuswertung& auswertung, const TDreiDBasisElement& e) {
    using namespace exakt;
    const auto g = auswertung.Geometrie(&e);
    if (!g) return nullptr;
    json j = json::object();
    const auto mass = [&](const char* name, TMessart art) {
        if (auto m = ExaktMessen(auswertung, art, {&e})) j[name] = Text(m->Wert, TStil::Ascii);
    };
    switch (e.Art) {
    case TElementart::DfrPunkt:
        j["point"] = ExaktesTripel(g->Punkt);
        break;
    case TElementart::DVektor:
    case TElementart::DPfeil:
        if (e.Art == TElementart::DPfeil) j["point"] = ExaktesTripel(g->Punkt);
        j["vector"] = ExaktesTripel(g->Richtung1);
        mass("length", TMessart::Betrag);
        break;
    case TElementart::DStrecke:
    case TElementart::DGerade:
        j["point"] = ExaktesTripel(g->Punkt);
        j["direction"] = ExaktesTripel(g->Richtung1);
        if (e.Art == TElementart::DStrecke) mass("length", TMessart::StreckenLaenge);
        break;
    case TElementart::DEbene: {
        j["point"] = ExaktesTripel(g->Punkt);
        j["u"] = ExaktesTripel(g->Richtung1);
        j["v"] = ExaktesTripel(g->Richtung2);
        const TKoordinatenform k = Koordinatenform(g->Punkt, Kreuz(g->Richtung1, g->Richtung2));
        j["normal"] = ExaktesTripel({k.a, k.b, k.c});
        j["d"] = Text(k.d, TStil::Ascii);
        break;
    }
    case TElementart::DDreieck:
        mass("area", TMessart::FlaecheDreieck);
        break;
    case TElementart::DPyramide3:
        mass("volume", TMessart::VolumenPyramide);
        break;
    case TElementart::DViereck:
        if (auto q = ExakteViereckecken(auswertung, &e)) {
            json punkte = json::array();
            for (const TQTripel& p : *q)
                punkte.push_back(ExaktesTripel(p));
            j["points"] = punkte;
        }
        mass("area", TMessart::FlaecheViereck);
        break;
    case TElementart::DPyramide4:
        mass("volume", TMessart::VolumenPyramide4);
        break;
    case TElementart::DKugel:
    case TElementart::DKreis:
        j["center"] = ExaktesTripel(g->Punkt);
        if (e.Art == TElementart::DKreis) j["normal"] = ExaktesTripel(g->Richtung1);
        if (auto r = Wurzel(g->Radiusquadrat)) j["radius"] = Text(*r, TStil::Ascii);
        break;
    default:
        break;
    }
    json formen = json::object();
    for (const TForm& f : Formen(auswertung, e))
        formen[f.Name] = f.Text;
    if (!formen.empty()) j["forms"] = formen;
    return j;
}

json Ausgabe(const TDokument& d, const TMeldungsProtokoll& protokoll) {
    json j;
    const TKoordinatensystem& ks = d.Koordinatensystem();
    json achsen;
    const char* namen[] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i)
        achsen[namen[i]] = json::array(
            {static_cast<double>(ks.Achsen[i].Unten), static_cast<double>(ks.Achsen[i].Oben)});
    j["coordinate_system"] = {{"axes", achsen}, {"half_side", static_cast<double>(ks.H)}};
    json elemente = json::array();
    exakt::TExakteAuswertung auswertung;
    for (int i = 1; i <= d.Liste().Anzahl(); ++i) {
        const TDreiDBasisElement& e = *d.Liste()[i];
        json geometrie = json::object();
        const int fehler = AuswertungsFehler(e, geometrie);
        elemente.push_back({{"name", e.Name},
                            {"kind", e.ArtNummer()},
                            {"mode", e.Festlegung},
                            {"derivation", static_cast<int>(e.Entstehung.Art)},
                            {"visible", e.sichtbar},
                            {"marked", e.markiert},
                            {"error", fehler},
                            {"definition", FestlegungsText(e)},
                            {"origin", EntstehungsText(e)},
                            {"geometry", geometrie}});
        if (json ex = Exakt(auswertung, e); !ex.is_null()) elemente.back()["exact"] = ex;
    }
    j["elements"] = elemente;
    json meldungen = json::array();
    for (const auto& m : protokoll.Eintraege)
        meldungen.push_back(m.Text);
    j["messages"] = meldungen;
    return j;
}

void MeldungenAusgeben(const TMeldungsProtokoll& protokoll, std::size_t ab = 0) {
    for (std::size_t i = ab; i < protokoll.Eintraege.size(); ++i)
        std::cerr << protokoll.Eintraege[i].Text << "\n";
}

// Reads the file into the document; on failure the German message goes to
// stderr and false is returned. ganz: a file that does not read completely
// fails too, so that no command writes a shortened document.
bool Lesen(TDokument& d, const std::string& datei, TMeldungsProtokoll& protokoll, bool einfuegen,
           bool ganz = true) {
    const std::size_t vorher = protokoll.Eintraege.size();
    bool vollstaendig = false;
    bool ok = false;
    if (einfuegen) {
        ok = d.Einfuegen(datei, &vollstaendig);
    } else {
        const TLadeergebnis e = d.Laden(datei);
        ok = e != TLadeergebnis::Nichts;
        vollstaendig = e == TLadeergebnis::Gelesen;
    }
    if (ok && ganz && !vollstaendig) {
        MeldungenAusgeben(protokoll, vorher);
        std::cerr << "Die Datei " << datei
                  << " wurde nicht vollständig gelesen; es wird nichts geschrieben.\n";
        return false;
    }
    if (!ok) {
        MeldungenAusgeben(protokoll, vorher);
        if (protokoll.Eintraege.size() == vorher)
            std::cerr << "Die Datei " << datei << " kann nicht gelesen werden.\n";
    }
    return ok;
}

bool Schreiben(TDokument& d, const std::string& datei, TMeldungsProtokoll& protokoll) {
    const std::size_t vorher = protokoll.Eintraege.size();
    if (d.Speichern(datei)) return true;
    MeldungenAusgeben(protokoll, vorher);
    if (protokoll.Eintraege.size() == vorher)
        std::cerr << "nach " << datei << " kann nicht geschrieben werden\n";
    return false;
}

// Every message goes to stdout as one line, prefixed by its kind, with the
// line breaks inside it written as \r and \n; questions are answered Yes.
class TAusgabeMeldungen : public IMeldungen {
public:
    TAusgabeMeldungen() : vorher_(&Meldungen()) { SetzeMeldungen(this); }
    ~TAusgabeMeldungen() override { SetzeMeldungen(vorher_); }
    TAusgabeMeldungen(const TAusgabeMeldungen&) = delete;
    TAusgabeMeldungen& operator=(const TAusgabeMeldungen&) = delete;

    void Meldung(const std::string& text, TMeldungsart art, const std::string&) override {
        const char* art_ = art == TMeldungsart::Warnung       ? "Warnung: "
                           : art == TMeldungsart::Information ? "Information: "
                                                              : "Fehler: ";
        std::cout << art_ << Einzeilig(text) << "\n";
    }
    TAntwort Frage(const std::string& text, TFrageKnoepfe, const std::string&) override {
        std::cout << "Frage: " << Einzeilig(text) << "\n";
        return TAntwort::Ja;
    }
    void WarteCursor(bool) override {}

private:
    static std::string Einzeilig(const std::string& text) {
        std::string r;
        for (char c : text) {
            if (c == '\r')
                r += "\\r";
            else if (c == '\n')
                r += "\\n";
            else
                r += c;
        }
        return r;
    }
    IMeldungen* vorher_;
};

// The menu commands that run in the core, by their handlers' names.
const TBefehlszeile* ToolBefehl(std::string_view name) {
    constexpr std::string_view Click = "Click";
    if (name.size() <= Click.size() || !name.ends_with(Click)) return nullptr;
    const TBefehlszeile* z = BefehlMitName(name.substr(0, name.size() - Click.size()));
    return z && z->Ausfuehren ? z : nullptr;
}

// A command with a value ("StreckungFestlegen=2,5"): the row whose dialog
// asks for that value; null for any other text.
const TBefehlszeile* WertBefehl(std::string_view befehl, std::string_view& wert) {
    const auto gleich = befehl.find('=');
    if (gleich == std::string_view::npos) return nullptr;
    for (const TBefehlszeile& z : Befehlstabelle())
        if (z.MitWert.Ausfuehren && befehl.substr(0, gleich) == z.MitWert.Name) {
            wert = befehl.substr(gleich + 1);
            return &z;
        }
    return nullptr;
}

// Marks exactly the named elements; false (with the unknown name) when one
// does not exist.
bool Markieren(TDokument& d, const std::string& namen, std::string& unbekannt) {
    std::vector<TDreiDBasisElement*> markiert;
    std::stringstream s(namen);
    for (std::string name; std::getline(s, name, ',');) {
        if (name.empty()) continue;
        TDreiDBasisElement* e = d.Liste().ElementMitName(name);
        if (!e) {
            unbekannt = name;
            return false;
        }
        markiert.push_back(e);
    }
    d.Markieren([&](TListe& liste) {
        for (int i = 1; i <= liste.Anzahl(); ++i)
            liste[i]->markiert = false;
        for (TDreiDBasisElement* e : markiert)
            e->markiert = true;
    });
    return true;
}

// Checks every command before anything runs, so that a typing error in the
// chain does not leave half a document behind.
std::string UnbekannterBefehl(const std::vector<std::string>& befehle) {
    for (const std::string& b : befehle) {
        std::string_view wert;
        if (b.rfind("Markieren=", 0) == 0 || WertBefehl(b, wert)) continue;
        if (!ToolBefehl(b)) return b;
    }
    return {};
}

// Runs the commands in order; false (after a message on stderr) when a
// Markieren names an element that does not exist.
bool Anwenden(TDokument& d, const std::vector<std::string>& befehle) {
    TAusgabeMeldungen ausgabe;
    for (const std::string& b : befehle) {
        if (b.rfind("Markieren=", 0) == 0) {
            std::string unbekannt;
            if (!Markieren(d, b.substr(10), unbekannt)) {
                std::cerr << "Unbekanntes Element: " << unbekannt << "\n";
                return false;
            }
            continue;
        }
        std::string_view wert;
        if (const TBefehlszeile* z = WertBefehl(b, wert)) {
            if (z->Angebot && !Angeboten(d, *z->Angebot))
                std::cout << "nicht verfügbar: " << z->MitWert.Name << "\n";
            else
                z->MitWert.Ausfuehren(d, wert);
            continue;
        }
        const TBefehlszeile& z = *ToolBefehl(b);
        if (Ausfuehrbar(d, z))
            z.Ausfuehren(d);
        else
            std::cout << "nicht verfügbar: " << b << "\n";
    }
    return true;
}

// render and worksheet: the document read completely, the target a plain
// file that may be written (only that is replaced), and the view in its
// starting position, in the textbook view where asked.
bool ZumZeichnenLesen(TDokument& dokument, const std::string& datei, const std::string& ziel,
                      TAusgabe was, TMeldungsProtokoll& protokoll, bool heftansicht) {
    if (!Lesen(dokument, datei, protokoll, false)) return false;
    if (const TSchreibfehler f = ZielPruefen(ziel); f != TSchreibfehler::Keiner) {
        std::cerr << Schreibmeldung(was, f, ziel) << "\n";
        return false;
    }
    if (heftansicht) HeftansichtSetzen(dokument, true);
    dokument.Ausgangslage();
    return true;
}

// What the options of the command line set.
struct TOptionen {
    int Groesse = 800;
    bool GroesseGegeben = false;
    bool Heftansicht = false;
    bool Massstab = false;
    // Centimetres to the unit at true scale: 1, or half with --massstab-halb.
    double MassstabCm = 1;
    TZeichenOptionen Zeichnen;
    bool Latex = false;
    TArbeitsblattEingabe Blatt;
    char Trenner = ',';
};

// One call of a verb: the arguments (the verb first), the options, and the
// document it works on.
struct TAufruf {
    std::vector<std::string> Argumente;
    TOptionen Optionen;
    TDokument& Dokument;
    TMeldungsProtokoll& Protokoll;
};

// Reads the options into o and the rest into args; an exit code where the
// tool ends here (a mistake, or the help asked for).
std::optional<int> OptionenLesen(int argc, char* argv[], TOptionen& o,
                                 std::vector<std::string>& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--size" || a == "--decimal-separator") {
            if (i + 1 >= argc) return Fehlbedienung("Zu " + a + " fehlt der Wert.");
            const std::string w = argv[++i];
            if (a == "--size") {
                char* ende = nullptr;
                const long n = std::strtol(w.c_str(), &ende, 10);
                if (*ende != '\0' || n < 16 || n > 10000)
                    return Fehlbedienung("--size erwartet eine Zahl von 16 bis 10000.");
                o.Groesse = static_cast<int>(n);
                o.GroesseGegeben = true;
            } else {
                if (w != "," && w != ".")
                    return Fehlbedienung("--decimal-separator erwartet , oder .");
                o.Trenner = w[0];
            }
        } else if (a == "--titel" || a == "--klasse") {
            if (i + 1 >= argc) return Fehlbedienung("Zu " + a + " fehlt der Wert.");
            (a == "--titel" ? o.Blatt.Titel : o.Blatt.Klasse) = argv[++i];
        } else if (a == "--latex") {
            o.Latex = true;
        } else if (a == "--frame") {
            o.Zeichnen.Seitenrahmen = true;
        } else if (a == "--sphere") {
            o.Zeichnen.Kugel = true;
        } else if (a == "--heftansicht") {
            o.Heftansicht = true;
        } else if (a == "--massstab" || a == "--massstab-halb") {
            o.Massstab = true;
            o.MassstabCm = a == "--massstab" ? 1 : MassstabHalbCm;
        } else if (a == "-h" || a == "--help") {
            std::cout << Gebrauch;
            return 0;
        } else {
            args.push_back(a);
        }
    }
    return {};
}

int Dump(TAufruf& a) {
    if (a.Argumente.size() != 2) return Fehlbedienung("dump erwartet eine Datei.");
    if (!Lesen(a.Dokument, a.Argumente[1], a.Protokoll, false, false)) return ExitDateifehler;
    a.Dokument.Neuaufbau();
    std::cout << GueltigesJson(Ausgabe(a.Dokument, a.Protokoll)).dump(2) << "\n";
    return 0;
}

// save: the document written again; insert: a second one inserted first.
int SpeichernOderEinfuegen(TAufruf& a, bool einfuegen) {
    const std::vector<std::string>& args = a.Argumente;
    const std::size_t n = einfuegen ? 4 : 3;
    if (args.size() != n)
        return Fehlbedienung(args[0] + " erwartet " + std::to_string(n - 1) + " Dateien.");
    if (!Lesen(a.Dokument, args[1], a.Protokoll, false)) return ExitDateifehler;
    if (einfuegen && !Lesen(a.Dokument, args[2], a.Protokoll, true)) return ExitDateifehler;
    a.Dokument.Neuaufbau();
    MeldungenAusgeben(a.Protokoll);
    return Schreiben(a.Dokument, args[n - 1], a.Protokoll) ? 0 : ExitDateifehler;
}
int Speichern(TAufruf& a) {
    return SpeichernOderEinfuegen(a, false);
}
int Einfuegen(TAufruf& a) {
    return SpeichernOderEinfuegen(a, true);
}

int Zeichnen(TAufruf& aufruf) {
    const std::vector<std::string>& args = aufruf.Argumente;
    const TOptionen& o = aufruf.Optionen;
    TDokument& dokument = aufruf.Dokument;
    TMeldungsProtokoll& protokoll = aufruf.Protokoll;
    TZeichenOptionen zeichnen = o.Zeichnen;
    if (args.size() != 3)
        return Fehlbedienung("render erwartet eine Dokument- und eine Bilddatei.");
    if (!ZumZeichnenLesen(dokument, args[1], args[2], TAusgabe::Grafik, protokoll, o.Heftansicht))
        return ExitDateifehler;
    // The file name as the command line gave its bytes: a QString would
    // turn a name that is not UTF-8 into another one.
    const std::string& aus = args[2];
    std::string fehler;
    const TMalen malen = [&](TZeichenflaeche& f) { DokumentZeichnen(dokument, f, zeichnen); };
    const TGrafikformat* format = GrafikformatMitEndung(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(aus))).suffix());
    if (o.Massstab) {
        if (o.GroesseGegeben) return Fehlbedienung("--massstab und --size schließen sich aus.");
        // On paper at true scale the rotation sphere means nothing.
        zeichnen.Kugel = false;
        if (!format) {
            AlsBildSpeichern(aus, o.Groesse, {}, malen, fehler);
            std::cerr << fehler << "\n";
            return ExitFehlbedienung;
        }
        TGrafikAuftrag a;
        a.Fenster = dokument.Abbildung().LogischesFenster();
        a.Malen = malen;
        a.Aufloesung = 300;
        MassstabAnwenden(a, dokument.Abbildung().Welt(), o.Heftansicht,
                         Einstellungen().AusgabeSchriftgroesse, o.MassstabCm);
        fehler = GrafikSchreiben(aus, *format, a);
        if (!fehler.empty()) {
            std::cerr << fehler << "\n";
            return ExitDateifehler;
        }
        // Written as asked; the size is only worth a word.
        if (!PasstAufA4(a.Groesse)) std::cerr << UeberA4Hinweis(a.Groesse, o.MassstabCm) << "\n";
        return 0;
    }
    if (format && o.Heftansicht && !o.GroesseGegeben) {
        // True to scale: one unit is one centimetre on paper, every
        // square 5 mm.
        TGrafikAuftrag a;
        a.Fenster = dokument.Abbildung().LogischesFenster();
        a.Malen = malen;
        a.Groesse = a.Metadateigroesse = Heftmass(dokument.Abbildung().Welt());
        fehler = GrafikSchreiben(aus, *format, a);
        if (!fehler.empty()) {
            std::cerr << fehler << "\n";
            return ExitDateifehler;
        }
        return 0;
    }
    if (format && !o.GroesseGegeben && std::string_view(format->Endung) == "tex") {
        // A figure for a worksheet: the size "Grafik speichern..." gives
        // it with the output options as they start.
        TGrafikAuftrag a;
        a.Fenster = dokument.Abbildung().LogischesFenster();
        a.Malen = malen;
        const TAusgabeRechteck r = TAusgabeoptionen{}.Rechteck;
        a.Groesse = a.Metadateigroesse = ImSeitenverhaeltnis({r.Breite(), r.Hoehe()}, a.Fenster);
        fehler = GrafikSchreiben(aus, *format, a);
        if (!fehler.empty()) {
            std::cerr << fehler << "\n";
            return ExitDateifehler;
        }
        return 0;
    }
    if (!AlsBildSpeichern(aus, o.Groesse, dokument.Abbildung().LogischesFenster(), malen, fehler)) {
        std::cerr << fehler << "\n";
        return ExitDateifehler;
    }
    return 0;
}

int BefehleAnwenden(TAufruf& aufruf) {
    const std::vector<std::string>& args = aufruf.Argumente;
    TDokument& dokument = aufruf.Dokument;
    TMeldungsProtokoll& protokoll = aufruf.Protokoll;
    if (args.size() < 4)
        return Fehlbedienung("apply erwartet zwei Dateien und mindestens einen Befehl.");
    const std::vector<std::string> befehle(args.begin() + 3, args.end());
    if (const std::string b = UnbekannterBefehl(befehle); !b.empty())
        return Fehlbedienung("Unbekannter Befehl: " + b);
    if (!Lesen(dokument, args[1], protokoll, false)) return ExitDateifehler;
    MeldungenAusgeben(protokoll);
    if (!Anwenden(dokument, befehle)) return ExitFehlbedienung;
    return Schreiben(dokument, args[2], protokoll) ? 0 : ExitDateifehler;
}

int Loesen(TAufruf& aufruf) {
    const std::vector<std::string>& args = aufruf.Argumente;
    const TOptionen& o = aufruf.Optionen;
    TDokument& dokument = aufruf.Dokument;
    TMeldungsProtokoll& protokoll = aufruf.Protokoll;
    if (args.size() < 3) return Fehlbedienung("solve erwartet eine Datei und einen Befehl.");
    // The command's worked solution, by its name on the command line.
    const std::optional<exakt::TLoesungsart> art = [&]() -> std::optional<exakt::TLoesungsart> {
        const std::string& befehl = args.back();
        const std::string_view click = "Click";
        if (befehl.size() <= click.size() || !befehl.ends_with(click)) return {};
        const TBefehlszeile* z = BefehlMitName(befehl.substr(0, befehl.size() - click.size()));
        if (!z || !z->Loesungsweg) return {};
        return z->Loesungsweg->Art;
    }();
    if (!art) return Fehlbedienung("Unbekannter Befehl: " + args.back());
    const std::vector<std::string> marken(args.begin() + 2, args.end() - 1);
    for (const std::string& m : marken)
        if (m.rfind("Markieren=", 0) != 0) return Fehlbedienung("Unbekannter Befehl: " + m);
    if (!Lesen(dokument, args[1], protokoll, false)) return ExitDateifehler;
    dokument.Neuaufbau();
    MeldungenAusgeben(protokoll);
    if (!Anwenden(dokument, marken)) return ExitFehlbedienung;
    const auto weg = LoesungswegDerMarkierten(dokument.Liste(), *art);
    if (!weg) {
        std::cerr << "Für die markierten Elemente gibt es keinen Lösungsweg.\n";
        return ExitFehlbedienung;
    }
    std::cout << (o.Latex ? exakt::AlsLatex(*weg) : exakt::AlsText(*weg));
    return 0;
}

int Arbeitsblatt(TAufruf& aufruf) {
    const std::vector<std::string>& args = aufruf.Argumente;
    const TOptionen& o = aufruf.Optionen;
    TDokument& dokument = aufruf.Dokument;
    TMeldungsProtokoll& protokoll = aufruf.Protokoll;
    if (args.size() != 3)
        return Fehlbedienung("worksheet erwartet eine Dokumentdatei und eine PDF- oder TeX-Datei.");
    const QString aus = QString::fromStdString(args[2]);
    const QString endung = QFileInfo(aus).suffix().toLower();
    if (endung != QStringLiteral("pdf") && endung != QStringLiteral("tex"))
        return Fehlbedienung("Das Arbeitsblatt wird als .pdf oder .tex gespeichert.");
    if (const std::string f = o.Blatt.Pruefen(); !f.empty()) return Fehlbedienung(f);
    if (!ZumZeichnenLesen(dokument, args[1], args[2], TAusgabe::Arbeitsblatt, protokoll,
                          o.Heftansicht))
        return ExitDateifehler;
    std::string inhalt;
    if (endung == QStringLiteral("tex")) {
        inhalt = ArbeitsblattLatex(dokument, o.Blatt);
    } else {
        const QByteArray pdf =
            ArbeitsblattPdf(ArbeitsblattInhalt(dokument, o.Blatt), ArbeitsblattBilder(dokument));
        if (pdf.isEmpty()) {
            std::cerr << "Das Arbeitsblatt kann nicht erzeugt werden.\n";
            return ExitDateifehler;
        }
        inhalt.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    }
    if (const std::string f = AusgabeSchreiben(TAusgabe::Arbeitsblatt, args[2], inhalt);
        !f.empty()) {
        std::cerr << f << "\n";
        return ExitDateifehler;
    }
    return 0;
}

// The verbs of the command line.
struct TVerb {
    std::string_view Name;
    int (*Ausfuehren)(TAufruf&);
};
constexpr TVerb Verben[] = {
    {"dump", Dump},
    {"save", Speichern},
    {"insert", Einfuegen},
    {"render", Zeichnen},
    {"apply", BefehleAnwenden},
    {"solve", Loesen},
    {"worksheet", Arbeitsblatt},
};

// The tool itself; main catches what it throws.
int Werkzeug(int argc, char* argv[]) {
    // Drawing needs a GUI application object, but never a display.
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    TOptionen optionen;
    optionen.Trenner = QLocale::system().decimalPoint() == QStringLiteral(".") ? '.' : ',';
    std::vector<std::string> args;
    if (const std::optional<int> ende = OptionenLesen(argc, argv, optionen, args)) return *ende;
    if (args.empty()) return Fehlbedienung("Es fehlt der Befehl.");
    Einstellungen().Dezimaltrenner = optionen.Trenner;

    TMeldungsProtokoll protokoll;
    TDokument dokument;
    TAufruf aufruf{args, optionen, dokument, protokoll};
    for (const TVerb& v : Verben)
        if (args[0] == v.Name) return v.Ausfuehren(aufruf);
    return Fehlbedienung("Unbekannter Befehl: " + args[0]);
}

} // namespace

// No verb ends by an exception that nothing catches: that would abort
// with a core dump instead of saying what went wrong. Every output file
// goes through the atomic replace, so it stays as it was.
int main(int argc, char* argv[]) {
    try {
        return Werkzeug(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "kalvorin-tool: unerwarteter Fehler: " << AlsUtf8(e.what()) << "\n";
    } catch (...) {
        std::cerr << "kalvorin-tool: unerwarteter Fehler\n";
    }
    return ExitInternerFehler;
}
