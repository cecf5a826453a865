#include "ui/TKoordDLGForm.h"

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "ui/DialogSkalierung.h"
#include "ui/Hilfe.h"
#include "ui/TElementDLG.h"
#include "view/qt/Bildausgabe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kalvorin {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

const char* const AchsenBuchstaben[3] = {"x", "y", "z"};
const char* const EbenenNamen[3] = {"xy", "yz", "xz"};
const char* const SkalierungsTexte[6] = {"keine",       "bei 1,0 LE",  "alle 0,5 LE",
                                         "alle 1,0 LE", "alle 2,0 LE", "alle 5,0 LE"};
const char* const FarbKnopfTexte[3] = {" &Farbe festlegen", " F&arbe festlegen",
                                       " Fa&rbe festlegen"};

const QString ThemaAchsen = QStringLiteral("IDH_Dialog_Koordinatensystem_Achsen");
const QString ThemaEbenen = QStringLiteral("IDH_Dialog_Koordinatensystem_Ebenen");

template <class W> W* Benannt(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

} // namespace

QPixmap FarbGlyph(TFarbe farbe, int hoehe, qreal pixelVerhaeltnis) {
    hoehe = std::max(hoehe, 6);
    const int breite = hoehe * 3 / 2;
    QPixmap bild(QSize(breite, hoehe) * pixelVerhaeltnis);
    bild.setDevicePixelRatio(pixelVerhaeltnis);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(QFarbe(farbe));
    p.drawRect(QRectF(2, 2, breite - 5, hoehe - 5));
    return bild;
}

TKoordVorschau::TKoordVorschau(TKoordinatensystemEingabe& eingabe, QWidget* eltern)
    : QFrame(eltern), eingabe_(eingabe) {
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKoordVorschau::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        Malen(p, eingabe_.VorschauFenster(), QRectF(contentsRect()),
              [this](TZeichenflaeche& f) { DokumentZeichnen(eingabe_.Vorschau(), f, {}); });
    }
    QFrame::paintEvent(e);
}

