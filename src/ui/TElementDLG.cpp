#include "ui/TElementDLG.h"

#include "document/Dokument.h"
#include "eingabe/ElementEingabe.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "ui/DialogSkalierung.h"
#include "ui/ElementDialoge.h"
#include "ui/Gleichungsseite.h"
#include "ui/Hilfe.h"
#include "zahlen/Zahlen.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace kalvorin {

QColor QFarbe(TFarbe f) {
    return QColor(Rot(f), Gruen(f), Blau(f));
}

TFarbe AusQFarbe(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

namespace {

// "FarbeA=9FADFD": a name, "=", and the colour as hex with blue in the high byte.
bool CustomColorLesen(const std::string& eintrag, TFarbe& f) {
    const auto gleich = eintrag.find('=');
    if (gleich == std::string::npos) return false;
    const QString hex = QString::fromStdString(eintrag.substr(gleich + 1)).trimmed();
    bool ok = false;
    const uint wert = hex.toUInt(&ok, 16);
    if (!ok || hex.isEmpty()) return false;
    f = wert & 0xFFFFFF;
    return true;
}

std::string CustomColorText(int n, TFarbe f) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(f & 0xFFFFFF));
    return std::string("Farbe") + static_cast<char>('A' + n) + "=" + hex;
}

} // namespace

bool FarbeWaehlen(QWidget* eltern, TFarbe& farbe) {
    auto& eintraege = Einstellungen().CustomColors;
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i) {
        TFarbe f = RGB(255, 255, 255);
        if (static_cast<std::size_t>(i) < eintraege.size())
            CustomColorLesen(eintraege[static_cast<std::size_t>(i)], f);
        QColorDialog::setCustomColor(i, QFarbe(f));
    }
    const QColor gewaehlt = QColorDialog::getColor(QFarbe(farbe), eltern, QStringLiteral("Farbe"));
    // Custom colours the user defined are kept for the next time.
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i) {
        const TFarbe f = AusQFarbe(QColorDialog::customColor(i));
        TFarbe alt = RGB(255, 255, 255);
        const bool vorhanden = static_cast<std::size_t>(i) < eintraege.size();
        if (vorhanden) CustomColorLesen(eintraege[static_cast<std::size_t>(i)], alt);
        if (f == alt) continue;
        while (eintraege.size() < static_cast<std::size_t>(i))
            eintraege.push_back(
                CustomColorText(static_cast<int>(eintraege.size()), RGB(255, 255, 255)));
        if (vorhanden)
            eintraege[static_cast<std::size_t>(i)] = CustomColorText(i, f);
        else
            eintraege.push_back(CustomColorText(i, f));
    }
    if (!gewaehlt.isValid()) return false;
    farbe = AusQFarbe(gewaehlt);
    return true;
}

void DialogKnoepfe(QDialog* dialog, const std::array<QPushButton**, 3>& knoepfe,
                   const std::array<const char*, 3>& texte, const std::array<const char*, 3>& namen,
                   const std::function<void()>& ok, const std::function<QString()>& thema) {
    for (std::size_t i = 0; i < 3; ++i) {
        *knoepfe[i] = new QPushButton(QString::fromUtf8(texte[i]));
        (*knoepfe[i])->setObjectName(QString::fromUtf8(namen[i]));
    }
    QPushButton* okKnopf = *knoepfe[0];
    okKnopf->setDefault(true);
    (*knoepfe[1])->setAutoDefault(false);
    (*knoepfe[2])->setAutoDefault(false);
    QObject::connect(okKnopf, &QPushButton::clicked, dialog, ok);
    QObject::connect(*knoepfe[1], &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(*knoepfe[2], &QPushButton::clicked, dialog,
                     [thema] { THilfe::ZeigeThema(thema()); });
}

void ListeFuellen(QComboBox* liste, std::vector<std::string> namen, bool leererEintrag) {
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        const int c =
            QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    const QSignalBlocker sperre(liste);
    liste->clear();
    if (leererEintrag) liste->addItem(QString());
    for (const std::string& n : namen)
        liste->addItem(QString::fromStdString(n));
    liste->setCurrentIndex(-1);
    if (liste->isEditable()) liste->setEditText(QString());
}

void ListeWaehlen(QComboBox* liste, const std::string& name) {
    liste->setCurrentIndex(name.empty() ? -1 : liste->findText(QString::fromStdString(name)));
}

std::string ListenAuswahl(const QComboBox* liste) {
    return liste->currentIndex() < 0 ? std::string() : liste->currentText().toStdString();
}

// ---------------------------------------------------------------------------

TFarbFeld::TFarbFeld(QWidget* eltern) : QLabel(eltern) {
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Klicken, um die Farbe zu wählen"));
    setMinimumSize(48, 32);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TFarbFeld::SetzeFarbe(TFarbe f) {
    farbe_ = f;
    QPalette p = palette();
    p.setColor(QPalette::Window, QFarbe(f));
    setPalette(p);
}

void TFarbFeld::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    emit Geklickt();
}

bool TZahlTastenFilter::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* taste = static_cast<QKeyEvent*>(e);
    const QString anderer(QChar::fromLatin1(AndererTrenner()));
    if (taste->text() != anderer) return false;
    const QString trenner(QChar::fromLatin1(Einstellungen().Dezimaltrenner));
    QKeyEvent ersatz(QEvent::KeyPress, Qt::Key_unknown, taste->modifiers(), trenner);
    QCoreApplication::sendEvent(ziel, &ersatz);
    return true;
}

