#include "storage/Felder.h"

#include "zahlen/Zahlen.h"

#include <cstdint>

namespace kalvorin {

void KeinGleitkommawert(std::string_view text) {
    throw EKonvertierungsfehler("'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
}

void KeinIntegerwert(std::string_view text) {
    throw EKonvertierungsfehler("'" + std::string(text) + "' ist kein gültiger Integerwert");
}

namespace {

int HexWert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IntegerLesen(std::string_view t, int& wert) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativ = t[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < t.size() && t[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 2 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == t.size()) return false;
    std::uint64_t betrag = 0;
    for (; i < t.size(); ++i) {
        const int z = hex ? HexWert(t[i]) : (t[i] >= '0' && t[i] <= '9' ? t[i] - '0' : -1);
        if (z < 0) return false;
        betrag = betrag * (hex ? 16 : 10) + static_cast<std::uint64_t>(z);
        if (betrag > 0xFFFFFFFFull) return false;
    }
    if (hex) {
        // Hexadecimal is a bit pattern: "$FFFFFFFF" is -1.
        auto bits = static_cast<std::uint32_t>(betrag);
        if (negativ) bits = 0u - bits;
        wert = static_cast<std::int32_t>(bits);
        return true;
    }
    const std::int64_t v =
        negativ ? -static_cast<std::int64_t>(betrag) : static_cast<std::int64_t>(betrag);
    if (v < INT32_MIN || v > INT32_MAX) return false;
    wert = static_cast<int>(v);
    return true;
}

bool IstKleinbuchstabe(std::string_view s, std::size_t i, std::size_t& laenge) {
    const auto c = static_cast<unsigned char>(s[i]);
    laenge = 1;
    if (c >= 'a' && c <= 'z') return true;
    // ä ö ü in UTF-8: C3 A4, C3 B6, C3 BC
    if (c == 0xC3 && i + 1 < s.size()) {
        const auto d = static_cast<unsigned char>(s[i + 1]);
        if (d == 0xA4 || d == 0xB6 || d == 0xBC) {
            laenge = 2;
            return true;
        }
    }
    return false;
}

std::size_t Zeichenlaenge(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80             ? 1
                    : (c & 0xE0) == 0xC0 ? 2
                    : (c & 0xF0) == 0xE0 ? 3
                    : (c & 0xF8) == 0xF0 ? 4
                                         : 1;
    // Never cut into the following character of a broken sequence.
    for (std::size_t k = 1; k < n; ++k)
        if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return k;
    return n;
}

} // namespace

std::string NextField(std::string& liste) {
    const auto strich = liste.find('|');
    if (strich == std::string::npos) {
        std::string feld = std::move(liste);
        liste.clear();
        return feld;
    }
    std::string feld = liste.substr(0, strich);
    liste.erase(0, strich + 1);
    return feld;
}

std::string ColorToField(TFarbe farbe) {
    return std::to_string(Rot(farbe)) + "|" + std::to_string(Gruen(farbe)) + "|" +
           std::to_string(Blau(farbe));
}

TFarbe FieldToColor(const std::string& text) {
    std::string liste = text;
    int teil[3];
    for (int& t : teil) {
        t = FieldToInt(NextField(liste));
        t = t < 0 ? 0 : (t > 255 ? 255 : t);
    }
    return RGB(teil[0], teil[1], teil[2]);
}

std::string RealToField(Real x) {
    return FormatGeneral(x, 15);
}

Real FieldToReal(const std::string& text) {
    Real w = 0;
    if (!TextZuReal(text, ",.", w)) KeinGleitkommawert(text);
    return w;
}

int FieldToInt(const std::string& text) {
    int w = 0;
    if (!IntegerLesen(text, w)) KeinIntegerwert(text);
    return w;
}

int IntegerAusText(std::string_view text, int vorgabe) {
    int w = 0;
    return IntegerLesen(text, w) ? w : vorgabe;
}

std::string TripelToFields(const TTripel& t) {
    return RealToField(t.x) + "|" + RealToField(t.y) + "|" + RealToField(t.z);
}

TTripel FieldsToTripel(std::string& liste) {
    TTripel t;
    t.x = FieldToReal(NextField(liste));
    t.y = FieldToReal(NextField(liste));
    t.z = FieldToReal(NextField(liste));
    return t;
}

std::pair<Real, Real> FieldsToPair(std::string& liste) {
    const Real a = FieldToReal(NextField(liste));
    const Real b = FieldToReal(NextField(liste));
    return {a, b};
}

int FirstFieldToInt(const std::string& text) {
    std::string liste = text;
    return FieldToInt(NextField(liste));
}

std::string EscapeName(std::string_view name) {
    std::string t;
    t.reserve(name.size() * 2);
    for (std::size_t i = 0; i < name.size();) {
        std::size_t n = 1;
        // "@" itself is doubled: otherwise "a@B" would get the section
        // "@a@B", which the case-blind file takes for "ab"'s "@a@b", and
        // "a@b" would read back as "ab".
        if (IstKleinbuchstabe(name, i, n) || name[i] == '@')
            t += '@';
        else
            n = Zeichenlaenge(name, i);
        t.append(name.substr(i, n));
        i += n;
    }
    return t;
}

std::string UnescapeName(std::string_view sektion) {
    std::string t;
    t.reserve(sektion.size());
    for (std::size_t i = 0; i < sektion.size();) {
        if (sektion[i] == '@') {
            ++i;
            if (i == sektion.size()) break;
            const char c = sektion[i];
            if (c >= 'A' && c <= 'Z') {
                t += static_cast<char>(c - 'A' + 'a');
                ++i;
                continue;
            }
        }
        const std::size_t n = Zeichenlaenge(sektion, i);
        t.append(sektion.substr(i, n));
        i += n;
    }
    return t;
}

} // namespace kalvorin