TKoordDLGForm::TKoordDLGForm(TDokument& dokument, int seite, QWidget* eltern)
    : QDialog(eltern), FarbDialog(&FarbeWaehlen), dokument_(dokument),
      eingabe_(std::make_unique<TKoordinatensystemEingabe>(dokument)) {
    setObjectName(QStringLiteral("KoordDLGForm"));
    setWindowTitle(QStringLiteral("Festlegen von  Kordinatenachsen und -ebenen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* filter = new TZahlTastenFilter(this);

    // ---- "Koordinatenachsen"
    auto* achsenSeite = Benannt(new QWidget, QStringLiteral("Koordinatenachsen"));
    THilfe::SetzeThema(achsenSeite, ThemaAchsen);
    auto* achsenLayout = new QVBoxLayout(achsenSeite);
    for (int i = 0; i < 3; ++i) {
        const QString b = QString::fromLatin1(AchsenBuchstaben[i]);
        auto* gruppe = Benannt(new QGroupBox(QStringLiteral(" %1-Achse ").arg(b)),
                               b + QStringLiteral("AxGroupBox"));
        AxMinEdit[i] = Benannt(new QLineEdit, b + QStringLiteral("AxMinEdit"));
        AxMaxEdit[i] = Benannt(new QLineEdit, b + QStringLiteral("AxMaxEdit"));
        AxZeichnenCheckBox[i] = Benannt(new QCheckBox(QStringLiteral("zeichnen")),
                                        b + QStringLiteral("AxZeichnenCheckBox"));
        auto* zeile = new QHBoxLayout(gruppe);
        for (QLineEdit* e : {AxMinEdit[i], AxMaxEdit[i]}) {
            e->setAlignment(Qt::AlignRight);
            e->installEventFilter(filter);
        }
        zeile->addWidget(AxMinEdit[i]);
        zeile->addWidget(new QLabel(QStringLiteral("<  %1  <").arg(b)));
        zeile->addWidget(AxMaxEdit[i]);
        zeile->addSpacing(12);
        zeile->addWidget(AxZeichnenCheckBox[i]);
        zeile->addStretch();
        if (i > 0) {
            auto* wie = Benannt(new QPushButton(QStringLiteral("wie x-Achse")),
                                b + QStringLiteral("_wie_x_Button"));
            wie->setAutoDefault(false);
            (i == 1 ? y_wie_x_Button : z_wie_x_Button) = wie;
            zeile->addWidget(wie);
            connect(wie, &QPushButton::clicked, this, [this, i] { WieX(i); });
        }
        achsenLayout->addWidget(gruppe);
        connect(AxMinEdit[i], &QLineEdit::editingFinished, this,
                [this, i] { GrenzeExit(i, false); });
        connect(AxMaxEdit[i], &QLineEdit::editingFinished, this,
                [this, i] { GrenzeExit(i, true); });
        connect(AxZeichnenCheckBox[i], &QCheckBox::toggled, this, [this, i](bool an) {
            eingabe_->Daten().Achsen[i].Zeichnen = an;
            VorschauAktualisieren();
        });
    }

    auto* alle = Benannt(new QGroupBox(QStringLiteral(" alle Achsen ")),
                         QStringLiteral("AlleAchsenGroupBox"));
    auto* alleLayout = new QHBoxLayout(alle);
    SkalierungRadioGroup = Benannt(new QGroupBox(QStringLiteral(" Skalierung ")),
                                   QStringLiteral("SkalierungRadioGroup"));
    SkalierungKnoepfe = new QButtonGroup(this);
    auto* knoepfe = new QVBoxLayout(SkalierungRadioGroup);
    for (int i = 0; i < 6; ++i) {
        auto* r = Benannt(new QRadioButton(QString::fromUtf8(SkalierungsTexte[i])),
                          QStringLiteral("SkalierungRadioGroup%1").arg(i));
        SkalierungKnoepfe->addButton(r, i);
        knoepfe->addWidget(r);
    }
    connect(SkalierungKnoepfe, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (!an) return;
        eingabe_->Daten().Skalierung = id;
        VorschauAktualisieren();
    });
    AxDefaultButton = Benannt(new QPushButton(QStringLiteral("&Defaultwerte für die Achsen")),
                              QStringLiteral("AxDefaultButton"));
    BitBtn0 =
        Benannt(new QPushButton(QStringLiteral("   Farbe festlegen")), QStringLiteral("BitBtn0"));
    AxBeschriftCheckBox = Benannt(new QCheckBox(QStringLiteral("Achsenbeschriftung")),
                                  QStringLiteral("AxBeschriftCheckBox"));
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(AxDefaultButton);
    rechts->addSpacing(8);
    rechts->addWidget(BitBtn0);
    rechts->addSpacing(8);
    rechts->addWidget(AxBeschriftCheckBox);
    rechts->addStretch();
    alleLayout->addWidget(SkalierungRadioGroup);
    alleLayout->addLayout(rechts);
    achsenLayout->addWidget(alle);
    achsenLayout->addStretch();
    for (QPushButton* k : {AxDefaultButton, BitBtn0})
        k->setAutoDefault(false);
    connect(AxDefaultButton, &QPushButton::clicked, this, &TKoordDLGForm::AxDefaultButtonClick);
    connect(BitBtn0, &QPushButton::clicked, this, [this] { FarbeClick(-1); });
    connect(AxBeschriftCheckBox, &QCheckBox::toggled, this, [this](bool an) {
        eingabe_->Daten().Achsenbeschriftung = an;
        VorschauAktualisieren();
    });

    // ---- "Koordinatenebenen"
    auto* ebenenSeite = Benannt(new QWidget, QStringLiteral("Koordinatenebenen"));
    THilfe::SetzeThema(ebenenSeite, ThemaEbenen);
    auto* ebenenLayout = new QVBoxLayout(ebenenSeite);
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::fromLatin1(EbenenNamen[i]);
        auto* gruppe = Benannt(new QGroupBox(QStringLiteral(" %1-Ebene ").arg(n)),
                               n + QStringLiteral("_GroupBox"));
        EbeneZeichnenCheckBox[i] = Benannt(new QCheckBox(QStringLiteral("zeichnen")),
                                           n + QStringLiteral("_ZeichnenCheckBox"));
        TransparenzSpinEdit[i] = Benannt(new QSpinBox, n + QStringLiteral("TransparenzSpinEdit"));
        TransparenzSpinEdit[i]->setRange(0, 4);
        // Changed by its arrows only.
        if (auto* feld = TransparenzSpinEdit[i]->findChild<QLineEdit*>()) feld->setReadOnly(true);
        EbeneFarbButton[i] = Benannt(new QPushButton(QString::fromUtf8(FarbKnopfTexte[i])),
                                     QStringLiteral("BitBtn%1").arg(i + 1));
        EbeneFarbButton[i]->setAutoDefault(false);
        auto* zeile = new QHBoxLayout(gruppe);
        zeile->addWidget(EbeneZeichnenCheckBox[i]);
        zeile->addSpacing(12);
        zeile->addWidget(new QLabel(QStringLiteral("Transparenz:")));
        zeile->addWidget(TransparenzSpinEdit[i]);
        zeile->addSpacing(12);
        zeile->addWidget(EbeneFarbButton[i]);
        zeile->addStretch();
        ebenenLayout->addWidget(gruppe);
        connect(EbeneZeichnenCheckBox[i], &QCheckBox::toggled, this, [this, i](bool an) {
            eingabe_->Daten().Ebenen[i].Zeichnen = an;
            VorschauAktualisieren();
        });
        connect(TransparenzSpinEdit[i], &QSpinBox::valueChanged, this, [this, i](int wert) {
            eingabe_->Daten().Ebenen[i].Transparenz = wert;
            VorschauAktualisieren();
        });
        connect(EbeneFarbButton[i], &QPushButton::clicked, this, [this, i] { FarbeClick(i); });
    }
    ebenenLayout->addStretch();

    Seiten = Benannt(new QTabWidget, QStringLiteral("KoordDLGSeiten"));
    Seiten->addTab(achsenSeite, QStringLiteral("Koordinatenachsen"));
    Seiten->addTab(ebenenSeite, QStringLiteral("Koordinatenebenen"));

    // ---- The right panel
    VorschauBox =
        Benannt(new QGroupBox(QStringLiteral(" Vorschau ")), QStringLiteral("VorschauGroupBox"));
    // A fixed view: the preview is not turned by the mouse.
    Vorschau = Benannt(new TKoordVorschau(*eingabe_), QStringLiteral("Vorschau"));
    auto* vorschauLayout = new QVBoxLayout(VorschauBox);
    vorschauLayout->addWidget(Vorschau, 0, Qt::AlignHCenter);
    VorschauButton = Benannt(new QPushButton(QStringLiteral("&Vorschau aktualisieren")),
                             QStringLiteral("VorschauButton"));
    DialogKnoepfe(
        this, {&OkButton, &CancelButton, &HelpButton}, {"O&K", "A&bbruch", "&Hilfe"},
        {"OkButton", "CancelButton", "HelpButton"}, [this] { OkButtonClick(); },
        [this] { return Seiten->currentIndex() == 1 ? ThemaEbenen : ThemaAchsen; });
    VorschauButton->setAutoDefault(false);
    auto* panel = new QVBoxLayout;
    panel->addWidget(VorschauBox);
    panel->addWidget(VorschauButton);
    panel->addStretch();
    panel->addWidget(OkButton);
    panel->addWidget(CancelButton);
    panel->addWidget(HelpButton);
    connect(VorschauButton, &QPushButton::clicked, this, &TKoordDLGForm::VorschauAktualisieren);

    auto* haupt = new QHBoxLayout(this);
    haupt->addWidget(Seiten, 1);
    haupt->addLayout(panel);

    DialogSkalieren(*this);
    // Sizes in the scaled font.
    const QFontMetrics fm(font());
    for (int i = 0; i < 3; ++i)
        for (QLineEdit* e : {AxMinEdit[i], AxMaxEdit[i]})
            e->setFixedWidth(fm.horizontalAdvance(QStringLiteral("-256,000")) +
                             2 * fm.averageCharWidth());
    const int seitenlaenge = std::max(160, 14 * fm.height());
    Vorschau->setFixedSize(seitenlaenge, seitenlaenge);
    // The preview is square, its side the group's width less 9.
    VorschauBox->setFixedWidth(seitenlaenge + 9);
    vorschauLayout->setContentsMargins(4, vorschauLayout->contentsMargins().top(), 4, 4);
    glyphHoehe_ = BitBtn0->sizeHint().height() - 4;

    FormShow();
    Seiten->setCurrentIndex(seite == 1 ? 1 : 0);
    adjustSize();
}

