#include "ui/TArbeitsblattDlg.h"

#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
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
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvorin {

std::function<bool(TArbeitsblattDlg&)> TArbeitsblattDlg::Zeigen = [](TArbeitsblattDlg& d) {
    return d.exec() == QDialog::Accepted;
};

TArbeitsblattDlg::TArbeitsblattDlg(const TArbeitsblattEingabe& start, const TDokument& d,
                                   QWidget* eltern)
    : QDialog(eltern), liste_(d.Liste()) {
    setObjectName(QStringLiteral("ArbeitsblattDLG"));
    setWindowTitle(QStringLiteral("Arbeitsblatt speichern"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    THilfe::SetzeThema(this, QStringLiteral("IDH_Dialog_Arbeitsblatt"));

    auto* hinweis = new QLabel(QStringLiteral(
        "Die Aufgabe mit den gegebenen Elementen und Platz zum Rechnen auf der ersten Seite,\n"
        "die Lösung mit allen Elementen und den Lösungswegen ab einer neuen Seite."));
    TitelEdit = new QLineEdit(QString::fromStdString(start.Titel));
    TitelEdit->setObjectName(QStringLiteral("TitelEdit"));
    TitelEdit->setMaxLength(static_cast<int>(ArbeitsblattTitelLaenge));
    TitelEdit->setMinimumWidth(TitelEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    KlasseEdit = new QLineEdit(QString::fromStdString(start.Klasse));
    KlasseEdit->setObjectName(QStringLiteral("KlasseEdit"));
    KlasseEdit->setMaxLength(static_cast<int>(ArbeitsblattKlassenLaenge));
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("&Titel:"), TitelEdit);
    // Not "&Klasse": Alt+K is "O&k".
    felder->addRow(QStringLiteral("K&lasse:"), KlasseEdit);

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
    FragenteilBauen(*haupt, d);
    haupt->addLayout(unten);

    connect(OKBtn, &QPushButton::clicked, this, &TArbeitsblattDlg::OKBtnClick);
    connect(MessungBtn, &QPushButton::clicked, this, &TArbeitsblattDlg::MessungBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TArbeitsblattDlg::HelpBtnClick);
    DialogSkalieren(*this);
    adjustSize();
}

void TArbeitsblattDlg::FragenteilBauen(QVBoxLayout& haupt, const TDokument& d) {
    FragenListe = new QListWidget;
    FragenListe->setObjectName(QStringLiteral("FragenListe"));
    auto* fragenText = new QLabel(QStringLiteral("&Gefragt wird nach:"));
    fragenText->setBuddy(FragenListe);
    MessungBtn = new QPushButton(QStringLiteral("&Messung der markierten Elemente hinzufügen"));
    MessungBtn->setObjectName(QStringLiteral("MessungBtn"));
    MessungBtn->setAutoDefault(false);
    ZeilenEdit = new QPlainTextEdit;
    ZeilenEdit->setObjectName(QStringLiteral("ZeilenEdit"));
    ZeilenEdit->setTabChangesFocus(true);
    ZeilenEdit->setFixedHeight(ZeilenEdit->fontMetrics().lineSpacing() * 4 + 12);
    auto* zeilenText = new QLabel(QStringLiteral("&Weitere Zeilen der Aufgabe (eine je Zeile):"));
    zeilenText->setBuddy(ZeilenEdit);
    const TArbeitsblattAuswahl auswahl = AuswahlVon(d);
    FragenZeigen(auswahl);
    ZeilenEdit->setPlainText(QString::fromStdString(auswahl.FreieZeilen));
    for (QWidget* w : std::initializer_list<QWidget*>{fragenText, FragenListe, MessungBtn,
                                                      zeilenText, ZeilenEdit})
        haupt.addWidget(w);
}

TArbeitsblattEingabe TArbeitsblattDlg::Eingabe() const {
    return {TitelEdit->text().toStdString(), KlasseEdit->text().toStdString()};
}

TArbeitsblattAuswahl TArbeitsblattDlg::Auswahl() const {
    TArbeitsblattAuswahl a;
    for (int i = 0; i < FragenListe->count(); ++i) {
        const QListWidgetItem* z = FragenListe->item(i);
        a.Zeilen.push_back({fragen_[static_cast<std::size_t>(i)], z->text().toStdString(),
                            z->checkState() == Qt::Checked});
    }
    a.FreieZeilen = ZeilenEdit->toPlainText().toStdString();
    return a;
}

void TArbeitsblattDlg::FragenZeigen(const TArbeitsblattAuswahl& a) {
    FragenListe->clear();
    fragen_.clear();
    for (const TFragenzeile& z : a.Zeilen) {
        auto* zeile = new QListWidgetItem(QString::fromStdString(z.Text), FragenListe);
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        zeile->setCheckState(z.Gewaehlt ? Qt::Checked : Qt::Unchecked);
        fragen_.push_back(z.Frage);
    }
    // Greyed while the marks give no measurement that is not listed yet.
    TArbeitsblattAuswahl probe = a;
    MessungBtn->setEnabled(MessungenHinzufuegen(probe, liste_) > 0);
}

void TArbeitsblattDlg::MessungBtnClick() {
    TArbeitsblattAuswahl a = Auswahl();
    if (MessungenHinzufuegen(a, liste_) == 0) return;
    FragenZeigen(a);
    FragenListe->setCurrentRow(FragenListe->count() - 1);
    FragenListe->setFocus();
}

void TArbeitsblattDlg::OKBtnClick() {
    if (const std::string fehler = Eingabe().Pruefen(); !fehler.empty()) {
        Meldungen().Meldung(fehler, TMeldungsart::Warnung);
        TitelEdit->setFocus();
        return;
    }
    if (const std::string fehler = AuswahlPruefen(Auswahl()); !fehler.empty()) {
        Meldungen().Meldung(fehler, TMeldungsart::Warnung);
        ZeilenEdit->setFocus();
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
        const QByteArray pdf = ArbeitsblattPdf(ArbeitsblattInhalt(d, e), ArbeitsblattBilder(d));
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
    TArbeitsblattDlg dialog(letzte, fenster.Dokument(), eltern);
    if (!TArbeitsblattDlg::Zeigen(dialog)) return;
    letzte = dialog.Eingabe();
    AuswahlUebernehmen(fenster.Dokument(), dialog.Auswahl());

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
