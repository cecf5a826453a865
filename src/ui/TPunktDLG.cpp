#include "ui/TPunktDLG.h"

#include "geometry/Auswertung.h"
#include "geometry/Beschreibung.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
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

QLabel* Zeichen(const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

TPunktDLG::TPunktDLG(QWidget* eltern)
    : TElementDLG(QStringLiteral("Festlegen eines Punktes"), QStringLiteral("Name"), eltern) {
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
    AusgabeName->setMinimumWidth(AusgabeName->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW ")));
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
    for (QWidget* w : std::initializer_list<QWidget*>{KoordinatenBox, paar, AnfangspunktBox, VektorBox,
                                                     EntstehungBox}) {
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
        QStringLiteral("PktDLGFarbe"), QStringLiteral("PktDLGHilfslinien"), Hilfslinien);

    Fertigstellen(bestimmung, eigenschaften, QStringLiteral("IDH_Dialog_Punkt_Bestimmung"),
                  QStringLiteral("IDH_Dialog_Punkt_Eigenschaften"));
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
    Sichtbarkeit = true;
}

void TPunktDLG::KoordinatenZeigen(bool koordinaten) {
    KoordinatenBox->setVisible(koordinaten);
    AnfangspunktBox->parentWidget()->setVisible(!koordinaten);
    AnfangspunktBox->setVisible(!koordinaten);
    VektorBox->setVisible(!koordinaten);
}

void TPunktDLG::KoordinatenAnzeigen(TTripel p, bool nurLesen) {
    angezeigt_ = FeldTexte(p);
    gehalten_ = p;
    QLineEdit* edits[3] = {Editx, Edity, Editz};
    for (int i = 0; i < 3; ++i) {
        edits[i]->setText(QString::fromStdString(angezeigt_[static_cast<std::size_t>(i)]));
        SetzeNurLesen(edits[i], nurLesen);
    }
}

void TPunktDLG::ListenFuellen(const TDreiDBasisElement* selbst, bool leererEintrag) {
    const TListe& liste = Dokument->Liste();
    ListeFuellen(Anfangspunkt, AnfangspunktNamen(liste, selbst), leererEintrag);
    ListeFuellen(TransVektor, VektorNamen(liste, selbst), leererEintrag);
}

void TPunktDLG::PunktDialogNeu(TDokument& dokument) {
    Dokument = &dokument;
    Uebernommen = false;
    Akzeptiert = false;
    selbst_ = nullptr;
    abgeleitet_ = false;
    Festlegung = TfrPunkt::Koord;
    Seiten->setCurrentWidget(SeiteBestimmung);
    LabelEntstehung->clear();
    NameEdit->setText(QString::fromStdString(dokument.Liste().AutomatischerName(TElementart::DfrPunkt)));
    AlterName.clear();
    Darstellungsart->setEnabled(true);
    KoordinatenKnopf->setChecked(true);
    KoordinatenZeigen(true);
    for (QLineEdit* e : {Editx, Edity, Editz}) {
        e->clear();
        SetzeNurLesen(e, false);
    }
    angezeigt_ = {};
    gehalten_ = {};
    ListenFuellen(nullptr, true);
    EntstehungBox->hide();

    const TStandardEinstellungen& s = Einstellungen();
    Darstellung->setCurrentIndex(s.Punktform >= 0 && s.Punktform < 5 ? s.Punktform : 0);
    DickeSetzen(true);
    SetzeFarbe(s.Farbe);
    Hilfslinien->setChecked(s.HilfslinienEinzeichnen);
}

void TPunktDLG::PunktDialogAusElement(TDokument& dokument, int position) {
    Dokument = &dokument;
    Uebernommen = false;
    const auto& p = Als<TfrPunkt>(*dokument.Liste()[position]);
    selbst_ = &p;
    // The description must be in place before the name edit changes.
    LabelEntstehung->clear();
    NameEdit->setText(QString::fromStdString(p.Name));
    AlterName = p.Name;
    Seiten->setCurrentWidget(SeiteBestimmung);

    const bool koord = p.Festlegung == TfrPunkt::Koord;
    ListenFuellen(&p, koord);
    abgeleitet_ = p.Entstehung.Art != TEntstehungsart::keine;
    TTripel wert;
    PunktAuswerten(p, wert);
    if (abgeleitet_) {
        LabelEntstehung->setText(QString::fromStdString(EntstehungsText(p)));
    } else {
        EntstehungBox->hide();
        LabelEntstehung->clear();
    }
    if (abgeleitet_ || koord) {
        KoordinatenKnopf->setChecked(true);
        Darstellungsart->setEnabled(false);
        KoordinatenZeigen(true);
        EntstehungBox->setVisible(abgeleitet_);
        KoordinatenAnzeigen(wert, abgeleitet_);
    } else {
        // A point on a start point and a vector may be turned into one by
        // coordinates: the group stays usable.
        Darstellungsart->setEnabled(true);
        AnfangVektorKnopf->setChecked(true);
        KoordinatenZeigen(false);
        KoordinatenAnzeigen(wert, true);
        ListeWaehlen(Anfangspunkt, p.Anfangspunkt() ? p.Anfangspunkt()->Name : std::string());
        ListeWaehlen(TransVektor, p.Vektor() ? p.Vektor()->Name : std::string());
    }
    Festlegung = p.Festlegung;

    Darstellung->setCurrentIndex(p.Punktform < 5 ? p.Punktform : 0);
    SetzeFarbe(p.Farbe);
    Hilfslinien->setChecked(p.Hilfslinien);
    DickeSetzen(p.Dicke == 1);
}

void TPunktDLG::DarstellungsartGeklickt() {
    if (AnfangVektorKnopf->isChecked()) {
        KoordinatenZeigen(false);
        return;
    }
    KoordinatenZeigen(true);
    const std::string a = ListenAuswahl(Anfangspunkt);
    const std::string v = ListenAuswahl(TransVektor);
    TTripel summe;
    if (Dokument && !a.empty() && !v.empty() &&
        PunktAusAnfangUndVektor(Dokument->Liste(), a, v, summe)) {
        Festlegung = TfrPunkt::PV;
        KoordinatenAnzeigen(summe, true);
    } else {
        Festlegung = TfrPunkt::Koord;
        for (QLineEdit* e : {Editx, Edity, Editz})
            SetzeNurLesen(e, false);
        EntstehungBox->hide();
        LabelEntstehung->clear();
    }
}

TPunktEingabe TPunktDLG::Eingabe() const {
    TPunktEingabe e;
    e.Neu = AlterName.empty() && !selbst_;
    e.Selbst = selbst_;
    e.Name = NameEdit->text().toStdString();
    e.AlterName = AlterName;
    e.Koordinaten = KoordinatenKnopf->isChecked();
    e.Edits = {Editx->text().toStdString(), Edity->text().toStdString(), Editz->text().toStdString()};
    e.Anfangspunkt = ListenAuswahl(Anfangspunkt);
    e.Vektor = ListenAuswahl(TransVektor);
    e.Abgeleitet = abgeleitet_;
    e.Angezeigt = angezeigt_;
    e.Gehalten = gehalten_;
    e.Punktform = Darstellung->currentIndex();
    e.Duenn = Duenn->isChecked();
    e.Farbe = Farbe();
    e.Hilfslinien = Hilfslinien->isChecked();
    e.Sichtbar = Sichtbarkeit;
    return e;
}

void TPunktDLG::Auswerten(bool uebernehmen) {
    if (!Dokument)
        return;
    Akzeptiert = false;
    Sichtbarkeit = true;
    const TPunktPruefung r = PunktPruefen(Dokument->Liste(), Eingabe());
    NameEdit->setText(QString::fromStdString(r.Name));
    if (r.StillSchliessen) {
        reject();
        return;
    }
    if (r.Fehler != PunktOk) {
        Seiten->setCurrentWidget(SeiteBestimmung);
        Warnung(r.Meldung);
        return;
    }
    Akzeptiert = true;
    if (!abgeleitet_ && AusserhalbDesDarstellungsbereichs(Dokument->Szene(), r.Punkt)) {
        const TAntwort a = Meldungen().Frage(
            "Der neue Punkt liegt außerhalb des Darstellungsbereichs, \r\n"
            "soll das Koordinatensystem angepasst werden?",
            TFrageKnoepfe::JaNein, "Kalvorin");
        if (a == TAntwort::Ja) {
            Dokument->KoordinatensystemAendern(
                [&](TKoordinatensystem& ks) { KoordinatensystemAnpassen(ks, r.Punkt); }, true);
        } else {
            Sichtbarkeit = false;
        }
    }
    if (!uebernehmen) {
        accept();
        return;
    }
    int slot = 0;
    Dokument->Aendern(
        [&](TListe& liste) {
            slot = PunktNeuAnlegen(liste, Eingabe());
            return slot != 0;
        },
        {TNeuaufbau::WennGeaendert, {}});
    if (!NachUebernahme(slot, TElementart::DfrPunkt))
        return;
    for (QLineEdit* e : {Editx, Edity, Editz})
        e->clear();
    if (Seiten->currentWidget() == SeiteBestimmung)
        NameEdit->setFocus();
}

void TPunktDLG::PunktAusDialog(TListe& liste, int position) {
    if (!Dokument || !Akzeptiert)
        return;
    kalvorin::PunktAusDialog(liste, position, Eingabe());
}

} // namespace kalvorin
