#include "view/Weltabbildung.h"

#include "math/Skalar.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {

constexpr Real Grenze32 = 2147483647.0L;

std::int32_t Gerundet32(Real v) {
    if (std::isnan(v)) return 0;
    return static_cast<std::int32_t>(std::llround(Begrenzen(v, -Grenze32, Grenze32)));
}

// Logarithmic axes cannot take non-positive bounds.
void LogGrenzen(Real& unten, Real& oben) {
    if (oben <= 0) oben = 10;
    if (unten <= 0) unten = oben / 1000;
}

} // namespace

bool TWeltAbbildung::SetzeWelt(const TWeltRechteck& welt, int option, bool logX, bool logY) {
    TWeltRechteck w{std::min(welt.x1, welt.x2), std::min(welt.y1, welt.y2),
                    std::max(welt.x1, welt.x2), std::max(welt.y1, welt.y2)};
    // Also refuses NaN bounds: every comparison with them is false.
    if (!(w.x2 - w.x1 > 0) || !(w.y2 - w.y1 > 0)) return false;
    if (option == WeltTausendstel &&
        ((w.x2 - w.x1) * 1000 >= LogischeSeite || (w.y2 - w.y1) * 1000 >= LogischeSeite))
        return false;
    if (logX) LogGrenzen(w.x1, w.x2);
    if (logY) LogGrenzen(w.y1, w.y2);

    const Real lx1 = logX ? DekLogarithmus(w.x1) : w.x1, lx2 = logX ? DekLogarithmus(w.x2) : w.x2;
    const Real ly1 = logY ? DekLogarithmus(w.y1) : w.y1, ly2 = logY ? DekLogarithmus(w.y2) : w.y2;
    const Real breite = lx2 - lx1, hoehe = ly2 - ly1;
    if (!(breite > 0) || !(hoehe > 0)) return false;

    std::int32_t lb = LogischeSeite, lh = LogischeSeite;
    if (option == WeltTausendstel) {
        lb = static_cast<std::int32_t>(std::llround(breite * 1000));
        lh = static_cast<std::int32_t>(std::llround(hoehe * 1000));
    } else if (option != WeltAnisotrop) {
        if (breite >= hoehe)
            lh = static_cast<std::int32_t>(std::llround(LogischeSeite * hoehe / breite));
        else
            lb = static_cast<std::int32_t>(std::llround(LogischeSeite * breite / hoehe));
    }
    // A sliver of a rectangle would give a logical side of 0.
    if (lb < 1 || lh < 1) return false;

    welt_ = w;
    logX_ = logX;
    logY_ = logY;
    fenster_ = {0, 0, lb, lh};
    sx_ = lb / breite;
    sy_ = lh / hoehe;
    ox_ = fenster_.links - sx_ * lx1;
    oy_ = fenster_.unten - sy_ * ly1;
    return true;
}

std::int32_t TWeltAbbildung::WeltZuLogischX(Real x) const {
    if (logX_) x = DekLogarithmus(x);
    return Gerundet32(x * sx_ + ox_);
}

std::int32_t TWeltAbbildung::WeltZuLogischY(Real y) const {
    if (logY_) y = DekLogarithmus(y);
    return Gerundet32(y * sy_ + oy_);
}

Real TWeltAbbildung::LogischZuWeltX(Real x) const {
    const Real w = (x - ox_) / sx_;
    return logX_ ? Zehnhoch(w) : w;
}

Real TWeltAbbildung::LogischZuWeltY(Real y) const {
    const Real w = (y - oy_) / sy_;
    return logY_ ? Zehnhoch(w) : w;
}

std::int32_t TWeltAbbildung::KleinereSeite() const {
    return std::min(fenster_.Breite(), fenster_.Hoehe());
}

} // namespace kalvorin
