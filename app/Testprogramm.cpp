// The program as the tests that start it as a process run it (see
// tests/ui): the same program, with the hooks of KALVORIN_TESTHAKEN. It is
// built for the tests only and never installed.

#include "Programm.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The hook of the tests that run the real program (KALVORIN_TESTHAKEN): every
// message and question is written to the standard output instead of shown,
// and questions are answered from KALVORIN_TESTANTWORTEN ("Ja,Nein,...";
// "Nein" once the list is used up). With "punkt" in the hook the program
// adds a point A(1|2|3) to its active document after the start, the way any
// command changes a document. Then it lists its windows and writes "bereit".
class TTestMeldungen : public kalvorin::IMeldungen {
public:
    explicit TTestMeldungen(const char* antworten) {
        std::istringstream liste(antworten ? antworten : "");
        for (std::string a; std::getline(liste, a, ',');)
            antworten_.push_back(a == "Ja"          ? kalvorin::TAntwort::Ja
                                 : a == "Abbrechen" ? kalvorin::TAntwort::Abbrechen
                                                    : kalvorin::TAntwort::Nein);
    }
    void Meldung(const std::string& text, kalvorin::TMeldungsart, const std::string&) override {
        Ausgeben("Meldung", text);
    }
    kalvorin::TAntwort Frage(const std::string& text, kalvorin::TFrageKnoepfe,
                             const std::string&) override {
        Ausgeben("Frage", text);
        if (antworten_.empty()) return kalvorin::TAntwort::Nein;
        const kalvorin::TAntwort a = antworten_.front();
        antworten_.erase(antworten_.begin());
        return a;
    }
    void WarteCursor(bool) override {}

    static void Ausgeben(const char* art, std::string text) {
        for (std::size_t p; (p = text.find("\r\n")) != std::string::npos;)
            text.replace(p, 2, " | ");
        std::printf("%s: %s\n", art, text.c_str());
        std::fflush(stdout);
    }

private:
    std::vector<kalvorin::TAntwort> antworten_;
};

void TesthakenNachDemStart(kalvorin::TMainForm& hauptfenster, const std::string& haken) {
    if (haken.find("punkt") != std::string::npos)
        if (kalvorin::TDokument* d = hauptfenster.AktivesDokument())
            d->Aendern([](kalvorin::TListe& l) {
                auto* p = l.Neu<kalvorin::TfrPunkt>();
                p->Name = "A";
                p->Koordinaten = {1, 2, 3};
                return true;
            });
    for (kalvorin::tGrafChildForm* f : hauptfenster.Dokumentfenster()) {
        std::string namen;
        for (int i = 1; i <= f->Dokument().Liste().Anzahl(); ++i)
            namen += (i > 1 ? "," : "") + f->Dokument().Liste()[i]->Name;
        TTestMeldungen::Ausgeben("Fenster", f->Beschriftung().toStdString() + "|" +
                                                (f->Dokument().Geaendert() ? "1" : "0") + "|" +
                                                namen);
    }
    TTestMeldungen::Ausgeben("bereit", "");
}

} // namespace

int main(int argc, char* argv[]) {
    const char* haken = std::getenv("KALVORIN_TESTHAKEN");
    TTestMeldungen testmeldungen(std::getenv("KALVORIN_TESTANTWORTEN"));
    kalvorin::TProgrammhaken h;
    if (haken && *haken) {
        h.Meldungen = &testmeldungen;
        h.NachDemStart = [haken = std::string(haken)](kalvorin::TMainForm& f) {
            TesthakenNachDemStart(f, haken);
        };
    }
    return kalvorin::ProgrammAusfuehren(argc, argv, h);
}
