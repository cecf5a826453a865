#include "storage/IniInhalt.h"

namespace kalvorin {

namespace {

bool IstBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Getrimmt(std::string_view s) {
    std::size_t a = 0, e = s.size();
    while (a < e && IstBlank(s[a]))
        ++a;
    while (e > a && IstBlank(s[e - 1]))
        --e;
    return s.substr(a, e - a);
}

std::string OhneZeilenumbruch(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c == '\r' || c == '\n') c = ' ';
    return t;
}

// The text between "[" and the last "]" when the line is a header.
std::optional<std::string_view> KopfName(std::string_view zeile) {
    std::size_t a = 0;
    while (a < zeile.size() && IstBlank(zeile[a]))
        ++a;
    if (a == zeile.size() || zeile[a] != '[') return std::nullopt;
    const std::size_t e = zeile.rfind(']');
    if (e == std::string_view::npos || e <= a) return std::nullopt;
    return zeile.substr(a + 1, e - a - 1);
}

// The form in which names meet: trimmed, folded, and with line breaks as
// blanks, since a name written with one is stored with a blank instead.
std::string Namensform(std::string_view name) {
    return IniFalten(Getrimmt(OhneZeilenumbruch(name)));
}

} // namespace

std::string IniFalten(std::string_view cp1252) {
    std::string t(cp1252);
    for (char& c : t) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'A' && b <= 'Z')
            c = static_cast<char>(b + ('a' - 'A'));
        else if (b == 0xC4 || b == 0xD6 || b == 0xDC) // Ä Ö Ü
            c = static_cast<char>(b + 0x20);
    }
    return t;
}

void TIniInhalt::Leeren() {
    sektionen_.assign(1, Sektion{});
    index_.clear();
}

bool TIniInhalt::IstLeer() const {
    return sektionen_.size() == 1 && sektionen_[0].Zeilen.empty();
}

void TIniInhalt::Laden(std::string_view bytes) {
    Leeren();
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        // CR LF, LF alone and CR alone (old Mac editors) all end a line.
        std::size_t ende = bytes.find_first_of("\r\n", anfang);
        if (ende == std::string_view::npos) ende = bytes.size();
        std::size_t naechste = ende + 1;
        if (ende < bytes.size() && bytes[ende] == '\r' && naechste < bytes.size() &&
            bytes[naechste] == '\n')
            ++naechste;
        ZeileAnhaengen(bytes.substr(anfang, ende - anfang));
        anfang = naechste;
    }
}

void TIniInhalt::ZeileAnhaengen(std::string_view zeile) {
    if (const auto name = KopfName(zeile)) {
        Sektion s;
        s.Kopf = std::string(zeile);
        s.Name = std::string(Getrimmt(*name));
        index_.try_emplace(Namensform(s.Name), sektionen_.size());
        sektionen_.push_back(std::move(s));
        return;
    }
    Zeile z;
    z.Text = std::string(zeile);
    const std::size_t gleich = zeile.find('=');
    if (gleich != std::string_view::npos) {
        z.Schluessel = Namensform(zeile.substr(0, gleich));
        z.WertAnfang = gleich + 1;
    }
    sektionen_.back().Zeilen.push_back(std::move(z));
}

std::string TIniInhalt::Text() const {
    std::string t;
    std::size_t groesse = 0;
    for (const Sektion& s : sektionen_) {
        groesse += s.Kopf.size() + 2;
        for (const Zeile& z : s.Zeilen)
            groesse += z.Text.size() + 2;
    }
    t.reserve(groesse);
    for (std::size_t i = 0; i < sektionen_.size(); ++i) {
        const Sektion& s = sektionen_[i];
        if (i > 0) t.append(s.Kopf).append("\r\n");
        for (const Zeile& z : s.Zeilen)
            t.append(z.Text).append("\r\n");
    }
    return t;
}

const TIniInhalt::Sektion* TIniInhalt::Finden(std::string_view sektion) const {
    const auto it = index_.find(Namensform(sektion));
    return it == index_.end() ? nullptr : &sektionen_[it->second];
}

std::optional<std::string> TIniInhalt::Lesen(std::string_view sektion,
                                             std::string_view schluessel) const {
    const Sektion* s = Finden(sektion);
    if (!s) return std::nullopt;
    const std::string gesucht = Namensform(schluessel);
    for (const Zeile& z : s->Zeilen) {
        if (z.WertAnfang == 0 || z.Schluessel != gesucht) continue;
        const std::string_view wert = Getrimmt(std::string_view(z.Text).substr(z.WertAnfang));
        return std::string(wert.substr(0, MaxWertLaenge));
    }
    return std::nullopt;
}

void TIniInhalt::Schreiben(std::string_view sektion, std::string_view schluessel,
                           std::string_view wert) {
    const std::string name = OhneZeilenumbruch(sektion);
    const std::string schl = OhneZeilenumbruch(schluessel);
    const std::string w = OhneZeilenumbruch(wert);

    const std::string gesucht = Namensform(schl);
    const auto it = index_.find(Namensform(name));
    if (it == index_.end()) {
        Sektion s;
        s.Kopf = "[" + name + "]";
        s.Name = std::string(Getrimmt(name));
        index_.emplace(Namensform(name), sektionen_.size());
        sektionen_.push_back(std::move(s));
        Zeile z;
        z.Text = schl + "=" + w;
        z.Schluessel = gesucht;
        z.WertAnfang = schl.size() + 1;
        sektionen_.back().Zeilen.push_back(std::move(z));
        return;
    }

    Sektion& s = sektionen_[it->second];
    for (Zeile& z : s.Zeilen) {
        if (z.WertAnfang != 0 && z.Schluessel == gesucht) {
            z.Text.replace(z.WertAnfang, std::string::npos, w);
            return;
        }
    }
    std::size_t pos = s.Zeilen.size();
    while (pos > 0 && Getrimmt(s.Zeilen[pos - 1].Text).empty())
        --pos;
    Zeile z;
    z.Text = schl + "=" + w;
    z.Schluessel = gesucht;
    z.WertAnfang = schl.size() + 1;
    s.Zeilen.insert(s.Zeilen.begin() + static_cast<std::ptrdiff_t>(pos), std::move(z));
}

std::vector<std::string> TIniInhalt::Sektionsnamen() const {
    std::vector<std::string> namen;
    namen.reserve(sektionen_.size() - 1);
    for (std::size_t i = 1; i < sektionen_.size(); ++i) {
        const std::string_view roh = *KopfName(sektionen_[i].Kopf);
        if (roh.empty()) continue;
        std::string name;
        for (char c : roh)
            if (c != ' ') name += c;
        namen.push_back(std::move(name));
    }
    return namen;
}

} // namespace kalvorin
