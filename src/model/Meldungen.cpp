#include "model/Meldungen.h"

namespace kalvorin {

namespace {
class TStilleMeldungen : public IMeldungen {
public:
    void Meldung(const std::string&, TMeldungsart, const std::string&) override {}
    TAntwort Frage(const std::string&, TFrageKnoepfe, const std::string&) override {
        return TAntwort::Nein;
    }
    void WarteCursor(bool) override {}
};

TStilleMeldungen stille;
IMeldungen* aktuell = &stille;
} // namespace

IMeldungen& Meldungen() {
    return *aktuell;
}

void SetzeMeldungen(IMeldungen* m) {
    aktuell = m ? m : &stille;
}

TMeldungsProtokoll::TMeldungsProtokoll() : vorher_(&Meldungen()) {
    SetzeMeldungen(this);
}

TMeldungsProtokoll::~TMeldungsProtokoll() {
    SetzeMeldungen(vorher_ == this ? nullptr : vorher_);
}

void TMeldungsProtokoll::Meldung(const std::string& text, TMeldungsart art,
                                 const std::string& titel) {
    Eintraege.push_back({text, titel, art, false, TFrageKnoepfe::JaNein});
}

TAntwort TMeldungsProtokoll::Frage(const std::string& text, TFrageKnoepfe knoepfe,
                                   const std::string& titel) {
    Eintraege.push_back({text, titel, TMeldungsart::Information, true, knoepfe});
    if (Antworten.empty()) return TAntwort::Ja;
    const TAntwort a = Antworten.front();
    Antworten.erase(Antworten.begin());
    return a;
}

void TMeldungsProtokoll::WarteCursor(bool an) {
    CursorTiefe += an ? 1 : -1;
    ++CursorAufrufe;
}

} // namespace kalvorin