// ---------------------------------------------------------------------------

TElementDLG::TElementDLG(const QString& titel, const QString& nameObjekt, QWidget* eltern)
    : QDialog(eltern) {
    setWindowTitle(titel);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    filter_ = new TZahlTastenFilter(this);
    NameEdit = new QLineEdit;
    NameEdit->setObjectName(nameObjekt);
    NameEdit->setMaxLength(12);
    EntstehungBox = new QGroupBox(QStringLiteral("Entstehung: "));
    EntstehungBox->setObjectName(QStringLiteral("Entstehung"));
    LabelEntstehung = new QLabel;
    LabelEntstehung->setObjectName(QStringLiteral("LabelEntstehung"));
    LabelEntstehung->setWordWrap(true);
    (new QVBoxLayout(EntstehungBox))->addWidget(LabelEntstehung);
    connect(NameEdit, &QLineEdit::textChanged, this,
            [this](const QString& t) { NameGeaendert(t); });
}

void TElementDLG::NameGeaendert(const QString& name) {
    const std::string text =
        NameFolgt ? EntstehungMitName(entstehung_, name.toStdString()) : entstehung_;
    LabelEntstehung->setText(QString::fromStdString(text));
}

void TElementDLG::BasisZeigen(const TElementEingabe& e) {
    const TZeigen zeigen(Zeigend);
    entstehung_ = e.Entstehung;
    TextSetzen(NameEdit, e.Name);
    NameGeaendert(NameEdit->text());
    EntstehungBox->setVisible(!e.Entstehung.empty());
    if (Duenn) DickeSetzen(e.Duenn);
    if (FarbFeld) SetzeFarbe(e.Farbe);
    if (Darstellung) Darstellung->setCurrentIndex(e.Punktform);
    if (RandCheck) RandCheck->setChecked(e.MitRand);
    if (Transparenz) Transparenz->setValue(e.Transparenz);
    if (Hilfslinien) Hilfslinien->setChecked(e.Hilfslinien);
}

void TElementDLG::BasisSammeln(TElementEingabe& e) const {
    e.Name = Text(NameEdit);
    // A vector has neither thickness nor colour.
    if (Duenn) e.Duenn = Duenn->isChecked();
    if (FarbFeld) e.Farbe = Farbe();
    if (Darstellung) e.Punktform = Darstellung->currentIndex();
    if (RandCheck) e.MitRand = RandCheck->isChecked();
    if (Transparenz) e.Transparenz = Transparenz->value();
    if (Hilfslinien) e.Hilfslinien = Hilfslinien->isChecked();
}

void TElementDLG::TextSetzen(QLineEdit* edit, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (edit->text() != t) edit->setText(t);
}

void TElementDLG::TextSetzen(QComboBox* combo, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (combo->currentText() != t) combo->setEditText(t);
}

std::string TElementDLG::Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

void TElementDLG::EditsSetzen(const TEdits& edits, const TFeldTexte& texte, bool nurLesen) {
    for (std::size_t i = 0; i < 3; ++i) {
        TextSetzen(edits[i], texte[i]);
        SetzeNurLesen(edits[i], nurLesen);
    }
}

TFeldTexte TElementDLG::EditTexte(const TEdits& edits) {
    return {Text(edits[0]), Text(edits[1]), Text(edits[2])};
}

