#include "ui/TLoesungswegForm.h"

#include "befehle/Befehlstabelle.h"
#include "befehle/Messen.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/DateiErsetzen.h"
#include "ui/Dateidialog.h"
#include "ui/Hilfe.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kalvorin {

using exakt::TLoesungsart;

std::vector<TLoesungsart> AngeboteneLoesungswege(const TDokument& d) {
    return AngeboteneLoesungswege(d.Liste());
}

QString LoesungsartName(TLoesungsart art) {
    const std::string_view name = LoesungswegName(art);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

TLoesungswegForm::TLoesungswegForm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("LoesungswegForm"));
    setWindowTitle(QStringLiteral("Lösungsweg"));
    THilfe::SetzeThema(this, QStringLiteral("IDH_Loesungsweg"));
    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("&Aufgabe:")));
    Aufgabe = new QComboBox;
    Aufgabe->setObjectName(QStringLiteral("LoesungswegAufgabe"));
    static_cast<QLabel*>(oben->itemAt(0)->widget())->setBuddy(Aufgabe);
    oben->addWidget(Aufgabe, 1);
    Anzeige = new QTextBrowser;
    Anzeige->setObjectName(QStringLiteral("LoesungswegText"));
    Anzeige->setOpenLinks(false);
    Anzeige->setAccessibleName(QStringLiteral("Lösungsweg"));
    KopierenText = new QPushButton(QStringLiteral("Als &Text kopieren"));
    KopierenLatex = new QPushButton(QStringLiteral("Als &LaTeX kopieren"));
    SpeichernKnopf = new QPushButton(QStringLiteral("&Speichern unter..."));
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"));
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"));
    auto* unten = new QHBoxLayout;
    for (QPushButton* k : {KopierenText, KopierenLatex, SpeichernKnopf}) {
        k->setAutoDefault(false);
        unten->addWidget(k);
    }
    unten->addStretch();
    unten->addWidget(hilfe);
    unten->addWidget(schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(Anzeige, 1);
    layout->addLayout(unten);
    resize(760, 560);

    connect(Aufgabe, &QComboBox::currentIndexChanged, this, &TLoesungswegForm::Waehlen);
    connect(KopierenText, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(Text()); });
    connect(KopierenLatex, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(Latex()); });
    connect(SpeichernKnopf, &QPushButton::clicked, this, [this] {
        TDateiAnfrage anfrage;
        anfrage.Art = TDateiDialogArt::Speichern;
        anfrage.Titel = QStringLiteral("Lösungsweg speichern");
        anfrage.Filter = QStringLiteral("LaTeX-Dateien (*.tex)");
        anfrage.Dateiname = QStringLiteral("loesungsweg.tex");
        anfrage.Standardendung = QStringLiteral("tex");
        const TDateiAntwort antwort = QtDateiDialog(this, anfrage);
        if (antwort.Datei.isEmpty()) return;
        if (const QString fehler = Speichern(antwort.Datei); !fehler.isEmpty())
            Meldungen().Meldung(fehler.toStdString(), TMeldungsart::Warnung);
    });
    connect(hilfe, &QPushButton::clicked, this,
            [] { THilfe::ZeigeThema(QStringLiteral("IDH_Loesungsweg")); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
}

bool TLoesungswegForm::Zeigen(const TDokument& d) {
    wege_.clear();
    const QSignalBlocker sperre(Aufgabe);
    Aufgabe->clear();
    for (TLoesungsart art : AngeboteneLoesungswege(d)) {
        auto weg = LoesungswegDerMarkierten(d.Liste(), art);
        if (!weg) continue;
        wege_.push_back(*weg);
        Aufgabe->addItem(LoesungsartName(art));
    }
    if (wege_.empty()) return false;
    Aufgabe->setCurrentIndex(0);
    Waehlen(0);
    return true;
}

void TLoesungswegForm::Waehlen(int index) {
    if (index < 0 || index >= static_cast<int>(wege_.size())) return;
    Anzeige->setHtml(QString::fromStdString(exakt::AlsHtml(wege_[index])));
}

QString TLoesungswegForm::Text() const {
    const int i = Aufgabe->currentIndex();
    if (i < 0 || i >= static_cast<int>(wege_.size())) return {};
    return QString::fromStdString(exakt::AlsText(wege_[i]));
}

QString TLoesungswegForm::Latex() const {
    const int i = Aufgabe->currentIndex();
    if (i < 0 || i >= static_cast<int>(wege_.size())) return {};
    return QString::fromStdString(exakt::AlsLatexAusschnitt(wege_[i]));
}

QString TLoesungswegForm::Speichern(const QString& datei) const {
    const int i = Aufgabe->currentIndex();
    if (i < 0 || i >= static_cast<int>(wege_.size())) return {};
    // Through the replacement: a full disk or a broken write leaves an
    // older file whole, and a pipe, a device or a write-protected file
    // under the name is never opened.
    return QString::fromStdString(AusgabeSchreiben(
        TAusgabe::Loesungsweg, QFile::encodeName(datei).toStdString(), exakt::AlsLatex(wege_[i])));
}

} // namespace kalvorin
