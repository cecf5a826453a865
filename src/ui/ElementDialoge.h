#pragma once
// The element dialogs as the rest of the program calls them: created once,
// reused for every call, and opened by one runner for a new element (the
// main menu, the view's popup) and for an existing one (a double click in
// the view or the object list). Which dialog serves which kind is one table
// in ElementDialoge.cpp. Each entry returns whether the document changed;
// it has been rebuilt then and its windows were told.

#include "model/Element.h"
#include "ui/Objektbilder.h"

#include <array>

class QWidget;

namespace kalvorin {

class TDokument;
class TElementDLG;

// What the user interface adds to a kind's row (model/Elementarten.h):
// its picture in the object list, its dialog (null: none) and the dialog's
// help topics for the pages "Bestimmung" and "Eigenschaften" (null: the
// dialog has one page). One row per kind byte, in that order.
struct TArtOberflaeche {
    TElementart Art;
    TObjektbild Bild;
    TElementDLG* (*Dialog)(QWidget* eltern);
    const char* HilfeBestimmung;
    const char* HilfeEigenschaften;
};
extern const std::array<TArtOberflaeche, AnzahlElementarten> ArtOberflaeche;

// Creates the dialogs (at program start, after the main window); later
// calls do nothing. ElementDialog creates one on first use otherwise.
void ElementDialogeErzeugen(QWidget* hauptfenster);
// The dialog of the kind; null for a kind without one.
TElementDLG* ElementDialog(TElementart art, QWidget* hauptfenster = nullptr);

// "F&estlegen" → "durch &Neueingabe" → "&Punkt..." and the others: the
// kind's dialog for a new element. Refused with the one message when the
// list is full.
bool NeuesElementDialog(QWidget* hauptfenster, TDokument& dokument, TElementart art);
// The same as a plain function for the main window's slots.
template <TElementart A> bool NeuesElementDialog(QWidget* hauptfenster, TDokument& dokument) {
    return NeuesElementDialog(hauptfenster, dokument, A);
}

// A double click on an element: the dialog of its kind in properties mode
// (kinds without a dialog: false, nothing shown).
bool ElementBearbeiten(QWidget* hauptfenster, TDokument& dokument, TDreiDBasisElement* element);

} // namespace kalvorin
