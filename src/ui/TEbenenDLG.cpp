#include "ui/TEbenenDLG.h"

#include "document/Dokument.h"
#include "ui/Gleichungsseite.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvorin {

namespace {

// Captions and object names of the radio buttons, by mode.
constexpr const char* KnopfTitel[AnzahlEbenenWege] = {
    "Parameterform", "Normalenform ", "Punkt-Punkt-Punkt",  "Punkt-Vektor-Vektor",
    "Gerade-Punkt",  "Gerade-Gerade", "Punkt-Normalvektor", "Gerade-Vektor"};
constexpr const char* KnopfName[AnzahlEbenenWege] = {
    "EbenenDLGEPARButton", "EbenenDLGNorButton", "EbenenDLGPPPButton", "EbenenDLGPVVButton",
    "EbenenDLGPGButton",   "EbenenDLGGGButton",  "EbenenDLGEPVButton", "EbenenDLGGVButton"};

QString L(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

namespace {
constexpr TEingabeArt<TEbenenEingabe> Ebene{
    .Art = TElementart::DEbene,
    .Neu = EbeneEingabeNeu,
    .AusElement = EbeneEingabeAusElement,
    .Pruefen = EbenePruefen,
    .FuerNaechste = EbeneFuerNaechste,
    .Uebernehmen = EbeneUebernehmen,
};
} // namespace

TEbenenDLG::TEbenenDLG(QWidget* eltern)
    : TElementDialog(Ebene, QStringLiteral("Festlegen einer Ebene"),
                     QStringLiteral("EbenenDLGName"), eltern) {
    setObjectName(QStringLiteral("EbenenDLG"));
    // The plane's description keeps its own name while a new one is typed.
    NameFolgt = false;
    EntstehungBox->setTitle(QStringLiteral(" Entstehung: "));
    LabelEntstehung->setObjectName(QStringLiteral("EbenenDLGLabelEntstehung"));

    auto* bestimmung = new QWidget;
    auto* nameBox = new QGroupBox(QStringLiteral(" Name: "));
    (new QHBoxLayout(nameBox))->addWidget(NameEdit);

    auto* art = new QGroupBox(QStringLiteral(" Darstellungsart "));
    art->setObjectName(QStringLiteral("EbenenDLGDarstellungsart"));
    auto* gruppe = new QButtonGroup(this);
    auto* artLayout = new QGridLayout(art);
    for (int w = 0; w < AnzahlEbenenWege; ++w) {
        auto* k = new QRadioButton(L(KnopfTitel[w]));
        k->setObjectName(L(KnopfName[w]));
        Knoepfe[static_cast<std::size_t>(w)] = k;
        gruppe->addButton(k, w);
        artLayout->addWidget(k, w / 4, w % 4);
        connect(k, &QRadioButton::clicked, this, [this, w] { KnopfGeklickt(w); });
    }

    // 0 " Parameterform ": x = P + l * u + m * v
    auto* par = new QGroupBox(QStringLiteral(" Parameterform "));
    par->setObjectName(QStringLiteral("EbenenDLGEPARBox"));
    parPunkt_ = {ZahlEdit(QStringLiteral("EbenenDLGEparPx")),
                 ZahlEdit(QStringLiteral("EbenenDLGEparPy")),
                 ZahlEdit(QStringLiteral("EbenenDLGEparPz"))};
    parRichtung1_ = {ZahlEdit(QStringLiteral("EbenenDLGEparV1X")),
                     ZahlEdit(QStringLiteral("EbenenDLGEparV1Y")),
                     ZahlEdit(QStringLiteral("EbenenDLGEparV1Z"))};
    parRichtung2_ = {ZahlEdit(QStringLiteral("EbenenDLGEparV2X")),
                     ZahlEdit(QStringLiteral("EbenenDLGEparV2Y")),
                     ZahlEdit(QStringLiteral("EbenenDLGEparV2Z"))};
    auto* pg = new QGridLayout(par);
    auto* xPfeil =
        new QLabel(QStringLiteral("<span style=\"font-size:large\"><i>x</i>&#8407;</span> ="));
    xPfeil->setTextFormat(Qt::RichText);
    pg->addWidget(xPfeil, 0, 0, Qt::AlignRight);
    TripelZeile(pg, 0, 1, parPunkt_);
    pg->addWidget(Zeichen(QStringLiteral("+ l *")), 1, 0, Qt::AlignRight);
    TripelZeile(pg, 1, 1, parRichtung1_);
    pg->addWidget(Zeichen(QStringLiteral("+ m *")), 2, 0, Qt::AlignRight);
    TripelZeile(pg, 2, 1, parRichtung2_);
    pg->setColumnStretch(8, 1);
    for (const TEdits* edits : {&parPunkt_, &parRichtung1_, &parRichtung2_})
        for (QLineEdit* e : *edits)
            connect(e, &QLineEdit::textChanged, this, [this] { FeldGeaendert(TEbene::EPAR); });

    // 1 " Normalenform ": a * x + b * y + c * z + d = 0
    auto* nor = new QGroupBox(QStringLiteral(" Normalenform "));
    nor->setObjectName(QStringLiteral("EbenenDLGNORBox"));
    const char* norNamen[4] = {"EbenenDLGNorX", "EbenenDLGNorY", "EbenenDLGNorZ", "EbenenDLGNorD"};
    const char* norZeichen[4] = {"* x +", "* y +", "* z +", "= 0"};
    auto* ng = new QHBoxLayout(nor);
    for (std::size_t i = 0; i < 4; ++i) {
        normalenform_[i] = ZahlEdit(L(norNamen[i]));
        ng->addWidget(normalenform_[i]);
        ng->addWidget(Zeichen(L(norZeichen[i])));
        connect(normalenform_[i], &QLineEdit::textChanged, this,
                [this] { FeldGeaendert(TEbene::ENOR); });
    }
    ng->addStretch(1);

    const auto ppp = [](int i) {
        static TTeilEingabe& (*const zugriff[3])(TEbenenEingabe&) = {
            [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PPP[0]; },
            [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PPP[1]; },
            [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PPP[2]; }};
        return zugriff[i];
    };

    Wege = new QStackedWidget;
    Wege->setObjectName(QStringLiteral("EbenenDLGWege"));
    Wege->addWidget(WegSeite({par}));
    Wege->addWidget(WegSeite({nor}));
    Wege->addWidget(WegSeite({Teil(QStringLiteral(" 1. Punkt "), QStringLiteral("EbenenDLGPPP1"),
                                   TEbene::EPPP, PunktArten, ppp(0)),
                              Teil(QStringLiteral(" 2. Punkt "), QStringLiteral("EbenenDLGPPP2"),
                                   TEbene::EPPP, PunktArten, ppp(1)),
                              Teil(QStringLiteral(" 3. Punkt "), QStringLiteral("EbenenDLGPPP3"),
                                   TEbene::EPPP, PunktArten, ppp(2))}));
    Wege->addWidget(WegSeite(
        {Teil(QStringLiteral(" Anfangspunkt "), QStringLiteral("EbenenDLGPVVP"), TEbene::EPVV,
              PunktArten, [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PVVPunkt; }),
         Teil(QStringLiteral(" 1. Vektor "), QStringLiteral("EbenenDLGPVVV1"), TEbene::EPVV,
              VektorArten, [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PVVVektor1; }),
         Teil(QStringLiteral(" 2. Vektor "), QStringLiteral("EbenenDLGPVVV2"), TEbene::EPVV,
              VektorArten, [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PVVVektor2; })}));
    Wege->addWidget(WegSeite(
        {Teil(QStringLiteral(" Punkt "), QStringLiteral("EbenenDLGPGP"), TEbene::EPG, PunktArten,
              [](TEbenenEingabe& e) -> TTeilEingabe& { return e.PGPunkt; }),
         GeradenGruppe(QStringLiteral(" Gerade "), QStringLiteral("EbenenDLGPGGName"), TEbene::EPG,
                       [](TEbenenEingabe& e) -> std::string& { return e.PGGerade; })}));
    Wege->addWidget(WegSeite(
        {GeradenGruppe(QStringLiteral(" 1. Gerade "), QStringLiteral("EbenenDLGGG1GName"),
                       TEbene::EGG, [](TEbenenEingabe& e) -> std::string& { return e.GG1; }),
         GeradenGruppe(QStringLiteral(" 2. Gerade "), QStringLiteral("EbenenDLGGG2GName"),
                       TEbene::EGG, [](TEbenenEingabe& e) -> std::string& { return e.GG2; })}));
    Wege->addWidget(WegSeite(
        {Teil(QStringLiteral(" Punkt "), QStringLiteral("EbenenDLGEPVP"), TEbene::EPV, PunktArten,
              [](TEbenenEingabe& e) -> TTeilEingabe& { return e.EPVPunkt; }),
         Teil(QStringLiteral(" Normalvektor "), QStringLiteral("EbenenDLGEPVV"), TEbene::EPV,
              VektorArten, [](TEbenenEingabe& e) -> TTeilEingabe& { return e.EPVVektor; })}));
    Wege->addWidget(WegSeite(
        {GeradenGruppe(QStringLiteral(" Gerade "), QStringLiteral("EbenenDLGGVGName"), TEbene::EGV,
                       [](TEbenenEingabe& e) -> std::string& { return e.GVGerade; }),
         Teil(QStringLiteral(" Vektor "), QStringLiteral("EbenenDLGGVV"), TEbene::EGV, VektorArten,
              [](TEbenenEingabe& e) -> TTeilEingabe& { return e.GVVektor; })}));
    Zurueckhalten(EntstehungBox);

    auto* b = new QVBoxLayout(bestimmung);
    b->addWidget(nameBox);
    b->addWidget(art);
    b->addWidget(Wege);
    b->addWidget(EntstehungBox);
    b->addStretch(1);

    // Page "Eigenschaften"
    auto* eigenschaften = new QWidget;
    auto* transparenzBox = new QGroupBox(QStringLiteral(" Transparenz "));
    Transparenz = new QSpinBox;
    Transparenz->setObjectName(QStringLiteral("EbenenDLGTransparenz"));
    Transparenz->setRange(0, 5);
    // Chosen with the arrows only.
    if (auto* feld = Transparenz->findChild<QLineEdit*>()) feld->setReadOnly(true);
    Transparenz->setToolTip(QStringLiteral("0 bedeutet undurchsichtig"));
    (new QHBoxLayout(transparenzBox))->addWidget(Transparenz);
    auto* e = new QGridLayout(eigenschaften);
    e->addWidget(DickeGruppe(QStringLiteral("EbenenDLGcheckduenn"),
                             QStringLiteral("EbenenDLGCheckdick"), QStringLiteral(" Dicke ")),
                 0, 0);
    e->addWidget(FarbGruppe(QStringLiteral("EbenenDLGFarbe"), QStringLiteral(" Farbe ")), 0, 1);
    e->addWidget(transparenzBox, 1, 0);
    e->setRowStretch(2, 1);

    Fertigstellen(bestimmung, eigenschaften);
    Gleichungen = GleichungsSeiteAnlegen(Seiten, QStringLiteral("EbenenDLGGleichungen"));
    Knoepfe[TEbene::EPAR]->setChecked(true);
    EntstehungBox->hide();
}

QWidget* TEbenenDLG::WegSeite(std::initializer_list<QWidget*> gruppen) {
    auto* seite = new QWidget;
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(0, 0, 0, 0);
    for (QWidget* g : gruppen)
        l->addWidget(g);
    l->addStretch(1);
    return seite;
}

QGroupBox* TEbenenDLG::Teil(const QString& titel, const QString& praefix, int weg,
                            std::uint32_t arten, TTeilEingabe& (*teil)(TEbenenEingabe&)) {
    TTeilFeld f;
    f.Weg = weg;
    f.Arten = arten;
    f.Teil = teil;
    QGroupBox* g =
        TeilGruppe(titel, praefix + QStringLiteral("Box"), praefix + QStringLiteral("Name"),
                   praefix + QStringLiteral("X"), praefix + QStringLiteral("Y"),
                   praefix + QStringLiteral("Z"), f.Combo, f.Edits);
    for (QLineEdit* e : f.Edits)
        connect(e, &QLineEdit::textChanged, this, [this, weg] { FeldGeaendert(weg); });
    const std::size_t nr = teile_.size();
    connect(f.Combo, &QComboBox::editTextChanged, this, [this, nr] { NameGewaehlt(teile_[nr]); });
    teile_.push_back(f);
    return g;
}

QGroupBox* TEbenenDLG::GeradenGruppe(const QString& titel, const QString& name, int weg,
                                     std::string& (*name_)(TEbenenEingabe&)) {
    auto* g = new QGroupBox(titel);
    g->setObjectName(name + QStringLiteral("Box"));
    QComboBox* liste = NamenListe(name);
    auto* l = new QHBoxLayout(g);
    l->addWidget(liste);
    l->addStretch(1);
    connect(liste, &QComboBox::currentIndexChanged, this, [this, weg] { FeldGeaendert(weg); });
    geraden_.push_back({liste, weg, name_});
    return g;
}

QPixmap TEbenenDLG::Muster(bool dick, TFarbe farbe) const {
    QPixmap bild(60, 24);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QFarbe(Dunkler(farbe, 0.3)), dick ? 4 : 1));
    p.setBrush(QFarbe(farbe));
    const QPointF ecken[4] = {{14, 4}, {56, 4}, {46, 20}, {4, 20}};
    p.drawPolygon(ecken, 4);
    return bild;
}

