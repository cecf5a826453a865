#include "ui/TAusgabeDlg.h"

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "ui/Ausgabeoptionen.h"
#include "ui/DialogSkalierung.h"
#include "ui/Geraeteabbildung.h"
#include "ui/Hilfe.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TElementDLG.h"
#include "ui/TGrafChildForm.h"
#include "view/qt/Bildausgabe.h"
#include "view/qt/Druckausgabe.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

namespace kalvorin {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Raster pictures on the clipboard: the resolution of a usual printer.
constexpr double Druckaufloesung = 300;

QLineEdit* Zahlenfeld(const QString& name, QObject* filter) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(20);
    e->installEventFilter(filter);
    return e;
}

QGroupBox* Gruppe(const QString& name, const QString& titel) {
    auto* g = new QGroupBox(titel);
    g->setObjectName(name);
    return g;
}

QPushButton* Knopf(const QString& name, const QString& titel) {
    auto* k = new QPushButton(titel);
    k->setObjectName(name);
    k->setAutoDefault(false);
    return k;
}

// The physical size of one pixel of the window's screen, thousandths of a
// millimetre, in x and in y.
std::pair<int, int> Pixelgroessen(const QWidget& w) {
    const QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    const double dx = s && s->physicalDotsPerInchX() > 0 ? s->physicalDotsPerInchX() : 96;
    const double dy = s && s->physicalDotsPerInchY() > 0 ? s->physicalDotsPerInchY() : 96;
    constexpr int probe = 1000;
    return {PixelGroesse(probe * 2540.0 / dx, probe), PixelGroesse(probe * 2540.0 / dy, probe)};
}

QSize Sichtflaeche(const tGrafChildForm& fenster) {
    const tAnaGraphBox* box = fenster.Ansicht();
    return box ? box->viewport()->size() : fenster.size();
}

} // namespace

// ---------------------------------------------------------------------------
// The dialog

std::function<bool(TAusgabeDlg&)> TAusgabeDlg::Zeigen = [](TAusgabeDlg& d) {
    return d.exec() == QDialog::Accepted;
};

