#include "model/Dokument.h"

// Reading and writing are wired to the document file module when it lands.
namespace kalvorin {

bool TDokument::Laden(const std::string&) { return false; }
bool TDokument::Einfuegen(const std::string&) { return false; }
bool TDokument::Speichern(const std::string&) { return false; }

} // namespace kalvorin
