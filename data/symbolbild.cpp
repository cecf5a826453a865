// Renders the program's SVG icon into the PNG sizes of the icon theme at
// build time, so the pictures in the package always match the drawing.
//   kalvorin-symbolbild SYMBOL.svg GROESSE AUS.png

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: %s SYMBOL.svg GROESSE AUS.png\n", argv[0]);
        return 1;
    }
    const int seite = std::atoi(argv[2]);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || seite < 1) {
        std::fprintf(stderr, "%s: kann %s nicht lesen\n", argv[0], argv[1]);
        return 1;
    }
    QImage bild(seite, seite, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    if (!bild.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: kann %s nicht schreiben\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
