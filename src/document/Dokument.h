#pragma once
// One document, complete and headless: its element list, coordinate system,
// scene, undo snapshot, modified flag, file name and read-only state. The
// document window only shows it and forwards the user's commands.
//
// Every change goes through Aendern (or one of the named entries built on
// it): the undo step, the modified flag, one rebuild, and the windows told.
// Nothing else writes the document's state.

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
    TAenderung(TNeuaufbau neuaufbau = TNeuaufbau::Immer,
               std::optional<TRueckgaengigArt> schnappschuss = {}, std::string schritt = {})
        : Neuaufbau(neuaufbau), Schnappschuss(schnappschuss), Schritt(std::move(schritt)) {}

    TNeuaufbau Neuaufbau = TNeuaufbau::Immer;
    // Deletions and mappings: their undo step is kept even when nothing
    // changed, under the operation's own caption.
    std::optional<TRueckgaengigArt> Schnappschuss;
    // The undo step's name ("Punkt A verschieben"). Empty: the name the
    // change gave through TDokument::SchrittNennen; without one, a change
    // that added elements is named after the new element of the highest
    // kind (a line with the points its dialog created names the line).
    std::string Schritt;
    // False: a modification that is no undo step (the object list's keys
    // flag the document without changing it).
    bool AlsSchritt = true;
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
    // The scene is derived from the document; the view draws it.
    const tGSzene& Szene() const { return szene_; }
    const TWeltAbbildung& Abbildung() const { return abbildung_; }
    const TRueckgaengig& Rueckgaengig() const { return rueckgaengig_; }
    // The worksheet's questions: the document's own choice, or nothing (the
    // sheet then asks for every derived element).
    const std::optional<TArbeitsblattfragen>& Arbeitsblattfragen() const { return fragen_; }

    bool Geaendert() const { return geaendert_; }
    // The file the document was read from or last written to; empty for a
    // new document and after a partly read file.
    const std::string& Dateiname() const { return dateiname_; }
    bool Schreibgeschuetzt() const { return schreibgeschuetzt_; }

    // The one transaction. `aendern` works on the list and returns whether
    // the document counts as modified by it. The state before is kept as an
    // undo step when `aendern` returned true (always with
    // wie.Schnappschuss). Afterwards the modified flag is set when `aendern`
    // returned true, the document is rebuilt as wie.Neuaufbau says, and the
    // windows are told. Returns what `aendern` returned.
    bool Aendern(const std::function<bool(TListe&)>& aendern, const TAenderung& wie = {});
    // The same for a change of the list and the coordinate system together
    // (a new point with the axes stretched to show it); view, display cube
    // and sphere follow the coordinate system.
    bool AendernMitAchsen(const std::function<bool(TListe&, TKoordinatensystem&)>& aendern,
                          const TAenderung& wie = {});
    // Inside a change: the name of its undo step, for a change that learns
    // it only while it works ("A ausblenden", "Gerade g ändern").
    void SchrittNennen(std::string name) { schrittImGange_ = std::move(name); }
    // The object list's keys flag the document as modified without changing
    // it; no undo step.
    void AlsGeaendertMarkieren();
    // The teacher's choice of the worksheet's questions: one undo step
    // "Arbeitsblatt festlegen" and a modification, unless it is the choice
    // the document has (false then). No rebuild: the view does not show it.
    bool ArbeitsblattfragenSetzen(std::optional<TArbeitsblattfragen> fragen);
    // Marks, and other changes that are neither modifications nor need the
    // rebuild; the windows are told.
    void Markieren(const std::function<void(TListe&)>& markieren);
    // The coordinate system changes (a dialog, a zoom step): view, display
    // cube and sphere follow, then the rebuild; one undo step named schritt.
    // geaendert: the document counts as modified.
    void KoordinatensystemAendern(const std::function<void(TKoordinatensystem&)>& aendern,
                                  bool geaendert, std::string schritt = "Koordinatensystem ändern");
    // Turning the view by a drag from `von` to `nach`, or by a matrix: the
    // scene is projected and ordered anew, without a rebuild. The view is
    // no part of the file and no modification; the windows are not told
    // (the view that turns draws itself).
    // kippen: in the textbook view, Shift tilts instead of turning.
    void AnsichtDrehen(TLogPunkt von, TLogPunkt nach, bool kippen = false);
    void AnsichtDrehen(const TMatrix4& drehung);
    // The view's projection (the design's oblique view or the textbook
    // view): window, display cube and initial position follow, then the
    // rebuild. No part of the file, no modification and no undo step.
    void ProjektionsartSetzen(TProjektionsart art);

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
    // Undo of the last step; false without one. The document is modified
    // unless it is back at the state last saved or read.
    bool RueckgaengigMachen();
    // Redo of the step undone last; false without one.
    bool Wiederholen();
    // Deletes the marked elements and their dependants after asking; the
    // undo step is kept even when nothing is deleted. True when something
    // was deleted (the document is rebuilt then).
    bool MarkierteLoeschen();

    // Dragging a free point (one defined by its coordinates). Ziehbar gives
    // the reason why the element in the slot cannot be dragged ("P1 ist aus
    // A und B entstanden und kann nicht gezogen werden"), empty when it can.
    std::string ZiehenVerweigert(int slot) const;
    // Starts a drag of the free point in the slot; false (nothing happens)
    // when it cannot be dragged.
    bool ZiehenBeginnen(int slot);
    bool Zieht() const { return ziehSlot_ != 0; }
    int ZiehSlot() const { return ziehSlot_; }
    // A step of the drag: the point to p, every dependent element follows,
    // the windows are told; no modification yet.
    void ZiehenNach(TTripel p);
    // The end of the drag: one undo step, modified once. Abbrechen puts
    // everything back as it was before the drag.
    void ZiehenBeenden();
    void ZiehenAbbrechen();
    // A whole drag in one call: the free point in the slot to p, one undo
    // step. False when it cannot be dragged.
    bool PunktVerschieben(int slot, TTripel p);

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
    TDokumentzustand Zustand() const;
    void ZustandSetzen(TDokumentzustand z);
    // A new undo step from the state before; geaendert: the content changed.
    void SchrittEintragen(TDokumentzustand vorher, const TAenderung& wie, bool geaendert);
    // The name of the step that turned vorher into the current state.
    std::string Schrittname(const TDokumentzustand& vorher, const TAenderung& wie) const;
    // After undo, redo and saving: modified unless the content is the saved one.
    void GespeichertSetzen();
    void HistorieVerwerfen();
    bool Transaktion(const std::function<bool(TListe&, TKoordinatensystem&)>& aendern,
                     const TAenderung& wie, bool achsen);
    void ZiehenAbschliessen();
    // The rebuild after the element in the slot changed and nothing before it.
    void NeuaufbauAb(int slot);

    TListe liste_;
    TKoordinatensystem ks_;
    TWeltAbbildung abbildung_;
    tGSzene szene_;
    TRueckgaengig rueckgaengig_;
    bool geaendert_ = false;
    // Content numbers (see TDokumentzustand): the current one, the one last
    // saved or read, the next one to give.
    std::uint64_t inhalt_ = 1, gespeichert_ = 1, naechsterInhalt_ = 2;
    // The drag in progress: the point's slot and the state before it.
    int ziehSlot_ = 0;
    std::optional<TDokumentzustand> vorZiehen_;
    // The name the change in progress gave its step (SchrittNennen).
    std::string schrittImGange_;
    std::string dateiname_;
    bool schreibgeschuetzt_ = false;
    // Which mapping roles the last loaded file brought (bits: centre 1,
    // axis 2, mirror plane 4, dilation centre 8, orth. plane 16, par. plane
    // 32, par. vector 64); inserting a file consults it.
    std::uint8_t rollen_ = 0;
    std::optional<TArbeitsblattfragen> fragen_;
    std::vector<std::function<void()>> beobachter_;
};

// Where a free point that stood at `start` goes when the mouse has moved from
// `griff` to `jetzt` (logical units of the document's view): parallel to the
// xy-plane through its height, or with senkrecht along z, so that its
// picture follows the mouse exactly under the view's projection. einrasten:
// the coordinates that move go to the nearest multiple of 0,5. A view that
// shows the plane of the move edge-on leaves the point where it is.
TTripel ZiehZiel(const TDokument& d, TTripel start, TLogPunkt griff, TLogPunkt jetzt,
                 bool senkrecht, bool einrasten);

// One key step of a marked free point: 0,5 LE.
inline constexpr Real ZiehSchritt = 0.5L;

} // namespace kalvorin