TAusgabeDlg::TAusgabeDlg(TFensterAusgabe& fenster, TAusgabeMass bildschirm, QWidget* eltern)
    : QDialog(eltern), fenster_(fenster), bildschirm_(bildschirm) {
    setObjectName(QStringLiteral("AusgabeDlg"));
    setWindowTitle(QStringLiteral(" Optionen für die Ausgabe "));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    THilfe::SetzeThema(this, QStringLiteral("IDH_Dialog_Ausgabe"));
    auto* tasten = new TZahlTastenFilter(this);

    AbmessungenBox = Gruppe(QStringLiteral("AbmessungenBox"), QStringLiteral(" Abmessungen "));
    BreiteEdit = Zahlenfeld(QStringLiteral("BreiteEdit"), tasten);
    HoeheEdit = Zahlenfeld(QStringLiteral("HoeheEdit"), tasten);
    auto* masse = new QGridLayout(AbmessungenBox);
    masse->addWidget(new QLabel(QStringLiteral("Breite :")), 0, 0);
    masse->addWidget(BreiteEdit, 0, 1);
    masse->addWidget(new QLabel(QStringLiteral("cm")), 0, 2);
    masse->addWidget(new QLabel(QStringLiteral("Höhe :")), 1, 0);
    masse->addWidget(HoeheEdit, 1, 1);
    masse->addWidget(new QLabel(QStringLiteral("cm")), 1, 2);

    EinheitBox = Gruppe(QStringLiteral("EinheitBox"),
                        QStringLiteral(" Länge einer Einheit bei maßhaltiger Darstellung "));
    xRichtungEdit = Zahlenfeld(QStringLiteral("xRichtungEdit"), tasten);
    yRichtungEdit = Zahlenfeld(QStringLiteral("yRichtungEdit"), tasten);
    auto* einheit = new QGridLayout(EinheitBox);
    einheit->addWidget(new QLabel(QStringLiteral("x-Richtung :")), 0, 0);
    einheit->addWidget(xRichtungEdit, 0, 1);
    einheit->addWidget(new QLabel(QStringLiteral("y-Richtung :")), 1, 0);
    einheit->addWidget(yRichtungEdit, 1, 1);

    VorgabeBox =
        Gruppe(QStringLiteral("VorgabeBox"), QStringLiteral(" Vorgabe für die Abmessungen "));
    WieAmBildschirmButton =
        Knopf(QStringLiteral("WieAmBildschirmButton"), QStringLiteral("Wie am &Bildschirm"));
    DIN_A5_FormatButton =
        Knopf(QStringLiteral("DIN_A5_FormatButton"), QStringLiteral("Volles &DIN A5-Format"));
    auto* vorgabe = new QVBoxLayout(VorgabeBox);
    vorgabe->addWidget(WieAmBildschirmButton);
    vorgabe->addWidget(DIN_A5_FormatButton);

    RahmenBox = Gruppe(QStringLiteral("RahmenBox"), QStringLiteral("Rahmen"));
    RahmenCheckBox = new QCheckBox(QStringLiteral("Rand um die Grafik"));
    RahmenCheckBox->setObjectName(QStringLiteral("RahmenCheckBox"));
    SphaereCheckBox = new QCheckBox(QStringLiteral("Mit Sphäre zeichnen"));
    SphaereCheckBox->setObjectName(QStringLiteral("SphaereCheckBox"));
    auto* rahmen = new QVBoxLayout(RahmenBox);
    rahmen->addWidget(RahmenCheckBox);
    rahmen->addWidget(SphaereCheckBox);

    MassstabBox = Gruppe(QStringLiteral("MassstabBox"), QStringLiteral(" Maßstab "));
    MassstabCheckBox = new QCheckBox(QStringLiteral("Maßstab 1 LE = 1 &cm"));
    MassstabCheckBox->setObjectName(QStringLiteral("MassstabCheckBox"));
    MassstabCheckBox->setToolTip(
        QStringLiteral("Die Grafik in wahrer Größe (eine Längeneinheit ist ein Zentimeter), "
                       "auf das Gezeichnete zugeschnitten"));
    SchriftSpinBox = new QSpinBox;
    SchriftSpinBox->setObjectName(QStringLiteral("SchriftSpinBox"));
    SchriftSpinBox->setRange(AusgabeSchriftMin, AusgabeSchriftMax);
    SchriftSpinBox->setSuffix(QStringLiteral(" pt"));
    auto* schriftText = new QLabel(QStringLiteral("&Schriftgröße :"));
    schriftText->setBuddy(SchriftSpinBox);
    auto* massstab = new QGridLayout(MassstabBox);
    massstab->addWidget(MassstabCheckBox, 0, 0, 1, 2);
    massstab->addWidget(schriftText, 1, 0);
    massstab->addWidget(SchriftSpinBox, 1, 1);

    DruckerButton = Knopf(QStringLiteral("DruckerButton"), QStringLiteral("Druckereinstellungen"));
    DialogKnoepfe(
        this, {&OKBtn, &CancelBtn, &HelpBtn}, {"O&k", "Abbruch", "&Hilfe"},
        {"OKBtn", "CancelBtn", "HelpBtn"}, [this] { OKBtnClick(); },
        [] { return QStringLiteral("IDH_Dialog_Ausgabe"); });
    OKBtn->setAutoDefault(false);

    auto* links = new QVBoxLayout;
    links->addWidget(AbmessungenBox);
    links->addWidget(EinheitBox);
    links->addWidget(MassstabBox);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(VorgabeBox);
    rechts->addWidget(RahmenBox);
    rechts->addWidget(DruckerButton);
    rechts->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addLayout(links);
    oben->addLayout(rechts);
    auto* unten = new QHBoxLayout;
    unten->addWidget(HelpBtn);
    unten->addStretch();
    unten->addWidget(OKBtn);
    unten->addWidget(CancelBtn);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addLayout(unten);

    connect(WieAmBildschirmButton, &QPushButton::clicked, this,
            &TAusgabeDlg::WieAmBildschirmButtonClick);
    connect(DIN_A5_FormatButton, &QPushButton::clicked, this,
            &TAusgabeDlg::DIN_A5_FormatButtonClick);
    connect(DruckerButton, &QPushButton::clicked, this, &TAusgabeDlg::DruckerButtonClick);

    FormShow();
    DialogSkalieren(*this);
    adjustSize();
}

void TAusgabeDlg::FormShow() {
    Anzeigen(AusgabeFormular(Ausgabeoptionen(), fenster_));
}

TAusgabeFormular TAusgabeDlg::Formular() const {
    TAusgabeFormular f;
    f.Breite = BreiteEdit->text().toStdString();
    f.Hoehe = HoeheEdit->text().toStdString();
    f.xRichtung = xRichtungEdit->text().toStdString();
    f.yRichtung = yRichtungEdit->text().toStdString();
    f.Rahmen = RahmenCheckBox->isChecked();
    f.Sphaere = SphaereCheckBox->isChecked();
    f.Massstab = MassstabCheckBox->isChecked();
    f.Schriftgroesse = SchriftSpinBox->value();
    return f;
}

