#include "document/Dateiregeln.h"

#include "document/Dokument.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/Felder.h"

namespace kalvorin {

std::string DateinameOhneOrdner(const std::string& datei) {
    const std::size_t strich = datei.rfind('/');
    return strich == std::string::npos ? datei : datei.substr(strich + 1);
}

std::string MitKvrEndung(const std::string& datei) {
    const std::string name = DateinameOhneOrdner(datei);
    const std::size_t punkt = name.rfind('.');
    // A leading dot belongs to the name of a hidden file, not to an extension.
    const std::string stamm =
        punkt != std::string::npos && punkt > 0 ? name.substr(0, punkt) : name;
    return datei.substr(0, datei.size() - name.size()) + stamm + ".kvr";
}

std::string SpeicherDatei(const TDokument& d) {
    const std::string& name = d.Dateiname();
    if (name.empty() || name.rfind("neu", 0) == 0 || d.Schreibgeschuetzt()) return {};
    return MitKvrEndung(name);
}

std::string SpeichernUnterVorschlag(const TDokument& d) {
    const std::string kurz = DateinameOhneOrdner(d.Dateiname());
    return kurz.empty() || kurz.rfind("neu", 0) == 0 ? "*.KVR" : kurz;
}

std::string Fensterbeschriftung(const TDokument& d, int ordinal) {
    if (d.Dateiname().empty()) return "neu" + std::to_string(ordinal) + ".kvr";
    return DateinameOhneOrdner(d.Dateiname()) +
           (d.Schreibgeschuetzt() ? " (schreibgeschützt)" : "");
}

std::string SpeicherFehler(std::string_view name) {
    if (name.empty()) return {};
    const std::string n(name);
    if (n.find(' ') != std::string::npos)
        return "Der Name \"" + n +
               "\" enthält Leerzeichen; so kann er in der Datei nicht "
               "gespeichert werden.";
    if (std::string fehler = dokument::NamensFehler(name); !fehler.empty()) return fehler;
    const std::string sektion = dokument::Sektionsform(EscapeName(name));
    for (const char* eigen : {dokument::Version, dokument::Achsen, dokument::Ebenen})
        if (sektion == dokument::Sektionsform(eigen))
            return "Der Name " + n +
                   " kann nicht gespeichert werden, da er in der Datei schon für "
                   "einen anderen Abschnitt steht.";
    return {};
}

} // namespace kalvorin
