#include "math/Farbe.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

THSL RGBzuHSL(TFarbe f) {
    const double r = Rot(f) / 255.0, g = Gruen(f) / 255.0, b = Blau(f) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    THSL e;
    e.l = (mx + mn) / 2;
    if (mx - mn < 0.0001) return e;
    const double d = mx - mn;
    e.s = e.l >= 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
    if (std::fabs(r - mx) < 0.0001)
        e.h = (g - b) / d;
    else if (std::fabs(g - mx) < 0.0001)
        e.h = (b - r) / d + 2;
    else
        e.h = (r - g) / d + 4;
    e.h /= 6;
    if (e.h < 0) e.h += 1;
    return e;
}

namespace {
double Kanal(double m1, double m2, double x) {
    if (x < 0)
        x += 1;
    else if (x > 1)
        x -= 1;
    if (6 * x < 1) return m1 + (m2 - m1) * 6 * x;
    if (2 * x < 1) return m2;
    if (3 * x < 2) return m1 + (m2 - m1) * (2.0 / 3 - x) * 6;
    return m1;
}

int Byte(double v) {
    return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
}
} // namespace

TFarbe HSLzuRGB(THSL c) {
    if (std::fabs(c.s) < 0.0001) {
        const int w = Byte(c.l);
        return RGB(w, w, w);
    }
    const double m2 = c.l > 0.5 ? c.l + c.s - c.l * c.s : c.l * (1 + c.s);
    const double m1 = 2 * c.l - m2;
    return RGB(Byte(Kanal(m1, m2, c.h + 1.0 / 3)), Byte(Kanal(m1, m2, c.h)),
               Byte(Kanal(m1, m2, c.h - 1.0 / 3)));
}

TFarbe Heller(TFarbe f, double anteil) {
    THSL c = RGBzuHSL(f);
    c.l = std::clamp(c.l + anteil * (1 - c.l), 0.0, 1.0);
    return HSLzuRGB(c);
}

TFarbe Dunkler(TFarbe f, double anteil) {
    THSL c = RGBzuHSL(f);
    c.l = std::clamp(c.l - anteil * c.l, 0.0, 1.0);
    return HSLzuRGB(c);
}

} // namespace kalvorin
