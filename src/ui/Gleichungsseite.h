#pragma once
// The page "Gleichungen" of the line and plane dialogs in properties mode:
// the element in the forms of the lesson, exact.

class QTabWidget;
class QPlainTextEdit;
class QString;

namespace kalvorin {

class TDreiDBasisElement;

// Adds the page (hidden until shown for an element).
QPlainTextEdit* GleichungsSeiteAnlegen(QTabWidget* seiten, const QString& objektname);
// Shows the forms of the element on the page; null hides the page (a new
// element has no equations yet).
void GleichungsSeiteZeigen(QTabWidget* seiten, QPlainTextEdit* seite, const TDreiDBasisElement* e);

} // namespace kalvorin
