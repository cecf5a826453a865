#pragma once
// Drawing one raster picture on several threads: the image is cut into
// horizontal bands, and each band is filled white and drawn on its own
// thread, with its own painter clipped to its rows of the one image. Every
// band draws the whole picture with the same coordinates; the clip keeps it
// to its rows. The picture is the one a single painter draws, except that
// Qt cuts lines at the clip's edge before it smooths them and restarts their
// dots there: where a line crosses from one band into the next, a few of its
// edge pixels may differ by some shades. Hence the drag frames only; still
// pictures are drawn with one painter.
//
// `malen` then runs on several threads at once, each time with another
// canvas: it must only read what it draws (the document and its scene stay
// unchanged until the call returns).

#include "view/qt/Bildausgabe.h"

#include <QImage>
#include <QRectF>

#include <vector>

namespace kalvorin {

// What the drag frames of one view learn about their picture: where the
// bands were cut and how long each took to draw. The next frame cuts where
// the work, not the rows, is shared evenly, so that a picture whose dense
// part lies in one half keeps every core busy to the end. Drag frames
// follow each other closely and change little from one to the next.
struct TBandteilung {
    int Hoehe = 0;             // rows of the picture it was measured on
    std::vector<int> Grenzen;  // the bands' first rows
    std::vector<double> Dauer; // seconds each band took
};

// The first rows of `grenzen.size()` bands over `hoehe` rows that move the
// cuts `grenzen` halfway towards sharing the measured `dauer` evenly (the
// work taken as spread evenly over the rows of each band); the halfway step
// keeps a single slow frame from throwing the cuts about. Every band keeps
// at least a quarter of its even share of rows. Unusable measurements (no
// time, a band count or height that does not fit) leave the cuts as they are.
std::vector<int> AusgeglicheneGrenzen(const std::vector<int>& grenzen,
                                      const std::vector<double>& dauer, int hoehe);

// The image white, then the logical window shown in `ziel` (device-independent
// pixels of the image, as for a painter on it) and drawn by `malen`: as a
// painter on the filled image calling Malen(painter, fenster, ziel, malen),
// but for the lines at the bands' edges. `baender` bands (one row at least
// each), 0 meaning one per core but none of only a few rows; a single band
// is drawn on the calling thread. With `teilung`, the bands are cut as the
// last frame measured there suggests (when it was as high and had as many
// bands), and this frame's cuts and times are stored in it.
void InBaendernMalen(QImage& bild, const TLogRechteck& fenster, const QRectF& ziel,
                     const TMalen& malen, int baender = 0, TBandteilung* teilung = nullptr);

// The first rows of the bands InBaendernMalen cuts the image into (device
// pixels, starting with 0); for tests of the cuts.
std::vector<int> Bandgrenzen(const QImage& bild, int baender);

} // namespace kalvorin