void TKoordDLGForm::FormShow() {
    const TKoordinatensystem& k = eingabe_->Daten();
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker a(AxZeichnenCheckBox[i]), b(EbeneZeichnenCheckBox[i]),
            c(TransparenzSpinEdit[i]);
        AxZeichnenCheckBox[i]->setChecked(k.Achsen[i].Zeichnen);
        EbeneZeichnenCheckBox[i]->setChecked(k.Ebenen[i].Zeichnen);
        // A transparency beyond the arrows' range stays in the data until
        // the arrows are used.
        TransparenzSpinEdit[i]->setValue(k.Ebenen[i].Transparenz);
    }
    {
        const QSignalBlocker a(SkalierungKnoepfe), b(AxBeschriftCheckBox);
        if (QAbstractButton* r = SkalierungKnoepfe->button(k.Skalierung)) r->setChecked(true);
        AxBeschriftCheckBox->setChecked(k.Achsenbeschriftung);
    }
    AchsenFuellen();
    GlyphenSetzen();
    Vorschau->Neuzeichnen();
}

void TKoordDLGForm::AchsenFuellen() {
    const TGrenzenTexte& t = eingabe_->Texte();
    for (int i = 0; i < 3; ++i) {
        AxMinEdit[i]->setText(Text(t[i][0]));
        AxMaxEdit[i]->setText(Text(t[i][1]));
        const QSignalBlocker still(AxZeichnenCheckBox[i]);
        AxZeichnenCheckBox[i]->setChecked(eingabe_->Daten().Achsen[i].Zeichnen);
    }
}

