#pragma once
// Working without a mouse and with a screen reader: accessible names for the
// controls of every window, the desktop's wish for high contrast and its
// font scaling, and announcements for the screen reader.

#include <QObject>
#include <QString>

class QWidget;

namespace kalvorin {

// Gives every focusable control of the window (and of its children) that
// has no accessible name one: its label's or its own text, else the title of
// the group it stands in (numbered "x 1", "x 2", "x 3" when the group holds
// three such fields, as the coordinates do), else its tool tip. The tool tip
// becomes the description where there is none. Names set before stay.
void ZugaenglicheNamenSetzen(QWidget* fenster);

// Every window shown from now on gets its accessible names: installed once
// on the application.
class TZugangsHelfer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
void ZugangsHelferEinrichten();

// The desktop asks for high contrast: the environment names a high-contrast
// theme (GTK_THEME, or KALVORIN_KONTRAST=1 to force it), or the
// application's palette puts pure black and pure white against each other
// for window and text (as the desktops' high-contrast themes do; the usual
// themes use a grey window).
bool DesktopHoherKontrast();

// The desktop's font scaling: the application font's height against the
// usual 9-point font at 96 dpi (1 for the usual size, 2 at 200 %).
double DesktopSchriftfaktor();
// What the view makes of it: names, tick numbers and lines grow with a
// larger desktop font, never shrink; within 5 % of the usual size the
// picture stays exactly as it is.
double AnsichtSchriftfaktor();

// Tells the screen reader: the text becomes the widget's accessible
// description and a name-changed event is sent (announcements of marks and
// measurements).
void Ansagen(QWidget* w, const QString& text);

// A result (of a measurement or an intersection) told to the screen reader
// where the user works: on the widget with the keyboard focus, else on the
// active window.
void ErgebnisAnsagen(const QString& text);

} // namespace kalvorin
