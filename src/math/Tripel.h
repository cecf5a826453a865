#pragma once
// Coordinate triples in 80-bit extended precision: every point, vector,
// parameter, length and angle of a document is held this way, and nothing
// is rounded through double on the way.

#include <limits>
#include <utility>
#include <vector>

namespace kalvorin {

using Real = long double;
// At least the x87 80-bit extended format (64-bit mantissa); WebAssembly's
// long double is IEEE binary128 (113 bits), more precise, never less.
static_assert(std::numeric_limits<Real>::digits >= 64,
              "Kalvorin needs at least the x87 80-bit extended precision (64-bit mantissa)");

struct TTripel {
    Real x = 0;
    Real y = 0;
    Real z = 0;

    friend bool operator==(const TTripel&, const TTripel&) = default;
};

inline constexpr TTripel NullTripel{0, 0, 0};

inline constexpr Real GradInBogen = 0.017453292519943295L; // pi / 180
inline constexpr Real PiHalbe = 1.5707963267948966L;
inline constexpr Real Pi = 3.141592653589793238462643383279502884L;

TTripel TripelSumme(TTripel a, TTripel b);
TTripel TripelDifferenz(TTripel a, TTripel b);
// The vector from point a to point b.
TTripel Verbindungsvektor(TTripel a, TTripel b);
TTripel Vielfaches(TTripel v, Real t);
// In place.
void Vervielfachen(TTripel& v, Real t);
Real Skalarprodukt(TTripel a, TTripel b);
TTripel Kreuzprodukt(TTripel a, TTripel b);
Real Betrag(TTripel v);
// Unit length; the zero triple stays the zero triple.
void Normieren(TTripel& v);
void Negieren(TTripel& v);
// Exact comparison with zero: tolerances belong to the geometric decisions.
bool IstNullvektor(TTripel v);
TTripel Mittelpunkt(TTripel a, TTripel b);
TTripel GeradenPunkt(TTripel p, TTripel v, Real t);
// y and z of the point with first coordinate x on the segment a..b.
// The caller guarantees a.x != b.x.
std::pair<Real, Real> InterpolationNachX(TTripel a, TTripel b, Real x);

struct TQuader {
    Real xmin, xmax, ymin, ymax, zmin, zmax;
};
// Bounds of a non-empty list of points.
TQuader Grenzen(const std::vector<TTripel>& punkte);

void Tausche(TTripel& a, TTripel& b);
void Tausche(int& a, int& b);

// Angle between two vectors in radians, in [0, pi]; 0 if either is zero.
Real Zwischenwinkel(TTripel a, TTripel b);

} // namespace kalvorin
