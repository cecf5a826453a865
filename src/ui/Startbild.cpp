#include "ui/Startbild.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

// The icon is compiled into the static GUI library; its resource table has
// to be registered by hand (outside any namespace).
static void LadeSymbolRessourcen() {
    static const bool geladen = [] {
        Q_INIT_RESOURCE(symbol);
        return true;
    }();
    (void)geladen;
}

namespace kalvorin {

namespace {

struct TRaumpunkt {
    double x, y, z;
};

// Oblique parallel projection: y to the right, z up, x toward the viewer,
// drawn at 45 degrees and shortened to half.
class TSchraegbild {
public:
    TSchraegbild(QPointF ursprung, double einheit) : ursprung_(ursprung), einheit_(einheit) {}
    QPointF operator()(const TRaumpunkt& p) const {
        const double k = 0.5 * std::sqrt(0.5);
        return {ursprung_.x() + einheit_ * (p.y - k * p.x),
                ursprung_.y() - einheit_ * (p.z - k * p.x)};
    }

private:
    QPointF ursprung_;
    double einheit_;
};

QPolygonF Vieleck(const TSchraegbild& bild, std::initializer_list<TRaumpunkt> punkte) {
    QPolygonF v;
    for (const auto& p : punkte)
        v << bild(p);
    return v;
}

void ZeichneEbene(QPainter& p, const TSchraegbild& bild) {
    const double xa = -4.5, xe = 5.5, ya = -6.0, ye = 6.0;
    const QPolygonF flaeche = Vieleck(bild, {{xa, ya, 0}, {xa, ye, 0}, {xe, ye, 0}, {xe, ya, 0}});
    p.setPen(QPen(QColor(150, 150, 200), 1.5));
    p.setBrush(QColor(224, 224, 255));
    p.drawPolygon(flaeche);

    // A grid of unit squares makes the plane read as a plane.
    p.setPen(QPen(QColor(190, 190, 230), 0.8));
    for (int x = -4; x <= 5; ++x)
        p.drawLine(bild({double(x), ya, 0}), bild({double(x), ye, 0}));
    for (int y = -5; y <= 5; ++y)
        p.drawLine(bild({xa, double(y), 0}), bild({xe, double(y), 0}));
}

void ZeichneAchsen(QPainter& p, const TSchraegbild& bild, bool hinten, bool mitNamen) {
    // Behind the pyramid the axes run from the origin backwards; the parts
    // toward the viewer are drawn over it.
    const QColor farbe(255, 100, 100);
    p.setPen(QPen(farbe, 1.6));
    if (hinten) {
        p.drawLine(bild({0, 0, 0}), bild({-4, 0, 0}));
        p.drawLine(bild({0, 0, 0}), bild({0, -6, 0}));
        p.drawLine(bild({0, 0, 0}), bild({0, 0, 7.6}));
        return;
    }
    p.drawLine(bild({0, 0, 0}), bild({7.5, 0, 0}));
    p.drawLine(bild({0, 0, 0}), bild({0, 7.2, 0}));
    p.setBrush(farbe);
    auto spitze = [&](TRaumpunkt ende, TRaumpunkt r) {
        const QPointF e = bild(ende);
        const QPointF a = bild({ende.x - r.x, ende.y - r.y, ende.z - r.z});
        const QPointF d = e - a;
        const double l = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / l * 4.0, d.x() / l * 4.0);
        p.drawPolygon(QPolygonF() << e << a + n << a - n);
    };
    spitze({7.5, 0, 0}, {0.8, 0, 0});
    spitze({0, 7.2, 0}, {0, 0.5, 0});
    spitze({0, 0, 7.6}, {0, 0, 0.5});
    if (!mitNamen) return;
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(15);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(200, 60, 60));
    p.drawText(bild({7.5, 0, 0}) + QPointF(-16, 16), QStringLiteral("x"));
    p.drawText(bild({0, 7.2, 0}) + QPointF(6, 5), QStringLiteral("y"));
    p.drawText(bild({0, 0, 7.6}) + QPointF(8, 6), QStringLiteral("z"));
}

