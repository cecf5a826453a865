#include "ui/TGeradenDLG.h"

#include "document/Dokument.h"
#include "ui/Gleichungsseite.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
constexpr TEingabeArt<TGeradenEingabe> Gerade{
    .Art = TElementart::DGerade,
    .Neu = GeradeEingabeNeu,
    .AusElement = GeradeEingabeAusElement,
    .Pruefen = GeradePruefen,
    .FuerNaechste = GeradeFuerNaechste,
    .Uebernehmen = GeradeUebernehmen,
};
} // namespace

TGeradenDLG::TGeradenDLG(QWidget* eltern)
    : TElementDialog(Gerade, QStringLiteral("Festlegen einer Geraden"),
                     QStringLiteral("GeradenDLGName"), eltern) {
    setObjectName(QStringLiteral("GeradenDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral(" Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    auto* art = new QGroupBox(QStringLiteral(" Darstellungsart "));
    art->setObjectName(QStringLiteral("GeradenDLGDarstellungsart"));
    PaButton = new QRadioButton(QStringLiteral("Parameterform"));
    PPButton = new QRadioButton(QStringLiteral("Punkt-Punkt"));
    PVButton = new QRadioButton(QStringLiteral("Punkt-Vektor"));
    PaButton->setObjectName(QStringLiteral("GeradenDLGPaButton"));
    PPButton->setObjectName(QStringLiteral("GeradenDLGPPButton"));
    PVButton->setObjectName(QStringLiteral("GeradenDLGPVButton"));
    auto* gruppe = new QButtonGroup(this);
    auto* artLayout = new QHBoxLayout(art);
    for (QRadioButton* r : {PaButton, PPButton, PVButton}) {
        gruppe->addButton(r);
        artLayout->addWidget(r);
    }
    connect(PaButton, &QRadioButton::clicked, this, [this] { ParameterformGeklickt(); });
    for (QRadioButton* r : {PPButton, PVButton})
        connect(r, &QRadioButton::clicked, this, [this] {
            Sammeln(eingabe_);
            Zeigen();
        });

    // " Parameterform ": x = ( point ) + l * ( direction )
    PABox = new QGroupBox(QStringLiteral(" Parameterform "));
    PABox->setObjectName(QStringLiteral("GeradenDLGPABox"));
    const char* pNamen[3] = {"GeradenDLGPARPX", "GeradenDLGPARPY", "GeradenDLGPARPZ"};
    const char* vNamen[3] = {"GeradenDLGPARVX", "GeradenDLGPARVY", "GeradenDLGPARVZ"};
    for (int i = 0; i < 3; ++i) {
        ParPunkt[static_cast<std::size_t>(i)] = ZahlEdit(QString::fromLatin1(pNamen[i]));
        ParRichtung[static_cast<std::size_t>(i)] = ZahlEdit(QString::fromLatin1(vNamen[i]));
    }
    auto* pa = new QGridLayout(PABox);
    auto* xPfeil =
        new QLabel(QStringLiteral("<span style=\"font-size:large\"><i>x</i>&#8407;</span> ="));
    xPfeil->setTextFormat(Qt::RichText);
    pa->addWidget(xPfeil, 0, 0, Qt::AlignRight);
    TripelZeile(pa, 0, 1, ParPunkt);
    pa->addWidget(Zeichen(QStringLiteral("+ l *")), 1, 0, Qt::AlignRight);
    TripelZeile(pa, 1, 1, ParRichtung);
    pa->setColumnStretch(8, 1);

    PPAnfang =
        TeilGruppe(QStringLiteral(" 1. Punkt "), QStringLiteral("GeradenDLGPPAnfang"),
                   QStringLiteral("GeradenDLGPP1"), QStringLiteral("GeradenDLGPPX1"),
                   QStringLiteral("GeradenDLGPPY1"), QStringLiteral("GeradenDLGPPZ1"), PP1, P1);
    PPEnde =
        TeilGruppe(QStringLiteral(" 2. Punkt "), QStringLiteral("GeradenDLGPPEnde"),
                   QStringLiteral("GeradenDLGPP2"), QStringLiteral("GeradenDLGPPX2"),
                   QStringLiteral("GeradenDLGPPY2"), QStringLiteral("GeradenDLGPPZ2"), PP2, P2);
    PVAnfang =
        TeilGruppe(QStringLiteral(" Anfangspunkt "), QStringLiteral("GeradenDLGPVAnfang"),
                   QStringLiteral("GeradenDLGPV1"), QStringLiteral("GeradenDLGPVX1"),
                   QStringLiteral("GeradenDLGPVY1"), QStringLiteral("GeradenDLGPVZ1"), PV1, A);
    PVVektor =
        TeilGruppe(QStringLiteral(" Richtungsvektor "), QStringLiteral("GeradenDLGPVVektor"),
                   QStringLiteral("GeradenDLGPV2"), QStringLiteral("GeradenDLGPVX2"),
                   QStringLiteral("GeradenDLGPVY2"), QStringLiteral("GeradenDLGPVZ2"), PV2, V);

    for (TEdits* edits : {&ParPunkt, &ParRichtung})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { FeldGeaendert(WegParameterform); });
    for (TEdits* edits : {&P1, &P2})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { FeldGeaendert(WegPunktPunkt); });
    for (TEdits* edits : {&A, &V})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { FeldGeaendert(WegPunktVektor); });
    const auto combo = [this](QComboBox* c, TTeilEingabe TGeradenEingabe::*teil,
                              std::uint32_t arten, int weg) {
        connect(c, &QComboBox::editTextChanged, this,
                [this, teil, arten, weg] { NameGewaehlt(teil, arten, weg); });
    };
    combo(PP1, &TGeradenEingabe::P1, PunktArten, WegPunktPunkt);
    combo(PP2, &TGeradenEingabe::P2, PunktArten, WegPunktPunkt);
    combo(PV1, &TGeradenEingabe::A, PunktArten, WegPunktVektor);
    combo(PV2, &TGeradenEingabe::V, VektorArten, WegPunktVektor);

    // The three ways take turns in one place.
    auto* wechsel = new QGridLayout;
    auto* pp = new QWidget;
    auto* ppLayout = new QVBoxLayout(pp);
    ppLayout->setContentsMargins(0, 0, 0, 0);
    ppLayout->addWidget(PPAnfang);
    ppLayout->addWidget(PPEnde);
    auto* pv = new QWidget;
    auto* pvLayout = new QVBoxLayout(pv);
    pvLayout->setContentsMargins(0, 0, 0, 0);
    pvLayout->addWidget(PVAnfang);
    pvLayout->addWidget(PVVektor);
    wechsel->addWidget(PABox, 0, 0, Qt::AlignTop);
    wechsel->addWidget(pp, 0, 0, Qt::AlignTop);
    wechsel->addWidget(pv, 0, 0, Qt::AlignTop);
    for (QWidget* w : std::initializer_list<QWidget*>{PABox, pp, pv, PPAnfang, PPEnde, PVAnfang,
                                                      PVVektor, EntstehungBox})
        Zurueckhalten(w);

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameBox);
    oben->addWidget(art, 1);
    auto* b = new QVBoxLayout(bestimmung);
    b->addLayout(oben);
    b->addLayout(wechsel);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    // Page "Eigenschaften"
    auto* darstellung = new QGroupBox(QStringLiteral("Darstellung"));
    RandCheck = new QCheckBox(QStringLiteral("mit Rand"));
    RandCheck->setObjectName(QStringLiteral("GeradenDLGRandCheck"));
    (new QHBoxLayout(darstellung))->addWidget(RandCheck);
    QWidget* eigenschaften = EigenschaftsSeite(
        darstellung, QStringLiteral("GeradenDLGcheckduenn"), QStringLiteral("GeradenDLGCheckdick"),
        QStringLiteral("GeradenDLGFarbe"), QStringLiteral("GeradenDLGHilfslinien"));

    Fertigstellen(bestimmung, eigenschaften);
    Gleichungen = GleichungsSeiteAnlegen(Seiten, QStringLiteral("GeradenDLGGleichungen"));
    PaButton->setChecked(true);
    WegZeigen(WegParameterform);
    EntstehungBox->hide();
}

