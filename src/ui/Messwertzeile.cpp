#include "ui/Messwertzeile.h"

#include <QEvent>
#include <QHBoxLayout>

namespace kalvorin {

TMesswertLabel::TMesswertLabel(const QString& objektName, const QString& muster, QWidget* eltern)
    : QLabel(eltern), muster_(muster) {
    setObjectName(objektName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setContentsMargins(4, 2, 4, 2);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    Platz();
}

void TMesswertLabel::SetzeWert(const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (this->text() != t) setText(t);
}

void TMesswertLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    // The dialogs scale their font once they are built.
    if (e->type() == QEvent::FontChange) Platz();
}

void TMesswertLabel::Platz() {
    setMinimumWidth(fontMetrics().horizontalAdvance(muster_) + 8);
}

TMesswertzeile::TMesswertzeile(const QString& titel, const QString& wertName, const QString& muster,
                               QWidget* eltern)
    : QWidget(eltern) {
    Titel = new QLabel(titel);
    WertLabel = new TMesswertLabel(wertName, muster);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Titel);
    l->addWidget(WertLabel);
    l->addStretch(1);
}

} // namespace kalvorin