QLabel* TElementDLG::Zeichen(const QString& text) {
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

void TElementDLG::TripelZeile(QGridLayout* g, int zeile, int spalte, const TEdits& edits) {
    g->addWidget(Zeichen(QStringLiteral("(")), zeile, spalte);
    g->addWidget(edits[0], zeile, spalte + 1);
    g->addWidget(Zeichen(QStringLiteral("|")), zeile, spalte + 2);
    g->addWidget(edits[1], zeile, spalte + 3);
    g->addWidget(Zeichen(QStringLiteral("|")), zeile, spalte + 4);
    g->addWidget(edits[2], zeile, spalte + 5);
    g->addWidget(Zeichen(QStringLiteral(")")), zeile, spalte + 6);
}

QGroupBox* TElementDLG::TeilGruppe(const QString& titel, const QString& box, const QString& combo,
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

QComboBox* TElementDLG::NamenListe(const QString& name) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->setMinimumContentsLength(12);
    return c;
}

void TElementDLG::Zurueckhalten(QWidget* w) {
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}

void TElementDLG::Vorbereiten(TDokument& dokument) {
    Dokument = &dokument;
    Uebernommen = false;
    Akzeptiert = false;
    Seiten->setCurrentWidget(SeiteBestimmung);
}

void TElementDLG::GleichungenZeigen(const TDreiDBasisElement* element) {
    if (Gleichungen) GleichungsSeiteZeigen(Seiten, Gleichungen, element);
}

void TElementDLG::Auswerten(bool uebernehmen) {
    if (!Dokument) return;
    Akzeptiert = false;
    const TEingabePruefung r = Pruefen(*Dokument);
    switch (r.Ergebnis) {
    case TPruefergebnis::StillSchliessen:
        reject();
        return;
    case TPruefergebnis::Unvollstaendig:
    case TPruefergebnis::Abgelehnt:
        if (BestimmungBeiAblehnung) Seiten->setCurrentWidget(SeiteBestimmung);
        Warnung(r.Meldung);
        return;
    case TPruefergebnis::Gueltig:
        break;
    }
    Akzeptiert = true;
    if (!uebernehmen) {
        accept();
        return;
    }
    // Applied now, in the document's transaction: view and object list
    // show the element while the dialog stays open for the next one.
    const int slot = Anwenden(*Dokument);
    Akzeptiert = false;
    if (slot == 0) return;
    Uebernommen = true;
    FuerNaechstes(Dokument->Liste());
    if (Seiten->currentWidget() == SeiteBestimmung) NameEdit->setFocus();
}

QGroupBox* TElementDLG::DickeGruppe(const QString& duennName, const QString& dickName,
                                    const QString& titel) {
    auto* box = new QGroupBox(titel);
    box->setObjectName(QStringLiteral("Dicke"));
    Duenn = new QCheckBox(QStringLiteral("dünn"));
    Dick = new QCheckBox(QStringLiteral("dick"));
    Duenn->setObjectName(duennName);
    Dick->setObjectName(dickName);
    musterDuenn_ = new QLabel;
    musterDick_ = new QLabel;
    auto* g = new QGridLayout(box);
    g->addWidget(Duenn, 0, 0);
    g->addWidget(musterDuenn_, 0, 1);
    g->addWidget(Dick, 1, 0);
    g->addWidget(musterDick_, 1, 1);
    g->setColumnStretch(1, 1);
    // Exactly one of the two stays checked.
    const auto paar = [](QCheckBox* geklickt, QCheckBox* anderer) {
        if (geklickt->isChecked() && anderer->isChecked())
            anderer->setChecked(false);
        else if (!geklickt->isChecked() && !anderer->isChecked())
            anderer->setChecked(true);
    };
    connect(Duenn, &QCheckBox::clicked, this, [this, paar] { paar(Duenn, Dick); });
    connect(Dick, &QCheckBox::clicked, this, [this, paar] { paar(Dick, Duenn); });
    return box;
}

QWidget* TElementDLG::EigenschaftsSeite(QWidget* darstellung, const QString& duennName,
                                        const QString& dickName, const QString& farbName,
                                        const QString& hilfslinienName) {
    auto* seite = new QWidget;
    Hilfslinien = new QCheckBox(QStringLiteral("  Hilfslinien der Abbildung zeichnen"));
    Hilfslinien->setObjectName(hilfslinienName);
    auto* e = new QGridLayout(seite);
    e->addWidget(darstellung, 0, 0);
    e->addWidget(DickeGruppe(duennName, dickName), 0, 1);
    e->addWidget(FarbGruppe(farbName), 1, 0);
    e->addWidget(Hilfslinien, 1, 1);
    e->setRowStretch(2, 1);
    return seite;
}

QGroupBox* TElementDLG::FarbGruppe(const QString& name, const QString& titel) {
    auto* box = new QGroupBox(titel);
    FarbFeld = new TFarbFeld;
    FarbFeld->setObjectName(name);
    auto* l = new QHBoxLayout(box);
    l->addStretch(1);
    l->addWidget(FarbFeld);
    l->addStretch(1);
    connect(FarbFeld, &TFarbFeld::Geklickt, this, [this] {
        TFarbe f = FarbFeld->Farbe();
        if (FarbeWaehlen(this, f)) SetzeFarbe(f);
    });
    return box;
}

void TElementDLG::DickeSetzen(bool duenn) {
    if (!Duenn) return;
    Duenn->setChecked(duenn);
    Dick->setChecked(!duenn);
}

void TElementDLG::SetzeFarbe(TFarbe f) {
    if (!FarbFeld) return;
    FarbFeld->SetzeFarbe(f);
    MusterAktualisieren();
}

TFarbe TElementDLG::Farbe() const {
    return FarbFeld ? FarbFeld->Farbe() : Schwarz;
}

QPixmap TElementDLG::LinienMuster(bool dick, TFarbe farbe) {
    QPixmap bild(60, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QFarbe(farbe), dick ? 5 : 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 8), QPointF(56, 8));
    return bild;
}

