#pragma once
// What the file commands decide about a document, without any window: where
// "&Speichern" writes, what "Speichern &unter..." proposes, and the window's
// caption. File names are the system's bytes (UTF-8).

#include <string>
#include <string_view>

namespace kalvorin {

class TDokument;

// The file name with its extension replaced by (or extended with) ".kvr".
std::string MitKvrEndung(const std::string& datei);

// The last component of the path.
std::string DateinameOhneOrdner(const std::string& datei);

// Where "&Speichern" writes without asking: the document's own file with the
// extension ".kvr". Empty when "Speichern &unter..." has to ask: a new
// document (no file name, or one beginning with "neu"), or one opened
// read-only, which is never written over.
std::string SpeicherDatei(const TDokument& d);

// The name "Speichern &unter..." proposes: the file's own name, or "*.KVR"
// for a document that has none yet.
std::string SpeichernUnterVorschlag(const TDokument& d);

// The caption of the document's window: the file's name, followed by
// " (schreibgeschützt)" when it was opened read-only; "neu" + ordinal +
// ".kvr" while it has no file.
std::string Fensterbeschriftung(const TDokument& d, int ordinal);

// Why the document file could not store the name so that it reads back as
// itself (too long, outside Windows-1252, "|", blanks, a section the file
// uses for itself); empty when it can.
std::string SpeicherFehler(std::string_view name);

} // namespace kalvorin
