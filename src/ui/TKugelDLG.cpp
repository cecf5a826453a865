#include "ui/TKugelDLG.h"

#include "ui/Gleichungsseite.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
constexpr TEingabeArt<TKugelEingabe> Kugel{
    .Art = TElementart::DKugel,
    .Neu = KugelEingabeNeu,
    .AusElement = KugelEingabeAusElement,
    .Pruefen = KugelPruefen,
    .FuerNaechste = KugelFuerNaechste,
    .Uebernehmen = KugelUebernehmen,
};
} // namespace

TKugelDLG::TKugelDLG(QWidget* eltern)
    : TElementDialog(Kugel, QStringLiteral("Festlegen einer Kugel"), QStringLiteral("KugelDLGName"),
                     eltern) {
    setObjectName(QStringLiteral("KugelDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    auto* nameLayout = new QHBoxLayout(nameBox);
    nameLayout->addWidget(NameEdit);
    nameLayout->addStretch(1);

    auto* art = new QGroupBox(QStringLiteral("Darstellungsart"));
    MitteRadiusKnopf = new QRadioButton(QStringLiteral("Mittelpunkt und Radius"));
    GleichungKnopf = new QRadioButton(QStringLiteral("Gleichung"));
    MitteRadiusKnopf->setObjectName(QStringLiteral("KugelDLGMitteRadius"));
    GleichungKnopf->setObjectName(QStringLiteral("KugelDLGGleichungKnopf"));
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(MitteRadiusKnopf);
    gruppe->addButton(GleichungKnopf);
    auto* artLayout = new QVBoxLayout(art);
    artLayout->addWidget(MitteRadiusKnopf);
    artLayout->addWidget(GleichungKnopf);

    auto* werte = new QGroupBox(QStringLiteral("Mittelpunkt und Radius"));
    auto* g = new QGridLayout(werte);
    Mitte = {ZahlEdit(QStringLiteral("KugelDLGMX")), ZahlEdit(QStringLiteral("KugelDLGMY")),
             ZahlEdit(QStringLiteral("KugelDLGMZ"))};
    g->addWidget(new QLabel(QStringLiteral("M")), 0, 0);
    TripelZeile(g, 0, 1, Mitte);
    Radius = ZahlEdit(QStringLiteral("KugelDLGRadius"));
    g->addWidget(new QLabel(QStringLiteral("r =")), 1, 0);
    g->addWidget(Radius, 1, 2);

    auto* gleichungBox = new QGroupBox(QStringLiteral("Gleichung"));
    auto* gl = new QVBoxLayout(gleichungBox);
    Gleichung = new QLineEdit;
    Gleichung->setObjectName(QStringLiteral("KugelDLGGleichung"));
    Gleichung->setPlaceholderText(QStringLiteral("x² + y² + z² − 2x + 4y − 6z − 2 = 0"));
    Ergebnis = new QLabel;
    Ergebnis->setObjectName(QStringLiteral("KugelDLGErgebnis"));
    gl->addWidget(Gleichung);
    gl->addWidget(Ergebnis);

    for (QLineEdit* e : {Mitte[0], Mitte[1], Mitte[2], Radius, Gleichung})
        connect(e, &QLineEdit::textChanged, this, [this] { EditGeaendert(); });
    for (QRadioButton* k : {MitteRadiusKnopf, GleichungKnopf})
        connect(k, &QRadioButton::clicked, this, [this] { EditGeaendert(); });

    Zurueckhalten(EntstehungBox);
    auto* b = new QVBoxLayout(bestimmung);
    b->addWidget(nameBox);
    b->addWidget(art);
    b->addWidget(werte);
    b->addWidget(gleichungBox);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(
        DickeGruppe(QStringLiteral("KugelDLGCheckduenn"), QStringLiteral("KugelDLGCheckdick")), 0,
        0);
    e->addWidget(FarbGruppe(QStringLiteral("KugelDLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    Gleichungen = GleichungsSeiteAnlegen(Seiten, QStringLiteral("KugelDLGGleichungen"));
    NameFolgt = false;
    EntstehungBox->hide();
}

QPixmap TKugelDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(60, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QFarbe(farbe), dick ? 3 : 1));
    p.drawEllipse(QPointF(30, 8), 6.5, 6.5);
    return bild;
}

void TKugelDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TKugelEingabe& e = eingabe_;
    BasisZeigen(e);
    const bool gleichung = e.AlsGleichung && !e.NurLesen;
    MitteRadiusKnopf->setChecked(!gleichung);
    GleichungKnopf->setChecked(gleichung);
    MitteRadiusKnopf->setEnabled(!e.NurLesen);
    GleichungKnopf->setEnabled(!e.NurLesen);
    EditsSetzen(Mitte, e.Mitte, e.NurLesen || gleichung);
    TextSetzen(Radius, e.Radius);
    SetzeNurLesen(Radius, e.NurLesen || gleichung);
    TextSetzen(Gleichung, e.Gleichung);
    SetzeNurLesen(Gleichung, e.NurLesen || !gleichung);
    // Typed as an equation: the steps of completing the square; else the
    // centre form of what is typed.
    std::string text;
    if (gleichung) {
        const TKugelGleichung g = KugelAusGleichung(e.Gleichung);
        if (!g.Fehler)
            for (const std::string& zeile : g.Loesungsweg)
                text += (text.empty() ? "" : "\n") + zeile;
    } else {
        TTripel m;
        Real r = 0;
        if (KugelWerte(e, m, r)) text = KugelMittelpunktsform(m, r);
    }
    Ergebnis->setText(QString::fromStdString(text));
}

void TKugelDLG::Sammeln(TKugelEingabe& e) const {
    BasisSammeln(e);
    if (!e.NurLesen) e.AlsGleichung = GleichungKnopf->isChecked();
    e.Mitte = EditTexte(Mitte);
    e.Radius = Text(Radius);
    e.Gleichung = Text(Gleichung);
}

} // namespace kalvorin
