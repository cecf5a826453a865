#include "model/StandardEinstellungen.h"

namespace kalvorin {

TStandardEinstellungen& Einstellungen() {
    static TStandardEinstellungen einstellungen;
    return einstellungen;
}

} // namespace kalvorin
