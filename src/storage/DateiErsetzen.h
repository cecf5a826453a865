#pragma once
// Replacing a file so that it is either the old file or the complete new one,
// never a truncated mix: the new content goes to a temporary file in the same
// folder, is flushed to the disk and then renamed over the target.

#include <string>
#include <string_view>

namespace kalvorin {

// Why a file could not be written, as far as the user can act on it.
enum class TSchreibfehler {
    Keiner,
    Schreibgeschuetzt, // the target is a file this user may not change
    KeineDatei,        // the target is a device, a pipe or a socket
    Ordner,            // the target is a folder
    Voll,              // no space left (or the quota is used up)
    KeineBerechtigung, // the folder may not be written
    NurLesen,          // the file system is mounted read-only
    OrdnerFehlt,       // the folder does not exist
    Sonstiges,
};

struct TErsetzenErgebnis {
    TSchreibfehler Fehler = TSchreibfehler::Keiner;
    std::string Grund; // for the programmer; empty on success
};

// The cause that an errno value of a failed write stands for.
TSchreibfehler SchreibfehlerAusErrno(int fehler);

// Whether the program may replace the target at all: only a regular file
// this user may write, or a name that is free. A file that no one may write
// counts as write-protected even for the administrator, as the file's
// read-only attribute did on the classroom machines. A symbolic link is
// judged by the file it points to.
TSchreibfehler ZielPruefen(const std::string& ziel);

// The sentence that tells the user the cause, followed by " (" datei ")";
// for Sonstiges the old "Eventuell ist der Datenträger schreibgeschützt."
std::string SchreibfehlerText(TSchreibfehler fehler, const std::string& datei);

// What the program writes, for the first sentence of the message when it
// fails.
enum class TAusgabe { Dokument, Grafik, Arbeitsblatt, Loesungsweg };

// The user's message for a write that failed: what could not be written,
// then on the next line the cause and the file (SchreibfehlerText). Every
// output says it the same way.
std::string Schreibmeldung(TAusgabe was, TSchreibfehler fehler, const std::string& datei);

// Replaces the file with the content through DateiErsetzenMitGrund; empty
// on success, else Schreibmeldung. A file that is there stays as it was.
std::string AusgabeSchreiben(TAusgabe was, const std::string& datei, std::string_view inhalt);

// Replaces the target with the content. A target that ZielPruefen refuses
// is left alone. A target that is a symbolic link is replaced at the place
// the link points to. The permissions of an existing target are kept; a new
// file gets modusNeu, or (with -1) what the umask allows.
//
// The content is written to a temporary file beside the target, named
// TemporaererName(target) with six random characters added, and locked
// while it is written. A temporary file of the same target that no process
// holds any more (one killed between writing and renaming) is removed at
// the next replacement of that target.
TErsetzenErgebnis DateiErsetzenMitGrund(const std::string& ziel, std::string_view inhalt,
                                        int modusNeu = -1);

// As above; an empty text on success, else the reason for the programmer
// (the user sees the caller's own message).
std::string DateiErsetzen(const std::string& ziel, std::string_view inhalt);

// The start of the temporary files' names for the target:
// "ordner/.name.kalvorin-" (hidden, and telling whose file it is).
std::string TemporaererName(const std::string& ziel);

// The name of the target a temporary file belongs to, both without folder;
// empty when the name is no temporary file of a replacement.
std::string ZielDesTemporaeren(std::string_view name);

// Test seam: when set, called after the temporary file has been written and
// before it is flushed and renamed; returning false makes the replacement
// fail there, as a full disk would.
using TErsetzenProbe = bool (*)(const std::string& ziel);
void SetzeErsetzenProbe(TErsetzenProbe probe);

// Creates the folder and its missing parents. True when it exists afterwards.
bool OrdnerAnlegen(const std::string& ordner);

} // namespace kalvorin
