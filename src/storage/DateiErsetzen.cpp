#include "storage/DateiErsetzen.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvorin {

namespace {

TErsetzenProbe probe = nullptr;

// What the temporary files of a target are called after the target's name.
constexpr std::string_view TempEndung = ".kalvorin-";
constexpr std::size_t TempZufall = 6; // the X of mkstemp

// The causes and their sentences; the first row stands for every cause
// without one of its own.
struct TUrsache {
    TSchreibfehler Fehler;
    std::string_view Satz;
};
constexpr TUrsache Ursachen[] = {
    {TSchreibfehler::Sonstiges, "Eventuell ist der Datenträger schreibgeschützt."},
    {TSchreibfehler::Schreibgeschuetzt,
     "Die Datei ist schreibgeschützt und wird nicht überschrieben."},
    {TSchreibfehler::KeineDatei,
     "Unter diesem Namen steht keine gewöhnliche Datei, sondern ein Gerät oder eine "
     "Verbindung zwischen Programmen; sie wird nicht überschrieben."},
    {TSchreibfehler::Ordner, "Unter diesem Namen steht ein Ordner."},
    {TSchreibfehler::Voll, "Auf dem Datenträger ist nicht genug Platz frei."},
    {TSchreibfehler::KeineBerechtigung,
     "Sie haben keine Berechtigung, in diesem Ordner zu schreiben."},
    {TSchreibfehler::NurLesen, "Der Datenträger ist schreibgeschützt; er kann nur gelesen werden."},
    {TSchreibfehler::OrdnerFehlt, "Den Ordner gibt es nicht."},
};

// What was to be written, as the message's first sentence says it.
struct TAusgabeSatz {
    TAusgabe Was;
    std::string_view Vorsatz;
};
constexpr TAusgabeSatz Ausgaben[] = {
    {TAusgabe::Dokument, "Kalvorin kann diese Datei weder speichern noch erstellen."},
    {TAusgabe::Grafik, "Die Grafik kann nicht gespeichert werden."},
    {TAusgabe::Arbeitsblatt, "Das Arbeitsblatt kann nicht gespeichert werden."},
    {TAusgabe::Loesungsweg, "Der Lösungsweg kann nicht gespeichert werden."},
};

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
    std::string_view satz = Ursachen[0].Satz; // Sonstiges
    for (const TUrsache& u : Ursachen)
        if (u.Fehler == fehler) satz = u.Satz;
    return std::string(satz) + " (" + datei + ")";
}

std::string Schreibmeldung(TAusgabe was, TSchreibfehler fehler, const std::string& datei) {
    std::string_view vorsatz = Ausgaben[0].Vorsatz;
    for (const TAusgabeSatz& a : Ausgaben)
        if (a.Was == was) vorsatz = a.Vorsatz;
    return std::string(vorsatz) + "\r\n" + SchreibfehlerText(fehler, datei);
}

std::string AusgabeSchreiben(TAusgabe was, const std::string& datei, std::string_view inhalt) {
    const TErsetzenErgebnis e = DateiErsetzenMitGrund(datei, inhalt);
    return e.Fehler == TSchreibfehler::Keiner ? std::string()
                                              : Schreibmeldung(was, e.Fehler, datei);
}

std::string TemporaererName(const std::string& ziel) {
    const auto p = ziel.rfind('/');
    const std::string ordner = p == std::string::npos ? std::string() : ziel.substr(0, p + 1);
    return ordner + "." + ziel.substr(p == std::string::npos ? 0 : p + 1) + std::string(TempEndung);
}

std::string ZielDesTemporaeren(std::string_view name) {
    const std::size_t schwanz = TempEndung.size() + TempZufall;
    if (name.size() <= 1 + schwanz || name[0] != '.' ||
        name.substr(name.size() - schwanz, TempEndung.size()) != TempEndung)
        return {};
    return std::string(name.substr(1, name.size() - 1 - schwanz));
}

namespace {

// Removes the temporary files of the target that no process holds locked:
// left by a program killed between writing and renaming.
void VerwaisteEntfernen(const std::string& ziel) {
    const std::string anfang = TemporaererName(ziel);
    const auto strich = anfang.rfind('/');
    const std::string ordner =
        strich == std::string::npos ? std::string() : anfang.substr(0, strich + 1);
    const std::string praefix = anfang.substr(ordner.size());
    DIR* d = ::opendir(ordner.empty() ? "." : ordner.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        if (name.size() != praefix.size() + TempZufall || !name.starts_with(praefix)) continue;
        const std::string pfad = ordner + std::string(name);
        const int fd = ::open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(pfad.c_str());
        ::close(fd);
    }
    ::closedir(d);
}

// A new temporary file for the target, locked until the returned file
// descriptors are closed, so that no other replacement takes it for an
// orphan; -1 with errno set when none can be made.
int TemporaereDatei(const std::string& ziel, std::string& name) {
    for (int versuch = 0; versuch < 3; ++versuch) {
        std::string vorlage = TemporaererName(ziel) + std::string(TempZufall, 'X');
        const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        name = vorlage;
        // A file system without locks: the file is written unlocked.
        if (::flock(fd, LOCK_EX) != 0) return fd;
        // Another replacement may have taken it for an orphan before the
        // lock: then it is gone, and another is made.
        struct stat offen {
        }, benannt{};
        if (::fstat(fd, &offen) == 0 && ::stat(vorlage.c_str(), &benannt) == 0 &&
            offen.st_ino == benannt.st_ino && offen.st_dev == benannt.st_dev)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

mode_t NeuerModus(const std::string& ziel, int modusNeu) {
    struct stat st {};
    if (::stat(ziel.c_str(), &st) == 0) return st.st_mode & 07777;
    if (modusNeu >= 0) return static_cast<mode_t>(modusNeu) & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

} // namespace

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

    VerwaisteEntfernen(ziel);
    std::string temp;
    const int fd = TemporaereDatei(ziel, temp);
    if (fd < 0) return fehlschlag("mkstemp");
    // Holds the lock after fd is closed (its close reports late write
    // errors), until the file has its final name.
    const int halter = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    const auto freigeben = [&] {
        if (halter >= 0) ::close(halter);
    };
    auto aufgeben = [&](const char* schritt) {
        TErsetzenErgebnis e = fehlschlag(schritt);
        ::close(fd);
        ::unlink(temp.c_str());
        freigeben();
        return e;
    };

    if (::fchmod(fd, NeuerModus(ziel, modusNeu)) != 0) return aufgeben("fchmod");
    if (!AllesSchreiben(fd, inhalt)) return aufgeben("write");
    if (probe && !probe(zielName)) {
        errno = ENOSPC;
        return aufgeben("probe");
    }
    if (::fsync(fd) != 0) return aufgeben("fsync");
    if (::close(fd) != 0) {
        TErsetzenErgebnis e = fehlschlag("close");
        ::unlink(temp.c_str());
        freigeben();
        return e;
    }
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        TErsetzenErgebnis e = fehlschlag("rename");
        ::unlink(temp.c_str());
        freigeben();
        return e;
    }
    freigeben();
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
