#include "ui/TPunktDLG.h"

#include "document/Dokument.h"
#include "storage/Einstellungen.h"
#include "zahlen/Zahlen.h"

#include <QButtonGroup>
#include <QCheckBox>
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
constexpr TEingabeArt<TPunktEingabe> Punkt{
    .Art = TElementart::DfrPunkt,
    .Neu = PunktEingabeNeu,
    .AusElement = PunktEingabeAusElement,
    .Pruefen = nullptr,
    .FuerNaechste = PunktFuerNaechsten,
    .Uebernehmen = PunktUebernehmen,
};
} // namespace

TPunktDLG::TPunktDLG(QWidget* eltern)
    : TElementDialog(Punkt, QStringLiteral("Festlegen eines Punktes"), QStringLiteral("Name"),
                     eltern) {
    setObjectName(QStringLiteral("PunktDLG"));

    // Page "Bestimmung"
    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    Darstellungsart = new QGroupBox(QStringLiteral("Darstellungsart"));
    Darstellungsart->setObjectName(QStringLiteral("Darstellungsart"));
    KoordinatenKnopf = new QRadioButton(QStringLiteral("Koordinaten"));
    AnfangVektorKnopf = new QRadioButton(QStringLiteral("Anfangspunkt und Vektor"));
    KoordinatenKnopf->setObjectName(QStringLiteral("DarstellungsartKoordinaten"));
    AnfangVektorKnopf->setObjectName(QStringLiteral("DarstellungsartAnfangspunktVektor"));
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(KoordinatenKnopf);
    gruppe->addButton(AnfangVektorKnopf);
    auto* artLayout = new QVBoxLayout(Darstellungsart);
    artLayout->addWidget(KoordinatenKnopf);
    artLayout->addWidget(AnfangVektorKnopf);
    connect(KoordinatenKnopf, &QRadioButton::clicked, this, [this] { DarstellungsartGeklickt(); });
    connect(AnfangVektorKnopf, &QRadioButton::clicked, this, [this] { DarstellungsartGeklickt(); });

    KoordinatenBox = new QGroupBox(QStringLiteral("Koordinaten: "));
    KoordinatenBox->setObjectName(QStringLiteral("KoordinatenBox"));
    AusgabeName = new QLabel;
    AusgabeName->setObjectName(QStringLiteral("PunktDLGausgabeName"));
    AusgabeName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AusgabeName->setMinimumWidth(
        AusgabeName->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW ")));
    Editx = ZahlEdit(QStringLiteral("Editx"));
    Edity = ZahlEdit(QStringLiteral("Edity"));
    Editz = ZahlEdit(QStringLiteral("Editz"));
    auto* k = new QHBoxLayout(KoordinatenBox);
    k->addWidget(AusgabeName);
    k->addWidget(Zeichen("="));
    k->addWidget(Zeichen("("));
    k->addWidget(Editx);
    k->addWidget(Zeichen("|"));
    k->addWidget(Edity);
    k->addWidget(Zeichen("|"));
    k->addWidget(Editz);
    k->addWidget(Zeichen(")"));
    k->addStretch(1);

    AnfangspunktBox = new QGroupBox(QStringLiteral("Anfangspunkt: "));
    AnfangspunktBox->setObjectName(QStringLiteral("AnfangspunktBox"));
    Anfangspunkt = new QComboBox;
    Anfangspunkt->setObjectName(QStringLiteral("Anfangspunkt"));
    (new QHBoxLayout(AnfangspunktBox))->addWidget(Anfangspunkt);
    VektorBox = new QGroupBox(QStringLiteral("Vektor: "));
    VektorBox->setObjectName(QStringLiteral("VektorBox"));
    TransVektor = new QComboBox;
    TransVektor->setObjectName(QStringLiteral("TransVektor"));
    (new QHBoxLayout(VektorBox))->addWidget(TransVektor);
    for (QComboBox* c : {Anfangspunkt, TransVektor})
        c->setMinimumContentsLength(12);

    // The coordinates and the start point/vector pair take turns in one place.
    auto* wechsel = new QGridLayout;
    auto* paar = new QWidget;
    auto* paarLayout = new QHBoxLayout(paar);
    paarLayout->setContentsMargins(0, 0, 0, 0);
    paarLayout->addWidget(AnfangspunktBox);
    paarLayout->addWidget(VektorBox);
    wechsel->addWidget(KoordinatenBox, 0, 0);
    wechsel->addWidget(paar, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{KoordinatenBox, paar, AnfangspunktBox,
                                                      VektorBox, EntstehungBox}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameBox, 1);
    oben->addWidget(Darstellungsart, 1);
    auto* b = new QVBoxLayout(bestimmung);
    b->addLayout(oben);
    b->addLayout(wechsel);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    // Page "Eigenschaften"
    auto* darstellungBox = new QGroupBox(QStringLiteral("Darstellung als "));
    Darstellung = new QComboBox;
    Darstellung->setObjectName(QStringLiteral("PktDlgDarstellung"));
    for (const char* wort : PunktformWorte)
        Darstellung->addItem(QString::fromLatin1(wort));
    (new QHBoxLayout(darstellungBox))->addWidget(Darstellung);
    QWidget* eigenschaften = EigenschaftsSeite(
        darstellungBox, QStringLiteral("PunktDLGCheckduenn"), QStringLiteral("PunktDLGCheckdick"),
        QStringLiteral("PktDLGFarbe"), QStringLiteral("PktDLGHilfslinien"));
    BestimmungBeiAblehnung = true;

    Fertigstellen(bestimmung, eigenschaften);
    KoordinatenKnopf->setChecked(true);
    KoordinatenZeigen(true);
    EntstehungBox->hide();
}

QPixmap TPunktDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(24, 24);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QFarbe(farbe));
    const double r = dick ? 7 : 3.5;
    p.drawEllipse(QPointF(12, 12), r, r);
    return bild;
}

