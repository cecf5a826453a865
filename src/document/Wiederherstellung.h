#pragma once
// Never losing a lesson's work: the plan that keeps a recovery copy of every
// document with unsaved changes, and the offer at start of what a program
// that did not end properly left behind.
//
// The core has no timer. The plan decides when a copy is due (at once after
// a quiet spell, otherwise two seconds after the last one) and the user
// interface's timer calls Schreiben at that time. Questions and messages go
// through Meldungen().

#include "document/Dokument.h"
#include "storage/Wiederherstellungsablage.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin {

class TWiederherstellungsplan {
public:
    using TZeit = std::chrono::steady_clock::time_point;
    // At most one copy of a document in this time.
    static constexpr std::chrono::milliseconds Abstand{2000};

    // uhr: the clock the plan goes by; wanduhr: the time put in the record
    // (seconds since 1970). Tests give clocks of their own.
    explicit TWiederherstellungsplan(TWiederherstellungsablage& ablage,
                                     std::function<TZeit()> uhr = {},
                                     std::function<std::int64_t()> wanduhr = {});
    ~TWiederherstellungsplan();
    TWiederherstellungsplan(const TWiederherstellungsplan&) = delete;
    TWiederherstellungsplan& operator=(const TWiederherstellungsplan&) = delete;

    TWiederherstellungsablage& Ablage() { return ablage_; }

    // From now on every change of the document schedules its copy, and a
    // document that is no longer modified (saved) loses it. beschriftung
    // gives the window's caption when a copy is written.
    void Anmelden(TDokument& d, std::function<std::string()> beschriftung);
    // The document's window has closed (saved, or the user said "Nein"):
    // its copy goes.
    void Abmelden(const TDokument& d);
    // The document is gone (or going) without being closed by the user: its
    // copy stays on disk for the next start. Only the address is used.
    void Vergessen(const TDokument* d);

    // When the next copy is due; none when every copy is current. A time
    // that is not later than the clock's now means at once.
    std::optional<TZeit> Naechste() const;
    // Writes every copy that is due by the clock. A copy that cannot be
    // written is tried again after Abstand; the user is told once, until a
    // copy can be written again.
    void Schreiben();
    // Writes the document's copy now, whatever the schedule says; true when
    // it is on disk.
    bool JetztSchreiben(const TDokument& d);

    // The copy of the document on disk, empty when it has none.
    std::string KopieDatei(const TDokument& d) const;

    // The copy a document was restored from, while the document has no
    // copy of its own yet: it goes with the document's own copy.
    void VorgaengerMerken(const TDokument& d, const TVerwaisteKopie& k);

    // At a normal end: tries once more to remove the copies that could not
    // be removed when their documents were saved or closed, and returns the
    // ones that are still there.
    std::vector<std::string> Aufraeumen();

    // Told whenever Naechste() may have changed, so that a timer can be set
    // anew.
    std::function<void()> PlanGeaendert;

private:
    struct TEintrag {
        const TDokument* Dokument = nullptr;
        std::function<std::string()> Beschriftung;
        int Platz = 0;
        bool KopieDa = false;
        bool Offen = false; // a change not yet in the copy
        std::optional<TZeit> Letzte;
        std::vector<TVerwaisteKopie> Vorgaenger;
    };

    TEintrag* Finden(const TDokument& d);
    const TEintrag* Finden(const TDokument& d) const;
    void Beobachtet(const TDokument& d);
    bool EintragSchreiben(TEintrag& e, TZeit jetzt);
    void FehlerMelden();
    void Melden();
    // Removes the entry's copy and its predecessors; what stays is kept in
    // nichtEntfernt_.
    void KopieEntfernen(TEintrag& e);
    void VorgaengerEntfernen(TEintrag& e);

    TWiederherstellungsablage& ablage_;
    std::function<TZeit()> uhr_;
    std::function<std::int64_t()> wanduhr_;
    std::vector<TEintrag> eintraege_;
    // Copies of saved or closed documents that could not be removed.
    std::vector<std::pair<int, TVerwaisteKopie>> nichtEntfernt_;
    bool gemeldet_ = false;
    bool schreibend_ = false;
    // The observers the documents keep may outlive the plan.
    std::shared_ptr<TWiederherstellungsplan*> selbst_;
};

// "Kalvorin wurde nicht ordnungsgemäß beendet. ..." with one line per copy.
std::string WiederherstellungsFrage(const std::vector<TVerwaisteKopie>& kopien);
// After "Nein": asked once more before the copies are deleted.
std::string LoeschFrage();
// The copies that could not be read, with the places where they are kept.
std::string UnlesbarMeldung(const std::vector<std::pair<std::string, std::string>>& namenUndOrte);
// When copies cannot be written.
std::string NichtSchreibbarMeldung(const std::string& ordner);
// At the end, when copies of saved or closed documents could not be removed.
std::string NichtEntferntMeldung(const std::vector<std::string>& kopien);

// How a copy is named to the user: the caption it had, or a stand-in.
std::string Kopienname(const TVerwaisteKopie& k);
// "neu" + number + ".kvr": the number; 0 for any other caption.
int NeuNummer(const std::string& beschriftung);

// What a program that did not end properly left behind, offered at start.
// The copies stay claimed while the offer lives.
class TWiederherstellungsangebot {
public:
    explicit TWiederherstellungsangebot(TWiederherstellungsplan& plan);
    // Reports the copies that could not be read and releases the claims.
    ~TWiederherstellungsangebot();
    TWiederherstellungsangebot(const TWiederherstellungsangebot&) = delete;
    TWiederherstellungsangebot& operator=(const TWiederherstellungsangebot&) = delete;

    // Nothing was left behind: no question. Copies older than their
    // document's saved file are removed and never offered.
    bool Leer() const { return kopien_.empty(); }
    // One question for every readable copy. "Ja": returns them, to be
    // opened one by one. "Nein": asks once more and deletes them after "Ja",
    // keeps them for the next start after "Nein"; returns none.
    std::vector<TVerwaisteKopie> Fragen();
    // Opens the copy in a fresh document that the plan watches. Its own copy
    // is written at once, and only then the orphan goes. False when the copy
    // cannot be read: it is kept for the user and reported at the end.
    bool Oeffnen(TDokument& d, const TVerwaisteKopie& k);

private:
    void Unlesbar(const TVerwaisteKopie& k);

    TWiederherstellungsplan& plan_;
    std::vector<TVerwaisteKopie> kopien_;
    std::vector<std::pair<std::string, std::string>> unlesbar_;
};

} // namespace kalvorin
