#pragma once
// Qt's own texts (the file, colour and print dialogs, the buttons of the
// message boxes) in German, whatever the system's language: the program
// speaks German everywhere.

class QCoreApplication;
class QTranslator;

namespace kalvorin {

// Loads Debian's German translation of Qt into the application and returns
// it (owned by the application; deleting it takes the texts back); null
// when it is not installed, and Qt speaks English.
QTranslator* QtTexteDeutsch(QCoreApplication& app);

} // namespace kalvorin
