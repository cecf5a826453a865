// The page's way into the core: a document read from a .kvr file that the
// page has put into the module's file system, and its view drawn onto a
// <canvas> through the one drawing routine. Messages the reading gives are
// collected and handed to the page, which shows them.

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "web/CanvasFlaeche.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace kalvorin {

namespace {

// The messages since the last call, one per line; questions are answered
// with No (nothing is overwritten or dropped without the user).
class TSeitenMeldungen : public IMeldungen {
public:
    void Meldung(const std::string& text, TMeldungsart, const std::string&) override {
        Hinzu(text);
    }
    TAntwort Frage(const std::string& text, TFrageKnoepfe, const std::string&) override {
        Hinzu(text);
        return TAntwort::Nein;
    }
    void WarteCursor(bool) override {}

    std::string Abholen() { return std::exchange(texte_, {}); }

private:
    void Hinzu(const std::string& text) {
        if (!texte_.empty()) texte_ += "\n";
        texte_ += text;
    }
    std::string texte_;
};

TSeitenMeldungen& SeitenMeldungen() {
    static TSeitenMeldungen m;
    SetzeMeldungen(&m);
    return m;
}

class TSeitendokument {
public:
    TSeitendokument() { SeitenMeldungen(); }

    // Reads the file at pfad (the module's file system); returns "gelesen",
    // "teilweise" or "nichts".
    std::string Laden(const std::string& pfad) {
        switch (d_.Laden(pfad)) {
        case TLadeergebnis::Gelesen:
            return "gelesen";
        case TLadeergebnis::Teilweise:
            return "teilweise";
        case TLadeergebnis::Nichts:
            break;
        }
        return "nichts";
    }
    std::string Meldungen() { return SeitenMeldungen().Abholen(); }

    // The view on the context's canvas of breite x hoehe pixels, white
    // behind it; pixelverhaeltnis: the device pixels per CSS pixel.
    void Zeichnen(emscripten::val kontext, double breite, double hoehe, double pixelverhaeltnis) {
        kontext.call<void>("save");
        kontext.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
        kontext.set("globalCompositeOperation", "source-over");
        kontext.set("fillStyle", "#ffffff");
        kontext.call<void>("fillRect", 0, 0, breite, hoehe);
        kontext.call<void>("restore");
        d_.NamenSetzen();
        TZeichenOptionen o;
        o.Markierungen = true;
        o.Pixelverhaeltnis = pixelverhaeltnis;
        TCanvasFlaeche f(kontext, d_.Abbildung().LogischesFenster(), breite, hoehe);
        DokumentZeichnen(d_, f, o);
    }

    // A drag on the canvas from one pixel to another turns the view.
    void Drehen(double vonX, double vonY, double nachX, double nachY, double breite, double hoehe) {
        const TLogRechteck& w = d_.Abbildung().LogischesFenster();
        const double lb = std::max(1, w.Breite()), lh = std::max(1, w.Hoehe());
        const double s = std::min(breite / lb, hoehe / lh);
        const double x0 = (breite - s * lb) / 2, y0 = (hoehe - s * lh) / 2;
        const auto logisch = [&](double x, double y) {
            return TLogPunkt{static_cast<std::int32_t>(std::lround(w.links + (x - x0) / s)),
                             static_cast<std::int32_t>(std::lround(w.oben - (y - y0) / s))};
        };
        d_.AnsichtDrehen(logisch(vonX, vonY), logisch(nachX, nachY));
    }

    int Elementanzahl() const { return d_.Liste().Anzahl(); }

private:
    TDokument d_;
};

} // namespace

EMSCRIPTEN_BINDINGS(kalvorin) {
    emscripten::class_<TSeitendokument>("Dokument")
        .constructor<>()
        .function("laden", &TSeitendokument::Laden)
        .function("meldungen", &TSeitendokument::Meldungen)
        .function("zeichnen", &TSeitendokument::Zeichnen)
        .function("drehen", &TSeitendokument::Drehen)
        .function("elementanzahl", &TSeitendokument::Elementanzahl);
}

} // namespace kalvorin
