#pragma once
// The document file (".kvr"): one INI file with the coordinate system and
// one section per element. The writer replaces the file as a whole; the
// reader either loads a document or inserts a file into an existing one.

#include "math/Koordinatensystem.h"
#include "model/Liste.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

// The document-wide record of which mapping roles were loaded from the file
// (bits: centre 1, axis 2, mirror plane 4, dilation centre 8, orthogonal
// projection plane 16, parallel projection plane 32, parallel projection
// vector 64; bit k stands for TRolle k).
using TRollenMenge = std::uint8_t;

constexpr TRollenMenge RollenBit(TRolle r) {
    return static_cast<TRollenMenge>(1u << static_cast<unsigned>(r));
}

// One question of the worksheet as the file keeps it: a kind word with the
// serial numbers (TDreiDBasisElement::Nummer) of the elements it asks
// about, or, for the kind BlattfrageText, a line of text (UTF-8). In the
// file the numbers are the elements' places in it, so that they survive
// reading, where serial numbers are given anew.
struct TBlattfrage {
    std::string Art;
    std::vector<int> Nummern;
    std::string Text;
    bool operator==(const TBlattfrage&) const = default;
};
inline constexpr const char* BlattfrageText = "Text";
// The questions of the worksheet; nothing when the document has no choice
// of its own (the file then has no such section).
using TBlattfragen = std::optional<std::vector<TBlattfrage>>;

// Writes list and coordinate system to the file, replacing it as a whole.
// Returns false after telling the user why when the file cannot be written
// (the old file stays as it was; a write-protected file, a folder, a device
// or a pipe is never replaced) or when an element name cannot be stored
// faithfully (then nothing is written at all). A new file is created with
// the permissions modusNeu (-1: what the umask allows).
bool DokumentSchreiben(const std::string& datei, const TListe& liste, const TKoordinatensystem& ks,
                       int modusNeu = -1);
// The same with the worksheet's questions, in a section of their own that
// readers which know only elements skip. A question about an element that
// is not in the list is left out.
bool DokumentSchreiben(const std::string& datei, const TListe& liste, const TKoordinatensystem& ks,
                       const TBlattfragen& fragen, int modusNeu = -1);

// Reads the file. einfuegen = false: clears list and role set, reads the
// coordinate system and the elements. einfuegen = true: appends the file's
// elements, renaming those whose names are taken, and drops mapping roles
// that the role set already holds together with the elements derived by
// them. Elements that cannot be read are dropped silently, together with
// what depends on them; an unknown element name in a derivation or
// projection ends the reading with the warning "Einlesefehler".
// Returns false, after telling the user, only when the file could not be
// read at all; list, coordinate system and roles are then unchanged.
// vollstaendig (when given) tells whether the whole file was read, that is
// false after "Einlesefehler" too.
// fragen (when given, and only when not inserting) receives the
// worksheet's questions, each with the serial numbers of the elements read;
// one about an element that was not read is dropped.
bool DokumentLesen(const std::string& datei, TListe& liste, TKoordinatensystem& ks,
                   TRollenMenge& rollen, bool einfuegen, bool* vollstaendig = nullptr,
                   TBlattfragen* fragen = nullptr);

// The bytes DokumentSchreiben writes for the document; nothing when an
// element name cannot be stored faithfully. Writes no file and says
// nothing: for the checks of the document's invariants, which save and
// load in memory.
std::optional<std::string> DokumentInhalt(const TListe& liste, const TKoordinatensystem& ks,
                                          const TBlattfragen& fragen = {});

// DokumentLesen of a file's bytes held in memory; name stands for the file
// in the messages.
bool DokumentAusInhaltLesen(std::string_view bytes, const std::string& name, TListe& liste,
                            TKoordinatensystem& ks, TRollenMenge& rollen, bool einfuegen,
                            bool* vollstaendig = nullptr, TBlattfragen* fragen = nullptr);

// True when the file exists and the program must not write it: this user
// may not, it is hidden, or it is not a plain file. The window of such a
// document is marked " (schreibgeschützt)" and is not saved with
// "&Speichern".
bool DokumentSchreibgeschuetzt(const std::string& datei);

} // namespace kalvorin
