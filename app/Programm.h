#pragma once
// The program from start to end: the splash, the main window with the object
// list, what a program that did not end properly left behind, the files of
// the command line, then the event loop. The program's own main() runs it
// as it is; the tests that start the real program run it with their hooks
// (Testprogramm.cpp), which the installed program does not contain.

#include <functional>

namespace kalvorin {

class IMeldungen;
class TMainForm;

struct TProgrammhaken {
    // Every message and question of the run goes here; null: the message
    // boxes.
    IMeldungen* Meldungen = nullptr;
    // Once the documents of the start are open, before the event loop.
    std::function<void(TMainForm&)> NachDemStart;
};

int ProgrammAusfuehren(int argc, char* argv[], const TProgrammhaken& haken = {});

} // namespace kalvorin
