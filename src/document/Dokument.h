#pragma once
// One document, complete and headless: its element list, coordinate system,
// scene, undo snapshot, modified flag, file name and read-only state. The
// document window only shows it and forwards the user's commands.

#include "math/Koordinatensystem.h"
#include "model/Liste.h"
#include "document/Rueckgaengig.h"
#include "view/GSzene.h"
#include "view/Weltabbildung.h"

#include <cstdint>
#include <string>

namespace kalvorin {

class TDokument {
public:
    // A new, empty document: the coordinate system from the settings, the
    // view in its initial position.
    TDokument();
    TDokument(const TDokument&) = delete;
    TDokument& operator=(const TDokument&) = delete;

    TListe& Liste() { return liste_; }
    const TListe& Liste() const { return liste_; }
    TKoordinatensystem& Koordinatensystem() { return ks_; }
    const TKoordinatensystem& Koordinatensystem() const { return ks_; }
    tGSzene& Szene() { return szene_; }
    const tGSzene& Szene() const { return szene_; }
    const TWeltAbbildung& Abbildung() const { return abbildung_; }
    TRueckgaengig& Rueckgaengig() { return rueckgaengig_; }
    const TRueckgaengig& Rueckgaengig() const { return rueckgaengig_; }

    bool Geaendert = false;
    std::string Dateiname;
    bool Schreibgeschuetzt = false;
    // Which mapping roles the last loaded file brought (bits: centre 1,
    // axis 2, mirror plane 4, dilation centre 8, orth. plane 16, par. plane
    // 32, par. vector 64); inserting a file consults it.
    std::uint8_t Rollen = 0;

    // Recomputes every element in list order and builds the scene anew,
    // projected and sorted, ready to be drawn.
    void Neuaufbau();
    // The view after the coordinate system changed (loading, the
    // coordinate-system dialog, zooming): window, display cube, sphere.
    void AnsichtEinrichten();
    // "Ausgangslage": the initial view, then the rebuild.
    void Ausgangslage();
    // One zoom step; false when the range is at its limit (nothing changes).
    bool Zoomen(Real faktor);
    // Undo of the last deletion or mapping; false without a snapshot.
    bool RueckgaengigMachen();
    // Deletes the marked elements and their dependants after asking;
    // true when something was deleted (the document is rebuilt then).
    bool MarkierteLoeschen();

    // The document file. Laden replaces the content (the caller then
    // remembers the file name); Einfuegen appends another file's elements;
    // Speichern writes everything. Each ends with the rebuild where the
    // content changed, and reports failures through the message interface.
    bool Laden(const std::string& datei);
    bool Einfuegen(const std::string& datei);
    bool Speichern(const std::string& datei);

    // Before drawing: the names of the shown elements go to their first
    // scene object.
    void NamenSetzen();

private:
    TListe liste_;
    TKoordinatensystem ks_;
    TWeltAbbildung abbildung_;
    tGSzene szene_;
    TRueckgaengig rueckgaengig_;
};

} // namespace kalvorin