void ZeichnePyramide(QPainter& p, const TSchraegbild& bild, bool mitNamen) {
    const TRaumpunkt a{3.5, -3.0, 0}, b{2.0, 3.5, 0}, c{-3.0, -0.5, 0}, s{0.8, 0.2, 6.4};
    struct TFlaeche {
        std::array<TRaumpunkt, 3> Ecken;
        QColor Farbe;
    };
    // Light from the upper left: the faces toward it are lighter.
    std::array<TFlaeche, 3> flaechen{{
        {{c, a, s}, QColor(110, 150, 235, 215)},
        {{a, b, s}, QColor(60, 95, 200, 215)},
        {{b, c, s}, QColor(150, 185, 245, 215)},
    }};
    // Back to front by the mean depth (x toward the viewer).
    std::sort(flaechen.begin(), flaechen.end(), [](const TFlaeche& l, const TFlaeche& r) {
        auto tiefe = [](const TFlaeche& f) { return f.Ecken[0].x + f.Ecken[1].x + f.Ecken[2].x; };
        return tiefe(l) < tiefe(r);
    });

    p.setPen(QPen(QColor(0, 0, 120), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& f : flaechen) {
        p.setBrush(f.Farbe);
        p.drawPolygon(Vieleck(bild, {f.Ecken[0], f.Ecken[1], f.Ecken[2]}));
    }

    // Corner points, as the documents draw them.
    p.setBrush(QColor(0, 0, 200));
    p.setPen(QPen(Qt::white, 1.2));
    for (const auto& e : {a, b, c, s})
        p.drawEllipse(bild(e), 4.0, 4.0);

    if (!mitNamen) return;
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 160));
    p.drawText(bild(a) + QPointF(-6, 22), QStringLiteral("A"));
    p.drawText(bild(b) + QPointF(8, 14), QStringLiteral("B"));
    p.drawText(bild(c) + QPointF(-22, -4), QStringLiteral("C"));
    p.drawText(bild(s) + QPointF(8, -6), QStringLiteral("S"));
}

void ZeichneTitel(QPainter& p) {
    QFont titel;
    titel.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("Nimbus Roman"), QStringLiteral("serif")});
    titel.setStyleHint(QFont::Serif);
    titel.setPixelSize(64);
    titel.setBold(true);
    titel.setItalic(true);
    p.setFont(titel);
    p.setPen(QColor(170, 20, 20));
    p.drawText(QRectF(0, 52, StartbildBreite, 76), Qt::AlignCenter, QStringLiteral("Kalvorin"));

    QFont unter = titel;
    unter.setPixelSize(22);
    unter.setBold(false);
    p.setFont(unter);
    p.setPen(QColor(40, 40, 90));
    p.drawText(QRectF(0, 124, StartbildBreite, 30), Qt::AlignCenter,
               QStringLiteral("Analytische Geometrie im Raum"));
}

} // namespace

void ZeichneStartbild(QPainter& p, const QRectF& ziel, bool mitTitel) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(ziel.topLeft());
    p.scale(ziel.width() / StartbildBreite, ziel.height() / StartbildHoehe);

    p.fillRect(QRectF(0, 0, StartbildBreite, StartbildHoehe), Qt::white);
    if (mitTitel) ZeichneTitel(p);

    // Letters would only be specks in the small copies.
    const bool mitNamen = ziel.width() >= StartbildBreite / 2.0;
    const double oben = mitTitel ? 150.0 : 20.0;
    const double hoehe = StartbildHoehe - oben - (mitTitel ? 66.0 : 20.0);
    const TSchraegbild bild(QPointF(StartbildBreite * 0.47, oben + hoehe * 0.72), hoehe / 11.0);
    ZeichneEbene(p, bild);
    ZeichneAchsen(p, bild, true, mitNamen);
    ZeichnePyramide(p, bild, mitNamen);
    ZeichneAchsen(p, bild, false, mitNamen);
    p.restore();
}

QIcon Programmsymbol() {
    // The icon the desktop shows for the program, drawn at whatever size
    // the window system asks for.
    LadeSymbolRessourcen();
    return QIcon(QStringLiteral(":/symbol/kalvorin.svg"));
}

} // namespace kalvorin
