#pragma once
// Process-wide options of the graphic output, shared by every view.

namespace kalvorin {

struct TAusgabeoptionen {
    // "Mit Sphäre zeichnen": the dotted outline of the rotation sphere.
    bool MitSphaere = false;
};

TAusgabeoptionen& Ausgabeoptionen();

} // namespace kalvorin
