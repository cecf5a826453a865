#pragma once
// One document, complete and headless: its element list, coordinate system,
// scene, undo snapshot, modified flag, file name and read-only state. The
// document window only shows it and forwards the user's commands.
//
// Every change goes through Aendern (or one of the named entries built on
// it): the undo snapshot where asked, the modified flag, one rebuild, and
// the windows told. Nothing else writes the document's state.

#include "document/Rueckgaengig.h"
#include "math/Koordinatensystem.h"
#include "model/Liste.h"
#include "view/GSzene.h"
#include "view/Weltabbildung.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin {

// When a change ends with the rebuild.
enum class TNeuaufbau : std::uint8_t {
    Immer,         // also when the change refused: the view shows the current state
    WennGeaendert, // only when the change reported a modification
    Nie,           // marks and display order: the scene stays as it is
};

struct TAenderung {
    TNeuaufbau Neuaufbau = TNeuaufbau::Immer;
    // Taken before the change: the one level of undo.
    std::optional<TRueckgaengigArt> Schnappschuss;
};

// What became of opening a file.
enum class TLadeergebnis : std::uint8_t {
    Gelesen,   // the whole file: the document is the file's, unmodified
    Teilweise, // part of it: kept, modified, but with no file name, so that
               // saving cannot overwrite the complete file with it
    Nichts,    // nothing was read: the document is empty and of no use
};

class TDokument {
public:
    // A new, empty document: the coordinate system from the settings, the
    // view in its initial position, the scene built, unmodified.
    TDokument();
    TDokument(const TDokument&) = delete;
    TDokument& operator=(const TDokument&) = delete;

    const TListe& Liste() const { return liste_; }
    const TKoordinatensystem& Koordinatensystem() const { return ks_; }
    // The scene is derived from the document; the view turns and draws it.
    tGSzene& Szene() { return szene_; }
    const tGSzene& Szene() const { return szene_; }
    const TWeltAbbildung& Abbildung() const { return abbildung_; }
    const TRueckgaengig& Rueckgaengig() const { return rueckgaengig_; }

    bool Geaendert() const { return geaendert_; }
    // The file the document was read from or last written to; empty for a
    // new document and after a partly read file.
    const std::string& Dateiname() const { return dateiname_; }
    bool Schreibgeschuetzt() const { return schreibgeschuetzt_; }

    // The one transaction. `aendern` works on the list and returns whether
    // the document counts as modified by it. With wie.Schnappschuss the undo
    // copy is taken first. Afterwards the modified flag is set when
    // `aendern` returned true, the document is rebuilt as wie.Neuaufbau
    // says, and the windows are told. Returns what `aendern` returned.
    bool Aendern(const std::function<bool(TListe&)>& aendern, const TAenderung& wie = {});
    // Marks, and other changes that are neither modifications nor need the
    // rebuild; the windows are told.
    void Markieren(const std::function<void(TListe&)>& markieren);
    // The coordinate system changes (a dialog, a point outside the range):
    // view, display cube and sphere follow, then the rebuild. geaendert:
    // the document counts as modified.
    void KoordinatensystemAendern(const std::function<void(TKoordinatensystem&)>& aendern,
                                  bool geaendert);

    // Whoever shows the document is told after every change.
    void Beobachten(std::function<void()> beobachter) {
        beobachter_.push_back(std::move(beobachter));
    }

    // Recomputes every element in list order and builds the scene anew,
    // projected and sorted, ready to be drawn.
    void Neuaufbau();
    // "Ausgangslage": the initial view, then the rebuild.
    void Ausgangslage();
    // One zoom step; false when the range is at its limit (nothing changes).
    bool Zoomen(Real faktor);
    // Undo of the last deletion or mapping; false without a snapshot. Undo
    // leaves the modified flag as it is.
    bool RueckgaengigMachen();
    // Deletes the marked elements and their dependants after asking; the
    // undo copy is taken first, even when nothing is deleted. True when
    // something was deleted (the document is rebuilt then).
    bool MarkierteLoeschen();

    // The document file; failures are reported through the message
    // interface. Laden replaces the content and, when the whole file was
    // read, takes its name and read-only state (schreibgeschuetzt: the user
    // asked for it or the file may not be written). Einfuegen appends
    // another file's elements and always counts as a modification
    // (vollstaendig: whether every element of the file was taken over).
    // Speichern writes everything; on success the file is the document's own,
    // writable, and the document unmodified.
    TLadeergebnis Laden(const std::string& datei, bool schreibgeschuetzt = false);
    bool Einfuegen(const std::string& datei, bool* vollstaendig = nullptr);
    bool Speichern(const std::string& datei);
    // A recovery copy comes back: the copy's content under the file name and
    // read-only state the document had, modified, as it was never saved.
    // When the copy does not read completely the document is left empty and
    // unmodified, so that its window can go without a question.
    TLadeergebnis Wiederherstellen(const std::string& kopie, const std::string& dateiname,
                                   bool schreibgeschuetzt);

    // Before drawing: the names of the shown elements go to their first
    // scene object.
    void NamenSetzen();

private:
    // Tests build their documents element by element through it.
    friend struct TDokumentTestzugang;

    void AnsichtEinrichten();
    void Melden();

    TListe liste_;
    TKoordinatensystem ks_;
    TWeltAbbildung abbildung_;
    tGSzene szene_;
    TRueckgaengig rueckgaengig_;
    bool geaendert_ = false;
    std::string dateiname_;
    bool schreibgeschuetzt_ = false;
    // Which mapping roles the last loaded file brought (bits: centre 1,
    // axis 2, mirror plane 4, dilation centre 8, orth. plane 16, par. plane
    // 32, par. vector 64); inserting a file consults it.
    std::uint8_t rollen_ = 0;
    std::vector<std::function<void()>> beobachter_;
};

} // namespace kalvorin
