// The page's way into the core: one document, read from a .kvr file that the
// page has put into the module's file system and written back there, its
// view drawn onto a <canvas> through the one drawing routine, the main menu
// as the command table and the desktop's rules give it, the object list's
// rows and its marking, and the commands run on the document. Messages the
// core gives are collected and handed to the page, which shows them.

#include "ausgabe/Objektliste.h"
#include "ausgabe/Szenentext.h"
#include "ausgabe/Zeichnen.h"
#include "befehle/Angebote.h"
#include "befehle/Befehlstabelle.h"
#include "befehle/MenuZustand.h"
#include "document/Dateiregeln.h"
#include "document/Dokument.h"
#include "model/Elementarten.h"
#include "model/Meldungen.h"
#include "model/StandardEinstellungen.h"
#include "web/CanvasFlaeche.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace kalvorin {

namespace {

using emscripten::val;

// The messages since the last call, one per line. A question is put to the
// user through the browser's confirm() (OK: Ja); where there is none (node)
// it is answered No, so nothing is overwritten or dropped without the user.
class TSeitenMeldungen : public IMeldungen {
public:
    void Meldung(const std::string& text, TMeldungsart, const std::string&) override {
        Hinzu(text);
    }
    TAntwort Frage(const std::string& text, TFrageKnoepfe, const std::string&) override {
        const val bestaetigen = val::global("confirm");
        if (bestaetigen.typeOf().as<std::string>() == "function")
            return bestaetigen(Zeilen(text)).as<bool>() ? TAntwort::Ja : TAntwort::Nein;
        Hinzu(text);
        return TAntwort::Nein;
    }
    void WarteCursor(bool) override {}

    std::string Abholen() { return std::exchange(texte_, {}); }

private:
    static std::string Zeilen(std::string text) {
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }
    void Hinzu(const std::string& text) {
        if (!texte_.empty()) texte_ += "\n\n";
        texte_ += Zeilen(text);
    }
    std::string texte_;
};

TSeitenMeldungen& SeitenMeldungen() {
    static TSeitenMeldungen m;
    SetzeMeldungen(&m);
    return m;
}

std::string OhneRahmen(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    const auto anfang = text.find_first_not_of('\n');
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of('\n') - anfang + 1);
}

const char* Zeilenart(TZeilenart art) {
    switch (art) {
    case TZeilenart::Menue:
        return "menue";
    case TZeilenart::Trenner:
        return "trenner";
    case TZeilenart::Befehl:
        break;
    }
    return "befehl";
}

class TSeitendokument {
public:
    TSeitendokument() : d_(std::make_unique<TDokument>()) { SeitenMeldungen(); }

    // Reads the file at pfad (the module's file system); returns "gelesen",
    // "teilweise" or "nichts". A file that gives nothing leaves the open
    // document as it was, as the desktop keeps its other windows.
    std::string Laden(const std::string& pfad) {
        auto neu = std::make_unique<TDokument>();
        switch (neu->Laden(pfad)) {
        case TLadeergebnis::Gelesen:
            Uebernehmen(std::move(neu));
            return "gelesen";
        case TLadeergebnis::Teilweise:
            Uebernehmen(std::move(neu));
            return "teilweise";
        case TLadeergebnis::Nichts:
            break;
        }
        return "nichts";
    }
    // "E&infügen...": the elements of the file at pfad appended.
    bool Einfuegen(const std::string& pfad) { return d_->Einfuegen(pfad); }
    // "&Neu": an empty document in place of the open one.
    void Neu() { Uebernehmen(std::make_unique<TDokument>()); }

    // Writes the document as the desktop's "&Speichern" does, to pfad.
    bool Speichern(const std::string& pfad) { return d_->Speichern(pfad); }
    // The name a download of the document takes: the file's own name with
    // ".kvr", for a new document its caption.
    std::string Dateiname() const {
        const std::string eigener = SpeicherDatei(*d_);
        return DateinameOhneOrdner(eigener.empty() ? Fensterbeschriftung(*d_, 1) : eigener);
    }
    std::string Beschriftung() const { return Fensterbeschriftung(*d_, 1); }
    bool Geaendert() const { return d_->Geaendert(); }
    std::string Meldungen() { return SeitenMeldungen().Abholen(); }

