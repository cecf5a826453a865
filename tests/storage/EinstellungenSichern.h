#pragma once
// Tests change the process-wide settings; this puts them back afterwards.

#include "storage/Einstellungen.h"

namespace kalvorin::test {

class TEinstellungenSichern {
public:
    TEinstellungenSichern() : alt_(Einstellungen()) {}
    ~TEinstellungenSichern() { Einstellungen() = alt_; }
    TEinstellungenSichern(const TEinstellungenSichern&) = delete;
    TEinstellungenSichern& operator=(const TEinstellungenSichern&) = delete;

private:
    TStandardEinstellungen alt_;
};

// "1,5" with the comma setting, "1.5" with the point: every ',' in the
// pattern stands for the decimal separator under test.
inline std::string MitTrenner(std::string muster) {
    for (char& c : muster)
        if (c == ',') c = Einstellungen().Dezimaltrenner;
    return muster;
}

} // namespace kalvorin::test
