#include "zahlen/Zahlen.h"

#include "math/Gleitkommatext.h"
#include "model/StandardEinstellungen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kalvorin {

namespace {

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

std::string Abschneiden(std::string t, std::size_t n) {
    if (t.size() > n) t.resize(n);
    return t;
}

// The integer value of a Real that holds one, without exponent.
std::string GanzzahlText(Real z) {
    char puffer[5000];
    std::snprintf(puffer, sizeof puffer, "%.0Lf", z);
    return puffer;
}

// The power of ten of the first significant digit of a normalised number
// "-ddd.ddde-ddd" (only its sign matters; huge exponents are held at 10^9).
long long Zehnerexponent(std::string_view norm) {
    const std::size_t e = norm.find('e');
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const bool negativ = norm[e + 1] == '-';
        for (std::size_t i = e + (negativ ? 2 : 1); i < norm.size(); ++i)
            exponent = std::min(exponent * 10 + (norm[i] - '0'), 1000000000LL);
        if (negativ) exponent = -exponent;
    }
    const std::string_view mantisse = norm.substr(0, e);
    const std::size_t punkt = std::min(mantisse.find('.'), mantisse.size());
    const std::size_t erste = mantisse.find_first_of("123456789");
    if (erste == std::string_view::npos) return 0; // zero is never out of range
    return exponent + (erste < punkt ? static_cast<long long>(punkt - erste) - 1
                                     : -static_cast<long long>(erste - punkt));
}

} // namespace

bool TextZuReal(std::string_view text, std::string_view trenner, Real& wert) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::string norm;
    norm.reserve(n + 4);
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') norm += '-';
        ++i;
    }
    std::size_t ziffern = 0;
    while (i < n && IstZiffer(text[i])) {
        norm += text[i++];
        ++ziffern;
    }
    if (i < n && trenner.find(text[i]) != std::string_view::npos) {
        ++i;
        if (ziffern == 0) norm += '0';
        norm += '.';
        while (i < n && IstZiffer(text[i])) {
            norm += text[i++];
            ++ziffern;
        }
    }
    if (ziffern == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        norm += 'e';
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-') norm += '-';
            ++i;
        }
        std::size_t exp = 0;
        while (i < n && IstZiffer(text[i])) {
            norm += text[i++];
            ++exp;
        }
        if (exp == 0) return false;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n) return false;
    Real w = 0;
    const auto [ende, fehler] = GleitkommaLesen(norm.data(), norm.data() + norm.size(), w);
    if (ende != norm.data() + norm.size()) return false;
    if (fehler == std::errc::result_out_of_range && Zehnerexponent(norm) < 0) {
        // Too small for Real: as good as zero, the way a value computed that
        // small was written.
        wert = norm[0] == '-' ? -0.0L : 0.0L;
        return true;
    }
    if (fehler != std::errc() || !std::isfinite(w)) return false;
    wert = w;
    return true;
}

std::string RemoveBlanks(std::string_view text) {
    std::string t;
    t.reserve(text.size());
    for (char c : text)
        if (c != ' ') t += c;
    return t;
}

TZahl ParseReal(std::string_view text) {
    if (text.empty()) return {0, ZahlLeer};
    const char trenner = Einstellungen().Dezimaltrenner;
    Real w = 0;
    if (!TextZuReal(text, std::string_view(&trenner, 1), w)) return {0, ZahlUngueltig};
    return {w, ZahlGueltig};
}

TZahl ParseNumber(std::string_view text) {
    TZahl z;
    const auto strich = text.find('/');
    if (strich != std::string_view::npos) {
        const TZahl zaehler = ParseReal(text.substr(0, strich));
        const TZahl nenner = ParseReal(text.substr(strich + 1));
        if (zaehler.Code != ZahlGueltig) return {0, zaehler.Code};
        if (nenner.Code != ZahlGueltig) return {0, nenner.Code};
        if (nenner.Wert == 0) return {0, ZahlAusserhalb};
        z.Wert = zaehler.Wert / nenner.Wert;
    } else {
        z = ParseReal(text);
        if (z.Code != ZahlGueltig) return z;
    }
    // Written so that a value that compares with nothing fails too.
    if (!(z.Wert >= -MaxEingabe && z.Wert <= MaxEingabe)) z.Code = ZahlAusserhalb;
    return z;
}

TTripelEingabe ParseTripel(std::string_view x, std::string_view y, std::string_view z) {
    TTripelEingabe e;
    const TZahl zx = ParseNumber(x), zy = ParseNumber(y), zz = ParseNumber(z);
    if (zx.Code == ZahlGueltig) e.Tripel.x = zx.Wert;
    if (zy.Code == ZahlGueltig) e.Tripel.y = zy.Wert;
    if (zz.Code == ZahlGueltig) e.Tripel.z = zz.Wert;
    e.Fehler = zx.Code != ZahlGueltig || zy.Code != ZahlGueltig || zz.Code != ZahlGueltig;
    return e;
}

TNullEingabe ParseTripelZero(std::string_view x, std::string_view y, std::string_view z) {
    const TTripelEingabe e = ParseTripel(x, y, z);
    return {e.Fehler, !e.Fehler && e.Tripel == NullTripel};
}

bool SameTripelTexts(std::string_view x1, std::string_view y1, std::string_view z1,
                     std::string_view x2, std::string_view y2, std::string_view z2) {
    const TTripelEingabe a = ParseTripel(x1, y1, z1);
    const TTripelEingabe b = ParseTripel(x2, y2, z2);
    return !a.Fehler && !b.Fehler && a.Tripel == b.Tripel;
}

