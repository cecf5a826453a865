#include "ui/TVektorDLG.h"

#include "document/Dokument.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kalvorin {

TVektorpfeil::TVektorpfeil(QLabel* name, QWidget* eltern) : QWidget(eltern), name_(name) {
    setObjectName(QStringLiteral("PfeilLabel"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TVektorpfeil::SetzeText(const QString& text) {
    text_ = text;
    update();
}

QSize TVektorpfeil::sizeHint() const {
    const QFontMetrics m = name_->fontMetrics();
    return {m.horizontalAdvance(QStringLiteral("WWWWWW")), std::max(6, m.height() / 2)};
}

QLineF TVektorpfeil::Linie() const {
    if (text_.isEmpty()) return {};
    // Both widgets fill one column; the label draws "name =" flush right
    // next to the components, so the name begins where the whole text does.
    const QFontMetrics m = name_->fontMetrics();
    const QRect innen = name_->contentsRect();
    const int ganz = m.horizontalAdvance(name_->text());
    const int links = name_->alignment() & Qt::AlignRight ? innen.right() + 1 - ganz : innen.left();
    const int breite = m.horizontalAdvance(text_);
    const double y = height() * 0.6;
    return {QPointF(links, y), QPointF(links + breite, y)};
}

void TVektorpfeil::paintEvent(QPaintEvent*) {
    const QLineF l = Linie();
    if (l.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor farbe =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    const QFontMetrics m = name_->fontMetrics();
    const double stift = std::max(1.0, m.height() / 16.0);
    const double kopf = std::max(4.0, m.height() / 4.0);
    p.setPen(QPen(farbe, stift, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(l.p1(), l.p2() - QPointF(kopf * 0.8, 0));
    QPainterPath spitze;
    spitze.moveTo(l.p2());
    spitze.lineTo(l.p2() + QPointF(-kopf, -kopf / 2));
    spitze.lineTo(l.p2() + QPointF(-kopf, kopf / 2));
    spitze.closeSubpath();
    p.fillPath(spitze, farbe);
}

// ---------------------------------------------------------------------------

namespace {
constexpr TEingabeArt<TVektorEingabe> Vektor{
    .Art = TElementart::DVektor,
    .Neu = VektorEingabeNeu,
    .AusElement = VektorEingabeAusElement,
    .Pruefen = nullptr,
    .FuerNaechste = VektorFuerNaechsten,
    .Uebernehmen = VektorUebernehmen,
};
} // namespace

TVektorDLG::TVektorDLG(QWidget* eltern)
    : TElementDialog(Vektor, QStringLiteral("Festlegen eines Vektors"), QStringLiteral("Name"),
                     eltern) {
    setObjectName(QStringLiteral("VektorDLG"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral("Name: "));
    auto* nameLayout = new QHBoxLayout(nameBox);
    nameLayout->addWidget(NameEdit);
    nameLayout->addStretch(1);

    auto* komponenten = new QGroupBox(QStringLiteral("Komponenten: "));
    komponenten->setObjectName(QStringLiteral("KomponentenBox"));
    AusgabeName = new QLabel;
    AusgabeName->setObjectName(QStringLiteral("VektordlgausgabeName"));
    AusgabeName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AusgabeName->setIndent(0);
    AusgabeName->setMinimumWidth(
        AusgabeName->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW =")));
    PfeilLabel = new TVektorpfeil(AusgabeName);
    Editx = ZahlEdit(QStringLiteral("Editx"));
    Edity = ZahlEdit(QStringLiteral("Edity"));
    Editz = ZahlEdit(QStringLiteral("Editz"));
    auto* k = new QGridLayout(komponenten);
    k->setVerticalSpacing(0);
    k->addWidget(PfeilLabel, 0, 0);
    k->addWidget(AusgabeName, 1, 0);
    TripelZeile(k, 1, 1, {Editx, Edity, Editz});
    k->setColumnStretch(8, 1);

    Zurueckhalten(EntstehungBox);
    auto* b = new QVBoxLayout(bestimmung);
    b->setContentsMargins(0, 0, 0, 0);
    b->addWidget(nameBox);
    b->addWidget(komponenten);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    Fertigstellen(bestimmung, nullptr);
    NameFolgt = false;
    BestimmungBeiAblehnung = true;
    // The scaled font: the name label keeps room for six wide letters.
    AusgabeName->setMinimumWidth(
        AusgabeName->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW =")));
    EntstehungBox->hide();
}

void TVektorDLG::NameGeaendert(const QString& name) {
    TElementDLG::NameGeaendert(name);
    const QString text = QString::fromStdString(VektorNamenText(name.toStdString()));
    AusgabeName->setText(text);
    PfeilLabel->SetzeText(text.left(text.size() - 2));
}

void TVektorDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    BasisZeigen(eingabe_);
    EditsSetzen({Editx, Edity, Editz}, eingabe_.Komponenten, eingabe_.NurLesen);
}

void TVektorDLG::Sammeln(TVektorEingabe& e) const {
    BasisSammeln(e);
    e.Komponenten = EditTexte({Editx, Edity, Editz});
}

TEingabePruefung TVektorDLG::Pruefen(TDokument& dokument) {
    Sammeln(eingabe_);
    const TVektorPruefung r = VektorPruefen(dokument.Liste(), eingabe_);
    // The name without its blanks, also when it is refused.
    eingabe_.Name = r.Name;
    TextSetzen(NameEdit, r.Name);
    return r;
}

} // namespace kalvorin
