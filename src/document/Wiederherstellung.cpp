#include "document/Wiederherstellung.h"

#include "document/Dateiregeln.h"
#include "model/Meldungen.h"

#include <algorithm>
#include <ctime>

namespace kalvorin {

namespace {

// More lines would make the question taller than the screen.
constexpr std::size_t HoechstensZeilen = 20;

std::string Stand(std::int64_t zeit) {
    const std::time_t t = static_cast<std::time_t>(zeit);
    std::tm ortszeit{};
    if (zeit <= 0 || !::localtime_r(&t, &ortszeit)) return {};
    char text[64];
    if (std::strftime(text, sizeof text, " (Stand: %d.%m.%Y, %H:%M Uhr)", &ortszeit) == 0)
        return {};
    return text;
}

} // namespace

// ---------------------------------------------------------------------------
// Texts

std::string Kopienname(const TVerwaisteKopie& k) {
    if (!k.Angaben.Beschriftung.empty()) return k.Angaben.Beschriftung;
    if (!k.Angaben.Dateiname.empty()) return DateinameOhneOrdner(k.Angaben.Dateiname);
    return "Dokument ohne Namen";
}

std::string WiederherstellungsFrage(const std::vector<TVerwaisteKopie>& kopien) {
    std::string text = "Kalvorin wurde nicht ordnungsgemäß beendet. Folgende Dokumente enthalten "
                       "nicht gespeicherte Änderungen:\r\n";
    for (std::size_t i = 0; i < kopien.size() && i < HoechstensZeilen; ++i)
        text += "\r\n" + Kopienname(kopien[i]) + Stand(kopien[i].Angaben.Zeit);
    if (kopien.size() > HoechstensZeilen)
        text += "\r\nund " + std::to_string(kopien.size() - HoechstensZeilen) + " weitere";
    return text + "\r\n\r\nSollen sie wiederhergestellt werden?";
}

std::string LoeschFrage() {
    return "Die nicht gespeicherten Änderungen gehen dann endgültig verloren.\r\n"
           "Sollen die Wiederherstellungskopien gelöscht werden?";
}

std::string UnlesbarMeldung(const std::vector<std::pair<std::string, std::string>>& namenUndOrte) {
    std::string text = "Folgende Wiederherstellungskopien können nicht gelesen werden:\r\n";
    for (const auto& [name, ort] : namenUndOrte)
        text += "\r\n" + name + " (" + ort + ")";
    return text + "\r\n\r\nDie Dateien wurden nicht gelöscht.";
}

std::string NichtSchreibbarMeldung(const std::string& ordner) {
    return "Kalvorin kann keine Wiederherstellungskopien schreiben (" + ordner +
           ").\r\nSie können weiterarbeiten, aber nach einem Absturz sind nicht gespeicherte "
           "Änderungen verloren.";
}

std::string NichtEntferntMeldung(const std::vector<std::string>& kopien) {
    std::string text = kopien.size() == 1
                           ? "Eine Wiederherstellungskopie konnte nicht gelöscht werden:\r\n"
                           : "Folgende Wiederherstellungskopien konnten nicht gelöscht werden:\r\n";
    for (std::size_t i = 0; i < kopien.size() && i < HoechstensZeilen; ++i)
        text += "\r\n" + kopien[i];
    if (kopien.size() > HoechstensZeilen)
        text += "\r\nund " + std::to_string(kopien.size() - HoechstensZeilen) + " weitere";
    return text + "\r\n\r\nIhre Dokumente sind gespeichert oder wurden bewusst verworfen. "
                  "Beim nächsten Start wird eine Kopie nur angeboten, wenn sie neuer ist als die "
                  "gespeicherte Datei; Sie können die Kopien auch selbst löschen.";
}

int NeuNummer(const std::string& beschriftung) {
    constexpr std::string_view vorne = "neu", hinten = ".kvr";
    if (beschriftung.size() <= vorne.size() + hinten.size() ||
        beschriftung.compare(0, 3, vorne) != 0 ||
        beschriftung.compare(beschriftung.size() - 4, 4, hinten) != 0)
        return 0;
    const std::string ziffern = beschriftung.substr(3, beschriftung.size() - 7);
    if (ziffern.size() > 6 || ziffern[0] == '0' ||
        !std::all_of(ziffern.begin(), ziffern.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(ziffern);
}

// ---------------------------------------------------------------------------
// The plan

TWiederherstellungsplan::TWiederherstellungsplan(TWiederherstellungsablage& ablage,
                                                 std::function<TZeit()> uhr,
                                                 std::function<std::int64_t()> wanduhr)
    : ablage_(ablage), uhr_(std::move(uhr)), wanduhr_(std::move(wanduhr)),
      selbst_(std::make_shared<TWiederherstellungsplan*>(this)) {
    if (!uhr_) uhr_ = [] { return std::chrono::steady_clock::now(); };
    if (!wanduhr_) wanduhr_ = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
}

TWiederherstellungsplan::~TWiederherstellungsplan() {
    *selbst_ = nullptr;
}

TWiederherstellungsplan::TEintrag* TWiederherstellungsplan::Finden(const TDokument& d) {
    for (TEintrag& e : eintraege_)
        if (e.Dokument == &d) return &e;
    return nullptr;
}

const TWiederherstellungsplan::TEintrag* TWiederherstellungsplan::Finden(const TDokument& d) const {
    return const_cast<TWiederherstellungsplan*>(this)->Finden(d);
}

void TWiederherstellungsplan::Melden() {
    if (PlanGeaendert) PlanGeaendert();
}

void TWiederherstellungsplan::Anmelden(TDokument& d, std::function<std::string()> beschriftung) {
    if (Finden(d)) return;
    TEintrag e;
    e.Dokument = &d;
    e.Beschriftung = std::move(beschriftung);
    e.Platz = ablage_.NeuerPlatz();
    eintraege_.push_back(std::move(e));
    std::weak_ptr<TWiederherstellungsplan*> plan = selbst_;
    d.Beobachten([plan, &d] {
        if (const auto p = plan.lock(); p && *p) (*p)->Beobachtet(d);
    });
    Beobachtet(d);
}

void TWiederherstellungsplan::Beobachtet(const TDokument& d) {
    TEintrag* e = Finden(d);
    if (!e) return;
    if (d.Geaendert()) {
        e->Offen = true;
    } else {
        // Saved, or read again from its file: there is nothing to recover.
        e->Offen = false;
        if (e->KopieDa || !e->Vorgaenger.empty()) KopieEntfernen(*e);
        e->KopieDa = false;
    }
    Melden();
}

void TWiederherstellungsplan::KopieEntfernen(TEintrag& e) {
    // Removing needs no space, so it is tried even when writing failed.
    if (!ablage_.Entfernen(e.Platz)) {
        TVerwaisteKopie k;
        k.Kopie = ablage_.KopieDatei(e.Platz);
        k.Vermerk = ablage_.VermerkDatei(e.Platz);
        nichtEntfernt_.emplace_back(e.Platz, std::move(k));
    }
    VorgaengerEntfernen(e);
}

void TWiederherstellungsplan::VorgaengerEntfernen(TEintrag& e) {
    for (const TVerwaisteKopie& k : e.Vorgaenger)
        if (!ablage_.VerwaisteLoeschen(k)) nichtEntfernt_.emplace_back(0, k);
    e.Vorgaenger.clear();
}

void TWiederherstellungsplan::VorgaengerMerken(const TDokument& d, const TVerwaisteKopie& k) {
    if (TEintrag* e = Finden(d)) e->Vorgaenger.push_back(k);
}

std::vector<std::string> TWiederherstellungsplan::Aufraeumen() {
    std::vector<std::string> geblieben;
    std::vector<std::pair<int, TVerwaisteKopie>> noch;
    for (auto& [platz, k] : nichtEntfernt_) {
        // A place that holds a copy again belongs to a document still open.
        const bool wiederBelegt = platz > 0 && std::any_of(eintraege_.begin(), eintraege_.end(),
                                                           [p = platz](const TEintrag& e) {
                                                               return e.Platz == p && e.KopieDa;
                                                           });
        if (wiederBelegt || ablage_.VerwaisteLoeschen(k)) continue;
        if (std::find(geblieben.begin(), geblieben.end(), k.Kopie) != geblieben.end()) continue;
        geblieben.push_back(k.Kopie);
        noch.emplace_back(platz, std::move(k));
    }
    nichtEntfernt_ = std::move(noch);
    return geblieben;
}

void TWiederherstellungsplan::Abmelden(const TDokument& d) {
    if (TEintrag* e = Finden(d)) {
        KopieEntfernen(*e);
        Vergessen(&d);
    }
}

void TWiederherstellungsplan::Vergessen(const TDokument* d) {
    std::erase_if(eintraege_, [d](const TEintrag& e) { return e.Dokument == d; });
    Melden();
}

std::optional<TWiederherstellungsplan::TZeit> TWiederherstellungsplan::Naechste() const {
    std::optional<TZeit> naechste;
    for (const TEintrag& e : eintraege_) {
        if (!e.Offen) continue;
        const TZeit faellig = e.Letzte ? *e.Letzte + Abstand : TZeit::min();
        if (!naechste || faellig < *naechste) naechste = faellig;
    }
    return naechste;
}

bool TWiederherstellungsplan::EintragSchreiben(TEintrag& e, TZeit jetzt) {
    const TDokument& d = *e.Dokument;
    e.Offen = false;
    e.Letzte = jetzt;
    const TKopienvermerk vermerk{d.Dateiname(), e.Beschriftung ? e.Beschriftung() : std::string(),
                                 d.Schreibgeschuetzt(), wanduhr_()};
    const TBlattfragen fragen = AlsBlattfragen(d.Arbeitsblattfragen());
    if (ablage_.Schreiben(e.Platz, d.Liste(), d.Koordinatensystem(), vermerk, fragen).empty()) {
        e.KopieDa = true;
        gemeldet_ = false;
        // The document's own copy now stands for what it was restored from.
        VorgaengerEntfernen(e);
        return true;
    }
    // The previous copy, if any, is still there and still worth having.
    e.Offen = true;
    return false;
}

void TWiederherstellungsplan::FehlerMelden() {
    if (gemeldet_) return;
    gemeldet_ = true;
    Meldungen().Meldung(NichtSchreibbarMeldung(ablage_.Ordner()), TMeldungsart::Warnung);
}

void TWiederherstellungsplan::Schreiben() {
    // The message about a failure runs an event loop of its own, in which
    // the timer may call again.
    if (schreibend_) return;
    schreibend_ = true;
    const TZeit jetzt = uhr_();
    bool fehler = false;
    for (TEintrag& e : eintraege_)
        if (e.Offen && (!e.Letzte || *e.Letzte + Abstand <= jetzt))
            fehler |= !EintragSchreiben(e, jetzt);
    // Told after the loop: while the message is shown, windows may come and go.
    if (fehler) FehlerMelden();
    schreibend_ = false;
    Melden();
}

bool TWiederherstellungsplan::JetztSchreiben(const TDokument& d) {
    TEintrag* e = Finden(d);
    if (!e || schreibend_) return false;
    schreibend_ = true;
    const bool geschrieben = EintragSchreiben(*e, uhr_());
    if (!geschrieben) FehlerMelden();
    schreibend_ = false;
    Melden();
    return geschrieben;
}

std::string TWiederherstellungsplan::KopieDatei(const TDokument& d) const {
    const TEintrag* e = Finden(d);
    return e && e->KopieDa ? ablage_.KopieDatei(e->Platz) : std::string();
}

// ---------------------------------------------------------------------------
// The offer at start

TWiederherstellungsangebot::TWiederherstellungsangebot(TWiederherstellungsplan& plan)
    : plan_(plan), kopien_(plan.Ablage().VerwaisteFinden()) {
    // A copy that a saved file has overtaken was left by a normal end whose
    // copy could not be removed; offered, it would pass for newer work.
    std::erase_if(kopien_, [this](const TVerwaisteKopie& k) {
        if (!TWiederherstellungsablage::Veraltet(k)) return false;
        plan_.Ablage().VerwaisteLoeschen(k);
        return true;
    });
}

TWiederherstellungsangebot::~TWiederherstellungsangebot() {
    if (!unlesbar_.empty()) Meldungen().Meldung(UnlesbarMeldung(unlesbar_), TMeldungsart::Warnung);
    plan_.Ablage().VerwaisteFreigeben();
}

void TWiederherstellungsangebot::Unlesbar(const TVerwaisteKopie& k) {
    unlesbar_.emplace_back(Kopienname(k), plan_.Ablage().Beiseitelegen(k));
}

std::vector<TVerwaisteKopie> TWiederherstellungsangebot::Fragen() {
    std::vector<TVerwaisteKopie> lesbar;
    for (const TVerwaisteKopie& k : kopien_) {
        if (k.Lesbar)
            lesbar.push_back(k);
        else
            Unlesbar(k);
    }
    kopien_.clear();
    if (lesbar.empty()) return {};
    if (Meldungen().Frage(WiederherstellungsFrage(lesbar), TFrageKnoepfe::JaNein) == TAntwort::Ja)
        return lesbar;
    if (Meldungen().Frage(LoeschFrage(), TFrageKnoepfe::JaNein) == TAntwort::Ja)
        for (const TVerwaisteKopie& k : lesbar)
            plan_.Ablage().VerwaisteLoeschen(k);
    return {};
}

bool TWiederherstellungsangebot::Oeffnen(TDokument& d, const TVerwaisteKopie& k) {
    TLadeergebnis ergebnis;
    {
        // What cannot be read is reported at the end, in one message.
        const TMeldungenSammeln leise;
        ergebnis = d.Wiederherstellen(k.Kopie, k.Angaben.Dateiname, k.Angaben.Schreibgeschuetzt);
    }
    if (ergebnis != TLadeergebnis::Gelesen) {
        Unlesbar(k);
        return false;
    }
    // Until the document has a copy of its own, the orphan is the only one;
    // it goes when the document is saved or closed, or has its own copy.
    if (plan_.JetztSchreiben(d))
        plan_.Ablage().VerwaisteLoeschen(k);
    else
        plan_.VorgaengerMerken(d, k);
    return true;
}

} // namespace kalvorin
