#pragma once
// The object list beside the main window's frame, tied to the active
// document: it shows that document, refreshes after every change, and its
// popup commands and double clicks go to the main window.

namespace kalvorin {

class TMainForm;
class TListenformular;

// Docks the list at the right of the main window and connects both ways.
void ObjektlisteAnbinden(TMainForm& hauptfenster, TListenformular& liste);

} // namespace kalvorin