void TAusgabeDlg::Anzeigen(const TAusgabeFormular& f) {
    BreiteEdit->setText(Text(f.Breite));
    HoeheEdit->setText(Text(f.Hoehe));
    xRichtungEdit->setText(Text(f.xRichtung));
    yRichtungEdit->setText(Text(f.yRichtung));
    RahmenCheckBox->setChecked(f.Rahmen);
    SphaereCheckBox->setChecked(f.Sphaere);
    MassstabCheckBox->setChecked(f.Massstab);
    SchriftSpinBox->setValue(f.Schriftgroesse);
}

void TAusgabeDlg::WieAmBildschirmButtonClick() {
    TAusgabeFormular f = Formular();
    AusgabeWieAmBildschirm(f, bildschirm_);
    Anzeigen(f);
}

void TAusgabeDlg::DIN_A5_FormatButtonClick() {
    TAusgabeFormular f = Formular();
    AusgabeDinA5(f);
    Anzeigen(f);
}

void TAusgabeDlg::DruckerButtonClick() {
    DruckerEinrichten(this);
}

void TAusgabeDlg::OKBtnClick() {
    // A field that is no number has been reported; the dialog stays open.
    if (AusgabeUebernehmen(Formular(), Ausgabeoptionen(), fenster_)) accept();
}

// ---------------------------------------------------------------------------
// The printer

QPrinter& AktuellerDrucker() {
    // Made on first use and kept to the very end: a printer must not be torn
    // down after the application object that its print system hangs on.
    static QPrinter* drucker = new QPrinter(QPrinter::HighResolution);
    return *drucker;
}

