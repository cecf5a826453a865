#pragma once
// Where the logical window of a view lies on the widget: shown with equal
// scale in both directions and centred in the longer direction, exactly as
// the QPainter canvas draws it, so that a mouse position converts back to the
// logical point the user sees under it.

#include "view/Zeichenflaeche.h"

#include <QPointF>
#include <QRectF>

namespace kalvorin {

class TGeraeteAbbildung {
public:
    TGeraeteAbbildung() = default;
    TGeraeteAbbildung(const TLogRechteck& fenster, const QRectF& geraet);

    QPointF Geraet(TLogPunkt p) const;
    TLogPunkt Logisch(QPointF geraet) const;
    // The device rectangle covered by the logical window.
    QRectF Bild() const;
    double Massstab() const { return s_; }

private:
    TLogRechteck fenster_{};
    double x0_ = 0, y0_ = 0, s_ = 1;
};

} // namespace kalvorin
