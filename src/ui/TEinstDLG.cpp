#include "ui/TEinstDLG.h"

#include "model/StandardEinstellungen.h"
#include "ui/DialogSkalierung.h"
#include "ui/Hilfe.h"
#include "ui/TElementDLG.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace kalvorin {

namespace {

const char* const SeitenThemen[7] = {
    "IDH_Dialog_Einstellungen_Allgemein",     "IDH_Dialog_Einstellungen_Punkte",
    "IDH_Dialog_Einstellungen_Geraden",       "IDH_Dialog_Einstellungen_Ebenen",
    "IDH_Dialog_Einstellungen_Hilfslinien",   "IDH_Dialog_Einstellungen_KSystem",
    "IDH_Dialog_Einstellungen_Zahlenausgabe",
};
const char* const SeitenTitel[7] = {"Allgemein",    "Punkte",      "Geraden",
                                    "Ebenen",       "Hilfslinien", "Koordinatensystem",
                                    "Zahlenausgabe"};
constexpr int SeiteHilfslinien = 4;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <class W> W* Benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

TRadioGruppe RadioGruppe(QWidget* eltern, const char* name, const char* titel,
                         std::initializer_list<const char*> eintraege) {
    TRadioGruppe g;
    g.Box = Benannt(new QGroupBox(U(titel)), name);
    g.Knoepfe = new QButtonGroup(eltern);
    auto* layout = new QVBoxLayout(g.Box);
    int i = 0;
    for (const char* e : eintraege) {
        auto* r = new QRadioButton(U(e));
        r->setObjectName(QString::fromLatin1(name) + QString::number(i));
        g.Knoepfe->addButton(r, i++);
        layout->addWidget(r);
    }
    return g;
}

QSpinBox* Drehfeld(const char* name, int min, int max) {
    auto* s = Benannt(new QSpinBox, name);
    s->setRange(min, max);
    s->setAlignment(Qt::AlignRight);
    return s;
}

QComboBox* Auswahl(const char* name, std::initializer_list<const char*> eintraege) {
    auto* c = Benannt(new QComboBox, name);
    for (const char* e : eintraege)
        c->addItem(U(e));
    return c;
}

// A page: one group with label-control rows, and what follows below it.
struct TSeite {
    QWidget* Seite;
    QVBoxLayout* Layout;
    QGridLayout* Zeilen;
};

TSeite NeueSeite(const char* gruppe) {
    TSeite s;
    s.Seite = new QWidget;
    s.Layout = new QVBoxLayout(s.Seite);
    auto* box = new QGroupBox(U(gruppe));
    s.Zeilen = new QGridLayout(box);
    s.Zeilen->setColumnStretch(2, 1);
    s.Layout->addWidget(box);
    return s;
}

void Zeile(TSeite& s, const char* beschriftung, QWidget* control) {
    const int r = s.Zeilen->rowCount();
    s.Zeilen->addWidget(new QLabel(U(beschriftung)), r, 0);
    s.Zeilen->addWidget(control, r, 1, Qt::AlignLeft);
}

} // namespace

int TRadioGruppe::ItemIndex() const {
    return Knoepfe->checkedId();
}

void TRadioGruppe::SetzeItemIndex(int index) {
    if (QAbstractButton* b = Knoepfe->button(index)) b->setChecked(true);
}

