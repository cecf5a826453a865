#pragma once
// Replacing a file so that it is either the old file or the complete new one,
// never a truncated mix: the new content goes to a temporary file in the same
// folder, is flushed to the disk and then renamed over the target.

#include <string>
#include <string_view>

namespace kalvorin {

// Returns an empty text on success, else the reason (for the programmer; the
// user sees the caller's own message). A target that is a symbolic link is
// replaced at the place the link points to. The permissions of an existing
// target are kept.
std::string DateiErsetzen(const std::string& ziel, std::string_view inhalt);

// Test seam: when set, called after the temporary file has been written and
// before it is flushed and renamed; returning false makes the replacement
// fail there, as a full disk would.
using TErsetzenProbe = bool (*)(const std::string& ziel);
void SetzeErsetzenProbe(TErsetzenProbe probe);

// Creates the folder and its missing parents. True when it exists afterwards.
bool OrdnerAnlegen(const std::string& ordner);

} // namespace kalvorin