std::function<bool(QWidget*, QPrinter&, TDruckdialogArt)> DruckDialog =
    [](QWidget* eltern, QPrinter& drucker, TDruckdialogArt art) {
        if (art == TDruckdialogArt::Einrichten) {
            QPageSetupDialog dialog(&drucker, eltern);
            dialog.setWindowTitle(QStringLiteral("Druckereinstellungen"));
            return dialog.exec() == QDialog::Accepted;
        }
        QPrintDialog dialog(&drucker, eltern);
        dialog.setWindowTitle(QStringLiteral("Grafik drucken"));
        // One page, nothing to choose from.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    };

void DruckerEinrichten(QWidget* eltern) {
    DruckDialog(eltern, AktuellerDrucker(), TDruckdialogArt::Einrichten);
}

// ---------------------------------------------------------------------------
// The output commands

TAusgabeMass BildschirmGroesse(const tGrafChildForm& fenster) {
    const QSize flaeche = Sichtflaeche(fenster);
    const auto [px, py] = Pixelgroessen(fenster);
    return BildschirmMass(flaeche.width(), flaeche.height(), px, py);
}

TAusgabeMass MetadateiGroesse(const tGrafChildForm& fenster) {
    const TLogRechteck logisch = fenster.Dokument().Abbildung().LogischesFenster();
    const QSize flaeche = Sichtflaeche(fenster);
    const QRectF bild = TGeraeteAbbildung(logisch, QRectF(QPointF(0, 0), flaeche)).Bild();
    const auto [px, py] = Pixelgroessen(fenster);
    return MetadateiMass(logisch, bild.width(), bild.height(), px, py);
}

// Where the picture is printed; the textbook view and "Maßstab 1 LE = 1 cm"
// at their true size from the rectangle's top-left corner.
static TAusgabeRechteck HeftDruckrechteck(tGrafChildForm& fenster, const TGrafikAuftrag& a) {
    TAusgabeRechteck r = FensterAusgabe(fenster.Ansicht()).Druckrechteck;
    if (Heftansicht(fenster.Dokument()) || Ausgabeoptionen().Massstab) {
        r.rechts = r.links + a.Groesse.Breite;
        r.unten = r.oben + a.Groesse.Hoehe;
    }
    return r;
}

TGrafikAuftrag Ausgabeauftrag(tGrafChildForm& fenster) {
    TDokument& d = fenster.Dokument();
    const TFensterAusgabe& eigene = FensterAusgabe(fenster.Ansicht());
    // On paper at true scale the rotation sphere means nothing: left out.
    TZeichenOptionen optionen{Ausgabeoptionen().MitSphaere && !Ausgabeoptionen().Massstab,
                              eigene.Rand, false};
    optionen.Praesentation = Einstellungen().Praesentation;
    TGrafikAuftrag a;
    a.Fenster = d.Abbildung().LogischesFenster();
    a.Malen = [&d, optionen](TZeichenflaeche& f) { DokumentZeichnen(d, f, optionen); };
    a.Groesse = ImSeitenverhaeltnis({eigene.Druckrechteck.Breite(), eigene.Druckrechteck.Hoehe()},
                                    a.Fenster);
    a.Metadateigroesse = MetadateiGroesse(fenster);
    // The textbook view is true to scale in every output: 5 mm squares.
    if (Heftansicht(d)) a.Groesse = a.Metadateigroesse = Heftmass(d.Abbildung().Welt());
    if (Ausgabeoptionen().Massstab)
        MassstabAnwenden(a, d.Abbildung().Welt(), Heftansicht(d),
                         Einstellungen().AusgabeSchriftgroesse, eigene.MassstabCm);
    a.Aufloesung = Druckaufloesung;
    return a;
}

bool AusgabeOptionenAbfragen(QWidget* eltern, tGrafChildForm& fenster) {
    bool ok = false;
    {
        TAusgabeDlg dialog(FensterAusgabe(fenster.Ansicht()), BildschirmGroesse(fenster), eltern);
        ok = TAusgabeDlg::Zeigen(dialog);
    }
    if (!ok) return false;
    // A figure too large for A4 at 1 LE = 1 cm is offered at half the scale.
    TFensterAusgabe& eigene = FensterAusgabe(fenster.Ansicht());
    eigene.MassstabCm = 1;
    if (Ausgabeoptionen().Massstab)
        eigene.MassstabCm = MassstabFuerA4(Ausgabeauftrag(fenster).Groesse);
    fenster.Neuzeichnen();
    if (eltern)
        for (tAnaGraphBox* box : eltern->window()->findChildren<tAnaGraphBox*>())
            box->Neuzeichnen();
    return true;
}

void GrafikSpeichern(QWidget* eltern, tGrafChildForm& fenster, const TDateiDialog& dateiDialog) {
    if (!AusgabeOptionenAbfragen(eltern, fenster)) return;
    TDateiAnfrage anfrage;
    anfrage.Art = TDateiDialogArt::Speichern;
    anfrage.Titel = QStringLiteral("Grafik-Datei speichern unter");
    anfrage.Filter = GrafikFilter();
    anfrage.Dateiname = QStringLiteral("*.wmf");
    anfrage.Standardendung = QString::fromLatin1(Grafikformate().front().Endung);
    const TDateiAntwort antwort = dateiDialog(anfrage);
    if (antwort.Datei.isEmpty()) return;
    QString datei = antwort.Datei;
    const TGrafikformat* format = GrafikformatMitEndung(QFileInfo(datei).suffix());
    if (!format) {
        // No extension, or one that is no picture format: the chosen
        // filter's is added, and the file it names is asked about.
        format = GrafikformatMitFilter(antwort.Filter);
        if (!format) format = &Grafikformate().front();
        while (datei.endsWith(QLatin1Char('.')))
            datei.chop(1);
        datei += QLatin1Char('.') + QLatin1String(format->Endung);
        if (QFileInfo::exists(datei) &&
            Meldungen().Frage(("Die Datei " + datei.toStdString() +
                               " existiert bereits.\r\nSoll sie ersetzt werden?"),
                              TFrageKnoepfe::JaNein) != TAntwort::Ja)
            return;
    }
    QString fehler;
    {
        const TWarteCursor warten;
        fehler = GrafikSchreiben(datei, *format, Ausgabeauftrag(fenster));
    }
    if (!fehler.isEmpty()) Meldungen().Meldung(fehler.toStdString(), TMeldungsart::Warnung);
}

void GrafikDrucken(QWidget* eltern, tGrafChildForm& fenster) {
    if (!AusgabeOptionenAbfragen(eltern, fenster)) return;
    QPrinter& drucker = AktuellerDrucker();
    drucker.setDocName(QFileInfo(fenster.Beschriftung()).completeBaseName());
    if (!DruckDialog(eltern, drucker, TDruckdialogArt::Drucken)) return;
    QString fehler;
    {
        const TWarteCursor warten;
        const TGrafikAuftrag a = Ausgabeauftrag(fenster);
        fehler = Drucken(drucker, HeftDruckrechteck(fenster, a), a.Fenster, a.Malen);
    }
    if (!fehler.isEmpty()) Meldungen().Meldung(fehler.toStdString(), TMeldungsart::Warnung);
}

void GrafikKopieren(QWidget* eltern, tGrafChildForm& fenster) {
    if (!AusgabeOptionenAbfragen(eltern, fenster)) return;
    const TWarteCursor warten;
    if (QClipboard* ablage = QGuiApplication::clipboard())
        ablage->setMimeData(GrafikMimeDaten(Ausgabeauftrag(fenster)));
}

} // namespace kalvorin