    // The main menu at this moment, one object per row of the command table
    // in menu order: art ("menue", "befehl", "trenner"), name, menue (the
    // menu it stands in, "" for the menu bar), titel (with its '&'), taste
    // (the shortcut the menu shows), tasten (every shortcut, portable
    // notation), aktiv, sichtbar, and haken (true/false for an item that is
    // switched on and off, null for the others).
    val Menue() const {
        TFensterZustand fenster;
        fenster.AnzahlDokumente = 1;
        fenster.AktivesDokument = true;
        fenster.AktiveBeschriftung = Fensterbeschriftung(*d_, 1);
        fenster.ElementMarkiert = EtwasMarkiert(d_->Liste());
        const TMenuZustand zustand = BerechneMenuZustand(fenster);
        const TAngebote angebote = BerechneAngebote(d_->Liste());
        val zeilen = val::array();
        for (const TBefehlszeile& z : Befehlstabelle()) {
            const TMenuepunkt p = Hauptmenuepunkt(z, zustand, angebote, d_.get());
            val zeile = val::object();
            zeile.set("art", Zeilenart(z.Art));
            zeile.set("name", std::string(z.Name));
            zeile.set("menue", std::string(z.Menue));
            zeile.set("titel", p.Text);
            zeile.set("taste", std::string(*z.Taste ? z.Taste : z.Zweittaste));
            val tasten = val::array();
            for (const char* t : {z.Taste, z.Zweittaste})
                if (*t) tasten.call<void>("push", std::string(t));
            zeile.set("tasten", tasten);
            zeile.set("aktiv", p.Aktiv);
            zeile.set("sichtbar", p.Sichtbar);
            if (z.Ui == TUiBefehl::Heftansicht)
                zeile.set("haken", Heftansicht(*d_));
            else
                zeile.set("haken", val::null());
            zeilen.call<void>("push", zeile);
        }
        return zeilen;
    }

    // Runs the row of the command table named name as the desktop's main
    // window does: a core command on the document, and of the user
    // interface's own the ones that need no window of their own. Returns ""
    // when it ran, otherwise the row's name for the page to run (files) or
    // to refuse.
    std::string Ausfuehren(const std::string& name) {
        const TBefehlszeile* z = BefehlMitName(name);
        if (!z) return name;
        if (z->Ausfuehren) {
            z->Ausfuehren(*d_);
            return {};
        }
        switch (z->Ui) {
        case TUiBefehl::Neu:
            Neu();
            return {};
        case TUiBefehl::Heftansicht: {
            // New documents open as the last one was switched.
            const bool an = !Heftansicht(*d_);
            HeftansichtSetzen(*d_, an);
            Einstellungen().Heftansicht = an;
            return {};
        }
        case TUiBefehl::Ausgangszustand:
            d_->Ausgangslage();
            return {};
        case TUiBefehl::Bearbeiten:
        case TUiBefehl::Festlegen:
        case TUiBefehl::Konstruieren:
        case TUiBefehl::Abbilden:
        case TUiBefehl::Messen:
            // The menus refresh before they open; the page builds them anew
            // each time.
            return {};
        default:
            return name;
        }
    }

    // The object list's rows in the user's display order: name (as the
    // desktop's row shows it), art (the kind's word), beschreibung (the
    // row's hint: description, mapping roles and the forms of the lesson),
    // markiert, sichtbar.
    val Objekte() const {
        val zeilen = val::array();
        const TListe& liste = d_->Liste();
        for (int r = 1; r <= liste.Anzahl(); ++r) {
            const TDreiDBasisElement* e = ElementInZeile(liste, r);
            if (!e) continue;
            val zeile = val::object();
            zeile.set("zeile", r);
            zeile.set("name", AnzeigeName(*e));
            zeile.set("art", Artwort(e->Art));
            zeile.set("beschreibung", OhneRahmen(ZeilenHinweis(*e) + ExakterHinweis(*e)));
            zeile.set("markiert", e->markiert);
            zeile.set("sichtbar", e->sichtbar);
            zeilen.call<void>("push", zeile);
        }
        return zeilen;
    }

    // A click or tap on the name of row zeile (1..): the desktop's object
    // list marks through the same state and the document's Markieren.
    // mehrfach: Ctrl (or Shift) held, the others stay marked. True when a
    // mark changed.
    bool ZeileKlicken(int zeile, bool mehrfach) {
        bool geaendert = false;
        d_->Markieren([&](TListe& liste) {
            geaendert = liste_.ZelleGeklickt(liste, zeile, TListenspalte::Name, mehrfach);
        });
        return geaendert;
    }

