#include "ui/TPfeilDLG.h"

#include "document/Dokument.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
constexpr TEingabeArt<TPfeilEingabe> Pfeil{
    .Art = TElementart::DPfeil,
    .Neu = PfeilEingabeNeu,
    .AusElement = PfeilEingabeAusElement,
    .Pruefen = PfeilPruefen,
    .FuerNaechste = PfeilFuerNaechsten,
    .Uebernehmen = PfeilUebernehmen,
};
} // namespace

TPfeilDLG::TPfeilDLG(QWidget* eltern)
    : TElementDialog(Pfeil, QStringLiteral("Festlegen eines Pfeils"),
                     QStringLiteral("PfeilDLGName"), eltern) {
    setObjectName(QStringLiteral("PfeilDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    auto* art = new QGroupBox(QStringLiteral("Darstellungsart"));
    art->setObjectName(QStringLiteral("PfeilDLGDarstellungsart"));
    PPButton = new QRadioButton(QStringLiteral("Punkt-Punkt"));
    PVButton = new QRadioButton(QStringLiteral("Punkt-Vektor"));
    PPButton->setObjectName(QStringLiteral("PfeilDLGPPButton"));
    PVButton->setObjectName(QStringLiteral("PfeilDLGPVButton"));
    auto* gruppe = new QButtonGroup(this);
    auto* artLayout = new QHBoxLayout(art);
    for (QRadioButton* r : {PPButton, PVButton}) {
        gruppe->addButton(r);
        artLayout->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this] {
            Sammeln(eingabe_);
            Zeigen();
        });
    }

    PPFuss =
        TeilGruppe(QStringLiteral("Fußpunkt"), QStringLiteral("PfeilDLGPPFuss"),
                   QStringLiteral("PfeilDLGPPFName"), QStringLiteral("PfeilDLGPPFX"),
                   QStringLiteral("PfeilDLGPPFY"), QStringLiteral("PfeilDLGPPFZ"), PPFName, PPF);
    PPSpitze =
        TeilGruppe(QStringLiteral("Spitze"), QStringLiteral("PfeilDLGPPSpitze"),
                   QStringLiteral("PfeilDLGPPSName"), QStringLiteral("PfeilDLGPPSX"),
                   QStringLiteral("PfeilDLGPPSY"), QStringLiteral("PfeilDLGPPSZ"), PPSName, PPS);
    PVFuss =
        TeilGruppe(QStringLiteral("Fußpunkt"), QStringLiteral("PfeilDLGPVFuss"),
                   QStringLiteral("PfeilDLGPVFName"), QStringLiteral("PfeilDLGPVFX"),
                   QStringLiteral("PfeilDLGPVFY"), QStringLiteral("PfeilDLGPVFZ"), PVFName, PVF);
    PVVektor =
        TeilGruppe(QStringLiteral("Richtungsvektor"), QStringLiteral("PfeilDLGPVVektor"),
                   QStringLiteral("PfeilDLGPVVName"), QStringLiteral("PfeilDLGPVVX"),
                   QStringLiteral("PfeilDLGPVVY"), QStringLiteral("PfeilDLGPVVZ"), PVVName, PVV);
    for (TEdits* edits : {&PPF, &PPS})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { FeldGeaendert(WegFussSpitze); });
    for (TEdits* edits : {&PVF, &PVV})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { FeldGeaendert(WegFussVektor); });
    const auto combo = [this](QComboBox* c, TTeilEingabe TPfeilEingabe::*teil, std::uint32_t arten,
                              int weg) {
        connect(c, &QComboBox::editTextChanged, this,
                [this, teil, arten, weg] { NameGewaehlt(teil, arten, weg); });
    };
    combo(PPFName, &TPfeilEingabe::PPFuss, PunktArten, WegFussSpitze);
    combo(PPSName, &TPfeilEingabe::PPSpitze, PunktArten, WegFussSpitze);
    combo(PVFName, &TPfeilEingabe::PVFuss, PunktArten, WegFussVektor);
    combo(PVVName, &TPfeilEingabe::PVVektor, VektorArten, WegFussVektor);

    // The two ways take turns in one place.
    auto* wechsel = new QGridLayout;
    const auto paar = [](QGroupBox* a, QGroupBox* b) {
        auto* w = new QWidget;
        auto* l = new QVBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(a);
        l->addWidget(b);
        return w;
    };
    QWidget* pp = paar(PPFuss, PPSpitze);
    QWidget* pv = paar(PVFuss, PVVektor);
    wechsel->addWidget(pp, 0, 0, Qt::AlignTop);
    wechsel->addWidget(pv, 0, 0, Qt::AlignTop);
    for (QWidget* w :
         std::initializer_list<QWidget*>{pp, pv, PPFuss, PPSpitze, PVFuss, PVVektor, EntstehungBox})
        Zurueckhalten(w);

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameBox);
    oben->addWidget(art, 1);
    auto* b = new QVBoxLayout(bestimmung);
    b->addLayout(oben);
    b->addLayout(wechsel);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(
        DickeGruppe(QStringLiteral("PfeilDLGCheckduenn"), QStringLiteral("PfeilDLGCheckdick")), 0,
        0);
    e->addWidget(FarbGruppe(QStringLiteral("PfeilDLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    NameFolgt = false;
    PPButton->setChecked(true);
    WegZeigen(WegFussSpitze);
    EntstehungBox->hide();
}

QPixmap TPfeilDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(60, 20);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = dick ? 4 : 1;
    p.setPen(QPen(QFarbe(farbe), w, Qt::SolidLine, Qt::FlatCap));
    const double spitze = 56, laenge = dick ? 12 : 9, breite = dick ? 6 : 4;
    p.drawLine(QPointF(4, 10), QPointF(spitze - laenge + 1, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QFarbe(farbe));
    const QPointF kopf[3] = {
        {spitze, 10}, {spitze - laenge, 10 - breite}, {spitze - laenge, 10 + breite}};
    p.drawPolygon(kopf, 3);
    return bild;
}

void TPfeilDLG::WegZeigen(int weg) {
    const bool pp = weg == WegFussSpitze;
    (pp ? PPButton : PVButton)->setChecked(true);
    PPFuss->parentWidget()->setVisible(pp);
    PPFuss->setVisible(pp);
    PPSpitze->setVisible(pp);
    PVFuss->parentWidget()->setVisible(!pp);
    PVFuss->setVisible(!pp);
    PVVektor->setVisible(!pp);
}

void TPfeilDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TPfeilEingabe& e = eingabe_;
    BasisZeigen(e);
    WegZeigen(e.Weg);
    PPButton->setEnabled(e.PunktPunktAktiv);
    PVButton->setEnabled(e.PunktVektorAktiv);
    if (punkteGezeigt_ != e.Punkte || PPFName->count() != static_cast<int>(e.Punkte.size())) {
        for (QComboBox* c : {PPFName, PPSName, PVFName})
            ListeFuellen(c, e.Punkte, false);
        punkteGezeigt_ = e.Punkte;
    }
    if (vektorenGezeigt_ != e.Vektoren || PVVName->count() != static_cast<int>(e.Vektoren.size())) {
        ListeFuellen(PVVName, e.Vektoren, false);
        vektorenGezeigt_ = e.Vektoren;
    }
    const std::pair<QComboBox*, const TTeilEingabe*> teile[] = {
        {PPFName, &e.PPFuss}, {PPSName, &e.PPSpitze}, {PVFName, &e.PVFuss}, {PVVName, &e.PVVektor}};
    const TEdits* edits[] = {&PPF, &PPS, &PVF, &PVV};
    for (std::size_t i = 0; i < 4; ++i) {
        TextSetzen(teile[i].first, teile[i].second->Name);
        teile[i].first->setEnabled(e.NamenWaehlbar);
        EditsSetzen(*edits[i], teile[i].second->Werte, teile[i].second->Fest || e.Abgeleitet);
    }
    for (QGroupBox* g : {PPFuss, PPSpitze, PVFuss, PVVektor})
        g->setEnabled(e.GruppenAktiv);
}

void TPfeilDLG::Sammeln(TPfeilEingabe& e) const {
    BasisSammeln(e);
    e.Weg = PVButton->isChecked() ? WegFussVektor : WegFussSpitze;
    e.PPFuss = {PPFName->currentText().toStdString(), EditTexte(PPF), e.PPFuss.Fest};
    e.PPSpitze = {PPSName->currentText().toStdString(), EditTexte(PPS), e.PPSpitze.Fest};
    e.PVFuss = {PVFName->currentText().toStdString(), EditTexte(PVF), e.PVFuss.Fest};
    e.PVVektor = {PVVName->currentText().toStdString(), EditTexte(PVV), e.PVVektor.Fest};
}

void TPfeilDLG::FeldGeaendert(int weg) {
    Geaendert([weg](TPfeilEingabe& e) { e.WegGeaendert(weg); });
}

void TPfeilDLG::NameGewaehlt(TTeilEingabe TPfeilEingabe::*teil, std::uint32_t arten, int weg) {
    TeilGeaendert(teil, arten, [weg](TPfeilEingabe& e) { e.WegGeaendert(weg); });
}

} // namespace kalvorin
