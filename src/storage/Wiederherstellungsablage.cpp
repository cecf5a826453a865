#include "storage/Wiederherstellungsablage.h"

#include "storage/DateiErsetzen.h"
#include "storage/Dokumentdatei.h"
#include "storage/DokumentdateiFormat.h"
#include "storage/EnhIniFile.h"
#include "storage/IniInhalt.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <random>
#include <set>
#include <tuple>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvorin {

namespace {

constexpr const char* VermerkSektion = "Wiederherstellung";
constexpr const char* SperrEndung = ".sperre";
constexpr const char* KopieEndung = ".kvr";
constexpr const char* VermerkEndung = ".vermerk";
// A record is a few lines; anything larger is not one of ours.
constexpr std::int64_t GroessterVermerk = 64 * 1024;

// The private folder is made for this user alone, as the state folders are.
bool PrivatenOrdnerAnlegen(const std::string& ordner) {
    if (ordner.empty() || ordner[0] != '/') return false;
    for (std::size_t pos = ordner.find('/', 1);; pos = ordner.find('/', pos + 1)) {
        const std::string teil = ordner.substr(0, pos);
        if (!teil.empty() && ::mkdir(teil.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (pos == std::string::npos) break;
    }
    struct stat st {};
    return ::stat(ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string NeueGruppe() {
    std::random_device zufall;
    const unsigned wert = zufall();
    static const char ziffern[] = "0123456789abcdef";
    std::string hex;
    for (int i = 7; i >= 0; --i)
        hex += ziffern[(wert >> (4 * i)) & 0xF];
    return "k" + std::to_string(::getpid()) + "_" + hex;
}

bool IstGruppenzeichen(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

enum class TDateiart { Sperre, Sperrvorlage, Kopie, Vermerk, Zwischendatei };

struct TDateiname {
    std::string Gruppe;
    int Platz = 0;
    TDateiart Art = TDateiart::Kopie;
};

// What a name in the folder is, if it is one of this program's.
bool NamenZerlegen(const std::string& name, TDateiname& teile) {
    // The replacement's temporary file of a copy or a note.
    if (const std::string ziel = ZielDesTemporaeren(name); !ziel.empty()) {
        if (!NamenZerlegen(ziel, teile) ||
            (teile.Art != TDateiart::Kopie && teile.Art != TDateiart::Vermerk))
            return false;
        teile.Art = TDateiart::Zwischendatei;
        return true;
    }
    std::size_t i = name.size() > 0 && name[0] == '.' ? 1 : 0;
    const std::size_t anfang = i;
    while (i < name.size() && IstGruppenzeichen(name[i]) && i - anfang < 64)
        ++i;
    if (i == anfang || name[anfang] == '_') return false;
    teile.Gruppe = name.substr(anfang, i - anfang);
    const std::string rest = name.substr(i);
    if (rest == SperrEndung) {
        teile.Art = anfang == 1 ? TDateiart::Sperrvorlage : TDateiart::Sperre;
        return true;
    }
    if (anfang == 1 || rest.size() < 2 || rest[0] != '-') return false;
    std::size_t j = 1;
    while (j < rest.size() && j <= 9 && rest[j] >= '0' && rest[j] <= '9')
        ++j;
    if (j == 1 || std::from_chars(rest.data() + 1, rest.data() + j, teile.Platz).ec != std::errc())
        return false;
    const std::string endung = rest.substr(j);
    for (const auto& [art, e] : {std::pair{TDateiart::Kopie, std::string_view(KopieEndung)},
                                 std::pair{TDateiart::Vermerk, std::string_view(VermerkEndung)}}) {
        if (endung == e) {
            teile.Art = art;
            return true;
        }
        // Earlier versions of the replacement wrote beside the target,
        // under its name and six more characters.
        if (endung.size() == e.size() + 7 && endung.compare(0, e.size(), e) == 0 &&
            endung[e.size()] == '.') {
            teile.Art = TDateiart::Zwischendatei;
            return true;
        }
    }
    return false;
}

std::vector<std::string> Eintraege(const std::string& ordner) {
    std::vector<std::string> namen;
    DIR* d = ::opendir(ordner.c_str());
    if (!d) return namen;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") namen.push_back(name);
    }
    ::closedir(d);
    std::sort(namen.begin(), namen.end());
    return namen;
}

// The lock of a group, when no running program holds it; -1 otherwise.
int SperreNehmen(const std::string& datei, bool anlegen) {
    const int fd =
        ::open(datei.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (anlegen ? O_CREAT : 0), 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool KleineDateiLesen(const std::string& datei, std::int64_t hoechstens, std::string& inhalt) {
    const int fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > hoechstens) {
        ::close(fd);
        return false;
    }
    inhalt.clear();
    char puffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || static_cast<std::int64_t>(inhalt.size()) + n > hoechstens) {
            ::close(fd);
            return false;
        }
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

// Only a plain file of a size a document can have goes to the reader.
bool KopieLesbar(const std::string& datei) {
    struct stat st {};
    if (::lstat(datei.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > TWiederherstellungsablage::GroessteKopie)
        return false;
    // Every copy this program writes names the program; any text without
    // it would read as an empty document.
    if (TEnhIniFile(datei).ReadString(dokument::Version, "VersName", "") != dokument::VersName)
        return false;
    const TMeldungenSammeln leise;
    TListe liste;
    TKoordinatensystem ks;
    TRollenMenge rollen = 0;
    bool ganz = false;
    return DokumentLesen(datei, liste, ks, rollen, false, &ganz) && ganz;
}

// Gone afterwards, or never there.
bool Loeschen(const std::string& datei) {
    return ::unlink(datei.c_str()) == 0 || errno == ENOENT;
}

std::string Dateiteil(const std::string& pfad) {
    const auto strich = pfad.rfind('/');
    return strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

// Moves the file into the folder under a name not taken there yet.
std::string Verschieben(const std::string& datei, const std::string& ordner) {
    const std::string name = Dateiteil(datei);
    for (int n = 0; n < 1000; ++n) {
        const std::string ziel = ordner + "/" + name + (n == 0 ? "" : "." + std::to_string(n));
        struct stat st {};
        if (::lstat(ziel.c_str(), &st) == 0) continue;
        return ::rename(datei.c_str(), ziel.c_str()) == 0 ? ziel : std::string();
    }
    return {};
}

} // namespace

std::string StandardWiederherstellungsordner() {
    std::string basis;
    // Relative values are to be ignored, as the XDG rules say.
    if (const char* x = std::getenv("XDG_STATE_HOME"); x && x[0] == '/') {
        basis = x;
    } else if (const char* h = std::getenv("HOME"); h && h[0] == '/') {
        basis = std::string(h) + "/.local/state";
    } else if (const passwd* pw = ::getpwuid(::getuid());
               pw && pw->pw_dir && pw->pw_dir[0] == '/') {
        basis = std::string(pw->pw_dir) + "/.local/state";
    } else {
        basis = "/tmp";
    }
    while (basis.size() > 1 && basis.back() == '/')
        basis.pop_back();
    return basis + "/Kalvorin/Wiederherstellung";
}

// ---------------------------------------------------------------------------
// Collected messages

TMeldungenSammeln::TMeldungenSammeln() : vorher_(&Meldungen()) {
    SetzeMeldungen(this);
}

TMeldungenSammeln::~TMeldungenSammeln() {
    SetzeMeldungen(vorher_ == this ? nullptr : vorher_);
}

void TMeldungenSammeln::Meldung(const std::string& text, TMeldungsart, const std::string&) {
    Texte.push_back(text);
}

TAntwort TMeldungenSammeln::Frage(const std::string& text, TFrageKnoepfe, const std::string&) {
    Texte.push_back(text);
    return TAntwort::Nein;
}

void TMeldungenSammeln::WarteCursor(bool) {}

// ---------------------------------------------------------------------------
// The record

std::string VermerkKodieren(const std::string& text) {
    static const char ziffern[] = "0123456789ABCDEF";
    std::string aus;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '%' || b <= 0x20 || b == 0x7F) {
            aus += '%';
            aus += ziffern[b >> 4];
            aus += ziffern[b & 0xF];
        } else {
            aus += c;
        }
    }
    return aus;
}

bool VermerkDekodieren(const std::string& text, std::string& klar) {
    const auto wert = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string aus;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b <= 0x20 || b == 0x7F) return false;
        if (b != '%') {
            aus += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const int hoch = wert(text[i + 1]);
        const int tief = wert(text[i + 2]);
        if (hoch < 0 || tief < 0) return false;
        aus += static_cast<char>(hoch * 16 + tief);
        i += 2;
    }
    klar = std::move(aus);
    return true;
}

std::string VermerkText(const TKopienvermerk& v) {
    TIniInhalt ini;
    std::string datei = VermerkKodieren(v.Dateiname);
    // A value the reader would cut would name another file: the document
    // then comes back without a name, and saving asks for one.
    if (datei.size() > TIniInhalt::MaxWertLaenge) datei.clear();
    std::string beschriftung = VermerkKodieren(v.Beschriftung);
    if (beschriftung.size() > TIniInhalt::MaxWertLaenge) beschriftung.clear();
    ini.Schreiben(VermerkSektion, "Datei", datei);
    ini.Schreiben(VermerkSektion, "Beschriftung", beschriftung);
    ini.Schreiben(VermerkSektion, "Schreibgeschuetzt", v.Schreibgeschuetzt ? "1" : "0");
    ini.Schreiben(VermerkSektion, "Zeit", std::to_string(v.Zeit));
    return ini.Text();
}

bool VermerkLesen(const std::string& text, TKopienvermerk& vermerk) {
    TIniInhalt ini;
    ini.Laden(text);
    const auto datei = ini.Lesen(VermerkSektion, "Datei");
    const auto beschriftung = ini.Lesen(VermerkSektion, "Beschriftung");
    const auto schreibgeschuetzt = ini.Lesen(VermerkSektion, "Schreibgeschuetzt");
    const auto zeit = ini.Lesen(VermerkSektion, "Zeit");
    if (!datei || !beschriftung || !schreibgeschuetzt || !zeit) return false;
    TKopienvermerk v;
    if (!VermerkDekodieren(*datei, v.Dateiname) ||
        !VermerkDekodieren(*beschriftung, v.Beschriftung))
        return false;
    if (*schreibgeschuetzt != "0" && *schreibgeschuetzt != "1") return false;
    v.Schreibgeschuetzt = *schreibgeschuetzt == "1";
    const char* ende = zeit->data() + zeit->size();
    if (const auto [p, ec] = std::from_chars(zeit->data(), ende, v.Zeit);
        zeit->empty() || ec != std::errc() || p != ende || v.Zeit < 0)
        return false;
    vermerk = std::move(v);
    return true;
}

// ---------------------------------------------------------------------------
// The folder

TWiederherstellungsablage::TWiederherstellungsablage(std::string ordner)
    : ordner_(std::move(ordner)) {
    while (ordner_.size() > 1 && ordner_.back() == '/')
        ordner_.pop_back();
    if (!PrivatenOrdnerAnlegen(ordner_)) return;
    // The lock is taken under a name no scan looks at and only then given
    // its real name, so that no other program can find the group unlocked
    // and take it for an orphan.
    for (int versuch = 0; versuch < 8 && sperre_ < 0; ++versuch) {
        const std::string gruppe = NeueGruppe();
        const std::string vorlage = ordner_ + "/." + gruppe + SperrEndung;
        const std::string sperre = ordner_ + "/" + gruppe + SperrEndung;
        const int fd = ::open(vorlage.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            ::unlink(vorlage.c_str());
            return;
        }
        bool vergeben = false;
        if (::link(vorlage.c_str(), sperre.c_str()) != 0) {
            struct stat st {};
            // Folders without hard links: rename, unless the name is taken.
            vergeben = errno == EEXIST || ::lstat(sperre.c_str(), &st) == 0 ||
                       ::rename(vorlage.c_str(), sperre.c_str()) != 0;
        }
        ::unlink(vorlage.c_str());
        if (vergeben) {
            ::close(fd);
            continue;
        }
        gruppe_ = gruppe;
        sperre_ = fd;
    }
}

TWiederherstellungsablage::~TWiederherstellungsablage() {
    VerwaisteFreigeben();
    if (sperre_ < 0) return;
    bool kopien = false;
    for (const std::string& name : Eintraege(ordner_)) {
        TDateiname teile;
        if (NamenZerlegen(name, teile) && teile.Gruppe == gruppe_ && teile.Art == TDateiart::Kopie)
            kopien = true;
    }
    // Removed while still locked: a scan that finds the group now finds it
    // empty.
    if (!kopien) ::unlink((ordner_ + "/" + gruppe_ + SperrEndung).c_str());
    ::close(sperre_);
}

std::string TWiederherstellungsablage::KopieDatei(int platz) const {
    return ordner_ + "/" + gruppe_ + "-" + std::to_string(platz) + KopieEndung;
}

std::string TWiederherstellungsablage::VermerkDatei(int platz) const {
    return ordner_ + "/" + gruppe_ + "-" + std::to_string(platz) + VermerkEndung;
}

std::string TWiederherstellungsablage::Schreiben(int platz, const TListe& liste,
                                                 const TKoordinatensystem& ks,
                                                 const TKopienvermerk& vermerk,
                                                 const TBlattfragen& fragen) {
    if (!Bereit()) return "no recovery folder or lock: " + ordner_;
    // The record first: a copy without one would come back without its
    // name, a record without a copy is merely dropped.
    // Only this user may read the copies: they hold a pupil's work.
    if (std::string fehler =
            DateiErsetzenMitGrund(VermerkDatei(platz), VermerkText(vermerk), 0600).Grund;
        !fehler.empty())
        return fehler;
    const TMeldungenSammeln leise;
    if (DokumentSchreiben(KopieDatei(platz), liste, ks, fragen, 0600)) return {};
    std::string grund = "the document writer refused";
    for (const std::string& t : leise.Texte)
        grund += ": " + t;
    return grund;
}

bool TWiederherstellungsablage::Entfernen(int platz) {
    if (!Bereit()) return true;
    const bool kopie = Loeschen(KopieDatei(platz));
    return Loeschen(VermerkDatei(platz)) && kopie;
}

std::vector<TVerwaisteKopie> TWiederherstellungsablage::VerwaisteFinden() {
    std::vector<TVerwaisteKopie> gefunden;
    const std::vector<std::string> namen = Eintraege(ordner_);
    std::set<std::string> gruppen;
    for (const std::string& name : namen) {
        TDateiname teile;
        if (!NamenZerlegen(name, teile) || teile.Gruppe == gruppe_) continue;
        if (teile.Art == TDateiart::Sperrvorlage) {
            // Left by a program that died while it took its lock.
            const std::string datei = ordner_ + "/" + name;
            if (const int fd = SperreNehmen(datei, false); fd >= 0) {
                ::unlink(datei.c_str());
                ::close(fd);
            }
            continue;
        }
        gruppen.insert(teile.Gruppe);
    }
    for (const std::string& g : gruppen) {
        if (beansprucht_.count(g)) continue;
        if (const int fd = SperreNehmen(ordner_ + "/" + g + SperrEndung, true); fd >= 0)
            beansprucht_[g] = fd;
    }

    std::map<std::pair<std::string, int>, std::string> kopien, vermerke;
    for (const std::string& name : namen) {
        TDateiname teile;
        if (!NamenZerlegen(name, teile) || !beansprucht_.count(teile.Gruppe)) continue;
        const std::string datei = ordner_ + "/" + name;
        if (teile.Art == TDateiart::Zwischendatei)
            ::unlink(datei.c_str());
        else if (teile.Art == TDateiart::Kopie)
            kopien[{teile.Gruppe, teile.Platz}] = datei;
        else if (teile.Art == TDateiart::Vermerk)
            vermerke[{teile.Gruppe, teile.Platz}] = datei;
    }
    for (const auto& [schluessel, datei] : vermerke)
        if (!kopien.count(schluessel)) ::unlink(datei.c_str());

    std::vector<std::tuple<std::int64_t, std::string, int>> reihenfolge;
    for (const auto& [schluessel, datei] : kopien) {
        TVerwaisteKopie k;
        k.Kopie = datei;
        if (const auto v = vermerke.find(schluessel); v != vermerke.end()) {
            k.Vermerk = v->second;
            std::string text;
            if (KleineDateiLesen(k.Vermerk, GroessterVermerk, text)) VermerkLesen(text, k.Angaben);
        }
        if (k.Angaben.Zeit == 0)
            if (struct stat st{}; ::lstat(datei.c_str(), &st) == 0) k.Angaben.Zeit = st.st_mtime;
        reihenfolge.emplace_back(k.Angaben.Zeit, schluessel.first, schluessel.second);
        gefunden.push_back(std::move(k));
    }
    std::vector<std::size_t> index(gefunden.size());
    for (std::size_t i = 0; i < index.size(); ++i)
        index[i] = i;
    std::sort(index.begin(), index.end(),
              [&](std::size_t a, std::size_t b) { return reihenfolge[a] < reihenfolge[b]; });
    std::vector<TVerwaisteKopie> ergebnis;
    for (std::size_t i : index) {
        if (static_cast<int>(ergebnis.size()) >= HoechstensVerwaiste) break;
        ergebnis.push_back(std::move(gefunden[i]));
        ergebnis.back().Lesbar = KopieLesbar(ergebnis.back().Kopie);
    }
    return ergebnis;
}

bool TWiederherstellungsablage::VerwaisteLoeschen(const TVerwaisteKopie& k) {
    const bool kopie = Loeschen(k.Kopie);
    return (k.Vermerk.empty() || Loeschen(k.Vermerk)) && kopie;
}

bool TWiederherstellungsablage::Veraltet(const TVerwaisteKopie& k) {
    if (k.Angaben.Dateiname.empty()) return false;
    struct stat kopie {};
    struct stat datei {};
    if (::lstat(k.Kopie.c_str(), &kopie) != 0 || ::stat(k.Angaben.Dateiname.c_str(), &datei) != 0)
        return false;
    const auto zeit = [](const timespec& t) { return std::pair{t.tv_sec, t.tv_nsec}; };
    return zeit(datei.st_mtim) > zeit(kopie.st_mtim);
}

std::string TWiederherstellungsablage::Beiseitelegen(const TVerwaisteKopie& k) {
    const std::string ordner = UnlesbarOrdner();
    if (!PrivatenOrdnerAnlegen(ordner)) return k.Kopie;
    const std::string neu = Verschieben(k.Kopie, ordner);
    if (neu.empty()) return k.Kopie;
    if (!k.Vermerk.empty()) Verschieben(k.Vermerk, ordner);
    return neu;
}

void TWiederherstellungsablage::VerwaisteFreigeben() {
    if (beansprucht_.empty()) return;
    std::set<std::string> belegt;
    for (const std::string& name : Eintraege(ordner_)) {
        TDateiname teile;
        if (NamenZerlegen(name, teile) && teile.Art != TDateiart::Sperre &&
            teile.Art != TDateiart::Sperrvorlage)
            belegt.insert(teile.Gruppe);
    }
    for (const auto& [gruppe, fd] : beansprucht_) {
        if (!belegt.count(gruppe)) ::unlink((ordner_ + "/" + gruppe + SperrEndung).c_str());
        ::close(fd);
    }
    beansprucht_.clear();
}

} // namespace kalvorin
