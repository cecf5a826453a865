#pragma once
// The world coordinate system of a graph box: a rectangle of the drawing
// plane mapped linearly (or logarithmically per axis) onto whole logical
// units, logical y growing upwards. The device mapping of the logical window
// is the business of the canvas.

#include "math/Projektion.h"
#include "math/Tripel.h"
#include "view/Zeichenflaeche.h"

#include <cstdint>

namespace kalvorin {

enum TWeltOption : int {
    WeltIsotrop = 1,     // the longer side becomes 30000 logical units, the other in proportion
    WeltTausendstel = 2, // 1000 logical units per world unit
    WeltAnisotrop = 3,   // both sides 30000 logical units
};

inline constexpr std::int32_t LogischeSeite = 30000;

class TWeltAbbildung {
public:
    // Installs the world rectangle; false (and the previous mapping stays)
    // when the rectangle is unusable.
    bool SetzeWelt(const TWeltRechteck& welt, int option = WeltIsotrop, bool logX = false,
                   bool logY = false);

    std::int32_t WeltZuLogischX(Real x) const;
    std::int32_t WeltZuLogischY(Real y) const;
    TLogPunkt WeltZuLogisch(TZeichenpunkt p) const {
        return {WeltZuLogischX(p.u), WeltZuLogischY(p.v)};
    }
    Real LogischZuWeltX(Real x) const;
    Real LogischZuWeltY(Real y) const;

    const TLogRechteck& LogischesFenster() const { return fenster_; }
    const TWeltRechteck& Welt() const { return welt_; }
    // World width and height of one logical unit.
    Real WeltProLogischX() const { return 1 / sx_; }
    Real WeltProLogischY() const { return 1 / sy_; }
    // The smaller side of the logical window: the measure of text and symbol sizes.
    std::int32_t KleinereSeite() const;

private:
    TWeltRechteck welt_{};
    TLogRechteck fenster_{500, 500, 1000, 1000};
    bool logX_ = false, logY_ = false;
    Real sx_ = 1, sy_ = 1, ox_ = 0, oy_ = 0;
};

} // namespace kalvorin
