#include "storage/Meldungsbox.h"

#include "model/Meldungen.h"

namespace kalvorin {

int ShowMessageBox(const std::string& text, const std::string& titel, int stil) {
    const int knoepfe = stil & 0x0F;
    if (knoepfe == MB_YESNO || knoepfe == MB_YESNOCANCEL || knoepfe == MB_OKCANCEL) {
        const TAntwort a = Meldungen().Frage(
            text,
            knoepfe == MB_YESNOCANCEL ? TFrageKnoepfe::JaNeinAbbrechen : TFrageKnoepfe::JaNein,
            titel);
        if (knoepfe == MB_OKCANCEL) return a == TAntwort::Ja ? IDOK : IDCANCEL;
        switch (a) {
        case TAntwort::Ja:
        case TAntwort::Ok:
            return IDYES;
        case TAntwort::Nein:
            return IDNO;
        case TAntwort::Abbrechen:
            return IDCANCEL;
        }
        return IDCANCEL;
    }
    TMeldungsart art = TMeldungsart::Information;
    switch (stil & 0xF0) {
    case MB_ICONSTOP:
        art = TMeldungsart::Fehler;
        break;
    case MB_ICONWARNING:
        art = TMeldungsart::Warnung;
        break;
    default:
        break;
    }
    Meldungen().Meldung(text, art, titel);
    return IDOK;
}

} // namespace kalvorin