void TPunktDLG::NameGeaendert(const QString& name) {
    TElementDLG::NameGeaendert(name);
    AusgabeName->setText(name.left(6) + QLatin1Char(' '));
}

void TPunktDLG::showEvent(QShowEvent* e) {
    TElementDLG::showEvent(e);
    eingabe_.Sichtbar = true;
}

void TPunktDLG::KoordinatenZeigen(bool koordinaten) {
    KoordinatenBox->setVisible(koordinaten);
    AnfangspunktBox->parentWidget()->setVisible(!koordinaten);
    AnfangspunktBox->setVisible(!koordinaten);
    VektorBox->setVisible(!koordinaten);
}

void TPunktDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    BasisZeigen(eingabe_);
    (eingabe_.Koordinaten ? KoordinatenKnopf : AnfangVektorKnopf)->setChecked(true);
    Darstellungsart->setEnabled(eingabe_.ArtWaehlbar);
    KoordinatenZeigen(eingabe_.Koordinaten);
    EditsSetzen({Editx, Edity, Editz}, eingabe_.Edits, eingabe_.NurLesen);
    ListeFuellen(Anfangspunkt, eingabe_.Anfangspunkte, eingabe_.LeererEintrag);
    ListeFuellen(TransVektor, eingabe_.Vektoren, eingabe_.LeererEintrag);
    ListeWaehlen(Anfangspunkt, eingabe_.Anfangspunkt);
    ListeWaehlen(TransVektor, eingabe_.Vektor);
}

void TPunktDLG::Sammeln(TPunktEingabe& e) const {
    BasisSammeln(e);
    e.Koordinaten = KoordinatenKnopf->isChecked();
    e.Edits = EditTexte({Editx, Edity, Editz});
    e.Anfangspunkt = ListenAuswahl(Anfangspunkt);
    e.Vektor = ListenAuswahl(TransVektor);
}

void TPunktDLG::DarstellungsartGeklickt() {
    if (!Dokument || Zeigend) return;
    Sammeln(eingabe_);
    PunktDarstellungsartGewaehlt(eingabe_, Dokument->Liste(), KoordinatenKnopf->isChecked());
    Zeigen();
}

TEingabePruefung TPunktDLG::Pruefen(TDokument& dokument) {
    Sammeln(eingabe_);
    const TPunktPruefung r = PunktAnnehmen(dokument, eingabe_);
    // The name without its blanks, also when it is refused.
    TextSetzen(NameEdit, eingabe_.Name);
    return r;
}

} // namespace kalvorin
