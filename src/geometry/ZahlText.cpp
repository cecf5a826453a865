#include "geometry/ZahlText.h"

#include "storage/Einstellungen.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kalvorin {

namespace {

// General format with p significant digits: fixed-point while the value has
// at most p digits before the separator and is 0 or at least 0.0001 in
// magnitude, else mantissa, "E" and exponent; trailing zeros dropped.
std::string Allgemein(Real x, int p, char trenner) {
    p = p < 2 ? 2 : (p > 18 ? 18 : p);
    char puffer[64];
    // Rounded to p significant digits first; the exponent of the rounded
    // value decides the notation.
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, p - 1);
    if (fehler != std::errc{})
        return "?";
    std::string text(puffer, ende);
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string ziffern;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            ziffern += text[i];
    const bool negativ = text[0] == '-';
    const bool null = ziffern.find_first_not_of('0') == std::string::npos;
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    std::string ergebnis = negativ && !null ? "-" : "";
    if (null)
        return "0";
    if (exponent < p && exponent >= -4) {
        if (exponent < 0) {
            ergebnis += "0";
            ergebnis += trenner;
            ergebnis += std::string(static_cast<std::size_t>(-exponent - 1), '0') + ziffern;
        } else {
            const std::size_t vor = static_cast<std::size_t>(exponent) + 1;
            if (ziffern.size() <= vor) {
                ergebnis += ziffern + std::string(vor - ziffern.size(), '0');
            } else {
                ergebnis += ziffern.substr(0, vor);
                ergebnis += trenner;
                ergebnis += ziffern.substr(vor);
            }
        }
        return ergebnis;
    }
    ergebnis += ziffern.substr(0, 1);
    if (ziffern.size() > 1) {
        ergebnis += trenner;
        ergebnis += ziffern.substr(1);
    }
    return ergebnis + "E" + std::to_string(exponent);
}

// Fraction for x with denominators up to n; false when none fits (the
// denominator would exceed n) or the fraction is a whole number.
bool Bruch(Real x, int n, long long& zaehler, long long& nenner) {
    if (std::fabs(x) >= 1e15L)
        return false;
    const long long s = x < 0 ? -1 : 1;
    const Real a = std::fabs(x);
    const Real w = std::trunc(a);
    const Real f = a - w;
    const long long letztes = n + 1LL < 2 ? 2 : n + 1LL;
    for (Real t = 0.001L;; t *= 10) {
        for (long long d = 2; d <= letztes; ++d) {
            const Real h = f * static_cast<Real>(d);
            const long long z = static_cast<long long>(std::round(h));
            if (std::fabs(h - static_cast<Real>(z)) <= t) {
                if (d > n)
                    return false;
                nenner = z == 0 ? 1 : d;
                long long zz = z;
                if (zz == nenner) {
                    zz = 1;
                    nenner = 1;
                }
                zaehler = (zz + nenner * static_cast<long long>(w)) * s;
                return nenner != 1;
            }
        }
    }
}

} // namespace

std::string ZahlText(Real x) {
    const TStandardEinstellungen& e = Einstellungen();
    if (std::fabs(x) <= 0.000001L)
        x = 0;
    std::string text;
    long long zaehler = 0, nenner = 1;
    if (e.ZahlenAlsBrueche && Bruch(x, e.MaximalerNenner, zaehler, nenner))
        text = std::to_string(zaehler) + "/" + std::to_string(nenner);
    else
        text = Allgemein(x, e.StandardStellen, e.Dezimaltrenner);
    return text.size() > 12 ? text.substr(0, 12) : text;
}

} // namespace kalvorin
