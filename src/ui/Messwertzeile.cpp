#include "ui/Messwertzeile.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace kalvorin {

TMesswertzeile::TMesswertzeile(const QString& titel, const QString& wertName, const QString& muster,
                               QWidget* eltern)
    : QWidget(eltern), muster_(muster) {
    Titel = new QLabel(titel);
    WertLabel = new QLabel;
    WertLabel->setObjectName(wertName);
    WertLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Titel);
    l->addWidget(WertLabel);
    l->addStretch(1);
    Platz();
}

void TMesswertzeile::SetzeWert(const std::string& text) {
    WertLabel->setText(QString::fromStdString(text));
}

QString TMesswertzeile::Wert() const {
    return WertLabel->text();
}

void TMesswertzeile::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // The dialogs scale their font once they are built.
    if (e->type() == QEvent::FontChange) Platz();
}

void TMesswertzeile::Platz() {
    WertLabel->setMinimumWidth(WertLabel->fontMetrics().horizontalAdvance(muster_) + 4);
}

} // namespace kalvorin
