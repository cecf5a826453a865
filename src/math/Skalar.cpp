#include "math/Skalar.h"

#include "math/Gleitkommatext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace kalvorin {

Real Maximum(Real a, Real b) {
    return a > b ? a : b;
}
Real Minimum(Real a, Real b) {
    return a < b ? a : b;
}
int Maximum(int a, int b) {
    return a > b ? a : b;
}
int Minimum(int a, int b) {
    return a < b ? a : b;
}

Real Begrenzen(Real v, Real lo, Real hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}
int Begrenzen(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

Real Ln10() {
    static const Real wert = std::log(10.0L);
    return wert;
}

Real EinsDurchLn10() {
    static const Real wert = 1 / Ln10();
    return wert;
}

Real DekLogarithmus(Real x) {
    return x > 0 ? std::log10(x) : -1e30L;
}

Real Zehnhoch(Real x) {
    return std::exp(x * Ln10());
}

int Vorzeichen(Real x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

Real TextZuZahl(const std::string& s, char dezimaltrenner) {
    std::string t = s.substr(0, 80);
    // strtold reads the C locale's '.', so the user's separator is turned into it.
    for (char& c : t)
        if (c == dezimaltrenner)
            c = '.';
        else if (c == '.' && dezimaltrenner != '.')
            throw std::invalid_argument(s);
    std::size_t a = 0, e = t.size();
    while (a < e && t[a] == ' ')
        ++a;
    while (e > a && t[e - 1] == ' ')
        --e;
    t = t.substr(a, e - a);
    if (t.empty()) throw std::invalid_argument(s);
    // Hex floats, "inf" and "nan" are no numbers for our users.
    for (char c : t)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
              c == 'e' || c == 'E'))
            throw std::invalid_argument(s);
    // from_chars reads '.' whatever the process locale says (Qt sets the
    // user's locale, under which strtold would expect a comma).
    const char* a0 = t.c_str() + (t[0] == '+' ? 1 : 0);
    Real w = 0;
    const auto [ende, fehler] = GleitkommaLesen(a0, t.c_str() + t.size(), w);
    if (ende != t.c_str() + t.size() || fehler != std::errc()) throw std::invalid_argument(s);
    return w;
}

namespace {
std::string MitTrenner(std::string t, char dezimaltrenner) {
    for (char& c : t)
        if (c == '.') c = dezimaltrenner;
    return t;
}
} // namespace

std::string ZahlZuText(Real x, char dezimaltrenner) {
    char puffer[96];
    const auto r =
        GleitkommaSchreiben(puffer, puffer + sizeof puffer, x, std::chars_format::general, 6);
    return MitTrenner(std::string(puffer, r.ptr).substr(0, 80), dezimaltrenner);
}

std::string GerundeterText(Real x, int n, char dezimaltrenner) {
    const Real f = std::pow(10.0L, n);
    std::string t = ZahlZuText(std::round(x * f) / f, '.');
    const auto punkt = t.find('.');
    // Exponent forms keep their exponent; only plain decimals are cut.
    if (punkt != std::string::npos && t.find('e') == std::string::npos && t.size() - punkt > 3)
        t.resize(punkt + 3);
    return MitTrenner(t.substr(0, 20), dezimaltrenner);
}

} // namespace kalvorin