std::string DifferenceText(std::string_view a, std::string_view b) {
    const TZahl za = ParseNumber(a), zb = ParseNumber(b);
    if (za.Code != ZahlGueltig || zb.Code != ZahlGueltig) return "?";
    return FormatGeneral(za.Wert - zb.Wert, Einstellungen().StandardStellen);
}

std::string FormatGeneral(Real x, int p) {
    return FormatGeneral(x, p, Einstellungen().Dezimaltrenner);
}

std::string FormatGeneral(Real x, int p, char dezimaltrenner) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    if (x == 0) return "0";
    p = p < 2 ? 2 : (p > 18 ? 18 : p);

    // "-d.ddddde-XXXX": the digits rounded to p places and the exponent of the rounded value.
    char puffer[64];
    const auto [ende, fehler] = GleitkommaSchreiben(puffer, puffer + sizeof puffer, x,
                                                    std::chars_format::scientific, p - 1);
    if (fehler != std::errc()) return "NAN";
    const std::string_view roh(puffer, static_cast<std::size_t>(ende - puffer));
    const bool negativ = roh.front() == '-';
    const std::size_t e = roh.find('e');
    std::string ziffern;
    for (char c : roh.substr(0, e))
        if (IstZiffer(c)) ziffern += c;
    int exponent = 0;
    std::from_chars(roh.data() + e + (roh[e + 1] == '+' ? 2 : 1), roh.data() + roh.size(),
                    exponent);
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    std::string t = negativ ? "-" : "";
    if (exponent >= -4 && exponent < p) {
        if (exponent >= 0) {
            const auto vor = static_cast<std::size_t>(exponent) + 1;
            if (ziffern.size() <= vor) {
                t += ziffern + std::string(vor - ziffern.size(), '0');
            } else {
                t += ziffern.substr(0, vor);
                t += dezimaltrenner;
                t += ziffern.substr(vor);
            }
        } else {
            t += '0';
            t += dezimaltrenner;
            t += std::string(static_cast<std::size_t>(-exponent - 1), '0') + ziffern;
        }
    } else {
        t += ziffern[0];
        if (ziffern.size() > 1) {
            t += dezimaltrenner;
            t += ziffern.substr(1);
        }
        t += 'E';
        t += std::to_string(exponent);
    }
    return t;
}

TBruch Bruchnaeherung(Real x, int maxNenner) {
    if (!std::isfinite(x)) return {x, 1};
    const Real s = x < 0 ? -1 : 1;
    const Real a = std::fabs(x);
    const Real w = std::trunc(a);
    const Real f = a - w;
    const long long grenze = static_cast<long long>(maxNenner) + 1;

    // Each round widens the tolerance tenfold. The rounds stop at 0.1: a
    // wider one would let any fraction pass (0.3 would show as 1/2 with
    // small largest denominators); with 20 or more allowed denominators the
    // third round always succeeds, so they never reach it.
    long long d = 2;
    Real z = 0;
    bool gefunden = false;
    for (Real t = 0.001L; t < 0.5L && !gefunden; t *= 10) {
        for (d = 2;; ++d) {
            const Real h = static_cast<Real>(d) * f;
            z = std::round(h);
            if (std::fabs(h - z) <= t) {
                gefunden = true;
                break;
            }
            if (d >= grenze) break;
        }
    }
    if (!gefunden || d > maxNenner) return {s * a, 1};
    Real nenner = z == 0 ? 1 : static_cast<Real>(d);
    if (z == nenner) z = nenner = 1;
    return {(z + nenner * w) * s, nenner};
}

std::string FormatNumber(Real x) {
    const TStandardEinstellungen& e = Einstellungen();
    if (std::fabs(x) <= 0.000001L) x = 0;
    if (e.ZahlenAlsBrueche && std::isfinite(x)) {
        const TBruch b = Bruchnaeherung(x, e.MaximalerNenner);
        // Only a fraction that is the value, as far as the number can tell:
        // 7037/57 for 123.456 would show a pupil a wrong result.
        if (b.Nenner != 1 && std::fabs(b.Zaehler / b.Nenner - x) <= 1e-12L * std::fabs(x))
            return Abschneiden(GanzzahlText(b.Zaehler) + "/" + GanzzahlText(b.Nenner), 12);
    }
    // Numbers of the input range keep every digit before the separator, so
    // that 255 is never shown as 2,6E2.
    int stellen = e.StandardStellen;
    if (std::fabs(x) <= MaxEingabe) {
        const Real ganz = std::round(std::fabs(x));
        int vor = 1;
        for (Real grenze = 10; grenze <= ganz; grenze *= 10)
            ++vor;
        stellen = std::max(stellen, vor);
    }
    return Abschneiden(FormatGeneral(x, stellen), 12);
}

std::string FormatMeasure(Real x) {
    const Real gerundet = std::round(x * 100) / 100;
    std::string t = FormatGeneral(gerundet, 6);
    // Only plain decimals are cut: in "1,23457E10" the digits behind the
    // separator carry the exponent's meaning.
    const auto trenner = t.find(Einstellungen().Dezimaltrenner);
    if (trenner != std::string::npos && t.find('E') == std::string::npos && t.size() - trenner > 3)
        t.resize(trenner + 3);
    return Abschneiden(t, 20);
}

char AndererTrenner() {
    return Einstellungen().Dezimaltrenner == ',' ? '.' : ';';
}

} // namespace kalvorin
