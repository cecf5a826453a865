#include "ui/Messwertanzeige.h"

#include <QLabel>

namespace kalvorin {

QLabel* MesswertLabel(const QString& objektName) {
    auto* l = new QLabel;
    l->setObjectName(objektName);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Framed like a read-only field: a value to read, not to type.
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Button);
    l->setContentsMargins(4, 2, 4, 2);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for the widest value the format gives ("-123457 FE"), so the
    // dialog does not change its width while the user types.
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-8888888,88 FE")) + 8);
    return l;
}

void MesswertZeigen(QLabel* label, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (label->text() != t)
        label->setText(t);
}

} // namespace kalvorin
