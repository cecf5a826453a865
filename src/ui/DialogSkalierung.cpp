#include "ui/DialogSkalierung.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace kalvorin {

double DialogSkalieren(QDialog& d) {
    QRect bereich(0, 0, 1024, 768);
    if (const QScreen* s = d.screen() ? d.screen() : QApplication::primaryScreen())
        bereich = s->availableGeometry();
    const double faktor = std::max(bereich.width(), 750) / 1024.0;
    // The window's frame and title bar come on top of the dialog's own size.
    const int rahmen = d.style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                       2 * d.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QFont basis = QApplication::font(&d);
    QLayout* layout = d.layout();
    int abstand = layout ? layout->spacing() : -1;
    if (layout && abstand < 0) abstand = d.style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    const auto anwenden = [&](double f) {
        QFont schrift = basis;
        if (basis.pointSizeF() > 0)
            schrift.setPointSizeF(basis.pointSizeF() * f);
        else
            schrift.setPixelSize(std::max(1, static_cast<int>(basis.pixelSize() * f + 0.5)));
        d.setFont(schrift);
        if (layout) {
            if (abstand >= 0) layout->setSpacing(static_cast<int>(abstand * f + 0.5));
            layout->activate();
        }
        const QSize s = d.sizeHint();
        return s.width() <= bereich.width() && s.height() + rahmen <= bereich.height();
    };
    // Larger only while it fits; smaller only when the plain size does not fit.
    double f = std::max(faktor, 1.0);
    while (f > 1.0 && !anwenden(f))
        f = std::max(1.0, f - 0.05);
    if (f <= 1.0 && !anwenden(1.0) && faktor < 1.0) {
        f = faktor;
        // On a small screen (or a large scale factor) a tall dialog shrinks
        // on until it fits, but not below what stays readable.
        constexpr double Kleinste = 0.6;
        while (!anwenden(f) && f > Kleinste)
            f = std::max(Kleinste, f - 0.05);
    }
    return f;
}

} // namespace kalvorin