TEinstDLG::TEinstDLG(QWidget* eltern) : QDialog(eltern), FarbDialog(&FarbeWaehlen) {
    setObjectName(QStringLiteral("EinstDLG"));
    setWindowTitle(QStringLiteral("Standard-Einstellungen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    EinstDLGSeiten = Benannt(new QTabWidget, "EinstDLGSeiten");
    // All seven page titles stay in sight: the dialog is as wide as they are.
    EinstDLGSeiten->tabBar()->setUsesScrollButtons(false);

    // "Allgemein"
    TSeite allgemein = NeueSeite("  Grundeinstellungen für alle geometrischen Objekte");
    PanelStandardfarbe = Benannt(new TFarbFeld, "PanelStandardfarbe");
    Zeile(allgemein, "Farbe:", PanelStandardfarbe);
    RadioGroupStandardNamesichtbar =
        RadioGruppe(this, "RadioGroupStandardNamesichtbar", "Der Name aller Objekte ist zunächst",
                    {"sichtbar", "nicht sichtbar"});
    allgemein.Zeilen->addWidget(RadioGroupStandardNamesichtbar.Box, allgemein.Zeilen->rowCount(), 0,
                                1, 3);
    CheckBoxPraesentation =
        Benannt(new QCheckBox(QStringLiteral("&Präsentation (breite Linien, große Namen)")),
                "CheckBoxPraesentation");
    CheckBoxPraesentation->setToolTip(
        QStringLiteral("Für Beamer: doppelt breite Linien, 1,5-mal so große Namen und "
                       "kräftige Farben für die Ränder der Ebenen"));
    allgemein.Zeilen->addWidget(CheckBoxPraesentation, allgemein.Zeilen->rowCount(), 0, 1, 3);

    // "Punkte"
    TSeite punkte = NeueSeite("Vorgabe für neue Punkte");
    ComboBoxStandardFrPunktform = Auswahl(
        "ComboBoxStandardFrPunktform", {"Kreis", "Kreuz", "Dreibein", "DreibeinXYZ", "Zickzack"});
    SpinEditStandardPunktDicke = Drehfeld("SpinEditStandardPunktDicke", 2, 4);
    Zeile(punkte, "Form des Punktes:", ComboBoxStandardFrPunktform);
    Zeile(punkte, "Ausdehnung der dicken Punkte:", SpinEditStandardPunktDicke);

    // "Geraden"
    TSeite geraden = NeueSeite("Vorgabe für neue Geraden");
    SpinEditStandardGeradendicke = Drehfeld("SpinEditStandardGeradendicke", 2, 5);
    Zeile(geraden, "Ausdehnung der dicken Geraden:", SpinEditStandardGeradendicke);
    RadioGroupWeisslinie =
        RadioGruppe(this, "RadioGroupWeisslinie", "Linie mit weißer Berandung", {"ja", "nein"});
    geraden.Zeilen->addWidget(RadioGroupWeisslinie.Box, geraden.Zeilen->rowCount(), 0, 1, 3);

    // "Ebenen"
    TSeite ebenen = NeueSeite("Vorgabe für neue Ebenen");
    SpinEditStandardEbenenRanddicke = Drehfeld("SpinEditStandardEbenenRanddicke", 2, 5);
    SpinEditStandardEbenenTransparenz = Drehfeld("SpinEditStandardEbenenTransparenz", 0, 4);
    Zeile(ebenen, "Maß für den dicken Rand:", SpinEditStandardEbenenRanddicke);
    Zeile(ebenen, "Transparenzgrad:", SpinEditStandardEbenenTransparenz);

    // "Hilfslinien"
    TSeite hilfslinien = NeueSeite("Vorgaben für die Hilfslininien bei  Abbildungen  ");
    PanelStandardHilfslinienFarbe = Benannt(new TFarbFeld, "PanelStandardHilfslinienFarbe");
    ComboBoxStandardHilfslininenStyle =
        Auswahl("ComboBoxStandardHilfslininenStyle", {"durchgezogen", "gestrichelt", "punktiert"});
    Zeile(hilfslinien, "Farbe:", PanelStandardHilfslinienFarbe);
    Zeile(hilfslinien, "Form:", ComboBoxStandardHilfslininenStyle);
    RadiogroupStandardHilfslinien = RadioGruppe(this, "RadiogroupStandardHilfslinien",
                                                "Hilfslinien  einzeichnen", {"ja", "nein"});
    hilfslinien.Zeilen->addWidget(RadiogroupStandardHilfslinien.Box, hilfslinien.Zeilen->rowCount(),
                                  0, 1, 3);

    // "Koordinatensystem"
    TSeite ks{new QWidget, nullptr, new QGridLayout};
    ks.Layout = new QVBoxLayout(ks.Seite);
    ks.Layout->addLayout(ks.Zeilen);
    ks.Zeilen->setColumnStretch(2, 1);
    SpinEditHalbseite = Drehfeld("SpinEditHalbseite", 1, 1000);
    // No limits here: the scene draws at most its strongest transparency.
    SpinEditTransparenz = Drehfeld("SpinEditTransparenz", std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max());
    SpinEditTransparenz->setMinimumWidth(SpinEditHalbseite->sizeHint().width());
    Zeile(ks, "Länge der positiven Achsen", SpinEditHalbseite);
    Zeile(ks, "Transparenz der Koordinatenebenen", SpinEditTransparenz);
    auto* ebenenBox = Benannt(new QGroupBox(QStringLiteral("Koordinatenebenen zeichen")),
                              "GroupBoxKoordinatenebenen");
    CheckBoxExy = Benannt(new QCheckBox(QStringLiteral("xy Ebene")), "CheckBoxExy");
    CheckBoxExz = Benannt(new QCheckBox(QStringLiteral("xz Ebene")), "CheckBoxExz");
    CheckBoxEyz = Benannt(new QCheckBox(QStringLiteral("yz Ebene")), "CheckBoxEyz");
    auto* ebenenLayout = new QVBoxLayout(ebenenBox);
    for (QCheckBox* c : {CheckBoxExy, CheckBoxExz, CheckBoxEyz})
        ebenenLayout->addWidget(c);
    RadioGroupSkalierung =
        RadioGruppe(this, "RadioGroupSkalierung", "Skalierungs-Striche auf den Achsen",
                    {"keine", "nur bei 1", "alle 0,5", "alle 1", "alle 2", "alle 5"});
    auto* ksUnten = new QHBoxLayout;
    ksUnten->addWidget(ebenenBox, 0, Qt::AlignTop);
    ksUnten->addWidget(RadioGroupSkalierung.Box, 0, Qt::AlignTop);
    ksUnten->addStretch();
    ks.Layout->addLayout(ksUnten);
    // Dragged points go to multiples of 0,5 LE.
    EinrastenCheckBox =
        Benannt(new QCheckBox(QStringLiteral("Beim Ziehen einrasten")), "EinrastenCheckBox");
    ks.Layout->addWidget(EinrastenCheckBox);
    // The textbook view: its default for new windows, the names of its axes
    // and how it draws planes.
    auto* heftBox = Benannt(new QGroupBox(QStringLiteral("Heftansicht")), "GroupBoxHeftansicht");
    auto* heftLayout = new QVBoxLayout(heftBox);
    CheckBoxHeftansicht =
        Benannt(new QCheckBox(U("Neue &Fenster in der Heftansicht öffnen")), "CheckBoxHeftansicht");
    RadioGroupHeftAchsennamen = RadioGruppe(this, "RadioGroupHeftAchsennamen", "Achsennamen",
                                            {"&x\u2081, x\u2082, x\u2083", "x, &y, z"});
    CheckBoxHeftSpurdreieck =
        Benannt(new QCheckBox(U("Ebenen als &Spurdreieck zeichnen")), "CheckBoxHeftSpurdreieck");
    heftLayout->addWidget(CheckBoxHeftansicht);
    heftLayout->addWidget(RadioGroupHeftAchsennamen.Box);
    heftLayout->addWidget(CheckBoxHeftSpurdreieck);
    CheckBoxHeftansicht->setAccessibleDescription(
        U("Neue Dokumentfenster zeigen das Schrägbild auf Kästchenpapier"));
    CheckBoxHeftSpurdreieck->setAccessibleDescription(
        U("Eine Ebene wird durch das Dreieck ihrer Achsenschnittpunkte gezeichnet"));
    ks.Layout->addWidget(heftBox);

    // "Zahlenausgabe"
    TSeite zahlen{new QWidget, nullptr, new QGridLayout};
    zahlen.Layout = new QVBoxLayout(zahlen.Seite);
    zahlen.Layout->addLayout(zahlen.Zeilen);
    zahlen.Zeilen->setColumnStretch(2, 1);
    BruchCheckBox = Benannt(new QCheckBox(U("  Zahlen als Brüche ausgeben")), "BruchCheckBox");
    zahlen.Zeilen->addWidget(BruchCheckBox, 0, 0, 1, 3);
    MaxNennerEdit = Benannt(new QLineEdit, "MaxNennerEdit");
    MaxNennerEdit->setAlignment(Qt::AlignRight);
    MaxNennerEdit->setMaximumWidth(SpinEditHalbseite->sizeHint().width() * 2);
    NachkommaSpinEdit = Drehfeld("NachkommaSpinEdit", 0, 6);
    Zeile(zahlen, "Maximaler Nenner:", MaxNennerEdit);
    Zeile(zahlen, "Signifikante Ziffern: ", NachkommaSpinEdit);
    ExaktCheckBox = Benannt(new QCheckBox(U("  Exakte Werte anzeigen")), "ExaktCheckBox");
    zahlen.Zeilen->addWidget(ExaktCheckBox, zahlen.Zeilen->rowCount(), 0, 1, 3);

    const TSeite seiten[7] = {allgemein, punkte, geraden, ebenen, hilfslinien, ks, zahlen};
    for (int i = 0; i < 7; ++i) {
        seiten[i].Layout->addStretch();
        seiten[i].Seite->setObjectName(QString::fromLatin1(SeitenTitel[i]));
        THilfe::SetzeThema(seiten[i].Seite, QString::fromLatin1(SeitenThemen[i]));
        EinstDLGSeiten->addTab(seiten[i].Seite, QString::fromLatin1(SeitenTitel[i]));
    }

    DialogKnoepfe(
        this, {&BitBtnOK, &BitBtnAbbruch, &BitBtnHilfe}, {"OK", "Abbruch", "&Hilfe"},
        {"BitBtnOK", "BitBtnAbbruch", "BitBtnHilfe"}, [this] { BitBtnOKClick(); },
        [this] { return HilfeThema(); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BitBtnHilfe);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnOK);
    knoepfe->addWidget(BitBtnAbbruch);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(EinstDLGSeiten);
    haupt->addLayout(knoepfe);

    connect(PanelStandardfarbe, &TFarbFeld::Geklickt, this, &TEinstDLG::PanelStandardfarbeClick);
    connect(PanelStandardHilfslinienFarbe, &TFarbFeld::Geklickt, this,
            &TEinstDLG::PanelStandardHilfslinienFarbeClick);

    // "FormCreate": sizes and fonts follow the screen.
    DialogSkalieren(*this);
    FormShow();
    adjustSize();
}

void TEinstDLG::FormShow() {
    // The page of the auxiliary lines first, so that its controls exist
    // when they are filled; then the first page.
    EinstDLGSeiten->setCurrentIndex(SeiteHilfslinien);
    angezeigt_ = EinstellungsEingabe(Einstellungen());
    const TEinstellungsEingabe& e = angezeigt_;
    PanelStandardfarbe->SetzeFarbe(e.Standardfarbe);
    RadioGroupStandardNamesichtbar.SetzeItemIndex(e.NameSichtbar);
    CheckBoxPraesentation->setChecked(e.Praesentation);
    ComboBoxStandardFrPunktform->setCurrentIndex(e.Punktform);
    SpinEditStandardPunktDicke->setValue(e.PunktDicke);
    SpinEditStandardGeradendicke->setValue(e.Geradendicke);
    RadioGroupWeisslinie.SetzeItemIndex(e.Weisslinie);
    SpinEditStandardEbenenRanddicke->setValue(e.EbenenRanddicke);
    SpinEditStandardEbenenTransparenz->setValue(e.EbenenTransparenz);
    PanelStandardHilfslinienFarbe->SetzeFarbe(e.HilfslinienFarbe);
    ComboBoxStandardHilfslininenStyle->setCurrentIndex(e.HilfslinienStil);
    RadiogroupStandardHilfslinien.SetzeItemIndex(e.Hilfslinien);
    SpinEditHalbseite->setValue(e.Halbseite);
    SpinEditTransparenz->setValue(e.Transparenz);
    CheckBoxExy->setChecked(e.Exy);
    CheckBoxExz->setChecked(e.Exz);
    CheckBoxEyz->setChecked(e.Eyz);
    RadioGroupSkalierung.SetzeItemIndex(e.Skalierung);
    BruchCheckBox->setChecked(e.Brueche);
    EinrastenCheckBox->setChecked(e.Einrasten);
    CheckBoxHeftansicht->setChecked(e.Heftansicht);
    RadioGroupHeftAchsennamen.SetzeItemIndex(e.HeftAchsennamen);
    CheckBoxHeftSpurdreieck->setChecked(e.HeftSpurdreieck);
    MaxNennerEdit->setText(QString::fromStdString(e.MaxNenner));
    NachkommaSpinEdit->setValue(e.Nachkomma);
    ExaktCheckBox->setChecked(e.ExakteWerte);
    // What a control clamped on filling counts as shown, so that only
    // looking changes nothing.
    angezeigt_ = Eingabe();
    EinstDLGSeiten->setCurrentIndex(0);
}

TEinstellungsEingabe TEinstDLG::Eingabe() const {
    TEinstellungsEingabe e;
    e.Standardfarbe = PanelStandardfarbe->Farbe();
    e.NameSichtbar = RadioGroupStandardNamesichtbar.ItemIndex();
    e.Praesentation = CheckBoxPraesentation->isChecked();
    e.Punktform = ComboBoxStandardFrPunktform->currentIndex();
    e.PunktDicke = SpinEditStandardPunktDicke->value();
    e.Geradendicke = SpinEditStandardGeradendicke->value();
    e.Weisslinie = RadioGroupWeisslinie.ItemIndex();
    e.EbenenRanddicke = SpinEditStandardEbenenRanddicke->value();
    e.EbenenTransparenz = SpinEditStandardEbenenTransparenz->value();
    e.HilfslinienFarbe = PanelStandardHilfslinienFarbe->Farbe();
    e.HilfslinienStil = ComboBoxStandardHilfslininenStyle->currentIndex();
    e.Hilfslinien = RadiogroupStandardHilfslinien.ItemIndex();
    e.Halbseite = SpinEditHalbseite->value();
    e.Transparenz = SpinEditTransparenz->value();
    e.Exy = CheckBoxExy->isChecked();
    e.Exz = CheckBoxExz->isChecked();
    e.Eyz = CheckBoxEyz->isChecked();
    e.Skalierung = RadioGroupSkalierung.ItemIndex();
    e.Brueche = BruchCheckBox->isChecked();
    e.Einrasten = EinrastenCheckBox->isChecked();
    e.Heftansicht = CheckBoxHeftansicht->isChecked();
    e.HeftAchsennamen = RadioGroupHeftAchsennamen.ItemIndex();
    e.HeftSpurdreieck = CheckBoxHeftSpurdreieck->isChecked();
    e.MaxNenner = MaxNennerEdit->text().toStdString();
    e.Nachkomma = NachkommaSpinEdit->value();
    e.ExakteWerte = ExaktCheckBox->isChecked();
    return e;
}

void TEinstDLG::PanelStandardfarbeClick() {
    TFarbe f = PanelStandardfarbe->Farbe();
    // A cancelled colour dialog leaves its colour as it was: that is stored.
    if (FarbDialog) FarbDialog(this, f);
    StandardfarbeSetzen(angezeigt_, Einstellungen(), f);
    PanelStandardfarbe->SetzeFarbe(f);
}

void TEinstDLG::PanelStandardHilfslinienFarbeClick() {
    TFarbe f = PanelStandardHilfslinienFarbe->Farbe();
    if (FarbDialog) FarbDialog(this, f);
    HilfslinienFarbeSetzen(angezeigt_, Einstellungen(), f);
    PanelStandardHilfslinienFarbe->SetzeFarbe(f);
}

void TEinstDLG::BitBtnOKClick() {
    if (EinstellungenUebernehmen(Eingabe(), angezeigt_, Einstellungen())) {
        accept();
        return;
    }
    // Only the largest denominator can be refused.
    EinstDLGSeiten->setCurrentIndex(6);
    MaxNennerEdit->setFocus();
    MaxNennerEdit->selectAll();
}

QString TEinstDLG::HilfeThema() const {
    const int i = EinstDLGSeiten->currentIndex();
    return QString::fromLatin1(SeitenThemen[i >= 0 && i < 7 ? i : 0]);
}

bool EinstellungsDialog(QWidget* hauptfenster) {
    auto* dialog = new TEinstDLG(hauptfenster);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog->exec() == QDialog::Accepted;
}

} // namespace kalvorin
