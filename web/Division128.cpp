// Division of long double (IEEE binary128) for the web build. The
// compiler-rt of Debian's emscripten 3.1.6 (LLVM 14) divides wrongly when the
// divisor's mantissa is all ones: 1/(2 - 2^-112) came out as 1 instead of
// about 0.5, so that the angle of (1|1|0) and (0|1|1) was measured as 0°.
// This definition of the runtime's __divtf3 is linked into every program of
// the web build instead of the library's: the quotient's 113 bits by plain
// long division, rounded to nearest, ties to even, with subnormals, zeros,
// infinities and NaNs as IEEE 754 has them.

#include <cstdint>
#include <cstring>

namespace {

__extension__ typedef unsigned __int128 U128;

constexpr int MantissenBits = 112;
constexpr U128 Eins = U128(1) << MantissenBits;
constexpr U128 MantissenMaske = Eins - 1;
constexpr int ExponentMax = 0x7fff;
constexpr int Bias = 0x3fff;

U128 Bits(long double x) {
    U128 b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

long double Zahl(U128 b) {
    long double x;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

constexpr U128 StilleNan = (U128(ExponentMax) << MantissenBits) | (Eins >> 1);

} // namespace

extern "C" long double __divtf3(long double a, long double b) {
    const U128 ia = Bits(a), ib = Bits(b);
    const U128 vorzeichen = (ia ^ ib) & (U128(1) << 127);
    int ea = static_cast<int>((ia >> MantissenBits) & ExponentMax);
    int eb = static_cast<int>((ib >> MantissenBits) & ExponentMax);
    U128 ma = ia & MantissenMaske, mb = ib & MantissenMaske;
    const U128 unendlich = U128(ExponentMax) << MantissenBits;

    if (ea == ExponentMax) {
        if (ma != 0) return Zahl(ia | (Eins >> 1));
        if (eb == ExponentMax) return Zahl(mb != 0 ? ib | (Eins >> 1) : StilleNan);
        return Zahl(vorzeichen | unendlich);
    }
    if (eb == ExponentMax) return Zahl(mb != 0 ? ib | (Eins >> 1) : vorzeichen);
    if (ea == 0 && ma == 0) return Zahl(eb == 0 && mb == 0 ? StilleNan : vorzeichen);
    if (eb == 0 && mb == 0) return Zahl(vorzeichen | unendlich);

    // Subnormals normalised: the leading one at bit 112.
    if (ea == 0) {
        ea = 1;
        while ((ma & Eins) == 0) {
            ma <<= 1;
            --ea;
        }
    } else {
        ma |= Eins;
    }
    if (eb == 0) {
        eb = 1;
        while ((mb & Eins) == 0) {
            mb <<= 1;
            --eb;
        }
    } else {
        mb |= Eins;
    }

    int e = ea - eb + Bias;
    if (ma < mb) {
        ma <<= 1;
        --e;
    }
    // 1 <= ma/mb < 2: 113 bits of the quotient and one guard bit.
    U128 q = 0, rest = ma;
    for (int i = 0; i < MantissenBits + 2; ++i) {
        q <<= 1;
        if (rest >= mb) {
            rest -= mb;
            q |= 1;
        }
        rest <<= 1;
    }
    bool klebrig = rest != 0;
    if (e >= ExponentMax) return Zahl(vorzeichen | unendlich);
    if (e <= 0) {
        // Subnormal: the bits that fall off count towards the rounding.
        const int schritt = 1 - e;
        if (schritt > MantissenBits + 2) {
            klebrig = klebrig || q != 0;
            q = 0;
        } else {
            klebrig = klebrig || (q & ((U128(1) << schritt) - 1)) != 0;
            q >>= schritt;
        }
        e = 0;
    }
    const bool schutz = (q & 1) != 0;
    q >>= 1;
    if (schutz && (klebrig || (q & 1) != 0)) ++q;
    if (e == 0) return Zahl(vorzeichen | q); // a carry into bit 112 makes it normal
    if (q >> (MantissenBits + 1)) {
        q >>= 1;
        ++e;
        if (e >= ExponentMax) return Zahl(vorzeichen | unendlich);
    }
    return Zahl(vorzeichen | (U128(e) << MantissenBits) | (q & MantissenMaske));
}