    // The view on the context's canvas of breite x hoehe pixels, white
    // behind it. The canvas has the screen's own pixels (the device pixels
    // per CSS pixel times its CSS size), and the figure, its names and its
    // lines are scaled into it together, so that the picture is the same
    // at any pixel ratio, only sharper; the ratio is not passed on as the
    // desktop's names need it, which would draw them twice as large beside
    // the figure at a ratio of 2.
    void Zeichnen(val kontext, double breite, double hoehe, double /*pixelverhaeltnis*/) {
        kontext.call<void>("save");
        kontext.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
        kontext.set("globalCompositeOperation", "source-over");
        kontext.set("fillStyle", "#ffffff");
        kontext.call<void>("fillRect", 0, 0, breite, hoehe);
        kontext.call<void>("restore");
        d_->NamenSetzen();
        TZeichenOptionen o;
        o.Markierungen = true;
        o.Praesentation = Einstellungen().Praesentation;
        TCanvasFlaeche f(kontext, d_->Abbildung().LogischesFenster(), breite, hoehe);
        DokumentZeichnen(*d_, f, o);
    }

    // A drag on the canvas from one pixel to another turns the view;
    // kippen: Shift held, as on the desktop.
    void Drehen(double vonX, double vonY, double nachX, double nachY, double breite, double hoehe,
                bool kippen) {
        const TLogRechteck& w = d_->Abbildung().LogischesFenster();
        const double lb = std::max(1, w.Breite()), lh = std::max(1, w.Hoehe());
        const double s = std::min(breite / lb, hoehe / lh);
        const double x0 = (breite - s * lb) / 2, y0 = (hoehe - s * lh) / 2;
        const auto logisch = [&](double x, double y) {
            return TLogPunkt{static_cast<std::int32_t>(std::lround(w.links + (x - x0) / s)),
                             static_cast<std::int32_t>(std::lround(w.oben - (y - y0) / s))};
        };
        const TLogPunkt von = logisch(vonX, vonY), nach = logisch(nachX, nachY);
        if (von.x == nach.x && von.y == nach.y) return;
        d_->AnsichtDrehen(von, nach, kippen);
    }

    // The scene in words, the canvas's description for a screen reader.
    std::string Szenentext() const { return SzenentextGanz(d_->Liste()); }

    int Elementanzahl() const { return d_->Liste().Anzahl(); }

private:
    void Uebernehmen(std::unique_ptr<TDokument> neu) {
        d_ = std::move(neu);
        liste_.Zuruecksetzen();
    }

    std::unique_ptr<TDokument> d_;
    TObjektlistenZustand liste_;
};

// The user's decimal separator, as the desktop takes it from the locale:
// the page passes the browser language's (a comma for German).
void DezimaltrennerSetzen(const std::string& trenner) {
    Einstellungen().Dezimaltrenner = trenner == "." ? '.' : ',';
}

} // namespace

EMSCRIPTEN_BINDINGS(kalvorin) {
    emscripten::function("dezimaltrennerSetzen", &DezimaltrennerSetzen);
    emscripten::class_<TSeitendokument>("Dokument")
        .constructor<>()
        .function("laden", &TSeitendokument::Laden)
        .function("einfuegen", &TSeitendokument::Einfuegen)
        .function("neu", &TSeitendokument::Neu)
        .function("speichern", &TSeitendokument::Speichern)
        .function("dateiname", &TSeitendokument::Dateiname)
        .function("beschriftung", &TSeitendokument::Beschriftung)
        .function("geaendert", &TSeitendokument::Geaendert)
        .function("meldungen", &TSeitendokument::Meldungen)
        .function("menue", &TSeitendokument::Menue)
        .function("ausfuehren", &TSeitendokument::Ausfuehren)
        .function("objekte", &TSeitendokument::Objekte)
        .function("zeileKlicken", &TSeitendokument::ZeileKlicken)
        .function("zeichnen", &TSeitendokument::Zeichnen)
        .function("drehen", &TSeitendokument::Drehen)
        .function("szenentext", &TSeitendokument::Szenentext)
        .function("elementanzahl", &TSeitendokument::Elementanzahl);
}

} // namespace kalvorin
