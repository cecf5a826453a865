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

std::string DateiErsetzen(const std::string& zielName, std::string_view inhalt) {
    const std::string ziel = EchtesZiel(zielName);
    const std::string ordner = Ordner(ziel);

    std::string vorlage = ziel + ".XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0) return Fehlertext("mkstemp");
    const std::string temp = vorlage;

    auto aufgeben = [&](std::string grund) {
        ::close(fd);
        ::unlink(temp.c_str());
        return grund;
    };

    mode_t modus = 0;
    struct stat st {};
    if (::stat(ziel.c_str(), &st) == 0) {
        modus = st.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    if (::fchmod(fd, modus) != 0) return aufgeben(Fehlertext("fchmod"));
    if (!AllesSchreiben(fd, inhalt)) return aufgeben(Fehlertext("write"));
    if (probe && !probe(zielName)) {
        errno = ENOSPC;
        return aufgeben(Fehlertext("probe"));
    }
    if (::fsync(fd) != 0) return aufgeben(Fehlertext("fsync"));
    if (::close(fd) != 0) {
        const std::string grund = Fehlertext("close");
        ::unlink(temp.c_str());
        return grund;
    }
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        const std::string grund = Fehlertext("rename");
        ::unlink(temp.c_str());
        return grund;
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
