#include "ui/TStreckenDLG.h"

#include "document/Dokument.h"
#include "ui/Messwertzeile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
constexpr TEingabeArt<TStreckenEingabe> Strecke{
    .Art = TElementart::DStrecke,
    .Neu = StreckeEingabeNeu,
    .AusElement = StreckeEingabeAusElement,
    .Pruefen = StreckePruefen,
    .FuerNaechste = StreckeFuerNaechste,
    .Uebernehmen = StreckeUebernehmen,
};
} // namespace

TStreckenDLG::TStreckenDLG(QWidget* eltern)
    : TElementDialog(Strecke, QStringLiteral("Festlegen einer Strecke"),
                     QStringLiteral("StreckenDLGName"), eltern) {
    setObjectName(QStringLiteral("StreckenDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    auto* nameLayout = new QHBoxLayout(nameBox);
    nameLayout->addWidget(NameEdit);
    nameLayout->addStretch(1);

    QGroupBox* anfang =
        TeilGruppe(QStringLiteral("Anfangspunkt"), QStringLiteral("StreckenDLGAnfang"),
                   QStringLiteral("StreckenDLGAnfangName"), QStringLiteral("StreckenDLGAnfangX"),
                   QStringLiteral("StreckenDLGAnfangY"), QStringLiteral("StreckenDLGAnfangZ"),
                   AnfangName, Anfang);
    QGroupBox* ende = TeilGruppe(
        QStringLiteral("Endpunkt"), QStringLiteral("StreckenDLGEnde"),
        QStringLiteral("StreckenDLGEndeName"), QStringLiteral("StreckenDLGEndeX"),
        QStringLiteral("StreckenDLGEndeY"), QStringLiteral("StreckenDLGEndeZ"), EndeName, Ende);
    for (TEdits* edits : {&Anfang, &Ende})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { EditGeaendert(); });
    connect(AnfangName, &QComboBox::editTextChanged, this,
            [this] { NameGewaehlt(&TStreckenEingabe::Anfang); });
    connect(EndeName, &QComboBox::editTextChanged, this,
            [this] { NameGewaehlt(&TStreckenEingabe::Ende); });

    Laenge = new TMesswertzeile(QStringLiteral("Länge der Strecke: "),
                                QStringLiteral("StreckenDLGLaengeWert"));
    Zurueckhalten(EntstehungBox);

    auto* b = new QVBoxLayout(bestimmung);
    b->addWidget(nameBox);
    b->addWidget(anfang);
    b->addWidget(ende);
    b->addWidget(EntstehungBox);
    b->addWidget(Laenge);
    b->addStretch(1);

    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(DickeGruppe(QStringLiteral("StreckenDLGCheckduenn"),
                             QStringLiteral("StreckenDLGCheckdick")),
                 0, 0);
    e->addWidget(FarbGruppe(QStringLiteral("StreckenDLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    NameFolgt = false;
    EntstehungBox->hide();
}

QPixmap TStreckenDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(60, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QFarbe(farbe), dick ? 4 : 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 8), QPointF(54, 8));
    // The two end points.
    p.setBrush(QFarbe(farbe));
    p.drawEllipse(QPointF(6, 8), 1.5, 1.5);
    p.drawEllipse(QPointF(54, 8), 1.5, 1.5);
    return bild;
}

void TStreckenDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TStreckenEingabe& e = eingabe_;
    BasisZeigen(e);
    // Filling a list empties its edit text: only when the entries changed.
    if (punkteGezeigt_ != e.Punkte || AnfangName->count() != static_cast<int>(e.Punkte.size())) {
        ListeFuellen(AnfangName, e.Punkte, false);
        ListeFuellen(EndeName, e.Punkte, false);
        punkteGezeigt_ = e.Punkte;
    }
    TextSetzen(AnfangName, e.Anfang.Name);
    TextSetzen(EndeName, e.Ende.Name);
    EditsSetzen(Anfang, e.Anfang.Werte, e.Anfang.Fest || e.Abgeleitet);
    EditsSetzen(Ende, e.Ende.Werte, e.Ende.Fest || e.Abgeleitet);
    AnfangName->setEnabled(e.NamenWaehlbar);
    EndeName->setEnabled(e.NamenWaehlbar);
    Laenge->SetzeWert(Dokument ? StreckenLaengeText(Dokument->Liste(), e) : std::string());
}

void TStreckenDLG::Sammeln(TStreckenEingabe& e) const {
    BasisSammeln(e);
    e.Anfang = {AnfangName->currentText().toStdString(), EditTexte(Anfang), e.Anfang.Fest};
    e.Ende = {EndeName->currentText().toStdString(), EditTexte(Ende), e.Ende.Fest};
}

void TStreckenDLG::NameGewaehlt(TTeilEingabe TStreckenEingabe::*teil) {
    TeilGeaendert(teil, PunktArten);
}

} // namespace kalvorin
