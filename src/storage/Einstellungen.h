#pragma once
// The settings file and the start-up file: where they are, and reading and
// writing the process-wide defaults from and to them.

#include "model/StandardEinstellungen.h"

#include <string>
#include <vector>

namespace kalvorin {

// The words the settings file stores instead of the numbers of the defaults.
inline constexpr const char* PunktformWorte[] = {"Kreis", "Kreuz", "Dreibein", "DreibeinXYZ",
                                                 "Zickzack"};
inline constexpr const char* StrichartWorte[] = {"durchgezogen", "gestrichelt", "punktiert"};
inline constexpr const char* SkalierungsWorte[] = {"keine",  "nur bei 1", "alle 0,5",
                                                   "alle 1", "alle 2",    "alle 5"};

inline constexpr const char* EinstellungsDateiname = "Kalvorin.INI";

// The running program's own file (for the start-up file and "HOME").
std::string ProgrammDatei();
// The program's file name with its extension replaced by ".cfg".
std::string StartdateiPfad(const std::string& programmDatei);
// Where the settings file lives when the start-up file names no folder:
// $XDG_CONFIG_HOME/Kalvorin/, or ~/.config/Kalvorin/ (with the trailing "/").
std::string StandardIniOrdner();
// IniPfad followed by "Kalvorin.INI", or the file in StandardIniOrdner().
std::string EinstellungsDatei(const TStandardEinstellungen& e);

// Reads "SaveIniDatei" and "INIPATH" of the start-up file; "HOME" in any
// case stands for programmOrdner (given with or without the trailing "/").
void LadeStartdatei(TStandardEinstellungen& e, const std::string& startdatei,
                    const std::string& programmOrdner);
// Every setting with its default when the file or the key is missing or
// unreadable. Numbers are held to the ranges the rest of the program can
// draw with.
void LadeEinstellungen(TStandardEinstellungen& e, const std::string& datei);
// Does nothing when e.SaveIniDatei is false; write errors are swallowed, as
// closing the program must not fail for them.
void SpeichereEinstellungen(const TStandardEinstellungen& e, const std::string& datei);

// The same for the running program's Einstellungen(): the start-up file next
// to the program, the settings file of EinstellungsDatei(); saving creates
// the default folder when it is used and missing.
void LadeStartdatei();
void LadeEinstellungen();
void SpeichereEinstellungen();

} // namespace kalvorin
