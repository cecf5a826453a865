#include "ui/TKreisDLG.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
constexpr TEingabeArt<TKreisEingabe> Kreis{
    .Art = TElementart::DKreis,
    .Neu = KreisEingabeNeu,
    .AusElement = KreisEingabeAusElement,
    .Pruefen = KreisPruefen,
    .FuerNaechste = KreisFuerNaechste,
    .Uebernehmen = KreisUebernehmen,
};
} // namespace

TKreisDLG::TKreisDLG(QWidget* eltern)
    : TElementDialog(Kreis, QStringLiteral("Festlegen eines Kreises"),
                     QStringLiteral("KreisDLGName"), eltern) {
    setObjectName(QStringLiteral("KreisDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    auto* nameLayout = new QHBoxLayout(nameBox);
    nameLayout->addWidget(NameEdit);
    nameLayout->addStretch(1);

    auto* werte = new QGroupBox(QStringLiteral("Mittelpunkt, Normalenvektor und Radius"));
    auto* g = new QGridLayout(werte);
    Mitte = {ZahlEdit(QStringLiteral("KreisDLGMX")), ZahlEdit(QStringLiteral("KreisDLGMY")),
             ZahlEdit(QStringLiteral("KreisDLGMZ"))};
    Normale = {ZahlEdit(QStringLiteral("KreisDLGNX")), ZahlEdit(QStringLiteral("KreisDLGNY")),
               ZahlEdit(QStringLiteral("KreisDLGNZ"))};
    g->addWidget(new QLabel(QStringLiteral("M")), 0, 0);
    TripelZeile(g, 0, 1, Mitte);
    g->addWidget(new QLabel(QStringLiteral("n")), 1, 0);
    TripelZeile(g, 1, 1, Normale);
    Radius = ZahlEdit(QStringLiteral("KreisDLGRadius"));
    g->addWidget(new QLabel(QStringLiteral("r =")), 2, 0);
    g->addWidget(Radius, 2, 2);
    for (QLineEdit* e : {Mitte[0], Mitte[1], Mitte[2], Normale[0], Normale[1], Normale[2], Radius})
        connect(e, &QLineEdit::textChanged, this, [this] { EditGeaendert(); });

    Zurueckhalten(EntstehungBox);
    auto* b = new QVBoxLayout(bestimmung);
    b->addWidget(nameBox);
    b->addWidget(werte);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(
        DickeGruppe(QStringLiteral("KreisDLGCheckduenn"), QStringLiteral("KreisDLGCheckdick")), 0,
        0);
    e->addWidget(FarbGruppe(QStringLiteral("KreisDLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    NameFolgt = false;
    EntstehungBox->hide();
}

QPixmap TKreisDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(60, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QFarbe(farbe), dick ? 3 : 1));
    p.drawEllipse(QPointF(30, 8), 12, 5);
    return bild;
}

void TKreisDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TKreisEingabe& e = eingabe_;
    BasisZeigen(e);
    EditsSetzen(Mitte, e.Mitte, e.NurLesen);
    EditsSetzen(Normale, e.Normale, e.NurLesen);
    TextSetzen(Radius, e.Radius);
    SetzeNurLesen(Radius, e.NurLesen);
}

void TKreisDLG::Sammeln(TKreisEingabe& e) const {
    BasisSammeln(e);
    e.Mitte = EditTexte(Mitte);
    e.Normale = EditTexte(Normale);
    e.Radius = Text(Radius);
}

} // namespace kalvorin
