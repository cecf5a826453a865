#include "ui/TPyramide3DLG.h"

#include "document/Dokument.h"
#include "ui/Messwertzeile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
constexpr TEingabeArt<TPyramidenEingabe> Pyramide{
    .Art = TElementart::DPyramide3,
    .Neu = PyramideEingabeNeu,
    .AusElement = PyramideEingabeAusElement,
    .Pruefen = PyramidePruefen,
    .FuerNaechste = nullptr,
    .Uebernehmen = PyramideUebernehmen,
};
} // namespace

TPyramide3DLG::TPyramide3DLG(QWidget* eltern)
    : TElementDialog(Pyramide, QStringLiteral("Erzeugen einer Pyramide"),
                     QStringLiteral("Pyramide3DLGName"), eltern) {
    setObjectName(QStringLiteral("Pyramide3DLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    auto* volumenBox = new QGroupBox;
    volumenBox->setObjectName(QStringLiteral("Pyramide3DLGVolumen"));
    VolumenWert = new TMesswertLabel(QStringLiteral("Pyramide3DLGVolumenWert"));
    auto* vl = new QHBoxLayout(volumenBox);
    vl->addWidget(new QLabel(QStringLiteral("Volumen:")));
    vl->addWidget(VolumenWert, 1);

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameBox);
    oben->addStretch(1);
    oben->addWidget(volumenBox);

    SpitzeBox =
        TeilGruppe(QStringLiteral("Spitze"), QStringLiteral("Pyramide3DLGSpitze"),
                   QStringLiteral("Pyramide3DLGSpitzeName"), QStringLiteral("Pyramide3DLGSpitzeX"),
                   QStringLiteral("Pyramide3DLGSpitzeY"), QStringLiteral("Pyramide3DLGSpitzeZ"),
                   SpitzeName, Spitze);
    connect(SpitzeName, &QComboBox::editTextChanged, this, [this] { SpitzeGewaehlt(); });
    for (QLineEdit* e : Spitze)
        connect(e, &QLineEdit::textChanged, this, [this] { EditGeaendert(); });

    DreieckBox = new QGroupBox(QStringLiteral("Grunddreieck"));
    DreieckBox->setObjectName(QStringLiteral("Pyramide3DLGGrunddreieck"));
    DreieckName = NamenListe(QStringLiteral("Pyramide3DLGDreieckName"));
    auto* dl = new QHBoxLayout(DreieckBox);
    dl->addWidget(DreieckName);
    dl->addStretch(1);
    connect(DreieckName, &QComboBox::currentIndexChanged, this, [this] { EditGeaendert(); });

    auto* b = new QVBoxLayout(bestimmung);
    b->addLayout(oben);
    b->addWidget(SpitzeBox);
    b->addWidget(DreieckBox);
    b->addWidget(EntstehungBox);
    b->addStretch(1);
    Zurueckhalten(EntstehungBox);

    // Page "Eigenschaften"
    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(DickeGruppe(QStringLiteral("Pyramide3DLGCheckduenn"),
                             QStringLiteral("Pyramide3DLGCheckdick")),
                 0, 0);
    e->addWidget(FarbGruppe(QStringLiteral("Pyramide3DLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    // Each accepted dialog makes exactly one pyramid.
    UebernehmenKnopf->hide();
    EntstehungBox->hide();
}

QPixmap TPyramide3DLG::Muster(bool dick, TFarbe farbe) const {
    return LinienMuster(dick, farbe);
}

void TPyramide3DLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TPyramidenEingabe& e = eingabe_;
    BasisZeigen(e);
    // Filling a list empties its edit text: only when the entries changed.
    if (punkteGezeigt_ != e.Punkte || SpitzeName->count() != static_cast<int>(e.Punkte.size())) {
        ListeFuellen(SpitzeName, e.Punkte, false);
        punkteGezeigt_ = e.Punkte;
    }
    if (dreieckeGezeigt_ != e.Dreiecke ||
        DreieckName->count() != static_cast<int>(e.Dreiecke.size())) {
        ListeFuellen(DreieckName, e.Dreiecke, false);
        dreieckeGezeigt_ = e.Dreiecke;
    }
    TextSetzen(SpitzeName, e.Spitze.Name);
    EditsSetzen(Spitze, e.Spitze.Werte, e.Spitze.Fest || e.Abgeleitet);
    ListeWaehlen(DreieckName, e.Dreieck);
    SpitzeBox->setEnabled(!e.Abgeleitet);
    DreieckBox->setEnabled(!e.Abgeleitet);
    VolumenWert->SetzeWert(Dokument ? PyramidenVolumen(Dokument->Liste(), e) : std::string());
}

void TPyramide3DLG::Sammeln(TPyramidenEingabe& e) const {
    BasisSammeln(e);
    e.Spitze = {SpitzeName->currentText().toStdString(), EditTexte(Spitze), e.Spitze.Fest};
    e.Dreieck = ListenAuswahl(DreieckName);
}

void TPyramide3DLG::SpitzeGewaehlt() {
    TeilGeaendert(&TPyramidenEingabe::Spitze, PunktArten);
}

} // namespace kalvorin
