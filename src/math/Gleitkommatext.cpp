#include "math/Gleitkommatext.h"

#ifdef _LIBCPP_VERSION
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#endif

namespace kalvorin {

#ifndef _LIBCPP_VERSION

std::to_chars_result GleitkommaSchreiben(char* erste, char* letzte, Real x,
                                         std::chars_format format, int stellen) {
    return std::to_chars(erste, letzte, x, format, stellen);
}

std::from_chars_result GleitkommaLesen(const char* erste, const char* letzte, Real& wert) {
    return std::from_chars(erste, letzte, wert);
}

#else

// The standard defines to_chars with a precision as printf's %.*e, %.*f
// and %.*g in the C locale; the web build never changes the locale.
std::to_chars_result GleitkommaSchreiben(char* erste, char* letzte, Real x,
                                         std::chars_format format, int stellen) {
    const char* muster = format == std::chars_format::scientific ? "%.*Le"
                         : format == std::chars_format::fixed    ? "%.*Lf"
                                                                 : "%.*Lg";
    const auto platz = static_cast<std::size_t>(letzte - erste);
    char puffer[512];
    const int n = std::snprintf(puffer, sizeof puffer, muster, stellen, x);
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof puffer ||
        static_cast<std::size_t>(n) > platz)
        return {letzte, std::errc::value_too_large};
    for (int i = 0; i < n; ++i)
        erste[i] = puffer[i];
    return {erste + n, std::errc()};
}

namespace {

bool GleichOhneFall(const char* a, const char* e, const char* wort) {
    for (; *wort; ++a, ++wort)
        if (a == e || std::tolower(static_cast<unsigned char>(*a)) != *wort) return false;
    return true;
}

bool Ziffer(char c) {
    return c >= '0' && c <= '9';
}

// Where the longest number at the start of [a, e) ends, or a if none does.
const char* NummerEnde(const char* a, const char* e) {
    const char* p = a;
    if (p != e && *p == '-') ++p;
    if (GleichOhneFall(p, e, "infinity")) return p + 8;
    if (GleichOhneFall(p, e, "inf")) return p + 3;
    if (GleichOhneFall(p, e, "nan")) {
        p += 3;
        // nan(n-char-sequence)
        const char* q = p;
        if (q != e && *q == '(') {
            ++q;
            while (q != e && (std::isalnum(static_cast<unsigned char>(*q)) || *q == '_'))
                ++q;
            if (q != e && *q == ')') return q + 1;
        }
        return p;
    }
    const char* ziffern = p;
    while (p != e && Ziffer(*p))
        ++p;
    bool ziffer = p != ziffern;
    if (p != e && *p == '.') {
        const char* q = ++p;
        while (p != e && Ziffer(*p))
            ++p;
        ziffer = ziffer || p != q;
    }
    if (!ziffer) return a;
    if (p != e && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q != e && (*q == '+' || *q == '-')) ++q;
        const char* exponent = q;
        while (q != e && Ziffer(*q))
            ++q;
        if (q != exponent) p = q;
    }
    return p;
}

} // namespace

std::from_chars_result GleitkommaLesen(const char* erste, const char* letzte, Real& wert) {
    const char* ende = NummerEnde(erste, letzte);
    if (ende == erste) return {erste, std::errc::invalid_argument};
    const std::string text(erste, ende);
    errno = 0;
    const Real w = std::strtold(text.c_str(), nullptr);
    // Out of range leaves the value as it was, as from_chars does.
    if (errno == ERANGE) return {ende, std::errc::result_out_of_range};
    wert = w;
    return {ende, std::errc()};
}

#endif

} // namespace kalvorin
