#include "ui/TMainForm.h"

namespace kalvorin {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Kalvorin - Analytische Geometrie"));
    resize(800, 600);
}

} // namespace kalvorin
