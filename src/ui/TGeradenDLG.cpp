#include "ui/TGeradenDLG.h"

#include "geometry/Auswertung.h"
#include "geometry/Beschreibung.h"
#include "document/Dokument.h"
#include "storage/Einstellungen.h"
#include "storage/Zahlen.h"

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

QLabel* Zeichen(const QString& text) {
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// "( x | y | z )" into a row of a grid, from column spalte on.
void TripelZeile(QGridLayout* g, int zeile, int spalte, const std::array<QLineEdit*, 3>& edits) {
    g->addWidget(Zeichen(QStringLiteral("(")), zeile, spalte);
    g->addWidget(edits[0], zeile, spalte + 1);
    g->addWidget(Zeichen(QStringLiteral("|")), zeile, spalte + 2);
    g->addWidget(edits[1], zeile, spalte + 3);
    g->addWidget(Zeichen(QStringLiteral("|")), zeile, spalte + 4);
    g->addWidget(edits[2], zeile, spalte + 5);
    g->addWidget(Zeichen(QStringLiteral(")")), zeile, spalte + 6);
}

TFeldTexte Texte(const std::array<QLineEdit*, 3>& edits) {
    return {edits[0]->text().toStdString(), edits[1]->text().toStdString(),
            edits[2]->text().toStdString()};
}

bool AlleGefuellt(const std::array<QLineEdit*, 3>& edits) { return kalvorin::AlleGefuellt(Texte(edits)); }

void Zurueckhalten(QWidget* w) {
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}

} // namespace

TGeradenDLG::TGeradenDLG(QWidget* eltern)
    : TElementDLG(QStringLiteral("Festlegen einer Geraden"), QStringLiteral("GeradenDLGName"), eltern) {
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
    connect(PPButton, &QRadioButton::clicked, this, [this] { WegZeigen(WegPunktPunkt); });
    connect(PVButton, &QRadioButton::clicked, this, [this] { WegZeigen(WegPunktVektor); });

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
    auto* xPfeil = new QLabel(QStringLiteral("<span style=\"font-size:large\"><i>x</i>&#8407;</span> ="));
    xPfeil->setTextFormat(Qt::RichText);
    pa->addWidget(xPfeil, 0, 0, Qt::AlignRight);
    TripelZeile(pa, 0, 1, ParPunkt);
    pa->addWidget(Zeichen(QStringLiteral("+ l *")), 1, 0, Qt::AlignRight);
    TripelZeile(pa, 1, 1, ParRichtung);
    pa->setColumnStretch(8, 1);

    PPAnfang = PunktGruppe(QStringLiteral(" 1. Punkt "), QStringLiteral("GeradenDLGPPAnfang"),
                           QStringLiteral("GeradenDLGPP1"), QStringLiteral("GeradenDLGPPX1"),
                           QStringLiteral("GeradenDLGPPY1"), QStringLiteral("GeradenDLGPPZ1"), PP1, P1);
    PPEnde = PunktGruppe(QStringLiteral(" 2. Punkt "), QStringLiteral("GeradenDLGPPEnde"),
                         QStringLiteral("GeradenDLGPP2"), QStringLiteral("GeradenDLGPPX2"),
                         QStringLiteral("GeradenDLGPPY2"), QStringLiteral("GeradenDLGPPZ2"), PP2, P2);
    PVAnfang = PunktGruppe(QStringLiteral(" Anfangspunkt "), QStringLiteral("GeradenDLGPVAnfang"),
                           QStringLiteral("GeradenDLGPV1"), QStringLiteral("GeradenDLGPVX1"),
                           QStringLiteral("GeradenDLGPVY1"), QStringLiteral("GeradenDLGPVZ1"), PV1, A);
    PVVektor = PunktGruppe(QStringLiteral(" Richtungsvektor "), QStringLiteral("GeradenDLGPVVektor"),
                           QStringLiteral("GeradenDLGPV2"), QStringLiteral("GeradenDLGPVX2"),
                           QStringLiteral("GeradenDLGPVY2"), QStringLiteral("GeradenDLGPVZ2"), PV2, V);

    for (QLineEdit* e : ParPunkt)
        connect(e, &QLineEdit::textChanged, this, [this] { ParameterformGeaendert(); });
    for (QLineEdit* e : ParRichtung)
        connect(e, &QLineEdit::textChanged, this, [this] { ParameterformGeaendert(); });
    for (TEdits* edits : {&P1, &P2})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { PunktPunktGeaendert(); });
    for (TEdits* edits : {&A, &V})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { PunktVektorGeaendert(); });
    const auto combo = [this](QComboBox* c, TEdits* edits, bool vektor, void (TGeradenDLG::*danach)()) {
        connect(c, &QComboBox::editTextChanged, this, [this, c, edits, vektor, danach] {
            if (fuellen_)
                return;
            NameGewaehlt(c, *edits, vektor);
            (this->*danach)();
        });
    };
    combo(PP1, &P1, false, &TGeradenDLG::PunktPunktGeaendert);
    combo(PP2, &P2, false, &TGeradenDLG::PunktPunktGeaendert);
    combo(PV1, &A, false, &TGeradenDLG::PunktVektorGeaendert);
    combo(PV2, &V, true, &TGeradenDLG::PunktVektorGeaendert);

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
        QStringLiteral("GeradenDLGFarbe"), QStringLiteral("GeradenDLGHilfslinien"), Hilfslinien);

    Fertigstellen(bestimmung, eigenschaften, QStringLiteral("IDH_Dialog_Gerade_Bestimmung"),
                  QStringLiteral("IDH_Dialog_Gerade_Eigenschaften"));
    PaButton->setChecked(true);
    WegZeigen(WegParameterform);
    EntstehungBox->hide();
}

