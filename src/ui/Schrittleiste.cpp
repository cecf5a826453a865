#include "ui/Schrittleiste.h"

#include "ui/Hilfe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace kalvorin {

TSchrittleiste::TSchrittleiste(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Schrittleiste"));
    THilfe::SetzeThema(this, QStringLiteral("IDH_Schrittweise"));
    ZurueckButton = new QPushButton(QStringLiteral("Schritt zurück"));
    ZurueckButton->setObjectName(QStringLiteral("SchrittZurueckButton"));
    VorButton = new QPushButton(QStringLiteral("Schritt vor"));
    VorButton->setObjectName(QStringLiteral("SchrittVorButton"));
    // The keys stay with the view: the arrows and a presenter's keys step.
    for (QPushButton* b : {ZurueckButton, VorButton}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    ZurueckButton->setToolTip(QStringLiteral("Einen Schritt zurück (Pfeil links, Bild auf)"));
    VorButton->setToolTip(QStringLiteral("Einen Schritt vor (Pfeil rechts, Bild ab)"));
    Anzeige = new QLabel;
    Anzeige->setObjectName(QStringLiteral("SchrittAnzeige"));
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->addWidget(ZurueckButton);
    zeile->addWidget(VorButton);
    zeile->addSpacing(12);
    zeile->addWidget(Anzeige);
    zeile->addStretch();
    connect(ZurueckButton, &QPushButton::clicked, this, &TSchrittleiste::Zurueck);
    connect(VorButton, &QPushButton::clicked, this, &TSchrittleiste::Vor);
}

void TSchrittleiste::Anzeigen(int k, int n) {
    Anzeige->setText(QStringLiteral("Schritt %1 von %2").arg(k).arg(n));
    ZurueckButton->setEnabled(k > 0);
    VorButton->setEnabled(k < n);
}

QString TSchrittleiste::Text() const {
    return Anzeige->text();
}

} // namespace kalvorin