void TEbenenDLG::Zeigen() {
    const TZeigen zeigen(Zeigend);
    TEbenenEingabe& e = eingabe_;
    BasisZeigen(e);
    for (int w = 0; w < AnzahlEbenenWege; ++w)
        Knoepfe[static_cast<std::size_t>(w)]->setEnabled(e.Aktiv[static_cast<std::size_t>(w)]);
    Knoepfe[static_cast<std::size_t>(e.Weg)]->setChecked(true);
    Wege->setCurrentIndex(e.Weg);
    EditsSetzen(parPunkt_, e.ParPunkt, e.ParameterformFest);
    EditsSetzen(parRichtung1_, e.ParRichtung1, e.ParameterformFest);
    EditsSetzen(parRichtung2_, e.ParRichtung2, e.ParameterformFest);
    for (std::size_t i = 0; i < 4; ++i) {
        TextSetzen(normalenform_[i], e.Normalenform[i]);
        SetzeNurLesen(normalenform_[i], e.NormalenformFest);
    }
    // Filling a list empties its edit text: only when the entries changed.
    const bool punkteNeu = punkteGezeigt_ != e.Punkte;
    const bool vektorenNeu = vektorenGezeigt_ != e.Vektoren;
    for (TTeilFeld& f : teile_) {
        if (f.Arten == PunktArten ? punkteNeu : vektorenNeu)
            ListeFuellen(f.Combo, f.Arten == PunktArten ? e.Punkte : e.Vektoren, false);
        const TTeilEingabe& t = f.Teil(e);
        TextSetzen(f.Combo, t.Name);
        EditsSetzen(f.Edits, t.Werte, t.Fest);
    }
    punkteGezeigt_ = e.Punkte;
    vektorenGezeigt_ = e.Vektoren;
    const bool geradenNeu = geradenGezeigt_ != e.Geraden;
    for (TGeradenFeld& g : geraden_) {
        if (geradenNeu) ListeFuellen(g.Liste, e.Geraden, false);
        ListeWaehlen(g.Liste, g.Name(e));
    }
    geradenGezeigt_ = e.Geraden;
}

