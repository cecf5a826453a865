#include "exakt/ExakteZahl.h"

#include <ginac/ex.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

namespace kalvorin::exakt {

namespace {

// The extended number exactly: its mantissa times a power of two. The
// mantissa is taken 32 bits at a time, each step exact, so that it is whole
// for the 80-bit type (64 bits) as for binary128 (113) and whatever the
// width of long (32 bits in WebAssembly).
TRational Genau(Real x) {
    int exponent = 0;
    const Real m = std::frexp(x, &exponent); // x = m · 2^exponent, 0.5 <= |m| < 1
    Real rest = std::fabs(m);
    TRational q(0);
    int bits = 0;
    for (; bits < std::numeric_limits<Real>::digits; bits += 32) {
        rest = std::ldexp(rest, 32);
        const Real teil = std::floor(rest);
        q = q * TRational(65536) * TRational(65536) + TRational(static_cast<unsigned>(teil));
        rest -= teil;
    }
    q *= TRational(2).power(exponent - bits);
    return m < 0 ? -q : q;
}

// The decimal digits of a whole number.
std::string Ziffern(const TRational& ganz) {
    if (ganz.is_integer() && ganz.int_length() < std::numeric_limits<long>::digits)
        return std::to_string(ganz.to_long());
    std::ostringstream s;
    s << GiNaC::ex(ganz);
    return s.str();
}

// The greatest whole number not above q.
TRational Abrunden(const TRational& q) {
    TRational rest;
    TRational ganz = iquo(q.numer(), q.denom(), rest);
    if (rest.is_negative()) ganz -= 1;
    return ganz;
}

// The first convergent p/q of the continued fraction of x that lies within
// the tolerance of x, with q at most groessterNenner.
std::optional<TRational> Kettenbruch(const TRational& x, const TRational& toleranz,
                                     long groessterNenner) {
    TRational rest = x;
    TRational p0 = 1, q0 = 0, p1 = Abrunden(rest), q1 = 1;
    const TRational grenze(groessterNenner);
    for (int schritt = 0; schritt < 80; ++schritt) {
        const TRational naeherung = p1 / q1;
        if (abs(naeherung - x) <= toleranz) return naeherung;
        const TRational bruch = rest - Abrunden(rest);
        if (bruch.is_zero()) return {};
        rest = bruch.inverse();
        const TRational a = Abrunden(rest);
        const TRational p2 = a * p1 + p0, q2 = a * q1 + q0;
        if (q2 > grenze) return {};
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
    }
    return {};
}

// Documents keep 15 significant digits, so 1/3 comes back from a file as
// 0,333333333333333. A number that is such a 15-digit decimal (to its own
// precision) counts as the fraction with a denominator of at most 1000
// that rounds to those 15 digits. Fractions this small are convergents of
// the decimal, since they lie within 1/(2q²) of it.
std::optional<TRational> AusGespeichertenStellen(Real x, const TRational& genau) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14Le", x);
    const char* e = std::strchr(text, 'e');
    if (e == nullptr) return {};
    std::string ziffern;
    for (const char* c = text; c < e; ++c)
        if (*c >= '0' && *c <= '9') ziffern += *c;
    const int exponent = std::atoi(e + 1) - 14;
    TRational dezimal = TRational(ziffern.c_str()) * TRational(10).power(exponent);
    if (x < 0) dezimal = -dezimal;
    if (abs(dezimal - genau) > abs(genau) * TRational(2).power(-58)) return {};
    const TRational halbeStelle = TRational(5) * TRational(10).power(exponent - 1);
    return Kettenbruch(dezimal, halbeStelle, 1000);
}

std::string MinusZeichen(TStil stil) {
    return stil == TStil::Text ? Minus : "-";
}

} // namespace

