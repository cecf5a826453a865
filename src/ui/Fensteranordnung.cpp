#include "ui/Fensteranordnung.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

QRect HauptfensterRahmen(const QRect& verfuegbar) {
    const int breite =
        std::max(verfuegbar.width() - ObjektlistenBreite, HauptfensterMindestgroesse.width());
    const int hoehe = std::max(verfuegbar.height(), HauptfensterMindestgroesse.height());
    return {verfuegbar.left(), verfuegbar.top(), breite, hoehe};
}

QRect ImClientbereich(const QRect& fenster, const QSize& client) {
    int links = std::max(fenster.x(), 0);
    int oben = std::max(fenster.y(), 0);
    int breite = std::min(fenster.width(), client.width() - links);
    int hoehe = std::min(fenster.height(), client.height() - oben);
    // A window cut down to a sliver is moved back so that a strip of it
    // stays grabbable.
    if (breite < 50) {
        links = client.width() - 50;
        breite = 50;
    }
    if (hoehe < 75) {
        oben = client.height() - 75;
        hoehe = 75;
    }
    // A client area smaller than the minimum would push the window out at
    // the top or left, where it could no longer be grabbed.
    links = std::max(links, 0);
    oben = std::max(oben, 0);
    breite = std::max(breite, 0);
    hoehe = std::max(hoehe, 0);
    return {links, oben, breite, hoehe};
}

namespace {
// Cells of a grid of `spalten` columns filled column by column; the last
// column shares its height among fewer windows.
QVector<QRect> Raster(int n, int spalten, const QRect& client, bool spaltenweise) {
    QVector<QRect> ergebnis;
    if (n <= 0 || spalten <= 0) return ergebnis;
    const int reihen = (n + spalten - 1) / spalten;
    for (int i = 0; i < n; ++i) {
        if (spaltenweise) {
            const int s = i / reihen;
            const int inSpalte = std::min(reihen, n - s * reihen);
            const int r = i % reihen;
            const int x0 = client.x() + client.width() * s / spalten;
            const int x1 = client.x() + client.width() * (s + 1) / spalten;
            const int y0 = client.y() + client.height() * r / inSpalte;
            const int y1 = client.y() + client.height() * (r + 1) / inSpalte;
            ergebnis.push_back(QRect(x0, y0, x1 - x0, y1 - y0));
        } else {
            // Rows filled first: the transposed arrangement.
            const int r = i / reihen;
            const int inReihe = std::min(reihen, n - r * reihen);
            const int s = i % reihen;
            const int y0 = client.y() + client.height() * r / spalten;
            const int y1 = client.y() + client.height() * (r + 1) / spalten;
            const int x0 = client.x() + client.width() * s / inReihe;
            const int x1 = client.x() + client.width() * (s + 1) / inReihe;
            ergebnis.push_back(QRect(x0, y0, x1 - x0, y1 - y0));
        }
    }
    return ergebnis;
}

int Hauptteilung(int n) {
    if (n <= 3) return n;
    return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
}
} // namespace

QVector<QRect> NebeneinanderAnordnen(int n, const QRect& client) {
    return Raster(n, Hauptteilung(n), client, true);
}

QVector<QRect> UebereinanderAnordnen(int n, const QRect& client) {
    return Raster(n, Hauptteilung(n), client, false);
}

QVector<QRect> UeberlappendAnordnen(int n, const QRect& client, int c) {
    QVector<QRect> ergebnis;
    if (n <= 0) return ergebnis;
    const int dy = std::max(c, 1);
    const int dx = static_cast<int>(std::lround(1.5 * dy));
    const int breite =
        std::min(client.width(), std::max(client.width() - (n - 1) * dx, client.width() * 2 / 3));
    const int hoehe = std::min(client.height(),
                               std::max(client.height() - (n - 1) * dy, client.height() * 2 / 3));
    const int stufen =
        std::max(1, std::min((client.width() - breite) / dx, (client.height() - hoehe) / dy) + 1);
    for (int i = 0; i < n; ++i) {
        const int k = i % stufen;
        ergebnis.push_back(QRect(client.x() + k * dx, client.y() + k * dy, breite, hoehe));
    }
    return ergebnis;
}

} // namespace kalvorin
