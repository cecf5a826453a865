#pragma once
// The element dialogs as the rest of the program calls them: created once,
// reused for every call, and run with the calling protocols for a new and
// for an existing element. Each entry returns whether the document changed;
// it has been rebuilt then, and the caller redraws it and refreshes the
// object list.

class QWidget;

namespace kalvorin {

class TDokument;
class TDreiDBasisElement;
class TPunktDLG;
class TGeradenDLG;

// Creates the dialogs (at program start, after the main window); later
// calls do nothing. The entries below create them on first use otherwise.
void ElementDialogeErzeugen(QWidget* hauptfenster);
TPunktDLG* PunktDialog(QWidget* hauptfenster = nullptr);
TGeradenDLG* GeradenDialog(QWidget* hauptfenster = nullptr);

// "F&estlegen" → "durch &Neueingabe" → "&Punkt..." / "&Gerade...", and the
// view popup's "... durch Neueingabe festlegen...".
bool PunktNeu(QWidget* hauptfenster, TDokument& dokument);
bool GeradeNeu(QWidget* hauptfenster, TDokument& dokument);

// A double click on an element in the object list or in the view: opens the
// dialog of a point or a line (other kinds: false, nothing shown).
bool ElementBearbeiten(QWidget* hauptfenster, TDokument& dokument, TDreiDBasisElement* element);

} // namespace kalvorin