QGroupBox* TGeradenDLG::PunktGruppe(const QString& titel, const QString& box, const QString& combo,
                                    const QString& x, const QString& y, const QString& z,
                                    QComboBox*& c, TEdits& edits) {
    auto* g = new QGroupBox(titel);
    g->setObjectName(box);
    c = new QComboBox;
    c->setObjectName(combo);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(12);
    c->lineEdit()->setMaxLength(12);
    edits = {ZahlEdit(x), ZahlEdit(y), ZahlEdit(z)};
    auto* l = new QGridLayout(g);
    l->addWidget(c, 0, 0);
    l->addWidget(Zeichen(QStringLiteral("=")), 0, 1);
    TripelZeile(l, 0, 2, edits);
    l->setColumnStretch(9, 1);
    return g;
}

QPixmap TGeradenDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(60, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QFarbe(farbe), dick ? 5 : 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 8), QPointF(56, 8));
    return bild;
}

QRadioButton* TGeradenDLG::Knopf(int weg) const {
    return weg == WegPunktPunkt ? PPButton : (weg == WegPunktVektor ? PVButton : PaButton);
}

int TGeradenDLG::GewaehlterWeg() const {
    return PPButton->isChecked() ? WegPunktPunkt : (PVButton->isChecked() ? WegPunktVektor : WegParameterform);
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

void TGeradenDLG::KnoepfeSetzen() {
    PaButton->setEnabled(zustand_.ParameterformAktiv);
    PPButton->setEnabled(zustand_.PunktPunktAktiv);
    PVButton->setEnabled(zustand_.PunktVektorAktiv);
}

void TGeradenDLG::ParameterformGeaendert() {
    if (fuellen_)
        return;
    zustand_.ParameterformGeaendert(AlleGefuellt(ParPunkt) && AlleGefuellt(ParRichtung));
    KnoepfeSetzen();
}

void TGeradenDLG::PunktPunktGeaendert() {
    if (fuellen_)
        return;
    zustand_.PunktPunktGeaendert(Gefuellt(PP1->currentText().toStdString()) &&
                                 Gefuellt(PP2->currentText().toStdString()) && AlleGefuellt(P1) &&
                                 AlleGefuellt(P2));
    KnoepfeSetzen();
}

void TGeradenDLG::PunktVektorGeaendert() {
    if (fuellen_)
        return;
    zustand_.PunktVektorGeaendert(Gefuellt(PV1->currentText().toStdString()) &&
                                  Gefuellt(PV2->currentText().toStdString()) && AlleGefuellt(A) &&
                                  AlleGefuellt(V));
    KnoepfeSetzen();
}

void TGeradenDLG::EditsSetzen(TEdits& edits, const TFeldTexte& texte, bool nurLesen) {
    for (std::size_t i = 0; i < 3; ++i) {
        edits[i]->setText(QString::fromStdString(texte[i]));
        SetzeNurLesen(edits[i], nurLesen);
    }
}

void TGeradenDLG::NameGewaehlt(QComboBox* combo, TEdits& edits, bool vektor) {
    if (!Dokument)
        return;
    const std::string text = combo->currentText().toStdString();
    const TDreiDBasisElement* e = vektor ? BenannterVektor(Dokument->Liste(), text)
                                         : BenannterPunkt(Dokument->Liste(), text);
    const bool alt = fuellen_;
    fuellen_ = true;
    if (e) {
        TTripel w;
        if (vektor)
            VektorAuswerten(*e, w);
        else
            PunktAuswerten(*e, w);
        EditsSetzen(edits, FeldTexte(w), true);
    } else {
        for (QLineEdit* ed : edits)
            SetzeNurLesen(ed, false);
    }
    fuellen_ = alt;
}

void TGeradenDLG::ParameterformGeklickt() {
    if (!zustand_.Vollstaendig) {
        WegZeigen(WegParameterform);
        for (TEdits* edits : {&ParPunkt, &ParRichtung})
            for (QLineEdit* e : *edits) {
                SetzeNurLesen(e, false);
                e->clear();
            }
        return;
    }
    const int festlegung = zustand_.Festlegung;
    if (festlegung == WegParameterform || abgeleitet_) {
        WegZeigen(WegParameterform);
        return;
    }
    const std::string meldung = Dokument ? GeradenChecks(Dokument->Liste(), Eingabe(), festlegung)
                                         : std::string();
    if (!meldung.empty()) {
        WegZeigen(festlegung);
        Warnung(meldung);
        return;
    }
    WegZeigen(WegParameterform);
    const TGeradenEingabe e = Eingabe();
    fuellen_ = true;
    EditsSetzen(ParPunkt, festlegung == WegPunktPunkt ? e.P1 : e.A, true);
    EditsSetzen(ParRichtung, FeldTexte(ParameterformRichtung(e, festlegung)), true);
    fuellen_ = false;
    PaButton->setEnabled(true);
    Knopf(festlegung)->setEnabled(true);
}

void TGeradenDLG::AllesLeeren() {
    fuellen_ = true;
    for (TEdits* edits : {&ParPunkt, &ParRichtung, &P1, &P2, &A, &V})
        for (QLineEdit* e : *edits) {
            e->clear();
            SetzeNurLesen(e, false);
        }
    ListenFuellen();
    fuellen_ = false;
}

void TGeradenDLG::ListenFuellen() {
    const bool alt = fuellen_;
    fuellen_ = true;
    const TListe& liste = Dokument->Liste();
    const std::vector<std::string> punkte = PunktNamenFuerGerade(liste, selbst_);
    for (QComboBox* c : {PP1, PP2, PV1})
        ListeFuellen(c, punkte, false);
    ListeFuellen(PV2, VektorNamenFuerGerade(liste, selbst_), false);
    fuellen_ = alt;
}

void TGeradenDLG::GeradeDialogNeu(TDokument& dokument) {
    Dokument = &dokument;
    Uebernommen = false;
    Akzeptiert = false;
    selbst_ = nullptr;
    abgeleitet_ = false;
    AlterName.clear();
    Seiten->setCurrentWidget(SeiteBestimmung);
    LabelEntstehung->clear();
    NameEdit->setText(QString::fromStdString(dokument.Liste().AutomatischerName(TElementart::DGerade)));
    zustand_ = TGeradenZustand{};
    EntstehungBox->hide();
    WegZeigen(WegParameterform);
    KnoepfeSetzen();
    AllesLeeren();
    parPunktAngezeigt_ = parRichtungAngezeigt_ = {};
    gehaltenerPunkt_ = gehalteneRichtung_ = {};

    const TStandardEinstellungen& s = Einstellungen();
    RandCheck->setChecked(s.MitWeissrand);
    DickeSetzen(true);
    SetzeFarbe(s.Farbe);
    Hilfslinien->setChecked(s.HilfslinienEinzeichnen);
}

void TGeradenDLG::GeradeDialogAusElement(TDokument& dokument, int position) {
    Dokument = &dokument;
    const auto& g = Als<TGerade>(*dokument.Liste()[position]);
    selbst_ = &g;
    zustand_.Neu = false;
    zustand_.Vollstaendig = true;
    zustand_.Festlegung = g.Festlegung <= WegPunktVektor ? static_cast<int>(g.Festlegung) : static_cast<int>(WegParameterform);
    LabelEntstehung->clear();
    NameEdit->setText(QString::fromStdString(g.Name));
    AlterName = g.Name;
    abgeleitet_ = g.Entstehung.Art != TEntstehungsart::keine;

    fuellen_ = true;
    ListenFuellen();
    if (abgeleitet_ || zustand_.Festlegung == WegParameterform) {
        TTripel a, d;
        GeradeAuswerten(g, a, d);
        if (!abgeleitet_) {
            a = g.Punkt;
            d = g.Richtung;
        }
        gehaltenerPunkt_ = a;
        gehalteneRichtung_ = d;
        parPunktAngezeigt_ = FeldTexte(a);
        parRichtungAngezeigt_ = FeldTexte(VereinfachterVektor(d));
        EditsSetzen(ParPunkt, parPunktAngezeigt_, abgeleitet_);
        EditsSetzen(ParRichtung, parRichtungAngezeigt_, abgeleitet_);
        WegZeigen(WegParameterform);
        zustand_.ParameterformAktiv = true;
        zustand_.PunktPunktAktiv = zustand_.PunktVektorAktiv = false;
        if (abgeleitet_) {
            LabelEntstehung->setText(QString::fromStdString(EntstehungsText(g)));
            EntstehungBox->show();
        }
    } else {
        const bool pp = zustand_.Festlegung == WegPunktPunkt;
        const TDreiDBasisElement* t1 = g.Bezuege[0];
        const TDreiDBasisElement* t2 = g.Bezuege[1];
        TTripel w1, w2;
        if (t1)
            PunktAuswerten(*t1, w1);
        if (t2) {
            if (pp)
                PunktAuswerten(*t2, w2);
            else {
                VektorAuswerten(*t2, w2);
                w2 = VereinfachterVektor(w2);
            }
        }
        QComboBox* c1 = pp ? PP1 : PV1;
        QComboBox* c2 = pp ? PP2 : PV2;
        c1->setEditText(t1 ? QString::fromStdString(t1->Name) : QString());
        c2->setEditText(t2 ? QString::fromStdString(t2->Name) : QString());
        EditsSetzen(pp ? P1 : A, FeldTexte(w1), true);
        EditsSetzen(pp ? P2 : V, FeldTexte(w2), true);
        WegZeigen(zustand_.Festlegung);
        zustand_.ParameterformAktiv = true;
        zustand_.PunktPunktAktiv = pp;
        zustand_.PunktVektorAktiv = !pp;
    }
    fuellen_ = false;
    KnoepfeSetzen();

    RandCheck->setChecked(g.MitRand);
    SetzeFarbe(g.Farbe);
    Hilfslinien->setChecked(g.Hilfslinien);
    DickeSetzen(g.Dicke == 1);
}

TGeradenEingabe TGeradenDLG::Eingabe() const {
    TGeradenEingabe e;
    e.Neu = zustand_.Neu;
    e.Selbst = selbst_;
    e.Name = NameEdit->text().toStdString();
    e.AlterName = AlterName;
    e.Weg = GewaehlterWeg();
    e.Festlegung = zustand_.Festlegung;
    e.Vollstaendig = zustand_.Vollstaendig;
    e.Abgeleitet = abgeleitet_;
    e.ParPunkt = Texte(ParPunkt);
    e.ParRichtung = Texte(ParRichtung);
    e.P1Name = PP1->currentText().toStdString();
    e.P2Name = PP2->currentText().toStdString();
    e.P1 = Texte(P1);
    e.P2 = Texte(P2);
    e.AName = PV1->currentText().toStdString();
    e.VName = PV2->currentText().toStdString();
    e.A = Texte(A);
    e.V = Texte(V);
    e.ParPunktAngezeigt = parPunktAngezeigt_;
    e.ParRichtungAngezeigt = parRichtungAngezeigt_;
    e.GehaltenerPunkt = gehaltenerPunkt_;
    e.GehalteneRichtung = gehalteneRichtung_;
    e.MitRand = RandCheck->isChecked();
    e.Duenn = Duenn->isChecked();
    e.Farbe = Farbe();
    e.Hilfslinien = Hilfslinien->isChecked();
    return e;
}

void TGeradenDLG::Auswerten(bool uebernehmen) {
    if (!Dokument)
        return;
    Akzeptiert = false;
    const TGeradenPruefung r = GeradePruefen(Dokument->Liste(), Eingabe());
    switch (r.Ergebnis) {
    case TGeradenErgebnis::StillSchliessen:
        reject();
        return;
    case TGeradenErgebnis::Unvollstaendig:
    case TGeradenErgebnis::Abgelehnt:
        Warnung(r.Meldung);
        return;
    case TGeradenErgebnis::Gueltig:
        break;
    }
    Akzeptiert = true;
    if (!uebernehmen) {
        accept();
        return;
    }
    int slot = 0;
    Dokument->Aendern(
        [&](TListe& liste) {
            slot = NeueGeradeAnlegen(liste);
            return slot != 0;
        },
        {TNeuaufbau::WennGeaendert, {}});
    if (!NachUebernahme(slot, TElementart::DGerade))
        return;
    // Ready for the next line, on the same way.
    const int weg = GewaehlterWeg();
    zustand_ = TGeradenZustand{};
    zustand_.Festlegung = weg;
    KnoepfeSetzen();
    AllesLeeren();
    if (Seiten->currentWidget() == SeiteBestimmung)
        NameEdit->setFocus();
}

void TGeradenDLG::GeradeAusDialog(TListe& liste, int position) {
    if (!Dokument || !Akzeptiert)
        return;
    kalvorin::GeradeAusDialog(liste, position, Eingabe());
}

int TGeradenDLG::NeueGeradeAnlegen(TListe& liste) {
    if (!Dokument)
        return 0;
    return GeradeNeuAnlegen(liste, Eingabe());
}

} // namespace kalvorin