std::optional<TRational> RationalErkennen(Real x, long groessterNenner) {
    if (!std::isfinite(x)) return {};
    if (x == 0) return TRational(0);
    const TRational genau = Genau(x);
    // Allowed: a few units in the last place of the 64-bit mantissa, enough
    // for a typed decimal or a fraction divided out once.
    if (auto q = Kettenbruch(genau, abs(genau) * TRational(2).power(-58), groessterNenner))
        return q;
    return AusGespeichertenStellen(x, genau);
}

Real AlsReal(const TRational& q) {
    // Numerator and denominator as decimal texts read in extended precision
    // would round twice; dividing the two nearest extended numbers is good
    // to a unit in the last place, which the comparisons allow for.
    const TRational z = q.numer(), n = q.denom();
    const Real zr = std::strtold(Ziffern(z).c_str(), nullptr);
    const Real nr = std::strtold(Ziffern(n).c_str(), nullptr);
    return zr / nr;
}

bool HandlicheGroesse(const TRational& q) {
    return q.numer().int_length() <= 400 && q.denom().int_length() <= 400;
}

Real TWurzelzahl::Wert() const {
    return AlsReal(q) * std::sqrt(AlsReal(r));
}

std::optional<TWurzelzahl> Wurzel(const TRational& x) {
    if (x.is_negative()) return {};
    if (x.is_zero()) return TWurzelzahl{0, 1};
    // √(a/b) = √(a·b) / b
    const TRational b = x.denom();
    TRational n = x.numer() * b;
    if (n.int_length() > 100) return {};
    TRational aussen = 1, innen = 1;
    // Trial division up to 10^5 finds every square factor of n when the
    // cofactor left is below 10^15 (it is then 1, a prime, a square of a
    // prime or a product of two primes).
    const long grenze = 100000;
    for (long d = 2; d <= grenze; d += d == 2 ? 1 : 2) {
        const TRational dd(d);
        if (dd * dd * dd > n) break;
        while (irem(n, dd * dd).is_zero()) {
            n = iquo(n, dd * dd);
            aussen *= dd;
        }
        if (irem(n, dd).is_zero()) {
            n = iquo(n, dd);
            innen *= dd;
        }
    }
    const TRational w = isqrt(n);
    if (w * w == n) {
        aussen *= w;
    } else {
        // Without a prime factor up to 10^5, a cofactor below 10^15 is a
        // prime or the product of two distinct primes: square-free.
        const TRational g(grenze);
        if (n >= g * g * g) return {};
        innen *= n;
    }
    return TWurzelzahl{aussen / b, innen};
}

std::optional<TWurzelzahl> DurchWurzel(const TRational& x, const TRational& y) {
    if (!y.is_positive()) return {};
    if (x.is_zero()) return TWurzelzahl{0, 1};
    auto w = Wurzel(y);
    if (!w) return {};
    // x / (q √r) = x √r / (q r)
    return TWurzelzahl{x / (w->q * w->r), w->r};
}

std::string Text(const TRational& q, TStil stil) {
    std::string s = q.is_negative() ? MinusZeichen(stil) : "";
    const TRational a = abs(q);
    if (a.is_integer()) return s + Ziffern(a);
    if (stil == TStil::Latex)
        return s + "\\frac{" + Ziffern(a.numer()) + "}{" + Ziffern(a.denom()) + "}";
    return s + Ziffern(a.numer()) + "/" + Ziffern(a.denom());
}

std::string Text(const TWurzelzahl& w, TStil stil) {
    if (w.Rational() || w.q.is_zero()) return Text(w.q, stil);
    const std::string wurzel =
        stil == TStil::Latex ? "\\sqrt{" + Ziffern(w.r) + "}" : "√" + Ziffern(w.r);
    std::string s = w.q.is_negative() ? MinusZeichen(stil) : "";
    const TRational a = abs(w.q);
    if (a == 1) return s + wurzel;
    if (stil == TStil::Latex) return s + Text(a, stil) + "\\sqrt{" + Ziffern(w.r) + "}";
    return s + Text(a, stil) + "·" + wurzel;
}

} // namespace kalvorin::exakt
