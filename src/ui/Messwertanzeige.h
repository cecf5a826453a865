#pragma once
// The live values of the element dialogs ("6 FE", "90°", "6 VE"): a label
// that the dialog rewrites while the user types. The texts come from the
// input models (FormatMeasure and the unit); an empty text clears the label.

#include <QString>

#include <string>

class QLabel;

namespace kalvorin {

QLabel* MesswertLabel(const QString& objektName);
void MesswertZeigen(QLabel* label, const std::string& text);

} // namespace kalvorin
