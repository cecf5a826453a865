#pragma once
// Recovery copies on disk. While a document has unsaved changes the program
// keeps a copy of it in the recovery folder, in the normal document format,
// beside a small record of what the window showed. A crash, a kill or a power
// cut then loses at most the last moments of work.
//
// Every running program has its own group of files in the folder:
//   <gruppe>.sperre          held with an advisory lock for the whole run
//   <gruppe>-<platz>.kvr     the copy of one document
//   <gruppe>-<platz>.vermerk its record
// The lock sits on a file of its own because the copies are replaced by
// renaming a new file over them, and a lock on a replaced file would go with
// the old one. A group whose lock can be taken belongs to a program that is
// no longer running: its copies are orphans. A group whose lock is held is
// never touched, so two programs running at once leave each other alone.

#include "math/Koordinatensystem.h"
#include "model/Liste.h"
#include "model/Meldungen.h"
#include "storage/Dokumentdatei.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kalvorin {

// $XDG_STATE_HOME/Kalvorin/Wiederherstellung, or
// ~/.local/state/Kalvorin/Wiederherstellung when that is unset or relative.
std::string StandardWiederherstellungsordner();

// What a copy needs besides the document to come back as it was.
struct TKopienvermerk {
    std::string Dateiname;    // the document's own file; empty for a new one
    std::string Beschriftung; // the window's caption
    bool Schreibgeschuetzt = false;
    std::int64_t Zeit = 0; // when the copy was taken, seconds since 1970 (UTC); 0: unknown
};

// A copy left behind by a program that is no longer running.
struct TVerwaisteKopie {
    std::string Kopie;   // the document file
    std::string Vermerk; // its record (it may be missing)
    TKopienvermerk Angaben;
    // The document reader took the whole copy. Copies that are no plain
    // file, are far too large or do not read completely are kept for the
    // user but never opened.
    bool Lesbar = false;
};

// The file routines report through the message interface; while an object
// of this class lives, what they say is collected here instead of shown.
class TMeldungenSammeln : public IMeldungen {
public:
    TMeldungenSammeln();
    ~TMeldungenSammeln() override;
    TMeldungenSammeln(const TMeldungenSammeln&) = delete;
    TMeldungenSammeln& operator=(const TMeldungenSammeln&) = delete;

    void Meldung(const std::string& text, TMeldungsart art, const std::string& titel) override;
    TAntwort Frage(const std::string& text, TFrageKnoepfe knoepfe,
                   const std::string& titel) override;
    void WarteCursor(bool an) override;

    std::vector<std::string> Texte;

private:
    IMeldungen* vorher_;
};

class TWiederherstellungsablage {
public:
    // Copies larger than this cannot come from a document of 100 elements.
    static constexpr std::int64_t GroessteKopie = 1 << 20;
    // At most this many orphans are taken at one start; the rest wait.
    static constexpr int HoechstensVerwaiste = 100;

    // Creates the folder where it is missing and takes this program's lock.
    // Never fails loudly: without folder or lock Bereit() is false, and
    // every write reports its failure.
    explicit TWiederherstellungsablage(std::string ordner);
    // Releases the lock. The lock file goes too when no copy is left; copies
    // that are still there stay orphans for the next start.
    ~TWiederherstellungsablage();
    TWiederherstellungsablage(const TWiederherstellungsablage&) = delete;
    TWiederherstellungsablage& operator=(const TWiederherstellungsablage&) = delete;

    bool Bereit() const { return sperre_ >= 0; }
    const std::string& Ordner() const { return ordner_; }
    const std::string& Gruppe() const { return gruppe_; }
    // Where unreadable copies are kept for the user.
    std::string UnlesbarOrdner() const { return ordner_ + "/Unlesbar"; }

    // A place for one document's copy, new within this run.
    int NeuerPlatz() { return ++plaetze_; }
    std::string KopieDatei(int platz) const;
    std::string VermerkDatei(int platz) const;

    // Writes the record, then the copy, each replacing the one before in a
    // single step. Empty on success, otherwise the reason (for the
    // programmer: the caller tells the user in its own words). A failure in
    // the middle leaves the previous copy as it was. The copy holds the
    // worksheet's questions too, as the document file does.
    std::string Schreiben(int platz, const TListe& liste, const TKoordinatensystem& ks,
                          const TKopienvermerk& vermerk, const TBlattfragen& fragen = {});
    // Removes the copy and then its record. False when one of them is still
    // there (the folder may have become write-protected).
    bool Entfernen(int platz);

    // The copies of programs that are no longer running, oldest first. Their
    // groups stay claimed (locked by this program) until VerwaisteFreigeben,
    // so that a second program starting at the same moment does not offer
    // them too. Temporary files of an interrupted write and records without
    // a copy are removed on the way; files of other names are left alone.
    std::vector<TVerwaisteKopie> VerwaisteFinden();
    // Removes an orphan copy and its record: it has been restored or the
    // user chose to drop it. False when one of them is still there.
    bool VerwaisteLoeschen(const TVerwaisteKopie& k);
    // True when the document's own file was saved after the copy was
    // taken: the copy holds nothing newer and must not be offered.
    static bool Veraltet(const TVerwaisteKopie& k);
    // Moves an unreadable copy and its record into UnlesbarOrdner(), where
    // the user can look at it and no start offers it again. Returns where
    // the copy now lies (its old place when it could not be moved).
    std::string Beiseitelegen(const TVerwaisteKopie& k);
    // Releases the claimed groups; a group with nothing left loses its
    // lock file.
    void VerwaisteFreigeben();

private:
    std::string ordner_;
    std::string gruppe_;
    int sperre_ = -1;
    int plaetze_ = 0;
    // Claimed groups of programs that are gone: group -> locked descriptor.
    std::map<std::string, int> beansprucht_;
};

// Texts in a record: every byte that would end or shorten a line ("%", the
// control characters, blanks) as "%" and two hex digits.
std::string VermerkKodieren(const std::string& text);
// False for a text that no VermerkKodieren made.
bool VermerkDekodieren(const std::string& text, std::string& klar);

// The record as file content and back. Lesen gives false for a text that is
// no record of this program; vermerk is then left as it was.
std::string VermerkText(const TKopienvermerk& vermerk);
bool VermerkLesen(const std::string& text, TKopienvermerk& vermerk);

} // namespace kalvorin