void TEbenenDLG::Sammeln(TEbenenEingabe& e) const {
    BasisSammeln(e);
    for (int w = 0; w < AnzahlEbenenWege; ++w)
        if (Knoepfe[static_cast<std::size_t>(w)]->isChecked()) e.Weg = w;
    e.ParPunkt = EditTexte(parPunkt_);
    e.ParRichtung1 = EditTexte(parRichtung1_);
    e.ParRichtung2 = EditTexte(parRichtung2_);
    for (std::size_t i = 0; i < 4; ++i)
        e.Normalenform[i] = Text(normalenform_[i]);
    for (const TTeilFeld& f : teile_) {
        TTeilEingabe& t = f.Teil(e);
        t.Name = f.Combo->currentText().toStdString();
        t.Werte = EditTexte(f.Edits);
    }
    for (const TGeradenFeld& g : geraden_)
        g.Name(e) = ListenAuswahl(g.Liste);
}

void TEbenenDLG::FeldGeaendert(int weg) {
    Geaendert([weg](TEbenenEingabe& e) { e.WegGeaendert(weg); });
}

void TEbenenDLG::NameGewaehlt(const TTeilFeld& f) {
    TeilGeaendert(f.Teil, f.Arten, [&f](TEbenenEingabe& e) { e.WegGeaendert(f.Weg); });
}

void TEbenenDLG::KnopfGeklickt(int weg) {
    if (Zeigend || !Dokument) return;
    Sammeln(eingabe_);
    std::string meldung;
    if (weg == TEbene::ENOR)
        meldung = EbeneNormalenformGewaehlt(eingabe_, Dokument->Liste());
    else
        eingabe_.Weg = weg;
    Zeigen();
    if (!meldung.empty()) Warnung(meldung);
}

} // namespace kalvorin
