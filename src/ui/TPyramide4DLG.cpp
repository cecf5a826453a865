#include "ui/TPyramide4DLG.h"

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
    .Art = TElementart::DPyramide4,
    .Neu = Pyramide4EingabeNeu,
    .AusElement = Pyramide4EingabeAusElement,
    .Pruefen = PyramidePruefen,
    .FuerNaechste = nullptr,
    .Uebernehmen = PyramideUebernehmen,
};
} // namespace

TPyramide4DLG::TPyramide4DLG(QWidget* eltern)
    : TElementDialog(Pyramide, QStringLiteral("Erzeugen einer vierseitigen Pyramide"),
                     QStringLiteral("Pyramide4DLGName"), eltern) {
    setObjectName(QStringLiteral("Pyramide4DLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    auto* volumenBox = new QGroupBox;
    volumenBox->setObjectName(QStringLiteral("Pyramide4DLGVolumen"));
    VolumenWert = new TMesswertLabel(QStringLiteral("Pyramide4DLGVolumenWert"));
    auto* vl = new QHBoxLayout(volumenBox);
    vl->addWidget(new QLabel(QStringLiteral("Volumen:")));
    vl->addWidget(VolumenWert, 1);

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameBox);
    oben->addStretch(1);
    oben->addWidget(volumenBox);

    SpitzeBox =
        TeilGruppe(QStringLiteral("Spitze"), QStringLiteral("Pyramide4DLGSpitze"),
                   QStringLiteral("Pyramide4DLGSpitzeName"), QStringLiteral("Pyramide4DLGSpitzeX"),
                   QStringLiteral("Pyramide4DLGSpitzeY"), QStringLiteral("Pyramide4DLGSpitzeZ"),
                   SpitzeName, Spitze);
    connect(SpitzeName, &QComboBox::editTextChanged, this, [this] { SpitzeGewaehlt(); });
    for (QLineEdit* e : Spitze)
        connect(e, &QLineEdit::textChanged, this, [this] { EditGeaendert(); });

    ViereckBox = new QGroupBox(QStringLiteral("Grundviereck"));
    ViereckBox->setObjectName(QStringLiteral("Pyramide4DLGGrundviereck"));
    ViereckName = NamenListe(QStringLiteral("Pyramide4DLGViereckName"));
    auto* dl = new QHBoxLayout(ViereckBox);
    dl->addWidget(ViereckName);
    dl->addStretch(1);
    connect(ViereckName, &QComboBox::currentIndexChanged, this, [this] { EditGeaendert(); });

    auto* b = new QVBoxLayout(bestimmung);
    b->addLayout(oben);
    b->addWidget(SpitzeBox);
    b->addWidget(ViereckBox);
    b->addWidget(EntstehungBox);
    b->addStretch(1);
    Zurueckhalten(EntstehungBox);

    // Page "Eigenschaften"
    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(DickeGruppe(QStringLiteral("Pyramide4DLGCheckduenn"),
                             QStringLiteral("Pyramide4DLGCheckdick")),
                 0, 0);
    e->addWidget(FarbGruppe(QStringLiteral("Pyramide4DLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    // Each accepted dialog makes exactly one pyramid.
    UebernehmenKnopf->hide();
    EntstehungBox->hide();
}

QPixmap TPyramide4DLG::Muster(bool dick, TFarbe farbe) const {
    return LinienMuster(dick, farbe);
}

void TPyramide4DLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TPyramidenEingabe& e = eingabe_;
    BasisZeigen(e);
    // Filling a list empties its edit text: only when the entries changed.
    if (punkteGezeigt_ != e.Punkte || SpitzeName->count() != static_cast<int>(e.Punkte.size())) {
        ListeFuellen(SpitzeName, e.Punkte, false);
        punkteGezeigt_ = e.Punkte;
    }
    if (vierecke_ != e.Dreiecke || ViereckName->count() != static_cast<int>(e.Dreiecke.size())) {
        ListeFuellen(ViereckName, e.Dreiecke, false);
        vierecke_ = e.Dreiecke;
    }
    TextSetzen(SpitzeName, e.Spitze.Name);
    EditsSetzen(Spitze, e.Spitze.Werte, e.Spitze.Fest || e.Abgeleitet);
    ListeWaehlen(ViereckName, e.Dreieck);
    SpitzeBox->setEnabled(!e.Abgeleitet);
    ViereckBox->setEnabled(!e.Abgeleitet);
    VolumenWert->SetzeWert(Dokument ? PyramidenVolumen(Dokument->Liste(), e) : std::string());
}

void TPyramide4DLG::Sammeln(TPyramidenEingabe& e) const {
    BasisSammeln(e);
    e.Spitze = {SpitzeName->currentText().toStdString(), EditTexte(Spitze), e.Spitze.Fest};
    e.Dreieck = ListenAuswahl(ViereckName);
}

void TPyramide4DLG::SpitzeGewaehlt() {
    TeilGeaendert(&TPyramidenEingabe::Spitze, PunktArten);
}

} // namespace kalvorin
