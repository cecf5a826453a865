#include "ui/Geraeteabbildung.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvorin {

TGeraeteAbbildung::TGeraeteAbbildung(const TLogRechteck& fenster, const QRectF& geraet)
    : fenster_(fenster) {
    // The same arithmetic as the canvas, or clicks would miss what is drawn.
    const double lb = std::max(1, fenster.Breite()), lh = std::max(1, fenster.Hoehe());
    s_ = std::min(geraet.width() / lb, geraet.height() / lh);
    x0_ = geraet.left() + (geraet.width() - s_ * lb) / 2;
    y0_ = geraet.top() + (geraet.height() - s_ * lh) / 2;
}

QPointF TGeraeteAbbildung::Geraet(TLogPunkt p) const {
    return {x0_ + (p.x - fenster_.links) * s_, y0_ + (fenster_.oben - p.y) * s_};
}

TLogPunkt TGeraeteAbbildung::Logisch(QPointF g) const {
    if (!(s_ > 0)) return {fenster_.links, fenster_.oben};
    const auto runden = [](double v) {
        constexpr double grenze = std::numeric_limits<std::int32_t>::max();
        return static_cast<std::int32_t>(std::lround(std::clamp(v, -grenze, grenze)));
    };
    return {runden(fenster_.links + (g.x() - x0_) / s_),
            runden(fenster_.oben - (g.y() - y0_) / s_)};
}

QRectF TGeraeteAbbildung::Bild() const {
    return {x0_, y0_, std::max(1, fenster_.Breite()) * s_, std::max(1, fenster_.Hoehe()) * s_};
}

} // namespace kalvorin