void TElementDLG::MusterAktualisieren() {
    if (musterDuenn_) musterDuenn_->setPixmap(Muster(false, Farbe()));
    if (musterDick_) musterDick_->setPixmap(Muster(true, Farbe()));
}

void TElementDLG::Fertigstellen(QWidget* bestimmung, QWidget* eigenschaften) {
    const TArtOberflaeche& art = ArtOberflaeche[static_cast<std::size_t>(Art())];
    themaBestimmung_ = QString::fromLatin1(art.HilfeBestimmung);
    themaEigenschaften_ =
        art.HilfeEigenschaften ? QString::fromLatin1(art.HilfeEigenschaften) : QString();
    SeiteBestimmung = bestimmung;
    SeiteEigenschaften = eigenschaften;
    THilfe::SetzeThema(this, themaBestimmung_);

    Seiten = new QTabWidget;
    Seiten->setObjectName(QStringLiteral("Seiten"));

    HilfeKnopf = new QPushButton(QStringLiteral("&Hilfe"));
    AbbruchKnopf = new QPushButton(QStringLiteral("Abbruch"));
    UebernehmenKnopf = new QPushButton(QStringLiteral("Übernehmen"));
    OKKnopf = new QPushButton(QStringLiteral("OK"));
    HilfeKnopf->setObjectName(QStringLiteral("Hilfe"));
    AbbruchKnopf->setObjectName(QStringLiteral("Abbruch"));
    UebernehmenKnopf->setObjectName(QStringLiteral("Uebernehmen"));
    OKKnopf->setObjectName(QStringLiteral("OK"));
    for (QPushButton* b : {HilfeKnopf, AbbruchKnopf, UebernehmenKnopf})
        b->setAutoDefault(false);
    OKKnopf->setDefault(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(HilfeKnopf);
    knoepfe->addStretch(1);
    knoepfe->addWidget(AbbruchKnopf);
    knoepfe->addWidget(UebernehmenKnopf);
    knoepfe->addWidget(OKKnopf);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Seiten);
    if (eigenschaften) {
        Seiten->addTab(bestimmung, QStringLiteral("Bestimmung"));
        Seiten->addTab(eigenschaften, QStringLiteral("Eigenschaften"));
        THilfe::SetzeThema(eigenschaften, themaEigenschaften_);
        l->addLayout(knoepfe);
    } else {
        // A single page that holds the buttons as well.
        auto* seite = new QWidget;
        auto* s = new QVBoxLayout(seite);
        s->addWidget(bestimmung);
        s->addLayout(knoepfe);
        SeiteBestimmung = seite;
        Seiten->addTab(seite, QStringLiteral("Bestimmung"));
    }
    THilfe::SetzeThema(SeiteBestimmung, themaBestimmung_);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(HilfeKnopf, &QPushButton::clicked, this, [this] { THilfe::ZeigeThema(HilfeThema()); });
    connect(AbbruchKnopf, &QPushButton::clicked, this, &QDialog::reject);
    connect(OKKnopf, &QPushButton::clicked, this, [this] { Auswerten(false); });
    connect(UebernehmenKnopf, &QPushButton::clicked, this, [this] { Auswerten(true); });
    MusterAktualisieren();
    Skalieren();
}

QString TElementDLG::HilfeThema() const {
    return Seiten && Seiten->currentWidget() == SeiteEigenschaften ? themaEigenschaften_
                                                                   : themaBestimmung_;
}

QLineEdit* TElementDLG::ZahlEdit(const QString& name) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->installEventFilter(filter_);
    e->setAlignment(Qt::AlignRight);
    // Room for "-123/100" and the like without looking stretched.
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-8888/888")) + 12);
    e->setMaximumWidth(e->minimumWidth() * 3 / 2);
    return e;
}

void TElementDLG::SetzeNurLesen(QLineEdit* edit, bool nurLesen) {
    edit->setReadOnly(nurLesen);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base,
               QApplication::palette().color(nurLesen ? QPalette::Button : QPalette::Base));
    edit->setPalette(p);
}

void TElementDLG::Warnung(const std::string& text) {
    Meldungen().Meldung(text, TMeldungsart::Warnung, "Kalvorin");
}

void TElementDLG::Skalieren() {
    skalierung_ = DialogSkalieren(*this);
}

void TElementDLG::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    NameEdit->setFocus();
}

} // namespace kalvorin
