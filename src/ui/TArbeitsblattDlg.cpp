#include "ui/TArbeitsblattDlg.h"

#include "document/Dokument.h"
#include "document/Zeichnen.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "ui/DialogSkalierung.h"
#include "ui/Hilfe.h"
#include "ui/TGrafChildForm.h"
#include "view/qt/Arbeitsblattausgabe.h"

#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvorin {

std::function<bool(TArbeitsblattDlg&)> TArbeitsblattDlg::Zeigen = [](TArbeitsblattDlg& d) {
    return d.exec() == QDialog::Accepted;
};

TArbeitsblattDlg::TArbeitsblattDlg(const TArbeitsblattEingabe& start, QWidget* eltern)
    : QDialog(eltern) {
    setObjectName(QStringLiteral("ArbeitsblattDLG"));
    setWindowTitle(QStringLiteral("Arbeitsblatt speichern"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    THilfe::SetzeThema(this, QStringLiteral("IDH_Dialog_Arbeitsblatt"));

    auto* hinweis = new QLabel(
        QStringLiteral("Seite 1: die Aufgabe mit den gegebenen Elementen und Platz zum Rechnen.\n"
                       "Seite 2: die Lösung mit allen Elementen und dem Lösungsweg."));
    TitelEdit = new QLineEdit(QString::fromStdString(start.Titel));
    TitelEdit->setObjectName(QStringLiteral("TitelEdit"));
    TitelEdit->setMaxLength(static_cast<int>(ArbeitsblattTitelLaenge));
    TitelEdit->setMinimumWidth(TitelEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    KlasseEdit = new QLineEdit(QString::fromStdString(start.Klasse));
    KlasseEdit->setObjectName(QStringLiteral("KlasseEdit"));
    KlasseEdit->setMaxLength(static_cast<int>(ArbeitsblattKlassenLaenge));
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("&Titel:"), TitelEdit);
    felder->addRow(QStringLiteral("&Klasse:"), KlasseEdit);

    OKBtn = new QPushButton(QStringLiteral("O&k"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbruch"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"));
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    HelpBtn->setAutoDefault(false);
    auto* unten = new QHBoxLayout;
    unten->addWidget(HelpBtn);
    unten->addStretch();
    unten->addWidget(OKBtn);
    unten->addWidget(CancelBtn);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(hinweis);
    haupt->addLayout(felder);
    haupt->addLayout(unten);

    connect(OKBtn, &QPushButton::clicked, this, &TArbeitsblattDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TArbeitsblattDlg::HelpBtnClick);
    DialogSkalieren(*this);
    adjustSize();
}

TArbeitsblattEingabe TArbeitsblattDlg::Eingabe() const {
    return {TitelEdit->text().toStdString(), KlasseEdit->text().toStdString()};
}

void TArbeitsblattDlg::OKBtnClick() {
    const std::string fehler = Eingabe().Pruefen();
    if (!fehler.empty()) {
        Meldungen().Meldung(fehler, TMeldungsart::Warnung);
        TitelEdit->setFocus();
        return;
    }
    accept();
}

void TArbeitsblattDlg::HelpBtnClick() {
    THilfe::ZeigeThema(QStringLiteral("IDH_Dialog_Arbeitsblatt"));
}

QString ArbeitsblattSchreiben(const TDokument& d, const TArbeitsblattEingabe& e,
                              const QString& datei) {
    std::string inhalt;
    if (QFileInfo(datei).suffix().compare(QStringLiteral("tex"), Qt::CaseInsensitive) == 0) {
        inhalt = ArbeitsblattLatex(d, e);
    } else {
        TZeichenOptionen aufgabe;
        aufgabe.Verborgen = VerborgenInAufgabe(d.Liste());
        const QByteArray pdf = ArbeitsblattPdf(
            ArbeitsblattInhalt(d.Liste(), e), ArbeitsblattFenster(d), ArbeitsblattBildgroesse,
            ArbeitsblattLoesungsbildgroesse,
            [&](TZeichenflaeche& f) { DokumentZeichnen(d, f, aufgabe); },
            [&](TZeichenflaeche& f) { DokumentZeichnen(d, f, {}); });
        if (pdf.isEmpty())
            return QStringLiteral("Das Arbeitsblatt für die Datei %1 kann nicht erzeugt werden.")
                .arg(datei);
        inhalt.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    }
    return QString::fromStdString(
        AusgabeSchreiben(TAusgabe::Arbeitsblatt, QFile::encodeName(datei).toStdString(), inhalt));
}

void ArbeitsblattSpeichern(QWidget* eltern, tGrafChildForm& fenster,
                           const TDateiDialog& dateiDialog) {
    // What the teacher typed last, for the next sheet of the lesson.
    static TArbeitsblattEingabe letzte;
    TArbeitsblattDlg dialog(letzte, eltern);
    if (!TArbeitsblattDlg::Zeigen(dialog)) return;
    letzte = dialog.Eingabe();

    TDateiAnfrage anfrage;
    anfrage.Art = TDateiDialogArt::Speichern;
    anfrage.Titel = QStringLiteral("Arbeitsblatt speichern unter");
    anfrage.Filter = ArbeitsblattPdfFilter + QStringLiteral(";;") + ArbeitsblattTexFilter;
    anfrage.Dateiname = QStringLiteral("*.pdf");
    anfrage.Standardendung = QStringLiteral("pdf");
    const TDateiAntwort antwort = dateiDialog(anfrage);
    if (antwort.Datei.isEmpty()) return;
    QString datei = antwort.Datei;
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung != QStringLiteral("pdf") && endung != QStringLiteral("tex")) {
        // The chosen filter's extension is added, and the file it names is
        // asked about.
        while (datei.endsWith(QLatin1Char('.')))
            datei.chop(1);
        datei += antwort.Filter == ArbeitsblattTexFilter ? QStringLiteral(".tex")
                                                         : QStringLiteral(".pdf");
        if (QFileInfo::exists(datei) &&
            Meldungen().Frage("Die Datei " + datei.toStdString() +
                                  " existiert bereits.\r\nSoll sie ersetzt werden?",
                              TFrageKnoepfe::JaNein) != TAntwort::Ja)
            return;
    }
    QString fehler;
    {
        const TWarteCursor warten;
        fehler = ArbeitsblattSchreiben(fenster.Dokument(), letzte, datei);
    }
    if (!fehler.isEmpty()) Meldungen().Meldung(fehler.toStdString(), TMeldungsart::Warnung);
}

} // namespace kalvorin
