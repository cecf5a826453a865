#pragma once
// The small pictures of the object list: one per element kind, and the
// check mark, blank and raster of the visibility and label columns. They are
// drawn as lines and areas at whatever size and pixel density the cell has,
// so they stay sharp on any screen. Each has an inverted form (white on
// black) for marked elements.

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace kalvorin {

enum class TObjektbild {
    Punkt,
    Vektor,
    Pfeil,
    Strecke,
    Gerade,
    Dreieck,
    Pyramide3,
    Ebene,
    Kugel,
    Kreis,
    Viereck,
    Pyramide4,
    Haken,  // visible
    Weiss,  // hidden (its inverted form is all black)
    Raster, // does not apply (vectors)
};
inline constexpr int AnzahlObjektbilder = 15;

// The picture of an element kind number (0, 2..8, 12, 13, 18, 19); Punkt for anything else.
TObjektbild BildFuerArt(int art);

// Fills the rectangle with the picture's background and draws it.
void ZeichneObjektbild(QPainter& p, const QRectF& rechteck, TObjektbild bild, bool invertiert);

// The picture as a pixmap of the logical size at the pixel ratio.
QPixmap Objektbild(TObjektbild bild, bool invertiert, QSize groesse, qreal pixelVerhaeltnis = 1.0);

} // namespace kalvorin