void TKoordDLGForm::GlyphenSetzen() {
    const qreal dpr = devicePixelRatioF();
    const auto setze = [&](QPushButton* k, TFarbe f) {
        const QPixmap glyph = FarbGlyph(f, glyphHoehe_, dpr);
        k->setIcon(QIcon(glyph));
        k->setIconSize(glyph.deviceIndependentSize().toSize());
    };
    setze(BitBtn0, eingabe_->Daten().AchsenFarbe);
    for (int i = 0; i < 3; ++i)
        setze(EbeneFarbButton[i], eingabe_->Daten().Ebenen[i].Farbe);
}

void TKoordDLGForm::GrenzeExit(int achse, bool oben) {
    // Leaving towards "A&bbruch", or because the dialog closes, needs no
    // check: everything is dropped or has been checked by "O&K".
    if (pruefen_ || schliesst_ || QApplication::focusWidget() == CancelButton) return;
    QLineEdit* edit = oben ? AxMaxEdit[achse] : AxMinEdit[achse];
    pruefen_ = true;
    const bool ok = eingabe_->GrenzeVerlassen(achse, oben, edit->text().toStdString());
    pruefen_ = false;
    if (!ok) {
        edit->setFocus();
        edit->selectAll();
        return;
    }
    AchsenFuellen();
    Vorschau->Neuzeichnen();
}

void TKoordDLGForm::done(int ergebnis) {
    schliesst_ = true;
    QDialog::done(ergebnis);
}

void TKoordDLGForm::WieX(int achse) {
    eingabe_->WieXAchse(achse);
    AchsenFuellen();
    Vorschau->Neuzeichnen();
}

void TKoordDLGForm::AxDefaultButtonClick() {
    eingabe_->Defaultwerte();
    AchsenFuellen();
    Vorschau->Neuzeichnen();
}

void TKoordDLGForm::FarbeClick(int ebene) {
    TKoordinatensystem& k = eingabe_->Daten();
    TFarbe& ziel = ebene < 0 ? k.AchsenFarbe : k.Ebenen[ebene].Farbe;
    TFarbe f = ziel;
    if (!FarbDialog || !FarbDialog(this, f)) return;
    ziel = f;
    GlyphenSetzen();
    VorschauAktualisieren();
}

void TKoordDLGForm::VorschauAktualisieren() {
    eingabe_->VorschauAufbauen();
    Vorschau->Neuzeichnen();
}

void TKoordDLGForm::OkButtonClick() {
    TGrenzenTexte texte;
    for (int i = 0; i < 3; ++i)
        texte[i] = {AxMinEdit[i]->text().toStdString(), AxMaxEdit[i]->text().toStdString()};
    switch (eingabe_->Uebernehmen(dokument_, texte)) {
    case TKoordinatensystemEingabe::TErgebnis::Uebernommen:
        accept();
        break;
    case TKoordinatensystemEingabe::TErgebnis::Korrigiert:
        AchsenFuellen();
        Vorschau->Neuzeichnen();
        break;
    case TKoordinatensystemEingabe::TErgebnis::KeineZahl:
        // The wrong text stays for the user to mend.
        break;
    }
}

bool KoordinatensystemDialog(QWidget* hauptfenster, TDokument& dokument, int seite) {
    auto* dialog = new TKoordDLGForm(dokument, seite, hauptfenster);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog->exec() == QDialog::Accepted;
}

} // namespace kalvorin
