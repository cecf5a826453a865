#pragma once
// Dialogs grow with the screen: font and spacing are scaled by
// max(screen width, 750) / 1024, as far as the dialog still fits the screen.

class QDialog;

namespace kalvorin {

// Call once the dialog and its layout are built; returns the factor used.
double DialogSkalieren(QDialog& dialog);

} // namespace kalvorin