QPixmap TGeradenDLG::Muster(bool dick, TFarbe farbe) const {
    return LinienMuster(dick, farbe);
}

QRadioButton* TGeradenDLG::Knopf(int weg) const {
    return weg == WegPunktPunkt ? PPButton : (weg == WegPunktVektor ? PVButton : PaButton);
}

int TGeradenDLG::GewaehlterWeg() const {
    return PPButton->isChecked() ? WegPunktPunkt
                                 : (PVButton->isChecked() ? WegPunktVektor : WegParameterform);
}

void TGeradenDLG::WegZeigen(int weg) {
    Knopf(weg)->setChecked(true);
    PABox->setVisible(weg == WegParameterform);
    PPAnfang->parentWidget()->setVisible(weg == WegPunktPunkt);
    PPAnfang->setVisible(weg == WegPunktPunkt);
    PPEnde->setVisible(weg == WegPunktPunkt);
    PVAnfang->parentWidget()->setVisible(weg == WegPunktVektor);
    PVAnfang->setVisible(weg == WegPunktVektor);
    PVVektor->setVisible(weg == WegPunktVektor);
}

void TGeradenDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TGeradenEingabe& e = eingabe_;
    BasisZeigen(e);
    WegZeigen(e.Weg);
    PaButton->setEnabled(e.ParameterformAktiv);
    PPButton->setEnabled(e.PunktPunktAktiv);
    PVButton->setEnabled(e.PunktVektorAktiv);
    EditsSetzen(ParPunkt, e.ParPunkt, e.ParameterformFest);
    EditsSetzen(ParRichtung, e.ParRichtung, e.ParameterformFest);
    // Filling a list empties its edit text: only when the entries changed.
    if (punkteGezeigt_ != e.Punkte || PP1->count() != static_cast<int>(e.Punkte.size())) {
        for (QComboBox* c : {PP1, PP2, PV1})
            ListeFuellen(c, e.Punkte, false);
        punkteGezeigt_ = e.Punkte;
    }
    if (vektorenGezeigt_ != e.Vektoren || PV2->count() != static_cast<int>(e.Vektoren.size())) {
        ListeFuellen(PV2, e.Vektoren, false);
        vektorenGezeigt_ = e.Vektoren;
    }
    const std::pair<QComboBox*, const TTeilEingabe*> teile[] = {
        {PP1, &e.P1}, {PP2, &e.P2}, {PV1, &e.A}, {PV2, &e.V}};
    const TEdits* edits[] = {&P1, &P2, &A, &V};
    for (std::size_t i = 0; i < 4; ++i) {
        TextSetzen(teile[i].first, teile[i].second->Name);
        EditsSetzen(*edits[i], teile[i].second->Werte, teile[i].second->Fest);
    }
}

