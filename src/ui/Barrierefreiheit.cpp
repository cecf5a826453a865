#include "ui/Barrierefreiheit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTabWidget>
#include <QWidget>

#include <cstdlib>

namespace kalvorin {

namespace {

// "&Name: " becomes "Name".
QString Bereinigt(QString t) {
    t.remove(QLatin1Char('&'));
    t = t.trimmed();
    while (t.endsWith(QLatin1Char(':')) || t.endsWith(QLatin1Char('=')))
        t.chop(1);
    return t.trimmed();
}

bool Fokussierbar(const QWidget* w) {
    return w->focusPolicy() & Qt::TabFocus;
}

QString EigenerText(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return Bereinigt(b->text());
    return {};
}

// The label whose buddy the widget is.
QString Beschriftung(const QWidget* w) {
    const QWidget* fenster = w->window();
    for (const QLabel* l : fenster->findChildren<QLabel*>())
        if (l->buddy() == w) return Bereinigt(l->text());
    return {};
}

// Fields without a text of their own, in the group that holds w.
QList<QWidget*> Geschwister(const QGroupBox* g) {
    QList<QWidget*> felder;
    for (QWidget* k : g->findChildren<QWidget*>())
        if (Fokussierbar(k) && EigenerText(k).isEmpty() &&
            (qobject_cast<QLineEdit*>(k) || qobject_cast<QComboBox*>(k) ||
             qobject_cast<QAbstractSpinBox*>(k)))
            felder << k;
    return felder;
}

QString AusGruppe(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        const auto* g = qobject_cast<const QGroupBox*>(p);
        if (!g) continue;
        const QString titel = Bereinigt(g->title());
        if (titel.isEmpty()) continue;
        const QList<QWidget*> felder = Geschwister(g);
        const auto i = felder.indexOf(w);
        if (felder.size() <= 1 || i < 0) return titel;
        if (felder.size() == 3) return titel + QStringLiteral(" x %1").arg(i + 1);
        return titel + QStringLiteral(", Feld %1").arg(i + 1);
    }
    return {};
}

QString Name(QWidget* w) {
    QString n = EigenerText(w);
    if (n.isEmpty()) n = Beschriftung(w);
    if (n.isEmpty()) n = AusGruppe(w);
    if (n.isEmpty()) n = Bereinigt(w->toolTip());
    if (n.isEmpty()) {
        // A control standing alone in a page: the page's title.
        for (QWidget* p = w->parentWidget(); p && n.isEmpty(); p = p->parentWidget())
            if (auto* t = qobject_cast<QTabWidget*>(
                    p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
                n = Bereinigt(t->tabText(t->indexOf(p)));
    }
    // Last of all the title of its window (the object list's grid).
    if (n.isEmpty() && w->window() != w) n = Bereinigt(w->window()->windowTitle());
    return n;
}

} // namespace

void ZugaenglicheNamenSetzen(QWidget* fenster) {
    if (!fenster) return;
    QList<QWidget*> alle = fenster->findChildren<QWidget*>();
    alle.prepend(fenster);
    for (QWidget* w : alle) {
        if (!Fokussierbar(w)) continue;
        if (w->accessibleName().isEmpty()) {
            // The widget's own text is what Qt reads out anyway; the name is
            // set only where Qt would find none.
            QString n = Name(w);
            if (!n.isEmpty() && n != EigenerText(w)) w->setAccessibleName(n);
        }
        if (w->accessibleDescription().isEmpty() && !w->toolTip().isEmpty())
            w->setAccessibleDescription(w->toolTip());
    }
}

bool TZugangsHelfer::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show && objekt->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objekt);
        if (w->isWindow()) ZugaenglicheNamenSetzen(w);
    }
    return false;
}

void ZugangsHelferEinrichten() {
    static TZugangsHelfer* helfer = nullptr;
    if (helfer || !qApp) return;
    helfer = new TZugangsHelfer(qApp);
    qApp->installEventFilter(helfer);
}

bool DesktopHoherKontrast() {
    if (const char* k = std::getenv("KALVORIN_KONTRAST")) return k[0] == '1';
    if (const char* thema = std::getenv("GTK_THEME"))
        if (QString::fromLocal8Bit(thema).contains(QLatin1String("HighContrast"),
                                                   Qt::CaseInsensitive))
            return true;
    const QPalette p = QApplication::palette();
    const QColor fenster = p.color(QPalette::Window), text = p.color(QPalette::WindowText);
    const auto rein = [](const QColor& c, int wert) {
        return c.red() == wert && c.green() == wert && c.blue() == wert;
    };
    return (rein(fenster, 255) && rein(text, 0)) || (rein(fenster, 0) && rein(text, 255));
}

double DesktopSchriftfaktor() {
    const QFontInfo info(QApplication::font());
    // 9 points at 96 dpi are 12 pixels.
    const double faktor = info.pixelSize() / 12.0;
    return faktor > 0 ? faktor : 1.0;
}

double AnsichtSchriftfaktor() {
    const double f = DesktopSchriftfaktor();
    return f < 1.05 ? 1.0 : f;
}

void ErgebnisAnsagen(const QString& text) {
    QWidget* w = QApplication::focusWidget();
    if (!w) w = QApplication::activeWindow();
    Ansagen(w, text);
}

void Ansagen(QWidget* w, const QString& text) {
    if (!w) return;
    w->setAccessibleDescription(text);
    QAccessibleEvent e(w, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&e);
    QAccessibleEvent ansage(w, QAccessible::Alert);
    QAccessible::updateAccessibility(&ansage);
}

} // namespace kalvorin
