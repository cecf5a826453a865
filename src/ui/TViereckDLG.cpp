#include "ui/TViereckDLG.h"

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
constexpr TEingabeArt<TViereckEingabe> Viereck{
    .Art = TElementart::DViereck,
    .Neu = ViereckEingabeNeu,
    .AusElement = ViereckEingabeAusElement,
    .Pruefen = ViereckPruefen,
    .FuerNaechste = nullptr,
    .Uebernehmen = ViereckUebernehmen,
};
} // namespace

TViereckDLG::TViereckDLG(QWidget* eltern)
    : TElementDialog(Viereck, QStringLiteral("Festlegen eines Vierecks"),
                     QStringLiteral("ViereckDLGName"), eltern) {
    setObjectName(QStringLiteral("ViereckDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral(" Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    auto* flaecheBox = new QGroupBox;
    flaecheBox->setObjectName(QStringLiteral("ViereckDLGFlaeche"));
    FlaecheWert = new TMesswertLabel(QStringLiteral("ViereckDLGFlaecheWert"));
    auto* fl = new QHBoxLayout(flaecheBox);
    fl->addWidget(new QLabel(QStringLiteral("Fläche: ")));
    fl->addWidget(FlaecheWert, 1);

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameBox);
    oben->addStretch(1);
    oben->addWidget(flaecheBox);

    auto* b = new QVBoxLayout(bestimmung);
    b->addLayout(oben);
    for (std::size_t i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        const QString praefix = QStringLiteral("ViereckDLGPkt") + n;
        PunktBox[i] =
            TeilGruppe(QStringLiteral(" %1. Punkt ").arg(n), QStringLiteral("ViereckDLGPunkt") + n,
                       praefix + QStringLiteral("Name"), praefix + QStringLiteral("X"),
                       praefix + QStringLiteral("Y"), praefix + QStringLiteral("Z"), PunktName[i],
                       PunktEdits[i]);
        b->addWidget(PunktBox[i]);
        connect(PunktName[i], &QComboBox::editTextChanged, this, [this, i] { NameGewaehlt(i); });
        for (QLineEdit* e : PunktEdits[i])
            connect(e, &QLineEdit::textChanged, this, [this] { EditGeaendert(); });
    }

    auto* winkel = new QHBoxLayout;
    for (std::size_t i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        auto* box = new QGroupBox(QStringLiteral("%1. Winkel").arg(n));
        box->setObjectName(QStringLiteral("ViereckDLGWinkel") + n);
        WinkelWert[i] = new TMesswertLabel(QStringLiteral("ViereckDLGWinkel%1Wert").arg(n));
        (new QHBoxLayout(box))->addWidget(WinkelWert[i]);
        winkel->addWidget(box, 1);
    }
    b->addLayout(winkel);
    b->addWidget(EntstehungBox);
    b->addStretch(1);
    Zurueckhalten(EntstehungBox);

    // Page "Eigenschaften"
    auto* eigenschaften = new QWidget;
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(
        DickeGruppe(QStringLiteral("ViereckDLGCheckduenn"), QStringLiteral("ViereckDLGCheckdick")),
        0, 0);
    e->addWidget(FarbGruppe(QStringLiteral("ViereckDLGFarbe")), 0, 1);
    e->setRowStretch(1, 1);

    Fertigstellen(bestimmung, eigenschaften);
    // Each accepted dialog makes exactly one quadrilateral.
    UebernehmenKnopf->hide();
    EntstehungBox->hide();
}

QPixmap TViereckDLG::Muster(bool dick, TFarbe farbe) const {
    return LinienMuster(dick, farbe);
}

void TViereckDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    const TViereckEingabe& e = eingabe_;
    BasisZeigen(e);
    // Filling a list empties its edit text: only when the entries changed.
    if (punkteGezeigt_ != e.Punkte || PunktName[0]->count() != static_cast<int>(e.Punkte.size())) {
        for (QComboBox* c : PunktName)
            ListeFuellen(c, e.Punkte, false);
        punkteGezeigt_ = e.Punkte;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        TextSetzen(PunktName[i], e.Ecken[i].Name);
        PunktName[i]->setEnabled(!e.Abgeleitet);
        EditsSetzen(PunktEdits[i], e.Ecken[i].Werte, e.Ecken[i].Fest || e.Abgeleitet);
    }
    const TViereckMasse m = Dokument ? ViereckMasse(Dokument->Liste(), e) : TViereckMasse{};
    FlaecheWert->SetzeWert(m.Flaeche);
    for (std::size_t i = 0; i < 4; ++i)
        WinkelWert[i]->SetzeWert(m.Winkel[i]);
}

void TViereckDLG::Sammeln(TViereckEingabe& e) const {
    BasisSammeln(e);
    for (std::size_t i = 0; i < 4; ++i)
        e.Ecken[i] = {PunktName[i]->currentText().toStdString(), EditTexte(PunktEdits[i]),
                      e.Ecken[i].Fest};
}

void TViereckDLG::NameGewaehlt(std::size_t ecke) {
    TeilGeaendert([ecke](TViereckEingabe& e) -> TTeilEingabe& { return e.Ecken[ecke]; },
                  PunktArten);
}

} // namespace kalvorin