void TGeradenDLG::Sammeln(TGeradenEingabe& e) const {
    BasisSammeln(e);
    e.Weg = GewaehlterWeg();
    e.ParPunkt = EditTexte(ParPunkt);
    e.ParRichtung = EditTexte(ParRichtung);
    e.P1 = {PP1->currentText().toStdString(), EditTexte(P1), e.P1.Fest};
    e.P2 = {PP2->currentText().toStdString(), EditTexte(P2), e.P2.Fest};
    e.A = {PV1->currentText().toStdString(), EditTexte(A), e.A.Fest};
    e.V = {PV2->currentText().toStdString(), EditTexte(V), e.V.Fest};
}

void TGeradenDLG::FeldGeaendert(int weg) {
    Geaendert([weg](TGeradenEingabe& e) { e.WegGeaendert(weg); });
}

void TGeradenDLG::NameGewaehlt(TTeilEingabe TGeradenEingabe::*teil, std::uint32_t arten, int weg) {
    TeilGeaendert(teil, arten, [weg](TGeradenEingabe& e) { e.WegGeaendert(weg); });
}

void TGeradenDLG::ParameterformGeklickt() {
    if (!Dokument) return;
    Sammeln(eingabe_);
    const std::string meldung = GeradeParameterformGewaehlt(eingabe_, Dokument->Liste());
    Zeigen();
    if (!meldung.empty()) Warnung(meldung);
}

} // namespace kalvorin
