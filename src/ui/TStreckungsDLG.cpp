#include "ui/TStreckungsDLG.h"

#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "ui/DialogSkalierung.h"
#include "ui/Hilfe.h"
#include "ui/TElementDLG.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvorin {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QLabel* Beschriftung(const QString& name) {
    auto* l = new QLabel;
    l->setObjectName(name);
    return l;
}

QComboBox* NamenListe(const QString& name) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    // Lengths may also be typed as numbers ("3/2", "1,5").
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(12);
    return c;
}

} // namespace

TStreckungsDLG::TStreckungsDLG(TDokument& dokument, QWidget* eltern)
    : QDialog(eltern), dokument_(dokument) {
    setObjectName(QStringLiteral("StreckungsDLG"));
    setWindowTitle(QStringLiteral("Streckungsfaktor festlegen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    THilfe::SetzeThema(this, QStringLiteral("IDH_Dialog_Streckung"));

    StreckungsDLGRadioBox = new QGroupBox;
    StreckungsDLGRadioBox->setObjectName(QStringLiteral("StreckungsDLGRadioBox"));
    StreckungsDLGZahlButton = new QRadioButton(QStringLiteral("Zahl"));
    StreckungsDLGZahlButton->setObjectName(QStringLiteral("StreckungsDLGZahlButton"));
    StreckungsDLGVerhaeltnisButton = new QRadioButton(QStringLiteral("Verhältnis"));
    StreckungsDLGVerhaeltnisButton->setObjectName(QStringLiteral("StreckungsDLGVerhaeltnisButton"));
    auto* knoepfe = new QHBoxLayout(StreckungsDLGRadioBox);
    knoepfe->addWidget(StreckungsDLGZahlButton);
    knoepfe->addWidget(StreckungsDLGVerhaeltnisButton);
    knoepfe->addStretch();

    StreckungsDLGZahlBox = new QGroupBox;
    StreckungsDLGZahlBox->setObjectName(QStringLiteral("StreckungsDLGZahlBox"));
    auto* zahlZeile = new QHBoxLayout(StreckungsDLGZahlBox);
    zahlZeile->addWidget(new QLabel(QStringLiteral("Streckungsfaktor  =")));
    StreckungsDLGZahl = new QLineEdit;
    StreckungsDLGZahl->setObjectName(QStringLiteral("StreckungsDLGZahl"));
    StreckungsDLGZahl->setAlignment(Qt::AlignRight);
    StreckungsDLGZahl->installEventFilter(new TZahlTastenFilter(this));
    zahlZeile->addWidget(StreckungsDLGZahl);
    zahlZeile->addStretch();

    StreckungsDLGVerhaeltnisBox = new QGroupBox;
    StreckungsDLGVerhaeltnisBox->setObjectName(QStringLiteral("StreckungsDLGVerhaeltnisBox"));
    StreckungsDLGS1 = NamenListe(QStringLiteral("StreckungsDLGS1"));
    StreckungsDLGS2 = NamenListe(QStringLiteral("StreckungsDLGS2"));
    Laenge1 = Beschriftung(QStringLiteral("Laenge1"));
    Kla1 = Beschriftung(QStringLiteral("Kla1"));
    Laenge2 = Beschriftung(QStringLiteral("Laenge2"));
    Kla2 = Beschriftung(QStringLiteral("Kla2"));
    StreckungsDLGVerhaeltnis = Beschriftung(QStringLiteral("StreckungsDLGVerhaeltnis"));
    auto* bruch = new QGridLayout(StreckungsDLGVerhaeltnisBox);
    bruch->addWidget(new QLabel(QStringLiteral("Streckungsfaktor ")), 0, 0, 3, 1, Qt::AlignVCenter);
    bruch->addWidget(Laenge1, 0, 1, Qt::AlignRight);
    bruch->addWidget(StreckungsDLGS1, 0, 2);
    bruch->addWidget(Kla1, 0, 3);
    auto* strich = new QLabel(QStringLiteral("_________________"));
    strich->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    bruch->addWidget(strich, 1, 1, 1, 3);
    bruch->addWidget(Laenge2, 2, 1, Qt::AlignRight);
    bruch->addWidget(StreckungsDLGS2, 2, 2);
    bruch->addWidget(Kla2, 2, 3);
    bruch->addWidget(StreckungsDLGVerhaeltnis, 0, 4, 3, 1, Qt::AlignVCenter);

    StreckungsDLGZentrumBox = new QGroupBox(QStringLiteral("Zentrum: "));
    StreckungsDLGZentrumBox->setObjectName(QStringLiteral("StreckungsDLGZentrumBox"));
    StreckungsDLGZentrum = Beschriftung(QStringLiteral("StreckungsDLGZentrum"));
    (new QHBoxLayout(StreckungsDLGZentrumBox))->addWidget(StreckungsDLGZentrum);

    DialogKnoepfe(
        this, {&OKBtn, &CancelBtn, &HelpBtn}, {"OK", "Abbruch", "&Hilfe"},
        {"OKBtn", "CancelBtn", "HelpBtn"}, [this] { OKBtnClick(); },
        [] { return QStringLiteral("IDH_Dialog_Streckung"); });
    auto* unten = new QHBoxLayout;
    unten->addWidget(HelpBtn);
    unten->addStretch();
    unten->addWidget(OKBtn);
    unten->addWidget(CancelBtn);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(StreckungsDLGRadioBox);
    haupt->addWidget(StreckungsDLGZahlBox);
    haupt->addWidget(StreckungsDLGVerhaeltnisBox);
    haupt->addWidget(StreckungsDLGZentrumBox);
    haupt->addStretch();
    haupt->addLayout(unten);

    connect(StreckungsDLGZahlButton, &QRadioButton::clicked, this,
            &TStreckungsDLG::StreckungsDLGZahlButtonClick);
    connect(StreckungsDLGVerhaeltnisButton, &QRadioButton::clicked, this,
            &TStreckungsDLG::StreckungsDLGVerhaeltnisButtonClick);
    connect(StreckungsDLGS1, &QComboBox::currentTextChanged, this,
            &TStreckungsDLG::StreckungsDLGS1Change);
    connect(StreckungsDLGS2, &QComboBox::currentTextChanged, this,
            &TStreckungsDLG::StreckungsDLGS2Change);

    FormShow();
    DialogSkalieren(*this);
    // Room for the result and for the brackets in the scaled font, so nothing
    // jumps when they appear.
    const auto breite = [](const QLabel* l, const QString& text) {
        return l->fontMetrics().horizontalAdvance(text) + 4;
    };
    StreckungsDLGVerhaeltnis->setMinimumWidth(
        breite(StreckungsDLGVerhaeltnis, QStringLiteral("nicht festgelegt!")));
    for (QLabel* l : {Laenge1, Laenge2})
        l->setMinimumWidth(breite(l, QStringLiteral("Länge(")));
    for (QLabel* l : {Kla1, Kla2})
        l->setMinimumWidth(breite(l, QStringLiteral(")")));
    adjustSize();
}

void TStreckungsDLG::FormShow() {
    for (QLabel* l : {Laenge1, Laenge2, Kla1, Kla2})
        l->clear();
    const TStreckungsStart start = StreckungsDialogStart(dokument_.Liste());
    faktor_ = start.Faktor;
    StreckungsDLGZentrum->setText(start.NeuesZentrum ? Text(start.NeuesZentrum->Name) : QString());
    StreckungsDLGZahl->setText(Text(start.FaktorText));
    StreckungsDLGVerhaeltnis->setText(Text(std::string(NichtFestgelegt)));
    // Filling must not compute a ratio yet: the number mode is showing.
    for (QComboBox* box : {StreckungsDLGS1, StreckungsDLGS2}) {
        const QSignalBlocker still(box);
        box->clear();
        for (const std::string& name : start.Namen)
            box->addItem(Text(name));
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    StreckungsDLGZahlButton->setChecked(true);
    StreckungsDLGZahlBox->show();
    StreckungsDLGVerhaeltnisBox->hide();
}

void TStreckungsDLG::StreckungsDLGZahlButtonClick() {
    StreckungsDLGZahlBox->show();
    StreckungsDLGVerhaeltnisBox->hide();
    StreckungsDLGZahl->setText(QStringLiteral("1"));
    faktor_ = 1;
    adjustSize();
}

void TStreckungsDLG::StreckungsDLGVerhaeltnisButtonClick() {
    StreckungsDLGZahlBox->hide();
    StreckungsDLGVerhaeltnisBox->show();
    StreckungsDLGVerhaeltnis->setText(Text(std::string(NichtFestgelegt)));
    for (QComboBox* box : {StreckungsDLGS1, StreckungsDLGS2}) {
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
        box->clearEditText();
    }
    faktor_ = 1;
    Verhaeltnisberechnen();
    adjustSize();
}

void TStreckungsDLG::KlammernSetzen(const QComboBox* box, QLabel* vor, QLabel* nach) {
    const bool element =
        dokument_.Liste().ElementMitName(box->currentText().toStdString()) != nullptr;
    vor->setText(element ? QStringLiteral("Länge(") : QString());
    nach->setText(element ? QStringLiteral(")") : QString());
}

void TStreckungsDLG::StreckungsDLGS1Change() {
    KlammernSetzen(StreckungsDLGS1, Laenge1, Kla1);
    Verhaeltnisberechnen();
}

void TStreckungsDLG::StreckungsDLGS2Change() {
    KlammernSetzen(StreckungsDLGS2, Laenge2, Kla2);
    Verhaeltnisberechnen();
}

void TStreckungsDLG::Verhaeltnisberechnen() {
    const TStreckungsVerhaeltnis v =
        StreckungsVerhaeltnis(dokument_.Liste(), StreckungsDLGS1->currentText().toStdString(),
                              StreckungsDLGS2->currentText().toStdString());
    StreckungsDLGVerhaeltnis->setText(Text(v.Anzeige));
    if (v.Faktor) faktor_ = *v.Faktor;
}

void TStreckungsDLG::OKBtnClick() {
    const bool ok = StreckungsDLGZahlButton->isChecked()
                        ? StreckungFestlegen(dokument_, StreckungsDLGZahl->text().toStdString())
                        : StreckungFestlegen(dokument_, faktor_);
    // A refusal has been told through a warning; the dialog stays open.
    if (ok) accept();
}

bool StreckungsDialog(QWidget* hauptfenster, TDokument& dokument) {
    if (!Angeboten(dokument, TBefehl::MStreckung)) return false;
    auto* dialog = new TStreckungsDLG(dokument, hauptfenster);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog->exec() == QDialog::Accepted;
}

} // namespace kalvorin
