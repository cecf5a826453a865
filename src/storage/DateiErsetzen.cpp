#include "storage/DateiErsetzen.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvorin {

namespace {

TErsetzenProbe probe = nullptr;

std::string Fehlertext(const char* schritt) {
    return std::string(schritt) + ": " + std::strerror(errno);
}

std::string Ordner(const std::string& pfad) {
    const auto p = pfad.rfind('/');
    if (p == std::string::npos) return ".";
    return p == 0 ? "/" : pfad.substr(0, p);
}

bool AllesSchreiben(int fd, std::string_view inhalt) {
    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file the data really belongs to: a link is followed to its target.
std::string EchtesZiel(const std::string& ziel) {
    struct stat st {};
    if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return ziel;
    char puffer[PATH_MAX];
    if (::realpath(ziel.c_str(), puffer)) return puffer;
    return ziel; // a dangling link is replaced by the file itself
}

} // namespace

void SetzeErsetzenProbe(TErsetzenProbe p) {
    probe = p;
}

TSchreibfehler SchreibfehlerAusErrno(int fehler) {
    switch (fehler) {
    case 0:
        return TSchreibfehler::Keiner;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return TSchreibfehler::Voll;
    case EACCES:
    case EPERM:
        return TSchreibfehler::KeineBerechtigung;
    case EROFS:
        return TSchreibfehler::NurLesen;
    case EISDIR:
        return TSchreibfehler::Ordner;
    case ENOENT:
    case ENOTDIR:
        return TSchreibfehler::OrdnerFehlt;
    default:
        return TSchreibfehler::Sonstiges;
    }
}

TSchreibfehler ZielPruefen(const std::string& ziel) {
    struct stat st {};
    if (::stat(ziel.c_str(), &st) != 0) return TSchreibfehler::Keiner; // a new file
    if (S_ISDIR(st.st_mode)) return TSchreibfehler::Ordner;
    if (!S_ISREG(st.st_mode)) return TSchreibfehler::KeineDatei;
    if (::access(ziel.c_str(), W_OK) != 0)
        return errno == EROFS ? TSchreibfehler::NurLesen : TSchreibfehler::Schreibgeschuetzt;
    if ((st.st_mode & 0222) == 0) return TSchreibfehler::Schreibgeschuetzt;
    return TSchreibfehler::Keiner;
}

std::string SchreibfehlerText(TSchreibfehler fehler, const std::string& datei) {
    const char* satz = "Eventuell ist der Datenträger schreibgeschützt.";
    switch (fehler) {
    case TSchreibfehler::Schreibgeschuetzt:
        satz = "Die Datei ist schreibgeschützt und wird nicht überschrieben.";
        break;
    case TSchreibfehler::KeineDatei:
        satz = "Unter diesem Namen steht keine gewöhnliche Datei, sondern ein Gerät oder eine "
               "Verbindung zwischen Programmen; sie wird nicht überschrieben.";
        break;
    case TSchreibfehler::Ordner:
        satz = "Unter diesem Namen steht ein Ordner.";
        break;
    case TSchreibfehler::Voll:
        satz = "Auf dem Datenträger ist nicht genug Platz frei.";
        break;
    case TSchreibfehler::KeineBerechtigung:
        satz = "Sie haben keine Berechtigung, in diesem Ordner zu schreiben.";
        break;
    case TSchreibfehler::NurLesen:
        satz = "Der Datenträger ist schreibgeschützt; er kann nur gelesen werden.";
        break;
    case TSchreibfehler::OrdnerFehlt:
        satz = "Den Ordner gibt es nicht.";
        break;
    case TSchreibfehler::Keiner:
    case TSchreibfehler::Sonstiges:
        break;
    }
    return std::string(satz) + " (" + datei + ")";
}

TErsetzenErgebnis DateiErsetzenMitGrund(const std::string& zielName, std::string_view inhalt,
                                        int modusNeu) {
    const std::string ziel = EchtesZiel(zielName);
    const std::string ordner = Ordner(ziel);
    const auto fehlschlag = [](const char* schritt) {
        const int nummer = errno;
        return TErsetzenErgebnis{SchreibfehlerAusErrno(nummer), Fehlertext(schritt)};
    };

    if (const TSchreibfehler f = ZielPruefen(ziel); f != TSchreibfehler::Keiner)
        return {f, "target refused: " + ziel};

    std::string vorlage = ziel + ".XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0) return fehlschlag("mkstemp");
    const std::string temp = vorlage;

    auto aufgeben = [&](const char* schritt) {
        TErsetzenErgebnis e = fehlschlag(schritt);
        ::close(fd);
        ::unlink(temp.c_str());
        return e;
    };

    mode_t modus = 0;
    struct stat st {};
    if (::stat(ziel.c_str(), &st) == 0) {
        modus = st.st_mode & 07777;
    } else if (modusNeu >= 0) {
        modus = static_cast<mode_t>(modusNeu) & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    if (::fchmod(fd, modus) != 0) return aufgeben("fchmod");
    if (!AllesSchreiben(fd, inhalt)) return aufgeben("write");
    if (probe && !probe(zielName)) {
        errno = ENOSPC;
        return aufgeben("probe");
    }
    if (::fsync(fd) != 0) return aufgeben("fsync");
    if (::close(fd) != 0) {
        TErsetzenErgebnis e = fehlschlag("close");
        ::unlink(temp.c_str());
        return e;
    }
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        TErsetzenErgebnis e = fehlschlag("rename");
        ::unlink(temp.c_str());
        return e;
    }
    // The rename itself must reach the disk too; a failure here leaves a
    // complete file either way, so it is not reported.
    const int dfd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return {};
}

std::string DateiErsetzen(const std::string& ziel, std::string_view inhalt) {
    return DateiErsetzenMitGrund(ziel, inhalt).Grund;
}

bool OrdnerAnlegen(const std::string& ordner) {
    if (ordner.empty()) return false;
    std::string teil;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = ordner.find('/', pos + 1);
        teil = ordner.substr(0, pos);
        if (teil.empty() || teil == "/") continue;
        if (::mkdir(teil.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return ::stat(ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace kalvorin
