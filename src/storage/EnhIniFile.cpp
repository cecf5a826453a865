#include "storage/EnhIniFile.h"

#include "storage/Cp1252.h"
#include "storage/DateiErsetzen.h"
#include "storage/Felder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvorin {

namespace {

enum class TLesestand { Gelesen, Fehlt, Unlesbar };

// Only regular files are read: a FIFO or a device would block or never end.
TLesestand DateiLesen(const std::string& name, std::string& bytes) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? TLesestand::Fehlt : TLesestand::Unlesbar;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return TLesestand::Unlesbar;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return TLesestand::Unlesbar;
        }
        bytes.append(puffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return TLesestand::Gelesen;
}

} // namespace

EIniSchreibfehler::EIniSchreibfehler(const std::string& datei, TSchreibfehler ursache)
    : std::runtime_error("nach " + datei + " kann nicht geschrieben werden"), Ursache(ursache) {}

EIniLesefehler::EIniLesefehler(const std::string& datei)
    : std::runtime_error(datei + " kann nicht gelesen werden") {}

TEnhIniFile::TEnhIniFile(std::string dateiname) : dateiname_(std::move(dateiname)) {
    std::string bytes;
    switch (DateiLesen(dateiname_, bytes)) {
    case TLesestand::Gelesen:
        BytesLaden(std::move(bytes));
        break;
    case TLesestand::Fehlt:
        break;
    case TLesestand::Unlesbar:
        unlesbar_ = true;
        break;
    }
}

TEnhIniFile::TEnhIniFile(TImSpeicher inhalt) : imSpeicher_(true) {
    BytesLaden(std::string(inhalt.Bytes));
}

void TEnhIniFile::BytesLaden(std::string bytes) {
    // Editors on Windows mark UTF-8 files with a byte-order mark; such a
    // file is UTF-8 throughout, not Windows-1252.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes = Utf8ZuCp1252(bytes.substr(3));
    inhalt_.Laden(bytes);
    hatInhalt_ = true;
}

TEnhIniFile::~TEnhIniFile() {
    try {
        UpdateFile();
    } catch (...) {
        // Nothing can be reported from here; see UpdateFile.
    }
}

std::string TEnhIniFile::ReadString(const std::string& sektion, const std::string& schluessel,
                                    const std::string& vorgabe) const {
    const auto wert = inhalt_.Lesen(Utf8ZuCp1252(sektion), Utf8ZuCp1252(schluessel));
    return wert ? Cp1252ZuUtf8(*wert) : vorgabe;
}

void TEnhIniFile::WriteString(const std::string& sektion, const std::string& schluessel,
                              const std::string& wert) {
    inhalt_.Schreiben(Utf8ZuCp1252(sektion), Utf8ZuCp1252(schluessel), Utf8ZuCp1252(wert));
    geaendert_ = true;
    hatInhalt_ = true;
}

int TEnhIniFile::ReadInteger(const std::string& sektion, const std::string& schluessel,
                             int vorgabe) const {
    const auto wert = inhalt_.Lesen(Utf8ZuCp1252(sektion), Utf8ZuCp1252(schluessel));
    return wert ? IntegerAusText(*wert, vorgabe) : vorgabe;
}

void TEnhIniFile::WriteInteger(const std::string& sektion, const std::string& schluessel,
                               int wert) {
    WriteString(sektion, schluessel, std::to_string(wert));
}

bool TEnhIniFile::ReadBool(const std::string& sektion, const std::string& schluessel,
                           bool vorgabe) const {
    return ReadInteger(sektion, schluessel, vorgabe ? 1 : 0) != 0;
}

void TEnhIniFile::WriteBool(const std::string& sektion, const std::string& schluessel, bool wert) {
    WriteString(sektion, schluessel, wert ? "1" : "0");
}

void TEnhIniFile::WriteBoolIfTrue(const std::string& sektion, const std::string& schluessel,
                                  bool wert) {
    if (wert) WriteString(sektion, schluessel, "1");
}

bool TEnhIniFile::ValueExists(const std::string& sektion, const std::string& schluessel) const {
    return inhalt_.Lesen(Utf8ZuCp1252(sektion), Utf8ZuCp1252(schluessel)).has_value();
}

void TEnhIniFile::ReadSectionNames(std::vector<std::string>& liste) const {
    liste.clear();
    if (!hatInhalt_) throw EIniLesefehler(dateiname_);
    for (const std::string& name : inhalt_.Sektionsnamen())
        liste.push_back(Cp1252ZuUtf8(name));
}

void TEnhIniFile::Clear() {
    inhalt_.Leeren();
    unlesbar_ = false;
    geaendert_ = true;
    hatInhalt_ = true;
}

void TEnhIniFile::UpdateFile() {
    if (!geaendert_ || imSpeicher_) return;
    if (unlesbar_) {
        // Writing would lose what the file holds.
        const TSchreibfehler f = ZielPruefen(dateiname_);
        throw EIniSchreibfehler(dateiname_,
                                f == TSchreibfehler::Keiner ? TSchreibfehler::Sonstiges : f);
    }
    if (const TErsetzenErgebnis e = DateiErsetzenMitGrund(dateiname_, inhalt_.Text(), neuModus_);
        e.Fehler != TSchreibfehler::Keiner)
        throw EIniSchreibfehler(dateiname_, e.Fehler);
    geaendert_ = false;
}

} // namespace kalvorin
