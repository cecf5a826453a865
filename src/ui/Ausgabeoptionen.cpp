#include "ui/Ausgabeoptionen.h"

namespace kalvorin {

TAusgabeoptionen& Ausgabeoptionen() {
    static TAusgabeoptionen optionen;
    return optionen;
}

} // namespace kalvorin
