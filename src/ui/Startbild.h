#pragma once
// The picture of the splash window and the about box: a three-sided pyramid
// standing on a plane, in the oblique view the documents use.

#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace kalvorin {

// The picture's own size; it is stretched to fill the target rectangle.
inline constexpr int StartbildBreite = 556;
inline constexpr int StartbildHoehe = 502;

// Draws the whole picture into ziel. mitTitel adds the program name above
// the drawing (the splash shows it, the small copies do not).
void ZeichneStartbild(QPainter& p, const QRectF& ziel, bool mitTitel = true);

// The window icon: the program's icon of the desktop.
QIcon Programmsymbol();

} // namespace kalvorin
