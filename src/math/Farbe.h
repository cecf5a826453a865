#pragma once
// 24-bit RGB colours with red in the low byte, as stored in documents, and
// the lighter and darker shades the drawing uses for planes.

#include <cstdint>

namespace kalvorin {

using TFarbe = std::uint32_t;

constexpr TFarbe RGB(int r, int g, int b) {
    return static_cast<TFarbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int Rot(TFarbe f) {
    return static_cast<int>(f & 0xFF);
}
constexpr int Gruen(TFarbe f) {
    return static_cast<int>((f >> 8) & 0xFF);
}
constexpr int Blau(TFarbe f) {
    return static_cast<int>((f >> 16) & 0xFF);
}

inline constexpr TFarbe Schwarz = RGB(0, 0, 0);
inline constexpr TFarbe Weiss = RGB(255, 255, 255);

struct THSL {
    double h = 0, s = 0, l = 0;
};

THSL RGBzuHSL(TFarbe f);
TFarbe HSLzuRGB(THSL hsl);

// Lightness moved towards white by the fraction f (0..1).
TFarbe Heller(TFarbe f, double anteil);
// Lightness moved towards black by the fraction f (0..1).
TFarbe Dunkler(TFarbe f, double anteil);

} // namespace kalvorin
