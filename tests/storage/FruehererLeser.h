#pragma once
// The document reader of an earlier version, for the tests that check what
// such a version makes of the files this one writes.

#include "model/Liste.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvorin::frueher {

enum class TFassung {
    Entwurf,     // knows the kinds 0 and 2 to 8, no spheres and circles
    ErsteKugeln, // knows spheres and circles, not the derivations beyond code 23
};

struct TGelesen {
    bool Ganz = false; // not ended by "Einlesefehler"
    // The elements not taken over as the file has them: name and reason.
    std::vector<std::pair<std::string, std::string>> Bericht;
};

// Reads the document's elements into the list (emptied first).
TGelesen FrueherLesen(std::string_view bytes, TListe& liste, TFassung fassung);

} // namespace kalvorin::frueher
